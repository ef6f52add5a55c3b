// The digitizer's files: byte for byte for small captures, read back by the
// atlas readers, and written whole or not at all.
#include "curve_set.h"
#include "digitized_data.h"
#include "digitizer_dialog.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

fs::path scratch(const char* name)
{
    fs::path dir = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "digitizer_files";
    fs::create_directories(dir);
    return dir / name;
}

class DigitizedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::fill(spline_buffer.begin(), spline_buffer.end(), 0.0);
        reset_digitized_curves();
        label_table.clear();
        structure_list.reset();
    }
};

} // namespace

TEST_F(DigitizedFiles, EmptyBufferOfAFreshRunIsTheCountAndTwentyFourZeros)
{
    EXPECT_EQ(spline_file_text(), " 25  0 0 0 0\n 0 0 0 0 0\n 0 0 0 0 0\n 0 0 0 0 0\n 0 0 0 0 0");
}

TEST_F(DigitizedFiles, OneCurveOfTwoPointsIsSevenLinesAndReadsBack)
{
    // The curve click at t = 20 s, 450 degrees, then one at t = 100 s, 300.
    const double xs[] = {std::log(20.0), std::log(100.0)};
    const double ys[] = {450, 300};
    ASSERT_TRUE(append_digitized_curve(xs, ys, colour_number(Rgb{255, 0, 0}), 5, 2));
    EXPECT_EQ(spline_end, 32);
    const std::string want = " 32  0 0 5.991464547743 900\n"
                             " 80 440 100 1300 0\n"
                             " 48 0 96 0 36\n"
                             " 0 0 0 0 0\n"
                             " 0 0 0 0 0\n"
                             " 1 255 2.995732273553991 450 4.605170185988092\n"
                             " 300 5";
    EXPECT_EQ(spline_file_text(), want);

    fs::path p = scratch("one.spl");
    ASSERT_TRUE(write_spline_file(p.string()).ok);
    EXPECT_EQ(slurp(p), want);
    CurveSet set;
    AtlasReadResult r = read_curve_file(p.string(), set);
    ASSERT_TRUE(r.ok) << r.message;
    std::vector<double> cx, cy;
    int n = 0, colour = 0;
    ASSERT_TRUE(extract_curve(set, cx, cy, n, colour, 0));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(colour, 255);
    EXPECT_EQ(cx[0], std::log(20.0));
    EXPECT_DOUBLE_EQ(cy[1], 300);
    EXPECT_DOUBLE_EQ(set[31], 5);
}

TEST_F(DigitizedFiles, RecordsWithoutHardnessNoRecordWithoutPointsAndAfterAReset)
{
    const double xs[] = {1.0};
    const double ys[] = {2.0};
    ASSERT_TRUE(append_digitized_curve(xs, ys, 0x00FF00, -1, 1));   // "without HV"
    EXPECT_EQ(spline_end, 25 + 5);
    EXPECT_DOUBLE_EQ(spline_buffer[29], -1);
    // A curve without points is no curve the curve-set reader takes, and a
    // number that is not finite none it can read: neither is stored.
    const double nan_y[] = {std::nan("")};
    EXPECT_FALSE(append_digitized_curve({}, {}, 0x0000FF, 7, 0));
    EXPECT_FALSE(append_digitized_curve(xs, nan_y, 0x0000FF, 7, 1));
    EXPECT_FALSE(append_digitized_curve(xs, ys, 0x0000FF, HUGE_VAL, 1));
    EXPECT_EQ(spline_end, 25 + 5);
    CurveSet set;
    AtlasReadResult r = read_curve_text(spline_file_text(), "set.spl", set);
    EXPECT_TRUE(r.ok) << r.message;

    // A new opening empties the set but keeps the header of the run.
    reset_digitized_curves();
    EXPECT_EQ(spline_file_text(),
              " 25  0 0 5.991464547743 900\n 80 440 100 1300 0\n 48 0 96 0 36\n 0 0 0 0 0\n 0 0 0 0 0");
}

TEST_F(DigitizedFiles, CurvesStopAtTheirLimitsAndNeverWritePastTheBuffer)
{
    std::vector<double> xs(101, 1.0), ys(101, 2.0);
    EXPECT_FALSE(append_digitized_curve(xs, ys, 0, 1, 101));   // more than 100 points
    EXPECT_FALSE(append_digitized_curve(xs, ys, 0, 1, 5000));
    EXPECT_FALSE(append_digitized_curve(xs, ys, 0, 1, -2));
    int stored = 0;
    while (append_digitized_curve(xs, ys, 0, 1, 100)) ++stored;   // 203 numbers each
    EXPECT_EQ(stored, (8000 - 25) / 203);
    EXPECT_LE(spline_end, 8000);
    EXPECT_EQ(spline_buffer.size(), 8000u);
    const int end = spline_end;
    // Whatever still fits goes in; nothing beyond the end.
    const int room = (8000 - end - 3) / 2;
    EXPECT_FALSE(append_digitized_curve(xs, ys, 0, 1, room + 1));
    EXPECT_TRUE(append_digitized_curve(xs, ys, 0, 1, room));
    EXPECT_LE(spline_end, 8000);
}

TEST_F(DigitizedFiles, ThreeLabelsInEntryOrderReadBackByTheLabelReader)
{
    ASSERT_TRUE(add_label("F", 1.5, 700));
    ASSERT_TRUE(add_label("Zw", 2.25, 450));
    ASSERT_TRUE(add_label("M", 0.5, 300));
    const std::string want = "\n 3\nF 1.5 700\nZw 2.25 450\nM 0.5 300";
    EXPECT_EQ(label_file_text(label_table), want);
    fs::path p = scratch("three.txt");
    ASSERT_TRUE(write_label_file(p.string()).ok);
    EXPECT_EQ(slurp(p), want);
    std::vector<LabelRecord> back;
    AtlasReadResult r = read_label_file(p.string(), back);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1].text, "Zw");
    EXPECT_DOUBLE_EQ(back[1].x, 2.25);
    EXPECT_DOUBLE_EQ(back[2].y, 300);
}

TEST_F(DigitizedFiles, LabelTextsStayOneReadableToken)
{
    // The label dialog starts with five blanks; such a text, or one with a
    // blank inside, would split the record in the file: it is kept as the
    // file writes it, so what is shown is what reads back.
    const struct { const char* typed; const char* stored; const char* written; } cases[] = {
        {" A3 ", "A3", "A3"},
        {"M 30", "M_30", "M_30"},
        {"Feritte1", "Feritte", "Feritte"},          // cut to 7 characters
        {"Бейнит", "Бейнит", "Бейнит"},              // six letters, twelve bytes: whole
        {"Мартенсит", "Мартенс", "Мартенс"},         // cut at the seventh letter
    };
    for (const auto& c : cases) {
        label_table.clear();
        ASSERT_TRUE(add_label(c.typed, 1, 2));
        EXPECT_EQ(label_table[0].text, c.stored) << c.typed;
        EXPECT_EQ(label_file_text(label_table), std::string("\n 1\n") + c.written + " 1 2") << c.typed;
    }
    // Texts no file can carry as a token are refused.
    label_table.clear();
    for (const std::string_view bad : {std::string_view("     "), std::string_view(""), std::string_view("A\0B", 3)}) {
        EXPECT_FALSE(label_text_refusal(bad).empty());
        EXPECT_FALSE(add_label(bad, 1, 2));
    }
    EXPECT_TRUE(label_table.empty());

    // The table holds what the label reader takes from one file, no more.
    for (int i = 0; i < label_table_max; ++i) ASSERT_TRUE(add_label("x", i, i));
    EXPECT_FALSE(add_label("y", 0, 0));
    EXPECT_EQ(label_table.size(), 2665u);
    std::vector<LabelRecord> back;
    AtlasReadResult r = read_label_text(label_file_text(label_table), "full.txt", back);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(back.size(), 2665u);
}

// Every byte the label reader splits on, pasted at the ends of a label text
// or inside it: the saved file reads back to the very records in the table.
TEST_F(DigitizedFiles, LabelTextsWithEveryWhiteSpaceByteReadBackAsTheRecords)
{
    struct Case {
        const char* name;
        char byte;
    };
    const Case bytes[] = {{"blank", ' '},          {"tab", '\t'},       {"line feed", '\n'},
                          {"carriage return", '\r'}, {"vertical tab", '\v'}, {"form feed", '\f'}};
    label_table.clear();
    std::vector<std::string> expected;
    for (const Case& c : bytes) {
        const std::string b(1, c.byte);
        for (const std::string& typed : {b + "A" + b, "F" + b + "P", b + b + "M" + b + "2", "Б" + b + "в"}) {
            ASSERT_TRUE(add_label(typed, 1.5, 700)) << c.name;
            EXPECT_EQ(label_table.back().text.find(c.byte), std::string::npos) << c.name;
        }
    }
    // A text of white space alone shows nothing and is refused.
    for (const Case& c : bytes) EXPECT_FALSE(add_label(std::string(3, c.byte), 1, 2)) << c.name;

    const fs::path p = scratch("white_space.txt");
    ASSERT_TRUE(write_label_file(p.string()).ok);
    std::vector<LabelRecord> back;
    const AtlasReadResult r = read_label_file(p.string(), back);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(back.size(), label_table.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].text, label_table[i].text) << i;
        EXPECT_EQ(back[i].x, label_table[i].x) << i;
        EXPECT_EQ(back[i].y, label_table[i].y) << i;
    }
    EXPECT_EQ(label_table[0].text, "A");
    EXPECT_EQ(label_table[1].text, "F_P");
    EXPECT_EQ(label_table[2].text, "M_2");
    EXPECT_EQ(label_table[3].text, "Б_в");
}

// What is captured comes back from the atlas readers exactly: colours as
// the integers they are (pure blue 16711680, not 16711700), coordinates
// with all their digits, labels with every letter.
TEST_F(DigitizedFiles, CurvesLabelsAndStructurePointsReadBackBitForBit)
{
    // Points as the dialog computes them from clicks over (100, 50, 600, 400).
    const Rect rect{100, 50, 600, 400};
    const struct {
        std::uint32_t colour;
        double hv;
        std::vector<int> px;
    } curves[] = {
        {0x000000, 250, {101, 233, 417}},
        {0x123456, -1, {150}},
        {0xFF0000, 312.75, {599, 350, 123, 577}},
        {0xFFFFFF, 1e-7, {100, 600}},
    };
    for (const auto& c : curves) {
        std::vector<double> xs, ys;
        for (int px : c.px) {
            CapturedPoint w;
            ASSERT_TRUE(capture_point(rect, px, 400 - (px * 7) % 350, w));
            xs.push_back(w.x);
            ys.push_back(w.y);
        }
        ASSERT_TRUE(append_digitized_curve(xs, ys, c.colour, c.hv, static_cast<int>(xs.size())));
    }
    ASSERT_TRUE(add_label("Ferrit", std::log(7.5), 1000.0 / 3));
    ASSERT_TRUE(add_label("Бейни", 0.1, 0.7));
    ASSERT_TRUE(add_label("Мартенсит", 5.991464547743, 899.9999999999999));
    init_structure_list();
    ASSERT_TRUE(add_structure_record(std::exp(2.0), 12.25, 1.0 / 3, 0, 400));
    ASSERT_TRUE(add_structure_record(0.123456789012345, 100.0 / 7, 33.3, 2e-5, 187.5));

    const fs::path spl = scratch("exact.spl"), txt = scratch("exact.txt"), tx_ = scratch("exact.tx_");
    ASSERT_TRUE(write_spline_file(spl.string()).ok);
    ASSERT_TRUE(write_label_file(txt.string()).ok);
    ASSERT_TRUE(write_structure_file(tx_.string(), *structure_list).ok);

    const std::string text = slurp(spl);
    EXPECT_NE(text.find(" 16711680 "), std::string::npos) << text;   // pure blue, red in the low byte
    EXPECT_NE(text.find(" 1193046 "), std::string::npos) << text;
    EXPECT_EQ(text.find("e+"), std::string::npos) << text;            // every colour an integer

    CurveSet set;
    AtlasReadResult r = read_curve_file(spl.string(), set);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(set.size(), static_cast<std::size_t>(spline_end));
    for (int i = 1; i < spline_end; ++i) EXPECT_EQ(set[i], spline_buffer[i]) << "number " << i;
    for (int k = 0; k < 4; ++k) {
        std::vector<double> cx, cy;
        int n = 0, colour = -1;
        ASSERT_TRUE(extract_curve(set, cx, cy, n, colour, k));
        EXPECT_EQ(static_cast<std::uint32_t>(colour), curves[k].colour) << k;
        EXPECT_EQ(n + 1, static_cast<int>(curves[k].px.size())) << k;
    }
    // Every range pair the property windows divide by has a height.
    for (int pair = 5; pair <= 13; pair += 2) EXPECT_LT(set[pair], set[pair + 1]) << "pair " << pair;
    EXPECT_EQ(set[5], 80);
    EXPECT_EQ(set[6], 440);

    std::vector<LabelRecord> labels;
    r = read_label_file(txt.string(), labels);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[2].text, "Мартенс");
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(labels[i].text, label_table[i].text);
        EXPECT_EQ(labels[i].x, label_table[i].x);
        EXPECT_EQ(labels[i].y, label_table[i].y);
    }

    std::vector<StructureRow> rows;
    r = read_structure_table(tx_.string(), rows);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(rows.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const StructureRecord& w = (*structure_list)[i];
        EXPECT_EQ(rows[i].cooling_time, w.cooling_time);
        EXPECT_EQ(rows[i].ferrite, w.ferrite);
        EXPECT_EQ(rows[i].bainite, w.bainite);
        EXPECT_EQ(rows[i].pearlite, w.pearlite);
        EXPECT_EQ(rows[i].hv, w.hv);
    }
}

TEST_F(DigitizedFiles, StructureTableWithAndWithoutRecords)
{
    EXPECT_FALSE(add_structure_record(1, 2, 3, 4, 5));   // no list open
    init_structure_list();
    EXPECT_EQ(structure_file_text(*structure_list), "Kuhlzeit(850-500) F   Zw   P\n");
    ASSERT_TRUE(add_structure_record(20, 12.2, 30, 0, 400));
    ASSERT_TRUE(add_structure_record(100, 40, 20, 5, 250));
    const std::string want = "Kuhlzeit(850-500) F   Zw   P\n20 12.2 30 0 400 \n100 40 20 5 250 \n";
    fs::path p = scratch("two.tx_");
    ASSERT_TRUE(write_structure_file(p.string(), *structure_list).ok);
    EXPECT_EQ(slurp(p), want);
    std::vector<StructureRow> rows;
    AtlasReadResult r = read_structure_table(p.string(), rows);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[0].ferrite, 12.2);
    EXPECT_DOUBLE_EQ(rows[1].martensite, 35);
    for (int i = 2; i < 39; ++i) ASSERT_TRUE(add_structure_record(i, 0, 0, 0, 0));
    EXPECT_FALSE(add_structure_record(1, 0, 0, 0, 0));
}

TEST_F(DigitizedFiles, AFailedWriteIsReportedAndLeavesTheOldFile)
{
    fs::path p = scratch("kept.txt");
    { std::ofstream(p) << "user data"; }
    // A target that is a folder cannot be replaced by a file.
    fs::path folder = scratch("a_folder.spl");
    fs::create_directories(folder);
    WriteOutcome w = write_spline_file(folder.string());
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.message.find("a_folder.spl"), std::string::npos);
    for (const auto& e : fs::directory_iterator(folder.parent_path()))
        EXPECT_NE(e.path().filename().string().rfind(".a_folder.spl", 0), 0u) << "a temporary file left behind";
    WriteOutcome missing = write_label_file((scratch("no_such_dir") / "x" / "l.txt").string());
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(slurp(p), "user data");
}

TEST_F(DigitizedFiles, LabelsAreCentredByTheirOwnExtent)
{
    ASSERT_TRUE(add_label("A", 0, 450));
    ASSERT_TRUE(add_label("Wide", 0, 450));
    RecordingCanvas dc;
    FontRecord f;
    f.height = 16;
    f.face = "Arial";
    dc.select_font(f);
    const Rect rect{100, 50, 600, 400};
    const WorldBox box{0, 900, 5.991464547743, 0};
    draw_labels(dc, label_table, rect, box);
    ASSERT_EQ(dc.texts.size(), 2u);
    for (const auto& t : dc.texts) {
        Size e = dc.text_extent(t.text);
        EXPECT_EQ(t.x, 100 - e.cx / 2) << t.text;
        EXPECT_EQ(t.y, static_cast<int>(50 + 175.0 - e.cy / 2)) << t.text;
    }
    EXPECT_NE(dc.texts[0].x, dc.texts[1].x);
}
