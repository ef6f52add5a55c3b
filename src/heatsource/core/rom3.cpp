// Scheme 13: welding of a thin plate by a pulsed source: the point-source
// kernel of scheme 12 multiplied by the mirror images of the source at the
// depths ±2iδ, which keep the two faces of the plate free of heat flow.
#include <cmath>
#include <unordered_map>

#include "schemes.h"
#include "pulse_cycles.h"

thread_local PulseParameters rom3_parameters;
thread_local PulseState rom3_state;

namespace {

const double pi = 3.14159265;   // this scheme's own π
const int image_pair_limit = 999;

thread_local double point_x = 0;
thread_local double point_y = 0;
thread_local double point_z = 0;

double kernel(double d)
{
    const PulseParameters& p = rom3_parameters;
    const double a = rom3_state.a;
    double sx = point_x + p.v * d;
    double r2 = sx * sx + point_y * point_y + point_z * point_z;
    const double spread = 4.0 * pi * a * d;   // raised to 1.5 as s·√s, the cheaper way
    return 2.0 * std::exp(-r2 / (4.0 * a * d)) / (rom3_state.c_rho * (spread * std::sqrt(spread)));
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
    set_pulse_parameters(rom3_parameters, values);
}

void rom3_prepare()
{
    rom3_state.c_rho = rom3_parameters.c * rom3_parameters.rho;
    rom3_state.a = rom3_parameters.lambda / rom3_state.c_rho;
}

void rom3_pulse_time_window(double& from, double& to)
{
    pulse_time_window_of(rom3_parameters, rom3_state, from, to);
}

namespace {

double image_series(double tau)
{
    const double delta = rom3_parameters.delta;
    const double z = point_z;
    const double D = (rom3_state.t_now - tau) * rom3_state.a;
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

// Every sample of a thermal cycle integrates the cycles at the same emission
// times and the same depth, so the series of an emission time is kept for
// the block, t_now and depth it was found with (bounded, since the keys of
// one window are a few hundred thousand at most).
struct ImageSeriesCache {
    double t_now = std::nan(""), z = 0, delta = 0, a = 0;
    std::unordered_map<double, double> by_emission;
};

thread_local ImageSeriesCache image_cache;

// The heat at the point of a unit emission `elapsed` seconds before t_now,
// its images included.
double unit_emission(double elapsed)
{
    const double K = kernel(elapsed);
    if (K == 0) return 0;
    return K * image_series(rom3_state.t_now - elapsed);
}

}  // namespace

double rom3_image_series(double tau)
{
    ImageSeriesCache& c = image_cache;
    const double delta = rom3_parameters.delta;
    const double a = rom3_state.a;
    if (!(c.t_now == rom3_state.t_now) || c.z != point_z ||
        c.delta != delta || c.a != a || c.by_emission.size() > (1u << 20)) {
        c.by_emission.clear();
        c.t_now = rom3_state.t_now;
        c.z = point_z;
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
    const PulseParameters& p = rom3_parameters;
    double tau = pulse_emission_time(rom3_state, s);
    const double K = kernel(pulse_elapsed(p, rom3_state, tau));
    // An emission whose heat has not arrived (or has long gone) adds nothing,
    // whatever its images; the series is the costly part of the cycle.
    if (K == 0) return 0;
    return rom3_state.pulse_length * K * rom3_image_series(tau);
}

double rom3_pause_integrand(double s)
{
    const PulseParameters& p = rom3_parameters;
    double tau = pause_emission_time(rom3_state, s);
    const double K = kernel(pulse_elapsed(p, rom3_state, tau));
    // An emission whose heat has not arrived (or has long gone) adds nothing,
    // whatever its images; the series is the costly part of the cycle.
    if (K == 0) return 0;
    return rom3_state.pause_length * K * rom3_image_series(tau);
}

double rom3_pulse_temperature(double x, double y, double z, double /*t*/)
{
    const PulseParameters& p = rom3_parameters;
    clear_field_gap();
    // The images describe the plate between its faces only; below the lower
    // face the first image would grow without bound.
    if (!(z >= 0 && z <= p.delta)) return field_gap(FieldGap::outside_metal);
    point_x = x;
    point_y = y;
    point_z = z;
    // The kernel and its images are the point source in the plate: they take
    // the powers themselves, which the thickness already spreads.
    const PulsePowers point{p.q1, p.q2};
    const PulseKernel kernel{rom3_pulse_integrand, rom3_pause_integrand, unit_emission};
    return sum_pulse_cycles(p, rom3_state, point, kernel);
}

double rom3_velocity() { return rom3_parameters.v; }
double rom3_initial_temperature() { return rom3_parameters.T0; }

void rom3_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = rom3_parameters.delta;
}

void rom3_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
