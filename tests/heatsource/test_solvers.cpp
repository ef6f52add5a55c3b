// Peak position, crossings and the cooling time on the installed scheme.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "heatsource.h"
#include "program_state.h"
#include "scheme_views.h"

namespace {

class StartScheme : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_program_state();
    }
    void TearDown() override { current_model = {}; }
};

// Scheme 2 at its start values, at the point y = 0, z = 0.5.
TEST_F(StartScheme, PeakCrossingsAndCoolingTime)
{
    double x_peak = find_peak_position(0, 0.5);
    EXPECT_NEAR(x_peak, -0.293, 0.0005);
    EXPECT_NEAR(current_model.temperature(x_peak, 0, 0.5), 3280, 0.5);

    // The crossings of the closed form, to seven digits; each search ends on
    // its cold side within 0.0001 of it.
    for (const auto& [target, x] : {std::pair{800.0, -2.9134834}, {500.0, -4.8444591}, {70.0, -47.639}}) {
        const Crossing c = find_rear_crossing(0, 0.5, x_peak, target);
        EXPECT_TRUE(c.found()) << target;
        EXPECT_NEAR(c.x, x, 0.005) << target;
        EXPECT_LE(current_model.temperature(c.x, 0, 0.5), target) << target;
        EXPECT_GT(current_model.temperature(c.x + 0.0001, 0, 0.5), target) << target;
    }
    const Crossing front = find_front_crossing(0, 0.5, x_peak, 70);
    EXPECT_TRUE(front.found());
    EXPECT_NEAR(front.x, 1.917, 0.0005);

    CoolingRate t = cooling_rate_at_point(0, 0.5, 800, 500);
    EXPECT_EQ(t.status, CoolingStatus::reached);
    // The crossings are searched behind a point of the peak search at least
    // as hot as the interval, not always the peak itself.
    EXPECT_GE(t.x_peak, -2.9134834);
    EXPECT_GE(t.t_max, 800);
    EXPECT_LE(t.t_max, current_model.temperature(x_peak, 0, 0.5));
    EXPECT_DOUBLE_EQ(t.t_max, current_model.temperature(t.x_peak, 0, 0.5));
    EXPECT_LE(t.x_from, -2.9134834);
    EXPECT_GE(t.x_from, -2.9134834 - 0.0001);
    EXPECT_LE(t.x_to, -4.8444591);
    EXPECT_GE(t.x_to, -4.8444591 - 0.0001);
    EXPECT_DOUBLE_EQ(t.v, 0.1);
    EXPECT_NEAR(t.time, 19.31, 0.005);
    EXPECT_DOUBLE_EQ(t.time, std::fabs(t.x_to - t.x_from) / 0.1);
    // The rate twin: 300 °C over the cooling time, positive while cooling.
    EXPECT_DOUBLE_EQ(t.rate, 300 / t.time);
    EXPECT_NEAR(t.rate, 15.54, 0.005);
}

// A field that is not a number anywhere.
double nan_field(double, double, double) { return std::numeric_limits<double>::quiet_NaN(); }

// Every way a point can fail to give a cooling time, with the ordinary point
// and the equal interval for contrast. A point that fails carries no time
// and no rate: nothing a search bound or a division by zero made up.
TEST_F(StartScheme, CoolingTimeTellsWhyThereIsNone)
{
    struct Case {
        const char* name;
        void (*setup)();
        double y, z, T_from, T_to;
        CoolingStatus status;
    };
    const Case cases[] = {
        {"ordinary point", [] {}, 0, 0.5, 800, 500, CoolingStatus::reached},
        {"peak below T from", [] {}, 3, 2, 800, 500, CoolingStatus::peak_below},
        {"never cools to T to", [] { scheme_state.ppr2.parameters.T0 = 600; }, 0, 0.5, 800, 500,
         CoolingStatus::not_cooled},
        {"T from = T to", [] {}, 0, 0.5, 600, 600, CoolingStatus::reached},
        {"v = 0", [] { scheme_state.ppr2.parameters.v = 0; }, 0, 0.5, 800, 500, CoolingStatus::speed_not_positive},
        {"v < 0", [] { scheme_state.ppr2.parameters.v = -0.1; }, 0, 0.5, 800, 500, CoolingStatus::speed_not_positive},
        {"q = 0", [] { scheme_state.ppr2.parameters.q = 0; }, 0, 0.5, 800, 500, CoolingStatus::power_not_positive},
        {"NaN field", [] { current_model.temperature = nan_field; }, 0, 0.5, 800, 500,
         CoolingStatus::not_finite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset_program_state();
        c.setup();
        const CoolingRate r = cooling_rate_at_point(c.y, c.z, c.T_from, c.T_to);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.reached(), c.status == CoolingStatus::reached);
        if (std::string(c.name) == "ordinary point") {
            EXPECT_NEAR(r.time, 19.31, 0.005);
        }
        if (r.reached()) {
            EXPECT_GT(r.time, 0);
            EXPECT_TRUE(std::isfinite(r.rate));
        } else {
            EXPECT_TRUE(std::isnan(r.time));
            EXPECT_TRUE(std::isnan(r.rate));
        }
    }

    // What each status carries for its report.
    reset_program_state();
    const CoolingTime below = cooling_time_at_point(3, 2, 800, 500);
    EXPECT_LT(below.t_max, 800);
    EXPECT_GT(below.t_max, 20);

    scheme_state.ppr2.parameters.T0 = 600;
    const CoolingTime warm = cooling_time_at_point(0, 0.5, 800, 500);
    EXPECT_DOUBLE_EQ(warm.not_cooled_to, 500);
    EXPECT_TRUE(find_rear_crossing(0, 0.5, warm.x_peak, 800).found());

    scheme_state.ppr2.parameters = {};
    const CoolingTime equal = cooling_time_at_point(0, 0.5, 600, 600);
    EXPECT_DOUBLE_EQ(equal.T_from, 606);
    EXPECT_DOUBLE_EQ(equal.T_to, 600);
    // Each crossing within the 0.0001 cm of the search on its own.
    EXPECT_NEAR(equal.x_from, find_rear_crossing(0, 0.5, equal.x_peak, 606).x, 0.0001);
    EXPECT_NEAR(equal.x_to, find_rear_crossing(0, 0.5, equal.x_peak, 600).x, 0.0001);
    EXPECT_DOUBLE_EQ(equal.time, std::fabs(equal.x_to - equal.x_from) / 0.1);
}

TEST_F(StartScheme, RaisedIntervalAboveThePeakIsNotReached)
{
    // The peak passes 600 = 600, but not the raised 606: no crossing of 606
    // to start the time from.
    const double x_peak = find_peak_position(1, 0.5);
    const double peak = current_model.temperature(x_peak, 1, 0.5);
    const CoolingTime t = cooling_time_at_point(1, 0.5, peak, peak);
    EXPECT_EQ(t.status, CoolingStatus::peak_below);
    EXPECT_TRUE(std::isnan(t.time));
}

TEST_F(StartScheme, TargetsOutOfReachAreNotCrossings)
{
    struct Case {
        Crossing c;
        SearchStatus status;
        double x;
    };
    const Case cases[] = {
        // Never as hot as the target: the hot end.
        {find_rear_crossing(0, 0.5, -0.3, 1e6), SearchStatus::too_cold, -0.3},
        {find_front_crossing(0, 0.5, -0.3, 1e6), SearchStatus::too_cold, -0.3},
        {find_half_width(-1, 0.5, 1e6, 100), SearchStatus::too_cold, 0},
        {find_depth(-1, 0, 1e6, 10000), SearchStatus::too_cold, 0},
        // Still hotter than the target at the far end: the far bound.
        {find_rear_crossing(0, 0.5, -0.3, 10), SearchStatus::beyond_range, -8000},
        {find_front_crossing(0, 0.5, -0.3, 10), SearchStatus::beyond_range, 1000},
        {find_half_width(-1, 0.5, 10, -100), SearchStatus::beyond_range, -100},
        {find_depth(-1, 0, 10, 10000), SearchStatus::beyond_range, 10000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.c.status, c.status) << c.x;
        EXPECT_FALSE(c.c.found()) << c.x;
        EXPECT_EQ(c.c.x, c.x);
    }
}

TEST_F(StartScheme, HalfWidthAndDepthLieOnTheIsotherm)
{
    const Crossing y = find_half_width(-1, 0, 800, 100);
    EXPECT_TRUE(y.found());
    EXPECT_GT(y.x, 0);
    EXPECT_NEAR(current_model.temperature(-1, y.x, 0), 800, 1.0);
    EXPECT_NEAR(find_half_width(-1, 0, 800, -100).x, -y.x, 1e-3);
    const Crossing z = find_depth(-1, 0, 800, 10000);
    EXPECT_TRUE(z.found());
    EXPECT_NEAR(current_model.temperature(-1, 0, z.x), 800, 1.0);
}

TEST_F(StartScheme, OtherSideGivesADistance)
{
    const Crossing d = find_half_width_other_side(-1, 0, 800, -100);
    EXPECT_TRUE(d.found());
    EXPECT_GT(d.x, 0);
    EXPECT_NEAR(current_model.temperature(-1, -d.x, 0), 800, 1.0);
    // Hotter than the target by no more than 0.001 at y = 0: nothing to trace.
    double at_axis = current_model.temperature(-1, 0, 0);
    const Crossing none = find_half_width_other_side(-1, 0, at_axis - 0.0005, -100);
    EXPECT_EQ(none.status, SearchStatus::too_cold);
    EXPECT_EQ(none.x, 0);
    // Still too hot at the bound: its distance, whatever its sign.
    const Crossing far = find_half_width_other_side(-1, 0, 10, -100);
    EXPECT_EQ(far.status, SearchStatus::beyond_range);
    EXPECT_EQ(far.x, 100);
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

// Scheme 2 at its start values, counting its evaluations.
double counted_body(double x, double y, double z)
{
    ++evaluations;
    return ppr2_temperature(x, y, z);
}

// Every crossing search closes its bracket to 0.0001 in a handful of
// evaluations once the interpolation takes hold: a bisection from a bracket
// of 8000 cm would take 27, and the alternation of bisection and false
// position about 40.
TEST_F(StartScheme, CrossingSearchesConvergeFast)
{
    const double x_peak = find_peak_position(0, 0.5);
    current_model.temperature = counted_body;
    struct Case {
        const char* name;
        Crossing (*search)(double x_peak);
        int most;
    };
    const Case cases[] = {
        {"rear 800", [](double p) { return find_rear_crossing(0, 0.5, p, 800); }, 20},
        {"rear 500", [](double p) { return find_rear_crossing(0, 0.5, p, 500); }, 20},
        {"rear 70", [](double p) { return find_rear_crossing(0, 0.5, p, 70); }, 20},
        {"front 70", [](double p) { return find_front_crossing(0, 0.5, p, 70); }, 20},
        {"half width 800", [](double) { return find_half_width(-1, 0, 800, 100); }, 14},
        {"other side 800", [](double) { return find_half_width_other_side(-1, 0, 800, -100); }, 14},
        {"depth 800", [](double) { return find_depth(-1, 0, 800, 10000); }, 20},
    };
    for (const Case& c : cases) {
        evaluations = 0;
        EXPECT_TRUE(c.search(x_peak).found()) << c.name;
        EXPECT_LE(evaluations, c.most) << c.name;
    }
}

// The cooling time as the solvers give it step by step: the top of the
// field, and each crossing searched from it to 8000 cm behind it.
CoolingTime full_search_cooling_time(double y, double z, double T_from, double T_to)
{
    CoolingTime r;
    current_model.prepare();
    r.v = current_model.velocity();
    const Peak top = find_peak(y, z);
    r.x_peak = top.x;
    r.t_max = top.T;
    r.T_from = T_from == T_to ? 1.01 * T_from : T_from;
    r.T_to = T_to;
    if (r.t_max < T_to || r.t_max < T_from) {
        r.status = CoolingStatus::peak_below;
        return r;
    }
    const Crossing from = find_rear_crossing(y, z, r.x_peak, r.T_from);
    const Crossing to = find_rear_crossing(y, z, r.x_peak, r.T_to);
    if (from.status == SearchStatus::too_cold) {
        r.status = CoolingStatus::peak_below;
        return r;
    }
    r.status = from.found() && to.found() ? CoolingStatus::reached : CoolingStatus::not_cooled;
    r.x_from = from.x;
    r.x_to = to.x;
    // Both temperatures passed at one place: no interval to time.
    if (r.reached() && r.x_from == r.x_to) r.status = CoolingStatus::interval_unresolved;
    r.time = std::fabs(r.x_to - r.x_from) / r.v;
    return r;
}

// The cooling time brackets each crossing with what the peak search has
// seen of the field, stops that search once its bracket lies above the
// interval, and searches the two crossings side by side: its status is
// that of the full searches, and its crossings are theirs to their
// 0.0001 cm, for every scheme at its data dialog's start values, on and off
// the weld axis.
TEST(Solvers, CoolingTimeCrossingsAreThoseOfTheFullSearches)
{
    struct Point {
        double y, z;
    };
    const Point points[] = {{0.05, 0}, {0.3, 0.2}, {0.8, 0.1}};
    for (int scheme : {1, 2, 3, 4, 5, 6, 9, 10}) {
        ASSERT_TRUE(install_scheme(scheme));
        for (const Point& p : points) {
            SCOPED_TRACE("scheme " + std::to_string(scheme) + " y=" + std::to_string(p.y) +
                         " z=" + std::to_string(p.z));
            const CoolingTime t = cooling_time_at_point(p.y, p.z, 800, 500);
            const CoolingTime full = full_search_cooling_time(p.y, p.z, 800, 500);
            EXPECT_EQ(t.status, full.status);
            if (!t.reached() || !full.reached()) continue;
            EXPECT_NEAR(t.x_from, full.x_from, 0.0001);
            EXPECT_NEAR(t.x_to, full.x_to, 0.0001);
            EXPECT_DOUBLE_EQ(t.t_max, current_model.temperature(t.x_peak, p.y, p.z));
        }
    }
    current_model = {};
    install_start_scheme();
}

// Where the top is just at or just above a temperature of the interval the
// early ends of the peak search and of its refinement must not change the
// answer: the point reaches the interval exactly where its top says so, also
// between the peak search's own end and the top (at y = 0.3 the thin
// plate's search ends on 802.04 °C, its top is 806.2 °C), and for an equal
// interval raised by 1 % across the top.
TEST(Solvers, CoolingTimeAtThePeakEdgeIsThatOfTheFullSearch)
{
    struct Point {
        double y, z;
    };
    const Point points[] = {{0, 0.5}, {0.05, 0.2}, {0.3, 0.2}, {0.8, 0.1}, {1.5, 0.5}};
    for (int scheme : {1, 2}) {
        ASSERT_TRUE(install_scheme(scheme));
        for (const Point& p : points) {
            current_model.prepare();
            const double peak = find_peak(p.y, p.z).T;
            const double up = std::nextafter(peak, HUGE_VAL);
            const double down = std::nextafter(peak, -HUGE_VAL);
            const double low = peak / 2;
            const std::pair<double, double> intervals[] = {
                {800, 500},     {500, 800},  {600, 600},  {peak, low},        {up, low},
                {down, low},    {low, peak}, {low, up},   {peak + 2, low},    {peak / 1.01, peak / 1.01},
                {up / 1.01, up / 1.01},      {down / 1.01, down / 1.01},      {peak, peak},
            };
            for (const auto& [from, to] : intervals) {
                SCOPED_TRACE("scheme " + std::to_string(scheme) + " y=" + std::to_string(p.y) +
                             " z=" + std::to_string(p.z) + " interval " + std::to_string(from) + " to " +
                             std::to_string(to));
                const CoolingTime t = cooling_time_at_point(p.y, p.z, from, to);
                const CoolingTime full = full_search_cooling_time(p.y, p.z, from, to);
                ASSERT_EQ(t.status, full.status);
                if (t.status == CoolingStatus::peak_below) {
                    EXPECT_DOUBLE_EQ(t.t_max, full.t_max);
                    continue;
                }
                EXPECT_DOUBLE_EQ(t.T_from, full.T_from);
                EXPECT_NEAR(t.x_from, full.x_from, 0.0001);
                EXPECT_NEAR(t.x_to, full.x_to, 0.0001);
                if (t.reached()) {
                    EXPECT_NEAR(t.time, full.time, 0.0002 / t.v);
                }
            }
        }
    }
    current_model = {};
    install_start_scheme();
}

// Scheme 2's worked point asks the field 25 times for the peak (the first
// five samples and two in each of the 10 passes); the cooling time stops
// that search once its bracket lies above 800 °C and needs only a few more
// for the two crossings, where searching each from the peak would take a
// dozen or more.
TEST_F(StartScheme, CoolingTimeReusesWhatThePeakSearchSaw)
{
    current_model.temperature = counted_body;
    evaluations = 0;
    find_peak_position(0, 0.5);
    const int peak = evaluations;
    EXPECT_EQ(peak, 25);
    evaluations = 0;
    const CoolingTime t = cooling_time_at_point(0, 0.5, 800, 500);
    EXPECT_TRUE(t.reached());
    EXPECT_LE(evaluations, peak + 4);
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
    EXPECT_NEAR(find_half_width(0, 0, 50, 10).x, 5, 1e-4);
    EXPECT_NEAR(find_depth(0, 0, 50, 10).x, 5, 1e-4);
    // At the target from the hot end on: once a step lands on the target too,
    // both ends are at it and there is nothing to interpolate; the search
    // stops with that cold end, a point of the field at the target.
    for (const Crossing& c : {find_half_width(0, 0, 100, 10), find_depth(0, 0, 100, 10)}) {
        EXPECT_TRUE(c.found());
        EXPECT_GT(c.x, 0);
        EXPECT_LT(c.x, 5);
    }
    EXPECT_NEAR(find_half_width_other_side(0, 0, 50, -10).x, 5, 1e-4);
    current_model = {};
}

// 1000 °C at the weld axis falling off across it, and no number beyond 3 cm
// behind the source: the search runs into the hole.
double holed_field(double x, double y, double z)
{
    if (x < -3) return std::numeric_limits<double>::quiet_NaN();
    return 1000 * std::exp(-(x * x + y * y + z * z) / 10);
}

TEST(Solvers, ValuesThatAreNotNumbersAreReported)
{
    current_model = {};
    current_model.temperature = holed_field;
    EXPECT_EQ(find_rear_crossing(0, 0, 0, 500).status, SearchStatus::not_a_number);
    EXPECT_TRUE(find_front_crossing(0, 0, 0, 500).found());
    current_model.temperature = nan_field;
    EXPECT_EQ(find_half_width(0, 0, 500, 10).status, SearchStatus::not_a_number);
    EXPECT_EQ(find_depth(0, 0, 500, 10).status, SearchStatus::not_a_number);
    current_model = {};
}

}  // namespace
