// The point plan of the steel-model windows' sweeps over the welding regime:
// at every point the cooling time at the point and interval of the record.
#pragma once

#include "regime_sweep.h"
#include "steel_window_frame.h"

#include <vector>

struct SteelSweep {
    std::vector<double> x;   // energy input kJ/cm (per cm of thickness when per_area), preheat °C or thickness cm
    std::vector<double> time;   // cooling time, s; NaN where the point has none
    int usable = 0;   // points with a cooling time
    SweepGaps gaps;   // the points without one, by reason
};

// n points from the lower bound, each one step |upper - lower| / n further
// (the energy sweep steps power and speed, each by its own step). Leaves the
// regime of the last point in force; the guard puts the saved one back.
SteelSweep run_steel_sweep(const RegimeGuard& guard, RegimeSweep kind, const double* params, int n, bool per_area);
