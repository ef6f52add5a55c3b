// The windows of the Kasatkin-Seyffarth and the Ion steel models, with the
// composition the chemistry dialog offers first and the first element of
// each element choice.
#include "window_bench.h"
#include "window_families.h"

#include "ion_windows.h"
#include "kasatkin_windows.h"
#include "composition_dialog_start.h"

namespace {

void steel_window(const std::string& family, std::span<const int> schemes, SteelWindowRoutine routine,
                  const double* record)
{
    register_window(family, schemes, [routine, record](Canvas& dc) {
        routine(record, 50, nullptr, dc, 0, composition_dialog_start(), 0);
    });
}

}  // namespace

void register_steel_model_windows()
{
    steel_window("kasatkin_structure_at_point", point_schemes, kasatkin_structure_at_point_window, velocity_start);
    steel_window("kasatkin_properties_at_point", point_schemes, kasatkin_properties_at_point_window, velocity_start);
    steel_window("kasatkin_structure_vs_energy", point_schemes, kasatkin_structure_vs_energy_window, energy_start);
    steel_window("kasatkin_properties_vs_energy", point_schemes, kasatkin_properties_vs_energy_window, energy_start);
    steel_window("kasatkin_structure_vs_chemistry", point_schemes, kasatkin_structure_vs_chemistry_window,
                 velocity_start);
    steel_window("kasatkin_properties_vs_chemistry", point_schemes, kasatkin_properties_vs_chemistry_window,
                 velocity_start);
    steel_window("kasatkin_structure_vs_preheat", point_schemes, kasatkin_structure_vs_preheat_window, preheat_start);
    steel_window("kasatkin_properties_vs_preheat", point_schemes, kasatkin_properties_vs_preheat_window,
                 preheat_start);
    steel_window("kasatkin_structure_vs_thickness", thickness_schemes, kasatkin_structure_vs_thickness_window,
                 thickness_start);
    steel_window("kasatkin_properties_vs_thickness", thickness_schemes, kasatkin_properties_vs_thickness_window,
                 thickness_start);
    steel_window("ion_hardness_at_point", point_schemes, ion_hardness_at_point_window, velocity_start);
    steel_window("ion_hardness_vs_chemistry", point_schemes, ion_hardness_vs_chemistry_window, velocity_start);
    steel_window("ion_hardness_vs_energy", point_schemes, ion_hardness_vs_energy_window, energy_start);
    steel_window("ion_hardness_vs_preheat", point_schemes, ion_hardness_vs_preheat_window, preheat_start);
    steel_window("ion_hardness_vs_thickness", thickness_schemes, ion_hardness_vs_thickness_window, thickness_start);
}
