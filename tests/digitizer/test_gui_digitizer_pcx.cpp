// A diagram scanned as PCX opens in the Digitization dialog and calibrates
// exactly as the same diagram saved as BMP: the same picture on the screen,
// pixel for pixel, and the same calibration from the same three clicks.
#include "../platform/pcx_test_support.h"
#include "dialog.h"
#include "dialog_driver.h"
#include "digitizer_dialog.h"
#include "digitizer_inputs.h"
#include "lang.h"
#include "msgbox.h"
#include "picture.h"
#include "statusbar.h"
#include "window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace pcx_test;

namespace {

fs::path out_dir()
{
    const fs::path d = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "digitizer_pcx";
    fs::create_directories(d);
    return d;
}

// A scanned diagram in small: paper, axes from (50, 25) over (50, 200) to
// (300, 200), a falling curve and, where the depth has the colours, shaded
// bands. Shown scaled twice, so the axes meet at (120, 420) of the dialog.
Pixels diagram(const std::vector<std::uint32_t>& colours)
{
    const std::uint32_t paper = colours[0], ink = colours[1], curve = colours[2 % colours.size()];
    Pixels pic = blank(320, 240, paper);
    for (std::size_t k = 3; k < colours.size(); ++k)
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) pic.set(static_cast<int>(k % 16) * 20 + x, 210 + y + 12 * static_cast<int>(k / 16 % 2), colours[k]);
    for (int y = 25; y <= 200; ++y) pic.set(50, y, ink);
    for (int x = 50; x <= 300; ++x) pic.set(x, 200, ink);
    for (int x = 60; x <= 290; ++x) {
        const int y = 40 + static_cast<int>(150 * std::log(1.0 + (x - 60) / 40.0) / std::log(1.0 + 230 / 40.0));
        pic.set(x, y, curve);
        pic.set(x, y + 1, curve);
    }
    return pic;
}

std::vector<std::uint32_t> palette_of(int n)
{
    std::vector<std::uint32_t> p{0xFFFFFF, 0x000000, 0xFF0000};
    for (int i = 3; i < n; ++i)
        p.push_back(static_cast<std::uint32_t>((i * 37 % 256) << 16 | (i * 91 % 256) << 8 | (i * 13 % 256)));
    return p;
}

// What the dialog shows and what the three axes clicks make of it.
struct Session {
    std::vector<Rgb> shown;   // the picture area, row by row
    Rect calibration{};
    WorldBox preview{};
    std::string phi;
    std::string kuhlzeit;
    std::string temperature;
    std::size_t messages = 0;
};

Session digitize(const fs::path& picture)
{
    Session s;
    reset_digitizer_state();
    message_box_take_log();
    ChooserAnswer answer;
    answer.path = picture.string();
    answer.filter_index = picture.extension() == ".pcx" ? 2 : 1;
    push_chooser_answer(answer);
    push_dialog_hook([&](Window* dlg, const std::string&) {
        update_window(dlg);
        fs::path shot = picture;
        save_window_screenshot(dlg, shot.replace_extension(picture.extension().string() + ".png").string());
        const Rect area = digitizer_picture_rect;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) s.shown.push_back(window_pixel(dlg, x, y));
        dialog_click_at(dlg, 120, 70);
        dialog_click_at(dlg, 620, 420);
        push_dialog_hook([](Window* axis, const std::string&) { dialog_click(axis, 1012); });
        dialog_click_at(dlg, 120, 420);
        s.calibration = calibration_rect;
        s.preview = preview_box;
        s.phi = status_bar_text(dlg, 3);
        dialog_click_at(dlg, 370, 245);   // a point of the first curve
        s.kuhlzeit = status_bar_text(dlg, 2);
        s.temperature = status_bar_text(dlg, 3);
        curve_xs.clear();                 // nothing left to store
        curve_ys.clear();
        dialog_click(dlg, 10356);
    });
    show_pcx_dialog();
    s.messages = message_box_take_log().size();
    return s;
}

class DigitizerPcx : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_dialog_test_mode(true);
        clear_dialog_hooks();
        message_box_take_log();
        set_language(Language::english);
    }
    void TearDown() override
    {
        clear_dialog_hooks();
        reset_digitizer_state();
    }
};

} // namespace

TEST_F(DigitizerPcx, EachDepthOpensAndCalibratesLikeTheSameBmp)
{
    struct Case {
        Depth depth;
        std::vector<std::uint32_t> palette;
        const char* stem;
    };
    const Case cases[] = {
        {Depth::mono, {0xFFFFFF, 0x000000}, "mono"},
        {Depth::colours16, palette_of(16), "sixteen"},
        {Depth::colours256, palette_of(256), "palette256"},
        {Depth::truecolour, palette_of(40), "truecolour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(depth_name(c.depth));
        const Pixels pic = diagram(c.palette);
        const fs::path bmp = out_dir() / (std::string(c.stem) + ".bmp");
        const fs::path pcx = out_dir() / (std::string(c.stem) + ".pcx");
        write_file(bmp, encode_bmp(pic));
        write_file(pcx, encode_pcx(pic, c.depth, c.palette));

        const Picture from_bmp = load_picture_file(bmp.string());
        const Picture from_pcx = load_picture_file(pcx.string());
        ASSERT_TRUE(from_pcx.valid());
        EXPECT_EQ(from_pcx.width, 320);
        EXPECT_EQ(from_pcx.height, 240);
        EXPECT_EQ(from_pcx.width, from_bmp.width);
        EXPECT_EQ(from_pcx.height, from_bmp.height);

        const Session with_bmp = digitize(bmp);
        const Session with_pcx = digitize(pcx);
        EXPECT_EQ(with_pcx.messages, 0u);
        ASSERT_EQ(with_pcx.shown.size(), 640u * 480u);
        EXPECT_TRUE(with_pcx.shown == with_bmp.shown) << "the PCX picture is shown unlike the BMP";
        // Paper at the picture's corner; the value axis (picture column 50,
        // shown twice as wide at 120 of the dialog) dark.
        EXPECT_EQ(with_pcx.shown.front(), (Rgb{255, 255, 255}));
        EXPECT_LT(with_pcx.shown[static_cast<std::size_t>(300) * 640 + 100].r, 128);

        EXPECT_EQ(with_pcx.calibration, (Rect{120, 70, 620, 420}));
        EXPECT_EQ(with_pcx.calibration, with_bmp.calibration);
        EXPECT_EQ(with_pcx.preview.x_max, with_bmp.preview.x_max);
        EXPECT_EQ(with_pcx.preview.y_max, with_bmp.preview.y_max);
        EXPECT_EQ(with_pcx.phi, " phi = 0");
        EXPECT_EQ(with_pcx.kuhlzeit, " kuhlzeit: 20");
        EXPECT_EQ(with_pcx.temperature, " temperature: 450");
        EXPECT_EQ(with_pcx.kuhlzeit, with_bmp.kuhlzeit);
    }
}

TEST_F(DigitizerPcx, APcxUnderAnotherNameIsStillRead)
{
    const Pixels pic = diagram({0xFFFFFF, 0x000000});
    const fs::path misnamed = out_dir() / "scan_as.bmp";
    write_file(misnamed, encode_pcx(pic, Depth::mono));
    std::string why;
    const Picture p = load_picture_file(misnamed.string(), why);
    EXPECT_TRUE(p.valid()) << why;
    EXPECT_EQ(p.width, 320);
}

TEST_F(DigitizerPcx, ABrokenPcxIsToldWithItsFaultAndTheDialogGoesOn)
{
    const Pixels pic = diagram(palette_of(40));
    std::string file = encode_pcx(pic, Depth::truecolour);
    file.resize(file.size() / 2);
    const fs::path broken = out_dir() / "cut_short.pcx";
    write_file(broken, file);

    reset_digitizer_state();
    ChooserAnswer answer;
    answer.path = broken.string();
    answer.filter_index = 2;
    push_chooser_answer(answer);
    bool ran = false;
    push_dialog_hook([&](Window* dlg, const std::string&) {
        ran = true;
        const std::vector<MessageBoxRecord> log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_NE(log[0].text.find("choose a BMP or PCX file"), std::string::npos) << log[0].text;
        EXPECT_NE(log[0].text.find(broken.string()), std::string::npos) << log[0].text;
        EXPECT_NE(log[0].text.find("picture data end in line"), std::string::npos) << log[0].text;
        update_window(dlg);   // an empty picture area; the dialog works on
        EXPECT_EQ(window_pixel(dlg, 340, 260), window_pixel(dlg, 30, 30));
        dialog_click(dlg, 10356);
    });
    show_pcx_dialog();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(message_box_take_log().empty());
}
