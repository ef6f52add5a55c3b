// Lines as long as the longest scheme names and window titles (German and
// French): each ends inside the window, in a smaller font only where the
// window is too narrow for it, and meets no other text.
#include <gtest/gtest.h>

#include "scheme_at_dialog_values.h"
#include "seyffarth_point_test_support.h"
#include "seyffarth_sweeps.h"
#include "text_cells.h"

#include <string>

using namespace seyffarth_test;

namespace {

using Routine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

const double point_record[8] = {0.05, 0.0, 850, 500};
const double cct_record[8] = {0.5, 0.5, 850, 500};
const double energy_record[8] = {0.05, 0.0, 850, 500, 200, 5000, 0.1, 0.1};

const RecordingCanvas::TextCall* text_starting(const RecordingCanvas& dc, const std::string& start)
{
    for (const auto& t : dc.texts)
        if (t.text.rfind(start, 0) == 0) return &t;
    return nullptr;
}

struct Case {
    const char* name;
    Routine routine;
    const double* record;
    const char* line_start;   // the model line (German, or the Russian the window writes in every language)
};

// Scheme 9 bears the longest German name; scheme 2's ("... des halbunendlichen
// Körpers") was cut at the right edge of the CCT window; scheme 1's fits
// everywhere and keeps the window's font.
TEST(SeyffarthLongLines, ModelLinesEndInsideTheWindow)
{
    const Case cases[] = {
        {"structure at a point", seyffarth_structure_at_point_window, point_record, " Die Rechnung nach dem Modell"},
        {"CCT at a point", seyffarth_cct_at_point_window, point_record, " Die Rechnung nach dem Modell"},
        {"properties at a point", seyffarth_properties_at_point_window, point_record, " Die Rechnung nach dem Modell"},
        {"micrograph", seyffarth_micrograph_window, point_record, " Рассчёт по модели"},
        {"structure against energy input", seyffarth_structure_vs_energy_window, energy_record,
         " Die Rechnung nach dem Modell"},
        {"properties against energy input", seyffarth_properties_vs_energy_window, energy_record,
         " Die Rechnung nach dem Modell"},
        {"HAZ profile", seyffarth_haz_profile_window, point_record, " Рассчёт по модели"},
    };
    for (const Case& c : cases) {
        int short_name_font = 0;
        for (const int scheme : {1, 2, 9}) {
            reset_program_state(Language::german);
            ASSERT_TRUE(install_scheme_at_dialog_values(scheme));
            RecordingCanvas dc;
            c.routine(c.record, 50, nullptr, dc, 1, sample_seyffarth_steel(), 0);
            const auto* model = text_starting(dc, c.line_start);
            ASSERT_NE(model, nullptr) << c.name << ", scheme " << scheme;
            const Rect cell = text_cell(*model);
            EXPECT_GE(cell.left, 2) << c.name << ", scheme " << scheme;
            EXPECT_LE(cell.right, 1024 - 2) << c.name << ", scheme " << scheme;
            if (scheme == 1) short_name_font = model->font.height;
            EXPECT_LE(model->font.height, short_name_font) << c.name << ", scheme " << scheme;
        }
    }
    EXPECT_EQ(shown_boxes().size(), 0u);
}

// The CCT model line is centred on the width it is drawn in.
TEST(SeyffarthLongLines, CctModelLineIsCentredOnItsOwnWidth)
{
    reset_program_state(Language::german);
    ASSERT_TRUE(install_scheme_at_dialog_values(2));
    RecordingCanvas dc;
    seyffarth_cct_at_point_window(cct_record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    const auto* model = text_starting(dc, " Die Rechnung nach dem Modell: \"2. Die Schweissung des halbunendlichen Körpers\"");
    ASSERT_NE(model, nullptr);
    const Rect cell = text_cell(*model);
    EXPECT_NEAR(cell.left, 1024 - cell.right, 1);
}

// The German and French titles of the properties window against the energy
// input run past the right edge from their column: they move left, and take
// a smaller font only where the window is too narrow for them.
TEST(SeyffarthLongLines, LongTitlesOfThePropertiesWindowEndInsideIt)
{
    for (const Language language : {Language::german, Language::french}) {
        reset_program_state(language);
        RecordingCanvas dc;
        seyffarth_properties_vs_energy_window(energy_record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        const auto* title = text_starting(dc, language == Language::german ? "Die Abhängigkeit" : "La dépendance");
        ASSERT_NE(title, nullptr);
        const Rect cell = text_cell(*title);
        EXPECT_GE(cell.left, 2);
        EXPECT_LE(cell.right, 1024 - 2);
        EXPECT_LE(title->font.height, static_cast<int>(1.2 * (768 / 33)));
    }
    EXPECT_EQ(shown_boxes().size(), 0u);
}

// The German strength titles, turned and reading up from the plot's bottom,
// are longer than the room up to their glyphs and the composition table over
// their columns: they take a smaller font and end below both.
TEST(SeyffarthLongLines, TurnedStrengthTitlesEndBelowTheirGlyphsAndTheComposition)
{
    const double preheat_record[8] = {0.05, 0.0, 850, 500, 100, 400};
    const struct {
        const char* name;
        Routine routine;
        const double* record;
    } windows[] = {
        {"properties at a point", seyffarth_properties_at_point_window, point_record},
        {"properties against energy input", seyffarth_properties_vs_energy_window, energy_record},
        {"properties against preheat", seyffarth_properties_vs_preheat_window, preheat_record},
    };
    for (const auto& w : windows) {
        reset_program_state(Language::german);
        RecordingCanvas dc;
        w.routine(w.record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        int titles = 0;
        for (const auto& t : dc.texts) {
            if (t.text.rfind("Die Grenze der ", 0) != 0 || t.font.escapement != 900) continue;
            ++titles;
            const Size e = measure_text(t.font, t.text);
            const Rect column{t.x, t.y - e.cx, t.x + e.cy, t.y};
            for (const auto& o : dc.texts) {
                if (o.font.escapement != 0 || o.text.find_first_not_of(' ') == std::string::npos) continue;
                const Rect b = text_cell(o);
                const bool meet =
                    column.left < b.right && b.left < column.right && column.top < b.bottom && b.top < column.bottom;
                EXPECT_FALSE(meet) << w.name << ": " << t.text << " meets " << o.text;
            }
        }
        EXPECT_EQ(titles, 2) << w.name;
    }
    EXPECT_EQ(shown_boxes().size(), 0u);
}

} // namespace
