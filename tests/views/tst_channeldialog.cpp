// The channel dialog: defaults, the PID range and NULL_PID rule, TV/radio
// classification, the name field, choosing satellite and transponder, refusing OK
// without a transponder, editing, and a full channel table.
#include "views/channels/ChannelCommands.h"
#include "views/channels/ChannelDialog.h"

#include "DialogTestFixture.h"
#include "controls/MessageBox.h"
#include "model/RecordOperations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vormante;

class ChannelDialogTest : public testsupport::DialogTestFixture {
    Q_OBJECT

private Q_SLOTS:
    // Used satellites 0, 2 and 5; slot 5 has two transponders, slot 2 none.
    void init() {
        DialogTestFixture::init();
        for (int i = 0; i < 6; ++i)
            QCOMPARE(AllocateSatellite(db_), i);
        for (int s : {1, 3, 4})
            DeleteSatellite(db_, s);
        db_.Satellite(0).setName("Zero");
        db_.Satellite(2).setName("Two");
        db_.Satellite(5).setName("Five");
        t0_ = AddTransponder(db_, 0);
        t5a_ = AddTransponder(db_, 5);
        t5b_ = AddTransponder(db_, 5);
        db_.Transponder(t5b_).setFrequency(11747);
        db_.Transponder(t5b_).setSymbolRate(27500);
        db_.Transponder(t5b_).setPolarization(1);
        db_.Settings().setCurrentSatellite(0xFF);
    }

    void addingWithDefaultsMakesARadioChannelWithoutPids() {
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t5b_, 5, false);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Channel"));
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("New Prog"));
        QCOMPARE(dialog.videoPidEdit()->text(), QStringLiteral("0"));
        QVERIFY(!dialog.satelliteCombo()->isEnabled());
        QVERIFY(!dialog.transponderCombo()->isEnabled());
        QCOMPARE(dialog.satelliteCombo()->currentText(), QStringLiteral("Five"));
        QCOMPARE(dialog.transponderCombo()->currentText(), QStringLiteral("11747 27500 V"));
        dialog.okButton()->click();
        ChannelCommands::StoreEntered(db_, dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isTv());
        const ConstChannelRecord record = db_.Channel(dialog.channelSlot());
        QCOMPARE(record.name(), std::string("New Prog"));
        for (unsigned pid : {record.videoPid(), record.audioPid(), record.pcrPid(), record.teletextPid()})
            QCOMPARE(pid, NULL_PID);
        QCOMPARE(record.serviceType(), ChannelRecord::SERVICE_RADIO);
        QCOMPARE(record.channelNumber(), 1u);
        QCOMPARE(int(record.transponder()), t5b_);
        QCOMPARE(record.spareShort(), std::uint16_t(0));
        QCOMPARE(record.extraPid(), 0u);
        QCOMPARE(db_.Settings().currentSatellite(), 5u);
        QVERIFY(db_.Satellite(5).channelFlag());
        QCOMPARE(db_.Satellite(5).firstChannel(), dialog.channelSlot());
    }

    void pidRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("stored");
        QTest::newRow("512") << "512" << 512u;
        QTest::newRow("8191 is the null pid") << "8191" << 8191u;
        QTest::newRow("zero is no pid") << "0" << 8191u;
        QTest::newRow("letters are no pid") << "pid" << 8191u;
        QTest::newRow("leading number") << "17x" << 17u;
    }
    void pidRules() {
        QFETCH(QString, text);
        QFETCH(unsigned, stored);
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, false);
        dialog.videoPidEdit()->setText(text);
        dialog.audioPidEdit()->setText(text);
        dialog.pcrPidEdit()->setText(text);
        dialog.teletextPidEdit()->setText(text);
        QVERIFY(dialog.Store());
        ChannelCommands::StoreEntered(db_, dialog);
        const ConstChannelRecord record = db_.Channel(dialog.channelSlot());
        QCOMPARE(record.videoPid(), stored);
        QCOMPARE(record.audioPid(), stored);
        QCOMPARE(record.pcrPid(), stored);
        QCOMPARE(record.teletextPid(), stored);
        const bool tv = stored != NULL_PID;
        QCOMPARE(dialog.isTv(), tv);
        QCOMPARE(record.serviceType(), tv ? ChannelRecord::SERVICE_TV : ChannelRecord::SERVICE_RADIO);
    }

    void pidsOutsideTheirRangeAreRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("9999") << "9999";
        QTest::newRow("8192") << "8192";
        QTest::newRow("minus one") << "-1";
    }
    void pidsOutsideTheirRangeAreRefused() {
        QFETCH(QString, text);
        const std::pair<const char*, QLineEdit* (ChannelDialog::*)() const> boxes[] = {
            {"Video PID", &ChannelDialog::videoPidEdit},
            {"Audio PID", &ChannelDialog::audioPidEdit},
            {"PCR PID", &ChannelDialog::pcrPidEdit},
            {"TTxt PID", &ChannelDialog::teletextPidEdit}};
        ChannelDialog adder;
        adder.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, false);
        adder.videoPidEdit()->setText(QStringLiteral("512"));
        QVERIFY(adder.Store());
        const int tv = ChannelCommands::StoreEntered(db_, adder);
        QCOMPARE(db_.Channel(tv).serviceType(), ChannelRecord::SERVICE_TV);
        for (const auto& [name, box] : boxes) {
            MessageBox::ResetTestState();
            ChannelDialog dialog;
            dialog.PrepareEdit(QStringLiteral("Edit Channel"), db_, t0_, 0, tv, false);
            (dialog.*box)()->setText(text);
            MessageBox::QueueAnswer(QMessageBox::Ok);
            QVERIFY(!dialog.Store());
            QCOMPARE(dialog.result(), int(QDialog::Rejected)); // not accepted: the dialog stays open
            QCOMPARE(MessageBox::prompts().size(), 1);
            QCOMPARE(MessageBox::prompts().first().text,
                     QString("%1 takes a number from 0 to 8191.").arg(name));
            // Corrected, the same dialog stores.
            (dialog.*box)()->setText(QStringLiteral("100"));
            QVERIFY(dialog.Store());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
    }

    void pidEditsTakeFourCharacters() {
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, false);
        dialog.videoPidEdit()->clear();
        QTest::keyClicks(dialog.videoPidEdit(), QStringLiteral("123456"));
        QCOMPARE(dialog.videoPidEdit()->text(), QStringLiteral("1234"));
        QCOMPARE(dialog.nameEdit()->maxLength(), 11);
    }

    void nameFillsElevenBytes() {
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, false);
        dialog.nameEdit()->setText(QStringLiteral("ABCDEFGHIJK"));
        QVERIFY(dialog.Store());
        ChannelCommands::StoreEntered(db_, dialog);
        const std::uint8_t* name = db_.Channel(dialog.channelSlot()).data() + 37;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(name), 11), QByteArray("ABCDEFGHIJK"));
        QCOMPARE(db_.Channel(dialog.channelSlot()).name(), std::string("ABCDEFGHIJK"));

        ChannelDialog shorter;
        shorter.PrepareEdit(QStringLiteral("Edit Channel"), db_, t0_, 0, dialog.channelSlot(), false);
        QCOMPARE(shorter.nameEdit()->text(), QStringLiteral("ABCDEFGHIJK"));
        shorter.nameEdit()->setText(QStringLiteral("ARD"));
        QVERIFY(shorter.Store());
        ChannelCommands::StoreEntered(db_, shorter);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(name), 11), QByteArray("ARD\0\0\0\0\0\0\0\0", 11));
    }

    // A name the image cannot hold is refused at OK, naming each character once, and
    // left as typed to be corrected (it used to be stored with "?" in their place).
    void namesTheImageCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("named");
        QTest::newRow("euro") << QStringLiteral("Sky \u20ACuro") << QStringLiteral("\u20AC");
        QTest::newRow("each once") << QStringLiteral("\u0422\u0412 \u2713\u0422 \U0001F600")
                                   << QStringLiteral("\u0422 \u0412 \u2713 \U0001F600");
    }
    void namesTheImageCannotHoldAreRefused() {
        QFETCH(QString, typed);
        QFETCH(QString, named);
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, false);
        dialog.nameEdit()->setText(typed);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!dialog.Store());
        QCOMPARE(MessageBox::prompts().value(0).text,
                 QString("Channel Name cannot hold the characters %1: the receiver stores names in Latin-1, "
                         "which has no such characters.")
                     .arg(named));
        QCOMPARE(dialog.nameEdit()->text(), typed);
    }

    void editingKeepsPlaceAndFlagsAndRenumbers() {
        const int radio = AddNewChannel(t5a_, "", "");
        const int tv = AddNewChannel(t5a_, "R", "");
        QCOMPARE(db_.Channel(tv).serviceType(), ChannelRecord::SERVICE_RADIO);
        ChannelDialog dialog;
        dialog.PrepareEdit(QStringLiteral("Edit Channel"), db_, t5a_, 5, tv, false);
        QVERIFY(!dialog.satelliteCombo()->isEnabled());
        QVERIFY(!dialog.transponderCombo()->isEnabled());
        dialog.videoPidEdit()->setText(QStringLiteral("512"));
        dialog.lockCheck()->setChecked(true);
        dialog.favCheck(3)->setChecked(true);
        dialog.scrambledCheck()->setChecked(true);
        QVERIFY(dialog.Store());
        ChannelCommands::StoreEntered(db_, dialog);
        QVERIFY(dialog.isTv());
        const ConstChannelRecord record = db_.Channel(tv);
        QCOMPARE(record.serviceType(), ChannelRecord::SERVICE_TV);
        QCOMPARE(record.channelNumber(), 1u);
        QCOMPARE(db_.Channel(radio).channelNumber(), 1u);
        QVERIFY(record.locked() && record.fav3() && record.scrambled());
        QVERIFY(!record.fav1() && !record.fav2() && !record.fav4());
        QCOMPARE(int(record.transponder()), t5a_);

        ChannelDialog reopened;
        reopened.PrepareEdit(QStringLiteral("Edit Channel"), db_, t5a_, 5, tv, false);
        QVERIFY(reopened.isTv());
        QVERIFY(reopened.lockCheck()->isChecked() && reopened.favCheck(3)->isChecked());
        QCOMPARE(reopened.videoPidEdit()->text(), QStringLiteral("512"));
    }

    void choosingTheThirdSatelliteListsSlotFive() {
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, true);
        QVERIFY(dialog.satelliteCombo()->isEnabled());
        QCOMPARE(dialog.satelliteCombo()->count(), 3);
        dialog.satelliteCombo()->setCurrentIndex(2);
        Q_EMIT dialog.satelliteCombo()->activated(2);
        QCOMPARE(dialog.satelliteSlot(), 5);
        QCOMPARE(dialog.transponderCombo()->count(), 2);
        QCOMPARE(dialog.transponderSlot(), t5a_);
        dialog.transponderCombo()->setCurrentIndex(1);
        Q_EMIT dialog.transponderCombo()->activated(1);
        QCOMPARE(dialog.transponderSlot(), t5b_);
        QVERIFY(dialog.Store());
        ChannelCommands::StoreEntered(db_, dialog);
        const int c = dialog.channelSlot();
        QCOMPARE(int(db_.Channel(c).transponder()), t5b_);
        QCOMPARE(db_.Satellite(5).lastChannel(), c);
        QCOMPARE(db_.Settings().currentSatellite(), 5u);
    }

    void refusesOkWithoutATransponder() {
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, true);
        dialog.satelliteCombo()->setCurrentIndex(1);
        Q_EMIT dialog.satelliteCombo()->activated(1); // "Two" has no transponder
        QCOMPARE(dialog.transponderCombo()->count(), 0);
        QVERIFY(!dialog.okButton()->isEnabled());
        const auto before = db_.workingCopy();
        QVERIFY(!dialog.Store());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(db_.workingCopy() == before);

        // A transponder of another satellite is refused too.
        ChannelDialog mismatched;
        mismatched.PrepareNew(QStringLiteral("Add Channel"), db_, t5a_, 0, false);
        QVERIFY(!mismatched.Store());
        QVERIFY(db_.workingCopy() == before);
    }

    void fullChannelTableStoresNothing() {
        for (int i = 0; i < CHANNEL_SLOTS; ++i)
            QVERIFY(AddChannel(db_, t0_) >= 0);
        const auto before = db_.workingCopy();
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, false);
        QVERIFY(dialog.Store());
        QCOMPARE(ChannelCommands::StoreEntered(db_, dialog), -1); // the page says "Prog is Full!"
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isTv());
        QVERIFY(db_.workingCopy() == before);
    }

    void cancelAddsNothing() {
        const auto before = db_.workingCopy();
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, t0_, 0, false);
        dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QVERIFY(db_.workingCopy() == before);
    }

private:
    int AddNewChannel(int transponder, const char* video, const char* name) {
        ChannelDialog dialog;
        dialog.PrepareNew(QStringLiteral("Add Channel"), db_, transponder,
                          static_cast<int>(db_.Transponder(transponder).satellite()), false);
        dialog.videoPidEdit()->setText(QLatin1String(video));
        dialog.nameEdit()->setText(QLatin1String(name));
        return dialog.Store() ? ChannelCommands::StoreEntered(db_, dialog) : -1;
    }

    int t0_ = -1, t5a_ = -1, t5b_ = -1;
};

QTEST_MAIN(ChannelDialogTest)
#include "tst_channeldialog.moc"
