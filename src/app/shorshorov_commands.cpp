// The Shorshorov atlas commands.
//
// Point pattern: blank painter; forget the Seyffarth steel; ask for the
// Shorshorov steel while none is chosen; repaint; the PROPERTY dialog; on
// OK draw the window and install its paint callback.
#include "shorshorov_commands.h"

#include "commands.h"
#include "shorshorov.h"
#include "steel_choice.h"
#include "temperature_windows.h"

namespace {

constexpr int atlas_steps = 50;
// The HAZ profile with the property chosen last (no menu item).
constexpr int haz_profile_again = 10304;

int selector_value(const int* selector)
{
    return selector ? *selector : 0;
}

template <ShorshorovWindowRoutine routine, const int* selector>
void draw_now(Window* window, int print_flag)
{
    if (current_parameters == nullptr) return;
    std::unique_ptr<Canvas> dc = get_dc(window);
    if (!dc) return;
    prepare_window_canvas(*dc, true);
    routine(current_parameters, atlas_steps, window, *dc, selector_value(selector), shorshorov_steel, print_flag);
}

template <ShorshorovWindowRoutine routine, const int* selector>
void draw_on_paint(int print_flag)
{
    if (current_parameters == nullptr) return blank_on_paint(print_flag);
    Canvas* dc = begin_paint(main_window);
    if (dc == nullptr) return;
    dc->save();
    prepare_window_canvas(*dc, true);
    routine(current_parameters, atlas_steps, main_window, *dc, selector_value(selector), shorshorov_steel,
            print_flag);
    dc->restore();
    end_paint(main_window);
}

constexpr const int* no_selector = nullptr;

struct AtlasWindow {
    ShorshorovWindowRoutine routine;
    void (*now)(Window*, int);
    PaintCallback on_paint;
    const int* selector;
};

void repaint()
{
    invalidate_window(main_window, true);
    update_window(main_window);
}

// Asks for the steel while none is chosen; false when there is still none
// (the chooser cancelled before any choice, or no atlas folder to choose
// in, which the chooser has said).
bool ask_steel_if_none()
{
    if (shorshorov_steel_file.empty()) shorshorov_steel = choose_shorshorov_steel(main_window);
    shorshorov_steel_file = shorshorov_steel.file_name;
    return !shorshorov_steel_file.empty();
}

// Dependence pattern: blank; the window's dialog; forget the Seyffarth steel
// (also when the dialog is cancelled); on OK ask for the steel while none is
// chosen, then draw.
void dependence_pattern(const AtlasWindow& w, void (*dialog)())
{
    current_paint = blank_on_paint;
    repaint();
    dialog();
    seyffarth_steel_file.clear();
    if (!dialog_accepted) return;
    if (!ask_steel_if_none()) return;
    w.now(main_window, paint_print_flag);
    current_paint = w.on_paint;
}

void point_pattern(const AtlasWindow& w)
{
    current_paint = blank_on_paint;
    seyffarth_steel_file.clear();
    if (!ask_steel_if_none()) return;
    repaint();
    show_property_dialog();
    if (!dialog_accepted) return;
    w.now(main_window, paint_print_flag);
    current_paint = w.on_paint;
}

} // namespace

void shorshorov_structure_at_point_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_structure_at_point_window, no_selector>(window, print_flag);
}
void shorshorov_structure_at_point_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_structure_at_point_window, no_selector>(print_flag);
}
void shorshorov_micrograph_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_micrograph_window, no_selector>(window, print_flag);
}
void shorshorov_micrograph_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_micrograph_window, no_selector>(print_flag);
}
void shorshorov_haz_profile_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_haz_profile_window, &shorshorov_haz_property>(window, print_flag);
}
void shorshorov_haz_profile_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_haz_profile_window, &shorshorov_haz_property>(print_flag);
}

void shorshorov_structure_vs_energy_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_structure_vs_energy_window, no_selector>(window, print_flag);
}
void shorshorov_structure_vs_energy_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_structure_vs_energy_window, no_selector>(print_flag);
}
void shorshorov_properties_vs_energy_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_properties_vs_energy_window, no_selector>(window, print_flag);
}
void shorshorov_properties_vs_energy_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_properties_vs_energy_window, no_selector>(print_flag);
}
void shorshorov_structure_vs_preheat_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_structure_vs_preheat_window, no_selector>(window, print_flag);
}
void shorshorov_structure_vs_preheat_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_structure_vs_preheat_window, no_selector>(print_flag);
}
void shorshorov_properties_vs_preheat_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_properties_vs_preheat_window, no_selector>(window, print_flag);
}
void shorshorov_properties_vs_preheat_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_properties_vs_preheat_window, no_selector>(print_flag);
}
void shorshorov_structure_vs_thickness_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_structure_vs_thickness_window, no_selector>(window, print_flag);
}
void shorshorov_structure_vs_thickness_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_structure_vs_thickness_window, no_selector>(print_flag);
}
void shorshorov_properties_vs_thickness_window_now(Window* window, int print_flag)
{
    draw_now<shorshorov_properties_vs_thickness_window, no_selector>(window, print_flag);
}
void shorshorov_properties_vs_thickness_window_on_paint(int print_flag)
{
    draw_on_paint<shorshorov_properties_vs_thickness_window, no_selector>(print_flag);
}

namespace {

const AtlasWindow structure_at_point{shorshorov_structure_at_point_window, shorshorov_structure_at_point_window_now,
                                     shorshorov_structure_at_point_window_on_paint, nullptr};
const AtlasWindow micrograph{shorshorov_micrograph_window, shorshorov_micrograph_window_now,
                             shorshorov_micrograph_window_on_paint, nullptr};
const AtlasWindow haz_profile{shorshorov_haz_profile_window, shorshorov_haz_profile_window_now,
                              shorshorov_haz_profile_window_on_paint, &shorshorov_haz_property};
const AtlasWindow structure_vs_energy{shorshorov_structure_vs_energy_window, shorshorov_structure_vs_energy_window_now, shorshorov_structure_vs_energy_window_on_paint, nullptr};
const AtlasWindow properties_vs_energy{shorshorov_properties_vs_energy_window, shorshorov_properties_vs_energy_window_now, shorshorov_properties_vs_energy_window_on_paint, nullptr};
const AtlasWindow structure_vs_preheat{shorshorov_structure_vs_preheat_window, shorshorov_structure_vs_preheat_window_now, shorshorov_structure_vs_preheat_window_on_paint, nullptr};
const AtlasWindow properties_vs_preheat{shorshorov_properties_vs_preheat_window, shorshorov_properties_vs_preheat_window_now, shorshorov_properties_vs_preheat_window_on_paint, nullptr};
const AtlasWindow structure_vs_thickness{shorshorov_structure_vs_thickness_window, shorshorov_structure_vs_thickness_window_now, shorshorov_structure_vs_thickness_window_on_paint, nullptr};
const AtlasWindow properties_vs_thickness{shorshorov_properties_vs_thickness_window, shorshorov_properties_vs_thickness_window_now, shorshorov_properties_vs_thickness_window_on_paint, nullptr};

struct DependenceCommand {
    int id;
    const AtlasWindow* window;
    void (*dialog)();
};
const DependenceCommand dependence_commands[] = {
    {cmd::shorshorov_structure_vs_energy, &structure_vs_energy, show_seyffarthpogonenergy_dialog},
    {cmd::shorshorov_properties_vs_energy, &properties_vs_energy, show_seyffarthpogonenergy_dialog},
    {cmd::shorshorov_structure_vs_thickness, &structure_vs_thickness, show_thickness_dialog},
    {cmd::shorshorov_properties_vs_thickness, &properties_vs_thickness, show_thickness_dialog},
    {cmd::shorshorov_structure_vs_preheat, &structure_vs_preheat, show_preheat_dialog},
    {cmd::shorshorov_properties_vs_preheat, &properties_vs_preheat, show_preheat_dialog},
};
const AtlasWindow* const windows[] = {&micrograph, &structure_at_point,     &haz_profile,           &structure_vs_energy,
                                      &properties_vs_energy,   &structure_vs_preheat,  &properties_vs_preheat,
                                      &structure_vs_thickness, &properties_vs_thickness};

} // namespace

bool is_shorshorov_command(int id)
{
    for (const DependenceCommand& c : dependence_commands)
        if (c.id == id) return true;
    return id == cmd::shorshorov_choose_steel || id == cmd::shorshorov_micrograph || id == cmd::shorshorov_structure_at_point ||
           (id >= cmd::shorshorov_haz_first && id <= cmd::shorshorov_haz_last) || id == haz_profile_again;
}

bool run_shorshorov_command(int id)
{
    if (id == cmd::shorshorov_choose_steel) {
        current_paint = blank_on_paint;
        shorshorov_steel = choose_shorshorov_steel(main_window);
        shorshorov_steel_file = shorshorov_steel.file_name;
        return true;
    }
    for (const DependenceCommand& c : dependence_commands) {
        if (c.id != id) continue;
        dependence_pattern(*c.window, c.dialog);
        return true;
    }
    if (id == cmd::shorshorov_micrograph) {
        point_pattern(micrograph);
        return true;
    }
    if (id == cmd::shorshorov_structure_at_point) {
        point_pattern(structure_at_point);
        return true;
    }
    if ((id >= cmd::shorshorov_haz_first && id <= cmd::shorshorov_haz_last) || id == haz_profile_again) {
        current_paint = blank_on_paint;
        if (id != haz_profile_again) shorshorov_haz_property = id - cmd::shorshorov_haz_first;
        point_pattern(haz_profile);
        return true;
    }
    return false;
}

bool print_shorshorov_window(Canvas& dc)
{
    for (const AtlasWindow* w : windows) {
        if (current_paint != w->on_paint) continue;
        if (current_parameters != nullptr)
            w->routine(current_parameters, atlas_steps, main_window, dc, selector_value(w->selector),
                       shorshorov_steel, 1);
        return true;
    }
    return false;
}
