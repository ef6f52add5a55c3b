// Scheme 6: surfacing of a massive body with a strip electrode: moving point
// sources spread evenly across a strip of width 2B on the surface.
#include <cmath>

#include "numerics.h"
#include "schemes.h"

thread_local Ppr9Parameters ppr9_parameters;

namespace {

// What ppr9_prepare derives from the block.
struct Derived {
    double two_a = 2;    // twice the diffusivity
    double scale = 0;    // 4πλB, which the strip's integral is divided by
};

Derived derive(const Ppr9Parameters& p)
{
    Derived d;
    d.two_a = 2.0 * (p.lambda / (p.c * p.rho));
    d.scale = 4.0 * 3.14159 * p.lambda * p.B;   // this scheme's own π
    return d;
}

thread_local Derived derived = derive(Ppr9Parameters{});

// The point that ppr9_temperature leaves for the integrand.
thread_local double point_x = 0;
thread_local double point_y = 0;
thread_local double point_z = 0;

}  // namespace

void ppr9_set_data(SchemeParameters values)
{
    Ppr9Parameters& p = ppr9_parameters;
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
    derived = derive(ppr9_parameters);
}

double ppr9_integrand(double y_source)
{
    double dy = point_y - y_source;
    double R = std::sqrt(point_x * point_x + point_z * point_z + dy * dy);
    if (R < 0.2) R = 0.2;   // keeps the field finite on the strip itself
    return std::exp(-ppr9_parameters.v * (point_x + R) / derived.two_a) / R;
}

double ppr9_temperature(double x, double y, double z)
{
    const Ppr9Parameters& p = ppr9_parameters;
    point_x = x;
    point_y = y;
    point_z = z;
    int status = 0;
    double S = simpson_integrate(ppr9_integrand, -p.B, p.B, 20, status);
    return p.T0 + p.q * S / derived.scale;
}

double ppr9_velocity() { return ppr9_parameters.v; }
double ppr9_power() { return ppr9_parameters.q; }
double ppr9_thickness() { return -1; }
double ppr9_initial_temperature() { return ppr9_parameters.T0; }

void ppr9_set_regime(double v, double q, double T0, double /*thickness*/)
{
    ppr9_parameters.v = v;
    ppr9_parameters.q = q;
    ppr9_parameters.T0 = T0;
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
