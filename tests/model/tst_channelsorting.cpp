// Sorting and moving relink the chain; numbers follow through renumbering.
#include "ModelFixture.h"
#include "model/RecordOperations.h"

#include <QtTest>

using namespace vormante;
using namespace modeltest;

using Names = std::vector<std::string>;

class TestChannelSorting : public ModelFixture {
    Q_OBJECT

private:
    void verifyChainMirrors() {
        QCOMPARE(ChannelChain(db_, sat_), ChannelChainBackwards(db_, sat_));
        QCOMPARE(ChannelChain(db_, sat_).size(), std::size_t(db_.Satellite(sat_).channelCount()));
    }

private Q_SLOTS:
    void namesSortByteWiseWithoutCaseFolding() {
        QVERIFY(loadEmpty(3));
        StoreChannel(db_, 0, "abc", true);
        StoreChannel(db_, 0, "ABD", false);
        StoreChannel(db_, 0, "Zed", true);
        StoreChannel(db_, 0, "AB", true);
        StoreChannel(db_, 0, "\xE9t\xE9", true); // high bytes compare unsigned: after every ASCII letter
        StoreChannel(db_, 0, "ElevenChars", true);
        SortChannels(db_, sat_, SortKind::NameUp);
        QCOMPARE(ChannelNames(db_, sat_), (Names{"AB", "ABD", "ElevenChars", "Zed", "abc", "\xE9t\xE9"}));
        verifyChainMirrors();
        SortChannels(db_, sat_, SortKind::NameDown);
        QCOMPARE(ChannelNames(db_, sat_), (Names{"\xE9t\xE9", "abc", "Zed", "ElevenChars", "ABD", "AB"}));
        verifyChainMirrors();
        // Numbers follow the new order per type.
        const auto chain = ChannelChain(db_, sat_);
        QCOMPARE(db_.Channel(chain[1]).channelNumber(), 2u); // abc, second TV
        QCOMPARE(db_.Channel(chain[4]).channelNumber(), 1u); // ABD, the only radio
    }

    void defaultChannelsSurviveSortsAndMoves() {
        // The first TV and the first radio channel stored become the satellite's
        // defaults. A default already set is never replaced: sorts, moves, adds
        // and deletes that put another channel first leave both bytes alone.
        QVERIFY(loadEmpty(3));
        const auto [tvB, radioB, tvA, radioA, tvC] = StoreChannels(db_, {{0, "B tv", true},
                                                                         {0, "B radio", false},
                                                                         {0, "A tv", true},
                                                                         {0, "A radio", false},
                                                                         {1, "C tv", true}});
        // Copied in: clang does not let a lambda name a structured binding.
        auto defaultsKept = [this, tv = tvB, radio = radioB] {
            return db_.Satellite(sat_).defaultTvChannel() == unsigned(tv) &&
                   db_.Satellite(sat_).defaultRadioChannel() == unsigned(radio);
        };
        QVERIFY(defaultsKept());

        SortChannels(db_, sat_, SortKind::NameUp);
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, true), tvA); // another channel leads each kind now
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, false), radioA);
        QVERIFY(defaultsKept());

        SortChannels(db_, sat_, SortKind::NameDown);
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, true), tvC);
        QVERIFY(defaultsKept());

        MoveChannelToNumber(db_, sat_, 3, 1, true); // A tv to the front
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, true), tvA);
        MoveChannelToNumber(db_, sat_, 2, 1, false); // A radio to the front
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, false), radioA);
        QVERIFY(defaultsKept());

        QVERIFY(MoveChannel(db_, sat_, tvC, tvA, true));
        RenumberChannels(db_, sat_);
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, true), tvC);
        QVERIFY(defaultsKept());

        const int tv0 = StoreChannel(db_, 2, "0 tv", true);
        const int radio0 = StoreChannel(db_, 2, "0 radio", false);
        SortChannels(db_, sat_, SortKind::NameUp);
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, true), tv0);
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, false), radio0);
        QVERIFY(defaultsKept());

        QVERIFY(DeleteChannel(db_, tv0, sat_));
        QVERIFY(DeleteChannel(db_, radio0, sat_));
        QVERIFY(defaultsKept());
        verifyChainMirrors();
    }

    void frequencyOrdersAreStable() {
        QVERIFY(loadEmpty(3));
        db_.Transponder(0).setFrequency(11000);
        db_.Transponder(1).setFrequency(10700);
        db_.Transponder(2).setFrequency(11000);
        StoreChannel(db_, 0, "first", true);
        StoreChannel(db_, 1, "low", true);
        StoreChannel(db_, 2, "second", false);
        StoreChannel(db_, 0, "third", true);
        SortChannels(db_, sat_, SortKind::FrequencyUp);
        QCOMPARE(ChannelNames(db_, sat_), (Names{"low", "first", "second", "third"}));
        verifyChainMirrors();
        SortChannels(db_, sat_, SortKind::FrequencyDown);
        QCOMPARE(ChannelNames(db_, sat_), (Names{"first", "second", "third", "low"}));
        SortChannels(db_, sat_, SortKind::FrequencyUp);
        QCOMPARE(ChannelNames(db_, sat_), (Names{"low", "first", "second", "third"}));
    }

    void scrambledOrdersAreStable() {
        QVERIFY(loadEmpty(3));
        StoreChannel(db_, 0, "FTA1", true);
        StoreChannel(db_, 0, "SCR1", true, true);
        StoreChannel(db_, 0, "FTA2", false);
        StoreChannel(db_, 0, "SCR2", true, true);
        SortChannels(db_, sat_, SortKind::ScrambledFirst);
        QCOMPARE(ChannelNames(db_, sat_), (Names{"SCR1", "SCR2", "FTA1", "FTA2"}));
        SortChannels(db_, sat_, SortKind::ScrambledLast);
        QCOMPARE(ChannelNames(db_, sat_), (Names{"FTA1", "FTA2", "SCR1", "SCR2"}));
        verifyChainMirrors();
    }

    void stableOrderKeepsALongChainsRelativeOrder() {
        QVERIFY(loadEmpty(3));
        for (int i = 0; i < 300; ++i)
            StoreChannel(db_, i % 3, std::to_string(i), i % 4 != 0, i % 7 == 0);
        const auto before = ChannelChain(db_, sat_);
        SortChannels(db_, sat_, SortKind::ScrambledFirst);
        std::vector<int> expected;
        for (bool scrambled : {true, false})
            for (int c : before)
                if (db_.Channel(c).scrambled() == scrambled)
                    expected.push_back(c);
        QCOMPARE(ChannelChain(db_, sat_), expected);
        verifyChainMirrors();
    }

    void sortingAnEmptyOrSingleChain() {
        QVERIFY(loadEmpty(3));
        const DatabaseImage empty = db_.workingCopy();
        SortChannels(db_, sat_, SortKind::NameUp);
        QVERIFY(db_.workingCopy() == empty);
        const int only = StoreChannel(db_, 0, "one", true);
        SortChannels(db_, sat_, SortKind::FrequencyDown);
        QCOMPARE(ChannelChain(db_, sat_), std::vector<int>{only});
        QCOMPARE(db_.Channel(only).prevChannel(), NO_LINK);
        QCOMPARE(db_.Channel(only).nextChannel(), NO_LINK);
        SortChannels(db_, 100, SortKind::NameUp);
        SortChannels(db_, -1, SortKind::NameUp);
    }

    void movesUpAndDownAcrossTheOtherType() {
        QVERIFY(loadEmpty(3));
        const auto [tv1, r1, tv2, r2, tv3] = StoreChannels(
            db_, {{0, "TV1", true}, {0, "R1", false}, {0, "TV2", true}, {0, "R2", false}, {0, "TV3", true}});

        MoveChannelToNumber(db_, sat_, 1, 3, true);
        QCOMPARE(ChannelChain(db_, sat_), (std::vector<int>{r1, tv2, r2, tv3, tv1}));
        QCOMPARE(db_.Channel(tv2).channelNumber(), 1u);
        QCOMPARE(db_.Channel(tv3).channelNumber(), 2u);
        QCOMPARE(db_.Channel(tv1).channelNumber(), 3u);
        QCOMPARE(db_.Channel(r1).channelNumber(), 1u);
        QCOMPARE(db_.Channel(r2).channelNumber(), 2u);
        QCOMPARE(db_.Satellite(sat_).firstChannel(), r1);
        QCOMPARE(db_.Satellite(sat_).lastChannel(), tv1);
        verifyChainMirrors();

        MoveChannelToNumber(db_, sat_, 3, 1, true);
        QCOMPARE(ChannelChain(db_, sat_), (std::vector<int>{r1, tv1, tv2, r2, tv3}));
        QCOMPARE(db_.Channel(tv1).channelNumber(), 1u);
        verifyChainMirrors();

        // Radio: move number 2 to 1 puts R2 in front of R1, at the head.
        MoveChannelToNumber(db_, sat_, 2, 1, false);
        QCOMPARE(ChannelChain(db_, sat_), (std::vector<int>{r2, r1, tv1, tv2, tv3}));
        QCOMPARE(db_.Satellite(sat_).firstChannel(), r2);
        QCOMPARE(db_.Channel(r2).channelNumber(), 1u);
        verifyChainMirrors();

        // Moving the tail up makes its predecessor the tail.
        MoveChannelToNumber(db_, sat_, 3, 2, true);
        QCOMPARE(ChannelChain(db_, sat_), (std::vector<int>{r2, r1, tv1, tv3, tv2}));
        QCOMPARE(db_.Satellite(sat_).lastChannel(), tv2);
        verifyChainMirrors();
    }

    void movesThatNameNoChannelOnlyRenumber() {
        QVERIFY(loadEmpty(3));
        const int a = StoreChannel(db_, 0, "A", true);
        const int b = StoreChannel(db_, 0, "B", true);
        const DatabaseImage before = db_.workingCopy();
        MoveChannelToNumber(db_, sat_, 2, 2, true);
        QVERIFY(db_.workingCopy() == before);
        MoveChannelToNumber(db_, sat_, 1, 5, true);
        MoveChannelToNumber(db_, sat_, -1, 1, true);
        MoveChannelToNumber(db_, sat_, 1, 1, false);
        MoveChannelToNumber(db_, sat_, 0, 1, true); // 0 means 1: the same channel
        QCOMPARE(ChannelChain(db_, sat_), (std::vector<int>{a, b}));
        QCOMPARE(ChannelAtNumber(db_, sat_, 0, true), a);
        QCOMPARE(ChannelAtNumber(db_, sat_, 2, true), b);
        QCOMPARE(ChannelAtNumber(db_, sat_, 3, true), -1);
        QCOMPARE(ChannelAtNumber(db_, sat_, 1, false), -1);
        QVERIFY(!MoveChannel(db_, sat_, a, a, true));
        QVERIFY(!MoveChannel(db_, sat_, -1, a, true));
    }

    void movingRelinksTheGivenSatelliteWhateverIsCurrent() {
        QVERIFY(loadEmpty(1));
        const int other = AddSatelliteWithTransponders(db_, 1);
        const auto [o1, o2, a, b] =
            StoreChannels(db_, {{1, "O1", true}, {1, "O2", true}, {0, "A", true}, {0, "B", true}});
        db_.Settings().setCurrentSatellite(static_cast<unsigned>(other));
        MoveChannelToNumber(db_, sat_, 1, 2, true);
        QCOMPARE(ChannelChain(db_, sat_), (std::vector<int>{b, a}));
        QCOMPARE(db_.Satellite(sat_).firstChannel(), b);
        QCOMPARE(db_.Satellite(sat_).lastChannel(), a);
        QCOMPARE(ChannelChain(db_, other), (std::vector<int>{o1, o2}));
        QCOMPARE(db_.Satellite(other).firstChannel(), o1);
        QCOMPARE(db_.Satellite(other).lastChannel(), o2);

        // Channels of another satellite's chain are not moved onto this one.
        const DatabaseImage before = db_.workingCopy();
        QVERIFY(!MoveChannel(db_, sat_, o1, a, true));
        QVERIFY(!MoveChannel(db_, sat_, a, o2, false));
        QVERIFY(db_.workingCopy() == before);
    }
};

QTEST_GUILESS_MAIN(TestChannelSorting)
#include "tst_channelsorting.moc"
