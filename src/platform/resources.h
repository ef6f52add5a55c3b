// The program's own resources: dialog templates, menus and strings from the
// resource scripts (*.rc), and any other file under resources/ (help pages,
// pictures), all embedded into the program.
//
//   find_dialog_template("VELOCITY_E")   by name, without regard to case
//   find_menu_template("TRUETYPE")
//   load_string(10047)                   "" when the id is unknown
//   resource_bytes("help/en/index.html") the bytes of an embedded file
//
// Every *.rc is read once, on first use. Errors in a script are kept (file and
// line) in resource_errors() and written to stderr; the faulty resource is left
// out and the others stay usable.
#pragma once

#include "rc_parser.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

const DialogTemplate* find_dialog_template(std::string_view name);
const MenuTemplate* find_menu_template(std::string_view name);
std::string load_string(int id);

// Contents of resources/<relative_path>; nullopt when there is no such file.
std::optional<std::string> resource_bytes(std::string_view relative_path);
// Every embedded file whose path starts with the folder ("help/en/"), sorted.
std::vector<std::string> resource_files(std::string_view folder);
// Qt path (":/...") of an embedded file, for the layer's own use; "" if none.
std::string resource_qt_path(std::string_view relative_path);

const std::vector<RcError>& resource_errors();

// Adds a script (tests, tools). Its resources take precedence over those
// already known with the same name. Returns false when it had errors; the
// errors are also appended to *errors when given.
bool resources_add_rc_text(std::string_view text, const std::string& file_name,
                           std::vector<RcError>* errors = nullptr);
bool resources_add_rc_file(const std::string& path, std::vector<RcError>* errors = nullptr);
