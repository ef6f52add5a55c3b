// Every prefix and many single-byte corruptions of the sample files go
// through each reader: none may crash or hang, a failure always names the
// file, and what a reader keeps is always sound enough to draw.
#include "atlas_files.h"
#include "curve_set.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path data_dir = VELMARIN_SOURCE_DATA_DIR;
const std::string scratch = (fs::path(VELMARIN_TEST_OUTPUT_DIR) / "atlas_corruption.txt").string();

std::string bytes_of(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(const std::string& content)
{
    std::ofstream(scratch, std::ios::binary | std::ios::trunc) << content;
}

// Runs `check` on every prefix (at most ~150 of them, evenly spread) and on
// 150 single-byte corruptions of the file.
void each_variant(const fs::path& file, const std::function<void(const std::string&)>& check)
{
    const std::string original = bytes_of(file);
    ASSERT_FALSE(original.empty()) << file;
    const std::size_t step = std::max<std::size_t>(1, original.size() / 150);
    for (std::size_t n = 0; n < original.size(); n += step) {
        put(original.substr(0, n));
        check("prefix of " + std::to_string(n) + " bytes");
    }
    static const char replacements[] = {'\0', '\n', '\r', ' ', '-', '9', 'e', '.', 'x', '\xff', '+', '\t'};
    std::uint32_t state = 12345;
    for (int i = 0; i < 150; ++i) {
        state = state * 1664525u + 1013904223u;
        std::string copy = original;
        const std::size_t at = (state >> 8) % copy.size();
        copy[at] = replacements[(state >> 24) % sizeof replacements];
        put(copy);
        check("byte " + std::to_string(at) + " changed");
    }
}

void expect_named(const AtlasReadResult& r, const std::string& what)
{
    if (!r.ok) {
        EXPECT_NE(r.message.find(scratch), std::string::npos) << what << ": " << r.message;
    }
}

const WorldBox box{0, 900, 6, 0};
const Rect rect{50, 50, 650, 450};

} // namespace

TEST(AtlasCorruption, CurveSets)
{
    each_variant(data_dir / "Seyffarth CCT Atlas" / "s355j2" / "cct.spl", [](const std::string& what) {
        CurveSet set;
        const AtlasReadResult r = read_curve_file(scratch, set);
        expect_named(r, what);
        ASSERT_FALSE(set.empty()) << what;
        RecordingCanvas dc;
        draw_curve_set(dc, set, box, rect);
        std::vector<double> out;
        lookup_curve_at_times(set, 0, std::vector<double>{2, 20}, out);
    });
}

TEST(AtlasCorruption, LabelFiles)
{
    each_variant(data_dir / "Seyffarth CCT Atlas" / "s355j2" / "labels.txt", [](const std::string& what) {
        std::vector<LabelRecord> records;
        expect_named(read_label_file(scratch, records), what);
        RecordingCanvas dc;
        draw_cct_labels(dc, 700, records, box, rect);
    });
}

TEST(AtlasCorruption, DescriptorsTablesAndSteelFiles)
{
    each_variant(data_dir / "Seyffarth CCT Atlas" / "S355J2.sp0", [](const std::string& what) {
        SteelDescriptor d;
        expect_named(read_steel_descriptor(scratch, d), what);
        MicrographLine m;
        parse_micrograph_line(d.micrograph_line, m);
    });
    each_variant(data_dir / "Seyffarth CCT Atlas" / "s355j2" / "struct.tx_", [](const std::string& what) {
        std::vector<StructureRow> rows;
        expect_named(read_structure_table(scratch, rows), what);
        EXPECT_LE(rows.size(), 200u);
    });
    each_variant(data_dir / "Shorsorov CCT Atlas" / "17GS.301", [](const std::string& what) {
        ShorshorovSteelFile steel;
        const AtlasReadResult r = read_shorshorov_steel_file(scratch, steel);
        expect_named(r, what);
        if (r.ok) {
            EXPECT_GE(steel.rows.size(), 3u) << what;
        }
    });
}
