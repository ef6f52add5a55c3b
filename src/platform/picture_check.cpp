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

std::uint32_t be32(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3]));
}

unsigned byte_at(std::string_view b, std::size_t at) { return static_cast<unsigned char>(b[at]); }

std::string png_fault(std::string_view b)
{
    std::size_t at = 8;   // the signature
    while (true) {
        if (b.size() - at < 12) return "it is cut short: it ends before its end chunk (IEND)";
        const std::uint64_t length = be32(b, at);
        const std::string_view type = b.substr(at + 4, 4);
        const std::uint64_t next = at + 12 + length;
        if (next > b.size())
            return "it is cut short: its chunk " + std::string(type) + " needs " + std::to_string(next) +
                   " bytes, the file holds " + std::to_string(b.size());
        if (type == "IEND") return {};
        at = static_cast<std::size_t>(next);
    }
}

std::string jpeg_fault(std::string_view b)
{
    const std::string cut = "it is cut short: it ends before its end marker (EOI)";
    std::size_t at = 2;   // the start marker
    while (true) {
        if (at >= b.size()) return cut;
        if (byte_at(b, at) != 0xFF) {
            // Entropy-coded data after a scan header: a 0xFF in it is
            // followed by 0x00 or a restart marker, anything else is the next
            // segment's marker.
            ++at;
            continue;
        }
        while (at < b.size() && byte_at(b, at) == 0xFF) ++at;
        if (at >= b.size()) return cut;
        const unsigned marker = byte_at(b, at++);
        if (marker == 0xD9) return {};
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (b.size() - at < 2) return cut;
        const std::size_t length = byte_at(b, at) << 8 | byte_at(b, at + 1);
        if (length < 2 || length > b.size() - at)
            return "it is cut short: a segment needs " + std::to_string(at + length) + " bytes, the file holds " +
                   std::to_string(b.size());
        at += length;
    }
}

std::string gif_fault(std::string_view b)
{
    // A GIF ends with its trailer byte; blocks of zeros written after it to
    // pad the file are allowed.
    std::size_t end = b.size();
    while (end > 6 && b[end - 1] == '\0') --end;
    if (end > 6 && b[end - 1] == ';') return {};
    return "it is cut short: it ends before its trailer";
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


std::string picture_end_fault(std::string_view b)
{
    if (b.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return png_fault(b);
    if (b.size() >= 3 && byte_at(b, 0) == 0xFF && byte_at(b, 1) == 0xD8 && byte_at(b, 2) == 0xFF) return jpeg_fault(b);
    if (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a") return gif_fault(b);
    return {};
}

std::string picture_fault(std::string_view b)
{
    if (std::string fault = bmp_fault(b); !fault.empty()) return fault;
    return picture_end_fault(b);
}
