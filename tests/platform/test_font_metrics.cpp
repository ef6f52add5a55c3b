// Font metrics against the font files themselves: the expected numbers are
// computed here from the TrueType tables, independently of the platform code.
#include "fonts.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

// Just enough of a TrueType reader: head, OS/2, hhea, hmtx and a format-4 cmap.
struct TrueTypeFile {
    std::vector<unsigned char> bytes;
    std::map<std::string, std::uint32_t> tables;

    explicit TrueTypeFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        if (bytes.size() < 12) return;
        const int count = u16(4);
        for (int i = 0; i < count; ++i) {
            const std::uint32_t rec = 12 + 16 * static_cast<std::uint32_t>(i);
            tables[std::string(reinterpret_cast<const char*>(&bytes[rec]), 4)] = u32(rec + 8);
        }
    }
    int u16(std::uint32_t off) const { return (bytes.at(off) << 8) | bytes.at(off + 1); }
    std::uint32_t u32(std::uint32_t off) const { return (std::uint32_t(u16(off)) << 16) | std::uint32_t(u16(off + 2)); }

    int units_per_em() const { return u16(tables.at("head") + 18); }
    int win_ascent() const { return u16(tables.at("OS/2") + 74); }
    int win_descent() const { return u16(tables.at("OS/2") + 76); }
    int advance(int glyph) const
    {
        const int n = u16(tables.at("hhea") + 34);
        return u16(tables.at("hmtx") + 4 * std::uint32_t(glyph < n ? glyph : n - 1));
    }
    int glyph(int code) const
    {
        const std::uint32_t cmap = tables.at("cmap");
        const int n = u16(cmap + 2);
        for (int i = 0; i < n; ++i) {
            const std::uint32_t rec = cmap + 4 + 8 * std::uint32_t(i);
            if (u16(rec) != 3 || u16(rec + 2) != 1) continue;
            const std::uint32_t sub = cmap + u32(rec + 4);
            const int segs = u16(sub + 6) / 2;
            const std::uint32_t ends = sub + 14, starts = ends + 2 * segs + 2, deltas = starts + 2 * segs,
                                ranges = deltas + 2 * segs;
            for (int s = 0; s < segs; ++s) {
                if (code > u16(ends + 2 * s)) continue;
                if (code < u16(starts + 2 * s)) return 0;
                const int delta = u16(deltas + 2 * s), range = u16(ranges + 2 * s);
                if (range == 0) return (code + delta) & 0xFFFF;
                const std::uint32_t at = ranges + 2 * s + range + 2 * (code - u16(starts + 2 * s));
                const int g = u16(at);
                return g == 0 ? 0 : (g + delta) & 0xFFFF;
            }
        }
        return 0;
    }
};

const char* const serif_file = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";

long long round_div(long long num, long long den) { return (2 * num + den) / (2 * den); }

FontRecord times(int height)
{
    FontRecord f;
    f.face = "Times New Roman";
    f.height = height;
    return f;
}

} // namespace

TEST(FontMetrics, WidthIsTheSumOfWholePixelAdvancesFromTheFontFile)
{
    const TrueTypeFile ttf(serif_file);
    ASSERT_FALSE(ttf.tables.empty()) << "Liberation Serif is needed for this test";
    const int cell_units = ttf.win_ascent() + ttf.win_descent();
    const long long em = round_div(24LL * ttf.units_per_em(), cell_units);
    long long width = 0;
    for (char c : std::string("Temperature"))
        width += round_div(ttf.advance(ttf.glyph(c)) * em, ttf.units_per_em());

    const Size size = measure_text(times(24), "Temperature");
    EXPECT_EQ(size.cx, width);
    EXPECT_EQ(size.cy, 24);
    const FontCellMetrics m = font_cell_metrics(times(24));
    EXPECT_EQ(m.em, em);
    EXPECT_EQ(m.cell, 24);
    EXPECT_EQ(m.ascent, round_div(24LL * ttf.win_ascent(), cell_units));

    // The pieces add up: no kerning between "T" and "e".
    EXPECT_EQ(measure_text(times(24), "T").cx + measure_text(times(24), "emperature").cx, size.cx);
}

TEST(FontMetrics, NegativeHeightIsTheEm)
{
    const TrueTypeFile ttf(serif_file);
    ASSERT_FALSE(ttf.tables.empty());
    const FontCellMetrics m = font_cell_metrics(times(-30));
    EXPECT_EQ(m.em, 30);
    EXPECT_EQ(m.ascent, round_div(30LL * ttf.win_ascent(), ttf.units_per_em()));
    EXPECT_EQ(m.descent, round_div(30LL * ttf.win_descent(), ttf.units_per_em()));
    EXPECT_EQ(measure_text(times(-30), "x").cy, m.ascent + m.descent);
}

TEST(FontMetrics, TerminatingZeroAddsTheDefaultGlyph)
{
    const TrueTypeFile ttf(serif_file);
    ASSERT_FALSE(ttf.tables.empty());
    const FontCellMetrics m = font_cell_metrics(times(24));
    EXPECT_EQ(m.nul_advance, round_div(ttf.advance(0) * m.em, ttf.units_per_em()));
    EXPECT_GT(m.nul_advance, 0);
    EXPECT_EQ(measure_text(times(24), "  100", true).cx, measure_text(times(24), "  100").cx + m.nul_advance);
    EXPECT_EQ(measure_text(times(24), "", true).cx, m.nul_advance);
    EXPECT_EQ(measure_text(times(24), "").cx, 0);
}

TEST(FontMetrics, FacesMapToMetricCompatibleFonts)
{
    struct Case { const char* face; int pitch_and_family; const char* family; };
    const Case cases[] = {
        {"Times New Roman", 18, "Liberation Serif"}, {"Times New Roman Cyr", 18, "Liberation Serif"},
        {"Arial", 0, "Liberation Sans"},             {"Arial Cyr", 0, "Liberation Sans"},
        {"Courier New", 0, "Liberation Mono"},       {"Tahoma", 0, "DejaVu Sans"},
        {"MS Sans Serif", 0, "DejaVu Sans"},         {"Symbol", 2, "Liberation Serif"},
        {"Zapfdingbats BT", 2, "DejaVu Sans"},       {"", 18, "Liberation Serif"},
        {"", 0, "Liberation Sans"},
    };
    for (const Case& c : cases) {
        FontRecord f;
        f.face = c.face;
        f.pitch_and_family = c.pitch_and_family;
        EXPECT_EQ(mapped_font_family(f), c.family) << c.face;
    }
}

TEST(FontMetrics, SansCellUsesItsOwnWindowsMetrics)
{
    FontRecord arial;
    arial.face = "Arial";
    arial.height = 24;
    // Liberation Sans: unitsPerEm 2048, winAscent + winDescent 2288.
    EXPECT_EQ(font_cell_metrics(arial).em, 21);    // 24 * 2048 / 2288 = 21.48
    EXPECT_EQ(font_cell_metrics(times(24)).em, 22);  // 24 * 2048 / 2268 = 21.67
}

TEST(FontMetrics, BoldIsWiderThanNormal)
{
    FontRecord bold = times(24);
    bold.weight = 700;
    EXPECT_GT(measure_text(bold, "Temperature").cx, measure_text(times(24), "Temperature").cx);
}

TEST(FontMetrics, CharacterMapsOfSymbolAndDingbats)
{
    FontRecord symbol;
    symbol.face = "Symbol";
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"l", "λ"}, {"a", "α"}, {"b", "β"}, {"c", "χ"}, {"d", "δ"}, {"D", "Δ"}, {"e", "ε"},
        {"g", "γ"}, {"k", "κ"}, {"m", "μ"}, {"p", "π"}, {"r", "ρ"}, {"s", "σ"}, {"t", "τ"},
        {"w", "ω"}, {"-", "\u2212"}, {"W", "Ω"}, {"1", "1"}, {"\u00B0", "°"}, {"\u00B4", "×"},
        {"\xB4", "×"}, {"\u00A3", "≤"}, {"\u00D6", "√"}, {"Дж", "Дж"},
    };
    for (const Case& c : cases) EXPECT_EQ(font_text_to_unicode(symbol, c.in), c.out) << c.in;

    FontRecord zapf;
    zapf.face = "Zapfdingbats BT";
    zapf.charset = 2;
    EXPECT_EQ(font_text_to_unicode(zapf, "\u00C0"), "\u2780");
    EXPECT_EQ(font_text_to_unicode(zapf, "\xC0"), "\u2780");
    EXPECT_EQ(font_text_to_unicode(zapf, "\u00C6"), "\u2786");
    EXPECT_EQ(font_text_to_unicode(times(24), "l-"), "l-");
    // The circled digits are real glyphs, not empty boxes of the same width.
    zapf.height = 20;
    EXPECT_GT(measure_text(zapf, "\u00C0").cx, 0);
}

TEST(FontMetrics, RecordingCanvasMeasuresWithTheRealFont)
{
    RecordingCanvas canvas;
    canvas.select_font(times(24));
    EXPECT_EQ(canvas.text_extent("Temperature"), measure_text(times(24), "Temperature"));
    EXPECT_EQ(canvas.text_extent("1000", true), measure_text(times(24), "1000", true));
}

TEST(FontMetrics, SharedRecordsStartAsTheProgramSetsThemUp)
{
    init_fonts();
    EXPECT_EQ(text_font.face, "Times New Roman");
    EXPECT_EQ(text_font.height, 24);
    EXPECT_EQ(text_font.weight, 400);
    EXPECT_EQ(text_font.quality, 2);
    EXPECT_EQ(text_font.pitch_and_family, 18);
    EXPECT_EQ(text_font.charset, 0);
    EXPECT_EQ(symbol_font.face, "Symbol");
    EXPECT_EQ(symbol_font.height, 20);
    EXPECT_EQ(symbol_font.pitch_and_family, 2);
    EXPECT_EQ(symbol_font.quality, 2);
    EXPECT_EQ(chosen_font.face, "Times New Roman");
    EXPECT_EQ(chosen_font.height, 17);
    EXPECT_EQ(chosen_font.pitch_and_family, 18);
    EXPECT_EQ(text_font.out_precision, 0);
    set_fonts_truetype_only();
    EXPECT_EQ(text_font.out_precision, 7);
    EXPECT_EQ(symbol_font.out_precision, 7);
    EXPECT_EQ(chosen_font.out_precision, 7);
}
