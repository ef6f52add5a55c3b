// The structure windows of the regime sweeps: t8/5 and the four phase shares
// of the steel's structure table against the energy input, the preheat or
// the plate thickness. The three share one body; the swept quantity decides
// the layout details and texts.
#include "seyffarth_sweeps.h"
#include "seyffarth_frame.h"
#include "captions.h"

#include "heatsource.h"
#include "lang.h"
#include "steel_window_frame.h"

#include <cmath>

namespace {

struct PhaseStyle {
    int column;          // 0 M, 1 B, 2 P, 3 F
    PenStyle style;
    Rgb colour;
    unsigned char glyph;
    int row;
};

const Text5 phase_labels[4] = {
    {"Martensite, %", "Мартенсит, %", "Мартенсит, %", "Martensite, %", "Martensite, %"},
    {"Bainite, %", "Бейнит, %", "Бейніт, %", "Bainite, %", "Bainite, %"},
    {"Pearlite, %", "Перлит, %", "Перліт, %", "Pearlite, %", "Pearlite, %"},
    {"Ferrite, %", "Феррит, %", "Ферит, %", "Ferrite, %", "Ferrite, %"},
};
const Text5 beanite_label{"Beanite, %", "Бейнит, %", "Бейніт, %", "Beanite, %", "Beanite, %"};

const Text5 t85_text{"t 8/5, s", "t 8/5, с", "t 8/5, с", "t 8/5, s", "t 8/5, s"};
const Text5 structure_title_text{"Structure, %", "Структура, %", "Структура, %", "Die Struktur, %",
                                 "La structure, %"};

const Text5 titles[3] = {
    {"Dependence  of phase composition upon heat input", "Зависимость фазового состава от погонной энергии",
     "Залежність фазового складу від погоної енергії",
     "Die Abhängigkeit des Zusammensetzung von der Beziehung die Energie die Geschwindigkeit",
     "La dépendance de la composition de phase de la relation l'énergie la vitesse"},
    {"Dependence of structures of preliminary heating", "Зависимость фазового состава от предварительного подогрева",
     "Залежність фазового складу від попеднього підігріву",
     "Die Abhängigkeit der structures von der vorläufigen Erwärmung",
     "La dépendance de la structures de la chauffe préliminaire"},
    {"Dependence of phase structure on thickness of a plate", "Зависимость фазового состава от толщины пластины",
     "Залежність фазового складу від товщини пластини",
     "Die Abhängigkeit des Phasebestandes(Zusammensetzung) von der Dicke der Platte",
     "La dépendance de la composition de phase de l'épaisseur de la plaque"},
};
const Text5 atlas_line_seyffarth{"according to  atlas by P.Seyffarth", "по атласу П. Daverurud", "за атласом П. Daverurud",
                                 "nach dem Atlas P. Seyffarth", "selon l'atlas P. Seyffarth"};
const Text5 atlas_line_thickness{"under the atlas P. Seyffarth", "по атласу П. Daverurud", "за атласом П. Daverurud",
                                 "nach dem Atlas P. Seyffarth", "selon l'atlas P. Seyffarth"};

int kind_index(RegimeSweep kind)
{
    return kind == RegimeSweep::energy ? 0 : kind == RegimeSweep::preheat ? 1 : 2;
}

} // namespace

const Text5& seyffarth_x_title(RegimeSweep kind)
{
    static const Text5 x_titles[3] = {
        {"rate of energy input, kJ/cm", "Погонная энергия, KДж/см", "Погонна енергія, KДж/см",
         "Die Beziehung die Energie die Geschwindigkeit, kJ/cm", "La relation l'énergie la vitesse, kJ/cm"},
        {"Preheating, C", "Подогрев, С", "Підігрів, С", "Die Anwärmung, C", "Ayant réchauffé, C"},
        {"Thickness of a plate", "Толщина пластины", "Товщина пластини", "Die Dicke der Platte",
         "L'épaisseur de la plaque"},
    };
    return x_titles[kind_index(kind)];
}

const Text5& seyffarth_t85_text()
{
    return t85_text;
}

void structure_sweep_window(RegimeSweep kind, const double* params, int steps, Window* window, Canvas& dc,
                            const SteelChoice& steel)
{
    if (params == nullptr || !current_model.set_regime || !current_model.prepare || !current_model.temperature ||
        !current_model.velocity)
        return;
    const bool energy = kind == RegimeSweep::energy;
    const bool preheat = kind == RegimeSweep::preheat;
    const bool thickness = kind == RegimeSweep::thickness;

    const std::string class_name = seyffarth_sweep_class_name(steel.filter_index);
    SweepInput in = sweep_input_from_record(kind, params, steps);
    if (!steel_sweep_possible(window, thickness)) return;
    if (!sweep_entry_check(in, window)) return;
    const int N = in.plan.size();

    // The cooling times first: a sweep with no point to draw only says why.
    RegimeGuard regime;
    const SweepOutput t85 = run_seyffarth_sweep(regime, in);
    if (t85.gaps.all()) {
        regime.restore();
        steel_report_empty_sweep(window, t85.gaps);
        return;
    }

    // Page.
    const Rect client = steel_client_rect(window, dc);
    const int left = client.left, top = client.top, right = client.right, bottom = client.bottom;
    const int width = right - left;
    const int H = (bottom - top) / 30;
    steel_clear(dc, client);
    const int h = steel_extent(dc, "W", H).cy;
    Rect plot;
    plot.left = energy ? left + width / 5 : preheat ? static_cast<int>(left + width / 5.5) : left + width / 7;
    plot.right = right - width / 4;
    plot.top = top + 9 * h;
    // A plot that leaves points out is less high by the note's line, so the
    // lines under the note keep their places.
    plot.bottom = bottom - 10 * h - steel_sweep_note_room(dc, t85.gaps, H);
    const int L = plot.left, R = plot.right, T = plot.top, B = plot.bottom;

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    steel_font(dc, H);
    draw_sweep_composition(dc, client, descriptor, 5 * h);

    SweepTextBlock block;
    block.title = pick(titles[kind_index(kind)]);
    block.atlas_line = pick(thickness ? atlas_line_thickness : atlas_line_seyffarth);
    block.class_name = class_name;
    block.grade = descriptor.grade_line;
    block.y = in.y;
    block.z = in.z;
    if (!thickness) {
        block.panel = panel_without_speed_and_power;
    }

    // The structure table; a faulty one is reported and what it held soundly
    // is used.
    std::vector<StructureRow> rows;
    const AtlasReadResult table =
        read_structure_table(resolve_atlas_path(descriptor.structure, steel.file_name), rows);
    if (!table.ok) report_atlas_failure(window, table);
    if (rows.empty()) {
        draw_sweep_text_block(dc, client, H, block);
        return;
    }
    const int n = static_cast<int>(rows.size()) - 1;
    std::vector<double> X, columns[4];
    for (const StructureRow& r : rows) {
        X.push_back(r.x);
        columns[0].push_back(r.martensite);
        columns[1].push_back(r.bainite);
        columns[2].push_back(r.pearlite);
        columns[3].push_back(r.ferrite);
    }

    // t8/5 panel.
    const SweepRange range = sweep_range(t85.x, t85.t);
    const double xmin = range.x_min, xmax = range.x_max;
    int nt = 7;
    double tstep = 0;
    choose_tick_step(range.y_max - range.y_min, nt, tstep);
    const std::vector<double> tticks = tick_values(range.y_min, tstep, nt);
    const WorldBox tbox{xmin, range.y_max, xmax, range.y_min};
    const Rgb blue = mode_colour({0, 0, 255});
    {
        const int axis_x = energy ? L - 4 * h : preheat ? left + 4 * h : static_cast<int>(left + 3.5 * h);
        const int axis_width = (thickness && colour_mode == 0) ? 1 : 2;
        dc.set_text_color(blue);
        dc.select_pen(Pen{PenStyle::solid, axis_width, blue});
        steel_font(dc, H);
        draw_y_axis(dc, axis_x, B, T, range.y_max, range.y_min, nt - 2, 6, tticks);

        const std::string title = pick(t85_text);
        const int title_height = energy ? static_cast<int>(1.2 * H) : preheat ? H : static_cast<int>(1.1 * H);
        const Size ts = steel_extent(dc, title, title_height);
        const int title_x = energy ? static_cast<int>(left + 0.5 * ts.cy)
                            : preheat ? static_cast<int>(left + 0.1 * ts.cy)
                                      : static_cast<int>(left + 0.3 * h);
        steel_font(dc, title_height, 900);
        text_at(dc, title_x, T + (B - T + ts.cx) / 2, title, blue);

        steel_font(dc, H);
        const Pen curve_pen = (preheat && colour_mode == 0) ? Pen{PenStyle::solid, 2, {0, 0, 0}}
                                                             : Pen{PenStyle::solid, 1, blue};
        dc.select_pen(curve_pen);
        draw_polyline(dc, N - 1, t85.x, t85.t, 2, plot, tbox);
        dc.set_text_color(blue);
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, N - 1, t85.x, t85.t, 5, N / 7, 0xC0, plot, tbox, H);
        dc.set_background_mode(BackgroundMode::transparent);

        const Size ls = steel_extent(dc, title, H);
        const int cw = ls.cx / std::max(1, text_length(title));
        const double shift = preheat ? 1.2 : 3.2;
        text_at(dc, static_cast<int>(R + shift * cw), T + 11 * h, title, blue);
        legend_line(dc, curve_pen, R + ls.cx + static_cast<int>((shift + 0.8) * cw), right - 2 * cw,
                    static_cast<int>(T + 11.5 * h));
        draw_sweep_glyph(dc, right - 3 * h, static_cast<int>(T + 11 * h) - 1, 0xC0, H, blue);
    }

    // Phase panels.
    static const PhaseStyle energy_phases[4] = {
        {0, PenStyle::solid, {0, 127, 0}, 0xC1, 3},
        {1, PenStyle::dash_dot, {0, 127, 255}, 0xC2, 5},
        {2, PenStyle::dash, {127, 0, 0}, 0xC3, 7},
        {3, PenStyle::dot, {255, 127, 0}, 0xC4, 9},
    };
    static const PhaseStyle preheat_phases[4] = {
        {0, PenStyle::solid, {0, 127, 0}, 0xC1, 3},
        {1, PenStyle::dash_dot, {0, 127, 255}, 0xC2, 5},
        {3, PenStyle::dash_dot, {255, 127, 0}, 0xC3, 7},
        {2, PenStyle::dash, {127, 0, 0}, 0xC4, 9},
    };
    static const PhaseStyle thickness_phases[4] = {
        {0, PenStyle::solid, {0, 127, 0}, 0xC1, 3},
        {1, PenStyle::dot, {0, 127, 255}, 0xC2, 5},
        {2, PenStyle::dash_dot, {127, 0, 0}, 0xC3, 7},
        {3, PenStyle::dash, {255, 127, 0}, 0xC4, 9},
    };
    const PhaseStyle* phases = energy ? energy_phases : preheat ? preheat_phases : thickness_phases;
    const WorldBox sbox{xmin, 100, xmax, 0};
    const std::vector<double> structure_values{0, 20, 40, 60, 80, 100};
    int nx = 7;
    double xstep = 0;
    std::vector<double> xticks;
    const Pen x_axis_pen{PenStyle::solid, 2, mode_colour({127, 0, 0})};
    const Pen black2{PenStyle::solid, 2, {0, 0, 0}};

    std::vector<double> shares(static_cast<std::size_t>(std::max(N, 0)));
    for (int p = 0; p < 4; ++p) {
        const PhaseStyle& ph = phases[p];
        // Every curve is drawn over the one sweep of cooling times.
        const SweepOutput& s = t85;
        for (int i = 0; i < N; ++i) {
            const auto idx = static_cast<std::size_t>(i);
            shares[idx] = std::isfinite(s.t[idx]) ? seyffarth_phase_share(X, columns[ph.column], n, s.t[idx])
                                                  : std::nan("");
        }
        if (p == 0) {
            choose_tick_step(xmax - xmin, nx, xstep);
            xticks = tick_values(xmin, xstep, nx);
            dc.select_pen(Pen{PenStyle::dot, 1, mode_colour({127, 127, 127})});
            draw_vertical_grid(dc, plot, sbox, nx, xticks);
            draw_horizontal_grid(dc, plot, sbox, 5, structure_values);
            dc.move_to(R, T);
            dc.line_to(R, B);
            if (preheat) {
                dc.select_pen(black2);
                dc.set_text_color({0, 0, 0});
                steel_font(dc, H);
                draw_y_axis(dc, L, B, T, 100, 0, 5, 6, structure_values);
                dc.select_pen(x_axis_pen);
                draw_x_axis(dc, B, L, R, xmin, xmax, nx - 2, 6, xticks);
            }
            const std::string st = pick(structure_title_text);
            const Size ss = steel_extent(dc, st, static_cast<int>(1.2 * H));
            const int st_x = thickness ? static_cast<int>(L - 3 * h) : static_cast<int>(L - 3 * ss.cy);
            steel_font(dc, static_cast<int>(1.2 * H), 900);
            text_at(dc, st_x, T + (B - T + ss.cx) / 2, st, {0, 0, 0});
        }
        const Rgb colour = mode_colour(ph.colour);
        const Pen pen{ph.style, 1, colour};
        steel_font(dc, H);
        dc.select_pen(pen);
        draw_polyline(dc, N - 1, s.x, shares, 2, plot, sbox);
        dc.set_text_color(colour);
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, N - 1, s.x, shares, 5, N / 7, ph.glyph, plot, sbox, H);
        dc.set_background_mode(BackgroundMode::transparent);
        const std::string label =
            pick(thickness && ph.column == 1 ? beanite_label : phase_labels[ph.column]);
        const Size ls = steel_extent(dc, label, H);
        const int cw = ls.cx / std::max(1, text_length(label));
        text_at(dc, static_cast<int>(R + 1.2 * cw), T + ph.row * h, label, colour);
        legend_line(dc, pen, R + ls.cx + 2 * cw, right - 2 * cw, static_cast<int>(T + (ph.row + 0.5) * h));
        draw_sweep_glyph(dc, right - 3 * h, static_cast<int>(T + ph.row * h) - 1, ph.glyph, H, colour);
    }

    if (!preheat) {
        dc.select_pen(black2);
        dc.set_text_color({0, 0, 0});
        steel_font(dc, H);
        draw_y_axis(dc, L, B, T, 100, 0, 4, 6, structure_values);
        dc.select_pen(x_axis_pen);
        draw_x_axis(dc, B, L, R, xmin, xmax, nx - 2, 6, xticks);
    }

    // Title of the swept quantity.
    {
        const int H12 = static_cast<int>(1.2 * H);
        const std::string xt = pick(seyffarth_x_title(kind));
        const Size xs = steel_extent(dc, xt, H12);
        steel_font(dc, H12);
        const int title_y = static_cast<int>(B + (energy ? 1.3 : thickness ? 1.0 : 1.1) * xs.cy);
        if (preheat) {
            const int x0 = L + (R - L - xs.cx) / 2;
            text_at(dc, x0, title_y, xt, {0, 0, 0});
            // The degree sign of °C as a raised small zero after the "C".
            const int wc = dc.text_extent("С").cx;
            steel_font(dc, 3 * H / 5);
            text_at(dc, static_cast<int>(x0 + 1.4 * wc), static_cast<int>(B + 0.95 * xs.cy), "0", {0, 0, 0});
        } else {
            text_at(dc, left + (width - xs.cx) / 2, title_y, xt, {0, 0, 0});
        }
        steel_sweep_note(dc, t85.gaps, client, H, title_y + xs.cy);
    }

    // The regime goes back before the panel, so that the panel shows the
    // regime in force and not the last swept one.
    regime.restore();
    draw_sweep_text_block(dc, client, H, block);
}

void seyffarth_structure_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                          SteelChoice steel, int)
{
    structure_sweep_window(RegimeSweep::energy, params, steps, window, dc, steel);
}
