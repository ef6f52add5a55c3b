#include "steel_window_frame.h"

#include "fonts.h"
#include "numfmt.h"
#include "scheme_views.h"
#include "steel_window_texts.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

CoolingStatus steel_point_at_entry(const double* params, SteelPoint& p)
{
    p.y = params[0];
    p.z = params[1];
    p.cooling = cooling_time_at_point(p.y, p.z, params[2], params[3]);
    const CoolingTime& c = p.cooling;
    p.T_from = c.T_from;
    p.T_to = c.T_to;
    p.v = c.v;
    p.x_peak = c.x_peak;
    p.T_max = c.t_max;
    p.x1 = c.x_from;
    p.x2 = c.x_to;
    p.t = c.time;
    return c.status;
}

void steel_report_two_boxes(Window* window, const SteelPoint& p)
{
    show_window_message(window, cformat(steel_max_temperature_text, p.T_max, p.y, p.z), steel_message_caption);
    show_window_message(window, steel_fault_text, steel_message_caption);
}

void steel_report_one_box(Window* window) { show_window_message(window, steel_fault_text, steel_message_caption); }

bool steel_point_usable(Window* window, const SteelPoint& p, CoolingStatus status, bool two_boxes, bool sweep)
{
    switch (status) {
    case CoolingStatus::reached: return true;
    case CoolingStatus::peak_below:
        if (two_boxes)
            steel_report_two_boxes(window, p);
        else
            steel_report_one_box(window);
        return false;
    case CoolingStatus::speed_not_positive:
        if (sweep) return true;
        check_welding_speed(window, p.v);
        return false;
    default:
        if (sweep) return true;
        show_window_message(window, cooling_failure_text(p.cooling, p.y, p.z), steel_message_caption);
        return false;
    }
}

bool steel_sweep_possible(Window* window, bool thickness_sweep)
{
    if (!thickness_sweep || scheme_has_thickness()) return true;
    show_window_message(window, no_thickness_text(), steel_message_caption);
    return false;
}

void steel_report_kasatkin_range(Window* window)
{
    static const Text5 text{
        "The model is used outside its range: for this composition and these cooling times its formulas give "
        "phase shares outside 0..100 %. The shares shown are limited to 0..100 % and add up to 100 %.",
        "Модель используется вне пределов применимости: для этого состава и этих времён охлаждения её "
        "формулы дают доли фаз вне пределов 0..100 %. Показанные доли ограничены пределами 0..100 % и в "
        "сумме дают 100 %.",
        "Модель використано поза межами застосовності: для цього складу та цих часів охолодження її "
        "формули дають частки фаз поза межами 0..100 %. Показані частки обмежено межами 0..100 %, у сумі "
        "вони дають 100 %.",
        "Das Modell wird außerhalb seines Gültigkeitsbereichs verwendet: für diese Zusammensetzung und diese "
        "Abkühlzeiten ergeben seine Formeln Phasenanteile außerhalb von 0..100 %. Die gezeigten Anteile sind "
        "auf 0..100 % begrenzt und ergeben zusammen 100 %.",
        "Le modèle est utilisé hors de son domaine de validité : pour cette composition et ces temps de "
        "refroidissement, ses formules donnent des proportions de phases hors de 0..100 %. Les proportions "
        "affichées sont limitées à 0..100 % et totalisent 100 %."};
    show_window_message(window, pick(text), steel_message_caption);
}

void steel_report_ion_range(Window* window, double ce)
{
    static const Text5 text{
        "The carbon equivalent CE=%.3g lies outside the range of the model: its bainite share would be "
        "negative. Bainite is taken as 0 and ferrite+pearlite makes up the rest to 100 %%.",
        "Углеродный эквивалент CE=%.3g вне пределов применимости модели: доля бейнита получилась бы "
        "отрицательной. Бейнит принят равным 0, феррит+перлит дополняет до 100 %%.",
        "Вуглецевий еквівалент CE=%.3g поза межами застосовності моделі: частка бейніту вийшла б від'ємною. "
        "Бейніт прийнято рівним 0, ферит+перліт доповнює до 100 %%.",
        "Das Kohlenstoffäquivalent CE=%.3g liegt außerhalb des Gültigkeitsbereichs des Modells: der "
        "Bainitanteil wäre negativ. Bainit wird als 0 genommen, Ferrit+Perlit ergänzt auf 100 %%.",
        "L'équivalent carbone CE=%.3g sort du domaine de validité du modèle : la proportion de bainite serait "
        "négative. La bainite est prise égale à 0, ferrite+perlite complète à 100 %%."};
    show_window_message(window, cformat(pick(text), ce), steel_message_caption);
}

void steel_report_empty_sweep(Window* window, const SweepGaps& gaps)
{
    show_window_message(window, gaps.note(), steel_message_caption);
}

int steel_sweep_note_room(Canvas& dc, const SweepGaps& gaps, int H)
{
    if (!gaps.any()) return 0;
    return steel_extent(dc, gaps.note(), H).cy;
}

int steel_sweep_note(Canvas& dc, const SweepGaps& gaps, Rect client, int H, int y)
{
    if (!gaps.any()) return y;
    steel_font(dc, H);
    dc.set_text_color(rgb(128, 0, 0));
    return draw_sweep_gap_note(dc, gaps, client.left, client.right, y);
}

int steel_sweep_note_under(Canvas& dc, const SweepGaps& gaps, Rect client, int H, int y)
{
    const int under = steel_sweep_note(dc, gaps, client, H, y);
    if (!gaps.any()) return under;
    steel_font(dc, H);
    return std::max(under, row_under(dc, y, gaps.note()));
}

std::string steel_number(double value) { return cformat("%g", value); }

std::string steel_text(std::string_view format, std::initializer_list<std::string> args)
{
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // A conversion: flags, width, precision and length up to its letter.
        std::size_t j = i + 1;
        while (j < format.size() && std::string_view("-+ #0123456789.lh").find(format[j]) != std::string_view::npos)
            ++j;
        if (next != args.end()) out += *next++;
        i = j;
    }
    return out;
}

void steel_font(Canvas& dc, int height, int escapement) { select_window_font(dc, height, escapement); }

Size steel_extent(Canvas& dc, std::string_view text, int height)
{
    steel_font(dc, height);
    return dc.text_extent(text);
}

Rect steel_client_rect(Window* window, Canvas& dc) { return window_drawing_rect(window, dc, 0); }

void steel_clear(Canvas& dc, Rect client) { dc.rectangle(client.left, client.top, client.right, client.bottom); }

namespace {

// Liang-Barsky: the part of the segment inside the box, as parameters.
bool clip_segment(double x0, double y0, double x1, double y1, const WorldBox& b, double& t0, double& t1)
{
    t0 = 0;
    t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double lo_x = std::min(b.x_min, b.x_max), hi_x = std::max(b.x_min, b.x_max);
    const double lo_y = std::min(b.y_min, b.y_max), hi_y = std::max(b.y_min, b.y_max);
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - lo_x, hi_x - x0, y0 - lo_y, hi_y - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double r = q[k] / p[k];
        if (p[k] < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
    }
    return true;
}

void flush_run(Canvas& dc, std::vector<double>& rx, std::vector<double>& ry, Rect plot, WorldBox box)
{
    if (rx.size() == 1) {   // a lone point: a curve of one point
        rx.push_back(rx[0]);
        ry.push_back(ry[0]);
    }
    if (rx.size() >= 2) draw_polyline(dc, static_cast<int>(rx.size()) - 1, rx, ry, 2, plot, box);
    rx.clear();
    ry.clear();
}

}   // namespace

void draw_steel_curve(Canvas& dc, const Pen& pen, std::span<const double> xs, std::span<const double> ys, Rect plot,
                      WorldBox box)
{
    dc.select_pen(pen);
    const std::size_t n = std::min(xs.size(), ys.size());
    std::vector<double> rx, ry;
    auto finite = [&](std::size_t i) { return std::isfinite(xs[i]) && std::isfinite(ys[i]); };
    if (n == 1 && finite(0)) {
        double t0 = 0, t1 = 0;
        if (clip_segment(xs[0], ys[0], xs[0], ys[0], box, t0, t1)) {
            rx.push_back(xs[0]);
            ry.push_back(ys[0]);
        }
        flush_run(dc, rx, ry, plot, box);
        return;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (!finite(i) || !finite(i + 1)) {
            flush_run(dc, rx, ry, plot, box);
            continue;
        }
        double t0 = 0, t1 = 0;
        if (!clip_segment(xs[i], ys[i], xs[i + 1], ys[i + 1], box, t0, t1)) {
            flush_run(dc, rx, ry, plot, box);
            continue;
        }
        const double ax = xs[i] + t0 * (xs[i + 1] - xs[i]), ay = ys[i] + t0 * (ys[i + 1] - ys[i]);
        const double bx = xs[i] + t1 * (xs[i + 1] - xs[i]), by = ys[i] + t1 * (ys[i + 1] - ys[i]);
        if (t0 > 0) flush_run(dc, rx, ry, plot, box);   // the curve comes back in here
        if (rx.empty()) {
            rx.push_back(ax);
            ry.push_back(ay);
        }
        rx.push_back(bx);
        ry.push_back(by);
        if (t1 < 1) flush_run(dc, rx, ry, plot, box);   // and leaves here
    }
    flush_run(dc, rx, ry, plot, box);
}

int row_under(Canvas& dc, int y, std::string_view text)
{
    return y + std::max(dc.text_extent(text).cy, text_ink_rows(dc, text).bottom);
}

void text_at(Canvas& dc, int x, int y, std::string_view text, Rgb colour)
{
    dc.set_text_color(colour);
    dc.text_out(x, y, text);
}

void legend_line(Canvas& dc, const Pen& pen, int x1, int x2, int y)
{
    dc.select_pen(pen);
    dc.move_to(x1, y);
    dc.line_to(x2, y);
    dc.move_to(x1, y - 1);
    dc.line_to(x2, y - 1);
}

void rotated_axis_title(Canvas& dc, std::string_view text, int font_height, int x, Rect plot, Rgb colour,
                        int base_height)
{
    steel_font(dc, font_height, 900);
    const Size s = dc.text_extent(text);
    text_at(dc, x, plot.top + (plot.bottom - plot.top + s.cx) / 2, text, colour);
    steel_font(dc, base_height);
}

int vertical_title_with_legend(Canvas& dc, std::string_view text, int font_height, int x, Rect plot, Rgb colour,
                               const Pen& legend_pen, int legend_x, int half, int base_height, bool second_copy_right)
{
    steel_font(dc, font_height, 900);
    const int w = dc.text_extent(text).cx;
    text_at(dc, x, plot.bottom, text, colour);
    steel_font(dc, base_height);
    dc.select_pen(legend_pen);
    const int from = plot.bottom - w - half;
    dc.move_to(legend_x, from);
    dc.line_to(legend_x, plot.top);
    if (second_copy_right) {
        dc.move_to(legend_x + 1, from);
        dc.line_to(legend_x + 1, plot.top);
    }
    return w;
}

namespace {

// Right of the one before it; back left of the next where it runs into it,
// but never left of where the columns before it, packed from `left`, end;
// then right again of any that had to stop there, fixed ones too.
void clear_ordered(std::span<PlotColumn* const> order, std::optional<int> left)
{
    if (order.empty()) return;
    if (left && !order[0]->fixed) order[0]->x = std::max(order[0]->x, *left);
    for (std::size_t i = 1; i < order.size(); ++i)
        if (!order[i]->fixed) order[i]->x = std::max(order[i]->x, order[i - 1]->end());
    std::vector<long long> packed(order.size());
    long long at = left ? *left : std::numeric_limits<long long>::min() / 2;
    for (std::size_t i = 0; i < order.size(); ++i) {
        packed[i] = at;
        at += order[i]->width;
    }
    for (std::size_t i = order.size() - 1; i-- > 0;)
        if (!order[i]->fixed && order[i]->end() > order[i + 1]->x)
            order[i]->x = static_cast<int>(std::max<long long>(order[i + 1]->x - order[i]->width, packed[i]));
    for (std::size_t i = 1; i < order.size(); ++i) order[i]->x = std::max(order[i]->x, order[i - 1]->end());
}

} // namespace

void clear_columns(std::span<PlotColumn* const> columns)
{
    std::vector<PlotColumn*> order(columns.begin(), columns.end());
    std::stable_sort(order.begin(), order.end(), [](const PlotColumn* a, const PlotColumn* b) { return a->x < b->x; });
    clear_ordered(order, std::nullopt);
}

void clear_columns_in_order(std::span<PlotColumn* const> columns, int left)
{
    clear_ordered(columns, left);
}

int y_axis_label_width(Canvas& dc, std::span<const double> ticks)
{
    int width = 0;
    for (double t : ticks) width = std::max(width, dc.text_extent(cformat("%lg", t), true).cx);
    return width;
}

PlotColumn turned_title_column(Canvas& dc, std::string_view text, int font_height, int x, int base_height)
{
    // Turned, the glyphs' descenders reach right of the cell as they reach
    // below it upright.
    steel_font(dc, font_height);
    const int width = row_under(dc, 0, text);
    steel_font(dc, base_height);
    return PlotColumn{x, width};
}

bool value_range(std::span<const double> values, double& lo, double& hi)
{
    bool any = false;
    for (double v : values) {
        if (!std::isfinite(v)) continue;
        if (!any) {
            lo = hi = v;
            any = true;
        } else {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    if (!any) lo = hi = 0;
    return any;
}

AutoAxis auto_axis(double lo, double hi)
{
    AutoAxis a;
    // Ends that differ only in their last digits (power and speed bounds in
    // one ratio) are the same value: ticks a few 1e-15 apart would never
    // reach the range.
    const double size = std::max(std::fabs(lo), std::fabs(hi));
    if (std::fabs(hi - lo) <= 1e-9 * size) hi = lo;
    if (hi == lo) hi = lo + 0.25 * lo;
    if (hi == lo) hi = lo + 1;   // both ends 0
    if (hi < lo) std::swap(lo, hi);
    a.min = lo;
    a.max = hi;
    a.count = 7;
    choose_tick_step(hi - lo, a.count, a.step);
    a.ticks.assign(static_cast<std::size_t>(std::max(a.count, 7) + 3), 0.0);
    fill_tick_values(lo, a.step, a.count, a.ticks);
    return a;
}

void steel_y_axis(Canvas& dc, int x, Rect plot, double top_value, double bottom_value, std::span<const double> ticks,
                  const Pen& pen, Rgb label_colour)
{
    if (ticks.empty()) return;
    dc.select_pen(pen);
    dc.set_text_color(label_colour);
    draw_y_axis(dc, x, plot.bottom, plot.top, top_value, bottom_value, static_cast<int>(ticks.size()) - 1, 6, ticks);
}

namespace {
const double log_axis_end = std::log(400.0);
const double log_ticks[] = {1, 2, 4, 6, 8, 10, 20, 40, 60, 100, 200, 400};
}   // namespace

int log_time_x(Rect plot, double t)
{
    const double sx = std::fabs(static_cast<double>(plot.right - plot.left)) / log_axis_end;
    return plot.left + static_cast<int>((std::log(t) - 0.0) * sx);
}

void draw_log_time_axis(Canvas& dc, Rect plot, Rgb grid_colour, Rgb label_colour, int base_height)
{
    steel_font(dc, base_height);
    // Where the ticks crowd (8 and 10 s on a wide, low plot), a label that
    // would run into the one before it is left out; its tick stays.
    const int gap = 1;
    int last_label_end = std::numeric_limits<int>::min();
    for (double t : log_ticks) {
        const int px = log_time_x(plot, t);
        dc.select_pen(pen_of(PenStyle::dot, 1, grid_colour));
        dc.move_to(px, plot.bottom);
        dc.line_to(px, plot.top);
        dc.select_pen(pen_of(PenStyle::solid, 2, rgb(0, 0, 0)));
        dc.move_to(px, plot.bottom);
        dc.line_to(px, plot.bottom + 6);
        const std::string label = cformat("%g", t);
        const Size s = dc.text_extent(label, true);
        if (px - s.cx / 2 < last_label_end + gap) continue;
        text_at(dc, px - s.cx / 2, plot.bottom + s.cy, label, label_colour);
        last_label_end = px - s.cx / 2 + dc.text_extent(label).cx;
    }
}

void draw_log_time_grid(Canvas& dc, Rect plot, std::span<const double> ticks, double y_min, double y_max,
                        Rgb grid_colour)
{
    if (y_max == y_min) return;
    const double sy = std::fabs(static_cast<double>(plot.bottom - plot.top)) / std::fabs(y_min - y_max);
    dc.select_pen(pen_of(PenStyle::dot, 1, grid_colour));
    for (double v : ticks) {
        const int py = plot.bottom - static_cast<int>((v - y_min) * sy);
        dc.move_to(plot.left, py);
        dc.line_to(plot.right, py);
    }
}

void draw_point_marker(Canvas& dc, Rect plot, double t)
{
    // A time off the axis would put the line beside the plot, where it
    // marks nothing.
    if (!(t >= 1.0 && t <= 400.0)) return;
    const int px = log_time_x(plot, t);
    dc.select_pen(pen_of(PenStyle::solid, 5, rgb(255, 0, 0)));
    dc.move_to(px, plot.bottom);
    dc.line_to(px, plot.top);
}

SteelSummary steel_summary()
{
    char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    return {line1, line2, title};
}

void draw_steel_panel(Canvas& dc, Rect client, PanelRows rows, int h)
{
    if (current_model.draw_panel) {
        current_model.draw_panel(dc, client, rows.speed, rows.power, rows.initial_temperature, rows.thickness);
        return;
    }
    const SteelSummary s = steel_summary();
    dc.text_out(client.left + 5 * h, client.bottom - 2 * h, s.line1);
    dc.text_out(client.left + 5 * h, client.bottom - h, s.line2);
}

int steel_panel_top(Canvas& dc, Rect client, int h)
{
    return current_model.draw_panel ? panel_top(dc, client) : client.bottom - 2 * h;
}

std::vector<double> scale_ticks(double first, double step, int count)
{
    std::vector<double> t;
    for (int i = 0; i < count; ++i) t.push_back(first + step * i);
    return t;
}
