// Look-ups beyond the rows of an atlas table. curve_lookup gives a cooling
// time (or rate) below the first row or above the last the values of that
// end row; a window at one point says so, so that a number is never taken
// for one the atlas holds: "t8/5 = 2000 s lies beyond the atlas's last row,
// 400 s: that row's values", in the five languages. The windows write it
// as a line of their own, in a row their layout keeps for it.
#pragma once

#include <span>
#include <string>
#include <vector>

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

// The lines of a sweep or a profile whose values reach below the first or
// beyond the last row (`row_abscissas` are the rows' ln t or ln W): one for
// each end reached, with the value farthest out and the end row's value.
// Values that are not positive numbers (points left out) are passed over.
std::vector<std::string> table_end_lines(TableAbscissa abscissa, std::span<const double> row_abscissas,
                                         std::span<const double> values);
