// The Seyffarth sweep and HAZ commands through the main window: the dialog
// of each command, the steel chooser after OK while no steel is chosen, the
// window drawn with its paint callback, the regime unchanged afterwards, the
// HAZ property set by the item.
#include "../app/frame_test_support.h"

#include "atlas_files.h"
#include "commands.h"
#include "cooling_reports.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "seyffarth_sweep_commands.h"
#include "steel_choice.h"

#include <string>
#include <vector>

namespace {

class SeyffarthSweepCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        seyffarth_steel_file.clear();
        seyffarth_steel = SteelChoice{};
    }
    void TearDown() override { stop_program(); }
};

const std::string sample_path = seyffarth_atlas_folder() + "/S355J2.sp0";

TEST_F(SeyffarthSweepCommands, EachCommandOpensItsDialogThenTheChooserAndDraws)
{
    struct Case {
        int id;
        const char* dialog;
        PaintCallback paint;
    };
    const Case cases[] = {
        {cmd::seyffarth_structure_vs_energy, "SEYFFARTHPOGONENERGY_E", seyffarth_structure_vs_energy_window_on_paint},
        {cmd::seyffarth_properties_vs_energy, "SEYFFARTHPOGONENERGY_E",
         seyffarth_properties_vs_energy_window_on_paint},
        {cmd::seyffarth_structure_vs_preheat, "PREHEAT_E", seyffarth_structure_vs_preheat_window_on_paint},
        {cmd::seyffarth_properties_vs_preheat, "PREHEAT_E", seyffarth_properties_vs_preheat_window_on_paint},
        {cmd::seyffarth_structure_vs_thickness, "THICKNESS_E", seyffarth_structure_vs_thickness_window_on_paint},
        {cmd::seyffarth_properties_vs_thickness, "THICKNESS_E", seyffarth_properties_vs_thickness_window_on_paint},
    };
    push_chooser_answer(ChooserAnswer{true, sample_path, 1, {}});
    // The thin plate: a scheme with a plate thickness to sweep.
    ASSERT_TRUE(install_scheme(1));
    current_model.prepare();
    const double v = current_model.velocity(), q = current_model.power(), T0 = current_model.initial_temperature();
    for (const Case& c : cases) {
        shorshorov_steel_file = "some.301";
        std::vector<std::string> opened;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            opened.push_back(name);
            dialog_click(dlg, 10158);
        });
        run_menu_command(c.id);
        EXPECT_EQ(opened, (std::vector<std::string>{c.dialog})) << c.id;
        EXPECT_EQ(current_paint, c.paint) << c.id;
        EXPECT_TRUE(shorshorov_steel_file.empty());
        EXPECT_EQ(seyffarth_steel_file, sample_path);
        EXPECT_TRUE(message_box_take_log().empty()) << c.id;
        EXPECT_GT(drawn_pixels(), 500) << c.id;
        EXPECT_EQ(current_model.velocity(), v);
        EXPECT_EQ(current_model.power(), q);
        EXPECT_EQ(current_model.initial_temperature(), T0);
    }
    // The chooser ran once, for the first command.
    EXPECT_EQ(pending_chooser_answers(), 0u);
}

// The start scheme is a body: the thickness commands say it has no plate
// thickness to sweep, once, and draw no flat lines.
TEST_F(SeyffarthSweepCommands, ThicknessCommandsOnABodySaySoAndDrawNothing)
{
    ASSERT_LT(current_model.thickness(), 0);
    seyffarth_steel_file = sample_path;
    seyffarth_steel = SteelChoice{};
    seyffarth_steel.file_name = sample_path;
    seyffarth_steel.filter_index = 1;
    seyffarth_steel.accepted = true;
    for (int id : {cmd::seyffarth_structure_vs_thickness, cmd::seyffarth_properties_vs_thickness}) {
        push_dialog_hook([&](Window* dlg, const std::string&) { dialog_click(dlg, 10158); });
        run_menu_command(id);
        const auto boxes = message_box_take_log();
        ASSERT_EQ(boxes.size(), 1u) << id;
        EXPECT_EQ(boxes[0].text, no_thickness_text()) << id;
        EXPECT_EQ(drawn_pixels(), 0) << id;
    }
}

TEST_F(SeyffarthSweepCommands, CancelLeavesTheWindowBlankAndAsksNoSteel)
{
    push_dialog_hook([&](Window* dlg, const std::string&) { dialog_click(dlg, 10157); });
    run_menu_command(cmd::seyffarth_structure_vs_preheat);
    EXPECT_EQ(current_paint, blank_on_paint);
    EXPECT_TRUE(seyffarth_steel_file.empty());
}

TEST_F(SeyffarthSweepCommands, HazItemsSetThePropertyBeforeTheDialog)
{
    push_chooser_answer(ChooserAnswer{true, sample_path, 1, {}});
    std::vector<std::string> opened;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        opened.push_back(name);
        dialog_click(dlg, 10158);
    });
    run_menu_command(10175);
    EXPECT_EQ(opened, (std::vector<std::string>{"PROPERTIES_E"}));
    EXPECT_EQ(seyffarth_haz_property, 2);
    EXPECT_EQ(current_paint, seyffarth_haz_profile_window_on_paint);
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_GT(drawn_pixels(), 500);
    // Cancel keeps the new property.
    push_dialog_hook([&](Window* dlg, const std::string&) { dialog_click(dlg, 10157); });
    run_menu_command(10179);
    EXPECT_EQ(seyffarth_haz_property, 6);
    EXPECT_EQ(current_paint, blank_on_paint);
}

} // namespace
