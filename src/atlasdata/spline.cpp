#include "spline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

std::vector<double> spline_parameters(int n)
{
    std::vector<double> t(n >= 0 ? static_cast<std::size_t>(n) + 1 : 0);
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = static_cast<double>(i) + 1.0;
    return t;
}

std::vector<double> spline_prepare_system(std::span<const double> v)
{
    std::vector<double> r(v.size(), 0.0);
    for (std::size_t i = 1; i + 1 < v.size(); ++i) r[i] = -6.0 * ((v[i + 1] - v[i]) - (v[i] - v[i - 1]));
    return r;
}

std::vector<double> spline_solve_moments(std::span<const double> r)
{
    const std::size_t count = r.size();   // n + 1
    std::vector<double> m(count, 0.0);
    if (count < 3) return m;
    const std::size_t n = count - 1;
    // Sweep coefficients: M_{i-1} = P_i M_i + Q_i. The diagonal z_i starts at
    // -4 and tends to -3.732 (steps of 1), so it never vanishes.
    std::vector<double> p(count + 1, 0.0);
    std::vector<double> q(count + 1, 0.0);
    for (std::size_t i = 1; i <= n - 1; ++i) {
        const double z = -4.0 - p[i];
        p[i + 1] = 1.0 / z;
        q[i + 1] = (q[i] + r[i]) / z;
    }
    m[n] = 0.0;
    for (std::size_t i = n - 1; i >= 1; --i) m[i] = p[i + 1] * m[i + 1] + q[i + 1];
    m[0] = 0.0;
    return m;
}

SplineCoefficients spline_coefficients(std::span<const double> v, std::span<const double> moments)
{
    SplineCoefficients c;
    const std::size_t count = std::min(v.size(), moments.size());
    c.a.assign(count, 0.0);
    c.b.assign(count, 0.0);
    for (std::size_t i = 1; i < count; ++i) {
        c.a[i] = moments[i] - moments[i - 1];
        c.b[i] = moments[i] / 2.0 - c.a[i] / 6.0 + (v[i] - v[i - 1]);
    }
    return c;
}

double spline_evaluate(std::span<const double> v, std::span<const double> moments, const SplineCoefficients& c,
                       int i, double t)
{
    if (i < 1 || static_cast<std::size_t>(i) >= c.a.size() || static_cast<std::size_t>(i) >= v.size() ||
        static_cast<std::size_t>(i) >= moments.size())
        return 0.0;
    const double d = t - (static_cast<double>(i) + 1.0);
    return v[i] + c.b[i] * d + (moments[i] / 2.0) * d * d + (c.a[i] / 6.0) * d * d * d;
}

namespace {

// The last index the look-ups read: n, held within both arrays; -1 without points.
int last_point(std::span<const double> ys, std::span<const double> xs, int n)
{
    const std::size_t available = std::min(ys.size(), xs.size());
    if (n < 0 || available == 0) return -1;
    return static_cast<int>(std::min(static_cast<std::size_t>(n), available - 1));
}

// Where x lies against the points' abscissa range.
int range_flag(std::span<const double> xs, std::size_t last, double x)
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (std::size_t i = 0; i <= last; ++i) {
        lo = std::min(lo, xs[i]);
        hi = std::max(hi, xs[i]);
    }
    int flag = spline_inside;
    if (x > hi) flag = spline_above;
    if (x < lo) flag = spline_below;
    return flag;
}

// The value at x, or nothing when no knot equals x and no interval brackets it.
std::optional<double> value_at(std::span<const double> ys, std::span<const double> xs, double x, double tolerance,
                               int n, int& flag)
{
    flag = spline_inside;
    const int last_index = last_point(ys, xs, n);
    if (last_index < 0) return std::nullopt;
    const std::size_t last = static_cast<std::size_t>(last_index);
    flag = range_flag(xs, last, x);

    // A point's own abscissa gives its own ordinate: the first and the last
    // point and every knot between read back as tabulated.
    for (std::size_t i = last + 1; i-- > 0;)
        if (xs[i] == x) return ys[i];

    // The last interval whose ends bracket x.
    std::size_t o = 0;
    bool found = false;
    for (std::size_t i = 0; i < last; ++i) {
        if ((xs[i] < x && x < xs[i + 1]) || (xs[i] > x && x > xs[i + 1])) {
            o = i;
            found = true;
        }
    }
    if (!found) return std::nullopt;

    const std::span<const double> y(ys.data(), last + 1);
    const std::span<const double> X(xs.data(), last + 1);
    const std::vector<double> my = spline_solve_moments(spline_prepare_system(y));
    const std::vector<double> mx = spline_solve_moments(spline_prepare_system(X));
    const SplineCoefficients cy = spline_coefficients(y, my);
    const SplineCoefficients cx = spline_coefficients(X, mx);

    const int interval = static_cast<int>(o) + 1;
    const double t_o = static_cast<double>(o) + 1.0;
    const double t_next = t_o + 1.0;
    // A: the end where X is above x; B: the other one.
    double a = X[o] > X[o + 1] ? t_o : t_next;
    double b = X[o] > X[o + 1] ? t_next : t_o;
    double m = (a + b) / 2.0;
    for (int halving = 0; halving < 200; ++halving) {
        m = (a + b) / 2.0;
        const double e = spline_evaluate(X, mx, cx, interval, m) - x;
        if (e > 0)
            a = m;
        else
            b = m;
        if (std::fabs(e) <= tolerance) break;
    }
    return spline_evaluate(y, my, cy, interval, m);
}

} // namespace

double spline_lookup(std::span<const double> ys, std::span<const double> xs, double x, double tolerance, int n,
                     int& flag)
{
    return value_at(ys, xs, x, tolerance, n, flag).value_or(-1.0);
}

double curve_lookup(std::span<const double> ys, std::span<const double> xs, double x, double tolerance, int n,
                    int& flag)
{
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    const std::optional<double> v = value_at(ys, xs, x, tolerance, n, flag);
    if (flag == spline_inside) return v.value_or(none);
    const int last_index = last_point(ys, xs, n);
    // The end point x lies beyond.
    std::size_t end = 0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(last_index); ++i) {
        if (flag == spline_below ? xs[i] < xs[end] : xs[i] > xs[end]) end = i;
    }
    return ys[end];
}
