// The phase structure of the chosen steel against the cooling time: at the
// point of the current heat-source model, and as the steel's whole diagram.
#include "seyffarth_frame.h"

#include "numfmt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Text5 structure_window_title{
    " Structure under the atlas P. Seyffarth", " Cтруктура по атласу П. Daverurud", " Cтруктура за атласом П. Daverurud",
    " Structur nach dem Atlas P. Seyffarth", " Structur selon l'atlas P. Seyffarth"};

constexpr Text5 result_format{
    "In a range: (%g,%g), [C] at point (y=%g, cm; z=%g, cm) chill time: %-.3g, s;",
    "В диапазоне: (%g,%g), [C] в точке (y=%g, см; z=%g, см) время охлаждения: %-.3g, сек;",
    "В діапазоні: (%g,%g), [C] в точці (y=%g, см; z=%g, см) час охолодження: %-.3g, сек;",
    "Im Bereich: (%g,%g), [C] im Punkt (y=%g, cm; z=%g, cm) die Zeit der Abkühlung: %-.3g, s;",
    "Dans la gamme : (%g,%g), [C] dans le point (y=%g, cm; z=%g, cm) le temps du refroidissement: %-.3g, s;"};

// Share fragments one after another, each in its colour, the x advanced by
// each fragment's width.
void draw_share_line(Canvas& dc, int x, int y, const SeyffarthShares& s)
{
    const SeyffarthShareTexts t = seyffarth_share_texts();
    const struct {
        const char* format;
        double value;
        Rgb colour;
    } fragments[] = {
        {t.martensite, s.martensite, {0, 127, 0}},
        {t.bainite, s.bainite, {0, 127, 255}},
        {t.ferrite, s.ferrite, {255, 127, 0}},
        {t.pearlite, s.pearlite, {127, 0, 0}},
    };
    for (const auto& f : fragments) {
        const std::string text = cformat(f.format, f.value);
        dc.set_text_color(seyffarth_colour(f.colour));
        dc.text_out(x, y, text);
        x += dc.text_extent(text).cx;
    }
}

} // namespace

void seyffarth_structure_at_point_window(const double* params, int, Window* window, Canvas& dc, int,
                                         SteelChoice steel, int)
{
    if (params == nullptr) return;
    SeyffarthPoint point;
    if (!seyffarth_point_usable(window, point, seyffarth_point_at(params, point))) return;

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    SeyffarthPhases phases;
    if (!seyffarth_read_phases(window, steel, descriptor, phases)) return;
    const SeyffarthShares shares = seyffarth_shares_at(phases, point.L);
    // A cooling time beyond the table's rows takes the end row's shares, and
    // a line under the time title says so; the plot gives up its row, so the
    // rows under it keep their places.
    const std::string end_line = seyffarth_table_end_line(phases, point.t);

    const SeyffarthPage page = seyffarth_page_setup(window, dc, 30);
    const Rect c = page.client;
    const int h = page.h;
    const int end_row = seyffarth_end_line_room(dc, page, end_line);
    const Rect plot{c.left + c.width() / 8, c.top + 7 * h, c.right - c.width() / 4, c.bottom - 13 * h - end_row};

    seyffarth_draw_composition(dc, page, descriptor);
    seyffarth_draw_structure_grid_and_axis(dc, plot);
    seyffarth_draw_phase_curves(dc, page, plot, phases, SeyffarthMarkers{{5, 3, 4, 7}, {0, 1, 2, 0}});
    seyffarth_draw_time_axis(dc, page, plot, seyffarth_structure_box());
    const int under_titles = seyffarth_draw_structure_titles(dc, page, plot);
    seyffarth_draw_end_line(dc, page, end_line, under_titles);

    // The point's cooling time, wherever it falls.
    const int x_t = seyffarth_time_marker_x(plot, point.L);
    dc.select_pen(seyffarth_pen(PenStyle::solid, 5, {255, 0, 0}));
    dc.move_to(x_t, plot.bottom);
    dc.line_to(x_t, plot.top);

    seyffarth_draw_title(dc, page, pick(structure_window_title));
    seyffarth_draw_class_and_grade(dc, page, steel, descriptor);
    seyffarth_draw_model_line(dc, page, plot.left, static_cast<int>(c.bottom - 9.5 * h));

    const int hr = seyffarth_font(dc, page.H);
    dc.set_text_color(seyffarth_colour({120, 0, 95}));
    seyffarth_draw_result_line(dc, page, plot.left, static_cast<int>(c.bottom - 8.0 * hr),
                               cformat(pick(result_format), point.T_from, point.T_to, point.y, point.z, point.t));
    draw_share_line(dc, plot.left, c.bottom - 7 * h, shares);
    seyffarth_draw_panel(dc, page, {127, 0, 0});
}

void seyffarth_structure_diagram_window(const double*, int, Window* window, Canvas& dc, int, SteelChoice steel,
                                        int)
{
    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    SeyffarthPhases phases;
    SeyffarthTableOptions options;
    options.absolute_martensite = true;
    if (!seyffarth_read_phases(window, steel, descriptor, phases, options)) return;

    const SeyffarthPage page = seyffarth_page_setup(window, dc, 30);
    const Rect c = page.client;
    const int h = page.h;
    const Rect plot{c.left + c.width() / 8, c.top + 7 * h, c.right - c.width() / 4, c.bottom - 5 * h};

    seyffarth_draw_composition(dc, page, descriptor);
    seyffarth_draw_structure_grid_and_axis(dc, plot);
    seyffarth_draw_phase_curves(dc, page, plot, phases, SeyffarthMarkers{{5, 5, 5, 5}, {2, 1, 1, 0}});
    seyffarth_draw_time_axis(dc, page, plot, seyffarth_structure_box());
    seyffarth_draw_structure_titles(dc, page, plot);
    seyffarth_draw_title(dc, page, pick(structure_window_title));
    seyffarth_draw_class_and_grade(dc, page, steel, descriptor);
}
