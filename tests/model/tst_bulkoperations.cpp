// Moves, flags and deletions on several channels at once.
#include "ModelTestImages.h"
#include "TestSupport.h"
#include "model/BulkOperations.h"
#include "model/ConsistencyCheck.h"
#include "model/Duplicates.h"
#include "model/SampleImages.h"

#include <QtTest>

#include <random>

using namespace vormante;
using namespace modeltest;
using testsupport::EmptyImage;
using testsupport::LoadInto;

using Names = std::vector<std::string>;

class TestBulkOperations : public QObject {
    Q_OBJECT

private:
    ChannelDatabase db;
    int sat = -1;
    std::vector<int> tv; // tv[i] is the channel named "T<i>"

    // Ten TV channels T0..T9 with a radio channel after every third.
    void fresh() {
        QVERIFY(LoadInto(db, EmptyImage()));
        sat = AddSatelliteWithTransponders(db, 1);
        tv.clear();
        for (int i = 0; i < 10; ++i) {
            tv.push_back(StoreChannel(db, 0, "T" + std::to_string(i), true));
            if (i % 3 == 2)
                StoreChannel(db, 0, "R" + std::to_string(i), false);
        }
    }

    Names tvNames() const {
        Names names;
        for (const int c : ChannelsOfKind(db, sat, true))
            names.push_back(db.Channel(c).name());
        return names;
    }

    void verifySound() {
        QVERIFY(CheckConsistency(db).empty());
        const std::vector<int> kind = ChannelsOfKind(db, sat, true);
        for (std::size_t i = 0; i < kind.size(); ++i)
            QCOMPARE(db.Channel(kind[i]).channelNumber(), unsigned(i + 1));
    }

private Q_SLOTS:
    void blockMovesKeepTheirOrderAndRenumber() {
        fresh();
        const std::vector<int> radioBefore = ChannelsOfKind(db, sat, false);
        // Given out of chain order: the block still keeps its chain order.
        QVERIFY(MoveChannelsToNumber(db, sat, {tv[7], tv[2], tv[5]}, 1, true));
        QCOMPARE(tvNames(), (Names{"T2", "T5", "T7", "T0", "T1", "T3", "T4", "T6", "T8", "T9"}));
        verifySound();
        QVERIFY(MoveChannelsToNumber(db, sat, {tv[0], tv[1]}, 5, true));
        QCOMPARE(tvNames(), (Names{"T2", "T5", "T7", "T3", "T0", "T1", "T4", "T6", "T8", "T9"}));
        verifySound();
        QVERIFY(MoveChannelsToBottom(db, sat, {tv[2], tv[9]}, true));
        QCOMPARE(tvNames(), (Names{"T5", "T7", "T3", "T0", "T1", "T4", "T6", "T8", "T2", "T9"}));
        QVERIFY(MoveChannelsToTop(db, sat, {tv[8], tv[3]}, true));
        QCOMPARE(tvNames(), (Names{"T3", "T8", "T5", "T7", "T0", "T1", "T4", "T6", "T2", "T9"}));
        // A target past the end places the block last.
        QVERIFY(MoveChannelsToNumber(db, sat, {tv[3]}, 999, true));
        QCOMPARE(tvNames().back(), std::string("T3"));
        verifySound();
        // The radio channels kept their order.
        QCOMPARE(ChannelsOfKind(db, sat, false), radioBefore);
    }

    void oneChannelMovesAsTheSingleMoveDoes() {
        fresh();
        ChannelDatabase copy;
        QVERIFY(LoadInto(copy, std::vector<std::uint8_t>(db.workingCopy().begin(), db.workingCopy().end())));
        MoveChannelToNumber(copy, sat, 2, 4, true);
        QVERIFY(MoveChannelsToNumber(db, sat, {tv[1]}, 4, true));
        QCOMPARE(ChannelsOfKind(db, sat, true), ChannelsOfKind(copy, sat, true));
    }

    void byOneStepsPastUnselectedNeighbours() {
        fresh();
        QVERIFY(MoveChannelsByOne(db, sat, {tv[0], tv[1], tv[4], tv[6]}, true, true));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T2", "T4", "T3", "T6", "T5", "T7", "T8", "T9"}));
        QVERIFY(MoveChannelsByOne(db, sat, {tv[9], tv[8], tv[4]}, true, false));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T2", "T3", "T4", "T6", "T5", "T7", "T8", "T9"}));
        verifySound();
    }

    void dropPlacesTheBlockBeforeTheAnchor() {
        fresh();
        QVERIFY(DropChannelsBefore(db, sat, {tv[6], tv[8]}, tv[2], true));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T6", "T8", "T2", "T3", "T4", "T5", "T7", "T9"}));
        // An anchor inside the block stands for the next unselected channel (T6).
        QVERIFY(DropChannelsBefore(db, sat, {tv[1], tv[3]}, tv[1], true));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T3", "T6", "T8", "T2", "T4", "T5", "T7", "T9"}));
        QVERIFY(DropChannelsBefore(db, sat, {tv[0]}, -1, true));
        QCOMPARE(tvNames().back(), std::string("T0"));
        verifySound();
    }

    void refusedArgumentsChangeNothing() {
        fresh();
        const DatabaseImage before = db.workingCopy();
        const int radio = ChannelsOfKind(db, sat, false).front();
        QVERIFY(!MoveChannelsToNumber(db, sat, {tv[1], tv[1]}, 1, true));         // named twice
        QVERIFY(!MoveChannelsToNumber(db, sat, {tv[1], radio}, 1, true));         // other kind
        QVERIFY(!MoveChannelsToNumber(db, sat, {tv[1], CHANNEL_SLOTS}, 1, true)); // outside the table
        QVERIFY(!MoveChannelsToNumber(db, sat, {tv[1], 2999}, 1, true));          // not on the chain
        QVERIFY(!MoveChannelsToNumber(db, sat, {tv[1]}, 0, true));
        QVERIFY(!MoveChannelsToNumber(db, sat + 1, {tv[1]}, 1, true));
        QVERIFY(!MoveChannelsByOne(db, -1, {tv[1]}, true, true));
        QVERIFY(!DropChannelsBefore(db, sat, {tv[1]}, 70000, true));
        QVERIFY(!SetChannelsFlag(db, {tv[1], 2999}, ChannelFlag::Fav1, true));
        QVERIFY(!SetChannelsFlag(db, {-1}, ChannelFlag::Lock, true));
        QVERIFY(db.workingCopy() == before);
    }

    // A previous link read from a file that names the wrong member: the operations
    // relink by the next links, mend it, and report that they changed the image.
    void wrongPreviousLinkIsMendedNotFollowed_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<Names>("expected");
        QTest::newRow("delete its channel")
            << 0 << Names{"T0", "T1", "T2", "T3", "T4", "T6", "T7", "T8", "T9"};
        QTest::newRow("delete around it") << 1 << Names{"T0", "T1", "T2", "T3", "T6", "T7", "T9"};
        QTest::newRow("move before it")
            << 2 << Names{"T0", "T1", "T2", "T3", "T4", "T8", "T5", "T6", "T7", "T9"};
        QTest::newRow("delete a transponder")
            << 3 << Names{"T0", "T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9"};
    }
    void wrongPreviousLinkIsMendedNotFollowed() {
        QFETCH(int, operation);
        QFETCH(Names, expected);
        fresh();
        const int other = AddSatelliteWithTransponders(db, 3, "Other");
        const std::vector<int> transponders = TransponderChain(db, other);
        if (operation < 3)
            db.Channel(tv[5]).setPrevChannel(tv[1]); // should be T4
        else
            db.Transponder(transponders[2]).setPrevTransponder(transponders[0]); // should be the second
        const bool done = operation == 0   ? DeleteChannels(db, {tv[5]})
                          : operation == 1 ? DeleteChannels(db, {tv[8], tv[4], tv[5]})
                          : operation == 2 ? MoveChannel(db, sat, tv[8], tv[5], true)
                                           : DeleteTransponder(db, transponders[2]);
        RenumberChannels(db, sat); // a single move leaves that to its caller
        QVERIFY(done);
        QCOMPARE(tvNames(), expected);
        const auto problems = CheckConsistency(db);
        QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().message.c_str());
    }

    void flagsTouchOnlyTheirBit() {
        fresh();
        const std::vector<int> some{tv[1], tv[4], tv[9]};
        db.Channel(tv[4]).setFav3(true);
        const DatabaseImage before = db.workingCopy();
        const ChannelFlag flags[] = {ChannelFlag::Lock, ChannelFlag::Fav1, ChannelFlag::Fav2,
                                     ChannelFlag::Fav3, ChannelFlag::Fav4};
        for (const ChannelFlag flag : flags) {
            QVERIFY(SetChannelsFlag(db, some, flag, true));
            QVERIFY(SetChannelsFlag(db, some, flag, false));
        }
        // Every bit set and cleared again: only Fav 3 of T4 differs; giving it back restores every byte.
        db.Channel(tv[4]).setFav3(true);
        QVERIFY(db.workingCopy() == before);
        db.Channel(tv[4]).setFav3(false);
        QVERIFY(SetChannelsFlag(db, some, ChannelFlag::Fav2, true));
        for (const int c : some) {
            QVERIFY(db.Channel(c).fav2());
            QVERIFY(!db.Channel(c).locked() && !db.Channel(c).fav1() && !db.Channel(c).fav3() &&
                    !db.Channel(c).fav4());
        }
        QVERIFY(!db.Channel(tv[2]).fav2());
    }

    void editsWriteOnlyTheGivenFields() {
        fresh();
        const std::vector<int> some{tv[0], tv[3], tv[7]};
        db.Channel(tv[3]).setScrambled(true);
        const DatabaseImage before = db.workingCopy();
        QVERIFY(EditChannels(db, some, ChannelFieldEdits{}));
        QVERIFY(db.workingCopy() == before);
        ChannelFieldEdits edits;
        edits.audioPid = 0x222;
        edits.fav[2] = true;
        QVERIFY(EditChannels(db, some, edits));
        for (const int c : some) {
            QCOMPARE(db.Channel(c).audioPid(), 0x222u);
            QVERIFY(db.Channel(c).fav3() && !db.Channel(c).fav2());
        }
        QVERIFY(db.Channel(tv[3]).scrambled() && !db.Channel(tv[0]).scrambled());
        QCOMPARE(db.Channel(tv[7]).name(), std::string("T7"));
        // No video PID: the channels turn radio and both kinds are renumbered.
        ChannelFieldEdits radio;
        radio.videoPid = 0;
        QVERIFY(EditChannels(db, {tv[0], tv[3]}, radio));
        QCOMPARE(ChannelsOfKind(db, sat, true).size(), std::size_t(8));
        QCOMPARE(ChannelsOfKind(db, sat, false).size(), std::size_t(5));
        verifySound();
        const DatabaseImage edited = db.workingCopy();
        QVERIFY(!EditChannels(db, {tv[1], tv[1]}, edits));
        QVERIFY(!EditChannels(db, {tv[1], 2999}, edits));
        QVERIFY(!EditChannels(db, {tv[1], -4}, edits));
        QVERIFY(db.workingCopy() == edited);
    }

    void randomOperationsKeepSampleImagesConsistent_data() {
        QTest::addColumn<bool>("full");
        QTest::newRow("demo") << false;
        QTest::newRow("full") << true;
    }
    void randomOperationsKeepSampleImagesConsistent() {
        QFETCH(bool, full);
        QVERIFY(LoadInto(db, full ? BuildFullImage() : BuildDemoImage()));
        QVERIFY(CheckConsistency(db).empty());
        std::mt19937 random(15);
        for (int round = 0; round < 60; ++round) {
            int s = static_cast<int>(random() % SATELLITE_SLOTS);
            const bool kindTv = random() % 2 == 0;
            std::vector<int> kind = ChannelsOfKind(db, s, kindTv);
            if (kind.empty())
                continue;
            std::vector<int> picked;
            for (const int c : kind)
                if (random() % 4 == 0)
                    picked.push_back(c);
            std::shuffle(picked.begin(), picked.end(), random);
            const std::size_t before = kind.size();
            switch (random() % 5) {
            case 0:
                QVERIFY(MoveChannelsToNumber(db, s, picked, 1 + int(random() % before), kindTv));
                break;
            case 1:
                QVERIFY(MoveChannelsByOne(db, s, picked, kindTv, random() % 2 == 0));
                break;
            case 2:
                QVERIFY(DropChannelsBefore(db, s, picked, kind[random() % before], kindTv));
                break;
            case 3:
                QVERIFY(SetChannelsFlag(db, picked, ChannelFlag(random() % 5), random() % 2 == 0));
                break;
            default:
                QVERIFY(DeleteChannels(db, picked));
                QCOMPARE(ChannelsOfKind(db, s, kindTv).size() + picked.size(), before);
                for (const int c : picked)
                    QVERIFY(!db.Channel(c).isOccupied());
            }
            const auto problems = CheckConsistency(db);
            QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().message.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestBulkOperations)
#include "tst_bulkoperations.moc"
