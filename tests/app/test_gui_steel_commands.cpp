// The steel-model commands through the main window: the composition and
// element-choice dialogs, the order of the dialogs, OK and Cancel, the
// window drawn and repainted, and reports shown once per command.
#include "frame_test_support.h"

#include "chemistry_dialogs.h"
#include "commands.h"
#include "cooling_reports.h"
#include "image_canvas.h"
#include "steel_commands.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

class SteelCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        reset_chemistry_dialogs();
        chemistry_first_opening = 1;
    }
    void TearDown() override { stop_program(); }

    // Runs the command, answering each dialog that opens with the next
    // action; returns the templates in the order they opened.
    std::vector<std::string> run(int command, std::vector<std::function<void(Window*)>> answers)
    {
        std::vector<std::string> opened;
        for (auto& answer : answers)
            push_dialog_hook([&opened, answer](Window* dlg, const std::string& name) {
                opened.push_back(name);
                answer(dlg);
            });
        run_menu_command(command);
        clear_dialog_hooks();
        return opened;
    }
};

auto press(int id)
{
    return [id](Window* dlg) { dialog_click(dlg, id); };
}

// The point dialog's texts, then OK.
auto point(const char* y, const char* z, const char* from, const char* to)
{
    return [=](Window* dlg) {
        dialog_type_text(dlg, 10147, y);
        dialog_type_text(dlg, 10148, z);
        dialog_type_text(dlg, 10151, from);
        dialog_type_text(dlg, 10152, to);
        dialog_click(dlg, 10150);
    };
}

std::vector<std::string> box_texts(Window* dlg, int id)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo_get_count(dlg, id); ++i) texts.push_back(combo_get_item_text(dlg, id, i));
    return texts;
}

TEST_F(SteelCommands, SteelModelItemsAreEnabledAtStart)
{
    for (const SteelCommand& c : steel_commands()) EXPECT_FALSE(item_grayed(c.id)) << c.id;
    EXPECT_EQ(steel_commands().size(), 15u);
}

TEST_F(SteelCommands, CompositionDialogShowsItsDefaultsAndOkStoresThem)
{
    std::vector<std::string> shown;
    const auto opened = run(cmd::kasatkin_structure_at_point, {[&](Window* dlg) {
                                                                   for (const ChemistryBox& box : chemistry_boxes())
                                                                       shown.push_back(get_item_text(dlg, box.id));
                                                                   dialog_click(dlg, 1);
                                                               },
                                                               press(10149)});
    EXPECT_EQ(opened, (std::vector<std::string>{"CHEMISTRY_E", "VELOCITY_E"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"0.09", "1.34", "0.54", "0.96", "0", "0.44", "0", "0", "0", "0",
                                               "0", "0.32"}));
    const std::vector<std::pair<int, double>> expected{{el_c, 0.09}, {el_mn, 1.34}, {el_si, 0.54}, {el_cr, 0.96},
                                                       {el_mo, 0},    {el_ni, 0.44}, {el_v, 0},     {el_ti, 0},
                                                       {el_al, 0},    {el_nb, 0},    {el_w, 0},     {el_cu, 0.32}};
    for (const auto& [element, value] : expected) EXPECT_DOUBLE_EQ(chemistry_input[element], value) << element;
    // Cancel in the point dialog leaves the window blank.
    EXPECT_EQ(current_paint, blank_on_paint);
}

TEST_F(SteelCommands, TypedValueIsOfferedBelowTheDefaultNextTime)
{
    run(cmd::kasatkin_structure_at_point, {[](Window* dlg) {
                                               dialog_type_text(dlg, 10067, "0.123");
                                               dialog_click(dlg, 1);
                                           },
                                           press(10149)});
    EXPECT_DOUBLE_EQ(chemistry_input[el_c], 0.123);
    std::vector<std::string> carbon;
    std::vector<std::string> nickel;
    run(cmd::kasatkin_structure_at_point, {[&](Window* dlg) {
                                               carbon = box_texts(dlg, 10067);
                                               nickel = box_texts(dlg, 10009);
                                               dialog_choose_combo_item(dlg, 10009, 3);   // 1.425
                                               dialog_click(dlg, 1);
                                           },
                                           press(10149)});
    ASSERT_GE(carbon.size(), 3u);
    EXPECT_EQ(carbon[0], "0.09");
    EXPECT_EQ(carbon[1], "0.123");
    EXPECT_EQ(carbon[2], "0.4");
    EXPECT_EQ(carbon.back(), "0");
    // The default 0.44 is no entry of the list, so the text of the last OK
    // comes again below it, then the 21 entries.
    ASSERT_EQ(nickel.size(), 23u);
    EXPECT_EQ(nickel[0], "0.44");
    EXPECT_EQ(nickel[1], "0.44");
    EXPECT_EQ(nickel[2], "1.500");
    EXPECT_EQ(nickel[3], "1.425");
    EXPECT_DOUBLE_EQ(chemistry_input[el_ni], 1.425);
}

TEST_F(SteelCommands, TextThatIsNoNumberIsRefusedAndTheDialogStaysOpen)
{
    bool still_open = false;
    run(cmd::kasatkin_structure_at_point, {[&](Window* dlg) {
                                               dialog_type_text(dlg, 10068, "1,34");
                                               dialog_click(dlg, 1);
                                               still_open = dialog_is_open(dlg);
                                               dialog_type_text(dlg, 10068, "1.5");
                                               dialog_click(dlg, 1);
                                           },
                                           press(10149)});
    EXPECT_TRUE(still_open);
    const auto boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("Mn %"), std::string::npos) << boxes[0].text;
    EXPECT_DOUBLE_EQ(chemistry_input[el_mn], 1.5);
}

TEST_F(SteelCommands, IonCompositionListsRunOverTheModelsRanges)
{
    std::vector<std::vector<std::string>> lists;
    for (int opening = 0; opening < 2; ++opening)
        run(cmd::ion_hardness_at_point, {[&](Window* dlg) {
                                             std::vector<std::string> first;
                                             for (const ChemistryBox& box : chemistryion_boxes())
                                                 first.push_back(get_item_text(dlg, box.id));
                                             lists.push_back(first);
                                             if (lists.size() == 1) lists.push_back(box_texts(dlg, 10069));
                                             dialog_click(dlg, 1);
                                         },
                                         press(10149)});
    const std::vector<std::string> maxima{"0.180", "0.530", "1.400", "0.029", "0.043", "0.070", "0.060", "0.210"};
    EXPECT_EQ(lists[0], maxima);
    EXPECT_EQ(lists[2], maxima);   // nothing of the first opening is kept
    EXPECT_EQ(lists[1], (std::vector<std::string>{"1.400", "1.350", "1.301", "1.251", "1.202", "1.152", "1.103",
                                                  "1.053", "1.004", "0.954", "0.905", "0.855", "0.806", "0.756",
                                                  "0.707", "0.657", "0.608", "0.558", "0.509", "0.459", "0.410"}));
    EXPECT_DOUBLE_EQ(chemistry_input[el_c], 0.18);
    EXPECT_DOUBLE_EQ(chemistry_input[el_p], 0.029);
    EXPECT_DOUBLE_EQ(chemistry_input[el_cu], 0.21);
}

TEST_F(SteelCommands, ChemistryCommandsAskForTheElementBetweenCompositionAndPoint)
{
    struct Row {
        int command;
        int button;
        int expected;
        const int* variable;
        std::vector<std::string> templates;
    };
    const Row rows[] = {
        {cmd::kasatkin_structure_vs_chemistry, 10331, 10, &kasatkin_varied_element,
         {"CHEMISTRY_E", "CHEMISTRYCHOICE_E", "VELOCITY_E"}},
        {cmd::kasatkin_properties_vs_chemistry, 10330, 9, &kasatkin_varied_element,
         {"CHEMISTRY_E", "CHEMISTRYCHOICE_E", "VELOCITY_E"}},
        {cmd::ion_hardness_vs_chemistry, 10321, 3, &ion_varied_element,
         {"CHEMISTRYION_E", "IONCHOICE_E", "VELOCITY_E"}},
    };
    for (const Row& row : rows) {
        bool carbon_first = false;
        const auto opened = run(row.command, {press(1),
                                              [&](Window* dlg) {
                                                  carbon_first = is_button_checked(dlg, 10318);
                                                  dialog_click(dlg, row.button);
                                                  dialog_click(dlg, 1);
                                              },
                                              point("0.5", "0.3", "850", "500")});
        EXPECT_EQ(opened, row.templates);
        EXPECT_EQ(*row.variable, row.expected) << row.command;
        EXPECT_TRUE(carbon_first) << row.command;
        EXPECT_NE(current_paint, blank_on_paint) << row.command;
        EXPECT_GT(drawn_pixels(), 100);
        EXPECT_TRUE(message_box_take_log().empty());
        reset_chemistry_dialogs();
    }
    // The next opening shows the element chosen last.
    kasatkin_varied_element = 10;
    bool w_checked = false;
    run(cmd::kasatkin_structure_vs_chemistry, {press(1),
                                               [&](Window* dlg) {
                                                   w_checked = is_button_checked(dlg, 10331);
                                                   dialog_click(dlg, 1);
                                               },
                                               press(10149)});
    EXPECT_TRUE(w_checked);
    EXPECT_EQ(current_paint, blank_on_paint);
}

TEST_F(SteelCommands, EveryCommandOpensItsDialogsInOrderAndDrawsOnOk)
{
    struct Row {
        int command;
        std::vector<std::string> templates;
        PaintCallback painter;
        int scheme = 2;
    };
    // The thickness window on the thin plate: the start scheme is a body.
    const std::vector<Row> rows{
        {cmd::kasatkin_properties_at_point, {"CHEMISTRY_E", "VELOCITY_E"}, kasatkin_properties_at_point_window_on_paint},
        {cmd::kasatkin_structure_vs_energy, {"CHEMISTRY_E", "SEYFFARTHPOGONENERGY_E"},
         kasatkin_structure_vs_energy_window_on_paint},
        {cmd::kasatkin_properties_vs_thickness, {"CHEMISTRY_E", "THICKNESS_E"},
         kasatkin_properties_vs_thickness_window_on_paint, 1},
        {cmd::kasatkin_structure_vs_preheat, {"CHEMISTRY_E", "PREHEAT_E"}, kasatkin_structure_vs_preheat_window_on_paint},
        {cmd::ion_hardness_vs_energy, {"CHEMISTRYION_E", "SEYFFARTHPOGONENERGY_E"}, ion_hardness_vs_energy_window_on_paint},
        {cmd::ion_hardness_vs_preheat, {"CHEMISTRYION_E", "PREHEAT_E"}, ion_hardness_vs_preheat_window_on_paint},
    };
    for (const Row& row : rows) {
        install_scheme(row.scheme);
        // OK in both dialogs with the range dialog's defaults (OK is 10158 there).
        const auto opened = run(row.command, {press(1), [&](Window* dlg) {
                                                  dialog_click(dlg, row.templates[1] == "VELOCITY_E" ? 10150 : 10158);
                                              }});
        EXPECT_EQ(opened, row.templates);
        EXPECT_EQ(current_paint, row.painter) << row.command;
        EXPECT_GT(drawn_pixels(), 100) << row.command;
        // Cancel in the last dialog: the window stays blank.
        run(row.command, {press(1), [&](Window* dlg) {
                              dialog_click(dlg, row.templates[1] == "VELOCITY_E" ? 10149 : 10157);
                          }});
        EXPECT_EQ(current_paint, blank_on_paint) << row.command;
        EXPECT_EQ(drawn_pixels(), 0) << row.command;
    }
    message_box_take_log();

    // On a body the thickness window says it has no thickness to vary, once,
    // and draws nothing, also at the repaints that follow.
    install_scheme(2);
    run(cmd::kasatkin_properties_vs_thickness, {press(1), press(10158)});
    invalidate_window(main_window, true);
    process_pending_messages();
    const auto boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, no_thickness_text());
    EXPECT_EQ(drawn_pixels(), 0);
}

TEST_F(SteelCommands, RepaintRecomputesWithTheCompositionOfTheLastOk)
{
    run(cmd::ion_hardness_at_point, {press(1), point("0.5", "0.3", "850", "500")});
    ASSERT_EQ(current_paint, ion_hardness_at_point_window_on_paint);
    const int first = drawn_pixels();
    EXPECT_GT(first, 100);
    invalidate_window(main_window, true);
    process_pending_messages();
    EXPECT_EQ(drawn_pixels(), first);
    // The regime sweeps leave the scheme's regime as they found it.
    const double v = current_model.velocity(), q = current_model.power(), T0 = current_model.initial_temperature();
    run(cmd::ion_hardness_vs_preheat, {press(1), press(10158)});
    invalidate_window(main_window, true);
    process_pending_messages();
    EXPECT_DOUBLE_EQ(current_model.velocity(), v);
    EXPECT_DOUBLE_EQ(current_model.power(), q);
    EXPECT_DOUBLE_EQ(current_model.initial_temperature(), T0);
}

TEST_F(SteelCommands, UnheatedPointIsReportedOnceNotAtEveryRepaint)
{
    run(cmd::kasatkin_structure_at_point, {press(1), point("20", "0", "850", "500")});
    auto boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "  Message!");
    EXPECT_EQ(boxes[0].text.rfind("Maximum temperature=", 0), 0u) << boxes[0].text;
    EXPECT_EQ(boxes[1].text, "You are fault with temperature ... ");
    EXPECT_EQ(current_paint, kasatkin_structure_at_point_window_on_paint);
    for (int i = 0; i < 2; ++i) {
        invalidate_window(main_window, true);
        process_pending_messages();
    }
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_EQ(drawn_pixels(), 0);
}

TEST_F(SteelCommands, PrintDrawsTheSteelWindowOnThePage)
{
    run(cmd::kasatkin_structure_at_point, {press(1), point("0.5", "0.3", "850", "500")});
    ImageCanvas page(1000, 1400);
    EXPECT_TRUE(print_steel_window(page.canvas()));
    int drawn = 0;
    for (int y = 0; y < 1400; y += 5)
        for (int x = 0; x < 1000; x += 5)
            if (!(page.pixel(x, y) == Rgb{255, 255, 255})) ++drawn;
    EXPECT_GT(drawn, 100);
    current_paint = blank_on_paint;
    EXPECT_FALSE(print_steel_window(page.canvas()));
}

// The four dialogs and the window after their command, in English and
// Russian, for a person to look at (VELMARIN_TEST_OUTPUT_DIR/steel_commands/).
TEST_F(SteelCommands, PicturesOfTheDialogsAndTheirWindows)
{
    const std::filesystem::path output = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "steel_commands";
    std::filesystem::create_directories(output);
    for (Language language : {Language::english, Language::russian}) {
        set_language(language);
        const std::string tag = language == Language::english ? "en" : "ru";
        auto shoot = [&](int button) {
            return [=](Window* dlg) {
                EXPECT_TRUE(save_window_screenshot(dlg, (output / (tag + "_" + dialog_template_name(dlg) + ".png")).string()));
                dialog_click(dlg, button);
            };
        };
        run(cmd::kasatkin_properties_vs_chemistry, {shoot(1), shoot(1), point("0.5", "0.3", "850", "500")});
        EXPECT_TRUE(save_window_screenshot(main_window, (output / (tag + "_kasatkin_properties_vs_chemistry.png")).string()));
        run(cmd::ion_hardness_vs_chemistry, {shoot(1), shoot(1), point("0.5", "0.3", "850", "500")});
        EXPECT_TRUE(save_window_screenshot(main_window, (output / (tag + "_ion_hardness_vs_chemistry.png")).string()));
        EXPECT_TRUE(message_box_take_log().empty());
    }
    set_language(Language::english);
}

} // namespace
