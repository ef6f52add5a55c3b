// Scheme 12: welding of a plate by a pulsed source: the cycles of scheme 11
// with the kernel of a point source in three dimensions, which depends on
// the depth of the point.
#include <cmath>

#include "heat_text.h"
#include "heatsource.h"
#include "numfmt.h"
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
    // Both powers are taken per cm of the thickness, as scheme 11 takes them.
    const PulsePowers powers{p.q1 / p.delta, p.q2 / p.delta};
    return sum_pulse_cycles(p, rom2_state, powers, rom2_pulse_integrand, rom2_pause_integrand);
}

double rom2_velocity() { return rom2_parameters.v; }
double rom2_initial_temperature() { return rom2_parameters.T0; }

void rom2_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = rom2_parameters.delta;
}

void rom2_summary(char* line1, char* line2, char* title)
{
    const PulseParameters& p = rom2_parameters;
    put_text(line1, cformat("Wmax=%g, Wmin=%g, velocity=%g, conductivity=%g, Heat capasity=%g,",
                            p.q1, p.q2, p.v, p.lambda, p.c));
    put_text(line2, cformat(" density=%g, t0=%g, tp=%g, t=%g, Ti=%g", p.rho, p.t_cycle,
                            p.t_pulse, rom2_state.t_now, p.T0));
    put_text(title, pick(Text5{"12. Welding a plate by a pulse source",
                               "12.Сварка пластины импульсным источником",
                               "12.Зварювання пластини імпульсним джерелом",
                               "12. Die Schweissung der Platte von der Impulsquelle",
                               "12. La soudure de la plaque par la source d'impulsion"}));
}

void rom2_caption(char* line1, char* line2, char* line3)
{
    put_caption(line1, line2, line3,
                {"12.Welding", "12.Сварка пластины", "12.Зварювання", "12.Die Schweissung",
                 "12.La soudure de"},
                {"a plate by", "импульсным", "пластини", "der Platte von", "la plaque par la"},
                {"a pulse source", "источником", "імпульсним джерелом", "der Impulsquelle",
                 "source d'impulsion"});
}
