// Start values shared by the tests and the benchmarks: the record the
// thermal-cycle point dialog of each scheme's cycle routine starts with.
#pragma once

#include "temperature_windows.h"

#include <vector>

inline std::vector<double> thermal_cycle_start_record(int scheme)
{
    std::vector<double> record(point_record_size, 0.0);
    if (scheme == 7 || scheme == 8) {
        record[oscillating_y] = 1;
        record[oscillating_t1] = 60;
        record[oscillating_t2] = 75;
    } else if (scheme == 14) {
        record[composite_y] = 0.05;
        record[composite_start_time] = 30;
    } else {
        record[point_y] = 0.05;
    }
    return record;
}
