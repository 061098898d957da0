// Lists of names: reading what people keep, matching in rounds with each channel
// taken once, ordering one kind of one satellite, renaming, and storing a shown order.
#include "ListTestSupport.h"
#include "ModelTestImages.h"
#include "ReaderRefusalCheck.h"

#include "model/BulkOperations.h"
#include "model/NamesOrder.h"
#include "model/SampleImages.h"

#include <QtTest>

using namespace vormante;
using namespace listtest;
using namespace modeltest;

namespace {

// One satellite: TV channels with the given names, a radio channel after every second.
std::unique_ptr<ChannelDatabase> Satellite(const QStringList& tvNames) {
    auto db = Loaded(testsupport::EmptyImage());
    const int s = AddSatelliteWithTransponders(*db, 1);
    const int t = db->Satellite(s).firstTransponder();
    for (int i = 0; i < tvNames.size(); ++i) {
        StoreChannel(*db, t, tvNames[i].toLatin1().toStdString(), true);
        if (i % 2 == 1)
            StoreChannel(*db, t, "Radio " + std::to_string(i), false);
    }
    return db;
}

QStringList Names(const ChannelDatabase& db, const std::vector<int>& channels) {
    QStringList names;
    for (const int c : channels)
        names << QString::fromLatin1(db.Channel(c).name());
    return names;
}

NamesOrderPlan Plan(const ChannelDatabase& db, const std::string& list, NamesOrderOptions options = {}) {
    const NamesListResult read = ReadNamesList(list);
    if (!read.ok)
        qFatal("%s", read.error.c_str());
    options.satellite = 0;
    return PlanNamesOrder(db, read.lines, options);
}

} // namespace

class TestNamesOrder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheFormsPeopleKeep_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("plain, blanks, comments")
            << QByteArray("# mine\n\nZDF\n  arte  \n") << QStringList{"ZDF", "arte"} << QList<int>{3, 4};
        QTest::newRow("numbers order") << QByteArray("3;ZDF\r\n1,arte\r\n2\tRTL\r\nVOX\r\n")
                                       << QStringList{"arte", "RTL", "VOX", "ZDF"} << QList<int>{2, 3, 4, 1};
        QTest::newRow("bom, lone CR, quotes") << QByteArray("\xEF\xBB\xBF"
                                                            "1;\"Sky \"\"1\"\"\"\r2 ; 3sat\r")
                                              << QStringList{"Sky \"1\"", "3sat"} << QList<int>{1, 2};
        QTest::newRow("digits without separator")
            << QByteArray("3sat\n13th Street\n") << QStringList{"3sat", "13th Street"} << QList<int>{1, 2};
        QTest::newRow("windows-1252")
            << QByteArray("T\xE9l\xE9 5\n\x80uro\n") << QStringList{"Télé 5", "€uro"} << QList<int>{1, 2};
    }
    void readsTheFormsPeopleKeep() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, lines);
        const NamesListResult read = ReadNamesList(text.toStdString());
        QVERIFY2(read.ok, read.error.c_str());
        QStringList got;
        QList<int> at;
        for (const NamesLine& line : read.lines) {
            got << QString::fromStdString(line.name);
            at << line.line;
        }
        QCOMPARE(got, names);
        QCOMPARE(at, lines);
    }

    void refusesWhatIsNoListWithTheLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("binary") << QByteArray("ZDF\nar\0te\n", 10) << 2 << "control character 0x00";
        QTest::newRow("100000 lines")
            << QByteArray("a\n").repeated(100000) << 10001 << "more than 10000 lines";
        QTest::newRow("10000 characters") << "ZDF\n" + QByteArray(10000, 'x') << 2 << "longer than 1000";
        QTest::newRow("too large") << QByteArray(int(MAX_NAMES_BYTES) + 1, 'x') << 0 << "larger than 1 MiB";
    }
    void refusesWhatIsNoListWithTheLine() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const NamesListResult read =
            ReadNamesList(std::string_view(text.constData(), std::size_t(text.size())));
        QVERIFY(!read.ok && read.lines.empty());
        CheckRefusal(read.errorLine, read.error, line, reason);
    }

    void matchesInRoundsEachChannelOnce_data() {
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("taken"); // per line: channel name and how, or "-"
        QTest::newRow("exact before case-folded") << QStringList{"zdf", "ZDF"} << QByteArray("ZDF\nZ.D.F.\n")
                                                  << QStringList{"ZDF exact", "zdf case-folded"};
        QTest::newRow("exact round first for every line")
            << QStringList{"ZDF", "ZDF HD"} << QByteArray("ZDF HD\nZDF\n")
            << QStringList{"ZDF HD exact", "ZDF exact"};
        QTest::newRow("loose: markers and accents")
            << QStringList{"Tele 5", "ITV", "ZDF", "Sky"}
            << QByteArray("T\xC3\xA9l\xC3\xA9 5 HD\nITV+1\nzdf (sd)\nSky UHD\n")
            << QStringList{"Tele 5 loose", "ITV loose", "ZDF loose", "-"};
        QTest::newRow("not Latin-1 matches nothing")
            << QStringList{"1"} << QByteArray("\xD0\xA0\xD0\xA2\xD0\xA0 1\n1\n")
            << QStringList{"-", "1 exact"};
        QTest::newRow("a line never takes two")
            << QStringList{"ZDF", "ZDF", "arte"} << QByteArray("zdf\nZDF\nzdf\n")
            << QStringList{"ZDF case-folded", "ZDF exact", "-"};
    }
    void matchesInRoundsEachChannelOnce() {
        QFETCH(QStringList, channels);
        QFETCH(QByteArray, list);
        QFETCH(QStringList, taken);
        auto db = Satellite(channels);
        const NamesOrderPlan plan = Plan(*db, list.toStdString());
        QStringList got;
        std::vector<int> listed;
        for (const MatchedNameLine& line : plan.lines) {
            got << (line.channel < 0 ? QStringLiteral("-")
                                     : QString::fromLatin1(db->Channel(line.channel).name()) + " " +
                                           NameMatchText(line.match));
            if (line.channel >= 0)
                listed.push_back(line.channel);
        }
        QCOMPARE(got, taken);
        // Every channel of the kind is listed or left out, once.
        std::vector<int> all = listed;
        all.insert(all.end(), plan.unlisted.begin(), plan.unlisted.end());
        std::sort(all.begin(), all.end());
        std::vector<int> kind = ChannelsOfKind(*db, 0, true);
        std::sort(kind.begin(), kind.end());
        QVERIFY(all == kind);
    }

    void severalCandidatesDefaultToChainOrderAndMayBePicked() {
        auto db = Satellite({"ZDF", "arte", "ZDF"});
        const std::vector<int> kind = ChannelsOfKind(*db, 0, true);
        NamesOrderPlan plan = Plan(*db, "ZDF\nZDF\n");
        QVERIFY(plan.lines[0].candidates == (std::vector<int>{kind[0], kind[2]}));
        QCOMPARE(plan.lines[0].channel, kind[0]);
        QCOMPARE(plan.lines[1].channel, kind[2]);
        NamesOrderOptions options;
        options.picks[0] = kind[2];
        plan = Plan(*db, "ZDF\nZDF\n", options);
        QCOMPARE(plan.lines[0].channel, kind[2]);
        QCOMPARE(plan.lines[1].channel, kind[0]);
        QVERIFY(plan.lines[0].candidates.size() == 2); // the pick can be taken back
        QVERIFY(ApplyNamesOrder(*db, plan));
        QCOMPARE(Names(*db, ChannelsOfKind(*db, 0, true)), (QStringList{"ZDF", "ZDF", "arte"}));
        QVERIFY(ChannelsOfKind(*db, 0, true)[0] == kind[2]);
    }

    void ordersOneKindAndLeavesTheOtherInPlace() {
        for (const bool deleteUnlisted : {false, true}) {
            auto db = Satellite({"A", "B", "C", "D"});
            const QStringList radio = Names(*db, ChannelsOfKind(*db, 0, false));
            NamesOrderOptions options;
            options.deleteUnlisted = deleteUnlisted;
            const NamesOrderPlan plan = Plan(*db, "D\nnobody\nB\n", options);
            QCOMPARE(Names(*db, plan.unlisted), (QStringList{"A", "C"}));
            QVERIFY(ApplyNamesOrder(*db, plan));
            const QStringList expected =
                deleteUnlisted ? QStringList{"D", "B"} : QStringList{"D", "B", "A", "C"};
            QCOMPARE(Names(*db, ChannelsOfKind(*db, 0, true)), expected);
            QCOMPARE(Names(*db, ChannelsOfKind(*db, 0, false)), radio);
            QVERIFY(Consistent(*db));
        }
    }

    void renameTakesTheSpellingThatFits() {
        auto db = Satellite({"Das Erste", "ZDF", "arte"});
        NamesOrderOptions options;
        options.rename = true;
        const NamesOrderPlan plan = Plan(*db, "ARTE\nD.a.s. E.r.s.t.e\nZDF\n", options);
        QCOMPARE(plan.order.renamed.size(), std::size_t(1));
        QCOMPARE(plan.namesTooLong, (std::vector<std::size_t>{1}));
        QVERIFY(ApplyNamesOrder(*db, plan));
        QCOMPARE(Names(*db, ChannelsOfKind(*db, 0, true)), (QStringList{"ARTE", "Das Erste", "ZDF"}));
    }

    void windows1252AndUtf8GiveTheSameResult() {
        const QString list = QString::fromUtf8("Télé 5\nÇa TV\nARTE\n");
        std::vector<std::uint8_t> results[2];
        for (int i = 0; i < 2; ++i) {
            auto db = Satellite({"arte", "Ca", "Tele 5"});
            const QByteArray bytes = i == 0 ? list.toUtf8() : list.toLatin1();
            NamesOrderOptions options;
            options.rename = true;
            const NamesOrderPlan plan = Plan(*db, bytes.toStdString(), options);
            QCOMPARE(plan.Count(NameMatch::None), std::size_t(0));
            QVERIFY(ApplyNamesOrder(*db, plan));
            results[i] = BytesOf(*db);
        }
        QVERIFY(results[0] == results[1]);
    }

    void exportedListChangesNothing_data() { testsupport::AddSampleImageRows(); }
    void exportedListChangesNothing() {
        QFETCH(bool, full);
        const auto bytes = full ? BuildFullImage() : BuildDemoImage();
        auto db = Loaded(bytes);
        for (int s = 0; s < SATELLITE_SLOTS; ++s)
            for (const bool tv : {true, false}) {
                if (!db->Satellite(s).isUsed())
                    continue;
                const NamesListResult read = ReadNamesList(WriteNamesList(*db, s, tv));
                QVERIFY(read.ok);
                NamesOrderOptions options{s, tv, true, true, {}};
                const NamesOrderPlan plan = PlanNamesOrder(*db, read.lines, options);
                QVERIFY(!plan.ChangesImage() && plan.Count(NameMatch::Exact) == plan.lines.size());
                QVERIFY(ApplyNamesOrder(*db, plan));
            }
        QVERIFY(BytesOf(*db) == bytes);
    }

    void aPlanMadeOnOtherChainsIsRefused() {
        auto db = Satellite({"A", "B", "C"});
        const NamesOrderPlan plan = Plan(*db, "C\nB\nA\n");
        SortChannels(*db, 0, SortKind::NameDown);
        const auto before = BytesOf(*db);
        QVERIFY(!ApplyNamesOrder(*db, plan));
        QVERIFY(BytesOf(*db) == before);
    }

    void keepShownOrderPlacesChannelsWhereTheyStood_data() {
        QTest::addColumn<QList<int>>("shown"); // indexes into the kind's channels
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("ok");
        QTest::newRow("the whole sorted view")
            << QList<int>{3, 0, 2, 1} << QStringList{"d", "a", "c", "b"} << true;
        QTest::newRow("a selection in its places")
            << QList<int>{3, 1} << QStringList{"a", "d", "c", "b"} << true;
        QTest::newRow("in stored order") << QList<int>{0, 2} << QStringList{"a", "b", "c", "d"} << true;
        QTest::newRow("named twice") << QList<int>{1, 0, 1} << QStringList{"a", "b", "c", "d"} << false;
        QTest::newRow("other kind") << QList<int>{-1, 0} << QStringList{"a", "b", "c", "d"} << false;
    }
    void keepShownOrderPlacesChannelsWhereTheyStood() {
        QFETCH(QList<int>, shown);
        QFETCH(QStringList, after);
        QFETCH(bool, ok);
        auto db = Satellite({"a", "b", "c", "d"});
        const std::vector<int> kind = ChannelsOfKind(*db, 0, true);
        const int radio = ChannelsOfKind(*db, 0, false).front();
        std::vector<int> channels;
        for (const int i : shown)
            channels.push_back(i < 0 ? radio : kind[std::size_t(i)]);
        const auto before = BytesOf(*db);
        const auto radioBefore = ChannelsOfKind(*db, 0, false);
        QCOMPARE(ShownOrderDiffers(*db, 0, true, channels),
                 ok && !std::is_sorted(shown.begin(), shown.end()));
        QCOMPARE(KeepShownOrder(*db, 0, true, channels), ok);
        QCOMPARE(Names(*db, ChannelsOfKind(*db, 0, true)), after);
        QVERIFY(ChannelsOfKind(*db, 0, false) == radioBefore);
        QVERIFY(Consistent(*db));
        if (!ok)
            QVERIFY(BytesOf(*db) == before);
    }
};

QTEST_GUILESS_MAIN(TestNamesOrder)
#include "tst_namesorder.moc"
