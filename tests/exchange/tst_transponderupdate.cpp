// Planning and applying a transponder update from a satellites.xml list: which
// transponders are added, updated, not in the file and skipped, which beam a
// satellite takes, the tables' limits, and that an exported image reads back as
// no changes.
#include "SatellitesXmlCheck.h"
#include "model/ChainWalk.h"
#include "model/ConsistencyCheck.h"
#include "model/EditOperations.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"
#include "model/TransponderUpdate.h"

#include "TestSupport.h"

#include <QtTest>

#include <memory>

using namespace vormante;

namespace {

constexpr int ASTRA = 0;      // the demo image's Astra 1 19.2E, LNB Type 1
constexpr int FULL_002 = 1;   // the full image's second satellite: 11 channels on its first 11 transponders
constexpr unsigned C_LNB = 4; // the demo settings' Type 5 has 5150 MHz

SatelliteFile Parse(const QByteArray& satellites) {
    const SatellitesXmlRead read = ReadSatellitesXml("<satellites>\n" + satellites + "</satellites>\n");
    if (!read.ok)
        qFatal("test list refused: %s", read.error.c_str());
    return read.file;
}

QByteArray Tp(int kHz, int symbolRate, int polarization, int system = 0) {
    return QStringLiteral(
               "<transponder frequency=\"%1\" symbol_rate=\"%2\" polarization=\"%3\" system=\"%4\"/>\n")
        .arg(kHz)
        .arg(symbolRate)
        .arg(polarization)
        .arg(system)
        .toUtf8();
}

QByteArray Sat(const char* name, int position, const QByteArray& transponders) {
    return QStringLiteral("<sat name=\"%1\" flags=\"1\" position=\"%2\">\n")
               .arg(QLatin1String(name))
               .arg(position)
               .toUtf8() +
           transponders + "</sat>\n";
}

std::vector<unsigned> Frequencies(const ChannelDatabase& db, int satellite) {
    std::vector<unsigned> frequencies;
    chains::WalkTransponders(db, satellite, [&](int t) {
        frequencies.push_back(db.Transponder(t).frequency());
        return true;
    });
    return frequencies;
}

} // namespace

class TestTransponderUpdate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plansAndAppliesOneSatellite_data() {
        QTest::addColumn<bool>("dvbS2");
        QTest::addColumn<bool>("deleteUnlisted");
        QTest::addColumn<QList<unsigned>>("added");
        QTest::addColumn<int>("skipped");
        QTest::newRow("as proposed") << false << false << QList<unsigned>{12544, 10700} << 3;
        QTest::newRow("DVB-S2 too") << true << false << QList<unsigned>{12544, 10700, 11000} << 2;
        QTest::newRow("delete unlisted") << false << true << QList<unsigned>{12544, 10700} << 3;
    }

    void plansAndAppliesOneSatellite() {
        QFETCH(bool, dvbS2);
        QFETCH(bool, deleteUnlisted);
        QFETCH(QList<unsigned>, added);
        QFETCH(int, skipped);
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, BuildDemoImage()));
        AddTransponderWith(*db, ASTRA, {12700, 27500, 0}); // carries no channel
        const SatelliteFile file = Parse(Sat("19.2E Astra 1N/1P", 192,
                                             Tp(11836000, 27500000, 0) +     // line 3: the same
                                                 Tp(11955000, 27500000, 0) + // 11953 within 2 MHz
                                                 Tp(12188000, 29700000, 0) + // updated
                                                 Tp(12265000, 27500000, 2) + // circular left is received as H
                                                 Tp(12544000, 22000000, 3) + // circular right: V, a new one
                                                 Tp(10700000, 22000000, 1) + Tp(11000000, 27500000, 0, 1) +
                                                 Tp(11900000, 70000000, 0) +  // 70000 kS/s does not fit
                                                 Tp(11837000, 27500000, 0))); // repeats line 3
        TransponderUpdateOptions options;
        options.dvbS2 = dvbS2;
        options.deleteUnlisted = deleteUnlisted;
        const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, file, options);
        const SatelliteUpdate& astra = plan.satellites[ASTRA];
        QCOMPARE(astra.beam, 0);
        QList<unsigned> planned;
        for (const PlannedTransponder& t : astra.added)
            planned << t.frequency;
        QCOMPARE(planned, added);
        QCOMPARE(astra.updated.size(), std::size_t(1));
        const int updatedSlot = astra.updated[0].slot;
        QVERIFY(astra.updated[0].frequency == 12188 && astra.updated[0].symbolRateBefore == 27500 &&
                astra.updated[0].symbolRate == 29700);
        QCOMPARE(astra.unlisted.size(), std::size_t(3)); // 12544 H and 11797 H with channels, the spare one
        QCOMPARE(int(astra.skipped.size()), skipped);
        QVERIFY(astra.skipped.back().reason == "repeats the transponder of line 3");
        for (const SatelliteUpdate& other : plan.satellites)
            QVERIFY(other.satellite == ASTRA || other.beams.empty());

        const int channelsOnUpdated = CountChannelsOnTransponder(*db, updatedSlot, true);
        QVERIFY(ApplyTransponderUpdate(*db, plan));
        QCOMPARE(db->Transponder(updatedSlot).symbolRate(), 29700u);
        QCOMPARE(CountChannelsOnTransponder(*db, updatedSlot, true), channelsOnUpdated);
        std::vector<unsigned> chain{11836, 11953, 12188, 12544, 12265, 11797};
        if (!deleteUnlisted)
            chain.push_back(12700);
        chain.insert(chain.end(), added.begin(), added.end());
        QCOMPARE(Frequencies(*db, ASTRA), chain);
        QVERIFY(CheckConsistency(*db).empty());
    }

    void lnbTypePicksTheBeam_data() {
        QTest::addColumn<QByteArray>("satellites");
        QTest::addColumn<unsigned>("lnbType");
        QTest::addColumn<int>("beams");
        QTest::addColumn<int>("proposed");
        const QByteArray ku = Sat("19.2E Ku-band Astra", 192, Tp(11836000, 27500000, 0));
        const QByteArray cBeside = Sat("19.2E C-band Astra", 193, Tp(3700000, 30000000, 3));
        const QByteArray kuBeside = Sat("19.1E Other", 191, Tp(11836000, 27500000, 0));
        const QByteArray cHere = Sat("19.2E C-band", 192, Tp(3700000, 30000000, 3));
        QTest::newRow("Ku LNB, Ku beam") << ku + cBeside << 0u << 2 << 0;
        QTest::newRow("C LNB, C beam beside") << ku + cBeside << C_LNB << 2 << 1;
        QTest::newRow("C LNB, Ku beam only") << ku << C_LNB << 1 << -1;
        QTest::newRow("Ku beside is no beam") << kuBeside << 0u << 0 << -1;
        QTest::newRow("Ku beside a C beam") << cHere + kuBeside << 0u << 2 << 1;
        QTest::newRow("the same name wins") << ku + Sat("Astra 1 19.2E", 192, {}) << 0u << 2 << 1;
    }

    void lnbTypePicksTheBeam() {
        QFETCH(QByteArray, satellites);
        QFETCH(unsigned, lnbType);
        QFETCH(int, beams);
        QFETCH(int, proposed);
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, BuildDemoImage()));
        db->Satellite(ASTRA).setLnbType(lnbType);
        const SatelliteFile file = Parse(satellites);
        const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, file, {});
        const SatelliteUpdate& astra = plan.satellites[ASTRA];
        QCOMPARE(int(astra.beams.size()), beams);
        QCOMPARE(astra.proposedBeam, proposed);
        QCOMPARE(astra.beam, proposed);
        // Every satellite of the file but the one taken is offered, with an LNB type of its band.
        QCOMPARE(plan.offers.size(), file.satellites.size() - (proposed >= 0 ? 1 : 0));
        for (const SatelliteOffer& offer : plan.offers) {
            QVERIFY(offer.file != proposed);
            QCOMPARE(offer.proposedLnbType,
                     IsCBandBeam(file.satellites[std::size_t(offer.file)]) ? C_LNB : 0u);
        }
    }

    void tablesLimitWhatIsApplied_data() {
        QTest::addColumn<bool>("deleteUnlisted");
        QTest::addColumn<int>("fitting");
        QTest::newRow("table full") << false << 0;
        QTest::newRow("unlisted deleted make room") << true << 9; // Full 002's transponders without channels
    }

    void tablesLimitWhatIsApplied() {
        QFETCH(bool, deleteUnlisted);
        QFETCH(int, fitting);
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, BuildFullImage()));
        const DatabaseImage before = db->workingCopy();
        QByteArray fresh;
        for (int k = 0; k < 15; ++k)
            fresh += Tp(12650000 + 5000 * k, 27500000, 1);
        const SatelliteFile file =
            Parse(Sat("Full 002", db->Satellite(FULL_002).position(), fresh) +
                  Sat("10.0E New", 100, Tp(11000000, 27500000, 0) + Tp(11100000, 27500000, 0)));
        TransponderUpdateOptions options;
        options.deleteUnlisted = deleteUnlisted;
        options.additions[1] = 0;
        const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, file, options);
        QCOMPARE(plan.satellitesNotFitting, 1);
        QCOMPARE(plan.transpondersNotFitting, 15 - fitting + 2);
        QCOMPARE(plan.ChangesImage(), fitting > 0);
        QVERIFY(ApplyTransponderUpdate(*db, plan));
        QCOMPARE(satxmlcheck::UsedTransponders(*db), TRANSPONDER_SLOTS);
        if (fitting == 0) {
            QVERIFY(db->workingCopy() == before);
            return;
        }
        // The first ones in the file's order take the room, no more.
        const std::vector<unsigned> chain = Frequencies(*db, FULL_002);
        QCOMPARE(chain.size(), std::size_t(11 + fitting));
        QCOMPARE(chain[11], 12650u);
        QCOMPARE(chain.back(), unsigned(12650 + 5 * (fitting - 1)));
        QVERIFY(CheckConsistency(*db).empty());
    }

    void exportedImageReadsBackAsNoChanges_data() {
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("twins"); // two satellites of one name at one position
        QTest::newRow("demo") << false << false;
        QTest::newRow("full") << true << false;
        QTest::newRow("twins") << false << true;
    }

    void exportedImageReadsBackAsNoChanges() {
        QFETCH(bool, full);
        QFETCH(bool, twins);
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, full ? BuildFullImage() : BuildDemoImage()));
        if (twins) {
            const int twin = AddSatelliteWith(*db, {db->Satellite(ASTRA).name(), 192, 0});
            AddTransponderWith(*db, twin, {10714, 22000, 0});
        }
        const SatellitesXmlRead read = ReadSatellitesXml(WriteSatellitesXml(SatelliteFileOf(*db)));
        QVERIFY2(read.ok, read.error.c_str());
        const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, read.file, {});
        QVERIFY(!plan.ChangesImage());
        for (const SatelliteUpdate& update : plan.satellites) {
            QVERIFY(update.beam >= 0 ||
                    update.cBandLnb); // the full image gives Ku-band transponders a C-band LNB
            QVERIFY(update.added.empty() && update.updated.empty() && update.unlisted.empty());
        }
    }

    void applyRefusesAnotherImage() {
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, BuildDemoImage()));
        const TransponderUpdatePlan plan =
            PlanTransponderUpdate(*db, Parse(Sat("x", 192, Tp(10700000, 22000000, 1))), {});
        QVERIFY(plan.ChangesImage());
        StoreSatellite(*db, ASTRA, {"Renamed", 192, 0});
        const DatabaseImage edited = db->workingCopy();
        QVERIFY(!ApplyTransponderUpdate(*db, plan));
        QVERIFY(db->workingCopy() == edited);
    }

    void storedNames_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("position dropped") << QByteArray("19.2E Astra 1N/1P") << QByteArray("Astra 1N/1P");
        QTest::newRow("Ku-band dropped, cut")
            << QByteArray("0.8W Ku-band Thor 5/6/7 & Intelsat 10-02") << QByteArray("Thor 5/6/7 & In");
        QTest::newRow("C-band kept") << QByteArray("133.0W C-band Galaxy 33")
                                     << QByteArray("C-band Galaxy 3");
        QTest::newRow("Latin-1") << QByteArray("42.0E T\xC3\xBCrksat") << QByteArray("T\xFCrksat");
        QTest::newRow("beyond Latin-1") << QByteArray("\xE2\x82\xAC Sat\tA") << QByteArray("? Sat A");
        QTest::newRow("only a position") << QByteArray("19.2E ") << QByteArray("19.2E");
    }

    void storedNames() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, stored);
        QCOMPARE(QByteArray::fromStdString(StoredSatelliteName(name.toStdString())), stored);
    }
};

QTEST_GUILESS_MAIN(TestTransponderUpdate)
#include "tst_transponderupdate.moc"
