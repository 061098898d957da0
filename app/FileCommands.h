// The file commands of the editor: Open, Save (with a ".bak" backup), Save as, and
// the question about unsaved changes before the image is left. The document (the
// database, its file's path and the edit history) is the main window's.
//
// Saving never loses data: Save writes the backup first and stops if that fails,
// then replaces the file atomically; only a completed write commits the edits, so
// after any failure the edits stay in memory, unsaved, and the user is told why.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <cstdint>
#include <span>

class QWidget;

namespace vormante {

class SessionSettings;
class Document;

class FileCommands : public QObject {
    Q_OBJECT

public:
    enum class SaveOutcome { NothingToSave, Declined, Saved, Failed };

    FileCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent = nullptr);

    // "Open ...": asks about unsaved changes, then for a file, then loads it.
    // True when an image was loaded.
    bool OpenImage();
    // Loads the file at path; an unreadable file or one that is not an image is
    // reported and changes nothing. True when an image was loaded.
    bool OpenImageFile(const QString& path);
    // "Save": asks (Save or Cancel), writes path.bak with what the file holds now (the
    // image as last read or written when the file is gone), then the edited image to the file.
    SaveOutcome SaveImage();
    // "Save as ...": writes the edited image to a file the user picks (".bin" added to
    // a name without a suffix), a file already there going to its ".bak" first;
    // from then on the editor works on that file and the image counts as saved. True
    // when written.
    bool SaveImageAs();
    // Before the image is left (Exit, the close box, opening another file): with
    // unsaved changes asks Save, Discard or Cancel. True to go ahead.
    bool ConfirmLeave();

    QString documentPath() const;
    // The file dialogs start in the folders last used and remember new ones.
    void setSession(SessionSettings* session) { session_ = session; }
    // An image is open from a file and differs from what was last loaded or saved.
    bool hasUnsavedChanges() const;
    // Saves as Save does after its question was answered Save. True when written.
    bool SaveWithoutAsking();
    // The open file now holds another image, byWhat ("the received image"): the
    // changes no longer belong there, so saving them asks for another name and never
    // writes that file. Holds until another file is opened or saved.
    void NoteFileReplaced(const QString& byWhat);
    // The two paths name the same file.
    static bool SameFile(const QString& a, const QString& b);

    static QString ChangedQuestion() { return tr("Data has been changed,do you want to change!"); }
    // The line under the unsaved-changes question naming the file.
    static QString ChangedFileLine(const QString& path);
    static QString OpenErrorText() { return tr("File open error!"); }
    //: the file type in file dialogs
    static QString FileFilter() { return tr("BIN data") + QStringLiteral("(*.bin)|*.bin"); }

Q_SIGNALS:
    // A new image is in the document, its record pointers built, its history empty.
    void imageOpened();

private:
    QMessageBox::StandardButton AskAboutChanges();
    QString ChangedFileLine() const;
    QString ReplacedLine() const;
    // Save's writing, or Save as when the file holds another image now.
    bool SaveChanges();
    // Copies what path holds to path.bak (whenMissing when path is no regular file;
    // nothing when that is empty too). When that fails: with mayGoOnWithout asks
    // whether to replace the file without a backup, else says why; false to stop.
    bool WriteBackup(const QString& path, std::span<const std::uint8_t> whenMissing, bool mayGoOnWithout);
    bool WriteBackupAndFile();
    // message has %1 for the path and %2 for the system's reason.
    void ReportSaveFailure(const QString& message, const QString& path, const QString& reason);

    vormante::Document& document_;
    QWidget* dialogParent_;
    SessionSettings* session_ = nullptr;
    QString replacedBy_; // what the open file holds now instead of this image; empty: its image
};

} // namespace vormante
