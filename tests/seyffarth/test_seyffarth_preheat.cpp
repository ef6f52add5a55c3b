// Windows against the preheat: the swept preheats, the distance floor, the
// regime put back, the drawing on the recording canvas.
#include "test_seyffarth_energy_support.h"

#include <cmath>

namespace {

class PreheatWindows : public ::testing::Test {
protected:
    void SetUp() override { reset_sweep_state(); }
    void TearDown() override { set_language(Language::english); }
};

// y, z, T from, T to, min and max preheat: the dialog's defaults.
const double preheat_defaults[6] = {0.05, 0.0, 850, 500, 100, 400};

SweepInput preheat_input(const double* p)
{
    SweepInput in = sweep_input_from_record(SeyffarthSweep::preheat, p, 50);
    in.v_s = current_model.velocity();
    in.q_s = current_model.power();
    in.T0_s = current_model.initial_temperature();
    in.d_s = current_model.thickness();
    return in;
}

TEST_F(PreheatWindows, SweptPreheatsStopOneStepShortOfTheUpperBound)
{
    struct Case {
        double lo, hi, first, second, last;
    };
    for (const Case& c : {Case{100, 400, 100, 106, 394}, Case{400, 100, 400, 406, 694}, Case{200, 200, 200, 200, 200}}) {
        const double p[6] = {0.05, 0.0, 850, 500, c.lo, c.hi};
        const SweepOutput s = run_seyffarth_sweep(preheat_input(p));
        ASSERT_EQ(s.x.size(), 50u);
        EXPECT_NEAR(s.x[0], c.first, 1e-9);
        EXPECT_NEAR(s.x[1], c.second, 1e-9);
        EXPECT_NEAR(s.x[49], c.last, 1e-9);
    }
    // Equal bounds: the range is widened by a quarter.
    const double equal[6] = {0.05, 0.0, 850, 500, 200, 200};
    const SweepOutput s = run_seyffarth_sweep(preheat_input(equal));
    const SweepRange r = sweep_range(s.x, s.t);
    EXPECT_DOUBLE_EQ(r.x_min, 200);
    EXPECT_DOUBLE_EQ(r.x_max, 250);
    // Equal bounds of 0 still give a range to map.
    double lo = 0, hi = 0;
    widen_range(lo, hi);
    EXPECT_LT(lo, hi);
}

TEST_F(PreheatWindows, HotterPreheatCoolsSlowerAndCrossingsCloserThanTheFloorGiveTheFloor)
{
    const SweepOutput s = run_seyffarth_sweep(preheat_input(preheat_defaults));
    EXPECT_LT(s.t.front(), s.t.back());
    // An interval of 0.001 °C: the two crossings lie less than 0.01 cm apart,
    // so t8/5 = 0.01 / v = 0.1 s at 0.1 cm/s.
    ASSERT_DOUBLE_EQ(current_model.velocity(), 0.1);
    const double narrow[6] = {0.05, 0.0, 850.001, 850, 100, 400};
    const SweepOutput f = run_seyffarth_sweep(preheat_input(narrow));
    EXPECT_NEAR(f.t.front(), 0.1, 1e-12);
}

TEST_F(PreheatWindows, PointsThatNeverCoolThroughTheIntervalAreLeftOutNotPlottedFromTheSearchEnd)
{
    // Preheats above T to: the point never cools to 50 °C, so its rear
    // crossing would be the far end of the search.
    const double never_cools[6] = {0.05, 0.0, 850, 50, 100, 400};
    const SweepOutput s = run_seyffarth_sweep(preheat_input(never_cools));
    for (double t : s.t) EXPECT_TRUE(std::isnan(t));
    const Regime before = regime_now();
    RecordingCanvas dc;
    seyffarth_structure_vs_preheat_window(never_cools, 50, nullptr, dc, 0, sample_steel(), 0);
    EXPECT_EQ(regime_now(), before);
    EXPECT_EQ(shown_texts(), "");
    // Nothing is drawn far outside the page.
    for (const auto& p : dc.polylines)
        for (const Point& pt : p.points) {
            EXPECT_GT(pt.y, -2000);
            EXPECT_LT(pt.y, 3000);
        }
}

TEST_F(PreheatWindows, BothWindowsPutTheRegimeBackAndShareTheCoolingCurve)
{
    const Regime before = regime_now();
    RecordingCanvas structure, properties;
    seyffarth_structure_vs_preheat_window(preheat_defaults, 50, nullptr, structure, 0, sample_steel(), 0);
    EXPECT_EQ(regime_now(), before);
    seyffarth_properties_vs_preheat_window(preheat_defaults, 50, nullptr, properties, 0, sample_steel(), 0);
    EXPECT_EQ(regime_now(), before);
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
    seyffarth_structure_vs_preheat_window(preheat_defaults, 50, nullptr, dc, 0, sample_steel(), 0);
    ASSERT_FALSE(dc.polylines.empty());
    EXPECT_EQ(dc.polylines[0].pen, (Pen{PenStyle::solid, 2, {0, 0, 0}}));
    for (const auto& p : dc.polylines) EXPECT_EQ(p.pen.color, (Rgb{0, 0, 0}));
}

TEST_F(PreheatWindows, MissingStructureTableIsNamedOnceAndTheRegimeStays)
{
    const Regime before = regime_now();
    RecordingCanvas dc;
    seyffarth_structure_vs_preheat_window(preheat_defaults, 50, nullptr, dc, 0, sample_steel("nothing.sp0"), 0);
    const std::string shown = shown_texts();
    EXPECT_NE(shown.find("nothing.sp0"), std::string::npos) << shown;
    EXPECT_EQ(regime_now(), before);
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
