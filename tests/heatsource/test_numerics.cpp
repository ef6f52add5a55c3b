// Bessel functions of order zero and the Simpson integration.
#include <gtest/gtest.h>

#include <cmath>

#include "heatsource.h"

namespace {

TEST(Bessel, TabulatedValues)
{
    struct Case {
        double x, i0, i0_tolerance, k0, k0_tolerance;
    };
    const Case cases[] = {
        {1.0, 1.26606578, 0.5e-8, 0.42102438, 0.5e-8},
        {5.0, 27.2398716, 0.5e-7, 0.0036910984, 0.5e-10},
    };
    for (const Case& c : cases) {
        double i0 = 0, k0 = 0;
        bessel_i0_k0(c.x, i0, k0);
        EXPECT_NEAR(i0, c.i0, c.i0_tolerance) << "x=" << c.x;
        EXPECT_NEAR(k0, c.k0, c.k0_tolerance) << "x=" << c.x;
    }
}

TEST(Bessel, NonPositiveArgumentGivesHugeValues)
{
    for (double x : {0.0, -1e-300, -2.5, -1e9}) {
        double i0 = 0, k0 = 0;
        bessel_i0_k0(x, i0, k0);
        EXPECT_EQ(i0, 1e24) << x;
        EXPECT_EQ(k0, 1e24) << x;
    }
}

// The approximations change form at 3.75 (I0) and 2 (K0); the break point
// belongs to the lower form and the step across it is tiny.
TEST(Bessel, ContinuousAcrossBreakPoints)
{
    double i0_at, k0_at, i0_above, k0_above;
    bessel_i0_k0(3.75, i0_at, k0_at);
    bessel_i0_k0(std::nextafter(3.75, 4.0), i0_above, k0_above);
    EXPECT_LT(std::fabs(i0_above - i0_at) / i0_at, 1e-7);
    EXPECT_NE(i0_above, i0_at);   // the other form is in use above the break

    bessel_i0_k0(2.0, i0_at, k0_at);
    bessel_i0_k0(std::nextafter(2.0, 3.0), i0_above, k0_above);
    EXPECT_LT(std::fabs(k0_above - k0_at) / k0_at, 1e-7);
    EXPECT_NE(k0_above, k0_at);
}

// Against the library's Bessel functions as an independent reference: the
// polynomial forms are good to a few parts in 1e7 over the range the
// schemes use.
TEST(Bessel, AgreesWithReferenceAcrossRange)
{
    for (double x : {0.01, 0.3, 1.7, 2.0, 2.5, 3.75, 4.2, 8.0, 15.0, 19.9}) {
        double i0, k0;
        bessel_i0_k0(x, i0, k0);
        EXPECT_NEAR(i0 / std::cyl_bessel_i(0.0, x), 1.0, 3e-7) << x;
        EXPECT_NEAR(k0 / std::cyl_bessel_k(0.0, x), 1.0, 3e-7) << x;
    }
}

// The plate schemes take K0 alone, accurate at every argument: within
// 1e-10 of the library's K0 from the source out to where K0 underflows,
// with no step where the series gives way to the expansion at 2 (nor at 10,
// where a one-term asymptotic form would be 1.2 % off).
TEST(Bessel, K0AloneIsAccurateAtEveryArgument)
{
    for (double x = 1e-6; x < 650; x *= 1.01)
        EXPECT_NEAR(bessel_k0(x) / std::cyl_bessel_k(0.0, x), 1.0, 1e-10) << x;
    for (double at : {2.0, 10.0})
        EXPECT_NEAR(bessel_k0(std::nextafter(at, 0.0)) / bessel_k0(at), 1.0, 1e-12) << at;
    for (double x : {0.5, 2.0, 10.0, 700.0, 1e6})
        EXPECT_NEAR(bessel_k0_scaled(x) * std::sqrt(2 * x / M_PI), 1.0, x < 100 ? 0.3 : 1e-3) << x;
    for (double x : {0.5, 3.0, 50.0})
        EXPECT_NEAR(bessel_k0_scaled(x), std::exp(x) * bessel_k0(x), 1e-13 * bessel_k0_scaled(x)) << x;
    EXPECT_EQ(bessel_k0(0.0), 1e24);
    EXPECT_EQ(bessel_k0(-1.0), 1e24);
}

// K0 from w² alone, as the thin plate takes it near the source, is
// bessel_k0's.
TEST(Bessel, K0FromTheSquareIsBesselK0)
{
    for (double w : {1e-6, 0.001, 0.1, 0.5, 1.0, 1.5, 1.999, 2.0}) {
        EXPECT_NEAR(bessel_k0_from_square(w * w), bessel_k0(w), 1e-14 * bessel_k0(w)) << w;
    }
    EXPECT_NEAR(bessel_k0_from_square(1.0), 0.42102443824070834, 1e-15);
}

int calls = 0;

double cube(double x)
{
    ++calls;
    return x * x * x;
}

// Zero at every point of the first pass, one everywhere else.
double zero_on_first_grid(double)
{
    return ++calls <= 21 ? 0.0 : 1.0;
}

// Simpson converges only like the square root of the step here.
double inverse_root(double x)
{
    ++calls;
    return x > 0 ? 1.0 / std::sqrt(x) : 0.0;
}

TEST(Simpson, CubeSettlesAfterSecondPass)
{
    calls = 0;
    int status = -1;
    double value = simpson_integrate(cube, 0.0, 1.0, 20, status);
    EXPECT_NEAR(value, 0.25, 1e-15);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(calls, 21 + 20);   // two passes, no point evaluated twice
}

TEST(Simpson, ZeroFirstPassStopsWithZero)
{
    calls = 0;
    int status = -1;
    double value = simpson_integrate(zero_on_first_grid, 0.0, 1.0, 20, status);
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(calls, 41);
}

TEST(Simpson, EmptyIntervalGivesZero)
{
    calls = 0;
    int status = -1;
    EXPECT_EQ(simpson_integrate(cube, 2.0, 2.0, 20, status), 0.0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(calls, 41);
}

TEST(Simpson, SlowIntegrandRunsAllTenPasses)
{
    calls = 0;
    int status = -1;
    double value = simpson_integrate(inverse_root, 0.0, 1.0, 20, status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(calls, 20 * 512 + 1);   // 10240 intervals in the last pass
    // The last pass's value: close to 2 but not there.
    EXPECT_GT(value, 1.9);
    EXPECT_LT(value, 2.0);
}

}  // namespace
