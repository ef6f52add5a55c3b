// The properties windows of the regime sweeps: t8/5 and the six properties
// of the steel's property curve set (HV, Rm, R02, A, Z, K) against the energy
// input, the preheat or the plate thickness, in one plot with a value axis
// per property.
#include "seyffarth_sweeps.h"
#include "seyffarth_frame.h"
#include "captions.h"

#include "curve_set.h"
#include "heatsource.h"
#include "lang.h"
#include "steel_window_frame.h"

#include <cmath>

namespace {

struct PanelStyle {
    PenStyle style;
    Rgb colour;
    int marker_count;
    int marker_offset_divisor;   // offset N / divisor (0: offset 7)
    unsigned char glyph;
};

const Text5 property_labels[6] = {
    {"Hardness HV", "Твердость по Викерсу HV", "Твердість по Вікерсу HV", "Die Härte HV", "La fermeté HV"},
    {"Tensile strength Rm, MPa", "Предел прочности Rm, мПа", "Границя міцності Rm, мПа",
     "Die Grenze der Haltbarkeit Rm, MPa", "La limite de la solidité Rm, MPa"},
    {"Yield point R02, mPa", "Предел текучести R02, мПа", "Границя текучості R02, мПа",
     "Die Grenze der Fließbarkeit R02, mPa", "La limite de la fluidité R02, mPa"},
    {"Elongation A, %", "Относительное удлинение A, %", "Відносне подовження A, %", "Die relative Verlängerung A, %",
     "L'allongement relatif A, %"},
    {"Reduction in area  Z, %", "Относительное сужение Z, %", "Відносне звуженння Z, %", "Die relative Verengung Z, %",
     "Le rétrécissement relatif Z, %"},
    {"Impact toughness K, J/mm2", "Ударная вязкость K, Дж/мм2", "Ударна в'язкість K, Дж/мм2",
     "Die Stosszähigkeit K, J/mm2", "La viscosité de choc K, J/mm2"},
};
const Text5 energy_hv_label{"Vickers hardness HV", "Твердость по Викерсу HV", "Твердість по Викерсу HV",
                            "Die Härte HV", "La fermeté HV"};

const Text5 titles[3] = {
    {"Dependence  of mechanical properties upon heat input", "Зависимость механических свойств от погонной энергии",
     "Залежність механічних властивостей від погоної енергії",
     "Die Abhängigkeit der mechanischen Eigenschaften von der Beziehung die Energie die Geschwindigkeit",
     "La dépendance de laLa dépendance des propriétés mécaniques de la relation l'énergie la vitesse"},
    {"Dependence of mechanical property on preliminary heating",
     "Зависимость механических свойства от предварительного подогрева",
     "Залежність механічних властивостей від попеднього підігріву",
     "Die Abhängigkeit der mechanischen Eigenschaft von der vorläufigen Erwärmung",
     "La dépendance de la propriété mécanique de la chauffe préliminaire"},
    {"Dependence of mechanical properties on thickness of a plate",
     "Зависимость механических свойств от толщины пластины", "Залежність механічних властивостей від товщини пластини",
     "Die Abhängigkeit der mechanischen Eigenschaften von der Dicke der Platte",
     "La dépendance des propriétés mécaniques de l'épaisseur de la plaque"},
};
const Text5 atlas_lines[3] = {
    {"according to  atlas by P.Seyffarth", "по атласу П. Daverurud", "за атласом П. Daverurud",
     "nach dem Atlas P. Seyffarth", "selon l'atlas P. Seyffarth"},
    {"according to  atlas by P.Seyffarth", "по атласу П. Daverurud", "за атласом П. Zedorudi",
     "nach dem Atlas P. Seyffarth", "selon l'atlas P. Seyffarth"},
    {"under the atlas P. Seyffarth", "по атласу П. Daverurud", "за атласом П. Daverurud",
     "nach dem Atlas P. Seyffarth", "selon l'atlas P. Seyffarth"},
};

} // namespace

void property_sweep_window(RegimeSweep kind, const double* params, int steps, Window* window, Canvas& dc,
                           const SteelChoice& steel)
{
    if (params == nullptr || !current_model.set_regime || !current_model.prepare || !current_model.temperature ||
        !current_model.velocity)
        return;
    const bool energy = kind == RegimeSweep::energy;
    const bool preheat = kind == RegimeSweep::preheat;
    const bool thickness = kind == RegimeSweep::thickness;
    const int kind_index = energy ? 0 : preheat ? 1 : 2;

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

    const Rect client = steel_client_rect(window, dc);
    const int left = client.left, top = client.top, right = client.right, bottom = client.bottom;
    const int width = right - left;
    const int H = (bottom - top) / (energy ? 33 : 30);
    steel_clear(dc, client);
    const int h = steel_extent(dc, "W", H).cy;
    // A plot that leaves points out is less high by the note's line, so the
    // lines under the note keep their places.
    const Rect plot{left + 12 * h, top + 9 * h, right - 12 * h, bottom - 10 * h - steel_sweep_note_room(dc, t85.gaps, H)};
    const int L = plot.left, R = plot.right, T = plot.top, B = plot.bottom;

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    steel_font(dc, H);
    draw_sweep_composition(dc, client, descriptor, 5 * h);

    CurveSet curves;
    const AtlasReadResult file =
        read_curve_file(resolve_atlas_path(descriptor.property_curves, steel.file_name), curves);
    if (!file.ok) report_atlas_failure(window, file);

    // t8/5 panel.
    const SweepRange range = sweep_range(t85.x, t85.t);
    const double xmin = range.x_min, xmax = range.x_max;
    const Rgb blue = mode_colour({0, 0, 255});
    {
        int nt = 7;
        double tstep = 0;
        choose_tick_step(range.y_max - range.y_min, nt, tstep);
        const std::vector<double> tticks = tick_values(range.y_min, tstep, nt);
        const WorldBox tbox{xmin, range.y_max, xmax, range.y_min};
        dc.set_text_color(blue);
        dc.select_pen(Pen{PenStyle::solid, 2, blue});
        steel_font(dc, H);
        draw_y_axis(dc, left + 3 * h, B, T, range.y_max, range.y_min, nt - 2, 6, tticks);

        const std::string title = pick(seyffarth_t85_text());
        const int first_height = thickness ? static_cast<int>(1.1 * H) : H;
        const Size ts = steel_extent(dc, title, first_height);
        steel_font(dc, first_height, 900);
        text_at(dc, static_cast<int>(left + 0.1 * (thickness ? h : ts.cy)), T + (B - T + ts.cx) / 2, title,
                blue);

        const Pen curve_pen{PenStyle::solid, 1, blue};
        steel_font(dc, H);
        dc.select_pen(curve_pen);
        draw_polyline(dc, N - 1, t85.x, t85.t, 2, plot, tbox);
        dc.set_text_color(blue);
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, N - 1, t85.x, t85.t, 5, N / 7, 0xC0, plot, tbox, H);
        dc.set_background_mode(BackgroundMode::transparent);

        Size ls = ts;
        if (!thickness) {
            ls = steel_extent(dc, title, static_cast<int>(1.1 * H));
            steel_font(dc, static_cast<int>(1.1 * H), 900);
            text_at(dc, static_cast<int>(left + 0.1 * ls.cy), T + (B - T + ls.cx) / 2, title, blue);
        }
        const int line_x = static_cast<int>(left + 0.5 * ls.cy);
        dc.select_pen(curve_pen);
        for (int twice = 0; twice < (preheat ? 2 : 1); ++twice) {
            dc.move_to(line_x, T + (B - T + ls.cx) / 2 - ls.cx);
            dc.line_to(line_x, T);
        }
        draw_sweep_glyph(dc, static_cast<int>(left + 0.1 * ls.cy), static_cast<int>(T - 0.5 * ls.cy), 0xC0,
                         H, blue);
    }

    // Property panels.
    static const PanelStyle energy_panels[6] = {
        {PenStyle::solid, {127, 0, 0}, 4, 3, 0xC1},   {PenStyle::dash, {0, 125, 0}, 4, 10, 0xC2},
        {PenStyle::dash, {0, 200, 0}, 2, 3, 0xC3},    {PenStyle::dot, {0, 0, 200}, 3, 13, 0xC4},
        {PenStyle::dash_dot, {255, 0, 0}, 7, 9, 0xC5}, {PenStyle::dash_dot_dot, {255, 0, 255}, 3, 17, 0xC6},
    };
    static const PanelStyle sweep_panels[6] = {
        {PenStyle::solid, {127, 0, 0}, 5, 0, 0xC1},        {PenStyle::dash_dot, {0, 125, 0}, 5, 0, 0xC2},
        {PenStyle::dash_dot, {0, 200, 0}, 5, 0, 0xC3},     {PenStyle::dash, {0, 0, 200}, 5, 0, 0xC4},
        {PenStyle::dash_dot_dot, {255, 0, 0}, 5, 0, 0xC5}, {PenStyle::dot, {255, 0, 255}, 5, 0, 0xC6},
    };
    const PanelStyle* panels = energy ? energy_panels : sweep_panels;
    const int label_x[6] = {static_cast<int>(L - 3 * h),       static_cast<int>(left + 3.5 * h),
                            static_cast<int>(left + 4.5 * h),  static_cast<int>(R + h),
                            static_cast<int>(R + 4 * h),       static_cast<int>(R + 7.5 * h)};
    const int line_x[6] = {static_cast<int>(L - 2.5 * h),      static_cast<int>(left + 4 * h),
                           static_cast<int>(left + 5 * h),     static_cast<int>(R + 1.5 * h),
                           static_cast<int>(R + 4.5 * h),      static_cast<int>(R + 8 * h)};
    const int axis_x[6] = {L, static_cast<int>(left + 8 * h), -1, static_cast<int>(R + 3.8 * h),
                           static_cast<int>(R + 6.8 * h), static_cast<int>(R + 10 * h)};

    const PropertyScales scales = choose_property_scales(curves);
    std::vector<double> cx, cy, values(static_cast<std::size_t>(std::max(N, 0)));
    for (int k = 0; k < 6; ++k) {
        int n = -1, colour_number = 0;
        if (!extract_curve(curves, cx, cy, n, colour_number, k)) continue;
        if (n <= 3 && !(thickness && k == 0)) continue;
        const PanelStyle& ps = panels[k];
        const Rgb colour = mode_colour(ps.colour);
        const Pen pen{ps.style, 1, colour};
        const Pen axis_pen{PenStyle::solid, 2, colour};
        const std::vector<double> scale = scales.scale(k);
        double s_low = scale.front(), s_high = scale.back();
        if (thickness && k == 0 && curves.size() > 6) {
            // The HV panel spans the hardness range the atlas diagram gives.
            s_low = curves[5];
            s_high = curves[6];
            if (!(s_high != s_low) || !std::isfinite(s_low) || !std::isfinite(s_high)) {
                s_low = scale.front();
                s_high = scale.back();
            }
        }
        const WorldBox box{xmin, s_high, xmax, s_low};

        // Every curve is drawn over the one sweep of cooling times.
        const SweepOutput& s = t85;
        for (int i = 0; i < N; ++i) {
            const auto idx = static_cast<std::size_t>(i);
            double u = seyffarth_curve_value(cx, cy, n, s.t[idx], thickness);
            if (k >= 1) u = hv_to_scale(u, scales.hv, scale);
            values[idx] = u;
        }

        int nx = 7;
        double xstep = 0;
        std::vector<double> xticks;
        auto draw_grid = [&] {
            choose_tick_step(xmax - xmin, nx, xstep);
            xticks = tick_values(xmin, xstep, nx);
            dc.select_pen(Pen{PenStyle::dot, 1, mode_colour({127, 127, 127})});
            draw_vertical_grid(dc, plot, box, nx, xticks);
            const WorldBox hv_box{xmin, scale.back(), xmax, scale.front()};
            draw_horizontal_grid(dc, plot, thickness ? box : hv_box, static_cast<int>(scale.size()) - 2, scale);
            dc.move_to(R, T);
            dc.line_to(R, B);
            dc.move_to(L, T);
            dc.line_to(R, T);
        };
        auto draw_energy_axis = [&] {
            if (xticks.empty()) {
                choose_tick_step(xmax - xmin, nx, xstep);
                xticks = tick_values(xmin, xstep, nx);
            }
            dc.select_pen(preheat ? Pen{PenStyle::solid, 2, {0, 0, 0}} : axis_pen);
            dc.set_text_color(energy ? colour : Rgb{0, 0, 0});
            steel_font(dc, H);
            draw_x_axis(dc, B, L, R, xmin, xmax, thickness ? nx - 1 : nx - 2, 6, xticks);
        };
        auto draw_value_axis = [&] {
            if (axis_x[k] < 0) return;
            dc.select_pen(axis_pen);
            dc.set_text_color(colour);
            steel_font(dc, H);
            draw_y_axis(dc, axis_x[k], B, T, s_high, s_low, static_cast<int>(scale.size()) - 1, 6, scale);
        };
        auto draw_legend = [&] {
            const std::string label = pick(energy && k == 0 ? energy_hv_label : property_labels[k]);
            const Size ls = steel_extent(dc, label, H);
            const int cw = ls.cx / std::max(1, text_length(label));
            steel_font(dc, H, 900);
            text_at(dc, label_x[k], B, label, colour);
            dc.select_pen(pen);
            for (int twice = 0; twice < (preheat ? 2 : 1); ++twice) {
                dc.move_to(line_x[k], B - ls.cx - 2 * cw);
                dc.line_to(line_x[k], T);
            }
            draw_sweep_glyph(dc, label_x[k], static_cast<int>(T - 0.5 * h), ps.glyph, H, colour);
        };

        if (k == 0 && !preheat) draw_grid();
        steel_font(dc, H);
        dc.select_pen(pen);
        draw_polyline(dc, N - 1, s.x, values, 2, plot, box);
        dc.set_text_color(colour);
        dc.set_background_mode(BackgroundMode::opaque);
        const int offset = ps.marker_offset_divisor ? N / ps.marker_offset_divisor : 7;
        draw_curve_markers(dc, N - 1, s.x, values, ps.marker_count, offset, ps.glyph, plot, box, H);
        dc.set_background_mode(BackgroundMode::transparent);
        if (k >= 3) {
            draw_value_axis();
            draw_legend();
        } else {
            draw_legend();
            if (k == 0 && preheat) draw_grid();
            if (k == 0) draw_energy_axis();
            draw_value_axis();
        }
    }

    {
        const std::string xt = pick(seyffarth_x_title(kind));
        const Size xs = steel_extent(dc, xt, H);
        const int title_y = static_cast<int>(B + (energy ? 1.8 : 1.3) * h);
        text_at(dc, left + (width - xs.cx) / 2, title_y, xt, {0, 0, 0});
        steel_sweep_note(dc, t85.gaps, client, H, title_y + xs.cy);
    }

    SweepTextBlock block;
    block.title = pick(titles[kind_index]);
    block.atlas_line = pick(atlas_lines[kind_index]);
    block.class_name = class_name;
    block.grade = descriptor.grade_line;
    block.y = in.y;
    block.z = in.z;
    if (preheat) {
        block.title_rows_in_H = true;
        block.class_line_y = 2.5;
    }
    if (energy) {
        block.panel = panel_without_speed_and_power;
    }
    // The regime goes back before the panel, so that the panel shows the
    // regime in force and not the last swept one.
    regime.restore();
    draw_sweep_text_block(dc, client, H, block);
}

void seyffarth_properties_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                           SteelChoice steel, int)
{
    property_sweep_window(RegimeSweep::energy, params, steps, window, dc, steel);
}
