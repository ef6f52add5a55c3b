// Five isotherms of the current model in one section of the body, traced by
// the tracer of the chosen section, with their extents, a legend and the
// scheme's parameter panel.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "numfmt.h"
#include "plot.h"
#include "progress_dialog.h"
#include "temperature_window_support.h"
#include "temperature_windows.h"

IsothermTracer current_isotherm_tracer = trace_isotherm_xy;

namespace {

enum class Section { xy, yz, xz };

Section section_of(IsothermTracer tracer) {
    if (tracer == trace_isotherm_yz) return Section::yz;
    if (tracer == trace_isotherm_xz) return Section::xz;
    return Section::xy;
}

// Along the weld the solvers look from 8000 cm behind the source to 1000 cm
// ahead of it; a transverse section outside that length has nothing to show.
constexpr double length_behind = -8000;
constexpr double length_ahead = 1000;

struct Curve {
    int valid = 0;
    int not_reached = 0;        // the section's peak stays below T
    double peak = 0;            // that peak
    double T = 0;
    std::vector<double> H, V;   // 2n + 2 values each
    double h_min = 0, h_max = 0, v_min = 0, v_max = 0;
};

struct IsothermStore {
    double s = 0;
    int one_body = 1;
    int steps = 0;
    Section section = Section::xy;
    Curve curves[isotherm_count];
};
IsothermStore store;

struct Pens {
    PenStyle style;
    Rgb colour;
};
constexpr Pens isotherm_pens[isotherm_count] = {
    {PenStyle::solid, {0, 0, 255}},
    {PenStyle::dash, {200, 0, 255}},
    {PenStyle::dot, {255, 0, 128}},
    {PenStyle::dash_dot, {255, 100, 0}},
    {PenStyle::dash_dot_dot, {255, 0, 0}},
};

void report_section_outside(Window* window, Section section, double s, double lo, double hi) {
    if (section != Section::yz) {
        report_outside_width(window, s, lo, hi);
        return;
    }
    static const Text5 length_text{
        "x is outside the computed length x=%-.6g, limits %-.6g ... %-.6g",
        "x вне расчётной длины x=%-.6g, пределы %-.6g ... %-.6g",
        "x поза розрахунковою довжиною x=%-.6g, межі %-.6g ... %-.6g",
        "x liegt ausserhalb der berechneten Länge x=%-.6g, Grenzen %-.6g ... %-.6g",
        "x est hors de la longueur calculée x=%-.6g, limites %-.6g ... %-.6g"};
    show_window_message(window, cformat(pick(length_text), s, lo, hi), attention_caption());
}

// The section coordinate, checked against the extent of its own section: the
// depth of the body for xy, the searched length for yz, the width for xz.
double checked_section(Window* window, Section section, double s) {
    if (section == Section::xy) {
        double zmin = 0, zmax = 10000;
        if (current_model.depth_range) current_model.depth_range(0, zmin, zmax);
        if (s < zmin) s = zmin;
        if (s > zmax) {
            report_depth_beyond_plate(window, s, zmax);
            s = zmax;
        }
        return s;
    }
    double lo = length_behind, hi = length_ahead;
    if (section == Section::xz) {
        int one_body = 1;
        lo = -100;
        hi = 100;
        if (current_model.width_range) current_model.width_range(one_body, lo, hi);
    }
    if (s < lo || s > hi) {
        report_section_outside(window, section, s, lo, hi);
        s = std::clamp(s, lo, hi);
    }
    return s;
}

void report_above_peak(Window* window, double T, double peak) {
    static const Text5 text{"Given isotherm t=%-.6g > Maximal temperature =%-.6g",
                            "заданная изотеpма t=%-.6g > максимальной =%-.6g",
                            "заданная изотеpма t=%-.6g > максимальной =%-.6g",
                            "Aufgegeben isotherm t=%-.6g > Maximal temperatur =%-.6g",
                            "Donnéz isotherm =%-.6g > Maximal temperature =%-.6g"};
    const std::string message = cformat(pick(text), T, peak);
    show_window_message(window, message, attention_caption());
    update_progress_dialog(-2);
    show_window_message(window, message, "  Message!");
}

// An isotherm whose search ran to the end of its region, or met a value
// that is not a number, has no curve: its line would print the end of the
// search (such as -8000 < x < 1000) as if it were the isotherm's size. One
// above the section's peak is named on its line of the legend; the xy
// section also says so in message boxes.
void report_untraced(Window* window, Section section, double T, int result, const IsothermTrace& trace) {
    static const Text5 search_end_text{
        "Isotherm t=%-.6g reaches the end of the searched region at %s=%-.6g [cm] and is not drawn",
        "Изотерма t=%-.6g доходит до границы области поиска при %s=%-.6g [cm] и не строится",
        "Ізотерма t=%-.6g доходить до межі області пошуку при %s=%-.6g [cm] і не будується",
        "Die Isotherme t=%-.6g erreicht die Grenze des Suchbereichs bei %s=%-.6g [cm] und wird "
        "nicht gezeichnet",
        "L'isotherme t=%-.6g atteint la limite de la zone de recherche en %s=%-.6g [cm] et n'est "
        "pas tracée"};
    static const Text5 not_finite_text{
        "Isotherm t=%-.6g is not drawn: the temperature field gives a value that is not a finite "
        "number",
        "Изотерма t=%-.6g не строится: поле температур даёт значение, не являющееся конечным "
        "числом",
        "Ізотерма t=%-.6g не будується: поле температур дає значення, що не є скінченним числом",
        "Die Isotherme t=%-.6g wird nicht gezeichnet: das Temperaturfeld liefert einen Wert, der "
        "keine endliche Zahl ist",
        "L'isotherme t=%-.6g n'est pas tracée : le champ de températures donne une valeur qui "
        "n'est pas un nombre fini"};
    if (result == isotherm_above_peak) {
        if (section == Section::xy) report_above_peak(window, T, trace.peak_temperature);
        return;
    }
    const IsothermSearchEnd& end = trace.search_end;
    const std::string message =
        result == isotherm_search_ended
            ? cformat(pick(search_end_text), T, end.coordinate, end.at + 0.0)
            : cformat(pick(not_finite_text), T);
    show_window_message(window, message, attention_caption());
}

void forget_curves() {
    for (Curve& c : store.curves) {
        c.valid = 0;
        c.not_reached = 0;
        c.H.clear();
        c.V.clear();
    }
}

bool compute(const double* params, int steps, Window* window) {
    const int n = std::clamp(steps, 1, 10000);
    if (current_model.prepare) current_model.prepare();
    // The field of a source that stands still or runs backwards is not the
    // one the searches expect: every isotherm would end at a search limit.
    if (current_model.velocity && !check_welding_speed(window, current_model.velocity())) {
        forget_curves();
        return false;
    }
    int one_body = 1;
    double ymin = -100, ymax = 100;
    if (current_model.width_range) current_model.width_range(one_body, ymin, ymax);
    store.one_body = one_body;

    const IsothermTracer tracer = current_isotherm_tracer ? current_isotherm_tracer
                                                          : trace_isotherm_xy;
    const Section section = section_of(tracer);
    double s = thin_plate_installed() ? 0 : params[isotherm_section];
    s = checked_section(window, section, s);
    store.s = s;
    store.section = section;
    store.steps = n;

    set_progress_dialog_owner(window);
    update_progress_dialog(-1);
    for (int i = 0; i < isotherm_count; ++i) {
        Curve& c = store.curves[i];
        const double T = params[isotherm_t1 + i];
        std::vector<double> H(2 * n + 2, 0.0), V(2 * n + 2, 0.0);
        IsothermTrace trace;
        trace.progress = update_progress_dialog;
        const int result = current_model.temperature ? tracer(T, s, H.data(), V.data(), n, trace)
                                                     : isotherm_above_peak;
        c.T = T;
        c.not_reached = result == isotherm_above_peak ? 1 : 0;
        c.peak = c.not_reached ? trace.peak_temperature : 0;
        if (result != isotherm_traced) {
            // Nothing of an earlier computation may stand for this isotherm.
            c.valid = 0;
            c.H.clear();
            c.V.clear();
            report_untraced(window, section, T, result, trace);
            continue;
        }
        c.H = std::move(H);
        c.V = std::move(V);
        c.valid = find_data_extent(2 * n + 1, c.H, c.V, c.h_min, c.h_max, c.v_min, c.v_max) ? 1 : 0;
    }
    return true;
}

bool curve_drawable(const Curve& c) {
    return c.valid && std::isfinite(c.h_min) && std::isfinite(c.h_max) &&
           std::isfinite(c.v_min) && std::isfinite(c.v_max);
}

struct Layout {
    Rect r, P;
    int H23 = 0, H28 = 0, h = 0;
    WorldBox box{};
    double x_min = 0, x_max = 0, y_min = 0, y_max = 0;
    int nx = 7, ny = 7;
    double x_ticks[16] = {};
    double y_ticks[16] = {};
};

// The frame, the fonts' heights and the plot rectangle.
void lay_out_frame(Canvas& dc, Layout& l) {
    dc.set_background_mode(BackgroundMode::opaque);
    l.H23 = (l.r.bottom - l.r.top) / 23;
    l.H28 = (l.r.bottom - l.r.top) / 28;
    select_window_font(dc, l.H28);
    l.h = dc.text_extent("S").cy;
    dc.select_pen(Pen{PenStyle::solid, 1, rgb(0, 0, 255)});
    dc.rectangle(l.r.left, l.r.top, l.r.right, l.r.bottom);
    const int h = l.h;
    l.P = Rect{l.r.left + 5 * h, l.r.top + 3 * h, l.r.right - 3 * h, l.r.bottom - 14 * h};
}

// The world box, grid and axes of the traced curves.
void lay_out_plot(Canvas& dc, Layout& l) {
    // The plot scales to the first isotherm that was traced.
    const Curve* first = nullptr;
    for (const Curve& c : store.curves)
        if (curve_drawable(c)) {
            first = &c;
            break;
        }
    if (first) {
        l.x_min = first->h_min;
        l.x_max = first->h_max;
        l.y_min = first->v_min;
        l.y_max = first->v_max;
    }
    if (l.y_min == l.y_max) l.y_min = l.y_max - 10;
    if (l.x_min == l.x_max) l.x_min = l.x_max - 10;
    l.box = WorldBox{l.x_min, l.y_max, l.x_max, l.y_min};

    double step = 0;
    l.nx = 7;
    choose_tick_step(l.x_max - l.x_min, l.nx, step);
    l.nx = std::clamp(l.nx, 1, 12);
    fill_tick_values(l.x_min, step, l.nx, l.x_ticks);
    l.ny = 7;
    choose_tick_step(l.y_max - l.y_min, l.ny, step);
    l.ny = std::clamp(l.ny, 2, 12);
    fill_tick_values(l.y_min, step, l.ny, l.y_ticks);

    dc.select_pen(Pen{PenStyle::dot, 1, rgb(127, 127, 127)});
    dc.rectangle(l.P.left, l.P.top, l.P.right, l.P.bottom);
    draw_vertical_grid(dc, l.P, l.box, l.nx - 1, l.x_ticks);
    draw_horizontal_grid(dc, l.P, l.box, l.ny - 2, l.y_ticks);

    dc.select_pen(Pen{PenStyle::solid, 2, rgb(0, 0, 0)});
    draw_x_axis(dc, l.P.bottom, l.P.left, l.P.right, l.x_min, l.x_max, l.nx - 1, 5, l.x_ticks);
    draw_y_axis(dc, l.P.left, l.P.bottom, l.P.top, l.y_max, l.y_min, l.ny - 2, 5, l.y_ticks);
}

void draw(Window* window, Canvas& dc, int print_flag) {
    // Without a traced isotherm the axes would only show a box made up for
    // them: the window then shows its legend alone when it has isotherms to
    // name as not reached, and nothing when the messages have said why.
    const bool plotted = std::any_of(std::begin(store.curves), std::end(store.curves), curve_drawable);
    const bool named = std::any_of(std::begin(store.curves), std::end(store.curves),
                                   [](const Curve& c) { return c.not_reached != 0; });
    if (!plotted && !named) return;
    Layout l;
    l.r = window_drawing_rect(window, dc, print_flag);
    lay_out_frame(dc, l);
    if (plotted) lay_out_plot(dc, l);
    const int h = l.h;
    const int n = store.steps;
    const Section section = store.section;

    static const Text5 heading{"The sizes of isotermes:", "Размеры изотерм:", "Розміри ізотерм:",
                               "Die Umfänge isotermes:", "Les montants isotermes:"};
    const char* legend_format =
        section == Section::xy   ? "t=%5.0f  %.2f < x < %.2f   %.2f < y < %.2f"
        : section == Section::yz ? "t=%5.0f  %.2f < y < %.2f   %.2f < z < %.2f"
                                 : "t=%5.0f  %.2f < x < %.2f   %.2f < z < %.2f";

    static const Text5 not_reached_text{
        "t=%5.0f  not reached in section %s=%-.5g, cm: maximal temperature =%-.6g",
        "t=%5.0f  не достигается в сечении %s=%-.5g, cm: максимальная температура =%-.6g",
        "t=%5.0f  не досягається в розрізі %s=%-.5g, cm: максимальна температура =%-.6g",
        "t=%5.0f  im Schnitt %s=%-.5g, cm nicht erreicht: Höchsttemperatur =%-.6g",
        "t=%5.0f  non atteinte dans la section %s=%-.5g, cm : température maximale =%-.6g"};
    const char* section_letter = section == Section::xy ? "z" : section == Section::yz ? "x" : "y";

    select_window_font(dc, l.H28);
    dc.text_out(l.r.left + 3 * (l.P.left - l.r.left), l.P.bottom + 2 * h, pick(heading));
    // The legend rows are one cell apart, and on a page the descenders of
    // this face reach a row below the cell: an opaque cell would blank them.
    dc.set_background_mode(BackgroundMode::transparent);
    for (int i = 0; i < isotherm_count; ++i) {
        const Curve& c = store.curves[i];
        const Pens& p = isotherm_pens[i];
        if (c.not_reached) {
            // Named on its row, in its colour; it has no curve to sample.
            const Rgb remembered = dc.text_color();
            dc.set_text_color(p.colour);
            dc.text_out(l.P.left, l.P.bottom + (i + 3) * h,
                        cformat(pick(not_reached_text), c.T, section_letter, store.s, c.peak));
            dc.set_text_color(remembered);
            continue;
        }
        if (!curve_drawable(c) || n < 1) continue;
        dc.select_pen(Pen{p.style, 1, p.colour});
        draw_polyline(dc, 2 * n, c.H, c.V, 1, l.P, l.box);
        draw_polyline(dc, 2 * n, c.H, c.V, 2, l.P, l.box);

        const Rgb remembered = dc.text_color();
        dc.set_text_color(p.colour);
        // Adding 0 turns a negative zero (a depth of nothing) into "0.00".
        const std::string line = cformat(legend_format, c.T, c.h_min + 0.0, c.h_max + 0.0,
                                         c.v_min + 0.0, c.v_max + 0.0);
        const int row = l.P.bottom + (i + 3) * h;
        dc.text_out(l.P.left, row, line);
        const int w = dc.text_extent(line).cx;
        const int y_i = row + h / 2;
        dc.move_to(l.P.left + w + 2 * h, y_i);
        dc.line_to(l.P.right - 5 * h, y_i);
        dc.move_to(l.P.left + w + 2 * h, y_i + 1);
        dc.line_to(l.P.right - 5 * h, y_i + 1);
        dc.set_text_color(remembered);
    }
    dc.set_background_mode(BackgroundMode::opaque);

    const Rgb before = dc.text_color();
    dc.set_text_color(rgb(128, 128, 128));
    char line1[heat_text_size] = {};
    char line2[heat_text_size] = {};
    char title[heat_text_size] = {};
    if (current_model.summary) current_model.summary(line1, line2, title);
    if (current_model.draw_panel) current_model.draw_panel(dc, l.r, 1, 1, 1, 1);

    static const Text5 figure_xy{"Fig.2. Isotermal curves in section z=%-.5g, cm",
                                 "Рис.2. Изолинии в сечении z=%-.5g, cm",
                                 "Мал.2. Ізолінії в розрізі z=%-.5g, cm",
                                 "Mal.2. Isothermenfeld   z=%-.5g, cm",
                                 "Fig. 2. Les lignes isothermiques dans la section z=%-.5g, cm"};
    static const Text5 figure_yz{"Fig.2. Isotermal curves in section x=%-.5g, cm",
                                 "Рис.2. Изолинии в сечении x=%-.5g, cm",
                                 "Мал.2. Ізолінії в розрізі x=%-.5g, cm",
                                 "Mal.2. Isothermenfeld   x=%-.5g, cm",
                                 "Fig. 2. Les lignes isothermiques dans la section x=%-.5g, cm"};
    static const Text5 figure_xz{"Fig.2. Isotermal curves in section y=%-.5g, cm",
                                 "Рис.2. Изолинии в сечении y=%-.5g, cm",
                                 "Мал.2. Ізолінії в розрізі y=%-.5g, cm",
                                 "Mal.2. Isothermenfeld   y=%-.5g, cm",
                                 "Fig. 2. Les lignes isothermiques dans la section y=%-.5g, cm"};
    const Text5& figure = section == Section::xy   ? figure_xy
                          : section == Section::yz ? figure_yz
                                                   : figure_xz;
    const std::string figure_title = cformat(pick(figure), store.s);
    const char* vertical_title = section == Section::xy ? "Y, cm" : "Z, cm";
    const char* horizontal_title = section == Section::yz ? "Y, cm" : "X, cm";

    if (plotted) {
        select_window_font(dc, l.H23);
        const Size axis_cell = dc.text_extent("Y, cm");
        dc.set_text_color(rgb(0, 0, 128));
        dc.text_out(l.P.left - axis_cell.cx, l.P.top - axis_cell.cy + 1, vertical_title);
        const int hx = section == Section::xz ? l.P.right + 1 - axis_cell.cx : l.P.right + 1;
        dc.text_out(hx, l.P.bottom + 2 * axis_cell.cy, horizontal_title);
        select_window_font(dc, l.H28);
    }

    dc.set_text_color(rgb(0, 0, 0));
    // The figure's title follows the legend's last row as closely.
    dc.set_background_mode(BackgroundMode::transparent);
    dc.text_out(l.P.left, l.r.bottom - 6 * h, figure_title);
    dc.set_background_mode(BackgroundMode::opaque);
    if (!current_model.draw_panel) {
        dc.text_out(l.P.left, l.r.bottom - 2 * h, line1);
        dc.text_out(l.P.left, l.r.bottom - h, line2);
    }

    const int title_x = l.r.left + 2 * (l.P.left - l.r.left);
    select_fitting_font(dc, title, l.H23, title_x, l.r.right);
    dc.text_out(title_x, l.r.top + 3, title);
    select_window_font(dc, l.H28);
    dc.set_text_color(before);

    if (plotted && store.one_body == 0) {
        static const Text5 plate1{"Plate #1", "пластина №1", "пластина №1", "Die Platte ¹1",
                                  "La plaque #1"};
        static const Text5 plate2{"Plate #2", "пластина №2", "пластина №2", "Die Platte ¹2",
                                  "La plaque #2"};
        const Rgb remembered = dc.text_color();
        dc.set_text_color(rgb(128, 0, 0));
        const Size e = dc.text_extent("пластина №1");
        const int x = l.P.left + (l.P.right - l.P.left - e.cx) / 2;
        dc.text_out(x, l.P.bottom - e.cy, pick(plate1));
        dc.text_out(x, l.P.top - e.cy, pick(plate2));
        dc.set_text_color(remembered);
    }

    if (plotted && section != Section::yz) {
        dc.select_pen(Pen{PenStyle::solid, 2, rgb(255, 0, 0)});
        const double x_range = std::fabs(l.x_max - l.x_min);
        const double y_range = std::fabs(l.y_max - l.y_min);
        const int X0 = static_cast<int>(l.P.left + (0 - l.x_min) *
                                                       std::abs(l.P.right - l.P.left) / x_range);
        const int Y0 = static_cast<int>(l.P.top + (l.y_max - 0) *
                                                      std::abs(l.P.bottom - l.P.top) / y_range);
        dc.move_to(l.P.left, Y0);
        dc.line_to(X0, Y0);
    }

    select_window_font(dc, l.H28);
}

}  // namespace

void isotherm_window(const double* params, int steps, Window* window, Canvas& dc, int phase,
                     int print_flag) {
    if (phase == 0) {
        if (!params) return;
        if (!compute(params, steps, window)) return;
    }
    draw(window, dc, print_flag);
    if (phase == 0) update_progress_dialog(-2);
}

IsothermResult isotherm_result() {
    IsothermResult r;
    r.s = store.s;
    r.one_body = store.one_body;
    for (int i = 0; i < isotherm_count; ++i) {
        const Curve& c = store.curves[i];
        IsothermCurve& out = r.curves[i];
        out.valid = c.valid;
        out.not_reached = c.not_reached;
        out.peak = c.peak;
        out.points = c.valid ? 2 * store.steps + 1 : 0;
        out.H = c.valid ? c.H.data() : nullptr;
        out.V = c.valid ? c.V.data() : nullptr;
        out.h_min = c.h_min;
        out.h_max = c.h_max;
        out.v_min = c.v_min;
        out.v_max = c.v_max;
    }
    return r;
}
