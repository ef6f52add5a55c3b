// Pictures of the program for a person to look at: the start-up dialogs, the
// main window, every parameter dialog and every window after its command, in
// English and Russian. Files go to <test output>/frame/. Under the offscreen
// platform each window is saved by itself; run under a real X server
// (xvfb-run, QT_QPA_PLATFORM=xcb) they are the windows as shown.
#include "frame_test_support.h"

#include "commands.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const fs::path output = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "frame";

DialogHook snap_then_click(const std::string& prefix, int button)
{
    return [prefix, button](Window* dlg, const std::string& name) {
        EXPECT_TRUE(save_window_screenshot(dlg, (output / (prefix + "_" + name + ".png")).string()));
        dialog_click(dlg, button);
    };
}

class Screenshots : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        fs::create_directories(output);
        previous_ = fs::current_path();
        fs::current_path(output);   // where the cooling-rate window writes its file
    }
    void TearDown() override
    {
        stop_program();
        fs::current_path(previous_);
    }
    fs::path previous_;
};

TEST_P(Screenshots, StartDialogsWindowsAfterTheirCommands)
{
    const Language language = GetParam();
    const std::string tag = language == Language::russian ? "ru" : "en";
    set_dialog_test_mode(true);
    clear_dialog_hooks();
    if (quit_posted()) run_message_loop();
    lang_english = lang_russian = lang_ukrainian = lang_german = lang_french = 0;
    reset_parameter_dialogs();
    colour_mode = 1;
    push_dialog_hook(snap_then_click(tag + "_0", 10028));   // About
    push_dialog_hook(snap_then_click(tag + "_0", 1));       // Caution, when the display asks for it
    init_application(language == Language::russian ? "RUS" : "ENG");
    clear_dialog_hooks();
    process_pending_messages();
    ASSERT_NE(main_window, nullptr);
    EXPECT_TRUE(save_window_screenshot(main_window, (output / (tag + "_1_main.png")).string()));

    struct Step {
        int command;
        int ok;
        const char* file;
    };
    const Step steps[] = {{cmd::thermal_cycle, 10150, "2_thermal_cycle"},
                          {cmd::isotherm_xy, 10146, "3_isotherm_xy"},
                          {cmd::isotherm_yz, 10146, "4_isotherm_yz"},
                          {cmd::isotherm_xz, 10146, "5_isotherm_xz"},
                          {cmd::cooling_rate, 10150, "6_cooling_rate"}};
    for (const Step& step : steps) {
        push_dialog_hook(snap_then_click(tag + "_" + step.file, step.ok));
        run_menu_command(step.command);
        EXPECT_NE(current_paint, blank_on_paint) << step.file;
        EXPECT_TRUE(save_window_screenshot(main_window, (output / (tag + "_" + step.file + ".png")).string()));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Screenshots, ::testing::Values(Language::english, Language::russian),
                         [](const ::testing::TestParamInfo<Language>& info) {
                             return info.param == Language::russian ? std::string("ru") : std::string("en");
                         });

} // namespace
