// The Qt canvas on an image: the drawing conventions checked pixel by pixel.
#include "fonts.h"
#include "image_canvas.h"
#include "measuring_canvas.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const Rgb white{255, 255, 255};
const Rgb black{0, 0, 0};

bool dark(const ImageCanvas& img, int x, int y)
{
    const Rgb p = img.pixel(x, y);
    return p.r + p.g + p.b < 3 * 160;
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;   // inclusive
    bool empty() const { return right < 0; }
};

Box ink(const ImageCanvas& img)
{
    Box b;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (dark(img, x, y)) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

FontRecord times(int height, int escapement = 0)
{
    FontRecord f;
    f.face = "Times New Roman";
    f.height = height;
    f.escapement = escapement;
    return f;
}

std::string output(const std::string& name) { return std::string(VELMARIN_TEST_OUTPUT_DIR) + "/" + name; }

} // namespace

TEST(QtCanvas, TextHangsFromItsTopLeftCorner)
{
    ImageCanvas img(200, 100);
    Canvas& c = img.canvas();
    c.select_font(times(24));
    c.set_background_mode(BackgroundMode::transparent);
    c.text_out(20, 30, "Mg");
    const Box b = ink(img);
    ASSERT_FALSE(b.empty());
    const FontCellMetrics m = font_cell_metrics(times(24));
    // Nothing above the cell top or left of x; the capital's top is near the
    // top of the cell (internal leading only), the "g" reaches into the descent.
    EXPECT_GE(b.top, 30);
    EXPECT_LE(b.top, 30 + m.ascent - m.em * 6 / 10);
    EXPECT_GE(b.left, 20);
    EXPECT_LE(b.left, 22);
    EXPECT_GT(b.bottom, 30 + m.ascent);
    EXPECT_LT(b.bottom, 30 + m.cell);
    EXPECT_LE(b.right, 20 + c.text_extent("Mg").cx);
}

// Text after lines and shapes, in both background modes and turned upward:
// the painter's state from the earlier primitives must not move the text.
TEST(QtCanvas, TextAfterLinesStaysWhereItIsPut)
{
    for (BackgroundMode mode : {BackgroundMode::opaque, BackgroundMode::transparent}) {
        for (int escapement : {0, 900}) {
            ImageCanvas img(300, 300);
            Canvas& c = img.canvas();
            c.move_to(0, 0);
            c.line_to(1, 0);   // a mark at the origin, away from the text
            c.set_background_mode(mode);
            FontRecord f = times(24);
            f.escapement = escapement;
            c.select_font(f);
            c.text_out(150, 200, "Mg");
            // Ink only near the anchor: right and down for level text, right and up for upward text.
            int ink_near = 0, ink_far = 0;
            for (int y = 2; y < 300; ++y)
                for (int x = 2; x < 300; ++x) {
                    if (img.pixel(x, y) == Rgb{255, 255, 255}) continue;
                    const bool near = x >= 150 && x < 190 && (escapement == 0 ? (y >= 200 && y < 230) : (y > 160 && y <= 200));
                    (near ? ink_near : ink_far) += 1;
                }
            EXPECT_GT(ink_near, 20) << "mode " << int(mode) << " escapement " << escapement;
            EXPECT_EQ(ink_far, 0) << "mode " << int(mode) << " escapement " << escapement;
        }
    }
}

TEST(QtCanvas, OpaqueTextFillsItsCellWithTheBackground)
{
    ImageCanvas img(200, 60);
    Canvas& c = img.canvas();
    c.select_font(times(24));
    c.set_background_mode(BackgroundMode::opaque);
    c.set_background_color(Rgb{0, 0, 255});
    c.text_out(10, 10, "ab");
    const Size s = c.text_extent("ab");
    EXPECT_EQ(img.pixel(10, 10), (Rgb{0, 0, 255}));
    EXPECT_EQ(img.pixel(10 + s.cx - 1, 10 + s.cy - 1), (Rgb{0, 0, 255}));
    EXPECT_EQ(img.pixel(10 + s.cx, 10), white);
    EXPECT_EQ(img.pixel(10, 10 + s.cy), white);
}

TEST(QtCanvas, Escapement900ReadsUpwardFromTheCorner)
{
    const int x = 40, y = 220;
    ImageCanvas whole(120, 240);
    whole.canvas().select_font(times(24, 900));
    whole.canvas().set_background_mode(BackgroundMode::transparent);
    whole.canvas().text_out(x, y, "Temperature");
    const int width = whole.canvas().text_extent("Temperature").cx;
    const Box b = ink(whole);
    ASSERT_FALSE(b.empty());
    // The run goes up from y; the cell lies right of x (its top edge is the line x).
    EXPECT_LE(b.bottom, y);
    EXPECT_GE(b.top, y - width);
    EXPECT_LT(b.top, y - width + 12);
    EXPECT_GE(b.left, x);
    EXPECT_LE(b.right, x + 24);
    // The first letter is at the bottom.
    ImageCanvas first(120, 240);
    first.canvas().select_font(times(24, 900));
    first.canvas().set_background_mode(BackgroundMode::transparent);
    first.canvas().text_out(x, y, "T");
    const Box t = ink(first);
    EXPECT_GE(t.top, y - whole.canvas().text_extent("T").cx - 1);
    EXPECT_LE(t.bottom, y);
    whole.save_png(output("canvas_escapement_900.png"));
}

// The measuring canvas keeps the cell a text takes as drawn: upright below
// and right of its corner, turned above and right of it.
TEST(MeasuringCanvas, TakesTheCellOfATextUprightOrTurned)
{
    const int x = 40, y = 220;
    for (int escapement : {0, 900}) {
        ImageCanvas image(240, 240);
        Canvas& dc = image.canvas();
        dc.select_font(times(24, escapement));
        dc.set_background_mode(BackgroundMode::transparent);
        dc.text_out(x, y - (escapement == 0 ? 30 : 0), "Temperature");
        Rect cell{};
        {
            MeasuringCanvas m(dc);
            m.text_out(x, y - (escapement == 0 ? 30 : 0), "Temperature");
            cell = m.reach();
        }
        const Box b = ink(image);
        ASSERT_FALSE(b.empty()) << escapement;
        EXPECT_GE(b.left, cell.left) << escapement;
        EXPECT_LT(b.right, cell.right) << escapement;
        EXPECT_GE(b.top, cell.top) << escapement;
        EXPECT_LT(b.bottom, cell.bottom) << escapement;
        const Size extent = dc.text_extent("Temperature");
        EXPECT_EQ(cell.right - cell.left, escapement == 0 ? extent.cx : extent.cy) << escapement;
        EXPECT_EQ(cell.bottom - cell.top, escapement == 0 ? extent.cy : extent.cx) << escapement;
    }
}

TEST(QtCanvas, SymbolFaceLetterDrawsGreek)
{
    FontRecord symbol = times(24);
    symbol.face = "Symbol";
    ImageCanvas a(60, 40), b(60, 40);
    a.canvas().select_font(symbol);
    a.canvas().text_out(5, 5, "l");
    b.canvas().select_font(times(24));
    b.canvas().text_out(5, 5, "λ");
    ImageCanvas plain(60, 40);
    plain.canvas().select_font(times(24));
    plain.canvas().text_out(5, 5, "l");
    int same = 0, differ_from_l = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            same += a.pixel(x, y) == b.pixel(x, y);
            differ_from_l += a.pixel(x, y) != plain.pixel(x, y);
        }
    EXPECT_EQ(same, 60 * 40);
    EXPECT_GT(differ_from_l, 10);
}

TEST(QtCanvas, LineLeavesOutItsEndPoint)
{
    ImageCanvas img(40, 40);
    Canvas& c = img.canvas();
    c.move_to(10, 10);
    c.line_to(20, 10);
    EXPECT_EQ(img.pixel(10, 10), black);
    EXPECT_EQ(img.pixel(19, 10), black);
    EXPECT_EQ(img.pixel(20, 10), white);
    EXPECT_EQ(c.current_position(), (Point{20, 10}));
    c.line_to(20, 30);   // continues from there: the corner pixel is the start of this one
    EXPECT_EQ(img.pixel(20, 10), black);
    EXPECT_EQ(img.pixel(20, 29), black);
    EXPECT_EQ(img.pixel(20, 30), white);
    c.move_to(5, 35);
    c.line_to(5, 35);    // a line to where it stands draws nothing
    EXPECT_EQ(img.pixel(5, 35), white);
    c.polyline({{30, 2}, {35, 2}, {35, 7}});
    EXPECT_EQ(img.pixel(35, 2), black);
    EXPECT_EQ(img.pixel(35, 6), black);
    EXPECT_EQ(img.pixel(35, 7), white);
}

TEST(QtCanvas, DashPensHaveTheClassicPatterns)
{
    struct Case { PenStyle style; std::vector<int> runs; };   // on, off, on, off, ...
    const Case cases[] = {
        {PenStyle::dash, {18, 6, 18, 6}},
        {PenStyle::dot, {3, 3, 3, 3}},
        {PenStyle::dash_dot, {9, 6, 3, 6, 9}},
        {PenStyle::dash_dot_dot, {9, 3, 3, 3, 3, 3, 9}},
    };
    for (const Case& k : cases) {
        ImageCanvas img(120, 10);
        Canvas& c = img.canvas();
        c.set_background_mode(BackgroundMode::transparent);
        c.select_pen(Pen{k.style, 1, black});
        c.move_to(0, 5);
        c.line_to(110, 5);
        std::vector<int> runs;
        bool on = true;
        int len = 0;
        for (int x = 0; x < 110; ++x) {
            if (dark(img, x, 5) == on) { ++len; continue; }
            runs.push_back(len);
            on = !on;
            len = 1;
        }
        runs.resize(k.runs.size());
        EXPECT_EQ(runs, k.runs) << static_cast<int>(k.style);
    }
}

TEST(QtCanvas, OpaqueBackgroundFillsDashGaps)
{
    ImageCanvas img(60, 10);
    Canvas& c = img.canvas();
    c.set_background_mode(BackgroundMode::opaque);
    c.set_background_color(Rgb{0, 255, 0});
    c.select_pen(Pen{PenStyle::dash, 1, black});
    c.move_to(0, 5);
    c.line_to(50, 5);
    EXPECT_EQ(img.pixel(2, 5), black);
    EXPECT_EQ(img.pixel(20, 5), (Rgb{0, 255, 0}));
}

TEST(QtCanvas, WidePenAndColour)
{
    ImageCanvas img(40, 40);
    Canvas& c = img.canvas();
    c.select_pen(Pen{PenStyle::solid, 3, Rgb{255, 0, 0}});
    c.move_to(5, 20);
    c.line_to(35, 20);
    EXPECT_EQ(img.pixel(20, 19), (Rgb{255, 0, 0}));
    EXPECT_EQ(img.pixel(20, 20), (Rgb{255, 0, 0}));
    EXPECT_EQ(img.pixel(20, 21), (Rgb{255, 0, 0}));
    EXPECT_EQ(img.pixel(20, 23), white);
}

TEST(QtCanvas, SaveAndRestoreTheWholeState)
{
    ImageCanvas img(60, 60);
    Canvas& c = img.canvas();
    c.select_pen(Pen{PenStyle::solid, 1, Rgb{255, 0, 0}});
    c.set_text_color(Rgb{1, 2, 3});
    c.select_font(times(24));
    c.move_to(3, 4);
    c.save();
    c.select_pen(Pen{PenStyle::solid, 1, Rgb{0, 0, 255}});
    c.set_text_color(Rgb{9, 9, 9});
    c.select_font(times(40));
    c.move_to(50, 50);
    c.restore();
    EXPECT_EQ(c.text_color(), (Rgb{1, 2, 3}));
    EXPECT_EQ(c.selected_font().height, 24);
    EXPECT_EQ(c.current_position(), (Point{3, 4}));
    c.line_to(3, 30);
    EXPECT_EQ(img.pixel(3, 10), (Rgb{255, 0, 0}));
    c.restore();   // more restores than saves: nothing happens
    EXPECT_EQ(c.text_color(), (Rgb{1, 2, 3}));
}

TEST(QtCanvas, RectangleOutlineAndFillFollowTheClassicPixels)
{
    ImageCanvas img(40, 40);
    Canvas& c = img.canvas();
    c.select_brush(Brush{BrushStyle::solid, Rgb{0, 255, 0}});
    c.rectangle(10, 10, 20, 20);
    EXPECT_EQ(img.pixel(10, 10), black);
    EXPECT_EQ(img.pixel(19, 19), black);
    EXPECT_EQ(img.pixel(20, 20), white);
    EXPECT_EQ(img.pixel(15, 15), (Rgb{0, 255, 0}));
    c.fill_rect(Rect{25, 25, 30, 30}, Rgb{0, 0, 255});
    EXPECT_EQ(img.pixel(29, 29), (Rgb{0, 0, 255}));
    EXPECT_EQ(img.pixel(30, 30), white);
}

TEST(QtCanvas, PictureIsStretchedOntoTheRectangle)
{
    {
        ImageCanvas src(2, 2, Rgb{200, 0, 0});
        ASSERT_TRUE(src.save_png(output("canvas_tiny_red.png")));
    }
    const Picture pic = load_picture_file(output("canvas_tiny_red.png"));
    ASSERT_TRUE(pic.valid());
    EXPECT_EQ(pic.width, 2);
    ImageCanvas img(50, 50);
    img.canvas().draw_picture(pic, Rect{10, 10, 40, 30});
    EXPECT_EQ(img.pixel(11, 11), (Rgb{200, 0, 0}));
    EXPECT_EQ(img.pixel(38, 28), (Rgb{200, 0, 0}));
    EXPECT_EQ(img.pixel(41, 31), white);
}

TEST(QtCanvas, ResourcePictureByNameWithoutRegardToCase)
{
    const Picture upper = load_picture_resource("ATLAS_E");
    const Picture lower = load_picture_resource("atlas_e");
    ASSERT_TRUE(upper.valid());
    ASSERT_TRUE(lower.valid());
    EXPECT_GT(upper.width, 0);
    EXPECT_EQ(upper.width, lower.width);
    ImageCanvas img(200, 150);
    img.canvas().draw_picture(upper, Rect{0, 0, 200, 150});
    EXPECT_FALSE(ink(img).empty());
    img.save_png(output("canvas_picture_atlas_e.png"));
}

TEST(QtCanvas, MissingPictureIsInvalidAndDrawsNothing)
{
    EXPECT_FALSE(load_picture_resource("NoSuchPicture_42").valid());
    EXPECT_FALSE(load_picture_resource("../etc/passwd").valid());
    EXPECT_FALSE(load_picture_file("/nonexistent/picture.bmp").valid());
    ImageCanvas img(20, 20);
    img.canvas().draw_picture(load_picture_file("/nonexistent/picture.bmp"), Rect{0, 0, 20, 20});
    EXPECT_TRUE(ink(img).empty());
}

// A sheet of everything the canvas draws, to be looked at.
TEST(QtCanvas, SampleSheet)
{
    ImageCanvas img(640, 420);
    Canvas& c = img.canvas();
    c.set_background_mode(BackgroundMode::transparent);
    struct FaceCase { const char* face; int weight; int italic; const char* text; };
    const FaceCase faces[] = {
        {"Times New Roman", 400, 0, "Times New Roman: Temperature 1420 \xC2\xB0""C"},
        {"Times New Roman", 700, 0, "Bold: Cooling time t8/5"},
        {"Times New Roman", 400, 1, "Italic: v, q, a"},
        {"Arial", 400, 0, "Arial: \xD0\xA2\xD0\xB5\xD0\xBC\xD0\xBF\xD0\xB5\xD1\x80\xD0\xB0\xD1\x82\xD1\x83\xD1\x80\xD0\xB0 (Cyrillic)"},
        {"Courier New", 400, 0, "Courier New: 0123456789"},
        {"Tahoma", 400, 0, "Tahoma: Attention!"},
        {"Symbol", 400, 0, "abcdDeglmprstw - \xC2\xB0 \xC2\xB4 \xC2\xA3 \xC2\xB3"},
        {"Zapfdingbats BT", 400, 0, "\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6"},
    };
    int y = 8;
    for (const FaceCase& f : faces) {
        FontRecord font = times(22);
        font.face = f.face;
        font.weight = f.weight;
        font.italic = f.italic;
        c.select_font(font);
        c.text_out(10, y, f.text);
        y += 26;
    }
    const PenStyle styles[] = {PenStyle::solid, PenStyle::dash, PenStyle::dot, PenStyle::dash_dot,
                               PenStyle::dash_dot_dot};
    for (int i = 0; i < 5; ++i) {
        c.select_pen(Pen{styles[i], 1, Rgb{0, 0, 160}});
        c.move_to(10, 230 + 8 * i);
        c.line_to(300, 230 + 8 * i);
    }
    c.select_pen(Pen{PenStyle::solid, 3, Rgb{200, 0, 0}});
    c.move_to(10, 285);
    c.line_to(300, 320);
    c.select_pen(Pen{PenStyle::solid, 1, Rgb{0, 0, 0}});
    c.select_brush(Brush{BrushStyle::solid, Rgb{255, 255, 160}});
    c.rectangle(330, 220, 450, 300);
    c.ellipse(470, 220, 620, 300);
    c.arc(330, 310, 450, 410, 450, 360, 390, 310);   // a quarter, counter-clockwise from 3 to 12 o'clock
    c.select_font(times(18, 900));
    c.text_out(610, 410, "upward");
    EXPECT_TRUE(img.save_png(output("canvas_sample_sheet.png")));
}
