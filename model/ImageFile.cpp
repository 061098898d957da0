#include "ImageFile.h"

#include "Texts.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormante {

namespace {

constexpr mode_t NEW_FILE_MODE = 0644; // an image file is an ordinary document
constexpr int MAX_LINK_DEPTH = 40;     // as the system's own limit for following links

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string NotRegularFile() {
    //: Why a file is refused; follows "Cannot read/write FILE: "
    return Tr("ImageFile", "it is not a regular file");
}

std::string CannotRead(const std::string& path, const std::string& reason) {
    //: %1 is the quoted file name, %2 the reason
    return FillIn(Tr("ImageFile", "Cannot read %1: %2"), {Quoted(path), reason});
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    //: %1 is the quoted file name, %2 the reason
    return FillIn(Tr("ImageFile", "Cannot write %1: %2"), {Quoted(path), reason});
}

// Writes every byte, retrying short writes; false with errno set on failure.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path names once every symbolic link on it is followed, so that
// writing replaces the file and not the link. A link to a missing file names
// that file, which is then created.
bool FollowLinks(const std::string& path, std::string* target) {
    std::string current = path;
    for (int depth = 0; depth < MAX_LINK_DEPTH; ++depth) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            *target = current; // missing or no link: the later steps report any problem
            return true;
        }
        char link[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), link, sizeof link);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof link) {
            if (n >= 0)
                errno = ENAMETOOLONG;
            return false;
        }
        std::string next(link, static_cast<std::size_t>(n));
        const std::size_t slash = current.find_last_of('/');
        if (next[0] != '/' && slash != std::string::npos)
            next = current.substr(0, slash + 1) + next;
        current = next;
    }
    errno = ELOOP;
    return false;
}

// `note` follows the system's reason; it starts with a space.
FileWriteResult Failure(FileWriteResult::Status status, const std::string& shown, int error,
                        const std::string& note = std::string()) {
    FileWriteResult result;
    result.status = status;
    result.reason = std::strerror(error) + note;
    result.message = CannotWrite(shown, result.reason);
    return result;
}

// The folder may not be written, so the file is overwritten where it is. The
// whole image is in memory already; every write is checked, and a file that
// was longer is cut to the new length.
FileWriteResult WriteInPlace(const std::string& shown, const std::string& target,
                             std::span<const std::uint8_t> bytes) {
    // Not blocking: a pipe put in the file's place since it was examined is refused, not waited on.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure(FileWriteResult::OPEN_FAILED, shown, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        FileWriteResult result;
        result.status = FileWriteResult::OPEN_FAILED;
        result.reason = NotRegularFile();
        result.message = CannotWrite(shown, result.reason);
        return result;
    }
    const bool written =
        WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed)
        return Failure(FileWriteResult::WRITE_FAILED, shown, written ? errno : writeError,
                       //: Follows the system's reason why writing failed
                       Tr("ImageFile", " (the file was being overwritten in place and may be incomplete)"));
    FileWriteResult result;
    result.inPlace = true;
    return result;
}

bool FolderRefused(int error) {
    return error == EACCES || error == EPERM;
}

// mkstemp's pattern beside the target: its name and ".tmp-XXXXXX", the name cut
// where the whole would pass the file system's limit for one name.
std::string TemporaryPattern(const std::string& target) {
    static constexpr char SUFFIX[] = ".tmp-XXXXXX";
    const std::size_t nameStart = target.find_last_of('/') + 1; // 0 when there is no slash
    const std::size_t room = NAME_MAX - (sizeof SUFFIX - 1);
    const std::size_t length = std::min(target.size() - nameStart, room);
    return target.substr(0, nameStart + length) + SUFFIX;
}

// The replacement takes the owner and group of the file it replaces where the
// writer may give them (root may; others keep at least a group they belong to),
// so that root writing a user's file does not take it from its owner.
void TakeOwnership(int fd, const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
}

} // namespace

FileReadResult ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    FileReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.reason = std::strerror(errno);
        //: %1 is the quoted file name, %2 the system's reason
        result.error = FillIn(Tr("ImageFile", "Cannot open %1: %2"), {Quoted(path), result.reason});
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.notRegularFile = true;
        result.reason = NotRegularFile();
        result.error = CannotRead(path, result.reason);
        return result;
    }
    result.bytes.resize(maxBytes + 1);
    std::size_t got = 0;
    while (got < result.bytes.size()) {
        const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.reason = std::strerror(errno);
            result.error = CannotRead(path, result.reason);
            result.bytes.clear();
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    result.bytes.resize(got);
    result.ok = true;
    return result;
}

FileWriteResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path.empty())
        return Failure(FileWriteResult::OPEN_FAILED, path, ENOENT);
    std::string target;
    if (!FollowLinks(path, &target))
        return Failure(FileWriteResult::OPEN_FAILED, path, errno);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        // Renaming over a device or folder would replace it instead of writing into it.
        FileWriteResult result;
        result.status = FileWriteResult::OPEN_FAILED;
        result.reason = NotRegularFile();
        result.message = CannotWrite(path, result.reason);
        return result;
    }
    const mode_t mode = exists ? (existing.st_mode & 07777) : NEW_FILE_MODE;

    std::string temporary = TemporaryPattern(target);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        const int error = errno;
        if (exists && FolderRefused(error))
            return WriteInPlace(path, target, bytes);
        return Failure(FileWriteResult::OPEN_FAILED, path, error);
    }
    if (exists)
        TakeOwnership(fd, existing);
    // mkstemp creates 0600; the mode is set after the owner, which may clear set-id bits.
    bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        // A sticky folder lets us create files but not replace another user's.
        if (exists && FolderRefused(error))
            return WriteInPlace(path, target, bytes);
        return Failure(FileWriteResult::WRITE_FAILED, path, error);
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return Failure(FileWriteResult::WRITE_FAILED, path, error);
    }
    return {};
}

FileWriteResult WriteBackupOf(const std::string& path, std::span<const std::uint8_t> whenMissing) {
    const std::string backup = path + ".bak";
    // Nothing on disk to keep: the write that follows reports whatever it cannot replace.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return whenMissing.empty() ? FileWriteResult{} : WriteFileSafely(backup, whenMissing);
    FileReadResult current = ReadFileBytes(path, MAX_BACKUP_BYTES);
    FileWriteResult result;
    if (!current.ok || current.bytes.size() > MAX_BACKUP_BYTES) {
        result.status = FileWriteResult::OPEN_FAILED;
        result.reason =
            current.ok ? Tr("ImageFile", "it is too large to be kept in a backup") : current.reason;
        //: %1 is the quoted file, %2 the quoted backup file, %3 the reason
        result.message = FillIn(Tr("ImageFile", "Cannot back up %1 to %2: %3"),
                                {Quoted(path), Quoted(backup), result.reason});
        return result;
    }
    result = WriteFileSafely(backup, current.bytes);
    if (!result.ok()) {
        //: %1 is the quoted file, %2 the message of the failed backup write
        result.message = FillIn(Tr("ImageFile", "Cannot back up %1: %2"), {Quoted(path), result.message});
        return result;
    }
    // The backup holds the file's content, so it is no more open to others than the file was.
    if (::chown(backup.c_str(), info.st_uid, info.st_gid) != 0)
        (void)::chown(backup.c_str(), static_cast<uid_t>(-1), info.st_gid);
    (void)::chmod(backup.c_str(), info.st_mode & 07777);
    return result;
}

} // namespace vormante
