// The isotherm window and its three section tracers.
//
// Most cases run on a small made-up field whose numbers are known in closed
// form: a plateau of 1400 °C within 1 cm of the source that falls off as a
// Gaussian, T = 20 + 1380·exp(-(r - 1)²/4) for r > 1, so the isotherm of T
// is the sphere of radius 1 + 2·sqrt(ln(1380/(T - 20))).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "lang.h"
#include "point_workers.h"
#include "progress_dialog.h"
#include "recording_canvas.h"
#include "temperature_windows.h"
#include "window_test_support.h"

namespace {

double plateau_temperature(double x, double y, double z) {
    const double r = std::sqrt(x * x + y * y + z * z);
    return r <= 1 ? 1400 : 20 + 1380 * std::exp(-(r - 1) * (r - 1) / 4);
}
double isotherm_radius(double T) { return 1 + 2 * std::sqrt(std::log(1380 / (T - 20))); }

double field_zmax = 10000;
int field_one_body = 1;
double one() { return 1; }
double twenty() { return 20; }
void field_depth_range(double, double& zmin, double& zmax) {
    zmin = 0;
    zmax = field_zmax;
}
void field_width_range(int& one_body, double& ymin, double& ymax) {
    one_body = field_one_body;
    ymin = -100;
    ymax = 100;
}
void field_summary(char* line1, char* line2, char* title) {
    std::strcpy(line1, "summary line 1");
    std::strcpy(line2, "summary line 2");
    std::strcpy(title, "0. A made-up field");
}

std::vector<int> progress_values;
void hear_progress(int value) { progress_values.push_back(value); }

class IsothermWindow : public ::testing::Test {
protected:
    void SetUp() override {
        reset_program_state();
        set_language(Language::english);
        field_zmax = 10000;
        field_one_body = 1;
        progress_values.clear();
        set_progress_observer(hear_progress);
        take_window_messages();
        current_isotherm_tracer = trace_isotherm_xy;
    }
    void TearDown() override {
        set_progress_observer(nullptr);
        set_language(Language::english);
    }
    static void use_made_up_field() {
        current_model = HeatSourceModel{};
        current_model.temperature = plateau_temperature;
        current_model.velocity = one;
        current_model.initial_temperature = twenty;
        current_model.depth_range = field_depth_range;
        current_model.width_range = field_width_range;
        current_model.summary = field_summary;
    }
    // Phase 0 then the repaint, as the command and the paint callback do.
    RecordingCanvas run(const std::vector<double>& record, int steps = 40) {
        RecordingCanvas first;
        isotherm_window(record.data(), steps, nullptr, first, 0, 0);
        RecordingCanvas repaint;
        isotherm_window(record.data(), steps, nullptr, repaint, 1, 0);
        return repaint;
    }
};

const std::vector<double> default_levels = {300, 500, 850, 1300, 1350, 0};

TEST_F(IsothermWindow, XySectionTracesClosedCurvesOfTheRightSize) {
    use_made_up_field();
    RecordingCanvas dc = run(default_levels);
    const IsothermResult r = isotherm_result();
    for (int i = 0; i < 5; ++i) {
        const IsothermCurve& c = r.curves[i];
        ASSERT_EQ(c.valid, 1) << i;
        ASSERT_EQ(c.points, 81);
        const double R = isotherm_radius(default_levels[i]);
        EXPECT_NEAR(c.h_min, -R, 1e-3) << i;
        EXPECT_NEAR(c.h_max, R, 1e-3) << i;
        EXPECT_NEAR(c.v_min, -R, 1e-3) << i;   // the station at x = 0 reaches the full radius
        EXPECT_NEAR(c.v_max, R, 1e-3) << i;
        EXPECT_EQ(c.H[0], c.H[80]);            // closed
        EXPECT_EQ(c.V[0], 0);
        for (int k = 1; k < 40; ++k) EXPECT_EQ(c.V[80 - k], -c.V[k]);
    }
    EXPECT_EQ(dc.polylines.size(), 15u);   // each curve plain, then bold (two lines)
    EXPECT_NE(dc.find_text("t=  300  -3.53 < x < 3.53   -3.53 < y < 3.53"), nullptr)
        << dc.all_text();
    EXPECT_TRUE(take_window_messages().empty());
}

TEST_F(IsothermWindow, IsothermAboveThePeakIsReportedTwiceAndLeavesNoStaleCurve) {
    use_made_up_field();
    run(default_levels);   // five curves, the last one at 1350
    progress_values.clear();
    std::vector<double> levels = default_levels;
    levels[4] = 1500;
    RecordingCanvas dc = run(levels);

    const auto messages = take_window_messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Given isotherm t=1500 > Maximal temperature =1400");
    EXPECT_EQ(messages[0].caption, "  Attention!");
    EXPECT_EQ(messages[1].text, messages[0].text);
    EXPECT_EQ(messages[1].caption, "  Message!");

    const IsothermResult r = isotherm_result();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(r.curves[i].valid, 1);
    EXPECT_EQ(r.curves[4].valid, 0);
    EXPECT_EQ(r.curves[4].H, nullptr);
    EXPECT_EQ(dc.polylines.size(), 12u);   // the 1350 curve of the last run is gone
    EXPECT_EQ(dc.all_text().find("t= 1350"), std::string::npos);
    EXPECT_NE(dc.all_text().find("t= 1300"), std::string::npos);
    // The legend names it on its own row, with no extent and no pen sample.
    const auto* line = dc.find_text("t= 1500  not reached in section z=0, cm: maximal temperature =1400");
    ASSERT_NE(line, nullptr) << dc.all_text();
    EXPECT_EQ(line->color, rgb(255, 0, 0));
    // The progress window was closed when the failure was reported.
    EXPECT_EQ(std::count(progress_values.begin(), progress_values.end(), -2), 2);
    EXPECT_FALSE(progress_dialog_state().open);
}

TEST_F(IsothermWindow, FirstIsothermAboveThePeakLetsTheNextOneScaleThePlot) {
    use_made_up_field();
    RecordingCanvas dc = run({1500, 500, 850, 1300, 1350, 0});
    const IsothermResult r = isotherm_result();
    EXPECT_EQ(r.curves[0].valid, 0);
    // The x axis runs over the 500 °C curve: its labels end near its radius.
    const double R = isotherm_radius(500);
    EXPECT_NEAR(r.curves[1].h_max, R, 1e-3);
    EXPECT_EQ(dc.polylines.size(), 12u);
    for (const auto& p : dc.polylines[0].points) EXPECT_LE(p.x, 943 + 1);
}

double minus_one() { return -1; }

struct SearchEndCase {
    IsothermTracer tracer;
    double T;
    const char* message;
};

// An isotherm at or below the initial temperature encloses the whole body:
// its searches run to the ends of their regions. The window says so for
// that isotherm and draws the others, instead of printing the ends of the
// searches (such as "-8000.00 < x < 1000.00") as the isotherm's size.
TEST_F(IsothermWindow, SearchThatRunsToItsEndIsReportedNotDrawn) {
    const SearchEndCase cases[] = {
        {trace_isotherm_xy, 20, "Isotherm t=20 reaches the end of the searched region at x=1000 [cm] and is not drawn"},
        {trace_isotherm_xy, 10, "Isotherm t=10 reaches the end of the searched region at x=1000 [cm] and is not drawn"},
        {trace_isotherm_xz, 20, "Isotherm t=20 reaches the end of the searched region at x=1000 [cm] and is not drawn"},
        {trace_isotherm_yz, 20, "Isotherm t=20 reaches the end of the searched region at y=-100 [cm] and is not drawn"},
    };
    for (const SearchEndCase& c : cases) {
        SCOPED_TRACE(c.message);
        use_made_up_field();
        current_isotherm_tracer = c.tracer;
        std::vector<double> levels = default_levels;
        levels[0] = c.T;
        RecordingCanvas dc = run(levels);
        const auto messages = take_window_messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].caption, "  Attention!");
        const IsothermResult r = isotherm_result();
        EXPECT_EQ(r.curves[0].valid, 0);
        for (int i = 1; i < 5; ++i) EXPECT_EQ(r.curves[i].valid, 1) << i;
        EXPECT_EQ(dc.polylines.size(), 12u);
        EXPECT_EQ(dc.all_text().find("1000.00"), std::string::npos) << dc.all_text();
        EXPECT_EQ(dc.all_text().find("100.00"), std::string::npos) << dc.all_text();
        EXPECT_FALSE(progress_dialog_state().open);
    }
}

// A source that runs backwards (or stands) sends every search to its end:
// one message naming the speed, and nothing drawn, not even the curves of
// the computation before.
TEST_F(IsothermWindow, SpeedThatIsNotPositiveGivesOneMessageAndNoPicture) {
    use_made_up_field();
    run(default_levels);
    current_model.velocity = minus_one;
    progress_values.clear();
    RecordingCanvas dc = run(default_levels);
    const auto messages = take_window_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "The welding speed must be positive: v=-1");
    EXPECT_TRUE(progress_values.empty());
    for (const IsothermCurve& c : isotherm_result().curves) EXPECT_EQ(c.valid, 0);
    EXPECT_TRUE(dc.polylines.empty());
    EXPECT_TRUE(dc.texts.empty());

    reset_program_state();
    scheme_state.ppr2.parameters.v = -0.1;
    run(default_levels);
    const auto scheme_messages = take_window_messages();
    ASSERT_EQ(scheme_messages.size(), 1u);
    EXPECT_EQ(scheme_messages[0].text, "The welding speed must be positive: v=-0.1");
}

TEST_F(IsothermWindow, DepthBeyondThePlateIsReportedAndClamped) {
    use_made_up_field();
    field_zmax = 5;
    run({300, 500, 850, 1300, 1350, 7});
    const auto messages = take_window_messages();
    ASSERT_GE(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "z exceeds thickness of a plate z=7 > thickness =5");
    EXPECT_EQ(messages[0].caption, "  Attention!");
    EXPECT_EQ(isotherm_result().s, 5);
}

struct SectionCase {
    IsothermTracer tracer;
    double entered;
    double used;
    const char* message;   // empty: none
};

class IsothermSectionCoordinate : public IsothermWindow,
                                  public ::testing::WithParamInterface<SectionCase> {};

// Each section's coordinate is judged against its own extent: depth for xy,
// the searched length along the weld for yz, the width for xz.
TEST_P(IsothermSectionCoordinate, IsCheckedAgainstItsOwnSection) {
    const SectionCase& c = GetParam();
    use_made_up_field();
    current_isotherm_tracer = c.tracer;
    run({300, 500, 850, 1300, 1350, c.entered});
    EXPECT_EQ(isotherm_result().s, c.used);
    const auto messages = take_window_messages();
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(messages.empty());
    } else {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
    }
}

std::string section_case_name(const ::testing::TestParamInfo<SectionCase>& info) {
    static const char* const names[] = {"xy_negative_depth", "yz_behind_source", "xz_aside",
                                        "xz_beyond_width", "yz_beyond_length"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Sections, IsothermSectionCoordinate,
    ::testing::Values(
        SectionCase{trace_isotherm_xy, -2, 0, ""},
        SectionCase{trace_isotherm_yz, -2, -2, ""},
        SectionCase{trace_isotherm_xz, -2, -2, ""},
        SectionCase{trace_isotherm_xz, 150, 100,
                    "y is outside the width of the body y=150, limits -100 ... 100"},
        SectionCase{trace_isotherm_yz, -9000, -8000,
                    "x is outside the computed length x=-9000, limits -8000 ... 1000"}),
    section_case_name);

TEST_F(IsothermWindow, ThinPlateIsTracedAtItsSurface) {
    install_scheme(1);
    RecordingCanvas dc = run({300, 500, 850, 1300, 1500, 3});
    EXPECT_EQ(isotherm_result().s, 0);
    EXPECT_NE(dc.find_text("Fig.2. Isotermal curves in section z=0, cm"), nullptr)
        << dc.all_text();
}

TEST_F(IsothermWindow, TransverseAndLongitudinalSectionsLieBelowTheSurface) {
    use_made_up_field();
    for (IsothermTracer tracer : {trace_isotherm_yz, trace_isotherm_xz}) {
        current_isotherm_tracer = tracer;
        RecordingCanvas dc = run(default_levels);
        const IsothermResult r = isotherm_result();
        for (const IsothermCurve& c : r.curves) {
            ASSERT_EQ(c.valid, 1);
            EXPECT_LE(c.v_max, 0);
        }
        // The deepest point of the 300 °C curve lies under the source.
        EXPECT_NEAR(r.curves[0].v_min, -isotherm_radius(300), 2e-3);
        const bool weld_line = std::any_of(dc.lines.begin(), dc.lines.end(), [](const auto& l) {
            return l.pen == Pen{PenStyle::solid, 2, rgb(255, 0, 0)};
        });
        EXPECT_EQ(weld_line, tracer == trace_isotherm_xz);
    }
}

TEST_F(IsothermWindow, YzCurveRunsFromSurfaceToSurface) {
    use_made_up_field();
    current_isotherm_tracer = trace_isotherm_yz;
    run(default_levels);
    const IsothermCurve& c = isotherm_result().curves[0];
    const double R = isotherm_radius(300);
    EXPECT_NEAR(c.H[0], -R, 1e-3);
    EXPECT_NEAR(c.H[80], R, 1e-3);
    EXPECT_EQ(c.V[0], 0);
    EXPECT_EQ(c.V[80], 0);
    EXPECT_NEAR(c.V[40], -R, 1e-3);   // the deepest point, under the weld line
}

struct NotReachedCase {
    IsothermTracer tracer;
    double s;
    int traced;              // isotherms whose curve is drawn
    const char* first_line;  // the legend's line of the first isotherm not reached
};

// An isotherm that the section's peak does not reach is not in the section:
// no curve, no extent of a point where the searches stopped ("0.00 < z <
// 0.00"), but its row of the legend names it with the section's peak. The
// yz and xz sections say so on the window alone. 2 cm aside the made-up
// field peaks at 1094.75 °C, 50 cm aside or ahead at the initial 20 °C.
TEST_F(IsothermWindow, IsothermsTheSectionDoesNotReachAreNamedNotDrawn) {
    const NotReachedCase cases[] = {
        {trace_isotherm_xz, 2, 3, "t= 1300  not reached in section y=2, cm: maximal temperature =1094.75"},
        {trace_isotherm_yz, 2, 3, "t= 1300  not reached in section x=2, cm: maximal temperature =1094.75"},
        {trace_isotherm_xz, 50, 0, "t=  300  not reached in section y=50, cm: maximal temperature =20"},
        {trace_isotherm_yz, 50, 0, "t=  300  not reached in section x=50, cm: maximal temperature =20"},
    };
    for (const NotReachedCase& c : cases) {
        SCOPED_TRACE(c.first_line);
        use_made_up_field();
        current_isotherm_tracer = c.tracer;
        RecordingCanvas dc = run({300, 500, 850, 1300, 1350, c.s});
        EXPECT_TRUE(take_window_messages().empty());
        const IsothermResult r = isotherm_result();
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(r.curves[i].valid, i < c.traced ? 1 : 0) << i;
            EXPECT_EQ(r.curves[i].not_reached, i < c.traced ? 0 : 1) << i;
        }
        EXPECT_EQ(dc.polylines.size(), 3u * c.traced);
        const auto* line = dc.find_text(c.first_line);
        ASSERT_NE(line, nullptr) << dc.all_text();
        // On the row of its isotherm in the legend (rows of 27 px below the
        // plot's bottom at 390, from the third on), no other text over it.
        EXPECT_EQ(line->y, 390 + (c.traced + 3) * 27);
        EXPECT_EQ(line->x, 135);
        EXPECT_EQ(dc.all_text().find("0.00 < z < 0.00"), std::string::npos);
        EXPECT_TRUE(texts_over(dc, *line).empty()) << ::testing::PrintToString(texts_over(dc, *line));
        // Without a curve there is no plot: no axes, grid or weld line.
        if (c.traced == 0) {
            EXPECT_TRUE(dc.lines.empty());
        }
    }
}

struct IsothermTitleCase {
    Language language;
    const char* figure;
    const char* heading;
};

class IsothermTitles : public IsothermWindow,
                       public ::testing::WithParamInterface<IsothermTitleCase> {};

// A 1024 x 768 window: H23 = 33, H28 = 27, the plot from (135, 81) to (943, 390).
TEST_P(IsothermTitles, TitlesWhereTheLayoutPutsThem) {
    const IsothermTitleCase& c = GetParam();
    set_language(c.language);
    RecordingCanvas dc = run({300, 500, 850, 1300, 1500, 0});

    const auto* figure = dc.find_text(c.figure);
    ASSERT_NE(figure, nullptr) << dc.all_text();
    EXPECT_EQ(figure->x, 135);
    EXPECT_EQ(figure->y, 768 - 6 * 27);
    EXPECT_EQ(figure->font.height, 27);
    EXPECT_EQ(figure->color, rgb(0, 0, 0));

    const auto* heading = dc.find_text(c.heading);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->x, 3 * 135);
    EXPECT_EQ(heading->y, 390 + 2 * 27);

    RecordingCanvas measure;
    FontRecord big = figure->font;
    big.height = 33;
    measure.select_font(big);
    const Size cell = measure.text_extent("Y, cm");
    const auto* vertical = dc.find_text("Y, cm");
    ASSERT_NE(vertical, nullptr);
    EXPECT_EQ(vertical->x, 135 - cell.cx);
    EXPECT_EQ(vertical->y, 81 - cell.cy + 1);
    EXPECT_EQ(vertical->color, rgb(0, 0, 128));
    const auto* horizontal = dc.find_text("X, cm");
    ASSERT_NE(horizontal, nullptr);
    EXPECT_EQ(horizontal->x, 944);
    EXPECT_EQ(horizontal->y, 390 + 2 * cell.cy);

    // The first legend row and its pen sample.
    const auto row = std::find_if(dc.texts.begin(), dc.texts.end(), [](const auto& t) {
        return t.text.rfind("t=  300", 0) == 0;
    });
    ASSERT_NE(row, dc.texts.end());
    EXPECT_EQ(row->x, 135);
    EXPECT_EQ(row->y, 390 + 3 * 27);
    EXPECT_EQ(row->color, rgb(0, 0, 255));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, IsothermTitles,
    ::testing::Values(
        IsothermTitleCase{Language::english, "Fig.2. Isotermal curves in section z=0, cm",
                          "The sizes of isotermes:"},
        IsothermTitleCase{Language::ukrainian, "Мал.2. Ізолінії в розрізі z=0, cm",
                          "Розміри ізотерм:"}),
    [](const auto& info) { return info.param.language == Language::english ? "English" : "Ukrainian"; });

TEST_F(IsothermWindow, TwoPlatesAreLabelledBelowAndAboveThePlot) {
    install_scheme(4);
    RecordingCanvas dc = run({300, 500, 850, 1300, 1500, 0});
    const auto* plate1 = dc.find_text("Plate #1");
    const auto* plate2 = dc.find_text("Plate #2");
    ASSERT_NE(plate1, nullptr) << dc.all_text();
    ASSERT_NE(plate2, nullptr);
    EXPECT_EQ(plate1->y, 390 - plate1->font.height);
    EXPECT_EQ(plate2->y, 81 - plate2->font.height);
    EXPECT_EQ(plate1->x, plate2->x);
    // The lower half is bounded by plate 1 (16 cm), the upper by plate 2 (4 cm).
    for (const IsothermCurve& c : isotherm_result().curves) {
        if (!c.valid) continue;
        EXPECT_GE(c.v_min, -16);
        EXPECT_LE(c.v_max, 4);
    }
}

TEST_F(IsothermWindow, OneBodyHasNoPlateLabels) {
    RecordingCanvas dc = run(default_levels);
    EXPECT_EQ(dc.find_text("Plate #1"), nullptr);
}

TEST_F(IsothermWindow, AnyStepCountStaysInsideTheCurves) {
    use_made_up_field();
    for (IsothermTracer tracer : {trace_isotherm_xy, trace_isotherm_yz, trace_isotherm_xz}) {
        current_isotherm_tracer = tracer;
        RecordingCanvas dc = run(default_levels, 120);
        EXPECT_EQ(isotherm_result().curves[0].points, 241);
        ASSERT_FALSE(dc.polylines.empty());
        EXPECT_EQ(dc.polylines[0].points.size(), 241u);
    }
}

std::vector<Rect> panel_rects;
void recording_panel(Canvas&, Rect rect, int, int, int, int) { panel_rects.push_back(rect); }

TEST_F(IsothermWindow, PrintedWindowLaysOutOnThePrinterPlotRectangle) {
    panel_rects.clear();
    current_model.draw_panel = recording_panel;
    RecordingCanvas printer;
    printer.set_printer(true);
    DeviceCaps landscape = printer.caps();
    landscape.horz_res = 6800;
    landscape.horz_size_mm = 288;
    landscape.vert_res = 4800;
    landscape.vert_size_mm = 203;
    printer.set_caps(landscape);
    const std::vector<double> record = {300, 500, 850, 1300, 1500, 0};
    isotherm_window(record.data(), 40, nullptr, printer, 0, 1);
    printer.clear();
    isotherm_window(record.data(), 40, nullptr, printer, 1, 1);
    const Rect page{589, 598, 6225, 4432};
    ASSERT_FALSE(printer.shapes.empty());
    EXPECT_EQ(printer.shapes.front().box, page);
    ASSERT_EQ(panel_rects.size(), 2u);
    EXPECT_EQ(panel_rects[1], page);
    const int h = (4432 - 598) / 28;
    const int plot_left = 589 + 5 * h;
    const auto* heading = printer.find_text("The sizes of isotermes:");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->x, 589 + 3 * (plot_left - 589));   // inside the page, as on the screen
    const auto* title = printer.find_text("2. Welding of semiinfinite body");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 589 + 2 * (plot_left - 589));
    EXPECT_EQ(title->y, 598 + 3);
}

TEST_F(IsothermWindow, ProgressOpensAndClosesAroundTheComputation) {
    use_made_up_field();
    run(default_levels);
    ASSERT_FALSE(progress_values.empty());
    EXPECT_EQ(progress_values.front(), -1);
    EXPECT_EQ(progress_values.back(), -2);
    EXPECT_EQ(std::count(progress_values.begin(), progress_values.end(), -1), 1);
    EXPECT_FALSE(progress_dialog_state().open);
}

// A tracer keeps nothing between calls: traced side by side on the point
// workers, each with its own record, every section gives the curves, peaks
// and search ends it gives in turn, and no worker touches the progress.
TEST_F(IsothermWindow, TracersRunSideBySideOnTheWorkers) {
    use_made_up_field();
    struct Job {
        IsothermTracer tracer;
        double T, s;
    };
    std::vector<Job> jobs;
    for (IsothermTracer tracer : {trace_isotherm_xy, trace_isotherm_yz, trace_isotherm_xz})
        for (double T : {300.0, 850.0, 1300.0})
            for (double s : {0.0, 2.0}) jobs.push_back({tracer, T, s});
    const int n = 20;
    struct Traced {
        int result = -1;
        IsothermTrace trace;
        std::vector<double> H, V;
    };
    const auto trace_job = [&](const Job& job) {
        Traced t;
        t.H.assign(2 * n + 2, 0.0);
        t.V.assign(2 * n + 2, 0.0);
        t.result = job.tracer(job.T, job.s, t.H.data(), t.V.data(), n, t.trace);
        return t;
    };
    std::vector<Traced> in_turn;
    for (const Job& job : jobs) in_turn.push_back(trace_job(job));
    set_point_workers(4);
    std::vector<Traced> side_by_side(jobs.size());
    compute_points_showing(
        static_cast<int>(jobs.size()), [&](int i) { side_by_side[i] = trace_job(jobs[i]); }, nullptr, nullptr);
    set_point_workers(0);
    int above_peak = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(side_by_side[i].result, in_turn[i].result);
        EXPECT_EQ(side_by_side[i].H, in_turn[i].H);
        EXPECT_EQ(side_by_side[i].V, in_turn[i].V);
        EXPECT_EQ(side_by_side[i].trace.peak_temperature, in_turn[i].trace.peak_temperature);
        if (in_turn[i].result == isotherm_above_peak) {
            ++above_peak;
            // 2 cm off the source the made-up field peaks at 1094.75 °C.
            EXPECT_NEAR(in_turn[i].trace.peak_temperature, 1094.75, 0.01);
        }
    }
    EXPECT_EQ(above_peak, 3);   // 1300 °C in each section 2 cm off the source
    EXPECT_TRUE(progress_values.empty());
}

}  // namespace

// Records no dialog should let through still give a message or a picture,
// never a crash: not-a-number, infinite and absurd values in every field.
TEST(TemperatureWindowsRobustness, UnusableRecordsNeverBreakTheWindows) {
    reset_program_state();
    take_window_messages();
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    const std::vector<std::vector<double>> records = {
        {nan, nan, nan, nan, nan, nan}, {inf, -inf, inf, -inf, inf, -inf},
        {1e300, -1e300, 1e300, 1e300, -1e300, 1e300}, {0, 0, -50, -20, 0, 0}};
    for (IsothermTracer tracer : {trace_isotherm_xy, trace_isotherm_yz, trace_isotherm_xz}) {
        current_isotherm_tracer = tracer;
        for (const auto& record : records) {
            std::vector<double> padded = record;
            padded.resize(point_record_size, 0);
            RecordingCanvas dc;
            thermal_cycle_window(padded.data(), 50, nullptr, dc, 0, 0);
            thermal_cycle_window(padded.data(), 50, nullptr, dc, 1, 0);
            cooling_rate_window(padded.data(), 50, nullptr, dc, 1, 0);   // no file on a repaint
            isotherm_window(padded.data(), 40, nullptr, dc, 0, 0);
            isotherm_window(padded.data(), 40, nullptr, dc, 1, 0);
        }
    }
    EXPECT_FALSE(progress_dialog_state().open);
    take_window_messages();
}
