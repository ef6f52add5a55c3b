// The profile across the heat-affected zone: the cooling time through the
// interval, or one of the six properties looked up at it, at evenly spaced
// points between the two 700 °C edges of the zone in the section through the
// source. Its texts are Russian in every language and it draws in colour in
// both graphics modes.
#include "seyffarth_sweeps.h"
#include "seyffarth_frame.h"
#include "text_code.h"
#include "captions.h"

#include "curve_set.h"
#include "fonts.h"
#include "heatsource.h"
#include "lang.h"
#include "msgbox.h"
#include "point_progress.h"
#include "numfmt.h"
#include "steel_window_frame.h"
#include "measuring_canvas.h"
#include "table_ends.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct HazSelectorStyle {
    const char* title;
    const char* range_line;
    const char* axis_title;
    Pen axis_pen;
    Pen curve_pen;
    int map_from;   // header number of the lower end of the property's range (0: no mapping)
};

const HazSelectorStyle haz_styles[7] = {
    {"Время охлаждения (%-.3lg - %-.3lg С) в ЗТВ по атласу П. Daverurud",
     "В ЗТВ время охлаждения (от %g С до %g С) в пределах : %-.3g с - %-.3g с;", "Время охлаждения, с",
     {PenStyle::solid, 2, {0, 0, 0}}, {PenStyle::solid, 2, {255, 0, 0}}, 0},
    {"Твёрдость по Викерсу в ЗТВ по атласу П. Daverurud", "Твёрдость по Викерсу в ЗТВ  в пределах : %-.3lg  - %-.3lg;",
     "HV30 в ЗТВ", {PenStyle::solid, 2, {127, 0, 0}}, {PenStyle::solid, 2, {127, 0, 0}}, 0},
    {"Предел прочности Rm в ЗТВ  по атласу П. Daverurud",
     "Предел прочности Rm в ЗТВ в пределах : %-.3lg - %-.3lg MPa;", "Предел прочности Rm в ЗТВ",
     {PenStyle::solid, 2, {0, 125, 0}}, {PenStyle::dash_dot, 2, {0, 125, 0}}, 7},
    {"Предел текучести R02 в ЗТВ по атласу П. Daverurud",
     "Предел текучести R02 в ЗТВ в пределах : %-.3lg - %-.3lg MPa;", "Предел текучести R02",
     {PenStyle::solid, 2, {0, 125, 0}}, {PenStyle::dash_dot, 2, {0, 255, 0}}, 7},
    {"Относительное удлинение A в ЗТВ по атласу П. Daverurud",
     "Относительное удлинение A в ЗТВ в пределах : %-.3lg - %-.3lg %%;", "Относительное удлинение A",
     {PenStyle::dash, 2, {0, 0, 200}}, {PenStyle::dash, 3, {0, 0, 200}}, 9},
    {"Относительное сужение Z в ЗТВ по атласу П. Daverurud",
     "Относительное сужение в ЗТВ в пределах : %-.3g - %-.3g %%;", "Относительное сужение Z",
     {PenStyle::solid, 2, {0, 125, 125}}, {PenStyle::solid, 2, {0, 125, 125}}, 11},
    {"Ударная вязкость K в ЗТВ по атласу П. Daverurud", "Ударная вязкость K в ЗТВ в пределах : %-.3g - %-.3g J/mm2;",
     "Ударная вязкость K в ЗТВ", {PenStyle::solid, 2, {0, 0, 0}}, {PenStyle::dot, 2, {255, 0, 255}}, 13},
};

void haz_font(Canvas& dc, int height, int escapement = 0)
{
    text_font.height = height;
    text_font.width = 0;
    text_font.escapement = escapement;
    text_font.orientation = escapement;
    text_font.weight = 400;
    text_font.italic = 0;
    text_font.charset = language_charset();
    text_font.face = "Times New Roman";
    dc.select_font(text_font);
}

int haz_line_height(Canvas& dc, int height, std::string_view text)
{
    haz_font(dc, height);
    return dc.text_extent(text.empty() ? std::string_view("W") : text).cy;
}

} // namespace

HazProfile compute_haz_profile(double z, double T_from, double T_to, int n)
{
    HazProfile p;
    p.zone = find_haz_zone(z);
    if (!p.zone.found()) return p;
    p.y = haz_points(p.zone, n);
    p.t.resize(p.y.size());
    p.gaps = SweepGaps(static_cast<int>(p.y.size()));
    std::vector<CoolingTime> cooling(p.y.size());
    compute_points(static_cast<int>(p.y.size()), [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        cooling[k] = cooling_time_at_point(p.y[k], z, T_from, T_to);
        p.t[k] = cooling[k].time;
    });
    for (const CoolingTime& c : cooling) p.gaps.leave_out(c);
    return p;
}

double haz_map_value(double value, std::span<const double> curves, int map_from)
{
    if (map_from <= 0) return value;
    const auto at = [&](int k) { return static_cast<std::size_t>(k) < curves.size() ? curves[k] : 0.0; };
    const double y_lo = at(2), y_hi = at(4), a = at(map_from), b = at(map_from + 1);
    // A diagram without a value range cannot be carried onto the property.
    if (y_hi == y_lo) return value;
    return (value - y_lo) * (b - a) / (y_hi - y_lo) + a;
}

void seyffarth_haz_profile_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                  SteelChoice steel, int)
{
    if (params == nullptr || !current_model.prepare || !current_model.temperature || !current_model.velocity) return;
    if (selector < 0 || selector > 6) selector = 0;
    const HazSelectorStyle& style = haz_styles[selector];
    const double y = params[0], z = params[1];
    const double T_to = params[3];
    const int n = steps >= 2 ? steps : 2;

    // The point of the dialog: its metal must pass through the interval.
    const CoolingTime at_point = cooling_time_at_point(y, z, params[2], T_to);
    if (!at_point.reached()) {
        message_box(window, cooling_failure_text(at_point, y, z),
                    at_point.status == CoolingStatus::peak_below ? "You are fault with temperature ... "
                                                                 : "  Message!");
        return;
    }
    const double T_from = at_point.T_from;

    const HazProfile p = compute_haz_profile(z, T_from, T_to, n);
    if (!p.zone.found() || p.gaps.all()) {
        message_box(window, p.zone.found() ? p.gaps.note() : haz_zone_failure_text(p.zone), "  Message!");
        return;
    }

    SteelDescriptor descriptor;
    CurveSet curves;
    bool data_ok = true;
    // A descriptor that cannot be read stops the window after its one message.
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    auto read_steel_data = [&] {
        const AtlasReadResult r =
            read_curve_file(resolve_atlas_path(descriptor.property_curves, steel.file_name), curves);
        report_atlas_failure(window, r);
        data_ok = r.ok;
    };

    std::vector<double> values(p.t);
    std::vector<std::string> end_lines;
    if (selector > 0) {
        read_steel_data();
        // Times beyond the curve's ends take its end values; a note under
        // the zone's title says so.
        std::vector<double> cx, cy;
        int last = -1, colour = 0;
        if (extract_curve(curves, cx, cy, last, colour, selector - 1) && last >= 0)
            end_lines = table_end_lines(TableAbscissa::cooling_time,
                                        std::span<const double>(cx).first(static_cast<std::size_t>(last) + 1), p.t);
        std::vector<double> looked_up;
        std::vector<double> times(p.t);
        for (double& t : times)
            if (!std::isfinite(t)) t = 0;
        lookup_curve_at_times(curves, selector - 1, times, looked_up);
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = std::isfinite(p.t[i]) && i < looked_up.size()
                            ? haz_map_value(looked_up[i], curves, style.map_from)
                            : std::numeric_limits<double>::quiet_NaN();
    }

    // The x axis spans the zone whatever was left out; the values' axis what
    // is drawn.
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0, unused_lo = 0, unused_hi = 0;
    find_data_extent(n, p.y, p.y, xmin, xmax, unused_lo, unused_hi);
    find_data_extent(n, p.y, values, unused_lo, unused_hi, ymin, ymax);
    widen_range(xmin, xmax);
    widen_range(ymin, ymax);
    int nx = 5, ny = 5;
    double xstep = 0, ystep = 0;
    choose_tick_step(xmax - xmin, nx, xstep);
    choose_tick_step(ymax - ymin, ny, ystep);
    const std::vector<double> xticks = tick_values(xmin, xstep, nx);
    if (selector == 0) choose_tick_step(ymax - ymin, ny, ystep);
    const std::vector<double> yticks = tick_values(ymin, ystep, ny);
    const WorldBox box{xmin, ymax, xmax, ymin};

    // Page.
    const Rect client = steel_client_rect(window, dc);
    const int hc = client.bottom - client.top;
    const int base = hc / 32, axis_height = 4 * base / 3, title_height = static_cast<int>(1.2 * base);
    dc.set_background_mode(BackgroundMode::opaque);
    steel_clear(dc, client);
    const Pen blue{PenStyle::solid, 1, {0, 0, 255}};
    dc.select_pen(blue);
    const int H0 = haz_line_height(dc, base, "W");
    // A profile that leaves points out is less high by the note's line, so
    // the lines under the note keep their places.
    const std::vector<std::string> notes = sweep_notes(p.gaps, end_lines);
    const Rect plot{client.left + 12 * H0, client.top + 8 * H0, client.right - 12 * H0,
                    client.bottom - 11 * H0 - sweep_notes_room(dc, notes, base)};
    dc.select_brush(Brush{BrushStyle::null, {}});
    dc.rectangle(plot.left, plot.top, plot.right, plot.bottom);
    const int Ht = haz_line_height(dc, axis_height, style.axis_title);
    const int composition_y = 4 * (selector == 0 ? Ht : H0);
    // The turned axis title rises from the plot's bottom; where it is longer
    // than the plot leaves room for under the composition table, it goes down
    // the least distance that clears the table.
    int title_y = plot.bottom;
    {
        MeasuringCanvas m(dc);
        haz_font(m, base);
        draw_sweep_composition(m, client, descriptor, composition_y);
        const Rect table = m.reach();
        haz_font(m, axis_height);
        const int w = m.text_extent(style.axis_title).cx;
        if (table.bottom > table.top) title_y = std::max(title_y, table.bottom + w);
    }

    // The turned axis title stands three of its lines left of the plot; where
    // the axis labels reach that far (a narrow range labelled with five or
    // six digits), it moves left the least distance that clears them, never
    // past the window's left edge.
    int title_x = plot.left - 3 * Ht;
    {
        MeasuringCanvas m(dc);
        haz_font(m, base);
        draw_y_axis(m, plot.left, plot.bottom, plot.top, ymax, ymin, ticks_within(yticks, ny, ymin, ymax), 6, yticks);
        const Rect labels = m.reach();
        if (labels.right > labels.left) title_x = std::max(client.left, std::min(title_x, labels.left - Ht));
    }

    auto draw_profile = [&] {
        dc.select_pen(Pen{PenStyle::dot, 1, {127, 127, 127}});
        dc.rectangle(plot.left, plot.top, plot.right, plot.bottom);
        draw_vertical_grid(dc, plot, box, nx - 1, xticks);
        draw_horizontal_grid(dc, plot, box, selector == 0 ? ny - 1 : ny - 2, yticks);
        dc.set_text_color({0, 0, 0});
        haz_font(dc, base);
        dc.select_pen(Pen{PenStyle::solid, 2, {0, 0, 0}});
        draw_x_axis(dc, plot.bottom, plot.left, plot.right, xmin, xmax, nx - 1, selector == 0 ? 6 : 2, xticks);
        dc.select_pen(style.axis_pen);
        draw_y_axis(dc, plot.left, plot.bottom, plot.top, ymax, ymin, ticks_within(yticks, ny, ymin, ymax), 6, yticks);
        haz_font(dc, axis_height, 900);
        dc.text_out(title_x, title_y, style.axis_title);
        const std::string xt = "ЗТВ, см";
        haz_font(dc, axis_height);
        const int w = dc.text_extent(xt).cx;
        dc.text_out(client.left + (client.right - client.left - w) / 2, plot.bottom + Ht, xt);
        // Under the zone's title, the points left out of the profile and the
        // times beyond the curve.
        draw_sweep_notes(dc, notes, client, base, plot.bottom + 2 * Ht);
        dc.select_pen(style.curve_pen);
        draw_polyline(dc, n - 1, p.y, values, 1, plot, box);
    };

    dc.select_brush(Brush{});
    if (selector == 0) draw_profile();
    else if (!data_ok) return;

    // Steel data.
    haz_font(dc, base);
    if (selector == 0) read_steel_data();
    draw_sweep_composition(dc, client, descriptor, composition_y);
    if (selector > 0) draw_profile();

    // Texts.
    const std::string title = selector == 0 ? cformat(style.title, T_from, T_to) : std::string(style.title);
    haz_font(dc, title_height);
    dc.set_text_color({255, 0, 95});
    const int window_title_y = static_cast<int>(client.top + 0.3 * Ht);
    dc.text_out(client.left + Ht, window_title_y, title);
    // The profile draws opaque: the class line's cell goes under the title's
    // ink (a parenthesis reaches a pixel below the cell), the least distance
    // from its row that clears it.
    const int title_bottom = window_title_y + dc.text_extent(title).cy + 1;

    const std::string class_line = cformat("Класс стали: \"%s\"", seyffarth_sweep_class_name(steel.filter_index).c_str());
    const int Hc = haz_line_height(dc, base, class_line);
    dc.set_text_color({0, 0, 0});
    dc.text_out(client.left + 2 * Hc, std::max(static_cast<int>(client.top + 1.5 * Hc), title_bottom), class_line);
    const std::string grade_line = cformat("Марка стали: \"%s\"  ", file_text(descriptor.grade_line, language_charset()).c_str());
    const int Hg = haz_line_height(dc, base, grade_line);
    dc.text_out(client.left + 2 * Hg, static_cast<int>(client.top + 2.8 * Hg), grade_line);

    const SteelSummary s = steel_summary();
    const std::string model = cformat(" Рассчёт по модели: \"%s\"", s.title.c_str());
    const LineInside at = line_inside(dc, model, client.left, title_height, client.left + 2, client.right - 2,
                                      [](Canvas& d, int height) { haz_font(d, height); });
    dc.set_text_color({120, 0, 95});
    const int model_y = static_cast<int>(client.bottom - 8.2 * Hg);
    dc.text_out(client.left + (client.right - client.left - at.width) / 2, model_y, model);
    // The range line's opaque cell goes under the model line's ink.
    const int model_bottom = model_y + dc.text_extent(model).cy + 1;

    const std::string range_line = selector == 0 ? cformat(style.range_line, T_from, T_to, ymin, ymax)
                                                 : cformat(style.range_line, ymin, ymax);
    const int H1 = haz_line_height(dc, base, range_line);
    dc.text_out(client.left + 5 * H1, std::max(static_cast<int>(client.bottom - 7.2 * H1), model_bottom), range_line);

    dc.set_text_color({0, 0, 0});
    draw_steel_panel(dc, client, PanelRows{}, H1);
}
