// Small pictures written as PCX files of each depth, and the same pixels as
// a 24-bit BMP, for the tests of the PCX reader and of the pictures the
// digitizer opens.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pcx_test {

// Pixels as 0xRRGGBB, rows from top to bottom.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
    void set(int x, int y, std::uint32_t c)
    {
        if (x >= 0 && y >= 0 && x < width && y < height) rgb[static_cast<std::size_t>(y) * width + x] = c;
    }
};

inline Pixels blank(int width, int height, std::uint32_t colour = 0xFFFFFF)
{
    return Pixels{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

enum class Depth { mono, colours16, colours256, truecolour };

inline const char* depth_name(Depth d)
{
    switch (d) {
    case Depth::mono: return "1 plane of 1 bit";
    case Depth::colours16: return "4 planes of 1 bit";
    case Depth::colours256: return "1 plane of 8 bits";
    case Depth::truecolour: return "3 planes of 8 bits";
    }
    return "";
}

inline void put16(std::string& s, std::size_t at, int v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

// One line (all its planes) run-length encoded; runs stop at the line's end.
inline void encode_line(std::string& out, const std::vector<std::uint8_t>& line)
{
    std::size_t i = 0;
    while (i < line.size()) {
        std::size_t n = 1;
        while (i + n < line.size() && n < 63 && line[i + n] == line[i]) ++n;
        if (n > 1 || line[i] >= 0xC0) out.push_back(static_cast<char>(0xC0 | n));
        out.push_back(static_cast<char>(line[i]));
        i += n;
    }
}

// The picture as a PCX file. The palette lists the colours of the 1- and
// 8-bit depths (for 1 bit: black and white); every pixel must be one of them.
// `extra_bytes` pads each plane's line beyond the even length.
inline std::string encode_pcx(const Pixels& pic, Depth depth, const std::vector<std::uint32_t>& palette = {},
                              int extra_bytes = 0)
{
    const int planes = depth == Depth::colours16 ? 4 : depth == Depth::truecolour ? 3 : 1;
    const int bits = (depth == Depth::mono || depth == Depth::colours16) ? 1 : 8;
    int bpl = (pic.width * bits + 7) / 8;
    bpl += bpl % 2 + extra_bytes;
    std::string out(128, '\0');
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = 1;
    out[3] = static_cast<char>(bits);
    put16(out, 8, pic.width - 1);
    put16(out, 10, pic.height - 1);
    put16(out, 12, 300);
    put16(out, 14, 300);
    out[65] = static_cast<char>(planes);
    put16(out, 66, bpl);
    put16(out, 68, 1);
    if (depth == Depth::colours16)
        for (std::size_t i = 0; i < palette.size() && i < 16; ++i) {
            out[16 + 3 * i] = static_cast<char>(palette[i] >> 16);
            out[17 + 3 * i] = static_cast<char>(palette[i] >> 8);
            out[18 + 3 * i] = static_cast<char>(palette[i]);
        }
    auto index_of = [&](std::uint32_t c) -> int {
        const std::vector<std::uint32_t> mono{0x000000, 0xFFFFFF};
        const std::vector<std::uint32_t>& p = depth == Depth::mono ? mono : palette;
        const auto it = std::find(p.begin(), p.end(), c);
        if (it == p.end()) throw std::invalid_argument("a colour outside the palette");
        return static_cast<int>(it - p.begin());
    };
    std::vector<std::uint8_t> line(static_cast<std::size_t>(planes) * bpl);
    for (int y = 0; y < pic.height; ++y) {
        std::fill(line.begin(), line.end(), std::uint8_t{0});
        for (int x = 0; x < pic.width; ++x) {
            const std::uint32_t c = pic.at(x, y);
            if (depth == Depth::truecolour) {
                line[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(c >> 16);
                line[static_cast<std::size_t>(bpl + x)] = static_cast<std::uint8_t>(c >> 8);
                line[static_cast<std::size_t>(2 * bpl + x)] = static_cast<std::uint8_t>(c);
            } else if (depth == Depth::colours256) {
                line[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(index_of(c));
            } else {
                const int index = index_of(c);
                for (int p = 0; p < planes; ++p)
                    if ((index >> p) & 1) line[static_cast<std::size_t>(p * bpl + x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            }
        }
        encode_line(out, line);
    }
    if (depth == Depth::colours256) {
        out.push_back(0x0C);
        for (std::size_t i = 0; i < 256; ++i) {
            const std::uint32_t c = i < palette.size() ? palette[i] : 0;
            out.push_back(static_cast<char>(c >> 16));
            out.push_back(static_cast<char>(c >> 8));
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

inline std::string encode_bmp(const Pixels& pic)
{
    const int stride = (pic.width * 3 + 3) / 4 * 4;
    const std::uint32_t data_size = static_cast<std::uint32_t>(stride) * static_cast<std::uint32_t>(pic.height);
    std::string out;
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    out += "BM";
    put(54 + data_size, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(pic.width), 4);
    put(static_cast<std::uint32_t>(pic.height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(data_size, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = pic.height - 1; y >= 0; --y) {
        for (int x = 0; x < pic.width; ++x) {
            const std::uint32_t c = pic.at(x, y);
            out.push_back(static_cast<char>(c));
            out.push_back(static_cast<char>(c >> 8));
            out.push_back(static_cast<char>(c >> 16));
        }
        out.append(static_cast<std::size_t>(stride - 3 * pic.width), '\0');
    }
    return out;
}

inline void write_file(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace pcx_test
