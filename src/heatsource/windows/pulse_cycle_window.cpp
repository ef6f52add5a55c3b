// The thermal cycle of the pulsed schemes: the scheme's pulse temperature at
// the point (y, z), sampled along the range its time window gives.
#include <vector>

#include "time_cycle_drawing.h"
#include "temperature_windows.h"

namespace {

// A temperature span below this is widened (a flat curve).
constexpr double pulse_min_span = 10;

struct PulseStore {
    double y = 0, z = 0, from = 0, to = 0;
    TimeCycleSamples samples;
};
PulseStore pulse;

void compute(const double* params, Window* window) {
    if (!current_model.pulse_time_window || !current_model.pulse_temperature) return;
    constexpr int n = 50;   // the pulsed cycle always takes 51 samples
    if (current_model.prepare) current_model.prepare();
    const double y = params[point_y];
    const double z = params[point_z];

    TimeCycleSamples s;
    s.steps = n;
    s.time.resize(n + 1);
    s.temp.resize(n + 1);
    double from = 0, to = 0;
    TimeCycleGaps gaps;
    {
        ProgressDialogScope progress(window);
        // Fixes the scheme's current time as well as giving the range.
        current_model.pulse_time_window(from, to);
        if (from == to) from = 0;
        const double step = (to - from) / n;
        double p = from;
        for (int i = 0; i <= n; ++i) {
            s.time[i] = p;
            const double T = current_model.pulse_temperature(p, y, z, p);
            gaps.sample(T);
            ProgressDialogScope::sample_done(i, n);
            s.temp[i] = stored_cycle_temperature(T);
            p += step;
        }
    }
    pulse = PulseStore{y, z, from, to, std::move(s)};
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
    r.start = pulse.from;
    r.end = pulse.to;
    fill_time_cycle_result(r, pulse.samples, pulse_min_span);
    return r;
}
