// The main window procedure and the command table.
#include "frame.h"

#include "app_runtime.h"
#include "commands.h"
#include "digitizer_dialog.h"
#include "fonts.h"
#include "heatsource.h"
#include "menu_items.h"
#include "modelchoice.h"
#include "progress_dialog.h"
#include "scheme_views.h"
#include "seyffarth_sweep_commands.h"
#include "shorshorov_commands.h"
#include "seyffarth_commands.h"
#include "steel_commands.h"
#include "temperature_windows.h"

namespace {

// The steps the commands are made of.

// The window turns white at once.
void blank()
{
    current_paint = blank_on_paint;
    invalidate_window(main_window, true);
    update_window(main_window);
}

// The window turns white as soon as messages are served (while the next
// dialog is open).
void blank_later()
{
    current_paint = blank_on_paint;
    invalidate_window(main_window, true);
}

// The current window is drawn again at once.
void repaint_now()
{
    invalidate_window(main_window, true);
    update_window(main_window);
}

void thermal_cycle_command()
{
    blank();
    show_termocyclys_dialog();
    if (!dialog_accepted) return;
    cycle_routine_now(main_window, paint_print_flag);
    current_paint = cycle_routine_on_paint;
    set_menu_item(cmd::print, true);
    // The cycle is drawn by the full repaint that follows the computation;
    // the progress window asks for it when it closes, and asking here too
    // holds when the computation stopped before it opened one.
    invalidate_window(main_window, true);
}

void isotherm_command(IsothermTracer tracer, bool enables_print)
{
    blank_later();
    current_isotherm_tracer = tracer;
    show_isotermes_dialog();
    if (!dialog_accepted) return;
    isotherm_window_now(main_window, paint_print_flag);
    current_paint = isotherm_window_on_paint;
    if (enables_print) set_menu_item(cmd::print, true);
}

void cooling_rate_command()
{
    blank();
    show_velocity_dialog();
    if (!dialog_accepted) return;
    cooling_rate_window_now(main_window, paint_print_flag);
    current_paint = cooling_rate_window_on_paint;
}

// Heat source model: the chooser, then the data dialog of the scheme it
// installed.
void heat_source_model_command()
{
    blank();
    show_modul_dialog();
    blank();
    show_scheme_data_dialog(installed_scheme());
}

// Edit data: the data dialog of the installed scheme, recognised by its
// operations.
void edit_data_command()
{
    blank();
    show_scheme_data_dialog(installed_scheme());
}

// Digitization: the modal dialog over a white window, which is white again
// afterwards.
void digitization_command()
{
    blank();
    show_pcx_dialog();
    blank();
}

} // namespace

void run_command(int id)
{
    // A command that this build cannot run does nothing, like the blank
    // menu-bar item.
    if (!command_is_wired(id)) return;
    switch (id) {
    case cmd::exit_program: destroy_window(main_window); break;
    case cmd::about:
        show_about_dialog();
        repaint_now();
        break;
    case cmd::print: print_current_window(); break;
    case cmd::language: switch_language(); break;
    case cmd::graphics_mode: show_graphicsmode_dialog(); break;
    case cmd::heat_source_model: heat_source_model_command(); break;
    case cmd::edit_data: edit_data_command(); break;
    case cmd::thermal_cycle: thermal_cycle_command(); break;
    case cmd::isotherm_xy: isotherm_command(trace_isotherm_xy, true); break;
    case cmd::isotherm_yz: isotherm_command(trace_isotherm_yz, false); break;
    case cmd::isotherm_xz: isotherm_command(trace_isotherm_xz, false); break;
    case cmd::cooling_rate: cooling_rate_command(); break;
    case cmd::help: open_help_contents(); break;
    case cmd::digitization: digitization_command(); break;
    default:
        if (!run_seyffarth_command(id) && !run_shorshorov_command(id) && !run_seyffarth_sweep_command(id))
            run_steel_command(id);
        break;
    }
}

std::intptr_t main_window_proc(Window* window, const Message& message)
{
    switch (message.msg) {
    case Msg::create:
        main_window = window;
        set_progress_dialog_owner(window);
        init_fonts();
        current_paint = blank_on_paint;
        reinstall_start_scheme();
        chemistry_first_opening = 1;
        return 0;
    case Msg::destroy:
        post_quit_message(0);
        if (main_window == window) {
            main_window = nullptr;
            set_progress_dialog_owner(nullptr);
        }
        return 0;
    case Msg::paint:
        current_paint(paint_print_flag);
        return 0;
    case Msg::get_min_max_info:
        if (message.min_max != nullptr) message.min_max->min_track_size = {500, 300};
        return 0;
    case Msg::command:
        run_command(static_cast<int>(message.wparam()));
        return 0;
    default:
        return 0;
    }
}
