// Characteristic points of the installed scheme's temperature field: the
// peak along the weld at a point, the crossings of a temperature behind and
// ahead of it, and the half widths and depths of isotherms.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "heatsource.h"

namespace {

// A refinement at least halves the bracket, and the search ends once the five
// samples are flat, which they are long before this many passes.
const int peak_pass_limit = 200;
// Bisections alone close a bracket of 8000 cm in 27 steps, and Brent's method
// takes at most about twice as many; the cap only guards against a field
// that defeats both.
const int crossing_pass_limit = 200;

enum class FalsePosition {
    always,
    unless_flat,                 // skipped when fh = fc
};

// The shared bracket search between a hot end h (f > 0) and a cold end c
// (f <= 0): Brent's method, inverse quadratic and secant steps kept inside
// the bracket and a halving wherever they would not shrink it fast enough.
// The halving is taken on the distance from the starting hot end measured in
// (1 + distance): the far ends of the searches (8000 cm behind the source,
// 10000 cm deep) lie orders of magnitude beyond the crossings, and an
// ordinary halving spends a dozen steps walking in from there, while near
// the crossing the two halvings agree. Every evaluation replaces the end on
// its side, and the search ends, as the crossing searches always have, once
// the two ends lie within 0.0001 of each other; it returns the cold end. A
// flat bracket (fh = fc, both ends at the target) leaves nothing to
// interpolate: the searches that stop there give the cold end, which lies on
// the target. A value that is not a number on the way ends the search: the
// bracket no longer says where the crossing is.
template <class F>
Crossing search_bracket(F f, double h, double fh, double c, double fc, FalsePosition rule)
{
    constexpr double width = 0.0001;
    constexpr double min_step = width / 2;
    auto hot = [](double v) { return v > 0; };
    const double origin = h;
    auto scaled = [origin](double x) { return 1.0 + std::fabs(x - origin); };
    // Brent's names: b the newest point, a the one before it, k the latest
    // point on the other side of the crossing; d the last step, e the one
    // before it.
    double a = h, fa = fh;
    double b = c, fb = fc;
    double k = a, fk = fa;
    double d = b - a, e = d;
    for (int pass = 0; pass < crossing_pass_limit; ++pass) {
        if (!(std::fabs(h - c) > width)) break;
        if (fh == fc && rule == FalsePosition::always) break;
        if (hot(fb) == hot(fk)) {
            k = a;
            fk = fa;
            d = e = b - a;
        }
        if (std::fabs(fk) < std::fabs(fb)) {
            a = b;
            b = k;
            k = a;
            fa = fb;
            fb = fk;
            fk = fa;
        }
        const double xm = 0.5 * (k - b);
        double step = 0;
        bool interpolated = false;
        if (std::fabs(e) >= min_step && std::fabs(fa) > std::fabs(fb)) {
            // The secant through a and b, or the inverse quadratic through
            // a, b and k, as the step p/q from b (both scaled by the same
            // factor, so that only the step itself is a division).
            double p, q;
            if (a == k) {
                p = 2.0 * xm * fb;
                q = fa - fb;
            } else {
                p = fb * (2.0 * xm * fa * (fa - fb) - (b - a) * (fb - fk) * fk);
                q = (fa - fk) * (fb - fk) * (fb - fa);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            // Taken only when it stays well inside the bracket and shrinks
            // faster than the step before last; a NaN fails both tests.
            if (2.0 * p < 3.0 * xm * q - std::fabs(min_step * q) && p < std::fabs(0.5 * e * q)) {
                e = d;
                d = p / q;
                step = d;
                interpolated = true;
            }
        }
        if (!interpolated) {
            // The halving between b and k on the scale of the distance.
            double mid = origin + std::copysign(std::sqrt(scaled(b) * scaled(k)) - 1.0, b + k - 2.0 * origin);
            if (!(std::fabs(mid - b) < std::fabs(k - b) && (mid - b) * xm > 0)) mid = b + xm;
            step = mid - b;
            d = e = step;
        }
        a = b;
        fa = fb;
        b += std::fabs(step) > min_step ? step : std::copysign(min_step, xm);
        fb = f(b);
        if (std::isnan(fb)) return Crossing{b, SearchStatus::not_a_number};
        if (hot(fb)) {
            h = b;
            fh = fb;
        } else {
            c = b;
            fc = fb;
        }
    }
    return Crossing{c, SearchStatus::found};
}

// Steps 1 and 2 of every crossing search: a hot end already too cold gives
// the hot end, a far end still too hot gives the far end; neither is a
// crossing. A value that is not a number at either end stops the search.
// fh is f at the hot end; far() gives f at the far end, asked only when the
// hot end is hot enough, so that a caller who knows either value already
// need not evaluate the field there again.
template <class F, class Far, class TooCold>
Crossing search_from_values(F f, double h, double fh, double c, Far far, FalsePosition rule, TooCold too_cold)
{
    if (std::isnan(fh)) return Crossing{h, SearchStatus::not_a_number};
    if (too_cold(fh)) return Crossing{h, SearchStatus::too_cold};
    const double fc = far();
    if (std::isnan(fc)) return Crossing{c, SearchStatus::not_a_number};
    if (fc >= 0) return Crossing{c, SearchStatus::beyond_range};
    return search_bracket(f, h, fh, c, fc, rule);
}

template <class F, class TooCold>
Crossing search_from(F f, double h, double c, FalsePosition rule, TooCold too_cold)
{
    return search_from_values(f, h, f(h), c, [&] { return f(c); }, rule, too_cold);
}

// The temperature of the installed scheme as a search's function: the slot
// is read once per search, not at every evaluation.
struct Field {
    double (*temperature)(double, double, double) = current_model.temperature;
    double operator()(double x, double y, double z) const
    {
        return temperature != nullptr ? temperature(x, y, z) : 0.0;
    }
};

bool below_target(double fh) { return fh < 0; }

constexpr double rear_search_end = -8000;

constexpr double nan_value = std::numeric_limits<double>::quiet_NaN();

}  // namespace

namespace {

// The peak search on the field T; seen(x, T(x)) hears every evaluation.
// Returns the rear end of the final bracket and T there, which is the fifth
// sample of the last set.
template <class Seen>
double peak_search(const Field& T, double y, double z, Seen seen, double& T_at_peak)
{
    auto at = [&](double x) {
        const double value = T(x, y, z);
        seen(x, value);
        return value;
    };
    double A = 100;
    double B = -100;
    double w = B - A;
    double s[5];
    for (int k = 0; k < 5; ++k) s[k] = at(A + k * w / 4);

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
            for (int k = 1; k <= 3; ++k) s[k] = at(A + k * w / 4);
        } else if (m == 4) {
            A = B - w / 4;
            s[0] = s[3];
            w = B - A;
            for (int k = 1; k <= 3; ++k) s[k] = at(A + k * w / 4);
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
            s[1] = at(A + w / 4);
            s[3] = at(A + 3 * w / 4);
        }
        double mean = (s[0] + s[1] + s[2] + s[3] + s[4]) / 5;
        d = std::fabs((mean - M) / M);
    }
    // Sample 4 always lies at B: the first set ends there, and a refinement
    // either keeps B or moves it onto the old sample it keeps as sample 4.
    T_at_peak = s[4];
    return B;   // the rear end of the final bracket
}

// The field values the cooling time has seen along the weld: the peak
// search's samples, the far end and the first crossing's evaluations, so
// that each crossing starts from the narrowest bracket they give.
class SeenAlongWeld {
public:
    void add(double x, double T)
    {
        if (n_ < samples_.size()) samples_[n_++] = {x, T};
    }

    // The bracket of target behind x_peak: the cold end nearest the peak
    // among the values seen (T below target), and the hot end nearest that
    // (T above target, between it and the peak; the peak itself otherwise).
    // False when nothing seen behind the peak is below the target.
    bool bracket(double x_peak, double t_max, double target, double& h, double& fh, double& c, double& fc) const
    {
        bool cold_known = false;
        for (std::size_t i = 0; i < n_; ++i) {
            const double f = samples_[i].T - target;
            if (samples_[i].x < x_peak && f < 0 && (!cold_known || samples_[i].x > c)) {
                c = samples_[i].x;
                fc = f;
                cold_known = true;
            }
        }
        if (!cold_known) return false;
        h = x_peak;
        fh = t_max - target;
        for (std::size_t i = 0; i < n_; ++i) {
            const double f = samples_[i].T - target;
            if (samples_[i].x > c && samples_[i].x < h && f > 0) {
                h = samples_[i].x;
                fh = f;
            }
        }
        return true;
    }

private:
    struct Sample {
        double x, T;
    };
    // The peak search takes a few dozen values and each crossing a dozen; a
    // value beyond these only narrows no bracket.
    std::array<Sample, 128> samples_;
    std::size_t n_ = 0;
};

}  // namespace

double find_peak_position(double y, double z)
{
    const Field T;
    double T_at_peak = 0;
    return peak_search(T, y, z, [](double, double) {}, T_at_peak);
}

Crossing find_rear_crossing(double y, double z, double x_peak, double target)
{
    const Field T;
    auto f = [&](double x) { return T(x, y, z) - target; };
    return search_from(f, x_peak, rear_search_end, FalsePosition::unless_flat, below_target);
}

Crossing find_front_crossing(double y, double z, double x_peak, double target)
{
    const Field T;
    auto f = [&](double x) { return T(x, y, z) - target; };
    return search_from(f, x_peak, 1000, FalsePosition::always, below_target);
}

Crossing find_half_width(double x, double z, double target, double bound)
{
    const Field T;
    auto f = [&](double y) { return T(x, y, z) - target; };
    return search_from(f, 0, bound, FalsePosition::always, below_target);
}

Crossing find_half_width_other_side(double x, double z, double target, double bound)
{
    const Field T;
    auto f = [&](double y) { return T(x, y, z) - target; };
    // Within a thousandth of a degree of the target at y = 0 there is no
    // isotherm to trace on the other plate.
    Crossing c = search_from(f, 0, bound, FalsePosition::always, [](double fh) { return fh <= 0.001; });
    c.x = std::fabs(c.x);
    return c;
}

Crossing find_depth(double x, double y, double target, double bound)
{
    const Field T;
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
    const Field T;
    SeenAlongWeld seen;
    r.x_peak = peak_search(T, y, z, [&](double x, double value) { seen.add(x, value); }, r.t_max);
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

    // Both crossings lie between the peak and the rear end of the search.
    // What the field is known to be on the way bounds them more closely:
    // the peak search has sampled the weld far behind the peak, and the
    // first crossing's bracket ends on the hot side of the second. Only
    // where nothing seen is cold enough is the rear end of the search asked.
    auto rear_crossing = [&](double target) {
        auto f = [&](double x) {
            const double value = T(x, y, z);
            seen.add(x, value);
            return value - target;
        };
        double h = r.x_peak, fh = r.t_max - target, c = rear_search_end, fc = nan_value;
        if (fh < 0) return Crossing{h, SearchStatus::too_cold};
        // An interval narrower than the crossings' own 0.0001 cm can leave
        // the second crossing inside the first one's last bracket; it is
        // then searched afresh, as on its own, so that the two crossings
        // are found independently and the interval keeps a time.
        if (!seen.bracket(r.x_peak, r.t_max, target, h, fh, c, fc) || !(std::fabs(h - c) > 0.0001)) {
            h = r.x_peak;
            fh = r.t_max - target;
            c = rear_search_end;
            fc = f(rear_search_end);
            if (std::isnan(fc)) return Crossing{c, SearchStatus::not_a_number};
            if (fc >= 0) return Crossing{c, SearchStatus::beyond_range};
        }
        return search_bracket(f, h, fh, c, fc, FalsePosition::unless_flat);
    };
    const Crossing from = rear_crossing(r.T_from);
    const Crossing to = rear_crossing(r.T_to);
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
