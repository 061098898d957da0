// Saving when the world is not as the editor left it: a disk that fills up, a
// file system mounted read-only, and a file removed or replaced by another image
// since it was opened. Each case ends with a clear message or a sound save, the
// file on disk holding either the old or the new image, never a mixture, no
// temporary left behind, and unsaved edits still in memory.
//
// The full and read-only disks are real tmpfs mounts in a private mount namespace
// of the test process, so they need root (CAP_SYS_ADMIN); without it those cases
// are skipped. (Removing write permission would not do: root writes anyway.)
#include "app/FileCommands.h"
#include "controls/MessageBox.h"
#include "model/ChannelDatabase.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <memory>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vormante;

using vormante::IMAGE_SIZE;

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

QByteArray Image(unsigned seed) {
    return testsupport::ToByteArray(testsupport::RandomBytes(IMAGE_SIZE, seed));
}

} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // Mounts made here stay inside this process and vanish with it.
        canMount_ =
            unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }
    void init() {
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath("db.bin");
        original_ = Image(11);
    }
    void cleanup() {
        QVERIFY2(MessageBox::unexpectedPrompts().isEmpty(),
                 qPrintable(MessageBox::unexpectedPrompts().join(" | ")));
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        commands_.reset();
        if (mounted_)
            umount2(QFile::encodeName(dir_->path()).constData(), MNT_DETACH);
        mounted_ = false;
        dir_.reset();
    }

    void fullDiskKeepsTheOldImageAndTheEdits_data() {
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("backupFails");
        // The image takes 50 pages: room for it alone, or for it and its backup but no new copy.
        QTest::newRow("no room for the backup") << 60 << true;
        QTest::newRow("no room for the new image") << 110 << false;
    }
    void fullDiskKeepsTheOldImageAndTheEdits() {
        QFETCH(int, pages);
        QFETCH(bool, backupFails);
        MountTmpfs(QStringLiteral("size=%1k").arg(pages * 4));
        OpenAndEdit();

        MessageBox::QueueAnswer(QMessageBox::Save);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Failed);
        const QString message = MessageBox::prompts().value(1).text;
        QVERIFY2(message.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(message));
        QCOMPARE(message.startsWith("The backup file"), backupFails);
        QVERIFY(message.contains("still open in the editor"));
        QCOMPARE(ReadFile(path_), original_);
        QVERIFY(db_.IsChanged());
        QCOMPARE(db_.workingCopy()[4321], edited_);
        QStringList expected{"db.bin"};
        if (!backupFails)
            expected << "db.bin.bak";
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), expected); // no temporary left
        if (!backupFails)
            QCOMPARE(ReadFile(path_ + ".bak"), original_);
    }

    void readOnlyFileSystemKeepsTheEdits() {
        MountTmpfs(QStringLiteral("size=1m"));
        OpenAndEdit();
        QCOMPARE(mount(nullptr, QFile::encodeName(dir_->path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                       nullptr),
                 0);

        MessageBox::QueueAnswer(QMessageBox::Save);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Failed);
        QVERIFY(MessageBox::prompts().value(1).text.startsWith("The backup file"));
        FileDialog::QueueFileName(dir_->filePath("copy.bin"));
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!commands_->SaveImageAs());
        QCOMPARE(MessageBox::prompts().size(), 3);
        // Leaving asks, the save fails again, and the editor stays with the edits.
        MessageBox::QueueAnswer(QMessageBox::Save);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!commands_->ConfirmLeave());
        QCOMPARE(ReadFile(path_), original_);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"db.bin"});
        QVERIFY(db_.IsChanged());
        QCOMPARE(db_.workingCopy()[4321], edited_);
    }

    void fileRemovedSinceOpenedIsWrittenAgain() {
        QVERIFY(WriteFile(path_, original_));
        OpenAndEdit();
        QVERIFY(QFile::remove(path_));
        MessageBox::QueueAnswer(QMessageBox::Save);
        QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
        QCOMPARE(ReadFile(path_ + ".bak"), original_); // its last known content
        QCOMPARE(ReadFile(path_), Working());
        QVERIFY(!db_.IsChanged());
    }

    void fileReplacedSinceOpenedGoesToTheBackup() {
        // Another program, or a transfer that received an image under this name,
        // wrote the file after it was opened: saving must not lose that image.
        QVERIFY(WriteFile(path_, original_));
        OpenAndEdit();
        const QByteArray received = Image(12);
        QVERIFY(WriteFile(path_ + ".tmp", received));
        QVERIFY(QFile::remove(path_));
        QVERIFY(QFile::rename(path_ + ".tmp", path_));
        MessageBox::QueueAnswer(QMessageBox::Save);
        QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
        QCOMPARE(ReadFile(path_ + ".bak"), received);
        QCOMPARE(ReadFile(path_), Working());

        // Overwritten in place by something that is no image at all: still kept whole.
        const QByteArray text("not an image, but somebody's file\n");
        QVERIFY(WriteFile(path_, text));
        testsupport::Edit(document_, [](vormante::ChannelDatabase& w) { w.workingCopy()[99] ^= 0xFF; });
        MessageBox::QueueAnswer(QMessageBox::Save);
        QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
        QCOMPARE(ReadFile(path_ + ".bak"), text);
        QCOMPARE(ReadFile(path_), Working());
    }

    void saveAsOntoAFileInALockedFolderWritesItInPlace() {
        // The folder may not be written, the chosen file may: Save as writes the
        // file itself instead of failing with "File open error!". Root passes every
        // permission check, so as root the save runs in a child that became nobody.
        QVERIFY(WriteFile(path_, original_));
        OpenAndEdit();
        const QString locked = dir_->filePath("locked");
        QVERIFY(QDir().mkdir(locked));
        const QString target = locked + "/copy.bin";
        QVERIFY(WriteFile(target, Image(13)));
        QCOMPARE(chmod(QFile::encodeName(target).constData(), 0666), 0);
        QCOMPARE(chmod(QFile::encodeName(dir_->path()).constData(), 0755), 0);
        QCOMPARE(chmod(QFile::encodeName(locked).constData(), 0555), 0);
        FileDialog::QueueFileName(target);
        // No backup can be made beside it: the user is asked whether to go on without one.
        MessageBox::QueueAnswer(QMessageBox::Yes);
        auto savedAfterAsking = [this] {
            return commands_->SaveImageAs() && MessageBox::prompts().size() == 1 &&
                   MessageBox::prompts().first().text.startsWith("The backup file") &&
                   MessageBox::prompts().first().text.endsWith("Replace copy.bin without a backup?");
        };
        bool saved = false;
        if (geteuid() != 0) {
            saved = savedAfterAsking();
        } else {
            const pid_t child = fork();
            if (child == 0) {
                const uid_t nobody = 65534;
                if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
                    _exit(2);
                _exit(savedAfterAsking() ? 0 : 1);
            }
            int status = -1;
            QCOMPARE(waitpid(child, &status, 0), child);
            saved = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            QCOMPARE(FileDialog::pendingFileNames(), 1); // the child took its own copies of name and answer
            MessageBox::ResetTestState();                // the parent never asked for it
        }
        QCOMPARE(chmod(QFile::encodeName(locked).constData(), 0755), 0);
        QVERIFY(saved);
        QCOMPARE(ReadFile(target), Working());
        QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{"copy.bin"});
    }

private:
    void MountTmpfs(const QString& options) {
        if (!canMount_)
            QSKIP("needs root to mount a small tmpfs in a private mount namespace");
        QCOMPARE(mount("tmpfs", QFile::encodeName(dir_->path()).constData(), "tmpfs", 0,
                       options.toLatin1().constData()),
                 0);
        mounted_ = true;
        QVERIFY(WriteFile(path_, original_));
    }

    void OpenAndEdit() {
        commands_ = std::make_unique<FileCommands>(document_, &parent_);
        QVERIFY(commands_->OpenImageFile(path_));
        edited_ = static_cast<std::uint8_t>(db_.workingCopy()[4321] ^ 0x3C);
        testsupport::Edit(document_,
                          [this](vormante::ChannelDatabase& w) { w.workingCopy()[4321] = edited_; });
        QVERIFY(db_.IsChanged());
    }

    QByteArray Working() const {
        return QByteArray(reinterpret_cast<const char*>(db_.workingCopy().data()),
                          static_cast<qsizetype>(db_.workingCopy().size()));
    }

    bool canMount_ = false;
    bool mounted_ = false;
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
    QByteArray original_;
    std::uint8_t edited_ = 0;
    vormante::Document document_;
    const vormante::ChannelDatabase& db_ = document_.database();
    QWidget parent_;
    std::unique_ptr<FileCommands> commands_;
};

QTEST_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
