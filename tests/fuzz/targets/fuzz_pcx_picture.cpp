#include "fuzz_support.h"
#include "pcx_picture.h"

// A picture that reads has exactly its pixels, all opaque, within the size
// limits; one that does not leaves nothing behind and says why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PcxImage image;
    const PcxReadResult r = read_pcx_bytes(fuzz_text(data, size), fuzz_input_name, image);
    if (!r.ok) {
        if (r.message.empty() || image.width != 0 || image.height != 0 || !image.pixels.empty()) __builtin_trap();
        return 0;
    }
    if (image.width < 1 || image.height < 1 || image.width > pcx_max_side || image.height > pcx_max_side)
        __builtin_trap();
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        __builtin_trap();
    for (std::uint32_t p : image.pixels)
        if ((p >> 24) != 0xFF) __builtin_trap();
    return 0;
}
