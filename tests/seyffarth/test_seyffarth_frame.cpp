// The shared steps of the Seyffarth windows: class names and text lines, the
// cooling time at the point and its failures, the structure table and the
// shares read off it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "curve_set.h"
#include "dialog_start_records.h"
#include "seyffarth_point_test_support.h"
#include "seyffarth_sweeps.h"

using namespace seyffarth_test;

TEST(SeyffarthFrame, ClassNamesByLanguageAndIndex)
{
    struct Case {
        int index;
        Language language;
        std::string name;
    } cases[] = {
        {1, Language::english, " 1.General-application building steels"},
        {6, Language::german, " 6.Сorrosion-resistant steel"},   // a Cyrillic capital Es stays
        {14, Language::french, " 14. Metal built-up by an electrode in protective gasзе"},
        {3, Language::russian, " 3.Термически улучшеные стали"},
        {7, Language::ukrainian, " 7.Модель C-Mn стали"},
        {15, Language::ukrainian, " 15.Метал наплавлений під флюсом"},
        {0, Language::english, ""},
        {16, Language::russian, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(seyffarth_class_name(c.index, c.language), c.name) << c.index;
}

TEST(SeyffarthFrame, TextLinesOfTheCurrentLanguage)
{
    set_language(Language::english);
    EXPECT_EQ(seyffarth_class_line("X"), "Class of steel: \"X\"");
    EXPECT_EQ(seyffarth_grade_line("S355J2 ", 0), "The grade of steel: \"S355J2 \"  ");
    // A grade written in a code page, read in that of the font's character set.
    EXPECT_EQ(seyffarth_grade_line("15\xD5\xD1\xCD\xC4", 204), "The grade of steel: \"15ХСНД\"  ");
    EXPECT_EQ(seyffarth_grade_line("St\xE4hle", 0), "The grade of steel: \"Stähle\"  ");
    set_language(Language::french);
    EXPECT_EQ(seyffarth_model_line("M"), "Le compte selon le modèle: \"M\"");
    set_language(Language::russian);
    EXPECT_EQ(seyffarth_class_line("K"), "Класс стали: \"K\"");
    set_language(Language::english);
}

TEST(SeyffarthFrame, EqualInterval_RaisesTheUpperTemperatureInTheCopyOnly)
{
    reset_program_state();
    const double record[4] = {0.05, 0.0, 500.0, 500.0};
    SeyffarthPoint p;
    ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);
    EXPECT_DOUBLE_EQ(p.T_from, 505.0);
    EXPECT_EQ(record[2], 500.0);
    EXPECT_GT(p.t, 0.0);
    EXPECT_DOUBLE_EQ(p.L, std::log(p.t));
}

// Each way a point can fail to give a cooling time, through every window at
// a point: one message, in the window's own words for a peak below the
// interval and the cooling procedure's otherwise, and nothing drawn.
TEST(SeyffarthFrame, UnreachedPoint_OneMessageAndNothingDrawnInEveryPointWindow)
{
    struct Case {
        const char* what;
        double record[4];
        double speed;   // 0: the start regime's
        CoolingStatus status;
        std::string text_start;
        std::string caption;
    } cases[] = {
        {"peak below", {30.0, 0.0, 850.0, 500.0}, 0, CoolingStatus::peak_below,
         "You are fault with temperature ... ", "  Message!"},
        // Below the initial temperature the metal never gets.
        {"never cools to T to", {0.05, 0.0, 850.0, 10.0}, 0, CoolingStatus::not_cooled,
         "The point (y=0.05 z=0 [cm]) does not cool to 10 [C deg.] within 8000 cm", "  Message!"},
        {"speed not positive", {0.05, 0.0, 850.0, 500.0}, -0.2, CoolingStatus::speed_not_positive,
         "The welding speed must be positive: v=-0.2", ""},
    };
    const SeyffarthWindowRoutine windows[] = {seyffarth_structure_at_point_window, seyffarth_cct_at_point_window,
                                              seyffarth_properties_at_point_window, seyffarth_micrograph_window};
    for (const Case& c : cases) {
        for (SeyffarthWindowRoutine window : windows) {
            reset_program_state();
            if (c.speed != 0)
                current_model.set_regime(c.speed, current_model.power(), current_model.initial_temperature(),
                                         current_model.thickness());
            SeyffarthPoint p;
            EXPECT_EQ(seyffarth_point_at(c.record, p), c.status) << c.what;
            EXPECT_TRUE(std::isnan(p.t)) << c.what;
            RecordingCanvas dc;
            window(c.record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
            EXPECT_TRUE(dc.texts.empty()) << c.what;
            EXPECT_TRUE(dc.shapes.empty()) << c.what;
            EXPECT_TRUE(dc.polylines.empty()) << c.what;
            const auto boxes = shown_boxes();
            ASSERT_EQ(boxes.size(), 1u) << c.what;
            EXPECT_EQ(boxes[0].text.rfind(c.text_start, 0), 0u) << c.what << ": " << boxes[0].text;
            if (!c.caption.empty()) {
                EXPECT_EQ(boxes[0].caption, c.caption) << c.what;
            }
        }
    }
}

TEST(SeyffarthFrame, DepthChangesTheCoolingTime)
{
    reset_program_state();
    const double surface[4] = {0.05, 0.0, 850.0, 500.0};
    const double deeper[4] = {0.05, 0.5, 850.0, 500.0};
    SeyffarthPoint a, b;
    ASSERT_EQ(seyffarth_point_at(surface, a), CoolingStatus::reached);
    ASSERT_EQ(seyffarth_point_at(deeper, b), CoolingStatus::reached);
    EXPECT_NE(a.t, b.t);
}

TEST(SeyffarthFrame, SampleTable_AllRowsAndMartensiteFromTheRest)
{
    reset_program_state();
    const SteelChoice steel = sample_seyffarth_steel();
    SteelDescriptor d;
    ASSERT_TRUE(seyffarth_read_descriptor(steel, d));
    SeyffarthPhases ph;
    ASSERT_TRUE(seyffarth_read_phases(nullptr, steel, d, ph));
    ASSERT_EQ(ph.n, 34);   // 35 rows, 1 s to 400 s
    EXPECT_DOUBLE_EQ(ph.x[0], 0.0);
    EXPECT_NEAR(ph.x[34], std::log(400.0), 1e-12);
    // Row 1 s: F 0.1, B 1.1, P 0; the model's martensite there is 98.8 %.
    EXPECT_NEAR(ph.m[0], 100 - 0.1 - 1.1 - 0, 1e-12);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(SeyffarthFrame, TableLengthsAndTheLastRecordOfFourNumbers)
{
    reset_program_state();
    const fs::path dir = fixture_dir("lengths");
    auto rows = [](int count) {
        std::string s = "t8/5,s F,% B,% P,% HV\n";
        for (int i = 0; i < count; ++i) s += std::to_string(1 + i) + " 10 20 30 300\n";
        return s;
    };
    struct Case {
        std::string text;
        bool four_counts;
        int n;
    } cases[] = {
        // Every row the reader accepts, 200 at most; beyond them the reader
        // reports the table and the window keeps the first 200.
        {rows(250), true, 199},
        {rows(200), true, 199},
        {rows(150), true, 149},
        {rows(3) + "9 10 20 30\n", true, 3},
        {rows(3) + "9 10 20 30\n", false, 2},
        // Four numbers per line still read as records of five.
        {"h\n1 10 20 30\n300 2 11 21\n31 301 3 12\n22 32 302\n", true, 2},
    };
    for (const Case& c : cases) {
        const SteelChoice steel = fixture_steel(dir, c.text);
        SteelDescriptor d;
        ASSERT_TRUE(seyffarth_read_descriptor(steel, d));
        SeyffarthPhases ph;
        SeyffarthTableOptions o;
        o.last_four_counts = c.four_counts;
        ASSERT_TRUE(seyffarth_read_phases(nullptr, steel, d, ph, o));
        EXPECT_EQ(ph.n, c.n);
        EXPECT_EQ(static_cast<int>(ph.x.size()), c.n + 1);
    }
}

TEST(SeyffarthFrame, MissingTableIsReportedNamingTheTable)
{
    reset_program_state();
    const fs::path dir = fixture_dir("missing");
    const SteelChoice steel = fixture_steel(dir, "", false);
    SteelDescriptor d;
    ASSERT_TRUE(seyffarth_read_descriptor(steel, d));
    SeyffarthPhases ph;
    EXPECT_FALSE(seyffarth_read_phases(nullptr, steel, d, ph));
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("struct.tx_"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("not exist"), std::string::npos);
    EXPECT_EQ(boxes[0].caption, "  Message!");

    SeyffarthTableOptions quiet;
    quiet.report_missing = false;
    EXPECT_FALSE(seyffarth_read_phases(nullptr, steel, d, ph, quiet));
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(SeyffarthFrame, MalformedTableKeepsTheSoundRowsAndSaysWhich)
{
    reset_program_state();
    const fs::path dir = fixture_dir("malformed");
    const SteelChoice steel = fixture_steel(dir, "h\n1 10 20 30 300\n2 10 20 30 300\n3 10 x 30 300\n");
    SteelDescriptor d;
    ASSERT_TRUE(seyffarth_read_descriptor(steel, d));
    SeyffarthPhases ph;
    EXPECT_TRUE(seyffarth_read_phases(nullptr, steel, d, ph));
    EXPECT_EQ(ph.n, 1);
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("struct.tx_"), std::string::npos) << boxes[0].text;
}

TEST(SeyffarthFrame, SharesAtEveryCoolingTimeAreValuesOfTheTable)
{
    SeyffarthPhases ph;
    ph.n = 2;
    ph.x = {0.0, 1.0, 2.0};
    ph.f = {10, 20, 30};
    ph.b = {20, 20, 20};
    ph.p = {0, 10, 20};
    ph.m = {70, 50, 30};
    const SeyffarthShares inside = seyffarth_shares_at(ph, 0.5);
    EXPECT_NEAR(inside.ferrite, 15.0, 0.2);
    EXPECT_NEAR(inside.martensite, 60.0, 0.2);
    struct Case {
        double L;
        std::size_t row;
    } cases[] = {{-0.5, 0}, {0.0, 0}, {1.0, 1}, {2.0, 2}, {2.5, 2}};   // below, knots, above
    for (const Case& c : cases) {
        const SeyffarthShares s = seyffarth_shares_at(ph, c.L);
        EXPECT_EQ(s.ferrite, ph.f[c.row]) << c.L;
        EXPECT_EQ(s.bainite, ph.b[c.row]) << c.L;
        EXPECT_EQ(s.pearlite, ph.p[c.row]) << c.L;
        EXPECT_EQ(s.martensite, ph.m[c.row]) << c.L;
    }
    // One row holds at every cooling time; no rows give no share.
    SeyffarthPhases one;
    one.n = 0;
    one.x = {1.0};
    one.f = one.b = one.p = one.m = {25};
    EXPECT_EQ(seyffarth_shares_at(one, 1.0).bainite, 25.0);
    EXPECT_EQ(seyffarth_shares_at(one, 3.0).bainite, 25.0);
    EXPECT_EQ(seyffarth_shares_at(SeyffarthPhases{}, 1.0).pearlite, 0.0);
}

// Every sample steel: at each row's cooling time (10 s among them) the
// shares are that row's, in the windows at a point and in the sweeps alike;
// below and above the table its first and last rows.
TEST(SeyffarthLookups, SampleTablesGiveTheirRowsAtTheirCoolingTimes)
{
    reset_program_state();
    int steels = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMARIN_SOURCE_DATA_DIR) / "Seyffarth CCT Atlas")) {
        if (!entry.is_regular_file()) continue;
        ++steels;
        const std::string file = entry.path().filename().string();
        const SteelChoice steel = sample_seyffarth_steel(file);
        SteelDescriptor d;
        ASSERT_TRUE(seyffarth_read_descriptor(steel, d)) << file;
        std::vector<StructureRow> rows;
        ASSERT_TRUE(read_structure_table(seyffarth_atlas_file(steel, d.structure), rows).ok) << file;
        SeyffarthPhases ph;
        ASSERT_TRUE(seyffarth_read_phases(nullptr, steel, d, ph));
        auto expect_row = [&](double t, const StructureRow& r) {
            const SeyffarthShares s = seyffarth_shares_at(ph, std::log(t));
            EXPECT_EQ(s.ferrite, r.ferrite) << file << " t " << t;
            EXPECT_EQ(s.bainite, r.bainite) << file << " t " << t;
            EXPECT_EQ(s.pearlite, r.pearlite) << file << " t " << t;
            EXPECT_EQ(s.martensite, std::max(0.0, r.martensite)) << file << " t " << t;
            EXPECT_EQ(seyffarth_phase_share(ph.x, ph.f, ph.n, t), r.ferrite) << file << " t " << t;
        };
        for (const StructureRow& r : rows) expect_row(r.cooling_time, r);
        expect_row(rows.front().cooling_time / 2, rows.front());
        expect_row(rows.back().cooling_time * 2, rows.back());
    }
    EXPECT_GE(steels, 5);
    EXPECT_TRUE(shown_boxes().empty());
}

// The sample property curves: every knot gives its own value; above the
// curve its true last point, in the window at a point, the sweeps and the
// HAZ profile alike.
TEST(SeyffarthLookups, SamplePropertyCurvesHoldTheirLastPoint)
{
    reset_program_state();
    const SteelChoice steel = sample_seyffarth_steel();
    SteelDescriptor d;
    ASSERT_TRUE(seyffarth_read_descriptor(steel, d));
    CurveSet curves;
    ASSERT_TRUE(read_curve_file(seyffarth_atlas_file(steel, d.property_curves), curves).ok);
    std::vector<double> cx, cy;
    int n = -1, colour = 0;
    ASSERT_TRUE(extract_curve(curves, cx, cy, n, colour, 0));   // HV
    ASSERT_GT(n, 3);
    for (int i = 0; i <= n; ++i) {
        double v = 0;
        ASSERT_TRUE(seyffarth_property_value(curves, 0, cx[static_cast<std::size_t>(i)], v));
        EXPECT_EQ(v, cy[static_cast<std::size_t>(i)]) << i;
    }
    const double beyond = std::exp(cx.back()) * 3;
    double v = 0;
    ASSERT_TRUE(seyffarth_property_value(curves, 0, std::log(beyond), v));
    EXPECT_EQ(v, cy.back());
    EXPECT_EQ(seyffarth_curve_value(cx, cy, n, beyond, false), cy.back());
    std::vector<double> out;
    ASSERT_TRUE(lookup_curve_at_times(curves, 0, std::vector<double>{beyond}, out));
    EXPECT_EQ(out[0], cy.back());
    ASSERT_TRUE(seyffarth_property_value(curves, 0, cx.front() - 1, v));
    EXPECT_EQ(v, cy.front());
}

// A descriptor that cannot be read stops every Seyffarth window after one
// message naming it: nothing follows from names it did not give.
TEST(SeyffarthFrame, UnreadableDescriptorStopsEveryWindowWithOneMessage)
{
    const fs::path dir = fixture_dir("descriptor");
    write_file(dir / "short.sp0", "cct.spl prop.spl labels.txt struct.tx_\nFixture steel\n0.2 0.3 1.2\n");
    const std::string paths[] = {(dir / "gone.sp0").string(), (dir / "short.sp0").string()};
    const double point[6] = {0.05, 0.0, 850.0, 500.0, 100.0, 400.0};
    const double* const energy = energy_start;
    const double* const thickness = thickness_start;
    struct Window {
        const char* name;
        SeyffarthWindowRoutine routine;
        const double* record;
        int selector;
        bool thin_plate;
    } windows[] = {
        {"structure at point", seyffarth_structure_at_point_window, point, 0, false},
        {"structure diagram", seyffarth_structure_diagram_window, point, 0, false},
        {"CCT at point", seyffarth_cct_at_point_window, point, 0, false},
        {"CCT diagram", seyffarth_cct_diagram_window, point, 0, false},
        {"properties at point", seyffarth_properties_at_point_window, point, 0, false},
        {"properties diagram", seyffarth_properties_diagram_window, point, 0, false},
        {"micrograph", seyffarth_micrograph_window, point, 0, false},
        {"structure vs energy", seyffarth_structure_vs_energy_window, energy, 0, false},
        {"properties vs energy", seyffarth_properties_vs_energy_window, energy, 0, false},
        {"structure vs preheat", seyffarth_structure_vs_preheat_window, point, 0, false},
        {"properties vs preheat", seyffarth_properties_vs_preheat_window, point, 0, false},
        {"structure vs thickness", seyffarth_structure_vs_thickness_window, thickness, 0, true},
        {"properties vs thickness", seyffarth_properties_vs_thickness_window, thickness, 0, true},
        {"HAZ cooling time", seyffarth_haz_profile_window, point, 0, false},
        {"HAZ hardness", seyffarth_haz_profile_window, point, 1, false},
    };
    for (const std::string& path : paths) {
        for (const Window& w : windows) {
            reset_program_state();
            if (w.thin_plate) {
                ASSERT_TRUE(install_scheme(1));
            }
            SteelChoice steel;
            steel.file_name = path;
            steel.filter_index = 1;
            RecordingCanvas dc;
            w.routine(w.record, 50, nullptr, dc, w.selector, steel, 0);
            const auto boxes = shown_boxes();
            ASSERT_EQ(boxes.size(), 1u) << w.name << " " << path;
            EXPECT_NE(boxes[0].text.find(path), std::string::npos) << w.name << ": " << boxes[0].text;
            EXPECT_TRUE(dc.polylines.empty()) << w.name;
        }
    }
}

// The result line of a window at a point ends with the cooling time. Where
// its x would put that end past the right edge (the French line, about
// 1006 px in font 25 from 128 or 125; the micrograph's Russian line, about
// 860 px in font 27 from 1024 / 5 = 204) it moves left and ends two pixels
// inside the frame; a line that fits keeps its x.
TEST(SeyffarthFrame, ResultLineEndsInsideTheWindow)
{
    const double point[4] = {0.05, 0.0, 850.0, 500.0};
    const double cct_point[4] = {0.5, 0.5, 850.0, 500.0};
    RecordingCanvas probe;
    const int h = seyffarth_font(probe, 768 / 30);
    struct Case {
        const char* window;
        SeyffarthWindowRoutine routine;
        const double* record;
        Language language;
        const char* start;
        int x;   // where it stands when it fits; -1: moved to end at 1022
    } cases[] = {
        {"structure", seyffarth_structure_at_point_window, point, Language::english, "In a range: ", 1024 / 8},
        {"structure", seyffarth_structure_at_point_window, point, Language::french, "Dans la gamme : ", -1},
        {"CCT", seyffarth_cct_at_point_window, cct_point, Language::english, "In a range: ", 1024 / 8},
        {"CCT", seyffarth_cct_at_point_window, cct_point, Language::french, "Dans la gamme : ", -1},
        {"properties", seyffarth_properties_at_point_window, point, Language::english, "In a range: ", 5 * h},
        {"properties", seyffarth_properties_at_point_window, point, Language::french, "Dans la gamme : ", -1},
        {"micrograph", seyffarth_micrograph_window, point, Language::english, "В диапазоне: ", -1},
    };
    for (const Case& c : cases) {
        reset_program_state(c.language);
        RecordingCanvas dc;
        c.routine(c.record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        const RecordingCanvas::TextCall* line = nullptr;
        for (const auto& t : dc.texts)
            if (t.text.rfind(c.start, 0) == 0) line = &t;
        ASSERT_NE(line, nullptr) << c.window << " " << c.start;
        probe.select_font(line->font);
        const int width = probe.text_extent(line->text).cx;
        if (c.x >= 0) {
            EXPECT_EQ(line->x, c.x) << c.window;
            EXPECT_LE(line->x + width, 1022) << c.window;
        } else {
            EXPECT_EQ(line->x + width, 1022) << c.window << " " << line->text;
            EXPECT_GE(line->x, 2) << c.window;
        }
    }
    reset_program_state();
}
