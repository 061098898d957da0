#include "FileCommands.h"

#include "SessionSettings.h"
#include "archive/ArchiveKeeper.h"
#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/FileAccess.h"

#include <QDir>
#include <QFileInfo>

namespace vormante {

namespace {

std::span<const std::uint8_t> BytesOf(const vormante::DatabaseImage& image) {
    return {image.data(), image.size()};
}

} // namespace

FileCommands::FileCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent)
    : QObject(parent), document_(document), dialogParent_(dialogParent) {
    // Another file, or the file read again: the image belongs to its file once more.
    connect(&document_, &vormante::Document::opened, this, [this] { replacedBy_.clear(); });
    connect(&document_, &vormante::Document::pathChanged, this, [this] { replacedBy_.clear(); });
}

QString FileCommands::documentPath() const {
    return document_.path();
}

bool FileCommands::hasUnsavedChanges() const {
    return document_.isOpen() && document_.isModified();
}

bool FileCommands::OpenImage() {
    if (!ConfirmLeave())
        return false;
    const QString folder = session_ ? session_->LastFolder(SessionSettings::Folder::Open) : QString();
    const QString path =
        FileDialog::getOpenFileName(dialogParent_, /*: a dialog title */ tr("Open"), folder, FileFilter());
    if (path.isEmpty())
        return false;
    if (!OpenImageFile(path))
        return false;
    if (session_)
        session_->RememberFile(SessionSettings::Folder::Open, path);
    return true;
}

bool FileCommands::OpenImageFile(const QString& path) {
    const FileReadResult file = files::Read(path, vormante::IMAGE_SIZE);
    if (!file.ok) {
        MessageBox::information(dialogParent_, OpenErrorText());
        return false;
    }
    const vormante::LoadResult loaded =
        document_.Open(file.bytes, QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    if (!loaded.ok) {
        MessageBox::information(dialogParent_, QString::fromStdString(loaded.error));
        return false;
    }
    Q_EMIT imageOpened();
    return true;
}

FileCommands::SaveOutcome FileCommands::SaveImage() {
    // An image with no file yet (opened from the archive) is saved under a name the user picks.
    if (document_.isOpen() && document_.path().isEmpty())
        return SaveImageAs() ? SaveOutcome::Saved : SaveOutcome::Declined;
    if (!hasUnsavedChanges())
        return SaveOutcome::NothingToSave;
    // The question offers Save and Cancel only: it asks whether to save now, nothing is thrown away.
    const auto answer =
        MessageBox::ShowWithDetails(dialogParent_, tr("Warning"), ChangedQuestion(), ChangedFileLine(),
                                    QString(), QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Warning);
    if (answer != QMessageBox::Save)
        return SaveOutcome::Declined;

    return SaveChanges() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool FileCommands::SaveWithoutAsking() {
    return hasUnsavedChanges() ? SaveChanges() : true;
}

void FileCommands::NoteFileReplaced(const QString& byWhat) {
    replacedBy_ = byWhat;
}

bool FileCommands::SaveChanges() {
    // The file holds another image now, which nobody asked to overwrite: the changes go elsewhere.
    return replacedBy_.isEmpty() ? WriteBackupAndFile() : SaveImageAs();
}

bool FileCommands::WriteBackup(const QString& path, std::span<const std::uint8_t> whenMissing,
                               bool mayGoOnWithout) {
    // The backup receives what the save is about to replace: the file as it is on disk
    // now, which another program (or a received image) may have replaced since it was
    // opened. Only when the file is gone or is no regular file does whenMissing (for
    // Save the loaded copy, the file's last known content) go to the backup.
    const QString backupPath = path + QStringLiteral(".bak");
    const FileWriteResult backup = files::BackUp(path, whenMissing);
    if (backup.ok())
        return true;
    if (mayGoOnWithout) {
        // A file the user picked to be replaced, in a folder he may not write, say.
        const QString question =
            //: %1 is the backup file, %2 the system's reason, %3 the file to be replaced
            tr("The backup file %1 could not be written: %2.\n\nReplace %3 "
               "without a backup?")
                .arg(QDir::toNativeSeparators(backupPath), files::Text(backup.reason),
                     QFileInfo(path).fileName());
        return MessageBox::Show(dialogParent_, tr("Warning"), question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Warning) == QMessageBox::Yes;
    }
    ReportSaveFailure(tr("The backup file %1 could not be written: %2.\n\nNothing was saved; the "
                         "changes are still open in the editor."),
                      backupPath, files::Text(backup.reason));
    return false;
}

bool FileCommands::WriteBackupAndFile() {
    const QString documentPath = document_.path();
    if (documentPath.isEmpty())
        return SaveImageAs();
    // The archive keeps what the file holds before it is replaced, beside the backup.
    vormante::archiving::KeepFileBeforeSaving(documentPath);
    if (!WriteBackup(documentPath, BytesOf(document_.database().loadedCopy()), false))
        return false;
    const FileWriteResult written = files::Write(documentPath, BytesOf(document_.database().workingCopy()));
    if (!written.ok()) {
        // A file written in place may be left incomplete; the backup holds its previous content.
        ReportSaveFailure(written.inPlace
                              ? tr("%1 could not be written: %2.\n\nThe file may be incomplete; its previous "
                                   "content is in the backup file. The changes are still open in the editor.")
                              : tr("%1 could not be written: %2.\n\nThe file keeps its previous content; the "
                                   "changes are still open in the editor."),
                          documentPath, files::Text(written.reason));
        return false;
    }
    document_.MarkSaved(documentPath);
    return true;
}

bool FileCommands::SaveImageAs() {
    if (!document_.isOpen())
        return false;
    const QString folder = session_ ? session_->LastFolder(SessionSettings::Folder::SaveAs) : QString();
    const QString path = FileDialog::getSaveFileName(dialogParent_, tr("Save As"), folder, FileFilter(),
                                                     QStringLiteral("bin"));
    if (path.isEmpty())
        return false;
    if (!replacedBy_.isEmpty() && SameFile(path, document_.path())) {
        MessageBox::Show(dialogParent_, tr("Save As"),
                         ReplacedLine() + QLatin1Char(' ') + tr("Choose another name for the changes."),
                         QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    vormante::archiving::KeepFileBeforeSaving(path); // an image it replaces stays in the archive
    // A file already there is kept in its backup, as Save keeps it.
    if (!WriteBackup(path, {}, true))
        return false;
    const FileWriteResult written = files::Write(path, BytesOf(document_.database().workingCopy()));
    if (written.status == FileWriteResult::OPEN_FAILED) {
        MessageBox::information(dialogParent_, OpenErrorText());
        return false;
    }
    if (!written.ok()) {
        ReportSaveFailure(tr("%1 could not be written: %2.\n\nThe changes are still open in the editor."),
                          path, files::Text(written.reason));
        return false;
    }
    if (session_)
        session_->RememberFile(SessionSettings::Folder::SaveAs, path);
    // From now on the editor works on the new file: Save writes there and the image counts as saved.
    document_.MarkSaved(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    return true;
}

bool FileCommands::ConfirmLeave() {
    if (!hasUnsavedChanges())
        return true;
    const auto answer = AskAboutChanges();
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false; // Cancel or the box closed: stay
    return SaveChanges();
}

QString FileCommands::ChangedFileLine(const QString& path) {
    if (path.isEmpty())
        return tr("Unsaved changes in the image, which has no file yet.");
    //: %1 is the file name
    return tr("Unsaved changes in %1.").arg(QFileInfo(path).fileName());
}

QString FileCommands::ReplacedLine() const {
    //: %1 is the file name, %2 what it holds now, e.g. "the received image"
    return tr("%1 now holds %2.").arg(QFileInfo(document_.path()).fileName(), replacedBy_);
}

QString FileCommands::ChangedFileLine() const {
    const QString line = ChangedFileLine(document_.path());
    if (replacedBy_.isEmpty())
        return line;
    return line + QLatin1Char(' ') + ReplacedLine() + QLatin1Char(' ') +
           tr("Save asks for another name for them.");
}

bool FileCommands::SameFile(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    if (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath())
        return true;
    return QDir::cleanPath(QDir::current().absoluteFilePath(a)) ==
           QDir::cleanPath(QDir::current().absoluteFilePath(b));
}

QMessageBox::StandardButton FileCommands::AskAboutChanges() {
    return MessageBox::AskSaveDiscardCancel(dialogParent_, tr("Warning"), ChangedQuestion(),
                                            ChangedFileLine());
}

void FileCommands::ReportSaveFailure(const QString& message, const QString& path, const QString& reason) {
    MessageBox::Show(dialogParent_, tr("Warning"), message.arg(QDir::toNativeSeparators(path), reason),
                     QMessageBox::Ok, QMessageBox::Warning);
}

} // namespace vormante
