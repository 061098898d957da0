#include "ArchiveKeeper.h"

#include "document/FileAccess.h"
#include "model/ImageLayout.h"

#include <QCoreApplication>
#include <QDir>
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
        return QCoreApplication::translate("ArchiveKeeper", "the received image");
    case ArchiveKind::Sent:
        return QCoreApplication::translate("ArchiveKeeper", "the sent image");
    case ArchiveKind::BeforeSave:
        return QCoreApplication::translate("ArchiveKeeper", "the file content before saving");
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
                //: %1 is what was to be kept, e.g. "the received image"; %2 the reason
                QCoreApplication::translate(
                    "ArchiveKeeper",
                    "The archive could not keep %1: %2. Transfers and saves go on without it.")
                    .arg(KindPhrase(kind), added.error));
        Keeper().failureTold = true;
        return false;
    }
    Keeper().failureTold = false;
    if (!added.warning.isEmpty())
        //: %1 is what was kept, e.g. "the received image"; %2 what went wrong
        Tell(QCoreApplication::translate("ArchiveKeeper", "The archive kept %1, but %2.")
                 .arg(KindPhrase(kind), added.warning));
    if (!added.dropped.isEmpty())
        Tell(DroppedText(added.dropped, added.limit));
    return true;
}

void KeepFileBeforeSaving(const QString& path) {
    const FileReadResult read = files::Read(path, IMAGE_SIZE);
    if (!read.ok || read.bytes.size() != IMAGE_SIZE)
        return;
    Keep(ArchiveKind::BeforeSave, files::ToByteArray(read), QFileInfo(path).absoluteFilePath(), QString());
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
    // Each a whole phrase, with and without the place, so a language orders it as it needs.
    static const char* const phrases[][2] = {
        //: %1 is the date and time
        {QT_TRANSLATE_NOOP("ArchiveKeeper", "the image received on %1"),
         //: %1 is the date and time, %2 the serial port
         QT_TRANSLATE_NOOP("ArchiveKeeper", "the image received on %1 from %2")},
        //: %1 is the date and time
        {QT_TRANSLATE_NOOP("ArchiveKeeper", "the image sent on %1"),
         //: %1 is the date and time, %2 the file sent
         QT_TRANSLATE_NOOP("ArchiveKeeper", "the image sent on %1 to %2")},
        //: %1 is the date and time
        {QT_TRANSLATE_NOOP("ArchiveKeeper", "the copy from before saving on %1"),
         //: %1 is the date and time, %2 the file's name
         QT_TRANSLATE_NOOP("ArchiveKeeper", "the copy from before saving on %1 (%2)")},
    };
    const int kind = entry.kind == ArchiveKind::Received ? 0 : entry.kind == ArchiveKind::Sent ? 1 : 2;
    QString place = ShownPlace(entry);
    if (entry.kind == ArchiveKind::BeforeSave && !place.isEmpty())
        place = QFileInfo(place).fileName();
    const QString phrase =
        QCoreApplication::translate("ArchiveKeeper", phrases[kind][place.isEmpty() ? 0 : 1]);
    return place.isEmpty() ? phrase.arg(ShownTime(entry)) : phrase.arg(ShownTime(entry), place);
}

QString DroppedText(const QList<ArchiveEntry>& dropped, int limit) {
    if (dropped.isEmpty())
        return QString();
    if (dropped.size() == 1)
        //: %1 is the archive's bound, %2 the image removed, e.g. "the image sent on ..."
        return QCoreApplication::translate("ArchiveKeeper",
                                           "The archive keeps at most %1 images: %2 was removed.")
            .arg(QString::number(limit), Describe(dropped.first()));
    //: %1 is the archive's bound, %2 how many were removed, %3 the newest of them, e.g. "the image sent on
    //: ..."
    return QCoreApplication::translate(
               "ArchiveKeeper",
               "The archive keeps at most %1 images: %2 images were removed, the newest of them %3.")
        .arg(QString::number(limit), QString::number(dropped.size()), Describe(dropped.last()));
}

} // namespace vormante::archiving
