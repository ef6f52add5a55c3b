#include "atlas_files.h"
#include "curve_set.h"
#include "msgbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const fs::path fixtures = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "atlas_reader_fixtures";

std::string write_file(const std::string& name, const std::string& content)
{
    const fs::path p = fixtures / name;
    fs::create_directories(p.parent_path());
    std::error_code ec;
    fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    std::ofstream(p, std::ios::binary | std::ios::trunc) << content;
    return p.string();
}

std::string missing_path(const std::string& name) { return (fixtures / "absent" / name).string(); }

// A curve set: 24 header numbers, then the given records, written as the
// digitizer writes it (N, then N - 1 numbers).
std::string curve_file_text(const std::vector<double>& records, double count_adjust = 0)
{
    std::vector<double> v(24, 0.0);
    v[0] = 0;
    v[1] = 0;
    v[2] = 5.9914;
    v[3] = 900;
    v.insert(v.end(), records.begin(), records.end());
    std::string s = " " + std::to_string(static_cast<long>(v.size() + 1 + count_adjust)) + " ";
    for (std::size_t i = 0; i < v.size(); ++i) {
        if ((i + 1) % 5 == 0) s += "\n";
        char buf[64];
        std::snprintf(buf, sizeof buf, " %g", v[i]);
        s += buf;
    }
    return s;
}

} // namespace

// ---------------------------------------------------------------- descriptor

TEST(SteelDescriptorReader, ReadsNamesAndLinesOfAWindowsFile)
{
    const std::string path = write_file(
        "d1.sp0",
        "CCT\\S355.SPL  PROP\\S355.SPL\r\nLAB\\S355.TXT\tSTR\\S355.TX_\r\n"
        "Steel S355 for tests\r\n0.18 0.35 1.45 0.02 0.01 0 0 0 0 0 0 0 0.03\r\n"
        "S355.BMP 360 240 3 6 12 25 60 120\r\nS355J2\r\n");
    SteelDescriptor d;
    const AtlasReadResult r = read_steel_descriptor(path, d);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(d.cct_curves, "CCT\\S355.SPL");
    EXPECT_EQ(d.property_curves, "PROP\\S355.SPL");
    EXPECT_EQ(d.labels, "LAB\\S355.TXT");
    EXPECT_EQ(d.structure, "STR\\S355.TX_");
    EXPECT_EQ(d.fifth_line, "Steel S355 for tests");
    EXPECT_EQ(d.composition_line, "0.18 0.35 1.45 0.02 0.01 0 0 0 0 0 0 0 0.03");
    EXPECT_EQ(d.grade_line, "S355J2 ");   // its line end becomes a blank

    MicrographLine m;
    EXPECT_EQ(parse_micrograph_line(d.micrograph_line, m), 9);
    EXPECT_EQ(m.file, "S355.BMP");
    EXPECT_EQ(m.width, 360u);
    EXPECT_EQ(m.height, 240u);
    EXPECT_EQ(m.thresholds[0], 3.0);
    EXPECT_EQ(m.thresholds[5], 120.0);
    EXPECT_EQ(parse_micrograph_line("S355.BMP 360 x", m), 2);
    EXPECT_EQ(parse_micrograph_line("   ", m), 0);
}

TEST(SteelDescriptorReader, LineLayoutCases)
{
    SteelDescriptor d;
    // An empty fifth line is skipped with the white space after the names:
    // the composition line is read as the fifth line.
    std::string path = write_file("d2.sp0", "a b c d\n\n0.2 0.3 1.1\nM.BMP 3 2 1 2 3 4 5 6\nGRADE\nextra\n");
    ASSERT_TRUE(read_steel_descriptor(path, d).ok);
    EXPECT_EQ(d.fifth_line, "0.2 0.3 1.1");
    EXPECT_EQ(d.composition_line, "M.BMP 3 2 1 2 3 4 5 6");
    EXPECT_EQ(d.grade_line, "extra ");

    // A last line without a line break still gives the grade, without a blank.
    path = write_file("d3.sp0", "a b c d\nfifth\n0.2\nM.BMP 3 2 1 2 3 4 5 6\nGRADE");
    ASSERT_TRUE(read_steel_descriptor(path, d).ok);
    EXPECT_EQ(d.grade_line, "GRADE");
}

TEST(SteelDescriptorReader, FaultsAreNamed)
{
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
    };
    const Case cases[] = {
        {"empty.sp0", "", "ends before the name of its CCT curve file (name 1 of 4)"},
        {"three.sp0", "a b c", "ends before the name of its structure table (name 4 of 4)"},
        {"noline.sp0", "a b c d\nfifth\n0.2\nM.BMP 3 2 1 2 3 4 5 6\n", "ends before its grade line (line 8)"},
        {"longname.sp0", std::string(300, 'n') + " b c d\n1\n2\n3\n4\n", "name of its CCT curve file is longer than"},
        {"longline.sp0", "a b c d\nfifth\n" + std::string(250, '1') + "\n3\n4\n",
         "composition line is longer than 249 characters"},
    };
    for (const Case& c : cases) {
        SteelDescriptor d;
        const std::string path = write_file(c.name, c.content);
        const AtlasReadResult r = read_steel_descriptor(path, d);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.missing) << c.name;
        EXPECT_NE(r.message.find("File " + path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << r.message;
    }
}

TEST(SteelDescriptorReader, MissingFileLeavesTheBuffersAndIsReported)
{
    SteelDescriptor d;
    d.grade_line = "previous";
    const std::string path = missing_path("none.sp0");
    const AtlasReadResult r = read_steel_descriptor(path, d);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.missing);
    EXPECT_EQ(r.message, " File not present " + path);
    EXPECT_EQ(d.grade_line, "previous");

    message_box_set_record_mode(true);
    message_box_take_log();
    report_atlas_failure(nullptr, r);
    report_atlas_failure(nullptr, AtlasReadResult{});
    const auto log = message_box_take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, " File not present " + path);
    EXPECT_EQ(log[0].caption, "  Message!");
}

// ---------------------------------------------------------------- curve sets

TEST(CurveFileReader, DigitizedSetOfOneCurve)
{
    // One curve of 3 points: N = 25 + 2 + 6 + 1 = 34, 33 numbers after the count.
    const std::string path =
        write_file("one.spl", curve_file_text({2, 16711680, 0.5, 800, 1.5, 600, 2.5, 400, 350}));
    CurveSet set;
    const AtlasReadResult r = read_curve_file(path, set);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(set.size(), 34u);
    EXPECT_EQ(set[0], 34.0);
    EXPECT_EQ(set[3], 5.9914);
    EXPECT_EQ(set[4], 900.0);
    std::vector<double> xs, ys;
    int n = 0, colour = 0;
    ASSERT_TRUE(extract_curve(set, xs, ys, n, colour, 0));
    EXPECT_EQ(n, 2);
    EXPECT_EQ(colour, 16711700);   // "%g" keeps six digits of a colour with blue
    EXPECT_EQ(ys, (std::vector<double>{800, 600, 400}));
    EXPECT_EQ(set[33], 350.0);

    // A file that carries one number more than the count's share reads alike.
    const std::string longer = write_file("one_more.spl", curve_file_text({2, 255, 0, 1, 1, 2, 2, 3, 0, 0}, -1));
    ASSERT_TRUE(read_curve_file(longer, set).ok);
    EXPECT_EQ(set.size(), 34u);
}

TEST(CurveFileReader, FaultsAreNamedAndWholeCurvesKept)
{
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
        std::size_t kept;   // size of the set that remains
    };
    const std::vector<double> two_curves{1, 255, 0, 800, 1, 700, 0, 1, 65280, 0, 600, 2, 500, 310};
    std::string truncated = curve_file_text(two_curves);
    truncated.resize(truncated.size() - 12);
    const Case cases[] = {
        {"empty.spl", "", "is empty", 1},
        {"count_text.spl", "abc 1 2 3", "line 1: its count \"abc\" is not a finite number", 1},
        {"huge.spl", "1e9 0 0 0", "its count 1e+09 is not a whole number from 25 to 7999", 1},
        {"small.spl", "10 1 2 3 4 5 6 7 8 9", "its count 10 is not a whole number from 25 to 7999", 1},
        {"fraction.spl", "30.5 1", "is not a whole number", 1},
        {"header_short.spl", "40 1 2 3", "it ends after 3 of the 39 numbers", 1},
        {"truncated.spl", truncated, "numbers its count announces", 32},
        {"bad_number.spl", curve_file_text({1, 255, 0, 800, 1, 700, 0}).replace(40, 0, " x1y "),
         "is not a finite number", 1},
        {"infinite.spl", curve_file_text({1, 255, 0, 800, 1, 700, 0}).replace(40, 0, " 1e999 "),
         "line 3: number 14 (\"1e999\") is not a finite number", 1},
        {"nul.spl", curve_file_text({1, 255, 0, 800, 1, 700, 0}).replace(40, 0, std::string(" 1\0 ", 4)),
         "line 3: it holds a NUL byte; an atlas file is plain text", 1},
        {"too_many_points.spl", curve_file_text({150, 255, 0, 1, 0}), "a curve has 0 to 100 points", 25},
        {"runs_past.spl", curve_file_text({1, 255, 0, 800, 1, 700, 0, 5, 0, 1, 2}), "runs past", 32},
        {"colour.spl", curve_file_text({1, -5, 0, 800, 1, 700, 0}), "line 6: curve 1 has the colour number -5", 25},
        {"nan.spl", curve_file_text({1, 255, 0, 800, 1, 700, 0}).replace(3, 0, " nan "), "not a finite number", 1},
        {"extra.spl", curve_file_text({1, 255, 0, 800, 1, 700, 0}) + " 1 2 3", "holds more than", 32},
    };
    for (const Case& c : cases) {
        CurveSet set{1, 2, 3};
        const std::string path = write_file(c.name, c.content);
        const AtlasReadResult r = read_curve_file(path, set);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find("File " + path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << c.name << ": " << r.message;
        EXPECT_EQ(set.size(), c.kept) << c.name;
        if (!set.empty()) {
            EXPECT_EQ(set[0], set.size() == 1 ? 0.0 : static_cast<double>(set.size())) << c.name;
        }
    }
}

TEST(CurveFileReader, MissingFileLeavesAnEmptySet)
{
    CurveSet set{40, 1, 2};
    const std::string path = missing_path("none.spl");
    const AtlasReadResult r = read_curve_file(path, set);
    EXPECT_TRUE(r.missing);
    EXPECT_EQ(r.message, " File not present " + path);
    EXPECT_EQ(set, CurveSet{0});
}

// ---------------------------------------------------------------- CCT labels

TEST(LabelFileReader, RecordsWithSevenCharacterTexts)
{
    const std::string path = write_file("l1.txt", "grpA 11 13\r\nABCDEFG 1.5 700\r\n\r\n  x  -2 1e2 ");
    std::vector<LabelRecord> records;
    const AtlasReadResult r = read_label_file(path, records);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].text, "grpA");
    EXPECT_EQ(records[0].y, 13.0);
    EXPECT_EQ(records[1].text, "ABCDEFG");
    EXPECT_EQ(records[1].x, 1.5);
    EXPECT_EQ(records[2].x, -2.0);
    EXPECT_EQ(records[2].y, 100.0);
}

TEST(LabelFileReader, DigitizerCountLineIsRecognised)
{
    const std::string path = write_file("l2.txt", "\n 2\nF 1.5 700\n30 2 650");
    std::vector<LabelRecord> records;
    ASSERT_TRUE(read_label_file(path, records).ok);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].text, "F");
    EXPECT_EQ(records[1].text, "30");

    // Numbers as texts are fine in an atlas file with no count line.
    const std::string plain = write_file("l3.txt", "1 2 3\n4 5 6\n");
    ASSERT_TRUE(read_label_file(plain, records).ok);
    EXPECT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].text, "1");
}

TEST(LabelFileReader, FaultsAreNamed)
{
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
    };
    std::string many;
    for (int i = 0; i < 2700; ++i) many += "t 1 2\n";
    const Case cases[] = {
        {"long.txt", "ABCDEFGH 1 2", "\"ABCDEFGH\" of label 1 is longer than 7 characters"},
        {"short.txt", "a 1 2\nb 3", "line 2: label 2 (\"b\") lacks its y"},
        {"shorter.txt", "a 1 2\nb 3 4 c", "label 3 (\"c\") lacks its x and y"},
        {"count.txt", "\n 3\nF 1.5 700\n30 2 650", "count line announces 3 labels but 2 follow"},
        {"number.txt", "a 1 2\nb x 4", "label 2 (\"b\") has a position that is not two finite numbers"},
        {"infinite.txt", "a 1 2\nb 3\n-inf", "line 2: label 2 (\"b\") has a position that is not two finite"},
        {"nul.txt", std::string("a 1 2\nb\0c 3 4", 14), "line 2: it holds a NUL byte; an atlas file is plain text"},
        {"cyrillic.txt", "ФерритыА 1 2", "\"ФерритыА\" of label 1 is longer than 7 characters"},
        {"many.txt", many, "more than 2665 label records"},
    };
    for (const Case& c : cases) {
        std::vector<LabelRecord> records;
        const std::string path = write_file(c.name, c.content);
        const AtlasReadResult r = read_label_file(path, records);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find("File " + path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << c.name << ": " << r.message;
    }
    std::vector<LabelRecord> records(2);
    const AtlasReadResult r = read_label_file(missing_path("none.txt"), records);
    EXPECT_EQ(r.message, " File not present " + missing_path("none.txt"));
    EXPECT_EQ(records.size(), 2u);
}

// ---------------------------------------------------------- structure table

TEST(StructureTableReader, TenRowsAndTheDerivedValues)
{
    std::string text = "Kuhlzeit(850-500) F   Zw   P\r\n";
    for (int i = 1; i <= 10; ++i) text += std::to_string(i * 2) + " 10 30 5 " + std::to_string(400 - i) + " \r\n";
    std::vector<StructureRow> rows;
    const AtlasReadResult r = read_structure_table(write_file("s1.tx_", text), rows);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(rows.size(), 10u);   // last row index 9
    EXPECT_EQ(rows[9].cooling_time, 20.0);
    EXPECT_DOUBLE_EQ(rows[9].x, std::log(20.0));
    EXPECT_EQ(rows[9].martensite, 55.0);
    EXPECT_EQ(rows[9].hv, 390.0);
    EXPECT_TRUE(rows[9].complete);

    // Records run across lines; a last record of four numbers counts.
    const AtlasReadResult r4 =
        read_structure_table(write_file("s2.tx_", "header with a very long text " + std::string(200, '-') +
                                                      "\n1 0 10\n 0 500 2 5 20 5 \n"),
                             rows);
    ASSERT_TRUE(r4.ok) << r4.message;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].martensite, 90.0);
    EXPECT_FALSE(rows[1].complete);
    EXPECT_EQ(rows[1].hv, 0.0);
    EXPECT_EQ(rows[1].martensite, 70.0);
}

TEST(StructureTableReader, FaultsAreNamed)
{
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
        std::size_t kept;
    };
    std::string many = "h\n";
    for (int i = 0; i < 201; ++i) many += "1 2 3 4 5\n";
    const Case cases[] = {
        {"empty.tx_", "", "is empty", 0},
        {"header.tx_", "only a header\n", "holds no rows under its header line", 0},
        {"partial.tx_", "h\n1 2 3 4 5\n6 7 8\n", "ends inside row 2 (3 of its five numbers)", 1},
        {"text.tx_", "h\n1 2 3 4 5\n6 7 x 9 10\n", "line 3: row 2 holds \"x\", which is not a finite number", 1},
        {"four.tx_", "h\n1 2 3 4 5\n6 7 8 9\nend", "line 4: row 2 holds \"end\", which is not a finite number", 1},
        {"inf.tx_", "h\n1 2 3 4 5\n6 7 inf 9 10\n", "line 3: row 2 holds \"inf\", which is not a finite number", 1},
        {"zero.tx_", "h\n1 2 3 4 5\n0 7 8 9 10\n", "line 3: row 2 gives the cooling time 0 s", 1},
        {"negative.tx_", "h\n1 2 3 4 5\n\n-2 7 8 9 10\n", "line 4: row 2 gives the cooling time -2 s", 1},
        {"many.tx_", many, "more than 200 rows", 200},
    };
    for (const Case& c : cases) {
        std::vector<StructureRow> rows;
        const std::string path = write_file(c.name, c.content);
        const AtlasReadResult r = read_structure_table(path, rows);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find("File " + path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << c.name << ": " << r.message;
        EXPECT_EQ(rows.size(), c.kept) << c.name;
    }
    std::vector<StructureRow> rows;
    const AtlasReadResult r = read_structure_table(missing_path("none.tx_"), rows);
    EXPECT_TRUE(r.missing);
    EXPECT_EQ(r.message, "File " + missing_path("none.tx_") + " not exist... ");
}

// ---------------------------------------------------- Shorshorov steel file

namespace {

std::string shorshorov_text(int data_rows)
{
    std::string s = "Title one\r\nTitle two\r\nTitle three\r\n  MIC\\09G2S.BMP  \r\nunused\r\n"
                    "0.1 0.6 1.5 0.1 0.2 0 0.02 0.03 0.2 0 0 0 0.02 0.01 0.05\r\n"
                    "1 3\r\n10 30 100 300\r\n\r\n\r\nline a\r\nline b\r\nline c\r\n1 490 21 58 150\r\n";
    s += "0.3 100 300 0 0 0 0\r\n300 500 1500 40 80 100 100\r\n";
    for (int i = 0; i < data_rows; ++i) {
        const double w = 0.5 * std::pow(1.6, i);
        char buf[128];
        std::snprintf(buf, sizeof buf, "%g %d %d %d %d %d %d\r\n", w, 160 + 10 * i, 500 + 30 * i, 30 - i, 70 - i,
                      std::min(20 + 5 * i, 100), std::min(2 * i, 100));
        s += buf;
    }
    return s;
}

} // namespace

TEST(ShorshorovFileReader, HeaderThresholdsBaseLineAndRows)
{
    const std::string path = write_file("g.301", shorshorov_text(12));
    // The file need not be writable: it is only read.
    chmod(path.c_str(), 0444);
    ShorshorovSteelFile steel;
    const AtlasReadResult r = read_shorshorov_steel_file(path, steel);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(steel.titles[2], "Title three");
    EXPECT_EQ(steel.micrograph_file, "MIC\\09G2S.BMP");
    EXPECT_EQ(steel.composition_line, "0.1 0.6 1.5 0.1 0.2 0 0.02 0.03 0.2 0 0 0 0.02 0.01 0.05");
    EXPECT_EQ(steel.thresholds[0], 1.0);
    EXPECT_EQ(steel.thresholds[5], 300.0);
    EXPECT_EQ(steel.lines[0], "line a");
    EXPECT_EQ(steel.base_metal_line(), "1 490 21 58 150");
    ASSERT_EQ(steel.rows.size(), 14u);   // two range rows and twelve data rows, none repeated
    const ShorshorovRow& last = steel.rows.back();
    EXPECT_EQ(last.hv, 270.0);
    EXPECT_EQ(last.rm, 830.0);
    EXPECT_EQ(last.a, 19.0);
    EXPECT_EQ(last.z, 59.0);
    EXPECT_EQ(last.martensite(), 22.0);
    EXPECT_EQ(last.ferrite(), 25.0);
    EXPECT_EQ(last.pearlite_bainite(), 53.0);
    EXPECT_DOUBLE_EQ(steel.rows[2].x(), std::log(0.5));
    chmod(path.c_str(), 0644);
}

TEST(ShorshorovFileReader, FaultsAreNamed)
{
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
    };
    std::string partial = shorshorov_text(3);
    partial += "5 6 7\n";
    std::string bad = shorshorov_text(3);
    bad += "5 6 7 8 9 ten 11\n";
    std::string many = shorshorov_text(199);
    const std::string header_only = shorshorov_text(0);
    const Case cases[] = {
        {"t.100", "one\ntwo\n", "ends before its third title line (line 3)"},
        {"c.100", "1\n2\n3\n4\n5\n", "ends before its composition line (line 6)"},
        {"th.100", "1\n2\n3\n4\n5\n6\n1 2 3", "ends before its six cooling-rate thresholds (after 3)"},
        {"thx.100", "1\n2\n3\n4\n5\n6\n1 2 x", "line 7: cooling-rate threshold 3 (\"x\") is not a finite number"},
        {"nul.100", std::string("1\n2\n3\nM\0.BMP\n", 12), "line 4: it holds a NUL byte; an atlas file is plain text"},
        {"base.100", "1\n2\n3\n4\n5\n6\n1 2 3 4 5 6\nA\nB\nC\n", "ends before its base-metal line"},
        {"p.100", partial, "ends inside row 6 (3 of its seven numbers)"},
        {"b.100", bad, "line 20: row 6 holds \"ten\", which is not a finite number"},
        {"w0.100", shorshorov_text(3) + "0 1 2 3 4 5 6\n", "line 20: row 6 gives the cooling rate 0 °C/s"},
        {"wneg.100", shorshorov_text(1) + "-5 1 2 3 4 5 6\n", "line 18: row 4 gives the cooling rate -5 °C/s"},
        {"winf.100", shorshorov_text(1) + "1e400 1 2 3 4 5 6\n", "line 18: row 4 holds \"1e400\", which is not a finite"},
        {"m.100", many, "more than 200 rows"},
        {"h.100", header_only, "holds 2 rows; the two range rows and at least one data row are needed"},
    };
    for (const Case& c : cases) {
        ShorshorovSteelFile steel;
        const std::string path = write_file(c.name, c.content);
        const AtlasReadResult r = read_shorshorov_steel_file(path, steel);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find("File " + path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << c.name << ": " << r.message;
    }
    ShorshorovSteelFile steel;
    const AtlasReadResult r = read_shorshorov_steel_file(missing_path("none.100"), steel);
    EXPECT_TRUE(r.missing);
    EXPECT_EQ(r.message, "File " + missing_path("none.100") + " not exist... ");
}

// ---------------------------------------------------------------- file names

TEST(AtlasPaths, WindowsNamesFindTheFiles)
{
    const std::string descriptor = write_file("names/Steel.SP0", "x");
    const std::string target = write_file("names/Curves/s355_cct.spl", "y");
    EXPECT_EQ(resolve_atlas_path("CURVES\\S355_CCT.SPL\r", descriptor), target);
    EXPECT_EQ(resolve_atlas_path("curves/s355_cct.spl", descriptor), target);
    EXPECT_EQ(resolve_atlas_path(".\\Curves\\..\\Curves\\S355_cct.SPL", descriptor), target);
    // No match: the name as written, under the folder, so the message names it.
    EXPECT_EQ(resolve_atlas_path("CURVES\\NONE.SPL", descriptor),
              (fixtures / "names" / "Curves" / "NONE.SPL").string());
    EXPECT_EQ(resolve_atlas_path("Missing\\None.spl", descriptor), (fixtures / "names" / "Missing" / "None.spl").string());
    EXPECT_EQ(resolve_atlas_path(target, "/elsewhere/file"), target);

    setenv("VELMARIN_DATA", (fixtures / "names").c_str(), 1);
    EXPECT_EQ(data_root(), (fixtures / "names").string());
    EXPECT_EQ(resolve_atlas_path("C:\\Velmarin\\curves\\S355_CCT.spl", "/elsewhere/file"), target);
    EXPECT_EQ(seyffarth_atlas_folder(), (fixtures / "names" / "Seyffarth CCT Atlas").string());
    EXPECT_EQ(shorshorov_atlas_folder(), (fixtures / "names" / "Shorsorov CCT Atlas").string());
    unsetenv("VELMARIN_DATA");
    EXPECT_EQ(data_root(), VELMARIN_SOURCE_DATA_DIR);

    // A file name that is a folder is not a file.
    CurveSet set;
    const AtlasReadResult folder = read_curve_file((fixtures / "names").string(), set);
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.message, "File " + (fixtures / "names").string() + " is a folder, not a file; it is not read");
}

// Names written on a Russian system: Cyrillic capitals in code page 1251 in
// the descriptor, small UTF-8 letters on disk; and capitals of every script.
TEST(AtlasPaths, CyrillicNamesFindTheirFilesWhateverTheCaseAndCodePage)
{
    const std::string descriptor = write_file("cyrillic/Сталь.sp0", "x");
    const std::string table = write_file("cyrillic/сталь/таб.tx_", "y");
    const std::string german = write_file("cyrillic/größe/übersicht.spl", "z");
    struct Case {
        const char* written;
        std::string expected;
    };
    const Case cases[] = {
        {"СТАЛЬ\\ТАБ.TX_", table},                                   // UTF-8 capitals
        {"\xD1\xD2\xC0\xCB\xDC\\\xD2\xC0\xC1.TX_", table},           // the same in code page 1251
        {"\xF1\xF2\xE0\xEB\xFC/\xF2\xE0\xE1.tx_", table},              // small letters in code page 1251
        {"Сталь\\Таб.Tx_", table},
        {"GRÖSSE\\ÜBERSICHT.SPL", fs::path(german).parent_path().parent_path().append("GRÖSSE").append("ÜBERSICHT.SPL").string()},
        {"GRÖßE\\ÜBERSICHT.SPL", german},                              // UTF-8 capitals, ß has none
        {"GR\xD6\xDF" "E\\\xDC" "BERSICHT.SPL", german},                 // the same in code page 1252
    };
    for (const Case& c : cases) EXPECT_EQ(resolve_atlas_path(c.written, descriptor), c.expected) << c.written;
}

// Faults of a whole file, named by every reader before it reads a number: a
// byte-order mark, a NUL byte and the line it stands on.
TEST(AtlasReaders, ByteOrderMarksAndNulBytesAreNamed)
{
    using Reader = std::function<AtlasReadResult(const std::string&)>;
    struct ReaderCase {
        const char* name;
        std::string sound;   // a sound file of the kind, NUL put on its line 3
        Reader read;
    };
    const ReaderCase readers[] = {
        {"d.sp0", "A B\nC D\nfifth\n0.1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\nM.BMP 1 1 1 2 3 4 5 6\nGrade\n",
         [](const std::string& p) { SteelDescriptor d; return read_steel_descriptor(p, d); }},
        {"c.spl", curve_file_text({1, 255, 0, 800, 1, 500, 0}),
         [](const std::string& p) { CurveSet c; return read_curve_file(p, c); }},
        {"l.txt", "A 1 2\nB 3 4\nC 5 6\n",
         [](const std::string& p) { std::vector<LabelRecord> l; return read_label_file(p, l); }},
        {"s.tx_", "h\n1 2 3 4 5\n6 7 8 9 10\n",
         [](const std::string& p) { std::vector<StructureRow> r; return read_structure_table(p, r); }},
        {"w.301", shorshorov_text(3),
         [](const std::string& p) { ShorshorovSteelFile f; return read_shorshorov_steel_file(p, f); }},
    };
    for (const ReaderCase& rc : readers) {
        const std::string sound = write_file(rc.name, rc.sound);
        ASSERT_TRUE(rc.read(sound).ok) << rc.name << ": " << rc.read(sound).message;

        const std::string bom = write_file(std::string("bom_") + rc.name, "\xEF\xBB\xBF" + rc.sound);
        const AtlasReadResult b = rc.read(bom);
        EXPECT_EQ(b.message, "File " + bom +
                                 " begins with a byte-order mark (the bytes EF BB BF that some editors write before "
                                 "UTF-8 text); atlas files have none: save it without the mark")
            << rc.name;

        std::string with_nul = rc.sound;
        std::size_t third = 0;
        for (int line = 1; line < 3; ++line) third = with_nul.find('\n', third) + 1;
        with_nul.insert(third + 1, 1, '\0');
        const std::string nul = write_file(std::string("nul_") + rc.name, with_nul);
        const AtlasReadResult n = rc.read(nul);
        EXPECT_EQ(n.message, "File " + nul + ", line 3: it holds a NUL byte; an atlas file is plain text") << rc.name;
    }
}

// Files from older systems end their lines with a carriage return alone.
TEST(AtlasReaders, CarriageReturnsAloneEndLines)
{
    std::vector<StructureRow> rows;
    const std::string table = write_file("cr.tx_", "t8/5 F B P HV\r3 10 20 30 400\r10 40 30 20 250\r");
    const AtlasReadResult r = read_structure_table(table, rows);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[1].cooling_time, 10);
    EXPECT_DOUBLE_EQ(rows[1].martensite, 10);

    SteelDescriptor d;
    const std::string descriptor =
        write_file("cr.sp0", "A B\rC D\rfifth\r0.1 0 0\rM.BMP 1 1\rGrade\r");
    ASSERT_TRUE(read_steel_descriptor(descriptor, d).ok);
    EXPECT_EQ(d.fifth_line, "fifth");
    EXPECT_EQ(d.composition_line, "0.1 0 0");
    EXPECT_EQ(d.grade_line, "Grade ");

    // A fault is named on its line, counted as the line ends are.
    const std::string bad = write_file("cr_bad.tx_", "h\r1 2 3 4 5\r\r6 7 x 9 10\r");
    EXPECT_NE(read_structure_table(bad, rows).message.find("line 4: row 2 holds \"x\""), std::string::npos);
}

// Shares are per cent of the structure: a value outside 0..100 is refused on
// its line.
TEST(AtlasReaders, SharesOutsideZeroToHundredAreRefusedOnTheirLine)
{
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
    };
    std::string shorshorov_high = shorshorov_text(3);
    shorshorov_high.replace(shorshorov_high.rfind(" 30 4\r\n"), 7, " 150 4\r\n");
    std::string shorshorov_low = shorshorov_text(3);
    shorshorov_low.replace(shorshorov_low.rfind(" 30 4\r\n"), 7, " 30 -50\r\n");
    const Case cases[] = {
        {"f150.tx_", "h\n1 2 3 4 5\n2 150 0 0 300\n", "line 3: row 2 gives ferrite = 150 %; a share lies from 0 to 100 %"},
        {"b-50.tx_", "h\n1 2 3 4 5\n2 10 -50 0 300\n", "line 3: row 2 gives bainite = -50 %"},
        {"p101.tx_", "h\n1 0 0 101 5\n", "line 2: row 1 gives pearlite = 101 %"},
        {"hi.301", shorshorov_high, "line 19: row 5 gives 100 - ferrite = 150 %"},
        {"lo.301", shorshorov_low, "line 19: row 5 gives martensite = -50 %"},
    };
    for (const Case& c : cases) {
        const std::string path = write_file(c.name, c.content);
        AtlasReadResult r;
        if (std::string(c.name).ends_with(".tx_")) {
            std::vector<StructureRow> rows;
            r = read_structure_table(path, rows);
        } else {
            ShorshorovSteelFile f;
            r = read_shorshorov_steel_file(path, f);
        }
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find("File " + path + ", " + c.expected), std::string::npos) << c.name << ": " << r.message;
    }
}
