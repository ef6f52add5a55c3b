// Case folding needs the Unicode tables, which Qt carries.
#include "text_code.h"

#include <QString>

std::string folded(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toCaseFolded().toStdString();
}

bool same_file_name(std::string_view wanted, std::string_view on_disk)
{
    if (wanted == on_disk) return true;
    const std::string disk = folded(file_text(on_disk, charset_cyrillic));
    if (folded(file_text(wanted, charset_cyrillic)) == disk) return true;
    return !is_utf8(wanted) && folded(file_text(wanted, charset_western)) == disk;
}
