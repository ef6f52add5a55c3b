#include "atlas_files.h"
#include "curve_set.h"
#include "image_canvas.h"
#include "picture.h"
#include "plot.h"
#include "sample_atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path data_dir = VELMARIN_SOURCE_DATA_DIR;

std::string bytes_of(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> files_with(const fs::path& folder, const std::vector<std::string>& extensions)
{
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(folder))
        for (const auto& ext : extensions)
            if (e.is_regular_file() && e.path().extension() == ext) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

// The committed sample atlas is exactly what the generator writes.
TEST(SampleAtlas, GeneratorRewritesTheCommittedFilesByteForByte)
{
    const fs::path out = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "sample_atlas";
    fs::remove_all(out);
    std::string error;
    ASSERT_TRUE(write_sample_atlas(out.string(), error)) << error;
    const auto names = sample_atlas_files();
    ASSERT_GT(names.size(), 20u);
    for (const std::string& name : names) {
        ASSERT_TRUE(fs::exists(data_dir / name)) << name << " is missing from data/; run make_sample_atlas";
        EXPECT_TRUE(bytes_of(out / name) == bytes_of(data_dir / name)) << name << " differs from data/";
    }
    // Nothing in data/'s atlas folders that the generator does not write.
    std::size_t committed = 0;
    for (const char* folder : {"Seyffarth CCT Atlas", "Shorsorov CCT Atlas"})
        for (const auto& e : fs::recursive_directory_iterator(data_dir / folder))
            if (e.is_regular_file()) ++committed;
    EXPECT_EQ(committed, names.size());
}

// Every sample steel reads cleanly through the readers, with the Windows
// names of its descriptor resolved in the folder.
TEST(SampleAtlas, EverySteelReadsCleanly)
{
    const auto descriptors =
        files_with(data_dir / "Seyffarth CCT Atlas", {".sp0", ".sp1", ".sp2", ".sm1", ".gs1", ".sg1"});
    ASSERT_GE(descriptors.size(), 4u);
    for (const fs::path& p : descriptors) {
        SCOPED_TRACE(p.string());
        SteelDescriptor d;
        AtlasReadResult r = read_steel_descriptor(p.string(), d);
        ASSERT_TRUE(r.ok) << r.message;
        CurveSet cct, props;
        r = read_curve_file(resolve_atlas_path(d.cct_curves, p.string()), cct);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(cct[4], 900.0);
        r = read_curve_file(resolve_atlas_path(d.property_curves, p.string()), props);
        ASSERT_TRUE(r.ok) << r.message;
        // Six property curves, HV falling and A rising with the cooling time.
        std::vector<double> xs, ys;
        int n = 0, colour = 0;
        for (int k = 0; k < 6; ++k) ASSERT_TRUE(extract_curve(props, xs, ys, n, colour, k)) << k;
        std::vector<double> hv, elongation;
        lookup_curve_at_times(props, 0, std::vector<double>{2, 20, 200}, hv);
        lookup_curve_at_times(props, 3, std::vector<double>{2, 20, 200}, elongation);
        EXPECT_GT(hv[0], hv[1]);
        EXPECT_GT(hv[1], hv[2]);
        EXPECT_LT(elongation[0], elongation[2]);
        std::vector<LabelRecord> labels;
        r = read_label_file(resolve_atlas_path(d.labels, p.string()), labels);
        ASSERT_TRUE(r.ok) << r.message;
        ASSERT_GE(labels.size(), 11u);
        EXPECT_EQ(labels[9].text, "Ac3");
        std::vector<StructureRow> rows;
        r = read_structure_table(resolve_atlas_path(d.structure, p.string()), rows);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_GE(rows.size(), 10u);
        EXPECT_GT(rows.front().martensite, rows.back().martensite);
        MicrographLine m;
        ASSERT_EQ(parse_micrograph_line(d.micrograph_line, m), 9);
        const Picture picture = load_picture_file(resolve_atlas_path(m.file, p.string()));
        ASSERT_TRUE(picture.valid());
        EXPECT_EQ(picture.width, static_cast<int>(m.width));
        EXPECT_EQ(picture.height, static_cast<int>(m.height));
    }
    const auto steels = files_with(data_dir / "Shorsorov CCT Atlas", {".100", ".200", ".301", ".307", ".401"});
    ASSERT_GE(steels.size(), 3u);
    for (const fs::path& p : steels) {
        SCOPED_TRACE(p.string());
        ShorshorovSteelFile steel;
        const AtlasReadResult r = read_shorshorov_steel_file(p.string(), steel);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_LE(steel.rows.size(), 20u);
        EXPECT_GT(steel.rows.back().hv, steel.rows[2].hv);   // faster cooling, harder
        const Picture picture = load_picture_file(resolve_atlas_path(steel.micrograph_file, p.string()));
        EXPECT_TRUE(picture.valid());
    }
}

// A CCT diagram of a sample steel, for the eye: frame, temperature lines,
// the curve set and its labels, and the steel's micrograph beside it.
TEST(SampleAtlas, CctDiagramPicture)
{
    const fs::path descriptor = data_dir / "Seyffarth CCT Atlas" / "S355J2.sp0";
    SteelDescriptor d;
    ASSERT_TRUE(read_steel_descriptor(descriptor.string(), d).ok);
    CurveSet cct;
    ASSERT_TRUE(read_curve_file(resolve_atlas_path(d.cct_curves, descriptor.string()), cct).ok);
    std::vector<LabelRecord> labels;
    ASSERT_TRUE(read_label_file(resolve_atlas_path(d.labels, descriptor.string()), labels).ok);

    ImageCanvas image(1300, 700);
    Canvas& dc = image.canvas();
    const Rect rect{90, 60, 840, 620};
    const WorldBox box{cct[1], cct[4], cct[3], cct[2]};
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{0, 125, 250}});
    dc.select_brush(Brush{BrushStyle::solid, Rgb{255, 255, 255}});
    dc.rectangle(rect.left, rect.top, rect.right, rect.bottom);
    for (double t : {1.0, 2.0, 4.0, 6.0, 8.0, 10.0, 20.0, 40.0, 60.0, 100.0, 200.0, 400.0}) {
        const int x = plot_x(rect, box, std::log(t));
        dc.move_to(x, rect.bottom);
        dc.line_to(x, rect.top);
    }
    std::vector<double> ticks;
    for (int v = 0; v <= 900; v += 100) ticks.push_back(v);
    draw_horizontal_grid(dc, rect, box, 9, ticks);
    FontRecord font{.height = 20, .face = "Times New Roman"};
    dc.select_font(font);
    dc.set_text_color(Rgb{0, 125, 250});
    draw_y_axis(dc, rect.left, rect.bottom, rect.top, box.y_max, box.y_min, 9, 2, ticks);
    draw_curve_set(dc, cct, box, rect);
    draw_cct_labels(dc, 700, labels, box, rect);

    MicrographLine m;
    ASSERT_EQ(parse_micrograph_line(d.micrograph_line, m), 9);
    const Picture micro = load_picture_file(resolve_atlas_path(m.file, descriptor.string()));
    ASSERT_TRUE(micro.valid());
    dc.draw_picture(micro, Rect{870, 60, 870 + 2 * 210, 60 + 2 * 140});
    ASSERT_TRUE(image.save_png(std::string(VELMARIN_TEST_OUTPUT_DIR) + "/atlas_sample_cct_s355j2.png"));
    // The curves are there: a hardness label of the fastest cooling curve.
    EXPECT_NE(image.pixel(rect.left + 5, rect.top + 5), (Rgb{0, 0, 0}));
}
