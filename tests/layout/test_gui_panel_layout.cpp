// The parameter panel of every scheme, alone, where the windows draw it: on
// the main window's client at its default size, on a 1024 x 768 screen,
// maximized, and on the plot rectangle of a printed page both ways round; in
// the five languages, at the data dialogs' start values and (scheme 5) with
// the block the program starts with. Every caption and value ends inside the
// rectangle, and no text of the panel lies on another (texts may touch).
#include "layout_check.h"

#include "fonts.h"
#include "heatsource.h"
#include "lang.h"
#include "plot.h"
#include "scheme_at_dialog_values.h"
#include "scheme_views.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PanelSurface {
    const char* name;
    int width;    // pixels, or millimetres of a page
    int height;
    bool page;
};

constexpr PanelSurface panel_surfaces[] = {{"default", 992, 693, false},
                                           {"screen1024", 1024, 768, false},
                                           {"maximized", 1280, 1000, false},
                                           {"portrait", 210, 297, true},
                                           {"landscape", 297, 210, true}};

constexpr Language panel_languages[] = {Language::english, Language::russian, Language::ukrainian,
                                        Language::german, Language::french};

class PanelLayout : public ::testing::TestWithParam<PanelSurface> {
protected:
    void TearDown() override
    {
        set_language(Language::english);
        init_fonts();
        current_model = HeatSourceModel{};
        install_start_scheme();
    }
};

TEST_P(PanelLayout, EveryCaptionEndsInsideAndClearOfTheOthers)
{
    const PanelSurface& surface = GetParam();
    for (int scheme = 1; scheme <= 15; ++scheme) {
        // 15: scheme 5 with the block the program starts with (longer values).
        const int n = scheme == 15 ? 5 : scheme;
        ASSERT_TRUE(install_scheme_at_dialog_values(n)) << n;
        if (scheme == 15) scheme_state.ppr5.parameters = Ppr5Parameters{};
        ASSERT_NE(current_model.draw_panel, nullptr) << n;
        for (Language language : panel_languages) {
            set_language(language);
            init_fonts();
            RecordingCanvas dc = surface.page ? RecordingCanvas::printer_page(surface.width, surface.height, 300)
                                              : RecordingCanvas([&] {
                                                    DeviceCaps caps = RecordingCanvas::default_caps();
                                                    caps.horz_res = surface.width;
                                                    caps.vert_res = surface.height;
                                                    return caps;
                                                }());
            Rect rect{0, 0, dc.caps().horz_res, dc.caps().vert_res};
            if (surface.page) get_print_plot_rect(dc, rect);
            current_model.draw_panel(dc, rect, 1, 1, 1, 1);
            const std::string where =
                std::string(surface.name) + " scheme " + (scheme == 15 ? "5'" : std::to_string(n)) + " " +
                language_suffix();
            for (const PlacedText& t : placed_texts(dc))
                EXPECT_LE(t.ink.right, rect.right) << where << ": \"" << t.text << "\" ends past the edge";
            for (const LayoutFinding& f : check_layout(dc, rect))
                if (!only_touching(f)) ADD_FAILURE() << where << ": " << f.describe();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySize, PanelLayout, ::testing::ValuesIn(panel_surfaces),
                         [](const ::testing::TestParamInfo<PanelSurface>& info) { return info.param.name; });

}   // namespace
