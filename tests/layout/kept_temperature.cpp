// The thermal cycle, cooling-rate and isotherm windows. Kept cases of the window layout check (see kept_cases.h).
#include "kept_cases.h"

const std::vector<KeptWindowCase>& temperature_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
    };
    return cases;
}

const std::vector<KeptWindowCase>& temperature_cases_after_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        {"isotherms_xy/(4|5|5')/fr", "crosses", "^La plaque #1$", "", 360, 375, 2, false,
         "Plate 1 label of the two-plate isotherms: at (P.left + (P.right - P.left - w) / 2, P.bottom - h), w and h the "
         "extent of \"пластина №1\" in font H28 = 27 (h = 27), P.bottom = 768 - 14 h = 390: the label's cell ends on "
         "row 389, the French label's q reaches it, and the x axis along P.bottom (solid, width 2, from P.left = 135 "
         "to P.right = 1024 - 3 h = 943) covers rows 389 and 390."},
    };
    return cases;
}
