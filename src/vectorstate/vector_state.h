// The upper halves of the AVX registers, as drawing leaves them.
//
// Qt's raster drawing runs AVX code that leaves the upper halves of the
// vector registers in use. On many Intel cores every SSE instruction that
// follows then pays a transition, and glibc's exp, pow and sincos, entered
// through their SSE entry points, become many times slower (37 times for
// exp), until the state is cleared. Every computation that may start after
// drawing on the same thread clears it first.
#pragma once

// Marks the upper halves of the vector registers unused (vzeroupper) where
// the processor has AVX; does nothing elsewhere. Costs about a cycle.
void clear_upper_vector_state();
