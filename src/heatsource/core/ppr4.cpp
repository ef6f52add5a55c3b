// Scheme 4: butt welding of two thin plates of one material and thickness but
// of different widths. Plate 1 (h1 wide) lies on y < 0, plate 2 (h2 wide) on
// y > 0; the outer edges are insulated, so the field is the thin-plate kernel
// summed over the source and its images in the two edges.
#include <cmath>

#include "numerics.h"
#include "schemes.h"

thread_local Ppr4Parameters ppr4_parameters;

namespace {

const double series_tolerance = 0.001;
// Wide plates settle after one pass and narrow ones after a few dozen; the
// cap only ends a series that cannot settle (zero total width, NaN input).
const int image_pass_limit = 100000;

struct Derived {
    double r_min = 0.00001;
    double pi = 3.14159;   // this scheme's own π
    double half_pi = 3.14159 / 2.0;
    double a = 0;
    double b = 0;
    double s = 0;
    double Q = 0;
    double W = 0;
    double D1 = 0;
    double D2 = 0;
};

Derived derive(const Ppr4Parameters& p)
{
    Derived d;
    d.half_pi = d.pi / 2.0;
    d.a = p.lambda / (p.c * p.rho);
    d.b = 2.0 * p.alpha / (p.c * p.rho * p.delta);
    d.s = std::sqrt(p.v * p.v / (4.0 * d.a * d.a) + d.b / d.a);
    d.Q = p.q / (2.0 * d.pi * p.lambda * p.delta);
    d.W = p.h1 + p.h2;
    d.D1 = 2.0 * p.h1;
    d.D2 = 2.0 * p.h2;
    return d;
}

thread_local Derived derived = derive(Ppr4Parameters{});

// The thin-plate kernel of a source at the distance `distance`; the Bessel
// form is used up to argument 10 inclusive.
double kernel(const Derived& d, double u, double distance)
{
    if (distance <= d.r_min) distance = d.r_min;
    double w = d.s * distance;
    if (w <= 10) {
        const double k0 = bessel_k0(w);
        return std::exp(-u) * k0;
    }
    return std::exp(-u - w) * std::sqrt(d.half_pi / w);
}

}  // namespace

void ppr4_set_data(SchemeParameters values)
{
    Ppr4Parameters& p = ppr4_parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v = values[4];
    p.delta = values[5];
    p.alpha = values[6];
    p.h1 = values[7];
    p.h2 = values[8];
    p.q = values[9];
}

void ppr4_prepare()
{
    derived = derive(ppr4_parameters);
}

double ppr4_temperature(double x, double y, double /*z*/)
{
    const Derived& d = derived;
    double u = (ppr4_parameters.v / (2.0 * d.a)) * x;
    double S = kernel(d, u, std::sqrt(x * x + y * y));
    double xx = x * x;
    for (int k = 1; k <= image_pass_limit; ++k) {
        double S_prev = S;
        double A = 2.0 * (k - 1) * d.W;
        double B = 2.0 * k * d.W;
        double C1 = A + d.D1;
        double C2 = A + d.D2;
        S = S_prev + kernel(d, u, std::sqrt(xx + (y + C1) * (y + C1)))
            + kernel(d, u, std::sqrt(xx + (C2 - y) * (C2 - y)))
            + kernel(d, u, std::sqrt(xx + (y + B) * (y + B)))
            + kernel(d, u, std::sqrt(xx + (B - y) * (B - y)));
        if (S == 0) break;
        double change = std::fabs(1.0 - S_prev / S);
        if (change <= series_tolerance || std::isnan(change)) break;
    }
    return ppr4_parameters.T0 + d.Q * S;
}

double ppr4_velocity() { return ppr4_parameters.v; }
double ppr4_power() { return ppr4_parameters.q; }
double ppr4_thickness() { return ppr4_parameters.delta; }
double ppr4_initial_temperature() { return ppr4_parameters.T0; }

void ppr4_set_regime(double v, double q, double T0, double thickness)
{
    ppr4_parameters.v = v;
    ppr4_parameters.q = q;
    ppr4_parameters.T0 = T0;
    ppr4_parameters.delta = thickness;
}

void ppr4_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = ppr4_parameters.delta;
}

void ppr4_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 0;
    ymin = -ppr4_parameters.h1;
    ymax = ppr4_parameters.h2;
}
