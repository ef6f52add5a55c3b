#include "regime_sweep.h"

#include "heatsource.h"
#include "point_progress.h"

#include <cmath>
#include <limits>

Regime regime_in_force()
{
    Regime r;
    if (current_model.velocity) r.v = current_model.velocity();
    if (current_model.power) r.q = current_model.power();
    if (current_model.initial_temperature) r.T0 = current_model.initial_temperature();
    if (current_model.thickness) r.thickness = current_model.thickness();
    return r;
}

void apply_regime(const Regime& regime)
{
    if (current_model.set_regime) current_model.set_regime(regime.v, regime.q, regime.T0, regime.thickness);
    if (current_model.prepare) current_model.prepare();
}

void RegimeGuard::restore()
{
    if (!armed_) return;
    armed_ = false;
    apply_regime(saved_);
}

RegimePlan regime_plan(RegimeSweep kind, const double* params, int points, int divisions)
{
    RegimePlan plan;
    plan.kind = kind;
    if (points < 1) return plan;
    const auto size = static_cast<std::size_t>(points);
    plan.swept.resize(size);
    // Each value is the one before plus the step, so that a value is the
    // same in every window that sweeps the same record.
    double value = params[4];
    const double step = std::fabs(params[5] - params[4]) / divisions;
    for (double& swept : plan.swept) {
        swept = value;
        value += step;
    }
    if (kind == RegimeSweep::energy) {
        plan.speed.resize(size);
        double speed = params[6];
        const double speed_step = std::fabs(params[7] - params[6]) / divisions;
        for (double& v : plan.speed) {
            v = speed;
            speed += speed_step;
        }
    }
    return plan;
}

Regime planned_regime(const RegimePlan& plan, const Regime& saved, int k)
{
    const auto i = static_cast<std::size_t>(k);
    Regime r = saved;
    switch (plan.kind) {
    case RegimeSweep::energy:
        r.v = plan.speed[i];
        r.q = plan.swept[i];
        break;
    case RegimeSweep::preheat: r.T0 = plan.swept[i]; break;
    case RegimeSweep::thickness: r.thickness = plan.swept[i]; break;
    }
    return r;
}

double energy_input(double q, double v, bool per_area)
{
    if (!(v > 0) || !std::isfinite(v)) return std::numeric_limits<double>::quiet_NaN();
    double e = q / v / 1000;
    if (per_area && current_model.thickness) {
        const double d = current_model.thickness();
        if (d > 0 && std::isfinite(d)) e /= d;
    }
    return e;
}

double planned_abscissa(const RegimePlan& plan, int k, bool per_area)
{
    const auto i = static_cast<std::size_t>(k);
    if (plan.kind != RegimeSweep::energy) return plan.swept[i];
    return energy_input(plan.swept[i], plan.speed[i], per_area);
}

void run_regime_sweep(const RegimeGuard& guard, const RegimePlan& plan, const std::function<void(int)>& point)
{
    const int n = plan.size();
    if (n < 1) return;
    compute_points(n, [&](int k) {
        apply_regime(planned_regime(plan, guard.saved(), k));
        point(k);
    });
    apply_regime(planned_regime(plan, guard.saved(), n - 1));
}
