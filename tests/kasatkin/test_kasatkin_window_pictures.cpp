// The ten Kasatkin-Seyffarth windows rendered to PNG in English and Russian
// for a person to look at (VELMARIN_TEST_OUTPUT_DIR/steel_windows/); the
// test checks only that each drew curves and left no message.
#include <gtest/gtest.h>

#include "kasatkin_windows.h"
#include "steel_window_test_support.h"

namespace {

struct Case {
    const char* name;
    SteelWindowRoutine routine;
    int scheme;
    std::vector<double> record;
    int selector;
};

const double velocity[] = {0.5, 0.3, 850, 500};

std::vector<Case> cases()
{
    const std::vector<double> point(velocity, velocity + 4);
    return {
        {"kasatkin_properties_at_point", kasatkin_properties_at_point_window, 2, point, 0},
        {"kasatkin_structure_at_point", kasatkin_structure_at_point_window, 2, point, 0},
        {"kasatkin_structure_vs_energy", kasatkin_structure_vs_energy_window, 2,
         {0.5, 0.3, 850, 500, 2000, 5000, 0.1, 0.1}, 0},
        {"kasatkin_properties_vs_energy", kasatkin_properties_vs_energy_window, 2,
         {0.5, 0.3, 850, 500, 2000, 5000, 0.1, 0.1}, 0},
        {"kasatkin_structure_vs_chemistry", kasatkin_structure_vs_chemistry_window, 2, point, 0},
        {"kasatkin_properties_vs_chemistry", kasatkin_properties_vs_chemistry_window, 2, point, 1},
        {"kasatkin_structure_vs_preheat", kasatkin_structure_vs_preheat_window, 2,
         {0.5, 0.3, 850, 500, 100, 400}, 0},
        {"kasatkin_properties_vs_preheat", kasatkin_properties_vs_preheat_window, 2,
         {0.5, 0.3, 850, 500, 100, 400}, 0},
        {"kasatkin_structure_vs_thickness", kasatkin_structure_vs_thickness_window, 1,
         {0.1, 0, 850, 500, 0.5, 3.0}, 0},
        {"kasatkin_properties_vs_thickness", kasatkin_properties_vs_thickness_window, 1,
         {0.1, 0, 850, 500, 0.5, 3.0}, 0},
        {"kasatkin_structure_vs_energy_gap", kasatkin_structure_vs_energy_window, 2,
         {0.5, 0, 850, 500, 200, 5000, 0.1, 0.1}, 0},
        {"kasatkin_properties_vs_preheat_gap", kasatkin_properties_vs_preheat_window, 2,
         {0.5, 0.3, 850, 500, 100, 800}, 0},
    };
}

class KasatkinWindowPictures : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { set_language(Language::english); }
};

TEST_P(KasatkinWindowPictures, EveryWindowDrawsWithoutMessages)
{
    for (const Case& c : cases()) {
        reset_program_state();
        install_scheme(c.scheme);
        set_language(GetParam());
        const int coloured = render_steel_window(c.routine, c.record.data(), c.selector,
                                                 composition_dialog_start(),
                                                 std::string(c.name) + "_" + language_tag(GetParam()));
        EXPECT_GT(coloured, 500) << c.name;
        EXPECT_TRUE(shown_boxes().empty()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, KasatkinWindowPictures,
                         ::testing::Values(Language::english, Language::russian),
                         [](const auto& info) { return language_tag(info.param); });

} // namespace
