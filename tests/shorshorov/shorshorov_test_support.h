// Shared by the Shorshorov window tests: the start scheme, small steel files
// written on the fly, the sample atlas and PNG renders.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "atlas_files.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "image_canvas.h"
#include "lang.h"
#include "msgbox.h"
#include "program_state.h"
#include "recording_canvas.h"
#include "sample_steels.h"
#include "shorshorov.h"

// A steel file with the header of the atlas format and the given rows
// ("W HV Rm A Z c6 c7" per line, range rows first).
inline std::string write_steel_file(const std::string& name, const std::string& rows)
{
    const std::filesystem::path dir = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "shorshorov_fixtures";
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / name;
    std::ofstream out(path, std::ios::binary);
    out << "Fixture steel\nSteel F1\nGrade F1 title\nF1.BMP\nC Si Mn\n0.2 0.3 1.1 0 0 0 0.02 0.02 0 0 0 0 0 0 0\n"
           "1 3 10 30 100 300\n\nBase metal:\n  -  Rm A Z HV30\nW HV Rm A Z c6 c7\n1 500 25 50 150\n"
        << rows;
    return path.string();
}

// A canvas of a w x h screen client, or of an A4 page (w x h millimetres at
// 300 dpi) as the printer reports it.
inline RecordingCanvas surface_canvas(int w, int h, bool page = false)
{
    if (page) return RecordingCanvas::printer_page(w, h, 300);
    DeviceCaps caps = RecordingCanvas::default_caps();
    caps.horz_res = w;
    caps.vert_res = h;
    return RecordingCanvas(caps);
}

inline void render_shorshorov_window(ShorshorovWindowRoutine routine, const double* params, int selector,
                                     const SteelChoice& steel, const std::string& name)
{
    ImageCanvas image(1024, 768);
    Canvas& dc = image.canvas();
    dc.set_text_color(Rgb{128, 0, 0});
    dc.set_background_mode(BackgroundMode::transparent);
    routine(params, 50, nullptr, dc, selector, steel, 0);
    const std::filesystem::path dir = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "shorshorov_windows";
    std::filesystem::create_directories(dir);
    image.save_png((dir / (name + ".png")).string());
}
