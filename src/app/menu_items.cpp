#include "menu_items.h"

#include "commands.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 46> steel_items{
    10335, 10336, 10337, 10338, 10339, 10340, 10341, 10342, 10343, 10344, 10345, 10346,
    10347, 10187, 10188, 10192, 10193, 10197, 10198, 10191, 10194, 10195, 10196, 10173,
    10174, 10175, 10176, 10177, 10178, 10179, 10180, 10181, 10314, 10315, 10035, 10166,
    10167, 10168, 10169, 10170, 10171, 10172, 10306, 10184, 10312, 10185,
};

constexpr std::array<int, 4> thickness_items{10338, 10339, 10340, 10337};

// The commands whose dialogs and windows exist. The atlas windows, the steel
// models, the scheme chooser with its data dialogs and the digitizer join
// this list when they are wired into the command table.
// Sized from its list, so that adding a command touches one place.
constexpr auto wired_commands = std::to_array<int>({
    cmd::exit_program, cmd::about,        cmd::print,       cmd::language,
    cmd::graphics_mode, cmd::thermal_cycle, cmd::isotherm_xy, cmd::isotherm_yz,
    cmd::isotherm_xz,  cmd::cooling_rate, cmd::help,        cmd::heat_source_model,
    cmd::edit_data,      cmd::digitization,
    cmd::kasatkin_structure_at_point, cmd::kasatkin_properties_at_point,
    cmd::kasatkin_structure_vs_energy, cmd::kasatkin_properties_vs_energy,
    cmd::kasatkin_structure_vs_chemistry, cmd::kasatkin_properties_vs_chemistry,
    cmd::kasatkin_structure_vs_thickness, cmd::kasatkin_properties_vs_thickness,
    cmd::kasatkin_structure_vs_preheat, cmd::kasatkin_properties_vs_preheat,
    cmd::ion_hardness_at_point, cmd::ion_hardness_vs_energy, cmd::ion_hardness_vs_chemistry,
    cmd::ion_hardness_vs_thickness, cmd::ion_hardness_vs_preheat,
    cmd::shorshorov_choose_steel, cmd::shorshorov_micrograph, cmd::shorshorov_structure_at_point, 10166, 10167, 10168, 10169, 10170, 10304,
    cmd::seyffarth_choose_steel, cmd::seyffarth_structure_at_point, cmd::atlas_structure_diagram,
    cmd::shorshorov_structure_vs_energy, cmd::shorshorov_properties_vs_energy, cmd::shorshorov_structure_vs_thickness,
    cmd::shorshorov_properties_vs_thickness, cmd::shorshorov_structure_vs_preheat, cmd::shorshorov_properties_vs_preheat,
    cmd::seyffarth_properties_at_point, cmd::atlas_properties_diagram,
    cmd::seyffarth_structure_vs_energy, cmd::seyffarth_properties_vs_energy,
    cmd::seyffarth_structure_vs_preheat, cmd::seyffarth_properties_vs_preheat,
    cmd::seyffarth_structure_vs_thickness, cmd::seyffarth_properties_vs_thickness,
    10173, 10174, 10175, 10176, 10177, 10178, 10179, 10313,
    cmd::seyffarth_cct_at_point, cmd::atlas_cct_diagram, cmd::seyffarth_micrograph,
});

} // namespace

std::span<const int> steel_menu_items()
{
    return steel_items;
}

std::span<const int> atlas_thickness_items()
{
    return thickness_items;
}

bool command_is_wired(int id)
{
    return std::find(wired_commands.begin(), wired_commands.end(), id) != wired_commands.end();
}
