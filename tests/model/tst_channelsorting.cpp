// Sorting and moving relink the chain; numbers follow through renumbering.
#include "ModelTestImages.h"
#include "TestSupport.h"
#include "model/RecordOperations.h"

#include <QtTest>

using namespace vormante;
using namespace modeltest;
using testsupport::EmptyImage;
using testsupport::LoadInto;

using Names = std::vector<std::string>;

class TestChannelSorting : public QObject {
    Q_OBJECT

private:
    ChannelDatabase db;
    int sat = -1;

    void fresh(int transponders = 3) {
        QVERIFY(LoadInto(db, EmptyImage()));
        sat = AddSatelliteWithTransponders(db, transponders);
    }

    void verifyChainMirrors() {
        QCOMPARE(ChannelChain(db, sat), ChannelChainBackwards(db, sat));
        QCOMPARE(ChannelChain(db, sat).size(), std::size_t(db.Satellite(sat).channelCount()));
    }

private Q_SLOTS:
    void namesSortByteWiseWithoutCaseFolding() {
        fresh();
        StoreChannel(db, 0, "abc", true);
        StoreChannel(db, 0, "ABD", false);
        StoreChannel(db, 0, "Zed", true);
        StoreChannel(db, 0, "AB", true);
        StoreChannel(db, 0, "\xE9t\xE9", true); // high bytes compare unsigned: after every ASCII letter
        StoreChannel(db, 0, "ElevenChars", true);
        SortChannels(db, sat, SortKind::NameUp);
        QCOMPARE(ChannelNames(db, sat), (Names{"AB", "ABD", "ElevenChars", "Zed", "abc", "\xE9t\xE9"}));
        verifyChainMirrors();
        SortChannels(db, sat, SortKind::NameDown);
        QCOMPARE(ChannelNames(db, sat), (Names{"\xE9t\xE9", "abc", "Zed", "ElevenChars", "ABD", "AB"}));
        verifyChainMirrors();
        // Numbers follow the new order per type.
        const auto chain = ChannelChain(db, sat);
        QCOMPARE(db.Channel(chain[1]).channelNumber(), 2u); // abc, second TV
        QCOMPARE(db.Channel(chain[4]).channelNumber(), 1u); // ABD, the only radio
    }

    void defaultChannelsSurviveSortsAndMoves() {
        // The first TV and the first radio channel stored become the satellite's
        // defaults. A default already set is never replaced: sorts, moves, adds
        // and deletes that put another channel first leave both bytes alone.
        fresh();
        const int tvB = StoreChannel(db, 0, "B tv", true);
        const int radioB = StoreChannel(db, 0, "B radio", false);
        const int tvA = StoreChannel(db, 0, "A tv", true);
        const int radioA = StoreChannel(db, 0, "A radio", false);
        const int tvC = StoreChannel(db, 1, "C tv", true);
        auto defaultsKept = [&] {
            return db.Satellite(sat).defaultTvChannel() == unsigned(tvB) &&
                   db.Satellite(sat).defaultRadioChannel() == unsigned(radioB);
        };
        QVERIFY(defaultsKept());

        SortChannels(db, sat, SortKind::NameUp);
        QCOMPARE(ChannelAtNumber(db, sat, 1, true), tvA); // another channel leads each kind now
        QCOMPARE(ChannelAtNumber(db, sat, 1, false), radioA);
        QVERIFY(defaultsKept());

        SortChannels(db, sat, SortKind::NameDown);
        QCOMPARE(ChannelAtNumber(db, sat, 1, true), tvC);
        QVERIFY(defaultsKept());

        MoveChannelToNumber(db, sat, 3, 1, true); // A tv to the front
        QCOMPARE(ChannelAtNumber(db, sat, 1, true), tvA);
        MoveChannelToNumber(db, sat, 2, 1, false); // A radio to the front
        QCOMPARE(ChannelAtNumber(db, sat, 1, false), radioA);
        QVERIFY(defaultsKept());

        QVERIFY(MoveChannel(db, sat, tvC, tvA, true));
        RenumberChannels(db, sat);
        QCOMPARE(ChannelAtNumber(db, sat, 1, true), tvC);
        QVERIFY(defaultsKept());

        const int tv0 = StoreChannel(db, 2, "0 tv", true);
        const int radio0 = StoreChannel(db, 2, "0 radio", false);
        SortChannels(db, sat, SortKind::NameUp);
        QCOMPARE(ChannelAtNumber(db, sat, 1, true), tv0);
        QCOMPARE(ChannelAtNumber(db, sat, 1, false), radio0);
        QVERIFY(defaultsKept());

        QVERIFY(DeleteChannel(db, tv0, sat));
        QVERIFY(DeleteChannel(db, radio0, sat));
        QVERIFY(defaultsKept());
        verifyChainMirrors();
    }

    void frequencyOrdersAreStable() {
        fresh();
        db.Transponder(0).setFrequency(11000);
        db.Transponder(1).setFrequency(10700);
        db.Transponder(2).setFrequency(11000);
        StoreChannel(db, 0, "first", true);
        StoreChannel(db, 1, "low", true);
        StoreChannel(db, 2, "second", false);
        StoreChannel(db, 0, "third", true);
        SortChannels(db, sat, SortKind::FrequencyUp);
        QCOMPARE(ChannelNames(db, sat), (Names{"low", "first", "second", "third"}));
        verifyChainMirrors();
        SortChannels(db, sat, SortKind::FrequencyDown);
        QCOMPARE(ChannelNames(db, sat), (Names{"first", "second", "third", "low"}));
        SortChannels(db, sat, SortKind::FrequencyUp);
        QCOMPARE(ChannelNames(db, sat), (Names{"low", "first", "second", "third"}));
    }

    void scrambledOrdersAreStable() {
        fresh();
        StoreChannel(db, 0, "FTA1", true);
        StoreChannel(db, 0, "SCR1", true, true);
        StoreChannel(db, 0, "FTA2", false);
        StoreChannel(db, 0, "SCR2", true, true);
        SortChannels(db, sat, SortKind::ScrambledFirst);
        QCOMPARE(ChannelNames(db, sat), (Names{"SCR1", "SCR2", "FTA1", "FTA2"}));
        SortChannels(db, sat, SortKind::ScrambledLast);
        QCOMPARE(ChannelNames(db, sat), (Names{"FTA1", "FTA2", "SCR1", "SCR2"}));
        verifyChainMirrors();
    }

    void stableOrderKeepsALongChainsRelativeOrder() {
        fresh();
        for (int i = 0; i < 300; ++i)
            StoreChannel(db, i % 3, std::to_string(i), i % 4 != 0, i % 7 == 0);
        const auto before = ChannelChain(db, sat);
        SortChannels(db, sat, SortKind::ScrambledFirst);
        std::vector<int> expected;
        for (bool scrambled : {true, false})
            for (int c : before)
                if (db.Channel(c).scrambled() == scrambled)
                    expected.push_back(c);
        QCOMPARE(ChannelChain(db, sat), expected);
        verifyChainMirrors();
    }

    void sortingAnEmptyOrSingleChain() {
        fresh();
        const DatabaseImage empty = db.workingCopy();
        SortChannels(db, sat, SortKind::NameUp);
        QVERIFY(db.workingCopy() == empty);
        const int only = StoreChannel(db, 0, "one", true);
        SortChannels(db, sat, SortKind::FrequencyDown);
        QCOMPARE(ChannelChain(db, sat), std::vector<int>{only});
        QCOMPARE(db.Channel(only).prevChannel(), NO_LINK);
        QCOMPARE(db.Channel(only).nextChannel(), NO_LINK);
        SortChannels(db, 100, SortKind::NameUp);
        SortChannels(db, -1, SortKind::NameUp);
    }

    void movesUpAndDownAcrossTheOtherType() {
        fresh();
        const int tv1 = StoreChannel(db, 0, "TV1", true);
        const int r1 = StoreChannel(db, 0, "R1", false);
        const int tv2 = StoreChannel(db, 0, "TV2", true);
        const int r2 = StoreChannel(db, 0, "R2", false);
        const int tv3 = StoreChannel(db, 0, "TV3", true);

        MoveChannelToNumber(db, sat, 1, 3, true);
        QCOMPARE(ChannelChain(db, sat), (std::vector<int>{r1, tv2, r2, tv3, tv1}));
        QCOMPARE(db.Channel(tv2).channelNumber(), 1u);
        QCOMPARE(db.Channel(tv3).channelNumber(), 2u);
        QCOMPARE(db.Channel(tv1).channelNumber(), 3u);
        QCOMPARE(db.Channel(r1).channelNumber(), 1u);
        QCOMPARE(db.Channel(r2).channelNumber(), 2u);
        QCOMPARE(db.Satellite(sat).firstChannel(), r1);
        QCOMPARE(db.Satellite(sat).lastChannel(), tv1);
        verifyChainMirrors();

        MoveChannelToNumber(db, sat, 3, 1, true);
        QCOMPARE(ChannelChain(db, sat), (std::vector<int>{r1, tv1, tv2, r2, tv3}));
        QCOMPARE(db.Channel(tv1).channelNumber(), 1u);
        verifyChainMirrors();

        // Radio: move number 2 to 1 puts R2 in front of R1, at the head.
        MoveChannelToNumber(db, sat, 2, 1, false);
        QCOMPARE(ChannelChain(db, sat), (std::vector<int>{r2, r1, tv1, tv2, tv3}));
        QCOMPARE(db.Satellite(sat).firstChannel(), r2);
        QCOMPARE(db.Channel(r2).channelNumber(), 1u);
        verifyChainMirrors();

        // Moving the tail up makes its predecessor the tail.
        MoveChannelToNumber(db, sat, 3, 2, true);
        QCOMPARE(ChannelChain(db, sat), (std::vector<int>{r2, r1, tv1, tv3, tv2}));
        QCOMPARE(db.Satellite(sat).lastChannel(), tv2);
        verifyChainMirrors();
    }

    void movesThatNameNoChannelOnlyRenumber() {
        fresh();
        const int a = StoreChannel(db, 0, "A", true);
        const int b = StoreChannel(db, 0, "B", true);
        const DatabaseImage before = db.workingCopy();
        MoveChannelToNumber(db, sat, 2, 2, true);
        QVERIFY(db.workingCopy() == before);
        MoveChannelToNumber(db, sat, 1, 5, true);
        MoveChannelToNumber(db, sat, -1, 1, true);
        MoveChannelToNumber(db, sat, 1, 1, false);
        MoveChannelToNumber(db, sat, 0, 1, true); // 0 means 1: the same channel
        QCOMPARE(ChannelChain(db, sat), (std::vector<int>{a, b}));
        QCOMPARE(ChannelAtNumber(db, sat, 0, true), a);
        QCOMPARE(ChannelAtNumber(db, sat, 2, true), b);
        QCOMPARE(ChannelAtNumber(db, sat, 3, true), -1);
        QCOMPARE(ChannelAtNumber(db, sat, 1, false), -1);
        QVERIFY(!MoveChannel(db, sat, a, a, true));
        QVERIFY(!MoveChannel(db, sat, -1, a, true));
    }

    void movingRelinksTheGivenSatelliteWhateverIsCurrent() {
        fresh(1);
        const int other = AddSatelliteWithTransponders(db, 1);
        const int o1 = StoreChannel(db, 1, "O1", true);
        const int o2 = StoreChannel(db, 1, "O2", true);
        const int a = StoreChannel(db, 0, "A", true);
        const int b = StoreChannel(db, 0, "B", true);
        db.Settings().setCurrentSatellite(static_cast<unsigned>(other));
        MoveChannelToNumber(db, sat, 1, 2, true);
        QCOMPARE(ChannelChain(db, sat), (std::vector<int>{b, a}));
        QCOMPARE(db.Satellite(sat).firstChannel(), b);
        QCOMPARE(db.Satellite(sat).lastChannel(), a);
        QCOMPARE(ChannelChain(db, other), (std::vector<int>{o1, o2}));
        QCOMPARE(db.Satellite(other).firstChannel(), o1);
        QCOMPARE(db.Satellite(other).lastChannel(), o2);

        // Channels of another satellite's chain are not moved onto this one.
        const DatabaseImage before = db.workingCopy();
        QVERIFY(!MoveChannel(db, sat, o1, a, true));
        QVERIFY(!MoveChannel(db, sat, a, o2, false));
        QVERIFY(db.workingCopy() == before);
    }
};

QTEST_GUILESS_MAIN(TestChannelSorting)
#include "tst_channelsorting.moc"
