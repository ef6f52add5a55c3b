// Screenshots of the chooser and of a few data dialogs, English and Russian,
// as the program shows them (PNG files in the test output folder, to look at).

#include "dialog.h"
#include "dialog_driver.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "lang.h"
#include "modelchoice.h"
#include "msgbox.h"
#include "window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::string output_dir = VELMARIN_TEST_OUTPUT_DIR "/modelchoice/";

class ModelChoiceScreens : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(output_dir);
        set_dialog_test_mode(true);
        message_box_take_log();
        init_fonts();
        set_language(GetParam());
        reset_data_dialogs();
        install_scheme(2);
    }
    void TearDown() override
    {
        clear_dialog_hooks();
        set_language(Language::english);
        set_dialog_test_mode(false);
    }
};

std::string suffix()
{
    return lang_russian ? "_ru" : "_en";
}

} // namespace

TEST_P(ModelChoiceScreens, ChooserShowsEveryScheme)
{
    std::string opened;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened = name;
        EXPECT_TRUE(save_window_screenshot(dlg, output_dir + "modul" + suffix() + ".png"));
    });
    show_modul_dialog();
    EXPECT_EQ(opened, std::string("MODUL") + language_suffix());
    EXPECT_TRUE(message_box_take_log().empty());
}

TEST_P(ModelChoiceScreens, DataDialogs)
{
    for (int scheme : {1, 2, 5, 7, 11, 14}) {
        ASSERT_TRUE(install_scheme(scheme));
        std::string opened;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            opened = name;
            EXPECT_TRUE(save_window_screenshot(
                dlg, output_dir + "data_" + std::to_string(scheme) + suffix() + ".png"));
            dialog_click(dlg, find_data_dialog(scheme)->cancel);
        });
        show_scheme_data_dialog(scheme);
        EXPECT_FALSE(opened.empty()) << scheme;
    }
    EXPECT_TRUE(message_box_take_log().empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, ModelChoiceScreens, ::testing::Values(Language::english, Language::russian),
                         [](const auto& info) { return info.param == Language::english ? "en" : "ru"; });
