// The mechanical properties of the chosen steel against the cooling time:
// at the point of the current heat-source model (with its cooling curve and
// the values at the point's cooling time), and as the steel's whole diagram.
//
// All six property curves of the file are digitized on the hardness scale
// and drawn in one box; each property has its own axis, and a value read off
// a curve is carried from the hardness scale onto the property's own.
#include "seyffarth_frame.h"

#include "curve_set.h"
#include "fonts.h"
#include "measuring_canvas.h"
#include "numfmt.h"
#include "spline.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb grid_grey{127, 127, 127};
constexpr Rgb overlay_blue{0, 0, 225};
constexpr Rgb hv_axis_colour{150, 0, 75};

struct PropertyPanel {
    PenStyle style;
    Rgb colour;
    unsigned char glyph;
    int marker_count;
    int marker_offset;
    Text5 title;
};

const std::array<PropertyPanel, 6> panels{{
    {PenStyle::solid, {127, 0, 0}, 0xC0, 5, 1,
     {"Hardness HV", "Твердость по Викерсу HV", "Твердість по Вікерсу HV", "Die Härte HV", "La fermeté HV"}},
    {PenStyle::dash_dot, {0, 125, 0}, 0xC1, 5, 1,
     {"Tensile strength Rm, MPa", "Предел прочности Rm, МПа", "Границя міцності Rm, МПа",
      "Die Grenze der Haltbarkeit Rm, MPa", "La limite de la solidité Rm, MPa"}},
    {PenStyle::dash_dot, {0, 200, 0}, 0xC2, 5, 1,
     {"Yield point R02, MPa", "Предел текучести R02, МПа", "Границя текучості R02, МПа",
      "Die Grenze der Fließbarkeit R02, MPa", "La limite de la fluidité R02, MPa"}},
    {PenStyle::dash, {0, 0, 200}, 0xC3, 5, 1,
     {"Elongation A, %%", "Относительное удлинение A, %%", "Відносне подовження A, %%",
      "Die relative Verlängerung A, %%", "L'allongement relatif A, %%"}},
    {PenStyle::dash_dot_dot, {255, 0, 0}, 0xC4, 3, 0,
     {"Reduction in area  Z, %%", "Относительное сужение Z, %%", "Відносне звуженння Z, %%",
      "Die relative Verengung Z, %%", "Le rétrécissement relatif Z, %%"}},
    {PenStyle::dot, {255, 0, 255}, 0xC5, 5, 1,
     {"Impact toughness K, J/mm2", "Ударная вязкость K, Дж/мм2", "Ударна в'язкість K, Дж/мм2",
      "Die Stosszähigkeit K, J/mm2", "La viscosité de choc K, J/mm2"}},
}};

constexpr Text5 properties_point_title{
    "Mechanical properties under the atlas P. Seyffarth", "Механические свойства по атласу П. Daverurud",
    "Механічні властивості за атласом П. Daverurud", "Die mechanischen Eigenschaften nach dem Atlas P. Seyffarth",
    "Les propriétés mécaniques selon l'atlas P. Seyffarth"};
constexpr Text5 properties_diagram_title{
    "Mechanical properties under the atlas P. Seyffarth", "Механические свойства по атласу П.Daverurud",
    "Механічні властивості за атласом П.Daverurud", "Die mechanischen Eigenschaften nach dem Atlas P. Seyffarth",
    "Les propriétés mécaniques selon l'atlas P. Seyffarth"};

constexpr Text5 result_format{
    "In a range: (%g,%g), [C] at point (y=%g, cm; z=%g, cm) chill time: %-.3g, s;",
    "В диапазоне: (%g,%g), [C] в точке (y=%g, см; z=%g, см) время охлаждения: %-.3g, сек;",
    "В діапазоні: (%g,%g), [C] в точці (y=%g, см; z=%g, см) час охолодження: %-.3g, сек;",
    "Im Bereich: (%g,%g), [C] im Punkt (y=%g, cm; z=%g, cm) die Zeit der Abkühlung: %-.3g, s;",
    "Dans la gamme : (%g,%g), [C] dans le point (y=%g, cm; z=%g, cm) le temps du refroidissement: %-.3g, s;"};

constexpr Text5 temperature_title{"Temperature, C", "Температура, C", "Температура, C", "Temperatur, C",
                                  "Temperature, C"};
constexpr Text5 time_title{"t 8/5, s", "t 8/5, с", "t 8/5, с", "t 8/5, s", "t 8/5, s"};

int letters(std::string_view text)
{
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string percent_text(const char* format)
{
    std::string out;
    for (const char* s = format; *s != '\0'; ++s) {
        out += *s;
        if (s[0] == '%' && s[1] == '%') ++s;
    }
    return out;
}

void glyph_at(Canvas& dc, int H, unsigned char glyph, Rgb colour, int x, int y)
{
    symbol_font.height = H;
    symbol_font.width = 0;
    symbol_font.escapement = 0;
    symbol_font.weight = 400;
    symbol_font.charset = 2;
    symbol_font.face = "Zapfdingbats BT";
    dc.select_font(symbol_font);
    dc.set_text_color(seyffarth_colour(colour));
    dc.set_background_mode(BackgroundMode::opaque);
    dc.text_out(x, y, seyffarth_glyph_text(glyph));
    dc.set_background_mode(BackgroundMode::transparent);
    seyffarth_font(dc, H);
}

// A title reading upwards from the plot's bottom edge, with a line that
// continues it up to the plot's top after a gap of two character widths.
// Returns the title's cell.
Rect rotated_title_with_line(Canvas& dc, int H, const Rect& plot, std::string_view text, int title_x, int line_x,
                             const Pen& pen, int title_height)
{
    seyffarth_font(dc, title_height);
    const Size size = dc.text_extent(text);
    const int len = letters(text);
    seyffarth_font(dc, title_height, 900);
    dc.text_out(title_x, plot.bottom, text);
    seyffarth_font(dc, H);
    dc.select_pen(pen);
    dc.move_to(line_x, plot.bottom - size.cx - (len > 0 ? 2 * size.cx / len : 0));
    dc.line_to(line_x, plot.top);
    return Rect{title_x, plot.bottom - size.cx, title_x + size.cy, plot.bottom};
}

} // namespace

SeyffarthPropertyScales seyffarth_property_scales(double hv_hi, double rm_hi)
{
    SeyffarthPropertyScales s;
    if (hv_hi <= 440)
        s.hv = {80, 150, 200, 250, 300, 350, 400, 440};
    else
        s.hv = {150, 250, 350, 450, 550, 650, 750};
    if (rm_hi <= 1300)
        s.rm = {100, 300, 500, 700, 900, 1100, 1300};
    else
        s.rm = {400, 600, 800, 1000, 1200, 1400, 1600};
    s.a = {0, 8, 16, 24, 32, 40, 48};
    s.z = {0, 16, 32, 48, 64, 80, 96};
    s.k = {0, 6, 12, 18, 24, 30, 36};
    return s;
}

const std::vector<double>& SeyffarthPropertyScales::of(int property) const
{
    switch (property) {
    case 0: return hv;
    case 1:
    case 2: return rm;
    case 3: return a;
    case 4: return z;
    default: return k;
    }
}

double seyffarth_carry_to_scale(double v_hv, const std::vector<double>& hv_scale, const std::vector<double>& scale)
{
    // Both scales are fixed tables with distinct ends.
    return scale.front() + (v_hv - hv_scale.front()) * (scale.back() - scale.front()) /
                               (hv_scale.back() - hv_scale.front());
}

bool seyffarth_property_value(std::span<const double> curves, int property, double L, double& value)
{
    std::vector<double> cx, cy;
    int n = -1, colour = 0;
    if (!extract_curve(curves, cx, cy, n, colour, property) || n <= 3) return false;
    int flag = 0;
    const double v = curve_lookup(cy, cx, L, 0.01, n, flag);
    const SeyffarthPropertyScales scales = seyffarth_property_scales(curves.size() > 6 ? curves[6] : 0.0,
                                                                     curves.size() > 8 ? curves[8] : 0.0);
    value = property == 0 ? v : seyffarth_carry_to_scale(v, scales.hv, scales.of(property));
    return true;
}

std::vector<KeepClear> seyffarth_draw_property_panels(Canvas& dc, const SeyffarthPage& page, Rect plot,
                                                      std::span<const double> curves, Rect above, double x_min)
{
    std::vector<KeepClear> drawn;
    const double hv_lo = curves.size() > 5 ? curves[5] : 0.0;
    const double hv_hi = curves.size() > 6 ? curves[6] : 0.0;
    const SeyffarthPropertyScales scales =
        seyffarth_property_scales(hv_hi, curves.size() > 8 ? curves[8] : 0.0);
    const WorldBox box{x_min, hv_hi, seyffarth_ln400, hv_lo};
    const Rect c = page.client;
    const int h = page.h;
    const int L = plot.left, R = plot.right;
    struct Places {
        int title_x, line_x, axis_x;
        bool axis;
    };
    const std::array<Places, 6> places{{
        {L - 3 * h, static_cast<int>(L - 2.5 * h), L, false},   // HV's axis follows the time grid
        {static_cast<int>(c.left + 3.5 * h), c.left + 4 * h, c.left + 8 * h, true},
        {static_cast<int>(c.left + 4.5 * h), c.left + 5 * h, 0, false},
        {R + h, static_cast<int>(R + 1.5 * h), static_cast<int>(R + 3.8 * h), true},
        {R + 4 * h, static_cast<int>(R + 4.5 * h), static_cast<int>(R + 6.8 * h), true},
        {static_cast<int>(R + 7.5 * h), R + 8 * h, R + 10 * h, true},
    }};
    for (int k = 0; k < 6; ++k) {
        const PropertyPanel& p = panels[static_cast<std::size_t>(k)];
        const Places& at = places[static_cast<std::size_t>(k)];
        const Pen pen = seyffarth_pen(p.style, 1, p.colour);
        std::vector<double> cx, cy;
        int n = -1, colour = 0;
        if (extract_curve(curves, cx, cy, n, colour, k) && n > 3) {
            dc.select_pen(pen);
            draw_polyline(dc, n - 1, cx, cy, 2, plot, box);
            dc.set_text_color(seyffarth_colour(p.colour));
            dc.set_background_mode(BackgroundMode::opaque);
            draw_curve_markers(dc, n - 1, cx, cy, p.marker_count, p.marker_offset, p.glyph, plot, box, page.H);
            dc.set_background_mode(BackgroundMode::transparent);
        }
        auto axis = [&] {
            const std::vector<double>& v = scales.of(k);
            dc.set_text_color(seyffarth_colour(p.colour));
            dc.select_pen(seyffarth_pen(PenStyle::solid, 2, p.colour));
            seyffarth_font(dc, page.H);
            draw_y_axis(dc, at.axis_x, plot.bottom, plot.top, v.back(), v.front(), static_cast<int>(v.size()) - 1, 6,
                        v);
        };
        if (k >= 3) axis();
        dc.set_text_color(seyffarth_colour(p.colour));
        const int glyph_y = static_cast<int>(plot.top - 0.5 * h);
        Rect glyph_cell;
        {
            MeasuringCanvas measure(dc);
            glyph_at(measure, page.H, p.glyph, p.colour, at.title_x, glyph_y);
            glyph_cell = measure.reach();
        }
        const std::string title = percent_text(pick(p.title));
        drawn.push_back(KeepClear{rotated_title_with_line(
            dc, page.H, plot, title, at.title_x, at.line_x, pen,
            seyffarth_turned_title_height(dc, title, page.H, at.title_x, plot.bottom, glyph_cell.bottom, above))});
        glyph_at(dc, page.H, p.glyph, p.colour, at.title_x, glyph_y);
        drawn.push_back(KeepClear{glyph_cell});
        if (k == 1) axis();
    }
    return drawn;
}

void seyffarth_draw_property_time_grid(Canvas& dc, const SeyffarthPage& page, Rect plot,
                                       std::span<const double> curves, double x_min)
{
    const double hv_lo = curves.size() > 5 ? curves[5] : 0.0;
    const double hv_hi = curves.size() > 6 ? curves[6] : 0.0;
    const SeyffarthPropertyScales scales =
        seyffarth_property_scales(hv_hi, curves.size() > 8 ? curves[8] : 0.0);
    dc.set_text_color(black);
    seyffarth_font(dc, page.H);
    const double sx = std::abs(plot.right - plot.left) / (seyffarth_ln400 - x_min);
    for (double t : seyffarth_time_ticks_from(x_min)) {
        const int x = static_cast<int>(plot.left + (std::log(t) - x_min) * sx);
        dc.select_pen(seyffarth_pen(PenStyle::dot, 1, grid_grey));
        dc.move_to(x, plot.bottom);
        dc.line_to(x, plot.top);
        dc.select_pen(Pen{PenStyle::solid, 2, black});
        dc.move_to(x, plot.bottom);
        dc.line_to(x, plot.bottom + 6);
        const std::string label = cformat("%g", t);
        const Size size = dc.text_extent(label, true);
        dc.text_out(x - size.cx / 2, static_cast<int>(plot.bottom + 0.8 * page.h), label);
    }
    dc.select_pen(Pen{PenStyle::solid, 2, black});
    dc.move_to(plot.left, plot.bottom);
    dc.line_to(plot.right, plot.bottom);
    // A file whose hardness range is empty has no grid to place.
    const double range = std::abs(hv_lo - hv_hi);
    if (range > 0 && std::isfinite(range)) {
        dc.select_pen(seyffarth_pen(PenStyle::dot, 1, grid_grey));
        for (std::size_t i = 1; i < scales.hv.size(); ++i) {
            const double off = (scales.hv[i] - hv_lo) * std::abs(plot.bottom - plot.top) / range;
            if (!std::isfinite(off) || std::abs(off) > 16777216.0) continue;
            const int y = plot.bottom - static_cast<int>(off);
            dc.move_to(plot.left, y);
            dc.line_to(plot.right, y);
        }
    }
    dc.set_text_color(seyffarth_colour(hv_axis_colour));
    dc.select_pen(seyffarth_pen(PenStyle::solid, 2, hv_axis_colour));
    draw_y_axis(dc, plot.left, plot.bottom, plot.top, scales.hv.back(), scales.hv.front(),
                static_cast<int>(scales.hv.size()) - 1, 6, scales.hv);
}

namespace {

// Reads the property curve set named in the descriptor; false (reported)
// when the file cannot be opened. A malformed file is reported and what was
// read soundly is drawn.
bool read_property_curves(Window* window, const SteelChoice& steel, const SteelDescriptor& descriptor,
                          CurveSet& curves)
{
    const std::string path = seyffarth_atlas_file(steel, descriptor.property_curves);
    const AtlasReadResult result = read_curve_file(path, curves);
    if (!result.ok) report_atlas_failure(window, result);
    return !result.missing;
}

// The cooling curve at the point: temperature against the time since the
// upper temperature was passed, on its own temperature axis. Its markers
// keep off the panels' titles and glyphs (a curve that runs on past 400 s
// reaches the elongation title right of the plot).
void draw_cooling_overlay(Canvas& dc, const SeyffarthPage& page, Rect plot, const SeyffarthPoint& p, int steps,
                          double x_min, std::span<const KeepClear> titles)
{
    const Rect c = page.client;
    const int h = page.h;
    const WorldBox box{x_min, 900.0, seyffarth_ln400, 0.0};

    dc.select_pen(seyffarth_pen(PenStyle::solid, 5, {255, 0, 0}));
    const int x_t = seyffarth_time_marker_x(plot, p.L, x_min);
    dc.move_to(x_t, plot.bottom);
    dc.line_to(x_t, plot.top);

    const int N = steps > 0 ? steps : 50;
    std::vector<double> xs, ts;
    seyffarth_cooling_curve(p, N, x_min, xs, ts);

    const std::string title = pick(temperature_title);
    dc.set_text_color(seyffarth_colour(overlay_blue));
    const Pen pen3 = seyffarth_pen(PenStyle::solid, 3, overlay_blue);
    rotated_title_with_line(dc, page.H, plot, title, static_cast<int>(c.left + 0.1 * h),
                            static_cast<int>(c.left + 0.6 * h), pen3, page.H);
    glyph_at(dc, page.H, 0xC6, overlay_blue, static_cast<int>(c.left + 0.1 * h), static_cast<int>(plot.top - 0.5 * h));

    dc.select_pen(seyffarth_pen(PenStyle::solid, 5, overlay_blue));
    draw_polyline(dc, N, xs, ts, 1, plot, box);
    dc.set_text_color(seyffarth_colour(overlay_blue));
    dc.set_background_mode(BackgroundMode::opaque);
    draw_curve_markers(dc, N - 1, xs, ts, 5, N / 5, 0xC6, plot, box, page.H, titles);
    dc.set_background_mode(BackgroundMode::transparent);

    static constexpr std::array<double, 10> temperatures{0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    seyffarth_font(dc, page.H);
    dc.set_text_color(seyffarth_colour(overlay_blue));
    dc.select_pen(seyffarth_pen(PenStyle::solid, 2, overlay_blue));
    draw_y_axis(dc, static_cast<int>(c.left + 3.2 * h), plot.bottom, plot.top, 900, 0, 9, 6, temperatures);
}

void draw_time_title(Canvas& dc, const SeyffarthPage& page, Rect plot, Rgb colour)
{
    seyffarth_font(dc, page.H);
    const std::string text = pick(time_title);
    const Size size = dc.text_extent(text);
    dc.set_text_color(seyffarth_colour(colour));
    dc.text_out(page.client.left + (page.client.width() - size.cx) / 2, static_cast<int>(plot.bottom + 1.8 * page.h),
                text);
}

Rect properties_plot(const SeyffarthPage& page, int bottom_lines)
{
    const Rect c = page.client;
    return Rect{c.left + 12 * page.h, c.top + 7 * page.h, c.right - 12 * page.h, c.bottom - bottom_lines * page.h};
}

} // namespace

void seyffarth_properties_at_point_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                          SteelChoice steel, int)
{
    if (params == nullptr) return;
    SeyffarthPoint point;
    if (!seyffarth_point_usable(window, point, seyffarth_point_at(params, point))) return;

    const SeyffarthPage page = seyffarth_page_setup(window, dc, 30);
    const Rect c = page.client;
    const int h = page.h;
    const Rect plot = properties_plot(page, 11);

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    const Rect composition = seyffarth_draw_composition(dc, page, descriptor);
    CurveSet curves;
    if (!read_property_curves(window, steel, descriptor, curves)) return;

    std::array<double, 6> values{};
    std::array<bool, 6> present{};
    for (int k = 0; k < 6; ++k)
        present[static_cast<std::size_t>(k)] =
            seyffarth_property_value(curves, k, point.L, values[static_cast<std::size_t>(k)]);

    // The time axis reaches below 1 s when the point cools faster, so that
    // its whole cooling curve is drawn on it.
    const double x_min = seyffarth_time_axis_start(point.t);
    const std::vector<KeepClear> titles = seyffarth_draw_property_panels(dc, page, plot, curves, composition, x_min);
    seyffarth_draw_property_time_grid(dc, page, plot, curves, x_min);
    draw_cooling_overlay(dc, page, plot, point, steps, x_min, titles);
    draw_time_title(dc, page, plot, overlay_blue);

    // Text block.
    seyffarth_draw_title_at(dc, page, pick(properties_point_title), c.left + h, static_cast<int>(c.top + 0.3 * h));
    seyffarth_draw_class_and_grade(dc, page, steel, descriptor, 1.3, 2.5);
    {
        char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
        if (current_model.summary != nullptr) current_model.summary(line1, line2, title);
        const std::string model = seyffarth_model_line(title);
        const LineInside at = line_inside(dc, model, c.left, static_cast<int>(1.2 * page.H), c.left + 2, c.right - 2,
                                          [](Canvas& d, int height) { seyffarth_font(d, height); });
        dc.set_text_color(seyffarth_colour({120, 0, 95}));
        dc.text_out(c.left + (c.width() - at.width) / 2, static_cast<int>(c.bottom - 8.2 * h), model);
    }
    seyffarth_font(dc, page.H);
    dc.set_text_color(seyffarth_colour({120, 0, 95}));
    seyffarth_draw_result_line(dc, page, c.left + 5 * h, static_cast<int>(c.bottom - 7.2 * h),
                               cformat(pick(result_format), point.T_from, point.T_to, point.y, point.z, point.t));

    static const std::array<std::pair<const char*, Rgb>, 6> fragments{{
        {" HV= %-.3g,", {127, 0, 0}},
        {" Rm= %-.3g MPa;", {127, 0, 0}},
        {" Rp02= %-.3g MPa;", {0, 200, 0}},
        {" A= %-.3g %%; ", {0, 0, 200}},
        {" Z= %-.3g %%;", {0, 125, 125}},
        {" K= %-.3g J/mm2;", {255, 0, 255}},
    }};
    std::array<std::string, fragments.size()> texts;
    for (std::size_t k = 0; k < fragments.size(); ++k) {
        // A property without its curve has no value: its place shows a dash.
        texts[k] = cformat(fragments[k].first, values[k]);
        if (!present[k]) {
            texts[k] = percent_text(fragments[k].first);
            texts[k].replace(texts[k].find("%-.3g"), 5, 1, '-');
        }
    }
    // The values end inside the page: the line moves left, and takes a
    // smaller font only where the page is too narrow for it.
    const LineInside at = line_inside_measured(
        dc, c.left + 5 * h, page.H, c.left + 2, c.right - 2, [](Canvas& d, int height) { seyffarth_font(d, height); },
        [&texts](Canvas& d) {
            int width = 0;
            for (const std::string& text : texts) width += d.text_extent(text, true).cx;
            return width;
        });
    int x = at.x;
    const int y = static_cast<int>(c.bottom - 6.2 * h);
    for (std::size_t k = 0; k < fragments.size(); ++k) {
        dc.set_text_color(seyffarth_colour(fragments[k].second));
        dc.text_out(x, y, texts[k]);
        x += dc.text_extent(texts[k], true).cx;
    }

    seyffarth_font(dc, page.H);
    dc.set_text_color(black);
    if (current_model.draw_panel != nullptr) {
        current_model.draw_panel(dc, c, 1, 1, 1, 1);
    } else {
        char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
        if (current_model.summary != nullptr) current_model.summary(line1, line2, title);
        dc.text_out(c.left + 5 * h, c.bottom - 2 * h, line1);
        dc.text_out(c.left + 5 * h, c.bottom - h, line2);
    }
}

void seyffarth_properties_diagram_window(const double*, int, Window* window, Canvas& dc, int, SteelChoice steel, int)
{
    const SeyffarthPage page = seyffarth_page_setup(window, dc, 30);
    const Rect c = page.client;
    const int h = page.h;
    const Rect plot = properties_plot(page, 5);

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    const Rect composition = seyffarth_draw_composition(dc, page, descriptor);
    CurveSet curves;
    if (!read_property_curves(window, steel, descriptor, curves)) return;

    seyffarth_draw_property_panels(dc, page, plot, curves, composition);
    seyffarth_draw_property_time_grid(dc, page, plot, curves);
    draw_time_title(dc, page, plot, black);
    seyffarth_draw_title_at(dc, page, pick(properties_diagram_title), c.left + h, static_cast<int>(c.top + 0.3 * h));
    seyffarth_draw_class_and_grade(dc, page, steel, descriptor, 1.3, 2.5);
}
