// Cooling time and mean cooling rate between two temperatures at a point,
// shown as text with the scheme's summary and written to "velocity.txt".
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "numfmt.h"
#include "temperature_window_support.h"
#include "temperature_windows.h"

namespace {

// The crossings are searched no further behind the source than this (cm); a
// crossing found there means the point does not cool that far.
constexpr double rear_search_end = -8000;

struct RateStore {
    int valid = 0;
    double y = 0, z = 0, T_from = 0, T_to = 0, v = 0;
    double x_peak = 0, T_max = 0, x1 = 0, x2 = 0;
    double rate = 0, time = 0;
    std::string line_a, line_b;
};
RateStore stored;

const char* const message_caption = "  Message!";
const char* const fault_text = "You are fault with temperature ... ";

// The file is written beside a temporary copy and renamed over the old one,
// so a failed write never leaves a shortened file behind.
bool write_rate_file(const std::string& contents, std::string& error) {
    const std::string target = cooling_rate_file_name;
    const std::string temporary = target + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "w");
    if (!f) {
        error = std::strerror(errno);
        return false;
    }
    const bool written = std::fputs(contents.c_str(), f) >= 0;
    int saved = errno;
    const bool closed = std::fclose(f) == 0;
    if (!closed && written) saved = errno;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        error = std::strerror(saved);
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool compute(const double* params, Window* window, std::string& summary1, std::string& summary2) {
    if (!current_model.temperature || !current_model.velocity) return false;
    if (current_model.prepare) current_model.prepare();
    const double y = params[point_y];
    const double z = params[point_z];
    double T_from = params[point_t_from];
    const double T_to = params[point_t_to];
    const double v = current_model.velocity();
    if (!check_welding_speed(window, v)) return false;

    const double x_peak = find_peak_position(y, z);
    const double T_max = current_model.temperature(x_peak, y, z);
    if (!(T_max >= T_to) || !(T_max >= T_from)) {   // a NaN peak reaches nothing either
        show_window_message(window,
                            cformat("Maximum temperature=%g at y=%.5g z=%.5g [cm]", T_max, y, z),
                            message_caption);
        show_window_message(window, fault_text, message_caption);
        return false;
    }
    if (T_from == T_to) T_from = 1.01 * T_from;

    const double x1 = find_rear_crossing(y, z, x_peak, T_from);
    const double x2 = find_rear_crossing(y, z, x_peak, T_to);
    // A crossing at the end of the search means the point never cools that
    // far (an interval below the initial temperature, say); coinciding
    // crossings leave no interval to divide by. Neither gives a number.
    if (x1 <= rear_search_end || x2 <= rear_search_end) {
        const double unreached = x1 <= rear_search_end ? T_from : T_to;
        show_window_message(
            window,
            cformat("The point (y=%.5g z=%.5g [cm]) does not cool to %g [C deg.] within %g cm "
                    "behind the source",
                    y, z, unreached, -rear_search_end),
            message_caption);
        show_window_message(window, fault_text, message_caption);
        return false;
    }
    if (x1 == x2) {
        show_window_message(
            window,
            cformat("The temperatures %g and %g [C deg.] are passed at the same place x=%g [cm]",
                    T_from, T_to, x1),
            message_caption);
        show_window_message(window, fault_text, message_caption);
        return false;
    }

    const double rate = (T_from - T_to) * v / (x2 - x1);
    const double time = std::fabs(x2 - x1) / v;

    char line1[heat_text_size] = {};
    char line2[heat_text_size] = {};
    char title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    summary1 = line1;
    summary2 = line2;

    stored.valid = 1;
    stored.y = y;
    stored.z = z;
    stored.T_from = T_from;
    stored.T_to = T_to;
    stored.v = v;
    stored.x_peak = x_peak;
    stored.T_max = T_max;
    stored.x1 = x1;
    stored.x2 = x2;
    stored.rate = rate;
    stored.time = time;
    stored.line_a = cformat("In the temperature range (%g,%g) [C deg.] at point:(y=%g, z=%g)",
                            T_from, T_to, y, z);
    stored.line_b =
        cformat("cooling rate equals to %-.3lg [C deg./sec]; cooling time=%-.3lg", rate, time);
    return true;
}

void draw(Window* window, Canvas& dc, int print_flag) {
    dc.set_background_mode(BackgroundMode::opaque);
    const Rect r = window_drawing_rect(window, dc, print_flag);
    dc.rectangle(r.left, r.top, r.right, r.bottom);
    const int H = (r.bottom - r.top) / 28;
    select_window_font(dc, H);
    const Size cell = dc.text_extent("Привет   ", true);
    const int L = r.left + cell.cx;
    const int B = r.bottom - 5 * cell.cy;
    const int h = cell.cy;

    const Rgb remembered = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    char line1[heat_text_size] = {};
    char line2[heat_text_size] = {};
    char title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    dc.text_out(L, B + h, stored.line_a);
    dc.text_out(L, B + 2 * h, stored.line_b);
    dc.text_out(L, B + 3 * h, line1);
    dc.text_out(L, B + 4 * h, line2);
    dc.text_out(r.left + 2 * (L - r.left), r.top + 3, title);
    dc.set_text_color(remembered);
}

}  // namespace

void cooling_rate_window(const double* params, int /*steps*/, Window* window, Canvas& dc,
                         int phase, int print_flag) {
    if (phase == 0) {
        if (!params) return;
        std::string summary1, summary2;
        if (!compute(params, window, summary1, summary2)) return;
        draw(window, dc, print_flag);
        const std::string contents = cformat("%g", stored.rate) + "\n" + stored.line_a + "\n" +
                                     stored.line_b + "\n" + summary1 + "\n" + summary2;
        std::string error;
        if (!write_rate_file(contents, error))
            show_window_message(
                window,
                cformat("The file %s could not be written: %s", cooling_rate_file_name,
                        error.c_str()),
                message_caption);
        return;
    }
    draw(window, dc, print_flag);
}

CoolingRateResult cooling_rate_result() {
    CoolingRateResult r;
    r.valid = stored.valid;
    r.y = stored.y;
    r.z = stored.z;
    r.T_from = stored.T_from;
    r.T_to = stored.T_to;
    r.v = stored.v;
    r.x_peak = stored.x_peak;
    r.T_max = stored.T_max;
    r.x1 = stored.x1;
    r.x2 = stored.x2;
    r.rate = stored.rate;
    r.time = stored.time;
    r.line_a = stored.line_a.c_str();
    r.line_b = stored.line_b.c_str();
    return r;
}
