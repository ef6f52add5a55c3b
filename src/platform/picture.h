// Pictures: the scheme pictures and the About pictures from the program's
// resources, and bitmaps from files (the digitizer's picture, the atlas
// micrographs). A picture that cannot be found or read comes back invalid
// (Picture::valid() is false); the caller reports it.
#pragma once

#include "canvas.h"

#include <string>
#include <string_view>

// By resource name ("PprBmp_1", "ATLAS_E"), matched without regard to case:
// resources/pictures/<Name>.svg or .png (also .bmp), first from the program's
// embedded resources (":/velmarin/pictures/..."), then from the source tree's
// resources folder.
Picture load_picture_resource(std::string_view name);

// From a file on disk: BMP, PNG, or any image format Qt reads, SVG too, and
// PCX through our own reader (pcx_picture.h), by the name's extension .pcx or
// by the file's first bytes. The second form gives in `why` the reason a file
// gives no picture, naming the file.
Picture load_picture_file(const std::string& path);
Picture load_picture_file(const std::string& path, std::string& why);
