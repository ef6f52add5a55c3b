// The digitization dialog's picture view. Kept cases of the window layout check (see kept_cases.h).
// The grid's labels stand outside the calibrated rectangle, the hardness in
// its ellipse under a curve's end, the labels where the user clicked: over
// the scanned diagram none meets another, so no case is kept.
#include "kept_cases.h"

const std::vector<KeptWindowCase>& digitizer_cases()
{
    static const std::vector<KeptWindowCase> cases = {};
    return cases;
}
