// What the Shorshorov windows share beyond their public routines: fonts,
// the title block, the steel lines, the parameter block, the model line and
// the structure curves with their legend.
#pragma once

#include <string>

#include "composition.h"
#include "cooling_reports.h"
#include "plot.h"
#include "shorshorov.h"
#include "steel_window_frame.h"

#include <optional>
#include <string>

inline constexpr Rgb shorshorov_title_colour{127, 0, 0};
inline constexpr Rgb shorshorov_panel_colour{120, 0, 95};

// Times New Roman (or `face`) of the given cell height and escapement,
// weight 400, the language's character set unless `charset` is given;
// selected on the canvas.
void shorshorov_font(Canvas& dc, int height, int escapement = 0, int charset = -1,
                     const char* face = "Times New Roman");

// A model line at (x, y) in font `height`, in the colour set: moved left,
// and in a smaller font where the client is too narrow for it, so that it
// ends inside the client.
void shorshorov_draw_model_line(Canvas& dc, Rect client, int x, int y, int height, std::string_view text);

// Height of "Sample" in the font now selected.
int shorshorov_sample_height(Canvas& dc);

// A title line of the file as drawn: without a trailing carriage return or
// newline, which is no letter of the title (the reader drops the line end
// already; a line end left inside a stored title goes here).
std::string shorshorov_shown_line(const std::string& line);

// The cooling rate at the record's point under the regime in force, with T
// from raised by 1 % when it equals T to. A window at a point draws nothing
// from a point that was not reached: it is reported once and the result is
// false. A peak below the interval is told in the window's own words ("You
// are fault with temperature ... "; the HAZ profile gives the peak
// temperature at the point), any other reason by the cooling procedure's
// message. A sweep window stops only for a peak below the interval at the
// entered regime: every point of the sweep is judged under its own.
enum class ShorshorovEntry { point, haz_profile, sweep };
struct ShorshorovPoint {
    double y = 0, z = 0, T_from = 0, T_to = 0;
    double v = 0;
    double x_peak = 0;
    double t_max = 0;
    double W = 0;          // cooling rate, °C/s; not a number unless reached
    CoolingRate cooling;   // what the cooling procedure found, and why
};
bool shorshorov_check_point(Window* window, const double* params, ShorshorovPoint& p, ShorshorovEntry entry);

// The notes under a sweep's or a profile's x title: the points left out,
// then the rates beyond the table's data rows (shorshorov_table_end_lines).
std::vector<std::string> shorshorov_notes(const SweepGaps& gaps, const ShorshorovTable& table,
                                          const std::vector<double>& W);
// The height the notes take in font H: the plot gives it up.
int shorshorov_note_room(Canvas& dc, const std::vector<std::string>& notes, int H);
// Each note in font H and `colour`, centred on the client, one under the
// other from y.
void shorshorov_draw_notes(Canvas& dc, const std::vector<std::string>& notes, Rect client, int H, int y, Rgb colour);
// The height and the width of `text` in a font of height `font` (the
// language's face and character set), measured without drawing.
int shorshorov_text_height(Canvas& dc, int font, const std::string& text);
int shorshorov_text_width(Canvas& dc, int font, const std::string& text);

// The line of a window at one point whose cooling rate W lies below the
// first or beyond the last data row: empty when it lies among them.
std::string shorshorov_table_end_line(const ShorshorovTable& table, double W);

// The lines of a sweep or profile whose rates reach below the first or
// beyond the last data row: one for each end reached, with the rate
// farthest out ("W = 350 °C/s lies beyond the atlas's last row, 300 °C/s:
// that row's values"); points without a rate are left out.
std::vector<std::string> shorshorov_table_end_lines(const ShorshorovTable& table, const std::vector<double>& W);

// The row for a text meant for `row` under a text drawn at `above_y`: its
// row, or lower, the least distance that keeps its ink off the ink above.
int row_clear_of(int row, int above_y, InkRows above, InkRows text);

// The title (1.4H) and, unless `atlas_line` is false, the atlas line.
void shorshorov_draw_title(Canvas& dc, Rect client, int H, const char* title, bool atlas_line);

// The steel lines under the title block of `title`: the class and grade
// lines (English, German, French) or the three title lines (Russian,
// Ukrainian). Returns c (their height) and sets w (the widest title line).
int shorshorov_draw_steel_lines(Canvas& dc, Rect client, int H, const ShorshorovTable& table,
                                const SteelChoice& steel, const char* title, int& w);

// The file's three title lines, as the micrograph and the HAZ profile draw
// them in every language: font H of `face`, the title colour, at x = client
// left + 2c and rows 1.5, 2.3 and 3.2 c, moved `down` under the cell of the
// 1.4 H `title` above them (c their height, w the widest).
struct ShorshorovFileTitles {
    int c = 0, w = 0, down = 0;
};
ShorshorovFileTitles shorshorov_draw_file_titles(Canvas& dc, Rect client, int H, const ShorshorovTable& table,
                                                 const char* title, const char* face = "Times New Roman");

// The model's panel with the regime values `rows` names, or its two
// parameter lines where it has none.
void shorshorov_draw_parameters(Canvas& dc, Rect client, int plot_left, int H, PanelRows rows);

// The top of what the parameter block draws along the client's bottom
// (the model's panel, or its two parameter lines): the blocks a window
// writes under its plot end above it.
int shorshorov_parameters_top(Canvas& dc, Rect client, int plot_left, int H, PanelRows rows);

// One of the steel's table painters (composition, structure, point
// properties), drawn at (x, y) with the size arguments 20 and 20.
using ShorshorovTablePainter = void (ShorshorovSteel::*)(int, int, int, int, Canvas&) const;
// The table at (x, y) in font H of `face`, or, where its columns would run
// past the client's right edge, in the largest smaller font that ends
// inside; the font stays selected. Returns the box it takes.
Rect shorshorov_draw_table(Canvas& dc, Rect client, int H, const ShorshorovSteel& s, ShorshorovTablePainter table,
                           int x, int y, const char* face = "Times New Roman");

// How far `box` goes down (or right) until it meets none of `others`.
int shorshorov_clearing_shift(const Rect& box, const std::vector<Rect>& others, bool down);

// Where the composition table goes: at (x, y), or, where it would meet the
// title block or a steel line there (the class line is wider than the title
// lines the table's column is measured on), moved the least distance that
// clears them: down under them, or right past them while it stays inside
// the client. Moves (x, y) there and returns the box the table takes.
Rect shorshorov_place_composition(Canvas& dc, Rect client, int H, const ShorshorovTable& table,
                                  const SteelChoice& steel, const char* title, const ShorshorovSteel& s, int& x,
                                  int& y);

// The model line (energy: the Russian spelling of the energy windows;
// french_blank: the French text with its leading blank).
std::string shorshorov_model_line(bool energy_window, bool french_blank);

// The three structure curves over the rows [first, last] of the x, M, P+B
// and F arrays, each followed by its legend: the label in the curve's colour,
// or in `label_colour` where the window gives its labels one colour (the
// colour of its curve markers).
void shorshorov_draw_structure_curves(Canvas& dc, Rect client, Rect plot, WorldBox box, int H, int n,
                                      const std::vector<double>& x, const std::vector<double>& m,
                                      const std::vector<double>& pb, const std::vector<double>& f,
                                      std::optional<Rgb> label_colour = std::nullopt);

// The legend label of structure curve `row` (0 M, 1 P+B, 2 F).
const char* shorshorov_structure_label(int row);
// How far right of the plot the legend of the structure curves reaches:
// each label, then its sample line, which starts 7/5 of the label's width
// right of the plot, ends at least where it starts, and leaves 2/5 of that
// width to the client's right side, or, with a glyph of `glyph_width` at
// the row's end (0: none), the glyph's place, clear of the label.
int shorshorov_structure_legend_room(Canvas& dc, int H, int glyph_width);

// The vertical structure-axis title, centred along the plot's height.
void shorshorov_draw_structure_title(Canvas& dc, Rect plot, int x, int height);
// Where that title, drawn at column x in font `height`, puts ink.
Rect shorshorov_structure_title_ink(Canvas& dc, Rect plot, int x, int height);
