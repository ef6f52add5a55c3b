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
#include "measuring_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

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

// ---------------------------------------------------------------------------
// Texts

const Text5 rate_title_text{"W 8/5, K/s", "W 8/5, C/с", "W 8/5, C/с", "W 8/5, K/s", "W 8/5, K/s"};
const Text5 energy_title{"Rate of energy input, kJ/cm", "Погонная энергия, KДж/см", "Погонна енергія, KДж/см",
                         "Die Beziehung die Energie die Geschwindigkeit, kJ/cm",
                         "La relation l'énergie la vitesse, kJ/cm"};
const Text5 preheat_title{"Preheating, C", "Подогрев, С", "Підігрів, С", "Die Anwärmung, C", "Ayant réchauffé, C"};
const Text5 thickness_title{"Thickness of a plate", "Толщина пластины", "Товщина пластини", "Die Dicke der Platte",
                            "L'épaisseur de la plaque"};
const Text5 hv_title_short{"HV kg/mm2", "HV кг/мм2", "HV кг/мм2", "HV kg/mm2", "HV kg/mm2"};
const Text5 hv_title_long{"Hardness HV", "Твердость по Викерсу HV", "Твердість по Вікерсу HV", "Die Härte HV",
                          "La fermeté HV"};
const Text5 a_title_text{"Elongation A, %", "Относительное удлинение A, %", "Відносне подовження A, %",
                    "Die relative Verlängerung A, %", "L'allongement relatif A, %"};
const Text5 rm_title{"Tensile strength Rm, MPa", "Предел прочности Rm, МПа", "Границя міцності Rm, МПа",
                     "Die Grenze der Haltbarkeit Rm, MPa", "La limite de la solidité Rm, MPa"};
const Text5 rm_title_russian{"Предел прочности Rm, MPa", "Предел прочности Rm, MPa", "Предел прочности Rm, MPa",
                             "Предел прочности Rm, MPa", "Предел прочности Rm, MPa"};
const Text5 z_title_text{"Reduction in area  Z, %", "Относительное сужение Z, %", "Відносне звуженння Z, %",
                    "Die relative Verengung Z, %", "Le rétrécissement relatif Z, %"};

const Text5 energy_properties_title{
    "Dependence  of mechanical properties upon heat input", "Зависимость механических свойств от погонной энергии",
    "Залежність механічних властивостей від погоної енергії",
    "Die Abhängigkeit der mechanischen Eigenschaften von der Beziehung die Energie die Geschwindigkeit",
    "La dépendance de laLa dépendance des propriétés mécaniques de la relation l'énergie la vitesse"};
const Text5 energy_structure_title{
    "Dependence of phase structure on energy on unit of length", "Зависимость фазового состава от погонной энергии",
    "Залежність фазового складу від погонної енергії",
    "Die Abhängigkeit des Phasebestandes von der Energie auf Einheit der Länge",
    "La dépendance de la composition de phase de l'énergie par unité de la longueur"};
const Text5 preheat_properties_title{
    "Dependence of mechanical property on preliminary heating",
    "Зависимость механических свойства от предварительного подогрева",
    "Залежність механічних властивостей від попеднього підігріву",
    "Die Abhängigkeit der mechanischen Eigenschaft von der vorläufigen Erwärmung",
    "La dépendance de la propriété mécanique de la chauffe préliminaire"};
const Text5 preheat_structure_title{
    "Dependence of structures of preliminary heating", "Зависимость фазового состава от предварительного подогрева",
    "Залежність фазового складу від попеднього підігріву",
    "Die Abhängigkeit der structures von der vorläufigen Erwärmung",
    "La dépendance de la structures de la chauffe préliminaire"};
const Text5 thickness_properties_title{
    "Dependence of mechanical properties on thickness of a plate", "Зависимость механических свойств от толщины пластины",
    "Залежність механических свойств от толщины пластины",
    "Die Abhängigkeit der mechanischen Eigenschaften von der Dicke der Platte",
    "La dépendance des propriétés mécaniques de l'épaisseur de la plaque"};
const Text5 thickness_structure_title{
    "Dependence of phase structure on thickness of a plate", "Зависимость фазового состава от толщины пластины",
    "Залежність фазового складу від товщині пластини", "Die Abhängigkeit des Phasebestandes von der Dicke der Platte",
    "La dépendance de la composition de phase de l'épaisseur de la plaque"};

// ---------------------------------------------------------------------------
// Layouts

// Where a dependence window puts its blocks and what it writes there. The
// plot's margins are in c0, the height of a sample text in the font the
// window measures it in; a column beside the plot is in the height of the
// text that stands there; a row under the plot in the height of the steel
// lines (c), unless its comment says otherwise.
struct SweepLayout {
    RegimeSweep kind;
    bool structure;               // the shares, else the properties
    const Text5* title;
    const Text5* x_title;
    PlotMargins margins;          // in c0
    // c0 measured in the turned base font, which then stays selected and
    // labels the rate axis; else in the font the canvas came with.
    bool cell_in_turned_font;
    double rate_axis_column;      // in c0, from the plot's left or the client's
    bool rate_axis_from_plot;
    // The x ticks the vertical grid and the x axis leave off the end.
    int grid_ticks_short;
    int x_axis_ticks_short;

    // Structure windows.
    bool markers;                 // glyphs on the curves; the legend in their blue
    bool grid_border;             // the plot's right and top sides, dotted, with the grid
    double structure_title_font;  // in H
    double structure_title_column;   // in its own height, from the plot's left or the client's
    bool structure_title_from_plot;

    // Properties windows.
    int hv_grid_lines;            // the n of draw_horizontal_grid
    int hv_axis_last;             // the n of the HV axis
    int scale_axis_last;          // the n of the A and Rm axes
    double a_title_column;        // in its own height, from the plot's left
    const Text5* hv_title;
    const Text5* rm_title;

    // Under the plot.
    double x_title_font;          // in H
    double x_title_row;           // in its own height, below the plot
    double model_font;            // in H
    bool model_centred;           // on the client, else from the plot's left
    double model_row;
    double point_row;
    int composition_column;       // in c, before the widest title line
    PanelRows panel;
};

const SweepLayout& sweep_layout(RegimeSweep kind, bool structure)
{
    static const SweepLayout structure_energy{
        .kind = RegimeSweep::energy,
        .structure = true,
        .title = &energy_structure_title,
        .x_title = &energy_title,
        .margins = {8, 7, 7, 11},
        .cell_in_turned_font = false,
        .rate_axis_column = -4.2,
        .rate_axis_from_plot = true,
        .grid_ticks_short = 1,
        .x_axis_ticks_short = 1,
        .markers = false,
        .grid_border = true,
        .structure_title_font = 1.2,
        .structure_title_column = -3,
        .structure_title_from_plot = true,
        .hv_grid_lines = 0,
        .hv_axis_last = 0,
        .scale_axis_last = 0,
        .a_title_column = 0,
        .hv_title = nullptr,
        .rm_title = nullptr,
        .x_title_font = 1.4,
        .x_title_row = 1.2,
        .model_font = 1.3,
        .model_centred = false,
        .model_row = 3.0,
        .point_row = 4.2,
        .composition_column = 2,
        .panel = panel_without_speed_and_power,
    };
    static const SweepLayout properties_energy{
        .kind = RegimeSweep::energy,
        .structure = false,
        .title = &energy_properties_title,
        .x_title = &energy_title,
        .margins = {12, 7, 7, 11},
        .cell_in_turned_font = false,
        .rate_axis_column = 3.5,
        .rate_axis_from_plot = false,
        .grid_ticks_short = 2,
        .x_axis_ticks_short = 3,
        .markers = false,
        .grid_border = true,
        .structure_title_font = 0,
        .structure_title_column = 0,
        .structure_title_from_plot = false,
        .hv_grid_lines = 7,
        .hv_axis_last = 7,
        .scale_axis_last = 8,
        .a_title_column = -8.0,
        .hv_title = &hv_title_short,
        .rm_title = &rm_title,
        .x_title_font = 1.4,
        .x_title_row = 1.2,
        .model_font = 1.4,
        .model_centred = true,
        .model_row = 3.0,
        .point_row = 4.2,
        .composition_column = 2,
        .panel = panel_without_speed_and_power,
    };
    static const SweepLayout structure_preheat{
        .kind = RegimeSweep::preheat,
        .structure = true,
        .title = &preheat_structure_title,
        .x_title = &preheat_title,
        .margins = {8, 7, 7, 11},
        .cell_in_turned_font = false,
        .rate_axis_column = -4.5,
        .rate_axis_from_plot = true,
        .grid_ticks_short = 2,
        .x_axis_ticks_short = 2,
        .markers = true,
        .grid_border = true,
        .structure_title_font = 1,
        .structure_title_column = 5,
        .structure_title_from_plot = false,
        .hv_grid_lines = 0,
        .hv_axis_last = 0,
        .scale_axis_last = 0,
        .a_title_column = 0,
        .hv_title = nullptr,
        .rm_title = nullptr,
        .x_title_font = 1.4,
        .x_title_row = 1.0,
        .model_font = 1.4,
        .model_centred = false,
        .model_row = 2.5,
        .point_row = 3.8,
        .composition_column = 2,
        .panel = PanelRows{},
    };
    static const SweepLayout properties_preheat = [] {
        SweepLayout l = properties_energy;
        l.kind = RegimeSweep::preheat;
        l.title = &preheat_properties_title;
        l.x_title = &preheat_title;
        l.grid_ticks_short = 0;
        l.x_axis_ticks_short = 1;
        l.hv_grid_lines = 5;
        l.hv_axis_last = 6;
        l.scale_axis_last = 7;
        l.a_title_column = -8.8;
        l.hv_title = &hv_title_long;
        l.x_title_row = 1.0;
        l.model_centred = false;
        l.model_row = 2.5;
        l.point_row = 3.8;
        l.panel = PanelRows{};
        return l;
    }();
    static const SweepLayout structure_thickness = [] {
        SweepLayout l = structure_preheat;
        l.kind = RegimeSweep::thickness;
        l.title = &thickness_structure_title;
        l.x_title = &thickness_title;
        l.markers = false;
        l.grid_border = false;
        return l;
    }();
    static const SweepLayout properties_thickness = [] {
        SweepLayout l = properties_preheat;
        l.kind = RegimeSweep::thickness;
        l.title = &thickness_properties_title;
        l.x_title = &thickness_title;
        l.cell_in_turned_font = true;
        l.rm_title = &rm_title_russian;
        l.x_title_font = 1.2;
        l.model_font = 1.2;
        l.composition_column = 3;
        return l;
    }();
    switch (kind) {
    case RegimeSweep::energy: return structure ? structure_energy : properties_energy;
    case RegimeSweep::preheat: return structure ? structure_preheat : properties_preheat;
    case RegimeSweep::thickness: break;
    }
    return structure ? structure_thickness : properties_thickness;
}

// ---------------------------------------------------------------------------
// Compute

// The ranges and ticks of the x and rate axes. The x axis spans every point
// asked for; the rate axis the rates drawn.
struct SweepScales {
    double xmin = 0, xmax = 0, Wmin = 0, Wmax = 0;
    int nx = 7, nW = 7;
    std::vector<double> x_ticks, rate_ticks;
    WorldBox rate_box() const { return {xmin, Wmax, xmax, Wmin}; }
};

SweepScales sweep_scales(const SweepResult& r)
{
    SweepScales s;
    double unused_lo = 0, unused_hi = 0;
    find_data_extent(r.ranged, r.x, r.x, s.xmin, s.xmax, unused_lo, unused_hi);
    find_data_extent(r.ranged, r.x, r.W, unused_lo, unused_hi, s.Wmin, s.Wmax);
    widen(s.Wmin, s.Wmax);
    widen(s.xmin, s.xmax);
    double sx = 0, sW = 0;
    choose_tick_step(s.xmax - s.xmin, s.nx, sx);
    s.x_ticks = tick_values(s.xmin, sx, s.nx);
    choose_tick_step(s.Wmax - s.Wmin, s.nW, sW);
    s.rate_ticks = tick_values(s.Wmin, sW, s.nW);
    return s;
}

// ---------------------------------------------------------------------------
// Draw

std::string point_line(const ShorshorovPoint& p)
{
    const char* format = (lang_russian || lang_ukrainian) ? " (y=%g, см; z=%g, см)" : " (y=%g, cm; z=%g, cm)";
    return cformat(format, p.y, p.z);
}

// The cleared client, the base font H, c0, the plot and the rows under it
// (from the plot's bottom). The plot is the client inset by the layout's
// margins, less what the blocks around it need: its top goes down under the
// composition table, and its bottom up so that the rows under it (tick
// labels, the x title, the notes, the model line, the point line), each at
// its row of c or under the one above it, end above the parameter block.
struct SweepPage {
    Rect client, plot;
    int H = 0, c0 = 0;
    int composition_x = 0, composition_y = 0;
    int x_title_row = 0, notes_row = 0, model_row = 0, point_row = 0;
    // Left of the plot: the x of the turned titles and of the axes.
    int rate_title_x = 0, rate_axis_x = 0;
    int structure_title_x = 0;                            // structure windows
    int a_title_x = 0, z_title_x = 0, a_axis_x = 0, hv_title_x = 0;   // properties windows
};

// The glyphs beside the preheat window's legend labels, in the symbol font
// of height H.
constexpr unsigned char share_glyphs[3] = {0xC1, 0xC2, 0xC3};

void select_glyph_font(Canvas& dc, int H)
{
    symbol_font.height = H;
    symbol_font.escapement = 0;
    symbol_font.weight = 400;
    symbol_font.charset = 2;
    symbol_font.face = "Zapfdingbats BT";
    dc.select_font(symbol_font);
}

int widest_share_glyph(Canvas& dc, int H)
{
    MeasuringCanvas m(dc);
    select_glyph_font(m, H);
    int widest = 0;
    for (unsigned char glyph : share_glyphs)
        widest = std::max(widest, m.text_extent(std::string(1, static_cast<char>(glyph))).cx);
    return widest;
}

SweepPage lay_out_page(const SweepLayout& layout, Window* window, Canvas& dc, const ShorshorovTable& table,
                       const SteelChoice& steel, const ShorshorovPoint& p, const std::vector<std::string>& notes)
{
    SweepPage g;
    g.client = window_drawing_rect(window, dc, 0);
    dc.rectangle(g.client.left, g.client.top, g.client.right, g.client.bottom);
    g.H = (g.client.bottom - g.client.top) / 32;
    if (layout.cell_in_turned_font) shorshorov_font(dc, g.H, 900);
    g.c0 = shorshorov_sample_height(dc);
    g.plot = plot_rect(g.client, layout.margins, g.c0);
    // The Rm axis stands five A-title heights right of the plot, which grow
    // with the window: the plot's right side moves left the least distance
    // that keeps the axis and its ticks inside the client.
    // The structure legend stands right of the plot, in font H, which grows
    // with the window: the plot's right side moves left the least distance
    // that gives it its room.
    if (layout.structure) {
        const int glyph = layout.markers ? widest_share_glyph(dc, g.H) : 0;
        g.plot.right = std::min(g.plot.right, g.client.right - shorshorov_structure_legend_room(dc, g.H, glyph));
    }
    if (layout.rm_title != nullptr)
        g.plot.right = std::min(g.plot.right, g.client.right - 2 - 6 - 5 * shorshorov_text_height(dc, g.H, pick(a_title_text)));

    const FontRecord held = dc.selected_font();
    int c = 0, w = 0, steel_bottom = 0;
    {
        MeasuringCanvas m(dc);
        c = shorshorov_draw_steel_lines(m, g.client, g.H, table, steel, pick(*layout.title), w);
        steel_bottom = m.reach().bottom;
    }
    ShorshorovSteel s;
    s.shorshorov_parse_composition(table.file.composition_line);
    g.composition_x = g.client.left + layout.composition_column * c + w + 10;
    g.composition_y = g.client.top + mul(2.8, c);
    const Rect composition = shorshorov_place_composition(dc, g.client, g.H, table, steel, pick(*layout.title), s,
                                                          g.composition_x, g.composition_y);
    // The top labels of the ordinates stand centred on the plot's top.
    g.plot.top = std::max(g.plot.top, std::max(composition.bottom, steel_bottom) + c / 2 + 1);

    const auto height = [&](int font, const std::string& text) { return shorshorov_text_height(dc, font, text); };
    const bool energy = layout.kind == RegimeSweep::energy;
    const int label_bottom = static_cast<int>(1.5 * height(g.H, "0"));
    const int title_h = height(mul(layout.x_title_font, g.H), pick(*layout.x_title));
    g.x_title_row = std::max(static_cast<int>(layout.x_title_row * title_h), label_bottom);
    g.notes_row = g.x_title_row + title_h;
    int bottom = g.notes_row;
    bottom += shorshorov_note_room(dc, notes, g.H);
    g.model_row = std::max(static_cast<int>(layout.model_row * c), bottom);
    bottom = g.model_row + height(mul(layout.model_font, g.H), shorshorov_model_line(energy, energy && layout.structure));
    g.point_row = std::max(static_cast<int>(layout.point_row * c), bottom);
    bottom = g.point_row + height(g.H, point_line(p));
    const int room = shorshorov_parameters_top(dc, g.client, g.plot.left, g.H, layout.panel);
    g.plot.bottom = std::max(g.plot.top + c, std::min(g.plot.bottom, room - bottom));
    dc.select_font(held);
    return g;
}

const std::array<double, 6> share_ticks{0, 20, 40, 60, 80, 100};

// An axis at x and the column it takes: its labels, which end at it, and
// its 2-px line, a pixel right of x.
struct AxisColumn {
    PlotColumn column;
    int axis = 0;   // x of the axis, from the column's left
    int x() const { return column.x + axis; }
};

AxisColumn axis_column(Canvas& dc, int x, Rect plot, double top, double bottom, int n, std::span<const double> ticks,
                       bool fixed = false)
{
    MeasuringCanvas m(dc);
    draw_y_axis(m, x, plot.bottom, plot.top, top, bottom, n, 6, ticks);
    const Rect r = m.reach();
    return AxisColumn{PlotColumn{r.left, r.right + 1 - r.left, fixed}, x - r.left};
}

// A title turned in font H at `column` of its own heights right of `from`.
PlotColumn property_title_column(Canvas& dc, int H, const char* text, int from, double column)
{
    shorshorov_font(dc, H, 900);
    const int c = dc.text_extent(text).cy;
    return turned_title_column(dc, text, H, static_cast<int>(from + column * c), H);
}

// The columns left of the plot, each as wide as what it holds: the turned
// rate title, the rate axis with its labels, then the structure title, or
// the A and Z titles, the A axis with its labels and the HV title, and last
// the plot's own axis with its labels. Each keeps its place unless it meets
// the column before it or would start left of the window; then it moves
// the least distance that clears them, and where they do not fit left of
// the plot, the plot's left side moves right as far as they need.
void lay_out_columns(const SweepLayout& layout, Canvas& dc, SweepPage& g, const SweepScales& s,
                     const ShorshorovTable& table)
{
    const FontRecord held = dc.selected_font();   // the rate axis's labels are drawn in it
    const int L = g.plot.left;
    PlotColumn rate_title = property_title_column(dc, g.H, pick(rate_title_text), g.client.left, 0.1);
    dc.select_font(held);
    AxisColumn rate = axis_column(dc, (layout.rate_axis_from_plot ? L : g.client.left) + mul(layout.rate_axis_column, g.c0),
                                  g.plot, s.Wmax, s.Wmin, s.nW - 2, s.rate_ticks);
    shorshorov_font(dc, g.H);
    if (layout.structure) {
        AxisColumn ordinate = axis_column(dc, L, g.plot, 100, 0, 5, share_ticks, true);
        shorshorov_font(dc, mul(layout.structure_title_font, g.H), 900);
        const int c = shorshorov_sample_height(dc);
        PlotColumn title{(layout.structure_title_from_plot ? L : g.client.left) +
                             static_cast<int>(layout.structure_title_column * c),
                         c};
        PlotColumn* const order[] = {&rate_title, &rate.column, &title, &ordinate.column};
        clear_columns_in_order(order, g.client.left);
        g.structure_title_x = title.x;
        g.plot.left = ordinate.x();
    } else {
        AxisColumn hv_axis =
            axis_column(dc, L, g.plot, table.hv[1], table.hv[0], layout.hv_axis_last, shorshorov_hv_ticks, true);
        PlotColumn hv_title = property_title_column(dc, g.H, pick(*layout.hv_title), L, -3.0);
        PlotColumn a_title = property_title_column(dc, g.H, pick(a_title_text), L, layout.a_title_column);
        PlotColumn z_title = property_title_column(dc, g.H, pick(z_title_text), L, -7.0);
        // The A axis four HV-title heights left of the plot.
        AxisColumn a_axis = axis_column(dc, L - 4 * shorshorov_text_height(dc, g.H, pick(*layout.hv_title)), g.plot,
                                        table.a[1], table.a[0], layout.scale_axis_last, shorshorov_a_ticks);
        PlotColumn* const order[] = {&rate_title, &rate.column, &a_title, &z_title, &a_axis.column, &hv_title,
                                     &hv_axis.column};
        clear_columns_in_order(order, g.client.left);
        g.a_title_x = a_title.x;
        g.z_title_x = z_title.x;
        g.a_axis_x = a_axis.x();
        g.hv_title_x = hv_title.x;
        g.plot.left = hv_axis.x();
    }
    g.rate_title_x = rate_title.x;
    g.rate_axis_x = rate.x();
    dc.select_font(held);
}

void vline(Canvas& dc, int x, int y0, int y1)
{
    dc.move_to(x, y0);
    dc.line_to(x, y1);
}

// The rate axis (in the font c0 was measured in), its title, the rate curve
// and its markers.
void draw_rate_curve(Canvas& dc, const SweepLayout& layout, const SweepPage& g, const SweepResult& r,
                     const SweepScales& s)
{
    const int T = g.plot.top, B = g.plot.bottom;
    dc.select_pen(Pen{PenStyle::solid, 2, rate_blue});
    dc.set_text_color(rate_blue);
    draw_y_axis(dc, g.rate_axis_x, B, T, s.Wmax, s.Wmin, s.nW - 2, 6, s.rate_ticks);
    shorshorov_font(dc, g.H, 900);
    const char* title = pick(rate_title_text);
    const Size e = dc.text_extent(title);
    const int x = g.rate_title_x;
    if (layout.structure) {
        dc.text_out(x, T + (B - T + e.cx) / 2, title);
    } else {
        // Reading upward from the plot's bottom, with its key line above it.
        dc.text_out(x, B, title);
        vline(dc, x + e.cy / 2, static_cast<int>(B - e.cx - 0.5 * e.cy), T);
    }
    shorshorov_font(dc, g.H);
    dc.set_text_color(black);
    dc.select_pen(Pen{PenStyle::solid, 2, rate_blue});
    draw_polyline(dc, r.last, r.x, r.W, 1, g.plot, s.rate_box());
    if (layout.markers) {
        dc.set_text_color(Rgb{0, 0, 255});
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, r.last, r.x, r.W, 5, 7, 0xC0, g.plot, s.rate_box(), g.H);
        dc.set_background_mode(BackgroundMode::transparent);
        shorshorov_font(dc, g.H);
        dc.set_text_color(black);
    }
}

const Pen grid_pen{PenStyle::dot, 1, Rgb{127, 127, 127}};
const Pen axis_pen{PenStyle::solid, 2, black};

// The preheat window's glyphs on the share curves, and beside each legend
// label the glyph of its curve.
void draw_share_markers(Canvas& dc, const SweepPage& g, const SweepResult& r, WorldBox box)
{
    struct Mark {
        const std::vector<double>* v;
        int count, first;
        unsigned char glyph;
        int row;
    };
    const Mark marks[3] = {{&r.m, 3, 6, share_glyphs[0], 4},
                           {&r.pb, 5, 2, share_glyphs[1], 6},
                           {&r.f, 4, 7, share_glyphs[2], 8}};
    for (int i = 0; i < 3; ++i) {
        const Mark& mk = marks[i];
        dc.set_text_color(Rgb{0, 0, 255});
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, r.last, r.x, *mk.v, mk.count, mk.first, mk.glyph, g.plot, box, g.H);
        shorshorov_font(dc, g.H);
        const Size e = dc.text_extent(shorshorov_structure_label(i));
        select_glyph_font(dc, g.H);
        // Left of the client's edge the least distance that keeps it inside.
        const std::string glyph(1, static_cast<char>(mk.glyph));
        const int x = std::min(g.client.right - 2 * e.cx / 5, g.client.right - 2 - dc.text_extent(glyph).cx);
        dc.text_out(x, g.plot.top + mk.row * e.cy - 1, glyph);
        dc.set_background_mode(BackgroundMode::transparent);
        shorshorov_font(dc, g.H);
    }
}

// The grid, the x and structure axes, the structure title, and the three
// share curves with their legend.
void draw_share_curves(Canvas& dc, const SweepLayout& layout, const SweepPage& g, const SweepResult& r,
                       const SweepScales& s)
{
    const int L = g.plot.left, T = g.plot.top, R = g.plot.right, B = g.plot.bottom;
    const WorldBox box{s.xmin, 100, s.xmax, 0};
    dc.select_pen(grid_pen);
    draw_vertical_grid(dc, g.plot, box, s.nx - layout.grid_ticks_short, s.x_ticks);
    draw_horizontal_grid(dc, g.plot, box, 4, share_ticks);
    if (layout.grid_border) {
        vline(dc, R, T, B);
        dc.move_to(L, T);
        dc.line_to(R, T);
    }
    dc.select_pen(axis_pen);
    dc.set_text_color(black);
    draw_x_axis(dc, B, L, R, s.xmin, s.xmax, s.nx - layout.x_axis_ticks_short, 6, s.x_ticks);
    draw_y_axis(dc, L, B, T, 100, 0, 5, 6, share_ticks);
    const int title_font = mul(layout.structure_title_font, g.H);
    shorshorov_draw_structure_title(dc, g.plot, g.structure_title_x, title_font);
    shorshorov_draw_structure_curves(dc, g.client, g.plot, box, g.H, r.last, r.x, r.m, r.pb, r.f,
                                     layout.markers ? std::optional<Rgb>(Rgb{0, 0, 255}) : std::nullopt);
    if (layout.markers) draw_share_markers(dc, g, r, box);
}

// One property's curve with its axis, its turned title and its key line.
struct PropertyBlock {
    const std::vector<double>* values;
    const std::vector<double>* column;   // range rows 0 and 1
    Rgb colour;
    PenStyle style;
    const Text5* title;
    std::span<const double> ticks;
    int title_x;
    std::optional<int> axis_x;   // an axis of its own
    bool double_key;             // the key line twice, 1 px apart
};

// The grid, the x and HV axes, and the four property curves, each on its
// own scale from the table's range rows.
void draw_property_curves(Canvas& dc, const SweepLayout& layout, const SweepPage& g, const SweepResult& r,
                          const SweepScales& s, const ShorshorovTable& table)
{
    const int L = g.plot.left, T = g.plot.top, R = g.plot.right, B = g.plot.bottom;
    const WorldBox hv_box{s.xmin, table.hv[1], s.xmax, table.hv[0]};
    dc.select_pen(grid_pen);
    draw_vertical_grid(dc, g.plot, hv_box, s.nx - layout.grid_ticks_short, s.x_ticks);
    draw_horizontal_grid(dc, g.plot, hv_box, layout.hv_grid_lines, shorshorov_hv_ticks);
    vline(dc, R, T, B);
    dc.move_to(L, T);
    dc.line_to(R, T);
    dc.select_pen(axis_pen);
    dc.set_text_color(black);
    draw_x_axis(dc, B, L, R, s.xmin, s.xmax, s.nx - layout.x_axis_ticks_short, 6, s.x_ticks);
    draw_y_axis(dc, L, B, T, table.hv[1], table.hv[0], layout.hv_axis_last, 6, shorshorov_hv_ticks);

    // Right of the plot the Rm title one title's height out, its axis five.
    const int c = shorshorov_text_height(dc, g.H, pick(a_title_text));
    const PropertyBlock blocks[4] = {
        {&r.hv, &table.hv, Rgb{200, 0, 0}, PenStyle::solid, layout.hv_title, shorshorov_hv_ticks, g.hv_title_x,
         std::nullopt, true},
        {&r.a, &table.a, Rgb{0, 127, 0}, PenStyle::dash_dot, &a_title_text, shorshorov_a_ticks, g.a_title_x,
         g.a_axis_x, false},
        {&r.rm, &table.rm, Rgb{255, 0, 255}, PenStyle::dot, layout.rm_title, shorshorov_rm_ticks, R + c, R + 5 * c,
         true},
        {&r.z, &table.z, Rgb{150, 90, 150}, PenStyle::dash_dot, &z_title_text, {}, g.z_title_x, std::nullopt, false},
    };
    for (const PropertyBlock& b : blocks) {
        const WorldBox box{s.xmin, (*b.column)[1], s.xmax, (*b.column)[0]};
        if (b.axis_x) {
            dc.select_pen(Pen{PenStyle::solid, 2, b.colour});
            dc.set_text_color(b.colour);
            draw_y_axis(dc, *b.axis_x, B, T, (*b.column)[1], (*b.column)[0], layout.scale_axis_last, 6, b.ticks);
        }
        shorshorov_font(dc, g.H, 900);
        dc.set_text_color(b.colour);
        const Size e = dc.text_extent(pick(*b.title));
        dc.text_out(b.title_x, B, pick(*b.title));
        shorshorov_font(dc, g.H);
        dc.select_pen(Pen{b.style, 1, b.colour});
        // The key line runs up the middle of the title's column.
        const int kx = b.title_x + e.cy / 2;
        const int ky = static_cast<int>(B - e.cx - 0.5 * e.cy);
        vline(dc, kx, ky, T);
        if (b.double_key) vline(dc, kx + 1, ky, T);
        draw_polyline(dc, r.last, r.x, *b.values, 2, g.plot, box);
    }
}

// The plot's bottom side over the curves, and its top side in light grey.
void draw_plot_edges(Canvas& dc, Rect plot)
{
    dc.select_pen(axis_pen);
    dc.move_to(plot.left, plot.bottom);
    dc.line_to(plot.right, plot.bottom);
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{200, 200, 200}});
    dc.move_to(plot.left, plot.top);
    dc.line_to(plot.right, plot.top);
}

// The title of the swept quantity under the plot, and under it the notes.
void draw_x_title(Canvas& dc, const SweepLayout& layout, const SweepPage& g, const std::vector<std::string>& notes)
{
    shorshorov_font(dc, mul(layout.x_title_font, g.H));
    dc.set_text_color(black);
    const Size e = dc.text_extent(pick(*layout.x_title));
    dc.text_out(g.client.left + (g.client.right - g.client.left - e.cx) / 2, g.plot.bottom + g.x_title_row,
                pick(*layout.x_title));
    shorshorov_draw_notes(dc, notes, g.client, g.H, g.plot.bottom + g.notes_row, shorshorov_title_colour);
}

// The title block, the steel lines, the composition table, the model line,
// the point line and the parameter block.
void draw_text_block(Canvas& dc, const SweepLayout& layout, const SweepPage& g, const ShorshorovTable& table,
                     const SteelChoice& steel, const ShorshorovPoint& p)
{
    const Rect client = g.client;
    const int L = g.plot.left, B = g.plot.bottom;
    const bool energy = layout.kind == RegimeSweep::energy;
    shorshorov_draw_title(dc, client, g.H, pick(*layout.title), true);
    int w = 0;
    shorshorov_draw_steel_lines(dc, client, g.H, table, steel, pick(*layout.title), w);
    ShorshorovSteel s;
    s.shorshorov_parse_composition(table.file.composition_line);
    shorshorov_draw_table(dc, client, g.H, s, &ShorshorovSteel::shorshorov_draw_composition_table, g.composition_x,
                          g.composition_y);

    if (!current_model.draw_panel) shorshorov_draw_parameters(dc, client, L, g.H, layout.panel);
    dc.set_text_color(shorshorov_title_colour);
    const std::string model = shorshorov_model_line(energy, energy && layout.structure);
    if (layout.model_centred) {
        const LineInside at = line_inside(dc, model, client.left, mul(layout.model_font, g.H), client.left + 2,
                                          client.right - 2, [](Canvas& d, int height) { shorshorov_font(d, height); });
        dc.text_out(client.left + (client.right - client.left - at.width) / 2, B + g.model_row, model);
    } else {
        shorshorov_draw_model_line(dc, client, L, B + g.model_row, mul(layout.model_font, g.H), model);
    }
    const std::string point = point_line(p);
    shorshorov_font(dc, g.H);
    dc.set_text_color(black);
    dc.text_out(client.left + (client.right - client.left - dc.text_extent(point).cx) / 2, B + g.point_row, point);
    if (current_model.draw_panel) shorshorov_draw_parameters(dc, client, L, g.H, layout.panel);
}

// ---------------------------------------------------------------------------

void sweep_window(const SweepLayout& layout, const double* params, int steps, Window* window, Canvas& dc,
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
    if (layout.kind == RegimeSweep::thickness && !scheme_has_thickness()) {
        message_box(window, no_thickness_text(), "  Message!");
        return;
    }
    ShorshorovPoint p;
    if (!shorshorov_check_point(window, params, p, ShorshorovEntry::sweep)) return;

    RegimeGuard regime;   // gives the regime back on every path from here
    const SweepResult r = run_sweep(regime, layout.kind, layout.structure, params, steps, p, table);
    if (r.gaps.all()) {
        message_box(window, r.gaps.note(), "  Message!");
        return;
    }
    // The panel and the model line show the regime the user entered, not the
    // last point of the sweep; the page is laid out around that panel.
    regime.restore();
    const SweepScales scales = sweep_scales(r);
    const std::vector<std::string> notes = shorshorov_notes(r.gaps, table, r.W);

    SweepPage g = lay_out_page(layout, window, dc, table, steel, p, notes);
    lay_out_columns(layout, dc, g, scales, table);
    draw_rate_curve(dc, layout, g, r, scales);
    if (layout.structure)
        draw_share_curves(dc, layout, g, r, scales);
    else
        draw_property_curves(dc, layout, g, r, scales, table);
    draw_plot_edges(dc, g.plot);
    draw_x_title(dc, layout, g, notes);
    draw_text_block(dc, layout, g, table, steel, p);
}

} // namespace

#define SHORSHOROV_SWEEP_WINDOW(name, kind, structure)                                                      \
    void name(const double* params, int steps, Window* window, Canvas& dc, int, SteelChoice steel, int)      \
    {                                                                                                        \
        sweep_window(sweep_layout(kind, structure), params, steps, window, dc, steel);                       \
    }

SHORSHOROV_SWEEP_WINDOW(shorshorov_structure_vs_energy_window, RegimeSweep::energy, true)
SHORSHOROV_SWEEP_WINDOW(shorshorov_properties_vs_energy_window, RegimeSweep::energy, false)
SHORSHOROV_SWEEP_WINDOW(shorshorov_structure_vs_preheat_window, RegimeSweep::preheat, true)
SHORSHOROV_SWEEP_WINDOW(shorshorov_properties_vs_preheat_window, RegimeSweep::preheat, false)
SHORSHOROV_SWEEP_WINDOW(shorshorov_structure_vs_thickness_window, RegimeSweep::thickness, true)
SHORSHOROV_SWEEP_WINDOW(shorshorov_properties_vs_thickness_window, RegimeSweep::thickness, false)

#undef SHORSHOROV_SWEEP_WINDOW
