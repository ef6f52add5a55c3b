// Shared by the tests of the Seyffarth windows: the start scheme at its
// start values, the sample atlas's steels, small table fixtures, the message
// boxes shown and PNG renders of whole windows.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "image_canvas.h"
#include "lang.h"
#include "msgbox.h"
#include "program_state.h"
#include "recording_canvas.h"
#include "sample_steels.h"
#include "seyffarth_frame.h"

namespace seyffarth_test {

namespace fs = std::filesystem;

// A folder of its own under the test output, emptied.
inline fs::path fixture_dir(const std::string& name)
{
    const fs::path dir = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "seyffarth_fixtures" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

inline void write_file(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A steel descriptor naming the given structure table (and curve files that
// may or may not exist) with a composition and a grade.
inline SteelChoice fixture_steel(const fs::path& dir, const std::string& table_text, bool write_table = true)
{
    write_file(dir / "steel.sp0", "cct.spl prop.spl labels.txt struct.tx_\n"
                                  "Fixture steel\n0.2 0.3 1.2\nmicro.bmp 600 400 3 8 20 50 150 400\nFIX1\n");
    if (write_table) write_file(dir / "struct.tx_", table_text);
    SteelChoice s;
    s.file_name = (dir / "steel.sp0").string();
    s.filter_index = 1;
    return s;
}

// Draws the window on a 1024 x 768 picture with the dark red text colour the
// companions set and writes it under VELMARIN_TEST_OUTPUT_DIR/seyffarth_windows/.
// Returns how many sampled pixels are neither white nor black.
inline int render_window(SeyffarthWindowRoutine routine, const double* params, const SteelChoice& steel,
                         const std::string& name)
{
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color(Rgb{128, 0, 0});
    routine(params, 50, nullptr, dc, 0, steel, 0);
    const fs::path dir = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "seyffarth_windows";
    fs::create_directories(dir);
    image.save_png((dir / (name + ".png")).string());
    int coloured = 0;
    for (int y = 0; y < 768; y += 3)
        for (int x = 0; x < 1024; x += 3) {
            const Rgb p = image.pixel(x, y);
            if (!(p == Rgb{255, 255, 255}) && !(p == Rgb{0, 0, 0})) ++coloured;
        }
    return coloured;
}

// The point's cooling curve as a window at a point draws it: the last
// polyline drawn with a five-pixel pen (none: nullptr).
inline const RecordingCanvas::PolylineCall* cooling_curve(const RecordingCanvas& dc)
{
    const RecordingCanvas::PolylineCall* curve = nullptr;
    for (const auto& pl : dc.polylines)
        if (pl.pen.width == 5) curve = &pl;
    return curve;
}

} // namespace seyffarth_test
