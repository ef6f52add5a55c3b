// The sweeps of the steel-model windows over the welding regime: energy
// input (power and speed together), preheat, or plate thickness. Each point
// sets the regime, prepares the model and finds the cooling time at the
// point; the regime found at entry is put back by the caller's restorer.
#pragma once

#include "steel_window_frame.h"

#include <vector>

enum class RegimeSweep { energy, preheat, thickness };

struct RegimeSweepResult {
    std::vector<double> swept;   // power (energy sweep), preheat or thickness
    std::vector<double> speed;   // the speed of each point
    std::vector<double> time;   // cooling time, s; NaN where the point has none
    int usable = 0;   // points with a cooling time
    SweepGaps gaps;   // the points without one, by reason
};

// n points from the lower bound, each one step |upper - lower| / n further
// (the energy sweep steps power and speed, each by its own step); at each
// the cooling procedure at the point and interval of the record, under the
// point's regime, the points side by side on the machine's cores
// (compute_points). Leaves the regime of the last point in force.
RegimeSweepResult run_regime_sweep(RegimeSweep kind, const double* params, int n, const SavedRegime& saved);

// The abscissa of point i: energy input in kJ/cm (divided by a positive
// thickness when per_area), the preheat in °C or the thickness in cm.
double regime_abscissa(RegimeSweep kind, const RegimeSweepResult& r, int i, bool per_area);
