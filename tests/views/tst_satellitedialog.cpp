// The satellite dialog: defaults, the position arithmetic and its clamp, typed combo
// texts, the name field's width, and a full table.
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/SatellitePageCommands.h"

#include "DialogTestFixture.h"
#include "controls/MessageBox.h"
#include "model/RecordOperations.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vormante;

class SatelliteDialogTest : public testsupport::DialogTestFixture {
    Q_OBJECT

private Q_SLOTS:
    void addingWithDefaultsStoresNewSatAtZeroTypeOne() {
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Satellite"));
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("New Sat"));
        QCOMPARE(dialog.eastWestCombo()->currentText(), QStringLiteral("E"));
        QCOMPARE(dialog.lnbTypeCombo()->currentText(), QStringLiteral("Type 1"));
        StoreEntered(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.slot(), 0);
        const ConstSatelliteRecord record = db_.Satellite(0);
        QVERIFY(record.isUsed());
        QCOMPARE(record.name(), std::string("New Sat"));
        QCOMPARE(record.position(), 0);
        QCOMPARE(record.lnbType(), 0u);
    }

    void positionArithmetic_data() {
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<QString>("eastWest");
        QTest::addColumn<int>("stored");
        struct Row {
            const char *name, *degrees, *tenths, *eastWest;
            int stored;
        };
        const Row rows[] = {{"19.2E", "19", "2", "E", 192},
                            {"19.2W", "19", "2", "W", -192},
                            {"180.0W", "180", "0", "W", -1800},
                            {"-5 East is west", "-5", "0", "E", -50},
                            {"-5 West is east", "-5", "0", "W", 50},
                            {"letters read 0", "ab", "", "E", 0},
                            {"leading blanks and sign", " +7", "1x", "E", 71},
                            {"typed east/west means west", "10", "0", "East", -100}};
        for (const Row& row : rows)
            QTest::newRow(row.name) << row.degrees << row.tenths << row.eastWest << row.stored;
    }
    void positionArithmetic() {
        QFETCH(QString, degrees);
        QFETCH(QString, tenths);
        QFETCH(QString, eastWest);
        QFETCH(int, stored);
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        dialog.degreesEdit()->setText(degrees);
        dialog.tenthsEdit()->setText(tenths);
        dialog.eastWestCombo()->setEditText(eastWest);
        StoreEntered(dialog);
        QCOMPARE(db_.Satellite(dialog.slot()).position(), stored);
    }

    void positionsTheFieldCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<QString>("message");
        const QString position = "The position takes 0.0 to 180.0 degrees.";
        const QString tenths = "The tenths of the position takes a number from 0 to 9.";
        QTest::newRow("200.0") << "200"
                               << "0" << position;
        QTest::newRow("180.1") << "180"
                               << "1" << position;
        QTest::newRow("999") << "999"
                             << "0" << position;
        QTest::newRow("tenths 25") << "19"
                                   << "25" << tenths;
        QTest::newRow("tenths -1") << "19"
                                   << "-1" << tenths;
    }
    void positionsTheFieldCannotHoldAreRefused() {
        QFETCH(QString, degrees);
        QFETCH(QString, tenths);
        QFETCH(QString, message);
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        dialog.degreesEdit()->setText(degrees);
        dialog.tenthsEdit()->setText(tenths);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        dialog.Store();
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // stays open
        QCOMPARE(MessageBox::prompts().size(), 1);
        QCOMPARE(MessageBox::prompts().first().text, message);
        dialog.degreesEdit()->setText("19");
        dialog.tenthsEdit()->setText("2");
        dialog.Store();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void editsLimitTheirLength() {
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        QCOMPARE(dialog.nameEdit()->maxLength(), 15);
        QCOMPARE(dialog.degreesEdit()->maxLength(), 3);
        QCOMPARE(dialog.tenthsEdit()->maxLength(), 3);
        QTest::keyClicks(dialog.degreesEdit(), QStringLiteral("12345"));
        QCOMPARE(dialog.degreesEdit()->text(), QStringLiteral("012")); // "0" was there
    }

    void typedLnbTypeStoresTypeEight() {
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        dialog.lnbTypeCombo()->setEditText(QStringLiteral("whatever"));
        StoreEntered(dialog);
        QCOMPARE(db_.Satellite(dialog.slot()).lnbType(), 7u);

        SatelliteDialog second;
        second.PrepareNew(QStringLiteral("Add Satellite"), db_);
        second.lnbTypeCombo()->setCurrentIndex(4);
        StoreEntered(second);
        QCOMPARE(db_.Satellite(second.slot()).lnbType(), 4u);
    }

    void editingOpensWithTheRecordAndStoresItBack() {
        const int s = AllocateSatellite(db_);
        db_.Satellite(s).setName("Zero");
        db_.Satellite(s).setPosition(0);
        db_.Satellite(s).setLnbType(3);
        SatelliteDialog dialog;
        dialog.PrepareEdit(QStringLiteral("Edit Satellite"), db_, s);
        QCOMPARE(dialog.eastWestCombo()->currentText(), QStringLiteral("W"));
        QCOMPARE(dialog.lnbTypeCombo()->currentText(), QStringLiteral("Type 4"));
        const auto before = db_.workingCopy();
        StoreEntered(dialog);
        QVERIFY(db_.workingCopy() == before);

        db_.Satellite(s).setPosition(-1);
        SatelliteDialog west;
        west.PrepareEdit(QStringLiteral("Edit Satellite"), db_, s);
        QCOMPARE(west.degreesEdit()->text(), QStringLiteral("0"));
        QCOMPARE(west.tenthsEdit()->text(), QStringLiteral("1"));
        QCOMPARE(west.eastWestCombo()->currentText(), QStringLiteral("W"));
        QCOMPARE(west.nameEdit()->text(), QStringLiteral("Zero"));
    }

    void nameFillsFifteenBytesAndKeepsTheSixteenth() {
        const int s = AllocateSatellite(db_);
        db_.Satellite(s).data()[16 + 15] = 0x77;
        SatelliteDialog dialog;
        dialog.PrepareEdit(QStringLiteral("Edit Satellite"), db_, s);
        dialog.nameEdit()->setText(QStringLiteral("ABCDEFGHIJKLMNO"));
        StoreEntered(dialog);
        const std::uint8_t* name = db_.Satellite(s).data() + 16;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(name), 15), QByteArray("ABCDEFGHIJKLMNO"));
        QCOMPARE(name[15], std::uint8_t(0x77));

        dialog.nameEdit()->setText(QStringLiteral("Ab"));
        StoreEntered(dialog);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(name), 15),
                 QByteArray("Ab\0\0\0\0\0\0\0\0\0\0\0\0\0", 15));
    }

    void nameTheImageCannotHoldIsRefused() {
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        dialog.nameEdit()->setText(QStringLiteral("\u0410stra 4.8E"));
        MessageBox::QueueAnswer(QMessageBox::Ok);
        dialog.Store();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(MessageBox::prompts().value(0).text.startsWith(
            "Satellite Name cannot hold the characters \u0410:"));
    }

    void cancelWritesNothing() {
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        const auto before = db_.workingCopy();
        dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(db_.workingCopy() == before);
    }

    void fullTableSaysSoAndWritesNothing() {
        for (int i = 0; i < SATELLITE_SLOTS; ++i)
            QVERIFY(AllocateSatellite(db_) == i);
        const auto before = db_.workingCopy();
        SatelliteDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Satellite"), db_);
        QCOMPARE(StoreEntered(dialog),
                 SatelliteDialog::TABLE_FULL); // the page says "Satellite is full!"
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.slot(), SatelliteDialog::TABLE_FULL);
        QVERIFY(db_.workingCopy() == before);
    }

private:
    // OK, then what the page's command stores from the dialog.
    int StoreEntered(SatelliteDialog& dialog) {
        dialog.Store();
        return SatellitePageCommands::StoreEntered(db_, dialog);
    }
};

QTEST_MAIN(SatelliteDialogTest)
#include "tst_satellitedialog.moc"
