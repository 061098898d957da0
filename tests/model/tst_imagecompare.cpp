// Working across two images: ordering like another image after a rescan,
// comparing, and finding the channels a scan stored twice.
#include "ListTestSupport.h"
#include "ModelTestImages.h"

#include "model/BulkOperations.h"
#include "model/ChainWalk.h"
#include "model/ChannelList.h"
#include "model/ChannelMatcher.h"
#include "model/Duplicates.h"
#include "model/ImageDiff.h"
#include "model/ImageReorder.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

using namespace vormante;
using namespace listtest;

using Plant = std::function<void(ChannelDatabase&)>;
Q_DECLARE_METATYPE(Plant)

namespace {

struct ScannedChannel {
    int transponder; // slot in the source image
    std::string name;
    unsigned video, audio, pcr, teletext;
    bool scrambled;
};

// What a receiver's new scan might leave: the satellites in other slots, every
// transponder 1 MHz off, the channels found in another order (so in other slots),
// every sixth one gone, two new ones per satellite, and no lock or favourite set.
std::vector<std::uint8_t> Rescanned(const ChannelDatabase& source, std::uint32_t seed) {
    auto db = Loaded(testsupport::EmptyImage());
    std::mt19937 random(seed);
    for (int s = SATELLITE_SLOTS - 1; s >= 0; --s) {
        const ConstSatelliteRecord old = source.Satellite(s);
        if (!old.isUsed())
            continue;
        const int satellite = AllocateSatellite(*db);
        db->Satellite(satellite).setName(old.name());
        db->Satellite(satellite).setPosition(old.position());
        std::map<int, int> transponders;
        chains::WalkTransponders(source, s, [&](int t) {
            const ConstTransponderRecord from = source.Transponder(t);
            const int to = AddTransponder(*db, satellite);
            db->Transponder(to).setFrequency(from.frequency() + 1);
            db->Transponder(to).setSymbolRate(from.symbolRate());
            db->Transponder(to).setPolarization(from.polarization());
            transponders[t] = to;
            return true;
        });
        std::vector<ScannedChannel> found;
        chains::WalkChannels(source, s, [&](int c) {
            const ConstChannelRecord ch = source.Channel(c);
            found.push_back({ch.transponder(), ch.name(), ch.videoPid(), ch.audioPid(), ch.pcrPid(),
                             ch.teletextPid(), ch.scrambled()});
            return true;
        });
        std::shuffle(found.begin(), found.end(), random);
        for (std::size_t i = 0; i < found.size(); i += 6)
            found[i].name.clear(); // gone
        found.push_back({found.front().transponder, "New TV", 3001, 3002, 3001, NULL_PID, false});
        found.push_back({found.front().transponder, "New Radio", NULL_PID, 3003, 3003, NULL_PID, false});
        for (const ScannedChannel& channel : found) {
            if (channel.name.empty())
                continue;
            const int c = AddChannel(*db, transponders.at(channel.transponder));
            ChannelRecord record = db->Channel(c);
            record.setTransponder(static_cast<std::uint16_t>(transponders.at(channel.transponder)));
            record.setName(channel.name);
            record.setVideoPid(channel.video);
            record.setAudioPid(channel.audio);
            record.setPcrPid(channel.pcr);
            record.setTeletextPid(channel.teletext);
            record.setScrambled(channel.scrambled);
        }
        RenumberChannels(*db, satellite);
    }
    return BytesOf(*db);
}

// Per satellite position and type, the names in chain order.
std::map<std::pair<int, bool>, std::vector<std::string>> Order(const ChannelDatabase& db) {
    std::map<std::pair<int, bool>, std::vector<std::string>> order;
    for (const ImageChannel& channel : ListImageChannels(db))
        order[{channel.key.position, channel.tv}].push_back(channel.key.name);
    return order;
}

} // namespace

class TestImageCompare : public QObject {
    Q_OBJECT

private:
    std::vector<std::uint8_t> demo_ = BuildDemoImage();

private Q_SLOTS:
    void reorderAfterRescanRestoresTheOldOrder() {
        const auto old = Loaded(demo_);
        auto scanned = Loaded(Rescanned(*old, 5));
        QVERIFY(Consistent(*scanned));
        const auto oldOrder = Order(*old);
        QVERIFY(Order(*scanned) != oldOrder);

        const ChannelOrderPlan plan = PlanReorderLike(*scanned, *old, {});
        QVERIFY(plan.renamed.empty() && plan.flagsChanged.empty());
        QCOMPARE(plan.missing.size(), std::size_t(2 * 6)); // the two new channels of each satellite
        QVERIFY(ApplyReorder(*scanned, plan));
        QVERIFY(Consistent(*scanned));

        const auto now = Order(*scanned);
        for (const auto& [key, names] : oldOrder) {
            // The old order, less the channels the scan lost, then the new ones.
            std::vector<std::string> kept;
            const auto& present = now.at(key);
            for (const std::string& name : names)
                if (std::find(present.begin(), present.end(), name) != present.end())
                    kept.push_back(name);
            kept.push_back(key.second ? "New TV" : "New Radio");
            QCOMPARE(present, kept);
        }
        // Ordering again changes nothing, byte for byte.
        const auto bytes = BytesOf(*scanned);
        const ChannelOrderPlan again = PlanReorderLike(*scanned, *old, {true, true});
        QVERIFY(again.moved.empty());
        QVERIFY(ApplyReorder(*scanned, PlanReorderLike(*scanned, *old, {})));
        QVERIFY(BytesOf(*scanned) == bytes);
    }

    void reorderTakesNamesAndFlagsOnlyWhenAsked() {
        auto backup = Loaded(demo_);
        const int first = ListImageChannels(*backup).front().channel;
        backup->Channel(first).setName("Mine");
        backup->Channel(first).setLocked(true);
        backup->Channel(first).setFav3(true);
        backup->Channel(first).setScrambled(true); // the broadcaster's: never taken over
        auto image = Loaded(demo_);

        QVERIFY(!PlanReorderLike(*image, *backup, {}).ChangesImage(false));
        ChannelOrderPlan plan = PlanReorderLike(*image, *backup, {true, false});
        QCOMPARE(plan.renamed.size(), std::size_t(1));
        QVERIFY(plan.flagsChanged.empty());
        plan = PlanReorderLike(*image, *backup, {true, true});
        QCOMPARE(plan.flagsChanged.size(), std::size_t(1));
        QVERIFY(ApplyReorder(*image, plan));
        const ConstChannelRecord channel = image->Channel(first);
        QCOMPARE(channel.name(), std::string("Mine"));
        QVERIFY(channel.locked() && channel.fav3() && channel.fav1() && !channel.scrambled());
    }

    void diffOfAnImageWithItselfIsEmpty() {
        for (const auto& bytes : {demo_, BuildFullImage()}) {
            const auto a = Loaded(bytes);
            const auto b = Loaded(bytes);
            const ImageDifference difference = DiffImages(*a, *b);
            QVERIFY(difference.empty());
            QCOMPARE(FormatDifferenceReport(difference, "a", "b"),
                     std::string("Differences from a to b\nNo differences.\n"));
        }
    }

    // Each change the diff must name, on the demo image's first channel (slot 0) and its transponder
    // (slot 0); bytes no field shows still make the images differ, counted per part of the image.
    void diffNamesEveryChange_data() {
        QTest::addColumn<Plant>("plant");
        QTest::addColumn<QString>("says");
        const QString channel = "  TV 1 Das Erste: changed\n    ";
        const QString transponder = "  Transponder 11836 MHz H 27500 kS/s: ";
        const QString only = "No compared field differs, but bytes do.\n\nBytes that differ: ";
        const auto row = [](const char* name, const QString& says, const Plant& plant) {
            QTest::newRow(name) << plant << says;
        };
        row("video PID", channel + "video PID: 101 -> 4001\n",
            [](ChannelDatabase& db) { db.Channel(0).setVideoPid(4001); });
        row("audio PID", channel + "audio PID: 102 -> 4002\n",
            [](ChannelDatabase& db) { db.Channel(0).setAudioPid(4002); });
        const char* const flags[] = {"lock: 0 -> 1", "fav 1: 1 -> 0", "fav 2: 0 -> 1", "fav 3: 0 -> 1",
                                     "fav 4: 0 -> 1"};
        for (int flag = 0; flag < 5; ++flag)
            row(flags[flag], channel + flags[flag] + "\n",
                [flag](ChannelDatabase& db) { SetChannelsFlag(db, {0}, ChannelFlag(flag), flag != 1); });
        row("scrambled", channel + "scrambled: 0 -> 1\n",
            [](ChannelDatabase& db) { db.Channel(0).setScrambled(true); });
        row("2 MHz: the same transponder", transponder + "changed\n    frequency: 11836 -> 11838\n",
            [](ChannelDatabase& db) { db.Transponder(0).setFrequency(11838); });
        row("3 MHz: another transponder", transponder + "removed\n",
            [](ChannelDatabase& db) { db.Transponder(0).setFrequency(11839); });
        row("of two within 2 MHz, the first in the chain",
            transponder +
                "changed\n    frequency: 11836 -> 11837\n  Transponder 11835 MHz H 27500 kS/s: added\n",
            [](ChannelDatabase& db) {
                db.Transponder(0).setFrequency(11837);
                const int added = AddTransponder(db, 0);
                db.Transponder(added).setFrequency(11835);
                db.Transponder(added).setSymbolRate(27500);
            });
        row("the exact pass takes the same frequency only",
            transponder + "changed\n    frequency: 11836 -> 11835\n", [](ChannelDatabase& db) {
                db.Transponder(0).setFrequency(11835);
                db.Transponder(TransponderByOrdinal(db, 0, 1)).setFrequency(11838);
            });
        row("channel state", only + "1 in the channel table.\n",
            [](ChannelDatabase& db) { db.Channel(0).setState(3); });
        row("satellite count", only + "1 in the settings.\n",
            [](ChannelDatabase& db) { db.Settings().setSatelliteCount(7); });
        row("default channel", only + "1 in the satellite table.\n",
            [](ChannelDatabase& db) { db.Satellite(0).setDefaultTvChannel(1); });
        row("transponder number", only + "1 in the transponder table.\n",
            [](ChannelDatabase& db) { db.Transponder(0).setNumber(9); });
        row("transponder mark", only + "1 in the transponder marks.\n",
            [](ChannelDatabase& db) { db.TransponderMark(1999) ^= 1; });
        row("sector header", only + "1 in the sector headers.\n",
            [](ChannelDatabase& db) { db.workingCopy()[layout::SECTOR_OFFSETS[2] + 3] ^= 1; });
        row("unused byte", only + "1 of the unused bytes.\n",
            [](ChannelDatabase& db) { db.workingCopy()[IMAGE_SIZE - 1] ^= 1; });
    }
    void diffNamesEveryChange() {
        QFETCH(Plant, plant);
        QFETCH(QString, says);
        const auto a = Loaded(demo_);
        auto b = Loaded(demo_);
        plant(*b);
        const ImageDifference difference = DiffImages(*a, *b);
        QVERIFY(!difference.empty());
        const QString report = QString::fromStdString(FormatDifferenceReport(difference, "a", "b"));
        QVERIFY2(report.contains(says), qPrintable(report));
    }

    void diffListsExactlyThePlantedDifferences() {
        const auto a = Loaded(demo_);
        auto b = Loaded(demo_);
        const auto channels = ListImageChannels(*b);
        const ImageChannel& renamed = channels[0];  // Astra 1, TV 1
        const ImageChannel& flagged = channels[1];  // Astra 1, TV 2
        const ImageChannel& gone = channels.back(); // the last satellite's last radio channel
        b->Channel(renamed.channel).setName("Erste HD");
        b->Channel(flagged.channel).setLocked(true);
        QVERIFY(DeleteChannel(*b, gone.channel, gone.satellite));
        RenumberChannels(*b, gone.satellite);
        const int hotbird = channels[30].satellite;
        const int tp = TransponderByOrdinal(*b, hotbird, 0);
        b->Transponder(tp).setSymbolRate(22000);
        b->Satellite(hotbird).setName("Hot Bird");
        const int added = AllocateSatellite(*b);
        b->Satellite(added).setName("Added");
        b->Satellite(added).setPosition(-300);
        b->Settings().setMenuLanguage(b->Settings().menuLanguage() ^ 1);

        const ImageDifference difference = DiffImages(*a, *b);
        QCOMPARE(difference.satellites.size(), std::size_t(4));
        const SatelliteDifference& astra = difference.satellites[0];
        QCOMPARE(astra.kind, DiffKind::Changed);
        QVERIFY(astra.fields.empty() && astra.transponders.empty());
        QCOMPARE(astra.channels.size(), std::size_t(2));
        QCOMPARE(astra.channels[0].item, std::string("TV 1 Das Erste"));
        QCOMPARE(astra.channels[0].fields.size(), std::size_t(1));
        QCOMPARE(astra.channels[0].fields[0].field, std::string("name"));
        QCOMPARE(astra.channels[0].fields[0].after, std::string("\"Erste HD\""));
        QCOMPARE(astra.channels[1].fields.size(), std::size_t(1));
        QCOMPARE(astra.channels[1].fields[0].field, std::string("lock"));

        const SatelliteDifference& hot = difference.satellites[1];
        QCOMPARE(hot.fields.size(), std::size_t(1));
        QCOMPARE(hot.fields[0].after, std::string("\"Hot Bird\""));
        QCOMPARE(hot.transponders.size(), std::size_t(1));
        QCOMPARE(hot.transponders[0].fields[0].field, std::string("symbol rate"));
        // The symbol rate is part of a channel's identity; its name still tells the transponder's channels.
        QVERIFY(!hot.channels.empty());
        QVERIFY(std::all_of(hot.channels.begin(), hot.channels.end(), [](const ItemDifference& item) {
            return item.kind == DiffKind::Changed && item.fields.size() == 1 &&
                   item.fields[0].field == "symbol rate";
        }));

        const SatelliteDifference& last = difference.satellites[2];
        QCOMPARE(last.channels.size(), std::size_t(1));
        QCOMPARE(last.channels[0].kind, DiffKind::Removed);
        QCOMPARE(difference.satellites[3].kind, DiffKind::Added);
        QCOMPARE(difference.satellites[3].name, std::string("Added"));
        QCOMPARE(difference.settings.size(), std::size_t(1));
        QCOMPARE(difference.settings[0].field, std::string("menu language"));

        const std::string report = FormatDifferenceReport(difference, "old.bin", "new.bin");
        QVERIFY(report.find("Satellite Astra 1 19.2E (19.2E): changed\n  TV 1 Das Erste: changed\n"
                            "    name: \"Das Erste\" -> \"Erste HD\"\n") != std::string::npos);
        QVERIFY(report.find("Satellite Added (30.0W): added") != std::string::npos);
        QVERIFY(report.find("Settings: changed\n  menu language: ") != std::string::npos);
        // The other way round, added and removed swap.
        const ImageDifference back = DiffImages(*b, *a);
        QCOMPARE(back.satellites.back().kind, DiffKind::Removed);
    }

    void duplicatesAreFoundAndExtraCopiesDeleted() {
        auto db = Loaded(demo_);
        QVERIFY(FindDuplicates(*db).empty());
        const auto channels = ListImageChannels(*db);
        // Two copies of the first channel, one on a transponder 2 MHz off, and one copy of a radio channel.
        const auto copy = [&](const ImageChannel& of, int transponder) {
            const ConstChannelRecord from = db->Channel(of.channel);
            const int c = AddChannel(*db, transponder);
            ChannelRecord to = db->Channel(c);
            to.setTransponder(static_cast<std::uint16_t>(transponder));
            to.setName(from.name() + "*");
            to.setVideoPid(from.videoPid());
            to.setAudioPid(from.audioPid());
            RenumberChannels(*db, of.satellite);
            return c;
        };
        const int satellite = channels[0].satellite;
        const int tp = channels[0].key.frequency ? db->Channel(channels[0].channel).transponder() : -1;
        const int shifted = AddTransponder(*db, satellite);
        db->Transponder(shifted).setFrequency(channels[0].key.frequency + 2);
        db->Transponder(shifted).setSymbolRate(channels[0].key.symbolRate);
        const int copy1 = copy(channels[0], tp);
        const int copy2 = copy(channels[0], shifted);
        const auto radio =
            std::find_if(channels.begin(), channels.end(), [](const ImageChannel& c) { return !c.tv; });
        const int copy3 = copy(*radio, db->Channel(radio->channel).transponder());
        // One extra copy in the middle of the chain: deleting it renumbers the channels after it.
        QVERIFY(MoveChannel(*db, satellite, copy2, channels[1].channel, true));
        RenumberChannels(*db, satellite);

        const auto groups = FindDuplicates(*db);
        QCOMPARE(groups.size(), std::size_t(2));
        QCOMPARE(groups[0].channels, (std::vector<int>{channels[0].channel, copy2, copy1}));
        QCOMPARE(groups[1].channels, (std::vector<int>{radio->channel, copy3}));
        QCOMPARE(ExtraCopies(groups), (std::vector<int>{copy2, copy1, copy3}));

        const auto before = BytesOf(*db);
        QVERIFY(!DeleteChannels(*db, {copy1, copy1})); // twice
        QVERIFY(!DeleteChannels(*db, {copy1, 2999}));  // a free slot
        QVERIFY(!DeleteChannels(*db, {copy1, -1}));    // no slot at all
        QVERIFY(BytesOf(*db) == before);
        QVERIFY(DeleteChannels(*db, ExtraCopies(groups)));
        QVERIFY(FindDuplicates(*db).empty());
        QVERIFY(Consistent(*db));
    }

    void everythingStaysInsideDamagedImages() {
        // Random bytes: chains run wild, slots point anywhere. Nothing may crash or read outside.
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            auto a = Loaded(testsupport::RandomBytes(IMAGE_SIZE, seed));
            auto b = Loaded(seed % 2 ? demo_ : testsupport::RandomBytes(IMAGE_SIZE, seed + 100));
            (void)DiffImages(*a, *b);
            (void)FindDuplicates(*a);
            const ListReadResult read = ReadChannelList(WriteChannelList(*a));
            QVERIFY(read.ok);
            const ChannelOrderPlan plan = PlanReorderLike(*a, *b, {true, true});
            // A damaged image may be refused, never broken further.
            const auto problems = CheckConsistency(*a).size();
            if (ApplyReorder(*a, plan))
                QVERIFY(CheckConsistency(*a).size() <= problems);
            (void)DeleteChannels(*a, ExtraCopies(FindDuplicates(*a)));
        }
    }
};

QTEST_GUILESS_MAIN(TestImageCompare)
#include "tst_imagecompare.moc"
