// The thermal cycle of the composite scheme. Its temperature depends on the
// time since the source passed and on the lateral distance, so the window
// samples it from the start time the user entered down to the passage.
#include <vector>

#include "time_cycle_drawing.h"
#include "temperature_windows.h"

namespace {

struct CompositeStore {
    double y = 0, t_s = 0;
    TimeCycleSamples samples;
};
CompositeStore composite;

// The scheme reads no depth; the caption shows the surface.
constexpr double composite_z = 0;

void compute(const double* params, Window* window) {
    if (!current_model.temperature) return;
    constexpr int n = 50;
    if (current_model.prepare) current_model.prepare();
    const double y = params[composite_y];
    const double t_s = params[composite_start_time];

    TimeCycleSamples s;
    s.steps = n;
    s.time.resize(n + 1);
    s.temp.resize(n + 1);
    TimeCycleGaps gaps;
    {
        ProgressDialogScope progress(window);
        // Each time from its index, so that the last one is the passage
        // itself, exactly 0 (the time axis then begins with its 0 label).
        for (int i = 0; i <= n; ++i) {
            const double t = t_s * (n - i) / n;
            s.time[i] = t;
            const double T = current_model.temperature(t, y, composite_z);
            gaps.sample(T);
            ProgressDialogScope::sample_done(i, n);
            s.temp[i] = stored_cycle_temperature(T);
        }
    }
    composite = CompositeStore{y, t_s, std::move(s)};
    gaps.report(window);
}

}  // namespace

void composite_thermal_cycle_window(const double* params, int /*steps*/, Window* window,
                                    Canvas& dc, int phase, int print_flag) {
    if (phase == 0) {
        if (params) compute(params, window);
        return;
    }
    if (phase != 1) return;
    TimeCycleLook look;
    look.point_caption = &time_cycle_point_caption();
    look.temperature_title_color = rgb(127, 0, 0);
    look.temperature_title_with_zero = false;
    draw_time_cycle(window, dc, print_flag, composite.samples, composite.y, composite_z, 0, look);
}

TimeCycleResult composite_cycle_result() {
    TimeCycleResult r;
    r.y = composite.y;
    r.z = composite_z;
    r.start = composite.t_s;
    r.end = 0;
    fill_time_cycle_result(r, composite.samples, 0);
    return r;
}
