// The transponder dialog: defaults, the frequencies a dish delivers, the symbol
// rate's 16 bits, the polarization choice, editing, and a full table.
#include "views/satellites/SatellitePageCommands.h"
#include "views/satellites/TransponderDialog.h"

#include "DialogTestFixture.h"
#include "controls/MessageBox.h"
#include "model/RecordOperations.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vormante;

class TransponderDialogTest : public testsupport::DialogTestFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        DialogTestFixture::init();
        satellite_ = AllocateSatellite(db_);
    }

    void addingStartsAtZeroAndAppendsTheTransponder() {
        const int first = AddTransponder(db_, satellite_);
        TransponderDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        QCOMPARE(dialog.frequencyEdit()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.symbolRateEdit()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.polarityCombo()->currentText(), QStringLiteral("H"));
        const QLabel* unit = dialog.findChild<QLabel*>("frequencyUnitLabel");
        QVERIFY(unit != nullptr);
        QCOMPARE(unit->text(), QStringLiteral("MHz (950 to 14500)"));
        MessageBox::QueueAnswer(QMessageBox::Ok); // 0 MHz is no frequency: the user must give one
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.frequencyEdit()->setText(QStringLiteral("950"));
        dialog.okButton()->click();
        SatellitePageCommands::StoreEntered(db_, dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const int t = dialog.transponderSlot();
        QVERIFY(t != first && IsTransponderSlot(t));
        QCOMPARE(db_.Satellite(satellite_).lastTransponder(), t);
        QCOMPARE(db_.Transponder(first).nextTransponder(), t);
        QCOMPARE(db_.Transponder(t).frequency(), 950u);
        QCOMPARE(db_.Transponder(t).symbolRate(), 0u);
        QCOMPARE(db_.Transponder(t).polarization(), 0u);
    }

    void numbersKeepTheirLowSixteenBits_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("symbolRate");
        QTest::addColumn<unsigned>("storedFrequency");
        QTest::addColumn<unsigned>("storedSymbolRate");
        QTest::newRow("plain") << "11747"
                               << "27500" << 11747u << 27500u;
        QTest::newRow("largest") << "14500"
                                 << "65535" << 14500u << 65535u;
        QTest::newRow("not numbers") << "950"
                                     << "abc" << 950u << 0u;
    }
    void numbersKeepTheirLowSixteenBits() {
        QFETCH(QString, frequency);
        QFETCH(QString, symbolRate);
        QFETCH(unsigned, storedFrequency);
        QFETCH(unsigned, storedSymbolRate);
        TransponderDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        dialog.frequencyEdit()->setText(frequency);
        dialog.symbolRateEdit()->setText(symbolRate);
        StoreEntered(dialog);
        const ConstTransponderRecord record = db_.Transponder(dialog.transponderSlot());
        QCOMPARE(record.frequency(), storedFrequency);
        QCOMPARE(record.symbolRate(), storedSymbolRate);
        QCOMPARE(record.inUse(), 3u); // the frequency's word keeps its other bits
    }

    void numbersTheFieldsCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("symbolRate");
        QTest::addColumn<QString>("message");
        const char* frequencyRange = "Freq (MHz) takes a number from 950 to 14500.";
        // No dish delivers these frequencies: 5 is a slip of the keys, not a transponder.
        for (const char* frequency : {"5", "949", "14501", "99999", "-1", "abc"})
            QTest::newRow(frequency) << frequency << "27500" << frequencyRange;
        QTest::newRow("70000") << "11747"
                               << "70000"
                               << "Symbol Rate takes a number from 0 to 65535.";
        QTest::newRow("huge") << "11747"
                              << "99999999999999"
                              << "Symbol Rate takes a number from 0 to 65535.";
    }
    void numbersTheFieldsCannotHoldAreRefused() {
        QFETCH(QString, frequency);
        QFETCH(QString, symbolRate);
        QFETCH(QString, message);
        TransponderDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        dialog.frequencyEdit()->setText(frequency);
        dialog.symbolRateEdit()->setText(symbolRate);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        dialog.Store();
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // stays open, nothing stored
        QCOMPARE(MessageBox::prompts().size(), 1);
        QCOMPARE(MessageBox::prompts().first().text, message);
    }

    void numberBoxesSelectTheirTextOnFocus() {
        TransponderDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.frequencyEdit()->setText("12603");
        dialog.frequencyEdit()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(dialog.frequencyEdit()->hasFocus());
        QCOMPARE(dialog.frequencyEdit()->selectedText(), QString("12603"));
        // A click into the box leaves the text selected too, so typing replaces it.
        dialog.symbolRateEdit()->setFocus();
        QTest::mouseClick(dialog.frequencyEdit(), Qt::LeftButton);
        QTest::qWait(20);
        QCOMPARE(dialog.frequencyEdit()->selectedText(), QString("12603"));
        QTest::keyClicks(dialog.frequencyEdit(), "11747");
        QCOMPARE(dialog.frequencyEdit()->text(), QString("11747"));
    }

    void frequencyEditTakesFiveCharacters() {
        TransponderDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        dialog.frequencyEdit()->clear();
        QTest::keyClicks(dialog.frequencyEdit(), QStringLiteral("1234567"));
        QCOMPARE(dialog.frequencyEdit()->text(), QStringLiteral("12345"));
    }

    void polarizationChoices() {
        TransponderDialog vertical;
        vertical.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        vertical.frequencyEdit()->setText(QStringLiteral("11747"));
        vertical.polarityCombo()->setCurrentIndex(1);
        StoreEntered(vertical);
        QCOMPARE(db_.Transponder(vertical.transponderSlot()).polarization(), 1u);

        TransponderDialog typed;
        typed.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        typed.frequencyEdit()->setText(QStringLiteral("11747"));
        typed.polarityCombo()->setEditText(QStringLiteral("circular"));
        StoreEntered(typed);
        QCOMPARE(db_.Transponder(typed.transponderSlot()).polarization(), 3u);
    }

    void editingOpensWithTheRecord() {
        const int t = AddTransponder(db_, satellite_);
        db_.Transponder(t).setFrequency(12188);
        db_.Transponder(t).setSymbolRate(27500);
        db_.Transponder(t).setPolarization(2);
        TransponderDialog dialog;
        dialog.PrepareEdit(QStringLiteral("Edit Transponder"), db_, satellite_, t);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Transponder"));
        QCOMPARE(dialog.frequencyEdit()->text(), QStringLiteral("12188"));
        QCOMPARE(dialog.symbolRateEdit()->text(), QStringLiteral("27500"));
        QCOMPARE(dialog.polarityCombo()->currentText(), QStringLiteral("V"));
        StoreEntered(dialog);
        QCOMPARE(dialog.transponderSlot(), t);
        QCOMPARE(db_.Transponder(t).polarization(), 1u);
        QCOMPARE(db_.Transponder(t).frequency(), 12188u);
        QCOMPARE(db_.Satellite(satellite_).transponderCount(), 1u);
    }

    void fullTableSaysSoAndAddsNothing() {
        for (int i = 0; i < TRANSPONDER_SLOTS; ++i)
            QVERIFY(AddTransponder(db_, satellite_) >= 0);
        const auto before = db_.workingCopy();
        TransponderDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Transponder"), db_, satellite_);
        dialog.frequencyEdit()->setText(QStringLiteral("11747"));
        QCOMPARE(StoreEntered(dialog),
                 -1); // the page says "Transponder is Full!"
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.transponderSlot(), -1);
        QVERIFY(db_.workingCopy() == before);
    }

private:
    // OK, then what the page's command stores from the dialog.
    int StoreEntered(TransponderDialog& dialog) {
        dialog.Store();
        return SatellitePageCommands::StoreEntered(db_, dialog);
    }

    int satellite_ = -1;
};

QTEST_MAIN(TransponderDialogTest)
#include "tst_transponderdialog.moc"
