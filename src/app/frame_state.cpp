// The frame's global state, alive for the whole process.
#include "frame.h"

#include "canvas.h"
#include "screen.h"

namespace {

constexpr Rgb window_text_colour{128, 0, 0};
bool shown_window_transparent = false;

} // namespace

PaintCallback current_paint = blank_on_paint;
int paint_print_flag = 0;

void prepare_window_canvas(Canvas& dc, bool transparent)
{
    if (transparent) dc.set_background_mode(BackgroundMode::transparent);
    dc.set_text_color(window_text_colour);
    shown_window_transparent = transparent;
}

void prepare_page_canvas(Canvas& page)
{
    prepare_window_canvas(page, shown_window_transparent);
}

int seyffarth_haz_property = 0;
int shorshorov_haz_property = 0;
int kasatkin_varied_element = 0;
int ion_varied_element = 0;
int chemistry_first_opening = 1;

ScreenFacts (*frame_screen_facts)() = screen_facts;
