// Look-ups beyond the rows of an atlas table. curve_lookup gives a cooling
// time (or rate) below the first row or above the last the values of that
// end row; a window at one point says so, so that a number is never taken
// for one the atlas holds: "t8/5 = 2000 s lies beyond the atlas's last row,
// 400 s: that row's values", in the five languages. The line is reported
// once when the window's command runs (report_table_end): every row of the
// window is taken, at some scheme and language, by its texts, its curves'
// markers and its axes.
// In the five languages.
#pragma once

#include <span>
#include <string>

// What the table's rows are tabulated against.
enum class TableAbscissa {
    cooling_time,   // t8/5 in s (Seyffarth structure tables and curves)
    cooling_rate,   // W in °C/s (Shorshorov steel files)
};

// Where a value lies against the rows: inside, below the first (smallest)
// or beyond the last (largest): spline_inside, spline_below, spline_above.
int table_end_of(std::span<const double> row_abscissas, double x);

// The line of a window at one point for `value` (s or °C/s) and the end
// row's `end_value`; empty when `where` is spline_inside.
std::string table_end_line(TableAbscissa abscissa, int where, double value, double end_value);

struct Window;

// Shows the line in a message box owned by `window` (caption "  Message!"),
// once per command as every report of a window; nothing for an empty line.
void report_table_end(Window* window, const std::string& line);
