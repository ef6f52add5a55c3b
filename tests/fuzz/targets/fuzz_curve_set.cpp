#include "atlas_files.h"
#include "curve_set.h"
#include "fuzz_support.h"
#include "recording_canvas.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int curves_looked_up = 50;

// Every curve the walk finds is whole; a curve past the last is none; the
// drawing gives the canvas back as it was and draws at most one polyline
// piece per point.
void exercise(std::span<const double> set, WorldBox box, Rect rect, std::span<const double> times)
{
    RecordingCanvas dc;
    const Pen pen{PenStyle::dot, 3, Rgb{1, 2, 3}};
    dc.select_pen(pen);
    draw_curve_set(dc, set, box, rect);
    if (dc.saved_depth() != 0 || !(dc.selected_pen() == pen)) __builtin_trap();
    for (const auto& line : dc.polylines)
        if (line.points.empty() || line.points.size() > static_cast<std::size_t>(curve_max_points)) __builtin_trap();

    std::vector<double> xs, ys, values;
    int n = 0, colour = 0, k = 0;
    for (; k < curves_looked_up; ++k) {
        if (!extract_curve(set, xs, ys, n, colour, k)) break;
        if (n < -1 || n >= curve_max_points || xs.size() != static_cast<std::size_t>(n + 1) || ys.size() != xs.size())
            __builtin_trap();
        if (colour < 0 || colour > 0xFFFFFF) __builtin_trap();
        const bool found = lookup_curve_at_times(set, k, times, values);
        if (values.size() != times.size() || found != (n >= 0)) __builtin_trap();
    }
    if (k < curves_looked_up) {
        if (lookup_curve_at_times(set, k, times, values)) __builtin_trap();
        for (double v : values)
            if (v != -1.0) __builtin_trap();
    }
}

template <class T>
T take(const std::uint8_t*& p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    p += sizeof v;
    return v;
}

} // namespace

// The input twice: as a curve file's text (a set that the reader gives,
// drawn in the digitizer's box, also its labels as a CCT diagram's) and as
// raw numbers (a rectangle of 16-bit pixel coordinates, a world box, three
// cooling times, then the set itself, any doubles: counts beyond the set,
// records cut short, NaNs and infinities).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz_text(data, size);
    WorldBox diagram;
    diagram.x_max = std::log(400.0);
    diagram.y_max = 900.0;
    const Rect plot{120, 70, 620, 420};
    const double times[] = {1.0, 10.0, 400.0};

    CurveSet set;
    read_curve_text(text, fuzz_input_name, set);
    exercise(set, diagram, plot, times);

    std::vector<LabelRecord> labels;
    read_label_text(text, fuzz_input_name, labels);
    RecordingCanvas dc;
    draw_cct_labels(dc, 480, labels, diagram, plot);
    if (dc.saved_depth() != 0) __builtin_trap();

    constexpr std::size_t head = 4 * sizeof(std::int16_t) + 7 * sizeof(double);
    if (size < head) return 0;
    const std::uint8_t* p = data;
    Rect rect;
    rect.left = take<std::int16_t>(p);
    rect.top = take<std::int16_t>(p);
    rect.right = take<std::int16_t>(p);
    rect.bottom = take<std::int16_t>(p);
    WorldBox box;
    box.x_min = take<double>(p);
    box.y_min = take<double>(p);
    box.x_max = take<double>(p);
    box.y_max = take<double>(p);
    const double raw_times[] = {take<double>(p), take<double>(p), take<double>(p)};
    std::vector<double> raw((size - head) / sizeof(double));
    if (!raw.empty()) std::memcpy(raw.data(), p, raw.size() * sizeof(double));
    exercise(raw, box, rect, raw_times);
    RecordingCanvas labels_dc;
    draw_cct_labels(labels_dc, rect.bottom, labels, box, rect);
    return 0;
}
