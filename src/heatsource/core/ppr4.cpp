// Scheme 4: butt welding of two thin plates of one material and thickness but
// of different widths. Plate 1 (h1 wide) lies on y < 0, plate 2 (h2 wide) on
// y > 0; the outer edges are insulated, so the field is the thin-plate kernel
// summed over the source and its images in the two edges.
#include <cmath>

#include "numerics.h"
#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr4State& ppr4 = scheme_state.ppr4;

// The series stops when the passes left, if they went on falling as the
// last one fell from the one before, would add less than this share of the
// sum. A pass that adds little is no end by itself: narrow plates at a low
// speed add nearly as much in each pass for hundreds of passes, and a stop
// at a pass adding 1e-3 of the sum once left out 1.3 % of the rise.
const double series_tolerance = 1e-6;
// Wide plates settle after one pass and narrow ones after a few dozen; the
// cap only ends a series that cannot settle (zero total width, NaN input).
const int image_pass_limit = 100000;

using Derived = Ppr4Derived;

Derived derive(const Ppr4Parameters& p)
{
    Derived d;
    d.a = p.lambda / (p.c * p.rho);
    d.b = 2.0 * p.alpha / (p.c * p.rho * p.delta);
    d.s = std::sqrt(p.v * p.v / (4.0 * d.a * d.a) + d.b / d.a);
    d.Q = p.q / (2.0 * d.pi * p.lambda * p.delta);
    d.W = p.h1 + p.h2;
    d.D1 = 2.0 * p.h1;
    d.D2 = 2.0 * p.h2;
    return d;
}

// The thin-plate kernel of a source at the distance `distance`.
double kernel(const Derived& d, double u, double distance)
{
    if (distance <= d.r_min) distance = d.r_min;
    const double w = d.s * distance;
    return std::exp(-u - w) * bessel_k0_scaled(w);
}

}  // namespace

Ppr4State::Ppr4State() : derived(derive(parameters)) {}

void ppr4_set_data(SchemeParameters values)
{
    Ppr4Parameters& p = ppr4.parameters;
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
    ppr4.derived = derive(ppr4.parameters);
}

double ppr4_temperature(double x, double y, double /*z*/)
{
    const Derived& d = ppr4.derived;
    double u = (ppr4.parameters.v / (2.0 * d.a)) * x;
    double S = kernel(d, u, std::sqrt(x * x + y * y));
    double xx = x * x;
    double added_before = 0;
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
        const double added = S - S_prev;
        if (!(S > 0)) break;   // nothing to add to, or not a number
        if (k > 1 && added < added_before) {
            const double ratio = added / added_before;
            if (added * ratio / (1.0 - ratio) <= series_tolerance * S) break;
        }
        added_before = added;
    }
    return ppr4.parameters.T0 + d.Q * S;
}

double ppr4_velocity() { return ppr4.parameters.v; }
double ppr4_power() { return ppr4.parameters.q; }
double ppr4_thickness() { return ppr4.parameters.delta; }
double ppr4_initial_temperature() { return ppr4.parameters.T0; }

void ppr4_set_regime(double v, double q, double T0, double thickness)
{
    ppr4.parameters.v = v;
    ppr4.parameters.q = q;
    ppr4.parameters.T0 = T0;
    ppr4.parameters.delta = thickness;
}

void ppr4_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = ppr4.parameters.delta;
}

void ppr4_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 0;
    ymin = -ppr4.parameters.h1;
    ymax = ppr4.parameters.h2;
}
