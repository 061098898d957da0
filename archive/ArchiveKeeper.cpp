#include "ArchiveKeeper.h"

#include "model/ImageFile.h"
#include "model/ImageLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iostream>

namespace vormante::archiving {

namespace {

struct KeeperState {
    Reporter reporter;
    bool failureTold = false; // told once until the archive works again
};

KeeperState& Keeper() {
    static KeeperState state;
    return state;
}

void Tell(const QString& text) {
    if (Keeper().reporter)
        Keeper().reporter(text);
    else
        std::cerr << "vormante: " << text.toStdString() << std::endl;
}

QString KindPhrase(ArchiveKind kind) {
    switch (kind) {
    case ArchiveKind::Received:
        return QStringLiteral("received image");
    case ArchiveKind::Sent:
        return QStringLiteral("sent image");
    case ArchiveKind::BeforeSave:
        return QStringLiteral("file content before saving");
    }
    return QString();
}

} // namespace

void SetReporter(Reporter reporter) {
    Keeper().reporter = std::move(reporter);
    Keeper().failureTold = false;
}

bool Keep(ArchiveKind kind, const QByteArray& image, const QString& file, const QString& port) {
    ImageArchive archive;
    const ImageArchive::AddResult added = archive.Add(kind, image, file, port);
    if (!added.ok) {
        if (!Keeper().failureTold)
            Tell(
                QStringLiteral("The archive could not keep the %1: %2. Transfers and saves go on without it.")
                    .arg(KindPhrase(kind), added.error));
        Keeper().failureTold = true;
        return false;
    }
    Keeper().failureTold = false;
    if (!added.warning.isEmpty())
        Tell(QStringLiteral("The archive kept the %1, but %2.").arg(KindPhrase(kind), added.warning));
    if (!added.dropped.isEmpty())
        Tell(DroppedText(added.dropped, added.limit));
    return true;
}

void KeepFileBeforeSaving(const QString& path) {
    const FileReadResult read = ReadFileBytes(QFile::encodeName(path).toStdString(), IMAGE_SIZE);
    if (!read.ok || read.bytes.size() != IMAGE_SIZE)
        return;
    Keep(ArchiveKind::BeforeSave,
         QByteArray(reinterpret_cast<const char*>(read.bytes.data()),
                    static_cast<qsizetype>(read.bytes.size())),
         QFileInfo(path).absoluteFilePath(), QString());
}

QString ShownTime(const ArchiveEntry& entry) {
    return entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ShownPlace(const ArchiveEntry& entry) {
    if (entry.kind == ArchiveKind::BeforeSave || entry.port.isEmpty())
        return QDir::toNativeSeparators(entry.file);
    return entry.port;
}

QString Describe(const ArchiveEntry& entry) {
    QString text;
    switch (entry.kind) {
    case ArchiveKind::Received:
        text = QStringLiteral("the image received on %1").arg(ShownTime(entry));
        break;
    case ArchiveKind::Sent:
        text = QStringLiteral("the image sent on %1").arg(ShownTime(entry));
        break;
    case ArchiveKind::BeforeSave:
        text = QStringLiteral("the copy from before saving on %1").arg(ShownTime(entry));
        break;
    }
    const QString place = ShownPlace(entry);
    if (place.isEmpty())
        return text;
    if (entry.kind == ArchiveKind::BeforeSave)
        return text + QStringLiteral(" (%1)").arg(QFileInfo(place).fileName());
    return text + (entry.kind == ArchiveKind::Received ? QStringLiteral(" from ") : QStringLiteral(" to ")) +
           place;
}

QString DroppedText(const QList<ArchiveEntry>& dropped, int limit) {
    if (dropped.isEmpty())
        return QString();
    const QString bound = QStringLiteral("The archive keeps at most %1 images").arg(limit);
    if (dropped.size() == 1)
        return QStringLiteral("%1: %2 was removed.").arg(bound, Describe(dropped.first()));
    return QStringLiteral("%1: %2 images were removed, the newest of them %3.")
        .arg(bound)
        .arg(dropped.size())
        .arg(Describe(dropped.last()));
}

} // namespace vormante::archiving
