// Structure and hardness of the Ion model at the point, versus the cooling
// time on a logarithmic axis from 1 to 400 s.
#include "ion_windows.h"

#include "numfmt.h"
#include "steel_window_texts.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace steel_text_rows;

std::string ion_composition_text(const CompositionRecord& composition)
{
    std::string text;
    for (int i = 0; i < composition_size; ++i) text += cformat(" %lg", composition[i]);
    return text;
}

IonSteel ion_steel_from(const CompositionRecord& composition)
{
    IonSteel steel;
    steel.parse_composition(ion_composition_text(composition));
    return steel;
}

double ion_curve_time(int i)
{
    return 1 + 7.98 * i;
}

namespace {

constexpr int point_count = 50;
const double ln400 = std::log(400.0);

const Text5 x_axis_title{"Cooling time, s", "Время охлаждения, с", "Час охолодження, с",
                         "Zeit der Abkühlung, mits", "Temps du refroidissement, avecs"};
const Text5 ion_model_line{"Account on model: \"%s\"", "Расчёт по модели: \"%s\"",
                           "Розрахунок за моделлю: \"%s\"", "Die Rechnung nach dem Modell:\"%s\"",
                           "Le compte selon le modèle : s: \"%s\""};

} // namespace

void ion_hardness_at_point_window(const double* params, int, Window* window, Canvas& dc, int,
                                  CompositionRecord composition, int)
{
    if (!params) return;
    SteelPoint p;
    if (!steel_point_usable(window, p, steel_point_at_entry(params, p), true)) return;

    dc.set_background_mode(BackgroundMode::opaque);
    const Rect client = steel_client_rect(window, dc);
    steel_clear(dc, client);
    const int H = (client.bottom - client.top) / 32;
    steel_font(dc, H);
    const int h = dc.text_extent("Wg").cy;
    const Rect plot{client.left + 10 * h, client.top + 5 * h, client.right - 14 * h, client.bottom - 14 * h};

    std::vector<double> xs(point_count), ys(point_count);
    IonSteel steel = ion_steel_from(composition);
    steel.draw_composition_table(client.left + 10, client.top + mul(1.8, h), 50, 20, dc);
    // The carbon equivalent does not change along the curves: one report.
    bool limited = false;
    ion_evaluate(steel, p.t, &limited);
    steel.y = p.y;
    steel.z = p.z;
    steel.cooling_time = p.t;
    // A table wider than the client (long headings in a wide font) takes a
    // smaller font.
    for (int font = H; font > 1 && client.left + 10 + steel.ion_structure_table_width(20, 20, dc) > client.right;)
        steel_font(dc, --font);
    steel.ion_draw_structure_table(client.left + 10, plot.bottom + mul(5.5, h), 20, 20, dc);
    steel_font(dc, H);
    const Rgb saved = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    const SteelSummary summary = steel_summary();

    const WorldBox shares{0, 100, ln400, 0};
    const WorldBox hardness{0, 500, ln400, 80};
    const std::vector<double> share_ticks = scale_ticks(0, 10, 11);
    const std::vector<double> hv_ticks = scale_ticks(80, 30, 15);
    // Left of the plot: the hardness title, its axis's labels, the structure
    // title and the share axis's labels at the plot's edge, each clear of the
    // one before it.
    steel_font(dc, H);
    const int hv_label_width = y_axis_label_width(dc, hv_ticks);
    const int share_label_width = y_axis_label_width(dc, share_ticks);
    PlotColumn hv_title = turned_title_column(dc, steel_text(pick(ion_hardness_label)), 3 * H / 2,
                                              client.left + mul(0.5, h), H);
    PlotColumn hv_labels{client.left + 3 * h - hv_label_width, hv_label_width};
    PlotColumn share_title =
        turned_title_column(dc, steel_text(pick(structure_axis)), 3 * H / 2, plot.left - mul(2.5, h), H);
    PlotColumn share_labels{plot.left - share_label_width, share_label_width, true};
    const std::array<PlotColumn*, 4> left_columns{&hv_title, &hv_labels, &share_title, &share_labels};
    clear_columns(left_columns);
    struct Curve {
        int which;   // 0 M, 1 B, 2 FP, 3 HV
        Pen pen;
        int row;
        Rgb label_colour;
        const Text5* label;
    };
    const Curve curves[] = {
        {0, pen_of(PenStyle::solid, 1, rgb(200, 0, 0)), 4, rgb(128, 0, 0), &martensite_label},
        {1, pen_of(PenStyle::dash_dot, 1, rgb(0, 0, 125)), 6, rgb(0, 0, 125), &bainite_label},
        {2, pen_of(PenStyle::dash_dot, 1, rgb(0, 200, 0)), 8, rgb(0, 200, 0), &ferrite_pearlite_unit},
        {3, pen_of(PenStyle::dash_dot_dot, 1, rgb(200, 0, 200)), 10, rgb(200, 0, 200), &ion_hardness_label},
    };
    for (const Curve& c : curves) {
        for (int i = 0; i < point_count; ++i) {
            const double t = ion_curve_time(i);
            ion_evaluate(steel, t, &limited);
            const double value = c.which == 0   ? 100 * steel.martensite
                                 : c.which == 1 ? 100 * steel.bainite
                                 : c.which == 2 ? 100 * steel.ferrite_pearlite
                                                : steel.hv;
            xs[static_cast<std::size_t>(i)] = std::log(t);
            ys[static_cast<std::size_t>(i)] = value;
        }
        draw_steel_curve(dc, c.pen, xs, ys, plot, c.which == 3 ? hardness : shares);
        steel_font(dc, H);
        const std::string label = steel_text(pick(*c.label));
        const Size s = dc.text_extent(label);
        text_at(dc, plot.right + 2 * s.cy, plot.top + c.row * s.cy, label, c.label_colour);
        legend_line(dc, c.pen, plot.right + s.cx + 3 * s.cy, client.right - s.cy,
                    plot.top + mul(c.row + 0.5, s.cy));
        if (c.which == 0) {
            rotated_axis_title(dc, steel_text(pick(structure_axis)), 3 * H / 2, share_title.x, plot, rgb(0, 0, 0),
                               H);
            steel_y_axis(dc, plot.left, plot, 100, 0, share_ticks, pen_of(PenStyle::solid, 2, rgb(0, 0, 0)),
                         rgb(0, 0, 0));
        } else if (c.which == 3) {
            rotated_axis_title(dc, label, 3 * H / 2, hv_title.x, plot, rgb(200, 0, 200), H);
            steel_y_axis(dc, hv_labels.end(), plot, 500, 80, hv_ticks,
                         pen_of(PenStyle::solid, 2, rgb(200, 0, 200)), rgb(200, 0, 200));
        }
    }

    draw_log_time_axis(dc, plot, rgb(199, 199, 199), rgb(0, 0, 0), H);
    draw_log_time_grid(dc, plot, share_ticks, 0, 100, rgb(199, 199, 199));
    dc.select_pen(pen_of(PenStyle::dot, 1, rgb(199, 199, 199)));
    dc.move_to(plot.left, plot.top);
    dc.line_to(plot.right, plot.top);
    dc.select_pen(pen_of(PenStyle::solid, 2, rgb(0, 0, 0)));
    dc.move_to(plot.left, plot.bottom);
    dc.line_to(plot.right, plot.bottom);

    dc.set_text_color(rgb(128, 0, 0));
    draw_point_marker(dc, plot, p.t);

    const std::string title = pick(ion_title_at_point);
    const int big = 4 * H / 3;
    steel_font(dc, big);
    text_at(dc, client.left + 2 * h, client.top + mul(0.3, h), title, rgb(127, 0, 0));
    const std::string xt = pick(x_axis_title);
    const Size xs_size = dc.text_extent(xt);
    const int xt_y = plot.bottom + mul(1.8, xs_size.cy);
    text_at(dc, client.left + (client.right - client.left - xs_size.cx) / 2, xt_y, xt, rgb(0, 0, 0));
    const int under_xt = row_under(dc, xt_y, xt);

    steel_font(dc, mul(1.2, H));
    const int hm = dc.text_extent(summary.title).cy;
    const std::string model = steel_text(pick(ion_model_line), {summary.title});
    select_fitting_font(dc, model, mul(1.2, H), client.left, client.right);
    const int wm = dc.text_extent(model).cx;
    text_at(dc, client.left + (client.right - client.left - wm) / 2, std::max(plot.bottom + 3 * hm, under_xt), model,
            rgb(120, 0, 95));

    steel_font(dc, H);
    const int hb = dc.text_extent(summary.title).cy;
    dc.set_text_color(saved);
    draw_steel_panel(dc, client, PanelRows{}, hb);
    if (limited) steel_report_ion_range(window, ion_carbon_equivalent(steel));
}
