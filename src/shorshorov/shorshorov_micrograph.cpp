// The Shorshorov micrograph: the tile of the steel's micrograph picture
// that belongs to the point's cooling rate, with the structure there.
#include "shorshorov_frame.h"

#include "measuring_canvas.h"
#include "msgbox.h"
#include "numfmt.h"
#include "picture.h"
#include "temperature_window_support.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int picture_width = 379;
constexpr int picture_height = 600;
constexpr int tile_size = 200;

// Draws the 200 x 200 tile at (ox, oy) of the picture, loaded at 379 x 600,
// with its top-left corner at (x, y). The canvas copies whole pictures only:
// the whole picture is placed so that the tile lands there, and what lies
// around the tile is painted white again. So the tile goes first on the page.
void draw_tile(Canvas& dc, const Picture& picture, int ox, int oy, int x, int y, Rect client)
{
    const Rect whole{x - ox, y - oy, x - ox + picture_width, y - oy + picture_height};
    dc.draw_picture(picture, whole);
    const Rgb white{255, 255, 255};
    const int right = x + tile_size, bottom = y + tile_size;
    dc.fill_rect(Rect{whole.left, whole.top, whole.right, y}, white);
    dc.fill_rect(Rect{whole.left, bottom, whole.right, whole.bottom}, white);
    dc.fill_rect(Rect{whole.left, y, x, bottom}, white);
    dc.fill_rect(Rect{right, y, std::max(right, whole.right), bottom}, white);
    // The part of a right-hand tile beyond the picture's width stays white.
    dc.fill_rect(Rect{std::min(right, whole.right), y, right, bottom}, white);
    dc.select_brush(Brush{BrushStyle::null, white});
    dc.select_pen(Pen{});
    dc.rectangle(client.left, client.top, client.right, client.bottom);
    dc.select_brush(Brush{});
}

} // namespace

Size shorshorov_micrograph_tile_reach(int tile)
{
    return Size{std::min((tile % 2) * tile_size + tile_size, picture_width), (tile / 2) * tile_size + tile_size};
}

int shorshorov_micrograph_tile(const std::array<double, 6>& thresholds, double W)
{
    for (int k = 0; k < 6; ++k)
        if (thresholds[static_cast<std::size_t>(k)] > W) return k;
    return 5;
}

void shorshorov_micrograph_window(const double* params, int, Window* window, Canvas& dc, int, SteelChoice steel,
                                  int)
{
    if (params == nullptr) return;
    if (current_model.prepare) current_model.prepare();
    ShorshorovTable table;
    const std::string path = shorshorov_steel_path_of(steel);
    {
        AtlasReadResult read;
        const bool usable = load_shorshorov_table(path, table, read);
        if (!read.ok) report_atlas_failure(window, read);
        if (!usable) return;
    }
    ShorshorovPoint p;
    if (!shorshorov_check_point(window, params, p, ShorshorovEntry::point)) return;
    const double W = p.W;
    const double lnW = std::log(W);
    ShorshorovSteel s;
    s.martensite = shorshorov_lookup(table, ShorshorovColumn::martensite, lnW);
    s.ferrite = shorshorov_lookup(table, ShorshorovColumn::ferrite, lnW);
    s.pearlite_bainite = shorshorov_lookup(table, ShorshorovColumn::pearlite_bainite, lnW);

    const Rect client = window_drawing_rect(window, dc, 0);
    dc.rectangle(client.left, client.top, client.right, client.bottom);
    const int H = (client.bottom - client.top) / 28;
    const char* face = "Times New Roman Cyr";
    shorshorov_font(dc, H, 0, -1, face);
    const int c0 = shorshorov_sample_height(dc);
    const Rect plot{client.left + 5 * c0, client.top + 5 * c0, client.right - 7 * c0, client.bottom - 13 * c0};

    // The title, the file's title lines and the composition table, measured
    // first: the tile is drawn before them (it whitens the picture's area
    // around itself), at its row of 3 c or, where they reach over it, the
    // least distance under them, so that no text stands on the picture.
    const char* title = "Микроструктура по атласу М.Х.Zoduzuruv";
    s.shorshorov_parse_composition(table.file.composition_line);
    const auto draw_header = [&](Canvas& d) {
        d.set_text_color(shorshorov_title_colour);
        shorshorov_font(d, static_cast<int>(1.4 * H), 0, -1, face);
        const int ct = d.text_extent(title).cy;
        d.text_out(client.left + ct, client.top + static_cast<int>(0.3 * ct), title);
        const ShorshorovFileTitles lines = shorshorov_draw_file_titles(d, client, H, table, title, face);
        shorshorov_draw_table(d, client, H, s, &ShorshorovSteel::shorshorov_draw_composition_table,
                              client.left + 2 * lines.c + lines.w + 10,
                              client.top + static_cast<int>(1.8 * lines.c) + lines.down, face);
        return lines;
    };
    ShorshorovFileTitles lines;
    std::vector<Rect> header;
    {
        MeasuringCanvas m(dc);
        lines = draw_header(m);
        header = m.boxes();
    }
    const int c = lines.c;
    const int tile_x = client.left + (client.right - client.left) / 2 - 100;
    const int tile_y = client.top + 3 * c +
                       shorshorov_clearing_shift(Rect{tile_x, client.top + 3 * c, tile_x + tile_size,
                                                      client.top + 3 * c + tile_size},
                                                 header, true);
    const std::string picture_path = resolve_atlas_path(table.file.micrograph_file, path);
    const Picture picture = load_picture_file(picture_path);
    const int k = shorshorov_micrograph_tile(table.file.thresholds, W);
    const Size needed = shorshorov_micrograph_tile_reach(k);
    if (!picture.valid()) {
        message_box(window, cformat("File %s not exist... ", picture_path.c_str()), "  Message!");
    } else if (picture.width < needed.cx || picture.height < needed.cy) {
        // Stretched up to its frame, a smaller picture would show some other
        // part of itself as this cooling rate's structure.
        message_box(window,
                    cformat("The micrograph %s is %d x %d pixels; the tile of this cooling rate needs %d x %d",
                            picture_path.c_str(), picture.width, picture.height, needed.cx, needed.cy),
                    "  Message!");
    } else {
        draw_tile(dc, picture, (k % 2) * tile_size, (k / 2) * tile_size, tile_x, tile_y, client);
    }
    draw_header(dc);
    s.y = p.y;
    s.z = p.z;
    s.cooling_rate = W;
    shorshorov_draw_table(dc, client, H, s, &ShorshorovSteel::shorshorov_draw_structure_table, client.left + 10,
                          plot.bottom + static_cast<int>(4.3 * c), face);

    char l1[heat_text_size] = {}, l2[heat_text_size] = {}, t[heat_text_size] = {};
    if (current_model.summary) current_model.summary(l1, l2, t);
    if (!current_model.draw_panel) {
        shorshorov_font(dc, H, 0, -1, face);
        dc.set_text_color(shorshorov_panel_colour);
        dc.text_out(plot.left, client.bottom - 2 * c, l1);
        dc.text_out(plot.left, client.bottom - c, l2);
    }
    dc.set_text_color(shorshorov_title_colour);
    const std::string model = cformat(" Рассчёт по модели: \"%s\"", t);
    const LineInside at = line_inside(dc, model, plot.left, static_cast<int>(1.4 * H), client.left + 2, client.right - 2,
                                      [face](Canvas& d, int height) { shorshorov_font(d, height, 0, -1, face); });
    dc.text_out(at.x, plot.bottom + static_cast<int>(2.8 * c), model);
    if (current_model.draw_panel) {
        dc.set_text_color(Rgb{0, 0, 0});
        current_model.draw_panel(dc, client, 1, 1, 1, 1);
    }
}
