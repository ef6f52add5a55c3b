// File choosers: open and save, with a filter list, a starting folder, a
// remembered file name and the chosen filter returned.
//
//   FileDialogRequest r;
//   r.owner = main_window;
//   r.filters = parse_filter_list(" 1.Bmp \0*.bmp\0 2. Pcx \0*.pcx\0");   // or {{desc, pattern}, ...}
//   r.filter_index = last_index;   // counted from 1; 0 picks the first
//   r.file_name = last_path;       // proposed again
//   r.initial_dir = atlas_folder;
//   r.title = "  Choose file";
//   if (file_open_dialog(r)) use(r.file_name, r.filter_index);
//
// Returns false when the user cancels (then file_name and filter_index are as
// they were). The choosers themselves cannot fail, so file_dialog_error() is 0.
// Tests answer them with push_chooser_answer (dialog_driver.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Window;

struct FileFilter {
    std::string description;
    std::string pattern;   // "*.sp0", or several joined by ';'
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

struct FileDialogRequest {
    Window* owner = nullptr;
    std::vector<FileFilter> filters;
    int filter_index = 0;           // in: the filter to start with; out: the one used (from 1)
    std::string file_name;          // in: proposed; out: the chosen full path
    std::string initial_dir;
    std::string title;
    std::string default_extension;  // added to a typed name without one ("" or "*": none)
    bool must_exist = true;         // open: the file must exist
};

// The classic list "description\0pattern\0...\0" (a final empty entry ends it).
std::vector<FileFilter> parse_filter_list(std::string_view list);

bool file_open_dialog(FileDialogRequest& request);
bool file_save_dialog(FileDialogRequest& request);
unsigned long file_dialog_error();
