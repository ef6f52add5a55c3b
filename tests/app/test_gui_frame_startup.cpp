// Start-up: the language, the dialogs shown before the main window, the main
// window and its menu state.
#include "frame_test_support.h"

#include <algorithm>

#include "commands.h"
#include "fonts.h"
#include "menu_items.h"
#include "screen.h"

namespace {

class StartUp : public ::testing::Test {
protected:
    void TearDown() override { stop_program(); }
};

TEST_F(StartUp, EmptyCommandLineAsksForTheLanguageWithEnglishChecked)
{
    const StartRecord record = start_program("", Language::german);
    ASSERT_FALSE(record.dialogs.empty());
    EXPECT_EQ(record.dialogs[0], "LANGUAGES");
    EXPECT_EQ(record.checked_language, 10320);
    // everything after the choice is German
    EXPECT_TRUE(lang_german);
    EXPECT_EQ(lang_english + lang_russian + lang_ukrainian + lang_french, 0);
    ASSERT_GE(record.dialogs.size(), 2u);
    EXPECT_EQ(record.dialogs[1], "ABOUT_D");
    ASSERT_NE(main_window, nullptr);
    EXPECT_EQ(get_menu_item_text(get_menu(main_window), cmd::language), "Die Sprache");
}

TEST_F(StartUp, OneCharacterAlsoAsks)
{
    const StartRecord record = start_program("E", Language::french);
    ASSERT_FALSE(record.dialogs.empty());
    EXPECT_EQ(record.dialogs[0], "LANGUAGES");
    EXPECT_TRUE(lang_french);
}

TEST_F(StartUp, RussianCodeStartsInRussianWithoutAsking)
{
    const StartRecord record = start_program("RUS");
    ASSERT_FALSE(record.dialogs.empty());
    EXPECT_EQ(record.dialogs[0], "ABOUT_RU");
    EXPECT_TRUE(lang_russian);
    ASSERT_NE(main_window, nullptr);
    EXPECT_EQ(get_window_title(main_window), "Velmarin");
    // the Russian menu: its Print item stands in its second menu
    EXPECT_EQ(get_menu_item_text(get_menu(main_window), cmd::exit_program), "&Выход");
    EXPECT_EQ(get_menu_item_text(get_menu(main_window), cmd::print), "Печать");
}

TEST_F(StartUp, AnUnknownCodeStartsInEnglishWithoutAsking)
{
    const StartRecord record = start_program("rus");
    ASSERT_FALSE(record.dialogs.empty());
    EXPECT_EQ(record.dialogs[0], "ABOUT_E");
    EXPECT_TRUE(lang_english);
    EXPECT_EQ(get_menu_item_text(get_menu(main_window), cmd::exit_program), "&Exit");
}

ScreenFacts fake_screen;
ScreenFacts read_fake_screen()
{
    return fake_screen;
}

struct DisplayCase {
    int width;
    int bits;
    int base_unit_y;
    bool caution;
};

TEST_F(StartUp, CautionIsShownUnlessTheDisplayIsTheOneTheLayoutsWereMadeFor)
{
    const DisplayCase cases[] = {{1024, 16, 16, false}, {1280, 16, 16, true}, {800, 16, 16, true},
                                 {1024, 32, 16, true},  {1024, 24, 16, true}, {1024, 16, 20, true}};
    for (const DisplayCase& c : cases) {
        fake_screen = ScreenFacts{c.width, 768, c.bits, 8, c.base_unit_y};
        frame_screen_facts = read_fake_screen;
        const StartRecord record = start_program("ENG");
        frame_screen_facts = screen_facts;
        const bool shown = std::find(record.dialogs.begin(), record.dialogs.end(), "CAUTION") != record.dialogs.end();
        EXPECT_EQ(shown, c.caution) << c.width << " " << c.bits << " " << c.base_unit_y;
        // Caution comes after the About box, once the main window is up
        if (shown) {
            EXPECT_EQ(record.dialogs.back(), "CAUTION");
        }
        stop_program();
    }
}

TEST_F(StartUp, MenuStateAfterStart)
{
    start_program("ENG");
    ASSERT_NE(main_window, nullptr);
    Menu* menu = get_menu(main_window);
    ASSERT_NE(menu, nullptr);
    // Print and the four atlas thickness items are grayed
    EXPECT_TRUE(item_grayed(cmd::print));
    for (int id : atlas_thickness_items()) EXPECT_TRUE(item_grayed(id)) << id;
    // the commands this build runs are enabled
    for (int id : {cmd::exit_program, cmd::about, cmd::language, cmd::graphics_mode, cmd::thermal_cycle,
                   cmd::isotherm_xy, cmd::isotherm_yz, cmd::isotherm_xz, cmd::cooling_rate, cmd::help,
                   cmd::heat_source_model, cmd::edit_data})
        EXPECT_FALSE(item_grayed(id)) << id;
    // every other command stays in its menu, grayed, until its windows exist
    for (int id : menu_item_ids(menu)) {
        if (id == cmd::blank_bar_item) continue;
        if (!command_is_wired(id)) {
            EXPECT_TRUE(item_grayed(id)) << id;
        }
    }
    EXPECT_FALSE(item_grayed(cmd::atlas_cct_diagram));   // wired; the Atlas menu is never grayed
    EXPECT_FALSE(item_grayed(cmd::digitization));
}

TEST_F(StartUp, MainWindowStartsBlankWithSchemeTwo)
{
    start_program("ENG");
    ASSERT_NE(main_window, nullptr);
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_EQ(current_model.temperature, ppr2_temperature);
    EXPECT_EQ(current_model.thickness, ppr2_thickness);
    EXPECT_EQ(current_model.cycle_routine, thermal_cycle_window);
    EXPECT_EQ(drawn_pixels(), 0);
    EXPECT_EQ(text_font.face, "Times New Roman");
    EXPECT_EQ(text_font.height, 24);
    EXPECT_EQ(text_font.out_precision, 7);
}

TEST_F(StartUp, ClosingTheMainWindowEndsTheLoopWithCodeZero)
{
    start_program("ENG");
    ASSERT_NE(main_window, nullptr);
    post_command(main_window, cmd::exit_program);
    EXPECT_EQ(run_message_loop(), 0);
    EXPECT_EQ(main_window, nullptr);
}

} // namespace
