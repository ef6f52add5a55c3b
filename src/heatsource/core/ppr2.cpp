// Scheme 2: welding of a semi-infinite body by a moving point source, with an
// optional surface layer behind a thermal contact resistance. The scheme at
// start-up, and the owner of the power that the time-domain schemes report.
#include <cmath>

#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr2State& ppr2 = scheme_state.ppr2;

const double pi = 3.14159;   // this scheme's own π

using Derived = Ppr2Derived;

Derived derive(const Ppr2Parameters& p)
{
    Derived d;
    // A resistive surface layer stretches the depth and raises the power
    // term by the same factor.
    d.f = p.delta_c != 0 ? std::sqrt(1.0 + p.lambda * p.R_T / p.delta_c) : 1.0;
    double a = p.lambda / (p.c * p.rho);
    d.K = p.q * d.f / (2.0 * pi * p.lambda);
    d.k = 0.5 * p.v / a;
    return d;
}

}  // namespace

Ppr2State::Ppr2State() : derived(derive(parameters)) {}

void ppr2_set_data(SchemeParameters values)
{
    Ppr2Parameters& p = ppr2.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v = values[4];
    p.delta_c = values[5];
    p.R_T = values[6];
    p.q = values[7];
}

void ppr2_prepare()
{
    ppr2.derived = derive(ppr2.parameters);
}

double ppr2_temperature(double x, double y, double z)
{
    const Derived& d = ppr2.derived;
    double R = std::sqrt(x * x + y * y + (d.f * z) * (d.f * z));
    if (R <= 0.00001) R = 0.00001;
    return ppr2.parameters.T0 + d.K * std::exp(-d.k * (x + R)) / R;
}

double ppr2_velocity() { return ppr2.parameters.v; }
double ppr2_power() { return ppr2.parameters.q; }
double ppr2_thickness() { return -1; }
double ppr2_initial_temperature() { return ppr2.parameters.T0; }

void ppr2_set_regime(double v, double q, double T0, double /*thickness*/)
{
    ppr2.parameters.v = v;
    ppr2.parameters.q = q;
    ppr2.parameters.T0 = T0;
}

void ppr2_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = 10000;
}

void ppr2_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
