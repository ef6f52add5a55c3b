// Panels of schemes 1, 2 and 5 in English and Russian as PNG files, laid out
// as along the bottom of a 1280 x 768 window, for a person to look at.
#include "captions.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "image_canvas.h"
#include "lang.h"

#include <gtest/gtest.h>

#include <string>

TEST(PanelRender, SchemesOneTwoFiveInEnglishAndRussian)
{
    init_fonts();
    colour_mode = 1;
    scheme_state.ppr2.parameters.R_T = 0.02;   // shows the layer captions too
    struct Scheme {
        const char* name;
        PanelPainter panel;
    };
    for (const Scheme s : {Scheme{"1", ppr1_draw_panel}, Scheme{"2", ppr2_draw_panel}, Scheme{"5", ppr5_draw_panel}}) {
        for (const Language language : {Language::english, Language::russian}) {
            set_language(language);
            // The bottom 200 pixels of a 1280 x 768 client area.
            ImageCanvas image(1280, 200);
            Canvas& dc = image.canvas();
            dc.set_background_mode(BackgroundMode::transparent);
            dc.set_text_color(Rgb{128, 0, 0});
            s.panel(dc, Rect{0, 200 - 768, 1280, 200}, 1, 1, 1, 1);
            const std::string path = std::string(VELMARIN_TEST_OUTPUT_DIR) + "/panel_scheme" + s.name + "_" +
                                     (language == Language::english ? "en" : "ru") + ".png";
            EXPECT_TRUE(image.save_png(path)) << path;
        }
    }
    scheme_state.ppr2.parameters = Ppr2Parameters{};
    set_language(Language::english);
}

// The panels of the oscillating, pulsed and composite schemes in English and
// Ukrainian (the pulsed ones carry the longest rows).
TEST(PanelRender, TimeDomainSchemesInEnglishAndUkrainian)
{
    init_fonts();
    colour_mode = 1;
    struct Scheme {
        const char* name;
        PanelPainter panel;
    };
    for (const Scheme s : {Scheme{"7", ppr10_draw_panel}, Scheme{"8", ppr11_draw_panel},
                           Scheme{"11", rom1_draw_panel}, Scheme{"14", comp_draw_panel}}) {
        for (const Language language : {Language::english, Language::ukrainian}) {
            set_language(language);
            ImageCanvas image(1280, 200);
            Canvas& dc = image.canvas();
            dc.set_background_mode(BackgroundMode::transparent);
            dc.set_text_color(Rgb{128, 0, 0});
            s.panel(dc, Rect{0, 200 - 768, 1280, 200}, 1, 1, 1, 1);
            const std::string path = std::string(VELMARIN_TEST_OUTPUT_DIR) + "/panel_scheme" + s.name + "_" +
                                     (language == Language::english ? "en" : "ua") + ".png";
            EXPECT_TRUE(image.save_png(path)) << path;
        }
    }
    set_language(Language::english);
}
