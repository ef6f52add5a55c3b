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

namespace {

const char* const number = "^-?[0-9.]+(e[+-][0-9]+)?$";

} // namespace

const std::vector<KeptWindowCase>& shorshorov_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        // ---- turned axis titles
        {"shorshorov_properties_vs_(energy|preheat)", "crosses", "Z, %$", "", 119, 592, 2, true,
         "The Z title in font H = 24 turned at L - 7 c = 204 - 168 = 36 (cell 36 .. 60), reading upward from B = "
         "581; the cooling-rate axis at left + 3.5 c0 = 59 (2 px, ticks 53 .. 59) runs through it."},
        {"shorshorov_properties_vs_(energy|preheat)", "overlap", number, "Z, %$", 119, 592, 0, true,
         "The cooling-rate labels (the canvas's own font) end at the rate axis' ticks, 53, and begin near 27 .. 44, "
         "inside the Z title's cell 36 .. 60."},
        {"shorshorov_properties_vs_(energy|preheat)", "overlap", "^W 8/5", "A, %$", 119, 592, 0, true,
         "The cooling-rate title turned at (left + 0.1 c, B) = (2, 581), cell 2 .. 26; the A title turned at L - 8.0 "
         "c = 204 - 192 = 12 (energy; cell 12 .. 36) or (int)(L - 8.8 c) = (int)(204 - 211.2) = -7 (preheat; cell "
         "-7 .. 17), both reading upward from B."},
        {"shorshorov_properties_vs_energy", "overlap", number, "A, %$", 119, 592, 0, true,
         "The cooling-rate labels end at 53 and begin near 27 .. 44; the A title's cell at L - 8 c = 12 .. 36 holds "
         "their beginnings in its rows."},
        {"shorshorov_properties_vs_preheat", "outside", "A, %$", "", 119, 592, 0, true,
         "The A title turned at (int)(L - 8.8 c) = (int)(204 - 211.2) = -7: its cell begins 7 px left of the client."},
        {"shorshorov_properties_vs_preheat", "crosses", "A, %$", "", 119, 592, 2, true,
         "The cooling-rate title's key line at left + 0.6 c = 14 (2 px, from B - w - 0.5 c up to T) runs through the A "
         "title's cell at -7 .. 17."},

        {"shorshorov_properties_vs_thickness", "crosses", "A, %$", "", 160, 510, 2, true,
         "On the turned font's cell c0 = 24: the A title turned at (int)(L - 8.8 c) = (int)(288 - 211.2) = 76 (cell "
         "76 .. 100); the cooling-rate axis at left + 3.5 c0 = 84 (2 px) runs through it."},
        {"shorshorov_properties_vs_thickness/4/.*", "crosses", "^[0-9]$", "", 160, 510, 2, true,
         "The cooling-rate labels are drawn in the turned font that is still selected, placed as upright ones: at (84 "
         "- w, py - 12) with w the label's width and its terminating zero, about 15 px for one digit; turned, a label takes "
         "the cell's 24 px across, so a one-digit label (scheme 4's rates, 2 .. 8) reaches the axis at 84."},
        {"shorshorov_properties_vs_thickness/4/.*", "overlap", "^[0-9]$", "A, %$", 160, 510, 0, true,
         "The one-digit turned rate labels at x = 70 .. 94 and the A title's cell at 76 .. 100 share the rows where "
         "the title reaches (it reads upward from B = 504)."},
    };
    return cases;
}

const std::vector<KeptWindowCase>& shorshorov_cases_after_panel()
{
    // The windows strict at 1024 x 768 keep nothing: texts that only touch pass there.
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}
