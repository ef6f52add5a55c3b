// The parameter panel under every window, schemes 1 to 5 (with the program's start block of 5) and 6 to 14.
// Kept cases of the window layout check (see kept_cases.h); a cause both groups show is written once.
//
// The panel on a 1024 x 768 client: H = 768 / 28 = 27 (less where a row would run past the right edge), the
// heading at 768 - 4.7 cy in the largest font up to 1.2 H whose cell ends above row 1's raised numerators, row 1
// at 768 - 3.5 cy and row 2 at 768 - 1.5 cy from x0 = 2 cw; units in 3 H / 4, marks and subscripts in 3 H / 5.
// Texts of the panel only touch: none lies on another, none runs past the window.
// Only findings between two texts of the panel are kept here; a window's own text meeting the panel is its
// subsystem's case.
#include "kept_cases.h"

namespace {

// The families that show each case at the start values.
const char* const exponent_families = "(ion_hardness_(at_point|vs_preheat|vs_thickness)|isotherms_xy|kasatkin_(properties|structure)_(at_point|vs_chemistry|vs_preheat|vs_thickness)|seyffarth_haz_profile_[0-6]|seyffarth_(micrograph|properties_at_point|properties_vs_preheat|properties_vs_thickness|structure_at_point|structure_vs_thickness)|shorshorov_(properties|structure)_vs_(preheat|thickness)|thermal_cycle)";
const char* const subscript_families = "(ion_hardness_(at_point|vs_chemistry|vs_energy|vs_preheat|vs_thickness)|isotherms_(xy|xz|yz)|kasatkin_(properties|structure)_(at_point|vs_chemistry|vs_energy|vs_preheat|vs_thickness)|seyffarth_haz_profile_[0-6]|seyffarth_micrograph|seyffarth_(properties|structure)_(at_point|vs_energy|vs_preheat|vs_thickness)|shorshorov_(properties|structure)_vs_(energy|preheat|thickness)|thermal_cycle)";
const char* const t0_families = "(isotherms_xy|thermal_cycle)";

const char* const exponent_touches_cm =
    "R_T's numerator: the exponent 2 (font 3 H / 5) stands right after 'cm' (font 3 H / 4), where the m's glyph box "
    "ends a pixel past its advance: the two boxes share one column.";

const char* const subscript_touches_letter =
    "A subscript at the letter's end (the T of R_T after the R, the 0 of T0 after the T): the letter's glyph box "
    "reaches one column past its advance into the subscript's.";

} // namespace

const std::vector<KeptWindowCase>& panel_cases_schemes_1_to_5()
{
    static const std::vector<KeptWindowCase> cases = {
        {exponent_families, "overlap", "^(cm|см)$", "^2$", 0, 0, 0, false, exponent_touches_cm},
        {"(seyffarth_cct_at_point|shorshorov_(haz_profile_.|micrograph|structure_at_point))/5'/(en|de|fr)",
         "overlap", "^(cm|см)$", "^2$", 0, 0, 0, false,
         "q/(v·δ1)'s unit J/cm²: the exponent 2 (font 3 H / 5) stands right after 'cm' (font 3 H / 4), where the m's "
         "glyph box ends a pixel past its advance; these windows draw the panel of scheme 5's start block, whose "
         "point now reaches the cooling interval."},
        {subscript_families, "overlap", "^R$", "^T$", 0, 0, 0, false, subscript_touches_letter},
        {t0_families, "overlap", "^T  = \\S+ $", "^0$", 0, 0, 0, false, subscript_touches_letter},
    };
    return cases;
}

const std::vector<KeptWindowCase>& panel_cases_schemes_6_to_14()
{
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}
