// Files as users have them: whatever a name leads to (a pipe, a device, a
// folder, a loop of links, a file far too large, one replaced after it was
// chosen), every reader of the program and the picture loader answer at once
// with a message that names the file and what it is. A case that would wait
// on its file is caught by the watchdog and fails the test, never holding
// up the run.
#include "atlas_files.h"
#include "picture.h"
#include "pcx_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path folder = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "special_files";

// The reader under test: its result as (read soundly, message).
struct Outcome {
    bool ok = false;
    std::string message;
};
using Reader = std::function<Outcome(const std::string&)>;

struct ReaderCase {
    const char* name;
    const char* extension;
    std::uintmax_t cap;        // the largest file it reads
    const char* too_large;     // the end of its size message
    Reader read;
};

Outcome of(const AtlasReadResult& r) { return {r.ok, r.message}; }

const std::uintmax_t atlas_cap = 16u << 20;

const ReaderCase readers[] = {
    {"steel descriptor", ".sp0", atlas_cap, "larger than 16 MB; it is not an atlas file",
     [](const std::string& p) { SteelDescriptor d; return of(read_steel_descriptor(p, d)); }},
    {"curve set", ".spl", atlas_cap, "larger than 16 MB; it is not an atlas file",
     [](const std::string& p) { CurveSet c; return of(read_curve_file(p, c)); }},
    {"label file", ".txt", atlas_cap, "larger than 16 MB; it is not an atlas file",
     [](const std::string& p) { std::vector<LabelRecord> l; return of(read_label_file(p, l)); }},
    {"structure table", ".tx_", atlas_cap, "larger than 16 MB; it is not an atlas file",
     [](const std::string& p) { std::vector<StructureRow> r; return of(read_structure_table(p, r)); }},
    {"Shorshorov steel file", ".301", atlas_cap, "larger than 16 MB; it is not an atlas file",
     [](const std::string& p) { ShorshorovSteelFile f; return of(read_shorshorov_steel_file(p, f)); }},
    {"picture (BMP)", ".bmp", picture_max_file_size, "larger than 256 MB; it is not a picture",
     [](const std::string& p) {
         std::string why;
         const bool ok = load_picture_file(p, why).valid();
         return Outcome{ok, why};
     }},
    {"picture (PCX)", ".pcx", static_cast<std::uintmax_t>(pcx_max_file_size),
     "larger than 256 MB; it is not a picture",
     [](const std::string& p) {
         std::string why;
         const bool ok = load_picture_file(p, why).valid();
         return Outcome{ok, why};
     }},
};

// Makes the special file for a case under `path`; returns the end of the
// message it must give.
struct Special {
    const char* name;
    std::function<void(const fs::path& path, const ReaderCase& reader)> make;
    std::function<std::string(const ReaderCase& reader)> message;
};

void fresh(const fs::path& p)
{
    std::error_code ec;
    fs::remove_all(p, ec);
}

const Special specials[] = {
    {"pipe",
     [](const fs::path& p, const ReaderCase&) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
     [](const ReaderCase&) { return std::string(" is a pipe, not a file; it is not read"); }},
    {"link to /dev/zero",
     [](const fs::path& p, const ReaderCase&) { fs::create_symlink("/dev/zero", p); },
     [](const ReaderCase&) { return std::string(" is a device, not a file; it is not read"); }},
    {"folder",
     [](const fs::path& p, const ReaderCase&) { fs::create_directory(p); },
     [](const ReaderCase&) { return std::string(" is a folder, not a file; it is not read"); }},
    {"link loop",
     [](const fs::path& p, const ReaderCase&) {
         fs::path other = p;
         other += ".other";
         fresh(other);
         fs::create_symlink(other.filename(), p);
         fs::create_symlink(p.filename(), other);
     },
     [](const ReaderCase&) { return std::string(" is a link that leads round in a loop"); }},
    {"oversized file",
     [](const fs::path& p, const ReaderCase& r) {
         // Sparse: one byte over the cap costs no disk.
         std::ofstream(p, std::ios::binary).put('x');
         fs::resize_file(p, r.cap + 1);
     },
     [](const ReaderCase& r) { return " is " + std::string(r.too_large); }},
    {"replaced by a pipe after it was chosen",
     [](const fs::path& p, const ReaderCase&) {
         std::ofstream(p, std::ios::binary) << "chosen";
         const std::string chosen = resolve_atlas_path(p.filename().string(), p.string());
         ASSERT_EQ(chosen, p.string());
         fs::remove(p);
         ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
     },
     [](const ReaderCase&) { return std::string(" is a pipe, not a file; it is not read"); }},
};

} // namespace

TEST(SpecialFiles, EveryReaderNamesTheFileAtOnce)
{
    // The watchdog: a reader that waits on its file ends the test program
    // with a failure after 60 s instead of holding up the whole run.
    ::alarm(60);
    fs::create_directories(folder);
    std::printf("%-22s %-40s %9s  %s\n", "reader", "case", "time", "message");
    for (const Special& special : specials) {
        for (const ReaderCase& reader : readers) {
            const fs::path p = folder / (std::string("case") + reader.extension);
            fresh(p);
            special.make(p, reader);
            const auto start = std::chrono::steady_clock::now();
            const Outcome o = reader.read(p.string());
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            std::printf("%-22s %-40s %6.2f ms  %s\n", reader.name, special.name, ms, o.message.c_str());
            EXPECT_FALSE(o.ok) << reader.name << ", " << special.name;
            EXPECT_EQ(o.message, "File " + p.string() + special.message(reader)) << reader.name << ", " << special.name;
            // Each answer comes at once: nothing is waited on, nothing big read.
            EXPECT_LT(ms, 1000.0) << reader.name << ", " << special.name;
            fresh(p);
        }
    }
    ::alarm(0);
}

// A BMP cut short (here: to its first 60 bytes, header and palette start) is
// refused with the reason, not shown as an all-black picture.
TEST(SpecialFiles, APictureReadOnlyInPartIsRefused)
{
    fs::create_directories(folder);
    const fs::path whole = fs::path(VELMARIN_SOURCE_DATA_DIR) / "Seyffarth CCT Atlas" / "s235jr" / "micro.bmp";
    std::ifstream in(whole, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1000u);
    std::string why;
    ASSERT_TRUE(load_picture_file(whole.string(), why).valid()) << why;

    const struct {
        std::size_t keep;
        const char* message;
    } cases[] = {
        {60, ": it is cut short: its 600 by 400 pixels need 120118 bytes, the file holds 60"},
        {bytes.size() - 1, ": it is cut short: its 600 by 400 pixels need 120118 bytes, the file holds 120117"},
        {10, ": it ends inside its header"},
    };
    for (const auto& c : cases) {
        const fs::path p = folder / ("cut" + std::to_string(c.keep) + ".bmp");
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes.substr(0, c.keep);
        const Picture picture = load_picture_file(p.string(), why);
        EXPECT_FALSE(picture.valid()) << c.keep;
        EXPECT_EQ(why, "File " + p.string() + c.message);
    }
}

// A PNG, JPEG or GIF cut short is refused with the reason, whichever of its
// parts the cut falls in; the decoders alone would show the rows they reached
// over a blank rest. The whole files load.
TEST(SpecialFiles, APngJpegOrGifReadOnlyInPartIsRefused)
{
    fs::create_directories(folder);
    QImage image(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, (x ^ y) % 256));

    // Qt writes no GIF: a one-pixel one by hand (header, colour table,
    // graphic control, image descriptor, two-byte data block, trailer).
    const std::string one_pixel_gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                                    "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                                    "\x02\x02" "D\x01\x00;",
                                    43);
    const struct {
        const char* format;
        const char* extension;
        const char* message;   // of a cut in the picture's data
    } formats[] = {
        {"PNG", ".png", ": it is cut short: its chunk IDAT needs"},
        {"JPEG", ".jpg", ": it is cut short: it ends before its end marker (EOI)"},
        {"GIF", ".gif", ": it is cut short: it ends before its trailer"},
    };
    for (const auto& f : formats) {
        std::string bytes = one_pixel_gif;
        if (std::string_view(f.format) != "GIF") {
            QByteArray saved;
            QBuffer buffer(&saved);
            buffer.open(QIODevice::WriteOnly);
            ASSERT_TRUE(image.save(&buffer, f.format)) << f.format;
            bytes.assign(saved.constData(), static_cast<std::size_t>(saved.size()));
        }
        std::string why;
        const fs::path whole = folder / (std::string("whole") + f.extension);
        std::ofstream(whole, std::ios::binary | std::ios::trunc) << bytes;
        EXPECT_TRUE(load_picture_file(whole.string(), why).valid()) << f.format << ": " << why;

        for (const std::size_t keep : {bytes.size() / 2, bytes.size() - 1}) {
            const fs::path p = folder / ("cut" + std::to_string(keep) + f.extension);
            std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes.substr(0, keep);
            const Picture picture = load_picture_file(p.string(), why);
            EXPECT_FALSE(picture.valid()) << f.format << " cut to " << keep;
            EXPECT_EQ(why.rfind("File " + p.string() + ": it is cut short", 0), 0u) << why;
            if (keep == bytes.size() / 2) {
                EXPECT_NE(why.find(f.message), std::string::npos) << why;
            }
        }
    }
}
