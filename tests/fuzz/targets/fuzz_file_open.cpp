#include "file_read.h"
#include "fuzz_support.h"
#include "picture_check.h"

#include <string>

#include <sys/mman.h>
#include <unistd.h>

// The one opening of files, fed from memory: the input becomes a file that
// lives in memory and is opened by its name, under a cap taken from the
// input's first byte. A file within the cap reads back exactly; one above it
// is refused with a message naming it and leaves nothing. The bytes then go
// through the check every picture passes before a decoder sees it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz_text(data, size);
    const std::size_t cap = size == 0 ? 0 : static_cast<std::size_t>(data[0]) * 4;
    const int fd = ::memfd_create("fuzz-input", MFD_CLOEXEC);
    if (fd < 0) return 0;
    std::size_t done = 0;
    while (done < input.size()) {
        const ssize_t n = ::write(fd, input.data() + done, input.size() - done);
        if (n <= 0) {
            ::close(fd);
            return 0;
        }
        done += static_cast<std::size_t>(n);
    }
    const std::string name = "/proc/self/fd/" + std::to_string(fd);
    std::string bytes = "left over";
    const ReadOutcome r = read_file_whole(name, cap, "a fuzz input", bytes);
    ::close(fd);
    if (input.size() <= cap) {
        if (!r.ok() || bytes != input) __builtin_trap();
    } else {
        if (r.status != ReadStatus::too_large || !bytes.empty()) __builtin_trap();
        if (r.message.find(name) == std::string::npos) __builtin_trap();
    }
    const std::string fault = bmp_fault(input);
    if (!fault.empty() && input.substr(0, 2) != "BM") __builtin_trap();
    // Every fault the end check finds says that the file is cut short.
    const std::string end_fault = picture_end_fault(input);
    if (!end_fault.empty() && end_fault.rfind("it is cut short", 0) != 0) __builtin_trap();
    return 0;
}
