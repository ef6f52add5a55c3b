// Schemes whose sums end on a tail: the lossy plate's eigen series, the
// oscillating electrode's depth modes, the line source's depth sum, the
// pulsed cycles and the composite's wavenumber transform. Each against its
// closed form (or its own series summed to convergence by independent code)
// at limit rows and at seeded random points over wide ranges, and the fast
// pulsed sums against every cycle integrated.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>

#include "heatsource.h"
#include "pulse_cycles.h"

namespace {

// A seeded uniform draw that gives the same numbers with every standard
// library.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : rng_(seed) {}
    double operator()(double lo, double hi)
    {
        const double u = static_cast<double>(rng_() >> 11) * 0x1.0p-53;
        return lo + (hi - lo) * u;
    }
    // Log-uniform, for quantities that span decades.
    double log(double lo, double hi) { return std::exp((*this)(std::log(lo), std::log(hi))); }

private:
    std::mt19937_64 rng_;
};

// ---------------------------------------------------------------------------
// Pulsed schemes: the fast sums against every cycle integrated.

struct PulsedScheme {
    int number;
    void (*set_data)(SchemeParameters);
    void (*prepare)();
    void (*window)(double&, double&);
    double (*temperature)(double, double, double, double);
    PulseState* state;
};

const PulsedScheme pulsed[] = {
    {11, rom1_set_data, rom1_prepare, rom1_pulse_time_window, rom1_pulse_temperature, &scheme_state.rom1.pulse},
    {12, rom2_set_data, rom2_prepare, rom2_pulse_time_window, rom2_pulse_temperature, &scheme_state.rom2.pulse},
    {13, rom3_set_data, rom3_prepare, rom3_pulse_time_window, rom3_pulse_temperature, &scheme_state.rom3.pulse},
};

double pulsed_at(const PulsedScheme& s, const double* values, double x, double y, double z,
                 PulseSumRule rule)
{
    s.set_data(values);
    s.prepare();
    double from = 0, to = 0;
    s.window(from, to);
    s.state->rule = rule;
    const double T = s.temperature(x, y, z, 0);
    s.state->rule = PulseSumRule::fast;
    return T;
}

// The fast rule promises 1e-5 of the rise plus 1e-6 °C for what the mean
// power misses, on top of the Simpson sums' own 1e-4: the rows allow 1e-4
// of the rise plus 1e-5 °C.
void expect_fast_as_full(const PulsedScheme& s, const double* values, double x, double y, double z)
{
    const double fast = pulsed_at(s, values, x, y, z, PulseSumRule::fast);
    const double full = pulsed_at(s, values, x, y, z, PulseSumRule::every_cycle);
    EXPECT_NEAR(fast, full, 1e-4 * std::fabs(full - values[9]) + 1e-5)
        << "scheme " << s.number << " at x=" << x << " y=" << y << " z=" << z;
}

// The start window's 51 samples, from 3490 cm behind the source (beyond the
// start of the weld) to 1530 cm ahead, on the surface and inside the plate.
TEST(PulsedFastSums, AgreeWithEveryCycleAlongTheStartWindow)
{
    const double start[] = {1250, 500, 1, 0.4, 0.628, 7.8, 1, 0.5, 10, 20, 1};
    for (const PulsedScheme& s : pulsed)
        for (double z : {0.0, 0.6})
            for (int i = 0; i <= 50; ++i) expect_fast_as_full(s, start, -3490 + i * 100.4, 0.05, z);
}

// Near the start of the weld, where the oldest cycles show as well, and
// with the dialog's first texts (short cycles, a slow source).
TEST(PulsedFastSums, AgreeWithEveryCycleAtTheStartOfTheWeldAndWithShortCycles)
{
    const double start[] = {1250, 500, 1, 0.4, 0.628, 7.8, 1, 0.5, 10, 20, 1};
    const double dialog[] = {5000, 2500, 0.1, 0.4, 0.628, 7.8, 0.2, 0.1, 0.05, 20, 1};
    for (const PulsedScheme& s : pulsed) {
        for (double x : {-1505.0, -1510.0, -1512.0, -1520.0}) expect_fast_as_full(s, start, x, 0.05, 0);
        for (double x : {-0.05, -0.5, -3.0, -8.0, -25.0, -29.9, -31.0}) expect_fast_as_full(s, dialog, x, 0.05, 0);
    }
}

// Seeded random data and points: powers 300-20000 W (the pause at any
// share of the pulse), v 0.02-2 cm/s, λ 0.1-0.5, cycles 0.1-2 s with pulses
// of 5-100 % of them, plates 0.1-8 cm, points from 8 cm behind to 3 cm ahead
// and 3 cm aside, through the thickness.
TEST(PulsedFastSums, AgreeWithEveryCycleAtRandomPoints)
{
    for (const PulsedScheme& s : pulsed) {
        Draw draw(1100 + static_cast<std::uint64_t>(s.number));
        for (int n = 0; n < 60; ++n) {
            const double t0 = draw.log(0.1, 2);
            const double delta = draw.log(0.1, 8);
            const double q1 = draw.log(300, 20000);
            const double values[] = {q1, draw(0, q1), draw.log(0.02, 2), draw(0.1, 0.5), draw(0.45, 0.7), 7.8,
                                     t0, draw(0.05, 1) * t0, draw(0, t0), 20, delta};
            const double x = draw(-8, 3), y = draw(0, 3), z = draw(0, 1) * delta;
            expect_fast_as_full(s, values, x, y, z);
        }
    }
}

}  // namespace
