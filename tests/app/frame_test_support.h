// Starting and stopping the program inside a GUI test, with every dialog
// answered by a hook instead of a user.
#pragma once

#include "app_runtime.h"
#include "captions.h"
#include "dialog.h"
#include "dialog_driver.h"
#include "frame.h"
#include "heatsource.h"
#include "lang.h"
#include "menu.h"
#include "msgbox.h"
#include "scheme_views.h"
#include "temperature_windows.h"
#include "window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct StartRecord {
    std::vector<std::string> dialogs;    // template names, in the order they opened
    int checked_language = 0;            // the radio button checked when Languages opened
};

// The radio button of each language in the Languages dialog.
inline int language_radio(Language language)
{
    switch (language) {
    case Language::ukrainian: return 10318;
    case Language::russian: return 10319;
    case Language::english: return 10320;
    case Language::french: return 10321;
    case Language::german: return 10322;
    }
    return 10320;
}

// Answers the start-up dialogs: chooses `choice` in Languages, OK in the
// About box and in Caution.
inline DialogHook start_up_answer(StartRecord* record, Language choice)
{
    return [record, choice](Window* dlg, const std::string& name) {
        record->dialogs.push_back(name);
        if (name == "LANGUAGES") {
            for (int id = 10318; id <= 10322; ++id)
                if (is_button_checked(dlg, id)) record->checked_language = id;
            dialog_click(dlg, language_radio(choice));
            dialog_click(dlg, 10028);
        } else if (name.rfind("ABOUT", 0) == 0) {
            dialog_click(dlg, 10028);
        } else if (name == "CAUTION") {
            dialog_click(dlg, 1);
        }
    };
}

// Starts the program with the command line, the state of a fresh process.
inline StartRecord start_program(const std::string& line, Language choice = Language::english)
{
    set_dialog_test_mode(true);
    clear_dialog_hooks();
    // the quit that the last program's end posted, as its loop would take it
    if (quit_posted()) run_message_loop();
    message_box_take_log();
    lang_english = lang_russian = lang_ukrainian = lang_german = lang_french = 0;
    reset_parameter_dialogs();
    current_model = HeatSourceModel{};
    current_parameters = nullptr;
    current_isotherm_record = nullptr;
    colour_mode = 1;
    StartRecord record;
    for (int i = 0; i < 4; ++i) push_dialog_hook(start_up_answer(&record, choice));
    init_application(line);
    clear_dialog_hooks();
    process_pending_messages();
    return record;
}

inline void stop_program()
{
    clear_dialog_hooks();
    if (main_window != nullptr) destroy_window(main_window);
    process_pending_messages();
    message_box_take_log();
}

inline bool item_grayed(int id)
{
    return (get_menu_item_state(get_menu(main_window), id) & mf_grayed) != 0;
}

// Pixels of the client area that are not white, on a grid of every 4th pixel.
inline int drawn_pixels()
{
    const Rect r = get_client_rect(main_window);
    int count = 0;
    for (int y = 0; y < r.bottom; y += 4)
        for (int x = 0; x < r.right; x += 4)
            if (window_pixel(main_window, x, y) != Rgb{255, 255, 255}) ++count;
    return count;
}

inline void run_menu_command(int id)
{
    send_message(main_window, Message{Msg::command, id});
    process_pending_messages();
}
