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
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

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

// Where a degree sign of width `mark_w` may stand at the latest: ending
// where the "C" (of width `c_w`) of a text that ends at `text_end` begins,
// so that it sits before its C, never on it.
double degree_before_c(double wanted, int text_end, int c_w, int mark_w)
{
    return std::min(wanted, static_cast<double>(text_end - c_w - mark_w));
}

// The degree sign: a small "0" raised to the top of the line, `before_end`
// widths before the end of a text of width `width` that starts at `from`;
// `c_w` is the width of the text's closing "C" in its own font.
void draw_degree_on_line(Line& line, int from, int width, double before_end, int c_w)
{
    use_text(line, line.small_size());
    const double at = degree_before_c(width - before_end * line.cw, width, c_w, width_of(line, "0"));
    line.dc.text_out(line.x_from(from, at), line.y_at(-0.1), "0");
}

// Where a subscript or second letter drawn inside the symbol piece stands,
// from the caption's start, and its width. A lowered subscript starts where
// the symbol's letter ends at the earliest (`letter_end`): the Greek letters
// of the stand-in face are wider than the character widths the offsets were
// made for.
struct SubPlace {
    double at = 0;
    int width = 0;
};

SubPlace place_subscript(Line& line, const Sub& sub, int letter_end)
{
    if (sub.mode == SubMode::at_offset) {
        use_text(line, line.small_size(), sub.italic);
        return SubPlace{std::max(sub.offset * line.cw, static_cast<double>(letter_end)), width_of(line, sub.text)};
    }
    use_text(line, line.h);
    return SubPlace{std::max(sub.offset * line.cw, static_cast<double>(letter_end)), width_of(line, sub.text)};
}

void draw_subscript(Line& line, const Sub& sub, int start, const SubPlace& place)
{
    if (sub.mode == SubMode::at_offset) {
        use_text(line, line.small_size(), sub.italic);
        line.dc.text_out(line.x_from(start, place.at), line.y_at(0.5), sub.text);
    } else if (sub.mode == SubMode::second_letter) {
        use_text(line, line.h);
        line.dc.text_out(line.x_from(start, place.at), line.y_at(0), sub.text);
    }
}

// The symbol piece with a subscript or a second letter inside it: where the
// subscript would run into what follows the letter ("=" and the value), that
// part moves right, the least distance that clears it. A piece whose unit
// "C" carries a degree sign is drawn up to the C, then the sign, then the C,
// so the sign stands between the value and its C, never on either.
void draw_symbol_piece(Line& line, const CaptionRow& row, double value)
{
    const int start = *line.cursor;
    std::string text = piece_text(line.pick2(row.symbol.text), value);
    const bool degree = row.symbol.degree_before_end != 0 && text.ends_with("C");
    if (degree) text.pop_back();
    use_face(line, row.symbol.face, line.h);
    int width = width_of(line, text.c_str());
    const bool inside = row.sub.mode == SubMode::at_offset || row.sub.mode == SubMode::second_letter;
    const std::size_t letter = text.find_first_not_of(' ');
    if (!inside || letter == std::string::npos) {
        line.dc.text_out(line.x_at(0), line.y_at(0), text);
    } else {
        const std::string head = text.substr(0, letter + 1);
        const std::string tail = text.substr(letter + 1);
        // An italic or stand-in Greek letter leans past its advance.
        const int lean = row.symbol.face == Face::text ? 0 : std::max(1, line.h / 6);
        const int head_w = width_of(line, head.c_str()) + lean;
        const std::size_t next = tail.find_first_not_of(' ');
        const int next_at = width_of(line, (head + tail.substr(0, next == std::string::npos ? 0 : next)).c_str());
        const SubPlace place = place_subscript(line, row.sub, head_w);
        const int shift = next == std::string::npos
                              ? 0
                              : std::max(0, static_cast<int>(place.at) + place.width + 1 - next_at);
        use_face(line, row.symbol.face, line.h);
        if (shift == 0) {
            line.dc.text_out(line.x_at(0), line.y_at(0), text);
        } else {
            line.dc.text_out(line.x_at(0), line.y_at(0), head);
            line.dc.text_out(line.x_at(head_w - lean + shift), line.y_at(0), tail);
            width += shift;
        }
        draw_subscript(line, row.sub, start, place);
    }
    // A piece that ends in an italic or stand-in Greek letter (the χ of a
    // time unit) leans past its advance: what follows starts clear of it.
    if (row.symbol.face != Face::text && !text.empty() && std::isalpha(static_cast<unsigned char>(text.back())))
        width += std::max(1, line.h / 12);
    if (degree) {
        use_text(line, line.small_size());
        line.dc.text_out(line.x_from(start, width), line.y_at(-0.1), "0");
        width += width_of(line, "0");
        use_face(line, row.symbol.face, line.h);
        line.dc.text_out(line.x_from(start, width), line.y_at(0), "C");
        width += width_of(line, "C");
    }
    line.advance(width, row.symbol.gap);
    if (row.sub.mode == SubMode::after_symbol) {
        use_text(line, line.small_size(), row.sub.italic);
        line.dc.text_out(line.x_at(0), line.y_at(0.5), row.sub.text);
        // What follows starts clear of the subscript's last column.
        line.advance(width_of(line, row.sub.text) + 1, row.sub.gap);
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
    // The σ stands at 1.7 cw, further than the bar's measure puts it: the
    // value piece starts after the σ, its cell clear of the σ's ink.
    const int sigma_end = static_cast<int>(1.7 * line.cw) + width_of(line, "s") + 1;
    draw_bar(line, line.x_at(0), line.x_at(wf));
    line.advance(std::max(wf, sigma_end), 0);
}

// After a unit the cursor stands past every piece the unit drew (`reach`,
// from the cursor where the unit began), so the closing ";" never lies on
// an exponent or on a letter's last column.
void advance_past(Line& line, int start, int reach)
{
    *line.cursor = std::max(*line.cursor, start + reach + 1);
}

void draw_stacked_unit(Line& line, const Unit& unit)
{
    const int cw = line.cw;
    const int start = *line.cursor;
    use_text(line, line.unit_size());
    const double num_at = line.cyrillic ? unit.num_cyr : unit.num_lat;
    const char* num = line.pick2(unit.text);
    const char* den = line.pick2(unit.den);
    line.dc.text_out(line.x_at(num_at * cw), line.y_at(-0.3), num);
    line.dc.text_out(line.x_at(unit.den_at * cw), line.y_at(0.6), den);
    const int wn = width_of(line, num);
    const int wd = width_of(line, den);
    const int den_end = static_cast<int>(unit.den_at * cw) + wd;
    int reach = std::max(static_cast<int>(num_at * cw) + wn, den_end);
    const bool degree_c = std::string_view(den).ends_with("C");
    const int c_w = width_of(line, "C");
    int wu = width_of(line, line.pick2(unit.ref));
    double mark_at = unit.mark.offset_cw * cw + unit.mark.wu_factor * wu;
    if (unit.fit_denominator) {
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
        const int mark_w = width_of(line, unit.mark.text);
        if (degree_c) mark_at = degree_before_c(mark_at, den_end, c_w, mark_w);
        line.dc.text_out(line.x_at(mark_at), line.y_at(unit.mark.top_ch), unit.mark.text);
        reach = std::max(reach, static_cast<int>(mark_at) + mark_w);
    }
    draw_bar(line, line.x_at(unit.bar_from * cw), line.x_at(unit.bar_to * cw + unit.bar_wu * wu));
    line.advance(wu, unit.advance);
    advance_past(line, start, reach);
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
    // The middle of the chain follows the exponent, clear of it.
    const int a1 = std::max(static_cast<int>(w1 + 0.8 * cw), static_cast<int>(w1 + 0.3 * cw) + width_of(line, "2") + 1);
    use_text(line, line.unit_size());
    const char* middle = line.pick2(unit.den);
    line.dc.text_out(line.x_at(a1), line.y_at(0.6), middle);
    const int wm = width_of(line, middle);
    const int wc = width_of(line, "C");
    use_text(line, line.small_size());
    const int mark_w = width_of(line, "0");
    // The degree sign wc before the C, or right after the middle where that
    // is later; the C then follows the sign.
    const int mark_at = std::max(static_cast<int>(a1 + wm + 0.5 * cw) - wc, a1 + wm);
    const int a2 = std::max(static_cast<int>(a1 + wm + 0.5 * cw), mark_at + mark_w);
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(a2), line.y_at(0.6), "C");
    const int wu = a2 + wc;
    use_text(line, line.small_size());
    line.dc.text_out(line.x_at(mark_at), line.y_at(0.5), "0");
    draw_bar(line, line.x_at(0), line.x_at(1.0 * cw + wu));
    line.advance(wu, 1.25);
}

// cm²·s·°C over J: the exponent and the degree sign sit on the numerator.
// The exponent follows the "cm" and the rest of the numerator follows the
// exponent, each at its place or, where the letters before it are wider,
// right after them.
void draw_r_t_unit(Line& line)
{
    const int cw = line.cw;
    const int start = *line.cursor;
    const char* cm = line.cyrillic ? "см" : "cm";
    const char* rest = line.cyrillic ? "·с ·  C" : "·c ·  C";
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(1.0 * cw), line.y_at(-0.3), cm);
    const double exponent_at = std::max(2.5 * cw, static_cast<double>(static_cast<int>(1.0 * cw) + width_of(line, cm)));
    use_text(line, line.small_size());
    line.dc.text_out(line.x_at(exponent_at), line.y_at(-0.4), "2");
    const int exponent_w = width_of(line, "2");
    const double rest_at = std::max(3.0 * cw, static_cast<double>(static_cast<int>(exponent_at) + exponent_w));
    // The rest up to the C, the degree sign, then the C after the sign.
    const std::string body = std::string(rest).substr(0, std::string_view(rest).size() - 1);
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(rest_at), line.y_at(-0.3), body);
    line.dc.text_out(line.x_at(3.5 * cw), line.y_at(0.6), line.cyrillic ? "Дж" : "J");
    const int mark_at = static_cast<int>(rest_at) + width_of(line, body.c_str());
    const int c_w = width_of(line, "C");
    const int wu = width_of(line, line.cyrillic ? "см2·с ·  C" : "cm2·c ·  C");
    use_text(line, line.small_size());
    const int c_at = mark_at + width_of(line, "0");
    line.dc.text_out(line.x_at(mark_at), line.y_at(-0.4), "0");
    use_text(line, line.unit_size());
    line.dc.text_out(line.x_at(c_at), line.y_at(-0.3), "C");
    draw_bar(line, line.x_at(1.0 * cw), line.x_at(1.2 * cw + wu));
    line.advance(wu, 1.75);
    advance_past(line, start, c_at + c_w);
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
            draw_degree_on_line(line, start, width, row.name_degree_before_end, width_of(line, "C"));
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
