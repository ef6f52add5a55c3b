// The 14 heat-source schemes: each scheme's parameter block and operations,
// named by its stem (ppr1 .. ppr5, ppr9, ppr10, ppr11, ppr14, ppr15, rom1 ..
// rom3, comp), and the state of all of them as one value.
#pragma once

#include "model.h"

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
extern thread_local Ppr1Parameters ppr1_parameters;

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
extern thread_local Ppr2Parameters ppr2_parameters;

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
extern thread_local Ppr3Parameters ppr3_parameters;

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
extern thread_local Ppr4Parameters ppr4_parameters;

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
extern thread_local Ppr5Parameters ppr5_parameters;

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
extern thread_local Ppr9Parameters ppr9_parameters;

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
extern thread_local Ppr14Parameters ppr14_parameters;

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
extern thread_local Ppr15Parameters ppr15_parameters;

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
extern thread_local Ppr10Parameters ppr10_parameters;

// What ppr10_set_data derives from the block, and the observed point.
struct Ppr10State {
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
extern thread_local Ppr10State ppr10_state;

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
extern thread_local Ppr11Parameters ppr11_parameters;

// A is the length scale of this scheme.
struct Ppr11State {
    double a = 0;
    double t_s = 0;
    double dx = 0;
    double Fo = 0;     // a·t_s/A²
    double Pe_x = 0;   // v_x·A/a
    double Pe_y = 0;   // v_y·A/a
    double K = 0;
    double x_p = 0;
};
extern thread_local Ppr11State ppr11_state;

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

// Scheme 11: pulsed source on a massive body (stem rom1)
extern thread_local PulseParameters rom1_parameters;
extern thread_local PulseState rom1_state;

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
extern thread_local PulseParameters rom2_parameters;
extern thread_local PulseState rom2_state;

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
extern thread_local PulseParameters rom3_parameters;
extern thread_local PulseState rom3_state;

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
extern thread_local CompParameters comp_parameters;

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
// A copy of the scheme state of one thread, for a worker to compute with:
// the operation slots and every scheme's block, since a kept slot may belong
// to another scheme than the installed one (scheme 2's power serves the
// time-domain schemes). What `prepare` derives from a block is not copied:
// adopting derives it again.

struct SchemeState {
    HeatSourceModel model;
    Ppr1Parameters ppr1;
    Ppr2Parameters ppr2;
    Ppr3Parameters ppr3;
    Ppr4Parameters ppr4;
    Ppr5Parameters ppr5;
    Ppr9Parameters ppr9;
    Ppr10Parameters ppr10;
    Ppr10State ppr10_derived;
    Ppr11Parameters ppr11;
    Ppr11State ppr11_derived;
    Ppr14Parameters ppr14;
    Ppr15Parameters ppr15;
    PulseParameters rom1, rom2, rom3;
    PulseState rom1_derived, rom2_derived, rom3_derived;
    CompParameters comp;
};
