// The parameter panel under every window, schemes 1 to 5 (with the program's start block of 5) and 6 to 14.
// Kept cases of the window layout check (see kept_cases.h); a cause both groups show is written once.
//
// The panel on a 1024 x 768 client: H = 768 / 28 = 27, cw = 13 and cy = ch = 27 (the "S" of Times New Roman at
// 27 px), the heading in font 1.2 H = 32 at (12 cw, 768 - 4.7 cy) = (156, 641) (the French one from 2 cw = 26, the
// German one from 26 in font 28, where they end inside the window), row 1 at 768 - 3.5 cy = 673.5 and row 2 at
// 768 - 1.5 cy = 727.5 from x0 = 2 cw = 26; units in 3 H / 4 = 20, marks and subscripts in 3 H / 5 = 16.
// Only findings between two texts of the panel are kept here; a window's own text meeting the panel is its
// subsystem's case.
#include "kept_cases.h"

namespace {

const char* const heading_over_numerators =
    "The heading's cell (font 32; 28 for the German one) runs from 768 - 4.7 cy = 641 to 673 (669), and "
    "row 1 (top 768 - 3.5 cy = 673.5) raises its stacked numerators (font 3 H / 4 = 20) to top -0.3 ch = "
    "665, cell 665..685, and "
    "the marks of the R_T numerator to top -0.4 ch = 662: in windows drawn opaque the numerators' cells "
    "(W, J, g, 1, cm and their Cyrillic twins) blank the heading's descenders in rows 665..673 wherever "
    "the two stand over each other, and where a descender (p, y, g, ç, р, у) meets a numerator's top the "
    "inks meet too.";

const char* const degree_on_its_c =
    "The degree sign is a raised 0 (font 3 H / 5 = 16, 7 px) at top +0.5 ch = 687 put a fixed distance "
    "before the end of the unit's reference text 'cm ·  C' (font 20, top +0.6 ch = 689): 1 cw + Wu - "
    "1.25 cw in the λ units, 0.5 cw + Wu - 1.25 cw in the c units, Wu - 1 cw on the R_T numerator; 1.25 "
    "cw = 16 px before the end, while the C is 13 px wide, so the mark's last 2 to 3 columns lie on the "
    "C (thermal_cycle/1/en: 'cm ·  C' ink 119..173, its 0 156..163).";

const char* const t0_degree_on_its_c =
    "T0's degree sign: 0 (font 16) at W - 1.5 cw = W - 19 (top -0.1 ch), W being the width of 'T  = 20 "
    "C' (92 px) in font 27; the C is 18 px wide, so the mark (99..106 from x0 = 26) lies on its first "
    "columns.";

const char* const exponent_under_semicolon =
    "The exponent (3 of g/cm3, 2 of 1/cm2; font 16, 7 px wide) stands at 1 cw + Wu, and the closing ';' at "
    "Wu + 1.5 cw, 0.5 cw = 6 px after the exponent's start: in windows drawn opaque the ';' cell takes the "
    "exponent's last column (thermal_cycle/1/en: 3 at 563..570, ';' cell from 569).";

const char* const dzh_under_semicolon =
    "q/v in Russian and Ukrainian: the numerator 'Дж' (font 20) at 1 cw is the reference text, Wu = 25 "
    "px, the cursor moves Wu + 1 cw and the ';' is drawn where 'Дж' ends; the ж's ink runs one column "
    "past its advance (724..749, ';' cell from 748), and the window draws opaque.";

const char* const sigma_under_value =
    "q/(v·σ): σ (font 20) at 1.7 cw = 22, top +0.6 ch; the value piece ' = …' (font 27, opaque in these "
    "windows) begins at Wf, the width of 'v·s' in the Symbol face (ϖ•σ) = 31 px, so its cell takes σ's "
    "last column (thermal_cycle/1/en: σ 804..814, cell from 813).";

const char* const lambda_subscript_on_equals =
    "λ2 (and phase 2 of the composite plates): its symbol piece 'l =  %lg' has no leading blank, so the "
    "subscript 2 (font 16) at 1.1 cw = 14 from the caption's start (top +0.5 ch = 687) lies on the "
    "equals sign (thermal_cycle/5/en: λ from 221, the 2 at 235..242).";

} // namespace

const std::vector<KeptWindowCase>& panel_cases_schemes_1_to_5()
{
    static const std::vector<KeptWindowCase> cases = {
        // 2135 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)[a-z_0-9]+/(1|2|3|4|5|5')/.*",
         "overlap|covered", panel_heading, "^(W|Вт|J|Дж| g| г| 1|cm|см|·[cс] ·  C|2|0)$", 646, 672, 0, false,
         heading_over_numerators},
        // 2572 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)[a-z_0-9]+/(1|2|3|4|5|5')/.*",
         "overlap", "^(cm|см|g|г|·c|·с) ·  C$", "^0$", 665, 693, 0, false,
         degree_on_its_c},
        // 1040 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)[a-z_0-9]+/(1|2|3|4|5|5')/.*",
         "overlap", "^T  = \\S+ C$", "^0$", 727, 735, 0, false,
         t0_degree_on_its_c},
        // 785 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)(?!(seyffarth_(cct_at_point|"
         "micrograph|properties_at_point|properties_vs_energy|properties_vs_preheat|properties_vs_thickness|"
         "structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness)|"
         "shorshorov_(micrograph|properties_vs_energy|properties_vs_preheat|properties_vs_thickness|"
         "structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness))/)[a-z_0-9]+/(1|"
         "2|3|4|5|5')/.*",
         "covered", "^[23]$", "^;$", 673, 691, 0, false,
         exponent_under_semicolon},
        // 222 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)(?!(ion_hardness_(vs_chemistry|"
         "vs_energy)|kasatkin_(properties_vs_energy|structure_vs_energy)|seyffarth_(cct_at_point|micrograph|"
         "properties_at_point|properties_vs_energy|properties_vs_preheat|properties_vs_thickness|"
         "structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness)|"
         "shorshorov_(micrograph|properties_vs_energy|properties_vs_preheat|properties_vs_thickness|"
         "structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness))/)[a-z_0-9]+/(1|"
         "2|3|4|5|5')/(ru|ua)",
         "covered", "^Дж$", "^;$", 722, 728, 0, false,
         dzh_under_semicolon},
        // 440 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)(?!(ion_hardness_(vs_chemistry|"
         "vs_energy)|kasatkin_(properties_vs_energy|structure_vs_energy)|seyffarth_(cct_at_point|micrograph|"
         "properties_at_point|properties_vs_energy|properties_vs_preheat|properties_vs_thickness|"
         "structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness)|"
         "shorshorov_(micrograph|properties_vs_energy|properties_vs_preheat|properties_vs_thickness|"
         "structure_at_point|structure_vs_energy|structure_vs_preheat|structure_vs_thickness))/)[a-z_0-9]+/(1|"
         "3|4|5|5')/.*",
         "covered", "^σ$", "^ = \\S+ $", 727, 750, 0, false,
         sigma_under_value},
        // 205 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)(?!(isotherms_(xz|yz)|"
         "seyffarth_cct_at_point|shorshorov_(haz_profile_1|haz_profile_2|haz_profile_3|haz_profile_4|"
         "micrograph|structure_at_point))/)[a-z_0-9]+/(5|5')/.*",
         "overlap", "^λ =  \\S+$", "^2$", 679, 691, 0, false,
         lambda_subscript_on_equals},
        // 123 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)(?!(seyffarth_cct_at_point|"
         "shorshorov_(haz_profile_1|haz_profile_2|haz_profile_3|haz_profile_4|micrograph|"
         "structure_at_point))/)[a-z_0-9]+/(3)/(de|en|fr)",
         "overlap", "^cm$", "^2$", 665, 673, 0, false,
         "R_T's numerator: 'cm' (font 20) at 1 cw, 22 px wide, and its exponent 2 (font 16) at 2.5 cw = 32 "
         "(top -0.4 ch), 3 columns over the m (thermal_cycle/3/en: cm 941..963, 2 960..967); the Cyrillic "
         "'см' is 19 px wide and clears it."},
        // 6130 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)[a-z_0-9]+/(3|4|5|5')/.*",
         "outside", "^(δ   = \\S+|h  = \\S+|γ  = \\S+|α = \\S+| = \\S+ |;|c|C|[0-9]|cm|см|cm |см | g| г|W|Вт| · s · | · "
         "с · |J·s|Дж·с| cm;| см;)$", "", 668, 751, 0, false,
         "Rows wider than the window from x0 = 2 cw = 26, each caption advancing by its own widths and 3.5 "
         "cw: row 1 of scheme 3 (λ, c, γ, α, R_T, δc) ends at 1173 (English; 1156 Russian), row 1 of scheme 4 "
         "(λ, c, γ, α, h1, h2) at 1133, scheme 5's row 1 (λ1, λ2, c1, c2, γ1, γ2, α) at 1341 and its row 2 "
         "(T0, v, δ1, δ2, q, q/v, q/(v·δ1)) at 1083, 1473 and 1095 with the program's start block (longer "
         "values); the pieces past 1024 are outside."},
    };
    return cases;
}

const std::vector<KeptWindowCase>& panel_cases_schemes_6_to_14()
{
    static const std::vector<KeptWindowCase> cases = {
        // 742 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)[a-z_0-9]+/(6|7|8|9|10|11|12|13|"
         "14)/.*",
         "overlap|covered", panel_heading, "^(W|Вт|J|Дж| g| г| 1|cm|см|·[cс] ·  C|2|0)$", 646, 673, 0, false,
         heading_over_numerators},
        // 860 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)[a-z_0-9]+/(6|7|8|9|10|11|12|13|"
         "14)/.*",
         "overlap", "^(cm|см|g|г|·c|·с) ·  C$", "^0$", 690, 747, 0, false,
         degree_on_its_c},
        // 425 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)[a-z_0-9]+/(6|7|8|9|10|11|12|13|"
         "14)/.*",
         "overlap", "^T  = \\S+ C$", "^0$", 673, 735, 0, false,
         t0_degree_on_its_c},
        // 460 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)(?!(seyffarth_(cct_at_point|"
         "micrograph|properties_at_point|properties_vs_energy|properties_vs_preheat|structure_at_point|"
         "structure_vs_energy|structure_vs_preheat)|shorshorov_(micrograph|properties_vs_energy|"
         "properties_vs_preheat|structure_at_point|structure_vs_energy|structure_vs_preheat))/)[a-z_0-9]+/(6|"
         "7|8|9|10|11|12|13|14)/.*",
         "covered", "^[23]$", "^;$", 673, 745, 0, false,
         exponent_under_semicolon},
        // 96 findings at the start values.
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/)(?!(ion_hardness_(vs_chemistry|"
         "vs_energy)|kasatkin_(properties_vs_energy|structure_vs_energy)|seyffarth_(cct_at_point|micrograph|"
         "properties_at_point|properties_vs_energy|properties_vs_preheat|structure_at_point|"
         "structure_vs_energy|structure_vs_preheat)|shorshorov_(micrograph|properties_vs_energy|"
         "properties_vs_preheat|structure_at_point|structure_vs_energy|structure_vs_preheat))/)[a-z_0-9]+/(6|"
         "7|8|9|10)/(ru|ua)",
         "covered", "^Дж$", "^;$", 722, 728, 0, false,
         dzh_under_semicolon},
        // 5 findings at the start values.
        {"(thermal_cycle)/(7)/.*",
         "covered", "^σ$", "^ = \\S+ $", 727, 750, 0, false,
         sigma_under_value},
        // 5 findings at the start values.
        {"(thermal_cycle)/(14)/.*",
         "overlap", "^λ =  \\S+$", "^2$", 679, 691, 0, false,
         lambda_subscript_on_equals},
        // 75 findings at the start values.
        {"(thermal_cycle)/(11|12|13)/.*",
         "overlap", "^(q = \\S+ (W|Вт);|t  = \\S+ c|Δ =  \\S+ χ)$", "^[12P0t]$", 680, 745, 0, false,
         "The pulsed schemes' subscripts and second letter at 1.1 cw = 14 from the caption's start, inside the "
         "caption's own text: the 1 and 2 of q1, q2 and the 0 and P of t0, tP (font 16, top +0.5 ch) and Δt's t "
         "(font 27) meet its glyphs (thermal_cycle/11/en: 'q = 5000 W;' from 26, its 1 at 41..47; 't  = 0.2 c' "
         "from 419, its 0 at 433..440; Δ from 681, the t at 695..702)."},
        // 20 findings at the start values.
        {"(thermal_cycle)/(7|8)/.*",
         "overlap", "^ v  =$", "^[xy]$", 684, 748, 0, false,
         "vx and vy: the italic subscript x or y (font 16) at 1.1 cw = 14 from the caption's start, top +0.5 ch, "
         "where the leading blank has put the italic v of ' v  =' (thermal_cycle/7/en: ' v  =' ink from 758, its "
         "x at 768..776)."},
        // 115 findings at the start values.
        {"(thermal_cycle)/(7|11|12|13|14)/.*",
         "outside", "^(δ   = \\S+|h  = \\S+|γ  = \\S+|α = \\S+| = \\S+ |;|c|C|[0-9]|cm|см|cm |см | g| г|W|Вт| · s · | · "
         "с · |J·s|Дж·с| cm;| см;)$", "", 668, 751, 0, false,
         "Rows wider than the window from x0 = 2 cw = 26: row 1 of scheme 7 (λ, c, γ, T0, vx, α) ends at 1166 "
         "and its row 2 at 1038, row 2 of schemes 11 to 13 (c, γ, t0, tP, Δt, T0, δ) at 1072, row 1 of scheme "
         "14 (λ1, λ2, c1, c2, γ1, γ2) at 1168 (English; a little less in Russian); the pieces past 1024 are "
         "outside."},
    };
    return cases;
}
