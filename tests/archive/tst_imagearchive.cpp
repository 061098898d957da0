// The archive on its own: what it keeps, what the bound drops, and what it makes
// of a folder that is not as it left it.
#include "TestSupport.h"

#include "archive/ArchiveKeeper.h"
#include "archive/ImageArchive.h"
#include "model/ChannelSearch.h"
#include "model/SampleImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <thread>

using namespace vormante;

namespace {
using testsupport::WriteFile;

QByteArray Image(std::uint32_t seed) {
    return testsupport::ToByteArray(testsupport::RandomBytes(IMAGE_SIZE, seed));
}

QStringList StoredFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name);
}

ArchiveKind KindOf(QChar letter) {
    return letter == 'R'   ? ArchiveKind::Received
           : letter == 'S' ? ArchiveKind::Sent
                           : ArchiveKind::BeforeSave;
}

// "R1 S2 B1": kind letter and content seed of each entry, oldest first.
QString Kinds(const QList<ArchiveEntry>& newestFirst) {
    QString text;
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it)
        text += it->kind == ArchiveKind::Received ? 'R' : it->kind == ArchiveKind::Sent ? 'S' : 'B';
    return text;
}

enum Damage {
    FOREIGN_FILES,
    GARBAGE_INDEX,
    INDEX_NAMES_MISSING_FILES,
    WRONG_SIZE_FILE,
    INDEX_NAMES_OTHER_FILES,
    NO_INDEX
};

QDateTime At(int second) {
    return QDateTime(QDate(2026, 12, 9), QTime(18, 30, 0), Qt::UTC).addSecs(second);
}

} // namespace

class TestImageArchive : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString folder_;

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        folder_ = dir_->filePath("archive");
    }

    void keepsEveryKindAndIdenticalContentOnce() {
        ImageArchive archive(folder_);
        const std::vector<std::uint8_t> demo = BuildDemoImage();
        const QByteArray image = testsupport::ToByteArray(demo);
        const ImageArchive::AddResult received =
            archive.Add(ArchiveKind::Received, image, {}, "/dev/ttyUSB0", At(0));
        const ImageArchive::AddResult sent =
            archive.Add(ArchiveKind::Sent, image, "/x/demo.bin", "COM1", At(1));
        const ImageArchive::AddResult saved =
            archive.Add(ArchiveKind::BeforeSave, Image(1), "/x/demo.bin", {}, At(2));
        QVERIFY(received.ok && sent.ok && saved.ok);
        QVERIFY(received.storedNew);
        QVERIFY(!sent.storedNew); // the same bytes: one file for both
        QCOMPARE(StoredFiles(folder_).size(), 2);

        const ImageArchive::Listing listing = archive.List();
        QVERIFY(listing.problem.isEmpty());
        QCOMPARE(Kinds(listing.entries), QString("RSB"));
        const ArchiveEntry& first = listing.entries.last();
        QCOMPARE(first.port, QString("/dev/ttyUSB0"));
        QCOMPARE(listing.entries[1].file, QString("/x/demo.bin"));
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, demo));
        const ImageStatistics figures = CountImage(*db);
        QCOMPARE(first.satellites, figures.satellites);
        QCOMPARE(first.transponders, figures.transponders);
        QCOMPARE(first.channels, figures.channels);
        QVERIFY(first.channels > 0);

        QByteArray back;
        QString error;
        QVERIFY(archive.Read(listing.entries[1].id, &back, &error));
        QCOMPARE(back, image);
        // Removing one of the two entries keeps the file the other still needs.
        QVERIFY(archive.Remove(first.id, &error));
        QVERIFY(archive.Read(listing.entries[1].id, &back, &error));
        QCOMPARE(StoredFiles(folder_).size(), 2);
    }

    // Entries as "kind letter, content seed", oldest first; the bound; what stays.
    void boundDropsBeforeSaveFirstAndReceivedLast_data() {
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("files");
        QTest::newRow("oldest before-save first") << "B1 S2 R3 B4" << 3 << "SRB" << 3;
        QTest::newRow("then sent, never the new entry") << "R1 S2 B3" << 2 << "RB" << 2;
        QTest::newRow("received last") << "R1 R2 S3" << 2 << "RS" << 2;
        QTest::newRow("a shared file stays") << "R1 S1" << 1 << "S" << 1;
        QTest::newRow("within the bound") << "B1 B2 B3" << 3 << "BBB" << 3;
    }
    void boundDropsBeforeSaveFirstAndReceivedLast() {
        QFETCH(QString, added);
        QFETCH(int, limit);
        QFETCH(QString, kept);
        QFETCH(int, files);
        ImageArchive archive(folder_);
        QList<ArchiveEntry> dropped;
        QString error;
        QVERIFY(archive.Prune(limit, &dropped, &error));
        int second = 0;
        for (const QString& item : added.split(' ')) {
            const ImageArchive::AddResult result =
                archive.Add(KindOf(item[0]), Image(item.mid(1).toUInt()), {}, {}, At(second++));
            QVERIFY(result.ok);
            dropped += result.dropped;
        }
        const ImageArchive::Listing listing = archive.List();
        QCOMPARE(Kinds(listing.entries), kept);
        QCOMPARE(listing.limit, limit);
        QCOMPARE(int(dropped.size()), int(added.split(' ').size()) - int(kept.size()));
        QCOMPARE(StoredFiles(folder_).size(), files);
    }

    void opensAndRepairsWhateverTheFolderHolds_data() {
        QTest::addColumn<int>("damage");
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("damaged");
        QTest::newRow("foreign files") << int(FOREIGN_FILES) << 3 << 0;
        QTest::newRow("damaged index") << int(GARBAGE_INDEX) << 3 << 0;
        QTest::newRow("index names missing files") << int(INDEX_NAMES_MISSING_FILES) << 2 << 0;
        QTest::newRow("file of the wrong size") << int(WRONG_SIZE_FILE) << 3 << 1;
        QTest::newRow("index names the index and foreign files") << int(INDEX_NAMES_OTHER_FILES) << 3 << 0;
        QTest::newRow("index gone") << int(NO_INDEX) << 3 << 0;
    }
    void opensAndRepairsWhateverTheFolderHolds() {
        QFETCH(int, damage);
        QFETCH(int, listed);
        QFETCH(int, damaged);
        ImageArchive archive(folder_);
        for (int i = 0; i < 3; ++i)
            QVERIFY(archive.Add(ArchiveKind::Received, Image(10 + i), {}, "COM1", At(i)).ok);
        const QStringList images = StoredFiles(folder_);
        const QString index = QDir(folder_).filePath("index.json");
        QByteArray indexText = testsupport::ReadFile(index);
        switch (Damage(damage)) {
        case FOREIGN_FILES:
            QVERIFY(WriteFile(QDir(folder_).filePath("notes.txt"), "mine"));
            QVERIFY(WriteFile(QDir(folder_).filePath("mine.bin"), Image(99)));
            QVERIFY(QDir(folder_).mkdir("sub"));
            break;
        case GARBAGE_INDEX:
            QVERIFY(WriteFile(index, indexText.left(indexText.size() / 2)));
            break;
        case INDEX_NAMES_MISSING_FILES:
            QVERIFY(QFile::remove(QDir(folder_).filePath(images[1])));
            break;
        case WRONG_SIZE_FILE:
            QVERIFY(WriteFile(QDir(folder_).filePath(images[0]), QByteArray(1000, 'x')));
            break;
        case INDEX_NAMES_OTHER_FILES:
            QVERIFY(WriteFile(QDir(folder_).filePath("mine.bin"), Image(99)));
            indexText.replace(images[0].toUtf8(), "index.json");
            indexText.replace(images[1].toUtf8(), "mine.bin");
            QVERIFY(WriteFile(index, indexText));
            break;
        case NO_INDEX:
            QVERIFY(QFile::remove(index));
            break;
        }
        const ImageArchive::Listing listing = archive.List();
        QVERIFY2(listing.problem.isEmpty(), qPrintable(listing.problem));
        QCOMPARE(listing.entries.size(), listed);
        int damagedSeen = 0;
        for (const ArchiveEntry& entry : listing.entries) {
            QByteArray bytes;
            QString error;
            damagedSeen += entry.damaged ? 1 : 0;
            QCOMPARE(archive.Read(entry.id, &bytes, &error), !entry.damaged);
            if (entry.damaged)
                QVERIFY2(error.contains("damaged"), qPrintable(error));
        }
        QCOMPARE(damagedSeen, damaged);
        // The repair was written, and nothing the archive did not make was touched or lost.
        const QByteArray repaired = testsupport::ReadFile(index);
        QCOMPARE(archive.List().entries.size(), listed);
        QCOMPARE(testsupport::ReadFile(index), repaired);
        QVERIFY(!repaired.contains("index.json\""));
        if (damage == FOREIGN_FILES || damage == INDEX_NAMES_OTHER_FILES)
            QCOMPARE(testsupport::ReadFile(QDir(folder_).filePath("mine.bin")), Image(99));
        if (damage == FOREIGN_FILES)
            QVERIFY(QFile::exists(QDir(folder_).filePath("notes.txt")));
        // Adding more until the bound is reached never removes a foreign file.
        QList<ArchiveEntry> dropped;
        QString error;
        QVERIFY(archive.Prune(1, &dropped, &error));
        if (damage == FOREIGN_FILES || damage == INDEX_NAMES_OTHER_FILES)
            QVERIFY(QFile::exists(QDir(folder_).filePath("mine.bin")));
    }

    void twoWritersAtOnceLoseNothing() {
        constexpr int EACH = 15;
        auto writer = [this](std::uint32_t base) {
            ImageArchive archive(folder_);
            for (int i = 0; i < EACH; ++i)
                archive.Add(ArchiveKind::Sent, Image(base + i), {}, {}, At(0));
        };
        std::thread first(writer, 100);
        std::thread second(writer, 200);
        first.join();
        second.join();
        const ImageArchive::Listing listing = ImageArchive(folder_).List();
        QCOMPARE(listing.entries.size(), 2 * EACH);
        QCOMPARE(StoredFiles(folder_).size(), 2 * EACH);
        QSet<QString> ids;
        for (const ArchiveEntry& entry : listing.entries)
            ids.insert(entry.id);
        QCOMPARE(ids.size(), 2 * EACH);
    }

    // A disk that fills while an image is written keeps nothing new and drops nothing old.
    void fullDiskKeepsNothingAndDropsNothing() {
        ImageArchive archive(folder_);
        QList<ArchiveEntry> dropped;
        QString error;
        QVERIFY(archive.Prune(1, &dropped, &error));
        const ArchiveEntry old = archive.Add(ArchiveKind::BeforeSave, Image(1), {}, {}, At(0)).entry;
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = 100000; // the index fits, an image does not
        setrlimit(RLIMIT_FSIZE, &limited);
        const ImageArchive::AddResult added = archive.Add(ArchiveKind::Received, Image(2), {}, {}, At(1));
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!added.ok);
        QVERIFY(!added.error.isEmpty());
        QVERIFY(added.dropped.isEmpty());
        const QList<ArchiveEntry> entries = archive.List().entries;
        QCOMPARE(entries.size(), 1);
        QByteArray image;
        QVERIFY(archive.Read(old.id, &image, &error));
        QCOMPARE(image, Image(1));
    }

    // A folder that cannot be made never stops the caller and is told once.
    void unwritableArchiveIsToldOnce() {
        QVERIFY(WriteFile(dir_->filePath("blocked"), "a file where the folder should be"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_->filePath("blocked")));
        QStringList told;
        archiving::SetReporter([&told](const QString& text) { told.append(text); });
        QVERIFY(!archiving::Keep(ArchiveKind::Received, Image(1), {}, "COM1"));
        QVERIFY(!archiving::Keep(ArchiveKind::Sent, Image(2), {}, "COM1"));
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith("The archive could not keep the received image:"), qPrintable(told[0]));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_->filePath("data")));
        QVERIFY(archiving::Keep(ArchiveKind::Received, Image(1), {}, "COM1"));
        QCOMPARE(ImageArchive().List().entries.size(), 1);
        QVERIFY(ImageArchive::DefaultFolder().startsWith(dir_->filePath("data")));
        archiving::SetReporter({});
    }
};

QTEST_GUILESS_MAIN(TestImageArchive)
#include "tst_imagearchive.moc"
