// The Heat source model and Edit data commands through the main window: the
// chooser installs the clicked scheme and sets the menu to the windows that
// scheme serves; the data dialog that follows is the scheme's own.
#include "../app/frame_test_support.h"

#include "commands.h"
#include "menu_items.h"
#include "modelchoice.h"

#include <algorithm>
#include <cctype>

namespace {

class ChooserCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        reset_data_dialogs();
    }
    void TearDown() override { stop_program(); }

    // Runs Heat source model: clicks the scheme's cell in the chooser, then
    // presses `button` (OK or Cancel of the scheme's data dialog; 0 leaves it
    // to close by itself). Returns the templates that opened.
    std::vector<std::string> choose(int scheme, bool ok = true)
    {
        std::vector<std::string> opened;
        push_dialog_hook([&opened, scheme](Window* dlg, const std::string& name) {
            opened.push_back(name);
            dialog_click(dlg, 10050 + scheme);
        });
        push_dialog_hook([&opened, scheme, ok](Window* dlg, const std::string& name) {
            opened.push_back(name);
            const DataDialog* d = find_data_dialog(scheme);
            dialog_click(dlg, ok ? d->ok : d->cancel);
        });
        run_menu_command(cmd::heat_source_model);
        return opened;
    }
};

std::string upper(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The windows each scheme serves.
struct Serves {
    int scheme;
    bool xy, yz, xz, cooling_and_steel, atlas_thickness;
};

constexpr Serves serves[] = {
    {1, true, false, false, true, true},    {2, true, true, true, true, false},
    {3, true, true, true, true, true},      {4, true, false, false, true, true},
    {5, true, false, false, true, true},    {6, true, true, true, true, false},
    {7, false, false, false, false, false}, {8, false, false, false, false, false},
    {9, true, true, true, true, false},     {10, true, true, true, true, false},
    {11, false, false, false, false, false}, {12, false, false, false, false, false},
    {13, false, false, false, false, false}, {14, false, false, false, false, false},
};

} // namespace

TEST_F(ChooserCommands, EachSchemeIsInstalledWithTheMenuOfTheWindowsItServes)
{
    // Alternate schemes that serve the steel windows with schemes that do not,
    // so every choice has to undo the one before.
    for (int scheme : {7, 1, 11, 2, 8, 3, 12, 4, 13, 5, 14, 6, 9, 10}) {
        SCOPED_TRACE(scheme);
        const Serves& s = serves[scheme - 1];
        const std::vector<std::string> opened = choose(scheme);
        ASSERT_EQ(opened.size(), 2u);
        EXPECT_EQ(opened[0], "MODUL_E");
        EXPECT_EQ(upper(opened[1]), upper(std::string(find_data_dialog(scheme)->stem) + "_E"));
        EXPECT_EQ(installed_scheme(), scheme);
        EXPECT_EQ(current_paint, blank_on_paint);

        const bool quasi = s.cooling_and_steel;
        EXPECT_EQ(current_model.cycle_routine == thermal_cycle_window, quasi);
        EXPECT_NE(current_model.cycle_routine, nullptr);

        EXPECT_EQ(item_grayed(cmd::isotherm_xy), !s.xy);
        EXPECT_EQ(item_grayed(cmd::isotherm_yz), !s.yz);
        EXPECT_EQ(item_grayed(cmd::isotherm_xz), !s.xz);
        EXPECT_EQ(item_grayed(cmd::cooling_rate), !s.cooling_and_steel);
        const auto thickness = atlas_thickness_items();
        for (int id : steel_menu_items()) {
            const bool is_thickness = std::find(thickness.begin(), thickness.end(), id) != thickness.end();
            const bool on = s.cooling_and_steel && command_is_wired(id) && (!is_thickness || s.atlas_thickness);
            EXPECT_EQ(item_grayed(id), !on) << id;
        }
        // the thermal cycle and the two model commands stay open
        EXPECT_FALSE(item_grayed(cmd::thermal_cycle));
        EXPECT_FALSE(item_grayed(cmd::heat_source_model));
        EXPECT_FALSE(item_grayed(cmd::edit_data));
    }
    EXPECT_TRUE(message_box_take_log().empty());
}

TEST_F(ChooserCommands, OperationsTheSchemeLacksKeepThoseOfTheSchemeBefore)
{
    choose(3);
    choose(7);
    EXPECT_EQ(current_model.thickness, ppr3_thickness);
    EXPECT_EQ(current_model.set_regime, ppr3_set_regime);
    EXPECT_EQ(current_model.power, ppr2_power);
    EXPECT_TRUE(item_grayed(10338));   // the windows that would call them are grayed

    choose(2);
    EXPECT_EQ(current_model.set_oscillation_point, ppr10_set_oscillation_point);
    EXPECT_EQ(current_model.oscillation_limits, ppr10_oscillation_limits);
    EXPECT_EQ(current_model.temperature, ppr2_temperature);

    choose(12);
    EXPECT_EQ(current_model.width_range, rom1_width_range);
    EXPECT_EQ(current_model.temperature, nullptr);
    choose(1);
    EXPECT_EQ(current_model.pulse_temperature, nullptr);
    EXPECT_EQ(installed_scheme(), 1);
}

TEST_F(ChooserCommands, OnlyAClickOnAPictureEndsTheChooser)
{
    bool open_after_keys = false;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        dialog_press_escape(dlg);
        dialog_press_enter(dlg);
        dialog_close(dlg);
        open_after_keys = dialog_is_open(dlg);
        dialog_click(dlg, 10053);
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    push_dialog_hook([](Window* dlg, const std::string&) { dialog_click(dlg, 10108); });
    run_menu_command(cmd::heat_source_model);
    EXPECT_TRUE(open_after_keys);
    EXPECT_EQ(installed_scheme(), 3);
    EXPECT_EQ(pending_dialog_hooks(), 0u);
}

TEST_F(ChooserCommands, EditDataOpensTheDialogOfTheInstalledScheme)
{
    for (int scheme = 1; scheme <= 14; ++scheme) {
        ASSERT_TRUE(install_scheme(scheme));
        std::string opened;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            opened = name;
            dialog_click(dlg, find_data_dialog(scheme)->cancel);
        });
        run_menu_command(cmd::edit_data);
        EXPECT_EQ(upper(opened), upper(std::string(find_data_dialog(scheme)->stem) + "_E")) << scheme;
        EXPECT_EQ(dialog_accepted, 0);
    }
}

TEST_F(ChooserCommands, ReturningToASchemeFindsTheValuesLastEntered)
{
    push_dialog_hook([](Window* dlg, const std::string&) { dialog_click(dlg, 10051); });
    push_dialog_hook([](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10073, "0.5");
        dialog_type_text(dlg, 10080, "4500.125");
        dialog_click(dlg, 10082);
    });
    run_menu_command(cmd::heat_source_model);
    EXPECT_EQ(dialog_accepted, 1);
    EXPECT_DOUBLE_EQ(scheme_state.ppr1.parameters.lambda, 0.5);
    EXPECT_DOUBLE_EQ(scheme_state.ppr1.parameters.q, 4500.125);

    choose(2);
    EXPECT_DOUBLE_EQ(scheme_state.ppr1.parameters.lambda, 0.5);

    // back to scheme 1: its dialog shows the texts whole, and Cancel keeps the block
    std::string lambda, q;
    push_dialog_hook([](Window* dlg, const std::string&) { dialog_click(dlg, 10051); });
    push_dialog_hook([&](Window* dlg, const std::string&) {
        lambda = get_item_text(dlg, 10073);
        q = get_item_text(dlg, 10080);
        dialog_click(dlg, 10081);
    });
    run_menu_command(cmd::heat_source_model);
    EXPECT_EQ(lambda, "0.5");
    EXPECT_EQ(q, "4500.125");
    EXPECT_EQ(dialog_accepted, 0);
    EXPECT_DOUBLE_EQ(scheme_state.ppr1.parameters.q, 4500.125);
}

TEST_F(ChooserCommands, TheChooserAndDialogsFollowTheLanguage)
{
    stop_program();
    start_program("RUS");
    const std::vector<std::string> opened = choose(14, false);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], "MODUL_RU");
    EXPECT_EQ(upper(opened[1]), "COMPDATA_RU");
}

TEST_F(ChooserCommands, ASchemeThisBuildLacksIsReportedAndNothingChanges)
{
    ASSERT_TRUE(install_scheme(3));
    choose_scheme(3);
    message_box_take_log();
    EXPECT_FALSE(choose_scheme(15));
    const std::vector<MessageBoxRecord> log = message_box_take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].text.find("15"), std::string::npos) << log[0].text;
    EXPECT_EQ(installed_scheme(), 3);
    EXPECT_FALSE(item_grayed(cmd::isotherm_yz));
}
