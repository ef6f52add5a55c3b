// The main window with the program's English menu and an open dialog from
// the program's own templates, for a person to look at. Under the offscreen
// platform it saves the two windows separately; run under a real X server
// (xvfb-run -s '-screen 0 1024x768x24' env QT_QPA_PLATFORM=xcb ...) it also
// saves the whole screen.
#include "app_runtime.h"
#include "dialog.h"
#include "dialog_driver.h"
#include "menu.h"
#include "resources.h"
#include "window.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string output_dir = VELMARIN_TEST_OUTPUT_DIR;

std::intptr_t demo_main_proc(Window* w, const Message& m)
{
    if (m.msg == Msg::paint) {
        Canvas* dc = begin_paint(w);
        FontRecord f;
        f.face = "Times New Roman";
        f.height = 24;
        dc->select_font(f);
        dc->set_text_color(Rgb{128, 0, 0});
        dc->text_out(40, 40, "Velmarin: thermal cycle at the point");
        dc->select_pen(Pen{PenStyle::solid, 1, Rgb{0, 0, 0}});
        dc->move_to(40, 400);
        dc->line_to(700, 400);
        dc->move_to(40, 400);
        dc->line_to(40, 90);
        end_paint(w);
    }
    return 0;
}

std::intptr_t velocity_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        const char* texts[] = {"0.05", "0.00", "800.0", "500.0"};
        int ids[] = {10147, 10148, 10151, 10152};
        for (int i = 0; i < 4; ++i) set_item_text(dlg, ids[i], texts[i]);
        return 1;
    }
    return 0;
}

void wait_ms(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(Screenshot, MainWindowWithMenuAndOpenDialog)
{
    ASSERT_NE(find_menu_template("TRUETYPE"), nullptr);
    ASSERT_NE(find_dialog_template("VELOCITY_E"), nullptr);
    WindowClass cls;
    cls.name = "TRUETYPE";
    cls.proc = demo_main_proc;
    cls.menu_name = "TRUETYPE";
    cls.icon_name = "TRUETYPE";
    ASSERT_TRUE(register_window_class(cls));
    Window* w = create_window("TRUETYPE", load_string(10047), 0, 0, 800, 600);
    ASSERT_NE(w, nullptr);
    show_window(w);
    enable_menu_item(get_menu(w), 10182, mf_grayed);

    set_dialog_test_mode(true);
    bool shot = false;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        wait_ms(qgetenv("QT_QPA_PLATFORM") == "offscreen" ? 10 : 700);
        EXPECT_TRUE(save_window_screenshot(w, output_dir + "/platform_main_window.png"));
        EXPECT_TRUE(save_window_screenshot(dlg, output_dir + "/platform_velocity_dialog.png"));
        if (qgetenv("QT_QPA_PLATFORM") != "offscreen") {
            QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
            EXPECT_TRUE(screen.save(QString::fromStdString(output_dir + "/platform_screen.png")));
        }
        shot = true;
        end_dialog(dlg, 0);
    });
    EXPECT_EQ(dialog_box("VELOCITY_E", w, velocity_proc), 0);
    EXPECT_TRUE(shot);
    destroy_window(w);
    process_pending_messages();
}

}  // namespace

namespace {

std::intptr_t plain_dialog_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog && has_item(dlg, 10320)) check_button(dlg, 10320, true);
    return m.msg == Msg::init_dialog ? 1 : 0;
}

// The frame's small dialogs as the program shows them.
TEST(Screenshot, AboutLanguagesAndCautionDialogs)
{
    set_dialog_test_mode(true);
    for (const char* name : {"ABOUT_E", "LANGUAGES", "CAUTION"}) {
        ASSERT_NE(find_dialog_template(name), nullptr) << name;
        push_dialog_hook([](Window* dlg, const std::string& template_name) {
            EXPECT_TRUE(save_window_screenshot(dlg, output_dir + "/platform_dialog_" + template_name + ".png"));
            end_dialog(dlg, 1);
        });
        EXPECT_EQ(dialog_box(name, nullptr, plain_dialog_proc), 1);
    }
}

}  // namespace
