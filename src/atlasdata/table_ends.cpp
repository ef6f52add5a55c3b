#include "table_ends.h"

#include "lang.h"
#include "numfmt.h"
#include "spline.h"

#include <algorithm>
#include <cmath>

namespace {

const Text5 time_above_line{
    "t8/5 = %.3g s lies beyond the atlas's last row, %g s: that row's values",
    "t8/5 = %.3g с лежит за последней строкой атласа, %g с: значения этой строки",
    "t8/5 = %.3g с лежить за останнім рядком атласу, %g с: значення цього рядка",
    "t8/5 = %.3g s liegt hinter der letzten Zeile des Atlas, %g s: deren Werte",
    "t8/5 = %.3g s se trouve au-delà de la dernière ligne de l'atlas, %g s : valeurs de cette ligne"};
const Text5 time_below_line{
    "t8/5 = %.3g s lies below the atlas's first row, %g s: that row's values",
    "t8/5 = %.3g с лежит перед первой строкой атласа, %g с: значения этой строки",
    "t8/5 = %.3g с лежить перед першим рядком атласу, %g с: значення цього рядка",
    "t8/5 = %.3g s liegt vor der ersten Zeile des Atlas, %g s: deren Werte",
    "t8/5 = %.3g s se trouve en deçà de la première ligne de l'atlas, %g s : valeurs de cette ligne"};
const Text5 rate_above_line{
    "W = %.3g °C/s lies beyond the atlas's last row, %g °C/s: that row's values",
    "W = %.3g °C/с лежит за последней строкой атласа, %g °C/с: значения этой строки",
    "W = %.3g °C/с лежить за останнім рядком атласу, %g °C/с: значення цього рядка",
    "W = %.3g °C/s liegt hinter der letzten Zeile des Atlas, %g °C/s: deren Werte",
    "W = %.3g °C/s se trouve au-delà de la dernière ligne de l'atlas, %g °C/s : valeurs de cette ligne"};
const Text5 rate_below_line{
    "W = %.3g °C/s lies below the atlas's first row, %g °C/s: that row's values",
    "W = %.3g °C/с лежит перед первой строкой атласа, %g °C/с: значения этой строки",
    "W = %.3g °C/с лежить перед першим рядком атласу, %g °C/с: значення цього рядка",
    "W = %.3g °C/s liegt vor der ersten Zeile des Atlas, %g °C/s: deren Werte",
    "W = %.3g °C/s se trouve en deçà de la première ligne de l'atlas, %g °C/s : valeurs de cette ligne"};

} // namespace

int table_end_of(std::span<const double> xs, double x)
{
    if (xs.empty() || !std::isfinite(x)) return spline_inside;
    double lo = xs[0], hi = xs[0];
    for (double v : xs) {
        if (v < lo) lo = v;
        if (v > hi) hi = v;
    }
    if (x < lo) return spline_below;
    if (x > hi) return spline_above;
    return spline_inside;
}

std::string table_end_line(TableAbscissa abscissa, int where, double value, double end_value)
{
    if (where != spline_below && where != spline_above) return {};
    const bool time = abscissa == TableAbscissa::cooling_time;
    const Text5& text = where == spline_above ? (time ? time_above_line : rate_above_line)
                                              : (time ? time_below_line : rate_below_line);
    return cformat(pick(text), value, end_value);
}

std::vector<std::string> table_end_lines(TableAbscissa abscissa, std::span<const double> row_abscissas,
                                         std::span<const double> values)
{
    std::vector<std::string> lines;
    if (row_abscissas.empty()) return lines;
    double low = 0, high = 0;
    bool any = false;
    for (double v : values) {
        if (!(v > 0) || !std::isfinite(v)) continue;
        low = any ? std::min(low, v) : v;
        high = any ? std::max(high, v) : v;
        any = true;
    }
    if (!any) return lines;
    const auto [first, last] = std::minmax_element(row_abscissas.begin(), row_abscissas.end());
    if (table_end_of(row_abscissas, std::log(low)) == spline_below)
        lines.push_back(table_end_line(abscissa, spline_below, low, std::exp(*first)));
    if (table_end_of(row_abscissas, std::log(high)) == spline_above)
        lines.push_back(table_end_line(abscissa, spline_above, high, std::exp(*last)));
    return lines;
}
