// Dialogs built from the templates of the resources (see resources/README.md).
//
// A dialog procedure has the window procedure's signature and gets:
//   Msg::init_dialog  controls exist, not yet shown; param = creation parameter;
//                     a nonzero result puts the focus on the first control
//   Msg::command      id = control; code 0 is a click (buttons, radio and check
//                     boxes, frames and statics that report clicks), other codes
//                     are notifications (notify_edit_change, ...)
//   Msg::paint        begin_paint(dlg) gives a canvas over the client area; it
//                     is drawn under the controls, which are transparent where
//                     they have no surface of their own (static texts, frames)
//   Msg::lbutton_down a left click on the client area outside any control
//                     that takes clicks (point in client coordinates)
// and returns 0 for what it does not handle.
//
//     std::intptr_t velocity_dialog_proc(Window* dlg, const Message& m)
//     {
//         if (m.msg == Msg::init_dialog) { set_item_text(dlg, 10147, "0.05"); return 1; }
//         if (m.msg == Msg::command && m.wparam() == 10150) {
//             text = get_item_text(dlg, 10147); end_dialog(dlg, 1); return 1; }
//         return 0;
//     }
//     dialog_box("VELOCITY_E", main_window, velocity_dialog_proc);
//
// Keys: Enter presses the focused push button, else the default push button
// (or sends command IDOK when there is none); Escape sends command IDCANCEL.
// Closing by the title bar or the window manager presses the Cancel button
// (id IDCANCEL, or the push button whose text reads "Cancel"; see
// set_dialog_cancel_id); a dialog without one stays open. Closing a dialog
// never ends the program.
//
// Sizes: the template's dialog units are turned into pixels with the base
// units of its font (average width of "A".."Z""a".."z" and cell height of the
// face that stands in for it, at 96 pixels per inch; the cell is the face's
// ascent and descent each rounded outward, as the classic rasterizer did), as
// the classic dialog manager did: x * base_x / 4, y * base_y / 8, rounded.
#pragma once

#include "canvas.h"
#include "rc_parser.h"
#include "window.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using DialogProc = WindowProc;

// Modal: returns the result given to end_dialog, or -1 when the template is
// missing (a message box says which) or the dialog could not run.
std::intptr_t dialog_box(std::string_view template_name, Window* owner, DialogProc proc,
                         std::intptr_t param = 0);
// Modeless: shown at once; nullptr when the template is missing.
Window* create_dialog(std::string_view template_name, Window* owner, DialogProc proc,
                      std::intptr_t param = 0);
// Ends a modal dialog with the result (dialog_box returns it), or closes a
// modeless one.
void end_dialog(Window* dialog, std::intptr_t result);
std::string dialog_template_name(const Window* dialog);
void set_dialog_cancel_id(Window* dialog, int id);   // 0: closing does nothing

struct DialogBaseUnits {
    int x = 0;   // average character width in pixels
    int y = 0;   // cell height in pixels
};
// The font a template's controls draw their texts in ("MS Sans Serif", 8):
// the em at 96 pixels per inch.
FontRecord dialog_font(std::string_view face, int point_size);

// The lines a static text control shows of its text in a box `width` pixels
// wide, top first, as the classic control breaks them: with word wrap, at
// line breaks and at blanks, so that each line fits the width (blanks at a
// break are dropped; a word wider than the box is broken where it no longer
// fits, never leaving a line empty); without, at line breaks only. The text
// is taken as shown (mnemonic marks already removed).
std::vector<std::string> static_text_lines(const FontRecord& font, std::string_view text, int width,
                                           bool word_wrap);

// Base units of a template font ("Arial", 8) and of a dialog.
DialogBaseUnits dialog_font_base_units(std::string_view face, int point_size);
DialogBaseUnits dialog_base_units(const Window* dialog);
// Dialog units to pixels of the dialog's client area.
Rect map_dialog_rect(const Window* dialog, Rect dialog_units);

// Controls, by id (the first control with the id).
bool has_item(const Window* dialog, int id);
void set_item_text(Window* dialog, int id, std::string_view text);
std::string get_item_text(const Window* dialog, int id);
void check_button(Window* dialog, int id, bool checked);
bool is_button_checked(const Window* dialog, int id);
// Checks `id` and clears every other radio button with an id in first..last.
void check_radio_button(Window* dialog, int first_id, int last_id, int id);
void enable_item(Window* dialog, int id, bool enabled);
bool is_item_enabled(const Window* dialog, int id);
void set_edit_limit(Window* dialog, int id, int max_chars);   // 0: no limit
void set_item_focus(Window* dialog, int id);
// The control's rectangle in pixels of the dialog's client area.
Rect get_item_rect(const Window* dialog, int id);

// For layout checks: what each control of an open dialog shows of its own
// text, in pixels of the dialog's client area, in template order. Static
// texts give their lines as they draw them (wrapped, and only those that
// start inside the control); buttons, check and radio boxes and group boxes
// their one line where their style puts it; other controls no line.
struct ShownLine {
    std::string text;
    Rect cell;              // the line's cell: its advance width and font height
};
struct ShownControl {
    int id = 0;
    ControlKind kind = ControlKind::static_text;
    Rect rect;              // where the control stands
    bool visible = true;
    std::vector<ShownLine> lines;
};
std::vector<ShownControl> dialog_shown_controls(const Window* dialog);
// The font the dialog's controls draw their texts in.
FontRecord dialog_text_font(const Window* dialog);

// Combo boxes. Indices count from 0; -1 is "none".
void combo_reset(Window* dialog, int id);
int combo_add_string(Window* dialog, int id, std::string_view text);
int combo_insert_string(Window* dialog, int id, int index, std::string_view text);   // -1 appends
int combo_find_string_exact(const Window* dialog, int id, std::string_view text, int start_after = -1);
void combo_set_cur_sel(Window* dialog, int id, int index);
int combo_get_cur_sel(const Window* dialog, int id);
int combo_get_count(const Window* dialog, int id);
std::string combo_get_item_text(const Window* dialog, int id, int index);

// Progress bars: range lo..hi (0..100 at first), step (10 at first). The
// position stays within the range: stepping past the end leaves it full.
void progress_set_range(Window* dialog, int id, int lo, int hi);
void progress_set_step(Window* dialog, int id, int step);
int progress_step_it(Window* dialog, int id);        // returns the previous position
int progress_set_pos(Window* dialog, int id, int pos);
int progress_get_pos(const Window* dialog, int id);
