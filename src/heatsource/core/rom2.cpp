// Scheme 12: welding of a plate by a pulsed source: the cycles of scheme 11
// with the kernel of a point source in three dimensions, which depends on
// the depth of the point.
#include <cmath>

#include "schemes.h"
#include "pulse_cycles.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local PulseSchemeState& rom2 = scheme_state.rom2;

const double pi = 3.14159265;   // this scheme's own π

inline double kernel(double d)
{
    const PulseParameters& p = rom2.parameters;
    const double a = rom2.pulse.a;
    double sx = rom2.point_x + p.v * d;
    double r2 = sx * sx + rom2.point_y * rom2.point_y + rom2.point_z * rom2.point_z;
    return 2.0 * std::exp(-r2 / (4.0 * a * d)) /
           (rom2.pulse.c_rho * std::pow(4.0 * pi * a * d, 1.5));
}

}  // namespace

void rom2_set_data(SchemeParameters values)
{
    set_pulse_parameters(rom2.parameters, values);
}

void rom2_prepare()
{
    rom2.pulse.c_rho = rom2.parameters.c * rom2.parameters.rho;
    rom2.pulse.a = rom2.parameters.lambda / rom2.pulse.c_rho;
}

void rom2_pulse_time_window(double& from, double& to)
{
    pulse_time_window_of(rom2.parameters, rom2.pulse, from, to);
}

double rom2_pulse_integrand(double s)
{
    const PulseParameters& p = rom2.parameters;
    double tau = pulse_emission_time(rom2.pulse, s);
    return rom2.pulse.pulse_length * kernel(pulse_elapsed(p, rom2.pulse, tau));
}

double rom2_pause_integrand(double s)
{
    const PulseParameters& p = rom2.parameters;
    double tau = pause_emission_time(rom2.pulse, s);
    return rom2.pulse.pause_length * kernel(pulse_elapsed(p, rom2.pulse, tau));
}

double rom2_pulse_temperature(double x, double y, double z, double /*t*/)
{
    const PulseParameters& p = rom2.parameters;
    rom2.point_x = x;
    rom2.point_y = y;
    rom2.point_z = z;
    // The kernel is that of a point source: it takes the powers in W.
    const PulsePowers point{p.q1, p.q2};
    const PulseKernel heat{rom2_pulse_integrand, rom2_pause_integrand, kernel};
    return sum_pulse_cycles(p, rom2.pulse, point, heat);
}

double rom2_velocity() { return rom2.parameters.v; }
double rom2_initial_temperature() { return rom2.parameters.T0; }

void rom2_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = rom2.parameters.delta;
}
