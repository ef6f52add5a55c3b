// How the sample data are made (all of it invented here, physically
// plausible, for tests and first-time users):
//
// Structure and properties versus the cooling time t8/5 come from the
// project's Kasatkin-Seyffarth model (kasatkin_model.h) at each steel's
// composition. The model gives martensite M, ferrite + pearlite FP and, as
// the rest, bainite B = 1 - M - FP, each smooth and M falling, FP rising
// with t8/5; HV, Rm, R02, A, Z and K follow from these three. Its separate
// ferrite fit crosses FP (pearlite is 0 until ferrite falls below FP, then
// rises and falls again as ferrite catches up), so the sample splits FP by
// the lever rule instead: pearlite is (C - 0.02) / 0.75 of it, ferrite the
// rest. Every share is then smooth, M falls, F and P rise, B rises to one
// maximum and falls, and the four add up to 100 % at every cooling time.
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
// Property curves are written on exactly the scales the property windows
// read them with: the header's HV range (numbers 5 and 6, also the plot
// box's y range, numbers 2 and 4) is the HV scale the windows choose from
// number 6 (80..440 or 150..750), the Rm range (numbers 7 and 8) the Rm scale
// they choose from number 8 (100..1300 or 400..1600), and A, Z and K (numbers
// 9 to 14) the fixed 0..48, 0..96 and 0..36. Every curve is given on the HV
// scale, a property carried linearly from its own scale onto it, so the
// properties windows, the dependence windows and the HAZ profile all read
// the same value back, on an axis that holds it. A steel whose values do not
// fit the scales stops the generator.
//
// Shorshorov steel files tabulate the same model against the cooling rate
// W = 300 / t8/5 (°C/s, 800 to 500 °C). Their two range rows are the ends of
// the fixed axes of the Shorshorov windows: W from 0.1 to 600 °C/s (the
// structure diagram's ticks), HV 0..700, Rm 0..1400 MPa, A 0..70 %, and Z on
// A's per-cent scale. Columns: W, HV, Rm, A, Z, 100 - ferrite, martensite.
//
// Micrographs are procedural: grains of a Voronoi pattern (integer arithmetic
// only), each grain showing ferrite, pearlite, bainite or martensite in
// proportion to the shares for its tile, written as 16-grey BMPs at the size
// the micrograph windows cut their tiles from: 600 by 400 for a Seyffarth
// steel (six tiles of 200 by 200), 379 by 600 for a Shorshorov steel (tiles
// of 200 by 200 at x 0 and 200, the right-hand ones cut by the picture's
// edge at 179 pixels).
#include "sample_atlas.h"

#include "kasatkin_model.h"
#include "numfmt.h"
#include "seyffarth_frame.h"
#include "shorshorov.h"
#include "text_code.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// ------------------------------------------------------------------ steels

struct Composition {
    double c = 0, si = 0, mn = 0, p = 0, s = 0, cu = 0, cr = 0, ni = 0, mo = 0, nb = 0, ti = 0, b = 0, al = 0,
           n2 = 0, v = 0, w = 0;
};

// The files of a steel are UTF-8, or in code page 1251 as the atlases
// written on Russian and Ukrainian systems are.
enum class Encoding { utf8, cp1251 };

struct SeyffarthSteel {
    const char* grade;
    const char* descriptor;  // the steel's descriptor file (extension: class)
    const char* stem;        // folder and file names on disk (lower case)
    Composition comp;
    const char* named_stem = nullptr;   // the folder as the descriptor names it (default: stem in upper case)
    const char* note = nullptr;         // the descriptor's unused fifth line (default: in English)
    Encoding encoding = Encoding::utf8;
};

struct ShorshorovSteelSpec {
    const char* grade;
    const char* file;        // steel file name on disk
    const char* picture;     // micrograph as the steel file names it
    Composition comp;
    const char* picture_file = nullptr;  // the micrograph's name on disk (default: from the steel file's name)
    const char* titles[2] = {"Sample steel (made-up data)", "HAZ versus W (800-500 C), C/s"};
    const char* base_metal = "Base metal:";
    Encoding encoding = Encoding::utf8;
};

const SeyffarthSteel seyffarth_steels[] = {
    {"S235JR", "S235JR.sp0", "s235jr", {.c = 0.14, .si = 0.2, .mn = 0.6, .p = 0.02, .s = 0.02, .cu = 0.1}},
    {"S355J2", "S355J2.sp0", "s355j2", {.c = 0.18, .si = 0.4, .mn = 1.45, .p = 0.02, .s = 0.01, .cu = 0.1, .al = 0.03}},
    {"C22E", "C22E.sp2", "c22e", {.c = 0.22, .si = 0.25, .mn = 0.55, .p = 0.015, .s = 0.02}},
    {"20MnMoNi4-5", "20MnMoNi45.sp2", "20mnmoni45",
     {.c = 0.2, .si = 0.25, .mn = 1.3, .p = 0.012, .s = 0.008, .cr = 0.15, .ni = 0.65, .mo = 0.5}},
    {"C-Mn 0.12/1.2", "CMn12.sm1", "cmn12", {.c = 0.12, .si = 0.3, .mn = 1.2, .p = 0.015, .s = 0.01, .al = 0.03}},
    // Written in code page 1251 on a Russian system: the descriptor names
    // its files in Cyrillic capitals, while the names on disk are UTF-8 in
    // small letters.
    {"15KhSND", "15ХСНД.sp1", "15хснд",
     {.c = 0.15, .si = 0.55, .mn = 0.55, .p = 0.03, .s = 0.03, .cu = 0.3, .cr = 0.75, .ni = 0.45},
     "15ХСНД", "Образец стали 15ХСНД (придуманные данные)", Encoding::cp1251},
};

const ShorshorovSteelSpec shorshorov_steels[] = {
    {"St3sp", "St3sp.100", "ST3SP.BMP", {.c = 0.17, .si = 0.2, .mn = 0.5, .p = 0.03, .s = 0.03, .cu = 0.2, .cr = 0.1, .ni = 0.1}},
    {"09G2S", "09G2S.301", "09G2S.BMP", {.c = 0.1, .si = 0.65, .mn = 1.5, .p = 0.02, .s = 0.02, .cu = 0.2, .cr = 0.1, .ni = 0.1}},
    {"17GS", "17GS.301", "17GS.BMP", {.c = 0.18, .si = 0.5, .mn = 1.2, .p = 0.025, .s = 0.02, .cu = 0.2, .cr = 0.1, .ni = 0.1}},
    {"10KhSND", "10KhSND.307", "10KHSND.BMP", {.c = 0.11, .si = 0.9, .mn = 0.65, .p = 0.025, .s = 0.02, .cu = 0.5, .cr = 0.2, .ni = 0.6}},
    // Written in code page 1251, titles in Russian; the micrograph named in
    // capitals, on disk in small letters.
    {"15ХСНД", "15ХСНД.307", "15ХСНД.BMP",
     {.c = 0.15, .si = 0.55, .mn = 0.55, .p = 0.03, .s = 0.03, .cu = 0.3, .cr = 0.75, .ni = 0.45},
     "15хснд.bmp", {"Образец стали (придуманные данные)", "ЗТВ в зависимости от W (800-500 C), C/с"},
     "Основной металл:", Encoding::cp1251},
};

struct State {
    double m = 0, f = 0, p = 0, b = 0;   // shares 0..1, summing to 1
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
    const double pearlite_part = std::clamp((c.c - 0.02) / 0.75, 0.0, 1.0);
    s.m = steel.martensite;
    s.b = steel.bainite;
    s.p = steel.ferrite_pearlite * pearlite_part;
    s.f = steel.ferrite_pearlite - s.p;
    s.hv = steel.hv;
    s.rm = steel.rm;
    s.r02 = steel.r02;
    s.a = steel.elongation;
    s.z = steel.reduction;
    s.k = steel.toughness;
    return s;
}

// Rounded to a tenth or to whole units, so that the files hold tidy numbers.
double tenth(double v) { return std::round(v * 10.0) / 10.0; }
double whole(double v) { return std::round(v); }

// The four shares of one row in per cent, rounded to tenths so that they add
// up to 100 exactly: the running sums P, P + F and P + F + B are rounded
// (each rises with the cooling time as its exact value does) and the shares
// are their differences, martensite the rest.
struct Shares {
    double m, f, b, p;
};

Shares row_shares(const State& s)
{
    const double p = tenth(100 * s.p);
    const double pf = tenth(100 * (s.p + s.f));
    const double pfb = std::min(100.0, tenth(100 * (s.p + s.f + s.b)));
    return {tenth(100 - pfb), tenth(pf - p), tenth(pfb - pf), p};
}

// The rounded shares at the cooling times given (in any order). A
// difference of two rounded sums can step back by a tenth where its exact
// value rises with the cooling time; ferrite is P + F less P, so a tenth that
// P took from F is handed back (P then stays level, still never falling).
std::vector<Shares> table_shares(const Composition& c, const std::vector<double>& times)
{
    std::vector<std::size_t> order(times.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return times[a] < times[b]; });
    std::vector<Shares> rows(times.size());
    for (std::size_t i = 0; i < times.size(); ++i) rows[i] = row_shares(model_at(c, times[i]));
    for (std::size_t j = 1; j < order.size(); ++j) {
        const Shares& before = rows[order[j - 1]];
        Shares& row = rows[order[j]];
        const double drop = before.f - row.f;
        if (drop > 0) {
            row.f = before.f;
            row.p = tenth(row.p - drop);
        }
    }
    return rows;
}

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
        if (!out) fail("cannot write " + p.string());
        return ok_;
    }
    // Content that takes long to make (a picture) is made only when written.
    bool write(const std::string& relative, const std::function<std::string()>& make)
    {
        return write(relative, dry_ ? std::string() : make());
    }
    void fail(const std::string& message)
    {
        if (!ok_) return;
        error_ = message;
        ok_ = false;
    }
    bool ok() const { return ok_; }
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
    // Whole numbers whole (a colour number has eight digits), others in %g.
    if (v == std::round(v) && std::fabs(v) < 1e15) return cformat("%.0f", v);
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

// The property scales the windows will read the file with: the first HV and
// Rm scales when every value fits them, the second ones otherwise. The
// header numbers 6 and 8 that select them are the scales' upper ends.
struct PropertyFile {
    SeyffarthPropertyScales scales;
    std::vector<Curve> curves;
};

bool fits(const std::vector<double>& scale, double v) { return v >= scale.front() && v <= scale.back(); }

bool property_file(const Composition& comp, const char* grade, PropertyFile& out, std::string& error)
{
    const int n = 30;
    std::vector<State> states;
    std::vector<double> xs;
    for (int i = 0; i <= n; ++i) {
        const double x = std::round(ln_t_max * i / n * 1000) / 1000;
        xs.push_back(x);
        states.push_back(model_at(comp, std::exp(x)));
    }
    const SeyffarthPropertyScales first = seyffarth_property_scales(440, 1300);
    const SeyffarthPropertyScales second = seyffarth_property_scales(750, 1600);
    bool hv_first = true, rm_first = true;
    for (const State& s : states) {
        hv_first = hv_first && fits(first.hv, s.hv);
        rm_first = rm_first && fits(first.rm, s.rm) && fits(first.rm, s.r02);
    }
    out.scales = seyffarth_property_scales(hv_first ? first.hv.back() : second.hv.back(),
                                           rm_first ? first.rm.back() : second.rm.back());
    const SeyffarthPropertyScales& sc = out.scales;
    const std::vector<double>& hv = sc.hv;
    const char* names[6] = {"HV", "Rm", "R02", "A", "Z", "K"};
    // A value on property k's own scale, carried onto the HV scale: the
    // inverse of what the windows do with it.
    auto on_hv_scale = [&](double v, int k) {
        const std::vector<double>& s = sc.of(k);
        return std::round((hv.front() + (v - s.front()) * (hv.back() - hv.front()) / (s.back() - s.front())) * 100) /
               100;
    };
    out.curves.assign(6, Curve{});
    const int colours[6] = {colour_number(200, 0, 0),   colour_number(0, 0, 200),   colour_number(0, 130, 200),
                            colour_number(0, 150, 0),   colour_number(150, 0, 150), colour_number(120, 80, 0)};
    for (int k = 0; k < 6; ++k) out.curves[static_cast<std::size_t>(k)].colour = colours[k];
    for (std::size_t i = 0; i < states.size(); ++i) {
        const State& s = states[i];
        const double values[6] = {s.hv, s.rm, s.r02, s.a, s.z, s.k};
        for (int k = 0; k < 6; ++k) {
            if (!fits(sc.of(k), values[k])) {
                error = cformat("steel %s: %s %g at t8/5 = %g s lies outside its scale %g..%g", grade, names[k],
                                values[k], std::exp(xs[i]), sc.of(k).front(), sc.of(k).back());
                return false;
            }
            out.curves[static_cast<std::size_t>(k)].points.emplace_back(xs[i], on_hv_scale(values[k], k));
        }
    }
    return true;
}

// The cooling times of a structure table: 1 s to 400 s in tidy steps.
const std::vector<double> structure_times{1,  1.2, 1.5, 1.8, 2,  2.5, 3,   3.5, 4,   5,   6,   7,   8,   10,
                                          12, 15,  18,  20,  25, 30,  35,  40,  50,  60,  70,  80,  100, 120,
                                          150, 180, 200, 250, 300, 350, 400};

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

std::string encoded(const std::string& text, Encoding encoding)
{
    return encoding == Encoding::cp1251 ? to_code_page(text, charset_cyrillic) : text;
}

void write_seyffarth(Output& out)
{
    for (const SeyffarthSteel& steel : seyffarth_steels) {
        const std::string folder = std::string(seyffarth_folder) + "/" + steel.stem + "/";
        const std::string up = steel.named_stem ? steel.named_stem : upper(steel.stem);
        const Composition& c = steel.comp;

        const CctData cct = cct_data(c);
        std::array<double, 24> header{};
        header[1] = 0;
        header[2] = ln_t_max;
        header[3] = 900;
        const std::string files[5] = {folder + "cct.spl", folder + "prop.spl", folder + "labels.txt",
                                      folder + "struct.tx_", folder + "micro.bmp"};
        out.write(files[0], curve_set_text(curve_set_numbers(header, cct.curves)));

        PropertyFile props;
        std::string error;
        if (!property_file(c, steel.grade, props, error)) {
            out.fail(error);
            return;
        }
        const SeyffarthPropertyScales& sc = props.scales;
        // Numbers 1 to 4 the plot box, then the (lower, upper) pairs of HV,
        // Rm (also R02), A, Z and K; the rest 0.
        std::array<double, 24> ph{};
        ph[1] = sc.hv.front();
        ph[2] = ln_t_max;
        ph[3] = sc.hv.back();
        ph[4] = sc.hv.front();
        ph[5] = sc.hv.back();
        ph[6] = sc.rm.front();
        ph[7] = sc.rm.back();
        ph[8] = sc.a.front();
        ph[9] = sc.a.back();
        ph[10] = sc.z.front();
        ph[11] = sc.z.back();
        ph[12] = sc.k.front();
        ph[13] = sc.k.back();
        out.write(files[1], curve_set_text(curve_set_numbers(ph, props.curves)));

        std::string labels;
        for (const auto& l : cct.labels) labels += l + "\r\n";
        out.write(files[2], labels);

        std::string table = "t8/5,s   F,%   B,%   P,%   HV\r\n";
        const std::vector<Shares> rows = table_shares(c, structure_times);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double t85 = structure_times[i];
            table += num(t85) + " " + num(rows[i].f) + " " + num(rows[i].b) + " " + num(rows[i].p) + " " +
                     num(whole(model_at(c, t85).hv)) + " \r\n";
        }
        out.write(files[3], table);

        // Six tiles, three by two, for t8/5 below 3, 8, 20, 50, 150 s and above.
        out.write(files[4], std::function<std::string()>([&] {
                      const int tw = 200, th = 200;
                      Grey picture(3 * tw, 2 * th);
                      const double representative[6] = {1.5, 5, 12, 30, 90, 250};
                      for (int k = 0; k < 6; ++k)
                          draw_tile(picture, (k % 3) * tw, (k / 3) * th, tw, th, model_at(c, representative[k]),
                                    static_cast<std::uint32_t>(k + 1) * 2654435761U ^
                                        static_cast<std::uint32_t>(steel.stem[0]));
                      return bmp16(picture);
                  }));

        const std::string descriptor = crlf({
            up + "\\CCT.SPL " + up + "\\PROP.SPL",
            up + "\\LABELS.TXT " + up + "\\STRUCT.TX_",
            steel.note ? steel.note : std::string("Sample steel ") + steel.grade + " (made-up data)",
            composition_line(c),
            up + "\\MICRO.BMP 600 400 3 8 20 50 150 400",
            steel.grade,
        });
        out.write(std::string(seyffarth_folder) + "/" + steel.descriptor, encoded(descriptor, steel.encoding));
    }
}

void write_shorshorov(Output& out)
{
    // 18 data rows: with the two range rows the 20 a Shorshorov window holds.
    const double rates[] = {0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64, 100, 150, 200, 300};
    for (const ShorshorovSteelSpec& steel : shorshorov_steels) {
        const Composition& c = steel.comp;
        std::vector<double> times;
        for (double w : rates) times.push_back(300.0 / w);
        const std::vector<Shares> shares = table_shares(c, times);
        const State base = model_at(c, 400);
        // Three title lines, the third the grade (the English, German and
        // French windows show it as the grade of steel); short, since the
        // composition table stands right of the widest.
        std::vector<std::string> lines{
            steel.titles[0],
            steel.titles[1],
            steel.grade,
            steel.picture,
            "C Si Mn Cr Ni Mo S P Cu Nb Ti B Al N2 V",
            num(c.c) + " " + num(c.si) + " " + num(c.mn) + " " + num(c.cr) + " " + num(c.ni) + " " + num(c.mo) +
                " " + num(c.s) + " " + num(c.p) + " " + num(c.cu) + " " + num(c.nb) + " " + num(c.ti) + " " +
                num(c.b) + " " + num(c.al) + " " + num(c.n2) + " " + num(c.v),
            "1 3 10 30 100 300",
            "",
            steel.base_metal,
            "  -  Rm,MPa  A,%  Z,%  HV30",
            "W,C/s HV Rm,MPa A,% Z,% 100-F,% M,%",
            "1 " + num(whole(base.rm)) + " " + num(tenth(base.a)) + " " + num(tenth(base.z)) + " " +
                num(whole(base.hv)),
        };
        // The range rows: the ends of the windows' fixed axes.
        const auto& hv = shorshorov_hv_ticks;
        const auto& rm = shorshorov_rm_ticks;
        const auto& a = shorshorov_a_ticks;
        const auto& w = shorshorov_rate_ticks;
        lines.push_back(num(w.front()) + " " + num(hv.front()) + " " + num(rm.front()) + " " + num(a.front()) + " " +
                        num(a.front()) + " 0 0");
        lines.push_back(num(w.back()) + " " + num(hv.back()) + " " + num(rm.back()) + " " + num(a.back()) + " " +
                        num(a.back()) + " 100 100");
        for (std::size_t i = 0; i < times.size(); ++i) {
            const State s = model_at(c, times[i]);
            const double values[4] = {s.hv, s.rm, s.a, s.z};
            const double ends[4][2] = {{hv.front(), hv.back()}, {rm.front(), rm.back()}, {a.front(), a.back()},
                                       {a.front(), a.back()}};
            for (int k = 0; k < 4; ++k)
                if (values[k] < ends[k][0] || values[k] > ends[k][1]) {
                    out.fail(cformat("steel %s: property %d = %g at W = %g C/s lies outside its axis", steel.grade, k,
                                     values[k], rates[i]));
                    return;
                }
            lines.push_back(num(rates[i]) + " " + num(whole(s.hv)) + " " + num(whole(s.rm)) + " " + num(tenth(s.a)) +
                            " " + num(tenth(s.z)) + " " + num(tenth(100 - shares[i].f)) + " " + num(shares[i].m));
        }
        out.write(std::string(shorshorov_folder) + "/" + steel.file, encoded(crlf(lines), steel.encoding));

        // Six tiles of 200 by 200, two by three, for W below 1, 3, 10, 30,
        // 100 C/s and above; the right-hand column is cut by the picture's
        // edge at 379 pixels, as the window loads it.
        std::string picture_name = steel.file;
        picture_name = steel.picture_file ? steel.picture_file : picture_name.substr(0, picture_name.find('.')) + ".bmp";
        out.write(std::string(shorshorov_folder) + "/" + picture_name, std::function<std::string()>([&] {
                      Grey picture(379, 600);
                      const double representative[6] = {0.6, 2, 6, 18, 55, 180};
                      for (int k = 0; k < 6; ++k) {
                          const int x = (k % 2) * 200;
                          draw_tile(picture, x, (k / 2) * 200, std::min(200, picture.width - x), 200,
                                    model_at(c, 300.0 / representative[k]),
                                    static_cast<std::uint32_t>(k + 11) * 2246822519U ^
                                        static_cast<std::uint32_t>(steel.grade[1]));
                      }
                      return bmp16(picture);
                  }));
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
