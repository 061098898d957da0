// Satellites and transponders: allocation order, chains, deletion cascades.
#include "ModelTestImages.h"
#include "TestSupport.h"
#include "model/RecordOperations.h"

#include <QtTest>

using namespace vormante;
using namespace modeltest;
using testsupport::EmptyImage;
using testsupport::LoadInto;

class TestSatelliteOperations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allocationTakesTheLowestFreeSlotAndKeepsTheCount() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(AllocateSatellite(db), i);
        QCOMPARE(db.Settings().satelliteCount(), 6u);
        DeleteSatellite(db, 3);
        QCOMPARE(db.Settings().satelliteCount(), 5u);
        QVERIFY(!db.Satellite(3).isUsed());
        QCOMPARE(AllocateSatellite(db), 3);
        QCOMPARE(db.Settings().satelliteCount(), 6u);

        const ConstSatelliteRecord sat = db.Satellite(3);
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
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        for (int i = 0; i < 5; ++i)
            AllocateSatellite(db);
        DeleteSatellite(db, 0);
        DeleteSatellite(db, 2);
        // Used: 1, 3, 4. A state of 1 counts as used as well as 3.
        db.Satellite(3).setState(SatelliteRecord::STATE_HAS_CHANNELS);
        QCOMPARE(SatelliteSlotByOrdinal(db, 1), 1);
        QCOMPARE(SatelliteSlotByOrdinal(db, 2), 3);
        QCOMPARE(SatelliteSlotByOrdinal(db, 3), 4);
        QCOMPARE(SatelliteSlotByOrdinal(db, 4), NO_SATELLITE);
        QCOMPARE(SatelliteSlotByOrdinal(db, 0), NO_SATELLITE);
        QCOMPARE(SatelliteSlotByOrdinal(db, 256 + 2), 3); // only the low 8 bits count
        QCOMPARE(SatelliteOrdinalOfSlot(db, 1), 0);
        QCOMPARE(SatelliteOrdinalOfSlot(db, 4), 2);
        QCOMPARE(SatelliteOrdinalOfSlot(db, 2), -1);
        QCOMPARE(SatelliteOrdinalOfSlot(db, 100), -1);
        QCOMPARE(SatelliteOrdinalOfSlot(db, -1), -1);
    }

    void transpondersAppendPerSatelliteAndNumberWithinIt() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int a = AllocateSatellite(db);
        const int b = AllocateSatellite(db);
        const int t0 = AddTransponder(db, a);
        QCOMPARE(t0, 0);
        QCOMPARE(db.Transponder(t0).prevTransponder(), NO_LINK);
        QCOMPARE(db.Transponder(t0).nextTransponder(), NO_LINK);
        QCOMPARE(db.Transponder(t0).number(), 1u);
        QCOMPARE(db.Satellite(a).firstTransponder(), t0);
        QCOMPARE(db.Satellite(a).lastTransponder(), t0);
        QCOMPARE(int(db.TransponderMark(t0)), 0x80);
        QCOMPARE(db.Transponder(t0).spareWord(), 0xFFFFFFFFu);

        // Alternating: each satellite gets its own chain numbered 1, 2, 3.
        const int t1 = AddTransponder(db, b);
        const int t2 = AddTransponder(db, a);
        const int t3 = AddTransponder(db, b);
        const int t4 = AddTransponder(db, a);
        QCOMPARE(TransponderChain(db, a), (std::vector<int>{t0, t2, t4}));
        QCOMPARE(TransponderChain(db, b), (std::vector<int>{t1, t3}));
        QCOMPARE(db.Transponder(t4).number(), 3u);
        QCOMPARE(db.Transponder(t3).number(), 2u);
        QCOMPARE(db.Transponder(t3).satellite(), unsigned(b));
        QCOMPARE(db.Transponder(t4).prevTransponder(), t2);
        QCOMPARE(db.Satellite(a).transponderCount(), 3u);

        QCOMPARE(TransponderByOrdinal(db, a, 0), t0);
        QCOMPARE(TransponderByOrdinal(db, a, 2), t4);
        QCOMPARE(TransponderByOrdinal(db, a, 3), -1);
        QCOMPARE(TransponderByOrdinal(db, a, -1), -1);
        QCOMPARE(TransponderOrdinal(db, a, t2), 1);
        QCOMPARE(TransponderOrdinal(db, a, t1), 3); // not on the chain: the chain's length
        const int empty = AllocateSatellite(db);
        QCOMPARE(TransponderOrdinal(db, empty, t1), -1);
        QCOMPARE(TransponderByOrdinal(db, empty, 0), -1);
    }

    void fullTransponderTableChangesNothing() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AllocateSatellite(db);
        for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
            db.Transponder(t).setInUse(t % 2 ? 1 : 2); // either bit alone counts as used
        const DatabaseImage before = db.workingCopy();
        QCOMPARE(AddTransponder(db, s), -1);
        QVERIFY(db.workingCopy() == before);
        db.Transponder(1234).setInUse(0);
        QCOMPARE(AddTransponder(db, s), 1234);
    }

    void deletingTranspondersAtHeadMiddleAndTail() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 4);
        QCOMPARE(TransponderChain(db, s), (std::vector<int>{0, 1, 2, 3}));

        QVERIFY(DeleteTransponder(db, 1)); // middle
        QCOMPARE(TransponderChain(db, s), (std::vector<int>{0, 2, 3}));
        QCOMPARE(db.Transponder(2).prevTransponder(), 0);
        QVERIFY(!db.Transponder(1).isUsed());
        QCOMPARE(db.Satellite(s).transponderCount(), 3u);

        QVERIFY(DeleteTransponder(db, 0)); // head
        QCOMPARE(db.Satellite(s).firstTransponder(), 2);
        QCOMPARE(db.Transponder(2).prevTransponder(), NO_LINK);

        QVERIFY(DeleteTransponder(db, 3)); // tail
        QCOMPARE(db.Satellite(s).lastTransponder(), 2);
        QCOMPARE(db.Transponder(2).nextTransponder(), NO_LINK);
        QCOMPARE(db.Satellite(s).transponderCount(), 1u);

        // A released slot keeps its owner and is not on the chain: deleting it again does nothing.
        const DatabaseImage before = db.workingCopy();
        QVERIFY(!DeleteTransponder(db, 3));
        QVERIFY(!DeleteTransponder(db, -1));
        QVERIFY(!DeleteTransponder(db, 2000));
        QVERIFY(db.workingCopy() == before);

        // Reallocation reuses the lowest released slot.
        QCOMPARE(AddTransponder(db, s), 0);
    }

    void deletingATransponderDeletesItsChannelsWhateverHasChannelsSays() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 2);
        const int other = AddSatelliteWithTransponders(db, 1);
        const int a1 = StoreChannel(db, 0, "A1", true);
        const int b1 = StoreChannel(db, 1, "B1", true);
        const int a2 = StoreChannel(db, 0, "A2", false);
        const int b2 = StoreChannel(db, 1, "B2", true);
        QVERIFY(!db.Transponder(0).hasChannels()); // as the editor leaves it

        QVERIFY(DeleteTransponder(db, 0));
        RenumberChannels(db, s);
        QCOMPARE(ChannelChain(db, s), (std::vector<int>{b1, b2}));
        QCOMPARE(db.Satellite(s).channelCount(), 2u);
        QCOMPARE(db.Channel(a1).state(), 0u);
        QCOMPARE(db.Channel(a2).state(), 0u);
        QCOMPARE(db.Channel(a1).transponder(), std::uint16_t(0xFFFF));
        QCOMPARE(db.Channel(b2).channelNumber(), 2u);

        // The released transponder goes to another satellite without carrying channels along.
        QCOMPARE(AddTransponder(db, other), 0);
        QCOMPARE(CountChannelsOnTransponder(db, 0, true), 0);
        QCOMPARE(CountChannelsOnTransponder(db, 0, false), 0);
    }

    void deletingTheLastTransponderClearsTheSatellitesChannels() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 1);
        for (int i = 0; i < 5; ++i)
            StoreChannel(db, 0, "C", i % 2 == 0);
        db.Transponder(0).setHasChannels(true);
        QCOMPARE(db.Satellite(s).state(), SatelliteRecord::STATE_HAS_CHANNELS);
        QVERIFY(DeleteTransponder(db, 0));
        const ConstSatelliteRecord sat = db.Satellite(s);
        QCOMPARE(sat.state(), SatelliteRecord::STATE_IN_USE);
        QCOMPARE(sat.channelCount(), 0u);
        QCOMPARE(sat.transponderCount(), 0u);
        QCOMPARE(sat.firstChannel(), NO_LINK);
        QCOMPARE(sat.lastChannel(), NO_LINK);
        QCOMPARE(sat.defaultTvChannel(), 0xFFFFu);
        QVERIFY(!sat.channelFlag());
        QVERIFY(!db.Transponder(0).hasChannels());
        QCOMPARE(FindFreeChannelSlot(db), 0);
        // With an empty chain a delete does nothing.
        QVERIFY(!DeleteTransponder(db, 0));
    }

    void deletingASatelliteReleasesEverythingItOwns() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int keep = AddSatelliteWithTransponders(db, 2);
        const int s = AddSatelliteWithTransponders(db, 5);
        StoreChannel(db, 0, "Keep", true);
        for (int i = 0; i < 40; ++i)
            StoreChannel(db, TransponderByOrdinal(db, s, i % 5), "Gone", i % 3 != 0);
        QCOMPARE(db.Satellite(s).channelCount(), 40u);
        const auto transponders = TransponderChain(db, s);
        const auto channels = ChannelChain(db, s);
        db.Transponder(transponders[2]).setFrequency(11111);

        DeleteSatellite(db, s);
        QCOMPARE(db.Settings().satelliteCount(), 1u);
        for (int t : transponders) {
            const ConstTransponderRecord tr = db.Transponder(t);
            QVERIFY(!tr.isUsed());
            QCOMPARE(tr.prevTransponder(), NO_LINK);
            QCOMPARE(tr.nextTransponder(), NO_LINK);
            QCOMPARE(tr.satellite(), unsigned(s)); // released slots keep their data
        }
        QCOMPARE(db.Transponder(transponders[2]).frequency(), 11111u);
        for (int c : channels) {
            QCOMPARE(db.Channel(c).state(), 0u);
            QCOMPARE(db.Channel(c).nextChannel(), NO_LINK);
        }
        const ConstSatelliteRecord sat = db.Satellite(s);
        QVERIFY(!sat.isUsed());
        QCOMPARE(sat.firstTransponder(), NO_LINK);
        QCOMPARE(sat.lastChannel(), NO_LINK);
        QCOMPARE(sat.channelCount(), 0u);
        QCOMPARE(ChannelChain(db, keep).size(), std::size_t(1));
        QCOMPARE(TransponderChain(db, keep).size(), std::size_t(2));

        // Deleting a free slot again must not count satelliteCount down twice.
        DeleteSatellite(db, s);
        DeleteSatellite(db, 100);
        DeleteSatellite(db, -1);
        QCOMPARE(db.Settings().satelliteCount(), 1u);
    }

    void clearingChannelsKeepsTranspondersAndMarksThemInUse() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 3);
        StoreChannel(db, 1, "A", true);
        StoreChannel(db, 2, "B", false);
        db.Transponder(1).setInUse(1);
        ClearSatelliteChannels(db, s);
        QCOMPARE(db.Transponder(1).inUse(), 3u);
        QCOMPARE(TransponderChain(db, s), (std::vector<int>{0, 1, 2}));
        QCOMPARE(db.Satellite(s).transponderCount(), 3u);
        QCOMPARE(db.Satellite(s).channelCount(), 0u);
        QCOMPARE(db.Satellite(s).state(), SatelliteRecord::STATE_IN_USE);
        QCOMPARE(db.Channel(0).state(), 0u);
        QCOMPARE(db.Channel(1).state(), 0u);
    }
};

QTEST_GUILESS_MAIN(TestSatelliteOperations)
#include "tst_satelliteoperations.moc"
