// The rules the edit dialogs and the settings lists store with, as model
// operations: PIDs of 0 become no PID, the video PID decides TV or radio, the
// satellite is renumbered and made current, adding refuses a transponder of another
// satellite and a full table, LNB and settings fields without a value keep theirs.
#include "model/EditOperations.h"

#include "TestSupport.h"
#include "model/ConsistencyCheck.h"
#include "model/RecordOperations.h"
#include "model/SystemSettings.h"

#include <QtTest>

using namespace vormante;

class EditOperationsTest : public QObject {
    Q_OBJECT

    ChannelDatabase db_;
    int satellite_ = -1, other_ = -1, transponder_ = -1, otherTransponder_ = -1;

private Q_SLOTS:
    void init() {
        QVERIFY(testsupport::LoadInto(db_, testsupport::EmptyImage()));
        satellite_ = AddSatelliteWith(db_, {"Astra", 192, 2});
        other_ = AddSatelliteWith(db_, {"Hotbird", 130, 0});
        transponder_ = AddTransponderWith(db_, satellite_, {11747, 27500, 1});
        otherTransponder_ = AddTransponderWith(db_, other_, {10971, 29700, 0});
        db_.Settings().setCurrentSatellite(0xFF);
    }

    void satellitesAndTranspondersStoreTheirFields() {
        const ConstSatelliteRecord sat = std::as_const(db_).Satellite(satellite_);
        QCOMPARE(sat.name(), std::string("Astra"));
        QCOMPARE(sat.position(), 192);
        QCOMPARE(sat.lnbType(), 2u);
        QVERIFY(StoreSatellite(db_, satellite_, {"A name longer than fifteen", -50, 9}));
        QCOMPARE(std::as_const(db_).Satellite(satellite_).name(), std::string("A name longer t"));
        QCOMPARE(std::as_const(db_).Satellite(satellite_).lnbType(), 1u); // 3 bits
        QVERIFY(!StoreSatellite(db_, 99, {"Free", 0, 0}));
        const ConstTransponderRecord tp = std::as_const(db_).Transponder(transponder_);
        QCOMPARE(tp.frequency(), 11747u);
        QCOMPARE(tp.symbolRate(), 27500u);
        QVERIFY(tp.isVertical());
        QCOMPARE(AddTransponderWith(db_, 99, {1, 1, 0}), -1); // a free satellite takes none
        QVERIFY(CheckConsistency(db_).empty());
    }

    void channelsFollowTheDialogRules() {
        ChannelValues values;
        values.name = "Das Erste HD"; // 12 bytes: 11 are stored
        values.videoPid = 5101;
        values.audioPid = 0;
        values.pcrPid = 5101;
        values.teletextPid = 0;
        values.fav = {true, false, true, false};
        values.locked = true;
        const int tv = AddChannelWith(db_, transponder_, satellite_, values);
        QVERIFY(IsChannelSlot(tv));
        const ConstChannelRecord record = std::as_const(db_).Channel(tv);
        QCOMPARE(record.name(), std::string("Das Erste H"));
        QCOMPARE(record.serviceType(), ChannelRecord::SERVICE_TV);
        QCOMPARE(record.audioPid(), NULL_PID);
        QCOMPARE(record.teletextPid(), NULL_PID);
        QVERIFY(record.fav1() && !record.fav2() && record.fav3() && record.locked());
        QCOMPARE(record.channelNumber(), 1u);
        QCOMPARE(int(record.transponder()), transponder_);
        QCOMPARE(std::as_const(db_).Settings().currentSatellite(), unsigned(satellite_));
        QVERIFY(std::as_const(db_).Satellite(satellite_).channelFlag());

        // Without a video PID it is a radio channel, numbered among the radio channels.
        values.videoPid = 0;
        const int radio = AddChannelWith(db_, transponder_, satellite_, values);
        QCOMPARE(std::as_const(db_).Channel(radio).serviceType(), ChannelRecord::SERVICE_RADIO);
        QCOMPARE(std::as_const(db_).Channel(radio).videoPid(), NULL_PID);
        QCOMPARE(std::as_const(db_).Channel(radio).channelNumber(), 1u);
        // Editing turns the TV channel into a radio channel the same way.
        QVERIFY(StoreChannel(db_, tv, transponder_, satellite_, values));
        QCOMPARE(std::as_const(db_).Channel(tv).serviceType(), ChannelRecord::SERVICE_RADIO);
        QCOMPARE(ChannelValuesOf(db_, tv).name, std::string("Das Erste H"));
        QVERIFY(CheckConsistency(db_).empty());
    }

    void addingRefusesAPlaceThatIsNotTheSatellites() {
        const std::vector<std::uint8_t> before(db_.workingCopy().begin(), db_.workingCopy().end());
        QCOMPARE(AddChannelWith(db_, otherTransponder_, satellite_, {}), -1);
        QCOMPARE(AddChannelWith(db_, transponder_, 99, {}), -1);
        QCOMPARE(AddChannelWith(db_, -1, satellite_, {}), -1);
        QVERIFY(std::equal(before.begin(), before.end(), db_.workingCopy().begin()));
        QVERIFY(!StoreChannel(db_, CHANNEL_SLOTS, transponder_, satellite_, {}));
    }

    void aFullChannelTableChangesNothing() {
        int added = 0;
        while (AddChannelWith(db_, transponder_, satellite_, {}) >= 0)
            ++added;
        QCOMPARE(added, CHANNEL_SLOTS);
        const std::vector<std::uint8_t> before(db_.workingCopy().begin(), db_.workingCopy().end());
        QCOMPARE(AddChannelWith(db_, transponder_, satellite_, {}), -1);
        QVERIFY(std::equal(before.begin(), before.end(), db_.workingCopy().begin()));
    }

    void lnbFieldsWithoutAValueKeepTheirs() {
        LnbSlot slot = db_.Settings().lnbSlot(5);
        slot.setTone22k(3); // no list entry shows it
        slot.setSwitch12V(2);
        slot.setLowBandIndex(4);
        LnbValues values;
        values.highBandIndex = 1;
        values.polarityControl = 2;
        values.diseqcItem = 5; // "Port A"
        QVERIFY(StoreLnb(db_, 5, values));
        const ConstLnbSlot stored = std::as_const(db_).Settings().lnbSlot(5);
        QCOMPARE(stored.tone22k(), 3u);
        QCOMPARE(stored.switch12V(), 2u);
        QCOMPARE(stored.lowBandIndex(), 4u);
        QCOMPARE(stored.highBandIndex(), 1u);
        QCOMPARE(stored.polarityControl(), 2u);
        QVERIFY(stored.diseqcOn());
        QCOMPARE(stored.diseqcPort(), 4u);

        // Types 1..4 store explicit frequencies and never their control modes.
        values = {};
        values.lowKHz = 9750000;
        values.polarityControl = 3;
        QVERIFY(StoreLnb(db_, 1, values));
        QCOMPARE(std::as_const(db_).Settings().lnbLowFrequency(1), 9750000u);
        QCOMPARE(std::as_const(db_).Settings().lnbSlot(1).polarityControl(), 0u);
        QVERIFY(!StoreLnb(db_, 8, values));
    }

    void settingsListsStoreTheirOwnFieldOnly() {
        const std::vector<std::uint8_t> before(db_.workingCopy().begin(), db_.workingCopy().end());
        QVERIFY(!StoreSettingPosition(db_, SettingField::TimeZone, -1));
        QVERIFY(std::equal(before.begin(), before.end(), db_.workingCopy().begin()));
        QVERIFY(StoreSettingPosition(db_, SettingField::DelayTime, 0)); // "ALWAYS" is stored as 1
        QCOMPARE(std::as_const(db_).Settings().delayTime(), 1u);
        QCOMPARE(SettingPosition(db_, SettingField::DelayTime, 7), 0);
        QVERIFY(StoreSettingPosition(db_, SettingField::TimeZone, 30));
        QCOMPARE(SettingPosition(db_, SettingField::TimeZone, 54), 30);
        QCOMPARE(SettingPosition(db_, SettingField::TimeZone, 20), -1); // no entry shows it
        int differing = 0;
        for (std::size_t i = 0; i < IMAGE_SIZE; ++i)
            differing += before[i] != db_.workingCopy()[i];
        QVERIFY(differing <= 2); // the delay-time and time-zone bits only
    }
};

QTEST_GUILESS_MAIN(EditOperationsTest)
#include "tst_editoperations.moc"
