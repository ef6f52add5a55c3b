// Small helpers the temperature windows share: their fonts, their drawing
// rectangle, their message boxes and their language texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"
#include "model.h"
#include "lang.h"

// Sets the shared window-text record to Times New Roman of the given cell
// height and escapement, weight 400, the language's character set, and
// selects it.
void select_window_font(Canvas& dc, int height, int escapement = 0);

// Selects the window font for one line that must end inside `right`: the
// given height, or the largest smaller one at which the line, drawn from x,
// ends there (a long scheme name in a narrow window or on a page). Returns
// the height taken.
int select_fitting_font(Canvas& dc, std::string_view text, int height, int x, int right);

// The rectangle a temperature window lays out on: the printer's plot
// rectangle on a printer page, the window's client rectangle on the screen.
Rect window_drawing_rect(Window* window, Canvas& dc, int print_flag);

// A message box owned by the window.
void show_window_message(Window* window, const std::string& text, const std::string& caption);

// "Attention" in the five languages, as the depth and isotherm reports use it.
const char* attention_caption();

// The report of a depth below the plate: shows the message with z and zmax.
void report_depth_beyond_plate(Window* window, double z, double zmax);

// The report of a lateral coordinate outside the width of the body: shows
// the message with y and the two limits.
void report_outside_width(Window* window, double y, double ymin, double ymax);

// The extent of the installed scheme's body: its width, and its depth at a
// lateral position.
struct BodyExtent {
    int one_body = 1;
    double ymin = -100, ymax = 100;
    double zmin = 0, zmax = 10000;
};
BodyExtent body_extent_at(double y);

// Where a point (y, z) lies against the body: in the metal, or which of its
// coordinates leaves it.
enum class PointPlace { inside, beside_width, above_surface, below_plate };
PointPlace place_of_point(const BodyExtent& body, double y, double z);

// The report of a point outside the metal, naming the coordinate and its
// range: the width's limits, the surface, the plate's thickness.
void report_point_outside(Window* window, PointPlace place, const BodyExtent& body, double y, double z);

// A zero, negative or undefined welding speed cannot turn distance into time;
// reports it and returns false.
bool check_welding_speed(Window* window, double v);

// Whether the installed scheme is the thin plate (its own titles and depth).
bool thin_plate_installed();

// The sources of the schemes are singular points: a thermal cycle shows
// hotter samples at this value.
inline constexpr double cycle_clip_temperature = 2500;

// When a sample of the cycle lies at the cap, says so on the picture
// ("clipped at 2500 °C") in the selected font, right-aligned on the plot's
// right edge in the row just above it, where no other text stands, so that
// a flat top is not read as the result.
void draw_clip_note(Canvas& dc, const Rect& plot, const std::vector<double>& temp);
