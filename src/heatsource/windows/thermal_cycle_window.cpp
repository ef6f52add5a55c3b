// The thermal cycle of the quasi-stationary schemes. The field does not change
// in the frame moving with the source, so the cycle a point (y, z) goes
// through is the temperature along the line through it parallel to the weld,
// read from the front crossing of T0 + 50 °C back to the rear one, with the
// distance turned into time by the welding speed.
#include <algorithm>
#include <cmath>
#include <vector>

#include "cooling_reports.h"
#include "numfmt.h"
#include "plot.h"
#include "progress_dialog.h"
#include "temperature_window_support.h"
#include "solvers.h"
#include "temperature_windows.h"

namespace {

struct CycleStore {
    double y = 0, z = 0, v = 0, T0 = 0;
    double x_peak = 0, x_front = 0, x_rear = 0, dx = 0;
    int one_body = 1;
    double ymin = 0, ymax = 0, zmin = 0, zmax = 0;
    bool thin_plate = false;
    int steps = 0;
    std::vector<double> time;
    std::vector<double> temp;
};
CycleStore cycle;

struct CycleAxes {
    double t_min = 0, t_max = 0, T_min = 0, T_max = 0;
    int nx = 7, ny = 7;
    double time_ticks[16] = {};
    double temp_ticks[16] = {};
};

int clamp_steps(int steps) { return std::clamp(steps, 1, 100000); }

// The reasons a point has no cycle to draw, each reported once.
const Text5 never_heated_text{
    "The temperature at the point (y=%.5g z=%.5g [cm]) never rises 50 degrees above the initial "
    "%g [C deg.]: its maximum is %g",
    "Температура в точке (y=%.5g z=%.5g [cm]) не поднимается на 50 градусов выше начальной "
    "%g [C deg.]: её максимум %g",
    "Температура в точці (y=%.5g z=%.5g [cm]) не піднімається на 50 градусів вище початкової "
    "%g [C deg.]: її максимум %g",
    "Die Temperatur im Punkt (y=%.5g z=%.5g [cm]) steigt nicht um 50 Grad über die "
    "Anfangstemperatur %g [C deg.]: ihr Maximum ist %g",
    "La température au point (y=%.5g z=%.5g [cm]) ne monte pas de 50 degrés au-dessus de la "
    "température initiale %g [C deg.] : son maximum est %g"};

// The message for a point without a cycle, in the words of the cooling
// procedure where it has them.
std::string cooling_text(CoolingStatus status, double y, double z, double T = 0, double q = 0) {
    CoolingTime c;
    c.status = status;
    c.not_cooled_to = T;
    c.q = q;
    return cooling_failure_text(c, y, z);
}

// Drops the stored cycle: after a failed computation the window shows no
// curve rather than the cycle of another point.
void forget_cycle() {
    cycle.steps = 0;
    cycle.time.clear();
    cycle.temp.clear();
}

bool fail(Window* window, const std::string& text) {
    forget_cycle();
    show_window_message(window, text, attention_caption());
    return false;
}

bool compute(const double* params, int steps, Window* window) {
    if (!current_model.temperature || !current_model.velocity) return false;
    const int n = clamp_steps(steps);
    if (current_model.prepare) current_model.prepare();
    const double y = params[point_y];
    double z = params[point_z];
    const double v = current_model.velocity();
    if (!check_welding_speed(window, v)) {
        forget_cycle();
        return false;
    }
    if (current_model.power) {
        const double q = current_model.power();
        if (!(std::isfinite(q) && q > 0))
            return fail(window, cooling_text(CoolingStatus::power_not_positive, y, z, 0, q));
    }
    const double T0 = current_model.initial_temperature ? current_model.initial_temperature() : 0;
    // A point beside the body has no cycle; a depth above the surface is
    // taken at the surface, one below the plate at its lower face, with a
    // message.
    const BodyExtent body = body_extent_at(y);
    const PointPlace place = place_of_point(body, y, z);
    if (place == PointPlace::beside_width) {
        forget_cycle();
        report_point_outside(window, place, body, y, z);
        return false;
    }
    if (place == PointPlace::above_surface) z = body.zmin;
    if (place == PointPlace::below_plate) {
        report_point_outside(window, place, body, y, z);
        z = body.zmax;
    }
    const int one_body = body.one_body;
    const double ymin = body.ymin, ymax = body.ymax, zmin = body.zmin, zmax = body.zmax;

    set_progress_dialog_owner(window);
    update_progress_dialog(-1);
    // The cycle passes through the top of the field: the hottest sample
    // drawn is the peak the metal reaches, not one that fell beside it.
    const Peak top = find_peak(y, z);
    const double x_peak = top.x;
    const double T_peak = top.T;
    update_progress_dialog(5);
    const Crossing front = find_front_crossing(y, z, x_peak, T0 + 50);
    update_progress_dialog(10);
    const Crossing rear = find_rear_crossing(y, z, x_peak, T0 + 50);
    update_progress_dialog(15);

    // The cycle runs between the two crossings of T0 + 50; a point without
    // both has no cycle, and a search bound is no place on one.
    std::string failure;
    if (std::isnan(T_peak) || T_peak == -HUGE_VAL || front.status == SearchStatus::not_a_number ||
        rear.status == SearchStatus::not_a_number)
        failure = cooling_text(CoolingStatus::not_finite, y, z);
    else if (front.status == SearchStatus::too_cold || rear.status == SearchStatus::too_cold)
        failure = cformat(pick(never_heated_text), y, z, T0, T_peak);
    else if (!rear.found() || !front.found())
        failure = cooling_text(CoolingStatus::not_cooled, y, z, T0 + 50);
    if (!failure.empty()) {
        update_progress_dialog(-2);
        return fail(window, failure);
    }
    const double x_front = front.x;
    const double x_rear = rear.x;

    // Evenly spaced samples from the front crossing back to the rear one.
    const double dx = (x_rear - x_front) / n;
    std::vector<double> xs(n + 1), Ts(n + 1);
    double x = x_front;
    for (int i = 0; i <= n; ++i) {
        xs[i] = x;
        Ts[i] = current_model.temperature(x, y, z);
        update_progress_dialog(static_cast<int>(static_cast<double>(i - 1) / n * 100.0) + 10);
        x += dx;
    }
    update_progress_dialog(-2);
    const auto not_finite = [](double T) { return std::isnan(T) || T == -HUGE_VAL; };
    if (std::any_of(Ts.begin(), Ts.end(), not_finite))
        return fail(window, cooling_text(CoolingStatus::not_finite, y, z));

    std::vector<double> time, temp;
    time.reserve(n + 2);
    temp.reserve(n + 2);
    auto add_sample = [&](double xi, double T) {
        time.push_back((x_front - xi) / v);
        temp.push_back(T < cycle_clip_temperature ? T : cycle_clip_temperature);
    };
    for (int i = 0; i <= n; ++i) {
        if (i > 0 && xs[i - 1] > x_peak && x_peak > xs[i]) add_sample(x_peak, T_peak);
        add_sample(xs[i], Ts[i]);
    }

    cycle.y = y;
    cycle.z = z;
    cycle.v = v;
    cycle.T0 = T0;
    cycle.x_peak = x_peak;
    cycle.x_front = x_front;
    cycle.x_rear = x_rear;
    cycle.dx = dx;
    cycle.one_body = one_body;
    cycle.ymin = ymin;
    cycle.ymax = ymax;
    cycle.zmin = zmin;
    cycle.zmax = zmax;
    cycle.thin_plate = thin_plate_installed();
    cycle.steps = static_cast<int>(time.size()) - 1;
    cycle.time = std::move(time);
    cycle.temp = std::move(temp);
    return true;
}

// Extent and ticks of the stored cycle. Every sample, the last one included,
// lies inside the axes.
bool build_axes(CycleAxes& a) {
    if (cycle.steps < 1) return false;
    if (!find_data_extent(cycle.steps + 1, cycle.time, cycle.temp, a.t_min, a.t_max, a.T_min,
                          a.T_max))
        return false;
    if (a.T_min == a.T_max) a.T_max = a.T_min + 25;
    if (a.t_min == a.t_max) a.t_max = a.t_min + 1;
    if (!std::isfinite(a.t_min) || !std::isfinite(a.t_max) || !std::isfinite(a.T_min) ||
        !std::isfinite(a.T_max))
        return false;
    double step_x = 0, step_y = 0;
    a.nx = 7;
    choose_tick_step(a.t_max - a.t_min, a.nx, step_x);
    a.nx = std::clamp(a.nx, 0, 12);
    fill_tick_values(a.t_min, step_x, a.nx, a.time_ticks);
    a.ny = 7;
    choose_tick_step(a.T_max - a.T_min, a.ny, step_y);
    a.ny = std::clamp(a.ny, 2, 12);
    fill_tick_values(a.T_min, step_y, a.ny, a.temp_ticks);
    return true;
}

void draw(Window* window, Canvas& dc, int print_flag) {
    CycleAxes a;
    if (!build_axes(a)) return;

    dc.set_background_mode(BackgroundMode::opaque);
    const Pen frame_pen{PenStyle::solid, 1, rgb(0, 0, 255)};
    dc.select_pen(frame_pen);
    const Rect r = window_drawing_rect(window, dc, print_flag);
    dc.rectangle(r.left, r.top, r.right, r.bottom);
    const int H = (r.bottom - r.top) / 28;
    const int H18 = (r.bottom - r.top) / 18;

    select_window_font(dc, H);
    const int ch = dc.text_extent("Привет   ").cy;
    Rect P;
    P.left = r.left + 5 * ch;
    P.top = r.top + 3 * ch;
    P.right = r.right - 3 * ch;
    P.bottom = r.bottom - 10 * ch;
    // The temperature axis starts at 0; its tick labels start from T_min.
    const WorldBox box{a.t_min, a.T_max, a.t_max, 0};

    dc.select_pen(Pen{PenStyle::dot, 1, rgb(127, 127, 127)});
    dc.rectangle(P.left, P.top, P.right, P.bottom);
    draw_vertical_grid(dc, P, box, a.nx, a.time_ticks);
    draw_horizontal_grid(dc, P, box, a.ny - 2, a.temp_ticks);
    dc.select_pen(frame_pen);

    dc.select_pen(Pen{PenStyle::solid, 2, rgb(255, 0, 0)});
    draw_polyline(dc, cycle.steps, cycle.time, cycle.temp, 1, P, box);

    select_window_font(dc, H);
    dc.select_pen(Pen{PenStyle::solid, 2, rgb(0, 0, 0)});
    draw_x_axis(dc, P.bottom, P.left, P.right, a.t_min, a.t_max, a.nx, 6, a.time_ticks);
    draw_y_axis(dc, P.left, P.bottom, P.top, a.T_max, 0, a.ny - 2, 6, a.temp_ticks);

    const Rgb remembered = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    char line1[heat_text_size] = {};
    char line2[heat_text_size] = {};
    char title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    if (current_model.draw_panel) current_model.draw_panel(dc, r, 1, 1, 1, 1);

    static const Text5 point_title{
        "Thermal cycle at destignated point: y=%g, cm; z=%g, cm;",
        "Термоцикл в заданной точке: y = %g, см; z = %g, см;",
        "Термоцикл в заданній точці: y=%g, см; z=%g",
        "Therm. Zyklus an gegebenen Punkt: y=%g, cm; z=%g, cm;",
        "Le cycle thermique dans le point donné: y=%g, cm; z=%g, cm;"};
    static const Text5 point_title_thin_plate{
        "Thermal cycle at destignated point: y=%g, cm; z = (0-%g), cm;",
        "Термоцикл в заданной точке: y = %g, см; z = (0-%g), см;",
        "Термоцикл в заданній точці: y=%g, см; z = (0-%g)",
        "Therm. Zyklus an gegebenen Punkt: y=%g, cm; z = (0-%g), cm;",
        "Le cycle thermique dans le point donné: y=%g, cm; z = (0-%g), cm;"};
    const std::string point =
        cycle.thin_plate ? cformat(pick(point_title_thin_plate), cycle.y, cycle.zmax)
                         : cformat(pick(point_title), cycle.y, cycle.z);
    dc.set_text_color(rgb(0, 0, 0));
    select_window_font(dc, H);
    int h = dc.text_extent(point).cy;
    dc.text_out(r.left + h, r.bottom - 7 * h, point);

    h = dc.text_extent(title).cy;
    const int title_x = static_cast<int>(r.left + 0.5 * h);
    select_fitting_font(dc, title, H18, title_x, r.right);
    dc.set_text_color(rgb(127, 0, 0));
    dc.text_out(title_x, static_cast<int>(r.top + 0.3 * h), title);
    dc.set_text_color(rgb(0, 0, 0));

    static const Text5 temperature_title{"Temperature, C", "Температура, C", "Температура, C",
                                         "Temperatur, C", "Temperature, C"};
    select_window_font(dc, (4 * H) / 3, 900);
    const char* t_title = pick(temperature_title);
    int w = dc.text_extent(t_title).cx;
    dc.text_out(r.left + 3, P.bottom - (P.bottom - P.top - w) / 2, t_title);

    static const Text5 time_title{"Time, sec", "Время ,с", "Час, с", "Die Zeit, sec",
                                  "Le temps, sec"};
    select_window_font(dc, (4 * H) / 3, 0);
    dc.set_text_color(rgb(128, 128, 128));
    const char* x_title = pick(time_title);
    Size e = dc.text_extent(x_title, true);
    dc.text_out(r.left + (r.right - r.left - e.cx) / 2, P.bottom + e.cy, x_title);

    select_window_font(dc, H);
    draw_clip_note(dc, P, cycle.temp);

    if (cycle.one_body == 0) {
        select_window_font(dc, H);
        dc.set_text_color(rgb(128, 0, 0));
        const char* plate = cycle.y > 0 ? "пластина №2" : "пластина №1";
        e = dc.text_extent(plate);
        dc.text_out(P.left + (P.right - P.left - e.cx) / 2, P.top - e.cy, plate);
    }

    select_window_font(dc, H);
    dc.set_text_color(remembered);
}

}  // namespace

void thermal_cycle_window(const double* params, int steps, Window* window, Canvas& dc, int phase,
                          int print_flag) {
    if (phase == 0) {
        if (params) compute(params, steps, window);
        return;
    }
    draw(window, dc, print_flag);
}

ThermalCycleResult thermal_cycle_result() {
    ThermalCycleResult r;
    r.y = cycle.y;
    r.z = cycle.z;
    r.v = cycle.v;
    r.T0 = cycle.T0;
    r.x_peak = cycle.x_peak;
    r.x_front = cycle.x_front;
    r.x_rear = cycle.x_rear;
    r.dx = cycle.dx;
    r.one_body = cycle.one_body;
    r.zmax = cycle.zmax;
    r.steps = cycle.steps;
    r.time = cycle.time.empty() ? nullptr : cycle.time.data();
    r.temp = cycle.temp.empty() ? nullptr : cycle.temp.data();
    CycleAxes a;
    if (build_axes(a)) {
        r.t_min = a.t_min;
        r.t_max = a.t_max;
        r.T_min = a.T_min;
        r.T_max = a.T_max;
    }
    return r;
}
