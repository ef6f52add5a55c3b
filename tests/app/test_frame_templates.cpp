// The templates and menus the frame opens exist in every language, with the
// controls and command numbers its procedures use.
#include "frame.h"

#include "commands.h"
#include "menu_items.h"
#include "resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const char* const suffixes[] = {"_E", "_RU", "_UA", "_D", "_F"};

const ControlTemplate* find_control(const DialogTemplate& t, int id)
{
    for (const ControlTemplate& c : t.controls)
        if (c.id == id) return &c;
    return nullptr;
}

TEST(Templates, ParameterDialogsHaveTheirEditsAndButtonsInEveryLanguage)
{
    for (const ParameterDialog& dialog : parameter_dialog_variants()) {
        for (const char* suffix : suffixes) {
            const std::string name = std::string(dialog.stem) + suffix;
            const DialogTemplate* t = find_dialog_template(name);
            ASSERT_NE(t, nullptr) << name;
            for (const ValueField& field : dialog.fields) {
                const ControlTemplate* c = find_control(*t, field.edit);
                ASSERT_NE(c, nullptr) << name << " edit " << field.edit;
                EXPECT_EQ(c->kind, ControlKind::edit) << name << " " << field.edit;
            }
            const ControlTemplate* ok = find_control(*t, dialog.ok);
            ASSERT_NE(ok, nullptr) << name;
            EXPECT_TRUE(ok->is_default_button()) << name;
            const ControlTemplate* cancel = find_control(*t, dialog.cancel);
            ASSERT_NE(cancel, nullptr) << name;
            EXPECT_EQ(cancel->kind, ControlKind::push_button) << name;
            // no edit beyond those the dialog reads: a value typed there would be lost
            const auto edits = std::count_if(t->controls.begin(), t->controls.end(),
                                             [](const ControlTemplate& c) { return c.kind == ControlKind::edit; });
            EXPECT_EQ(static_cast<std::size_t>(edits), dialog.fields.size()) << name;
        }
    }
}

TEST(Templates, SmallDialogsOfTheFrame)
{
    const DialogTemplate* languages = find_dialog_template("LANGUAGES");
    ASSERT_NE(languages, nullptr);
    for (int id = 10318; id <= 10322; ++id) {
        const ControlTemplate* c = find_control(*languages, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->kind, ControlKind::radio_button);
    }
    ASSERT_NE(find_control(*languages, 10028), nullptr);
    EXPECT_TRUE(find_control(*languages, 10028)->is_default_button());

    const DialogTemplate* mode = find_dialog_template("GRAPHICSMODE");
    ASSERT_NE(mode, nullptr);
    for (int id : {10318, 10319}) {
        ASSERT_NE(find_control(*mode, id), nullptr) << id;
        EXPECT_EQ(find_control(*mode, id)->kind, ControlKind::radio_button);
    }
    ASSERT_NE(find_control(*mode, 10028), nullptr);

    const DialogTemplate* caution = find_dialog_template("CAUTION");
    ASSERT_NE(caution, nullptr);
    EXPECT_NE(find_control(*caution, 1), nullptr);
    EXPECT_NE(find_control(*caution, 2), nullptr);

    for (const char* suffix : {"E", "RU", "UA", "D", "F"}) {
        const DialogTemplate* about = find_dialog_template(std::string("ABOUT_") + suffix);
        ASSERT_NE(about, nullptr) << suffix;
        ASSERT_NE(find_control(*about, 10028), nullptr) << suffix;
        const auto picture = std::find_if(about->controls.begin(), about->controls.end(), [](const ControlTemplate& c) {
            return c.kind == ControlKind::static_bitmap;
        });
        ASSERT_NE(picture, about->controls.end()) << suffix;
        EXPECT_EQ(picture->text, std::string("ATLAS_") + suffix);
    }
}

void collect_ids(const std::vector<MenuItemTemplate>& items, std::vector<int>& ids)
{
    for (const MenuItemTemplate& item : items) {
        if (item.popup) collect_ids(item.items, ids);
        else if (!item.separator) ids.push_back(item.id);
    }
}

TEST(Menus, EveryLanguageCarriesTheSameCommands)
{
    const MenuTemplate* english = find_menu_template("TRUETYPE");
    ASSERT_NE(english, nullptr);
    std::vector<int> english_ids;
    collect_ids(english->items, english_ids);
    std::multiset<int> expected(english_ids.begin(), english_ids.end());
    expected.erase(cmd::blank_bar_item);
    // the steel items, the commands of the frame and the help all stand there
    for (int id : steel_menu_items()) EXPECT_TRUE(expected.count(id)) << id;
    for (int id : {cmd::exit_program, cmd::about, cmd::print, cmd::language, cmd::graphics_mode, cmd::thermal_cycle,
                   cmd::isotherm_xy, cmd::isotherm_yz, cmd::isotherm_xz, cmd::cooling_rate, cmd::help})
        EXPECT_TRUE(expected.count(id)) << id;
    for (const char* name : {"TRUETYPE_RUS", "TRUETYPE_UA", "TRUETYPE_D", "TRUETYPE_F"}) {
        const MenuTemplate* menu = find_menu_template(name);
        ASSERT_NE(menu, nullptr) << name;
        std::vector<int> ids;
        collect_ids(menu->items, ids);
        EXPECT_EQ(std::multiset<int>(ids.begin(), ids.end()), expected) << name;
    }
}

} // namespace
