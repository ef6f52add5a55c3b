#include "file_read.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ReadOutcome refused(ReadStatus status, std::string message) { return ReadOutcome{status, std::move(message)}; }

std::string size_text(std::size_t bytes)
{
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MB";
    if (bytes >= (1u << 10) && bytes % (1u << 10) == 0) return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + " bytes";
}

const char* kind_of(mode_t mode)
{
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not an ordinary file";
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

ReadOutcome read_file_whole(const std::string& path, std::size_t max_size, std::string_view what,
                            std::string& bytes)
{
    bytes.clear();
    const std::string file = "File " + path;
    if (path.empty() || path.find('\0') != std::string::npos)
        return refused(ReadStatus::missing, file + " does not exist");
    // Without blocking: a pipe with no writer, or a device, must not hold the
    // program; it is turned away below before anything is read from it.
    Descriptor d;
    d.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (d.fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR || err == ENAMETOOLONG)
            return refused(ReadStatus::missing, file + " does not exist");
        if (err == ELOOP) return refused(ReadStatus::link_loop, file + " is a link that leads round in a loop");
        if (err == ENXIO) return refused(ReadStatus::not_regular, file + " is a socket or a device; it is not read");
        return refused(ReadStatus::unreadable, file + " cannot be opened: " + std::strerror(err));
    }
    struct stat st{};
    if (::fstat(d.fd, &st) != 0)
        return refused(ReadStatus::unreadable, file + " cannot be read: " + std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return refused(ReadStatus::not_regular, file + " is " + kind_of(st.st_mode) + ", not a file; it is not read");
    const std::string too_large =
        file + " is larger than " + size_text(max_size) + "; it is not " + std::string(what);
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > max_size)
        return refused(ReadStatus::too_large, too_large);

    // One more byte than the cap is asked for, so a file that grew since the
    // size was taken is seen to be too large.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > max_size) break;
            bytes.resize(std::min(max_size + 1, bytes.size() * 2 + 4096));
        }
        const ssize_t n = ::read(d.fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            bytes.clear();
            return refused(ReadStatus::unreadable, file + " cannot be read: " + std::strerror(err));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > max_size) {
        bytes.clear();
        return refused(ReadStatus::too_large, too_large);
    }
    bytes.resize(got);
    return {};
}
