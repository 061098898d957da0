// What each page keeps across a change of the image: the current row, the selected
// rows and the first row shown, for the lists of both pages, after each of their
// commands and after a change made elsewhere (a step of the document, an undo, the
// other page). Every case starts from the same image, with the list scrolled to row
// 20 (rows 5 and 10 for the satellite page's upper lists) and a row or three
// selected in view.
#include "views/channels/ChannelListPage.h"
#include "views/satellites/SatellitePage.h"

#include "TestSupport.h"
#include "ViewTestImages.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/ConsistencyCheck.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/SatellitePageCommands.h"
#include "views/satellites/TransponderDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QUndoStack>
#include <QtTest>

using namespace vormante;
using Cmd = SatellitePageCommands;

namespace {

// 30 satellites; the first has 25 transponders, the first of them 60 channels (every
// fifth radio: 48 TV rows), the second 5 TV channels.
std::vector<std::uint8_t> KeepingImage() {
    ChannelDatabase db;
    testsupport::LoadInto(db, testsupport::EmptyImage());
    for (int s = 1; s <= 30; ++s)
        viewtest::AddTestSatellite(db, QStringLiteral("Sat %1").arg(s, 2, 10, QLatin1Char('0')).toLatin1());
    int transponders[25];
    for (int t = 0; t < 25; ++t)
        transponders[t] = viewtest::AddTestTransponder(db, 0, 10700 + 20 * unsigned(t), 27500, t % 2 == 0);
    for (int i = 1; i <= 60; ++i)
        viewtest::AddTestChannel(db, transponders[0],
                                 QStringLiteral("Ch %1").arg(i, 2, 10, QLatin1Char('0')).toStdString(),
                                 i % 5 != 0, false, 100 + 4 * unsigned(i));
    for (int i = 1; i <= 5; ++i)
        viewtest::AddTestChannel(db, transponders[1], "Other " + std::to_string(i), true, false,
                                 600 + 4 * unsigned(i));
    RenumberChannels(db, 0);
    db.Settings().setCurrentSatellite(0);
    return {db.workingCopy().begin(), db.workingCopy().end()};
}

} // namespace

// Where the first row shown should be afterwards.
enum class Top {
    Kept,     // as it was
    RowAtTop, // the given row first, as far as the list scrolls
    PageOf,   // the page of rows (counted from the first) that holds the given row
    Shows,    // as it was when the given row is in view, else scrolled just far enough
};
Q_DECLARE_METATYPE(Top)

class TestPageKeeping : public QObject {
    Q_OBJECT

    Document document_;
    const ChannelDatabase& db_ = document_.database();
    std::unique_ptr<SatellitePage> satellites_;
    std::unique_ptr<ChannelListPage> channels_;
    std::function<void(QDialog&)> fill_;

    ColumnListCtrl* listOf(const QString& page, int which) {
        return page == QLatin1String("all") ? channels_->channelList() : satellites_->list(which);
    }

    // A dialog filled as the case wants, then OK.
    int runDialog(QDialog& dialog) {
        if (fill_)
            fill_(dialog);
        return dialog.result();
    }
    static void storeChannel(QDialog& dialog, const char* field, const QString& text) {
        auto& channel = static_cast<ChannelDialog&>(dialog);
        if (QLineEdit* edit = channel.findChild<QLineEdit*>(QLatin1String(field)))
            edit->setText(text);
        else if (QCheckBox* check = channel.findChild<QCheckBox*>(QLatin1String(field)))
            check->setChecked(true);
        channel.Store();
    }

    static void storeTransponder(TransponderDialog& dialog) {
        dialog.frequencyEdit()->setText(QStringLiteral("12100"));
        dialog.Store();
    }

    // The channel the satellite page shows in a row of its channel list.
    int satelliteRowChannel(int row) {
        const int satellite = satellites_->CurrentSatellite();
        return satellites_->ChannelOfRow(satellite, satellites_->CurrentTransponder(satellite), row);
    }
    void deleteChannel(int channel) {
        testsupport::Edit(document_, [channel](ChannelDatabase& w) {
            DeleteChannel(w, channel, 0);
            RenumberChannels(w, 0);
        });
    }

    // Runs the case's action; `page` and `which` name the list it looks at.
    void act(const QString& page, int which, const QString& action) {
        const bool all = page == QLatin1String("all");
        if (action == QLatin1String("delete")) {
            MessageBox::QueueAnswer(QMessageBox::Yes);
            if (all)
                channels_->DeleteChannelCommand();
            else
                satellites_->RunCommand(which == SatellitePage::SATELLITES     ? Cmd::DEL_SATELLITE
                                        : which == SatellitePage::TRANSPONDERS ? Cmd::DEL_TRANSPONDER
                                                                               : Cmd::DEL_CHANNEL);
        } else if (action == QLatin1String("add")) {
            fill_ = [](QDialog& dialog) {
                if (auto* satellite = qobject_cast<SatelliteDialog*>(&dialog))
                    satellite->Store();
                else if (auto* transponder = qobject_cast<TransponderDialog*>(&dialog))
                    storeTransponder(*transponder);
                else
                    storeChannel(dialog, "videoPidEdit", QStringLiteral("300"));
            };
            if (all)
                channels_->AddChannelCommand();
            else
                satellites_->RunCommand(which == SatellitePage::SATELLITES     ? Cmd::ADD_SATELLITE
                                        : which == SatellitePage::TRANSPONDERS ? Cmd::ADD_TRANSPONDER
                                                                               : Cmd::ADD_CHANNEL);
        } else if (action == QLatin1String("add new transponder")) {
            fill_ = [](QDialog& dialog) { storeTransponder(static_cast<TransponderDialog&>(dialog)); };
            satellites_->RunCommand(Cmd::ADD_NEW_TRANSPONDER);
        } else if (action.startsWith(QLatin1String("edit"))) {
            const QString what = action.section(QLatin1Char(' '), 1);
            fill_ = [what](QDialog& dialog) {
                if (auto* satellite = qobject_cast<SatelliteDialog*>(&dialog)) {
                    satellite->nameEdit()->setText(QStringLiteral("Renamed"));
                    satellite->Store();
                } else if (auto* transponder = qobject_cast<TransponderDialog*>(&dialog)) {
                    transponder->symbolRateEdit()->setText(QStringLiteral("22000"));
                    transponder->Store();
                } else if (what == QLatin1String("to radio")) {
                    storeChannel(dialog, "videoPidEdit", QStringLiteral("8191"));
                } else if (what == QLatin1String("several")) {
                    storeChannel(dialog, "fav1Check", QString());
                } else {
                    storeChannel(dialog, "nameEdit", QStringLiteral("Renamed"));
                }
            };
            if (all)
                channels_->EditChannelCommand();
            else
                satellites_->RunCommand(which == SatellitePage::SATELLITES     ? Cmd::EDIT_SATELLITE
                                        : which == SatellitePage::TRANSPONDERS ? Cmd::EDIT_TRANSPONDER
                                                                               : Cmd::EDIT_CHANNEL);
        } else if (action == QLatin1String("flag")) {
            QMenu* menu = all ? channels_->contextMenu() : satellites_->ContextMenu(SatellitePage::CHANNELS);
            menu->findChild<QAction*>(QStringLiteral("setFav3Action"))->trigger();
        } else if (action == QLatin1String("drop")) {
            if (all)
                channels_->DropSelectedAt(5);
            else
                satellites_->channelBulk()->DropSelectedAt(5);
        } else if (action == QLatin1String("sort")) {
            channels_->SortCommand(SortKind::NameDown);
        } else if (action == QLatin1String("move to 1")) {
            channels_->MoveCurrentTo(1);
        } else if (action == QLatin1String("move to top")) {
            channels_->MoveToTopCommand();
        } else if (action == QLatin1String("move down")) {
            channels_->MoveByOneCommand(false);
        } else if (action == QLatin1String("rename elsewhere")) {
            const int channel = all ? channels_->ChannelOfRow(30) : satelliteRowChannel(30);
            testsupport::Edit(document_,
                              [channel](ChannelDatabase& w) { w.Channel(channel).setName("Elsewhere"); });
        } else if (action == QLatin1String("undo")) {
            document_.Undo(); // the deletion of row 10's channel made before
        } else if (action == QLatin1String("other page")) {
            // The other page deletes the channel this list shows in row 10.
            MessageBox::QueueAnswer(QMessageBox::Yes);
            if (all) {
                satellites_->channelList()->SelectOnlyRows({10});
                satellites_->RunCommand(Cmd::DEL_CHANNEL);
            } else {
                channels_->channelList()->SelectOnlyRows({10});
                channels_->DeleteChannelCommand();
            }
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
        }
    }

private Q_SLOTS:
    void init() {
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
        fill_ = nullptr;
        QVERIFY(testsupport::LoadInto(document_, KeepingImage()));
        satellites_ = std::make_unique<SatellitePage>();
        satellites_->resize(900, 700);
        satellites_->Initialize(document_);
        satellites_->setDialogRunner([this](QDialog& dialog) { return runDialog(dialog); });
        satellites_->show();
        for (int which = 0; which < 4; ++which)
            satellites_->RefreshList(which);
        channels_ = std::make_unique<ChannelListPage>();
        channels_->resize(900, 600);
        channels_->Initialize(document_);
        channels_->setDialogRunner([this](QDialog& dialog) { return runDialog(dialog); });
        channels_->show();
        channels_->Refresh();
        QVERIFY(QTest::qWaitForWindowExposed(channels_.get()));
    }
    void cleanup() {
        QVERIFY2(MessageBox::unexpectedPrompts().isEmpty(),
                 qPrintable(MessageBox::unexpectedPrompts().join('|')));
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        const std::vector<ConsistencyProblem> problems = CheckConsistency(db_);
        QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().message.c_str());
        satellites_.reset();
        channels_.reset();
    }

    void keepsRowsAcrossAChange_data() {
        QTest::addColumn<QString>("page"); // "satellites" or "all"
        QTest::addColumn<int>("which");    // the satellite page's list
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<int>>("selected"); // before; the middle one current
        QTest::addColumn<int>("current");         // afterwards; -1: the row of the channel current before
        QTest::addColumn<QList<int>>("selectedAfter");
        QTest::addColumn<Top>("top");
        QTest::addColumn<int>(
            "topRow"); // the row Top::RowAtTop, PageOf or Shows look at; -1: the current one

        const int c = SatellitePage::CHANNELS, t = SatellitePage::TRANSPONDERS, s = SatellitePage::SATELLITES;
        const QList<int> one{23}, three{22, 23, 24};
        auto row = [](const char* name, const char* page, int which, const char* action, QList<int> selected,
                      int current, QList<int> after, Top top, int topRow = -1) {
            QTest::newRow(name) << QString::fromLatin1(page) << which << QString::fromLatin1(action)
                                << selected << current << after << top << topRow;
        };
        // The satellite page's channel list (48 rows).
        row("sat: delete", "satellites", c, "delete", one, 23, {23}, Top::Kept);
        row("sat: delete several", "satellites", c, "delete", three, 23, {23}, Top::Kept);
        row("sat: add", "satellites", c, "add", one, 48, {48}, Top::RowAtTop, 48);
        row("sat: edit", "satellites", c, "edit", one, 23, {23}, Top::Kept);
        row("sat: edit to radio", "satellites", c, "edit to radio", one, 23, {23}, Top::RowAtTop, 23);
        row("sat: edit several", "satellites", c, "edit several", three, 22, three, Top::Kept);
        row("sat: flag several", "satellites", c, "flag", three, 23, three, Top::Kept);
        row("sat: drop several", "satellites", c, "drop", three, 5, {5, 6, 7}, Top::Shows, 5);
        row("sat: rename elsewhere", "satellites", c, "rename elsewhere", three, 23, three, Top::Kept);
        row("sat: undo elsewhere", "satellites", c, "undo", one, 24, {24}, Top::Kept);
        row("sat: other page", "satellites", c, "other page", three, 22, {21, 22, 23}, Top::Kept);
        // Its transponder list (25 rows) and satellite list (30 rows).
        row("sat: delete transponder", "satellites", t, "delete", {8}, 8, {8}, Top::Kept);
        row("sat: add transponder", "satellites", t, "add", {8}, 25, {25}, Top::RowAtTop, 25);
        row("sat: add new transponder", "satellites", t, "add new transponder", {8}, 25, {25}, Top::RowAtTop,
            24);
        row("sat: edit transponder", "satellites", t, "edit", {8}, 8, {8}, Top::Kept);
        row("sat: delete satellite", "satellites", s, "delete", {12}, 0, {0}, Top::Kept);
        row("sat: add satellite", "satellites", s, "add", {12}, 30, {30}, Top::RowAtTop, 30);
        row("sat: edit satellite", "satellites", s, "edit", {12}, 12, {12}, Top::Kept);
        // The all-channels page (53 TV rows).
        row("all: delete", "all", 0, "delete", one, 23, {23}, Top::Kept);
        row("all: delete several", "all", 0, "delete", three, 23, {23}, Top::Kept);
        row("all: add", "all", 0, "add", one, 53, {53}, Top::PageOf, 53);
        row("all: edit", "all", 0, "edit", one, 23, {23}, Top::Kept);
        row("all: edit to radio", "all", 0, "edit to radio", one, 23, {23}, Top::PageOf, 23);
        row("all: edit several", "all", 0, "edit several", three, 22, three, Top::Kept);
        row("all: flag several", "all", 0, "flag", three, 23, three, Top::Kept);
        row("all: sort", "all", 0, "sort", one, -1, {}, Top::PageOf);
        row("all: move to 1", "all", 0, "move to 1", one, 0, {0}, Top::PageOf, 0);
        row("all: move several to top", "all", 0, "move to top", three, 0, {0, 1, 2}, Top::Shows, 0);
        row("all: move several down", "all", 0, "move down", three, 23, {23, 24, 25}, Top::Shows, 23);
        row("all: drop several", "all", 0, "drop", three, 5, {5, 6, 7}, Top::Shows, 5);
        row("all: rename elsewhere", "all", 0, "rename elsewhere", three, 23, three, Top::Kept);
        row("all: undo elsewhere", "all", 0, "undo", one, 24, {24}, Top::Kept);
        row("all: other page", "all", 0, "other page", three, 22, {21, 22, 23}, Top::Kept);
    }
    void keepsRowsAcrossAChange() {
        QFETCH(QString, page);
        QFETCH(int, which);
        QFETCH(QString, action);
        QFETCH(QList<int>, selected);
        QFETCH(int, current);
        QFETCH(QList<int>, selectedAfter);
        QFETCH(Top, top);
        QFETCH(int, topRow);

        // An undo brings back a channel deleted elsewhere before the rows were chosen.
        if (action == QLatin1String("undo"))
            deleteChannel(page == QLatin1String("all") ? channels_->ChannelOfRow(10)
                                                       : satelliteRowChannel(10));
        ColumnListCtrl* list = listOf(page, which);
        const int topBefore = which == SatellitePage::CHANNELS     ? 20
                              : which == SatellitePage::SATELLITES ? 10
                                                                   : 5;
        list->ScrollRowToTop(topBefore);
        if (page == QLatin1String("all") || which == SatellitePage::CHANNELS) {
            list->SelectOnlyRows(selected.size() == 3 ? QList<int>{selected[1], selected[0], selected[2]}
                                                      : selected);
        } else {
            satellites_->DeselectRowQuietly(which, list->currentRow());
            satellites_->SelectRowAndReact(which, selected.first());
        }
        QCOMPARE(list->currentRow(), selected[selected.size() / 2]);
        QCOMPARE(list->TopRow(), topBefore);
        const int perPage = list->VisibleRowCount();
        const int key = list->RowKey(list->currentRow());

        act(page, which, action);

        if (current < 0) {
            current = list->RowOfKey(key);
            selectedAfter = {current};
        }
        if (topRow < 0)
            topRow = current;
        QCOMPARE(list->currentRow(), current);
        QCOMPARE(list->SelectedRows(), selectedAfter);
        const int lastTop = list->verticalScrollBar()->maximum();
        switch (top) {
        case Top::Kept:
            QCOMPARE(list->TopRow(), topBefore);
            break;
        case Top::RowAtTop:
            QCOMPARE(list->TopRow(), std::min(topRow, lastTop));
            break;
        case Top::PageOf:
            QCOMPARE(list->TopRow(), std::min(perPage * (topRow / perPage), lastTop));
            break;
        case Top::Shows:
            QVERIFY2(list->TopRow() <= topRow && topRow < list->TopRow() + list->VisibleRowCount(),
                     qPrintable(QString::number(list->TopRow())));
            if (topBefore <= topRow && topRow < topBefore + perPage)
                QCOMPARE(list->TopRow(), topBefore);
            break;
        }
    }

    // Both pages run the same channel commands: an edit of several channels whose
    // channels changed while the dialog was open stores nothing and says so.
    void failedEditOfSeveralSaysSo_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("satellite page") << QStringLiteral("satellites");
        QTest::newRow("all-channels page") << QStringLiteral("all");
    }
    void failedEditOfSeveralSaysSo() {
        QFETCH(QString, page);
        ColumnListCtrl* list = listOf(page, SatellitePage::CHANNELS);
        list->SelectOnlyRows({2, 3, 4});
        const int gone = list->RowKey(3);
        std::vector<std::uint8_t> afterDeletion;
        fill_ = [&](QDialog& dialog) {
            deleteChannel(gone);
            afterDeletion.assign(db_.workingCopy().begin(), db_.workingCopy().end());
            storeChannel(dialog, "fav1Check", QString());
        };
        MessageBox::QueueAnswer(QMessageBox::Ok);
        if (page == QLatin1String("all"))
            channels_->EditChannelCommand();
        else
            satellites_->RunCommand(Cmd::EDIT_CHANNEL);
        QVERIFY(!afterDeletion.empty());
        QVERIFY(std::equal(afterDeletion.begin(), afterDeletion.end(), db_.workingCopy().begin(),
                           db_.workingCopy().end()));
        QCOMPARE(MessageBox::prompts().size(), 1);
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("The channels have changed; nothing was stored."));
    }
};

QTEST_MAIN(TestPageKeeping)
#include "tst_pagekeeping.moc"
