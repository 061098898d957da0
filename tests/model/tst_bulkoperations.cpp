// Moves, flags and deletions on several channels at once.
#include "ModelFixture.h"
#include "model/BulkOperations.h"
#include "model/ConsistencyCheck.h"
#include "model/Duplicates.h"
#include "model/SampleImages.h"

#include <QtTest>

#include <random>

using namespace vormante;
using namespace modeltest;
using testsupport::LoadInto;

using Names = std::vector<std::string>;

class TestBulkOperations : public ModelFixture {
    Q_OBJECT

private:
    std::vector<int> tv_; // tv[i] is the channel named "T<i>"

    // Ten TV channels T0..T9 with a radio channel after every third.
    void fresh() {
        QVERIFY(loadEmpty(1));
        tv_.clear();
        for (int i = 0; i < 10; ++i) {
            tv_.push_back(StoreChannel(db_, 0, "T" + std::to_string(i), true));
            if (i % 3 == 2)
                StoreChannel(db_, 0, "R" + std::to_string(i), false);
        }
    }

    Names tvNames() const {
        Names names;
        for (const int c : ChannelsOfKind(db_, sat_, true))
            names.push_back(db_.Channel(c).name());
        return names;
    }

    void verifySound() {
        QVERIFY(CheckConsistency(db_).empty());
        const std::vector<int> kind = ChannelsOfKind(db_, sat_, true);
        for (std::size_t i = 0; i < kind.size(); ++i)
            QCOMPARE(db_.Channel(kind[i]).channelNumber(), unsigned(i + 1));
    }

private Q_SLOTS:
    void blockMovesKeepTheirOrderAndRenumber() {
        fresh();
        const std::vector<int> radioBefore = ChannelsOfKind(db_, sat_, false);
        // Given out of chain order: the block still keeps its chain order.
        QVERIFY(MoveChannelsToNumber(db_, sat_, {tv_[7], tv_[2], tv_[5]}, 1, true));
        QCOMPARE(tvNames(), (Names{"T2", "T5", "T7", "T0", "T1", "T3", "T4", "T6", "T8", "T9"}));
        verifySound();
        QVERIFY(MoveChannelsToNumber(db_, sat_, {tv_[0], tv_[1]}, 5, true));
        QCOMPARE(tvNames(), (Names{"T2", "T5", "T7", "T3", "T0", "T1", "T4", "T6", "T8", "T9"}));
        verifySound();
        QVERIFY(MoveChannelsToBottom(db_, sat_, {tv_[2], tv_[9]}, true));
        QCOMPARE(tvNames(), (Names{"T5", "T7", "T3", "T0", "T1", "T4", "T6", "T8", "T2", "T9"}));
        QVERIFY(MoveChannelsToTop(db_, sat_, {tv_[8], tv_[3]}, true));
        QCOMPARE(tvNames(), (Names{"T3", "T8", "T5", "T7", "T0", "T1", "T4", "T6", "T2", "T9"}));
        // A target past the end places the block last.
        QVERIFY(MoveChannelsToNumber(db_, sat_, {tv_[3]}, 999, true));
        QCOMPARE(tvNames().back(), std::string("T3"));
        verifySound();
        // The radio channels kept their order.
        QCOMPARE(ChannelsOfKind(db_, sat_, false), radioBefore);
    }

    void oneChannelMovesAsTheSingleMoveDoes() {
        fresh();
        ChannelDatabase copy;
        QVERIFY(
            LoadInto(copy, std::vector<std::uint8_t>(db_.workingCopy().begin(), db_.workingCopy().end())));
        MoveChannelToNumber(copy, sat_, 2, 4, true);
        QVERIFY(MoveChannelsToNumber(db_, sat_, {tv_[1]}, 4, true));
        QCOMPARE(ChannelsOfKind(db_, sat_, true), ChannelsOfKind(copy, sat_, true));
    }

    void byOneStepsPastUnselectedNeighbours() {
        fresh();
        QVERIFY(MoveChannelsByOne(db_, sat_, {tv_[0], tv_[1], tv_[4], tv_[6]}, true, true));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T2", "T4", "T3", "T6", "T5", "T7", "T8", "T9"}));
        QVERIFY(MoveChannelsByOne(db_, sat_, {tv_[9], tv_[8], tv_[4]}, true, false));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T2", "T3", "T4", "T6", "T5", "T7", "T8", "T9"}));
        verifySound();
    }

    void dropPlacesTheBlockBeforeTheAnchor() {
        fresh();
        QVERIFY(DropChannelsBefore(db_, sat_, {tv_[6], tv_[8]}, tv_[2], true));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T6", "T8", "T2", "T3", "T4", "T5", "T7", "T9"}));
        // An anchor inside the block stands for the next unselected channel (T6).
        QVERIFY(DropChannelsBefore(db_, sat_, {tv_[1], tv_[3]}, tv_[1], true));
        QCOMPARE(tvNames(), (Names{"T0", "T1", "T3", "T6", "T8", "T2", "T4", "T5", "T7", "T9"}));
        QVERIFY(DropChannelsBefore(db_, sat_, {tv_[0]}, -1, true));
        QCOMPARE(tvNames().back(), std::string("T0"));
        verifySound();
    }

    void refusedArgumentsChangeNothing() {
        fresh();
        const DatabaseImage before = db_.workingCopy();
        const int radio = ChannelsOfKind(db_, sat_, false).front();
        QVERIFY(!MoveChannelsToNumber(db_, sat_, {tv_[1], tv_[1]}, 1, true));        // named twice
        QVERIFY(!MoveChannelsToNumber(db_, sat_, {tv_[1], radio}, 1, true));         // other kind
        QVERIFY(!MoveChannelsToNumber(db_, sat_, {tv_[1], CHANNEL_SLOTS}, 1, true)); // outside the table
        QVERIFY(!MoveChannelsToNumber(db_, sat_, {tv_[1], 2999}, 1, true));          // not on the chain
        QVERIFY(!MoveChannelsToNumber(db_, sat_, {tv_[1]}, 0, true));
        QVERIFY(!MoveChannelsToNumber(db_, sat_ + 1, {tv_[1]}, 1, true));
        QVERIFY(!MoveChannelsByOne(db_, -1, {tv_[1]}, true, true));
        QVERIFY(!DropChannelsBefore(db_, sat_, {tv_[1]}, 70000, true));
        QVERIFY(!SetChannelsFlag(db_, {tv_[1], 2999}, ChannelFlag::Fav1, true));
        QVERIFY(!SetChannelsFlag(db_, {-1}, ChannelFlag::Lock, true));
        QVERIFY(db_.workingCopy() == before);
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
        const int other = AddSatelliteWithTransponders(db_, 3, "Other");
        const std::vector<int> transponders = TransponderChain(db_, other);
        if (operation < 3)
            db_.Channel(tv_[5]).setPrevChannel(tv_[1]); // should be T4
        else
            db_.Transponder(transponders[2]).setPrevTransponder(transponders[0]); // should be the second
        const bool done = operation == 0   ? DeleteChannels(db_, {tv_[5]})
                          : operation == 1 ? DeleteChannels(db_, {tv_[8], tv_[4], tv_[5]})
                          : operation == 2 ? MoveChannel(db_, sat_, tv_[8], tv_[5], true)
                                           : DeleteTransponder(db_, transponders[2]);
        RenumberChannels(db_, sat_); // a single move leaves that to its caller
        QVERIFY(done);
        QCOMPARE(tvNames(), expected);
        const auto problems = CheckConsistency(db_);
        QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().message.c_str());
    }

    void flagsTouchOnlyTheirBit() {
        fresh();
        const std::vector<int> some{tv_[1], tv_[4], tv_[9]};
        db_.Channel(tv_[4]).setFav3(true);
        const DatabaseImage before = db_.workingCopy();
        const ChannelFlag flags[] = {ChannelFlag::Lock, ChannelFlag::Fav1, ChannelFlag::Fav2,
                                     ChannelFlag::Fav3, ChannelFlag::Fav4};
        for (const ChannelFlag flag : flags) {
            QVERIFY(SetChannelsFlag(db_, some, flag, true));
            QVERIFY(SetChannelsFlag(db_, some, flag, false));
        }
        // Every bit set and cleared again: only Fav 3 of T4 differs; giving it back restores every byte.
        db_.Channel(tv_[4]).setFav3(true);
        QVERIFY(db_.workingCopy() == before);
        db_.Channel(tv_[4]).setFav3(false);
        QVERIFY(SetChannelsFlag(db_, some, ChannelFlag::Fav2, true));
        for (const int c : some) {
            QVERIFY(db_.Channel(c).fav2());
            QVERIFY(!db_.Channel(c).locked() && !db_.Channel(c).fav1() && !db_.Channel(c).fav3() &&
                    !db_.Channel(c).fav4());
        }
        QVERIFY(!db_.Channel(tv_[2]).fav2());
    }

    void editsWriteOnlyTheGivenFields() {
        fresh();
        const std::vector<int> some{tv_[0], tv_[3], tv_[7]};
        db_.Channel(tv_[3]).setScrambled(true);
        const DatabaseImage before = db_.workingCopy();
        QVERIFY(EditChannels(db_, some, ChannelFieldEdits{}));
        QVERIFY(db_.workingCopy() == before);
        ChannelFieldEdits edits;
        edits.audioPid = 0x222;
        edits.fav[2] = true;
        QVERIFY(EditChannels(db_, some, edits));
        for (const int c : some) {
            QCOMPARE(db_.Channel(c).audioPid(), 0x222u);
            QVERIFY(db_.Channel(c).fav3() && !db_.Channel(c).fav2());
        }
        QVERIFY(db_.Channel(tv_[3]).scrambled() && !db_.Channel(tv_[0]).scrambled());
        QCOMPARE(db_.Channel(tv_[7]).name(), std::string("T7"));
        // No video PID: the channels turn radio and both kinds are renumbered.
        ChannelFieldEdits radio;
        radio.videoPid = 0;
        QVERIFY(EditChannels(db_, {tv_[0], tv_[3]}, radio));
        QCOMPARE(ChannelsOfKind(db_, sat_, true).size(), std::size_t(8));
        QCOMPARE(ChannelsOfKind(db_, sat_, false).size(), std::size_t(5));
        verifySound();
        const DatabaseImage edited = db_.workingCopy();
        QVERIFY(!EditChannels(db_, {tv_[1], tv_[1]}, edits));
        QVERIFY(!EditChannels(db_, {tv_[1], 2999}, edits));
        QVERIFY(!EditChannels(db_, {tv_[1], -4}, edits));
        QVERIFY(db_.workingCopy() == edited);
    }

    void randomOperationsKeepSampleImagesConsistent_data() { testsupport::AddSampleImageRows(); }
    void randomOperationsKeepSampleImagesConsistent() {
        QFETCH(bool, full);
        QVERIFY(LoadInto(db_, full ? BuildFullImage() : BuildDemoImage()));
        QVERIFY(CheckConsistency(db_).empty());
        std::mt19937 random(15);
        for (int round = 0; round < 60; ++round) {
            int s = static_cast<int>(random() % SATELLITE_SLOTS);
            const bool kindTv = random() % 2 == 0;
            std::vector<int> kind = ChannelsOfKind(db_, s, kindTv);
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
                QVERIFY(MoveChannelsToNumber(db_, s, picked, 1 + int(random() % before), kindTv));
                break;
            case 1:
                QVERIFY(MoveChannelsByOne(db_, s, picked, kindTv, random() % 2 == 0));
                break;
            case 2:
                QVERIFY(DropChannelsBefore(db_, s, picked, kind[random() % before], kindTv));
                break;
            case 3:
                QVERIFY(SetChannelsFlag(db_, picked, ChannelFlag(random() % 5), random() % 2 == 0));
                break;
            default:
                QVERIFY(DeleteChannels(db_, picked));
                QCOMPARE(ChannelsOfKind(db_, s, kindTv).size() + picked.size(), before);
                for (const int c : picked)
                    QVERIFY(!db_.Channel(c).isOccupied());
            }
            const auto problems = CheckConsistency(db_);
            QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().message.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestBulkOperations)
#include "tst_bulkoperations.moc"
