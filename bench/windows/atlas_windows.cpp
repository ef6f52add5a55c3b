// The windows of the Seyffarth and the Shorshorov atlases on the sample
// atlas's steels: the windows at a point, the dependences on energy input,
// preheat and plate thickness, the HAZ profiles (hardness), and the three
// diagrams of the Seyffarth steel, which use no heat-source model.
#include "window_bench.h"
#include "window_families.h"

#include "atlas_files.h"
#include "lang.h"
#include "sample_steels.h"
#include "seyffarth_frame.h"
#include "seyffarth_sweeps.h"
#include "shorshorov.h"
#include "steel_choice.h"

namespace {

// The HAZ windows draw the property their menu item chose: hardness.
constexpr int haz_hardness = 1;

using AtlasRoutine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

void atlas_window(const std::string& family, std::span<const int> schemes, AtlasRoutine routine,
                  const double* record, SteelChoice (*steel)(), int selector = 0)
{
    register_window(family, schemes, [=](Canvas& dc) { routine(record, 50, nullptr, dc, selector, steel(), 0); });
}

void diagram(const std::string& family, AtlasRoutine routine)
{
    register_window(family, [routine](Canvas& dc) { routine(nullptr, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0); });
}

}  // namespace

void register_atlas_windows()
{
    SteelChoice (*const sey)() = sample_seyffarth_steel;
    atlas_window("seyffarth_structure_at_point", point_schemes, seyffarth_structure_at_point_window,
                 properties_start, sey);
    atlas_window("seyffarth_properties_at_point", point_schemes, seyffarth_properties_at_point_window,
                 properties_start, sey);
    atlas_window("seyffarth_cct_at_point", point_schemes, seyffarth_cct_at_point_window, property_start, sey);
    atlas_window("seyffarth_micrograph", point_schemes, seyffarth_micrograph_window, properties_start, sey);
    atlas_window("seyffarth_structure_vs_energy", point_schemes, seyffarth_structure_vs_energy_window, energy_start,
                 sey);
    atlas_window("seyffarth_properties_vs_energy", point_schemes, seyffarth_properties_vs_energy_window,
                 energy_start, sey);
    atlas_window("seyffarth_structure_vs_preheat", point_schemes, seyffarth_structure_vs_preheat_window,
                 preheat_start, sey);
    atlas_window("seyffarth_properties_vs_preheat", point_schemes, seyffarth_properties_vs_preheat_window,
                 preheat_start, sey);
    atlas_window("seyffarth_structure_vs_thickness", thickness_schemes, seyffarth_structure_vs_thickness_window,
                 thickness_start, sey);
    atlas_window("seyffarth_properties_vs_thickness", thickness_schemes, seyffarth_properties_vs_thickness_window,
                 thickness_start, sey);
    atlas_window("seyffarth_haz_profile", point_schemes, seyffarth_haz_profile_window, properties_start, sey,
                 haz_hardness);
    diagram("seyffarth_structure_diagram", seyffarth_structure_diagram_window);
    diagram("seyffarth_properties_diagram", seyffarth_properties_diagram_window);
    diagram("seyffarth_cct_diagram", seyffarth_cct_diagram_window);

    SteelChoice (*const sho)() = sample_shorshorov_steel;
    atlas_window("shorshorov_structure_at_point", point_schemes, shorshorov_structure_at_point_window,
                 property_start, sho);
    atlas_window("shorshorov_micrograph", point_schemes, shorshorov_micrograph_window, property_start, sho);
    atlas_window("shorshorov_structure_vs_energy", point_schemes, shorshorov_structure_vs_energy_window,
                 energy_start, sho);
    atlas_window("shorshorov_properties_vs_energy", point_schemes, shorshorov_properties_vs_energy_window,
                 energy_start, sho);
    atlas_window("shorshorov_structure_vs_preheat", point_schemes, shorshorov_structure_vs_preheat_window,
                 preheat_start, sho);
    atlas_window("shorshorov_properties_vs_preheat", point_schemes, shorshorov_properties_vs_preheat_window,
                 preheat_start, sho);
    atlas_window("shorshorov_structure_vs_thickness", thickness_schemes, shorshorov_structure_vs_thickness_window,
                 thickness_start, sho);
    atlas_window("shorshorov_properties_vs_thickness", thickness_schemes,
                 shorshorov_properties_vs_thickness_window, thickness_start, sho);
    atlas_window("shorshorov_haz_profile", point_schemes, shorshorov_haz_profile_window, property_start, sho,
                 haz_hardness);
}
