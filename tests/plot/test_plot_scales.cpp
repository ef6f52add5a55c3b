// Tick steps, tick values, data extent and the printed page's plot rectangle.
#include "plot.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {
const double nan_value = std::numeric_limits<double>::quiet_NaN();
const double inf_value = std::numeric_limits<double>::infinity();
} // namespace

TEST(TickStep, RoundsTheRawStepUpToAWholeMultipleOfThePowerBelow)
{
    struct Case { double range; double step; int n; };
    const Case cases[] = {
        {400, 70, 6}, {100, 20, 5}, {900, 200, 5}, {60, 10, 6}, {1, 0.2, 5}, {0.05, 0.009, 6},
    };
    for (const Case& c : cases) {
        int n = 7;
        double step = -1;
        choose_tick_step(c.range, n, step);
        EXPECT_DOUBLE_EQ(step, c.step) << c.range;
        EXPECT_EQ(n, c.n) << c.range;
    }
}

TEST(TickStep, ZeroRangeGivesStepZeroAndLeavesTheCount)
{
    int n = 7;
    double step = -1;
    choose_tick_step(0, n, step);
    EXPECT_EQ(step, 0);
    EXPECT_EQ(n, 7);
}

TEST(TickStep, NegativeRangeGivesPositiveStepAndNoSteps)
{
    int n = 7;
    double step = 0;
    choose_tick_step(-400, n, step);
    EXPECT_DOUBLE_EQ(step, 70);
    EXPECT_LE(n, 0);
}

TEST(TickStep, CountBelowTwoOrNonFiniteRangeDoNotDivideByZero)
{
    int n = 1;
    double step = 0;
    choose_tick_step(400, n, step);   // taken as two wished values: one step of 400
    EXPECT_DOUBLE_EQ(step, 400);
    EXPECT_EQ(n, 1);
    for (double range : {nan_value, inf_value, -inf_value}) {
        n = 7;
        choose_tick_step(range, n, step);
        EXPECT_EQ(step, 0);
        EXPECT_EQ(n, 7);
    }
}

// However wide or narrow the range, as long as it is a number: a positive
// finite step, and tick values that are numbers from the lower end to the
// end of the range; the axes draw no "inf" label.
TEST(TickStep, EveryFiniteRangeGetsFiniteTicks)
{
    const double largest = std::numeric_limits<double>::max();
    for (double range : {1e300, 1e305, 3e307, 1e308, largest, 1e-300, 1e-320,
                         std::numeric_limits<double>::denorm_min()}) {
        for (double start : {0.0, -range / 2, largest - range}) {
            int n = 7;
            double step = 0;
            choose_tick_step(range, n, step);
            ASSERT_GT(step, 0) << range;
            ASSERT_TRUE(std::isfinite(step)) << range;
            EXPECT_GE(n, 1) << range;
            EXPECT_LE(n, 8) << range;
            const std::vector<double> ticks = tick_values(start, step, n);
            for (std::size_t i = 0; i < ticks.size(); ++i) {
                EXPECT_TRUE(std::isfinite(ticks[i])) << range << " " << start << " " << i;
                if (i > 0) {
                    EXPECT_GE(ticks[i], ticks[i - 1]);
                }
            }
            // The last counted tick reaches the upper end (or the largest double).
            const double upper = start + range;
            EXPECT_TRUE(ticks[static_cast<std::size_t>(n)] >= upper * (1 - 1e-12) ||
                        ticks[static_cast<std::size_t>(n)] == largest)
                << range << " " << start;

            RecordingCanvas dc;
            draw_y_axis(dc, 50, 500, 0, start + range, start, n, 5, ticks);
            draw_x_axis(dc, 500, 50, 600, start, start + range, n, 5, ticks);
            for (const auto& t : dc.texts) {
                EXPECT_EQ(t.text.find("inf"), std::string::npos) << t.text;
                EXPECT_EQ(t.text.find("nan"), std::string::npos) << t.text;
            }
        }
    }
    // The Parts' steps are untouched by the wide path.
    int n = 7;
    double step = 0;
    choose_tick_step(1e300, n, step);
    EXPECT_DOUBLE_EQ(step, 2e299);
    EXPECT_EQ(n, 5);
}

TEST(TickValues, FirstValueOnTheGridOfTheStep)
{
    struct Case { double start; double step; int n; std::vector<double> first; };
    const Case cases[] = {
        {0, 70, 6, {0, 70, 140, 210, 280, 350, 420, 490, 560}},
        {20, 10, 3, {20, 30, 40, 50, 60, 70}},
        {15, 10, 3, {20, 30, 40, 50, 60, 70}},
        {-20, 10, 3, {-10, 0, 10, 20, 30, 40}},
        {-15, 10, 3, {-10, 0, 10, 20, 30, 40}},
    };
    for (const Case& c : cases) {
        const std::vector<double> v = tick_values(c.start, c.step, c.n);
        ASSERT_EQ(v.size(), static_cast<std::size_t>(c.n + 3));
        for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_DOUBLE_EQ(v[i], c.first[i]) << c.start << " " << i;
    }
}

TEST(TickValues, ResidueNearZeroIsStoredAsExactlyZero)
{
    const std::vector<double> v = tick_values(-0.3, 0.1, 4);
    EXPECT_NEAR(v[0], -0.2, 1e-12);
    EXPECT_NEAR(v[1], -0.1, 1e-12);
    EXPECT_EQ(v[2], 0.0);
    EXPECT_FALSE(std::signbit(v[2]));
    EXPECT_NEAR(v[3], 0.1, 1e-12);
}

TEST(TickValues, NeverHangsNorWritesPastTheArray)
{
    // Steps that would never reach the start by addition, and odd steps.
    struct Case { double start; double step; };
    const Case cases[] = {
        {5, 0}, {-5, 0}, {5, -10}, {5, nan_value}, {5, inf_value}, {1e12, 1e-9}, {-1e12, 1e-9},
        {1e300, 1e-300}, {nan_value, 1},
    };
    for (const Case& c : cases) {
        std::vector<double> out(5, 12345.0);
        fill_tick_values(c.start, c.step, 7, std::span<double>(out.data(), 4));   // room for 4 of 10
        EXPECT_EQ(out[4], 12345.0);
        for (int i = 0; i < 4; ++i) EXPECT_FALSE(std::isnan(out[static_cast<std::size_t>(i)])) << c.start << " " << c.step;
    }
    EXPECT_EQ(tick_values(5, 0, 2), (std::vector<double>{5, 5, 5, 5, 5}));
    EXPECT_EQ(tick_values(15, -10, 0), (std::vector<double>{20, 30, 40}));
    // A tiny step against a large start: the first value is computed, still on the grid.
    const std::vector<double> far = tick_values(1e12 + 0.5, 1.0, 1);
    EXPECT_EQ(far[0], 1e12 + 1);
    EXPECT_EQ(far[1], 1e12 + 2);
    const std::vector<double> below = tick_values(-1e12 - 0.5, 1.0, 1);
    EXPECT_EQ(below[0], -1e12);
}

TEST(TicksWithin, TheAxisCountStopsAtTheLastTickOnTheAxis)
{
    // The HAZ profile of a strength from 783 to 814 MPa: step 9 from 783
    // would label 819 above the plot.
    const std::vector<double> haz = tick_values(783, 9, 4);
    struct Case {
        std::vector<double> ticks;
        int n;
        double lo, hi;
        int count;
    } cases[] = {
        {haz, 4, 783, 814, 3},                      // 783 .. 810
        {{0, 20, 40, 60, 80, 100}, 5, 0, 100, 5},  // the last tick on the top
        {{0, 20, 40, 60, 80, 100}, 5, 100, 0, 5},  // ends in either order
        {{0.1, 0.2, 0.30000000000000004}, 2, 0.1, 0.3, 2},   // a residue of the addition
        {{0, 20, 40}, 9, 0, 100, 2},               // a count beyond the array
        {{-5, 0, 5}, 2, 0, 10, -1},                // the first tick below: no label
    };
    for (const Case& c : cases) EXPECT_EQ(ticks_within(c.ticks, c.n, c.lo, c.hi), c.count) << c.lo << " " << c.hi;
}

TEST(DataExtent, MinimaAndMaximaOfTheFirstNPoints)
{
    const double xs[] = {3, -1, 7, 100};
    const double ys[] = {5, 9, -2, 1000};
    double x0, x1, y0, y1;
    EXPECT_TRUE(find_data_extent(3, xs, ys, x0, x1, y0, y1));
    EXPECT_EQ(x0, -1);
    EXPECT_EQ(x1, 7);
    EXPECT_EQ(y0, -2);
    EXPECT_EQ(y1, 9);   // the fourth point is left out with n = 3
    EXPECT_TRUE(find_data_extent(1, xs, ys, x0, x1, y0, y1));
    EXPECT_EQ(x0, 3);
    EXPECT_EQ(x1, 3);
    EXPECT_EQ(y0, 5);
    EXPECT_EQ(y1, 5);
}

TEST(DataExtent, NonFinitePointsAndEmptyInputAreRefused)
{
    const double xs[] = {nan_value, 2, 4};
    const double ys[] = {1, inf_value, 6};
    double x0, x1, y0, y1;
    EXPECT_TRUE(find_data_extent(3, xs, ys, x0, x1, y0, y1));
    EXPECT_EQ(x0, 4);
    EXPECT_EQ(x1, 4);
    EXPECT_EQ(y1, 6);
    EXPECT_FALSE(find_data_extent(0, xs, ys, x0, x1, y0, y1));
    EXPECT_FALSE(find_data_extent(5, std::span<const double>(), std::span<const double>(), x0, x1, y0, y1));
    EXPECT_EQ(x0, 0);
    // n larger than the arrays reads only what is there.
    EXPECT_TRUE(find_data_extent(1000, std::span<const double>(xs, 3), std::span<const double>(ys, 3), x0, x1, y0, y1));
}

TEST(PrintPlotRect, A4PortraitAndLandscapeAt600Dpi)
{
    struct Case { int hres, hmm, vres, vmm; Rect expected; };
    const Case cases[] = {
        {4800, 203, 6800, 288, Rect{575, 598, 4455, 3236}},
        {6800, 288, 4800, 203, Rect{589, 598, 6225, 4432}},
    };
    for (const Case& c : cases) {
        DeviceCaps caps;
        caps.horz_res = c.hres;
        caps.horz_size_mm = c.hmm;
        caps.vert_res = c.vres;
        caps.vert_size_mm = c.vmm;
        caps.logpixels_x = caps.logpixels_y = 600;
        RecordingCanvas dc(caps);
        Rect r;
        get_print_plot_rect(dc, r);
        EXPECT_EQ(r, c.expected) << c.hres;
    }
}

TEST(PrintPlotRect, DeviceWithoutSizeInMillimetresDoesNotDivideByZero)
{
    DeviceCaps caps;
    caps.horz_res = 4800;
    caps.vert_res = 6800;
    caps.horz_size_mm = 0;
    caps.vert_size_mm = 0;
    caps.logpixels_x = caps.logpixels_y = 600;   // 203 x 287 mm from the resolution
    RecordingCanvas dc(caps);
    Rect r;
    get_print_plot_rect(dc, r);
    EXPECT_EQ(r, (Rect{575, 598, 4455, 3236}));
    caps.logpixels_x = caps.logpixels_y = 0;
    dc.set_caps(caps);
    get_print_plot_rect(dc, r);
    EXPECT_EQ(r, (Rect{0, 0, 4800, 6800}));
}

TEST(Mapping, TruncatesTowardZero)
{
    const Rect rect{0, 0, 100, 100};
    const WorldBox box{0, 3, 3, 0};   // x_min, y_max, x_max, y_min
    EXPECT_EQ(plot_x(rect, box, 1), 33);
    EXPECT_EQ(plot_x(rect, box, 2), 66);        // 66.67 is not rounded to 67
    EXPECT_EQ(plot_x(rect, box, -0.05), -1);    // -1.67 goes toward zero
    EXPECT_EQ(plot_y_top(rect, box, 1), 66);    // 0 + (3 - 1) * 33.33
    EXPECT_EQ(plot_y_bottom(rect, box, 1), 66); // 100 - 33.33 = 66.67
    EXPECT_EQ(plot_y_top(rect, box, 2), 33);
    EXPECT_EQ(plot_y_bottom(rect, box, 2), 33); // 100 - 66.67 = 33.33
    // The two y mappings may differ by one pixel for the same value.
    const WorldBox box7{0, 0.7, 1, 0};
    const Rect r7{0, 0, 10, 7};
    EXPECT_EQ(plot_y_top(r7, box7, 0.2), 4);     // (0.7 - 0.2) * 10 = 4.999999999999999
    EXPECT_EQ(plot_y_bottom(r7, box7, 0.2), 5);  // 7 - 0.2 * 10 = 5
    // An empty world range is not divided by.
    EXPECT_EQ(plot_x(rect, WorldBox{5, 1, 5, 0}, 5), 0);
}
