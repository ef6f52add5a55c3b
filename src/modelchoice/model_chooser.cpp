// The model chooser: fourteen scheme pictures; a click installs a scheme.
#include "modelchoice.h"

#include "frame_globals.h"
#include "model.h"
#include "scheme_views.h"
#include "menu.h"
#include "msgbox.h"
#include "numfmt.h"

#include <cstdio>

#include <array>

ChooserMenuOps chooser_menu_ops;

namespace {

const Text5 not_built{
    "The heat-source model %d is not available in this version of the program.\nPlease choose another model.",
    "Модель источника нагрева %d недоступна в этой версии программы.\nВыберите другую модель.",
    "Модель джерела тепла %d недоступна в цій версії програми.\nВиберіть іншу модель.",
    "Das Modell der Wärmequelle %d ist in dieser Programmversion nicht verfügbar.\nBitte wählen Sie ein anderes Modell.",
    "Le modèle de source de chaleur %d n'est pas disponible dans cette version du programme.\nChoisissez un autre modèle.",
};
const Text5 message_caption{"  Attention!", "  Внимание!", "  Увага!", "  Achtung!", "  Attention !"};

void set_item(int id, bool enabled)
{
    if (chooser_menu_ops.set_item != nullptr) {
        chooser_menu_ops.set_item(id, enabled);
        return;
    }
    if (Menu* menu = get_menu(main_window)) enable_menu_item(menu, id, enabled ? mf_enabled : mf_grayed);
}

// The windows each scheme serves: isotherm sections xy, yz, xz, the cooling
// rate and the atlas and steel-model windows; and the atlas windows of
// dependence on plate thickness, which need a plate.
struct SchemeMenuState {
    bool xy, yz, xz, cooling, steel, thickness;
};

SchemeMenuState menu_state_of(int scheme)
{
    switch (scheme) {
    case 1: case 4: case 5: return {true, false, false, true, true, true};
    case 3: return {true, true, true, true, true, true};
    case 2: case 6: case 9: case 10: return {true, true, true, true, true, false};
    default: return {false, false, false, false, false, false};
    }
}

} // namespace

const std::vector<ChooserCell>& chooser_cells()
{
    static const std::vector<ChooserCell> cells{
        {10051, 1, "PprBmp_1", {1, 0, 86, 64}},
        {10052, 2, "PprBmp_2", {86, 0, 171, 64}},
        {10053, 3, "PprBmp_3", {171, 0, 256, 64}},
        {10054, 4, "PprBmp_4", {256, 0, 341, 64}},
        {10055, 5, "PprBmp_5", {1, 64, 86, 128}},
        {10056, 6, "PprBmp_9", {86, 64, 171, 128}},
        {10057, 7, "PprBmp_10", {171, 64, 256, 128}},
        {10058, 8, "PprBmp_11", {256, 64, 341, 128}},
        {10059, 9, "PprBmp_14", {1, 128, 86, 192}},
        {10060, 10, "PprBmp_15", {86, 128, 171, 192}},
        {10061, 11, "RomBmp_1", {171, 128, 256, 192}},
        {10062, 12, "RomBmp_2", {256, 128, 341, 192}},
        {10063, 13, "RomBmp_3", {86, 192, 171, 256}},
        {10064, 14, "CompBmp", {171, 192, 256, 256}},
    };
    return cells;
}

bool choose_scheme(int n)
{
    if (!install_scheme(n)) {
        message_box(main_window, cformat(pick(not_built), n), pick(message_caption), mb_iconwarning);
        return false;
    }
    const SchemeMenuState s = menu_state_of(n);
    set_item(10308, s.xy);
    set_item(10309, s.yz);
    set_item(10310, s.xz);
    set_item(10311, s.cooling);
    if (s.steel) {
        if (chooser_menu_ops.enable_steel_items != nullptr) chooser_menu_ops.enable_steel_items(main_window);
        for (int id : {10338, 10339, 10340, 10337}) set_item(id, s.thickness);
    } else if (chooser_menu_ops.gray_steel_items != nullptr) {
        chooser_menu_ops.gray_steel_items(main_window);
    }
    return true;
}

void paint_modul_dialog(Canvas& dc, Window* dialog)
{
    for (const ChooserCell& cell : chooser_cells()) {
        char line1[heat_text_size] = "";
        char line2[heat_text_size] = "";
        char line3[heat_text_size] = "";
        // Each scheme's own caption, whatever scheme is installed.
        if (const SchemeView* view = scheme_view(cell.scheme); view != nullptr && view->caption != nullptr)
            view->caption(line1, line2, line3);
        else
            std::snprintf(line1, sizeof line1, "%d.", cell.scheme);
        draw_scheme_picture(dc, dialog, cell.picture, line1, line2, line3, cell.rect);
    }
}

std::intptr_t modul_dialog_proc(Window* dlg, const Message& m)
{
    switch (m.msg) {
    case Msg::init_dialog:
        // No Cancel: the chooser ends only by a choice.
        set_dialog_cancel_id(dlg, 0);
        return 1;
    case Msg::paint:
        if (Canvas* dc = begin_paint(dlg)) {
            paint_modul_dialog(*dc, dlg);
            end_paint(dlg);
        }
        return 0;
    case Msg::command:
        for (const ChooserCell& cell : chooser_cells()) {
            if (m.wparam() != cell.id) continue;
            if (choose_scheme(cell.scheme)) end_dialog(dlg, 1);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

void show_modul_dialog()
{
    current_dialog_proc = modul_dialog_proc;
    dialog_box(std::string("MODUL") + language_suffix(), main_window, modul_dialog_proc);
}
