#include "curve_set.h"
#include "spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// A curve set holding the given curves (header of zeros).
std::vector<double> curve_set(const std::vector<std::vector<std::pair<double, double>>>& curves)
{
    std::vector<double> v(25, 0.0);
    for (const auto& c : curves) {
        v.push_back(static_cast<double>(c.size()) - 1);
        v.push_back(255);
        for (auto [x, y] : c) {
            v.push_back(x);
            v.push_back(y);
        }
        v.push_back(0);
    }
    v[0] = static_cast<double>(v.size());
    return v;
}

} // namespace

TEST(SplineLookup, KnotAbscissaGivesTheKnotsValue)
{
    const std::vector<double> xs{std::log(1.0), std::log(10.0), std::log(100.0)};
    const std::vector<double> ys{10, 20, 30};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        int flag = -1;
        EXPECT_EQ(spline_lookup(ys, xs, xs[i], 0.01, 2, flag), ys[i]) << i;
        EXPECT_EQ(flag, spline_inside);
    }
    int flag = -1;
    const double v = spline_lookup(ys, xs, std::log(10.0) + 0.01, 0.001, 2, flag);
    EXPECT_EQ(flag, spline_inside);
    EXPECT_GT(v, 20.0);
    EXPECT_LT(v, 20.1);

    // One point: its own abscissa gives its value, any other none.
    EXPECT_EQ(spline_lookup(std::vector<double>{7}, std::vector<double>{2}, 2.0, 0.01, 0, flag), 7.0);
    EXPECT_EQ(spline_lookup(std::vector<double>{7}, std::vector<double>{2}, 2.5, 0.01, 0, flag), -1.0);
}

// Below the first knot, on every knot, between knots, on the last and beyond
// it: each gives a value of the curve, the ends held.
TEST(CurveLookup, EveryAbscissaGivesAValueOfTheCurve)
{
    // ln t of 1, 2, 5, 10, 50, 400 s against a falling hardness.
    const std::vector<double> ts{1, 2, 5, 10, 50, 400};
    const std::vector<double> ys{440, 410, 350, 300, 230, 180};
    std::vector<double> xs;
    for (double t : ts) xs.push_back(std::log(t));
    struct Case {
        double t;
        double value;
        int flag;
    };
    const Case cases[] = {
        {0.5, 440, spline_below}, {1, 440, spline_inside},   {2, 410, spline_inside},  {5, 350, spline_inside},
        {10, 300, spline_inside}, {50, 230, spline_inside},  {400, 180, spline_inside}, {401, 180, spline_above},
        {1e9, 180, spline_above},
    };
    for (const Case& c : cases) {
        int flag = -1;
        EXPECT_EQ(curve_lookup(ys, xs, std::log(c.t), 0.01, 5, flag), c.value) << c.t;
        EXPECT_EQ(flag, c.flag) << c.t;
    }
    // Between two knots the spline lies between (nearly) their values.
    for (std::size_t i = 0; i + 1 < ts.size(); ++i) {
        int flag = -1;
        const double v = curve_lookup(ys, xs, 0.5 * (xs[i] + xs[i + 1]), 0.001, 5, flag);
        EXPECT_LT(v, ys[i] + 5) << i;
        EXPECT_GT(v, ys[i + 1] - 5) << i;
    }
    // A curve whose abscissa falls holds the end it lies beyond: the point of
    // the smallest abscissa below, of the largest above.
    const std::vector<double> down{5, 4, 3};
    const std::vector<double> vals{50, 40, 30};
    int flag = -1;
    EXPECT_EQ(curve_lookup(vals, down, 1.0, 0.01, 2, flag), 30.0);
    EXPECT_EQ(curve_lookup(vals, down, 9.0, 0.01, 2, flag), 50.0);
    // No value for what is not a number, or without points.
    EXPECT_TRUE(std::isnan(curve_lookup(vals, down, std::numeric_limits<double>::quiet_NaN(), 0.01, 2, flag)));
    EXPECT_TRUE(std::isnan(curve_lookup(vals, down, 4.0, 0.01, -1, flag)));
}

TEST(SplineLookup, CollinearPointsGiveTheLine)
{
    std::vector<double> xs, ys;
    for (int i = 0; i <= 6; ++i) {
        xs.push_back(i);
        ys.push_back(2.0 * i);
    }
    for (double x : {0.3, 1.7, 2.5, 4.01, 5.99}) {
        int flag = -1;
        const double tolerance = 0.01;
        EXPECT_NEAR(spline_lookup(ys, xs, x, tolerance, 6, flag), 2 * x, 2 * tolerance) << x;
        EXPECT_EQ(flag, spline_inside);
    }
}

TEST(SplineLookup, OutsideTheRangeGivesMinusOneAndTheSide)
{
    const std::vector<double> xs{1, 2, 3};
    const std::vector<double> ys{5, 7, 4};
    int flag = -1;
    EXPECT_EQ(spline_lookup(ys, xs, 3.5, 0.01, 2, flag), -1.0);
    EXPECT_EQ(flag, spline_above);
    EXPECT_EQ(spline_lookup(ys, xs, 0.5, 0.01, 2, flag), -1.0);
    EXPECT_EQ(flag, spline_below);
}

TEST(SplineLookup, DecreasingAbscissaIsSearchedAlike)
{
    const std::vector<double> xs{5, 4, 3, 2, 1};
    const std::vector<double> ys{10, 8, 6, 4, 2};
    int flag = -1;
    EXPECT_NEAR(spline_lookup(ys, xs, 2.5, 0.001, 4, flag), 5.0, 0.002);
    EXPECT_EQ(flag, spline_inside);
}

TEST(SplineLookup, TwoPointsInterpolateLinearly)
{
    const std::vector<double> xs{0, 1};
    const std::vector<double> ys{0, 10};
    int flag = -1;
    EXPECT_NEAR(spline_lookup(ys, xs, 0.25, 0.0001, 1, flag), 2.5, 10 * 0.0001);
}

TEST(SplineLookup, SplinePassesThroughItsKnots)
{
    const std::vector<double> v{3, -1, 4, 1, 5, 9, 2};
    const std::vector<double> m = spline_solve_moments(spline_prepare_system(v));
    ASSERT_EQ(m.size(), v.size());
    EXPECT_EQ(m.front(), 0.0);
    EXPECT_EQ(m.back(), 0.0);
    const SplineCoefficients c = spline_coefficients(v, m);
    for (int i = 1; i < static_cast<int>(v.size()); ++i) {
        EXPECT_NEAR(spline_evaluate(v, m, c, i, i + 1.0), v[static_cast<std::size_t>(i)], 1e-12);
        EXPECT_NEAR(spline_evaluate(v, m, c, i, i), v[static_cast<std::size_t>(i) - 1], 1e-12);
    }
    // The slopes of neighbouring intervals meet at the knots.
    for (int i = 1; i + 1 < static_cast<int>(v.size()); ++i) {
        const double h = 1e-6;
        const double left = (spline_evaluate(v, m, c, i, i + 1.0) - spline_evaluate(v, m, c, i, i + 1.0 - h)) / h;
        const double right =
            (spline_evaluate(v, m, c, i + 1, i + 1.0 + h) - spline_evaluate(v, m, c, i + 1, i + 1.0)) / h;
        EXPECT_NEAR(left, right, 1e-4) << i;
    }
}

TEST(SplineLookup, UnreachableToleranceAndBadDataStillEnd)
{
    const std::vector<double> xs{0, 1, 2};
    const std::vector<double> ys{0, 1, 4};
    int flag = -1;
    const double v = spline_lookup(ys, xs, 0.5, 0.0, 2, flag);
    EXPECT_GT(v, 0.0);
    EXPECT_LT(v, 1.0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> bad_y{0, nan, 4};
    EXPECT_TRUE(std::isnan(spline_lookup(bad_y, xs, 0.5, 0.001, 2, flag)));
    EXPECT_EQ(spline_lookup(ys, xs, nan, 0.001, 2, flag), -1.0);
}

TEST(SplineLookup, ReadsNoFurtherThanTheArraysReach)
{
    const std::vector<double> xs{0, 1, 2};
    const std::vector<double> ys{0, 2, 4};
    int flag = -1;
    EXPECT_NEAR(spline_lookup(ys, xs, 1.5, 0.001, 50, flag), 3.0, 0.002);
    EXPECT_EQ(spline_lookup(ys, xs, 1.5, 0.001, -1, flag), -1.0);
}

TEST(SplineLookup, LongCurvesAreNotLimitedToAHundredPoints)
{
    std::vector<double> xs, ys;
    for (int i = 0; i < 300; ++i) {
        xs.push_back(i * 0.1);
        ys.push_back(3.0 * i * 0.1 + 1);
    }
    int flag = -1;
    EXPECT_NEAR(spline_lookup(ys, xs, 25.05, 0.001, 299, flag), 3 * 25.05 + 1, 0.003);
}

TEST(CurveLookup, TimesOutsideTheCurveTakeItsEndValuesAndKnotsTheirOwn)
{
    const auto set = curve_set({{{0, 400}, {1, 300}, {2, 250}},
                                {{std::log(1.0), 10}, {std::log(10.0), 20}, {std::log(100.0), 30}}});
    std::vector<double> out;
    const std::vector<double> times{0.5, 1000.0, 10.0, -10.0 * std::exp(0.01)};
    ASSERT_TRUE(lookup_curve_at_times(set, 1, times, out));
    ASSERT_EQ(out.size(), times.size());
    EXPECT_EQ(out[0], 10.0);    // below: first ordinate
    EXPECT_EQ(out[1], 30.0);    // above: last ordinate
    EXPECT_EQ(out[2], 20.0);    // on an inner knot: its own
    EXPECT_GT(out[3], 20.0);    // ln |t| of a negative time
    EXPECT_LT(out[3], 20.1);

    EXPECT_FALSE(lookup_curve_at_times(set, 2, times, out));
    EXPECT_EQ(out, std::vector<double>(times.size(), -1.0));
}

TEST(CurveLookup, ExtractCurveWalksTheRecords)
{
    const auto set = curve_set({{{0, 1}, {1, 2}}, {{5, 6}, {7, 8}, {9, 10}}});
    std::vector<double> xs, ys;
    int n = 0, colour = 0;
    ASSERT_TRUE(extract_curve(set, xs, ys, n, colour, 1));
    EXPECT_EQ(n, 2);
    EXPECT_EQ(colour, 255);
    EXPECT_EQ(xs, (std::vector<double>{5, 7, 9}));
    EXPECT_EQ(ys, (std::vector<double>{6, 8, 10}));
    EXPECT_FALSE(extract_curve(set, xs, ys, n, colour, 2));
    EXPECT_EQ(n, -1);

    // A count that claims more than the array holds, or a record running past
    // the end, is not followed.
    auto broken = set;
    broken[0] = 7999;
    broken.back() = 0;
    broken[broken.size() - 9] = 90;   // second record's n
    EXPECT_TRUE(extract_curve(broken, xs, ys, n, colour, 0));
    EXPECT_FALSE(extract_curve(broken, xs, ys, n, colour, 1));
    EXPECT_FALSE(extract_curve(std::vector<double>{}, xs, ys, n, colour, 0));
}
