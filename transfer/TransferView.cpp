#include "TransferView.h"

#include "model/ImageFile.h"

#include <QFile>

#include <cstdint>
#include <span>

namespace vormante {

bool TransferView::SaveImage(const QString& path, const QByteArray& image, QString* error) {
    return SaveBytesAtomically(path, image, error);
}

bool SaveBytesAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    const FileWriteResult written =
        WriteFileSafely(QFile::encodeName(path).toStdString(),
                        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size())));
    if (!written.ok() && error)
        *error = QString::fromLocal8Bit(written.reason);
    return written.ok();
}

} // namespace vormante
