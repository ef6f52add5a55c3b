// Scheme 7: surfacing of a plate by an electrode that oscillates across the
// weld. The field at a fixed point is a sum over the sweeps of the electrode;
// each sweep is a time integral along its path of a line source through the
// thickness, times the depth factor of the plate, which loses heat through
// its faces: the sum of its eigenfunctions of the thickness direction.
#include <cmath>

#include "numerics.h"
#include "schemes.h"
#include "sweep_sums.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr10State& ppr10 = scheme_state.ppr10;

const double pi = 3.141592;   // this scheme's own π

Ppr10Derived derive(const Ppr10Parameters& p)
{
    Ppr10Derived d;
    d.a = p.lambda / (p.c * p.rho);
    d.t_s = p.A / p.v_y;
    d.dx = p.v_x * d.t_s;
    d.Fo = d.a * d.t_s / (p.delta * p.delta);
    d.Pe_x = p.v_x * p.delta / d.a;
    d.Pe_y = p.v_y * p.delta / d.a;
    d.Bi = p.alpha * p.delta / p.lambda;
    d.K = p.q / (2.0 * pi * p.lambda * p.delta);
    return d;
}

// The window may run before the data dialog was ever confirmed: the
// constants of the start values hold until then.
Ppr10Derived initial_state()
{
    return derive(Ppr10Parameters{});
}

using IntegrandState = Ppr10IntegrandState;

// Below this dimensionless time the heat of an emission has not reached the
// lower face: the two nearest images give the depth factor to 1e-10 of it
// (the next lie 2 thicknesses farther, e^-100 and less), where the modes
// would need dozens of terms.
const double image_time = 0.01;

// Beyond this many modes the depth factor is not a sum (a time that is NaN
// or a Biot number that makes the roots wander).
const std::size_t mode_limit = 10000;

// The depth factor Σ w_m·cos(μ_m·ζ)·exp(-μ_m²·τ) of an emission τ ago at
// the depth ζ (in thicknesses): the thickness modes summed until a term
// falls below 1e-12 of the sum (from there on each term is below the one
// before by more than e^(-π²·τ·(2m + 1)), so the rest is below 1e-11), or
// at short times the source and its image in the lower face.
double depth_factor(double Bi, double zeta, double tau)
{
    if (tau < image_time) {
        const double below = 2.0 - zeta;
        return (std::exp(-zeta * zeta / (4.0 * tau)) + std::exp(-below * below / (4.0 * tau))) /
               (2.0 * std::sqrt(3.14159265358979 * tau));
    }
    double sum = 0;
    for (std::size_t m = 0; m < mode_limit; ++m) {
        const Ppr10Mode& mode = ppr10.modes.at(Bi, m);
        const double decay = std::exp(-mode.mu * mode.mu * tau);
        sum += mode.w * std::cos(mode.mu * zeta) * decay;
        if (mode.w * decay < 1e-12 * std::fabs(sum)) break;
    }
    return sum;
}

// The heat of sweep k over the dimensionless time [0, b], all thickness
// modes together: one time integral of the in-plane kernel times the depth
// factor.
double sweep_heat(int k, double b)
{
    ppr10.integrand.k = k;
    ppr10.integrand.s = alternating_sign(k);
    int status = 0;
    const double I = simpson_integrate(ppr10_integrand, 0, b, 20, status);
    return ppr10.derived.K * I;
}

bool usable(const Ppr10Derived& d)
{
    return std::isfinite(d.t_s) && d.t_s > 0 && std::isfinite(d.dx) && d.dx > 0 &&
           std::isfinite(d.Fo) && d.Fo > 0 && std::isfinite(d.Pe_x) && std::isfinite(d.Pe_y) &&
           std::isfinite(d.Bi) && std::isfinite(d.K);
}

}  // namespace

Ppr10State::Ppr10State() : derived(initial_state()) {}

const Ppr10Mode& Ppr10ThicknessModes::at(double Bi, std::size_t m)
{
    if (!(Bi == Bi_)) {
        Bi_ = Bi;
        modes_.clear();
    }
    while (modes_.size() <= m) {
        Ppr10Mode mode;
        mode.mu = ppr3_eigenvalue(Bi, static_cast<double>(modes_.size()) + 1.0);
        // A plate that loses no heat (α = 0) has the root 0 first, where the
        // weight is 0/0; its limit is 0.5.
        mode.w = mode.mu == 0 ? 0.5 : mode.mu / (0.5 * std::sin(2.0 * mode.mu) + mode.mu);
        modes_.push_back(mode);
    }
    return modes_[m];
}

double alternating_sign(int n)
{
    return n % 2 == 1 ? -1.0 : 1.0;
}

void ppr10_set_data(SchemeParameters values)
{
    Ppr10Parameters& p = ppr10.parameters;
    p.lambda = values[0];
    p.c = values[1];
    p.rho = values[2];
    p.T0 = values[3];
    p.v_x = values[4];
    p.delta = values[5];
    p.alpha = values[6];
    p.A = values[7];
    p.v_y = values[8];
    p.q = values[9];
    const double x_p = ppr10.derived.x_p;
    ppr10.derived = derive(p);
    ppr10.derived.x_p = x_p;
}

void ppr10_prepare() {}

double ppr10_integrand(double u)
{
    const Ppr10Derived& d = ppr10.derived;
    const IntegrandState& s = ppr10.integrand;
    double Theta = (s.r - s.k + 1.0) * d.Fo;
    double xi = s.xi0 - (s.k - 1.0) * d.dx / ppr10.parameters.delta - d.Pe_x * u;
    double eta = s.eta0 + s.s * d.Pe_y * (d.Fo / 2.0 - u);
    double tau = Theta - u;
    double E = (xi * xi + eta * eta) / (4.0 * tau);
    // At the end of the current sweep on the source's own path E is 0/0;
    // the source contributes nothing there, as it does where E > 100.
    if (!(E <= 100)) return 0;
    if (tau <= 0) tau = d.Fo / 100.0;
    return std::exp(-E) / tau * depth_factor(d.Bi, s.zeta, tau);
}

double ppr10_temperature(double t, double y, double z)
{
    const Ppr10Parameters& p = ppr10.parameters;
    const Ppr10Derived& d = ppr10.derived;
    clear_field_gap();
    // Data that give no sweep (a zero width or speed, a zero thickness) have
    // no field; before the electrode started the plate is at its initial
    // temperature.
    if (!usable(d) || std::isnan(t)) return field_gap(FieldGap::unusable_data);
    if (t < 0) return p.T0;
    double r = t / d.t_s;
    double r_x = d.x_p / d.dx;
    if (!(r < field_sum_cap) || !(std::fabs(r_x) < field_sum_cap))
        return field_gap(FieldGap::sweep_cap);

    ppr10.integrand.xi0 = d.x_p / p.delta;
    ppr10.integrand.eta0 = y / p.delta;
    ppr10.integrand.zeta = z / p.delta;
    const int n = static_cast<int>(r);
    const double f = r - n;
    ppr10.integrand.r = r;
    const double U = f * d.Fo;
    const int nx = static_cast<int>(r_x);

    double sum = 0;
    // The sweep in progress is sweep n + 1: n sweeps are complete, and the
    // source has run the part f of the next one.
    sum += sweep_heat(n + 1, U);

    // The sweeps up to the one that passed the point's x, most recent first,
    // while they still matter.
    SweepTail before_pass;
    for (int k = n < nx ? n : nx; k >= 1; --k) {
        const double sweep = sweep_heat(k, d.Fo);
        sum += sweep;
        if (before_pass.negligible(sweep, sum)) break;
    }

    // The sweeps after the pass.
    if (nx < n) {
        SweepTail after_pass;
        for (int k = nx + 1; k <= n; ++k) {
            const double sweep = sweep_heat(k, d.Fo);
            sum += sweep;
            if (after_pass.negligible(sweep, sum)) break;
        }
    }
    if (sum < 0) sum = 0;
    return sum + p.T0;
}

double ppr10_velocity() { return ppr10.parameters.v_x; }
double ppr10_initial_temperature() { return ppr10.parameters.T0; }

void ppr10_depth_range(double /*y*/, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = ppr10.parameters.delta;
}

void ppr10_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 1;
    ymin = -100;
    ymax = 100;
}

// The point lies x cm ahead of where the source is after a hundred sweeps
// (and a hair more, so that the sweep count of the point is 100 whatever
// the rounding of the product).
void ppr10_set_oscillation_point(const double* record)
{
    ppr10.derived.x_p = 100.00001 * ppr10.derived.dx + record[2];
}

void ppr10_oscillation_limits(int& one_body, double& t_start, double& t_end, double& ymax,
                              double& ymin)
{
    one_body = 1;
    t_start = 0;
    t_end = ppr10.derived.dx;
    ymax = ppr10.parameters.A / 2.0;
    ymin = -ppr10.parameters.A / 2.0;
}
