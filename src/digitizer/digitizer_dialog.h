// The Digitization dialog: a scanned CCT diagram shown as a picture, its
// axes calibrated by three clicks, then curves, labels and structure points
// captured click by click in the atlas's coordinates (x = ln t, t the
// cooling time in s over 1 to 400 s; y = temperature over 0 to 900 degrees).
#pragma once

#include "canvas.h"
#include "filedlg.h"
#include "plot.h"

#include <string>
#include <vector>

struct Window;
struct Message;

inline constexpr int digitizer_curves = 1;
inline constexpr int digitizer_labels = 2;
inline constexpr int digitizer_axes = 3;
inline constexpr int digitizer_structure = 4;

// The fixed world box of the CCT diagrams: ln 1 .. ln 400 s, 0 .. 900.
inline constexpr WorldBox digitizer_box{0.0, 900.0, 5.991464547743, 0.0};
// Where the picture is shown in the dialog's client area.
inline constexpr Rect digitizer_picture_rect{20, 20, 660, 500};

extern int digitizer_mode;
extern Rect calibration_rect;
extern int axes_click;
extern Point axes_points[3];
extern Point last_click;
extern WorldBox preview_box;
extern std::vector<double> curve_xs;   // ln t of the curve being entered
extern std::vector<double> curve_ys;
extern int curve_count;
extern Rgb curve_colour;
extern Rgb axes_colour;
extern Rgb text_colour;
extern int store_pending;
extern int labels_pending;
extern FileDialogRequest picture_choice;   // its file_name is the picture shown
extern std::string picture_path;
extern Picture digitizer_picture;   // read once when chosen; repaints draw it
extern std::string save_path;

// A click in world coordinates, and its cooling time.
struct CapturedPoint {
    double x = 0;   // ln t
    double y = 0;
    double t = 0;   // s
};
// The click (px, py) over a calibration rectangle; false when the rectangle
// has no width or height or the click lies outside it.
bool capture_point(Rect rect, int px, int py, CapturedPoint& out);

// Empty when the rectangle of the three axes clicks can calibrate; else the
// message for the user.
std::string calibration_refusal(Rect rect);

// Which grid the axis values ask for, and the preview box they give.
enum class AxisGrid { time_temperature, time_property, none };
// False (box left as the fixed one, message set) for ends that cannot make a
// box: equal ends, or an end at or below 0 on a logarithmic axis.
bool axis_preview(const double values[4], int xlog, int ylog, AxisGrid& grid, WorldBox& box, std::string& message);

void draw_time_temperature_grid(Canvas& dc, Rect rect, Rgb colour);
void draw_time_property_grid(Canvas& dc, Rect rect, Rgb colour);

std::intptr_t pcx_dialog_proc(Window* dlg, const Message& m);
void show_pcx_dialog();

// Back to the state of program start (for tests).
void reset_digitizer_state();
