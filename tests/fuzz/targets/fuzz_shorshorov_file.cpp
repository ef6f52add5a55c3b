#include "atlas_files.h"
#include "fuzz_support.h"
#include "spline.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ShorshorovSteelFile steel;
    const AtlasReadResult r = read_shorshorov_steel_text(fuzz_text(data, size), fuzz_input_name, steel);
    if (steel.rows.size() > static_cast<std::size_t>(shorshorov_rows_max)) __builtin_trap();
    if (r.ok) {
        if (steel.rows.size() < 3) __builtin_trap();
        std::vector<double> xs, hv;
        for (std::size_t i = 2; i < steel.rows.size(); ++i) {
            xs.push_back(steel.rows[i].x());
            hv.push_back(steel.rows[i].hv);
        }
        int flag = 0;
        spline_lookup(hv, xs, (xs.front() + xs.back()) / 2, 0.01, static_cast<int>(xs.size()) - 1, flag);
    }
    return 0;
}
