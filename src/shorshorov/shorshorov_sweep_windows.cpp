// The Shorshorov dependence windows: the cooling rate at a point and the
// structure or the properties it gives, against the energy input, the
// preheat or the plate thickness. The six windows share one sweep and one
// page; the table below each routine says where they differ.
#include "shorshorov_frame.h"

#include "cooling_reports.h"
#include "fonts.h"
#include "lang.h"
#include "msgbox.h"
#include "numfmt.h"
#include "regime_sweep.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb rate_blue{0, 0, 200};

struct SweepResult {
    std::vector<double> x, W;
    std::vector<double> m, pb, f;          // structure
    std::vector<double> hv, a, rm, z;      // properties
    int last = 0;                          // index of the last point drawn
    int ranged = 0;                        // points that enter the ranges
    SweepGaps gaps;                        // the points left out of every curve, and why
};

// One value of the ordinate range: an empty range is widened by a quarter,
// and one that stays empty (at 0) by one, so nothing divides by zero.
void widen(double lo, double& hi)
{
    if (lo != hi) return;
    hi = 1.25 * lo;
    if (hi == lo) hi = lo + 1;
}

// One point of the sweep under the regime in force: its cooling rate and
// what the table gives there, into slot k of every curve. A point without a
// rate keeps its abscissa and is a gap (not a number) in every curve.
CoolingRate measure_point(bool structure, const ShorshorovPoint& p, const ShorshorovTable& table, SweepResult& r,
                          std::size_t k)
{
    const CoolingRate c = shorshorov_cooling_rate(p.y, p.z, p.T_from, p.T_to);
    const double W = c.rate;
    r.W[k] = W;
    const double lnW = std::log(W);
    const auto look_up = [&](ShorshorovColumn column) {
        return c.reached() ? shorshorov_lookup(table, column, lnW) : std::nan("");
    };
    if (structure) {
        const auto share = [&](ShorshorovColumn column) {
            return c.reached() ? std::min(100.0, std::fabs(look_up(column))) : std::nan("");
        };
        r.m[k] = share(ShorshorovColumn::martensite);
        r.f[k] = share(ShorshorovColumn::ferrite);
        r.pb[k] = share(ShorshorovColumn::pearlite_bainite);
    } else {
        r.hv[k] = look_up(ShorshorovColumn::hv);
        r.a[k] = look_up(ShorshorovColumn::a);
        r.rm[k] = look_up(ShorshorovColumn::rm);
        r.z[k] = look_up(ShorshorovColumn::z);
    }
    return c;
}

// The sweep: at every point its abscissa, its cooling rate and the look-ups,
// under the point's regime. The energy input takes steps + 1 points from the
// lower bounds to the upper ones; the preheat and the thickness 50 points,
// one step of |upper - lower| / 50 apart. Leaves the regime of the last
// point in force; the guard puts the saved one back.
SweepResult run_sweep(const RegimeGuard& guard, RegimeSweep kind, bool structure, const double* params, int steps,
                      const ShorshorovPoint& p, const ShorshorovTable& table)
{
    SweepResult r;
    const bool energy = kind == RegimeSweep::energy;
    const int points = energy ? std::clamp(steps, 1, 1000) + 1 : 50;
    const RegimePlan plan = regime_plan(kind, params, points, energy ? points - 1 : 50);
    const auto size = static_cast<std::size_t>(points);
    r.last = points - 1;
    r.ranged = energy ? points - 1 : points;
    r.gaps = SweepGaps(points);
    r.x.resize(size);
    r.W.resize(size);
    if (structure) {
        for (std::vector<double>* curve : {&r.m, &r.f, &r.pb}) curve->resize(size);
    } else {
        for (std::vector<double>* curve : {&r.hv, &r.a, &r.rm, &r.z}) curve->resize(size);
    }
    std::vector<CoolingRate> cooling(size);
    run_regime_sweep(guard, plan, [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        r.x[k] = planned_abscissa(plan, i, true);
        cooling[k] = measure_point(structure, p, table, r, k);
    });
    for (const CoolingRate& c : cooling) r.gaps.leave_out(c);
    return r;
}

struct PropertyBlock {
    const std::vector<double>* values;
    const std::vector<double>* column;   // range rows 0 and 1
    Rgb colour;
    PenStyle style;
    Text5 title;
    std::vector<double> ticks;
};

void vline(Canvas& dc, int x, int y0, int y1)
{
    dc.move_to(x, y0);
    dc.line_to(x, y1);
}

void sweep_window(RegimeSweep kind, bool structure, const double* params, int steps, Window* window, Canvas& dc,
                  const SteelChoice& steel)
{
    if (params == nullptr) return;
    if (current_model.prepare) current_model.prepare();
    ShorshorovTable table;
    {
        AtlasReadResult read;
        const bool usable = load_shorshorov_table(shorshorov_steel_path_of(steel), table, read);
        if (!read.ok) report_atlas_failure(window, read);
        if (!usable) return;
    }
    if (kind == RegimeSweep::thickness && !scheme_has_thickness()) {
        message_box(window, no_thickness_text(), "  Message!");
        return;
    }
    ShorshorovPoint p;
    if (!shorshorov_check_point(window, params, p, ShorshorovEntry::sweep)) return;

    RegimeGuard regime;   // gives the regime back on every path from here
    const SweepResult r = run_sweep(regime, kind, structure, params, steps, p, table);
    if (r.gaps.all()) {
        message_box(window, r.gaps.note(), "  Message!");
        return;
    }

    // The x axis spans every point asked for; the rate axis the rates drawn.
    double xmin = 0, xmax = 0, Wmin = 0, Wmax = 0, unused_lo = 0, unused_hi = 0;
    find_data_extent(r.ranged, r.x, r.x, xmin, xmax, unused_lo, unused_hi);
    find_data_extent(r.ranged, r.x, r.W, unused_lo, unused_hi, Wmin, Wmax);
    widen(Wmin, Wmax);
    widen(xmin, xmax);
    int nx = 7, nW = 7;
    double sx = 0, sW = 0;
    choose_tick_step(xmax - xmin, nx, sx);
    const std::vector<double> xt = tick_values(xmin, sx, nx);
    choose_tick_step(Wmax - Wmin, nW, sW);
    const std::vector<double> Wt = tick_values(Wmin, sW, nW);
    const WorldBox Wbox{xmin, Wmax, xmax, Wmin};
    const WorldBox sbox{xmin, 100, xmax, 0};

    const bool energy = kind == RegimeSweep::energy;
    const Rect client = window_drawing_rect(window, dc, 0);
    const int left = client.left, top = client.top, right = client.right, bottom = client.bottom;
    dc.rectangle(left, top, right, bottom);
    const int H = (bottom - top) / 32;
    // The properties window versus thickness measures its cell in the turned
    // text font and leaves that font selected for the rate axis' labels; the
    // others measure, and label the rate axis in, the font the canvas came with.
    if (kind == RegimeSweep::thickness && !structure) shorshorov_font(dc, H, 900);
    const int c0 = shorshorov_sample_height(dc);
    // A plot that leaves points out is less high by the note's line; the
    // lines under the note keep their places.
    const int note_room = shorshorov_note_room(dc, r.gaps, H);
    const Rect plot{left + (structure ? 8 : 12) * c0, top + 7 * c0, right - 7 * c0, bottom - 11 * c0 - note_room};
    const int L = plot.left, T = plot.top, R = plot.right, B = plot.bottom;

    // The rate axis, in the font c0 was measured in.
    dc.select_pen(Pen{PenStyle::solid, 2, rate_blue});
    dc.set_text_color(rate_blue);
    const int rate_axis_x = structure ? (energy ? L - static_cast<int>(4.2 * c0) : L - static_cast<int>(4.5 * c0))
                                      : left + static_cast<int>(3.5 * c0);
    draw_y_axis(dc, rate_axis_x, B, T, Wmax, Wmin, nW - 2, 6, Wt);
    static const Text5 rate_title{"W 8/5, K/s", "W 8/5, C/с", "W 8/5, C/с", "W 8/5, K/s", "W 8/5, K/s"};
    shorshorov_font(dc, H, 900);
    {
        const Size e = dc.text_extent(pick(rate_title));
        const int x = left + static_cast<int>(0.1 * e.cy);
        if (structure) {
            dc.text_out(x, T + (B - T + e.cx) / 2, pick(rate_title));
        } else {
            dc.text_out(x, B, pick(rate_title));
            vline(dc, left + static_cast<int>(0.6 * e.cy), static_cast<int>(B - e.cx - 0.5 * e.cy), T);
        }
    }
    shorshorov_font(dc, H);
    dc.set_text_color(black);
    dc.select_pen(Pen{PenStyle::solid, 2, rate_blue});
    draw_polyline(dc, r.last, r.x, r.W, 1, plot, Wbox);
    const bool markers = structure && kind == RegimeSweep::preheat;
    if (markers) {
        dc.set_text_color(Rgb{0, 0, 255});
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, r.last, r.x, r.W, 5, 7, 0xC0, plot, Wbox, H);
        dc.set_background_mode(BackgroundMode::transparent);
        shorshorov_font(dc, H);
        dc.set_text_color(black);
    }

    const std::vector<double> pct{0, 20, 40, 60, 80, 100};
    const Pen grid{PenStyle::dot, 1, Rgb{127, 127, 127}};
    const Pen axis{PenStyle::solid, 2, black};
    if (structure) {
        dc.select_pen(grid);
        draw_vertical_grid(dc, plot, sbox, energy ? nx - 1 : nx - 2, xt);
        draw_horizontal_grid(dc, plot, sbox, 4, pct);
        if (kind != RegimeSweep::thickness) {
            vline(dc, R, T, B);
            dc.move_to(L, T);
            dc.line_to(R, T);
        }
        dc.select_pen(axis);
        dc.set_text_color(black);
        draw_x_axis(dc, B, L, R, xmin, xmax, energy ? nx - 1 : nx - 2, 6, xt);
        draw_y_axis(dc, L, B, T, 100, 0, 5, 6, pct);
        if (energy) {
            shorshorov_font(dc, static_cast<int>(1.2 * H), 900);
            shorshorov_draw_structure_title(dc, plot, L - 3 * shorshorov_sample_height(dc), static_cast<int>(1.2 * H));
        } else {
            shorshorov_font(dc, H, 900);
            shorshorov_draw_structure_title(dc, plot, left + 5 * shorshorov_sample_height(dc), H);
        }
        // The preheat window labels its legend in the markers' blue.
        shorshorov_draw_structure_curves(dc, client, plot, sbox, H, r.last, r.x, r.m, r.pb, r.f,
                                         markers ? std::optional<Rgb>(Rgb{0, 0, 255}) : std::nullopt);
        if (markers) {
            struct Mark {
                const std::vector<double>* v;
                int count, first;
                unsigned char glyph;
                int k;
            };
            const Mark marks[3] = {{&r.m, 3, 6, 0xC1, 4}, {&r.pb, 5, 2, 0xC2, 6}, {&r.f, 4, 7, 0xC3, 8}};
            static const Text5 labels[3] = {{"M, %", "M, %", "M, %", "M, %", "M, %"},
                                            {"P+B, %", "П+Б, %", "П+Б, %", "P+B, %", "P+B, %"},
                                            {"F, %", "Ф, %", "Ф, %", "F, %", "F, %"}};
            for (int i = 0; i < 3; ++i) {
                const Mark& mk = marks[i];
                dc.set_text_color(Rgb{0, 0, 255});
                dc.set_background_mode(BackgroundMode::opaque);
                draw_curve_markers(dc, r.last, r.x, *mk.v, mk.count, mk.first, mk.glyph, plot, sbox, H);
                shorshorov_font(dc, H);
                const Size e = dc.text_extent(pick(labels[i]));
                symbol_font.height = H;
                symbol_font.escapement = 0;
                symbol_font.weight = 400;
                symbol_font.charset = 2;
                symbol_font.face = "Zapfdingbats BT";
                dc.select_font(symbol_font);
                dc.text_out(right - 2 * e.cx / 5, T + mk.k * e.cy - 1, std::string(1, static_cast<char>(mk.glyph)));
                dc.set_background_mode(BackgroundMode::transparent);
                shorshorov_font(dc, H);
            }
        }
    } else {
        const std::vector<double> hv_ticks(shorshorov_hv_ticks.begin(), shorshorov_hv_ticks.end());
        const std::vector<double> a_ticks(shorshorov_a_ticks.begin(), shorshorov_a_ticks.end());
        const std::vector<double> rm_ticks(shorshorov_rm_ticks.begin(), shorshorov_rm_ticks.end());
        const WorldBox hv_box{xmin, table.hv[1], xmax, table.hv[0]};
        dc.select_pen(grid);
        draw_vertical_grid(dc, plot, hv_box, energy ? nx - 2 : nx, xt);
        draw_horizontal_grid(dc, plot, hv_box, energy ? 7 : 5, hv_ticks);
        vline(dc, R, T, B);
        dc.move_to(L, T);
        dc.line_to(R, T);
        dc.select_pen(axis);
        dc.set_text_color(black);
        draw_x_axis(dc, B, L, R, xmin, xmax, energy ? nx - 3 : nx - 1, 6, xt);
        draw_y_axis(dc, L, B, T, table.hv[1], table.hv[0], energy ? 7 : 6, 6, hv_ticks);

        const Text5 hv_title = energy ? Text5{"HV kg/mm2", "HV кг/мм2", "HV кг/мм2", "HV kg/mm2", "HV kg/mm2"}
                                      : Text5{"Hardness HV", "Твердость по Викерсу HV", "Твердість по Вікерсу HV",
                                              "Die Härte HV", "La fermeté HV"};
        const Text5 a_title{"Elongation A, %", "Относительное удлинение A, %", "Відносне подовження A, %",
                            "Die relative Verlängerung A, %", "L'allongement relatif A, %"};
        const Text5 rm_title =
            kind == RegimeSweep::thickness
                ? Text5{"Предел прочности Rm, MPa", "Предел прочности Rm, MPa", "Предел прочности Rm, MPa",
                        "Предел прочности Rm, MPa", "Предел прочности Rm, MPa"}
                : Text5{"Tensile strength Rm, MPa", "Предел прочности Rm, мПа", "Границя міцності Rm, мПа",
                        "Die Grenze der Haltbarkeit Rm, MPa", "La limite de la solidité Rm, MPa"};
        const Text5 z_title{"Reduction in area  Z, %", "Относительное сужение Z, %", "Відносне звуженння Z, %",
                            "Die relative Verengung Z, %", "Le rétrécissement relatif Z, %"};
        const PropertyBlock blocks[4] = {
            {&r.hv, &table.hv, Rgb{200, 0, 0}, PenStyle::solid, hv_title, hv_ticks},
            {&r.a, &table.a, Rgb{0, 127, 0}, PenStyle::dash_dot, a_title, a_ticks},
            {&r.rm, &table.rm, Rgb{255, 0, 255}, PenStyle::dot, rm_title, rm_ticks},
            {&r.z, &table.z, Rgb{150, 90, 150}, PenStyle::dash_dot, z_title, {}},
        };
        int c_prev = 0;   // height of the previous block's title
        for (int i = 0; i < 4; ++i) {
            const PropertyBlock& b = blocks[i];
            const WorldBox box{xmin, (*b.column)[1], xmax, (*b.column)[0]};
            if (i == 1 || i == 2) {
                dc.select_pen(Pen{PenStyle::solid, 2, b.colour});
                dc.set_text_color(b.colour);
                const int x = i == 1 ? L - 4 * c_prev : R + 5 * c_prev;
                draw_y_axis(dc, x, B, T, (*b.column)[1], (*b.column)[0], energy ? 8 : 7, 6, b.ticks);
            }
            shorshorov_font(dc, H, 900);
            dc.set_text_color(b.colour);
            const Size e = dc.text_extent(pick(b.title));
            const double c = e.cy;
            const double title_k[4] = {-3.0, energy ? -8.0 : -8.8, 1.0, -7.0};
            const double key_k[4] = {-2.5, energy ? -7.5 : -8.3, 1.5, -6.5};
            const int base = i == 2 ? R : L;
            dc.text_out(static_cast<int>(base + title_k[i] * c), B, pick(b.title));
            shorshorov_font(dc, H);
            const Pen pen{b.style, 1, b.colour};
            dc.select_pen(pen);
            const int kx = static_cast<int>(base + key_k[i] * c);
            const int ky = static_cast<int>(B - e.cx - 0.5 * c);
            vline(dc, kx, ky, T);
            if (i == 0 || i == 2) vline(dc, kx + 1, ky, T);
            draw_polyline(dc, r.last, r.x, *b.values, 2, plot, box);
            c_prev = e.cy;
        }
    }

    dc.select_pen(axis);
    dc.move_to(L, B);
    dc.line_to(R, B);
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{200, 200, 200}});
    dc.move_to(L, T);
    dc.line_to(R, T);

    static const Text5 energy_title{"Rate of energy input, kJ/cm", "Погонная энергия, KДж/см", "Погонна енергія, KДж/см",
                                    "Die Beziehung die Energie die Geschwindigkeit, kJ/cm",
                                    "La relation l'énergie la vitesse, kJ/cm"};
    static const Text5 preheat_title{"Preheating, C", "Подогрев, С", "Підігрів, С", "Die Anwärmung, C",
                                     "Ayant réchauffé, C"};
    static const Text5 thickness_title{"Thickness of a plate", "Толщина пластины", "Товщина пластини",
                                       "Die Dicke der Platte", "L'épaisseur de la plaque"};
    const Text5& x_title = energy ? energy_title : kind == RegimeSweep::preheat ? preheat_title : thickness_title;
    shorshorov_font(dc, (kind == RegimeSweep::thickness && !structure) ? static_cast<int>(1.2 * H) : static_cast<int>(1.4 * H));
    dc.set_text_color(black);
    {
        const Size e = dc.text_extent(pick(x_title));
        const int title_y = static_cast<int>(B + (energy ? 1.2 : 1.0) * e.cy);
        dc.text_out(left + (right - left - e.cx) / 2, title_y, pick(x_title));
        // Under the title, the points left out of the curves.
        shorshorov_font(dc, H);
        dc.set_text_color(shorshorov_title_colour);
        draw_sweep_gap_note(dc, r.gaps, left, right, title_y + e.cy);
    }

    // Titles of the six windows.
    static const Text5 titles[3][2] = {
        {{"Dependence  of mechanical properties upon heat input", "Зависимость механических свойств от погонной энергии",
          "Залежність механічних властивостей від погоної енергії",
          "Die Abhängigkeit der mechanischen Eigenschaften von der Beziehung die Energie die Geschwindigkeit",
          "La dépendance de laLa dépendance des propriétés mécaniques de la relation l'énergie la vitesse"},
         {"Dependence of phase structure on energy on unit of length", "Зависимость фазового состава от погонной энергии",
          "Залежність фазового складу від погонної енергії",
          "Die Abhängigkeit des Phasebestandes von der Energie auf Einheit der Länge",
          "La dépendance de la composition de phase de l'énergie par unité de la longueur"}},
        {{"Dependence of mechanical property on preliminary heating",
          "Зависимость механических свойства от предварительного подогрева",
          "Залежність механічних властивостей від попеднього підігріву",
          "Die Abhängigkeit der mechanischen Eigenschaft von der vorläufigen Erwärmung",
          "La dépendance de la propriété mécanique de la chauffe préliminaire"},
         {"Dependence of structures of preliminary heating", "Зависимость фазового состава от предварительного подогрева",
          "Залежність фазового складу від попеднього підігріву",
          "Die Abhängigkeit der structures von der vorläufigen Erwärmung",
          "La dépendance de la structures de la chauffe préliminaire"}},
        {{"Dependence of mechanical properties on thickness of a plate",
          "Зависимость механических свойств от толщины пластины", "Залежність механических свойств от толщины пластины",
          "Die Abhängigkeit der mechanischen Eigenschaften von der Dicke der Platte",
          "La dépendance des propriétés mécaniques de l'épaisseur de la plaque"},
         {"Dependence of phase structure on thickness of a plate", "Зависимость фазового состава от толщины пластины",
          "Залежність фазового складу від товщині пластини",
          "Die Abhängigkeit des Phasebestandes von der Dicke der Platte",
          "La dépendance de la composition de phase de l'épaisseur de la plaque"}},
    };
    // The panel and the model line show the regime the user entered, not the
    // last point of the sweep.
    regime.restore();
    shorshorov_draw_title(dc, client, H, pick(titles[static_cast<int>(kind)][structure ? 1 : 0]), true);
    int w = 0;
    const int c = shorshorov_draw_steel_lines(dc, client, H, table, steel, w);
    ShorshorovSteel s;
    s.shorshorov_parse_composition(table.file.composition_line);
    shorshorov_font(dc, H);
    const int comp_x = left + ((kind == RegimeSweep::thickness && !structure) ? 3 : 2) * c + w + 10;
    s.shorshorov_draw_composition_table(comp_x, client.top + static_cast<int>(2.8 * c), 20, 20, dc);

    if (!current_model.draw_panel) shorshorov_draw_parameters(dc, client, L, H, 0, 0, 0, 0);
    dc.set_text_color(shorshorov_title_colour);
    const std::string model = shorshorov_model_line(energy, energy && structure);
    if (energy) {
        shorshorov_font(dc, structure ? static_cast<int>(1.3 * H) : static_cast<int>(1.4 * H));
        const int x = structure ? L : left + (right - left - dc.text_extent(model).cx) / 2;
        dc.text_out(x, static_cast<int>(B + 3.0 * c) + note_room, model);
    } else {
        shorshorov_font(dc, (kind == RegimeSweep::thickness && !structure) ? static_cast<int>(1.2 * H)
                                                                      : static_cast<int>(1.4 * H));
        dc.text_out(L, static_cast<int>(B + 2.5 * c) + note_room, model);
    }
    const char* point_format = (lang_russian || lang_ukrainian) ? " (y=%g, см; z=%g, см)" : " (y=%g, sm; z=%g, sm)";
    const std::string point = cformat(point_format, p.y, p.z);
    shorshorov_font(dc, H);
    dc.set_text_color(black);
    dc.text_out(left + (right - left - dc.text_extent(point).cx) / 2,
                static_cast<int>(B + (energy ? 4.2 : 3.8) * c) + note_room, point);
    if (current_model.draw_panel) {
        dc.set_text_color(black);
        if (energy)
            current_model.draw_panel(dc, client, 0, 0, 1, 1);
        else
            current_model.draw_panel(dc, client, 1, 1, 1, 1);
    }
}

} // namespace

#define SHORSHOROV_SWEEP_WINDOW(name, kind, structure)                                                      \
    void name(const double* params, int steps, Window* window, Canvas& dc, int, SteelChoice steel, int)      \
    {                                                                                                        \
        sweep_window(kind, structure, params, steps, window, dc, steel);                                     \
    }

SHORSHOROV_SWEEP_WINDOW(shorshorov_structure_vs_energy_window, RegimeSweep::energy, true)
SHORSHOROV_SWEEP_WINDOW(shorshorov_properties_vs_energy_window, RegimeSweep::energy, false)
SHORSHOROV_SWEEP_WINDOW(shorshorov_structure_vs_preheat_window, RegimeSweep::preheat, true)
SHORSHOROV_SWEEP_WINDOW(shorshorov_properties_vs_preheat_window, RegimeSweep::preheat, false)
SHORSHOROV_SWEEP_WINDOW(shorshorov_structure_vs_thickness_window, RegimeSweep::thickness, true)
SHORSHOROV_SWEEP_WINDOW(shorshorov_properties_vs_thickness_window, RegimeSweep::thickness, false)

#undef SHORSHOROV_SWEEP_WINDOW
