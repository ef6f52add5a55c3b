// The parameter panels: a heading and two rows of short captions along the
// bottom of a result window or printer page, the material in row 1 and the
// welding conditions in row 2. The window passes four flags that leave out
// the captions of the quantity it sweeps; a caption left out leaves no gap.
#include "captions.h"
#include "scheme_views.h"
#include "schemes.h"
#include "lang.h"

#include <cmath>

namespace {

constexpr Text5 panel_heading{
    "Thermal-physical properties of material and welding conditions:",
    "Теплофизические характеристики материала и режим сварки:",
    "Теплофізичні характеристики матеріалу та режим зварювання:",
    "Die thermischen und physischen Charakteristiken des Materials und das Regime der "
    "Schweissung:",
    "Les caractéristiques thermiques et physiques de la matière et le régime de la soudure:"};

// One panel being drawn: the font height, the character width and the two
// rows with their cursors.
struct Panel {
    Canvas& dc;
    int h = 0;
    int cw = 0;
    double x0 = 0;
    double row_y[2] = {0, 0};
    int cursor[2] = {0, 0};

    void caption(int row, CaptionPainter painter, double value)
    {
        painter(dc, value, h, &cursor[row], x0, row_y[row], cw);
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

// Heading and row positions; row 1 is drawn by the caller.
Panel begin_panel(Canvas& dc, Rect rect)
{
    const int h = (rect.bottom - rect.top) / 28;
    dc.select_font(panel_font(h));
    const Size s = dc.text_extent("S");
    const int cw = s.cx;
    const int cy = s.cy;

    // The heading stands 4.7 cy above the bottom, clear of the point and
    // model lines the windows draw above the panel; its descenders reach
    // down to row 1's numerators (0.3 cy above the row).
    // From 12 cw the German and French headings would run past the right
    // edge and be cut; a heading that does not fit starts at the rows'
    // origin instead and, if still too long, takes the largest smaller
    // font that ends inside the rectangle.
    const char* heading = pick(panel_heading);
    int heading_h = static_cast<int>(h * 1.2);
    dc.select_font(panel_font(heading_h));
    int heading_x = rect.left + 12 * cw;
    int heading_w = dc.text_extent(heading).cx;
    if (heading_x + heading_w > rect.right) {
        heading_x = rect.left + 2 * cw;
        while (heading_x + heading_w > rect.right && heading_h > 1) {
            dc.select_font(panel_font(--heading_h));
            heading_w = dc.text_extent(heading).cx;
        }
    }
    dc.set_text_color(colour_mode ? Rgb{127, 0, 0} : Rgb{0, 0, 0});
    dc.text_out(heading_x, static_cast<int>(rect.bottom - 4.7 * cy), heading);

    Panel panel{dc, h, cw, static_cast<double>(rect.left + 2 * cw)};
    panel.row_y[0] = rect.bottom - 3.5 * cy;
    panel.row_y[1] = rect.bottom - 1.5 * cy;
    return panel;
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
}

namespace {

// The three pulsed schemes share one layout, each with its own block. Their
// first caption, the pulse power, leaves the colour as it finds it, so the
// rows are set black here.
void pulse_panel(Canvas& dc, Rect rect, const PulseParameters& p)
{
    Panel panel = begin_panel(dc, rect);
    dc.set_text_color(Rgb{0, 0, 0});
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
}
