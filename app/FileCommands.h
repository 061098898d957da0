// The file commands of the editor: Open, Save (with a ".bak" backup), Save as, and
// the question about unsaved changes before the image is left. The database is the
// main window's; this class owns the current file's path.
//
// Saving never loses data: Save writes the backup first and stops if that fails,
// then replaces the file atomically; only a completed write commits the edits, so
// after any failure the edits stay in memory, unsaved, and the user is told why.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vormante {
class ChannelDatabase;
}

class FileCommands : public QObject {
    Q_OBJECT

public:
    enum class SaveOutcome { NothingToSave, Declined, Saved, Failed };

    FileCommands(vormante::ChannelDatabase& database, QWidget* dialogParent, QObject* parent = nullptr);

    // "Open ...": asks about unsaved changes, then for a file, then loads it.
    // True when an image was loaded.
    bool OpenImage();
    // Loads the file at path; an unreadable file or one that is not an image is
    // reported and changes nothing. True when an image was loaded.
    bool OpenImageFile(const QString& path);
    // "Save": asks, writes path.bak with what the file holds now (the image as last
    // read or written when the file is gone), then the edited image to the file.
    SaveOutcome SaveImage();
    // "Save as ...": writes the edited image to a file the user picks; the open
    // file, the backup and the change state stay as they were. True when written.
    bool SaveImageAs();
    // Before the image is left (Exit, the close box, opening another file): with
    // unsaved changes asks Yes (save), No (discard) or Cancel. True to go ahead.
    bool ConfirmLeave();

    QString documentPath() const { return documentPath_; }

    static QString ChangedQuestion() { return QStringLiteral("Data has been changed,do you want to change!"); }
    static QString OpenErrorText() { return QStringLiteral("File open error!"); }
    static QString FileFilter() { return QStringLiteral("BIN data(*.bin)|*.bin"); }

Q_SIGNALS:
    // A new image is in the database, its record pointers built.
    void imageOpened();

private:
    bool HasUnsavedChanges() const;
    bool WriteBackupAndFile();
    // message has %1 for the path and %2 for the system's reason.
    void ReportSaveFailure(const QString& message, const QString& path, const QString& reason);

    vormante::ChannelDatabase& database_;
    QWidget* dialogParent_;
    QString documentPath_;
};
