#include "ImageArchive.h"

#include "document/FileAccess.h"
#include "model/ChannelDatabase.h"
#include "model/ChannelSearch.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <span>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vormante {

namespace {

const QString INDEX_NAME = QStringLiteral("index.json");
const QString LOCK_NAME = QStringLiteral("index.lock");
// Far more than the index of the largest archive takes (a few hundred bytes an entry).
constexpr std::size_t MAX_INDEX_BYTES = 16u << 20;

// Another writer holds the lock for one image write at a time.
constexpr int LOCK_WAIT_MS = 5000;

QByteArray Sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Reads at most one byte more than an image, without blocking on anything odd.
QByteArray ReadStored(const QString& path, QString* error) {
    const FileReadResult read = files::Read(path, IMAGE_SIZE);
    if (!read.ok) {
        if (error)
            *error = files::Text(read.error);
        return {};
    }
    return files::ToByteArray(read);
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
    const FileWriteResult written = files::Write(path, files::BytesOf(bytes));
    if (!written.ok() && error)
        *error = files::Text(written.message);
    return written.ok();
}

// The order in which the bound removes entries: before-save copies, then sent, then received.
int DropRank(ArchiveKind kind) {
    switch (kind) {
    case ArchiveKind::BeforeSave:
        return 0;
    case ArchiveKind::Sent:
        return 1;
    case ArchiveKind::Received:
        return 2;
    }
    return 2;
}

// The index last read or written, by its bytes: each image kept rereads the index (another
// program may have changed it), but parses it only when its bytes are new.
struct IndexCache {
    QMutex mutex;
    QString path;
    QByteArray bytes;
    ArchiveIndex index;
    bool parsed = false;
};

IndexCache& Cache() {
    static IndexCache cache;
    return cache;
}

bool ReadIndex(const QString& path, ArchiveIndex* index) {
    // An index larger than any the archive writes is not read: the index is rebuilt from the images.
    const FileReadResult read = files::Read(path, MAX_INDEX_BYTES);
    if (!read.ok || read.bytes.size() > MAX_INDEX_BYTES)
        return false;
    const QByteArray bytes = files::ToByteArray(read);
    IndexCache& cache = Cache();
    const QMutexLocker lock(&cache.mutex);
    if (cache.path != path || cache.bytes != bytes) {
        ArchiveIndex parsed;
        cache.parsed = ParseArchiveIndex(bytes, &parsed);
        cache.path = path;
        cache.bytes = bytes;
        cache.index = parsed;
    }
    if (cache.parsed)
        *index = cache.index;
    return cache.parsed;
}

void RememberIndex(const QString& path, const QByteArray& bytes, const ArchiveIndex& index) {
    IndexCache& cache = Cache();
    const QMutexLocker lock(&cache.mutex);
    cache.path = path;
    cache.bytes = bytes;
    cache.index = index;
    cache.parsed = true;
}

// The regular files of a folder by name, with their sizes. POSIX calls: the archive is
// listed each time an image is kept, and QFileInfo costs several times as much per file.
QHash<QString, qint64> RegularFileSizes(const QString& folder) {
    QHash<QString, qint64> sizes;
    DIR* dir = ::opendir(files::NativePath(folder).c_str());
    if (!dir)
        return sizes;
    const int descriptor = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info {};
        if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN)
            continue;
        if (::fstatat(descriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            sizes.insert(QFile::decodeName(entry->d_name), static_cast<qint64>(info.st_size));
    }
    ::closedir(dir);
    return sizes;
}

// An advisory lock on a file that stays in the folder: the kernel lets it go when its
// holder ends, however it ends, so no lock is ever stale, and taking it creates and
// deletes nothing (file creations cost milliseconds on some disks).
class IndexLock {
public:
    explicit IndexLock(const QString& folder) {
        descriptor_ = ::open(files::NativePath(QDir(folder).filePath(LOCK_NAME)).c_str(),
                             O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (descriptor_ < 0)
            return;
        QElapsedTimer waited;
        waited.start();
        while (!(held = ::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) && errno == EWOULDBLOCK &&
               waited.elapsed() < LOCK_WAIT_MS)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ~IndexLock() {
        if (descriptor_ >= 0)
            ::close(descriptor_); // and with it the lock
    }
    IndexLock(const IndexLock&) = delete;
    IndexLock& operator=(const IndexLock&) = delete;
    bool held = false;

private:
    int descriptor_ = -1;
};

} // namespace

std::unique_ptr<ChannelDatabase> LoadedImage(const QByteArray& image) {
    auto db = std::make_unique<ChannelDatabase>();
    db->Load(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()),
                       static_cast<std::size_t>(image.size())));
    db->BuildRecordPointers();
    return db;
}

void CountArchivedImage(const QByteArray& image, ArchiveEntry* entry) {
    entry->bytes = image.size();
    entry->damaged = image.size() != static_cast<qsizetype>(IMAGE_SIZE);
    entry->satellites = entry->transponders = entry->channels = -1;
    if (entry->damaged)
        return;
    auto db = std::make_unique<ChannelDatabase>();
    if (!db->Load(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()), IMAGE_SIZE)).ok)
        return;
    db->BuildRecordPointers();
    const ImageStatistics figures = CountImage(*db);
    entry->satellites = figures.satellites;
    entry->transponders = figures.transponders;
    entry->channels = figures.channels;
}

struct ImageArchive::State {
    ArchiveIndex index;
    bool changed = false; // the index on disk does not say what the folder holds
    QString problem;
};

QString ImageArchive::DefaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("vormante/archive"));
}

ImageArchive::ImageArchive(QString folder) : folder_(std::move(folder)) {}

QString ImageArchive::PathOf(const ArchiveEntry& entry) const {
    return QDir(folder_).filePath(entry.storedName);
}

void ImageArchive::LoadState(State* state) {
    const QDir dir(folder_);
    const QString indexPath = dir.filePath(INDEX_NAME);
    if (QFileInfo::exists(indexPath))
        state->changed = !ReadIndex(indexPath, &state->index); // rebuilt from the files below
    const QHash<QString, qint64> sizes = RegularFileSizes(folder_);

    // Entries whose files are gone cannot be shown; duplicate ids get new ones.
    QSet<QString> ids;
    QSet<QString> referenced;
    QList<ArchiveEntry> kept;
    for (ArchiveEntry entry : state->index.entries) {
        const auto size = sizes.constFind(entry.storedName);
        if (size == sizes.constEnd()) {
            state->changed = true;
            continue;
        }
        if (ids.contains(entry.id)) {
            entry.id = UniqueStem(ArchiveIndex{0, kept}, entry.time, entry.kind);
            state->changed = true;
        }
        entry.bytes = *size;
        entry.damaged = *size != static_cast<qint64>(IMAGE_SIZE);
        ids.insert(entry.id);
        referenced.insert(entry.storedName);
        kept.append(entry);
    }
    // Image files the index does not name (an index rebuilt, a writer that found the
    // archive busy) are taken in; files of names the archive never makes are foreign.
    for (auto it = sizes.constBegin(); it != sizes.constEnd(); ++it) {
        if (referenced.contains(it.key()) || !it.key().endsWith(QLatin1String(".bin")))
            continue;
        const std::optional<ParsedStem> parsed = ParseArchiveFileName(it.key());
        if (!parsed)
            continue;
        ArchiveEntry entry;
        entry.storedName = it.key();
        entry.kind = parsed->kind;
        entry.time = parsed->time.toUTC();
        const QString stem = it.key().chopped(4);
        entry.id = ids.contains(stem) ? UniqueStem(ArchiveIndex{0, kept}, entry.time, entry.kind) : stem;
        const QByteArray bytes = ReadStored(dir.filePath(it.key()), nullptr);
        CountArchivedImage(bytes, &entry);
        entry.bytes = it.value();
        entry.damaged = entry.damaged || it.value() != static_cast<qint64>(IMAGE_SIZE);
        entry.sha256 = Sha256(bytes);
        ids.insert(entry.id);
        kept.append(entry);
        state->changed = true;
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const ArchiveEntry& a, const ArchiveEntry& b) { return a.time < b.time; });
    state->index.entries = kept;
}

bool ImageArchive::WriteIndex(const ArchiveIndex& index, QString* error) {
    const QString path = QDir(folder_).filePath(INDEX_NAME);
    const QByteArray bytes = SerializeArchiveIndex(index);
    if (!WriteBytes(path, bytes, error))
        return false;
    RememberIndex(path, bytes, index);
    return true;
}

ImageArchive::Listing ImageArchive::List() {
    Listing listing;
    State state;
    if (!QFileInfo(folder_).isDir())
        return listing;
    LoadState(&state);
    if (state.changed) {
        // Repair under the lock, from a fresh look: another writer may be half-way.
        IndexLock lock(folder_);
        State fresh;
        LoadState(&fresh);
        if (lock.held && fresh.changed && !WriteIndex(fresh.index, &listing.problem))
            //: %1 is the reason
            listing.problem =
                QCoreApplication::translate("ImageArchive", "The archive's index could not be repaired: %1")
                    .arg(listing.problem);
        state = fresh;
    }
    listing.limit = state.index.limit;
    listing.entries = state.index.entries;
    std::reverse(listing.entries.begin(), listing.entries.end());
    return listing;
}

QString ImageArchive::UniqueStem(const ArchiveIndex& index, const QDateTime& when, ArchiveKind kind) const {
    const QString base = ArchiveStem(when, kind);
    const QDir dir(folder_);
    auto taken = [&](const QString& stem) {
        if (dir.exists(stem + QStringLiteral(".bin")))
            return true;
        return std::any_of(index.entries.begin(), index.entries.end(),
                           [&](const ArchiveEntry& entry) { return entry.id == stem; });
    };
    QString stem = base;
    for (int n = 2; taken(stem); ++n)
        stem = base + QStringLiteral("-%1").arg(n);
    return stem;
}

QString ImageArchive::SharedFile(const ArchiveIndex& index, const QByteArray& sha256,
                                 const QByteArray& image) const {
    // Identical content stored before is used again, once its file is seen to hold it still.
    for (const ArchiveEntry& other : index.entries) {
        if (other.sha256 == sha256 && !other.damaged && ReadStored(PathOf(other), nullptr) == image)
            return other.storedName;
    }
    return QString();
}

ImageArchive::AddResult ImageArchive::Add(ArchiveKind kind, const QByteArray& image, const QString& file,
                                          const QString& port, const QDateTime& when) {
    AddResult result;
    if (image.size() != static_cast<qsizetype>(IMAGE_SIZE)) {
        //: %1 is the file's size
        result.error = QCoreApplication::translate("ImageArchive", "it is not a whole image (%1 bytes)")
                           .arg(image.size());
        return result;
    }
    if (!QDir().mkpath(folder_)) {
        //: %1 is the folder
        result.error = QCoreApplication::translate("ImageArchive", "the folder %1 cannot be made")
                           .arg(QDir::toNativeSeparators(folder_));
        return result;
    }
    IndexLock lock(folder_);
    State state;
    LoadState(&state);

    ArchiveEntry& entry = result.entry;
    entry.kind = kind;
    entry.time = when.toUTC();
    entry.file = file;
    entry.port = port;
    entry.id = UniqueStem(state.index, entry.time, kind);
    entry.sha256 = Sha256(image);
    CountArchivedImage(image, &entry);
    // Without the lock the image gets a file of its own, which the next look takes in.
    entry.storedName = lock.held ? SharedFile(state.index, entry.sha256, image) : QString();
    result.storedNew = entry.storedName.isEmpty();
    if (result.storedNew)
        entry.storedName = entry.id + QStringLiteral(".bin");
    const QString imagePath = QDir(folder_).filePath(entry.storedName);
    if (!lock.held) {
        result.ok = WriteBytes(imagePath, image, &result.error);
        // The image is kept; the next look at the archive takes it into the index.
        result.warning = QCoreApplication::translate("ImageArchive",
                                                     "the archive is busy; its index lists the image later");
        return result;
    }

    // The image and the index go to disk side by side: each write waits for the disk to
    // confirm it, and two such waits at once take about as long as one.
    // The files the bound frees go once the new image is safe: in the writer's stride.
    const ArchiveIndex before = state.index;
    state.index.entries.append(entry);
    result.limit = state.index.limit;
    const QStringList unused = EnforceLimit(state.index, entry.id, &result.dropped);
    bool imageWritten = true;
    std::thread imageWriter;
    if (result.storedNew)
        imageWriter = std::thread([&] {
            imageWritten = WriteBytes(imagePath, image, &result.error);
            if (imageWritten)
                RemoveFiles(unused);
        });
    QString error;
    const bool indexed = WriteIndex(state.index, &error);
    if (imageWriter.joinable())
        imageWriter.join();
    if (!imageWritten) {
        // Nothing was kept: the index goes back to what it was, and no entry was dropped.
        if (indexed)
            WriteIndex(before, &error);
        result.dropped.clear();
        return result;
    }
    result.ok = true;
    if (!indexed)
        //: %1 is the reason
        result.warning =
            QCoreApplication::translate("ImageArchive", "the archive's index could not be written: %1")
                .arg(error);
    else if (!result.storedNew)
        RemoveFiles(unused);
    return result;
}

QStringList ImageArchive::EnforceLimit(ArchiveIndex& index, const QString& keepId,
                                       QList<ArchiveEntry>* dropped) {
    QStringList unused;
    while (index.entries.size() > index.limit) {
        int victim = -1;
        for (int i = 0; i < index.entries.size(); ++i) {
            const ArchiveEntry& entry = index.entries[i];
            if (entry.id == keepId)
                continue;
            // Entries are oldest first: the first of the lowest rank is the oldest of it.
            if (victim < 0 || DropRank(entry.kind) < DropRank(index.entries[victim].kind))
                victim = i;
        }
        if (victim < 0)
            break;
        if (dropped)
            dropped->append(index.entries[victim]);
        unused += RemoveEntryAt(index, victim);
    }
    return unused;
}

QStringList ImageArchive::RemoveEntryAt(ArchiveIndex& index, int position) {
    const QString stored = index.entries[position].storedName;
    index.entries.removeAt(position);
    const bool shared = std::any_of(index.entries.begin(), index.entries.end(),
                                    [&](const ArchiveEntry& entry) { return entry.storedName == stored; });
    return shared ? QStringList() : QStringList{stored};
}

void ImageArchive::RemoveFiles(const QStringList& names) {
    // Only once the new image is safe: a file a failure leaves behind is taken in again.
    for (const QString& name : names)
        QFile::remove(QDir(folder_).filePath(name));
}

bool ImageArchive::Read(const QString& id, QByteArray* image, QString* error) {
    const Listing listing = List();
    const auto entry = std::find_if(listing.entries.begin(), listing.entries.end(),
                                    [&](const ArchiveEntry& candidate) { return candidate.id == id; });
    if (entry == listing.entries.end()) {
        //: %1 is the image's name in the archive
        *error = QCoreApplication::translate("ImageArchive", "the archive holds no image %1").arg(id);
        return false;
    }
    QString why;
    const QByteArray bytes = ReadStored(PathOf(*entry), &why);
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }
    if (entry->damaged || bytes.size() != static_cast<qsizetype>(IMAGE_SIZE)) {
        //: %1 is the image's name in the archive, %2 its file, %3 an image's size
        *error = QCoreApplication::translate(
                     "ImageArchive",
                     "the archived image %1 is damaged: its file %2 is not a whole image of %3 bytes")
                     .arg(id, QDir::toNativeSeparators(PathOf(*entry)), QString::number(IMAGE_SIZE));
        return false;
    }
    *image = bytes;
    return true;
}

bool ImageArchive::Remove(const QString& id, QString* error) {
    IndexLock lock(folder_);
    if (!lock.held) {
        *error = QCoreApplication::translate("ImageArchive", "the archive is busy; try again");
        return false;
    }
    State state;
    LoadState(&state);
    for (int i = 0; i < state.index.entries.size(); ++i) {
        if (state.index.entries[i].id != id)
            continue;
        const QStringList unused = RemoveEntryAt(state.index, i);
        if (!WriteIndex(state.index, error))
            return false;
        RemoveFiles(unused);
        return true;
    }
    //: %1 is the image's name in the archive
    *error = QCoreApplication::translate("ImageArchive", "the archive holds no image %1").arg(id);
    return false;
}

bool ImageArchive::Prune(int limit, QList<ArchiveEntry>* dropped, QString* error) {
    if (!QFileInfo(folder_).isDir() && limit <= 0)
        return true;
    if (!QDir().mkpath(folder_)) {
        //: %1 is the folder
        *error = QCoreApplication::translate("ImageArchive", "the folder %1 cannot be made")
                     .arg(QDir::toNativeSeparators(folder_));
        return false;
    }
    IndexLock lock(folder_);
    if (!lock.held) {
        *error = QCoreApplication::translate("ImageArchive", "the archive is busy; try again");
        return false;
    }
    State state;
    LoadState(&state);
    if (limit > 0)
        state.index.limit = limit;
    const QStringList unused = EnforceLimit(state.index, QString(), dropped);
    if (!WriteIndex(state.index, error))
        return false;
    RemoveFiles(unused);
    return true;
}

} // namespace vormante
