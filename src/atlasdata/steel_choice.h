// Choosing a steel in an atlas folder: the file-open chooser starts in the
// atlas folder with one filter per steel class (Seyffarth atlas, 15 classes)
// or steel group (Shorshorov atlas, 28 groups), in the current language.
//
//   seyffarth_steel = choose_seyffarth_steel(main_window);
//   seyffarth_steel_file = seyffarth_steel.file_name;
//   ... seyffarth_window(..., seyffarth_steel);   // by value
//
// The chooser proposes the file chosen last; the Seyffarth chooser also opens
// with the class filter used last, the Shorshorov one always with group 1.
// After the chooser the owner window is repainted, whatever the outcome.
#pragma once

#include "filedlg.h"
#include "lang.h"

#include <string>
#include <vector>

struct Window;

struct SteelChoice {
    std::string file_name;           // full path of the chosen file ("" before the first choice)
    int filter_index = 0;            // from 1: Seyffarth steel class 1..15, Shorshorov group 1..28
    bool accepted = false;           // the user chose a file this time (false: cancelled)
    std::vector<FileFilter> filters; // the chooser's list, in the language of the call
    std::string initial_dir;
    std::string title;
};

// The chooser's lists and title in a language (the current one by default).
std::vector<FileFilter> seyffarth_steel_filters(Language language);
std::vector<FileFilter> shorshorov_steel_filters(Language language);
std::vector<FileFilter> seyffarth_steel_filters();
std::vector<FileFilter> shorshorov_steel_filters();
const char* steel_chooser_title();

// Modal; a cancelled chooser returns the previous file name (and filter) with
// accepted false. A failing chooser shows "GetOpenFileName returned Error #<n>"
// (caption "WARNING"); a cancel is silent.
SteelChoice choose_seyffarth_steel(Window* owner);
SteelChoice choose_shorshorov_steel(Window* owner);

// The choices the command handlers keep and hand to the atlas windows.
extern SteelChoice seyffarth_steel;
extern SteelChoice shorshorov_steel;
// The chosen file of each atlas; empty while none is chosen.
extern std::string seyffarth_steel_file;
extern std::string shorshorov_steel_file;
// What each chooser proposes next time (the last chosen path).
extern std::string seyffarth_steel_path;
extern std::string shorshorov_steel_path;
// The Seyffarth filter to open with (0 before the first choice: the first).
extern int seyffarth_filter_index;
