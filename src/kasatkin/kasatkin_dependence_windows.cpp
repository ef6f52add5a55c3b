// Structure and properties of the Kasatkin-Seyffarth model versus the
// welding regime: energy input, preheat and plate thickness.
#include "kasatkin_windows.h"

#include "numfmt.h"
#include "steel_window_sweep.h"
#include "steel_window_texts.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <array>
#include <functional>
#include <cmath>

using namespace steel_text_rows;

namespace {

const Text5 energy_structure_title{
    "Dependence  of phase composition upon heat input",
    "Зависимость фазового состава от погонной энергии",
    "Залежність фазового складу від погоної енергії",
    "Die Abhängigkeit des Zusammensetzung von der Beziehung die Energie die Geschwindigkeit",
    "La dépendance de la composition de phase de la relation l'énergie la vitesse"};
const Text5 energy_properties_title{
    "Dependence of mechanical properties from rate of energy input",
    "Зависимость механических свойств от погонной энергии",
    "Залежність механічних властивостей від погонної енергії",
    "Die Abhängigkeit der mechanischen Eigenschaften von der Menge der Wärme auf Einheit der Länge ",
    "La dépendance des propriétés mécaniques de la quantité de chaleur par unité de la longueur "};
const Text5 preheat_properties_title{
    "Dependence of mechanical property on preliminary heating",
    "Зависимость механических свойства от предварительного подогрева",
    "Залежність механічних властивостей від попеднього підігріву",
    "Die Abhängigkeit der mechanischen Eigenschaft von der vorläufigen Erwärmung",
    "La dépendance de la propriété mécanique de la chauffe préliminaire"};
const Text5 thickness_structure_title{
    "Dependence of phase structure on thickness of a plate",
    "Зависимость фазового состава от толщины пластины",
    "Залежність фазового складу від товщини пластини",
    "Die Abhängigkeit des Phasebestandes(Zusammensetzung) von der Dicke der Platte",
    "La dépendance de la composition de phase de l'épaisseur de la plaque"};
const Text5 thickness_properties_title{
    "Dependence of mechanical properties on thickness of a plate",
    "Зависимость механических свойств от толщины пластины",
    "Залежність механічних властивостей від товщини пластини",
    "Die Abhängigkeit der mechanischen Eigenschaften von der Dicke der Platte",
    "La dépendance des propriétés mécaniques de l'épaisseur de la plaque"};
const Text5 thickness_axis_properties{"Thickness of a plate", "Толщина пластины", "Товщина пластини",
                                      "Die Dicke der Platte", "L'épaisseur de la plaque"};
const char* const thickness_axis_structure = "Толщина пластины,см";
const Text5 energy_properties_model_line{" Account on model: \"%s\"", " Расчёт по модели: \"%s\"",
                                         " Розрахунок по моделі: \"%s\"",
                                         " Die Rechnung nach dem Modell: \"%s\"",
                                         "Le compte selon le modèle: \"%s\""};

constexpr Rgb black{0, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb dark_red{127, 0, 0};
constexpr Rgb grey{127, 127, 127};

// What the layout of one window measures positions in.
struct Units {
    Rect client, plot;
    int H = 0;
    int h = 0;    // line height of the base font
    int h12 = 0;  // line height of the 1.2 H font
    int panel_top = 0;   // the highest row of the parameter panel
    int table_bottom = 0;   // the first row under the composition table
};

struct Entry {
    SteelPoint p;
};

// Entry: a thickness sweep needs a plate; the peak at the point under the
// regime found at entry must reach the interval (one box).
bool enter_window(const double* params, Window* window, RegimeSweep kind, Entry& entry)
{
    if (!params) return false;
    if (!steel_sweep_possible(window, kind == RegimeSweep::thickness)) return false;
    const CoolingStatus status = steel_point_at_entry(params, entry.p);
    return steel_point_usable(window, entry.p, status, false, true);
}

// Cleared client, base font and plot rectangle; the plot gives up the room
// of the note under it when the sweep left points out.
void lay_out_window(Window* window, Canvas& dc, const PlotMargins& margins, const SweepGaps& gaps, Units& u)
{
    u.client = steel_client_rect(window, dc);
    steel_clear(dc, u.client);
    u.H = (u.client.bottom - u.client.top) / 30;
    u.h12 = steel_extent(dc, "Wg", mul(1.2, u.H)).cy;
    u.h = steel_extent(dc, "Wg", u.H).cy;
    u.plot = plot_rect(u.client, margins, u.h, steel_sweep_note_room(dc, gaps, u.H));
    u.panel_top = steel_panel_top(dc, u.client, u.h);
}

// The abscissas and cooling times of the sweep. A point without a cooling
// time keeps its abscissa, so the x axis spans the range asked for, and is
// a gap in every curve; `gaps` says how many and why.
struct SweepData {
    std::vector<double> x, t;
    AutoAxis x_axis;
    WorldBox box_t{};
    AutoAxis t_axis;
    SweepGaps gaps;
};

// False when no point of the sweep has a cooling time.
bool sweep_data(const RegimeGuard& guard, RegimeSweep kind, const double* params, int n, bool per_area, SweepData& d)
{
    SteelSweep r = run_steel_sweep(guard, kind, params, n, per_area);
    d.gaps = r.gaps;
    if (r.usable == 0) return false;
    d.x = std::move(r.x);
    d.t = std::move(r.time);
    double lo = 0, hi = 0;
    value_range(d.x, lo, hi);
    d.x_axis = auto_axis(lo, hi);
    value_range(d.t, lo, hi);
    d.t_axis = auto_axis(lo, hi);
    d.box_t = WorldBox{d.x_axis.min, d.t_axis.max, d.x_axis.max, d.t_axis.min};
    return true;
}

std::vector<double> model_values(KasatkinSteel& steel, const SweepData& d, KasatkinQuantity q, bool& limited)
{
    std::vector<double> ys(d.x.size());
    for (std::size_t i = 0; i < ys.size(); ++i) {
        if (!std::isfinite(d.t[i])) {
            ys[i] = std::nan("");
            continue;
        }
        kasatkin_evaluate(steel, d.t[i], &limited);
        ys[i] = kasatkin_quantity(steel, q);
    }
    return ys;
}

// The t8/5 axis's ticks: the first count - 1 (or count) tick values of its
// range, as far as the axis reaches: the count-th value can lie a step above
// the longest time, and its label would stand over the composition table.
std::span<const double> time_ticks(const SweepData& d, bool all_ticks)
{
    const int wished = std::max(1, all_ticks ? d.t_axis.count : d.t_axis.count - 1);
    const int last = ticks_within(d.t_axis.ticks, wished - 1, d.t_axis.min, d.t_axis.max);
    if (last < 0) return {};
    return std::span(d.t_axis.ticks).first(static_cast<std::size_t>(last) + 1);
}

void time_axis(Canvas& dc, const SweepData& d, int x, const Units& u, Rgb colour, bool all_ticks)
{
    const std::span<const double> ticks = time_ticks(d, all_ticks);
    if (ticks.empty()) return;
    steel_y_axis(dc, x, u.plot, d.t_axis.max, d.t_axis.min, ticks, pen_of(PenStyle::solid, 2, colour), colour);
}

// Grid with the grey dotted pen: vertical lines at the x ticks in range,
// horizontal lines at the fixed ticks, the right edge and (optionally) the
// top edge; then the fixed axis at the plot's left edge and the x axis.
void grid_and_axes(Canvas& dc, const Units& u, const AutoAxis& x_axis, double top, double bottom,
                   const std::vector<double>& ticks, bool top_edge)
{
    const WorldBox box{x_axis.min, top, x_axis.max, bottom};
    dc.select_pen(pen_of(PenStyle::dot, 1, grey));
    draw_vertical_grid(dc, u.plot, box, x_axis.count, x_axis.ticks);
    draw_horizontal_grid(dc, u.plot, box, static_cast<int>(ticks.size()) - 1, ticks);
    dc.move_to(u.plot.right, u.plot.top);
    dc.line_to(u.plot.right, u.plot.bottom);
    if (top_edge) {
        dc.move_to(u.plot.left, u.plot.top);
        dc.line_to(u.plot.right, u.plot.top);
    }
    steel_y_axis(dc, u.plot.left, u.plot, top, bottom, ticks, pen_of(PenStyle::solid, 2, black), black);
    dc.select_pen(pen_of(PenStyle::solid, 2, dark_red));
    dc.set_text_color(black);
    draw_x_axis(dc, u.plot.bottom, u.plot.left, u.plot.right, x_axis.min, x_axis.max, x_axis.count, 6,
                x_axis.ticks);
}

// Title, attribution, model line, point line and panel.
struct Footer {
    const Text5* title;
    bool title_unit_is_h12;   // positions in the 1.2 H line height, else the base
    double attribution_y;
    double model_y;             // from the client bottom
    bool model_unit_is_h12;
    double point_y;
    bool point_unit_is_h12;
    const Text5* model_line_text;
    PanelRows panel;
};

// The model line and the point line stand on their rows counted up from the
// client's bottom, whatever the lines above them took: pushed down under the
// axis title they would run into the parameter panel's heading. A sweep that
// left points out has given up the note's room in its plot already. Where
// the row of a line would blank the descenders of the one above it (from
// `above`, the first row under the axis title or note), it starts under
// them.
// The first row under the x axis title at row y and the note under it.
int under_axis_title(Canvas& dc, const Units& u, const std::string& title, int font, int y, const SweepGaps& gaps)
{
    steel_font(dc, font);
    const int under_title = row_under(dc, y, title);
    if (!gaps.any()) return under_title;
    steel_font(dc, u.H);
    return row_under(dc, under_title, gaps.note());
}

// The x axis title centred at row y, the note of the points left out under
// it; returns the first row under both.
int draw_axis_title(Canvas& dc, const Units& u, const std::string& title, int font, int y, const SweepGaps& gaps)
{
    const Size s = steel_extent(dc, title, font);
    text_at(dc, u.client.left + (u.client.right - u.client.left - s.cx) / 2, y, title, black);
    return steel_sweep_note_under(dc, gaps, u.client, u.H, row_under(dc, y, title));
}

// The model line and the point line of a footer: their texts and rows.
struct FooterLines {
    std::string model, point;
    int model_font = 0;   // 1.2 H, or smaller where the line is wider than the client
    int model_y = 0, point_y = 0;
    int bottom = 0;   // the first row under the point line
};

FooterLines footer_lines(Canvas& dc, const Units& u, const std::string& model_text, double model_y, int model_unit,
                         double point_y, int point_unit, const SteelPoint& p, int above)
{
    FooterLines l;
    l.model = model_text;
    l.model_font = select_fitting_font(dc, l.model, mul(1.2, u.H), u.client.left, u.client.right);
    l.model_y = std::max(u.client.bottom - mul(model_y, model_unit), above);
    const int under_model = row_under(dc, l.model_y, l.model);
    steel_font(dc, u.H);
    l.point = steel_text(pick(point_coordinates), {steel_number(p.y), steel_number(p.z)});
    l.point_y = std::max(u.client.bottom - mul(point_y, point_unit), under_model);
    l.bottom = row_under(dc, l.point_y, l.point);
    // Lines that would reach the panel move up, the point line first as far
    // as the model line's ink allows, then both, as far as `above` allows.
    const int point_lift = std::clamp(l.bottom - u.panel_top, 0, l.point_y - under_model);
    l.point_y -= point_lift;
    l.bottom -= point_lift;
    const int lift = std::clamp(l.bottom - u.panel_top, 0, l.model_y - above);
    l.model_y -= lift;
    l.point_y -= lift;
    l.bottom -= lift;
    return l;
}

FooterLines footer_lines(Canvas& dc, const Units& u, const Entry& entry, const Footer& f, int above)
{
    return footer_lines(dc, u, steel_text(pick(*f.model_line_text), {steel_summary().title}), f.model_y,
                        f.model_unit_is_h12 ? u.h12 : u.h, f.point_y, f.point_unit_is_h12 ? u.h12 : u.h, entry.p,
                        above);
}

// A plot whose lines under it would reach the parameter panel gives up the
// rows they lack: `above(bottom)` is the first row under the axis title
// (and note) for a plot ending at `bottom`.
template <class Above, class Lines>
void leave_room_for_footer(Canvas& dc, Units& u, const Above& above, const Lines& lines)
{
    for (int i = 0; i < 4; ++i) {
        const int over = lines(above(u.plot.bottom)).bottom - u.panel_top;
        if (over <= 0) break;
        u.plot.bottom -= over;
    }
    steel_font(dc, u.H);
}

void draw_footer_lines(Canvas& dc, const Units& u, const FooterLines& l)
{
    const int width = u.client.right - u.client.left;
    steel_font(dc, l.model_font);
    text_at(dc, u.client.left + (width - dc.text_extent(l.model).cx) / 2, l.model_y, l.model, rgb(120, 0, 95));
    steel_font(dc, u.H);
    text_at(dc, u.client.left + (width - dc.text_extent(l.point).cx) / 2, l.point_y, l.point, black);
}

// The title with its attribution line under it; a title wider than the
// client takes a smaller font.
void draw_titles(Canvas& dc, const Units& u, const std::string& title, int unit, double attribution_y)
{
    const int title_y = u.client.top + mul(0.3, unit);
    select_fitting_font(dc, title, mul(1.2, u.H), u.client.left + unit, u.client.right);
    text_at(dc, u.client.left + unit, title_y, title, dark_red);
    steel_font(dc, mul(1.2, u.H));
    text_at(dc, u.client.left + unit, std::max(u.client.top + mul(attribution_y, unit), row_under(dc, title_y, title)),
            pick(model_attribution), dark_red);
}

void draw_footer(Canvas& dc, const Units& u, const Entry& entry, const Footer& f, int above)
{
    draw_titles(dc, u, pick(*f.title), f.title_unit_is_h12 ? u.h12 : u.h, f.attribution_y);
    dc.set_text_color(black);
    draw_footer_lines(dc, u, footer_lines(dc, u, entry, f, above));
    draw_steel_panel(dc, u.client, f.panel, u.h);
}

// ---------------------------------------------------------------------------
// Structure windows

enum class LegendForm { char_width, energy = char_width, preheat, thickness };

struct ShareCurve {
    KasatkinQuantity q;
    PenStyle style;
    Rgb colour;
    int row;
    const Text5* label;
    int line_start;   // thickness window: in h
};

// Where a structure window puts its rows and columns and what it writes
// there.
struct StructureLayout {
    RegimeSweep kind;
    PlotMargins margins;   // in h
    double t_axis_x;          // from client left (h), or from plot left when negative
    bool t_axis_from_plot;
    int t_title_height_tenths;   // 11 or 12 tenths of H
    double share_title_x;     // in the title's own height
    bool share_title_from_plot;
    std::vector<ShareCurve> curves;   // martensite first
    LegendForm legend;
    const Text5* x_title;     // null: the thickness text
    double x_title_y;         // in its own height
    Footer footer;
};

// Where a legend entry's label starts.
int legend_label_x(Canvas& dc, const Units& u, const std::string& label, LegendForm form)
{
    steel_font(dc, u.H);
    const Size s = dc.text_extent(label);
    const int c = s.cx / std::max<int>(1, static_cast<int>(label.size()));
    return form == LegendForm::char_width ? u.plot.right + mul(1.2, c) : u.plot.right + mul(1.2, s.cy);
}

void legend_entry(Canvas& dc, const Units& u, const std::string& label, Rgb colour, const Pen& pen, int row,
                  LegendForm form, int line_start)
{
    steel_font(dc, u.H);
    const Size s = dc.text_extent(label);
    const int chars = std::max<int>(1, static_cast<int>(label.size()));
    const int c = s.cx / chars;
    int x = 0, x1 = 0, x2 = 0;
    switch (form) {
    case LegendForm::char_width:
        x = u.plot.right + mul(1.2, c);
        x1 = u.plot.right + s.cx + 2 * c;
        x2 = u.client.right - 2 * c;
        break;
    case LegendForm::preheat:
        x = u.plot.right + mul(1.2, s.cy);
        x1 = x + s.cx + 2 * c;
        x2 = u.client.right - 2 * c;
        break;
    case LegendForm::thickness:
        x = u.plot.right + mul(1.2, s.cy);
        x1 = u.plot.right + s.cx + line_start * s.cy;
        x2 = u.client.right - 2 * s.cy;
        break;
    }
    text_at(dc, x, u.plot.top + row * s.cy, label, colour);
    legend_line(dc, pen, x1, x2, u.plot.top + mul(row + 0.5, s.cy));
}

void structure_window(const StructureLayout& layout, const double* params, int n, Window* window, Canvas& dc,
                      const CompositionRecord& composition)
{
    Entry entry;
    if (!enter_window(params, window, layout.kind, entry)) return;
    RegimeGuard regime;
    SweepData d;
    if (!sweep_data(regime, layout.kind, params, n, false, d)) {
        // Nothing to draw: the note says why, once the regime is back.
        regime.restore();
        steel_report_empty_sweep(window, d.gaps);
        return;
    }

    Units u;
    lay_out_window(window, dc, layout.margins, d.gaps, u);
    const std::string x_title = layout.x_title ? pick(*layout.x_title) : thickness_axis_structure;
    // The t8/5 legend entry stands on the plot's last rows: a title wide
    // enough to reach under it starts under its descenders.
    const std::string t_label = pick(cooling_time_short);
    const int t_label_x = legend_label_x(dc, u, t_label, layout.legend);
    const int t_label_under = row_under(dc, u.plot.top + 11 * dc.text_extent(t_label).cy, t_label);
    const auto x_title_row = [&](int bottom) {
        const Size s = steel_extent(dc, x_title, mul(1.2, u.H));
        const int y = bottom + mul(layout.x_title_y, s.cy);
        const bool under_label = u.client.left + (u.client.right - u.client.left + s.cx) / 2 > t_label_x;
        return under_label ? std::max(y, t_label_under) : y;
    };
    leave_room_for_footer(
        dc, u, [&](int bottom) { return under_axis_title(dc, u, x_title, mul(1.2, u.H), x_title_row(bottom), d.gaps); },
        [&](int above) { return footer_lines(dc, u, entry, layout.footer, above); });
    KasatkinSteel steel;
    load_kasatkin_composition(composition, steel);
    steel_font(dc, u.H);
    steel.draw_composition_table(u.client.left + 10, u.client.top + mul(3.1, u.h), 20, 20, dc);
    bool limited = false;

    // t8/5 on its own axis left of the plot.
    const Pen t_pen = pen_of(PenStyle::solid, 1, blue);
    const int t_axis_x = layout.t_axis_from_plot ? u.plot.left + mul(layout.t_axis_x, u.h)
                                               : u.client.left + mul(layout.t_axis_x, u.h);
    steel_font(dc, u.H);
    time_axis(dc, d, t_axis_x, u, blue, false);
    const std::string t_title = pick(cooling_time_short);
    const int t_font = layout.t_title_height_tenths * u.H / 10;
    const int t_title_h = steel_extent(dc, t_title, t_font).cy;
    rotated_axis_title(dc, t_title, t_font, u.client.left + mul(0.5, t_title_h), u.plot, blue, u.H);
    draw_steel_curve(dc, t_pen, d.x, d.t, u.plot, d.box_t);
    legend_entry(dc, u, t_title, blue, t_pen, 11, layout.legend, 2);

    const WorldBox box{d.x_axis.min, 100, d.x_axis.max, 0};
    const std::vector<double> share_ticks = scale_ticks(0, 20, 6);
    bool first = true;
    for (const ShareCurve& c : layout.curves) {
        const std::vector<double> ys = model_values(steel, d, c.q, limited);
        const Pen pen = pen_of(c.style, 1, c.colour);
        if (first) {
            first = false;
            grid_and_axes(dc, u, d.x_axis, 100, 0, share_ticks, true);
            const std::string title = steel_text(pick(structure_axis));
            const int th = steel_extent(dc, title, mul(1.2, u.H)).cy;
            const int x = layout.share_title_from_plot ? u.plot.left + mul(layout.share_title_x, th)
                                                     : u.client.left + mul(layout.share_title_x, th);
            rotated_axis_title(dc, title, mul(1.2, u.H), x, u.plot, black, u.H);
        }
        draw_steel_curve(dc, pen, d.x, ys, u.plot, box);
        legend_entry(dc, u, steel_text(pick(*c.label)), c.colour, pen, c.row, layout.legend, c.line_start);
    }

    const int above = draw_axis_title(dc, u, x_title, mul(1.2, u.H), x_title_row(u.plot.bottom), d.gaps);
    draw_footer(dc, u, entry, layout.footer, above);
    regime.restore();   // before a message lets anything else run
    if (limited) steel_report_kasatkin_range(window);
}

// ---------------------------------------------------------------------------
// Properties windows

// Where a properties window puts its rows and columns and what it writes
// there.
struct PropertyLayout {
    RegimeSweep kind;
    PlotMargins margins;   // in h
    bool per_area;            // energy input divided by a positive thickness
    // t8/5 column layout, in h of the base font (thickness: title in h12)
    double t_axis_x;
    Rgb t_axis_colour;
    bool t_all_ticks;
    double t_title_x;
    double t_legend_x;        // < 0: no legend line
    bool t_legend_double;
    bool t_title_centred;     // thickness: a rotated axis title in 1.2 H
    bool titles_in_h12;       // property titles in 1.2 H, columns in h12
    double rm_axis, rm_title, rm_legend, r02_title, r02_legend;
    bool top_edge;
    const Text5* x_title;
    Footer footer;
};

struct PropertyCurve {
    KasatkinQuantity q;
    PenStyle style;
    Rgb colour;
    const Text5* title;
    int column_from;          // 0 plot left, 1 client left, 2 plot right
    double title_x, legend_x, axis_x;   // axis_x < -100: none; plot left axis when column 0
    double top, bottom;
    std::vector<double> ticks;
    int order;                // 0: title, legend, axis; 1: axis, title, legend
};

struct PropertyColumns {
    double rm_axis, rm_title, rm_legend, r02_title, r02_legend;
};

// How far the left margin's columns moved to clear each other (pixels).
struct ColumnMoves {
    int hv_title = 0, rm_title = 0, r02_title = 0, rm_axis = 0;
};

const std::vector<double> hv_ticks = scale_ticks(50, 50, 14);
const std::vector<double> rm_ticks = scale_ticks(100, 200, 11);

// The left margin of a properties window: the t8/5 title and its axis's
// labels (when the window has them), the strength and yield titles, the
// strength axis's labels, the hardness title and the hardness labels at the
// plot's edge, each moved the least distance that clears the others.
// Returns the moves; `t_title_x` and `t_axis_x` are moved in place.
ColumnMoves clear_left_margin(Canvas& dc, const Units& u, const PropertyColumns& columns, int title_font, int ch,
                              const std::array<std::string, 3>& titles, PlotColumn* t_title, int* t_axis_x,
                              std::span<const double> t_ticks)
{
    steel_font(dc, u.H);
    const int rm_width = y_axis_label_width(dc, rm_ticks);
    const int hv_width = y_axis_label_width(dc, hv_ticks);
    const int t_width = y_axis_label_width(dc, t_ticks);
    PlotColumn hv_title = turned_title_column(dc, titles[0], title_font, u.plot.left + mul(-4, ch), u.H);
    PlotColumn rm_title = turned_title_column(dc, titles[1], title_font, u.client.left + mul(columns.rm_title, ch), u.H);
    PlotColumn r02_title =
        turned_title_column(dc, titles[2], title_font, u.client.left + mul(columns.r02_title, ch), u.H);
    const int rm_axis = u.client.left + mul(columns.rm_axis, ch);
    PlotColumn rm_labels{rm_axis - rm_width, rm_width};
    PlotColumn hv_labels{u.plot.left - hv_width, hv_width, true};
    std::vector<PlotColumn*> all{&hv_title, &rm_title, &r02_title, &rm_labels, &hv_labels};
    PlotColumn t_labels;
    if (t_title != nullptr && t_axis_x != nullptr) {
        t_labels = PlotColumn{*t_axis_x - t_width, t_width};
        all.push_back(t_title);
        all.push_back(&t_labels);
    }
    ColumnMoves moves;
    const int hv0 = hv_title.x, rm0 = rm_title.x, r020 = r02_title.x;
    clear_columns(all);
    moves.hv_title = hv_title.x - hv0;
    moves.rm_title = rm_title.x - rm0;
    moves.r02_title = r02_title.x - r020;
    moves.rm_axis = rm_labels.end() - rm_axis;
    if (t_axis_x != nullptr) *t_axis_x = t_labels.end();
    return moves;
}

// The six property curves over one x axis, each with its vertical title and
// legend line and (but R02) its own axis; the grid and the HV and x axes come
// with the HV curve. `titles` replaces the texts of all six when given.
void property_curves(Canvas& dc, const Units& u, const AutoAxis& x_axis, const std::vector<double>& xs,
                     const PropertyColumns& columns, const ColumnMoves& moves, bool top_edge, int title_font, int ch,
                     const std::array<const char*, 6>* titles,
                     const std::function<std::vector<double>(KasatkinQuantity)>& values)
{
    auto col = [&](int from, double offset) {
        switch (from) {
        case 0: return u.plot.left + mul(offset, ch);
        case 1: return u.client.left + mul(offset, ch);
        default: return u.plot.right + mul(offset, ch);
        }
    };
    const std::vector<PropertyCurve> curves{
        {KasatkinQuantity::hv, PenStyle::solid, rgb(127, 0, 0), &hardness_title, 0, -4, -3.5, -1000, 700, 50,
         hv_ticks, 0},
        {KasatkinQuantity::rm, PenStyle::dash_dot, rgb(0, 125, 0), &strength_title, 1, columns.rm_title,
         columns.rm_legend, columns.rm_axis, 2100, 100, rm_ticks, 0},
        {KasatkinQuantity::r02, PenStyle::dash_dot, rgb(0, 200, 0), &yield_title, 1, columns.r02_title,
         columns.r02_legend, -1000, 2100, 100, {}, 0},
        {KasatkinQuantity::a, PenStyle::dash, rgb(0, 0, 200), &elongation_title, 2, 1, 1.5, 3.8, 48, 0,
         scale_ticks(0, 8, 7), 1},
        {KasatkinQuantity::z, PenStyle::dash_dot_dot, rgb(200, 200, 75), &reduction_title, 2, 4, 4.5, 6.8, 96, 0,
         scale_ticks(0, 16, 7), 1},
        {KasatkinQuantity::k, PenStyle::dot, rgb(255, 0, 255), &toughness_title, 2, 7.5, 8, 10, 36, 0,
         scale_ticks(0, 6, 7), 1},
    };
    const auto title_move = [&](KasatkinQuantity q) {
        return q == KasatkinQuantity::hv ? moves.hv_title : q == KasatkinQuantity::rm ? moves.rm_title
               : q == KasatkinQuantity::r02 ? moves.r02_title : 0;
    };
    std::size_t index = 0;
    for (const PropertyCurve& c : curves) {
        const std::vector<double> ys = values(c.q);
        const Pen pen = pen_of(c.style, 1, c.colour);
        const WorldBox box{x_axis.min, c.top, x_axis.max, c.bottom};
        if (c.q == KasatkinQuantity::hv) grid_and_axes(dc, u, x_axis, 700, 50, c.ticks, top_edge);
        draw_steel_curve(dc, pen, xs, ys, u.plot, box);
        auto axis = [&] {
            if (c.axis_x < -100) return;
            steel_font(dc, u.H);
            const int move = c.q == KasatkinQuantity::rm ? moves.rm_axis : 0;
            steel_y_axis(dc, col(c.column_from, c.axis_x) + move, u.plot, c.top, c.bottom, c.ticks,
                         pen_of(PenStyle::solid, 2, c.colour), c.colour);
        };
        if (c.order == 1) axis();
        const int move = title_move(c.q);
        const std::string title = titles ? std::string((*titles)[index]) : steel_text(pick(*c.title));
        // The titles left of the plot read up from its bottom; one longer
        // than the room under the composition table takes a smaller font.
        const int font = c.column_from == 2 ? title_font
                                            : select_fitting_font(dc, title, title_font, u.table_bottom, u.plot.bottom);
        vertical_title_with_legend(dc, title, font, col(c.column_from, c.title_x) + move, u.plot, c.colour, pen,
                                   col(c.column_from, c.legend_x) + move, mul(0.5, ch), u.H);
        if (c.order == 0) axis();
        ++index;
    }

}

void properties_window(const PropertyLayout& layout, const double* params, int n, Window* window, Canvas& dc,
                       const CompositionRecord& composition)
{
    Entry entry;
    if (!enter_window(params, window, layout.kind, entry)) return;
    RegimeGuard regime;
    SweepData d;
    if (!sweep_data(regime, layout.kind, params, n, layout.per_area, d)) {
        // Nothing to draw: the note says why, once the regime is back.
        regime.restore();
        steel_report_empty_sweep(window, d.gaps);
        return;
    }

    Units u;
    lay_out_window(window, dc, layout.margins, d.gaps, u);
    const std::string x_title = pick(*layout.x_title);
    leave_room_for_footer(
        dc, u, [&](int bottom) { return under_axis_title(dc, u, x_title, u.H, bottom + mul(1.8, u.h), d.gaps); },
        [&](int above) { return footer_lines(dc, u, entry, layout.footer, above); });
    KasatkinSteel steel;
    load_kasatkin_composition(composition, steel);
    steel_font(dc, u.H);
    steel.draw_composition_table(u.client.left + 10, u.client.top + mul(3.1, u.h), 20, 20, dc);
    u.table_bottom = CompositionRecord::composition_table_bottom(u.client.top + mul(3.1, u.h), 20, dc);
    bool limited = false;

    const int title_font = layout.titles_in_h12 ? mul(1.2, u.H) : u.H;
    const int ch = layout.titles_in_h12 ? u.h12 : u.h;   // unit of the title columns

    // t8/5.
    const Pen t_pen = pen_of(PenStyle::solid, 1, blue);
    const std::string t_title = pick(cooling_time_short);
    const int t_title_font = layout.t_title_centred ? mul(1.2, u.H) : u.H;
    const int t_unit = steel_extent(dc, t_title, t_title_font).cy;
    PlotColumn t_column = turned_title_column(dc, t_title, t_title_font,
                                              u.client.left + mul(layout.t_title_x, t_unit), u.H);
    const int t_legend_offset = u.client.left + mul(layout.t_legend_x, u.h) - t_column.x;
    int t_axis_x = u.client.left + mul(layout.t_axis_x, u.h);
    const PropertyColumns columns{layout.rm_axis, layout.rm_title, layout.rm_legend, layout.r02_title,
                                  layout.r02_legend};
    const ColumnMoves moves =
        clear_left_margin(dc, u, columns, title_font, ch,
                          {steel_text(pick(hardness_title)), steel_text(pick(strength_title)),
                           steel_text(pick(yield_title))},
                          &t_column, &t_axis_x, time_ticks(d, layout.t_all_ticks));
    steel_font(dc, u.H);
    time_axis(dc, d, t_axis_x, u, layout.t_axis_colour, layout.t_all_ticks);
    draw_steel_curve(dc, t_pen, d.x, d.t, u.plot, d.box_t);
    if (layout.t_title_centred) {
        rotated_axis_title(dc, t_title, t_title_font, t_column.x, u.plot, blue, u.H);
    } else {
        vertical_title_with_legend(dc, t_title, u.H, t_column.x, u.plot, blue, t_pen, t_column.x + t_legend_offset,
                                   mul(0.5, u.h), u.H, layout.t_legend_double);
    }

    property_curves(dc, u, d.x_axis, d.x, columns, moves, layout.top_edge, title_font, ch, nullptr,
                    [&](KasatkinQuantity q) { return model_values(steel, d, q, limited); });

    const int above = draw_axis_title(dc, u, x_title, u.H, u.plot.bottom + mul(1.8, u.h), d.gaps);
    draw_footer(dc, u, entry, layout.footer, above);
    regime.restore();   // before a message lets anything else run
    if (limited) steel_report_kasatkin_range(window);
}

const std::vector<ShareCurve> energy_shares{
    {KasatkinQuantity::martensite, PenStyle::solid, rgb(0, 127, 0), 9, &martensite_unit, 3},
    {KasatkinQuantity::ferrite, PenStyle::dash_dot, rgb(255, 127, 0), 3, &ferrite_unit, 2},
    {KasatkinQuantity::bainite, PenStyle::dash_dot, rgb(0, 127, 255), 5, &bainite_unit, 2},
    {KasatkinQuantity::pearlite, PenStyle::dash, rgb(127, 0, 0), 7, &pearlite_unit, 2},
};
const std::vector<ShareCurve> preheat_shares{
    {KasatkinQuantity::martensite, PenStyle::solid, rgb(0, 127, 0), 3, &martensite_unit, 3},
    {KasatkinQuantity::bainite, PenStyle::dash_dot, rgb(0, 127, 255), 5, &bainite_unit, 2},
    {KasatkinQuantity::ferrite, PenStyle::dash_dot, rgb(255, 127, 0), 7, &ferrite_unit, 2},
    {KasatkinQuantity::pearlite, PenStyle::dash, rgb(127, 0, 0), 9, &pearlite_unit, 2},
};
const std::vector<ShareCurve> thickness_shares{
    {KasatkinQuantity::martensite, PenStyle::solid, rgb(0, 127, 0), 9, &martensite_unit, 3},
    {KasatkinQuantity::bainite, PenStyle::dash_dot, rgb(0, 127, 255), 3, &bainite_unit_lower, 2},
    {KasatkinQuantity::ferrite, PenStyle::dash_dot, rgb(255, 127, 0), 5, &ferrite_unit_lower, 2},
    {KasatkinQuantity::pearlite, PenStyle::dash, rgb(127, 0, 0), 7, &pearlite_unit, 2},
};

int steps_or_default(int steps)
{
    return steps >= 1 ? steps : 50;
}

} // namespace

void kasatkin_structure_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                         CompositionRecord composition, int)
{
    static const StructureLayout layout{RegimeSweep::energy,
                                        {.left = 8, .top = 7, .right = 13, .bottom = 12},
                                        4, false, 11, -3, true,
                                        energy_shares, LegendForm::char_width, &energy_axis, 1.3,
                                        Footer{&energy_structure_title, true, 1.5, 6.8, true, 5.5, true, &model_line,
                                               panel_without_speed_and_power}};
    structure_window(layout, params, steps_or_default(steps), window, dc, composition);
}

void kasatkin_properties_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                          CompositionRecord composition, int)
{
    static const PropertyLayout layout{RegimeSweep::energy,
                                       {.left = 13, .top = 7, .right = 12, .bottom = 10},
                                       true, 3, rgb(0, 0, 200), false,
                                       0.3, 0.8, false, false, false, 7.7, 3.2, 4.2, 4.2, 4.7, false, &energy_axis,
                                       Footer{&energy_properties_title, false, 1.4, 7.4, false, 6.2, false,
                                              &energy_properties_model_line, panel_without_speed_and_power}};
    properties_window(layout, params, steps_or_default(steps), window, dc, composition);
}

void kasatkin_structure_vs_preheat_window(const double* params, int, Window* window, Canvas& dc, int,
                                          CompositionRecord composition, int)
{
    static const StructureLayout layout{RegimeSweep::preheat,
                                        {.left = 8, .top = 7, .right = 13, .bottom = 12},
                                        -4, true, 12, 4, false,
                                        preheat_shares, LegendForm::preheat, &preheat_axis, 1.8,
                                        Footer{&structure_dependence, true, 1.4, 8, false, 6.8, false, &model_line,
                                               PanelRows{}}};
    structure_window(layout, params, 50, window, dc, composition);
}

void kasatkin_properties_vs_preheat_window(const double* params, int, Window* window, Canvas& dc, int,
                                           CompositionRecord composition, int)
{
    static const PropertyLayout layout{RegimeSweep::preheat,
                                       {.left = 14, .top = 7, .right = 12, .bottom = 12},
                                       false, 3.5, blue, true,
                                       0.1, 0.6, true, false, false, 8.5, 4, 5, 5, 5.5, true, &preheat_axis,
                                       Footer{&preheat_properties_title, true, 1.4, 8, false, 6.8, false, &model_line,
                                              PanelRows{}}};
    properties_window(layout, params, 50, window, dc, composition);
}

void kasatkin_structure_vs_thickness_window(const double* params, int, Window* window, Canvas& dc, int,
                                            CompositionRecord composition, int)
{
    static const StructureLayout layout{RegimeSweep::thickness,
                                        {.left = 8, .top = 7, .right = 17, .bottom = 12},
                                        4, false, 11, 4, false,
                                        thickness_shares, LegendForm::thickness, nullptr, 1.8,
                                        Footer{&thickness_structure_title, true, 1.4, 6.8, false, 5.5, false,
                                               &model_line, PanelRows{}}};
    structure_window(layout, params, 50, window, dc, composition);
}

void kasatkin_properties_vs_thickness_window(const double* params, int, Window* window, Canvas& dc, int,
                                             CompositionRecord composition, int)
{
    static const PropertyLayout layout{RegimeSweep::thickness,
                                       {.left = 12, .top = 7, .right = 12, .bottom = 10},
                                       false, 3, blue, false,
                                       0.5, -1, false, true, true, 7.5, 3, 4, 4, 4.5, false,
                                       &thickness_axis_properties,
                                       Footer{&thickness_properties_title, true, 1.4, 6.8, false, 5.5, false,
                                              &model_line, PanelRows{}}};
    properties_window(layout, params, 50, window, dc, composition);
}

// ---------------------------------------------------------------------------
// Chemistry windows: one element's content swept over its range at the
// point's fixed cooling time.

namespace {

const std::array<const char*, 12> kasatkin_element_symbols{"C",  "Mn", "Si", "Cr", "Mo", "Ni",
                                                           "V",  "Ti", "Al", "Nb", "W",  "Cu"};
const char* const content_axis_title = "Содержание %s, %%";
const char* const chemistry_structure_title = "Зависимость фазового состава от химсостава";
const char* const chemistry_properties_title = "Зависимость механических свойств от химсостава";
const std::array<const char*, 6> chemistry_property_titles{
    nullptr, "Предел прочности Rm, MPa", "Предел текучести R02, MPa", "Относительное удлинение A, %",
    "Относительное сужение Z, %", "Ударная вязкость K, J/mm2"};

struct ChemistryEntry {
    SteelPoint p;
    Units u;
    int h15 = 0;   // line height of the 1.5 H font
    int k = 0;
};

// Entry, cleared client, fonts and plot; a point whose peak does not reach
// the interval gets its peak written into the window instead of a box.
bool begin_chemistry(const double* params, Window* window, Canvas& dc, int selector, const PlotMargins& margins,
                     ChemistryEntry& ce)
{
    if (!params) return false;
    const CoolingStatus status = steel_point_at_entry(params, ce.p);
    Units& u = ce.u;
    u.client = steel_client_rect(window, dc);
    steel_clear(dc, u.client);
    u.H = (u.client.bottom - u.client.top) / 30;
    ce.h15 = steel_extent(dc, "Wg", mul(1.5, u.H)).cy;
    u.h12 = steel_extent(dc, "Wg", mul(1.2, u.H)).cy;
    u.h = steel_extent(dc, "Wg", u.H).cy;
    u.plot = plot_rect(u.client, margins, u.h);
    u.panel_top = steel_panel_top(dc, u.client, u.h);
    if (status == CoolingStatus::peak_below) {
        const std::string text = cformat(steel_max_temperature_text, ce.p.T_max, ce.p.y, ce.p.z);
        const Size s = dc.text_extent(text);
        text_at(dc, u.client.left + s.cy, u.plot.top + (u.plot.bottom - u.plot.top + s.cx) / 2, text, black);
        return false;
    }
    if (!steel_point_usable(window, ce.p, status, false)) return false;
    // An element index outside the list varies nothing: carbon is taken.
    ce.k = selector >= 0 && selector < KasatkinSteel::sweep_count ? selector : 0;
    return true;
}

// The contents of element k: min + i (max - min) / n, i = 0..n-1, with the
// model's values of one quantity at the point's cooling time.
std::vector<double> content_sweep(KasatkinSteel& steel, int k, int n, double t, KasatkinQuantity q,
                                  std::vector<double>& xs, bool& limited)
{
    std::vector<double> ys(static_cast<std::size_t>(n));
    xs.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        xs[static_cast<std::size_t>(i)] = steel.kasatkin_vary_element(k, i, n);
        kasatkin_evaluate(steel, t, &limited);
        ys[static_cast<std::size_t>(i)] = kasatkin_quantity(steel, q);
    }
    return ys;
}

// The model line and the point line on their rows from the client's bottom,
// as in the regime windows.
FooterLines chemistry_lines(Canvas& dc, const ChemistryEntry& ce, int unit, double model_y, double point_y, int above)
{
    return footer_lines(dc, ce.u, steel_text(model_line.ru, {steel_summary().title}), model_y, unit, point_y, unit,
                        ce.p, above);
}

void chemistry_footer(Canvas& dc, const ChemistryEntry& ce, const char* title, int unit, double attribution_y,
                      double model_y, double point_y, int above)
{
    draw_titles(dc, ce.u, title, unit, attribution_y);
    draw_footer_lines(dc, ce.u, chemistry_lines(dc, ce, unit, model_y, point_y, above));
    draw_steel_panel(dc, ce.u.client, PanelRows{}, unit);
}

std::string content_axis_text(const ChemistryEntry& ce)
{
    return steel_text(content_axis_title, {kasatkin_element_symbols[static_cast<std::size_t>(ce.k)]});
}

// The plot of a chemistry window leaves room for the lines under it: the
// content caption in its font at `factor` units under the plot, the model
// and point lines.
void chemistry_room(Canvas& dc, ChemistryEntry& ce, int font, int unit, double factor, double model_y, double point_y)
{
    const std::string text = content_axis_text(ce);
    leave_room_for_footer(
        dc, ce.u,
        [&](int bottom) {
            steel_font(dc, font);
            return row_under(dc, bottom + mul(factor, unit), text);
        },
        [&](int above) { return chemistry_lines(dc, ce, unit, model_y, point_y, above); });
}

// Returns the first row under it.
int content_axis_caption(Canvas& dc, const ChemistryEntry& ce, int font_height, int y)
{
    const std::string text = content_axis_text(ce);
    const Size s = steel_extent(dc, text, font_height);
    text_at(dc, ce.u.client.left + (ce.u.client.right - ce.u.client.left - s.cx) / 2, y, text, black);
    return row_under(dc, y, text);
}

} // namespace

void kasatkin_structure_vs_chemistry_window(const double* params, int steps, Window* window, Canvas& dc,
                                            int selector, CompositionRecord composition, int)
{
    ChemistryEntry ce;
    if (!begin_chemistry(params, window, dc, selector, {.left = 5, .top = 7, .right = 13, .bottom = 12}, ce)) return;
    chemistry_room(dc, ce, mul(1.5, ce.u.H), ce.h15, 1.8, 5.5, 4.8);
    const Units& u = ce.u;
    const int n = steps_or_default(steps);
    KasatkinSteel steel;
    load_kasatkin_composition(composition, steel);
    steel_font(dc, u.H);
    steel.draw_composition_table(u.client.left + 10, u.client.top + mul(3.1, u.h), 20, 20, dc);
    bool limited = false;

    struct Curve {
        KasatkinQuantity q;
        PenStyle style;
        Rgb colour;
        int row;
        std::string label;
    };
    const std::vector<Curve> curves{
        {KasatkinQuantity::martensite, PenStyle::solid, rgb(0, 127, 0), 3, steel_text(pick(martensite_unit))},
        {KasatkinQuantity::bainite, PenStyle::dash_dot, rgb(0, 127, 255), 5, steel_text(pick(bainite_unit_lower))},
        {KasatkinQuantity::ferrite, PenStyle::dash_dot, rgb(255, 127, 0), 9, steel_text(pick(ferrite_unit_lower))},
        {KasatkinQuantity::pearlite, PenStyle::dash, rgb(127, 0, 0), 7, "Перлит, %"},
    };
    const std::vector<double> share_ticks = scale_ticks(0, 20, 6);
    AutoAxis x_axis;
    std::vector<double> xs;
    bool first = true;
    for (const Curve& c : curves) {
        const std::vector<double> ys = content_sweep(steel, ce.k, n, ce.p.t, c.q, xs, limited);
        if (first) {
            double lo = 0, hi = 0;
            value_range(xs, lo, hi);
            x_axis = auto_axis(lo, hi);
            grid_and_axes(dc, u, x_axis, 100, 0, share_ticks, false);
            rotated_axis_title(dc, steel_text(pick(structure_axis)), mul(1.2, u.H), u.client.left + u.h12, u.plot,
                               black, u.H);
            first = false;
        }
        const Pen pen = pen_of(c.style, 1, c.colour);
        draw_steel_curve(dc, pen, xs, ys, u.plot, WorldBox{x_axis.min, 100, x_axis.max, 0});
        legend_entry(dc, u, c.label, c.colour, pen, c.row, LegendForm::char_width, 0);
        // Each sweep starts again from the entered composition.
        load_kasatkin_composition(composition, steel);
    }
    grid_and_axes(dc, u, x_axis, 100, 0, share_ticks, false);
    const int above = content_axis_caption(dc, ce, mul(1.5, u.H), u.plot.bottom + mul(1.8, ce.h15));
    chemistry_footer(dc, ce, chemistry_structure_title, ce.h15, 1.3, 5.5, 4.8, above);
    if (limited) steel_report_kasatkin_range(window);
}

void kasatkin_properties_vs_chemistry_window(const double* params, int steps, Window* window, Canvas& dc,
                                             int selector, CompositionRecord composition, int)
{
    ChemistryEntry ce;
    if (!begin_chemistry(params, window, dc, selector, {.left = 12, .top = 7, .right = 12, .bottom = 10}, ce)) return;
    chemistry_room(dc, ce, ce.u.H, ce.u.h, 1.8, 7.2, 6.2);
    const Units& u = ce.u;
    const int n = steps_or_default(steps);
    KasatkinSteel steel;
    load_kasatkin_composition(composition, steel);
    steel_font(dc, u.H);
    steel.draw_composition_table(u.client.left + 10, u.client.top + mul(3.1, u.h), 20, 20, dc);
    ce.u.table_bottom = CompositionRecord::composition_table_bottom(u.client.top + mul(3.1, u.h), 20, dc);
    bool limited = false;

    std::vector<double> xs;
    content_sweep(steel, ce.k, n, ce.p.t, KasatkinQuantity::hv, xs, limited);
    load_kasatkin_composition(composition, steel);
    double lo = 0, hi = 0;
    value_range(xs, lo, hi);
    const AutoAxis x_axis = auto_axis(lo, hi);
    std::array<const char*, 6> titles = chemistry_property_titles;
    const std::string hv_title = steel_text(pick(hardness_title));
    titles[0] = hv_title.c_str();
    const PropertyColumns columns{7.5, 3, 4, 4, 4.5};
    const ColumnMoves moves = clear_left_margin(dc, u, columns, u.H, u.h, {hv_title, titles[1], titles[2]}, nullptr,
                                                nullptr, {});
    property_curves(dc, u, x_axis, xs, columns, moves, false, u.H, u.h, &titles, [&](KasatkinQuantity q) {
        std::vector<double> sweep_xs;
        std::vector<double> ys = content_sweep(steel, ce.k, n, ce.p.t, q, sweep_xs, limited);
        load_kasatkin_composition(composition, steel);
        return ys;
    });
    const int above = content_axis_caption(dc, ce, u.H, u.plot.bottom + mul(1.8, u.h));
    chemistry_footer(dc, ce, chemistry_properties_title, u.h, 1.4, 7.2, 6.2, above);
    if (limited) steel_report_kasatkin_range(window);
}
