// The micrograph window: the tile chosen by the cooling rate, the picture
// drawn, and a missing picture reported by name while the rest is drawn.
#include <gtest/gtest.h>

#include <algorithm>

#include "shorshorov_frame.h"
#include "shorshorov_test_support.h"
#include "text_cells.h"

namespace {

const double property_defaults[4] = {0.5, 0.5, 850.0, 500.0};

TEST(ShorshorovMicrograph, TileIsTheFirstThresholdAboveTheRate)
{
    const std::array<double, 6> th{1, 3, 10, 30, 100, 300};
    const std::pair<double, int> cases[] = {{0.5, 0}, {1, 1}, {2.9, 1}, {10, 3}, {99, 4}, {299, 5}, {300, 5},
                                            {1e9, 5}};
    for (const auto& [W, k] : cases) EXPECT_EQ(shorshorov_micrograph_tile(th, W), k) << W;
}

TEST(ShorshorovMicrograph, DrawsThePictureTitleAndStructureTable)
{
    reset_program_state();
    RecordingCanvas dc;
    shorshorov_micrograph_window(property_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    EXPECT_TRUE(message_box_take_log().empty());
    ASSERT_EQ(dc.pictures.size(), 1u);
    EXPECT_TRUE(dc.pictures[0].valid);
    EXPECT_EQ(dc.pictures[0].dest.right - dc.pictures[0].dest.left, 379);
    const bool title = std::any_of(dc.texts.begin(), dc.texts.end(), [](const auto& t) {
        return t.text == "Микроструктура по атласу М.Х.Zoduzuruv" && t.font.face == "Times New Roman Cyr";
    });
    EXPECT_TRUE(title);
}

TEST(ShorshorovMicrograph, MissingPictureIsNamedAndTheRestIsDrawn)
{
    reset_program_state();
    const std::string path = write_steel_file("nopicture.301", "0.1 100 300 0 0 0 0\n"
                                                               "1000 500 1500 50 90 100 100\n"
                                                               "1 150 500 30 60 20 0\n"
                                                               "100 400 1100 10 40 95 80\n");
    SteelChoice steel;
    steel.file_name = path;
    RecordingCanvas dc;
    shorshorov_micrograph_window(property_defaults, 50, nullptr, dc, 0, steel, 0);
    const auto boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("F1.BMP"), std::string::npos);
    EXPECT_TRUE(dc.pictures.empty());
    EXPECT_FALSE(dc.texts.empty());
}

// A picture smaller than the tile it should show is refused: stretched to its
// frame it would show some other part of itself.
TEST(ShorshorovMicrograph, PictureSmallerThanItsTileIsRefused)
{
    const std::pair<int, Size> reach[] = {{0, {200, 200}}, {1, {379, 200}}, {4, {200, 600}}, {5, {379, 600}}};
    for (const auto& [k, size] : reach) {
        EXPECT_EQ(shorshorov_micrograph_tile_reach(k).cx, size.cx) << k;
        EXPECT_EQ(shorshorov_micrograph_tile_reach(k).cy, size.cy) << k;
    }
    reset_program_state();
    // A folder of its own, so that its picture is no other test's.
    std::filesystem::create_directories(std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "shorshorov_fixtures" /
                                        "small_picture");
    const std::string path = write_steel_file("small_picture/steel.301", "0.1 100 300 0 0 0 0\n"
                                                                  "1000 500 1500 50 90 100 100\n"
                                                                  "1 150 500 30 60 20 0\n"
                                                                  "100 400 1100 10 40 95 80\n");
    // A picture of 150 x 150 pixels: short of every tile.
    ImageCanvas small(150, 150);
    small.save_png((std::filesystem::path(path).parent_path() / "F1.BMP").string());
    SteelChoice steel;
    steel.file_name = path;
    RecordingCanvas dc;
    shorshorov_micrograph_window(property_defaults, 50, nullptr, dc, 0, steel, 0);
    const auto boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("is 150 x 150 pixels; the tile of this cooling rate needs"), std::string::npos)
        << boxes[0].text;
    EXPECT_TRUE(dc.pictures.empty());
    EXPECT_FALSE(dc.texts.empty());
}

// The tile is drawn first (it whitens the picture's area around itself), at
// 3 lines of the title lines' font or under the title lines and the
// composition table where they reach over it: no text stands on the
// picture, for a steel with wide title lines too, at every window size.
TEST(ShorshorovMicrograph, NoTextStandsOnTheTile)
{
    for (const char* file : {"09G2S.301", "15ХСНД.307"})
        for (const auto& [w, h] : {std::pair{992, 693}, std::pair{1024, 768}, std::pair{1280, 1000}}) {
            reset_program_state();
            set_language(Language::german);
            const SteelChoice steel = sample_shorshorov_steel(file, 3);
            ShorshorovTable table;
            AtlasReadResult read;
            ASSERT_TRUE(load_shorshorov_table(steel.file_name, table, read)) << file;
            const int k = shorshorov_micrograph_tile(table.file.thresholds,
                                                     shorshorov_cooling_rate(0.5, 0.5, 850.0, 500.0).rate);
            RecordingCanvas dc = surface_canvas(w, h);
            dc.set_background_mode(BackgroundMode::transparent);
            shorshorov_micrograph_window(property_defaults, 50, nullptr, dc, 0, steel, 0);
            ASSERT_EQ(dc.pictures.size(), 1u) << file;
            const Rect& whole = dc.pictures[0].dest;
            const Rect tile{whole.left + (k % 2) * 200, whole.top + (k / 2) * 200, whole.left + (k % 2) * 200 + 200,
                            whole.top + (k / 2) * 200 + 200};
            for (const auto& t : dc.texts) {
                const Rect cell = text_cell(t);
                const bool on_tile =
                    cell.left < tile.right && tile.left < cell.right && cell.top < tile.bottom && tile.top < cell.bottom;
                EXPECT_FALSE(on_tile) << file << " " << w << "x" << h << ": \"" << t.text << "\" on the tile";
            }
        }
    set_language(Language::english);
}

TEST(ShorshorovMicrograph, PicturesInEnglishAndRussian)
{
    for (Language lang : {Language::english, Language::russian}) {
        reset_program_state();
        set_language(lang);
        render_shorshorov_window(shorshorov_micrograph_window, property_defaults, 0, sample_shorshorov_steel(),
                                 std::string("micrograph_") + (lang == Language::english ? "en" : "ru"));
        EXPECT_TRUE(message_box_take_log().empty());
    }
    set_language(Language::english);
}

} // namespace
