// The micrograph window: the tile chosen by the cooling time, its place and
// size, the Russian texts in every language, failures, and PNG renders.
#include <gtest/gtest.h>

#include <string>

#include "captions.h"
#include "numfmt.h"
#include "seyffarth_point_test_support.h"

using namespace seyffarth_test;

TEST(SeyffarthMicrograph, TileByCoolingTime)
{
    const std::array<double, 6> th{3, 8, 20, 50, 150, 1};   // th5 is never used
    struct Case {
        double t;
        int tile;
    } cases[] = {{2.9, 0}, {3, 1}, {19.99, 2}, {20, 3}, {149, 4}, {150, 5}, {1000, 5}};
    for (const Case& c : cases) EXPECT_EQ(seyffarth_micrograph_tile(th, c.t), c.tile) << c.t;
}

TEST(SeyffarthMicrograph, TileGeometry)
{
    MicrographLine line;
    line.file = "m.bmp";
    line.width = 600;
    line.height = 400;
    SeyffarthTileGeometry g;
    ASSERT_TRUE(seyffarth_micrograph_geometry(line, 9, 5, 300, g));
    EXPECT_EQ(g.source_x, 400);
    EXPECT_EQ(g.source_y, 200);
    EXPECT_EQ(g.source_w, 200);
    EXPECT_EQ(g.source_h, 200);
    EXPECT_EQ(g.dest_w, 300);
    EXPECT_EQ(g.dest_h, 300);
    ASSERT_TRUE(seyffarth_micrograph_geometry(line, 9, 1, 300, g));
    EXPECT_EQ(g.source_x, 200);
    EXPECT_EQ(g.source_y, 0);
    // No tile without the whole line or with tiles of no size.
    EXPECT_FALSE(seyffarth_micrograph_geometry(line, 8, 1, 300, g));
    line.height = 1;
    EXPECT_FALSE(seyffarth_micrograph_geometry(line, 9, 1, 300, g));
}

TEST(SeyffarthMicrograph, RussianTextsTileCentredAndShares)
{
    reset_program_state(Language::english);
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_micrograph_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_TRUE(shown_boxes().empty());
    ASSERT_NE(dc.find_text(" Структура по атласу П. Daverurud"), nullptr);
    ASSERT_NE(dc.find_text("Класс стали: \" 1.General-application building steels\""), nullptr);
    SeyffarthPoint p;
    ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);
    ASSERT_NE(dc.find_text(cformat("В диапазоне: (850,500), [C] в точке (y=0.05, см; z=0, см) время охлаждения: "
                                   "%-.3g, сек;",
                                   p.t)),
              nullptr);
    bool share = false;
    for (const auto& t : dc.texts)
        if (t.text.rfind("Мартенсит = ", 0) == 0) share = true;
    EXPECT_TRUE(share);

    // One picture, placed so that the tile fills the plot's height, centred between L and R.
    ASSERT_EQ(dc.pictures.size(), 1u);
    EXPECT_TRUE(dc.pictures[0].valid);
    const int H = 768 / 28;
    RecordingCanvas probe;
    const int h = seyffarth_font(probe, H);
    const Rect plot{1024 / 5, 7 * h, 1024 - 1024 / 8, 768 - 11 * h};
    // Sample picture 600 x 400: tiles of 200 x 200, drawn (B - T) square.
    const int side = plot.bottom - plot.top;
    const int x = plot.left + ((plot.right - plot.left) - side) / 2;
    const int tile = seyffarth_micrograph_tile({3, 8, 20, 50, 150, 400}, p.t);
    const Rect& whole = dc.pictures[0].dest;
    EXPECT_EQ(whole.left, static_cast<int>(x - (tile % 3) * 200 * (side / 200.0)));
    EXPECT_EQ(whole.top, static_cast<int>(plot.top - (tile / 3) * 200 * (side / 200.0)));
    EXPECT_NEAR(whole.right - whole.left, 3 * side, 1);
    EXPECT_NEAR(whole.bottom - whole.top, 2 * side, 1);
}

TEST(SeyffarthMicrograph, MissingTableAndPictureStillDrawTheRest)
{
    reset_program_state();
    const fs::path dir = fixture_dir("micro");
    const SteelChoice steel = fixture_steel(dir, "", false);
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_micrograph_window(record, 50, nullptr, dc, 0, steel, 0);
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);   // the picture, named; the table is skipped quietly
    EXPECT_NE(boxes[0].text.find("micro.bmp"), std::string::npos);
    EXPECT_TRUE(dc.pictures.empty());
    bool share = false;
    for (const auto& t : dc.texts)
        if (t.text.rfind("Мартенсит", 0) == 0) share = true;
    EXPECT_FALSE(share);
    EXPECT_NE(dc.find_text(" Структура по атласу П. Daverurud"), nullptr);
}

// A micrograph line that gives no tile, or a picture too small for the tile
// it should show, is named in a message; the texts are drawn without a tile.
TEST(SeyffarthMicrograph, LineOrPictureWithoutTheTileIsReported)
{
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    struct Case {
        const char* name;
        std::string line;
        const char* expected;
    } cases[] = {
        {"no sizes", "micro.bmp", "does not give the picture's name, its width and height"},
        {"one pixel high", "micro.bmp 600 1 3 8 20 50 150 400", "gives a picture of 600 x 1 pixels, too small"},
        {"picture smaller", "micro.bmp 3600 2400 3 8 20 50 150 400", "is 150 x 100 pixels"},
    };
    for (const Case& c : cases) {
        reset_program_state();
        const fs::path dir = fixture_dir("micro_line");
        fixture_steel(dir, "h\n1 10 20 30 300\n400 10 20 30 300\n");
        write_file(dir / "steel.sp0", "cct.spl prop.spl labels.txt struct.tx_\nFixture steel\n0.2 0.3 1.2\n" +
                                          c.line + "\nFIX1\n");
        ImageCanvas picture(150, 100);
        picture.save_png((dir / "micro.bmp").string());
        SteelChoice steel;
        steel.file_name = (dir / "steel.sp0").string();
        steel.filter_index = 1;
        RecordingCanvas dc;
        seyffarth_micrograph_window(record, 50, nullptr, dc, 0, steel, 0);
        const auto boxes = shown_boxes();
        ASSERT_EQ(boxes.size(), 1u) << c.name;
        EXPECT_NE(boxes[0].text.find(c.expected), std::string::npos) << c.name << ": " << boxes[0].text;
        EXPECT_TRUE(dc.pictures.empty()) << c.name;
        EXPECT_NE(dc.find_text(" Структура по атласу П. Daverurud"), nullptr) << c.name;
    }
}

TEST(SeyffarthMicrograph, PeakBelowTheIntervalDrawsNothing)
{
    reset_program_state();
    const double far[4] = {30.0, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_micrograph_window(far, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_EQ(shown_boxes().size(), 1u);
}

TEST(SeyffarthMicrographPictures, EnglishAndRussian)
{
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    for (Language language : {Language::english, Language::russian}) {
        reset_program_state(language);
        EXPECT_GT(render_window(seyffarth_micrograph_window, record, sample_seyffarth_steel(),
                                "micrograph_" + language_tag(language)),
                  200);
        EXPECT_TRUE(shown_boxes().empty());
    }
}
