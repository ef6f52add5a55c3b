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
        {"isotherms_(xy|xz|yz)|thermal_cycle",
         "outside", "", "", 0, 0, 0, false,
         "Texts wider than their place: the scheme titles in font H18 (42) from 0.5 h and the model lines \" Account on "
         "model: ...\" centred or from the plot's left in fonts of 1.2 H to 4 H / 3 (28 to 36 px), with the long "
         "scheme names (4, 6, 9 and the German and French ones) 1000 to 1300 px wide; the Russian model line of the "
         "chemistry windows with a German name; legend labels from R + 3.2 cw."},
        {"isotherms_xy", "covered|overlap|crosses", "", "", 0, 0, 0,
         false,
         "Labels inside the plot at their data: the point's curve marker over a CCT label; the plate label of the "
         "two-plate isotherm section on the axis line y = 0; a value label under the turned title of the elongation "
         "axis."},
    };
    return cases;
}
