// The Languages, Graphics mode, About and Caution dialogs.
#include "frame.h"

#include "captions.h"
#include "lang.h"
#include "rc_parser.h"

#include <array>

namespace {

constexpr int ok_button = 10028;

// Radio buttons of the Languages dialog.
constexpr int radio_ukrainian = 10318;
constexpr int radio_russian = 10319;
constexpr int radio_english = 10320;
constexpr int radio_french = 10321;
constexpr int radio_german = 10322;

// Radio buttons of the Graphics mode dialog.
constexpr int radio_colour = 10318;
constexpr int radio_black_white = 10319;

int radio_of_current_language()
{
    switch (current_language()) {
    case Language::ukrainian: return radio_ukrainian;
    case Language::russian: return radio_russian;
    case Language::english: return radio_english;
    case Language::french: return radio_french;
    case Language::german: return radio_german;
    }
    return radio_english;
}

std::intptr_t languages_dialog_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        // Left only with OK: closing it or Escape does nothing.
        set_dialog_cancel_id(dlg, 0);
        check_radio_button(dlg, radio_ukrainian, radio_german, radio_of_current_language());
        return 1;
    }
    if (m.msg != Msg::command) return 0;
    if (m.wparam() == ok_button) {
        lang_ukrainian = is_button_checked(dlg, radio_ukrainian);
        lang_russian = is_button_checked(dlg, radio_russian);
        lang_english = is_button_checked(dlg, radio_english);
        lang_french = is_button_checked(dlg, radio_french);
        lang_german = is_button_checked(dlg, radio_german);
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

std::intptr_t graphicsmode_dialog_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        set_dialog_cancel_id(dlg, id_cancel);
        check_radio_button(dlg, radio_colour, radio_black_white,
                           colour_mode ? radio_colour : radio_black_white);
        return 1;
    }
    if (m.msg != Msg::command) return 0;
    if (m.wparam() == ok_button) {
        colour_mode = is_button_checked(dlg, radio_colour) ? 1 : 0;
        end_dialog(dlg, 1);
        return 1;
    }
    if (m.wparam() == id_cancel) {
        end_dialog(dlg, 0);
        return 1;
    }
    return 0;
}

std::intptr_t about_dialog_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        // Left only with OK: closing it or Escape does nothing.
        set_dialog_cancel_id(dlg, 0);
        return 1;
    }
    if (m.msg == Msg::command && m.wparam() == ok_button) {
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

std::intptr_t caution_dialog_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) return 1;
    if (m.msg == Msg::command && (m.wparam() == id_ok || m.wparam() == id_cancel)) {
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

} // namespace

bool show_languages_dialog()
{
    current_dialog_proc = languages_dialog_proc;
    return dialog_box("LANGUAGES", main_window, languages_dialog_proc) == 1;
}

void show_graphicsmode_dialog()
{
    current_dialog_proc = graphicsmode_dialog_proc;
    dialog_box("GRAPHICSMODE", main_window, graphicsmode_dialog_proc);
}

void show_about_dialog()
{
    const std::array<std::pair<int*, const char*>, 5> boxes{{{&lang_english, "ABOUT_E"},
                                                             {&lang_russian, "ABOUT_RU"},
                                                             {&lang_ukrainian, "ABOUT_UA"},
                                                             {&lang_german, "ABOUT_D"},
                                                             {&lang_french, "ABOUT_F"}}};
    current_dialog_proc = about_dialog_proc;
    for (const auto& [flag, name] : boxes)
        if (*flag) dialog_box(name, main_window, about_dialog_proc);
}

void show_caution_dialog()
{
    current_dialog_proc = caution_dialog_proc;
    dialog_box("CAUTION", main_window, caution_dialog_proc);
}
