// The one file writer and the reader: links followed, permissions kept, files
// that are no regular files refused without waiting, and the write in place
// when the folder may not be written but the file may.
#include "model/ImageFile.h"
#include "model/ImageLayout.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vormante;

namespace {

constexpr uid_t NOBODY = 65534;

std::string Std(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::vector<std::uint8_t> Image(std::uint32_t seed) {
    return testsupport::RandomBytes(IMAGE_SIZE, seed);
}

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
    return testsupport::ToByteArray(bytes);
}

mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::stat(Std(path).c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

ino_t InodeOf(const QString& path) {
    struct stat info {};
    return ::stat(Std(path).c_str(), &info) == 0 ? info.st_ino : 0;
}

bool Put(const QString& path, const std::vector<std::uint8_t>& bytes, mode_t mode) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(Bytes(bytes)) == static_cast<qint64>(bytes.size()) &&
           (file.close(), ::chmod(Std(path).c_str(), mode) == 0);
}

// Runs the write as a user the permission checks apply to. Root passes every
// check, so as root the write runs in a child process that has become nobody;
// otherwise it runs here. The result comes back as status * 2 + inPlace.
int WriteAsOrdinaryUser(const QString& path, const std::vector<std::uint8_t>& bytes) {
    auto write = [&] {
        const FileWriteResult result = WriteFileSafely(Std(path), bytes);
        return static_cast<int>(result.status) * 2 + (result.inPlace ? 1 : 0);
    };
    if (::geteuid() != 0)
        return write();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(NOBODY) != 0 || ::setuid(NOBODY) != 0)
            ::_exit(100);
        ::_exit(write());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

constexpr int WRITTEN_REPLACED = FileWriteResult::WRITTEN * 2;
constexpr int WRITTEN_IN_PLACE = FileWriteResult::WRITTEN * 2 + 1;
constexpr int OPEN_FAILED = FileWriteResult::OPEN_FAILED * 2;

} // namespace

class TestImageFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString Path(const QString& name) const { return dir_->filePath(name); }

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // Open to other users, so a child that has become nobody can reach the files.
        QVERIFY(::chmod(Std(dir_->path()).c_str(), 0755) == 0);
    }
    void cleanup() {
        // Give locked folders back, or the temporary folder cannot be removed.
        for (const QString& name : QDir(dir_->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            ::chmod(Std(Path(name)).c_str(), 0755);
        dir_.reset();
    }

    void newAndExistingFilesKeepTheirModes() {
        const QString fresh = Path("new.bin");
        QVERIFY(WriteFileSafely(Std(fresh), Image(1)).ok());
        QCOMPARE(ModeOf(fresh), mode_t(0644));
        QCOMPARE(testsupport::ReadFile(fresh), Bytes(Image(1)));

        const QString privateFile = Path("private.bin");
        QVERIFY(Put(privateFile, Image(2), 0600));
        const FileWriteResult result = WriteFileSafely(Std(privateFile), Image(3));
        QVERIFY(result.ok());
        QVERIFY(!result.inPlace);
        QCOMPARE(ModeOf(privateFile), mode_t(0600));
        QCOMPARE(testsupport::ReadFile(privateFile), Bytes(Image(3)));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
                 (QStringList{"new.bin", "private.bin"})); // no temporaries
    }

    // Root writing a user's file (a tool run by a service, say) leaves it the user's; every
    // name up to the system's limit is written, however long the temporary name would be.
    void ownerGroupAndLongNamesSurviveTheWrite_data() {
        QTest::addColumn<int>("length");
        for (const int length : {8, 245, 246, 255})
            QTest::newRow(qPrintable(QString::number(length))) << length;
    }
    void ownerGroupAndLongNamesSurviveTheWrite() {
        QFETCH(int, length);
        const QString path = Path(QString(length, 'n'));
        QVERIFY(Put(path, Image(20), 0640));
        const bool root = ::geteuid() == 0;
        if (root)
            QVERIFY(::chown(Std(path).c_str(), NOBODY, NOBODY) == 0);
        QVERIFY(WriteFileSafely(Std(path), Image(21)).ok());
        QCOMPARE(testsupport::ReadFile(path), Bytes(Image(21)));
        QCOMPARE(ModeOf(path), mode_t(0640));
        struct stat info {};
        QVERIFY(::stat(Std(path).c_str(), &info) == 0);
        if (root)
            QCOMPARE(std::make_pair(info.st_uid, info.st_gid), std::make_pair(NOBODY, gid_t(NOBODY)));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files).size(), 1); // no temporaries
    }

    void backupKeepsWhatTheFileHeld() {
        const QString path = Path("db.bin");
        QVERIFY(WriteBackupOf(Std(path)).ok()); // nothing there yet: nothing to keep
        QVERIFY(!QFile::exists(path + ".bak"));
        QVERIFY(Put(path, Image(22), 0600));
        QVERIFY(WriteBackupOf(Std(path)).ok());
        QCOMPARE(testsupport::ReadFile(path + ".bak"), Bytes(Image(22)));
        QCOMPARE(ModeOf(path + ".bak"), mode_t(0600)); // no more open than the file it keeps
        QVERIFY(QDir(dir_->path()).mkdir("folder"));
        QVERIFY(WriteBackupOf(Std(Path("folder"))).ok());
        QVERIFY(!QFile::exists(Path("folder.bak")));
        // A file that is gone leaves the content it was known to have, when the caller gives it.
        QVERIFY(WriteBackupOf(Std(Path("gone.bin")), Image(23)).ok());
        QCOMPARE(testsupport::ReadFile(Path("gone.bin.bak")), Bytes(Image(23)));
    }

    void writingOntoALinkWritesTheFileItPointsTo() {
        QVERIFY(QDir(dir_->path()).mkdir("real"));
        const QString target = Path("real/db.bin");
        QVERIFY(Put(target, Image(4), 0640));
        // A relative link, and a link to that link.
        QVERIFY(QFile::link("real/db.bin", Path("link.bin")));
        QVERIFY(::symlink("link.bin", Std(Path("link2.bin")).c_str()) == 0);

        for (const QString& link : {Path("link.bin"), Path("link2.bin")}) {
            const std::vector<std::uint8_t> image = Image(link.size() == Path("link.bin").size() ? 5 : 6);
            QVERIFY(WriteFileSafely(Std(link), image).ok());
            QVERIFY(QFileInfo(link).isSymLink()); // the link stays a link
            QCOMPARE(testsupport::ReadFile(target), Bytes(image));
            QCOMPARE(ModeOf(target), mode_t(0640));
        }
        QCOMPARE(QDir(Path("real")).entryList(QDir::Files), QStringList{"db.bin"});

        // A link to a missing file creates that file.
        QVERIFY(::symlink("real/later.bin", Std(Path("dangling.bin")).c_str()) == 0);
        QVERIFY(WriteFileSafely(Std(Path("dangling.bin")), Image(7)).ok());
        QVERIFY(QFileInfo(Path("dangling.bin")).isSymLink());
        QCOMPARE(testsupport::ReadFile(Path("real/later.bin")), Bytes(Image(7)));

        // A loop of links is refused, and nothing is created.
        QVERIFY(::symlink("loop-b", Std(Path("loop-a")).c_str()) == 0);
        QVERIFY(::symlink("loop-a", Std(Path("loop-b")).c_str()) == 0);
        const FileWriteResult loop = WriteFileSafely(Std(Path("loop-a")), Image(8));
        QCOMPARE(loop.status, FileWriteResult::OPEN_FAILED);
        QVERIFY(loop.message.find("loop-a") != std::string::npos);
    }

    void filesThatAreNoRegularFilesAreRefused() {
        const QString fifo = Path("pipe");
        QCOMPARE(::mkfifo(Std(fifo).c_str(), 0600), 0);
        QVERIFY(QDir(dir_->path()).mkdir("folder"));
        for (const QString& path : {fifo, Path("folder")}) {
            const FileWriteResult written = WriteFileSafely(Std(path), Image(9));
            QCOMPARE(written.status, FileWriteResult::OPEN_FAILED);
            QCOMPARE(written.reason, std::string("it is not a regular file"));
            // Reading never waits for a writer to come to the pipe.
            const FileReadResult read = ReadFileBytes(Std(path), IMAGE_SIZE);
            QVERIFY(!read.ok);
            QVERIFY(read.notRegularFile);
            QVERIFY(read.error.find("not a regular file") != std::string::npos);
        }
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        QVERIFY(QFileInfo(Path("folder")).isDir());
        QCOMPARE(WriteFileSafely("", Image(9)).status, FileWriteResult::OPEN_FAILED);
    }

    void lockedFolderIsWrittenInPlace() {
        // The folder may not be written, the file may: no temporary file can be
        // made beside it, so the file itself is overwritten, and keeps its inode,
        // owner and mode.
        QVERIFY(QDir(dir_->path()).mkdir("locked"));
        const QString file = Path("locked/db.bin");
        std::vector<std::uint8_t> longer = Image(10);
        longer.resize(IMAGE_SIZE + 500, 0xAA); // a longer file is cut to the new length
        QVERIFY(Put(file, longer, 0666));
        const ino_t inode = InodeOf(file);
        QCOMPARE(::chmod(Std(Path("locked")).c_str(), 0555), 0);

        QCOMPARE(WriteAsOrdinaryUser(file, Image(11)), WRITTEN_IN_PLACE);
        QCOMPARE(testsupport::ReadFile(file), Bytes(Image(11)));
        QCOMPARE(InodeOf(file), inode);
        QCOMPARE(ModeOf(file), mode_t(0666));
        QCOMPARE(QDir(Path("locked")).entryList(QDir::Files | QDir::Hidden), QStringList{"db.bin"});
    }

    void lockedFolderAndLockedFileChangeNothing() {
        QVERIFY(QDir(dir_->path()).mkdir("locked"));
        const QString file = Path("locked/db.bin");
        QVERIFY(Put(file, Image(12), 0644)); // the other user may not write it
        QCOMPARE(::chmod(Std(Path("locked")).c_str(), 0555), 0);

        QCOMPARE(WriteAsOrdinaryUser(file, Image(13)), OPEN_FAILED);
        QCOMPARE(WriteAsOrdinaryUser(Path("locked/new.bin"), Image(13)),
                 OPEN_FAILED); // nothing to write into
        QCOMPARE(testsupport::ReadFile(file), Bytes(Image(12)));
        QCOMPARE(QDir(Path("locked")).entryList(QDir::Files | QDir::Hidden), QStringList{"db.bin"});

        // A folder that may be written is still replaced atomically.
        QCOMPARE(::chmod(Std(Path("locked")).c_str(), 0777), 0);
        QCOMPARE(::chmod(Std(file).c_str(), 0666), 0);
        QCOMPARE(WriteAsOrdinaryUser(file, Image(14)), WRITTEN_REPLACED);
        QCOMPARE(testsupport::ReadFile(file), Bytes(Image(14)));
    }

    void inPlaceWriteFailuresAreReported() {
        if (::geteuid() != 0)
            QSKIP("needs root to lower the file size limit of a child that has become another user");
        QVERIFY(QDir(dir_->path()).mkdir("locked"));
        const QString file = Path("locked/db.bin");
        QVERIFY(Put(file, std::vector<std::uint8_t>(10, 0x11), 0666));
        QCOMPARE(::chmod(Std(Path("locked")).c_str(), 0555), 0);
        // The file may grow to 50000 bytes only: the in-place write fails part way.
        const pid_t child = ::fork();
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{50000, 50000};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || ::setgroups(0, nullptr) != 0 ||
                ::setgid(NOBODY) != 0 || ::setuid(NOBODY) != 0)
                ::_exit(100);
            const FileWriteResult result = WriteFileSafely(Std(file), Image(15));
            const bool explained = result.message.find(std::strerror(EFBIG)) != std::string::npos &&
                                   result.message.find("in place") != std::string::npos;
            ::_exit(result.status == FileWriteResult::WRITE_FAILED && explained ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
};

QTEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
