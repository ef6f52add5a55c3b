#include "spline.h"

#include <cstdint>
#include <cstring>
#include <vector>

// The bytes as doubles: x, tolerance, then (X, Y) pairs. Any values, also
// infinities and NaNs, must give an answer after a bounded search.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<double> v(size / sizeof(double));
    if (!v.empty()) std::memcpy(v.data(), data, v.size() * sizeof(double));
    if (v.size() < 4) return 0;
    std::vector<double> xs, ys;
    for (std::size_t i = 2; i + 1 < v.size(); i += 2) {
        xs.push_back(v[i]);
        ys.push_back(v[i + 1]);
    }
    int flag = 0;
    spline_lookup(ys, xs, v[0], v[1], static_cast<int>(xs.size()) - 1, flag);
    if (flag < 0 || flag > 2) __builtin_trap();
    return 0;
}
