// Scheme 11: welding of a massive body by a pulsed source. Each cycle emits
// a pulse at q1 and a pause at q2 from a line source moving along the weld;
// the temperature at the current time is the sum of their heat over the
// cycles already emitted, each emission integrated over its own interval.
#include <cmath>

#include "schemes.h"
#include "pulse_cycles.h"

thread_local PulseParameters rom1_parameters;
thread_local PulseState rom1_state;

namespace {

const double pi = 3.14159265;   // this scheme's own π

// The point, for the integrands.
thread_local double point_x = 0;
thread_local double point_y = 0;

// The heat of a unit emission after the elapsed time d, at the point.
double kernel(double d)
{
    const PulseParameters& p = rom1_parameters;
    const double a = rom1_state.a;
    double sx = point_x + p.v * d;
    return std::exp(-(sx * sx + point_y * point_y) / (4.0 * a * d)) / (4.0 * pi * p.lambda * d);
}

}  // namespace

void rom1_set_data(SchemeParameters values)
{
    set_pulse_parameters(rom1_parameters, values);
}

void rom1_prepare()
{
    rom1_state.c_rho = rom1_parameters.c * rom1_parameters.rho;
    rom1_state.a = rom1_parameters.lambda / rom1_state.c_rho;
}

void rom1_pulse_time_window(double& from, double& to)
{
    pulse_time_window_of(rom1_parameters, rom1_state, from, to);
}

double rom1_pulse_integrand(double s)
{
    const PulseParameters& p = rom1_parameters;
    double tau = pulse_emission_time(rom1_state, s);
    return rom1_state.pulse_length * kernel(pulse_elapsed(p, rom1_state, tau));
}

double rom1_pause_integrand(double s)
{
    const PulseParameters& p = rom1_parameters;
    double tau = pause_emission_time(rom1_state, s);
    return rom1_state.pause_length * kernel(pulse_elapsed(p, rom1_state, tau));
}

double rom1_pulse_temperature(double x, double y, double /*z*/, double /*t*/)
{
    const PulseParameters& p = rom1_parameters;
    point_x = x;
    point_y = y;
    // The kernel is that of a line source: it takes the power per cm of the
    // thickness.
    const PulsePowers line{p.q1 / p.delta, p.q2 / p.delta};
    const PulseKernel heat{rom1_pulse_integrand, rom1_pause_integrand, kernel};
    return sum_pulse_cycles(p, rom1_state, line, heat);
}

double rom1_velocity() { return rom1_parameters.v; }
double rom1_initial_temperature() { return rom1_parameters.T0; }

void rom1_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = 10000;   // a body without a bottom
}

void rom1_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
