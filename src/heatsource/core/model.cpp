// The current heat-source model and the installation of a scheme's
// operations into it.
#include "model.h"
#include "schemes.h"

thread_local HeatSourceModel current_model;
thread_local SchemeState scheme_state;

namespace {

struct SchemeEntry {
    int number;
    SchemeFamily family;
    HeatSourceModel own;   // the module's own operations; texts, panel and cycle come from the windows
};

// Each scheme's own operations. The time-domain schemes have no power of
// their own (scheme 2's is installed), nor thickness or regime (kept); the
// pulsed ones have a pulse temperature in place of a temperature.
const SchemeEntry schemes[] = {
    {1, SchemeFamily::quasi_stationary,
     {.set_data = ppr1_set_data, .prepare = ppr1_prepare, .temperature = ppr1_temperature,
      .velocity = ppr1_velocity, .power = ppr1_power, .thickness = ppr1_thickness,
      .set_regime = ppr1_set_regime, .initial_temperature = ppr1_initial_temperature,
      .depth_range = ppr1_depth_range, .width_range = ppr1_width_range}},
    {2, SchemeFamily::quasi_stationary,
     {.set_data = ppr2_set_data, .prepare = ppr2_prepare, .temperature = ppr2_temperature,
      .velocity = ppr2_velocity, .power = ppr2_power, .thickness = ppr2_thickness,
      .set_regime = ppr2_set_regime, .initial_temperature = ppr2_initial_temperature,
      .depth_range = ppr2_depth_range, .width_range = ppr2_width_range}},
    {3, SchemeFamily::quasi_stationary,
     {.set_data = ppr3_set_data, .prepare = ppr3_prepare, .temperature = ppr3_temperature,
      .velocity = ppr3_velocity, .power = ppr3_power, .thickness = ppr3_thickness,
      .set_regime = ppr3_set_regime, .initial_temperature = ppr3_initial_temperature,
      .depth_range = ppr3_depth_range, .width_range = ppr3_width_range}},
    {4, SchemeFamily::quasi_stationary,
     {.set_data = ppr4_set_data, .prepare = ppr4_prepare, .temperature = ppr4_temperature,
      .velocity = ppr4_velocity, .power = ppr4_power, .thickness = ppr4_thickness,
      .set_regime = ppr4_set_regime, .initial_temperature = ppr4_initial_temperature,
      .depth_range = ppr4_depth_range, .width_range = ppr4_width_range}},
    {5, SchemeFamily::quasi_stationary,
     {.set_data = ppr5_set_data, .prepare = ppr5_prepare, .temperature = ppr5_temperature,
      .velocity = ppr5_velocity, .power = ppr5_power, .thickness = ppr5_thickness,
      .set_regime = ppr5_set_regime, .initial_temperature = ppr5_initial_temperature,
      .depth_range = ppr5_depth_range, .width_range = ppr5_width_range}},
    {6, SchemeFamily::quasi_stationary,
     {.set_data = ppr9_set_data, .prepare = ppr9_prepare, .temperature = ppr9_temperature,
      .velocity = ppr9_velocity, .power = ppr9_power, .thickness = ppr9_thickness,
      .set_regime = ppr9_set_regime, .initial_temperature = ppr9_initial_temperature,
      .depth_range = ppr9_depth_range, .width_range = ppr9_width_range}},
    {9, SchemeFamily::quasi_stationary,
     {.set_data = ppr14_set_data, .prepare = ppr14_prepare, .temperature = ppr14_temperature,
      .velocity = ppr14_velocity, .power = ppr14_power, .thickness = ppr14_thickness,
      .set_regime = ppr14_set_regime, .initial_temperature = ppr14_initial_temperature,
      .depth_range = ppr14_depth_range, .width_range = ppr14_width_range}},
    {10, SchemeFamily::quasi_stationary,
     {.set_data = ppr15_set_data, .prepare = ppr15_prepare, .temperature = ppr15_temperature,
      .velocity = ppr15_velocity, .power = ppr15_power, .thickness = ppr15_thickness,
      .set_regime = ppr15_set_regime, .initial_temperature = ppr15_initial_temperature,
      .depth_range = ppr15_depth_range, .width_range = ppr15_width_range}},
    {7, SchemeFamily::oscillating,
     {.set_data = ppr10_set_data, .prepare = ppr10_prepare, .temperature = ppr10_temperature,
      .velocity = ppr10_velocity, .initial_temperature = ppr10_initial_temperature,
      .depth_range = ppr10_depth_range, .width_range = ppr10_width_range,
      .set_oscillation_point = ppr10_set_oscillation_point,
      .oscillation_limits = ppr10_oscillation_limits}},
    {8, SchemeFamily::oscillating,
     {.set_data = ppr11_set_data, .prepare = ppr11_prepare, .temperature = ppr11_temperature,
      .velocity = ppr11_velocity, .initial_temperature = ppr11_initial_temperature,
      .depth_range = ppr11_depth_range, .width_range = ppr11_width_range,
      .set_oscillation_point = ppr11_set_oscillation_point,
      .oscillation_limits = ppr11_oscillation_limits}},
    {11, SchemeFamily::pulsed,
     {.set_data = rom1_set_data, .prepare = rom1_prepare, .velocity = rom1_velocity,
      .initial_temperature = rom1_initial_temperature, .depth_range = rom1_depth_range,
      .width_range = rom1_width_range,
      .pulse_time_window = rom1_pulse_time_window,
      .pulse_temperature = rom1_pulse_temperature}},
    {12, SchemeFamily::pulsed,
     {.set_data = rom2_set_data, .prepare = rom2_prepare, .velocity = rom2_velocity,
      .initial_temperature = rom2_initial_temperature, .depth_range = rom2_depth_range,
      .width_range = rom1_width_range,   // scheme 11's
      .pulse_time_window = rom2_pulse_time_window,
      .pulse_temperature = rom2_pulse_temperature}},
    {13, SchemeFamily::pulsed,
     {.set_data = rom3_set_data, .prepare = rom3_prepare, .velocity = rom3_velocity,
      .initial_temperature = rom3_initial_temperature, .depth_range = rom3_depth_range,
      .width_range = rom3_width_range,
      .pulse_time_window = rom3_pulse_time_window,
      .pulse_temperature = rom3_pulse_temperature}},
    {14, SchemeFamily::composite,
     {.set_data = comp_set_data, .prepare = comp_prepare, .temperature = comp_temperature,
      .velocity = comp_velocity, .initial_temperature = comp_initial_temperature,
      .depth_range = comp_depth_range, .width_range = comp_width_range}},
};

const SchemeEntry* find_scheme(int n)
{
    for (const SchemeEntry& entry : schemes)
        if (entry.number == n) return &entry;
    return nullptr;
}

}  // namespace

std::optional<SchemeFamily> scheme_family(int n)
{
    const SchemeEntry* entry = find_scheme(n);
    if (entry == nullptr) return std::nullopt;
    return entry->family;
}

bool install_scheme_operations(int n)
{
    const SchemeEntry* entry = find_scheme(n);
    if (entry == nullptr) return false;
    const HeatSourceModel& own = entry->own;
    HeatSourceModel& m = current_model;

    // Written for every scheme.
    m.set_data = own.set_data;
    m.prepare = own.prepare;
    m.velocity = own.velocity;
    m.initial_temperature = own.initial_temperature;
    m.depth_range = own.depth_range;
    m.width_range = own.width_range;   // scheme 12 brings scheme 11's here

    switch (entry->family) {
    case SchemeFamily::quasi_stationary:
        m.temperature = own.temperature;
        m.pulse_temperature = nullptr;
        m.power = own.power;
        m.thickness = own.thickness;
        m.set_regime = own.set_regime;
        break;   // oscillation and pulse slots kept
    case SchemeFamily::oscillating:
        m.temperature = own.temperature;
        m.pulse_temperature = nullptr;
        m.power = ppr2_power;
        m.set_oscillation_point = own.set_oscillation_point;
        m.oscillation_limits = own.oscillation_limits;
        break;   // thickness, regime and pulse window kept
    case SchemeFamily::pulsed:
        m.temperature = nullptr;
        m.pulse_temperature = own.pulse_temperature;
        m.power = ppr2_power;
        m.pulse_time_window = own.pulse_time_window;
        break;   // thickness, regime and oscillation slots kept
    case SchemeFamily::composite:
        m.temperature = own.temperature;
        m.pulse_temperature = nullptr;
        m.power = ppr2_power;
        break;   // thickness, regime, oscillation and pulse slots kept
    }
    return true;
}

int installed_scheme()
{
    for (const SchemeEntry& entry : schemes) {
        if (entry.family == SchemeFamily::pulsed) {
            if (current_model.pulse_temperature != nullptr &&
                current_model.pulse_temperature == entry.own.pulse_temperature)
                return entry.number;
        } else if (current_model.temperature != nullptr &&
                   current_model.temperature == entry.own.temperature) {
            return entry.number;
        }
    }
    return 0;
}

void install_start_operations()
{
    reinstall_start_operations();
    HeatSourceModel& m = current_model;
    m.thickness = ppr2_thickness;
    m.set_regime = ppr2_set_regime;
    m.depth_range = ppr2_depth_range;
}

void reinstall_start_operations()
{
    HeatSourceModel& m = current_model;
    m.set_data = ppr2_set_data;
    m.prepare = ppr2_prepare;
    m.temperature = ppr2_temperature;
    m.velocity = ppr2_velocity;
    m.power = ppr2_power;
    m.initial_temperature = ppr2_initial_temperature;
    m.width_range = ppr2_width_range;
}
