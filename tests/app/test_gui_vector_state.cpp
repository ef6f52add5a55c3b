// Computations that start after drawing find the upper halves of the vector
// registers unused, as the program runs them: a command's computation after
// the blank window and the dialogs were drawn, the thermal cycle between the
// progress window's repaints, sweep points on the calling thread between the
// window's drawing calls and on the workers, a routine that goes on after a
// message box it showed. Qt's drawing leaves that state
// in use, which makes exp, pow and sincos many times slower on many Intel
// cores; the test reads the state itself, so it holds on any processor that
// reports it.
#include "frame_test_support.h"

#include "commands.h"
#include "dialog.h"
#include "vector_state.h"
#include "vector_state_probe.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <atomic>

namespace {

std::atomic<int> computations{0};
std::atomic<int> found_in_use{0};
double (*probed_temperature)(double, double, double) = nullptr;

// The installed scheme's field, telling whether it was entered with the
// upper state in use.
double probe(double x, double y, double z)
{
    if (upper_vector_state_in_use()) ++found_in_use;
    ++computations;
    return probed_temperature(x, y, z);
}

class VectorState : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!vector_state_probe_available()) GTEST_SKIP() << "the processor does not report the vector state in use";
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        probed_temperature = current_model.temperature;
        current_model.temperature = probe;
        computations = 0;
        found_in_use = 0;
    }
    void TearDown() override
    {
        set_point_workers(0);
        if (main_window != nullptr) stop_program();
    }

    // Runs the command with every dialog answered by pressing `buttons` in
    // turn. The frame draws the blank window and the dialogs before the
    // computation, and the window routines draw between their computations.
    void run_command(int command, std::vector<int> buttons)
    {
        for (int button : buttons) push_dialog_hook([button](Window* dlg, const std::string&) { dialog_click(dlg, button); });
        run_menu_command(command);
        clear_dialog_hooks();
    }
};

TEST_F(VectorState, TheProbeSeesTheStateThatDrawingLeavesAndTheHelperClearsIt)
{
    dirty_upper_vector_state();
    EXPECT_TRUE(upper_vector_state_in_use());
    clear_upper_vector_state();
    EXPECT_FALSE(upper_vector_state_in_use());
}

TEST_F(VectorState, TheThermalCycleComputesCleanBetweenTheProgressWindowsRepaints)
{
    run_command(cmd::thermal_cycle, {10150});
    EXPECT_EQ(current_paint, cycle_routine_on_paint);
    EXPECT_GT(computations, 100);
    EXPECT_EQ(found_in_use, 0) << "of " << computations;
}

TEST_F(VectorState, SweepPointsComputeCleanOnTheCallingThreadAndOnTheWorkers)
{
    for (int workers : {1, 4}) {
        set_point_workers(workers);
        computations = 0;
        found_in_use = 0;
        run_command(cmd::kasatkin_structure_vs_energy, {1, 10158});
        EXPECT_GT(computations, 1000) << workers;
        EXPECT_EQ(found_in_use, 0) << "of " << computations << " on " << workers << " workers";
    }
}

TEST_F(VectorState, AWindowAtAPointComputesCleanAtItsCommandAndAtEveryRepaint)
{
    run_command(cmd::kasatkin_structure_at_point, {1, 10150});
    EXPECT_GT(computations, 10);
    const int at_command = computations;
    invalidate_window(main_window, true);
    process_pending_messages();
    EXPECT_GT(computations, at_command);
    EXPECT_EQ(found_in_use, 0) << "of " << computations;
}

// A message box in the middle of a routine, or a dialog before a command's
// computation, as the program shows them: Qt draws them on this thread, and
// the routine goes on computing when they close.
TEST_F(VectorState, AComputationGoesOnCleanAfterAMessageBoxOrADialogThatQtShowed)
{
    set_dialog_test_mode(false);
    // Closes the modal window once it is up, leaving the state in use as
    // drawing it may have.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dirty_upper_vector_state();
            modal->reject();
        }
    });
    closer.start(10);
    message_box(main_window, "z exceeds thickness of a plate", "  Attention!");
    EXPECT_FALSE(upper_vector_state_in_use()) << "after the message box";
    dialog_box("VELOCITY_E", main_window, [](Window*, const Message& m) -> std::intptr_t {
        return m.msg == Msg::init_dialog ? 1 : 0;
    });
    EXPECT_FALSE(upper_vector_state_in_use()) << "after the dialog";
    closer.stop();
    set_dialog_test_mode(true);
}

}  // namespace
