// Start-up and the main loop: language, window class, starting state, About
// box, main window, display test, starting menu state, message loop.
#include "frame.h"

#include "app_runtime.h"
#include "captions.h"
#include "commands.h"
#include "fonts.h"
#include "gui_app.h"
#include "heatsource.h"
#include "menu.h"
#include "menu_items.h"
#include "modelchoice.h"
#include "scheme_views.h"
#include "resources.h"
#include "screen.h"

#include <clocale>

namespace {

constexpr const char* class_name_fallback = "TRUETYPE";
constexpr const char* title_fallback = "Velmarin";

std::string class_name()
{
    std::string name = load_string(10046);
    return name.empty() ? class_name_fallback : name;
}

} // namespace

void init_application(std::string_view command_line)
{
    if (set_language_from_command_line(command_line)) show_languages_dialog();
    register_main_window_class();
    create_main_window();
}

void register_main_window_class()
{
    WindowClass window_class;
    window_class.name = class_name();
    window_class.proc = main_window_proc;
    window_class.menu_name = menu_name_for_language();
    window_class.icon_name = window_class.name;
    window_class.background = Rgb{255, 255, 255};
    register_window_class(window_class);

    current_paint = blank_on_paint;
    install_start_scheme();
    // The chooser changes the menu through the frame, which keeps grayed the
    // commands this build cannot run.
    chooser_menu_ops = ChooserMenuOps{set_menu_item, enable_steel_menu_items, gray_steel_menu_items};
    chemistry_first_opening = 1;
    show_about_dialog();
    ion_varied_element = 0;
}

void create_main_window()
{
    std::string title = load_string(10047);
    if (title.empty()) title = title_fallback;
    main_window = create_window(class_name(), title, 0, 0, use_default, use_default);
    if (main_window == nullptr) return;
    // The class menu as the tables have it, with the commands this build
    // cannot run grayed.
    if (Menu* menu = create_main_menu(menu_name_for_language())) {
        Menu* class_menu = get_menu(main_window);
        set_menu(main_window, menu);
        if (class_menu != nullptr) destroy_menu(class_menu);
    }
    show_window(main_window);
    update_window(main_window);
    set_fonts_truetype_only();

    // Numbers are read and written with a decimal point, whatever locale the
    // user's environment (or the toolkit) chose.
    std::setlocale(LC_NUMERIC, "C");

    const ScreenFacts screen = frame_screen_facts();
    if (display_needs_caution(screen.width, screen.bits_per_pixel, screen.dialog_base_unit_y))
        show_caution_dialog();

    for (int id : {cmd::isotherm_xy, cmd::isotherm_yz, cmd::isotherm_xz, cmd::cooling_rate})
        set_menu_item(id, true);
    enable_steel_menu_items(main_window);
    for (int id : atlas_thickness_items()) set_menu_item(id, false);
    set_menu_item(cmd::print, false);
}

int velmarin_main(int argc, char** argv)
{
    // Every window still open and the application itself end with `app`,
    // before this returns.
    GuiApp app;
    colour_mode = 1;
    init_application(command_line_text(argc, argv));
    if (main_window == nullptr) return 1;
    return run_message_loop();
}
