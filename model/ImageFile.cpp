#include "ImageFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormante {

namespace {
std::string SystemError(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\": " + std::strerror(errno);
}
} // namespace

FileReadResult ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    FileReadResult result;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        result.error = SystemError("Cannot open", path);
        return result;
    }
    result.bytes.resize(maxBytes + 1);
    const std::size_t got = std::fread(result.bytes.data(), 1, result.bytes.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        result.error = SystemError("Cannot read", path);
        result.bytes.clear();
        return result;
    }
    result.bytes.resize(got);
    result.ok = true;
    return result;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error) {
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) {
        // Renaming over a device or folder would replace it instead of writing into it.
        if (error)
            *error = "Cannot write \"" + path + "\": it is not a regular file";
        return false;
    }
    const std::string temporary = path + ".tmp-XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        if (error)
            *error = SystemError("Cannot create a file beside", path);
        return false;
    }
    ::fchmod(fd, 0644); // mkstemp creates 0600; an image file is an ordinary document
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    const bool written = done == bytes.size() && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(name.data(), path.c_str()) != 0) {
        if (written && closed)
            errno = errno ? errno : savedErrno;
        else
            errno = savedErrno ? savedErrno : EIO;
        if (error)
            *error = SystemError("Cannot write", path);
        ::unlink(name.data());
        return false;
    }
    return true;
}

} // namespace vormante
