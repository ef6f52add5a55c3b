// Print and Help.
#include "frame.h"

#include "fonts.h"
#include "heatsource.h"
#include "help.h"
#include "measuring_canvas.h"
#include "plot.h"
#include "print.h"
#include "seyffarth_sweep_commands.h"
#include "shorshorov_commands.h"
#include "seyffarth_commands.h"
#include "steel_commands.h"
#include "temperature_windows.h"

void draw_window_on_page(Canvas& dc)
{
    constexpr int on_paper = 1;
    select_page_default_font(dc, get_client_rect(main_window));
    prepare_page_canvas(dc);
    if (current_paint == cycle_routine_on_paint) {
        if (current_model.cycle_routine == nullptr || current_parameters == nullptr) return;
        // The computing pass measures on the page and draws nothing there;
        // the drawing pass alone puts the window on it, from the window's own
        // canvas state, as a repaint does on the screen.
        {
            MeasuringCanvas computing(dc);
            current_model.cycle_routine(current_parameters, 50, main_window, computing, 0, on_paper);
        }
        current_model.cycle_routine(current_parameters, 50, main_window, dc, 1, on_paper);
    } else if (current_paint == isotherm_window_on_paint) {
        if (current_isotherm_record == nullptr) return;
        {
            MeasuringCanvas computing(dc);
            isotherm_window(current_isotherm_record, 40, main_window, computing, 0, on_paper);
        }
        isotherm_window(current_isotherm_record, 40, main_window, dc, 1, on_paper);
    } else if (current_paint == cooling_rate_window_on_paint) {
        if (current_parameters == nullptr) return;
        cooling_rate_window(current_parameters, 50, main_window, dc, 0, on_paper);
    } else if (!print_seyffarth_window(dc) && !print_shorshorov_window(dc) && !print_seyffarth_sweep_window(dc)) {
        print_steel_window(dc);
    }
    // the blank window prints an empty page
}

void print_current_window()
{
    // The page goes to the printer chosen in the print dialog; Cancel there
    // prints nothing. Without a printer the page becomes a PDF file, and a
    // message says where.
    PrintJob* job = print_dialog(main_window);
    if (job == nullptr) return;
    if (print_start_doc(job, "readme.txt") && print_start_page(job)) {
        if (Canvas* dc = print_canvas(job)) draw_window_on_page(*dc);
        print_end_page(job);
        print_end_doc(job);
    }
    print_close(job);
}

void open_help_contents()
{
    ::show_help(main_window);
}
