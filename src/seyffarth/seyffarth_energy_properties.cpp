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
#include "measuring_canvas.h"
#include "steel_window_frame.h"
#include "table_ends.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

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
    {"Tensile strength Rm, MPa", "Предел прочности Rm, МПа", "Границя міцності Rm, МПа",
     "Die Grenze der Haltbarkeit Rm, MPa", "La limite de la solidité Rm, MPa"},
    {"Yield point R02, MPa", "Предел текучести R02, МПа", "Границя текучості R02, МПа",
     "Die Grenze der Fließbarkeit R02, MPa", "La limite de la fluidité R02, MPa"},
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

using PanelStyles = std::array<PanelStyle, 6>;
const PanelStyles energy_panels{{
    {PenStyle::solid, {127, 0, 0}, 4, 3, 0xC1},
    {PenStyle::dash, {0, 125, 0}, 4, 10, 0xC2},
    {PenStyle::dash, {0, 200, 0}, 2, 3, 0xC3},
    {PenStyle::dot, {0, 0, 200}, 3, 13, 0xC4},
    {PenStyle::dash_dot, {255, 0, 0}, 7, 9, 0xC5},
    {PenStyle::dash_dot_dot, {255, 0, 255}, 3, 17, 0xC6},
}};
const PanelStyles sweep_panels{{
    {PenStyle::solid, {127, 0, 0}, 5, 0, 0xC1},
    {PenStyle::dash_dot, {0, 125, 0}, 5, 0, 0xC2},
    {PenStyle::dash_dot, {0, 200, 0}, 5, 0, 0xC3},
    {PenStyle::dash, {0, 0, 200}, 5, 0, 0xC4},
    {PenStyle::dash_dot_dot, {255, 0, 0}, 5, 0, 0xC5},
    {PenStyle::dot, {255, 0, 255}, 5, 0, 0xC6},
}};

// Where a properties window puts its rows and columns and what it writes
// there.
struct PropertyLayout {
    const Text5* title;
    const Text5* atlas_line;
    bool title_rows_in_H;
    double class_line_y;   // in h
    PanelRows panel;
    int font_divisor;   // the base font H is the client's height over this
    // The t8/5 title, rotated at the client's left, in 1.1 H (its legend
    // line and glyph are measured on it), its column 0.1 of h or of its own
    // height in. It is drawn once: a second drawing in another height over
    // the first blurs both.
    bool t_title_column_in_h;
    int legend_strokes;   // each vertical legend line drawn this many times
    const PanelStyles* panels;
    const Text5* hardness_label;
    // The hardness over the range of the atlas diagram (its header numbers 5
    // and 6): drawn even from a curve of few points, its grid lines on that
    // range.
    bool hardness_on_diagram_range;
    bool keep_negative;   // values below 0 stand as read
    bool grid_after_hardness_legend;   // else before the hardness curve
    bool x_axis_pen_black;   // else the hardness colour
    bool x_labels_in_hardness_colour;   // else black
    int x_axis_ticks_less;   // the n of draw_x_axis: the tick count less this
    double x_title_row;   // in h under the plot
};

const PropertyLayout& property_layout(RegimeSweep kind)
{
    static const PropertyLayout energy{
        .title = &titles[0],
        .atlas_line = &atlas_lines[0],
        .title_rows_in_H = false,
        .class_line_y = 2.3,
        .panel = panel_without_speed_and_power,
        .font_divisor = 33,
        .t_title_column_in_h = false,
        .legend_strokes = 1,
        .panels = &energy_panels,
        .hardness_label = &energy_hv_label,
        .hardness_on_diagram_range = false,
        .keep_negative = false,
        .grid_after_hardness_legend = false,
        .x_axis_pen_black = false,
        .x_labels_in_hardness_colour = true,
        .x_axis_ticks_less = 2,
        .x_title_row = 1.8,
    };
    static const PropertyLayout preheat{
        .title = &titles[1],
        .atlas_line = &atlas_lines[1],
        .title_rows_in_H = true,
        .class_line_y = 2.5,
        .panel = PanelRows{},
        .font_divisor = 30,
        .t_title_column_in_h = false,
        .legend_strokes = 2,
        .panels = &sweep_panels,
        .hardness_label = &property_labels[0],
        .hardness_on_diagram_range = false,
        .keep_negative = false,
        .grid_after_hardness_legend = true,
        .x_axis_pen_black = true,
        .x_labels_in_hardness_colour = false,
        .x_axis_ticks_less = 2,
        .x_title_row = 1.3,
    };
    static const PropertyLayout thickness{
        .title = &titles[2],
        .atlas_line = &atlas_lines[2],
        .title_rows_in_H = false,
        .class_line_y = 2.3,
        .panel = PanelRows{},
        .font_divisor = 30,
        .t_title_column_in_h = true,
        .legend_strokes = 1,
        .panels = &sweep_panels,
        .hardness_label = &property_labels[0],
        .hardness_on_diagram_range = true,
        .keep_negative = true,
        .grid_after_hardness_legend = false,
        .x_axis_pen_black = false,
        .x_labels_in_hardness_colour = false,
        .x_axis_ticks_less = 1,
        .x_title_row = 1.3,
    };
    return kind == RegimeSweep::energy ? energy : kind == RegimeSweep::preheat ? preheat : thickness;
}

// The page: the client, the base font H with its line height h, the plot.
struct Page {
    Rect client, plot;
    int H = 0, h = 0;
};

// The row of the x title (a line of font H) under the plot: its own, or
// under the x axis's labels (h / 2 under the plot, in font H) where they
// would reach it.
int x_title_row(const PropertyLayout& layout, int h)
{
    return std::max(static_cast<int>(layout.x_title_row * h), h / 2 + h);
}

// The client cleared, and the plot, which gives up the room of the notes
// under the x title, so the lines under the notes keep their places; the x
// title and the notes end above the model line's row.
Page lay_out_page(RegimeSweep kind, const PropertyLayout& layout, Window* window, Canvas& dc,
                  const std::vector<std::string>& notes, const SweepInput& in)
{
    Page g;
    g.client = steel_client_rect(window, dc);
    g.H = (g.client.bottom - g.client.top) / layout.font_divisor;
    steel_clear(dc, g.client);
    g.h = steel_extent(dc, "W", g.H).cy;
    const int notes_room = sweep_notes_room(dc, notes, g.H);
    g.plot = plot_rect(g.client, {.left = 12, .top = 9, .right = 12, .bottom = 10}, g.h, notes_room);
    const int model_row = sweep_footer(dc, g.client, g.H, in.y, in.z).model_y;
    steel_font(dc, g.H);
    const int title_height = row_under(dc, 0, pick(seyffarth_x_title(kind)));
    g.plot.bottom = std::min(g.plot.bottom, model_row - x_title_row(layout, g.h) - title_height - notes_room);
    return g;
}

// One property over the sweep: its values carried onto its own scale (a gap
// where the point has none), the scale and the range of its panel.
struct PropertyCurve {
    bool drawn = false;   // the curve set has the curve, with enough points
    std::vector<double> values;
    std::vector<double> scale;
    double low = 0, high = 0;
};

std::array<PropertyCurve, 6> compute_properties(const PropertyLayout& layout, const CurveSet& curves,
                                                const SweepOutput& t85)
{
    std::array<PropertyCurve, 6> out;
    const PropertyScales scales = choose_property_scales(curves);
    std::vector<double> cx, cy;
    for (int k = 0; k < 6; ++k) {
        PropertyCurve& p = out[static_cast<std::size_t>(k)];
        int n = -1, colour_number = 0;
        if (!extract_curve(curves, cx, cy, n, colour_number, k)) continue;
        if (n <= 3 && !(layout.hardness_on_diagram_range && k == 0)) continue;
        p.drawn = true;
        p.scale = scales.scale(k);
        p.low = p.scale.front();
        p.high = p.scale.back();
        if (layout.hardness_on_diagram_range && k == 0 && curves.size() > 6 && curves[6] != curves[5] &&
            std::isfinite(curves[5]) && std::isfinite(curves[6])) {
            p.low = curves[5];
            p.high = curves[6];
        }
        p.values.resize(t85.t.size());
        for (std::size_t i = 0; i < t85.t.size(); ++i) {
            double u = seyffarth_curve_value(cx, cy, n, t85.t[i], layout.keep_negative);
            if (k >= 1) u = hv_to_scale(u, scales.hv, p.scale);
            p.values[i] = u;
        }
    }
    return out;
}

// The lines of the cooling times that lay beyond a property curve's ends,
// which took the curve's end values: one for each end reached, led by the
// symbols of the curves that end there (curves digitized over the same
// times share one line).
std::vector<std::string> property_end_lines(const CurveSet& curves, const std::array<PropertyCurve, 6>& properties,
                                            const SweepOutput& t85)
{
    static const char* const symbols[6] = {"HV", "Rm", "R02", "A", "Z", "K"};
    std::vector<std::pair<std::string, std::string>> lines;   // line, symbols
    std::vector<double> cx, cy;
    for (std::size_t k = 0; k < 6; ++k) {
        int last = -1, colour = 0;
        if (!properties[k].drawn || !extract_curve(curves, cx, cy, last, colour, static_cast<int>(k)) || last < 0)
            continue;
        const std::span<const double> ends = std::span<const double>(cx).first(static_cast<std::size_t>(last) + 1);
        for (const std::string& line : table_end_lines(TableAbscissa::cooling_time, ends, t85.t)) {
            const auto same = std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return l.first == line; });
            if (same != lines.end())
                same->second += std::string(", ") + symbols[k];
            else
                lines.emplace_back(line, symbols[k]);
        }
    }
    std::vector<std::string> out;
    for (const auto& [line, names] : lines) out.push_back(names + ": " + line);
    return out;
}

// The t8/5 axis at the client's left, its rotated title with its legend
// line, the curve with its markers.
void draw_time_curve(Canvas& dc, const PropertyLayout& layout, const Page& g, const SweepOutput& t85,
                     const SweepRange& range)
{
    const int N = static_cast<int>(t85.t.size());
    const int left = g.client.left, T = g.plot.top, B = g.plot.bottom;
    int nt = 7;
    double tstep = 0;
    choose_tick_step(range.y_max - range.y_min, nt, tstep);
    const std::vector<double> tticks = tick_values(range.y_min, tstep, nt);
    const WorldBox tbox{range.x_min, range.y_max, range.x_max, range.y_min};
    const Rgb blue = mode_colour({0, 0, 255});
    dc.set_text_color(blue);
    dc.select_pen(Pen{PenStyle::solid, 2, blue});
    steel_font(dc, g.H);
    const int axis_x = left + 3 * g.h;
    draw_y_axis(dc, axis_x, B, T, range.y_max, range.y_min, nt - 2, 6, tticks);

    const Pen curve_pen{PenStyle::solid, 1, blue};
    steel_font(dc, g.H);
    dc.select_pen(curve_pen);
    draw_polyline(dc, N - 1, t85.x, t85.t, 2, g.plot, tbox);
    dc.set_text_color(blue);
    dc.set_background_mode(BackgroundMode::opaque);
    draw_curve_markers(dc, N - 1, t85.x, t85.t, 5, N / 7, 0xC0, g.plot, tbox, g.H);
    dc.set_background_mode(BackgroundMode::transparent);

    // The title stands left of the axis's labels. Where its ink would reach
    // the widest of them it moves left, never past the client's edge, and
    // only where the room left is narrower than its ink does it take a
    // smaller font. Its legend line goes with it.
    const std::string title = pick(seyffarth_t85_text());
    steel_font(dc, g.H);
    const auto labelled = static_cast<std::size_t>(std::clamp(nt - 1, 0, static_cast<int>(tticks.size())));
    const int labels_left = axis_x - y_axis_label_width(dc, std::span<const double>(tticks).first(labelled));
    int height = mul(1.1, g.H);
    Size ls = steel_extent(dc, title, height);
    const int column_x = left + mul(0.1, layout.t_title_column_in_h ? g.h : ls.cy);
    int x = column_x;
    // Its ink keeps 2 pixels from the labels and from the window's frame.
    const int room_left = left + 2, room_right = labels_left - 2;
    if (InkRows ink = turned_ink(dc, title, height); x + ink.bottom > room_right) {
        while (height > 1 && ink.bottom - ink.top > room_right - room_left) ink = turned_ink(dc, title, --height);
        x = std::max(room_left - ink.top, std::min(x, room_right - ink.bottom));
        ls = steel_extent(dc, title, height);
    }
    const int shift = x - column_x;
    steel_font(dc, height, 900);
    text_at(dc, x, T + (B - T + ls.cx) / 2, title, blue);
    const int line_x = left + mul(0.5, ls.cy) + shift;
    dc.select_pen(curve_pen);
    for (int stroke = 0; stroke < layout.legend_strokes; ++stroke) {
        dc.move_to(line_x, T + (B - T + ls.cx) / 2 - ls.cx);
        dc.line_to(line_x, T);
    }
    // The glyph over the line keeps its column: left of it, it would leave the window.
    draw_sweep_glyph(dc, left + mul(0.1, ls.cy), static_cast<int>(T - 0.5 * ls.cy), 0xC0, g.H, blue);
}

// The six property curves, each with its markers, its rotated title with a
// legend line and (but R02) its own value axis; the grid and the x axis
// come with the hardness curve.
void draw_property_curves(Canvas& dc, const PropertyLayout& layout, const Page& g, const SweepOutput& t85,
                          const SweepRange& range, const std::array<PropertyCurve, 6>& properties, Rect composition)
{
    const int N = static_cast<int>(t85.t.size());
    const int left = g.client.left, h = g.h;
    const int L = g.plot.left, R = g.plot.right, T = g.plot.top, B = g.plot.bottom;
    const double xmin = range.x_min, xmax = range.x_max;
    const int label_x[6] = {static_cast<int>(L - 3 * h),      static_cast<int>(left + 3.5 * h),
                            static_cast<int>(left + 4.5 * h), static_cast<int>(R + h),
                            static_cast<int>(R + 4 * h),      static_cast<int>(R + 7.5 * h)};
    const int line_x[6] = {static_cast<int>(L - 2.5 * h),  static_cast<int>(left + 4 * h),
                           static_cast<int>(left + 5 * h), static_cast<int>(R + 1.5 * h),
                           static_cast<int>(R + 4.5 * h),  static_cast<int>(R + 8 * h)};
    const int axis_x[6] = {L,
                           static_cast<int>(left + 8 * h),
                           -1,
                           static_cast<int>(R + 3.8 * h),
                           static_cast<int>(R + 6.8 * h),
                           static_cast<int>(R + 10 * h)};
    for (int k = 0; k < 6; ++k) {
        const PropertyCurve& p = properties[static_cast<std::size_t>(k)];
        if (!p.drawn) continue;
        const PanelStyle& ps = (*layout.panels)[static_cast<std::size_t>(k)];
        const Rgb colour = mode_colour(ps.colour);
        const Pen pen{ps.style, 1, colour};
        const Pen axis_pen{PenStyle::solid, 2, colour};
        const WorldBox box{xmin, p.high, xmax, p.low};

        int nx = 7;
        double xstep = 0;
        std::vector<double> xticks;
        auto draw_grid = [&] {
            choose_tick_step(xmax - xmin, nx, xstep);
            xticks = tick_values(xmin, xstep, nx);
            dc.select_pen(Pen{PenStyle::dot, 1, mode_colour({127, 127, 127})});
            draw_vertical_grid(dc, g.plot, box, nx, xticks);
            const WorldBox hv_box{xmin, p.scale.back(), xmax, p.scale.front()};
            draw_horizontal_grid(dc, g.plot, layout.hardness_on_diagram_range ? box : hv_box,
                                 static_cast<int>(p.scale.size()) - 2, p.scale);
            dc.move_to(R, T);
            dc.line_to(R, B);
            dc.move_to(L, T);
            dc.line_to(R, T);
        };
        auto draw_x_axis_line = [&] {
            if (xticks.empty()) {
                choose_tick_step(xmax - xmin, nx, xstep);
                xticks = tick_values(xmin, xstep, nx);
            }
            dc.select_pen(layout.x_axis_pen_black ? Pen{PenStyle::solid, 2, {0, 0, 0}} : axis_pen);
            dc.set_text_color(layout.x_labels_in_hardness_colour ? colour : Rgb{0, 0, 0});
            steel_font(dc, g.H);
            draw_x_axis(dc, B, L, R, xmin, xmax, nx - layout.x_axis_ticks_less, 6, xticks);
        };
        auto draw_value_axis = [&] {
            if (axis_x[k] < 0) return;
            dc.select_pen(axis_pen);
            dc.set_text_color(colour);
            steel_font(dc, g.H);
            draw_y_axis(dc, axis_x[k], B, T, p.high, p.low, static_cast<int>(p.scale.size()) - 1, 6, p.scale);
        };
        auto draw_legend = [&] {
            const std::string label = pick(k == 0 ? *layout.hardness_label : property_labels[k]);
            // A label longer than the room up to its glyph (or the
            // composition table over its column) takes a smaller font.
            const int glyph_y = static_cast<int>(T - 0.5 * h);
            int glyph_bottom = glyph_y;
            {
                MeasuringCanvas measure(dc);
                draw_sweep_glyph(measure, label_x[k], glyph_y, ps.glyph, g.H, colour);
                glyph_bottom = measure.reach().bottom;
            }
            const int height =
                seyffarth_turned_title_height(dc, label, g.H, label_x[k], B, glyph_bottom, composition);
            const Size ls = steel_extent(dc, label, height);
            const int cw = ls.cx / std::max(1, text_length(label));
            steel_font(dc, height, 900);
            text_at(dc, label_x[k], B, label, colour);
            dc.select_pen(pen);
            for (int stroke = 0; stroke < layout.legend_strokes; ++stroke) {
                dc.move_to(line_x[k], B - ls.cx - 2 * cw);
                dc.line_to(line_x[k], T);
            }
            draw_sweep_glyph(dc, label_x[k], glyph_y, ps.glyph, g.H, colour);
        };

        if (k == 0 && !layout.grid_after_hardness_legend) draw_grid();
        steel_font(dc, g.H);
        dc.select_pen(pen);
        draw_polyline(dc, N - 1, t85.x, p.values, 2, g.plot, box);
        dc.set_text_color(colour);
        dc.set_background_mode(BackgroundMode::opaque);
        const int offset = ps.marker_offset_divisor ? N / ps.marker_offset_divisor : 7;
        draw_curve_markers(dc, N - 1, t85.x, p.values, ps.marker_count, offset, ps.glyph, g.plot, box, g.H);
        dc.set_background_mode(BackgroundMode::transparent);
        if (k >= 3) {
            draw_value_axis();
            draw_legend();
        } else {
            draw_legend();
            if (k == 0 && layout.grid_after_hardness_legend) draw_grid();
            if (k == 0) draw_x_axis_line();
            draw_value_axis();
        }
    }
}

} // namespace

void property_sweep_window(RegimeSweep kind, const double* params, int steps, Window* window, Canvas& dc,
                           const SteelChoice& steel)
{
    SweepInput in;
    if (!seyffarth_sweep_entry(kind, params, steps, window, in)) return;
    RegimeGuard regime;
    SweepOutput t85;
    if (!seyffarth_sweep_cooling_times(regime, in, window, t85)) return;
    const PropertyLayout& layout = property_layout(kind);
    const std::string class_name = seyffarth_sweep_class_name(steel.filter_index);

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) {
        lay_out_page(kind, layout, window, dc, {}, in);
        return;
    }
    CurveSet curves;
    const AtlasReadResult file =
        read_curve_file(resolve_atlas_path(descriptor.property_curves, steel.file_name), curves);
    if (!file.ok) report_atlas_failure(window, file);
    const std::array<PropertyCurve, 6> properties = compute_properties(layout, curves, t85);
    // Cooling times beyond a curve's ends take its end values; notes under
    // the x title say so.
    const std::vector<std::string> notes = sweep_notes(t85.gaps, property_end_lines(curves, properties, t85));

    const Page g = lay_out_page(kind, layout, window, dc, notes, in);
    steel_font(dc, g.H);
    const Rect composition = draw_sweep_composition(dc, g.client, descriptor, 5 * g.h);
    const SweepRange range = sweep_range(t85.x, t85.t);

    draw_time_curve(dc, layout, g, t85, range);
    draw_property_curves(dc, layout, g, t85, range, properties, composition);
    const std::string xt = pick(seyffarth_x_title(kind));
    const Size xs = steel_extent(dc, xt, g.H);
    const int title_y = g.plot.bottom + x_title_row(layout, g.h);
    text_at(dc, g.client.left + (g.client.right - g.client.left - xs.cx) / 2, title_y, xt, {0, 0, 0});
    draw_sweep_notes(dc, notes, g.client, g.H, row_under(dc, title_y, xt));

    // The regime goes back before the panel, so that the panel shows the
    // regime in force and not the last swept one.
    regime.restore();
    draw_sweep_text_block(dc, g.client, g.H,
                          SweepTextBlock{.title = pick(*layout.title),
                                         .atlas_line = pick(*layout.atlas_line),
                                         .class_name = class_name,
                                         .grade = descriptor.grade_line,
                                         .y = in.y,
                                         .z = in.z,
                                         .title_rows_in_H = layout.title_rows_in_H,
                                         .class_line_y = layout.class_line_y,
                                         .panel = layout.panel});
}

void seyffarth_properties_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                           SteelChoice steel, int)
{
    property_sweep_window(RegimeSweep::energy, params, steps, window, dc, steel);
}
