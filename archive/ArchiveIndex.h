// The archive's entries and its index file: one JSON document listing, oldest
// first, every image the archive keeps, what it was and where it came from or
// went to. The image files are the truth and the index a record of them: an
// index that cannot be read is rebuilt from the files' names.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace vormante {

enum class ArchiveKind {
    Received,   // as it came from the receiver
    Sent,       // as it went to the receiver
    BeforeSave, // a file's content just before a save replaced it
};

// "received", "sent", "before-save": the name in files, the index and on the command line.
QString ArchiveKindName(ArchiveKind kind);
std::optional<ArchiveKind> ArchiveKindFromName(const QString& name);

struct ArchiveEntry {
    QString id;     // unique in the archive, e.g. "2026-12-09_183005_received"
    QDateTime time; // when it was archived, in UTC
    ArchiveKind kind = ArchiveKind::Received;
    QString file;        // before-save: the file saved over; sent: the file sent; else empty
    QString port;        // received and sent: the serial port; else empty
    QString storedName;  // the image file in the archive folder, shared by entries of identical content
    QByteArray sha256;   // of the content, in hex
    int satellites = -1; // -1 where unknown (a damaged file)
    int transponders = -1;
    int channels = -1;
    qint64 bytes = 0;     // size of the stored file
    bool damaged = false; // the stored file is not a whole image: listed, never opened
};

struct ArchiveIndex {
    static constexpr int DEFAULT_LIMIT = 500;
    int limit = DEFAULT_LIMIT;
    QList<ArchiveEntry> entries; // oldest first
};

// Parses an index; false (and the index untouched) when the text is no index.
// Entries that lack what every entry needs are skipped.
bool ParseArchiveIndex(const QByteArray& json, ArchiveIndex* index);
QByteArray SerializeArchiveIndex(const ArchiveIndex& index);

// The file name stem of an image archived at `time` (local time in the name):
// "2026-12-09_183005_received".
QString ArchiveStem(const QDateTime& time, ArchiveKind kind);
// Reads the time (local) and kind back from a stored file's name, with or without a
// "-N" suffix and the ".bin" ending. Nothing for names the archive did not make.
struct ParsedStem {
    QDateTime time;
    ArchiveKind kind;
};
std::optional<ParsedStem> ParseArchiveFileName(const QString& fileName);

} // namespace vormante
