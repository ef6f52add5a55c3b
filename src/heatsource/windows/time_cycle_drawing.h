// What the thermal-cycle windows of the time-domain schemes (oscillating,
// pulsed, composite) share: their stored samples, the axes built from them,
// and the one picture they all draw, which differs only in a few details.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "model.h"
#include "schemes.h"
#include "lang.h"
#include "temperature_windows.h"
#include "temperature_window_support.h"

// Hotter samples are shown at the cycles' cap.
inline constexpr double time_cycle_clip_temperature = cycle_clip_temperature;

// A sample as stored: capped at the clip temperature; a value that is not a
// number, or minus infinity, is kept as "not a number", which the extent
// passes over and the curve leaves out.
double stored_cycle_temperature(double T);

// The samples 0..steps of the last computation; both vectors hold steps + 1
// values (none before the first computation).
struct TimeCycleSamples {
    int steps = 0;
    std::vector<double> time;
    std::vector<double> temp;
};

// The progress dialog of a computation, opened on construction and closed
// on every way out, so that the main window is always repainted.
class ProgressDialogScope {
public:
    explicit ProgressDialogScope(Window* owner);
    ~ProgressDialogScope();
    ProgressDialogScope(const ProgressDialogScope&) = delete;
    ProgressDialogScope& operator=(const ProgressDialogScope&) = delete;
    // The value of sample i of n: 10 plus the completed per cent, truncated
    // (8, 10, 12, ... 108 for n = 50).
    static void sample_done(int i, int n);
};

// The samples a computation could not draw, counted by the reason their
// scheme gave (last_field_gap) and reported once, when the window is
// computed: a message, and a gap in the curve.
class TimeCycleGaps {
public:
    // Called with each sample's temperature as the scheme gave it, on the
    // thread that computed it (or with the reason that thread had).
    void sample(double T);
    void sample(double T, FieldGap why);
    // The message, empty when every sample has a value.
    std::string message() const;
    // Shows the message, if any, in a box owned by the window.
    void report(Window* window) const;

private:
    int points_ = 0;
    int counts_[5] = {};   // by FieldGap
};

// The number of intervals a computation uses: at least 1, never more than
// the arrays can sensibly hold.
int time_cycle_steps(int steps);

struct TimeCycleAxes {
    double x_min = 0, x_max = 0, y_min = 0, y_max = 0;
    int nx = 5, ny = 5;
    double x_ticks[16] = {};
    double y_ticks[16] = {};
};

// The extent of every sample (the last one included, so the whole curve lies
// inside the frame) and the ticks, five wished per axis. A temperature span
// below min_span (or none at all) becomes 25 °C from the minimum; a time span
// of zero becomes one second. False when no sample is usable.
bool build_time_cycle_axes(const TimeCycleSamples& s, double min_span, TimeCycleAxes& a);

// The details in which the three pictures differ.
struct TimeCycleLook {
    bool blue_frame = true;                  // else the frame uses the dc's pen
    int tick = 2;                            // tick length of both axes, pixels
    const Text5* point_caption = nullptr;    // "%g" twice: y and z
    Rgb temperature_title_color{128, 128, 128};
    bool temperature_title_with_zero = true; // its width measured with the terminating zero
};

// Draws the picture of stored samples: frame, grid, curve, axes, the scheme's
// title and panel, the point caption and the axis titles. The frame is the
// client rectangle on the screen and the printer's plot rectangle on paper.
void draw_time_cycle(Window* window, Canvas& dc, int print_flag, const TimeCycleSamples& s,
                     double y, double z, double min_span, const TimeCycleLook& look);

// The point caption of the pulsed and composite windows ("%g" for y and z).
const Text5& time_cycle_point_caption();

// Fills the samples and the axes' extent of a result.
void fill_time_cycle_result(TimeCycleResult& r, const TimeCycleSamples& s, double min_span);
