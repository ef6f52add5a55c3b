// Message boxes.
//
//   message_box(main_window, "File not present x.sp0", "  Message!", mb_iconerror);
//
// Report once: a box asked for during a repaint (a paint message, or between
// begin_paint and end_paint) is not shown there; it is shown once the paint
// has ended, and an identical box (same caption, text and flags) is not shown
// again until the main window receives its next command. So a routine that
// fails at every repaint reports once, when its command ran. Such a deferred
// box returns id_ok at once to its caller.
//
// Tests: message_box_set_record_mode(true) shows nothing and answers id_ok
// (id_yes for yes/no boxes), or the next answer queued with
// message_box_push_answer(); every box that would have been shown is kept for
// message_box_take_log(). set_dialog_test_mode(true) turns this mode on too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Window;

inline constexpr unsigned mb_ok = 0x0;
inline constexpr unsigned mb_okcancel = 0x1;
inline constexpr unsigned mb_yesnocancel = 0x3;
inline constexpr unsigned mb_yesno = 0x4;
inline constexpr unsigned mb_iconerror = 0x10;
inline constexpr unsigned mb_iconquestion = 0x20;
inline constexpr unsigned mb_iconwarning = 0x30;
inline constexpr unsigned mb_iconinformation = 0x40;

inline constexpr int id_yes = 6;
inline constexpr int id_no = 7;

int message_box(Window* owner, std::string_view text, std::string_view caption, unsigned flags = mb_ok);

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    unsigned flags = 0;
    friend bool operator==(const MessageBoxRecord&, const MessageBoxRecord&) = default;
};

void message_box_set_record_mode(bool on);
// The answer of the next box shown in record mode (as the user's button).
void message_box_push_answer(int answer);
bool message_box_record_mode();
// The boxes shown (or, in record mode, that would have been shown) since the
// last call, in order.
std::vector<MessageBoxRecord> message_box_take_log();
