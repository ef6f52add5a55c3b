// What a repaint costs in the drawing helpers: text measuring with the real
// font metrics, and a whole plot (grids, axes, curve, markers) recorded.
#include "fonts.h"
#include "image_canvas.h"
#include "plot.h"
#include "recording_canvas.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

FontRecord times24()
{
    FontRecord f;
    f.face = "Times New Roman";
    f.height = 24;
    return f;
}

void draw_plot(Canvas& dc)
{
    const int n = 50;
    std::vector<double> ts(n + 1), temps(n + 1);
    for (int i = 0; i <= n; ++i) {
        ts[static_cast<std::size_t>(i)] = 0.4 * i;
        temps[static_cast<std::size_t>(i)] = 20 + 1400 * (0.2 * i) * std::exp(1 - 0.2 * i);
    }
    double x0, x1, y0, y1;
    find_data_extent(n + 1, ts, temps, x0, x1, y0, y1);
    int nx = 7, ny = 7;
    double sx = 0, sy = 0;
    choose_tick_step(x1 - x0, nx, sx);
    choose_tick_step(y1 - y0, ny, sy);
    const std::vector<double> xt = tick_values(x0, sx, nx);
    const std::vector<double> yt = tick_values(0, sy, ny);
    const WorldBox box{x0, sy * ny, x0 + sx * nx, 0};
    const Rect rect{110, 50, 830, 470};
    dc.select_font(times24());
    draw_vertical_grid(dc, rect, box, nx, xt);
    draw_horizontal_grid(dc, rect, box, ny, yt);
    draw_x_axis(dc, rect.bottom, rect.left, rect.right, box.x_min, box.x_max, nx, 6, xt);
    draw_y_axis(dc, rect.left, rect.bottom, rect.top, box.y_max, box.y_min, ny, 6, yt);
    draw_polyline(dc, n, ts, temps, 2, rect, box);
    draw_curve_markers(dc, n, ts, temps, 5, 0, 0xC0, rect, box, 20);
}

void BM_measure_label(benchmark::State& state)
{
    const FontRecord font = times24();
    for (auto _ : state) benchmark::DoNotOptimize(measure_text(font, "  1400", true));
}
BENCHMARK(BM_measure_label);

void BM_measure_line_of_text(benchmark::State& state)
{
    const FontRecord font = times24();
    for (auto _ : state)
        benchmark::DoNotOptimize(measure_text(font, "Cooling time t8/5 = 12.5 s at y = 0.05 cm, z = 0 cm"));
}
BENCHMARK(BM_measure_line_of_text);

void BM_plot_recorded(benchmark::State& state)
{
    for (auto _ : state) {
        RecordingCanvas dc;
        draw_plot(dc);
        benchmark::DoNotOptimize(dc.texts.size());
    }
}
BENCHMARK(BM_plot_recorded);

void BM_plot_rendered(benchmark::State& state)
{
    ImageCanvas image(900, 560);
    for (auto _ : state) draw_plot(image.canvas());
}
BENCHMARK(BM_plot_rendered);

} // namespace
