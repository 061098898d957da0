#include "TransferView.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vormante {

bool TransferView::SaveImage(const QString& path, const QByteArray& image, QString* error) {
    return SaveBytesAtomically(path, image, error);
}

bool SaveBytesAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return fail(QStringLiteral("it is not a regular file"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace vormante
