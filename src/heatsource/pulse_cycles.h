// What the three pulsed-source modules share: the time window of the cycle
// and the sum over the cycles already emitted. Each module keeps its own
// parameters and state and its own integrands; these helpers only run them.
#pragma once

#include "heatsource.h"

// Whole cycles the source has run before the point is observed.
inline constexpr int pulse_past_cycles = 1500;

// Fixes state.t_now = 1500·t_cycle + t and gives the stretch of the weld,
// 5000 cycles back and 20 ahead, over which the cycle is sampled.
// The pulsed schemes' data dialogs hand their values in one order:
// q1, q2, v, lambda, c, rho, t0, tp, t, T0, delta.
void set_pulse_parameters(PulseParameters& p, SchemeParameters values);

void pulse_time_window_of(const PulseParameters& p, PulseState& state, double& from, double& to);

// Whether the block and the state allow a sum at all: a positive period,
// a pulse no longer than it, a positive thickness and diffusivity. Any
// other input gives the initial temperature.
bool pulse_data_usable(const PulseParameters& p, const PulseState& state);

// T0 plus the heat of the cycles emitted before t_now, most recent first:
// for each cycle k (written to state.k before its integrals) the pulse power
// times the pulse integral plus the pause power times the pause integral,
// each over [0, 1]; the sum stops when a cycle adds less than 1e-4 of it.
double sum_pulse_cycles(const PulseParameters& p, PulseState& state,
                        double (*pulse_integrand)(double), double (*pause_integrand)(double));

// The elapsed time from an emission at tau to t_now, kept off zero.
inline double pulse_elapsed(const PulseParameters& p, const PulseState& state, double tau)
{
    double d = state.t_now - tau;
    if (d < 0.001 * p.t_cycle && d > -0.001 * p.t_cycle) d = 0.001 * p.t_cycle;
    return d;
}

// Emission times of cycle k at the integration variable s in [0, 1].
inline double pulse_emission_time(const PulseParameters& p, int k, double s)
{
    return (k - 1) * p.t_cycle + p.t_pulse * s;
}
inline double pause_emission_time(const PulseParameters& p, int k, double s)
{
    return k * p.t_cycle + (p.t_cycle - p.t_pulse) * (s - 1.0);
}
