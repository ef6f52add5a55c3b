// The thermal-cycle command with the oscillating, pulsed and composite
// schemes: the point dialog each one's cycle routine asks for, the record it
// fills, the window it draws and prints.
#include "frame_test_support.h"

#include "commands.h"
#include "print.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

double stand_in_temperature(double t, double, double) { return 20 + 10 * t; }
double stand_in_pulse_temperature(double x, double, double, double) { return 20 + (x < 0 ? -x : x); }
void stand_in_pulse_window(double& from, double& to)
{
    from = -100;
    to = 100;
}
void stand_in_oscillation_point(const double*) {}

// The scheme of each family: the real one when it is built in, otherwise a
// stand-in with the family's operations and cycle routine over scheme 2.
void use_scheme(int scheme)
{
    if (install_scheme(scheme)) return;
    if (scheme == 7 || scheme == 8) {
        current_model.temperature = stand_in_temperature;
        current_model.set_oscillation_point = stand_in_oscillation_point;
        current_model.cycle_routine = oscillating_thermal_cycle_window;
    } else if (scheme == 14) {
        current_model.temperature = stand_in_temperature;
        current_model.cycle_routine = composite_thermal_cycle_window;
    } else {
        current_model.temperature = nullptr;
        current_model.pulse_temperature = stand_in_pulse_temperature;
        current_model.pulse_time_window = stand_in_pulse_window;
        current_model.cycle_routine = pulse_thermal_cycle_window;
    }
}

class TimeDomainCycleCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
    }
    void TearDown() override { stop_program(); }

    // Opens the thermal-cycle dialog, notes its template and texts, types
    // `typed` into the edits and presses OK.
    std::pair<std::string, std::vector<std::string>> thermal_cycle(
        const std::vector<int>& edits, const std::vector<std::string>& typed = {})
    {
        std::pair<std::string, std::vector<std::string>> seen;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            seen.first = name;
            for (int id : edits) seen.second.push_back(get_item_text(dlg, id));
            for (std::size_t i = 0; i < typed.size(); ++i) dialog_type_text(dlg, edits[i], typed[i]);
            dialog_click(dlg, 10150);
        });
        run_menu_command(cmd::thermal_cycle);
        return seen;
    }
};

const std::vector<int> oscillating_edits{10161, 10162, 10163, 10164, 10165};
const std::vector<int> point_edits{10147, 10148};

TEST_F(TimeDomainCycleCommand, OscillatingSchemeAsksForPointAndTimesThenDrawsItsCycle)
{
    use_scheme(7);
    const auto [name, shown] = thermal_cycle(oscillating_edits);
    EXPECT_EQ(name, "TERMOCYCLYSALTAJ_E");
    EXPECT_EQ(shown, (std::vector<std::string>{"1.", "0.", "0.", "60.", "75."}));
    EXPECT_EQ(current_paint, cycle_routine_on_paint);
    EXPECT_EQ(current_parameters, termocyclys_point_record());
    const TimeCycleResult r = oscillating_cycle_result();
    ASSERT_EQ(r.steps, 50);
    EXPECT_EQ(r.time[0], 60);
    EXPECT_NEAR(r.time[1], 60.3, 1e-9);
    EXPECT_NEAR(r.time[50], 75, 1e-9);
    EXPECT_FALSE(item_grayed(cmd::print));
    EXPECT_GT(drawn_pixels(), 1000);
}

TEST_F(TimeDomainCycleCommand, CompositeDialogFillsOnlyTheFirstTwoFields)
{
    use_scheme(8);
    thermal_cycle(oscillating_edits);
    use_scheme(14);
    const auto [name, shown] = thermal_cycle(point_edits);
    EXPECT_EQ(name, "TERMOCYCLYSCOMP_E");
    EXPECT_EQ(shown, (std::vector<std::string>{"0.05", "30."}));
    const double* record = termocyclys_point_record();
    EXPECT_EQ(record[0], 0.05);
    EXPECT_EQ(record[1], 30);
    EXPECT_EQ(record[2], 0);   // what the oscillating dialog left
    EXPECT_EQ(record[3], 60);
    EXPECT_EQ(record[4], 75);
    const TimeCycleResult r = composite_cycle_result();
    EXPECT_EQ(r.time[0], 30);
    EXPECT_NEAR(r.time[50], 0, 1e-9);
}

TEST_F(TimeDomainCycleCommand, PulseSchemeKeepsTextsOfItsOwn)
{
    thermal_cycle(point_edits, {"0.2", "0.1"});   // scheme 2
    use_scheme(11);
    const auto [name, shown] = thermal_cycle(point_edits);
    EXPECT_EQ(name, "TERMOCYCLYS_E");
    EXPECT_EQ(shown, (std::vector<std::string>{"0.05", "0.00"}));
    const TimeCycleResult r = pulse_cycle_result();
    EXPECT_EQ(r.y, 0.05);
    EXPECT_EQ(r.steps, 50);
    EXPECT_EQ(current_paint, cycle_routine_on_paint);
}

// An interval entered from the later time to the earlier one is sampled in
// that order; the window still orders its time axis.
TEST_F(TimeDomainCycleCommand, OscillatingIntervalMayRunBackwards)
{
    use_scheme(7);
    thermal_cycle(oscillating_edits, {"1", "0", "0", "75", "60"});
    EXPECT_EQ(dialog_accepted, 1);
    const TimeCycleResult r = oscillating_cycle_result();
    EXPECT_EQ(r.time[0], 75);
    EXPECT_NEAR(r.time[50], 60, 1e-9);
    EXPECT_NEAR(r.t_min, 60, 1e-9);
    EXPECT_EQ(r.t_max, 75);
}

// A start time of 0 would give a cycle without duration: the dialog refuses
// it, naming the field, and stays open with the text.
TEST_F(TimeDomainCycleCommand, CompositeStartTimeOfZeroIsRefused)
{
    use_scheme(14);
    std::vector<MessageBoxRecord> boxes;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10148, "0");
        dialog_click(dlg, 10150);
        boxes = message_box_take_log();
        EXPECT_EQ(get_item_text(dlg, 10148), "0");
        dialog_click(dlg, 10149);
    });
    run_menu_command(cmd::thermal_cycle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("t, s"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(dialog_accepted, 0);
}

// The pulsed schemes on a plate take points in it: below the plate's lower
// face the dialog refuses the depth, naming the field and the thickness,
// and stays open with the text. A body without a bottom takes any depth.
TEST_F(TimeDomainCycleCommand, PulseDepthBelowThePlateIsRefused)
{
    use_scheme(13);
    scheme_state.rom3.parameters.delta = 0.8;
    std::vector<MessageBoxRecord> boxes;
    bool still_open = false;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10148, "0.9");
        dialog_click(dlg, 10150);
        boxes = message_box_take_log();
        still_open = dialog_is_open(dlg);
        EXPECT_EQ(get_item_text(dlg, 10148), "0.9");
        dialog_type_text(dlg, 10148, "0.8");   // the lower face itself is in the plate
        dialog_click(dlg, 10150);
    });
    run_menu_command(cmd::thermal_cycle);
    EXPECT_TRUE(still_open);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "The value of \"z, cm\" must not be greater than the plate thickness δ = 0.8 cm.");
    EXPECT_EQ(dialog_accepted, 1);
    EXPECT_EQ(termocyclys_point_record()[1], 0.8);
    scheme_state.rom3.parameters = PulseParameters{};

    use_scheme(11);
    thermal_cycle(point_edits, {"0.05", "5"});
    EXPECT_EQ(dialog_accepted, 1);
    EXPECT_TRUE(message_box_take_log().empty());
}

class TimeDomainCyclePrint : public TimeDomainCycleCommand {
protected:
    void SetUp() override
    {
        dir_ = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "app_print" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        setenv("VELMARIN_PDF_DIR", dir_.c_str(), 1);
        print_pdf_only(true);
        TimeDomainCycleCommand::SetUp();
    }
    void TearDown() override
    {
        TimeDomainCycleCommand::TearDown();
        print_pdf_only(false);
        unsetenv("VELMARIN_PDF_DIR");
    }
    fs::path dir_;
};

TEST_F(TimeDomainCyclePrint, EachFamilysCyclePrintsOnePage)
{
    for (int scheme : {7, 11, 14}) {
        SCOPED_TRACE(scheme);
        use_scheme(scheme);
        thermal_cycle(scheme == 7 ? oscillating_edits : point_edits);
        ASSERT_EQ(current_paint, cycle_routine_on_paint);
        message_box_take_log();
        push_chooser_answer(ChooserAnswer{});
        run_menu_command(cmd::print);
        const std::vector<MessageBoxRecord> boxes = message_box_take_log();
        ASSERT_EQ(boxes.size(), 1u);   // where the PDF went
        EXPECT_EQ(current_paint, cycle_routine_on_paint);
    }
    int pdfs = 0;
    for (const auto& entry : fs::directory_iterator(dir_))
        if (entry.path().extension() == ".pdf") ++pdfs;
    EXPECT_EQ(pdfs, 3);
}

}  // namespace
