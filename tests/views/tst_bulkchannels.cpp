// Several rows of the all-channels list at once: block moves, drops, deletion,
// flags and keys, each one step of the history that undo takes back.
#include "TestSupport.h"
#include "ViewTestImages.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/BulkOperations.h"
#include "model/ChannelDatabase.h"
#include "model/ConsistencyCheck.h"
#include "model/EditOperations.h"
#include "model/SampleImages.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelDialog.h"
#include "views/channels/ChannelListPage.h"
#include "views/channels/MoveToDialog.h"
#include "views/satellites/SatellitePage.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>
#include <QtTest>

#include <random>

using namespace vormante;

class TestBulkChannels : public QObject {
    Q_OBJECT

    Document document_;
    const ChannelDatabase& db_ = document_.database();
    std::unique_ptr<ChannelListPage> page_;

    ColumnListCtrl* list() { return page_->channelList(); }
    QStringList names() {
        QStringList texts;
        for (const int c : ChannelsOfKind(db_, page_->ShownSatellite(), page_->showTv()))
            texts << QString::fromStdString(db_.Channel(c).name());
        return texts;
    }
    QStringList selectedNames() {
        QStringList texts;
        for (const int row : list()->SelectedRows())
            texts << list()->CellText(row, 1);
        return texts;
    }
    void select(const QStringList& wanted) {
        list()->ClearSelectedRows();
        for (int row = 0; row < list()->RowCount(); ++row)
            if (wanted.contains(list()->CellText(row, 1)))
                list()->SelectRow(row);
    }
    QString lastStep() { return document_.undoStack()->text(document_.undoStack()->index() - 1); }
    QAction* action(const char* name) {
        return page_->contextMenu()->findChild<QAction*>(QLatin1String(name));
    }
    void verifyConsistent() {
        const auto problems = CheckConsistency(db_);
        QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().message.c_str());
    }

private Q_SLOTS:
    void init() {
        MessageBox::setTestMode(true);
        page_ = std::make_unique<ChannelListPage>();
        page_->resize(700, 480);
        page_->Initialize(document_);
        page_->show();
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_.get()));
        QVERIFY(testsupport::LoadInto(document_, viewtest::TwoSatelliteImage()));
        page_->Refresh();
        list()->setFocus();
    }
    void cleanup() {
        QVERIFY(MessageBox::unexpectedPrompts().isEmpty());
        page_.reset();
        MessageBox::setTestMode(false);
    }

    void blockMovesKeepOrderSelectionAndAreOneStepEach() {
        QCOMPARE(names(), QStringList({"Alpha", "bravo", "Charlie", "delta", "Echo", "Zulu"}));
        select({"Echo", "bravo", "Zulu"});
        page_->MoveCurrentTo(1);
        QCOMPARE(names(), QStringList({"bravo", "Echo", "Zulu", "Alpha", "Charlie", "delta"}));
        QCOMPARE(lastStep(), QStringLiteral("Move 3 channels to 1"));
        QCOMPARE(selectedNames(), QStringList({"bravo", "Echo", "Zulu"}));
        QCOMPARE(list()->CellText(page_->currentRow(), 1), QStringLiteral("bravo"));
        QCOMPARE(list()->CellText(5, 0), QStringLiteral("6")); // the rows show the new numbers
        verifyConsistent();

        page_->MoveToBottomCommand();
        QCOMPARE(names(), QStringList({"Alpha", "Charlie", "delta", "bravo", "Echo", "Zulu"}));
        QCOMPARE(lastStep(), QStringLiteral("Move 3 channels to bottom"));
        select({"Charlie", "Echo"});
        page_->MoveToTopCommand();
        QCOMPARE(names(), QStringList({"Charlie", "Echo", "Alpha", "delta", "bravo", "Zulu"}));
        page_->MoveByOneCommand(false);
        QCOMPARE(names(), QStringList({"Alpha", "Charlie", "Echo", "delta", "bravo", "Zulu"}));
        QCOMPARE(lastStep(), QStringLiteral("Move 2 channels to one place down"));
        QCOMPARE(selectedNames(), QStringList({"Charlie", "Echo"}));
        // Already at the top: no step at all.
        select({"Alpha"});
        const int steps = document_.undoStack()->count();
        page_->MoveByOneCommand(true);
        QCOMPARE(document_.undoStack()->count(), steps);

        // Each step undoes alone; all of them give back the loaded order.
        document_.SetHistoryIndex(0);
        page_->Refresh();
        QCOMPARE(names(), QStringList({"Alpha", "bravo", "Charlie", "delta", "Echo", "Zulu"}));
        verifyConsistent();
    }

    // Moving the same rows one place the same way again joins the step before; a
    // move the other way, of other rows or after a save is a step of its own.
    void repeatedMovesByOneAreOneStep_data() {
        QTest::addColumn<QStringList>("moves"); // "up", "down", "other" (Alpha down), "save"
        QTest::addColumn<int>("steps");
        QTest::newRow("three down") << QStringList{"down", "down", "down"} << 1;
        QTest::newRow("down, up") << QStringList{"down", "up"} << 2;
        QTest::newRow("down, other rows") << QStringList{"down", "other"} << 2;
        QTest::newRow("down, save, down") << QStringList{"down", "save", "down"} << 2;
    }
    void repeatedMovesByOneAreOneStep() {
        QFETCH(QStringList, moves);
        QFETCH(int, steps);
        const std::vector<std::uint8_t> original(db_.workingCopy().begin(), db_.workingCopy().end());
        const int before = document_.undoStack()->count();
        select({"bravo"});
        for (const QString& move : moves) {
            if (move == QLatin1String("save")) {
                document_.MarkSaved(document_.path());
                continue;
            }
            if (move == QLatin1String("other"))
                select({"Alpha"});
            page_->MoveByOneCommand(move == QLatin1String("up"));
        }
        QCOMPARE(document_.undoStack()->count() - before, steps);
        for (int i = 0; i < steps; ++i)
            document_.Undo();
        QVERIFY(
            std::equal(original.begin(), original.end(), db_.workingCopy().begin(), db_.workingCopy().end()));
        verifyConsistent();
    }

    void aMoveOutsideTheListIsRefused() {
        select({"bravo", "delta"});
        MessageBox::QueueAnswer(QMessageBox::Ok);
        page_->MoveCurrentTo(7);
        QCOMPARE(MessageBox::prompts().last().text, QStringLiteral("Error Input!"));
        QCOMPARE(document_.undoStack()->count(), 0);
    }

    // A "%2" in a channel's name is part of the name, not a place for the number.
    void aStepNameKeepsAPercentSignOfAName() {
        const int alpha = ChannelsOfKind(db_, page_->ShownSatellite(), page_->showTv()).front();
        testsupport::Edit(document_, [&](ChannelDatabase& w) { w.Channel(alpha).setName("Al%2"); });
        list()->setCurrentRow(0);
        page_->MoveCurrentTo(3);
        QCOMPARE(lastStep(), QStringLiteral("Move Al%2 to 3"));
    }

    void dropsReorderBeforeTheRowOrAfterTheLast() {
        select({"Alpha", "Charlie"});
        page_->DropSelectedAt(4); // before Echo
        QCOMPARE(names(), QStringList({"bravo", "delta", "Alpha", "Charlie", "Echo", "Zulu"}));
        QCOMPARE(lastStep(), QStringLiteral("Move 2 channels to before Echo"));
        QCOMPARE(selectedNames(), QStringList({"Alpha", "Charlie"}));
        page_->DropSelectedAt(list()->RowCount());
        QCOMPARE(names(), QStringList({"bravo", "delta", "Echo", "Zulu", "Alpha", "Charlie"}));
        // Onto the block itself: the block stays where it is, in order.
        page_->DropSelectedAt(list()->RowOfKey(FindChannel(db_, page_->ShownSatellite(), -1, true, 6)));
        QCOMPARE(names(), QStringList({"bravo", "delta", "Echo", "Zulu", "Alpha", "Charlie"}));
        verifyConsistent();
        // The list tells the drop row from the position: the lower half of a row drops below it.
        const QRect second = list()->visualRect(list()->model()->index(1, 1));
        QCOMPARE(list()->DropRowAt(second.center() - QPoint(0, second.height() / 4)), 1);
        QCOMPARE(list()->DropRowAt(second.center() + QPoint(0, second.height() / 4)), 2);
        QCOMPARE(list()->DropRowAt(QPoint(5, list()->viewport()->height() - 2)), list()->RowCount());
        QVERIFY(list()->dragEnabled());
    }

    void aSelectionSurvivesAHeaderSortAndCommandsStayOnItsChannels() {
        select({"Charlie", "Zulu"});
        list()->SortByColumn(1, false); // name, descending
        QCOMPARE(selectedNames().size(), 2);
        QVERIFY(selectedNames().contains(QStringLiteral("Charlie")) && selectedNames().contains("Zulu"));
        page_->MoveToTopCommand();
        QCOMPARE(names().mid(0, 2), QStringList({"Charlie", "Zulu"}));
    }

    void deletingAskesOnceAndDeletesExactlyTheSelection() {
        select({"bravo", "delta", "Zulu"});
        MessageBox::QueueAnswer(QMessageBox::No);
        page_->DeleteChannelCommand();
        QCOMPARE(MessageBox::prompts().last().text, QStringLiteral("Delete 3 channels?"));
        QCOMPARE(names().size(), 6);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(MessageBox::prompts().size(), 2);
        QCOMPARE(MessageBox::prompts().last().title, QStringLiteral("Del Channel"));
        QCOMPARE(names(), QStringList({"Alpha", "Charlie", "Echo"}));
        QCOMPARE(lastStep(), QStringLiteral("Delete 3 channels"));
        QCOMPARE(document_.undoStack()->count(), 1);
        verifyConsistent();
        document_.Undo();
        page_->Refresh();
        QCOMPARE(names().size(), 6);
    }

    void flagsAreOneStepAndTouchOnlyTheirBit() {
        select({"Alpha", "delta", "Echo"});
        const std::vector<int> chosen = page_->bulk()->SelectedChannels();
        QCOMPARE(chosen.size(), std::size_t(3));
        const DatabaseImage before = db_.workingCopy();
        action("setFav2Action")->trigger();
        QCOMPARE(lastStep(), QStringLiteral("Set Fav 2 on 3 channels"));
        for (const int c : chosen)
            QVERIFY(db_.Channel(c).fav2() && !db_.Channel(c).fav1() && !db_.Channel(c).locked());
        QTest::keyClick(list(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(lastStep(), QStringLiteral("Set Lock on 3 channels"));
        QTest::keyClick(list(), Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
        action("clearFav2Action")->trigger();
        QCOMPARE(lastStep(), QStringLiteral("Clear Fav 2 on 3 channels"));
        QVERIFY(db_.workingCopy() == before);
        QCOMPARE(selectedNames().size(), 3);
        QVERIFY(action("setFav2Action")->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_2));
    }

    void keysMoveTheSelectionAndReachTheSingleRowCommands() {
        select({"Charlie", "delta"});
        QTest::keyClick(list(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(names(), QStringList({"Alpha", "Charlie", "delta", "bravo", "Echo", "Zulu"}));
        QTest::keyClick(list(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(list(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(names(), QStringList({"Alpha", "bravo", "Echo", "Charlie", "delta", "Zulu"}));
        QCOMPARE(selectedNames(), QStringList({"Charlie", "delta"}));
        // One row: Delete asks the single-channel question.
        select({"Zulu"});
        page_->channelList()->setCurrentRow(5);
        MessageBox::QueueAnswer(QMessageBox::No);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("\t Do you want to del channel [Zulu]?\t\t"));
        int dialogs = 0;
        page_->setDialogRunner([&](QDialog&) {
            ++dialogs;
            return int(QDialog::Rejected);
        });
        QTest::keyClick(list(), Qt::Key_F2);
        QTest::keyClick(list(), Qt::Key_Return);
        QTest::keyClick(list(), Qt::Key_Insert);
        QCOMPARE(dialogs, 3);
        QVERIFY(action("deleteChannelAction")->shortcut() == QKeySequence(QKeySequence::Delete));
    }

    void theSatellitePageDeletesFlagsAndDropsSeveralChannels() {
        page_.reset();
        SatellitePage satellites;
        satellites.resize(760, 520);
        satellites.show();
        satellites.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&satellites));
        satellites.Initialize(document_);
        for (int which = 0; which < 4; ++which)
            satellites.RefreshList(which);
        satellites.SelectRowAndReact(SatellitePage::SATELLITES, 0);
        satellites.SelectRowAndReact(SatellitePage::TRANSPONDERS, 0);
        ColumnListCtrl* channels = satellites.channelList();
        auto shown = [&] {
            QStringList texts;
            for (int row = 0; row < channels->RowCount(); ++row)
                texts << channels->CellText(row, 1);
            return texts;
        };
        QCOMPARE(shown(), QStringList({"Alpha", "Charlie", "Echo"}));

        channels->SelectRow(2, true);
        satellites.channelBulk()->DropSelectedAt(0);
        QCOMPARE(shown(), QStringList({"Echo", "Alpha", "Charlie"}));
        QCOMPARE(lastStep(), QStringLiteral("Move Echo to before Alpha"));

        channels->SelectRow(0, true);
        channels->SelectRow(2);
        satellites.ContextMenu(SatellitePage::CHANNELS)
            ->findChild<QAction*>(QStringLiteral("setFav4Action"))
            ->trigger();
        QCOMPARE(lastStep(), QStringLiteral("Set Fav 4 on 2 channels"));
        channels->setFocus();
        MessageBox::QueueAnswer(QMessageBox::Yes);
        QTest::keyClick(channels, Qt::Key_Delete);
        QCOMPARE(MessageBox::prompts().last().text, QStringLiteral("Delete 2 channels?"));
        QCOMPARE(shown(), QStringList({"Alpha"}));
        verifyConsistent();
        document_.SetHistoryIndex(0);
        QCOMPARE(ChannelsOfKind(db_, 0, true).size(), std::size_t(viewtest::MIXED_TV));
    }

    void editingSeveralShowsMixedFieldsAndWritesOnlyTheChanged() {
        select({"Alpha", "bravo", "Charlie"});
        const std::vector<int> chosen = page_->bulk()->SelectedChannels();
        std::vector<ChannelValues> before;
        for (const int c : chosen)
            before.push_back(ChannelValuesOf(db_, c));
        bool checked = false;
        page_->setDialogRunner([&](QDialog& shown) {
            auto& dialog = static_cast<ChannelDialog&>(shown);
            checked = dialog.nameEdit()->text().isEmpty() &&
                      dialog.nameEdit()->placeholderText() == QStringLiteral("(several)") &&
                      dialog.scrambledCheck()->checkState() == Qt::PartiallyChecked &&
                      dialog.favCheck(1)->checkState() == Qt::Unchecked &&
                      dialog.audioPidEdit()->text().isEmpty();
            dialog.favCheck(1)->setChecked(true);
            dialog.audioPidEdit()->setText(QStringLiteral("500"));
            return dialog.Store() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        const int steps = document_.undoStack()->count();
        page_->EditChannelCommand();
        QVERIFY(checked);
        QCOMPARE(document_.undoStack()->count(), steps + 1);
        QCOMPARE(lastStep(), QStringLiteral("Edit 3 channels"));
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            ChannelValues expected = before[i];
            expected.fav[0] = true;
            expected.audioPid = 500;
            const ChannelValues now = ChannelValuesOf(db_, chosen[i]);
            QCOMPARE(now.name, expected.name);
            QCOMPARE(now.audioPid, 500u);
            QCOMPARE(now.videoPid, expected.videoPid);
            QCOMPARE(now.scrambled, expected.scrambled);
            QVERIFY(now.fav == expected.fav);
        }
        QCOMPARE(selectedNames(), QStringList({"Alpha", "bravo", "Charlie"}));
        verifyConsistent();
        // Cancelled: nothing at all.
        page_->setDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
        page_->EditChannelCommand();
        QCOMPARE(document_.undoStack()->count(), steps + 1);
    }

    void randomOperationsStayConsistentAndUndoToTheStart_data() { testsupport::AddSampleImageRows(); }
    void randomOperationsStayConsistentAndUndoToTheStart() {
        QFETCH(bool, full);
        QVERIFY(testsupport::LoadInto(document_, full ? BuildFullImage() : BuildDemoImage()));
        page_->Refresh();
        const DatabaseImage start = db_.workingCopy();
        std::mt19937 random(full ? 2 : 1);
        for (int round = 0; round < 40; ++round) {
            list()->ClearSelectedRows();
            const int rows = list()->RowCount();
            for (int row = 0; row < rows; ++row)
                if (random() % 5 == 0)
                    list()->SelectRow(row);
            if (list()->SelectedRows().size() < 2)
                list()->SelectRow(static_cast<int>(random() % rows));
            switch (random() % 7) {
            case 0:
                page_->MoveCurrentTo(1 + static_cast<int>(random() % rows));
                break;
            case 1:
                page_->MoveToTopCommand();
                break;
            case 2:
                page_->MoveToBottomCommand();
                break;
            case 3:
                page_->MoveByOneCommand(random() % 2 == 0);
                break;
            case 4:
                page_->DropSelectedAt(static_cast<int>(random() % (rows + 1)));
                break;
            case 5:
                page_->SetFlagCommand(ChannelFlag(random() % 5), random() % 2 == 0);
                break;
            default:
                MessageBox::QueueAnswer(QMessageBox::Yes);
                page_->DeleteChannelCommand();
            }
            verifyConsistent();
        }
        QVERIFY(document_.undoStack()->count() > 10);
        document_.SetHistoryIndex(0);
        QVERIFY(db_.workingCopy() == start);
    }
};

QTEST_MAIN(TestBulkChannels)
#include "tst_bulkchannels.moc"
