// Tests and benchmarks: whether the upper halves of the AVX registers are in
// use on this thread, and a way to leave them so, as Qt's drawing does.
#pragma once

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <cstdint>

// Whether the processor reports which register states are in use (XGETBV
// with ECX = 1) and has AVX, so that the two functions below may be called.
inline bool vector_state_probe_available()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
    const bool osxsave = (c & (1u << 27)) != 0;
    const bool avx = (c & (1u << 28)) != 0;
    if (!osxsave || !avx) return false;
    if (!__get_cpuid_count(0xD, 1, &a, &b, &c, &d)) return false;
    return (a & (1u << 2)) != 0;
}

// The upper halves of YMM0-15 (state component 2) or of ZMM0-15 (component
// 6) hold something: what makes the SSE code after it slow.
inline bool upper_vector_state_in_use()
{
    std::uint32_t lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return (lo & ((1u << 2) | (1u << 6))) != 0;
}

// Writes the whole of YMM0, as AVX code that ends without vzeroupper does.
// Plain inline assembly: a function built for AVX would get a vzeroupper
// from the compiler at its end.
inline void dirty_upper_vector_state()
{
    __asm__ volatile("vpcmpeqd %%ymm0, %%ymm0, %%ymm0" ::: "xmm0");
}

#else

inline bool vector_state_probe_available() { return false; }
inline bool upper_vector_state_in_use() { return false; }
inline void dirty_upper_vector_state() {}

#endif
