// Every result window as the user first sees it: each family at the start
// values of its dialogs, for every scheme that serves it (each scheme at its
// data dialog's start values), in all five languages, on a 1024 x 768 client.
// No text over another, none outside the window, none crossed by an axis, a
// table rule or a label's ellipse, except the cases kept below, where the
// window's own coordinates put two things in one place.
//
// Every family is strict at every surface (the default window, 1024 x 768,
// maximized, the A4 page both ways round; the digitizer's view in its
// dialog): it is drawn there in every run, and nothing passes but texts that
// only touch: a kept case that takes a finding where ink is covered is a
// failure.
//
// English and Russian pictures of every family (all schemes for the
// temperature windows, the start scheme or the first one served for the
// others) go to
// VELMARIN_TEST_OUTPUT_DIR/layout/windows/ to be looked at.
#include "kept_cases.h"
#include "layout_check.h"

#include "atlas_files.h"
#include "composition_dialog_start.h"
#include "cycle_start_record.h"
#include "dialog_start_records.h"
#include "digitizer_view.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "image_canvas.h"
#include "ion_windows.h"
#include "kasatkin_windows.h"
#include "lang.h"
#include "modelchoice.h"
#include "plot.h"
#include "msgbox.h"
#include "program_state.h"
#include "scheme_at_dialog_values.h"
#include "sample_steels.h"
#include "seyffarth_frame.h"
#include "seyffarth_sweeps.h"
#include "shorshorov.h"
#include "steel_choice.h"
#include "temperature_windows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <tuple>
#include <regex>
#include <string>
#include <vector>

namespace {

constexpr Rect client{0, 0, 1024, 768};

// Where a window is drawn: the main window's client at its default size, on
// a 1024 x 768 screen, maximized on a larger one, and the printed page (A4 at
// 300 dpi, both ways round), where the window lays out on the page's plot
// rectangle.
struct Surface {
    const char* name;
    int width = 0;    // client pixels, or the page in millimetres
    int height = 0;
    bool page = false;

    RecordingCanvas canvas() const
    {
        if (page) return RecordingCanvas::printer_page(width, height, 300);
        DeviceCaps caps = RecordingCanvas::default_caps();
        caps.horz_res = width;
        caps.vert_res = height;
        return RecordingCanvas(caps);
    }
    Rect frame() const
    {
        const DeviceCaps caps = canvas().caps();
        return Rect{0, 0, caps.horz_res, caps.vert_res};
    }
};

const std::vector<Surface> all_surfaces{{"default", 992, 693},
                                        {"screen1024", 1024, 768},
                                        {"maximized", 1280, 1000},
                                        {"portrait", 210, 297, true},
                                        {"landscape", 297, 210, true}};

// The kept cases are measured on the 1024 x 768 client. The other rows of
// the table draw the lenient families too, for VELMARIN_LAYOUT_FINDINGS to
// count what each size shows: VELMARIN_LAYOUT_SURFACES=all runs them. A
// family runs at the surfaces where it is strict in every run.
std::vector<Surface> surfaces()
{
    const char* which = std::getenv("VELMARIN_LAYOUT_SURFACES");
    if (which != nullptr && std::string(which) == "all") return all_surfaces;
    return {all_surfaces[1]};
}

// ---------------------------------------------------------------------------
// The window families

// Schemes by the windows they serve.
const std::vector<int> every_scheme{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
const std::vector<int> point_schemes{1, 2, 3, 4, 5, 6, 9, 10};
const std::vector<int> section_schemes{2, 3, 6, 9, 10};
const std::vector<int> thickness_schemes{1, 3, 4, 5};
const std::vector<int> no_scheme{0};

// A family: how its paint callback draws it (the temperature windows compute
// once per scheme in `compute`, then draw in every language).
struct Family {
    std::string name;
    std::vector<int> schemes;
    bool transparent = false;   // the background mode its paint callback sets
    std::function<void(Canvas&)> draw;
    std::function<void(int scheme, Canvas& scratch)> compute;   // on a canvas of the surface
    const Rect* frame = nullptr;   // what the drawing must keep inside, if not the surface
    // Where no finding passes but texts that only touch, kept case or not
    // (a regex over the surfaces' names; empty: nowhere). Every family is
    // strict wherever it is drawn; a new family that is not yet clean names
    // the surfaces where it is.
    std::string strict_surfaces = ".*";
    bool strict_at(const Surface& s) const
    {
        return !strict_surfaces.empty() && std::regex_match(s.name, std::regex(strict_surfaces));
    }
};

std::ostream& operator<<(std::ostream& out, const Family& f)
{
    return out << f.name;
}

using AtlasRoutine = void (*)(const double*, int, Window*, Canvas&, int, SteelChoice, int);

Family steel_family(const std::string& name, std::vector<int> schemes, SteelWindowRoutine routine,
                    const double* record, bool transparent = false)
{
    return Family{name, std::move(schemes), transparent,
                  [=](Canvas& dc) { routine(record, 50, nullptr, dc, 0, composition_dialog_start(), 0); }, {}};
}

Family atlas_family(const std::string& name, std::vector<int> schemes, AtlasRoutine routine, const double* record,
                    SteelChoice (*steel)(), bool transparent, int selector = 0)
{
    return Family{name, std::move(schemes), transparent,
                  [=](Canvas& dc) { routine(record, 50, nullptr, dc, selector, steel(), 0); }, {}};
}

Family isotherm_family(const std::string& name, std::vector<int> schemes, IsothermTracer tracer)
{
    return Family{name, std::move(schemes), true,
                  [](Canvas& dc) {
                      // The screen's paint selects the chosen font; the page starts from its own.
                      if (!dc.is_printer()) dc.select_font(chosen_font);
                      isotherm_window(isotherm_start, 40, nullptr, dc, 1, 0);
                  },
                  [tracer](int, Canvas& scratch) {
                      current_isotherm_tracer = tracer;
                      isotherm_window(isotherm_start, 40, nullptr, scratch, 0, 0);
                  }};
}

std::vector<Family> families()
{
    std::vector<Family> out;
    // Temperature windows.
    static std::vector<double> record;
    out.push_back(Family{"thermal_cycle", every_scheme, false,
                         [](Canvas& dc) { current_model.cycle_routine(record.data(), 50, nullptr, dc, 1, 0); },
                         [](int scheme, Canvas& scratch) {
                             record = thermal_cycle_start_record(scheme);
                             current_model.cycle_routine(record.data(), 50, nullptr, scratch, 0, 0);
                         }});
    out.push_back(Family{"cooling_rate", point_schemes, false,
                         [](Canvas& dc) { cooling_rate_window(velocity_start, 50, nullptr, dc, 1, 0); },
                         [](int, Canvas& scratch) {
                             cooling_rate_window(velocity_start, 50, nullptr, scratch, 0, 0);
                         }});
    out.push_back(isotherm_family("isotherms_xy", point_schemes, trace_isotherm_xy));
    out.push_back(isotherm_family("isotherms_yz", section_schemes, trace_isotherm_yz));
    out.push_back(isotherm_family("isotherms_xz", section_schemes, trace_isotherm_xz));

    // Steel models.
    out.push_back(steel_family("kasatkin_structure_at_point", point_schemes, kasatkin_structure_at_point_window,
                               velocity_start, true));
    out.push_back(steel_family("kasatkin_properties_at_point", point_schemes, kasatkin_properties_at_point_window,
                               velocity_start));
    out.push_back(steel_family("kasatkin_structure_vs_energy", point_schemes, kasatkin_structure_vs_energy_window,
                               energy_start));
    out.push_back(steel_family("kasatkin_properties_vs_energy", point_schemes, kasatkin_properties_vs_energy_window,
                               energy_start));
    out.push_back(steel_family("kasatkin_structure_vs_chemistry", point_schemes,
                               kasatkin_structure_vs_chemistry_window, velocity_start));
    out.push_back(steel_family("kasatkin_properties_vs_chemistry", point_schemes,
                               kasatkin_properties_vs_chemistry_window, velocity_start));
    out.push_back(steel_family("kasatkin_structure_vs_preheat", point_schemes, kasatkin_structure_vs_preheat_window,
                               preheat_start));
    out.push_back(steel_family("kasatkin_properties_vs_preheat", point_schemes,
                               kasatkin_properties_vs_preheat_window, preheat_start));
    out.push_back(steel_family("kasatkin_structure_vs_thickness", thickness_schemes,
                               kasatkin_structure_vs_thickness_window, thickness_start));
    out.push_back(steel_family("kasatkin_properties_vs_thickness", thickness_schemes,
                               kasatkin_properties_vs_thickness_window, thickness_start));
    out.push_back(steel_family("ion_hardness_at_point", point_schemes, ion_hardness_at_point_window, velocity_start));
    out.push_back(steel_family("ion_hardness_vs_chemistry", point_schemes, ion_hardness_vs_chemistry_window,
                               velocity_start));
    out.push_back(steel_family("ion_hardness_vs_energy", point_schemes, ion_hardness_vs_energy_window, energy_start));
    out.push_back(steel_family("ion_hardness_vs_preheat", point_schemes, ion_hardness_vs_preheat_window,
                               preheat_start));
    out.push_back(steel_family("ion_hardness_vs_thickness", thickness_schemes, ion_hardness_vs_thickness_window,
                               thickness_start));

    // The Seyffarth atlas.
    SteelChoice (*const sey)() = sample_seyffarth_steel;
    out.push_back(atlas_family("seyffarth_structure_at_point", point_schemes, seyffarth_structure_at_point_window,
                               properties_start, sey, false));
    out.push_back(atlas_family("seyffarth_properties_at_point", point_schemes, seyffarth_properties_at_point_window,
                               properties_start, sey, false));
    out.push_back(atlas_family("seyffarth_cct_at_point", point_schemes, seyffarth_cct_at_point_window, property_start,
                               sey, true));
    out.push_back(atlas_family("seyffarth_micrograph", point_schemes, seyffarth_micrograph_window, properties_start,
                               sey, true));
    out.push_back(atlas_family("seyffarth_structure_vs_energy", point_schemes, seyffarth_structure_vs_energy_window,
                               energy_start, sey, true));
    out.push_back(atlas_family("seyffarth_properties_vs_energy", point_schemes,
                               seyffarth_properties_vs_energy_window, energy_start, sey, true));
    out.push_back(atlas_family("seyffarth_structure_vs_preheat", point_schemes,
                               seyffarth_structure_vs_preheat_window, preheat_start, sey, true));
    out.push_back(atlas_family("seyffarth_properties_vs_preheat", point_schemes,
                               seyffarth_properties_vs_preheat_window, preheat_start, sey, true));
    out.push_back(atlas_family("seyffarth_structure_vs_thickness", thickness_schemes,
                               seyffarth_structure_vs_thickness_window, thickness_start, sey, true));
    out.push_back(atlas_family("seyffarth_properties_vs_thickness", thickness_schemes,
                               seyffarth_properties_vs_thickness_window, thickness_start, sey, true));
    for (int property = 0; property <= 6; ++property)
        out.push_back(atlas_family("seyffarth_haz_profile_" + std::to_string(property), point_schemes,
                                   seyffarth_haz_profile_window, properties_start, sey, false, property));
    out.push_back(atlas_family("seyffarth_structure_diagram", no_scheme, seyffarth_structure_diagram_window, nullptr,
                               sey, false));
    out.push_back(atlas_family("seyffarth_properties_diagram", no_scheme, seyffarth_properties_diagram_window,
                               nullptr, sey, false));
    out.push_back(atlas_family("seyffarth_cct_diagram", no_scheme, seyffarth_cct_diagram_window, nullptr, sey, true));
    // CCT labels of two other sample steels: 20MnMoNi4-5's second and third
    // circled groups begin with a one-digit text and go on with wider ones;
    // S235JR's circled "54" stands by the label "B".
    SteelChoice (*const sey_20mn)() = [] { return sample_seyffarth_steel("20MnMoNi45.sp2", 3); };
    SteelChoice (*const sey_s235)() = [] { return sample_seyffarth_steel("S235JR.sp0", 1); };
    out.push_back(atlas_family("seyffarth_cct_at_point_20mnmoni45", point_schemes, seyffarth_cct_at_point_window,
                               property_start, sey_20mn, true));
    out.push_back(atlas_family("seyffarth_cct_diagram_20mnmoni45", no_scheme, seyffarth_cct_diagram_window, nullptr,
                               sey_20mn, true));
    out.push_back(
        atlas_family("seyffarth_cct_diagram_s235jr", no_scheme, seyffarth_cct_diagram_window, nullptr, sey_s235, true));
    // C22E's elongation and toughness vary little across the zone, so the
    // HAZ profile's axis labels run to five or six digits.
    SteelChoice (*const sey_c22e)() = [] { return sample_seyffarth_steel("C22E.sp2", 3); };
    for (int property : {4, 6})
        out.push_back(atlas_family("seyffarth_haz_profile_" + std::to_string(property) + "_c22e", point_schemes,
                                   seyffarth_haz_profile_window, properties_start, sey_c22e, false, property));

    // The Shorshorov atlas.
    SteelChoice (*const sho)() = sample_shorshorov_steel;
    out.push_back(atlas_family("shorshorov_structure_at_point", point_schemes, shorshorov_structure_at_point_window,
                               property_start, sho, true));
    out.push_back(atlas_family("shorshorov_micrograph", point_schemes, shorshorov_micrograph_window, property_start,
                               sho, true));
    out.push_back(atlas_family("shorshorov_structure_vs_energy", point_schemes,
                               shorshorov_structure_vs_energy_window, energy_start, sho, true));
    out.push_back(atlas_family("shorshorov_properties_vs_energy", point_schemes,
                               shorshorov_properties_vs_energy_window, energy_start, sho, true));
    out.push_back(atlas_family("shorshorov_structure_vs_preheat", point_schemes,
                               shorshorov_structure_vs_preheat_window, preheat_start, sho, true));
    out.push_back(atlas_family("shorshorov_properties_vs_preheat", point_schemes,
                               shorshorov_properties_vs_preheat_window, preheat_start, sho, true));
    out.push_back(atlas_family("shorshorov_structure_vs_thickness", thickness_schemes,
                               shorshorov_structure_vs_thickness_window, thickness_start, sho, true));
    out.push_back(atlas_family("shorshorov_properties_vs_thickness", thickness_schemes,
                               shorshorov_properties_vs_thickness_window, thickness_start, sho, true));
    for (int property = 1; property <= 4; ++property)
        out.push_back(atlas_family("shorshorov_haz_profile_" + std::to_string(property), point_schemes,
                                   shorshorov_haz_profile_window, property_start, sho, true, property));
    // 15ХСНД: a steel whose title lines (Cyrillic in every language) are wider
    // than the sample's, so that its composition table starts further right.
    SteelChoice (*const sho_wide)() = [] { return sample_shorshorov_steel("15ХСНД.307", 9); };
    out.push_back(atlas_family("shorshorov_structure_at_point_15khsnd", point_schemes,
                               shorshorov_structure_at_point_window, property_start, sho_wide, true));
    out.push_back(atlas_family("shorshorov_micrograph_15khsnd", point_schemes, shorshorov_micrograph_window,
                               property_start, sho_wide, true));
    out.push_back(atlas_family("shorshorov_haz_profile_1_15khsnd", point_schemes, shorshorov_haz_profile_window,
                               property_start, sho_wide, true, 1));
    out.push_back(atlas_family("shorshorov_structure_vs_energy_15khsnd", point_schemes,
                               shorshorov_structure_vs_energy_window, energy_start, sho_wide, true));

    // The digitization dialog's picture view, inside the dialog's client area.
    static Rect dialog_client = client;
    Family digitizer{"digitizer_view", no_scheme, true, [](Canvas& dc) {
                         const auto folder = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "layout";
                         dialog_client = draw_digitized_diagram(dc, folder);
                     }, {}};
    digitizer.frame = &dialog_client;
    digitizer.strict_surfaces = "screen1024";   // the dialog keeps its size whatever the window's
    out.push_back(digitizer);

    return out;
}

// Each family at the surfaces where it is strict, and at the lenient rows
// asked for.
std::vector<std::tuple<Family, Surface>> rows()
{
    std::vector<std::tuple<Family, Surface>> out;
    const std::vector<Surface> asked = surfaces();
    for (const Family& f : families())
        for (const Surface& s : all_surfaces) {
            const bool is_asked = std::any_of(asked.begin(), asked.end(),
                                              [&](const Surface& a) { return std::string(a.name) == s.name; });
            if (f.strict_at(s) || is_asked) out.emplace_back(f, s);
        }
    return out;
}

// ---------------------------------------------------------------------------
// Kept cases

// The first case that fits a finding takes it, so each subsystem's narrow
// cases come before the parameter panel's, and its broad ones after.
const std::vector<KeptWindowCase>& kept_window_cases()
{
    static const std::vector<KeptWindowCase> cases = [] {
        std::vector<KeptWindowCase> all;
        for (const auto* part : {&steel_model_cases_before_panel(), &seyffarth_cases_before_panel(),
                                 &shorshorov_cases_before_panel(), &temperature_cases_before_panel(),
                                 &digitizer_cases(),
                                 &panel_cases_schemes_1_to_5(), &panel_cases_schemes_6_to_14(),
                                 &steel_model_cases_after_panel(), &seyffarth_cases_after_panel(),
                                 &shorshorov_cases_after_panel(), &temperature_cases_after_panel()})
            all.insert(all.end(), part->begin(), part->end());
        return all;
    }();
    return cases;
}

// The rows of a finding's texts: their ink, or an opaque text's cell.
std::pair<int, int> finding_rows(const LayoutFinding& f)
{
    int top = f.first.ink.top, bottom = f.first.ink.top;
    const auto take = [&](int row) {
        top = std::min(top, row);
        bottom = std::max(bottom, row);
    };
    if (f.kind == LayoutFindingKind::overlap) take(f.second.ink.top);
    if (f.kind == LayoutFindingKind::covered) take(f.second.cell.top);
    return {top, bottom};
}

// A case names a family ("thermal_cycle") or some of its drawings
// ("thermal_cycle/(3|4)/(de|fr)": scheme column, then language).
bool applies(const KeptWindowCase& c, const std::string& family, const std::string& variant)
{
    const std::regex names(c.families);
    return std::regex_match(family, names) || std::regex_match(family + "/" + variant, names);
}

// A kept case's rows are those of a 1024 x 768 client and are read there
// alone.
bool fits(const KeptWindowCase& c, const std::string& family, const std::string& variant, const LayoutFinding& f,
          bool at_1024)
{
    if (!applies(c, family, variant)) return false;
    if (!std::regex_search(finding_kind_name(f.kind), std::regex(c.kinds))) return false;
    if (*c.first != '\0' && !std::regex_search(f.first.text, std::regex(c.first))) return false;
    if (*c.second != '\0' && !std::regex_search(f.second.text, std::regex(c.second))) return false;
    const auto [top, bottom] = finding_rows(f);
    if (at_1024 && c.band_top != 0 && top < c.band_top) return false;
    if (at_1024 && c.band_bottom != 0 && bottom >= c.band_bottom) return false;
    if (c.rule_width != 0 && f.kind == LayoutFindingKind::crosses && f.rule.width != c.rule_width) return false;
    if (c.turned && f.first.escapement == 0 && f.second.escapement == 0) return false;
    return true;
}

// ---------------------------------------------------------------------------
// The check

constexpr Language languages[] = {Language::english, Language::russian, Language::ukrainian, Language::german,
                                  Language::french};

// Scheme n installed as the model chooser does, and its data dialog's start
// texts handed to it as the dialog's OK does.
// Scheme 5 is also taken with the block the program starts with ("5'"):
// unlike its data dialog's values, these heat the dialogs' start point past
// 850 °C, so its sweeps draw every point.
constexpr int scheme5_program_start = -5;

std::string column_name(int scheme)
{
    return scheme == scheme5_program_start ? std::string("5'") : std::to_string(scheme);
}

std::vector<int> columns(const std::vector<int>& schemes)
{
    std::vector<int> out;
    for (int s : schemes) {
        out.push_back(s);
        if (s == 5) out.push_back(scheme5_program_start);
    }
    return out;
}

bool install_at_dialog_values(int n)
{
    if (n == scheme5_program_start) {
        current_model = HeatSourceModel{};
        install_start_scheme();
        if (!install_scheme(5)) return false;
        scheme_state.ppr5.parameters = Ppr5Parameters{};
        return true;
    }
    if (n == 0) {
        current_model = HeatSourceModel{};
        install_start_scheme();
        return true;
    }
    return install_scheme_at_dialog_values(n);
}

// The state a window's routine finds, as its paint sets it; on the page, as
// the print gives it, also the page's default font grown from a main window
// at its default size.
void prepare_canvas(Canvas& dc, const Family& family)
{
    if (dc.is_printer()) select_page_default_font(dc, Rect{0, 0, all_surfaces[0].width, all_surfaces[0].height});
    if (family.transparent) dc.set_background_mode(BackgroundMode::transparent);
    dc.set_text_color(Rgb{128, 0, 0});
}

class WindowLayout : public ::testing::TestWithParam<std::tuple<Family, Surface>> {
protected:
    void SetUp() override
    {
        message_box_set_record_mode(true);
        message_box_take_log();
        previous_directory = std::filesystem::current_path();
        // The cooling-rate window writes its file into the current directory.
        const std::filesystem::path dir = std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "layout" / "cwd";
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous_directory);
        set_language(Language::english);
        init_fonts();
        current_model = HeatSourceModel{};
        install_start_scheme();
        message_box_take_log();
        message_box_set_record_mode(false);
    }
    std::filesystem::path previous_directory;
};

TEST_P(WindowLayout, NoTextOverAnotherOrOutsideTheWindow)
{
    const auto& [family, surface] = GetParam();
    const bool strict = family.strict_at(surface);
    // The digitizer's view is drawn in its dialog, whatever the main window's size.
    if (family.frame != nullptr && std::string(surface.name) != "screen1024") GTEST_SKIP();
    const Rect frame = family.frame != nullptr ? *family.frame : surface.frame();
    const bool at_1024 = std::string(surface.name) == "screen1024";
    const std::filesystem::path shots =
        std::filesystem::path(VELMARIN_TEST_OUTPUT_DIR) / "layout" / "windows" / surface.name;
    std::filesystem::create_directories(shots);
    std::vector<int> used(kept_window_cases().size(), 0), named(kept_window_cases().size(), 0);
    int drawn = 0;
    // VELMARIN_LAYOUT_FINDINGS=<file>: every finding, and the kept case (by its
    // index in kept_window_cases()) that took it, appended one per line, for
    // tracing them to their causes.
    std::ofstream findings;
    if (const char* path = std::getenv("VELMARIN_LAYOUT_FINDINGS")) findings.open(path, std::ios::app);
    // The program starts with scheme 2; the thickness windows take the first scheme they serve.
    const bool serves_start = std::find(family.schemes.begin(), family.schemes.end(), 2) != family.schemes.end();
    const int picture_scheme = serves_start ? 2 : family.schemes.front();
    for (int scheme : columns(family.schemes)) {
        set_language(Language::english);
        init_fonts();
        ASSERT_TRUE(install_at_dialog_values(scheme)) << scheme;
        if (family.compute) {
            RecordingCanvas scratch = surface.canvas();
            family.compute(scheme == scheme5_program_start ? 5 : scheme, scratch);
        }
        for (Language language : languages) {
            set_language(language);
            init_fonts();
            const std::string variant = column_name(scheme) + "/" + language_tag(language);
            const std::string where = family.name + "/" + variant;
            for (std::size_t k = 0; k < kept_window_cases().size(); ++k)
                if (applies(kept_window_cases()[k], family.name, variant)) ++named[k];
            RecordingCanvas dc = surface.canvas();
            prepare_canvas(dc, family);
            family.draw(dc);
            message_box_take_log();
            if (!dc.texts.empty()) ++drawn;
            for (const LayoutFinding& f : check_layout(dc, frame)) {
                const bool touching = only_touching(f);
                bool kept = false;
                for (std::size_t k = 0; k < kept_window_cases().size() && !kept; ++k) {
                    if (!fits(kept_window_cases()[k], family.name, variant, f, at_1024)) continue;
                    kept = true;
                    ++used[k];
                    if (findings) findings << surface.name << "\t" << where << "\tkept " << k << "\t" << f.describe() << (touching ? "\ttouching\n" : "\n");
                    if (strict && !touching)
                        ADD_FAILURE() << surface.name << " " << where << ": a kept case covers ink: "
                                      << kept_window_cases()[k].layout << "\n" << f.describe();
                }
                if (!kept) {
                    if (!(strict && touching)) ADD_FAILURE() << surface.name << " " << where << ": " << f.describe();
                    if (findings) findings << surface.name << "\t" << where << "\tUNKEPT\t" << f.describe() << (touching ? "\ttouching\n" : "\n");
                }
            }
            const bool picture = !surface.page &&
                                 (language == Language::english || language == Language::russian ||
                                  language == Language::german) &&
                                 (family.compute || scheme == picture_scheme);
            if (picture) {
                ImageCanvas image(frame.right, frame.bottom);
                prepare_canvas(image.canvas(), family);
                family.draw(image.canvas());
                message_box_take_log();
                image.save_png((shots / (family.name + "_" + column_name(scheme) + "_" +
                                         language_tag(language) + ".png"))
                                   .string());
            }
        }
    }
    EXPECT_GT(drawn, 0) << "the family drew nothing at its start values";
    for (std::size_t k = 0; k < kept_window_cases().size(); ++k) {
        const KeptWindowCase& c = kept_window_cases()[k];
        if (named[k] == 0 || !at_1024) continue;
        EXPECT_GT(used[k], 0) << "kept case no longer seen: " << c.layout;
    }
}

std::string test_name(const ::testing::TestParamInfo<std::tuple<Family, Surface>>& info)
{
    return std::get<0>(info.param).name + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, WindowLayout, ::testing::ValuesIn(rows()), test_name);

} // namespace
