// One steel at one cooling time shows the same properties in every window
// that reads its property curves: the values line of the properties window at
// a point, its curves and those of the properties diagram read on their own
// axes, the look-up of the dependence windows (energy input, preheat,
// thickness) and that of the HAZ profile. Every sample steel, at five cooling
// times from 2 s to 200 s, each value inside its axis.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "curve_set.h"
#include "numfmt.h"
#include "seyffarth_point_test_support.h"
#include "seyffarth_sweeps.h"

using namespace seyffarth_test;

namespace {

const char* const property_names[6] = {"HV", "Rm", "R02", "A", "Z", "K"};

// The values line's fragments, property by property.
const char* const value_formats[6] = {" HV= %-.3g,", " Rm= %-.3g MPa;", " Rp02= %-.3g MPa;",
                                      " A= %-.3g %%; ", " Z= %-.3g %%;", " K= %-.3g J/mm2;"};

// Pen of each property's curve and colour of its axis in the properties
// windows; R02 is read on the Rm axis.
struct Panel {
    Rgb curve;
    PenStyle style;
    Rgb axis;
};
const Panel panels[6] = {
    {{127, 0, 0}, PenStyle::solid, {150, 0, 75}},       {{0, 125, 0}, PenStyle::dash_dot, {0, 125, 0}},
    {{0, 200, 0}, PenStyle::dash_dot, {0, 125, 0}},     {{0, 0, 200}, PenStyle::dash, {0, 0, 200}},
    {{255, 0, 0}, PenStyle::dash_dot_dot, {255, 0, 0}}, {{255, 0, 255}, PenStyle::dot, {255, 0, 255}},
};

// Header pair of each property's range in the HAZ profile's mapping (0: HV,
// taken as looked up).
const int haz_map_from[6] = {0, 7, 7, 9, 11, 13};

// The sample steels with the classes of their descriptors' extensions.
const std::pair<const char*, int> steels[] = {
    {"S235JR.sp0", 1}, {"S355J2.sp0", 1}, {"C22E.sp2", 3}, {"20MnMoNi45.sp2", 3}, {"CMn12.sm1", 7}};

// Five regimes of the start scheme (the semi-infinite body) at the point
// y = 0.05 cm, z = 0: the power scaled so that t8/5 runs from about 2 s to
// about 200 s (t8/5 grows with q/v in a thick body).
const double power_factors[5] = {0.1, 0.3, 1, 3, 10};

// An axis as drawn: the value at a pixel row, read between its lowest and
// highest tick labels.
struct DrawnAxis {
    int x = 0, top = 0, bottom = 0;
    double low_value = 0, high_value = 0;
    double low_y = 0, high_y = 0;   // label centres
    int labels = 0;
    double value_at(double y) const { return low_value + (low_y - y) * (high_value - low_value) / (low_y - high_y); }
    double per_pixel() const { return (high_value - low_value) / (low_y - high_y); }
};

bool is_number(const std::string& s)
{
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return !s.empty() && end == s.c_str() + s.size();
}

// The longest vertical two-pixel solid line in the colour, and the numbers
// drawn in that colour that end at it.
DrawnAxis find_axis(const RecordingCanvas& dc, Rgb colour)
{
    DrawnAxis a;
    int length = 0;
    for (const auto& l : dc.lines)
        if (l.from.x == l.to.x && l.pen.width == 2 && l.pen.style == PenStyle::solid && l.pen.color == colour &&
            std::abs(l.to.y - l.from.y) > length) {
            length = std::abs(l.to.y - l.from.y);
            a.x = l.from.x;
            a.top = std::min(l.from.y, l.to.y);
            a.bottom = std::max(l.from.y, l.to.y);
        }
    for (const auto& t : dc.texts) {
        if (t.color != colour || !is_number(t.text)) continue;
        const Size size = measure_text(t.font, t.text, true);
        if (t.x + size.cx != a.x) continue;
        const double value = std::stod(t.text);
        const double y = t.y + size.cy / 2.0;
        if (a.labels == 0 || value < a.low_value) {
            a.low_value = value;
            a.low_y = y;
        }
        if (a.labels == 0 || value > a.high_value) {
            a.high_value = value;
            a.high_y = y;
        }
        ++a.labels;
    }
    return a;
}

// The row of the curve drawn in the pen at column x (the first polyline of
// that pen: a doubled line's copy lies one pixel lower); NaN without one.
double curve_row_at(const RecordingCanvas& dc, const Panel& p, double x)
{
    for (const auto& poly : dc.polylines) {
        if (poly.pen.color != p.curve || poly.pen.style != p.style) continue;
        for (std::size_t i = 1; i < poly.points.size(); ++i) {
            const Point a = poly.points[i - 1], b = poly.points[i];
            if (a.x <= x && x <= b.x && a.x < b.x) return a.y + (x - a.x) * (b.y - a.y) / (b.x - a.x);
        }
        return std::nan("");
    }
    return std::nan("");
}

// Property k at cooling time t as the HAZ profile reads it: the look-up at
// ln |t| with its own tolerance, carried onto the property's header range.
double haz_value(const CurveSet& curves, int k, double t)
{
    std::vector<double> out;
    const std::vector<double> times{t};
    if (!lookup_curve_at_times(curves, k, times, out) || out.empty()) return std::nan("");
    return haz_map_value(out[0], curves, haz_map_from[k]);
}

// As the dependence windows read it: their curve look-up and the carry from
// the HV scale onto the property's scale.
double sweep_value(const CurveSet& curves, int k, double t)
{
    std::vector<double> xs, ys;
    int n = -1, colour = 0;
    if (!extract_curve(curves, xs, ys, n, colour, k)) return std::nan("");
    const PropertyScales scales = choose_property_scales(curves);
    const double u = seyffarth_curve_value(xs, ys, n, t, false);
    return k == 0 ? u : hv_to_scale(u, scales.hv, scales.scale(k));
}

// How far the curve moves while the abscissa stays within the windows'
// look-up tolerance of ln t (0.01, and the HAZ profile's 0.001 beside it).
double lookup_tolerance(const CurveSet& curves, int k, double t)
{
    const double v = haz_value(curves, k, t);
    const double spread = std::max(std::fabs(haz_value(curves, k, t * std::exp(0.011)) - v),
                                   std::fabs(haz_value(curves, k, t * std::exp(-0.011)) - v));
    return spread + 1e-9;
}

// The values line of the properties window: the number in each fragment.
bool values_line(const RecordingCanvas& dc, std::array<std::string, 6>& texts, std::array<double, 6>& values)
{
    const char* const starts[6] = {" HV= ", " Rm= ", " Rp02= ", " A= ", " Z= ", " K= "};
    for (int k = 0; k < 6; ++k) {
        const auto t = std::find_if(dc.texts.begin(), dc.texts.end(),
                                    [&](const auto& c) { return c.text.rfind(starts[k], 0) == 0; });
        if (t == dc.texts.end()) return false;
        texts[static_cast<std::size_t>(k)] = t->text;
        if (std::sscanf(t->text.c_str() + std::string(starts[k]).size(), "%lf",
                        &values[static_cast<std::size_t>(k)]) != 1)
            return false;
    }
    return true;
}

// Half a unit of the values line's third significant digit.
double shown_rounding(double v)
{
    if (v == 0) return 0;
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 2);
}

DeviceCaps large_caps()
{
    DeviceCaps c = RecordingCanvas::default_caps();
    c.horz_res = 3072;
    c.vert_res = 2304;
    return c;
}

} // namespace

TEST(SampleConsistency, EveryPropertyWindowShowsTheSameValuesInsideItsAxis)
{
    for (const auto& [file, steel_class] : steels) {
        SCOPED_TRACE(file);
        reset_program_state();
        const SteelChoice steel = sample_seyffarth_steel(file, steel_class);
        SteelDescriptor d;
        ASSERT_TRUE(seyffarth_read_descriptor(steel, d));
        CurveSet curves;
        ASSERT_TRUE(read_curve_file(seyffarth_atlas_file(steel, d.property_curves), curves).ok);
        const SeyffarthPropertyScales scales = seyffarth_property_scales(curves[6], curves[8]);

        // The diagram, drawn once: no point.
        RecordingCanvas diagram(large_caps());
        seyffarth_properties_diagram_window(nullptr, 50, nullptr, diagram, 0, steel, 0);
        EXPECT_TRUE(shown_boxes().empty());

        const double v = current_model.velocity(), q = current_model.power();
        const double T0 = current_model.initial_temperature(), thickness = current_model.thickness();
        double last_t = 0;
        for (double factor : power_factors) {
            current_model.set_regime(v, q * factor, T0, thickness);
            current_model.prepare();
            const double record[4] = {0.05, 0.0, 850.0, 500.0};
            // The cooling time every window takes at the point.
            const CoolingTime ct = cooling_time_at_point(record[0], record[1], record[2], record[3]);
            ASSERT_TRUE(ct.reached());
            const double t = ct.time, L = std::log(t);
            SCOPED_TRACE(cformat("t8/5 = %g s", t));
            EXPECT_GT(t, 1.0);
            EXPECT_LT(t, 400.0);
            EXPECT_GT(t, 2.5 * last_t);   // five cooling times well apart
            last_t = t;

            RecordingCanvas at_point(large_caps());
            seyffarth_properties_at_point_window(record, 50, nullptr, at_point, 0, steel, 0);
            EXPECT_TRUE(shown_boxes().empty());
            std::array<std::string, 6> texts;
            std::array<double, 6> shown{};
            ASSERT_TRUE(values_line(at_point, texts, shown));

            for (int k = 0; k < 6; ++k) {
                SCOPED_TRACE(property_names[k]);
                const std::vector<double>& scale = scales.of(k);
                double at_point_value = 0;
                ASSERT_TRUE(seyffarth_property_value(curves, k, L, at_point_value));
                EXPECT_EQ(texts[static_cast<std::size_t>(k)], cformat(value_formats[k], at_point_value));

                const double haz = haz_value(curves, k, t);
                const double sweep = sweep_value(curves, k, t);
                const double tolerance = lookup_tolerance(curves, k, t);
                EXPECT_NEAR(at_point_value, haz, tolerance);
                EXPECT_NEAR(sweep, haz, tolerance);
                EXPECT_NEAR(shown[static_cast<std::size_t>(k)], haz, tolerance + shown_rounding(haz));
                for (double value : {at_point_value, haz, sweep}) {
                    EXPECT_GE(value, scale.front());
                    EXPECT_LE(value, scale.back());
                }

                // Each window's drawn curve read on that property's axis.
                for (const RecordingCanvas* dc : {&at_point, &diagram}) {
                    SCOPED_TRACE(dc == &diagram ? "diagram" : "at the point");
                    const DrawnAxis axis = find_axis(*dc, panels[k].axis);
                    ASSERT_GE(axis.labels, 7);
                    EXPECT_EQ(axis.low_value, scale.front());
                    EXPECT_EQ(axis.high_value, scale.back());
                    // The HV axis stands on the plot's left edge L = 12h; its right edge is R = width - 12h.
                    const int left_edge = find_axis(*dc, panels[0].axis).x;
                    const int R = dc->caps().horz_res - left_edge;
                    const double x = left_edge + L * (R - left_edge) / seyffarth_ln400;
                    const double row = curve_row_at(*dc, panels[k], x);
                    ASSERT_FALSE(std::isnan(row));
                    EXPECT_GE(row, axis.top);
                    EXPECT_LE(row, axis.bottom);
                    EXPECT_NEAR(axis.value_at(row), haz, 3 * axis.per_pixel() + tolerance);
                }
            }
        }
        current_model.set_regime(v, q, T0, thickness);
        current_model.prepare();
    }
}
