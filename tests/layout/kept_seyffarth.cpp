// The Seyffarth atlas windows and its HAZ profiles. Kept cases of the window layout check (see kept_cases.h).
//
// Numbers are those of the 1024 x 768 client: H = 768 / 30 = 25 (h = 25) for the frame's windows, 768 / 28 = 27
// for the micrograph, 768 / 33 = 23 for the properties against the energy input, 768 / 32 = 24 for the HAZ
// profile. Every case lies above the parameter panel (row 630 and below), so all of them are tried before the
// panel's cases.
#include "kept_cases.h"

namespace {

// The texts the cases name, in the five languages.
constexpr const char sey_model[] = "^ ?(Account on model|Рассчёт по модели|Розрахунок по моделі|"
                                   "Die Rechnung nach dem Modell|Le compte selon le modèle): ";
constexpr const char sey_result[] = "^(In a range|В диапазоне|В діапазоні|Im Bereich|Dans la gamme) ?: ";
constexpr const char sey_t85[] = "^t 8/5, (s|с)$";
constexpr const char sey_structure[] = "^(Structure|Структура|Die Struktur|La structure), %$";
constexpr const char sey_class[] = "^(Class of steel|Класс стали|Клас сталі|Die Klasse wurden|"
                                   "La classe de l.acier): ";
constexpr const char sey_atlas[] = "^(according to  atlas by P.Seyffarth|under the atlas P. Seyffarth|"
                                   "nach dem Atlas P. Seyffarth|selon l.atlas P. Seyffarth)$";

} // namespace

const std::vector<KeptWindowCase>& seyffarth_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        // --- The HAZ profile (selectors 0..6; Russian texts in every language)

        // --- Structure against plate thickness
        {"seyffarth_structure_vs_thickness", "crosses", sey_structure, "", 270, 310, 2, true,
         "The structure title turned at (int)(L - 3h) = 146 - 75 = 71 (L = 1024 / 7) in font (int)(1.2 * 25) = 30 "
         "(ink x = 77..100), centred on the plot's height; the t8/5 axis stands at (int)(left + 3.5h) = 87 with its "
         "ticks 81..87: the axis line and the ticks cross the title."},
        {"seyffarth_structure_vs_thickness", "overlap", "^ *[0-9]+$", sey_structure, 270, 460, 0, true,
         "The t8/5 labels end at the ticks' left end 81: a label of two digits or more (10, 20, 40, 200, 500 at the "
         "start values) reaches left of x = 77 into the turned structure title at 71..100."},

        // --- Micrograph (Russian texts in every language)

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

        // --- Mechanical properties: turned panel titles and their glyphs
        {"seyffarth_properties_vs_preheat/4/.*", "overlap", "^ *[0-9]{4,}$", sey_t85, 300, 380, 0, true,
         "The t8/5 axis at left + 3h = 75 with labels ending at its ticks (69): scheme 4 at a 400 °C preheat cools for "
         "1500 s, and the label \"1500\" (45 px, from x = 21) reaches the turned t8/5 title at (int)(left + 0.1h) = "
         "2 (ink 7..28)."},

        // --- Title lines
        {"seyffarth_properties_(at_point|diagram)/.*/en", "overlap",
         "^Mechanical properties under the atlas P\\. Seyffarth$", sey_class, 10, 40, 0, false,
         "Title in font 30 at (h, (int)(0.3h)) = (25, 7), its descenders (\"p\", \"y\") to row 37; class line in "
         "font 25 at (2h, (int)(1.3h)) = (50, 32), its capitals from row 36."},
        {"seyffarth_(properties_vs_(preheat|thickness)|structure_vs_(energy|preheat|thickness))/.*/(en|de|fr)",
         "overlap", "^(Dependence|Die Abhängigkeit|La dépendance)", sey_atlas, 10, 40, 0, false,
         "Title and atlas line in font (int)(1.2 H) = 30 at (int)(0.3 h1) = 9 and (int)(1.1 h1) = 33 (h1 = 30; "
         "rows 7 and 27 of h = 25 in the properties-versus-preheat window), 24 px apart for 30 px lines: the title's "
         "descenders meet the Latin atlas line's capitals (\"P.\", \"S\"); the Cyrillic lines do not meet."},
        {"seyffarth_(properties_vs_thickness|structure_vs_(energy|preheat|thickness))/.*/(en|de|fr)", "overlap", sey_atlas,
         sey_class, 35, 65, 0, false,
         "Atlas line in font 30 at 33, its descenders (\"y\", \"ff\", \"g\") to row 63; class line in font 25 at "
         "(2h, (int)(2.3h)) = (50, 57), capitals from row 61."},

        // --- Lines under the plot
        {"seyffarth_properties_at_point", "overlap", sey_model, sey_result, 565, 595, 0, false,
         "Model line in font 30 at (int)(768 - 8.2h) = 563, descenders to row 593; result line in font 25 at "
         "(left + 5h, (int)(768 - 7.2h)) = (125, 588), capitals and brackets from row 591."},
        {"seyffarth_properties_vs_energy", "overlap",
         "^(rate of energy input|Погонная энергия|Погонна енергія|Die Beziehung die Energie|La relation l.énergie|Not "
         "plotted|Не построено|Не побудовано|Nicht dargestellt|Non tracé)",
         sey_model, 560, 605, 0, false,
         "Energy title in font 23 at (int)(B + 1.8h) = 538 + 41 = 579 (ink to 603), model line in font 27 at "
         "(int)(768 - 7.5 * 23) = 595 (ink from 600). Where the sweep leaves points out, the plot is raised by the "
         "note's line and the note of points left out takes the title's row, meeting the model line as the title "
         "does."},
        {"seyffarth_structure_vs_preheat/.*/(de|fr|ua)", "overlap", "^( *[0-9]+|Die Anwärmung, C|Підігрів, С)$", "^0$",
         500, 560, 0, false,
         "The raised small zero of the x title in font 3 * 25 / 5 = 15 at ((int)(xt + 1.4 wC), (int)(B + 0.95 h)) = "
         "(xt + 28, 546), xt the title's left end, wC = 20 the width of \"С\": it stands over the title's second "
         "letter (the title in font 30 at (int)(B + 1.1 h) = 551) and over the x-axis label below the plot at "
         "B + 12 that lies under it (\"  200\"); a plot raised by the notes under it takes them up with it."},
    };
    return cases;
}

const std::vector<KeptWindowCase>& seyffarth_cases_after_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        {"seyffarth_properties_vs_energy/.*/de", "overlap", "^ \\(y=", panel_heading, 0, 0, 0, false,
         "Properties versus energy in German: the point line's descenders graze the panel's heading, a pixel deep."},
    };
    return cases;
}
