// Windows against the plate thickness: the swept thicknesses, the regime put
// back, the drawing on the recording canvas.
#include "test_seyffarth_energy_support.h"

namespace {

class ThicknessWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_program_state();
        use_scheme(1);   // the thin plate
    }
    void TearDown() override { set_language(Language::english); }
};

// y, z, T from, T to, min and max thickness: the dialog's defaults.
const double thickness_defaults[6] = {0.05, 0.0, 850, 500, 0.1, 3.0};

// The sweep of the record, the regime put back afterwards.
SweepOutput thickness_sweep(const double* p)
{
    const RegimeGuard regime;
    return run_seyffarth_sweep(regime, sweep_input_from_record(RegimeSweep::thickness, p, 50));
}

TEST_F(ThicknessWindows, SweptThicknessesStopOneStepShortOfTheUpperBound)
{
    struct Case {
        double lo, hi, second, last;
    };
    for (const Case& c : {Case{0.1, 3.0, 0.158, 2.942}, Case{3.0, 0.1, 3.058, 5.842}, Case{1.0, 1.0, 1.0, 1.0}}) {
        const double p[6] = {0.05, 0.0, 850, 500, c.lo, c.hi};
        const SweepOutput s = thickness_sweep(p);
        ASSERT_EQ(s.x.size(), 50u);
        EXPECT_NEAR(s.x[0], c.lo, 1e-9);
        EXPECT_NEAR(s.x[1], c.second, 1e-9);
        EXPECT_NEAR(s.x[49], c.last, 1e-9);
    }
    const double equal[6] = {0.05, 0.0, 850, 500, 1.0, 1.0};
    const SweepOutput s = thickness_sweep(equal);
    const SweepRange r = sweep_range(s.x, s.t);
    EXPECT_DOUBLE_EQ(r.x_min, 1.0);
    EXPECT_DOUBLE_EQ(r.x_max, 1.25);
    EXPECT_DOUBLE_EQ(r.y_max, 1.25 * r.y_min);
}

TEST_F(ThicknessWindows, ThickerPlateCoolsFaster)
{
    const SweepOutput s = thickness_sweep(thickness_defaults);
    EXPECT_GT(s.t.front(), s.t.back());
}

TEST_F(ThicknessWindows, BothWindowsPutTheThicknessBack)
{
    const Regime before = regime_in_force();
    RecordingCanvas structure, properties;
    seyffarth_structure_vs_thickness_window(thickness_defaults, 50, nullptr, structure, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(regime_in_force(), before);
    seyffarth_properties_vs_thickness_window(thickness_defaults, 50, nullptr, properties, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(regime_in_force(), before);
    EXPECT_EQ(shown_texts(), "");
    for (const char* t : {"Dependence of phase structure on thickness of a plate", "under the atlas P. Seyffarth",
                          "Thickness of a plate", "Beanite, %", "Pearlite, %"})
        EXPECT_NE(structure.find_text(t), nullptr) << t;
    EXPECT_EQ(structure.find_text("100"), nullptr);   // the structure axis stops labelling at 80
    for (const char* t : {"Dependence of mechanical properties on thickness of a plate", "Hardness HV",
                          "Impact toughness K, J/mm2"})
        EXPECT_NE(properties.find_text(t), nullptr) << t;
}

// A body has no plate thickness to sweep: the window says so once and draws
// no flat lines.
TEST_F(ThicknessWindows, ABodyHasNoThicknessToSweep)
{
    use_scheme(2);
    const Regime before = regime_in_force();
    for (SeyffarthRoutine routine :
         {seyffarth_structure_vs_thickness_window, seyffarth_properties_vs_thickness_window}) {
        RecordingCanvas dc;
        routine(thickness_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        EXPECT_EQ(shown_texts(), std::string("  Message!|") + no_thickness_text() + "\n");
        EXPECT_TRUE(dc.texts.empty());
        EXPECT_TRUE(dc.polylines.empty());
        EXPECT_EQ(regime_in_force(), before);
    }
}

TEST_F(ThicknessWindows, BlackAndWhiteThinsOnlyTheCoolingTimeAxis)
{
    colour_mode = 0;
    RecordingCanvas dc;
    seyffarth_structure_vs_thickness_window(thickness_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    bool thin_black_axis = false;
    for (const auto& l : dc.lines)
        if (l.pen == Pen{PenStyle::solid, 1, {0, 0, 0}} && l.from.x == l.to.x) thin_black_axis = true;
    EXPECT_TRUE(thin_black_axis);
    for (const auto& p : dc.polylines) EXPECT_EQ(p.pen.color, (Rgb{0, 0, 0}));
}

TEST_F(ThicknessWindows, PicturesInEnglishAndRussian)
{
    render_window(seyffarth_structure_vs_thickness_window, thickness_defaults, 0, "structure_vs_thickness_en");
    render_window(seyffarth_properties_vs_thickness_window, thickness_defaults, 0, "properties_vs_thickness_en");
    set_language(Language::russian);
    render_window(seyffarth_structure_vs_thickness_window, thickness_defaults, 0, "structure_vs_thickness_ru");
    render_window(seyffarth_properties_vs_thickness_window, thickness_defaults, 0, "properties_vs_thickness_ru");
    EXPECT_EQ(shown_texts(), "");
}

} // namespace
