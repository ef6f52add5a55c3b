// The help window: our own help pages (HTML) from resources/help/<lang>/,
// lang = en, ru, ua, de, fr by the current language (English pages stand in
// for a missing language). Links between the pages are followed.
//
//   show_help(main_window);                  // the contents, index.html
//   show_help(main_window, "print.html");
//
// The window is modeless and stays until the user closes it; showing help
// again brings it forward. When no page exists a message box says so.
#pragma once

#include <string>
#include <string_view>

struct Window;

bool show_help(Window* owner, std::string_view page = "index.html");
void close_help();
// For tests: whether the help window is up, its title and the page it shows
// (the resource path, "help/en/index.html"), and the plain text of the page.
bool help_is_open();
std::string help_window_title();
std::string help_current_page();
std::string help_page_text();
