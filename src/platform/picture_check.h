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

// A PNG, JPEG or GIF that the file does not hold to its end: the decoders
// give back the rows they reached and leave the rest blank, with no more
// than a warning, so such a file is refused before a decoder sees it. A PNG
// must hold every chunk its lengths announce up to its end chunk (IEND), a
// JPEG every segment up to its end marker (EOI), a GIF its trailer byte.
// Returns the fault, or empty for a whole file or one of another format.
std::string picture_end_fault(std::string_view bytes);

// Every check above for one file's bytes: the first fault found, or empty.
std::string picture_fault(std::string_view bytes);
