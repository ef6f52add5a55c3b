#include "result_tables.h"

#include "canvas.h"
#include "lang.h"
#include "numfmt.h"

#include <algorithm>

namespace {

constexpr Rgb black{0, 0, 0};

// Each cell draws its lines with its own black one-pixel pen and leaves the
// canvas's pen as it found it.
class CellPen {
public:
    explicit CellPen(Canvas& dc) : dc_(dc)
    {
        dc_.save();
        dc_.select_pen(Pen{PenStyle::solid, 1, black});
    }
    ~CellPen() { dc_.restore(); }
    CellPen(const CellPen&) = delete;
    CellPen& operator=(const CellPen&) = delete;

    void line(int x1, int y1, int x2, int y2)
    {
        dc_.move_to(x1, y1);
        dc_.line_to(x2, y2);
    }

private:
    Canvas& dc_;
};

// The grid a table is laid out on: row height, least column width and the
// margin around a column's text, in pixels. Where the font fits the rows the
// layout's own numbers stand. A taller font (a printer page's is several
// times the screen's) gets rows of its cell, measured on the canvas drawn on,
// with a pixel to spare for the ruling under a descender, and the widths and
// margin grow in the same ratio, so the table looks as it does on the screen.
struct TableGrid {
    int row = 0;
    int min_width = 0;
    int margin = 10;
};

TableGrid table_grid(Canvas& dc, int row_height, int min_width)
{
    const int cell = dc.text_extent("0").cy;
    if (row_height <= 0 || cell <= row_height) return TableGrid{row_height, min_width, 10};
    const int row = cell + 1;
    return TableGrid{row, min_width * row / row_height, 10 * row / row_height};
}

// Headings and labels, {en, ru, ua, de, fr}.
const Text5 composition_heading1{" Chemical ", " Химический ", " Хімічний ", " Den chemischen ", " La composition "};
const Text5 composition_heading2{"composition, %", "состав %", "склад %", "Zusammensetzung, %", "chimiques, %"};
const Text5 structure_heading1{" Structure ", " Структура ", " Структура ", " Struktur  ", " Structure "};
const Text5 structure_heading2{"of metal", "металла", "металу", "des Metales", "du métal"};
const Text5 property_heading1{"Properties", " Свойства ", "Властивості", "Die Eigenschaften", "Propriétés"};
const Text5 property_heading2 = structure_heading2;

const Text5 martensite_label{"Martensite %", "Мартенсит, %", "Мартенсит, %", "Martensite, %", "Martensite, %"};
const Text5 ion_ferrite_pearlite_label{"Ferite+perlite, %", "Феррит+перлит, %", "Феррит+перлит, %",
                                       "Ferite+perlite, %", "Ferite+perlite, %"};
const Text5 kasatkin_ferrite_label{"Ferite, %", "Феррит, %", "Феррит, %", "Ferite, %", "Ferite, %"};
const Text5 ion_bainite_label{"bainite, %", "Бейнит, %", "Бейніт, %", "bainite, %", "bainite, %"};
const Text5 kasatkin_bainite_label{"Bainite, %", "Бейнит, %", "Бейніт, %", "Bainite, %", "Bainite, %"};
const Text5 y_label{" y, cm", " y, см", " y, см", " y, cm", " y, cm"};
const Text5 z_label{" z, cm", " z, см", " z, см", " z, cm", " z, cm"};
const Text5 cooling_time_label{"Cooling time, s", "Время охлаждения, с", "Час охоладження, с",
                               "Die Zeit der Abkühlung, s", "Le temps du refroidissement, s"};

const Text5 shorshorov_m_label{" M, %", " М, %", " М, %", " M, %", " M, %"};
const Text5 shorshorov_f_label{" F, %", " Ф, %", " Ф, %", " F, %", " F, %"};
const Text5 shorshorov_pb_label{" P+B, %", " П+Б, %", " П+Б, %", " P+B, %", " P+B, %"};
const Text5 cooling_speed_label{"Cooling speed, C/s", "Скорость охлаждения, C/с", "Швидкість охолодження, C/с",
                                "Die Geschwindigkeit der Abkühlung, C/s", "La vitesse du refroidissement, C/s"};

const Text5 point_heading1{" Properties ", " Свойства ", " Властивості", "Die Eigenschaften", "Les propriétés"};
const Text5 point_heading2{" Rated ", " Расчётные", "Розраховані", "Rechen", "De comptes"};
const Text5 point_heading3{" Initial", "Исходные", "Початкові", "Ausgangs", "Initial"};
const Text5 calculation_heading1{"Calculations", " Расчёт", "Розрахунок", "Die Rechnung ", "Propriétés"};
const Text5 calculation_heading2{"at point", "для точки:", "для точки:", " für den Punkt", "du métal"};
const Text5 rate_label{"W, C/s", "W, C/с", "W, C/с", "W, C/s", "W, C/s"};

// The point columns every model table ends with.
void draw_point_columns(double y, double z, double time, int& x_cursor, int min_width, int top,
                        int row_height, Canvas& dc)
{
    draw_table_column(pick(y_label), y, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(z_label), z, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(cooling_time_label), time, x_cursor, min_width, top, row_height, dc);
}

template <std::size_t N>
void draw_composition_columns(const CompositionRecord& steel, const std::array<int, N>& order, int x,
                              int top, int min_width, int row_height, Canvas& dc)
{
    int x_cursor = x + draw_table_heading(pick(composition_heading1), pick(composition_heading2), x, top,
                                          row_height, dc);
    for (int element : order) {
        if (steel[element] > 0.0)
            draw_table_column(element_symbols[static_cast<std::size_t>(element)], steel[element], x_cursor,
                              min_width, top, row_height, dc);
    }
}

} // namespace

std::string format_table_value(double value)
{
    return cformat("%-.3lg", value);
}

namespace {

int table_heading_width(const char* line1, const char* line2, Canvas& dc)
{
    return std::max(dc.text_extent(line1).cx, dc.text_extent(line2).cx) + 2;
}

} // namespace

int draw_table_heading(const char* line1, const char* line2, int x, int top, int row_height, Canvas& dc)
{
    row_height = table_grid(dc, row_height, 0).row;
    dc.set_text_color(black);
    dc.text_out(x, top, line1);
    dc.text_out(x, top + row_height, line2);
    int width = table_heading_width(line1, line2, dc);

    CellPen pen(dc);
    int bottom = top + 2 * row_height;
    pen.line(x - 1, top, x - 1, bottom);
    pen.line(x, top, x + width, top);
    pen.line(x, bottom, x + width, bottom);
    pen.line(x + width - 1, top, x + width - 1, bottom);
    return width;
}

int draw_table_heading3(const char* line1, const char* line2, const char* line3, int x, int top,
                        int row_height, Canvas& dc)
{
    row_height = table_grid(dc, row_height, 0).row;
    dc.set_text_color(black);
    dc.text_out(x, top, line1);
    dc.text_out(x, top + row_height, line2);
    dc.text_out(x, top + 2 * row_height, line3);
    int width = std::max({dc.text_extent(line1).cx, dc.text_extent(line2).cx, dc.text_extent(line3).cx}) + 2;

    CellPen pen(dc);
    int bottom = top + 3 * row_height;
    pen.line(x, top, x, bottom);
    pen.line(x, top, x + width, top);
    pen.line(x, top + row_height, x + width, top + row_height);
    pen.line(x, top + 2 * row_height, x + width, top + 2 * row_height);
    pen.line(x, bottom, x + width, bottom);
    pen.line(x + width - 1, top, x + width - 1, bottom);
    return width;
}

namespace {

int table_column_width(const char* label, double value, int min_width, int row_height, Canvas& dc)
{
    const TableGrid grid = table_grid(dc, row_height, min_width);
    return std::max({grid.min_width, dc.text_extent(label, true).cx, dc.text_extent(format_table_value(value)).cx}) +
           grid.margin;
}

} // namespace

void draw_table_column(const char* label, double value, int& x_cursor, int min_width, int top,
                       int row_height, Canvas& dc)
{
    const TableGrid grid = table_grid(dc, row_height, min_width);
    int x0 = x_cursor;
    int lw = dc.text_extent(label, true).cx;
    std::string text = format_table_value(value);
    int vw = dc.text_extent(text).cx;
    dc.set_text_color(black);

    const int width = table_column_width(label, value, min_width, row_height, dc);
    dc.text_out(x0 + (width - lw) / 2, top, label);
    dc.text_out(x0 + (width - vw) / 2, top + grid.row, text);

    CellPen pen(dc);
    for (int row = 0; row <= 2; ++row) pen.line(x0, top + row * grid.row, x0 + width, top + row * grid.row);
    pen.line(x0 + width - 1, top, x0 + width - 1, top + 2 * grid.row);
    x_cursor = x0 + width;
}

void draw_table_pair_column(const char* label, double rated, double initial, int& x_cursor, int min_width,
                            int top, int row_height, Canvas& dc)
{
    const TableGrid grid = table_grid(dc, row_height, min_width);
    int x0 = x_cursor;
    int lw = dc.text_extent(label, true).cx;
    std::string rated_text = format_table_value(rated);
    std::string initial_text = format_table_value(initial);
    int rw = dc.text_extent(rated_text).cx;
    int iw = dc.text_extent(initial_text).cx;
    dc.set_text_color(black);

    int width = std::max({grid.min_width, lw, rw, iw}) + grid.margin;
    dc.text_out(x0 + (width - lw) / 2, top, label);
    dc.text_out(x0 + (width - rw) / 2, top + grid.row, rated_text);
    dc.text_out(x0 + (width - iw) / 2, top + 2 * grid.row, initial_text);

    CellPen pen(dc);
    for (int row = 0; row <= 3; ++row) pen.line(x0, top + row * grid.row, x0 + width, top + row * grid.row);
    pen.line(x0 + width - 1, top, x0 + width - 1, top + 3 * grid.row);
    x_cursor = x0 + width;
}

void CompositionRecord::draw_composition_table(int x, int top, int min_width, int row_height, Canvas& dc) const
{
    static constexpr std::array<int, composition_size> order = {
        el_c, el_si, el_mn, el_p, el_s, el_cu, el_cr, el_ni, el_mo, el_nb, el_ti, el_b, el_al, el_n2, el_v, el_w,
    };
    draw_composition_columns(*this, order, x, top, min_width, row_height, dc);
}

int CompositionRecord::composition_table_bottom(int top, int row_height, Canvas& dc)
{
    return top + 2 * table_grid(dc, row_height, 0).row + 1;
}

void ShorshorovSteel::shorshorov_draw_composition_table(int x, int top, int min_width, int row_height,
                                                        Canvas& dc) const
{
    static constexpr std::array<int, 15> order = {
        el_c, el_si, el_mn, el_cr, el_ni, el_mo, el_s, el_p, el_cu, el_nb, el_ti, el_b, el_al, el_n2, el_v,
    };
    draw_composition_columns(*this, order, x, top, min_width, row_height, dc);
}

void KasatkinSteel::kasatkin_draw_structure_table(int x, int top, int min_width, int row_height, Canvas& dc) const
{
    int x_cursor = x + draw_table_heading(pick(structure_heading1), pick(structure_heading2), x, top,
                                          row_height, dc);
    draw_table_column(pick(martensite_label), martensite * 100.0, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(kasatkin_ferrite_label), ferrite_pearlite * 100.0, x_cursor, min_width, top,
                      row_height, dc);
    draw_table_column(pick(kasatkin_bainite_label), bainite * 100.0, x_cursor, min_width, top, row_height, dc);
    draw_point_columns(y, z, cooling_time, x_cursor, min_width, top, row_height, dc);
}

void KasatkinSteel::kasatkin_draw_property_table(int x, int top, int min_width, int row_height, Canvas& dc) const
{
    int x_cursor = x + draw_table_heading(pick(property_heading1), pick(property_heading2), x, top,
                                          row_height, dc);
    draw_table_column(" HV30", hv, x_cursor, min_width, top, row_height, dc);
    draw_table_column(" Rm, MPa", rm, x_cursor, min_width, top, row_height, dc);
    draw_table_column(" R02, MPa", r02, x_cursor, min_width, top, row_height, dc);
    draw_table_column(" A %", elongation, x_cursor, min_width, top, row_height, dc);
    draw_table_column(" Z %", reduction, x_cursor, min_width, top, row_height, dc);
    draw_table_column(" K, j/mm2", toughness, x_cursor, min_width, top, row_height, dc);
    draw_point_columns(y, z, cooling_time, x_cursor, min_width, top, row_height, dc);
}

void IonSteel::ion_draw_structure_table(int x, int top, int min_width, int row_height, Canvas& dc) const
{
    int x_cursor = x + draw_table_heading(pick(structure_heading1), pick(structure_heading2), x, top,
                                          row_height, dc);
    draw_table_column(pick(martensite_label), martensite * 100.0, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(ion_ferrite_pearlite_label), ferrite_pearlite * 100.0, x_cursor, min_width, top,
                      row_height, dc);
    draw_table_column(pick(ion_bainite_label), bainite * 100.0, x_cursor, min_width, top, row_height, dc);
    draw_table_column(" HV30", hv, x_cursor, min_width, top, row_height, dc);
    draw_point_columns(y, z, cooling_time, x_cursor, min_width, top, row_height, dc);
}

int IonSteel::ion_structure_table_width(int min_width, int row_height, Canvas& dc) const
{
    const auto column = [&](const char* label, double value) {
        return table_column_width(label, value, min_width, row_height, dc);
    };
    return table_heading_width(pick(structure_heading1), pick(structure_heading2), dc) +
           column(pick(martensite_label), martensite * 100.0) +
           column(pick(ion_ferrite_pearlite_label), ferrite_pearlite * 100.0) +
           column(pick(ion_bainite_label), bainite * 100.0) + column(" HV30", hv) + column(pick(y_label), y) +
           column(pick(z_label), z) + column(pick(cooling_time_label), cooling_time);
}

void ShorshorovSteel::shorshorov_draw_structure_table(int x, int top, int min_width, int row_height,
                                                      Canvas& dc) const
{
    int x_cursor = x + draw_table_heading(pick(property_heading1), pick(property_heading2), x, top,
                                          row_height, dc);
    draw_table_column(pick(shorshorov_m_label), martensite, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(shorshorov_f_label), ferrite, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(shorshorov_pb_label), pearlite_bainite, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(y_label), y, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(z_label), z, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(cooling_speed_label), cooling_rate, x_cursor, min_width, top, row_height, dc);
}

void ShorshorovSteel::shorshorov_draw_point_property_table(int x, int top, int min_width, int row_height,
                                                           Canvas& dc) const
{
    int x_cursor = x + draw_table_heading3(pick(point_heading1), pick(point_heading2), pick(point_heading3), x,
                                           top, row_height, dc);
    draw_table_pair_column(" HV30", hv30, initial_hv30, x_cursor, min_width, top, row_height, dc);
    draw_table_pair_column(" Rm, MPa", rm, initial_rm, x_cursor, min_width, top, row_height, dc);
    draw_table_pair_column(" A, %", elongation, initial_elongation, x_cursor, min_width, top, row_height, dc);
    draw_table_pair_column(" Z, %", reduction, initial_reduction, x_cursor, min_width, top, row_height, dc);
    x_cursor += table_grid(dc, row_height, min_width).min_width;
    x_cursor += draw_table_heading(pick(calculation_heading1), pick(calculation_heading2), x_cursor, top,
                                   row_height, dc);
    draw_table_column(pick(y_label), y, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(z_label), z, x_cursor, min_width, top, row_height, dc);
    draw_table_column(pick(rate_label), cooling_rate, x_cursor, min_width, top, row_height, dc);
}
