// Long random sequences of operations keep sound images sound, and no operation
// misbehaves on damaged or random images: every call returns, nothing throws,
// and (under the sanitizer build) nothing is touched outside the image.
#include "ModelTestImages.h"
#include "OperationScript.h"
#include "PatchedImage.h"
#include "TestSupport.h"
#include "model/ConsistencyCheck.h"
#include "model/RecordOperations.h"

#include <QtTest>

#include <random>

using namespace vormante;
using namespace modeltest;
using testsupport::EmptyImage;
using testsupport::LoadInto;
using testsupport::RandomBytes;

namespace {

QString Describe(const std::vector<ConsistencyProblem>& problems) {
    QStringList lines;
    for (std::size_t i = 0; i < problems.size() && i < 10; ++i)
        lines << QString::fromStdString(problems[i].message);
    return lines.join('\n');
}

// The counts that the chains must add up to, tallied over the whole tables.
void VerifyTallies(const ChannelDatabase& db) {
    unsigned satellites = 0, transponders = 0, channels = 0;
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        if (db.Satellite(s).isUsed()) {
            ++satellites;
            transponders += db.Satellite(s).transponderCount();
            channels += db.Satellite(s).channelCount();
        }
    }
    unsigned usedTransponders = 0, usedChannels = 0;
    for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
        usedTransponders += db.Transponder(t).isUsed() ? 1 : 0;
    for (int c = 0; c < CHANNEL_SLOTS; ++c)
        usedChannels += db.Channel(c).isOccupied() ? 1 : 0;
    QCOMPARE(db.Settings().satelliteCount(), satellites);
    QCOMPARE(usedTransponders, transponders);
    QCOMPARE(usedChannels, channels);
}

unsigned TotalChannels(const ChannelDatabase& db) {
    unsigned channels = 0;
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        channels += db.Satellite(s).isUsed() ? db.Satellite(s).channelCount() : 0;
    return channels;
}

// Lookups agree with each other on a sound image.
void VerifyLookups(ChannelDatabase& db) {
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        if (!db.Satellite(s).isUsed())
            continue;
        db.Settings().setCurrentSatellite(static_cast<unsigned>(s));
        for (bool tv : {true, false}) {
            const int count = CountChannelsOnCurrentSatellite(db, tv);
            for (int n = 1; n <= count; ++n) {
                const int c = FindChannel(db, s, -1, tv, n);
                QVERIFY(c >= 0);
                QCOMPARE(ChannelOrdinal(db, s, -1, tv, c), n);
                QCOMPARE(ChannelAtNumber(db, s, n, tv), c);
                QCOMPARE(db.Channel(c).channelNumber(), unsigned(n));
            }
            QCOMPARE(FindChannel(db, s, -1, tv, count + 1), -1);
        }
    }
}

// Runs every operation with raw parameters on whatever the image holds.
void HammerWithScript(ChannelDatabase& db, std::uint32_t seed, ParameterMode mode, int operations) {
    const auto bytes = RandomBytes(static_cast<std::size_t>(operations) * 16, seed);
    ByteScript script(bytes);
    OperationScript runner(db, script, mode);
    for (int op = 0; op < OperationScript::OPERATION_COUNT; ++op)
        runner.Run(op);
    for (int i = 0; i < operations; ++i)
        runner.RunOne();
    CheckConsistency(db);
}

// 100 satellites, 2000 transponders and 3000 channels, built the editor's way.
void BuildFullImage(ChannelDatabase& db) {
    LoadInto(db, EmptyImage());
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        AddSatelliteWithTransponders(db, 20);
    for (int c = 0; c < CHANNEL_SLOTS; ++c)
        StoreChannel(db, (c * 7) % TRANSPONDER_SLOTS, "Ch" + std::to_string(c), c % 5 != 0, c % 9 == 0);
}

} // namespace

class TestOperationRobustness : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomSequencesKeepImagesConsistent_data() {
        QTest::addColumn<std::uint32_t>("seed");
        for (std::uint32_t seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomSequencesKeepImagesConsistent() {
        QFETCH(std::uint32_t, seed);
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const auto bytes = RandomBytes(200000, seed);
        ByteScript script(bytes);
        OperationScript runner(db, script, ParameterMode::Editor);
        // Grow more than shrink at first, so the chains get long; then anything goes.
        static constexpr int GROWTH[] = {0, 2, 2, 2, 4, 4, 4, 4,  4,  4,  4,  4,
                                         4, 4, 4, 4, 6, 8, 9, 10, 11, 13, 14, 15};
        for (int i = 0; i < 2500; ++i) {
            int op = 0;
            if (i < 1500) {
                op = GROWTH[script.Below(static_cast<int>(std::size(GROWTH)))];
                runner.Run(op);
            } else {
                op = runner.RunOne();
            }
            if (i == 1499) // the growth phase must have built long chains, or the test proves little
                QVERIFY2(TotalChannels(db) > 300, qPrintable(QString::number(TotalChannels(db))));
            if (i % 25 == 0 || i == 2499) {
                const auto problems = CheckConsistency(db);
                QVERIFY2(problems.empty(),
                         qPrintable(
                             QString("after operation %1 (%2):\n%3").arg(i).arg(op).arg(Describe(problems))));
                VerifyTallies(db);
            }
        }
        VerifyLookups(db);
    }

    void randomSequencesOnAFullImage() {
        ChannelDatabase db;
        BuildFullImage(db);
        QCOMPARE(FindFreeChannelSlot(db), -1);
        QCOMPARE(AddTransponder(db, 0), -1);
        QCOMPARE(AllocateSatellite(db), SATELLITES_FULL);
        QVERIFY2(CheckConsistency(db).empty(), qPrintable(Describe(CheckConsistency(db))));
        VerifyTallies(db);
        VerifyLookups(db);

        const auto bytes = RandomBytes(60000, 77);
        ByteScript script(bytes);
        OperationScript runner(db, script, ParameterMode::Editor);
        for (int i = 0; i < 600; ++i) {
            const int op = runner.RunOne();
            if (i % 20 == 0) {
                const auto problems = CheckConsistency(db);
                QVERIFY2(problems.empty(),
                         qPrintable(
                             QString("after operation %1 (%2):\n%3").arg(i).arg(op).arg(Describe(problems))));
                VerifyTallies(db);
            }
        }
    }

    void randomImagesAreSafe() {
        for (std::uint32_t seed = 100; seed < 130; ++seed) {
            ChannelDatabase db;
            QVERIFY(LoadInto(db, RandomBytes(IMAGE_SIZE, seed)));
            try {
                HammerWithScript(db, seed, seed % 2 ? ParameterMode::Any : ParameterMode::Editor, 200);
            } catch (const std::exception& e) {
                QFAIL(qPrintable(QString("seed %1: %2").arg(seed).arg(e.what())));
            }
        }
    }

    void damagedImagesAreSafe() {
        // A full, sound image with a few hundred bytes of its tables overwritten: long
        // chains with cycles, cross-links and wild slots, which pure noise rarely gives.
        ChannelDatabase full;
        BuildFullImage(full);
        const DatabaseImage sound = full.workingCopy();
        std::mt19937 random(4242);
        for (int round = 0; round < 12; ++round) {
            std::vector<std::uint8_t> bytes(sound.begin(), sound.end());
            for (int i = 0; i < 300; ++i)
                bytes[random() % IMAGE_SIZE] = static_cast<std::uint8_t>(random());
            ChannelDatabase db;
            QVERIFY(LoadInto(db, bytes));
            try {
                HammerWithScript(db, 500 + static_cast<std::uint32_t>(round),
                                 round % 2 ? ParameterMode::Any : ParameterMode::Editor, 150);
            } catch (const std::exception& e) {
                QFAIL(qPrintable(QString("round %1: %2").arg(round).arg(e.what())));
            }
        }
    }

    void patchedSoundImagesAsTheFuzzerMakesThem() {
        // The fuzz target's property, run over a fixed set of inputs on every build:
        // a patched image that is still sound stays sound, any other is merely survived.
        const std::vector<std::uint8_t> base = SmallSoundImage();
        {
            ChannelDatabase db;
            QVERIFY(LoadInto(db, base));
            QVERIFY2(CheckConsistency(db).empty(), qPrintable(Describe(CheckConsistency(db))));
        }
        int sound = 0;
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            const auto input = RandomBytes(160, seed);
            std::vector<std::uint8_t> image = base;
            const auto script = ApplyPatches(image, input);
            ChannelDatabase db;
            try {
                const ImageRunResult result = RunImage(db, image, script);
                sound += result.wasSound ? 1 : 0;
                QVERIFY2(!result.wasSound || result.after.empty(),
                         qPrintable(QString("seed %1: %2").arg(seed).arg(Describe(result.after))));
            } catch (const std::exception& e) {
                QFAIL(qPrintable(QString("seed %1: %2").arg(seed).arg(e.what())));
            }
        }
        QVERIFY(sound > 10); // enough inputs leave the image sound for the property to bite
    }

    void cyclesAndWildLinksEndEveryWalk() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        const int s = AddSatelliteWithTransponders(db, 3);
        for (int i = 0; i < 6; ++i)
            StoreChannel(db, i % 3, "C", i % 2 == 0);
        db.Channel(5).setNextChannel(2);         // tail loops back into the middle
        db.Channel(0).setPrevChannel(4000);      // a wild link at the head
        db.Transponder(2).setNextTransponder(0); // the transponder chain loops too
        db.Transponder(0).setSatellite(200);     // and names no satellite slot
        db.Settings().setCurrentSatellite(static_cast<unsigned>(s));

        // What the satellite page lists: each member once, however often the loop comes round.
        QCOMPARE(ListedTransponders(db, s), (std::vector<int>{1, 2}));
        QCOMPARE(ListedChannels(db, s, 2, true), std::vector<int>{2});
        QCOMPARE(CountChannelsOnCurrentSatellite(db, true), 3);
        QCOMPARE(FindChannel(db, s, -1, true, 4), -1);
        QCOMPARE(TransponderOrdinal(db, s, 1999), 3);
        QCOMPARE(TransponderByOrdinal(db, s, 5), -1);
        QVERIFY(!DeleteTransponder(db, 0)); // its satellite field names no satellite
        SortChannels(db, s, SortKind::FrequencyUp);
        QCOMPARE(ChannelChain(db, s).size(), std::size_t(6));
        QCOMPARE(ChannelChainBackwards(db, s), ChannelChain(db, s));
        RenumberChannels(db, s);
        DeleteSatellite(db, s);
        QCOMPARE(FindFreeChannelSlot(db), 0);
        QVERIFY(!db.Transponder(1).isUsed());
    }
};

QTEST_GUILESS_MAIN(TestOperationRobustness)
#include "tst_operationrobustness.moc"
