// Installing schemes into the current model.
#include <gtest/gtest.h>

#include "heatsource.h"
#include "scheme_views.h"
#include "temperature_windows.h"

namespace {

// Stand-ins that mark what the previous scheme left in the slots.
double old_temperature(double, double, double) { return -1; }
double old_power() { return -2; }
double old_thickness() { return -3; }
void old_set_regime(double, double, double, double) {}
void old_draw_panel(Canvas&, Rect, int, int, int, int) {}
void old_cycle(const double*, int, Window*, Canvas&, int, int) {}
void old_oscillation_point(const double*) {}
void old_oscillation_limits(int&, double&, double&, double&, double&) {}
void old_pulse_window(double&, double&) {}
double old_pulse_temperature(double, double, double, double) { return -4; }

HeatSourceModel previous_scheme()
{
    HeatSourceModel m;
    m.temperature = old_temperature;
    m.power = old_power;
    m.thickness = old_thickness;
    m.set_regime = old_set_regime;
    m.draw_panel = old_draw_panel;
    m.cycle_routine = old_cycle;
    m.set_oscillation_point = old_oscillation_point;
    m.oscillation_limits = old_oscillation_limits;
    m.pulse_time_window = old_pulse_window;
    m.pulse_temperature = old_pulse_temperature;
    return m;
}

struct Installed {
    int n;
    HeatSourceModel own;
};

const Installed quasi_stationary[] = {
    {1, {ppr1_set_data, ppr1_prepare, ppr1_temperature, ppr1_velocity, ppr1_power, ppr1_thickness,
         ppr1_set_regime, ppr1_initial_temperature, ppr1_depth_range, ppr1_width_range,
         ppr1_summary, ppr1_caption}},
    {2, {ppr2_set_data, ppr2_prepare, ppr2_temperature, ppr2_velocity, ppr2_power, ppr2_thickness,
         ppr2_set_regime, ppr2_initial_temperature, ppr2_depth_range, ppr2_width_range,
         ppr2_summary, ppr2_caption}},
    {3, {ppr3_set_data, ppr3_prepare, ppr3_temperature, ppr3_velocity, ppr3_power, ppr3_thickness,
         ppr3_set_regime, ppr3_initial_temperature, ppr3_depth_range, ppr3_width_range,
         ppr3_summary, ppr3_caption}},
    {4, {ppr4_set_data, ppr4_prepare, ppr4_temperature, ppr4_velocity, ppr4_power, ppr4_thickness,
         ppr4_set_regime, ppr4_initial_temperature, ppr4_depth_range, ppr4_width_range,
         ppr4_summary, ppr4_caption}},
    {5, {ppr5_set_data, ppr5_prepare, ppr5_temperature, ppr5_velocity, ppr5_power, ppr5_thickness,
         ppr5_set_regime, ppr5_initial_temperature, ppr5_depth_range, ppr5_width_range,
         ppr5_summary, ppr5_caption}},
    {6, {ppr9_set_data, ppr9_prepare, ppr9_temperature, ppr9_velocity, ppr9_power, ppr9_thickness,
         ppr9_set_regime, ppr9_initial_temperature, ppr9_depth_range, ppr9_width_range,
         ppr9_summary, ppr9_caption}},
    {9, {ppr14_set_data, ppr14_prepare, ppr14_temperature, ppr14_velocity, ppr14_power,
         ppr14_thickness, ppr14_set_regime, ppr14_initial_temperature, ppr14_depth_range,
         ppr14_width_range, ppr14_summary, ppr14_caption}},
    {10, {ppr15_set_data, ppr15_prepare, ppr15_temperature, ppr15_velocity, ppr15_power,
          ppr15_thickness, ppr15_set_regime, ppr15_initial_temperature, ppr15_depth_range,
          ppr15_width_range, ppr15_summary, ppr15_caption}},
};

class Installing : public ::testing::Test {
protected:
    void TearDown() override { current_model = {}; }
};

TEST_F(Installing, QuasiStationarySchemesWriteTheirOwnSlots)
{
    install_start_scheme();
    const WindowRoutine quasi_cycle = current_model.cycle_routine;
    for (const Installed& s : quasi_stationary) {
        current_model = previous_scheme();
        ASSERT_TRUE(install_scheme(s.n)) << s.n;
        const HeatSourceModel& m = current_model;
        EXPECT_EQ(m.set_data, s.own.set_data) << s.n;
        EXPECT_EQ(m.prepare, s.own.prepare) << s.n;
        EXPECT_EQ(m.temperature, s.own.temperature) << s.n;
        EXPECT_EQ(m.velocity, s.own.velocity) << s.n;
        EXPECT_EQ(m.power, s.own.power) << s.n;
        EXPECT_EQ(m.thickness, s.own.thickness) << s.n;
        EXPECT_EQ(m.set_regime, s.own.set_regime) << s.n;
        EXPECT_EQ(m.initial_temperature, s.own.initial_temperature) << s.n;
        EXPECT_EQ(m.depth_range, s.own.depth_range) << s.n;
        EXPECT_EQ(m.width_range, s.own.width_range) << s.n;
        EXPECT_EQ(m.summary, s.own.summary) << s.n;
        EXPECT_EQ(m.caption, s.own.caption) << s.n;
        // The scheme's own panel and the one cycle routine of these schemes.
        EXPECT_NE(m.draw_panel, old_draw_panel) << s.n;
        EXPECT_EQ(m.cycle_routine, quasi_cycle) << s.n;
        EXPECT_NE(m.cycle_routine, old_cycle) << s.n;
        // Cleared and kept.
        EXPECT_EQ(m.pulse_temperature, nullptr) << s.n;
        EXPECT_EQ(m.set_oscillation_point, old_oscillation_point) << s.n;
        EXPECT_EQ(m.oscillation_limits, old_oscillation_limits) << s.n;
        EXPECT_EQ(m.pulse_time_window, old_pulse_window) << s.n;
        EXPECT_EQ(installed_scheme(), s.n);
    }
}

// The time-domain schemes: their own operations, scheme 2's power, the
// family's cycle routine, and the slots the table keeps or clears.
struct TimeDomainRow {
    int n;
    HeatSourceModel own;      // the operations written (panel and cycle apart)
    PanelPainter panel;
    WindowRoutine cycle;
};

const TimeDomainRow time_domain[] = {
    {7,
     {.set_data = ppr10_set_data, .prepare = ppr10_prepare, .temperature = ppr10_temperature,
      .velocity = ppr10_velocity, .initial_temperature = ppr10_initial_temperature,
      .depth_range = ppr10_depth_range, .width_range = ppr10_width_range,
      .summary = ppr10_summary, .caption = ppr10_caption,
      .set_oscillation_point = ppr10_set_oscillation_point,
      .oscillation_limits = ppr10_oscillation_limits},
     ppr10_draw_panel, oscillating_thermal_cycle_window},
    {8,
     {.set_data = ppr11_set_data, .prepare = ppr11_prepare, .temperature = ppr11_temperature,
      .velocity = ppr11_velocity, .initial_temperature = ppr11_initial_temperature,
      .depth_range = ppr11_depth_range, .width_range = ppr11_width_range,
      .summary = ppr11_summary, .caption = ppr11_caption,
      .set_oscillation_point = ppr11_set_oscillation_point,
      .oscillation_limits = ppr11_oscillation_limits},
     ppr11_draw_panel, oscillating_thermal_cycle_window},
    {11,
     {.set_data = rom1_set_data, .prepare = rom1_prepare, .velocity = rom1_velocity,
      .initial_temperature = rom1_initial_temperature, .depth_range = rom1_depth_range,
      .width_range = rom1_width_range, .summary = rom1_summary, .caption = rom1_caption,
      .pulse_time_window = rom1_pulse_time_window, .pulse_temperature = rom1_pulse_temperature},
     rom1_draw_panel, pulse_thermal_cycle_window},
    {12,
     {.set_data = rom2_set_data, .prepare = rom2_prepare, .velocity = rom2_velocity,
      .initial_temperature = rom2_initial_temperature, .depth_range = rom2_depth_range,
      .width_range = rom1_width_range, .summary = rom2_summary, .caption = rom2_caption,
      .pulse_time_window = rom2_pulse_time_window, .pulse_temperature = rom2_pulse_temperature},
     rom2_draw_panel, pulse_thermal_cycle_window},
    {13,
     {.set_data = rom3_set_data, .prepare = rom3_prepare, .velocity = rom3_velocity,
      .initial_temperature = rom3_initial_temperature, .depth_range = rom3_depth_range,
      .width_range = rom3_width_range, .summary = rom3_summary, .caption = rom3_caption,
      .pulse_time_window = rom3_pulse_time_window, .pulse_temperature = rom3_pulse_temperature},
     rom3_draw_panel, pulse_thermal_cycle_window},
    {14,
     {.set_data = comp_set_data, .prepare = comp_prepare, .temperature = comp_temperature,
      .velocity = comp_velocity, .initial_temperature = comp_initial_temperature,
      .depth_range = comp_depth_range, .width_range = comp_width_range,
      .summary = comp_summary, .caption = comp_caption},
     comp_draw_panel, composite_thermal_cycle_window},
};

TEST_F(Installing, TimeDomainSchemesFollowTheTable)
{
    for (const TimeDomainRow& s : time_domain) {
        current_model = previous_scheme();
        ASSERT_TRUE(install_scheme(s.n)) << s.n;
        const HeatSourceModel& m = current_model;
        const bool oscillating = s.n == 7 || s.n == 8;
        const bool pulsed = s.n >= 11 && s.n <= 13;
        // Own.
        EXPECT_EQ(m.set_data, s.own.set_data) << s.n;
        EXPECT_EQ(m.prepare, s.own.prepare) << s.n;
        EXPECT_EQ(m.velocity, s.own.velocity) << s.n;
        EXPECT_EQ(m.initial_temperature, s.own.initial_temperature) << s.n;
        EXPECT_EQ(m.depth_range, s.own.depth_range) << s.n;
        EXPECT_EQ(m.width_range, s.own.width_range) << s.n;   // scheme 12: scheme 11's
        EXPECT_EQ(m.summary, s.own.summary) << s.n;
        EXPECT_EQ(m.caption, s.own.caption) << s.n;
        EXPECT_EQ(m.draw_panel, s.panel) << s.n;
        EXPECT_EQ(m.cycle_routine, s.cycle) << s.n;
        // Scheme 2's power.
        EXPECT_EQ(m.power, ppr2_power) << s.n;
        // Temperature or pulse temperature, the other one cleared.
        if (pulsed) {
            EXPECT_EQ(m.temperature, nullptr) << s.n;
            EXPECT_EQ(m.pulse_temperature, s.own.pulse_temperature) << s.n;
            EXPECT_EQ(m.pulse_time_window, s.own.pulse_time_window) << s.n;
        } else {
            EXPECT_EQ(m.temperature, s.own.temperature) << s.n;
            EXPECT_EQ(m.pulse_temperature, nullptr) << s.n;
            EXPECT_EQ(m.pulse_time_window, old_pulse_window) << s.n;
        }
        if (oscillating) {
            EXPECT_EQ(m.set_oscillation_point, s.own.set_oscillation_point) << s.n;
            EXPECT_EQ(m.oscillation_limits, s.own.oscillation_limits) << s.n;
        } else {
            EXPECT_EQ(m.set_oscillation_point, old_oscillation_point) << s.n;
            EXPECT_EQ(m.oscillation_limits, old_oscillation_limits) << s.n;
        }
        // Kept.
        EXPECT_EQ(m.thickness, old_thickness) << s.n;
        EXPECT_EQ(m.set_regime, old_set_regime) << s.n;
        EXPECT_EQ(installed_scheme(), s.n);
    }
}

TEST_F(Installing, OscillatingPlateAfterThinPlateKeepsItsThicknessAndRegime)
{
    install_scheme(1);
    install_scheme(7);
    EXPECT_EQ(current_model.thickness, ppr1_thickness);
    EXPECT_EQ(current_model.set_regime, ppr1_set_regime);
    EXPECT_EQ(current_model.temperature, ppr10_temperature);
    EXPECT_EQ(installed_scheme(), 7);
}

TEST_F(Installing, ThinPlateAfterPulsedBodyClearsThePulseTemperature)
{
    install_scheme(11);
    EXPECT_EQ(installed_scheme(), 11);
    install_scheme(1);
    EXPECT_EQ(current_model.pulse_temperature, nullptr);
    EXPECT_EQ(current_model.temperature, ppr1_temperature);
    EXPECT_EQ(installed_scheme(), 1);
    // The pulse window of scheme 11 stays behind, as the table keeps it.
    EXPECT_EQ(current_model.pulse_time_window, rom1_pulse_time_window);
}

// The power the windows read with a pulsed plate installed is scheme 2's,
// not the plate's pulse powers.
TEST_F(Installing, PulsedPlateReportsSchemeTwosPower)
{
    scheme_state.ppr2.parameters = {};
    scheme_state.rom2.parameters = {};
    install_scheme(12);
    EXPECT_EQ(current_model.power(), 4500);
    scheme_state.ppr2.parameters.q = 777;
    EXPECT_EQ(current_model.power(), 777);
    scheme_state.ppr2.parameters = {};
}

TEST_F(Installing, UnknownSchemeChangesNothing)
{
    for (int n : {0, -1, 15, 100}) {
        current_model = previous_scheme();
        EXPECT_FALSE(install_scheme(n)) << n;
        EXPECT_EQ(current_model.temperature, old_temperature) << n;
        EXPECT_EQ(current_model.power, old_power) << n;
        EXPECT_EQ(current_model.draw_panel, old_draw_panel) << n;
    }
}

TEST_F(Installing, StartUpInstallsSchemeTwo)
{
    current_model = {};
    EXPECT_EQ(installed_scheme(), 0);
    install_start_scheme();
    EXPECT_EQ(installed_scheme(), 2);
    const HeatSourceModel& m = current_model;
    EXPECT_EQ(m.set_data, ppr2_set_data);
    EXPECT_EQ(m.prepare, ppr2_prepare);
    EXPECT_EQ(m.temperature, ppr2_temperature);
    EXPECT_EQ(m.velocity, ppr2_velocity);
    EXPECT_EQ(m.power, ppr2_power);
    EXPECT_EQ(m.thickness, ppr2_thickness);
    EXPECT_EQ(m.set_regime, ppr2_set_regime);
    EXPECT_EQ(m.initial_temperature, ppr2_initial_temperature);
    EXPECT_EQ(m.depth_range, ppr2_depth_range);
    EXPECT_EQ(m.width_range, ppr2_width_range);
    EXPECT_EQ(m.summary, ppr2_summary);
    EXPECT_EQ(m.caption, ppr2_caption);
    EXPECT_EQ(m.pulse_temperature, nullptr);
    EXPECT_EQ(m.set_oscillation_point, nullptr);
    EXPECT_EQ(m.oscillation_limits, nullptr);
    EXPECT_EQ(m.pulse_time_window, nullptr);

    // Start-up and installing scheme 2 from the chooser agree.
    HeatSourceModel at_start = current_model;
    current_model = {};
    install_scheme(2);
    EXPECT_EQ(current_model.draw_panel, at_start.draw_panel);
    EXPECT_EQ(current_model.cycle_routine, at_start.cycle_routine);

    // The window's creation writes the same functions again, except the
    // thickness, regime, depth range and panel.
    current_model = previous_scheme();
    reinstall_start_scheme();
    EXPECT_EQ(current_model.temperature, ppr2_temperature);
    EXPECT_EQ(current_model.power, ppr2_power);
    EXPECT_EQ(current_model.cycle_routine, at_start.cycle_routine);
    EXPECT_EQ(current_model.thickness, old_thickness);
    EXPECT_EQ(current_model.set_regime, old_set_regime);
    EXPECT_EQ(current_model.draw_panel, old_draw_panel);
}

TEST_F(Installing, PickingSchemeOneAfterAPulsedSourceClearsIt)
{
    current_model = previous_scheme();
    current_model.temperature = nullptr;
    install_scheme(1);
    EXPECT_EQ(current_model.pulse_temperature, nullptr);
    EXPECT_EQ(current_model.temperature, ppr1_temperature);
}

// Installing never resets a block: returning to a scheme finds what was
// entered for it, and the data of the scheme in between are kept as well.
TEST_F(Installing, ReturningToASchemeKeepsItsValues)
{
    scheme_state.ppr1.parameters = {};
    scheme_state.ppr4.parameters = {};
    install_scheme(1);
    const double entered[] = {0.4, 0.5, 7.9, 100, 0.25, 1.5, 0.01, 3000};
    current_model.set_data(entered);
    install_scheme(4);
    const double other[] = {0.3, 0.628, 7.8, 20.0, 0.1, 0.6, 0.0008, 16., 4.0, 4500.0};
    current_model.set_data(other);
    install_scheme(1);
    current_model.prepare();
    EXPECT_EQ(current_model.velocity(), 0.25);
    EXPECT_EQ(current_model.power(), 3000);
    EXPECT_EQ(current_model.thickness(), 1.5);
    EXPECT_EQ(current_model.initial_temperature(), 100);
    EXPECT_EQ(scheme_state.ppr1.parameters.alpha, 0.01);
    EXPECT_EQ(scheme_state.ppr4.parameters.q, 4500.0);
    install_scheme(4);
    EXPECT_EQ(current_model.power(), 4500.0);
    scheme_state.ppr1.parameters = {};
    scheme_state.ppr4.parameters = {};
}

// The sweep protocol: save, set at each step, restore.
TEST_F(Installing, RegimeSweepRestores)
{
    scheme_state.ppr3.parameters = {};
    install_scheme(3);
    current_model.prepare();
    double before = current_model.temperature(-2, 0.5, 0);
    double v = current_model.velocity(), q = current_model.power();
    double T0 = current_model.initial_temperature(), d = current_model.thickness();
    current_model.set_regime(0.2, 6000, 100, 2);
    current_model.prepare();
    EXPECT_EQ(current_model.thickness(), 2);
    EXPECT_NE(current_model.temperature(-2, 0.5, 0), before);
    current_model.set_regime(v, q, T0, d);
    current_model.prepare();
    EXPECT_EQ(current_model.temperature(-2, 0.5, 0), before);
    scheme_state.ppr3.parameters = {};
}

}  // namespace
