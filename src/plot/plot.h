// The plotting toolkit: a world box mapped linearly onto a plot rectangle of
// a canvas, axes with tick labels, rounded tick steps and tick values, grid
// lines, curves, marker characters, and the plot rectangle of a printed page.
//
// Nothing here keeps state; everything draws with the pen, font, text colour
// and background mode the caller has selected (draw_curve_markers alone
// selects a font of its own and leaves it selected).
//
// Mapping (each coordinate computed in floating point, then truncated toward
// zero, never rounded):
//   scale_x = |right - left| / |x_max - x_min|,  scale_y = |bottom - top| / |y_max - y_min|
//   px = left + (x - x_min) * scale_x
//   py = top + (y_max - y) * scale_y        (top-anchored: y axis, curves, markers)
//   py = bottom - (y - y_min) * scale_y     (bottom-anchored: horizontal grid)
// A world box with an empty or non-finite range on an axis cannot be mapped:
// what needs the mapping on that axis is not drawn (axis lines and end ticks
// still are). Pixel values beyond +-2^24 are held there; a value that is not
// a number is not drawn.
//
// Array arguments are spans: an operation never reads past the end of what it
// is given, whatever its count argument says.
#pragma once

#include "canvas.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

// World coordinates of the plot rectangle's left, top, right and bottom edges.
struct WorldBox {
    double x_min = 0;
    double y_max = 0;
    double x_max = 0;
    double y_min = 0;
};

// Moves the canvas's current position without drawing.
void move_to(Canvas& dc, int x, int y);

// Minimum and maximum of xs[0..n-1] and ys[0..n-1]. Values that are not finite
// are passed over; false (and all four 0) when no point has both coordinates
// usable or n < 1.
bool find_data_extent(int n, std::span<const double> xs, std::span<const double> ys,
                      double& x_min, double& x_max, double& y_min, double& y_max);

// Axis line at row y from left to right, a tick of `tick` pixels downwards and
// a "%5.5lg" label under every tick value from the first while it lies in
// [x_min, x_max], and the two end ticks. n is not needed.
void draw_x_axis(Canvas& dc, int y, int left, int right, double x_min, double x_max, int n, int tick,
                 std::span<const double> ticks);

// Axis line at column x from bottom to top, ticks of `tick` pixels to the left
// with "%lg" labels ending on the axis for ticks[0..n], and the two end ticks.
void draw_y_axis(Canvas& dc, int x, int bottom, int top, double y_max, double y_min, int n, int tick,
                 std::span<const double> ticks);

// The raw step range / (n - 1) rounded up to a whole multiple (2 to 10) of the
// power of ten one order below it; n becomes the number of steps covering the
// range (ceil(range / step), with the signed range). A zero or non-finite
// range gives step 0 and leaves n alone; n < 2 is taken as 2.
void choose_tick_step(double range, int& n, double& step);

// n + 3 tick values (as many as `out` holds, if fewer) on the grid of
// multiples of step, the first being the smallest multiple not below a
// positive start, 0 for a zero start, and the smallest multiple strictly
// above a negative start. Values are accumulated by addition and a value
// within a thousandth of a step of 0 is stored as 0. The first value is
// reached by repeated addition from 0 as long as that takes at most a
// million steps, and computed beyond. A negative step counts by its size; a
// zero or non-finite step gives every value equal to start (0 if start is not
// finite).
void fill_tick_values(double start, double step, int n, std::span<double> out);
// The same into a new vector of n + 3 values (none for n < -2).
std::vector<double> tick_values(double start, double step, int n);
// The count for draw_y_axis that labels ticks[0..n] only as far as they lie
// in [lo, hi] (within a millionth of the range): a tick beyond the axis's
// end would stand outside the plot, over what is drawn there. -1 when the
// first tick is outside.
int ticks_within(std::span<const double> ticks, int n, double lo, double hi);

// Vertical lines across the rectangle at xs from the first while they lie in
// [x_min, x_max]. n is not needed.
void draw_vertical_grid(Canvas& dc, Rect rect, WorldBox box, int n, std::span<const double> xs);

// Horizontal lines across the rectangle at ys[0..n], bottom-anchored, with
// no range test.
void draw_horizontal_grid(Canvas& dc, Rect rect, WorldBox box, int n, std::span<const double> ys);

// The curve through points 0..n (n is the last index) as one polyline; style 2
// draws it bold, with a second polyline one pixel lower. Nothing is clipped.
// A point that is not a number leaves a gap: the points on either side of it
// are drawn as polylines of their own, never joined across it.
void draw_polyline(Canvas& dc, int n, std::span<const double> xs, std::span<const double> ys, int style,
                   Rect rect, WorldBox box);

// Marker character ch (a byte of the "Zapfdingbats BT" marker face, 0xC0 to
// 0xC6 for the circled digits one to seven) at every k-th point, k =
// ceil(n / count), from index k + offset while below n, vertically centred on
// the point and starting at its column. Selects the marker font (height
// `height`) and leaves it selected. count < 1 draws no marker.
// A marker whose glyph would meet one of the places in `keep_clear` (texts
// and labels the window draws there) moves along the curve to the nearest
// point whose glyph meets none, the earlier point first, never as far as
// the next marker's place; where no such point lies between its
// neighbours, that marker is left out. With places to keep off, the
// markers already drawn are kept off too.
struct KeepClear;
void draw_curve_markers(Canvas& dc, int n, std::span<const double> xs, std::span<const double> ys, int count,
                        int offset, unsigned char ch, Rect rect, WorldBox box, int height,
                        std::span<const KeepClear> keep_clear = {});

// Whether two boxes share a pixel (an empty box meets nothing).
bool rects_meet(const Rect& a, const Rect& b);

// The rows where a text puts ink in the selected font, from its cell's top
// (bottom excluded; both 0 for a text without ink).
struct InkRows {
    int top = 0, bottom = 0;
};
InkRows text_ink_rows(Canvas& dc, std::string_view text);

// Whether the ellipse inscribed in `ellipse` reaches into the box (its
// outline touching the box counts).
bool ellipse_meets_rect(const Rect& ellipse, const Rect& box);

// A place that something drawn later must keep off: a box (a text's cell),
// or the ellipse inscribed in it (a circled label).
struct KeepClear {
    Rect box;
    bool ellipse = false;
    bool meets(const Rect& r) const { return ellipse ? ellipse_meets_rect(box, r) : rects_meet(box, r); }
};

// A plot rectangle inside a window's client rectangle, each edge a number of
// units in from the client's (the unit is a line height of the window's
// font, in pixels).
struct PlotMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};
// The client less the margins, and less `bottom_room` pixels more at the
// bottom (the line a window keeps under its plot when it has one to write).
Rect plot_rect(Rect client, const PlotMargins& margins, int unit, int bottom_room = 0);

// The plot rectangle of a printed page (from the canvas's device caps):
// margins of 25 and 15 mm (portrait) or 25 mm right and 16 mm bottom
// (landscape), 26 mm top; a plot 0.68 times as high as wide (portrait) or
// 1.47 times as wide as high (landscape).
void get_print_plot_rect(Canvas& dc, Rect& rect);

// The font a routine finds on the page: the device's default font grown as
// the window grows from its client on the screen (`screen_client`) onto the
// page's plot rectangle. Layouts measured in the font as found (the
// Shorshorov windows' reference cell and axis labels) then keep on paper the
// proportions they have on the screen.
void select_page_default_font(Canvas& page, Rect screen_client);

// The mapping above, for drawing at plot positions. A coordinate that cannot
// be mapped gives the rectangle's left (top, bottom) edge.
int plot_x(Rect rect, WorldBox box, double x);
int plot_y_top(Rect rect, WorldBox box, double y);
int plot_y_bottom(Rect rect, WorldBox box, double y);

// Where a one-line text ends inside [left, right]: the greatest font height,
// at most `height`, at which it is no wider than right - left (the font is
// chosen by select(dc, height) and stays selected; width(dc) measures the
// line in the font selected), and its left end, x moved left the least
// distance that keeps its right end inside, never left of `left`. A line
// that fits where it stands keeps its place and font.
struct LineInside {
    int x = 0;
    int height = 0;
    int width = 0;
};
template <class Select, class Width>
LineInside line_inside_measured(Canvas& dc, int x, int height, int left, int right, Select select, Width width_of)
{
    const int room = std::max(1, right - left);
    int fit = height;
    select(dc, fit);
    int width = width_of(dc);
    while (fit > 1 && width > room) {
        const long long scaled = static_cast<long long>(fit) * room / std::max(1, width);
        fit = std::max(1, std::min(fit - 1, static_cast<int>(scaled)));
        select(dc, fit);
        width = width_of(dc);
    }
    return {std::max(left, std::min(x, right - width)), fit, width};
}
template <class Select>
LineInside line_inside(Canvas& dc, std::string_view text, int x, int height, int left, int right, Select select)
{
    return line_inside_measured(dc, x, height, left, right, select,
                                [text](Canvas& d) { return d.text_extent(text).cx; });
}
