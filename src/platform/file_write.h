// Writing a user's file so that it is never replaced by less.
//
//   WriteOutcome w = write_file_whole("/home/u/steel.spl", text);
//   if (!w.ok) message_box(owner, w.message, "  Message!", mb_iconerror);
//
// The text goes to a new file beside the target, is flushed to the disk and
// only then renamed over the target, so a full disk or a crash leaves the
// old file whole. A symbolic link is followed to the file it names, which is
// replaced there (the link stays a link); an existing file keeps its mode.
// A target that is not a regular file (a folder, a device such as /dev/null,
// a pipe) or that is read-only is refused and left untouched; the message
// names it.
#pragma once

#include <string>
#include <string_view>

struct WriteOutcome {
    bool ok = true;
    std::string message;   // for the user when !ok, in the current language
};

WriteOutcome write_file_whole(const std::string& path, std::string_view text);
