// Scheme 8: surfacing of a massive body by an electrode that oscillates
// across the weld. The same sweeps as on the plate of scheme 7, each one a
// point source of the half-space integrated along its path; the body loses
// no heat through its surface.
#include <cmath>

#include "numerics.h"
#include "schemes.h"
#include "sweep_sums.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr11State& ppr11 = scheme_state.ppr11;

// This scheme's own π and √π.
const double pi = 3.141593;
const double sqrt_pi = 1.772454;

Ppr11Derived derive(const Ppr11Parameters& p)
{
    Ppr11Derived d;
    d.a = p.lambda / (p.c * p.rho);
    d.t_s = p.A / p.v_y;
    d.dx = p.v_x * d.t_s;
    d.Fo = d.a * d.t_s / (p.A * p.A);
    d.Pe_x = p.v_x * p.A / d.a;
    d.Pe_y = p.v_y * p.A / d.a;
    d.K = p.q / (4.0 * pi * p.lambda * p.A * sqrt_pi);
    return d;
}

using IntegrandState = Ppr11IntegrandState;

// The contribution of sweep k over the dimensionless time [0, b].
double sweep_term(int k, double b)
{
    ppr11.integrand.k = k;
    ppr11.integrand.s = alternating_sign(k);
    int status = 0;
    return ppr11.derived.K * simpson_integrate(ppr11_integrand, 0, b, 20, status);
}

bool usable(const Ppr11Derived& d)
{
    return std::isfinite(d.t_s) && d.t_s > 0 && std::isfinite(d.dx) && d.dx > 0 &&
           std::isfinite(d.Fo) && d.Fo > 0 && std::isfinite(d.Pe_x) && std::isfinite(d.Pe_y) &&
           std::isfinite(d.K);
}

}  // namespace

// The constants of the start values hold until the data dialog is confirmed.
Ppr11State::Ppr11State() : derived(derive(parameters)) {}

void ppr11_set_data(SchemeParameters values)
{
    Ppr11Parameters& p = ppr11.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v_x = values[4];
    p.alpha = values[5];
    p.A = values[6];
    p.v_y = values[7];
    p.q = values[8];
    const double x_p = ppr11.derived.x_p;
    ppr11.derived = derive(p);
    ppr11.derived.x_p = x_p;
}

void ppr11_prepare() {}

double ppr11_integrand(double u)
{
    const Ppr11Derived& d = ppr11.derived;
    const IntegrandState& s = ppr11.integrand;
    double Theta = (s.r - s.k + 1.0) * d.Fo;
    double xi = s.xi0 - (s.k - 1.0) * d.dx / ppr11.parameters.A - d.Pe_x * u;
    double eta = s.eta0 + s.s * d.Pe_y * (d.Fo / 2.0 - u);
    double tau = Theta - u;
    if (tau <= 0) tau = d.Fo / 100.0;
    double E1 = (xi * xi + eta * eta) / (4.0 * tau);
    double E2 = s.zeta0 * s.zeta0 / (4.0 * tau);
    if (E1 > 20) return 0;
    double g = std::exp(-E1) / std::sqrt(std::fabs(tau * tau * tau));
    if (E2 > 20) return 0;
    return g * std::exp(-E2);
}

double ppr11_temperature(double t, double y, double z)
{
    const Ppr11Parameters& p = ppr11.parameters;
    const Ppr11Derived& d = ppr11.derived;
    clear_field_gap();
    // Data that give no sweep (a zero width or speed) have no field; before
    // the electrode started the body is at its initial temperature.
    if (!usable(d) || std::isnan(t)) return field_gap(FieldGap::unusable_data);
    if (t < 0) return p.T0;
    double r = t / d.t_s;
    double r_x = d.x_p / d.dx;
    if (!(r < field_sum_cap) || !(std::fabs(r_x) < field_sum_cap))
        return field_gap(FieldGap::sweep_cap);

    ppr11.integrand.xi0 = d.x_p / p.A;
    ppr11.integrand.eta0 = y / p.A;
    ppr11.integrand.zeta0 = z / p.A;
    const int n = static_cast<int>(r);
    const double f = r - n;
    ppr11.integrand.r = r;
    const double U = f * d.Fo;
    const int nx = static_cast<int>(r_x);

    // The sweep in progress is sweep n + 1: n sweeps are complete, and the
    // source has run the part f of the next one.
    double sum = sweep_term(n + 1, U);

    // The sweeps up to the one that passed the point, most recent first,
    // while they still matter.
    SweepTail before_pass;
    for (int k = n < nx ? n : nx; k >= 1; --k) {
        double term = sweep_term(k, d.Fo);
        sum = sum + term;
        if (before_pass.negligible(term, sum)) break;
    }

    // The sweeps after the pass.
    if (nx < n) {
        SweepTail after_pass;
        for (int k = nx + 1; k <= n; ++k) {
            double term = sweep_term(k, d.Fo);
            sum = sum + term;
            if (after_pass.negligible(term, sum)) break;
        }
    }
    return sum + p.T0;
}

double ppr11_velocity() { return ppr11.parameters.v_x; }
double ppr11_initial_temperature() { return ppr11.parameters.T0; }

// The body has no bottom; the oscillation width is the depth it reports.
void ppr11_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = ppr11.parameters.A;
}

void ppr11_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}

void ppr11_set_oscillation_point(const double* record)
{
    ppr11.derived.x_p = 100.0 * ppr11.derived.dx + record[2];
}

void ppr11_oscillation_limits(int& one_body, double& t_start, double& t_end, double& ymax,
                              double& ymin)
{
    one_body = 1;
    t_start = 0;
    t_end = ppr11.derived.dx;
    ymax = ppr11.parameters.A / 2.0;
    ymin = -ppr11.parameters.A / 2.0;
}
