#include "views/lists/ArchiveCommands.h"

#include "document/Document.h"

#include <algorithm>
#include <span>

namespace vormante {

ArchiveCommands::ArchiveCommands(Document& document, std::function<bool()> confirmLeave)
    : document_(document), confirmLeave_(std::move(confirmLeave)) {}

bool ArchiveCommands::OpenImage(const QByteArray& image, QString* error) {
    if (confirmLeave_ && !confirmLeave_())
        return false;
    const LoadResult loaded =
        document_.Open(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()),
                                 static_cast<std::size_t>(image.size())),
                       QString());
    if (!loaded.ok)
        *error = QString::fromStdString(loaded.error);
    return loaded.ok;
}

bool ArchiveCommands::RestoreImage(const QString& stepName, const QByteArray& image) {
    if (image.size() != static_cast<qsizetype>(IMAGE_SIZE))
        return false;
    return document_.Apply(stepName, [&image](ChannelDatabase& db) {
        std::copy_n(reinterpret_cast<const std::uint8_t*>(image.constData()), IMAGE_SIZE,
                    db.workingCopy().begin());
    });
}

} // namespace vormante
