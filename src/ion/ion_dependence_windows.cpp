// Structure and hardness of the Ion model versus one element's content and
// versus the welding regime: energy input, preheat and plate thickness.
#include "ion_windows.h"

#include "numfmt.h"
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
    u.plot = Rect{u.client.left + 10 * u.h, u.client.top + 7 * u.h, u.client.right - 14 * u.h,
                  u.client.bottom - 12 * u.h};
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
    text_at(dc, u.client.left + 2 * u.h, u.client.top + mul(0.3, u.h), pick(ion_title_at_point), dark_red);
    text_at(dc, u.client.left + 2 * u.h, u.client.top + mul(1.5, u.h), pick(chemistry_title_line2), dark_red);
    centred_text(dc, u, steel_text("%s, %%", {ion_element_symbols[static_cast<std::size_t>(k)]}), mul(1.3, u.H),
                 u.plot.bottom + mul(1.3, u.h13), black);
    steel_font(dc, mul(1.3, u.H));
    text_at(dc, u.plot.left, u.plot.bottom + mul(2.5, u.h13), steel_text(pick(model_line), {summary.title}), purple);
    centred_text(dc, u, point_line(p.y, p.z), u.H, u.plot.bottom + mul(3.8, u.h13), black);
    dc.set_text_color(saved);
    draw_steel_panel(dc, u.client, 0, 0, 1, 1, u.h);
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

void ion_regime_window(RegimeSweep kind, const double* params, Window* window, Canvas& dc,
                       const CompositionRecord& composition)
{
    if (!params) return;
    const bool energy = kind == RegimeSweep::energy;
    const bool preheat = kind == RegimeSweep::preheat;
    const bool thickness = kind == RegimeSweep::thickness;
    if (!steel_sweep_possible(window, thickness)) return;
    SteelPoint p;
    if (!steel_point_usable(window, p, steel_point_at_entry(params, p), true, true)) return;

    RegimeGuard regime;
    const SteelSweep r = run_steel_sweep(regime, kind, params, sweep_points, true);
    if (r.usable == 0) {
        regime.restore();   // before a message lets anything else run
        steel_report_empty_sweep(window, r.gaps);
        return;
    }

    Units u;
    u.client = steel_client_rect(window, dc);
    steel_clear(dc, u.client);
    measure_units(dc, u);
    // The plot gives up the room of the note under it when points are left
    // out, so the lines under the note keep their places.
    const int e = preheat ? 10 : 12;
    u.plot = Rect{u.client.left + 12 * u.h, u.client.top + 7 * u.h, u.client.right - 14 * u.h,
                  u.client.bottom - e * u.h - steel_sweep_note_room(dc, r.gaps, u.H)};
    IonSteel steel = ion_steel_from(composition);
    steel_font(dc, u.H);
    steel.draw_composition_table(u.client.left + 10, u.client.top + mul(energy ? 3.0 : preheat ? 3.3 : 2.8, u.h), 50,
                                 20, dc);
    const Rgb saved_colour = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    const std::vector<double>& xs = r.x;
    const std::vector<double>& ts = r.time;
    double lo = 0, hi = 0;
    value_range(xs, lo, hi);
    const AutoAxis x = auto_axis(lo, hi);
    value_range(ts, lo, hi);
    const AutoAxis t_axis = auto_axis(lo, hi);

    // t8/5.
    const std::string t_label = pick(cooling_time_short);
    const Pen t_pen = pen_of(PenStyle::solid, 1, blue);
    const int shown = std::max(1, t_axis.count - 1);
    steel_font(dc, u.H);
    steel_y_axis(dc, u.client.left + (energy ? 3 : 4) * u.h, u.plot, t_axis.max, t_axis.min,
                 std::span(t_axis.ticks).first(static_cast<std::size_t>(std::min<int>(shown, static_cast<int>(t_axis.ticks.size())))),
                 pen_of(PenStyle::solid, 2, blue), blue);
    rotated_axis_title(dc, thickness ? steel_time_850_500 : t_label, mul(1.2, u.H),
                       u.client.left + mul(thickness ? 0.1 : 0.3, u.h12), u.plot, blue, u.H);
    draw_steel_curve(dc, t_pen, xs, ts, u.plot, WorldBox{x.min, t_axis.max, x.max, t_axis.min});
    {
        steel_font(dc, u.H);
        const int a = dc.text_extent(t_label).cx / std::max<int>(1, static_cast<int>(t_label.size()));
        legend_entry(dc, u, t_label, blue, t_pen, 12, u.client.right - 2 * a);
    }

    const std::vector<double> share_ticks = scale_ticks(0, 10, 11);
    const std::vector<double> hv_ticks = scale_ticks(80, 30, 15);
    struct Curve {
        int which;
        Pen pen;
        Rgb label_colour;
        int row;
        std::string label;
    };
    const Rgb fp_colour = thickness ? dark_green : green;
    const Curve curves[] = {
        {0, pen_of(PenStyle::solid, 1, red), red, 4, steel_text(pick(martensite_unit))},
        {1, pen_of(PenStyle::dash_dot, 1, dark_blue), dark_blue, 6,
         steel_text(pick(energy ? bainite_label : preheat ? bainite_unit : bainite_unit_lower))},
        {2, pen_of(PenStyle::dash_dot, 1, fp_colour), green, 8, steel_text(pick(ferrite_pearlite_unit))},
        {3, pen_of(PenStyle::dash_dot_dot, 1, magenta), magenta, 10,
         thickness ? std::string(steel_hv30_hardness) : steel_text(pick(ion_hardness_label))},
    };
    auto share_axis_and_grid = [&] {
        share_grid(dc, u, x, share_ticks, true);
        steel_y_axis(dc, u.plot.left, u.plot, 100, 0, share_ticks, pen_of(PenStyle::solid, 2, black), black);
    };
    auto share_title = [&] {
        const int font = preheat ? mul(1.2, u.H) : 3 * u.H / 2;
        const int unit = preheat ? u.h12 : u.h15;
        rotated_axis_title(dc, steel_text(pick(structure_axis)), font, u.plot.left - mul(2.5, unit), u.plot, black,
                           u.H);
    };
    std::vector<double> ys(sweep_points);
    bool limited = false;   // the composition is fixed: one carbon equivalent
    for (const Curve& c : curves) {
        for (int i = 0; i < sweep_points; ++i) {
            const double t = ts[static_cast<std::size_t>(i)];
            if (!std::isfinite(t)) {
                ys[static_cast<std::size_t>(i)] = std::nan("");
                continue;
            }
            ion_evaluate(steel, t, &limited);
            ys[static_cast<std::size_t>(i)] = share_of(steel, c.which);
        }
        const WorldBox box = c.which == 3 ? WorldBox{x.min, 500, x.max, 80} : WorldBox{x.min, 100, x.max, 0};
        draw_steel_curve(dc, c.pen, xs, ys, u.plot, box);
        legend_entry(dc, u, c.label, c.label_colour, c.pen, c.row, u.client.right - u.h);
        if (c.which == 0 && energy) {
            share_axis_and_grid();
            share_title();
        } else if (c.which == 0 && thickness) {
            share_title();
        } else if (c.which == 3) {
            const std::string hv_title = energy ? c.label
                                         : preheat ? std::string(steel_hv30_hardness)
                                                   : steel_text(pick(hardness_title));
            rotated_axis_title(dc, hv_title, mul(1.2, u.H), u.client.left + mul(thickness ? 3.8 : 4, u.h12), u.plot,
                               magenta, u.H);
            const int axis_x = energy ? u.client.left + 8 * u.h : preheat ? u.plot.left - 4 * u.h : u.plot.left - 4 * u.h12;
            steel_y_axis(dc, axis_x, u.plot, 500, 80, hv_ticks, pen_of(PenStyle::solid, 2, magenta), magenta);
            if (!energy) {
                share_axis_and_grid();
                x_axis_line(dc, u, x, dark_red);
                if (preheat) share_title();
            }
        }
    }
    if (energy) x_axis_line(dc, u, x, black);

    // Texts, with the summary of the regime of the last sweep point. The
    // note of the points left out stands under the axis title; the lines
    // below it move down by its height.
    const SteelSummary summary = steel_summary();
    auto note_under = [&](int font_height, int axis_title_y) {
        const int title_bottom = axis_title_y + steel_extent(dc, "Wg", font_height).cy;
        return steel_sweep_note(dc, r.gaps, u.client, u.H, title_bottom) - title_bottom;
    };
    steel_font(dc, mul(1.3, u.H));
    if (energy) {
        text_at(dc, u.client.left + 2 * u.h, u.client.top + mul(0.3, u.h), pick(energy_title_1), dark_red);
        text_at(dc, u.client.left + 2 * u.h, u.client.top + mul(1.5, u.h), pick(energy_title_2), dark_red);
        const bool per_area = current_model.thickness && current_model.thickness() > 0;
        const int title_y = u.plot.bottom + mul(1.3, u.h13);
        centred_text(dc, u, pick(per_area ? energy_axis_area : energy_axis_length), mul(1.3, u.H), title_y,
                     dark_red);
        const int shift = note_under(mul(1.3, u.H), title_y);
        steel_font(dc, mul(1.2, u.H));
        text_at(dc, u.plot.left, u.plot.bottom + mul(2.5, u.h12) + shift,
                steel_text(pick(model_line), {summary.title}), purple);
        centred_text(dc, u, point_line(p.y, p.z), u.H, u.plot.bottom + mul(3.8, u.h12) + shift, black);
    } else {
        text_at(dc, u.client.left + u.h12, u.client.top + mul(0.3, u.h12), pick(ion_dependence_title), dark_red);
        text_at(dc, u.client.left + u.h12, u.client.top + mul(1.4, u.h12),
                pick(preheat ? preheat_title_2 : thickness_title_2), dark_red);
        if (preheat) {
            const int title_y = u.plot.bottom + mul(1.1, u.h13);
            centred_text(dc, u, pick(preheat_axis), mul(1.3, u.H), title_y, black);
            const int shift = note_under(mul(1.3, u.H), title_y);
            centred_text(dc, u, steel_text(pick(model_line), {summary.title}), mul(1.3, u.H),
                         u.plot.bottom + mul(2.5, u.h13) + shift, purple);
            centred_text(dc, u, point_line(p.y, p.z), u.H, u.plot.bottom + mul(3.8, u.h13) + shift, black);
        } else {
            const int title_y = u.plot.bottom + mul(1.3, u.h12);
            centred_text(dc, u, pick(thickness_axis), mul(1.2, u.H), title_y, black);
            const int shift = note_under(mul(1.2, u.H), title_y);
            steel_font(dc, mul(1.3, u.H));
            text_at(dc, u.plot.left, u.plot.bottom + mul(3.0, u.h13) + shift,
                    steel_text(pick(model_line), {summary.title}), purple);
            centred_text(dc, u, point_line(p.y, p.z), u.H, u.plot.bottom + mul(4.3, u.h13) + shift, black);
        }
    }
    dc.set_text_color(saved_colour);
    steel_font(dc, u.H);
    if (energy)
        draw_steel_panel(dc, u.client, 0, 0, 1, 1, u.h);
    else
        draw_steel_panel(dc, u.client, 1, 1, 1, 1, u.h);
    regime.restore();   // before a message lets anything else run
    if (limited) steel_report_ion_range(window, ion_carbon_equivalent(steel));
}

} // namespace

void ion_hardness_vs_energy_window(const double* params, int, Window* window, Canvas& dc, int,
                                   CompositionRecord composition, int)
{
    ion_regime_window(RegimeSweep::energy, params, window, dc, composition);
}

void ion_hardness_vs_preheat_window(const double* params, int, Window* window, Canvas& dc, int,
                                    CompositionRecord composition, int)
{
    ion_regime_window(RegimeSweep::preheat, params, window, dc, composition);
}

void ion_hardness_vs_thickness_window(const double* params, int, Window* window, Canvas& dc, int,
                                      CompositionRecord composition, int)
{
    ion_regime_window(RegimeSweep::thickness, params, window, dc, composition);
}
