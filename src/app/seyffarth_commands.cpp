// The Seyffarth atlas commands and their result-window pairs.
#include "seyffarth_commands.h"

#include "commands.h"
#include "parameter_dialogs.h"
#include "steel_choice.h"
#include "temperature_windows.h"

namespace {

constexpr int seyffarth_steps = 50;

int selector_value(const int* selector)
{
    return selector ? *selector : 0;
}

template <SeyffarthWindowRoutine routine, bool transparent, const int* selector>
void draw_now(Window* window, int print_flag)
{
    std::unique_ptr<Canvas> dc = get_dc(window);
    if (!dc) return;
    prepare_window_canvas(*dc, transparent);
    routine(current_parameters, seyffarth_steps, window, *dc, selector_value(selector), seyffarth_steel,
            print_flag);
}

template <SeyffarthWindowRoutine routine, bool transparent, const int* selector>
void draw_on_paint(int print_flag)
{
    Canvas* dc = begin_paint(main_window);
    if (dc == nullptr) return;
    dc->save();
    prepare_window_canvas(*dc, transparent);
    routine(current_parameters, seyffarth_steps, main_window, *dc, selector_value(selector), seyffarth_steel,
            print_flag);
    dc->restore();
    end_paint(main_window);
}

constexpr const int* no_selector = nullptr;

} // namespace

#define SEYFFARTH_PAIR(name, transparent, selector)                                                      \
    void name##_now(Window* window, int print_flag) { draw_now<name, transparent, selector>(window, print_flag); } \
    void name##_on_paint(int print_flag) { draw_on_paint<name, transparent, selector>(print_flag); }

SEYFFARTH_PAIR(seyffarth_structure_at_point_window, false, no_selector)
SEYFFARTH_PAIR(seyffarth_structure_diagram_window, false, no_selector)
SEYFFARTH_PAIR(seyffarth_properties_at_point_window, false, no_selector)
SEYFFARTH_PAIR(seyffarth_properties_diagram_window, false, no_selector)
SEYFFARTH_PAIR(seyffarth_cct_at_point_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_cct_diagram_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_micrograph_window, true, no_selector)

#undef SEYFFARTH_PAIR

const std::vector<SeyffarthCommand>& seyffarth_commands()
{
    using namespace cmd;
    static const std::vector<SeyffarthCommand> table{
        {seyffarth_structure_at_point, show_properties_structure_dialog, seyffarth_structure_at_point_window,
         seyffarth_structure_at_point_window_now, seyffarth_structure_at_point_window_on_paint, nullptr},
        {atlas_structure_diagram, nullptr, seyffarth_structure_diagram_window,
         seyffarth_structure_diagram_window_now, seyffarth_structure_diagram_window_on_paint, nullptr},
        {seyffarth_properties_at_point, show_properties_mechanical_dialog, seyffarth_properties_at_point_window,
         seyffarth_properties_at_point_window_now, seyffarth_properties_at_point_window_on_paint, nullptr},
        {atlas_properties_diagram, nullptr, seyffarth_properties_diagram_window,
         seyffarth_properties_diagram_window_now, seyffarth_properties_diagram_window_on_paint, nullptr},
        {seyffarth_cct_at_point, show_property_dialog, seyffarth_cct_at_point_window,
         seyffarth_cct_at_point_window_now, seyffarth_cct_at_point_window_on_paint, nullptr},
        {atlas_cct_diagram, nullptr, seyffarth_cct_diagram_window, seyffarth_cct_diagram_window_now,
         seyffarth_cct_diagram_window_on_paint, nullptr},
        {seyffarth_micrograph, show_properties_structure_dialog, seyffarth_micrograph_window,
         seyffarth_micrograph_window_now, seyffarth_micrograph_window_on_paint, nullptr},
    };
    return table;
}

bool ensure_seyffarth_steel()
{
    if (seyffarth_steel_file.empty()) seyffarth_steel = choose_seyffarth_steel(main_window);
    seyffarth_steel_file = seyffarth_steel.file_name;
    return !seyffarth_steel_file.empty();
}

bool run_seyffarth_command(int id)
{
    if (id == cmd::seyffarth_choose_steel) {
        // Asks every time; a cancelled chooser hands back the steel chosen
        // before. The Shorshorov steel stays chosen.
        current_paint = blank_on_paint;
        invalidate_window(main_window, true);
        update_window(main_window);
        seyffarth_steel = choose_seyffarth_steel(main_window);
        seyffarth_steel_file = seyffarth_steel.file_name;
        return true;
    }
    for (const SeyffarthCommand& c : seyffarth_commands()) {
        if (c.id != id) continue;
        current_paint = blank_on_paint;
        invalidate_window(main_window, true);
        update_window(main_window);
        if (c.dialog != nullptr) {
            c.dialog();
            shorshorov_steel_file.clear();
            if (!dialog_accepted) return true;
        } else {
            shorshorov_steel_file.clear();
        }
        // A chooser cancelled before any steel was chosen leaves nothing to
        // draw: the window stays blank rather than reporting files it never had.
        if (!ensure_seyffarth_steel()) return true;
        c.now(main_window, paint_print_flag);
        current_paint = c.on_paint;
        return true;
    }
    return false;
}

bool print_seyffarth_window(Canvas& dc)
{
    for (const SeyffarthCommand& c : seyffarth_commands()) {
        if (current_paint != c.on_paint) continue;
        c.routine(current_parameters, seyffarth_steps, main_window, dc, selector_value(c.selector), seyffarth_steel,
                  paint_print_flag);
        return true;
    }
    return false;
}
