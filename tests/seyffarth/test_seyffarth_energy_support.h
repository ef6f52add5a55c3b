// Shared by the tests of the regime-sweep and zone-profile windows: the
// start scheme, the sample steel of the data folder, the regime as a value,
// the message boxes shown and PNG renders.
#pragma once

#include <gtest/gtest.h>

#include "atlas_files.h"
#include "captions.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "image_canvas.h"
#include "lang.h"
#include "msgbox.h"
#include "program_state.h"
#include "recording_canvas.h"
#include "sample_steels.h"
#include "seyffarth_sweeps.h"
#include "steel_choice.h"

#include <filesystem>
#include <string>
#include <vector>

using SeyffarthRoutine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

// Installs a scheme and prepares it at its start values.
inline void use_scheme(int n)
{
    ASSERT_TRUE(install_scheme(n));
    current_model.prepare();
}

inline std::string shown_texts()
{
    std::string all;
    for (const MessageBoxRecord& r : message_box_take_log()) all += r.caption + "|" + r.text + "\n";
    return all;
}

// Draws a window on a 1024 x 768 picture with the dark red text colour of
// the frame and writes it under VELMARIN_TEST_OUTPUT_DIR/seyffarth_windows/.
inline void render_window(SeyffarthRoutine routine, const double* params, int selector, const std::string& name)
{
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color({128, 0, 0});
    routine(params, 50, nullptr, dc, selector, sample_seyffarth_steel(), 0);
    const std::filesystem::path dir = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "seyffarth_windows";
    std::filesystem::create_directories(dir);
    image.save_png((dir / (name + ".png")).string());
}

// The polylines drawn with a pen: the runs of one curve (a doubled curve
// draws each run twice, the copy a pixel lower).
inline std::vector<const RecordingCanvas::PolylineCall*> runs_of(const RecordingCanvas& dc, const Pen& pen)
{
    std::vector<const RecordingCanvas::PolylineCall*> runs;
    for (const auto& line : dc.polylines)
        if (line.pen == pen) runs.push_back(&line);
    return runs;
}
