#include "captions.h"
#include "curve_set.h"
#include "fonts.h"
#include "numfmt.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Box x 0..10, y 0..1000 on the rectangle (100, 100)-(600, 600): 50 pixels
// per x unit, 0.5 per y unit.
const WorldBox box{0, 1000, 10, 0};
const Rect rect{100, 100, 600, 600};

std::vector<double> two_curves()
{
    std::vector<double> v(25, 0.0);
    const std::vector<double> records{
        1, 255, 0, 1000, 10, 0, 0,                    // red, two points, no label
        2, 16711680, 1, 800, 2, 600, 4, 401, 350,     // blue, three points, label 350
        0, 65280, 5, 500, -3,                         // one point, negative label: no ellipse
    };
    v.insert(v.end(), records.begin(), records.end());
    v[0] = static_cast<double>(v.size());
    return v;
}

} // namespace

TEST(CurveSetDrawing, CurvesInTheirColoursAndHardnessLabels)
{
    RecordingCanvas dc;
    dc.select_font(FontRecord{.height = 20, .face = "Times New Roman"});
    dc.select_pen(Pen{PenStyle::dot, 3, Rgb{1, 2, 3}});
    dc.set_text_color(Rgb{9, 9, 9});
    draw_curve_set(dc, two_curves(), box, rect);

    ASSERT_EQ(dc.polylines.size(), 3u);
    EXPECT_EQ(dc.polylines[0].points, (std::vector<Point>{{100, 100}, {600, 600}}));   // one segment
    EXPECT_EQ(dc.polylines[0].pen, (Pen{PenStyle::solid, 1, Rgb{255, 0, 0}}));
    EXPECT_EQ(dc.polylines[1].points, (std::vector<Point>{{150, 200}, {200, 300}, {300, 399}}));
    EXPECT_EQ(dc.polylines[1].pen, (Pen{PenStyle::solid, 1, Rgb{0, 0, 255}}));
    EXPECT_EQ(dc.polylines[2].pen.color, (Rgb{0, 255, 0}));

    // The label of the blue curve hangs below its last point (300, 399.5).
    const Size e = dc.text_extent("350");
    ASSERT_EQ(dc.shapes.size(), 1u);
    const auto& arc = dc.shapes[0];
    EXPECT_EQ(arc.kind, RecordingCanvas::ShapeKind::arc);
    EXPECT_EQ(arc.box, (Rect{static_cast<int>(300 - 0.5 * e.cx - 5), 399, static_cast<int>(300 + 0.5 * e.cx + 5),
                             static_cast<int>(399.5 + 1.5 * e.cy + 2)}));
    EXPECT_EQ(arc.start, (Point{100, 100}));
    EXPECT_EQ(arc.end, (Point{100, 100}));
    EXPECT_EQ(arc.pen.color, (Rgb{0, 0, 255}));
    ASSERT_EQ(dc.texts.size(), 1u);
    EXPECT_EQ(dc.texts[0].text, "350");
    EXPECT_EQ(dc.texts[0].color, (Rgb{0, 0, 255}));
    const int left = static_cast<int>(300 - e.cx / 2 - 1);
    const int right = static_cast<int>(300 + e.cx / 2 + 1);
    EXPECT_EQ(dc.texts[0].x, left + (right - left - e.cx) / 2);
    // The value stands in the middle of its outline, so the outline runs
    // round it at every font size.
    EXPECT_EQ(dc.texts[0].y, arc.box.top + (arc.box.height() - e.cy) / 2);
    EXPECT_EQ(dc.texts[0].background_mode, BackgroundMode::transparent);

    // The pen comes back; the label's colour and transparent mode stay.
    EXPECT_EQ(dc.selected_pen(), (Pen{PenStyle::dot, 3, Rgb{1, 2, 3}}));
    EXPECT_EQ(dc.text_color(), (Rgb{0, 0, 255}));
    EXPECT_EQ(dc.background_mode(), BackgroundMode::transparent);
}

// Curves that end close together, as the slow-cooling curves of a CCT
// diagram do at its right edge: each label after the first moves the least
// distance that keeps its outline off the earlier values and their outlines
// off its value, and stays by its curve's end.
TEST(CurveSetDrawing, HardnessLabelsOfCurvesEndingTogetherMoveApart)
{
    std::vector<double> set(25, 0.0);
    const std::vector<double> records{
        1, 0, 0, 900, 10, 100, 260,   // ends at (600, 550)
        1, 0, 0, 900, 10, 130, 223,   // 15 px higher
        1, 0, 0, 900, 10, 170, 199,   // 20 px higher still
        1, 0, 0, 900, 2,  500, 437,   // far from the others: keeps its place
    };
    set.insert(set.end(), records.begin(), records.end());
    set[0] = static_cast<double>(set.size());
    RecordingCanvas dc;
    dc.select_font(FontRecord{.height = 25, .face = "Times New Roman"});
    draw_curve_set(dc, set, box, rect);
    ASSERT_EQ(dc.shapes.size(), 4u);
    ASSERT_EQ(dc.texts.size(), 4u);

    const Size e = dc.text_extent("260");
    const auto outline_at = [&](double px, double py) {
        return Rect{static_cast<int>(px - 0.5 * e.cx - 5), static_cast<int>(py), static_cast<int>(px + 0.5 * e.cx + 5),
                    static_cast<int>(py + 1.5 * e.cy + 2)};
    };
    EXPECT_EQ(dc.shapes[0].box, outline_at(600, 550));
    EXPECT_EQ(dc.shapes[3].box, outline_at(200, 350));
    std::vector<Rect> values;
    for (const auto& t : dc.texts) values.push_back(Rect{t.x, t.y, t.x + e.cx, t.y + e.cy});
    for (std::size_t i = 0; i < 4; ++i) {
        // Centred in its own outline, clear of every other.
        EXPECT_EQ(values[i].top, dc.shapes[i].box.top + (dc.shapes[i].box.height() - e.cy) / 2) << i;
        for (std::size_t j = 0; j < 4; ++j) {
            if (i == j) continue;
            EXPECT_FALSE(ellipse_meets_rect(dc.shapes[j].box, values[i])) << i << " " << j;
        }
    }
    // 223 and 199 go up, less than a label's height each, in their curves'
    // column.
    for (std::size_t i : {1u, 2u}) {
        const Rect at = outline_at(600, 550 - (i == 1 ? 15 : 35));
        EXPECT_EQ(dc.shapes[i].box.left, at.left) << i;
        EXPECT_LT(dc.shapes[i].box.top, at.top) << i;
        EXPECT_GT(dc.shapes[i].box.top, at.top - at.height()) << i;
    }
}

TEST(CurveSetDrawing, EmptyOrBrokenSetsDrawOnlyWhatIsSound)
{
    RecordingCanvas dc;
    draw_curve_set(dc, std::vector<double>{0}, box, rect);
    draw_curve_set(dc, std::vector<double>{}, box, rect);
    EXPECT_TRUE(dc.polylines.empty());

    auto set = two_curves();
    set[0] = 7999;                 // a count beyond the array
    set[set.size() - 5] = 40;      // the last record claims 41 points
    draw_curve_set(dc, set, box, rect);
    EXPECT_EQ(dc.polylines.size(), 2u);
    EXPECT_EQ(dc.texts.size(), 1u);
}

namespace {

std::vector<LabelRecord> cct_labels()
{
    return {
        {"grp", 11, 13},  {"grp", 13, 14}, {"grp", 14, 16},            // A: 2, B: 1, C: 2
        {"A", 1, 900},    {"F", 2, 800},   {"P", 3, 700},   {"B", 4, 600}, {"M", 5, 500}, {"Ms", 6, 400},
        {"Ac3", 0.5, 850}, {"Ac1", 0.5, 720},
        {"5", 2, 650},    {"30", 3, 640},                              // group A
        {"100", 4, 450},                                               // group B
        {"80", 1, 300},   {"9", 2, 310},                               // group C
        {"extra", 8, 100},                                             // beyond the counts
    };
}

} // namespace

TEST(CctLabels, TextsLinesAndCircledGroups)
{
    colour_mode = 1;
    RecordingCanvas dc;
    const auto records = cct_labels();
    draw_cct_labels(dc, 700, records, box, rect);

    // A window 700 pixels high gives a label font 20 pixels high.
    const FontRecord font = dc.selected_font();
    EXPECT_EQ(font.height, 20);
    EXPECT_EQ(font.face, "Times New Roman");
    EXPECT_EQ(text_font.height, 20);

    const int w0 = dc.text_extent("grp", true).cx;
    const auto* a = dc.find_text("A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->x, 150 - w0 / 2);
    EXPECT_EQ(a->y, 150);
    EXPECT_EQ(a->color, (Rgb{255, 0, 0}));
    EXPECT_EQ(dc.find_text("P")->color, (Rgb{0, 0, 255}));
    EXPECT_EQ(dc.find_text("M")->color, (Rgb{150, 0, 75}));
    EXPECT_EQ(dc.find_text("Ms")->color, (Rgb{55, 200, 25}));
    EXPECT_EQ(dc.find_text("grp"), nullptr);      // group definitions are not drawn
    EXPECT_EQ(dc.find_text("extra"), nullptr);    // beyond the counts

    // Reference lines across the plot with "<text> = <temperature>" on them.
    ASSERT_EQ(dc.lines.size(), 2u);
    EXPECT_EQ(dc.lines[0].from, (Point{100, 175}));
    EXPECT_EQ(dc.lines[0].to, (Point{600, 175}));
    EXPECT_EQ(dc.lines[0].pen, (Pen{PenStyle::solid, 1, Rgb{127, 127, 127}}));
    EXPECT_EQ(dc.lines[1].pen, (Pen{PenStyle::solid, 1, Rgb{100, 100, 100}}));
    const int h9 = dc.text_extent("Ac3", true).cy;
    const auto* ac3 = dc.find_text("Ac3 = 850");
    ASSERT_NE(ac3, nullptr);
    EXPECT_EQ(ac3->x, 125);
    EXPECT_EQ(ac3->y, 175 - h9 / 2);
    EXPECT_EQ(ac3->color, (Rgb{127, 127, 127}));
    EXPECT_NE(dc.find_text("Ac1 = 720"), nullptr);

    // Circled groups: A measured one by one, B and C with the first B text.
    ASSERT_EQ(dc.shapes.size(), 5u);
    const Size e5 = dc.text_extent("5");
    EXPECT_EQ(dc.shapes[0].box,
              (Rect{static_cast<int>(200 - 0.7 * e5.cx), static_cast<int>(275 - 0.7 * e5.cy),
                    static_cast<int>(200 + 0.7 * e5.cx), static_cast<int>(275 + 0.7 * e5.cy)}));
    const auto* t5 = dc.find_text("5");
    EXPECT_EQ(t5->x, 200 - e5.cx / 2);
    EXPECT_EQ(t5->y, 275 - e5.cy / 2);
    EXPECT_EQ(dc.shapes[1].pen.color, (Rgb{255, 0, 0}));
    // "30" at (250, 280): its ellipse from row 266 would reach into the cell
    // of "P" above it (rows 250..270), so it goes down the least distance
    // that clears it, ellipse and text together.
    const Size e30 = dc.text_extent("30");
    const Rect at_30{static_cast<int>(250 - 0.7 * e30.cx), static_cast<int>(280 - 0.7 * e30.cy),
                     static_cast<int>(250 + 0.7 * e30.cx), static_cast<int>(280 + 0.7 * e30.cy)};
    const auto* p = dc.find_text("P");
    const Rect p_cell{p->x, p->y, p->x + dc.text_extent("P").cx, p->y + dc.text_extent("P").cy};
    ASSERT_TRUE(ellipse_meets_rect(at_30, p_cell));
    const int down = dc.shapes[1].box.top - at_30.top;
    EXPECT_GT(down, 0);
    EXPECT_EQ(dc.shapes[1].box, (Rect{at_30.left, at_30.top + down, at_30.right, at_30.bottom + down}));
    EXPECT_FALSE(ellipse_meets_rect(dc.shapes[1].box, p_cell));
    EXPECT_TRUE(
        ellipse_meets_rect(Rect{at_30.left, at_30.top + down - 1, at_30.right, at_30.bottom + down - 1}, p_cell));
    const auto* t30 = dc.find_text("30");
    EXPECT_EQ(t30->x, 250 - e30.cx / 2);
    EXPECT_EQ(t30->y, 280 - e30.cy / 2 + down);
    EXPECT_EQ(t30->color, (Rgb{255, 127, 0}));
    const Size shared = dc.text_extent("100", true);
    const auto* t9 = dc.find_text("9");
    EXPECT_EQ(t9->x, 200 - shared.cx / 2);
    EXPECT_EQ(t9->y, 445 - shared.cy / 2);
    EXPECT_EQ(t9->color, (Rgb{0, 127, 255}));
    EXPECT_EQ(dc.shapes[4].box.right - dc.shapes[4].box.left, static_cast<int>(200 + 0.7 * shared.cx) -
                                                                   static_cast<int>(200 - 0.7 * shared.cx));
    EXPECT_EQ(dc.find_text("100")->color, (Rgb{127, 0, 0}));
    EXPECT_EQ(dc.shapes[2].pen.color, (Rgb{127, 0, 0}));
    EXPECT_EQ(dc.shapes[3].pen.color, (Rgb{0, 127, 255}));
    EXPECT_EQ(dc.text_color(), (Rgb{0, 127, 255}));

    // What a window's own marks keep off: the cell of every text and every
    // circled label's ellipse, the reference lines not.
    RecordingCanvas again;
    const std::vector<KeepClear> drawn = draw_cct_labels(again, 700, records, box, rect);
    ASSERT_EQ(drawn.size(), again.texts.size() + again.shapes.size());
    const auto* ac1 = again.find_text("Ac1 = 720");
    const Size e_ac1 = again.text_extent("Ac1 = 720");
    EXPECT_NE(std::find_if(drawn.begin(), drawn.end(),
                           [&](const KeepClear& k) {
                               return !k.ellipse && k.box == Rect{ac1->x, ac1->y, ac1->x + e_ac1.cx, ac1->y + e_ac1.cy};
                           }),
              drawn.end());
    for (const auto& shape : again.shapes) {
        EXPECT_NE(std::find_if(drawn.begin(), drawn.end(),
                               [&](const KeepClear& k) { return k.ellipse && k.box == shape.box; }),
                  drawn.end());
    }
}

// Groups B and C take the extent of group B's first text; where that is one
// digit, a member of three digits takes its own width, so that its ellipse
// runs round it and it stands in the middle.
TEST(CctLabels, AMemberWiderThanTheSharedExtentTakesItsOwnWidth)
{
    RecordingCanvas dc;
    std::vector<LabelRecord> records = cct_labels();
    records[13] = {"3", 4, 450};   // group B's first (and only) member
    records[14] = {"120", 1, 300};   // group C's first, at (150, 450)
    draw_cct_labels(dc, 700, records, box, rect);
    ASSERT_EQ(dc.shapes.size(), 5u);
    const Size shared = dc.text_extent("3", true);
    const Size wide = dc.text_extent("120", true);
    ASSERT_GT(wide.cx, shared.cx);
    EXPECT_EQ(dc.shapes[3].box,
              (Rect{static_cast<int>(150 - 0.7 * wide.cx), static_cast<int>(450 - 0.7 * shared.cy),
                    static_cast<int>(150 + 0.7 * wide.cx), static_cast<int>(450 + 0.7 * shared.cy)}));
    EXPECT_EQ(dc.find_text("120")->x, 150 - wide.cx / 2);
    // The narrower member keeps the shared extent.
    const auto* t9 = dc.find_text("9");
    EXPECT_EQ(t9->x, 200 - shared.cx / 2);
}

TEST(CctLabels, BlackAndWhiteKeepsTheRedEllipses)
{
    colour_mode = 0;
    RecordingCanvas dc;
    draw_cct_labels(dc, 700, cct_labels(), box, rect);
    colour_mode = 1;
    for (const auto& t : dc.texts) EXPECT_EQ(t.color, (Rgb{0, 0, 0})) << t.text;
    for (const auto& l : dc.lines) EXPECT_EQ(l.pen, (Pen{PenStyle::dash, 1, Rgb{0, 0, 0}}));
    EXPECT_EQ(dc.shapes[0].pen.color, (Rgb{255, 0, 0}));
    EXPECT_EQ(dc.shapes[2].pen.color, (Rgb{0, 0, 0}));
}

TEST(CctLabels, CountsBeyondTheRecordsAndShortArraysAreSafe)
{
    RecordingCanvas dc;
    std::vector<LabelRecord> records = cct_labels();
    records[0] = {"grp", 0, 1e300};    // a count far beyond the array
    draw_cct_labels(dc, 700, records, box, rect);
    EXPECT_NE(dc.find_text("extra"), nullptr);   // drawn as a member of group A
    EXPECT_EQ(dc.shapes.size(), records.size() - 11);

    RecordingCanvas few;
    draw_cct_labels(few, 700, std::span(records.data(), 5), box, rect);
    EXPECT_TRUE(few.shapes.empty());
    EXPECT_TRUE(few.lines.empty());
    draw_cct_labels(few, 700, std::span<const LabelRecord>{}, box, rect);

    // A group count of 0 skips the group: B starts right after A.
    records = cct_labels();
    records[0] = {"grp", 5, 5};
    RecordingCanvas skip;
    draw_cct_labels(skip, 700, records, box, rect);
    EXPECT_EQ(skip.find_text("5")->color, (Rgb{127, 0, 0}));
}
