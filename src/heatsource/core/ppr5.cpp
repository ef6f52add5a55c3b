// Scheme 5: butt welding of two plates of different materials and
// thicknesses joined along y = 0. Plate 1 (y <= 0) sets the scales of the
// solution; plate 2 lies on y > 0. The field is a wavenumber integral.
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <vector>

#include "schemes.h"

namespace {

// This thread's record of the scheme in scheme_state. The module reaches it
// through a reference of its own, which costs what a variable of the module
// costs, where each use of scheme_state itself (defined in another file)
// would be a call.
thread_local Ppr5State& ppr5 = scheme_state.ppr5;

using Derived = Ppr5Derived;

Derived derive(const Ppr5Parameters& p)
{
    Derived d;
    d.a1 = p.lambda1 / (p.c1 * p.rho1);
    double a2 = p.lambda2 / (p.c2 * p.rho2);
    d.m = d.a1 / a2;
    d.L = p.lambda2 * p.delta2 / (p.lambda1 * p.delta1);
    double vcr = p.v * p.c1 * p.rho1;
    // The faces of plate 1 lose 2α/(c1·ρ1·δ1) of its heat per second; in the
    // units of the solution (time a1/v²) that is b. Plate 2 loses b/L in the
    // same units.
    d.b = 2.0 * p.alpha * p.lambda1 / (vcr * vcr * p.delta1);
    d.K = p.q / (3.141592 * p.lambda1 * p.delta1);   // this scheme's own π
    // The integrand's limit at w -> 0: with surface loss w·D1 vanishes there;
    // without it the joint's factor D1 grows as 1/(√2·w·(1 + L·√m)).
    // Any other value at the end point is a step that the Simpson passes of
    // the first window can only halve, pass after pass, to the tenth.
    d.at_zero = d.b > 0 ? 0 : 2.0 * d.K / (std::sqrt(2.0) * (1.0 + d.L * std::sqrt(d.m)));
    return d;
}

using FieldPoint = Ppr5FieldPoint;

using NodeFactors = Ppr5NodeFactors;

// With u = w² the wavenumber along x in the units v/a1, plate i carries
// e^{iux}·e^{-κ_i·|y|}, κ_i the root of u² + b_i + i·u·m_i (m_1 = 1,
// m_2 = a1/a2 = m; b_1 = b, b_2 = b/L: each plate's own diffusivity and face
// loss), and the joint, where both plates meet at one temperature, takes the
// power q on the conductances λ1δ1·κ1 + λ2δ2·κ2, that is on κ1 + L·κ2.
// A root √(X + iY) has the parts √((|z| + X)/2) and √((|z| − X)/2).
NodeFactors node_factors(double w, const Derived& d, double m_side, double loss_side)
{
    NodeFactors f;
    double u = w * w;
    double W = u * u;
    double A1 = (d.b + W) / 2.0;
    double s1 = 0.5 * std::sqrt((W + d.b) * (W + d.b) + W);
    double b2 = d.b / d.L;
    double A2 = (b2 + W) / 2.0;
    double s2 = 0.5 * std::sqrt((b2 + W) * (b2 + W) + W * d.m * d.m);
    double P = std::sqrt(s1 + A1) + d.L * std::sqrt(s2 + A2);
    double Q = std::sqrt(s1 - A1) + d.L * std::sqrt(s2 - A2);
    f.D1 = P / (P * P + Q * Q);
    f.D2 = f.D1 * Q / P;
    double b3 = d.b * loss_side;
    double A3 = (b3 + W) / 2.0;
    double s3 = 0.5 * std::sqrt((b3 + W) * (b3 + W) + W * m_side * m_side);
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

// ---- The wavenumber integral
//
// The field sums the integrand over windows of 0.5 in w until what the
// windows left can add is below 1e-4 of the sum. Within a window the phase ξ·w² turns ever faster
// behind the source: 40 to 80 cm behind it, a window holds hundreds of
// turns, which no fixed step follows cheaply. With u = w² that phase is
// linear:
//     ∫ 2w·K·E·(D1·cos φ − D2·sin φ) dw = Re ∫ K·G(u)·e^{iξu} du,
//     G = E·(D1 + i·D2)·e^{iη·root_minus}, at w = √u,
// and G changes slowly whatever ξ. So each window is cut into panels in u
// (two for the second window, one for each later window). On a panel of
// half-width h the phase turns ξ·h: below 8 radians the panel is summed by
// 12-point Gauss–Legendre, above by Filon's rule (G through the same 12
// nodes, the polynomial times e^{iξu} integrated exactly), whose cost does
// not grow with ξ. The field so summed stays within 1e-6 of the temperature
// rise of a brute-force sum of the same windows, near the source and far
// from it, with and without surface loss.
//
// Near u = 0, G grows as 1/√u (and with surface loss changes on the scale
// b of u), so the first window is cut into panels that halve towards 0,
// [u/2, u], down to a part [0, w_low] over which the phase turns little and
// the surface loss no longer shapes the factors; that part is summed in w,
// where the integrand is smooth, by 16-point Gauss–Legendre.
//
// The point-free factors at the nodes of every panel seen are kept, per
// side, since the block's m, L and b last changed: the thermal cycle, the
// isotherms and every crossing search evaluate the field at hundreds of
// points through the same nodes.
constexpr int window_limit = 100;
constexpr double window_tolerance = 1e-4;   // of the sum, for what the windows not summed can add
constexpr int panel_nodes = 12;
constexpr int low_nodes = 16;
constexpr double filon_from = 8;    // radians of ξ·h from which a panel is summed by Filon's rule
constexpr double low_phase = 8;     // at most ξ·w_low² radians of phase over [0, w_low]
constexpr int level_limit = 60;     // halvings of the first window's panels

template <int n>
struct GaussRule {
    std::array<double, n> t{};        // nodes on [-1, 1]
    std::array<double, n> weight{};
};

template <int n>
GaussRule<n> gauss_legendre()
{
    GaussRule<n> rule;
    for (int i = 0; i < n; ++i) {
        // Newton's method on P_n from the usual first guess, in long double.
        long double x = std::cos(3.14159265358979323846L * (i + 0.75L) / (n + 0.5L));
        long double derivative = 1;
        for (int step = 0; step < 100; ++step) {
            long double p0 = 1, p1 = x;
            for (int k = 2; k <= n; ++k) {
                const long double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1);
            const long double dx = p1 / derivative;
            x -= dx;
            if (std::fabs(dx) < 1e-19L) break;
        }
        rule.t[static_cast<std::size_t>(i)] = static_cast<double>(x);
        rule.weight[static_cast<std::size_t>(i)] = static_cast<double>(2 / ((1 - x * x) * derivative * derivative));
    }
    return rule;
}

const GaussRule<panel_nodes> panel_rule = gauss_legendre<panel_nodes>();
const GaussRule<low_nodes> low_rule = gauss_legendre<low_nodes>();

using Matrix = std::array<std::array<double, panel_nodes>, panel_nodes>;

// The inverse of the Vandermonde matrix of the panel nodes: row k gives the
// coefficient of t^k of the polynomial through values at the nodes.
Matrix monomials_of_values()
{
    constexpr int n = panel_nodes;
    std::array<std::array<long double, 2 * n>, n> a{};
    for (int j = 0; j < n; ++j) {
        long double power = 1;
        for (int k = 0; k < n; ++k) {
            a[j][k] = power;
            power *= panel_rule.t[static_cast<std::size_t>(j)];
        }
        a[j][n + j] = 1;
    }
    for (int c = 0; c < n; ++c) {   // Gauss–Jordan with partial pivoting
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        std::swap(a[c], a[pivot]);
        const long double diagonal = a[c][c];
        for (long double& e : a[c]) e /= diagonal;
        for (int r = 0; r < n; ++r) {
            if (r == c) continue;
            const long double f = a[r][c];
            for (int k = 0; k < 2 * n; ++k) a[r][k] -= f * a[c][k];
        }
    }
    Matrix m{};
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < n; ++j) m[k][j] = static_cast<double>(a[k][n + j]);
    return m;
}

const Matrix monomials = monomials_of_values();

// The panels whose node factors are kept, by key: the first window's panel
// [u/2, u] with u = 0.25·2^-j (key j), its part next to 0 [0, √(0.25·2^-J)]
// in w (key level_limit + J), and the panels of the later windows.
constexpr int low_key_base = level_limit;
constexpr int window_key_base = 2 * level_limit + 1;
constexpr int key_limit = window_key_base + 2 * window_limit;

double level_top(int level) { return std::ldexp(0.25, -level); }

struct Panel {
    double from = 0, to = 0;   // in u, or in w for the part next to 0
    bool in_w = false;
};

Panel panel_of(int key)
{
    if (key < low_key_base) return {level_top(key + 1), level_top(key), false};
    if (key < window_key_base) return {0, std::sqrt(level_top(key - low_key_base)), true};
    const int window = (key - window_key_base) / 2 + 1;
    const double from = 0.5 * window, to = from + 0.5;
    if (window > 1) return {from * from, to * to, false};
    return (key - window_key_base) % 2 == 0 ? Panel{0.25, 0.5, false} : Panel{0.5, 1.0, false};
}

using NodeCache = Ppr5NodeCache;

// ∫ of K·E·(D1·cos φ − D2·sin φ) over the panel [from, to] in u, φ = ξ·u +
// η·root_minus.
double panel_sum(const Panel& p, const NodeFactors* f, const Derived& d, const FieldPoint& pt)
{
    const double c = 0.5 * (p.from + p.to), h = 0.5 * (p.to - p.from);
    const double omega = pt.xi * h;
    if (std::fabs(omega) < filon_from) {
        double s = 0;
        for (std::size_t j = 0; j < panel_nodes; ++j) {
            const double E = std::exp(-pt.eta * f[j].root_plus);
            const double phi = pt.xi * (c + h * panel_rule.t[j]) + pt.eta * f[j].root_minus;
            s += panel_rule.weight[j] * E * (f[j].D1 * std::cos(phi) - f[j].D2 * std::sin(phi));
        }
        return d.K * h * s;
    }
    // Filon: G at the nodes, the coefficients of the polynomial through them
    // in t = (u − c)/h, and the moments ∫ t^k·e^{iωt} dt over [-1, 1], by
    // parts from k = 0 up (stable while k < |ω|).
    using complex = std::complex<double>;
    std::array<complex, panel_nodes> G;
    for (std::size_t j = 0; j < panel_nodes; ++j) {
        const double E = std::exp(-pt.eta * f[j].root_plus);
        G[j] = E * complex(f[j].D1, f[j].D2) * std::polar(1.0, pt.eta * f[j].root_minus);
    }
    const complex i_omega(0, omega);
    const complex e_plus = std::polar(1.0, omega), e_minus = std::conj(e_plus);
    complex moment = 2 * std::sin(omega) / omega;
    complex s = 0;
    for (std::size_t k = 0; k < panel_nodes; ++k) {
        if (k > 0) moment = (e_plus - (k % 2 ? -e_minus : e_minus)) / i_omega - static_cast<double>(k) / i_omega * moment;
        complex coefficient = 0;
        for (std::size_t j = 0; j < panel_nodes; ++j) coefficient += monomials[k][j] * G[j];
        s += coefficient * moment;
    }
    return d.K * h * (std::polar(1.0, pt.xi * c) * s).real();
}

// The first window's part next to w = 0, [0, w_low], in w.
double low_sum(const Panel& p, const NodeFactors* f, const Derived& d, const FieldPoint& pt)
{
    const double h = 0.5 * p.to;
    double s = 0;
    for (std::size_t j = 0; j < low_nodes; ++j) s += low_rule.weight[j] * integrand(h + h * low_rule.t[j], f[j], d, pt);
    return h * s;
}

// How many times the first window's panels halve towards 0: until the phase
// turns little over [0, w_low], and, with surface loss, w_low² lies well
// below the scale on which the loss shapes the factors (b on plate 1,
// b/(L·m) on plate 2).
int first_window_levels(const Derived& d, const FieldPoint& pt)
{
    const double loss_scale = d.b > 0 ? std::min(d.b, d.b / (d.L * d.m)) : 0;
    int level = 0;
    for (; level < level_limit; ++level) {
        const double u = level_top(level);
        if (std::fabs(pt.xi) * u > low_phase) continue;
        if (d.b > 0 && u > 0.25 * loss_scale) continue;
        break;
    }
    return level;
}

// The size K·E·|D1 + i·D2| of the integrand in u at the panel's node
// nearest its upper end (Gauss–Legendre's first node).
double envelope_at_end(const NodeFactors* f, const Derived& d, const FieldPoint& pt)
{
    return d.K * std::exp(-pt.eta * f[0].root_plus) * std::hypot(f[0].D1, f[0].D2);
}

// The window's sum, and in `edge` the integrand's envelope at its end.
double window_sum(int window, NodeCache& cache, const Derived& d, const FieldPoint& pt, double& edge)
{
    if (window == 0) {
        const int levels = first_window_levels(d, pt);
        const int low = low_key_base + levels;
        double s = low_sum(panel_of(low), cache.at(low, d, pt), d, pt);
        for (int j = levels - 1; j >= 0; --j) s += panel_sum(panel_of(j), cache.at(j, d, pt), d, pt);
        edge = levels > 0 ? envelope_at_end(cache.at(0, d, pt), d, pt) : std::numeric_limits<double>::infinity();
        return s;
    }
    const int key = window_key_base + 2 * (window - 1);
    const int last = window == 1 ? key + 1 : key;
    double s = panel_sum(panel_of(key), cache.at(key, d, pt), d, pt);
    if (window == 1) s += panel_sum(panel_of(last), cache.at(last, d, pt), d, pt);
    edge = envelope_at_end(cache.at(last, d, pt), d, pt);
    return s;
}

}  // namespace

Ppr5State::Ppr5State() : derived(derive(parameters)) {}

void Ppr5NodeCache::keep_for(const Ppr5Derived& d)
{
    if (d.m == m_ && d.L == L_ && d.b == b_) return;
    m_ = d.m;
    L_ = d.L;
    b_ = d.b;
    for (auto& p : panels_) p.clear();
}

const Ppr5NodeFactors* Ppr5NodeCache::at(int key, const Ppr5Derived& d, const Ppr5FieldPoint& pt)
{
    if (panels_.empty()) panels_.resize(2 * key_limit);
    std::vector<Ppr5NodeFactors>& f = panels_[static_cast<std::size_t>(pt.side * key_limit + key)];
    if (f.empty()) {
        const Panel p = panel_of(key);
        const double c = 0.5 * (p.from + p.to), h = 0.5 * (p.to - p.from);
        if (p.in_w) {
            for (double t : low_rule.t) f.push_back(node_factors(c + h * t, d, pt.m_side, pt.loss_side));
        } else {
            for (double t : panel_rule.t) f.push_back(node_factors(std::sqrt(c + h * t), d, pt.m_side, pt.loss_side));
        }
    }
    return f.data();
}

void ppr5_set_data(SchemeParameters values)
{
    Ppr5Parameters& p = ppr5.parameters;
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
    ppr5.derived = derive(ppr5.parameters);
}

double ppr5_integrand(double w)
{
    if (w == 0) return ppr5.derived.at_zero;
    return integrand(w, node_factors(w, ppr5.derived, ppr5.point.m_side, ppr5.point.loss_side), ppr5.derived, ppr5.point);
}

double ppr5_temperature(double x, double y, double /*z*/)
{
    const Ppr5Parameters& p = ppr5.parameters;
    const Derived& d = ppr5.derived;
    // A point on the weld line is taken 0.1 cm into the plate of its side.
    if (std::fabs(y) < 0.1) y = y < 0 ? -0.1 : 0.1;
    FieldPoint& pt = ppr5.point;
    pt.side = y > 0 ? 1 : 0;
    pt.m_side = y > 0 ? d.m : 1.0;
    pt.loss_side = y > 0 ? 1.0 / d.L : 1.0;
    pt.xi = x * p.v / d.a1;
    pt.eta = std::fabs(y) * p.v / d.a1;

    NodeCache& cache = ppr5.node_cache;
    cache.keep_for(d);
    // The windows stop when what the rest can add is below 1e-4 of the sum:
    // not when one window adds little, which an integrand that changes sign
    // within the window does wherever the point lies ahead of the source
    // (there the rule of 1 % per window once left 13 % of the rise out).
    // Beyond u, the integrand's envelope g falls with u (E and 1/|κ1 + L·κ2|
    // both fall), so the rest is at most g(u)/η (E falls at least as e^{-η·u})
    // and, the phase ξ·u turning under it, at most 2·g(u)/|ξ|.
    const double reach = std::min(2.0 / std::fabs(pt.xi), 1.0 / pt.eta);
    double sum = 0;
    for (int window = 0; window < window_limit; ++window) {
        double edge = 0;
        sum += window_sum(window, cache, d, pt, edge);
        if (edge * reach <= window_tolerance * std::fabs(sum)) break;
    }
    return p.T0 + sum;
}

double ppr5_velocity() { return ppr5.parameters.v; }
double ppr5_power() { return ppr5.parameters.q; }
double ppr5_thickness() { return ppr5.parameters.delta1; }
double ppr5_initial_temperature() { return ppr5.parameters.T0; }

void ppr5_set_regime(double v, double q, double T0, double thickness)
{
    ppr5.parameters.v = v;
    ppr5.parameters.q = q;
    ppr5.parameters.T0 = T0;
    ppr5.parameters.delta1 = thickness;
}

// Plate 2 lies on y > 0, as in the temperature field and the windows' labels.
void ppr5_depth_range(double y, double& zmin, double& zmax)
{
    zmin = 0;
    zmax = y > 0 ? ppr5.parameters.delta2 : ppr5.parameters.delta1;
}

void ppr5_width_range(int& one_body, double& ymin, double& ymax)
{
    one_body = 0;
    ymin = -100;
    ymax = 100;
}
