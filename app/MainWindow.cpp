#include "MainWindow.h"

#include "AboutDialog.h"
#include "DataCommands.h"
#include "FileCommands.h"
#include "HistoryActions.h"
#include "Icons.h"
#include "ImageDrop.h"
#include "ImageProblems.h"
#include "LanguageDialog.h"
#include "ListCommands.h"
#include "NameListCommands.h"
#include "PageArea.h"
#include "RecentFiles.h"
#include "SatellitesXmlCommands.h"
#include "SessionSettings.h"
#include "archive/ArchiveKeeper.h"
#include "controls/ColumnListCtrl.h"
#include "controls/PageTabCtrl.h"
#include "transfer/TransferDialog.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelListPage.h"
#include "views/common/CommandGuard.h"
#include "views/common/StatusLine.h"
#include "views/lists/ArchiveDialog.h"
#include "views/lists/FindChannelDialog.h"
#include "views/satellites/SatellitePage.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

// Outside every namespace: the macro declares the resource initialiser where it stands.
static void InitResources() {
    Q_INIT_RESOURCE(vormante);
}

namespace vormante {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), settings_(SessionSettings::DefaultSettingsPath(), QSettings::IniFormat) {
    InitResources();
    setWindowTitle(QStringLiteral("VORMANTE"));
    setWindowIcon(ProgramIcon(QStringLiteral("vormante")));
    setObjectName(QStringLiteral("mainWindow"));

    session_ = new SessionSettings(settings_, this);
    recentFiles_ = new RecentFiles(settings_, this);
    fileCommands_ = new FileCommands(document_, this, this);
    fileCommands_->setSession(session_);
    dataCommands_ = new DataCommands(this, this);
    listCommands_ = new ListCommands(document_, this, this);
    // Lists of names order, and are written from, the satellite and kind shown in front.
    nameListCommands_ = new NameListCommands(
        document_, this,
        [this]() -> NameListCommands::Shown {
            if (pages_->currentTab() == PageArea::TAB_SATELLITES)
                return {satellitePage()->CurrentSatellite(), satellitePage()->showTv()};
            if (pages_->currentTab() == PageArea::TAB_ALL_CHANNELS)
                return {channelListPage()->ShownSatellite(), channelListPage()->showTv()};
            return {static_cast<int>(document_.database().Settings().currentSatellite()), true};
        },
        this);
    dataCommands_->setFileCommands(fileCommands_);
    connect(&document_, &vormante::Document::opened, this, &MainWindow::OnImageOpened);
    // Every file opened or saved goes to the top of the recent files.
    connect(&document_, &vormante::Document::pathChanged, recentFiles_, [this](const QString& path) {
        if (!path.isEmpty())
            recentFiles_->Add(path);
    });
    connect(recentFiles_, &RecentFiles::openRequested, this, &MainWindow::OpenAfterQuestion);
    connect(new ImageDrop(this), &ImageDrop::imageDropped, this, &MainWindow::OpenAfterQuestion);
    connect(&document_, &vormante::Document::pathChanged, this, &MainWindow::UpdateWindowTitle);
    connect(&document_, &vormante::Document::modifiedChanged, this, &MainWindow::UpdateWindowTitle);
    connect(fileCommands_, &FileCommands::imageOpened, this, &MainWindow::ReportImageProblems);

    CreateMenu();
    CreateToolBar();
    ShowShortcutsInToolTips();
    pages_ = new PageArea(this);
    setCentralWidget(pages_);

    // Hand the pages the document, then keep them disabled until an image is open.
    pages_->Initialize(document_);
    EnableImageCommands(false);

    // The status line: the file, whether it is changed, the image's totals.
    statusLine_ = new StatusLine(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusBar()->addWidget(statusLine_, 1);
    connect(&document_, &vormante::Document::opened, this, &MainWindow::UpdateStatusLine);
    connect(&document_, &vormante::Document::changed, this, &MainWindow::UpdateStatusLine);
    connect(&document_, &vormante::Document::modifiedChanged, this, &MainWindow::UpdateStatusLine);
    connect(&document_, &vormante::Document::pathChanged, this, &MainWindow::UpdateStatusLine);
    UpdateStatusLine();

    // Column widths the user drags are kept between runs.
    const std::pair<const char*, ColumnListCtrl*> lists[] = {
        {"satellites", satellitePage()->satelliteList()},
        {"transponders", satellitePage()->transponderList()},
        {"lnbs", satellitePage()->lnbList()},
        {"channels", satellitePage()->channelList()},
        {"allChannels", channelListPage()->channelList()}};
    for (const auto& [name, list] : lists)
        session_->TrackColumnWidths(QLatin1String(name), list->horizontalHeader());
    session_->TrackSplitter(QStringLiteral("satellitePage"), satellitePage()->splitter());

    // Ctrl+Tab and Ctrl+Shift+Tab switch pages as a click on the next tab would.
    auto stepTab = [tabs = pageTabCtrl()](int step) {
        if (tabs->isEnabled())
            tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [stepTab] { stepTab(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this), &QShortcut::activated,
            this, [stepTab] { stepTab(-1); });

    // The dialog size the window was designed at, in units of the current font, or
    // what the pages need if that is more, within the screen.
    const QFontMetrics metrics = fontMetrics();
    QSize size =
        QSize(376 * metrics.averageCharWidth() / 4, 308 * metrics.height() / 8).expandedTo(sizeHint());
    // Narrower than 640 pixels the tabs and the status line would be cut; how low
    // the window may get is the pages' layouts' to say.
    int narrowest = std::max(640, minimumSizeHint().width());
    if (const QScreen* display = screen()) {
        size = size.boundedTo(display->availableGeometry().size());
        narrowest = std::min(narrowest, display->availableGeometry().width());
    }
    setMinimumWidth(narrowest);
    resize(size);
    session_->RestoreWindow(this);
    // The transfer windows start on the serial port used last time.
    vormante::TransferDialog::SetPortMemory({[this] { return session_->LastPort(); },
                                             [this](const QString& port) { session_->SetLastPort(port); }});
    // What the archive cannot keep, or removes to stay within its bound, shows in the status line.
    vormante::archiving::SetReporter([this](const QString& text) { statusBar()->showMessage(text, 15000); });
}

MainWindow::~MainWindow() {
    vormante::TransferDialog::SetPortMemory({});
    vormante::archiving::SetReporter({});
}

PageTabCtrl* MainWindow::pageTabCtrl() const {
    return pages_->tabs();
}
QProgressBar* MainWindow::progressBar() const {
    return pages_->progressBar();
}
SatellitePage* MainWindow::satellitePage() const {
    return pages_->satellitePage();
}
ChannelListPage* MainWindow::channelListPage() const {
    return pages_->channelListPage();
}
SystemSettingsPage* MainWindow::systemSettingsPage() const {
    return pages_->systemSettingsPage();
}

QAction* MainWindow::AddCommand(QMenu* menu, const QString& text, int id, void (MainWindow::*slot)()) {
    return AddCommand(menu, text, id, this, slot);
}

QAction* MainWindow::AddTool(const QString& icon, const QString& tip, int id, void (MainWindow::*slot)()) {
    return AddTool(icon, tip, id, this, slot);
}

// A menu item: its id as data and in its object name ("menu5"), and the slot it runs, if any.
template <class Receiver, class Result>
QAction* MainWindow::AddCommand(QMenu* menu, const QString& text, int id, Receiver* receiver,
                                Result (Receiver::*slot)()) {
    QAction* action = menu->addAction(text);
    action->setData(id);
    action->setObjectName(QStringLiteral("menu%1").arg(id));
    if (slot != nullptr)
        connect(action, &QAction::triggered, receiver, slot);
    menuActions_.insert(id, action);
    return action;
}

// A tool, named like a menu item ("tool3").
template <class Receiver, class Result>
QAction* MainWindow::AddTool(const QString& icon, const QString& tip, int id, Receiver* receiver,
                             Result (Receiver::*slot)()) {
    QAction* action = toolBar_->addAction(ProgramIcon(icon), tip);
    action->setData(id);
    action->setObjectName(QStringLiteral("tool%1").arg(id));
    connect(action, &QAction::triggered, receiver, slot);
    toolActions_.insert(id, action);
    return action;
}

void MainWindow::CreateMenu() {
    //: a menu
    QMenu* file = menuBar()->addMenu(tr("File"));
    AddCommand(file, tr("Open ..."), ID_FILE_OPEN, fileCommands_, &FileCommands::OpenImage)
        ->setShortcut(QKeySequence::Open);
    //: a command
    AddCommand(file, tr("Save"), ID_FILE_SAVE, fileCommands_, &FileCommands::SaveImage)
        ->setShortcut(QKeySequence::Save);
    AddCommand(file, tr("Save as ..."), ID_FILE_SAVE_AS, fileCommands_, &FileCommands::SaveImageAs);
    // The list commands work once an image is open.
    connect(AddCommand(file, tr("Export txt file"), ID_FILE_EXPORT_TXT, nullptr), &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { listCommands_->ExportList(); }); });
    connect(AddCommand(file, tr("Import txt file"), ID_FILE_IMPORT_TXT, nullptr), &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { listCommands_->ImportList(); }); });
    connect(AddCommand(file, tr("Order like another image..."), ID_FILE_ORDER_LIKE, nullptr),
            &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { listCommands_->OrderLikeImage(); }); });
    connect(AddCommand(file, tr("Compare with..."), ID_FILE_COMPARE, nullptr), &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { listCommands_->CompareWithImage(); }); });
    connect(AddCommand(file, tr("Order by a list of names..."), ID_FILE_ORDER_BY_NAMES, nullptr),
            &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { nameListCommands_->OrderByNames(); }); });
    connect(AddCommand(file, tr("Export names..."), ID_FILE_EXPORT_NAMES, nullptr), &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { nameListCommands_->ExportNames(); }); });
    (new SatellitesXmlCommands(document_, this, this))->AddToMenu(file);
    connect(AddCommand(file, tr("Archive..."), ID_FILE_ARCHIVE, nullptr), &QAction::triggered, this, [this] {
        RunGuarded(this, [this] {
            vormante::ImageArchive archive;
            ArchiveDialog dialog(
                archive, document_, [this] { return fileCommands_->ConfirmLeave(); }, this);
            dialog.exec();
        });
    });
    file->addSeparator();
    recentFiles_->AttachMenu(file->addMenu(tr("Recent files")), this);
    file->addSeparator();
    //: a command: quits the program
    AddCommand(file, tr("Exit"), ID_FILE_EXIT, &MainWindow::OnExit)->setShortcut(QKeySequence::Quit);

    CreateEditMenu();

    //: the menu of transfers to and from the receiver
    QMenu* transfer = menuBar()->addMenu(tr("Data"));
    //: IRD: the receiver (integrated receiver-decoder)
    AddCommand(transfer, tr("Data From PC To IRD"), ID_DATA_PC_TO_IRD, dataCommands_,
               &DataCommands::SendFileToReceiver);
    AddCommand(transfer, tr("Data From IRD To PC"), ID_DATA_IRD_TO_PC, dataCommands_,
               &DataCommands::ReceiveImageFromReceiver);

    //: a menu
    QMenu* help = menuBar()->addMenu(tr("Help"));
    AddCommand(help, tr("Language..."), ID_HELP_LANGUAGE, &MainWindow::OnLanguage);
    AddCommand(help, tr("About"), ID_HELP_ABOUT, &MainWindow::OnAbout);
}

void MainWindow::CreateEditMenu() {
    // "Undo <step>" and "Redo <step>", grayed while there is nothing to undo or redo.
    //: a menu
    QMenu* edit = menuBar()->addMenu(tr("Edit"));
    QAction* undo = historyactions::MenuAction(document_, true, this);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = historyactions::MenuAction(document_, false, this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const std::pair<QAction*, int> items[] = {{undo, ID_EDIT_UNDO}, {redo, ID_EDIT_REDO}};
    for (const auto& [action, id] : items) {
        action->setData(id);
        action->setObjectName(QStringLiteral("menu%1").arg(id));
        edit->addAction(action);
        menuActions_.insert(id, action);
    }
    edit->addSeparator();
    AddCommand(edit, tr("Filter list"), ID_EDIT_FILTER, &MainWindow::FocusFilter)
        ->setShortcut(QKeySequence::Find);
    AddCommand(edit, tr("Find channel..."), ID_EDIT_FIND, &MainWindow::OnFindChannel)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(AddCommand(edit, tr("Find duplicates"), ID_EDIT_DUPLICATES, nullptr), &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { listCommands_->FindDuplicates(); }); });
    // "Keep this order" acts on the channel list in front, grayed while it shows the stored order.
    const auto frontList = [this]() -> BulkChannelCommands* {
        return document_.isOpen() ? pages_->frontChannelList() : nullptr;
    };
    QAction* keep = AddCommand(edit, tr("Keep this order"), ID_EDIT_KEEP_ORDER, nullptr);
    keep->setEnabled(false);
    connect(keep, &QAction::triggered, this, [this, frontList] {
        RunGuarded(this, [frontList] {
            if (BulkChannelCommands* list = frontList())
                list->KeepShownOrder();
        });
    });
    connect(edit, &QMenu::aboutToShow, keep, [keep, frontList] {
        BulkChannelCommands* list = frontList();
        keep->setEnabled(list != nullptr && list->CanKeepShownOrder());
    });
}

void MainWindow::UpdateStatusLine() {
    if (document_.isOpen())
        statusLine_->Update(document_.database(), document_.path(), document_.isModified());
    else
        statusLine_->Clear();
}

void MainWindow::FocusFilter() {
    if (document_.isOpen())
        pages_->FocusFilter();
}

void MainWindow::OnFindChannel() {
    if (!document_.isOpen())
        return;
    FindChannelDialog find(document_.database(), this);
    if (find.exec() != QDialog::Accepted || !find.chosen())
        return;
    // The channel shows on the page the search was called from.
    pages_->ShowChannel(*find.chosen());
}

bool MainWindow::OpenAfterQuestion(const QString& path) {
    if (!fileCommands_->ConfirmLeave())
        return false;
    return OpenFile(path);
}

void MainWindow::CreateToolBar() {
    //: the toolbar's name, shown by some desktops
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->setIconSize(QSize(24, 24));
    //: a toolbar tip: opens an image file
    AddTool(QStringLiteral("open"), tr("Open"), ID_TOOL_OPEN, fileCommands_, &FileCommands::OpenImage);
    AddTool(QStringLiteral("save"), tr("Save"), ID_TOOL_SAVE, fileCommands_, &FileCommands::SaveImage);
    AddTool(QStringLiteral("saveas"), tr("Save as"), ID_TOOL_SAVE_AS, fileCommands_,
            &FileCommands::SaveImageAs);
    AddTool(QStringLiteral("receive"), tr("Data From IRD To PC"), ID_DATA_IRD_TO_PC, dataCommands_,
            &DataCommands::ReceiveImageFromReceiver);
    AddTool(QStringLiteral("send"), tr("Data From PC To IRD"), ID_DATA_PC_TO_IRD, dataCommands_,
            &DataCommands::SendFileToReceiver);
    AddTool(QStringLiteral("about"), tr("About"), ID_TOOL_ABOUT, &MainWindow::OnAbout);

    // Undo and redo follow the six; they share the menu items' state, their tips name the step.
    for (const auto& [id, undo] : {std::pair{ID_TOOL_UNDO, true}, std::pair{ID_TOOL_REDO, false}}) {
        QAction* action = historyactions::ToolAction(document_, undo, toolBar_);
        action->setData(id);
        action->setObjectName(QStringLiteral("tool%1").arg(id));
        toolActions_.insert(id, action);
    }
}

// With no image open the pages are disabled, and so are the commands that work on an image.
void MainWindow::EnableImageCommands(bool enable) {
    pageTabCtrl()->setEnabled(enable); // and with it the three pages
    for (int id : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_EXPORT_TXT, ID_FILE_IMPORT_TXT, ID_FILE_ORDER_LIKE,
                   ID_FILE_COMPARE, ID_EDIT_FIND, ID_EDIT_DUPLICATES, ID_EDIT_FILTER, ID_FILE_ORDER_BY_NAMES,
                   ID_FILE_EXPORT_NAMES})
        menuActions_.value(id)->setEnabled(enable);
    for (int id : {ID_TOOL_SAVE, ID_TOOL_SAVE_AS})
        toolActions_.value(id)->setEnabled(enable);
}

void MainWindow::OnImageOpened() {
    EnableImageCommands(true);
    pages_->RefreshAfterOpening();
}

void MainWindow::ShowShortcutsInToolTips() {
    // "Save as" gets Ctrl+Shift+S; each toolbar tip names its command and,
    // where the menu item has one, the shortcut: "Open (Ctrl+O)".
    menuActions_.value(ID_FILE_SAVE_AS)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    const std::pair<int, int> pairs[] = {
        {ID_TOOL_OPEN, ID_FILE_OPEN}, {ID_TOOL_SAVE, ID_FILE_SAVE}, {ID_TOOL_SAVE_AS, ID_FILE_SAVE_AS}};
    for (const auto& [tool, menu] : pairs) {
        QAction* toolAction = toolActions_.value(tool);
        const QKeySequence keys = menuActions_.value(menu)->shortcut();
        if (!keys.isEmpty())
            toolAction->setToolTip(
                QStringLiteral("%1 (%2)").arg(toolAction->text(), keys.toString(QKeySequence::NativeText)));
    }
}

QString MainWindow::TitleFor(const QString& path, bool modified) {
    const QString program = QStringLiteral("VORMANTE");
    if (path.isEmpty())
        return program;
    return QFileInfo(path).fileName() + (modified ? QStringLiteral("*") : QString()) +
           QStringLiteral(" \u2014 ") + program;
}

void MainWindow::UpdateWindowTitle() {
    // An image opened from the archive has no file yet: it is named like any new document.
    const bool unnamed = document_.isOpen() && document_.path().isEmpty();
    setWindowTitle(
        TitleFor(unnamed ? /*: the name of an image that has no file yet */ tr("Untitled") : document_.path(),
                 document_.isModified()));
}

void MainWindow::ReportImageProblems() {
    imageproblems::ReportAfterOpening(this, document_.database(), document_.path());
}

bool MainWindow::OpenFile(const QString& path) {
    return fileCommands_->OpenImageFile(path);
}

void MainWindow::OnExit() {
    if (!fileCommands_->ConfirmLeave())
        return;
    leaving_ = true;
    close();
}

void MainWindow::OnPortOption() {
    dataCommands_->ShowPortOptions();
}

void MainWindow::OnAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::OnLanguage() {
    LanguageDialog dialog(settings_, this);
    if (dialog.exec() == QDialog::Accepted)
        dialog.StoreChoice();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!leaving_ && !fileCommands_->ConfirmLeave()) {
        event->ignore();
        return;
    }
    session_->SaveWindow(this);
    event->accept();
}

} // namespace vormante
