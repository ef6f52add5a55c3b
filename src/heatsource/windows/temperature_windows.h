// The temperature windows of the quasi-stationary schemes: the thermal cycle
// at a point, the cooling rate and time between two temperatures, and the
// isotherms in the xy, yz and xz sections, with the records the application
// frame hands them and the three section tracers.
//
// Each window is a WindowRoutine: phase 0 computes into the routine's own
// storage (the isotherm and cooling-rate windows also draw), phase 1 draws
// what the last phase 0 left. Repaints therefore evaluate nothing.
#pragma once

#include "model.h"

// ---------------------------------------------------------------------------
// Records

// A point record, as the point dialogs fill it (doubles, in this order).
// The thermal-cycle dialogs fill y and z (the oscillating and composite
// variants more fields); the cooling-rate dialog fills y, z and the interval.
inline constexpr int point_y = 0;        // cm, across the weld
inline constexpr int point_z = 1;        // cm, depth below the surface
inline constexpr int point_t_from = 2;   // °C, upper temperature of the cooling interval
inline constexpr int point_t_to = 3;     // °C, lower temperature of the cooling interval
inline constexpr int point_record_size = 8;

// The isotherm record: five isotherm temperatures (°C) and the coordinate of
// the section plane (cm): z of the xy section, x of the yz, y of the xz.
inline constexpr int isotherm_t1 = 0;    // T1..T5 at indices 0..4
inline constexpr int isotherm_count = 5;
inline constexpr int isotherm_section = 5;
inline constexpr int isotherm_record_size = 6;

// The record the last accepted point dialog filled; null until one has.
extern const double* current_parameters;
// The record the last accepted isotherm dialog filled; null until one has.
extern const double* current_isotherm_record;

// ---------------------------------------------------------------------------
// Section tracers

// Where a search that ran to its end stopped: the coordinate searched ("x",
// "y" or "z") and the end of its region (cm). The region's ends are limits
// of the search, not faces of the body: an isotherm that reaches the edge or
// the lower face of a plate is traced there.
struct IsothermSearchEnd {
    const char* coordinate = "x";
    double at = 0;
};

// What a tracer is told and tells besides the curve: a tracer keeps nothing
// of its own between calls, so tracers may run side by side on the point
// workers, each with its own record.
struct IsothermTrace {
    // Called with the per cent done as the tracer works (the window's
    // progress dialog); null where nothing shows progress, as on a worker.
    void (*progress)(int percent) = nullptr;
    // The peak temperature of the section, when the isotherm lies above it.
    double peak_temperature = 0;
    // Where the search stopped, when one ran to the end of its region.
    IsothermSearchEnd search_end;
};

// Traces the isotherm of temperature T in the section plane at coordinate s
// into a polyline of 2n + 1 points H[0..2n], V[0..2n] (the yz tracer also
// writes index 2n + 1, so both arrays must hold 2n + 2 values; n >= 1).
// xy: H = x, V = y; yz: H = y, V = -z; xz: H = x, V = -z (cm).
// Returns 0 when traced, 1 when the isotherm lies above the peak temperature
// of the section (nothing is written then; the peak is in trace), 2 when a
// search ran to the end of the region it may look in (where, in trace), 3
// when the field gave a value that is not a number. Only a curve traced with
// 0 is one to draw.
using IsothermTracer = int (*)(double T, double s, double* H, double* V, int n, IsothermTrace& trace);
inline constexpr int isotherm_traced = 0;
inline constexpr int isotherm_above_peak = 1;
inline constexpr int isotherm_search_ended = 2;
inline constexpr int isotherm_not_finite = 3;

int trace_isotherm_xy(double T, double s, double* H, double* V, int n, IsothermTrace& trace);
int trace_isotherm_yz(double T, double s, double* H, double* V, int n, IsothermTrace& trace);
int trace_isotherm_xz(double T, double s, double* H, double* V, int n, IsothermTrace& trace);

// The tracer of the section last chosen by an isotherm command.
extern IsothermTracer current_isotherm_tracer;

// ---------------------------------------------------------------------------
// Windows

// Thermal cycle at the point (y, z) of the record: the cycle routine of the
// quasi-stationary schemes.
void thermal_cycle_window(const double* params, int steps, Window* window, Canvas& dc, int phase,
                          int print_flag);

// Cooling time and mean cooling rate between T_from and T_to at (y, z); a
// successful phase 0 also writes them to "velocity.txt" in the current
// directory.
void cooling_rate_window(const double* params, int steps, Window* window, Canvas& dc, int phase,
                         int print_flag);

// Five isotherms in the section that current_isotherm_tracer traces.
void isotherm_window(const double* params, int steps, Window* window, Canvas& dc, int phase,
                     int print_flag);

// The thermal cycles of the time-domain schemes: the oscillating schemes
// sample their temperature at (y, z) from t1 to t2 (their record holds y, z,
// x, t1, t2); the pulsed schemes sample their pulse temperature at (y, z)
// over the range their time window gives; the composite scheme samples its
// temperature at the lateral distance y from the start time down to 0 (its
// record holds y and the start time). Phase 0 computes, phase 1 draws; a
// printed page lays out on the printer's plot rectangle.
inline constexpr int oscillating_y = 0;          // cm
inline constexpr int oscillating_z = 1;          // cm
inline constexpr int oscillating_x = 2;          // cm, along the weld
inline constexpr int oscillating_t1 = 3;         // s, start of the time interval
inline constexpr int oscillating_t2 = 4;         // s, its end
inline constexpr int composite_y = 0;            // cm
inline constexpr int composite_start_time = 1;   // s

void oscillating_thermal_cycle_window(const double* params, int steps, Window* window, Canvas& dc,
                                      int phase, int print_flag);
void pulse_thermal_cycle_window(const double* params, int steps, Window* window, Canvas& dc,
                                int phase, int print_flag);
void composite_thermal_cycle_window(const double* params, int steps, Window* window, Canvas& dc,
                                    int phase, int print_flag);

// What the last computation of each window holds, for the drawing phase and
// for callers that want the numbers (tests, benchmarks).
struct ThermalCycleResult {
    double y = 0, z = 0, v = 0, T0 = 0;
    double x_peak = 0, x_front = 0, x_rear = 0, dx = 0;
    int one_body = 1;
    double zmax = 0;
    int steps = 0;                 // samples 0..steps
    const double* time = nullptr;  // steps + 1 values, s
    const double* temp = nullptr;  // steps + 1 values, °C, clipped at 2500
    double t_min = 0, t_max = 0, T_min = 0, T_max = 0;   // extent over every sample
};
ThermalCycleResult thermal_cycle_result();

// The last computed cycle of a time-domain scheme.
struct TimeCycleResult {
    double y = 0, z = 0;
    double x = 0;                  // oscillating: the point's place along the weld
    double start = 0, end = 0;     // t1, t2 / the pulsed time range / start time and 0
    int steps = 0;                 // samples 0..steps
    const double* time = nullptr;  // steps + 1 values, s
    const double* temp = nullptr;  // steps + 1 values, °C, capped at 2500
    double t_min = 0, t_max = 0, T_min = 0, T_max = 0;   // the axes: every sample inside
    int time_ticks = 0, temperature_ticks = 0;
};
TimeCycleResult oscillating_cycle_result();
TimeCycleResult pulse_cycle_result();
TimeCycleResult composite_cycle_result();

struct CoolingRateResult {
    int valid = 0;                 // 1 after a successful computation
    double y = 0, z = 0, T_from = 0, T_to = 0, v = 0;
    double x_peak = 0, T_max = 0, x1 = 0, x2 = 0;
    double rate = 0;               // °C/s, negative while the metal cools
    double time = 0;               // s
    const char* line_a = "";
    const char* line_b = "";
};
CoolingRateResult cooling_rate_result();

// The name of the cooling-rate file, written into the current directory.
inline constexpr const char* cooling_rate_file_name = "velocity.txt";

struct IsothermCurve {
    int valid = 0;                 // 0: never traced, or its tracer failed last time
    int not_reached = 0;           // 1: the section's peak stays below the isotherm
    double peak = 0;               // that peak, °C (when not reached)
    int points = 0;                // H and V hold points values
    const double* H = nullptr;
    const double* V = nullptr;
    double h_min = 0, h_max = 0, v_min = 0, v_max = 0;
};
struct IsothermResult {
    double s = 0;                  // the section coordinate used
    int one_body = 1;
    IsothermCurve curves[isotherm_count];
};
IsothermResult isotherm_result();
