// The cooling-rate window: the rate and time it computes, the texts it draws,
// the "velocity.txt" it writes, and the cases where no number can be given.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "lang.h"
#include "recording_canvas.h"
#include "temperature_windows.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Each test works in a folder of its own, the current directory being where
// the window writes its file.
class CoolingRateWindow : public ::testing::Test {
protected:
    void SetUp() override {
        reset_program_state();
        set_language(Language::english);
        take_window_messages();
        previous_ = fs::current_path();
        folder_ = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "cooling_rate" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        set_language(Language::english);
    }
    void compute(double y, double z, double T_from, double T_to, RecordingCanvas* dc = nullptr) {
        const double record[point_record_size] = {y, z, T_from, T_to};
        RecordingCanvas local;
        cooling_rate_window(record, 50, nullptr, dc ? *dc : local, 0, 0);
    }
    fs::path previous_, folder_;
};

TEST_F(CoolingRateWindow, SchemeTwoRateAndTimeAtItsDefaults) {
    RecordingCanvas dc;
    compute(0, 0.5, 800, 500, &dc);
    const CoolingRateResult r = cooling_rate_result();
    ASSERT_EQ(r.valid, 1);
    EXPECT_NEAR(r.x1, -2.913, 0.001);
    EXPECT_NEAR(r.x2, -4.844, 0.001);
    EXPECT_NEAR(r.time, 19.3, 0.05);
    EXPECT_NEAR(r.rate, -15.5, 0.05);
    EXPECT_STREQ(r.line_a, "In the temperature range (800,500) [C deg.] at point:(y=0, z=0.5)");
    EXPECT_STREQ(r.line_b, "cooling rate equals to -15.5 [C deg./sec]; cooling time=19.3");
    EXPECT_TRUE(take_window_messages().empty());

    // 1024 x 768: H = 27, the cell of "Привет   " with the terminating zero
    // gives L and the rows below B = bottom - 5h. The scheme's two summary
    // lines are wider than the window: each breaks at a blank into two rows,
    // so lines A and B stand two rows higher and the last row stays at B + 4h.
    RecordingCanvas measure;
    FontRecord font = dc.texts.front().font;
    measure.select_font(font);
    const Size cell = measure.text_extent("Привет   ", true);
    const int B = 768 - 5 * cell.cy;
    const auto* a = dc.find_text(r.line_a);
    const auto* b = dc.find_text(r.line_b);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->x, cell.cx);
    EXPECT_EQ(a->y, B - cell.cy);
    EXPECT_EQ(b->y, B);
    std::vector<const RecordingCanvas::TextCall*> rows;
    for (const auto& t : dc.texts)
        if (t.y >= a->y) rows.push_back(&t);
    ASSERT_EQ(rows.size(), 6u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]->x, cell.cx);
        EXPECT_EQ(rows[i]->y, B + (static_cast<int>(i) - 1) * cell.cy);
        EXPECT_LE(cell.cx + measure.text_extent(rows[i]->text).cx, 1024 - cell.cx) << rows[i]->text;
    }
    EXPECT_EQ(rows[2]->text.rfind("Thermal conductivity=0.3,", 0), 0u) << rows[2]->text;
    EXPECT_EQ(a->font.height, 27);
    EXPECT_EQ(a->color, rgb(128, 0, 0));
    const auto* title = dc.find_text("2. Welding of semiinfinite body");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 2 * cell.cx);
    EXPECT_EQ(title->y, 3);
}

TEST_F(CoolingRateWindow, FileHoldsTheRateAndTheFourLines) {
    compute(0, 0.5, 800, 500);
    const std::string text = read_file("velocity.txt");
    const std::string first_line = text.substr(0, text.find('\n'));
    EXPECT_NEAR(std::stod(first_line), -15.54, 0.005);
    EXPECT_EQ(first_line.rfind("-15.5", 0), 0u) << first_line;
    char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
    ppr2_summary(line1, line2, title);
    const CoolingRateResult r = cooling_rate_result();
    EXPECT_EQ(text, first_line + "\n" + r.line_a + "\n" + r.line_b + "\n" + line1 + "\n" + line2);
    for (const auto& e : fs::directory_iterator("."))   // no temporary file left beside it
        EXPECT_EQ(e.path().filename().string().find(".velocity.txt"), std::string::npos) << e.path();
}

// The file is rewritten at every drawing, repaints too, so it always holds
// what the window shows.
TEST_F(CoolingRateWindow, RepaintRewritesTheFile) {
    compute(0, 0.5, 800, 500);
    const std::string written = read_file("velocity.txt");
    fs::remove("velocity.txt");
    RecordingCanvas dc;
    cooling_rate_window(nullptr, 50, nullptr, dc, 1, 0);
    EXPECT_NE(dc.find_text("cooling rate equals to -15.5 [C deg./sec]; cooling time=19.3"), nullptr);
    EXPECT_EQ(read_file("velocity.txt"), written);
}

TEST_F(CoolingRateWindow, FailedWriteIsReportedAndLeavesTheOldFileWhole) {
    {
        std::ofstream old("velocity.txt");
        old << "an earlier result";
    }
    fs::permissions("velocity.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    compute(0, 0.5, 800, 500);
    const auto messages = take_window_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("The file velocity.txt is read-only; it is left as it was.", 0), 0u)
        << messages[0].text;
    EXPECT_EQ(read_file("velocity.txt"), "an earlier result");
    EXPECT_EQ(cooling_rate_result().valid, 1);   // the window still shows its numbers
}

TEST_F(CoolingRateWindow, EqualTemperaturesWidenTheInterval) {
    compute(0, 0.5, 600, 600);
    const CoolingRateResult r = cooling_rate_result();
    EXPECT_EQ(r.T_from, 606);
    EXPECT_STREQ(r.line_a, "In the temperature range (606,600) [C deg.] at point:(y=0, z=0.5)");
    EXPECT_GT(r.time, 0);
}

TEST_F(CoolingRateWindow, UpsideDownIntervalKeepsTimePositiveAndRateNegative) {
    compute(0, 0.5, 500, 800);
    const CoolingRateResult r = cooling_rate_result();
    EXPECT_NEAR(r.time, 19.3, 0.05);
    EXPECT_NEAR(r.rate, -15.5, 0.05);
}

TEST_F(CoolingRateWindow, PeakBelowTheIntervalIsReportedAndTheLastResultStays) {
    compute(0, 0.5, 800, 500);
    compute(5, 5, 800, 500);
    const auto messages = take_window_messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text.rfind("Maximum temperature=", 0), 0u);
    EXPECT_NE(messages[0].text.find(" at y=5 z=5 [cm]"), std::string::npos) << messages[0].text;
    EXPECT_EQ(messages[0].caption, "  Message!");
    EXPECT_EQ(messages[1].text, "You are fault with temperature ... ");
    EXPECT_EQ(messages[1].caption, "  Message!");

    RecordingCanvas dc;
    cooling_rate_window(nullptr, 50, nullptr, dc, 1, 0);
    EXPECT_NE(dc.find_text("In the temperature range (800,500) [C deg.] at point:(y=0, z=0.5)"),
              nullptr);
}

// An interval below the initial temperature is never reached behind the
// source: the search ends at its bound, which must not become a number.
struct OutsideCase {
    int scheme;
    double y, z;
    const char* message;
};

// A point outside the metal has no cooling time: the window names the
// coordinate and its range, as the thermal-cycle window does, draws and
// writes nothing, and keeps its last result.
TEST_F(CoolingRateWindow, PointsOutsideTheMetalAreRefused) {
    const OutsideCase cases[] = {
        {1, 0.5, 7, "z exceeds thickness of a plate z=7 > thickness =5"},
        {3, 0.5, 5.5, "z exceeds thickness of a plate z=5.5 > thickness =5"},
        {2, 0.5, -0.1, "z is above the surface of the body z=-0.1, depth limits 0 ... 10000"},
        {4, 4.5, 0, "y is outside the width of the body y=4.5, limits -16 ... 4"},
        {4, -17, 0, "y is outside the width of the body y=-17, limits -16 ... 4"},
        {4, 0.5, 0.7, "z exceeds thickness of a plate z=0.7 > thickness =0.6"},
        {2, 150, 0, "y is outside the width of the body y=150, limits -100 ... 100"},
    };
    for (const OutsideCase& c : cases) {
        SCOPED_TRACE(c.message);
        reset_program_state();
        ASSERT_TRUE(install_scheme(c.scheme));
        compute(0, 0.2, 800, 500);
        ASSERT_EQ(cooling_rate_result().valid, 1);
        const std::string before = cooling_rate_result().line_a;
        fs::remove("velocity.txt");
        take_window_messages();
        RecordingCanvas dc;
        compute(c.y, c.z, 800, 500, &dc);
        const auto messages = take_window_messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].caption, "  Attention!");
        EXPECT_TRUE(dc.texts.empty());
        EXPECT_FALSE(fs::exists("velocity.txt"));
        EXPECT_EQ(cooling_rate_result().line_a, before);
    }
}

TEST_F(CoolingRateWindow, CrossingAtTheSearchBoundGivesNoNumber) {
    compute(0, 0.5, 800, 500);
    fs::remove("velocity.txt");
    compute(0, 0.5, 800, 10);
    const auto messages = take_window_messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].text.find("does not cool to 10 [C deg.]"), std::string::npos)
        << messages[0].text;
    EXPECT_EQ(messages[1].text, "You are fault with temperature ... ");
    EXPECT_EQ(cooling_rate_result().T_to, 500);   // the last good result stays
    EXPECT_FALSE(fs::exists("velocity.txt"));
}

TEST_F(CoolingRateWindow, PrintedWindowLaysOutOnThePrinterPlotRectangle) {
    RecordingCanvas printer;
    printer.set_printer(true);
    DeviceCaps a4 = printer.caps();
    a4.horz_res = 4800;
    a4.horz_size_mm = 203;
    a4.vert_res = 6800;
    a4.vert_size_mm = 288;
    printer.set_caps(a4);
    // Print hands the routine the screen's print flag; the page is known by
    // its canvas.
    compute(0, 0.5, 800, 500, &printer);
    const Rect page{575, 598, 4455, 3236};
    ASSERT_FALSE(printer.shapes.empty());
    EXPECT_EQ(printer.shapes.front().box, page);
    const auto* b = printer.find_text("cooling rate equals to -15.5 [C deg./sec]; cooling time=19.3");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->font.height, (3236 - 598) / 28);
    EXPECT_GT(b->x, page.left);
    EXPECT_LT(b->y, page.bottom);
}

TEST_F(CoolingRateWindow, UnusableRecordsGiveAMessageAndNoNumber) {
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    for (const auto& [y, z, from, to] : {std::tuple{nan, 0.5, 800.0, 500.0},
                                         std::tuple{0.0, 0.5, inf, 500.0},
                                         std::tuple{0.0, 0.5, 800.0, -inf},
                                         std::tuple{1e300, -1e300, 800.0, 500.0}}) {
        compute(y, z, from, to);
        EXPECT_FALSE(take_window_messages().empty()) << y << " " << z << " " << from << " " << to;
    }
    EXPECT_FALSE(fs::exists("velocity.txt"));
}

TEST_F(CoolingRateWindow, TextsStayEnglishInOtherLanguages) {
    set_language(Language::german);
    RecordingCanvas dc;
    compute(0, 0.5, 800, 500, &dc);
    EXPECT_NE(dc.find_text("cooling rate equals to -15.5 [C deg./sec]; cooling time=19.3"), nullptr);
    EXPECT_NE(dc.find_text("2. Die Schweissung des halbunendlichen Körpers"), nullptr)
        << dc.all_text();
    EXPECT_EQ(dc.texts.front().font.charset, 0);
}

}  // namespace
