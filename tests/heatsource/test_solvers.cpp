// Peak position, crossings and the cooling time on the installed scheme.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "heatsource.h"

namespace {

class StartScheme : public ::testing::Test {
protected:
    void SetUp() override
    {
        current_model = {};
        ppr2_parameters = {};
        install_start_scheme();
    }
    void TearDown() override { current_model = {}; }
};

// Scheme 2 at its start values, at the point y = 0, z = 0.5.
TEST_F(StartScheme, PeakCrossingsAndCoolingTime)
{
    double x_peak = find_peak_position(0, 0.5);
    EXPECT_NEAR(x_peak, -0.293, 0.0005);
    EXPECT_NEAR(current_model.temperature(x_peak, 0, 0.5), 3280, 0.5);

    EXPECT_NEAR(find_rear_crossing(0, 0.5, x_peak, 800), -2.913, 0.0005);
    EXPECT_NEAR(find_rear_crossing(0, 0.5, x_peak, 500), -4.844, 0.0005);
    EXPECT_NEAR(find_front_crossing(0, 0.5, x_peak, 70), 1.917, 0.0005);
    EXPECT_NEAR(find_rear_crossing(0, 0.5, x_peak, 70), -47.64, 0.005);

    CoolingTime t = cooling_time_at_point(0, 0.5, 800, 500);
    EXPECT_EQ(t.reached, 1);
    EXPECT_DOUBLE_EQ(t.x_peak, x_peak);
    EXPECT_NEAR(t.x_from, -2.913, 0.0005);
    EXPECT_NEAR(t.x_to, -4.844, 0.0005);
    EXPECT_DOUBLE_EQ(t.v, 0.1);
    EXPECT_NEAR(t.time, 19.3, 0.05);
}

TEST_F(StartScheme, PointBelowTheIntervalIsReported)
{
    CoolingTime t = cooling_time_at_point(3, 2, 800, 500);
    EXPECT_EQ(t.reached, 0);
    EXPECT_LT(t.t_max, 800);
    EXPECT_GT(t.t_max, 20);
    EXPECT_EQ(t.time, 0);
}

TEST_F(StartScheme, EqualTemperaturesWidenTheInterval)
{
    CoolingTime t = cooling_time_at_point(0, 0.5, 600, 600);
    EXPECT_EQ(t.reached, 1);
    EXPECT_DOUBLE_EQ(t.x_from, find_rear_crossing(0, 0.5, t.x_peak, 606));
    EXPECT_DOUBLE_EQ(t.x_to, find_rear_crossing(0, 0.5, t.x_peak, 600));
    EXPECT_GT(t.time, 0);
}

TEST_F(StartScheme, TargetsOutOfReachReturnTheBounds)
{
    // Never as hot as the target: the hot end.
    EXPECT_EQ(find_rear_crossing(0, 0.5, -0.3, 1e6), -0.3);
    EXPECT_EQ(find_front_crossing(0, 0.5, -0.3, 1e6), -0.3);
    EXPECT_EQ(find_half_width(-1, 0.5, 1e6, 100), 0);
    EXPECT_EQ(find_depth(-1, 0, 1e6, 10000), 0);
    // Still hotter than the target at the far end: the far bound.
    EXPECT_EQ(find_rear_crossing(0, 0.5, -0.3, 10), -8000);
    EXPECT_EQ(find_front_crossing(0, 0.5, -0.3, 10), 1000);
    EXPECT_EQ(find_half_width(-1, 0.5, 10, -100), -100);
    EXPECT_EQ(find_depth(-1, 0, 10, 10000), 10000);
}

TEST_F(StartScheme, HalfWidthAndDepthLieOnTheIsotherm)
{
    double y = find_half_width(-1, 0, 800, 100);
    EXPECT_GT(y, 0);
    EXPECT_NEAR(current_model.temperature(-1, y, 0), 800, 1.0);
    double y_neg = find_half_width(-1, 0, 800, -100);
    EXPECT_NEAR(y_neg, -y, 1e-3);
    double z = find_depth(-1, 0, 800, 10000);
    EXPECT_NEAR(current_model.temperature(-1, 0, z), 800, 1.0);
}

TEST_F(StartScheme, OtherSideGivesADistance)
{
    double d = find_half_width_other_side(-1, 0, 800, -100);
    EXPECT_GT(d, 0);
    EXPECT_NEAR(current_model.temperature(-1, -d, 0), 800, 1.0);
    // Hotter than the target by no more than 0.001 at y = 0: nothing to trace.
    double at_axis = current_model.temperature(-1, 0, 0);
    EXPECT_EQ(find_half_width_other_side(-1, 0, at_axis - 0.0005, -100), 0);
    // Still too hot at the bound: its distance, whatever its sign.
    EXPECT_EQ(find_half_width_other_side(-1, 0, 10, -100), 100);
}

// Fields made up for the searches.
int evaluations = 0;
double flat_field(double, double, double)
{
    ++evaluations;
    return 20;
}
// 100 °C within 5 cm of the weld axis at the surface, minus infinity beyond.
double cliff_field(double, double y, double z)
{
    return std::fabs(y) + z < 5 ? 100.0 : -std::numeric_limits<double>::infinity();
}

TEST(Solvers, FlatFieldEndsPeakSearchAfterFirstPass)
{
    current_model = {};
    current_model.temperature = flat_field;
    evaluations = 0;
    // Ties go to the front sample, so the bracket closes on the front quarter.
    EXPECT_EQ(find_peak_position(0, 0), 50);
    EXPECT_EQ(evaluations, 5 + 3);
    current_model = {};
}

TEST(Solvers, DegenerateFalsePositionGivesABracketEnd)
{
    current_model = {};
    current_model.temperature = cliff_field;
    // An infinite cold end leaves the bisection to find the cliff.
    EXPECT_NEAR(find_half_width(0, 0, 50, 10), 5, 1e-4);
    EXPECT_NEAR(find_depth(0, 0, 50, 10), 5, 1e-4);
    // At the target on both ends of [0, 2.5] the false-position step would be
    // 0/0: the search stops with the cold end.
    EXPECT_EQ(find_half_width(0, 0, 100, 10), 2.5);
    EXPECT_EQ(find_depth(0, 0, 100, 10), 2.5);
    EXPECT_EQ(find_half_width_other_side(0, 0, 50, -10), 5);
    current_model = {};
}

}  // namespace
