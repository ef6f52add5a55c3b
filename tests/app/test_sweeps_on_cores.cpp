// The sweep and zone-profile windows compute their points on several cores:
// each window drawn with its points in turn and drawn again with them on
// two, four and eight workers gives the same picture, every text and every
// line point, the same message boxes, and the regime it found back in force.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "atlas_files.h"
#include "captions.h"
#include "composition_dialog_start.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "ion_windows.h"
#include "kasatkin_windows.h"
#include "lang.h"
#include "msgbox.h"
#include "progress_dialog.h"
#include "program_state.h"
#include "recording_canvas.h"
#include "sample_steels.h"
#include "seyffarth_sweeps.h"
#include "shorshorov.h"
#include "steel_choice.h"
#include "steel_window_sweep.h"

namespace {

// The dialogs' start values, in record order.
const double energy_record[8] = {0.05, 0.0, 850.0, 500.0, 200.0, 5000.0, 0.1, 0.1};
const double preheat_record[8] = {0.05, 0.0, 850.0, 500.0, 100.0, 400.0};
const double thickness_record[8] = {0.05, 0.0, 850.0, 500.0, 0.1, 3.0};
const double point_record[8] = {0.05, 0.0, 850.0, 500.0};
const double shorshorov_point_record[8] = {0.5, 0.5, 850.0, 500.0};
// Preheats up to 600 °C: above 500 °C the metal never cools to 500 °C, so
// the curves have gaps and a note under them.
const double preheat_gap_record[8] = {0.05, 0.0, 850.0, 500.0, 20.0, 600.0};

using SteelRoutine = void (*)(const double*, int, Window*, Canvas&, int, CompositionRecord, int);
using AtlasRoutine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

std::function<void(Canvas&)> steel_window(SteelRoutine routine, const double* record)
{
    return [=](Canvas& dc) { routine(record, 50, nullptr, dc, 0, composition_dialog_start(), 0); };
}

std::function<void(Canvas&)> atlas_window(AtlasRoutine routine, const double* record, SteelChoice (*steel)(),
                                          int selector = 0)
{
    return [=](Canvas& dc) { routine(record, 50, nullptr, dc, selector, steel(), 0); };
}

struct WindowCase {
    const char* name;
    int scheme;
    std::function<void(Canvas&)> draw;
    const char* note = "";   // the note under the plot, when points are left out
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

// Every call the canvas kept, one line each, with every number it drew.
std::vector<std::string> drawing_of(const RecordingCanvas& dc)
{
    std::vector<std::string> out;
    const auto pen = [](std::ostream& s, const Pen& p) {
        s << " pen " << static_cast<int>(p.style) << '/' << p.width << '/' << int(p.color.r) << ','
          << int(p.color.g) << ',' << int(p.color.b);
    };
    for (const RecordingCanvas::TextCall& t : dc.texts) {
        std::ostringstream s;
        s << "text " << t.x << ',' << t.y << " '" << t.text << "' " << t.font.face << '/' << t.font.height << '/'
          << t.font.escapement << '/' << t.font.weight << '/' << t.font.charset << " colour " << int(t.color.r) << ','
          << int(t.color.g) << ',' << int(t.color.b) << " mode " << static_cast<int>(t.background_mode);
        out.push_back(s.str());
    }
    for (const RecordingCanvas::LineCall& l : dc.lines) {
        std::ostringstream s;
        s << "line " << l.from.x << ',' << l.from.y << ' ' << l.to.x << ',' << l.to.y;
        pen(s, l.pen);
        out.push_back(s.str());
    }
    for (const RecordingCanvas::PolylineCall& p : dc.polylines) {
        std::ostringstream s;
        s << "polyline";
        for (const Point& q : p.points) s << ' ' << q.x << ',' << q.y;
        pen(s, p.pen);
        out.push_back(s.str());
    }
    for (const RecordingCanvas::ShapeCall& r : dc.shapes) {
        std::ostringstream s;
        s << "shape " << static_cast<int>(r.kind) << ' ' << r.box.left << ',' << r.box.top << ',' << r.box.right << ','
          << r.box.bottom << ' ' << r.start.x << ',' << r.start.y << ' ' << r.end.x << ',' << r.end.y;
        pen(s, r.pen);
        out.push_back(s.str());
    }
    return out;
}

struct Drawn {
    std::vector<std::string> calls;
    std::string messages;
    double v = 0, q = 0, T0 = 0, thickness = 0;   // the regime after the window
};

Drawn draw_with_workers(const WindowCase& c, int workers)
{
    set_point_workers(workers);
    RecordingCanvas dc;
    dc.set_text_color({128, 0, 0});
    c.draw(dc);
    set_point_workers(0);
    Drawn d;
    d.calls = drawing_of(dc);
    for (const MessageBoxRecord& m : message_box_take_log()) d.messages += m.caption + "|" + m.text + "\n";
    d.v = current_model.velocity();
    d.q = current_model.power();
    d.T0 = current_model.initial_temperature();
    d.thickness = current_model.thickness();
    return d;
}

class SweepsOnCores : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override
    {
        reset_program_state();
    }
    void TearDown() override { set_point_workers(0); }
};

TEST_P(SweepsOnCores, TwoFourAndEightWorkersDrawWhatThePointsInTurnDraw)
{
    const WindowCase& c = GetParam();
    ASSERT_TRUE(install_scheme(c.scheme));
    current_model.prepare();
    const Drawn serial = draw_with_workers(c, 1);

    // A window that draws its points: curves, axes and texts.
    ASSERT_GT(serial.calls.size(), 100u) << serial.messages;
    EXPECT_EQ(serial.messages, "");
    const auto has_note = [&](const Drawn& d) {
        for (const std::string& call : d.calls)
            if (call.find(std::string("'") + c.note + "'") != std::string::npos) return true;
        return false;
    };
    if (*c.note != '\0') {
        EXPECT_TRUE(has_note(serial)) << c.note;
    }
    for (int workers : {2, 4, 8}) {
        const Drawn parallel = draw_with_workers(c, workers);
        ASSERT_EQ(serial.calls.size(), parallel.calls.size()) << workers;
        for (std::size_t i = 0; i < serial.calls.size(); ++i)
            ASSERT_EQ(serial.calls[i], parallel.calls[i]) << "call " << i << " on " << workers;
        EXPECT_EQ(serial.messages, parallel.messages) << workers;
        EXPECT_EQ(serial.v, parallel.v) << workers;
        EXPECT_EQ(serial.q, parallel.q) << workers;
        EXPECT_EQ(serial.T0, parallel.T0) << workers;
        EXPECT_EQ(serial.thickness, parallel.thickness) << workers;
    }
}

// The numbers behind the pictures, not only the pixels they round to: the
// energy sweep's abscissas and cooling times and the HAZ profile's points and
// cooling times carry the same bits on any number of workers, and again on a
// second run, when the workers keep what a scheme caches from the first.
struct SweepNumbers {
    std::vector<std::uint64_t> bits;
    int reached = 0;
};

void add_bits(SweepNumbers& n, const std::vector<double>& values)
{
    for (double v : values) {
        n.bits.push_back(std::bit_cast<std::uint64_t>(v));
        if (std::isfinite(v)) ++n.reached;
    }
}

SweepNumbers sweep_numbers(int workers)
{
    set_point_workers(workers);
    SweepNumbers n;
    {
        const RegimeGuard guard;
        const SteelSweep sweep = run_steel_sweep(guard, RegimeSweep::energy, energy_record, 50, false);
        add_bits(n, sweep.x);
        add_bits(n, sweep.time);
    }
    const HazProfile profile = compute_haz_profile(point_record[1], point_record[2], point_record[3], 50);
    add_bits(n, profile.y);
    add_bits(n, profile.t);
    set_point_workers(0);
    return n;
}

TEST_F(SweepsOnCores, SweepAndProfileNumbersAreTheSameBitForBitOnAnyNumberOfWorkers)
{
    // Scheme 5 with the block the program starts with (wavenumber sums over
    // node factors kept per thread), scheme 3 (eigenvalues kept per thread)
    // and scheme 10.
    for (int scheme : {5, 3, 10}) {
        ASSERT_TRUE(install_scheme(scheme));
        current_model.prepare();
        const SweepNumbers serial = sweep_numbers(1);
        // 50 sweep abscissas, and most points of both computations reached.
        EXPECT_GT(serial.reached, 150) << scheme;
        for (int workers : {2, 4, 8, 8, 3}) {
            const SweepNumbers parallel = sweep_numbers(workers);
            EXPECT_EQ(parallel.reached, serial.reached) << scheme << " on " << workers;
            EXPECT_TRUE(parallel.bits == serial.bits) << scheme << " on " << workers;
        }
        EXPECT_TRUE(sweep_numbers(1).bits == serial.bits) << scheme << " in turn again";
    }
}

std::vector<int> progress_heard;
void hear_progress(int value)
{
    progress_heard.push_back(value);
}

// A sweep window that keeps the user waiting longer than the delay shows the
// progress window while its points are computed, on the workers or in turn,
// and closes it with the computation, drawing the same picture; one that
// ends within the delay shows none. The delay is set, not waited for.
TEST_F(SweepsOnCores, ALongSweepShowsTheProgressWindowWhileItComputes)
{
    ASSERT_TRUE(install_scheme(2));
    current_model.prepare();
    const WindowCase c{"SeyffarthStructureVsEnergy", 2,
                       atlas_window(seyffarth_structure_vs_energy_window, energy_record, sample_seyffarth_steel)};
    const Drawn quick = draw_with_workers(c, 1);
    set_progress_observer(hear_progress);
    for (int workers : {1, 4}) {
        progress_heard.clear();
        set_long_work_delay(0);
        const Drawn slow = draw_with_workers(c, workers);
        set_long_work_delay(0.5);
        ASSERT_GE(progress_heard.size(), 3u) << workers;
        EXPECT_EQ(progress_heard.front(), -1) << workers;
        EXPECT_EQ(progress_heard.back(), -2) << workers;
        EXPECT_EQ(progress_heard[progress_heard.size() - 2], 100) << workers;
        for (std::size_t i = 2; i + 1 < progress_heard.size(); ++i)
            EXPECT_EQ(progress_heard[i], progress_heard[i - 1] + 5) << workers;
        EXPECT_FALSE(progress_dialog_state().open);
        EXPECT_EQ(slow.calls, quick.calls) << workers;
    }
    progress_heard.clear();
    set_long_work_delay(1e9);
    draw_with_workers(c, 4);
    set_long_work_delay(0.5);
    EXPECT_TRUE(progress_heard.empty());
    set_progress_observer(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SweepsOnCores,
    ::testing::Values(
        WindowCase{"KasatkinStructureVsEnergy", 2, steel_window(kasatkin_structure_vs_energy_window, energy_record)},
        WindowCase{"KasatkinPropertiesVsPreheatWithGaps", 2,
                   steel_window(kasatkin_properties_vs_preheat_window, preheat_gap_record),
                   "Not plotted: no cooling to 500 °C at 8 of 50 points"},
        WindowCase{"IonHardnessVsThickness", 3, steel_window(ion_hardness_vs_thickness_window, thickness_record)},
        WindowCase{"IonHardnessVsEnergyWithGaps", 9, steel_window(ion_hardness_vs_energy_window, energy_record),
                   "Not plotted: peak below 850 °C at 2 of 50 points"},
        WindowCase{"SeyffarthStructureVsEnergy", 2,
                   atlas_window(seyffarth_structure_vs_energy_window, energy_record, sample_seyffarth_steel)},
        WindowCase{"SeyffarthPropertiesVsThickness", 4,
                   atlas_window(seyffarth_properties_vs_thickness_window, thickness_record, sample_seyffarth_steel)},
        WindowCase{"SeyffarthHazProfileWithGaps", 1,
                   atlas_window(seyffarth_haz_profile_window, point_record, sample_seyffarth_steel, 1),
                   "Not plotted: peak below 850 °C at 12 of 50 points"},
        WindowCase{"ShorshorovPropertiesVsPreheat", 6,
                   atlas_window(shorshorov_properties_vs_preheat_window, preheat_record, sample_shorshorov_steel)},
        WindowCase{"ShorshorovStructureVsThickness", 1,
                   atlas_window(shorshorov_structure_vs_thickness_window, thickness_record, sample_shorshorov_steel)},
        WindowCase{"ShorshorovHazProfile", 10,
                   atlas_window(shorshorov_haz_profile_window, shorshorov_point_record, sample_shorshorov_steel, 1)},
        // Scheme 5 with the block the program starts with, whose points all
        // reach 850 °C: its wavenumber sums keep node factors per thread.
        WindowCase{"Scheme5KasatkinStructureVsEnergy", 5, steel_window(kasatkin_structure_vs_energy_window, energy_record)},
        WindowCase{"Scheme5SeyffarthHazProfile", 5,
                   atlas_window(seyffarth_haz_profile_window, point_record, sample_seyffarth_steel, 1)}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

}  // namespace
