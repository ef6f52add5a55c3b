// Reading a file the program is given: an atlas file, a picture, a
// micrograph named in a descriptor.
//
//   std::string bytes;
//   const ReadOutcome r = read_file_whole(path, atlas_file_max_size, "an atlas file", bytes);
//   if (!r.ok()) ... r.message names the file and what it is ...
//
// Only a regular file is read. A pipe, a device, a socket or a folder is
// refused with a message naming it, and so is a link that leads round in a
// loop; nothing waits on them (the file is opened without blocking and
// looked at before a byte is read). The size is checked against the caller's
// cap before anything is read, and the file is read once, through the one
// opening: a file replaced or grown after it was opened never mixes into
// what was read, and a file that grows past the cap while it is read is
// refused like a larger one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class ReadStatus {
    ok,
    missing,       // no such file (or a name the system cannot take)
    not_regular,   // a pipe, device, socket or folder
    link_loop,     // symbolic links that lead round in a loop
    too_large,     // larger than the cap
    unreadable,    // no permission, or a read error
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::ok;
    std::string message;   // names the file, for the user when !ok()
    bool ok() const { return status == ReadStatus::ok; }
};

// `what` names the kind of file for the size message ("an atlas file",
// "a picture"): "File <path> is larger than 16 MB; it is not an atlas file".
ReadOutcome read_file_whole(const std::string& path, std::size_t max_size, std::string_view what,
                            std::string& bytes);
