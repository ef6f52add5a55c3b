// The program's own resources as the frame relies on them: every script
// parses, the five menus carry the same commands in the same places, every
// dialog the frame opens exists in each language with the control ids its
// dialog procedure reads, and the texts that the program shows in one
// language whatever the menu language are where they belong.

#include "rc_parser.h"
#include "resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> suffixes = {"_E", "_RU", "_UA", "_D", "_F"};
const std::vector<std::string> menu_names = {"TRUETYPE", "TRUETYPE_RUS", "TRUETYPE_UA", "TRUETYPE_D",
                                             "TRUETYPE_F"};
const std::vector<std::string> help_languages = {"en", "ru", "ua", "de", "fr"};

bool ends_with(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The menu tree as one sequence: ids, 0 for a separator, -1 and -2 around a popup.
void flatten(const std::vector<MenuItemTemplate>& items, std::vector<int>& out)
{
    for (const MenuItemTemplate& item : items) {
        if (item.separator) {
            out.push_back(0);
        } else if (item.popup) {
            out.push_back(-1);
            flatten(item.items, out);
            out.push_back(-2);
        } else {
            out.push_back(item.id);
        }
    }
}

std::vector<int> flatten(const std::vector<MenuItemTemplate>& items)
{
    std::vector<int> out;
    flatten(items, out);
    return out;
}

void collect(const std::vector<MenuItemTemplate>& items, std::vector<const MenuItemTemplate*>& out)
{
    for (const MenuItemTemplate& item : items) {
        if (item.popup) collect(item.items, out);
        else if (!item.separator) out.push_back(&item);
    }
}

std::vector<const MenuItemTemplate*> commands_of(const std::vector<MenuItemTemplate>& items)
{
    std::vector<const MenuItemTemplate*> out;
    collect(items, out);
    return out;
}

const MenuItemTemplate* find_item(const std::vector<MenuItemTemplate>& items, int id)
{
    for (const MenuItemTemplate* item : commands_of(items))
        if (item->id == id) return item;
    return nullptr;
}

const MenuTemplate& menu(const std::string& name)
{
    const MenuTemplate* m = find_menu_template(name);
    if (!m) {
        ADD_FAILURE() << "no menu " << name;
        static const MenuTemplate empty;
        return empty;
    }
    return *m;
}

const DialogTemplate* dialog(const std::string& name)
{
    const DialogTemplate* d = find_dialog_template(name);
    EXPECT_NE(d, nullptr) << "no dialog template " << name;
    return d;
}

bool overlaps(const ControlTemplate& a, const ControlTemplate& b)
{
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

}  // namespace

// ---------------------------------------------------------------- scripts

TEST(ResourceScripts, EveryScriptParsesWithoutErrors)
{
    std::vector<std::string> scripts;
    for (const char* folder : {"dialogs/", "menus/"})
        for (const std::string& path : resource_files(folder))
            if (ends_with(path, ".rc")) scripts.push_back(path);
    scripts.push_back("strings.rc");
    EXPECT_GE(scripts.size(), 16u);
    for (const std::string& path : scripts) {
        auto bytes = resource_bytes(path);
        ASSERT_TRUE(bytes.has_value()) << path;
        RcFile file = parse_rc(*bytes, path);
        for (const RcError& e : file.errors) ADD_FAILURE() << e.text();
        EXPECT_FALSE(file.dialogs.empty() && file.menus.empty() && file.strings.empty()) << path;
    }
    for (const RcError& e : resource_errors()) ADD_FAILURE() << e.text();
}

TEST(ResourceScripts, StringTableNamesTheClassAndTheTitle)
{
    EXPECT_EQ(load_string(10046), "TRUETYPE");
    EXPECT_EQ(load_string(10047), "Velmarin");
}

// ---------------------------------------------------------------- menus

TEST(Menus, FiveMenusDifferOnlyInTheTwoPlacesLaidDown)
{
    const MenuTemplate& english = menu("TRUETYPE");
    ASSERT_EQ(english.items.size(), 6u);

    // English alone ends with a plain bar item of 33 blanks that runs no command.
    const MenuItemTemplate& spacer = english.items.back();
    EXPECT_FALSE(spacer.popup);
    EXPECT_EQ(spacer.id, 65535);
    EXPECT_EQ(spacer.text, std::string(33, ' '));

    std::vector<MenuItemTemplate> common(english.items.begin(), english.items.end() - 1);
    for (const char* name : {"TRUETYPE_UA", "TRUETYPE_D", "TRUETYPE_F"})
        EXPECT_EQ(flatten(menu(name).items), flatten(common)) << name;

    // Russian: Print leaves the first menu for the end of the second one.
    std::vector<MenuItemTemplate> russian = common;
    auto& first = russian[0].items;
    auto print = std::find_if(first.begin(), first.end(), [](const MenuItemTemplate& i) { return i.id == 10182; });
    ASSERT_NE(print, first.end());
    MenuItemTemplate print_item = *print;
    first.erase(print);
    russian[1].items.push_back(print_item);
    EXPECT_EQ(flatten(menu("TRUETYPE_RUS").items), flatten(russian));

    const auto& second = menu("TRUETYPE_RUS").items.at(1).items;
    ASSERT_GE(second.size(), 2u);
    EXPECT_TRUE(second[second.size() - 2].separator);
    EXPECT_EQ(second.back().id, 10182);
    EXPECT_EQ(second.back().text, "Печать");
}

TEST(Menus, EveryCommandOfTheFrameIsInEveryMenuAndEnabled)
{
    const std::vector<int> commands = {
        10008, 10010, 10182, 40004, 40010, 10050, 10006, 10307, 10308, 10309, 10310, 10311, 10184, 10314,
        10312, 10306, 10173, 10174, 10175, 10176, 10177, 10178, 10179, 10181, 10180, 10338, 10339, 10347,
        10346, 10185, 10315, 10035, 10166, 10167, 10168, 10169, 10170, 10172, 10171, 10340, 10337, 10344,
        10345, 10188, 10187, 10192, 10193, 10336, 10335, 10197, 10198, 10343, 10342, 10191, 10194, 10195,
        10196, 10341, 10000, 10001, 10002, 10090, 40003};
    for (const std::string& name : menu_names) {
        const auto items = commands_of(menu(name).items);
        for (int id : commands)
            EXPECT_NE(find_item(menu(name).items, id), nullptr) << name << " lacks " << id;
        for (const MenuItemTemplate* item : items) {
            EXPECT_FALSE(item->grayed || item->inactive) << name << " " << item->id;
            EXPECT_FALSE(item->text.empty()) << name << " " << item->id;
        }
    }
}

TEST(Menus, SteelItemsAreTheFourSubmenusOfTheSecondMenu)
{
    // Graying the steel items by command reaches only the first occurrence of
    // an id; 10184 also stands in the atlas menu, which must stay usable, so
    // the second menu has to come first and hold every steel item.
    const std::vector<int> steel = {10335, 10336, 10337, 10338, 10339, 10340, 10341, 10342, 10343, 10344, 10345, 10346,
                                    10347, 10187, 10188, 10192, 10193, 10197, 10198, 10191, 10194, 10195, 10196, 10173,
                                    10174, 10175, 10176, 10177, 10178, 10179, 10180, 10181, 10314, 10315, 10035, 10166,
                                    10167, 10168, 10169, 10170, 10171, 10172, 10306, 10184, 10312, 10185};
    for (const std::string& name : menu_names) {
        const auto& second = menu(name).items.at(1);
        std::vector<const MenuItemTemplate*> in_submenus;
        for (const MenuItemTemplate& item : second.items)
            if (item.popup) collect(item.items, in_submenus);
        std::multiset<int> ids;
        for (const MenuItemTemplate* item : in_submenus) ids.insert(item->id);
        EXPECT_EQ(ids.size(), steel.size()) << name;
        for (int id : steel) EXPECT_EQ(ids.count(id), 1u) << name << " " << id;
        EXPECT_NE(find_item(menu(name).items.at(2).items, 10184), nullptr) << name;
    }
}

TEST(Menus, TextsTheProgramKeepsWhateverTheLanguage)
{
    struct Case {
        const char* menu;
        int id;
        const char* text;
    };
    const Case cases[] = {
        {"TRUETYPE", 40010, "Кольорова Графіка"},
        {"TRUETYPE_RUS", 40010, "Кольорова Графіка"},
        {"TRUETYPE_UA", 40010, "Кольорова Графіка"},
        {"TRUETYPE_D", 40010, "Кольорова Графіка"},
        {"TRUETYPE_F", 40010, "Кольорова Графіка"},
        {"TRUETYPE", 10090, "&Help"},
        {"TRUETYPE_RUS", 10090, "&Help"},
        {"TRUETYPE_UA", 10090, "&Help"},
        {"TRUETYPE_D", 10090, "&Help"},
        {"TRUETYPE_F", 10090, "L'aide"},
        {"TRUETYPE", 10173, "Время охлаждения 800-500 в ЗТВ"},
        {"TRUETYPE", 10175, "Предел прочности Rm в ЗТВ "},
        {"TRUETYPE_UA", 10179, "Ударная вязкость K в ЗТВ"},
        {"TRUETYPE_D", 10173, "Die Zeit der Abkühlung 800-500 in ZTU"},
        {"TRUETYPE_D", 10175, "Rm in ZTU "},
        {"TRUETYPE_D", 10166, "Время охлаждения 800-500 в ЗТВ"},
        {"TRUETYPE_D", 40003, "Оцифровка"},
        {"TRUETYPE_F", 10173, "Le temps du refroidissement 800-500 à HAZ"},
        {"TRUETYPE_F", 10174, "HV "},
        {"TRUETYPE_F", 10314, "Диаграмма АРА"},
        {"TRUETYPE_F", 10185, "Выбор стали из атласа М.Х.Zoduzuruv"},
        {"TRUETYPE_F", 10340, "Зависимость фазового состава  от толщины пластины"},
        {"TRUETYPE_F", 40003, "L'introduction les graphiques"},
        {"TRUETYPE", 10311, "Cooling  velocity and time"},
        {"TRUETYPE", 10000, "The CCT diagram "},
        {"TRUETYPE_D", 10010, "Über das Programm"},
        {"TRUETYPE_F", 10182, "Taper"},
    };
    for (const Case& c : cases) {
        const MenuItemTemplate* item = find_item(menu(c.menu).items, c.id);
        ASSERT_NE(item, nullptr) << c.menu << " " << c.id;
        EXPECT_EQ(item->text, c.text) << c.menu << " " << c.id;
    }
    // The English steel-model submenu title carries a Cyrillic letter in "alloуed".
    EXPECT_EQ(menu("TRUETYPE").items.at(1).items.at(13).text, "Kasatkin-Seyffarth model for low allo\u0443ed steel");
    EXPECT_EQ(menu("TRUETYPE").items.at(2).text, "&Atlas  ");
    const char* titles[] = {"&About", "&О программе", "&Про програму", "Ueber das Programm", "Le programme"};
    for (size_t i = 0; i < menu_names.size(); ++i) EXPECT_EQ(menu(menu_names[i]).items.at(0).text, titles[i]);
}

// ---------------------------------------------------------------- dialogs

namespace {

struct Family {
    const char* stem;
    bool per_language;
    std::vector<int> edits;   // in the order the dialog procedure reads them
    int ok;
    int cancel;
    const char* face;
};

const std::vector<Family> families = {
    {"VELOCITY", true, {10147, 10148, 10151, 10152}, 10150, 10149, "Arial"},
    {"PROPERTIES", true, {10153, 10154, 10155, 10156}, 10158, 10157, "Arial"},
    {"PROPERTY", true, {10153, 10154, 10155, 10156}, 10158, 10157, "Arial"},
    {"SEYFFARTHPOGONENERGY", true, {10153, 10154, 10155, 10156, 10159, 10160, 10333, 10334}, 10158, 10157, "Arial"},
    {"THICKNESS", true, {10153, 10154, 10155, 10156, 10328, 10329}, 10158, 10157, "Arial"},
    {"PREHEAT", true, {10153, 10154, 10155, 10156, 10328, 10329}, 10158, 10157, "Arial"},
    {"TERMOCYCLYS", true, {10147, 10148}, 10150, 10149, "Arial"},
    {"TERMOCYCLYSPPR1", true, {10147}, 10150, 10149, "Arial"},
    {"TERMOCYCLYSALTAJ", true, {10161, 10162, 10163, 10164, 10165}, 10150, 10149, "Arial"},
    {"TERMOCYCLYSCOMP", true, {10147, 10148}, 10150, 10149, "Arial"},
    {"ISOTERMESxy", true, {10136, 10137, 10138, 10139, 10140, 10143}, 10146, 10145, "Tahoma"},
    {"ISOTERMESxyPPR1", true, {10136, 10137, 10138, 10139, 10140}, 10146, 10145, "Tahoma"},
    {"ISOTERMESyz", true, {10136, 10137, 10138, 10139, 10140, 10143}, 10146, 10145, "Tahoma"},
    {"ISOTERMESxz", true, {10136, 10137, 10138, 10139, 10140, 10143}, 10146, 10145, "Tahoma"},
    {"ABOUT", true, {}, 10028, 0, "Arial"},
    {"LANGUAGES", false, {}, 10028, 0, "Tahoma"},
    {"GRAPHICSMODE", false, {}, 10028, 0, "Tahoma"},
    {"CAUTION", false, {}, id_ok, id_cancel, "MS Sans Serif"},
    {"PROGRESS", false, {}, 0, 0, "Arial"},
};

std::vector<std::string> names_of(const Family& f)
{
    std::vector<std::string> names;
    if (f.per_language)
        for (const std::string& s : suffixes) names.push_back(f.stem + s);
    else
        names.push_back(f.stem);
    return names;
}

}  // namespace

TEST(Dialogs, EveryTemplateExistsWithTheIdsItsProcedureReads)
{
    for (const Family& f : families) {
        for (const std::string& name : names_of(f)) {
            const DialogTemplate* d = dialog(name);
            if (!d) continue;
            EXPECT_EQ(d->font_face, f.face) << name;
            EXPECT_EQ(d->font_size, f.face == std::string("MS Sans Serif") ? 10 : 8) << name;
            std::vector<int> edits;
            for (const ControlTemplate& c : d->controls)
                if (c.kind == ControlKind::edit) edits.push_back(c.id);
            EXPECT_EQ(edits, f.edits) << name;
            if (f.ok) {
                const ControlTemplate* ok = d->control(f.ok);
                ASSERT_NE(ok, nullptr) << name;
                EXPECT_TRUE(ok->is_default_button()) << name;
            }
            if (f.cancel) {
                const ControlTemplate* cancel = d->control(f.cancel);
                ASSERT_NE(cancel, nullptr) << name;
                EXPECT_EQ(cancel->kind, ControlKind::push_button) << name;
                EXPECT_FALSE(cancel->is_default_button()) << name;
            }
            int defaults = 0;
            for (const ControlTemplate& c : d->controls) defaults += c.is_default_button() ? 1 : 0;
            EXPECT_EQ(defaults, f.ok ? 1 : 0) << name;
        }
        if (!f.per_language) {
            EXPECT_EQ(find_dialog_template(std::string(f.stem) + "_E"), nullptr) << f.stem << " exists once";
        }
    }
}

TEST(Dialogs, ControlsStayInsideAndTextsDoNotCoverOtherControls)
{
    for (const Family& f : families) {
        for (const std::string& name : names_of(f)) {
            const DialogTemplate* d = dialog(name);
            if (!d) continue;
            for (const ControlTemplate& c : d->controls) {
                EXPECT_GE(c.x, 0) << name << " " << c.text;
                EXPECT_GE(c.y, 0) << name << " " << c.text;
                EXPECT_LE(c.x + c.cx, d->cx) << name << " " << c.id << " " << c.text;
                EXPECT_LE(c.y + c.cy, d->cy) << name << " " << c.id << " " << c.text;
            }
            // The German one-field thermal-cycle label is laid out wider than
            // the gap before its edit; its text still ends before the edit.
            if (name == "TERMOCYCLYSPPR1_D") continue;
            for (const ControlTemplate& a : d->controls) {
                if (a.kind != ControlKind::static_text && a.kind != ControlKind::push_button) continue;
                for (const ControlTemplate& b : d->controls) {
                    if (&a == &b || b.kind == ControlKind::group_box || b.kind == ControlKind::static_bitmap)
                        continue;
                    EXPECT_FALSE(overlaps(a, b)) << name << ": \"" << a.text << "\" covers " << b.id;
                }
            }
        }
    }
}

TEST(Dialogs, SizesPerLanguage)
{
    struct Size5 {
        const char* stem;
        int cx[5];
        int cy[5];
    };
    const Size5 sizes[] = {
        {"VELOCITY", {122, 122, 124, 122, 141}, {90, 90, 90, 90, 90}},
        {"PROPERTIES", {131, 131, 131, 161, 131}, {79, 79, 79, 79, 79}},
        {"PROPERTY", {131, 131, 131, 131, 131}, {79, 79, 79, 79, 79}},
        {"SEYFFARTHPOGONENERGY", {227, 227, 227, 227, 237}, {156, 156, 156, 156, 157}},
        {"THICKNESS", {217, 217, 223, 217, 217}, {126, 126, 127, 126, 126}},
        {"PREHEAT", {231, 231, 235, 270, 231}, {127, 127, 127, 127, 127}},
        {"TERMOCYCLYS", {203, 203, 203, 203, 203}, {66, 66, 66, 66, 66}},
        {"TERMOCYCLYSPPR1", {230, 230, 230, 230, 230}, {55, 55, 55, 55, 55}},
        {"TERMOCYCLYSALTAJ", {148, 120, 149, 197, 132}, {79, 79, 79, 79, 79}},
        {"TERMOCYCLYSCOMP", {142, 155, 151, 202, 152}, {45, 45, 45, 45, 45}},
        {"ISOTERMESxy", {168, 168, 168, 206, 224}, {130, 130, 130, 130, 130}},
        {"ISOTERMESxyPPR1", {168, 168, 168, 208, 219}, {101, 101, 101, 101, 101}},
        {"ISOTERMESyz", {197, 197, 197, 197, 197}, {122, 122, 122, 122, 122}},
        {"ISOTERMESxz", {177, 177, 177, 177, 177}, {122, 122, 122, 122, 122}},
        {"ABOUT", {305, 305, 305, 305, 305}, {290, 290, 290, 290, 290}},
    };
    for (const Size5& s : sizes) {
        for (size_t i = 0; i < suffixes.size(); ++i) {
            const DialogTemplate* d = dialog(s.stem + suffixes[i]);
            if (!d) continue;
            EXPECT_EQ(d->cx, s.cx[i]) << s.stem << suffixes[i];
            EXPECT_EQ(d->cy, s.cy[i]) << s.stem << suffixes[i];
        }
    }
}

TEST(Dialogs, PositionsWhereLanguagesShiftTheLayout)
{
    struct Place {
        const char* dialog;
        int id;
        int x, y, cx, cy;
    };
    const Place places[] = {
        {"VELOCITY_E", 10147, 71, 5, 35, 14},
        {"VELOCITY_E", 10152, 71, 50, 35, 14},
        {"VELOCITY_E", 10149, 10, 70, 35, 14},
        {"VELOCITY_F", 10147, 83, 5, 35, 14},
        {"VELOCITY_F", 10149, 22, 70, 35, 14},
        {"VELOCITY_F", 10150, 83, 70, 35, 14},
        {"PROPERTY_RU", 10154, 63, 15, 35, 12},
        {"SEYFFARTHPOGONENERGY_E", 10334, 160, 111, 35, 12},
        {"SEYFFARTHPOGONENERGY_E", 10158, 160, 131, 35, 14},
        {"THICKNESS_UA", 10329, 160, 80, 35, 12},
        {"PREHEAT_E", 10153, 173, 5, 35, 12},
        {"PREHEAT_D", 10153, 192, 5, 35, 12},
        {"PREHEAT_D", 10157, 107, 105, 30, 14},
        {"PREHEAT_D", 10158, 192, 105, 35, 14},
        {"TERMOCYCLYS_E", 10148, 157, 27, 31, 14},
        {"TERMOCYCLYS_E", 10150, 157, 48, 31, 14},
        {"TERMOCYCLYSPPR1_E", 10147, 166, 14, 30, 14},
        {"TERMOCYCLYSPPR1_UA", 10147, 177, 14, 30, 14},
        {"TERMOCYCLYSPPR1_UA", 10150, 177, 37, 30, 14},
        {"TERMOCYCLYSALTAJ_D", 10165, 56, 47, 36, 12},
        {"TERMOCYCLYSCOMP_F", 10148, 45, 14, 36, 12},
        {"ISOTERMESxy_E", 102, 30, 5, 115, 70},
        {"ISOTERMESxy_E", 10143, 92, 83, 39, 12},
        {"ISOTERMESxy_D", 10136, 107, 16, 39, 12},
        {"ISOTERMESxy_F", 102, 54, 5, 115, 70},
        {"ISOTERMESxyPPR1_D", 10140, 108, 60, 39, 12},
        {"ISOTERMESyz_E", 10143, 128, 77, 39, 12},
        {"ISOTERMESyz_UA", 10143, 151, 77, 39, 12},
        {"ISOTERMESxz_E", 102, 10, 5, 149, 69},
        {"ISOTERMESxz_D", 102, 10, 5, 161, 69},
        {"ISOTERMESxz_D", 10143, 130, 77, 39, 12},
        {"LANGUAGES", 10318, 21, 24, 88, 9},
        {"LANGUAGES", 10322, 21, 88, 88, 9},
        {"LANGUAGES", 10028, 69, 108, 39, 17},
        {"GRAPHICSMODE", 10028, 50, 62, 39, 17},
        {"CAUTION", id_cancel, 106, 108, 26, 12},
        {"CAUTION", id_ok, 149, 108, 26, 12},
        {"PROGRESS", 10027, 9, 52, 116, 12},
        {"ABOUT_UA", 104, 91, 276, 160, 10},
    };
    for (const Place& p : places) {
        const DialogTemplate* d = dialog(p.dialog);
        if (!d) continue;
        const ControlTemplate* c = d->control(p.id);
        ASSERT_NE(c, nullptr) << p.dialog << " " << p.id;
        EXPECT_EQ(c->x, p.x) << p.dialog << " " << p.id;
        EXPECT_EQ(c->y, p.y) << p.dialog << " " << p.id;
        EXPECT_EQ(c->cx, p.cx) << p.dialog << " " << p.id;
        EXPECT_EQ(c->cy, p.cy) << p.dialog << " " << p.id;
    }
}

TEST(Dialogs, TextsAsTheProgramShowsThem)
{
    auto caption = [](const std::string& name) {
        const DialogTemplate* d = dialog(name);
        return d ? d->caption : std::string();
    };
    auto texts = [](const std::string& name, ControlKind kind) {
        std::vector<std::string> out;
        if (const DialogTemplate* d = dialog(name))
            for (const ControlTemplate& c : d->controls)
                if (c.kind == kind) out.push_back(c.text);
        return out;
    };
    // The English cooling-rate caption starts with a Cyrillic capital Es.
    EXPECT_EQ(caption("VELOCITY_E"), "\u0421ooling rate");
    EXPECT_EQ(caption("VELOCITY_D"), "Скорость охлаждения");
    EXPECT_EQ(caption("THICKNESS_F"), "Зависимость свойств  от толщины пластины");
    EXPECT_EQ(caption("TERMOCYCLYSALTAJ_D"), "    Die Rechnung des thermischen Umlaufes");
    EXPECT_EQ(caption("ISOTERMESyz_UA"), "       Розрахунок ізотерм в перетині: xy");
    EXPECT_EQ(caption("ISOTERMESxz_UA"), "       Расчёт изотерм в сечении: xz");
    EXPECT_EQ(caption("LANGUAGES"), "    Velmarin");
    EXPECT_EQ(caption("CAUTION"), "  Precaution ");
    EXPECT_EQ(caption("PROGRESS"), "   Progress");
    for (const std::string& s : suffixes)
        EXPECT_EQ(caption("ABOUT" + s), "               Velmarin ATLAS  for Windows NT/95");

    EXPECT_EQ(texts("VELOCITY_F", ControlKind::static_text),
              (std::vector<std::string>{"y, cm", "z, cm", "T De", "T Jusqu'à"}));
    EXPECT_EQ(texts("SEYFFARTHPOGONENERGY_E", ControlKind::static_text),
              (std::vector<std::string>{"y - distance from an axis of a source, cm", "z - distance from a surface, cm",
                                        "T from, \u0421", "T to, \u0421 ", "P min, Вт", "P max, Вт", "V min, cm/s",
                                        "V max, cm/s"}));
    EXPECT_EQ(texts("SEYFFARTHPOGONENERGY_F", ControlKind::static_text).back(), "V max, см/с");
    EXPECT_EQ(texts("PREHEAT_F", ControlKind::static_text).at(4), "min max la température réchauffer ");
    EXPECT_EQ(texts("TERMOCYCLYSCOMP_RU", ControlKind::static_text),
              (std::vector<std::string>{"y, cm", "t, s"}));
    EXPECT_EQ(texts("ISOTERMESxyPPR1_E", ControlKind::static_text),
              (std::vector<std::string>{"Line 1", "Line 2", "Line  3", "Line  4", "Line 5"}));
    EXPECT_EQ(texts("ISOTERMESxyPPR1_D", ControlKind::static_text).at(4), "Die Linie  5");
    EXPECT_EQ(texts("ISOTERMESyz_UA", ControlKind::group_box), (std::vector<std::string>{"Температури:"}));
    EXPECT_EQ(texts("LANGUAGES", ControlKind::radio_button),
              (std::vector<std::string>{"Україньська мова", "Русский язык", "English", "Français", "Deutsch "}));
    EXPECT_EQ(texts("GRAPHICSMODE", ControlKind::radio_button),
              (std::vector<std::string>{"Color", "Black && White"}));   // "&&" shows as one "&"
    EXPECT_EQ(texts("CAUTION", ControlKind::static_text).back(),
              "Advanced / General / Display / Font Size: Small Fonts");
    for (const char* name : {"VELOCITY_UA", "TERMOCYCLYS_F", "PREHEAT_D"}) {
        const DialogTemplate* d = dialog(name);
        ASSERT_NE(d, nullptr);
        for (const ControlTemplate& c : d->controls) {
            if (c.kind != ControlKind::push_button) continue;
            EXPECT_EQ(c.text, c.is_default_button() ? "O&k" : "&Cancel") << name;
        }
    }
}

TEST(Dialogs, RadioButtonsFormOneGroup)
{
    for (const char* name : {"LANGUAGES", "GRAPHICSMODE"}) {
        const DialogTemplate* d = dialog(name);
        ASSERT_NE(d, nullptr);
        int radios = 0, group_starts = 0;
        for (const ControlTemplate& c : d->controls) {
            if (c.kind != ControlKind::radio_button) continue;
            ++radios;
            EXPECT_TRUE(c.is_auto()) << name;
            if (c.style & rcstyle::ws_group) ++group_starts;
        }
        EXPECT_EQ(radios, std::string(name) == "LANGUAGES" ? 5 : 2);
        EXPECT_EQ(group_starts, 1) << name;
    }
}

TEST(Dialogs, AboutBoxShowsThePictureOfItsLanguage)
{
    for (const std::string& s : suffixes) {
        const DialogTemplate* d = dialog("ABOUT" + s);
        if (!d) continue;
        const ControlTemplate* picture = nullptr;
        for (const ControlTemplate& c : d->controls)
            if (c.kind == ControlKind::static_bitmap) picture = &c;
        ASSERT_NE(picture, nullptr) << s;
        EXPECT_EQ(picture->text, "ATLAS" + s);
        EXPECT_EQ(picture->x, 37);
        EXPECT_EQ(picture->y, 0);
        EXPECT_EQ(picture->cx, 230);
        EXPECT_EQ(picture->cy, 245);
        EXPECT_TRUE(picture->style & rcstyle::ss_centerimage);
        EXPECT_TRUE(resource_bytes("pictures/ATLAS" + s + ".svg").has_value()) << s;
    }
    EXPECT_TRUE(resource_bytes("pictures/TRUETYPE.svg").has_value());
}

// ---------------------------------------------------------------- help

namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool valid_utf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (n < 0 || i + n >= s.size() + (n == 0 ? 1 : 0)) return false;
        unsigned cp = n == 0 ? c : n == 1 ? (c & 0x1F) : n == 2 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k <= n; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d >> 6) != 0x2) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static const unsigned min_cp[] = {0, 0x80, 0x800, 0x10000};
        if (cp < min_cp[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += static_cast<size_t>(n) + 1;
    }
    return true;
}

std::vector<std::string> local_links(const std::string& html)
{
    std::vector<std::string> out;
    size_t pos = 0;
    while ((pos = html.find("href=\"", pos)) != std::string::npos) {
        pos += 6;
        size_t end = html.find('"', pos);
        if (end == std::string::npos) break;
        std::string target = html.substr(pos, end - pos);
        pos = end;
        if (target.empty() || target[0] == '#' || target.find(':') != std::string::npos) continue;
        target = target.substr(0, target.find('#'));
        out.push_back(target);
    }
    return out;
}

}  // namespace

TEST(Help, EveryLanguageHasPagesThatLinkOnlyToEachOther)
{
    for (const std::string& lang : help_languages) {
        const std::string folder = "help/" + lang + "/";
        ASSERT_TRUE(resource_bytes(folder + "index.html").has_value()) << lang;
        const auto pages = resource_files(folder);
        EXPECT_GE(pages.size(), 2u) << lang;
        for (const std::string& page : pages) {
            if (!ends_with(page, ".html")) continue;
            const std::string html = *resource_bytes(page);
            EXPECT_TRUE(valid_utf8(html)) << page;
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << page;
            EXPECT_NE(html.find("<html lang=\""), std::string::npos) << page;
            EXPECT_NE(html.find("</html>"), std::string::npos) << page;
            for (const std::string& target : local_links(html))
                EXPECT_TRUE(resource_bytes(folder + target).has_value()) << page << " links to " << target;
        }
    }
}

// The page of the heat-source schemes says, in every language, what each of
// the fourteen computes, one entry per scheme in their order.
TEST(Help, SchemesPageDescribesEveryScheme)
{
    for (const std::string& lang : help_languages) {
        const auto html = resource_bytes("help/" + lang + "/schemes.html");
        ASSERT_TRUE(html.has_value()) << lang;
        std::size_t at = 0;
        for (int scheme = 1; scheme <= 14; ++scheme) {
            at = html->find("<dt>" + std::to_string(scheme) + " ", at);
            ASSERT_NE(at, std::string::npos) << lang << " scheme " << scheme;
            const std::size_t dd = html->find("<dd>", at);
            const std::size_t end = html->find("</dd>", dd);
            ASSERT_NE(end, std::string::npos) << lang << " scheme " << scheme;
            EXPECT_GT(end - dd, 60u) << lang << " scheme " << scheme;
        }
        EXPECT_NE(resource_bytes("help/" + lang + "/index.html")->find("href=\"schemes.html\""),
                  std::string::npos)
            << lang;
    }
}
