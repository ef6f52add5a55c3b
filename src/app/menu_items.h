// Which menu items the frame grays and enables, and which commands this
// build can run.
#pragma once

#include <span>

// The items of the two atlas submenus and the two steel-model submenus (with
// their HAZ submenus), in the order the steel-item operations change them.
std::span<const int> steel_menu_items();

// The four atlas items of dependence on plate thickness.
std::span<const int> atlas_thickness_items();

// Whether the command has a handler in this build. A command without one
// stays in its menu, grayed, whatever the menu state would otherwise give it.
bool command_is_wired(int id);
