// Findings of the window layout check that a window's own coordinates make,
// each with the numbers behind it (those of a 1024 x 768 client). The tables
// live beside the windows' subsystems: a finding is taken by the first case
// that fits it, in the order kept_window_cases() joins them.
#pragma once

#include <vector>

// A finding that the window's own layout makes, with the numbers behind it.
struct KeptWindowCase {
    const char* families;  // regex over the family's name, or over "family/scheme/language" (e.g.
                           // "thermal_cycle/5'/de"); each family it names must show the case
    const char* kinds;     // regex over the finding's kind
    const char* first;     // regex searched in the first text ("" any)
    const char* second;    // regex searched in the second text ("" any)
    int band_top = 0;      // the texts' ink (an opaque text's cell) begins at or below this row...
    int band_bottom = 0;   // ...and above this one (0: no limit)
    int rule_width = 0;    // crossings: only by lines this wide (0 any)
    bool turned = false;   // one of the texts is turned
    const char* layout;    // why: the coordinates that put them there
};

inline const char* const panel_heading = "Thermal-physical|Теплофіз|Теплофиз|thermischen|caractéristiques";

const std::vector<KeptWindowCase>& steel_model_cases_before_panel();
const std::vector<KeptWindowCase>& steel_model_cases_after_panel();
const std::vector<KeptWindowCase>& seyffarth_cases_before_panel();
const std::vector<KeptWindowCase>& seyffarth_cases_after_panel();
const std::vector<KeptWindowCase>& shorshorov_cases_before_panel();
const std::vector<KeptWindowCase>& shorshorov_cases_after_panel();
const std::vector<KeptWindowCase>& temperature_cases_before_panel();
const std::vector<KeptWindowCase>& temperature_cases_after_panel();
const std::vector<KeptWindowCase>& digitizer_cases();
const std::vector<KeptWindowCase>& panel_cases_schemes_1_to_5();
const std::vector<KeptWindowCase>& panel_cases_schemes_6_to_14();
