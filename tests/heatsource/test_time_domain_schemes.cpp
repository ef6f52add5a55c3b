// The time-domain schemes: the oscillating electrode on a plate and on a
// body, the pulsed source on a body, a plate and a thin plate, and the
// composite plates. Worked values at the start values of each block, the
// sweep and cycle bookkeeping, and what unusable data give.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "heatsource.h"
#include "program_state.h"
#include "scheme_views.h"
#include "lang.h"
#include "pulse_cycles.h"

namespace {

const double nan_value = std::numeric_limits<double>::quiet_NaN();

class TimeDomain : public ::testing::Test {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { reset_program_state(); }
};

// The thermal-cycle record of the oscillating schemes: y, z, x, t1, t2.
const double cycle_record[] = {1, 0, 0, 60, 75};

}  // namespace

// ---------------------------------------------------------------------------
// Sweeps of the oscillating electrode

TEST(AlternatingSign, OddSweepsRunTheOtherWay)
{
    const struct {
        int n;
        double sign;
    } cases[] = {{0, 1.0}, {1, -1.0}, {2, 1.0}, {3, -1.0}, {100, 1.0}, {101, -1.0}, {-1, 1.0},
                 {-2, 1.0}};
    for (const auto& c : cases) EXPECT_EQ(alternating_sign(c.n), c.sign) << c.n;
}

TEST_F(TimeDomain, PlateSweepConstantsAndObservedPoint)
{
    const Ppr10Derived& d = scheme_state.ppr10.derived;
    EXPECT_DOUBLE_EQ(d.t_s, 4.6 / 7);
    EXPECT_NEAR(d.dx, 0.184, 1e-12);
    EXPECT_DOUBLE_EQ(d.a, 0.3 / (0.628 * 7.8));
    EXPECT_DOUBLE_EQ(d.Fo, d.a * d.t_s / 25);
    EXPECT_DOUBLE_EQ(d.Bi, 0.0003 * 5 / 0.3);
    EXPECT_DOUBLE_EQ(d.K, 5000 / (2 * 3.141592 * 0.3 * 5));   // the scheme's π
    EXPECT_DOUBLE_EQ(d.Pe_x, 0.28 * 5 / d.a);
    EXPECT_DOUBLE_EQ(d.Pe_y, 7 * 5 / d.a);

    ppr10_set_oscillation_point(cycle_record);
    EXPECT_NEAR(d.x_p, 18.40000184, 1e-9);
    EXPECT_EQ(static_cast<int>(d.x_p / d.dx), 100);
    const double ahead[] = {1, 0, 2.5, 60, 75};
    ppr10_set_oscillation_point(ahead);
    EXPECT_NEAR(d.x_p, 20.90000184, 1e-9);

    int one_body = 0;
    double t_start = -1, t_end = 0, ymax = 0, ymin = 0;
    ppr10_oscillation_limits(one_body, t_start, t_end, ymax, ymin);
    EXPECT_EQ(one_body, 1);
    EXPECT_EQ(t_start, 0);
    EXPECT_NEAR(t_end, 0.184, 1e-12);
    EXPECT_DOUBLE_EQ(ymax, 2.3);
    EXPECT_DOUBLE_EQ(ymin, -2.3);

    double zmin = -1, zmax = 0;
    ppr10_depth_range(0.7, zmin, zmax);
    EXPECT_EQ(zmin, 0);
    EXPECT_EQ(zmax, 5);
    ppr10_width_range(one_body, zmin, zmax);
    EXPECT_EQ(one_body, 1);
    EXPECT_EQ(zmin, -100);
    EXPECT_EQ(zmax, 100);
}

TEST_F(TimeDomain, BodySweepConstantsAndObservedPoint)
{
    const Ppr11Derived& d = scheme_state.ppr11.derived;
    EXPECT_DOUBLE_EQ(d.t_s, 4.6 / 7);
    EXPECT_NEAR(d.dx, 0.184, 1e-12);
    EXPECT_DOUBLE_EQ(d.Fo, d.a * d.t_s / (4.6 * 4.6));
    EXPECT_DOUBLE_EQ(d.K, 5000 / (4 * 3.141593 * 0.3 * 4.6 * 1.772454));
    ppr11_set_oscillation_point(cycle_record);
    EXPECT_NEAR(d.x_p, 18.4, 1e-12);   // exactly 100 sweeps

    double zmin = -1, zmax = 0;
    ppr11_depth_range(3, zmin, zmax);
    EXPECT_EQ(zmin, 0);
    EXPECT_EQ(zmax, 4.6);   // the oscillation width
    int one_body = 0;
    double t_start = -1, t_end = 0, ymax = 0, ymin = 0;
    ppr11_oscillation_limits(one_body, t_start, t_end, ymax, ymin);
    EXPECT_EQ(one_body, 1);
    EXPECT_EQ(t_start, 0);
    EXPECT_NEAR(t_end, 0.184, 1e-12);
    EXPECT_DOUBLE_EQ(ymax, 2.3);
    EXPECT_DOUBLE_EQ(ymin, -2.3);
}

// The point x_p = 18.4 cm is reached after about 65.7 s: cold a few seconds
// before, hottest just after, cooling through the rest of the interval.
TEST_F(TimeDomain, OscillatingCyclesRiseAsTheSourcePassesAndCool)
{
    struct Scheme {
        const char* name;
        void (*set_point)(const double*);
        double (*temperature)(double, double, double);
    };
    for (const Scheme s : {Scheme{"plate", ppr10_set_oscillation_point, ppr10_temperature},
                           Scheme{"body", ppr11_set_oscillation_point, ppr11_temperature}}) {
        s.set_point(cycle_record);
        const double before = s.temperature(60, 1, 0);
        EXPECT_GE(before, 20) << s.name;
        EXPECT_LT(before, 25) << s.name;
        double peak = 0, t_peak = 0;
        for (double t = 60; t <= 75; t += 0.3) {
            const double T = s.temperature(t, 1, 0);
            ASSERT_TRUE(std::isfinite(T)) << s.name << " t=" << t;
            if (T > peak) {
                peak = T;
                t_peak = t;
            }
        }
        EXPECT_GT(peak, 800) << s.name;
        EXPECT_GT(t_peak, 65.7) << s.name;
        EXPECT_LT(t_peak, 69) << s.name;
        const double after = s.temperature(75, 1, 0);
        EXPECT_GT(after, 300) << s.name;
        EXPECT_LT(after, peak) << s.name;
        // Deeper in the metal the same moment is cooler.
        EXPECT_LT(s.temperature(67, 1, 1.0), s.temperature(67, 1, 0)) << s.name;
    }
}

// Before the first sweep ends only the partial sweep counts; a point far
// ahead of a source that has just started stays at T0.
TEST_F(TimeDomain, FirstSweepAloneLeavesAFarPointCold)
{
    ppr10_set_oscillation_point(cycle_record);
    ppr11_set_oscillation_point(cycle_record);
    EXPECT_NEAR(ppr10_temperature(0.3, 1, 0), 20, 1e-9);
    EXPECT_NEAR(ppr11_temperature(0.3, 1, 0), 20, 1e-9);
}

// Deep below the surface of the body every integrand term vanishes (the
// depth exponent is above 20 for every elapsed time) and the sum is 0.
TEST_F(TimeDomain, PointDeepInTheBodyIsExactlyAtT0)
{
    ppr11_set_oscillation_point(cycle_record);
    EXPECT_EQ(ppr11_temperature(67, 1, 100), 20);
}

// Before the electrode starts the metal is at its initial temperature. Data
// that give no sweep, a time that is not a number, and a time or position
// farther than the summing cap of sweeps have no field: NaN, and the reason.
TEST_F(TimeDomain, OscillatingSchemesWithoutAFieldSayWhy)
{
    ppr10_set_oscillation_point(cycle_record);
    ppr11_set_oscillation_point(cycle_record);
    struct Case {
        double t;
        FieldGap gap;
    };
    const Case times[] = {{nan_value, FieldGap::unusable_data},
                          {1e12, FieldGap::sweep_cap},
                          {std::numeric_limits<double>::infinity(), FieldGap::sweep_cap},
                          // just beyond the cap of sweeps of 4.6/7 s
                          {field_sum_cap * 4.6 / 7 * 1.000001, FieldGap::sweep_cap}};
    for (auto temperature : {ppr10_temperature, ppr11_temperature}) {
        EXPECT_EQ(temperature(-1, 1, 0), 20);
        EXPECT_EQ(last_field_gap(), FieldGap::none);
        for (const Case& c : times) {
            EXPECT_TRUE(std::isnan(temperature(c.t, 1, 0))) << c.t;
            EXPECT_EQ(last_field_gap(), c.gap) << c.t;
        }
        EXPECT_FALSE(std::isnan(temperature(67, 1, 0)));
        EXPECT_EQ(last_field_gap(), FieldGap::none);
    }
    // A zero cross speed: no sweep has a duration.
    const double still_plate[] = {0.3, 0.628, 7.8, 35, 0.28, 5, 0.0003, 4.6, 0, 5000};
    ppr10_set_data(still_plate);
    EXPECT_TRUE(std::isnan(ppr10_temperature(67, 1, 0)));
    EXPECT_EQ(last_field_gap(), FieldGap::unusable_data);
    // A zero width on the body, and a source that does not advance.
    const double no_width[] = {0.3, 0.628, 7.8, 35, 0.28, 0.0003, 0, 7, 5000};
    const double standing[] = {0.3, 0.628, 7.8, 35, 0, 0.0003, 4.6, 7, 5000};
    for (const double* values : {no_width, standing}) {
        ppr11_set_data(values);
        EXPECT_TRUE(std::isnan(ppr11_temperature(67, 1, 0)));
        EXPECT_EQ(last_field_gap(), FieldGap::unusable_data);
    }
}

// The sweep in progress is the one after the last complete sweep: the field
// runs on without a step where one sweep ends and the next begins, also
// where the electrode passes close by. (Summed as the sweep before, the
// last complete sweep was counted twice until the next one began.)
TEST_F(TimeDomain, OscillatingFieldIsContinuousWhereASweepEnds)
{
    ppr10_set_oscillation_point(cycle_record);
    ppr11_set_oscillation_point(cycle_record);
    const double t_s = 4.6 / 7;
    for (int n : {99, 100, 101}) {
        const double t = n * t_s;
        for (auto temperature : {ppr10_temperature, ppr11_temperature}) {
            const double before = temperature(t * (1 - 1e-9), 1, 0);
            const double after = temperature(t * (1 + 1e-9), 1, 0);
            EXPECT_NEAR(after, before, 1e-3 * (before - 20)) << n;
        }
    }
    // At 65 s the source is 0.2 cm short of the point and sweeping towards
    // it: 778 °C on the body.
    EXPECT_NEAR(ppr11_temperature(65, 1, 0), 778.07, 0.01);
}

// Without surface loss the first thickness eigenvalue is 0; the plate's
// field is then the limit of a vanishing loss, not 0/0.
TEST_F(TimeDomain, PlateWithoutSurfaceLossHasAFiniteField)
{
    const double insulated[] = {0.3, 0.628, 7.8, 20, 0.28, 5, 0, 4.6, 7, 5000};
    const double barely[] = {0.3, 0.628, 7.8, 20, 0.28, 5, 1e-9, 4.6, 7, 5000};
    ppr10_set_data(barely);
    ppr10_set_oscillation_point(cycle_record);
    const double nearly = ppr10_temperature(67, 1, 0.5);
    ppr10_set_data(insulated);
    const double T = ppr10_temperature(67, 1, 0.5);
    ASSERT_TRUE(std::isfinite(T));
    EXPECT_NEAR(T, nearly, 1e-3 * nearly);
}

// Entering the data again keeps the observed point; the constants follow.
TEST_F(TimeDomain, SetDataDerivesAndKeepsThePoint)
{
    ppr10_set_oscillation_point(cycle_record);
    const double wider[] = {0.3, 0.628, 7.8, 20, 0.28, 5, 0.0003, 7, 7, 5000};
    ppr10_set_data(wider);
    EXPECT_DOUBLE_EQ(scheme_state.ppr10.derived.t_s, 1.0);
    EXPECT_DOUBLE_EQ(scheme_state.ppr10.derived.dx, 0.28);
    EXPECT_NEAR(scheme_state.ppr10.derived.x_p, 18.40000184, 1e-9);
    EXPECT_EQ(scheme_state.ppr10.parameters.A, 7);
    EXPECT_EQ(ppr10_velocity(), 0.28);
    EXPECT_EQ(ppr10_initial_temperature(), 20);
}

// ---------------------------------------------------------------------------
// Pulsed source

TEST_F(TimeDomain, PulseTimeWindowAtStartAndWithTheDialogTexts)
{
    struct Scheme {
        void (*set_data)(SchemeParameters);
        void (*window)(double&, double&);
        PulseState* state;
    };
    for (const Scheme s : {Scheme{rom1_set_data, rom1_pulse_time_window, &scheme_state.rom1.pulse},
                           Scheme{rom2_set_data, rom2_pulse_time_window, &scheme_state.rom2.pulse},
                           Scheme{rom3_set_data, rom3_pulse_time_window, &scheme_state.rom3.pulse}}) {
        double from = 0, to = 0;
        s.window(from, to);
        EXPECT_DOUBLE_EQ(s.state->t_now, 1510);
        EXPECT_DOUBLE_EQ(from, -3490);
        EXPECT_DOUBLE_EQ(to, 1530);

        const double dialog[] = {5000., 2500., 0.1, 0.4, 0.628, 7.8, 0.2, 0.1, 0.05, 20., 1.};
        s.set_data(dialog);
        s.window(from, to);
        EXPECT_DOUBLE_EQ(s.state->t_now, 300.05);
        EXPECT_NEAR(from, -69.995, 1e-9);
        EXPECT_NEAR(to, 30.405, 1e-9);
    }
}

TEST_F(TimeDomain, PulsedTemperaturesAtTheStartValues)
{
    double from = 0, to = 0;
    rom1_prepare();
    rom1_pulse_time_window(from, to);
    // Behind the source 17 cycles are summed (1510 down to 1494), under it 4.
    EXPECT_NEAR(rom1_pulse_temperature(-10, 0.05, 0, 0), 75.6, 0.05);
    EXPECT_EQ(scheme_state.rom1.pulse.N, 1510);
    // The 25 most recent cycles one by one (the kernel's spread in time,
    // √(2a·d)/v, reaches twice the cycle 24.5 s back), the older ones as
    // their mean power.
    EXPECT_EQ(scheme_state.rom1.pulse.k, 1486);
    EXPECT_NEAR(rom1_pulse_temperature(0, 0.05, 0, 0), 301.9, 0.05);
    EXPECT_EQ(scheme_state.rom1.pulse.k, 1486);
    // The depth and the time argument are not read by the body's kernel.
    EXPECT_EQ(rom1_pulse_temperature(-10, 0.05, 3, 99), rom1_pulse_temperature(-10, 0.05, 0, 0));

    rom2_prepare();
    rom2_pulse_time_window(from, to);
    EXPECT_NEAR(rom2_pulse_temperature(-10, 0.05, 0, 0), 54.8, 0.05);
    EXPECT_EQ(scheme_state.rom2.pulse.k, 1486);

    rom3_prepare();
    rom3_pulse_time_window(from, to);
    EXPECT_NEAR(rom3_pulse_temperature(-10, 0.05, 0, 0), 75.7, 0.05);
    EXPECT_EQ(scheme_state.rom3.pulse.k, 1486);
}

TEST_F(TimeDomain, PlateKernelFallsWithDepth)
{
    double from = 0, to = 0;
    rom2_prepare();
    rom2_pulse_time_window(from, to);
    EXPECT_LT(rom2_pulse_temperature(-10, 0.05, 0.5, 0), rom2_pulse_temperature(-10, 0.05, 0, 0));
    // Under the source, where the last pulse and pause dominate, too.
    EXPECT_LT(rom2_pulse_temperature(0, 0.05, 0.5, 0), rom2_pulse_temperature(0, 0.05, 0, 0));
    // The field is the same on both sides of the weld.
    EXPECT_EQ(rom2_pulse_temperature(-3, -0.4, 0.2, 0), rom2_pulse_temperature(-3, 0.4, 0.2, 0));
}

// Before the window has fixed a time (t_now = 0) no cycle has been emitted;
// far ahead of the source the heat has not arrived.
TEST_F(TimeDomain, PulsedTemperatureIsT0BeforeTheWindowAndFarAhead)
{
    rom1_prepare();
    rom2_prepare();
    rom3_prepare();
    EXPECT_EQ(rom1_pulse_temperature(-10, 0.05, 0, 0), 20);
    EXPECT_EQ(rom2_pulse_temperature(-10, 0.05, 0, 0), 20);
    EXPECT_EQ(rom3_pulse_temperature(-10, 0.05, 0, 0), 20);
    double from = 0, to = 0;
    rom1_pulse_time_window(from, to);
    EXPECT_NEAR(rom1_pulse_temperature(500, 0.05, 0, 0), 20, 1e-6);
    // Nothing arrives from the recent cycles nor from the older ones.
    EXPECT_EQ(scheme_state.rom1.pulse.k, 1486);
}

// The pulse may not outlast its cycle, the cycle must have a length, the
// thickness divides or bounds the sum, the diffusivity comes from prepare,
// and a cycle must stand out against the time of observation: without them
// the pulsed schemes have no field (NaN, and the reason).
TEST_F(TimeDomain, PulsedSchemesWithUnusableDataSayWhy)
{
    struct Case {
        const char* what;
        double values[11];
    };
    const Case cases[] = {
        {"pulse longer than the cycle", {1250, 500, 1, 0.4, 0.628, 7.8, 1, 1.5, 10, 30, 1}},
        {"zero cycle time", {1250, 500, 1, 0.4, 0.628, 7.8, 0, 0, 10, 30, 1}},
        {"zero thickness", {1250, 500, 1, 0.4, 0.628, 7.8, 1, 0.5, 10, 30, 0}},
        {"zero heat capacity", {1250, 500, 1, 0.4, 0, 7.8, 1, 0.5, 10, 30, 1}},
        {"tiny cycle against the time", {1250, 500, 1, 0.4, 0.628, 7.8, 1e-12, 1e-13, 10, 30, 1}},
    };
    for (const Case& c : cases) {
        rom1_set_data(c.values);
        rom1_prepare();
        double from = 0, to = 0;
        rom1_pulse_time_window(from, to);
        EXPECT_TRUE(std::isnan(rom1_pulse_temperature(-1, 0.05, 0, 0))) << c.what;
        EXPECT_EQ(last_field_gap(), FieldGap::unusable_data) << c.what;
        rom3_set_data(c.values);
        rom3_prepare();
        rom3_pulse_time_window(from, to);
        EXPECT_TRUE(std::isnan(rom3_pulse_temperature(-1, 0.05, 0, 0))) << c.what;
        EXPECT_EQ(last_field_gap(), FieldGap::unusable_data) << c.what;
    }
    // The window ran, but prepare never did.
    reset_program_state();
    double from = 0, to = 0;
    rom2_pulse_time_window(from, to);
    EXPECT_TRUE(std::isnan(rom2_pulse_temperature(-10, 0.05, 0, 0)));
    EXPECT_EQ(last_field_gap(), FieldGap::unusable_data);
}

// A stand-in kernel for the sum itself: nothing arrives from any cycle.
double nothing(double) { return 0; }
const PulseKernel nothing_arrives{nothing, nothing, nothing};

// A sum that would integrate more cycles than the cap has no field value; a
// sum that ends within it is summed.
TEST_F(TimeDomain, PulsedSumLongerThanTheCapSaysSo)
{
    PulseParameters p;   // t_now = 1510 s: 1510 whole cycles of 1 s
    PulseState state;
    state.c_rho = 0.628 * 7.8;
    state.a = 0.4 / state.c_rho;
    state.t_now = 1510;
    state.rule = PulseSumRule::every_cycle;
    for (int cap : {10, 1000}) {
        EXPECT_TRUE(std::isnan(sum_pulse_cycles(p, state, {1, 1}, nothing_arrives, cap))) << cap;
        EXPECT_EQ(last_field_gap(), FieldGap::cycle_cap) << cap;
        EXPECT_EQ(state.k, 1510 - cap + 1) << cap;
    }
    // The whole sum, 1510 cycles, within a cap of as many.
    EXPECT_EQ(sum_pulse_cycles(p, state, {1, 1}, nothing_arrives, 1510), 20);
    EXPECT_EQ(last_field_gap(), FieldGap::none);
    EXPECT_EQ(state.k, 1);
    EXPECT_EQ(field_sum_cap, 1000000);
}

// After 1500 cycles the field repeats with the cycle: the same moment of a
// later cycle gives the same temperature, also close behind the source,
// where the pulse in progress counts most. With the dialog's first texts
// (t0 = 0.2 s, tp = 0.1 s) the field rises through the pulse and falls
// through the pause.
TEST_F(TimeDomain, PulsedFieldRepeatsWithTheCycle)
{
    auto at = [](double t, double x) {
        const double values[] = {5000., 2500., 0.1, 0.4, 0.628, 7.8, 0.2, 0.1, t, 20., 1.};
        rom1_set_data(values);
        rom1_prepare();
        double from = 0, to = 0;
        rom1_pulse_time_window(from, to);
        return rom1_pulse_temperature(x, 0.05, 0, 0);
    };
    for (double x : {-0.1, -0.02, -1.0}) {
        const double start = at(0, x);
        EXPECT_NEAR(at(0.2, x), start, 1e-6 * start) << x;
        EXPECT_NEAR(at(0.45, x), at(0.05, x), 1e-6 * start) << x;
    }
    EXPECT_GT(at(0.05, -0.1), at(0, -0.1));
    EXPECT_GT(at(0.1, -0.1), at(0.05, -0.1));
    EXPECT_LT(at(0.15, -0.1), at(0.1, -0.1));
}

// The images of the thin plate: at the top face each pair is
// 2·exp(-(iδ)²/D); for an emission at t_now the images add nothing, except
// on the lower face, where the first image is as near as the source.
TEST_F(TimeDomain, ImageSeriesOfTheThinPlate)
{
    double from = 0, to = 0;
    rom3_prepare();
    rom3_pulse_time_window(from, to);
    const double t_now = scheme_state.rom3.pulse.t_now;
    const double a = scheme_state.rom3.pulse.a;

    rom3_pulse_temperature(-10, 0.05, 0, 0);   // the depth z = 0 for the series
    EXPECT_EQ(rom3_image_series(t_now), 1.0);
    // A recent emission: the first pair alone, far below 1e-4 of the sum.
    EXPECT_EQ(rom3_image_series(t_now - 0.1), 1.0 + 2 * std::exp(-1 / (0.1 * a)));
    // An old one: D = 100·a, the pairs 2·exp(-i²/D) summed until one is
    // below 1e-4 of the sum.
    const double D = 100 * a;
    double expected = 1;
    for (int i = 1; i < 1000; ++i) {
        const double pair = 2 * std::exp(-(i * 1.0) * (i * 1.0) / D);
        expected += pair;
        if (pair / expected < 0.0001) break;
    }
    EXPECT_DOUBLE_EQ(rom3_image_series(t_now - 100), expected);
    EXPECT_GT(expected, 4);   // older emissions see more of their images

    // Inside the plate the two images of a pair differ, exp(-iδ(iδ ∓ z)/D);
    // the series keeps each to a few parts in 1e15 over dozens of pairs.
    for (double age : {3.0, 100.0, 2000.0}) {
        const double z = 0.4, Dz = age * a;
        double direct = 1;
        for (int i = 1; i < 1000; ++i) {
            const double pair = std::exp(-i * (i - z) / Dz) + std::exp(-i * (i + z) / Dz);
            direct += pair;
            if (pair / direct < 0.0001) break;
        }
        rom3_pulse_temperature(-10, 0.05, z, 0);
        EXPECT_NEAR(rom3_image_series(t_now - age), direct, 1e-13 * direct) << age;
    }

    rom3_pulse_temperature(-10, 0.05, 1, 0);   // the lower face
    EXPECT_EQ(rom3_image_series(t_now), 2.0);
    EXPECT_TRUE(std::isfinite(rom3_pulse_temperature(-10, 0.05, 1, 0)));
    // Below the plate, or above it, there is no metal to heat.
    for (double z : {1.5, -0.1}) {
        EXPECT_TRUE(std::isnan(rom3_pulse_temperature(-10, 0.05, z, 0))) << z;
        EXPECT_EQ(last_field_gap(), FieldGap::outside_metal) << z;
    }
}

TEST_F(TimeDomain, PulsedRangesAndAccessors)
{
    double zmin = -1, zmax = 0;
    rom1_depth_range(0, zmin, zmax);
    EXPECT_EQ(zmin, 0);
    EXPECT_EQ(zmax, 10000);
    scheme_state.rom2.parameters.delta = 0.7;
    rom2_depth_range(0, zmin, zmax);
    EXPECT_EQ(zmax, 0.7);
    scheme_state.rom3.parameters.delta = 0.4;
    rom3_depth_range(0, zmin, zmax);
    EXPECT_EQ(zmax, 0.4);
    for (auto width : {rom1_width_range, rom3_width_range}) {
        int one_body = 0;
        double ymin = 0, ymax = 0;
        width(one_body, ymin, ymax);
        EXPECT_EQ(one_body, 1);
        EXPECT_EQ(ymin, -100);
        EXPECT_EQ(ymax, 100);
    }
    const double entered[] = {3000, 1000, 0.5, 0.35, 0.6, 7.9, 0.4, 0.1, 0.2, 100, 2};
    rom2_set_data(entered);
    EXPECT_EQ(rom2_velocity(), 0.5);
    EXPECT_EQ(rom2_initial_temperature(), 100);
    EXPECT_EQ(scheme_state.rom2.parameters.t_pulse, 0.1);
    EXPECT_EQ(scheme_state.rom2.parameters.delta, 2);
    rom2_prepare();
    EXPECT_DOUBLE_EQ(scheme_state.rom2.pulse.c_rho, 0.6 * 7.9);
    EXPECT_DOUBLE_EQ(scheme_state.rom2.pulse.a, 0.35 / (0.6 * 7.9));
    // Scheme 11's block is its own.
    EXPECT_EQ(rom1_velocity(), 1);
}

// The summary shows the time the last window observed, not the entered t.
TEST_F(TimeDomain, PulsedSummaryShowsTheCurrentTime)
{
    set_language(Language::german);
    char line1[heat_text_size], line2[heat_text_size], title[heat_text_size];
    rom1_summary(line1, line2, title);
    EXPECT_STREQ(line2, " density=7.8, t0=1, tp=0.5, t=0, Ti=20");
    double from = 0, to = 0;
    rom1_pulse_time_window(from, to);
    rom1_summary(line1, line2, title);
    EXPECT_STREQ(line2, " density=7.8, t0=1, tp=0.5, t=1510, Ti=20");
    set_language(Language::english);
}

// ---------------------------------------------------------------------------
// Composite plates

TEST_F(TimeDomain, CompositeConstantsAtTheStartValues)
{
    const CompConstants c = comp_constants();
    EXPECT_NEAR(c.lambda_e, 0.3257142857, 1e-10);
    EXPECT_NEAR(c.H, 650.65, 1e-9);
    EXPECT_NEAR(c.C1, 0.4455, 1e-12);
    EXPECT_NEAR(c.C2, 0.2886, 1e-12);
    EXPECT_NEAR(c.A, 0.0484904, 1e-7);
    EXPECT_NEAR(c.h, 3714.998, 1e-3);
    EXPECT_NEAR(c.S0, 2168.03, 0.005);
    double theta1 = 0, theta2 = 0;
    comp_mode_coefficients(0, 0.05, 30, theta1, theta2);
    EXPECT_NEAR(theta1, c.S0, 1e-9 * c.S0);
    EXPECT_NEAR(theta2, c.S0, 1e-9 * c.S0);
}

// Thirty seconds after the passage the two phases have long come to one
// temperature, which is that of a plane source in the effective medium.
TEST_F(TimeDomain, CompositeTemperatureAgreesWithThePlaneSource)
{
    EXPECT_NEAR(comp_temperature(30, 0.05, 0), 546.6, 0.05);
    const CompConstants c = comp_constants();
    for (double y : {0.05, 0.5, 1.0}) {
        const double t = 30;
        const double plane = 20 + 3000 / (6 * 0.1 * std::sqrt(4 * M_PI * c.lambda_e * c.C * t)) *
                                      std::exp(-y * y * c.C / (4 * c.lambda_e * t));
        EXPECT_NEAR(comp_temperature(t, y, 0), plane, 0.1) << y;
    }
    // z is not read; the field is the same on both sides of the weld.
    EXPECT_EQ(comp_temperature(30, 0.5, 0.07), comp_temperature(30, 0.5, 0));
    EXPECT_EQ(comp_temperature(30, -0.5, 0), comp_temperature(30, 0.5, 0));
}

TEST_F(TimeDomain, CompositeAtTheMomentOfPassage)
{
    // At the passage the heat lies on the weld line: y = 0.05 is still at
    // T0. The weld line itself, taken at y = t = 1e-6, is hotter than any
    // sum can tell (the window draws it at its clip).
    EXPECT_EQ(comp_temperature(0, 0.05, 0), 20);
    EXPECT_EQ(comp_temperature(0, 0, 0), comp_temperature(1e-6, 1e-6, 0));
    EXPECT_EQ(comp_temperature(0, 0, 0), HUGE_VAL);
    // The other side of the weld at the same moment is the same distance
    // away, not on the weld line.
    EXPECT_EQ(comp_temperature(0, -0.05, 0), comp_temperature(0, 0.05, 0));
    EXPECT_EQ(comp_temperature(0, -1e-7, 0), comp_temperature(0, 0, 0));
    // Before the passage: the initial temperature, not an overflow.
    EXPECT_EQ(comp_temperature(-1, 0.05, 0), 20);
    EXPECT_TRUE(std::isfinite(comp_temperature(-1e-9, 0.05, 0)));
}

// Two equal phases are one material: the field is the one plate's (1/3
// taken as 0.3333 by the transform is its 1e-4), and the same as that of
// phases that differ by a hair.
TEST_F(TimeDomain, CompositeOfEqualPhasesIsOnePlate)
{
    const double t = 30, y = 0.2;
    const double C = 0.628 * 7.8;
    const double one_plate = 20 + 3000 / (6 * 0.1 * std::sqrt(4 * M_PI * 0.3 * C * t)) *
                                      std::exp(-y * y * C / (4 * 0.3 * t));
    EXPECT_NEAR(one_plate, 231.277, 0.0005);
    const double equal[] = {0.3, 0.3, 0.628, 0.628, 7.8, 7.8, 0.75, 0.25, 20, 6, 0.1, 3000};
    comp_set_data(equal);
    const double T = comp_temperature(t, y, 0);
    EXPECT_EQ(last_field_gap(), FieldGap::none);
    EXPECT_NEAR(T, one_plate, 0.001 * one_plate);
    const double near_equal[] = {0.3, 0.3001, 0.628, 0.628, 7.8, 7.8, 0.75, 0.25, 20, 6, 0.1, 3000};
    comp_set_data(near_equal);
    EXPECT_NEAR(comp_temperature(t, y, 0), T, 0.01);
}

// A share of 0 leaves one phase, and equal diffusivities let the phases move
// as one: each is the plate of the effective conductivity and the mean
// capacity, and the limit of the two-phase field as the data come near it.
TEST_F(TimeDomain, CompositeOfOnePhaseOrEqualDiffusivitiesIsThatLimit)
{
    auto plane = [] {
        const CompConstants c = comp_constants();
        return 20 + 3000 / (6 * 0.1 * std::sqrt(4 * M_PI * c.lambda_e * c.C * 30)) *
                        std::exp(-0.04 * c.C / (4 * c.lambda_e * 30));
    };
    const double a1 = 0.44 / (0.22 * 2.7);
    struct Case {
        const char* what;
        double values[12];
        double near[12];
    };
    const Case cases[] = {
        {"empty phase 2",
         {0.44, 0.12, 0.22, 0.148, 2.7, 7.8, 1, 0, 20, 6, 0.1, 3000},
         {0.44, 0.12, 0.22, 0.148, 2.7, 7.8, 1, 1e-9, 20, 6, 0.1, 3000}},
        {"empty phase 1",
         {0.44, 0.12, 0.22, 0.148, 2.7, 7.8, 0, 1, 20, 6, 0.1, 3000},
         {0.44, 0.12, 0.22, 0.148, 2.7, 7.8, 1e-9, 1, 20, 6, 0.1, 3000}},
        {"equal diffusivities",
         {0.44, a1 * 0.148 * 7.8, 0.22, 0.148, 2.7, 7.8, 0.75, 0.25, 20, 6, 0.1, 3000},
         {0.44, a1 * (1 + 1e-6) * 0.148 * 7.8, 0.22, 0.148, 2.7, 7.8, 0.75, 0.25, 20, 6, 0.1, 3000}},
    };
    for (const Case& c : cases) {
        comp_set_data(c.values);
        const double T = comp_temperature(30, 0.2, 0);
        EXPECT_EQ(last_field_gap(), FieldGap::none) << c.what;
        EXPECT_NEAR(T, plane(), 2e-4 * (plane() - 20)) << c.what;
        comp_set_data(c.near);
        EXPECT_NEAR(comp_temperature(30, 0.2, 0), T, 1e-4 * (T - 20)) << c.what;
    }
}

// No thickness or no speed: the line energy q/v/δ has no value.
TEST_F(TimeDomain, CompositeWithoutThicknessOrSpeedSaysWhy)
{
    const double no_thickness[] = {0.44, 0.12, 0.22, 0.148, 2.7, 7.8, 0.75, 0.25, 30, 6, 0, 3000};
    const double no_speed[] = {0.44, 0.12, 0.22, 0.148, 2.7, 7.8, 0.75, 0.25, 30, 0, 0.1, 3000};
    for (const double* values : {no_thickness, no_speed}) {
        comp_set_data(values);
        EXPECT_TRUE(std::isnan(comp_temperature(30, 0.05, 0)));
        EXPECT_EQ(last_field_gap(), FieldGap::unusable_data);
    }
    const double entered[] = {0.44, 0.12, 0.22, 0.148, 2.7, 7.8, 0.75, 0.25, 30, 6, 0.1, 3000};
    comp_set_data(entered);
    EXPECT_EQ(comp_velocity(), 6);
    EXPECT_EQ(comp_initial_temperature(), 30);
    double zmin = -1, zmax = 0;
    comp_depth_range(0, zmin, zmax);
    EXPECT_EQ(zmin, 0);
    EXPECT_EQ(zmax, 0.1);
}
