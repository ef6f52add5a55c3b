// Textbook fields of moving heat sources, computed independently of the
// schemes and with the full-precision π, for the tests that hold each scheme
// against the field it must reduce to. Every function gives the rise above
// the initial temperature, in °C; lengths in cm, times in s, powers in W.
#pragma once

#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace reference {

inline constexpr double pi = std::numbers::pi;

// The thermal properties of a body: conductivity λ (W/(cm·°C)) and the
// volumetric heat capacity cρ (J/(cm³·°C)).
struct Material {
    double lambda;
    double c_rho;
    double a() const { return lambda / c_rho; }
};

// ---- quadrature

// The nodes and weights of 10-point Gauss–Legendre on [-1, 1].
inline const std::array<std::array<double, 2>, 10>& gauss_legendre_10()
{
    static const std::array<std::array<double, 2>, 10> rule = [] {
        std::array<std::array<double, 2>, 10> r{};
        const int n = 10;
        for (int i = 0; i < n; ++i) {
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
            r[static_cast<std::size_t>(i)] = {static_cast<double>(x),
                                              static_cast<double>(2 / ((1 - x * x) * derivative * derivative))};
        }
        return r;
    }();
    return rule;
}

inline double gauss_panel(const std::function<double(double)>& f, double a, double b)
{
    const double c = 0.5 * (a + b), h = 0.5 * (b - a);
    double s = 0;
    for (const auto& [t, w] : gauss_legendre_10()) s += w * f(c + h * t);
    return h * s;
}

// ∫ f over [a, b] by 10-point Gauss–Legendre panels halved until a panel and
// its two halves agree within `absolute` (split between the halves).
inline double integrate(const std::function<double(double)>& f, double a, double b, double absolute,
                        int depth = 0)
{
    const double m = 0.5 * (a + b);
    const double whole = gauss_panel(f, a, b);
    const double left = gauss_panel(f, a, m), right = gauss_panel(f, m, b);
    if (depth >= 40 || std::fabs(left + right - whole) <= absolute) return left + right;
    return integrate(f, a, m, 0.5 * absolute, depth + 1) + integrate(f, m, b, 0.5 * absolute, depth + 1);
}

// ---- quasi-stationary fields in the frame of the source (x ahead of it)

// A line source through a plate of thickness delta moving at v, the faces
// losing heat at the rate b = 2α/(cρδ) (0 for insulated faces).
inline double moving_line_source(const Material& m, double q, double delta, double v, double b,
                                 double x, double y)
{
    const double a = m.a();
    const double s = std::sqrt(v * v / (4 * a * a) + b / a);
    return q / (2 * pi * m.lambda * delta) * std::exp(-v * x / (2 * a)) *
           std::cyl_bessel_k(0.0, s * std::sqrt(x * x + y * y));
}

// The face-loss rate of a plate: b = 2α/(cρδ).
inline double face_loss_rate(const Material& m, double alpha, double delta)
{
    return 2 * alpha / (m.c_rho * delta);
}

// The line source in a strip -h1 <= y <= h2 whose edges lose no heat: the
// source and its images at 2nW and 2h2 + 2nW, W = h1 + h2, n = 0, ±1, ...
inline double line_source_in_strip(const Material& m, double q, double delta, double v, double b,
                                   double h1, double h2, double x, double y)
{
    const double W = h1 + h2;
    auto at = [&](double ys) { return moving_line_source(m, q, delta, v, b, x, y - ys); };
    double sum = at(0) + at(2 * h2);
    for (int n = 1; n < 1000000; ++n) {
        const double pass = at(2 * n * W) + at(-2 * n * W) + at(2 * h2 + 2 * n * W) + at(2 * h2 - 2 * n * W);
        sum += pass;
        if (pass <= 1e-15 * sum) break;
    }
    return sum;
}

// A point source of power q on the surface of a half-space, moving at v.
inline double moving_point_source(const Material& m, double q, double v, double x, double y, double z)
{
    const double a = m.a();
    const double R = std::sqrt(x * x + y * y + z * z);
    return q / (2 * pi * m.lambda * R) * std::exp(-v * (x + R) / (2 * a));
}

// A point source on the upper face of a plate of thickness delta whose faces
// lose no heat: the source and its images in both faces at the depths 2nδ.
inline double moving_point_source_in_plate(const Material& m, double q, double delta, double v,
                                           double x, double y, double z)
{
    double sum = moving_point_source(m, q, v, x, y, z);
    for (int n = 1; n < 10000; ++n) {
        const double pair = moving_point_source(m, q, v, x, y, z - 2 * n * delta) +
                            moving_point_source(m, q, v, x, y, z + 2 * n * delta);
        sum += pair;
        if (pair < 1e-15 * sum) break;
    }
    return sum;
}

// A strip source on the surface of a half-space, the power q spread evenly
// over -B <= y' <= B at x = 0, moving at v: the point sources along it.
inline double moving_strip_source(const Material& m, double q, double B, double v, double x,
                                  double y, double z)
{
    auto f = [&](double ys) { return moving_point_source(m, q / (2 * B), v, x, y - ys, z); };
    const double scale = moving_point_source(m, q, v, -std::hypot(std::hypot(x, z), 0.2), 0, 0);
    return integrate(f, -B, B, 1e-11 * scale);
}

// The moving Gaussian flux q·k/π·exp(-k·r²) on the surface of a half-space,
// as the time integral of its instantaneous spreading: at the time t after
// emission the lateral Gaussian has widened to 1/k + 4at and the depth
// profile is the half-space's, doubled by the insulated surface. Integrated
// in s = √t, out to where the lateral Gaussian has left the point behind.
inline double moving_gaussian_flux(const Material& m, double q, double k, double v, double x,
                                   double y, double z)
{
    const double a = m.a();
    auto f = [&](double s) {
        const double t = s * s;
        if (t <= 0) return 0.0;
        const double w = 1 / k + 4 * a * t;
        const double lateral = std::exp(-((x + v * t) * (x + v * t) + y * y) / w) / (pi * w);
        return 2 * s * lateral * std::exp(-z * z / (4 * a * t)) / std::sqrt(4 * pi * a * t);
    };
    // Past t_end the source is 40 lateral widths away and the point long cold.
    double t_end = 1;
    while (t_end < 1e7) {
        const double w = 1 / k + 4 * a * t_end;
        if (v * t_end + x > 0 && (x + v * t_end) * (x + v * t_end) / w > 60) break;
        t_end *= 2;
    }
    const double peak = 1.0 / std::pow(z * z + 1 / k, 1.5);
    return 2 * q / m.c_rho * integrate(f, 0, std::sqrt(t_end), 1e-12 * peak);
}

// The energy q/v per unit length of weld laid at once through a plate of
// thickness delta, t seconds before, at the distance y from the weld line.
inline double plane_source(const Material& m, double q, double v, double delta, double t, double y)
{
    return q / (v * delta * std::sqrt(4 * pi * m.lambda * m.c_rho * t)) *
           std::exp(-y * y * m.c_rho / (4 * m.lambda * t));
}

// ---- fields of sources that move in time, in the frame of the body

// The heat that a point source of power q(τ) on the surface of a half-space
// leaves at the point p at the time t, the source at position(τ) on the
// surface from τ = 0: ∫ 2q(τ)/(cρ·(4πa(t-τ))^{3/2})·exp(-|p - position(τ)|²/(4a(t-τ))) dτ.
// The integral runs in σ = √(t - τ) over the stretches between `breaks`
// (times where q or the path's direction change), each by adaptive panels.
inline double point_source_history(const Material& m, double t, std::array<double, 3> p,
                                   const std::function<double(double)>& power,
                                   const std::function<std::array<double, 2>(double)>& position,
                                   const std::function<double(double)>& next_break, double absolute)
{
    const double a = m.a();
    auto kernel = [&](double sigma) {
        if (sigma <= 0) return 0.0;
        const double d = sigma * sigma, tau = t - d;
        const auto s = position(tau);
        const double r2 = (p[0] - s[0]) * (p[0] - s[0]) + (p[1] - s[1]) * (p[1] - s[1]) + p[2] * p[2];
        const double e = r2 / (4 * a * d);
        if (e > 700) return 0.0;
        return 2 * sigma * 2 * power(tau) / (m.c_rho * std::pow(4 * pi * a * d, 1.5)) * std::exp(-e);
    };
    double sum = 0;
    for (double from = 0; from < t;) {
        const double to = std::min(next_break(from), t);
        sum += integrate(kernel, std::sqrt(t - to), std::sqrt(t - from), absolute);
        from = to;
    }
    return sum;
}

// The electrode that oscillates across the weld on a half-space: it moves
// along the weld at vx from x = 0 at τ = 0 and sweeps across it at vy over
// the width A, sweep k (from (k - 1)·A/vy to k·A/vy) running from
// y = -s·A/2 to +s·A/2, s = -1 for odd k and +1 for even k. The heat at
// the time t at the point (x, y, z) of the body.
inline double oscillating_point_source(const Material& m, double q, double vx, double A, double vy,
                                       double t, double x, double y, double z, double absolute)
{
    const double sweep = A / vy;
    auto position = [&](double tau) {
        const double k = std::floor(tau / sweep) + 1;
        const double s = static_cast<long long>(k) % 2 == 1 ? -1.0 : 1.0;
        return std::array<double, 2>{vx * tau, -s * A / 2 + s * vy * (tau - (k - 1) * sweep)};
    };
    auto next_break = [&](double tau) { return (std::floor(tau / sweep + 1e-9) + 1) * sweep; };
    return point_source_history(m, t, {x, y, z}, [q](double) { return q; }, position, next_break,
                                absolute);
}

// A pulsed point source on the surface of a half-space moving at v from
// x = 0 at τ = 0: q1 during the first t_pulse of every cycle of t_cycle,
// q2 for the rest. The heat at the time t at the point x ahead of the
// source's position then, y aside, z deep.
inline double pulsed_point_source(const Material& m, double q1, double q2, double t_cycle,
                                  double t_pulse, double v, double t, double x, double y, double z,
                                  double absolute)
{
    auto phase = [&](double tau) { return tau - std::floor(tau / t_cycle) * t_cycle; };
    auto power = [&](double tau) { return phase(tau) < t_pulse ? q1 : q2; };
    auto position = [&](double tau) { return std::array<double, 2>{v * tau, 0}; };
    auto next_break = [&](double tau) {
        const double start = std::floor(tau / t_cycle + 1e-12) * t_cycle;
        return tau < start + t_pulse - 1e-12 * t_cycle ? start + t_pulse : start + t_cycle;
    };
    return point_source_history(m, t, {v * t + x, y, z}, power, position, next_break, absolute);
}

}  // namespace reference
