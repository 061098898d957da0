// What the pages remember across commands on the full image: the transponder list's
// top row when another satellite is chosen, a new satellite shown first after Add,
// the top rows kept after deletes; and on the all-channels page, after a header-click
// sort, Delete, Edit and Move act on the channel of the highlighted row.
#include "views/channels/ChannelListPage.h"
#include "views/satellites/SatellitePage.h"

#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/SampleImages.h"
#include "views/channels/ChannelDialog.h"
#include "views/channels/MoveToDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/SatellitePageCommands.h"

#include <QLineEdit>
#include <QUndoStack>
#include <QtTest>

using namespace vormante;
using Cmd = SatellitePageCommands;

class TestPageMemory : public QObject {
    Q_OBJECT

    Document document_;
    const ChannelDatabase& db_ = document_.database();

private Q_SLOTS:
    void init() {
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
        QVERIFY(testsupport::LoadInto(document_, BuildFullImage()));
    }
    void cleanup() { QVERIFY(MessageBox::unexpectedPrompts().isEmpty()); }

    void satellitePageKeepsItsTopRows() {
        SatellitePage page;
        page.resize(900, 420);
        page.show();
        page.Initialize(document_);
        for (int which = 0; which < 4; ++which)
            page.RefreshList(which);
        ColumnListCtrl* satellites = page.satelliteList();
        ColumnListCtrl* transponders = page.transponderList();
        // A click: the row alone is selected, with the page's reaction.
        auto choose = [&page](int which, int row) {
            for (int selected : page.list(which)->SelectedRows())
                page.DeselectRowQuietly(which, selected);
            page.SelectRowAndReact(which, row);
        };
        QVERIFY(transponders->RowCount() == full_image::TRANSPONDERS_PER_SATELLITE);
        QVERIFY(transponders->VisibleRowCount() < full_image::TRANSPONDERS_PER_SATELLITE);

        // Another satellite keeps the transponder list's top row.
        transponders->ScrollRowToTop(6);
        QCOMPARE(transponders->TopRow(), 6);
        choose(SatellitePage::SATELLITES, 3);
        QCOMPARE(transponders->TopRow(), 6);

        // Deleting a channel keeps the channel list's top row.
        ColumnListCtrl* channels = page.channelList();
        choose(SatellitePage::SATELLITES, 0);
        choose(SatellitePage::TRANSPONDERS, 0);
        QVERIFY(channels->RowCount() > 100);
        channels->ScrollRowToTop(40);
        choose(SatellitePage::CHANNELS, 45);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        page.RunCommand(Cmd::DEL_CHANNEL);
        QCOMPARE(channels->TopRow(), 40);

        // A satellite added after a delete shows first; the satellite list keeps its top
        // row after a delete.
        satellites->ScrollRowToTop(20);
        choose(SatellitePage::SATELLITES, 25);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        page.RunCommand(Cmd::DEL_SATELLITE);
        QCOMPARE(satellites->TopRow(), 20);
        page.setDialogRunner([](QDialog& dialog) {
            qobject_cast<SatelliteDialog*>(&dialog)->Store();
            return dialog.result();
        });
        page.RunCommand(Cmd::ADD_SATELLITE); // takes the freed slot 25
        QCOMPARE(page.CurrentSatellite(), 25);
        QCOMPARE(satellites->TopRow(), satellites->currentRow());
    }

    void allChannelsCommandsFollowTheHighlightedRowAfterAHeaderSort() {
        ChannelListPage page;
        page.resize(900, 500);
        page.show();
        page.Initialize(document_);
        page.Refresh();
        ColumnListCtrl* list = page.channelList();
        QVERIFY(list->RowCount() > 100);
        // Sort by name, descending: the rows no longer stand in chain order.
        list->SortByColumn(1, true);
        list->SortByColumn(1, false);
        const int row = 3;
        list->SelectRow(row, true);
        list->setCurrentRow(row);
        const int channel = page.ChannelOfRow(row);
        QCOMPARE(channel, list->RowKey(row));
        const std::string name = db_.Channel(channel).name();
        QCOMPARE(list->CellText(row, 1), QString::fromLatin1(name.c_str()));

        // Edit opens the dialog on that channel.
        QString edited;
        page.setDialogRunner([&](QDialog& dialog) {
            if (auto* channelDialog = qobject_cast<ChannelDialog*>(&dialog))
                edited = channelDialog->nameEdit()->text();
            return int(QDialog::Rejected);
        });
        page.EditChannelCommand();
        QCOMPARE(edited, QString::fromLatin1(name.c_str()));

        // Move puts that channel at number 1.
        list->SelectRow(row, true);
        list->setCurrentRow(row);
        page.MoveCurrentTo(1);
        QCOMPARE(page.ChannelOfRow(0), channel);
        QCOMPARE(document_.undoStack()->undoText(),
                 QStringLiteral("Move %1 to 1").arg(QString::fromLatin1(name.c_str())));

        // Delete, after another sort, deletes the highlighted channel.
        list->SortByColumn(1, false);
        const int target = list->RowOfKey(channel);
        list->SelectRow(target, true);
        list->setCurrentRow(target);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        page.DeleteChannelCommand();
        QVERIFY(!db_.Channel(channel).isOccupied());
    }
};

QTEST_MAIN(TestPageMemory)
#include "tst_pagememory.moc"
