#include "picture_check.h"

#include <cstdint>

namespace {

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

} // namespace

std::string bmp_fault(std::string_view b)
{
    constexpr std::size_t file_header = 14;
    if (b.substr(0, 2) != "BM") return {};
    if (b.size() < file_header + 4) return "it ends inside its header";
    const std::uint32_t info_size = le32(b, 14);
    if (info_size < 40) return {};   // the old OS/2 header: Qt checks it
    if (b.size() < file_header + 40) return "it ends inside its header";
    const std::uint32_t offset = le32(b, 10);
    const auto width = static_cast<std::int32_t>(le32(b, 18));
    const auto height = static_cast<std::int32_t>(le32(b, 22));
    const unsigned bits = static_cast<unsigned char>(b[28]) | static_cast<unsigned>(static_cast<unsigned char>(b[29])) << 8;
    const std::uint32_t compression = le32(b, 30);
    if (compression != 0 && compression != 3) return {};   // run-length rows have no fixed size
    if (width <= 0 || bits == 0 || bits > 32) return {};
    const std::uint64_t row = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
    const std::uint64_t needed = static_cast<std::uint64_t>(offset) + row * rows;
    if (needed <= b.size()) return {};
    return "it is cut short: its " + std::to_string(width) + " by " + std::to_string(rows) + " pixels need " +
           std::to_string(needed) + " bytes, the file holds " + std::to_string(b.size());
}

