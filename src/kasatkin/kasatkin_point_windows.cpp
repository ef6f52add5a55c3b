// Structure and properties of the Kasatkin-Seyffarth model at the point,
// versus the cooling time on a logarithmic axis from 1 to 400 s.
#include "kasatkin_windows.h"

#include "steel_window_texts.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace steel_text_rows;

double kasatkin_quantity(const KasatkinSteel& s, KasatkinQuantity q)
{
    switch (q) {
    case KasatkinQuantity::hv: return s.hv;
    case KasatkinQuantity::rm: return s.rm;
    case KasatkinQuantity::r02: return s.r02;
    case KasatkinQuantity::a: return s.elongation;
    case KasatkinQuantity::z: return s.reduction;
    case KasatkinQuantity::k: return s.toughness;
    case KasatkinQuantity::martensite: return 100 * s.martensite;
    case KasatkinQuantity::bainite: return 100 * s.bainite;
    case KasatkinQuantity::ferrite: return 100 * s.ferrite;
    case KasatkinQuantity::pearlite: return 100 * s.pearlite;
    }
    return 0;
}

namespace {

constexpr int point_count = 50;
const double ln400 = std::log(400.0);

const Text5 properties_title{
    "Mechanical properties under model O.G. Kasatkin and P. Seyffarth",
    "Механические свойства по модели О.Г.Касаткина и П.И.Daverurud",
    "Механічні властивості за О.Г.Касаткіна П.І.Zedorudi",
    "Die mechanischen Eigenschaften nach dem Modell O.G. Kasatkin und P. Seyffarth",
    "Les propriétés mécaniques selon le modèle O.G. Kasatkin et P. Seyffarth"};
const Text5 structure_title{
    "Structure under model O.G. Kasatkin and P. Seyffarth",
    "Фазовый состав по модели О.Г.Касаткина и П.И.Daverurud",
    "Фазовий склад по моделі О.Г.Касаткіна та П.І.Daverurud",
    "Structur nach dem nach dem Modell O.G. Kasatkin und P. Seyffarth",
    "Structur selon le modèle O.G. Kasatkin et P. Seyffarth"};

// What the two windows share: the point, the cleared client, the fonts, the
// plot rectangle and the steel with its two tables.
struct PointLayout {
    SteelPoint p;
    Rect client;
    Rect plot;
    int H = 0;
    int h = 0;
};

bool begin_point_window(const double* params, Window* window, Canvas& dc, int divisor, int a, int b,
                        int c, int e, PointLayout& L)
{
    if (!params) return false;
    const CoolingStatus status = steel_point_at_entry(params, L.p);
    if (!steel_point_usable(window, L.p, status, true)) return false;
    dc.set_background_mode(BackgroundMode::opaque);
    L.client = steel_client_rect(window, dc);
    steel_clear(dc, L.client);
    L.H = (L.client.bottom - L.client.top) / divisor;
    steel_font(dc, L.H);
    L.h = dc.text_extent("Wg").cy;
    L.plot = Rect{L.client.left + a * L.h, L.client.top + c * L.h, L.client.right - b * L.h,
                  L.client.bottom - e * L.h};
    return true;
}

// The cooling times of a curve: L_i = i * ln 400 / divisor.
void sweep(KasatkinSteel& steel, KasatkinQuantity q, double divisor, std::vector<double>& xs,
           std::vector<double>& ys, bool& limited)
{
    for (int i = 0; i < point_count; ++i) {
        const double L = i * (ln400 - 0.0) / divisor;
        kasatkin_evaluate(steel, std::exp(L), &limited);
        xs[static_cast<std::size_t>(i)] = L;
        ys[static_cast<std::size_t>(i)] = kasatkin_quantity(steel, q);
    }
}

// The frame of the log axis: a dotted grey line along the plot top and the
// black x axis line along its bottom.
void plot_edges(Canvas& dc, Rect plot)
{
    dc.select_pen(pen_of(PenStyle::dot, 1, rgb(200, 200, 200)));
    dc.move_to(plot.left, plot.top);
    dc.line_to(plot.right, plot.top);
    dc.select_pen(pen_of(PenStyle::solid, 2, rgb(0, 0, 0)));
    dc.move_to(plot.left, plot.bottom);
    dc.line_to(plot.right, plot.bottom);
}

void x_axis_title(Canvas& dc, const PointLayout& L, Rgb colour)
{
    steel_font(dc, L.H);
    const std::string text = steel_text(pick(cooling_time_short));
    const Size s = dc.text_extent(text);
    text_at(dc, L.plot.left + (L.plot.right - L.plot.left - s.cx) / 2, L.plot.bottom + mul(2.5, L.h), text,
            colour);
}

void title_and_subtitle(Canvas& dc, const PointLayout& L, const Text5& title, Rgb colour)
{
    const int big = mul(1.4, L.H);
    steel_font(dc, big);
    const std::string t = pick(title);
    const std::string sub = pick(steel_class_subtitle);
    const int tw = dc.text_extent(t).cx;
    const int sw = dc.text_extent(sub).cx;
    const int title_y = L.client.top + mul(0.3, L.h);
    text_at(dc, L.client.left + L.h, title_y, t, colour);
    text_at(dc, L.client.left + L.h + (tw - sw) / 2, std::max(L.client.top + mul(1.5, L.h), row_under(dc, title_y, t)),
            sub, colour);
}

void model_line_and_panel(Canvas& dc, const PointLayout& L, double y_factor)
{
    dc.set_text_color(rgb(0, 0, 0));
    const SteelSummary summary = steel_summary();
    const std::string model = steel_text(pick(model_line), {summary.title});
    select_fitting_font(dc, model, mul(1.4, L.H), L.plot.left, L.client.right);
    text_at(dc, L.plot.left, L.client.bottom - mul(y_factor, L.h), model, rgb(120, 0, 0));
    steel_font(dc, L.H);
    draw_steel_panel(dc, L.client, PanelRows{}, L.h);
}

struct PropertyCurve {
    KasatkinQuantity q;
    Pen pen;
    Rgb title_colour;
    const Text5* title;
    double title_x;      // in h: from plot left (-) or client left or plot right
    int title_from;      // 0 plot left, 1 client left, 2 plot right
    double legend_x;
    int axis_from;       // -1 none
    double axis_x;
    Rgb label_colour;
    double top, bottom;
    std::vector<double> ticks;
    bool axis_first;
};

int column(const PointLayout& L, int from, double offset)
{
    switch (from) {
    case 0: return L.plot.left + mul(offset, L.h);
    case 1: return L.client.left + mul(offset, L.h);
    default: return L.plot.right + mul(offset, L.h);
    }
}

} // namespace

void kasatkin_properties_at_point_window(const double* params, int, Window* window, Canvas& dc, int,
                                         CompositionRecord composition, int)
{
    PointLayout L;
    if (!begin_point_window(params, window, dc, 35, 12, 12, 7, 15, L)) return;
    std::vector<double> xs(point_count), ys(point_count);
    bool limited = false;

    KasatkinSteel steel;
    load_kasatkin_composition(composition, steel);
    steel.draw_composition_table(L.client.left + 10, L.client.top + mul(3.1, L.h), 20, 20, dc);
    kasatkin_evaluate(steel, L.p.t, &limited);
    steel.y = L.p.y;
    steel.z = L.p.z;
    steel.cooling_time = L.p.t;
    steel.kasatkin_draw_property_table(L.client.left + 10, L.plot.bottom + 6 * L.h, 20, 20, dc);
    kasatkin_evaluate(steel, L.p.t, &limited);
    const Rgb saved = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));

    draw_log_time_axis(dc, L.plot, rgb(200, 200, 200), dc.text_color(), L.H);
    const std::vector<double> hv_ticks{100, 200, 300, 400, 500, 600, 700, 750};
    draw_log_time_grid(dc, L.plot, std::span(hv_ticks).first(7), 100, 750, rgb(127, 127, 127));
    plot_edges(dc, L.plot);

    const std::vector<PropertyCurve> curves{
        {KasatkinQuantity::hv, pen_of(PenStyle::solid, 1, rgb(127, 0, 0)), rgb(127, 0, 0), &hardness_title,
         -4, 0, -3.5, 0, 0, rgb(127, 0, 0), 750, 100, hv_ticks, false},
        {KasatkinQuantity::rm, pen_of(PenStyle::dash_dot, 1, rgb(0, 125, 0)), rgb(0, 125, 0), &strength_title,
         3, 1, 4, 1, 7.5, rgb(0, 125, 0), 2300, 100, scale_ticks(100, 200, 12), false},
        {KasatkinQuantity::r02, pen_of(PenStyle::dash_dot, 1, rgb(0, 200, 0)), rgb(0, 200, 0), &yield_title,
         4, 1, 4.5, -1, 0, rgb(0, 200, 0), 2300, 100, {}, false},
        {KasatkinQuantity::a, pen_of(PenStyle::dash, 1, rgb(0, 0, 200)), rgb(0, 0, 200), &elongation_title,
         1, 2, 1.5, 2, 3.8, rgb(0, 0, 200), 48, 0, scale_ticks(0, 8, 7), true},
        {KasatkinQuantity::z, pen_of(PenStyle::dash_dot_dot, 1, rgb(200, 200, 75)), rgb(200, 200, 75),
         &reduction_title, 4, 2, 4.5, 2, 6.8, rgb(0, 125, 125), 96, 0, scale_ticks(0, 16, 7), true},
        {KasatkinQuantity::k, pen_of(PenStyle::dot, 1, rgb(255, 0, 255)), rgb(255, 0, 255), &toughness_title,
         7.5, 2, 8, 2, 10, rgb(255, 0, 255), 36, 0, scale_ticks(0, 6, 7), true},
    };
    for (const PropertyCurve& c : curves) {
        sweep(steel, c.q, 50, xs, ys, limited);
        const WorldBox box{0, c.top, ln400, c.bottom};
        draw_steel_curve(dc, c.pen, xs, ys, L.plot, box);
        auto axis = [&] {
            if (c.axis_from < 0) return;
            steel_y_axis(dc, column(L, c.axis_from, c.axis_x), L.plot, c.top, c.bottom, c.ticks,
                         pen_of(PenStyle::solid, 2, c.title_colour), c.label_colour);
        };
        if (c.axis_first) axis();
        vertical_title_with_legend(dc, steel_text(pick(*c.title)), L.H, column(L, c.title_from, c.title_x),
                                   L.plot, c.title_colour, c.pen, column(L, c.title_from, c.legend_x),
                                   mul(0.5, L.h), L.H);
        if (!c.axis_first) axis();
    }

    x_axis_title(dc, L, rgb(0, 0, 127));
    draw_point_marker(dc, L.plot, L.p.t);
    dc.set_text_color(saved);
    title_and_subtitle(dc, L, properties_title, rgb(125, 0, 0));
    model_line_and_panel(dc, L, 10.5);
    if (limited) steel_report_kasatkin_range(window);
}

void kasatkin_structure_at_point_window(const double* params, int, Window* window, Canvas& dc, int,
                                        CompositionRecord composition, int)
{
    PointLayout L;
    if (!begin_point_window(params, window, dc, 33, 5, 17, 7, 14, L)) return;
    std::vector<double> xs(point_count), ys(point_count);
    bool limited = false;

    KasatkinSteel steel;
    load_kasatkin_composition(composition, steel);
    steel.draw_composition_table(L.client.left + 10, L.client.top + mul(3.1, L.h), 20, 20, dc);
    kasatkin_evaluate(steel, L.p.t, &limited);
    steel.y = L.p.y;
    steel.z = L.p.z;
    steel.cooling_time = L.p.t;
    steel.kasatkin_draw_structure_table(L.client.left + 10, L.plot.bottom + mul(5.8, L.h), 20, 20, dc);
    kasatkin_evaluate(steel, L.p.t, &limited);
    dc.set_text_color(rgb(128, 0, 0));

    struct ShareCurve {
        KasatkinQuantity q;
        Pen pen;
        int row;
        Rgb label_colour;
        const Text5* label;
    };
    const ShareCurve curves[] = {
        {KasatkinQuantity::martensite, pen_of(PenStyle::solid, 1, rgb(127, 0, 0)), 4, rgb(127, 0, 0),
         &martensite_unit},
        {KasatkinQuantity::bainite, pen_of(PenStyle::dash, 1, rgb(0, 0, 200)), 6, rgb(0, 127, 255),
         &bainite_unit},
        {KasatkinQuantity::ferrite, pen_of(PenStyle::dash_dot, 1, rgb(255, 127, 0)), 8, rgb(255, 127, 0),
         &ferrite_unit},
        {KasatkinQuantity::pearlite, pen_of(PenStyle::dash_dot, 1, rgb(0, 127, 0)), 10, rgb(0, 127, 0),
         &pearlite_unit},
    };
    const WorldBox box{0, 100, ln400, 0};
    const std::vector<double> share_ticks = scale_ticks(0, 20, 6);
    bool first = true;
    for (const ShareCurve& c : curves) {
        sweep(steel, c.q, 49, xs, ys, limited);
        draw_steel_curve(dc, c.pen, xs, ys, L.plot, box);
        steel_font(dc, L.H);
        const std::string label = steel_text(pick(*c.label));
        const Size s = dc.text_extent(label);
        text_at(dc, L.plot.right + 2 * s.cy, L.plot.top + c.row * s.cy, label, c.label_colour);
        legend_line(dc, c.pen, L.plot.right + 3 * s.cy + s.cx, L.client.right - 2 * s.cy,
                    L.plot.top + mul(c.row + 0.5, s.cy));
        if (first) {
            first = false;
            rotated_axis_title(dc, steel_text(pick(structure_axis)), L.H, L.plot.left - 3 * L.h, L.plot,
                               rgb(0, 0, 0), L.H);
            steel_y_axis(dc, L.plot.left, L.plot, 100, 0, share_ticks, pen_of(PenStyle::solid, 2, rgb(0, 0, 0)),
                         rgb(0, 0, 0));
        }
    }

    draw_point_marker(dc, L.plot, L.p.t);
    draw_log_time_axis(dc, L.plot, rgb(200, 200, 200), rgb(0, 0, 0), L.H);
    draw_log_time_grid(dc, L.plot, std::span(share_ticks).first(5), 0, 100, rgb(200, 200, 200));
    plot_edges(dc, L.plot);
    x_axis_title(dc, L, rgb(0, 0, 0));
    title_and_subtitle(dc, L, structure_title, rgb(127, 0, 0));
    model_line_and_panel(dc, L, 9.9);
    if (limited) steel_report_kasatkin_range(window);
}
