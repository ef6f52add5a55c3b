// A status bar at the bottom of a window's client area (dialogs use it for
// live read-outs). Made on first use.
//
//   status_bar_set_parts(dlg, {100, 200, -1});   // right edges in pixels; -1: to the end
//   status_bar_set_text(dlg, 0, " x =  120");
//
// Setting the parts empties every part's text, so the texts a caller writes
// afterwards are the only ones shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Window;

void status_bar_set_parts(Window* window, const std::vector<int>& right_edges);
void status_bar_set_text(Window* window, int part, std::string_view text);
void status_bar_clear(Window* window);   // every part's text emptied
int status_bar_part_count(const Window* window);   // 0 when there is no status bar
std::string status_bar_text(const Window* window, int part);
int status_bar_height(const Window* window);       // 0 when there is none
