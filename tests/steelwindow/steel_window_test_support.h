// Shared by the tests of the steel-model windows: the composition the
// CHEMISTRY dialog offers first, point records and PNG renders of whole
// windows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "composition_dialog_start.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "image_canvas.h"
#include "lang.h"
#include "msgbox.h"
#include "program_state.h"
#include "recording_canvas.h"
#include "steel_window_frame.h"

// C 0.15, Si 0.3, Mn 1.0: the steel of the models' worked examples.
inline CompositionRecord example_composition()
{
    CompositionRecord c;
    c[el_c] = 0.15;
    c[el_si] = 0.3;
    c[el_mn] = 1.0;
    return c;
}

// Draws the window on a 1024 x 768 picture with the dark red text colour the
// companions set, writes it under VELMARIN_TEST_OUTPUT_DIR/steel_windows/ and
// returns how many pixels are neither white nor the frame's black.
inline int render_steel_window(SteelWindowRoutine routine, const double* params, int selector,
                               const CompositionRecord& composition, const std::string& name)
{
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color(rgb(128, 0, 0));
    routine(params, 50, nullptr, dc, selector, composition, 0);
    const std::filesystem::path dir = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "steel_windows";
    std::filesystem::create_directories(dir);
    image.save_png((dir / (name + ".png")).string());
    int coloured = 0;
    for (int y = 0; y < 768; y += 3)
        for (int x = 0; x < 1024; x += 3) {
            const Rgb p = image.pixel(x, y);
            if (!(p == rgb(255, 255, 255)) && !(p == rgb(0, 0, 0))) ++coloured;
        }
    return coloured;
}
