#include "pulse_cycles.h"

#include "numerics.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace {

// What the sum needs to know of the pulse train as a whole.
struct PulseTrain {
    double mean = 0;           // the mean power of a cycle
    // The first moment of the power about its mean within a cycle (its
    // first antiderivative's mean, Φ̄): the pulse comes first, so the mean
    // power emits a little too late by Φ̄ / mean.
    double phi_bar = 0;
    double psi_max = 0;        // bound of the second antiderivative
    double omega_max = 0;      // bound of the third
    double smooth_after = 0;   // elapsed time from which a cycle no longer shows
    double sigma_factor = 0;   // the kernel's width in time at elapsed d: √d times this
};

PulseTrain pulse_train(const PulseParameters& p, const PulseState& state, PulsePowers powers)
{
    PulseTrain t;
    const double t0 = p.t_cycle;
    const double tp = p.t_pulse;
    const double jump = powers.pulse - powers.pause;
    t.mean = (powers.pulse * tp + powers.pause * (t0 - tp)) / t0;
    t.phi_bar = jump * tp * (t0 - tp) / (2.0 * t0);
    t.psi_max = std::fabs(jump) * tp * (t0 - tp) / 4.0;
    t.omega_max = t.psi_max * t0;
    // The heat of an emission reaches a point behind the source spread over
    // a time √(2a·d)/v; from twice the cycle on, the ripple of the pulses in
    // it is below e^-79 of the heat. The factors that depend on d alone
    // change on the scale of d: eight cycles keep their ripple as small.
    const double v = std::fabs(p.v);
    const double spread = v > 0 ? 2.0 * (t0 * v) * (t0 * v) / state.a : 0;
    t.smooth_after = std::max(8.0 * t0, spread);
    t.sigma_factor = v > 0 ? std::sqrt(2.0 * state.a) / v : HUGE_VAL;
    return t;
}

// The part of cycle k that its integrals cover, and their sum with the powers.
double exact_cycle(const PulseParameters& p, PulseState& state, PulsePowers powers,
                   const PulseKernel& kernel, int k, int N, double begun)
{
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
    const double P = powers.pulse * simpson_integrate(kernel.pulse, 0, 1, 20, status);
    const double Q = powers.pause * simpson_integrate(kernel.pause, 0, 1, 20, status);
    return P + Q;
}

// What the mean power misses at an end of the cycles it stands for, beyond
// the shift Φ̄ it takes into account: the second and third antiderivatives
// of the power's ripple against the kernel's slope and curvature there
// (central differences over half a cycle).
double end_error(const PulseTrain& t, const PulseKernel& kernel, double d, double t_cycle)
{
    const double h = 0.5 * t_cycle;
    const double K = kernel.unit(d);
    const double before = kernel.unit(d + h);
    const double after = kernel.unit(d - h);
    const double slope = std::fabs(after - before) / (2.0 * h);
    const double curvature = std::fabs(after - 2.0 * K + before) / (h * h);
    const double e = t.psi_max * slope + t.omega_max * curvature;
    return std::isnan(e) ? HUGE_VAL : e;
}

// The error the sum allows itself: 1e-5 of the rise, and never less than
// a micro-degree.
double allowed_error(double rise)
{
    return 1e-5 * std::fabs(rise) + 1e-6;
}

// The 15-point Gauss-Kronrod rule on [a, b], with the difference from its
// embedded 7-point Gauss rule as the error estimate.
struct Kronrod {
    double value = 0;
    double error = 0;
};

Kronrod kronrod15(double (*f)(double), double a, double b)
{
    static const double x[] = {0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
                               0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
                               0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
                               0.207784955007898467600689403773245};
    static const double wk[] = {0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
                                0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
                                0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
                                0.204432940075298892414161999234649};
    static const double wk_centre = 0.209482141084727828012999174891714;
    static const double wg[] = {0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
                                0.381830050505118944950369775488975};
    static const double wg_centre = 0.417959183673469387755102040816327;
    const double c = 0.5 * (a + b);
    const double r = 0.5 * (b - a);
    const double fc = f(c);
    double k = wk_centre * fc;
    double g = wg_centre * fc;
    for (int i = 0; i < 7; ++i) {
        const double pair = f(c - r * x[i]) + f(c + r * x[i]);
        k += wk[i] * pair;
        if (i % 2 == 1) g += wg[i / 2] * pair;
    }
    return {r * k, r * std::fabs(k - g)};
}

// The panel halved until the Kronrod and Gauss sums agree within the
// allowance, which leaves the Kronrod sum far closer still.
double kronrod_adaptive(double (*f)(double), double a, double b, Kronrod whole, double allowance,
                        int depth)
{
    if (depth == 0 || !(whole.error > allowance)) return whole.value;
    const double m = 0.5 * (a + b);
    return kronrod_adaptive(f, a, m, kronrod15(f, a, m), 0.5 * allowance, depth - 1) +
           kronrod_adaptive(f, m, b, kronrod15(f, m, b), 0.5 * allowance, depth - 1);
}

// The heat of the cycles emitted from tau_lo to tau_hi (cycle boundaries)
// as their mean power, shifted towards the pulses by Φ̄: the integral of
// the kernel over the elapsed times, on panels no wider than four times the
// kernel's spread in time nor than half their own elapsed time.
double mean_power_tail(const PulseTrain& t, const PulseKernel& kernel, double t_now, double tau_lo,
                       double tau_hi)
{
    const double d_lo = t_now - tau_hi;
    const double d_hi = t_now - tau_lo;
    if (!(d_hi > d_lo)) return 0;
    struct Panel {
        double from, to;
        Kronrod sum;
    };
    std::vector<Panel> panels;
    double estimate = 0;
    for (double d = d_lo; d < d_hi;) {
        const double width = std::min(0.5 * d, 4.0 * t.sigma_factor * std::sqrt(d));
        const double end = std::min(d_hi, d + width);
        panels.push_back({d, end, kronrod15(kernel.unit, d, end)});
        estimate += panels.back().sum.value;
        d = end;
    }
    // Each panel refined until its Kronrod and Gauss sums agree within its
    // share of 1e-7 of the whole.
    const double allowance = 1e-7 * std::fabs(estimate) / static_cast<double>(panels.size());
    double integral = 0;
    for (const Panel& panel : panels)
        integral += kronrod_adaptive(kernel.unit, panel.from, panel.to, panel.sum, allowance, 12);
    // The emission of each cycle sits Φ̄ / mean earlier than its mean power:
    // over the cycles that is the kernel's difference between the ends.
    return t.mean * integral - t.phi_bar * (kernel.unit(d_lo) - kernel.unit(d_hi));
}

}  // namespace

double sum_pulse_cycles(const PulseParameters& p, PulseState& state, PulsePowers powers,
                        const PulseKernel& kernel, int cap)
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
    const double begun = state.t_now - N * p.t_cycle;
    const int newest = begun > 0 ? N + 1 : N;
    const PulseTrain train = pulse_train(p, state, powers);

    double S = 0;
    // The cycles whose pulses show at the point, most recent first: the part
    // of the cycle in progress emitted by t_now (the whole last cycle where
    // t_now / t_cycle rounds just below a whole number), then N, N - 1, ...
    int k = newest;
    for (; k >= 1; --k) {
        // Beyond the cap the sum is not one of every cycle that matters.
        if (newest - k >= cap) return field_gap(FieldGap::cycle_cap);
        S += exact_cycle(p, state, powers, kernel, k, N, begun);
        if (state.rule == PulseSumRule::every_cycle || k == 1) continue;
        const double tau = (k - 1) * p.t_cycle;
        if (state.t_now - tau >= train.smooth_after &&
            end_error(train, kernel, state.t_now - tau, p.t_cycle) <= allowed_error(S))
            break;
    }
    if (k <= 1) return p.T0 + S;

    // Cycles 1 .. k - 1 remain. Their mean power, with the shift of each
    // cycle's power towards its pulse, stands for them where the kernel's
    // ends are smooth; at the oldest end (the start of the weld, where a
    // point near the starting place sees the heat arrive) the first cycles
    // are summed exactly until the end is smooth as well.
    const double tau_hi = (k - 1) * p.t_cycle;
    double tail = mean_power_tail(train, kernel, state.t_now, 0, tau_hi);
    int oldest = 0;   // cycles 1 .. oldest summed exactly
    while (oldest < k - 1 &&
           end_error(train, kernel, state.t_now - oldest * p.t_cycle, p.t_cycle) > allowed_error(S + tail)) {
        ++oldest;
        if (newest - k + oldest >= cap) return field_gap(FieldGap::cycle_cap);
        S += exact_cycle(p, state, powers, kernel, oldest, N, begun);
    }
    if (oldest > 0)
        tail = oldest < k - 1 ? mean_power_tail(train, kernel, state.t_now, oldest * p.t_cycle, tau_hi) : 0;
    state.k = k;
    return p.T0 + S + tail;
}
