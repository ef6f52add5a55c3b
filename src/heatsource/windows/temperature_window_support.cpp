#include "schemes.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <cmath>

#include "cooling_reports.h"
#include "fonts.h"
#include "numfmt.h"
#include "msgbox.h"
#include "plot.h"
#include "temperature_windows.h"
#include "window.h"

const double* current_parameters = nullptr;
const double* current_isotherm_record = nullptr;

void select_window_font(Canvas& dc, int height, int escapement) {
    text_font.height = height;
    text_font.escapement = escapement;
    text_font.weight = 400;
    text_font.charset = language_charset();
    text_font.face = "Times New Roman";
    dc.select_font(text_font);
}

int select_fitting_font(Canvas& dc, std::string_view text, int height, int x, int right) {
    select_window_font(dc, height);
    const int room = right - x;
    int width = dc.text_extent(text).cx;
    if (width <= room || room <= 0) return height;
    // Near the proportional fit first, then a step at a time: glyph widths
    // do not scale exactly with the height.
    height = std::max(1, std::min(height - 1, height * room / width + 1));
    select_window_font(dc, height);
    width = dc.text_extent(text).cx;
    while (width > room && height > 1) {
        select_window_font(dc, --height);
        width = dc.text_extent(text).cx;
    }
    return height;
}

Rect window_drawing_rect(Window* window, Canvas& dc, int print_flag) {
    Rect r{};
    if (print_flag == 1 || dc.is_printer()) {
        get_print_plot_rect(dc, r);
        return r;
    }
    if (window && is_window(window)) return get_client_rect(window);
    // No window (a picture drawn off screen): the whole surface.
    const DeviceCaps caps = dc.caps();
    return Rect{0, 0, caps.horz_res, caps.vert_res};
}

void show_window_message(Window* window, const std::string& text, const std::string& caption) {
    message_box(window, text, caption);
}

const char* attention_caption() {
    static const Text5 caption{"  Attention!", "  Внимание!", "  Увага!", "  Die Aufmerksamkeit!",
                               "  Внимание!"};
    return pick(caption);
}

void report_depth_beyond_plate(Window* window, double z, double zmax) {
    static const Text5 text{"z exceeds thickness of a plate z=%-.6g > thickness =%-.6g",
                            "z превышает толщину пластины z=%-.6g > толщина =%-.6g",
                            "z превышает толщину пластины z=%-.6g > толщина =%-.6g",
                            "Z übertritt die Dicke der Platte z=%-.6g > Die Dicke  =%-.6g",
                            "z excède l'épaisseur de la plaque z=%-.6g > L'épaisseur =%-.6g"};
    show_window_message(window, cformat(pick(text), z, zmax), attention_caption());
}

void report_outside_width(Window* window, double y, double ymin, double ymax) {
    static const Text5 text{
        "y is outside the width of the body y=%-.6g, limits %-.6g ... %-.6g",
        "y вне ширины тела y=%-.6g, пределы %-.6g ... %-.6g",
        "y поза шириною тіла y=%-.6g, межі %-.6g ... %-.6g",
        "y liegt ausserhalb der Breite des Körpers y=%-.6g, Grenzen %-.6g ... %-.6g",
        "y est hors de la largeur du corps y=%-.6g, limites %-.6g ... %-.6g"};
    show_window_message(window, cformat(pick(text), y, ymin, ymax), attention_caption());
}

BodyExtent body_extent_at(double y) {
    BodyExtent b;
    if (current_model.width_range) current_model.width_range(b.one_body, b.ymin, b.ymax);
    if (current_model.depth_range) current_model.depth_range(y, b.zmin, b.zmax);
    return b;
}

PointPlace place_of_point(const BodyExtent& body, double y, double z) {
    if (y < body.ymin || y > body.ymax) return PointPlace::beside_width;
    if (z < body.zmin) return PointPlace::above_surface;
    if (z > body.zmax) return PointPlace::below_plate;
    return PointPlace::inside;
}

void report_point_outside(Window* window, PointPlace place, const BodyExtent& body, double y, double z) {
    static const Text5 above_text{
        "z is above the surface of the body z=%-.6g, depth limits %-.6g ... %-.6g",
        "z выше поверхности тела z=%-.6g, пределы глубины %-.6g ... %-.6g",
        "z вище поверхні тіла z=%-.6g, межі глибини %-.6g ... %-.6g",
        "z liegt über der Oberfläche des Körpers z=%-.6g, Grenzen der Tiefe %-.6g ... %-.6g",
        "z est au-dessus de la surface du corps z=%-.6g, limites de profondeur %-.6g ... %-.6g"};
    switch (place) {
    case PointPlace::inside: return;
    case PointPlace::beside_width: report_outside_width(window, y, body.ymin, body.ymax); return;
    case PointPlace::below_plate: report_depth_beyond_plate(window, z, body.zmax); return;
    case PointPlace::above_surface:
        show_window_message(window, cformat(pick(above_text), z, body.zmin, body.zmax), attention_caption());
        return;
    }
}

bool check_welding_speed(Window* window, double v) {
    if (std::isfinite(v) && v > 0) return true;
    show_window_message(window, cformat(welding_speed_text(), v), attention_caption());
    return false;
}

bool thin_plate_installed() {
    return current_model.temperature != nullptr && current_model.temperature == ppr1_temperature;
}

void draw_clip_note(Canvas& dc, const Rect& plot, const std::vector<double>& temp) {
    if (std::find(temp.begin(), temp.end(), cycle_clip_temperature) == temp.end()) return;
    static const Text5 note{"clipped at %g °C", "ограничено уровнем %g °C", "обмежено рівнем %g °C",
                            "bei %g °C abgeschnitten", "écrêté à %g °C"};
    const std::string text = cformat(pick(note), cycle_clip_temperature);
    const Size e = dc.text_extent(text);
    const Rgb remembered = dc.text_color();
    dc.set_text_color(rgb(128, 0, 0));
    dc.text_out(plot.right - e.cx, plot.top - e.cy, text);
    dc.set_text_color(remembered);
}
