// Windows of the program: the main window and the window side of dialogs.
//
// A window is an opaque handle. Its behaviour is a window procedure, a plain
// function that receives messages:
//
//     std::intptr_t main_window_proc(Window* w, const Message& m)
//     {
//         switch (m.msg) {
//         case Msg::create:  ...; return 0;
//         case Msg::paint:   { Canvas* dc = begin_paint(w); ...; end_paint(w); return 0; }
//         case Msg::command: run_command(m.id); return 0;
//         case Msg::get_min_max_info: m.min_max->min_track_size = {500, 300}; return 0;
//         case Msg::destroy: post_quit_message(0); return 0;
//         default: return 0;
//         }
//     }
//
// Painting: every window keeps a backing image of its client area. A repaint
// (invalidate_window, a resize) is queued and served from the event loop, or
// at once by update_window; it is never served inside Qt's own paint event,
// so a paint may open a message box. begin_paint() gives a canvas on the
// backing image (erased to the class background when the window was
// invalidated with erasing); get_dc() gives one for drawing at once, outside
// a paint. What is drawn shows when end_paint() runs or the get_dc canvas is
// released.
//
// Sizes follow the classic conventions: get_client_rect is (0, 0, width,
// height) of the client area; get_window_rect is the outer rectangle in
// screen coordinates, with the classic frame (border, caption, menu bar)
// around the client area.
#pragma once

#include "canvas.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct Window;
struct Menu;

enum class Msg {
    create,            // main window made, not yet shown; param: the creation parameter
    destroy,           // the window is being destroyed
    paint,             // draw the client area: begin_paint ... end_paint
    command,           // id: menu item or control; code: notification (0 for a click or a menu item)
    get_min_max_info,  // min_max: the record to adjust
    size,              // client area resized: point = (width, height)
    init_dialog,       // dialog: its controls exist; param: the creation parameter
    lbutton_down,      // left mouse button pressed at point (client coordinates)
};

struct MinMaxInfo {
    Point max_size;
    Point max_position;
    Point min_track_size;
    Point max_track_size;
};

// Notification codes that a command may carry (a click is 0).
inline constexpr int notify_edit_change = 0x300;      // the user changed an edit's text
inline constexpr int notify_combo_sel_change = 1;     // the user picked a list entry
inline constexpr int notify_combo_edit_change = 5;    // the user typed into a combo box

struct Message {
    Msg msg = Msg::command;
    int id = 0;
    int code = 0;
    Point point{};
    MinMaxInfo* min_max = nullptr;
    std::intptr_t param = 0;

    // The classic whole word parameter of a command: notification in the high
    // half, id in the low half. Comparing it with an id accepts clicks only.
    std::intptr_t wparam() const { return (static_cast<std::intptr_t>(code) << 16) | (id & 0xFFFF); }
};

using WindowProc = std::intptr_t (*)(Window* window, const Message& message);

struct WindowClass {
    std::string name;                  // the class name ("TRUETYPE")
    WindowProc proc = nullptr;
    std::string menu_name;             // menu resource attached to windows of the class ("" none)
    std::string icon_name;             // picture resource of the window icon ("" none)
    Rgb background{255, 255, 255};     // what erasing paints
};

inline constexpr int use_default = INT_MIN;   // position or size chosen by the layer

bool register_window_class(const WindowClass& window_class);

// Creates a top-level window of a registered class: sends create, then
// get_min_max_info. Position and size are those of the outer window (or
// use_default). Returns nullptr for an unknown class.
Window* create_window(std::string_view class_name, std::string_view title, int x, int y, int width, int height,
                      std::intptr_t param = 0);
void show_window(Window* window);
// Sends destroy to the procedure, then closes the window (and its dialogs).
void destroy_window(Window* window);
bool is_window(const Window* window);

Rect get_client_rect(const Window* window);
Rect get_window_rect(const Window* window);
Point client_to_screen(const Window* window, Point point);
void set_window_title(Window* window, std::string_view title);
std::string get_window_title(const Window* window);

void invalidate_window(Window* window, bool erase = true);
void update_window(Window* window);   // serves a pending repaint now and shows it

Canvas* begin_paint(Window* window);
void end_paint(Window* window);
std::unique_ptr<Canvas> get_dc(Window* window);

// Calls the procedure at once (a command sent this way counts as a new
// command for the message box's report-once rule).
std::intptr_t send_message(Window* window, const Message& message);
// Queues a command for the event loop, as choosing a menu item does.
void post_command(Window* window, int id);

// For layout checks: runs the window's paint with everything it draws going
// to `dc` instead of the backing image (nothing is shown or changed).
void paint_window_on(Window* window, Canvas& dc);

// For tests and screenshots: the backing image of the client area.
Rgb window_pixel(const Window* window, int x, int y);
bool save_window_image(const Window* window, const std::string& png_path);
// The whole window as the screen shows it (menu bar, controls), as PNG.
bool save_window_screenshot(const Window* window, const std::string& png_path);
