// The thermal-cycle windows of the oscillating, pulsed and composite schemes
// rendered whole to PNG files for a person to look at, each scheme in English
// and one other language, at the point dialog's starting values. The tests
// check that a curve was drawn inside the plot; the look is judged from the
// files in VELMARIN_TEST_OUTPUT_DIR/windows/.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cycle_start_record.h"
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

class TimeDomainCyclePictures : public ::testing::TestWithParam<PictureCase> {
protected:
    void SetUp() override {
        reset_program_state();
        if (!install_scheme(GetParam().scheme)) GTEST_SKIP() << "scheme not available";
        set_language(GetParam().language);
        init_fonts();
        take_window_messages();
        fs::create_directories(output_dir);
    }
    void TearDown() override {
        set_language(Language::english);
        reset_program_state();
    }
};

TEST_P(TimeDomainCyclePictures, ThermalCycle) {
    ASSERT_NE(current_model.cycle_routine, nullptr);
    ASSERT_NE(current_model.cycle_routine, thermal_cycle_window);
    const std::vector<double> record = thermal_cycle_start_record(GetParam().scheme);
    RecordingCanvas scratch;
    current_model.cycle_routine(record.data(), 50, nullptr, scratch, 0, 0);
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color(rgb(128, 0, 0));
    current_model.cycle_routine(record.data(), 50, nullptr, dc, 1, 0);
    const std::string file = (output_dir / ("time_cycle_scheme" + std::to_string(GetParam().scheme) +
                                            "_" + language_tag(GetParam().language) + ".png"))
                                 .string();
    EXPECT_TRUE(image.save_png(file));
    // The dark red curve lies inside the plot (135, 81)-(943, 498).
    int curve = 0;
    for (int y = 81; y <= 498; ++y)
        for (int x = 135; x <= 943; ++x)
            if (image.pixel(x, y) == Rgb{128, 0, 0}) ++curve;
    EXPECT_GT(curve, 100);
    EXPECT_TRUE(take_window_messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Schemes, TimeDomainCyclePictures,
                         ::testing::Values(PictureCase{7, Language::english},
                                           PictureCase{7, Language::russian},
                                           PictureCase{8, Language::english},
                                           PictureCase{8, Language::german},
                                           PictureCase{11, Language::english},
                                           PictureCase{11, Language::russian},
                                           PictureCase{12, Language::english},
                                           PictureCase{12, Language::french},
                                           PictureCase{13, Language::english},
                                           PictureCase{13, Language::ukrainian},
                                           PictureCase{14, Language::english},
                                           PictureCase{14, Language::russian}),
                         case_name);

}  // namespace
