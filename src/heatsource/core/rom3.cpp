// Scheme 13: welding of a thin plate by a pulsed source: the point-source
// kernel of scheme 12 multiplied by the mirror images of the source at the
// depths ±2iδ, which keep the two faces of the plate free of heat flow.
#include <cmath>

#include "schemes.h"
#include "pulse_cycles.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Rom3State& rom3 = scheme_state.rom3;

const double pi = 3.14159265;   // this scheme's own π
const int image_pair_limit = 999;

inline double kernel(double d)
{
    const PulseParameters& p = rom3.parameters;
    const double a = rom3.pulse.a;
    double sx = rom3.point_x + p.v * d;
    double r2 = sx * sx + rom3.point_y * rom3.point_y + rom3.point_z * rom3.point_z;
    const double spread = 4.0 * pi * a * d;   // raised to 1.5 as s·√s, the cheaper way
    return 2.0 * std::exp(-r2 / (4.0 * a * d)) / (rom3.pulse.c_rho * (spread * std::sqrt(spread)));
}

// exp(-num/D) for an elapsed diffusion length D >= 0. At the moment of
// emission (D = 0) an image farther than the source itself adds nothing and
// one exactly as far (the point on the lower face) adds as much as the
// source, the limits of the quotient as D falls to 0.
double image_ratio(double num, double D)
{
    if (D > 0) return std::exp(-num / D);
    if (num > 0) return 0;
    return num == 0 ? 1.0 : HUGE_VAL;
}

}  // namespace

void rom3_set_data(SchemeParameters values)
{
    set_pulse_parameters(rom3.parameters, values);
}

void rom3_prepare()
{
    rom3.pulse.c_rho = rom3.parameters.c * rom3.parameters.rho;
    rom3.pulse.a = rom3.parameters.lambda / rom3.pulse.c_rho;
}

void rom3_pulse_time_window(double& from, double& to)
{
    pulse_time_window_of(rom3.parameters, rom3.pulse, from, to);
}

namespace {

double image_series(double tau)
{
    const double delta = rom3.parameters.delta;
    const double z = rom3.point_z;
    const double D = (rom3.pulse.t_now - tau) * rom3.pulse.a;
    // Pair i holds exp(-iδ(iδ - z)/D) and exp(-iδ(iδ + z)/D); from one pair
    // to the next each term is multiplied by its first value and by
    // exp(-2δ²/D) once more per pair, so the series needs three
    // exponentials, not two per pair (an old emission takes dozens of pairs,
    // at every point of every cycle).
    const double decay = image_ratio(2 * delta * delta, D);
    double below = image_ratio(delta * (delta - z), D);
    double above = image_ratio(delta * (delta + z), D);
    double below_step = below;
    double above_step = above;
    double sum = 1;
    for (int i = 1; i <= image_pair_limit; ++i) {
        const double term = below + above;
        sum = sum + term;
        if (std::fabs(term / sum) < 0.0001) break;
        below_step *= decay;
        above_step *= decay;
        below *= below_step;
        above *= above_step;
    }
    return sum;
}

using ImageSeriesCache = Rom3ImageSeriesCache;

// The heat at the point of a unit emission `elapsed` seconds before t_now,
// its images included.
double unit_emission(double elapsed)
{
    const double K = kernel(elapsed);
    if (K == 0) return 0;
    return K * image_series(rom3.pulse.t_now - elapsed);
}

}  // namespace

double rom3_image_series(double tau)
{
    ImageSeriesCache& c = rom3.image_cache;
    const double delta = rom3.parameters.delta;
    const double a = rom3.pulse.a;
    if (!(c.t_now == rom3.pulse.t_now) || c.z != rom3.point_z ||
        c.delta != delta || c.a != a || c.by_emission.size() > (1u << 20)) {
        c.by_emission.clear();
        c.t_now = rom3.pulse.t_now;
        c.z = rom3.point_z;
        c.delta = delta;
        c.a = a;
    }
    const auto found = c.by_emission.find(tau);
    if (found != c.by_emission.end()) return found->second;
    const double F = image_series(tau);
    c.by_emission.emplace(tau, F);
    return F;
}

double rom3_pulse_integrand(double s)
{
    const PulseParameters& p = rom3.parameters;
    double tau = pulse_emission_time(rom3.pulse, s);
    const double K = kernel(pulse_elapsed(p, rom3.pulse, tau));
    // An emission whose heat has not arrived (or has long gone) adds nothing,
    // whatever its images; the series is the costly part of the cycle.
    if (K == 0) return 0;
    return rom3.pulse.pulse_length * K * rom3_image_series(tau);
}

double rom3_pause_integrand(double s)
{
    const PulseParameters& p = rom3.parameters;
    double tau = pause_emission_time(rom3.pulse, s);
    const double K = kernel(pulse_elapsed(p, rom3.pulse, tau));
    // An emission whose heat has not arrived (or has long gone) adds nothing,
    // whatever its images; the series is the costly part of the cycle.
    if (K == 0) return 0;
    return rom3.pulse.pause_length * K * rom3_image_series(tau);
}

double rom3_pulse_temperature(double x, double y, double z, double /*t*/)
{
    const PulseParameters& p = rom3.parameters;
    clear_field_gap();
    // The images describe the plate between its faces only; below the lower
    // face the first image would grow without bound.
    if (!(z >= 0 && z <= p.delta)) return field_gap(FieldGap::outside_metal);
    rom3.point_x = x;
    rom3.point_y = y;
    rom3.point_z = z;
    // The kernel and its images are the point source in the plate: they take
    // the powers themselves, which the thickness already spreads.
    const PulsePowers point{p.q1, p.q2};
    const PulseKernel kernel{rom3_pulse_integrand, rom3_pause_integrand, unit_emission};
    return sum_pulse_cycles(p, rom3.pulse, point, kernel);
}

double rom3_velocity() { return rom3.parameters.v; }
double rom3_initial_temperature() { return rom3.parameters.T0; }

void rom3_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = rom3.parameters.delta;
}

void rom3_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
