// The demo and full sample images: consistent, with the contents they promise.
#include "TestSupport.h"

#include "model/ConsistencyCheck.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"

#include <QTest>

#include <memory>
#include <set>

using namespace vormante;

namespace {

struct Counts {
    int satellites = 0, transponders = 0, tv = 0, radio = 0, other = 0;
    int scrambled = 0, locked = 0, favourites = 0;
};

Counts CountRecords(const ChannelDatabase& db) {
    Counts counts;
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        counts.satellites += db.Satellite(s).isUsed();
    for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
        counts.transponders += db.Transponder(t).isUsed();
    for (int c = 0; c < CHANNEL_SLOTS; ++c) {
        const ConstChannelRecord ch = db.Channel(c);
        if (!ch.isOccupied())
            continue;
        (ch.serviceType() == ChannelRecord::SERVICE_TV      ? counts.tv
         : ch.serviceType() == ChannelRecord::SERVICE_RADIO ? counts.radio
                                                            : counts.other)++;
        counts.scrambled += ch.scrambled();
        counts.locked += ch.locked();
        counts.favourites += ch.fav1() || ch.fav2() || ch.fav3() || ch.fav4();
    }
    return counts;
}

QString Problems(const ChannelDatabase& db) {
    QString text;
    for (const auto& problem : CheckConsistency(db))
        text += QString::fromStdString(problem.message) + "\n";
    return text;
}

} // namespace

class TestSampleImages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void demoImageIsConsistentAndRealistic() {
        const std::vector<std::uint8_t> image = BuildDemoImage();
        QCOMPARE(image.size(), IMAGE_SIZE);
        QVERIFY(image == BuildDemoImage()); // the same bytes every time
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, image));
        QCOMPARE(Problems(*db), QString());

        const Counts counts = CountRecords(*db);
        QCOMPARE(counts.satellites, 6);
        QCOMPARE(counts.transponders, 24);
        QCOMPARE(counts.tv, 64);
        QCOMPARE(counts.radio, 20);
        QCOMPARE(counts.other, 0);
        QVERIFY(counts.scrambled >= 5);
        QVERIFY(counts.locked >= 2);
        QVERIFY(counts.favourites >= 10);

        const ConstSystemSettingsBlock settings = db->Settings();
        QCOMPARE(settings.satelliteCount(), 6u);
        QCOMPARE(settings.currentSatellite(), 0u);
        QCOMPARE(db->Satellite(0).name(), std::string("Astra 1 19.2E"));
        QCOMPARE(FormatPosition(db->Satellite(0).position()), std::string("19.2E"));
        QCOMPARE(FormatPosition(db->Satellite(3).position()), std::string("5.0W"));
        QCOMPARE(std::string(texts::At(texts::DELAY_TIME, settings.delayTime() - 1)), std::string("3 Sec"));
        QCOMPARE(std::string(texts::At(texts::TIME_ZONES, settings.timeZone())),
                 std::string("Berlin, Stockholm, Rome, Bern"));
        QCOMPARE(settings.pinCode(), std::string("0000"));
        const LnbFrequencies type1 = LnbFrequenciesOf(settings, 0);
        QCOMPARE(type1.lowMHz.value_or(0), 9750u);
        QCOMPARE(type1.highMHz.value_or(0), 10600u);
        std::set<unsigned> lnbTypes;
        for (int s = 0; s < 6; ++s) {
            lnbTypes.insert(db->Satellite(s).lnbType());
            const LnbFrequencies f = LnbFrequenciesOf(settings, static_cast<int>(db->Satellite(s).lnbType()));
            QVERIFY2(f.lowMHz && f.highMHz, "every satellite's LNB type has frequencies");
        }
        QVERIFY(lnbTypes.size() >= 5);

        // Names fit their fields; the first TV channel of each satellite is its default.
        for (int c = 0; c < CHANNEL_SLOTS; ++c) {
            const ConstChannelRecord ch = db->Channel(c);
            if (!ch.isOccupied())
                continue;
            QVERIFY(!ch.name().empty() && ch.name().size() <= 11);
            QVERIFY(ch.name() != "Unnamed");
            QVERIFY(ch.transponder() < TRANSPONDER_SLOTS);
            QCOMPARE(ch.serviceType() == ChannelRecord::SERVICE_RADIO, ch.videoPid() == NULL_PID);
        }
        QCOMPARE(db->Channel(FindChannel(*db, 0, -1, true, 1)).name(), std::string("Das Erste"));
        QCOMPARE(static_cast<int>(db->Satellite(0).defaultTvChannel()), FindChannel(*db, 0, -1, true, 1));
        QCOMPARE(static_cast<int>(db->Satellite(0).defaultRadioChannel()), FindChannel(*db, 0, -1, false, 1));
    }

    void fullImageFillsEveryTable() {
        const std::vector<std::uint8_t> image = BuildFullImage();
        QCOMPARE(image.size(), IMAGE_SIZE);
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, image));
        QCOMPARE(Problems(*db), QString());

        const Counts counts = CountRecords(*db);
        QCOMPARE(counts.satellites, SATELLITE_SLOTS);
        QCOMPARE(counts.transponders, TRANSPONDER_SLOTS);
        QCOMPARE(counts.tv + counts.radio, CHANNEL_SLOTS);
        QVERIFY(counts.radio > 0 && counts.tv > 0);
        QCOMPARE(db->Settings().satelliteCount(), unsigned(SATELLITE_SLOTS));

        QCOMPARE(db->Satellite(0).channelCount(), unsigned(full_image::BIG_SATELLITE_CHANNELS));
        const int bigTransponder = db->Satellite(0).firstTransponder();
        QCOMPARE(CountChannelsOnTransponder(*db, bigTransponder, true) +
                     CountChannelsOnTransponder(*db, bigTransponder, false),
                 full_image::BIG_TRANSPONDER_CHANNELS);
        unsigned channelsElsewhere = 0;
        for (int s = 1; s < SATELLITE_SLOTS; ++s) {
            QCOMPARE(db->Satellite(s).transponderCount(), unsigned(full_image::TRANSPONDERS_PER_SATELLITE));
            QVERIFY(db->Satellite(s).channelCount() > 0);
            channelsElsewhere += db->Satellite(s).channelCount();
        }
        QCOMPARE(channelsElsewhere, unsigned(CHANNEL_SLOTS - full_image::BIG_SATELLITE_CHANNELS));

        // Nothing more fits anywhere.
        QCOMPARE(AllocateSatellite(*db), SATELLITES_FULL);
        QCOMPARE(AddTransponder(*db, 0), -1);
        QCOMPARE(AddChannel(*db, bigTransponder), -1);
        QVERIFY(!db->IsChanged());
    }
};

QTEST_GUILESS_MAIN(TestSampleImages)
#include "tst_sampleimages.moc"
