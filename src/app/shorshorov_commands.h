// The commands of the Shorshorov atlas: steel choice, the windows at a
// point and the HAZ profile, with their immediate-draw and paint pairs.
#pragma once

#include "frame.h"

// Runs the Shorshorov command with this id; false when the id is not one.
bool run_shorshorov_command(int id);

// Prints the Shorshorov window now shown; false when none is shown.
bool print_shorshorov_window(Canvas& dc);

// The command ids this file runs.
bool is_shorshorov_command(int id);

void shorshorov_structure_at_point_window_now(Window* window, int print_flag);
void shorshorov_structure_at_point_window_on_paint(int print_flag);
void shorshorov_haz_profile_window_now(Window* window, int print_flag);
void shorshorov_haz_profile_window_on_paint(int print_flag);
void shorshorov_structure_vs_energy_window_now(Window* window, int print_flag);
void shorshorov_structure_vs_energy_window_on_paint(int print_flag);
void shorshorov_properties_vs_energy_window_now(Window* window, int print_flag);
void shorshorov_properties_vs_energy_window_on_paint(int print_flag);
void shorshorov_structure_vs_preheat_window_now(Window* window, int print_flag);
void shorshorov_structure_vs_preheat_window_on_paint(int print_flag);
void shorshorov_properties_vs_preheat_window_now(Window* window, int print_flag);
void shorshorov_properties_vs_preheat_window_on_paint(int print_flag);
void shorshorov_structure_vs_thickness_window_now(Window* window, int print_flag);
void shorshorov_structure_vs_thickness_window_on_paint(int print_flag);
void shorshorov_properties_vs_thickness_window_now(Window* window, int print_flag);
void shorshorov_properties_vs_thickness_window_on_paint(int print_flag);
void shorshorov_micrograph_window_now(Window* window, int print_flag);
void shorshorov_micrograph_window_on_paint(int print_flag);
