// What the data dialogs and the chooser paint, on the recording canvas: the
// heading, one legend per value in its row, the picture in its frame with the
// scheme's caption lines, and a placeholder where a picture is missing.
#include "captions.h"
#include "dialog.h"
#include "dialog_driver.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "lang.h"
#include "modelchoice.h"
#include "msgbox.h"
#include "recording_canvas.h"
#include "screen.h"
#include "window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using TextCall = RecordingCanvas::TextCall;

class Painting : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        message_box_take_log();
        init_fonts();
        set_language(GetParam());
    }
    void TearDown() override
    {
        clear_dialog_hooks();
        set_language(Language::english);
        set_dialog_test_mode(false);
    }

    // Opens the scheme's data dialog and runs `look` on it while it is up.
    void with_dialog(int scheme, const std::function<void(Window*)>& look)
    {
        ASSERT_TRUE(install_scheme(scheme));
        push_dialog_hook([&](Window* dlg, const std::string&) {
            look(dlg);
            dialog_click(dlg, find_data_dialog(scheme)->cancel);
        });
        show_scheme_data_dialog(scheme);
        ASSERT_EQ(pending_dialog_hooks(), 0u);
    }
};

FontRecord times(int height)
{
    FontRecord f;
    f.height = height;
    f.weight = 400;
    f.charset = language_charset();
    f.face = "Times New Roman";
    return f;
}

// Index of the first run of `part` inside `whole` (texts and places), or -1.
int find_run(const std::vector<TextCall>& whole, const std::vector<TextCall>& part, std::size_t from = 0)
{
    for (std::size_t i = from; i + part.size() <= whole.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < part.size() && same; ++k)
            same = whole[i + k].text == part[k].text && whole[i + k].x == part[k].x && whole[i + k].y == part[k].y &&
                   whole[i + k].font.height == part[k].font.height;
        if (same) return static_cast<int>(i);
    }
    return -1;
}

} // namespace

TEST_P(Painting, LegendsStandInTheirRowsInValueOrder)
{
    for (int scheme : {1, 2, 5, 11, 14}) {
        SCOPED_TRACE(scheme);
        with_dialog(scheme, [scheme](Window* dlg) {
            const DataDialog& d = *find_data_dialog(scheme);
            RecordingCanvas dc;
            paint_data_dialog(dc, dlg, scheme);

            // the layout follows the outer size of the dialog window
            const Rect outer = get_window_rect(dlg);
            const int H = outer.height() / d.divisor_h;
            const double x0 = outer.width() / d.divisor_x;
            const Size s = measure_text(times(H), "S");

            const TextCall* heading = dc.find_text(data_dialog_heading());
            ASSERT_NE(heading, nullptr);
            EXPECT_EQ(heading->x, 3 * s.cx);
            EXPECT_EQ(heading->y, s.cy / 2);
            EXPECT_EQ(heading->color, (Rgb{127, 0, 0}));
            EXPECT_EQ(heading->font.height, d.pulsed ? outer.height() / 17 : static_cast<int>(1.2 * H));
            EXPECT_EQ(heading->font.face, "Times New Roman");
            EXPECT_EQ(heading->font.charset, lang_russian ? 204 : 0);

            // each value's legend, painted alone at its row, appears whole in
            // the dialog's painting, in value order
            std::size_t from = 0;
            for (const DataValue& v : d.values) {
                RecordingCanvas alone;
                int cursor = 0;
                find_caption_painter(v.painter)(alone, 0.0, H, &cursor, x0, s.cy * (2 + 1.5 * (v.row - 1)), s.cx);
                ASSERT_FALSE(alone.texts.empty()) << v.painter;
                const int at = find_run(dc.texts, alone.texts, scheme == 2 ? 0 : from);
                ASSERT_GE(at, 0) << v.painter;
                from = static_cast<std::size_t>(at) + alone.texts.size();
                // pulsed dialogs draw their legends in black as the painters do
                EXPECT_EQ(dc.texts[static_cast<std::size_t>(at)].color, (Rgb{0, 0, 0})) << v.painter;
            }
        });
    }
}

TEST_P(Painting, LayeredBodyFootnoteFollowsTheLegends)
{
    with_dialog(2, [](Window* dlg) {
        RecordingCanvas dc;
        paint_data_dialog(dc, dlg, 2);
        const Rect outer = get_window_rect(dlg);
        const int H = outer.height() / 18;
        const double x0 = outer.width() / 3.0;
        const int ch = measure_text(times(H), "S").cy;
        const char* first = lang_russian ? "если R" : "in case R";
        const TextCall* piece1 = dc.find_text(first);
        ASSERT_NE(piece1, nullptr);
        EXPECT_EQ(piece1->x, static_cast<int>(x0));
        EXPECT_EQ(piece1->y, 14 * ch);
        EXPECT_EQ(piece1->font.height, H * 5 / 6);
        // the pieces follow one another
        const std::size_t at = static_cast<std::size_t>(piece1 - dc.texts.data());
        ASSERT_LT(at + 5, dc.texts.size());
        const TextCall* subscript = &dc.texts[at + 1];
        EXPECT_EQ(subscript->text, "T");
        EXPECT_EQ(subscript->y, static_cast<int>(14.5 * ch));
        EXPECT_EQ(subscript->font.height, H * 3 / 5);
        EXPECT_EQ(subscript->x, static_cast<int>(x0) + measure_text(piece1->font, first).cx);
        EXPECT_EQ(dc.texts[at + 2].text, "= 0 -");
        const TextCall* delta = &dc.texts[at + 4];
        EXPECT_EQ(delta->text, "d -");
        EXPECT_EQ(delta->font.face, "Symbol");
        EXPECT_GT(delta->x, subscript->x);
    });
}

TEST_P(Painting, PictureFillsItsFrameWithTheInstalledSchemesCaption)
{
    with_dialog(9, [](Window* dlg) {
        RecordingCanvas dc;
        paint_data_dialog(dc, dlg, 9);
        ASSERT_EQ(dc.pictures.size(), 1u);
        EXPECT_EQ(dc.pictures[0].name, "PprBmp_14");
        EXPECT_TRUE(dc.pictures[0].valid);
        const Rect r = map_dialog_rect(dlg, Rect{14, 25, 137, 118});
        EXPECT_EQ(dc.pictures[0].dest, (Rect{r.left + 5, r.top + 5, r.right - 5, r.bottom - 5}));

        char l1[heat_text_size], l2[heat_text_size], l3[heat_text_size];
        ppr14_caption(l1, l2, l3);
        const TextCall* first = dc.find_text(l1);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->color, (Rgb{127, 0, 0}));
        EXPECT_EQ(first->font.height, screen_facts().dialog_base_unit_y);
    });
}

TEST_P(Painting, CaptionLinesAreCentredAndShortOnesLeftOut)
{
    with_dialog(1, [](Window* dlg) {
        const Rect cell{1, 0, 86, 64};
        const Rect r = map_dialog_rect(dlg, cell);
        const int h = screen_facts().dialog_base_unit_y;
        const std::string wide(60, 'W');
        for (const char* one : {"", "x", "Ж"}) {
            RecordingCanvas dc;
            draw_scheme_picture(dc, dlg, "PprBmp_1", one, "ab", wide.c_str(), cell);
            ASSERT_EQ(dc.texts.size(), 2u) << one;
            const int w_ab = measure_text(dc.texts[0].font, "ab").cx;
            EXPECT_EQ(dc.texts[0].text, "ab");
            EXPECT_EQ(dc.texts[0].x, r.left + (r.width() - w_ab) / 2);
            EXPECT_EQ(dc.texts[0].y, static_cast<int>(r.bottom - 2.3 * h));
            // one word wider than the cell even in half the font: left as
            // it stands, centred, over both edges
            const int w_wide = measure_text(dc.texts[1].font, wide).cx;
            ASSERT_GT(w_wide, r.width());
            EXPECT_EQ(dc.texts[1].x, r.left + (r.width() - w_wide) / 2);
            EXPECT_LT(dc.texts[1].x, r.left);
            EXPECT_EQ(dc.texts[1].y, static_cast<int>(r.bottom - 1.4 * h));
        }
        // the caption font stays in the shared record
        EXPECT_EQ(text_font.height, h);
        EXPECT_EQ(text_font.face, "Times New Roman");
    });
}

TEST_P(Painting, CaptionWiderThanItsPictureIsFilledAnewInsideIt)
{
    with_dialog(1, [](Window* dlg) {
        const Rect cell{1, 0, 86, 64};
        const Rect r = map_dialog_rect(dlg, cell);
        const int h = screen_facts().dialog_base_unit_y;
        // Captions with lines wider than the cell: one whose words fit in
        // its three lines at the full height, one that needs a smaller font.
        struct Case {
            const char* lines[3];
            bool full_height;
        };
        const Case cases[] = {
            {{"8. aa bb cc dd ee ff gg hh ii jj kk", "ll", "mm"}, true},
            {{"8. Surfacing of the massive body by saw-tooth oscillations", "of a wide",
              "electrode on a plate of two metals"}, false},
        };
        for (const Case& c : cases) {
            RecordingCanvas dc;
            draw_scheme_picture(dc, dlg, "PprBmp_1", c.lines[0], c.lines[1], c.lines[2], cell);
            ASSERT_GE(dc.texts.size(), 1u);
            ASSERT_LE(dc.texts.size(), 3u);
            std::string all;
            const double tops[3] = {3.2, 2.3, 1.4};
            for (std::size_t i = 0; i < dc.texts.size(); ++i) {
                const TextCall& t = dc.texts[i];
                const int w = measure_text(t.font, t.text).cx;
                EXPECT_GE(t.x, r.left) << t.text;
                EXPECT_LE(t.x + w, r.right) << t.text;
                EXPECT_EQ(t.y, static_cast<int>(r.bottom - tops[i] * h)) << t.text;
                EXPECT_EQ(t.font.height, dc.texts[0].font.height);
                all += (all.empty() ? "" : " ") + t.text;
            }
            // the first line as given was wider than the cell
            EXPECT_GT(measure_text(dc.texts[0].font, c.lines[0]).cx, r.width());
            // every word kept, in its order
            EXPECT_EQ(all, std::string(c.lines[0]) + " " + c.lines[1] + " " + c.lines[2]);
            if (c.full_height)
                EXPECT_EQ(dc.texts[0].font.height, h);
            else
                EXPECT_LT(dc.texts[0].font.height, h);
            EXPECT_GE(dc.texts[0].font.height, h / 2);
            EXPECT_EQ(text_font.height, h);
        }
    });
}

TEST_P(Painting, MissingPictureLeavesAVisiblePlaceholder)
{
    with_dialog(1, [](Window* dlg) {
        RecordingCanvas dc;
        draw_scheme_picture(dc, dlg, "NoSuchScheme", "1. Missing", "", "", Rect{14, 25, 137, 118});
        EXPECT_TRUE(dc.pictures.empty() || !dc.pictures[0].valid);
        ASSERT_FALSE(dc.shapes.empty());
        const Rect r = map_dialog_rect(dlg, Rect{14, 25, 137, 118});
        EXPECT_EQ(dc.shapes[0].box, (Rect{r.left + 5, r.top + 5, r.right - 5, r.bottom - 5}));
        EXPECT_EQ(dc.lines.size(), 2u);   // crossed corner to corner
        EXPECT_NE(dc.find_text("NoSuchScheme"), nullptr);
        EXPECT_NE(dc.find_text("1. Missing"), nullptr);
    });
}

TEST_P(Painting, ChooserPaintsEverySchemeWithItsOwnCaption)
{
    ASSERT_TRUE(install_scheme(2));
    push_dialog_hook([](Window* dlg, const std::string&) {
        RecordingCanvas dc;
        paint_modul_dialog(dc, dlg);
        ASSERT_EQ(dc.pictures.size(), 14u);
        const auto& cells = chooser_cells();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(dc.pictures[i].name, cells[i].picture);
            EXPECT_TRUE(dc.pictures[i].valid) << cells[i].picture;
            const Rect r = map_dialog_rect(dlg, cells[i].rect);
            EXPECT_EQ(dc.pictures[i].dest, (Rect{r.left + 5, r.top + 5, r.right - 5, r.bottom - 5}));
        }
        // every first caption line starts with its scheme's number, whatever
        // scheme is installed
        for (int scheme = 1; scheme <= 14; ++scheme) {
            const std::string number = std::to_string(scheme) + ".";
            bool found = false;
            for (const TextCall& t : dc.texts) found = found || t.text.rfind(number, 0) == 0;
            EXPECT_TRUE(found) << scheme;
        }
        dialog_click(dlg, 10052);
    });
    show_modul_dialog();
    EXPECT_EQ(installed_scheme(), 2);
}

INSTANTIATE_TEST_SUITE_P(Languages, Painting, ::testing::Values(Language::english, Language::russian),
                         [](const auto& info) { return info.param == Language::english ? "en" : "ru"; });
