// The LNB dialog: table indexes for Type 5..8, explicit frequencies for Type 1..4,
// switching type inside the dialog, DiSEqC items, and values that have no text.
#include "views/satellites/LnbDialog.h"

#include "controls/MessageBox.h"
#include "model/EditOperations.h"

#include "DialogTestFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using namespace vormante;

class LnbDialogTest : public testsupport::DialogTestFixture {
    Q_OBJECT

private Q_SLOTS:
    void typedFrequencyTooLargeForTheFieldIsRefused() {
        db_.Settings().setLnbLowFrequency(1, 9750000);
        LnbDialog dialog;
        dialog.Prepare(db_, 1);
        dialog.lowCombo()->setEditText(QStringLiteral("5000000")); // 5e9 kHz does not fit 32 bits
        MessageBox::QueueAnswer(QMessageBox::Ok);
        dialog.Store();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(MessageBox::prompts().size(), 1);
        QCOMPARE(MessageBox::prompts().first().text,
                 QString("LNB Freq Low takes a number from 0 to 4294967."));
        dialog.lowCombo()->setEditText(QStringLiteral("4294967"));
        dialog.Store();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        StoreLnb(db_, dialog.typeIndex(), dialog.values());
        QCOMPARE(db_.Settings().lnbLowFrequency(1), 4294967000u);
    }

    void tableTypeShowsIndexesAndEnablesControlModes() {
        LnbSlot slot = db_.Settings().lnbSlot(5);
        slot.setLowBandIndex(1);
        slot.setHighBandIndex(3);
        slot.setPolarityControl(4);
        slot.setBandControl(2);
        LnbDialog dialog;
        dialog.Prepare(db_, 5);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("LNB Edit"));
        QCOMPARE(dialog.typeCombo()->currentText(), QStringLiteral("Type6"));
        QCOMPARE(dialog.lowCombo()->currentText(), QStringLiteral("9750"));
        QCOMPARE(dialog.highCombo()->currentText(), QStringLiteral("10600"));
        QVERIFY(dialog.polarityControlCombo()->isEnabled());
        QVERIFY(dialog.bandControlCombo()->isEnabled());
        QCOMPARE(dialog.polarityControlCombo()->currentText(), QStringLiteral("13/18V"));
        QCOMPARE(dialog.bandControlCombo()->currentText(), QStringLiteral("0/12V"));
        const auto before = db_.workingCopy();
        dialog.okButton()->click();
        StoreLnb(db_, dialog.typeIndex(), dialog.values());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(db_.workingCopy() == before);
    }

    void explicitTypeSelectsMatchingItems() {
        db_.Settings().setLnbLowFrequency(1, 9750000);
        db_.Settings().setLnbHighFrequency(1, 1000000); // 1000 MHz: the first item beginning so is "10000"
        LnbDialog dialog;
        dialog.Prepare(db_, 1);
        QVERIFY(!dialog.polarityControlCombo()->isEnabled());
        QVERIFY(!dialog.bandControlCombo()->isEnabled());
        QCOMPARE(dialog.lowCombo()->currentIndex(), 1);
        QCOMPARE(dialog.highCombo()->currentText(), QStringLiteral("10000"));
    }

    void explicitFrequencyOutsideTheTableSurvivesOk() {
        db_.Settings().setLnbLowFrequency(1, 9800000);
        db_.Settings().setLnbHighFrequency(1, 10600000);
        LnbDialog dialog;
        dialog.Prepare(db_, 1);
        QCOMPARE(dialog.lowCombo()->currentIndex(), -1);
        QCOMPARE(dialog.lowCombo()->currentText(), QStringLiteral("9800"));
        StoreEntered(dialog);
        QCOMPARE(db_.Settings().lnbLowFrequency(1), 9800000u);
        QCOMPARE(db_.Settings().lnbHighFrequency(1), 10600000u);
        QCOMPARE(db_.Settings().lnbSlot(1).lowBandIndex(), 31u);
        QCOMPARE(db_.Settings().lnbSlot(1).highBandIndex(), 3u);
    }

    void typedFrequencyStoresKilohertzAndNoIndex() {
        db_.Settings().setLnbLowFrequency(1, 9750000);
        const unsigned polarityBefore = db_.Settings().lnbSlot(1).polarityControl();
        LnbDialog dialog;
        dialog.Prepare(db_, 1);
        dialog.lowCombo()->setEditText(QStringLiteral("9800"));
        StoreEntered(dialog);
        QCOMPARE(db_.Settings().lnbLowFrequency(1), 9800000u);
        QCOMPARE(db_.Settings().lnbSlot(1).lowBandIndex(), 31u);
        QCOMPARE(db_.Settings().lnbSlot(1).polarityControl(), polarityBefore);

        LnbDialog letters;
        letters.Prepare(db_, 1);
        letters.highCombo()->setEditText(QStringLiteral("abc"));
        StoreEntered(letters);
        QCOMPARE(db_.Settings().lnbHighFrequency(1), 0u);
    }

    void switchingTypeWritesTheTypeShown() {
        db_.Settings().setLnbLowFrequency(1, 5150000);
        db_.Settings().setLnbHighFrequency(1, 5150000);
        const std::uint32_t type6Before = bits::LoadWord(db_.Settings().lnbSlot(5).data());
        LnbDialog dialog;
        dialog.Prepare(db_, 5);
        dialog.diseqcCombo()->setCurrentIndex(3);
        dialog.toneCombo()->setCurrentIndex(2);
        dialog.typeCombo()->setCurrentIndex(1);
        Q_EMIT dialog.typeCombo()->activated(1);
        QCOMPARE(dialog.typeIndex(), 1);
        QVERIFY(!dialog.polarityControlCombo()->isEnabled());
        QCOMPARE(dialog.lowCombo()->currentText(), QStringLiteral("5150"));
        dialog.highCombo()->setCurrentIndex(4);
        StoreEntered(dialog);
        QCOMPARE(bits::LoadWord(db_.Settings().lnbSlot(5).data()), type6Before);
        const LnbSlot type2 = db_.Settings().lnbSlot(1);
        QCOMPARE(type2.diseqcItem(), 3u);
        QCOMPARE(type2.tone22k(), 2u);
        QCOMPARE(db_.Settings().lnbHighFrequency(1), 10750000u);
        QCOMPARE(db_.Settings().lnbLowFrequency(1), 5150000u);
    }

    void portAStoresDiseqcOnAndPortFour() {
        LnbDialog dialog;
        dialog.Prepare(db_, 0);
        dialog.diseqcCombo()->setCurrentIndex(dialog.diseqcCombo()->findText(QStringLiteral("Port A")));
        dialog.switch12VCombo()->setCurrentIndex(1);
        dialog.powerCombo()->setCurrentIndex(1);
        StoreEntered(dialog);
        const ConstLnbSlot slot = db_.Settings().lnbSlot(0);
        QVERIFY(slot.diseqcOn());
        QCOMPARE(slot.diseqcPort(), 4u);
        QCOMPARE(slot.switch12V(), 1u);
        QVERIFY(slot.lnbPower());

        LnbDialog reopened;
        reopened.Prepare(db_, 0);
        QCOMPARE(reopened.diseqcCombo()->currentText(), QStringLiteral("Port A"));

        reopened.diseqcCombo()->setCurrentIndex(0);
        StoreEntered(reopened);
        QVERIFY(!db_.Settings().lnbSlot(0).diseqcOn());
        QCOMPARE(db_.Settings().lnbSlot(0).diseqcPort(), 0u);
    }

    void valuesWithoutTextShowNothingAndStay() {
        LnbSlot slot = db_.Settings().lnbSlot(6);
        slot.setLowBandIndex(12);
        slot.setHighBandIndex(30);
        slot.setDiseqcOn(true);
        slot.setDiseqcPort(7); // item 8
        slot.setTone22k(3);
        slot.setSwitch12V(2);
        const std::uint32_t before = bits::LoadWord(slot.data());
        LnbDialog dialog;
        dialog.Prepare(db_, 6);
        QCOMPARE(dialog.lowCombo()->currentText(), QString());
        QCOMPARE(dialog.diseqcCombo()->currentIndex(), -1);
        QCOMPARE(dialog.toneCombo()->currentIndex(), -1);
        QCOMPARE(dialog.switch12VCombo()->currentIndex(), -1);
        StoreEntered(dialog);
        QCOMPARE(bits::LoadWord(db_.Settings().lnbSlot(6).data()), before);
    }

    void cancelLeavesEverything() {
        const auto before = db_.workingCopy();
        LnbDialog dialog;
        dialog.Prepare(db_, 2);
        dialog.lowCombo()->setEditText(QStringLiteral("1234"));
        dialog.diseqcCombo()->setCurrentIndex(5);
        dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(db_.workingCopy() == before);
    }

private:
    // OK, then what the LNB command does with the values the dialog hands back.
    void StoreEntered(LnbDialog& dialog) {
        dialog.Store();
        StoreLnb(db_, dialog.typeIndex(), dialog.values());
    }
};

QTEST_MAIN(LnbDialogTest)
#include "tst_lnbdialog.moc"
