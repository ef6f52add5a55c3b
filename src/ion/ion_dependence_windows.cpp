// Structure and hardness of the Ion model versus one element's content and
// versus the welding regime: energy input, preheat and plate thickness.
#include "ion_windows.h"

#include "measuring_canvas.h"
#include "numfmt.h"
#include "regime_sweep.h"
#include "steel_window_sweep.h"
#include "steel_window_texts.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace steel_text_rows;

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb red{200, 0, 0};
constexpr Rgb dark_blue{0, 0, 125};
constexpr Rgb green{0, 200, 0};
constexpr Rgb dark_green{0, 127, 0};
constexpr Rgb magenta{200, 0, 200};
constexpr Rgb grey{127, 127, 127};
constexpr Rgb dark_red{127, 0, 0};
constexpr Rgb purple{120, 0, 95};
constexpr int sweep_points = 50;

struct Units {
    Rect client, plot;
    int H = 0, h = 0, h12 = 0, h13 = 0, h15 = 0;
};

void measure_units(Canvas& dc, Units& u)
{
    u.H = (u.client.bottom - u.client.top) / 32;
    u.h15 = steel_extent(dc, "Wg", 3 * u.H / 2).cy;
    u.h13 = steel_extent(dc, "Wg", mul(1.3, u.H)).cy;
    u.h12 = steel_extent(dc, "Wg", mul(1.2, u.H)).cy;
    u.h = steel_extent(dc, "Wg", u.H).cy;
}

// A legend entry: the label at (plot right + 2h, plot top + row h), its
// sample line from plot right + w + 3h to `line_end`, twice.
void legend_entry(Canvas& dc, const Units& u, const std::string& label, Rgb colour, const Pen& pen, int row,
                  int line_end)
{
    steel_font(dc, u.H);
    const Size s = dc.text_extent(label);
    text_at(dc, u.plot.right + 2 * s.cy, u.plot.top + row * s.cy, label, colour);
    legend_line(dc, pen, u.plot.right + s.cx + 3 * s.cy, line_end, u.plot.top + mul(row + 0.5, s.cy));
}

void centred_text(Canvas& dc, const Units& u, const std::string& text, int font_height, int y, Rgb colour)
{
    const Size s = steel_extent(dc, text, font_height);
    text_at(dc, u.client.left + (u.client.right - u.client.left - s.cx) / 2, y, text, colour);
}

std::string point_line(double y, double z)
{
    return steel_text(pick(point_coordinates), {steel_number(y), steel_number(z)});
}

// Vertical grid at the x ticks, horizontal lines at the share ticks, the
// right edge (and the top edge).
void share_grid(Canvas& dc, const Units& u, const AutoAxis& x, const std::vector<double>& ticks, bool top_edge)
{
    const WorldBox box{x.min, 100, x.max, 0};
    dc.select_pen(pen_of(PenStyle::dot, 1, grey));
    draw_vertical_grid(dc, u.plot, box, x.count, x.ticks);
    draw_horizontal_grid(dc, u.plot, box, static_cast<int>(ticks.size()) - 1, ticks);
    dc.move_to(u.plot.right, u.plot.top);
    dc.line_to(u.plot.right, u.plot.bottom);
    if (top_edge) {
        dc.move_to(u.plot.left, u.plot.top);
        dc.line_to(u.plot.right, u.plot.top);
    }
}

void x_axis_line(Canvas& dc, const Units& u, const AutoAxis& x, Rgb pen_colour)
{
    steel_font(dc, u.H);
    dc.select_pen(pen_of(PenStyle::solid, 2, pen_colour));
    dc.set_text_color(black);
    draw_x_axis(dc, u.plot.bottom, u.plot.left, u.plot.right, x.min, x.max, x.count, 6, x.ticks);
}

double share_of(const IonSteel& s, int which)
{
    switch (which) {
    case 0: return 100 * s.martensite;
    case 1: return 100 * s.bainite;
    case 2: return 100 * s.ferrite_pearlite;
    default: return s.hv;
    }
}

const std::array<const char*, 8> ion_element_symbols{"C", "Si", "Mn", "P", "S", "Cr", "Ni", "Cu"};
const Text5 chemistry_title_line2{"upon of chemical composition", "в зависимости от химического состава",
                                  "в залежності від хімічного складу", "Je nach dem chemischen Zusammensetzung",
                                  "En fonction de la composition chimique"};

} // namespace

void ion_hardness_vs_chemistry_window(const double* params, int, Window* window, Canvas& dc, int selector,
                                      CompositionRecord composition, int)
{
    if (!params) return;
    // The depth is taken inside the body at the point's lateral position; a
    // depth beyond it is reported and taken at the body's far face.
    double record[4] = {params[0], params[1], params[2], params[3]};
    if (current_model.prepare) current_model.prepare();
    if (current_model.depth_range) {
        double zmin = 0, zmax = 0;
        current_model.depth_range(record[0], zmin, zmax);
        if (record[1] < zmin) record[1] = zmin;
        if (record[1] > zmax) {
            show_window_message(window, cformat("z превышает толщину пластины z=%-.6g > толщина =%-.6g", record[1], zmax),
                                "  Внимание!");
            record[1] = zmax;
        }
    }
    SteelPoint p;
    if (!steel_point_usable(window, p, steel_point_at_entry(record, p), true)) return;
    const int k = selector >= 0 && selector < IonSteel::sweep_count ? selector : 0;

    Units u;
    u.client = steel_client_rect(window, dc);
    steel_clear(dc, u.client);
    measure_units(dc, u);
    u.plot = plot_rect(u.client, {.left = 10, .top = 7, .right = 14, .bottom = 12}, u.h);
    const std::string text = ion_composition_text(composition);
    IonSteel steel = ion_steel_from(composition);
    steel_font(dc, u.H);
    steel.draw_composition_table(u.client.left + 10, u.client.top + mul(3.0, u.h), 50, 20, dc);
    const Rgb saved = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    const SteelSummary summary = steel_summary();

    std::vector<double> xs(sweep_points), ys(sweep_points);
    // The largest carbon equivalent of the sweep at which the model left its
    // range; not a number while it stayed inside.
    double limited_ce = std::nan("");
    auto sweep = [&](int which) {
        for (int i = 0; i < sweep_points; ++i) {
            xs[static_cast<std::size_t>(i)] = steel.ion_vary_element(k, i, sweep_points);
            bool limited = false;
            ion_evaluate(steel, p.t, &limited);
            if (limited) limited_ce = std::fmax(limited_ce, ion_carbon_equivalent(steel));
            ys[static_cast<std::size_t>(i)] = share_of(steel, which);
        }
        steel.parse_composition(text);   // the element back at its entered content
    };
    struct Curve {
        int which;
        Pen pen;
        Rgb label_colour;
        int row;
        std::string label;
    };
    const Curve curves[] = {
        {0, pen_of(PenStyle::solid, 1, red), rgb(128, 0, 0), 4, steel_text(pick(martensite_label))},
        {1, pen_of(PenStyle::dash, 1, dark_blue), dark_blue, 6, steel_text(pick(bainite_label))},
        {2, pen_of(PenStyle::dot, 1, green), green, 8, steel_text(pick(ferrite_pearlite_unit))},
        {3, pen_of(PenStyle::dash_dot_dot, 1, magenta), magenta, 10, steel_text(pick(ion_hardness_label))},
    };
    const std::vector<double> share_ticks = scale_ticks(0, 20, 6);
    const std::vector<double> hv_ticks{80, 150, 200, 250, 300, 350, 400, 450, 500};
    AutoAxis x;
    for (const Curve& c : curves) {
        sweep(c.which);
        if (c.which == 0) {
            double lo = 0, hi = 0;
            value_range(xs, lo, hi);
            x = auto_axis(lo, hi);
        }
        const WorldBox box = c.which == 3 ? WorldBox{x.min, 500, x.max, 80} : WorldBox{x.min, 100, x.max, 0};
        draw_steel_curve(dc, c.pen, xs, ys, u.plot, box);
        legend_entry(dc, u, c.label, c.label_colour, c.pen, c.row, u.client.right - u.h);
        if (c.which == 0) {
            share_grid(dc, u, x, share_ticks, false);
            steel_y_axis(dc, u.plot.left, u.plot, 100, 0, share_ticks, pen_of(PenStyle::solid, 2, black), black);
            x_axis_line(dc, u, x, black);
            rotated_axis_title(dc, steel_text(pick(structure_axis)), 3 * u.H / 2, u.plot.left - mul(2.5, u.h15),
                               u.plot, black, u.H);
        } else if (c.which == 3) {
            rotated_axis_title(dc, c.label, 3 * u.H / 2, u.client.left + u.h15, u.plot, magenta, u.H);
            steel_y_axis(dc, u.plot.left - 5 * u.h, u.plot, 500, 80, hv_ticks,
                         pen_of(PenStyle::solid, 2, magenta), magenta);
        }
    }
    x_axis_line(dc, u, x, black);

    steel_font(dc, mul(1.3, u.H));
    const int title_y = u.client.top + mul(0.3, u.h);
    text_at(dc, u.client.left + 2 * u.h, title_y, pick(ion_title_at_point), dark_red);
    text_at(dc, u.client.left + 2 * u.h,
            std::max(u.client.top + mul(1.5, u.h), row_under(dc, title_y, pick(ion_title_at_point))),
            pick(chemistry_title_line2), dark_red);
    centred_text(dc, u, steel_text("%s, %%", {ion_element_symbols[static_cast<std::size_t>(k)]}), mul(1.3, u.H),
                 u.plot.bottom + mul(1.3, u.h13), black);
    const std::string model = steel_text(pick(model_line), {summary.title});
    select_fitting_font(dc, model, mul(1.3, u.H), u.plot.left, u.client.right);
    text_at(dc, u.plot.left, u.plot.bottom + mul(2.5, u.h13), model, purple);
    centred_text(dc, u, point_line(p.y, p.z), u.H, u.plot.bottom + mul(3.8, u.h13), black);
    dc.set_text_color(saved);
    draw_steel_panel(dc, u.client, panel_without_speed_and_power, u.h);
    if (!std::isnan(limited_ce)) steel_report_ion_range(window, limited_ce);
}

// ---------------------------------------------------------------------------
// Regime windows

namespace {

const Text5 energy_title_1{"Prediction of hardness in carbon - manganous steel",
                           "Предсказание твёрдости в углеродно-марганцевых сталях",
                           "Передбачення твердості в вуглецево-марганцевих сталях",
                           "Die Voraussage der Härte in kohlenstoff mangan stahl ",
                           "La prédiction de la fermeté à carbone - manganeux l'acier "};
const Text5 energy_title_2{"depending on energy on unit of length on model of an Ion",
                           "в зависимости от погонной энергии по модели Иона",
                           "в залежності від погонної енергії за моделю Іона",
                           "Je nach der Energie auf Einheit der Länge nach dem Modell Iones",
                           "en fonction de l'énergie par unité de la longueur selon le modèle de L'ion"};
const Text5 energy_axis_length{"Energy on unit of length, J/cm 10*3", "Погонная энергия, Дж/см 10*3",
                               "Погонна енергія, Дж/см 10*3", "Energie auf Einheit der Länge, J/cm 10*3",
                               "l'énergie par unité de la longueur, J/cm 10*3"};
const Text5 energy_axis_area{"Energy on unit of length, J/cm2 10*3", "Погонная энергия, Дж/см2 10*3",
                             "Погонна енергія, Дж/см2 10*3", "Energie auf Einheit der Länge, J/cm2 10*3",
                             "l'énergie par unité de la longueur, J/cm2 10*3"};
const Text5 preheat_title_2{"Preheating, C", "от предварительного подогрева", "від попереднього підігріву",
                            "von der vorläufigen Erwärmung", "de la chauffe préliminaire"};
const Text5 thickness_title_2{"on thickness of a plate", "от толщины пластины", "від товщини пластини",
                              "von der Dicke der Platte", "de l'épaisseur de la plaque"};
const Text5 thickness_axis{"on thickness of a plate", "Толщина пластины,см", "Товщина пластини",
                           "Dicke der Platte", "L'épaisseur de la plaque"};
const Text5 time_850_500 = same_in_every_language(steel_time_850_500);
const Text5 hv30_hardness = same_in_every_language(steel_hv30_hardness);

// A line height: of the base font H (h) or of the 1.2 H, 1.3 H or 3H/2 font
// (h12, h13, h15).
enum class Unit { h, h12, h13, h15 };

int in_units(const Units& u, double count, Unit unit)
{
    switch (unit) {
    case Unit::h: return mul(count, u.h);
    case Unit::h12: return mul(count, u.h12);
    case Unit::h13: return mul(count, u.h13);
    case Unit::h15: return mul(count, u.h15);
    }
    return 0;
}

// The font whose line height the unit is.
int font_of(const Units& u, Unit unit)
{
    switch (unit) {
    case Unit::h: return u.H;
    case Unit::h12: return mul(1.2, u.H);
    case Unit::h13: return mul(1.3, u.H);
    case Unit::h15: return 3 * u.H / 2;
    }
    return u.H;
}

// The curve after which a piece of the plot is drawn: the martensite curve
// (the first) or the hardness curve (the last, after its own axis).
enum class After { martensite, hardness };

// Where a regime window puts its rows and columns and what it writes there.
struct IonRegimeLayout {
    RegimeSweep kind;
    PlotMargins margins;   // in h
    double table_row;   // the composition table, in h under the client's top
    int t_axis_column;   // in h from the client's left
    const Text5* t_title;
    double t_title_column;   // in h12 from the client's left
    // The curve labels that differ between the windows.
    const Text5* bainite_label;
    Rgb ferrite_pearlite_pen;
    const Text5* hardness_label;
    // The share axis with its grid; after the hardness curve the x axis
    // follows it in dark red, otherwise the x axis is drawn last, in black.
    After share_axis;
    After share_title;
    Unit share_title_font;   // its column is 2.5 of these left of the plot
    const Text5* hardness_title;
    double hardness_title_column;   // in h12 from the client's left
    // The hardness axis: a number of units right of the client's or the
    // plot's left edge (negative: left of it).
    bool hardness_axis_from_client;
    double hardness_axis_column;
    Unit hardness_axis_unit;
    // The two title rows in the 1.3 H font: the first 0.3 units under the
    // client's top, the second title_row_2 units; both title_column units
    // right of the client's left.
    const Text5* title_1;
    const Text5* title_2;
    Unit title_unit;
    double title_column, title_row_2;
    // The lines under the plot; their rows in the line height of their font.
    const Text5* x_title;   // null: energy per unit length or area, as the sweep took it
    Unit x_title_font;
    double x_title_row;
    Rgb x_title_colour;
    Unit model_font;
    bool model_centred;   // else at the plot's left
    double model_row, point_row;   // in the model line's font
    PanelRows panel;
};

const IonRegimeLayout energy_layout{
    .kind = RegimeSweep::energy,
    .margins = {.left = 12, .top = 7, .right = 14, .bottom = 12},
    .table_row = 3.0,
    .t_axis_column = 3,
    .t_title = &cooling_time_short,
    .t_title_column = 0.3,
    .bainite_label = &bainite_label,
    .ferrite_pearlite_pen = green,
    .hardness_label = &ion_hardness_label,
    .share_axis = After::martensite,
    .share_title = After::martensite,
    .share_title_font = Unit::h15,
    .hardness_title = &ion_hardness_label,
    .hardness_title_column = 4,
    .hardness_axis_from_client = true,
    .hardness_axis_column = 8,
    .hardness_axis_unit = Unit::h,
    .title_1 = &energy_title_1,
    .title_2 = &energy_title_2,
    .title_unit = Unit::h,
    .title_column = 2,
    .title_row_2 = 1.5,
    .x_title = nullptr,
    .x_title_font = Unit::h13,
    .x_title_row = 1.3,
    .x_title_colour = dark_red,
    .model_font = Unit::h12,
    .model_centred = false,
    .model_row = 2.5,
    .point_row = 3.8,
    .panel = {.speed = false, .power = false, .initial_temperature = true, .thickness = true},
};

const IonRegimeLayout preheat_layout{
    .kind = RegimeSweep::preheat,
    .margins = {.left = 12, .top = 7, .right = 14, .bottom = 10},
    .table_row = 3.3,
    .t_axis_column = 4,
    .t_title = &cooling_time_short,
    .t_title_column = 0.3,
    .bainite_label = &bainite_unit,
    .ferrite_pearlite_pen = green,
    .hardness_label = &ion_hardness_label,
    .share_axis = After::hardness,
    .share_title = After::hardness,
    .share_title_font = Unit::h12,
    .hardness_title = &hv30_hardness,
    .hardness_title_column = 4,
    .hardness_axis_from_client = false,
    .hardness_axis_column = -4,
    .hardness_axis_unit = Unit::h,
    .title_1 = &ion_dependence_title,
    .title_2 = &preheat_title_2,
    .title_unit = Unit::h12,
    .title_column = 1,
    .title_row_2 = 1.4,
    .x_title = &preheat_axis,
    .x_title_font = Unit::h13,
    .x_title_row = 1.1,
    .x_title_colour = black,
    .model_font = Unit::h13,
    .model_centred = true,
    .model_row = 2.5,
    .point_row = 3.8,
    .panel = {},
};

const IonRegimeLayout thickness_layout{
    .kind = RegimeSweep::thickness,
    .margins = {.left = 12, .top = 7, .right = 14, .bottom = 12},
    .table_row = 2.8,
    .t_axis_column = 4,
    .t_title = &time_850_500,
    .t_title_column = 0.1,
    .bainite_label = &bainite_unit_lower,
    .ferrite_pearlite_pen = dark_green,
    .hardness_label = &hv30_hardness,
    .share_axis = After::hardness,
    .share_title = After::martensite,
    .share_title_font = Unit::h15,
    .hardness_title = &hardness_title,
    .hardness_title_column = 3.8,
    .hardness_axis_from_client = false,
    .hardness_axis_column = -4,
    .hardness_axis_unit = Unit::h12,
    .title_1 = &ion_dependence_title,
    .title_2 = &thickness_title_2,
    .title_unit = Unit::h12,
    .title_column = 1,
    .title_row_2 = 1.4,
    .x_title = &thickness_axis,
    .x_title_font = Unit::h12,
    .x_title_row = 1.3,
    .x_title_colour = black,
    .model_font = Unit::h13,
    .model_centred = false,
    .model_row = 3.0,
    .point_row = 4.3,
    .panel = {},
};

// The structure shares and the hardness of the model at each cooling time
// of the sweep (a gap where the point has none), in the order the curves
// are drawn: martensite, bainite, ferrite and pearlite, HV.
struct IonCurves {
    std::array<std::vector<double>, 4> values;
    bool limited = false;   // the composition is fixed: one carbon equivalent
};

IonCurves compute_curves(IonSteel& steel, const std::vector<double>& times)
{
    IonCurves c;
    for (int which = 0; which < 4; ++which) {
        std::vector<double>& ys = c.values[static_cast<std::size_t>(which)];
        ys.resize(times.size());
        for (std::size_t i = 0; i < times.size(); ++i) {
            if (!std::isfinite(times[i])) {
                ys[i] = std::nan("");
                continue;
            }
            ion_evaluate(steel, times[i], &c.limited);
            ys[i] = share_of(steel, which);
        }
    }
    return c;
}

// The t8/5 axis's ticks: all but the last of its range.
std::span<const double> time_ticks(const AutoAxis& t)
{
    const auto shown =
        static_cast<std::size_t>(std::min<int>(std::max(1, t.count - 1), static_cast<int>(t.ticks.size())));
    return std::span(t.ticks).first(shown);
}

const std::vector<double> hv_ticks = scale_ticks(80, 30, 15);
const std::vector<double> share_ticks = scale_ticks(0, 10, 11);

// Left of the plot, the x of each turned title and the x of each axis.
struct LeftColumns {
    int t_title = 0, t_axis = 0, hardness_title = 0, hardness_axis = 0, share_title = 0;
};

// The t8/5 title, its axis's labels, the hardness title, its axis's labels,
// the structure title and the share axis's labels at the plot's edge, each
// moved the least distance that clears the others.
LeftColumns left_columns(Canvas& dc, const IonRegimeLayout& layout, const Units& u, const AutoAxis& t)
{
    steel_font(dc, u.H);
    const int t_width = y_axis_label_width(dc, time_ticks(t));
    const int hv_width = y_axis_label_width(dc, hv_ticks);
    const int share_width = y_axis_label_width(dc, share_ticks);
    PlotColumn t_title = turned_title_column(dc, pick(*layout.t_title), mul(1.2, u.H),
                                             u.client.left + mul(layout.t_title_column, u.h12), u.H);
    const int t_axis = u.client.left + layout.t_axis_column * u.h;
    PlotColumn t_labels{t_axis - t_width, t_width};
    PlotColumn hv_title = turned_title_column(dc, steel_text(pick(*layout.hardness_title)), mul(1.2, u.H),
                                              u.client.left + mul(layout.hardness_title_column, u.h12), u.H);
    const int from = layout.hardness_axis_from_client ? u.client.left : u.plot.left;
    const int hv_axis = from + in_units(u, layout.hardness_axis_column, layout.hardness_axis_unit);
    PlotColumn hv_labels{hv_axis - hv_width, hv_width};
    PlotColumn share_title =
        turned_title_column(dc, steel_text(pick(structure_axis)), font_of(u, layout.share_title_font),
                            u.plot.left - in_units(u, 2.5, layout.share_title_font), u.H);
    PlotColumn share_labels{u.plot.left - share_width, share_width, true};
    const std::array<PlotColumn*, 6> all{&t_title, &t_labels, &hv_title, &hv_labels, &share_title, &share_labels};
    clear_columns(all);
    return {t_title.x, t_labels.end(), hv_title.x, hv_labels.end(), share_title.x};
}

void draw_time_curve(Canvas& dc, const IonRegimeLayout& layout, const Units& u, const LeftColumns& columns,
                     const SteelSweep& r, const AutoAxis& x, const AutoAxis& t)
{
    const std::string t_label = pick(cooling_time_short);
    const Pen t_pen = pen_of(PenStyle::solid, 1, blue);
    steel_font(dc, u.H);
    steel_y_axis(dc, columns.t_axis, u.plot, t.max, t.min, time_ticks(t), pen_of(PenStyle::solid, 2, blue), blue);
    rotated_axis_title(dc, pick(*layout.t_title), mul(1.2, u.H), columns.t_title, u.plot, blue, u.H);
    draw_steel_curve(dc, t_pen, r.x, r.time, u.plot, WorldBox{x.min, t.max, x.max, t.min});
    steel_font(dc, u.H);
    const int a = dc.text_extent(t_label).cx / std::max<int>(1, static_cast<int>(t_label.size()));
    legend_entry(dc, u, t_label, blue, t_pen, 12, u.client.right - 2 * a);
}

void draw_model_curves(Canvas& dc, const IonRegimeLayout& layout, const Units& u, const LeftColumns& columns,
                       const std::vector<double>& xs, const AutoAxis& x, const IonCurves& curves)
{
    struct Curve {
        int which;
        Pen pen;
        Rgb label_colour;
        int row;
        const Text5* label;
    };
    const Curve drawn[] = {
        {0, pen_of(PenStyle::solid, 1, red), red, 4, &martensite_unit},
        {1, pen_of(PenStyle::dash_dot, 1, dark_blue), dark_blue, 6, layout.bainite_label},
        {2, pen_of(PenStyle::dash_dot, 1, layout.ferrite_pearlite_pen), green, 8, &ferrite_pearlite_unit},
        {3, pen_of(PenStyle::dash_dot_dot, 1, magenta), magenta, 10, layout.hardness_label},
    };
    auto share_axis_and_grid = [&] {
        share_grid(dc, u, x, share_ticks, true);
        steel_y_axis(dc, u.plot.left, u.plot, 100, 0, share_ticks, pen_of(PenStyle::solid, 2, black), black);
    };
    auto share_title = [&] {
        rotated_axis_title(dc, steel_text(pick(structure_axis)), font_of(u, layout.share_title_font),
                           columns.share_title, u.plot, black, u.H);
    };
    for (const Curve& c : drawn) {
        const WorldBox box = c.which == 3 ? WorldBox{x.min, 500, x.max, 80} : WorldBox{x.min, 100, x.max, 0};
        draw_steel_curve(dc, c.pen, xs, curves.values[static_cast<std::size_t>(c.which)], u.plot, box);
        legend_entry(dc, u, steel_text(pick(*c.label)), c.label_colour, c.pen, c.row, u.client.right - u.h);
        const After now = c.which == 0 ? After::martensite : After::hardness;
        if (c.which == 3) {
            rotated_axis_title(dc, steel_text(pick(*layout.hardness_title)), mul(1.2, u.H), columns.hardness_title,
                               u.plot, magenta, u.H);
            steel_y_axis(dc, columns.hardness_axis, u.plot, 500, 80, hv_ticks, pen_of(PenStyle::solid, 2, magenta),
                         magenta);
        } else if (c.which != 0) {
            continue;
        }
        if (layout.share_axis == now) {
            share_axis_and_grid();
            if (now == After::hardness) x_axis_line(dc, u, x, dark_red);
        }
        if (layout.share_title == now) share_title();
    }
    if (layout.share_axis == After::martensite) x_axis_line(dc, u, x, black);
}

// The title's two lines: the second at its row, or under the first's ink
// where a large font brings that lower; the font of the title stays selected.
struct TitleRows {
    int first, second, second_cell_bottom;
};

TitleRows regime_title_rows(Canvas& dc, const IonRegimeLayout& layout, const Units& u)
{
    steel_font(dc, mul(1.3, u.H));
    TitleRows r;
    r.first = u.client.top + in_units(u, 0.3, layout.title_unit);
    r.second = std::max(u.client.top + in_units(u, layout.title_row_2, layout.title_unit),
                        row_under(dc, r.first, pick(*layout.title_1)));
    r.second_cell_bottom = r.second + dc.text_extent(pick(*layout.title_2)).cy;
    return r;
}

const Text5* regime_x_title(const IonRegimeLayout& layout)
{
    if (layout.x_title) return layout.x_title;
    return current_model.thickness && current_model.thickness() > 0 ? &energy_axis_area : &energy_axis_length;
}

// How far the lines under the x title move down: by the x title's ink below
// its cell and by the note of the points left out under it.
int regime_lines_shift(Canvas& dc, const IonRegimeLayout& layout, const Units& u, const SweepGaps& gaps)
{
    MeasuringCanvas m(dc);
    const std::string x_title = pick(*regime_x_title(layout));
    const int x_font = font_of(u, layout.x_title_font);
    const int x_title_y = u.plot.bottom + in_units(u, layout.x_title_row, layout.x_title_font);
    const int cell_bottom = x_title_y + steel_extent(m, "Wg", x_font).cy;
    const int title_bottom = std::max(cell_bottom, row_under(m, x_title_y, x_title));
    return steel_sweep_note_under(m, gaps, u.client, u.H, title_bottom) - cell_bottom;
}

// Titles, the x title with the note of the points left out under it, the
// model line (the summary of the regime of the last sweep point) and the
// point line; the lines under the note move down by its height.
void draw_regime_texts(Canvas& dc, const IonRegimeLayout& layout, const Units& u, const SteelPoint& p,
                       const SweepGaps& gaps)
{
    const SteelSummary summary = steel_summary();
    const TitleRows rows = regime_title_rows(dc, layout, u);
    const int title_x = u.client.left + in_units(u, layout.title_column, layout.title_unit);
    text_at(dc, title_x, rows.first, pick(*layout.title_1), dark_red);
    text_at(dc, title_x, rows.second, pick(*layout.title_2), dark_red);

    const Text5* x_title = regime_x_title(layout);
    const int x_font = font_of(u, layout.x_title_font);
    const int x_title_y = u.plot.bottom + in_units(u, layout.x_title_row, layout.x_title_font);
    centred_text(dc, u, pick(*x_title), x_font, x_title_y, layout.x_title_colour);
    const int cell_bottom = x_title_y + steel_extent(dc, "Wg", x_font).cy;
    const int title_bottom = std::max(cell_bottom, row_under(dc, x_title_y, pick(*x_title)));
    const int shift = steel_sweep_note_under(dc, gaps, u.client, u.H, title_bottom) - cell_bottom;

    const std::string model = steel_text(pick(model_line), {summary.title});
    const int model_font = font_of(u, layout.model_font);
    const int model_y =
        std::max(u.plot.bottom + in_units(u, layout.model_row, layout.model_font) + shift, cell_bottom + shift);
    if (layout.model_centred) {
        centred_text(dc, u, model, select_fitting_font(dc, model, model_font, u.client.left, u.client.right), model_y,
                     purple);
    } else {
        select_fitting_font(dc, model, model_font, u.plot.left, u.client.right);
        text_at(dc, u.plot.left, model_y, model, purple);
    }
    centred_text(dc, u, point_line(p.y, p.z), u.H,
                 u.plot.bottom + in_units(u, layout.point_row, layout.model_font) + shift, black);
}

// A plot whose point line would reach the parameter panel gives up the rows
// it lacks (the lines under the plot stand on rows counted from its bottom).
void leave_room_for_lines(Canvas& dc, const IonRegimeLayout& layout, Units& u, const SteelPoint& p,
                          const SweepGaps& gaps)
{
    const int point_y =
        u.plot.bottom + in_units(u, layout.point_row, layout.model_font) + regime_lines_shift(dc, layout, u, gaps);
    steel_font(dc, u.H);
    const int over = row_under(dc, point_y, point_line(p.y, p.z)) - steel_panel_top(dc, u.client, u.h);
    if (over > 0) u.plot.bottom -= over;
}

void ion_regime_window(const IonRegimeLayout& layout, const double* params, Window* window, Canvas& dc,
                       const CompositionRecord& composition)
{
    if (!params) return;
    if (!steel_sweep_possible(window, layout.kind == RegimeSweep::thickness)) return;
    SteelPoint p;
    if (!steel_point_usable(window, p, steel_point_at_entry(params, p), true, true)) return;

    RegimeGuard regime;
    const SteelSweep r = run_steel_sweep(regime, layout.kind, params, sweep_points, true);
    if (r.usable == 0) {
        regime.restore();   // before a message lets anything else run
        steel_report_empty_sweep(window, r.gaps);
        return;
    }
    IonSteel steel = ion_steel_from(composition);
    const IonCurves curves = compute_curves(steel, r.time);
    double lo = 0, hi = 0;
    value_range(r.x, lo, hi);
    const AutoAxis x = auto_axis(lo, hi);
    value_range(r.time, lo, hi);
    const AutoAxis t = auto_axis(lo, hi);

    Units u;
    u.client = steel_client_rect(window, dc);
    steel_clear(dc, u.client);
    measure_units(dc, u);
    // The plot gives up the room of the note under it when points are left
    // out, so the lines under the note keep their places.
    u.plot = plot_rect(u.client, layout.margins, u.h, steel_sweep_note_room(dc, r.gaps, u.H));
    leave_room_for_lines(dc, layout, u, p, r.gaps);
    // The table stands under the title's cell where a short window brings
    // the title's second line down onto its row.
    const int table_y = std::max(u.client.top + mul(layout.table_row, u.h), regime_title_rows(dc, layout, u).second_cell_bottom);
    steel_font(dc, u.H);
    steel.draw_composition_table(u.client.left + 10, table_y, 50, 20, dc);
    const Rgb saved_colour = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    const LeftColumns columns = left_columns(dc, layout, u, t);
    draw_time_curve(dc, layout, u, columns, r, x, t);
    draw_model_curves(dc, layout, u, columns, r.x, x, curves);
    draw_regime_texts(dc, layout, u, p, r.gaps);
    dc.set_text_color(saved_colour);
    steel_font(dc, u.H);
    draw_steel_panel(dc, u.client, layout.panel, u.h);
    regime.restore();   // before a message lets anything else run
    if (curves.limited) steel_report_ion_range(window, ion_carbon_equivalent(steel));
}

} // namespace

void ion_hardness_vs_energy_window(const double* params, int, Window* window, Canvas& dc, int,
                                   CompositionRecord composition, int)
{
    ion_regime_window(energy_layout, params, window, dc, composition);
}

void ion_hardness_vs_preheat_window(const double* params, int, Window* window, Canvas& dc, int,
                                    CompositionRecord composition, int)
{
    ion_regime_window(preheat_layout, params, window, dc, composition);
}

void ion_hardness_vs_thickness_window(const double* params, int, Window* window, Canvas& dc, int,
                                      CompositionRecord composition, int)
{
    ion_regime_window(thickness_layout, params, window, dc, composition);
}
