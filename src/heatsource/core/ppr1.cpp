// Scheme 1: welding of a thin plate. A line source through the thickness
// moves along the weld; both faces lose heat with the coefficient α.
#include <cmath>

#include "numerics.h"
#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr1State& ppr1 = scheme_state.ppr1;

using Derived = Ppr1Derived;

Derived derive(const Ppr1Parameters& p)
{
    Derived d;
    d.a = p.lambda / (p.c * p.rho);
    d.Q = p.q / (2.0 * d.pi * p.lambda * p.delta);
    d.k = 0.5 / d.a;
    d.u0 = d.k * p.v;
    double crho = p.c * p.rho;
    d.s = d.k * std::sqrt(p.v * p.v + 8.0 * p.alpha * p.lambda / (crho * crho * p.delta));
    d.s2 = d.s * d.s;
    return d;
}

}  // namespace

Ppr1State::Ppr1State() : derived(derive(parameters)) {}

void ppr1_set_data(SchemeParameters values)
{
    Ppr1Parameters& p = ppr1.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v = values[4];
    p.delta = values[5];
    p.alpha = values[6];
    p.q = values[7];
}

void ppr1_prepare()
{
    ppr1.derived = derive(ppr1.parameters);
}

double ppr1_temperature(double x, double y, double /*z*/)
{
    const Derived& d = ppr1.derived;
    double u = d.u0 * x;
    double r2 = x * x + y * y;
    if (r2 < d.r_min2) r2 = d.r_min2;
    // Near the source, where the searches spend their evaluations, K0 needs
    // only w², and the root of the distance is not taken.
    const double w2 = d.s2 * r2;
    if (w2 > 0 && w2 <= 4.0) return ppr1.parameters.T0 + d.Q * std::exp(-u) * bessel_k0_from_square(w2);
    const double w = d.s * std::sqrt(r2);
    return ppr1.parameters.T0 + d.Q * std::exp(-u - w) * bessel_k0_scaled(w);
}

double ppr1_velocity() { return ppr1.parameters.v; }
double ppr1_power() { return ppr1.parameters.q; }
double ppr1_thickness() { return ppr1.parameters.delta; }
double ppr1_initial_temperature() { return ppr1.parameters.T0; }

void ppr1_set_regime(double v, double q, double T0, double thickness)
{
    ppr1.parameters.v = v;
    ppr1.parameters.q = q;
    ppr1.parameters.T0 = T0;
    ppr1.parameters.delta = thickness;
}

void ppr1_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = ppr1.parameters.delta;
}

void ppr1_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
