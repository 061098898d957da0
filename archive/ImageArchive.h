// The archive of images: every image received from the receiver, every image
// sent to it and every file content a save replaced, kept as files in one
// folder with an index (see ArchiveIndex.h). Qt Core only, so the editor, the
// transfer window and vormante-cli share it.
//
// - Identical content is stored once: a second entry with the same bytes refers
//   to the file the first one stored.
// - The archive is bounded (ArchiveIndex::DEFAULT_LIMIT entries unless set
//   otherwise). Past the bound the oldest "before-save" entries go first, then
//   the oldest sent ones, received ones last; the entry just added never goes.
//   Every entry dropped is returned so the caller can say so.
// - Several programs may write at once: every change takes a lock (flock on a file
//   that stays in the folder), reads
//   the index afresh, and replaces it atomically through the model's safe writer.
// - Whatever the folder holds, it opens: foreign files are left alone, a damaged
//   index is rebuilt from the image files' names, entries whose files are gone
//   are dropped from the index, files the index does not name are taken in, and
//   a file that is not a whole image is listed as damaged and never read as one.
#pragma once

#include "ArchiveIndex.h"
#include "model/ChannelDatabase.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace vormante {

class ImageArchive {
public:
    // The folder of the user's archive: "vormante/archive" in the user's data folder
    // (the editor's QStandardPaths::AppDataLocation, which follows XDG_DATA_HOME).
    static QString DefaultFolder();

    explicit ImageArchive(QString folder = DefaultFolder());

    const QString& folder() const { return folder_; }

    struct Listing {
        QList<ArchiveEntry> entries; // newest first
        int limit = ArchiveIndex::DEFAULT_LIMIT;
        QString problem; // a repair that could not be written, or a folder that cannot be read
    };
    // What the archive holds. Repairs the index where it disagrees with the folder.
    Listing List();

    struct AddResult {
        bool ok = false;
        QString error;                           // why nothing was kept
        ArchiveEntry entry;                      // the new entry
        bool storedNew = false;                  // false: identical content was there already
        QList<ArchiveEntry> dropped;             // entries the bound removed
        int limit = ArchiveIndex::DEFAULT_LIMIT; // the bound
        QString warning;                         // the image was kept but something else failed
    };
    // Keeps a whole image (IMAGE_SIZE bytes; anything else is refused). file and port
    // say where it came from or went to, as far as known.
    AddResult Add(ArchiveKind kind, const QByteArray& image, const QString& file = QString(),
                  const QString& port = QString(), const QDateTime& when = QDateTime::currentDateTimeUtc());

    // The image of an entry. A damaged entry, or a file that is no longer a whole
    // image, is refused with a message.
    bool Read(const QString& id, QByteArray* image, QString* error);
    // Removes an entry, and its file when no other entry refers to it.
    bool Remove(const QString& id, QString* error);
    // Sets the bound when limit > 0 and removes the entries past it.
    bool Prune(int limit, QList<ArchiveEntry>* dropped, QString* error);

    // The stored file of an entry.
    QString PathOf(const ArchiveEntry& entry) const;

private:
    struct State;
    void LoadState(State* state);
    bool WriteIndex(const ArchiveIndex& index, QString* error);
    QString UniqueStem(const ArchiveIndex& index, const QDateTime& when, ArchiveKind kind) const;
    // The file of an entry with the same content, when there is one; else empty.
    QString SharedFile(const ArchiveIndex& index, const QByteArray& sha256, const QByteArray& image) const;
    // These take entries out of the index and return the files no entry refers to any
    // more, which RemoveFiles deletes once the change is safe (the new image on disk, or
    // the index written).
    QStringList EnforceLimit(ArchiveIndex& index, const QString& keepId, QList<ArchiveEntry>* dropped);
    QStringList RemoveEntryAt(ArchiveIndex& index, int position);
    void RemoveFiles(const QStringList& names);

    QString folder_;
};

// The counts an entry shows, read from a whole image.
void CountArchivedImage(const QByteArray& image, ArchiveEntry* entry);

// Image bytes (archived, sent or received) loaded for a comparison or a check, with
// their record pointers built.
std::unique_ptr<ChannelDatabase> LoadedImage(const QByteArray& image);

} // namespace vormante
