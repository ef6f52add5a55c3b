#include "file_write.h"

#include "lang.h"
#include "numfmt.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The name the user chose, and where a link led when it led elsewhere.
std::string shown_name(const std::string& path, const fs::path& target)
{
    if (target.string() == path) return path;
    return path + " (" + target.string() + ")";
}

WriteOutcome cannot_write(const std::string& name, int err)
{
    return {false, cformat(pick(Text5{"The file %s cannot be written: %s.", "Файл %s не удаётся записать: %s.",
                                      "Файл %s не вдається записати: %s.",
                                      "Die Datei %s kann nicht geschrieben werden: %s.",
                                      "Le fichier %s ne peut pas être écrit : %s."}),
                           name.c_str(), std::strerror(err))};
}

WriteOutcome not_regular(const std::string& name)
{
    return {false,
            cformat(pick(Text5{"%s is not an ordinary file (a folder, a device or a pipe); nothing is written to "
                               "it. Choose a file name.",
                               "%s — не обычный файл (папка, устройство или канал); в него ничего не записано. "
                               "Выберите имя файла.",
                               "%s — не звичайний файл (тека, пристрій або канал); до нього нічого не записано. "
                               "Виберіть ім'я файлу.",
                               "%s ist keine gewöhnliche Datei (ein Ordner, ein Gerät oder eine Pipe); es wird "
                               "nichts hineingeschrieben. Wählen Sie einen Dateinamen.",
                               "%s n'est pas un fichier ordinaire (un dossier, un périphérique ou un tube) ; rien "
                               "n'y est écrit. Choisissez un nom de fichier."}),
                    name.c_str())};
}

WriteOutcome read_only(const std::string& name)
{
    return {false,
            cformat(pick(Text5{"The file %s is read-only; it is left as it was. Choose another name or allow "
                               "writing to the file.",
                               "Файл %s только для чтения; он оставлен без изменений. Выберите другое имя или "
                               "разрешите запись в файл.",
                               "Файл %s лише для читання; його залишено без змін. Виберіть інше ім'я або "
                               "дозвольте запис у файл.",
                               "Die Datei %s ist schreibgeschützt; sie bleibt, wie sie war. Wählen Sie einen "
                               "anderen Namen oder heben Sie den Schreibschutz auf.",
                               "Le fichier %s est en lecture seule ; il reste tel quel. Choisissez un autre nom "
                               "ou autorisez l'écriture dans le fichier."}),
                    name.c_str())};
}

bool write_all(int fd, std::string_view text, int& err)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    // The rename may reach the disk before the data: only a file known to be
    // on the disk may take the old one's place.
    if (::fsync(fd) != 0 && errno != EINVAL) {
        err = errno;
        return false;
    }
    return true;
}

void sync_folder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The rename is done; a folder that cannot be synced loses nothing.
    [[maybe_unused]] const int synced = ::fsync(fd);
    ::close(fd);
}

} // namespace

WriteOutcome write_file_whole(const std::string& path, std::string_view text)
{
    // Under a file-size limit the system would end the program at the write
    // that passes it, losing the user's unsaved work and leaving the
    // temporary file; ignored, the write fails with EFBIG and is reported.
    static const bool size_signal_ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)size_signal_ignored;
    if (path.empty()) return cannot_write(path, ENOENT);

    // Follow links to the file they name, which is the one to replace.
    fs::path target = path;
    bool exists = true;
    struct stat st{};
    for (int hops = 0;; ++hops) {
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno != ENOENT) return cannot_write(shown_name(path, target), errno);
            exists = false;   // a new file (or a link to a file still to come)
            break;
        }
        if (!S_ISLNK(st.st_mode)) break;
        if (hops >= 40) return cannot_write(path, ELOOP);
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return cannot_write(shown_name(path, target), ec.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    const std::string name = shown_name(path, target);
    if (exists) {
        if (!S_ISREG(st.st_mode)) return not_regular(name);
        // Root may write anything: a file without write permission is still
        // one the user has protected.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return read_only(name);
    }

    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    // Appended piece by piece: prepending to a temporary sets off a false
    // -Wrestrict inside std::string at -O3 with GCC 12.
    std::string stem = ".";
    stem += target.filename().string();
    stem += '.';
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = folder / (stem + std::to_string(::getpid()) + "-" + std::to_string(attempt) + "~");
        // A new file takes the usual mode (the umask applies); a replaced one
        // gets its own mode before it is visible under the name.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) return cannot_write(name, errno);
    }
    if (fd < 0) return cannot_write(name, EEXIST);

    int err = 0;
    bool ok = true;
    if (exists) {
        if (::fchmod(fd, st.st_mode & 07777) != 0) {
            err = errno;
            ok = false;
        }
        // Keep the owner where we may (a file saved by root stays the user's);
        // where we may not, the file is the saver's, as any new file is.
        if (ok && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
            [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
        }
    }
    ok = ok && write_all(fd, text, err);
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return cannot_write(name, err ? err : EIO);
    }
    sync_folder(folder);
    return {};
}
