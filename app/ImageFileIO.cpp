#include "ImageFileIO.h"

#include "model/ImageFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <span>

namespace vormante {

namespace imagefileio {

ReadResult ReadFileLimited(const QString& path, std::size_t maxBytes) {
    ReadResult result;
    const QFileInfo info(path);
    // Opening a pipe would wait for a writer forever, and a device may never end.
    if (info.exists() && !info.isFile()) {
        result.error = QCoreApplication::translate("ImageFileIO", "%1 is not a regular file.").arg(path);
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
    const vormante::FileWriteResult written =
        vormante::WriteFileSafely(QFile::encodeName(path).toStdString(),
                                  std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                            static_cast<std::size_t>(bytes.size())));
    switch (written.status) {
    case vormante::FileWriteResult::WRITTEN:
        return {WriteResult::WRITTEN, {}, written.inPlace};
    case vormante::FileWriteResult::OPEN_FAILED:
        return {WriteResult::OPEN_FAILED, QString::fromLocal8Bit(written.reason), written.inPlace};
    case vormante::FileWriteResult::WRITE_FAILED:
        break;
    }
    return {WriteResult::WRITE_FAILED, QString::fromLocal8Bit(written.reason), written.inPlace};
}

} // namespace imagefileio

} // namespace vormante
