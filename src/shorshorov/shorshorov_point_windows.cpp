// The Shorshorov windows at one point: the structure diagram with the
// point's cooling rate, and the profile across the heat-affected zone.
#include "shorshorov_frame.h"

#include "cooling_reports.h"
#include "fonts.h"
#include "haz_zone.h"
#include "lang.h"
#include "msgbox.h"
#include "point_progress.h"
#include "numfmt.h"
#include "measuring_canvas.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr Rgb black{0, 0, 0};

// Steel file; its failure is shown once per command by the message box.
bool load_or_report(Window* window, const SteelChoice& steel, ShorshorovTable& table)
{
    AtlasReadResult r;
    const bool usable = load_shorshorov_table(shorshorov_steel_path_of(steel), table, r);
    if (!r.ok) report_atlas_failure(window, r);
    return usable;
}

// The cooling rate at each point of the zone, each from the point's own
// thermal cycle, the points side by side on the machine's cores; a point
// without one is a gap (not a number), counted in `gaps` with its reason.
struct HazRates {
    std::vector<double> y, W;
    SweepGaps gaps;
};

HazRates haz_rates(const HazZone& zone, int n, double T_from, double T_to)
{
    HazRates r;
    r.y = haz_points(zone, n);
    r.W.resize(r.y.size());
    r.gaps = SweepGaps(static_cast<int>(r.y.size()));
    std::vector<CoolingRate> cooling(r.y.size());
    compute_points(static_cast<int>(r.y.size()), [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        cooling[k] = shorshorov_cooling_rate(r.y[k], zone.z, T_from, T_to);
        r.W[k] = cooling[k].rate;
    });
    for (const CoolingRate& c : cooling) r.gaps.leave_out(c);
    return r;
}

const Text5 w_title{"W 8/5, K/s", "W 8/5, C/с", "W 8/5, C/с", "W 8/5, K/s", "W 8/5, K/s"};
const Text5 point_title{"Definition of structure", "Определение структуры", "Розрахунок структуры",
                        "Die Bestimmung der Struktur", "La définition de la structure"};

const std::vector<double> share_ticks{0, 20, 40, 60, 80, 100};

// The turned structure title's column: one of its lines (font 1.2 H) in
// from the client's left.
int structure_title_x(Canvas& dc, Rect client, int H)
{
    MeasuringCanvas m(dc);
    shorshorov_font(m, static_cast<int>(1.2 * H), 900);
    return client.left + shorshorov_sample_height(m);
}

// The least left side of the plot at which the ordinate's labels (font H,
// ending at the axis with their terminating zero, centred on their ticks)
// put no ink on `title`'s ink.
int ordinate_clear_of(Canvas& dc, Rect plot, int H, Rect title)
{
    MeasuringCanvas m(dc);
    shorshorov_font(m, H);
    const double scale = std::abs(plot.bottom - plot.top) / 100.0;
    int left = plot.left;
    for (double t : share_ticks) {
        const std::string label = cformat("%lg", t);
        const Size size = m.text_extent(label, true);
        const int y = static_cast<int>(plot.top + (100 - t) * scale - size.cy / 2);
        for (const Rect& g : text_glyph_boxes(m.selected_font(), label))
            if (y + g.bottom > title.top && y + g.top < title.bottom)
                left = std::max(left, title.right - g.left + size.cx);
    }
    return left;
}

// Where the structure window at a point puts its blocks. The plot is the
// client inset by 5, 7, 7 and 13 c0, less what the blocks around it need:
// its top goes down under the composition table, and its bottom up so that
// the rows under it (tick labels, the rate title, the line of a rate beyond
// the table, the model line, the structure table), each at its row of c or
// under the one above it, end above the parameter block. Rows are from the
// plot's bottom.
struct PointLayout {
    Rect plot;
    int composition_x = 0, composition_y = 0;
    int x_title_row = 0, note_row = 0, model_row = 0, table_row = 0;
};

PointLayout lay_out_point_window(Canvas& dc, Rect client, int H, int c0, const ShorshorovTable& table,
                                 const SteelChoice& steel, const ShorshorovSteel& s, const std::string& end_line)
{
    PointLayout lay;
    lay.plot = Rect{client.left + 5 * c0, client.top + 7 * c0, client.right - 7 * c0, client.bottom - 13 * c0};
    // The legend right of the plot is in font H, which grows faster than c0
    // (on paper): the plot's right side moves left the least distance that
    // keeps the labels and their sample lines inside the client.
    lay.plot.right = std::min(lay.plot.right, client.right - shorshorov_structure_legend_room(dc, H, 0));
    int c = 0, w = 0, steel_bottom = 0;
    {
        MeasuringCanvas m(dc);
        c = shorshorov_draw_steel_lines(m, client, H, table, steel, pick(point_title), w);
        steel_bottom = m.reach().bottom;
    }
    lay.composition_x = client.left + 2 * c + w + 10;
    lay.composition_y = client.top + static_cast<int>(1.8 * c);
    const Rect composition = shorshorov_place_composition(dc, client, H, table, steel, pick(point_title), s,
                                                          lay.composition_x, lay.composition_y);
    // The ordinate's top label stands centred on the plot's top.
    lay.plot.top = std::max(lay.plot.top, std::max(composition.bottom, steel_bottom) + c / 2 + 1);

    const auto height = [&](int font, const std::string& text) { return shorshorov_text_height(dc, font, text); };
    const int label_bottom = static_cast<int>(1.5 * height(H, "0.1"));
    const int title_h = height(3 * H / 2, pick(w_title));
    lay.x_title_row = std::max(title_h, label_bottom);
    int bottom = lay.x_title_row + title_h;
    lay.note_row = bottom;
    if (!end_line.empty()) bottom += height(H, end_line);
    lay.model_row = std::max(static_cast<int>(2.8 * c), bottom);
    bottom = lay.model_row + height(static_cast<int>(1.4 * H), shorshorov_model_line(false, false));
    lay.table_row = std::max(static_cast<int>(4.3 * c), bottom);
    {
        MeasuringCanvas m(dc);
        bottom = lay.table_row +
                 shorshorov_draw_table(m, client, H, s, &ShorshorovSteel::shorshorov_draw_structure_table,
                                       client.left + 10, 0)
                     .bottom;
    }
    const int room = shorshorov_parameters_top(dc, client, lay.plot.left, H, PanelRows{});
    lay.plot.bottom = std::max(lay.plot.top + c, std::min(lay.plot.bottom, room - bottom));
    // The turned structure title stands one of its lines in from the
    // client's left, its font 1.2 H; the plot's left side is 5 c0, c0 the
    // line of the font the window is entered with, which does not grow with
    // H. Where the ordinate's labels would reach the title's ink (maximized,
    // on paper), the plot's left side moves right the least distance that
    // clears it.
    lay.plot.left = ordinate_clear_of(dc, lay.plot, H,
                                      shorshorov_structure_title_ink(dc, lay.plot, structure_title_x(dc, client, H),
                                                                     static_cast<int>(1.2 * H)));
    return lay;
}

} // namespace

void shorshorov_structure_at_point_window(const double* params, int, Window* window, Canvas& dc, int,
                                          SteelChoice steel, int)
{
    if (params == nullptr) return;
    if (current_model.prepare) current_model.prepare();
    ShorshorovTable table;
    if (!load_or_report(window, steel, table)) return;
    ShorshorovPoint p;
    if (!shorshorov_check_point(window, params, p, ShorshorovEntry::point)) return;
    const double W = p.W;
    const double lnW = std::log(W);
    ShorshorovSteel s;
    s.martensite = shorshorov_lookup(table, ShorshorovColumn::martensite, lnW);
    s.ferrite = shorshorov_lookup(table, ShorshorovColumn::ferrite, lnW);
    s.pearlite_bainite = shorshorov_lookup(table, ShorshorovColumn::pearlite_bainite, lnW);
    s.y = p.y;
    s.z = p.z;
    s.cooling_rate = W;
    s.shorshorov_parse_composition(table.file.composition_line);
    // A rate beyond the table's rows takes the end row's shares, and a line
    // under the plot says so.
    const std::string end_line = shorshorov_table_end_line(table, W);

    const Rect client = window_drawing_rect(window, dc, 0);
    dc.rectangle(client.left, client.top, client.right, client.bottom);
    const int H = (client.bottom - client.top) / 32;
    const int c0 = shorshorov_sample_height(dc);
    const PointLayout lay = lay_out_point_window(dc, client, H, c0, table, steel, s, end_line);
    const Rect plot = lay.plot;
    const double x0 = table.x[0], x1 = table.x[1];
    const WorldBox box{x0, 100, x1, 0};
    const double sx = (x1 != x0) ? std::fabs(double(plot.right - plot.left) / (x1 - x0)) : 0;
    const auto px = [&](double v) {
        const double r = plot.left + (v - x0) * sx;
        return std::isfinite(r) ? static_cast<int>(std::clamp(r, -1e7, 1e7)) : plot.right;
    };
    const auto py = [&](double pct) {
        return static_cast<int>(plot.bottom - pct * std::abs(plot.bottom - plot.top) / 100.0);
    };

    // The point's line.
    dc.select_pen(Pen{PenStyle::solid, 5, Rgb{255, 0, 0}});
    dc.move_to(px(lnW), plot.bottom);
    dc.line_to(px(lnW), plot.top);

    // Ordinate.
    const std::vector<double>& pct = share_ticks;
    dc.select_pen(Pen{PenStyle::solid, 2, black});
    shorshorov_font(dc, H);
    dc.set_text_color(black);
    draw_y_axis(dc, plot.left, plot.bottom, plot.top, 100, 0, 5, 6, pct);
    shorshorov_draw_structure_title(dc, plot, structure_title_x(dc, client, H), static_cast<int>(1.2 * H));

    // Curves through the data rows.
    const int n = table.data_rows() - 1;
    const auto data = [&](const std::vector<double>& v) { return std::vector<double>(v.begin() + 2, v.end()); };
    shorshorov_draw_structure_curves(dc, client, plot, box, H, n, data(table.x), data(table.martensite),
                                     data(table.pearlite_bainite), data(table.ferrite));

    // Abscissa: logarithmic ticks.
    shorshorov_font(dc, H);
    dc.set_text_color(black);
    // In a narrow window the last decade's labels crowd: "400" against "600"
    // reads as one number. A label that would start within a space of the
    // one before is left out; its tick and grid line stay.
    const int label_gap = dc.text_extent(" ").cx;
    int labels_end = std::numeric_limits<int>::min() / 2;
    for (double t : shorshorov_rate_ticks) {
        const int x = px(std::log(t));
        dc.select_pen(Pen{PenStyle::dot, 1, Rgb{199, 199, 199}});
        dc.move_to(x, plot.bottom);
        dc.line_to(x, plot.top);
        dc.select_pen(Pen{PenStyle::solid, 2, black});
        dc.move_to(x, plot.bottom);
        dc.line_to(x, plot.bottom + 6);
        const std::string label = cformat("%g", t);
        const Size e = dc.text_extent(label);
        if (x - e.cx / 2 < labels_end + label_gap) continue;
        dc.text_out(x - e.cx / 2, plot.bottom + static_cast<int>(0.5 * e.cy), label);
        labels_end = x - e.cx / 2 + e.cx;
    }
    dc.select_pen(Pen{PenStyle::dot, 1, Rgb{199, 199, 199}});
    for (double v : pct) {
        dc.move_to(plot.left, py(v));
        dc.line_to(plot.right, py(v));
    }
    dc.select_pen(Pen{PenStyle::solid, 2, black});
    dc.move_to(plot.left, plot.bottom);
    dc.line_to(plot.right, plot.bottom);
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{200, 200, 200}});
    dc.move_to(plot.left, plot.top);
    dc.line_to(plot.right, plot.top);

    shorshorov_font(dc, 3 * H / 2);
    dc.text_out(client.left + (client.right - client.left - dc.text_extent(pick(w_title)).cx) / 2,
                plot.bottom + lay.x_title_row, pick(w_title));
    if (!end_line.empty()) {
        shorshorov_font(dc, H);
        dc.set_text_color(shorshorov_title_colour);
        dc.text_out(client.left + std::max(0, (client.right - client.left - dc.text_extent(end_line).cx) / 2),
                    plot.bottom + lay.note_row, end_line);
    }

    shorshorov_draw_title(dc, client, H, pick(point_title), true);
    int w = 0;
    shorshorov_draw_steel_lines(dc, client, H, table, steel, pick(point_title), w);
    shorshorov_draw_table(dc, client, H, s, &ShorshorovSteel::shorshorov_draw_composition_table, lay.composition_x,
                          lay.composition_y);
    shorshorov_draw_table(dc, client, H, s, &ShorshorovSteel::shorshorov_draw_structure_table, client.left + 10,
                          plot.bottom + lay.table_row);

    shorshorov_draw_parameters(dc, client, plot.left, H, PanelRows{});
    dc.set_text_color(shorshorov_title_colour);
    shorshorov_draw_model_line(dc, client, plot.left, plot.bottom + lay.model_row, static_cast<int>(1.4 * H),
                               shorshorov_model_line(false, false));
}

void shorshorov_haz_profile_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                   SteelChoice steel, int)
{
    if (params == nullptr) return;
    if (current_model.prepare) current_model.prepare();
    ShorshorovTable table;
    if (!load_or_report(window, steel, table)) return;
    ShorshorovPoint p;
    if (!shorshorov_check_point(window, params, p, ShorshorovEntry::haz_profile)) return;
    const double Wp = p.W;

    const HazZone zone = find_haz_zone(p.z);
    if (!zone.found()) {
        message_box(window, haz_zone_failure_text(zone), "  Message!");
        return;
    }
    const int sel = std::clamp(selector, 0, 4);
    const HazRates r = haz_rates(zone, std::clamp(steps, 2, 1000), p.T_from, p.T_to);
    if (r.gaps.all()) {
        message_box(window, r.gaps.note(), "  Message!");
        return;
    }
    const std::size_t n = r.y.size();
    const ShorshorovColumn columns[4] = {ShorshorovColumn::hv, ShorshorovColumn::rm, ShorshorovColumn::a,
                                         ShorshorovColumn::z};
    std::vector<double> value(n);
    for (std::size_t k = 0; k < n; ++k) {
        // A point without a rate is a gap in the profile.
        if (sel == 0 || !std::isfinite(r.W[k]))
            value[k] = r.W[k];
        else
            value[k] = shorshorov_lookup(table, columns[sel - 1], std::log(r.W[k]));
    }

    ShorshorovSteel s;
    const double lnWp = std::log(Wp);
    s.hv30 = shorshorov_lookup(table, ShorshorovColumn::hv, lnWp);
    s.rm = shorshorov_lookup(table, ShorshorovColumn::rm, lnWp);
    s.elongation = shorshorov_lookup(table, ShorshorovColumn::a, lnWp);
    s.reduction = shorshorov_lookup(table, ShorshorovColumn::z, lnWp);
    s.shorshorov_parse_base_properties(table.file.base_metal_line());
    s.y = p.y;
    s.z = p.z;
    s.cooling_rate = Wp;

    // The x axis spans the zone whatever was left out; the values' axis what
    // was drawn.
    double xmin = 0, xmax = 0, vmin = 0, vmax = 0, unused_lo = 0, unused_hi = 0;
    find_data_extent(static_cast<int>(n), r.y, r.y, xmin, xmax, unused_lo, unused_hi);
    find_data_extent(static_cast<int>(n), r.y, value, unused_lo, unused_hi, vmin, vmax);
    if (vmin == vmax) vmax = vmin + 25;
    int nx = 7, ny = 7;
    double sx = 0, sy = 0;
    choose_tick_step(xmax - xmin, nx, sx);
    const std::vector<double> xt = tick_values(xmin, sx, nx);
    choose_tick_step(vmax - vmin, ny, sy);
    const std::vector<double> yt = tick_values(vmin, sy, ny);
    const WorldBox box{xmin, vmax, xmax, vmin};

    const Rect client = window_drawing_rect(window, dc, 0);
    const Rgb entry_text = dc.text_color();
    dc.set_background_mode(BackgroundMode::opaque);
    dc.rectangle(client.left, client.top, client.right, client.bottom);
    const int H = (client.bottom - client.top) / 30;
    shorshorov_font(dc, H);
    const int c0 = shorshorov_sample_height(dc);
    // A profile that leaves points out, or whose rates reach beyond the
    // table's rows, is less high by the lines that say so; the lines under
    // them keep their places.
    const std::vector<std::string> notes = shorshorov_notes(r.gaps, table, sel == 0 ? std::vector<double>{} : r.W);
    const int note_room = shorshorov_note_room(dc, notes, H);
    // The rows under the plot, from its bottom: the zone's title, the notes,
    // the model line and the point table, each at its row of c or under the
    // one above it; the plot gives up what they need to end above the
    // parameter block.
    const int c = shorshorov_text_height(dc, H, "W");
    const int h = shorshorov_text_height(dc, 4 * H / 3, "ЗТВ, см");
    const int notes_row = 2 * h;
    const int model_row = std::max(static_cast<int>(2.5 * c) + note_room, notes_row + note_room);
    const int table_row = std::max(static_cast<int>(4.3 * c) + note_room,
                                   model_row + shorshorov_text_height(dc, static_cast<int>(1.4 * H), "W"));
    int table_height = 0;
    {
        MeasuringCanvas m(dc);
        table_height = shorshorov_draw_table(m, client, H, s, &ShorshorovSteel::shorshorov_draw_point_property_table,
                                             client.left + 10, 0)
                           .bottom;
    }
    Rect plot{client.left + 12 * c0, client.top + 7 * c0, client.right - 12 * c0,
              client.bottom - 13 * c0 - note_room};
    plot.bottom = std::max(plot.top + c, std::min(plot.bottom, shorshorov_parameters_top(dc, client, plot.left, H,
                                                                                         PanelRows{}) -
                                                                   table_row - table_height));

    const Pen grid{PenStyle::dot, 1, Rgb{127, 127, 127}};
    dc.select_pen(grid);
    dc.select_brush(Brush{BrushStyle::null, Rgb{255, 255, 255}});
    dc.rectangle(plot.left, plot.top, plot.right, plot.bottom);
    dc.select_brush(Brush{});
    draw_vertical_grid(dc, plot, box, nx - 1, xt);
    draw_horizontal_grid(dc, plot, box, ny - 2, yt);
    dc.select_pen(Pen{PenStyle::dash, 1, Rgb{255, 0, 255}});
    draw_polyline(dc, static_cast<int>(n) - 1, r.y, value, 2, plot, box);
    dc.select_pen(Pen{PenStyle::solid, 2, black});
    dc.set_text_color(entry_text);
    draw_x_axis(dc, plot.bottom, plot.left, plot.right, xmin, xmax, nx, 6, xt);
    dc.set_text_color(Rgb{255, 0, 255});
    draw_y_axis(dc, plot.left, plot.bottom, plot.top, vmax, vmin, ticks_within(yt, ny, vmin, vmax), 6, yt);

    static const Text5 rate_title{"Cooling velocity W, grad/s", "Скорость охлаждения, С/с", "Скорость охлаждения, С/с",
                                  "Cooling velocity W, grad/s", "Cooling velocity W, grad/s"};
    const char* titles[5] = {pick(rate_title), "HV30", "Предел прочности, Rm", "Относительное удлинение A, %",
                             "Относительное сужение Z, %"};
    dc.set_text_color(black);
    // The steel lines and the composition table beside them, opaque, stand
    // the least distance under their rows that keeps their cells off the
    // title's.
    const char* title = "Определение механических свойств по атласу М.Х.Zoduzuruv";
    const int ct = shorshorov_text_height(dc, static_cast<int>(1.4 * H), title);
    ShorshorovFileTitles lines;
    int lines_bottom = 0;
    {
        MeasuringCanvas m(dc);
        lines = shorshorov_draw_file_titles(m, client, H, table, title);
        lines_bottom = m.reach().bottom;
    }
    const int below_title = lines.down;
    // The turned axis title rises from the plot's bottom; one longer than the
    // room up to the steel lines is drawn smaller, so that it ends under them.
    const int title_room = plot.bottom - lines_bottom;
    int title_font = 4 * H / 3;
    while (title_font > H / 2 && shorshorov_text_width(dc, title_font, titles[sel]) > title_room) --title_font;
    shorshorov_font(dc, title_font, 900);
    dc.text_out(plot.left - 3 * h, plot.bottom, titles[sel]);
    shorshorov_font(dc, 4 * H / 3);
    {
        const Size e = dc.text_extent("ЗТВ, см");
        dc.text_out(client.left + (client.right - client.left - e.cx) / 2, plot.bottom + h, "ЗТВ, см");
        // Under the zone's title, the points left out of the profile and the
        // rates beyond the table.
        shorshorov_draw_notes(dc, notes, client, H, plot.bottom + notes_row, entry_text);
    }
    if (!current_model.draw_panel) {
        char l1[heat_text_size] = {}, l2[heat_text_size] = {}, t[heat_text_size] = {};
        if (current_model.summary) current_model.summary(l1, l2, t);
        dc.set_text_color(shorshorov_panel_colour);
        dc.text_out(plot.left, client.bottom - 2 * h, l1);
        dc.text_out(plot.left, client.bottom - h, l2);
    }

    dc.set_text_color(shorshorov_title_colour);
    shorshorov_font(dc, static_cast<int>(1.4 * H));
    dc.text_out(client.left + ct, client.top + static_cast<int>(0.3 * ct), title);

    shorshorov_draw_file_titles(dc, client, H, table, title);

    s.shorshorov_parse_composition(table.file.composition_line);
    dc.set_text_color(shorshorov_panel_colour);
    shorshorov_draw_table(dc, client, H, s, &ShorshorovSteel::shorshorov_draw_composition_table,
                          client.left + 2 * c + lines.w + 10, client.top + static_cast<int>(1.8 * c) + below_title);
    shorshorov_draw_table(dc, client, H, s, &ShorshorovSteel::shorshorov_draw_point_property_table, client.left + 10,
                          plot.bottom + table_row);

    dc.set_text_color(shorshorov_title_colour);
    char l1[heat_text_size] = {}, l2[heat_text_size] = {}, t[heat_text_size] = {};
    if (current_model.summary) current_model.summary(l1, l2, t);
    // The notes' descenders reach into the top of the model line's cell:
    // drawn transparent, it leaves them whole.
    dc.set_background_mode(BackgroundMode::transparent);
    shorshorov_draw_model_line(dc, client, plot.left, plot.bottom + model_row, static_cast<int>(1.4 * H),
                               cformat(" Рассчёт по модели: \"%s\"", t));
    dc.set_background_mode(BackgroundMode::opaque);
    if (current_model.draw_panel) {
        dc.set_text_color(black);
        current_model.draw_panel(dc, client, 1, 1, 1, 1);
    }
}
