// What the three pulsed-source modules share: the time window of the cycle
// and the sum over the cycles already emitted. Each module keeps its own
// parameters and state and its own integrands; these helpers only run them.
#pragma once

#include "schemes.h"

// Whole cycles the source has run before the point is observed.
inline constexpr int pulse_past_cycles = 1500;

// Fixes state.t_now = 1500·t_cycle + t and gives the stretch of the weld,
// 5000 cycles back and 20 ahead, over which the cycle is sampled.
// The pulsed schemes' data dialogs hand their values in one order:
// q1, q2, v, lambda, c, rho, t0, tp, t, T0, delta.
void set_pulse_parameters(PulseParameters& p, SchemeParameters values);

void pulse_time_window_of(const PulseParameters& p, PulseState& state, double& from, double& to);

// Whether the block and the state allow a sum at all: a positive period,
// a pulse no longer than it, a positive thickness and diffusivity.
bool pulse_data_usable(const PulseParameters& p, const PulseState& state);

// The powers a scheme's kernel takes for the pulse and the pause: W for a
// point source, W per cm of thickness for a line source through the plate.
struct PulsePowers {
    double pulse = 0;
    double pause = 0;
};

// A scheme's kernel three ways: its pulse and pause integrands over [0, 1]
// for the cycle that the state describes, and the heat at the point of a
// unit power emitted for a unit time `elapsed` seconds before t_now.
struct PulseKernel {
    double (*pulse)(double s) = nullptr;
    double (*pause)(double s) = nullptr;
    double (*unit)(double elapsed) = nullptr;
};

// T0 plus the heat of the cycles emitted before t_now: the part of the
// cycle in progress emitted by t_now, then the whole cycles N, N - 1, ...,
// each the pulse power times the pulse integral plus the pause power times
// the pause integral (the cycle's number and emission written to state
// before its integrals).
// By state.rule: the fast rule integrates the cycles so from the most recent back to an
// elapsed time where the kernel is smooth over a cycle (its spread in time
// at least twice the cycle, and eight cycles back at least) and where the
// ends' error below is within the allowance; the older cycles count as
// their mean power, shifted towards the pulse by the first moment of the
// ripple, integrated over the elapsed time (panels of 15-point
// Gauss-Kronrod, halved until the embedded Gauss sums agree within 1e-7 of
// the integral). Its error against every cycle integrated is the ripple's
// second and third antiderivatives (bounded by |q1 - q2|·tp·(t0 - tp)/4 and
// t0 times that) against the kernel's slope and curvature at the two ends;
// the sum keeps that within 1e-5 of the rise plus 1e-6 °C, integrating the
// oldest cycles exactly too where the start of the weld is not smooth.
// Data the sum cannot use, or a sum that would integrate more than `cap`
// cycles, give NaN and their field gap.
double sum_pulse_cycles(const PulseParameters& p, PulseState& state, PulsePowers powers,
                        const PulseKernel& kernel, int cap = field_sum_cap);

// The elapsed time from an emission at tau to t_now, kept off zero.
inline double pulse_elapsed(const PulseParameters& p, const PulseState& state, double tau)
{
    double d = state.t_now - tau;
    if (d < 0.001 * p.t_cycle && d > -0.001 * p.t_cycle) d = 0.001 * p.t_cycle;
    return d;
}

// Emission times of the pulse and the pause that state describes at the
// integration variable s in [0, 1].
inline double pulse_emission_time(const PulseState& state, double s)
{
    return state.pulse_start + state.pulse_length * s;
}
inline double pause_emission_time(const PulseState& state, double s)
{
    return state.pause_end + state.pause_length * (s - 1.0);
}
