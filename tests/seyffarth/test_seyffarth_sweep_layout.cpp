// The sweep windows at the sizes where their rows, kept in units of a font
// that grows with the window, would run into each other: maximized and on
// the A4 page. The lines of the title block stand one under another, the x
// title under the axis's labels, the model line, the point line and the
// panel one under another; the turned titles left of the plot stand clear of
// the axes and labels beside them.
#include <gtest/gtest.h>

#include "dialog_start_records.h"
#include "scheme_at_dialog_values.h"
#include "seyffarth_point_test_support.h"
#include "seyffarth_sweeps.h"
#include "text_cells.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace seyffarth_test;

namespace {

using Routine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

struct Window6 {
    const char* name;
    Routine routine;
    const double* record;
    RegimeSweep kind;
    int scheme;   // the thickness windows need a plate
};
const Window6 windows[] = {
    {"structure against energy input", seyffarth_structure_vs_energy_window, energy_start, RegimeSweep::energy, 2},
    {"properties against energy input", seyffarth_properties_vs_energy_window, energy_start, RegimeSweep::energy, 2},
    {"structure against preheat", seyffarth_structure_vs_preheat_window, preheat_start, RegimeSweep::preheat, 2},
    {"properties against preheat", seyffarth_properties_vs_preheat_window, preheat_start, RegimeSweep::preheat, 2},
    {"structure against thickness", seyffarth_structure_vs_thickness_window, thickness_start,
     RegimeSweep::thickness, 1},
    {"properties against thickness", seyffarth_properties_vs_thickness_window, thickness_start,
     RegimeSweep::thickness, 1},
};

RecordingCanvas screen(int width, int height)
{
    DeviceCaps caps = RecordingCanvas::default_caps();
    caps.horz_res = width;
    caps.vert_res = height;
    return RecordingCanvas(caps);
}

struct Surface {
    const char* name;
    RecordingCanvas (*canvas)();
};
const Surface surfaces[] = {
    {"1280 x 1000", [] { return screen(1280, 1000); }},
    {"A4 portrait", [] { return RecordingCanvas::printer_page(210, 297, 300); }},
    {"A4 landscape", [] { return RecordingCanvas::printer_page(297, 210, 300); }},
};

const Language languages[] = {Language::english, Language::russian, Language::ukrainian, Language::german,
                              Language::french};

// The window drawn on the canvas, with the scheme at its data dialog's
// values, in the language.
void draw(Routine routine, const double* record, int scheme, Language language, RecordingCanvas& dc)
{
    reset_program_state(Language::english);
    EXPECT_TRUE(install_scheme_at_dialog_values(scheme)) << scheme;
    set_language(language);
    init_fonts();
    routine(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
}

// The first row under a text's ink and cell.
int bottom_of(const RecordingCanvas::TextCall& t)
{
    int bottom = text_cell(t).bottom;
    for (const Rect& g : text_glyph_boxes(t.font, t.text)) bottom = std::max(bottom, t.y + g.bottom);
    return bottom;
}

const RecordingCanvas::TextCall* text_equal(const RecordingCanvas& dc, const std::string& text)
{
    for (const auto& t : dc.texts)
        if (t.text == text && t.font.escapement == 0) return &t;
    return nullptr;
}

// The texts whose cells meet the text's, leaving out the raised small zero
// that the preheat's x title carries over its letters (its ink stands clear
// of theirs, which the window layout check asserts).
std::vector<std::string> meeting(const RecordingCanvas& dc, const RecordingCanvas::TextCall& text)
{
    std::vector<std::string> met;
    for (const std::string& m : texts_meeting(dc, text, 1 << 20))
        if (m != "0") met.push_back(m);
    return met;
}

} // namespace

TEST(SeyffarthSweepLayout, RowsStandOneUnderAnotherMaximizedAndOnThePage)
{
    for (const Window6& w : windows)
        for (const Surface& s : surfaces)
            for (const Language language : languages) {
                RecordingCanvas dc = s.canvas();
                draw(w.routine, w.record, w.scheme, language, dc);
                const std::string where =
                    std::string(w.name) + ", " + s.name + ", language " + std::to_string(static_cast<int>(language));
                ASSERT_FALSE(dc.texts.empty()) << where;

                // Title, atlas line, class line and grade line, drawn in this
                // order.
                const auto* class_line = text_equal(dc, seyffarth_class_line(seyffarth_sweep_class_name(1)));
                ASSERT_NE(class_line, nullptr) << where;
                const auto at = static_cast<std::size_t>(class_line - dc.texts.data());
                ASSERT_TRUE(at >= 2 && at + 1 < dc.texts.size()) << where;
                for (std::size_t i = at - 1; i <= at + 1; ++i)
                    EXPECT_GE(dc.texts[i].y, bottom_of(dc.texts[i - 1]))
                        << where << ": \"" << dc.texts[i].text << "\" over \"" << dc.texts[i - 1].text << "\"";

                // Under the plot: the x title, the model line and the point
                // line meet no other text; the panel starts under the point line.
                const auto* x_title = text_equal(dc, pick(seyffarth_x_title(w.kind)));
                ASSERT_NE(x_title, nullptr) << where;
                EXPECT_EQ(meeting(dc, *x_title), std::vector<std::string>{}) << where << ": x title";
                const auto model = std::find_if(dc.texts.begin(), dc.texts.end(), [](const auto& t) {
                    return t.color == Rgb{120, 0, 95};
                });
                ASSERT_NE(model, dc.texts.end()) << where;
                EXPECT_GE(model->y, bottom_of(*x_title)) << where;
                EXPECT_EQ(meeting(dc, *model), std::vector<std::string>{}) << where << ": model line";
                const auto point = std::next(model);
                ASSERT_NE(point, dc.texts.end()) << where;
                ASSERT_EQ(point->text.rfind(" (y=", 0), 0u) << where;
                EXPECT_GE(point->y, bottom_of(*model)) << where;
                EXPECT_EQ(meeting(dc, *point), std::vector<std::string>{}) << where << ": point line";
                for (auto panel = std::next(point); panel != dc.texts.end(); ++panel)
                    EXPECT_GE(panel->y, bottom_of(*point)) << where << ": \"" << panel->text << "\"";
            }
    EXPECT_EQ(shown_boxes().size(), 0u);
}

namespace {

// The ink of a turned text (reading upwards from its corner): the glyphs'
// rows upright become its columns.
Rect turned_ink_box(const RecordingCanvas::TextCall& t)
{
    Rect ink{t.x + 1000000, t.y + 1000000, t.x - 1000000, t.y - 1000000};
    for (const Rect& g : text_glyph_boxes(t.font, t.text)) {
        ink.left = std::min(ink.left, t.x + g.top);
        ink.right = std::max(ink.right, t.x + g.bottom);
        ink.top = std::min(ink.top, t.y - g.right);
        ink.bottom = std::max(ink.bottom, t.y - g.left);
    }
    return ink;
}

// What a turned text's ink meets: the cells of upright texts and the
// vertical axis lines (solid, 2 pixels), and the window's left edge.
std::vector<std::string> turned_meets(const RecordingCanvas& dc, const std::string& text)
{
    std::vector<std::string> met;
    const auto it = std::find_if(dc.texts.begin(), dc.texts.end(),
                                 [&](const auto& t) { return t.text == text && t.font.escapement == 900; });
    if (it == dc.texts.end()) return {"not drawn"};
    const Rect a = turned_ink_box(*it);
    if (a.left < 2) met.push_back("the window's left edge");
    for (const auto& t : dc.texts) {
        if (t.font.escapement != 0) continue;
        const Rect b = text_cell(t);
        if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) met.push_back(t.text);
    }
    for (const auto& line : dc.lines)
        if (line.pen.width == 2 && line.from.x == line.to.x && a.left <= line.from.x + 1 && line.from.x <= a.right &&
            std::min(line.from.y, line.to.y) < a.bottom && a.top < std::max(line.from.y, line.to.y))
            met.push_back("the axis at x = " + std::to_string(line.from.x));
    return met;
}

} // namespace

// The turned structure title stands between the t8/5 axis and the labels of
// the structure axis: maximized, the thickness window's title (at 3 lines of
// its base font left of the plot) lay on the t8/5 labels, and the preheat
// window's on the t8/5 axis.
TEST(SeyffarthSweepLayout, TurnedStructureTitleStandsBetweenTheTimeAxisAndTheStructureLabels)
{
    const char* titles[] = {"Structure, %", "Структура, %", "Структура, %", "Die Struktur, %", "La structure, %"};
    for (const Window6& w : windows) {
        if (std::string(w.name).rfind("structure", 0) != 0) continue;
        for (const auto& [width, height] : {std::pair{992, 693}, std::pair{1024, 768}, std::pair{1280, 1000}})
            for (const Language language : languages) {
                RecordingCanvas dc = screen(width, height);
                draw(w.routine, w.record, w.scheme, language, dc);
                EXPECT_EQ(turned_meets(dc, titles[static_cast<int>(language)]), std::vector<std::string>{})
                    << w.name << ", " << width << " x " << height << ", language " << static_cast<int>(language);
            }
    }
}

// Scheme 4 at a 400 °C preheat cools for 1500 s and more: the t8/5 axis's
// four-digit labels reach from its column at 3 lines to the window's left
// edge, where the turned t8/5 title stands. The title keeps left of them,
// in a smaller font, and inside the window.
TEST(SeyffarthSweepLayout, TimeTitleKeepsLeftOfFourDigitLabels)
{
    for (const auto& [width, height] : {std::pair{992, 693}, std::pair{1024, 768}, std::pair{1280, 1000}})
        for (const Language language : languages) {
            RecordingCanvas dc = screen(width, height);
            draw(seyffarth_properties_vs_preheat_window, preheat_start, 4, language, dc);
            const std::string where = std::to_string(width) + " x " + std::to_string(height) + ", language " +
                                      std::to_string(static_cast<int>(language));
            EXPECT_TRUE(std::any_of(dc.texts.begin(), dc.texts.end(), [](const auto& t) {
                return t.font.escapement == 0 && t.text.size() >= 4 &&
                       t.text.find_first_not_of(" 0123456789") == std::string::npos;
            })) << where << ": no four-digit label";
            EXPECT_EQ(turned_meets(dc, pick(seyffarth_t85_text())), std::vector<std::string>{}) << where;
        }
}
