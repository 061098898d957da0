#include "TransferView.h"

#include "document/FileAccess.h"

namespace vormante {

bool TransferView::SaveImage(const QString& path, const QByteArray& image, QString* error) {
    const FileWriteResult written = files::Write(path, files::BytesOf(image));
    if (!written.ok() && error)
        *error = files::Text(written.reason);
    return written.ok();
}

} // namespace vormante
