// The three section tracers of the isotherm window: each turns one isotherm
// temperature into a closed (xy) or open (yz, xz) polyline of its section,
// with the solvers on the current model, and advances the progress dialog
// while it works.
#include "temperature_windows.h"

#include <algorithm>
#include <cmath>

#include "progress_dialog.h"

namespace {

double last_peak_temperature = 0;

// Progress of station i of `count`: the completed fraction in per cent,
// computed in floating point and truncated toward zero.
int station_progress(int i, int count) {
    return static_cast<int>(static_cast<double>(i - 1) / count * 100.0);
}

// The deepest a depth search may look: the body's own depth at lateral y, and
// never further than `limit`. A plate's isotherm cannot reach below the plate.
double depth_bound(double y, double limit) {
    double zmax = limit;
    if (current_model.depth_range) {
        double zmin = 0, zm = limit;
        current_model.depth_range(y, zmin, zm);
        if (std::isfinite(zm) && zm > 0) zmax = std::min(zm, limit);
    }
    return zmax;
}

}  // namespace

double isotherm_peak_temperature() { return last_peak_temperature; }

int trace_isotherm_xy(double T, double s, double* H, double* V, int n) {
    if (n < 1 || !current_model.temperature) return 1;
    const double x_peak = find_peak_position(0, s);
    update_progress_dialog(5);
    const double T_peak = current_model.temperature(x_peak, 0, s);
    if (!(T_peak >= T)) {   // also a NaN peak
        last_peak_temperature = T_peak;
        return 1;
    }
    const double x_front = find_front_crossing(0, s, x_peak, T).x;
    update_progress_dialog(10);
    const double x_rear = find_rear_crossing(0, s, x_peak, T).x;
    update_progress_dialog(20);

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

    double x = x_front;
    for (int i = 1; i <= n - 1; ++i) {
        x += step;
        H[i] = x;
        V[i] = find_half_width(x, s, T, y_lo).x;
        update_progress_dialog(station_progress(i, n));
        H[2 * n - i] = x;
        V[2 * n - i] = one_body == 1 ? -V[i] : find_half_width_other_side(x, s, T, y_up).x;
    }
    return 0;
}

int trace_isotherm_xz(double T, double s, double* H, double* V, int n) {
    if (n < 1 || !current_model.temperature) return 1;
    update_progress_dialog(5);
    const double x_peak = find_peak_position(s, 0);
    const double x_front = find_front_crossing(s, 0, x_peak, T).x;
    update_progress_dialog(10);
    const double x_rear = find_rear_crossing(s, 0, x_peak, T).x;
    update_progress_dialog(20);

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
    const double bound = depth_bound(s, std::fabs(y_lo));

    double x = x_front;
    for (int i = 1; i <= 2 * n - 1; ++i) {
        x += step;
        H[i] = x;
        V[i] = -find_depth(x, s, T, bound).x;
        update_progress_dialog(station_progress(i, 2 * n));
    }
    return 0;
}

int trace_isotherm_yz(double T, double s, double* H, double* V, int n) {
    if (n < 1 || !current_model.temperature) return 1;
    const double w = find_half_width(s, 0, T, -100).x;
    const double step = w / n;
    double y = w - step;
    const double bound = depth_bound(0, 10);

    H[0] = w;
    V[0] = 0;
    for (int i = 1; i <= n; ++i) {
        H[i] = y;
        V[i] = -find_depth(s, y, T, bound).x;
        update_progress_dialog(station_progress(i, n));
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
    return 0;
}
