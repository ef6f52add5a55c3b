// The PCX reader: hand-assembled files of each depth decode to the pixels
// their bytes spell, pictures written at each depth come back pixel for
// pixel, and faulty or hostile files are refused with a message naming them.
#include "pcx_picture.h"
#include "pcx_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace pcx_test;

namespace {

// A header of the given geometry with no data after it.
std::string header(int width, int height, int planes, int bits, int bytes_per_line)
{
    std::string h(128, '\0');
    h[0] = 0x0A;
    h[1] = 5;
    h[2] = 1;
    h[3] = static_cast<char>(bits);
    put16(h, 8, width - 1);
    put16(h, 10, height - 1);
    h[65] = static_cast<char>(planes);
    put16(h, 66, bytes_per_line);
    return h;
}

std::string bytes(std::initializer_list<int> list)
{
    std::string s;
    for (int b : list) s.push_back(static_cast<char>(b));
    return s;
}

std::string with_trailing_palette(std::string file, const std::vector<std::pair<int, std::uint32_t>>& colours)
{
    std::string palette(768, '\0');
    for (auto [i, c] : colours) {
        palette[static_cast<std::size_t>(3 * i)] = static_cast<char>(c >> 16);
        palette[static_cast<std::size_t>(3 * i + 1)] = static_cast<char>(c >> 8);
        palette[static_cast<std::size_t>(3 * i + 2)] = static_cast<char>(c);
    }
    return file + '\x0C' + palette;
}

struct HandMade {
    const char* what;
    std::string file;
    int width;
    int height;
    std::vector<std::uint32_t> rgb;   // 0xRRGGBB, rows top to bottom
};

std::vector<HandMade> hand_made()
{
    std::vector<HandMade> cases;
    // 1 bit: 10 pixels in two bytes per line; 0xC1 0xA5 is a run of one 0xA5
    // (10100101), then 0x40 (01000000) gives pixels 9 and 10: 0 and 1. The
    // last six bits of 0x40 pad the line.
    cases.push_back({"1 plane of 1 bit", header(10, 1, 1, 1, 2) + bytes({0xC1, 0xA5, 0x40}), 10, 1,
                     {0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF}});
    // 4 planes of 1 bit: pixels of colour 13 (1101), 2 (0010) and 15 (1111);
    // plane p holds bit p of each index: 101, 011, 101, 101.
    {
        std::string h = header(3, 1, 4, 1, 2);
        const std::pair<int, std::uint32_t> colours[] = {{2, 0x010203}, {13, 0x123456}, {15, 0xFFEEDD}};
        for (auto [i, c] : colours) {
            h[static_cast<std::size_t>(16 + 3 * i)] = static_cast<char>(c >> 16);
            h[static_cast<std::size_t>(17 + 3 * i)] = static_cast<char>(c >> 8);
            h[static_cast<std::size_t>(18 + 3 * i)] = static_cast<char>(c);
        }
        cases.push_back({"4 planes of 1 bit", h + bytes({0xA0, 0, 0x60, 0, 0xA0, 0, 0xA0, 0}), 3, 1,
                         {0x123456, 0x010203, 0xFFEEDD}});
    }
    // 1 plane of 8 bits: a run of two of index 200; then the literal 7 and a
    // run of one 0xC0 (index 192, which must be written as a run).
    cases.push_back({"1 plane of 8 bits",
                     with_trailing_palette(header(2, 2, 1, 8, 2) + bytes({0xC2, 200, 0x07, 0xC1, 0xC0}),
                                           {{200, 0x0A141E}, {7, 0x070707}, {192, 0xC000FF}}),
                     2, 2, {0x0A141E, 0x0A141E, 0x070707, 0xC000FF}});
    // 3 planes of 8 bits: red FF 00, green a run of two 80, blue 01 FE.
    cases.push_back({"3 planes of 8 bits", header(2, 1, 3, 8, 2) + bytes({0xC1, 0xFF, 0x00, 0xC2, 0x80, 0x01, 0xC1, 0xFE}),
                     2, 1, {0xFF8001, 0x0080FE}});
    return cases;
}

std::vector<std::uint32_t> opaque(const std::vector<std::uint32_t>& rgb)
{
    std::vector<std::uint32_t> out;
    for (std::uint32_t c : rgb) out.push_back(0xFF000000u | c);
    return out;
}

// A small picture with every colour of its palette, an odd width (so lines
// are padded, and 1-bit lines end inside a byte) and long runs.
Pixels sample_picture(const std::vector<std::uint32_t>& colours)
{
    Pixels pic = blank(37, 9, colours.back());
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x)
            if ((x + 3 * y) % 5 != 0) pic.set(x, y, colours[static_cast<std::size_t>((x * 7 + y) % colours.size())]);
    return pic;
}

std::vector<std::uint32_t> grey_ramp(int n)
{
    std::vector<std::uint32_t> p;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t g = static_cast<std::uint32_t>(i * 255 / (n - 1));
        p.push_back((g << 16) | ((255 - g) << 8) | (g / 2));
    }
    return p;
}

fs::path out_dir()
{
    const fs::path d = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "pcx_picture";
    fs::create_directories(d);
    return d;
}

} // namespace

TEST(PcxPicture, HandAssembledFilesGiveThePixelsTheirBytesSpell)
{
    for (const HandMade& c : hand_made()) {
        SCOPED_TRACE(c.what);
        PcxImage image;
        const PcxReadResult r = read_pcx_bytes(c.file, "hand.pcx", image);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        EXPECT_EQ(image.pixels, opaque(c.rgb));
    }
}

TEST(PcxPicture, EachDepthComesBackPixelForPixelFromMemoryAndFromAFile)
{
    const std::vector<std::uint32_t> sixteen = grey_ramp(16);
    const std::vector<std::uint32_t> many = grey_ramp(256);
    struct Case {
        Depth depth;
        std::vector<std::uint32_t> palette;
        std::vector<std::uint32_t> colours;
        int extra_bytes;
    };
    const Case cases[] = {
        {Depth::mono, {}, {0x000000, 0xFFFFFF}, 0},
        {Depth::colours16, sixteen, sixteen, 0},
        {Depth::colours256, many, many, 0},
        {Depth::truecolour, {}, {0xFF0000, 0x00FF00, 0x0000FF, 0xC0C1C2, 0x123456, 0xFFFFFF, 0x000000}, 0},
        {Depth::truecolour, {}, {0xFF0000, 0xFFFFFF}, 3},   // lines padded beyond the even length
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(depth_name(c.depth));
        const Pixels pic = sample_picture(c.colours);
        const std::string file = encode_pcx(pic, c.depth, c.palette, c.extra_bytes);
        PcxImage image;
        PcxReadResult r = read_pcx_bytes(file, "sample.pcx", image);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(image.width, 37);
        EXPECT_EQ(image.height, 9);
        EXPECT_EQ(image.pixels, opaque(pic.rgb));

        const fs::path path = out_dir() / "sample.pcx";
        write_file(path, file);
        PcxImage from_file;
        r = read_pcx_file(path.string(), from_file);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(from_file.pixels, image.pixels);
    }
}

TEST(PcxPicture, SixteenColoursOfAVersionWithoutHeaderPaletteAreTheStandardOnes)
{
    std::string file = header(2, 1, 4, 1, 2) + bytes({0x40, 0, 0x40, 0, 0x40, 0, 0x40, 0});   // indices 0, 15
    file[1] = 3;
    PcxImage image;
    ASSERT_TRUE(read_pcx_bytes(file, "old.pcx", image).ok);
    EXPECT_EQ(image.pixels, opaque({0x000000, 0xFFFFFF}));
}

TEST(PcxPicture, FaultyAndHostileFilesAreRefusedNamingTheFile)
{
    const std::string good24 = encode_pcx(sample_picture({0xFF0000, 0x00FF00, 0x0000FF}), Depth::truecolour);
    const std::string good8 = encode_pcx(sample_picture(grey_ramp(256)), Depth::colours256, grey_ramp(256));
    auto changed = [](std::string file, std::size_t at, std::initializer_list<int> values) {
        for (int v : values) file[at++] = static_cast<char>(v);
        return file;
    };
    struct Case {
        const char* what;
        std::string file;
        const char* says;
    };
    const Case cases[] = {
        {"empty", "", "fewer than the 128 bytes"},
        {"a header cut short", good24.substr(0, 100), "fewer than the 128 bytes"},
        {"a PNG", changed(good24, 0, {0x89, 'P', 'N', 'G'}), "not a PCX picture (its first byte is 0x89"},
        {"not run-length encoded", changed(good24, 2, {0}), "not run-length encoded"},
        {"right edge before the left", changed(good24, 4, {10, 0, 0, 0, 5, 0}), "has no pixels"},
        {"65536 pixels wide", changed(header(1, 1, 1, 1, 2), 8, {0xFF, 0xFF}), "at most 16384 pixels either way"},
        {"16384 x 16384 pixels", header(16384, 16384, 3, 8, 16384), "67108864 in all"},
        {"2 planes of 8 bits", header(4, 4, 2, 8, 4), "2 plane(s) of 8 bit(s)"},
        {"1 plane of 4 bits", header(4, 4, 1, 4, 2), "1 plane(s) of 4 bit(s)"},
        {"0 planes", header(4, 4, 0, 8, 4), "0 plane(s)"},
        {"fewer bytes per line than the width needs", changed(good24, 66, {18, 0}), "18 bytes per line"},
        {"no bytes per line", changed(good24, 66, {0, 0}), "0 bytes per line"},
        {"a large picture claimed by a few bytes", header(8192, 8192, 1, 1, 1024) + std::string(100, '\x01'),
         "cannot fill the 8192 lines"},
        {"data cut short", good24.substr(0, good24.size() - 5), "picture data end in line 9 of 9"},
        {"a run without its value", header(2, 1, 3, 8, 2) + bytes({0xC2, 0x80, 0xC2, 0x80, 0xC2}), "end in line 1"},
        {"a run past the end of its line", header(2, 2, 3, 8, 2) + bytes({0xC7, 0x80, 0xC2, 0x80, 0xC2, 0x80}),
         "in line 1 a run of 7 bytes reaches past the end of the line"},
        {"a 256-colour picture without its palette", good8.substr(0, good8.size() - 769),
         "256-colour palette that must end the file"},
        {"a 256-colour palette without its mark", changed(good8, good8.size() - 769, {0x0B}),
         "256-colour palette that must end the file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PcxImage image;
        image.width = 5;
        const PcxReadResult r = read_pcx_bytes(c.file, "scan/diagram.pcx", image);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message.rfind("File scan/diagram.pcx: ", 0), 0u) << r.message;
        EXPECT_NE(r.message.find(c.says), std::string::npos) << r.message;
        EXPECT_EQ(image.width, 0);
        EXPECT_TRUE(image.pixels.empty());
    }
}

TEST(PcxPicture, AMissingFileOrAFolderIsNamed)
{
    const struct {
        fs::path path;
        const char* what;
    } cases[] = {{out_dir() / "no_such.pcx", "no such picture file"}, {out_dir(), "is a folder, not a file"}};
    for (const auto& c : cases) {
        PcxImage image;
        const PcxReadResult r = read_pcx_file(c.path.string(), image);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.path.string()), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.what), std::string::npos) << r.message;
    }
}
