// The Seyffarth atlas windows and its HAZ profiles. Kept cases of the window layout check (see kept_cases.h).
//
// None: every Seyffarth window is strict at every surface, where texts that only touch pass.
#include "kept_cases.h"

const std::vector<KeptWindowCase>& seyffarth_cases_before_panel()
{
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}

const std::vector<KeptWindowCase>& seyffarth_cases_after_panel()
{
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}
