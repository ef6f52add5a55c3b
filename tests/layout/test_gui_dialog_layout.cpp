// Every dialog template, as it opens: the texts of its controls inside their
// controls and clear of each other, in all five languages (each language has
// its own templates); and the dialogs that paint under their controls (the
// data dialogs of the schemes, the model chooser, the digitization dialog),
// their painted texts clear of the controls and of each other.
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
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

// Every finding fails: a text cut by its control or the client, a text under
// a button or edit, ink on ink. Each is also written to a findings file, one
// line per finding, for reading the whole picture at once.
struct Tally {
    std::vector<std::string> lines;

    void report(const std::string& dialog, const std::vector<DialogFinding>& findings)
    {
        for (const DialogFinding& f : findings) {
            ADD_FAILURE() << dialog << ": " << f.describe();
            lines.push_back(dialog + ": " + f.describe());
        }
    }
    void write(const std::filesystem::path& file) const
    {
        std::ofstream out(file);
        for (const std::string& line : lines) out << line << '\n';
    }
};

// The chooser's captions each inside their own picture's cell, so that
// none runs into the next picture.
std::vector<DialogFinding> captions_outside_their_pictures(const Window* chooser, const RecordingCanvas& painted)
{
    std::vector<DialogFinding> out;
    for (const PlacedText& t : placed_texts(painted)) {
        if (t.ink.width() <= 0) continue;
        bool in_a_cell = false;
        for (const ChooserCell& cell : chooser_cells()) {
            const Rect r = map_dialog_rect(chooser, cell.rect);
            in_a_cell = in_a_cell || (t.ink.left >= r.left && t.ink.right <= r.right && t.ink.top >= r.top &&
                                      t.ink.bottom <= r.bottom);
        }
        if (!in_a_cell)
            out.push_back({LayoutFindingKind::outside, t.text, "its picture's cell",
                           "ink (" + std::to_string(t.ink.left) + "," + std::to_string(t.ink.top) + ")-(" +
                               std::to_string(t.ink.right) + "," + std::to_string(t.ink.bottom) + ")"});
    }
    return out;
}

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
            if (name.rfind("MODUL", 0) == 0) tally().report(name, captions_outside_their_pictures(dlg, painted));
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
    tally().write(shots / "findings.txt");
}

} // namespace
