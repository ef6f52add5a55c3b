// The main window, its menu and dialogs from templates, driven as a user
// would drive them, offscreen.
#include "app_runtime.h"
#include "dialog.h"
#include "dialog_driver.h"
#include "fonts.h"
#include "menu.h"
#include "msgbox.h"
#include "resources.h"
#include "statusbar.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// By the test folder's own path: a compiler cache may shorten __FILE__ to a
// path relative to where it compiled.
const std::string fixtures = std::filesystem::path(VELMARIN_TEST_SOURCE_DIR) / "fixtures";
const std::string output_dir = VELMARIN_TEST_OUTPUT_DIR;

void load_fixtures()
{
    static bool done = false;
    if (done) return;
    std::vector<RcError> errors;
    ASSERT_TRUE(resources_add_rc_file(fixtures + "/layer_test.rc", &errors))
        << (errors.empty() ? std::string() : errors.front().text());
    done = true;
}

// What the main window procedure saw.
struct MainLog {
    std::vector<Msg> messages;
    std::vector<int> commands;
    int paints = 0;
    std::string y_text, z_text;
    std::intptr_t dialog_result = 0;
};
MainLog main_log;

// The dialog procedure of LT_POINT: fills the edits, reads them on OK.
std::string point_y = "0.05", point_z = "0.00";
std::intptr_t point_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        set_item_text(dlg, 101, point_y);
        set_item_text(dlg, 102, point_z);
        return 1;
    }
    if (m.msg == Msg::command && m.wparam() == id_ok) {
        point_y = get_item_text(dlg, 101);
        point_z = get_item_text(dlg, 102);
        end_dialog(dlg, 1);
        return 1;
    }
    if (m.msg == Msg::command && m.wparam() == 10081) {
        end_dialog(dlg, 0);
        return 1;
    }
    return 0;
}

std::intptr_t main_proc(Window* w, const Message& m)
{
    main_log.messages.push_back(m.msg);
    switch (m.msg) {
    case Msg::get_min_max_info: m.min_max->min_track_size = Point{500, 300}; return 0;
    case Msg::paint: {
        ++main_log.paints;
        Canvas* dc = begin_paint(w);
        dc->fill_rect(Rect{10, 10, 30, 30}, Rgb{0, 0, 255});
        end_paint(w);
        return 0;
    }
    case Msg::command:
        main_log.commands.push_back(m.id);
        if (m.id == 10311) main_log.dialog_result = dialog_box("LT_POINT", w, point_proc);
        return 0;
    case Msg::destroy: return 0;
    default: return 0;
    }
}

Window* make_main_window()
{
    load_fixtures();
    WindowClass cls;
    cls.name = "LT_TRUETYPE";
    cls.proc = main_proc;
    cls.menu_name = "LT_MENU";
    EXPECT_TRUE(register_window_class(cls));
    Window* w = create_window("LT_TRUETYPE", "Velmarin", 0, 0, 800, 600);
    EXPECT_NE(w, nullptr);
    show_window(w);
    process_pending_messages();
    return w;
}

QMainWindow* qt_main_window()
{
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* mw = qobject_cast<QMainWindow*>(t); mw && mw->isVisible()) return mw;
    return nullptr;
}

QAction* find_action(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == text) return a;
        if (a->menu())
            if (QAction* f = find_action(a->menu(), text)) return f;
    }
    return nullptr;
}

class Layer : public ::testing::Test {
protected:
    void SetUp() override
    {
        load_fixtures();
        set_dialog_test_mode(true);
        clear_dialog_hooks();
        message_box_take_log();
    }
    void TearDown() override
    {
        EXPECT_EQ(pending_dialog_hooks(), 0u);
        clear_dialog_hooks();
    }
};

TEST_F(Layer, MainWindowMenuAndModalDialogDrivenLikeAUser)
{
    main_log = MainLog{};
    Window* w = make_main_window();
    ASSERT_TRUE(is_window(w));
    // The size limits are asked for first, then create; a paint follows the show.
    ASSERT_GE(main_log.messages.size(), 2u);
    EXPECT_EQ(main_log.messages[0], Msg::get_min_max_info);
    EXPECT_EQ(main_log.messages[1], Msg::create);
    EXPECT_GE(main_log.paints, 1);
    EXPECT_EQ(window_pixel(w, 20, 20), (Rgb{0, 0, 255}));
    EXPECT_EQ(window_pixel(w, 100, 100), (Rgb{255, 255, 255}));
    EXPECT_EQ(get_window_title(w), "Velmarin");
    Rect client = get_client_rect(w);
    Rect outer = get_window_rect(w);
    EXPECT_EQ(client.left, 0);
    EXPECT_GT(client.right, 0);
    EXPECT_EQ(outer.width(), client.width() + 8);   // sizing border of 4 on each side
    EXPECT_GT(outer.height(), client.height() + 8 + 19);   // border, caption and menu bar

    // The menu: ids, three levels, graying by id (first occurrence only).
    Menu* menu = get_menu(w);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu_item_ids(menu), (std::vector<int>{10008, 10182, 10050, 10184, 10174, 10184, 65535}));
    EXPECT_EQ(get_menu_item_state(menu, 10182), static_cast<int>(mf_enabled));
    EXPECT_EQ(enable_menu_item(menu, 10182, mf_grayed), static_cast<int>(mf_enabled));
    EXPECT_EQ(get_menu_item_state(menu, 10182) & mf_grayed, mf_grayed);
    EXPECT_EQ(enable_menu_item(menu, 99999, mf_grayed), -1);   // an absent id changes nothing
    EXPECT_EQ(enable_menu_item(menu, 10184, mf_grayed), static_cast<int>(mf_enabled));
    QMainWindow* mw = qt_main_window();
    ASSERT_NE(mw, nullptr);
    QList<QAction*> bar = mw->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    EXPECT_EQ(bar[0]->text(), "&About");
    QAction* print = find_action(bar[0]->menu(), "Print");
    ASSERT_NE(print, nullptr);
    EXPECT_FALSE(print->isEnabled());
    EXPECT_FALSE(find_action(bar[1]->menu(), "Choose steel")->isEnabled());
    EXPECT_TRUE(find_action(bar[2]->menu(), "Choice of steel")->isEnabled());   // second occurrence untouched
    EXPECT_TRUE(find_action(bar[1]->menu(), "HV")->isEnabled());
    enable_menu_item(menu, 10182, mf_enabled);
    EXPECT_TRUE(print->isEnabled());

    // Choosing a menu item posts its command; the command opens the dialog,
    // which the hook fills in and accepts with OK.
    std::vector<Rect> rects;
    DialogBaseUnits base{};
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        EXPECT_EQ(name, "LT_POINT");
        EXPECT_EQ(get_item_text(dlg, 101), "0.05");
        dialog_type_text(dlg, 101, "0.5");
        dialog_type_text(dlg, 102, "1.25");
        for (int id : {101, 102, 105, 1, 10081}) rects.push_back(get_item_rect(dlg, id));
        rects.push_back(get_client_rect(dlg));
        base = dialog_base_units(dlg);
        dialog_click(dlg, id_ok);
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    QAction* heat = find_action(bar[1]->menu(), "Heat source model");
    ASSERT_NE(heat, nullptr);
    main_log.commands.clear();
    send_message(w, Message{Msg::command, 10311});
    EXPECT_EQ(main_log.dialog_result, 1);
    EXPECT_EQ(point_y, "0.5");
    EXPECT_EQ(point_z, "1.25");
    heat->trigger();
    process_pending_messages();
    EXPECT_EQ(main_log.commands, (std::vector<int>{10311, 10050}));

    // Arial 8 is shown in Liberation Sans at an em of 11 pixels: its
    // average letter width gives the x unit.
    EXPECT_EQ(base.x, dialog_font_base_units("Arial", 8).x);
    FontRecord arial;
    arial.face = "Arial";
    arial.height = -11;
    Size letters = measure_text(arial, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(base.x, (letters.cx / 26 + 1) / 2);
    // Its cell is 13 pixels, as the layouts need: the About picture of 380
    // pixels stands in 245 units, the digitizer's 480-pixel picture at y = 20
    // in a client area of 317 units.
    EXPECT_EQ(base.y, 13);
    EXPECT_GE(245 * base.y / 8, 380);
    EXPECT_GE(317 * base.y / 8, 20 + 480);
    auto px_x = [&](int du) { return (du * base.x * 2 + 4) / 8; };   // du * bx / 4, rounded
    auto px_y = [&](int du) { return (du * base.y * 2 + 8) / 16; };  // du * by / 8, rounded
    struct Expect { int x, y, cx, cy; };
    const Expect expected[] = {{60, 8, 50, 12}, {60, 24, 50, 12}, {10, 44, 100, 8}, {20, 96, 50, 14},
                               {100, 96, 50, 14}, {0, 0, 180, 120}};
    ASSERT_EQ(rects.size(), std::size(expected));
    for (size_t i = 0; i < rects.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rects[i], (Rect{px_x(expected[i].x), px_y(expected[i].y), px_x(expected[i].x + expected[i].cx),
                                  px_y(expected[i].y + expected[i].cy)}));
    }

    // Cancel leaves the texts as they were; closing by the title bar is Cancel.
    push_dialog_hook([](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 101, "9");
        dialog_click(dlg, 10081);
    });
    send_message(w, Message{Msg::command, 10311});
    EXPECT_EQ(main_log.dialog_result, 0);
    EXPECT_EQ(point_y, "0.5");
    push_dialog_hook([](Window* dlg, const std::string&) { dialog_close(dlg); });
    send_message(w, Message{Msg::command, 10311});
    EXPECT_EQ(main_log.dialog_result, 0);
    // Enter presses the default button, from any control.
    push_dialog_hook([](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 102, "7");
        dialog_press_enter(dlg);
    });
    send_message(w, Message{Msg::command, 10311});
    EXPECT_EQ(main_log.dialog_result, 1);
    EXPECT_EQ(point_z, "7");
    EXPECT_FALSE(quit_posted());
    EXPECT_TRUE(is_window(w));

    destroy_window(w);
    EXPECT_FALSE(is_window(w));
    EXPECT_EQ(main_log.messages.back(), Msg::destroy);
    process_pending_messages();
}

// LANGUAGES-like dialog: no Cancel, so closing does nothing; radio buttons of
// one group; Escape is a command IDCANCEL that the procedure may ignore.
std::vector<int> languages_commands;
int chosen_language = 0;
std::intptr_t languages_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        check_button(dlg, 10320, true);
        return 1;
    }
    if (m.msg == Msg::command) {
        languages_commands.push_back(m.id);
        if (m.wparam() == 10028) {
            for (int id = 10318; id <= 10322; ++id)
                if (is_button_checked(dlg, id)) chosen_language = id;
            end_dialog(dlg, 1);
        }
    }
    return 0;
}

TEST_F(Layer, DialogWithoutCancelStaysOpenOnCloseAndEscape)
{
    languages_commands.clear();
    push_dialog_hook([](Window* dlg, const std::string& name) {
        EXPECT_EQ(name, "LT_LANGUAGES");
        dialog_close(dlg);
        dialog_press_escape(dlg);
        EXPECT_TRUE(dialog_is_open(dlg));
        dialog_click(dlg, 10319);
        EXPECT_TRUE(is_button_checked(dlg, 10319));
        EXPECT_FALSE(is_button_checked(dlg, 10320));   // auto radio buttons of one group
        dialog_click(dlg, 10319);                      // clicking the checked one keeps it
        EXPECT_TRUE(is_button_checked(dlg, 10319));
        dialog_press_enter(dlg);
    });
    EXPECT_EQ(dialog_box("LT_LANGUAGES", nullptr, languages_proc), 1);
    EXPECT_EQ(chosen_language, 10319);
    EXPECT_EQ(languages_commands, (std::vector<int>{id_cancel, 10319, 10319, 10028}));
    EXPECT_FALSE(quit_posted());
}

TEST_F(Layer, MissingTemplateIsReportedAndReturnsMinusOne)
{
    EXPECT_EQ(dialog_box("NO_SUCH_TEMPLATE", nullptr, languages_proc), -1);
    auto log = message_box_take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].text.find("NO_SUCH_TEMPLATE"), std::string::npos);
    // A hookless modal dialog in test mode ends at once instead of waiting.
    EXPECT_EQ(dialog_box("LT_LANGUAGES", nullptr, languages_proc), -1);
}

// The controls dialog: check box, two radio groups, combo box, frame cell
// clicks, progress bar, clicks on the client area and painting under labels.
struct ControlsLog {
    std::vector<std::pair<int, int>> commands;
    std::vector<Point> clicks;
} controls_log;

std::intptr_t controls_proc(Window* dlg, const Message& m)
{
    switch (m.msg) {
    case Msg::init_dialog:
        combo_reset(dlg, 10067);
        for (const char* t : {"0.4", "0.38", "0.36"}) combo_add_string(dlg, 10067, t);
        combo_insert_string(dlg, 10067, 0, "0.09");
        combo_set_cur_sel(dlg, 10067, 0);
        progress_set_range(dlg, 10027, 0, 100);
        progress_set_step(dlg, 10027, 5);
        return 1;
    case Msg::paint: {
        Canvas* dc = begin_paint(dlg);
        Rect r = map_dialog_rect(dlg, Rect{100, 80, 220, 90});
        dc->fill_rect(r, Rgb{255, 0, 0});
        end_paint(dlg);
        return 0;
    }
    case Msg::command:
        controls_log.commands.emplace_back(m.id, m.code);
        if (m.wparam() == id_cancel) end_dialog(dlg, 2);
        return 0;
    case Msg::lbutton_down: controls_log.clicks.push_back(m.point); return 0;
    default: return 0;
    }
}

TEST_F(Layer, ControlsBehaveAsTheClassicOnes)
{
    controls_log = ControlsLog{};
    push_dialog_hook([](Window* dlg, const std::string&) {
        // Check box toggles; radio groups are independent.
        dialog_click(dlg, 1005);
        EXPECT_TRUE(is_button_checked(dlg, 1005));
        dialog_click(dlg, 201);
        dialog_click(dlg, 204);
        EXPECT_TRUE(is_button_checked(dlg, 201));
        EXPECT_TRUE(is_button_checked(dlg, 204));
        dialog_click(dlg, 202);
        EXPECT_FALSE(is_button_checked(dlg, 201));
        EXPECT_TRUE(is_button_checked(dlg, 204));
        check_radio_button(dlg, 201, 204, 203);
        EXPECT_FALSE(is_button_checked(dlg, 202));
        EXPECT_FALSE(is_button_checked(dlg, 204));
        EXPECT_TRUE(is_button_checked(dlg, 203));

        // Combo box: list, selection, typed text, exact search.
        EXPECT_EQ(combo_get_count(dlg, 10067), 4);
        EXPECT_EQ(get_item_text(dlg, 10067), "0.09");
        EXPECT_EQ(combo_get_cur_sel(dlg, 10067), 0);
        EXPECT_EQ(combo_get_item_text(dlg, 10067, 2), "0.38");
        EXPECT_EQ(combo_find_string_exact(dlg, 10067, "0.36"), 3);
        EXPECT_EQ(combo_find_string_exact(dlg, 10067, "0.3"), -1);
        dialog_choose_combo_item(dlg, 10067, 2);
        EXPECT_EQ(get_item_text(dlg, 10067), "0.38");
        EXPECT_EQ(combo_get_cur_sel(dlg, 10067), 2);
        dialog_type_text(dlg, 10067, "0.123");
        EXPECT_EQ(get_item_text(dlg, 10067), "0.123");
        EXPECT_EQ(combo_get_cur_sel(dlg, 10067), -1);
        EXPECT_EQ(combo_get_count(dlg, 10067), 4);   // typing adds nothing to the list

        // Progress bar: steps of 5, full after 20 and stays full.
        for (int i = 0; i < 19; ++i) progress_step_it(dlg, 10027);
        EXPECT_EQ(progress_get_pos(dlg, 10027), 95);
        progress_step_it(dlg, 10027);
        progress_step_it(dlg, 10027);
        EXPECT_EQ(progress_get_pos(dlg, 10027), 100);

        // A click on the frame cell is a command with its id; a click on the
        // bare client area (or on a static text) reaches the procedure.
        Rect frame = get_item_rect(dlg, 10051);
        dialog_click_at(dlg, frame.left + 5, frame.top + 5);
        Rect label = map_dialog_rect(dlg, Rect{100, 80, 220, 90});
        dialog_click_at(dlg, label.left + 3, label.top + 3);
        dialog_click_at(dlg, 3, 3);

        // Painting shows under the transparent static text.
        process_pending_messages();
        std::string png = output_dir + "/platform_controls_dialog.png";
        ASSERT_TRUE(save_window_screenshot(dlg, png));
        QImage shot(QString::fromStdString(png));
        ASSERT_FALSE(shot.isNull());
        QColor c = shot.pixelColor(label.right - 2, label.bottom - 2);
        EXPECT_EQ(c, QColor(255, 0, 0));

        // Status bar: parts and texts, emptied by new parts.
        status_bar_set_parts(dlg, {50, 100, -1});
        status_bar_set_text(dlg, 1, " y =  20");
        EXPECT_EQ(status_bar_part_count(dlg), 3);
        EXPECT_EQ(status_bar_text(dlg, 1), " y =  20");
        status_bar_set_parts(dlg, {60, -1});
        EXPECT_EQ(status_bar_text(dlg, 1), "");
        EXPECT_GT(status_bar_height(dlg), 10);

        dialog_close(dlg);   // IDCANCEL exists: closing presses it
    });
    EXPECT_EQ(dialog_box("LT_CONTROLS", nullptr, controls_proc), 2);
    const std::vector<std::pair<int, int>> expected = {
        {1005, 0}, {201, 0}, {204, 0}, {202, 0}, {10067, notify_combo_sel_change}, {10067, notify_combo_edit_change},
        {10051, 0}, {id_cancel, 0}};
    EXPECT_EQ(controls_log.commands, expected);
    ASSERT_EQ(controls_log.clicks.size(), 2u);
    EXPECT_EQ(controls_log.clicks[1], (Point{3, 3}));
}

TEST_F(Layer, ReplacedMenuKeepsTheStatesById)
{
    main_log = MainLog{};
    Window* w = make_main_window();
    Menu* m = get_menu(w);
    enable_menu_item(m, 10182, mf_grayed);
    enable_menu_item(m, 10174, mf_grayed);
    ASSERT_TRUE(replace_menu(w, "LT_MENU_RU", true));
    Menu* ru = get_menu(w);
    EXPECT_NE(ru, m);
    EXPECT_EQ(get_menu_item_text(ru, 10182), "Печать");
    EXPECT_EQ(get_menu_item_state(ru, 10182) & mf_grayed, mf_grayed);   // Print moved, still grayed
    EXPECT_EQ(get_menu_item_state(ru, 10174) & mf_grayed, mf_grayed);
    EXPECT_EQ(get_menu_item_state(ru, 10050) & mf_grayed, 0u);
    ASSERT_TRUE(replace_menu(w, "LT_MENU", false));
    EXPECT_EQ(get_menu_item_state(get_menu(w), 10182), static_cast<int>(mf_enabled));
    EXPECT_FALSE(replace_menu(w, "NO_SUCH_MENU", true));
    destroy_window(w);
    process_pending_messages();
}

// Report once: a paint that fails at every repaint shows its box once, after
// the paint; the next command allows it again.
int failing_paints = 0;
size_t boxes_shown_by_the_call = 0;
std::vector<MessageBoxRecord> boxes;
std::intptr_t failing_proc(Window* w, const Message& m)
{
    if (m.msg == Msg::paint) {
        ++failing_paints;
        begin_paint(w);
        for (auto& b : message_box_take_log()) boxes.push_back(b);
        message_box(w, "File not present x.sp0", "  Message!", mb_iconerror);
        auto during = message_box_take_log();
        boxes_shown_by_the_call += during.size();
        boxes.insert(boxes.end(), during.begin(), during.end());
        end_paint(w);
    }
    return 0;
}

TEST_F(Layer, ReportDuringRepaintIsShownOnceAfterThePaint)
{
    WindowClass cls;
    cls.name = "LT_FAILING";
    cls.proc = failing_proc;
    register_window_class(cls);
    Window* w = create_window("LT_FAILING", "failing", 0, 0, 600, 400);
    show_window(w);
    for (int i = 0; i < 4; ++i) {
        invalidate_window(w);
        process_pending_messages();
    }
    EXPECT_GE(failing_paints, 4);
    EXPECT_EQ(boxes_shown_by_the_call, 0u);   // never shown inside the paint
    for (auto& b : message_box_take_log()) boxes.push_back(b);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], (MessageBoxRecord{"File not present x.sp0", "  Message!", mb_iconerror}));

    boxes.clear();
    send_message(w, Message{Msg::command, 10307});   // a new command
    invalidate_window(w);
    update_window(w);
    invalidate_window(w);
    process_pending_messages();
    for (auto& b : message_box_take_log()) boxes.push_back(b);
    EXPECT_EQ(boxes.size(), 1u);

    // Outside a paint a box is always shown.
    message_box(w, "File not present x.sp0", "  Message!", mb_iconerror);
    EXPECT_EQ(message_box_take_log().size(), 1u);
    destroy_window(w);
    process_pending_messages();
}

// Drawing at once and painting do not interfere: a repaint asked for while
// an immediate drawing is under way waits for it.
int plain_paints = 0;
std::intptr_t plain_proc(Window* w, const Message& m)
{
    if (m.msg == Msg::paint) {
        ++plain_paints;
        Canvas* dc = begin_paint(w);
        dc->fill_rect(Rect{0, 0, 5, 5}, Rgb{0, 128, 0});
        end_paint(w);
    }
    return 0;
}

TEST_F(Layer, ImmediateDrawingAndRepaintsShareTheBackingImage)
{
    WindowClass cls;
    cls.name = "LT_PLAIN";
    cls.proc = plain_proc;
    register_window_class(cls);
    Window* w = create_window("LT_PLAIN", "plain", 0, 0, 600, 400);
    show_window(w);
    process_pending_messages();
    int paints = plain_paints;
    {
        auto dc = get_dc(w);
        dc->fill_rect(Rect{50, 50, 60, 60}, Rgb{10, 20, 30});
        invalidate_window(w, true);
        process_pending_messages();   // the repaint waits for the drawing
        EXPECT_EQ(plain_paints, paints);
    }
    EXPECT_EQ(window_pixel(w, 55, 55), (Rgb{10, 20, 30}));
    process_pending_messages();   // now the erase-and-paint runs
    EXPECT_EQ(plain_paints, paints + 1);
    EXPECT_EQ(window_pixel(w, 55, 55), (Rgb{255, 255, 255}));
    EXPECT_EQ(window_pixel(w, 2, 2), (Rgb{0, 128, 0}));
    destroy_window(w);
    // Drawing on a window that is gone does nothing harmful.
    auto dead = get_dc(w);
    dead->fill_rect(Rect{0, 0, 3, 3}, Rgb{1, 2, 3});
    process_pending_messages();
}

// The modeless pattern of a progress display: made, advanced and drawn into
// synchronously without a message loop, then destroyed.
std::intptr_t silent_proc(Window*, const Message& m) { return m.msg == Msg::init_dialog ? 1 : 0; }

TEST_F(Layer, ModelessDialogIsAdvancedAndDrawnWithoutALoop)
{
    Window* dlg = create_dialog("LT_CONTROLS", nullptr, silent_proc);
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dialog_is_open(dlg));
    update_window(dlg);   // its first paint (erasing) happens now, not later over the texts
    progress_set_range(dlg, 10027, 0, 100);
    progress_set_step(dlg, 10027, 5);
    EXPECT_EQ(progress_step_it(dlg, 10027), 0);
    EXPECT_EQ(progress_get_pos(dlg, 10027), 5);
    EXPECT_EQ(progress_set_pos(dlg, 10027, 250), 5);
    EXPECT_EQ(progress_get_pos(dlg, 10027), 100);
    {
        auto dc = get_dc(dlg);
        dc->set_background_color(Rgb{194, 194, 194});
        FontRecord f;
        f.face = "MS Sans Serif";
        f.height = 14;
        dc->select_font(f);
        dc->text_out(55, 10, "Wait please...");
    }
    update_window(dlg);   // nothing pending: the texts stay
    EXPECT_EQ(window_pixel(dlg, 56, 11), (Rgb{194, 194, 194}));   // the text's grey band
    destroy_window(dlg);
    EXPECT_FALSE(is_window(dlg));
    EXPECT_FALSE(dialog_is_open(dlg));
    progress_step_it(dlg, 10027);   // a gone dialog is ignored
    EXPECT_EQ(create_dialog("NO_SUCH_TEMPLATE", nullptr, silent_proc), nullptr);
    EXPECT_EQ(message_box_take_log().size(), 1u);
    process_pending_messages();
}

}  // namespace
