// Characteristic points of the installed scheme's temperature field: the
// peak along the weld at a point, the crossings of a temperature behind and
// ahead of it, and the half widths and depths of isotherms.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "model.h"
#include "solvers.h"

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
//
// The search is a record that asks for one point at a time
// (bracket_next) and is told the value there (bracket_take), so that two
// searches on one field can run side by side and the processor can work on
// both evaluations at once.
struct BracketSearch {
    double h = 0, fh = 0;   // the hot end and f there
    double c = 0, fc = 0;   // the cold end and f there
    FalsePosition rule = FalsePosition::always;
    double origin = 0;      // the starting hot end, which the halving measures from
    // Brent's names: b the newest point, a the one before it, k the latest
    // point on the other side of the crossing; d the last step, e the one
    // before it.
    double a = 0, fa = 0, b = 0, fb = 0, k = 0, fk = 0, d = 0, e = 0;
    int pass = 0;
    bool over = false;
    bool not_a_number = false;
};

constexpr double bracket_width = 0.0001;
constexpr double bracket_min_step = bracket_width / 2;

bool bracket_hot(double v) { return v > 0; }

BracketSearch bracket_search(double h, double fh, double c, double fc, FalsePosition rule)
{
    BracketSearch s;
    s.h = h;
    s.fh = fh;
    s.c = c;
    s.fc = fc;
    s.rule = rule;
    s.origin = h;
    s.a = h;
    s.fa = fh;
    s.b = c;
    s.fb = fc;
    s.k = h;
    s.fk = fh;
    s.d = s.e = c - h;
    return s;
}

// The next point to evaluate; false once the search is over.
bool bracket_next(BracketSearch& s, double& x)
{
    if (s.over || s.pass >= crossing_pass_limit) return false;
    ++s.pass;
    if (!(std::fabs(s.h - s.c) > bracket_width) || (s.fh == s.fc && s.rule == FalsePosition::always)) {
        s.over = true;
        return false;
    }
    if (bracket_hot(s.fb) == bracket_hot(s.fk)) {
        s.k = s.a;
        s.fk = s.fa;
        s.d = s.e = s.b - s.a;
    }
    if (std::fabs(s.fk) < std::fabs(s.fb)) {
        s.a = s.b;
        s.b = s.k;
        s.k = s.a;
        s.fa = s.fb;
        s.fb = s.fk;
        s.fk = s.fa;
    }
    const double xm = 0.5 * (s.k - s.b);
    double step = 0;
    bool interpolated = false;
    if (std::fabs(s.e) >= bracket_min_step && std::fabs(s.fa) > std::fabs(s.fb)) {
        // The secant through a and b, or the inverse quadratic through
        // a, b and k, as the step p/q from b (both scaled by the same
        // factor, so that only the step itself is a division).
        double p, q;
        if (s.a == s.k) {
            p = 2.0 * xm * s.fb;
            q = s.fa - s.fb;
        } else {
            p = s.fb * (2.0 * xm * s.fa * (s.fa - s.fb) - (s.b - s.a) * (s.fb - s.fk) * s.fk);
            q = (s.fa - s.fk) * (s.fb - s.fk) * (s.fb - s.fa);
        }
        if (p > 0)
            q = -q;
        else
            p = -p;
        // Taken only when it stays well inside the bracket and shrinks
        // faster than the step before last; a NaN fails both tests.
        if (2.0 * p < 3.0 * xm * q - std::fabs(bracket_min_step * q) && p < std::fabs(0.5 * s.e * q)) {
            s.e = s.d;
            s.d = p / q;
            step = s.d;
            interpolated = true;
        }
    }
    if (!interpolated) {
        // The halving between b and k on the scale of the distance
        // (1 + distance from the origin).
        const double scaled_b = 1.0 + std::fabs(s.b - s.origin);
        const double scaled_k = 1.0 + std::fabs(s.k - s.origin);
        double mid = s.origin + std::copysign(std::sqrt(scaled_b * scaled_k) - 1.0, s.b + s.k - 2.0 * s.origin);
        if (!(std::fabs(mid - s.b) < std::fabs(s.k - s.b) && (mid - s.b) * xm > 0)) mid = s.b + xm;
        step = mid - s.b;
        s.d = s.e = step;
    }
    s.a = s.b;
    s.fa = s.fb;
    s.b += std::fabs(step) > bracket_min_step ? step : std::copysign(bracket_min_step, xm);
    x = s.b;
    return true;
}

// f at the point the last bracket_next gave.
void bracket_take(BracketSearch& s, double fb)
{
    s.fb = fb;
    if (std::isnan(fb)) {
        s.over = true;
        s.not_a_number = true;
    } else if (bracket_hot(fb)) {
        s.h = s.b;
        s.fh = fb;
    } else {
        s.c = s.b;
        s.fc = fb;
    }
}

Crossing bracket_result(const BracketSearch& s)
{
    return s.not_a_number ? Crossing{s.b, SearchStatus::not_a_number} : Crossing{s.c, SearchStatus::found};
}

template <class F>
Crossing search_bracket(F f, double h, double fh, double c, double fc, FalsePosition rule)
{
    BracketSearch search = bracket_search(h, fh, c, fc, rule);
    double x = 0;
    while (bracket_next(search, x)) bracket_take(search, f(x));
    return bracket_result(search);
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

// |mean - M| / M of the five samples, the flatness that ends the peak search,
// only as far as the search asks it: whether it exceeds 0.01. Where the
// samples are plainly not flat yet it skips the two divisions, which would
// otherwise stand between each pass and the next; near the stop, and for
// anything that is not a finite number, it is computed as it stands.
double deviation(const double (&s)[5], double M)
{
    const double sum = s[0] + s[1] + s[2] + s[3] + s[4];
    // sum·0.2 differs from sum/5 by an ulp of the mean, which the margin of
    // 2 % of the stop value covers many times over.
    if (std::fabs(sum * 0.2 - M) > 0.0102 * std::fabs(M) && std::isfinite(sum) && std::isnormal(M)) return 1.0;
    return std::fabs((sum / 5 - M) / M);
}

// The last set of the peak search: five samples, x[k] = A + k·w/4 from the
// front end A of the bracket to its rear end B = x[4].
struct PeakSet {
    double x[5] = {};
    double T[5] = {};
};

// The peak search on the field T; seen(x, T(x)) hears every evaluation.
// Returns its last set, whose rear end is where the search ends. settled(s0,
// s4) may end the search early on the two ends of a set's bracket; the set
// is then that bracket with the inner samples of the set before it, which
// lie outside it, so that only the ends are its samples.
template <class Seen, class Settled>
PeakSet peak_search(const Field& T, double y, double z, Seen seen, Settled settled, bool& ended_early)
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

    ended_early = settled(s[0], s[4]);
    double d = ended_early ? 0 : 100;
    for (int pass = 0; pass < peak_pass_limit && d > 0.01; ++pass) {
        int m = 0;
        for (int k = 1; k < 5; ++k)
            if (s[k] > s[m]) m = k;
        double M = s[m];
        // The new bracket's ends are samples already taken: whether it
        // settles the search is known before its inner samples are taken.
        if (m == 0) {
            B = A + w / 4;
            s[4] = s[1];
        } else if (m == 4) {
            A = B - w / 4;
            s[0] = s[3];
        } else {
            double new_A = A + (m - 1) * w / 4;
            double new_B = A + (m + 1) * w / 4;
            double s0 = s[m - 1], s2 = s[m], s4 = s[m + 1];
            A = new_A;
            B = new_B;
            s[0] = s0;
            s[2] = s2;
            s[4] = s4;
        }
        w = B - A;
        if (settled(s[0], s[4])) {
            ended_early = true;
            break;
        }
        if (m == 0 || m == 4) {
            for (int k = 1; k <= 3; ++k) s[k] = at(A + k * w / 4);
        } else {
            s[1] = at(A + w / 4);
            s[3] = at(A + 3 * w / 4);
        }
        d = deviation(s, M);
    }
    PeakSet set;
    for (int k = 0; k < 5; ++k) {
        set.x[k] = A + k * w / 4;
        set.T[k] = s[k];
    }
    // Sample 4 always lies at B: the first set ends there, and a refinement
    // either keeps B or moves it onto the old sample it keeps as sample 4.
    set.x[4] = B;
    return set;
}

// The top of the field near the peak search's last set: the field rises to
// its top and falls once along the weld, so the top lies between the
// neighbours of the hottest sample (one quarter of the bracket beyond it at
// an end of the set, never beyond the searched length). Golden sections
// close on it until the four values they hold differ by no more than
// peak_top_tolerance, which bounds how far the hottest of them lies below
// the top. enough(T) ends the refinement at the first value that answers
// the caller's question; a field without a finite top (the source's own
// singular point) ends it where the bracket can shrink no further.
constexpr double peak_top_tolerance = 0.001;   // °C
constexpr double peak_search_length = 100;     // the search runs over |x| <= 100

template <class Seen, class Enough>
Peak refine_top(const Field& T, double y, double z, const PeakSet& set, Seen seen, Enough enough)
{
    int m = 0;
    for (int k = 1; k < 5; ++k)
        if (set.T[k] > set.T[m]) m = k;
    Peak best{set.x[m], set.T[m]};
    if (enough(best.T) || !(best.T == best.T)) return best;
    const double quarter = set.x[1] - set.x[0];
    auto clamp_x = [](double x) { return std::clamp(x, -peak_search_length, peak_search_length); };
    double a = m > 0 ? set.x[m - 1] : clamp_x(set.x[0] - quarter);
    double b = m < 4 ? set.x[m + 1] : clamp_x(set.x[4] + quarter);
    auto at = [&](double x) {
        const double value = T(x, y, z);
        seen(x, value);
        if (value > best.T) best = Peak{x, value};
        return value;
    };
    double fa = m > 0 ? set.T[m - 1] : at(a);
    double fb = m < 4 ? set.T[m + 1] : at(b);
    const double g = (std::sqrt(5.0) - 1) / 2;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = at(c), fd = at(d);
    for (int k = 0; k < peak_pass_limit && !enough(best.T); ++k) {
        const double hottest = std::max({fa, fb, fc, fd}), coldest = std::min({fa, fb, fc, fd});
        if (!(hottest - coldest > peak_top_tolerance)) break;
        if (!(std::fabs(b - a) > 4 * std::numeric_limits<double>::epsilon() * (1 + std::fabs(a)))) break;
        if (fc > fd) {
            b = d;
            fb = fd;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = at(c);
        } else {
            a = c;
            fa = fc;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = at(d);
        }
    }
    return best;
}

// The field values the cooling time has seen along the weld: the peak
// search's samples and the far end, so that each crossing starts from the
// narrowest bracket they give.
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
        // Behind the peak the field falls through the target once, so every
        // sample there that is hotter than it lies ahead of every colder
        // one: one pass finds the nearest cold sample and the farthest hot
        // one, which is the hot sample nearest the cold end.
        bool cold_known = false;
        double hot_x = x_peak, hot_f = t_max - target;
        for (std::size_t i = 0; i < n_; ++i) {
            const double x = samples_[i].x;
            if (!(x < x_peak)) continue;
            const double f = samples_[i].T - target;
            if (f < 0) {
                if (!cold_known || x > c) {
                    c = x;
                    fc = f;
                    cold_known = true;
                }
            } else if (f > 0 && x < hot_x) {
                hot_x = x;
                hot_f = f;
            }
        }
        if (!cold_known) return false;
        h = hot_x;
        fh = hot_f;
        if (h > c) return true;
        // A field hotter than the target again behind a colder sample: the
        // hot sample nearest the cold end on its way to the peak.
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
    // The peak search takes a few dozen values; a value beyond these only
    // narrows no bracket.
    std::array<Sample, 128> samples_;
    std::size_t n_ = 0;
};

}  // namespace

double find_peak_position(double y, double z)
{
    const Field T;
    bool early = false;
    return peak_search(T, y, z, [](double, double) {}, [](double, double) { return false; }, early).x[4];
}

Peak find_peak(double y, double z)
{
    const Field T;
    bool early = false;
    auto nothing = [](double, double) {};
    const PeakSet set = peak_search(T, y, z, nothing, [](double, double) { return false; }, early);
    return refine_top(T, y, z, set, nothing, [](double) { return false; });
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
    // The crossings need the peak only as a point at least as hot as the
    // interval with the rear crossings behind it. Once both ends of the
    // peak search's bracket are that hot, so is all of the bracket between
    // them (the field rises to its peak and falls once), and with it the
    // point where the full search would end: the search stops there, and
    // the point reaches the interval exactly where the full search says so.
    const double raised_from = T_from == T_to ? 1.01 * T_from : T_from;
    auto above_interval = [&](double value) { return value >= T_from && value >= T_to && value >= raised_from; };
    auto heard = [&](double x, double value) { seen.add(x, value); };
    bool settled = false;
    const PeakSet set = peak_search(
        T, y, z, heard, [&](double s0, double s4) { return above_interval(s0) && above_interval(s4); }, settled);
    // A settled search has its hot point at the rear end of its bracket.
    // Otherwise the verdict is the top's: the refinement stops at the
    // first value that reaches the interval, and where none does, the top
    // it finds is the maximum the point reaches.
    const Peak top = settled ? Peak{set.x[4], set.T[4]} : refine_top(T, y, z, set, heard, above_interval);
    r.x_peak = top.x;
    r.t_max = top.T;
    if (std::isnan(r.t_max) || r.t_max == -HUGE_VAL) {
        r.status = CoolingStatus::not_finite;
        return r;
    }
    // A peak equal to a temperature of the interval reaches it.
    if (r.t_max < T_to || r.t_max < T_from) {
        r.status = CoolingStatus::peak_below;
        return r;
    }
    r.T_from = raised_from;

    // Both crossings lie between the hot point and the rear end of the search.
    // What the peak search has seen of the field bounds each of them more
    // closely: it has sampled the weld far behind the peak. Only where
    // nothing seen is cold enough is the rear end of the search asked.
    // Each crossing is searched on its own, so the two searches run side by
    // side, one evaluation of each per step.
    auto begin_rear_crossing = [&](double target, Crossing& early) -> std::optional<BracketSearch> {
        double h = r.x_peak, fh = r.t_max - target, c = rear_search_end, fc = nan_value;
        if (fh < 0) {
            early = Crossing{h, SearchStatus::too_cold};
            return std::nullopt;
        }
        // Two samples closer than the crossings' own 0.0001 cm would give
        // both temperatures one crossing: the crossing is then searched as
        // on its own, from the hot point to the rear end.
        if (!seen.bracket(r.x_peak, r.t_max, target, h, fh, c, fc) || !(std::fabs(h - c) > 0.0001)) {
            h = r.x_peak;
            fh = r.t_max - target;
            c = rear_search_end;
            const double far = T(rear_search_end, y, z);
            seen.add(rear_search_end, far);
            fc = far - target;
            if (std::isnan(fc)) {
                early = Crossing{c, SearchStatus::not_a_number};
                return std::nullopt;
            }
            if (fc >= 0) {
                early = Crossing{c, SearchStatus::beyond_range};
                return std::nullopt;
            }
        }
        return bracket_search(h, fh, c, fc, FalsePosition::unless_flat);
    };
    Crossing from, to;
    std::optional<BracketSearch> from_search = begin_rear_crossing(r.T_from, from);
    std::optional<BracketSearch> to_search = begin_rear_crossing(r.T_to, to);
    double x_f = 0, x_t = 0;
    for (;;) {
        const bool from_on = from_search && bracket_next(*from_search, x_f);
        const bool to_on = to_search && bracket_next(*to_search, x_t);
        if (!from_on && !to_on) break;
        // Neither evaluation waits for the other.
        const double T_f = from_on ? T(x_f, y, z) : 0.0;
        const double T_t = to_on ? T(x_t, y, z) : 0.0;
        if (from_on) bracket_take(*from_search, T_f - r.T_from);
        if (to_on) bracket_take(*to_search, T_t - r.T_to);
    }
    if (from_search) from = bracket_result(*from_search);
    if (to_search) to = bracket_result(*to_search);
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
