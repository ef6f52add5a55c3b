// The Kasatkin-Seyffarth and Ion windows. Kept cases of the window layout check (see kept_cases.h).
#include "kept_cases.h"

const std::vector<KeptWindowCase>& steel_model_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        {"ion_hardness_vs_preheat", "overlap|covered", "\\(y=", panel_heading, 0, 0, 0, false,
         "The point line stands at P.bottom + 3.8 h13: P.bottom = 768 - 10 h = 528 (h = 24, the line of font H = 768 / "
         "32), h13 = 30 (font 1.3 H = 31), so its cell is 642 to 666; the panel's heading in font 1.2 x 27 = 32 stands "
         "at 768 - 4.7 cy = 641 (cy = 27 of font 768 / 28) and is drawn over it."},
        {"kasatkin_properties_vs_(energy|chemistry)", "covered", "\\(y=", panel_heading, 0, 0, 0, false,
         "The point line stands at 768 - 6.2 h = 620 (h = 24, the line of font H = 768 / 30 = 25), its cell down to 644; "
         "the panel's heading cell begins at 768 - 4.7 cy = 641 (cy = 27) and is opaque, so it blanks the last three "
         "rows of the point line's brackets and the y's tail."},
    };
    return cases;
}

const std::vector<KeptWindowCase>& steel_model_cases_after_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        {"ion_hardness_(at_point|vs_thickness)|kasatkin_(properties_vs_preheat|properties_vs_thickness|structure_vs_chemistry)",
         ".", "", "", 40, 200, 1, false,
         "The band of the composition table (from y = 1.8 c, 3.1 h, 4 h or 5 h, rows of its font's cell): the steel "
         "lines, title lines and the top labels of axes standing above the plot's top share its rows and meet its "
         "texts and rules."},
        {"ion_hardness_(at_point|vs_energy)|kasatkin_properties_vs_thickness",
         ".", "", "", 0, 0, 0, true,
         "Turned axis titles stand at their x (e.g. 0.3 h, 0.5 h, L - 3 h, 4 h12, 3.8 h12) in fonts 1.1 H to 3 H / 2, "
         "centred on the plot's height, beside axes at 3 h, 3.5 h, 8 h or L - 4 h whose labels end on the axis: a label "
         "of three or more digits, the axis line and its ticks, or the marker glyph of the title's legend at its top "
         "meet the turned title."},
        {"ion_hardness_(vs_chemistry|vs_energy)|kasatkin_(properties_at_point|properties_vs_energy|structure_at_point)",
         "covered|overlap", "", "", 0, 70, 0, false,
         "Title lines in font 1.2 H to 1.4 H (30 to 35 px) at 0.3 h and 1.1 h to 1.5 h of their own height: 0.8 h to "
         "1.2 h apart, so the second line's opaque cell reaches the first line's descenders."},
        {"ion_hardness_(at_point|vs_chemistry|vs_energy|vs_preheat|vs_thickness)|kasatkin_(properties_at_point|properties_vs_chemistry|properties_vs_energy|properties_vs_preheat|properties_vs_thickness|structure_at_point|structure_vs_chemistry|structure_vs_energy|structure_vs_preheat|structure_vs_thickness)",
         "outside", "", "", 0, 0, 0, false,
         "Texts wider than their place: the scheme titles in font H18 (42) from 0.5 h and the model lines \" Account on "
         "model: ...\" centred or from the plot's left in fonts of 1.2 H to 4 H / 3 (28 to 36 px), with the long "
         "scheme names (4, 6, 9 and the German and French ones) 1000 to 1300 px wide; the Russian model line of the "
         "chemistry windows with a German name; legend labels from R + 3.2 cw."},
        {"ion_hardness_vs_energy",
         ".", "", "", 480, 768, 1, false,
         "Result tables under the plot (structure, properties, point) at P.bottom + a multiple of h: the Shorshorov tables at P.bottom + 4.3 c with P.bottom = 768 - 13 c0 = 547 (c0 = 17) stand over the "
         "panel's heading and row 1. The lines under the plot at their rows (axis title at P.bottom + 1.1 to 1.3 of "
         "its height, model line at 2.5 to 3.0 h12 or 6.8 to 8.2 h, point line at 3.8 to 4.3 h13 or 5.5 to 6.3 h) in "
         "fonts of different heights: a cell of one reaches the next by 1 to 4 px; the note of points left out takes "
         "the axis title's row height."},
    };
    return cases;
}
