// The thermal-cycle windows of the oscillating, pulsed and composite schemes,
// on small stand-in schemes whose temperatures are known exactly: what each
// samples, the progress it reports, the axes it builds and the layout it
// draws on the screen and on a printer page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "lang.h"
#include "point_workers.h"
#include "progress_dialog.h"
#include "recording_canvas.h"
#include "temperature_windows.h"
#include "window_test_support.h"

namespace {

std::vector<int> progress_values;
void hear_progress(int value) { progress_values.push_back(value); }

std::vector<Rect> panel_rects;
void recording_panel(Canvas&, Rect rect, int, int, int, int) { panel_rects.push_back(rect); }

void stand_in_summary(char* line1, char* line2, char* title) {
    line1[0] = 0;
    line2[0] = 0;
    std::snprintf(title, heat_text_size, "%s", "99. Stand-in scheme");
}

// Stand-in temperatures: a straight line in time whose slope the tests set,
// or a table of values by call.
double slope = 10;
std::vector<double> scripted;   // when not empty, the i-th call returns scripted[i]
std::vector<FieldGap> scripted_gaps;   // and, when not empty, gives the i-th reason
int calls = 0;
double scripted_or(double T) {
    const auto i = static_cast<std::size_t>(calls++);
    clear_field_gap();
    if (!scripted_gaps.empty() && scripted_gaps[i % scripted_gaps.size()] != FieldGap::none)
        return field_gap(scripted_gaps[i % scripted_gaps.size()]);
    if (!scripted.empty()) return scripted[i % scripted.size()];
    return T;
}
double seen_x = -1;
std::vector<double> seen_z;

double oscillating_temperature(double t, double, double z) {
    seen_z.push_back(z);
    return scripted_or(20 + slope * t);
}
void oscillating_point(const double* record) { seen_x = record[oscillating_x]; }

double pulse_from = -3490, pulse_to = 1530;
void pulse_window(double& from, double& to) {
    from = pulse_from;
    to = pulse_to;
}
std::vector<double> seen_t;
double pulse_temperature(double x, double, double z, double t) {
    seen_t.push_back(t);
    seen_z.push_back(z);
    return scripted_or(20 + std::abs(x));
}

double pulse_speed = 2;
double pulse_velocity() { return pulse_speed; }

double composite_temperature(double t, double, double z) {
    seen_z.push_back(z);
    return scripted_or(20 + slope * t);
}

enum class Kind { oscillating, pulse, composite };

void install(Kind kind) {
    current_model = HeatSourceModel{};
    current_model.summary = stand_in_summary;
    current_model.draw_panel = recording_panel;
    switch (kind) {
    case Kind::oscillating:
        current_model.temperature = oscillating_temperature;
        current_model.set_oscillation_point = oscillating_point;
        current_model.cycle_routine = oscillating_thermal_cycle_window;
        break;
    case Kind::pulse:
        current_model.pulse_temperature = pulse_temperature;
        current_model.pulse_time_window = pulse_window;
        current_model.velocity = pulse_velocity;
        current_model.cycle_routine = pulse_thermal_cycle_window;
        break;
    case Kind::composite:
        current_model.temperature = composite_temperature;
        current_model.cycle_routine = composite_thermal_cycle_window;
        break;
    }
}

TimeCycleResult result_of(Kind kind) {
    switch (kind) {
    case Kind::oscillating: return oscillating_cycle_result();
    case Kind::pulse: return pulse_cycle_result();
    case Kind::composite: return composite_cycle_result();
    }
    return {};
}

class TimeDomainCycles : public ::testing::Test {
protected:
    void SetUp() override {
        reset_program_state();
        set_language(Language::english);
        progress_values.clear();
        panel_rects.clear();
        scripted.clear();
        scripted_gaps.clear();
        seen_t.clear();
        seen_z.clear();
        calls = 0;
        slope = 10;
        seen_x = -1;
        pulse_from = -3490;
        pulse_to = 1530;
        pulse_speed = 2;
        // The stand-in schemes keep their calls in order on one thread.
        set_point_workers(1);
        set_progress_observer(hear_progress);
        take_window_messages();
    }
    void TearDown() override {
        set_point_workers(0);
        set_progress_observer(nullptr);
        set_language(Language::english);
        reset_program_state();
    }
    static void compute(Kind kind, std::vector<double> record, int steps = 50) {
        install(kind);
        record.resize(point_record_size);
        RecordingCanvas dc;
        current_model.cycle_routine(record.data(), steps, nullptr, dc, 0, 0);
    }
    static RecordingCanvas draw() {
        RecordingCanvas dc;
        current_model.cycle_routine(nullptr, 50, nullptr, dc, 1, 0);
        return dc;
    }
};

// The plot rectangle is the grey dotted frame.
Rect plot_frame(const RecordingCanvas& dc) {
    const auto plot = std::find_if(dc.shapes.begin(), dc.shapes.end(), [](const auto& s) {
        return s.kind == RecordingCanvas::ShapeKind::rectangle && s.pen.style == PenStyle::dot;
    });
    return plot == dc.shapes.end() ? Rect{} : plot->box;
}

TEST_F(TimeDomainCycles, OscillatingSamplesTheDialogsIntervalAtThePoint) {
    compute(Kind::oscillating, {1, 0.25, 0.7, 60, 75});
    const TimeCycleResult r = oscillating_cycle_result();
    ASSERT_EQ(r.steps, 50);
    EXPECT_EQ(seen_x, 0.7);   // the scheme was told where the point lies along the weld
    EXPECT_EQ(r.y, 1);
    EXPECT_EQ(r.z, 0.25);
    for (int i = 0; i <= 50; ++i) EXPECT_NEAR(r.time[i], 60 + 0.3 * i, 1e-9) << i;
    EXPECT_DOUBLE_EQ(r.temp[0], 620);
    EXPECT_NEAR(r.temp[50], 770, 1e-6);
    EXPECT_TRUE(std::all_of(seen_z.begin(), seen_z.end(), [](double z) { return z == 0.25; }));
}

TEST_F(TimeDomainCycles, CompositeRunsFromTheStartTimeDownToThePassageAtTheSurface) {
    compute(Kind::composite, {0.05, 30});
    const TimeCycleResult r = composite_cycle_result();
    ASSERT_EQ(r.steps, 50);
    const double first[] = {30, 29.4, 28.8};
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(r.time[i], first[i], 1e-9);
    EXPECT_NEAR(r.time[49], 0.6, 1e-9);
    EXPECT_EQ(r.time[50], 0);
    EXPECT_EQ(r.t_min, 0);
    EXPECT_EQ(r.z, 0);
    EXPECT_TRUE(std::all_of(seen_z.begin(), seen_z.end(), [](double z) { return z == 0; }));
    EXPECT_EQ(r.start, 30);
}

// The scheme gives its field along the weld: a sample at x is the moment
// -x/v after the source passed, and the cycle runs forward in time from the
// sample farthest ahead to the one farthest behind.
TEST_F(TimeDomainCycles, PulseSamplesTheSchemesRangeAndDrawsThemAgainstTime) {
    compute(Kind::pulse, {0.05, 0.1});
    const TimeCycleResult r = pulse_cycle_result();
    ASSERT_EQ(r.steps, 50);
    EXPECT_EQ(r.start, -765);   // 1530 cm ahead at 2 cm/s
    EXPECT_EQ(r.end, 1745);     // 3490 cm behind
    ASSERT_EQ(seen_t.size(), 51u);
    // Along the weld in steps of 100.4 cm, the abscissa passed as the time
    // argument too; drawn from the last sample back.
    EXPECT_EQ(seen_t[0], -3490);
    EXPECT_NEAR(seen_t[1], -3389.6, 1e-9);
    EXPECT_NEAR(seen_t[50], 1530, 1e-6);
    for (int i = 0; i <= 50; ++i) {
        EXPECT_EQ(r.time[i], -seen_t[50 - i] / 2) << i;
        EXPECT_EQ(r.temp[i], std::min(2500.0, 20 + std::abs(seen_t[50 - i]))) << i;
    }
    EXPECT_NEAR(r.time[0], -765, 1e-6);
    EXPECT_EQ(r.time[50], 1745);
    EXPECT_TRUE(std::is_sorted(r.time, r.time + 51));
    EXPECT_EQ(r.t_min, r.time[0]);
    EXPECT_EQ(r.t_max, r.time[50]);
    EXPECT_TRUE(std::all_of(seen_z.begin(), seen_z.end(), [](double z) { return z == 0.1; }));
}

// A source that does not move passes no point: no sample can be placed in
// time, and the window says so once.
TEST_F(TimeDomainCycles, PulseSourceAtRestHasNoCycle) {
    pulse_speed = 0;
    compute(Kind::pulse, {0.05, 0});
    const TimeCycleResult r = pulse_cycle_result();
    EXPECT_TRUE(std::all_of(r.temp, r.temp + 51, [](double T) { return std::isnan(T); }));
    EXPECT_TRUE(seen_t.empty());
    const auto messages = take_window_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("51 of 51 points"), std::string::npos) << messages[0].text;
}

TEST_F(TimeDomainCycles, PulseRangeWithEqualEndsStartsAtZero) {
    pulse_from = pulse_to = 40;
    compute(Kind::pulse, {0.05, 0});
    const TimeCycleResult r = pulse_cycle_result();
    EXPECT_EQ(r.time[50], 0);      // the range from 0 ...
    EXPECT_NEAR(r.time[0], -20, 1e-9);   // ... to 40 cm ahead, at 2 cm/s
    // Both ends zero: every sample at 0; the axis still gets a width.
    pulse_from = pulse_to = 0;
    compute(Kind::pulse, {0.05, 0});
    const TimeCycleResult z = pulse_cycle_result();
    EXPECT_EQ(z.time[0], 0);
    EXPECT_LT(z.t_min, z.t_max);
    EXPECT_FALSE(draw().polylines.empty());
}

struct KindCase {
    Kind kind;
    const char* name;
};
class EachTimeDomainCycle : public TimeDomainCycles, public ::testing::WithParamInterface<KindCase> {
protected:
    // Where the scheme's i-th sample is stored: the pulsed window keeps its
    // samples forward in time, the last one computed first.
    static int stored(int i) { return GetParam().kind == Kind::pulse ? 50 - i : i; }
    // A record each window takes: the oscillating one a time interval, the
    // composite one a start time, the pulsed one a point.
    static std::vector<double> record(Kind kind) {
        switch (kind) {
        case Kind::oscillating: return {1, 0, 0, 60, 75};
        case Kind::pulse: return {0.05, 0};
        case Kind::composite: return {0.05, 30};
        }
        return {};
    }
};

TEST_P(EachTimeDomainCycle, ReportsProgressFromOpeningToClosing) {
    compute(GetParam().kind, record(GetParam().kind));
    ASSERT_EQ(progress_values.size(), 1u + 51u + 1u);
    EXPECT_EQ(progress_values.front(), -1);
    EXPECT_EQ(progress_values[1], 8);
    EXPECT_EQ(progress_values[2], 10);
    EXPECT_EQ(progress_values[3], 12);
    EXPECT_EQ(progress_values[51], 108);
    EXPECT_EQ(progress_values.back(), -2);
    EXPECT_FALSE(progress_dialog_state().open);
}

TEST_P(EachTimeDomainCycle, CapsHotSamplesAndKeepsEverySampleInsideTheFrame) {
    // The hottest sample is the last one: 3000 °C is stored as 2500, and the
    // axes reach it, so the curve never leaves the frame.
    std::vector<double> temps(51);
    for (int i = 0; i <= 50; ++i) temps[i] = 100 + 10 * i;
    temps[50] = 3000;
    scripted = temps;
    compute(GetParam().kind, record(GetParam().kind));
    const TimeCycleResult r = result_of(GetParam().kind);
    EXPECT_EQ(r.temp[stored(50)], 2500);
    EXPECT_EQ(r.T_max, 2500);
    EXPECT_EQ(r.T_min, 100);
    EXPECT_EQ(r.t_min, *std::min_element(r.time, r.time + 51));
    EXPECT_EQ(r.t_max, *std::max_element(r.time, r.time + 51));

    const RecordingCanvas dc = draw();
    ASSERT_EQ(dc.polylines.size(), 1u);
    const Rect plot = plot_frame(dc);
    ASSERT_NE(plot, Rect{});
    EXPECT_EQ(dc.polylines[0].points.size(), 51u);
    for (const Point& p : dc.polylines[0].points) {
        EXPECT_GE(p.x, plot.left);
        EXPECT_LE(p.x, plot.right);
        EXPECT_GE(p.y, plot.top);
        EXPECT_LE(p.y, plot.bottom);
    }
    EXPECT_EQ(dc.polylines[0].pen.color, rgb(128, 0, 0));
    EXPECT_EQ(dc.polylines[0].pen.width, 2);
}

TEST_P(EachTimeDomainCycle, SamplesThatAreNotNumbersNeitherScaleTheAxesNorReachTheCurve) {
    std::vector<double> temps(51, 400);
    temps[10] = std::numeric_limits<double>::quiet_NaN();
    temps[20] = -std::numeric_limits<double>::infinity();
    temps[30] = std::numeric_limits<double>::infinity();   // a singular point: hot
    temps[40] = 900;
    scripted = temps;
    compute(GetParam().kind, record(GetParam().kind));
    const TimeCycleResult r = result_of(GetParam().kind);
    EXPECT_TRUE(std::isnan(r.temp[stored(10)]));
    EXPECT_TRUE(std::isnan(r.temp[stored(20)]));
    EXPECT_EQ(r.temp[stored(30)], 2500);
    EXPECT_EQ(r.T_min, 400);
    EXPECT_EQ(r.T_max, 2500);
    // The two samples that are not numbers are gaps: three pieces of curve,
    // none joined across a gap.
    const RecordingCanvas dc = draw();
    ASSERT_EQ(dc.polylines.size(), 3u);
    const bool reversed = GetParam().kind == Kind::pulse;
    EXPECT_EQ(dc.polylines[0].points.size(), reversed ? 30u : 10u);
    EXPECT_EQ(dc.polylines[1].points.size(), 9u);
    EXPECT_EQ(dc.polylines[2].points.size(), reversed ? 10u : 30u);

    // Nothing usable at all: the window draws its frame and texts, no curve.
    scripted.assign(51, std::numeric_limits<double>::quiet_NaN());
    calls = 0;
    compute(GetParam().kind, record(GetParam().kind));
    const RecordingCanvas empty = draw();
    EXPECT_TRUE(empty.polylines.empty());
    EXPECT_NE(empty.find_text("99. Stand-in scheme"), nullptr);
}

// Samples the scheme has no field for are left out of the curve and counted
// by their reason in one message, shown when the window is computed and not
// again at a repaint.
TEST_P(EachTimeDomainCycle, SamplesWithoutAFieldAreLeftOutAndReportedOnce) {
    scripted.assign(51, 400);
    scripted[7] = std::numeric_limits<double>::quiet_NaN();   // no reason given
    scripted_gaps.assign(51, FieldGap::none);
    for (int i = 40; i <= 50; ++i) scripted_gaps[static_cast<std::size_t>(i)] = FieldGap::cycle_cap;
    compute(GetParam().kind, record(GetParam().kind));
    const std::vector<ShownMessage> shown = take_window_messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "12 of 51 points of the thermal cycle are not drawn: the temperature there is not a "
              "number; the sum would need more than 1000000 cycles of the source.");
    EXPECT_EQ(shown[0].caption, "  Attention!");
    const TimeCycleResult r = result_of(GetParam().kind);
    EXPECT_TRUE(std::isnan(r.temp[stored(45)]));
    EXPECT_EQ(r.T_min, 400);
    const RecordingCanvas dc = draw();
    std::size_t drawn = 0;
    for (const auto& line : dc.polylines) drawn += line.points.size();
    EXPECT_EQ(drawn, 39u);
    EXPECT_TRUE(take_window_messages().empty());

    // Every sample without a field: the message, and no curve.
    scripted_gaps.assign(51, FieldGap::unusable_data);
    compute(GetParam().kind, record(GetParam().kind));
    const std::vector<ShownMessage> none = take_window_messages();
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].text, "51 of 51 points of the thermal cycle are not drawn: the data of the "
                            "scheme give no temperature field.");
    EXPECT_TRUE(draw().polylines.empty());
}

TEST_P(EachTimeDomainCycle, FlatCurveGetsATemperatureAxis25High) {
    scripted.assign(51, 300);
    compute(GetParam().kind, record(GetParam().kind));
    const TimeCycleResult r = result_of(GetParam().kind);
    EXPECT_EQ(r.T_min, 300);
    EXPECT_EQ(r.T_max, 325);
}

TEST_P(EachTimeDomainCycle, RepaintDrawsTheLastComputationWithoutComputing) {
    compute(GetParam().kind, record(GetParam().kind));
    progress_values.clear();
    const int before = calls;
    const RecordingCanvas first = draw();
    slope = 99;
    const RecordingCanvas second = draw();
    EXPECT_EQ(calls, before);
    EXPECT_TRUE(progress_values.empty());
    ASSERT_EQ(first.polylines.size(), 1u);
    EXPECT_EQ(first.polylines[0].points, second.polylines[0].points);
}

TEST_P(EachTimeDomainCycle, WithoutTheSchemesOperationsNothingIsComputedAndNothingStaysOpen) {
    compute(GetParam().kind, record(GetParam().kind));
    const double kept = result_of(GetParam().kind).temp[5];
    progress_values.clear();
    current_model.temperature = nullptr;
    current_model.pulse_temperature = nullptr;
    std::vector<double> rec = record(GetParam().kind);
    rec.resize(point_record_size);
    RecordingCanvas dc;
    current_model.cycle_routine(rec.data(), 50, nullptr, dc, 0, 0);
    EXPECT_TRUE(progress_values.empty());
    EXPECT_EQ(result_of(GetParam().kind).temp[5], kept);
    EXPECT_FALSE(progress_dialog_state().open);
}

// A printed cycle lays out on the printer's plot rectangle, as the cycle of
// the quasi-stationary schemes does, not on a screen-sized corner of the page.
TEST_P(EachTimeDomainCycle, PrintedCycleLaysOutOnThePrinterPlotRectangle) {
    install(GetParam().kind);
    RecordingCanvas printer;
    printer.set_printer(true);
    DeviceCaps a4 = printer.caps();
    a4.horz_res = 4800;
    a4.horz_size_mm = 203;
    a4.vert_res = 6800;
    a4.vert_size_mm = 288;
    printer.set_caps(a4);
    std::vector<double> rec = record(GetParam().kind);
    rec.resize(point_record_size);
    current_model.cycle_routine(rec.data(), 50, nullptr, printer, 0, 1);
    current_model.cycle_routine(rec.data(), 50, nullptr, printer, 1, 1);

    const Rect page{575, 598, 4455, 3236};
    ASSERT_FALSE(printer.shapes.empty());
    EXPECT_EQ(printer.shapes.front().box, page);
    ASSERT_EQ(panel_rects.size(), 1u);
    EXPECT_EQ(panel_rects[0], page);
    const auto* title = printer.find_text("99. Stand-in scheme");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font.height, (3236 - 598) / 23);
    const Rect plot = plot_frame(printer);
    EXPECT_GT(plot.left, page.left);
    EXPECT_LT(plot.right, page.right);
    EXPECT_LT(plot.bottom, page.bottom);
}

INSTANTIATE_TEST_SUITE_P(Windows, EachTimeDomainCycle,
                         ::testing::Values(KindCase{Kind::oscillating, "oscillating"},
                                           KindCase{Kind::pulse, "pulse"},
                                           KindCase{Kind::composite, "composite"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TimeDomainCycles, OscillatingIntervalEnteredBackwardsIsSampledBackwards) {
    compute(Kind::oscillating, {1, 0, 0, 75, 60});
    const TimeCycleResult r = oscillating_cycle_result();
    EXPECT_EQ(r.time[0], 75);
    EXPECT_NEAR(r.time[50], 60, 1e-9);
    EXPECT_NEAR(r.t_min, 60, 1e-9);
    EXPECT_EQ(r.t_max, 75);
    EXPECT_EQ(draw().polylines.size(), 1u);
}

// A zero-long interval (t1 = t2, a start time of 0) neither divides by zero
// nor leaves the axes without a width.
TEST_F(TimeDomainCycles, ZeroLongIntervalsStillGetAnAxis) {
    for (const auto& [kind, rec] : {std::pair{Kind::oscillating, std::vector<double>{1, 0, 0, 60, 60}},
                                    std::pair{Kind::composite, std::vector<double>{0.05, 0}}}) {
        compute(kind, rec);
        const TimeCycleResult r = result_of(kind);
        ASSERT_EQ(r.steps, 50);
        EXPECT_EQ(r.time[0], r.time[50]);
        EXPECT_TRUE(std::isfinite(r.temp[50]));
        EXPECT_EQ(r.t_max - r.t_min, 1);
        const RecordingCanvas dc = draw();
        ASSERT_EQ(dc.polylines.size(), 1u);
        EXPECT_NE(dc.find_text("Time, sec"), nullptr);
    }
}

// The arrays follow the step count: far more than fifty steps are stored
// whole, and fewer than one is taken as one.
TEST_F(TimeDomainCycles, OscillatingArraysFollowTheStepCount) {
    compute(Kind::oscillating, {1, 0, 0, 0, 100}, 400);
    TimeCycleResult r = oscillating_cycle_result();
    ASSERT_EQ(r.steps, 400);
    EXPECT_NEAR(r.time[400], 100, 1e-9);
    EXPECT_EQ(draw().polylines[0].points.size(), 401u);
    compute(Kind::oscillating, {1, 0, 0, 0, 100}, 0);
    r = oscillating_cycle_result();
    ASSERT_EQ(r.steps, 1);
    EXPECT_NEAR(r.time[1], 100, 1e-9);
}

// The pulsed and composite windows take 51 samples whatever the step count,
// and their repaint draws what is stored, whatever count the caller passes.
TEST_F(TimeDomainCycles, PulseAndCompositeKeepFiftyStepsWhateverTheCallerSays) {
    for (Kind kind : {Kind::pulse, Kind::composite}) {
        compute(kind, kind == Kind::pulse ? std::vector<double>{0.05, 0} : std::vector<double>{0.05, 30}, 400);
        EXPECT_EQ(result_of(kind).steps, 50);
        RecordingCanvas dc;
        current_model.cycle_routine(nullptr, 400, nullptr, dc, 1, 0);
        ASSERT_EQ(dc.polylines.size(), 1u);
        EXPECT_EQ(dc.polylines[0].points.size(), 51u);
    }
}

struct TitleCase {
    Kind kind;
    Language language;
    const char* caption;
    const char* temperature_title;
    const char* time_title;
    Rgb temperature_color;
    bool temperature_with_zero;
    int tick;
};

std::string title_case_name(const ::testing::TestParamInfo<TitleCase>& info) {
    static const char* const kinds[] = {"oscillating", "pulse", "composite"};
    return std::string(kinds[static_cast<int>(info.param.kind)]) + "_" + language_tag(info.param.language);
}

class TimeDomainTitles : public TimeDomainCycles, public ::testing::WithParamInterface<TitleCase> {};

// A 1024 x 768 window: H = 27, the title at 768/23 = 33, the plot from
// (135, 81) to (943, 498), the point caption three lines under it.
TEST_P(TimeDomainTitles, TitlesAndCaptionWhereTheLayoutPutsThem) {
    const TitleCase& c = GetParam();
    compute(c.kind, c.kind == Kind::oscillating ? std::vector<double>{1, 0, 0, 60, 75}
                                                : std::vector<double>{0.05, c.kind == Kind::pulse ? 0.0 : 30.0});
    set_language(c.language);
    const RecordingCanvas dc = draw();
    EXPECT_EQ(plot_frame(dc), (Rect{135, 81, 943, 498}));

    const auto* caption = dc.find_text(c.caption);
    ASSERT_NE(caption, nullptr) << dc.all_text();
    EXPECT_EQ(caption->x, 135);
    EXPECT_EQ(caption->y, 498 + 3 * 27);
    EXPECT_EQ(caption->font.height, 27);
    EXPECT_EQ(caption->font.charset, language_charset());

    const auto* title = dc.find_text("99. Stand-in scheme");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 13);
    EXPECT_EQ(title->y, 8);
    EXPECT_EQ(title->font.height, 33);
    EXPECT_EQ(title->color, rgb(127, 0, 0));

    RecordingCanvas measure;
    const auto* temperature = dc.find_text(c.temperature_title);
    ASSERT_NE(temperature, nullptr) << dc.all_text();
    EXPECT_EQ(temperature->font.escapement, 900);
    EXPECT_EQ(temperature->font.height, 33);
    EXPECT_EQ(temperature->color, c.temperature_color);
    EXPECT_EQ(temperature->x, 3);
    measure.select_font(temperature->font);
    const int w = measure.text_extent(c.temperature_title, c.temperature_with_zero).cx;
    EXPECT_EQ(temperature->y, 498 - (498 - 81 - w) / 2);

    const auto* time = dc.find_text(c.time_title);
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->color, rgb(128, 128, 128));
    measure.select_font(time->font);
    const Size e = measure.text_extent(c.time_title, true);
    EXPECT_EQ(time->x, (1024 - e.cx) / 2);
    EXPECT_EQ(time->y, 498 + e.cy);
    // Transparent, so that its cell does not erase the tick labels above it.
    EXPECT_EQ(time->background_mode, BackgroundMode::transparent);

    // The y axis's ticks point left by the window's tick length.
    const auto tick = std::find_if(dc.lines.begin(), dc.lines.end(), [](const auto& l) {
        return l.from.y == l.to.y && l.to.x == 135 && l.from.x < 135;
    });
    ASSERT_NE(tick, dc.lines.end());
    EXPECT_EQ(tick->to.x - tick->from.x, c.tick);

    ASSERT_EQ(panel_rects.size(), 1u);
    EXPECT_EQ(panel_rects[0], (Rect{0, 0, 1024, 768}));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TimeDomainTitles,
    ::testing::Values(
        TitleCase{Kind::oscillating, Language::english, "Fig.1. Thermal cycle at destignated point y=1, z=0",
                  "Temperature, C", "Time, sec", rgb(128, 128, 128), false, 6},
        TitleCase{Kind::oscillating, Language::ukrainian, "Рис. 1  Термоцикл в розрізі y=1, z=0",
                  "Температура, C", "Час, с", rgb(128, 128, 128), false, 6},
        TitleCase{Kind::pulse, Language::english, "Thermal cycle at destignated point: y=0.05, cm; z=0, cm;",
                  "Temperature, C", "Time, sec", rgb(128, 128, 128), true, 2},
        TitleCase{Kind::pulse, Language::german, "Therm. Zyklus an gegebenen Punkt: y=0.05, cm; z=0, cm;",
                  "Temperatur, C", "Die Zeit, sec", rgb(128, 128, 128), true, 2},
        TitleCase{Kind::composite, Language::english, "Thermal cycle at destignated point: y=0.05, cm; z=0, cm;",
                  "Temperature, C", "Time, sec", rgb(127, 0, 0), false, 2},
        TitleCase{Kind::composite, Language::russian, "Термоцикл в заданной точке: y = 0.05, см; z = 0, см;",
                  "Температура, C", "Время ,с", rgb(127, 0, 0), false, 2}),
    title_case_name);


// The schemes themselves at their start values, with the dialog's starting
// texts.
class TimeDomainSchemes : public TimeDomainCycles {
protected:
    static void run(int scheme, std::vector<double> record) {
        ASSERT_TRUE(install_scheme(scheme));
        record.resize(point_record_size);
        RecordingCanvas dc;
        current_model.cycle_routine(record.data(), 50, nullptr, dc, 0, 0);
    }
};

// The range from 3490 cm behind the source to 1530 cm ahead, in steps of
// 100.4 cm, at 1 cm/s: from 1530 s before the source passes the point to
// 3490 s after, the metal at T0 until the source arrives and cooling after.
TEST_F(TimeDomainSchemes, PulsedBodySamplesItsWindowInStepsOf100_4Seconds) {
    run(11, {0.05, 0});
    const TimeCycleResult r = pulse_cycle_result();
    ASSERT_EQ(r.steps, 50);
    EXPECT_NEAR(r.start, -1530, 1e-9);
    EXPECT_NEAR(r.end, 3490, 1e-9);
    EXPECT_NEAR(r.time[1] - r.time[0], 100.4, 1e-9);
    EXPECT_NEAR(r.time[49], 3389.6, 1e-6);
    // The axes reach the last sample, so its segment stays inside the frame.
    EXPECT_NEAR(r.t_min, -1530, 1e-6);
    EXPECT_NEAR(r.t_max, 3490, 1e-9);
    for (int i = 0; i <= 50; ++i) {
        EXPECT_LE(r.temp[i], 2500);
        // Before the source arrives the heat has not reached the point.
        if (r.time[i] < -1) {
            EXPECT_NEAR(r.temp[i], 20, 1e-3) << r.time[i];
        }
        // After it passed the point cools, slowly and steadily.
        if (i > 0 && r.time[i - 1] > 0) {
            EXPECT_LE(r.temp[i], r.temp[i - 1]) << r.time[i];
        }
    }
    const double* hottest = std::max_element(r.temp, r.temp + 51);
    EXPECT_NEAR(r.time[hottest - r.temp], 76.4, 1e-6);   // the first sample behind the source
    EXPECT_GT(*hottest, 40);
}

// The 51 samples on the point workers: the same numbers, bit for bit, on
// one worker as on two, three or eight, for each pulsed scheme, on the
// surface and inside the plate.
TEST_F(TimeDomainSchemes, PulsedSamplesAreTheSameOnAnyNumberOfWorkers) {
    for (int scheme : {11, 12, 13}) {
        for (double z : {0.0, 0.4}) {
            std::vector<double> one;
            for (int workers : {1, 2, 3, 8}) {
                set_point_workers(workers);
                run(scheme, {0.05, z});
                const TimeCycleResult r = pulse_cycle_result();
                const std::vector<double> temps(r.temp, r.temp + 51);
                if (workers == 1) one = temps;
                for (int i = 0; i <= 50; ++i)
                    EXPECT_EQ(std::memcmp(&temps[i], &one[i], sizeof(double)), 0)
                        << "scheme " << scheme << " z " << z << " workers " << workers << " sample " << i;
            }
        }
    }
    set_point_workers(0);
}

TEST_F(TimeDomainSchemes, OscillatingSchemesSampleSixtyToSeventyFiveSeconds) {
    for (int scheme : {7, 8}) {
        run(scheme, {1, 0, 0, 60, 75});
        const TimeCycleResult r = oscillating_cycle_result();
        ASSERT_EQ(r.steps, 50);
        EXPECT_EQ(r.time[0], 60) << scheme;
        EXPECT_NEAR(r.time[1], 60.3, 1e-9) << scheme;
        EXPECT_NEAR(r.time[50], 75, 1e-9) << scheme;
        EXPECT_EQ(r.t_min, 60);
        EXPECT_NEAR(r.t_max, 75, 1e-9);
        for (int i = 0; i <= 50; ++i) EXPECT_TRUE(std::isfinite(r.temp[i])) << scheme << " " << i;
        EXPECT_GT(r.T_max, r.T_min + 25) << scheme;
    }
}

// The reasons in each language, for a point below the thin plate of scheme
// 13 and a sum of sweeps beyond the cap.
TEST_F(TimeDomainSchemes, ReasonsAreGivenInTheWindowsLanguage) {
    struct Case {
        Language language;
        const char* below_plate;
    };
    const Case cases[] = {
        {Language::english, "51 of 51 points of the thermal cycle are not drawn: the point lies outside the plate."},
        {Language::russian, "51 из 51 точек термоцикла не показаны: точка лежит вне пластины."},
        {Language::ukrainian, "51 з 51 точок термоциклу не показано: точка лежить поза пластиною."},
        {Language::german,
         "51 von 51 Punkten des Temperaturzyklus sind nicht gezeichnet: der Punkt liegt außerhalb der Platte."},
        {Language::french,
         "51 points sur 51 du cycle thermique ne sont pas tracés : le point se trouve hors de la plaque."},
    };
    for (const Case& c : cases) {
        set_language(c.language);
        run(13, {0.05, 1.5});   // the plate is 1 cm thick
        const std::vector<ShownMessage> shown = take_window_messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.below_plate);
    }
    set_language(Language::english);
    run(8, {1, 0, 0, 7e5, 7.1e5});   // a million sweeps of 4.6/7 s take 657000 s
    const std::vector<ShownMessage> shown = take_window_messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "51 of 51 points of the thermal cycle are not drawn: the sum would "
                             "need more than 1000000 sweeps of the electrode.");
}

// Two equal phases draw the cooling of one plate, not a flat line at T0;
// nothing is reported.
TEST_F(TimeDomainSchemes, CompositeOfEqualPhasesDrawsTheOnePlateCycle) {
    const double equal[] = {0.3, 0.3, 0.628, 0.628, 7.8, 7.8, 0.75, 0.25, 20, 6, 0.1, 3000};
    comp_set_data(equal);
    run(14, {0.2, 30});
    EXPECT_TRUE(take_window_messages().empty());
    const TimeCycleResult r = composite_cycle_result();
    EXPECT_NEAR(r.temp[0], 231.277, 0.001 * 231.277);   // 30 s after the passage
    EXPECT_GT(r.T_max, 1000);
    ASSERT_EQ(draw().polylines.size(), 1u);
}

TEST_F(TimeDomainSchemes, CompositeNearThePassageIsCappedAt2500) {
    run(14, {0.05, 30});
    const TimeCycleResult r = composite_cycle_result();
    EXPECT_EQ(r.time[0], 30);
    EXPECT_NEAR(r.time[1], 29.4, 1e-9);
    EXPECT_NEAR(r.time[49], 0.6, 1e-9);
    EXPECT_EQ(r.time[50], 0);
    EXPECT_EQ(r.temp[49], 2500);
    EXPECT_LT(r.temp[0], 2500);
    EXPECT_EQ(r.t_min, 0);
    EXPECT_EQ(r.t_max, 30);

    // The point line shows the surface in every language.
    set_language(Language::german);
    const RecordingCanvas dc = draw();
    EXPECT_NE(dc.find_text("Therm. Zyklus an gegebenen Punkt: y=0.05, cm; z=0, cm;"), nullptr)
        << dc.all_text();
}

}  // namespace
