#include "atlas_files.h"
#include "composition.h"
#include "curve_set.h"
#include "image_canvas.h"
#include "kasatkin_model.h"
#include "picture.h"
#include "plot.h"
#include "sample_atlas.h"
#include "seyffarth_frame.h"
#include "shorshorov.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

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

std::vector<fs::path> seyffarth_descriptors()
{
    return files_with(data_dir / "Seyffarth CCT Atlas", {".sp0", ".sp1", ".sp2", ".sm1", ".gs1", ".sg1"});
}

std::vector<fs::path> shorshorov_steels()
{
    return files_with(data_dir / "Shorsorov CCT Atlas", {".100", ".200", ".301", ".307", ".401"});
}

// The model's martensite and ferrite + pearlite (per cent) at t8/5 for the
// composition line of a steel.
struct ModelShares {
    double m, fp;
};
ModelShares model_shares(const std::string& composition_line, double t85)
{
    CompositionRecord c;
    c.parse_composition(composition_line);
    KasatkinSteel steel;
    load_kasatkin_composition(c, steel);
    kasatkin_evaluate(steel, t85);
    return {100 * steel.martensite, 100 * steel.ferrite_pearlite};
}

// True when the values rise to one maximum (possibly at an end) and then
// fall, never turning back up.
bool one_hump(const std::vector<double>& v)
{
    bool falling = false;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (v[i] < v[i - 1]) falling = true;
        if (falling && v[i] > v[i - 1]) return false;
    }
    return true;
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
    const auto descriptors = seyffarth_descriptors();
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
    const auto steels = shorshorov_steels();
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

// Every structure table runs from 1 s to 400 s in 25 to 40 rows; martensite
// falls, ferrite and pearlite rise, bainite rises to one maximum and falls;
// the four shares add up to 100 % with none below 0; and each row holds the
// steel model's martensite and ferrite + pearlite at its cooling time.
TEST(SampleAtlas, StructureTablesAreSmoothWholeAndTheModels)
{
    const auto descriptors = seyffarth_descriptors();
    ASSERT_EQ(descriptors.size(), 6u);
    for (const fs::path& p : descriptors) {
        SCOPED_TRACE(p.filename().string());
        SteelDescriptor d;
        ASSERT_TRUE(read_steel_descriptor(p.string(), d).ok);
        std::vector<StructureRow> rows;
        ASSERT_TRUE(read_structure_table(resolve_atlas_path(d.structure, p.string()), rows).ok);
        ASSERT_GE(rows.size(), 25u);
        ASSERT_LE(rows.size(), 40u);
        EXPECT_EQ(rows.front().cooling_time, 1.0);
        EXPECT_EQ(rows.back().cooling_time, 400.0);
        std::vector<double> bainite;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const StructureRow& r = rows[i];
            SCOPED_TRACE(r.cooling_time);
            // Martensite is 100 less the other three: exact but for the last bit.
            constexpr double bit = 1e-9;
            for (double share : {r.ferrite, r.bainite, r.pearlite, r.martensite}) {
                EXPECT_GE(share, -bit);
                EXPECT_LE(share, 100.0);
            }
            EXPECT_NEAR(r.ferrite + r.bainite + r.pearlite + r.martensite, 100.0, 1e-9);
            const ModelShares model = model_shares(d.composition_line, r.cooling_time);
            EXPECT_NEAR(r.martensite, model.m, 0.1 + 1e-9);
            EXPECT_NEAR(r.ferrite + r.pearlite, model.fp, 0.15);
            bainite.push_back(r.bainite);
            if (i == 0) continue;
            const StructureRow& before = rows[i - 1];
            EXPECT_GT(r.cooling_time, before.cooling_time);
            EXPECT_LE(r.martensite, before.martensite + bit);
            EXPECT_GE(r.ferrite, before.ferrite);
            EXPECT_GE(r.pearlite, before.pearlite);
        }
        EXPECT_TRUE(one_hump(bainite));
    }
}

// The property files carry, in header numbers 5 to 14, the ends of the very
// scales the property windows pick from numbers 6 and 8 (HV and Rm) and use
// for A, Z and K; the plot box spans the HV scale; every curve lies inside
// it; and a curve point carried from the HV scale onto its property's scale,
// as the windows carry it, is the steel model's value there.
TEST(SampleAtlas, PropertyFilesAreOnTheScalesTheWindowsReadWith)
{
    struct Case {
        const char* file;
        double hv_hi, rm_hi;   // upper ends of the HV and Rm scales the values need
    } cases[] = {
        {"S235JR.sp0", 440, 1300},       // HV 146..363, Rm 524..1115, R02 345..805
        {"S355J2.sp0", 750, 1600},       // HV 175..441, Rm 633..1369
        {"C22E.sp2", 750, 1600},         // HV 167..450, Rm 629..1481
        {"20MnMoNi45.sp2", 750, 1600},   // HV 217..455, Rm 690..1440
        {"CMn12.sm1", 440, 1300},        // HV 151..381, Rm 534..1124
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const fs::path p = data_dir / "Seyffarth CCT Atlas" / c.file;
        SteelDescriptor d;
        ASSERT_TRUE(read_steel_descriptor(p.string(), d).ok);
        CurveSet set;
        ASSERT_TRUE(read_curve_file(resolve_atlas_path(d.property_curves, p.string()), set).ok);
        const SeyffarthPropertyScales scales = seyffarth_property_scales(set[6], set[8]);
        EXPECT_EQ(scales.hv.back(), c.hv_hi);
        EXPECT_EQ(scales.rm.back(), c.rm_hi);
        const double header[15] = {0,
                                   0, scales.hv.front(), seyffarth_ln400, scales.hv.back(),
                                   scales.hv.front(), scales.hv.back(), scales.rm.front(), scales.rm.back(),
                                   scales.a.front(), scales.a.back(), scales.z.front(), scales.z.back(),
                                   scales.k.front(), scales.k.back()};
        for (int i = 1; i <= 14; ++i) EXPECT_NEAR(set[static_cast<std::size_t>(i)], header[i], 1e-5) << i;

        CompositionRecord composition;
        composition.parse_composition(d.composition_line);
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(k);
            std::vector<double> xs, ys;
            int n = 0, colour = 0;
            ASSERT_TRUE(extract_curve(set, xs, ys, n, colour, k));
            EXPECT_EQ(n, 30);
            EXPECT_EQ(xs.front(), 0.0);
            EXPECT_NEAR(xs.back(), seyffarth_ln400, 0.001);
            for (int i = 0; i <= n; ++i) {
                const double y = ys[static_cast<std::size_t>(i)];
                EXPECT_GE(y, scales.hv.front());
                EXPECT_LE(y, scales.hv.back());
                KasatkinSteel steel;
                load_kasatkin_composition(composition, steel);
                kasatkin_evaluate(steel, std::exp(xs[static_cast<std::size_t>(i)]));
                const double model[6] = {steel.hv, steel.rm, steel.r02, steel.elongation, steel.reduction,
                                         steel.toughness};
                const double value = k == 0 ? y : seyffarth_carry_to_scale(y, scales.hv, scales.of(k));
                EXPECT_NEAR(value, model[k], 0.02) << i;
            }
        }
    }
}

// The Shorshorov files' range rows are the ends of the fixed axes of the
// Shorshorov windows (cooling rate 0.1..600 C/s, HV 0..700, Rm 0..1400 MPa,
// A and Z 0..70 %), every data row lies inside them, and there are no more
// rows than a window holds. Martensite rises and ferrite falls with W.
TEST(SampleAtlas, ShorshorovRangeRowsAreTheWindowsAxes)
{
    const auto steels = shorshorov_steels();
    ASSERT_EQ(steels.size(), 5u);
    for (const fs::path& p : steels) {
        SCOPED_TRACE(p.filename().string());
        ShorshorovSteelFile steel;
        ASSERT_TRUE(read_shorshorov_steel_file(p.string(), steel).ok);
        ASSERT_EQ(steel.rows.size(), 20u);   // two range rows and 18 data rows
        EXPECT_LE(steel.rows.size(), static_cast<std::size_t>(shorshorov_table_rows));
        const ShorshorovRow& lo = steel.rows[0];
        const ShorshorovRow& hi = steel.rows[1];
        EXPECT_EQ(lo.cooling_rate, shorshorov_rate_ticks.front());
        EXPECT_EQ(hi.cooling_rate, shorshorov_rate_ticks.back());
        EXPECT_EQ(lo.hv, shorshorov_hv_ticks.front());
        EXPECT_EQ(hi.hv, shorshorov_hv_ticks.back());
        EXPECT_EQ(lo.rm, shorshorov_rm_ticks.front());
        EXPECT_EQ(hi.rm, shorshorov_rm_ticks.back());
        EXPECT_EQ(lo.a, shorshorov_a_ticks.front());
        EXPECT_EQ(hi.a, shorshorov_a_ticks.back());
        EXPECT_EQ(lo.z, shorshorov_a_ticks.front());
        EXPECT_EQ(hi.z, shorshorov_a_ticks.back());
        for (std::size_t i = 2; i < steel.rows.size(); ++i) {
            const ShorshorovRow& r = steel.rows[i];
            SCOPED_TRACE(r.cooling_rate);
            EXPECT_GT(r.cooling_rate, lo.cooling_rate);
            EXPECT_LT(r.cooling_rate, hi.cooling_rate);
            for (auto [v, l, h] : {std::tuple{r.hv, lo.hv, hi.hv}, std::tuple{r.rm, lo.rm, hi.rm},
                                   std::tuple{r.a, lo.a, hi.a}, std::tuple{r.z, lo.z, hi.z}}) {
                EXPECT_GT(v, l);
                EXPECT_LT(v, h);
            }
            EXPECT_GE(r.martensite(), 0.0);
            EXPECT_GE(r.ferrite(), 0.0);
            EXPECT_GE(r.pearlite_bainite(), 0.0);
            if (i == 2) continue;
            const ShorshorovRow& before = steel.rows[i - 1];
            EXPECT_GT(r.cooling_rate, before.cooling_rate);
            EXPECT_GE(r.martensite(), before.martensite());
            EXPECT_LE(r.ferrite(), before.ferrite());
        }
    }
}

// Micrographs at the size the windows cut their tiles from: a Seyffarth
// picture of six 200-pixel tiles, three by two, as its descriptor says; a
// Shorshorov picture of 379 by 600, as the window loads it.
TEST(SampleAtlas, MicrographsAtTheirTileSizes)
{
    for (const fs::path& p : seyffarth_descriptors()) {
        SCOPED_TRACE(p.filename().string());
        SteelDescriptor d;
        ASSERT_TRUE(read_steel_descriptor(p.string(), d).ok);
        MicrographLine m;
        ASSERT_EQ(parse_micrograph_line(d.micrograph_line, m), 9);
        EXPECT_EQ(m.width / 3, 200u);
        EXPECT_EQ(m.height / 2, 200u);
        const Picture picture = load_picture_file(resolve_atlas_path(m.file, p.string()));
        EXPECT_EQ(picture.width, 600);
        EXPECT_EQ(picture.height, 400);
    }
    for (const fs::path& p : shorshorov_steels()) {
        SCOPED_TRACE(p.filename().string());
        ShorshorovSteelFile steel;
        ASSERT_TRUE(read_shorshorov_steel_file(p.string(), steel).ok);
        const Picture picture = load_picture_file(resolve_atlas_path(steel.micrograph_file, p.string()));
        EXPECT_EQ(picture.width, 379);
        EXPECT_EQ(picture.height, 600);
    }
}
