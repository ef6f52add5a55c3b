// What the plotting operations draw, checked on the recording canvas.
#include "fonts.h"
#include "plot.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using Line = RecordingCanvas::LineCall;

FontRecord times24()
{
    FontRecord f;
    f.face = "Times New Roman";
    f.height = 24;
    return f;
}

const std::vector<double> ticks70 = {0, 70, 140, 210, 280, 350, 420, 490, 560};

bool same_line(const Line& l, Point a, Point b) { return l.from == a && l.to == b; }

} // namespace

TEST(XAxis, TicksAndLabelsCentredUnderTheirTicks)
{
    RecordingCanvas dc;
    dc.select_font(times24());
    draw_x_axis(dc, 300, 100, 520, 0, 420, 6, 5, ticks70);
    // Axis line, seven ticks (0 .. 420, the walk stops at 490), two end ticks.
    ASSERT_EQ(dc.lines.size(), 1u + 7u + 2u);
    EXPECT_TRUE(same_line(dc.lines[0], {100, 300}, {520, 300}));
    EXPECT_TRUE(same_line(dc.lines[2], {170, 300}, {170, 305}));
    EXPECT_TRUE(same_line(dc.lines[7], {520, 300}, {520, 305}));
    EXPECT_TRUE(same_line(dc.lines[8], {100, 300}, {100, 305}));
    EXPECT_TRUE(same_line(dc.lines[9], {520, 300}, {520, 305}));
    ASSERT_EQ(dc.texts.size(), 7u);
    const std::vector<std::string> labels = {"    0", "   70", "  140", "  210", "  280", "  350", "  420"};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(dc.texts[i].text, labels[i]);
        const Size s = measure_text(times24(), labels[i], true);   // measured with the terminating zero
        EXPECT_EQ(dc.texts[i].x, 100 + static_cast<int>(70 * i) - s.cx / 2) << i;
        EXPECT_EQ(dc.texts[i].y, 300 + 24 / 2);
    }
}

TEST(XAxis, FirstTickBelowTheRangeDrawsNoLabels)
{
    RecordingCanvas dc;
    dc.select_font(times24());
    const std::vector<double> ticks = {-10, 0, 10, 20};
    draw_x_axis(dc, 50, 0, 100, 0, 20, 2, 4, ticks);
    EXPECT_EQ(dc.lines.size(), 3u);
    EXPECT_TRUE(dc.texts.empty());
}

TEST(XAxis, LabelFormatKeepsFiveSignificantDigits)
{
    RecordingCanvas dc;
    const std::vector<double> ticks = {123456, 0.000125, 1e9};
    draw_x_axis(dc, 50, 0, 100, 0, 2e6, 2, 4, std::span<const double>(ticks.data(), 1));
    ASSERT_EQ(dc.texts.size(), 1u);
    EXPECT_EQ(dc.texts[0].text, "1.2346e+05");
}

TEST(XAxis, EmptyRangeDrawsTheAxisOnly)
{
    RecordingCanvas dc;
    draw_x_axis(dc, 50, 0, 100, 5, 5, 2, 4, ticks70);
    EXPECT_EQ(dc.lines.size(), 3u);
    EXPECT_TRUE(dc.texts.empty());
}

TEST(YAxis, LabelsEndOnTheAxisCentredOnTheirTicks)
{
    RecordingCanvas dc;
    dc.select_font(times24());
    const std::vector<double> ticks = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    draw_y_axis(dc, 100, 400, 100, 600, 0, 7, 5, ticks);   // 0 .. 700: eight ticks, 700 above the top
    ASSERT_EQ(dc.lines.size(), 1u + 8u + 2u);
    EXPECT_TRUE(same_line(dc.lines[0], {100, 400}, {100, 100}));
    EXPECT_TRUE(same_line(dc.lines[1], {95, 400}, {100, 400}));
    EXPECT_TRUE(same_line(dc.lines[2], {95, 350}, {100, 350}));
    EXPECT_TRUE(same_line(dc.lines[8], {95, 50}, {100, 50}));     // outside: still drawn
    EXPECT_TRUE(same_line(dc.lines[9], {95, 100}, {100, 100}));
    EXPECT_TRUE(same_line(dc.lines[10], {95, 400}, {100, 400}));
    ASSERT_EQ(dc.texts.size(), 8u);
    EXPECT_EQ(dc.texts[0].text, "0");
    EXPECT_EQ(dc.texts[0].x, 100 - measure_text(times24(), "0", true).cx);
    EXPECT_EQ(dc.texts[0].y, 400 - 12);
    EXPECT_EQ(dc.texts[3].text, "300");
    EXPECT_EQ(dc.texts[3].x, 100 - measure_text(times24(), "300", true).cx);
    EXPECT_EQ(dc.texts[3].y, 250 - 12);
}

// A short axis (a small window): 0 .. 700 in steps of 50 over 150 px puts
// the labels of font 24 about 11 px apart. Every tick is drawn; a label whose
// ink would meet the cell of one drawn before is left out, so no two drawn
// labels' cells hold each other's ink, and 0 and every second label stay.
TEST(YAxis, CrowdedLabelsAreThinnedAndTheirTicksKept)
{
    RecordingCanvas dc;
    dc.select_font(times24());
    std::vector<double> ticks;
    for (int v = 0; v <= 700; v += 50) ticks.push_back(v);
    draw_y_axis(dc, 100, 250, 100, 700, 0, static_cast<int>(ticks.size()) - 1, 5, ticks);
    EXPECT_EQ(dc.lines.size(), 1u + ticks.size() + 2u);
    ASSERT_GE(dc.texts.size(), 2u);
    EXPECT_LT(dc.texts.size(), ticks.size());
    EXPECT_EQ(dc.texts.front().text, "0");
    const auto rows = [](const RecordingCanvas::TextCall& t) {
        int top = std::numeric_limits<int>::max(), bottom = std::numeric_limits<int>::min();
        for (const Rect& g : text_glyph_boxes(t.font, t.text)) {
            top = std::min(top, t.y + g.top);
            bottom = std::max(bottom, t.y + g.bottom);
        }
        return std::pair{top, bottom};
    };
    const int cell = measure_text(times24(), "0").cy;
    for (std::size_t i = 0; i < dc.texts.size(); ++i)
        for (std::size_t j = 0; j < dc.texts.size(); ++j) {
            if (i == j) continue;
            const auto [ink_top, ink_bottom] = rows(dc.texts[i]);
            EXPECT_FALSE(ink_top < dc.texts[j].y + cell && dc.texts[j].y < ink_bottom)
                << dc.texts[i].text << " in the cell of " << dc.texts[j].text;
        }
    // A tall axis keeps every label (the windows' usual sizes).
    RecordingCanvas tall;
    tall.select_font(times24());
    draw_y_axis(tall, 100, 800, 100, 700, 0, static_cast<int>(ticks.size()) - 1, 5, ticks);
    EXPECT_EQ(tall.texts.size(), ticks.size());
}

TEST(YAxis, AccumulatedZeroIsLabelledAsASingleZero)
{
    int n = 7;
    double step = 0;
    choose_tick_step(0.6, n, step);   // step 0.1 from -0.3: the residue at zero is snapped
    const std::vector<double> ticks = tick_values(-0.3, step, n);
    RecordingCanvas dc;
    draw_y_axis(dc, 100, 400, 100, 0.3, -0.3, n, 5, ticks);
    ASSERT_GE(dc.texts.size(), 3u);
    EXPECT_EQ(dc.texts[0].text, "-0.2");
    EXPECT_EQ(dc.texts[2].text, "0");
}

TEST(YAxis, CountBeyondTheArrayReadsOnlyTheArray)
{
    RecordingCanvas dc;
    const std::vector<double> ticks = {0, 1};
    draw_y_axis(dc, 10, 100, 0, 1, 0, 50, 3, ticks);
    EXPECT_EQ(dc.texts.size(), 2u);
}

TEST(Grid, VerticalLinesWhileInsideTheBox)
{
    RecordingCanvas dc;
    const Rect rect{100, 100, 520, 400};
    draw_vertical_grid(dc, rect, WorldBox{0, 600, 420, 0}, 6, ticks70);
    ASSERT_EQ(dc.lines.size(), 7u);
    EXPECT_TRUE(same_line(dc.lines[1], {170, 400}, {170, 100}));
    EXPECT_TRUE(same_line(dc.lines[6], {520, 400}, {520, 100}));
    dc.clear();
    const std::vector<double> below = {-70, 0, 70};
    draw_vertical_grid(dc, rect, WorldBox{0, 600, 420, 0}, 6, below);
    EXPECT_TRUE(dc.lines.empty());
}

TEST(Grid, HorizontalLinesBottomAnchoredWithoutRangeTest)
{
    RecordingCanvas dc;
    const Rect rect{100, 100, 520, 400};
    const std::vector<double> ys = {0, 200, 400, 600, 800};
    draw_horizontal_grid(dc, rect, WorldBox{0, 600, 420, 0}, 4, ys);
    ASSERT_EQ(dc.lines.size(), 5u);
    EXPECT_TRUE(same_line(dc.lines[0], {100, 400}, {520, 400}));
    EXPECT_TRUE(same_line(dc.lines[1], {100, 300}, {520, 300}));
    EXPECT_TRUE(same_line(dc.lines[4], {100, 0}, {520, 0}));   // outside the rectangle
}

TEST(Polyline, PointsMappedTopAnchoredAndBoldCopyOnePixelLower)
{
    RecordingCanvas dc;
    const Rect rect{10, 20, 110, 220};
    const WorldBox box{0, 3, 3, 0};
    const std::vector<double> xs = {0, 1, 2, 3};
    const std::vector<double> ys = {0, 1, 2, 3};
    draw_polyline(dc, 3, xs, ys, 1, rect, box);
    ASSERT_EQ(dc.polylines.size(), 1u);
    // 100/3 and 200/3 pixels per unit, truncated: 43.33 -> 43, 76.67 -> 76, 153.3 -> 153.
    EXPECT_EQ(dc.polylines[0].points, (std::vector<Point>{{10, 220}, {43, 153}, {76, 86}, {110, 20}}));
    dc.clear();
    draw_polyline(dc, 3, xs, ys, 2, rect, box);
    ASSERT_EQ(dc.polylines.size(), 2u);
    EXPECT_EQ(dc.polylines[1].points, (std::vector<Point>{{10, 221}, {43, 154}, {76, 87}, {110, 21}}));
    dc.clear();
    draw_polyline(dc, 0, xs, ys, 1, rect, box);
    ASSERT_EQ(dc.polylines.size(), 1u);
    EXPECT_EQ(dc.polylines[0].points.size(), 1u);
}

TEST(Polyline, PointsThatAreNotNumbersBreakTheCurve)
{
    RecordingCanvas dc;
    const Rect rect{0, 0, 100, 100};
    const double nan_value = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> xs = {0, nan_value, 2, 1e300, 1, 0};
    const std::vector<double> ys = {0, 1, 2, 1, nan_value, 1};
    // Three runs around the two gaps; nothing is drawn between them.
    draw_polyline(dc, 5, xs, ys, 1, rect, WorldBox{0, 2, 2, 0});
    ASSERT_EQ(dc.polylines.size(), 3u);
    EXPECT_EQ(dc.polylines[0].points, (std::vector<Point>{{0, 100}}));
    ASSERT_EQ(dc.polylines[1].points.size(), 2u);
    EXPECT_EQ(dc.polylines[1].points[0], (Point{100, 0}));
    EXPECT_EQ(dc.polylines[1].points[1].x, 16777216);   // held at the pixel limit
    EXPECT_EQ(dc.polylines[2].points, (std::vector<Point>{{0, 50}}));
    dc.clear();
    // Bold: the same runs again one pixel lower, after the upper ones.
    draw_polyline(dc, 3, xs, ys, 2, rect, WorldBox{0, 2, 2, 0});
    ASSERT_EQ(dc.polylines.size(), 4u);
    EXPECT_EQ(dc.polylines[2].points, (std::vector<Point>{{0, 101}}));
    EXPECT_EQ(dc.polylines[3].points[0], (Point{100, 1}));
    dc.clear();
    // A gap at either end starts or ends no run.
    const std::vector<double> ends = {nan_value, 1, 2, nan_value};
    draw_polyline(dc, 3, ends, ends, 1, rect, WorldBox{0, 2, 2, 0});
    ASSERT_EQ(dc.polylines.size(), 1u);
    EXPECT_EQ(dc.polylines[0].points.size(), 2u);
}

TEST(Polyline, EmptyBoxesAndShortArraysDrawNothingBeyondThem)
{
    RecordingCanvas dc;
    const Rect rect{0, 0, 100, 100};
    const std::vector<double> xs = {0, 1, 2, 1e300};
    const std::vector<double> ys = {0, 1, 2, 1};
    draw_polyline(dc, 3, xs, ys, 1, rect, WorldBox{1, 2, 1, 0});
    EXPECT_TRUE(dc.polylines.empty());
    draw_polyline(dc, 100, xs, ys, 1, rect, WorldBox{0, 2, 2, 0});   // n beyond the arrays
    ASSERT_EQ(dc.polylines.size(), 1u);
    EXPECT_EQ(dc.polylines[0].points.size(), 4u);
}

TEST(Markers, EveryKthPointFromKPlusOffset)
{
    std::vector<double> xs(51), ys(51);
    for (int i = 0; i <= 50; ++i) {
        xs[static_cast<std::size_t>(i)] = i;
        ys[static_cast<std::size_t>(i)] = 50 - i;
    }
    const Rect rect{100, 50, 600, 550};   // 10 pixels per unit
    const WorldBox box{0, 50, 50, 0};
    struct Case { int count; int offset; std::vector<int> at; };
    const Case cases[] = {{5, 0, {10, 20, 30, 40}}, {3, 1, {18, 35}}, {7, 0, {8, 16, 24, 32, 40, 48}}};
    for (const Case& c : cases) {
        RecordingCanvas dc;
        draw_curve_markers(dc, 50, xs, ys, c.count, c.offset, 0xC0, rect, box, 20);
        ASSERT_EQ(dc.texts.size(), c.at.size()) << c.count;
        const FontRecord font = dc.selected_font();
        const int cy = measure_text(font, "\u00C0").cy;
        for (std::size_t i = 0; i < c.at.size(); ++i) {
            const int p = c.at[i];
            EXPECT_EQ(dc.texts[i].x, 100 + 10 * p);
            EXPECT_EQ(dc.texts[i].y, static_cast<int>(50 + 10 * p - cy * 0.5));
            EXPECT_EQ(dc.texts[i].text, "\u00C0");
        }
    }
}

// A marker whose cell would meet a place to keep off moves along the curve
// to the nearest point whose cell is clear, the earlier first; with nowhere
// clear before the neighbouring markers it is left out; and once places are
// given, a marker never stands on one already drawn.
TEST(Markers, KeepOffTheGivenPlacesAlongTheCurve)
{
    std::vector<double> xs(51), ys(51);
    for (int i = 0; i <= 50; ++i) {
        xs[static_cast<std::size_t>(i)] = i;
        ys[static_cast<std::size_t>(i)] = 50 - i;
    }
    const Rect rect{100, 50, 600, 550};   // 10 pixels per unit, point i at (100 + 10i, 50 + 10i)
    const WorldBox box{0, 50, 50, 0};
    RecordingCanvas probe;
    draw_curve_markers(probe, 50, xs, ys, 5, 0, 0xC0, rect, box, 20);
    const Size g = measure_text(probe.selected_font(), "\u00C0");
    const auto cell = [&](int i) {
        return Rect{100 + 10 * i, static_cast<int>(50 + 10 * i - g.cy * 0.5), 100 + 10 * i + g.cx,
                    static_cast<int>(50 + 10 * i - g.cy * 0.5) + g.cy};
    };
    // The point's cell meets its neighbours' up to this many points away.
    const int reach = (std::min(g.cx, g.cy) + 9) / 10;

    RecordingCanvas dc;
    const KeepClear at_20[] = {KeepClear{cell(20)}};
    draw_curve_markers(dc, 50, xs, ys, 5, 0, 0xC0, rect, box, 20, at_20);
    ASSERT_EQ(dc.texts.size(), 4u);
    EXPECT_EQ(dc.texts[0].x, 100 + 10 * 10);
    EXPECT_EQ(dc.texts[1].x, 100 + 10 * (20 - reach));
    EXPECT_EQ(dc.texts[2].x, 100 + 10 * 30);

    // An ellipse keeps off only what reaches into it: the point in its
    // bounding box's corner keeps its place.
    RecordingCanvas round;
    const Rect c30 = cell(30);
    const KeepClear ellipse[] = {
        KeepClear{Rect{c30.right - 2, c30.bottom - 2, c30.right + 200, c30.bottom + 200}, true}};
    draw_curve_markers(round, 50, xs, ys, 5, 0, 0xC0, rect, box, 20, ellipse);
    ASSERT_EQ(round.texts.size(), 4u);
    EXPECT_EQ(round.texts[2].x, 100 + 10 * 30);

    RecordingCanvas none;
    const KeepClear everywhere[] = {KeepClear{Rect{0, 0, 1000, 1000}}};
    draw_curve_markers(none, 50, xs, ys, 5, 0, 0xC0, rect, box, 20, everywhere);
    EXPECT_TRUE(none.texts.empty());

    // Points one pixel apart: without places to keep off every marker is
    // drawn, over each other; with them, only those clear of the last.
    RecordingCanvas dense, kept;
    for (int i = 0; i <= 50; ++i) {
        xs[static_cast<std::size_t>(i)] = i / 10.0;
        ys[static_cast<std::size_t>(i)] = 50 - i / 10.0;
    }
    draw_curve_markers(dense, 50, xs, ys, 25, 0, 0xC0, rect, box, 20);
    const KeepClear far_away[] = {KeepClear{Rect{2000, 2000, 2010, 2010}}};
    draw_curve_markers(kept, 50, xs, ys, 25, 0, 0xC0, rect, box, 20, far_away);
    EXPECT_EQ(dense.texts.size(), 24u);
    ASSERT_GT(kept.texts.size(), 1u);
    EXPECT_LT(kept.texts.size(), dense.texts.size());
    for (std::size_t i = 1; i < kept.texts.size(); ++i)
        EXPECT_GE(std::max(kept.texts[i].x - kept.texts[i - 1].x - g.cx, kept.texts[i].y - kept.texts[i - 1].y - g.cy),
                  0);
}

TEST(Markers, EllipseMeetsWhatReachesInsideIt)
{
    const Rect e{0, 0, 100, 50};   // centre (50, 25), half axes 50 and 25
    struct Case {
        Rect box;
        bool meets;
    };
    const Case cases[] = {
        {{40, 20, 60, 30}, true},   // inside
        {{-10, 20, 5, 30}, true},   // across the left end
        {{0, 0, 10, 5}, false},   // in the bounding box's corner, outside the curve
        {{92, 44, 100, 50}, false},   // the other corner
        {{99, 20, 110, 30}, true},   // on the right end's last pixel
        {{100, 20, 110, 30}, false},   // beside it
        {{40, 20, 40, 30}, false},   // empty
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ellipse_meets_rect(e, c.box), c.meets) << c.box.left << "," << c.box.top;
        EXPECT_EQ((KeepClear{e, true}.meets(c.box)), c.meets);
    }
    EXPECT_TRUE(KeepClear{e}.meets(Rect{0, 0, 10, 5}));   // a plain box keeps its corners
}

TEST(Markers, MarkerFontStaysSelected)
{
    RecordingCanvas dc;
    dc.select_font(times24());
    const std::vector<double> xs = {0, 1, 2, 3, 4}, ys = {0, 1, 2, 3, 4};
    draw_curve_markers(dc, 4, xs, ys, 5, 0, 0xC3, Rect{0, 0, 40, 40}, WorldBox{0, 4, 4, 0}, 18);
    const FontRecord f = dc.selected_font();
    EXPECT_EQ(f.face, "Zapfdingbats BT");
    EXPECT_EQ(f.charset, 2);
    EXPECT_EQ(f.height, 18);
    EXPECT_EQ(f.weight, 400);
    EXPECT_EQ(f.quality, 2);
    EXPECT_EQ(f.pitch_and_family, 2);
    // n no larger than count: k = 1, points 1 .. n - 1.
    ASSERT_EQ(dc.texts.size(), 3u);
    EXPECT_EQ(dc.texts[0].x, 10);
    EXPECT_EQ(dc.texts[2].x, 30);
    EXPECT_EQ(font_text_to_unicode(f, dc.texts[0].text), "\u2783");
}

TEST(Markers, OddCountsAndOffsetsStayInsideTheArrays)
{
    RecordingCanvas dc;
    const std::vector<double> xs = {0, 1, 2, 3, 4}, ys = {0, 1, 2, 3, 4};
    const Rect rect{0, 0, 40, 40};
    const WorldBox box{0, 4, 4, 0};
    draw_curve_markers(dc, 4, xs, ys, 0, 0, 0xC0, rect, box, 18);
    draw_curve_markers(dc, 4, xs, ys, -3, 0, 0xC0, rect, box, 18);
    draw_curve_markers(dc, 0, xs, ys, 2, -10, 0xC0, rect, box, 18);
    EXPECT_TRUE(dc.texts.empty());
    draw_curve_markers(dc, 500, xs, ys, 500, -2, 0xC0, rect, box, 18);   // n beyond the arrays
    EXPECT_EQ(dc.texts.size(), 5u);   // points 0..4 only (index -1 skipped)
}

TEST(MoveTo, SetsThePositionWithoutDrawing)
{
    RecordingCanvas dc;
    move_to(dc, 12, 34);
    EXPECT_EQ(dc.current_position(), (Point{12, 34}));
    EXPECT_TRUE(dc.lines.empty());
}
