// The chooser and data-dialog templates exist in the five languages with the
// controls the procedures use; and the table of texts a data dialog accepts.
#include "lang.h"
#include "modelchoice.h"
#include "rc_parser.h"
#include "resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const suffixes[] = {"_E", "_RU", "_UA", "_D", "_F"};

} // namespace

TEST(ModelChoiceTemplates, DataDialogsHaveTheirEditsButtonsAndFrameInEveryLanguage)
{
    for (const DataDialog& d : data_dialogs()) {
        for (const char* suffix : suffixes) {
            const std::string name = std::string(d.stem) + suffix;
            SCOPED_TRACE(name);
            const DialogTemplate* t = find_dialog_template(name);
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(t->font_face, "Arial");
            EXPECT_EQ(t->font_size, 8);
            std::vector<int> rows_y;
            for (const DataValue& v : d.values) {
                const ControlTemplate* c = t->control(v.edit);
                ASSERT_NE(c, nullptr) << v.edit;
                EXPECT_EQ(c->kind, ControlKind::edit) << v.edit;
                EXPECT_EQ(c->cx, d.pulsed ? 30 : 31) << v.edit;
                rows_y.resize(static_cast<std::size_t>(std::max<int>(v.row, static_cast<int>(rows_y.size()))));
                rows_y[static_cast<std::size_t>(v.row - 1)] = c->y;
            }
            // edits stand one under the other in the order of the legend rows
            for (std::size_t r = 1; r < rows_y.size(); ++r) EXPECT_GT(rows_y[r], rows_y[r - 1]) << r;
            const ControlTemplate* ok = t->control(d.ok);
            ASSERT_NE(ok, nullptr);
            EXPECT_TRUE(ok->is_default_button());
            const ControlTemplate* cancel = t->control(d.cancel);
            ASSERT_NE(cancel, nullptr);
            EXPECT_EQ(cancel->kind, ControlKind::push_button);
            EXPECT_EQ(cancel->text, "&Cancel");
            const bool frameless = d.scheme == 4 && (std::string(suffix) == "_E" || std::string(suffix) == "_D");
            const ControlTemplate* frame = t->control(10021);
            EXPECT_EQ(frame == nullptr, frameless);
            if (frame != nullptr) {
                EXPECT_EQ((Rect{frame->x, frame->y, frame->cx, frame->cy}), (Rect{14, 25, 123, 93}));
            }
            // the pulsed dialogs can be resized, by a border in place of a system menu
            const bool sizing = d.pulsed && name != "ROM1DATA_RU";
            EXPECT_EQ((t->style & rcstyle::ws_thickframe) != 0, sizing);
            EXPECT_EQ((t->style & rcstyle::ws_sysmenu) != 0, !sizing);
        }
    }
    // A few captions exist once and stand in for the other languages.
    EXPECT_EQ(find_dialog_template("PPR11DATA_F")->caption, find_dialog_template("PPR11DATA_RU")->caption);
    EXPECT_EQ(find_dialog_template("COMPDATA_D")->caption, " 14. Сварка композитных пластин");
    EXPECT_EQ(find_dialog_template("PPR1DATA_E")->caption, "1. Welding thin plates");
}

TEST(ModelChoiceTemplates, ChooserHasFourteenCellsThatReportClicks)
{
    for (const char* suffix : suffixes) {
        const std::string name = std::string("MODUL") + suffix;
        SCOPED_TRACE(name);
        const DialogTemplate* t = find_dialog_template(name);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->font_face, "Tahoma");
        EXPECT_EQ(t->font_size, 10);
        EXPECT_EQ(t->cx, 343);
        EXPECT_EQ(t->cy, 257);
        for (const ChooserCell& cell : chooser_cells()) {
            const ControlTemplate* c = t->control(cell.id);
            ASSERT_NE(c, nullptr) << cell.id;
            EXPECT_NE(c->style & rcstyle::ss_notify, 0u) << cell.id;
            EXPECT_EQ(c->cx, 85);
            EXPECT_EQ(c->cy, 64);
            EXPECT_EQ(c->y, cell.rect.top);
        }
        for (const ControlTemplate& c : t->controls)
            EXPECT_NE(c.kind, ControlKind::push_button) << "the chooser ends only by a choice";
    }
    EXPECT_EQ(find_dialog_template("MODUL_E")->caption, "   Choose model of a source of heating and welded detail");
}

TEST(DataValues, EachTextIsReadWholeAndMustSuitTheScheme)
{
    set_language(Language::english);
    struct Case {
        int scheme;
        std::size_t index;
        const char* text;
        bool taken;
        double value;          // when taken
    };
    const Case cases[] = {
        {1, 0, "0.38", true, 0.38},
        {1, 0, " 2.5e-1 ", true, 0.25},
        {1, 3, "-40", true, -40},            // a cold start is a temperature like any
        {1, 6, "0", true, 0},                // no heat transfer
        {2, 5, "0", true, 0},                // no layer: the continuous body
        {2, 6, "0", true, 0},
        {1, 7, "0", true, 0},                // no power: nothing heats
        {1, 0, "1,5", false, 0},             // a comma is not a decimal point
        {1, 0, "12abc", false, 0},
        {1, 0, "", false, 0},
        {1, 0, "   ", false, 0},
        {1, 0, "inf", false, 0},
        {1, 0, "nan", false, 0},
        {1, 0, "1e999", false, 0},
        {1, 1, "0", false, 0},               // heat capacity
        {1, 2, "-7.8", false, 0},            // density
        {1, 4, "0", false, 0},               // speed
        {1, 5, "0", false, 0},               // thickness
        {1, 6, "-0.01", false, 0},           // heat transfer
        {1, 7, "-800", false, 0},            // power
        {3, 8, "0", false, 0},               // layer thickness of the plate divides
        {4, 7, "0", false, 0},               // plate width
        {6, 5, "0", false, 0},               // strip width
        {7, 7, "0", false, 0},               // amplitude
        {7, 8, "0", false, 0},               // cross speed
        {9, 5, "0", false, 0},               // concentration
        {11, 6, "0", false, 0},              // cycle time
        {11, 7, "0", false, 0},              // pulse time
        {11, 8, "0", true, 0},               // the point at the start of the cycle
        {14, 6, "0", true, 0},               // one phase alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.scheme) + " #" + std::to_string(c.index) + " '" + c.text + "'");
        const DataDialog& d = *find_data_dialog(c.scheme);
        std::vector<std::string> texts;
        for (const DataValue& v : d.values) texts.emplace_back(v.default_text);
        texts[c.index] = c.text;
        double values[12] = {};
        for (double& v : values) v = -99;
        int failed = -1;
        const std::string message = read_data_values(d, texts, values, &failed);
        EXPECT_EQ(message.empty(), c.taken) << message;
        if (c.taken) {
            EXPECT_DOUBLE_EQ(values[c.index], c.value);
        } else {
            EXPECT_EQ(failed, static_cast<int>(c.index));
            EXPECT_EQ(values[0], -99) << "nothing is stored from a refused set";
            EXPECT_NE(message.find(pick(d.values[c.index].name)), std::string::npos) << message;
        }
    }
}

// A pulse is part of its cycle: a pulse time above the cycle time is refused
// in each pulsed dialog, naming both, in every language; a pulse as long as
// the cycle (a source that never pauses) is taken.
TEST(DataValues, PulseNoLongerThanItsCycle)
{
    const std::pair<Language, const char*> messages[] = {
        {Language::english, "The value of \"tp, pulse time\" must not be greater than the value of \"t0, cycle time\"."},
        {Language::russian, "Значение \"tp, время импульса\" не может быть больше значения \"t0, время цикла\"."},
        {Language::ukrainian, "Значення \"tp, час імпульсу\" не може бути більшим за значення \"t0, час циклу\"."},
        {Language::german, "Der Wert \"tp, Impulszeit\" darf nicht größer als der Wert \"t0, Zykluszeit\" sein."},
        {Language::french,
         "La valeur \"tp, durée d'impulsion\" ne doit pas être supérieure à la valeur \"t0, durée du cycle\"."},
    };
    for (int scheme : {11, 12, 13}) {
        const DataDialog& d = *find_data_dialog(scheme);
        std::vector<std::string> texts;
        for (const DataValue& v : d.values) texts.emplace_back(v.default_text);
        texts[6] = "0.2";
        texts[7] = "0.2";
        double values[12] = {};
        EXPECT_EQ(read_data_values(d, texts, values, nullptr), "") << scheme;
        EXPECT_EQ(values[7], 0.2);
        texts[7] = "0.25";
        for (const auto& [language, expected] : messages) {
            set_language(language);
            int failed = -1;
            EXPECT_EQ(read_data_values(d, texts, values, &failed), expected) << scheme;
            EXPECT_EQ(failed, 7);
        }
        set_language(Language::english);
    }
}

TEST(DataValues, CompositeNeedsSomeOfOnePhase)
{
    const DataDialog& d = *find_data_dialog(14);
    std::vector<std::string> texts;
    for (const DataValue& v : d.values) texts.emplace_back(v.default_text);
    texts[6] = "0";
    texts[7] = "0.0";
    double values[12] = {};
    int failed = -1;
    const std::string message = read_data_values(d, texts, values, &failed);
    EXPECT_EQ(failed, 6);
    EXPECT_NE(message.find("κ1"), std::string::npos) << message;
    EXPECT_NE(message.find("κ2"), std::string::npos) << message;
}
