// The Kasatkin-Seyffarth and Ion windows. Kept cases of the window layout check (see kept_cases.h).
//
// Units of these windows on the 1024 x 768 client (a font's line is its cell
// height): Kasatkin-Seyffarth dependence windows H = 768 / 30 = 25, h = 25,
// h' = 30 (font 1.2 H), h'' = 37 (font 1.5 H); Kasatkin-Seyffarth properties at
// the point H = h = 768 / 35 = 21, structure at the point H = h = 768 / 33 =
// 23; Ion windows H = h = 768 / 32 = 24, h12 = 28, h13 = 31, h15 = 36. The
// parameter panel's heading: font 32 at 768 - 4.7 cy = 641 (cy = 27).
#include "kept_cases.h"

namespace {

// The texts one line of each kind starts with, in the five languages.
const char* const point_line = "^ \\(y=";
const char* const model_line =
    "^ ?(Account on model|Рассчёт по модели|Расчёт по модели|Розрахунок|Die Rechnung nach dem Modell|Le compte "
    "selon le modèle)";
const char* const tick_label = "^[0-9.]+$";
const char* const cooling_time_title = "^t 8/5, (s|с)$";

} // namespace

const std::vector<KeptWindowCase>& steel_model_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        {"ion_hardness_vs_preheat", "overlap|covered", point_line, panel_heading, 640, 676, 0, false,
         "Ion preheat window: P.bottom = 768 - 10 h = 528; the point line in font H at P.bottom + 3.8 h13 = 528 + 117 "
         "= 645 (h13 = 31), cell 645..669, ink from 649; the panel's heading in font 32 at 641, ink from 646: one row "
         "band for both, in every scheme and language."},
    };
    return cases;
}

const std::vector<KeptWindowCase>& steel_model_cases_after_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        // Title lines.
        {"ion_hardness_vs_thickness/.*/(en|ru|ua|fr)", "crosses",
         "^(on thickness of a plate|от толщины пластины|від товщини пластини|de l'épaisseur de la plaque)$", "", 44,
         52, 1, false,
         "Ion thickness window: title line 2 in font 1.3 H = 31 at (h12, 1.4 h12) = (28, 39), cell 39..70; the "
         "composition table at y = 2.8 h = 67: its top rule runs through the line's descenders (the German line has "
         "none)."},
        {"kasatkin_structure_vs_chemistry", "crosses", "^(under model|по модели|по моделі|nach dem Modell|selon le modèle)",
         "", 53, 54, 1, false,
         "Kasatkin-Seyffarth structure-versus-chemistry window: the attribution line in font 1.2 H = 30 at (h'', 1.3 "
         "h'') = (37, 48), cell 48..78; the composition table at y = 3.1 h = 77: its top rule runs through the "
         "line's descenders, in every scheme and language."},

        // German property titles over the composition table.
        {"kasatkin_properties_vs_(preheat|thickness)/.*/de", "overlap", "^( Den chemischen |Zusammensetzung, %)$",
         "^Die Grenze der (Haltbarkeit|Fließbarkeit)", 60, 112, 0, true,
         "Kasatkin-Seyffarth preheat and thickness properties windows in German: the strength and yield titles read "
         "upwards from the plot bottom, \"Die Grenze der Fließbarkeit R02, MPa\" 357 and 422 px of ink in fonts 25 "
         "and 30; preheat from P.bottom = 768 - 12 h = 468 at x = 4 h = 100 and 5 h = 125, thickness from "
         "P.bottom = 768 - 10 h = 518 at x = 3 h' = 90 and 4 h' = 120: both reach the composition table at y = 3.1 "
         "h = 77..129 and run over its heading's second line."},
        {"kasatkin_properties_vs_(preheat|thickness)/.*/de", "crosses", "^Die Grenze der (Haltbarkeit|Fließbarkeit)",
         "", 60, 124, 1, true,
         "The same German strength and yield titles (as above) crossed by the composition table's rules at y = 77, "
         "97 and 129 and its column rules."},
        {"kasatkin_properties_vs_thickness/1/fr", "crosses", "^La limite de la fluidité", "", 120, 130, 1, true,
         "Kasatkin-Seyffarth properties-versus-thickness window in French, scheme 1: with the plot's P.bottom = 493 "
         "(as below) the yield title \"La limite de la fluidité R02, MPa\" (366 px of ink in font 30) reaches y = 127, "
         "over the composition table's bottom rule at 129."},
        {"kasatkin_properties_vs_thickness/1/de", "covered", "^Die Grenze der Fließbarkeit",
         "^nach dem Modell", 40, 72, 0, true,
         "Kasatkin-Seyffarth properties-versus-thickness window in German, scheme 1: the sweep leaves points out, "
         "so the plot gives up the note's 25 rows and P.bottom = 493; the yield title (422 px of ink in font 30) then "
         "reaches y = 71, the last row of the attribution line's opaque cell at (h', 1.4 h') = (30, 42), 42..72."},

        // The lines under the plot on their rows.
        {"ion_hardness_vs_energy", "covered",
         "^(Energy on unit of length|Погонная энергия|Погонна енергія|Energie auf Einheit|l'énergie par unité|Not "
         "plotted|Nicht dargestellt|Non tracé|Не побудовано|Не построено)",
         model_line, 525, 551, 0, false,
         "Ion energy window: the energy axis title in font 1.3 H = 31 at P.bottom + 1.3 h13 = 480 + 40 = 520, cell "
         "520..551; the model line in font 1.2 H = 28 at P.bottom + 2.5 h12 = 480 + 70 = 550, opaque, blanks its "
         "last row. A sweep that leaves points out moves the title up by the note's 24 rows and puts the note in its "
         "place, under the same model line."},


        // Texts wider than the window.
        {"kasatkin_(structure|properties)_vs_(energy|chemistry|preheat|thickness)|ion_hardness_at_point|ion_hardness_vs_"
         "preheat",
         "outside", model_line, "", 520, 612, 0, false,
         "Model lines centred across the client: the model line of the window's language with the scheme's own name, "
         "1035 to 1290 px wide with the longer names (schemes 4, 6 and 9, most German and some French ones, and the "
         "German names in the Russian line of the chemistry windows), so both ends run past the client; "
         "Kasatkin-Seyffarth dependence windows in font 1.2 H = 30 at their rows 564 to 598 (e.g. 768 - 7.4 h = "
         "583), Ion at the point in font 28 at P.bottom + 3 x 28 = 516, Ion preheat in font 31 at P.bottom + 2.5 "
         "h13 = 605."},
        {"kasatkin_(structure|properties)_at_point|ion_hardness_vs_(chemistry|energy|thickness)", "outside",
         model_line, "", 540, 582, 0, false,
         "Model lines from the plot's left edge: Kasatkin-Seyffarth at the point in font 1.4 H (29, 32) from 12 h = "
         "252 and 5 h = 115 at 768 - 10.5 h = 548 and 768 - 9.9 h = 541; Ion chemistry and thickness in font 31 "
         "from P.left = 240 and 288 at P.bottom + 2.5 h13 = 557 and P.bottom + 3 h13 = 573, Ion energy in font 28 "
         "from 288 at P.bottom + 2.5 h12 = 550: with the longer scheme names they end at x = 1025 to 1536."},
        {"ion_hardness_at_point/.*/(ru|fr)", "outside", "^(Время охлаждения, с|Le temps du refroidissement, s)$", "",
         565, 570, 0, false,
         "Ion window at the point: the structure table at (10, P.bottom + 5.5 h) = (10, 564), each column as wide as "
         "its widest text plus 10; the Russian and French cooling-time heading is the last column and ends at x = "
         "1029 and 1038."},
        {"kasatkin_properties_vs_energy/.*/(de|fr)|kasatkin_structure_vs_energy/.*/de", "outside",
         "^(Die Abhängigkeit|La dépendance)", "", 10, 16, 0, false,
         "Kasatkin-Seyffarth energy windows: the German and French titles in font 1.2 H = 30 from x = h = 25 "
         "(properties) and h' = 30 (structure) are 1013 to 1113 px long and end at x = 1038 to 1138."},
    };
    return cases;
}
