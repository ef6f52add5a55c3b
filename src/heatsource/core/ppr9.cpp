// Scheme 6: surfacing of a massive body with a strip electrode: moving point
// sources spread evenly across a strip of width 2B on the surface.
#include <cmath>

#include "numerics.h"
#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr9State& ppr9 = scheme_state.ppr9;

using Derived = Ppr9Derived;

Derived derive(const Ppr9Parameters& p)
{
    Derived d;
    d.two_a = 2.0 * (p.lambda / (p.c * p.rho));
    d.scale = 4.0 * 3.14159 * p.lambda * p.B;   // this scheme's own π
    return d;
}

}  // namespace

Ppr9State::Ppr9State() : derived(derive(parameters)) {}

void ppr9_set_data(SchemeParameters values)
{
    Ppr9Parameters& p = ppr9.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v = values[4];
    p.B = values[5] / 2.0;   // the dialog asks the full width
    p.q = values[6];
}

void ppr9_prepare()
{
    ppr9.derived = derive(ppr9.parameters);
}

double ppr9_integrand(double y_source)
{
    double dy = ppr9.point_y - y_source;
    double R = std::sqrt(ppr9.point_x * ppr9.point_x + ppr9.point_z * ppr9.point_z + dy * dy);
    if (R < 0.2) R = 0.2;   // keeps the field finite on the strip itself
    return std::exp(-ppr9.parameters.v * (ppr9.point_x + R) / ppr9.derived.two_a) / R;
}

double ppr9_temperature(double x, double y, double z)
{
    const Ppr9Parameters& p = ppr9.parameters;
    ppr9.point_x = x;
    ppr9.point_y = y;
    ppr9.point_z = z;
    int status = 0;
    double S = simpson_integrate(ppr9_integrand, -p.B, p.B, 20, status);
    return p.T0 + p.q * S / ppr9.derived.scale;
}

double ppr9_velocity() { return ppr9.parameters.v; }
double ppr9_power() { return ppr9.parameters.q; }
double ppr9_thickness() { return -1; }
double ppr9_initial_temperature() { return ppr9.parameters.T0; }

void ppr9_set_regime(double v, double q, double T0, double /*thickness*/)
{
    ppr9.parameters.v = v;
    ppr9.parameters.q = q;
    ppr9.parameters.T0 = T0;
}

void ppr9_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = 10000;
}

void ppr9_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -20;
    ymax = 20;
}
