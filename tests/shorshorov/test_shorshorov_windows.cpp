// The structure window at a point and the HAZ profile on the sample atlas:
// texts, the point's line, the failures, and pictures in two languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "haz_zone.h"
#include "numfmt.h"
#include "shorshorov_frame.h"
#include "shorshorov_test_support.h"
#include "text_cells.h"

namespace {

const double property_defaults[4] = {0.5, 0.5, 850.0, 500.0};

bool has_text(const RecordingCanvas& dc, const std::string& text)
{
    return std::any_of(dc.texts.begin(), dc.texts.end(), [&](const auto& t) { return t.text == text; });
}

const RecordingCanvas::TextCall* find_text(const RecordingCanvas& dc, const std::string& text)
{
    for (const auto& t : dc.texts)
        if (t.text == text) return &t;
    return nullptr;
}

TEST(ShorshorovStructureAtPoint, DrawsTitleSteelLinesAndThePointLine)
{
    reset_program_state();
    RecordingCanvas dc;
    shorshorov_structure_at_point_window(property_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    EXPECT_TRUE(message_box_take_log().empty());
    const auto* title = find_text(dc, "Definition of structure");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->color, (Rgb{127, 0, 0}));
    EXPECT_EQ(title->font.height, static_cast<int>(1.4 * (768 / 32)));
    EXPECT_TRUE(has_text(dc, "according to  atlas by M.H. Shorshorov"));
    // 09G2S.301 is a steel of group 3, "3.1.-Low-alloyed constructional silicomanganese steel".
    const std::string group = shorshorov_steel_filters(Language::english)[2].description;
    EXPECT_TRUE(has_text(dc, "Class of steel:3 " + group));
    EXPECT_TRUE(has_text(dc, "Grade of steel:09G2S"));   // the file's third title line
    EXPECT_TRUE(has_text(dc, "W 8/5, K/s"));
    EXPECT_TRUE(has_text(dc, "Structure, %"));
    for (const char* legend : {"M, %", "P+B, %", "F, %"}) EXPECT_TRUE(has_text(dc, legend)) << legend;
    for (const char* tick : {"0.1", "0.6", "600"}) EXPECT_TRUE(has_text(dc, tick)) << tick;
    // One vertical red line, 5 px wide, at the point's cooling rate.
    const auto red = std::count_if(dc.lines.begin(), dc.lines.end(), [](const auto& l) {
        return l.pen.width == 5 && l.pen.color == Rgb{255, 0, 0} && l.from.x == l.to.x;
    });
    EXPECT_EQ(red, 1);
    // Three structure curves drawn through the 18 data rows of the sample.
    EXPECT_GE(dc.polylines.size(), 3u);
    EXPECT_EQ(dc.polylines[0].points.size(), 18u);
}

TEST(ShorshorovStructureAtPoint, RussianShowsTheFileTitleLines)
{
    reset_program_state();
    set_language(Language::russian);
    RecordingCanvas dc;
    shorshorov_structure_at_point_window(property_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    EXPECT_TRUE(has_text(dc, "Определение структуры"));
    EXPECT_TRUE(has_text(dc, "по атласу М.Х.Zoduzuruv"));
    EXPECT_TRUE(has_text(dc, "Sample steel (made-up data)"));
    EXPECT_TRUE(has_text(dc, "09G2S"));
    EXPECT_TRUE(has_text(dc, "П+Б, %"));
    EXPECT_TRUE(has_text(dc, "W 8/5, C/с"));
    set_language(Language::english);
}

// The title block's rows are fractions of a line apart (title 0.3, atlas
// line 1.1 lines of 1.4 H; steel lines 2.8 and 4.0 lines of H): in a large
// font a line's descenders reached the capitals under it. Each line now
// stands at its row or the least distance under the ink of the line above.
TEST(ShorshorovTitleBlock, EachLineStandsUnderTheInkOfTheLineAbove)
{
    // The rows from `y` where a text puts ink.
    const auto ink = [](const RecordingCanvas::TextCall& t) {
        int top = 1 << 20, bottom = -(1 << 20);
        for (const Rect& g : text_glyph_boxes(t.font, t.text)) {
            top = std::min(top, t.y + g.top);
            bottom = std::max(bottom, t.y + g.bottom);
        }
        return std::pair{top, bottom};
    };
    struct Case {
        Language language;
        const char* lines[4];
    };
    const Case cases[] = {
        {Language::english,
         {"Definition of structure", "according to  atlas by M.H. Shorshorov", "Class of steel:", "Grade of steel:"}},
        {Language::russian, {"Определение структуры", "по атласу М.Х.Zoduzuruv", "Sample steel", "HAZ versus"}},
    };
    for (const auto& [w, h, page] : {std::tuple{992, 693, false}, std::tuple{1280, 1000, false},
                                     std::tuple{210, 297, true}})
        for (const Case& c : cases) {
            reset_program_state();
            set_language(c.language);
            RecordingCanvas dc = surface_canvas(w, h, page);
            shorshorov_structure_at_point_window(property_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
            int above = -(1 << 20);
            for (const char* line : c.lines) {
                const RecordingCanvas::TextCall* t = nullptr;
                for (const auto& call : dc.texts)
                    if (call.text.rfind(line, 0) == 0 && t == nullptr) t = &call;
                ASSERT_NE(t, nullptr) << line;
                const auto [top, bottom] = ink(*t);
                EXPECT_GE(top, above) << w << "x" << h << " \"" << line << "\" meets the line above";
                above = bottom;
            }
        }
    set_language(Language::english);
}

// The legend right of the plot is in font H; the plot's right side is 7 c0
// in from the client's, c0 the entry font's line, which grows slower than H
// (maximized, on paper). Each label ends inside the client and its sample
// line runs rightwards from 7/5 of the label's width right of the plot (or
// is a point there), never back across the label.
TEST(ShorshorovStructureAtPoint, LegendLabelsAndSampleLinesStayInsideTheClient)
{
    for (const auto& [w, h, page] : {std::tuple{1024, 768, false}, std::tuple{1280, 1000, false},
                                     std::tuple{210, 297, true}, std::tuple{297, 210, true}}) {
        reset_program_state();
        RecordingCanvas dc = surface_canvas(w, h, page);
        shorshorov_structure_at_point_window(property_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        ASSERT_FALSE(dc.shapes.empty());
        const Rect client = dc.shapes.front().box;   // the frame, drawn first
        const std::pair<const char*, Rgb> legends[] = {
            {"M, %", Rgb{0, 200, 0}}, {"P+B, %", Rgb{255, 0, 255}}, {"F, %", Rgb{255, 127, 127}}};
        for (const auto& [legend, colour] : legends) {
            const auto* label = find_text(dc, legend);
            ASSERT_NE(label, nullptr) << legend;
            const Rect cell = text_cell(*label);
            EXPECT_LE(cell.right, client.right) << w << "x" << h << " " << legend;
            int samples = 0;
            for (const auto& l : dc.lines) {
                if (!(l.pen.color == colour) || l.from.y != l.to.y || l.from.x < cell.left) continue;
                ++samples;
                EXPECT_GE(l.from.x, cell.right) << w << "x" << h << " " << legend;
                EXPECT_GE(l.to.x, l.from.x) << w << "x" << h << " " << legend;
                EXPECT_LE(l.to.x, client.right) << w << "x" << h << " " << legend;
            }
            EXPECT_EQ(samples, 2) << w << "x" << h << " " << legend;
        }
    }
}

// The rate axis's labels, 0.1 to 600 on a logarithmic scale, crowd in the
// last decade of a narrow window: each label drawn starts at least a space
// after the one before ("400600" would read as one number), and at the
// default window every label is there.
TEST(ShorshorovStructureAtPoint, RateLabelsNeverRunTogether)
{
    for (const auto& [w, h, all] : {std::tuple{992, 693, true}, std::tuple{792, 674, false},
                                    std::tuple{600, 500, false}}) {
        reset_program_state();
        RecordingCanvas dc = surface_canvas(w, h);
        shorshorov_structure_at_point_window(property_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        const RecordingCanvas::TextCall* first = nullptr;   // the axis's "0.1", under the composition's
        for (const auto& text : dc.texts)
            if (text.text == "0.1" && (first == nullptr || text.y > first->y)) first = &text;
        ASSERT_NE(first, nullptr) << w;
        std::vector<const RecordingCanvas::TextCall*> labels;   // the axis row, left to right
        for (double t : shorshorov_rate_ticks)
            for (const auto& text : dc.texts)
                if (text.text == cformat("%g", t) && text.y == first->y) labels.push_back(&text);
        ASSERT_GE(labels.size(), 2u) << w;
        if (all) {
            EXPECT_EQ(labels.size(), shorshorov_rate_ticks.size()) << w;
        }
        for (std::size_t k = 1; k < labels.size(); ++k)
            EXPECT_GE(text_cell(*labels[k]).left, text_cell(*labels[k - 1]).right + 3)
                << w << "x" << h << ": " << labels[k - 1]->text << " / " << labels[k]->text;
    }
}

TEST(ShorshorovWindows, MissingSteelFileIsNamedAndNothingIsDrawn)
{
    reset_program_state();
    SteelChoice steel = sample_shorshorov_steel("NoSuch.301");
    for (ShorshorovWindowRoutine routine : {shorshorov_structure_at_point_window, shorshorov_haz_profile_window}) {
        RecordingCanvas dc;
        routine(property_defaults, 50, nullptr, dc, 1, steel, 0);
        const auto boxes = message_box_take_log();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find(steel.file_name), std::string::npos);
        EXPECT_TRUE(dc.texts.empty());
    }
}

TEST(ShorshorovWindows, TruncatedSteelFileIsNamedAndTheSoundRowsAreDrawn)
{
    reset_program_state();
    SteelChoice steel;
    steel.file_name = write_steel_file("truncated.301", "0.1 100 300 0 0 0 0\n"
                                                        "1000 500 1500 50 90 100 100\n"
                                                        "1 150 500 30 60 20 0\n"
                                                        "10 250 700 20 50 60 10\n"
                                                        "100 400 1100 10 40 95 80\n"
                                                        "200 410\n");
    RecordingCanvas dc;
    shorshorov_structure_at_point_window(property_defaults, 50, nullptr, dc, 0, steel, 0);
    const auto boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(steel.file_name), std::string::npos);
    EXPECT_TRUE(has_text(dc, "Definition of structure"));
    ASSERT_FALSE(dc.polylines.empty());
    EXPECT_EQ(dc.polylines[0].points.size(), 3u);
}

TEST(ShorshorovHazProfile, AFlatProfileSpansTwentyFiveAboveItsValue)
{
    // One data row: every point of the zone gets its hardness.
    reset_program_state();
    SteelChoice steel;
    steel.file_name = write_steel_file("flat.301", "0.1 100 300 0 0 0 0\n"
                                                   "1000 500 1500 50 90 100 100\n"
                                                   "10 250 700 20 50 60 10\n");
    RecordingCanvas dc;
    shorshorov_haz_profile_window(property_defaults, 50, nullptr, dc, 1, steel, 0);
    EXPECT_TRUE(message_box_take_log().empty());
    ASSERT_FALSE(dc.polylines.empty());
    const auto& pts = dc.polylines[0].points;
    EXPECT_TRUE(std::all_of(pts.begin(), pts.end(), [&](Point p) { return p.y == pts[0].y; }));
    // The y axis runs from 250 to 275: its labels stay within that range.
    EXPECT_TRUE(has_text(dc, "250"));
    EXPECT_TRUE(has_text(dc, "275"));
}

// A point not reached draws nothing: one message, in the window's own words
// for a peak below the interval and the cooling procedure's otherwise (a
// point that never cools to "T to" once showed a rate taken from a floor).
TEST(ShorshorovWindows, APointNotReachedGivesOneMessageAndNothingDrawn)
{
    const double cold[4] = {50, 0, 850, 500};
    const double never_cools[4] = {0.5, 0.5, 850, 10};
    struct Case {
        ShorshorovWindowRoutine routine;
        const double* record;
        const char* text_start;
        const char* caption;
    } cases[] = {
        {shorshorov_structure_at_point_window, cold, "You are fault with temperature ... ", "  Message!"},
        {shorshorov_micrograph_window, cold, "You are fault with temperature ... ", "  Message!"},
        {shorshorov_haz_profile_window, cold, "Maximum temperature=", "You are fault with temperature ... "},
        {shorshorov_structure_at_point_window, never_cools, "The point (y=0.5 z=0.5 [cm]) does not cool to 10",
         "  Message!"},
        {shorshorov_micrograph_window, never_cools, "The point (y=0.5 z=0.5 [cm]) does not cool to 10", "  Message!"},
        {shorshorov_haz_profile_window, never_cools, "The point (y=0.5 z=0.5 [cm]) does not cool to 10",
         "  Message!"},
    };
    for (const Case& c : cases) {
        reset_program_state();
        RecordingCanvas dc;
        c.routine(c.record, 50, nullptr, dc, 1, sample_shorshorov_steel(), 0);
        const auto boxes = message_box_take_log();
        ASSERT_EQ(boxes.size(), 1u) << c.text_start;
        EXPECT_EQ(boxes[0].text.rfind(c.text_start, 0), 0u) << boxes[0].text;
        EXPECT_EQ(boxes[0].caption, c.caption) << c.text_start;
        EXPECT_TRUE(dc.texts.empty()) << c.text_start;
        EXPECT_TRUE(dc.lines.empty()) << c.text_start;
        EXPECT_TRUE(dc.polylines.empty()) << c.text_start;
        EXPECT_TRUE(dc.shapes.empty()) << c.text_start;
        EXPECT_TRUE(dc.pictures.empty()) << c.text_start;
    }
}

// Across the zone each point cools from its own peak; the points whose peak
// stays below "T from" are gaps, the x axis still spans the zone from edge to
// edge, and a line under the plot counts them.
TEST(ShorshorovHazProfile, PointsWhosePeakStaysBelowTheIntervalAreGapsAcrossTheWholeZone)
{
    reset_program_state();
    current_model.prepare();
    const HazZone zone = find_haz_zone(0.5);
    ASSERT_TRUE(zone.found());
    const std::vector<double> ys = haz_points(zone, 50);
    // T from just above the peak of the sixth point from the edge: the five
    // outermost points on each side of the symmetric body never reach it.
    const double T_from = std::ceil(find_peak(ys[5], 0.5).T) + 1;
    int cold = 0, first = -1;
    for (std::size_t i = 0; i < ys.size(); ++i) {
        if (cooling_time_at_point(ys[i], 0.5, T_from, 500).status == CoolingStatus::peak_below)
            ++cold;
        else if (first < 0)
            first = static_cast<int>(i);
    }
    ASSERT_EQ(first, 6);
    ASSERT_EQ(cold, 12);

    const double record[4] = {0.0, 0.5, T_from, 500};
    RecordingCanvas dc;
    shorshorov_haz_profile_window(record, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_TRUE(has_text(dc, cformat("Not plotted: peak below %g °C at 12 of 50 points", T_from)));
    // The plot: the dotted grey frame.
    const auto frame = std::find_if(dc.shapes.begin(), dc.shapes.end(), [](const auto& s) {
        return s.kind == RecordingCanvas::ShapeKind::rectangle && s.pen.style == PenStyle::dot;
    });
    ASSERT_NE(frame, dc.shapes.end());
    const int L = frame->box.left, R = frame->box.right;
    // The profile: one run of the 38 points reached (and its copy a pixel
    // lower), beginning where the sixth point stands on the zone's axis.
    std::vector<const RecordingCanvas::PolylineCall*> runs;
    for (const auto& line : dc.polylines)
        if (line.pen == Pen{PenStyle::dash, 1, Rgb{255, 0, 255}}) runs.push_back(&line);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0]->points.size(), 38u);
    EXPECT_EQ(runs[0]->points.front().x, static_cast<int>(L + (ys[6] - zone.y1) * (R - L) / (zone.y2 - zone.y1)));

    // The plot gives up the note's line: the model line stays where it is
    // when every point is drawn.
    const double all_reached[4] = {0.0, 0.5, 850, 500};
    RecordingCanvas full;
    shorshorov_haz_profile_window(all_reached, 50, nullptr, full, 0, sample_shorshorov_steel(), 0);
    EXPECT_TRUE(message_box_take_log().empty());
    const auto model_line = [](const RecordingCanvas& c) {
        for (const auto& t : c.texts)
            if (t.text.rfind(" Рассчёт по модели", 0) == 0) return t.y;
        return -1;
    };
    EXPECT_GT(model_line(dc), 0);
    EXPECT_EQ(model_line(dc), model_line(full));

    render_shorshorov_window(shorshorov_haz_profile_window, record, 0, sample_shorshorov_steel(), "haz_profile_rate_gaps_en");
    // A point not reached: a blank window after its message.
    const double never_cools[4] = {0.5, 0.5, 850, 10};
    render_shorshorov_window(shorshorov_structure_at_point_window, never_cools, 0, sample_shorshorov_steel(),
                             "structure_at_point_not_reached_en");
    EXPECT_EQ(message_box_take_log().size(), 1u);
}

TEST(ShorshorovHazProfile, SelectorPicksTheAxisTitleAndTheCurveHasFiftyPoints)
{
    reset_program_state();
    const std::pair<int, const char*> cases[] = {
        {0, "Cooling velocity W, grad/s"}, {1, "HV30"}, {2, "Предел прочности, Rm"},
        {3, "Относительное удлинение A, %"}, {4, "Относительное сужение Z, %"}};
    for (const auto& [sel, axis] : cases) {
        RecordingCanvas dc;
        shorshorov_haz_profile_window(property_defaults, 50, nullptr, dc, sel, sample_shorshorov_steel(), 0);
        EXPECT_TRUE(message_box_take_log().empty());
        const auto* t = find_text(dc, axis);
        ASSERT_NE(t, nullptr) << sel;
        EXPECT_EQ(t->font.escapement, 900);
        EXPECT_TRUE(has_text(dc, "ЗТВ, см"));
        EXPECT_TRUE(has_text(dc, "Определение механических свойств по атласу М.Х.Zoduzuruv"));
        ASSERT_FALSE(dc.polylines.empty());
        EXPECT_EQ(dc.polylines[0].points.size(), 50u);
    }
}

// The value axis labels its ticks only as far as it reaches: the hardness
// profile of the start scheme (260 to 272, step 4) once labelled 276 above
// the plot, over the composition table.
TEST(ShorshorovHazProfile, ValueLabelsStandOnTheAxis)
{
    reset_program_state();
    for (int sel = 0; sel <= 4; ++sel) {
        RecordingCanvas dc;
        shorshorov_haz_profile_window(property_defaults, 50, nullptr, dc, sel, sample_shorshorov_steel(), 0);
        EXPECT_TRUE(message_box_take_log().empty());
        // The axis: the longest black 2 px line drawn upward.
        const RecordingCanvas::LineCall* axis = nullptr;
        for (const auto& l : dc.lines) {
            if (l.pen != Pen{PenStyle::solid, 2, Rgb{0, 0, 0}} || l.from.x != l.to.x || l.to.y >= l.from.y) continue;
            if (axis == nullptr || l.from.y - l.to.y > axis->from.y - axis->to.y) axis = &l;
        }
        ASSERT_NE(axis, nullptr) << sel;
        int labels = 0;
        for (const auto& t : dc.texts) {
            if (t.color != Rgb{255, 0, 255}) continue;
            ++labels;
            const int middle = t.y + t.font.height / 2;
            EXPECT_GE(middle, axis->to.y) << sel << " " << t.text;
            EXPECT_LE(middle, axis->from.y) << sel << " " << t.text;
        }
        EXPECT_GE(labels, 3) << sel;
    }
}

TEST(ShorshorovWindows, PicturesInEnglishAndRussian)
{
    for (Language lang : {Language::english, Language::russian}) {
        reset_program_state();
        set_language(lang);
        const std::string tag = lang == Language::english ? "en" : "ru";
        render_shorshorov_window(shorshorov_structure_at_point_window, property_defaults, 0, sample_shorshorov_steel(),
                                 "structure_at_point_" + tag);
        render_shorshorov_window(shorshorov_haz_profile_window, property_defaults, 1, sample_shorshorov_steel(),
                                 "haz_profile_hv_" + tag);
        EXPECT_TRUE(message_box_take_log().empty());
    }
    set_language(Language::english);
}


// The HAZ profile's title (1.4 H) reaches lower than the steel lines' first
// row (1.5 lines of H): the steel lines and the composition table beside
// them, whose cells are opaque, stand under the title's cell at every size.
TEST(ShorshorovHazProfile, SteelLinesAndCompositionStandUnderTheTitle)
{
    const double record[4] = {0.5, 0.5, 850.0, 500.0};
    for (const auto& [w, h] : {std::pair{992, 693}, std::pair{1024, 768}, std::pair{1280, 1000}}) {
        reset_program_state();
        RecordingCanvas dc = surface_canvas(w, h);
        shorshorov_haz_profile_window(record, 50, nullptr, dc, 1, sample_shorshorov_steel(), 0);
        const RecordingCanvas::TextCall* title = nullptr;
        for (const auto& t : dc.texts)
            if (t.text.rfind("Определение механических свойств", 0) == 0) title = &t;
        ASSERT_NE(title, nullptr);
        const Rect title_cell = text_cell(*title);
        int below = 0;
        for (const auto& t : dc.texts) {
            if (&t == title || t.font.escapement != 0) continue;
            const Rect cell = text_cell(t);
            if (cell.top >= title_cell.bottom || cell.bottom <= title_cell.top) continue;
            if (cell.right <= title_cell.left || cell.left >= title_cell.right) continue;
            ADD_FAILURE() << w << "x" << h << ": \"" << t.text << "\" meets the title";
        }
        for (const auto& t : dc.texts)
            if (t.text.rfind("Sample steel", 0) == 0) below = text_cell(t).top - title_cell.bottom;
        EXPECT_GE(below, 0) << w << "x" << h;
    }
}

} // namespace

// The profile runs from one 700 °C edge to the other: on the symmetric body
// of the start scheme its points, and so its cooling rates, mirror about the
// weld's axis.
TEST(ShorshorovHazProfile, PointsSpanTheZoneFromEdgeToEdge)
{
    reset_program_state();
    RecordingCanvas dc;
    shorshorov_haz_profile_window(property_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    EXPECT_TRUE(message_box_take_log().empty());
    ASSERT_FALSE(dc.polylines.empty());
    const auto& pts = dc.polylines[0].points;
    ASSERT_EQ(pts.size(), 50u);
    const int middle = (pts.front().x + pts.back().x) / 2;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point& a = pts[i];
        const Point& b = pts[pts.size() - 1 - i];
        EXPECT_NEAR(a.x - middle, middle - b.x, 1) << i;
        EXPECT_NEAR(a.y, b.y, 1) << i;
    }
}

// A cooling rate beyond the table's last data row takes that row's values,
// and a message says so once. The table here ends at 10 °C/s.
// The first text drawn that begins with `prefix`.
const RecordingCanvas::TextCall* text_starting(const RecordingCanvas& dc, const std::string& prefix)
{
    for (const auto& t : dc.texts)
        if (t.text.rfind(prefix, 0) == 0) return &t;
    return nullptr;
}

// Range rows, then data rows from 1 to 10 °C/s.
constexpr const char* rows_to_10 = "0.1 0 0 0 0 0 0\n"
                                   "600 700 1400 70 70 100 100\n"
                                   "1 150 500 30 60 20 0\n"
                                   "5 250 700 20 50 60 10\n"
                                   "10 400 1100 10 40 95 80\n";

TEST(ShorshorovTableEnds, RatesBeyondTheLastRowAreSaidToTakeItsValues)
{
    SteelChoice steel = sample_shorshorov_steel();
    steel.file_name = write_steel_file("ends.301", rows_to_10);
    const double point[4] = {0.5, 0.5, 850.0, 500.0};
    for (const Language language : {Language::english, Language::russian, Language::german}) {
        reset_program_state();
        set_language(language);
        const CoolingRate c = shorshorov_cooling_rate(0.5, 0.5, 850, 500);
        ASSERT_TRUE(c.reached());
        ASSERT_GT(c.rate, 10);
        RecordingCanvas dc;
        shorshorov_structure_at_point_window(point, 50, nullptr, dc, 0, steel, 0);
        const char* format = language == Language::english  ? "W = %.3g °C/s lies beyond the atlas's last row, 10 °C/s: that row's values"
                             : language == Language::russian ? "W = %.3g °C/с лежит за последней строкой атласа, 10 °C/с: значения этой строки"
                                                             : "W = %.3g °C/s liegt hinter der letzten Zeile des Atlas, 10 °C/s: deren Werte";
        // A line under the rate title says so; no box.
        EXPECT_TRUE(message_box_take_log().empty());
        const auto* line = dc.find_text(cformat(format, c.rate));
        ASSERT_NE(line, nullptr) << dc.all_text();
        const auto* rate_title = text_starting(dc, "W 8/5, ");
        ASSERT_NE(rate_title, nullptr);
        EXPECT_GT(line->y, rate_title->y);
    }
}

TEST(ShorshorovTableEnds, SweepsSayWhichRatesTookAnEndRowsValues)
{
    // The energy sweep's fast rates lie beyond the last row, and one line
    // under the x title gives the fastest.
    SteelChoice steel = sample_shorshorov_steel();
    steel.file_name = write_steel_file("ends_sweep.301", rows_to_10);
    const double energy[8] = {0.5, 0.5, 850.0, 500.0, 2000.0, 5000.0, 0.1, 0.1};
    for (const ShorshorovWindowRoutine routine :
         {shorshorov_structure_vs_energy_window, shorshorov_properties_vs_energy_window}) {
        reset_program_state();
        RecordingCanvas dc;
        routine(energy, 50, nullptr, dc, 0, steel, 0);
        EXPECT_TRUE(message_box_take_log().empty());
        int notes = 0;
        const RecordingCanvas::TextCall* note = nullptr;
        for (const auto& t : dc.texts)
            if (t.text.find("lies beyond the atlas's last row, 10 °C/s: that row's values") != std::string::npos) {
                ++notes;
                note = &t;
            }
        ASSERT_EQ(notes, 1) << dc.all_text();
        const auto* x_title = dc.find_text("Rate of energy input, kJ/cm");
        const auto* model = text_starting(dc, " Account on model:");
        ASSERT_NE(x_title, nullptr);
        ASSERT_NE(model, nullptr);
        EXPECT_GT(note->y, x_title->y);
        EXPECT_LT(note->y, model->y);
    }
}

// The HAZ profile of a property: the zone's rates beyond the last row (10
// °C/s) take its values, and a line under the zone's title says so, clear
// of every other text; the rate profile looks nothing up and has none.
TEST(ShorshorovTableEnds, HazProfileSaysWhichRatesTookAnEndRowsValues)
{
    SteelChoice steel = sample_shorshorov_steel();
    steel.file_name = write_steel_file("ends_haz.301", rows_to_10);
    const double point[4] = {0.5, 0.5, 850.0, 500.0};
    reset_program_state();
    RecordingCanvas dc;
    shorshorov_haz_profile_window(point, 50, nullptr, dc, 1, steel, 0);
    EXPECT_TRUE(message_box_take_log().empty());
    const RecordingCanvas::TextCall* note = nullptr;
    for (const auto& t : dc.texts)
        if (t.text.find("lies beyond the atlas's last row, 10 °C/s: that row's values") != std::string::npos) note = &t;
    ASSERT_NE(note, nullptr) << dc.all_text();
    const auto* zone_title = dc.find_text("ЗТВ, см");
    ASSERT_NE(zone_title, nullptr);
    EXPECT_GT(note->y, zone_title->y);
    EXPECT_TRUE(texts_meeting(dc, *note, 1024).empty()) << ::testing::PrintToString(texts_meeting(dc, *note, 1024));
    RecordingCanvas rates;
    shorshorov_haz_profile_window(point, 50, nullptr, rates, 0, steel, 0);
    EXPECT_EQ(rates.all_text().find("row's values"), std::string::npos);
}
