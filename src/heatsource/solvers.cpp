// Characteristic points of the installed scheme's temperature field: the
// peak along the weld at a point, the crossings of a temperature behind and
// ahead of it, and the half widths and depths of isotherms.
#include <cmath>

#include "heatsource.h"

namespace {

double T(double x, double y, double z)
{
    return current_model.temperature != nullptr ? current_model.temperature(x, y, z) : 0.0;
}

// A refinement at least halves the bracket, and the search ends once the five
// samples are flat, which they are long before this many passes.
const int peak_pass_limit = 200;
// 27 passes cover a bracket of 8000 cm; the cap ends searches on fields that
// give NaN.
const int crossing_pass_limit = 200;

enum class FalsePosition {
    always,
    unless_flat,                 // skipped when fh = fc
};

// The shared bracket search between a hot end h (f > 0) and a cold end c
// (f <= 0), alternating a false-position and a bisection step. Returns the
// cold end. A flat bracket (fh = fc, both at the target) would make the
// false-position step 0/0; searches that always take it then stop with the
// cold end, which lies on the target.
template <class F>
double search_bracket(F f, double h, double fh, double c, double fc, FalsePosition rule)
{
    for (int pass = 0; pass < crossing_pass_limit; ++pass) {
        if (fh != fc) {
            double s = c - fc * (h - c) / (fh - fc);
            if (!std::isnan(s)) {   // an infinite end leaves only the bisection
                double fs = f(s);
                if (fs > 0) {
                    h = s;
                    fh = fs;
                } else {
                    c = s;
                    fc = fs;
                }
            }
        } else if (rule == FalsePosition::always) {
            return c;
        }
        double s = (h + c) / 2.0;
        double fs = f(s);
        if (fs > 0) {
            h = s;
            fh = fs;
        } else {
            c = s;
            fc = fs;
        }
        if (!(std::fabs(h - c) > 0.0001)) break;   // also ends on NaN
    }
    return c;
}

}  // namespace

double find_peak_position(double y, double z)
{
    double A = 100;
    double B = -100;
    double w = B - A;
    double s[5];
    for (int k = 0; k < 5; ++k) s[k] = T(A + k * w / 4, y, z);

    double d = 100;
    for (int pass = 0; pass < peak_pass_limit && d > 0.01; ++pass) {
        int m = 0;
        for (int k = 1; k < 5; ++k)
            if (s[k] > s[m]) m = k;
        double M = s[m];
        if (m == 0) {
            B = A + w / 4;
            s[4] = s[1];
            w = B - A;
            for (int k = 1; k <= 3; ++k) s[k] = T(A + k * w / 4, y, z);
        } else if (m == 4) {
            A = B - w / 4;
            s[0] = s[3];
            w = B - A;
            for (int k = 1; k <= 3; ++k) s[k] = T(A + k * w / 4, y, z);
        } else {
            double new_A = A + (m - 1) * w / 4;
            double new_B = A + (m + 1) * w / 4;
            double s0 = s[m - 1], s2 = s[m], s4 = s[m + 1];
            A = new_A;
            B = new_B;
            w = B - A;
            s[0] = s0;
            s[2] = s2;
            s[4] = s4;
            s[1] = T(A + w / 4, y, z);
            s[3] = T(A + 3 * w / 4, y, z);
        }
        double mean = (s[0] + s[1] + s[2] + s[3] + s[4]) / 5;
        d = std::fabs((mean - M) / M);
    }
    return B;   // the rear end of the final bracket
}

double find_rear_crossing(double y, double z, double x_peak, double target)
{
    auto f = [&](double x) { return T(x, y, z) - target; };
    double h = x_peak;
    double fh = f(h);
    if (fh < 0) return x_peak;
    double c = -8000;
    double fc = f(c);
    if (fc >= 0) return -8000;
    return search_bracket(f, h, fh, c, fc, FalsePosition::unless_flat);
}

double find_front_crossing(double y, double z, double x_peak, double target)
{
    auto f = [&](double x) { return T(x, y, z) - target; };
    double h = x_peak;
    double fh = f(h);
    if (fh < 0) return x_peak;
    double c = 1000;
    double fc = f(c);
    if (fc >= 0) return 1000;
    return search_bracket(f, h, fh, c, fc, FalsePosition::always);
}

double find_half_width(double x, double z, double target, double bound)
{
    auto f = [&](double y) { return T(x, y, z) - target; };
    double fh = f(0);
    if (fh < 0) return 0;
    double fc = f(bound);
    if (fc >= 0) return bound;
    return search_bracket(f, 0, fh, bound, fc, FalsePosition::always);
}

double find_half_width_other_side(double x, double z, double target, double bound)
{
    auto f = [&](double y) { return T(x, y, z) - target; };
    double fh = f(0);
    if (fh <= 0.001) return 0;
    double fc = f(bound);
    if (fc >= 0) return std::fabs(bound);
    return std::fabs(search_bracket(f, 0, fh, bound, fc, FalsePosition::always));
}

double find_depth(double x, double y, double target, double bound)
{
    auto f = [&](double z) { return T(x, y, z) - target; };
    double fh = f(0);
    if (fh < 0) return 0;
    double fc = f(bound);
    if (fc >= 0) return bound;
    return search_bracket(f, 0, fh, bound, fc, FalsePosition::always);
}

CoolingTime cooling_time_at_point(double y, double z, double T_from, double T_to)
{
    CoolingTime result;
    if (current_model.prepare != nullptr) current_model.prepare();
    result.v = current_model.velocity != nullptr ? current_model.velocity() : 0.0;
    result.x_peak = find_peak_position(y, z);
    result.t_max = T(result.x_peak, y, z);
    if (result.t_max < T_to || result.t_max < T_from) return result;   // never reaches the interval
    result.reached = 1;
    if (T_from == T_to) T_from = 1.01 * T_from;
    result.x_from = find_rear_crossing(y, z, result.x_peak, T_from);
    result.x_to = find_rear_crossing(y, z, result.x_peak, T_to);
    result.time = std::fabs(result.x_to - result.x_from) / result.v;
    return result;
}
