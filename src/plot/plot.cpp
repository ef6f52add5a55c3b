#include "plot.h"

#include "fonts.h"
#include "numfmt.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double pixel_limit = 16777216.0;   // 2^24: far beyond any page

// Truncation toward zero; held inside the pixel limit; nothing for NaN.
std::optional<int> to_pixel(double v)
{
    if (std::isnan(v)) return std::nullopt;
    return static_cast<int>(std::clamp(v, -pixel_limit, pixel_limit));
}

// Pixels per world unit, or nothing when the world range cannot be mapped.
std::optional<double> axis_scale(int p0, int p1, double w0, double w1)
{
    const double world = std::fabs(w1 - w0);
    if (!(world > 0) || !std::isfinite(world)) return std::nullopt;
    const double scale = std::fabs(static_cast<double>(p1) - static_cast<double>(p0)) / world;
    if (!std::isfinite(scale)) return std::nullopt;
    return scale;
}

void line(Canvas& dc, int x0, int y0, int x1, int y1)
{
    move_to(dc, x0, y0);
    dc.line_to(x1, y1);
}

double power_of_ten(int p)
{
    double v = 1.0;
    const int k = p < 0 ? -p : p;
    if (k > 300) return p < 0 ? 0.0 : HUGE_VAL;
    for (int i = 0; i < k; ++i) v *= 10.0;   // exact up to 10^22
    return v;
}

// The marker byte as text, in the code-page convention of the marker face.
std::string byte_text(unsigned char ch)
{
    std::string s;
    if (ch < 0x80) {
        s.push_back(static_cast<char>(ch));
    } else {
        s.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        s.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
    return s;
}

} // namespace

void move_to(Canvas& dc, int x, int y) { dc.move_to(x, y); }

bool find_data_extent(int n, std::span<const double> xs, std::span<const double> ys, double& x_min,
                      double& x_max, double& y_min, double& y_max)
{
    x_min = x_max = y_min = y_max = 0;
    const std::size_t count = std::min({n > 0 ? static_cast<std::size_t>(n) : 0, xs.size(), ys.size()});
    bool any = false;
    for (std::size_t i = 0; i < count; ++i) {
        const double x = xs[i];
        const double y = ys[i];
        if (!std::isfinite(x) || !std::isfinite(y)) continue;
        if (!any) {
            x_min = x_max = x;
            y_min = y_max = y;
            any = true;
            continue;
        }
        if (y > y_max) y_max = y;
        if (y < y_min) y_min = y;
        if (x > x_max) x_max = x;
        if (x < x_min) x_min = x;
    }
    return any;
}

void draw_x_axis(Canvas& dc, int y, int left, int right, double x_min, double x_max, int /*n*/, int tick,
                 std::span<const double> ticks)
{
    line(dc, left, y, right, y);
    if (const auto scale = axis_scale(left, right, x_min, x_max)) {
        for (const double t : ticks) {
            if (!(t >= x_min && t <= x_max)) break;
            const auto px = to_pixel(left + (t - x_min) * *scale);
            if (!px) break;
            line(dc, *px, y, *px, y + tick);
            const std::string label = cformat("%5.5lg", t);
            const Size size = dc.text_extent(label, true);
            if (const auto lx = to_pixel(left + (t - x_min) * *scale - size.cx / 2))
                dc.text_out(*lx, y + size.cy / 2, label);
        }
    }
    line(dc, left, y, left, y + tick);
    line(dc, right, y, right, y + tick);
}

void draw_y_axis(Canvas& dc, int x, int bottom, int top, double y_max, double y_min, int n, int tick,
                 std::span<const double> ticks)
{
    line(dc, x, bottom, x, top);
    if (const auto scale = axis_scale(bottom, top, y_max, y_min)) {
        const std::size_t count = std::min(n >= 0 ? static_cast<std::size_t>(n) + 1 : 0, ticks.size());
        // On a short axis (a small window) the labels crowd: a label whose ink
        // would reach the cell of one already drawn, or whose cell would reach
        // that one's ink, is left out and its tick kept, so no number stands
        // on another or is blanked by its cell.
        struct Rows {
            int cell_top, cell_bottom, ink_top, ink_bottom;
        };
        std::vector<Rows> drawn;
        for (std::size_t i = 0; i < count; ++i) {
            const double t = ticks[i];
            const auto py = to_pixel(top + (y_max - t) * *scale);
            if (!py) continue;
            line(dc, x - tick, *py, x, *py);
            const std::string label = cformat("%lg", t);
            const Size size = dc.text_extent(label, true);
            const auto ly = to_pixel(top + (y_max - t) * *scale - size.cy / 2);
            if (!ly) continue;
            const InkRows ink = text_ink_rows(dc, label);
            const Rows rows{*ly, *ly + size.cy, *ly + ink.top, *ly + ink.bottom};
            const bool upright = dc.selected_font().escapement % 3600 == 0;   // turned labels keep their places
            const bool crowded = upright && std::any_of(drawn.begin(), drawn.end(), [&](const Rows& d) {
                return (rows.ink_top < d.cell_bottom && d.cell_top < rows.ink_bottom) ||
                       (d.ink_top < rows.cell_bottom && rows.cell_top < d.ink_bottom);
            });
            if (crowded) continue;
            dc.text_out(x - size.cx, *ly, label);
            drawn.push_back(rows);
        }
    }
    line(dc, x - tick, top, x, top);
    line(dc, x - tick, bottom, x, bottom);
}

void choose_tick_step(double range, int& n, double& step)
{
    const int wished = std::max(n, 2);
    double d = std::fabs(range / (wished - 1));
    // A range of a few subnormals whose share per step rounds to nothing.
    if (d == 0 && range != 0) d = std::numeric_limits<double>::denorm_min();
    if (d == 0 || !std::isfinite(d)) {
        step = 0;
        return;
    }
    const int p = static_cast<int>(std::ceil(std::log10(d))) - 1;
    if (p >= -22 && p <= 22) {
        // Dividing by an exact power of ten keeps steps such as 0.009 and 0.2
        // the nearest doubles to their decimal values.
        const double m = p >= 0 ? std::ceil(d / power_of_ten(p)) : std::ceil(d * power_of_ten(-p));
        step = p >= 0 ? m * power_of_ten(p) : m / power_of_ten(-p);
    } else {
        // Powers of ten beyond the exact ones, out to the ends of the double
        // range, in the wider type: 10^p alone may not be a double.
        const long double scale = std::pow(10.0L, static_cast<long double>(p));
        const long double m = std::ceil(static_cast<long double>(d) / scale);
        step = static_cast<double>(m * scale);
        // A step rounded up past the largest double: the largest whole
        // multiple of 10^307 that still is one.
        if (!std::isfinite(step)) step = 17 * power_of_ten(307);
        // A step rounded into the subnormals keeps at least their least value.
        if (!(step > 0)) step = std::numeric_limits<double>::denorm_min();
    }
    const double steps = std::ceil(range / step);
    n = static_cast<int>(std::clamp(steps, -1e6, 1e6));
}

void fill_tick_values(double start, double step, int n, std::span<double> out)
{
    const std::size_t count = std::min(n >= -2 ? static_cast<std::size_t>(n + 3) : 0, out.size());
    if (count == 0) return;
    if (!std::isfinite(start)) start = 0;
    if (step < 0) step = -step;
    if (step == 0 || !std::isfinite(step)) {
        std::fill_n(out.begin(), count, start);
        return;
    }

    // Values past the largest double are held at it: a tick is always a
    // number, however close the range runs to the end of the doubles.
    auto held = [](double v) {
        constexpr double largest = std::numeric_limits<double>::max();
        return std::clamp(v, -largest, largest);
    };
    constexpr double max_steps = 1e6;
    double v = 0;
    const double ratio = start / step;
    if (start > 0) {
        if (ratio <= max_steps) {
            while (v < start) v += step;
        } else {
            v = std::ceil(ratio) * step;
            if (v < start) v = std::nextafter(v, HUGE_VAL);
        }
    } else if (start < 0) {
        if (-ratio <= max_steps) {
            while (v > start) v -= step;
            v += step;
        } else {
            v = (std::floor(ratio) + 1) * step;
            if (v <= start) v = std::nextafter(v, HUGE_VAL);
        }
    }
    v = held(v);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = std::fabs(v / step) < 0.001 ? 0.0 : v;
        v = held(v + step);
    }
}

std::vector<double> tick_values(double start, double step, int n)
{
    std::vector<double> out(n >= -2 ? static_cast<std::size_t>(std::min(n, 10000000) + 3) : 0);
    fill_tick_values(start, step, n, out);
    return out;
}

int ticks_within(std::span<const double> ticks, int n, double lo, double hi)
{
    if (hi < lo) std::swap(lo, hi);
    const double slack = 1e-6 * (hi - lo);
    int last = -1;
    for (int i = 0; i <= n && i < static_cast<int>(ticks.size()); ++i) {
        const double t = ticks[static_cast<std::size_t>(i)];
        if (!(t >= lo - slack && t <= hi + slack)) break;
        last = i;
    }
    return last;
}

void draw_vertical_grid(Canvas& dc, Rect rect, WorldBox box, int /*n*/, std::span<const double> xs)
{
    const auto scale = axis_scale(rect.left, rect.right, box.x_min, box.x_max);
    if (!scale) return;
    for (const double x : xs) {
        if (!(x >= box.x_min && x <= box.x_max)) break;
        const auto px = to_pixel(rect.left + (x - box.x_min) * *scale);
        if (!px) break;
        line(dc, *px, rect.bottom, *px, rect.top);
    }
}

void draw_horizontal_grid(Canvas& dc, Rect rect, WorldBox box, int n, std::span<const double> ys)
{
    const auto scale = axis_scale(rect.bottom, rect.top, box.y_max, box.y_min);
    if (!scale) return;
    const std::size_t count = std::min(n >= 0 ? static_cast<std::size_t>(n) + 1 : 0, ys.size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto py = to_pixel(rect.bottom - (ys[i] - box.y_min) * *scale);
        if (!py) continue;
        line(dc, rect.left, *py, rect.right, *py);
    }
}

void draw_polyline(Canvas& dc, int n, std::span<const double> xs, std::span<const double> ys, int style,
                   Rect rect, WorldBox box)
{
    const auto sx = axis_scale(rect.left, rect.right, box.x_min, box.x_max);
    const auto sy = axis_scale(rect.bottom, rect.top, box.y_max, box.y_min);
    if (!sx || !sy) return;
    const std::size_t count = std::min({n >= 0 ? static_cast<std::size_t>(n) + 1 : 0, xs.size(), ys.size()});
    if (count == 0) return;
    // A point that is not a number is a gap: the curve stops before it and
    // starts again after it, so no line claims values between the two.
    std::vector<std::vector<Point>> runs(1);
    std::vector<std::vector<Point>> lower(1);
    for (std::size_t i = 0; i < count; ++i) {
        const auto px = to_pixel(rect.left + (xs[i] - box.x_min) * *sx);
        const auto py = to_pixel(rect.top + (box.y_max - ys[i]) * *sy);
        if (!px || !py) {
            if (!runs.back().empty()) {
                runs.emplace_back();
                lower.emplace_back();
            }
            continue;
        }
        runs.back().push_back(Point{*px, *py});
        if (style == 2) {
            const auto py2 = to_pixel(rect.top + (box.y_max - ys[i]) * *sy + 1);
            lower.back().push_back(Point{*px, py2.value_or(*py)});
        }
    }
    for (const auto& run : runs)
        if (!run.empty()) dc.polyline(run);
    if (style != 2) return;
    for (const auto& run : lower)
        if (!run.empty()) dc.polyline(run);
}

bool rects_meet(const Rect& a, const Rect& b)
{
    if (a.width() <= 0 || a.height() <= 0 || b.width() <= 0 || b.height() <= 0) return false;
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

InkRows text_ink_rows(Canvas& dc, std::string_view text)
{
    InkRows rows{dc.text_extent(text).cy, 0};
    for (const Rect& glyph : text_glyph_boxes(dc.selected_font(), text)) {
        rows.top = std::min(rows.top, glyph.top);
        rows.bottom = std::max(rows.bottom, glyph.bottom);
    }
    return rows.bottom > rows.top ? rows : InkRows{};
}

bool ellipse_meets_rect(const Rect& ellipse, const Rect& box)
{
    if (!rects_meet(ellipse, box)) return false;
    // Scaled so that the ellipse is the unit circle, the box stays a box:
    // they meet where the box's point nearest the centre lies in the circle.
    const double cx = (ellipse.left + ellipse.right) / 2.0, cy = (ellipse.top + ellipse.bottom) / 2.0;
    const double a = std::max(0.5, ellipse.width() / 2.0), b = std::max(0.5, ellipse.height() / 2.0);
    const double u = (std::clamp(cx, static_cast<double>(box.left), static_cast<double>(box.right)) - cx) / a;
    const double v = (std::clamp(cy, static_cast<double>(box.top), static_cast<double>(box.bottom)) - cy) / b;
    return u * u + v * v <= 1.0;
}

void draw_curve_markers(Canvas& dc, int n, std::span<const double> xs, std::span<const double> ys, int count,
                        int offset, unsigned char ch, Rect rect, WorldBox box, int height,
                        std::span<const KeepClear> keep_clear)
{
    const auto sx = axis_scale(rect.left, rect.right, box.x_min, box.x_max);
    const auto sy = axis_scale(rect.bottom, rect.top, box.y_max, box.y_min);

    FontRecord font;
    font.height = height;
    font.width = 0;
    font.escapement = 0;
    font.orientation = 0;
    font.weight = 400;
    font.italic = 0;
    font.underline = 0;
    font.strike_out = 0;
    font.charset = 2;
    font.out_precision = 0;
    font.clip_precision = 0;
    font.quality = 2;
    font.pitch_and_family = 2;
    font.face = "Zapfdingbats BT";
    dc.select_font(font);

    const std::string text = byte_text(ch);
    const Size size = dc.text_extent(text);
    if (count < 1 || n < 1 || !sx || !sy) return;
    const int k = static_cast<int>(std::ceil(static_cast<double>(n) / count));
    if (k < 1) return;
    const long long last = std::min<long long>({n, static_cast<long long>(xs.size()), static_cast<long long>(ys.size())});
    // The glyph's cell at point i; none where the point has no pixel.
    const auto cell_at = [&](long long i) -> std::optional<Rect> {
        if (i < 0 || i >= last) return std::nullopt;
        const auto idx = static_cast<std::size_t>(i);
        const auto px = to_pixel(rect.left + (xs[idx] - box.x_min) * *sx);
        const auto py = to_pixel(rect.top + (box.y_max - ys[idx]) * *sy - size.cy * 0.5);
        if (!px || !py) return std::nullopt;
        return Rect{*px, *py, *px + size.cx, *py + size.cy};
    };
    // Clear of the places to keep off and of the markers already drawn.
    std::vector<Rect> drawn;
    const auto clear = [&](const Rect& cell) {
        return std::none_of(keep_clear.begin(), keep_clear.end(), [&](const KeepClear& k) { return k.meets(cell); }) &&
            std::none_of(drawn.begin(), drawn.end(), [&](const Rect& r) { return rects_meet(cell, r); });
    };
    for (long long i = static_cast<long long>(k) + offset; i < last; i += k) {
        if (i < 0) continue;
        std::optional<Rect> cell = cell_at(i);
        if (!cell) continue;
        for (long long d = 1; !clear(*cell) && d < k; ++d) {
            std::optional<Rect> earlier = cell_at(i - d);
            std::optional<Rect> later = cell_at(i + d);
            if (earlier && clear(*earlier))
                cell = earlier;
            else if (later && clear(*later))
                cell = later;
        }
        if (!clear(*cell)) continue;
        dc.text_out(cell->left, cell->top, text);
        if (!keep_clear.empty()) drawn.push_back(*cell);
    }
}

Rect plot_rect(Rect client, const PlotMargins& margins, int unit, int bottom_room)
{
    return Rect{client.left + margins.left * unit, client.top + margins.top * unit, client.right - margins.right * unit,
                client.bottom - margins.bottom * unit - bottom_room};
}

void get_print_plot_rect(Canvas& dc, Rect& rect)
{
    const DeviceCaps caps = dc.caps();
    const int horz_res = caps.horz_res;
    const int vert_res = caps.vert_res;
    int horz_mm = caps.horz_size_mm;
    int vert_mm = caps.vert_size_mm;
    // A device that does not tell its size in millimetres: from its resolution.
    if (horz_mm <= 0 && caps.logpixels_x > 0) horz_mm = static_cast<int>(horz_res * 25.4 / caps.logpixels_x);
    if (vert_mm <= 0 && caps.logpixels_y > 0) vert_mm = static_cast<int>(vert_res * 25.4 / caps.logpixels_y);
    rect = Rect{0, 0, horz_res, vert_res};
    if (horz_mm <= 0 || vert_mm <= 0) return;
    const int ppm_x = horz_res / horz_mm;
    const int ppm_y = vert_res / vert_mm;
    if (vert_mm > horz_mm) {
        rect.top = 26 * ppm_y;
        rect.left = 25 * ppm_x;
        rect.right = horz_res - 15 * ppm_x;
        rect.bottom = to_pixel(rect.top + (rect.right - rect.left) * 0.68).value_or(vert_res);
    } else {
        rect.top = 26 * ppm_y;
        rect.right = horz_res - 25 * ppm_x;
        rect.bottom = vert_res - 16 * ppm_y;
        rect.left = to_pixel(rect.right - (rect.bottom - rect.top) * 1.47).value_or(0);
    }
}

int plot_x(Rect rect, WorldBox box, double x)
{
    const auto s = axis_scale(rect.left, rect.right, box.x_min, box.x_max);
    if (!s) return rect.left;
    return to_pixel(rect.left + (x - box.x_min) * *s).value_or(rect.left);
}

int plot_y_top(Rect rect, WorldBox box, double y)
{
    const auto s = axis_scale(rect.bottom, rect.top, box.y_max, box.y_min);
    if (!s) return rect.top;
    return to_pixel(rect.top + (box.y_max - y) * *s).value_or(rect.top);
}

int plot_y_bottom(Rect rect, WorldBox box, double y)
{
    const auto s = axis_scale(rect.bottom, rect.top, box.y_max, box.y_min);
    if (!s) return rect.bottom;
    return to_pixel(rect.bottom - (y - box.y_min) * *s).value_or(rect.bottom);
}
