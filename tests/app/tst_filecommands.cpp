#include "app/FileCommands.h"
#include "controls/MessageBox.h"
#include "model/ChannelDatabase.h"

#include "PromptChecks.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vormante;

namespace {
using testsupport::ReadFile;
using testsupport::WriteFile;

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensAnImage();
    void openRefusesWhatIsNoImage();
    void cancelledOpenChangesNothing();
    void saveWithoutChangesDoesNothing();
    void saveAnsweredNoWritesNothing();
    void saveAnsweredYesKeepsTheOldImageInTheBackup();
    void saveAsMovesTheEditorToTheNewFile();
    void saveAsToPlacesThatCannotBeWritten();
    void saveAsOverAFileKeepsItInTheBackup();
    void failedBackupStopsTheSave();
    void fullDiskLosesNothing();
    void failedReplaceKeepsEditsUnsaved();
    void leavingAsksAboutUnsavedChanges();
    void openingAnotherFileAsksFirst();

private:
    void Edit() {
        testsupport::Edit(*document_, [](vormante::ChannelDatabase& w) { w.workingCopy()[5000] ^= 0x5A; });
    }
    void OpenFixture() {
        QVERIFY(commands_->OpenImageFile(imagePath_));
        QVERIFY(MessageBox::prompts().isEmpty());
    }
    void ExpectOnlyPrompt(const QString& text) {
        QCOMPARE(MessageBox::prompts().size(), 1);
        QCOMPARE(MessageBox::prompts().first().text, text);
    }
    QString PromptText(int index) const { return MessageBox::prompts().value(index).text; }

    QTemporaryDir* dir_ = nullptr;
    QString imagePath_;
    QByteArray original_;
    vormante::Document* document_ = nullptr;
    const vormante::ChannelDatabase* database_ = nullptr;
    QWidget* parent_ = nullptr;
    FileCommands* commands_ = nullptr;
};

void TestFileCommands::init() {
    MessageBox::setTestMode(true);
    dir_ = new QTemporaryDir;
    QVERIFY(dir_->isValid());
    imagePath_ = dir_->filePath("db.bin");
    original_ = testsupport::ToByteArray(testsupport::RandomBytes(vormante::IMAGE_SIZE, 7));
    QVERIFY(WriteFile(imagePath_, original_));
    document_ = new vormante::Document;
    database_ = &document_->database();
    parent_ = new QWidget;
    commands_ = new FileCommands(*document_, parent_);
}

void TestFileCommands::cleanup() {
    testsupport::CheckPromptsAnswered();
    delete commands_;
    delete parent_;
    delete document_;
    delete dir_;
    MessageBox::setTestMode(false);
}

void TestFileCommands::opensAnImage() {
    QSignalSpy opened(commands_, &FileCommands::imageOpened);
    FileDialog::QueueFileName(imagePath_);
    QVERIFY(commands_->OpenImage());
    QCOMPARE(opened.count(), 1);
    QCOMPARE(commands_->documentPath(), imagePath_);
    QVERIFY(database_->loaded());
    QVERIFY(database_->pointersBuilt());
    QVERIFY(!database_->IsChanged());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(database_->workingCopy().data()), original_.size()),
             original_);
    QCOMPARE(FileDialog::captions(), QStringList{"Open"});
    QVERIFY(MessageBox::prompts().isEmpty());
}

void TestFileCommands::openRefusesWhatIsNoImage() {
    QSignalSpy opened(commands_, &FileCommands::imageOpened);
    const QString shortFile = dir_->filePath("short.bin");
    QVERIFY(WriteFile(shortFile, QByteArray(1000, 'x')));
    const QString longFile = dir_->filePath("long.bin");
    QVERIFY(WriteFile(longFile, QByteArray(vormante::IMAGE_SIZE + 1, 'x')));

    // Before any image: refused files leave the start state.
    MessageBox::QueueAnswer(QMessageBox::Ok);
    QVERIFY(!commands_->OpenImageFile(shortFile));
    vormante::ChannelDatabase probe;
    const QByteArray shortBytes(1000, 'x');
    const auto expected =
        probe.Load(std::span(reinterpret_cast<const std::uint8_t*>(shortBytes.constData()), 1000));
    ExpectOnlyPrompt(QString::fromStdString(expected.error));
    QVERIFY(!database_->loaded());
    QVERIFY(commands_->documentPath().isEmpty());

    // After an image with edits: nothing of it changes.
    MessageBox::ResetTestState();
    OpenFixture();
    Edit();
    const QByteArray edited(reinterpret_cast<const char*>(database_->workingCopy().data()), original_.size());
    MessageBox::QueueAnswer(QMessageBox::Ok);
    QVERIFY(!commands_->OpenImageFile(longFile));
    QVERIFY(PromptText(0).contains("204801"));

    const QString fifo = dir_->filePath("pipe.bin");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {dir_->filePath("missing.bin"), dir_->path(), fifo}) {
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!commands_->OpenImageFile(path)); // a pipe must not block the editor
        QCOMPARE(MessageBox::prompts().last().text, FileCommands::OpenErrorText());
    }
    QCOMPARE(MessageBox::prompts().size(), 4);
    QCOMPARE(commands_->documentPath(), imagePath_);
    QVERIFY(database_->IsChanged());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(database_->workingCopy().data()), original_.size()),
             edited);
    QCOMPARE(opened.count(), 1);
}

void TestFileCommands::cancelledOpenChangesNothing() {
    OpenFixture();
    Edit();
    QSignalSpy opened(commands_, &FileCommands::imageOpened);
    MessageBox::QueueAnswer(QMessageBox::Discard); // discard... then cancel the dialog
    FileDialog::QueueFileName(QString());
    QVERIFY(!commands_->OpenImage());
    QCOMPARE(opened.count(), 0);
    QCOMPARE(commands_->documentPath(), imagePath_);
    QVERIFY(database_->IsChanged()); // nothing was dropped before a new image came

    // A later Save still writes to the file opened before.
    MessageBox::QueueAnswer(QMessageBox::Save);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
    QCOMPARE(ReadFile(imagePath_ + ".bak"), original_);
}

void TestFileCommands::saveWithoutChangesDoesNothing() {
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::NothingToSave); // nothing open
    QVERIFY(!commands_->SaveImageAs());
    OpenFixture();
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::NothingToSave);
    QVERIFY(MessageBox::prompts().isEmpty());
    QVERIFY(!QFile::exists(imagePath_ + ".bak"));
    QVERIFY(FileDialog::captions().isEmpty());
}

void TestFileCommands::saveAnsweredNoWritesNothing() {
    OpenFixture();
    Edit();
    const QDateTime modified = QFileInfo(imagePath_).lastModified();
    MessageBox::QueueAnswer(QMessageBox::Cancel);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Declined);
    ExpectOnlyPrompt(FileCommands::ChangedQuestion());
    QCOMPARE(MessageBox::prompts().first().title, QString("Warning"));
    // "Discard" would read as throwing the edits away; Save only saves or does nothing.
    QCOMPARE(MessageBox::prompts().first().buttons, QMessageBox::Save | QMessageBox::Cancel);
    QCOMPARE(MessageBox::prompts().first().informativeText, QString("Unsaved changes in db.bin."));
    QCOMPARE(ReadFile(imagePath_), original_);
    QCOMPARE(QFileInfo(imagePath_).lastModified(), modified);
    QVERIFY(!QFile::exists(imagePath_ + ".bak"));
    QVERIFY(database_->IsChanged());
}

void TestFileCommands::saveAnsweredYesKeepsTheOldImageInTheBackup() {
    OpenFixture();
    Edit();
    const QByteArray edited(reinterpret_cast<const char*>(database_->workingCopy().data()), original_.size());
    MessageBox::QueueAnswer(QMessageBox::Save);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
    QCOMPARE(ReadFile(imagePath_ + ".bak"), original_);
    QCOMPARE(ReadFile(imagePath_), edited);
    QVERIFY(!database_->IsChanged());
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::NothingToSave); // no second prompt
    QCOMPARE(MessageBox::prompts().size(), 1);

    // A second save backs up the first save's result, and a private file keeps a private backup.
    QVERIFY(QFile::setPermissions(imagePath_, QFile::ReadOwner | QFile::WriteOwner));
    Edit();
    MessageBox::QueueAnswer(QMessageBox::Save);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
    QCOMPARE(ReadFile(imagePath_ + ".bak"), edited);
    QCOMPARE(ReadFile(imagePath_), original_); // the edit flipped the byte back
    QCOMPARE(QFileInfo(imagePath_ + ".bak").permissions(), QFileInfo(imagePath_).permissions());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
             (QStringList{"db.bin", "db.bin.bak"})); // no leftovers
}

void TestFileCommands::saveAsMovesTheEditorToTheNewFile() {
    OpenFixture();
    Edit();
    const QByteArray edited(reinterpret_cast<const char*>(database_->workingCopy().data()), original_.size());
    QSignalSpy moved(document_, &vormante::Document::pathChanged);
    const QString copy = dir_->filePath("copy.bin");
    FileDialog::QueueFileName(dir_->filePath("copy")); // the extension is added, so Open lists the file
    QVERIFY(commands_->SaveImageAs());
    QCOMPARE(FileDialog::captions(), QStringList{"Save As"});
    QCOMPARE(ReadFile(copy), edited);
    QVERIFY(!QFile::exists(copy + ".bak"));
    QCOMPARE(ReadFile(imagePath_), original_);
    QVERIFY(!database_->IsChanged()); // the image is what the new file holds
    QCOMPARE(commands_->documentPath(), copy);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::NothingToSave);

    // A later edit saves to the new file, its backup beside it; the first file is left alone.
    Edit();
    MessageBox::QueueAnswer(QMessageBox::Save);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
    QCOMPARE(ReadFile(copy), original_); // the edit flipped the byte back
    QCOMPARE(ReadFile(copy + ".bak"), edited);
    QCOMPARE(ReadFile(imagePath_), original_);
    QVERIFY(!QFile::exists(imagePath_ + ".bak"));

    // Without changes Save as writes the image as it is; a cancelled dialog writes nothing and stays.
    const QString again = dir_->filePath("again.bin");
    FileDialog::QueueFileName(again);
    QVERIFY(commands_->SaveImageAs());
    QCOMPARE(ReadFile(again), original_);
    QCOMPARE(commands_->documentPath(), again);
    FileDialog::QueueFileName(QString());
    QVERIFY(!commands_->SaveImageAs());
    QCOMPARE(commands_->documentPath(), again);
    QCOMPARE(MessageBox::prompts().size(), 1);
}

void TestFileCommands::saveAsToPlacesThatCannotBeWritten() {
    OpenFixture();
    Edit();
    // As root a read-only folder can still be written, so use places nobody can write:
    // below a regular file, in /proc, and a device that is never replaced (through a
    // link: a name without a dot would get ".bin").
    const QString device = dir_->filePath("full.bin");
    QVERIFY(QFile::link("/dev/full", device));
    const QStringList places{imagePath_ + "/inside.bin", "/proc/vormante-save-test.bin", device,
                             dir_->path()};
    for (const QString& place : places) {
        FileDialog::QueueFileName(place);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY2(!commands_->SaveImageAs(), qPrintable(place));
        QCOMPARE(MessageBox::prompts().last().text, FileCommands::OpenErrorText());
    }
    struct stat status {};
    QCOMPARE(stat("/dev/full", &status), 0);
    QVERIFY(S_ISCHR(status.st_mode));
    QCOMPARE(commands_->documentPath(), imagePath_); // a failed Save as does not move the editor
    QVERIFY(database_->IsChanged());
    QCOMPARE(ReadFile(imagePath_), original_);
}

void TestFileCommands::saveAsOverAFileKeepsItInTheBackup() {
    OpenFixture();
    Edit();
    const QByteArray edited(reinterpret_cast<const char*>(database_->workingCopy().data()), original_.size());
    const QString other = dir_->filePath("other.bin");
    const QByteArray otherImage = testsupport::ToByteArray(testsupport::RandomBytes(vormante::IMAGE_SIZE, 8));
    QVERIFY(WriteFile(other, otherImage));
    FileDialog::QueueFileName(dir_->filePath("other"));
    QVERIFY(commands_->SaveImageAs());
    QCOMPARE(ReadFile(other), edited);
    QCOMPARE(ReadFile(other + ".bak"), otherImage); // by the same rule as Save
    QVERIFY(MessageBox::prompts().isEmpty());
}

void TestFileCommands::failedBackupStopsTheSave() {
    OpenFixture();
    Edit();
    QVERIFY(QDir(dir_->path()).mkdir("db.bin.bak")); // the backup name is taken by a folder
    MessageBox::QueueAnswer(QMessageBox::Save);
    MessageBox::QueueAnswer(QMessageBox::Ok);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Failed);
    QCOMPARE(MessageBox::prompts().size(), 2);
    QVERIFY(PromptText(1).startsWith("The backup file"));
    QVERIFY(PromptText(1).contains("db.bin.bak"));
    QCOMPARE(ReadFile(imagePath_), original_);
    QVERIFY(database_->IsChanged());
    MessageBox::QueueAnswer(QMessageBox::Save); // leaving with a failed save stays
    MessageBox::QueueAnswer(QMessageBox::Ok);
    QVERIFY(!commands_->ConfirmLeave());
    QVERIFY(database_->IsChanged());
    MessageBox::ResetTestState();

    // The folder the file was opened from is gone (a regular file in its place).
    QVERIFY(QDir(dir_->path()).rmdir("db.bin.bak"));
    const QString moved = dir_->filePath("sub");
    QVERIFY(QDir(dir_->path()).mkdir("sub"));
    QVERIFY(WriteFile(moved + "/db.bin", original_));
    vormante::Document other;
    FileCommands elsewhere(other, parent_);
    QVERIFY(elsewhere.OpenImageFile(moved + "/db.bin"));
    testsupport::Edit(other, [](vormante::ChannelDatabase& w) { w.workingCopy()[1] ^= 1; });
    QVERIFY(QDir(moved).removeRecursively());
    QVERIFY(WriteFile(moved, "not a folder"));
    MessageBox::QueueAnswer(QMessageBox::Save);
    MessageBox::QueueAnswer(QMessageBox::Ok);
    QCOMPARE(elsewhere.SaveImage(), FileCommands::SaveOutcome::Failed);
    QVERIFY(PromptText(1).startsWith("The backup file"));
    QVERIFY(other.isModified());
}

void TestFileCommands::fullDiskLosesNothing() {
    OpenFixture();
    Edit();
    {
        FileSizeLimit limit(50000);
        MessageBox::QueueAnswer(QMessageBox::Save);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Failed);
        FileDialog::QueueFileName(dir_->filePath("other.bin"));
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!commands_->SaveImageAs());
    }
    QVERIFY(PromptText(1).startsWith("The backup file"));
    QVERIFY(PromptText(2).contains("other.bin"));
    QVERIFY(PromptText(1).contains(QString::fromLocal8Bit(std::strerror(EFBIG)))); // the reason is shown
    QCOMPARE(ReadFile(imagePath_), original_);
    QVERIFY(!QFile::exists(imagePath_ + ".bak"));
    QVERIFY(!QFile::exists(dir_->filePath("other.bin")));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"db.bin"}); // no temporary left
    QVERIFY(database_->IsChanged());

    MessageBox::QueueAnswer(QMessageBox::Save); // room again: the same edits save
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Saved);
}

void TestFileCommands::failedReplaceKeepsEditsUnsaved() {
    OpenFixture();
    Edit();
    // The opened file was replaced by a pipe: it must be neither written through nor replaced.
    QVERIFY(QFile::remove(imagePath_));
    QCOMPARE(mkfifo(QFile::encodeName(imagePath_).constData(), 0600), 0);
    MessageBox::QueueAnswer(QMessageBox::Save);
    MessageBox::QueueAnswer(QMessageBox::Ok);
    QCOMPARE(commands_->SaveImage(), FileCommands::SaveOutcome::Failed);
    QVERIFY(PromptText(1).contains("could not be written"));
    QVERIFY(!PromptText(1).startsWith("The backup file"));
    QCOMPARE(ReadFile(imagePath_ + ".bak"), original_);
    QVERIFY(database_->IsChanged());
    QVERIFY(!QFileInfo(imagePath_).isFile());
}

void TestFileCommands::leavingAsksAboutUnsavedChanges() {
    QVERIFY(commands_->ConfirmLeave()); // nothing open
    OpenFixture();
    QVERIFY(commands_->ConfirmLeave()); // no changes
    QVERIFY(MessageBox::prompts().isEmpty());

    Edit();
    MessageBox::QueueAnswer(QMessageBox::Cancel);
    QVERIFY(!commands_->ConfirmLeave());
    QCOMPARE(MessageBox::prompts().first().buttons,
             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QVERIFY(MessageBox::prompts().first().informativeText.contains("db.bin"));
    MessageBox::QueueAnswer(QMessageBox::Discard);
    QVERIFY(commands_->ConfirmLeave());
    QVERIFY(!QFile::exists(imagePath_ + ".bak"));
    QCOMPARE(ReadFile(imagePath_), original_);

    MessageBox::QueueAnswer(QMessageBox::Save);
    QVERIFY(commands_->ConfirmLeave());
    QCOMPARE(ReadFile(imagePath_ + ".bak"), original_);
    QVERIFY(!database_->IsChanged());
    QCOMPARE(MessageBox::prompts().size(), 3);
    for (const auto& prompt : MessageBox::prompts())
        QCOMPARE(prompt.text, FileCommands::ChangedQuestion());
}

void TestFileCommands::openingAnotherFileAsksFirst() {
    OpenFixture();
    Edit();
    MessageBox::QueueAnswer(QMessageBox::Cancel);
    QVERIFY(!commands_->OpenImage());
    QVERIFY(FileDialog::captions().isEmpty()); // cancelled before the dialog
    QVERIFY(database_->IsChanged());

    const QString second = dir_->filePath("second.bin");
    QVERIFY(WriteFile(second, testsupport::ToByteArray(testsupport::EmptyImage())));
    MessageBox::QueueAnswer(QMessageBox::Save);
    FileDialog::QueueFileName(second);
    QVERIFY(commands_->OpenImage());
    QCOMPARE(ReadFile(imagePath_ + ".bak"), original_); // the edits were saved first
    QVERIFY(ReadFile(imagePath_) != original_);
    QCOMPARE(commands_->documentPath(), second);
    QVERIFY(!database_->IsChanged());
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
