#include "atlas_files.h"
#include "fuzz_support.h"
#include "spline.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<StructureRow> rows;
    const AtlasReadResult r = read_structure_text(fuzz_text(data, size), fuzz_input_name, rows);
    if (rows.size() > static_cast<std::size_t>(structure_rows_max)) __builtin_trap();
    if (r.ok && !rows.empty()) {
        std::vector<double> xs, ms;
        for (const StructureRow& row : rows) {
            xs.push_back(row.x);
            ms.push_back(row.martensite);
        }
        int flag = 0;
        spline_lookup(ms, xs, (xs.front() + xs.back()) / 2, 0.01, static_cast<int>(xs.size()) - 1, flag);
    }
    return 0;
}
