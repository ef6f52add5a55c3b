// What the steel-model windows share: format texts, data-driven axes, the
// point computation and its failures, the sweeps over the regime with the
// regime put back, curves kept inside their frame.
#include <gtest/gtest.h>

#include <cmath>

#include "regime_sweep.h"
#include "steel_window_sweep.h"
#include "steel_window_test_support.h"
#include "steel_window_texts.h"

namespace {

class SteelWindowFrame : public ::testing::Test {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { reset_program_state(); }
};

TEST(SteelText, FillsItsConversionsAndHalvesPercentSigns)
{
    struct Row {
        const char* format;
        std::initializer_list<std::string> args;
        const char* expected;
    };
    const Row rows[] = {
        {"Structure, %%", {}, "Structure, %"},
        {" Account on model: \"%s\"", {"2. Body"}, " Account on model: \"2. Body\""},
        {" (y=%g, cm; z=%g, cm)", {"0.5", "0"}, " (y=0.5, cm; z=0, cm)"},
        {"Содержание %s, %%", {"Nb"}, "Содержание Nb, %"},
        {"Maximum temperature=%g at y=%.5g z=%.5g [cm]", {"700", "1", "2"}, "Maximum temperature=700 at y=1 z=2 [cm]"},
    };
    for (const Row& row : rows) EXPECT_EQ(steel_text(row.format, row.args), row.expected) << row.format;
    EXPECT_EQ(steel_number(0.0016), "0.0016");
}

TEST(AutoAxis, EqualEndsAreWidenedAndEveryRangeGetsFiniteTicks)
{
    struct Row {
        double lo, hi, min, max;
    };
    const Row rows[] = {
        {5, 5, 5, 6.25},   // equal bounds of a sweep
        {4.999999999999997, 5.0, 4.999999999999997, 4.999999999999997 * 1.25},   // power and speed in one ratio
        {0, 0, 0, 1},   // all ordinates 0
        {200, 200, 200, 250},   // one preheat
    };
    for (const Row& row : rows) {
        const AutoAxis a = auto_axis(row.lo, row.hi);
        EXPECT_DOUBLE_EQ(a.min, row.min) << row.lo;
        EXPECT_DOUBLE_EQ(a.max, row.max) << row.lo;
        EXPECT_GT(a.step, 0) << row.lo;
        ASSERT_GE(a.ticks.size(), static_cast<std::size_t>(a.count + 3));
        for (double t : a.ticks) EXPECT_TRUE(std::isfinite(t));
    }
    // The energy inputs of the range dialog's defaults: 2 to 49.04 kJ/cm.
    const AutoAxis e = auto_axis(2, 49.04);
    EXPECT_DOUBLE_EQ(e.step, 8);
    EXPECT_EQ(e.count, 6);
    EXPECT_DOUBLE_EQ(e.ticks[0], 8);
}

TEST_F(SteelWindowFrame, PeakEqualToTheUpperTemperaturePassesOneDegreeLessDoesNot)
{
    SteelPoint p;
    const double probe[] = {0.5, 0.3, 850, 500};
    ASSERT_EQ(steel_point_at_entry(probe, p), CoolingStatus::reached);
    const double T_max = find_peak(0.5, 0.3).T;
    const double at_peak[] = {0.5, 0.3, T_max, 500};
    EXPECT_EQ(steel_point_at_entry(at_peak, p), CoolingStatus::reached);
    const double above[] = {0.5, 0.3, T_max + 1, 500};
    EXPECT_EQ(steel_point_at_entry(above, p), CoolingStatus::peak_below);
    EXPECT_TRUE(std::isnan(p.t));
    // The message's maximum is the peak.
    EXPECT_DOUBLE_EQ(p.T_max, T_max);
}

TEST_F(SteelWindowFrame, EqualTemperaturesMakeAnIntervalOfOnePerCent)
{
    SteelPoint p;
    const double record[] = {0.5, 0.3, 500, 500};
    ASSERT_EQ(steel_point_at_entry(record, p), CoolingStatus::reached);
    EXPECT_DOUBLE_EQ(p.T_from, 505);
    EXPECT_GT(p.t, 0);
    // The cooling time is the cooling-rate window's: |x2 - x1| / v.
    const CoolingTime c = cooling_time_at_point(0.5, 0.3, 500, 500);
    EXPECT_NEAR(p.t, c.time, 1e-9);
}

TEST_F(SteelWindowFrame, RegimeSweepsStepFromTheLowerBound)
{
    struct Row {
        RegimeSweep kind;
        std::vector<double> record;
        double first, second, last;   // swept values
        double first_x, last_x;   // abscissas
    };
    const Row rows[] = {
        {RegimeSweep::energy, {0.5, 0.3, 850, 500, 200, 5000, 0.1, 0.1}, 200, 296, 4904, 2, 49.04},
        {RegimeSweep::preheat, {0.5, 0.3, 850, 500, 400, 100}, 400, 406, 694, 400, 694},
        {RegimeSweep::thickness, {0.5, 0.3, 850, 500, 0.1, 3.0}, 0.1, 0.158, 2.942, 0.1, 2.942},
    };
    for (const Row& row : rows) {
        reset_program_state();
        SteelPoint p;
        ASSERT_EQ(steel_point_at_entry(row.record.data(), p), CoolingStatus::reached);
        const RegimePlan plan = regime_plan(row.kind, row.record.data(), 50, 50);
        ASSERT_EQ(plan.swept.size(), 50u);
        EXPECT_NEAR(plan.swept[0], row.first, 1e-9);
        EXPECT_NEAR(plan.swept[1], row.second, 1e-9);
        EXPECT_NEAR(plan.swept[49], row.last, 1e-9);
        const RegimeGuard regime;
        const SteelSweep r = run_steel_sweep(regime, row.kind, row.record.data(), 50, false);
        ASSERT_EQ(r.x.size(), 50u);
        EXPECT_NEAR(r.x[0], row.first_x, 1e-9);
        EXPECT_NEAR(r.x[49], row.last_x, 1e-9);
    }
}

TEST_F(SteelWindowFrame, EnergyPerAreaOnlyForAPositiveThickness)
{
    install_scheme(1);   // a plate of 5 cm
    EXPECT_NEAR(energy_input(200, 0.1, true), 2.0 / 5, 1e-12);
    EXPECT_NEAR(energy_input(200, 0.1, false), 2.0, 1e-12);
    const std::vector<double> record{0.1, 0, 850, 500, 200, 5000, 0.1, 0.1};
    const RegimeGuard regime;
    EXPECT_NEAR(run_steel_sweep(regime, RegimeSweep::energy, record.data(), 50, true).x[0], 2.0 / 5, 1e-12);
    current_model.thickness = [] { return 0.0; };   // no thickness to divide by
    EXPECT_NEAR(energy_input(200, 0.1, true), 2.0, 1e-12);
    // A speed that cannot divide gives no energy input.
    EXPECT_TRUE(std::isnan(energy_input(200, 0, false)));
    EXPECT_TRUE(std::isnan(energy_input(200, -0.1, false)));
}

TEST_F(SteelWindowFrame, GuardGivesTheRegimeBackWhateverHappenedInside)
{
    const Regime entered = regime_in_force();
    {
        const RegimeGuard regime;
        apply_regime({entered.v * 3, entered.q * 2, entered.T0 + 300, 2});
        EXPECT_DOUBLE_EQ(current_model.velocity(), entered.v * 3);
    }
    EXPECT_EQ(regime_in_force(), entered);

    // Given back early, the regime is not given back a second time.
    {
        RegimeGuard regime;
        apply_regime({entered.v, entered.q, entered.T0 + 100, 2});
        regime.restore();
        EXPECT_EQ(regime_in_force(), entered);
        apply_regime({entered.v, entered.q, entered.T0 + 200, 2});
    }
    EXPECT_DOUBLE_EQ(current_model.initial_temperature(), entered.T0 + 200);
}

TEST_F(SteelWindowFrame, EveryPointRunsUnderItsOwnRegimeAndTheLastStaysInForce)
{
    // Preheats 100, 106, ..., 394 °C and energy inputs at 200 W steps and
    // 0.01 cm/s steps, each point on whichever worker takes it.
    const double record[] = {0.5, 0.3, 850, 500, 100, 400, 0.1, 0.3};
    for (RegimeSweep kind : {RegimeSweep::preheat, RegimeSweep::energy}) {
        reset_program_state();
        const Regime entered = regime_in_force();
        const RegimePlan plan = regime_plan(kind, record, 20, 20);
        std::vector<Regime> seen(20);
        {
            const RegimeGuard regime;
            run_regime_sweep(regime, plan, [&](int k) { seen[static_cast<std::size_t>(k)] = regime_in_force(); });
            for (int k = 0; k < 20; ++k) {
                const Regime& r = seen[static_cast<std::size_t>(k)];
                EXPECT_EQ(r, planned_regime(plan, entered, k)) << k;
                if (kind == RegimeSweep::preheat) {
                    EXPECT_DOUBLE_EQ(r.T0, 100 + 15.0 * k);
                    EXPECT_EQ(r.v, entered.v);
                } else {
                    EXPECT_DOUBLE_EQ(r.q, 100 + 15.0 * k);
                    EXPECT_NEAR(r.v, 0.1 + 0.01 * k, 1e-12);
                    EXPECT_EQ(r.T0, entered.T0);
                }
            }
            EXPECT_EQ(regime_in_force(), seen.back());
        }
        EXPECT_EQ(regime_in_force(), entered);
    }
}

TEST(SteelCurve, PartsOutsideTheWorldBoxAreLeftOut)
{
    RecordingCanvas dc;
    const Rect plot{100, 100, 500, 400};
    const WorldBox box{0, 700, 10, 50};
    const std::vector<double> xs{0, 2, 4, 6, 8, 10};
    const std::vector<double> ys{100, 900, 900, 300, -40, 200};   // leaves at the top and the bottom
    draw_steel_curve(dc, pen_of(PenStyle::solid, 1, rgb(127, 0, 0)), xs, ys, plot, box);
    ASSERT_FALSE(dc.polylines.empty());
    for (const auto& line : dc.polylines)
        for (const Point& pt : line.points) {
            EXPECT_GE(pt.x, plot.left);
            EXPECT_LE(pt.x, plot.right);
            EXPECT_GE(pt.y, plot.top);
            EXPECT_LE(pt.y, plot.bottom + 1);   // the bold copy lies one pixel lower
        }
    // Three pieces inside: up to the top, back down through the bottom, back in.
    EXPECT_EQ(dc.polylines.size(), 3u * 2u);
}

TEST(PointMarker, TimesOffTheAxisAreNotMarked)
{
    const Rect plot{100, 100, 700, 400};
    for (double t : {0.5, 600.0}) {
        RecordingCanvas dc;
        draw_point_marker(dc, plot, t);
        EXPECT_TRUE(dc.lines.empty()) << t;
    }
    RecordingCanvas dc;
    draw_point_marker(dc, plot, 400);
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_EQ(dc.lines[0].from.x, plot.right);
    EXPECT_EQ(dc.lines[0].pen.width, 5);
}

}   // namespace

// Columns beside a plot, given left to right, the last one the plot's own
// axis: each keeps its place where it clears the others and the window's
// edge; else it moves the least distance that clears them, and only where
// they cannot fit left of the plot does the plot's axis move right.
TEST(PlotColumns, InOrderEachMovesTheLeastDistanceAndThePlotOnlyWhereTheyDoNotFit)
{
    struct Case {
        const char* what;
        std::vector<int> x, width;
        std::vector<int> expected;
    } cases[] = {
        {"clear already", {0, 30, 60}, {20, 20, 40}, {0, 30, 60}},
        {"the second meets the first: it moves right", {0, 10, 60}, {20, 20, 40}, {0, 20, 60}},
        {"the middle one meets the axis: it moves left", {0, 50, 60}, {20, 20, 40}, {0, 40, 60}},
        {"left of the window: moves in, the rest follow", {-7, 10, 60}, {20, 20, 40}, {0, 20, 60}},
        {"no room: packed from the edge, the axis moves right", {-30, 0, 30}, {20, 20, 40}, {0, 20, 40}},
        {"order given, not by x: the later one stays after", {20, 0, 80}, {20, 20, 40}, {20, 40, 80}},
    };
    for (const Case& c : cases) {
        std::vector<PlotColumn> columns;
        for (std::size_t i = 0; i < c.x.size(); ++i)
            columns.push_back(PlotColumn{c.x[i], c.width[i], i + 1 == c.x.size()});
        std::vector<PlotColumn*> order;
        for (PlotColumn& column : columns) order.push_back(&column);
        clear_columns_in_order(order, 0);
        for (std::size_t i = 0; i < columns.size(); ++i) EXPECT_EQ(columns[i].x, c.expected[i]) << c.what << " " << i;
    }
}
