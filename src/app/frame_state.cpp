// The frame's global state, alive for the whole process.
#include "frame.h"

#include "screen.h"

PaintCallback current_paint = blank_on_paint;
int paint_print_flag = 0;

int seyffarth_haz_property = 0;
int shorshorov_haz_property = 0;
int kasatkin_varied_element = 0;
int ion_varied_element = 0;
int chemistry_first_opening = 1;

ScreenFacts (*frame_screen_facts)() = screen_facts;
