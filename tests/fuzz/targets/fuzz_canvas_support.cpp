// The recording canvas measures texts with the real fonts, which need Qt; the
// fuzz targets are built without it. Here a text is as wide as 8 pixels a
// byte and as high as its font's cell (16 pixels when the height is 0), which
// keeps the layouts' arithmetic with numbers of the same size.
#include "captions.h"
#include "fonts.h"
#include "window.h"

#include <cstdlib>

FontRecord text_font;
int colour_mode = 1;

Size measure_text(const FontRecord& font, std::string_view text, bool with_terminating_zero)
{
    const int height = font.height == 0 ? 16 : std::abs(font.height);
    return Size{8 * static_cast<int>(text.size() + (with_terminating_zero ? 1 : 0)), height};
}

Rect get_client_rect(const Window*) { return Rect{0, 0, 640, 480}; }
