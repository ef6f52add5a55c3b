#include "pcx_picture.h"

#include "file_read.h"

#include <algorithm>
#include <cstdio>


namespace {

constexpr std::uint8_t pcx_maker = 0x0A;
constexpr std::uint8_t pcx_rle = 1;
constexpr std::uint8_t palette_mark = 0x0C;
constexpr std::size_t trailing_palette_size = 1 + 768;
constexpr std::size_t header_palette_offset = 16;
constexpr int longest_run = 63;

// Versions 0 and 3 carry no palette in their header; their 16 colours are
// the display's standard ones.
constexpr std::uint32_t standard_colours[16] = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF,
};

constexpr std::uint32_t opaque = 0xFF000000u;

PcxReadResult failure(const std::string& path, const std::string& fault)
{
    PcxReadResult r;
    r.ok = false;
    r.message = "File " + path + ": " + fault;
    return r;
}

std::uint8_t byte_at(std::string_view bytes, std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); }

int word_at(std::string_view bytes, std::size_t i) { return byte_at(bytes, i) | (byte_at(bytes, i + 1) << 8); }

std::uint32_t rgb_at(std::string_view bytes, std::size_t i)
{
    return opaque | (std::uint32_t{byte_at(bytes, i)} << 16) | (std::uint32_t{byte_at(bytes, i + 1)} << 8) |
           byte_at(bytes, i + 2);
}

std::string number(std::int64_t v) { return std::to_string(v); }

bool read_depth(int planes, int bits)
{
    return (planes == 1 && bits == 1) || (planes == 4 && bits == 1) || (planes == 1 && bits == 8) ||
           (planes == 3 && bits == 8);
}

} // namespace

bool looks_like_pcx(std::string_view bytes)
{
    return bytes.size() >= 3 && byte_at(bytes, 0) == pcx_maker && byte_at(bytes, 2) == pcx_rle;
}

PcxReadResult read_pcx_bytes(std::string_view bytes, const std::string& path, PcxImage& image)
{
    image = PcxImage{};
    if (bytes.size() < static_cast<std::size_t>(pcx_header_size))
        return failure(path, "it holds " + number(static_cast<std::int64_t>(bytes.size())) +
                                 " bytes, fewer than the 128 bytes of a PCX header");
    if (byte_at(bytes, 0) != pcx_maker) {
        char first[8];
        std::snprintf(first, sizeof first, "0x%02X", byte_at(bytes, 0));
        return failure(path, std::string("it is not a PCX picture (its first byte is ") + first +
                                 ", a PCX picture begins with 0x0A)");
    }
    if (byte_at(bytes, 2) != pcx_rle)
        return failure(path, "its picture data are not run-length encoded (encoding " +
                                 number(byte_at(bytes, 2)) + ")");
    const int version = byte_at(bytes, 1);
    const int bits = byte_at(bytes, 3);
    const int planes = byte_at(bytes, 65);
    const int x_min = word_at(bytes, 4), y_min = word_at(bytes, 6);
    const int x_max = word_at(bytes, 8), y_max = word_at(bytes, 10);
    const int bytes_per_line = word_at(bytes, 66);

    if (x_max < x_min || y_max < y_min)
        return failure(path, "its header gives the corners (" + number(x_min) + ", " + number(y_min) + ") and (" +
                                 number(x_max) + ", " + number(y_max) + "): the picture has no pixels");
    const int width = x_max - x_min + 1;
    const int height = y_max - y_min + 1;
    if (width > pcx_max_side || height > pcx_max_side ||
        static_cast<std::int64_t>(width) * height > pcx_max_pixels)
        return failure(path, "its header gives " + number(width) + " x " + number(height) +
                                 " pixels; a picture may have at most " + number(pcx_max_side) +
                                 " pixels either way and " + number(pcx_max_pixels) + " in all");
    if (!read_depth(planes, bits))
        return failure(path, "it has " + number(planes) + " plane(s) of " + number(bits) +
                                 " bit(s) per pixel; PCX pictures of 1 plane of 1 or 8 bits, 4 planes of 1 bit "
                                 "and 3 planes of 8 bits are read");
    const int needed_per_line = (width * bits + 7) / 8;
    if (bytes_per_line < needed_per_line)
        return failure(path, "its header gives " + number(bytes_per_line) + " bytes per line and plane; a line of " +
                                 number(width) + " pixels of " + number(bits) + " bit(s) needs " +
                                 number(needed_per_line));

    std::size_t data_end = bytes.size();
    const bool trailing_palette = planes == 1 && bits == 8;
    if (trailing_palette) {
        if (bytes.size() < pcx_header_size + trailing_palette_size ||
            byte_at(bytes, bytes.size() - trailing_palette_size) != palette_mark)
            return failure(path, "the 256-colour palette that must end the file (a 0x0C byte and 768 bytes of "
                                 "colours) is missing");
        data_end = bytes.size() - trailing_palette_size;
    }

    // Each encoded byte gives at most 63 bytes of a line: a file too short to
    // fill the lines it claims is refused before anything is allocated.
    const std::size_t line_size = static_cast<std::size_t>(planes) * static_cast<std::size_t>(bytes_per_line);
    const std::int64_t data_size = static_cast<std::int64_t>(data_end) - pcx_header_size;
    const std::int64_t claimed = static_cast<std::int64_t>(line_size) * height;
    if (data_size * longest_run < claimed)
        return failure(path, "its " + number(data_size) + " bytes of picture data cannot fill the " +
                                 number(height) + " lines of " + number(static_cast<std::int64_t>(line_size)) +
                                 " bytes that its header gives; the file is cut short");

    std::uint32_t palette[256] = {};
    if (trailing_palette) {
        const std::size_t at = bytes.size() - 768;
        for (std::size_t i = 0; i < 256; ++i) palette[i] = rgb_at(bytes, at + 3 * i);
    } else if (planes == 4) {
        for (std::size_t i = 0; i < 16; ++i)
            palette[i] = (version == 0 || version == 3) ? (opaque | standard_colours[i])
                                                        : rgb_at(bytes, header_palette_offset + 3 * i);
    } else {
        palette[0] = opaque;
        palette[1] = opaque | 0xFFFFFFu;
    }

    PcxImage out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::vector<std::uint8_t> line(line_size);
    const std::size_t bpl = static_cast<std::size_t>(bytes_per_line);
    std::size_t pos = pcx_header_size;
    for (int y = 0; y < height; ++y) {
        std::size_t i = 0;
        while (i < line_size) {
            if (pos >= data_end)
                return failure(path, "its picture data end in line " + number(y + 1) + " of " + number(height));
            const std::uint8_t b = byte_at(bytes, pos++);
            if ((b & 0xC0) != 0xC0) {
                line[i++] = b;
                continue;
            }
            const std::size_t count = b & 0x3F;
            if (pos >= data_end)
                return failure(path, "its picture data end in line " + number(y + 1) + " of " + number(height));
            const std::uint8_t value = byte_at(bytes, pos++);
            if (count > line_size - i)
                return failure(path, "in line " + number(y + 1) + " a run of " +
                                         number(static_cast<std::int64_t>(count)) +
                                         " bytes reaches past the end of the line");
            std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(i), count, value);
            i += count;
        }
        std::uint32_t* row = out.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            if (bits == 8) {
                row[x] = planes == 1 ? palette[line[x]]
                                     : opaque | (std::uint32_t{line[x]} << 16) |
                                           (std::uint32_t{line[bpl + x]} << 8) | line[2 * bpl + x];
                continue;
            }
            const int shift = 7 - static_cast<int>(x % 8);
            unsigned index = 0;
            for (int p = 0; p < planes; ++p)
                index |= ((line[static_cast<std::size_t>(p) * bpl + x / 8] >> shift) & 1u) << p;
            row[x] = palette[index];
        }
    }
    image = std::move(out);
    return {};
}

PcxReadResult read_pcx_file(const std::string& path, PcxImage& image)
{
    image = PcxImage{};
    std::string bytes;
    const ReadOutcome r =
        read_file_whole(path, static_cast<std::size_t>(pcx_max_file_size), "a picture to digitize", bytes);
    if (r.status == ReadStatus::missing) return failure(path, "no such picture file");
    if (!r.ok()) return PcxReadResult{false, r.message};
    return read_pcx_bytes(bytes, path, image);
}
