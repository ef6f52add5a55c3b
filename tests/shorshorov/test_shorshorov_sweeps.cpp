// The dependence windows: the regime given back, flat curves for equal
// bounds, their titles, and pictures in two languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "cooling_reports.h"
#include "shorshorov_frame.h"
#include "shorshorov_test_support.h"
#include "scheme_at_dialog_values.h"
#include "text_cells.h"

namespace {

const double energy_defaults[8] = {0.05, 0.0, 850.0, 500.0, 200.0, 5000.0, 0.1, 0.1};
const double preheat_defaults[6] = {0.05, 0.0, 850.0, 500.0, 100.0, 400.0};
const double thickness_defaults[6] = {0.05, 0.0, 850.0, 500.0, 0.1, 3.0};

struct WindowCase {
    ShorshorovWindowRoutine routine;
    const double* params;
    const char* title;
    const char* name;
};

const WindowCase windows[] = {
    {shorshorov_structure_vs_energy_window, energy_defaults,
     "Dependence of phase structure on energy on unit of length", "structure_vs_energy"},
    {shorshorov_properties_vs_energy_window, energy_defaults, "Dependence  of mechanical properties upon heat input",
     "properties_vs_energy"},
    {shorshorov_structure_vs_preheat_window, preheat_defaults, "Dependence of structures of preliminary heating",
     "structure_vs_preheat"},
    {shorshorov_properties_vs_preheat_window, preheat_defaults,
     "Dependence of mechanical property on preliminary heating", "properties_vs_preheat"},
    {shorshorov_structure_vs_thickness_window, thickness_defaults,
     "Dependence of phase structure on thickness of a plate", "structure_vs_thickness"},
    {shorshorov_properties_vs_thickness_window, thickness_defaults,
     "Dependence of mechanical properties on thickness of a plate", "properties_vs_thickness"},
};

bool has_text(const RecordingCanvas& dc, const std::string& text)
{
    return std::any_of(dc.texts.begin(), dc.texts.end(), [&](const auto& t) { return t.text == text; });
}

// The thin plate, so that every swept quantity reaches the model.
void use_thin_plate()
{
    ASSERT_TRUE(install_scheme(1));
    current_model.prepare();
}

// The sweep's points on the rate curve: the runs drawn with its pen.
int rate_curve_points(const RecordingCanvas& dc)
{
    int n = 0;
    for (const auto& line : dc.polylines)
        if (line.pen == Pen{PenStyle::solid, 2, Rgb{0, 0, 200}}) n += static_cast<int>(line.points.size());
    return n;
}

// The count in the note "Not plotted: ... at k of n points", 0 without one.
int left_out(const RecordingCanvas& dc, int points)
{
    const std::string tail = " of " + std::to_string(points) + " points";
    for (const auto& t : dc.texts) {
        if (t.text.rfind("Not plotted: ", 0) != 0) continue;
        const auto end = t.text.rfind(tail);
        const auto at = t.text.rfind(" at ", end);
        if (end == std::string::npos || at == std::string::npos) return -1;
        return std::stoi(t.text.substr(at + 4, end - at - 4));
    }
    return 0;
}

TEST(ShorshorovSweeps, EveryWindowDrawsItsTitleAndGivesTheRegimeBack)
{
    for (const WindowCase& w : windows) {
        reset_program_state();
        use_thin_plate();
        const double v = current_model.velocity(), q = current_model.power();
        const double T0 = current_model.initial_temperature(), d = current_model.thickness();
        RecordingCanvas dc;
        w.routine(w.params, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        EXPECT_TRUE(message_box_take_log().empty()) << w.name;
        EXPECT_TRUE(has_text(dc, w.title)) << w.name;
        EXPECT_TRUE(has_text(dc, "W 8/5, K/s")) << w.name;
        EXPECT_EQ(current_model.velocity(), v) << w.name;
        EXPECT_EQ(current_model.power(), q) << w.name;
        EXPECT_EQ(current_model.initial_temperature(), T0) << w.name;
        EXPECT_EQ(current_model.thickness(), d) << w.name;
        ASSERT_FALSE(dc.polylines.empty());
        // Energy input: steps + 1 points; preheat and thickness: always 50.
        // Each is on the rate curve or counted in the note under the plot.
        const int points = w.params == energy_defaults ? 51 : 50;
        EXPECT_EQ(rate_curve_points(dc) + left_out(dc, points), points) << w.name;
    }
}

// On the thin plate the weakest powers of the energy defaults never heat
// the point past 850 °C: those points are a gap at the start of every curve,
// the x axis still begins at the first power asked for, and a line under the
// plot says how many points were left out and why.
// (The axis were it spanned only the points drawn would put the first of them
// on the plot's left edge.)
TEST(ShorshorovSweeps, PointsNotReachedAreAGapInEveryCurveUnderTheWholeRange)
{
    reset_program_state();
    use_thin_plate();
    const double d = current_model.thickness(), T0 = current_model.initial_temperature();
    // The sweep's 51 powers rise by (5000 - 200) / 50 = 96 W at 0.1 cm/s.
    const auto energy_at = [&](int i) { return (200 + 96.0 * i) / 0.1 / 1000 / d; };
    int cold = 0;
    for (int i = 0; i <= 50; ++i) {
        current_model.set_regime(0.1, 200 + 96.0 * i, T0, d);
        if (cooling_time_at_point(0.05, 0, 850, 500).status == CoolingStatus::peak_below) ++cold;
    }
    reset_program_state();
    use_thin_plate();
    ASSERT_GT(cold, 0);
    ASSERT_LT(cold, 50);

    RecordingCanvas dc;
    shorshorov_structure_vs_energy_window(energy_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    EXPECT_TRUE(message_box_take_log().empty());
    EXPECT_TRUE(has_text(dc, "Not plotted: peak below 850 °C at " + std::to_string(cold) + " of 51 points"));
    // The plot's top border runs from L to R.
    int L = 0, R = 0;
    for (const auto& line : dc.lines)
        if (line.pen == Pen{PenStyle::solid, 1, Rgb{200, 200, 200}}) L = line.from.x, R = line.to.x;
    ASSERT_LT(L, R);
    // The rate curve and the martensite curve begin at the first point
    // reached, in its place on that axis (the range ends at point 49).
    const int first_x =
        static_cast<int>(L + (energy_at(cold) - energy_at(0)) * (R - L) / (energy_at(49) - energy_at(0)));
    for (const Pen& pen : {Pen{PenStyle::solid, 2, Rgb{0, 0, 200}}, Pen{PenStyle::solid, 2, Rgb{0, 200, 0}}}) {
        const auto curve = std::find_if(dc.polylines.begin(), dc.polylines.end(),
                                        [&](const auto& line) { return line.pen == pen; });
        ASSERT_NE(curve, dc.polylines.end());
        EXPECT_EQ(curve->points.front().x, first_x);
        EXPECT_EQ(static_cast<int>(curve->points.size()), 51 - cold);
    }
}

// A sweep with nothing to draw says why once, draws nothing and gives the
// regime back: a thickness sweep on a body, a sweep whose every point stays
// above "T to".
TEST(ShorshorovSweeps, ASweepWithNothingToDrawSaysSoOnce)
{
    const double never_cools[6] = {0.05, 0.0, 850.0, 10.0, 100.0, 400.0};
    struct Case {
        ShorshorovWindowRoutine routine;
        const double* params;
        int scheme;
        std::string message;
    } cases[] = {
        {shorshorov_structure_vs_thickness_window, thickness_defaults, 2, no_thickness_text()},
        {shorshorov_properties_vs_thickness_window, thickness_defaults, 2, no_thickness_text()},
        {shorshorov_structure_vs_preheat_window, never_cools, 1, "Not plotted: no cooling to 10 °C at 50 of 50 points"},
    };
    for (const Case& c : cases) {
        reset_program_state();
        ASSERT_TRUE(install_scheme(c.scheme));
        current_model.prepare();
        const double v = current_model.velocity(), T0 = current_model.initial_temperature();
        RecordingCanvas dc;
        c.routine(c.params, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        const auto boxes = message_box_take_log();
        ASSERT_EQ(boxes.size(), 1u) << c.message;
        EXPECT_EQ(boxes[0].text, c.message);
        EXPECT_TRUE(dc.texts.empty()) << c.message;
        EXPECT_TRUE(dc.polylines.empty()) << c.message;
        EXPECT_EQ(current_model.velocity(), v);
        EXPECT_EQ(current_model.initial_temperature(), T0);
    }
}

// The structure legend takes the curves' colours, except in the preheat
// window, whose labels are blue like its curve markers.
TEST(ShorshorovSweeps, StructureLegendLabelsInTheirWindowsColours)
{
    struct Label {
        const char* text;
        Rgb curve;
    };
    const Label labels[] = {{"M, %", {0, 200, 0}}, {"P+B, %", {255, 0, 255}}, {"F, %", {255, 127, 127}}};
    for (const WindowCase& w : windows) {
        if (std::string(w.name).rfind("structure", 0) != 0) continue;
        reset_program_state();
        use_thin_plate();
        RecordingCanvas dc;
        w.routine(w.params, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        const bool preheat = w.routine == shorshorov_structure_vs_preheat_window;
        for (const Label& label : labels) {
            const RecordingCanvas::TextCall* t = dc.find_text(label.text);
            ASSERT_NE(t, nullptr) << w.name << " " << label.text;
            EXPECT_EQ(t->color, (preheat ? Rgb{0, 0, 255} : label.curve)) << w.name << " " << label.text;
        }
        // The preheat window's legend glyphs beside the labels end inside
        // the window (the F row's stood 2 px past its edge).
        if (preheat) {
            int glyphs = 0;
            for (const auto& t : dc.texts) {
                if (t.font.face != "Zapfdingbats BT" || t.x < 1024 - 60) continue;
                ++glyphs;
                EXPECT_LE(text_cell(t).right, 1024 - 2) << t.text;
            }
            EXPECT_EQ(glyphs, 3);
        }
    }
}

// The legend right of the plot keeps its order at every size and on paper,
// where its font grows with the window and the plot's margin does not: each
// label, then its sample line running right, and in the preheat window the
// row's glyph after the label (maximized, "P+B, %" stood under its glyph).
TEST(ShorshorovSweeps, StructureLegendRowsKeepTheirOrderAtEverySize)
{
    struct Label {
        const char* text;
        Rgb curve;
        const char* glyph;
    };
    const Label labels[] = {{"M, %", {0, 200, 0}, "\xC1"}, {"P+B, %", {255, 0, 255}, "\xC2"},
                            {"F, %", {255, 127, 127}, "\xC3"}};
    const auto screen = [](int width, int height) {
        DeviceCaps caps = RecordingCanvas::default_caps();
        caps.horz_res = width;
        caps.vert_res = height;
        return RecordingCanvas(caps);
    };
    const std::pair<const char*, RecordingCanvas> surfaces[] = {{"992x693", screen(992, 693)},
                                                                {"1280x1000", screen(1280, 1000)},
                                                                {"A4", RecordingCanvas::printer_page(210, 297, 300)}};
    for (const WindowCase& w : windows) {
        if (std::string(w.name).rfind("structure", 0) != 0) continue;
        for (const auto& [size, blank] : surfaces) {
            SCOPED_TRACE(std::string(w.name) + " " + size);
            reset_program_state();
            use_thin_plate();
            RecordingCanvas dc = blank;
            w.routine(w.params, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
            EXPECT_TRUE(message_box_take_log().empty());
            const int right = dc.caps().horz_res;
            for (const Label& label : labels) {
                const RecordingCanvas::TextCall* t = dc.find_text(label.text);
                ASSERT_NE(t, nullptr) << label.text;
                const Rect cell = text_cell(*t);
                int samples = 0;
                for (const auto& l : dc.lines) {
                    if (l.pen.color != label.curve || l.from.y != l.to.y) continue;
                    ++samples;
                    EXPECT_GE(l.from.x, cell.right) << label.text;
                    EXPECT_LE(l.from.x, l.to.x) << label.text;
                    EXPECT_LE(l.to.x, right) << label.text;
                }
                EXPECT_EQ(samples, 2) << label.text;
                if (w.routine != shorshorov_structure_vs_preheat_window) continue;
                // The row's glyph is drawn after the same glyph's markers on the curve.
                const auto glyph = std::find_if(dc.texts.rbegin(), dc.texts.rend(),
                                                [&](const auto& g) { return g.text == label.glyph; });
                ASSERT_NE(glyph, dc.texts.rend()) << label.text;
                EXPECT_GE(text_cell(*glyph).left, cell.right) << label.text;
                EXPECT_LE(text_cell(*glyph).right, right - 2) << label.text;
            }
        }
    }
}

TEST(ShorshorovSweeps, EqualBoundsGiveFlatCurves)
{
    reset_program_state();
    use_thin_plate();
    const double equal_preheat[6] = {0.05, 0.0, 850.0, 500.0, 200.0, 200.0};
    const double equal_energy[8] = {0.05, 0.0, 850.0, 500.0, 3000.0, 3000.0, 0.2, 0.2};
    const std::pair<ShorshorovWindowRoutine, const double*> cases[] = {
        {shorshorov_structure_vs_preheat_window, equal_preheat}, {shorshorov_structure_vs_energy_window, equal_energy}};
    for (const auto& [routine, params] : cases) {
        RecordingCanvas dc;
        routine(params, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        EXPECT_TRUE(message_box_take_log().empty());
        ASSERT_FALSE(dc.polylines.empty());
        for (const auto& line : dc.polylines) {
            const auto& pts = line.points;
            EXPECT_TRUE(std::all_of(pts.begin(), pts.end(), [&](Point p) { return p.y == pts[0].y; }));
        }
    }
}

// The panel is measured, to lay the rows under the plot out above it, and
// then drawn: both under the entered regime (measured under the last point,
// a panel of other widths took another font and its heading stood higher
// than the rows had left room for).
TEST(ShorshorovSweeps, ThePanelShowsTheEnteredRegimeNotTheLastSweepPoint)
{
    reset_program_state();
    use_thin_plate();
    const double entered = current_model.thickness();
    static std::vector<double> seen;
    seen.clear();
    current_model.draw_panel = [](Canvas&, Rect, int, int, int, int) { seen.push_back(current_model.thickness()); };
    RecordingCanvas dc;
    shorshorov_structure_vs_thickness_window(thickness_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    ASSERT_GE(seen.size(), 2u);
    for (double thickness : seen) EXPECT_EQ(thickness, entered);
}

TEST(ShorshorovSweeps, AFailureBeforeTheSweepLeavesTheRegimeAlone)
{
    reset_program_state();
    use_thin_plate();
    const double v = current_model.velocity();
    RecordingCanvas dc;
    shorshorov_properties_vs_preheat_window(preheat_defaults, 50, nullptr, dc, 0, sample_shorshorov_steel("Gone.301"), 0);
    EXPECT_EQ(message_box_take_log().size(), 1u);
    const double cold[6] = {80, 0, 850, 500, 100, 400};
    shorshorov_properties_vs_preheat_window(cold, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
    EXPECT_EQ(message_box_take_log().size(), 1u);
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_EQ(current_model.velocity(), v);
}

// The property windows on every sample steel: each value axis spans the
// plot, every tick label of HV, A and Rm stands on its axis within the plot's
// height (the range rows are the ends of the fixed ticks), and every property
// curve stays inside the plot.
TEST(ShorshorovSweeps, SampleSteelsAreDrawnInsideTheirAxes)
{
    const std::pair<const char*, int> steels[] = {
        {"St3sp.100", 1}, {"09G2S.301", 3}, {"17GS.301", 3}, {"10KhSND.307", 9}};
    struct Axis {
        Rgb colour;
        const char* name;
        double top;   // the value at the axis's upper end: the range rows' upper end
    };
    const Axis axes[] = {{Rgb{0, 0, 0}, "HV", shorshorov_hv_ticks.back()},
                         {Rgb{0, 127, 0}, "A", shorshorov_a_ticks.back()},
                         {Rgb{255, 0, 255}, "Rm", shorshorov_rm_ticks.back()}};
    const Rgb curves[] = {Rgb{200, 0, 0}, Rgb{0, 127, 0}, Rgb{255, 0, 255}, Rgb{150, 90, 150}};
    for (const WindowCase& w : windows) {
        if (std::string(w.name).rfind("properties", 0) != 0) continue;
        for (const auto& [file, group] : steels) {
            SCOPED_TRACE(std::string(w.name) + " " + file);
            reset_program_state();
            use_thin_plate();
            RecordingCanvas dc;
            w.routine(w.params, 50, nullptr, dc, 0, sample_shorshorov_steel(file, group), 0);
            EXPECT_TRUE(message_box_take_log().empty());
            int T = 0, B = 0;
            for (const Axis& axis : axes) {
                SCOPED_TRACE(axis.name);
                // The axis line: the longest vertical line of the axis pen.
                const RecordingCanvas::LineCall* line = nullptr;
                for (const auto& l : dc.lines)
                    if (l.from.x == l.to.x && l.pen.width == 2 && l.pen.style == PenStyle::solid &&
                        l.pen.color == axis.colour &&
                        (!line || std::abs(l.to.y - l.from.y) > std::abs(line->to.y - line->from.y)))
                        line = &l;
                ASSERT_NE(line, nullptr);
                if (T == B) {
                    T = std::min(line->from.y, line->to.y);
                    B = std::max(line->from.y, line->to.y);
                }
                EXPECT_EQ(std::min(line->from.y, line->to.y), T);
                EXPECT_EQ(std::max(line->from.y, line->to.y), B);
                int labels = 0;
                double highest = 0;
                for (const auto& t : dc.texts) {
                    if (t.color != axis.colour || t.text.empty() || !std::isdigit(static_cast<unsigned char>(t.text[0])))
                        continue;
                    const Size size = measure_text(t.font, t.text, true);
                    if (t.x + size.cx != line->from.x) continue;
                    ++labels;
                    // Centred on its value, the axis running from 0 at B to `top` at T.
                    const double value = std::stod(t.text);
                    const int middle = t.y + size.cy / 2;
                    EXPECT_NEAR(middle, B - value / axis.top * (B - T), 1.0) << t.text;
                    EXPECT_GE(middle, T - 1) << t.text;
                    EXPECT_LE(middle, B + 1) << t.text;
                    highest = std::max(highest, value);
                }
                EXPECT_GE(labels, 7);
                EXPECT_GE(highest, 6.0 / 7.0 * axis.top);   // the labels span the axis
            }
            ASSERT_LT(T, B);
            for (const auto& poly : dc.polylines) {
                if (std::find(std::begin(curves), std::end(curves), poly.pen.color) == std::end(curves)) continue;
                for (const Point& pt : poly.points) {
                    EXPECT_GE(pt.y, T);
                    EXPECT_LE(pt.y, B + 1);   // the doubled line lies one pixel lower
                }
            }
        }
    }
}

// The properties window versus thickness lays its page out on the cell of the
// turned text font H = 768 / 32 = 24 (c0 = 24: plot 12 c0, 7 c0, R - 7 c0,
// B - 11 c0 = 288, 168, 856, 504) and labels the rate axis near 3.5 c0 = 84
// in that font; versus preheat the page stands on the canvas's own font.
TEST(ShorshorovSweeps, PropertiesVersusThicknessStandsOnTheTurnedFont)
{
    struct Case {
        ShorshorovWindowRoutine routine;
        const double* params;
        int c0;
        int escapement;
    } cases[] = {{shorshorov_properties_vs_thickness_window, thickness_defaults, 24, 900},
                 {shorshorov_properties_vs_preheat_window, preheat_defaults, 0, 0}};
    for (const Case& c : cases) {
        reset_program_state();
        use_thin_plate();
        RecordingCanvas dc;
        const int c0 = c.c0 != 0 ? c.c0 : dc.text_extent("Sample").cy;
        c.routine(c.params, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        EXPECT_TRUE(message_box_take_log().empty());
        const Pen axis{PenStyle::solid, 2, Rgb{0, 0, 0}};
        const auto has_line = [&](Point from, Point to, const Pen& pen) {
            return std::any_of(dc.lines.begin(), dc.lines.end(), [&](const RecordingCanvas::LineCall& l) {
                return l.from == from && l.to == to && l.pen == pen;
            });
        };
        // Columns in c0; the plot's top and bottom give way to the blocks
        // above and under it, never past their rows of c0, and its right
        // side to the Rm axis, which stays inside the window.
        const int L = 12 * c0;
        const auto x_axis = std::find_if(dc.lines.begin(), dc.lines.end(), [&](const RecordingCanvas::LineCall& l) {
            return l.from.x == L && l.from.y == l.to.y && l.to.x > L && l.pen == axis;
        });
        ASSERT_NE(x_axis, dc.lines.end()) << c0;
        const int R = x_axis->to.x;
        EXPECT_LE(R, 1024 - 7 * c0);
        const Pen rm_axis{PenStyle::solid, 2, Rgb{255, 0, 255}};
        int rm_axes = 0;
        for (const auto& l : dc.lines)
            if (l.pen == rm_axis && l.from.x == l.to.x) {
                ++rm_axes;
                EXPECT_LE(l.from.x + 6, 1024 - 2) << c0;
            }
        EXPECT_GE(rm_axes, 1) << c0;
        const auto hv_axis = std::find_if(dc.lines.begin(), dc.lines.end(), [&](const RecordingCanvas::LineCall& l) {
            return l.from.x == L && l.to.x == L && l.from.y > l.to.y && l.pen == axis;
        });
        ASSERT_NE(hv_axis, dc.lines.end()) << c0;
        const int B = hv_axis->from.y, T = hv_axis->to.y;
        EXPECT_LE(B, 768 - 11 * c0);
        EXPECT_GE(T, 7 * c0);
        EXPECT_TRUE(has_line({L, B}, {R, B}, axis)) << c0;
        // The rate axis at 3.5 c0, or left of it as far as the columns
        // between it and the plot need.
        const Pen rate_pen{PenStyle::solid, 2, Rgb{0, 0, 200}};
        const auto rate_axis = std::find_if(dc.lines.begin(), dc.lines.end(), [&](const RecordingCanvas::LineCall& l) {
            return l.from.x == l.to.x && l.from.y == B && l.to.y == T && l.pen == rate_pen;
        });
        ASSERT_NE(rate_axis, dc.lines.end()) << c0;
        EXPECT_LE(rate_axis->from.x, static_cast<int>(3.5 * c0)) << c0;
        EXPECT_GT(rate_axis->from.x, 3 * c0) << c0;
        int labels = 0;
        for (const auto& t : dc.texts) {
            if (t.color != Rgb{0, 0, 200} || !std::isdigit(static_cast<unsigned char>(t.text[0]))) continue;
            ++labels;
            EXPECT_EQ(t.font.escapement, c.escapement) << t.text;
        }
        EXPECT_GE(labels, 3) << c0;
    }
}

TEST(ShorshorovSweeps, PicturesInEnglishAndRussian)
{
    for (Language lang : {Language::english, Language::russian}) {
        for (const WindowCase& w : windows) {
            reset_program_state();
            set_language(lang);
            use_thin_plate();
            render_shorshorov_window(w.routine, w.params, 0, sample_shorshorov_steel(),
                                     std::string(w.name) + (lang == Language::english ? "_en" : "_ru"));
            EXPECT_TRUE(message_box_take_log().empty());
        }
    }
    set_language(Language::english);
}

// The model line with the longest scheme names (German and French, scheme
// 9) and the long German and French titles of the properties window against
// the energy input end inside the 1024-pixel screen, from their place or
// left of it, in a smaller font only where the screen is too narrow.
TEST(ShorshorovSweeps, LongModelLinesAndTitlesEndInsideTheWindow)
{
    using Routine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);
    const double at_point[8] = {0.5, 0.5, 850, 500};
    const double energy[8] = {0.05, 0.0, 850, 500, 200, 5000, 0.1, 0.1};
    const struct {
        const char* name;
        Routine routine;
        const double* record;
    } windows[] = {
        {"structure at a point", shorshorov_structure_at_point_window, at_point},
        {"HAZ profile", shorshorov_haz_profile_window, at_point},
        {"micrograph", shorshorov_micrograph_window, at_point},
        {"structure against energy", shorshorov_structure_vs_energy_window, energy},
        {"properties against energy", shorshorov_properties_vs_energy_window, energy},
    };
    for (const Language language : {Language::german, Language::french}) {
        for (const auto& w : windows) {
            reset_program_state(language);
            ASSERT_TRUE(install_scheme_at_dialog_values(9));
            RecordingCanvas dc;
            w.routine(w.record, 50, nullptr, dc, 1, sample_shorshorov_steel(), 0);
            int checked = 0;
            for (const auto& t : dc.texts) {
                const bool model = t.text.find("\"9. ") != std::string::npos;
                const bool title = t.text.rfind("Die Abhängigkeit", 0) == 0 || t.text.rfind("La dépendance", 0) == 0;
                if (!model && !title) continue;
                ++checked;
                const Rect cell = text_cell(t);
                EXPECT_GE(cell.left, 2) << w.name << ": " << t.text;
                EXPECT_LE(cell.right, 1024 - 2) << w.name << ": " << t.text;
            }
            EXPECT_GE(checked, 1) << w.name;
        }
    }
    set_language(Language::english);
}

// The point line gives y and z in centimetres, "cm" in the Latin-letter
// languages; the Rm title gives megapascals, "МПа" in Russian.
TEST(ShorshorovSweeps, PointLineSaysCmAndRmTitleMPa)
{
    const double energy[8] = {0.05, 0.0, 850, 500, 200, 5000, 0.1, 0.1};
    const double preheat_record[8] = {0.05, 0.0, 850, 500, 100, 400};
    const struct {
        Language language;
        const char* point;
        const char* rm;
    } cases[] = {
        {Language::english, " (y=0.05, cm; z=0, cm)", "Tensile strength Rm, MPa"},
        {Language::german, " (y=0.05, cm; z=0, cm)", nullptr},
        {Language::french, " (y=0.05, cm; z=0, cm)", nullptr},
        {Language::russian, " (y=0.05, см; z=0, см)", "Предел прочности Rm, МПа"},
        {Language::ukrainian, " (y=0.05, см; z=0, см)", "Границя міцності Rm, МПа"},
    };
    for (const auto& c : cases) {
        reset_program_state(c.language);
        RecordingCanvas dc;
        shorshorov_properties_vs_energy_window(energy, 50, nullptr, dc, 0, sample_shorshorov_steel(), 0);
        EXPECT_NE(dc.find_text(c.point), nullptr) << c.point;
        RecordingCanvas preheat;
        shorshorov_properties_vs_preheat_window(preheat_record, 50, nullptr, preheat, 0, sample_shorshorov_steel(), 0);
        if (c.rm) {
            EXPECT_NE(preheat.find_text(c.rm), nullptr) << c.rm;
        }
    }
}

} // namespace
