// Scheme 1: welding of a thin plate. A line source through the thickness
// moves along the weld; both faces lose heat with the coefficient α.
#include <cmath>

#include "numerics.h"
#include "schemes.h"

thread_local Ppr1Parameters ppr1_parameters;

namespace {

struct Derived {
    double pi = 3.14159265;   // this scheme's own π
    double r_min = 0.00001;   // floor of the distance to the source line
    double r_min2 = 0.00001 * 0.00001;
    double a = 0;
    double Q = 0;
    double k = 0;
    double u0 = 0;
    double s = 0;
    double s2 = 0;   // s²
};

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

thread_local Derived derived = derive(Ppr1Parameters{});

}  // namespace

void ppr1_set_data(SchemeParameters values)
{
    Ppr1Parameters& p = ppr1_parameters;
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
    derived = derive(ppr1_parameters);
}

double ppr1_temperature(double x, double y, double /*z*/)
{
    const Derived& d = derived;
    double u = d.u0 * x;
    double r2 = x * x + y * y;
    if (r2 < d.r_min2) r2 = d.r_min2;
    // Near the source, where the searches spend their evaluations, K0 needs
    // only w², and the root of the distance is not taken.
    const double w2 = d.s2 * r2;
    if (w2 > 0 && w2 <= 4.0) return ppr1_parameters.T0 + d.Q * std::exp(-u) * bessel_k0_from_square(w2);
    const double w = d.s * std::sqrt(r2);
    return ppr1_parameters.T0 + d.Q * std::exp(-u - w) * bessel_k0_scaled(w);
}

double ppr1_velocity() { return ppr1_parameters.v; }
double ppr1_power() { return ppr1_parameters.q; }
double ppr1_thickness() { return ppr1_parameters.delta; }
double ppr1_initial_temperature() { return ppr1_parameters.T0; }

void ppr1_set_regime(double v, double q, double T0, double thickness)
{
    ppr1_parameters.v = v;
    ppr1_parameters.q = q;
    ppr1_parameters.T0 = T0;
    ppr1_parameters.delta = thickness;
}

void ppr1_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = ppr1_parameters.delta;
}

void ppr1_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
