// The five Ion windows rendered to PNG in English and Russian for a person
// to look at (VELMARIN_TEST_OUTPUT_DIR/steel_windows/); the test checks only
// that each drew curves and left no message.
#include <gtest/gtest.h>

#include "steel_window_test_support.h"
#include "ion_windows.h"

namespace {

struct Case {
    const char* name;
    SteelWindowRoutine routine;
    int scheme;
    std::vector<double> record;
    int selector;
};

std::vector<Case> cases()
{
    return {
        {"ion_hardness_at_point", ion_hardness_at_point_window, 2, {0.5, 0.3, 850, 500}, 0},
        {"ion_hardness_vs_chemistry", ion_hardness_vs_chemistry_window, 2, {0.5, 0.3, 850, 500}, 2},
        {"ion_hardness_vs_energy", ion_hardness_vs_energy_window, 2, {0.5, 0.3, 850, 500, 2000, 5000, 0.1, 0.1}, 0},
        {"ion_hardness_vs_preheat", ion_hardness_vs_preheat_window, 2, {0.5, 0.3, 850, 500, 100, 400}, 0},
        {"ion_hardness_vs_thickness", ion_hardness_vs_thickness_window, 1, {0.1, 0, 850, 500, 0.5, 3.0}, 0},
        {"ion_hardness_vs_energy_gap", ion_hardness_vs_energy_window, 2, {0.5, 0, 850, 500, 200, 5000, 0.1, 0.1}, 0},
        {"ion_hardness_vs_preheat_gap", ion_hardness_vs_preheat_window, 2, {0.5, 0.3, 850, 500, 100, 800}, 0},
    };
}

class IonWindowPictures : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { set_language(Language::english); }
};

TEST_P(IonWindowPictures, EveryWindowDrawsWithoutMessages)
{
    for (const Case& c : cases()) {
        reset_program_state();
        install_scheme(c.scheme);
        set_language(GetParam());
        const int coloured = render_steel_window(c.routine, c.record.data(), c.selector, example_composition(),
                                                 std::string(c.name) + "_" + language_tag(GetParam()));
        EXPECT_GT(coloured, 500) << c.name;
        EXPECT_TRUE(shown_boxes().empty()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, IonWindowPictures, ::testing::Values(Language::english, Language::russian),
                         [](const auto& info) { return language_tag(info.param); });

} // namespace
