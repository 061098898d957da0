// "Archive...": the images the archive keeps (received, sent, and file contents a
// save replaced), newest first, with their time, kind, file or port and counts. For
// the selected one: Open it as an unnamed document (Save then asks for a name),
// Compare the open image with it, Restore it into the open document as one step of
// the history, Delete it, or Show the archive's folder. A damaged entry (a file that
// is not a whole image) is listed but cannot be opened, compared or restored.
#pragma once

#include "archive/ImageArchive.h"
#include "views/lists/ArchiveCommands.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;

namespace vormante {

class ColumnListCtrl;
class Document;

class ArchiveDialog : public QDialog {
    Q_OBJECT

public:
    // confirmLeave asks about the open image's unsaved changes before Open replaces it;
    // true to go ahead.
    ArchiveDialog(vormante::ImageArchive& archive, vormante::Document& document,
                  std::function<bool()> confirmLeave, QWidget* parent = nullptr);

    // Reads the archive again and fills the list; the selection stays on its entry.
    void Refill();

    // The entry of the selected row; null when none is selected.
    const vormante::ArchiveEntry* selectedEntry() const;
    bool SelectEntry(const QString& id);
    const QList<vormante::ArchiveEntry>& entries() const { return entries_; }

    // Tests put in their own runner for the Compare dialog, and their own way of showing
    // the folder.
    void setDialogRunner(std::function<int(QDialog&)> run) { runDialog_ = std::move(run); }
    void setFolderOpener(std::function<void(const QString&)> open) { openFolder_ = std::move(open); }

    ColumnListCtrl* list() const { return list_; }
    QPushButton* openButton() const { return buttons_[OPEN]; }
    QPushButton* compareButton() const { return buttons_[COMPARE]; }
    QPushButton* restoreButton() const { return buttons_[RESTORE]; }
    QPushButton* deleteButton() const { return buttons_[DELETE]; }
    QPushButton* folderButton() const { return buttons_[FOLDER]; }
    QSpinBox* limitBox() const { return limitBox_; }

    // "Restore image of 2026-12-09 18:30:05": the name of the step a restore records.
    static QString RestoreStepName(const vormante::ArchiveEntry& entry);

public Q_SLOTS:
    bool OpenSelected();
    bool CompareSelected();
    bool RestoreSelected();
    bool DeleteSelected();
    void ShowFolder();
    void ApplyLimit();

private:
    // The buttons that act on the selected entry (and the folder's), left to right.
    enum Action { OPEN, COMPARE, RESTORE, DELETE, FOLDER, ACTION_COUNT };

    bool ReadSelected(QByteArray* image);
    void UpdateButtons();
    void Tell(const QString& text);

    vormante::ImageArchive& archive_;
    const vormante::Document& document_; // read here; changed only through commands_
    ArchiveCommands commands_;
    std::function<int(QDialog&)> runDialog_;
    std::function<void(const QString&)> openFolder_;
    QList<vormante::ArchiveEntry> entries_;
    int limit_ = 0;

    ColumnListCtrl* list_ = nullptr;
    QLabel* summaryLabel_ = nullptr;
    std::array<QPushButton*, ACTION_COUNT> buttons_{};
    QSpinBox* limitBox_ = nullptr;
};

} // namespace vormante
