#include "atlas_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<LabelRecord> records;
    read_label_text(fuzz_text(data, size), fuzz_input_name, records);
    if (records.size() > static_cast<std::size_t>(label_records_max)) __builtin_trap();
    for (const LabelRecord& r : records)
        if (label_text_length(r.text) > static_cast<std::size_t>(label_text_max) || r.text.empty()) __builtin_trap();
    return 0;
}
