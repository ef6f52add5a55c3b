#include "gui_app.h"

#include <QApplication>

#include <cstdlib>

void ensure_gui_app()
{
    if (QCoreApplication::instance() != nullptr) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr
        && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "velmarin";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: fonts and images outlive any scope.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
