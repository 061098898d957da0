// Satellites and transponders: allocation order, chains, deletion cascades.
#include "ModelFixture.h"
#include "model/RecordOperations.h"

#include <QtTest>

using namespace vormante;
using namespace modeltest;
using testsupport::EmptyImage;
using testsupport::LoadInto;

class TestSatelliteOperations : public ModelFixture {
    Q_OBJECT

private Q_SLOTS:
    void allocationTakesTheLowestFreeSlotAndKeepsTheCount() {
        QVERIFY(loadEmpty());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(AllocateSatellite(db_), i);
        QCOMPARE(db_.Settings().satelliteCount(), 6u);
        DeleteSatellite(db_, 3);
        QCOMPARE(db_.Settings().satelliteCount(), 5u);
        QVERIFY(!db_.Satellite(3).isUsed());
        QCOMPARE(AllocateSatellite(db_), 3);
        QCOMPARE(db_.Settings().satelliteCount(), 6u);

        const ConstSatelliteRecord sat = db_.Satellite(3);
        QCOMPARE(sat.state(), SatelliteRecord::STATE_IN_USE);
        QCOMPARE(sat.firstChannel(), NO_LINK);
        QCOMPARE(sat.lastTransponder(), NO_LINK);
        QCOMPARE(sat.defaultTvChannel(), 0xFFFFu);
        QCOMPARE(sat.defaultRadioChannel(), 0xFFFFu);
        QCOMPARE(sat.slotMark(), 90u);
        QCOMPARE(sat.channelCount(), 0u);
        QCOMPARE(sat.transponderCount(), 0u);
    }

    void allocationKeepsUnownedBitsAndReportsAFullTable() {
        ChannelDatabase db;
        auto bytes = EmptyImage();
        // Bits 24-29 of word 0 and the name's later bytes are not the allocation's to touch.
        bytes[layout::SatelliteOffset(0) + 3] = 0x3F;
        bytes[layout::SatelliteOffset(0) + 20] = 'x';
        QVERIFY(LoadInto(db, bytes));
        QCOMPARE(AllocateSatellite(db), 0);
        QCOMPARE(db.workingCopy()[layout::SatelliteOffset(0) + 3], std::uint8_t(0xFF)); // state 3 over 0x3F
        QCOMPARE(db.workingCopy()[layout::SatelliteOffset(0) + 20], std::uint8_t('x'));
        QCOMPARE(db.Satellite(0).name(), std::string());

        for (int i = 1; i < SATELLITE_SLOTS; ++i)
            QCOMPARE(AllocateSatellite(db), i);
        const DatabaseImage before = db.workingCopy();
        QCOMPARE(AllocateSatellite(db), SATELLITES_FULL);
        QVERIFY(db.workingCopy() == before);
    }

    void ordinalsCountUsedSlotsInSlotOrder() {
        QVERIFY(loadEmpty());
        for (int i = 0; i < 5; ++i)
            AllocateSatellite(db_);
        DeleteSatellite(db_, 0);
        DeleteSatellite(db_, 2);
        // Used: 1, 3, 4. A state of 1 counts as used as well as 3.
        db_.Satellite(3).setState(SatelliteRecord::STATE_HAS_CHANNELS);
        QCOMPARE(SatelliteSlotByOrdinal(db_, 1), 1);
        QCOMPARE(SatelliteSlotByOrdinal(db_, 2), 3);
        QCOMPARE(SatelliteSlotByOrdinal(db_, 3), 4);
        QCOMPARE(SatelliteSlotByOrdinal(db_, 4), NO_SATELLITE);
        QCOMPARE(SatelliteSlotByOrdinal(db_, 0), NO_SATELLITE);
        QCOMPARE(SatelliteSlotByOrdinal(db_, 256 + 2), 3); // only the low 8 bits count
        QCOMPARE(SatelliteOrdinalOfSlot(db_, 1), 0);
        QCOMPARE(SatelliteOrdinalOfSlot(db_, 4), 2);
        QCOMPARE(SatelliteOrdinalOfSlot(db_, 2), -1);
        QCOMPARE(SatelliteOrdinalOfSlot(db_, 100), -1);
        QCOMPARE(SatelliteOrdinalOfSlot(db_, -1), -1);
    }

    void transpondersAppendPerSatelliteAndNumberWithinIt() {
        QVERIFY(loadEmpty());
        const int a = AllocateSatellite(db_);
        const int b = AllocateSatellite(db_);
        const int t0 = AddTransponder(db_, a);
        QCOMPARE(t0, 0);
        QCOMPARE(db_.Transponder(t0).prevTransponder(), NO_LINK);
        QCOMPARE(db_.Transponder(t0).nextTransponder(), NO_LINK);
        QCOMPARE(db_.Transponder(t0).number(), 1u);
        QCOMPARE(db_.Satellite(a).firstTransponder(), t0);
        QCOMPARE(db_.Satellite(a).lastTransponder(), t0);
        QCOMPARE(int(db_.TransponderMark(t0)), 0x80);
        QCOMPARE(db_.Transponder(t0).spareWord(), 0xFFFFFFFFu);

        // Alternating: each satellite gets its own chain numbered 1, 2, 3.
        const int t1 = AddTransponder(db_, b);
        const int t2 = AddTransponder(db_, a);
        const int t3 = AddTransponder(db_, b);
        const int t4 = AddTransponder(db_, a);
        QCOMPARE(TransponderChain(db_, a), (std::vector<int>{t0, t2, t4}));
        QCOMPARE(TransponderChain(db_, b), (std::vector<int>{t1, t3}));
        QCOMPARE(db_.Transponder(t4).number(), 3u);
        QCOMPARE(db_.Transponder(t3).number(), 2u);
        QCOMPARE(db_.Transponder(t3).satellite(), unsigned(b));
        QCOMPARE(db_.Transponder(t4).prevTransponder(), t2);
        QCOMPARE(db_.Satellite(a).transponderCount(), 3u);

        QCOMPARE(TransponderByOrdinal(db_, a, 0), t0);
        QCOMPARE(TransponderByOrdinal(db_, a, 2), t4);
        QCOMPARE(TransponderByOrdinal(db_, a, 3), -1);
        QCOMPARE(TransponderByOrdinal(db_, a, -1), -1);
        QCOMPARE(TransponderOrdinal(db_, a, t2), 1);
        QCOMPARE(TransponderOrdinal(db_, a, t1), 3); // not on the chain: the chain's length
        const int empty = AllocateSatellite(db_);
        QCOMPARE(TransponderOrdinal(db_, empty, t1), -1);
        QCOMPARE(TransponderByOrdinal(db_, empty, 0), -1);
    }

    void fullTransponderTableChangesNothing() {
        QVERIFY(loadEmpty());
        const int s = AllocateSatellite(db_);
        for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
            db_.Transponder(t).setInUse(t % 2 ? 1 : 2); // either bit alone counts as used
        const DatabaseImage before = db_.workingCopy();
        QCOMPARE(AddTransponder(db_, s), -1);
        QVERIFY(db_.workingCopy() == before);
        db_.Transponder(1234).setInUse(0);
        QCOMPARE(AddTransponder(db_, s), 1234);
    }

    void deletingTranspondersAtHeadMiddleAndTail() {
        QVERIFY(loadEmpty(4));
        QCOMPARE(TransponderChain(db_, sat_), (std::vector<int>{0, 1, 2, 3}));

        QVERIFY(DeleteTransponder(db_, 1)); // middle
        QCOMPARE(TransponderChain(db_, sat_), (std::vector<int>{0, 2, 3}));
        QCOMPARE(db_.Transponder(2).prevTransponder(), 0);
        QVERIFY(!db_.Transponder(1).isUsed());
        QCOMPARE(db_.Satellite(sat_).transponderCount(), 3u);

        QVERIFY(DeleteTransponder(db_, 0)); // head
        QCOMPARE(db_.Satellite(sat_).firstTransponder(), 2);
        QCOMPARE(db_.Transponder(2).prevTransponder(), NO_LINK);

        QVERIFY(DeleteTransponder(db_, 3)); // tail
        QCOMPARE(db_.Satellite(sat_).lastTransponder(), 2);
        QCOMPARE(db_.Transponder(2).nextTransponder(), NO_LINK);
        QCOMPARE(db_.Satellite(sat_).transponderCount(), 1u);

        // A released slot keeps its owner and is not on the chain: deleting it again does nothing.
        const DatabaseImage before = db_.workingCopy();
        QVERIFY(!DeleteTransponder(db_, 3));
        QVERIFY(!DeleteTransponder(db_, -1));
        QVERIFY(!DeleteTransponder(db_, 2000));
        QVERIFY(db_.workingCopy() == before);

        // Reallocation reuses the lowest released slot.
        QCOMPARE(AddTransponder(db_, sat_), 0);
    }

    void deletingATransponderDeletesItsChannelsWhateverHasChannelsSays() {
        QVERIFY(loadEmpty(2));
        const int other = AddSatelliteWithTransponders(db_, 1);
        const auto [a1, b1, a2, b2] =
            StoreChannels(db_, {{0, "A1", true}, {1, "B1", true}, {0, "A2", false}, {1, "B2", true}});
        QVERIFY(!db_.Transponder(0).hasChannels()); // as the editor leaves it

        QVERIFY(DeleteTransponder(db_, 0));
        RenumberChannels(db_, sat_);
        QCOMPARE(ChannelChain(db_, sat_), (std::vector<int>{b1, b2}));
        QCOMPARE(db_.Satellite(sat_).channelCount(), 2u);
        QCOMPARE(db_.Channel(a1).state(), 0u);
        QCOMPARE(db_.Channel(a2).state(), 0u);
        QCOMPARE(db_.Channel(a1).transponder(), std::uint16_t(0xFFFF));
        QCOMPARE(db_.Channel(b2).channelNumber(), 2u);

        // The released transponder goes to another satellite without carrying channels along.
        QCOMPARE(AddTransponder(db_, other), 0);
        QCOMPARE(CountChannelsOnTransponder(db_, 0, true), 0);
        QCOMPARE(CountChannelsOnTransponder(db_, 0, false), 0);
    }

    void deletingTheLastTransponderClearsTheSatellitesChannels() {
        QVERIFY(loadEmpty(1));
        for (int i = 0; i < 5; ++i)
            StoreChannel(db_, 0, "C", i % 2 == 0);
        db_.Transponder(0).setHasChannels(true);
        QCOMPARE(db_.Satellite(sat_).state(), SatelliteRecord::STATE_HAS_CHANNELS);
        QVERIFY(DeleteTransponder(db_, 0));
        const ConstSatelliteRecord sat = db_.Satellite(sat_);
        QCOMPARE(sat.state(), SatelliteRecord::STATE_IN_USE);
        QCOMPARE(sat.channelCount(), 0u);
        QCOMPARE(sat.transponderCount(), 0u);
        QCOMPARE(sat.firstChannel(), NO_LINK);
        QCOMPARE(sat.lastChannel(), NO_LINK);
        QCOMPARE(sat.defaultTvChannel(), 0xFFFFu);
        QVERIFY(!sat.channelFlag());
        QVERIFY(!db_.Transponder(0).hasChannels());
        QCOMPARE(FindFreeChannelSlot(db_), 0);
        // With an empty chain a delete does nothing.
        QVERIFY(!DeleteTransponder(db_, 0));
    }

    void deletingASatelliteReleasesEverythingItOwns() {
        QVERIFY(loadEmpty());
        const int keep = AddSatelliteWithTransponders(db_, 2);
        const int s = AddSatelliteWithTransponders(db_, 5);
        StoreChannel(db_, 0, "Keep", true);
        for (int i = 0; i < 40; ++i)
            StoreChannel(db_, TransponderByOrdinal(db_, s, i % 5), "Gone", i % 3 != 0);
        QCOMPARE(db_.Satellite(s).channelCount(), 40u);
        const auto transponders = TransponderChain(db_, s);
        const auto channels = ChannelChain(db_, s);
        db_.Transponder(transponders[2]).setFrequency(11111);

        DeleteSatellite(db_, s);
        QCOMPARE(db_.Settings().satelliteCount(), 1u);
        for (int t : transponders) {
            const ConstTransponderRecord tr = db_.Transponder(t);
            QVERIFY(!tr.isUsed());
            QCOMPARE(tr.prevTransponder(), NO_LINK);
            QCOMPARE(tr.nextTransponder(), NO_LINK);
            QCOMPARE(tr.satellite(), unsigned(s)); // released slots keep their data
        }
        QCOMPARE(db_.Transponder(transponders[2]).frequency(), 11111u);
        for (int c : channels) {
            QCOMPARE(db_.Channel(c).state(), 0u);
            QCOMPARE(db_.Channel(c).nextChannel(), NO_LINK);
        }
        const ConstSatelliteRecord sat = db_.Satellite(s);
        QVERIFY(!sat.isUsed());
        QCOMPARE(sat.firstTransponder(), NO_LINK);
        QCOMPARE(sat.lastChannel(), NO_LINK);
        QCOMPARE(sat.channelCount(), 0u);
        QCOMPARE(ChannelChain(db_, keep).size(), std::size_t(1));
        QCOMPARE(TransponderChain(db_, keep).size(), std::size_t(2));

        // Deleting a free slot again must not count satelliteCount down twice.
        DeleteSatellite(db_, s);
        DeleteSatellite(db_, 100);
        DeleteSatellite(db_, -1);
        QCOMPARE(db_.Settings().satelliteCount(), 1u);
    }

    void clearingChannelsKeepsTranspondersAndMarksThemInUse() {
        QVERIFY(loadEmpty(3));
        StoreChannel(db_, 1, "A", true);
        StoreChannel(db_, 2, "B", false);
        db_.Transponder(1).setInUse(1);
        ClearSatelliteChannels(db_, sat_);
        QCOMPARE(db_.Transponder(1).inUse(), 3u);
        QCOMPARE(TransponderChain(db_, sat_), (std::vector<int>{0, 1, 2}));
        QCOMPARE(db_.Satellite(sat_).transponderCount(), 3u);
        QCOMPARE(db_.Satellite(sat_).channelCount(), 0u);
        QCOMPARE(db_.Satellite(sat_).state(), SatelliteRecord::STATE_IN_USE);
        QCOMPARE(db_.Channel(0).state(), 0u);
        QCOMPARE(db_.Channel(1).state(), 0u);
    }
};

QTEST_GUILESS_MAIN(TestSatelliteOperations)
#include "tst_satelliteoperations.moc"
