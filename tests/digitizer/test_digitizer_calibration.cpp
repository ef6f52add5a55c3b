// Calibration of the digitizer: clicks to world coordinates, the refused
// calibrations, the axis-value choices and the grids.
#include "digitizer_dialog.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(DigitizerCalibration, ClickBecomesLogTimeAndTemperature)
{
    const Rect rect{100, 50, 600, 400};
    const struct { int px, py; double x, y, t; } cases[] = {
        {350, 225, 2.995732, 450, 20},           // the middle: 20 s, 450 degrees
        {100, 400, 0, 0, 1},                     // the origin
        {600, 50, 5.991465, 900, 400},           // the far corner
        {200, 330, 1.198293, 180, 3.314454},
    };
    for (const auto& c : cases) {
        CapturedPoint p;
        ASSERT_TRUE(capture_point(rect, c.px, c.py, p)) << c.px;
        EXPECT_NEAR(p.x, c.x, 5e-7) << c.px;
        EXPECT_NEAR(p.y, c.y, 1e-9) << c.px;
        EXPECT_NEAR(p.t, c.t, 5e-6) << c.px;
    }
    CapturedPoint p;
    EXPECT_FALSE(capture_point(rect, 99, 200, p));
    EXPECT_FALSE(capture_point(rect, 601, 200, p));
    EXPECT_FALSE(capture_point(rect, 300, 49, p));
    EXPECT_FALSE(capture_point(rect, 300, 401, p));
    EXPECT_FALSE(capture_point(Rect{0, 0, 0, 0}, 0, 0, p));          // before any calibration
    EXPECT_FALSE(capture_point(Rect{100, 50, 100, 400}, 100, 60, p)); // no width
}

TEST(DigitizerCalibration, DegenerateAxesAreRefusedWithAMessage)
{
    EXPECT_TRUE(calibration_refusal(Rect{100, 50, 600, 400}).empty());
    for (Rect r : {Rect{100, 50, 100, 400}, Rect{100, 400, 600, 400}, Rect{600, 50, 100, 400},
                   Rect{100, 400, 600, 50}, Rect{0, 0, 0, 0}})
        EXPECT_FALSE(calibration_refusal(r).empty()) << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom;
}

TEST(DigitizerCalibration, AxisValuesChooseTheGridOrThePreviewBox)
{
    struct Case {
        double v[4];
        int xlog, ylog;
        bool ok;
        AxisGrid grid;
        WorldBox box;
    };
    const WorldBox fixed = digitizer_box;
    const Case cases[] = {
        {{0, 400, 0, 900}, 1, 0, true, AxisGrid::time_temperature, fixed},
        {{0, 400, 0, 440}, 1, 0, true, AxisGrid::time_property, fixed},
        {{1, 100, 0, 500}, 1, 0, true, AxisGrid::none, {0, 500, std::log(100.0), 0}},
        {{0, 10, 1, 1000}, 0, 1, true, AxisGrid::none, {0, std::log(1000.0), 10, 0}},
        {{0, 400, 0, 900}, 0, 0, true, AxisGrid::none, {0, 900, 400, 0}},
        {{0, 100, 0, 500}, 1, 0, false, AxisGrid::none, fixed},     // ln 0
        {{-1, 100, 0, 500}, 1, 0, false, AxisGrid::none, fixed},
        {{1, 100, 0, 500}, 1, 1, false, AxisGrid::none, fixed},     // ln 0 on y
        {{5, 5, 0, 500}, 0, 0, false, AxisGrid::none, fixed},       // equal ends
        {{0, 400, 7, 7}, 0, 0, false, AxisGrid::none, fixed},
    };
    for (const Case& c : cases) {
        AxisGrid grid = AxisGrid::time_property;
        WorldBox box{};
        std::string message;
        EXPECT_EQ(axis_preview(c.v, c.xlog, c.ylog, grid, box, message), c.ok) << c.v[0] << ' ' << c.v[1];
        EXPECT_EQ(grid, c.grid) << c.v[0];
        EXPECT_EQ(message.empty(), c.ok) << c.v[0];
        EXPECT_DOUBLE_EQ(box.x_min, c.box.x_min);
        EXPECT_DOUBLE_EQ(box.x_max, c.box.x_max);
        EXPECT_DOUBLE_EQ(box.y_min, c.box.y_min);
        EXPECT_DOUBLE_EQ(box.y_max, c.box.y_max);
        EXPECT_TRUE(std::isfinite(box.x_min) && std::isfinite(box.y_max));
    }
}

TEST(DigitizerCalibration, TimeTemperatureGridLinesTicksAndLabels)
{
    RecordingCanvas dc;
    FontRecord f;
    f.height = 14;
    f.face = "Arial";
    dc.select_font(f);
    const Rgb blue{0, 0, 255};
    draw_time_temperature_grid(dc, Rect{100, 50, 600, 400}, blue);
    // 10 values and 12 times, a dotted line and a tick each, and the base line.
    ASSERT_EQ(dc.lines.size(), 2u * 10 + 2u * 12 + 1);
    EXPECT_EQ(dc.texts.size(), 22u);
    // 450 degrees would be y = 225; 500 is at 50 + 400 * 350 / 900 = 205.
    const auto* t500 = dc.find_text("500");
    ASSERT_NE(t500, nullptr);
    const Size e500 = dc.text_extent("500", true);
    EXPECT_EQ(t500->x, 100 - e500.cx);
    EXPECT_EQ(t500->y, static_cast<int>(400 - 500 * 350.0 / 900 - e500.cy / 2.0));
    EXPECT_EQ(t500->color, blue);
    // 20 s lies half way along the time axis, at x = 350.
    const auto* t20 = dc.find_text("20");
    ASSERT_NE(t20, nullptr);
    const Size e20 = dc.text_extent("20", true);
    EXPECT_EQ(t20->x, 350 - e20.cx / 2);
    EXPECT_EQ(t20->y, static_cast<int>(400 + 0.8 * e20.cy));
    int dotted = 0;
    for (const auto& l : dc.lines) {
        EXPECT_EQ(l.pen.color, blue);
        if (l.pen.style == PenStyle::dot) {
            ++dotted;
            EXPECT_EQ(l.pen.width, 1);
        } else {
            EXPECT_EQ(l.pen.width, 2);
        }
    }
    EXPECT_EQ(dotted, 22);
    const auto& base = dc.lines.back();
    EXPECT_EQ(base.from, (Point{100, 400}));
    EXPECT_EQ(base.to, (Point{600, 400}));

    RecordingCanvas prop;
    prop.select_font(f);
    draw_time_property_grid(prop, Rect{100, 50, 600, 400}, blue);
    EXPECT_EQ(prop.texts.size(), 13u + 12u);
    EXPECT_NE(prop.find_text("440"), nullptr);
    EXPECT_EQ(prop.find_text("900"), nullptr);

    RecordingCanvas none;
    draw_time_temperature_grid(none, Rect{0, 0, 0, 0}, blue);
    EXPECT_TRUE(none.lines.empty());
}
