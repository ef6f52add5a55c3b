#include "msgbox.h"
#include "text_code.h"

// The readers show nothing themselves; report_atlas_failure is not called
// here, but the stub keeps the link free of the platform layer.
int message_box(Window*, std::string_view, std::string_view, unsigned) { return 1; }

// Case folding of file names takes Qt's tables; the targets read from memory
// and never look a name up on disk.
std::string folded(std::string_view utf8) { return std::string(utf8); }
bool same_file_name(std::string_view wanted, std::string_view on_disk) { return wanted == on_disk; }
