// The immediate-draw functions and paint callbacks of the result windows,
// and the painter of the empty window.
//
// The immediate draw runs a window's routine once, right after its command's
// dialog ended with OK (phase 0: the temperature windows compute); the paint
// callback runs it at every repaint of the main window (phase 1: they draw
// what they computed).
#include "frame.h"

#include "fonts.h"
#include "heatsource.h"
#include "temperature_windows.h"

namespace {


// Runs the routine on a canvas of the window, for drawing at once.
template <typename Call>
void draw_now(Window* window, bool transparent, Call call)
{
    std::unique_ptr<Canvas> dc = get_dc(window);
    if (!dc) return;
    prepare_window_canvas(*dc, transparent);
    call(*dc);
}

// Runs the routine inside a paint of the main window.
template <typename Call>
void draw_on_paint(bool transparent, bool isotherm_font, Call call)
{
    Canvas* dc = begin_paint(main_window);
    if (dc == nullptr) return;
    dc->save();
    prepare_window_canvas(*dc, transparent);
    if (isotherm_font) dc->select_font(chosen_font);
    call(*dc);
    dc->restore();
    end_paint(main_window);
}

} // namespace

void blank_on_paint(int)
{
    if (begin_paint(main_window) != nullptr) end_paint(main_window);
}

void cycle_routine_now(Window* window, int print_flag)
{
    if (current_model.cycle_routine == nullptr || current_parameters == nullptr) return;
    draw_now(window, true, [&](Canvas& dc) {
        current_model.cycle_routine(current_parameters, 50, window, dc, 0, print_flag);
    });
}

void cycle_routine_on_paint(int print_flag)
{
    if (current_model.cycle_routine == nullptr || current_parameters == nullptr) return blank_on_paint(print_flag);
    draw_on_paint(false, false, [&](Canvas& dc) {
        current_model.cycle_routine(current_parameters, 50, main_window, dc, 1, print_flag);
    });
}

void isotherm_window_now(Window* window, int print_flag)
{
    if (current_isotherm_record == nullptr) return;
    draw_now(window, true, [&](Canvas& dc) {
        isotherm_window(current_isotherm_record, 40, window, dc, 0, print_flag);
    });
}

void isotherm_window_on_paint(int print_flag)
{
    if (current_isotherm_record == nullptr) return blank_on_paint(print_flag);
    draw_on_paint(true, true, [&](Canvas& dc) {
        isotherm_window(current_isotherm_record, 40, main_window, dc, 1, print_flag);
    });
}

void cooling_rate_window_now(Window* window, int print_flag)
{
    if (current_parameters == nullptr) return;
    draw_now(window, false, [&](Canvas& dc) {
        cooling_rate_window(current_parameters, 50, window, dc, 0, print_flag);
    });
}

void cooling_rate_window_on_paint(int print_flag)
{
    if (current_parameters == nullptr) return blank_on_paint(print_flag);
    draw_on_paint(false, false, [&](Canvas& dc) {
        cooling_rate_window(current_parameters, 50, main_window, dc, 1, print_flag);
    });
}
