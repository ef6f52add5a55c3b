#include "vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Built for AVX on its own, so the rest of the program stays within the
// baseline instruction set and this runs only where the check allows it.
__attribute__((target("avx"))) void zero_upper() { _mm256_zeroupper(); }

// The processor and the system both support AVX (libgcc checks that the
// system saves the AVX state before it reports the feature).
bool avx_usable()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

const bool has_avx = avx_usable();

}  // namespace

void clear_upper_vector_state()
{
    if (has_avx) zero_upper();
}

#else

void clear_upper_vector_state() {}

#endif
