#include "atlas_files.h"
#include "fuzz_support.h"
#include "spline.h"

#include <vector>

// A set that reads cleanly has whole, bounded curve records filling it
// exactly; every curve is then looked up once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CurveSet set;
    read_curve_text(fuzz_text(data, size), fuzz_input_name, set);
    if (set.empty() || set[0] != static_cast<double>(set.size() == 1 ? 0 : set.size())) __builtin_trap();
    std::size_t p = curve_set_header;
    while (p < set.size()) {
        const int n = static_cast<int>(set[p]);
        if (n < -1 || n > 99 || p + 2 + 2 * static_cast<std::size_t>(n + 1) + 1 > set.size()) __builtin_trap();
        std::vector<double> xs, ys;
        for (int i = 0; i <= n; ++i) {
            xs.push_back(set[p + 2 + 2 * static_cast<std::size_t>(i)]);
            ys.push_back(set[p + 3 + 2 * static_cast<std::size_t>(i)]);
        }
        int flag = 0;
        if (n >= 1) spline_lookup(ys, xs, (xs.front() + xs.back()) / 2, 0.001, n, flag);
        p += 2 + 2 * static_cast<std::size_t>(n + 1) + 1;
    }
    return 0;
}
