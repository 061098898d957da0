#include "app/AboutDialog.h"
#include "app/DataCommands.h"
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "controls/MessageBox.h"
#include "controls/PageTabCtrl.h"
#include "views/channels/ChannelListPage.h"
#include "views/satellites/SatellitePage.h"
#include "views/settings/SystemSettingsPage.h"

#include "controls/ColumnListCtrl.h"
#include "model/ConsistencyCheck.h"

#include "PromptChecks.h"
#include "TestSupport.h"
#include "WidgetChecks.h"
#include "WindowPictures.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace vormante;

using Id = MainWindow::Command;

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void menuHasTheCommandsInOrder();
    void undoAndRedoNameTheirStep();
    void toolbarHasSixButtons();
    void startsWithNothingToSaveAndPagesDisabled();
    void openingEnablesTheEditor();
    void refusedFileKeepsTheStartState();
    void bringingATabUpRefreshesItsPage();
    void closeBoxAsksAboutUnsavedChanges();
    void exitSavesWhenAnsweredYes();
    void aboutShowsNameAndVersion();
    void titleNamesTheFileAndItsChanges();
    void damagedImageIsReportedOnceAfterOpening();
    void sendingOffersToSaveAndStartsOnTheOpenFile();
    void receivedImageCanBeOpenedAfterTheChangesQuestion();
    void receivedImageSavedOverTheOpenFileIsNeverOverwritten();
    void toolTipsNameTheCommandAndItsShortcut();
    void fitsASmallScreenWithoutOverlaps();
    void satellitePageSplitterMakesRoomForTheChannels();
    void screenshots();

private:
    void OpenThroughToolbar(MainWindow& window) {
        FileDialog::QueueFileName(imagePath_);
        window.toolAction(Id::ID_TOOL_OPEN)->trigger();
        QVERIFY(window.database().loaded());
    }

    // Opens the test's image and makes one unsaved change to it (a byte flipped).
    void OpenWithAChange(MainWindow& window) {
        OpenThroughToolbar(window);
        testsupport::Edit(window.document(),
                          [](vormante::ChannelDatabase& db) { db.workingCopy()[9000] ^= 1; });
    }

    QString WriteDemo() const {
        const QString demo = dir_->filePath("demo.bin");
        return testsupport::WriteDemoImage(demo) ? demo : QString();
    }

    QTemporaryDir* dir_ = nullptr;
    QString imagePath_;
};

void TestMainWindow::init() {
    QStandardPaths::setTestModeEnabled(true); // settings go to a test location, not the user's
    MessageBox::setTestMode(true);
    dir_ = new QTemporaryDir;
    imagePath_ = dir_->filePath("db.bin");
    QFile file(imagePath_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testsupport::ToByteArray(testsupport::EmptyImage()));
}

void TestMainWindow::cleanup() {
    testsupport::CheckPromptsAnswered();
    delete dir_;
    MessageBox::setTestMode(false);
}

void TestMainWindow::menuHasTheCommandsInOrder() {
    MainWindow window;
    QCOMPARE(window.windowTitle(), QString("VORMANTE"));
    QStringList menus;
    QStringList items;
    QList<int> ids;
    for (QAction* menu : window.menuBar()->actions()) {
        menus.append(menu->text());
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator() || item->menu())
                continue;
            items.append(item->text());
            ids.append(item->data().toInt());
        }
    }
    // "Edit" stands between "File" and "Data"; the design's items keep their texts, ids
    // and order, with the new ones beside them.
    QCOMPARE(menus, (QStringList{"File", "Edit", "Data", "Help"}));
    QCOMPARE(items, (QStringList{"Open ...",
                                 "Save",
                                 "Save as ...",
                                 "Export txt file",
                                 "Import txt file",
                                 "Order like another image...",
                                 "Compare with...",
                                 "Order by a list of names...",
                                 "Export names...",
                                 "Import satellites.xml...",
                                 "Export satellites.xml...",
                                 "Archive...",
                                 "Exit",
                                 "Undo",
                                 "Redo",
                                 "Filter list",
                                 "Find channel...",
                                 "Find duplicates",
                                 "Keep this order",
                                 "Data From PC To IRD",
                                 "Data From IRD To PC",
                                 "Language...",
                                 "About"}));
    QCOMPARE(ids, (QList<int>{32771,
                              32775,
                              32776,
                              32777,
                              32778,
                              Id::ID_FILE_ORDER_LIKE,
                              Id::ID_FILE_COMPARE,
                              Id::ID_FILE_ORDER_BY_NAMES,
                              Id::ID_FILE_EXPORT_NAMES,
                              0,
                              0,
                              Id::ID_FILE_ARCHIVE,
                              32779,
                              Id::ID_EDIT_UNDO,
                              Id::ID_EDIT_REDO,
                              Id::ID_EDIT_FILTER,
                              Id::ID_EDIT_FIND,
                              Id::ID_EDIT_DUPLICATES,
                              Id::ID_EDIT_KEEP_ORDER,
                              32784,
                              32774,
                              Id::ID_HELP_LANGUAGE,
                              32783}));
    for (int id : {Id::ID_FILE_EXPORT_TXT, Id::ID_FILE_IMPORT_TXT, Id::ID_EDIT_FIND,
                   Id::ID_FILE_ORDER_BY_NAMES, Id::ID_EDIT_KEEP_ORDER})
        QVERIFY(!window.menuAction(id)->isEnabled()); // until an image is open
    QAction* undo = window.menuAction(Id::ID_EDIT_UNDO);
    QVERIFY(!undo->isEnabled() && !window.menuAction(Id::ID_EDIT_REDO)->isEnabled());
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(window.menuAction(Id::ID_EDIT_REDO)->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)}));
}

void TestMainWindow::undoAndRedoNameTheirStep() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.OpenFile(imagePath_));
    QVERIFY(!window.document().isModified());
    QAction* undo = window.menuAction(Id::ID_EDIT_UNDO);
    QAction* redo = window.menuAction(Id::ID_EDIT_REDO);
    QAction* undoTool = window.toolAction(Id::ID_TOOL_UNDO);
    QVERIFY(!undo->isEnabled() && !undoTool->isEnabled());
    window.document().Apply(QStringLiteral("Delete channel arte"), [](vormante::ChannelDatabase& w) {
        w.Channel(0).setLocked(!w.Channel(0).locked());
    });
    QCOMPARE(undo->text(), QStringLiteral("Undo Delete channel arte"));
    QVERIFY(undoTool->isEnabled());
    QCOMPARE(undoTool->toolTip(), QStringLiteral("Undo Delete channel arte"));
    QVERIFY(window.document().isModified());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!window.document().isModified());
    QCOMPARE(redo->text(), QStringLiteral("Redo Delete channel arte"));
    QVERIFY(window.toolAction(Id::ID_TOOL_REDO)->isEnabled());
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(window.document().isModified());
    // Opening a file clears the history.
    QVERIFY(window.OpenFile(imagePath_));
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
}

void TestMainWindow::toolbarHasSixButtons() {
    MainWindow window;
    QList<int> ids;
    for (QAction* action : window.toolBar()->actions()) {
        ids.append(action->data().toInt());
        QVERIFY(!action->icon().isNull());
        QVERIFY(!action->icon().pixmap(24, 24).isNull());
    }
    // Undo and redo follow the six.
    QCOMPARE(ids, (QList<int>{32772, 32816, 32773, 32774, 32784, 32785, Id::ID_TOOL_UNDO, Id::ID_TOOL_REDO}));
}

void TestMainWindow::startsWithNothingToSaveAndPagesDisabled() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PageTabCtrl* tabs = window.pageTabCtrl();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QString("Sat+LNB+TP+Channel"));
    QCOMPARE(tabs->tabText(1), QString("All Channels Edit"));
    QCOMPARE(tabs->tabText(2), QString("System setting"));
    QVERIFY(!tabs->isEnabled());
    QVERIFY(window.satellitePage()->isVisible()); // shown, but disabled
    QVERIFY(!window.satellitePage()->isEnabled());
    QVERIFY(!window.channelListPage()->isEnabled());
    QVERIFY(!window.systemSettingsPage()->isEnabled());
    QVERIFY(!window.channelListPage()->isVisible());

    for (int id : {Id::ID_FILE_SAVE, Id::ID_FILE_SAVE_AS, Id::ID_FILE_EXPORT_TXT, Id::ID_FILE_IMPORT_TXT})
        QVERIFY2(!window.menuAction(id)->isEnabled(), qPrintable(QString::number(id)));
    for (int id : {Id::ID_TOOL_SAVE, Id::ID_TOOL_SAVE_AS})
        QVERIFY(!window.toolAction(id)->isEnabled());
    for (int id : {Id::ID_FILE_OPEN, Id::ID_FILE_EXIT, Id::ID_DATA_PC_TO_IRD, Id::ID_DATA_IRD_TO_PC,
                   Id::ID_HELP_ABOUT})
        QVERIFY(window.menuAction(id)->isEnabled());
    QCOMPARE(window.progressBar()->value(), 0);

    // A click on a disabled tab does nothing.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(tabs->currentIndex(), 0);
    // Save from the menu does nothing before a file is open.
    window.menuAction(Id::ID_FILE_SAVE)->trigger();
    QVERIFY(MessageBox::prompts().isEmpty());
}

void TestMainWindow::openingEnablesTheEditor() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    OpenThroughToolbar(window);
    QCOMPARE(FileDialog::captions(), QStringList{"Open"});
    QCOMPARE(window.fileCommands()->documentPath(), imagePath_);
    QVERIFY(window.pageTabCtrl()->isEnabled());
    for (QWidget* page :
         QList<QWidget*>{window.satellitePage(), window.channelListPage(), window.systemSettingsPage()})
        QVERIFY(page->isEnabled());
    for (int id : {Id::ID_FILE_SAVE, Id::ID_FILE_SAVE_AS})
        QVERIFY(window.menuAction(id)->isEnabled());
    for (int id : {Id::ID_TOOL_SAVE, Id::ID_TOOL_SAVE_AS})
        QVERIFY(window.toolAction(id)->isEnabled());
    // The list commands come alive with an open image.
    for (int id : {Id::ID_FILE_EXPORT_TXT, Id::ID_FILE_IMPORT_TXT, Id::ID_FILE_ORDER_LIKE,
                   Id::ID_FILE_COMPARE, Id::ID_EDIT_FIND, Id::ID_EDIT_DUPLICATES})
        QVERIFY(window.menuAction(id)->isEnabled());

    PageTabCtrl* tabs = window.pageTabCtrl();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QCOMPARE(tabs->currentIndex(), 2);
    QVERIFY(window.systemSettingsPage()->isVisible());
    QVERIFY(!window.satellitePage()->isVisible());

    // Opening another image keeps the file-open state.
    FileDialog::QueueFileName(imagePath_);
    window.menuAction(Id::ID_FILE_OPEN)->trigger();
    QVERIFY(window.pageTabCtrl()->isEnabled());
    QVERIFY(window.menuAction(Id::ID_FILE_SAVE)->isEnabled());
    QVERIFY(MessageBox::prompts().isEmpty());
}

void TestMainWindow::refusedFileKeepsTheStartState() {
    MainWindow window;
    MessageBox::QueueAnswer(QMessageBox::Ok);
    QVERIFY(!window.OpenFile(dir_->filePath("missing.bin")));
    QCOMPARE(MessageBox::prompts().first().text, FileCommands::OpenErrorText());
    QVERIFY(!window.pageTabCtrl()->isEnabled());
    QVERIFY(!window.menuAction(Id::ID_FILE_SAVE)->isEnabled());
    QVERIFY(window.OpenFile(imagePath_)); // the command-line path
    QVERIFY(window.pageTabCtrl()->isEnabled());
}

void TestMainWindow::bringingATabUpRefreshesItsPage() {
    QVERIFY(testsupport::WriteDemoImage(imagePath_));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.OpenFile(imagePath_));
    SatellitePage* page = window.satellitePage();
    QVERIFY(page->satelliteList()->RowCount() > 1);
    QVERIFY(page->channelList()->RowCount() > 0);
    const QString satelliteName = page->satelliteList()->CellText(page->satelliteList()->currentRow(), 1);

    // A change made elsewhere (a step of the document) shows at once on the page in
    // front, which keeps its rows; the other pages catch up when they come up.
    const int satellite = page->CurrentSatellite();
    const int channel = page->CurrentChannel(satellite, page->CurrentTransponder(satellite));
    QVERIFY(channel >= 0);
    const int row = page->channelList()->currentRow();
    testsupport::Edit(window.document(), [&](vormante::ChannelDatabase& w) {
        w.Channel(channel).setName("Renamed");
        w.Satellite(satellite).setName("Moved");
    });
    QCOMPARE(page->channelList()->CellText(row, 1), QString("Renamed"));
    QCOMPARE(page->satelliteList()->CellText(page->satelliteList()->currentRow(), 1), QString("Moved"));
    QCOMPARE(page->CurrentChannel(satellite, page->CurrentTransponder(satellite)), channel);
    QVERIFY(satelliteName != QString("Moved"));

    PageTabCtrl* tabs = window.pageTabCtrl();
    testsupport::Edit(window.document(),
                      [&](vormante::ChannelDatabase& w) { w.Channel(channel).setName("Again"); });
    QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    QVERIFY(window.channelListPage()->isVisible());
    QTest::keyClick(&window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(page->channelList()->CellText(row, 1), QString("Again"));

    // Undo from the Edit menu: the page in front follows again.
    window.menuAction(Id::ID_EDIT_UNDO)->trigger();
    QCOMPARE(page->channelList()->CellText(row, 1), QString("Renamed"));
    window.menuAction(Id::ID_EDIT_UNDO)->trigger();
    QCOMPARE(page->satelliteList()->CellText(page->satelliteList()->currentRow(), 1), satelliteName);
    QVERIFY(!window.menuAction(Id::ID_EDIT_UNDO)->isEnabled());
    QVERIFY(!window.document().isModified());
}

void TestMainWindow::closeBoxAsksAboutUnsavedChanges() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    OpenWithAChange(window);

    MessageBox::QueueAnswer(QMessageBox::Cancel);
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(window.database().IsChanged());

    MessageBox::QueueAnswer(QMessageBox::Discard);
    QVERIFY(window.close());
    QCOMPARE(MessageBox::prompts().size(), 2);
    QCOMPARE(MessageBox::prompts().last().text, FileCommands::ChangedQuestion());
    QVERIFY(!QFile::exists(imagePath_ + ".bak"));

    // Without changes the close box asks nothing.
    MainWindow clean;
    clean.show();
    QVERIFY(clean.close());
    QCOMPARE(MessageBox::prompts().size(), 2);
}

void TestMainWindow::exitSavesWhenAnsweredYes() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    OpenWithAChange(window);
    MessageBox::QueueAnswer(QMessageBox::Save);
    window.menuAction(Id::ID_FILE_EXIT)->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(MessageBox::prompts().size(), 1); // asked once, not again by the close
    QFile saved(imagePath_);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(static_cast<unsigned char>(saved.readAll().at(9000)), 1);
    QVERIFY(QFile::exists(imagePath_ + ".bak"));
}

void TestMainWindow::aboutShowsNameAndVersion() {
    MainWindow window;
    window.show();
    QStringList texts;
    QString title;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget())) {
            title = about->windowTitle();
            for (QLabel* label : about->findChildren<QLabel*>())
                texts.append(label->text());
            about->close(); // the title bar's close box
        }
    });
    poll.start();
    window.toolAction(Id::ID_TOOL_ABOUT)->trigger();
    poll.stop();
    QCOMPARE(title, QString("About"));
    QVERIFY(texts.contains("Vormante"));
    QVERIFY(texts.contains("Version  Num: 1.0"));
}

void TestMainWindow::titleNamesTheFileAndItsChanges() {
    MainWindow window;
    QCOMPARE(window.windowTitle(), QString("VORMANTE"));
    OpenThroughToolbar(window);
    QCOMPARE(window.windowTitle(), QString::fromUtf8("db.bin \u2014 VORMANTE"));
    testsupport::Edit(window.document(), [](vormante::ChannelDatabase& w) { w.workingCopy()[9000] ^= 1; });
    QCOMPARE(window.windowTitle(), QString::fromUtf8("db.bin* \u2014 VORMANTE"));
    window.menuAction(Id::ID_EDIT_UNDO)->trigger(); // back to what the file holds
    QCOMPARE(window.windowTitle(), QString::fromUtf8("db.bin \u2014 VORMANTE"));
    window.menuAction(Id::ID_EDIT_REDO)->trigger();

    // Save as: the new file's name, saved.
    FileDialog::QueueFileName(dir_->filePath("demo.bin"));
    window.menuAction(Id::ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(window.windowTitle(), QString::fromUtf8("demo.bin \u2014 VORMANTE"));

    // An image with no file yet, as the archive opens one.
    QVERIFY(testsupport::LoadInto(window.document(), testsupport::EmptyImage(), QString()));
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Untitled \u2014 VORMANTE"));
}

void TestMainWindow::damagedImageIsReportedOnceAfterOpening() {
    vormante::ChannelDatabase damaged;
    QVERIFY(testsupport::LoadInto(damaged, testsupport::EmptyImage()));
    damaged.Settings().setSatelliteCount(3);
    damaged.Transponder(700).setInUse(1);
    const auto problems = vormante::CheckConsistency(damaged);
    QCOMPARE(problems.size(), std::size_t(2));
    const QString path = dir_->filePath("damaged.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(damaged.workingCopy().data()), vormante::IMAGE_SIZE);
    file.close();

    MainWindow window;
    MessageBox::QueueAnswer(QMessageBox::Ok);
    FileDialog::QueueFileName(path);
    window.toolAction(Id::ID_TOOL_OPEN)->trigger();
    QCOMPARE(MessageBox::prompts().size(), 1);
    const MessageBox::Prompt prompt = MessageBox::prompts().first();
    QVERIFY2(prompt.text.startsWith("damaged.bin has 2 problems"), qPrintable(prompt.text));
    QCOMPARE(prompt.detailedText, QString::fromStdString(problems[0].message + "\n" + problems[1].message));
    QCOMPARE(window.document().path(), path); // opened all the same
    QVERIFY(window.pageTabCtrl()->isEnabled());

    // A consistent image opens without a word.
    FileDialog::QueueFileName(imagePath_);
    window.toolAction(Id::ID_TOOL_OPEN)->trigger();
    QCOMPARE(MessageBox::prompts().size(), 1);
}

void TestMainWindow::sendingOffersToSaveAndStartsOnTheOpenFile() {
    MainWindow window;
    OpenWithAChange(window);
    MessageBox::ResetTestState();

    MessageBox::QueueAnswer(QMessageBox::Cancel); // nothing is sent, nothing saved
    window.menuAction(Id::ID_DATA_PC_TO_IRD)->trigger();
    QVERIFY(FileDialog::captions().isEmpty());
    QVERIFY(MessageBox::prompts().first().text.startsWith("db.bin has unsaved changes"));

    MessageBox::QueueAnswer(QMessageBox::Yes); // save, then the file dialog on the open file
    FileDialog::QueueFileName(QString());
    window.menuAction(Id::ID_DATA_PC_TO_IRD)->trigger();
    QCOMPARE(FileDialog::directories(), QStringList{imagePath_});
    QVERIFY(!window.document().isModified());
    QFile saved(imagePath_);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(static_cast<unsigned char>(saved.readAll().at(9000)), 1);

    // Without changes: no question.
    FileDialog::QueueFileName(QString());
    window.menuAction(Id::ID_DATA_PC_TO_IRD)->trigger();
    QCOMPARE(MessageBox::prompts().size(), 2);
}

void TestMainWindow::receivedImageCanBeOpenedAfterTheChangesQuestion() {
    MainWindow window;
    OpenWithAChange(window);
    const QString received = dir_->filePath("received.bin");
    QVERIFY(QFile::copy(imagePath_, received));

    MessageBox::QueueAnswer(QMessageBox::No); // not opened
    window.dataCommands()->OfferToOpenReceived(received);
    QCOMPARE(window.document().path(), imagePath_);

    MessageBox::QueueAnswer(QMessageBox::Yes);    // open it...
    MessageBox::QueueAnswer(QMessageBox::Cancel); // ...but keep the edits open
    window.dataCommands()->OfferToOpenReceived(received);
    QCOMPARE(window.document().path(), imagePath_);
    QVERIFY(window.document().isModified());
    QCOMPARE(MessageBox::prompts().last().text, FileCommands::ChangedQuestion());

    MessageBox::QueueAnswer(QMessageBox::Yes);
    MessageBox::QueueAnswer(QMessageBox::Discard);
    window.dataCommands()->OfferToOpenReceived(received);
    QCOMPARE(window.document().path(), received);
    QVERIFY(!window.document().isModified());
    QCOMPARE(window.windowTitle(), QString::fromUtf8("received.bin \u2014 VORMANTE"));
}

void TestMainWindow::receivedImageSavedOverTheOpenFileIsNeverOverwritten() {
    auto readAll = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    MainWindow window;
    OpenWithAChange(window);
    const QByteArray edited = readAll(imagePath_).replace(9000, 1, "\x01");
    // The receive saved its image over the open file.
    QVERIFY(QFile::remove(imagePath_) && QFile::copy(WriteDemo(), imagePath_));
    const QByteArray received = readAll(imagePath_);

    // Not opened: Save asks for another name and refuses this one.
    MessageBox::QueueAnswer(QMessageBox::No);
    window.dataCommands()->OfferToOpenReceived(imagePath_);
    MessageBox::QueueAnswer(QMessageBox::Save);
    FileDialog::QueueFileName(imagePath_);
    MessageBox::QueueAnswer(QMessageBox::Ok);
    window.menuAction(Id::ID_FILE_SAVE)->trigger();
    QCOMPARE(MessageBox::prompts().value(1).informativeText,
             QString("Unsaved changes in db.bin. db.bin now holds the received image. Save asks for another "
                     "name for them."));
    QCOMPARE(readAll(imagePath_), received);

    // Opened: the changes go to the file the user names first.
    MessageBox::QueueAnswer(QMessageBox::Yes);
    MessageBox::QueueAnswer(QMessageBox::Save);
    FileDialog::QueueFileName(dir_->filePath("edits"));
    window.dataCommands()->OfferToOpenReceived(imagePath_);
    QCOMPARE(readAll(dir_->filePath("edits.bin")), edited);
    QCOMPARE(readAll(imagePath_), received);
    QCOMPARE(window.document().path(), imagePath_);
    QCOMPARE(
        QByteArray(reinterpret_cast<const char*>(window.database().workingCopy().data()), received.size()),
        received);
}

void TestMainWindow::toolTipsNameTheCommandAndItsShortcut() {
    MainWindow window;
    const QString open = QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText);
    QCOMPARE(window.toolAction(Id::ID_TOOL_OPEN)->toolTip(), QString("Open (%1)").arg(open));
    QVERIFY(!window.menuAction(Id::ID_FILE_SAVE_AS)->shortcut().isEmpty());
    QVERIFY(window.toolAction(Id::ID_TOOL_SAVE_AS)->toolTip().startsWith("Save as ("));
    for (QAction* action : window.toolBar()->actions()) {
        if (!action->isSeparator())
            QVERIFY2(!action->toolTip().isEmpty(), qPrintable(action->text()));
    }
}

void TestMainWindow::fitsASmallScreenWithoutOverlaps() {
    MainWindow window;
    QVERIFY(window.OpenFile(WriteDemo()));
    const QSize smallest = window.minimumSize().expandedTo(window.minimumSizeHint());
    QVERIFY2(smallest.width() <= 640 && smallest.height() <= 480,
             qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
    for (const QSize size : {QSize(640, 480), smallest}) {
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int tab = 0; tab < window.pageTabCtrl()->count(); ++tab) {
            window.pageTabCtrl()->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString overlap = testsupport::FirstOverlap(&window);
            QVERIFY2(overlap.isEmpty(), qPrintable(QStringLiteral("tab %1: %2").arg(tab).arg(overlap)));
        }
    }
}

void TestMainWindow::satellitePageSplitterMakesRoomForTheChannels() {
    MainWindow window;
    QVERIFY(window.OpenFile(WriteDemo()));
    window.resize(1024, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // On a roomy window the upper lists start with all eight LNB types in view.
    const ColumnListCtrl* lnbs = window.satellitePage()->lnbList();
    QVERIFY(lnbs->rowViewportPosition(7) + lnbs->rowHeight(7) <= lnbs->viewport()->height());

    // Dragged up, the splitter gives the channel list the room.
    QSplitter* splitter = window.satellitePage()->splitter();
    const int channelHeight = window.satellitePage()->channelList()->height();
    QList<int> sizes = splitter->sizes();
    splitter->setSizes({sizes[0] - 60, sizes[1] + 60});
    QApplication::processEvents();
    QCOMPARE(window.satellitePage()->channelList()->height(), channelHeight + 60);
    // Never so far that a list disappears.
    splitter->setSizes({0, sizes[0] + sizes[1]});
    QVERIFY(window.satellitePage()->satelliteList()->height() > 0);
}

void TestMainWindow::screenshots() {
    const QString folder = qEnvironmentVariable("VORMANTE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("set VORMANTE_SCREENSHOT_DIR to a folder to save pictures of the window at three sizes");
    // A new window for each size, as the editor looks when started on that screen.
    QVERIFY(testsupport::SaveWindowPictures(WriteDemo(), [&](QSize size, int tab) {
        return QStringLiteral("%1/window-%2x%3-tab%4.png")
            .arg(folder)
            .arg(size.width())
            .arg(size.height())
            .arg(tab);
    }));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
