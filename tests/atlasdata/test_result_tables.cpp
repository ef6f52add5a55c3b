// Result tables through the recording canvas: texts, where they go, in which
// font, and the ruling lines; and one picture of every table per language.
#include "result_tables.h"

#include "fonts.h"
#include "image_canvas.h"
#include "lang.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

FontRecord table_font()
{
    FontRecord f;
    f.face = "Times New Roman";
    f.height = 17;
    f.weight = 400;
    f.charset = language_charset();
    return f;
}

class ResultTables : public testing::Test {
protected:
    void SetUp() override
    {
        set_language(Language::english);
        dc.select_font(table_font());
        dc.set_text_color(Rgb{128, 0, 0});
    }
    void TearDown() override { set_language(Language::english); }

    int width(const std::string& text, bool with_zero = false) { return dc.text_extent(text, with_zero).cx; }

    bool has_line(Point from, Point to) const
    {
        return std::any_of(dc.lines.begin(), dc.lines.end(), [&](const RecordingCanvas::LineCall& l) {
            return l.from == from && l.to == to && l.pen == Pen{PenStyle::solid, 1, Rgb{0, 0, 0}};
        });
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& t : dc.texts) out.push_back(t.text);
        return out;
    }

    RecordingCanvas dc;
};

} // namespace

TEST_F(ResultTables, CompositionShowsOnlyElementsPresent)
{
    CompositionRecord r;
    r[el_c] = 0.2;
    r[el_mn] = 1.1;
    const int x = 10, top = 40, min_width = 50, row = 20;
    r.draw_composition_table(x, top, min_width, row, dc);

    ASSERT_EQ(texts(), (std::vector<std::string>{" Chemical ", "composition, %", "C", "0.2", "Mn", "1.1"}));
    const int heading = std::max(width(" Chemical "), width("composition, %")) + 2;
    EXPECT_EQ(dc.texts[0].x, x);
    EXPECT_EQ(dc.texts[0].y, top);
    EXPECT_EQ(dc.texts[1].y, top + row);

    // Heading frame: left border one pixel left of x, right border inside.
    EXPECT_TRUE(has_line({x - 1, top}, {x - 1, top + 2 * row}));
    EXPECT_TRUE(has_line({x, top}, {x + heading, top}));
    EXPECT_TRUE(has_line({x, top + 2 * row}, {x + heading, top + 2 * row}));
    EXPECT_TRUE(has_line({x + heading - 1, top}, {x + heading - 1, top + 2 * row}));

    // Both columns are the minimum width plus 10 and follow without gaps.
    const int c0 = x + heading;
    EXPECT_EQ(dc.texts[2].x, c0 + (60 - width("C", true)) / 2);
    EXPECT_EQ(dc.texts[2].y, top);
    EXPECT_EQ(dc.texts[3].x, c0 + (60 - width("0.2")) / 2);
    EXPECT_EQ(dc.texts[3].y, top + row);
    const int c1 = c0 + 60;
    EXPECT_EQ(dc.texts[4].x, c1 + (60 - width("Mn", true)) / 2);
    for (int r_line = 0; r_line <= 2; ++r_line) EXPECT_TRUE(has_line({c1, top + r_line * row}, {c1 + 60, top + r_line * row}));
    EXPECT_TRUE(has_line({c1 + 59, top}, {c1 + 59, top + 2 * row}));

    // Text is black in the caller's font; the caller's pen is left as it was.
    for (const auto& t : dc.texts) {
        EXPECT_EQ(t.color, (Rgb{0, 0, 0}));
        EXPECT_EQ(t.font.face, "Times New Roman");
        EXPECT_EQ(t.font.height, 17);
    }
    EXPECT_EQ(dc.text_color(), (Rgb{0, 0, 0}));
    EXPECT_EQ(dc.selected_pen(), Pen{});
}

TEST_F(ResultTables, AFontTallerThanTheRowsGrowsTheGridWithIt)
{
    // On a printer page the font is several times the screen's: the rows
    // take the font's cell and a pixel for the ruling, and the least width
    // and the margin grow in the same ratio. A font that fits keeps the grid.
    struct Case {
        int font_height;
        int row;
        int min_width;
        int margin;
    } cases[] = {{17, 20, 50, 10}, {20, 20, 50, 10}, {21, 22, 55, 11}, {43, 44, 110, 22}, {96, 97, 242, 48}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.font_height);
        dc.clear();
        FontRecord f = table_font();
        f.height = c.font_height;
        dc.select_font(f);
        int cursor = 100;
        draw_table_column("C", 0.09, cursor, 50, 40, 20, dc);
        ASSERT_EQ(dc.texts.size(), 2u);
        EXPECT_EQ(dc.texts[1].y, 40 + c.row);
        const int column = std::max({c.min_width, width("C", true), width("0.09")}) + c.margin;
        EXPECT_EQ(cursor, 100 + column);
        for (int r = 0; r <= 2; ++r) EXPECT_TRUE(has_line({100, 40 + r * c.row}, {100 + column, 40 + r * c.row}));
        EXPECT_TRUE(has_line({100 + column - 1, 40}, {100 + column - 1, 40 + 2 * c.row}));
        // The heading's rows are the column's.
        dc.clear();
        draw_table_heading("Chemical", "composition, %", 10, 40, 20, dc);
        EXPECT_EQ(dc.texts[1].y, 40 + c.row);
    }
}

TEST_F(ResultTables, AllZeroCompositionDrawsOnlyTheHeading)
{
    CompositionRecord r;
    r[el_w] = -0.1;   // not greater than 0 either
    r.draw_composition_table(10, 10, 50, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{" Chemical ", "composition, %"}));
    EXPECT_EQ(dc.lines.size(), 4u);
}

TEST_F(ResultTables, NumbersHaveThreeSignificantDigits)
{
    KasatkinSteel s;
    s.hv = 215.4;
    s.rm = 1250.0;
    s.r02 = 537.61;
    s.elongation = 17.244;
    s.reduction = 39.448;
    s.toughness = 9.748;
    s.y = 0.5;
    s.z = 0;
    s.cooling_time = 10.0;
    s.kasatkin_draw_property_table(10, 10, 50, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Properties", "of metal", " HV30", "215", " Rm, MPa", "1.25e+03",
                                                 " R02, MPa", "538", " A %", "17.2", " Z %", "39.4", " K, j/mm2",
                                                 "9.75", " y, cm", "0.5", " z, cm", "0", "Cooling time, s", "10"}));
}

TEST_F(ResultTables, WideLabelSetsTheColumnWidth)
{
    // "Cooling time, s" is wider than a minimum of 20: the column is the
    // label with its terminating zero, plus 10.
    int cursor = 100;
    draw_table_column("Cooling time, s", 10.0, cursor, 20, 0, 20, dc);
    const int lw = width("Cooling time, s", true);
    EXPECT_GT(lw, 20);
    EXPECT_EQ(cursor, 100 + lw + 10);
    EXPECT_EQ(dc.texts[0].x, 100 + 5);
    EXPECT_EQ(dc.texts[1].x, 100 + (lw + 10 - width("10")) / 2);
}

TEST_F(ResultTables, StructureTablesInEnglish)
{
    KasatkinSteel k;
    k.martensite = 0.0836;
    k.ferrite_pearlite = 0.2941;
    k.bainite = 0.6223;
    k.y = 0.3;
    k.z = 0.1;
    k.cooling_time = 10;
    k.kasatkin_draw_structure_table(10, 10, 50, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{" Structure ", "of metal", "Martensite %", "8.36", "Ferite, %",
                                                 "29.4", "Bainite, %", "62.2", " y, cm", "0.3", " z, cm", "0.1",
                                                 "Cooling time, s", "10"}));
    dc.clear();
    IonSteel ion;
    ion.martensite = 0.01905;
    ion.ferrite_pearlite = 0.22509;
    ion.bainite = 0.75586;
    ion.hv = 243.11;
    ion.y = 0.3;
    ion.z = 0.1;
    ion.cooling_time = 10;
    ion.ion_draw_structure_table(10, 10, 50, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{" Structure ", "of metal", "Martensite %", "1.91", "Ferite+perlite, %",
                                                 "22.5", "bainite, %", "75.6", " HV30", "243", " y, cm", "0.3",
                                                 " z, cm", "0.1", "Cooling time, s", "10"}));
}

TEST_F(ResultTables, StructureAndPropertyTablesInRussian)
{
    set_language(Language::russian);
    dc.select_font(table_font());
    KasatkinSteel k;
    k.kasatkin_draw_structure_table(10, 10, 50, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{" Структура ", "металла", "Мартенсит, %", "0", "Феррит, %", "0",
                                                 "Бейнит, %", "0", " y, см", "0", " z, см", "0",
                                                 "Время охлаждения, с", "0"}));
    EXPECT_EQ(dc.texts[0].font.charset, 204);
    // Columns follow one another: each label is centred in a column that
    // starts where the one before it ended.
    const int heading = std::max(width(" Структура "), width("металла")) + 2;
    const int lw = width("Мартенсит, %", true);
    EXPECT_EQ(dc.texts[2].x, 10 + heading + (std::max(50, lw) + 10 - lw) / 2);

    dc.clear();
    KasatkinSteel p;
    p.kasatkin_draw_property_table(0, 0, 50, 20, dc);
    EXPECT_EQ(dc.texts[0].text, " Свойства ");
    EXPECT_EQ(dc.texts[1].text, "металла");
    EXPECT_EQ(dc.texts[2].text, " HV30");

    dc.clear();
    CompositionRecord c;
    c[el_c] = 0.15;
    c.draw_composition_table(0, 0, 50, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{" Химический ", "состав %", "C", "0.15"}));

    dc.clear();
    set_language(Language::ukrainian);
    IonSteel ion;
    ion.ion_draw_structure_table(0, 0, 50, 20, dc);
    EXPECT_EQ(dc.texts[1].text, "металу");
    EXPECT_EQ(dc.texts[6].text, "Бейніт, %");
    EXPECT_EQ(dc.texts.back().text, "0");
    EXPECT_EQ(dc.texts[dc.texts.size() - 2].text, "Час охоладження, с");
}

TEST_F(ResultTables, ShorshorovTables)
{
    ShorshorovSteel s;
    s.shorshorov_parse_composition("0.14 0.25 0.9 0.1 0 0 0.02");
    s[el_w] = 0.3;   // the file has no W: its table never shows it
    s.shorshorov_draw_composition_table(0, 0, 20, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{" Chemical ", "composition, %", "C", "0.14", "Si", "0.25", "Mn",
                                                 "0.9", "Cr", "0.1", "S", "0.02"}));

    dc.clear();
    s.martensite = 12;
    s.ferrite = 30;
    s.pearlite_bainite = 58;
    s.y = 0.4;
    s.z = 0;
    s.cooling_rate = 25.5;
    s.shorshorov_draw_structure_table(0, 0, 20, 20, dc);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Properties", "of metal", " M, %", "12", " F, %", "30", " P+B, %",
                                                 "58", " y, cm", "0.4", " z, cm", "0", "Cooling speed, C/s",
                                                 "25.5"}));
}

TEST_F(ResultTables, PointPropertyTableLeavesAGapOfTheMinimumWidth)
{
    ShorshorovSteel s;
    s.hv30 = 250;
    s.initial_hv30 = 160;
    s.rm = 800;
    s.initial_rm = 520;
    s.elongation = 12;
    s.initial_elongation = 24;
    s.reduction = 40;
    s.initial_reduction = 60;
    const int x = 10, top = 100, min_width = 20, row = 20;
    s.shorshorov_draw_point_property_table(x, top, min_width, row, dc);

    ASSERT_EQ(dc.texts.size(), 3u + 4 * 3 + 2 + 3 * 2);
    EXPECT_EQ(dc.texts[0].text, " Properties ");
    EXPECT_EQ(dc.texts[1].y, top + row);
    EXPECT_EQ(dc.texts[2].text, " Initial");
    EXPECT_EQ(dc.texts[2].y, top + 2 * row);
    const int heading = std::max({width(" Properties "), width(" Rated "), width(" Initial")}) + 2;
    // Three-row heading: left border at x itself, rows separated.
    EXPECT_TRUE(has_line({x, top}, {x, top + 3 * row}));
    EXPECT_TRUE(has_line({x, top + row}, {x + heading, top + row}));
    EXPECT_TRUE(has_line({x, top + 2 * row}, {x + heading, top + 2 * row}));

    int cursor = x + heading;
    const char* labels[] = {" HV30", " Rm, MPa", " A, %", " Z, %"};
    const char* rated[] = {"250", "800", "12", "40"};
    const char* initial[] = {"160", "520", "24", "60"};
    for (int i = 0; i < 4; ++i) {
        const auto& label = dc.texts[static_cast<std::size_t>(3 + 3 * i)];
        EXPECT_EQ(label.text, labels[i]);
        EXPECT_EQ(dc.texts[static_cast<std::size_t>(4 + 3 * i)].text, rated[i]);
        EXPECT_EQ(dc.texts[static_cast<std::size_t>(5 + 3 * i)].text, initial[i]);
        EXPECT_EQ(dc.texts[static_cast<std::size_t>(5 + 3 * i)].y, top + 2 * row);
        const int w = std::max({min_width, width(labels[i], true), width(rated[i]), width(initial[i])}) + 10;
        EXPECT_EQ(label.x, cursor + (w - width(labels[i], true)) / 2);
        EXPECT_TRUE(has_line({cursor, top + 3 * row}, {cursor + w, top + 3 * row}));
        cursor += w;
    }
    EXPECT_EQ(dc.texts[15].text, "Calculations");
    EXPECT_EQ(dc.texts[15].x, cursor + min_width);
    EXPECT_EQ(dc.texts[16].text, "at point");
    EXPECT_EQ(dc.texts.back().text, "0");
    EXPECT_EQ(dc.texts[dc.texts.size() - 2].text, "W, C/s");
}

TEST(ResultTablePicture, EveryTableInEnglishAndRussian)
{
    for (auto [language, suffix] : {std::pair{Language::english, "en"}, std::pair{Language::russian, "ru"}}) {
        set_language(language);
        ImageCanvas image(1100, 560);
        Canvas& dc = image.canvas();
        dc.set_background_mode(BackgroundMode::transparent);
        FontRecord font = table_font();
        dc.select_font(font);

        KasatkinSteel k;
        k.parse_composition("0.15 0.3 1.0 0.012 0.02 0.1 0 0.05 0.02");
        k.martensite = 0.0836;
        k.ferrite_pearlite = 0.2941;
        k.bainite = 0.6223;
        k.hv = 237.17;
        k.rm = 1250.4;
        k.r02 = 537.61;
        k.elongation = 17.244;
        k.reduction = 39.448;
        k.toughness = 9.748;
        k.y = 0.35;
        k.z = 0;
        k.cooling_time = 10;
        k.draw_composition_table(10, 10, 50, 20, dc);
        k.kasatkin_draw_structure_table(10, 70, 50, 20, dc);
        k.kasatkin_draw_property_table(10, 130, 50, 20, dc);

        IonSteel ion;
        ion.content = k.content;
        ion.martensite = 0.01905;
        ion.ferrite_pearlite = 0.22509;
        ion.bainite = 0.75586;
        ion.hv = 243.11;
        ion.y = 0.35;
        ion.cooling_time = 10;
        ion.ion_draw_structure_table(10, 190, 50, 20, dc);

        ShorshorovSteel s;
        s.shorshorov_parse_composition("0.14 0.25 0.9 0.1 0.2 0.05 0.02 0.03 0.2 0 0 0 0.02 0.01 0.05");
        s.shorshorov_parse_base_properties("1 520 24 60 160");
        s.martensite = 12;
        s.ferrite = 30;
        s.pearlite_bainite = 58;
        s.hv30 = 250;
        s.rm = 800;
        s.elongation = 12;
        s.reduction = 40;
        s.y = 0.4;
        s.cooling_rate = 25.5;
        s.shorshorov_draw_composition_table(10, 250, 20, 20, dc);
        s.shorshorov_draw_structure_table(10, 310, 20, 20, dc);
        s.shorshorov_draw_point_property_table(10, 370, 20, 20, dc);

        const std::string path = std::string(VELMARIN_TEST_OUTPUT_DIR) + "/steel_tables_" + suffix + ".png";
        EXPECT_TRUE(image.save_png(path)) << path;
        // Text went down in black.
        bool black_found = false;
        for (int x = 10; x < 200 && !black_found; ++x)
            for (int y = 10; y < 50 && !black_found; ++y) black_found = image.pixel(x, y) == Rgb{0, 0, 0};
        EXPECT_TRUE(black_found);
    }
    set_language(Language::english);
}
