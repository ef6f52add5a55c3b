// The sample atlas's steel written on a Russian system (15ХСНД: descriptor
// and Shorshorov file in code page 1251, files named in Cyrillic capitals,
// names on disk UTF-8 in small letters) drawn by the windows of both atlases
// in the five languages: found, read, and its Cyrillic shown as Cyrillic,
// never as the Latin-1 letters of its bytes. The PNGs are written under
// test-output/code_page_steel/ to be looked at.
#include "atlas_files.h"
#include "fonts.h"
#include "image_canvas.h"
#include "lang.h"
#include "msgbox.h"
#include "recording_canvas.h"
#include "seyffarth_frame.h"
#include "seyffarth_sweeps.h"
#include "shorshorov.h"
#include "shorshorov_test_support.h"
#include "steel_choice.h"
#include "text_code.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const Language languages[] = {Language::english, Language::russian, Language::ukrainian, Language::german,
                              Language::french};
const char* const tags[] = {"en", "ru", "ua", "de", "fr"};

// Whether the text holds the file's Cyrillic read as Latin-1 letters, as
// its bytes would be drawn without the code page: "15ÕÑÍÄ" for "15ХСНД",
// "Îáðàçåö" for "Образец", "ÇÒÂ" for "ЗТВ".
bool has_latin1_letter(const std::string& utf8)
{
    for (const char* cyrillic : {"15ХСНД", "Образец", "ЗТВ", "Основной"}) {
        std::string latin1;
        for (const char c : to_code_page(cyrillic, charset_cyrillic)) append_utf8(static_cast<unsigned char>(c), latin1);
        if (utf8.find(latin1) != std::string::npos) return true;
    }
    return false;
}

struct Drawn {
    std::string all;            // every text as shown, one per line
    bool latin1 = false;
};

using Routine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

Drawn draw(Routine routine, const double* params, int selector, const SteelChoice& steel, const std::string& png)
{
    RecordingCanvas dc;
    dc.set_text_color(Rgb{128, 0, 0});
    routine(params, 50, nullptr, dc, selector, steel, 0);
    Drawn d;
    for (const auto& t : dc.texts) {
        const std::string shown = font_text_to_unicode(t.font, t.text);
        d.all += shown + "\n";
        d.latin1 = d.latin1 || has_latin1_letter(shown);
    }
    ImageCanvas image(1024, 768);
    image.canvas().set_text_color(Rgb{128, 0, 0});
    routine(params, 50, nullptr, image.canvas(), selector, steel, 0);
    const fs::path dir = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "code_page_steel";
    fs::create_directories(dir);
    image.save_png((dir / (png + ".png")).string());
    return d;
}

} // namespace

TEST(CodePageSteel, ShorshorovWindowsShowItsRussianTitlesInEveryLanguage)
{
    const double point[4] = {0.5, 0.5, 850.0, 500.0};
    const double energy[8] = {0.05, 0.0, 850, 500, 200, 5000, 0.1, 0.1};
    for (int k = 0; k < 5; ++k) {
        reset_program_state();
        set_language(languages[k]);
        const SteelChoice steel = sample_shorshorov_steel("15ХСНД.307", 9);
        const Drawn at_point =
            draw(shorshorov_structure_at_point_window, point, 0, steel, std::string("structure_at_point_") + tags[k]);
        const Drawn sweep = draw(shorshorov_structure_vs_energy_window, energy, 0, steel,
                                 std::string("structure_vs_energy_") + tags[k]);
        const Drawn micrograph =
            draw(shorshorov_micrograph_window, point, 0, steel, std::string("micrograph_") + tags[k]);
        EXPECT_TRUE(message_box_take_log().empty()) << tags[k];
        for (const Drawn* d : {&at_point, &sweep, &micrograph}) {
            EXPECT_FALSE(d->latin1) << tags[k] << ":\n" << d->all;
            EXPECT_NE(d->all.find("15ХСНД"), std::string::npos) << tags[k] << ":\n" << d->all;
        }
        if (languages[k] == Language::russian || languages[k] == Language::ukrainian) {
            EXPECT_NE(at_point.all.find("Образец стали (придуманные данные)"), std::string::npos) << at_point.all;
            EXPECT_NE(sweep.all.find("ЗТВ в зависимости от W (800-500 C), C/с"), std::string::npos) << sweep.all;
        } else {
            EXPECT_NE(at_point.all.find("Grade of steel:15ХСНД"), std::string::npos) << at_point.all;
        }
    }
}

TEST(CodePageSteel, SeyffarthWindowsFindItsFilesByTheirCyrillicNames)
{
    const double point[4] = {0.05, 0.0, 850.0, 500.0};
    const double energy[8] = {0.05, 0.0, 850, 500, 200, 5000, 0.1, 0.1};
    for (int k = 0; k < 5; ++k) {
        reset_program_state();
        set_language(languages[k]);
        SteelChoice steel;
        steel.file_name = seyffarth_atlas_folder() + "/15ХСНД.sp1";
        steel.filter_index = 2;
        const Drawn at_point = draw(seyffarth_structure_at_point_window, point, 0, steel,
                                    std::string("seyffarth_structure_at_point_") + tags[k]);
        const Drawn sweep = draw(seyffarth_structure_vs_energy_window, energy, 0, steel,
                                 std::string("seyffarth_structure_vs_energy_") + tags[k]);
        // Every file the descriptor names was found: no report at all.
        EXPECT_TRUE(message_box_take_log().empty()) << tags[k];
        for (const Drawn* d : {&at_point, &sweep}) {
            EXPECT_FALSE(d->latin1) << tags[k] << ":\n" << d->all;
            EXPECT_NE(d->all.find("15KhSND"), std::string::npos) << tags[k] << ":\n" << d->all;
        }
    }
}
