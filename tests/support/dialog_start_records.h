// Start values shared by the tests and the benchmarks: the records the point
// and range dialogs of the steel-model and atlas windows start with, and the
// isotherm dialog's, in record order (a point or range record holds eight
// doubles).
#pragma once

#include "temperature_windows.h"

inline constexpr double velocity_start[8] = {0.05, 0.0, 800.0, 500.0};
inline constexpr double properties_start[8] = {0.05, 0.0, 850.0, 500.0};
inline constexpr double property_start[8] = {0.5, 0.5, 850.0, 500.0};
inline constexpr double energy_start[8] = {0.05, 0.0, 850.0, 500.0, 200.0, 5000.0, 0.1, 0.1};
inline constexpr double thickness_start[8] = {0.05, 0.0, 850.0, 500.0, 0.1, 3.0};
inline constexpr double preheat_start[8] = {0.05, 0.0, 850.0, 500.0, 100.0, 400.0};
inline constexpr double isotherm_start[isotherm_record_size] = {300, 500, 850, 1300, 1500, 0};
