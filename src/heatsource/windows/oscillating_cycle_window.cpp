// The thermal cycle of the oscillating schemes. Their temperature is a
// function of time at a fixed point, so the window samples it over the time
// interval [t1, t2] the user chose instead of searching a peak along the weld.
#include <vector>

#include "time_cycle_drawing.h"
#include "temperature_windows.h"

namespace {

struct OscillatingStore {
    double y = 0, z = 0, x = 0, t1 = 0, t2 = 0;
    TimeCycleSamples samples;
};
OscillatingStore oscillating;

void compute(const double* params, int steps, Window* window) {
    if (!current_model.temperature) return;
    const int n = time_cycle_steps(steps);
    if (current_model.prepare) current_model.prepare();
    const double y = params[oscillating_y];
    const double z = params[oscillating_z];
    const double x = params[oscillating_x];
    const double t1 = params[oscillating_t1];
    const double t2 = params[oscillating_t2];
    // The scheme takes the point's place along the weld from the record.
    if (current_model.set_oscillation_point) current_model.set_oscillation_point(params);

    TimeCycleSamples s;
    s.steps = n;
    s.time.resize(n + 1);
    s.temp.resize(n + 1);
    TimeCycleGaps gaps;
    {
        ProgressDialogScope progress(window);
        const double dt = (t2 - t1) / n;
        double t = t1;
        for (int i = 0; i <= n; ++i) {
            s.time[i] = t;
            const double T = current_model.temperature(t, y, z);
            gaps.sample(T);
            ProgressDialogScope::sample_done(i, n);
            s.temp[i] = stored_cycle_temperature(T);
            t += dt;
        }
    }
    oscillating = OscillatingStore{y, z, x, t1, t2, std::move(s)};
    gaps.report(window);
}

}  // namespace

void oscillating_thermal_cycle_window(const double* params, int steps, Window* window, Canvas& dc,
                                      int phase, int print_flag) {
    if (phase == 0) {
        if (params) compute(params, steps, window);
        return;
    }
    if (phase != 1) return;
    static const Text5 caption{"Fig.1. Thermal cycle at destignated point y=%g, z=%g",
                               "Термоцикл в сечении y=%g, z=%g",
                               "Рис. 1  Термоцикл в розрізі y=%g, z=%g",
                               "Mal.1. Therm. Zyklus an gegebenen Punkt y=%g, z=%g",
                               "Le cycle thermique dans le point donné: y=%g, cm; z=%g, cm;"};
    TimeCycleLook look;
    look.blue_frame = false;
    look.tick = 6;
    look.point_caption = &caption;
    look.temperature_title_with_zero = false;
    draw_time_cycle(window, dc, print_flag, oscillating.samples, oscillating.y, oscillating.z, 0,
                    look);
}

TimeCycleResult oscillating_cycle_result() {
    TimeCycleResult r;
    r.y = oscillating.y;
    r.z = oscillating.z;
    r.x = oscillating.x;
    r.start = oscillating.t1;
    r.end = oscillating.t2;
    fill_time_cycle_result(r, oscillating.samples, 0);
    return r;
}
