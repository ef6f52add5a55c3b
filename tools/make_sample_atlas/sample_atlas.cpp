// How the sample data are made (all of it invented here, physically
// plausible, for tests and first-time users):
//
// Structure and properties versus the cooling time t8/5 come from the
// project's Kasatkin-Seyffarth model (kasatkin_model.h) at each steel's
// composition: martensite, bainite, ferrite and pearlite shares, HV, Rm, R02,
// A, Z and K.
//
// CCT diagrams are drawn over x = ln t, t the time in s since the 800 °C
// crossing (1 to 400 s), y the temperature 0 to 900 °C. A cooling curve of
// cooling time t8/5 follows the thick-plate law T = 20 + k / (t + t_c), with
// k = 1248 t8/5 and t_c = 1.6 t8/5 so that it passes 800 °C at t = 0 and
// 500 °C at t = t8/5; its label is the model's HV. A transformation line
// joins, over many cooling curves, the temperature where a phase starts on
// each curve, for the curves on which the model forms at least 1 % of that
// phase: ferrite below Ar3 = 910 - 310 C - 80 Mn - 20 Cu - 15 Cr - 55 Ni -
// 80 Mo (deeper for faster cooling), pearlite below Ar1 = 723 - 10.7 Mn -
// 16.9 Ni + 29.1 Si + 16.9 Cr, bainite below Bs = 830 - 270 C - 90 Mn - 37 Ni
// - 70 Cr - 83 Mo, martensite at Ms = 539 - 423 C - 30.4 Mn - 17.7 Ni - 12.1
// Cr - 7.5 Mo (lowered by the bainite formed before), and the end of the
// transformation as a share-weighted temperature below them. Ac3 (Andrews)
// and Ac1 are the two reference lines; the circled labels are the ferrite +
// pearlite (group A), bainite (group B) and martensite (group C) percentages
// on the cooling curves.
//
// Property curves are given on the HV scale of the diagram (header numbers 5
// and 6, also its y range): Rm and R02 carried linearly from 200..1800 MPa
// (numbers 7 and 8), A from 0..40 % (9, 10), Z from 0..80 % (11, 12) and K
// from 0..20 J/mm2 (13, 14), wide enough for the model's toughness.
//
// Shorshorov steel files tabulate the same model against the cooling rate
// W = 300 / t8/5 (°C/s, 800 to 500 °C), after two rows with the lower and
// upper ends of the axes. Columns: W, HV, Rm, A, Z, 100 - ferrite, martensite.
//
// Micrographs are procedural: grains of a Voronoi pattern (integer arithmetic
// only), each grain showing ferrite, pearlite, bainite or martensite in
// proportion to the model's shares for its tile, written as 16-grey BMPs.
#include "sample_atlas.h"

#include "kasatkin_model.h"
#include "numfmt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// ------------------------------------------------------------------ steels

struct Composition {
    double c = 0, si = 0, mn = 0, p = 0, s = 0, cu = 0, cr = 0, ni = 0, mo = 0, nb = 0, ti = 0, b = 0, al = 0,
           n2 = 0, v = 0, w = 0;
};

struct SeyffarthSteel {
    const char* grade;
    const char* descriptor;  // the steel's descriptor file (extension: class)
    const char* stem;        // folder and file names on disk (lower case)
    const char* extension;   // steel class
    Composition comp;
};

struct ShorshorovSteelSpec {
    const char* grade;
    const char* file;        // steel file name on disk
    const char* picture;     // micrograph as the steel file names it
    Composition comp;
};

const SeyffarthSteel seyffarth_steels[] = {
    {"S235JR", "S235JR.sp0", "s235jr", "sp0", {.c = 0.14, .si = 0.2, .mn = 0.6, .p = 0.02, .s = 0.02, .cu = 0.1}},
    {"S355J2", "S355J2.sp0", "s355j2", "sp0", {.c = 0.18, .si = 0.4, .mn = 1.45, .p = 0.02, .s = 0.01, .cu = 0.1, .al = 0.03}},
    {"C35E", "C35E.sp2", "c35e", "sp2", {.c = 0.35, .si = 0.25, .mn = 0.7, .p = 0.015, .s = 0.02}},
    {"30MnMo5", "30MnMo5.sp2", "30mnmo5", "sp2", {.c = 0.3, .si = 0.25, .mn = 1.3, .p = 0.015, .s = 0.01, .cr = 0.15, .mo = 0.3}},
    {"C-Mn 0.12/1.2", "CMn12.sm1", "cmn12", "sm1", {.c = 0.12, .si = 0.3, .mn = 1.2, .p = 0.015, .s = 0.01, .al = 0.03}},
};

const ShorshorovSteelSpec shorshorov_steels[] = {
    {"St3sp", "St3sp.100", "ST3SP.BMP", {.c = 0.17, .si = 0.2, .mn = 0.5, .p = 0.03, .s = 0.03, .cu = 0.2, .cr = 0.1, .ni = 0.1}},
    {"09G2S", "09G2S.301", "09G2S.BMP", {.c = 0.1, .si = 0.65, .mn = 1.5, .p = 0.02, .s = 0.02, .cu = 0.2, .cr = 0.1, .ni = 0.1}},
    {"17GS", "17GS.301", "17GS.BMP", {.c = 0.18, .si = 0.5, .mn = 1.2, .p = 0.025, .s = 0.02, .cu = 0.2, .cr = 0.1, .ni = 0.1}},
    {"10KhSND", "10KhSND.307", "10KHSND.BMP", {.c = 0.11, .si = 0.9, .mn = 0.65, .p = 0.025, .s = 0.02, .cu = 0.5, .cr = 0.2, .ni = 0.6}},
};

struct State {
    double m = 0, f = 0, p = 0, b = 0;   // shares 0..1
    double hv = 0, rm = 0, r02 = 0, a = 0, z = 0, k = 0;
};

State model_at(const Composition& c, double t85)
{
    KasatkinSteel steel;
    const double contents[composition_size] = {c.c, c.si, c.mn, c.p, c.s, c.cu, c.cr, c.ni,
                                               c.mo, c.nb, c.ti, c.b, c.al, c.n2, c.v, c.w};
    load_kasatkin_composition(contents, steel);
    kasatkin_evaluate(steel, t85);
    State s;
    s.m = std::clamp(steel.martensite, 0.0, 1.0);
    s.b = std::clamp(steel.bainite, 0.0, 1.0);
    s.f = std::clamp(steel.ferrite, 0.0, 1.0);
    s.p = std::clamp(steel.pearlite, 0.0, 1.0);
    s.hv = steel.hv;
    s.rm = steel.rm;
    s.r02 = steel.r02;
    s.a = steel.elongation;
    s.z = steel.reduction;
    s.k = steel.toughness;
    return s;
}

// Rounded to a tenth (shares in per cent) or to whole units, so that the
// files hold tidy numbers.
double tenth(double v) { return std::round(v * 10.0) / 10.0; }
double whole(double v) { return std::round(v); }

// ------------------------------------------------------------------ writing

class Output {
public:
    Output(fs::path root, std::string& error, bool dry = false)
        : root_(std::move(root)), error_(error), dry_(dry) {}

    bool write(const std::string& relative, const std::string& content)
    {
        if (!ok_) return false;
        names_.push_back(relative);
        if (dry_) return true;
        const fs::path p = root_ / relative;
        std::error_code ec;
        fs::create_directories(p.parent_path(), ec);
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out << content;
        out.close();
        if (!out) {
            error_ = "cannot write " + p.string();
            ok_ = false;
        }
        return ok_;
    }
    bool ok() const { return ok_; }
    bool dry() const { return dry_; }
    const std::vector<std::string>& names() const { return names_; }

private:
    fs::path root_;
    std::string& error_;
    bool dry_ = false;
    bool ok_ = true;
    std::vector<std::string> names_;
};

std::string num(double v)
{
    if (v == 0) return "0";   // no "-0"
    return cformat("%g", v);
}

// The curve-set layout of the digitizer: the count, then the numbers, a line
// break before every number whose index is a multiple of 5.
std::string curve_set_text(const std::vector<double>& numbers)
{
    std::string s = " " + std::to_string(numbers.size() + 1);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if ((i + 1) % 5 == 0) s += "\n";
        s += " " + num(numbers[i]);
    }
    s += "\n";
    return s;
}

struct Curve {
    int colour = 0;
    std::vector<std::pair<double, double>> points;
    double label = 0;
};

std::vector<double> curve_set_numbers(const std::array<double, 24>& header, const std::vector<Curve>& curves)
{
    std::vector<double> v(header.begin(), header.end());
    for (const Curve& c : curves) {
        if (c.points.empty() || c.points.size() > 100) continue;
        v.push_back(static_cast<double>(c.points.size()) - 1);
        v.push_back(c.colour);
        for (auto [x, y] : c.points) {
            v.push_back(x);
            v.push_back(y);
        }
        v.push_back(c.label);
    }
    return v;
}

int colour_number(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// ------------------------------------------------------------------ CCT data

constexpr double ln_t_max = 5.99146;   // ln 400 s

double cooling_k(double t85) { return 1248.0 * t85; }
double cooling_tc(double t85) { return 1.6 * t85; }
double cooling_temperature(double t85, double t) { return 20.0 + cooling_k(t85) / (t + cooling_tc(t85)); }
// The time since 800 °C at which the curve reaches T (T < 800).
double cooling_time_at(double t85, double temperature) { return cooling_k(t85) / (temperature - 20.0) - cooling_tc(t85); }

struct Temperatures {
    double ar3, ar1, bs, ms, ac3, ac1;
};

Temperatures temperatures(const Composition& c)
{
    Temperatures t{};
    t.ar3 = 910 - 310 * c.c - 80 * c.mn - 20 * c.cu - 15 * c.cr - 55 * c.ni - 80 * c.mo;
    t.ar1 = 723 - 10.7 * c.mn - 16.9 * c.ni + 29.1 * c.si + 16.9 * c.cr - 40;
    t.bs = 830 - 270 * c.c - 90 * c.mn - 37 * c.ni - 70 * c.cr - 83 * c.mo;
    t.ms = 539 - 423 * c.c - 30.4 * c.mn - 17.7 * c.ni - 12.1 * c.cr - 7.5 * c.mo;
    t.ac3 = 910 - 203 * std::sqrt(c.c) - 15.2 * c.ni + 44.7 * c.si + 104 * c.v + 31.5 * c.mo;
    t.ac1 = 723 - 10.7 * c.mn - 16.9 * c.ni + 29.1 * c.si + 16.9 * c.cr;
    return t;
}

// Start temperatures of the phases on the cooling curve of t85; faster
// cooling starts a diffusive transformation deeper below its equilibrium.
struct Starts {
    double ferrite, pearlite, bainite, martensite, end;
};

Starts starts(const Temperatures& tt, double t85, const State& s)
{
    const double undercool = 90.0 / (1.0 + t85 / 15.0);
    Starts st{};
    st.ferrite = tt.ar3 - 30 - undercool;
    st.pearlite = std::min(st.ferrite - 30, tt.ar1 - 20 - undercool);
    st.bainite = std::min(tt.bs - 20 - 40 * s.m, (s.f + s.p > 0.01 ? st.ferrite - 40 : 1e9));
    st.martensite = tt.ms - 60 * s.b;
    const double fp = s.f + s.p;
    st.end = s.m * (st.martensite - 170) + s.b * (st.bainite - 180) + fp * (st.pearlite - 110);
    return st;
}

std::vector<double> log_spaced(double from, double to, int count)
{
    std::vector<double> v;
    for (int i = 0; i < count; ++i)
        v.push_back(std::exp(std::log(from) + (std::log(to) - std::log(from)) * i / (count - 1)));
    return v;
}

struct CctData {
    std::vector<Curve> curves;
    std::vector<std::string> labels;   // lines of the label file
};

CctData cct_data(const Composition& comp)
{
    const Temperatures tt = temperatures(comp);
    CctData out;
    // Transformation lines over many cooling curves.
    const auto family = log_spaced(0.3, 3000, 80);
    enum { ferrite, pearlite, bainite, martensite, finish, line_count };
    const int colours[line_count] = {colour_number(255, 0, 0), colour_number(0, 140, 0), colour_number(0, 0, 255),
                                     colour_number(150, 0, 150), colour_number(0, 0, 0)};
    std::array<Curve, line_count> lines;
    for (int i = 0; i < line_count; ++i) lines[static_cast<std::size_t>(i)].colour = colours[i];
    for (double t85 : family) {
        const State s = model_at(comp, t85);
        const Starts st = starts(tt, t85, s);
        const bool present[line_count] = {s.f > 0.01, s.p > 0.01, s.b > 0.01, s.m > 0.01, true};
        const double temps[line_count] = {st.ferrite, st.pearlite, st.bainite, st.martensite, st.end};
        for (int i = 0; i < line_count; ++i) {
            if (!present[i] || temps[i] >= 790 || temps[i] <= 30) continue;
            const double t = cooling_time_at(t85, temps[i]);
            if (t < 1.0 || std::log(t) > ln_t_max) continue;
            auto& pts = lines[static_cast<std::size_t>(i)].points;
            if (pts.size() < 60) pts.emplace_back(std::round(std::log(t) * 1000) / 1000, whole(temps[i]));
        }
    }
    for (auto& l : lines)
        if (l.points.size() >= 5) out.curves.push_back(l);

    // Cooling curves with the hardness at their end.
    const double cooling[] = {1.5, 3, 6, 12, 25, 50, 100, 200};
    struct Member {
        std::string text;
        double x, y;
    };
    std::vector<Member> group_a, group_b, group_c;
    for (double t85 : cooling) {
        const State s = model_at(comp, t85);
        Curve c;
        c.colour = colour_number(0, 0, 0);
        const double t_end = std::min(400.0, cooling_time_at(t85, 100.0));
        const int n = 24;
        for (int i = 0; i <= n; ++i) {
            const double x = std::log(t_end) * i / n;
            c.points.emplace_back(std::round(x * 1000) / 1000, whole(cooling_temperature(t85, std::exp(x))));
        }
        c.label = whole(s.hv);
        out.curves.push_back(c);
        const Starts st = starts(tt, t85, s);
        auto place = [&](std::vector<Member>& group, double share, double temperature) {
            if (share < 0.02 || temperature >= 790 || temperature <= 40) return;
            const double t = cooling_time_at(t85, temperature);
            if (t < 1.2 || std::log(t) > ln_t_max - 0.1) return;
            group.push_back({cformat("%d", static_cast<int>(whole(share * 100))), std::round(std::log(t) * 100) / 100,
                             whole(temperature)});
        };
        place(group_a, s.f + s.p, st.ferrite - 30);
        place(group_b, s.b, st.bainite - 45);
        place(group_c, s.m, st.martensite - 60);
    }

    // Labels: the three group ranges, six texts, two reference lines, members.
    const std::size_t a0 = 11;
    const std::size_t b0 = a0 + group_a.size();
    const std::size_t c0 = b0 + group_b.size();
    const std::size_t c1 = c0 + group_c.size();
    auto line = [](const std::string& text, double x, double y) { return text + " " + num(x) + " " + num(y); };
    out.labels.push_back(line("A", static_cast<double>(a0), static_cast<double>(b0)));
    out.labels.push_back(line("B", static_cast<double>(b0), static_cast<double>(c0)));
    out.labels.push_back(line("C", static_cast<double>(c0), static_cast<double>(c1)));
    // Region letters beside the start lines (or, without the line, in the corner).
    // where: 0 the line's first point, 1 its middle, 2 its last.
    auto region = [&](const char* text, std::size_t index, int where, double dx, double dy, double fallback_y) {
        const Curve* curve = nullptr;
        for (const Curve& c : out.curves)
            if (c.colour == colours[index]) curve = &c;
        if (curve && curve->points.size() >= 2) {
            const std::size_t i = where == 0 ? 0 : where == 1 ? curve->points.size() / 2 : curve->points.size() - 1;
            const auto& p = curve->points[i];
            return line(text, std::round((p.first + dx) * 100) / 100, whole(p.second + dy));
        }
        return line(text, 5.6, fallback_y);
    };
    out.labels.push_back(line("A", 0.25, std::min(880.0, whole(tt.ac3 + 25))));
    out.labels.push_back(region("F", ferrite, 2, -0.3, 25, 860));
    out.labels.push_back(region("P", pearlite, 2, -0.3, -30, 820));
    out.labels.push_back(region("B", bainite, 0, 0.1, -25, 780));
    out.labels.push_back(region("M", martensite, 0, 0.1, -95, 740));
    out.labels.push_back(line("Ms", 0.1, whole(tt.ms + 12)));
    out.labels.push_back(line("Ac3", 4.3, whole(tt.ac3)));
    out.labels.push_back(line("Ac1", 4.3, whole(tt.ac1)));
    for (const auto* g : {&group_a, &group_b, &group_c})
        for (const Member& m : *g) out.labels.push_back(line(m.text, m.x, m.y));
    return out;
}

// ------------------------------------------------------------ property data

std::vector<Curve> property_curves(const Composition& comp, double& hv_lo, double& hv_hi)
{
    const int n = 24;
    std::vector<State> states;
    std::vector<double> xs;
    double lo = 1e9, hi = -1e9;
    for (int i = 0; i <= n; ++i) {
        const double x = ln_t_max * i / n;
        xs.push_back(std::round(x * 1000) / 1000);
        states.push_back(model_at(comp, std::max(1.01, std::exp(x))));
        lo = std::min(lo, states.back().hv);
        hi = std::max(hi, states.back().hv);
    }
    hv_lo = std::max(0.0, std::floor((lo - 20) / 50) * 50);
    hv_hi = std::ceil((hi + 20) / 50) * 50;
    auto on_hv_scale = [&](double v, double from, double to) {
        return std::round((hv_lo + (v - from) / (to - from) * (hv_hi - hv_lo)) * 10) / 10;
    };
    std::vector<Curve> curves(6);
    const int colours[6] = {colour_number(200, 0, 0),   colour_number(0, 0, 200),   colour_number(0, 130, 200),
                            colour_number(0, 150, 0),   colour_number(150, 0, 150), colour_number(120, 80, 0)};
    for (int k = 0; k < 6; ++k) curves[static_cast<std::size_t>(k)].colour = colours[k];
    for (std::size_t i = 0; i < states.size(); ++i) {
        const State& s = states[i];
        const double x = xs[i];
        curves[0].points.emplace_back(x, std::round(s.hv * 10) / 10);
        curves[1].points.emplace_back(x, on_hv_scale(s.rm, 200, 1800));
        curves[2].points.emplace_back(x, on_hv_scale(s.r02, 200, 1800));
        curves[3].points.emplace_back(x, on_hv_scale(s.a, 0, 40));
        curves[4].points.emplace_back(x, on_hv_scale(s.z, 0, 80));
        curves[5].points.emplace_back(x, on_hv_scale(s.k, 0, 20));
    }
    return curves;
}

// ------------------------------------------------------------ micrographs

std::uint32_t mix(std::uint32_t a)
{
    a ^= a >> 16;
    a *= 0x7feb352dU;
    a ^= a >> 15;
    a *= 0x846ca68bU;
    a ^= a >> 16;
    return a;
}

struct Grey {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> level;   // 0..15, row 0 at the top
    Grey(int w, int h) : width(w), height(h), level(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 15) {}
    void set(int x, int y, int v) { level[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(std::clamp(v, 0, 15)); }
};

int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// One tile of the structure with the given shares, drawn at (ox, oy).
void draw_tile(Grey& g, int ox, int oy, int w, int h, const State& s, std::uint32_t seed)
{
    struct Seed {
        int x, y, phase, dx, dy, tone;
    };
    static const int dirs[8][2] = {{1, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 1}, {-1, 2}, {-1, 1}, {-2, 1}};
    const int grains = std::max(6, w * h / 320);
    std::vector<Seed> seeds;
    const double total = std::max(1e-9, s.f + s.p + s.b + s.m);
    const int cut_f = static_cast<int>(1000 * s.f / total);
    const int cut_p = cut_f + static_cast<int>(1000 * s.p / total);
    const int cut_b = cut_p + static_cast<int>(1000 * s.b / total);
    for (int i = 0; i < grains; ++i) {
        const std::uint32_t r = mix(seed * 7919U + static_cast<std::uint32_t>(i) * 104729U + 1U);
        const int u = static_cast<int>(mix(r) % 1000);
        const int phase = u < cut_f ? 0 : u < cut_p ? 1 : u < cut_b ? 2 : 3;
        const int d = static_cast<int>((r >> 8) % 8);
        seeds.push_back({static_cast<int>(r % static_cast<std::uint32_t>(w)),
                         static_cast<int>((r >> 12) % static_cast<std::uint32_t>(h)), phase, dirs[d][0], dirs[d][1],
                         static_cast<int>((r >> 20) % 3)});
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int best = 0;
            long d1 = -1, d2 = -1;
            for (int i = 0; i < grains; ++i) {
                const long dx = x - seeds[static_cast<std::size_t>(i)].x;
                const long dy = y - seeds[static_cast<std::size_t>(i)].y;
                const long d = dx * dx + dy * dy;
                if (d1 < 0 || d < d1) {
                    d2 = d1;
                    d1 = d;
                    best = i;
                } else if (d2 < 0 || d < d2) {
                    d2 = d;
                }
            }
            const Seed& sd = seeds[static_cast<std::size_t>(best)];
            const double gap = std::sqrt(static_cast<double>(d2)) - std::sqrt(static_cast<double>(d1));
            const int noise = static_cast<int>(mix(static_cast<std::uint32_t>(x + ox) * 73856093U ^
                                                   static_cast<std::uint32_t>(y + oy) * 19349663U ^ seed) % 3) - 1;
            const int along = x * sd.dx + y * sd.dy;
            const int across = -x * sd.dy + y * sd.dx;
            int v = 0;
            switch (sd.phase) {
            case 0: v = 13 + (sd.tone == 0 ? 1 : 0); break;                              // ferrite
            case 1: v = (floor_div(across, 3) & 1) ? 3 : 9; break;                         // pearlite
            case 2: v = (floor_div(across, 2) % 3 == 0 && floor_div(along, 9) % 4 != 0) ? 5 : 10; break;   // bainite
            default: {                                                                     // martensite
                const bool second = mix(static_cast<std::uint32_t>(floor_div(x, 7) * 31 + floor_div(y, 7)) ^ seed) & 1;
                const int p = second ? (x * sd.dy + y * sd.dx) : across;
                v = (floor_div(p, 2) & 1) ? 6 : 11;
            }
            }
            if (gap < 1.3) v = 2;
            g.set(ox + x, oy + y, v + noise);
        }
    }
}

std::string bmp16(const Grey& g)
{
    const int row_bytes = ((g.width + 1) / 2 + 3) / 4 * 4;
    const std::uint32_t image = static_cast<std::uint32_t>(row_bytes * g.height);
    const std::uint32_t offset = 14 + 40 + 16 * 4;
    std::string out;
    auto u16 = [&](std::uint32_t v) {
        out.push_back(static_cast<char>(v & 0xFF));
        out.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    out += "BM";
    u32(offset + image);
    u32(0);
    u32(offset);
    u32(40);
    u32(static_cast<std::uint32_t>(g.width));
    u32(static_cast<std::uint32_t>(g.height));
    u16(1);
    u16(4);
    u32(0);
    u32(image);
    u32(3780);
    u32(3780);
    u32(16);
    u32(16);
    for (int i = 0; i < 16; ++i) {
        const char v = static_cast<char>(i * 17);
        out.push_back(v);
        out.push_back(v);
        out.push_back(v);
        out.push_back(0);
    }
    for (int y = g.height - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(row_bytes), '\0');
        for (int x = 0; x < g.width; ++x) {
            const int v = g.level[static_cast<std::size_t>(y) * static_cast<std::size_t>(g.width) + static_cast<std::size_t>(x)];
            char& byte = row[static_cast<std::size_t>(x / 2)];
            byte = static_cast<char>(x % 2 == 0 ? (v << 4) : (static_cast<unsigned char>(byte) | v));
        }
        out += row;
    }
    return out;
}

// ------------------------------------------------------------ the two atlases

const char* const seyffarth_folder = "Seyffarth CCT Atlas";
const char* const shorshorov_folder = "Shorsorov CCT Atlas";

std::string upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string composition_line(const Composition& c)
{
    const double v[16] = {c.c, c.si, c.mn, c.p, c.s, c.cu, c.cr, c.ni, c.mo, c.nb, c.ti, c.b, c.al, c.n2, c.v, c.w};
    std::string s;
    for (double x : v) s += (s.empty() ? "" : " ") + num(x);
    return s;
}

std::string crlf(const std::vector<std::string>& lines)
{
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

void write_seyffarth(Output& out)
{
    for (const SeyffarthSteel& steel : seyffarth_steels) {
        const std::string folder = std::string(seyffarth_folder) + "/" + steel.stem + "/";
        const std::string up = upper(steel.stem);
        const Composition& c = steel.comp;

        const CctData cct = cct_data(c);
        std::array<double, 24> header{};
        header[1] = 0;
        header[2] = ln_t_max;
        header[3] = 900;
        const std::string files[5] = {folder + "cct.spl", folder + "prop.spl", folder + "labels.txt",
                                      folder + "struct.tx_", folder + "micro.bmp"};
        out.write(files[0], curve_set_text(curve_set_numbers(header, cct.curves)));

        double hv_lo = 0, hv_hi = 0;
        const auto props = property_curves(c, hv_lo, hv_hi);
        std::array<double, 24> ph{};
        ph[1] = hv_lo;
        ph[2] = ln_t_max;
        ph[3] = hv_hi;
        ph[4] = hv_lo;
        ph[5] = hv_hi;
        ph[6] = 200;
        ph[7] = 1800;
        ph[8] = 0;
        ph[9] = 40;
        ph[10] = 0;
        ph[11] = 80;
        ph[12] = 0;
        ph[13] = 20;
        out.write(files[1], curve_set_text(curve_set_numbers(ph, props)));

        std::string labels;
        for (const auto& l : cct.labels) labels += l + "\r\n";
        out.write(files[2], labels);

        std::string table = "t8/5,s   F,%   B,%   P,%   HV\r\n";
        for (double t85 : {1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 10.0, 15.0, 20.0, 30.0, 40.0, 60.0, 80.0, 100.0, 150.0,
                           200.0, 300.0, 400.0}) {
            const State s = model_at(c, std::max(1.01, t85));
            table += num(t85) + " " + num(tenth(s.f * 100)) + " " + num(tenth(s.b * 100)) + " " +
                     num(tenth(s.p * 100)) + " " + num(whole(s.hv)) + " \r\n";
        }
        out.write(files[3], table);

        // Six tiles, three by two, for t8/5 below 3, 8, 20, 50, 150 s and above.
        const int tw = 120, th = 120;
        Grey picture(3 * tw, 2 * th);
        const double representative[6] = {1.5, 5, 12, 30, 90, 250};
        for (int k = 0; k < 6; ++k)
            draw_tile(picture, (k % 3) * tw, (k / 3) * th, tw, th, model_at(c, representative[k]),
                      static_cast<std::uint32_t>(k + 1) * 2654435761U ^ static_cast<std::uint32_t>(steel.stem[0]));
        out.write(files[4], bmp16(picture));

        const std::string descriptor = crlf({
            up + "\\CCT.SPL " + up + "\\PROP.SPL",
            up + "\\LABELS.TXT " + up + "\\STRUCT.TX_",
            std::string("Sample steel ") + steel.grade + " (made-up data)",
            composition_line(c),
            up + "\\MICRO.BMP 360 240 3 8 20 50 150 400",
            steel.grade,
        });
        out.write(std::string(seyffarth_folder) + "/" + steel.descriptor, descriptor);
    }
}

void write_shorshorov(Output& out)
{
    const double rates[] = {0.5, 0.8, 1.2, 2, 3, 5, 8, 12, 20, 30, 50, 80, 120, 200};
    for (const ShorshorovSteelSpec& steel : shorshorov_steels) {
        const Composition& c = steel.comp;
        std::vector<State> states;
        for (double w : rates) states.push_back(model_at(c, std::max(1.01, 300.0 / w)));
        double hv_lo = 1e9, hv_hi = 0, rm_lo = 1e9, rm_hi = 0;
        for (const State& s : states) {
            hv_lo = std::min(hv_lo, s.hv);
            hv_hi = std::max(hv_hi, s.hv);
            rm_lo = std::min(rm_lo, s.rm);
            rm_hi = std::max(rm_hi, s.rm);
        }
        hv_lo = std::floor((hv_lo - 20) / 50) * 50;
        hv_hi = std::ceil((hv_hi + 20) / 50) * 50;
        rm_lo = std::floor((rm_lo - 50) / 100) * 100;
        rm_hi = std::ceil((rm_hi + 50) / 100) * 100;
        const State base = model_at(c, 400);
        std::vector<std::string> lines{
            "Sample steel file of the Shorshorov-type atlas (made-up data)",
            std::string("Steel ") + steel.grade,
            "Structure and properties of the HAZ versus the cooling rate W (800-500 C), C/s",
            steel.picture,
            "C Si Mn Cr Ni Mo S P Cu Nb Ti B Al N2 V",
            num(c.c) + " " + num(c.si) + " " + num(c.mn) + " " + num(c.cr) + " " + num(c.ni) + " " + num(c.mo) +
                " " + num(c.s) + " " + num(c.p) + " " + num(c.cu) + " " + num(c.nb) + " " + num(c.ti) + " " +
                num(c.b) + " " + num(c.al) + " " + num(c.n2) + " " + num(c.v),
            "1 3 10 30 100 300",
            "",
            "Base metal:",
            "  -  Rm,MPa  A,%  Z,%  HV30",
            "W,C/s HV Rm,MPa A,% Z,% 100-F,% M,%",
            "1 " + num(whole(base.rm)) + " " + num(tenth(base.a)) + " " + num(tenth(base.z)) + " " +
                num(whole(base.hv)),
            num(0.3) + " " + num(hv_lo) + " " + num(rm_lo) + " 0 0 0 0",
            num(300) + " " + num(hv_hi) + " " + num(rm_hi) + " 40 80 100 100",
        };
        for (std::size_t i = 0; i < states.size(); ++i) {
            const State& s = states[i];
            lines.push_back(num(rates[i]) + " " + num(whole(s.hv)) + " " + num(whole(s.rm)) + " " + num(tenth(s.a)) +
                            " " + num(tenth(s.z)) + " " + num(tenth(100 - s.f * 100)) + " " +
                            num(tenth(s.m * 100)));
        }
        out.write(std::string(shorshorov_folder) + "/" + steel.file, crlf(lines));

        // Six tiles of 200 by 200, two by three, for W below 1, 3, 10, 30,
        // 100 C/s and above.
        Grey picture(400, 600);
        const double representative[6] = {0.6, 2, 6, 18, 55, 180};
        for (int k = 0; k < 6; ++k)
            draw_tile(picture, (k % 2) * 200, (k / 2) * 200, 200, 200,
                      model_at(c, std::max(1.01, 300.0 / representative[k])),
                      static_cast<std::uint32_t>(k + 11) * 2246822519U ^ static_cast<std::uint32_t>(steel.grade[1]));
        std::string picture_name = steel.file;
        picture_name = picture_name.substr(0, picture_name.find('.')) + ".bmp";
        out.write(std::string(shorshorov_folder) + "/" + picture_name, bmp16(picture));
    }
}

bool generate(Output& out)
{
    write_seyffarth(out);
    write_shorshorov(out);
    return out.ok();
}

} // namespace

bool write_sample_atlas(const std::string& root, std::string& error)
{
    Output out(root, error);
    return generate(out);
}

std::vector<std::string> sample_atlas_files()
{
    std::string error;
    Output out(".", error, true);
    generate(out);
    return out.names();
}
