// Driving dialogs and choosers from tests, without a user.
//
//   set_dialog_test_mode(true);     // nothing may wait for a user: a modal
//                                   // dialog without a hook ends at once with
//                                   // -1, choosers without an answer cancel,
//                                   // message boxes are recorded (msgbox.h)
//   push_dialog_hook([](Window* dlg, const std::string& name) {
//       EXPECT_EQ(name, "VELOCITY_E");
//       dialog_type_text(dlg, 10147, "0.5");
//       dialog_click(dlg, 10150);     // OK: the procedure ends the dialog
//   });
//   send_message(main_window, Message{Msg::command, 10311});
//
// Each modal dialog that opens takes the next hook and runs it once it is up
// and painted, inside its own modal loop, so a hook may open further dialogs
// (which take the following hooks). A dialog still open after its hook ends
// is closed with -1, so a test never hangs.
#pragma once

#include "canvas.h"

#include <functional>
#include <string>
#include <string_view>

struct Window;

using DialogHook = std::function<void(Window* dialog, const std::string& template_name)>;

void set_dialog_test_mode(bool on);
bool dialog_test_mode();
void push_dialog_hook(DialogHook hook);
std::size_t pending_dialog_hooks();
void clear_dialog_hooks();

// Acting as the user.
void dialog_type_text(Window* dialog, int id, std::string_view text);   // edit or combo box
void dialog_click(Window* dialog, int id);            // as a mouse click on the control
void dialog_choose_combo_item(Window* dialog, int id, int index);
void dialog_press_enter(Window* dialog);
void dialog_press_escape(Window* dialog);
void dialog_close(Window* dialog);                    // title bar / window manager
void dialog_click_at(Window* dialog, int x, int y);   // left click at a client point
bool dialog_is_open(const Window* dialog);

// Answers for the choosers (file, colour, print), taken in order.
struct ChooserAnswer {
    bool accept = true;
    std::string path;        // file choosers
    int filter_index = 1;    // file choosers, counted from 1
    Rgb colour{};            // colour chooser
};
void push_chooser_answer(const ChooserAnswer& answer);
std::size_t pending_chooser_answers();
// Next answer; false when none is queued (then: cancel in test mode,
// interactive otherwise).
bool take_chooser_answer(ChooserAnswer& answer);
