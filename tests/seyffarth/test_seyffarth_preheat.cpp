// Windows against the preheat: the swept preheats, the distance floor, the
// regime put back, the drawing on the recording canvas.
#include "test_seyffarth_energy_support.h"

#include <cmath>

namespace {

class PreheatWindows : public ::testing::Test {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { set_language(Language::english); }
};

// y, z, T from, T to, min and max preheat: the dialog's defaults.
const double preheat_defaults[6] = {0.05, 0.0, 850, 500, 100, 400};

// The sweep of the record, the regime put back afterwards.
SweepOutput preheat_sweep(const double* p)
{
    const RegimeGuard regime;
    return run_seyffarth_sweep(regime, sweep_input_from_record(RegimeSweep::preheat, p, 50));
}

TEST_F(PreheatWindows, SweptPreheatsStopOneStepShortOfTheUpperBound)
{
    struct Case {
        double lo, hi, first, second, last;
    };
    for (const Case& c : {Case{100, 400, 100, 106, 394}, Case{400, 100, 400, 406, 694}, Case{200, 200, 200, 200, 200}}) {
        const double p[6] = {0.05, 0.0, 850, 500, c.lo, c.hi};
        const SweepOutput s = preheat_sweep(p);
        ASSERT_EQ(s.x.size(), 50u);
        EXPECT_NEAR(s.x[0], c.first, 1e-9);
        EXPECT_NEAR(s.x[1], c.second, 1e-9);
        EXPECT_NEAR(s.x[49], c.last, 1e-9);
    }
    // Equal bounds: the range is widened by a quarter.
    const double equal[6] = {0.05, 0.0, 850, 500, 200, 200};
    const SweepOutput s = preheat_sweep(equal);
    const SweepRange r = sweep_range(s.x, s.t);
    EXPECT_DOUBLE_EQ(r.x_min, 200);
    EXPECT_DOUBLE_EQ(r.x_max, 250);
    // Equal bounds of 0 still give a range to map.
    double lo = 0, hi = 0;
    widen_range(lo, hi);
    EXPECT_LT(lo, hi);
}

TEST_F(PreheatWindows, HotterPreheatCoolsSlowerAndANarrowIntervalKeepsItsOwnTime)
{
    const SweepOutput s = preheat_sweep(preheat_defaults);
    EXPECT_LT(s.t.front(), s.t.back());
    // An interval of 0.001 °C: the crossings lie less than 0.01 cm apart.
    // The time is the one they give, not 0.01 cm / v = 0.1 s of a floor.
    ASSERT_DOUBLE_EQ(current_model.velocity(), 0.1);
    const double narrow[6] = {0.05, 0.0, 850.001, 850, 100, 400};
    const SweepOutput f = preheat_sweep(narrow);
    const Regime entered = regime_in_force();
    current_model.set_regime(entered.v, entered.q, 100, entered.thickness);
    const CoolingTime c = cooling_time_at_point(0.05, 0.0, 850.001, 850);
    ASSERT_TRUE(c.reached());
    EXPECT_LT(std::fabs(c.x_to - c.x_from), 0.01);
    EXPECT_EQ(f.t.front(), c.time);
    EXPECT_LT(f.t.front(), 0.1);
}

// Preheats at or above T to: the point never cools to 300 °C, so no time can
// be made from the end of the search. Those points are a gap at the end of
// every curve; the x axis still reaches the last preheat asked for.
TEST_F(PreheatWindows, PointsThatNeverCoolToTheLowerTemperatureAreAGapUnderTheWholeRange)
{
    const double warm[6] = {0.05, 0.0, 850, 300, 100, 400};
    const SweepOutput s = preheat_sweep(warm);
    // 100 + 6 i: from i = 34 (304 °C) the metal stays above 300 °C.
    for (int i = 0; i < 50; ++i) EXPECT_EQ(std::isnan(s.t[i]), i >= 34) << i;
    reset_program_state();

    const Regime before = regime_in_force();
    RecordingCanvas dc;
    seyffarth_structure_vs_preheat_window(warm, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(regime_in_force(), before);
    EXPECT_EQ(shown_texts(), "");
    EXPECT_NE(dc.find_text("Not plotted: no cooling to 300 °C at 16 of 50 points"), nullptr);
    // The plot spans 100 to 394 °C from (int)(width/5.5) to width - width/4:
    // the t8/5 curve ends at the 34th point, 298 °C.
    const int L = static_cast<int>(1024 / 5.5), R = 1024 - 1024 / 4;
    const auto runs = runs_of(dc, Pen{PenStyle::solid, 1, {0, 0, 255}});
    ASSERT_EQ(runs.size(), 2u);
    ASSERT_EQ(runs[0]->points.size(), 34u);
    EXPECT_NEAR(runs[0]->points.back().x, L + (298 - 100) * (R - L) / (394.0 - 100), 1);
    render_window(seyffarth_structure_vs_preheat_window, warm, 0, "structure_vs_preheat_gaps_en");
}

TEST_F(PreheatWindows, ASweepWhosePointsAllStayAboveTheLowerTemperatureSaysSoOnce)
{
    // Every preheat above T to: no point has a time, so there is only the
    // note to say, once, and nothing is drawn.
    const double never_cools[6] = {0.05, 0.0, 850, 50, 100, 400};
    const SweepOutput s = preheat_sweep(never_cools);
    for (double t : s.t) EXPECT_TRUE(std::isnan(t));
    reset_program_state();
    const Regime before = regime_in_force();
    for (SeyffarthRoutine routine : {seyffarth_structure_vs_preheat_window, seyffarth_properties_vs_preheat_window}) {
        RecordingCanvas dc;
        routine(never_cools, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        EXPECT_EQ(regime_in_force(), before);
        EXPECT_EQ(shown_texts(), "  Message!|Not plotted: no cooling to 50 °C at 50 of 50 points\n");
        EXPECT_TRUE(dc.texts.empty());
        EXPECT_TRUE(dc.polylines.empty());
    }
}

TEST_F(PreheatWindows, BothWindowsPutTheRegimeBackAndShareTheCoolingCurve)
{
    const Regime before = regime_in_force();
    RecordingCanvas structure, properties;
    seyffarth_structure_vs_preheat_window(preheat_defaults, 50, nullptr, structure, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(regime_in_force(), before);
    seyffarth_properties_vs_preheat_window(preheat_defaults, 50, nullptr, properties, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(regime_in_force(), before);
    EXPECT_EQ(shown_texts(), "");
    for (const char* t : {"Dependence of structures of preliminary heating", "Preheating, C", "0", "Ferrite, %",
                          "Structure, %", "100"})
        EXPECT_NE(structure.find_text(t), nullptr) << t;
    for (const char* t : {"Dependence of mechanical property on preliminary heating", "Hardness HV",
                          "Reduction in area  Z, %"})
        EXPECT_NE(properties.find_text(t), nullptr) << t;
    // The t8/5 axis stands at left + 4h in one and left + 3h in the other;
    // the curve's points are the same (the first polyline of each).
    ASSERT_FALSE(structure.polylines.empty());
    ASSERT_FALSE(properties.polylines.empty());
    EXPECT_EQ(structure.polylines[0].points.size(), properties.polylines[0].points.size());
}

TEST_F(PreheatWindows, BlackAndWhiteWidensOnlyTheCoolingCurve)
{
    colour_mode = 0;
    RecordingCanvas dc;
    seyffarth_structure_vs_preheat_window(preheat_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    ASSERT_FALSE(dc.polylines.empty());
    EXPECT_EQ(dc.polylines[0].pen, (Pen{PenStyle::solid, 2, {0, 0, 0}}));
    for (const auto& p : dc.polylines) EXPECT_EQ(p.pen.color, (Rgb{0, 0, 0}));
}

TEST_F(PreheatWindows, MissingStructureTableIsNamedOnceAndTheRegimeStays)
{
    const Regime before = regime_in_force();
    RecordingCanvas dc;
    seyffarth_structure_vs_preheat_window(preheat_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel("nothing.sp0"), 0);
    const std::string shown = shown_texts();
    EXPECT_NE(shown.find("nothing.sp0"), std::string::npos) << shown;
    EXPECT_EQ(regime_in_force(), before);
    EXPECT_TRUE(dc.polylines.empty());
}

TEST_F(PreheatWindows, PicturesInEnglishAndRussian)
{
    render_window(seyffarth_structure_vs_preheat_window, preheat_defaults, 0, "structure_vs_preheat_en");
    render_window(seyffarth_properties_vs_preheat_window, preheat_defaults, 0, "properties_vs_preheat_en");
    set_language(Language::russian);
    render_window(seyffarth_structure_vs_preheat_window, preheat_defaults, 0, "structure_vs_preheat_ru");
    render_window(seyffarth_properties_vs_preheat_window, preheat_defaults, 0, "properties_vs_preheat_ru");
    EXPECT_EQ(shown_texts(), "");
}

} // namespace
