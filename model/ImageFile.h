// Reading and writing image files with plain C++ and POSIX calls, for the
// editor and for the tools that run without Qt. Every failure comes back as a
// message to show.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vormante {

struct FileReadResult {
    bool ok = false;
    bool notRegularFile = false; // refused: a pipe, device or folder is never read
    std::vector<std::uint8_t> bytes;
    std::string reason; // the system's reason, e.g. "Permission denied"
    std::string error;  // the whole sentence to show, naming the file
};

// Reads at most maxBytes + 1 bytes, so a caller can tell a file that is too long.
// A path that is no regular file is refused without waiting: opening a pipe for
// reading would block until a writer comes.
FileReadResult ReadFileBytes(const std::string& path, std::size_t maxBytes);

struct FileWriteResult {
    enum Status {
        WRITTEN,
        OPEN_FAILED,  // the file could be neither replaced nor opened for writing, or is no regular file
        WRITE_FAILED, // writing, flushing or renaming failed; the target keeps its old content
    };
    Status status = WRITTEN;
    std::string reason;   // the system's reason, e.g. "No space left on device"
    std::string message;  // the whole sentence to show, naming the file
    bool inPlace = false; // written into the existing file, not replaced
    bool ok() const { return status == WRITTEN; }
};

// Writes the bytes safely. Normally to a temporary file beside the target,
// flushed to disk and renamed over it, so the target holds either its old or
// its new content; the temporary name is cut to fit where the target's name is
// long. A symbolic link is followed: the file it points to is written and the
// link stays. An existing target keeps its permission bits, and its owner and
// group where the writer may give them; a new one gets 0644. A target that exists and is not a regular file
// is refused. When no temporary file can be made because the folder may not be written, but the target exists
// and may be, the bytes are written into the target itself, every write checked.
FileWriteResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

// The backup rule of Save, for whatever replaces a file: when path is a regular
// file, its present content is written (safely) to path + ".bak", which takes the
// file's mode, owner and group as the writer may give them. When path is missing
// or no regular file, whenMissing goes to the backup instead (the editor gives the
// content the file had when it was read); when that is empty there is nothing to
// keep, and the call succeeds. A file that cannot be read, or is larger than
// MAX_BACKUP_BYTES, fails with the message.
inline constexpr std::size_t MAX_BACKUP_BYTES = 64u << 20;
FileWriteResult WriteBackupOf(const std::string& path, std::span<const std::uint8_t> whenMissing = {});

} // namespace vormante
