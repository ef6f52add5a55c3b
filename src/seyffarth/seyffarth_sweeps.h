// The Seyffarth atlas windows that sweep the welding regime (energy input,
// preheat, plate thickness) and the profile across the heat-affected zone,
// with the pieces they share: the regime sweep at the point, the phase and
// property look-ups on the steel's atlas files, and the text block.
//
// Each window is one routine called with (point record, steps, window,
// canvas, selector, steel, print flag); it recomputes everything on every
// call and gives the current model back the regime it found, on every path.
#pragma once

#include "atlas_files.h"
#include "canvas.h"
#include "cooling_reports.h"
#include "haz_zone.h"
#include "plot.h"
#include "regime_sweep.h"
#include "steel_choice.h"
#include "steel_window_frame.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct Window;

void seyffarth_structure_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc,
                                          int selector, SteelChoice steel, int print_flag);
void seyffarth_properties_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc,
                                           int selector, SteelChoice steel, int print_flag);
void seyffarth_structure_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc,
                                           int selector, SteelChoice steel, int print_flag);
void seyffarth_properties_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc,
                                            int selector, SteelChoice steel, int print_flag);
void seyffarth_structure_vs_thickness_window(const double* params, int steps, Window* window, Canvas& dc,
                                             int selector, SteelChoice steel, int print_flag);
void seyffarth_properties_vs_thickness_window(const double* params, int steps, Window* window, Canvas& dc,
                                              int selector, SteelChoice steel, int print_flag);
// selector 0..6: cooling time, HV, Rm, R02, A, Z, K across the zone.
void seyffarth_haz_profile_window(const double* params, int steps, Window* window, Canvas& dc,
                                  int selector, SteelChoice steel, int print_flag);

// ---------------------------------------------------------------------------
// The regime sweep

struct SweepInput {
    double y = 0, z = 0, T_from = 0, T_to = 0;
    RegimePlan plan;   // the swept values (and speeds) of the points
};

struct SweepOutput {
    std::vector<double> x;   // abscissa: energy input kJ/cm (per cm of thickness), preheat °C or thickness cm
    std::vector<double> t;   // cooling time, s; not a number where the point has none
    SweepGaps gaps;   // the points without one, and why
};

// Every point of the sweep: its abscissa and the cooling procedure at the
// point under its regime. Leaves the regime of the last point in force; the
// guard puts the saved one back.
SweepOutput run_seyffarth_sweep(const RegimeGuard& guard, const SweepInput& in);

// ---------------------------------------------------------------------------
// Look-ups

// A phase share at ln t from table columns (xs = ln t8/5 of the rows, ys the
// share, n the last row) by curve_lookup: a row's time gives the row's share,
// below the table the first row's share, above it the last row's; a share
// the spline takes below 0 is 0.
double seyffarth_phase_share(std::span<const double> xs, std::span<const double> ys, int n, double t);

// A property curve value at ln t by curve_lookup: below the curve its first
// value, above it its last; a value below 0 is 0 unless keep_negative.
double seyffarth_curve_value(std::span<const double> xs, std::span<const double> ys, int n, double t,
                             bool keep_negative);

// The fixed axis scales of the properties; HV and Rm pick theirs from the
// sixth and eighth numbers of the property curve set.
struct PropertyScales {
    std::vector<double> hv, rm;
    static std::vector<double> fixed(int k);   // A (3), Z (4), K (5)
    std::vector<double> scale(int k) const;    // k = 0..5
};
PropertyScales choose_property_scales(std::span<const double> curves);

// A value read on the HV scale carried linearly onto scale s.
double hv_to_scale(double value, const std::vector<double>& hv, const std::vector<double>& s);

// The class name of a Seyffarth steel class (1..15) in the current language
// (the frame's table); empty outside 1..15.
std::string seyffarth_sweep_class_name(int steel_class);

// ---------------------------------------------------------------------------
// The start both sweep windows share. First the entry: the model can
// sweep and the entered point passes `sweep_entry_check` (`in`, the plan as
// checked). Then, under the caller's guard of the entered regime, the
// cooling times of every point under its own regime. Each returns false,
// with the message already shown, when there is nothing to draw.
bool seyffarth_sweep_entry(RegimeSweep kind, const double* params, int steps, Window* window, SweepInput& in);
bool seyffarth_sweep_cooling_times(RegimeGuard& guard, const SweepInput& in, Window* window, SweepOutput& t85);

// The two window bodies: the three structure windows differ only in layout
// details by the swept quantity, and so do the three properties windows.

void structure_sweep_window(RegimeSweep kind, const double* params, int steps, Window* window, Canvas& dc,
                            const SteelChoice& steel);
void property_sweep_window(RegimeSweep kind, const double* params, int steps, Window* window, Canvas& dc,
                           const SteelChoice& steel);

// The record's point and plan: energy (y z Tf Tt Pmin Pmax Vmin Vmax, `steps`
// points), preheat and thickness (y z Tf Tt min max, 50 points), each point
// a step of |max - min| / points from the minimum.
SweepInput sweep_input_from_record(RegimeSweep kind, const double* params, int steps);

// ---------------------------------------------------------------------------
// Page pieces of the sweep windows

// The colour, or black when the graphics mode is black and white.
Rgb mode_colour(Rgb colour);

// Number of characters of a UTF-8 text.
int text_length(std::string_view text);

// Entry of a sweep window: the cooling procedure at the entered point and
// regime. Only a peak below the interval stops the window ("You are fault
// with temperature ... " and false): every point of the sweep is judged under
// its own regime. T from is raised by 1 % when it equals T to. The regime is
// not touched.
bool sweep_entry_check(SweepInput& in, Window* window);

// The composition table of the descriptor's composition line, 10 pixels
// right of the client's left edge and `y` below its top.
// Returns the box it covers.
Rect draw_sweep_composition(Canvas& dc, Rect client, const SteelDescriptor& d, int y);

// A marker glyph of the marker face at (x, y) on an opaque background.
void draw_sweep_glyph(Canvas& dc, int x, int y, unsigned char glyph, int H, Rgb colour);

// The rows above and below the plot: title and atlas line, class and grade
// lines, model line, point line and the parameter panel.
struct SweepTextBlock {
    std::string title, atlas_line, class_name, grade;
    double y = 0, z = 0;
    bool title_rows_in_H = false;   // title rows placed by the line height of H
    double class_line_y = 2.3;      // in h
    PanelRows panel;
};
void draw_sweep_text_block(Canvas& dc, Rect client, int H, const SweepTextBlock& block);

// The model line and the point line under the plot, from the client's
// bottom, moved up where the parameter panel would reach them; the plot
// ends above the model line's row.
struct SweepFooter {
    std::string model, point;
    int model_font = 0, model_width = 0;   // 1.2 H, or smaller where the line is wider than the client
    int model_y = 0, point_y = 0;
};
SweepFooter sweep_footer(Canvas& dc, Rect client, int H, double y, double z);

// The notes under a sweep's or a profile's x title: the points left out,
// then the cooling times beyond the table's rows (or a curve's ends), which
// took an end row's values. The plot gives up their height, so the rows
// under them keep their places.
std::vector<std::string> sweep_notes(const SweepGaps& gaps, std::vector<std::string> end_lines);
int sweep_notes_room(Canvas& dc, const std::vector<std::string>& notes, int H);
// Each note in font H, dark red, centred on the client (moved left the
// least distance that clears the boxes in `beside`), one under the other
// from y; returns the y under the last.
int draw_sweep_notes(Canvas& dc, const std::vector<std::string>& notes, Rect client, int H, int y,
                     const std::vector<Rect>& beside = {});
// The left end of a text whose cell is `box`: where it stands, or moved
// left the least distance that clears the boxes it meets (not past
// `left_limit`).
int left_clear_of(Rect box, const std::vector<Rect>& others, int left_limit);

// Where a turned title's ink lies across, from the left of its cell (the
// glyphs' rows upright become columns turned), in the font of that height.
InkRows turned_ink(Canvas& dc, std::string_view text, int height);

// Extent of the data with empty ranges widened by a quarter (a range empty at
// 0 becomes 0..1, so the mapping never divides by zero).
struct SweepRange {
    double x_min = 0, x_max = 1, y_min = 0, y_max = 1;
};
SweepRange sweep_range(std::span<const double> xs, std::span<const double> ys);
void widen_range(double& lo, double& hi);

// The title under the plot of each swept quantity, and the t8/5 axis title.
struct Text5;
const Text5& seyffarth_x_title(RegimeSweep kind);
const Text5& seyffarth_t85_text();

// ---------------------------------------------------------------------------
// The heat-affected zone

struct HazProfile {
    HazZone zone;              // the 700 °C edges in the section through the source
    std::vector<double> y;     // n points from edge to edge (none without a zone)
    std::vector<double> t;     // cooling time at each, s; not a number where there is none
    SweepGaps gaps;            // the points without one, and why
};
// Each point cools from its own peak (the cooling procedure), so a point
// whose metal never passes the interval is a gap, not a time from where a
// search began. The points are computed side by side (compute_points).
HazProfile compute_haz_profile(double z, double T_from, double T_to, int n);

// A value read on the property diagram's value range (header numbers 2 and
// 4) carried onto the property's own range (numbers map_from, map_from + 1);
// map_from 0 leaves it.
double haz_map_value(double value, std::span<const double> curves, int map_from);
