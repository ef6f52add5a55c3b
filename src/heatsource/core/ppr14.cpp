// Scheme 9: deep penetration welding of a massive body: a line source along
// the depth with a Gaussian distribution of its power, summed as moving point
// sources on both sides of the surface.
#include <cmath>

#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr14State& ppr14 = scheme_state.ppr14;

// The Gaussian weight ends each half after a few dozen steps; the cap ends a
// half that cannot reach the stop value (a weight that grows with depth).
const int step_limit = 1000000;

using Derived = Ppr14Derived;

Derived derive(const Ppr14Parameters& p)
{
    Derived d;
    d.h = 0.05 / std::sqrt(p.f);
    // 3.1416 and 6.2832 are this scheme's own π and 2π.
    d.C = std::sqrt(p.f / 3.1416) * p.q / (6.2832 * p.lambda);
    d.two_a = 2.0 * (p.lambda / (p.c * p.rho));
    return d;
}

}  // namespace

Ppr14State::Ppr14State() : derived(derive(parameters)) {}

void ppr14_set_data(SchemeParameters values)
{
    Ppr14Parameters& p = ppr14.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v = values[4];
    p.f = values[5];
    p.q = values[6];
}

void ppr14_prepare()
{
    ppr14.derived = derive(ppr14.parameters);
}

double ppr14_temperature(double x, double y, double z)
{
    const Ppr14Parameters& p = ppr14.parameters;
    const Derived& d = ppr14.derived;
    const double h = d.h;
    double lateral = x * x + y * y + 0.1;   // the 0.1 cm² keeps R away from 0
    auto g = [&](double zs) {
        double R = std::sqrt(lateral + (z - zs) * (z - zs));
        return std::exp(-p.f * zs * zs - (x + R) * p.v / d.two_a) / R;
    };
    double g0 = g(0);

    // Each half runs away from the surface in steps of h. Beyond |z'| the
    // Gaussian weight alone bounds the rest: the kernel's factor is at most
    // 1/√(x² + y² + 0.1), so the rest is below that times
    // exp(-f·z'²)·h·e/(1 - e), e = exp(-2f·|z'|·h); once the half has passed
    // the point's depth its integrand only falls, faster than the weight, and
    // the rest is below g(z')·h·e/(1 - e). A half stops when either bound is
    // below 1e-7 of its sum (or at an integrand that is not a number).
    const double kernel_bound = 1.0 / std::sqrt(lateral);
    auto half = [&](double direction) {
        double sum = g0 * h / 2.0;
        double zs = 0;
        for (int step = 0; step < step_limit; ++step) {
            zs = zs + direction * h;
            const double value = g(zs);
            if (std::isnan(value)) break;
            sum = sum + value * h;
            const double e = std::exp(-2.0 * p.f * std::fabs(zs) * h);
            const double beyond = h * e / (1.0 - e);
            const double weight_bound = kernel_bound * std::exp(-p.f * zs * zs) * beyond;
            const bool past = direction * (zs - z) >= 0;
            const double rest = past ? std::min(value * beyond, weight_bound) : weight_bound;
            if (rest <= 1e-7 * sum) break;
        }
        return sum;
    };
    const double down = half(1.0);
    const double up = half(-1.0);
    return p.T0 + d.C * (down + up);
}

double ppr14_velocity() { return ppr14.parameters.v; }
double ppr14_power() { return ppr14.parameters.q; }
double ppr14_thickness() { return -1; }
double ppr14_initial_temperature() { return ppr14.parameters.T0; }

void ppr14_set_regime(double v, double q, double T0, double /*thickness*/)
{
    ppr14.parameters.v = v;
    ppr14.parameters.q = q;
    ppr14.parameters.T0 = T0;
}

void ppr14_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = 10000;
}

void ppr14_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
