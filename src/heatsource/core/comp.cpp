// Scheme 14: welding of composite plates. A fast line source leaves the
// energy q/v per unit length through the thickness; the two phases of the
// composite then carry heat sideways at their own rates and exchange it with
// each other. The temperature is the mean of the two phase temperatures
// weighted by their heat capacities, from a cosine transform over the
// lateral wavenumber.
#include <cmath>

#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local CompState& comp = scheme_state.comp;

// Whether the plate behaves as one material. The two-phase transforms
// divide by the heat capacity of each phase and, through the coupling
// factor, by the difference of the phases' diffusivities: a share of 0
// leaves one phase, and equal diffusivities (equal phases among them) let
// the two phase temperatures move as one. Their mean is then the transform
// of one material with the effective conductivity and the mean capacity,
// the limit the two-phase transform reaches as the data come near these
// cases.
bool single_material(const CompConstants& k)
{
    return k.C1 == 0 || k.C2 == 0 || !std::isfinite(k.A) || !std::isfinite(k.h);
}

bool usable(const CompConstants& k)
{
    if (!(std::isfinite(k.lambda_e) && k.lambda_e > 0 && std::isfinite(k.C) && k.C > 0 &&
          std::isfinite(k.S0)))
        return false;
    if (single_material(k)) return true;
    for (double v : {k.lambda_m, k.H, k.C1, k.C2, k.A, k.h})
        if (!std::isfinite(v)) return false;
    return true;
}

CompConstants constants_of(const CompParameters& p)
{
    CompConstants k;
    k.lambda_m = p.p1 * p.lambda1 + p.p2 * p.lambda2;
    double d_lambda = p.lambda1 - p.lambda2;
    k.lambda_e = k.lambda_m - p.p1 * p.p2 * d_lambda * d_lambda /
                                  (2.0 * k.lambda_m + (p.p2 - p.p1) * d_lambda);
    k.H = 5.6 * p.p1 * p.p2 * 4225.0 * p.lambda1 * p.lambda2 / k.lambda_m;   // 65² = 4225
    k.C1 = p.p1 * p.c1 * p.rho1;
    k.C2 = p.p2 * p.c2 * p.rho2;
    k.C = k.C1 + k.C2;
    k.A = p.lambda2 * (k.C * p.lambda1 - k.lambda_e * p.c1 * p.rho1) /
          ((p.c2 * p.rho2 * p.lambda1 - p.c1 * p.rho1 * p.lambda2) * k.C);
    k.h = k.H * k.C / (k.C1 * k.C2);
    k.S0 = 0.3183098 * p.q / (k.C * p.delta * p.v);   // 0.3183098 for 1/π
    return k;
}

}  // namespace

CompState::CompState() : constants(constants_of(parameters)) {}

CompConstants comp_constants()
{
    return constants_of(comp.parameters);
}

void comp_set_data(SchemeParameters values)
{
    CompParameters& p = comp.parameters;
    p.lambda1 = values[0];
    p.lambda2 = values[1];
    p.c1 = values[2];
    p.c2 = values[3];
    p.rho1 = values[4];
    p.rho2 = values[5];
    p.p1 = values[6];
    p.p2 = values[7];
    p.T0 = values[8];
    p.v = values[9];
    p.delta = values[10];
    p.q = values[11];
    comp.constants = comp_constants();
}

void comp_prepare() {}

void comp_mode_coefficients(double k, double /*y*/, double t, double& theta1, double& theta2)
{
    const CompConstants& c = comp.constants;
    double g = c.lambda_e * k * k / c.C;
    if (single_material(c)) {
        theta1 = theta2 = c.S0 * std::exp(-g * t);
        return;
    }
    double spread = std::fabs(g - c.h);
    double r1 = (spread - (g + c.h)) / 2.0;
    double r2 = -((g + c.h) + spread) / 2.0;
    double Ak2 = c.A * k * k;
    double a1 = (c.C * Ak2 + r2 * c.C2) / spread;
    double b1 = c.C2 * Ak2 + c.H + r1 * c.C2;
    double a2 = (c.C * Ak2 + r1 * c.C2) / spread;
    double b2 = c.C2 * Ak2 + c.H + r2 * c.C2;
    double e1 = std::exp(r1 * t);
    double e2 = std::exp(r2 * t);
    theta1 = -c.S0 / (c.C2 * (c.H - c.A * c.C1 * k * k)) * (a1 * b1 * e1 - a2 * b2 * e2);
    theta2 = -(c.S0 / c.C2) * (a1 * e1 - a2 * e2);
}

double comp_temperature(double t, double y, double /*z*/)
{
    const CompParameters& p = comp.parameters;
    clear_field_gap();
    // Before the source has passed the section is at the initial
    // temperature; the transforms' exponentials would overflow there. (A
    // time a hair below zero, as accumulated steps give, is the passage.)
    if (std::isnan(t) || std::isnan(y)) return field_gap(FieldGap::unusable_data);
    if (t < -1e-6) return p.T0;
    // On the weld line at the moment of passage the transform has no value;
    // the point is moved off it. The field is even in y, so a point on the
    // other side of the weld is judged by its distance, not moved onto the
    // line.
    if (std::fabs(y) < 1e-6 && t < 1e-6) {
        y = 1e-6;
        t = 1e-6;
    }
    comp.constants = comp_constants();
    // Data that give no field (no capacity at all, no thickness or speed).
    if (!usable(comp.constants)) return field_gap(FieldGap::unusable_data);

    const CompConstants& c = comp.constants;
    // At the passage the heat lies on the weld line alone.
    if (t <= 0) return p.T0;
    // The transform falls with the wavenumber as exp(-λe·k²·t/C): it is
    // summed by Simpson's rule out to where that is e^-36 of its value at 0
    // (never short of 10 /cm), in steps of 0.01 /cm or finer, so that a point
    // far aside keeps at least 30 steps in each turn of its cosine. So short
    // a time after the passage that the range would reach 5000 /cm leaves
    // the heat within a hair of the weld line: hotter there than any sum can
    // tell, and the initial temperature beyond (below e^-36 of its height).
    const double reach = std::max(10.0, std::sqrt(36.0 * c.C / (c.lambda_e * t)));
    if (!(reach <= 5000)) return y * y * c.C / (4.0 * c.lambda_e * t) < 36.0 ? HUGE_VAL : p.T0;
    const double finest = std::fabs(y) > 0 ? std::min(0.01, 0.2 / std::fabs(y)) : 0.01;
    const int steps = 2 * static_cast<int>(std::ceil(0.5 * reach / finest));
    const double dk = reach / steps;
    double theta1 = 0, theta2 = 0;
    comp_mode_coefficients(0, y, t, theta1, theta2);
    double Z1 = theta1;
    double Z2 = theta2;
    for (int j = 1; j <= steps; ++j) {
        const double k = j * dk;
        const double w = j == steps ? 1.0 : j % 2 == 1 ? 4.0 : 2.0;
        comp_mode_coefficients(k, y, t, theta1, theta2);
        // A wavenumber on which one of the transforms' divisors vanishes has
        // no finite transform; it is left out of the sum.
        if (!std::isfinite(theta1) || !std::isfinite(theta2)) continue;
        const double ck = std::cos(k * y);
        Z1 = Z1 + w * theta1 * ck;
        Z2 = Z2 + w * theta2 * ck;
    }
    Z1 *= dk / 3.0;
    Z2 *= dk / 3.0;
    return p.T0 + (c.C1 * Z1 + c.C2 * Z2) / c.C;
}

double comp_velocity() { return comp.parameters.v; }
double comp_initial_temperature() { return comp.parameters.T0; }

void comp_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = comp.parameters.delta;
}

void comp_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}
