// The parameter panels: a heading and two rows of short captions along the
// bottom of a result window or printer page, the material in row 1 and the
// welding conditions in row 2. The window passes four flags that leave out
// the captions of the quantity it sweeps; a caption left out leaves no gap.
#include "captions.h"
#include "scheme_views.h"
#include "schemes.h"
#include "lang.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace {

constexpr Text5 panel_heading{
    "Thermal-physical properties of material and welding conditions:",
    "Теплофизические характеристики материала и режим сварки:",
    "Теплофізичні характеристики матеріалу та режим зварювання:",
    "Die thermischen und physischen Charakteristiken des Materials und das Regime der "
    "Schweissung:",
    "Les caractéristiques thermiques et physiques de la matière et le régime de la soudure:"};

// One caption of a row: its painter and the value it shows.
struct PanelCaption {
    int row = 0;
    CaptionPainter painter = nullptr;
    double value = 0;
};

// One panel: the captions of its two rows, gathered first and drawn by
// end_panel once the font that fits them is known.
struct Panel {
    Canvas& dc;
    Rect rect;
    std::vector<PanelCaption> captions;
    bool rows_black = false;   // the rows are set black after the heading

    void caption(int row, CaptionPainter painter, double value)
    {
        captions.push_back(PanelCaption{row, painter, value});
    }
};

FontRecord panel_font(int height)
{
    FontRecord font;
    font.height = height;
    font.weight = 400;
    font.charset = language_charset();
    font.out_precision = 7;   // TrueType only
    font.quality = 2;         // proof
    font.pitch_and_family = 0x10 | 2;   // roman family, variable pitch
    font.face = "Times New Roman";
    return font;
}

// A canvas that draws nothing and measures where the texts and lines drawn
// on it would reach; fonts are selected and measured on the real canvas.
class ReachCanvas final : public Canvas {
public:
    explicit ReachCanvas(Canvas& dc) : dc_(dc) {}
    int right = std::numeric_limits<int>::min();
    std::vector<int> text_tops;

    void select_font(const FontRecord& font) override { dc_.select_font(font); }
    FontRecord selected_font() const override { return dc_.selected_font(); }
    void text_out(int x, int y, std::string_view text) override
    {
        right = std::max(right, x + dc_.text_extent(text).cx);
        text_tops.push_back(y);
    }
    Size text_extent(std::string_view text, bool with_terminating_zero) override
    {
        return dc_.text_extent(text, with_terminating_zero);
    }
    void set_text_color(Rgb color) override { dc_.set_text_color(color); }
    Rgb text_color() const override { return dc_.text_color(); }
    void set_background_mode(BackgroundMode) override {}
    void set_background_color(Rgb) override {}
    void select_pen(const Pen&) override {}
    void select_brush(const Brush&) override {}
    void move_to(int x, int y) override { at_ = Point{x, y}; }
    void line_to(int x, int y) override
    {
        right = std::max({right, at_.x + 1, x + 1});
        at_ = Point{x, y};
    }
    Point current_position() const override { return at_; }
    void polyline(const std::vector<Point>&) override {}
    void rectangle(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void fill_rect(const Rect&, Rgb) override {}
    void set_pixel(int, int, Rgb) override {}
    void draw_picture(const Picture&, const Rect&) override {}
    void save() override { dc_.save(); }
    void restore() override { dc_.restore(); }
    DeviceCaps caps() const override { return dc_.caps(); }
    bool is_printer() const override { return dc_.is_printer(); }

private:
    Canvas& dc_;
    Point at_{};
};

// The rows at font height h: the character width, the line height, the
// origin and the tops of the two rows.
struct RowLayout {
    int h = 0;
    int cw = 0;
    int cy = 0;
    double x0 = 0;
    double row_y[2] = {0, 0};
};

RowLayout row_layout(Canvas& dc, Rect rect, int h)
{
    dc.select_font(panel_font(h));
    const Size s = dc.text_extent("S");
    RowLayout rows{h, s.cx, s.cy, static_cast<double>(rect.left + 2 * s.cx)};
    rows.row_y[0] = rect.bottom - 3.5 * s.cy;
    rows.row_y[1] = rect.bottom - 1.5 * s.cy;
    return rows;
}

void paint_rows(Canvas& dc, const Panel& panel, const RowLayout& rows)
{
    int cursor[2] = {0, 0};
    for (const PanelCaption& c : panel.captions)
        c.painter(dc, c.value, rows.h, &cursor[c.row], rows.x0, rows.row_y[c.row], rows.cw);
}

// Where the rows would reach at font height h: their right end and the
// highest top of a text of row 1 (its raised numerators and marks).
struct Reach {
    int right = 0;
    int row1_top = 0;
};

Reach rows_reach(Canvas& dc, const Panel& panel, const RowLayout& rows)
{
    dc.save();
    ReachCanvas reach(dc);
    int cursor[2] = {0, 0};
    int row1_top = static_cast<int>(rows.row_y[0]);
    for (const PanelCaption& c : panel.captions) {
        reach.text_tops.clear();
        c.painter(reach, c.value, rows.h, &cursor[c.row], rows.x0, rows.row_y[c.row], rows.cw);
        if (c.row == 0)
            for (int top : reach.text_tops) row1_top = std::min(row1_top, top);
    }
    dc.restore();
    return Reach{reach.right, row1_top};
}

// The font height of the rows: 1/28 of the rectangle's height, or less
// where a row at that height would run past the right edge, so that every
// caption and value ends inside the window or page.
RowLayout fitted_rows(Canvas& dc, const Panel& panel, Rect rect, Reach& reach)
{
    int h = std::max(1, rect.height() / 28);
    RowLayout rows = row_layout(dc, rect, h);
    reach = rows_reach(dc, panel, rows);
    if (reach.right <= rect.right) return rows;
    // Widths grow about in proportion to the height: start near the fit.
    const double room = rect.right - rows.x0;
    const double wanted = reach.right - rows.x0;
    if (wanted > 0 && room > 0) h = std::min(h - 1, static_cast<int>(h * room / wanted) + 1);
    for (h = std::max(h, 1);; --h) {
        rows = row_layout(dc, rect, h);
        reach = rows_reach(dc, panel, rows);
        if (reach.right <= rect.right || h == 1) return rows;
    }
}

// The heading stands 4.7 lines above the bottom, where the windows keep
// room for it above their own blocks. Its cell ends above the highest text
// of row 1 (a raised numerator or mark): where the heading at 1.2 H would
// reach down to them, it takes the largest font that clears them.
// From 12 cw the German and French headings would run past the right edge
// and be cut; a heading that does not fit starts at the rows' origin
// instead and, if still too long, takes the largest smaller font that ends
// inside the rectangle.
void paint_heading(Canvas& dc, Rect rect, const RowLayout& rows, const Reach& reach)
{
    const char* heading = pick(panel_heading);
    const int heading_y = static_cast<int>(rect.bottom - 4.7 * rows.cy);
    int heading_h = static_cast<int>(rows.h * 1.2);
    dc.select_font(panel_font(heading_h));
    Size extent = dc.text_extent(heading);
    // Descenders reach a little below the cell in this face.
    const auto clears_row1 = [&] { return heading_y + extent.cy + std::max(1, extent.cy / 20) <= reach.row1_top; };
    while (!clears_row1() && heading_h > 1) {
        dc.select_font(panel_font(--heading_h));
        extent = dc.text_extent(heading);
    }
    int heading_x = rect.left + 12 * rows.cw;
    if (heading_x + extent.cx > rect.right) {
        heading_x = rect.left + 2 * rows.cw;
        while (heading_x + extent.cx > rect.right && heading_h > 1) {
            dc.select_font(panel_font(--heading_h));
            extent = dc.text_extent(heading);
        }
    }
    dc.set_text_color(colour_mode ? Rgb{127, 0, 0} : Rgb{0, 0, 0});
    dc.text_out(heading_x, heading_y, heading);
}

Panel begin_panel(Canvas& dc, Rect rect)
{
    return Panel{dc, rect, {}};
}

void end_panel(Panel& panel)
{
    Reach reach;
    const RowLayout rows = fitted_rows(panel.dc, panel, panel.rect, reach);
    paint_heading(panel.dc, panel.rect, rows, reach);
    if (panel.rows_black) panel.dc.set_text_color(Rgb{0, 0, 0});
    paint_rows(panel.dc, panel, rows);
}

// The energy captions divide by the speed and a thickness; a window drawn
// with a zero divisor shows no energy caption rather than "inf" or "nan".
void energy_captions(Panel& panel, double q, double v, double thickness, bool per_thickness)
{
    const double per_v = q / v;
    if (std::isfinite(per_v)) panel.caption(1, caption_q_per_v, per_v);
    if (!per_thickness) return;
    const double per_v_delta = per_v / thickness;
    if (std::isfinite(per_v_delta)) panel.caption(1, caption_q_per_v_delta, per_v_delta);
}

}   // namespace

int panel_top(Canvas& dc, Rect rect)
{
    const RowLayout rows = row_layout(dc, rect, std::max(1, rect.height() / 28));
    return static_cast<int>(rect.bottom - 4.7 * rows.cy);
}

void ppr1_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness)
{
    const Ppr1Parameters& p = scheme_state.ppr1.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_alpha, p.alpha);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (show_thickness == 1) panel.caption(1, caption_delta, p.delta);
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        energy_captions(panel, p.q, p.v, p.delta, true);
    }
    end_panel(panel);
}

void ppr2_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int /*show_thickness*/)
{
    const Ppr2Parameters& p = scheme_state.ppr2.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (p.R_T != 0) {
        panel.caption(1, caption_delta_layer, p.delta_c);
        panel.caption(1, caption_r_t, p.R_T);
    }
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        energy_captions(panel, p.q, p.v, 0, false);
    }
    end_panel(panel);
}

void ppr3_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness)
{
    const Ppr3Parameters& p = scheme_state.ppr3.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_alpha, p.alpha);
    panel.caption(0, caption_r_t, p.R_T);
    panel.caption(0, caption_delta_layer, p.delta_c);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (show_thickness == 1) panel.caption(1, caption_delta, p.delta);
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        // The caption reads q/(v·δ): it gets the plate thickness, as the
        // scheme's summary does, not the layer thickness.
        energy_captions(panel, p.q, p.v, p.delta, true);
    }
    end_panel(panel);
}

void ppr4_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness)
{
    const Ppr4Parameters& p = scheme_state.ppr4.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_alpha, p.alpha);
    panel.caption(0, caption_h1, p.h1);
    panel.caption(0, caption_h2, p.h2);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_thickness == 1) panel.caption(1, caption_delta, p.delta);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        energy_captions(panel, p.q, p.v, p.delta, true);
    }
    end_panel(panel);
}

void ppr5_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness)
{
    const Ppr5Parameters& p = scheme_state.ppr5.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda_plate1, p.lambda1);
    panel.caption(0, caption_lambda_plate2, p.lambda2);
    panel.caption(0, caption_c_plate1, p.c1);
    panel.caption(0, caption_c_plate2, p.c2);
    panel.caption(0, caption_gamma_plate1, p.rho1);
    panel.caption(0, caption_gamma_plate2, p.rho2);
    panel.caption(0, caption_alpha, p.alpha);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (show_thickness == 1) panel.caption(1, caption_delta_plate1, p.delta1);
    panel.caption(1, caption_delta_plate2, p.delta2);
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        energy_captions(panel, p.q, p.v, p.delta1, true);
    }
    end_panel(panel);
}

void ppr9_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int /*show_thickness*/)
{
    const Ppr9Parameters& p = scheme_state.ppr9.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_d, p.B);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        energy_captions(panel, p.q, p.v, 0, false);
    }
    end_panel(panel);
}

void ppr14_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int /*show_thickness*/)
{
    const Ppr14Parameters& p = scheme_state.ppr14.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_k, p.f);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        energy_captions(panel, p.q, p.v, 0, false);
    }
    end_panel(panel);
}

void ppr15_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int /*show_thickness*/)
{
    const Ppr15Parameters& p = scheme_state.ppr15.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_k, p.k);
    if (show_T0 == 1) panel.caption(1, caption_t0, p.T0);
    if (show_v == 1) panel.caption(1, caption_v, p.v);
    if (show_q == 1) {
        panel.caption(1, caption_q, p.q);
        energy_captions(panel, p.q, p.v, 0, false);
    }
    end_panel(panel);
}

// The time-domain schemes read no flag: they are drawn only by their own
// thermal-cycle windows, which always show the whole block.

void ppr10_draw_panel(Canvas& dc, Rect rect, int /*show_v*/, int /*show_q*/, int /*show_T0*/,
                      int /*show_thickness*/)
{
    const Ppr10Parameters& p = scheme_state.ppr10.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_t0, p.T0);
    panel.caption(0, caption_v_x, p.v_x);
    panel.caption(0, caption_alpha, p.alpha);
    panel.caption(1, caption_delta, p.delta);
    panel.caption(1, caption_a, p.A);
    panel.caption(1, caption_v_y, p.v_y);
    panel.caption(1, caption_q, p.q);
    energy_captions(panel, p.q, p.v_x, p.delta, true);
    end_panel(panel);
}

void ppr11_draw_panel(Canvas& dc, Rect rect, int /*show_v*/, int /*show_q*/, int /*show_T0*/,
                      int /*show_thickness*/)
{
    const Ppr11Parameters& p = scheme_state.ppr11.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(0, caption_c, p.c);
    panel.caption(0, caption_gamma, p.rho);
    panel.caption(0, caption_t0, p.T0);
    panel.caption(0, caption_v_x, p.v_x);
    panel.caption(1, caption_alpha, p.alpha);
    panel.caption(1, caption_a, p.A);
    panel.caption(1, caption_v_y, p.v_y);
    panel.caption(1, caption_q, p.q);
    energy_captions(panel, p.q, p.v_x, 0, false);
    end_panel(panel);
}

namespace {

// The three pulsed schemes share one layout, each with its own block. Their
// first caption, the pulse power, leaves the colour as it finds it, so the
// rows are set black here.
void pulse_panel(Canvas& dc, Rect rect, const PulseParameters& p)
{
    Panel panel = begin_panel(dc, rect);
    panel.rows_black = true;
    panel.caption(0, caption_q1, p.q1);
    panel.caption(0, caption_q2, p.q2);
    panel.caption(0, caption_v, p.v);
    panel.caption(0, caption_lambda, p.lambda);
    panel.caption(1, caption_c, p.c);
    panel.caption(1, caption_gamma, p.rho);
    panel.caption(1, caption_t_cycle, p.t_cycle);
    panel.caption(1, caption_t_pulse, p.t_pulse);
    panel.caption(1, caption_delta_t, p.t);
    panel.caption(1, caption_t0, p.T0);
    panel.caption(1, caption_delta, p.delta);
    end_panel(panel);
}

}   // namespace

void rom1_draw_panel(Canvas& dc, Rect rect, int /*show_v*/, int /*show_q*/, int /*show_T0*/,
                     int /*show_thickness*/)
{
    pulse_panel(dc, rect, scheme_state.rom1.parameters);
}

void rom2_draw_panel(Canvas& dc, Rect rect, int /*show_v*/, int /*show_q*/, int /*show_T0*/,
                     int /*show_thickness*/)
{
    pulse_panel(dc, rect, scheme_state.rom2.parameters);
}

void rom3_draw_panel(Canvas& dc, Rect rect, int /*show_v*/, int /*show_q*/, int /*show_T0*/,
                     int /*show_thickness*/)
{
    pulse_panel(dc, rect, scheme_state.rom3.parameters);
}

void comp_draw_panel(Canvas& dc, Rect rect, int /*show_v*/, int /*show_q*/, int /*show_T0*/,
                     int /*show_thickness*/)
{
    const CompParameters& p = scheme_state.comp.parameters;
    Panel panel = begin_panel(dc, rect);
    panel.caption(0, caption_lambda_phase1, p.lambda1);
    panel.caption(0, caption_lambda_phase2, p.lambda2);
    panel.caption(0, caption_c_phase1, p.c1);
    panel.caption(0, caption_c_phase2, p.c2);
    panel.caption(0, caption_gamma_phase1, p.rho1);
    panel.caption(0, caption_gamma_phase2, p.rho2);
    panel.caption(1, caption_kappa_phase1, p.p1);
    panel.caption(1, caption_kappa_phase2, p.p2);
    panel.caption(1, caption_t0, p.T0);
    panel.caption(1, caption_v, p.v);
    panel.caption(1, caption_delta, p.delta);
    panel.caption(1, caption_q, p.q);
    end_panel(panel);
}
