// The profile across the heat-affected zone: its edges, its points, the
// mapping of property values, its failures and its pictures.
#include "test_seyffarth_energy_support.h"

#include <cmath>

namespace {

class HazProfileWindow : public ::testing::Test {
protected:
    void SetUp() override { reset_sweep_state(); }
};

const double point_defaults[4] = {0.05, 0.0, 850, 500};

TEST_F(HazProfileWindow, ProfileSpansTheZoneFromEdgeToEdge)
{
    current_model.prepare();
    const HazProfile p = compute_haz_profile(0.05, 0.0, 850, 500, 50);
    ASSERT_EQ(p.y.size(), 50u);
    EXPECT_LT(p.y1, 0);
    EXPECT_GT(p.y2, 0);
    // One body, symmetric: the edges mirror each other.
    EXPECT_NEAR(p.y1, -p.y2, 1e-3);
    EXPECT_DOUBLE_EQ(p.y.front(), p.y1);
    EXPECT_NEAR(p.y.back(), p.y2, 1e-12);
    // At each edge the section through the source is at 700 °C.
    EXPECT_NEAR(current_model.temperature(0, p.y2, 0), 700, 0.5);
    for (double t : p.t) EXPECT_GE(t, 0);
}

TEST_F(HazProfileWindow, PropertyValuesAreCarriedOntoTheirOwnRange)
{
    std::vector<double> header(25, 0.0);
    header[2] = 100;   // diagram value range 100..500
    header[4] = 500;
    header[7] = 200;   // Rm 200..1800
    header[8] = 1800;
    EXPECT_DOUBLE_EQ(haz_map_value(300, header, 7), 1000);
    EXPECT_DOUBLE_EQ(haz_map_value(300, header, 0), 300);
    // No value range in the diagram: the value stays as looked up.
    header[4] = 100;
    EXPECT_DOUBLE_EQ(haz_map_value(300, header, 7), 300);
}

TEST_F(HazProfileWindow, CoolingTimeProfileTitlesAndCurve)
{
    RecordingCanvas dc;
    seyffarth_haz_profile_window(point_defaults, 50, nullptr, dc, 0, sample_steel(), 0);
    EXPECT_EQ(shown_texts(), "");
    EXPECT_NE(dc.find_text("Время охлаждения (850 - 500 С) в ЗТВ по атласу П. Daverurud"), nullptr);
    EXPECT_NE(dc.find_text("ЗТВ, см"), nullptr);
    ASSERT_NE(dc.find_text("Время охлаждения, с"), nullptr);
    EXPECT_EQ(dc.find_text("Время охлаждения, с")->font.escapement, 900);
    bool red_curve = false;
    for (const auto& p : dc.polylines)
        if (p.pen == Pen{PenStyle::solid, 2, {255, 0, 0}} && p.points.size() == 50) red_curve = true;
    EXPECT_TRUE(red_curve);
}

TEST_F(HazProfileWindow, EqualTemperaturesRaiseTheUpperOneInTheTitle)
{
    const double equal[4] = {0.05, 0.0, 500, 500};
    RecordingCanvas dc;
    seyffarth_haz_profile_window(equal, 50, nullptr, dc, 0, sample_steel(), 0);
    EXPECT_NE(dc.find_text("Время охлаждения (505 - 500 С) в ЗТВ по атласу П. Daverurud"), nullptr);
}

TEST_F(HazProfileWindow, PeakBelowTheIntervalShowsTheMaximumAndDrawsNothing)
{
    const double far_point[4] = {2.0, 0.0, 5000, 500};
    RecordingCanvas dc;
    seyffarth_haz_profile_window(far_point, 50, nullptr, dc, 1, sample_steel(), 0);
    const std::string shown = shown_texts();
    EXPECT_EQ(shown.rfind("You are fault with temperature ... |Maximum temperature=", 0), 0u) << shown;
    EXPECT_NE(shown.find(" at y=2 z=0 [cm]"), std::string::npos) << shown;
    EXPECT_TRUE(dc.texts.empty());
}

TEST_F(HazProfileWindow, PropertyProfileWithoutItsFilesIsReportedOnceAndNotDrawn)
{
    RecordingCanvas dc;
    seyffarth_haz_profile_window(point_defaults, 50, nullptr, dc, 2, sample_steel("absent.sp0"), 0);
    const auto log = message_box_take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].text.find("absent.sp0"), std::string::npos);
    EXPECT_TRUE(dc.polylines.empty());
}

TEST_F(HazProfileWindow, PicturesOfCoolingTimeAndHardness)
{
    render_window(seyffarth_haz_profile_window, point_defaults, 0, "haz_cooling_time_en");
    render_window(seyffarth_haz_profile_window, point_defaults, 1, "haz_hardness_en");
    set_language(Language::russian);
    render_window(seyffarth_haz_profile_window, point_defaults, 4, "haz_elongation_ru");
    set_language(Language::english);
    EXPECT_EQ(shown_texts(), "");
}

} // namespace
