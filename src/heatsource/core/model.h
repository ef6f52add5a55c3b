// The heat-source model: the operation slots of the installed scheme, the
// current model that window routines and dialogs reach them through, and
// the installation of a scheme's operations into it.
//
// Units everywhere: lengths in cm, times in s, temperatures in °C, power in W,
// speed in cm/s, conductivity in W/(cm·°C), heat capacity in J/(g·°C),
// density in g/cm³. x runs along the weld in the frame moving with the source
// (x > 0 ahead of it), y across, z in depth (z >= 0).
#pragma once

#include <optional>

// The drawing slots name these types of the platform layer; the model only
// holds the pointers, the windows above it fill and call them.
class Canvas;
struct Rect;
struct Window;

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

// The slots are thread_local, like the schemes' state (scheme_state): each
// thread that computes has its own, so the workers of a sweep
// (compute_points) compute side by side while the interface thread's stay
// as the windows and dialogs left them. They stand beside the schemes'
// state, not in it: they are the interface's record of the installed
// scheme, which windows and dialogs fill and call; the state is what the
// schemes' own modules keep. A worker starts from a copy of both.
extern thread_local HeatSourceModel current_model;

// The families of schemes: they differ in the slots they fill and in their
// thermal-cycle window.
enum class SchemeFamily {
    quasi_stationary,   // schemes 1 to 6, 9 and 10: a field in the frame of the source
    oscillating,        // schemes 7 and 8: the temperature at a time
    pulsed,             // schemes 11 to 13: the pulse temperature at a time
    composite,          // scheme 14
};

// The family of scheme n; none for a number that names no available scheme.
std::optional<SchemeFamily> scheme_family(int n);

// Writes the computing slots of scheme n (1..14) as the installation table
// gives them: the scheme's own operations, scheme 2's `power` where the
// scheme has none of its own, null where the table clears a slot; the kept
// slots are not touched, nor the texts, panel and cycle routine, which the
// windows install with these (install_scheme). Never calls `set_data` or
// `prepare`. Returns false, and changes nothing, for a scheme that is not
// available.
bool install_scheme_operations(int n);

// The number of the installed scheme, recognised by its temperature slot
// (the pulsed schemes by their pulse temperature); 0 when none is installed.
int installed_scheme();

// Start-up: the window-class registration installs scheme 2's operations
// with its thickness, regime and depth range; the main window's creation
// installs the same functions again for the other slots. The windows'
// install_start_scheme and reinstall_start_scheme add the texts, panel and
// cycle routine.
void install_start_operations();
void reinstall_start_operations();
