#include "fonts.h"

#include "text_code.h"

#include "font_layout.h"
#include "gui_app.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>
#include <unordered_map>

FontRecord text_font;
FontRecord symbol_font;
FontRecord chosen_font;

void init_fonts()
{
    FontRecord f;
    f.height = 24;
    f.width = 0;
    f.escapement = 0;
    f.orientation = 0;
    f.weight = 400;
    f.italic = 0;
    f.underline = 0;
    f.strike_out = 0;
    f.charset = 0;
    f.out_precision = 0;
    f.clip_precision = 0;
    f.quality = 2;
    f.pitch_and_family = 18;
    f.face = "Times New Roman";
    text_font = f;

    symbol_font = text_font;
    symbol_font.height = 20;
    symbol_font.pitch_and_family = 2;
    symbol_font.face = "Symbol";
    symbol_font.charset = 0;

    chosen_font = text_font;
    chosen_font.height = 17;
    chosen_font.weight = 400;
}

void set_fonts_truetype_only()
{
    text_font.out_precision = 7;
    symbol_font.out_precision = 7;
    chosen_font.out_precision = 7;
}

namespace {

enum class CharMap { none, symbol, dingbats };

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // Trailing blanks in a face name do not make another face.
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

struct FaceChoice {
    QString family;
    CharMap map = CharMap::none;
};

FaceChoice choose_face(const FontRecord& font)
{
    const std::string face = lower(font.face);
    if (face == "times new roman" || face == "times new roman cyr" || face == "times")
        return {QStringLiteral("Liberation Serif"), CharMap::none};
    if (face == "arial" || face == "arial cyr" || face == "helvetica")
        return {QStringLiteral("Liberation Sans"), CharMap::none};
    if (face == "courier new" || face == "courier new cyr" || face == "courier")
        return {QStringLiteral("Liberation Mono"), CharMap::none};
    if (face == "tahoma" || face == "ms sans serif" || face == "ms shell dlg")
        return {QStringLiteral("DejaVu Sans"), CharMap::none};
    if (face == "symbol") return {QStringLiteral("Liberation Serif"), CharMap::symbol};
    if (face == "zapfdingbats bt" || face == "zapfdingbats" || face == "zapf dingbats")
        return {QStringLiteral("DejaVu Sans"), CharMap::dingbats};
    switch (font.pitch_and_family & 0xF0) {
    case 0x10: return {QStringLiteral("Liberation Serif"), CharMap::none};
    case 0x30: return {QStringLiteral("Liberation Mono"), CharMap::none};
    default: return {QStringLiteral("Liberation Sans"), CharMap::none};
    }
}

// The classic Symbol layout from 0x20 to 0xFF; 0 keeps the code as it is.
constexpr char32_t symbol_table[224] = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    // 0x30
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,
    // 0x80 .. 0x9F: not in the layout
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    // 0xF0
    0, 0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

char32_t map_char(CharMap map, char32_t c)
{
    if (map == CharMap::symbol) {
        if (c >= 0x20 && c <= 0xFF && symbol_table[c - 0x20] != 0) return symbol_table[c - 0x20];
        return c;
    }
    if (map == CharMap::dingbats) {
        if (c >= 0xAC && c <= 0xB5) return 0x2460 + (c - 0xAC);   // circled 1..10
        if (c >= 0xB6 && c <= 0xBF) return 0x2776 + (c - 0xB6);   // negative circled 1..10
        if (c >= 0xC0 && c <= 0xC9) return 0x2780 + (c - 0xC0);   // sans circled 1..10
        if (c >= 0xCA && c <= 0xD3) return 0x278A + (c - 0xCA);   // negative sans circled
        if (c == 0x6C) return 0x25CF;                              // black circle
        if (c == 0x6E) return 0x25A0;                              // black square
        if (c == 0x75) return 0x25C6;                              // black diamond
        if (c == 0x48) return 0x2605;                              // black star
        return c;
    }
    return c;
}

// UTF-8 to code points; a byte that does not start a valid sequence stands
// for the code point of the same value (the code-page byte convention).
std::u32string decode(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        int len = 0;
        char32_t cp = 0;
        if (b0 < 0x80) { len = 1; cp = b0; }
        else if (b0 >= 0xC2 && b0 <= 0xDF) { len = 2; cp = b0 & 0x1F; }
        else if (b0 >= 0xE0 && b0 <= 0xEF) { len = 3; cp = b0 & 0x0F; }
        else if (b0 >= 0xF0 && b0 <= 0xF4) { len = 4; cp = b0 & 0x07; }
        bool ok = len > 0 && i + static_cast<std::size_t>(len) <= s.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((b & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (b & 0x3F);
        }
        if (ok && len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (ok && len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ok = false;
        if (!ok) { out.push_back(b0); ++i; continue; }
        out.push_back(cp);
        i += static_cast<std::size_t>(len);
    }
    return out;
}


std::uint16_t be16(const QByteArray& t, int off)
{
    if (off < 0 || off + 2 > t.size()) return 0;
    return static_cast<std::uint16_t>((static_cast<unsigned char>(t[off]) << 8) | static_cast<unsigned char>(t[off + 1]));
}

// One face at one weight and slant, with the metrics read from its tables.
struct Face {
    QRawFont raw;                       // at the size of one em per font unit
    int units_per_em = 2048;
    int win_ascent = 0;
    int win_descent = 0;
    std::vector<std::uint16_t> advances;   // per glyph, font units
    std::unordered_map<char32_t, quint32> glyph_cache;
    std::map<int, QRawFont> sized;

    int advance_units(quint32 glyph) const
    {
        if (advances.empty()) return 0;
        return glyph < advances.size() ? advances[glyph] : advances.back();
    }
    quint32 glyph_for(char32_t cp)
    {
        auto it = glyph_cache.find(cp);
        if (it != glyph_cache.end()) return it->second;
        quint32 g = 0;
        if (raw.isValid() && raw.supportsCharacter(static_cast<uint>(cp))) {
            const QString s = QString::fromUcs4(&cp, 1);
            const QList<quint32> gs = raw.glyphIndexesForString(s);
            if (!gs.isEmpty()) g = gs.front();
        }
        glyph_cache.emplace(cp, g);
        return g;
    }
    const QRawFont& at_em(int em)
    {
        auto it = sized.find(em);
        if (it != sized.end()) return it->second;
        QRawFont f = raw;
        f.setPixelSize(em);
        return sized.emplace(em, f).first->second;
    }
};

std::map<std::tuple<QString, int, bool>, Face>& face_cache()
{
    // Never destroyed at exit: it is let go of together with the application
    // (release_font_caches), whose font database its fonts hold on to.
    static auto* faces = new std::map<std::tuple<QString, int, bool>, Face>;
    return *faces;
}

Face& face_for(const QString& family, int weight, bool italic)
{
    auto& faces = face_cache();
    const auto key = std::make_tuple(family, weight, italic);
    auto it = faces.find(key);
    if (it != faces.end()) return it->second;

    ensure_gui_app();
    Face face;
    QFont qf(family);
    qf.setPixelSize(64);
    qf.setWeight(static_cast<QFont::Weight>(weight));
    qf.setItalic(italic);
    qf.setKerning(false);
    qf.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    face.raw = QRawFont::fromFont(qf);
    if (face.raw.isValid()) {
        face.units_per_em = std::max(1, static_cast<int>(face.raw.unitsPerEm()));
        const QByteArray head = face.raw.fontTable("head");
        if (be16(head, 18) != 0) face.units_per_em = be16(head, 18);
        const QByteArray os2 = face.raw.fontTable("OS/2");
        face.win_ascent = be16(os2, 74);
        face.win_descent = be16(os2, 76);
        const QByteArray hhea = face.raw.fontTable("hhea");
        if (face.win_ascent + face.win_descent == 0) {
            // No OS/2 table: the horizontal header's ascender and descender.
            face.win_ascent = static_cast<std::int16_t>(be16(hhea, 4));
            face.win_descent = -static_cast<std::int16_t>(be16(hhea, 6));
        }
        const int count = be16(hhea, 34);
        const QByteArray hmtx = face.raw.fontTable("hmtx");
        for (int i = 0; i < count && 4 * i + 2 <= hmtx.size(); ++i) face.advances.push_back(be16(hmtx, 4 * i));
    }
    if (face.win_ascent + face.win_descent <= 0) {
        face.win_ascent = face.units_per_em * 4 / 5;
        face.win_descent = face.units_per_em / 5;
    }
    return faces.emplace(key, std::move(face)).first->second;
}

int clamp_weight(int w)
{
    if (w <= 0) return 400;   // "don't care" is normal
    return std::clamp(w, 1, 1000);
}

// Whole pixels: half away from zero, in integers.
int scale_round(long long value, long long num, long long den)
{
    if (den <= 0) return 0;
    const long long v = value * num;
    return static_cast<int>(v >= 0 ? (2 * v + den) / (2 * den) : -((-2 * v + den) / (2 * den)));
}

FontCellMetrics metrics_of(const Face& face, int height)
{
    // Beyond any screen or page; keeps the arithmetic far from overflow.
    height = std::clamp(height, -4000, 4000);
    if (height == 0) height = -16;
    FontCellMetrics m;
    const int cell_units = face.win_ascent + face.win_descent;
    if (height > 0) {
        m.em = std::max(1, scale_round(height, face.units_per_em, cell_units));
        m.ascent = scale_round(height, face.win_ascent, cell_units);
        m.descent = height - m.ascent;
        m.cell = height;
    } else {
        m.em = -height;
        m.ascent = scale_round(face.win_ascent, m.em, face.units_per_em);
        m.descent = scale_round(face.win_descent, m.em, face.units_per_em);
        m.cell = m.ascent + m.descent;
    }
    m.nul_advance = scale_round(face.advance_units(0), m.em, face.units_per_em);
    return m;
}

} // namespace

void release_font_caches() { face_cache().clear(); }

std::string mapped_font_family(const FontRecord& font)
{
    return choose_face(font).family.toStdString();
}

std::string font_text_to_unicode(const FontRecord& font, std::string_view text)
{
    const CharMap map = choose_face(font).map;
    if (map == CharMap::none) return file_text(text, font.charset);
    std::string out;
    for (char32_t c : decode(text)) append_utf8(map_char(map, c), out);
    return out;
}

FontCellMetrics font_cell_metrics(const FontRecord& font)
{
    const FaceChoice choice = choose_face(font);
    Face& face = face_for(choice.family, clamp_weight(font.weight), font.italic != 0);
    return metrics_of(face, font.height);
}

TextLayout layout_text(const FontRecord& font, std::string_view text)
{
    const FaceChoice choice = choose_face(font);
    const int weight = clamp_weight(font.weight);
    const bool italic = font.italic != 0;
    Face& primary = face_for(choice.family, weight, italic);
    const FontCellMetrics m = metrics_of(primary, font.height);

    TextLayout layout;
    layout.ascent = m.ascent;
    layout.descent = m.descent;
    layout.cell = m.cell;
    layout.nul_advance = m.nul_advance;

    Face* fallback = nullptr;
    Face* current = nullptr;
    int x = 0;
    // A text of a character-map face is bytes of that map; any other text is
    // read in the code page of the font's character set unless it is UTF-8.
    const std::u32string letters =
        choice.map == CharMap::none ? decode(file_text(text, font.charset)) : decode(text);
    for (char32_t c : letters) {
        c = map_char(choice.map, c);
        Face* f = &primary;
        quint32 g = primary.glyph_for(c);
        if (g == 0) {
            if (fallback == nullptr) fallback = &face_for(QStringLiteral("DejaVu Sans"), weight, italic);
            const quint32 fg = fallback->glyph_for(c);
            if (fg != 0) { f = fallback; g = fg; }
        }
        if (f != current || layout.runs.empty()) {
            layout.runs.push_back(GlyphRunPiece{f->at_em(m.em), {}, {}});
            current = f;
        }
        layout.runs.back().glyphs.push_back(g);
        layout.runs.back().positions.push_back(QPointF(x, m.ascent));
        x += scale_round(f->advance_units(g), m.em, f->units_per_em);
    }
    layout.width = x;
    return layout;
}

Size measure_text(const FontRecord& font, std::string_view text, bool with_terminating_zero)
{
    const TextLayout layout = layout_text(font, text);
    return Size{layout.width + (with_terminating_zero ? layout.nul_advance : 0), layout.cell};
}

std::vector<Rect> text_glyph_boxes(const FontRecord& font, std::string_view text)
{
    std::vector<Rect> boxes;
    const TextLayout layout = layout_text(font, text);
    for (const GlyphRunPiece& piece : layout.runs)
        for (qsizetype i = 0; i < piece.glyphs.size(); ++i) {
            const QRectF glyph = piece.font.boundingRect(piece.glyphs[i]);
            if (glyph.isEmpty()) continue;
            // The pixels the outline's box covers whole: a glyph that only
            // reaches into a pixel row or column (its antialiased fringe)
            // does not claim it.
            const QRectF placed = glyph.translated(piece.positions[i]);
            const Rect box{static_cast<int>(std::ceil(placed.left())), static_cast<int>(std::ceil(placed.top())),
                           static_cast<int>(std::floor(placed.right())), static_cast<int>(std::floor(placed.bottom()))};
            if (box.right > box.left && box.bottom > box.top) boxes.push_back(box);
        }
    return boxes;
}
