// Scheme 5: butt welding of two plates of different materials and
// thicknesses joined along y = 0. Plate 1 (y <= 0) sets the scales of the
// solution; plate 2 lies on y > 0. The field is a wavenumber integral.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "schemes.h"
#include "simpson.h"

thread_local Ppr5Parameters ppr5_parameters;

namespace {

// What ppr5_prepare derives from the block.
struct Derived {
    double a1 = 0;        // diffusivity of plate 1, the scale of ξ and η
    double m = 1;         // a1 / a2
    double L = 1;         // λ2·δ2 / (λ1·δ1)
    double b = 0;         // 2·α·λ1 / (v·c1·ρ1)²
    double K = 0;         // q / (π·λ1·δ1)
    double at_zero = 0;   // the integrand at w = 0
};

Derived derive(const Ppr5Parameters& p)
{
    Derived d;
    d.a1 = p.lambda1 / (p.c1 * p.rho1);
    double a2 = p.lambda2 / (p.c2 * p.rho2);
    d.m = d.a1 / a2;
    d.L = p.lambda2 * p.delta2 / (p.lambda1 * p.delta1);
    double vcr = p.v * p.c1 * p.rho1;
    d.b = 2.0 * p.alpha * p.lambda1 / (vcr * vcr);
    d.K = p.q / (3.141592 * p.lambda1 * p.delta1);   // this scheme's own π
    // The integrand's limit at w -> 0: with surface loss w·D1 vanishes there;
    // without it the joint's factor D1 grows as 1/(√2·w·(1 + L·m^(1/4))).
    // Any other value at the end point is a step that the Simpson passes of
    // the first window can only halve, pass after pass, to the tenth.
    d.at_zero = d.b > 0 ? 0 : 2.0 * d.K / (std::sqrt(2.0) * (1.0 + d.L * std::sqrt(std::sqrt(d.m))));
    return d;
}

thread_local Derived derived = derive(Ppr5Parameters{});

// The point of the last ppr5_temperature call, for the integrand.
struct FieldPoint {
    int side = 0;         // 0: plate 1 (y <= 0), 1: plate 2
    double m_side = 1;    // the side factors: (m, L) on plate 2, (1, 1) on plate 1
    double L_side = 1;
    double xi = 0;        // x·v / a1
    double eta = 0;       // |y|·v / a1
};

thread_local FieldPoint point;

// What the integrand holds at a wavenumber w whatever the point: the joint's
// two factors and the two roots of the point's side.
struct NodeFactors {
    double D1 = 0, D2 = 0;
    double root_plus = 0;    // √(A3 + s3): the decay across the plate
    double root_minus = 0;   // √(s3 − A3): the phase across the plate
};

NodeFactors node_factors(double w, const Derived& d, double m_side, double L_side)
{
    NodeFactors f;
    double W = w * w * w * w;
    double A1 = (d.b + W) / 2.0;
    double s1 = 0.5 * std::sqrt((W + d.b) * (W + d.b) + W);
    double A2 = (d.b * d.L + W) / 2.0;
    double s2 = 0.5 * std::sqrt((d.b * d.L + W) * (d.b * d.L + W) + W * d.m);
    double P = std::sqrt(s1 + A1) + d.L * std::sqrt(s2 + A2);
    double Q = std::sqrt(s1 - A1) + d.L * std::sqrt(s2 - A2);
    f.D1 = P / (P * P + Q * Q);
    f.D2 = f.D1 * Q / P;
    double A3 = (d.b * L_side + W) / 2.0;
    double s3 = 0.5 * std::sqrt((d.b * L_side + W) * (d.b * L_side + W) + W * m_side);
    f.root_plus = std::sqrt(A3 + s3);
    f.root_minus = std::sqrt(s3 - A3);
    return f;
}

double integrand(double w, const NodeFactors& f, const Derived& d, const FieldPoint& pt)
{
    double E = std::exp(-pt.eta * f.root_plus);
    double phi = pt.xi * w * w + pt.eta * f.root_minus;
    return 2.0 * w * d.K * E * (f.D1 * std::cos(phi) - f.D2 * std::sin(phi));
}

// The wavenumber integral runs over windows of 0.5 in w, each summed by
// Simpson passes that always evaluate the same points; the point-free
// factors there are kept for every (side, window, pass, index) seen since
// the block's m, L and b last changed. The thermal cycle, the isotherms and
// every crossing search evaluate the field at hundreds of points through the
// same nodes, so most evaluations find their factors here.
constexpr int window_limit = 100;
constexpr int pass_limit = 10;
constexpr std::size_t first_pass_intervals = 20;

struct NodeEntry {
    NodeFactors f;
    bool known = false;
};

class NodeCache {
public:
    // Forgets every entry when the constants that the factors hold change.
    void keep_for(const Derived& d)
    {
        if (d.m == m_ && d.L == L_ && d.b == b_) return;
        m_ = d.m;
        L_ = d.L;
        b_ = d.b;
        for (auto& levels : windows_)
            for (auto& level : levels) level.clear();
    }

    const NodeFactors& at(double w, int window, int pass, int i, const Derived& d, const FieldPoint& pt)
    {
        auto& levels = windows_[static_cast<std::size_t>(pt.side * window_limit + window)];
        std::vector<NodeEntry>& level = levels[static_cast<std::size_t>(pass - 1)];
        // Pass 1 evaluates points 0..n, each later pass the odd ones.
        const std::size_t slot = static_cast<std::size_t>(pass == 1 ? i : i / 2);
        // A pass evaluates every one of its points, so its level is made
        // whole at its first point (n + 1 of them in pass 1, n / 2 later).
        if (slot >= level.size())
            level.resize(std::max(slot + 1, pass == 1 ? first_pass_intervals + 1
                                                      : first_pass_intervals << (pass - 2)));
        NodeEntry& e = level[slot];
        if (!e.known) {
            e.f = node_factors(w, d, pt.m_side, pt.L_side);
            e.known = true;
        }
        return e.f;
    }

private:
    // m, L and b of the entries; NaN matches nothing, so the first call fills.
    double m_ = std::nan(""), L_ = std::nan(""), b_ = std::nan("");
    // [side · window_limit + window][pass - 1][slot]
    std::vector<std::array<std::vector<NodeEntry>, pass_limit>> windows_ =
        std::vector<std::array<std::vector<NodeEntry>, pass_limit>>(2 * window_limit);
};

thread_local NodeCache node_cache;

}  // namespace

void ppr5_set_data(SchemeParameters values)
{
    Ppr5Parameters& p = ppr5_parameters;
    p.lambda1 = values[0];
    p.lambda2 = values[1];
    p.c1 = values[2];
    p.c2 = values[3];
    p.rho1 = values[4];
    p.rho2 = values[5];
    p.T0 = values[6];
    p.v = values[7];
    p.delta1 = std::fabs(values[8]);
    p.delta2 = std::fabs(values[9]);
    p.alpha = values[10];
    p.q = values[11];
}

void ppr5_prepare()
{
    derived = derive(ppr5_parameters);
}

double ppr5_integrand(double w)
{
    if (w == 0) return derived.at_zero;
    return integrand(w, node_factors(w, derived, point.m_side, point.L_side), derived, point);
}

double ppr5_temperature(double x, double y, double /*z*/)
{
    const Ppr5Parameters& p = ppr5_parameters;
    const Derived& d = derived;
    // A point on the weld line is taken 0.1 cm into the plate of its side.
    if (std::fabs(y) < 0.1) y = y < 0 ? -0.1 : 0.1;
    FieldPoint& pt = point;
    pt.side = y > 0 ? 1 : 0;
    pt.m_side = y > 0 ? d.m : 1.0;
    pt.L_side = y > 0 ? d.L : 1.0;
    pt.xi = x * p.v / d.a1;
    pt.eta = std::fabs(y) * p.v / d.a1;

    NodeCache& cache = node_cache;
    cache.keep_for(d);
    double sum = 0;
    double from = 0;
    for (int window = 0; window < window_limit; ++window) {
        double to = from + 0.5;
        int status = 0;
        auto f = [&](double w, int pass, int i) {
            if (w == 0) return d.at_zero;
            return integrand(w, cache.at(w, window, pass, i, d, pt), d, pt);
        };
        double S = simpson_sum(f, from, to, static_cast<int>(first_pass_intervals), status);
        from = to;
        sum = sum + S;
        if (sum == 0 || std::fabs(S / sum) < 0.01) break;
    }
    return p.T0 + sum;
}

double ppr5_velocity() { return ppr5_parameters.v; }
double ppr5_power() { return ppr5_parameters.q; }
double ppr5_thickness() { return ppr5_parameters.delta1; }
double ppr5_initial_temperature() { return ppr5_parameters.T0; }

void ppr5_set_regime(double v, double q, double T0, double thickness)
{
    ppr5_parameters.v = v;
    ppr5_parameters.q = q;
    ppr5_parameters.T0 = T0;
    ppr5_parameters.delta1 = thickness;
}

// Plate 2 lies on y > 0, as in the temperature field and the windows' labels.
void ppr5_depth_range(double y, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = y > 0 ? ppr5_parameters.delta2 : ppr5_parameters.delta1;
}

void ppr5_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 0;
    ymin = -100;
    ymax = 100;
}
