#include "ImageFileIO.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace imagefileio {

ReadResult ReadFileLimited(const QString& path, std::size_t maxBytes) {
    ReadResult result;
    const QFileInfo info(path);
    // Opening a pipe would wait for a writer forever, and a device may never end.
    if (info.exists() && !info.isFile()) {
        result.error = QStringLiteral("%1 is not a regular file.").arg(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.opened = true;
    result.bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        result.opened = false;
        result.error = file.errorString();
        result.bytes.clear();
    }
    return result;
}

WriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {WriteResult::OpenFailed, QStringLiteral("%1 is not a regular file").arg(path)};

    QSaveFile file(path);
    // Unbuffered, so a failing write reports the system's reason (a full disk) at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {WriteResult::OpenFailed, file.errorString()};
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        // Qt loses the reason of a short write (a full disk); errno still has it.
        const QString reason = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        file.cancelWriting();
        return {WriteResult::WriteFailed, reason};
    }
    if (!file.commit())
        return {WriteResult::WriteFailed, file.errorString()};
    return {};
}

} // namespace imagefileio
