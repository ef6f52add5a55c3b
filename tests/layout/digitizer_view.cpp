#include "digitizer_view.h"

#include "../platform/pcx_test_support.h"
#include "dialog.h"
#include "dialog_driver.h"
#include "digitizer_dialog.h"
#include "lang.h"
#include "window.h"

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Where the three axes clicks put the diagram in the dialog: the picture
// stands at (20, 20) at its own size, 640 x 480.
constexpr Rect diagram{100, 50, 620, 440};

Point on_screen(double t, double temperature)
{
    const double x = diagram.left + std::log(t) / std::log(400.0) * (diagram.right - diagram.left);
    const double y = diagram.bottom - temperature / 900.0 * (diagram.bottom - diagram.top);
    return Point{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

// A cooling curve of the scan: from 800 degrees at t0 down to `end` at t1,
// steep at first, as the CCT curves of the atlas fall.
struct ScannedCurve {
    double t0, t1, end;
    const char* hardness;
};
constexpr ScannedCurve curves[] = {{1.5, 30, 250, "420"}, {3, 100, 300, "320"}, {8, 350, 350, "250"}};
constexpr int points_per_curve = 8;

Point curve_point(const ScannedCurve& c, double f)
{
    const double t = c.t0 * std::pow(c.t1 / c.t0, f);
    return on_screen(t, 800 - (800 - c.end) * std::sqrt(f));
}

// The user clicks closer together where the curve bends.
Point clicked_point(const ScannedCurve& c, int i)
{
    const double f = static_cast<double>(i) / (points_per_curve - 1);
    return curve_point(c, f * f);
}

struct Label {
    double t, temperature;
    Text5 text;
};
const Label labels[] = {
    {40, 680, {"Ferri", "Ферр", "Ферит", "Ferri", "Ferri"}},
    {150, 560, {"Perl", "Перл", "Перл", "Perl", "Perl"}},
    {6, 480, {"Bain", "Бейн", "Бейн", "Bain", "Bain"}},
};

void write_scan(const std::filesystem::path& path)
{
    using pcx_test::Pixels;
    Pixels pic = pcx_test::blank(640, 480);
    const auto ink = [&](Point p, std::uint32_t colour) {
        for (int dx = 0; dx <= 1; ++dx)
            for (int dy = 0; dy <= 1; ++dy) pic.set(p.x - 20 + dx, p.y - 20 + dy, colour);
    };
    for (int y = diagram.top; y <= diagram.bottom; ++y) ink({diagram.left, y}, 0x000000);
    for (int x = diagram.left; x <= diagram.right; ++x) ink({x, diagram.bottom}, 0x000000);
    for (const ScannedCurve& c : curves)
        for (int k = 0; k <= 4000; ++k) ink(curve_point(c, k / 4000.0), 0x202020);
    std::ofstream(path, std::ios::binary) << pcx_test::encode_bmp(pic);
}

void click(Window* dlg, Point p) { dialog_click_at(dlg, p.x, p.y); }

void work(Window* dlg)
{
    // The axes: top of the value axis, right end of the time axis, origin;
    // the axis dialog's start values ask for the time-temperature grid.
    click(dlg, {diagram.left, diagram.top});
    click(dlg, {diagram.right, diagram.bottom});
    push_dialog_hook([](Window* axis, const std::string&) { dialog_click(axis, 1012); });
    click(dlg, {diagram.left, diagram.bottom});
    for (const ScannedCurve& c : curves) {
        for (int i = 0; i < points_per_curve; ++i) click(dlg, clicked_point(c, i));
        push_dialog_hook([&c](Window* hv, const std::string&) {
            dialog_type_text(hv, 1008, c.hardness);
            dialog_click(hv, 1010);
        });
        dialog_click(dlg, 10355);
    }
    dialog_click(dlg, 10319);
    for (const Label& l : labels) {
        push_dialog_hook([&l](Window* txt, const std::string&) {
            dialog_type_text(txt, 1014, pick(l.text));
            dialog_click(txt, 1010);
        });
        click(dlg, on_screen(l.t, l.temperature));
    }
}

}  // namespace

void with_digitized_diagram(const std::filesystem::path& folder, const std::function<void(Window*)>& look)
{
    // Written afresh once a run, so that a scan left by an older build is not
    // shown, and one a process: the rows run side by side, and none may read
    // another's half written.
    const std::filesystem::path scan = folder / ("scanned_cct_" + std::to_string(::getpid()) + ".bmp");
    static std::filesystem::path written;
    if (written != scan) {
        write_scan(scan);
        written = scan;
    }
    const bool was_test_mode = dialog_test_mode();
    set_dialog_test_mode(true);
    reset_digitizer_state();
    ChooserAnswer picture;
    picture.path = scan.string();
    push_chooser_answer(picture);
    push_dialog_hook([&](Window* dlg, const std::string&) {
        work(dlg);
        // The paint after a store shows the curve set, the paint after a
        // label the labels: this one follows both.
        store_pending = 1;
        labels_pending = 1;
        look(dlg);
        end_dialog(dlg, 1);
    });
    show_pcx_dialog();
    reset_digitizer_state();
    set_dialog_test_mode(was_test_mode);
}

Rect draw_digitized_diagram(Canvas& dc, const std::filesystem::path& folder)
{
    Rect client{};
    with_digitized_diagram(folder, [&](Window* dlg) {
        paint_window_on(dlg, dc);
        client = get_client_rect(dlg);
    });
    return client;
}
