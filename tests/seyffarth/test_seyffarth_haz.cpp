// The profile across the heat-affected zone: its edges, its points, the
// mapping of property values, its failures and its pictures.
#include "test_seyffarth_energy_support.h"

#include <algorithm>
#include <cmath>

namespace {

class HazProfileWindow : public ::testing::Test {
protected:
    void SetUp() override { reset_program_state(); }
};

const double point_defaults[4] = {0.05, 0.0, 850, 500};

TEST_F(HazProfileWindow, ProfileSpansTheZoneFromEdgeToEdge)
{
    current_model.prepare();
    const HazProfile p = compute_haz_profile(0.0, 850, 500, 50);
    ASSERT_TRUE(p.zone.found());
    ASSERT_EQ(p.y.size(), 50u);
    EXPECT_LT(p.zone.y1, 0);
    EXPECT_GT(p.zone.y2, 0);
    // One body, symmetric: the edges mirror each other.
    EXPECT_NEAR(p.zone.y1, -p.zone.y2, 1e-3);
    EXPECT_DOUBLE_EQ(p.y.front(), p.zone.y1);
    EXPECT_NEAR(p.y.back(), p.zone.y2, 1e-12);
    // At each edge the section through the source is at 700 °C.
    EXPECT_NEAR(current_model.temperature(0, p.zone.y2, 0), 700, 0.5);
    // Every point of this zone passes through the interval.
    EXPECT_FALSE(p.gaps.any());
    for (double t : p.t) EXPECT_GT(t, 0);
}

// The zone is where the section through the source passes 700 °C; deep
// under a body it never does, and there is no zone to profile.
TEST_F(HazProfileWindow, ZoneEdgesOrWhyThereIsNone)
{
    const HazZone zone = find_haz_zone(0.0);
    ASSERT_TRUE(zone.found());
    EXPECT_EQ(haz_zone_failure_text(zone), "");
    const HazZone deep = find_haz_zone(50.0);
    EXPECT_FALSE(deep.found());
    EXPECT_EQ(haz_zone_failure_text(deep), "The section through the source (x=0, z=50 [cm]) does not reach 700 [C deg.]: "
                                           "there is no heat-affected zone to profile");
}

// On the thin plate the outer points of the zone never reach 850 °C (their
// cooling time was once measured from where the search began): they are
// gaps, the x axis still spans the zone, and the note counts them.
TEST_F(HazProfileWindow, PointsWhosePeakStaysBelowTheIntervalAreGapsAcrossTheWholeZone)
{
    use_scheme(1);
    const HazProfile p = compute_haz_profile(0.0, 850, 500, 50);
    ASSERT_TRUE(p.zone.found());
    int cold = 0;
    for (std::size_t i = 0; i < p.y.size(); ++i) {
        const CoolingTime c = cooling_time_at_point(p.y[i], 0.0, 850, 500);
        EXPECT_EQ(std::isnan(p.t[i]), !c.reached()) << i;
        if (c.status == CoolingStatus::peak_below) ++cold;
    }
    // Six points at either edge.
    ASSERT_EQ(cold, 12);
    for (int i : {0, 5, 44, 49}) EXPECT_TRUE(std::isnan(p.t[static_cast<std::size_t>(i)])) << i;
    EXPECT_FALSE(std::isnan(p.t[6]));

    RecordingCanvas dc;
    seyffarth_haz_profile_window(point_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(shown_texts(), "");
    EXPECT_NE(dc.find_text("Not plotted: peak below 850 °C at 12 of 50 points"), nullptr);
    const auto frame = std::find_if(dc.shapes.begin(), dc.shapes.end(), [](const auto& s) {
        return s.kind == RecordingCanvas::ShapeKind::rectangle && s.pen.style == PenStyle::dot;
    });
    ASSERT_NE(frame, dc.shapes.end());
    const int L = frame->box.left, R = frame->box.right;
    const auto runs = runs_of(dc, Pen{PenStyle::solid, 2, {255, 0, 0}});
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]->points.size(), 38u);
    EXPECT_EQ(runs[0]->points.front().x,
              static_cast<int>(L + (p.y[6] - p.zone.y1) * (R - L) / (p.zone.y2 - p.zone.y1)));
    render_window(seyffarth_haz_profile_window, point_defaults, 0, "haz_cooling_time_gaps_en");
}

// The point of the dialog must itself pass through the interval; whatever
// else stops it is said once and nothing is drawn.
TEST_F(HazProfileWindow, APointNotReachedGivesOneMessageAndNothingDrawn)
{
    const double never_cools[4] = {0.05, 0.0, 850, 10};
    RecordingCanvas dc;
    seyffarth_haz_profile_window(never_cools, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(shown_texts().rfind("  Message!|The point (y=0.05 z=0 [cm]) does not cool to 10 [C deg.]", 0), 0u);
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_TRUE(dc.polylines.empty());
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
    seyffarth_haz_profile_window(point_defaults, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
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

// The value axis labels its ticks only as far as it reaches: the ticks run
// from the first step at or above the lowest value by the count the step
// was chosen for, and the hardness of the start scheme (260 to 272, step 4)
// once had 276 labelled above the plot, over the composition table and the
// title.
TEST_F(HazProfileWindow, ValueLabelsStandOnTheAxis)
{
    for (int scheme : {2, 1, 5}) {
        reset_program_state();
        use_scheme(scheme);
        for (int selector = 0; selector <= 6; ++selector) {
            RecordingCanvas dc;
            seyffarth_haz_profile_window(point_defaults, 50, nullptr, dc, selector, sample_seyffarth_steel(), 0);
            EXPECT_EQ(shown_texts(), "") << scheme << " " << selector;
            // The plot's frame: the first rectangle, in the blue pen.
            const RecordingCanvas::ShapeCall* frame = nullptr;
            for (const auto& r : dc.shapes)
                if (frame == nullptr && r.kind == RecordingCanvas::ShapeKind::rectangle &&
                    r.pen.color == Rgb{0, 0, 255})
                    frame = &r;
            ASSERT_NE(frame, nullptr);
            // The value labels: the numbers that end at the axis on the plot's
            // left edge (measured with the terminating zero, as they are placed).
            int labels = 0;
            RecordingCanvas probe;
            for (const auto& t : dc.texts) {
                if (t.font.escapement != 0 || t.text.find_first_not_of(" -+.0123456789e") != std::string::npos)
                    continue;
                probe.select_font(t.font);
                if (t.x + probe.text_extent(t.text, true).cx != frame->box.left) continue;
                ++labels;
                const int middle = t.y + t.font.height / 2;
                EXPECT_GE(middle, frame->box.top) << scheme << " " << selector << " " << t.text;
                EXPECT_LE(middle, frame->box.bottom) << scheme << " " << selector << " " << t.text;
            }
            EXPECT_GE(labels, 2) << scheme << " " << selector;
        }
    }
}

TEST_F(HazProfileWindow, EqualTemperaturesRaiseTheUpperOneInTheTitle)
{
    const double equal[4] = {0.05, 0.0, 500, 500};
    RecordingCanvas dc;
    seyffarth_haz_profile_window(equal, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_NE(dc.find_text("Время охлаждения (505 - 500 С) в ЗТВ по атласу П. Daverurud"), nullptr);
}

TEST_F(HazProfileWindow, PeakBelowTheIntervalShowsTheMaximumAndDrawsNothing)
{
    const double far_point[4] = {2.0, 0.0, 5000, 500};
    RecordingCanvas dc;
    seyffarth_haz_profile_window(far_point, 50, nullptr, dc, 1, sample_seyffarth_steel(), 0);
    const std::string shown = shown_texts();
    EXPECT_EQ(shown.rfind("You are fault with temperature ... |Maximum temperature=", 0), 0u) << shown;
    EXPECT_NE(shown.find(" at y=2 z=0 [cm]"), std::string::npos) << shown;
    EXPECT_TRUE(dc.texts.empty());
}

TEST_F(HazProfileWindow, PropertyProfileWithoutItsFilesIsReportedOnceAndNotDrawn)
{
    RecordingCanvas dc;
    seyffarth_haz_profile_window(point_defaults, 50, nullptr, dc, 2, sample_seyffarth_steel("absent.sp0"), 0);
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
