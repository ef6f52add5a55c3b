// The fourteen data dialogs as the user meets them: the texts they open with,
// what OK hands the scheme, Cancel, and the texts they refuse.
#include "dialog.h"
#include "dialog_driver.h"
#include "fonts.h"
#include "frame_globals.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "lang.h"
#include "modelchoice.h"
#include "msgbox.h"
#include "window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the scheme's set_data received, last call.
std::vector<double> received;
int set_data_calls = 0;
std::size_t expected_count = 0;

void record_set_data(SchemeParameters values)
{
    received.assign(values, values + expected_count);
    ++set_data_calls;
}

class DataDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        message_box_take_log();
        init_fonts();
        set_language(Language::english);
        reset_data_dialogs();
        received.clear();
        set_data_calls = 0;
    }
    void TearDown() override
    {
        clear_dialog_hooks();
        message_box_take_log();
        set_dialog_test_mode(false);
    }

    // Installs the scheme with a recording set_data and opens its dialog; the
    // hook acts as the user.
    const DataDialog& open(int scheme, DialogHook hook)
    {
        EXPECT_TRUE(install_scheme(scheme));
        const DataDialog* d = find_data_dialog(scheme);
        expected_count = d->values.size();
        current_model.set_data = record_set_data;
        push_dialog_hook(std::move(hook));
        show_scheme_data_dialog(scheme);
        EXPECT_EQ(pending_dialog_hooks(), 0u);
        return *d;
    }
};

// The doubles each dialog hands its scheme when it is accepted as it opens.
struct Defaults {
    int scheme;
    std::vector<double> values;
};

const std::vector<Defaults> defaults{
    {1, {0.3, 0.628, 7.8, 20.0, 0.1, 1.0, 0.02, 800.0}},
    {2, {0.3, 0.628, 7.8, 20.0, 0.1, 1.0, 0.0, 4500}},
    {3, {0.3, 0.628, 7.8, 20.0, 0.1, 1.0, 0.003, 0.0, 1.0, 800.0}},
    {4, {0.3, 0.628, 7.8, 20.0, 0.1, 0.6, 0.0008, 16., 4.0, 4500.0}},
    {5, {0.3, 0.628, 0.2, 0.5, 7.8, 2.6, 20.0, 0.2, 1.0, 2.0, 0.0, 800.}},
    {6, {0.3, 0.628, 7.8, 20., 0.8, 0.8, 4500.0}},
    {7, {0.3, 0.628, 7.8, 20.0, 0.28, 5.0, 0.0003, 4.6, 7.0, 4500.0}},
    {8, {0.3, 0.628, 7.8, 20.0, 0.28, 0.0003, 4.6, 7.0, 4500.0}},
    {9, {0.3, 0.628, 7.8, 20.0, 0.3, 2.0, 10000.0}},
    {10, {0.3, 0.628, 7.8, 20.0, 10.0, 3.0, 4500.0}},
    {11, {5000., 2500., 0.1, 0.4, 0.628, 7.8, 0.2, 0.1, 0.05, 20., 1.}},
    {12, {5000., 2500., 0.1, 0.4, 0.628, 7.8, 0.2, 0.1, 0.05, 20., 1.}},
    {13, {5000., 2500., 0.1, 0.4, 0.628, 7.8, 0.2, 0.1, 0.05, 20., 1.}},
    {14, {0.44, 0.12, 0.22, 0.148, 2.700, 7.800, 0.75, 0.25, 20, 6, 0.1, 3000.}},
};

} // namespace

TEST_F(DataDialogs, OkAsOpenedHandsTheDefaultsInTheSchemesOrder)
{
    for (const Defaults& expected : defaults) {
        SCOPED_TRACE(expected.scheme);
        set_data_calls = 0;
        dialog_accepted = 0;
        open(expected.scheme, [](Window* dlg, const std::string&) { dialog_press_enter(dlg); });
        EXPECT_EQ(set_data_calls, 1);
        EXPECT_EQ(received, expected.values);
        EXPECT_EQ(dialog_accepted, 1);
    }
    EXPECT_TRUE(message_box_take_log().empty());
}

TEST_F(DataDialogs, EachEditReachesItsPlaceInTheValues)
{
    // Type a value of its own into every edit, counting down from the last
    // (so that the pulse time stays below the cycle time before it); the
    // layered body's two swapped rows must still arrive in value order.
    for (int scheme : {2, 5, 11, 14}) {
        SCOPED_TRACE(scheme);
        const DataDialog& d = open(scheme, [scheme](Window* dlg, const std::string&) {
            const DataDialog* dd = find_data_dialog(scheme);
            for (std::size_t i = 0; i < dd->values.size(); ++i)
                dialog_type_text(dlg, dd->values[i].edit, std::to_string(dd->values.size() - i) + ".5");
            dialog_click(dlg, dd->ok);
        });
        ASSERT_EQ(received.size(), d.values.size());
        for (std::size_t i = 0; i < received.size(); ++i)
            EXPECT_DOUBLE_EQ(received[i], static_cast<double>(received.size() - i) + 0.5) << i;
    }
    const DataDialog* layered = find_data_dialog(2);
    EXPECT_EQ(layered->values[5].edit, 10092);   // δc
    EXPECT_EQ(layered->values[5].row, 7);
    EXPECT_EQ(layered->values[6].edit, 10093);   // R_T
    EXPECT_EQ(layered->values[6].row, 6);
}

TEST_F(DataDialogs, TextsAreKeptWholeAndReopenAsAccepted)
{
    open(1, [](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10080, "4500.125");
        dialog_type_text(dlg, 10076, " -40 ");
        dialog_click(dlg, 10082);
    });
    EXPECT_DOUBLE_EQ(received[7], 4500.125);
    EXPECT_DOUBLE_EQ(received[3], -40);
    std::string q;
    open(1, [&](Window* dlg, const std::string&) {
        q = get_item_text(dlg, 10080);
        dialog_click(dlg, 10081);
    });
    EXPECT_EQ(q, "4500.125");
    EXPECT_EQ(data_dialog_texts(1)[3], " -40 ");
}

TEST_F(DataDialogs, CancelAndClosingChangeNothing)
{
    for (bool by_title_bar : {false, true}) {
        SCOPED_TRACE(by_title_bar);
        dialog_accepted = 1;
        open(4, [by_title_bar](Window* dlg, const std::string&) {
            dialog_type_text(dlg, 10110, "9.9");
            if (by_title_bar)
                dialog_close(dlg);
            else
                dialog_click(dlg, 10121);
            EXPECT_FALSE(dialog_is_open(dlg));
        });
        EXPECT_EQ(set_data_calls, 0);
        EXPECT_EQ(dialog_accepted, 0);
        EXPECT_EQ(data_dialog_texts(4)[0], "0.3");
    }
}

TEST_F(DataDialogs, EscapeLeavesTheDialogOpen)
{
    bool open_after_escape = false;
    open(9, [&](Window* dlg, const std::string&) {
        dialog_press_escape(dlg);
        open_after_escape = dialog_is_open(dlg);
        dialog_click(dlg, 10239);
    });
    EXPECT_TRUE(open_after_escape);
    EXPECT_EQ(set_data_calls, 0);
}

TEST_F(DataDialogs, RefusedTextNamesTheFieldAndTheDialogStaysOpenWithIt)
{
    struct Case {
        int scheme;
        std::size_t index;
        const char* text;
        const char* named;       // part of the message
    };
    const Case cases[] = {
        {1, 4, "0", "v, welding speed"},
        {1, 0, "1,5", "λ, thermal conductivity"},
        {3, 8, "0", "δc, layer thickness"},
        {5, 9, "-2", "δ2, thickness of plate 2"},
        {6, 5, "12abc", "d, width of the heating zone"},
        {12, 6, "", "t0, cycle time"},
        {14, 4, "nan", "γ1, density of phase 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        set_data_calls = 0;
        std::string shown;
        bool still_open = false;
        open(c.scheme, [&](Window* dlg, const std::string&) {
            const DataDialog* d = find_data_dialog(c.scheme);
            const int edit = d->values[c.index].edit;
            dialog_type_text(dlg, edit, c.text);
            dialog_click(dlg, d->ok);
            still_open = dialog_is_open(dlg);
            shown = get_item_text(dlg, edit);
            // mended, it is taken
            dialog_type_text(dlg, edit, "1.25");
            dialog_click(dlg, d->ok);
        });
        const std::vector<MessageBoxRecord> log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_NE(log[0].text.find(c.named), std::string::npos) << log[0].text;
        EXPECT_EQ(log[0].caption, "  Attention!");
        EXPECT_TRUE(still_open);
        EXPECT_EQ(shown, c.text);
        EXPECT_EQ(set_data_calls, 1);
        EXPECT_DOUBLE_EQ(received[c.index], 1.25);
    }
}

// A pulse longer than its cycle is refused; the dialog stays open with the
// texts, and a pulse that fits is taken.
TEST_F(DataDialogs, PulseLongerThanItsCycleKeepsTheDialogOpen)
{
    bool still_open = false;
    std::string shown;
    open(13, [&](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10282, "0.3");   // tp, the cycle is 0.2 s
        dialog_click(dlg, 10287);
        still_open = dialog_is_open(dlg);
        shown = get_item_text(dlg, 10282);
        dialog_type_text(dlg, 10282, "0.15");
        dialog_click(dlg, 10287);
    });
    const std::vector<MessageBoxRecord> log = message_box_take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].text.find("\"tp, pulse time\""), std::string::npos) << log[0].text;
    EXPECT_NE(log[0].text.find("\"t0, cycle time\""), std::string::npos) << log[0].text;
    EXPECT_TRUE(still_open);
    EXPECT_EQ(shown, "0.3");
    EXPECT_EQ(set_data_calls, 1);
    EXPECT_DOUBLE_EQ(received[7], 0.15);
}

TEST_F(DataDialogs, ThePulsedDialogsKeepTheirOwnTexts)
{
    open(11, [](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10249, "7000");
        dialog_click(dlg, 10260);
    });
    std::string q1_12, q1_13;
    open(12, [&](Window* dlg, const std::string&) {
        q1_12 = get_item_text(dlg, 10262);
        dialog_click(dlg, 10274);
    });
    open(13, [&](Window* dlg, const std::string&) {
        q1_13 = get_item_text(dlg, 10275);
        dialog_click(dlg, 10288);
    });
    EXPECT_EQ(data_dialog_texts(11)[0], "7000");
    EXPECT_EQ(q1_12, "5000.");
    EXPECT_EQ(q1_13, "5000.");
}

TEST_F(DataDialogs, RussianTemplatesOpenInRussian)
{
    set_language(Language::russian);
    std::string opened;
    open(8, [&](Window* dlg, const std::string& name) {
        opened = name;
        dialog_click(dlg, 10230);
    });
    EXPECT_EQ(opened, "PPR11DATA_RU");
    set_language(Language::english);
}
