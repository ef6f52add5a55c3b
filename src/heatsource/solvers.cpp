// Characteristic points of the installed scheme's temperature field: the
// peak along the weld at a point, the crossings of a temperature behind and
// ahead of it, and the half widths and depths of isotherms.
#include <algorithm>
#include <cmath>
#include <limits>

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
// cold end, which lies on the target. A value that is not a number on the
// way is reported: the bracket no longer says where the crossing is.
template <class F>
Crossing search_bracket(F f, double h, double fh, double c, double fc, FalsePosition rule)
{
    bool nan_seen = false;
    auto take = [&](double s, double fs) {
        if (std::isnan(fs)) nan_seen = true;
        if (fs > 0) {
            h = s;
            fh = fs;
        } else {
            c = s;
            fc = fs;
        }
    };
    for (int pass = 0; pass < crossing_pass_limit; ++pass) {
        if (fh != fc) {
            double s = c - fc * (h - c) / (fh - fc);
            if (!std::isnan(s)) take(s, f(s));   // an infinite end leaves only the bisection
        } else if (rule == FalsePosition::always) {
            break;
        }
        const double s = (h + c) / 2.0;
        take(s, f(s));
        if (!(std::fabs(h - c) > 0.0001)) break;   // also ends on NaN
    }
    return Crossing{c, nan_seen ? SearchStatus::not_a_number : SearchStatus::found};
}

// Steps 1 and 2 of every crossing search: a hot end already too cold gives
// the hot end, a far end still too hot gives the far end; neither is a
// crossing. A value that is not a number at either end stops the search.
template <class F, class TooCold>
Crossing search_from(F f, double h, double c, FalsePosition rule, TooCold too_cold)
{
    const double fh = f(h);
    if (std::isnan(fh)) return Crossing{h, SearchStatus::not_a_number};
    if (too_cold(fh)) return Crossing{h, SearchStatus::too_cold};
    const double fc = f(c);
    if (std::isnan(fc)) return Crossing{c, SearchStatus::not_a_number};
    if (fc >= 0) return Crossing{c, SearchStatus::beyond_range};
    return search_bracket(f, h, fh, c, fc, rule);
}

bool below_target(double fh) { return fh < 0; }

constexpr double nan_value = std::numeric_limits<double>::quiet_NaN();

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

Crossing find_rear_crossing(double y, double z, double x_peak, double target)
{
    auto f = [&](double x) { return T(x, y, z) - target; };
    return search_from(f, x_peak, -8000, FalsePosition::unless_flat, below_target);
}

Crossing find_front_crossing(double y, double z, double x_peak, double target)
{
    auto f = [&](double x) { return T(x, y, z) - target; };
    return search_from(f, x_peak, 1000, FalsePosition::always, below_target);
}

Crossing find_half_width(double x, double z, double target, double bound)
{
    auto f = [&](double y) { return T(x, y, z) - target; };
    return search_from(f, 0, bound, FalsePosition::always, below_target);
}

Crossing find_half_width_other_side(double x, double z, double target, double bound)
{
    auto f = [&](double y) { return T(x, y, z) - target; };
    // Within a thousandth of a degree of the target at y = 0 there is no
    // isotherm to trace on the other plate.
    Crossing c = search_from(f, 0, bound, FalsePosition::always, [](double fh) { return fh <= 0.001; });
    c.x = std::fabs(c.x);
    return c;
}

Crossing find_depth(double x, double y, double target, double bound)
{
    auto f = [&](double z) { return T(x, y, z) - target; };
    return search_from(f, 0, bound, FalsePosition::always, below_target);
}

CoolingTime cooling_time_at_point(double y, double z, double T_from, double T_to)
{
    CoolingTime r;
    r.time = nan_value;
    r.T_from = T_from;
    r.T_to = T_to;
    if (current_model.prepare != nullptr) current_model.prepare();
    r.v = current_model.velocity != nullptr ? current_model.velocity() : 0.0;
    r.q = current_model.power != nullptr ? current_model.power() : 0.0;
    // Without a speed there is no time to turn distance into, and without a
    // power the field is the initial temperature everywhere.
    if (!(std::isfinite(r.v) && r.v > 0)) {
        r.status = CoolingStatus::speed_not_positive;
        return r;
    }
    if (current_model.power != nullptr && !(std::isfinite(r.q) && r.q > 0)) {
        r.status = CoolingStatus::power_not_positive;
        return r;
    }
    r.x_peak = find_peak_position(y, z);
    r.t_max = T(r.x_peak, y, z);
    if (std::isnan(r.t_max) || r.t_max == -HUGE_VAL) {
        r.status = CoolingStatus::not_finite;
        return r;
    }
    // A peak equal to a temperature of the interval reaches it.
    if (r.t_max < T_to || r.t_max < T_from) {
        r.status = CoolingStatus::peak_below;
        return r;
    }
    if (r.T_from == r.T_to) r.T_from = 1.01 * r.T_from;

    const Crossing from = find_rear_crossing(y, z, r.x_peak, r.T_from);
    const Crossing to = find_rear_crossing(y, z, r.x_peak, r.T_to);
    r.x_from = from.x;
    r.x_to = to.x;
    for (const Crossing* c : {&from, &to}) {
        switch (c->status) {
        case SearchStatus::found: continue;
        case SearchStatus::not_a_number: r.status = CoolingStatus::not_finite; return r;
        // Only the raise of an equal interval can lift T_from above the peak.
        case SearchStatus::too_cold: r.status = CoolingStatus::peak_below; return r;
        case SearchStatus::beyond_range:
            r.status = CoolingStatus::not_cooled;
            r.not_cooled_to = c == &from ? r.T_from : r.T_to;
            // The lower temperature is the one never reached when both are.
            if (!to.found() && !from.found()) r.not_cooled_to = std::min(r.T_from, r.T_to);
            return r;
        }
    }
    if (r.x_from == r.x_to) {
        r.status = CoolingStatus::interval_unresolved;
        return r;
    }
    const double time = std::fabs(r.x_to - r.x_from) / r.v;
    if (!std::isfinite(time)) {
        r.status = CoolingStatus::not_finite;
        return r;
    }
    r.time = time;
    r.status = CoolingStatus::reached;
    return r;
}

CoolingRate cooling_rate_at_point(double y, double z, double T_from, double T_to)
{
    CoolingRate r;
    static_cast<CoolingTime&>(r) = cooling_time_at_point(y, z, T_from, T_to);
    r.rate = r.reached() ? (r.T_from - r.T_to) / r.time : nan_value;
    return r;
}
