// Start values shared by the tests and the benchmarks: what the chemistry
// dialog offers first (C 0.09, Mn 1.34, Si 0.54, Cr 0.96, Ni 0.44, Cu 0.32).
#pragma once

#include "composition.h"

inline CompositionRecord composition_dialog_start()
{
    CompositionRecord c;
    c[el_c] = 0.09;
    c[el_mn] = 1.34;
    c[el_si] = 0.54;
    c[el_cr] = 0.96;
    c[el_ni] = 0.44;
    c[el_cu] = 0.32;
    return c;
}
