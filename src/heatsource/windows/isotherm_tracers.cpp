// The three section tracers of the isotherm window: each turns one isotherm
// temperature into a closed (xy) or open (yz, xz) polyline of its section,
// with the solvers on the current model; it tells its progress, and why
// an isotherm has no curve, through the record it is handed.
#include "solvers.h"
#include "temperature_windows.h"

#include <algorithm>
#include <cmath>

namespace {

// Tells the progress, where someone listens.
void advance(const IsothermTrace& trace, int percent) {
    if (trace.progress) trace.progress(percent);
}

// Progress of station i of `count`: the completed fraction in per cent,
// computed in floating point and truncated toward zero.
int station_progress(int i, int count) {
    return static_cast<int>(static_cast<double>(i - 1) / count * 100.0);
}

// How far a depth search may look: the body's own depth at lateral y, and
// never further than `limit`. A plate's isotherm cannot reach below the
// plate; reaching its lower face is a result, reaching `limit` is not.
struct DepthBound {
    double z = 0;
    bool body_face = false;
};
DepthBound depth_bound(double y, double limit) {
    DepthBound b{limit, false};
    if (current_model.depth_range) {
        double zmin = 0, zm = limit;
        current_model.depth_range(y, zmin, zm);
        if (std::isfinite(zm) && zm > 0 && zm <= limit) b = DepthBound{zm, true};
    }
    return b;
}

// What a search means for the curve: isotherm_traced when its place is one
// (a crossing, or a width or depth of nothing at a station the isotherm does
// not reach), otherwise the tracer's result. `limit_is_face` says that the
// end of the search is a face of the body, where the isotherm may stop.
int judge(const Crossing& c, IsothermTrace& trace, const char* coordinate, bool limit_is_face = false) {
    switch (c.status) {
    case SearchStatus::found:
    case SearchStatus::too_cold: return isotherm_traced;
    case SearchStatus::not_a_number: return isotherm_not_finite;
    case SearchStatus::beyond_range:
        if (limit_is_face) return isotherm_traced;
        trace.search_end = IsothermSearchEnd{coordinate, c.x};
        return isotherm_search_ended;
    }
    return isotherm_not_finite;
}

// Whether the section's peak reaches the isotherm: an isotherm above it is
// not in the section at all, and no search may stand in for its curve.
int judge_peak(double T_peak, double T, IsothermTrace& trace) {
    if (std::isnan(T_peak)) return isotherm_not_finite;
    if (T_peak >= T) return isotherm_traced;
    trace.peak_temperature = T_peak;
    return isotherm_above_peak;
}

}  // namespace

int trace_isotherm_xy(double T, double s, double* H, double* V, int n, IsothermTrace& trace) {
    if (n < 1 || !current_model.temperature) return isotherm_above_peak;
    const Peak top = find_peak(0, s);
    advance(trace, 5);
    if (const int r = judge_peak(top.T, T, trace); r != isotherm_traced) return r;
    const double x_peak = top.x;
    const Crossing front = find_front_crossing(0, s, x_peak, T);
    advance(trace, 10);
    const Crossing rear = find_rear_crossing(0, s, x_peak, T);
    advance(trace, 20);
    for (const Crossing* c : {&front, &rear})
        if (const int r = judge(*c, trace, "x"); r != isotherm_traced) return r;
    const double x_front = front.x;
    const double x_rear = rear.x;

    const double step = (x_rear - x_front) / n;
    H[0] = x_front;
    V[0] = 0;
    H[2 * n] = x_front;
    V[2 * n] = 0;
    H[n] = x_rear;
    V[n] = 0;

    int one_body = 1;
    double y_lo = -100, y_up = 100;
    if (current_model.width_range) current_model.width_range(one_body, y_lo, y_up);
    // A body's width is a limit of the search; two plates end at their edges.
    const bool edges = one_body == 0;

    double x = x_front;
    for (int i = 1; i <= n - 1; ++i) {
        x += step;
        H[i] = x;
        const Crossing lower = find_half_width(x, s, T, y_lo);
        if (const int r = judge(lower, trace, "y", edges); r != isotherm_traced) return r;
        V[i] = lower.x;
        advance(trace, station_progress(i, n));
        H[2 * n - i] = x;
        if (one_body == 1) {
            V[2 * n - i] = -V[i];
        } else {
            const Crossing upper = find_half_width_other_side(x, s, T, y_up);
            if (const int r = judge(upper, trace, "y", edges); r != isotherm_traced) return r;
            V[2 * n - i] = upper.x;
        }
    }
    return isotherm_traced;
}

int trace_isotherm_xz(double T, double s, double* H, double* V, int n, IsothermTrace& trace) {
    if (n < 1 || !current_model.temperature) return isotherm_above_peak;
    advance(trace, 5);
    const Peak top = find_peak(s, 0);
    if (const int r = judge_peak(top.T, T, trace); r != isotherm_traced) return r;
    const double x_peak = top.x;
    const Crossing front = find_front_crossing(s, 0, x_peak, T);
    advance(trace, 10);
    const Crossing rear = find_rear_crossing(s, 0, x_peak, T);
    advance(trace, 20);
    for (const Crossing* c : {&front, &rear})
        if (const int r = judge(*c, trace, "x"); r != isotherm_traced) return r;
    const double x_front = front.x;
    const double x_rear = rear.x;

    const double step = (x_rear - x_front) / (2 * n);
    H[0] = x_front;
    V[0] = 0;
    H[2 * n] = x_rear;
    V[2 * n] = 0;

    int one_body = 1;
    double y_lo = -100, y_up = 100;
    if (current_model.width_range) current_model.width_range(one_body, y_lo, y_up);
    // Depths are searched into the body (z >= 0) and stored negative, so the
    // curve lies below the surface line of the plot.
    const DepthBound bound = depth_bound(s, std::fabs(y_lo));

    double x = x_front;
    for (int i = 1; i <= 2 * n - 1; ++i) {
        x += step;
        H[i] = x;
        const Crossing depth = find_depth(x, s, T, bound.z);
        if (const int r = judge(depth, trace, "z", bound.body_face); r != isotherm_traced) return r;
        V[i] = -depth.x;
        advance(trace, station_progress(i, 2 * n));
    }
    return isotherm_traced;
}

int trace_isotherm_yz(double T, double s, double* H, double* V, int n, IsothermTrace& trace) {
    if (n < 1 || !current_model.temperature) return isotherm_above_peak;
    // The section is hottest on the weld line at the surface.
    if (const int r = judge_peak(current_model.temperature(s, 0, 0), T, trace); r != isotherm_traced) return r;
    const Crossing width = find_half_width(s, 0, T, -100);
    if (const int r = judge(width, trace, "y"); r != isotherm_traced) return r;
    const double w = width.x;
    const double step = w / n;
    double y = w - step;
    const DepthBound bound = depth_bound(0, 10);

    H[0] = w;
    V[0] = 0;
    for (int i = 1; i <= n; ++i) {
        H[i] = y;
        const Crossing depth = find_depth(s, y, T, bound.z);
        if (const int r = judge(depth, trace, "z", bound.body_face); r != isotherm_traced) return r;
        V[i] = -depth.x;
        advance(trace, station_progress(i, n));
        H[2 * n - i] = -y;
        V[2 * n - i] = V[i];
        y -= step;
    }
    H[0] = w;
    V[0] = 0;
    H[2 * n] = -w;
    V[2 * n] = 0;
    H[2 * n + 1] = -w;
    V[2 * n + 1] = 0;
    return isotherm_traced;
}
