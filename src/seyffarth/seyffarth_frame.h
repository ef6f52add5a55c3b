// What the windows of the Seyffarth atlas share: the routine signature, the
// class names, the cooling time at the point, the steel's descriptor and
// structure table, the phase shares at a cooling time, the page, the text
// block (composition table, title, class, grade, model line, panel), the
// logarithmic time axis, the structure axis and the phase curves with their
// legend.
//
// Every window recomputes everything from the global state on each call and
// reads the steel's atlas files anew; nothing survives a call but what the
// caller keeps. A window that fails reports once per command (the platform's
// message box rule) and draws what it can.
#pragma once

#include "atlas_files.h"
#include "canvas.h"
#include "composition.h"
#include "heatsource.h"
#include "lang.h"
#include "plot.h"
#include "steel_choice.h"
#include "steel_window_frame.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// (point record, number of steps, window, canvas, selector, steel, print
// flag). The selector is the HAZ property of the HAZ profile; the others
// ignore it, and every window ignores the print flag.
using SeyffarthWindowRoutine = void (*)(const double* params, int steps, Window* window, Canvas& dc,
                                        int selector, SteelChoice steel, int print_flag);

inline constexpr const char* seyffarth_message_caption = "  Message!";

// ---------------------------------------------------------------------------
// Class names and shared texts

// The steel class name (filter index 1..15) in a language; "" outside 1..15.
// German and French show the English names.
const char* seyffarth_class_name(int filter_index, Language language);
const char* seyffarth_class_name(int filter_index);

// "Class of steel: \"%s\"", "The grade of steel: \"%s\"  ", " Account on
// model: \"%s\"" in the current language, filled in.
std::string seyffarth_class_line(std::string_view class_name);
// The grade as the descriptor gives it, read in the code page of the
// character set it is drawn in.
std::string seyffarth_grade_line(std::string_view grade, int charset);
std::string seyffarth_model_line(std::string_view model_title);

// The composition record of the steel being drawn; points to a live record
// only while the composition table is drawn.
extern CompositionRecord* seyffarth_composition;

// ---------------------------------------------------------------------------
// Cooling time at the point

// The point as every window computed at a point holds it (y, z, the interval
// searched, speed, peak, crossings, t8/5 and the procedure's record), with
// the abscissa of its look-ups.
struct SeyffarthPoint : SteelPoint {
    double L = 0;   // ln t
};

// The cooling procedure at the record's point and interval, its results
// copied into the point. Unless the status is `reached`, t and L are not
// numbers.
CoolingStatus seyffarth_point_at(const double* params, SeyffarthPoint& p);

// Reports a status other than reached ("You are fault with temperature ... "
// for a peak below the interval, the procedure's own message otherwise) and
// returns false; true when reached.
bool seyffarth_point_usable(Window* window, const SeyffarthPoint& p, CoolingStatus status);

// ---------------------------------------------------------------------------
// Steel files

// The steel descriptor of the chosen steel. A descriptor that cannot be read
// whole is reported once, by the reader's message naming it, and the result
// is false: the window stops there, since every file it would read next is
// named in the descriptor.
bool seyffarth_read_descriptor(const SteelChoice& steel, SteelDescriptor& descriptor);

// A name written in the descriptor, as a path (relative to the steel's folder).
std::string seyffarth_atlas_file(const SteelChoice& steel, const std::string& name);

// The phase arrays of the structure table: X = ln t8/5, ferrite, bainite,
// pearlite and martensite = 100 - F - B - P, rows 0..n (n = -1: no rows).
struct SeyffarthPhases {
    int n = -1;
    std::vector<double> x, f, b, p, m;
};

struct SeyffarthTableOptions {
    bool last_four_counts = true;       // a last record of four numbers is a row
    bool absolute_martensite = false;   // |100 - F - B - P|
    bool report_missing = true;         // "File %s not exist... " when it cannot be opened
};

// Reads the structure table (name 4 of the descriptor). False when it cannot
// be opened (reported with the steel's path when the options say so). A
// malformed table is reported with the reader's message naming the file, and
// the rows read soundly before the fault are kept (true).
bool seyffarth_read_phases(Window* window, const SteelChoice& steel, const SteelDescriptor& descriptor,
                           SeyffarthPhases& phases, SeyffarthTableOptions options = {});

struct SeyffarthShares {
    double martensite = 0, ferrite = 0, bainite = 0, pearlite = 0;
};

// Each share by itself on its column at abscissa L (curve_lookup, tolerance
// 0.01): a row's time gives the row's share, a time below or above the table
// the first or the last row's; a share the spline takes below 0 is 0.
SeyffarthShares seyffarth_shares_at(const SeyffarthPhases& phases, double L);

// The line of a window at one point whose cooling time t lies below the
// first or beyond the last row of the table ("t8/5 = 2000 s lies beyond the
// atlas's last row, 400 s: that row's values"); empty among the rows. The
// window writes it under the time title, in a row the plot gives up.
std::string seyffarth_table_end_line(const SeyffarthPhases& phases, double t);

// ---------------------------------------------------------------------------
// Page and text

// Pen and text colours: the colour in colour mode, black otherwise.
Rgb seyffarth_colour(Rgb colour);
Pen seyffarth_pen(PenStyle style, int width, Rgb colour);

// Sets text_font (Times New Roman, the language's character set, weight 400)
// to the height and escapement and selects it; returns its line height.
int seyffarth_font(Canvas& dc, int height, int escapement = 0);

// The rectangle the window lays out on: the window's client rectangle, the
// plot rectangle of a printer page, or the whole surface when drawn without
// a window.
Rect seyffarth_client_rect(Window* window, Canvas& dc);

struct SeyffarthPage {
    Rect client;
    int H = 0;   // base font height
    int h = 0;   // line height of font H
};

// Clears the client rectangle (frame with the current pen, filled with the
// current brush) and selects font H = client height / divisor.
SeyffarthPage seyffarth_page_setup(Window* window, Canvas& dc, int divisor);

// The height of the table-end line's row (seyffarth_table_end_line) in font
// H, 0 without a line; and the line drawn in it, dark red, centred on the
// page, from y.
int seyffarth_end_line_room(Canvas& dc, const SeyffarthPage& page, const std::string& line);
void seyffarth_draw_end_line(Canvas& dc, const SeyffarthPage& page, const std::string& line, int y);

// The composition table from the descriptor's composition line, 10 pixels
// right of the page's left edge and four lines below its top, column width
// 50, row height 20 (or the font's cell where that is taller).
// Returns the box it covers.
Rect seyffarth_draw_composition(Canvas& dc, const SeyffarthPage& page, const SteelDescriptor& descriptor);

// The font height, at most H, of a title turned at column x and reading up
// from `bottom`, at which it ends below `ceiling` (the bottom of the glyph
// over its column) and below `above` (the composition table) where that
// stands in its column.
int seyffarth_turned_title_height(Canvas& dc, std::string_view text, int H, int x, int bottom, int ceiling,
                                  Rect above);

// The title in font (int)(1.2 H), colour (255, 0, 95), at (left + 2 h1,
// (int)(top + 0.3 h1)), h1 the line height of that font; or at (x, y).
void seyffarth_draw_title(Canvas& dc, const SeyffarthPage& page, std::string_view text);
void seyffarth_draw_title_at(Canvas& dc, const SeyffarthPage& page, std::string_view text, int x, int y);

// Class line and grade line, font H, black, at (left + 2h, top + class_at·h)
// and (left + 2h, top + grade_at·h).
void seyffarth_draw_class_and_grade(Canvas& dc, const SeyffarthPage& page, const SteelChoice& steel,
                                    const SteelDescriptor& descriptor, double class_at = 1.5,
                                    double grade_at = 2.7);

// The model line in font 4H/3, black, at (x, y): a line too long for the
// page moves left, and in a smaller font where the page is too narrow for
// it, so that it ends inside the page.
void seyffarth_draw_model_line(Canvas& dc, const SeyffarthPage& page, int x, int y);

// The result line of a window computed at a point ("In a range: ...", ending
// with the cooling time), in the selected font and colour, at (x, y); a line
// that would run past the page's right edge moves left as far as it must
// (not past the left edge), so that the cooling time it ends with is seen.
void seyffarth_draw_result_line(Canvas& dc, const SeyffarthPage& page, int x, int y, const std::string& text);

// The parameter panel of the current model, or its summary's two lines in
// the colour given.
void seyffarth_draw_panel(Canvas& dc, const SeyffarthPage& page, Rgb fallback_colour, int show_v = 1,
                          int show_q = 1, int show_T0 = 1, int show_thickness = 1);

// ---------------------------------------------------------------------------
// Time and structure axes

inline constexpr double seyffarth_ln400 = 5.99146454710798;
inline constexpr std::array<double, 12> seyffarth_time_ticks{1, 2, 4, 6, 8, 10, 20, 40, 60, 100, 200, 400};
inline constexpr std::array<double, 6> seyffarth_structure_values{0, 20, 40, 60, 80, 100};

// x from ln 1 to ln 400, y from 0 to 100.
WorldBox seyffarth_structure_box();

// Column of the cooling-time marker: L + (ln t - x_min) · |R - L| / (ln 400 -
// x_min), truncated (held within +-2^24 so that a time far off the axis stays
// a column); x_min is the axis's left end, ln 1 = 0 unless the axis reaches
// further (seyffarth_time_axis_start).
int seyffarth_time_marker_x(Rect plot, double ln_t, double x_min = 0.0);

// The left end (ln of seconds) of the time axis of a window that draws the
// point's cooling curve: ln 1 = 0 while t8/5 is above 1 s. A point that cools
// through the interval faster than that would have its whole curve left of
// the axis: the axis then begins at the decade at least five times below
// t8/5 (not below 1 ms), so the curve from there down to T to lies on it.
double seyffarth_time_axis_start(double t);

// The tick times of an axis beginning at exp(x_min): 1, 2 and 5 times each
// decade below 1 s that the axis reaches (their labels are longer, so fewer),
// then the twelve ticks.
std::vector<double> seyffarth_time_ticks_from(double x_min);

// The point's cooling curve: N + 1 samples evenly spaced along the weld from
// exp(x_min) seconds after the T-from crossing to the T-to crossing (from 1 s,
// the left end of the usual axis), as the logarithm of the time since the
// T-from crossing and the model's temperature there.
void seyffarth_cooling_curve(const SeyffarthPoint& p, int N, double x_min, std::vector<double>& ln_t,
                             std::vector<double>& temperature);

// The dotted grid at 0, 20, ..., 100 and the structure axis at L.
void seyffarth_draw_structure_grid_and_axis(Canvas& dc, Rect plot);

// The twelve time ticks (dotted line across the plot, tick, "%g" label with
// its top at B + h in font H) and the time axis line.
void seyffarth_draw_time_axis(Canvas& dc, const SeyffarthPage& page, Rect plot, WorldBox box);

// The rotated structure title and the time title "t 8/5, c"; returns the y
// under the time title.
int seyffarth_draw_structure_titles(Canvas& dc, const SeyffarthPage& page, Rect plot);

// Marker count and offset of each phase, in the order martensite, bainite,
// ferrite, pearlite.
struct SeyffarthMarkers {
    std::array<int, 4> count{};
    std::array<int, 4> offset{};
};

// The four phase curves with their markers, legend labels, lines and glyphs.
void seyffarth_draw_phase_curves(Canvas& dc, const SeyffarthPage& page, Rect plot, const SeyffarthPhases& phases,
                                 const SeyffarthMarkers& markers);

// The share fragments of the share line in the current language.
struct SeyffarthShareTexts {
    const char* martensite;
    const char* bainite;
    const char* ferrite;
    const char* pearlite;
};
SeyffarthShareTexts seyffarth_share_texts();

// The text of one marker-face byte (0xC0 to 0xC6).
std::string seyffarth_glyph_text(unsigned char glyph);

// ---------------------------------------------------------------------------
// The windows

// Phase shares against t8/5 with the point's cooling time.
void seyffarth_structure_at_point_window(const double* params, int steps, Window* window, Canvas& dc,
                                         int selector, SteelChoice steel, int print_flag);
// Phase shares against t8/5 (no point).
void seyffarth_structure_diagram_window(const double* params, int steps, Window* window, Canvas& dc,
                                        int selector, SteelChoice steel, int print_flag);

// ---------------------------------------------------------------------------
// Mechanical properties

// The value scales of the six properties (HV, Rm, R02, A, Z, K), also their
// axis labels. The HV and Rm scales are chosen from the upper ends of the
// file's HV and Rm ranges (numbers 6 and 8 of its header).
struct SeyffarthPropertyScales {
    std::vector<double> hv, rm, a, z, k;
    const std::vector<double>& of(int property) const;   // 0..5; R02 reads the Rm scale
};
SeyffarthPropertyScales seyffarth_property_scales(double hv_hi, double rm_hi);

// A value read on the hardness scale, carried onto another scale.
double seyffarth_carry_to_scale(double v_hv, const std::vector<double>& hv_scale, const std::vector<double>& scale);

// Property k (0..5) of the curve set at abscissa L (ln t8/5) on its own
// scale (curve_lookup: below the curve's range its first point, above it its
// last).
// False when the curve is missing or has four points or fewer.
bool seyffarth_property_value(std::span<const double> curves, int property, double L, double& value);

// The six property panels (curve, markers, rotated title, legend line,
// glyph, axis) in the box of the file's hardness range, the time axis from
// x_min (ln s) to ln 400.
// A title longer than the room between the plot's bottom and the glyph (or
// the composition table `above`, where it stands in the title's column)
// takes a smaller font. Returns the cells of the titles and glyphs, for
// the marks drawn later to keep off.
std::vector<KeepClear> seyffarth_draw_property_panels(Canvas& dc, const SeyffarthPage& page, Rect plot,
                                                      std::span<const double> curves, Rect above, double x_min = 0.0);
// The time lines with ticks and labels (seyffarth_time_ticks_from), the time
// axis, the hardness grid and the hardness axis.
void seyffarth_draw_property_time_grid(Canvas& dc, const SeyffarthPage& page, Rect plot,
                                       std::span<const double> curves, double x_min = 0.0);

// Mechanical properties against t8/5 with the point's cooling curve and values.
void seyffarth_properties_at_point_window(const double* params, int steps, Window* window, Canvas& dc,
                                          int selector, SteelChoice steel, int print_flag);
// Mechanical properties against t8/5 (no point).
void seyffarth_properties_diagram_window(const double* params, int steps, Window* window, Canvas& dc,
                                         int selector, SteelChoice steel, int print_flag);

// ---------------------------------------------------------------------------
// CCT diagram

// The CCT diagram with the point's cooling curve, t8/5 and shares.
void seyffarth_cct_at_point_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                   SteelChoice steel, int print_flag);
// The CCT diagram (no point).
void seyffarth_cct_diagram_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                  SteelChoice steel, int print_flag);

// ---------------------------------------------------------------------------
// Micrograph

// The tile of the cooling time t: the first of thresholds 0..4 above t, 5
// when none is.
int seyffarth_micrograph_tile(const std::array<double, 6>& thresholds, double t);

// Where tile k lies in the picture (W/3 by H/2 pixels, three columns by two
// rows) and how large it is drawn: the plot's height, its width in the
// tile's proportions. False when the micrograph line gives no tile.
struct SeyffarthTileGeometry {
    int source_x = 0, source_y = 0, source_w = 0, source_h = 0;
    int dest_w = 0, dest_h = 0;
};
bool seyffarth_micrograph_geometry(const MicrographLine& line, int fields_read, int tile, int plot_height,
                                   SeyffarthTileGeometry& geometry);

// The message for a micrograph line that gives no tile (the window's other
// texts are drawn without it): a line that lacks a field, or a picture too
// small to hold three tiles across and two down.
std::string seyffarth_micrograph_line_fault(const std::string& descriptor_path, std::string_view line_text,
                                            const MicrographLine& line, int fields_read);

// The micrograph tile at the point's cooling time, with shares.
void seyffarth_micrograph_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                 SteelChoice steel, int print_flag);
