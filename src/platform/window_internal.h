// Inside the platform layer only: what a window handle holds, shared by the
// window, dialog, menu, message-box and status-bar code.
#pragma once

#include "canvas.h"
#include "dialog.h"
#include "rc_parser.h"
#include "window.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QtCanvas;
class QMainWindow;

struct ControlState {
    const ControlTemplate* tmpl = nullptr;
    ControlKind kind = ControlKind::static_text;
    int id = 0;
    int group = 0;                  // auto radio buttons of one group
    QPointer<QWidget> widget;
    // progress bar
    int lo = 0, hi = 100, pos = 0, step = 10;
    // combo box: the user typed, so no list entry is selected
    bool selection_cleared = false;
    // The bitmap static's picture name.
    std::string picture;
};

struct DialogState {
    const DialogTemplate* tmpl = nullptr;
    std::string template_name;
    DialogBaseUnits base{};
    FontRecord font;                // the template's font, as its controls draw text
    std::vector<ControlState> controls;
    int cancel_id = 0;
    bool modal = false;
    bool ended = false;
    std::intptr_t result = 0;

    ControlState* control(int id);
    const ControlState* control(int id) const;
};

struct Window {
    WindowProc proc = nullptr;
    std::string class_name;
    Rgb background{255, 255, 255};
    QPointer<QWidget> top;          // the top-level widget (main window or dialog)
    QPointer<QWidget> surface;      // the widget whose area is the client area
    QImage image;                   // backing image of the client area
    bool invalid = false;
    bool erase = false;
    bool paint_queued = false;
    bool paint_after_release = false;
    bool resize_pending = false;
    int active_dcs = 0;             // get_dc canvases alive
    std::unique_ptr<QPainter> paint_painter;
    std::unique_ptr<QtCanvas> paint_canvas;
    std::unique_ptr<QImage> scratch;     // a paint that could not draw on the image
    Canvas* paint_redirect = nullptr;    // paint_window_on: where the paint draws instead
    Menu* menu = nullptr;
    bool destroyed = false;
    bool created = false;           // size messages start after creation
    bool thick_frame = false;
    bool has_caption = true;
    std::unique_ptr<DialogState> dialog;
    Window* owner = nullptr;

    ~Window();
};

namespace platform_detail {

// Registry of live windows: a handle is valid while registered.
Window* new_window();
void retire_window(Window* w);      // unregisters; freed once the stack has unwound
// Frees every window, live or retired, with its widgets; the program is
// ending, so no window procedure hears of it.
void release_windows();

// Calls the procedure, keeping the paint depth and the report-once rule.
std::intptr_t dispatch(Window* w, const Message& m);
// Repaint bookkeeping.
void queue_paint(Window* w);
void serve_paint(Window* w);
void resize_backing(Window* w, int width, int height);
void show_backing(QPainter& painter, Window* w, const QRect& area);
int paint_depth();
// Runs after every paint, once the outermost one has ended.
void after_paint(std::function<void()> fn);
// Message boxes: a command starts a new round of the report-once rule.
void message_box_new_command();
// Classic frame metrics: border width and caption height.
int frame_border(const Window* w);
int caption_height(const Window* w);
int menu_bar_height(const Window* w);
// Queue a call on the event loop.
void post(std::function<void()> fn);

}  // namespace platform_detail
