// Curves of a curve set: taking one out, looking values up on it at cooling
// times, drawing the whole set, and drawing the labels of a CCT diagram.
//
// Every walk over a curve set stops at the smaller of its count (element 0)
// and the elements it really has, and at a record that would run past them,
// so a set from any source is safe to hand in.
#pragma once

#include "atlas_files.h"
#include "canvas.h"
#include "plot.h"

#include <span>
#include <vector>

struct Window;

// Curve k (0-based) of the set: its points into xs and ys (n + 1 each), its
// last point index n and its colour number. False (n = -1, xs and ys empty)
// when the set has no curve k.
bool extract_curve(std::span<const double> curves, std::vector<double>& xs, std::vector<double>& ys, int& n,
                   int& colour, int k);

// The value of curve k at ln |t| for each time t (s), by curve_lookup with
// the tolerance 0.001: a knot's time gives the knot's value, a time below the
// curve's abscissa range its first ordinate, one above it its last. Without a
// curve k every value is -1.0 and the result is false.
bool lookup_curve_at_times(std::span<const double> curves, int k, std::span<const double> times,
                           std::vector<double>& out);

// Each curve as a one-pixel solid polyline in its colour number (red in the
// low byte, whatever the colour mode); a curve with a positive label value
// gets the value ("%g") in the curve's colour, centred in an ellipse outline
// that hangs below its last point; the label of a curve that ends close to
// an earlier labelled one moves the least distance that keeps each outline
// off the other's value. Leaves the background mode transparent and the text
// colour of the last label when a label was drawn; the pen is restored.
void draw_curve_set(Canvas& dc, std::span<const double> curves, WorldBox box, Rect rect);

// The labels of a CCT diagram, from records in their fixed order: records 0-2
// give the member counts of groups A, B and C (trunc(y) - trunc(x)); 3-8 six
// texts in fixed colours; 9 and 10 two horizontal reference lines with
// "<text> = <temperature>"; then the members of A, B and C, each text centred
// in an ellipse filled with the current brush. The font is `text_font` in
// "Times New Roman" at a height of client_height / 35. With colour_mode 0 the
// texts are black and the lines dashed black; the group A ellipses stay red.
// Records that the counts name but the array lacks are not drawn. Returns
// every text's cell and every ellipse it drew (not the lines), so that a
// window can keep its own marks off them.
std::vector<KeepClear> draw_cct_labels(Canvas& dc, int client_height, std::span<const LabelRecord> records,
                                       WorldBox box, Rect rect);
std::vector<KeepClear> draw_cct_labels(Canvas& dc, Window* window, std::span<const LabelRecord> records, WorldBox box,
                                       Rect rect);
