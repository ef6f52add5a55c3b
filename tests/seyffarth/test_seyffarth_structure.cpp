// The structure windows: at the point of the heat-source model and as the
// steel's diagram. Texts, places, the cooling-time marker, the legend, the
// markers on the curves, colours, failures, and PNG renders to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "captions.h"
#include "numfmt.h"
#include "plot.h"
#include "seyffarth_point_test_support.h"
#include "seyffarth_sweeps.h"
#include "text_cells.h"

using namespace seyffarth_test;

namespace {

// The plot rectangle of the window at a point on the recording canvas's
// 1024 x 768 surface: H = 25 and h its line height.
struct Layout {
    int H = 0, h = 0;
    Rect plot;
};

Layout point_layout(RecordingCanvas& dc, int bottom_lines)
{
    Layout l;
    l.H = 768 / 30;
    l.h = seyffarth_font(dc, l.H);
    l.plot = Rect{1024 / 8, 7 * l.h, 1024 - 1024 / 4, 768 - bottom_lines * l.h};
    return l;
}

const RecordingCanvas::TextCall* text_starting(const RecordingCanvas& dc, const std::string& start)
{
    for (const auto& t : dc.texts)
        if (t.text.rfind(start, 0) == 0) return &t;
    return nullptr;
}

} // namespace

TEST(SeyffarthStructureAtPoint, TextsPlacesAndMarkerForTheEqualInterval)
{
    reset_program_state();
    const double record[4] = {0.05, 0.0, 500.0, 500.0};
    RecordingCanvas dc;
    seyffarth_structure_at_point_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);

    SeyffarthPoint p;
    ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);
    // The widened interval cools in less than the table's first second: the
    // first row's shares, and a line under the time title that says so,
    // in a row the plot gives up (no box).
    ASSERT_LT(p.t, 1);
    EXPECT_TRUE(shown_boxes().empty());
    RecordingCanvas probe;
    const Layout l = point_layout(probe, 14);
    const auto* end = dc.find_text(cformat("t8/5 = %.3g s lies below the atlas's first row, 1 s: that row's values", p.t));
    const auto* time_title = dc.find_text("t 8/5, c");
    ASSERT_NE(end, nullptr);
    ASSERT_NE(time_title, nullptr);
    EXPECT_EQ(end->y, time_title->y + measure_text(time_title->font, time_title->text).cy);
    EXPECT_EQ(end->font.height, l.H);
    EXPECT_LT(end->y + l.h, text_starting(dc, " Account on model:")->y);

    // Title at (left + 2 h1, 0.3 h1) in font 1.2 H, colour (255, 0, 95).
    const auto* title = dc.find_text(" Structure under the atlas P. Seyffarth");
    ASSERT_NE(title, nullptr);
    const int h1 = seyffarth_font(probe, static_cast<int>(1.2 * l.H));
    EXPECT_EQ(title->x, 2 * h1);
    EXPECT_EQ(title->y, static_cast<int>(0.3 * h1));
    EXPECT_EQ(title->font.height, 30);
    EXPECT_EQ(title->color, (Rgb{255, 0, 95}));

    const auto* cls = dc.find_text("Class of steel: \" 1.General-application building steels\"");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->x, 2 * l.h);
    EXPECT_EQ(cls->y, static_cast<int>(1.5 * l.h));
    ASSERT_NE(dc.find_text("The grade of steel: \"S355J2 \"  "), nullptr);

    // The result line shows the raised upper temperature.
    const auto* result = text_starting(dc, "In a range: (505,500), [C] at point (y=0.05, cm; z=0, cm) chill time: ");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->text, cformat("In a range: (505,500), [C] at point (y=0.05, cm; z=0, cm) chill time: %-.3g, s;",
                                    p.t));
    EXPECT_EQ(result->x, l.plot.left);
    EXPECT_EQ(result->y, static_cast<int>(768 - 8.0 * l.h));
    EXPECT_EQ(result->color, (Rgb{120, 0, 95}));

    // The red cooling-time marker, five pixels wide, across the plot.
    bool marker = false;
    const int x_t = static_cast<int>(l.plot.left + p.L * (l.plot.right - l.plot.left) / 5.99146454710798);
    for (const auto& line : dc.lines)
        if (line.pen.width == 5 && line.pen.color == (Rgb{255, 0, 0})) {
            EXPECT_EQ(line.from, (Point{x_t, l.plot.bottom}));
            EXPECT_EQ(line.to, (Point{x_t, l.plot.top}));
            marker = true;
        }
    EXPECT_TRUE(marker);

    // The share line: fragments side by side from L in the phase colours.
    const auto* m = text_starting(dc, "Martensite = ");
    const auto* b = text_starting(dc, "bainite = ");
    ASSERT_NE(m, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(m->x, l.plot.left);
    EXPECT_EQ(m->y, 768 - 7 * l.h);
    EXPECT_EQ(b->x, m->x + measure_text(m->font, m->text).cx);
    EXPECT_EQ(m->color, (Rgb{0, 127, 0}));
    EXPECT_EQ(b->color, (Rgb{0, 127, 255}));
}

TEST(SeyffarthStructureAtPoint, SharesMatchTheTableAtTheCoolingTime)
{
    reset_program_state();
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    const SteelChoice steel = sample_seyffarth_steel();
    seyffarth_structure_at_point_window(record, 50, nullptr, dc, 0, steel, 0);
    SeyffarthPoint p;
    ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);
    SteelDescriptor d;
    seyffarth_read_descriptor(steel, d);
    SeyffarthPhases ph;
    ASSERT_TRUE(seyffarth_read_phases(nullptr, steel, d, ph));
    const SeyffarthShares s = seyffarth_shares_at(ph, p.L);
    EXPECT_GT(s.ferrite + s.bainite + s.pearlite + s.martensite, 90.0);
    ASSERT_NE(dc.find_text(cformat("ferrite:= %-.3g %%;  ", s.ferrite)), nullptr);
    ASSERT_NE(dc.find_text(cformat("Pearlite = %-.3g %%;  ", s.pearlite)), nullptr);
}

TEST(SeyffarthStructureAtPoint, LegendRowsLabelsAndGlyphs)
{
    reset_program_state(Language::russian);
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_structure_at_point_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    RecordingCanvas probe;
    const Layout l = point_layout(probe, 13);
    struct Row {
        std::string label;
        int k;
        Rgb colour;
        std::string glyph;
    } rows[] = {
        {"Мартенсит, %", 3, {0, 127, 0}, "\u00C0"},
        {"Бейнит, %", 5, {0, 127, 255}, "\u00C1"},
        {"Феррит, %", 7, {255, 127, 0}, "\u00C2"},
        {"Перлит, %", 9, {127, 0, 0}, "\u00C3"},
    };
    for (const Row& r : rows) {
        const auto* t = dc.find_text(r.label);
        ASSERT_NE(t, nullptr) << r.label;
        EXPECT_EQ(t->y, l.plot.top + r.k * l.h) << r.label;
        EXPECT_EQ(t->color, r.colour);
        EXPECT_EQ(t->font.charset, 204);
        // The legend glyph stands at (right - 3h, T + k h - 1) in the marker face.
        bool glyph = false;
        for (const auto& g : dc.texts)
            if (g.text == r.glyph && g.x == 1024 - 3 * l.h && g.y == l.plot.top + r.k * l.h - 1) {
                EXPECT_EQ(g.font.face, "Zapfdingbats BT");
                glyph = true;
            }
        EXPECT_TRUE(glyph) << r.label;
    }
    ASSERT_NE(dc.find_text(" Cтруктура по атласу П. Daverurud"), nullptr);
    ASSERT_NE(text_starting(dc, "В диапазоне: (850,500), [C] в точке (y=0.05, см; z=0, см)"), nullptr);
    ASSERT_NE(text_starting(dc, "феррит:= "), nullptr);
}

TEST(SeyffarthStructureAtPoint, BlackAndWhiteKeepsPenStyles)
{
    reset_program_state();
    colour_mode = 0;
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_structure_at_point_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    colour_mode = 1;
    bool dashed = false;
    for (const auto& p : dc.polylines) {
        EXPECT_EQ(p.pen.color, (Rgb{0, 0, 0}));
        dashed = dashed || p.pen.style == PenStyle::dash;
    }
    EXPECT_TRUE(dashed);
    for (const auto& line : dc.lines)
        if (line.pen.width == 5) {
            EXPECT_EQ(line.pen.color, (Rgb{0, 0, 0}));
        }
    EXPECT_EQ(dc.find_text(" Structure under the atlas P. Seyffarth")->color, (Rgb{0, 0, 0}));
}

TEST(SeyffarthStructureAtPoint, FailuresComeBeforeAnyDrawing)
{
    reset_program_state();
    {
        const double far[4] = {30.0, 0.0, 850.0, 500.0};
        RecordingCanvas dc;
        seyffarth_structure_at_point_window(far, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        EXPECT_TRUE(dc.texts.empty());
        EXPECT_TRUE(dc.shapes.empty());
        ASSERT_EQ(shown_boxes().size(), 1u);
    }
    {
        const fs::path dir = fixture_dir("structure_missing");
        const double record[4] = {0.05, 0.0, 850.0, 500.0};
        RecordingCanvas dc;
        seyffarth_structure_at_point_window(record, 50, nullptr, dc, 0, fixture_steel(dir, "", false), 0);
        EXPECT_TRUE(dc.texts.empty());
        EXPECT_TRUE(dc.shapes.empty());
        ASSERT_EQ(shown_boxes().size(), 1u);
    }
    {
        // No steel file at all: the descriptor's message alone.
        const double record[4] = {0.05, 0.0, 850.0, 500.0};
        RecordingCanvas dc;
        seyffarth_structure_at_point_window(record, 50, nullptr, dc, 0, SteelChoice{}, 0);
        EXPECT_TRUE(dc.texts.empty());
        EXPECT_EQ(shown_boxes().size(), 1u);
    }
}

TEST(SeyffarthStructureDiagram, MartensiteIsAbsoluteAndMarkersStandEveryFourthRow)
{
    reset_program_state();
    std::string table = "t8/5 F B P HV\n";
    for (int i = 0; i <= 20; ++i)
        table += cformat("%d %s 300\n", 1 + 10 * i, i == 0 ? "60 30 20" : "10 20 30");
    const SteelChoice steel = fixture_steel(fixture_dir("diagram"), table);
    RecordingCanvas dc;
    seyffarth_structure_diagram_window(nullptr, 50, nullptr, dc, 0, steel, 0);
    EXPECT_TRUE(shown_boxes().empty());

    const int H = 768 / 30;
    RecordingCanvas probe;
    const int h = seyffarth_font(probe, H);
    const Rect plot{1024 / 8, 7 * h, 1024 - 1024 / 4, 768 - 5 * h};
    const WorldBox box = seyffarth_structure_box();

    // The martensite curve (green, drawn twice) starts at +10, not -10.
    const RecordingCanvas::PolylineCall* green = nullptr;
    for (const auto& p : dc.polylines)
        if (p.pen.color == (Rgb{0, 127, 0})) {
            green = &p;
            break;
        }
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(green->points.front().y, plot_y_top(plot, box, 10.0));

    // Pearlite glyphs (0xC3) on the curve at rows 4, 8, 12, 16.
    std::vector<int> xs;
    for (const auto& t : dc.texts)
        if (t.text == "\u00C3" && t.x < plot.right) xs.push_back(t.x);
    std::vector<int> expected;
    for (int row : {4, 8, 12, 16}) expected.push_back(plot_x(plot, box, std::log(1.0 + 10 * row)));
    EXPECT_EQ(xs, expected);

    EXPECT_EQ(text_starting(dc, "In a range"), nullptr);
    EXPECT_EQ(text_starting(dc, " Account on model"), nullptr);
    ASSERT_NE(dc.find_text("t 8/5, c"), nullptr);
    const auto* rotated = dc.find_text("Structure, %");
    ASSERT_NE(rotated, nullptr);
    EXPECT_EQ(rotated->font.escapement, 900);
}

TEST(SeyffarthStructureDiagram, MissingTableLeavesTheWindowBlank)
{
    reset_program_state();
    RecordingCanvas dc;
    seyffarth_structure_diagram_window(nullptr, 50, nullptr, dc, 0, fixture_steel(fixture_dir("dmiss"), "", false),
                                       0);
    EXPECT_TRUE(dc.shapes.empty());
    EXPECT_EQ(shown_boxes().size(), 1u);
}

TEST(SeyffarthStructurePictures, EnglishAndRussian)
{
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    for (Language language : {Language::english, Language::russian}) {
        reset_program_state(language);
        const std::string tag = language_tag(language);
        EXPECT_GT(render_window(seyffarth_structure_at_point_window, record, sample_seyffarth_steel(), "structure_at_point_" + tag),
                  200);
        EXPECT_GT(render_window(seyffarth_structure_diagram_window, record, sample_seyffarth_steel("20MnMoNi45.sp2", 3),
                                "structure_diagram_" + tag),
                  200);
        EXPECT_TRUE(shown_boxes().empty());
    }
}

// A cooling time beyond the table's last row takes that row's shares, and a
// line under the time title says so, clear of every other text; the table
// here ends at 10 s, the point cools in 21 s.
TEST(SeyffarthStructureAtPoint, ACoolingTimeBeyondTheTableSaysItTakesTheLastRow)
{
    const struct {
        Language language;
        const char* line;
    } cases[] = {
        {Language::english, "t8/5 = %.3g s lies beyond the atlas's last row, 10 s: that row's values"},
        {Language::russian, "t8/5 = %.3g с лежит за последней строкой атласа, 10 с: значения этой строки"},
        {Language::ukrainian, "t8/5 = %.3g с лежить за останнім рядком атласу, 10 с: значення цього рядка"},
        {Language::german, "t8/5 = %.3g s liegt hinter der letzten Zeile des Atlas, 10 s: deren Werte"},
        {Language::french, "t8/5 = %.3g s se trouve au-delà de la dernière ligne de l'atlas, 10 s : valeurs de cette ligne"},
    };
    const fs::path dir = fixture_dir("short_table");
    const SteelChoice steel = fixture_steel(dir, "t F B P HV\n1 0 10 0 400\n3 10 40 0 300\n10 40 40 10 200\n");
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    for (const auto& c : cases) {
        reset_program_state(c.language);
        SeyffarthPoint p;
        ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);
        ASSERT_GT(p.t, 10);
        RecordingCanvas dc;
        seyffarth_structure_at_point_window(record, 50, nullptr, dc, 0, steel, 0);
        EXPECT_TRUE(shown_boxes().empty());
        const auto* line = dc.find_text(cformat(c.line, p.t));
        ASSERT_NE(line, nullptr) << dc.all_text();
        EXPECT_GT(line->y, dc.find_text("t 8/5, c")->y);
        EXPECT_TRUE(texts_meeting(dc, *line, 1024).empty()) << ::testing::PrintToString(texts_meeting(dc, *line, 1024));
        // The shares drawn are the last row's.
        if (c.language == Language::english) {
            EXPECT_NE(dc.all_text().find("Pearlite = 10 %;"), std::string::npos) << dc.all_text();
        }
    }
    reset_program_state();
    RecordingCanvas inside;
    seyffarth_structure_at_point_window(record, 50, nullptr, inside, 0, sample_seyffarth_steel(), 0);
    EXPECT_TRUE(shown_boxes().empty());
    EXPECT_EQ(inside.all_text().find("row's values"), std::string::npos);
}

namespace {

// The energy and preheat sweeps (structure or properties) on `steel`: one
// note holding `needle`, under the x title and above the model line, clear of
// every other text. Returns the notes' texts.
std::vector<std::string> one_note_under_each_x_title(const SteelChoice& steel, bool properties,
                                                     const std::string& needle)
{
    const double energy[8] = {0.05, 0.0, 850.0, 500.0, 2000.0, 5000.0, 0.1, 0.1};
    const double preheat[6] = {0.05, 0.0, 850.0, 500.0, 100.0, 400.0};
    const struct {
        SeyffarthWindowRoutine routine;
        const double* record;
        const char* x_title;
    } cases[] = {{properties ? seyffarth_properties_vs_energy_window : seyffarth_structure_vs_energy_window, energy,
                  "rate of energy input, kJ/cm"},
                 {properties ? seyffarth_properties_vs_preheat_window : seyffarth_structure_vs_preheat_window, preheat,
                  "Preheating, C"}};
    std::vector<std::string> found;
    for (const auto& c : cases) {
        reset_program_state();
        RecordingCanvas dc;
        c.routine(c.record, 50, nullptr, dc, 0, steel, 0);
        for (const auto& box : shown_boxes()) ADD_FAILURE() << box.text;
        std::vector<const RecordingCanvas::TextCall*> notes;
        for (const auto& t : dc.texts)
            if (t.text.find(needle) != std::string::npos) notes.push_back(&t);
        EXPECT_EQ(notes.size(), 1u) << dc.all_text();
        if (notes.size() != 1) continue;
        const auto* x_title = dc.find_text(c.x_title);
        const auto* model = text_starting(dc, " Account on model:");
        EXPECT_NE(x_title, nullptr);
        EXPECT_NE(model, nullptr);
        if (x_title == nullptr || model == nullptr) continue;
        EXPECT_GT(notes[0]->y, x_title->y);
        EXPECT_LT(notes[0]->y, model->y);
        EXPECT_TRUE(texts_meeting(dc, *notes[0], 1024).empty())
            << ::testing::PrintToString(texts_meeting(dc, *notes[0], 1024));
        found.push_back(notes[0]->text);
    }
    return found;
}

} // namespace

// The structure sweeps: the cooling times beyond the table's last row (10 s)
// are one note under the x title, with the longest, above the model line and
// clear of every other text; the plot gives up its row.
TEST(SeyffarthTableEnds, StructureSweepsSayWhichTimesTookTheLastRow)
{
    const SteelChoice steel =
        fixture_steel(fixture_dir("short_table_sweeps"), "t F B P HV\n1 0 10 0 400\n3 10 40 0 300\n10 40 40 10 200\n");
    EXPECT_EQ(one_note_under_each_x_title(steel, false, "lies beyond the atlas's last row, 10 s: that row's values").size(),
              2u);
}

// The property sweeps with a hardness and a strength curve that both end at
// e^0.8 = 2.2 s: the longer cooling times take their last points, and one
// note under the x title, led by the two curves' symbols, says so, above the
// model line and clear of every other text; the plot gives up its row.
TEST(SeyffarthTableEnds, PropertySweepsSayWhichTimesTookTheCurvesEnds)
{
    const fs::path dir = fixture_dir("short_curves_sweeps");
    const SteelChoice steel = fixture_steel(dir, "t F B P HV\n1 0 10 0 400\n3 10 40 0 300\n10 40 40 10 200\n");
    write_file(dir / "prop.spl", "51 0 80 5.99146 440 80 440 100 1300 0 48 0 96 0 36 0 0 0 0 0 0 0 0 0 0\n"
                                 "4 200 0 400 0.2 380 0.4 360 0.6 340 0.8 320 0\n"
                                 "4 200 0 400 0.2 380 0.4 360 0.6 340 0.8 320 0\n");
    const std::vector<std::string> notes =
        one_note_under_each_x_title(steel, true, "lies beyond the atlas's last row, 2.22554 s: that row's values");
    EXPECT_EQ(notes.size(), 2u);
    for (const std::string& note : notes) EXPECT_EQ(note.rfind("HV, Rm: t8/5 = ", 0), 0u) << note;
    // The sample steel's curves span the sweep's times: no note.
    reset_program_state();
    RecordingCanvas inside;
    const double energy[8] = {0.05, 0.0, 850.0, 500.0, 2000.0, 5000.0, 0.1, 0.1};
    seyffarth_properties_vs_energy_window(energy, 50, nullptr, inside, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(inside.all_text().find("row's values"), std::string::npos);
}

// The CCT window and the micrograph at a point whose cooling time (21 s)
// lies beyond the structure table's last row (10 s): the shares are the last
// row's and a line above the model line says so, clear of every other text.
TEST(SeyffarthTableEnds, CctAndMicrographSayTheShareIsTheLastRows)
{
    const fs::path dir = fixture_dir("short_table_cct");
    const SteelChoice steel = fixture_steel(dir, "t F B P HV\n1 0 10 0 400\n3 10 40 0 300\n10 40 40 10 200\n");
    const fs::path sample = fs::path(VELMARIN_SOURCE_DATA_DIR) / "Seyffarth CCT Atlas" / "s355j2";
    for (const char* f : {"cct.spl", "labels.txt"}) fs::copy_file(sample / f, dir / f);
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    const struct {
        SeyffarthWindowRoutine routine;
        const char* model;
    } cases[] = {{seyffarth_cct_at_point_window, " Account on model:"},
                 {seyffarth_micrograph_window, " Рассчёт по модели:"}};
    for (const auto& c : cases) {
        reset_program_state();
        SeyffarthPoint p;
        ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);
        ASSERT_GT(p.t, 10);
        RecordingCanvas dc;
        c.routine(record, 50, nullptr, dc, 0, steel, 0);
        shown_boxes();   // the fixture has no micrograph picture
        const auto* line = dc.find_text(cformat("t8/5 = %.3g s lies beyond the atlas's last row, 10 s: that row's values", p.t));
        ASSERT_NE(line, nullptr) << dc.all_text();
        const auto* model = text_starting(dc, c.model);
        ASSERT_NE(model, nullptr);
        EXPECT_LT(line->y, model->y);
        EXPECT_TRUE(texts_meeting(dc, *line, 1024).empty()) << ::testing::PrintToString(texts_meeting(dc, *line, 1024));
    }
    // Among the rows, no line.
    reset_program_state();
    RecordingCanvas inside;
    seyffarth_cct_at_point_window(record, 50, nullptr, inside, 0, sample_seyffarth_steel(), 0);
    EXPECT_EQ(inside.all_text().find("row's values"), std::string::npos);
}

// The HAZ profile of a property whose curve ends at 2 s: the zone's longer
// times take its last point, and a note under the zone's title says so.
TEST(SeyffarthTableEnds, HazProfileSaysWhichTimesTookTheCurvesEnd)
{
    const fs::path dir = fixture_dir("short_curve_haz");
    const SteelChoice steel = fixture_steel(dir, "t F B P HV\n1 0 10 0 400\n3 10 40 0 300\n10 40 40 10 200\n");
    // Header: x 0..ln 400, HV 80..440, the property ranges; then one
    // hardness curve of five points from 1 s to e^0.8 = 2.2 s.
    write_file(dir / "prop.spl", "38 0 80 5.99146 440 80 440 100 1300 0 48 0 96 0 36 0 0 0 0 0 0 0 0 0 0\n"
                                 "4 200 0 400 0.2 380 0.4 360 0.6 340 0.8 320 0\n");
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    reset_program_state();
    RecordingCanvas dc;
    seyffarth_haz_profile_window(record, 50, nullptr, dc, 1, steel, 0);
    for (const auto& box : shown_boxes()) ADD_FAILURE() << box.text;
    const RecordingCanvas::TextCall* note = nullptr;
    for (const auto& t : dc.texts)
        if (t.text.find("lies beyond the atlas's last row, 2.22554 s: that row's values") != std::string::npos) note = &t;
    ASSERT_NE(note, nullptr) << dc.all_text();
    const auto* zone_title = dc.find_text("ЗТВ, см");
    ASSERT_NE(zone_title, nullptr);
    EXPECT_GT(note->y, zone_title->y);
    EXPECT_TRUE(texts_meeting(dc, *note, 1024).empty()) << ::testing::PrintToString(texts_meeting(dc, *note, 1024));
    // The cooling-time profile looks nothing up: no note.
    RecordingCanvas times;
    seyffarth_haz_profile_window(record, 50, nullptr, times, 0, steel, 0);
    EXPECT_EQ(times.all_text().find("row's values"), std::string::npos);
}
