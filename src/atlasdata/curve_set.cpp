#include "curve_set.h"

#include "captions.h"
#include "fonts.h"
#include "numfmt.h"
#include "spline.h"
#include "window.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double pixel_limit = 16777216.0;

// Truncated toward zero, held within the pixel range; NaN gives 0.
int trunc_px(double v)
{
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -pixel_limit, pixel_limit));
}

// The mapping of the plotting toolkit, in floating point (top-anchored y).
struct Mapping {
    double scale_x = 0;
    double scale_y = 0;
    Rect rect;
    WorldBox box;
    double x(double wx) const { return rect.left + (wx - box.x_min) * scale_x; }
    double y(double wy) const { return rect.top + (box.y_max - wy) * scale_y; }
};

double axis_scale(int p0, int p1, double w0, double w1)
{
    const double world = std::fabs(w1 - w0);
    if (!(world > 0) || !std::isfinite(world)) return 0.0;
    const double s = std::fabs(static_cast<double>(p1) - static_cast<double>(p0)) / world;
    return std::isfinite(s) ? s : 0.0;
}

Mapping mapping(WorldBox box, Rect rect)
{
    Mapping m;
    m.rect = rect;
    m.box = box;
    m.scale_x = axis_scale(rect.left, rect.right, box.x_min, box.x_max);
    m.scale_y = axis_scale(rect.top, rect.bottom, box.y_min, box.y_max);
    return m;
}

Rgb colour_of(int number) { return Rgb{number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF}; }

// How many elements a walk may use: the count, but never beyond the array.
std::size_t usable(std::span<const double> curves)
{
    if (curves.empty()) return 0;
    const double n = curves[0];
    if (!(n > 0)) return 0;
    return std::min(curves.size(), n >= static_cast<double>(curves.size()) ? curves.size()
                                                                            : static_cast<std::size_t>(n));
}

// One curve record at position p: false when it is not a sound record
// inside the first `end` elements.
struct CurveRecord {
    int n = -1;
    int colour = 0;
    std::size_t points = 0;   // position of the first x
    double label = 0;
    std::size_t next = 0;
};

bool record_at(std::span<const double> curves, std::size_t p, std::size_t end, CurveRecord& r)
{
    if (p + 2 > end) return false;
    const double n = curves[p];
    if (!(n >= -1.0 && n < curve_max_points)) return false;
    r.n = static_cast<int>(n);
    const double colour = curves[p + 1];
    r.colour = colour >= 0 && colour <= 16777215.0 ? static_cast<int>(colour) : 0;
    r.points = p + 2;
    const std::size_t count = static_cast<std::size_t>(r.n + 1);
    if (r.points + 2 * count + 1 > end) return false;
    r.label = curves[r.points + 2 * count];
    r.next = r.points + 2 * count + 1;
    return true;
}

void copy_points(std::span<const double> curves, const CurveRecord& r, std::vector<double>& xs,
                 std::vector<double>& ys)
{
    const std::size_t count = static_cast<std::size_t>(r.n + 1);
    xs.resize(count);
    ys.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        xs[i] = curves[r.points + 2 * i];
        ys[i] = curves[r.points + 2 * i + 1];
    }
}

// A label as placed: the ellipse round it (empty for a plain text) and the
// cell of its text.
struct PlacedLabel {
    Rect ellipse;
    Rect text;
};

// Whether a label at this place stays off every earlier one: neither
// ellipse reaches into the other's text.
bool clear_of(const PlacedLabel& label, const std::vector<PlacedLabel>& earlier)
{
    return std::none_of(earlier.begin(), earlier.end(), [&](const PlacedLabel& e) {
        return ellipse_meets_rect(e.ellipse, label.text) || ellipse_meets_rect(label.ellipse, e.text);
    });
}

// The label where it stands, or, where its ellipse would reach into an
// earlier label's text (or its text into an earlier ellipse), moved up,
// down, right or left the least distance that clears every earlier one;
// where none within a few label sizes does, it keeps its place.
PlacedLabel clear_place(const PlacedLabel& at, const std::vector<PlacedLabel>& earlier)
{
    const auto shifted = [](const Rect& r, int dx, int dy) {
        return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    };
    const int reach = 3 * (at.text.width() + at.text.height()) + 20;
    for (int d = 0; d <= reach; ++d) {
        for (const auto& [dx, dy] : {std::pair{0, -d}, std::pair{0, d}, std::pair{d, 0}, std::pair{-d, 0}}) {
            const PlacedLabel candidate{shifted(at.ellipse, dx, dy), shifted(at.text, dx, dy)};
            if (clear_of(candidate, earlier)) return candidate;
        }
    }
    return at;
}

// The label of a curve ending at (px, py) whose value measures `extent`: an
// ellipse from (px - w/2 - 5, py) to (px + w/2 + 5, py + 1.5h + 2) with the
// value centred in it, so that the ellipse runs round the value at every
// font size; curves that end close together move their labels apart
// (clear_place).
PlacedLabel place_hardness_label(double px, double py, Size extent, const std::vector<PlacedLabel>& earlier)
{
    const int w = extent.cx;
    const int h = extent.cy;
    PlacedLabel at;
    at.ellipse = Rect{trunc_px(px - 0.5 * w - 5), trunc_px(py), trunc_px(px + 0.5 * w + 5), trunc_px(py + 1.5 * h + 2)};
    const int left = trunc_px(px - w / 2 - 1);
    const int right = trunc_px(px + w / 2 + 1);
    const int x = left + (right - left - w) / 2;
    const int y = at.ellipse.top + (at.ellipse.height() - h) / 2;
    at.text = Rect{x, y, x + w, y + h};
    return clear_place(at, earlier);
}

} // namespace

bool extract_curve(std::span<const double> curves, std::vector<double>& xs, std::vector<double>& ys, int& n,
                   int& colour, int k)
{
    xs.clear();
    ys.clear();
    n = -1;
    colour = 0;
    if (k < 0) return false;
    const std::size_t end = usable(curves);
    std::size_t p = curve_set_header;
    for (int c = 0;; ++c) {
        CurveRecord r;
        if (!record_at(curves, p, end, r)) return false;
        if (c == k) {
            n = r.n;
            colour = r.colour;
            copy_points(curves, r, xs, ys);
            return true;
        }
        p = r.next;
    }
}

bool lookup_curve_at_times(std::span<const double> curves, int k, std::span<const double> times,
                           std::vector<double>& out)
{
    out.assign(times.size(), -1.0);
    std::vector<double> xs;
    std::vector<double> ys;
    int n = -1;
    int colour = 0;
    if (!extract_curve(curves, xs, ys, n, colour, k) || n < 0) return false;
    for (std::size_t j = 0; j < times.size(); ++j) {
        int flag = spline_inside;
        out[j] = curve_lookup(ys, xs, std::log(std::fabs(times[j])), 0.001, n, flag);
    }
    return true;
}

void draw_curve_set(Canvas& dc, std::span<const double> curves, WorldBox box, Rect rect)
{
    const std::size_t end = usable(curves);
    const Mapping map = mapping(box, rect);
    std::vector<double> xs;
    std::vector<double> ys;
    std::optional<Rgb> last_label_colour;
    std::vector<PlacedLabel> labels;
    dc.save();
    std::size_t p = curve_set_header;
    CurveRecord r;
    while (p < end && record_at(curves, p, end, r)) {
        p = r.next;
        if (r.n < 0) continue;
        copy_points(curves, r, xs, ys);
        const Rgb colour = colour_of(r.colour);
        dc.select_pen(Pen{PenStyle::solid, 1, colour});
        draw_polyline(dc, r.n, xs, ys, 1, rect, box);
        if (!(r.label > 0)) continue;
        const std::string text = cformat("%g", r.label);
        const Size extent = dc.text_extent(text);
        const PlacedLabel label = place_hardness_label(map.x(xs.back()), map.y(ys.back()), extent, labels);
        labels.push_back(label);
        dc.set_background_mode(BackgroundMode::transparent);
        // An arc whose two rays point the same way draws the whole outline.
        const Rect& e = label.ellipse;
        dc.arc(e.left, e.top, e.right, e.bottom, rect.left, rect.top, rect.left, rect.top);
        dc.set_text_color(colour);
        dc.text_out(label.text.left, label.text.top, text);
        last_label_colour = colour;
    }
    dc.restore();
    if (last_label_colour) {
        dc.set_background_mode(BackgroundMode::transparent);
        dc.set_text_color(*last_label_colour);
    }
}

std::vector<KeepClear> draw_cct_labels(Canvas& dc, Window* window, std::span<const LabelRecord> records, WorldBox box,
                                       Rect rect)
{
    return draw_cct_labels(dc, window ? get_client_rect(window).height() : 0, records, box, rect);
}

std::vector<KeepClear> draw_cct_labels(Canvas& dc, int client_height, std::span<const LabelRecord> records,
                                       WorldBox box, Rect rect)
{
    text_font.face = "Times New Roman";
    text_font.height = client_height / 35;
    text_font.escapement = 0;
    text_font.weight = 400;
    const FontRecord font = text_font;
    dc.select_font(font);
    const Mapping map = mapping(box, rect);
    const bool colour = colour_mode != 0;
    const Rgb black{0, 0, 0};
    const std::size_t count = records.size();
    std::vector<PlacedLabel> placed;
    const auto text_at = [&](int x, int y, const std::string& text) {
        dc.text_out(x, y, text);
        const Size e = dc.text_extent(text);
        placed.push_back(PlacedLabel{Rect{}, Rect{x, y, x + e.cx, y + e.cy}});
    };
    dc.save();

    // Member counts of the three groups, held to what the array can hold.
    auto members = [&](std::size_t i) -> std::size_t {
        if (i >= count) return 0;
        const double x = std::trunc(records[i].x);
        const double y = std::trunc(records[i].y);
        const double c = y - x;
        if (!(c > 0)) return 0;
        return c >= static_cast<double>(count) ? count : static_cast<std::size_t>(c);
    };
    const std::size_t group_a = members(0);
    const std::size_t group_b = members(1);
    const std::size_t group_c = members(2);

    const int w0 = count > 0 ? dc.text_extent(records[0].text, true).cx : 0;
    static const Rgb text_colours[6] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255},
                                        {255, 0, 0}, {150, 0, 75}, {55, 200, 25}};
    for (std::size_t i = 3; i <= 8 && i < count; ++i) {
        dc.set_text_color(colour ? text_colours[i - 3] : black);
        text_at(trunc_px(map.x(records[i].x) - w0 / 2), trunc_px(map.y(records[i].y)), records[i].text);
    }

    const int h9 = count > 9 ? dc.text_extent(records[9].text, true).cy : 0;
    for (std::size_t i = 9; i <= 10 && i < count; ++i) {
        const Rgb line_colour = colour ? (i == 9 ? Rgb{127, 127, 127} : Rgb{100, 100, 100}) : black;
        dc.select_pen(colour ? Pen{PenStyle::solid, 1, line_colour} : Pen{PenStyle::dash, 1, black});
        const int py = trunc_px(map.y(records[i].y));
        dc.move_to(rect.left, py);
        dc.line_to(rect.right, py);
        dc.set_text_color(line_colour);
        text_at(trunc_px(map.x(records[i].x)), trunc_px(map.y(records[i].y) - h9 / 2),
                cformat("%s = %3.0lf", records[i].text.c_str(), records[i].y));
    }

    // Each text centred in its ellipse at the record's point; a label whose
    // ellipse would reach into a text drawn before it (or whose text would
    // lie in an earlier ellipse) moves the least distance that clears them.
    auto circled = [&](const LabelRecord& r, int w, int h) {
        const double px = map.x(r.x);
        const double py = map.y(r.y);
        const int x = trunc_px(px - w / 2);
        const int y = trunc_px(py - h / 2);
        const Size own = dc.text_extent(r.text);
        const PlacedLabel at = clear_place(PlacedLabel{Rect{trunc_px(px - 0.7 * w), trunc_px(py - 0.7 * h),
                                                            trunc_px(px + 0.7 * w), trunc_px(py + 0.7 * h)},
                                                       Rect{x, y, x + own.cx, y + own.cy}},
                                           placed);
        dc.ellipse(at.ellipse.left, at.ellipse.top, at.ellipse.right, at.ellipse.bottom);
        text_at(at.text.left, at.text.top, r.text);
        placed.back().ellipse = at.ellipse;
    };

    std::size_t next = 11;
    dc.set_text_color(colour ? Rgb{255, 127, 0} : black);
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{255, 0, 0}});
    for (std::size_t i = 0; i < group_a && next < count; ++i, ++next) {
        const Size e = dc.text_extent(records[next].text);
        circled(records[next], e.cx, e.cy);
    }

    // Groups B and C share the extent of the first record after group A; a
    // member wider than that (a first member of one digit, then "12") takes
    // its own width, so that its ellipse runs round it.
    Size shared{};
    if (next < count) shared = dc.text_extent(records[next].text, true);
    const auto shared_or_wider = [&](const LabelRecord& r) {
        circled(r, std::max(shared.cx, dc.text_extent(r.text, true).cx), shared.cy);
    };
    const Rgb b_colour = colour ? Rgb{127, 0, 0} : black;
    dc.select_pen(Pen{PenStyle::solid, 1, b_colour});
    dc.set_text_color(b_colour);
    for (std::size_t i = 0; i < group_b && next < count; ++i, ++next) shared_or_wider(records[next]);

    const Rgb c_colour = colour ? Rgb{0, 127, 255} : black;
    dc.select_pen(Pen{PenStyle::solid, 1, c_colour});
    dc.set_text_color(c_colour);
    for (std::size_t i = 0; i < group_c && next < count; ++i, ++next) shared_or_wider(records[next]);

    const Rgb last_text_colour = dc.text_color();
    dc.restore();
    dc.select_font(font);
    dc.set_text_color(last_text_colour);
    std::vector<KeepClear> drawn;
    for (const PlacedLabel& p : placed) {
        drawn.push_back(KeepClear{p.text});
        if (p.ellipse.width() > 0) drawn.push_back(KeepClear{p.ellipse, true});
    }
    return drawn;
}
