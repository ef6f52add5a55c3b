#include "steel_window_sweep.h"

#include "point_progress.h"

#include <cmath>
#include <limits>

RegimeSweepResult run_regime_sweep(RegimeSweep kind, const double* params, int n, const SavedRegime& saved)
{
    RegimeSweepResult r;
    if (n < 1) return r;
    r.gaps = SweepGaps(n);
    const auto size = static_cast<std::size_t>(n);
    r.swept.resize(size);
    r.speed.resize(size);
    r.time.resize(size);
    const double lo = params[4];
    const double step = std::fabs(params[5] - params[4]) / n;
    double value = lo;
    double speed = kind == RegimeSweep::energy ? params[6] : saved.v;
    const double speed_step = kind == RegimeSweep::energy ? std::fabs(params[7] - params[6]) / n : 0.0;
    for (std::size_t k = 0; k < size; ++k) {
        r.swept[k] = value;
        r.speed[k] = speed;
        value += step;
        speed += speed_step;
    }
    const auto regime_of = [&](std::size_t k) {
        switch (kind) {
        case RegimeSweep::energy: apply_regime(r.speed[k], r.swept[k], saved.T0, saved.thickness); break;
        case RegimeSweep::preheat: apply_regime(saved.v, saved.q, r.swept[k], saved.thickness); break;
        case RegimeSweep::thickness: apply_regime(saved.v, saved.q, saved.T0, r.swept[k]); break;
        }
    };
    std::vector<CoolingTime> cooling(size);
    compute_points(n, [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        regime_of(k);
        cooling[k] = cooling_time_at_point(params[0], params[1], params[2], params[3]);
    });
    regime_of(size - 1);
    for (std::size_t k = 0; k < size; ++k) {
        r.time[k] = cooling[k].time;   // not a number unless reached
        if (cooling[k].reached())
            ++r.usable;
        else
            r.gaps.leave_out(cooling[k]);
    }
    return r;
}

double regime_abscissa(RegimeSweep kind, const RegimeSweepResult& r, int i, bool per_area)
{
    const auto k = static_cast<std::size_t>(i);
    if (kind != RegimeSweep::energy) return r.swept[k];
    // A speed that cannot divide gives no energy input.
    if (!(r.speed[k] > 0)) return std::numeric_limits<double>::quiet_NaN();
    double e = r.swept[k] / r.speed[k] / 1000;
    if (per_area && current_model.thickness) {
        const double d = current_model.thickness();
        if (d > 0) e /= d;
    }
    return e;
}
