// The Shorshorov atlas windows and its HAZ profiles. Kept cases of the window layout check (see kept_cases.h).
#include "kept_cases.h"

const std::vector<KeptWindowCase>& shorshorov_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        {"shorshorov_haz_profile_.", ".", "", "", 0, 200, 0, false,
         "The profile's value axis draws its tick values 0 .. n (n + 1 labels, no range test) from the first multiple "
         "of the step at or above the minimum, with n the step count of a range asked for 5 values: the last one or two "
         "stand above the plot top 8 H0 = 192 (hardness at the start scheme: 260 to 272, step 4, labels 260 .. 276, 276 "
         "at row 100; thin plate: 351 to 365, labels 352 .. 368, 368 at row 130), at rows 96 to 140, "
         "where the composition table (top 4 H0 = 96, rows 20 px in font 24), the class line and the title are."},
    };
    return cases;
}

const std::vector<KeptWindowCase>& shorshorov_cases_after_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        {"shorshorov_(properties_vs_energy|properties_vs_preheat|properties_vs_thickness|structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness)",
         ".", "", "", 40, 200, 1, false,
         "The band of the composition table (from y = 1.8 c, 3.1 h, 4 h or 5 h, rows of its font's cell): the steel "
         "lines, title lines and the top labels of axes standing above the plot's top share its rows and meet its "
         "texts and rules."},
        {"shorshorov_(properties_vs_energy|properties_vs_preheat|properties_vs_thickness|structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness)",
         "crosses", "", "", 40, 200, 0, false,
         "The Shorshorov steel lines (class and grade at 2 c and 3 c of c = 24) run through the composition table at "
         "1.8 c to 3.8 c and the ticks of the axes above the plot top 7 c0 = 119 (c0 = 17, the sample line of the 16 "
         "px system font)."},
        {"shorshorov_(properties_vs_energy|properties_vs_preheat|properties_vs_thickness|structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness)",
         ".", "", "", 0, 0, 0, true,
         "Turned axis titles stand at their x (e.g. 0.3 h, 0.5 h, L - 3 h, 4 h12, 3.8 h12) in fonts 1.1 H to 3 H / 2, "
         "centred on the plot's height, beside axes at 3 h, 3.5 h, 8 h or L - 4 h whose labels end on the axis: a label "
         "of three or more digits, the axis line and its ticks, or the marker glyph of the title's legend at its top "
         "meet the turned title."},
        {"shorshorov_micrograph",
         "covered|overlap", "", "", 0, 70, 0, false,
         "Title lines in font 1.2 H to 1.4 H (30 to 35 px) at 0.3 h and 1.1 h to 1.5 h of their own height: 0.8 h to "
         "1.2 h apart, so the second line's opaque cell reaches the first line's descenders."},
        {"shorshorov_(haz_profile_1|haz_profile_2|haz_profile_3|haz_profile_4|micrograph|properties_vs_energy|structure_at_point|structure_vs_preheat)",
         "outside", "", "", 0, 0, 0, false,
         "Texts wider than their place: the scheme titles in font H18 (42) from 0.5 h and the model lines \" Account on "
         "model: ...\" centred or from the plot's left in fonts of 1.2 H to 4 H / 3 (28 to 36 px), with the long "
         "scheme names (4, 6, 9 and the German and French ones) 1000 to 1300 px wide; the Russian model line of the "
         "chemistry windows with a German name; legend labels from R + 3.2 cw."},
        {"shorshorov_(haz_profile_1|haz_profile_2|haz_profile_3|haz_profile_4|properties_vs_energy|structure_at_point|structure_vs_energy|structure_vs_thickness)",
         ".", "", "", 480, 768, 1, false,
         "Result tables under the plot (structure, properties, point) at P.bottom + a multiple of h: the Shorshorov tables at P.bottom + 4.3 c with P.bottom = 768 - 13 c0 = 547 (c0 = 17) stand over the "
         "panel's heading and row 1. The lines under the plot at their rows (axis title at P.bottom + 1.1 to 1.3 of "
         "its height, model line at 2.5 to 3.0 h12 or 6.8 to 8.2 h, point line at 3.8 to 4.3 h13 or 5.5 to 6.3 h) in "
         "fonts of different heights: a cell of one reaches the next by 1 to 4 px; the note of points left out takes "
         "the axis title's row height."},
        {"shorshorov_haz_profile_3", "covered|overlap|crosses", "", "", 0, 0, 0,
         false,
         "Labels inside the plot at their data: the point's curve marker over a CCT label; the plate label of the "
         "two-plate isotherm section on the axis line y = 0; a value label under the turned title of the elongation "
         "axis."},
    };
    return cases;
}
