// The point and range dialogs: template, starting texts, the record OK
// fills, the texts each reopens with.
#include "frame_test_support.h"

namespace {

struct Launcher {
    const char* name;
    void (*show)();
    const char* template_name;
    std::vector<std::string> defaults;
    int ok;
    int cancel;
    std::vector<int> edits;
};

const std::vector<int> point_edits{10153, 10154, 10155, 10156};

std::vector<int> with(std::vector<int> a, std::initializer_list<int> b)
{
    a.insert(a.end(), b);
    return a;
}

const Launcher launchers[] = {
    {"velocity", show_velocity_dialog, "VELOCITY_E", {"0.05", "0.00", "800.0", "500.0"}, 10150, 10149,
     {10147, 10148, 10151, 10152}},
    {"properties_haz", show_properties_haz_dialog, "PROPERTIES_E", {"0.05", "0.00", "850.0", "500.0"}, 10158, 10157,
     point_edits},
    {"properties_mechanical", show_properties_mechanical_dialog, "PROPERTIES_E", {"0.05", "0.00", "850.0", "500.0"},
     10158, 10157, point_edits},
    {"properties_structure", show_properties_structure_dialog, "PROPERTIES_E", {"0.05", "0.00", "850.0", "500.0"},
     10158, 10157, point_edits},
    {"property", show_property_dialog, "PROPERTY_E", {"0.5", "00.5", "850.0", "500.0"}, 10158, 10157, point_edits},
    {"energy", show_seyffarthpogonenergy_dialog, "SEYFFARTHPOGONENERGY_E",
     {"0.05", "0.00", "850.0", "500.0", "200.0", "5000.0", "00.1", "00.1"}, 10158, 10157,
     with(point_edits, {10159, 10160, 10333, 10334})},
    {"thickness", show_thickness_dialog, "THICKNESS_E", {"0.05", "0.00", "850.0", "500.0", "0.1", "3.0"}, 10158, 10157,
     with(point_edits, {10328, 10329})},
    {"preheat", show_preheat_dialog, "PREHEAT_E", {"0.05", "0.00", "850.0", "500.0", "100.0", "400.0"}, 10158, 10157,
     with(point_edits, {10328, 10329})},
};

class ParameterDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        clear_dialog_hooks();
        set_language(Language::english);
        reset_parameter_dialogs();
        current_parameters = nullptr;
    }
    void TearDown() override { clear_dialog_hooks(); }

    // Opens the dialog and returns its template and the texts it showed;
    // types `typed` (in edit order) and presses `button`.
    std::pair<std::string, std::vector<std::string>> open(const Launcher& l, const std::vector<std::string>& typed,
                                                          int button)
    {
        std::pair<std::string, std::vector<std::string>> seen;
        push_dialog_hook([&](Window* dlg, const std::string& name) {
            seen.first = name;
            for (int id : l.edits) seen.second.push_back(get_item_text(dlg, id));
            for (std::size_t i = 0; i < typed.size(); ++i) dialog_type_text(dlg, l.edits[i], typed[i]);
            dialog_click(dlg, button);
        });
        l.show();
        return seen;
    }
};

TEST_F(ParameterDialogs, OpenWithTheirDefaultsAndFillTheirRecordOnOk)
{
    for (const Launcher& l : launchers) {
        SCOPED_TRACE(l.name);
        const auto [name, shown] = open(l, {}, l.ok);
        EXPECT_EQ(name, l.template_name);
        EXPECT_EQ(shown, l.defaults);
        EXPECT_EQ(dialog_accepted, 1);
        ASSERT_NE(current_parameters, nullptr);
        for (std::size_t i = 0; i < l.defaults.size(); ++i)
            EXPECT_DOUBLE_EQ(current_parameters[i], std::stod(l.defaults[i])) << i;   // "00.5" is 0.5
    }
}

TEST_F(ParameterDialogs, CancelKeepsTextsRecordAndCurrentParameters)
{
    const Launcher& velocity = launchers[0];
    const Launcher& thickness = launchers[6];
    open(velocity, {"0.2"}, velocity.ok);
    const double* accepted = current_parameters;
    open(thickness, {"0.7", "0.1"}, thickness.cancel);
    EXPECT_EQ(dialog_accepted, 0);
    EXPECT_EQ(current_parameters, accepted);
    EXPECT_DOUBLE_EQ(current_parameters[0], 0.2);
    // each dialog reopens with its own last accepted texts
    EXPECT_EQ(open(thickness, {}, thickness.cancel).second, thickness.defaults);
    EXPECT_EQ(open(velocity, {}, velocity.cancel).second[0], "0.2");
}

TEST_F(ParameterDialogs, ThePropertiesLaunchersKeepTheirOwnTexts)
{
    open(launchers[2], {"0.2"}, launchers[2].ok);   // mechanical properties
    EXPECT_EQ(open(launchers[1], {}, launchers[1].cancel).second[0], "0.05");
    EXPECT_EQ(open(launchers[3], {}, launchers[3].cancel).second[0], "0.05");
    EXPECT_EQ(open(launchers[2], {}, launchers[2].cancel).second[0], "0.2");
}

struct BadRange {
    int launcher;
    std::vector<std::string> typed;
    const char* field;
};

TEST_F(ParameterDialogs, MeaninglessRangesAreRefusedNamingTheField)
{
    const BadRange cases[] = {
        {5, {"", "", "", "", "200", "5000", "0", "0.1"}, "V min, cm/s"},
        {5, {"", "", "", "", "200", "5000", "0.2", "0.1"}, "V max, cm/s"},
        {5, {"", "", "", "", "-1", "5000", "0.1", "0.1"}, "P min, W"},
        {6, {"", "", "", "", "0", "3"}, "min thickness, cm"},
        {6, {"", "", "", "", "3", "1"}, "max thickness, cm"},
        {7, {"", "", "", "", "400", "100"}, "max preheat temperature, °C"},
        {4, {"0.5", "-1"}, "z, cm"},
    };
    for (const BadRange& c : cases) {
        const Launcher& l = launchers[c.launcher];
        SCOPED_TRACE(l.name);
        bool still_open = false;
        std::vector<MessageBoxRecord> boxes;
        push_dialog_hook([&](Window* dlg, const std::string&) {
            for (std::size_t i = 0; i < c.typed.size(); ++i)
                if (!c.typed[i].empty()) dialog_type_text(dlg, l.edits[i], c.typed[i]);
            dialog_click(dlg, l.ok);
            still_open = dialog_is_open(dlg);
            boxes = message_box_take_log();
            dialog_click(dlg, l.cancel);
        });
        l.show();
        EXPECT_TRUE(still_open);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find(std::string("\"") + c.field + "\""), std::string::npos) << boxes[0].text;
        EXPECT_EQ(dialog_accepted, 0);
    }
}

TEST_F(ParameterDialogs, TemplatesFollowTheLanguage)
{
    const std::pair<Language, const char*> cases[] = {{Language::russian, "VELOCITY_RU"},
                                                      {Language::ukrainian, "VELOCITY_UA"},
                                                      {Language::german, "VELOCITY_D"},
                                                      {Language::french, "VELOCITY_F"}};
    for (const auto& [language, name] : cases) {
        set_language(language);
        EXPECT_EQ(open(launchers[0], {}, launchers[0].cancel).first, name);
    }
    set_language(Language::english);
}

} // namespace
