// The shared steps of the Seyffarth atlas windows.
#include "seyffarth_frame.h"

#include "measuring_canvas.h"
#include "table_ends.h"
#include "text_code.h"

#include "captions.h"
#include "cooling_reports.h"
#include "fonts.h"
#include "msgbox.h"
#include "numfmt.h"
#include "spline.h"
#include "temperature_window_support.h"
#include "window.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

CompositionRecord* seyffarth_composition = nullptr;

namespace {

// Per language, the fifteen class names; the German and French windows show
// the English ones, which keep the letters they were written with.
constexpr std::array<const char*, 15> class_names_en{
    " 1.General-application building steels",
    " 2.The structural behavior with enough corrosion-resistant",
    " 3.Enhanced by heat-treatment steels",
    " 4.Heat resisting proof against hydrogen pressure",
    " 5.Low-alloyed steel tool steel",
    " 6.Сorrosion-resistant steel",
    " 7.Model of C-Mn steel",
    " 8.Model of C-Si steel",
    " 9.Model of C-Si-Mn steel",
    " 10.Low doped core-mold casting",
    " 11.Low-alloyed core-mold casting",
    " 12.Heat-resisting core-mold casting",
    " 13. Manualy built-up metal",
    " 14. Metal built-up by an electrode in protective gasзе",
    " 15. Metal built-up under fluxing",
};

constexpr std::array<const char*, 15> class_names_ru{
    " 1.Общие строительные стали",
    " 2.Стали повышенной прочности достаточнокорозионноустойчивые",
    " 3.Термически улучшеные стали",
    " 4.Жаропрочные учтойчивые к давлению водорода",
    " 5.Низколегированная инструментальная сталь",
    " 6.Корозионноустойчивая сталь",
    " 7.Модель C-Mn стали",
    " 8.Модель C-Si стали",
    " 9.Модель C-Si-Mn стали",
    " 10.Слаболегированное стальное литьё",
    " 11.Низколегированное стальное литьё",
    " 12.Жаропрочныестальное литьё",
    " 13.Металл наплавленный вручную",
    " 14.Металл наплавленный плавящимся электродом в защитном газе",
    " 15.Металл наплавленный под флюсом",
};

constexpr std::array<const char*, 15> class_names_ua{
    " 1.Загальні будівельні сталі",
    " 2.Підвищеної міцності достатньо корозійностійкі",
    " 3.Термично покращені сталі",
    " 4.Жароміцні стійкі до тиску водню",
    " 5.Низьколеговані інструментальні сталі",
    " 6.Корозійстійка сталь",
    " 7.Модель C-Mn стали",
    " 8.Модель C-Si стали",
    " 9.Модель C-Si-Mn стали",
    " 10.Слаболеговане стальне литво",
    " 11.Низколегированное стальне литво",
    " 12.Жароміцне стальне литво",
    " 13.Метал наплавленный вручну",
    " 14.Метал наплавлений в захисному газі електродом, що плавиться",
    " 15.Метал наплавлений під флюсом",
};

constexpr Text5 class_line_format{
    "Class of steel: \"%s\"", "Класс стали: \"%s\"", "Клас сталі: \"%s\"", "Die Klasse wurden: \"%s\"",
    "La classe de l'acier: \"%s\""};
constexpr Text5 grade_line_format{
    "The grade of steel: \"%s\"  ", "Марка стали: \"%s\"  ", "Марка сталі: \"%s\"  ", "Die Marke wurden: \"%s\"  ",
    "La marque de l'acier: \"%s\"  "};
constexpr Text5 model_line_format{
    " Account on model: \"%s\"", " Рассчёт по модели: \"%s\"", " Розрахунок по моделі: \"%s\"",
    " Die Rechnung nach dem Modell: \"%s\"", "Le compte selon le modèle: \"%s\""};

constexpr Text5 structure_title{"Structure, %%", "Структура, %%", "Структура, %%", "Die Struktur, %%",
                                "La structure, %%"};

constexpr Rgb black{0, 0, 0};
constexpr Rgb grid_grey{127, 127, 127};

// The phases in drawing order, with what tells them apart.
struct PhaseStyle {
    PenStyle style;
    int width;
    Rgb colour;
    int polyline_style;
    unsigned char glyph;
    int legend_row;
    Text5 label;
};

const std::array<PhaseStyle, 4> phase_styles{{
    {PenStyle::dash_dot, 1, {0, 127, 0}, 2, 0xC0, 3,
     {"Martensite, %%", "Мартенсит, %%", "Мартенсит, %%", nullptr, nullptr}},
    {PenStyle::dash, 1, {0, 127, 255}, 2, 0xC1, 5, {"bainite, %%", "Бейнит, %%", "Бейніт, %%", nullptr, nullptr}},
    {PenStyle::solid, 2, {255, 127, 0}, 1, 0xC2, 7, {"ferrite, %%", "Феррит, %%", "Ферит, %%", nullptr, nullptr}},
    {PenStyle::dot, 1, {127, 0, 0}, 2, 0xC3, 9, {"pearlite, %%", "Перлит, %%", "Перліт, %%", nullptr, nullptr}},
}};

// Letters in a UTF-8 text (a Cyrillic letter is one letter, as it was one
// byte in the code page the layouts were measured in).
int letter_count(std::string_view text)
{
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// "%%" shows one percent sign.
std::string percent_text(const char* format)
{
    std::string out;
    for (const char* s = format; *s != '\0'; ++s) {
        out += *s;
        if (s[0] == '%' && s[1] == '%') ++s;
    }
    return out;
}

int truncate_px(double v)
{
    if (!std::isfinite(v)) return 0;
    if (v > 16777216.0) return 16777216;
    if (v < -16777216.0) return -16777216;
    return static_cast<int>(v);
}

} // namespace

const char* seyffarth_class_name(int filter_index, Language language)
{
    if (filter_index < 1 || filter_index > 15) return "";
    const auto k = static_cast<std::size_t>(filter_index - 1);
    switch (language) {
    case Language::russian: return class_names_ru[k];
    case Language::ukrainian: return filter_index >= 7 && filter_index <= 9 ? class_names_ru[k] : class_names_ua[k];
    default: return class_names_en[k];
    }
}

const char* seyffarth_class_name(int filter_index)
{
    return seyffarth_class_name(filter_index, current_language());
}

namespace {
std::string fill_format(const char* format, std::string_view value)
{
    const std::string text(value);
    std::string out;
    for (const char* s = format; *s != '\0'; ++s) {
        if (s[0] == '%' && s[1] == 's') {
            out += text;
            ++s;
        } else {
            out += *s;
        }
    }
    return out;
}
} // namespace

std::string seyffarth_class_line(std::string_view class_name)
{
    return fill_format(pick(class_line_format), class_name);
}

std::string seyffarth_grade_line(std::string_view grade, int charset)
{
    return fill_format(pick(grade_line_format), file_text(grade, charset));
}

std::string seyffarth_model_line(std::string_view model_title)
{
    return fill_format(pick(model_line_format), model_title);
}

// ---------------------------------------------------------------------------

CoolingStatus seyffarth_point_at(const double* params, SeyffarthPoint& p)
{
    p = SeyffarthPoint{};
    const CoolingStatus status = steel_point_at_entry(params, p);
    p.L = std::log(p.t);
    return status;
}

bool seyffarth_point_usable(Window* window, const SeyffarthPoint& p, CoolingStatus status)
{
    switch (status) {
    case CoolingStatus::reached: return true;
    case CoolingStatus::peak_below:
        message_box(window, "You are fault with temperature ... ", seyffarth_message_caption);
        return false;
    case CoolingStatus::speed_not_positive: check_welding_speed(window, p.v); return false;
    default:
        message_box(window, cooling_failure_text(p.cooling, p.y, p.z), seyffarth_message_caption);
        return false;
    }
}

// ---------------------------------------------------------------------------

bool seyffarth_read_descriptor(const SteelChoice& steel, SteelDescriptor& descriptor)
{
    const AtlasReadResult result = read_steel_descriptor(steel.file_name, descriptor);
    report_atlas_failure(nullptr, result);
    return result.ok;
}

std::string seyffarth_atlas_file(const SteelChoice& steel, const std::string& name)
{
    return resolve_atlas_path(name, steel.file_name);
}

bool seyffarth_read_phases(Window* window, const SteelChoice& steel, const SteelDescriptor& descriptor,
                           SeyffarthPhases& phases, SeyffarthTableOptions options)
{
    phases = SeyffarthPhases{};
    std::vector<StructureRow> rows;
    AtlasReadResult result;
    if (descriptor.structure.empty()) {
        result.ok = false;
        result.missing = true;
        result.message = cformat("File %s not exist... ", steel.file_name.c_str());
    } else {
        result = read_structure_table(seyffarth_atlas_file(steel, descriptor.structure), rows);
    }
    if (result.missing) {
        if (options.report_missing) report_atlas_failure(window, result);
        return false;
    }
    if (!result.ok) report_atlas_failure(window, result);
    if (!options.last_four_counts && !rows.empty() && !rows.back().complete) rows.pop_back();
    phases.n = static_cast<int>(rows.size()) - 1;
    for (const StructureRow& r : rows) {
        phases.x.push_back(std::log(std::fabs(r.cooling_time)));
        phases.f.push_back(r.ferrite);
        phases.b.push_back(r.bainite);
        phases.p.push_back(r.pearlite);
        const double m = 100.0 - r.ferrite - r.bainite - r.pearlite;
        phases.m.push_back(options.absolute_martensite ? std::fabs(m) : m);
    }
    return true;
}

SeyffarthShares seyffarth_shares_at(const SeyffarthPhases& phases, double L)
{
    auto share = [&](const std::vector<double>& ys) {
        int flag = 0;
        const double v = curve_lookup(ys, phases.x, L, 0.01, phases.n, flag);
        return v < 0 || !std::isfinite(v) ? 0.0 : v;
    };
    SeyffarthShares s;
    s.martensite = share(phases.m);
    s.ferrite = share(phases.f);
    s.bainite = share(phases.b);
    s.pearlite = share(phases.p);
    return s;
}

std::string seyffarth_table_end_line(const SeyffarthPhases& phases, double t)
{
    if (phases.x.empty() || !(t > 0)) return {};
    const int where = table_end_of(phases.x, std::log(t));
    if (where == spline_inside) return {};
    const auto [lo, hi] = std::minmax_element(phases.x.begin(), phases.x.end());
    return table_end_line(TableAbscissa::cooling_time, where, t, std::exp(where == spline_below ? *lo : *hi));
}

int seyffarth_end_line_room(Canvas& dc, const SeyffarthPage& page, const std::string& line)
{
    if (line.empty()) return 0;
    seyffarth_font(dc, page.H);
    return dc.text_extent(line).cy;
}

void seyffarth_draw_end_line(Canvas& dc, const SeyffarthPage& page, const std::string& line, int y)
{
    if (line.empty()) return;
    seyffarth_font(dc, page.H);
    dc.set_text_color(seyffarth_colour({128, 0, 0}));
    dc.text_out(page.client.left + std::max(0, (page.client.width() - dc.text_extent(line).cx) / 2), y, line);
}

// ---------------------------------------------------------------------------

Rgb seyffarth_colour(Rgb colour)
{
    return colour_mode != 0 ? colour : black;
}

Pen seyffarth_pen(PenStyle style, int width, Rgb colour)
{
    return Pen{style, width, seyffarth_colour(colour)};
}

int seyffarth_font(Canvas& dc, int height, int escapement)
{
    text_font.height = height;
    text_font.width = 0;
    text_font.escapement = escapement;
    text_font.weight = 400;
    text_font.charset = language_charset();
    text_font.face = "Times New Roman";
    dc.select_font(text_font);
    return dc.text_extent("A").cy;
}

Rect seyffarth_client_rect(Window* window, Canvas& dc)
{
    return window_drawing_rect(window, dc, 0);
}

SeyffarthPage seyffarth_page_setup(Window* window, Canvas& dc, int divisor)
{
    SeyffarthPage page;
    page.client = seyffarth_client_rect(window, dc);
    dc.rectangle(page.client.left, page.client.top, page.client.right, page.client.bottom);
    page.H = page.client.height() / divisor;
    page.h = seyffarth_font(dc, page.H);
    return page;
}

Rect seyffarth_draw_composition(Canvas& dc, const SeyffarthPage& page, const SteelDescriptor& descriptor)
{
    const int x = page.client.left + 10;
    const int y = page.client.top + 4 * page.h;
    CompositionRecord record;
    seyffarth_composition = &record;
    record.parse_composition(descriptor.composition_line);
    Rect reach;
    {
        MeasuringCanvas measure(dc);
        record.draw_composition_table(x, y, 50, 20, measure);
        reach = measure.reach();
    }
    record.draw_composition_table(x, y, 50, 20, dc);
    seyffarth_composition = nullptr;
    return reach;
}

int seyffarth_turned_title_height(Canvas& dc, std::string_view text, int H, int x, int bottom, int ceiling,
                                  Rect above)
{
    seyffarth_font(dc, H);
    const int column = dc.text_extent(text).cy;
    if (above.right > above.left && above.left < x + column && x < above.right) ceiling = std::max(ceiling, above.bottom);
    return line_inside(dc, text, 0, H, 0, bottom - ceiling - 1, [](Canvas& d, int height) { seyffarth_font(d, height); })
        .height;
}

void seyffarth_draw_title(Canvas& dc, const SeyffarthPage& page, std::string_view text)
{
    const int h1 = seyffarth_font(dc, static_cast<int>(1.2 * page.H));
    seyffarth_draw_title_at(dc, page, text, page.client.left + 2 * h1, static_cast<int>(page.client.top + 0.3 * h1));
}

void seyffarth_draw_title_at(Canvas& dc, const SeyffarthPage& page, std::string_view text, int x, int y)
{
    seyffarth_font(dc, static_cast<int>(1.2 * page.H));
    dc.set_text_color(seyffarth_colour({255, 0, 95}));
    dc.text_out(x, y, text);
}

void seyffarth_draw_class_and_grade(Canvas& dc, const SeyffarthPage& page, const SteelChoice& steel,
                                    const SteelDescriptor& descriptor, double class_at, double grade_at)
{
    seyffarth_font(dc, page.H);
    dc.set_text_color(black);
    const int x = page.client.left + 2 * page.h;
    dc.text_out(x, static_cast<int>(page.client.top + class_at * page.h),
                seyffarth_class_line(seyffarth_class_name(steel.filter_index)));
    dc.text_out(x, static_cast<int>(page.client.top + grade_at * page.h),
                seyffarth_grade_line(descriptor.grade_line, language_charset()));
}

namespace {
struct Summary {
    char line1[heat_text_size] = {};
    char line2[heat_text_size] = {};
    char title[heat_text_size] = {};
};
Summary model_summary()
{
    Summary s;
    if (current_model.summary != nullptr) current_model.summary(s.line1, s.line2, s.title);
    return s;
}
} // namespace

void seyffarth_draw_model_line(Canvas& dc, const SeyffarthPage& page, int x, int y)
{
    const Summary s = model_summary();
    const std::string model = seyffarth_model_line(s.title);
    const LineInside at = line_inside(dc, model, x, page.H * 4 / 3, page.client.left + 2, page.client.right - 2,
                                      [](Canvas& d, int height) { seyffarth_font(d, height); });
    dc.set_text_color(black);
    dc.text_out(at.x, y, model);
}

void seyffarth_draw_result_line(Canvas& dc, const SeyffarthPage& page, int x, int y, const std::string& text)
{
    // Two pixels from the frame, which the clearing rectangle draws on the
    // client's edge.
    const int right = page.client.right - 2;
    const int width = dc.text_extent(text).cx;
    if (x + width > right) x = std::max(page.client.left + 2, right - width);
    dc.text_out(x, y, text);
}

void seyffarth_draw_panel(Canvas& dc, const SeyffarthPage& page, Rgb fallback_colour, int show_v, int show_q,
                          int show_T0, int show_thickness)
{
    seyffarth_font(dc, page.H);
    if (current_model.draw_panel != nullptr) {
        current_model.draw_panel(dc, page.client, show_v, show_q, show_T0, show_thickness);
        return;
    }
    const Summary s = model_summary();
    dc.set_text_color(seyffarth_colour(fallback_colour));
    dc.text_out(page.client.left + page.h, page.client.bottom - 6 * page.h, s.line1);
    dc.text_out(page.client.left + page.h, page.client.bottom - 5 * page.h, s.line2);
}

// ---------------------------------------------------------------------------

WorldBox seyffarth_structure_box()
{
    return WorldBox{0.0, 100.0, seyffarth_ln400, 0.0};
}

int seyffarth_time_marker_x(Rect plot, double ln_t, double x_min)
{
    return truncate_px(plot.left + (ln_t - x_min) * std::abs(plot.right - plot.left) / (seyffarth_ln400 - x_min));
}

double seyffarth_time_axis_start(double t)
{
    if (!(t <= 1.0)) return 0.0;
    const double lowest = std::log(0.001);
    if (!(t > 0)) return lowest;
    const double decade = std::pow(10.0, std::floor(std::log10(t / 5.0)));
    return std::max(lowest, std::log(decade));
}

std::vector<double> seyffarth_time_ticks_from(double x_min)
{
    std::vector<double> ticks;
    // Decades below 1 s, from the axis's start; a start a hair below its
    // decade (as ln and exp leave it) counts as that decade.
    const int first = static_cast<int>(std::lround(std::floor(x_min / std::log(10.0) + 1e-9)));
    for (int e = std::min(first, 0); e < 0; ++e)
        for (double m : {1.0, 2.0, 5.0}) {
            const double t = m * std::pow(10.0, e);
            if (std::log(t) >= x_min - 1e-9) ticks.push_back(t);
        }
    ticks.insert(ticks.end(), seyffarth_time_ticks.begin(), seyffarth_time_ticks.end());
    return ticks;
}

void seyffarth_cooling_curve(const SeyffarthPoint& p, int N, double x_min, std::vector<double>& ln_t,
                             std::vector<double>& temperature)
{
    if (N < 1) N = 1;
    ln_t.assign(static_cast<std::size_t>(N) + 1, 0.0);
    temperature.assign(ln_t.size(), 0.0);
    // Forward in time: from the axis's left end to the T-to crossing.
    const double start = p.x1 - p.v * std::exp(x_min);
    const double dx = (p.x2 - start) / N;
    for (int i = 0; i <= N; ++i) {
        const double x = start + i * dx;
        const auto k = static_cast<std::size_t>(i);
        ln_t[k] = std::log((p.x1 - x) / p.v);
        temperature[k] = current_model.temperature != nullptr ? current_model.temperature(x, p.y, p.z) : 0.0;
    }
}

void seyffarth_draw_structure_grid_and_axis(Canvas& dc, Rect plot)
{
    const WorldBox box = seyffarth_structure_box();
    dc.select_pen(seyffarth_pen(PenStyle::dot, 1, grid_grey));
    draw_horizontal_grid(dc, plot, box, 5, seyffarth_structure_values);
    dc.select_pen(Pen{PenStyle::solid, 2, black});
    dc.set_text_color(black);
    draw_y_axis(dc, plot.left, plot.bottom, plot.top, 100.0, 0.0, 5, 6, seyffarth_structure_values);
}

void seyffarth_draw_time_axis(Canvas& dc, const SeyffarthPage& page, Rect plot, WorldBox box)
{
    seyffarth_font(dc, page.H);
    for (double t : seyffarth_time_ticks) {
        const int x = plot_x(plot, box, std::log(t));
        dc.select_pen(seyffarth_pen(PenStyle::dot, 1, grid_grey));
        dc.move_to(x, plot.bottom);
        dc.line_to(x, plot.top);
        dc.select_pen(Pen{PenStyle::solid, 2, black});
        dc.move_to(x, plot.bottom);
        dc.line_to(x, plot.bottom + 6);
        const std::string label = cformat("%g", t);
        const Size size = dc.text_extent(label);
        dc.set_text_color(black);
        dc.text_out(x - size.cx / 2, plot.bottom + page.h, label);
    }
    dc.select_pen(Pen{PenStyle::solid, 2, black});
    dc.move_to(plot.left, plot.bottom + 1);
    dc.line_to(plot.right, plot.bottom + 1);
}

int seyffarth_draw_structure_titles(Canvas& dc, const SeyffarthPage& page, Rect plot)
{
    const int title_height = static_cast<int>(1.2 * page.H);
    dc.set_text_color(black);
    const std::string text = percent_text(pick(structure_title));
    seyffarth_font(dc, title_height);
    const Size size = dc.text_extent(text);
    seyffarth_font(dc, title_height, 900);
    dc.text_out(page.client.left + size.cy, plot.top + (plot.bottom - plot.top + size.cx) / 2, text);

    const std::string time_title = "t 8/5, c";
    const int h3 = seyffarth_font(dc, title_height);
    const Size t = dc.text_extent(time_title);
    const int y = static_cast<int>(plot.bottom + 1.5 * h3);
    dc.text_out(page.client.left + (page.client.width() - t.cx) / 2, y, time_title);
    return y + t.cy;
}

void seyffarth_draw_phase_curves(Canvas& dc, const SeyffarthPage& page, Rect plot, const SeyffarthPhases& phases,
                                 const SeyffarthMarkers& markers)
{
    const WorldBox box = seyffarth_structure_box();
    const std::array<const std::vector<double>*, 4> series{&phases.m, &phases.b, &phases.f, &phases.p};
    for (std::size_t k = 0; k < phase_styles.size(); ++k) {
        const PhaseStyle& s = phase_styles[k];
        const Pen pen = seyffarth_pen(s.style, s.width, s.colour);
        dc.select_pen(pen);
        dc.set_text_color(seyffarth_colour(s.colour));
        if (phases.n >= 0) {
            draw_polyline(dc, phases.n, phases.x, *series[k], s.polyline_style, plot, box);
            dc.set_background_mode(BackgroundMode::opaque);
            draw_curve_markers(dc, phases.n, phases.x, *series[k], markers.count[k], markers.offset[k], s.glyph,
                               plot, box, page.H);
            dc.set_background_mode(BackgroundMode::transparent);
        }
        // Legend label, line and glyph.
        const std::string label = percent_text(pick(s.label));
        const int h = seyffarth_font(dc, page.H);
        const Size size = dc.text_extent(label);
        const int letters = letter_count(label);
        const double cw = letters > 0 ? static_cast<double>(size.cx) / letters : 0.0;
        dc.text_out(truncate_px(plot.right + 1.2 * cw), plot.top + s.legend_row * h, label);
        const int y = truncate_px(plot.top + (s.legend_row + 0.5) * h);
        const int x0 = truncate_px(plot.right + size.cx + 2 * cw);
        const int x1 = truncate_px(page.client.right - 2 * cw);
        dc.select_pen(pen);
        dc.move_to(x0, y);
        dc.line_to(x1, y);
        dc.move_to(x0, y - 1);
        dc.line_to(x1, y - 1);
        symbol_font.height = page.H;
        symbol_font.width = 0;
        symbol_font.escapement = 0;
        symbol_font.weight = 400;
        symbol_font.charset = 2;
        symbol_font.face = "Zapfdingbats BT";
        dc.select_font(symbol_font);
        dc.set_background_mode(BackgroundMode::opaque);
        dc.text_out(page.client.right - 3 * page.h, truncate_px(plot.top + s.legend_row * h) - 1,
                    seyffarth_glyph_text(s.glyph));
        dc.set_background_mode(BackgroundMode::transparent);
    }
}

std::string seyffarth_glyph_text(unsigned char glyph)
{
    // The byte of the marker face, as the character of that code.
    std::string s;
    s.push_back(static_cast<char>(0xC0 | (glyph >> 6)));
    s.push_back(static_cast<char>(0x80 | (glyph & 0x3F)));
    return s;
}

SeyffarthShareTexts seyffarth_share_texts()
{
    switch (current_language()) {
    case Language::russian:
        return {"Мартенсит = %-.3g %%;  ", "Бейнит = %-.3g %%;  ", "феррит:= %-.3g %%;  ", "Перлит = %-.3g %%;  "};
    case Language::ukrainian:
        return {"Мартенсит = %-.3g %%;  ", "Бейнит = %-.3g %%;  ", "ферит:= %-.3g %%;  ", "Перлит = %-.3g %%;  "};
    default:
        return {"Martensite = %-.3g %%;  ", "bainite = %-.3g %%;  ", "ferrite:= %-.3g %%;  ",
                "Pearlite = %-.3g %%;  "};
    }
}
