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
        {"thermal_cycle/(4|6|9)/de|thermal_cycle/10/(ua|de)", "outside",
         "^(4|6|9|10)\\. (Die Schweissung|Auftragschweißen|Зварювання)", "", 8, 20, 0, false,
         "Scheme title of the thermal cycle (schemes 1 to 6, 9, 10): measured in the window font H = 768 / 28 = 27 "
         "(h = 27), drawn in font H18 = 768 / 18 = 42 at (0.5 h, 0.3 h) = (13, 8). The schemes' own titles in font 42 "
         "are wider than the 1011 px left: German 4 (1033 px, ends at 1046), 6 (1023, 1037), 9 (1230, 1244), 10 "
         "(1307, 1323) and Ukrainian 10 (1028, 1044)."},
        {"thermal_cycle/7/de|thermal_cycle/8/(ru|de|fr)", "outside", "^ ?(7|8)\\. (Auftragschweißen|Наплавка|Rechargement)",
         "", 8, 20, 0, false,
         "Scheme title of the oscillating schemes' thermal cycle: font H2 = 768 / 23 = 33 at (0.5 h, 0.3 h) = (13, 8) "
         "(h = 27 of font H = 768 / 28). Their titles in font 33 are wider than the 1011 px left: German 7 (ink to "
         "1156) and 8 (to 1307), Russian 8 (to 1065), French 8 (to 1041)."},
        {"isotherms_xy/4/(de|fr)|isotherms_(xy|yz|xz)/(6/de|9/(en|de)|10/(ru|ua|de|fr))", "outside",
         "^(4|6|9|10)\\. ?(Die Schweissung|La soudure|Auftragschweißen|EBW|Сварка|Зварювання)", "", 3, 20, 0, false,
         "Scheme title of the isotherm windows: font H23 = 768 / 23 = 33 at (2 P.left, r.top + 3) = (270, 3) with "
         "P.left = 5 h = 135 (h = 27 of font H28 = 768 / 28): 754 px are left, and the titles of scheme 9 (English "
         "755 px, German 960), 10 (Russian 792, Ukrainian 809, German 1023, French 778), 6 and 4 (German 800 and "
         "803, French 4 761) end at 1025 to 1295."},
        {"isotherms_xy/(4|5|5')/fr", "crosses", "^La plaque #1$", "", 360, 375, 2, false,
         "Plate 1 label of the two-plate isotherms: at (P.left + (P.right - P.left - w) / 2, P.bottom - h), w and h the "
         "extent of \"пластина №1\" in font H28 = 27 (h = 27), P.bottom = 768 - 14 h = 390: the label's cell ends on "
         "row 389, the French label's q reaches it, and the x axis along P.bottom (solid, width 2, from P.left = 135 "
         "to P.right = 1024 - 3 h = 943) covers rows 389 and 390."},
    };
    return cases;
}
