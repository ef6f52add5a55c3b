// The application frame: start-up, the main window procedure with its
// command table, the current paint callback, the menu state and the small
// dialogs of the frame.
#pragma once

#include "dialog.h"
#include "frame_globals.h"
#include "parameter_dialogs.h"
#include "window.h"

#include <string>
#include <string_view>

// ---------------------------------------------------------------------------
// Global state of the frame

// main_window, current_dialog_proc and dialog_accepted: frame_globals.h.

// The paint callback that a repaint of the main window calls; the blank
// painter when no result window is shown.
using PaintCallback = void (*)(int print_flag);
extern PaintCallback current_paint;

// The print flag that repaints and commands hand the window routines: 0, the
// screen.
extern int paint_print_flag;

// The canvas state a result window's routine finds, on the screen and on the
// page alike: dark red text and, for the windows that ask for it, a
// transparent background. The page takes the mode the shown window last
// painted with, so what an opaque cell blanks on the screen it blanks on
// paper, and no more.
void prepare_window_canvas(Canvas& dc, bool transparent);
void prepare_page_canvas(Canvas& page);

// The selectors that the HAZ windows and the chemistry sweeps receive.
extern int seyffarth_haz_property;
extern int shorshorov_haz_property;
extern int kasatkin_varied_element;
extern int ion_varied_element;

// 1 until the composition dialog has been opened once since the main window
// was created.
extern int chemistry_first_opening;

// ---------------------------------------------------------------------------
// Start-up

// The whole program: language, main window, message loop. Returns the exit
// code.
int velmarin_main(int argc, char** argv);

// The command line as one text: the arguments after the program name,
// joined by single blanks.
std::string command_line_text(int argc, char** argv);

// Sets the language flag that the command line names ("UKR", "RUS", "ENG",
// "GER", "FRA", compared whole and case-sensitively). Returns true when the
// Languages dialog must supply the language (a line shorter than two
// characters). Any other line starts in English.
bool set_language_from_command_line(std::string_view line);

// Whether the display calls for the Caution dialog: anything but a screen
// 1024 pixels wide at 16 bits per pixel with a dialog base unit height of 16.
bool display_needs_caution(int horz_res, int bits_per_pixel, int base_unit_height);

// Where start-up reads the display's facts (tests put a display of their
// own here).
struct ScreenFacts;
extern ScreenFacts (*frame_screen_facts)();

// Start-up steps, in the order velmarin_main runs them.
void init_application(std::string_view command_line);
void register_main_window_class();
void create_main_window();

// ---------------------------------------------------------------------------
// Main window and commands

// The procedure of the main window.
std::intptr_t main_window_proc(Window* window, const Message& message);

// Runs the command with this menu number, as the menu does.
void run_command(int id);

// The menu of the main window by the language flags ("TRUETYPE",
// "TRUETYPE_RUS", "TRUETYPE_UA", "TRUETYPE_D", "TRUETYPE_F").
const char* menu_name_for_language();

// A main menu built from its table, with the commands this build cannot run
// grayed; null when there is no such menu.
struct Menu;
Menu* create_main_menu(const char* name);

// Enables or grays a menu item of the main window; a command that this
// build cannot run stays grayed.
void set_menu_item(int id, bool enabled);
void enable_steel_menu_items(Window* window);
void gray_steel_menu_items(Window* window);

// The language switch: Languages dialog, new menu with the old item states,
// repaint.
void switch_language();

// Print the window now shown.
void print_current_window();
// What Print draws on its page: the window now shown, by the routine its
// paint callback uses, laid out on the page's plot rectangle.
void draw_window_on_page(Canvas& page);

// The help pages of the chosen language.
void open_help_contents();

// ---------------------------------------------------------------------------
// Result-window pairs: the immediate draw and the paint callback of every
// window this build shows, and the painter of the empty window.

void blank_on_paint(int print_flag);
void cycle_routine_now(Window* window, int print_flag);
void cycle_routine_on_paint(int print_flag);
void isotherm_window_now(Window* window, int print_flag);
void isotherm_window_on_paint(int print_flag);
void cooling_rate_window_now(Window* window, int print_flag);
void cooling_rate_window_on_paint(int print_flag);

// ---------------------------------------------------------------------------
// Small dialogs of the frame

// Left only with OK; false when it ended otherwise (its owner went away).
bool show_languages_dialog();
void show_graphicsmode_dialog();
void show_about_dialog();
void show_caution_dialog();

// Opens a parameter dialog and runs it to its end (OK, Cancel or closed).
void run_parameter_dialog(const ParameterDialog& dialog);
