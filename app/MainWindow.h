// The editor's main window: menu, toolbar, the tab strip with the three pages and the
// progress bar. It owns the document (database, file path, edit history) and routes
// every command to the file commands, the data commands, the edit history or the
// About box; it keeps no logic of its own beyond the start-up and file-open states
// and refreshing a page when its tab is brought up. The pages follow the document's
// changes themselves.
#pragma once

#include "document/Document.h"

#include <QHash>
#include <QMainWindow>
#include <QSettings>

class QAction;
class QProgressBar;
class QToolBar;

namespace vormante {

class ChannelListPage;
class DataCommands;
class FileCommands;
class ListCommands;
class NameListCommands;
class PageArea;
class RecentFiles;
class SessionSettings;
class StatusLine;
class PageTabCtrl;
class SatellitePage;
class SystemSettingsPage;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Command ids of the menu and the toolbar.
    enum Command {
        ID_FILE_OPEN = 32771,
        ID_TOOL_OPEN = 32772,
        ID_FILE_SAVE = 32775,
        ID_TOOL_SAVE = 32816,
        ID_FILE_SAVE_AS = 32776,
        ID_TOOL_SAVE_AS = 32773,
        ID_FILE_EXPORT_TXT = 32777,
        ID_FILE_IMPORT_TXT = 32778,
        ID_FILE_EXIT = 32779,
        ID_DATA_PC_TO_IRD = 32784,
        ID_DATA_IRD_TO_PC = 32774,
        ID_HELP_ABOUT = 32783,
        ID_TOOL_ABOUT = 32785,
        ID_EDIT_UNDO = 32840,
        ID_EDIT_REDO = 32841,
        ID_TOOL_UNDO = 32842,
        ID_TOOL_REDO = 32843,
        ID_FILE_ORDER_LIKE = 32844,
        ID_FILE_COMPARE = 32845,
        ID_EDIT_FIND = 32846,
        ID_EDIT_DUPLICATES = 32847,
        ID_EDIT_FILTER = 32848,
        ID_FILE_ORDER_BY_NAMES = 32860,
        ID_FILE_EXPORT_NAMES = 32861,
        ID_EDIT_KEEP_ORDER = 32862,
        ID_FILE_ARCHIVE = 32863,
        ID_HELP_LANGUAGE = 32864,
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens an image as "Open ..." does after its dialog (the command-line argument).
    bool OpenFile(const QString& path);

    // The window title for a file (empty: none open): "demo.bin* — VORMANTE".
    static QString TitleFor(const QString& path, bool modified);

    // The menu action (or, for the toolbar ids, the toolbar action) of a command id.
    QAction* menuAction(int id) const { return menuActions_.value(id); }
    QAction* toolAction(int id) const { return toolActions_.value(id); }
    QToolBar* toolBar() const { return toolBar_; }
    PageTabCtrl* pageTabCtrl() const;
    QProgressBar* progressBar() const;
    SatellitePage* satellitePage() const;
    ChannelListPage* channelListPage() const;
    SystemSettingsPage* systemSettingsPage() const;
    FileCommands* fileCommands() const { return fileCommands_; }
    DataCommands* dataCommands() const { return dataCommands_; }
    ListCommands* listCommands() const { return listCommands_; }
    NameListCommands* nameListCommands() const { return nameListCommands_; }
    StatusLine* statusLine() const { return statusLine_; }
    RecentFiles* recentFiles() const { return recentFiles_; }
    SessionSettings* sessionSettings() const { return session_; }
    // Opens an image the way a recent file or a dropped file is opened: the
    // unsaved-changes question first. True when it was opened.
    bool OpenAfterQuestion(const QString& path);
    // "Find channel...": shows the chosen channel on the page in front.
    void OnFindChannel();
    vormante::Document& document() { return document_; }
    const vormante::ChannelDatabase& database() const { return document_.database(); }

public Q_SLOTS:
    void OnExit();
    void OnPortOption();
    void OnAbout();
    void OnLanguage();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenu();
    void CreateEditMenu();
    void UpdateStatusLine();
    void FocusFilter();
    void CreateToolBar();
    void EnableImageCommands(bool enable);
    void OnImageOpened();
    void UpdateWindowTitle();
    void ShowShortcutsInToolTips();
    void ReportImageProblems();
    QAction* AddCommand(QMenu* menu, const QString& text, int id, void (MainWindow::*slot)());
    QAction* AddTool(const QString& icon, const QString& tip, int id, void (MainWindow::*slot)());
    // The same, run by the file or data commands themselves.
    template <class Receiver, class Result>
    QAction* AddCommand(QMenu* menu, const QString& text, int id, Receiver* receiver,
                        Result (Receiver::*slot)());
    template <class Receiver, class Result>
    QAction* AddTool(const QString& icon, const QString& tip, int id, Receiver* receiver,
                     Result (Receiver::*slot)());

    vormante::Document document_;
    QToolBar* toolBar_ = nullptr;
    PageArea* pages_ = nullptr;
    // What the editor remembers between runs; in the user's configuration folder.
    QSettings settings_;
    SessionSettings* session_ = nullptr;
    RecentFiles* recentFiles_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    ListCommands* listCommands_ = nullptr;
    NameListCommands* nameListCommands_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    DataCommands* dataCommands_ = nullptr;
    QHash<int, QAction*> menuActions_;
    QHash<int, QAction*> toolActions_;
    bool leaving_ = false; // Exit has settled the unsaved changes already
};

} // namespace vormante
