// The thermal cycle of the pulsed schemes: the scheme's pulse temperature at
// the point (y, z), sampled along the range its time window gives and drawn
// against the time after the source passed.
#include <algorithm>
#include <cmath>
#include <vector>

#include "point_workers.h"
#include "schemes.h"

#include "time_cycle_drawing.h"
#include "temperature_windows.h"

namespace {

// A temperature span below this is widened (a flat curve).
constexpr double pulse_min_span = 10;

struct PulseStore {
    double y = 0, z = 0, start = 0, end = 0;   // the time range, s
    TimeCycleSamples samples;
};
PulseStore pulse;

void compute(const double* params, Window* window) {
    if (!current_model.pulse_time_window || !current_model.pulse_temperature) return;
    constexpr int n = 50;   // the pulsed cycle always takes 51 samples
    if (current_model.prepare) current_model.prepare();
    const double y = params[point_y];
    const double z = params[point_z];
    const double v = current_model.velocity ? current_model.velocity() : 0;

    // The scheme gives the field along the weld at its current time: the
    // samples lie along the range it returns.
    std::vector<double> along(n + 1), T(n + 1);
    std::vector<FieldGap> why(n + 1, FieldGap::none);
    double from = 0, to = 0;
    {
        ProgressDialogScope progress(window);
        // Fixes the scheme's current time as well as giving the range.
        current_model.pulse_time_window(from, to);
        if (from == to) from = 0;
        const double step = (to - from) / n;
        double p = from;
        for (int i = 0; i <= n; ++i) {
            along[i] = p;
            p += step;
        }
        if (std::isfinite(v) && v > 0) {
            compute_points_showing(
                n + 1,
                [&](int i) {
                    T[i] = current_model.pulse_temperature(along[i], y, z, along[i]);
                    why[i] = last_field_gap();
                },
                [&](int done) { ProgressDialogScope::sample_done(done - 1, n); }, {});
        } else {
            // A source that does not move passes no point: there is no time
            // at which a place along the weld is reached.
            std::fill(T.begin(), T.end(), field_gap(FieldGap::unusable_data));
            std::fill(why.begin(), why.end(), FieldGap::unusable_data);
        }
    }
    // The point the source passed d ago lies v·d behind it, so the sample at
    // x is the moment -x/v after the passage: from the sample farthest ahead
    // (before the source arrives) to the one farthest behind, time runs
    // forward through the heating and the cooling.
    TimeCycleSamples s;
    s.steps = n;
    s.time.resize(n + 1);
    s.temp.resize(n + 1);
    TimeCycleGaps gaps;
    for (int i = 0; i <= n; ++i) {
        const int k = n - i;
        s.time[i] = -along[k] / v;
        s.temp[i] = stored_cycle_temperature(T[k]);
        gaps.sample(T[k], why[k]);
    }
    pulse = PulseStore{y, z, -to / v, -from / v, std::move(s)};
    gaps.report(window);
}

}  // namespace

const Text5& time_cycle_point_caption() {
    static const Text5 caption{"Thermal cycle at destignated point: y=%g, cm; z=%g, cm;",
                               "Термоцикл в заданной точке: y = %g, см; z = %g, см;",
                               "Термоцикл в заданній точці: y=%g, см; z=%g",
                               "Therm. Zyklus an gegebenen Punkt: y=%g, cm; z=%g, cm;",
                               "Le cycle thermique dans le point donné: y=%g, cm; z=%g, cm;"};
    return caption;
}

void pulse_thermal_cycle_window(const double* params, int /*steps*/, Window* window, Canvas& dc,
                                int phase, int print_flag) {
    if (phase == 0) {
        if (params) compute(params, window);
        return;
    }
    if (phase != 1) return;
    TimeCycleLook look;
    look.point_caption = &time_cycle_point_caption();
    draw_time_cycle(window, dc, print_flag, pulse.samples, pulse.y, pulse.z, pulse_min_span, look);
}

TimeCycleResult pulse_cycle_result() {
    TimeCycleResult r;
    r.y = pulse.y;
    r.z = pulse.z;
    r.start = pulse.start;
    r.end = pulse.end;
    fill_time_cycle_result(r, pulse.samples, pulse_min_span);
    return r;
}
