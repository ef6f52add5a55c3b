// The recording canvas measures texts with the real fonts, which need Qt; the
// fuzz targets are built without it. Here a text is as wide as 8 pixels a
// byte and as high as its font's cell (16 pixels when the height is 0), which
// keeps the layouts' arithmetic with numbers of the same size; its ink
// fills the cell.
#include "captions.h"
#include "fonts.h"
#include "window.h"

#include <cstdlib>
#include <vector>

FontRecord text_font;
int colour_mode = 1;

Size measure_text(const FontRecord& font, std::string_view text, bool with_terminating_zero)
{
    const int height = font.height == 0 ? 16 : std::abs(font.height);
    return Size{8 * static_cast<int>(text.size() + (with_terminating_zero ? 1 : 0)), height};
}

// Each byte's ink fills its 8-pixel column over the cell's height.
std::vector<Rect> text_glyph_boxes(const FontRecord& font, std::string_view text)
{
    const int height = measure_text(font, "", false).cy;
    std::vector<Rect> boxes;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != ' ') boxes.push_back(Rect{8 * static_cast<int>(i), 0, 8 * static_cast<int>(i) + 8, height});
    return boxes;
}

Rect get_client_rect(const Window*) { return Rect{0, 0, 640, 480}; }
