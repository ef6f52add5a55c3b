// Command numbers of the main menu. The same number carries the same command
// in every language's menu.
#pragma once

namespace cmd {

// "About" menu
inline constexpr int exit_program = 10008;
inline constexpr int about = 10010;
inline constexpr int print = 10182;
inline constexpr int language = 40004;
inline constexpr int graphics_mode = 40010;

// "Computations" menu
inline constexpr int heat_source_model = 10050;
inline constexpr int edit_data = 10006;
inline constexpr int thermal_cycle = 10307;
inline constexpr int isotherm_xy = 10308;
inline constexpr int isotherm_yz = 10309;
inline constexpr int isotherm_xz = 10310;
inline constexpr int cooling_rate = 10311;

// Seyffarth atlas submenu
inline constexpr int seyffarth_choose_steel = 10184;
inline constexpr int seyffarth_cct_at_point = 10314;
inline constexpr int seyffarth_properties_at_point = 10312;
inline constexpr int seyffarth_structure_at_point = 10306;
inline constexpr int seyffarth_micrograph = 10303;   // no menu item
inline constexpr int seyffarth_haz_first = 10173;   // 10173..10179: properties 0..6
inline constexpr int seyffarth_haz_last = 10179;
inline constexpr int seyffarth_structure_vs_energy = 10181;
inline constexpr int seyffarth_properties_vs_energy = 10180;
inline constexpr int seyffarth_structure_vs_thickness = 10338;
inline constexpr int seyffarth_properties_vs_thickness = 10339;
inline constexpr int seyffarth_structure_vs_preheat = 10347;
inline constexpr int seyffarth_properties_vs_preheat = 10346;

// Shorshorov atlas submenu
inline constexpr int shorshorov_choose_steel = 10185;
inline constexpr int shorshorov_micrograph = 10315;
inline constexpr int shorshorov_structure_at_point = 10035;
inline constexpr int shorshorov_haz_first = 10166;  // 10166..10170: properties 0..4
inline constexpr int shorshorov_haz_last = 10170;
inline constexpr int shorshorov_structure_vs_energy = 10172;
inline constexpr int shorshorov_properties_vs_energy = 10171;
inline constexpr int shorshorov_structure_vs_thickness = 10340;
inline constexpr int shorshorov_properties_vs_thickness = 10337;
inline constexpr int shorshorov_structure_vs_preheat = 10344;
inline constexpr int shorshorov_properties_vs_preheat = 10345;

// Kasatkin-Seyffarth model submenu
inline constexpr int kasatkin_structure_at_point = 10188;
inline constexpr int kasatkin_properties_at_point = 10187;
inline constexpr int kasatkin_structure_vs_energy = 10192;
inline constexpr int kasatkin_properties_vs_energy = 10193;
inline constexpr int kasatkin_structure_vs_chemistry = 10336;
inline constexpr int kasatkin_properties_vs_chemistry = 10335;
inline constexpr int kasatkin_structure_vs_thickness = 10197;
inline constexpr int kasatkin_properties_vs_thickness = 10198;
inline constexpr int kasatkin_structure_vs_preheat = 10343;
inline constexpr int kasatkin_properties_vs_preheat = 10342;

// Ion model submenu
inline constexpr int ion_hardness_at_point = 10191;
inline constexpr int ion_hardness_vs_energy = 10194;
inline constexpr int ion_hardness_vs_chemistry = 10195;
inline constexpr int ion_hardness_vs_thickness = 10196;
inline constexpr int ion_hardness_vs_preheat = 10341;

// "Atlas" menu (10184 is the same steel choice as in the Seyffarth submenu)
inline constexpr int atlas_cct_diagram = 10000;
inline constexpr int atlas_properties_diagram = 10001;
inline constexpr int atlas_structure_diagram = 10002;

// "Help" and "Supplement" menus
inline constexpr int help = 10090;
inline constexpr int digitization = 40003;

// The blank menu-bar item of the English menu; it carries no command.
inline constexpr int blank_bar_item = 65535;

} // namespace cmd
