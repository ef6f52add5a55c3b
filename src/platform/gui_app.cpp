#include "gui_app.h"

#include "font_layout.h"
#include "window_internal.h"

#include <QApplication>
#include <QPointer>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// The GuiApp alive (one at a time) and the application it created.
GuiApp* owner = nullptr;
std::unique_ptr<QApplication> owned_app;

void create_app()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr
        && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // QApplication keeps references to both for its whole life.
    static int argc = 1;
    static char name[] = "velmarin";
    static char* argv[] = {name, nullptr};
    if (owner != nullptr) {
        owned_app = std::make_unique<QApplication>(argc, argv);
    } else {
        new QApplication(argc, argv);   // nobody to end it: it stays to the end of the process
    }
}

// Every top-level widget that is nobody's child: help pages, windows the
// platform layer no longer tracks.
void delete_parentless_widgets()
{
    std::vector<QPointer<QWidget>> tops;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->parentWidget() == nullptr) tops.emplace_back(w);
    for (const QPointer<QWidget>& w : tops) delete w.data();
}

} // namespace

GuiApp::GuiApp(Start start)
{
    if (owner == nullptr) owner = this;
    if (start == Start::now) ensure_gui_app();
}

GuiApp::~GuiApp()
{
    if (owner != this) return;
    if (QCoreApplication::instance() != nullptr) {
        platform_detail::release_windows();
        delete_parentless_widgets();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The fonts hold on to the font database, which goes with the application.
    release_font_caches();
    owned_app.reset();
    owner = nullptr;
}

void ensure_gui_app()
{
    if (QCoreApplication::instance() != nullptr) return;
    create_app();
}
