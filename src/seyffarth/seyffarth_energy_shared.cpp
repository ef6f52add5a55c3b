// The regime sweep, the atlas look-ups and the class names that the
// Seyffarth sweep windows and the HAZ profile share.
#include "seyffarth_sweeps.h"

#include "fonts.h"
#include "measuring_canvas.h"
#include "text_code.h"
#include "seyffarth_frame.h"

#include "heatsource.h"
#include "lang.h"
#include "spline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double nan_value = std::numeric_limits<double>::quiet_NaN();

} // namespace

SweepOutput run_seyffarth_sweep(const RegimeGuard& guard, const SweepInput& in)
{
    SweepOutput out;
    const int n = in.plan.size();
    const auto size = static_cast<std::size_t>(n);
    out.x.resize(size);
    out.t.resize(size);
    out.gaps = SweepGaps(n);
    std::vector<CoolingTime> cooling(size);
    run_regime_sweep(guard, in.plan, [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        out.x[k] = planned_abscissa(in.plan, i, true);   // energy per unit area on a plate
        cooling[k] = cooling_time_at_point(in.y, in.z, in.T_from, in.T_to);
        out.t[k] = cooling[k].time;
    });
    for (const CoolingTime& c : cooling) out.gaps.leave_out(c);
    return out;
}

double seyffarth_phase_share(std::span<const double> xs, std::span<const double> ys, int n, double t)
{
    if (n < 0 || ys.empty() || !(t > 0)) return 0;
    int flag = 0;
    const double share = curve_lookup(ys, xs, std::log(t), 0.01, n, flag);
    return share < 0 || !std::isfinite(share) ? 0.0 : share;
}

double seyffarth_curve_value(std::span<const double> xs, std::span<const double> ys, int n, double t,
                             bool keep_negative)
{
    if (n < 0 || ys.empty() || !(t > 0)) return nan_value;
    int flag = 0;
    double u = curve_lookup(ys, xs, std::log(t), 0.01, n, flag);
    if (u < 0 && !keep_negative) u = 0;
    return u;
}

std::vector<double> PropertyScales::fixed(int k)
{
    switch (k) {
    case 3: return {0, 8, 16, 24, 32, 40, 48};
    case 4: return {0, 16, 32, 48, 64, 80, 96};
    default: return {0, 6, 12, 18, 24, 30, 36};
    }
}

std::vector<double> PropertyScales::scale(int k) const
{
    if (k == 0) return hv;
    if (k == 1 || k == 2) return rm;
    return fixed(k);
}

PropertyScales choose_property_scales(std::span<const double> curves)
{
    // A number the set lacks counts as 0: the first scales.
    const double hv_top = curves.size() > 6 ? curves[6] : 0;
    const double rm_top = curves.size() > 8 ? curves[8] : 0;
    PropertyScales s;
    if (hv_top <= 440) s.hv = {80, 150, 200, 250, 300, 350, 400, 440};
    else s.hv = {150, 250, 350, 450, 550, 650, 750};
    if (rm_top <= 1300) s.rm = {100, 300, 500, 700, 900, 1100, 1300};
    else s.rm = {400, 600, 800, 1000, 1200, 1400, 1600};
    return s;
}

double hv_to_scale(double value, const std::vector<double>& hv, const std::vector<double>& s)
{
    return s.front() + (value - hv.front()) * (s.back() - s.front()) / (hv.back() - hv.front());
}

std::string seyffarth_sweep_class_name(int steel_class)
{
    return seyffarth_class_name(steel_class);
}

// ---------------------------------------------------------------------------
// Page pieces

#include "captions.h"
#include "composition.h"
#include "fonts.h"
#include "msgbox.h"
#include "steel_window_frame.h"

Rgb mode_colour(Rgb colour)
{
    return seyffarth_colour(colour);
}

int text_length(std::string_view text)
{
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

bool sweep_entry_check(SweepInput& in, Window* window)
{
    const CoolingTime c = cooling_time_at_point(in.y, in.z, in.T_from, in.T_to);
    if (c.status == CoolingStatus::peak_below) {
        message_box(window, "You are fault with temperature ... ", "  Message!");
        return false;
    }
    if (in.T_from == in.T_to) in.T_from *= 1.01;
    return true;
}

Rect draw_sweep_composition(Canvas& dc, Rect client, const SteelDescriptor& d, int y)
{
    CompositionRecord record;
    record.parse_composition(d.composition_line);
    Rect reach;
    {
        MeasuringCanvas measure(dc);
        record.draw_composition_table(client.left + 10, client.top + y, 50, 20, measure);
        reach = measure.reach();
    }
    record.draw_composition_table(client.left + 10, client.top + y, 50, 20, dc);
    return reach;
}

void draw_sweep_glyph(Canvas& dc, int x, int y, unsigned char glyph, int H, Rgb colour)
{
    symbol_font.height = H;
    symbol_font.width = 0;
    symbol_font.escapement = 0;
    symbol_font.weight = 400;
    symbol_font.charset = 2;
    symbol_font.face = "Zapfdingbats BT";
    dc.select_font(symbol_font);
    dc.set_text_color(colour);
    dc.set_background_mode(BackgroundMode::opaque);
    std::string text;
    text.push_back(static_cast<char>(0xC0 | (glyph >> 6)));
    text.push_back(static_cast<char>(0x80 | (glyph & 0x3F)));
    dc.text_out(x, y, text);
    dc.set_background_mode(BackgroundMode::transparent);
}

SweepFooter sweep_footer(Canvas& dc, Rect client, int H, double y, double z)
{
    SweepFooter f;
    const int h = steel_extent(dc, "W", H).cy;
    f.point = steel_text(pick(Text5{" (y=%g, cm; z=%g, cm)", " (y=%g, см; z=%g, см)", " (y=%g, см; z=%g, см)",
                                    " (y=%g, cm; z=%g, cm)", " (y=%g, cm; z=%g, cm)"}),
                         {steel_number(y), steel_number(z)});
    f.model = seyffarth_model_line(steel_summary().title);
    // The point line ends above the panel's heading, the model line above
    // the point line: each keeps its row unless the one under it needs the
    // room, and then moves up the least distance that clears it.
    const int panel_top = steel_panel_top(dc, client, h);
    steel_font(dc, H);
    f.point_y = std::min(static_cast<int>(client.bottom - 6.3 * h), panel_top - row_under(dc, 0, f.point));
    const LineInside at = line_inside(dc, f.model, client.left, mul(1.2, H), client.left + 2, client.right - 2,
                                      [](Canvas& d, int height) { steel_font(d, height); });
    f.model_font = at.height;
    f.model_width = at.width;
    f.model_y = std::min(static_cast<int>(client.bottom - 7.5 * h), f.point_y - row_under(dc, 0, f.model));
    return f;
}

void draw_sweep_text_block(Canvas& dc, Rect client, int H, const SweepTextBlock& b)
{
    const int left = client.left, top = client.top;
    const int width = client.right - client.left;
    const int H12 = static_cast<int>(1.2 * H);
    const Rgb title_colour = mode_colour({127, 0, 0});
    const int h = steel_extent(dc, b.grade.empty() ? "W" : b.grade, H).cy;
    const int h1 = b.title_rows_in_H ? h : steel_extent(dc, b.title.empty() ? "W" : b.title, H12).cy;
    // A title longer than the page is drawn in a smaller font, from its own
    // column or left of it, so that it ends inside.
    const auto font = [](Canvas& d, int height) { steel_font(d, height); };
    const LineInside title = line_inside(dc, b.title, left + h1, H12, left + 2, client.right - 2, font);
    // Each line of the block keeps its row unless the line above reaches it;
    // then it starts under that line's descenders.
    const int title_y = mul(0.3, h1) + top;
    text_at(dc, title.x, title_y, b.title, title_colour);
    const int atlas_y = std::max(static_cast<int>(top + 1.1 * h1), row_under(dc, title_y, b.title));
    steel_font(dc, H12);
    text_at(dc, left + h1, atlas_y, b.atlas_line, title_colour);
    const int class_y = std::max(static_cast<int>(top + b.class_line_y * h), row_under(dc, atlas_y, b.atlas_line));
    steel_font(dc, H);
    const std::string class_line = seyffarth_class_line(b.class_name);
    text_at(dc, left + 2 * h, class_y, class_line, {0, 0, 0});
    const int grade_y = std::max(static_cast<int>(top + 3.5 * h), row_under(dc, class_y, class_line));
    text_at(dc, left + 2 * h, grade_y, seyffarth_grade_line(b.grade, charset_cyrillic), {0, 0, 0});
    const SweepFooter f = sweep_footer(dc, client, H, b.y, b.z);
    steel_font(dc, f.model_font);
    text_at(dc, left + (width - f.model_width) / 2, f.model_y, f.model, mode_colour({120, 0, 95}));
    const int wp = steel_extent(dc, f.point, H).cx;
    text_at(dc, left + (width - wp) / 2, f.point_y, f.point, {0, 0, 0});
    draw_steel_panel(dc, client, b.panel, h);
}

std::vector<std::string> sweep_notes(const SweepGaps& gaps, std::vector<std::string> end_lines)
{
    std::vector<std::string> notes;
    if (gaps.any()) notes.push_back(gaps.note());
    for (std::string& line : end_lines) notes.push_back(std::move(line));
    return notes;
}

InkRows turned_ink(Canvas& dc, std::string_view text, int height)
{
    steel_font(dc, height);
    return text_ink_rows(dc, text);
}

int sweep_notes_room(Canvas& dc, const std::vector<std::string>& notes, int H)
{
    int room = 0;
    for (const std::string& note : notes) room += steel_extent(dc, note, H).cy;
    return room;
}

int left_clear_of(Rect box, const std::vector<Rect>& others, int left_limit)
{
    int x = box.left;
    for (bool again = true; again;) {
        again = false;
        for (const Rect& o : others) {
            if (!rects_meet(Rect{x, box.top, x + (box.right - box.left), box.bottom}, o)) continue;
            if (o.left - (box.right - box.left) < left_limit || o.left - (box.right - box.left) >= x) continue;
            x = o.left - (box.right - box.left);
            again = true;
        }
    }
    return x;
}

int draw_sweep_notes(Canvas& dc, const std::vector<std::string>& notes, Rect client, int H, int y,
                     const std::vector<Rect>& beside)
{
    dc.set_text_color(rgb(128, 0, 0));
    for (const std::string& note : notes) {
        // A note wider than the client takes a smaller font, so that it
        // ends inside; its row keeps the height of font H.
        const int row = steel_extent(dc, note, H).cy;
        const LineInside at = line_inside(dc, note, client.left, H, client.left + 2, client.right - 2,
                                          [](Canvas& d, int height) { steel_font(d, height); });
        const int x = client.left + std::max(0, (client.right - client.left - at.width) / 2);
        dc.text_out(left_clear_of(Rect{x, y, x + at.width, y + row}, beside, client.left), y, note);
        y += row;
    }
    return y;
}

void widen_range(double& lo, double& hi)
{
    if (lo == hi) hi = lo + 0.25 * lo;
    if (lo == hi) hi = lo + 1;
    if (lo > hi) std::swap(lo, hi);
}

SweepRange sweep_range(std::span<const double> xs, std::span<const double> ys)
{
    SweepRange r;
    const int n = static_cast<int>(std::min(xs.size(), ys.size()));
    // The x range spans every point asked for, also those left out of the
    // curves; the y range what is drawn.
    double unused_lo = 0, unused_hi = 0;
    if (!find_data_extent(n, xs, xs, r.x_min, r.x_max, unused_lo, unused_hi) ||
        !find_data_extent(n, xs, ys, unused_lo, unused_hi, r.y_min, r.y_max)) {
        r = SweepRange{};
        return r;
    }
    widen_range(r.x_min, r.x_max);
    widen_range(r.y_min, r.y_max);
    return r;
}

SweepInput sweep_input_from_record(RegimeSweep kind, const double* p, int steps)
{
    SweepInput in;
    in.y = p[0];
    in.z = p[1];
    in.T_from = p[2];
    in.T_to = p[3];
    // The energy input takes as many points as steps asked for; preheat and
    // thickness always 50.
    const int points = kind == RegimeSweep::energy ? std::max(steps, 0) : 50;
    in.plan = regime_plan(kind, p, points, points);
    return in;
}

bool seyffarth_sweep_entry(RegimeSweep kind, const double* params, int steps, Window* window, SweepInput& in)
{
    if (params == nullptr || !current_model.set_regime || !current_model.prepare || !current_model.temperature ||
        !current_model.velocity)
        return false;
    in = sweep_input_from_record(kind, params, steps);
    if (!steel_sweep_possible(window, kind == RegimeSweep::thickness)) return false;
    return sweep_entry_check(in, window);
}

bool seyffarth_sweep_cooling_times(RegimeGuard& guard, const SweepInput& in, Window* window, SweepOutput& t85)
{
    // The cooling times first: a sweep with no point to draw only says why.
    t85 = run_seyffarth_sweep(guard, in);
    if (!t85.gaps.all()) return true;
    guard.restore();
    steel_report_empty_sweep(window, t85.gaps);
    return false;
}
