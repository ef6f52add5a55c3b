// The steel-model commands and their result-window pairs.
#include "steel_commands.h"

#include "commands.h"
#include "ion_windows.h"
#include "kasatkin_windows.h"
#include "parameter_dialogs.h"
#include "temperature_windows.h"

namespace {

constexpr int steel_steps = 50;

int selector_value(const int* selector)
{
    return selector ? *selector : 0;
}

// The immediate draw: a canvas of the window, dark red text, the routine
// with the composition as it is now.
template <SteelWindowRoutine routine, bool transparent, const int* selector>
void draw_now(Window* window, int print_flag)
{
    if (current_parameters == nullptr) return;
    std::unique_ptr<Canvas> dc = get_dc(window);
    if (!dc) return;
    prepare_window_canvas(*dc, transparent);
    routine(current_parameters, steel_steps, window, *dc, selector_value(selector), chemistry_input,
            print_flag);
}

// The paint callback: the same call, in the same canvas state, inside a
// paint of the main window, so a repaint draws what the first drawing did.
template <SteelWindowRoutine routine, bool transparent, const int* selector>
void draw_on_paint(int print_flag)
{
    if (current_parameters == nullptr) return blank_on_paint(print_flag);
    Canvas* dc = begin_paint(main_window);
    if (dc == nullptr) return;
    dc->save();
    prepare_window_canvas(*dc, transparent);
    routine(current_parameters, steel_steps, main_window, *dc, selector_value(selector), chemistry_input,
            print_flag);
    dc->restore();
    end_paint(main_window);
}

constexpr const int* no_selector = nullptr;

} // namespace

#define STEEL_PAIR(name, transparent, selector)                                            \
    void name##_now(Window* window, int print_flag)                                        \
    {                                                                                      \
        draw_now<name, transparent, selector>(window, print_flag);                         \
    }                                                                                      \
    void name##_on_paint(int print_flag) { draw_on_paint<name, transparent, selector>(print_flag); }

STEEL_PAIR(kasatkin_structure_at_point_window, true, no_selector)
STEEL_PAIR(kasatkin_properties_at_point_window, false, no_selector)
STEEL_PAIR(kasatkin_structure_vs_energy_window, false, no_selector)
STEEL_PAIR(kasatkin_properties_vs_energy_window, false, no_selector)
STEEL_PAIR(kasatkin_structure_vs_chemistry_window, false, &kasatkin_varied_element)
STEEL_PAIR(kasatkin_properties_vs_chemistry_window, false, &kasatkin_varied_element)
STEEL_PAIR(kasatkin_structure_vs_preheat_window, false, no_selector)
STEEL_PAIR(kasatkin_properties_vs_preheat_window, false, no_selector)
STEEL_PAIR(kasatkin_structure_vs_thickness_window, false, no_selector)
STEEL_PAIR(kasatkin_properties_vs_thickness_window, false, no_selector)
STEEL_PAIR(ion_hardness_at_point_window, false, no_selector)
STEEL_PAIR(ion_hardness_vs_chemistry_window, false, &ion_varied_element)
STEEL_PAIR(ion_hardness_vs_energy_window, false, no_selector)
STEEL_PAIR(ion_hardness_vs_thickness_window, false, no_selector)
STEEL_PAIR(ion_hardness_vs_preheat_window, false, no_selector)

#undef STEEL_PAIR

const std::vector<SteelCommand>& steel_commands()
{
    using namespace cmd;
    auto k = show_chemistry_dialog;
    auto i = show_chemistryion_dialog;
    static const std::vector<SteelCommand> table{
        {kasatkin_structure_at_point, k, {show_velocity_dialog}, kasatkin_structure_at_point_window,
         kasatkin_structure_at_point_window_now, kasatkin_structure_at_point_window_on_paint, nullptr, true},
        {kasatkin_properties_at_point, k, {show_velocity_dialog}, kasatkin_properties_at_point_window,
         kasatkin_properties_at_point_window_now, kasatkin_properties_at_point_window_on_paint, nullptr, false},
        {kasatkin_structure_vs_energy, k, {show_seyffarthpogonenergy_dialog}, kasatkin_structure_vs_energy_window,
         kasatkin_structure_vs_energy_window_now, kasatkin_structure_vs_energy_window_on_paint, nullptr, false},
        {kasatkin_properties_vs_energy, k, {show_seyffarthpogonenergy_dialog},
         kasatkin_properties_vs_energy_window, kasatkin_properties_vs_energy_window_now,
         kasatkin_properties_vs_energy_window_on_paint, nullptr, false},
        {kasatkin_structure_vs_chemistry, k, {show_chemistrychoice_dialog, show_velocity_dialog},
         kasatkin_structure_vs_chemistry_window, kasatkin_structure_vs_chemistry_window_now,
         kasatkin_structure_vs_chemistry_window_on_paint, &kasatkin_varied_element, false},
        {kasatkin_properties_vs_chemistry, k, {show_chemistrychoice_dialog, show_velocity_dialog},
         kasatkin_properties_vs_chemistry_window, kasatkin_properties_vs_chemistry_window_now,
         kasatkin_properties_vs_chemistry_window_on_paint, &kasatkin_varied_element, false},
        {kasatkin_structure_vs_thickness, k, {show_thickness_dialog}, kasatkin_structure_vs_thickness_window,
         kasatkin_structure_vs_thickness_window_now, kasatkin_structure_vs_thickness_window_on_paint, nullptr,
         false},
        {kasatkin_properties_vs_thickness, k, {show_thickness_dialog}, kasatkin_properties_vs_thickness_window,
         kasatkin_properties_vs_thickness_window_now, kasatkin_properties_vs_thickness_window_on_paint, nullptr,
         false},
        {kasatkin_structure_vs_preheat, k, {show_preheat_dialog}, kasatkin_structure_vs_preheat_window,
         kasatkin_structure_vs_preheat_window_now, kasatkin_structure_vs_preheat_window_on_paint, nullptr, false},
        {kasatkin_properties_vs_preheat, k, {show_preheat_dialog}, kasatkin_properties_vs_preheat_window,
         kasatkin_properties_vs_preheat_window_now, kasatkin_properties_vs_preheat_window_on_paint, nullptr,
         false},
        {ion_hardness_at_point, i, {show_velocity_dialog}, ion_hardness_at_point_window,
         ion_hardness_at_point_window_now, ion_hardness_at_point_window_on_paint, nullptr, false},
        {ion_hardness_vs_energy, i, {show_seyffarthpogonenergy_dialog}, ion_hardness_vs_energy_window,
         ion_hardness_vs_energy_window_now, ion_hardness_vs_energy_window_on_paint, nullptr, false},
        {ion_hardness_vs_chemistry, i, {show_ionchoice_dialog, show_velocity_dialog},
         ion_hardness_vs_chemistry_window, ion_hardness_vs_chemistry_window_now,
         ion_hardness_vs_chemistry_window_on_paint, &ion_varied_element, false},
        {ion_hardness_vs_thickness, i, {show_thickness_dialog}, ion_hardness_vs_thickness_window,
         ion_hardness_vs_thickness_window_now, ion_hardness_vs_thickness_window_on_paint, nullptr, false},
        {ion_hardness_vs_preheat, i, {show_preheat_dialog}, ion_hardness_vs_preheat_window,
         ion_hardness_vs_preheat_window_now, ion_hardness_vs_preheat_window_on_paint, nullptr, false},
    };
    return table;
}

bool run_steel_command(int id)
{
    for (const SteelCommand& c : steel_commands()) {
        if (c.id != id) continue;
        // Blank; the composition dialog and the further dialogs in order;
        // repaint; only the last dialog's OK draws the window.
        current_paint = blank_on_paint;
        invalidate_window(main_window, true);
        update_window(main_window);
        c.composition_dialog();
        for (void (*dialog)() : c.dialogs) dialog();
        invalidate_window(main_window, true);
        update_window(main_window);
        if (!dialog_accepted) return true;
        c.now(main_window, paint_print_flag);
        current_paint = c.on_paint;
        return true;
    }
    return false;
}

bool print_steel_window(Canvas& dc)
{
    for (const SteelCommand& c : steel_commands()) {
        if (current_paint != c.on_paint) continue;
        if (current_parameters != nullptr)
            c.routine(current_parameters, steel_steps, main_window, dc, selector_value(c.selector),
                      chemistry_input, 1);
        return true;
    }
    return false;
}
