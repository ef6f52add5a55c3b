// The temperature commands driven through the main window procedure, with
// scheme 2: dialog, computation, window, repaint, Print enabling.
#include "frame_test_support.h"

#include "commands.h"
#include "menu_items.h"
#include "progress_dialog.h"

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class Commands : public ::testing::Test {
protected:
    void SetUp() override
    {
        // the cooling-rate window writes its file into the current directory
        previous_ = fs::current_path();
        const fs::path folder = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "app_commands";
        fs::create_directories(folder);
        fs::current_path(folder);
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
    }
    void TearDown() override
    {
        stop_program();
        fs::current_path(previous_);
    }

    // Opens the command's dialog, types the texts into the edits and presses
    // the button; returns the template that opened.
    std::string run_dialog_command(int command, const std::vector<std::pair<int, std::string>>& texts,
                                   int button)
    {
        std::string opened;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            opened = name;
            for (const auto& [id, text] : texts) dialog_type_text(dlg, id, text);
            dialog_click(dlg, button);
        });
        run_menu_command(command);
        return opened;
    }

    fs::path previous_;
};

TEST_F(Commands, ThermalCycleComputesAtTheEnteredPointAndEnablesPrint)
{
    ASSERT_TRUE(item_grayed(cmd::print));
    EXPECT_EQ(run_dialog_command(cmd::thermal_cycle, {{10147, "0"}, {10148, "0.5"}}, 10150), "TERMOCYCLYS_E");
    EXPECT_EQ(current_paint, cycle_routine_on_paint);
    EXPECT_EQ(current_parameters, termocyclys_point_record());
    const ThermalCycleResult r = thermal_cycle_result();
    ASSERT_EQ(r.steps, 51);   // 51 samples and the peak
    EXPECT_NEAR(r.x_front, 1.917, 0.001);
    EXPECT_NEAR(r.time[51], 495.6, 0.1);
    EXPECT_FALSE(item_grayed(cmd::print));
    EXPECT_GT(drawn_pixels(), 100);
}

int progress_calls = 0;
void count_progress(int)
{
    ++progress_calls;
}

TEST_F(Commands, RepaintsDrawTheStoredCycleWithoutComputingAgain)
{
    progress_calls = 0;
    set_progress_observer(count_progress);
    run_dialog_command(cmd::thermal_cycle, {{10147, "0"}, {10148, "0.5"}}, 10150);
    EXPECT_GT(progress_calls, 20);   // the computation ran once, with its progress window
    const int drawn = drawn_pixels();
    EXPECT_GT(drawn, 100);

    progress_calls = 0;
    invalidate_window(main_window, true);
    update_window(main_window);
    EXPECT_EQ(progress_calls, 0);
    EXPECT_EQ(drawn_pixels(), drawn);
    set_progress_observer(nullptr);
}

TEST_F(Commands, ThermalCycleCancelLeavesTheWindowBlankAndPrintGrayed)
{
    run_dialog_command(cmd::thermal_cycle, {{10147, "0"}}, 10150);
    ASSERT_EQ(current_paint, cycle_routine_on_paint);
    // a later command whose dialog is cancelled blanks the window
    run_dialog_command(cmd::cooling_rate, {}, 10149);
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_EQ(drawn_pixels(), 0);
    EXPECT_EQ(dialog_accepted, 0);
    // and a first thermal cycle cancelled leaves Print as it was
    stop_program();
    start_program("ENG");
    run_dialog_command(cmd::thermal_cycle, {}, 10149);
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_TRUE(item_grayed(cmd::print));
}

TEST_F(Commands, CoolingRateGivesTheTimeOfTheInterval)
{
    EXPECT_EQ(run_dialog_command(cmd::cooling_rate, {{10147, "0"}, {10148, "0.5"}}, 10150), "VELOCITY_E");
    EXPECT_EQ(current_paint, cooling_rate_window_on_paint);
    const CoolingRateResult r = cooling_rate_result();
    ASSERT_EQ(r.valid, 1);
    EXPECT_EQ(r.T_from, 800);
    EXPECT_EQ(r.T_to, 500);
    EXPECT_NEAR(r.time, 19.3, 0.05);
    EXPECT_NEAR(r.rate, -15.5, 0.05);
    EXPECT_GT(drawn_pixels(), 50);
    // the cooling rate does not enable Print
    EXPECT_TRUE(item_grayed(cmd::print));
}

struct SectionCase {
    int command;
    const char* template_name;
    IsothermTracer tracer;
    bool enables_print;
};

class IsothermCommands : public Commands, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(IsothermCommands, OkDrawsTheSectionAndCancelLeavesItBlank)
{
    const SectionCase& c = GetParam();
    EXPECT_EQ(run_dialog_command(c.command, {{10143, "0.1"}}, 10146), c.template_name);
    EXPECT_EQ(current_isotherm_tracer, c.tracer);
    EXPECT_EQ(current_paint, isotherm_window_on_paint);
    EXPECT_EQ(current_isotherm_record, isotherm_record());
    EXPECT_EQ(isotherm_record()[5], 0.1);
    EXPECT_EQ(isotherm_result().s, 0.1);
    EXPECT_GT(drawn_pixels(), 100);
    EXPECT_EQ(item_grayed(cmd::print), !c.enables_print);

    run_dialog_command(c.command, {}, 10145);
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_EQ(current_isotherm_tracer, c.tracer);   // chosen also when cancelled
    EXPECT_EQ(drawn_pixels(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sections, IsothermCommands,
                         ::testing::Values(SectionCase{cmd::isotherm_xy, "ISOTERMESxy_E", trace_isotherm_xy, true},
                                           SectionCase{cmd::isotherm_yz, "ISOTERMESyz_E", trace_isotherm_yz, false},
                                           SectionCase{cmd::isotherm_xz, "ISOTERMESxz_E", trace_isotherm_xz, false}));

TEST_F(Commands, SectionTemplatesShareTheirTexts)
{
    run_dialog_command(cmd::isotherm_xy, {{10136, "310"}, {10143, "0.2"}}, 10146);
    std::vector<std::string> shown;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        for (int id : {10136, 10137, 10143}) shown.push_back(get_item_text(dlg, id));
        dialog_click(dlg, 10145);
    });
    run_menu_command(cmd::isotherm_yz);
    EXPECT_EQ(shown, (std::vector<std::string>{"310", "500.", "0.2"}));
}

// The metal is at least as warm as it started everywhere: an isotherm at or
// below the initial temperature is refused in the dialog's language, naming
// the field and the temperature, and the dialog stays open with the texts.
TEST_F(Commands, IsothermAtOrBelowTheInitialTemperatureIsRefused)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ENG", "The value of \"Isoline 1, °C\" must be greater than the initial temperature T0 = 20 °C."},
        {"RUS", "Значение \"Изотерма 1, °C\" должно быть больше, чем начальная температура T0 = 20 °C."},
        {"UKR", "Значення \"Ізотерма 1, °C\" має бути більшим, ніж початкова температура T0 = 20 °C."},
        {"GER", "Der Wert \"Die Linie 1, °C\" muss größer sein als die Anfangstemperatur T0 = 20 °C."},
        {"FRA", "La valeur \"La ligne 1, °C\" doit être supérieure à la température initiale T0 = 20 °C."},
    };
    for (const auto& [language, expected] : cases) {
        SCOPED_TRACE(language);
        stop_program();
        start_program(language);
        std::vector<std::vector<MessageBoxRecord>> boxes;
        bool still_open = false;
        push_dialog_hook([&](Window* dlg, const std::string&) {
            for (const char* text : {"20", "-5"}) {
                dialog_type_text(dlg, 10136, text);
                dialog_click(dlg, 10146);
                boxes.push_back(message_box_take_log());
            }
            still_open = dialog_is_open(dlg);
            EXPECT_EQ(get_item_text(dlg, 10136), "-5");
            dialog_type_text(dlg, 10136, "20.5");   // just above is an isotherm
            dialog_click(dlg, 10146);
        });
        run_menu_command(cmd::isotherm_xy);
        EXPECT_TRUE(still_open);
        ASSERT_EQ(boxes.size(), 2u);
        for (const auto& shown : boxes) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].text, expected);
        }
        EXPECT_EQ(dialog_accepted, 1);
        EXPECT_EQ(isotherm_record()[0], 20.5);
    }
}

TEST_F(Commands, TextThatIsNotANumberKeepsTheDialogOpenWithAMessage)
{
    bool open_after_bad_ok = false;
    std::vector<MessageBoxRecord> boxes;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10151, "8OO");
        dialog_click(dlg, 10150);
        open_after_bad_ok = dialog_is_open(dlg);
        boxes = message_box_take_log();
        EXPECT_EQ(get_item_text(dlg, 10151), "8OO");   // the user's text stays
        dialog_type_text(dlg, 10151, "800");
        dialog_click(dlg, 10150);
    });
    run_menu_command(cmd::cooling_rate);
    EXPECT_TRUE(open_after_bad_ok);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("\"T from, °C\" is not a number: \"8OO\""), std::string::npos) << boxes[0].text;
    EXPECT_EQ(dialog_accepted, 1);
    EXPECT_EQ(current_paint, cooling_rate_window_on_paint);
}

TEST_F(Commands, IntervalInTheWrongOrderIsRefused)
{
    std::vector<MessageBoxRecord> boxes;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10151, "500");
        dialog_type_text(dlg, 10152, "800");
        dialog_click(dlg, 10150);
        boxes = message_box_take_log();
        dialog_click(dlg, 10149);
    });
    run_menu_command(cmd::cooling_rate);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("must not be less"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(dialog_accepted, 0);
    EXPECT_EQ(current_paint, blank_on_paint);
}

TEST_F(Commands, TextsAreKeptWholeBetweenOpenings)
{
    run_dialog_command(cmd::cooling_rate, {{10147, "0.0512345678"}}, 10150);
    EXPECT_DOUBLE_EQ(velocity_point_record()[0], 0.0512345678);
    std::string shown;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        shown = get_item_text(dlg, 10147);
        dialog_click(dlg, 10149);
    });
    run_menu_command(cmd::cooling_rate);
    EXPECT_EQ(shown, "0.0512345678");
}

TEST_F(Commands, ClosingADialogByItsTitleBarIsCancel)
{
    push_dialog_hook([](Window* dlg, const std::string&) { dialog_close(dlg); });
    run_menu_command(cmd::thermal_cycle);
    EXPECT_EQ(dialog_accepted, 0);
    EXPECT_EQ(current_paint, blank_on_paint);
    ASSERT_NE(main_window, nullptr);
    EXPECT_TRUE(is_window(main_window));
    EXPECT_FALSE(quit_posted());
}

TEST_F(Commands, ThinPlateComputesAtTheSurface)
{
    // a thermal cycle at depth 0.5 with scheme 2, then the thin plate
    run_dialog_command(cmd::thermal_cycle, {{10147, "0"}, {10148, "0.5"}}, 10150);
    install_scheme(1);
    std::string opened;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened = name;
        EXPECT_FALSE(has_item(dlg, 10148));
        dialog_click(dlg, 10150);
    });
    run_menu_command(cmd::thermal_cycle);
    EXPECT_EQ(opened, "TERMOCYCLYSPPR1_E");
    EXPECT_EQ(termocyclys_point_record()[0], 0.05);
    EXPECT_EQ(termocyclys_point_record()[1], 0.0);
    EXPECT_EQ(thermal_cycle_result().z, 0.0);

    // likewise the isotherms: the section depth of scheme 2 does not carry over
    install_scheme(2);
    run_dialog_command(cmd::isotherm_xy, {{10143, "0.3"}}, 10146);
    install_scheme(1);
    EXPECT_EQ(run_dialog_command(cmd::isotherm_xy, {}, 10146), "ISOTERMESxyPPR1_E");
    EXPECT_EQ(isotherm_record()[5], 0.0);
}

TEST_F(Commands, LanguageSwitchKeepsItemStatesAndRedrawsTheWindow)
{
    run_dialog_command(cmd::thermal_cycle, {{10147, "0"}, {10148, "0.5"}}, 10150);
    ASSERT_FALSE(item_grayed(cmd::print));
    std::string opened;
    int checked = 0;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened = name;
        for (int id = 10318; id <= 10322; ++id)
            if (is_button_checked(dlg, id)) checked = id;
        dialog_click(dlg, 10319);   // Russian
        dialog_click(dlg, 10028);
    });
    run_menu_command(cmd::language);
    EXPECT_EQ(opened, "LANGUAGES");
    EXPECT_EQ(checked, 10320);      // the language in use is checked
    EXPECT_TRUE(lang_russian);
    EXPECT_EQ(get_menu_item_text(get_menu(main_window), cmd::print), "Печать");
    EXPECT_FALSE(item_grayed(cmd::print));
    for (int id : {10337, 10338, 10339, 10340})
        EXPECT_TRUE(item_grayed(id)) << id;
    EXPECT_FALSE(item_grayed(cmd::digitization));
    EXPECT_EQ(current_paint, cycle_routine_on_paint);
    EXPECT_GT(drawn_pixels(), 100);

}

TEST_F(Commands, LanguagesAndAboutAreLeftOnlyWithOk)
{
    struct Row {
        int command;
        const char* template_name;
    };
    for (const Row& row : {Row{cmd::language, "LANGUAGES"}, Row{cmd::about, "ABOUT_E"}}) {
        bool open_after_close = false;
        bool open_after_escape = false;
        std::string opened;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            opened = name;
            dialog_close(dlg);
            open_after_close = dialog_is_open(dlg);
            dialog_press_escape(dlg);
            open_after_escape = dialog_is_open(dlg);
            dialog_click(dlg, 10028);
        });
        run_menu_command(row.command);
        EXPECT_EQ(opened, row.template_name);
        EXPECT_TRUE(open_after_close) << row.template_name;
        EXPECT_TRUE(open_after_escape) << row.template_name;
        EXPECT_TRUE(is_window(main_window));
        EXPECT_FALSE(quit_posted());
    }
    EXPECT_TRUE(lang_english);
}

TEST_F(Commands, LanguageSwitchBeforeAnyCycleKeepsPrintGrayed)
{
    push_dialog_hook([](Window* dlg, const std::string&) {
        dialog_click(dlg, 10321);   // French
        dialog_click(dlg, 10028);
    });
    run_menu_command(cmd::language);
    EXPECT_TRUE(lang_french);
    EXPECT_TRUE(item_grayed(cmd::print));
    EXPECT_EQ(get_menu_item_text(get_menu(main_window), cmd::print), "Taper");
}

TEST_F(Commands, GraphicsModePreselectsTheModeInUse)
{
    int checked = 0;
    auto answer = [&](int choose) {
        return [&checked, choose](Window* dlg, const std::string& name) {
            EXPECT_EQ(name, "GRAPHICSMODE");
            checked = is_button_checked(dlg, 10318) ? 10318 : is_button_checked(dlg, 10319) ? 10319 : 0;
            if (choose != 0) dialog_click(dlg, choose);
            dialog_click(dlg, 10028);
        };
    };
    push_dialog_hook(answer(10319));
    run_menu_command(cmd::graphics_mode);
    EXPECT_EQ(checked, 10318);
    EXPECT_EQ(colour_mode, 0);
    push_dialog_hook(answer(0));
    run_menu_command(cmd::graphics_mode);
    EXPECT_EQ(checked, 10319);
    EXPECT_EQ(colour_mode, 0);
}

TEST_F(Commands, AboutReturnsToTheCurrentWindow)
{
    run_dialog_command(cmd::thermal_cycle, {{10147, "0"}, {10148, "0.5"}}, 10150);
    std::string opened;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened = name;
        dialog_click(dlg, 10028);
    });
    run_menu_command(cmd::about);
    EXPECT_EQ(opened, "ABOUT_E");
    EXPECT_EQ(current_paint, cycle_routine_on_paint);
    EXPECT_GT(drawn_pixels(), 100);
}

TEST_F(Commands, UnbuiltCommandsAndTheBlankBarItemDoNothing)
{
    run_dialog_command(cmd::thermal_cycle, {{10147, "0"}, {10148, "0.5"}}, 10150);
    // Whichever of these this build does not run yet.
    for (int id : {cmd::atlas_cct_diagram, cmd::seyffarth_cct_at_point, cmd::digitization, cmd::blank_bar_item}) {
        if (command_is_wired(id)) continue;
        run_menu_command(id);
        EXPECT_EQ(current_paint, cycle_routine_on_paint) << id;
    }
    EXPECT_EQ(pending_dialog_hooks(), 0u);
}

TEST_F(Commands, DigitizationRunsItsDialogOverABlankWindow)
{
    run_dialog_command(cmd::thermal_cycle, {{10147, "0"}, {10148, "0.5"}}, 10150);
    std::string opened;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened = name;
        dialog_click(dlg, 10356);
    });
    run_menu_command(cmd::digitization);
    EXPECT_EQ(opened, "PCX_DIALOG_E");
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_EQ(pending_dialog_hooks(), 0u);
}

TEST_F(Commands, MinimumTrackingSizeIs500By300)
{
    MinMaxInfo info;
    info.min_track_size = {1, 1};
    info.max_track_size = {3000, 2000};
    Message m{Msg::get_min_max_info};
    m.min_max = &info;
    send_message(main_window, m);
    EXPECT_EQ(info.min_track_size, (Point{500, 300}));
    EXPECT_EQ(info.max_track_size, (Point{3000, 2000}));
}

} // namespace
