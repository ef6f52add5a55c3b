// Every dialog template of the frame, opened as the program opens it: it
// comes up, its single-line texts fit their controls in the font that stands
// in for the template's face, and a screenshot of each goes to the test output
// folder to look at.

#include "dialog.h"
#include "dialog_driver.h"
#include "fonts.h"
#include "msgbox.h"
#include "resources.h"
#include "window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string output_dir = VELMARIN_TEST_OUTPUT_DIR "/resources/dialogs/";

std::vector<std::string> template_names()
{
    std::vector<std::string> names = {"LANGUAGES", "GRAPHICSMODE", "CAUTION", "PROGRESS"};
    for (const char* stem : {"ABOUT", "VELOCITY", "PROPERTIES", "PROPERTY", "SEYFFARTHPOGONENERGY", "THICKNESS",
                             "PREHEAT", "TERMOCYCLYS", "TERMOCYCLYSPPR1", "TERMOCYCLYSALTAJ", "TERMOCYCLYSCOMP",
                             "ISOTERMESxy", "ISOTERMESxyPPR1", "ISOTERMESyz", "ISOTERMESxz"})
        for (const char* suffix : {"_E", "_RU", "_UA", "_D", "_F"}) names.push_back(std::string(stem) + suffix);
    return names;
}

std::intptr_t plain_dialog_proc(Window*, const Message& m)
{
    return m.msg == Msg::init_dialog ? 1 : 0;
}

// "&x" marks a mnemonic and "&&" is one ampersand: the text as shown.
std::string shown_text(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

class DialogTemplates : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        message_box_set_record_mode(true);
        message_box_take_log();
        std::filesystem::create_directories(output_dir);
    }
    void TearDown() override
    {
        clear_dialog_hooks();
        message_box_set_record_mode(false);
        set_dialog_test_mode(false);
    }
};

}  // namespace

TEST_F(DialogTemplates, EachOpensAndItsTextsFitTheirControls)
{
    for (const std::string& name : template_names()) {
        const DialogTemplate* t = find_dialog_template(name);
        ASSERT_NE(t, nullptr) << name;
        FontRecord font;
        font.face = t->font_face;
        font.height = -(t->font_size * 96 + 36) / 72;   // the em at 96 pixels per inch, as dialogs size it
        const int line = font_cell_metrics(font).cell;

        bool opened = false;
        push_dialog_hook([&](Window* dialog, const std::string& template_name) {
            opened = true;
            EXPECT_EQ(template_name, name);
            EXPECT_TRUE(save_window_screenshot(dialog, output_dir + name + ".png")) << name;
            const Rect client = get_client_rect(dialog);
            for (const ControlTemplate& c : t->controls) {
                if (c.id == id_static) continue;
                ASSERT_TRUE(has_item(dialog, c.id)) << name << " " << c.id;
                const Rect r = get_item_rect(dialog, c.id);
                EXPECT_LE(r.right, client.right) << name << " " << c.id;
                EXPECT_LE(r.bottom, client.bottom) << name << " " << c.id;
            }
            for (const ControlTemplate& c : t->controls) {
                const bool text_control = c.kind == ControlKind::static_text || c.kind == ControlKind::push_button;
                if (!text_control || c.text.empty()) continue;
                const Rect r = map_dialog_rect(dialog, Rect{c.x, c.y, c.x + c.cx, c.y + c.cy});
                if (r.height() >= 2 * line) continue;   // wraps onto a second line
                const int width = measure_text(font, shown_text(c.text)).cx;
                EXPECT_LE(width, r.width()) << name << ": \"" << c.text << "\" is cut";
            }
            end_dialog(dialog, 1);
        });
        dialog_box(name, nullptr, plain_dialog_proc);
        EXPECT_TRUE(opened) << name;
    }
    for (const MessageBoxRecord& box : message_box_take_log()) ADD_FAILURE() << "message box: " << box.text;
}
