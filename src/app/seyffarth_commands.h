// The commands of the Seyffarth atlas windows: their immediate-draw
// functions and paint callbacks, and the command table rows (the parameter
// dialog, forgetting the other atlas's steel, the steel chooser while no
// steel is chosen, the window).
#pragma once

#include "frame.h"
#include "seyffarth_frame.h"

#include <vector>

// Runs the Seyffarth atlas command with this id; false when the id is not one.
bool run_seyffarth_command(int id);

// Prints the Seyffarth window now shown; false when none is shown.
bool print_seyffarth_window(Canvas& dc);

// One row of the table. A row without a dialog is a diagram of the Atlas
// menu: it needs only a chosen steel.
struct SeyffarthCommand {
    int id = 0;
    void (*dialog)() = nullptr;
    SeyffarthWindowRoutine routine = nullptr;
    void (*now)(Window* window, int print_flag) = nullptr;
    PaintCallback on_paint = nullptr;
    const int* selector = nullptr;   // the HAZ property, or none
};
const std::vector<SeyffarthCommand>& seyffarth_commands();

// Makes sure a Seyffarth steel is chosen (the chooser when none is) and
// returns whether one is.
bool ensure_seyffarth_steel();

// The immediate-draw function and paint callback of each window.
void seyffarth_structure_at_point_window_now(Window* window, int print_flag);
void seyffarth_structure_at_point_window_on_paint(int print_flag);
void seyffarth_structure_diagram_window_now(Window* window, int print_flag);
void seyffarth_structure_diagram_window_on_paint(int print_flag);
void seyffarth_properties_at_point_window_now(Window* window, int print_flag);
void seyffarth_properties_at_point_window_on_paint(int print_flag);
void seyffarth_properties_diagram_window_now(Window* window, int print_flag);
void seyffarth_properties_diagram_window_on_paint(int print_flag);
void seyffarth_cct_at_point_window_now(Window* window, int print_flag);
void seyffarth_cct_at_point_window_on_paint(int print_flag);
void seyffarth_cct_diagram_window_now(Window* window, int print_flag);
void seyffarth_cct_diagram_window_on_paint(int print_flag);
void seyffarth_micrograph_window_now(Window* window, int print_flag);
void seyffarth_micrograph_window_on_paint(int print_flag);
