// The Seyffarth sweep and HAZ commands.
//
// Pattern: blank; the window's dialog; forget the Shorshorov steel; on OK
// ask for the Seyffarth steel while none is chosen, draw the window and
// install its paint callback. The HAZ items set the property first; the
// property stays set when the dialog is cancelled.
#include "seyffarth_sweep_commands.h"

#include "commands.h"
#include "parameter_dialogs.h"
#include "seyffarth_sweeps.h"
#include "steel_choice.h"
#include "temperature_windows.h"

namespace {

using SweepRoutine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

constexpr int atlas_steps = 50;
// The HAZ profile with the property chosen last (no menu item).
constexpr int haz_profile_again = 10313;

int selector_value(const int* selector)
{
    return selector ? *selector : 0;
}

template <SweepRoutine routine, bool transparent, const int* selector>
void draw_now(Window* window, int print_flag)
{
    if (current_parameters == nullptr) return;
    std::unique_ptr<Canvas> dc = get_dc(window);
    if (!dc) return;
    prepare_window_canvas(*dc, transparent);
    routine(current_parameters, atlas_steps, window, *dc, selector_value(selector), seyffarth_steel, print_flag);
}

template <SweepRoutine routine, bool transparent, const int* selector>
void draw_on_paint(int print_flag)
{
    if (current_parameters == nullptr) return blank_on_paint(print_flag);
    Canvas* dc = begin_paint(main_window);
    if (dc == nullptr) return;
    dc->save();
    prepare_window_canvas(*dc, transparent);
    routine(current_parameters, atlas_steps, main_window, *dc, selector_value(selector), seyffarth_steel,
            print_flag);
    dc->restore();
    end_paint(main_window);
}

constexpr const int* no_selector = nullptr;

} // namespace

#define SEYFFARTH_PAIR(name, transparent, selector)                                        \
    void name##_now(Window* window, int print_flag)                                        \
    {                                                                                      \
        draw_now<name, transparent, selector>(window, print_flag);                         \
    }                                                                                      \
    void name##_on_paint(int print_flag) { draw_on_paint<name, transparent, selector>(print_flag); }

SEYFFARTH_PAIR(seyffarth_structure_vs_energy_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_properties_vs_energy_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_structure_vs_preheat_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_properties_vs_preheat_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_structure_vs_thickness_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_properties_vs_thickness_window, true, no_selector)
SEYFFARTH_PAIR(seyffarth_haz_profile_window, false, &seyffarth_haz_property)

#undef SEYFFARTH_PAIR

namespace {

struct SweepCommand {
    int id;
    void (*dialog)();
    SweepRoutine routine;
    void (*now)(Window*, int);
    PaintCallback on_paint;
    const int* selector;
};

const SweepCommand sweep_commands[] = {
    {cmd::seyffarth_structure_vs_energy, show_seyffarthpogonenergy_dialog, seyffarth_structure_vs_energy_window,
     seyffarth_structure_vs_energy_window_now, seyffarth_structure_vs_energy_window_on_paint, nullptr},
    {cmd::seyffarth_properties_vs_energy, show_seyffarthpogonenergy_dialog, seyffarth_properties_vs_energy_window,
     seyffarth_properties_vs_energy_window_now, seyffarth_properties_vs_energy_window_on_paint, nullptr},
    {cmd::seyffarth_structure_vs_preheat, show_preheat_dialog, seyffarth_structure_vs_preheat_window,
     seyffarth_structure_vs_preheat_window_now, seyffarth_structure_vs_preheat_window_on_paint, nullptr},
    {cmd::seyffarth_properties_vs_preheat, show_preheat_dialog, seyffarth_properties_vs_preheat_window,
     seyffarth_properties_vs_preheat_window_now, seyffarth_properties_vs_preheat_window_on_paint, nullptr},
    {cmd::seyffarth_structure_vs_thickness, show_thickness_dialog, seyffarth_structure_vs_thickness_window,
     seyffarth_structure_vs_thickness_window_now, seyffarth_structure_vs_thickness_window_on_paint, nullptr},
    {cmd::seyffarth_properties_vs_thickness, show_thickness_dialog, seyffarth_properties_vs_thickness_window,
     seyffarth_properties_vs_thickness_window_now, seyffarth_properties_vs_thickness_window_on_paint, nullptr},
    {haz_profile_again, show_properties_haz_dialog, seyffarth_haz_profile_window, seyffarth_haz_profile_window_now,
     seyffarth_haz_profile_window_on_paint, &seyffarth_haz_property},
};

void run_pattern(const SweepCommand& c)
{
    current_paint = blank_on_paint;
    invalidate_window(main_window, true);
    update_window(main_window);
    c.dialog();
    shorshorov_steel_file.clear();
    if (!dialog_accepted) return;
    if (seyffarth_steel_file.empty()) seyffarth_steel = choose_seyffarth_steel(main_window);
    seyffarth_steel_file = seyffarth_steel.file_name;
    // A chooser cancelled before any steel was chosen leaves nothing to draw.
    if (seyffarth_steel_file.empty()) return;
    c.now(main_window, paint_print_flag);
    current_paint = c.on_paint;
}

} // namespace

bool run_seyffarth_sweep_command(int id)
{
    if (id >= cmd::seyffarth_haz_first && id <= cmd::seyffarth_haz_last) {
        // The property is chosen before the dialog and stays chosen.
        seyffarth_haz_property = id - cmd::seyffarth_haz_first;
        id = haz_profile_again;
    }
    for (const SweepCommand& c : sweep_commands) {
        if (c.id != id) continue;
        run_pattern(c);
        return true;
    }
    return false;
}

bool print_seyffarth_sweep_window(Canvas& dc)
{
    for (const SweepCommand& c : sweep_commands) {
        if (current_paint != c.on_paint) continue;
        if (current_parameters != nullptr)
            c.routine(current_parameters, atlas_steps, main_window, dc, selector_value(c.selector), seyffarth_steel,
                      1);
        return true;
    }
    return false;
}
