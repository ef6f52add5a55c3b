// The thermal-cycle window: the cycle it computes, the progress it reports,
// and the layout it draws on the screen and on a printer page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "lang.h"
#include "progress_dialog.h"
#include "recording_canvas.h"
#include "temperature_windows.h"
#include "window_test_support.h"

namespace {

std::vector<int> progress_values;
void hear_progress(int value) { progress_values.push_back(value); }

// Records the rectangle a window hands to the parameter panel.
std::vector<Rect> panel_rects;
void recording_panel(Canvas&, Rect rect, int, int, int, int) { panel_rects.push_back(rect); }

class ThermalCycleWindow : public ::testing::Test {
protected:
    void SetUp() override {
        reset_program_state();
        set_language(Language::english);
        progress_values.clear();
        panel_rects.clear();
        set_progress_observer(hear_progress);
        take_window_messages();
    }
    void TearDown() override {
        set_progress_observer(nullptr);
        set_language(Language::english);
    }
    void compute(double y, double z) {
        const double record[point_record_size] = {y, z};
        RecordingCanvas dc;
        thermal_cycle_window(record, 50, nullptr, dc, 0, 0);
    }
};

// 51 evenly spaced samples and the peak between the third and the fourth.
TEST_F(ThermalCycleWindow, SchemeTwoCycleAtItsDefaults) {
    compute(0, 0.5);
    const ThermalCycleResult r = thermal_cycle_result();
    ASSERT_EQ(r.steps, 51);
    EXPECT_NEAR(r.x_front, 1.917, 0.001);
    EXPECT_NEAR(r.x_rear, -47.64, 0.01);
    EXPECT_NEAR(r.time[51], 495.6, 0.1);
    const double first[] = {70, 471, 2500, 2500, 1883, 1098, 770};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(r.temp[i], first[i], 1.0) << "sample " << i;
    EXPECT_EQ(r.temp[2], 2500);   // clipped at the singular source
    // The fourth sample is the top, clipped: no hotter than the 3280 °C where
    // the peak search stopped.
    const double x_top = r.x_front - r.time[3] * r.v;
    EXPECT_GT(r.time[3], r.time[2]);
    EXPECT_LT(r.time[3], r.time[4]);
    EXPECT_GE(current_model.temperature(x_top, 0, 0.5), current_model.temperature(r.x_peak, 0, 0.5));
    EXPECT_TRUE(take_window_messages().empty());
}

// The true peak of the cycle at (y, z): the largest temperature along the
// line through the point, from a fine scan refined by golden sections.
double true_peak(double y, double z, double x_front, double x_rear) {
    const int n = 2000;
    double best_x = x_front, best = current_model.temperature(x_front, y, z);
    const double h = (x_rear - x_front) / n;
    for (int i = 1; i <= n; ++i) {
        const double x = x_front + i * h;
        const double T = current_model.temperature(x, y, z);
        if (T > best) {
            best = T;
            best_x = x;
        }
    }
    double a = best_x - std::fabs(h), b = best_x + std::fabs(h);
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 60; ++i) {
        const double c = b - g * (b - a), d = a + g * (b - a);
        if (current_model.temperature(c, y, z) > current_model.temperature(d, y, z)) b = d;
        else a = c;
    }
    return std::max(best, current_model.temperature((a + b) / 2, y, z));
}

// The curve rises as high as the metal does: its highest sample is the
// peak, not a sample that happened to fall beside it (scheme 1 at y = 0.3
// drew 439 °C where the metal reaches 806 °C).
TEST_F(ThermalCycleWindow, HighestSampleIsThePeak) {
    struct Case {
        int scheme;
        double y, z;
    };
    const Case cases[] = {{1, 0.3, 0.2}, {1, 0.5, 0}, {1, 1.0, 0},
                          {2, 0.5, 0.5}, {2, 1.0, 0.3}, {2, 1.5, 0},
                          {5, -0.3, 0.2}, {5, 0.5, 0.1}, {5, 1.0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "scheme " << c.scheme << " y=" << c.y << " z=" << c.z);
        reset_program_state();
        ASSERT_TRUE(install_scheme(c.scheme));
        compute(c.y, c.z);
        ASSERT_TRUE(take_window_messages().empty());
        const ThermalCycleResult r = thermal_cycle_result();
        ASSERT_GT(r.steps, 0);
        const double highest = *std::max_element(r.temp, r.temp + r.steps + 1);
        const double peak = true_peak(r.y, r.z, r.x_front, r.x_rear);
        ASSERT_LT(peak, 2500);   // below the clip, so the samples show it
        EXPECT_NEAR(highest, peak, 0.01 * peak);
    }
    reset_program_state();
    install_scheme(1);
    compute(0.3, 0.2);
    const ThermalCycleResult r = thermal_cycle_result();
    // The peak search stops at 802 °C, the top lies at 806.2 °C.
    EXPECT_NEAR(*std::max_element(r.temp, r.temp + r.steps + 1), 806.2, 0.05);
}

TEST_F(ThermalCycleWindow, ExtentHoldsEverySampleSoNothingLeavesTheFrame) {
    compute(0, 0.5);
    const ThermalCycleResult r = thermal_cycle_result();
    EXPECT_EQ(r.t_min, 0);
    EXPECT_NEAR(r.t_max, 495.6, 0.1);   // the last sample, not the one before it (485.7)
    EXPECT_NEAR(r.T_min, 70, 0.01);
    EXPECT_EQ(r.T_max, 2500);

    RecordingCanvas dc;
    thermal_cycle_window(nullptr, 50, nullptr, dc, 1, 0);
    ASSERT_FALSE(dc.polylines.empty());
    // The plot rectangle is the grey dotted frame.
    const auto plot = std::find_if(dc.shapes.begin(), dc.shapes.end(), [](const auto& s) {
        return s.kind == RecordingCanvas::ShapeKind::rectangle && s.pen.style == PenStyle::dot;
    });
    ASSERT_NE(plot, dc.shapes.end());
    for (const Point& p : dc.polylines.front().points) {
        EXPECT_GE(p.x, plot->box.left);
        EXPECT_LE(p.x, plot->box.right);
        EXPECT_GE(p.y, plot->box.top);
        EXPECT_LE(p.y, plot->box.bottom);
    }
    EXPECT_EQ(dc.polylines.front().points.size(), 52u);   // 51 samples and the peak
}

TEST_F(ThermalCycleWindow, ReportsProgressFromOpeningToClosing) {
    compute(0, 0.5);
    ASSERT_EQ(progress_values.size(), 1u + 3u + 51u + 1u);
    EXPECT_EQ(progress_values.front(), -1);
    EXPECT_EQ(progress_values[1], 5);
    EXPECT_EQ(progress_values[2], 10);
    EXPECT_EQ(progress_values[3], 15);
    EXPECT_EQ(progress_values[4], 8);     // the first sample: (0 - 1)/50 of the way, plus 10
    EXPECT_EQ(progress_values[5], 10);
    EXPECT_EQ(progress_values[6], 12);
    EXPECT_EQ(progress_values[54], 108);
    EXPECT_EQ(progress_values.back(), -2);
    EXPECT_TRUE(std::is_sorted(progress_values.begin() + 4, progress_values.end() - 1));
    EXPECT_FALSE(progress_dialog_state().open);
}

TEST_F(ThermalCycleWindow, RepaintDrawsWhatTheLastComputationLeft) {
    compute(0, 0.5);
    progress_values.clear();
    RecordingCanvas first, second;
    thermal_cycle_window(nullptr, 50, nullptr, first, 1, 0);
    scheme_state.ppr2.parameters.q = 9000;   // a repaint evaluates nothing
    thermal_cycle_window(nullptr, 50, nullptr, second, 1, 0);
    EXPECT_TRUE(progress_values.empty());
    ASSERT_EQ(first.polylines.size(), 1u);
    EXPECT_EQ(first.polylines[0].points, second.polylines[0].points);
}

struct TitleCase {
    Language language;
    const char* point_title;
    const char* scheme_title;
    const char* temperature_title;
    const char* time_title;
};

class ThermalCycleTitles : public ThermalCycleWindow,
                           public ::testing::WithParamInterface<TitleCase> {};

// A 1024 x 768 window: H = 27, H18 = 42, the plot from (135, 81) to (943, 498).
TEST_P(ThermalCycleTitles, TitlesAndAxisLabelsWhereTheLayoutPutsThem) {
    const TitleCase& c = GetParam();
    compute(0, 0.5);
    set_language(c.language);
    current_model.draw_panel = recording_panel;
    RecordingCanvas dc;
    thermal_cycle_window(nullptr, 50, nullptr, dc, 1, 0);

    const auto* point = dc.find_text(c.point_title);
    ASSERT_NE(point, nullptr) << dc.all_text();
    EXPECT_EQ(point->x, 27);
    EXPECT_EQ(point->y, 768 - 7 * 27);
    EXPECT_EQ(point->font.height, 27);
    EXPECT_EQ(point->color, rgb(0, 0, 0));
    EXPECT_EQ(point->font.charset, language_charset());

    const auto* title = dc.find_text(c.scheme_title);
    ASSERT_NE(title, nullptr) << dc.all_text();
    EXPECT_EQ(title->x, 13);
    EXPECT_EQ(title->y, 8);
    EXPECT_EQ(title->font.height, 42);
    EXPECT_EQ(title->color, rgb(127, 0, 0));

    const auto* temperature = dc.find_text(c.temperature_title);
    ASSERT_NE(temperature, nullptr);
    EXPECT_EQ(temperature->font.escapement, 900);
    EXPECT_EQ(temperature->font.height, 36);
    EXPECT_EQ(temperature->x, 3);
    RecordingCanvas measure;
    measure.select_font(temperature->font);
    const int w = measure.text_extent(c.temperature_title).cx;
    EXPECT_EQ(temperature->y, 498 - (498 - 81 - w) / 2);

    const auto* time = dc.find_text(c.time_title);
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->color, rgb(128, 128, 128));
    measure.select_font(time->font);
    const Size e = measure.text_extent(c.time_title, true);
    EXPECT_EQ(time->x, (1024 - e.cx) / 2);
    EXPECT_EQ(time->y, 498 + e.cy);

    // Tick labels of the time axis (step 90 s) and the temperature axis (500 °C).
    EXPECT_NE(dc.find_text("   90"), nullptr) << dc.all_text();
    EXPECT_NE(dc.find_text("  450"), nullptr);
    EXPECT_NE(dc.find_text("2000"), nullptr);

    ASSERT_EQ(panel_rects.size(), 1u);
    EXPECT_EQ(panel_rects[0], (Rect{0, 0, 1024, 768}));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ThermalCycleTitles,
    ::testing::Values(
        TitleCase{Language::english, "Thermal cycle at destignated point: y=0, cm; z=0.5, cm;",
                  "2. Welding of semiinfinite body", "Temperature, C", "Time, sec"},
        TitleCase{Language::russian, "Термоцикл в заданной точке: y = 0, см; z = 0.5, см;",
                  "2. Сварка полубесконечного тела", "Температура, C", "Время ,с"}),
    [](const auto& info) { return info.param.language == Language::english ? "English" : "Russian"; });

// The scheme's own panel along the bottom of the window, under the point title.
TEST_F(ThermalCycleWindow, PanelLiesBelowThePointTitleInBothLanguages) {
    compute(0, 0.5);
    for (const auto& [language, heading, point_title] :
         {std::tuple{Language::english, "Thermal-physical properties of material and welding conditions:",
                     "Thermal cycle at destignated point: y=0, cm; z=0.5, cm;"},
          std::tuple{Language::russian, "Теплофизические характеристики материала и режим сварки:",
                     "Термоцикл в заданной точке: y = 0, см; z = 0.5, см;"}}) {
        set_language(language);
        RecordingCanvas dc;
        thermal_cycle_window(nullptr, 50, nullptr, dc, 1, 0);
        const auto* h = dc.find_text(heading);
        const auto* point = dc.find_text(point_title);
        ASSERT_NE(h, nullptr) << dc.all_text();
        ASSERT_NE(point, nullptr);
        RecordingCanvas measure;
        FontRecord panel_font = point->font;   // Times New Roman, H = 27
        measure.select_font(panel_font);
        const Size s = measure.text_extent("S");
        EXPECT_EQ(h->x, 12 * s.cx);
        EXPECT_GE(h->y, point->y + 27);   // no overlap with the point title
        EXPECT_LT(h->y + h->font.height, 768);
    }
}

TEST_F(ThermalCycleWindow, NoPanelSlotDrawsTheRestOfTheWindow) {
    compute(0, 0.5);
    current_model.draw_panel = nullptr;
    RecordingCanvas dc;
    thermal_cycle_window(nullptr, 50, nullptr, dc, 1, 0);
    EXPECT_NE(dc.find_text("2. Welding of semiinfinite body"), nullptr);
}

TEST_F(ThermalCycleWindow, PrintedCycleLaysOutOnThePrinterPlotRectangle) {
    current_model.draw_panel = recording_panel;
    RecordingCanvas printer;
    printer.set_printer(true);
    DeviceCaps a4 = printer.caps();
    a4.horz_res = 4800;
    a4.horz_size_mm = 203;
    a4.vert_res = 6800;
    a4.vert_size_mm = 288;
    printer.set_caps(a4);
    const double record[point_record_size] = {0, 0.5};
    thermal_cycle_window(record, 50, nullptr, printer, 0, 1);
    thermal_cycle_window(record, 50, nullptr, printer, 1, 1);

    const Rect page{575, 598, 4455, 3236};
    ASSERT_FALSE(printer.shapes.empty());
    EXPECT_EQ(printer.shapes.front().box, page);   // the blue frame
    ASSERT_EQ(panel_rects.size(), 1u);
    EXPECT_EQ(panel_rects[0], page);
    const int H18 = (3236 - 598) / 18;
    const auto* title = printer.find_text("2. Welding of semiinfinite body");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font.height, H18);
    EXPECT_GT(title->x, page.left);
    EXPECT_GT(title->y, page.top);
}

TEST_F(ThermalCycleWindow, ThinPlateDepthBeyondThePlateIsReportedAndClamped) {
    install_scheme(1);
    compute(0.05, 7);
    const auto messages = take_window_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "z exceeds thickness of a plate z=7 > thickness =5");
    EXPECT_EQ(messages[0].caption, "  Attention!");
    EXPECT_EQ(thermal_cycle_result().z, 5);

    RecordingCanvas dc;
    thermal_cycle_window(nullptr, 50, nullptr, dc, 1, 0);
    EXPECT_NE(dc.find_text("Thermal cycle at destignated point: y=0.05, cm; z = (0-5), cm;"),
              nullptr)
        << dc.all_text();
}

TEST_F(ThermalCycleWindow, TwoPlatesAreLabelledBySide) {
    install_scheme(4);
    for (const auto& [y, label] : {std::pair{0.0, "пластина №1"}, std::pair{0.1, "пластина №2"}}) {
        compute(y, 0);
        RecordingCanvas dc;
        thermal_cycle_window(nullptr, 50, nullptr, dc, 1, 0);
        const auto* text = dc.find_text(label);
        ASSERT_NE(text, nullptr) << y;
        EXPECT_EQ(text->color, rgb(128, 0, 0));
    }
}

double nan_field(double, double, double) { return std::numeric_limits<double>::quiet_NaN(); }
double nan_behind(double x, double y, double z) {
    return x < -3 ? std::numeric_limits<double>::quiet_NaN() : ppr2_temperature(x, y, z);
}

// A point without a cycle to draw gets one message and no curve: neither
// the cycle of the point before it, nor one made of a search bound, of the
// initial temperature or of values that are not numbers (all once drawn,
// the last as 2500 °C).
TEST_F(ThermalCycleWindow, PointWithoutACycleGivesOneMessageAndNoCurve) {
    struct Case {
        const char* name;
        void (*setup)();
        double y, z;
        const char* message;
    };
    const Case cases[] = {
        {"v = 0", [] { scheme_state.ppr2.parameters.v = 0; }, 0, 0.5, "The welding speed must be positive: v=0"},
        {"v < 0", [] { scheme_state.ppr2.parameters.v = -0.1; }, 0, 0.5,
         "The welding speed must be positive: v=-0.1"},
        {"q = 0", [] { scheme_state.ppr2.parameters.q = 0; }, 0, 0.5, "The source power must be positive: q=0"},
        {"beyond the body", [] {}, 150, 0.5,
         "y is outside the width of the body y=150, limits -100 ... 100"},
        {"never 50 degrees warmer", [] {}, 30, 0,
         "The temperature at the point (y=30 z=0 [cm]) never rises 50 degrees above the initial 20 "
         "[C deg.]: its maximum is "},
        {"cools beyond the search", [] {
             install_scheme(1);
             scheme_state.ppr1.parameters.v = 0.001;
         }, 0.3, 0, "The point (y=0.3 z=0 [cm]) does not cool to 70 [C deg.] within 8000 cm behind the source"},
        {"NaN field", [] { current_model.temperature = nan_field; }, 0, 0.5,
         "The temperature at the point (y=0 z=0.5 [cm]) is not a finite number"},
        {"NaN behind the peak", [] { current_model.temperature = nan_behind; }, 0, 0.5,
         "The temperature at the point (y=0 z=0.5 [cm]) is not a finite number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset_program_state();
        compute(0, 0.5);   // a cycle that must not stand for the failed one
        ASSERT_GT(thermal_cycle_result().steps, 0);
        c.setup();
        progress_values.clear();
        compute(c.y, c.z);
        const auto messages = take_window_messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text.rfind(c.message, 0), 0u) << messages[0].text;
        EXPECT_EQ(messages[0].caption, "  Attention!");
        EXPECT_EQ(thermal_cycle_result().steps, 0);
        EXPECT_FALSE(progress_dialog_state().open);
        RecordingCanvas dc;
        thermal_cycle_window(nullptr, 50, nullptr, dc, 1, 0);
        EXPECT_TRUE(dc.polylines.empty());
        EXPECT_TRUE(dc.texts.empty());
    }
}

}  // namespace

namespace {

struct ClipCase {
    int scheme;
    std::vector<double> record;
    Language language;
    const char* note;   // empty: the cycle stays below the cap
};

// A cycle drawn at the 2500 °C cap says so above the plot's right end, in
// the language of the window, over no other text (the scheme's title, the
// plate label of two plates); a cycle below the cap says nothing.
TEST_F(ThermalCycleWindow, CycleAtTheCapSaysSoAboveThePlot) {
    const ClipCase cases[] = {
        {2, {0, 0.5}, Language::english, "clipped at 2500 °C"},
        {2, {0, 0.5}, Language::russian, "ограничено уровнем 2500 °C"},
        {2, {0, 0.5}, Language::ukrainian, "обмежено рівнем 2500 °C"},
        {2, {0, 0.5}, Language::german, "bei 2500 °C abgeschnitten"},
        {2, {0, 0.5}, Language::french, "écrêté à 2500 °C"},
        {4, {0.01, 0}, Language::russian, "ограничено уровнем 2500 °C"},
        {14, {0.05, 30}, Language::english, "clipped at 2500 °C"},
        {1, {0.3, 0.2}, Language::english, ""},
    };
    for (const ClipCase& c : cases) {
        SCOPED_TRACE("scheme " + std::to_string(c.scheme) + " " + c.note);
        reset_program_state();
        ASSERT_TRUE(install_scheme(c.scheme));
        set_language(c.language);
        std::vector<double> record = c.record;
        record.resize(point_record_size, 0.0);
        RecordingCanvas first, dc;
        current_model.cycle_routine(record.data(), 50, nullptr, first, 0, 0);
        current_model.cycle_routine(record.data(), 50, nullptr, dc, 1, 0);
        ASSERT_TRUE(take_window_messages().empty());
        const auto frame = std::find_if(dc.shapes.begin(), dc.shapes.end(), [](const auto& s) {
            return s.kind == RecordingCanvas::ShapeKind::rectangle && s.pen.style == PenStyle::dot;
        });
        ASSERT_NE(frame, dc.shapes.end());
        const std::string note = c.note;
        const auto* text = note.empty() ? nullptr : dc.find_text(note);
        const auto notes = std::count_if(dc.texts.begin(), dc.texts.end(), [](const auto& t) {
            return t.text.find("2500 °C") != std::string::npos;
        });
        if (note.empty()) {
            EXPECT_EQ(notes, 0);
            continue;
        }
        ASSERT_NE(text, nullptr) << dc.all_text();
        EXPECT_EQ(notes, 1);
        const Rect box = text_box(*text);
        EXPECT_EQ(box.right, frame->box.right);
        EXPECT_EQ(box.bottom, frame->box.top);
        EXPECT_TRUE(texts_over(dc, *text).empty()) << ::testing::PrintToString(texts_over(dc, *text));
        if (c.scheme == 4) {
            EXPECT_NE(dc.find_text("пластина №2"), nullptr);
        }
    }
    set_language(Language::english);
}

}  // namespace
