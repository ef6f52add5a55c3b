#include "atlas_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SteelDescriptor d;
    const AtlasReadResult r = read_steel_descriptor_text(fuzz_text(data, size), fuzz_input_name, d);
    if (r.ok) {
        MicrographLine m;
        parse_micrograph_line(d.micrograph_line, m);
        if (d.grade_line.size() > 250 || d.composition_line.size() > 249) __builtin_trap();
    }
    return 0;
}
