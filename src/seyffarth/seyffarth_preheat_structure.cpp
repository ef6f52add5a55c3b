// The structure window against the preheat.
#include "seyffarth_sweeps.h"
#include "captions.h"

void seyffarth_structure_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                           SteelChoice steel, int)
{
    structure_sweep_window(RegimeSweep::preheat, params, steps, window, dc, steel);
}

void seyffarth_properties_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc, int,
                                            SteelChoice steel, int)
{
    property_sweep_window(RegimeSweep::preheat, params, steps, window, dc, steel);
}
