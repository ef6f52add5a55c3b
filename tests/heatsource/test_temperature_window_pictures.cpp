// Whole temperature windows rendered to PNG files for a person to look at:
// the thermal cycle, the cooling rate and the isotherms of every section a
// scheme offers, for four schemes in two languages. The tests check only that
// something was drawn where the plot lies; the look is judged from the files
// in VELMARIN_TEST_OUTPUT_DIR/windows/.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fonts.h"
#include "image_canvas.h"
#include "lang.h"
#include "recording_canvas.h"
#include "temperature_windows.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path output_dir = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "windows";

struct PictureCase {
    int scheme;
    Language language;
};

std::string case_name(const ::testing::TestParamInfo<PictureCase>& info) {
    return "scheme" + std::to_string(info.param.scheme) + "_" + language_tag(info.param.language);
}

bool offers_all_sections(int scheme) { return scheme == 2 || scheme == 10; }

class TemperatureWindowPictures : public ::testing::TestWithParam<PictureCase> {
protected:
    void SetUp() override {
        reset_program_state();
        install_scheme(GetParam().scheme);
        set_language(GetParam().language);
        init_fonts();
        take_window_messages();
        fs::create_directories(output_dir);
        previous_ = fs::current_path();
        fs::current_path(output_dir);   // where the cooling-rate window writes its file
    }
    void TearDown() override {
        fs::current_path(previous_);
        set_language(Language::english);
    }
    std::string file(const std::string& window) const {
        return (output_dir / (window + "_scheme" + std::to_string(GetParam().scheme) + "_" +
                              language_tag(GetParam().language) + ".png"))
            .string();
    }
    // Something other than white inside the plot area.
    static bool drawn(const ImageCanvas& image) {
        for (int y = 100; y < 400; y += 3)
            for (int x = 150; x < 900; x += 3)
                if (image.pixel(x, y) != Rgb{255, 255, 255}) return true;
        return false;
    }
    fs::path previous_;

};

TEST_P(TemperatureWindowPictures, ThermalCycle) {
    const double record[point_record_size] = {0.05, 0.0};
    RecordingCanvas scratch;
    thermal_cycle_window(record, 50, nullptr, scratch, 0, 0);
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color(rgb(128, 0, 0));
    thermal_cycle_window(record, 50, nullptr, dc, 1, 0);
    EXPECT_TRUE(image.save_png(file("thermal_cycle")));
    EXPECT_TRUE(drawn(image));
}

// A window of scheme n computed (phase 0) and drawn (phase 1) into a
// 1024 x 768 picture saved under `name` in the output folder.
bool render_window(int scheme, WindowRoutine routine, const double* record, int steps, const std::string& name) {
    reset_program_state();
    install_scheme(scheme);
    init_fonts();
    take_window_messages();
    RecordingCanvas scratch;
    routine(record, steps, nullptr, scratch, 0, 0);
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color(rgb(128, 0, 0));
    routine(record, steps, nullptr, dc, 1, 0);
    fs::create_directories(output_dir);
    return image.save_png((output_dir / name).string());
}

// Scheme 1 at y = 0.3 cm: the peak of 802 °C falls between two samples
// that are both far below it, so the curve must take the peak itself.
TEST(TemperatureWindowPicture, ThinPlateCycleRisesToItsPeak) {
    const double record[point_record_size] = {0.3, 0.2};
    EXPECT_TRUE(render_window(1, thermal_cycle_window, record, 50, "thermal_cycle_peak_scheme1_en.png"));
    EXPECT_TRUE(take_window_messages().empty());
}

TEST_P(TemperatureWindowPictures, CoolingRate) {
    const double record[point_record_size] = {0.05, 0.0, 800, 500};
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color(rgb(128, 0, 0));
    cooling_rate_window(record, 50, nullptr, dc, 0, 0);
    EXPECT_TRUE(image.save_png(file("cooling_rate")));
    EXPECT_EQ(cooling_rate_result().valid, 1);
}

TEST_P(TemperatureWindowPictures, Isotherms) {
    const double record[isotherm_record_size] = {300, 500, 850, 1300, 1500, 0};
    struct Section {
        IsothermTracer tracer;
        const char* name;
    };
    const Section sections[] = {{trace_isotherm_xy, "isotherms_xy"},
                                {trace_isotherm_yz, "isotherms_yz"},
                                {trace_isotherm_xz, "isotherms_xz"}};
    for (const Section& s : sections) {
        if (s.tracer != trace_isotherm_xy && !offers_all_sections(GetParam().scheme)) continue;
        current_isotherm_tracer = s.tracer;
        ImageCanvas image(1024, 768);
        Canvas& dc = image.canvas();
        dc.set_background_mode(BackgroundMode::transparent);
        dc.set_text_color(rgb(128, 0, 0));
        isotherm_window(record, 40, nullptr, dc, 0, 0);
        // The repaint that the closing progress window causes.
        ImageCanvas repaint(1024, 768);
        Canvas& pc = repaint.canvas();
        pc.set_background_mode(BackgroundMode::transparent);
        pc.set_text_color(rgb(128, 0, 0));
        chosen_font.face = "Times New Roman";
        chosen_font.height = 17;
        chosen_font.weight = 400;
        pc.select_font(chosen_font);
        isotherm_window(record, 40, nullptr, pc, 1, 0);
        EXPECT_TRUE(repaint.save_png(file(s.name)));
        EXPECT_TRUE(drawn(repaint)) << s.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, TemperatureWindowPictures,
                         ::testing::Values(PictureCase{1, Language::english},
                                           PictureCase{1, Language::russian},
                                           PictureCase{2, Language::english},
                                           PictureCase{2, Language::german},
                                           PictureCase{5, Language::english},
                                           PictureCase{5, Language::russian},
                                           PictureCase{10, Language::english},
                                           PictureCase{10, Language::french}),
                         case_name);

}  // namespace

namespace {

// Scheme 2 in the longitudinal section 1 cm aside the weld: the two
// hottest isotherms are not reached there and are named on their rows.
TEST(TemperatureWindowPicture, IsothermsNotReachedInTheSectionAreNamed) {
    current_isotherm_tracer = trace_isotherm_xz;
    const double record[isotherm_record_size] = {300, 500, 850, 1300, 1500, 1.0};
    EXPECT_TRUE(render_window(2, isotherm_window, record, 40, "isotherms_xz_not_reached_scheme2_en.png"));
    EXPECT_TRUE(take_window_messages().empty());
    EXPECT_EQ(isotherm_result().curves[4].not_reached, 1);
    current_isotherm_tracer = trace_isotherm_xy;
}

}  // namespace
