// Checks of a picture file's bytes that come before any decoder sees them.
// Plain C++ (the fuzz targets run it without Qt).
#pragma once

#include <string>
#include <string_view>

// A BMP (bytes beginning "BM") whose pixel rows the file does not hold
// whole: Qt reads such a file as far as it goes and fills the rest with
// black, so it is refused before Qt sees it. Returns the fault ("it is cut
// short: ..."), or empty for a file that holds its rows, or whose size
// cannot be told from its header (compressed rows, the old OS/2 header).
std::string bmp_fault(std::string_view bytes);
