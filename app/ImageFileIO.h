// Reading an image file and replacing a file atomically, with every failure
// explained in a text the user can act on.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace vormante {

namespace imagefileio {

struct ReadResult {
    bool opened = false; // false: the file could not be opened (or is no regular file)
    QByteArray bytes;    // at most maxBytes + 1 bytes, so a longer file shows as too long
    QString error;
};

ReadResult ReadFileLimited(const QString& path, std::size_t maxBytes);

struct WriteResult {
    enum Status { WRITTEN, OPEN_FAILED, WRITE_FAILED };
    Status status = WRITTEN;
    QString error; // the system's reason when not Written
    // Written (or failed) into the file itself: after a failure it may be incomplete.
    bool inPlace = false;
    bool ok() const { return status == WRITTEN; }
};

// Writes bytes safely with the model's file writer (see WriteFileSafely):
// replaced atomically, or written in place when only the file, not its folder,
// may be written. Symbolic links are followed; paths that exist but are no
// regular file (devices, pipes, folders) are refused rather than replaced.
WriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace imagefileio

} // namespace vormante
