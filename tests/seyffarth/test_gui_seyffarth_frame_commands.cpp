// The Seyffarth atlas commands through the main window: the parameter
// dialog first, then the steel chooser while no steel is chosen, the window
// drawn and repainted; Cancel and a cancelled chooser leave it blank.
#include "../app/frame_test_support.h"

#include "commands.h"
#include "dialog_driver.h"
#include "menu.h"
#include "menu_items.h"
#include "seyffarth_commands.h"
#include "steel_choice.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string steel_path =
    (std::filesystem::path(VELMARIN_SOURCE_DATA_DIR) / "Seyffarth CCT Atlas" / "S355J2.sp0").string();

class SeyffarthCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        seyffarth_steel = SteelChoice{};
        seyffarth_steel_file.clear();
        seyffarth_steel_path.clear();
        seyffarth_filter_index = 0;
        shorshorov_steel_file = "a Shorshorov steel";
    }
    void TearDown() override
    {
        while (pending_chooser_answers() > 0) {
            ChooserAnswer dropped;
            take_chooser_answer(dropped);
        }
        stop_program();
    }

    std::vector<std::string> run(int command, bool accept_dialog)
    {
        std::vector<std::string> opened;
        push_dialog_hook([&opened, accept_dialog](Window* dlg, const std::string& name) {
            opened.push_back(name);
            dialog_click(dlg, accept_dialog ? 10158 : 10157);
        });
        run_menu_command(command);
        clear_dialog_hooks();
        return opened;
    }
};

TEST_F(SeyffarthCommands, StructureAtPoint_DialogThenChooserThenWindow)
{
    push_chooser_answer(ChooserAnswer{true, steel_path, 1});
    const auto opened = run(cmd::seyffarth_structure_at_point, true);
    EXPECT_EQ(opened, (std::vector<std::string>{"PROPERTIES_E"}));
    EXPECT_EQ(pending_chooser_answers(), 0u);
    EXPECT_EQ(seyffarth_steel_file, steel_path);
    EXPECT_EQ(seyffarth_steel.filter_index, 1);
    EXPECT_TRUE(shorshorov_steel_file.empty());
    EXPECT_EQ(current_paint, seyffarth_structure_at_point_window_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_GT(drawn_pixels(), 1000);

    // The repaint draws the same window; a second command asks no steel.
    invalidate_window(main_window, true);
    update_window(main_window);
    EXPECT_GT(drawn_pixels(), 1000);
    const auto again = run(cmd::seyffarth_structure_at_point, true);
    EXPECT_EQ(again.size(), 1u);
    EXPECT_EQ(current_paint, seyffarth_structure_at_point_window_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());
    save_window_image(main_window, std::string(VELMARIN_TEST_OUTPUT_DIR) + "/seyffarth_windows/command_structure.png");
}

TEST_F(SeyffarthCommands, CancelledDialogAsksNoSteelAndLeavesTheWindowBlank)
{
    push_chooser_answer(ChooserAnswer{true, steel_path, 1});
    run(cmd::seyffarth_structure_at_point, false);
    EXPECT_EQ(pending_chooser_answers(), 1u);
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_TRUE(shorshorov_steel_file.empty());   // forgotten whatever the answer
    EXPECT_EQ(drawn_pixels(), 0);
}

TEST_F(SeyffarthCommands, DiagramNeedsOnlyASteel_ACancelledChooserDrawsNothing)
{
    run_menu_command(cmd::atlas_structure_diagram);   // the chooser cancels: no answer queued
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());

    push_chooser_answer(ChooserAnswer{true, steel_path, 1});
    run_menu_command(cmd::atlas_structure_diagram);
    EXPECT_EQ(current_paint, seyffarth_structure_diagram_window_on_paint);
    EXPECT_GT(drawn_pixels(), 1000);
    EXPECT_TRUE(message_box_take_log().empty());
}

TEST_F(SeyffarthCommands, EachPointCommandOpensItsDialogAndDrawsItsWindow)
{
    struct Row {
        int id;
        std::string dialog;
        PaintCallback paint;
    } rows[] = {
        {cmd::seyffarth_cct_at_point, "PROPERTY_E", seyffarth_cct_at_point_window_on_paint},
        {cmd::seyffarth_properties_at_point, "PROPERTIES_E", seyffarth_properties_at_point_window_on_paint},
        {cmd::seyffarth_micrograph, "PROPERTIES_E", seyffarth_micrograph_window_on_paint},
    };
    push_chooser_answer(ChooserAnswer{true, steel_path, 1});   // asked once, by the first
    for (const Row& r : rows) {
        const auto opened = run(r.id, true);
        EXPECT_EQ(opened, (std::vector<std::string>{r.dialog})) << r.id;
        EXPECT_EQ(current_paint, r.paint) << r.id;
        EXPECT_GT(drawn_pixels(), 1000) << r.id;
        EXPECT_TRUE(message_box_take_log().empty()) << r.id;
    }
    EXPECT_EQ(pending_chooser_answers(), 0u);
    for (int id : {cmd::atlas_cct_diagram, cmd::atlas_properties_diagram}) {
        run_menu_command(id);
        EXPECT_GT(drawn_pixels(), 1000) << id;
        EXPECT_TRUE(message_box_take_log().empty()) << id;
    }
}

TEST_F(SeyffarthCommands, ChooseSteelAsksEveryTimeAndCancelKeepsTheChoice)
{
    const std::string other =
        (std::filesystem::path(VELMARIN_SOURCE_DATA_DIR) / "Seyffarth CCT Atlas" / "C22E.sp2").string();
    push_chooser_answer(ChooserAnswer{true, steel_path, 1});
    push_chooser_answer(ChooserAnswer{true, other, 3});
    push_chooser_answer(ChooserAnswer{false, "", 1});
    for (const std::string& expected : {steel_path, other, other}) {
        const std::size_t answers = pending_chooser_answers();
        run_menu_command(cmd::seyffarth_choose_steel);
        EXPECT_EQ(pending_chooser_answers(), answers - 1);   // the chooser opened
        EXPECT_EQ(seyffarth_steel_file, expected);
        EXPECT_EQ(seyffarth_steel.file_name, expected);
        EXPECT_EQ(current_paint, blank_on_paint);
    }
    EXPECT_EQ(seyffarth_filter_index, 3);
    EXPECT_EQ(shorshorov_steel_file, "a Shorshorov steel");   // the other atlas keeps its steel
    EXPECT_TRUE(message_box_take_log().empty());

    // The windows use the chosen steel without asking again.
    run_menu_command(cmd::atlas_structure_diagram);
    EXPECT_EQ(current_paint, seyffarth_structure_diagram_window_on_paint);
    EXPECT_EQ(seyffarth_steel_file, other);
    EXPECT_GT(drawn_pixels(), 1000);
}

TEST_F(SeyffarthCommands, ChooseSteelOfTheAtlasMenuIsNeverGrayed)
{
    const std::vector<unsigned> enabled{mf_enabled, mf_enabled};
    EXPECT_EQ(menu_item_states(get_menu(main_window), cmd::seyffarth_choose_steel), enabled);
    // As for a scheme the atlases cannot serve: the submenu's item goes gray,
    // the Atlas menu's stays, in every language, and still chooses.
    gray_steel_menu_items(main_window);
    const std::vector<unsigned> submenu_grayed{mf_grayed, mf_enabled};
    EXPECT_EQ(menu_item_states(get_menu(main_window), cmd::seyffarth_choose_steel), submenu_grayed);
    push_dialog_hook([](Window* dlg, const std::string&) {
        dialog_click(dlg, 10319);   // Russian
        dialog_click(dlg, 10028);
    });
    run_menu_command(cmd::language);
    EXPECT_EQ(menu_item_states(get_menu(main_window), cmd::seyffarth_choose_steel), submenu_grayed);
    push_chooser_answer(ChooserAnswer{true, steel_path, 1});
    run_menu_command(cmd::seyffarth_choose_steel);
    EXPECT_EQ(seyffarth_steel_file, steel_path);
    enable_steel_menu_items(main_window);
    EXPECT_EQ(menu_item_states(get_menu(main_window), cmd::seyffarth_choose_steel), enabled);
}

TEST_F(SeyffarthCommands, WiredAndEnabled)
{
    for (const SeyffarthCommand& c : seyffarth_commands()) EXPECT_TRUE(command_is_wired(c.id)) << c.id;
    EXPECT_FALSE(item_grayed(cmd::seyffarth_structure_at_point));
}

} // namespace
