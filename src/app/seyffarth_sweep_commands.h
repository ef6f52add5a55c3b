// The Seyffarth atlas commands of the windows against energy input, preheat
// and plate thickness and of the HAZ profile, with their immediate-draw and
// paint pairs.
#pragma once

#include "frame.h"

// Runs the command with this id; false when the id is not one of these.
bool run_seyffarth_sweep_command(int id);

// Prints the window of these now shown; false when none is shown.
bool print_seyffarth_sweep_window(Canvas& dc);

void seyffarth_structure_vs_energy_window_now(Window* window, int print_flag);
void seyffarth_structure_vs_energy_window_on_paint(int print_flag);
void seyffarth_properties_vs_energy_window_now(Window* window, int print_flag);
void seyffarth_properties_vs_energy_window_on_paint(int print_flag);
void seyffarth_structure_vs_preheat_window_now(Window* window, int print_flag);
void seyffarth_structure_vs_preheat_window_on_paint(int print_flag);
void seyffarth_properties_vs_preheat_window_now(Window* window, int print_flag);
void seyffarth_properties_vs_preheat_window_on_paint(int print_flag);
void seyffarth_structure_vs_thickness_window_now(Window* window, int print_flag);
void seyffarth_structure_vs_thickness_window_on_paint(int print_flag);
void seyffarth_properties_vs_thickness_window_now(Window* window, int print_flag);
void seyffarth_properties_vs_thickness_window_on_paint(int print_flag);
void seyffarth_haz_profile_window_now(Window* window, int print_flag);
void seyffarth_haz_profile_window_on_paint(int print_flag);
