// A whole framed plot rendered to PNG, to be looked at; the assertions check
// that its parts landed where the mapping puts them.
#include "image_canvas.h"
#include "plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

TEST(PlotPicture, FramedPlotWithAxesGridsCurveAndMarkers)
{
    // A thermal-cycle-like curve: quick heating, slow cooling.
    const int n = 50;
    std::vector<double> ts(n + 1), temps(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double t = 0.4 * i;
        ts[static_cast<std::size_t>(i)] = t;
        temps[static_cast<std::size_t>(i)] = 20 + 1400 * (t / 2.0) * std::exp(1 - t / 2.0);
    }
    double x0, x1, y0, y1;
    ASSERT_TRUE(find_data_extent(n + 1, ts, temps, x0, x1, y0, y1));
    int nx = 7, ny = 7;
    double sx = 0, sy = 0;
    choose_tick_step(x1 - x0, nx, sx);
    choose_tick_step(y1 - y0, ny, sy);
    const std::vector<double> xt = tick_values(x0, sx, nx);
    const std::vector<double> yt = tick_values(0, sy, ny);
    const WorldBox box{x0, sy * ny, x0 + sx * nx, 0};
    const Rect rect{110, 50, 830, 470};

    ImageCanvas image(900, 560);
    Canvas& dc = image.canvas();
    FontRecord font;
    font.face = "Times New Roman";
    font.height = 20;
    dc.select_font(font);
    dc.set_background_mode(BackgroundMode::transparent);
    dc.set_text_color(Rgb{128, 0, 0});

    dc.select_brush(Brush{BrushStyle::null, {}});
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{0, 0, 0}});
    dc.rectangle(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    dc.select_pen(Pen{PenStyle::dot, 1, Rgb{128, 128, 128}});
    draw_vertical_grid(dc, rect, box, nx, xt);
    draw_horizontal_grid(dc, rect, box, ny, yt);
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{0, 0, 0}});
    draw_x_axis(dc, rect.bottom, rect.left, rect.right, box.x_min, box.x_max, nx, 6, xt);
    draw_y_axis(dc, rect.left, rect.bottom, rect.top, box.y_max, box.y_min, ny, 6, yt);
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{255, 0, 0}});
    draw_polyline(dc, n, ts, temps, 2, rect, box);
    dc.set_text_color(Rgb{0, 0, 160});
    draw_curve_markers(dc, n, ts, temps, 5, 0, 0xC0, rect, box, 20);
    dc.select_font(font);
    dc.set_text_color(Rgb{128, 0, 0});
    dc.text_out(rect.left, 15, "T, \xC2\xB0""C");
    dc.text_out(rect.right - dc.text_extent("t, s").cx, rect.bottom + 36, "t, s");
    FontRecord greek = font;
    greek.face = "Symbol";
    dc.select_font(greek);
    dc.text_out(rect.left + 300, 15, "Dt = l/a");
    FontRecord up = font;
    up.escapement = 900;
    dc.select_font(up);
    dc.text_out(20, rect.bottom - 40, "Temperature");

    EXPECT_TRUE(image.save_png(std::string(VELMARIN_TEST_OUTPUT_DIR) + "/plot_framed.png"));

    // The peak (t = 2 s, 1420 degrees) lies on the curve's pixel.
    const int px = plot_x(rect, box, 2.0);
    const int py = plot_y_top(rect, box, 20 + 1400);
    EXPECT_EQ(image.pixel(px, py), (Rgb{255, 0, 0}));
    EXPECT_EQ(image.pixel(px, py + 1), (Rgb{255, 0, 0}));   // bold: one pixel lower too
    // The frame's corner and the axis line.
    EXPECT_EQ(image.pixel(rect.left, rect.bottom), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.pixel(rect.left, (rect.top + rect.bottom) / 2), (Rgb{0, 0, 0}));
}
