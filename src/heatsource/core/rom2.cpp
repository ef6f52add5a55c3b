// Scheme 12: welding of a plate by a pulsed source: the cycles of scheme 11
// with the kernel of a point source in three dimensions, which depends on
// the depth of the point.
#include <cmath>

#include "schemes.h"
#include "pulse_cycles.h"

thread_local PulseParameters rom2_parameters;
thread_local PulseState rom2_state;

namespace {

const double pi = 3.14159265;   // this scheme's own π

thread_local double point_x = 0;
thread_local double point_y = 0;
thread_local double point_z = 0;

double kernel(double d)
{
    const PulseParameters& p = rom2_parameters;
    const double a = rom2_state.a;
    double sx = point_x + p.v * d;
    double r2 = sx * sx + point_y * point_y + point_z * point_z;
    return 2.0 * std::exp(-r2 / (4.0 * a * d)) /
           (rom2_state.c_rho * std::pow(4.0 * pi * a * d, 1.5));
}

}  // namespace

void rom2_set_data(SchemeParameters values)
{
    set_pulse_parameters(rom2_parameters, values);
}

void rom2_prepare()
{
    rom2_state.c_rho = rom2_parameters.c * rom2_parameters.rho;
    rom2_state.a = rom2_parameters.lambda / rom2_state.c_rho;
}

void rom2_pulse_time_window(double& from, double& to)
{
    pulse_time_window_of(rom2_parameters, rom2_state, from, to);
}

double rom2_pulse_integrand(double s)
{
    const PulseParameters& p = rom2_parameters;
    double tau = pulse_emission_time(rom2_state, s);
    return rom2_state.pulse_length * kernel(pulse_elapsed(p, rom2_state, tau));
}

double rom2_pause_integrand(double s)
{
    const PulseParameters& p = rom2_parameters;
    double tau = pause_emission_time(rom2_state, s);
    return rom2_state.pause_length * kernel(pulse_elapsed(p, rom2_state, tau));
}

double rom2_pulse_temperature(double x, double y, double z, double /*t*/)
{
    const PulseParameters& p = rom2_parameters;
    point_x = x;
    point_y = y;
    point_z = z;
    // The kernel is that of a point source: it takes the powers in W.
    const PulsePowers point{p.q1, p.q2};
    const PulseKernel heat{rom2_pulse_integrand, rom2_pause_integrand, kernel};
    return sum_pulse_cycles(p, rom2_state, point, heat);
}

double rom2_velocity() { return rom2_parameters.v; }
double rom2_initial_temperature() { return rom2_parameters.T0; }

void rom2_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = rom2_parameters.delta;
}
