// The progress window on a real (offscreen) main window: created, advanced
// by steps of 5, its texts drawn at once, and its closing repainting the
// main window in full.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app_runtime.h"
#include "dialog.h"
#include "msgbox.h"
#include "progress_dialog.h"
#include "window.h"

namespace {

int paints = 0;

std::intptr_t owner_proc(Window* window, const Message& message) {
    if (message.msg == Msg::paint) {
        ++paints;
        begin_paint(window);
        end_paint(window);
    }
    return 0;
}

class ProgressDialog : public ::testing::Test {
protected:
    void SetUp() override {
        message_box_set_record_mode(true);
        static bool registered = false;
        if (!registered) {
            WindowClass c;
            c.name = "PROGRESS_TEST_OWNER";
            c.proc = owner_proc;
            ASSERT_TRUE(register_window_class(c));
            registered = true;
        }
        owner_ = create_window("PROGRESS_TEST_OWNER", "owner", 0, 0, 800, 600);
        ASSERT_NE(owner_, nullptr);
        show_window(owner_);
        process_pending_messages();
        set_progress_dialog_owner(owner_);
    }
    void TearDown() override {
        if (progress_dialog_state().open) update_progress_dialog(-2);
        set_progress_dialog_owner(nullptr);
        destroy_window(owner_);
        process_pending_messages();
        EXPECT_TRUE(message_box_take_log().empty());
    }
    Window* owner_ = nullptr;
};

TEST_F(ProgressDialog, OpensWithAnEmptyBarAndTheProgressTemplate) {
    update_progress_dialog(-1);
    Window* dialog = progress_dialog_window();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(is_window(dialog));
    EXPECT_EQ(dialog_template_name(dialog), "PROGRESS");
    EXPECT_EQ(get_window_title(dialog), "   Progress");
    EXPECT_EQ(progress_get_pos(dialog, 10027), 0);
    EXPECT_TRUE(progress_dialog_state().open);
    EXPECT_EQ(progress_dialog_state().percent, 0);
}

TEST_F(ProgressDialog, FiftyStepsFillTheBarAfterTwentyWhileThePercentageCountsOn) {
    update_progress_dialog(-1);
    Window* dialog = progress_dialog_window();
    ASSERT_NE(dialog, nullptr);
    for (int i = 0; i < 20; ++i) update_progress_dialog(10 + 2 * i);
    EXPECT_EQ(progress_get_pos(dialog, 10027), 100);
    for (int i = 20; i < 51; ++i) update_progress_dialog(10 + 2 * i);
    EXPECT_EQ(progress_get_pos(dialog, 10027), 100);
    EXPECT_EQ(progress_dialog_state().percent, 110);
    EXPECT_EQ(progress_dialog_state().bar, 100);
    const auto folder = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "windows";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(save_window_screenshot(dialog, (folder / "progress_dialog.png").string()));
}

TEST_F(ProgressDialog, TextsAreDrawnAtOnceWithoutAMessageLoop) {
    update_progress_dialog(-1);
    update_progress_dialog(40);
    Window* dialog = progress_dialog_window();
    ASSERT_NE(dialog, nullptr);
    // The grey band behind "Wait please..." at (55, 10).
    EXPECT_EQ(window_pixel(dialog, 56, 11), (Rgb{194, 194, 194}));
}

TEST_F(ProgressDialog, ClosingRepaintsTheOwnerInFullOnce) {
    update_progress_dialog(-1);
    update_progress_dialog(5);
    process_pending_messages();
    paints = 0;
    update_progress_dialog(-2);
    EXPECT_EQ(progress_dialog_window(), nullptr);
    EXPECT_FALSE(progress_dialog_state().open);
    process_pending_messages();
    EXPECT_EQ(paints, 1);
}

TEST_F(ProgressDialog, AdvancingOrClosingWithoutAWindowDoesNothing) {
    update_progress_dialog(30);
    update_progress_dialog(-2);
    EXPECT_EQ(progress_dialog_window(), nullptr);
    EXPECT_FALSE(progress_dialog_state().open);
    process_pending_messages();
    paints = 0;
    update_progress_dialog(-2);
    process_pending_messages();
    EXPECT_EQ(paints, 0);
}

TEST_F(ProgressDialog, WithoutAnOwnerOnlyTheStateIsKept) {
    set_progress_dialog_owner(nullptr);
    update_progress_dialog(-1);
    update_progress_dialog(5);
    EXPECT_EQ(progress_dialog_window(), nullptr);
    EXPECT_TRUE(progress_dialog_state().open);
    EXPECT_EQ(progress_dialog_state().bar, 5);
    update_progress_dialog(-2);
    EXPECT_FALSE(progress_dialog_state().open);
}

// A long computation: the window opens once the delay has passed, the bar
// and the percentage follow the points done in steps of 5 %, and closing
// leaves the owner as drawn, since the windows that use it compute again at
// every repaint.
TEST_F(ProgressDialog, LongWorkOpensAfterItsDelayAndClosesWithoutRepainting) {
    set_long_work_delay(0);
    {
        LongWorkProgress work(50);
        EXPECT_FALSE(progress_dialog_state().open);   // nothing before the first point
        work.advance(1);
        Window* dialog = progress_dialog_window();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(progress_get_pos(dialog, 10027), 0);   // 2 % is not yet a step
        work.advance(13);
        EXPECT_EQ(progress_dialog_state().percent, 25);
        EXPECT_EQ(progress_get_pos(dialog, 10027), 25);
        work.advance(50);
        EXPECT_EQ(progress_dialog_state().percent, 100);
        EXPECT_EQ(progress_get_pos(dialog, 10027), 100);
        process_pending_messages();
        paints = 0;
    }
    EXPECT_EQ(progress_dialog_window(), nullptr);
    EXPECT_FALSE(progress_dialog_state().open);
    process_pending_messages();
    EXPECT_EQ(paints, 0);
    set_long_work_delay(0.5);
}

TEST_F(ProgressDialog, WorkDoneWithinTheDelayShowsNothing) {
    set_long_work_delay(1e9);
    {
        LongWorkProgress work(10);
        for (int i = 1; i <= 10; ++i) work.advance(i);
        EXPECT_FALSE(progress_dialog_state().open);
    }
    EXPECT_EQ(progress_dialog_window(), nullptr);
    set_long_work_delay(0.5);
}

}  // namespace
