// The CCT windows: the diagram's frame, ticks and temperature lines, the
// cooling curve at the point with its t8/5 marker and glyphs, the shares,
// the failures of each file, and PNG renders to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "captions.h"
#include "numfmt.h"
#include "seyffarth_point_test_support.h"

using namespace seyffarth_test;

namespace {

const RecordingCanvas::TextCall* text_starting(const RecordingCanvas& dc, const std::string& start)
{
    for (const auto& t : dc.texts)
        if (t.text.rfind(start, 0) == 0) return &t;
    return nullptr;
}

Rect cct_plot_rect(int bottom_lines)
{
    RecordingCanvas probe;
    const int h = seyffarth_font(probe, 768 / 30);
    return Rect{1024 / 8, 7 * h, 1024 - 1024 / 8, 768 - bottom_lines * h};
}

// A steel whose descriptor names the sample steel's files except those left out.
SteelChoice steel_without(const std::string& name, const std::string& missing)
{
    const fs::path dir = fixture_dir(name);
    const fs::path sample = fs::path(VELMARIN_SOURCE_DATA_DIR) / "Seyffarth CCT Atlas" / "s355j2";
    for (const char* f : {"cct.spl", "prop.spl", "labels.txt", "struct.tx_"})
        if (missing != f) fs::copy_file(sample / f, dir / f);
    write_file(dir / "steel.sp0", "cct.spl prop.spl labels.txt struct.tx_\nx\n0.2 0.3 1.2\nm.bmp 6 4 1 2 3 4 5 6\nFIX\n");
    SteelChoice s;
    s.file_name = (dir / "steel.sp0").string();
    s.filter_index = 1;   // *.sp0: class 1
    return s;
}

} // namespace

TEST(SeyffarthCctAtPoint, CoolingCurveMarkerGlyphsAndShares)
{
    reset_program_state();
    const double record[4] = {0.5, 0.5, 850.0, 500.0};
    RecordingCanvas dc;
    const SteelChoice steel = sample_seyffarth_steel();
    seyffarth_cct_at_point_window(record, 50, nullptr, dc, 0, steel, 0);
    EXPECT_TRUE(shown_boxes().empty());
    const Rect plot = cct_plot_rect(11);

    SeyffarthPoint p;
    ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);

    // The curve: five pixels wide, starting at the left edge (ln 1 = 0 one
    // second after the upper temperature) through 51 samples.
    const RecordingCanvas::PolylineCall* curve = cooling_curve(dc);
    ASSERT_NE(curve, nullptr);
    ASSERT_EQ(curve->points.size(), 51u);
    EXPECT_EQ(curve->points.front().x, plot.left);
    EXPECT_EQ(curve->pen.color, (Rgb{0, 125, 250}));
    // ... ending at the lower temperature.
    EXPECT_EQ(curve->points.back().y, plot.top + static_cast<int>((900.0 - 500.0) * (plot.bottom - plot.top) / 900.0));

    // Glyph 0xC0 at samples 17, 27, 37 and 47, each moved along the curve
    // (less than ten samples) where its cell would meet a label drawn over
    // the curve: with the sample steel the curve runs through the row of
    // circled labels.
    std::vector<const RecordingCanvas::TextCall*> glyphs;
    for (const auto& t : dc.texts)
        if (t.text == "\u00C0") glyphs.push_back(&t);
    ASSERT_EQ(glyphs.size(), 4u);
    const int label_font = 768 / 35;
    for (std::size_t k = 0; k < glyphs.size(); ++k) {
        const RecordingCanvas::TextCall& g = *glyphs[k];
        const Size size = measure_text(g.font, g.text);
        const Rect cell{g.x, g.y, g.x + size.cx, g.y + size.cy};
        bool on_a_sample = false;
        const int nominal = 17 + 10 * static_cast<int>(k);
        for (int i = nominal - 9; i <= std::min(nominal + 9, 50); ++i)
            on_a_sample = on_a_sample || g.x == curve->points[static_cast<std::size_t>(i)].x;
        EXPECT_TRUE(on_a_sample) << k;
        for (const auto& shape : dc.shapes) {
            if (shape.kind != RecordingCanvas::ShapeKind::ellipse) continue;
            EXPECT_FALSE(ellipse_meets_rect(shape.box, cell)) << k;
        }
        for (const auto& t : dc.texts) {
            if (t.font.height != label_font) continue;
            const Size e = measure_text(t.font, t.text);
            EXPECT_FALSE(rects_meet(Rect{t.x, t.y, t.x + e.cx, t.y + e.cy}, cell)) << k << " " << t.text;
        }
    }

    // The t8/5 marker: three pixels, dark red.
    bool marker = false;
    for (const auto& line : dc.lines)
        if (line.pen.width == 3 && line.pen.color == (Rgb{127, 0, 0})) {
            EXPECT_EQ(line.from.x, static_cast<int>(plot.left + p.L * (plot.right - plot.left) / 5.99146));
            marker = true;
        }
    EXPECT_TRUE(marker);

    SteelDescriptor d;
    seyffarth_read_descriptor(steel, d);
    SeyffarthPhases ph;
    SeyffarthTableOptions o;
    o.last_four_counts = false;
    ASSERT_TRUE(seyffarth_read_phases(nullptr, steel, d, ph, o));
    const SeyffarthShares s = seyffarth_shares_at(ph, p.L);
    const auto* m = dc.find_text(cformat("Martensite = %-.3g %%;  ", s.martensite));
    const auto* f = dc.find_text(cformat("Ferrite:= %-.3g %%;  ", s.ferrite));
    ASSERT_NE(m, nullptr);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->x, m->x + measure_text(m->font, m->text).cx);
    EXPECT_EQ(f->color, (Rgb{255, 0, 255}));
    EXPECT_EQ(m->y, 768 - 6 * seyffarth_font(dc, 768 / 30));
    ASSERT_NE(text_starting(dc, "In a range: (850,500), [C] at point (y=0.5, cm; z=0.5, cm) chill time: "), nullptr);
    ASSERT_NE(dc.find_text("Cct diagram under the atlas P. Seyffarth"), nullptr);
    // Labels of the label file are drawn (the sample's "F" text).
    EXPECT_NE(dc.find_text("F"), nullptr);
}

TEST(SeyffarthCctDiagram, FrameTicksAndTemperatureLines)
{
    reset_program_state(Language::ukrainian);
    RecordingCanvas dc;
    seyffarth_cct_diagram_window(nullptr, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_TRUE(shown_boxes().empty());
    const Rect plot = cct_plot_rect(5);
    const int h = seyffarth_font(dc, 768 / 30);
    // Tick label 100 centred on ln 100 with its top at B + h.
    const auto* label = dc.find_text("100");
    ASSERT_NE(label, nullptr);
    const int x = static_cast<int>(plot.left + std::log(100.0) * (plot.right - plot.left) / 5.99146);
    EXPECT_EQ(label->x, x - measure_text(label->font, "100").cx / 2);
    EXPECT_EQ(label->y, plot.bottom + h);
    // The 500 °C line counted from the bottom edge.
    const int y500 = plot.bottom - static_cast<int>(500.0 * (plot.bottom - plot.top) / 900.0);
    bool line500 = false;
    for (const auto& l : dc.lines)
        if (l.from == (Point{plot.left, y500}) && l.to.x == plot.right) line500 = true;
    EXPECT_TRUE(line500);
    ASSERT_NE(dc.find_text("Діаграма розспаду аустеніту за атласом П. Daverurud"), nullptr);
    ASSERT_NE(dc.find_text("Температура, C"), nullptr);
    EXPECT_EQ(dc.find_text("Температура, C")->font.escapement, 900);
    EXPECT_EQ(text_starting(dc, "В діапазоні"), nullptr);
}

TEST(SeyffarthCct, EachMissingFileIsReportedAndTheRestDrawn)
{
    reset_program_state();
    const double record[4] = {0.5, 0.5, 850.0, 500.0};
    {
        // No structure table: the diagram does not need one.
        RecordingCanvas dc;
        seyffarth_cct_diagram_window(nullptr, 50, nullptr, dc, 0, steel_without("cct_nostruct", "struct.tx_"), 0);
        EXPECT_TRUE(shown_boxes().empty());
        EXPECT_FALSE(dc.polylines.empty());
    }
    {
        // ... the window at a point stops after the composition table.
        RecordingCanvas dc;
        seyffarth_cct_at_point_window(record, 50, nullptr, dc, 0, steel_without("cct_nostruct2", "struct.tx_"), 0);
        ASSERT_EQ(shown_boxes().size(), 1u);
        EXPECT_NE(dc.find_text("Mn"), nullptr);
        EXPECT_EQ(text_starting(dc, "In a range"), nullptr);
    }
    {
        RecordingCanvas dc;
        seyffarth_cct_at_point_window(record, 50, nullptr, dc, 0, steel_without("cct_nolabels", "labels.txt"), 0);
        const auto boxes = shown_boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find("labels.txt"), std::string::npos);
        EXPECT_EQ(dc.find_text("F"), nullptr);
        EXPECT_NE(text_starting(dc, "In a range"), nullptr);
    }
    {
        RecordingCanvas dc;
        seyffarth_cct_diagram_window(nullptr, 50, nullptr, dc, 0, steel_without("cct_nocurves", "cct.spl"), 0);
        const auto boxes = shown_boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find("cct.spl"), std::string::npos);
        EXPECT_TRUE(dc.polylines.empty());
        EXPECT_NE(dc.find_text("Cct diagram under the atlas P. Seyffarth"), nullptr);
    }
}

TEST(SeyffarthCctAtPoint, BlackAndWhiteLeavesTheCurveSetItsColours)
{
    reset_program_state();
    colour_mode = 0;
    const double record[4] = {0.5, 0.5, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_cct_at_point_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    colour_mode = 1;
    bool coloured_curve = false;
    for (const auto& pl : dc.polylines) {
        if (pl.pen.width >= 3) {
            EXPECT_EQ(pl.pen.color, (Rgb{0, 0, 0}));
        }
        if (pl.pen.width == 1 && !(pl.pen.color == Rgb{0, 0, 0})) coloured_curve = true;
    }
    EXPECT_TRUE(coloured_curve);
    EXPECT_EQ(dc.find_text("Cct diagram under the atlas P. Seyffarth")->color, (Rgb{0, 0, 0}));
}

TEST(SeyffarthCctPictures, EnglishAndRussian)
{
    const double record[4] = {0.5, 0.5, 850.0, 500.0};
    for (Language language : {Language::english, Language::russian}) {
        reset_program_state(language);
        const std::string tag = language_tag(language);
        EXPECT_GT(render_window(seyffarth_cct_at_point_window, record, sample_seyffarth_steel(), "cct_at_point_" + tag), 200);
        EXPECT_GT(render_window(seyffarth_cct_diagram_window, record, sample_seyffarth_steel("20MnMoNi45.sp2", 3),
                                "cct_diagram_" + tag),
                  200);
        EXPECT_TRUE(shown_boxes().empty());
    }
}
