// The structure windows of the regime sweeps: t8/5 and the four phase shares
// of the steel's structure table against the energy input, the preheat or
// the plate thickness. The three share one body; the swept quantity decides
// the layout details and texts.
#include "seyffarth_sweeps.h"
#include "seyffarth_frame.h"
#include "captions.h"

#include "fonts.h"
#include "heatsource.h"
#include "lang.h"
#include "steel_window_frame.h"
#include "table_ends.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

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

// The four phase curves of each window, in the order they are drawn.
using PhaseStyles = std::array<PhaseStyle, 4>;
const PhaseStyles energy_phases{{
    {0, PenStyle::solid, {0, 127, 0}, 0xC1, 3},
    {1, PenStyle::dash_dot, {0, 127, 255}, 0xC2, 5},
    {2, PenStyle::dash, {127, 0, 0}, 0xC3, 7},
    {3, PenStyle::dot, {255, 127, 0}, 0xC4, 9},
}};
const PhaseStyles preheat_phases{{
    {0, PenStyle::solid, {0, 127, 0}, 0xC1, 3},
    {1, PenStyle::dash_dot, {0, 127, 255}, 0xC2, 5},
    {3, PenStyle::dash_dot, {255, 127, 0}, 0xC3, 7},
    {2, PenStyle::dash, {127, 0, 0}, 0xC4, 9},
}};
const PhaseStyles thickness_phases{{
    {0, PenStyle::solid, {0, 127, 0}, 0xC1, 3},
    {1, PenStyle::dot, {0, 127, 255}, 0xC2, 5},
    {2, PenStyle::dash_dot, {127, 0, 0}, 0xC3, 7},
    {3, PenStyle::dash, {255, 127, 0}, 0xC4, 9},
}};

// Where a structure window puts its rows and columns and what it writes
// there. Columns are in h (the line height of the base font H) unless
// their comment says otherwise.
struct StructureLayout {
    const Text5* title;
    const Text5* atlas_line;
    PanelRows panel;
    double plot_left;   // the plot's left edge this fraction of the client's width in (as 1 / plot_left)
    // The t8/5 axis, from the client's left or, when t_axis_from_plot, from
    // the plot's (negative: left of it).
    bool t_axis_from_plot;
    double t_axis_column;
    bool t_axis_thin_in_black_and_white;
    double t_title_font;   // in H
    double t_title_column;   // from the client's left, in h or in the title's own height
    bool t_title_column_in_h;
    bool t_curve_black_in_black_and_white;
    double t_legend_column;   // character widths right of the plot
    const PhaseStyles* phases;
    const Text5* bainite_label;
    // The structure axis and the x axis come right after the grid, before
    // any curve, or after all the curves.
    bool axes_before_curves;
    int structure_axis_ticks;   // the n of draw_y_axis
    // The structure axis title, 3 of these left of the plot: h, or the
    // title's own height.
    bool structure_title_in_h;
    double x_title_row;   // under the plot, in the x title's own height
    bool x_title_on_plot;   // centred on the plot with a raised degree sign, else on the client
};

const StructureLayout& structure_layout(RegimeSweep kind)
{
    static const StructureLayout energy{
        .title = &titles[0],
        .atlas_line = &atlas_line_seyffarth,
        .panel = panel_without_speed_and_power,
        .plot_left = 5,
        .t_axis_from_plot = true,
        .t_axis_column = -4,
        .t_axis_thin_in_black_and_white = false,
        .t_title_font = 1.2,
        .t_title_column = 0.5,
        .t_title_column_in_h = false,
        .t_curve_black_in_black_and_white = false,
        .t_legend_column = 3.2,
        .phases = &energy_phases,
        .bainite_label = &phase_labels[1],
        .axes_before_curves = false,
        .structure_axis_ticks = 4,
        .structure_title_in_h = false,
        .x_title_row = 1.3,
        .x_title_on_plot = false,
    };
    static const StructureLayout preheat{
        .title = &titles[1],
        .atlas_line = &atlas_line_seyffarth,
        .panel = panel_without_speed_and_power,
        .plot_left = 5.5,
        .t_axis_from_plot = false,
        .t_axis_column = 4,
        .t_axis_thin_in_black_and_white = false,
        .t_title_font = 1,
        .t_title_column = 0.1,
        .t_title_column_in_h = false,
        .t_curve_black_in_black_and_white = true,
        .t_legend_column = 1.2,
        .phases = &preheat_phases,
        .bainite_label = &phase_labels[1],
        .axes_before_curves = true,
        .structure_axis_ticks = 5,
        .structure_title_in_h = false,
        .x_title_row = 1.1,
        .x_title_on_plot = true,
    };
    static const StructureLayout thickness{
        .title = &titles[2],
        .atlas_line = &atlas_line_thickness,
        .panel = PanelRows{},
        .plot_left = 7,
        .t_axis_from_plot = false,
        .t_axis_column = 3.5,
        .t_axis_thin_in_black_and_white = true,
        .t_title_font = 1.1,
        .t_title_column = 0.3,
        .t_title_column_in_h = true,
        .t_curve_black_in_black_and_white = false,
        .t_legend_column = 3.2,
        .phases = &thickness_phases,
        .bainite_label = &beanite_label,
        .axes_before_curves = false,
        .structure_axis_ticks = 4,
        .structure_title_in_h = true,
        .x_title_row = 1.0,
        .x_title_on_plot = false,
    };
    return kind == RegimeSweep::energy ? energy : kind == RegimeSweep::preheat ? preheat : thickness;
}

// The page: the client, the base font H with its line height h, the plot.
struct Page {
    Rect client, plot;
    int H = 0, h = 0;
};

// Where the x title (and over the preheat's, the raised zero of its °C)
// stands, in rows under the plot's bottom. The title keeps its row unless
// the x axis's labels reach it; then it starts under their row. The zero
// keeps its place by the title unless it meets the title's ink, and then
// rises the least distance that clears it; where that brings it onto the
// labels' ink, title and zero go down together.
struct XTitleRows {
    int title = 0, zero = 0;
    int height = 0;   // from the title's row to the first row under its ink
};

XTitleRows x_title_rows(Canvas& dc, RegimeSweep kind, const StructureLayout& layout, int H, int h)
{
    XTitleRows r;
    const std::string xt = pick(seyffarth_x_title(kind));
    const int H12 = mul(1.2, H);
    steel_font(dc, H12);
    const int cell = dc.text_extent(xt).cy;
    const int layout_row = static_cast<int>(layout.x_title_row * cell);
    r.title = std::max(layout_row, h / 2 + h);   // the labels stand h / 2 under the plot, in font H
    r.height = row_under(dc, 0, xt);
    if (!layout.x_title_on_plot) return r;
    r.zero = static_cast<int>(0.95 * cell) + (r.title - layout_row);
    const int zero_x = static_cast<int>(1.4 * dc.text_extent("С").cx);
    const std::vector<Rect> title_ink = text_glyph_boxes(dc.selected_font(), xt);
    steel_font(dc, 3 * H / 5);
    const std::vector<Rect> zero_ink = text_glyph_boxes(dc.selected_font(), "0");
    for (const Rect& z : zero_ink)
        for (const Rect& t : title_ink) {
            const bool across = z.left + zero_x < t.right && t.left < z.right + zero_x;
            if (across && z.bottom + r.zero > t.top + r.title) r.zero = t.top + r.title - z.bottom;
        }
    steel_font(dc, H);
    const int labels_ink = h / 2 + text_ink_rows(dc, "0123456789.").bottom;
    for (const Rect& z : zero_ink)
        if (z.top + r.zero < labels_ink) {
            const int down = labels_ink - (z.top + r.zero);
            r.zero += down;
            r.title += down;
        }
    return r;
}

// The client cleared, and the plot. Under the plot stand the x title and
// the notes under it; they end above the model line, which keeps its place
// unless the panel needs it: the plot gives up the height they need.
Page lay_out_page(RegimeSweep kind, const StructureLayout& layout, Window* window, Canvas& dc,
                  const std::vector<std::string>& notes, const SweepInput& in)
{
    Page g;
    g.client = steel_client_rect(window, dc);
    const int width = g.client.right - g.client.left;
    g.H = (g.client.bottom - g.client.top) / 30;
    steel_clear(dc, g.client);
    g.h = steel_extent(dc, "W", g.H).cy;
    g.plot.left = g.client.left + static_cast<int>(width / layout.plot_left);
    g.plot.right = g.client.right - width / 4;
    g.plot.top = g.client.top + 9 * g.h;
    const XTitleRows x = x_title_rows(dc, kind, layout, g.H, g.h);
    const int rows = x.title + x.height + sweep_notes_room(dc, notes, g.H);
    const int model_row = sweep_footer(dc, g.client, g.H, in.y, in.z).model_y;
    g.plot.bottom = std::min(g.client.bottom - 10 * g.h, model_row - rows);
    return g;
}

// The phase shares at each cooling time of the sweep, by table column (M,
// B, P, F); a gap where the point has none.
using PhaseShares = std::array<std::vector<double>, 4>;

PhaseShares compute_shares(const std::vector<StructureRow>& rows, const SweepOutput& t85)
{
    const int n = static_cast<int>(rows.size()) - 1;
    std::vector<double> X, columns[4];
    for (const StructureRow& r : rows) {
        X.push_back(r.x);
        columns[0].push_back(r.martensite);
        columns[1].push_back(r.bainite);
        columns[2].push_back(r.pearlite);
        columns[3].push_back(r.ferrite);
    }
    PhaseShares shares;
    for (std::size_t c = 0; c < 4; ++c) {
        shares[c].resize(t85.t.size());
        for (std::size_t i = 0; i < t85.t.size(); ++i)
            shares[c][i] = std::isfinite(t85.t[i]) ? seyffarth_phase_share(X, columns[c], n, t85.t[i]) : std::nan("");
    }
    return shares;
}

// The column of the t8/5 axis, at the client's left or left of the plot.
int time_axis_x(const StructureLayout& layout, const Page& g)
{
    return (layout.t_axis_from_plot ? g.plot.left : g.client.left) + mul(layout.t_axis_column, g.h);
}

// The t8/5 axis, its title, curve, markers and legend.
void draw_time_curve(Canvas& dc, const StructureLayout& layout, const Page& g, const SweepOutput& t85,
                     const SweepRange& range)
{
    const int N = static_cast<int>(t85.t.size());
    int nt = 7;
    double tstep = 0;
    choose_tick_step(range.y_max - range.y_min, nt, tstep);
    const std::vector<double> tticks = tick_values(range.y_min, tstep, nt);
    const WorldBox tbox{range.x_min, range.y_max, range.x_max, range.y_min};
    const Rgb blue = mode_colour({0, 0, 255});
    const int axis_x = time_axis_x(layout, g);
    const int axis_width = (layout.t_axis_thin_in_black_and_white && colour_mode == 0) ? 1 : 2;
    dc.set_text_color(blue);
    dc.select_pen(Pen{PenStyle::solid, axis_width, blue});
    steel_font(dc, g.H);
    draw_y_axis(dc, axis_x, g.plot.bottom, g.plot.top, range.y_max, range.y_min, nt - 2, 6, tticks);

    const std::string title = pick(t85_text);
    const int title_height = mul(layout.t_title_font, g.H);
    const Size ts = steel_extent(dc, title, title_height);
    const int title_x = g.client.left + mul(layout.t_title_column, layout.t_title_column_in_h ? g.h : ts.cy);
    steel_font(dc, title_height, 900);
    text_at(dc, title_x, g.plot.top + (g.plot.bottom - g.plot.top + ts.cx) / 2, title, blue);

    steel_font(dc, g.H);
    const Pen curve_pen = (layout.t_curve_black_in_black_and_white && colour_mode == 0)
        ? Pen{PenStyle::solid, 2, {0, 0, 0}}
        : Pen{PenStyle::solid, 1, blue};
    dc.select_pen(curve_pen);
    draw_polyline(dc, N - 1, t85.x, t85.t, 2, g.plot, tbox);
    dc.set_text_color(blue);
    dc.set_background_mode(BackgroundMode::opaque);
    draw_curve_markers(dc, N - 1, t85.x, t85.t, 5, N / 7, 0xC0, g.plot, tbox, g.H);
    dc.set_background_mode(BackgroundMode::transparent);

    const Size ls = steel_extent(dc, title, g.H);
    const int cw = ls.cx / std::max(1, text_length(title));
    const int R = g.plot.right, T = g.plot.top;
    text_at(dc, static_cast<int>(R + layout.t_legend_column * cw), T + 11 * g.h, title, blue);
    legend_line(dc, curve_pen, R + ls.cx + static_cast<int>((layout.t_legend_column + 0.8) * cw),
                g.client.right - 2 * cw, static_cast<int>(T + 11.5 * g.h));
    draw_sweep_glyph(dc, g.client.right - 3 * g.h, static_cast<int>(T + 11 * g.h) - 1, 0xC0, g.H, blue);
}

// The turned structure title stands between the t8/5 axis (its labels end
// at it) and the structure axis's labels. Where its ink meets either it
// moves the least distance that clears them; only where the room between
// them is narrower than its ink does it take a smaller font.
void draw_structure_title(Canvas& dc, const StructureLayout& layout, const Page& g,
                          const std::vector<double>& structure_values)
{
    const int L = g.plot.left, T = g.plot.top, B = g.plot.bottom;
    const std::string st = pick(structure_title_text);
    int height = mul(1.2, g.H);
    Size ss = steel_extent(dc, st, height);
    int x = L - 3 * (layout.structure_title_in_h ? g.h : ss.cy);
    steel_font(dc, g.H);
    const auto labelled = static_cast<std::size_t>(std::clamp(layout.structure_axis_ticks + 1, 0, 6));
    const int room_right = L - y_axis_label_width(dc, std::span<const double>(structure_values).first(labelled)) - 2;
    const int room_left = time_axis_x(layout, g) + 2;
    InkRows ink = turned_ink(dc, st, height);
    if (x + ink.top < room_left || x + ink.bottom > room_right) {
        while (height > 1 && ink.bottom - ink.top > room_right - room_left) ink = turned_ink(dc, st, --height);
        x = std::max(room_left - ink.top, std::min(x, room_right - ink.bottom));
        ss = steel_extent(dc, st, height);
    }
    steel_font(dc, height, 900);
    text_at(dc, x, T + (B - T + ss.cx) / 2, st, {0, 0, 0});
}

// The grid, the structure and x axes, the structure title, and the four
// phase curves with their markers and legends.
void draw_phase_curves(Canvas& dc, const StructureLayout& layout, const Page& g, const SweepOutput& t85,
                       const SweepRange& range, const PhaseShares& shares)
{
    const int N = static_cast<int>(t85.t.size());
    const int L = g.plot.left, R = g.plot.right, T = g.plot.top, B = g.plot.bottom;
    const WorldBox sbox{range.x_min, 100, range.x_max, 0};
    const std::vector<double> structure_values{0, 20, 40, 60, 80, 100};
    int nx = 7;
    double xstep = 0;
    choose_tick_step(range.x_max - range.x_min, nx, xstep);
    const std::vector<double> xticks = tick_values(range.x_min, xstep, nx);
    const auto axes = [&] {
        dc.select_pen(Pen{PenStyle::solid, 2, {0, 0, 0}});
        dc.set_text_color({0, 0, 0});
        steel_font(dc, g.H);
        draw_y_axis(dc, L, B, T, 100, 0, layout.structure_axis_ticks, 6, structure_values);
        dc.select_pen(Pen{PenStyle::solid, 2, mode_colour({127, 0, 0})});
        draw_x_axis(dc, B, L, R, range.x_min, range.x_max, nx - 2, 6, xticks);
    };

    dc.select_pen(Pen{PenStyle::dot, 1, mode_colour({127, 127, 127})});
    draw_vertical_grid(dc, g.plot, sbox, nx, xticks);
    draw_horizontal_grid(dc, g.plot, sbox, 5, structure_values);
    dc.move_to(R, T);
    dc.line_to(R, B);
    if (layout.axes_before_curves) axes();
    draw_structure_title(dc, layout, g, structure_values);

    for (const PhaseStyle& ph : *layout.phases) {
        const std::vector<double>& ys = shares[static_cast<std::size_t>(ph.column)];
        const Rgb colour = mode_colour(ph.colour);
        const Pen pen{ph.style, 1, colour};
        steel_font(dc, g.H);
        dc.select_pen(pen);
        draw_polyline(dc, N - 1, t85.x, ys, 2, g.plot, sbox);
        dc.set_text_color(colour);
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, N - 1, t85.x, ys, 5, N / 7, ph.glyph, g.plot, sbox, g.H);
        dc.set_background_mode(BackgroundMode::transparent);
        const std::string label = pick(ph.column == 1 ? *layout.bainite_label : phase_labels[ph.column]);
        const Size ls = steel_extent(dc, label, g.H);
        const int cw = ls.cx / std::max(1, text_length(label));
        text_at(dc, static_cast<int>(R + 1.2 * cw), T + ph.row * g.h, label, colour);
        legend_line(dc, pen, R + ls.cx + 2 * cw, g.client.right - 2 * cw, static_cast<int>(T + (ph.row + 0.5) * g.h));
        draw_sweep_glyph(dc, g.client.right - 3 * g.h, static_cast<int>(T + ph.row * g.h) - 1, ph.glyph, g.H, colour);
    }
    if (!layout.axes_before_curves) axes();
}

// The cells of the legend labels right of the plot (t8/5 and the four
// phases): a shorter plot leaves the lower ones beside the rows under it.
std::vector<Rect> legend_cells(Canvas& dc, const StructureLayout& layout, const Page& g)
{
    std::vector<Rect> cells;
    const auto cell = [&](const std::string& label, double column, int row) {
        const Size ls = steel_extent(dc, label, g.H);
        const int cw = ls.cx / std::max(1, text_length(label));
        const int x = static_cast<int>(g.plot.right + column * cw), y = g.plot.top + row * g.h;
        cells.push_back(Rect{x, y, x + ls.cx, y + ls.cy});
    };
    cell(pick(t85_text), layout.t_legend_column, 11);
    for (const PhaseStyle& ph : *layout.phases)
        cell(pick(ph.column == 1 ? *layout.bainite_label : phase_labels[ph.column]), 1.2, ph.row);
    return cells;
}

// The title of the swept quantity under the plot, and under it the notes,
// each moved left the least distance that clears the legend beside them.
void draw_x_title(Canvas& dc, RegimeSweep kind, const StructureLayout& layout, const Page& g,
                  const std::vector<std::string>& notes)
{
    const int H12 = mul(1.2, g.H);
    const int L = g.plot.left, R = g.plot.right, B = g.plot.bottom;
    const std::vector<Rect> legend = legend_cells(dc, layout, g);
    const std::string xt = pick(seyffarth_x_title(kind));
    const XTitleRows rows = x_title_rows(dc, kind, layout, g.H, g.h);
    const Size xs = steel_extent(dc, xt, H12);
    const int title_y = B + rows.title;
    if (layout.x_title_on_plot) {
        const int x0 = L + (R - L - xs.cx) / 2;
        text_at(dc, x0, title_y, xt, {0, 0, 0});
        // The degree sign of °C as a raised small zero after the "C".
        const int wc = dc.text_extent("С").cx;
        steel_font(dc, 3 * g.H / 5);
        text_at(dc, static_cast<int>(x0 + 1.4 * wc), B + rows.zero, "0", {0, 0, 0});
    } else {
        const int x0 = g.client.left + (g.client.right - g.client.left - xs.cx) / 2;
        text_at(dc, left_clear_of(Rect{x0, title_y, x0 + xs.cx, title_y + xs.cy}, legend, g.client.left), title_y,
                xt, {0, 0, 0});
    }
    draw_sweep_notes(dc, notes, g.client, g.H, title_y + rows.height, legend);
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
    SweepInput in;
    if (!seyffarth_sweep_entry(kind, params, steps, window, in)) return;
    RegimeGuard regime;
    SweepOutput t85;
    if (!seyffarth_sweep_cooling_times(regime, in, window, t85)) return;
    const StructureLayout& layout = structure_layout(kind);
    const std::string class_name = seyffarth_sweep_class_name(steel.filter_index);

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) {
        lay_out_page(kind, layout, window, dc, {}, in);
        return;
    }
    // The structure table; a faulty one is reported and what it held soundly
    // is used.
    std::vector<StructureRow> rows;
    const AtlasReadResult table = read_structure_table(resolve_atlas_path(descriptor.structure, steel.file_name), rows);
    if (!table.ok) report_atlas_failure(window, table);
    // Cooling times beyond the table's rows take the end row's shares; a note
    // under the x title says so.
    std::vector<double> row_x;
    for (const StructureRow& r : rows) row_x.push_back(r.x);
    const std::vector<std::string> notes =
        sweep_notes(t85.gaps, table_end_lines(TableAbscissa::cooling_time, row_x, t85.t));

    const Page g = lay_out_page(kind, layout, window, dc, notes, in);
    steel_font(dc, g.H);
    draw_sweep_composition(dc, g.client, descriptor, 5 * g.h);
    const SweepTextBlock block{.title = pick(*layout.title),
                               .atlas_line = pick(*layout.atlas_line),
                               .class_name = class_name,
                               .grade = descriptor.grade_line,
                               .y = in.y,
                               .z = in.z,
                               .panel = layout.panel};
    if (rows.empty()) {
        regime.restore();
        draw_sweep_text_block(dc, g.client, g.H, block);
        return;
    }
    const PhaseShares shares = compute_shares(rows, t85);
    const SweepRange range = sweep_range(t85.x, t85.t);

    draw_time_curve(dc, layout, g, t85, range);
    draw_phase_curves(dc, layout, g, t85, range, shares);
    draw_x_title(dc, kind, layout, g, notes);
    // The regime goes back before the panel, so that the panel shows the
    // regime in force and not the last swept one.
    regime.restore();
    draw_sweep_text_block(dc, g.client, g.H, block);
}

void seyffarth_structure_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                          SteelChoice steel, int)
{
    structure_sweep_window(RegimeSweep::energy, params, steps, window, dc, steel);
}
