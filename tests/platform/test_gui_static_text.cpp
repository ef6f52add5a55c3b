// Static text controls keep their text inside their rectangle, as the
// classic control does: broken into lines at blanks (a word wider than the
// box where it no longer fits), at line breaks, and cut off below.
#include "dialog.h"
#include "dialog_driver.h"
#include "fonts.h"
#include "msgbox.h"
#include "resources.h"
#include "window.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

FontRecord font()
{
    return dialog_font("MS Sans Serif", 8);
}

int width_of(const std::string& text)
{
    return measure_text(font(), text).cx;
}

TEST(StaticTextLines, BreakAtBlanksLineBreaksAndWithinWordsTooWide)
{
    struct Case {
        const char* text;
        int width;
        bool wrap;
        Lines lines;
    };
    const Case cases[] = {
        // Fits: one line, as written.
        {"alpha beta", width_of("alpha beta"), true, {"alpha beta"}},
        // The last whole word that does not fit goes to the next line; the
        // blank at the break is dropped.
        {"alpha beta gamma", width_of("alpha beta gamm"), true, {"alpha beta", "gamma"}},
        {"alpha beta   gamma", width_of("alpha beta"), true, {"alpha beta", "gamma"}},
        // Blanks before the first word stay; blanks after a break do not.
        {"  alpha beta", width_of("  alpha"), true, {"  alpha", "beta"}},
        // A word wider than the box is broken where it no longer fits.
        {"abcdefgh ij", width_of("abcd"), true, {"abcd", "efgh", "ij"}},
        // Not even one character fits: one per line, never an empty line.
        {"abc", 1, true, {"a", "b", "c"}},
        // Cyrillic letters are whole characters at a break.
        {"жжжжжж", width_of("жжж"), true, {"жжж", "жжж"}},
        // Line breaks (with or without a carriage return) and empty lines.
        {"one\ntwo\r\n\nthree", 1000, true, {"one", "two", "", "three"}},
        // Without word wrap only the line breaks break; the rest is cut by
        // the control's rectangle.
        {"alpha beta gamma", width_of("alpha"), false, {"alpha beta gamma"}},
        {"alpha\nbeta", 5, false, {"alpha", "beta"}},
        {"", 100, true, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_text_lines(font(), c.text, c.width, c.wrap), c.lines) << "\"" << c.text << "\"";
}

const char* const script = R"(
ST_WRAP DIALOG 0, 0, 200, 100
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "Wrap"
FONT 8, "MS Sans Serif"
BEGIN
    LTEXT "in case the resistance is zero the body is continuous and its layer thickness does not matter", 201, 10, 10, 80, 20
    CTEXT "centred", 202, 10, 60, 80, 10
    RTEXT "right", 203, 100, 60, 80, 10
    CONTROL "no wrap at all in this one", 204, "Static", SS_LEFTNOWORDWRAP, 100, 10, 40, 10
    PUSHBUTTON "Cancel", IDCANCEL, 140, 80, 50, 14
END
)";

class StaticText : public ::testing::Test {
protected:
    void SetUp() override
    {
        static bool loaded = false;
        if (!loaded) {
            ASSERT_TRUE(resources_add_rc_text(script, "static_text_test.rc"));
        }
        loaded = true;
        set_dialog_test_mode(true);
        message_box_set_record_mode(true);
    }
    void TearDown() override
    {
        clear_dialog_hooks();
        message_box_set_record_mode(false);
        set_dialog_test_mode(false);
    }
};

std::intptr_t plain_proc(Window*, const Message& m)
{
    return m.msg == Msg::init_dialog ? 1 : 0;
}

const ShownControl* shown(const std::vector<ShownControl>& controls, int id)
{
    for (const ShownControl& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

TEST_F(StaticText, WrapsInsideItsRectangleAndIsCutBelow)
{
    bool ran = false;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        ran = true;
        const std::vector<ShownControl> controls = dialog_shown_controls(dlg);
        const int cell = font_cell_metrics(dialog_text_font(dlg)).cell;

        // Two lines of the long text fit its 20 units; the third begins
        // below and is not shown.
        const ShownControl* text = shown(controls, 201);
        ASSERT_NE(text, nullptr);
        const Rect box = get_item_rect(dlg, 201);
        ASSERT_LT(2 * cell, box.height() + cell);
        ASSERT_EQ(text->lines.size(), static_cast<std::size_t>((box.height() + cell - 1) / cell));
        const Lines all = static_text_lines(dialog_text_font(dlg), get_item_text(dlg, 201), box.width(), true);
        EXPECT_GT(all.size(), text->lines.size());
        for (std::size_t i = 0; i < text->lines.size(); ++i) {
            EXPECT_EQ(text->lines[i].text, all[i]);
            EXPECT_EQ(text->lines[i].cell.top, box.top + static_cast<int>(i) * cell);
            EXPECT_LE(text->lines[i].cell.right, box.right) << text->lines[i].text;
        }

        // Centred and right-aligned lines stand in their boxes.
        const ShownControl* centred = shown(controls, 202);
        ASSERT_NE(centred, nullptr);
        const Rect cbox = get_item_rect(dlg, 202);
        ASSERT_EQ(centred->lines.size(), 1u);
        EXPECT_EQ(centred->lines[0].cell.left - cbox.left, (cbox.width() - centred->lines[0].cell.width()) / 2);
        const ShownControl* right = shown(controls, 203);
        ASSERT_NE(right, nullptr);
        EXPECT_EQ(right->lines[0].cell.right, get_item_rect(dlg, 203).right);

        // Without word wrap the one line runs on and is cut at the right.
        const ShownControl* nowrap = shown(controls, 204);
        ASSERT_NE(nowrap, nullptr);
        ASSERT_EQ(nowrap->lines.size(), 1u);
        EXPECT_GT(nowrap->lines[0].cell.right, get_item_rect(dlg, 204).right);

        // What is drawn stays inside: below the long text's box and right of
        // the unwrapped one the dialog's face shows; inside, the text's ink.
        const std::string png = std::string(VELMARIN_TEST_OUTPUT_DIR) + "/platform_static_text.png";
        ASSERT_TRUE(save_window_screenshot(dlg, png));
        QImage shot(QString::fromStdString(png));
        ASSERT_FALSE(shot.isNull());
        const int frame_x = (shot.width() - get_client_rect(dlg).width()) / 2;
        const int frame_y = shot.height() - get_client_rect(dlg).height() - frame_x;
        const auto dark_pixels = [&](Rect r) {
            int n = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    if (QColor(shot.pixel(x + frame_x, y + frame_y)).lightness() < 100) ++n;
            return n;
        };
        EXPECT_GT(dark_pixels(box), 50);
        EXPECT_EQ(dark_pixels(Rect{box.left, box.bottom, box.right, box.bottom + cell}), 0);
        const Rect nbox = get_item_rect(dlg, 204);
        EXPECT_GT(dark_pixels(nbox), 20);
        EXPECT_EQ(dark_pixels(Rect{nbox.right, nbox.top, nbox.right + 20, nbox.bottom}), 0);
        for (const ShownControl& c : controls)
            for (const ShownLine& line : c.lines) {
                Rect visible = line.cell;
                visible.bottom = std::min(visible.bottom, c.rect.bottom);
                if (c.id != 204) {
                    EXPECT_TRUE(inside(visible, c.rect)) << line.text;
                }
            }

        // The text can change and is read back whole, without its lines.
        set_item_text(dlg, 202, "now a much longer centred text");
        EXPECT_EQ(get_item_text(dlg, 202), "now a much longer centred text");
        end_dialog(dlg, 1);
    });
    dialog_box("ST_WRAP", nullptr, plain_proc);
    EXPECT_TRUE(ran);
}

} // namespace
