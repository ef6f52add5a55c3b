// What the windows show of each scheme: its summary and caption texts in the
// five languages and its parameter panel, and the installation of these
// slots together with the scheme's operations.
#pragma once

#include "canvas.h"
#include "model.h"

// Writes every slot of scheme n (1..14): the operations as
// install_scheme_operations writes them, then the scheme's summary, caption,
// parameter panel and the thermal-cycle window of its family. Returns false,
// and changes nothing, for a scheme that is not available.
bool install_scheme(int n);

// Start-up: install_start_operations and reinstall_start_operations with
// scheme 2's texts and thermal-cycle window (the first also its panel).
void install_start_scheme();
void reinstall_start_scheme();

// Each scheme's own texts and panel, whatever scheme is installed (the model
// chooser titles every scheme's picture with its caption); null for a number
// that names no scheme.
struct SchemeView {
    void (*summary)(char* line1, char* line2, char* title) = nullptr;
    void (*caption)(char* line1, char* line2, char* line3) = nullptr;
    PanelPainter draw_panel = nullptr;
};
const SchemeView* scheme_view(int n);

// `summary` writes two lines of the parameters and the scheme's title,
// `caption` the three lines under its picture, each into a buffer of
// heat_text_size bytes; `draw_panel` draws the parameter panel along the
// bottom of rect, leaving out the captions whose flag is 0.

// The highest row a parameter panel takes along the bottom of rect: its
// heading's row in the largest font it starts from (a panel whose rows take
// a smaller font to fit the width stands lower). The windows keep their own
// blocks above it.
int panel_top(Canvas& dc, Rect rect);

// Scheme 1: thin plate (ppr1)
void ppr1_summary(char* line1, char* line2, char* title);
void ppr1_caption(char* line1, char* line2, char* line3);
void ppr1_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 2: semi-infinite, optionally multi-layer body (ppr2)
void ppr2_summary(char* line1, char* line2, char* title);
void ppr2_caption(char* line1, char* line2, char* line3);
void ppr2_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 3: multi-layer plate (ppr3)
void ppr3_summary(char* line1, char* line2, char* title);
void ppr3_caption(char* line1, char* line2, char* line3);
void ppr3_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 4: two plates of different width (ppr4)
void ppr4_summary(char* line1, char* line2, char* title);
void ppr4_caption(char* line1, char* line2, char* line3);
void ppr4_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 5: two dissimilar plates (ppr5)
void ppr5_summary(char* line1, char* line2, char* title);
void ppr5_caption(char* line1, char* line2, char* line3);
void ppr5_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 6: strip electrode on a massive body (ppr9)
void ppr9_summary(char* line1, char* line2, char* title);
void ppr9_caption(char* line1, char* line2, char* line3);
void ppr9_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 9: deep penetration by a line source (ppr14)
void ppr14_summary(char* line1, char* line2, char* title);
void ppr14_caption(char* line1, char* line2, char* line3);
void ppr14_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int show_thickness);

// Scheme 10: normal-circular source on a massive body (ppr15)
void ppr15_summary(char* line1, char* line2, char* title);
void ppr15_caption(char* line1, char* line2, char* line3);
void ppr15_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int show_thickness);

// Scheme 7: oscillating electrode on a plate (ppr10)
void ppr10_summary(char* line1, char* line2, char* title);
void ppr10_caption(char* line1, char* line2, char* line3);
void ppr10_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int show_thickness);

// Scheme 8: oscillating electrode on a massive body (ppr11)
void ppr11_summary(char* line1, char* line2, char* title);
void ppr11_caption(char* line1, char* line2, char* line3);
void ppr11_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                      int show_thickness);

// Scheme 11: pulsed source on a massive body (rom1)
void rom1_summary(char* line1, char* line2, char* title);
void rom1_caption(char* line1, char* line2, char* line3);
void rom1_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 12: pulsed source on a plate (rom2)
void rom2_summary(char* line1, char* line2, char* title);
void rom2_caption(char* line1, char* line2, char* line3);
void rom2_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 13: pulsed source on a thin plate (rom3)
void rom3_summary(char* line1, char* line2, char* title);
void rom3_caption(char* line1, char* line2, char* line3);
void rom3_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);

// Scheme 14: composite plates (comp)
void comp_summary(char* line1, char* line2, char* title);
void comp_caption(char* line1, char* line2, char* line3);
void comp_draw_panel(Canvas& dc, Rect rect, int show_v, int show_q, int show_T0,
                     int show_thickness);
