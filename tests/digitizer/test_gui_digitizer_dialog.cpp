// The Digitization dialog driven as a user would: a picture chosen, the axes
// calibrated by three clicks, a curve and a label captured, the files saved
// through the choosers and read back by the atlas readers.
#include "atlas_files.h"
#include "curve_set.h"
#include "dialog.h"
#include "dialog_driver.h"
#include "digitized_data.h"
#include "digitizer_dialog.h"
#include "digitizer_inputs.h"
#include "lang.h"
#include "msgbox.h"
#include "statusbar.h"
#include "window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path out_dir()
{
    fs::path d = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "digitizer_dialog";
    fs::create_directories(d);
    return d;
}

void put16(std::ofstream& f, std::uint16_t v) { f.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& f, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) f.put(char((v >> (8 * i)) & 0xFF));
}

// A scanned diagram in small: white paper, black axes from (50, 25) over
// (50, 200) to (300, 200), a red falling curve. Shown scaled twice, so the
// axes meet at (120, 420) of the dialog.
fs::path write_diagram_bmp()
{
    const int w = 320, h = 240, stride = (w * 3 + 3) / 4 * 4;
    std::vector<unsigned char> px(static_cast<size_t>(stride) * h, 255);
    auto set = [&](int x, int y, int r, int g, int b) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        unsigned char* p = &px[static_cast<size_t>(h - 1 - y) * stride + 3 * x];
        p[0] = static_cast<unsigned char>(b);
        p[1] = static_cast<unsigned char>(g);
        p[2] = static_cast<unsigned char>(r);
    };
    for (int y = 25; y <= 200; ++y) set(50, y, 0, 0, 0);
    for (int x = 50; x <= 300; ++x) set(x, 200, 0, 0, 0);
    for (int x = 60; x <= 290; ++x) {
        int y = 40 + static_cast<int>(150 * std::log(1.0 + (x - 60) / 40.0) / std::log(1.0 + 230 / 40.0));
        set(x, y, 255, 0, 0);
        set(x, y + 1, 255, 0, 0);
    }
    // Each test runs in a process of its own, side by side with the others:
    // one picture per process, so that none reads another's half written.
    fs::path p = out_dir() / ("diagram_" + std::to_string(::getpid()) + ".bmp");
    std::ofstream f(p, std::ios::binary);
    f.put('B').put('M');
    put32(f, 54 + static_cast<std::uint32_t>(px.size()));
    put32(f, 0);
    put32(f, 54);
    put32(f, 40);
    put32(f, w);
    put32(f, h);
    put16(f, 1);
    put16(f, 24);
    put32(f, 0);
    put32(f, static_cast<std::uint32_t>(px.size()));
    put32(f, 2835);
    put32(f, 2835);
    put32(f, 0);
    put32(f, 0);
    f.write(reinterpret_cast<const char*>(px.data()), static_cast<std::streamsize>(px.size()));
    return p;
}

class DigitizerDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        clear_dialog_hooks();
        message_box_take_log();
        set_language(Language::english);
        reset_digitizer_state();
    }
    void TearDown() override { clear_dialog_hooks(); }
};

ChooserAnswer file_answer(const fs::path& p, int filter = 1)
{
    ChooserAnswer a;
    a.path = p.string();
    a.filter_index = filter;
    return a;
}

} // namespace

TEST_F(DigitizerDialog, CalibrateCaptureStoreAndSave)
{
    const fs::path bmp = write_diagram_bmp();
    const fs::path spl = out_dir() / "captured.spl";
    const fs::path txt = out_dir() / "captured.txt";
    fs::remove(spl);
    fs::remove(txt);
    push_chooser_answer(file_answer(bmp));
    bool ran = false;
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        ran = true;
        EXPECT_EQ(name, "PCX_DIALOG_E");
        EXPECT_EQ(picture_path, bmp.string());
        EXPECT_TRUE(is_button_checked(dlg, 10320));
        EXPECT_EQ(digitizer_mode, 3);
        EXPECT_FALSE(is_item_enabled(dlg, 10070));

        // The axes of the picture: top of the value axis, right end of the
        // time axis, origin.
        dialog_click_at(dlg, 120, 70);
        dialog_click_at(dlg, 620, 420);
        EXPECT_EQ(status_bar_text(dlg, 3), "введите 0,0 > (1)");
        push_dialog_hook([](Window* axis, const std::string& n) {
            EXPECT_EQ(n, "AXIS");
            EXPECT_EQ(get_item_text(axis, 10073), "900.0");
            EXPECT_TRUE(is_button_checked(axis, 1005));
            dialog_click(axis, 1012);
        });
        dialog_click_at(dlg, 120, 420);
        EXPECT_EQ(calibration_rect, (Rect{120, 70, 620, 420}));
        EXPECT_EQ(status_bar_part_count(dlg), 8);
        EXPECT_EQ(status_bar_text(dlg, 3), " phi = 0");
        EXPECT_EQ(status_bar_text(dlg, 5), " phi[Deg] = 0");
        EXPECT_EQ(digitizer_mode, 1);
        EXPECT_TRUE(is_button_checked(dlg, 10318));
        EXPECT_FALSE(is_button_checked(dlg, 10320));

        // Two curve points: the middle (20 s, 450 degrees) and one further on.
        dialog_click_at(dlg, 370, 245);
        EXPECT_EQ(status_bar_text(dlg, 2), " kuhlzeit: 20");
        EXPECT_EQ(status_bar_text(dlg, 3), " temperature: 450");
        EXPECT_EQ(status_bar_text(dlg, 4), " Число точек: 1");
        dialog_click_at(dlg, 500, 350);
        dialog_click_at(dlg, 700, 350);   // outside: nothing added, status emptied
        EXPECT_EQ(status_bar_text(dlg, 4), "");
        ASSERT_EQ(curve_xs.size(), 2u);

        push_dialog_hook([](Window* hv, const std::string& n) {
            EXPECT_EQ(n, "VICKERSHARDNESS_E");
            EXPECT_EQ(get_item_text(hv, 1008), "5");
            dialog_type_text(hv, 1008, "250");
            dialog_click(hv, 1010);
        });
        dialog_click(dlg, 10355);   // ends the curve: stored at once
        EXPECT_EQ(curve_count, 1);
        EXPECT_TRUE(curve_xs.empty());
        EXPECT_EQ(spline_end, 25 + 2 * 2 + 3);

        // A label.
        dialog_click(dlg, 10319);
        push_dialog_hook([](Window* t, const std::string& n) {
            EXPECT_EQ(n, "TXT");
            dialog_type_text(t, 1014, "Ferrit");
            dialog_click(t, 1010);
        });
        dialog_click_at(dlg, 250, 150);
        ASSERT_EQ(label_table.size(), 1u);
        EXPECT_EQ(label_table[0].text, "Ferri");
        update_window(dlg);

        EXPECT_TRUE(save_window_screenshot(dlg, (out_dir() / "digitization_dialog.png").string()));

        push_chooser_answer(file_answer(spl));
        dialog_click(dlg, 1002);
        push_chooser_answer(file_answer(txt));
        dialog_click(dlg, 1003);
        dialog_click(dlg, 10356);
    });
    show_pcx_dialog();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(message_box_take_log().empty());

    CurveSet set;
    AtlasReadResult r = read_curve_file(spl.string(), set);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(set.size(), 32u);
    std::vector<double> xs, ys;
    int n = 0, colour = 0;
    ASSERT_TRUE(extract_curve(set, xs, ys, n, colour, 0));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(colour, 255);
    EXPECT_EQ(xs[0], 250 * (5.991464547743 / 500));   // about ln 20, exactly as captured
    EXPECT_NEAR(ys[0], 450, 1e-9);
    EXPECT_NEAR(ys[1], 900.0 * 70 / 350, 1e-9);
    EXPECT_DOUBLE_EQ(set[31], 250);

    std::vector<LabelRecord> labels;
    r = read_label_file(txt.string(), labels);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "Ferri");
    EXPECT_NEAR(labels[0].y, 900.0 * 270 / 350, 1e-3);
}

TEST_F(DigitizerDialog, MissingPictureIsToldAndTheDialogGoesOn)
{
    push_chooser_answer(file_answer(out_dir() / "no_such_picture.bmp"));
    push_dialog_hook([](Window* dlg, const std::string&) {
        std::vector<MessageBoxRecord> log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_NE(log[0].text.find("no_such_picture.bmp"), std::string::npos);
        update_window(dlg);   // painting without a picture is fine
        // Two equal reference points: the origin on the right end.
        dialog_click_at(dlg, 100, 50);
        dialog_click_at(dlg, 600, 400);
        dialog_click_at(dlg, 600, 400);   // refused before the AXIS dialog
        log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_NE(log[0].text.find("calibrated"), std::string::npos);
        EXPECT_EQ(calibration_rect, (Rect{0, 0, 0, 0}));
        EXPECT_EQ(digitizer_mode, 3);
        EXPECT_EQ(axes_click, 0);
        // Clicks in curve mode before a calibration add nothing.
        dialog_click(dlg, 10318);
        check_radio_button(dlg, 10318, 10320, 10318);
        dialog_click_at(dlg, 300, 300);
        EXPECT_TRUE(curve_xs.empty());
        // A logarithmic axis from 0 is refused; the preview stays the diagram's.
        check_radio_button(dlg, 10318, 10320, 10320);
        push_dialog_hook([](Window* axis, const std::string&) {
            dialog_type_text(axis, 10071, "100");
            dialog_click(axis, 1012);
        });
        dialog_click_at(dlg, 100, 50);
        dialog_click_at(dlg, 600, 400);
        dialog_click_at(dlg, 100, 400);
        log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_NE(log[0].text.find("logarithmic"), std::string::npos);
        EXPECT_DOUBLE_EQ(preview_box.x_max, digitizer_box.x_max);
        EXPECT_EQ(calibration_rect, (Rect{100, 50, 600, 400}));
        // Saving a structure table with no list writes nothing and says so
        // (the button is in the Russian version; the command is the same).
        send_message(dlg, Message{Msg::command, 1004});
        EXPECT_EQ(message_box_take_log().size(), 1u);
        dialog_click(dlg, 2);
    });
    show_pcx_dialog();
}

// The picture is read once, when chosen: replaced meanwhile by a pipe (which
// nothing may wait on) or by something else, the dialog repaints what it read
// and keeps the work in it. The watchdog fails a dialog that would wait.
TEST_F(DigitizerDialog, RepaintsKeepThePictureReadWhenItWasChosen)
{
    const fs::path bmp = write_diagram_bmp();
    push_chooser_answer(file_answer(bmp));
    push_dialog_hook([&](Window* dlg, const std::string&) {
        update_window(dlg);
        // The picture's value axis, shown scaled twice at x = 120, on its
        // white paper.
        const Rgb axis = window_pixel(dlg, 120, 300);
        EXPECT_LT(axis.r + axis.g + axis.b, 3 * 128);
        EXPECT_EQ(window_pixel(dlg, 200, 300), (Rgb{255, 255, 255}));
        ::alarm(60);
        fs::remove(bmp);
        ASSERT_EQ(::mkfifo(bmp.c_str(), 0600), 0);
        update_window(dlg);
        EXPECT_EQ(window_pixel(dlg, 120, 300), axis);
        fs::remove(bmp);
        fs::create_symlink("/dev/zero", bmp);
        update_window(dlg);
        EXPECT_EQ(window_pixel(dlg, 120, 300), axis);
        ::alarm(0);
        EXPECT_TRUE(message_box_take_log().empty());
        dialog_click(dlg, 2);
    });
    show_pcx_dialog();
    fs::remove(bmp);
}

TEST_F(DigitizerDialog, ACurveStopsAtOneHundredPointsWithOneMessage)
{
    push_chooser_answer(ChooserAnswer{false, "", 1, {}});
    push_dialog_hook([](Window* dlg, const std::string&) {
        calibration_rect = Rect{100, 50, 600, 400};
        check_radio_button(dlg, 10318, 10320, 10318);
        for (int i = 0; i < 120; ++i) dialog_click_at(dlg, 110 + 4 * i, 300);
        EXPECT_EQ(curve_xs.size(), 100u);
        EXPECT_EQ(message_box_take_log().size(), 1u);
        message_box_push_answer(id_no);
        dialog_click(dlg, 2);
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    show_pcx_dialog();
    EXPECT_TRUE(picture_path.empty());   // the chooser was cancelled
}

TEST_F(DigitizerDialog, RussianStructurePointsColourStoreAndReopening)
{
    set_language(Language::russian);
    const fs::path tx = out_dir() / "structure.tx_";
    fs::remove(tx);
    push_chooser_answer(ChooserAnswer{false, "", 1, {}});   // no picture
    push_dialog_hook([&](Window* dlg, const std::string& name) {
        EXPECT_EQ(name, "PCX_DIALOG_RU");
        push_dialog_hook([](Window* axis, const std::string&) { dialog_click(axis, 1012); });
        dialog_click_at(dlg, 100, 50);
        dialog_click_at(dlg, 600, 400);
        dialog_click_at(dlg, 100, 400);
        ASSERT_EQ(calibration_rect, (Rect{100, 50, 600, 400}));

        // A structure point at 20 s with the dialog's defaults but ferrite.
        dialog_click(dlg, 10321);
        EXPECT_EQ(digitizer_mode, 4);
        ASSERT_TRUE(structure_list.has_value());
        push_dialog_hook([](Window* t, const std::string& n) {
            EXPECT_EQ(n, "TXT2");
            EXPECT_EQ(get_item_text(t, 1017), "00");
            EXPECT_EQ(get_item_text(t, 1018), "400");
            dialog_type_text(t, 1015, "12.25");
            dialog_click(t, 1010);
        });
        dialog_click_at(dlg, 350, 225);
        EXPECT_EQ(status_bar_part_count(dlg), 5);
        ASSERT_EQ(structure_list->size(), 1u);
        push_chooser_answer(file_answer(tx, 2));
        dialog_click(dlg, 1004);
        EXPECT_FALSE(structure_list.has_value());

        // A curve "without HV", then a point and a new colour: the colour
        // stores the new point as a second curve.
        check_radio_button(dlg, 10318, 10321, 10318);
        dialog_click(dlg, 10318);
        dialog_click_at(dlg, 350, 225);
        push_dialog_hook([](Window* hv, const std::string& n) {
            EXPECT_EQ(n, "VICKERSHARDNESS_RU");
            dialog_click(hv, 1011);
        });
        dialog_click(dlg, 10355);
        update_window(dlg);
        EXPECT_EQ(curve_count, 1);
        EXPECT_DOUBLE_EQ(curve_hardness, -1);
        dialog_click_at(dlg, 475, 120);
        ChooserAnswer blue;
        blue.colour = Rgb{0, 0, 255};
        push_chooser_answer(blue);
        dialog_click(dlg, 1013);
        EXPECT_EQ(store_pending, 1);
        update_window(dlg);
        EXPECT_EQ(curve_count, 2);
        // Second record: n = 0, colour 0xFF0000, one point, HV -1.
        EXPECT_DOUBLE_EQ(spline_buffer[30], 0);
        EXPECT_DOUBLE_EQ(spline_buffer[31], 0xFF0000);
        EXPECT_NEAR(spline_buffer[32], 0.75 * 5.991464547743, 1e-9);
        EXPECT_NEAR(spline_buffer[33], 900.0 * 280 / 350, 1e-9);
        EXPECT_DOUBLE_EQ(spline_buffer[34], -1);
        message_box_push_answer(id_no);
        dialog_click(dlg, 10356);
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    show_pcx_dialog();
    const std::vector<MessageBoxRecord> asked = message_box_take_log();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Не сохранено: кривые: 2.\nСохранить перед закрытием оцифровки?");

    std::vector<StructureRow> rows;
    AtlasReadResult r = read_structure_table(tx.string(), rows);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NEAR(rows[0].cooling_time, 20, 1e-4);
    EXPECT_DOUBLE_EQ(rows[0].ferrite, 12.25);   // as typed: numbers are not cut to a slot
    EXPECT_DOUBLE_EQ(rows[0].bainite, 0);
    EXPECT_DOUBLE_EQ(rows[0].hv, 400);

    // Reopened: no picture chooser, the calibration kept, the curves gone.
    push_dialog_hook([](Window*, const std::string&) {
        EXPECT_EQ(spline_end, 25);
        EXPECT_EQ(calibration_rect, (Rect{100, 50, 600, 400}));
        EXPECT_EQ(digitizer_mode, 3);
    });
    push_chooser_answer(ChooserAnswer{false, "", 1, {}});
    show_pcx_dialog();
    EXPECT_EQ(pending_chooser_answers(), 1u);
    ChooserAnswer unused;
    take_chooser_answer(unused);
}

namespace {

// The dialog over calibrated axes (100, 50)-(600, 400), no picture, in the
// given mode's radio button.
void calibrated(Window* dlg, int radio)
{
    calibration_rect = Rect{100, 50, 600, 400};
    check_radio_button(dlg, 10318, 10321, radio);
}

void hardness_ok(const char* hv)
{
    push_dialog_hook([hv](Window* d, const std::string&) {
        dialog_type_text(d, 1008, hv);
        dialog_click(d, 1010);
    });
}

void label_ok(const char* text)
{
    push_dialog_hook([text](Window* d, const std::string&) {
        dialog_type_text(d, 1014, text);
        dialog_click(d, 1010);
    });
}

void structure_ok(const char* ferrite)
{
    push_dialog_hook([ferrite](Window* d, const std::string&) {
        dialog_type_text(d, 1015, ferrite);
        dialog_click(d, 1010);
    });
}

ChooserAnswer no_picture() { return ChooserAnswer{false, "", 1, {}}; }

} // namespace

// "Spline" ends the curve: its points are in the curve set at once, so a
// save before any repaint writes them; without points nothing is stored.
TEST_F(DigitizerDialog, ACurveIsStoredWhenEndedAndASaveBeforeARepaintHoldsItsPoints)
{
    const fs::path spl = out_dir() / "ended.spl";
    fs::remove(spl);
    push_chooser_answer(no_picture());
    push_dialog_hook([&](Window* dlg, const std::string&) {
        calibrated(dlg, 10318);
        dialog_click(dlg, 10355);   // no point yet: told, no hardness asked
        EXPECT_EQ(message_box_take_log().size(), 1u);
        EXPECT_EQ(spline_end, 25);
        EXPECT_EQ(curve_count, 0);

        dialog_click_at(dlg, 350, 225);
        dialog_click_at(dlg, 475, 120);
        hardness_ok("250");
        dialog_click(dlg, 10355);
        EXPECT_EQ(spline_end, 25 + 2 * 2 + 3);
        push_chooser_answer(file_answer(spl));
        dialog_click(dlg, 1002);   // no paint in between

        // A colour chosen with no new point stores nothing; a cancelled
        // chooser changes no colour.
        ChooserAnswer blue;
        blue.colour = Rgb{0, 0, 255};
        push_chooser_answer(blue);
        dialog_click(dlg, 1013);
        EXPECT_EQ(spline_end, 32);
        EXPECT_EQ(curve_colour, (Rgb{0, 0, 255}));
        push_chooser_answer(ChooserAnswer{false, "", 1, {}});
        dialog_click(dlg, 1013);
        EXPECT_EQ(curve_colour, (Rgb{0, 0, 255}));
        dialog_click(dlg, 10356);
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    show_pcx_dialog();
    EXPECT_TRUE(message_box_take_log().empty());

    CurveSet set;
    AtlasReadResult r = read_curve_file(spl.string(), set);
    ASSERT_TRUE(r.ok) << r.message;
    std::vector<double> xs, ys;
    int n = -1, colour = 0;
    ASSERT_TRUE(extract_curve(set, xs, ys, n, colour, 0));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(xs[0], 250 * (5.991464547743 / 500));   // 20 s
    EXPECT_NEAR(ys[0], 450, 1e-9);
    EXPECT_EQ(set[31], 250);
}

// Cancel (its button or the window's close button) in the label and the
// structure dialog adds nothing; a label of blanks is refused and the
// dialog stays open with it.
TEST_F(DigitizerDialog, CancelInTheLabelAndStructureDialogsAddsNothing)
{
    set_language(Language::russian);
    push_chooser_answer(no_picture());
    push_dialog_hook([](Window* dlg, const std::string&) {
        struct Case {
            int radio;
            const char* dialog;
            std::function<void(Window*)> leave;
        };
        const Case cases[] = {
            {10319, "TXT", [](Window* d) { dialog_click(d, 1011); }},
            {10319, "TXT", [](Window* d) { dialog_close(d); }},
            {10319, "TXT",
             [](Window* d) {
                 dialog_type_text(d, 1014, "   ");
                 dialog_click(d, 1010);
                 EXPECT_TRUE(dialog_is_open(d));
                 const std::vector<MessageBoxRecord> log = message_box_take_log();
                 ASSERT_EQ(log.size(), 1u);
                 EXPECT_NE(log[0].text.find("пробелов"), std::string::npos) << log[0].text;
                 dialog_click(d, 1011);
             }},
            {10321, "TXT2", [](Window* d) { dialog_click(d, 1011); }},
            {10321, "TXT2", [](Window* d) { dialog_close(d); }},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.dialog);
            calibrated(dlg, c.radio);
            if (c.radio == 10321) dialog_click(dlg, 10321);
            bool asked = false;
            push_dialog_hook([&](Window* d, const std::string& name) {
                asked = true;
                EXPECT_EQ(name, c.dialog);
                c.leave(d);
            });
            dialog_click_at(dlg, 350, 225);
            EXPECT_TRUE(asked);
            EXPECT_TRUE(label_table.empty());
            EXPECT_TRUE(!structure_list || structure_list->empty());
            EXPECT_EQ(labels_pending, 0);
        }
        // Accepted, each adds its one record.
        calibrated(dlg, 10319);
        label_ok("Ф");
        dialog_click_at(dlg, 350, 225);
        ASSERT_EQ(label_table.size(), 1u);
        EXPECT_EQ(label_table[0].text, "Ф");
        calibrated(dlg, 10321);
        structure_ok("30");
        dialog_click_at(dlg, 350, 225);
        ASSERT_TRUE(structure_list.has_value());
        ASSERT_EQ(structure_list->size(), 1u);
        EXPECT_EQ((*structure_list)[0].ferrite, 30);
        EXPECT_TRUE(message_box_take_log().empty());
        message_box_push_answer(id_no);
        dialog_click(dlg, 2);
    });
    show_pcx_dialog();
}

// Closing with work not saved asks: Cancel stays with everything, No drops
// what was not saved, Yes saves each kind through its chooser (a chooser
// cancelled keeps the dialog open); nothing unsaved closes without a word.
TEST_F(DigitizerDialog, ClosingWithUnsavedWorkAsksWhetherToSave)
{
    set_language(Language::russian);
    const fs::path spl = out_dir() / "asked.spl", txt = out_dir() / "asked.txt", tx_ = out_dir() / "asked.tx_";
    for (const fs::path& p : {spl, txt, tx_}) fs::remove(p);
    const std::string question =
        "Не сохранено: кривые: 1, точки вводимой кривой: 1, надписи: 1, точки структуры: 1.\n"
        "Сохранить перед закрытием оцифровки?";

    // Work of each kind: a stored curve, a point of the next one, a label
    // and a structure point.
    auto some_work = [](Window* dlg) {
        calibrated(dlg, 10318);
        dialog_click_at(dlg, 350, 225);
        hardness_ok("300");
        dialog_click(dlg, 10355);
        dialog_click_at(dlg, 475, 120);
        calibrated(dlg, 10319);
        label_ok("M");
        dialog_click_at(dlg, 200, 100);
        calibrated(dlg, 10321);
        dialog_click(dlg, 10321);
        structure_ok("40");
        dialog_click_at(dlg, 350, 225);
    };

    push_chooser_answer(no_picture());
    push_dialog_hook([&](Window* dlg, const std::string&) {
        dialog_click(dlg, 10356);   // nothing yet: closes at once
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    show_pcx_dialog();
    EXPECT_TRUE(message_box_take_log().empty());

    label_table.push_back(LabelRecord{"old", 1, 2});   // saved in an earlier opening
    push_dialog_hook([&](Window* dlg, const std::string&) {
        some_work(dlg);
        ASSERT_TRUE(message_box_take_log().empty());

        message_box_push_answer(id_cancel);
        dialog_close(dlg);
        EXPECT_TRUE(dialog_is_open(dlg));
        std::vector<MessageBoxRecord> log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].text, question);
        EXPECT_EQ(log[0].caption, "Оцифровка");
        EXPECT_EQ(log[0].flags, mb_yesnocancel | mb_iconquestion);
        EXPECT_EQ(spline_end, 25 + 2 * 1 + 3);
        EXPECT_EQ(curve_xs.size(), 1u);
        EXPECT_EQ(label_table.size(), 2u);
        EXPECT_EQ(structure_list->size(), 1u);

        // Yes, but the curve file's chooser is cancelled: still open, and
        // the point became the second curve.
        hardness_ok("200");
        push_chooser_answer(ChooserAnswer{false, "", 1, {}});
        dialog_click(dlg, 10356);
        EXPECT_TRUE(dialog_is_open(dlg));
        EXPECT_EQ(curve_count, 2);
        EXPECT_TRUE(curve_xs.empty());
        EXPECT_EQ(message_box_take_log().size(), 1u);

        // Yes with the three files chosen: written, then closed.
        push_chooser_answer(file_answer(spl));
        push_chooser_answer(file_answer(txt));
        push_chooser_answer(file_answer(tx_, 2));
        dialog_click(dlg, 10356);
        EXPECT_FALSE(dialog_is_open(dlg));
        log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].text,
                  "Не сохранено: кривые: 2, надписи: 1, точки структуры: 1.\nСохранить перед закрытием оцифровки?");
    });
    show_pcx_dialog();
    EXPECT_EQ(pending_chooser_answers(), 0u);
    CurveSet set;
    ASSERT_TRUE(read_curve_file(spl.string(), set).ok);
    EXPECT_EQ(set.size(), 25u + 2 * 5);   // two curves of one point
    std::vector<LabelRecord> labels;
    ASSERT_TRUE(read_label_file(txt.string(), labels).ok);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1].text, "M");
    std::vector<StructureRow> rows;
    ASSERT_TRUE(read_structure_table(tx_.string(), rows).ok);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].ferrite, 40);

    // No: what was not saved is dropped, what was saved stays.
    push_dialog_hook([&](Window* dlg, const std::string&) {
        some_work(dlg);
        message_box_push_answer(id_no);
        dialog_click(dlg, 2);
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    show_pcx_dialog();
    EXPECT_EQ(message_box_take_log().size(), 1u);
    EXPECT_EQ(label_table.size(), 2u);
    EXPECT_FALSE(structure_list.has_value());
    EXPECT_TRUE(curve_xs.empty());
    push_dialog_hook([&](Window* dlg, const std::string&) {
        dialog_click(dlg, 10356);   // nothing left to ask about
        EXPECT_FALSE(dialog_is_open(dlg));
    });
    show_pcx_dialog();
    EXPECT_TRUE(message_box_take_log().empty());
}
