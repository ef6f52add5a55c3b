// The Shorshorov commands through the main window: the steel chooser asked
// once, the PROPERTY dialog, the window drawn and repainted, the other
// atlas's steel forgotten, the HAZ selector set by the item.
#include "../app/frame_test_support.h"

#include "atlas_files.h"
#include "commands.h"
#include "shorshorov_commands.h"
#include "steel_choice.h"

#include <string>
#include <vector>

namespace {

class ShorshorovCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        shorshorov_steel_file.clear();
        shorshorov_steel = SteelChoice{};
    }
    void TearDown() override { stop_program(); }
};

const std::string sample_path = shorshorov_atlas_folder() + "/09G2S.301";

TEST_F(ShorshorovCommands, StructureAtPointAsksTheSteelOnceThenDrawsAfterOk)
{
    seyffarth_steel_file = "some.sp0";
    push_chooser_answer(ChooserAnswer{true, sample_path, 3, {}});
    std::vector<std::string> opened;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened.push_back(name);
        dialog_click(dlg, 10158);
    });
    run_menu_command(cmd::shorshorov_structure_at_point);
    EXPECT_EQ(opened, (std::vector<std::string>{"PROPERTY_E"}));
    EXPECT_EQ(pending_chooser_answers(), 0u);
    EXPECT_EQ(shorshorov_steel_file, sample_path);
    EXPECT_EQ(shorshorov_steel.filter_index, 3);
    EXPECT_TRUE(seyffarth_steel_file.empty());
    EXPECT_EQ(current_paint, shorshorov_structure_at_point_window_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_GT(drawn_pixels(), 500);

    // The second command does not ask again; Cancel leaves the window blank.
    push_dialog_hook([&](Window* dlg, const std::string&) { dialog_click(dlg, 10157); });
    run_menu_command(cmd::shorshorov_structure_at_point);
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_EQ(shorshorov_steel_file, sample_path);
}

TEST_F(ShorshorovCommands, HazItemsSetTheSelectorBeforeTheDialog)
{
    push_chooser_answer(ChooserAnswer{true, sample_path, 3, {}});
    push_dialog_hook([&](Window* dlg, const std::string&) { dialog_click(dlg, 10158); });
    run_menu_command(10168);
    EXPECT_EQ(shorshorov_haz_property, 2);
    EXPECT_EQ(current_paint, shorshorov_haz_profile_window_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());
    // Cancel still keeps the new selector.
    push_dialog_hook([&](Window* dlg, const std::string&) { dialog_click(dlg, 10157); });
    run_menu_command(10170);
    EXPECT_EQ(shorshorov_haz_property, 4);
    EXPECT_EQ(current_paint, blank_on_paint);
}

TEST_F(ShorshorovCommands, DependenceCommandsOpenTheirDialogBeforeTheSteelChooser)
{
    seyffarth_steel_file = "some.sp0";
    // Cancel: the Seyffarth steel is forgotten all the same, no chooser runs.
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        EXPECT_EQ(name, "PREHEAT_E");
        dialog_click(dlg, 10157);
    });
    run_menu_command(cmd::shorshorov_structure_vs_preheat);
    EXPECT_TRUE(seyffarth_steel_file.empty());
    EXPECT_TRUE(shorshorov_steel_file.empty());
    EXPECT_EQ(current_paint, blank_on_paint);

    // OK: the chooser runs after the dialog, then the window is drawn.
    std::vector<std::string> opened;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened.push_back(name);
        EXPECT_EQ(pending_chooser_answers(), 1u);
        dialog_click(dlg, 10158);
    });
    push_chooser_answer(ChooserAnswer{true, sample_path, 3, {}});
    run_menu_command(cmd::shorshorov_properties_vs_preheat);
    EXPECT_EQ(opened, (std::vector<std::string>{"PREHEAT_E"}));
    EXPECT_EQ(shorshorov_steel_file, sample_path);
    EXPECT_EQ(current_paint, shorshorov_properties_vs_preheat_window_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_GT(drawn_pixels(), 500);
}

TEST_F(ShorshorovCommands, MicrographIsDrawnAfterThePropertyDialog)
{
    push_chooser_answer(ChooserAnswer{true, sample_path, 3, {}});
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        EXPECT_EQ(name, "PROPERTY_E");
        dialog_click(dlg, 10158);
    });
    run_menu_command(cmd::shorshorov_micrograph);
    EXPECT_EQ(current_paint, shorshorov_micrograph_window_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_GT(drawn_pixels(), 500);
}

TEST_F(ShorshorovCommands, ACancelledChooserStopsTheCommandWithoutAWord)
{
    shorshorov_steel_path.clear();   // nothing chosen before
    struct Row {
        int id;
        std::vector<std::string> dialogs;   // opened before the chooser
    };
    const Row rows[] = {
        {cmd::shorshorov_structure_at_point, {}},
        {cmd::shorshorov_micrograph, {}},
        {cmd::shorshorov_haz_first + 1, {}},
        {cmd::shorshorov_properties_vs_preheat, {"PREHEAT_E"}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> opened;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            opened.push_back(name);
            dialog_click(dlg, 10158);
        });
        push_chooser_answer(ChooserAnswer{false, "", 1, {}});
        run_menu_command(row.id);
        clear_dialog_hooks();
        invalidate_window(main_window, true);
        process_pending_messages();
        EXPECT_EQ(pending_chooser_answers(), 0u) << row.id;
        EXPECT_EQ(opened, row.dialogs) << row.id;
        EXPECT_TRUE(shorshorov_steel_file.empty()) << row.id;
        EXPECT_EQ(current_paint, blank_on_paint) << row.id;
        EXPECT_EQ(drawn_pixels(), 0) << row.id;
        EXPECT_TRUE(message_box_take_log().empty()) << row.id;
    }
}

TEST_F(ShorshorovCommands, AMissingSteelIsReportedOncePerCommand)
{
    push_chooser_answer(ChooserAnswer{true, shorshorov_atlas_folder() + "/Gone.301", 3, {}});
    push_dialog_hook([&](Window* dlg, const std::string&) { dialog_click(dlg, 10158); });
    run_menu_command(cmd::shorshorov_structure_at_point);
    invalidate_window(main_window, true);
    process_pending_messages();
    const auto boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("Gone.301"), std::string::npos);
}

} // namespace
