// The digitizer's small dialogs and choosers: texts kept between openings,
// numbers read whole (a label cut to its slot), and the choosers' memory.
#include "dialog.h"
#include "dialog_driver.h"
#include "digitizer_dialog.h"
#include "digitizer_inputs.h"
#include "frame_globals.h"
#include "lang.h"
#include "msgbox.h"

#include <gtest/gtest.h>

class DigitizerInputs : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        clear_dialog_hooks();
        set_language(Language::english);
        reset_digitizer_state();
    }
};

TEST_F(DigitizerInputs, HardnessOkReadsTheNumberAndWithoutHvIsMinusOne)
{
    push_dialog_hook([](Window* d, const std::string& n) {
        EXPECT_EQ(n, "VICKERSHARDNESS_E");
        EXPECT_EQ(get_item_text(d, 1008), "5");
        dialog_click(d, 1010);
    });
    show_vickershardness_dialog();
    EXPECT_DOUBLE_EQ(curve_hardness, 5);
    EXPECT_EQ(dialog_accepted, 1);
    push_dialog_hook([](Window* d, const std::string&) {
        dialog_type_text(d, 1008, "312.75");   // the number comes from the whole text
        dialog_click(d, 1010);
    });
    show_vickershardness_dialog();
    EXPECT_DOUBLE_EQ(curve_hardness, 312.75);
    EXPECT_EQ(vickershardness_text, "312.75");   // kept whole: it reopens as the value used
    push_dialog_hook([](Window* d, const std::string&) {
        EXPECT_EQ(get_item_text(d, 1008), "312.75");
        dialog_click(d, 1011);
    });
    show_vickershardness_dialog();
    EXPECT_DOUBLE_EQ(curve_hardness, -1);
    EXPECT_EQ(dialog_accepted, 0);
}

TEST_F(DigitizerInputs, LabelTextIsCutToFiveLettersAndKeptAfterCancel)
{
    push_dialog_hook([](Window* d, const std::string& n) {
        EXPECT_EQ(n, "TXT");
        EXPECT_EQ(get_item_text(d, 1014), "     ");
        dialog_type_text(d, 1014, "Бейнит");   // letters, not bytes: five of them stay
        dialog_click(d, 1010);
    });
    show_txt_dialog();
    EXPECT_EQ(label_text, "Бейни");
    push_dialog_hook([](Window* d, const std::string&) {
        EXPECT_EQ(get_item_text(d, 1014), "Бейни");
        dialog_type_text(d, 1014, "Bainite");
        dialog_click(d, 1010);
    });
    show_txt_dialog();
    EXPECT_EQ(label_text, "Baini");
    push_dialog_hook([](Window* d, const std::string&) {
        EXPECT_EQ(get_item_text(d, 1014), "Baini");
        dialog_type_text(d, 1014, "X");
        dialog_click(d, 1011);
    });
    show_txt_dialog();
    EXPECT_EQ(label_text, "Baini");
    EXPECT_EQ(dialog_accepted, 0);
}

TEST_F(DigitizerInputs, AxisDialogReopensWithItsValuesAndLogTimeChecked)
{
    push_dialog_hook([](Window* d, const std::string&) {
        dialog_type_text(d, 10071, "1000.25");
        dialog_click(d, 1005);   // time axis no longer logarithmic
        dialog_click(d, 1006);
        dialog_click(d, 1012);
    });
    show_axis_dialog();
    EXPECT_DOUBLE_EQ(axis_values[1], 1000.25);
    EXPECT_EQ(x_log, 0);
    EXPECT_EQ(y_log, 1);
    push_dialog_hook([](Window* d, const std::string&) {
        EXPECT_EQ(get_item_text(d, 10071), "1000.25");
        EXPECT_TRUE(is_button_checked(d, 1005));
        EXPECT_FALSE(is_button_checked(d, 1006));
        dialog_close(d);   // no way out but the button
        EXPECT_TRUE(dialog_is_open(d));
        dialog_click(d, 1012);
    });
    show_axis_dialog();
    EXPECT_EQ(x_log, 1);
    EXPECT_DOUBLE_EQ(axis_values[1], 1000.25);
}

// A text that is not a whole number is refused with a message naming the
// field; the dialog stays open with the user's text and the old values stay.
TEST_F(DigitizerInputs, NumbersThatAreNotNumbersAreRefusedAndTheDialogStaysOpen)
{
    message_box_take_log();
    struct Case {
        int edit;
        const char* text;
    };
    for (const Case c : {Case{10071, "12abc"}, Case{10072, "1,5"}, Case{10073, ""}, Case{10070, "inf"}}) {
        push_dialog_hook([c](Window* d, const std::string&) {
            dialog_type_text(d, c.edit, c.text);
            dialog_click(d, 1012);
            EXPECT_TRUE(dialog_is_open(d)) << c.text;
            EXPECT_EQ(get_item_text(d, c.edit), c.text);
            dialog_type_text(d, c.edit, "7");
            dialog_click(d, 1012);
        });
        show_axis_dialog();
        const auto log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u) << c.text;
        EXPECT_NE(log[0].text.find(c.text), std::string::npos) << log[0].text;
    }
    EXPECT_DOUBLE_EQ(axis_values[1], 7);

    push_dialog_hook([](Window* d, const std::string&) {
        dialog_type_text(d, 1008, "2x0");
        dialog_click(d, 1010);
        EXPECT_TRUE(dialog_is_open(d));
        dialog_click(d, 1011);
    });
    show_vickershardness_dialog();
    const auto log = message_box_take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].text.find("HV"), std::string::npos);
    EXPECT_EQ(vickershardness_text, "5");
}

TEST_F(DigitizerInputs, ChoosersRememberTheirNameAndFilter)
{
    FileDialogRequest r;
    push_chooser_answer(ChooserAnswer{true, "/tmp/a.pcx", 2, {}});
    ASSERT_TRUE(choose_picture_file(nullptr, r));
    EXPECT_EQ(r.title, "  Choose file");
    ASSERT_EQ(r.filters.size(), 2u);
    EXPECT_EQ(r.filters[1].pattern, "*.pcx");
    push_chooser_answer(ChooserAnswer{false, "", 1, {}});
    EXPECT_FALSE(choose_picture_file(nullptr, r));
    EXPECT_EQ(r.file_name, "/tmp/a.pcx");
    EXPECT_EQ(r.filter_index, 2);
    // Each chooser has its own memory.
    push_chooser_answer(ChooserAnswer{false, "", 1, {}});
    EXPECT_FALSE(choose_text_file(nullptr, r));
    EXPECT_EQ(r.file_name, "");
    EXPECT_EQ(r.filters[1].pattern, "*.tx_");

    Rgb c{1, 2, 3};
    push_chooser_answer(ChooserAnswer{false, "", 1, {}});
    EXPECT_FALSE(choose_colour(nullptr, c));
    EXPECT_EQ(c, (Rgb{0, 0, 0}));   // black at first
    push_chooser_answer(ChooserAnswer{true, "", 1, Rgb{0, 128, 0}});
    EXPECT_TRUE(choose_colour(nullptr, c));
    push_chooser_answer(ChooserAnswer{false, "", 1, {}});
    EXPECT_FALSE(choose_colour(nullptr, c));
    EXPECT_EQ(c, (Rgb{0, 128, 0}));
}
