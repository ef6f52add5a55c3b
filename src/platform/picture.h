// Pictures: the scheme pictures and the About pictures from the program's
// resources, and bitmaps from files (the digitizer's picture, the atlas
// micrographs). A picture that cannot be found or read comes back invalid
// (Picture::valid() is false); the caller reports it.
#pragma once

#include "canvas.h"

#include <cstddef>
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
//
// The file is read once through the one opening of files (file_read.h): a
// pipe, device, folder or link loop is refused without waiting on it, and a
// file larger than picture_max_file_size is refused before it is read. A BMP
// that does not hold all the pixel rows its header announces is refused, not
// shown with a black remainder.
inline constexpr std::size_t picture_max_file_size = std::size_t{256} << 20;
Picture load_picture_file(const std::string& path);
Picture load_picture_file(const std::string& path, std::string& why);

// The same from a file's bytes in memory; `name` names the file in messages
// and gives the extension (.pcx, .svg) as the file's name would.
Picture load_picture_bytes(std::string_view bytes, const std::string& name, std::string& why);
