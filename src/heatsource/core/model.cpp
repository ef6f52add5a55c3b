// The current heat-source model and the installation of a scheme into it.
#include "heatsource.h"
#include "temperature_windows.h"

thread_local HeatSourceModel current_model;

namespace {

// The parameter panel of each scheme, by scheme number.
const PanelPainter scheme_panels[15] = {
    nullptr,
    /* 1 */ ppr1_draw_panel,
    /* 2 */ ppr2_draw_panel,
    /* 3 */ ppr3_draw_panel,
    /* 4 */ ppr4_draw_panel,
    /* 5 */ ppr5_draw_panel,
    /* 6 */ ppr9_draw_panel,
    /* 7 */ ppr10_draw_panel,
    /* 8 */ ppr11_draw_panel,
    /* 9 */ ppr14_draw_panel,
    /* 10 */ ppr15_draw_panel,
    /* 11 */ rom1_draw_panel,
    /* 12 */ rom2_draw_panel,
    /* 13 */ rom3_draw_panel,
    /* 14 */ comp_draw_panel,
};

// The thermal-cycle routine of each family of schemes.
const WindowRoutine quasi_stationary_cycle = thermal_cycle_window;
const WindowRoutine oscillating_cycle = oscillating_thermal_cycle_window;
const WindowRoutine pulsed_cycle = pulse_thermal_cycle_window;
const WindowRoutine composite_cycle = composite_thermal_cycle_window;

// Families of schemes, by the columns of the installation table.
enum class Family { quasi_stationary, oscillating, pulsed, composite };

struct SchemeEntry {
    int number;
    Family family;
    HeatSourceModel own;   // the module's own operations; panel and cycle come from above
};

// Each scheme's own operations. The time-domain schemes have no power of
// their own (scheme 2's is installed), nor thickness or regime (kept); the
// pulsed ones have a pulse temperature in place of a temperature.
const SchemeEntry schemes[] = {
    {1, Family::quasi_stationary,
     {.set_data = ppr1_set_data, .prepare = ppr1_prepare, .temperature = ppr1_temperature,
      .velocity = ppr1_velocity, .power = ppr1_power, .thickness = ppr1_thickness,
      .set_regime = ppr1_set_regime, .initial_temperature = ppr1_initial_temperature,
      .depth_range = ppr1_depth_range, .width_range = ppr1_width_range,
      .summary = ppr1_summary, .caption = ppr1_caption}},
    {2, Family::quasi_stationary,
     {.set_data = ppr2_set_data, .prepare = ppr2_prepare, .temperature = ppr2_temperature,
      .velocity = ppr2_velocity, .power = ppr2_power, .thickness = ppr2_thickness,
      .set_regime = ppr2_set_regime, .initial_temperature = ppr2_initial_temperature,
      .depth_range = ppr2_depth_range, .width_range = ppr2_width_range,
      .summary = ppr2_summary, .caption = ppr2_caption}},
    {3, Family::quasi_stationary,
     {.set_data = ppr3_set_data, .prepare = ppr3_prepare, .temperature = ppr3_temperature,
      .velocity = ppr3_velocity, .power = ppr3_power, .thickness = ppr3_thickness,
      .set_regime = ppr3_set_regime, .initial_temperature = ppr3_initial_temperature,
      .depth_range = ppr3_depth_range, .width_range = ppr3_width_range,
      .summary = ppr3_summary, .caption = ppr3_caption}},
    {4, Family::quasi_stationary,
     {.set_data = ppr4_set_data, .prepare = ppr4_prepare, .temperature = ppr4_temperature,
      .velocity = ppr4_velocity, .power = ppr4_power, .thickness = ppr4_thickness,
      .set_regime = ppr4_set_regime, .initial_temperature = ppr4_initial_temperature,
      .depth_range = ppr4_depth_range, .width_range = ppr4_width_range,
      .summary = ppr4_summary, .caption = ppr4_caption}},
    {5, Family::quasi_stationary,
     {.set_data = ppr5_set_data, .prepare = ppr5_prepare, .temperature = ppr5_temperature,
      .velocity = ppr5_velocity, .power = ppr5_power, .thickness = ppr5_thickness,
      .set_regime = ppr5_set_regime, .initial_temperature = ppr5_initial_temperature,
      .depth_range = ppr5_depth_range, .width_range = ppr5_width_range,
      .summary = ppr5_summary, .caption = ppr5_caption}},
    {6, Family::quasi_stationary,
     {.set_data = ppr9_set_data, .prepare = ppr9_prepare, .temperature = ppr9_temperature,
      .velocity = ppr9_velocity, .power = ppr9_power, .thickness = ppr9_thickness,
      .set_regime = ppr9_set_regime, .initial_temperature = ppr9_initial_temperature,
      .depth_range = ppr9_depth_range, .width_range = ppr9_width_range,
      .summary = ppr9_summary, .caption = ppr9_caption}},
    {9, Family::quasi_stationary,
     {.set_data = ppr14_set_data, .prepare = ppr14_prepare, .temperature = ppr14_temperature,
      .velocity = ppr14_velocity, .power = ppr14_power, .thickness = ppr14_thickness,
      .set_regime = ppr14_set_regime, .initial_temperature = ppr14_initial_temperature,
      .depth_range = ppr14_depth_range, .width_range = ppr14_width_range,
      .summary = ppr14_summary, .caption = ppr14_caption}},
    {10, Family::quasi_stationary,
     {.set_data = ppr15_set_data, .prepare = ppr15_prepare, .temperature = ppr15_temperature,
      .velocity = ppr15_velocity, .power = ppr15_power, .thickness = ppr15_thickness,
      .set_regime = ppr15_set_regime, .initial_temperature = ppr15_initial_temperature,
      .depth_range = ppr15_depth_range, .width_range = ppr15_width_range,
      .summary = ppr15_summary, .caption = ppr15_caption}},
    {7, Family::oscillating,
     {.set_data = ppr10_set_data, .prepare = ppr10_prepare, .temperature = ppr10_temperature,
      .velocity = ppr10_velocity, .initial_temperature = ppr10_initial_temperature,
      .depth_range = ppr10_depth_range, .width_range = ppr10_width_range,
      .summary = ppr10_summary, .caption = ppr10_caption,
      .set_oscillation_point = ppr10_set_oscillation_point,
      .oscillation_limits = ppr10_oscillation_limits}},
    {8, Family::oscillating,
     {.set_data = ppr11_set_data, .prepare = ppr11_prepare, .temperature = ppr11_temperature,
      .velocity = ppr11_velocity, .initial_temperature = ppr11_initial_temperature,
      .depth_range = ppr11_depth_range, .width_range = ppr11_width_range,
      .summary = ppr11_summary, .caption = ppr11_caption,
      .set_oscillation_point = ppr11_set_oscillation_point,
      .oscillation_limits = ppr11_oscillation_limits}},
    {11, Family::pulsed,
     {.set_data = rom1_set_data, .prepare = rom1_prepare, .velocity = rom1_velocity,
      .initial_temperature = rom1_initial_temperature, .depth_range = rom1_depth_range,
      .width_range = rom1_width_range, .summary = rom1_summary, .caption = rom1_caption,
      .pulse_time_window = rom1_pulse_time_window,
      .pulse_temperature = rom1_pulse_temperature}},
    {12, Family::pulsed,
     {.set_data = rom2_set_data, .prepare = rom2_prepare, .velocity = rom2_velocity,
      .initial_temperature = rom2_initial_temperature, .depth_range = rom2_depth_range,
      .width_range = rom1_width_range,   // scheme 11's
      .summary = rom2_summary, .caption = rom2_caption,
      .pulse_time_window = rom2_pulse_time_window,
      .pulse_temperature = rom2_pulse_temperature}},
    {13, Family::pulsed,
     {.set_data = rom3_set_data, .prepare = rom3_prepare, .velocity = rom3_velocity,
      .initial_temperature = rom3_initial_temperature, .depth_range = rom3_depth_range,
      .width_range = rom3_width_range, .summary = rom3_summary, .caption = rom3_caption,
      .pulse_time_window = rom3_pulse_time_window,
      .pulse_temperature = rom3_pulse_temperature}},
    {14, Family::composite,
     {.set_data = comp_set_data, .prepare = comp_prepare, .temperature = comp_temperature,
      .velocity = comp_velocity, .initial_temperature = comp_initial_temperature,
      .depth_range = comp_depth_range, .width_range = comp_width_range,
      .summary = comp_summary, .caption = comp_caption}},
};

const SchemeEntry* find_scheme(int n)
{
    for (const SchemeEntry& entry : schemes)
        if (entry.number == n) return &entry;
    return nullptr;
}

WindowRoutine cycle_of(Family family)
{
    switch (family) {
    case Family::quasi_stationary: return quasi_stationary_cycle;
    case Family::oscillating: return oscillating_cycle;
    case Family::pulsed: return pulsed_cycle;
    case Family::composite: return composite_cycle;
    }
    return nullptr;
}

}  // namespace

bool install_scheme(int n)
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
    m.summary = own.summary;
    m.caption = own.caption;
    m.draw_panel = scheme_panels[n];
    m.cycle_routine = cycle_of(entry->family);

    switch (entry->family) {
    case Family::quasi_stationary:
        m.temperature = own.temperature;
        m.pulse_temperature = nullptr;
        m.power = own.power;
        m.thickness = own.thickness;
        m.set_regime = own.set_regime;
        break;   // oscillation and pulse slots kept
    case Family::oscillating:
        m.temperature = own.temperature;
        m.pulse_temperature = nullptr;
        m.power = ppr2_power;
        m.set_oscillation_point = own.set_oscillation_point;
        m.oscillation_limits = own.oscillation_limits;
        break;   // thickness, regime and pulse window kept
    case Family::pulsed:
        m.temperature = nullptr;
        m.pulse_temperature = own.pulse_temperature;
        m.power = ppr2_power;
        m.pulse_time_window = own.pulse_time_window;
        break;   // thickness, regime and oscillation slots kept
    case Family::composite:
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
        if (entry.family == Family::pulsed) {
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

void install_start_scheme()
{
    reinstall_start_scheme();
    HeatSourceModel& m = current_model;
    m.thickness = ppr2_thickness;
    m.set_regime = ppr2_set_regime;
    m.depth_range = ppr2_depth_range;
    m.draw_panel = scheme_panels[2];
}

void reinstall_start_scheme()
{
    HeatSourceModel& m = current_model;
    m.set_data = ppr2_set_data;
    m.prepare = ppr2_prepare;
    m.temperature = ppr2_temperature;
    m.velocity = ppr2_velocity;
    m.power = ppr2_power;
    m.initial_temperature = ppr2_initial_temperature;
    m.width_range = ppr2_width_range;
    m.summary = ppr2_summary;
    m.caption = ppr2_caption;
    m.cycle_routine = quasi_stationary_cycle;
}
