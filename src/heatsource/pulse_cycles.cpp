#include "pulse_cycles.h"

#include <cmath>

namespace {

// N is an int. A point observed more cycles than this after the first pulse
// (a cycle time tiny against the position in the cycle) is no weld the
// schemes describe; it is reported at the initial temperature.
const double cycle_count_limit = 1.0e9;

// The heat of older cycles falls off with their age; well before this many
// the 1e-4 rule has ended every sum that has heat to sum. Where nothing
// reaches the point (far ahead of the source) the sum would otherwise run
// through every cycle back to the first.
const int summed_cycle_limit = 1000000;

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

}  // namespace

void set_pulse_parameters(PulseParameters& p, SchemeParameters values)
{
    p.q1 = values[0];
    p.q2 = values[1];
    p.v = values[2];
    p.lambda = values[3];
    p.c = values[4];
    p.rho = values[5];
    p.t_cycle = values[6];
    p.t_pulse = values[7];
    p.t = values[8];
    p.T0 = values[9];
    p.delta = values[10];
}

void pulse_time_window_of(const PulseParameters& p, PulseState& state, double& from, double& to)
{
    state.t_now = pulse_past_cycles * p.t_cycle + p.t;
    from = (state.t_now - 5000.0 * p.t_cycle) * p.v;
    to = (state.t_now + 20.0 * p.t_cycle) * p.v;
}

bool pulse_data_usable(const PulseParameters& p, const PulseState& state)
{
    return positive(p.t_cycle) && std::isfinite(p.t_pulse) && p.t_pulse >= 0 &&
           p.t_pulse <= p.t_cycle && positive(p.delta) && std::isfinite(p.v) &&
           positive(p.lambda) && positive(state.a) && positive(state.c_rho) &&
           std::isfinite(state.t_now) && std::isfinite(p.q1) && std::isfinite(p.q2);
}

double sum_pulse_cycles(const PulseParameters& p, PulseState& state,
                        double (*pulse_integrand)(double), double (*pause_integrand)(double))
{
    state.N = 0;
    state.k = 0;
    if (!pulse_data_usable(p, state)) return p.T0;
    const double cycles = state.t_now / p.t_cycle;
    if (!(cycles < cycle_count_limit)) return p.T0;
    const int N = static_cast<int>(cycles);
    state.N = N;
    const double A = p.q1 / p.delta;
    const double B = p.q2 / p.delta;
    const int last = N - summed_cycle_limit;
    double S = 0;
    for (int k = N; k >= 1 && k > last; --k) {
        state.k = k;
        int status = 0;
        double P = A * simpson_integrate(pulse_integrand, 0, 1, 20, status);
        double Q = B * simpson_integrate(pause_integrand, 0, 1, 20, status);
        S = S + P + Q;
        if (std::fabs(S) > 0 && std::fabs((P + Q) / S) < 0.0001) break;
    }
    return p.T0 + S;
}
