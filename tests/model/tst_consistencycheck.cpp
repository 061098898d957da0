// The consistency check finds every kind of planted damage and nothing on sound images.
#include "ModelTestImages.h"
#include "TestSupport.h"
#include "model/ConsistencyCheck.h"
#include "model/RecordOperations.h"

#include <QtTest>

#include <functional>

using namespace vormante;
using namespace modeltest;
using testsupport::EmptyImage;
using testsupport::LoadInto;

Q_DECLARE_METATYPE(std::function<void(ChannelDatabase&)>)
Q_DECLARE_METATYPE(vormante::ProblemKind)

namespace {

// Satellite 0 with transponders 0-2 and channels 0-5; satellite 1 with transponders 3-4 and channels 6-8.
void BuildSound(ChannelDatabase& db) {
    LoadInto(db, EmptyImage());
    AddSatelliteWithTransponders(db, 3, "A");
    AddSatelliteWithTransponders(db, 2, "B");
    for (int i = 0; i < 6; ++i)
        StoreChannel(db, i % 3, "A" + std::to_string(i), i % 2 == 0);
    for (int i = 0; i < 3; ++i)
        StoreChannel(db, 3 + i % 2, "B" + std::to_string(i), i != 1);
}

bool HasKind(const std::vector<ConsistencyProblem>& problems, ProblemKind kind) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const ConsistencyProblem& p) { return p.kind == kind; });
}

QString Describe(const std::vector<ConsistencyProblem>& problems) {
    QStringList lines;
    for (const auto& p : problems)
        lines << QString::fromStdString(p.message);
    return lines.join('\n');
}

} // namespace

class TestConsistencyCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void soundImagesHaveNoProblems() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, EmptyImage()));
        QVERIFY(CheckConsistency(db).empty());
        BuildSound(db);
        const auto problems = CheckConsistency(db);
        QVERIFY2(problems.empty(), qPrintable(Describe(problems)));
        // Channels in states 2 and 3 belong to the receiver; the check leaves them be.
        db.Channel(2500).setState(2);
        QVERIFY(CheckConsistency(db).empty());
    }

    void findsPlantedDamage_data() {
        using Plant = std::function<void(ChannelDatabase&)>;
        QTest::addColumn<Plant>("plant");
        QTest::addColumn<ProblemKind>("kind");
        QTest::addColumn<int>("satellite");

        QTest::newRow("channel link out of range")
            << Plant([](ChannelDatabase& db) { db.Channel(2).setNextChannel(3100); })
            << ProblemKind::LinkOutOfRange << 0;
        QTest::newRow("transponder head out of range")
            << Plant([](ChannelDatabase& db) { db.Satellite(1).setFirstTransponder(2040); })
            << ProblemKind::LinkOutOfRange << 1;
        QTest::newRow("channel head negative")
            << Plant([](ChannelDatabase& db) { db.Satellite(0).setFirstChannel(-7); })
            << ProblemKind::LinkOutOfRange << 0;
        QTest::newRow("channel cycle") << Plant([](ChannelDatabase& db) { db.Channel(5).setNextChannel(0); })
                                       << ProblemKind::ChainCycle << 0;
        QTest::newRow("transponder self loop")
            << Plant([](ChannelDatabase& db) { db.Transponder(1).setNextTransponder(1); })
            << ProblemKind::ChainCycle << 0;
        QTest::newRow("head with a predecessor")
            << Plant([](ChannelDatabase& db) { db.Satellite(0).setFirstChannel(1); })
            << ProblemKind::WrongHead << 0;
        QTest::newRow("previous link not mirrored")
            << Plant([](ChannelDatabase& db) { db.Channel(3).setPrevChannel(1); })
            << ProblemKind::BrokenBackLink << 0;
        QTest::newRow("transponder previous link not mirrored")
            << Plant([](ChannelDatabase& db) { db.Transponder(2).setPrevTransponder(NO_LINK); })
            << ProblemKind::BrokenBackLink << 0;
        QTest::newRow("tail in the middle")
            << Plant([](ChannelDatabase& db) { db.Satellite(0).setLastChannel(3); }) << ProblemKind::WrongTail
            << 0;
        QTest::newRow("tail of an empty chain")
            << Plant([](ChannelDatabase& db) { db.Satellite(1).setFirstTransponder(NO_LINK); })
            << ProblemKind::WrongTail << 1;
        QTest::newRow("channel count")
            << Plant([](ChannelDatabase& db) { db.Satellite(0).setChannelCount(7); })
            << ProblemKind::CountMismatch << 0;
        QTest::newRow("transponder count")
            << Plant([](ChannelDatabase& db) { db.Satellite(1).setTransponderCount(1); })
            << ProblemKind::CountMismatch << 1;
        QTest::newRow("channel on two chains")
            << Plant([](ChannelDatabase& db) { db.Channel(8).setNextChannel(4); })
            << ProblemKind::SharedRecord << 1;
        QTest::newRow("free channel on the chain")
            << Plant([](ChannelDatabase& db) { db.Channel(4).setState(0); }) << ProblemKind::FreeRecordOnChain
            << 0;
        QTest::newRow("free transponder on the chain")
            << Plant([](ChannelDatabase& db) { db.Transponder(4).setInUse(0); })
            << ProblemKind::FreeRecordOnChain << 1;
        QTest::newRow("transponder names another satellite")
            << Plant([](ChannelDatabase& db) { db.Transponder(0).setSatellite(1); })
            << ProblemKind::TransponderOfOtherSatellite << 0;
        QTest::newRow("channel without transponder")
            << Plant([](ChannelDatabase& db) { db.Channel(1).setTransponder(0xFFFF); })
            << ProblemKind::ChannelWithoutTransponder << 0;
        QTest::newRow("channel on a free transponder")
            << Plant([](ChannelDatabase& db) { db.Channel(1).setTransponder(100); })
            << ProblemKind::ChannelOnFreeTransponder << 0;
        QTest::newRow("channel of another satellite")
            << Plant([](ChannelDatabase& db) { db.Channel(1).setTransponder(3); })
            << ProblemKind::ChannelOfOtherSatellite << 0;
        QTest::newRow("transponder on no chain")
            << Plant([](ChannelDatabase& db) { db.Transponder(700).setInUse(1); })
            << ProblemKind::TransponderOnNoChain << -1;
        QTest::newRow("channel on no chain")
            << Plant([](ChannelDatabase& db) { db.Channel(2999).setState(1); })
            << ProblemKind::ChannelOnNoChain << -1;
        QTest::newRow("satellite count")
            << Plant([](ChannelDatabase& db) { db.Settings().setSatelliteCount(3); })
            << ProblemKind::SatelliteCountMismatch << -1;
        QTest::newRow("channels on a satellite in state 3")
            << Plant([](ChannelDatabase& db) { db.Satellite(1).setState(3); })
            << ProblemKind::ChannelsWithoutState << 1;
        QTest::newRow("service type against video PID")
            << Plant([](ChannelDatabase& db) { db.Channel(1).setVideoPid(0x300); })
            << ProblemKind::WrongServiceType << 0;
        QTest::newRow("channel number")
            << Plant([](ChannelDatabase& db) { db.Channel(4).setChannelNumber(9); })
            << ProblemKind::WrongChannelNumber << 0;
    }

    void findsPlantedDamage() {
        QFETCH(std::function<void(ChannelDatabase&)>, plant);
        QFETCH(ProblemKind, kind);
        QFETCH(int, satellite);
        ChannelDatabase db;
        BuildSound(db);
        plant(db);
        const DatabaseImage before = db.workingCopy();
        const auto problems = CheckConsistency(db);
        QVERIFY2(HasKind(problems, kind), qPrintable(Describe(problems)));
        for (const auto& p : problems) {
            QVERIFY(!p.message.empty());
            if (p.kind == kind)
                QCOMPARE(p.satellite, satellite);
        }
        QVERIFY(db.workingCopy() == before); // the check only reads
    }

    void reportsEveryProblemNotJustTheFirst() {
        ChannelDatabase db;
        BuildSound(db);
        db.Channel(1).setTransponder(3);
        db.Channel(7).setChannelNumber(5);
        db.Settings().setSatelliteCount(0);
        db.Transponder(1500).setInUse(3);
        const auto problems = CheckConsistency(db);
        QVERIFY(HasKind(problems, ProblemKind::ChannelOfOtherSatellite));
        QVERIFY(HasKind(problems, ProblemKind::WrongChannelNumber));
        QVERIFY(HasKind(problems, ProblemKind::SatelliteCountMismatch));
        QVERIFY(HasKind(problems, ProblemKind::TransponderOnNoChain));
    }

    void toleratesAnyContent() {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            ChannelDatabase db;
            QVERIFY(LoadInto(db, testsupport::RandomBytes(IMAGE_SIZE, seed)));
            const auto problems = CheckConsistency(db);
            QVERIFY(!problems.empty());
        }
        ChannelDatabase db;
        QVERIFY(LoadInto(db, std::vector<std::uint8_t>(IMAGE_SIZE, 0xFF)));
        const auto problems = CheckConsistency(db);
        QVERIFY(!problems.empty());
    }
};

QTEST_GUILESS_MAIN(TestConsistencyCheck)
#include "tst_consistencycheck.moc"
