// The satellite page on the sample images: every edit command opened and confirmed
// on every row of the demo image keeps what the rows show, deletions and additions
// keep the image consistent, and the full image makes every add command say its
// table is full without changing anything.
#include "views/satellites/SatellitePage.h"

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/ConsistencyCheck.h"
#include "model/SampleImages.h"
#include "views/channels/ChannelDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/SatellitePageCommands.h"
#include "views/satellites/TransponderDialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace vormante;
using Cmd = SatellitePageCommands;

class SatellitePageSamplesTest : public QObject, protected testsupport::SatellitePageFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { MessageBox::setTestMode(true); }
    void cleanup() {
        QVERIFY2(MessageBox::unexpectedPrompts().isEmpty(),
                 qPrintable(MessageBox::unexpectedPrompts().join('|')));
        page_.reset();
    }

    void confirmingEveryEditDialogKeepsEveryRow() {
        Open(BuildDemoImage());
        QVERIFY(page_->satelliteList()->RowCount() > 1);
        ColumnListCtrl* sats = page_->satelliteList();
        for (int s = 0; s < sats->RowCount(); ++s) {
            SelectRow(sats, s);
            ConfirmEditKeepsRow(Cmd::EDIT_SATELLITE, sats);
            ColumnListCtrl* tps = page_->transponderList();
            for (int t = 0; t < tps->RowCount() && !page_->IsPlaceholder(SatellitePage::TRANSPONDERS, 0);
                 ++t) {
                SelectRow(tps, t);
                ConfirmEditKeepsRow(Cmd::EDIT_TRANSPONDER, tps);
                for (bool tv : {true, false}) {
                    (tv ? page_->tvButton() : page_->radioButton())->click();
                    ColumnListCtrl* channels = page_->channelList();
                    for (int c = 0;
                         c < channels->RowCount() && !page_->IsPlaceholder(SatellitePage::CHANNELS, 0); ++c) {
                        SelectRow(channels, c);
                        ConfirmEditKeepsRow(Cmd::EDIT_CHANNEL, channels);
                    }
                }
            }
        }
        for (int l = 0; l < 8; ++l) {
            SelectRow(page_->lnbList(), l);
            ConfirmEditKeepsRow(Cmd::EDIT_LNB, page_->lnbList());
        }
        QVERIFY(opened_ > 10);
    }

    void deletingAndAddingOnTheDemoImage() {
        Open(BuildDemoImage());
        ColumnListCtrl* sats = page_->satelliteList();
        const int satellites = sats->RowCount();
        // A channel, a transponder and a satellite go; each list refills consistently.
        for (int id : {Cmd::DEL_CHANNEL, Cmd::DEL_TRANSPONDER, Cmd::DEL_SATELLITE}) {
            MessageBox::QueueAnswer(QMessageBox::Yes);
            RunAndCheck(id);
        }
        QCOMPARE(sats->RowCount(), satellites - 1);
        QCOMPARE(MessageBox::prompts().size(), 3);

        fill_ = StoreAddDialog;
        for (int id : {Cmd::ADD_SATELLITE, Cmd::ADD_NEW_TRANSPONDER, Cmd::ADD_TRANSPONDER, Cmd::ADD_PROGRAM,
                       Cmd::ADD_CHANNEL})
            RunAndCheck(id);
        QCOMPARE(sats->RowCount(), satellites);
        QCOMPARE(sats->CellText(sats->currentRow(), 1), QStringLiteral("New Sat"));
        QCOMPARE(page_->transponderList()->RowCount(), 2);
        QCOMPARE(page_->transponderList()->currentRow(), 1);
        QCOMPARE(page_->channelList()->RowCount(), 2);
        QVERIFY(!page_->showTv());
        QCOMPARE(page_->channelList()->CellText(1, 12), QStringLiteral("2"));
    }

    void fullTablesRefuseEveryAdd() {
        Open(BuildFullImage());
        const auto before = db_.workingCopy();
        fill_ = StoreAddDialog;
        const int transponders = page_->transponderList()->RowCount();
        for (int i = 0; i < 5; ++i)
            MessageBox::QueueAnswer(QMessageBox::Ok);
        for (int id : {Cmd::ADD_SATELLITE, Cmd::ADD_NEW_TRANSPONDER, Cmd::ADD_TRANSPONDER, Cmd::ADD_PROGRAM,
                       Cmd::ADD_CHANNEL})
            RunAndCheck(id);
        QStringList texts;
        for (const MessageBox::Prompt& prompt : MessageBox::prompts())
            texts << prompt.text;
        QCOMPARE(texts, (QStringList{"Satellite is full!", "Transponder is Full!", "Transponder is Full!",
                                     "Prog is Full!", "Prog is Full!"}));
        QVERIFY(db_.workingCopy() == before);
        QCOMPARE(page_->transponderList()->RowCount(), transponders);
        QCOMPARE(page_->transponderList()->currentRow(), transponders - 1);
        QCOMPARE(page_->transponderList()->SelectedRows(), QList<int>{transponders - 1});
    }

    void screenshot() {
        const QString path = qEnvironmentVariable("VORMANTE_SCREENSHOT");
        if (path.isEmpty())
            QSKIP("set VORMANTE_SCREENSHOT to a file name to save a picture of the page on the demo image");
        Open(BuildDemoImage());
        page_->satelliteList()->SelectRow(1, true);
        page_->transponderList()->SelectRow(1, true);
        QVERIFY(page_->grab().save(path));
    }

private:
    // Confirms an add dialog as it comes, with a frequency for a new transponder (0 MHz is refused).
    static void StoreAddDialog(QDialog& dialog) {
        if (auto* satellite = qobject_cast<SatelliteDialog*>(&dialog))
            satellite->Store();
        else if (auto* transponder = qobject_cast<TransponderDialog*>(&dialog)) {
            transponder->frequencyEdit()->setText(QStringLiteral("11747"));
            transponder->Store();
        } else if (auto* channel = qobject_cast<ChannelDialog*>(&dialog))
            QVERIFY(channel->Store());
    }

    void Open(const std::vector<std::uint8_t>& image) {
        QVERIFY(testsupport::LoadInto(document_, image));
        QVERIFY(CheckConsistency(db_).empty());
        ShowPage();
    }

    void SelectRow(ColumnListCtrl* list, int row) {
        list->SelectRow(row, true);
        QCOMPARE(list->currentRow(), row);
    }

    void ConfirmEditKeepsRow(int id, ColumnListCtrl* list) {
        const QStringList before = list->RowTexts(list->currentRow());
        fill_ = [](QDialog& dialog) {
            if (auto* channel = qobject_cast<ChannelDialog*>(&dialog))
                QVERIFY(channel->Store());
            else
                testsupport::StoreEditDialog(dialog);
        };
        const int openedBefore = opened_;
        RunAndCheck(id);
        QCOMPARE(opened_, openedBefore + 1);
        QCOMPARE(list->RowTexts(list->currentRow()), before);
    }
};

QTEST_MAIN(SatellitePageSamplesTest)
#include "tst_satellitepagesamples.moc"
