#include "steel_window_sweep.h"

SteelSweep run_steel_sweep(const RegimeGuard& guard, RegimeSweep kind, const double* params, int n, bool per_area)
{
    SteelSweep r;
    if (n < 1) return r;
    const RegimePlan plan = regime_plan(kind, params, n, n);
    const auto size = static_cast<std::size_t>(n);
    r.gaps = SweepGaps(n);
    r.x.resize(size);
    r.time.resize(size);
    std::vector<CoolingTime> cooling(size);
    run_regime_sweep(guard, plan, [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        r.x[k] = planned_abscissa(plan, i, per_area);
        cooling[k] = cooling_time_at_point(params[0], params[1], params[2], params[3]);
    });
    for (std::size_t k = 0; k < size; ++k) {
        r.time[k] = cooling[k].time;   // not a number unless reached
        if (cooling[k].reached())
            ++r.usable;
        else
            r.gaps.leave_out(cooling[k]);
    }
    return r;
}
