#include "composition.h"
#include "fuzz_support.h"

#include <array>
#include <cmath>

namespace {

// A parser stores at most `limit` numbers, each finite, and leaves every
// content it did not read as it was.
void check(int read, int limit, const double* values, const bool* touched, std::size_t count)
{
    if (read < 0 || read > limit) __builtin_trap();
    for (std::size_t i = 0; i < count; ++i) {
        if (touched[i] && !std::isfinite(values[i])) __builtin_trap();
        if (!touched[i] && values[i] != -7.0) __builtin_trap();
    }
}

} // namespace

// The input as a composition line, a Shorshorov composition line and a
// base-metal line, and as free numbers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line = fuzz_text(data, size);

    CompositionRecord record;
    record.content.fill(-7.0);
    const int read = record.parse_composition(line);
    std::array<bool, composition_size> touched{};
    for (int i = 0; i < read && i < composition_size; ++i) touched[static_cast<std::size_t>(i)] = true;
    check(read, composition_size, record.content.data(), touched.data(), touched.size());

    ShorshorovSteel steel;
    steel.content.fill(-7.0);
    const int read15 = steel.shorshorov_parse_composition(line);
    if (read15 < 0 || read15 > 15) __builtin_trap();
    if (steel[el_w] != -7.0) __builtin_trap();   // W is not in the line
    int finite = 0;
    for (double v : steel.content) finite += v != -7.0 && std::isfinite(v);
    if (finite > read15) __builtin_trap();

    steel.base_first = steel.initial_rm = steel.initial_elongation = steel.initial_reduction = steel.initial_hv30 = -7.0;
    const int read5 = steel.shorshorov_parse_base_properties(line);
    const double base[5] = {steel.base_first, steel.initial_rm, steel.initial_elongation, steel.initial_reduction,
                            steel.initial_hv30};
    bool base_touched[5] = {};
    for (int i = 0; i < read5 && i < 5; ++i) base_touched[i] = true;
    check(read5, 5, base, base_touched, 5);

    // As many numbers as the first byte asks for, into a buffer with a guard
    // on either side that must stay as it was.
    const int count = size > 0 ? data[0] % 40 : 0;
    std::array<double, 42> buffer;
    buffer.fill(-7.0);
    const int got = read_numbers(line, buffer.data() + 1, count);
    if (got < 0 || got > count || buffer[0] != -7.0 || buffer[static_cast<std::size_t>(count) + 1] != -7.0)
        __builtin_trap();
    for (int i = 1; i <= got; ++i)
        if (!std::isfinite(buffer[static_cast<std::size_t>(i)])) __builtin_trap();
    if (count == composition_size && got != read) __builtin_trap();
    if (count == composition_size)
        for (int i = 0; i < got; ++i)
            if (buffer[static_cast<std::size_t>(i) + 1] != record.content[static_cast<std::size_t>(i)]) __builtin_trap();
    return 0;
}
