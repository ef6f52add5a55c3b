#include "time_cycle_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numfmt.h"
#include "plot.h"
#include "progress_dialog.h"
#include "temperature_window_support.h"

double stored_cycle_temperature(double T) {
    if (std::isnan(T) || T == -std::numeric_limits<double>::infinity())
        return std::numeric_limits<double>::quiet_NaN();
    return T < time_cycle_clip_temperature ? T : time_cycle_clip_temperature;
}

ProgressDialogScope::ProgressDialogScope(Window* owner) {
    set_progress_dialog_owner(owner);
    update_progress_dialog(-1);
}

ProgressDialogScope::~ProgressDialogScope() { update_progress_dialog(-2); }

void ProgressDialogScope::sample_done(int i, int n) {
    update_progress_dialog(static_cast<int>(static_cast<double>(i - 1) * 100.0 / n) + 10);
}

void TimeCycleGaps::sample(double T) { sample(T, last_field_gap()); }

void TimeCycleGaps::sample(double T, FieldGap why) {
    ++points_;
    if (!std::isnan(T)) return;
    const auto i = static_cast<std::size_t>(why);
    ++counts_[i < std::size(counts_) ? i : 0];
}

std::string TimeCycleGaps::message() const {
    // By FieldGap; a NaN for which the scheme gave no reason is "none".
    static const Text5 reasons[] = {
        {"the temperature there is not a number", "температура там не является числом",
         "температура там не є числом", "die Temperatur ist dort keine Zahl",
         "la température n'y est pas un nombre"},
        {"the sum would need more than %d sweeps of the electrode",
         "сумма потребовала бы более %d проходов электрода",
         "сума потребувала б понад %d проходів електрода",
         "die Summe bräuchte mehr als %d Durchgänge der Elektrode",
         "la somme demanderait plus de %d passages de l'électrode"},
        {"the sum would need more than %d cycles of the source",
         "сумма потребовала бы более %d циклов источника",
         "сума потребувала б понад %d циклів джерела",
         "die Summe bräuchte mehr als %d Zyklen der Quelle",
         "la somme demanderait plus de %d cycles de la source"},
        {"the data of the scheme give no temperature field", "данные схемы не дают температурного поля",
         "дані схеми не дають температурного поля", "die Daten des Schemas ergeben kein Temperaturfeld",
         "les données du schéma ne donnent aucun champ de température"},
        {"the point lies outside the plate", "точка лежит вне пластины", "точка лежить поза пластиною",
         "der Punkt liegt außerhalb der Platte", "le point se trouve hors de la plaque"},
    };
    static const Text5 left_out{"%d of %d points of the thermal cycle are not drawn: %s.",
                                "%d из %d точек термоцикла не показаны: %s.",
                                "%d з %d точок термоциклу не показано: %s.",
                                "%d von %d Punkten des Temperaturzyklus sind nicht gezeichnet: %s.",
                                "%d points sur %d du cycle thermique ne sont pas tracés : %s."};
    int missing = 0;
    std::string why;
    for (std::size_t i = 0; i < std::size(counts_); ++i) {
        if (counts_[i] == 0) continue;
        missing += counts_[i];
        if (!why.empty()) why += "; ";
        why += cformat(pick(reasons[i]), field_sum_cap);
    }
    if (missing == 0) return {};
    return cformat(pick(left_out), missing, points_, why.c_str());
}

void TimeCycleGaps::report(Window* window) const {
    const std::string text = message();
    if (!text.empty()) show_window_message(window, text, attention_caption());
}

int time_cycle_steps(int steps) { return std::clamp(steps, 1, 100000); }

bool build_time_cycle_axes(const TimeCycleSamples& s, double min_span, TimeCycleAxes& a) {
    if (s.steps < 1 || s.time.size() < static_cast<std::size_t>(s.steps) + 1) return false;
    if (!find_data_extent(s.steps + 1, s.time, s.temp, a.x_min, a.x_max, a.y_min, a.y_max))
        return false;
    if (a.y_max == a.y_min || a.y_max - a.y_min < min_span) a.y_max = a.y_min + 25;
    if (a.x_max == a.x_min) a.x_max = a.x_min + 1;
    if (!std::isfinite(a.x_max - a.x_min) || !std::isfinite(a.y_max - a.y_min)) return false;
    double step_x = 0, step_y = 0;
    a.nx = 5;
    choose_tick_step(a.x_max - a.x_min, a.nx, step_x);
    a.nx = std::clamp(a.nx, 0, 12);
    fill_tick_values(a.x_min, step_x, a.nx, a.x_ticks);
    a.ny = 5;
    choose_tick_step(a.y_max - a.y_min, a.ny, step_y);
    a.ny = std::clamp(a.ny, 2, 12);
    fill_tick_values(a.y_min, step_y, a.ny, a.y_ticks);
    return true;
}

void fill_time_cycle_result(TimeCycleResult& r, const TimeCycleSamples& s, double min_span) {
    r.steps = s.time.empty() ? 0 : s.steps;
    r.time = s.time.empty() ? nullptr : s.time.data();
    r.temp = s.temp.empty() ? nullptr : s.temp.data();
    TimeCycleAxes a;
    if (build_time_cycle_axes(s, min_span, a)) {
        r.t_min = a.x_min;
        r.t_max = a.x_max;
        r.T_min = a.y_min;
        r.T_max = a.y_max;
        r.time_ticks = a.nx;
        r.temperature_ticks = a.ny;
    }
}

void draw_time_cycle(Window* window, Canvas& dc, int print_flag, const TimeCycleSamples& s,
                     double y, double z, double min_span, const TimeCycleLook& look) {
    TimeCycleAxes a;
    const bool plotted = build_time_cycle_axes(s, min_span, a);

    dc.set_background_mode(BackgroundMode::opaque);
    const Rect r = window_drawing_rect(window, dc, print_flag);
    dc.save();
    if (look.blue_frame) dc.select_pen(Pen{PenStyle::solid, 1, rgb(0, 0, 255)});
    dc.rectangle(r.left, r.top, r.right, r.bottom);
    dc.restore();
    const int H = (r.bottom - r.top) / 28;
    const int H23 = (r.bottom - r.top) / 23;

    select_window_font(dc, H);
    const int ch = dc.text_extent("Привет   ").cy;
    Rect P;
    P.left = r.left + 5 * ch;
    P.top = r.top + 3 * ch;
    P.right = r.right - 3 * ch;
    P.bottom = r.bottom - 10 * ch;
    const WorldBox box{a.x_min, a.y_max, a.x_max, a.y_min};

    if (plotted) {
        dc.save();
        dc.select_pen(Pen{PenStyle::dot, 1, rgb(127, 127, 127)});
        dc.rectangle(P.left, P.top, P.right, P.bottom);
        draw_vertical_grid(dc, P, box, a.nx, a.x_ticks);
        draw_horizontal_grid(dc, P, box, a.ny - 2, a.y_ticks);
        dc.restore();

        dc.save();
        dc.select_pen(Pen{PenStyle::solid, 2, rgb(128, 0, 0)});
        draw_polyline(dc, s.steps, s.time, s.temp, 1, P, box);
        dc.restore();

        dc.save();
        dc.select_pen(Pen{PenStyle::solid, 2, rgb(0, 0, 0)});
        draw_x_axis(dc, P.bottom, P.left, P.right, a.x_min, a.x_max, a.nx, look.tick, a.x_ticks);
        draw_y_axis(dc, P.left, P.bottom, P.top, a.y_max, a.y_min, a.ny - 2, look.tick, a.y_ticks);
        dc.restore();
    }

    const Rgb saved = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    char line1[heat_text_size] = {};
    char line2[heat_text_size] = {};
    char title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    if (current_model.draw_panel) current_model.draw_panel(dc, r, 1, 1, 1, 1);

    // The point caption keeps the colour the panel's painters leave.
    select_window_font(dc, H);
    if (look.point_caption) dc.text_out(P.left, P.bottom + 3 * ch, cformat(pick(*look.point_caption), y, z));
    dc.set_text_color(rgb(0, 0, 0));

    const int title_x = static_cast<int>(r.left + 0.5 * ch);
    select_fitting_font(dc, title, H23, title_x, r.right);
    dc.set_text_color(rgb(127, 0, 0));
    dc.text_out(title_x, static_cast<int>(r.top + 0.3 * ch), title);

    // The axis titles sit close to the tick labels; an opaque cell would
    // erase the labels' lower edge where the two meet.
    dc.set_background_mode(BackgroundMode::transparent);
    static const Text5 temperature_title{"Temperature, C", "Температура, C", "Температура, C",
                                         "Temperatur, C", "Temperature, C"};
    select_window_font(dc, H * 5 / 4, 900);
    dc.set_text_color(look.temperature_title_color);
    const char* t_title = pick(temperature_title);
    const int w = dc.text_extent(t_title, look.temperature_title_with_zero).cx;
    dc.text_out(r.left + 3, P.bottom - (P.bottom - P.top - w) / 2, t_title);

    static const Text5 time_title{"Time, sec", "Время ,с", "Час, с", "Die Zeit, sec",
                                  "Le temps, sec"};
    select_window_font(dc, H * 5 / 4, 0);
    dc.set_text_color(rgb(128, 128, 128));
    const char* x_title = pick(time_title);
    const Size e = dc.text_extent(x_title, true);
    dc.text_out(r.left + (r.right - r.left - e.cx) / 2, P.bottom + e.cy, x_title);

    dc.set_background_mode(BackgroundMode::opaque);
    select_window_font(dc, H);
    if (plotted) draw_clip_note(dc, P, s.temp);
    dc.set_text_color(saved);
}
