// PCX pictures (the Paintbrush format that scanners and old paint programs
// wrote), as the digitizer is offered them beside BMP files. Plain C++: the
// platform's picture loader turns the decoded pixels into a picture.
//
// Read: run-length encoded pictures of
//   1 plane of 1 bit    black and white (0 black, 1 white),
//   4 planes of 1 bit   16 colours from the palette in the header,
//   1 plane of 8 bits   256 colours from the palette that follows the picture
//                       data (a 0x0C byte, then 768 bytes of R G B),
//   3 planes of 8 bits  red, green and blue planes of each line.
// Each line holds `planes` runs of `bytes per line` bytes; bytes beyond the
// picture's width pad a line and are skipped.
//
// A file is checked before anything is made from it: the header's sizes, the
// bytes per line against the width, the planes and bits, the data against
// the size it claims (a run may not reach past the end of its line, the data
// may not end before the last line). Nothing is allocated beyond what the
// file's own bytes can fill. A faulty file gives a message naming it and the
// fault; the picture is then empty.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int pcx_header_size = 128;
inline constexpr int pcx_max_side = 16384;                  // pixels either way
inline constexpr std::int64_t pcx_max_pixels = 1ll << 26;   // 64 Mpixels, 256 MB as 32-bit pixels
inline constexpr std::int64_t pcx_max_file_size = 256ll << 20;

// Rows from top to bottom; each pixel 0xFFRRGGBB (opaque).
struct PcxImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;   // width * height
};

struct PcxReadResult {
    bool ok = true;
    std::string message;   // the text for the user when !ok
};

// Whether the bytes begin like a PCX file (the maker byte 0x0A and run-length
// encoding), to tell a PCX picture from others whatever its name.
bool looks_like_pcx(std::string_view bytes);

// From the file's bytes in memory; `path` names the file in messages.
PcxReadResult read_pcx_bytes(std::string_view bytes, const std::string& path, PcxImage& image);
// From a file: read whole (at most pcx_max_file_size bytes) and decoded as above.
PcxReadResult read_pcx_file(const std::string& path, PcxImage& image);
