#include "fuzz_support.h"

#include "msgbox.h"

#include <cstdio>
#include <unistd.h>

const std::string& fuzz_input_file(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/velmarin-fuzz-" + std::to_string(getpid()) + ".txt";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

// The readers show nothing themselves; report_atlas_failure is not called
// here, but the stub keeps the link free of the platform layer.
int message_box(Window*, std::string_view, std::string_view, unsigned) { return 1; }
