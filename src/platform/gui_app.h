// The Qt application the platform layer needs (fonts, images, windows).
//
//   int main(int argc, char** argv)
//   {
//       GuiApp app;   // the application, until main returns
//       ...
//   }
//
// The GuiApp in main() owns the application. When it goes, the windows still
// open are closed, the fonts let go of and the application ended, all before
// main returns: once the process has begun to end, Qt's per-thread storage
// may already be gone and ending the application then crashes.
#pragma once

class GuiApp {
public:
    enum class Start { now, on_demand };
    // on_demand: the application is created by the first ensure_gui_app(),
    // for programs that may never need it.
    explicit GuiApp(Start start = Start::now);
    ~GuiApp();
    GuiApp(const GuiApp&) = delete;
    GuiApp& operator=(const GuiApp&) = delete;
};

// Makes sure a Qt application object exists; creates one when none does,
// on the offscreen platform when there is no display (no DISPLAY and no
// WAYLAND_DISPLAY, and QT_QPA_PLATFORM unset). Safe to call often; call it
// from the main thread. The application belongs to the GuiApp alive; without
// one it is never ended (a program should hold a GuiApp).
void ensure_gui_app();
