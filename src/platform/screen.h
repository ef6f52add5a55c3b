// Facts about the display, for the start-up display test and for layouts
// that follow the system's dialog base unit.
//
// The dialog base units of the system are those of the classic system font
// at the screen's logical resolution: 8 by 16 pixels at 96 dpi ("small
// fonts"), scaled with the resolution (10 by 20 at 120 dpi).
#pragma once

struct ScreenFacts {
    int width = 0;              // pixels
    int height = 0;
    int bits_per_pixel = 0;
    int dialog_base_unit_x = 0;
    int dialog_base_unit_y = 0;
};

ScreenFacts screen_facts();
