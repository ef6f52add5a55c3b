// The CCT diagram of the chosen steel: alone, and with the cooling curve of
// the current heat-source model at a point, its cooling time and the phase
// shares of the structure table at that time.
#include "seyffarth_frame.h"

#include "curve_set.h"
#include "measuring_canvas.h"
#include "numfmt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb cct_blue{0, 125, 250};
constexpr Rgb title_blue{0, 0, 127};

constexpr Text5 point_title{"Cct diagram under the atlas P. Seyffarth",
                            "Диаграмма распада аустенита по атласу П. Daverurud",
                            "Діаграма розспаду аустеніту за атласом П. Daverurud",
                            "Cct diagram nach dem Atlas P. Seyffarth", "Cct diagram selon l'atlas P. Seyffarth"};
constexpr Text5 diagram_title{"Cct diagram under the atlas P. Seyffarth",
                              "Диаграма распада аустенита по атласу П. Daverurud",
                              "Діаграма розспаду аустеніту за атласом П. Daverurud",
                              "Cct diagram nach dem Atlas P. Seyffarth", "Cct diagram selon l'atlas P. Seyffarth"};
constexpr Text5 temperature_title{"Temperature, C", "Температура, C", "Температура, C", "Temperatur, C",
                                  "Temperature, C"};
constexpr Text5 time_title{"t 8/5, s", "t 8/5, с", "t 8/5, с", "t 8/5, s", "t 8/5, s"};
constexpr Text5 result_format{
    "In a range: (%g,%g), [C] at point (y=%g, cm; z=%g, cm) chill time: %-.3g, s;",
    "В диапазоне: (%g,%g), [C] в точке (y=%g, см; z=%g, см) время охлаждения: %-.3g, сек;",
    "В діапазоні: (%g,%g), [C] в точці (y=%g, см; z=%g, см) час охолодження: %-.3g, сек;",
    "Im Bereich: (%g,%g), [C] im Punkt (y=%g, cm; z=%g, cm) die Zeit der Abkühlung: %-.3g, s;",
    "Dans la gamme : (%g,%g), [C] dans le point (y=%g, cm; z=%g, cm) le temps du refroidissement: %-.3g, s;"};
constexpr Text5 martensite_fragment{"Martensite = %-.3g %%;  ", "Мартенсит = %-.3g %%;  ", "Мартенсит = %-.3g %%;  ",
                                    nullptr, nullptr};
constexpr Text5 ferrite_fragment{"Ferrite:= %-.3g %%;  ", "Феррит:= %-.3g %%;  ", "Ферит:= %-.3g %%;  ", nullptr,
                                 nullptr};
constexpr Text5 bainite_fragment{"bainite = %-.3g %%;  ", "Бейнит = %-.3g %%;  ", "Бейніт = %-.3g %%;  ", nullptr,
                                 nullptr};
constexpr Text5 pearlite_fragment{"Pearlite = %-.3g %%;  ", "Перлит = %-.3g %%;  ", "Перліит = %-.3g %%;  ", nullptr,
                                  nullptr};

constexpr std::array<double, 10> temperature_values{0, 100, 200, 300, 400, 500, 600, 700, 800, 900};

int held(double v)
{
    if (!std::isfinite(v)) return 0;
    if (v > 16777216.0) return 16777216;
    if (v < -16777216.0) return -16777216;
    return static_cast<int>(v);
}

// The pixel column of abscissa x in the box; the box's left edge when the
// box has no width.
int column(Rect plot, WorldBox box, double x)
{
    const double range = std::abs(box.x_max - box.x_min);
    if (!(range > 0) || !std::isfinite(range)) return plot.left;
    return held(plot.left + (x - box.x_min) * std::abs(plot.right - plot.left) / range);
}

// The curve set's world box: elements 1 to 4 (x min, y min, x max, y max).
// False when the file gave none.
bool curve_box(const CurveSet& curves, WorldBox& box)
{
    if (curves.size() < 5) return false;
    box = WorldBox{curves[1], curves[4], curves[3], curves[2]};
    return true;
}

// Reads the CCT curves; false when there is no world box to draw on (the
// failure reported).
bool read_cct_curves(Window* window, const SteelChoice& steel, const SteelDescriptor& descriptor, CurveSet& curves,
                     WorldBox& box)
{
    const AtlasReadResult result = read_curve_file(seyffarth_atlas_file(steel, descriptor.cct_curves), curves);
    if (!result.ok) report_atlas_failure(window, result);
    return curve_box(curves, box);
}

// Frame, time ticks, temperature lines and axis, and the curves.
void draw_diagram_and_axes(Canvas& dc, const SeyffarthPage& page, Rect plot, WorldBox box, const CurveSet& curves)
{
    dc.select_brush(Brush{BrushStyle::solid, {255, 255, 255}});
    dc.select_pen(seyffarth_pen(PenStyle::solid, 1, cct_blue));
    dc.set_text_color(seyffarth_colour(cct_blue));
    seyffarth_font(dc, page.H);
    dc.move_to(plot.left, plot.bottom);
    dc.line_to(plot.right, plot.bottom);
    dc.move_to(plot.left, plot.top);
    dc.line_to(plot.right, plot.top);
    for (double t : seyffarth_time_ticks_from(std::min(0.0, box.x_min))) {
        const int x = column(plot, box, std::log(t));
        dc.move_to(x, plot.bottom);
        dc.line_to(x, plot.top);
        const std::string label = cformat("%g", t);
        dc.text_out(x - dc.text_extent(label).cx / 2, plot.bottom + page.h, label);
    }
    const double range = std::abs(box.y_max - box.y_min);
    if (range > 0 && std::isfinite(range)) {
        for (double v : temperature_values) {
            const int y = plot.bottom - held(v * std::abs(plot.bottom - plot.top) / range);
            dc.move_to(plot.left, y);
            dc.line_to(plot.right, y);
        }
    }
    draw_y_axis(dc, plot.left, plot.bottom, plot.top, box.y_max, box.y_min, 9, 2, temperature_values);
    draw_curve_set(dc, curves, box, plot);
}

void draw_labels(Window* window, Canvas& dc, const SeyffarthPage& page, Rect plot, WorldBox box,
                 const SteelChoice& steel, const SteelDescriptor& descriptor)
{
    std::vector<LabelRecord> labels;
    const AtlasReadResult result = read_label_file(seyffarth_atlas_file(steel, descriptor.labels), labels);
    if (!result.ok) report_atlas_failure(window, result);
    if (result.missing) return;
    seyffarth_font(dc, page.H);
    draw_cct_labels(dc, page.client.height(), labels, box, plot);
}

void draw_axis_titles(Canvas& dc, const SeyffarthPage& page, Rect plot)
{
    const int size = static_cast<int>(1.2 * page.H);
    const int h1 = seyffarth_font(dc, size);
    dc.set_text_color(seyffarth_colour(title_blue));
    const std::string time = pick(time_title);
    const Size w = dc.text_extent(time);
    dc.text_out(page.client.left + (page.client.width() - w.cx) / 2, static_cast<int>(plot.bottom + 1.5 * h1), time);
    seyffarth_font(dc, size, 900);
    dc.text_out(static_cast<int>(page.client.left + 0.1 * h1), plot.bottom, pick(temperature_title));
    seyffarth_font(dc, page.H);
}

Rect cct_plot(const SeyffarthPage& page, int bottom_lines)
{
    const Rect c = page.client;
    return Rect{c.left + c.width() / 8, c.top + 7 * page.h, c.right - c.width() / 8, c.bottom - bottom_lines * page.h};
}

} // namespace

void seyffarth_cct_diagram_window(const double*, int, Window* window, Canvas& dc, int, SteelChoice steel, int)
{
    const SeyffarthPage page = seyffarth_page_setup(window, dc, 30);
    const Rect plot = cct_plot(page, 5);
    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    seyffarth_draw_composition(dc, page, descriptor);

    CurveSet curves;
    WorldBox box;
    if (read_cct_curves(window, steel, descriptor, curves, box)) {
        draw_diagram_and_axes(dc, page, plot, box, curves);
        draw_labels(window, dc, page, plot, box, steel, descriptor);
        draw_axis_titles(dc, page, plot);
    }
    seyffarth_draw_title(dc, page, pick(diagram_title));
    seyffarth_draw_class_and_grade(dc, page, steel, descriptor);
}

void seyffarth_cct_at_point_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                   SteelChoice steel, int)
{
    if (params == nullptr) return;
    SeyffarthPoint point;
    if (!seyffarth_point_usable(window, point, seyffarth_point_at(params, point))) return;

    const SeyffarthPage page = seyffarth_page_setup(window, dc, 30);
    const Rect c = page.client;
    const int h = page.h;
    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    seyffarth_draw_composition(dc, page, descriptor);

    SeyffarthPhases phases;
    SeyffarthTableOptions options;
    options.last_four_counts = false;
    if (!seyffarth_read_phases(window, steel, descriptor, phases, options)) return;
    const SeyffarthShares shares = seyffarth_shares_at(phases, point.L);
    // A cooling time beyond the structure table's rows takes the end row's
    // shares, and a line under the time title says so; the plot rises so
    // that the title and the line end above the model line, which keeps its
    // place.
    const std::string end_line = seyffarth_table_end_line(phases, point.t);
    const int end_row = seyffarth_end_line_room(dc, page, end_line);
    const int h1 = seyffarth_font(dc, static_cast<int>(1.2 * page.H));
    Rect plot = cct_plot(page, 11);
    const int under_title = static_cast<int>(1.5 * h1) + h1;
    if (end_row > 0) plot.bottom = std::min(plot.bottom, static_cast<int>(c.bottom - 8.2 * h) - end_row - under_title);

    CurveSet curves;
    WorldBox box;
    const bool have_box = read_cct_curves(window, steel, descriptor, curves, box);
    if (have_box) {
        // A point that cools through the interval before the diagram's time
        // axis begins gets the axis reaching back to where its curve starts.
        const double x_min = seyffarth_time_axis_start(point.t);
        if (x_min < box.x_min) box.x_min = x_min;
        draw_diagram_and_axes(dc, page, plot, box, curves);

        std::vector<LabelRecord> labels;
        const AtlasReadResult labels_read =
            read_label_file(seyffarth_atlas_file(steel, descriptor.labels), labels);
        if (!labels_read.ok) report_atlas_failure(window, labels_read);

        // The cooling curve from one second after the upper temperature was
        // passed down to the lower one.
        const int N = steps > 0 ? steps : 50;
        std::vector<double> xs, ts;
        seyffarth_cooling_curve(point, N, std::max(x_min, box.x_min), xs, ts);
        // The curve's markers keep off the labels drawn over it.
        std::vector<KeepClear> label_boxes;
        if (!labels_read.missing) {
            MeasuringCanvas measure(dc);
            seyffarth_font(measure, page.H);
            label_boxes = draw_cct_labels(measure, c.height(), labels, box, plot);
        }
        const int x_t = column(plot, box, point.L);
        dc.select_pen(seyffarth_pen(PenStyle::solid, 3, {127, 0, 0}));
        dc.move_to(x_t, plot.bottom);
        dc.line_to(x_t, plot.top);
        dc.select_pen(seyffarth_pen(PenStyle::solid, 5, cct_blue));
        draw_polyline(dc, N, xs, ts, 1, plot, box);
        dc.set_text_color(seyffarth_colour({0, 0, 255}));
        dc.set_background_mode(BackgroundMode::opaque);
        draw_curve_markers(dc, N, xs, ts, 5, N / 7, 0xC0, plot, box, page.H, label_boxes);
        dc.set_background_mode(BackgroundMode::transparent);

        if (!labels_read.missing) {
            seyffarth_font(dc, page.H);
            draw_cct_labels(dc, c.height(), labels, box, plot);
        }
        draw_axis_titles(dc, page, plot);
    }
    seyffarth_draw_title(dc, page, pick(point_title));
    seyffarth_draw_class_and_grade(dc, page, steel, descriptor);

    {
        char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
        if (current_model.summary != nullptr) current_model.summary(line1, line2, title);
        // Centred on the width it is drawn in, so that a long scheme name
        // is not cut at the right edge.
        const std::string model = seyffarth_model_line(title);
        const LineInside at = line_inside(dc, model, c.left, page.H * 4 / 3, c.left + 2, c.right - 2,
                                          [](Canvas& d, int height) { seyffarth_font(d, height); });
        dc.set_text_color(black);
        dc.text_out(c.left + (c.width() - at.width) / 2, static_cast<int>(c.bottom - 8.2 * h), model);
    }
    seyffarth_draw_end_line(dc, page, end_line, plot.bottom + under_title);
    seyffarth_font(dc, page.H);
    dc.set_text_color(seyffarth_colour({120, 0, 95}));
    seyffarth_draw_result_line(dc, page, plot.left, static_cast<int>(c.bottom - 7.0 * h),
                               cformat(pick(result_format), point.T_from, point.T_to, point.y, point.z, point.t));
    const struct {
        const Text5* format;
        double value;
        Rgb colour;
    } fragments[] = {
        {&martensite_fragment, shares.martensite, {0, 127, 0}},
        {&ferrite_fragment, shares.ferrite, {255, 0, 255}},
        {&bainite_fragment, shares.bainite, {127, 127, 127}},
        {&pearlite_fragment, shares.pearlite, {127, 127, 127}},
    };
    int x = plot.left;
    for (const auto& f : fragments) {
        const std::string text = cformat(pick(*f.format), f.value);
        dc.set_text_color(seyffarth_colour(f.colour));
        dc.text_out(x, c.bottom - 6 * h, text);
        x += dc.text_extent(text).cx;
    }
    seyffarth_draw_panel(dc, page, {127, 127, 127});
}
