// The 14 heat-source schemes: each scheme's parameter block and operations,
// named by its stem (ppr1 .. ppr5, ppr9, ppr10, ppr11, ppr14, ppr15, rom1 ..
// rom3, comp), what each keeps between calls, and the state of all of them
// as one value.
#pragma once

#include <limits>
#include <unordered_map>
#include <vector>

#include "model.h"

// A cache a scheme keeps on its thread. What it holds follows from the state
// beside it, which it checks at every use, so it never travels with a copy
// of the state: a copy starts empty, assigning a copy keeps the thread's own
// entries (a worker keeps its own from one sweep to the next), and a reset
// (`= {}`, a move) takes the empty one.
template <class Cache>
struct ThreadCache : Cache {
    ThreadCache() = default;
    ThreadCache(const ThreadCache&) : Cache() {}
    ThreadCache& operator=(const ThreadCache&) { return *this; }
    ThreadCache(ThreadCache&&) = default;
    ThreadCache& operator=(ThreadCache&&) = default;
    ~ThreadCache() = default;
};

// ---------------------------------------------------------------------------
// Scheme 1: thin plate (stem ppr1)

struct Ppr1Parameters {
    double lambda = 0.3;   // thermal conductivity
    double c = 0.628;      // specific heat
    double rho = 7.8;      // density
    double T0 = 20;        // initial temperature
    double v = 0.1;        // welding speed
    double delta = 5;      // plate thickness
    double alpha = 0;      // surface heat-transfer coefficient, W/(cm²·°C)
    double q = 4500;       // source power
};

// What ppr1_prepare derives from the block.
struct Ppr1Derived {
    double pi = 3.14159265;   // this scheme's own π
    double r_min = 0.00001;   // floor of the distance to the source line
    double r_min2 = 0.00001 * 0.00001;
    double a = 0;
    double Q = 0;
    double k = 0;
    double u0 = 0;
    double s = 0;
    double s2 = 0;   // s²
};

// Everything scheme 1 keeps; the constants start derived from the start
// values, so the window may run before the data dialog was ever confirmed.
struct Ppr1State {
    Ppr1Parameters parameters;
    Ppr1Derived derived;
    Ppr1State();
};

void ppr1_set_data(SchemeParameters values);
void ppr1_prepare();
double ppr1_temperature(double x, double y, double z);
double ppr1_velocity();
double ppr1_power();
double ppr1_thickness();
void ppr1_set_regime(double v, double q, double T0, double thickness);
double ppr1_initial_temperature();
void ppr1_depth_range(double y, double& zmin, double& zmax);
void ppr1_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 2: semi-infinite, optionally multi-layer body (stem ppr2)

struct Ppr2Parameters {
    double lambda = 0.3;
    double c = 0.628;
    double rho = 7.8;
    double T0 = 20;
    double v = 0.1;
    double delta_c = 5;    // thickness of the surface layer
    double R_T = 0;        // contact resistance layer/body, cm²·°C/W; 0: homogeneous
    double q = 4500;
};

// What ppr2_prepare derives from the block.
struct Ppr2Derived {
    double f = 1;   // stretch of the depth by a resistive surface layer
    double K = 0;   // q·f / (2πλ)
    double k = 0;   // v / (2a)
};

struct Ppr2State {
    Ppr2Parameters parameters;
    Ppr2Derived derived;
    Ppr2State();
};

void ppr2_set_data(SchemeParameters values);
void ppr2_prepare();
double ppr2_temperature(double x, double y, double z);
double ppr2_velocity();
double ppr2_power();
double ppr2_thickness();
void ppr2_set_regime(double v, double q, double T0, double thickness);
double ppr2_initial_temperature();
void ppr2_depth_range(double y, double& zmin, double& zmax);
void ppr2_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 3: multi-layer plate (stem ppr3)

struct Ppr3Parameters {
    double lambda = 0.3;
    double c = 0.628;
    double rho = 7.8;
    double T0 = 20;
    double v = 0.1;
    double delta = 5;      // plate thickness
    double alpha = 0.003;  // surface heat-transfer coefficient
    double R_T = 0;        // contact resistance between layers
    double delta_c = 1;    // layer thickness
    double q = 4500;
};

// What ppr3_prepare derives from the block.
struct Ppr3Derived {
    double f = 1;
    double Bi = 0;
    double mu1 = 0;
    double pi = 3.14159;   // this scheme's own π
    double a = 0;
    double r_min = 0;
    double Q = 0;
    double u0 = 0;
    double u0_squared = 0;
    double s1 = 0;
};

// The terms of the series after the first: each eigenvalue with its decay
// and weight, found once for the block and kept as far as a call has needed
// them, so that the points of a window share the Newton iterations.
struct Ppr3Term {
    double mu = 0;      // the eigenvalue
    double sigma = 0;   // √((μ/δ/f)² + u0²)
    double ck = 0;      // μ / (½ sin 2μ + μ)
};

class Ppr3SeriesTerms {
public:
    // Forgets the terms when what they depend on changed.
    void keep_for(const Ppr3Derived& d, double delta);
    // Term n (0 for k = 2, the second term of the series).
    const Ppr3Term& at(int n);

private:
    // NaN matches nothing, so the first call fills.
    static constexpr double nan_ = std::numeric_limits<double>::quiet_NaN();
    double Bi_ = nan_, f_ = nan_, u0_squared_ = nan_, delta_ = nan_;
    std::vector<Ppr3Term> terms_;
};

struct Ppr3State {
    Ppr3Parameters parameters;
    Ppr3Derived derived;
    ThreadCache<Ppr3SeriesTerms> series_terms;
    Ppr3State();
};

void ppr3_set_data(SchemeParameters values);
void ppr3_prepare();
double ppr3_temperature(double x, double y, double z);
double ppr3_velocity();
double ppr3_power();
double ppr3_thickness();
void ppr3_set_regime(double v, double q, double T0, double thickness);
double ppr3_initial_temperature();
void ppr3_depth_range(double y, double& zmin, double& zmax);
void ppr3_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 4: two plates of different width (stem ppr4)

struct Ppr4Parameters {
    double lambda = 0.1;
    double c = 0.15;
    double rho = 7.8;
    double T0 = 20;
    double v = 0.1;
    double delta = 0.6;     // plate thickness
    double alpha = 0.0008;  // surface heat-transfer coefficient
    double h1 = 16;         // width of plate 1 (y < 0)
    double h2 = 4;          // width of plate 2 (y > 0)
    double q = 520;
};

// What ppr4_prepare derives from the block.
struct Ppr4Derived {
    double r_min = 0.00001;
    double pi = 3.14159;   // this scheme's own π
    double a = 0;
    double b = 0;
    double s = 0;
    double Q = 0;
    double W = 0;
    double D1 = 0;
    double D2 = 0;
};

struct Ppr4State {
    Ppr4Parameters parameters;
    Ppr4Derived derived;
    Ppr4State();
};

void ppr4_set_data(SchemeParameters values);
void ppr4_prepare();
double ppr4_temperature(double x, double y, double z);
double ppr4_velocity();
double ppr4_power();
double ppr4_thickness();
void ppr4_set_regime(double v, double q, double T0, double thickness);
double ppr4_initial_temperature();
void ppr4_depth_range(double y, double& zmin, double& zmax);
void ppr4_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 5: two dissimilar plates (stem ppr5); plate 1 on y <= 0, plate 2 on y > 0

struct Ppr5Parameters {
    double lambda1 = 0.09;
    double lambda2 = 0.315;
    double c1 = 0.152856;
    double c2 = 0.238462;
    double rho1 = 7.8;
    double rho2 = 2.6;
    double T0 = 20;
    double v = 0.2;
    double delta1 = 1;     // thickness of plate 1
    double delta2 = 2;     // thickness of plate 2
    double alpha = 0;      // surface heat-transfer coefficient
    double q = 1000;
};

// What ppr5_prepare derives from the block.
struct Ppr5Derived {
    double a1 = 0;        // diffusivity of plate 1, the scale of ξ and η
    double m = 1;         // a1 / a2
    double L = 1;         // λ2·δ2 / (λ1·δ1)
    double b = 0;         // 2·α·λ1 / ((v·c1·ρ1)²·δ1): plate 1's face loss, dimensionless
    double K = 0;         // q / (π·λ1·δ1)
    double at_zero = 0;   // the integrand at w = 0
};

// The point of the last ppr5_temperature call, for the integrand.
struct Ppr5FieldPoint {
    int side = 0;         // 0: plate 1 (y <= 0), 1: plate 2
    double m_side = 1;    // the side factors: (m, 1/L) on plate 2, (1, 1) on plate 1
    double loss_side = 1;
    double xi = 0;        // x·v / a1
    double eta = 0;       // |y|·v / a1
};

// What the integrand holds at a wavenumber w whatever the point: the joint's
// two factors and the two roots of the point's side.
struct Ppr5NodeFactors {
    double D1 = 0, D2 = 0;
    double root_plus = 0;    // √(A3 + s3): the decay across the plate
    double root_minus = 0;   // √(s3 − A3): the phase across the plate
};

// The point-free factors at the nodes of every panel of the wavenumber
// integral seen so far, by panel and side.
class Ppr5NodeCache {
public:
    // Forgets every entry when the constants that the factors hold change.
    void keep_for(const Ppr5Derived& d);
    // The factors at the nodes of the panel, on the point's side.
    const Ppr5NodeFactors* at(int key, const Ppr5Derived& d, const Ppr5FieldPoint& pt);

private:
    // m, L and b of the entries; NaN matches nothing, so the first call fills.
    static constexpr double nan_ = std::numeric_limits<double>::quiet_NaN();
    double m_ = nan_, L_ = nan_, b_ = nan_;
    std::vector<std::vector<Ppr5NodeFactors>> panels_;   // sized at the first call
};

struct Ppr5State {
    Ppr5Parameters parameters;
    Ppr5Derived derived;
    Ppr5FieldPoint point;
    ThreadCache<Ppr5NodeCache> node_cache;
    Ppr5State();
};

void ppr5_set_data(SchemeParameters values);
void ppr5_prepare();
double ppr5_temperature(double x, double y, double z);
double ppr5_integrand(double w);
double ppr5_velocity();
double ppr5_power();
double ppr5_thickness();
void ppr5_set_regime(double v, double q, double T0, double thickness);
double ppr5_initial_temperature();
void ppr5_depth_range(double y, double& zmin, double& zmax);
void ppr5_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 6: strip electrode on a massive body (stem ppr9)

struct Ppr9Parameters {
    double lambda = 0.3;
    double c = 0.628;
    double rho = 7.8;
    double T0 = 20;
    double v = 0.1;
    double B = 5;          // half width of the strip (set_data takes the full width)
    double q = 4500;
};

// What ppr9_prepare derives from the block.
struct Ppr9Derived {
    double two_a = 2;    // twice the diffusivity
    double scale = 0;    // 4πλB, which the strip's integral is divided by
};

struct Ppr9State {
    Ppr9Parameters parameters;
    Ppr9Derived derived;
    // The point that ppr9_temperature leaves for the integrand.
    double point_x = 0;
    double point_y = 0;
    double point_z = 0;
    Ppr9State();
};

void ppr9_set_data(SchemeParameters values);
void ppr9_prepare();
double ppr9_temperature(double x, double y, double z);
double ppr9_integrand(double y_source);
double ppr9_velocity();
double ppr9_power();
double ppr9_thickness();
void ppr9_set_regime(double v, double q, double T0, double thickness);
double ppr9_initial_temperature();
void ppr9_depth_range(double y, double& zmin, double& zmax);
void ppr9_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 9: deep penetration by a line source (stem ppr14)

struct Ppr14Parameters {
    double lambda = 0.1;
    double c = 0.16;
    double rho = 7.8;
    double T0 = 20;
    double v = 0.3;
    double f = 2;          // concentration of the source over the depth, 1/cm²
    double q = 10000;
};

// What ppr14_prepare derives from the block.
struct Ppr14Derived {
    double h = 0;       // step of the sum along the depth
    double C = 0;       // the power's factor
    double two_a = 2;   // twice the diffusivity
};

struct Ppr14State {
    Ppr14Parameters parameters;
    Ppr14Derived derived;
    Ppr14State();
};

void ppr14_set_data(SchemeParameters values);
void ppr14_prepare();
double ppr14_temperature(double x, double y, double z);
double ppr14_velocity();
double ppr14_power();
double ppr14_thickness();
void ppr14_set_regime(double v, double q, double T0, double thickness);
double ppr14_initial_temperature();
void ppr14_depth_range(double y, double& zmin, double& zmax);
void ppr14_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 10: normal-circular source on a massive body (stem ppr15)

struct Ppr15Parameters {
    double lambda = 0.1;
    double c = 0.15;
    double rho = 7.8;
    double T0 = 20;
    double v = 0.4;
    double k = 2;          // concentration coefficient of the source, 1/cm²
    double q = 2000;
};

struct Ppr15State {
    Ppr15Parameters parameters;
};

void ppr15_set_data(SchemeParameters values);
void ppr15_prepare();
double ppr15_temperature(double x, double y, double z);
double ppr15_velocity();
double ppr15_power();
double ppr15_thickness();
void ppr15_set_regime(double v, double q, double T0, double thickness);
double ppr15_initial_temperature();
void ppr15_depth_range(double y, double& zmin, double& zmax);
void ppr15_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// The time-domain schemes (7, 8 and 11 to 14) sum sweeps of an electrode,
// cycles of a pulsed source or the modes of a transform. Where they have no
// temperature to give they return NaN, never a number made of a cap or a
// division by zero, and say why in the gap of their last call on the
// calling thread, which the thermal-cycle windows read after each sample.
enum class FieldGap {
    none,            // the last temperature is a field value
    sweep_cap,       // the sum would need more sweeps than field_sum_cap
    cycle_cap,       // the sum would need more cycles than field_sum_cap
    unusable_data,   // the data give no field (a zero period, width or speed, ...)
    outside_metal,   // the point lies outside the plate
};

// The most sweeps or cycles a temperature may add up.
constexpr int field_sum_cap = 1000000;

FieldGap last_field_gap();
// For the schemes: clears the gap at the start of a call, and records a gap
// and gives the NaN that stands for it.
void clear_field_gap();
double field_gap(FieldGap why);

// ---------------------------------------------------------------------------
// The oscillating electrode (schemes 7 and 8). The electrode sweeps across
// the weld between y = -A/2 and +A/2 while it advances along it; sweep k
// (k = 1, 2, ...) lasts from (k - 1)·t_s to k·t_s. Their `temperature` takes
// the time t in s as its first argument and observes the point x_p along the
// weld that `set_oscillation_point` fixed.

// The direction of sweep n: -1 for a positive odd n, +1 otherwise (the
// remainder of a negative odd n is -1).
double alternating_sign(int n);

// Scheme 7: oscillating electrode on a plate (stem ppr10)

struct Ppr10Parameters {
    double lambda = 0.3;     // thermal conductivity
    double c = 0.628;        // specific heat
    double rho = 7.8;        // density
    double T0 = 20;          // initial temperature
    double v_x = 0.28;       // welding speed along the weld
    double delta = 5;        // plate thickness
    double alpha = 0.0003;   // surface heat-transfer coefficient, W/(cm²·°C)
    double A = 4.6;          // oscillation width
    double v_y = 7;          // cross speed of the electrode
    double q = 5000;         // effective power
};

// What ppr10_set_data derives from the block, and the observed point.
struct Ppr10Derived {
    double a = 0;      // thermal diffusivity, cm²/s
    double t_s = 0;    // duration of one sweep, s
    double dx = 0;     // advance along the weld during one sweep, cm
    double Fo = 0;     // one sweep in the dimensionless time a·t/δ²
    double Pe_x = 0;   // v_x·δ/a
    double Pe_y = 0;   // v_y·δ/a
    double Bi = 0;     // α·δ/λ
    double K = 0;      // temperature scale, °C
    double x_p = 0;    // the observed point along the weld, cm
};

// What ppr10_temperature leaves for the integrand.
struct Ppr10IntegrandState {
    double xi0 = 0;
    double eta0 = 0;
    double r = 0;      // t / t_s
    double k = 0;      // the sweep, as a double
    double s = 1;      // its direction
    double zeta = 0;   // the depth over the thickness
};

// The thickness modes of the lossy plate: the roots of μ·tan μ = Bi with
// their weights μ / (½ sin 2μ + μ), found once for a Biot number and kept
// as far as a call has needed them.
struct Ppr10Mode {
    double mu = 0;
    double w = 0;
};
class Ppr10ThicknessModes {
public:
    const Ppr10Mode& at(double Bi, std::size_t m);

private:
    double Bi_ = std::numeric_limits<double>::quiet_NaN();
    std::vector<Ppr10Mode> modes_;
};

// The constants start derived from the start values: the window may run
// before the data dialog was ever confirmed.
struct Ppr10State {
    Ppr10Parameters parameters;
    Ppr10Derived derived;
    Ppr10IntegrandState integrand;
    ThreadCache<Ppr10ThicknessModes> modes;
    Ppr10State();
};

void ppr10_set_data(SchemeParameters values);
void ppr10_prepare();
double ppr10_temperature(double t, double y, double z);
double ppr10_integrand(double u);
double ppr10_velocity();
double ppr10_initial_temperature();
void ppr10_depth_range(double y, double& zmin, double& zmax);
void ppr10_width_range(int& one_body, double& ymin, double& ymax);
void ppr10_set_oscillation_point(const double* record);   // reads x = record[2]
void ppr10_oscillation_limits(int& one_body, double& t_start, double& t_end, double& ymax,
                              double& ymin);

// Scheme 8: oscillating electrode on a massive body (stem ppr11)

struct Ppr11Parameters {
    double lambda = 0.3;
    double c = 0.628;
    double rho = 7.8;
    double T0 = 20;
    double v_x = 0.28;
    double alpha = 0.0003;   // shown only: the body loses no heat in this scheme
    double A = 4.6;
    double v_y = 7;
    double q = 5000;
};

// A is the length scale of this scheme.
struct Ppr11Derived {
    double a = 0;
    double t_s = 0;
    double dx = 0;
    double Fo = 0;     // a·t_s/A²
    double Pe_x = 0;   // v_x·A/a
    double Pe_y = 0;   // v_y·A/a
    double K = 0;
    double x_p = 0;
};

struct Ppr11IntegrandState {
    double xi0 = 0;
    double eta0 = 0;
    double zeta0 = 0;
    double r = 0;   // t / t_s
    double k = 0;   // the sweep, as a double
    double s = 1;   // its direction
};

struct Ppr11State {
    Ppr11Parameters parameters;
    Ppr11Derived derived;
    Ppr11IntegrandState integrand;
    Ppr11State();
};

void ppr11_set_data(SchemeParameters values);
void ppr11_prepare();
double ppr11_temperature(double t, double y, double z);
double ppr11_integrand(double u);
double ppr11_velocity();
double ppr11_initial_temperature();
void ppr11_depth_range(double y, double& zmin, double& zmax);
void ppr11_width_range(int& one_body, double& ymin, double& ymax);
void ppr11_set_oscillation_point(const double* record);
void ppr11_oscillation_limits(int& one_body, double& t_start, double& t_end, double& ymax,
                              double& ymin);

// ---------------------------------------------------------------------------
// The pulsed source (schemes 11, 12 and 13). The power alternates between q1
// for the pulse time t_p and q2 for the rest of each cycle of period t_cycle;
// the point is observed 1500 whole cycles plus t after the first pulse.
// These schemes have no `temperature`: `pulse_time_window` fixes the
// current time t_now and `pulse_temperature` gives the field at it.

struct PulseParameters {
    double q1 = 1250;       // power during a pulse
    double q2 = 500;        // power during a pause
    double v = 1;           // welding speed
    double lambda = 0.4;
    double c = 0.628;
    double rho = 7.8;
    double t_cycle = 1;     // period of pulse plus pause, s
    double t_pulse = 0.5;   // pulse time, s
    double t = 10;          // position of the point in the cycle, s
    double T0 = 20;
    double delta = 1;       // thickness (scheme 11 takes the powers per cm of it)
};

// every_cycle integrates each cycle back to the first; fast does so only
// where the pulses show at the point (see sum_pulse_cycles).
enum class PulseSumRule { fast, every_cycle };

// What each pulsed module derives and remembers between calls.
struct PulseState {
    PulseSumRule rule = PulseSumRule::fast;   // how the past cycles are summed
    double c_rho = 0;   // c·ρ
    double a = 0;       // thermal diffusivity
    double t_now = 0;   // the current time, fixed by pulse_time_window
    int N = 0;          // whole cycles emitted before t_now, at the last temperature
    int k = 0;          // the oldest cycle integrated one by one from the newest back
    // The emission of cycle k that its integrals cover: the pulse from
    // pulse_start for pulse_length, the pause of pause_length ending at
    // pause_end. In the cycle in progress (k = N + 1) both end by t_now.
    double pulse_start = 0;
    double pulse_length = 0;
    double pause_end = 0;
    double pause_length = 0;
};

// Everything one pulsed scheme keeps; the point is left by its
// pulse_temperature for the integrands (scheme 11 reads no z).
struct PulseSchemeState {
    PulseParameters parameters;
    PulseState pulse;
    double point_x = 0;
    double point_y = 0;
    double point_z = 0;
};

// Every sample of a thermal cycle of scheme 13 integrates the cycles at the
// same emission times and the same depth, so the series of mirror images of
// an emission time is kept for the block, t_now and depth it was found with
// (bounded, since the keys of one window are a few hundred thousand at most).
struct Rom3ImageSeriesCache {
    double t_now = std::numeric_limits<double>::quiet_NaN(), z = 0, delta = 0, a = 0;
    std::unordered_map<double, double> by_emission;
};

struct Rom3State : PulseSchemeState {
    ThreadCache<Rom3ImageSeriesCache> image_cache;
};

// Scheme 11: pulsed source on a massive body (stem rom1)
void rom1_set_data(SchemeParameters values);
void rom1_prepare();
double rom1_pulse_temperature(double x, double y, double z, double t);
double rom1_pulse_integrand(double s);
double rom1_pause_integrand(double s);
void rom1_pulse_time_window(double& from, double& to);
double rom1_velocity();
double rom1_initial_temperature();
void rom1_depth_range(double y, double& zmin, double& zmax);
void rom1_width_range(int& one_body, double& ymin, double& ymax);   // scheme 12's too

// Scheme 12: pulsed source on a plate (stem rom2)
void rom2_set_data(SchemeParameters values);
void rom2_prepare();
double rom2_pulse_temperature(double x, double y, double z, double t);
double rom2_pulse_integrand(double s);
double rom2_pause_integrand(double s);
void rom2_pulse_time_window(double& from, double& to);
double rom2_velocity();
double rom2_initial_temperature();
void rom2_depth_range(double y, double& zmin, double& zmax);

// Scheme 13: pulsed source on a thin plate (stem rom3)
void rom3_set_data(SchemeParameters values);
void rom3_prepare();
double rom3_pulse_temperature(double x, double y, double z, double t);
double rom3_pulse_integrand(double s);
double rom3_pause_integrand(double s);
// The factor of the mirror images at the depths ±2iδ for an emission at the
// time tau, for the depth of the current rom3_pulse_temperature call.
double rom3_image_series(double tau);
void rom3_pulse_time_window(double& from, double& to);
double rom3_velocity();
double rom3_initial_temperature();
void rom3_depth_range(double y, double& zmin, double& zmax);
void rom3_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// Scheme 14: composite plates (stem comp). A plate of two phases, each with
// its own properties and volume share, heated by the passage of a fast line
// source; `temperature` takes (t, y, z): the time after the passage in s and
// the distance from the weld line; z is not read.

struct CompParameters {
    double lambda1 = 0.44;   // conductivity of phase 1
    double lambda2 = 0.12;   // conductivity of phase 2
    double c1 = 0.22;        // specific heats
    double c2 = 0.148;
    double rho1 = 2.7;       // densities
    double rho2 = 7.8;
    double p1 = 0.75;        // volume shares, used as entered
    double p2 = 0.25;
    double T0 = 20;
    double v = 6;            // welding speed
    double delta = 0.1;      // plate thickness
    double q = 3000;         // effective power
};

// The constants of the material and the source that comp_temperature
// derives from the block at every call.
struct CompConstants {
    double lambda_m = 0;   // mean conductivity
    double lambda_e = 0;   // effective conductivity
    double H = 0;          // exchange coefficient between the phases
    double C1 = 0;         // heat capacities per unit volume
    double C2 = 0;
    double C = 0;
    double A = 0;          // coupling factor
    double h = 0;          // exchange rate
    double S0 = 0;         // source factor
};
CompConstants comp_constants();

// The constants are those of the last evaluation, which the transforms read.
struct CompState {
    CompParameters parameters;
    CompConstants constants;
    CompState();
};

void comp_set_data(SchemeParameters values);
void comp_prepare();
double comp_temperature(double t, double y, double z);
// The transforms of the two phase temperatures at the wavenumber k (1/cm)
// and the time t; y is not read. Where the plate behaves as one material (a
// share of 0, equal diffusivities of the phases) both are that material's
// transform.
void comp_mode_coefficients(double k, double y, double t, double& theta1, double& theta2);
double comp_velocity();
double comp_initial_temperature();
void comp_depth_range(double y, double& zmin, double& zmax);
void comp_width_range(int& one_body, double& ymin, double& ymax);

// ---------------------------------------------------------------------------
// The state of every scheme, as one value: what each scheme's module keeps
// (its parameter block, what `prepare` derives, the point of the last call,
// its caches) and the gap of the last time-domain temperature. Each thread
// that computes has its own, so the workers of a sweep (compute_points)
// compute side by side while the interface thread's stays as the windows and
// dialogs left it; a worker starts from a copy of it, and `= {}` puts back
// the start values. State added to a scheme goes into its record here.

struct SchemeState {
    Ppr1State ppr1;
    Ppr2State ppr2;
    Ppr3State ppr3;
    Ppr4State ppr4;
    Ppr5State ppr5;
    Ppr9State ppr9;
    Ppr10State ppr10;
    Ppr11State ppr11;
    Ppr14State ppr14;
    Ppr15State ppr15;
    PulseSchemeState rom1, rom2;
    Rom3State rom3;
    CompState comp;
    FieldGap field_gap = FieldGap::none;
};

extern thread_local SchemeState scheme_state;
