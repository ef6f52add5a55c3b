// Parameter captions: every heat-source parameter painted on one text line.
//
// A short painter (caption_<parameter>) draws the symbol, "=", the value, the
// unit and ";" on a row of a scheme's parameter panel; a long painter
// (legend_<parameter>) draws the symbol, a dash, the parameter's name in the
// interface language, the unit and ";" beside a data dialog's edit field and
// ignores the value. Greek letters come from the "Symbol" face, units are
// written inline or stacked as a small fraction with a grey bar.
//
// Every painter draws at (x0 + *cursor, y), y being the top of the text line,
// and moves *cursor past what it drew and the gap before the next caption, so
// a caller strings captions along a line by passing the same cursor:
//
//     int cursor = 0;
//     caption_lambda(dc, 0.38, h, &cursor, x0, y, cw);
//     caption_c(dc, 0.67, h, &cursor, x0, y, cw);
//
// h is the font height (cell height in pixels) of the line, cw the width of
// "S" in Times New Roman at that height in the interface language's character
// set. The painters write the shared font records `text_font` and
// `symbol_font` (fonts.h) and leave a font made from `text_font` selected.
#pragma once

#include "canvas.h"

#include <span>
#include <string_view>

using CaptionPainter = void (*)(Canvas& dc, double value, int h, int* cursor, double x0,
                                double y, int cw);

// Nonzero for colour graphics (the start value), 0 for black and white; the
// panels' headings and the plots read it.
extern int colour_mode;

// Sizes of the pieces of a caption drawn at font height h.
int caption_unit_size(int h);    // 3h/4: the letters of a stacked unit
int caption_small_size(int h);   // 3h/5: subscripts, exponents, degree marks

// Thermal properties, initial temperature, speed, contact resistance.
void caption_lambda(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_lambda(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_lambda_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_lambda_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_lambda_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_lambda_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_c(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_c(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_c_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_c_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_c_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_c_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_gamma(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_gamma(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_gamma_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_gamma_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_gamma_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_gamma_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_t0(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_t0(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_v(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_v(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_r_t(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_r_t(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);

// Thicknesses, power, heat transfer, widths, oscillation, concentration.
void caption_delta(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_delta(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_delta_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_delta_plate1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_delta_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_delta_plate2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_delta_layer(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_delta_layer(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_q(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_q(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_q_per_v(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_q_per_v_delta(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_alpha(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_alpha(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_h1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_h1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_h2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_h2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_d(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_d(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_v_x(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_v_x(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_v_y(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_v_y(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_a(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_a(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_k(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_k(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);

// Pulsed sources and the two phases of composite plates.
void caption_q1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_q1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_q2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_q2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_t_cycle(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_t_cycle(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_t_pulse(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_t_pulse(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_delta_t(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_delta_t(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_lambda_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_lambda_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_lambda_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_lambda_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_c_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_c_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_c_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_c_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_gamma_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_gamma_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_gamma_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_gamma_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_kappa_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_kappa_phase1(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void caption_kappa_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);
void legend_kappa_phase2(Canvas& dc, double value, int h, int* cursor, double x0, double y, int cw);

// Every painter by name, short ones and long ones, for callers that choose a
// painter from a table (the data dialogs' legends).
struct NamedCaptionPainter {
    const char* name;   // "caption_lambda", "legend_lambda", ...
    CaptionPainter painter;
};
std::span<const NamedCaptionPainter> caption_painters();
CaptionPainter find_caption_painter(std::string_view name);   // null when unknown
