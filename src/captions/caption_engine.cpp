// Draws one caption row: symbol, subscript, value, dash, name, unit, ";".
//
// Positions are computed in double and truncated toward zero just before a
// text is drawn; an advance with a gap truncates the new cursor, an advance by
// a width alone is integer arithmetic. Those truncations decide where the
// next caption starts, so they are kept exactly as laid out.
#include "caption_rows.h"
#include "captions.h"
#include "fonts.h"
#include "numfmt.h"

#include <algorithm>
#include <cstring>
#include <string>

int colour_mode = 1;

int caption_unit_size(int h) { return h * 3 / 4; }
int caption_small_size(int h) { return h * 3 / 5; }

namespace {

constexpr Rgb black_colour{0, 0, 0};
constexpr Pen bar_pen{PenStyle::solid, 1, Rgb{127, 127, 127}};

enum class Selected { none, text, italic, symbol };

struct Line {
    Canvas& dc;
    int h = 0;
    int* cursor = nullptr;
    double x0 = 0;
    double y = 0;
    int cw = 0;
    int ch = 0;
    bool cyrillic = false;
    Selected selected = Selected::none;
    int selected_size = 0;

    int unit_size() const { return caption_unit_size(h); }
    int small_size() const { return caption_small_size(h); }
    const char* pick2(const Pair& p) const { return cyrillic ? p.cyr : p.lat; }

    // x of a piece `offset` pixels right of the cursor (or of `from`).
    int x_at(double offset) const { return static_cast<int>(x0 + *cursor + offset); }
    int x_from(int from, double offset) const { return static_cast<int>(x0 + from + offset); }
    int y_at(double top_ch) const { return static_cast<int>(y + top_ch * ch); }

    void advance(int width, double gap_cw)
    {
        if (gap_cw == 0)
            *cursor += width;
        else
            *cursor = static_cast<int>(*cursor + width + gap_cw * cw);
    }
};

// The record is rewritten and the font selected only when the size or face
// changes: a piece drawn in the font already selected needs no change.
void use_text(Line& line, int size, bool italic = false)
{
    const Selected want = italic ? Selected::italic : Selected::text;
    if (line.selected == want && line.selected_size == size) return;
    text_font.height = size;
    text_font.escapement = 0;
    text_font.weight = 400;
    text_font.charset = language_charset();
    text_font.face = "Times New Roman";
    text_font.italic = italic ? 1 : 0;
    line.dc.select_font(text_font);
    line.selected = want;
    line.selected_size = size;
}

void use_symbol(Line& line, int size)
{
    if (line.selected == Selected::symbol && line.selected_size == size) return;
    symbol_font.height = size;
    symbol_font.escapement = 0;
    symbol_font.weight = 400;
    symbol_font.face = "Symbol";
    line.dc.select_font(symbol_font);
    line.selected = Selected::symbol;
    line.selected_size = size;
}

void use_face(Line& line, Face face, int size)
{
    if (face == Face::symbol)
        use_symbol(line, size);
    else
        use_text(line, size, face == Face::italic);
}

int width_of(Line& line, const char* text) { return line.dc.text_extent(text).cx; }

// A "%lg" format gets the value; any other text is drawn as it is.
std::string piece_text(const char* text, double value)
{
    if (std::strchr(text, '%') != nullptr) return cformat(text, value);
    return text;
}

void draw_bar(Line& line, int from_x, int to_x)
{
    const int bar_y = line.y_at(0.5);
    line.dc.save();
    line.dc.select_pen(bar_pen);
    line.dc.move_to(from_x, bar_y);
    line.dc.line_to(to_x, bar_y);
    line.dc.restore();
}

// The degree sign: a small "0" raised to the top of the line, `before_end`
// widths before the end of a text of width `width` that starts at `from`.
void draw_degree_on_line(Line& line, int from, int width, double before_end)
{
    use_text(line, line.small_size());
    line.dc.text_out(line.x_from(from, width - before_end * line.cw), line.y_at(-0.1), "0");
}

// `letter_end`: where the symbol's letter ends. A lowered subscript starts
// there at the earliest: the Greek letters of the stand-in face are wider
// than the character widths the offsets were made for.
void draw_subscript(Line& line, const Sub& sub, int start, int letter_end)
{
    if (sub.mode == SubMode::at_offset) {
        use_text(line, line.small_size(), sub.italic);
        const double offset = std::max(sub.offset * line.cw, static_cast<double>(letter_end));
        line.dc.text_out(line.x_from(start, offset), line.y_at(0.5), sub.text);
    } else if (sub.mode == SubMode::second_letter) {
        use_text(line, line.h);
        line.dc.text_out(line.x_from(start, sub.offset * line.cw), line.y_at(0), sub.text);
    }
}

void draw_symbol_piece(Line& line, const CaptionRow& row, double value)
{
    const int start = *line.cursor;
    const std::string text = piece_text(line.pick2(row.symbol.text), value);
    use_face(line, row.symbol.face, line.h);
    line.dc.text_out(line.x_at(0), line.y_at(0), text);
    const int width = width_of(line, text.c_str());
    int letter_end = 0;
    if (row.sub.mode == SubMode::at_offset) {
        const std::size_t letter = text.find_first_not_of(' ');
        if (letter != std::string::npos) letter_end = width_of(line, text.substr(0, letter + 1).c_str());
    }
    draw_subscript(line, row.sub, start, letter_end);
    if (row.symbol.degree_before_end != 0)
        draw_degree_on_line(line, start, width, row.symbol.degree_before_end);
    line.advance(width, row.symbol.gap);
    if (row.sub.mode == SubMode::after_symbol) {
        use_text(line, line.small_size(), row.sub.italic);
        line.dc.text_out(line.x_at(0), line.y_at(0.5), row.sub.text);
        line.advance(width_of(line, row.sub.text), row.sub.gap);
    }
}

// q over v, the bar as wide as the q.
void draw_fraction_q_v(Line& line)
{
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(0), line.y_at(-0.3), "q");
    line.dc.text_out(line.x_at(0), line.y_at(0.6), "v");
    const int wn = width_of(line, "q");
    draw_bar(line, line.x_at(0), line.x_at(wn));
    line.advance(wn, 0);
}

// q over v·σ, the bar as wide as "v·s" measured in the Symbol face.
void draw_fraction_q_v_sigma(Line& line)
{
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(1.2 * line.cw), line.y_at(-0.3), "q");
    use_text(line, line.unit_size(), true);
    line.dc.text_out(line.x_at(0), line.y_at(0.6), "v·");
    use_symbol(line, line.unit_size());
    line.dc.text_out(line.x_at(1.7 * line.cw), line.y_at(0.6), "s");
    const int wf = width_of(line, "v·s");
    draw_bar(line, line.x_at(0), line.x_at(wf));
    line.advance(wf, 0);
}

void draw_stacked_unit(Line& line, const Unit& unit)
{
    const int cw = line.cw;
    use_text(line, line.unit_size());
    const double num_at = line.cyrillic ? unit.num_cyr : unit.num_lat;
    line.dc.text_out(line.x_at(num_at * cw), line.y_at(-0.3), line.pick2(unit.text));
    line.dc.text_out(line.x_at(unit.den_at * cw), line.y_at(0.6), line.pick2(unit.den));
    int wu = width_of(line, line.pick2(unit.ref));
    double mark_at = unit.mark.offset_cw * cw + unit.mark.wu_factor * wu;
    if (unit.fit_denominator) {
        const int wd = width_of(line, line.pick2(unit.den));
        int wmark = 0;
        if (unit.mark.text != nullptr) {
            use_text(line, line.small_size());
            wmark = width_of(line, unit.mark.text);
        }
        mark_at = std::max(mark_at, unit.den_at * cw + wd);
        wu = std::max(wu, wd + wmark);
    }
    if (unit.mark.text != nullptr) {
        use_text(line, line.small_size());
        line.dc.text_out(line.x_at(mark_at), line.y_at(unit.mark.top_ch), unit.mark.text);
    }
    draw_bar(line, line.x_at(unit.bar_from * cw), line.x_at(unit.bar_to * cw + unit.bar_wu * wu));
    line.advance(wu, unit.advance);
}

// W over cm²·s·°C: the denominator is a chain of texts, each placed after the
// previous one, with the exponent and the degree sign between them.
void draw_alpha_unit(Line& line, const Unit& unit)
{
    const int cw = line.cw;
    use_text(line, line.unit_size());
    const double num_at = line.cyrillic ? unit.num_cyr : unit.num_lat;
    line.dc.text_out(line.x_at(num_at * cw), line.y_at(-0.3), line.pick2(unit.text));
    const char* first = line.cyrillic ? "см" : "cm";
    line.dc.text_out(line.x_at(0), line.y_at(0.6), first);
    const int w1 = width_of(line, first);
    use_text(line, line.small_size());
    line.dc.text_out(line.x_at(w1 + 0.3 * cw), line.y_at(0.5), "2");
    const int a1 = static_cast<int>(w1 + 0.8 * cw);
    use_text(line, line.unit_size());
    const char* middle = line.pick2(unit.den);
    line.dc.text_out(line.x_at(a1), line.y_at(0.6), middle);
    const int wm = width_of(line, middle);
    const int a2 = static_cast<int>(a1 + wm + 0.5 * cw);
    line.dc.text_out(line.x_at(a2), line.y_at(0.6), "C");
    const int wc = width_of(line, "C");
    const int wu = a2 + wc;
    use_text(line, line.small_size());
    line.dc.text_out(line.x_at(a2 - wc), line.y_at(0.5), "0");
    draw_bar(line, line.x_at(0), line.x_at(1.0 * cw + wu));
    line.advance(wu, 1.25);
}

// cm²·s·°C over J: the exponent and the degree sign sit on the numerator.
void draw_r_t_unit(Line& line)
{
    const int cw = line.cw;
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(1.0 * cw), line.y_at(-0.3), line.cyrillic ? "см" : "cm");
    use_text(line, line.small_size());
    line.dc.text_out(line.x_at(2.5 * cw), line.y_at(-0.4), "2");
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(3.0 * cw), line.y_at(-0.3), line.cyrillic ? "·с ·  C" : "·c ·  C");
    line.dc.text_out(line.x_at(3.5 * cw), line.y_at(0.6), line.cyrillic ? "Дж" : "J");
    const int wu = width_of(line, line.cyrillic ? "см2·с ·  C" : "cm2·c ·  C");
    use_text(line, line.small_size());
    line.dc.text_out(line.x_at(wu - 1.0 * cw), line.y_at(-0.4), "0");
    draw_bar(line, line.x_at(1.0 * cw), line.x_at(1.2 * cw + wu));
    line.advance(wu, 1.75);
}

void draw_unit(Line& line, const Unit& unit)
{
    switch (unit.kind) {
    case UnitKind::none:
        break;
    case UnitKind::inline_text: {
        use_text(line, line.h);
        line.dc.text_out(line.x_at(0), line.y_at(0), line.pick2(unit.text));
        if (unit.ref.lat != nullptr) line.advance(width_of(line, line.pick2(unit.ref)), 0);
        break;
    }
    case UnitKind::stacked:
        draw_stacked_unit(line, unit);
        break;
    case UnitKind::alpha_chain:
        draw_alpha_unit(line, unit);
        break;
    case UnitKind::r_t:
        draw_r_t_unit(line);
        break;
    }
}

}   // namespace

void paint_caption(const CaptionRow& row, Canvas& dc, double value, int h, int* cursor,
                   double x0, double y, int cw)
{
    if (cursor == nullptr) return;
    Line line{dc, h, cursor, x0, y, cw};
    line.cyrillic = lang_russian || lang_ukrainian;

    use_text(line, h);
    line.ch = dc.text_extent("S").cy;

    if (row.black) dc.set_text_color(black_colour);

    switch (row.symbol_kind) {
    case SymbolKind::piece:
        draw_symbol_piece(line, row, value);
        break;
    case SymbolKind::fraction_q_v:
        draw_fraction_q_v(line);
        break;
    case SymbolKind::fraction_q_v_sigma:
        draw_fraction_q_v_sigma(line);
        break;
    }

    if (row.value.text.lat != nullptr) {
        const std::string text = piece_text(line.pick2(row.value.text), value);
        use_face(line, row.value.face, h);
        dc.text_out(line.x_at(0), line.y_at(0), text);
        line.advance(width_of(line, text.c_str()), row.value.gap);
    }

    if (row.dash) {
        use_symbol(line, h);
        dc.text_out(line.x_at(0), line.y_at(0), "-");
        line.advance(width_of(line, "-"), row.dash_gap);
    }

    if (row.name != nullptr) {
        const int start = *cursor;
        const char* name = pick(*row.name);
        use_text(line, h);
        dc.text_out(line.x_at(0), line.y_at(0), name);
        const int width = width_of(line, name);
        if (row.name_degree_before_end != 0)
            draw_degree_on_line(line, start, width, row.name_degree_before_end);
        line.advance(width, row.name_gap);
    }

    if (row.unit != nullptr) draw_unit(line, *row.unit);

    switch (row.closing) {
    case Closing::full: use_text(line, h); break;
    case Closing::unit: use_text(line, line.unit_size()); break;
    case Closing::small: use_text(line, line.small_size()); break;
    case Closing::carried: use_text(line, h); break;   // a caption may end on its subscript
    }
    if (row.closing != Closing::carried) dc.text_out(line.x_at(0), line.y_at(0), ";");
    line.advance(0, row.closing_advance);
}
