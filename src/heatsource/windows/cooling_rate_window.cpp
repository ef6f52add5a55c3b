// Cooling time and mean cooling rate between two temperatures at a point,
// shown as text with the scheme's summary and written to "velocity.txt".
#include <cmath>
#include <string>
#include <vector>

#include "cooling_reports.h"
#include "file_write.h"
#include "numfmt.h"
#include "temperature_window_support.h"
#include "solvers.h"
#include "temperature_windows.h"

namespace {

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

bool compute(const double* params, Window* window) {
    if (!current_model.temperature || !current_model.velocity) return false;
    const double y = params[point_y];
    const double z = params[point_z];
    // The cooling time of a point outside the metal would be the field's
    // value where there is no metal: the window names the coordinate and
    // its range instead, and keeps its last result.
    const BodyExtent body = body_extent_at(y);
    if (const PointPlace place = place_of_point(body, y, z); place != PointPlace::inside) {
        report_point_outside(window, place, body, y, z);
        return false;
    }
    const CoolingTime c = cooling_time_at_point(y, z, params[point_t_from], params[point_t_to]);
    switch (c.status) {
    case CoolingStatus::reached: break;
    case CoolingStatus::speed_not_positive: check_welding_speed(window, c.v); return false;
    default:
        // The peak below the interval in the window's own words; any other
        // reason in the words every window uses; then the fault text.
        show_window_message(window, cooling_failure_text(c, y, z), message_caption);
        show_window_message(window, fault_text, message_caption);
        return false;
    }
    const double T_from = c.T_from;
    const double T_to = c.T_to;
    const double v = c.v;
    const double x1 = c.x_from;
    const double x2 = c.x_to;
    // Signed as the window has always shown it: negative while the metal
    // cools, the sign of (T_from - T_to) / (x2 - x1) for an upside-down
    // interval. The procedure guarantees x1 != x2.
    const double rate = (T_from - T_to) * v / (x2 - x1);
    const double time = c.time;
    // The cooling time stops its peak search once the interval is reached;
    // the window keeps the top itself.
    const Peak top = find_peak(y, z);
    const double x_peak = top.x;
    const double T_max = top.T;

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

// The text as rows no wider than `room` in the selected font, broken at
// blanks; a word wider than the room stands alone in its row.
std::vector<std::string> broken_at_blanks(Canvas& dc, const std::string& text, int room) {
    if (dc.text_extent(text).cx <= room) return {text};
    std::vector<std::string> rows;
    std::string row;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at + 1);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        if (!row.empty() && dc.text_extent(row + word).cx > room) {
            rows.push_back(row);
            const std::size_t first = word.find_first_not_of(' ');
            row = first == std::string::npos ? std::string() : word.substr(first);
        } else {
            row += word;
        }
        at = end;
    }
    if (!row.empty()) rows.push_back(row);
    return rows;
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
    // The four lines stand in rows B + h to B + 4h. A line wider than the
    // window (the scheme's summary in a narrow window, or on a page) breaks
    // at blanks, and the rows above it move up by the rows it takes, so the
    // block keeps its bottom and nothing runs past the frame.
    std::vector<std::string> rows;
    for (const std::string& line : {stored.line_a, stored.line_b, std::string(line1), std::string(line2)})
        for (std::string& row : broken_at_blanks(dc, line, r.right - L - (L - r.left))) rows.push_back(std::move(row));
    // The rows are one cell apart, and on a page the descenders of this face
    // reach a row below the cell: an opaque cell would blank them.
    dc.set_background_mode(BackgroundMode::transparent);
    int y = B + (5 - static_cast<int>(rows.size())) * h;
    for (const std::string& row : rows) {
        dc.text_out(L, y, row);
        y += h;
    }
    dc.set_background_mode(BackgroundMode::opaque);
    const int title_x = r.left + 2 * (L - r.left);
    select_fitting_font(dc, title, H, title_x, r.right);
    dc.text_out(title_x, r.top + 3, title);
    dc.set_text_color(remembered);

    // The file follows every drawing, with the summary of the scheme
    // installed now; before the first result there is nothing to write. A
    // failed or refused write leaves the earlier file as it was.
    if (!stored.valid) return;
    const std::string contents = cformat("%g", stored.rate) + "\n" + stored.line_a + "\n" + stored.line_b + "\n" +
                                 line1 + "\n" + line2;
    const WriteOutcome w = write_file_whole(cooling_rate_file_name, contents);
    if (!w.ok) show_window_message(window, w.message, message_caption);
}

}  // namespace

void cooling_rate_window(const double* params, int /*steps*/, Window* window, Canvas& dc,
                         int phase, int print_flag) {
    if (phase == 0) {
        if (!params) return;
        if (!compute(params, window)) return;
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
