// The Shorshorov atlas windows and its HAZ profiles. Kept cases of the window layout check (see kept_cases.h).
//
// Numbers of a 1024 x 768 client. The frame's base font is H = 768 / 32 = 24
// (the micrograph's 768 / 28 = 27, the HAZ profile's 768 / 30 = 25); c0 = 17
// is the line of the canvas's own font as the routine finds it (25 in the HAZ
// profile, 27 in the micrograph, which measure it in their base font). The
// plot rectangles: structure at a point (5 c0, 7 c0, R - 7 c0, B - 13 c0) =
// (85, 119, 905, 547); the structure sweeps (8 c0, 7 c0, .., B - 11 c0) =
// (136, 119, 905, 581), the property sweeps from 12 c0 = 204, except the
// properties versus thickness, whose c0 = 24 is measured in the turned font H:
// (288, 168, 856, 504); the HAZ profile
// (12 c0, 7 c0, .., B - 13 c0) = (300, 175, 724, 443). The steel lines are
// measured in font H: c = 24, w = 290 (the sample steel's widest title line,
// "HAZ versus W (800-500 C), C/s"). Tables take rows of 20 px, grown to the
// font's cell and a pixel (25 px in font 24, 26 in font 25). The structure
// window at a point and the sweeps move their plot's top down under the
// composition table and the steel lines, and its bottom up so that the rows
// under it (x title, notes, model and point lines, the structure table) end
// above the parameter panel.
#include "kept_cases.h"

const std::vector<KeptWindowCase>& shorshorov_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}

const std::vector<KeptWindowCase>& shorshorov_cases_after_panel()
{
    // The windows strict at 1024 x 768 keep nothing: texts that only touch pass there.
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}
