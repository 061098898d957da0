// Channel search: folded name matching, number and PID queries, the search over all
// satellites, and the table figures.
#include "ModelFixture.h"
#include "model/ChannelSearch.h"
#include "model/SampleImages.h"

#include <QtTest>

using namespace vormante;
using namespace modeltest;
using testsupport::LoadInto;

namespace {
std::vector<std::string> Names(const std::vector<ChannelMatch>& matches) {
    std::vector<std::string> names;
    for (const ChannelMatch& match : matches)
        names.push_back(match.name);
    return names;
}
} // namespace

class TestChannelSearch : public ModelFixture {
    Q_OBJECT

private Q_SLOTS:
    void foldsCaseAndAccents() {
        QCOMPARE(FoldLatin1("ZDF neo"), std::string("zdf neo"));
        QCOMPARE(FoldLatin1("T\xC9L\xC9 \xE9t\xE9"), std::string("tele ete"));
        QCOMPARE(FoldLatin1("\xC4\xD6\xDC\xE4\xF6\xFC\xDF"), std::string("aouaouss"));
        QCOMPARE(FoldLatin1("\xC6\xE6\xD8\xF8\xC5\xE5\xD1\xF1\xC7\xE7\xDE\xFF"), std::string("aeaeooaanncc"
                                                                                             "th"
                                                                                             "y"));
        // Signs and digits are no letters and stay as they are.
        QCOMPARE(FoldLatin1("\xD7\xF7 1+2"), std::string("\xD7\xF7 1+2"));
    }

    void matchesNamesBothWaysFolded() {
        QVERIFY(ChannelQuery("zdf").MatchesName("ZDF info"));
        QVERIFY(ChannelQuery("  Info ").MatchesName("ZDF info"));
        QVERIFY(ChannelQuery("tele").MatchesName("T\xC9L\xC9 5"));
        QVERIFY(ChannelQuery("T\xC9L\xC9").MatchesName("Tele 5"));
        QVERIFY(ChannelQuery("strasse").MatchesName("Stra\xDF"
                                                    "e 1"));
        QVERIFY(!ChannelQuery("zdf").MatchesName("ARD"));
        QVERIFY(ChannelQuery("3sat").MatchesName("3sat HD"));
        QVERIFY(ChannelQuery("").MatchesName("anything"));
        QVERIFY(ChannelQuery("").empty());
        QVERIFY(ChannelQuery("   ").empty());
        // A NUL stands for a character with no Latin-1 form: it is in no name.
        QVERIFY(!ChannelQuery(std::string_view("a\0", 2)).MatchesName("abc"));
    }

    void numberQueriesMatchNumbersAndPidsOnly() {
        QVERIFY(loadEmpty());
        AddSatelliteWithTransponders(db_, 1);
        const int c = StoreChannel(db_, 0, "Ch 42", true);
        ChannelRecord channel = db_.Channel(c);
        channel.setVideoPid(511);
        channel.setAudioPid(512);
        channel.setPcrPid(513);
        channel.setTeletextPid(514);
        channel.setChannelNumber(77);
        for (const char* hit : {"511", "512", "513", "514", "77", "3", " 0511 "})
            QVERIFY2(ChannelQuery(hit).Matches(channel, 3), hit);
        for (const char* miss : {"42", "510", "1", "99999999999999", "5 1"})
            QVERIFY2(!ChannelQuery(miss).Matches(channel, 3), miss);
        QVERIFY(ChannelQuery("42x").numeric() == false);
        QCOMPARE(ChannelQuery("99999999999999").number(), -1L);
        // 0x1FFF is "no PID": typing it finds no channel merely for lacking a PID.
        channel.setTeletextPid(NULL_PID);
        QVERIFY(!ChannelQuery("8191").Matches(channel, 3));
    }

    void findsOnEverySatelliteInListOrder() {
        QVERIFY(loadEmpty());
        const int astra = AddSatelliteWithTransponders(db_, 2, "Astra");
        const int hotbird = AddSatelliteWithTransponders(db_, 1, "Hotbird");
        const int t0 = TransponderByOrdinal(db_, astra, 0);
        const int t1 = TransponderByOrdinal(db_, astra, 1);
        const int h0 = TransponderByOrdinal(db_, hotbird, 0);
        StoreChannel(db_, t0, "Das Erste", true);
        StoreChannel(db_, t1, "ZDF", true);
        StoreChannel(db_, t1, "ZDF Radio", false);
        const int zdfInfo = StoreChannel(db_, t1, "zdfinfo", true);
        StoreChannel(db_, h0, "Rai", true);
        const int hotbirdZdf = StoreChannel(db_, h0,
                                            "Z\xC4"
                                            "DF",
                                            true); // no fold makes this "zdf"
        StoreChannel(db_, h0, "\xC9ZDF", false);

        const std::vector<ChannelMatch> matches = FindChannels(db_, "zdf");
        QCOMPARE(Names(matches), (std::vector<std::string>{"ZDF", "ZDF Radio", "zdfinfo", "\xC9ZDF"}));
        const ChannelMatch& info = matches[2];
        QCOMPARE(info.satellite, astra);
        QCOMPARE(info.transponder, t1);
        QVERIFY(info.tv);
        QCOMPARE(info.number, 3); // Das Erste, ZDF, zdfinfo
        QCOMPARE(info.numberOnTransponder, 2);
        QCOMPARE(info.channel, zdfInfo);
        QVERIFY(!matches[1].tv);
        QCOMPARE(matches[1].number, 1);
        QCOMPARE(matches[3].satellite, hotbird);
        QCOMPARE(matches[3].number, 1);

        QCOMPARE(Names(FindChannels(db_, "za")), std::vector<std::string>{"Z\xC4"
                                                                          "DF"});
        QCOMPARE(FindChannels(db_, "za").front().channel, hotbirdZdf);
        // Number 2 is the second TV channel of each satellite; radio has only ones.
        QCOMPARE(Names(FindChannels(db_, "2")), (std::vector<std::string>{"ZDF", "Z\xC4"
                                                                                 "DF"}));
        QCOMPARE(FindChannels(db_, "").size(), std::size_t(7));
        QVERIFY(FindChannels(db_, "nothing").empty());
    }

    void survivesBrokenChains() {
        QVERIFY(loadEmpty(1));
        const int a = StoreChannel(db_, 0, "A", true);
        const int b = StoreChannel(db_, 0, "B", true);
        db_.Channel(b).setNextChannel(a);    // a cycle
        db_.Channel(a).setTransponder(4000); // out of the table
        std::vector<ChannelMatch> matches = FindChannels(db_, "");
        QCOMPARE(matches.size(), std::size_t(2));
        QCOMPARE(matches[0].transponder, -1);
        QCOMPARE(matches[0].numberOnTransponder, 0);
        db_.Satellite(sat_).setFirstChannel(9000);
        QVERIFY(FindChannels(db_, "").empty());
    }

    void findsInTheFullImage() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, BuildFullImage()));
        QCOMPARE(FindChannels(db, "").size(), std::size_t(CHANNEL_SLOTS));
        const std::vector<ChannelMatch> matches = FindChannels(db, "tv 1-1001");
        QCOMPARE(matches.size(), std::size_t(1));
        QCOMPARE(matches.front().satellite, 0);
    }

    void countsTheTables() {
        QVERIFY(loadEmpty());
        ImageStatistics empty = CountImage(db_);
        QCOMPARE(empty.satellites + empty.transponders + empty.channels, 0);
        AddSatelliteWithTransponders(db_, 3);
        AddSatelliteWithTransponders(db_, 1);
        StoreChannel(db_, 0, "T1", true);
        StoreChannel(db_, 0, "T2", true);
        StoreChannel(db_, 1, "R1", false);
        const ImageStatistics figures = CountImage(db_);
        QCOMPARE(figures.satellites, 2);
        QCOMPARE(figures.transponders, 4);
        QCOMPARE(figures.channels, 3);
        QCOMPARE(figures.tvChannels, 2);
        QCOMPARE(figures.radioChannels, 1);

        QVERIFY(LoadInto(db_, BuildFullImage()));
        const ImageStatistics full = CountImage(db_);
        QCOMPARE(full.satellites, SATELLITE_SLOTS);
        QCOMPARE(full.transponders, TRANSPONDER_SLOTS);
        QCOMPARE(full.channels, CHANNEL_SLOTS);
        QCOMPARE(full.tvChannels + full.radioChannels, CHANNEL_SLOTS);
    }
};

QTEST_GUILESS_MAIN(TestChannelSearch)
#include "tst_channelsearch.moc"
