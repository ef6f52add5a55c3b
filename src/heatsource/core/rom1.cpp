// Scheme 11: welding of a massive body by a pulsed source. Each cycle emits
// a pulse at q1 and a pause at q2 from a line source moving along the weld;
// the temperature at the current time is the sum of their heat over the
// cycles already emitted, each emission integrated over its own interval.
#include <cmath>

#include "schemes.h"
#include "pulse_cycles.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local PulseSchemeState& rom1 = scheme_state.rom1;

const double pi = 3.14159265;   // this scheme's own π

// The point, for the integrands.

// The heat of a unit emission after the elapsed time d, at the point.
inline double kernel(double d)
{
    const PulseParameters& p = rom1.parameters;
    const double a = rom1.pulse.a;
    double sx = rom1.point_x + p.v * d;
    return std::exp(-(sx * sx + rom1.point_y * rom1.point_y) / (4.0 * a * d)) / (4.0 * pi * p.lambda * d);
}

}  // namespace

void rom1_set_data(SchemeParameters values)
{
    set_pulse_parameters(rom1.parameters, values);
}

void rom1_prepare()
{
    rom1.pulse.c_rho = rom1.parameters.c * rom1.parameters.rho;
    rom1.pulse.a = rom1.parameters.lambda / rom1.pulse.c_rho;
}

void rom1_pulse_time_window(double& from, double& to)
{
    pulse_time_window_of(rom1.parameters, rom1.pulse, from, to);
}

double rom1_pulse_integrand(double s)
{
    const PulseParameters& p = rom1.parameters;
    double tau = pulse_emission_time(rom1.pulse, s);
    return rom1.pulse.pulse_length * kernel(pulse_elapsed(p, rom1.pulse, tau));
}

double rom1_pause_integrand(double s)
{
    const PulseParameters& p = rom1.parameters;
    double tau = pause_emission_time(rom1.pulse, s);
    return rom1.pulse.pause_length * kernel(pulse_elapsed(p, rom1.pulse, tau));
}

double rom1_pulse_temperature(double x, double y, double /*z*/, double /*t*/)
{
    const PulseParameters& p = rom1.parameters;
    rom1.point_x = x;
    rom1.point_y = y;
    // The kernel is that of a line source: it takes the power per cm of the
    // thickness.
    const PulsePowers line{p.q1 / p.delta, p.q2 / p.delta};
    const PulseKernel heat{rom1_pulse_integrand, rom1_pause_integrand, kernel};
    return sum_pulse_cycles(p, rom1.pulse, line, heat);
}

double rom1_velocity() { return rom1.parameters.v; }
double rom1_initial_temperature() { return rom1.parameters.T0; }

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
