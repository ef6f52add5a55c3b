// Caption geometry, checked call by call on the recording canvas: which text,
// where, in which font; which bar. Expected positions follow the layout
// rules with widths measured in the same fonts.
#include "captions.h"
#include "fonts.h"
#include "lang.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr double x0 = 100.0;
constexpr double y0 = 200.0;
constexpr int h = 21;
constexpr Rgb caller_red{128, 0, 0};
constexpr Rgb black{0, 0, 0};
constexpr Pen grey_bar{PenStyle::solid, 1, Rgb{127, 127, 127}};

FontRecord times(int height, bool cyrillic, int italic = 0)
{
    FontRecord f = text_font;
    f.face = "Times New Roman";
    f.height = height;
    f.charset = cyrillic ? 204 : 0;
    f.italic = italic;
    return f;
}

FontRecord symbol_face(int height)
{
    FontRecord f = symbol_font;
    f.face = "Symbol";
    f.height = height;
    return f;
}

int width(const FontRecord& f, const std::string& text) { return measure_text(f, text).cx; }
int trunc(double v) { return static_cast<int>(v); }

struct Call {
    std::string text;
    int x;
    int y;
    std::string face;
    int height;
    int italic = 0;
};

void expect_calls(const RecordingCanvas& dc, const std::vector<Call>& calls, bool cyrillic)
{
    ASSERT_EQ(dc.texts.size(), calls.size()) << dc.all_text();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i) + " \"" + calls[i].text + "\"");
        const RecordingCanvas::TextCall& t = dc.texts[i];
        EXPECT_EQ(t.text, calls[i].text);
        EXPECT_EQ(t.x, calls[i].x);
        EXPECT_EQ(t.y, calls[i].y);
        EXPECT_EQ(t.font.face, calls[i].face);
        EXPECT_EQ(t.font.height, calls[i].height);
        EXPECT_EQ(t.font.italic, calls[i].italic);
        EXPECT_EQ(t.font.weight, 400);
        EXPECT_EQ(t.font.escapement, 0);
        if (t.font.face == "Times New Roman") {
            EXPECT_EQ(t.font.charset, cyrillic ? 204 : 0);
        }
    }
}

class CaptionGeometry : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        init_fonts();
        set_language(GetParam());
        cyr = GetParam() == Language::russian;
        cw = width(times(h, cyr), "S");
        ch = measure_text(times(h, cyr), "S").cy;
        dc.set_text_color(caller_red);
    }
    void TearDown() override { set_language(Language::english); }

    RecordingCanvas dc;
    bool cyr = false;
    int cw = 0;
    int ch = 0;
    int cursor = 0;
};

INSTANTIATE_TEST_SUITE_P(EnglishAndRussian, CaptionGeometry,
                         ::testing::Values(Language::english, Language::russian));

}   // namespace

TEST(CaptionSizes, UnitAndSmallSizesTruncate)
{
    struct Case {
        int h, unit, small;
    };
    for (const Case c : {Case{20, 15, 12}, Case{21, 15, 12}, Case{22, 16, 13}}) {
        EXPECT_EQ(caption_unit_size(c.h), c.unit) << "H = " << c.h;
        EXPECT_EQ(caption_small_size(c.h), c.small) << "H = " << c.h;
    }
}

TEST(CaptionCursor, SemicolonAdvanceWithCw11)
{
    init_fonts();
    set_language(Language::english);
    RecordingCanvas dc;
    int cursor = 0;
    caption_t_cycle(dc, 2, h, &cursor, 0, 0, 11);
    const int symbol_width = width(times(h, false), "t  = 2 c");
    const RecordingCanvas::TextCall* semicolon = dc.find_text(";");
    ASSERT_NE(semicolon, nullptr);
    // The piece ends at its own width, or later where its subscript moved
    // the "=" and the value right.
    EXPECT_GE(semicolon->x, symbol_width);
    // 3.5 · 11 = 38.5, truncated.
    EXPECT_EQ(cursor, semicolon->x + 38);
}

TEST(CaptionCursor, NextCaptionStartsAfterTheSemicolonsAdvance)
{
    init_fonts();
    set_language(Language::english);
    RecordingCanvas dc;
    int cursor = 0;
    caption_c(dc, 0.67, h, &cursor, 40, 0, 11);
    const int semicolon_x = dc.find_text(";")->x;
    const std::size_t first_of_next = dc.texts.size();
    caption_gamma(dc, 7.8, h, &cursor, 40, 0, 11);
    EXPECT_EQ(dc.texts[first_of_next].x, semicolon_x + 38);
}

// A Greek symbol piece and a stacked unit with its degree mark and bar; a
// black painter.
TEST_P(CaptionGeometry, Lambda)
{
    caption_lambda(dc, 0.38, h, &cursor, x0, y0, cw);

    const std::string symbol_text = " l =  0.38";
    const int ws = width(symbol_face(h), symbol_text);
    const std::string num = cyr ? "Вт" : "W";
    const std::string den = cyr ? "см ·  C" : "cm ·  C";
    const int wu = width(times(15, cyr), den);
    const int wc = width(times(15, cyr), "C");
    const int w0 = width(times(12, cyr), "0");
    const int after_unit = trunc(ws + wu + 1.25 * cw);
    expect_calls(dc,
                 {{symbol_text, 100, 200, "Symbol", h},
                  {num, trunc(x0 + ws + (cyr ? 1.5 : 1.75) * cw), trunc(y0 - 0.3 * ch), "Times New Roman", 15},
                  {den, trunc(x0 + ws + cw), trunc(y0 + 0.6 * ch), "Times New Roman", 15},
                  // 1.25 cw before the denominator's end, or where it ends at the C if that is earlier.
                  {"0", trunc(x0 + ws + std::min(cw + wu - 1.25 * cw, static_cast<double>(cw + wu - wc - w0))),
                   trunc(y0 + 0.5 * ch), "Times New Roman", 12},
                  {";", trunc(x0 + after_unit), 200, "Times New Roman", h}},
                 cyr);
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_EQ(dc.lines[0].from, (Point{trunc(x0 + ws + cw), trunc(y0 + 0.5 * ch)}));
    EXPECT_EQ(dc.lines[0].to, (Point{trunc(x0 + ws + cw + wu), trunc(y0 + 0.5 * ch)}));
    EXPECT_EQ(dc.lines[0].pen, grey_bar);
    EXPECT_EQ(cursor, trunc(after_unit + 3.5 * cw));
    for (const auto& t : dc.texts) EXPECT_EQ(t.color, black);
    EXPECT_EQ(dc.text_color(), black);
}

// The long form: Greek letter and dash in one text, the long name, the unit
// with its numerator at 2.5 cw.
TEST_P(CaptionGeometry, LambdaLegend)
{
    legend_lambda(dc, 123, h, &cursor, x0, y0, cw);

    const int w1 = width(symbol_face(h), "l -");
    const std::string name = cyr ? "коэффициент теплопроводности," : "thermal-conductivity coefficient,";
    const int c1 = w1 + width(times(h, cyr), name);
    const std::string den = cyr ? "см ·  C" : "cm ·  C";
    const int wu = width(times(15, cyr), den);
    const int wc = width(times(15, cyr), "C");
    const int w0 = width(times(12, cyr), "0");
    expect_calls(dc,
                 {{"l -", 100, 200, "Symbol", h},
                  {name, 100 + w1, 200, "Times New Roman", h},
                  {cyr ? "Вт" : "W", trunc(x0 + c1 + 2.5 * cw), trunc(y0 - 0.3 * ch), "Times New Roman", 15},
                  {den, trunc(x0 + c1 + cw), trunc(y0 + 0.6 * ch), "Times New Roman", 15},
                  {"0", trunc(x0 + c1 + std::min(cw + wu - 1.25 * cw, static_cast<double>(cw + wu - wc - w0))),
                   trunc(y0 + 0.5 * ch), "Times New Roman", 12},
                  {";", trunc(x0 + trunc(c1 + wu + 1.25 * cw)), 200, "Times New Roman", h}},
                 cyr);
}

// A plain caption: one text with its unit and semicolon.
TEST_P(CaptionGeometry, Power)
{
    caption_q(dc, 4500, h, &cursor, x0, y0, cw);
    const std::string text = cyr ? "q = 4500 Вт;" : "q = 4500 W;";
    expect_calls(dc, {{text, 100, 200, "Times New Roman", h}}, cyr);
    EXPECT_EQ(cursor, trunc(width(times(h, cyr), text) + 3.5 * cw));
    EXPECT_EQ(dc.texts[0].color, caller_red);
}

// A subscript at 1.1 cw from the caption's start, under the blanks after
// delta; the inline unit carries the semicolon and the advance skips its blank.
TEST_P(CaptionGeometry, ThicknessOfPlateOne)
{
    caption_delta_plate1(dc, 1, h, &cursor, x0, y0, cw);
    const int ws = width(symbol_face(h), "d   = 1");
    expect_calls(dc,
                 {{"d   = 1", 100, 200, "Symbol", h},
                  {"1", trunc(x0 + 1.1 * cw), trunc(y0 + 0.5 * ch), "Times New Roman", 12},
                  {cyr ? " см;" : " cm;", 100 + ws, 200, "Times New Roman", h}},
                 cyr);
    EXPECT_TRUE(dc.lines.empty());
    EXPECT_EQ(cursor, trunc(ws + width(times(h, cyr), cyr ? "см;" : "cm;") + 3.5 * cw));
}

// Italic symbol, upright value, the cm-over-s unit whose bar reaches 0.2 cw
// past the numerator and whose semicolon stays at unit size.
TEST_P(CaptionGeometry, Speed)
{
    caption_v(dc, 0.1, h, &cursor, x0, y0, cw);
    const int ws = width(times(h, cyr, 1), " v  =");
    const int c1 = ws + width(times(h, cyr), " 0.1");
    const std::string num = cyr ? "см" : "cm";
    const int wu = width(times(15, cyr), num);
    const int c2 = trunc(c1 + wu + 1.25 * cw);
    expect_calls(dc,
                 {{" v  =", 100, 200, "Times New Roman", h, 1},
                  {" 0.1", 100 + ws, 200, "Times New Roman", h},
                  {num, trunc(x0 + c1 + cw), trunc(y0 - 0.3 * ch), "Times New Roman", 15},
                  {cyr ? "c" : "s", trunc(x0 + c1 + 1.5 * cw), trunc(y0 + 0.6 * ch), "Times New Roman", 15},
                  {";", 100 + c2, 200, "Times New Roman", 15}},
                 cyr);
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_EQ(dc.lines[0].from.x, trunc(x0 + c1 + cw));
    EXPECT_EQ(dc.lines[0].to.x, trunc(x0 + c1 + 1.2 * cw + wu));
    EXPECT_EQ(cursor, trunc(c2 + 3.5 * cw));
}

// The q-over-v fraction: its bar as wide as the q, the unit J over cm, and the
// shorter closing advance. The unit is as wide as the wider of its texts, so
// the semicolon never runs into the Latin "cm" under the narrow "J".
TEST_P(CaptionGeometry, EnergyPerLength)
{
    caption_q_per_v(dc, 45000, h, &cursor, x0, y0, cw);
    const int wn = width(times(15, cyr), "q");
    const int c1 = wn + width(times(h, cyr), " = 45000 ");
    const std::string num = cyr ? "Дж" : "J";
    const std::string den = cyr ? "см" : "cm";
    const int wu = std::max(width(times(15, cyr), num), width(times(15, cyr), den));
    // The ";" one pixel past the numerator's and denominator's end at the least.
    const int c2 = std::max(trunc(c1 + wu + 1.0 * cw), trunc(c1 + cw) + wu + 1);
    expect_calls(dc,
                 {{"q", 100, trunc(y0 - 0.3 * ch), "Times New Roman", 15},
                  {"v", 100, trunc(y0 + 0.6 * ch), "Times New Roman", 15},
                  {" = 45000 ", 100 + wn, 200, "Times New Roman", h},
                  {num, trunc(x0 + c1 + cw), trunc(y0 - 0.3 * ch), "Times New Roman", 15},
                  {den, trunc(x0 + c1 + cw), trunc(y0 + 0.6 * ch), "Times New Roman", 15},
                  {";", 100 + c2, 200, "Times New Roman", h}},
                 cyr);
    EXPECT_GE(dc.texts[5].x, dc.texts[4].x + width(times(15, cyr), den));
    ASSERT_EQ(dc.lines.size(), 2u);
    EXPECT_EQ(dc.lines[0].from.x, 100);
    EXPECT_EQ(dc.lines[0].to.x, 100 + wn);
    EXPECT_EQ(dc.lines[1].from.x, trunc(x0 + c1 + cw));
    EXPECT_EQ(dc.lines[1].to.x, trunc(x0 + c1 + cw + wu));
    for (const auto& line : dc.lines) EXPECT_EQ(line.pen, grey_bar);
    EXPECT_EQ(cursor, trunc(c2 + 2.5 * cw));
}

// The heat-transfer unit's denominator chain: cm, exponent, the middle piece
// with the Latin or Cyrillic s, C with the degree sign one C-width before it.
TEST_P(CaptionGeometry, HeatTransferChain)
{
    caption_alpha(dc, 0.003, h, &cursor, x0, y0, cw);
    const int c1 = trunc(width(symbol_face(h), "a = 0.003") + 0.8 * cw);
    const FontRecord unit = times(15, cyr);
    const std::string first = cyr ? "см" : "cm";
    const std::string middle = cyr ? " · с · " : " · s · ";
    const int w1 = width(unit, first);
    const int w2 = width(times(12, cyr), "2");
    const int w0 = width(times(12, cyr), "0");
    // The middle follows the exponent; the degree sign one C-width before
    // the C, or right after the middle; the C follows the sign.
    const int a1 = std::max(trunc(w1 + 0.8 * cw), trunc(w1 + 0.3 * cw) + w2 + 1);
    const int wm = width(unit, middle);
    const int wc = width(unit, "C");
    const int mark = std::max(trunc(a1 + wm + 0.5 * cw) - wc, a1 + wm);
    const int a2 = std::max(trunc(a1 + wm + 0.5 * cw), mark + w0);
    const int wu = a2 + wc;
    const int top_den = trunc(y0 + 0.6 * ch);
    const int top_mark = trunc(y0 + 0.5 * ch);
    expect_calls(dc,
                 {{"a = 0.003", 100, 200, "Symbol", h},
                  {cyr ? "Вт" : "W", trunc(x0 + c1 + (cyr ? 1.5 : 1.75) * cw), trunc(y0 - 0.3 * ch), "Times New Roman", 15},
                  {first, 100 + c1, top_den, "Times New Roman", 15},
                  {"2", trunc(x0 + c1 + w1 + 0.3 * cw), top_mark, "Times New Roman", 12},
                  {middle, 100 + c1 + a1, top_den, "Times New Roman", 15},
                  {"C", 100 + c1 + a2, top_den, "Times New Roman", 15},
                  {"0", 100 + c1 + mark, top_mark, "Times New Roman", 12},
                  {";", trunc(x0 + trunc(c1 + wu + 1.25 * cw)), 200, "Times New Roman", h}},
                 cyr);
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_EQ(dc.lines[0].from.x, 100 + c1);
    EXPECT_EQ(dc.lines[0].to.x, trunc(x0 + c1 + cw + wu));
}

TEST(CaptionColour, BlackPaintersTurnTheRestOfTheLineBlack)
{
    init_fonts();
    set_language(Language::english);
    RecordingCanvas dc;
    dc.set_text_color(caller_red);
    int cursor = 0;
    caption_c(dc, 0.67, h, &cursor, 0, 0, 11);
    const std::size_t before = dc.texts.size();
    caption_alpha(dc, 0.003, h, &cursor, 0, 0, 11);
    const std::size_t after_alpha = dc.texts.size();
    caption_gamma(dc, 7.8, h, &cursor, 0, 0, 11);
    for (std::size_t i = 0; i < dc.texts.size(); ++i)
        EXPECT_EQ(dc.texts[i].color, i < before ? caller_red : black) << dc.texts[i].text;
    EXPECT_GT(dc.texts.size(), after_alpha);
}

TEST(CaptionValues, ExponentFormKeepsItsLetter)
{
    init_fonts();
    set_language(Language::english);
    RecordingCanvas dc;
    int cursor = 0;
    caption_lambda(dc, 1e-05, h, &cursor, 0, 0, 11);
    ASSERT_NE(dc.find_text(" l =  1e-05"), nullptr);
    // Drawn in the Symbol face, the e shows as epsilon.
    EXPECT_EQ(font_text_to_unicode(dc.find_text(" l =  1e-05")->font, " l =  1e-05"), " λ =  1ε−05");
}

// The exponent of cm² follows the denominator; the Russian layout, whose
// numerator is the wider, keeps it at 0.7 of the numerator's width.
TEST_P(CaptionGeometry, EnergyPerLengthAndThicknessExponent)
{
    caption_q_per_v_delta(dc, 9000, h, &cursor, x0, y0, cw);
    const RecordingCanvas::TextCall* den = nullptr;
    const RecordingCanvas::TextCall* exponent = nullptr;
    for (const auto& t : dc.texts) {
        if (t.text == (cyr ? "см" : "cm")) den = &t;
        if (t.text == "2") exponent = &t;
    }
    ASSERT_NE(den, nullptr);
    ASSERT_NE(exponent, nullptr);
    const int den_end = den->x + width(times(15, cyr), den->text);
    EXPECT_GE(exponent->x, den_end);
    if (cyr) {
        const int unit_start = den->x - cw;
        EXPECT_EQ(exponent->x, trunc(unit_start + cw + 0.7 * width(times(15, true), "Дж·с")));
    }
    EXPECT_GE(dc.find_text(";")->x, exponent->x + measure_text(exponent->font, "2").cx);
}

// A lowered subscript stands clear of its Greek letter: at 1.1 cw from the
// caption's start, or right after the letter where the letter is wider.
TEST_P(CaptionGeometry, SubscriptClearsTheLetter)
{
    caption_lambda_plate1(dc, 0.09, h, &cursor, x0, y0, cw);
    const int letter_end = width(symbol_face(h), " l");
    const RecordingCanvas::TextCall* sub = dc.find_text("1");
    ASSERT_NE(sub, nullptr);
    // The stand-in Greek letter leans past its advance by h / 6.
    EXPECT_EQ(sub->x, trunc(x0 + std::max(1.1 * cw, static_cast<double>(letter_end + std::max(1, h / 6)))));
    EXPECT_EQ(sub->y, trunc(y0 + 0.5 * ch));
    EXPECT_EQ(sub->font.height, 12);
}

// The degree sign of the specific-heat units falls into the blanks before
// the "C" and ends before it.
TEST_P(CaptionGeometry, DegreeSignBeforeTheC)
{
    for (const CaptionPainter painter : {caption_c, caption_c_plate1, legend_c, legend_c_plate2, caption_c_phase1}) {
        RecordingCanvas one;
        int c = 0;
        painter(one, 0.5, h, &c, x0, y0, cw);
        const std::string den = cyr ? "г ·  C" : "g ·  C";
        const RecordingCanvas::TextCall* d = one.find_text(den);
        const RecordingCanvas::TextCall* degree = one.find_text("0");
        ASSERT_NE(d, nullptr);
        ASSERT_NE(degree, nullptr);
        const int c_start = d->x + width(times(15, cyr), cyr ? "г ·  " : "g ·  ");
        EXPECT_LE(degree->x + width(times(12, cyr), "0"), c_start + 1);
        EXPECT_GT(degree->x, d->x + width(times(15, cyr), cyr ? "г ·" : "g ·"));
    }
}
