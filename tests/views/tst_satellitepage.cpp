// The satellite page on a small but realistic image: cell texts, the selection
// cascade, remembered rows, TV/Radio, the context menus, and every command on a
// normal row and on a placeholder row. After every command the image is consistent.
#include "views/satellites/SatellitePage.h"

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "ViewTestImages.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/ConsistencyCheck.h"
#include "model/RecordOperations.h"
#include "views/channels/ChannelDialog.h"
#include "views/common/ListFilterBar.h"
#include "views/satellites/LnbDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/SatellitePageCommands.h"
#include "views/satellites/TransponderDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace vormante;
using Cmd = SatellitePageCommands;

namespace {
// Slots: 0 "Astra 19.2E" (lnb Type 2, 4 transponders, TV and radio channels),
// 1 free, 2 "Hot Bird" (lnb Type 1, 2 transponders, one channel), 3 "Thor" (lnb Type 6,
// no transponder). currentSatellite names slot 0.
void BuildImage(ChannelDatabase& db) {
    for (int i = 0; i < 4; ++i)
        AllocateSatellite(db);
    DeleteSatellite(db, 1);
    struct SatelliteSpec {
        int slot;
        const char* name;
        int position;
        unsigned lnb;
    };
    for (const SatelliteSpec& s : {SatelliteSpec{0, "Astra 19.2E", 192, 1},
                                   SatelliteSpec{2, "Hot Bird", 130, 0}, SatelliteSpec{3, "Thor", -8, 5}}) {
        db.Satellite(s.slot).setName(s.name);
        db.Satellite(s.slot).setPosition(s.position);
        db.Satellite(s.slot).setLnbType(s.lnb);
    }
    using viewtest::AddTestTransponder; // its last argument: vertical polarization
    const int a1 = AddTestTransponder(db, 0, 11747, 27500, true);
    const int a2 = AddTestTransponder(db, 0, 11778, 27500, true);
    AddTestTransponder(db, 0, 12188, 27500, false);
    AddTestTransponder(db, 0, 12603, 22000, false);
    const int h1 = AddTestTransponder(db, 2, 10971, 29700, false);
    AddTestTransponder(db, 2, 11034, 27500, true);
    auto addChannel = [&](int t, const char* name, unsigned video) {
        const int c = AddChannel(db, t);
        ChannelRecord record = db.Channel(c);
        record.setName(name);
        record.setTransponder(static_cast<std::uint16_t>(t));
        record.setSpareShort(0);
        record.setExtraPid(0);
        record.setVideoPid(video);
        record.setAudioPid(0x100);
        const int satellite = static_cast<int>(db.Transponder(t).satellite());
        db.Satellite(satellite).setChannelFlag(true);
        RenumberChannels(db, satellite);
    };
    addChannel(a1, "Das Erste", 101);
    addChannel(a1, "ZDF", 110);
    addChannel(a1, "Bayern 3", NULL_PID);
    addChannel(a1, "3sat", 210);
    addChannel(a2, "RTL", 163);
    addChannel(a2, "VOX", 167);
    addChannel(h1, "Rai 1", 160);
    db.Settings().setCurrentSatellite(0);
}

QStringList Column(const ColumnListCtrl* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->RowCount(); ++row)
        texts << list->CellText(row, column);
    return texts;
}
} // namespace

// The helpers below check with QVERIFY, which returns from the helper only: these
// stop the test itself at a failed check, so it never carries on with a broken page.
#define RUN_AND_CHECK(id)                                                                                    \
    do {                                                                                                     \
        RunAndCheck(id);                                                                                     \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)
#define CLICK_ROW(list, row)                                                                                 \
    do {                                                                                                     \
        ClickRow(list, row);                                                                                 \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

class SatellitePageTest : public QObject, protected testsupport::SatellitePageFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        MessageBox::setTestMode(true);
        ChannelDatabase scratch;
        QVERIFY(testsupport::LoadInto(scratch, testsupport::EmptyImage()));
        BuildImage(scratch);
        QVERIFY(
            testsupport::LoadInto(document_, {scratch.workingCopy().begin(), scratch.workingCopy().end()}));
        QVERIFY(Problems().isEmpty());
        ShowPage();
    }
    void cleanup() {
        QVERIFY2(MessageBox::unexpectedPrompts().isEmpty(),
                 qPrintable(MessageBox::unexpectedPrompts().join('|')));
        QCOMPARE(MessageBox::pendingAnswers(), 0);
        QVERIFY2(Problems().isEmpty(), qPrintable(Problems().join('\n')));
        page_.reset();
    }

    void nothingIsListedBeforeAFileIsOpen() {
        Document closed;
        SatellitePage fresh;
        fresh.Initialize(closed);
        for (int which = 0; which < 4; ++which) {
            fresh.RefreshList(which);
            QCOMPARE(fresh.list(which)->RowCount(), 0);
            QCOMPARE(fresh.list(which)->currentRow(), 0);
        }
        QVERIFY(fresh.showTv() && fresh.tvButton()->isChecked());
        fresh.RunCommand(Cmd::EDIT_LNB);
        fresh.RunCommand(Cmd::ADD_SATELLITE); // would show a modal dialog if it ran
        QCOMPARE(fresh.list(0)->RowCount(), 0);
    }

    void listsShowTheRecords() {
        const ColumnListCtrl* sats = page_->satelliteList();
        QCOMPARE(sats->ColumnCount(), 4);
        QCOMPARE(page_->transponderList()->ColumnCount(), 5);
        QCOMPARE(page_->lnbList()->ColumnCount(), 8);
        QCOMPARE(page_->channelList()->ColumnCount(), 13);
        QCOMPARE(sats->RowTexts(0), (QStringList{"1", "Astra 19.2E", "19.2E", "Type 2"}));
        QCOMPARE(sats->RowTexts(2), (QStringList{"3", "Thor", "0.8W", "Type 6"}));
        QCOMPARE(sats->currentRow(), 0);
        QCOMPARE(Column(page_->transponderList(), 1), (QStringList{"11747", "11778", "12188", "12603"}));
        QCOMPARE(page_->transponderList()->RowTexts(0), (QStringList{"1", "11747", "V", "27500", "0"}));
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"Das Erste", "ZDF", "3sat"}));
        QCOMPARE(page_->channelList()->RowTexts(2),
                 (QStringList{"3", "3sat", "210", "256", "8191", "8191", "N", "N", "N", "N", "N", "N", "3"}));
        QCOMPARE(page_->lnbList()->RowCount(), 8);
        QCOMPARE(page_->lnbList()->currentRow(), 1); // Astra's Type 2
        QVERIFY(page_->lnbList()->IsRowSelected(1));
        QVERIFY(page_->tvButton()->isChecked());
        QVERIFY(!page_->radioButton()->isChecked());
    }

    void lnbCellsAndValuesWithoutText() {
        testsupport::Edit(document_, [](ChannelDatabase& w) {
            LnbSlot four = w.Settings().lnbSlot(3);
            four.setDiseqcOn(true);
            four.setDiseqcPort(3);
            w.Settings().setLnbLowFrequency(3, 9750000);
            w.Settings().setLnbHighFrequency(3, 10600999);
            LnbSlot seven = w.Settings().lnbSlot(6);
            seven.setLowBandIndex(3);
            seven.setHighBandIndex(9); // past the table
            seven.setDiseqcOn(true);
            seven.setDiseqcPort(6); // item 7: no text
            seven.setTone22k(3);
            seven.setSwitch12V(2);
            seven.setLnbPower(true);
        });
        page_->RefreshList(2);
        const ColumnListCtrl* lnbs = page_->lnbList();
        QCOMPARE(lnbs->RowTexts(3),
                 (QStringList{"4", "Type4", "9750", "10600", "Port 4", "OFF", "OFF", "OFF"}));
        QCOMPARE(lnbs->RowTexts(6), (QStringList{"7", "Type7", "10600", "", "", "", "Auto", "ON"}));
        QCOMPARE(lnbs->CellText(0, 4), QStringLiteral("None"));
    }

    void namesFillingTheirFieldStopAtTheFieldEnd() {
        testsupport::Edit(document_, [](ChannelDatabase& w) {
            std::memset(w.Satellite(3).data() + 16, 'N', 16);
            w.Satellite(3).data()[32] = 0x41; // the byte after the field
        });
        page_->RefreshList(0);
        QCOMPARE(page_->satelliteList()->CellText(2, 1), QString(16, QLatin1Char('N')));
    }

    void currentSatelliteSelectsItsRowByOrdinal() {
        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) {
            w.Settings().setCurrentSatellite(3);
        }); // slot 3 is the third used slot: row 2
        page_->RefreshList(0);
        QCOMPARE(page_->satelliteList()->currentRow(), 2);
        QCOMPARE(page_->satelliteList()->SelectedRows(), QList<int>{2});
        QCOMPARE(page_->transponderList()->RowCount(), 1); // Thor: placeholder
        QVERIFY(page_->IsPlaceholder(SatellitePage::TRANSPONDERS, 0));
        QVERIFY(page_->IsPlaceholder(SatellitePage::CHANNELS, 0));
        QCOMPARE(page_->lnbList()->currentRow(), 5);

        testsupport::Edit(document_,
                          [&](vormante::ChannelDatabase& w) { w.Settings().setCurrentSatellite(2); });
        page_->RefreshList(0);
        QCOMPARE(page_->satelliteList()->currentRow(), 1);
        QCOMPARE(Column(page_->transponderList(), 1), (QStringList{"10971", "11034"}));

        testsupport::Edit(document_,
                          [&](vormante::ChannelDatabase& w) { w.Settings().setCurrentSatellite(0xFF); });
        page_->RefreshList(0);
        QCOMPARE(page_->satelliteList()->currentRow(), 0);
        testsupport::Edit(document_,
                          [&](vormante::ChannelDatabase& w) { w.Settings().setCurrentSatellite(99); });
        page_->RefreshList(0);
        QCOMPARE(page_->satelliteList()->currentRow(), 2);
    }

    void emptyImageHasPlaceholderRows() {
        QVERIFY(testsupport::LoadInto(document_, testsupport::EmptyImage()));
        testsupport::Edit(document_,
                          [&](vormante::ChannelDatabase& w) { w.Settings().setCurrentSatellite(0xFF); });
        for (int which = 0; which < 4; ++which)
            page_->RefreshList(which);
        for (int which : {0, 1, 3}) {
            QCOMPARE(page_->list(which)->RowCount(), 1);
            QVERIFY(page_->IsPlaceholder(which, 0));
            QCOMPARE(page_->list(which)->SelectedRows(), QList<int>{0});
        }
        QCOMPARE(page_->lnbList()->RowCount(), 8);
    }

    void cascadeFollowsTheUsersSelection() {
        ColumnListCtrl* sats = page_->satelliteList();
        ColumnListCtrl* tps = page_->transponderList();
        // A click on the second transponder shows its channels, first row selected.
        CLICK_ROW(tps, 1);
        QCOMPARE(tps->currentRow(), 1);
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"RTL", "VOX"}));
        QCOMPARE(page_->channelList()->currentRow(), 0);
        CLICK_ROW(page_->channelList(), 1);
        QCOMPARE(page_->channelList()->currentRow(), 1);

        // Row 3 of Astra, then Hot Bird with two transponders: the last row is selected.
        CLICK_ROW(tps, 3);
        CLICK_ROW(sats, 1);
        QCOMPARE(sats->currentRow(), 1);
        QCOMPARE(Column(tps, 1), (QStringList{"10971", "11034"}));
        QCOMPARE(tps->currentRow(), 1);
        QCOMPARE(tps->SelectedRows(), QList<int>{1});
        QCOMPARE(page_->lnbList()->currentRow(), 0);
        QCOMPARE(page_->lnbList()->SelectedRows(), QList<int>{0});
        QVERIFY(page_->IsPlaceholder(SatellitePage::CHANNELS, 0)); // 11034 has no channel

        // Back to Astra: the remembered row 1 is selected again.
        CLICK_ROW(sats, 0);
        QCOMPARE(tps->currentRow(), 1);
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"RTL", "VOX"}));
    }

    void tvAndRadio() {
        page_->radioButton()->click();
        QVERIFY(!page_->showTv());
        QVERIFY(page_->radioButton()->isChecked() && !page_->tvButton()->isChecked());
        QCOMPARE(Column(page_->channelList(), 1), QStringList{"Bayern 3"});
        QCOMPARE(page_->channelList()->currentRow(), 0);
        page_->tvButton()->click();
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"Das Erste", "ZDF", "3sat"}));
    }

    void clearedSelectionRefillsWithTheFirstRowOnly() {
        ColumnListCtrl* tps = page_->transponderList();
        CLICK_ROW(tps, 2);
        tps->ClearSelectedRows();
        QCOMPARE(tps->currentRow(), -1);
        QVERIFY(page_->IsPlaceholder(SatellitePage::CHANNELS, 0));
        RUN_AND_CHECK(Cmd::EDIT_TRANSPONDER); // finds no row: nothing happens
        QCOMPARE(opened_, 0);
        page_->RefreshList(1);
        QCOMPARE(tps->SelectedRows(), QList<int>{0});
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"Das Erste", "ZDF", "3sat"}));

        page_->satelliteList()->ClearSelectedRows();
        QVERIFY(page_->IsPlaceholder(SatellitePage::TRANSPONDERS, 0));
        page_->RefreshList(1);
        QCOMPARE(tps->SelectedRows(), QList<int>{0});
    }

    void contextMenusHoldTheCommands() {
        const QStringList titles{"SAT", "XPDR", "LNB", "Channel"};
        const QList<QStringList> items{
            {"Add Satellite...", "Edit Satellite...", "Del Satellite", "Add new Transponder..."},
            {"Add Transponder...", "Edit Transponder...", "Del Transponder", "Add a Program..."},
            {"Edit LNB..."},
            {"Add Channel...", "Edit Channel...", "Del Channel", "Keep this order", "Flags"}};
        for (int which = 0; which < 4; ++which) {
            QMenu* menu = page_->ContextMenu(which);
            QCOMPARE(menu->title(), titles[which]);
            QStringList texts;
            for (QAction* action : menu->actions()) {
                texts << action->text();
                QVERIFY(action->isEnabled());
            }
            QCOMPARE(texts, items[which]);
        }
        // A menu item runs its command.
        fill_ = [](QDialog& dialog) { dialog.reject(); };
        page_->ContextMenu(2)->actions().first()->trigger();
        QCOMPARE(opened_, 1);
    }

    void placeholderRowsStopEveryCommandButTheTwoFreeOnes() {
        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) {
            w.Settings().setCurrentSatellite(3);
        }); // Thor: no transponders, so no channels either
        page_->RefreshList(0);
        const auto before = db_.workingCopy();
        for (int id : {Cmd::ADD_TRANSPONDER, Cmd::ADD_NEW_TRANSPONDER, Cmd::EDIT_SATELLITE}) {
            fill_ = [](QDialog& dialog) { dialog.reject(); };
            page_->RunCommand(id); // the satellite row is real: these open their dialog
        }
        QCOMPARE(opened_, 3);
        opened_ = 0;
        for (int id : {Cmd::EDIT_TRANSPONDER, Cmd::DEL_TRANSPONDER, Cmd::ADD_PROGRAM, Cmd::ADD_CHANNEL,
                       Cmd::EDIT_CHANNEL, Cmd::DEL_CHANNEL})
            page_->RunCommand(id);
        QCOMPARE(opened_, 0);

        // With no satellite at all, only "Add Satellite..." and "Edit LNB..." open anything.
        QVERIFY(testsupport::LoadInto(document_, testsupport::EmptyImage()));
        for (int which = 0; which < 4; ++which)
            page_->RefreshList(which);
        const auto empty = db_.workingCopy();
        for (int id : {Cmd::EDIT_SATELLITE, Cmd::DEL_SATELLITE, Cmd::ADD_NEW_TRANSPONDER,
                       Cmd::ADD_TRANSPONDER, Cmd::EDIT_TRANSPONDER, Cmd::DEL_TRANSPONDER, Cmd::ADD_PROGRAM,
                       Cmd::ADD_CHANNEL, Cmd::EDIT_CHANNEL, Cmd::DEL_CHANNEL})
            page_->RunCommand(id);
        QCOMPARE(opened_, 0);
        QVERIFY(MessageBox::prompts().isEmpty());
        QVERIFY(db_.workingCopy() == empty);
        Q_UNUSED(before);

        fill_ = [](QDialog& dialog) { static_cast<SatelliteDialog&>(dialog).Store(); };
        RUN_AND_CHECK(Cmd::ADD_SATELLITE);
        QCOMPARE(opened_, 1);
        QCOMPARE(page_->satelliteList()->RowTexts(0), (QStringList{"1", "New Sat", "0.0W", "Type 1"}));
        QCOMPARE(page_->satelliteList()->SelectedRows(), QList<int>{0});
    }

    void addSatelliteSelectsItAtTheTop() {
        fill_ = [](QDialog& dialog) {
            auto& satellite = static_cast<SatelliteDialog&>(dialog);
            satellite.nameEdit()->setText(QStringLiteral("Eutelsat"));
            satellite.degreesEdit()->setText(QStringLiteral("16"));
            satellite.lnbTypeCombo()->setCurrentIndex(2);
            satellite.Store();
        };
        RUN_AND_CHECK(Cmd::ADD_SATELLITE);
        // Slot 1 was free: the new satellite takes it and is row 1.
        const ColumnListCtrl* sats = page_->satelliteList();
        QCOMPARE(Column(sats, 1), (QStringList{"Astra 19.2E", "Eutelsat", "Hot Bird", "Thor"}));
        QCOMPARE(sats->currentRow(), 1);
        QCOMPARE(sats->SelectedRows(), QList<int>{1});
        QCOMPARE(sats->RowTexts(1), (QStringList{"2", "Eutelsat", "16.0E", "Type 3"}));
        QVERIFY(page_->IsPlaceholder(SatellitePage::TRANSPONDERS, 0));
        QVERIFY(page_->IsPlaceholder(SatellitePage::CHANNELS, 0));
        QCOMPARE(page_->lnbList()->currentRow(), 2);

        fill_ = [](QDialog& dialog) { dialog.reject(); };
        const auto before = db_.workingCopy();
        RUN_AND_CHECK(Cmd::ADD_SATELLITE);
        QVERIFY(db_.workingCopy() == before);
    }

    void editSatelliteRewritesItsRow() {
        CLICK_ROW(page_->satelliteList(), 1);
        fill_ = [](QDialog& dialog) {
            auto& satellite = static_cast<SatelliteDialog&>(dialog);
            QCOMPARE(satellite.nameEdit()->text(), QStringLiteral("Hot Bird"));
            satellite.nameEdit()->setText(QStringLiteral("Hotbird 13E"));
            satellite.eastWestCombo()->setCurrentIndex(1);
            satellite.lnbTypeCombo()->setCurrentIndex(7);
            satellite.Store();
        };
        RUN_AND_CHECK(Cmd::EDIT_SATELLITE);
        QCOMPARE(page_->satelliteList()->RowTexts(1), (QStringList{"2", "Hotbird 13E", "13.0W", "Type 8"}));
        QCOMPARE(db_.Satellite(2).position(), -130);
    }

    void delSatelliteAsksFirst() {
        CLICK_ROW(page_->satelliteList(), 1);
        MessageBox::QueueAnswer(QMessageBox::No);
        RUN_AND_CHECK(Cmd::DEL_SATELLITE);
        QCOMPARE(MessageBox::prompts().last().title, QStringLiteral("Del Satellite"));
        QCOMPARE(MessageBox::prompts().last().text, QStringLiteral("\t Do you want to del [Hot Bird]?\t\t"));
        QVERIFY(db_.Satellite(2).isUsed());

        MessageBox::QueueAnswer(QMessageBox::Yes);
        RUN_AND_CHECK(Cmd::DEL_SATELLITE);
        QVERIFY(!db_.Satellite(2).isUsed());
        QCOMPARE(Column(page_->satelliteList(), 1), (QStringList{"Astra 19.2E", "Thor"}));
        QCOMPARE(page_->satelliteList()->SelectedRows(), QList<int>{0}); // currentSatellite is Astra

        // Deleting the current satellite selects the one that takes its row.
        MessageBox::QueueAnswer(QMessageBox::Yes);
        RUN_AND_CHECK(Cmd::DEL_SATELLITE);
        QCOMPARE(Column(page_->satelliteList(), 1), QStringList{"Thor"});
        QCOMPARE(page_->satelliteList()->SelectedRows(), QList<int>{0});
        QCOMPARE(page_->lnbList()->currentRow(), 5);
        QVERIFY(page_->IsPlaceholder(SatellitePage::TRANSPONDERS, 0));
        MessageBox::QueueAnswer(QMessageBox::Yes);
        RUN_AND_CHECK(Cmd::DEL_SATELLITE);
        QVERIFY(page_->IsPlaceholder(SatellitePage::SATELLITES, 0));
        QCOMPARE(db_.Settings().satelliteCount(), 0u);
    }

    void addNewTransponderReplacesThePlaceholder() {
        CLICK_ROW(page_->satelliteList(), 2); // Thor
        fill_ = [](QDialog& dialog) {
            auto& transponder = static_cast<TransponderDialog&>(dialog);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Transponder"));
            transponder.frequencyEdit()->setText(QStringLiteral("10872"));
            transponder.symbolRateEdit()->setText(QStringLiteral("25000"));
            transponder.polarityCombo()->setCurrentIndex(1);
            transponder.Store();
        };
        RUN_AND_CHECK(Cmd::ADD_NEW_TRANSPONDER);
        const ColumnListCtrl* tps = page_->transponderList();
        QCOMPARE(tps->RowCount(), 1);
        QCOMPARE(tps->RowTexts(0).mid(0, 4), (QStringList{"1", "10872", "V", "25000"}));
        QCOMPARE(tps->SelectedRows(), QList<int>{0});
        QVERIFY(page_->IsPlaceholder(SatellitePage::CHANNELS, 0));

        RUN_AND_CHECK(Cmd::ADD_NEW_TRANSPONDER);
        QCOMPARE(tps->RowCount(), 2);
        QCOMPARE(tps->currentRow(), 1);
        QCOMPARE(tps->SelectedRows(), QList<int>{1});
    }

    void addTransponderSelectsTheNewLastRow() {
        fill_ = [](QDialog& dialog) {
            auto& transponder = static_cast<TransponderDialog&>(dialog);
            transponder.frequencyEdit()->setText(QStringLiteral("12603"));
            transponder.symbolRateEdit()->setText(QStringLiteral("22000"));
            transponder.Store();
        };
        RUN_AND_CHECK(Cmd::ADD_TRANSPONDER);
        const ColumnListCtrl* tps = page_->transponderList();
        QCOMPARE(tps->RowCount(), 5);
        QCOMPARE(tps->currentRow(), 4);
        QCOMPARE(tps->SelectedRows(), QList<int>{4});
        QCOMPARE(tps->RowTexts(4).mid(0, 4), (QStringList{"5", "12603", "H", "22000"}));
        QVERIFY(page_->IsPlaceholder(SatellitePage::CHANNELS, 0));
    }

    void editTransponderRewritesItsRow() {
        CLICK_ROW(page_->transponderList(), 2);
        fill_ = [](QDialog& dialog) {
            auto& transponder = static_cast<TransponderDialog&>(dialog);
            QCOMPARE(transponder.frequencyEdit()->text(), QStringLiteral("12188"));
            transponder.symbolRateEdit()->setText(QStringLiteral("65535"));
            transponder.polarityCombo()->setEditText(QStringLiteral("L"));
            transponder.Store();
        };
        RUN_AND_CHECK(Cmd::EDIT_TRANSPONDER);
        QCOMPARE(page_->transponderList()->RowTexts(2).mid(0, 4), (QStringList{"3", "12188", "V", "65535"}));
    }

    void editKeysWorkOnlyInTheChannelList() {
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_.get()));
        const QList<QWidget*> widgets{page_->tvButton(), page_->filterBar()->findChild<QLineEdit*>(),
                                      page_->channelList()};
        for (QWidget* widget : widgets) {
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_Return);
            QTest::keyClick(widget, Qt::Key_F2);
        }
        QCOMPARE(opened_, 2); // from the channel list only
    }

    void delTransponderAsksAboutItsPolarization() {
        MessageBox::QueueAnswer(QMessageBox::No);
        RUN_AND_CHECK(Cmd::DEL_TRANSPONDER);
        QCOMPARE(MessageBox::prompts().last().title, QStringLiteral("Del Transponder"));
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("\t Do you want to del xpdr [11747/27500/V]?\t\t"));
        // The line under the question says that the channels go too (TV and radio).
        QCOMPARE(MessageBox::prompts().last().informativeText,
                 QStringLiteral("Its 4 channels are deleted with it."));
        CLICK_ROW(page_->transponderList(), 3);
        MessageBox::QueueAnswer(QMessageBox::No);
        RUN_AND_CHECK(Cmd::DEL_TRANSPONDER);
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("\t Do you want to del xpdr [12603/22000/H]?\t\t"));
        QCOMPARE(MessageBox::prompts().last().informativeText, QStringLiteral("It has no channels."));
        QCOMPARE(page_->transponderList()->RowCount(), 4);

        // Deleting the first transponder takes its channels and renumbers the rest.
        CLICK_ROW(page_->transponderList(), 0);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        RUN_AND_CHECK(Cmd::DEL_TRANSPONDER);
        QCOMPARE(Column(page_->transponderList(), 1), (QStringList{"11778", "12188", "12603"}));
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"RTL", "VOX"}));
        QCOMPARE(Column(page_->channelList(), 12), (QStringList{"1", "2"}));

        // Deleting Hot Bird's two transponders leaves the placeholder row.
        CLICK_ROW(page_->satelliteList(), 1);
        for (int i = 0; i < 2; ++i) {
            MessageBox::QueueAnswer(QMessageBox::Yes);
            RUN_AND_CHECK(Cmd::DEL_TRANSPONDER);
        }
        QCOMPARE(page_->transponderList()->RowCount(), 1);
        QVERIFY(page_->IsPlaceholder(SatellitePage::TRANSPONDERS, 0));
        QCOMPARE(db_.Satellite(2).state(), SatelliteRecord::STATE_IN_USE);
    }

    void addingARadioChannelSwitchesToRadio() {
        for (int id : {Cmd::ADD_CHANNEL, Cmd::ADD_PROGRAM}) {
            page_->SetShowTv(true);
            page_->RefreshList(3);
            fill_ = [](QDialog& dialog) {
                auto& channel = static_cast<ChannelDialog&>(dialog);
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Channel"));
                QVERIFY(!channel.satelliteCombo()->isEnabled());
                channel.nameEdit()->setText(QStringLiteral("Radio Eins"));
                channel.audioPidEdit()->setText(QStringLiteral("512"));
                QVERIFY(channel.Store());
            };
            RUN_AND_CHECK(id);
            QVERIFY(!page_->showTv());
            QVERIFY(page_->radioButton()->isChecked());
            const ColumnListCtrl* channels = page_->channelList();
            QCOMPARE(channels->CellText(channels->RowCount() - 1, 1), QStringLiteral("Radio Eins"));
            QCOMPARE(channels->CellText(channels->RowCount() - 1, 3), QStringLiteral("512"));
            QCOMPARE(channels->currentRow(), channels->RowCount() - 1);
            QCOMPARE(channels->SelectedRows(), QList<int>{channels->RowCount() - 1});
        }
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"Bayern 3", "Radio Eins", "Radio Eins"}));
        QCOMPARE(Column(page_->channelList(), 12), (QStringList{"1", "2", "3"}));

        // A TV channel switches back.
        fill_ = [](QDialog& dialog) {
            auto& channel = static_cast<ChannelDialog&>(dialog);
            channel.videoPidEdit()->setText(QStringLiteral("8000"));
            QVERIFY(channel.Store());
        };
        RUN_AND_CHECK(Cmd::ADD_CHANNEL);
        QVERIFY(page_->showTv());
        QCOMPARE(Column(page_->channelList(), 2).last(), QStringLiteral("8000"));
    }

    void editChannelRewritesItsRow() {
        CLICK_ROW(page_->channelList(), 1);
        fill_ = [](QDialog& dialog) {
            auto& channel = static_cast<ChannelDialog&>(dialog);
            QCOMPARE(channel.nameEdit()->text(), QStringLiteral("ZDF"));
            channel.nameEdit()->setText(QStringLiteral("ZDF HD 1234"));
            channel.favCheck(2)->setChecked(true);
            channel.scrambledCheck()->setChecked(true);
            QVERIFY(channel.Store());
        };
        RUN_AND_CHECK(Cmd::EDIT_CHANNEL);
        QCOMPARE(page_->channelList()->RowTexts(1), (QStringList{"2", "ZDF HD 1234", "110", "256", "8191",
                                                                 "8191", "N", "Y", "N", "Y", "N", "N", "2"}));
    }

    void editChannelToRadioLeavesTheTvList() {
        ClickRow(page_->channelList(), 1);
        fill_ = [](QDialog& dialog) {
            auto& channel = static_cast<ChannelDialog&>(dialog);
            QCOMPARE(channel.nameEdit()->text(), QStringLiteral("ZDF"));
            channel.videoPidEdit()->setText(QStringLiteral("8191")); // no video: a radio channel
            QVERIFY(channel.Store());
        };
        const int rows = page_->channelList()->RowCount();
        RunAndCheck(Cmd::EDIT_CHANNEL);
        QCOMPARE(page_->channelList()->RowCount(), rows - 1);
        QVERIFY(!Column(page_->channelList(), 1).contains(QStringLiteral("ZDF")));
    }

    void delChannelAsksAndRenumbers() {
        MessageBox::QueueAnswer(QMessageBox::No);
        RUN_AND_CHECK(Cmd::DEL_CHANNEL);
        QCOMPARE(MessageBox::prompts().last().title, QStringLiteral("Del Channel"));
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("\t Do you want to del channel [ Das Erste]?\t\t"));
        QCOMPARE(page_->channelList()->RowCount(), 3);

        MessageBox::QueueAnswer(QMessageBox::Yes);
        RUN_AND_CHECK(Cmd::DEL_CHANNEL);
        QCOMPARE(Column(page_->channelList(), 1), (QStringList{"ZDF", "3sat"}));
        QCOMPARE(Column(page_->channelList(), 12), (QStringList{"1", "2"}));
        CLICK_ROW(page_->transponderList(), 1);
        QCOMPARE(Column(page_->channelList(), 12), (QStringList{"3", "4"})); // RTL and VOX moved up
    }

    void editLnbFromADoubleClick() {
        ColumnListCtrl* lnbs = page_->lnbList();
        fill_ = [](QDialog& dialog) {
            auto& lnb = static_cast<LnbDialog&>(dialog);
            QCOMPARE(lnb.typeIndex(), 3);
            lnb.diseqcCombo()->setCurrentIndex(lnb.diseqcCombo()->findText(QStringLiteral("Port A")));
            lnb.lowCombo()->setEditText(QStringLiteral("9800"));
            lnb.Store();
        };
        const QRect cell = lnbs->visualRect(lnbs->model()->index(3, 1));
        QTest::mouseClick(lnbs->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(lnbs->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(opened_, 1);
        QCOMPARE(lnbs->RowTexts(3).mid(0, 5), (QStringList{"4", "Type4", "9800", "0", "Port A"}));
        QVERIFY(db_.Settings().lnbSlot(3).diseqcOn());
        QCOMPARE(db_.Settings().lnbSlot(3).diseqcPort(), 4u);

        // Switching the dialog to another type rewrites that type's row, not this one.
        fill_ = [](QDialog& dialog) {
            auto& lnb = static_cast<LnbDialog&>(dialog);
            lnb.typeCombo()->setCurrentIndex(6);
            Q_EMIT lnb.typeCombo()->activated(6);
            lnb.toneCombo()->setCurrentIndex(1);
            lnb.Store();
        };
        RUN_AND_CHECK(Cmd::EDIT_LNB);
        QCOMPARE(lnbs->CellText(3, 1), QStringLiteral("Type4"));
        QCOMPARE(lnbs->CellText(6, 1), QStringLiteral("Type7"));
        QCOMPARE(lnbs->CellText(6, 5), QStringLiteral("ON"));
    }

    void sortingKeepsTheCurrentRowOnItsRecord() {
        CLICK_ROW(page_->satelliteList(), 1);           // Hot Bird
        page_->satelliteList()->SortByColumn(1, false); // Thor, Hot Bird, Astra
        CLICK_ROW(page_->transponderList(), 1);
        page_->transponderList()->SortByColumn(1, false); // 11034 first
        QCOMPARE(page_->transponderList()->currentRow(), 0);
        fill_ = [](QDialog& dialog) {
            QCOMPARE(static_cast<TransponderDialog&>(dialog).frequencyEdit()->text(),
                     QStringLiteral("11034"));
        };
        RUN_AND_CHECK(Cmd::EDIT_TRANSPONDER);
        page_->satelliteList()->SortByColumn(1, true); // Astra, Hot Bird, Thor
        MessageBox::QueueAnswer(QMessageBox::No);
        RUN_AND_CHECK(Cmd::DEL_SATELLITE);
        QCOMPARE(MessageBox::prompts().last().text, QStringLiteral("\t Do you want to del [Hot Bird]?\t\t"));
        QCOMPARE(opened_, 1);
    }

    void commandsFollowTheNoCellAfterSorting() {
        ColumnListCtrl* sats = page_->satelliteList();
        sats->SortByColumn(1, false); // Thor, Hot Bird, Astra
        QCOMPARE(sats->CellText(0, 1), QStringLiteral("Thor"));
        CLICK_ROW(sats, 1);
        QCOMPARE(Column(page_->transponderList(), 1), (QStringList{"10971", "11034"}));
        MessageBox::QueueAnswer(QMessageBox::No);
        RUN_AND_CHECK(Cmd::DEL_SATELLITE);
        QCOMPARE(MessageBox::prompts().last().text, QStringLiteral("\t Do you want to del [Hot Bird]?\t\t"));

        ColumnListCtrl* channels = page_->channelList();
        CLICK_ROW(page_->transponderList(), 0);
        CLICK_ROW(sats, 2);              // Astra
        channels->SortByColumn(1, true); // 3sat, Das Erste, ZDF
        CLICK_ROW(channels, 0);
        MessageBox::QueueAnswer(QMessageBox::No);
        RUN_AND_CHECK(Cmd::DEL_CHANNEL);
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("\t Do you want to del channel [ 3sat]?\t\t"));
    }

    void dialogsRunModallyByDefault() {
        page_->setDialogRunner(nullptr);
        int seen = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<TransponderDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++seen;
            dialog->frequencyEdit()->setText(QStringLiteral("10714"));
            dialog->okButton()->click();
        });
        poll.start(10);
        RUN_AND_CHECK(Cmd::EDIT_TRANSPONDER);
        poll.stop();
        QCOMPARE(seen, 1);
        QCOMPARE(page_->transponderList()->CellText(0, 1), QStringLiteral("10714"));
    }

    void rightClickSelectsTheRowAndOpensItsMenu() {
        ColumnListCtrl* tps = page_->transponderList();
        QString title;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            title = menu->title();
            menu->close();
        });
        poll.start(10);
        const QRect cell = tps->visualRect(tps->model()->index(2, 1));
        QTest::mouseClick(tps->viewport(), Qt::RightButton, {}, cell.center());
        QContextMenuEvent event(QContextMenuEvent::Mouse, cell.center(),
                                tps->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(tps->viewport(), &event);
        poll.stop();
        QCOMPARE(title, QStringLiteral("XPDR"));
        QCOMPARE(tps->currentRow(), 2);
        QCOMPARE(tps->SelectedRows(), QList<int>{2});
    }

    void escapeStaysInThePage() {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(page_.get(), &escape);
        QVERIFY(page_->isVisible()); // a page is no dialog: nothing closes
        QCOMPARE(page_->satelliteList()->RowCount(), 3);
    }

    void lnbSelectionFindsTheTypeAfterSorting() {
        page_->lnbList()->SortByColumn(0, false); // Type8 first
        CLICK_ROW(page_->satelliteList(), 2);     // Thor: Type 6
        const int row = page_->lnbList()->currentRow();
        QCOMPARE(page_->lnbList()->CellText(row, 1), QStringLiteral("Type6"));
        QCOMPARE(page_->lnbList()->SelectedRows(), QList<int>{row});
    }

    // Arbitrary bytes: the page fills, follows clicks and runs its commands without
    // crashing, hanging or reading outside the image.
    void randomImagesAreSafe() {
        for (std::uint32_t seed = 1; seed <= 12; ++seed) {
            QVERIFY(testsupport::LoadInto(document_, testsupport::RandomBytes(IMAGE_SIZE, seed)));
            for (int which = 0; which < 4; ++which)
                page_->RefreshList(which);
            for (int which = 0; which < 4; ++which) {
                ColumnListCtrl* list = page_->list(which);
                const int last = list->RowCount() - 1;
                if (last > 0)
                    list->SelectRow(last, true);
            }
            page_->radioButton()->click();
            fill_ = [](QDialog& dialog) { testsupport::StoreEditDialog(dialog); };
            for (int id : {Cmd::EDIT_SATELLITE, Cmd::EDIT_TRANSPONDER, Cmd::EDIT_LNB, Cmd::EDIT_CHANNEL})
                page_->RunCommand(id);
            for (int i = 0; i < 3; ++i)
                MessageBox::QueueAnswer(QMessageBox::Yes);
            for (int id : {Cmd::DEL_CHANNEL, Cmd::DEL_TRANSPONDER, Cmd::DEL_SATELLITE})
                page_->RunCommand(id);
            MessageBox::ResetTestState();
        }
        // Leave a consistent image for cleanup's check.
        QVERIFY(testsupport::LoadInto(document_, testsupport::EmptyImage()));
    }

    void screenshot() {
        const QString path = qEnvironmentVariable("VORMANTE_SCREENSHOT");
        if (path.isEmpty())
            QSKIP("set VORMANTE_SCREENSHOT to a file name to save a picture of the page");
        QVERIFY(page_->grab().save(path));
        // The four dialogs beside it, as the commands open them.
        SatelliteDialog satellite;
        satellite.PrepareEdit(QStringLiteral("Edit Satellite"), db_, 0);
        TransponderDialog transponder;
        transponder.PrepareEdit(QStringLiteral("Edit Transponder"), db_, 0, 0);
        LnbDialog lnb;
        lnb.Prepare(db_, 5);
        ChannelDialog channel;
        channel.PrepareEdit(QStringLiteral("Edit Channel"), db_, 0, 0, 0, false);
        const QList<QDialog*> dialogs{&satellite, &transponder, &lnb, &channel};
        for (int i = 0; i < dialogs.size(); ++i) {
            dialogs[i]->show();
            QVERIFY(dialogs[i]->grab().save(QStringLiteral("%1.dialog%2.png").arg(path).arg(i)));
        }
    }

private:
    QStringList Problems() const { return testsupport::ConsistencyProblems(db_); }

    void ClickRow(ColumnListCtrl* list, int row) {
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QVERIFY(cell.isValid());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(list->SelectedRows(), QList<int>{row});
    }
};

QTEST_MAIN(SatellitePageTest)
#include "tst_satellitepage.moc"
