// Lists of names and "Keep this order" in the editor: names exported and read back
// change nothing, an edited list orders the channels shown in front as one named
// step that undo takes back, and a sorted view becomes the stored order from the
// Edit menu and from both channel lists' context menus.
#include "app/MainWindow.h"
#include "app/NameListCommands.h"

#include "PromptChecks.h"
#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "controls/PageTabCtrl.h"
#include "model/BulkOperations.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelListPage.h"
#include "views/satellites/SatellitePage.h"

#include <QDialog>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace vormante;

class TestNameListCommands : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<MainWindow> window_;

    const ChannelDatabase& db() const { return window_->database(); }
    const QUndoStack* history() const { return window_->document().undoStack(); }
    std::vector<int> RowChannels(const ColumnListCtrl* list) const {
        std::vector<int> channels;
        for (int row = 0; row < list->RowCount(); ++row)
            channels.push_back(list->RowKey(row));
        return channels;
    }
    // Whether the menu offers "Keep this order" as it opens.
    static bool KeepOffered(QMenu* menu, QAction* keep) {
        Q_EMIT menu->aboutToShow();
        return keep->isEnabled();
    }

private Q_SLOTS:
    void init() {
        QStandardPaths::setTestModeEnabled(true);
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
        const QString path = dir_.filePath("demo.bin");
        QVERIFY(testsupport::WriteDemoImage(path));
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(window_->OpenFile(path));
        window_->pageTabCtrl()->setCurrentIndex(1);
    }
    void cleanup() {
        testsupport::CheckPromptsAnswered();
        window_.reset();
    }

    void namesReadBackChangeNothingAndAnEditedListIsOneStep() {
        NameListCommands* names = window_->nameListCommands();
        names->setDialogRunner([](QDialog&) { return int(QDialog::Accepted); });
        const QString listPath = dir_.filePath("names.txt");
        FileDialog::QueueFileName(listPath);
        QVERIFY(names->ExportNames());
        const DatabaseImage opened = db().workingCopy();
        FileDialog::QueueFileName(listPath);
        QVERIFY(names->OrderByNames());
        QCOMPARE(history()->count(), 0); // nothing to change, no step
        QVERIFY(db().workingCopy() == opened);

        QFile file(listPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("ZDF\nDAS ERSTE HD\n");
        file.close();
        FileDialog::QueueFileName(listPath);
        QVERIFY(names->OrderByNames());
        QCOMPARE(history()->count(), 1);
        QCOMPARE(history()->undoText(), QString("Order Astra 1 19.2E 19.2E TV by names.txt"));
        const std::vector<int> tv = ChannelsOfKind(db(), 0, true);
        QCOMPARE(db().Channel(tv[0]).name(), std::string("ZDF"));
        QCOMPARE(db().Channel(tv[1]).name(), std::string("Das Erste"));
        window_->document().Undo();
        QVERIFY(db().workingCopy() == opened);

        // A binary file is refused with its line, and nothing changes.
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("ZDF\n\0\x01\x02", 7));
        file.close();
        FileDialog::QueueFileName(listPath);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!names->OrderByNames());
        QVERIFY(MessageBox::prompts().last().text.startsWith(
            "names.txt is not a list of names and was not used: line 2: "));
        QVERIFY(db().workingCopy() == opened);
    }

    void keepThisOrderStoresTheSortedView() {
        ChannelListPage* page = window_->channelListPage();
        ColumnListCtrl* list = page->channelList();
        QAction* keep = window_->menuAction(MainWindow::ID_EDIT_KEEP_ORDER);
        QMenu* editMenu = qobject_cast<QMenu*>(keep->associatedObjects().value(0));
        QVERIFY(editMenu);
        QVERIFY(!KeepOffered(editMenu, keep));
        const DatabaseImage opened = db().workingCopy();
        list->SortByColumn(1, false);
        QVERIFY(KeepOffered(editMenu, keep));
        const std::vector<int> sorted = RowChannels(list);
        keep->trigger();
        QVERIFY(ChannelsOfKind(db(), page->ShownSatellite(), true) == sorted);
        QVERIFY(RowChannels(list) == sorted);
        QCOMPARE(history()->undoText(), QString("Keep the shown order"));
        QVERIFY(!KeepOffered(editMenu, keep));
        window_->document().Undo();
        QVERIFY(db().workingCopy() == opened);

        // Two rows selected: only they trade places.
        page->Refresh();
        list->SortByColumn(1, false);
        const int first = list->RowKey(0), second = list->RowKey(1);
        list->SelectOnlyRows({0, 1});
        QAction* menuKeep = page->contextMenu()->findChild<QAction*>("keepOrderAction");
        QVERIFY(KeepOffered(page->contextMenu(), menuKeep));
        std::vector<int> expected = ChannelsOfKind(db(), page->ShownSatellite(), true);
        std::iter_swap(std::find(expected.begin(), expected.end(), first),
                       std::find(expected.begin(), expected.end(), second));
        menuKeep->trigger();
        QVERIFY(ChannelsOfKind(db(), page->ShownSatellite(), true) == expected);
        QCOMPARE(history()->count(), 1);

        // The satellite page's list, one transponder's channels, from its Channel menu.
        window_->pageTabCtrl()->setCurrentIndex(0);
        window_->satellitePage()->channelList()->SortByColumn(1, false);
        QMenu* channelMenu = window_->satellitePage()->ContextMenu(SatellitePage::CHANNELS);
        QAction* channelKeep = channelMenu->findChild<QAction*>("keepOrderAction");
        QVERIFY(KeepOffered(channelMenu, channelKeep) && KeepOffered(editMenu, keep));
        channelKeep->trigger();
        QCOMPARE(history()->count(), 2);
        QVERIFY(!KeepOffered(channelMenu, channelKeep));
    }
};

QTEST_MAIN(TestNameListCommands)
#include "tst_namelistcommands.moc"
