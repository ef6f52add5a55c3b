// Menu state: the main menu of each language, graying of the items that
// cannot act, and the language switch.
#include "frame.h"

#include "commands.h"
#include "menu.h"
#include "menu_items.h"
#include "resources.h"

namespace {

// Every item whose command this build cannot run comes grayed, wherever it
// stands (an id may stand in two menus).
void gray_unwired(std::vector<MenuItemTemplate>& items)
{
    for (MenuItemTemplate& item : items) {
        if (item.popup) {
            gray_unwired(item.items);
        } else if (!item.separator && item.id != cmd::blank_bar_item && !command_is_wired(item.id)) {
            item.grayed = true;
        }
    }
}

} // namespace

Menu* create_main_menu(const char* name)
{
    const MenuTemplate* table = find_menu_template(name);
    if (table == nullptr) return nullptr;
    MenuTemplate copy = *table;
    gray_unwired(copy.items);
    return create_menu(copy);
}

void set_menu_item(int id, bool enabled)
{
    Menu* menu = get_menu(main_window);
    if (menu == nullptr) return;
    enable_menu_item(menu, id, enabled && command_is_wired(id) ? mf_enabled : mf_grayed);
}

void enable_steel_menu_items(Window* window)
{
    Menu* menu = get_menu(window);
    if (menu == nullptr) return;
    for (int id : steel_menu_items())
        enable_menu_item(menu, id, command_is_wired(id) ? mf_enabled : mf_grayed);
}

void gray_steel_menu_items(Window* window)
{
    Menu* menu = get_menu(window);
    if (menu == nullptr) return;
    for (int id : steel_menu_items()) enable_menu_item(menu, id, mf_grayed);
}

void switch_language()
{
    Menu* old_menu = get_menu(main_window);
    if (!show_languages_dialog()) return;
    Menu* new_menu = create_main_menu(menu_name_for_language());
    if (new_menu == nullptr) return;
    // The new menu keeps what the old one had grayed: Print, the items the
    // installed scheme cannot serve.
    if (old_menu != nullptr) copy_menu_item_states(old_menu, new_menu);
    set_menu(main_window, new_menu);
    if (old_menu != nullptr) destroy_menu(old_menu);
    invalidate_window(main_window, true);
    update_window(main_window);
    draw_menu_bar(main_window);
}
