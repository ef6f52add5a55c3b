// The result windows of the Ion model: structure and hardness at the point
// versus the cooling time, and their dependence on one element's content
// (selector 0..7: C, Si, Mn, P, S, Cr, Ni, Cu), on energy input, on preheat
// and on plate thickness. Each is a SteelWindowRoutine.
#pragma once

#include "ion_model.h"
#include "steel_window_frame.h"

void ion_hardness_at_point_window(const double* params, int steps, Window* window, Canvas& dc,
                                  int selector, CompositionRecord composition, int print_flag);
void ion_hardness_vs_chemistry_window(const double* params, int steps, Window* window, Canvas& dc,
                                      int selector, CompositionRecord composition, int print_flag);
void ion_hardness_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc,
                                   int selector, CompositionRecord composition, int print_flag);
void ion_hardness_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc,
                                    int selector, CompositionRecord composition, int print_flag);
void ion_hardness_vs_thickness_window(const double* params, int steps, Window* window, Canvas& dc,
                                      int selector, CompositionRecord composition, int print_flag);

// The steel of an Ion window: the composition written as one text of
// sixteen numbers (" %lg" each, in record order) and read back.
std::string ion_composition_text(const CompositionRecord& composition);
IonSteel ion_steel_from(const CompositionRecord& composition);

// The cooling times of the at-point window's curves: 1 + 7.98 i s, i = 0..49.
double ion_curve_time(int i);
