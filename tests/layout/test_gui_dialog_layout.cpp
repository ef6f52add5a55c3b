// Every dialog template, as it opens: the texts of its controls inside their
// controls and clear of each other, in all five languages (each language has
// its own templates); and the dialogs that paint under their controls (the
// data dialogs of the schemes, the model chooser, the digitization dialog),
// their painted texts clear of the controls, except the cases kept below,
// where the template and the painting themselves put two things in one place.
#include "layout_check.h"

#include "dialog.h"
#include "dialog_driver.h"
#include "digitizer_dialog.h"
#include "digitizer_view.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "lang.h"
#include "modelchoice.h"
#include "msgbox.h"
#include "rc_parser.h"
#include "resources.h"
#include "window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

// A finding that the layout itself makes, with the numbers behind it.
struct KeptDialogCase {
    const char* dialogs;   // regex over the template name
    LayoutFindingKind kind;
    const char* first;     // regex searched in the first text
    const char* second;    // regex searched in the second text or control ("" any)
    const char* layout;    // why: the coordinates that put them there
};

// Painted legends, headings and footnotes of the data dialogs stand where the
// painting puts them (the legend column at x0 = W / divisor x, the rows at
// ch * (2 + 1.5 (r - 1)), the heading at 3 cw, 0.5 ch in font 1.2 H, with W and
// G the dialog's outer width and height and H = G / divisor H), while the
// template puts the edits and buttons; these cases are where the two meet.
// The first case that fits a finding takes it, so the narrow ones come first.
const std::vector<KeptDialogCase>& kept_dialog_cases()
{
    static const std::vector<KeptDialogCase> cases = {
        {"PPR2DATA_.*", LayoutFindingKind::covered, "anyone|beliebiges|ununterbrochenen|n'importe|має значення",
         "control 1009[56]",
         "The layered body's footnote at y = 14 ch = 238 px (ch = 17 of H = G / 18 = 314 / 18), in font 5H/6 = 14, from "
         "x0 = W / 3 = 210 px: its cell (238 to 252) reaches into Cancel at 327, 152 dialog units = (491, 247)-(539, 270) "
         "and OK at 369, 152 = (554, 247)-(602, 270); the English footnote ends at 512 px under Cancel, the German one "
         "at 623 px under OK."},
        {"(PPR14|PPR15)DATA_(E|D)", LayoutFindingKind::covered, "thermal and physical|thermischen", "control 102(31|40)",
         "The heading at (3 cw, 0.5 ch) = (24, 8) in font 1.2 H = 19 has its cell down to y = 27, while the first edit "
         "stands at 360, 16 dialog units = (540, 26) (PPR14DATA) and 363, 15 = (545, 24) (PPR15DATA); the English (560 px "
         "wide) and German (720 px) headings reach over x = 540."},
        {"(PPR1|PPR2|PPR3|PPR4|PPR5|PPR9|PPR10|PPR11|Comp)DATA_.*", LayoutFindingKind::covered, ".", "control 1",
         "Long legends under the edit column: x0 = 262 px of W = 656 (PPR1DATA), 210 of 629 (PPR2DATA), 217 of 650 "
         "(PPR3DATA), 244 of 611 (PPR4DATA), 268 of 669 (PPR5DATA), 219 of 656 (PPR9DATA), 205 of 615 (PPR10DATA), 234 of "
         "654 (PPR11DATA), 248 of 620 (CompDATA); the edits at x 579, 557, 555, 531, 578, 537, 539, 578, 536 px (386, "
         "371, 370, 354, 385, 358, 359, 385, 357 dialog units). A legend with its stacked unit wider than the 300 to 340 px "
         "between (German, French and Russian names; PPR5DATA and CompDATA also in English) ends under its edit."},
        {"ROM[123]DATA_.*", LayoutFindingKind::covered, ".", "control 10(2[4-9][0-9])",
         "The pulsed schemes' legends from x0 = W / 2.5 = 263 px (W = 658; ROM1DATA_UA 195 of 488) meet the edit column "
         "at 276, 284 and 280 dialog units = 414, 426 and 420 px (ROM1DATA_RU 385 = 578, ROM2DATA_RU 393 = 590, "
         "ROM3DATA_RU 396 = 594): legends wider than about 150 px end under their edits; the rows at ch (2 + 1.5 (r - 1)), "
         "ch = 16 of G / 21 (ROM1) and 14 of G / 23 (ROM2, ROM3), reach 14 ch = 224 to 17 ch = 238 px, where Cancel and "
         "OK stand (152, 150, 145 dialog units = 247, 244, 236 px)."},
        {"(PPR1|PPR2|PPR3|PPR4|PPR5|PPR9|PPR10|PPR11|PPR14|PPR15|ROM1|ROM2|ROM3|Comp)DATA_(D|F)",
         LayoutFindingKind::outside, "thermischen|caractéristiques", "the client",
         "The heading at x = 3 cw = 24 px (27 at H = 19) in font 1.2 H = 20 (22): the German heading is 715 px (799) and "
         "the French 619 px (694) wide, in clients 605 to 663 px wide."},
        {"CompDATA_F", LayoutFindingKind::outside, "deuxième phase|^J$|^0$|^;$|g ·", "the client",
         "The French legend of the second phase's heat capacity, 'Le coefficient est chaud les capacités de la deuxième "
         "phase,' (373 px from x0 = 248 + 27), with its stacked unit ends at 696 px in a client 614 px wide."},
        {"MODUL_(D|F)|PPR11DATA_D", LayoutFindingKind::outside, "Auftragschweißen|Rechargement|sägezahnförmigen",
         "the client",
         "Caption lines are centred on their picture's rectangle and overflow it on both sides: ' 8. "
         "Auftragschweißen des massiven Körpers' (243 px) and 'die sägezahnförmigen Schwingungen' (210 px) over a "
         "rectangle 150 px wide, in the chooser's right column (client 686 px wide) and in the data dialog's picture at "
         "14 dialog units = 21 px from the left."},
    };
    return cases;
}

// One record over the whole program, so that a kept case that no dialog
// shows any more is noticed.
struct Tally {
    std::vector<int> used = std::vector<int>(kept_dialog_cases().size(), 0);

    void report(const std::string& dialog, const std::vector<DialogFinding>& findings)
    {
        for (const DialogFinding& f : findings) {
            bool kept = false;
            for (std::size_t k = 0; k < kept_dialog_cases().size() && !kept; ++k) {
                const KeptDialogCase& c = kept_dialog_cases()[k];
                if (c.kind != f.kind || !std::regex_match(dialog, std::regex(c.dialogs))) continue;
                if (!std::regex_search(f.first, std::regex(c.first))) continue;
                if (*c.second != '\0' && !std::regex_search(f.second, std::regex(c.second))) continue;
                kept = true;
                ++used[k];
            }
            if (!kept) ADD_FAILURE() << dialog << ": " << f.describe();
        }
    }
};

std::intptr_t plain_dialog_proc(Window*, const Message& m)
{
    return m.msg == Msg::init_dialog ? 1 : 0;
}

std::vector<std::string> all_template_names()
{
    std::vector<std::string> names;
    for (const std::string& file : resource_files("dialogs/")) {
        const auto text = resource_bytes(file);
        if (!text) continue;
        for (const DialogTemplate& t : parse_rc(*text, file).dialogs) names.push_back(t.name);
    }
    return names;
}

class DialogLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        message_box_set_record_mode(true);
        message_box_take_log();
        init_fonts();
    }
    void TearDown() override
    {
        clear_dialog_hooks();
        set_language(Language::english);
        message_box_set_record_mode(false);
        set_dialog_test_mode(false);
    }
};

Tally& tally()
{
    static Tally t;
    return t;
}

TEST_F(DialogLayout, EveryTemplateKeepsItsTextsInsideTheirControls)
{
    const std::vector<std::string> names = all_template_names();
    ASSERT_GT(names.size(), 150u);
    for (const std::string& name : names) {
        bool opened = false;
        push_dialog_hook([&](Window* dlg, const std::string&) {
            opened = true;
            tally().report(name, check_dialog_layout(dlg));
            end_dialog(dlg, 0);
        });
        dialog_box(name, nullptr, plain_dialog_proc);
        EXPECT_TRUE(opened) << name;
    }
    for (const MessageBoxRecord& box : message_box_take_log()) ADD_FAILURE() << "message box: " << box.text;
}

TEST_F(DialogLayout, PaintedTextsStandClearOfTheControls)
{
    const std::filesystem::path shots = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "layout" / "dialogs";
    std::filesystem::create_directories(shots);
    const auto look = [&](const std::function<void()>& open) {
        bool opened = false;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            opened = true;
            RecordingCanvas painted;
            paint_window_on(dlg, painted);
            save_window_screenshot(dlg, (shots / (name + ".png")).string());
            EXPECT_FALSE(painted.texts.empty()) << name;
            tally().report(name, check_dialog_layout(dlg, &painted));
            end_dialog(dlg, 0);
        });
        open();
        EXPECT_TRUE(opened);
    };
    for (Language language : {Language::english, Language::russian, Language::ukrainian, Language::german,
                              Language::french}) {
        set_language(language);
        for (int scheme = 1; scheme <= 14; ++scheme) {
            ASSERT_TRUE(install_scheme(scheme));
            look([scheme] { show_scheme_data_dialog(scheme); });
        }
        install_start_scheme();
        look(show_modul_dialog);
        // The digitization dialog with its picture calibrated and curves and
        // labels captured: the grid's labels and the hardness values beside
        // the control column and above the status bar.
        with_digitized_diagram(shots, [&](Window* dlg) {
            const std::string name = std::string("PCX_DIALOG") + language_suffix();
            RecordingCanvas painted;
            paint_window_on(dlg, painted);
            EXPECT_FALSE(painted.texts.empty()) << name;
            tally().report(name, check_dialog_layout(dlg, &painted));
            store_pending = 1;
            labels_pending = 1;
            invalidate_window(dlg, true);
            update_window(dlg);
            save_window_screenshot(dlg, (shots / (name + ".png")).string());
        });
    }
    set_language(Language::english);
    message_box_take_log();
    for (std::size_t k = 0; k < kept_dialog_cases().size(); ++k)
        EXPECT_GT(tally().used[k], 0) << "kept case no longer seen: " << kept_dialog_cases()[k].layout;
}

} // namespace
