#include "screen.h"

#include "gui_app.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

ScreenFacts screen_facts()
{
    ensure_gui_app();
    ScreenFacts f;
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = 96.0;
    if (s != nullptr) {
        f.width = s->geometry().width();
        f.height = s->geometry().height();
        f.bits_per_pixel = s->depth();
        dpi = s->logicalDotsPerInchY();
    }
    if (!(dpi > 0)) dpi = 96.0;
    f.dialog_base_unit_x = static_cast<int>(std::lround(8.0 * dpi / 96.0));
    f.dialog_base_unit_y = static_cast<int>(std::lround(16.0 * dpi / 96.0));
    return f;
}
