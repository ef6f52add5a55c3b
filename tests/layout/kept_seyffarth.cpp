// The Seyffarth atlas windows and its HAZ profiles. Kept cases of the window layout check (see kept_cases.h).
//
// Numbers are those of the 1024 x 768 client: H = 768 / 30 = 25 (h = 25) for the frame's windows, 768 / 28 = 27
// for the micrograph, 768 / 33 = 23 for the properties against the energy input, 768 / 32 = 24 for the HAZ
// profile. Every case lies above the parameter panel (row 630 and below), so all of them are tried before the
// panel's cases.
#include "kept_cases.h"

const std::vector<KeptWindowCase>& seyffarth_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        // --- CCT diagram
        {"seyffarth_cct_at_point/(2|4|5'|9)/.*", "crosses", "^[0-9]+$", "", 400, 480, 1, false,
         "The hardness label of a curve hangs below the curve's last point in an ellipse (px - 0.5w - 5, py) .. (px + "
         "0.5w + 5, py + 1.5h + 2), 46 x 39 px for three digits in font H = 25: the sample steel S355J2's curves "
         "of 260 and 223 HV end at (878, 457) and (895, 440), 17 px apart, so each label stands in the other's "
         "ellipse; where the point's cooling time lies beyond the structure table (scheme 4), the line saying so "
         "raises the plot and the labels with it, to rows 402..463."},
        {"seyffarth_cct_diagram", "crosses", "^[0-9]+$", "", 580, 585, 1, false,
         "The same two hardness labels on the taller plot (B = 768 - 5h): the 260 HV ellipse from (855, 591) runs "
         "through the 223 label at (878, 582)."},
        {"seyffarth_cct_at_point/(2|5'|9)/.*", "overlap", "^➀$", "^[0-9]+$", 250, 290, 0, false,
         "The point's cooling curve carries its glyph at samples 17, 27, 37 and 47 (count 5, offset 50 / 7); with "
         "schemes 2 and 9 two of them fall on the circled texts \"26\" and \"60\" of the sample steel's label file, "
         "with scheme 5's start block one on \"11\", drawn at their own data points in font 768 / 35 = 21."},
    };
    return cases;
}

const std::vector<KeptWindowCase>& seyffarth_cases_after_panel()
{
    // The windows strict at 1024 x 768 keep nothing here: texts that only touch pass there.
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}
