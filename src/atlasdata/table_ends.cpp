#include "table_ends.h"

#include "lang.h"
#include "msgbox.h"
#include "numfmt.h"
#include "spline.h"

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

void report_table_end(Window* window, const std::string& line)
{
    if (!line.empty()) message_box(window, line, "  Message!", mb_iconinformation);
}
