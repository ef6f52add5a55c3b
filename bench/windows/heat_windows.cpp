// The windows of the heat-source models: the thermal cycle of every scheme
// (computed, then drawn, as the command and the repaint after it do), the
// cooling rate and the isotherms of every section a scheme offers (each
// computes and draws in one call).
#include "window_bench.h"
#include "window_families.h"

#include "cycle_start_record.h"

#include <vector>

#include "heatsource.h"
#include "temperature_windows.h"

namespace {

void isotherms(const std::string& family, std::span<const int> schemes, IsothermTracer tracer)
{
    register_window(family, schemes, [tracer](Canvas& dc) {
        current_isotherm_tracer = tracer;
        isotherm_window(isotherm_start, 40, nullptr, dc, 0, 0);
    });
}

}  // namespace

void register_heat_windows()
{
    for (int s : every_scheme) {
        register_window("thermal_cycle", std::span<const int>(&s, 1), [record = thermal_cycle_start_record(s)](Canvas& dc) {
            current_model.cycle_routine(record.data(), 50, nullptr, dc, 0, 0);
            current_model.cycle_routine(record.data(), 50, nullptr, dc, 1, 0);
        });
    }
    register_window("cooling_rate", point_schemes, [](Canvas& dc) {
        cooling_rate_window(velocity_start, 50, nullptr, dc, 0, 0);
    });
    isotherms("isotherms_xy", point_schemes, trace_isotherm_xy);
    isotherms("isotherms_yz", section_schemes, trace_isotherm_yz);
    isotherms("isotherms_xz", section_schemes, trace_isotherm_xz);
}
