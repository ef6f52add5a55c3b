// The steel table, the cooling rate, the lookup and the page furniture of the
// Shorshorov windows.
#include "shorshorov_frame.h"

#include "text_code.h"

#include "cooling_reports.h"
#include "fonts.h"
#include "lang.h"
#include "msgbox.h"
#include "numfmt.h"
#include "spline.h"
#include "table_ends.h"
#include "measuring_canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

// ---------------------------------------------------------------- the table

const std::vector<double>& ShorshorovTable::column(ShorshorovColumn c) const
{
    switch (c) {
    case ShorshorovColumn::martensite: return martensite;
    case ShorshorovColumn::ferrite: return ferrite;
    case ShorshorovColumn::pearlite_bainite: return pearlite_bainite;
    case ShorshorovColumn::hv: return hv;
    case ShorshorovColumn::rm: return rm;
    case ShorshorovColumn::a: return a;
    case ShorshorovColumn::z: return z;
    }
    return hv;
}

bool load_shorshorov_table(const std::string& path, ShorshorovTable& table, AtlasReadResult& result)
{
    table = ShorshorovTable{};
    result = read_shorshorov_steel_file(path, table.file);
    // The title lines are Cyrillic text in every language.
    for (std::string& title : table.file.titles) title = file_text(title, charset_cyrillic);
    const std::size_t n = std::min<std::size_t>(table.file.rows.size(), shorshorov_table_rows);
    for (std::size_t i = 0; i < n; ++i) {
        const ShorshorovRow& r = table.file.rows[i];
        table.x.push_back(std::log(std::fabs(r.cooling_rate)));
        table.martensite.push_back(r.martensite());
        table.ferrite.push_back(r.ferrite());
        table.pearlite_bainite.push_back(r.pearlite_bainite());
        table.hv.push_back(r.hv);
        table.rm.push_back(r.rm);
        table.a.push_back(r.a);
        table.z.push_back(r.z);
    }
    // The structure ordinate runs from 0 to 100 whatever the range rows say.
    for (auto* col : {&table.martensite, &table.ferrite, &table.pearlite_bainite}) {
        if (col->size() > 0) (*col)[0] = 0;
        if (col->size() > 1) (*col)[1] = 100;
    }
    return table.data_rows() > 0;
}

CoolingRate shorshorov_cooling_rate(double y, double z, double T_from, double T_to)
{
    CoolingRate r = cooling_rate_at_point(y, z, T_from, T_to);
    r.rate = std::fabs(r.rate);
    return r;
}

double shorshorov_lookup(const ShorshorovTable& table, ShorshorovColumn column, double x, int* where)
{
    const int points = table.data_rows();
    if (points < 1) return -1;
    const std::vector<double>& col = table.column(column);
    int flag = 0;
    const double v = curve_lookup(std::span<const double>(col).subspan(2), std::span<const double>(table.x).subspan(2),
                                  x, 0.01, points - 1, flag);
    if (where) *where = flag;
    // The spline through the rows may swing past 0 or 100 % between them; a
    // share is no less than none and no more than all.
    const bool share = column == ShorshorovColumn::martensite || column == ShorshorovColumn::ferrite ||
                       column == ShorshorovColumn::pearlite_bainite;
    return share && std::isfinite(v) ? std::clamp(v, 0.0, 100.0) : v;
}

std::string shorshorov_steel_path_of(const SteelChoice& steel)
{
    return steel.file_name;
}

// ---------------------------------------------------------------- furniture

void shorshorov_font(Canvas& dc, int height, int escapement, int charset, const char* face)
{
    text_font.height = height;
    text_font.width = 0;
    text_font.escapement = escapement;
    text_font.orientation = escapement;
    text_font.weight = 400;
    text_font.italic = 0;
    text_font.charset = charset >= 0 ? charset : language_charset();
    text_font.face = face;
    dc.select_font(text_font);
}

int shorshorov_sample_height(Canvas& dc)
{
    return dc.text_extent("Sample").cy;
}

std::string shorshorov_shown_line(const std::string& line)
{
    std::string s = line;
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
    return s;
}

bool shorshorov_check_point(Window* window, const double* params, ShorshorovPoint& p, ShorshorovEntry entry)
{
    p.y = params[0];
    p.z = params[1];
    p.cooling = shorshorov_cooling_rate(p.y, p.z, params[2], params[3]);
    p.T_from = p.cooling.T_from;
    p.T_to = p.cooling.T_to;
    p.v = p.cooling.v;
    p.x_peak = p.cooling.x_peak;
    p.t_max = p.cooling.t_max;
    p.W = p.cooling.rate;
    switch (p.cooling.status) {
    case CoolingStatus::reached: return true;
    case CoolingStatus::peak_below:
        if (entry == ShorshorovEntry::haz_profile)
            message_box(window, cooling_failure_text(p.cooling, p.y, p.z), "You are fault with temperature ... ");
        else
            message_box(window, "You are fault with temperature ... ", "  Message!");
        return false;
    default:
        // A sweep judges every point under its own regime.
        if (entry == ShorshorovEntry::sweep) return true;
        message_box(window, cooling_failure_text(p.cooling, p.y, p.z), "  Message!");
        return false;
    }
}

namespace {

// Where W lies against the data rows, and the data row at that end.
int table_end_at(const ShorshorovTable& table, double W, double& end_W)
{
    const std::vector<ShorshorovRow>& rows = table.file.rows;
    if (rows.size() < 3 || !(W > 0) || !std::isfinite(W)) return spline_inside;
    const std::span<const double> xs = std::span<const double>(table.x).subspan(2);
    const int where = table_end_of(xs, std::log(W));
    if (where == spline_inside) return where;
    std::size_t end = 2;
    for (std::size_t i = 2; i < rows.size() && i < table.x.size(); ++i)
        if (where == spline_below ? table.x[i] < table.x[end] : table.x[i] > table.x[end]) end = i;
    end_W = rows[end].cooling_rate;
    return where;
}

} // namespace

std::string shorshorov_table_end_line(const ShorshorovTable& table, double W)
{
    double end_W = 0;
    const int where = table_end_at(table, W, end_W);
    return table_end_line(TableAbscissa::cooling_rate, where, W, end_W);
}

std::vector<std::string> shorshorov_table_end_lines(const ShorshorovTable& table, const std::vector<double>& W)
{
    // The data rows: entries 2 on, as far as the file gave rows.
    const std::size_t rows = std::min(table.file.rows.size(), table.x.size());
    if (rows < 3) return {};
    return table_end_lines(TableAbscissa::cooling_rate, std::span<const double>(table.x).subspan(2, rows - 2), W);
}

std::vector<std::string> shorshorov_notes(const SweepGaps& gaps, const ShorshorovTable& table,
                                          const std::vector<double>& W)
{
    std::vector<std::string> notes;
    if (gaps.any()) notes.push_back(gaps.note());
    for (std::string& line : shorshorov_table_end_lines(table, W)) notes.push_back(std::move(line));
    return notes;
}

namespace {

Size shorshorov_text_extent(Canvas& dc, int font, const std::string& text)
{
    MeasuringCanvas m(dc);
    shorshorov_font(m, font);
    return m.text_extent(text);
}

} // namespace

int shorshorov_text_height(Canvas& dc, int font, const std::string& text)
{
    return shorshorov_text_extent(dc, font, text).cy;
}

int shorshorov_text_width(Canvas& dc, int font, const std::string& text)
{
    return shorshorov_text_extent(dc, font, text).cx;
}

int shorshorov_note_room(Canvas& dc, const std::vector<std::string>& notes, int H)
{
    int room = 0;
    for (const std::string& note : notes) room += shorshorov_text_height(dc, H, note);
    return room;
}

void shorshorov_draw_notes(Canvas& dc, const std::vector<std::string>& notes, Rect client, int H, int y, Rgb colour)
{
    shorshorov_font(dc, H);
    dc.set_text_color(colour);
    for (const std::string& note : notes) {
        const Size n = dc.text_extent(note);
        dc.text_out(client.left + std::max(0, (client.right - client.left - n.cx) / 2), y, note);
        y += n.cy;
    }
}

int row_clear_of(int row, int above_y, InkRows above, InkRows text)
{
    if (text.bottom <= text.top || above.bottom <= above.top) return row;
    return std::max(row, above_y + above.bottom - text.top);
}

namespace {

const Text5 atlas_text{"according to  atlas by M.H. Shorshorov", "по атласу М.Х.Zoduzuruv", "за атласом М.Х.Zoduzuruv",
                       "nach dem Atlas M.H. Shorshorov", "selon l'atlas M.H. Shorshorov"};

// Where the title block puts its two lines.
struct TitleRows {
    int x = 0, y = 0, font = 0;   // the title, in font `font`
    int c = 0;                    // the title's line in 1.4 H
    int atlas_y = 0;
    InkRows atlas_ink;            // the atlas line's, in 1.4 H
};

TitleRows title_rows(Canvas& dc, Rect client, int H, const char* title)
{
    MeasuringCanvas m(dc);
    TitleRows r;
    shorshorov_font(m, static_cast<int>(1.4 * H));
    r.c = m.text_extent(title).cy;
    // A title longer than the client is drawn in a smaller font, from its
    // column or left of it, so that it ends inside; the rows stay.
    const LineInside at = line_inside(m, title, client.left + r.c, static_cast<int>(1.4 * H), client.left + 2,
                                      client.right - 2, [](Canvas& d, int height) { shorshorov_font(d, height); });
    r.x = at.x;
    r.y = client.top + static_cast<int>(0.3 * r.c);
    r.font = at.height;
    const InkRows title_ink = text_ink_rows(m, title);
    // The atlas line stands 0.8 of a line under the title, where the title's
    // descenders reach the capitals of a large font: it goes down the least
    // distance that keeps its ink off the title's.
    shorshorov_font(m, static_cast<int>(1.4 * H));
    r.atlas_ink = text_ink_rows(m, pick(atlas_text));
    r.atlas_y = row_clear_of(client.top + static_cast<int>(1.1 * r.c), r.y, title_ink, r.atlas_ink);
    return r;
}

} // namespace

void shorshorov_draw_title(Canvas& dc, Rect client, int H, const char* title, bool atlas_line)
{
    const TitleRows r = title_rows(dc, client, H, title);
    dc.set_text_color(shorshorov_title_colour);
    shorshorov_font(dc, r.font);
    dc.text_out(r.x, r.y, title);
    shorshorov_font(dc, static_cast<int>(1.4 * H));
    if (atlas_line) {
        // Drawn without its cell, which would blank the title's descenders.
        dc.save();
        dc.set_background_mode(BackgroundMode::transparent);
        dc.text_out(client.left + r.c, r.atlas_y, pick(atlas_text));
        dc.restore();
    }
}

int shorshorov_draw_steel_lines(Canvas& dc, Rect client, int H, const ShorshorovTable& table,
                                const SteelChoice& steel, const char* title, int& w)
{
    const TitleRows block = title_rows(dc, client, H, title);
    dc.set_text_color(shorshorov_title_colour);
    shorshorov_font(dc, H, 0, 204);
    int c = 0;
    w = 0;
    for (const std::string& t : table.file.titles) {
        const Size s = dc.text_extent(t.empty() ? std::string(" ") : t);
        w = std::max(w, s.cx);
        c = std::max(c, s.cy);
    }
    // Each line at its row of c, or, where the atlas line's descenders (or
    // the line above's) would reach its ink there, the least distance lower.
    int above_y = block.atlas_y;
    InkRows above = block.atlas_ink;
    const auto line_at = [&](double k, const std::string& text) {
        const InkRows ink = text_ink_rows(dc, text);
        const int y = row_clear_of(client.top + static_cast<int>(k * c), above_y, above, ink);
        dc.text_out(client.left + 2 * c, y, text);
        above_y = y;
        above = ink;
    };
    if (lang_russian || lang_ukrainian) {
        const double ks[3] = {2.8, 4.0, 5.2};
        for (std::size_t i = 0; i < 3; ++i) line_at(ks[i], shorshorov_shown_line(table.file.titles[i]));
    } else {
        std::string group;
        const int k = steel.filter_index;
        if (k >= 1 && static_cast<std::size_t>(k) <= steel.filters.size())
            group = steel.filters[static_cast<std::size_t>(k - 1)].description;
        line_at(2.8, "Class of steel:" + std::to_string(k < 0 ? 0 : k) + " " + group);
        line_at(4.0, "Grade of steel:" + shorshorov_shown_line(table.file.titles[2]));
    }
    shorshorov_font(dc, H);
    return c;
}

ShorshorovFileTitles shorshorov_draw_file_titles(Canvas& dc, Rect client, int H, const ShorshorovTable& table,
                                                 const char* title, const char* face)
{
    ShorshorovFileTitles lines;
    shorshorov_font(dc, H, 0, -1, face);
    for (const std::string& t : table.file.titles) {
        const Size s = dc.text_extent(t.empty() ? std::string(" ") : t);
        lines.w = std::max(lines.w, s.cx);
        lines.c = std::max(lines.c, s.cy);
    }
    // The 1.4 H title reaches lower than the first line's row: the lines go
    // down the least distance that keeps their cells off the title's.
    const int ct = shorshorov_text_height(dc, static_cast<int>(1.4 * H), title);
    lines.down = std::max(0, static_cast<int>(0.3 * ct) + ct - static_cast<int>(1.5 * lines.c));
    shorshorov_font(dc, H, 0, -1, face);
    dc.save();
    dc.set_text_color(shorshorov_title_colour);
    // Their rows are closer than a line: drawn transparent, a line's cell
    // does not blank the descenders of the line above, and a line whose row
    // would put its ink on them goes down the least distance that clears.
    dc.set_background_mode(BackgroundMode::transparent);
    const double ks[3] = {1.5, 2.3, 3.2};
    int above_y = 0;
    InkRows above{};
    for (std::size_t i = 0; i < 3 && i < table.file.titles.size(); ++i) {
        const std::string line = shorshorov_shown_line(table.file.titles[i]);
        const InkRows ink = text_ink_rows(dc, line);
        const int y = row_clear_of(client.top + static_cast<int>(ks[i] * lines.c) + lines.down, above_y, above, ink);
        dc.text_out(client.left + 2 * lines.c, y, line);
        above_y = y;
        above = ink;
    }
    dc.restore();
    return lines;
}

void shorshorov_draw_parameters(Canvas& dc, Rect client, int plot_left, int H, PanelRows rows)
{
    if (current_model.draw_panel) {
        dc.set_text_color(Rgb{0, 0, 0});
        current_model.draw_panel(dc, client, rows.speed, rows.power, rows.initial_temperature, rows.thickness);
        return;
    }
    char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    shorshorov_font(dc, H);
    const int c = shorshorov_sample_height(dc);
    dc.set_text_color(shorshorov_panel_colour);
    dc.text_out(plot_left, client.bottom - 2 * c, line1);
    dc.text_out(plot_left, client.bottom - c, line2);
}

int shorshorov_parameters_top(Canvas& dc, Rect client, int plot_left, int H, PanelRows rows)
{
    MeasuringCanvas m(dc);
    shorshorov_draw_parameters(m, client, plot_left, H, rows);
    const Rect reach = m.reach();
    return reach.right > reach.left ? std::min(reach.top, client.bottom) : client.bottom;
}

namespace {

Rect moved(Rect r, int dx, int dy)
{
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace

int shorshorov_clearing_shift(const Rect& box, const std::vector<Rect>& others, bool down)
{
    int shift = 0;
    for (bool again = true; again;) {
        again = false;
        for (const Rect& o : others) {
            const Rect b = down ? moved(box, 0, shift) : moved(box, shift, 0);
            if (!rects_meet(b, o)) continue;
            shift = down ? o.bottom - box.top : o.right - box.left;
            again = true;
        }
    }
    return shift;
}

namespace {

int table_font(Canvas& dc, Rect client, int H, const ShorshorovSteel& s, ShorshorovTablePainter table, int x, int y,
               const char* face)
{
    for (int font = H;; --font) {
        MeasuringCanvas m(dc);
        shorshorov_font(m, font, 0, -1, face);
        (s.*table)(x, y, 20, 20, m);
        if (font <= 1 || m.reach().right <= client.right - 2) return font;
    }
}

} // namespace

Rect shorshorov_draw_table(Canvas& dc, Rect client, int H, const ShorshorovSteel& s, ShorshorovTablePainter table,
                           int x, int y, const char* face)
{
    // A table ends inside the client: where its columns would run past the
    // right edge in font H, it takes the largest smaller font that fits.
    shorshorov_font(dc, table_font(dc, client, H, s, table, x, y, face), 0, -1, face);
    MeasuringCanvas m(dc);
    (s.*table)(x, y, 20, 20, m);
    (s.*table)(x, y, 20, 20, dc);
    return m.reach();
}

Rect shorshorov_place_composition(Canvas& dc, Rect client, int H, const ShorshorovTable& table,
                                  const SteelChoice& steel, const char* title, const ShorshorovSteel& s, int& x,
                                  int& y)
{
    std::vector<Rect> texts;
    {
        MeasuringCanvas m(dc);
        shorshorov_draw_title(m, client, H, title, true);
        int w = 0;
        shorshorov_draw_steel_lines(m, client, H, table, steel, title, w);
        texts = m.boxes();
    }
    Rect box;
    {
        MeasuringCanvas m(dc);
        box = shorshorov_draw_table(m, client, H, s, &ShorshorovSteel::shorshorov_draw_composition_table, x, y);
    }
    if (box.right <= box.left) return Rect{x, y, x, y};
    const int down = shorshorov_clearing_shift(box, texts, true);
    const int right = shorshorov_clearing_shift(box, texts, false);
    if (right < down && box.right + right <= client.right) {
        x += right;
        return moved(box, right, 0);
    }
    y += down;
    return moved(box, 0, down);
}

void shorshorov_draw_model_line(Canvas& dc, Rect client, int x, int y, int height, std::string_view text)
{
    const LineInside at = line_inside(dc, text, x, height, client.left + 2, client.right - 2,
                                      [](Canvas& d, int h) { shorshorov_font(d, h); });
    dc.text_out(at.x, y, text);
}

std::string shorshorov_model_line(bool energy_window, bool french_blank)
{
    char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    const char* format = " Account on model: \"%s\"";
    switch (current_language()) {
    case Language::english: break;
    case Language::russian:
        format = energy_window ? " Расчёт по модели: \"%s\"" : " Рассчёт по модели: \"%s\"";
        break;
    case Language::ukrainian: format = " Розрахунок по моделі: \"%s\""; break;
    case Language::german: format = " Die Rechnung nach dem Modell: \"%s\""; break;
    case Language::french:
        format = french_blank ? " Le compte selon le modèle: \"%s\"" : "Le compte selon le modèle: \"%s\"";
        break;
    }
    return cformat(format, title);
}

namespace {

// The legend row of each structure curve: its label at plot right +
// label_fifths·w/50 and top + label_h·h, its sample line at top +
// sample_h2·h/2 from 7w/5 right of the plot to 2w/5 short of the client's
// right side (w, h the label's extent).
struct StructureLegendRow {
    Pen pen;
    int style;
    Text5 legend;
    int label_fifths;
    int label_h, sample_h2;
};
const StructureLegendRow structure_legend[3] = {
    {Pen{PenStyle::solid, 2, Rgb{0, 200, 0}}, 1, Text5{"M, %", "M, %", "M, %", "M, %", "M, %"}, 17, 4, 9},
    {Pen{PenStyle::dash, 1, Rgb{255, 0, 255}}, 2, Text5{"P+B, %", "П+Б, %", "П+Б, %", "P+B, %", "P+B, %"}, 10, 6, 13},
    {Pen{PenStyle::dot, 1, Rgb{255, 127, 127}}, 2, Text5{"F, %", "Ф, %", "Ф, %", "F, %", "F, %"}, 17, 8, 17},
};

} // namespace

void shorshorov_draw_structure_curves(Canvas& dc, Rect client, Rect plot, WorldBox box, int H, int n,
                                      const std::vector<double>& x, const std::vector<double>& m,
                                      const std::vector<double>& pb, const std::vector<double>& f,
                                      std::optional<Rgb> label_colour)
{
    const std::vector<double>* const values[3] = {&m, &pb, &f};
    shorshorov_font(dc, H);
    for (int i = 0; i < 3; ++i) {
        const StructureLegendRow& row = structure_legend[i];
        dc.select_pen(row.pen);
        if (n >= 0) draw_polyline(dc, n, x, *values[i], row.style, plot, box);
        const char* legend = pick(row.legend);
        const Size s = dc.text_extent(legend);
        const int w = s.cx, h = s.cy;
        dc.set_text_color(label_colour.value_or(row.pen.color));
        dc.text_out(plot.right + row.label_fifths * w / 50, plot.top + row.label_h * h, legend);
        const int ys = plot.top + row.sample_h2 * h / 2;
        const int x0 = plot.right + 7 * w / 5, x1 = client.right - 2 * w / 5;
        for (int k = 0; k < 2; ++k) {
            dc.move_to(x0, ys - k);
            dc.line_to(x1, ys - k);
        }
    }
}

const char* shorshorov_structure_label(int row)
{
    return pick(structure_legend[std::clamp(row, 0, 2)].legend);
}

int shorshorov_structure_legend_room(Canvas& dc, int H, int glyph_width)
{
    MeasuringCanvas m(dc);
    shorshorov_font(m, H);
    int room = 0;
    for (const StructureLegendRow& row : structure_legend) {
        const int w = m.text_extent(pick(row.legend)).cx;
        // The row's end: its sample line's, or the glyph's place there.
        const int end = glyph_width > 0 ? std::max(2 * w / 5, 2 + glyph_width) : 2 * w / 5;
        room = std::max({room, 7 * w / 5 + 2 * w / 5, row.label_fifths * w / 50 + w + end});
    }
    return room;
}

namespace {

const Text5 structure_title{"Structure, %", "Структура, %", "Структура, %", "Die Struktur, %", "La structure, %"};

// Where the turned title's cell begins, at column x: centred along the plot.
int structure_title_row(Canvas& dc, Rect plot, const char* t)
{
    return plot.top + (plot.bottom - plot.top + dc.text_extent(t).cx) / 2;
}

} // namespace

void shorshorov_draw_structure_title(Canvas& dc, Rect plot, int x, int height)
{
    shorshorov_font(dc, height, 900);
    dc.set_text_color(Rgb{0, 0, 0});
    const char* t = pick(structure_title);
    dc.text_out(x, structure_title_row(dc, plot, t), t);
}

Rect shorshorov_structure_title_ink(Canvas& dc, Rect plot, int x, int height)
{
    MeasuringCanvas m(dc);
    shorshorov_font(m, height, 900);
    const char* t = pick(structure_title);
    const int y = structure_title_row(m, plot, t);
    // Read upward: a glyph's rows across the text become columns right of
    // x, its columns along the text rows up from y.
    Rect ink{};
    for (const Rect& g : text_glyph_boxes(m.selected_font(), t)) {
        const Rect turned{x + g.top, y - g.right, x + g.bottom, y - g.left};
        ink = ink.right > ink.left ? Rect{std::min(ink.left, turned.left), std::min(ink.top, turned.top),
                                          std::max(ink.right, turned.right), std::max(ink.bottom, turned.bottom)}
                                   : turned;
    }
    return ink;
}
