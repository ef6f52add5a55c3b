#include "gui_app.h"

#include "font_layout.h"

#include <QApplication>

#include <cstdlib>

namespace {

QApplication* created_app = nullptr;

void close_created_app()
{
    // The fonts hold on to the font database, which goes with the application.
    release_font_caches();
    delete created_app;
    created_app = nullptr;
}

} // namespace

void ensure_gui_app()
{
    if (QCoreApplication::instance() != nullptr) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr
        && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "velmarin";
    static char* argv[] = {name, nullptr};
    created_app = new QApplication(argc, argv);
    std::atexit(close_created_app);
}
