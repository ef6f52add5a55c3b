// The result windows of the Kasatkin-Seyffarth model: structure and
// properties at the point versus the cooling time, and their dependence on
// energy input, on one element's content, on preheat and on plate
// thickness. Each is a SteelWindowRoutine (steel_window_frame.h); the
// chemistry windows take the varied element (0..11: C, Mn, Si, Cr, Mo, Ni,
// V, Ti, Al, Nb, W, Cu) as their selector.
#pragma once

#include "kasatkin_model.h"
#include "steel_window_frame.h"

void kasatkin_properties_at_point_window(const double* params, int steps, Window* window, Canvas& dc,
                                         int selector, CompositionRecord composition, int print_flag);
void kasatkin_structure_at_point_window(const double* params, int steps, Window* window, Canvas& dc,
                                        int selector, CompositionRecord composition, int print_flag);
void kasatkin_structure_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc,
                                         int selector, CompositionRecord composition, int print_flag);
void kasatkin_properties_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc,
                                          int selector, CompositionRecord composition, int print_flag);
void kasatkin_structure_vs_chemistry_window(const double* params, int steps, Window* window,
                                            Canvas& dc, int selector, CompositionRecord composition,
                                            int print_flag);
void kasatkin_properties_vs_chemistry_window(const double* params, int steps, Window* window,
                                             Canvas& dc, int selector, CompositionRecord composition,
                                             int print_flag);
void kasatkin_structure_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc,
                                          int selector, CompositionRecord composition, int print_flag);
void kasatkin_properties_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc,
                                           int selector, CompositionRecord composition, int print_flag);
void kasatkin_structure_vs_thickness_window(const double* params, int steps, Window* window,
                                            Canvas& dc, int selector, CompositionRecord composition,
                                            int print_flag);
void kasatkin_properties_vs_thickness_window(const double* params, int steps, Window* window,
                                             Canvas& dc, int selector, CompositionRecord composition,
                                             int print_flag);

// What a model curve plots of the record: shares in per cent, properties as
// the model gives them.
enum class KasatkinQuantity { hv, rm, r02, a, z, k, martensite, bainite, ferrite, pearlite };
double kasatkin_quantity(const KasatkinSteel& steel, KasatkinQuantity q);
