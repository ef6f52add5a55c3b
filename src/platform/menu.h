// Menus built from the menu tables of the resources (see resources/README.md).
//
//   Menu* m = load_menu("TRUETYPE");        // nullptr when there is none
//   set_menu(main_window, m);              // the window owns it from now on
//   enable_menu_item(get_menu(w), 10182, mf_grayed);   // by id, first occurrence
//   get_menu_item_state(get_menu(w), 10182) & mf_grayed
//   replace_menu(w, "TRUETYPE_RUS", true); // new language, same item states
//
// Choosing an item posts Msg::command with its id to the window procedure.
// Items keep the ids and texts of the table ('&' marks the mnemonic).
#pragma once

#include "rc_parser.h"

#include <string>
#include <string_view>
#include <vector>

struct Menu;
struct Window;

inline constexpr unsigned mf_enabled = 0x0;
inline constexpr unsigned mf_grayed = 0x1;
inline constexpr unsigned mf_disabled = 0x2;
inline constexpr unsigned mf_checked = 0x8;

Menu* load_menu(std::string_view name);
Menu* create_menu(const MenuTemplate& table);
// Destroys a menu that is not attached to a window.
void destroy_menu(Menu* menu);

// Attaches the menu (nullptr: none). The previous menu is detached, not
// destroyed; returns false for a dead window.
bool set_menu(Window* window, Menu* menu);
Menu* get_menu(const Window* window);
// Loads the named menu, gives each of its items the state of the item with
// the same id in the current menu when keep_states is set, attaches it and
// destroys the old one. Returns false (and changes nothing) when there is no
// such menu.
bool replace_menu(Window* window, std::string_view name, bool keep_states);
void draw_menu_bar(Window* window);

// State of the first item with the id (depth first): returns the previous
// state, or -1 when the menu has no such item (then nothing changes).
int enable_menu_item(Menu* menu, int id, unsigned state);
int check_menu_item(Menu* menu, int id, bool checked);
int get_menu_item_state(const Menu* menu, int id);
std::string get_menu_item_text(const Menu* menu, int id);
// For each id, the first item with it in `to` takes the state of the first
// item with it in `from` (a second occurrence keeps its own state, as state
// set by id never reached it); items without a counterpart keep theirs.
void copy_menu_item_states(const Menu* from, Menu* to);
// Every command id of the menu, depth first (separators and popups left out).
std::vector<int> menu_item_ids(const Menu* menu);
// The state of every item with the id, depth first (an id may stand in two
// menus); empty when the menu has none.
std::vector<unsigned> menu_item_states(const Menu* menu, int id);
