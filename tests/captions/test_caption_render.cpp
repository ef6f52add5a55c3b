// Renders every painter, one per line, in each language into PNG files for a
// person to look at: Greek letters, subscripts, stacked units and bars.
#include "captions.h"
#include "fonts.h"
#include "image_canvas.h"
#include "lang.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LanguageFile {
    Language language;
    const char* suffix;
};

}   // namespace

TEST(CaptionRender, AllPaintersInEveryLanguage)
{
    init_fonts();
    for (const LanguageFile lf : {LanguageFile{Language::english, "en"}, LanguageFile{Language::russian, "ru"},
                                  LanguageFile{Language::ukrainian, "ua"}, LanguageFile{Language::german, "de"},
                                  LanguageFile{Language::french, "fr"}}) {
        set_language(lf.language);
        constexpr int h = 21;
        constexpr int line_height = 34;
        constexpr int per_image = 20;
        const auto painters = caption_painters();
        for (std::size_t first = 0, part = 1; first < painters.size(); first += per_image, ++part) {
            ImageCanvas image(900, 20 + per_image * line_height);
            Canvas& dc = image.canvas();
            dc.set_background_mode(BackgroundMode::transparent);
            text_font.face = "Times New Roman";
            text_font.height = h;
            text_font.charset = language_charset();
            dc.select_font(text_font);
            const int cw = dc.text_extent("S").cx;
            for (std::size_t i = first; i < painters.size() && i < first + per_image; ++i) {
                // A caller's colour: the black painters show by turning black.
                dc.set_text_color(Rgb{128, 0, 0});
                int cursor = 0;
                const double y = 20 + static_cast<double>(i - first) * line_height;
                painters[i].painter(dc, 0.38, h, &cursor, 10, y, cw);
                EXPECT_GT(cursor, 0) << painters[i].name;
            }
            const std::string path = std::string(VELMARIN_TEST_OUTPUT_DIR) + "/captions_" + lf.suffix + "_" +
                                     std::to_string(part) + ".png";
            EXPECT_TRUE(image.save_png(path)) << path;
        }
    }
    set_language(Language::english);
}
