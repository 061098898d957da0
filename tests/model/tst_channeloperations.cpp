// Channels: allocation across the three runs, chain surgery, lookups and renumbering.
#include "ModelFixture.h"
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

class TestChannelOperations : public ModelFixture {
    Q_OBJECT

private Q_SLOTS:
    void allocationRunsAcrossTheThreeChannelRuns() {
        QVERIFY(loadEmpty(1));
        for (int c = 0; c < 500; ++c)
            db_.Channel(c).setState(c % 3 + 1); // 1, 2 and 3 all count as occupied
        QCOMPARE(FindFreeChannelSlot(db_), 500);
        const int c500 = AddChannel(db_, 0);
        QCOMPARE(c500, 500);
        QCOMPARE(OffsetOf(db_, c500), std::size_t(73772));

        for (int c = 501; c < 1750; ++c)
            db_.Channel(c).setState(1);
        const int c1750 = AddChannel(db_, 0);
        QCOMPARE(c1750, 1750);
        QCOMPARE(OffsetOf(db_, c1750), std::size_t(139308));
        QCOMPARE(db_.Channel(c500).nextChannel(), 1750);
        QCOMPARE(db_.Channel(c1750).prevChannel(), 500);

        for (int c = 1751; c < CHANNEL_SLOTS; ++c)
            db_.Channel(c).setState(1);
        const DatabaseImage before = db_.workingCopy();
        QCOMPARE(AddChannel(db_, 0), -1);
        QVERIFY(db_.workingCopy() == before);
        QCOMPARE(db_.Satellite(sat_).channelCount(), 2u);

        // A slot freed in the last run is found again.
        db_.Channel(2999).setState(0);
        QCOMPARE(AddChannel(db_, 0), 2999);
        QCOMPARE(OffsetOf(db_, 2999), std::size_t(199260));
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
        QVERIFY(loadEmpty(1));
        std::vector<int> c;
        for (const char* name : {"A", "B", "C", "D", "E"})
            c.push_back(StoreChannel(db_, 0, name, true));

        QVERIFY(DeleteChannel(db_, c[0], sat_)); // head
        QCOMPARE(db_.Satellite(sat_).firstChannel(), c[1]);
        QCOMPARE(db_.Channel(c[1]).prevChannel(), NO_LINK);
        QVERIFY(DeleteChannel(db_, c[4], sat_)); // tail
        QCOMPARE(db_.Satellite(sat_).lastChannel(), c[3]);
        QCOMPARE(db_.Channel(c[3]).nextChannel(), NO_LINK);
        QVERIFY(DeleteChannel(db_, c[2], sat_)); // middle
        QCOMPARE(db_.Channel(c[1]).nextChannel(), c[3]);
        QCOMPARE(db_.Channel(c[3]).prevChannel(), c[1]);
        QCOMPARE(ChannelChain(db_, sat_), ChannelChainBackwards(db_, sat_));
        QCOMPARE(db_.Satellite(sat_).channelCount(), 2u);
        QCOMPARE(db_.Channel(c[2]).state(), 0u);
        QCOMPARE(db_.Channel(c[2]).transponder(), std::uint16_t(0xFFFF));
        QCOMPARE(db_.Channel(c[2]).name(), std::string("C")); // release keeps the rest

        RenumberChannels(db_, sat_);
        QCOMPARE(db_.Channel(c[3]).channelNumber(), 2u);

        QVERIFY(DeleteChannel(db_, c[1], sat_));
        QVERIFY(DeleteChannel(db_, c[3], sat_)); // the only one left
        QCOMPARE(db_.Satellite(sat_).firstChannel(), NO_LINK);
        QCOMPARE(db_.Satellite(sat_).lastChannel(), NO_LINK);
        QVERIFY(!DeleteChannel(db_, c[3], sat_)); // empty chain
        RenumberChannels(db_, sat_);
        const ConstSatelliteRecord sat = db_.Satellite(sat_);
        QCOMPARE(sat.state(), SatelliteRecord::STATE_IN_USE);
        QCOMPARE(sat.defaultTvChannel(), 0xFFFFu);
        QCOMPARE(sat.defaultRadioChannel(), 0xFFFFu);
        QVERIFY(!sat.channelFlag());
    }

    void deletingAChannelOfAnotherSatelliteChangesNothing() {
        QVERIFY(loadEmpty());
        const int a = AddSatelliteWithTransponders(db_, 1);
        const int b = AddSatelliteWithTransponders(db_, 1);
        StoreChannel(db_, 0, "A1", true);
        const int b1 = StoreChannel(db_, 1, "B1", true);
        StoreChannel(db_, 0, "A2", true);
        const DatabaseImage before = db_.workingCopy();
        QVERIFY(!DeleteChannel(db_, b1, a));
        QVERIFY(!DeleteChannel(db_, -1, a));
        QVERIFY(!DeleteChannel(db_, 3000, a));
        QVERIFY(!DeleteChannel(db_, b1, 100));
        const int freeSlot = FindFreeChannelSlot(db_);
        QVERIFY(!DeleteChannel(db_, freeSlot, a));
        QVERIFY(db_.workingCopy() == before);
        QVERIFY(DeleteChannel(db_, b1, b));
    }

    void hasChannelsClearsWithTheTranspondersLastChannel() {
        QVERIFY(loadEmpty(2));
        const auto [tv, radio, elsewhere] =
            StoreChannels(db_, {{0, "TV", true}, {0, "R", false}, {1, "X", true}});
        db_.Transponder(0).setHasChannels(true);
        db_.Transponder(1).setHasChannels(true);
        QCOMPARE(CountChannelsOnTransponder(db_, 0, true), 1);
        QCOMPARE(CountChannelsOnTransponder(db_, 0, false), 1);
        QVERIFY(DeleteChannel(db_, tv, sat_));
        QVERIFY(db_.Transponder(0).hasChannels()); // the radio channel is still there
        QVERIFY(DeleteChannel(db_, radio, sat_));
        QVERIFY(!db_.Transponder(0).hasChannels());
        QVERIFY(db_.Transponder(1).hasChannels());
        QVERIFY(DeleteChannel(db_, elsewhere, sat_));
        QVERIFY(!db_.Transponder(1).hasChannels());
    }

    void deletingTheChannelsOfOneTransponder() {
        QVERIFY(loadEmpty(2));
        std::vector<int> kept;
        for (int i = 0; i < 9; ++i) {
            const int c = StoreChannel(db_, i % 3 == 1 ? 1 : 0, "C", i % 2 == 0);
            if (i % 3 == 1)
                kept.push_back(c);
        }
        db_.Transponder(0).setHasChannels(true);
        const DeleteChannelsResult result = DeleteChannelsOfTransponder(db_, 0);
        QVERIFY(result.ok);
        QCOMPARE(result.deleted, 6);
        QCOMPARE(ChannelChain(db_, sat_), kept);
        QCOMPARE(ChannelChainBackwards(db_, sat_), kept);
        QCOMPARE(db_.Satellite(sat_).channelCount(), 3u);
        QVERIFY(!db_.Transponder(0).hasChannels());
        QVERIFY(!DeleteChannelsOfTransponder(db_, -1).ok);
        const DeleteChannelsResult none = DeleteChannelsOfTransponder(db_, 0);
        QVERIFY(none.ok);
        QCOMPARE(none.deleted, 0);
    }

    void renumberingMixedTvAndRadio() {
        QVERIFY(loadEmpty(1));
        const auto [a, b, c] = StoreChannels(db_, {{0, "a", true}, {0, "b", false}, {0, "c", true}});
        QCOMPARE(db_.Channel(a).serviceType(), 1u);
        QCOMPARE(db_.Channel(a).channelNumber(), 1u);
        QCOMPARE(db_.Channel(c).channelNumber(), 2u);
        QCOMPARE(db_.Channel(b).serviceType(), 2u);
        QCOMPARE(db_.Channel(b).channelNumber(), 1u);
        QCOMPARE(db_.Satellite(sat_).defaultTvChannel(), unsigned(a));
        QCOMPARE(db_.Satellite(sat_).defaultRadioChannel(), unsigned(b));

        // Giving b a video PID makes it TV, whatever its service type said.
        db_.Channel(b).setVideoPid(0x200);
        RenumberChannels(db_, sat_);
        QCOMPARE(db_.Channel(b).serviceType(), 1u);
        QCOMPARE(db_.Channel(a).channelNumber(), 1u);
        QCOMPARE(db_.Channel(b).channelNumber(), 2u);
        QCOMPARE(db_.Channel(c).channelNumber(), 3u);
        // A default already set is never replaced, even when it names a channel that is now TV.
        QCOMPARE(db_.Satellite(sat_).defaultRadioChannel(), unsigned(b));

        // A satellite not in state 1 is left alone.
        db_.Satellite(sat_).setState(SatelliteRecord::STATE_IN_USE);
        db_.Channel(c).setVideoPid(NULL_PID);
        const DatabaseImage before = db_.workingCopy();
        RenumberChannels(db_, sat_);
        QVERIFY(db_.workingCopy() == before);
        RenumberChannels(db_, -1);
        RenumberChannels(db_, 100);
    }

    void findingAndOrdinalsAreInverse() {
        QVERIFY(loadEmpty(2));
        const auto [tv1, r1, tv2, tv3] =
            StoreChannels(db_, {{0, "T1", true}, {1, "R1", false}, {1, "T2", true}, {0, "T3", true}});
        QCOMPARE(FindChannel(db_, sat_, -1, true, 2), tv2);
        QCOMPARE(FindChannel(db_, sat_, 0, true, 2), tv3);
        QCOMPARE(FindChannel(db_, sat_, -1, false, 1), r1);
        QCOMPARE(FindChannel(db_, sat_, -1, false, 2), -1);
        QCOMPARE(FindChannel(db_, sat_, -1, true, 0), -1);
        QCOMPARE(FindChannel(db_, 100, -1, true, 1), -1);
        for (int t : {-1, 0, 1}) {
            for (int n = 1; n <= 3; ++n) {
                const int c = FindChannel(db_, sat_, t, true, n);
                if (c >= 0)
                    QCOMPARE(ChannelOrdinal(db_, sat_, t, true, c), n);
            }
        }
        QCOMPARE(ChannelOrdinal(db_, sat_, -1, true, -1), 0);
        QCOMPARE(ChannelOrdinal(db_, sat_, -1, true, r1), 1);   // passed tv1, r1 does not match
        QCOMPARE(ChannelOrdinal(db_, sat_, -1, true, 2999), 3); // not on the chain: the total
        QCOMPARE(ChannelOrdinal(db_, sat_, 1, true, tv1), 0);

        db_.Settings().setCurrentSatellite(static_cast<unsigned>(sat_));
        QCOMPARE(CountChannelsOnCurrentSatellite(db_, true), 3);
        QCOMPARE(CountChannelsOnCurrentSatellite(db_, false), 1);
        db_.Settings().setCurrentSatellite(0xFF);
        QCOMPARE(CountChannelsOnCurrentSatellite(db_, true), 0);
        db_.Settings().setCurrentSatellite(99);
        QCOMPARE(CountChannelsOnCurrentSatellite(db_, true), 0);
    }
};

QTEST_GUILESS_MAIN(TestChannelOperations)
#include "tst_channeloperations.moc"
