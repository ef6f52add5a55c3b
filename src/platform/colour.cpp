#include "colour.h"

#include "dialog_driver.h"
#include "gui_app.h"
#include "window_internal.h"

#include <QColorDialog>

bool colour_dialog(ColourRequest& r)
{
    ChooserAnswer a;
    if (take_chooser_answer(a)) {
        if (a.accept) r.colour = a.colour;
        return a.accept;
    }
    if (dialog_test_mode()) return false;
    ensure_gui_app();
    int used = std::min<int>(static_cast<int>(r.custom_colours.size()), QColorDialog::customCount());
    for (int i = 0; i < used; ++i) {
        const Rgb& c = r.custom_colours[static_cast<size_t>(i)];
        QColorDialog::setCustomColor(i, QColor(c.r, c.g, c.b));
    }
    QWidget* parent = is_window(r.owner) && r.owner->top ? r.owner->top.data() : nullptr;
    QColorDialog dlg(QColor(r.colour.r, r.colour.g, r.colour.b), parent);
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    if (dlg.exec() != QDialog::Accepted) return false;
    QColor c = dlg.selectedColor();
    r.colour = Rgb{c.red(), c.green(), c.blue()};
    return true;
}
