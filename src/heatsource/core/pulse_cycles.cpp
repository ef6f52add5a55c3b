#include "pulse_cycles.h"

#include "numerics.h"

#include <algorithm>
#include <cmath>

namespace {

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

double sum_pulse_cycles(const PulseParameters& p, PulseState& state, PulsePowers powers,
                        double (*pulse_integrand)(double), double (*pause_integrand)(double),
                        int cap)
{
    state.N = 0;
    state.k = 0;
    clear_field_gap();
    if (!pulse_data_usable(p, state)) return field_gap(FieldGap::unusable_data);
    // A cycle time this small against the time of observation cannot be
    // told apart within a double: the times of one cycle would be lost in
    // the rounding of t_now.
    const double cycles = state.t_now / p.t_cycle;
    if (!(cycles < 1.0e9)) return field_gap(FieldGap::unusable_data);
    const int N = static_cast<int>(cycles);
    state.N = N;
    double S = 0;
    // The cycle in progress first: its pulse and pause as far as t_now has
    // come (the whole last cycle where t_now / t_cycle rounds just below a
    // whole number).
    const double begun = state.t_now - N * p.t_cycle;
    const int newest = begun > 0 ? N + 1 : N;
    for (int k = newest; k >= 1; --k) {
        // Where nothing reaches the point (far ahead of the source) the sum
        // runs back to the first cycle; beyond the cap it is not a sum of
        // every cycle that matters.
        if (newest - k >= cap) return field_gap(FieldGap::cycle_cap);
        state.k = k;
        if (k > N) {
            state.pulse_start = N * p.t_cycle;
            state.pulse_length = std::min(p.t_pulse, begun);
            state.pause_end = state.t_now;
            state.pause_length = std::max(0.0, begun - p.t_pulse);
        } else {
            state.pulse_start = (k - 1) * p.t_cycle;
            state.pulse_length = p.t_pulse;
            state.pause_end = k * p.t_cycle;
            state.pause_length = p.t_cycle - p.t_pulse;
        }
        int status = 0;
        double P = powers.pulse * simpson_integrate(pulse_integrand, 0, 1, 20, status);
        double Q = powers.pause * simpson_integrate(pause_integrand, 0, 1, 20, status);
        S = S + P + Q;
        if (std::fabs(S) > 0 && std::fabs((P + Q) / S) < 0.0001) break;
    }
    return p.T0 + S;
}
