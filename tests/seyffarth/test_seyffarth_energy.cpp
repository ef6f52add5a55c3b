// Windows against the energy input: the swept abscissae, the look-ups on the
// sample steel, the regime put back, the drawing on the recording canvas.
#include "test_seyffarth_energy_support.h"

#include "spline.h"

#include <algorithm>
#include <cmath>

namespace {

class EnergyWindows : public ::testing::Test {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { set_language(Language::english); }
};

// y, z, T from, T to, P min, P max, V min, V max: the dialog's defaults.
const double energy_defaults[8] = {0.05, 0.0, 850, 500, 200, 5000, 0.1, 0.1};

// The sweep of the record, the regime put back afterwards.
SweepOutput energy_sweep(const double* p, int steps)
{
    const RegimeGuard regime;
    return run_seyffarth_sweep(regime, sweep_input_from_record(RegimeSweep::energy, p, steps));
}

TEST_F(EnergyWindows, DefaultBoundsRunFromTwoToOneStepShortOfTheMaximum)
{
    // Scheme 2 is a body: no thickness divides the energy input.
    ASSERT_LT(current_model.thickness(), 0);
    const SweepOutput s = energy_sweep(energy_defaults, 50);
    ASSERT_EQ(s.x.size(), 50u);
    EXPECT_NEAR(s.x.front(), 2.0, 1e-9);
    EXPECT_NEAR(s.x[1], 2.96, 1e-9);   // 96 W per step at 0.1 cm/s
    EXPECT_NEAR(s.x.back(), 49.04, 1e-9);
    // More energy, slower cooling.
    EXPECT_LT(s.t.front(), s.t.back());
}

TEST_F(EnergyWindows, PlateDividesTheAbscissaByItsThickness)
{
    use_scheme(1);
    const double d = current_model.thickness();
    ASSERT_GT(d, 0);
    const SweepOutput s = energy_sweep(energy_defaults, 50);
    EXPECT_NEAR(s.x.front(), 2.0 / d, 1e-9);
    EXPECT_NEAR(s.x.back(), 49.04 / d, 1e-9);
}

TEST_F(EnergyWindows, ReversedBoundsStepUpwardAndStepCountSizesTheArrays)
{
    const double reversed[8] = {0.05, 0.0, 850, 500, 5000, 200, 0.1, 0.1};
    const SweepOutput s = energy_sweep(reversed, 10);
    ASSERT_EQ(s.x.size(), 10u);
    EXPECT_NEAR(s.x.front(), 50.0, 1e-9);
    EXPECT_NEAR(s.x[1], (5000 + 480) / 0.1 / 1000, 1e-9);
    // A step count beyond the old fixed arrays is sized from the count.
    EXPECT_EQ(energy_sweep(energy_defaults, 250).x.size(), 250u);
}

TEST_F(EnergyWindows, ZeroSpeedGivesNoPointInsteadOfAnUnboundedOne)
{
    const double zero_speed[8] = {0.05, 0.0, 850, 500, 200, 5000, 0.0, 0.0};
    const SweepOutput s = energy_sweep(zero_speed, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(std::isnan(s.x[i]));
        EXPECT_TRUE(std::isnan(s.t[i]));
    }
}

// At y = 0.5 cm the weakest energy inputs of the defaults never heat the
// point past 850 °C (at 5.84 kJ/cm its peak is 443 °C): those points are a
// gap in the t8/5 curve and in every share, where a cooling time floored at
// 0.01 s once drew them as 97 % martensite. The x axis still begins at
// 2 kJ/cm, and a line under the plot says how many points were left out.
TEST_F(EnergyWindows, PointsWhosePeakStaysBelowTheIntervalAreAGapInEveryCurve)
{
    const double off_axis[8] = {0.5, 0.0, 850, 500, 200, 5000, 0.1, 0.1};
    const SweepOutput s = energy_sweep(off_axis, 50);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(std::isnan(s.t[i]), i < 10) << i;
    EXPECT_EQ(s.gaps.note(), "Not plotted: peak below 850 °C at 10 of 50 points");
    reset_program_state();

    const Regime before = regime_in_force();
    RecordingCanvas dc;
    seyffarth_structure_vs_energy_window(off_axis, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(shown_texts(), "");
    EXPECT_EQ(regime_in_force(), before);
    EXPECT_NE(dc.find_text("Not plotted: peak below 850 °C at 10 of 50 points"), nullptr);
    // The plot runs from width/5 to width - width/4 over 2 to 49.04 kJ/cm:
    // every curve begins at the eleventh point, 11.6 kJ/cm, in its place there.
    const int L = 1024 / 5, R = 1024 - 1024 / 4;
    const int first_x = static_cast<int>(L + (11.6 - 2) * (R - L) / (49.04 - 2));
    for (const Pen& pen : {Pen{PenStyle::solid, 1, {0, 0, 255}}, Pen{PenStyle::solid, 1, {0, 127, 0}},
                           Pen{PenStyle::dash_dot, 1, {0, 127, 255}}, Pen{PenStyle::dash, 1, {127, 0, 0}},
                           Pen{PenStyle::dot, 1, {255, 127, 0}}}) {
        const auto runs = runs_of(dc, pen);
        ASSERT_EQ(runs.size(), 2u) << static_cast<int>(pen.style);
        EXPECT_EQ(runs[0]->points.size(), 40u);
        EXPECT_NEAR(runs[0]->points.front().x, first_x, 1) << static_cast<int>(pen.style);
    }

    // The plot gives up the note's line: the model line stays where it is
    // when every point is drawn.
    RecordingCanvas full;
    seyffarth_structure_vs_energy_window(energy_defaults, 50, nullptr, full, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(shown_texts(), "");
    const auto model_line = [](const RecordingCanvas& c) {
        for (const auto& t : c.texts)
            if (t.text.rfind(" Account on model", 0) == 0) return t.y;
        return -1;
    };
    EXPECT_GT(model_line(dc), 0);
    EXPECT_EQ(model_line(dc), model_line(full));

    // The properties window leaves the same points out of its curves.
    RecordingCanvas properties;
    seyffarth_properties_vs_energy_window(off_axis, 50, nullptr, properties, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(shown_texts(), "");
    EXPECT_NE(properties.find_text("Not plotted: peak below 850 °C at 10 of 50 points"), nullptr);
    for (const Pen& pen : {Pen{PenStyle::solid, 1, {0, 0, 255}}, Pen{PenStyle::solid, 1, {127, 0, 0}}}) {
        const auto runs = runs_of(properties, pen);
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(runs[0]->points.size(), 40u);
    }
    render_window(seyffarth_structure_vs_energy_window, off_axis, 0, "structure_vs_energy_gaps_en");
    render_window(seyffarth_properties_vs_energy_window, off_axis, 0, "properties_vs_energy_gaps_en");
}

TEST_F(EnergyWindows, PhaseSharesClampToTheFirstAndLastRows)
{
    const std::vector<double> t{1, 2, 4, 8};
    std::vector<double> X;
    for (double v : t) X.push_back(std::log(v));
    const std::vector<double> M{90, 60, 30, 10};
    EXPECT_DOUBLE_EQ(seyffarth_phase_share(X, M, 3, 0.5), 90);
    EXPECT_DOUBLE_EQ(seyffarth_phase_share(X, M, 3, 100), 10);
    // Between the last two rows the share is interpolated like any other.
    const double late = seyffarth_phase_share(X, M, 3, 6);
    EXPECT_GT(late, 10);
    EXPECT_LT(late, 30);
    const double mid = seyffarth_phase_share(X, M, 3, 3);
    EXPECT_GT(mid, 30);
    EXPECT_LT(mid, 60);
    // On a row its own share; a property curve above its range gives its
    // last point, as every other window does.
    EXPECT_DOUBLE_EQ(seyffarth_phase_share(X, M, 3, 4), 30);
    EXPECT_DOUBLE_EQ(seyffarth_curve_value(X, M, 3, 100, false), 10);
    EXPECT_DOUBLE_EQ(seyffarth_curve_value(X, M, 3, 0.5, false), 90);
    EXPECT_DOUBLE_EQ(seyffarth_curve_value(X, M, 3, 2, false), 60);
}

TEST_F(EnergyWindows, PropertyScalesFollowTheCurveSetHeader)
{
    struct Case {
        double sixth, eighth;
        double hv_first, hv_last, rm_first, rm_last;
        std::size_t hv_values;
    };
    for (const Case& c : {Case{440, 1300, 80, 440, 100, 1300, 8}, Case{500, 1300, 150, 750, 100, 1300, 7},
                          Case{440, 1500, 80, 440, 400, 1600, 8}}) {
        std::vector<double> header(25, 0.0);
        header[6] = c.sixth;
        header[8] = c.eighth;
        const PropertyScales s = choose_property_scales(header);
        EXPECT_EQ(s.hv.size(), c.hv_values);
        EXPECT_DOUBLE_EQ(s.hv.front(), c.hv_first);
        EXPECT_DOUBLE_EQ(s.hv.back(), c.hv_last);
        EXPECT_DOUBLE_EQ(s.scale(2).front(), c.rm_first);   // R02 on the Rm scale
        EXPECT_DOUBLE_EQ(s.scale(2).back(), c.rm_last);
    }
    const PropertyScales first = choose_property_scales(std::vector<double>(25, 0.0));
    // 150 on HV1 is 9.33 on the A scale.
    EXPECT_NEAR(hv_to_scale(150, first.hv, first.scale(3)), 9.33, 0.005);
    EXPECT_NEAR(hv_to_scale(260, first.hv, first.scale(1)), 700, 1e-9);
}

TEST_F(EnergyWindows, StructureWindowDrawsItsTextsAndPutsTheRegimeBack)
{
    const Regime before = regime_in_force();
    RecordingCanvas dc;
    seyffarth_structure_vs_energy_window(energy_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(regime_in_force(), before);
    EXPECT_EQ(shown_texts(), "");
    for (const char* t : {"Dependence  of phase composition upon heat input", "according to  atlas by P.Seyffarth",
                          "Martensite, %", "Bainite, %", "Pearlite, %", "Ferrite, %", "Structure, %",
                          "rate of energy input, kJ/cm", " (y=0.05, cm; z=0, cm)", "The grade of steel: \"S355J2 \"  "})
        EXPECT_NE(dc.find_text(t), nullptr) << t;
    // The t8/5 title reads upwards and is also the legend of row 11.
    int t85 = 0;
    for (const auto& c : dc.texts)
        if (c.text == "t 8/5, s") {
            ++t85;
            if (t85 == 1) {
                EXPECT_EQ(c.font.escapement, 900);
            }
        }
    EXPECT_EQ(t85, 2);
    // The structure axis labels 0 to 80; 100 gets only its end tick.
    EXPECT_NE(dc.find_text("80"), nullptr);
    EXPECT_EQ(dc.find_text("100"), nullptr);
    // The ferrite legend: dotted orange.
    bool dotted_orange = false;
    for (const auto& l : dc.lines)
        if (l.pen.style == PenStyle::dot && l.pen.color == Rgb{255, 127, 0}) dotted_orange = true;
    EXPECT_TRUE(dotted_orange);
}

TEST_F(EnergyWindows, BlackAndWhiteKeepsStylesButNotColours)
{
    colour_mode = 0;
    RecordingCanvas dc;
    seyffarth_structure_vs_energy_window(energy_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    for (const auto& p : dc.polylines) EXPECT_EQ(p.pen.color, (Rgb{0, 0, 0}));
    bool dash_dot = false;
    for (const auto& p : dc.polylines) dash_dot = dash_dot || p.pen.style == PenStyle::dash_dot;
    EXPECT_TRUE(dash_dot);
}

TEST_F(EnergyWindows, PeakBelowTheIntervalIsReportedAndNothingIsDrawn)
{
    const double too_hot[8] = {2.0, 0.0, 5000, 500, 200, 5000, 0.1, 0.1};
    const Regime before = regime_in_force();
    RecordingCanvas dc;
    seyffarth_properties_vs_energy_window(too_hot, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(shown_texts(), "  Message!|You are fault with temperature ... \n");
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_EQ(regime_in_force(), before);
}

TEST_F(EnergyWindows, MissingSteelFileIsNamedOnceAndStopsTheWindow)
{
    const Regime before = regime_in_force();
    RecordingCanvas dc;
    seyffarth_properties_vs_energy_window(energy_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel("NOSUCH.sp0"), 0);
    const std::string shown = shown_texts();
    EXPECT_NE(shown.find("NOSUCH.sp0"), std::string::npos) << shown;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 1) << shown;
    EXPECT_EQ(regime_in_force(), before);
    // Nothing is drawn from a steel whose files are unknown.
    EXPECT_EQ(dc.find_text("t 8/5, s"), nullptr);
    EXPECT_TRUE(dc.polylines.empty());
}

TEST_F(EnergyWindows, PropertiesWindowLabelsEveryPresentProperty)
{
    const Regime before = regime_in_force();
    RecordingCanvas dc;
    seyffarth_properties_vs_energy_window(energy_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(regime_in_force(), before);
    EXPECT_EQ(shown_texts(), "");
    for (const char* t : {"Vickers hardness HV", "Tensile strength Rm, MPa", "Yield point R02, MPa", "Elongation A, %",
                          "Reduction in area  Z, %", "Impact toughness K, J/mm2"}) {
        const auto* c = dc.find_text(t);
        ASSERT_NE(c, nullptr) << t;
        EXPECT_EQ(c->font.escapement, 900) << t;
    }
    // The sample's sixth number is 500: the HV axis runs 150..750.
    EXPECT_NE(dc.find_text("750"), nullptr);
}

// The turned t8/5 title stands once, in 1.1 H, with its legend line rising
// from its upper end: a second drawing in another height blurs it.
TEST_F(EnergyWindows, PropertySweepsDrawTheTimeTitleOnce)
{
    const double preheat_defaults[8] = {0.05, 0.0, 850, 500, 100, 400};
    struct Case {
        SeyffarthRoutine routine;
        const double* record;
        int font_divisor;
    };
    for (const Case& c : {Case{seyffarth_properties_vs_energy_window, energy_defaults, 33},
                          Case{seyffarth_properties_vs_preheat_window, preheat_defaults, 30}}) {
        RecordingCanvas dc;
        c.routine(c.record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        const long titles = std::count_if(dc.texts.begin(), dc.texts.end(),
                                          [](const RecordingCanvas::TextCall& t) { return t.text == "t 8/5, s"; });
        EXPECT_EQ(titles, 1) << c.font_divisor;
        const auto* title = dc.find_text("t 8/5, s");
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->font.escapement, 900);
        EXPECT_EQ(title->font.height, static_cast<int>(1.1 * (768 / c.font_divisor)));
    }
    EXPECT_EQ(shown_texts(), "");
}

TEST_F(EnergyWindows, PicturesInEnglishAndRussian)
{
    render_window(seyffarth_structure_vs_energy_window, energy_defaults, 0, "structure_vs_energy_en");
    render_window(seyffarth_properties_vs_energy_window, energy_defaults, 0, "properties_vs_energy_en");
    set_language(Language::russian);
    render_window(seyffarth_structure_vs_energy_window, energy_defaults, 0, "structure_vs_energy_ru");
    render_window(seyffarth_properties_vs_energy_window, energy_defaults, 0, "properties_vs_energy_ru");
    EXPECT_EQ(shown_texts(), "");
}

} // namespace
