// A data root that points nowhere: the steel chooser that would open in it
// says once which folder is missing, and the command stops there.
#include "frame_test_support.h"

#include "atlas_files.h"
#include "commands.h"
#include "steel_choice.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace {

class MissingDataRoot : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("VELMARIN_DATA")) saved_ = old;
        setenv("VELMARIN_DATA", "/nonexistent/velmarin-data", 1);
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        seyffarth_steel = shorshorov_steel = SteelChoice{};
        seyffarth_steel_file.clear();
        shorshorov_steel_file.clear();
        seyffarth_steel_path.clear();
        shorshorov_steel_path.clear();
    }
    void TearDown() override
    {
        stop_program();
        if (saved_) setenv("VELMARIN_DATA", saved_->c_str(), 1);
        else unsetenv("VELMARIN_DATA");
    }

private:
    std::optional<std::string> saved_;
};

TEST_F(MissingDataRoot, EachChooserNamesTheMissingFolderOnceAndTheCommandStops)
{
    struct Row {
        int command;
        std::string folder;
    };
    const Row rows[] = {
        {cmd::atlas_cct_diagram, "/nonexistent/velmarin-data/Seyffarth CCT Atlas"},
        {cmd::seyffarth_choose_steel, "/nonexistent/velmarin-data/Seyffarth CCT Atlas"},
        {cmd::shorshorov_structure_at_point, "/nonexistent/velmarin-data/Shorsorov CCT Atlas"},
        {cmd::shorshorov_choose_steel, "/nonexistent/velmarin-data/Shorsorov CCT Atlas"},
    };
    for (const Row& row : rows) {
        // A chooser that opened would take this answer.
        push_chooser_answer(ChooserAnswer{true, "/tmp/some.sp0", 1, {}});
        int dialogs = 0;
        push_dialog_hook([&](Window* dlg, const std::string&) {
            ++dialogs;
            dialog_click(dlg, 10157);
        });
        run_menu_command(row.command);
        clear_dialog_hooks();
        invalidate_window(main_window, true);
        process_pending_messages();
        EXPECT_EQ(pending_chooser_answers(), 1u) << row.command;
        ChooserAnswer unused;
        take_chooser_answer(unused);
        EXPECT_EQ(dialogs, 0) << row.command;
        EXPECT_EQ(current_paint, blank_on_paint) << row.command;
        EXPECT_TRUE(seyffarth_steel_file.empty()) << row.command;
        EXPECT_TRUE(shorshorov_steel_file.empty()) << row.command;
        const auto boxes = message_box_take_log();
        ASSERT_EQ(boxes.size(), 1u) << row.command;
        EXPECT_NE(boxes[0].text.find(row.folder), std::string::npos) << boxes[0].text;
        EXPECT_NE(boxes[0].text.find("VELMARIN_DATA"), std::string::npos) << boxes[0].text;
    }
}

} // namespace
