// What the result windows of the two steel models (Kasatkin-Seyffarth and
// Ion) do alike: the cooling time at the point through the current
// heat-source model, their failure reports, fonts and text cell, curves,
// axes, legends, rotated titles and the parameter panel. Their sweeps over
// the welding regime are in steel_window_sweep.h.
//
// Every window is one routine with this signature; it recomputes everything
// from the global state on every call.
#pragma once

#include "canvas.h"
#include "composition.h"
#include "cooling_reports.h"
#include "heatsource.h"
#include "lang.h"
#include "plot.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// (point record, number of steps, window, canvas, selector, composition,
// print flag). The selector is the varied element of the chemistry windows.
using SteelWindowRoutine = void (*)(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                    CompositionRecord composition, int print_flag);

// ---------------------------------------------------------------------------
// Point computation

struct SteelPoint {
    double y = 0, z = 0;
    double T_from = 0, T_to = 0;   // T_from raised by 1 % when it equalled T_to
    double v = 0;   // welding speed at entry
    double x_peak = 0, T_max = 0;
    double x1 = 0, x2 = 0;   // rear crossings of T_from and T_to
    double t = 0;   // cooling time, s; not a number unless reached
    CoolingTime cooling;   // what the cooling procedure found at entry
};

// Entry: the cooling procedure at the point and interval of the record under
// the regime in force: prepare, speed, power, peak, the raise of an equal
// T_from, the crossings and the cooling time.
CoolingStatus steel_point_at_entry(const double* params, SteelPoint& p);

// Failure reports, all captioned "  Message!". Two boxes: the peak
// temperature at the point, then the fault text; one box: the fault text
// only.
void steel_report_two_boxes(Window* window, const SteelPoint& p);
void steel_report_one_box(Window* window);

// Whether the window can go on from the point computed at entry. A peak below
// the interval gets the window's own form (two_boxes: the at-point and Ion
// windows; otherwise one box); any other reason its message. A sweep window
// (`sweep`) stops only for a peak below the interval at entry: every sweep
// point is judged under its own regime.
bool steel_point_usable(Window* window, const SteelPoint& p, CoolingStatus status, bool two_boxes, bool sweep = false);

// A thickness sweep needs a scheme with a plate thickness; on a body it says
// so and returns false.
bool steel_sweep_possible(Window* window, bool thickness_sweep);

// A model outside its range for the window's steel, said once: its formulas
// gave shares outside 0..1 that were limited (Kasatkin-Seyffarth), or its
// bainite share would have been negative at the carbon equivalent ce (Ion,
// the largest such ce of the window).
void steel_report_kasatkin_range(Window* window);
void steel_report_ion_range(Window* window, double ce);

// The note of a sweep whose every point was left out, as one message.
void steel_report_empty_sweep(Window* window, const SweepGaps& gaps);

// The one line under the plot that counts the points a sweep left out, in
// the base font of height H and dark red, centred across the client from
// row y; returns the row under it (y when every point was drawn).
int steel_sweep_note(Canvas& dc, const SweepGaps& gaps, Rect client, int H, int y);
// The note drawn from row y as steel_sweep_note draws it; returns the first
// row under its ink (its descenders reach below the cell).
int steel_sweep_note_under(Canvas& dc, const SweepGaps& gaps, Rect client, int H, int y);
// The room the note takes: a plot that leaves points out is this much less
// high, so the lines under it keep their places (0 when every point is drawn).
int steel_sweep_note_room(Canvas& dc, const SweepGaps& gaps, int H);

// ---------------------------------------------------------------------------
// Texts and fonts

// A format text of the steel-model windows filled in: "%%" gives one percent
// sign, each "%s" or "%g" (also "%.5g", "%lg") takes the next argument, which
// the caller formats ("%g" numbers through steel_number).
std::string steel_text(std::string_view format, std::initializer_list<std::string> args = {});
std::string steel_number(double value);   // "%g" in the C locale

// Selects the window text font (Times New Roman, weight 400, the language's
// character set) of the given cell height and escapement.
void steel_font(Canvas& dc, int height, int escapement = 0);

// Size of a text in a font of the given height (the font stays selected).
Size steel_extent(Canvas& dc, std::string_view text, int height);

// The rectangle the window lays out on (its client rectangle).
Rect steel_client_rect(Window* window, Canvas& dc);

// Clears the client rectangle with the selected pen and brush.
void steel_clear(Canvas& dc, Rect client);

// Fractional multiples of a unit, truncated toward zero.
inline int mul(double factor, int unit) { return static_cast<int>(factor * unit); }

// ---------------------------------------------------------------------------
// Drawing

// A curve of n points clipped to its world box (pieces outside it are left
// out; the plot rectangle is the frame), drawn bold with the given pen.
void draw_steel_curve(Canvas& dc, const Pen& pen, std::span<const double> xs, std::span<const double> ys, Rect plot,
                      WorldBox box);

// The first row under a line of text drawn at y in the selected font: below
// its cell, or below its ink where descenders reach past the cell. A line
// that starts there blanks nothing of it with its own cell.
int row_under(Canvas& dc, int y, std::string_view text);

// The text at (x, y) in a colour; the text colour stays set.
void text_at(Canvas& dc, int x, int y, std::string_view text, Rgb colour);

// A legend sample line from x1 to x2 at row y, drawn again one pixel higher.
void legend_line(Canvas& dc, const Pen& pen, int x1, int x2, int y);

// A title rotated to read upwards, in a font of the given height, centred
// along the plot's height at column x; the font goes back to `base_height`
// afterwards.
void rotated_axis_title(Canvas& dc, std::string_view text, int font_height, int x, Rect plot, Rgb colour,
                        int base_height);

// A rotated title starting on the plot's bottom edge at column x, with its
// vertical legend line at legend_x from (plot bottom - w - half) up to the
// plot top; returns the title's width w.
int vertical_title_with_legend(Canvas& dc, std::string_view text, int font_height, int x, Rect plot, Rgb colour,
                               const Pen& legend_pen, int legend_x, int half, int base_height,
                               bool second_copy_right = false);

// A column beside the plot: the cell of a turned title, or the labels of a
// y axis (they end at the axis), from x to x + width.
struct PlotColumn {
    int x = 0;
    int width = 0;
    bool fixed = false;   // the plot's own axis: the others move, it stays
    int end() const { return x + width; }
};
// Each column moved the least distance that clears the others, in the
// order of their x: right of the one before it, and where that runs into a
// fixed column, back left of it.
void clear_columns(std::span<PlotColumn* const> columns);
// The same for columns given in their order from left to right, none left
// of `left` (the window's edge): where those before a fixed column (the
// plot's own axis) do not fit between `left` and it, it moves right as far
// as they need.
void clear_columns_in_order(std::span<PlotColumn* const> columns, int left);
// The widest label of a y axis's ticks in the selected font, as
// steel_y_axis writes them.
int y_axis_label_width(Canvas& dc, std::span<const double> ticks);
// The column a turned title's cell takes at x in a font of the given height.
PlotColumn turned_title_column(Canvas& dc, std::string_view text, int font_height, int x, int base_height);

// Axis ranges that follow the data: equal ends widened by a quarter (a range
// negligible against its ends counts as equal; a range at 0 becomes 0..1),
// seven wished intervals, rounded tick step, tick values from the lower end.
struct AutoAxis {
    double min = 0, max = 0, step = 0;
    int count = 0;
    std::vector<double> ticks;
};
AutoAxis auto_axis(double lo, double hi);
// Minimum and maximum of the values; false when none is finite.
bool value_range(std::span<const double> values, double& lo, double& hi);

// A y axis of a fixed scale: draw_y_axis with the pen and label colour.
void steel_y_axis(Canvas& dc, int x, Rect plot, double top_value, double bottom_value, std::span<const double> ticks,
                  const Pen& pen, Rgb label_colour);

// The logarithmic time axis of the at-point windows, 1 to 400 s.
int log_time_x(Rect plot, double t);
void draw_log_time_axis(Canvas& dc, Rect plot, Rgb grid_colour, Rgb label_colour, int base_height);
void draw_log_time_grid(Canvas& dc, Rect plot, std::span<const double> ticks, double y_min, double y_max,
                        Rgb grid_colour);
// The red line at the point's cooling time, left out when the time lies
// outside the axis.
void draw_point_marker(Canvas& dc, Rect plot, double t);

// The summary texts of the current model.
struct SteelSummary {
    std::string line1, line2, title;
};
SteelSummary steel_summary();

// The quantities of the regime that a parameter panel shows.
struct PanelRows {
    bool speed = true, power = true, initial_temperature = true, thickness = true;
};
// A panel without speed and power, beside an energy input that stands for
// both.
inline constexpr PanelRows panel_without_speed_and_power{false, false, true, true};

// The parameter panel of the current model, or its two summary lines at
// (left + 5h, bottom - 2h) and (left + 5h, bottom - h).
void draw_steel_panel(Canvas& dc, Rect client, PanelRows rows, int h);

// The highest row the parameter panel (or the two summary lines) takes in
// the client. It selects a font of its own: select yours again.
int steel_panel_top(Canvas& dc, Rect client, int h);

// Pens.
inline Pen pen_of(PenStyle style, int width, Rgb colour) { return Pen{style, width, colour}; }

// Fixed scales: first, first + step, ..., count values.
std::vector<double> scale_ticks(double first, double step, int count);
