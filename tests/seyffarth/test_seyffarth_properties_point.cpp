// The properties windows: scales chosen from the file, values carried from
// the hardness scale, values at the point's cooling time, the cooling-curve
// overlay, the text block, failures, and PNG renders to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "captions.h"
#include "numfmt.h"
#include "scheme_at_dialog_values.h"
#include "seyffarth_point_test_support.h"
#include "text_cells.h"

using namespace seyffarth_test;

namespace {

// A curve set in memory: the header with the HV range [hv_lo, hv_hi] and the
// Rm upper end, then one curve (points x_i, y_i) per entry of `curves`.
std::vector<double> curve_set(double hv_lo, double hv_hi, double rm_hi,
                              const std::vector<std::vector<std::pair<double, double>>>& curves)
{
    std::vector<double> s(25, 0.0);
    s[1] = 0;
    s[2] = hv_lo;
    s[3] = seyffarth_ln400;
    s[4] = hv_hi;
    s[5] = hv_lo;
    s[6] = hv_hi;
    s[7] = 100;
    s[8] = rm_hi;
    for (const auto& c : curves) {
        s.push_back(static_cast<double>(c.size()) - 1);
        s.push_back(0);
        for (const auto& [x, y] : c) {
            s.push_back(x);
            s.push_back(y);
        }
        s.push_back(0);
    }
    s[0] = static_cast<double>(s.size());
    return s;
}

const std::vector<std::pair<double, double>> rising{{0, 100}, {1, 200}, {2, 300}, {3, 400}, {4, 500}, {5, 600}};

const RecordingCanvas::TextCall* text_starting(const RecordingCanvas& dc, const std::string& start)
{
    for (const auto& t : dc.texts)
        if (t.text.rfind(start, 0) == 0) return &t;
    return nullptr;
}

} // namespace

TEST(SeyffarthProperties, ScalesFollowTheFileHeader)
{
    struct Case {
        double hv_hi, rm_hi;
        double hv_first, hv_last, rm_first, rm_last;
        std::size_t hv_count;
    } cases[] = {
        {440, 1300, 80, 440, 100, 1300, 8},
        {441, 1300, 150, 750, 100, 1300, 7},
        {440, 1301, 80, 440, 400, 1600, 8},
    };
    for (const Case& c : cases) {
        const SeyffarthPropertyScales s = seyffarth_property_scales(c.hv_hi, c.rm_hi);
        EXPECT_EQ(s.hv.front(), c.hv_first);
        EXPECT_EQ(s.hv.back(), c.hv_last);
        EXPECT_EQ(s.hv.size(), c.hv_count);
        EXPECT_EQ(s.rm.front(), c.rm_first);
        EXPECT_EQ(s.rm.back(), c.rm_last);
        EXPECT_EQ(&s.of(2), &s.of(1));   // R02 is read on the Rm axis
    }
}

TEST(SeyffarthProperties, ValueOnTheHardnessScaleCarriedOntoTheOthers)
{
    const SeyffarthPropertyScales s = seyffarth_property_scales(440, 1300);
    EXPECT_NEAR(seyffarth_carry_to_scale(150, s.hv, s.a), 9.33, 0.005);
    EXPECT_NEAR(seyffarth_carry_to_scale(150, s.hv, s.rm), 333.3, 0.05);
}

TEST(SeyffarthProperties, ValueBelowAboveAndOnAKnot)
{
    const std::vector<double> set = curve_set(80, 440, 1300, {rising, rising, rising, rising});
    const SeyffarthPropertyScales s = seyffarth_property_scales(440, 1300);
    double v = 0;
    ASSERT_TRUE(seyffarth_property_value(set, 0, -1.0, v));
    EXPECT_EQ(v, 100.0);   // below: the first point
    ASSERT_TRUE(seyffarth_property_value(set, 0, 7.0, v));
    EXPECT_EQ(v, rising.back().second);   // above: the last point
    ASSERT_TRUE(seyffarth_property_value(set, 0, 2.5, v));
    EXPECT_NEAR(v, 350.0, 1.0);
    ASSERT_TRUE(seyffarth_property_value(set, 0, 2.0, v));
    EXPECT_EQ(v, 300.0);   // a knot: its own value
    ASSERT_TRUE(seyffarth_property_value(set, 3, 2.0, v));
    EXPECT_NEAR(v, seyffarth_carry_to_scale(300.0, s.hv, s.a), 1e-12);
    EXPECT_FALSE(seyffarth_property_value(set, 5, 2.5, v));   // no record for K

    const std::vector<double> short_curve = curve_set(80, 440, 1300, {{{0, 1}, {1, 2}, {2, 3}, {3, 4}}});
    EXPECT_FALSE(seyffarth_property_value(short_curve, 0, 1.5, v));   // n = 3 is too few
}

TEST(SeyffarthPropertiesAtPoint, TextBlockValuesAndOverlay)
{
    reset_program_state();
    const double record[4] = {0.05, 0.0, 500.0, 500.0};
    RecordingCanvas dc;
    const SteelChoice steel = sample_seyffarth_steel();
    seyffarth_properties_at_point_window(record, 50, nullptr, dc, 0, steel, 0);
    EXPECT_TRUE(shown_boxes().empty());

    SeyffarthPoint p;
    ASSERT_EQ(seyffarth_point_at(record, p), CoolingStatus::reached);
    RecordingCanvas probe;
    const int H = 768 / 30;
    const int h = seyffarth_font(probe, H);
    const Rect plot{12 * h, 7 * h, 1024 - 12 * h, 768 - 11 * h};

    const auto* title = dc.find_text("Mechanical properties under the atlas P. Seyffarth");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, h);
    EXPECT_EQ(title->y, static_cast<int>(0.3 * h));
    const auto* cls = text_starting(dc, "Class of steel: ");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->y, static_cast<int>(1.3 * h));

    const auto* result = text_starting(dc, "In a range: (505,500), [C] at point (y=0.05, cm; z=0, cm) chill time: ");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->x, 5 * h);
    EXPECT_EQ(result->y, static_cast<int>(768 - 7.2 * h));

    // The values line: the six values at ln t8/5, fragments advanced by
    // their widths with the terminating zero.
    SteelDescriptor d;
    seyffarth_read_descriptor(steel, d);
    CurveSet curves;
    ASSERT_TRUE(read_curve_file(seyffarth_atlas_file(steel, d.property_curves), curves).ok);
    double hv = 0, rm = 0;
    ASSERT_TRUE(seyffarth_property_value(curves, 0, p.L, hv));
    ASSERT_TRUE(seyffarth_property_value(curves, 1, p.L, rm));
    EXPECT_GT(hv, 150.0);
    EXPECT_LT(hv, 500.0);
    const auto* f_hv = dc.find_text(cformat(" HV= %-.3g,", hv));
    const auto* f_rm = dc.find_text(cformat(" Rm= %-.3g MPa;", rm));
    ASSERT_NE(f_hv, nullptr);
    ASSERT_NE(f_rm, nullptr);
    // From 5h, or left of it as far as the line must go to end inside the
    // page.
    EXPECT_LE(f_hv->x, 5 * h);
    EXPECT_EQ(f_hv->y, static_cast<int>(768 - 6.2 * h));
    EXPECT_EQ(f_rm->x, f_hv->x + measure_text(f_hv->font, f_hv->text, true).cx);

    // The cooling curve's markers (0xC6) at samples 20 and 30, plus the
    // legend glyph: on this short curve sample 40 lies 7 px right of sample
    // 30, so its marker would stand on that one's glyph and is left out.
    std::vector<Rect> overlay_glyphs;
    for (const auto& t : dc.texts)
        if (t.text == "\u00C6")
            overlay_glyphs.push_back(Rect{t.x, t.y, t.x + measure_text(t.font, t.text).cx, t.y + H});
    ASSERT_EQ(overlay_glyphs.size(), 3u);
    EXPECT_FALSE(rects_meet(overlay_glyphs[1], overlay_glyphs[2]));

    // 505 to 500 degrees pass in well under a second: the time axis reaches
    // back to the decade at least five times below t8/5, and the red
    // cooling-time marker and the whole cooling curve lie on it.
    ASSERT_LT(p.t, 1.0);
    const double x_min = seyffarth_time_axis_start(p.t);
    EXPECT_LE(std::exp(x_min), p.t / 5);
    EXPECT_GT(std::exp(x_min), p.t / 50);
    const int marker_x =
        static_cast<int>(plot.left + (p.L - x_min) * (plot.right - plot.left) / (5.99146454710798 - x_min));
    bool marker = false;
    for (const auto& line : dc.lines)
        if (line.pen.width == 5 && line.pen.color == (Rgb{255, 0, 0})) {
            EXPECT_EQ(line.from.x, marker_x);
            marker = true;
        }
    EXPECT_TRUE(marker);
    EXPECT_GT(marker_x, plot.left);
    const RecordingCanvas::PolylineCall* curve = nullptr;
    for (const auto& pl : dc.polylines)
        if (pl.pen.width == 5 && pl.pen.color == (Rgb{0, 0, 225})) curve = &pl;
    ASSERT_NE(curve, nullptr);
    ASSERT_EQ(curve->points.size(), 51u);
    EXPECT_NEAR(curve->points.front().x, plot.left, 1);
    EXPECT_NEAR(curve->points.back().x, marker_x, 1);
    for (const Point& pt : curve->points) {
        EXPECT_GE(pt.x, plot.left - 1);
        EXPECT_LE(pt.x, marker_x + 1);
    }
    // The ticks below 1 s carry their labels.
    EXPECT_NE(dc.find_text(cformat("%g", std::exp(x_min) * 2)), nullptr);
    const auto* temperature = dc.find_text("Temperature, C");
    ASSERT_NE(temperature, nullptr);
    EXPECT_EQ(temperature->font.escapement, 900);
    EXPECT_EQ(temperature->y, plot.bottom);
}

// The values line reads MPa, and its last value (K) ends inside the
// 1024-pixel screen in every language: a line too long for the page moves
// left and its fragments stay side by side.
// Scheme 4 at its data dialog's values cools for about 590 s, so the
// cooling curve runs on past the 400 s edge of the plot towards the
// elongation title beside it; on the landscape page in French the marker
// of sample 40 would stand on "L'allongement relatif A, %". Every marker
// keeps off the titles, and the two that are clear keep their samples.
TEST(SeyffarthPropertiesAtPoint, CoolingCurveMarkersKeepOffTheTitlesBesideThePlot)
{
    reset_program_state();
    ASSERT_TRUE(install_scheme_at_dialog_values(4));
    set_language(Language::french);
    init_fonts();
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc = RecordingCanvas::printer_page(297, 210, 300);
    seyffarth_properties_at_point_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    set_language(Language::english);
    init_fonts();
    EXPECT_TRUE(shown_boxes().empty());

    const auto* title = dc.find_text("L'allongement relatif A, %");
    ASSERT_NE(title, nullptr);
    ASSERT_EQ(title->font.escapement, 900);
    const Size e = measure_text(title->font, title->text);
    const Rect title_cell{title->x, title->y - e.cx, title->x + e.cy, title->y};
    std::vector<const RecordingCanvas::TextCall*> markers;
    for (const auto& t : dc.texts)
        if (t.text == "\u00C6") markers.push_back(&t);
    ASSERT_EQ(markers.size(), 3u);   // the legend glyph, then samples 20 and 30
    const RecordingCanvas::PolylineCall* curve = cooling_curve(dc);
    ASSERT_NE(curve, nullptr);
    ASSERT_EQ(curve->points.size(), 51u);
    EXPECT_GT(curve->points.back().x, title_cell.left);
    for (std::size_t k = 1; k < markers.size(); ++k) {
        const Size g = measure_text(markers[k]->font, markers[k]->text);
        EXPECT_FALSE(
            rects_meet(Rect{markers[k]->x, markers[k]->y, markers[k]->x + g.cx, markers[k]->y + g.cy}, title_cell));
        EXPECT_EQ(markers[k]->x, curve->points[10 + 10 * k].x);
    }
}

TEST(SeyffarthPropertiesAtPoint, ValuesLineReadsMPaAndEndsInsideTheWindow)
{
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    for (const Language language : {Language::english, Language::russian, Language::ukrainian, Language::german,
                                    Language::french}) {
        reset_program_state(language);
        RecordingCanvas dc;
        seyffarth_properties_at_point_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
        EXPECT_TRUE(shown_boxes().empty());
        const RecordingCanvas::TextCall* hv = nullptr;
        const RecordingCanvas::TextCall* k = nullptr;
        int mpa = 0;
        for (const auto& t : dc.texts) {
            if (t.text.rfind(" HV= ", 0) == 0) hv = &t;
            if (t.text.rfind(" K= ", 0) == 0) k = &t;
            if ((t.text.rfind(" Rm= ", 0) == 0 || t.text.rfind(" Rp02= ", 0) == 0) &&
                t.text.ends_with(" MPa;"))
                ++mpa;
        }
        EXPECT_EQ(mpa, 2) << language_tag(language);
        ASSERT_NE(hv, nullptr);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->y, hv->y);
        EXPECT_GE(text_cell(*hv).left, 2) << language_tag(language);
        EXPECT_LE(text_cell(*k).right, 1024 - 2) << language_tag(language);
    }
}

TEST(SeyffarthPropertiesAtPoint, MissingPropertyFileStopsAfterTheCompositionTable)
{
    reset_program_state();
    const fs::path dir = fixture_dir("props_missing");
    const SteelChoice steel = fixture_steel(dir, "h\n1 10 20 30 300\n");
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_properties_at_point_window(record, 50, nullptr, dc, 0, steel, 0);
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("prop.spl"), std::string::npos) << boxes[0].text;
    EXPECT_NE(dc.find_text("C"), nullptr);   // the composition table stays
    EXPECT_EQ(text_starting(dc, "In a range"), nullptr);
    EXPECT_TRUE(dc.polylines.empty());
}

TEST(SeyffarthPropertiesAtPoint, MissingCurvesShowNoValue)
{
    reset_program_state();
    const fs::path dir = fixture_dir("props_two_curves");
    const SteelChoice steel = fixture_steel(dir, "h\n1 10 20 30 300\n");
    std::string text;
    for (double v : curve_set(80, 440, 1300, {rising, rising})) text += cformat("%g\n", v);
    write_file(dir / "prop.spl", text);
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_properties_at_point_window(record, 50, nullptr, dc, 0, steel, 0);
    EXPECT_TRUE(shown_boxes().empty());
    EXPECT_NE(dc.find_text(" K= - J/mm2;"), nullptr);
    EXPECT_NE(dc.find_text(" A= - %; "), nullptr);
    EXPECT_NE(dc.find_text("Impact toughness K, J/mm2"), nullptr);   // its title is drawn
}

TEST(SeyffarthPropertiesAtPoint, BlackAndWhiteKeepsPenStyles)
{
    reset_program_state();
    colour_mode = 0;
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    RecordingCanvas dc;
    seyffarth_properties_at_point_window(record, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    colour_mode = 1;
    std::vector<PenStyle> styles;
    for (const auto& p : dc.polylines) {
        EXPECT_EQ(p.pen.color, (Rgb{0, 0, 0}));
        styles.push_back(p.pen.style);
    }
    for (PenStyle s : {PenStyle::solid, PenStyle::dash_dot, PenStyle::dash, PenStyle::dash_dot_dot, PenStyle::dot})
        EXPECT_NE(std::find(styles.begin(), styles.end(), s), styles.end());
}

TEST(SeyffarthPropertiesDiagram, NoPointNoMarkerAndItsOwnTitle)
{
    reset_program_state(Language::russian);
    RecordingCanvas dc;
    seyffarth_properties_diagram_window(nullptr, 50, nullptr, dc, 0, sample_seyffarth_steel(), 0);
    EXPECT_TRUE(shown_boxes().empty());
    EXPECT_NE(dc.find_text("Механические свойства по атласу П.Daverurud"), nullptr);
    EXPECT_NE(dc.find_text("Твердость по Викерсу HV"), nullptr);
    const auto* time = dc.find_text("t 8/5, с");
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->color, (Rgb{0, 0, 0}));
    for (const auto& line : dc.lines) EXPECT_NE(line.pen.width, 5);
    EXPECT_EQ(text_starting(dc, "В диапазоне"), nullptr);
}

TEST(SeyffarthPropertiesPictures, EnglishAndRussian)
{
    const double record[4] = {0.05, 0.0, 850.0, 500.0};
    for (Language language : {Language::english, Language::russian}) {
        reset_program_state(language);
        const std::string tag = language_tag(language);
        EXPECT_GT(render_window(seyffarth_properties_at_point_window, record, sample_seyffarth_steel(),
                                "properties_at_point_" + tag),
                  200);
        EXPECT_GT(render_window(seyffarth_properties_diagram_window, record, sample_seyffarth_steel("20MnMoNi45.sp2", 3),
                                "properties_diagram_" + tag),
                  200);
        EXPECT_TRUE(shown_boxes().empty());
    }
}

// A point that cools from 505 to 500 degrees in well under a second: the
// properties and CCT windows reach their time axis back so that the whole
// cooling curve is drawn on it.
TEST(SeyffarthPropertiesPictures, FastCoolingPointKeepsItsCurveOnTheAxis)
{
    const double record[4] = {0.05, 0.0, 505.0, 500.0};
    reset_program_state();
    EXPECT_GT(render_window(seyffarth_properties_at_point_window, record, sample_seyffarth_steel(), "properties_fast_cooling"),
              200);
    EXPECT_GT(render_window(seyffarth_cct_at_point_window, record, sample_seyffarth_steel(), "cct_fast_cooling"), 200);
    EXPECT_TRUE(shown_boxes().empty());
}
