// The commands of the two steel models: their immediate-draw functions and
// paint callbacks, and the command table rows that open the composition
// dialog, the further dialogs, and draw the window when the last dialog
// ended with OK.
#pragma once

#include "chemistry_dialogs.h"
#include "frame.h"

#include <vector>

// Runs the steel-model command with this id; false when the id is not one.
bool run_steel_command(int id);

// Prints the steel-model window now shown; false when none is shown.
bool print_steel_window(Canvas& dc);

// One row of the steel-model command table.
struct SteelCommand {
    int id = 0;
    void (*composition_dialog)() = nullptr;       // CHEMISTRY or CHEMISTRYION
    std::vector<void (*)()> dialogs;              // in order; the last one decides
    SteelWindowRoutine routine = nullptr;
    void (*now)(Window* window, int print_flag) = nullptr;
    PaintCallback on_paint = nullptr;
    const int* selector = nullptr;                // the varied element, or none
    bool transparent_now = false;
};
const std::vector<SteelCommand>& steel_commands();

void kasatkin_structure_at_point_window_now(Window* window, int print_flag);
void kasatkin_structure_at_point_window_on_paint(int print_flag);
void kasatkin_properties_at_point_window_now(Window* window, int print_flag);
void kasatkin_properties_at_point_window_on_paint(int print_flag);
void kasatkin_structure_vs_energy_window_now(Window* window, int print_flag);
void kasatkin_structure_vs_energy_window_on_paint(int print_flag);
void kasatkin_properties_vs_energy_window_now(Window* window, int print_flag);
void kasatkin_properties_vs_energy_window_on_paint(int print_flag);
void kasatkin_structure_vs_chemistry_window_now(Window* window, int print_flag);
void kasatkin_structure_vs_chemistry_window_on_paint(int print_flag);
void kasatkin_properties_vs_chemistry_window_now(Window* window, int print_flag);
void kasatkin_properties_vs_chemistry_window_on_paint(int print_flag);
void kasatkin_structure_vs_preheat_window_now(Window* window, int print_flag);
void kasatkin_structure_vs_preheat_window_on_paint(int print_flag);
void kasatkin_properties_vs_preheat_window_now(Window* window, int print_flag);
void kasatkin_properties_vs_preheat_window_on_paint(int print_flag);
void kasatkin_structure_vs_thickness_window_now(Window* window, int print_flag);
void kasatkin_structure_vs_thickness_window_on_paint(int print_flag);
void kasatkin_properties_vs_thickness_window_now(Window* window, int print_flag);
void kasatkin_properties_vs_thickness_window_on_paint(int print_flag);
void ion_hardness_at_point_window_now(Window* window, int print_flag);
void ion_hardness_at_point_window_on_paint(int print_flag);
void ion_hardness_vs_chemistry_window_now(Window* window, int print_flag);
void ion_hardness_vs_chemistry_window_on_paint(int print_flag);
void ion_hardness_vs_energy_window_now(Window* window, int print_flag);
void ion_hardness_vs_energy_window_on_paint(int print_flag);
void ion_hardness_vs_thickness_window_now(Window* window, int print_flag);
void ion_hardness_vs_thickness_window_on_paint(int print_flag);
void ion_hardness_vs_preheat_window_now(Window* window, int print_flag);
void ion_hardness_vs_preheat_window_on_paint(int print_flag);
