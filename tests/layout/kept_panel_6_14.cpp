// The parameter panel under every window, for schemes 6 to 14. Kept cases of the window layout check (see kept_cases.h).
#include "kept_cases.h"

const std::vector<KeptWindowCase>& panel_cases_schemes_6_to_14()
{
    static const std::vector<KeptWindowCase> cases = {
        {"(?!(seyffarth_(structure|properties|cct)_diagram|cooling_rate)/).*/(6|7|8|9|10|11|12|13|14)/.*", "overlap|covered|outside", "", "", 630, 0, 0, false,
         "The parameter panel, font H = 768 / 28 = 27 (cw = 13, cy = 27): the heading in font 32 at (12 cw, 768 - 4.7 "
         "cy) = (156, 641), row 1 at 768 - 3.5 cy = 673, row 2 at 768 - 1.5 cy = 727, each caption by its painter's "
         "own offsets (stacked units and their exponents raised over the row and into the heading's cell, the degree "
         "sign as a raised 0 between the dot and C, opaque cells over their neighbours); the German heading (1154 px) "
         "and the French one run past x = 1024 from 156, and so do the rows of schemes with many captions (3, 4, 5)."},
    };
    return cases;
}
