// The micrograph of the chosen steel at the point's cooling time: the one
// tile of the steel's micrograph picture that belongs to t8/5, with the
// steel's lines, the composition table and the phase shares. Its texts are
// Russian in every language; its colours do not follow the colour mode.
#include "seyffarth_frame.h"
#include "text_code.h"

#include "msgbox.h"
#include "numfmt.h"
#include "picture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};

std::string with_value(const char* format, std::string_view value)
{
    std::string out;
    for (const char* s = format; *s != '\0'; ++s) {
        if (s[0] == '%' && s[1] == 's') {
            out += value;
            ++s;
        } else {
            out += *s;
        }
    }
    return out;
}

void fill(Canvas& dc, Rect r, Rect within)
{
    r.left = std::max(r.left, within.left);
    r.top = std::max(r.top, within.top);
    r.right = std::min(r.right, within.right);
    r.bottom = std::min(r.bottom, within.bottom);
    if (r.left < r.right && r.top < r.bottom) dc.fill_rect(r, white);
}

} // namespace

std::string seyffarth_micrograph_line_fault(const std::string& descriptor_path, std::string_view line_text,
                                            const MicrographLine& line, int fields_read)
{
    if (fields_read < 9 || line.file.empty())
        return "File " + descriptor_path + ": its micrograph line \"" + std::string(line_text) +
               "\" does not give the picture's name, its width and height in pixels and six cooling times";
    return cformat("File %s: its micrograph line gives a picture of %u x %u pixels, too small for its six tiles "
                   "(three across, two down)",
                   descriptor_path.c_str(), line.width, line.height);
}

int seyffarth_micrograph_tile(const std::array<double, 6>& thresholds, double t)
{
    for (int k = 0; k < 5; ++k)
        if (thresholds[static_cast<std::size_t>(k)] > t) return k;
    return 5;
}

bool seyffarth_micrograph_geometry(const MicrographLine& line, int fields_read, int tile, int plot_height,
                                   SeyffarthTileGeometry& g)
{
    // Without a name, both sizes and the thresholds, or with tiles of no
    // size, there is no tile to place.
    if (fields_read < 9 || line.file.empty()) return false;
    const int tile_w = static_cast<int>(line.width / 3);
    const int tile_h = static_cast<int>(line.height / 2);
    if (tile_w <= 0 || tile_h <= 0 || plot_height <= 0 || tile < 0 || tile > 5) return false;
    g.source_x = tile % 3 == 0 ? 0 : tile % 3 == 1 ? static_cast<int>(line.width / 3)
                                                    : static_cast<int>((2 * line.width) / 3);
    g.source_y = tile < 3 ? 0 : tile_h;
    g.source_w = tile_w;
    g.source_h = tile_h;
    g.dest_h = plot_height;
    const long long w = static_cast<long long>(plot_height) * tile_w / tile_h;
    g.dest_w = static_cast<int>(std::min<long long>(w, 1 << 24));
    return true;
}

void seyffarth_micrograph_window(const double* params, int, Window* window, Canvas& dc, int, SteelChoice steel, int)
{
    if (params == nullptr) return;
    SeyffarthPoint point;
    if (!seyffarth_point_usable(window, point, seyffarth_point_at(params, point))) return;

    SteelDescriptor descriptor;
    if (!seyffarth_read_descriptor(steel, descriptor)) return;
    MicrographLine micrograph;
    const int fields = parse_micrograph_line(descriptor.micrograph_line, micrograph);

    SeyffarthPhases phases;
    SeyffarthTableOptions quiet;
    quiet.report_missing = false;
    const bool have_table = seyffarth_read_phases(window, steel, descriptor, phases, quiet);
    const SeyffarthShares shares = have_table ? seyffarth_shares_at(phases, point.L) : SeyffarthShares{};

    const SeyffarthPage page = seyffarth_page_setup(window, dc, 28);
    const Rect c = page.client;
    const int h = page.h;
    // A cooling time beyond the structure table's rows takes the end row's
    // shares, and a line above the model line says so; the picture gives up
    // its row, so the rows under it keep their places.
    const std::string end_line = have_table ? seyffarth_table_end_line(phases, point.t) : std::string();
    const int end_row = seyffarth_end_line_room(dc, page, end_line);
    const Rect plot{c.left + c.width() / 5, c.top + 7 * h, c.right - c.width() / 8, c.bottom - 11 * h - end_row};

    // The tile goes first: the canvas stretches whole pictures, so the whole
    // picture is placed where the tile lands at its scale, and what lies
    // around the tile is made white again before the texts are drawn.
    SeyffarthTileGeometry g;
    const int tile = seyffarth_micrograph_tile(micrograph.thresholds, point.t);
    if (!seyffarth_micrograph_geometry(micrograph, fields, tile, plot.bottom - plot.top, g)) {
        message_box(window, seyffarth_micrograph_line_fault(steel.file_name, descriptor.micrograph_line, micrograph,
                                                            fields),
                    seyffarth_message_caption);
    } else {
        const std::string path = seyffarth_atlas_file(steel, micrograph.file);
        const Picture picture = load_picture_file(path);
        if (!picture.valid()) {
            AtlasReadResult missing;
            missing.ok = false;
            missing.missing = true;
            missing.message = " File not present " + path;
            report_atlas_failure(window, missing);
        } else if (picture.width < g.source_x + g.source_w || picture.height < g.source_y + g.source_h) {
            // Stretched up, a picture smaller than the tile's corner would show
            // some other part of itself as this cooling time's structure.
            message_box(window,
                        cformat("The micrograph %s is %d x %d pixels; the tile of this cooling time reaches to "
                                "(%d, %d) of the %u x %u the steel's descriptor gives",
                                path.c_str(), picture.width, picture.height, g.source_x + g.source_w,
                                g.source_y + g.source_h, micrograph.width, micrograph.height),
                        seyffarth_message_caption);
        } else {
            const int x = plot.left + ((plot.right - plot.left) - g.dest_w) / 2;
            const int y = plot.top;
            const double sx = static_cast<double>(g.dest_w) / g.source_w;
            const double sy = static_cast<double>(g.dest_h) / g.source_h;
            const Rect whole{static_cast<int>(x - g.source_x * sx), static_cast<int>(y - g.source_y * sy),
                             static_cast<int>(x - g.source_x * sx + micrograph.width * sx),
                             static_cast<int>(y - g.source_y * sy + micrograph.height * sy)};
            dc.draw_picture(picture, whole);
            const Rect inside{c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};
            const Rect t{x, y, x + g.dest_w, y + g.dest_h};
            fill(dc, Rect{whole.left, whole.top, whole.right, t.top}, inside);
            fill(dc, Rect{whole.left, t.bottom, whole.right, whole.bottom}, inside);
            fill(dc, Rect{whole.left, t.top, t.left, t.bottom}, inside);
            fill(dc, Rect{t.right, t.top, whole.right, t.bottom}, inside);
            // The picture may reach over the window's frame: the frame again.
            dc.save();
            dc.select_pen(Pen{PenStyle::solid, 1, black});
            dc.select_brush(Brush{BrushStyle::null, white});
            dc.rectangle(c.left, c.top, c.right, c.bottom);
            dc.restore();
        }
    }

    seyffarth_draw_composition(dc, page, descriptor);

    seyffarth_font(dc, static_cast<int>(1.2 * page.H));
    dc.set_text_color({255, 0, 95});
    dc.text_out(c.left + 2 * h, static_cast<int>(c.top + 0.3 * h), " Структура по атласу П. Daverurud");

    seyffarth_font(dc, page.H);
    dc.set_text_color(black);
    dc.text_out(c.left + 2 * h, static_cast<int>(c.top + 1.5 * h),
                with_value("Класс стали: \"%s\"", seyffarth_class_name(steel.filter_index)));
    dc.text_out(c.left + 2 * h, static_cast<int>(c.top + 2.7 * h),
                with_value("Марка стали: \"%s\"  ", file_text(descriptor.grade_line, language_charset())));

    char line1[heat_text_size] = {}, line2[heat_text_size] = {}, title[heat_text_size] = {};
    if (current_model.summary != nullptr) current_model.summary(line1, line2, title);
    seyffarth_draw_end_line(dc, page, end_line, static_cast<int>(c.bottom - 8.2 * h) - end_row);
    const std::string model = with_value(" Рассчёт по модели: \"%s\"", title);
    const LineInside at = line_inside(dc, model, plot.left, page.H * 4 / 3, c.left + 2, c.right - 2,
                                      [](Canvas& d, int height) { seyffarth_font(d, height); });
    dc.set_text_color(black);
    dc.text_out(at.x, static_cast<int>(c.bottom - 8.2 * h), model);

    seyffarth_font(dc, page.H);
    dc.set_text_color({120, 0, 95});
    seyffarth_draw_result_line(
        dc, page, plot.left, static_cast<int>(c.bottom - 7.0 * h),
        cformat("В диапазоне: (%g,%g), [C] в точке (y=%g, см; z=%g, см) время охлаждения: %-.3g, сек;", point.T_from,
                point.T_to, point.y, point.z, point.t));
    // Without the structure table there are no shares to show.
    if (have_table) {
        const struct {
            const char* format;
            double value;
            Rgb colour;
        } fragments[] = {
            {"Мартенсит = %-.3g %%;  ", shares.martensite, {0, 127, 0}},
            {"Феррит:= %-.3g %%;  ", shares.ferrite, {255, 0, 255}},
            {"Бейнит = %-.3g %%;  ", shares.bainite, {127, 127, 127}},
            {"Перлит = %-.3g %%;  ", shares.pearlite, {127, 127, 127}},
        };
        // The shares as one line that ends inside the page: moved left, and
        // in a smaller font where the page is too narrow for it.
        std::string whole;
        for (const auto& f : fragments) whole += cformat(f.format, f.value);
        const LineInside at = line_inside(dc, whole, plot.left, page.H, c.left + 2, c.right - 2,
                                          [](Canvas& d, int height) { seyffarth_font(d, height); });
        int x = at.x;
        for (const auto& f : fragments) {
            const std::string text = cformat(f.format, f.value);
            dc.set_text_color(f.colour);
            dc.text_out(x, c.bottom - 6 * h, text);
            x += dc.text_extent(text).cx;
        }
    }

    seyffarth_font(dc, page.H);
    if (current_model.draw_panel != nullptr) {
        current_model.draw_panel(dc, c, 1, 1, 1, 1);
    } else {
        dc.set_text_color({127, 127, 127});
        dc.text_out(c.left + h, c.bottom - 6 * h, line1);
        dc.text_out(c.left + h, c.bottom - 5 * h, line2);
    }
}
