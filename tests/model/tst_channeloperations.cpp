// Channels: allocation across the three runs, chain surgery, lookups and renumbering.
#include "ModelTestImages.h"
#include "TestSupport.h"
#include "model/RecordOperations.h"

#include <QtTest>

using namespace vormante;
using namespace modeltest;
using testsupport::EmptyImage;
using testsupport::LoadInto;

namespace {
std::size_t OffsetOf(const ChannelDatabase& db, int channel) {
    return static_cast<std::size_t>(db.Channel(channel).data() - db.workingCopy().data());
}
} // namespace

class TestChannelOperations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allocationRunsAcrossTheThreeChannelRuns() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 1);
        for (int c = 0; c < 500; ++c)
            db.Channel(c).setState(c % 3 + 1); // 1, 2 and 3 all count as occupied
        QCOMPARE(FindFreeChannelSlot(db), 500);
        const int c500 = AddChannel(db, 0);
        QCOMPARE(c500, 500);
        QCOMPARE(OffsetOf(db, c500), std::size_t(73772));

        for (int c = 501; c < 1750; ++c)
            db.Channel(c).setState(1);
        const int c1750 = AddChannel(db, 0);
        QCOMPARE(c1750, 1750);
        QCOMPARE(OffsetOf(db, c1750), std::size_t(139308));
        QCOMPARE(db.Channel(c500).nextChannel(), 1750);
        QCOMPARE(db.Channel(c1750).prevChannel(), 500);

        for (int c = 1751; c < CHANNEL_SLOTS; ++c)
            db.Channel(c).setState(1);
        const DatabaseImage before = db.workingCopy();
        QCOMPARE(AddChannel(db, 0), -1);
        QVERIFY(db.workingCopy() == before);
        QCOMPARE(db.Satellite(s).channelCount(), 2u);

        // A slot freed in the last run is found again.
        db.Channel(2999).setState(0);
        QCOMPARE(AddChannel(db, 0), 2999);
        QCOMPARE(OffsetOf(db, 2999), std::size_t(199260));
    }

    void aNewChannelIsUnnamedWithNullPidsAndHeadsAnEmptyChain() {
        ChannelDatabase db;
        auto bytes = EmptyImage();
        std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(layout::ChannelOffset(0)), 48,
                    std::uint8_t(0xA5));
        bytes[layout::ChannelOffset(0) + 4 + 3] = 0x25; // state 0 with other bits of word 1 set
        QVERIFY(LoadInto(db, bytes));
        const int s = AddSatelliteWithTransponders(db, 1);
        QCOMPARE(db.Satellite(s).state(), SatelliteRecord::STATE_IN_USE);
        const int c = AddChannel(db, 0);
        QCOMPARE(c, 0);
        const ConstChannelRecord ch = db.Channel(c);
        QCOMPARE(ch.name(), std::string("Unnamed"));
        QCOMPARE(ch.data()[45], std::uint8_t(0xA5)); // bytes 45-47 keep their values
        QCOMPARE(ch.data()[47], std::uint8_t(0xA5));
        QCOMPARE(ch.audioPid(), NULL_PID);
        QCOMPARE(ch.videoPid(), NULL_PID);
        QCOMPARE(ch.teletextPid(), NULL_PID);
        QCOMPARE(ch.pcrPid(), NULL_PID);
        QCOMPARE(ch.extraPid(), NULL_PID);
        QCOMPARE(ch.transponder(), std::uint16_t(0xFFFF));
        QCOMPARE(ch.spareShort(), std::uint16_t(0xFFFF));
        QCOMPARE(ch.state(), 1u);
        QCOMPARE(ch.serviceType(), 0u);
        QCOMPARE(ch.channelNumber(), 0u);
        QVERIFY(!ch.locked() && !ch.fav1() && !ch.fav4() && !ch.scrambled());
        QCOMPARE(ch.pairBits(), 0u);
        QCOMPARE(ch.data()[29], std::uint8_t(0));
        QCOMPARE(ch.data()[30], std::uint8_t(0xA5));
        QCOMPARE(ch.data()[33], std::uint8_t(0));
        QCOMPARE(ch.data()[28], std::uint8_t(0xA5));
        QCOMPARE(ch.prevChannel(), NO_LINK);
        QCOMPARE(ch.nextChannel(), NO_LINK);
        QCOMPARE(db.Satellite(s).firstChannel(), c);
        QCOMPARE(db.Satellite(s).lastChannel(), c);
        QCOMPARE(db.Satellite(s).state(), SatelliteRecord::STATE_HAS_CHANNELS);
        QCOMPARE(db.Satellite(s).channelCount(), 1u);
        QCOMPARE(AddChannel(db, -1), -1);
        QCOMPARE(AddChannel(db, 2000), -1);
    }

    void deletingAtHeadMiddleAndTail() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 1);
        std::vector<int> c;
        for (const char* name : {"A", "B", "C", "D", "E"})
            c.push_back(StoreChannel(db, 0, name, true));

        QVERIFY(DeleteChannel(db, c[0], s)); // head
        QCOMPARE(db.Satellite(s).firstChannel(), c[1]);
        QCOMPARE(db.Channel(c[1]).prevChannel(), NO_LINK);
        QVERIFY(DeleteChannel(db, c[4], s)); // tail
        QCOMPARE(db.Satellite(s).lastChannel(), c[3]);
        QCOMPARE(db.Channel(c[3]).nextChannel(), NO_LINK);
        QVERIFY(DeleteChannel(db, c[2], s)); // middle
        QCOMPARE(db.Channel(c[1]).nextChannel(), c[3]);
        QCOMPARE(db.Channel(c[3]).prevChannel(), c[1]);
        QCOMPARE(ChannelChain(db, s), ChannelChainBackwards(db, s));
        QCOMPARE(db.Satellite(s).channelCount(), 2u);
        QCOMPARE(db.Channel(c[2]).state(), 0u);
        QCOMPARE(db.Channel(c[2]).transponder(), std::uint16_t(0xFFFF));
        QCOMPARE(db.Channel(c[2]).name(), std::string("C")); // release keeps the rest

        RenumberChannels(db, s);
        QCOMPARE(db.Channel(c[3]).channelNumber(), 2u);

        QVERIFY(DeleteChannel(db, c[1], s));
        QVERIFY(DeleteChannel(db, c[3], s)); // the only one left
        QCOMPARE(db.Satellite(s).firstChannel(), NO_LINK);
        QCOMPARE(db.Satellite(s).lastChannel(), NO_LINK);
        QVERIFY(!DeleteChannel(db, c[3], s)); // empty chain
        RenumberChannels(db, s);
        const ConstSatelliteRecord sat = db.Satellite(s);
        QCOMPARE(sat.state(), SatelliteRecord::STATE_IN_USE);
        QCOMPARE(sat.defaultTvChannel(), 0xFFFFu);
        QCOMPARE(sat.defaultRadioChannel(), 0xFFFFu);
        QVERIFY(!sat.channelFlag());
    }

    void deletingAChannelOfAnotherSatelliteChangesNothing() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int a = AddSatelliteWithTransponders(db, 1);
        const int b = AddSatelliteWithTransponders(db, 1);
        StoreChannel(db, 0, "A1", true);
        const int b1 = StoreChannel(db, 1, "B1", true);
        StoreChannel(db, 0, "A2", true);
        const DatabaseImage before = db.workingCopy();
        QVERIFY(!DeleteChannel(db, b1, a));
        QVERIFY(!DeleteChannel(db, -1, a));
        QVERIFY(!DeleteChannel(db, 3000, a));
        QVERIFY(!DeleteChannel(db, b1, 100));
        const int freeSlot = FindFreeChannelSlot(db);
        QVERIFY(!DeleteChannel(db, freeSlot, a));
        QVERIFY(db.workingCopy() == before);
        QVERIFY(DeleteChannel(db, b1, b));
    }

    void hasChannelsClearsWithTheTranspondersLastChannel() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 2);
        const int tv = StoreChannel(db, 0, "TV", true);
        const int radio = StoreChannel(db, 0, "R", false);
        const int elsewhere = StoreChannel(db, 1, "X", true);
        db.Transponder(0).setHasChannels(true);
        db.Transponder(1).setHasChannels(true);
        QCOMPARE(CountChannelsOnTransponder(db, 0, true), 1);
        QCOMPARE(CountChannelsOnTransponder(db, 0, false), 1);
        QVERIFY(DeleteChannel(db, tv, s));
        QVERIFY(db.Transponder(0).hasChannels()); // the radio channel is still there
        QVERIFY(DeleteChannel(db, radio, s));
        QVERIFY(!db.Transponder(0).hasChannels());
        QVERIFY(db.Transponder(1).hasChannels());
        QVERIFY(DeleteChannel(db, elsewhere, s));
        QVERIFY(!db.Transponder(1).hasChannels());
    }

    void deletingTheChannelsOfOneTransponder() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 2);
        std::vector<int> kept;
        for (int i = 0; i < 9; ++i) {
            const int c = StoreChannel(db, i % 3 == 1 ? 1 : 0, "C", i % 2 == 0);
            if (i % 3 == 1)
                kept.push_back(c);
        }
        db.Transponder(0).setHasChannels(true);
        const DeleteChannelsResult result = DeleteChannelsOfTransponder(db, 0);
        QVERIFY(result.ok);
        QCOMPARE(result.deleted, 6);
        QCOMPARE(ChannelChain(db, s), kept);
        QCOMPARE(ChannelChainBackwards(db, s), kept);
        QCOMPARE(db.Satellite(s).channelCount(), 3u);
        QVERIFY(!db.Transponder(0).hasChannels());
        QVERIFY(!DeleteChannelsOfTransponder(db, -1).ok);
        const DeleteChannelsResult none = DeleteChannelsOfTransponder(db, 0);
        QVERIFY(none.ok);
        QCOMPARE(none.deleted, 0);
    }

    void renumberingMixedTvAndRadio() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 1);
        const int a = StoreChannel(db, 0, "a", true);
        const int b = StoreChannel(db, 0, "b", false);
        const int c = StoreChannel(db, 0, "c", true);
        QCOMPARE(db.Channel(a).serviceType(), 1u);
        QCOMPARE(db.Channel(a).channelNumber(), 1u);
        QCOMPARE(db.Channel(c).channelNumber(), 2u);
        QCOMPARE(db.Channel(b).serviceType(), 2u);
        QCOMPARE(db.Channel(b).channelNumber(), 1u);
        QCOMPARE(db.Satellite(s).defaultTvChannel(), unsigned(a));
        QCOMPARE(db.Satellite(s).defaultRadioChannel(), unsigned(b));

        // Giving b a video PID makes it TV, whatever its service type said.
        db.Channel(b).setVideoPid(0x200);
        RenumberChannels(db, s);
        QCOMPARE(db.Channel(b).serviceType(), 1u);
        QCOMPARE(db.Channel(a).channelNumber(), 1u);
        QCOMPARE(db.Channel(b).channelNumber(), 2u);
        QCOMPARE(db.Channel(c).channelNumber(), 3u);
        // A default already set is never replaced, even when it names a channel that is now TV.
        QCOMPARE(db.Satellite(s).defaultRadioChannel(), unsigned(b));

        // A satellite not in state 1 is left alone.
        db.Satellite(s).setState(SatelliteRecord::STATE_IN_USE);
        db.Channel(c).setVideoPid(NULL_PID);
        const DatabaseImage before = db.workingCopy();
        RenumberChannels(db, s);
        QVERIFY(db.workingCopy() == before);
        RenumberChannels(db, -1);
        RenumberChannels(db, 100);
    }

    void findingAndOrdinalsAreInverse() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 2);
        const int tv1 = StoreChannel(db, 0, "T1", true);
        const int r1 = StoreChannel(db, 1, "R1", false);
        const int tv2 = StoreChannel(db, 1, "T2", true);
        const int tv3 = StoreChannel(db, 0, "T3", true);
        QCOMPARE(FindChannel(db, s, -1, true, 2), tv2);
        QCOMPARE(FindChannel(db, s, 0, true, 2), tv3);
        QCOMPARE(FindChannel(db, s, -1, false, 1), r1);
        QCOMPARE(FindChannel(db, s, -1, false, 2), -1);
        QCOMPARE(FindChannel(db, s, -1, true, 0), -1);
        QCOMPARE(FindChannel(db, 100, -1, true, 1), -1);
        for (int t : {-1, 0, 1}) {
            for (int n = 1; n <= 3; ++n) {
                const int c = FindChannel(db, s, t, true, n);
                if (c >= 0)
                    QCOMPARE(ChannelOrdinal(db, s, t, true, c), n);
            }
        }
        QCOMPARE(ChannelOrdinal(db, s, -1, true, -1), 0);
        QCOMPARE(ChannelOrdinal(db, s, -1, true, r1), 1);   // passed tv1, r1 does not match
        QCOMPARE(ChannelOrdinal(db, s, -1, true, 2999), 3); // not on the chain: the total
        QCOMPARE(ChannelOrdinal(db, s, 1, true, tv1), 0);

        db.Settings().setCurrentSatellite(static_cast<unsigned>(s));
        QCOMPARE(CountChannelsOnCurrentSatellite(db, true), 3);
        QCOMPARE(CountChannelsOnCurrentSatellite(db, false), 1);
        db.Settings().setCurrentSatellite(0xFF);
        QCOMPARE(CountChannelsOnCurrentSatellite(db, true), 0);
        db.Settings().setCurrentSatellite(99);
        QCOMPARE(CountChannelsOnCurrentSatellite(db, true), 0);
    }
};

QTEST_GUILESS_MAIN(TestChannelOperations)
#include "tst_channeloperations.moc"
