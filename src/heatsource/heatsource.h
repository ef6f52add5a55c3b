// Heat-source models: the operations every scheme module offers, the current
// model that window routines and dialogs reach them through, the numeric
// helpers the schemes share, and the solvers on the current model.
//
// Units everywhere: lengths in cm, times in s, temperatures in °C, power in W,
// speed in cm/s, conductivity in W/(cm·°C), heat capacity in J/(g·°C),
// density in g/cm³. x runs along the weld in the frame moving with the source
// (x > 0 ahead of it), y across, z in depth (z >= 0).
#pragma once

#include "canvas.h"

struct Window;   // a top-level window of the platform layer

// ---------------------------------------------------------------------------
// Shared signatures

// Every compute-and-draw routine. `phase` is 0 (compute) or 1 (draw) for the
// thermal-cycle, isotherm and cooling-rate routines, a selector or ignored for
// the others; `print_flag` is 1 on a printer page.
using WindowRoutine = void (*)(const double* params, int steps, Window* window, Canvas& dc,
                               int phase, int print_flag);

// The doubles a data dialog hands to `set_data`, in the order of the scheme's
// parameter block; the array holds at least as many values as that block.
using SchemeParameters = const double*;

// Most doubles any scheme's block holds.
constexpr int scheme_parameter_max = 12;

// `summary` and `caption` write zero-terminated texts into caller buffers of
// this many bytes each.
constexpr int heat_text_size = 252;

using PanelPainter = void (*)(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                              int show_thickness);

// The operation slots of the installed scheme. An empty slot is null.
struct HeatSourceModel {
    void (*set_data)(SchemeParameters values) = nullptr;
    void (*prepare)() = nullptr;
    double (*temperature)(double x, double y, double z) = nullptr;
    double (*velocity)() = nullptr;
    double (*power)() = nullptr;
    double (*thickness)() = nullptr;   // -1 for a body without a thickness
    void (*set_regime)(double v, double q, double T0, double thickness) = nullptr;
    double (*initial_temperature)() = nullptr;
    void (*depth_range)(double y, double& zmin, double& zmax) = nullptr;
    void (*width_range)(int& one_body, double& ymin, double& ymax) = nullptr;
    void (*summary)(char* line1, char* line2, char* title) = nullptr;
    void (*caption)(char* line1, char* line2, char* line3) = nullptr;
    PanelPainter draw_panel = nullptr;
    WindowRoutine cycle_routine = nullptr;
    void (*set_oscillation_point)(const double* record) = nullptr;
    void (*oscillation_limits)(int& one_body, double& t_start, double& t_end, double& ymax,
                               double& ymin) = nullptr;
    void (*pulse_time_window)(double& from, double& to) = nullptr;
    double (*pulse_temperature)(double x, double y, double z, double t) = nullptr;
};

extern HeatSourceModel current_model;

// Writes the slots of scheme n (1..14) as the installation table gives them:
// the scheme's own operations, scheme 2's `power` where the scheme has none
// of its own, null where the table clears a slot; the kept slots are not
// touched. Never calls `set_data` or `prepare`. Returns false, and changes
// nothing, for a scheme that is not available.
bool install_scheme(int n);

// The number of the installed scheme, recognised by its temperature slot
// (the pulsed schemes by their pulse temperature); 0 when none is installed.
int installed_scheme();

// Start-up: the window-class registration installs scheme 2 with its
// thickness, regime, depth range and panel; the main window's creation
// installs the same functions again for the other slots.
void install_start_scheme();
void reinstall_start_scheme();

// The thermal-cycle routine of the quasi-stationary schemes.
void thermal_cycle_window(const double* params, int steps, Window* window, Canvas& dc, int phase,
                          int print_flag);

// ---------------------------------------------------------------------------
// Numerics

// Modified Bessel functions of order zero by the polynomial approximations of
// Abramowitz and Stegun; x <= 0 gives 1e24 for both.
void bessel_i0_k0(double x, double& i0, double& k0);

// Composite Simpson sums from n intervals, doubled for at most ten passes.
// status is 0 when a stop rule ended the passes, 1 after ten passes.
double simpson_integrate(double (*f)(double), double a, double b, int n, int& status);

// The n-th positive root of mu·tan(mu) = Bi (Newton's method).
double ppr3_eigenvalue(double Bi, double n);

// ---------------------------------------------------------------------------
// Solvers on `current_model.temperature`

double find_peak_position(double y, double z);                        // in [-100, 100]
double find_rear_crossing(double y, double z, double x_peak, double target);
double find_front_crossing(double y, double z, double x_peak, double target);
double find_half_width(double x, double z, double target, double bound);
double find_half_width_other_side(double x, double z, double target, double bound);
double find_depth(double x, double y, double target, double bound);

// The cooling time between T_from and T_to behind the peak at (y, z).
struct CoolingTime {
    int reached = 0;        // 0: the peak temperature stays below the interval
    double t_max = 0;       // peak temperature at the point
    double x_peak = 0;
    double x_from = 0;      // rear crossing of T_from (1.01·T_from when both are equal)
    double x_to = 0;        // rear crossing of T_to
    double v = 0;           // welding speed
    double time = 0;        // |x_to - x_from| / v, s
};
CoolingTime cooling_time_at_point(double y, double z, double T_from, double T_to);

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
extern Ppr1Parameters ppr1_parameters;

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
void ppr1_summary(char* line1, char* line2, char* title);
void ppr1_caption(char* line1, char* line2, char* line3);
void ppr1_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

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
extern Ppr2Parameters ppr2_parameters;

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
void ppr2_summary(char* line1, char* line2, char* title);
void ppr2_caption(char* line1, char* line2, char* line3);
void ppr2_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

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
extern Ppr3Parameters ppr3_parameters;

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
void ppr3_summary(char* line1, char* line2, char* title);
void ppr3_caption(char* line1, char* line2, char* line3);
void ppr3_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

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
extern Ppr4Parameters ppr4_parameters;

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
void ppr4_summary(char* line1, char* line2, char* title);
void ppr4_caption(char* line1, char* line2, char* line3);
void ppr4_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

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
extern Ppr5Parameters ppr5_parameters;

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
void ppr5_summary(char* line1, char* line2, char* title);
void ppr5_caption(char* line1, char* line2, char* line3);
void ppr5_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

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
extern Ppr9Parameters ppr9_parameters;

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
void ppr9_summary(char* line1, char* line2, char* title);
void ppr9_caption(char* line1, char* line2, char* line3);
void ppr9_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

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
extern Ppr14Parameters ppr14_parameters;

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
void ppr14_summary(char* line1, char* line2, char* title);
void ppr14_caption(char* line1, char* line2, char* line3);
void ppr14_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int show_thickness);

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
extern Ppr15Parameters ppr15_parameters;

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
void ppr15_summary(char* line1, char* line2, char* title);
void ppr15_caption(char* line1, char* line2, char* line3);
void ppr15_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int show_thickness);
