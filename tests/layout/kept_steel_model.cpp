// The Kasatkin-Seyffarth and Ion windows. Kept cases of the window layout check (see kept_cases.h).
//
// Units of these windows on the 1024 x 768 client (a font's line is its cell
// height): Kasatkin-Seyffarth dependence windows H = 768 / 30 = 25, h = 25,
// h' = 30 (font 1.2 H), h'' = 37 (font 1.5 H); Kasatkin-Seyffarth properties at
// the point H = h = 768 / 35 = 21, structure at the point H = h = 768 / 33 =
// 23; Ion windows H = h = 768 / 32 = 24, h12 = 28, h13 = 31, h15 = 36. The
// parameter panel's heading: font 32 at 768 - 4.7 cy = 641 (cy = 27).
#include "kept_cases.h"

const std::vector<KeptWindowCase>& steel_model_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {
    };
    return cases;
}

const std::vector<KeptWindowCase>& steel_model_cases_after_panel()
{
    static const std::vector<KeptWindowCase> cases = {
        // Title lines.
        {"kasatkin_structure_vs_chemistry", "crosses", "^(under model|по модели|по моделі|nach dem Modell|selon le modèle)",
         "", 53, 54, 1, false,
         "Kasatkin-Seyffarth structure-versus-chemistry window: the attribution line in font 1.2 H = 30 at (h'', 1.3 "
         "h'') = (37, 48), cell 48..78; the composition table at y = 3.1 h = 77: its top rule runs through the "
         "line's descenders, in every scheme and language."},
    };
    return cases;
}
