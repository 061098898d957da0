// Channel lists: writing, reading what spreadsheets write, refusing what is not
// a list, and importing a reordered, renamed, re-flagged list exactly.
#include "ListTestSupport.h"
#include "ModelTestImages.h"
#include "ReaderRefusalCheck.h"

#include "model/ChannelList.h"
#include "model/ChannelMatcher.h"
#include "model/ListImport.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <new>
#include <random>

using namespace vormante;
using namespace listtest;

// Every allocation of the test counts here, so that a test can bound what reading a list costs.
static std::size_t allocatedBytes = 0;

void* operator new(std::size_t size) {
    allocatedBytes += size;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// Names of a satellite's channels of one type, in chain order.
std::vector<std::string> NamesInOrder(const ChannelDatabase& db, int satellite, bool tv) {
    std::vector<std::string> names;
    for (const ImageChannel& channel : ListImageChannels(db))
        if (channel.satellite == satellite && channel.tv == tv)
            names.push_back(channel.key.name);
    return names;
}

// The satellite whose position the list writes as `position`.
int SatelliteAt(const ChannelDatabase& db, const std::string& position) {
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        if (db.Satellite(s).isUsed() && FormatPosition(db.Satellite(s).position()) == position)
            return s;
    return -1;
}

} // namespace

class TestChannelList : public QObject {
    Q_OBJECT

private:
    std::vector<std::uint8_t> demo_ = BuildDemoImage();

private Q_SLOTS:
    void exportThenImportChangesNothing_data() { testsupport::AddSampleImageRows(); }
    void exportThenImportChangesNothing() {
        QFETCH(bool, full);
        const auto bytes = full ? BuildFullImage() : demo_;
        auto db = Loaded(bytes);
        const std::string list = WriteChannelList(*db);
        const ListReadResult read = ReadChannelList(list);
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.rows.size(), ListImageChannels(*db).size());
        for (const bool deleteMissing : {false, true}) {
            const ListImportPlan plan = PlanListImport(*db, read.rows);
            QVERIFY(!plan.order.ChangesImage(deleteMissing));
            QVERIFY(plan.unmatchedRows.empty() && plan.namesTooLong.empty() && plan.order.missing.empty());
            QVERIFY(ApplyListImport(*db, plan, deleteMissing));
            QVERIFY(BytesOf(*db) == bytes);
        }
        QCOMPARE(WriteChannelList(*db), list);
    }

    void writesHeaderAndRowsSatelliteByTvThenRadio() {
        auto db = Loaded(demo_);
        const std::string list = WriteChannelList(*db);
        QCOMPARE(HeaderOf(list), std::string("Satellite,Position,TV/Radio,Number,Name,Frequency,Polarization,"
                                             "Symbol rate,Video PID,Audio PID,PCR PID,Teletext PID,Lock,"
                                             "Scrambled,Fav 1,Fav 2,Fav 3,Fav 4"));
        const auto rows = DataRows(list);
        QCOMPARE(rows.front(), (std::vector<std::string>{"Astra 1 19.2E", "19.2E", "TV", "1", "Das Erste",
                                                         "11836", "H", "27500", "101", "102", "101", "104",
                                                         "0", "0", "1", "0", "0", "0"}));
        // On Astra 1 the radio channels sit between TV channels in the chain; the list has them after.
        bool radioSeen = false;
        for (const auto& row : rows) {
            if (row[POSITION] != "19.2E")
                break;
            QVERIFY(!(radioSeen && row[TYPE] == "TV"));
            radioSeen = radioSeen || row[TYPE] == "Radio";
        }
        QVERIFY(radioSeen);
        const auto west =
            std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r[POSITION] == "5.0W"; });
        QVERIFY(west != rows.end());
        QCOMPARE((*west)[SATELLITE], std::string("Eutelsat 5W"));
    }

    void namesConvertBetweenLatin1AndUtf8() {
        QCOMPARE(Latin1ToUtf8("\xC4rzte \xE9t\xE9"), std::string("\xC3\x84rzte \xC3\xA9t\xC3\xA9"));
        std::string latin1;
        QVERIFY(Utf8ToLatin1("\xC3\x84rzte \xC3\xBF", &latin1));
        QCOMPARE(latin1, std::string("\xC4rzte \xFF"));
        QVERIFY(!Utf8ToLatin1("\xE2\x82\xAC", &latin1)); // the euro sign is not Latin-1
        QVERIFY(!Utf8ToLatin1("\xC3", &latin1));         // cut short

        auto db = Loaded(demo_);
        db->Channel(ListImageChannels(*db).front().channel).setName("M\xFCnchen \xDF");
        const std::string list = WriteChannelList(*db);
        QVERIFY(list.find("M\xC3\xBCnchen \xC3\x9F") != std::string::npos);
        const ListReadResult read = ReadChannelList(list);
        QVERIFY(read.ok);
        QCOMPARE(read.rows.front().latin1Name, std::string("M\xFCnchen \xDF"));
        QVERIFY(!PlanListImport(*db, read.rows).order.ChangesImage(true));
    }

    // Text files arrive as UTF-8 (with or without a byte order mark) or, when they are
    // not valid UTF-8, as Windows-1252, whose 0x80..0x9F are not Latin-1's controls.
    void decodesUtf8AndWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<bool>("windows1252");
        QTest::addColumn<bool>("bom");
        QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9") << QByteArray("Caf\xC3\xA9") << false << false;
        QTest::newRow("bom") << QByteArray("\xEF\xBB\xBFTV") << QByteArray("TV") << false << true;
        QTest::newRow("1252") << QByteArray("Caf\xE9 \x80 \x9F")
                              << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8") << true << false;
        QTest::newRow("undefined byte") << QByteArray("\x81") << QByteArray("\xC2\x81") << true << false;
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QByteArray("\xC3\x80\xC2\xAF") << true
                                  << false;
        QTest::newRow("cut short") << QByteArray("A\xE2\x82") << QByteArray("A\xC3\xA2\xE2\x80\x9A") << true
                                   << false;
    }
    void decodesUtf8AndWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, utf8);
        QFETCH(bool, windows1252);
        QFETCH(bool, bom);
        const DecodedText decoded = DecodeText(std::string_view(bytes.constData(), bytes.size()));
        QCOMPARE(QByteArray::fromStdString(decoded.text), utf8);
        QCOMPARE(decoded.encoding == TextEncoding::Windows1252, windows1252);
        QCOMPARE(decoded.byteOrderMark, bom);
    }

    // A name is written so that a spreadsheet keeps it as text and reads back as itself.
    void namesReadBackAsWritten_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << QByteArray("ZDF") << QByteArray("ZDF");
        QTest::newRow("formula") << QByteArray("=1+2") << QByteArray("'=1+2");
        QTest::newRow("plus") << QByteArray("+49 TV") << QByteArray("'+49 TV");
        QTest::newRow("minus") << QByteArray("-=Sky=-") << QByteArray("'-=Sky=-");
        QTest::newRow("at") << QByteArray("@home") << QByteArray("'@home");
        QTest::newRow("guarded already") << QByteArray("'=x") << QByteArray("''=x");
        QTest::newRow("apostrophe") << QByteArray("'n Sync") << QByteArray("'n Sync");
        QTest::newRow("semicolon") << QByteArray("a;b") << QByteArray("\"a;b\"");
        QTest::newRow("leading blank") << QByteArray(" ZDF") << QByteArray("\" ZDF\"");
        QTest::newRow("trailing blank") << QByteArray("ZDF ") << QByteArray("\"ZDF \"");
    }
    void namesReadBackAsWritten() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, written);
        auto db = Loaded(demo_);
        const ImageChannel first = ListImageChannels(*db).front();
        db->Channel(first.channel).setName(name.toStdString());
        db->Satellite(first.satellite).setName(name.toStdString());
        const std::string list = WriteChannelList(*db);
        const auto row = DataRows(list).front();
        QCOMPARE(QByteArray::fromStdString(row[NAME]), written);
        QCOMPARE(QByteArray::fromStdString(row[SATELLITE]), written);
        const ListReadResult read = ReadChannelList(list);
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(QByteArray::fromStdString(read.rows.front().name), name);
        QCOMPARE(QByteArray::fromStdString(read.rows.front().satellite), name);
        QVERIFY(!PlanListImport(*db, read.rows).order.ChangesImage(true));
    }

    // Lists as spreadsheets save them, none changing the image; reading stays one pass,
    // with memory in proportion to the rows, whatever fills the lines.
    void readsListsAsSpreadsheetsSaveThem_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("windows1252");
        QTest::newRow("tab separated") << 0 << false;
        QTest::newRow("without TV/Radio and Number") << 1 << false;
        QTest::newRow("Windows-1252") << 2 << true;
        QTest::newRow("blank rows past the row limit") << 3 << false;
        QTest::newRow("header followed by 2 MB of commas") << 4 << false;
    }
    void readsListsAsSpreadsheetsSaveThem() {
        QFETCH(int, variant);
        QFETCH(bool, windows1252);
        auto db = Loaded(demo_);
        db->Channel(ListImageChannels(*db).front().channel).setName("M\xFCnchen");
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        std::string header = HeaderOf(list), text = Joined(rows, header);
        if (variant == 0) {
            std::replace(text.begin(), text.end(), ',', '\t');
        } else if (variant == 1) {
            for (auto& row : rows)
                row.erase(row.begin() + TYPE, row.begin() + NAME);
            text = Joined(rows, header.erase(header.find("TV/Radio"), 16));
        } else if (variant == 2) {
            text.replace(text.find("M\xC3\xBC"), 3, "M\xFC");
        } else if (variant == 3) {
            text = header + "\r\n" + std::string(20000, '\n') + Joined(rows, ",,,\r\n\r\n").substr(6);
        } else {
            text.insert(header.size(), std::string(2u << 20, ','));
        }
        allocatedBytes = 0;
        const ListReadResult read = ReadChannelList(text);
        QVERIFY2(allocatedBytes < 8 * text.size(), qPrintable(QString::number(allocatedBytes)));
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.encoding == TextEncoding::Windows1252, windows1252);
        QCOMPARE(read.rows.size(), rows.size());
        const ListImportPlan plan = PlanListImport(*db, read.rows);
        QVERIFY(plan.unmatchedRows.empty() && plan.namesTooLong.empty());
        QVERIFY(!plan.order.ChangesImage(true));
    }

    // Two dishes, one position: the Satellite column keeps each channel on its satellite.
    void satellitesSharingAPositionKeepTheirChannels() {
        auto db = Loaded(testsupport::EmptyImage());
        for (const char* band : {"C band", "Ku band"}) {
            const int s = modeltest::AddSatelliteWithTransponders(*db, 1, band);
            db->Satellite(s).setPosition(-300);
            for (const char* name : {"One", "Two", "Three"})
                modeltest::StoreChannel(*db, TransponderByOrdinal(*db, s, 0), name, true);
        }
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        std::reverse(rows.begin() + 3, rows.end());              // the Ku band's channels in the other order,
        rows[4][LOCK] = "1";                                     // its second locked,
        std::rotate(rows.begin(), rows.begin() + 3, rows.end()); // and its rows first
        const ListImportPlan plan = PlanListImport(*db, ReadChannelList(Joined(rows, HeaderOf(list))).rows);
        QVERIFY(ApplyListImport(*db, plan, true));
        QCOMPARE(modeltest::ChannelNames(*db, 0), (std::vector<std::string>{"One", "Two", "Three"}));
        QCOMPARE(modeltest::ChannelNames(*db, 1), (std::vector<std::string>{"Three", "Two", "One"}));
        QVERIFY(!db->Channel(modeltest::ChannelChain(*db, 0)[1]).locked());
        QVERIFY(db->Channel(modeltest::ChannelChain(*db, 1)[1]).locked());
    }

    // A row whose PIDs or transponder changed is still its channel when its satellite, kind
    // and name tell it: the preview says so, and "delete missing" keeps the channel.
    void rowsPairByNameWhenTheirPidsChanged_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("video PID") << int(VIDEO) << QByteArray("4001");
        QTest::newRow("audio PID") << int(AUDIO) << QByteArray("4002");
        QTest::newRow("transponder") << int(FREQUENCY) << QByteArray("11900");
    }
    void rowsPairByNameWhenTheirPidsChanged() {
        QFETCH(int, column);
        QFETCH(QByteArray, value);
        auto db = Loaded(demo_);
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        std::swap(rows[0], rows[1]);
        rows[1][static_cast<std::size_t>(column)] = value.toStdString(); // Das Erste, now the second row
        const ListImportPlan plan = PlanListImport(*db, ReadChannelList(Joined(rows, HeaderOf(list))).rows);
        QVERIFY(plan.unmatchedRows.empty() && plan.order.missing.empty());
        QCOMPARE(plan.pairedByName.size(), std::size_t(1));
        QCOMPARE(plan.pairedByName[0].line, 3);
        QCOMPARE(plan.pairedByName[0].name, std::string("Das Erste"));
        QVERIFY(ApplyListImport(*db, plan, true));
        QCOMPARE(ListImageChannels(*db).size(), rows.size());
        QCOMPARE(ListImageChannels(*db)[1].key.name, std::string("Das Erste"));
        QCOMPARE(ListImageChannels(*db)[1].key.videoPid, 101u); // the channel keeps its own
    }

    // A name the image cannot hold (too long, or not Latin-1) matches no stored name, so its
    // row pairs by the technical identity and order alone, exactly as a renamed row does.
    void rowWithANameThatCannotBeStoredPairsLikeARenamedOne_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("renamed") << QByteArray("Renamed");
        QTest::newRow("too long") << QByteArray("Twelve bytes");
        QTest::newRow("not Latin-1") << QByteArray("\xE2\x82\xAC uro");
    }
    void rowWithANameThatCannotBeStoredPairsLikeARenamedOne() {
        QFETCH(QByteArray, name);
        auto db = Loaded(testsupport::EmptyImage());
        const int s = modeltest::AddSatelliteWithTransponders(*db, 1);
        for (const char* copy : {"A", "", "B"}) // three copies of one service
            modeltest::StoreChannel(*db, 0, copy, true);
        const std::vector<int> chain = modeltest::ChannelChain(*db, s);
        auto rows = DataRows(WriteChannelList(*db));
        rows[0][NAME] = name.toStdString(); // served first, yet takes what the named rows leave
        const ListImportPlan plan =
            PlanListImport(*db, ReadChannelList(Joined(rows, HeaderOf(WriteChannelList(*db)))).rows);
        QCOMPARE(plan.order.satellites.front().listed, chain);
    }

    void shuffledRenamedReflaggedListImportsExactly() {
        auto db = Loaded(demo_);
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        // Shuffle each satellite's rows, and the satellites too.
        std::map<std::string, std::vector<std::vector<std::string>>> bySatellite;
        for (const auto& row : rows)
            bySatellite[row[POSITION]].push_back(row);
        std::mt19937 random(17);
        rows.clear();
        for (auto it = bySatellite.rbegin(); it != bySatellite.rend(); ++it) {
            std::shuffle(it->second.begin(), it->second.end(), random);
            rows.insert(rows.end(), it->second.begin(), it->second.end());
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i % 3 == 0)
                rows[i][NAME] = "New " + std::to_string(i);
            if (i % 4 == 0)
                rows[i][LOCK] = rows[i][LOCK] == "1" ? "0" : "1";
            if (i % 5 == 0)
                rows[i][FAV2] = rows[i][FAV2] == "1" ? "0" : "1";
            rows[i][NUMBER] = "999"; // informative only
        }
        const ListReadResult read = ReadChannelList(Joined(rows, HeaderOf(list)));
        QVERIFY2(read.ok, read.error.c_str());
        const ListImportPlan plan = PlanListImport(*db, read.rows);
        QVERIFY(plan.unmatchedRows.empty() && plan.order.missing.empty() && plan.namesTooLong.empty());
        QCOMPARE(plan.order.renamed.size(), (rows.size() + 2) / 3);
        QVERIFY(!plan.order.moved.empty());
        QVERIFY(ApplyListImport(*db, plan, false));
        QVERIFY(Consistent(*db));

        for (const auto& [position, satelliteRows] : bySatellite) {
            const int satellite = SatelliteAt(*db, position);
            QVERIFY(satellite >= 0);
            for (const bool tv : {true, false}) {
                std::vector<std::string> expected;
                for (const auto& row : rows)
                    if (row[POSITION] == position && (row[TYPE] == "TV") == tv)
                        expected.push_back(row[NAME]);
                QCOMPARE(NamesInOrder(*db, satellite, tv), expected);
            }
        }
        // Every flag as the list says: writing the image again gives the list's rows, type by type.
        const auto again = DataRows(WriteChannelList(*db));
        std::map<std::string, std::vector<std::string>> flagsByName;
        for (const auto& row : rows)
            flagsByName[row[NAME]] = std::vector<std::string>(row.begin() + LOCK, row.end());
        for (const auto& row : again)
            QCOMPARE(std::vector<std::string>(row.begin() + LOCK, row.end()), flagsByName[row[NAME]]);
    }

    void readsWhatSpreadsheetsWrite() {
        auto db = Loaded(demo_);
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        for (auto& row : rows)
            for (auto& field : row)
                field = "\"" + field + "\"";
        rows[0][NAME] = "\"Das \"\"Erste\"\"\""; // doubled quotes
        rows[1][NAME] = "\"arte; live\"";        // the separator inside quotes
        rows[2][LOCK] = "\"x\"";
        std::string header = HeaderOf(list);
        std::replace(header.begin(), header.end(), ',', ';');
        const std::string text = "\xEF\xBB\xBF" + Joined(rows, header, ";", "\r\n") + ";;;;;;;;;;;;;;;;;\r\n";
        const ListReadResult read = ReadChannelList(text);
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.rows.size(), rows.size()); // the empty row at the end is skipped
        QCOMPARE(read.rows[0].name, std::string("Das \"Erste\""));
        QCOMPARE(read.rows[1].name, std::string("arte; live"));
        QVERIFY(read.rows[2].flags & FLAG_LOCKED);
        QCOMPARE(read.rows[5].line, 7);

        const ListImportPlan plan = PlanListImport(*db, read.rows);
        QCOMPARE(plan.order.renamed.size(), std::size_t(2)); // "arte; live" is 10 bytes, "Das "Erste"" 11
        QCOMPARE(plan.namesTooLong.size(), std::size_t(0));
        QCOMPARE(plan.order.flagsChanged.size(), std::size_t(1));
        QVERIFY(plan.order.moved.empty());
    }

    void readsColumnsInAnyOrderAndOtherSpellings() {
        const std::string text =
            "fav4;FAV3;Fav 2;fav1;scrambled;lock;teletext pid;pcr pid;audio pid;video pid;"
            "symbol rate;polarization;frequency;name;number;tv/radio;position;satellite;Note\n"
            "0;0;1;0;no;yes;8191;8191;661;8191;27500;Vertical;11766;Rai R1;;radio;13E;Hot;x\n"
            "\n"
            "false;0;0;true;0;0;576;513;651;513;27500;v;11767;Rai 2;2;TV;-5;;\n";
        const ListReadResult read = ReadChannelList(text);
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.rows.size(), std::size_t(2));
        QCOMPARE(read.rows[0].position, 130);
        QVERIFY(!read.rows[0].tv && read.rows[0].vertical);
        QCOMPARE(read.rows[0].flags, unsigned(FLAG_LOCKED | FLAG_FAV2));
        QCOMPARE(read.rows[1].line, 4);
        QCOMPARE(read.rows[1].position, -50);
        QCOMPARE(read.rows[1].flags, unsigned(FLAG_FAV1));
    }

    void refusesWhatIsNoListWithLineAndReason_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QByteArray header =
            "Satellite,Position,TV/Radio,Number,Name,Frequency,Polarization,Symbol rate,"
            "Video PID,Audio PID,PCR PID,Teletext PID,Lock,Scrambled,Fav 1,Fav 2,Fav 3,Fav 4\n";
        const QByteArray good = "A,19.2E,TV,1,Das Erste,11836,H,27500,101,102,101,104,0,0,1,0,0,0\n";
        QTest::newRow("empty") << QByteArray() << 1 << "no comma";
        QTest::newRow("prose") << QByteArray("Dear receiver\nhello\n") << 1 << "no comma";
        QTest::newRow("missing column")
            << QByteArray("Satellite,Position,Name\nA,1E,x\n") << 1 << "\"Frequency\"";
        QTest::newRow("header only") << header << 0 << QString();
        QTest::newRow("unclosed quote") << header + good + "A,19.2E,TV,2,\"Open,1,H,1,1,1,1,1,0,0,0,0,0,0\n"
                                        << 3 << "not closed";
        QTest::newRow("text after quote") << header + "A,19.2E,TV,1,\"ab\"c,1,H,1,1,1,1,1,0,0,0,0,0,0\n"
                                          << 2 << "follows the closing quote of field 5";
        QTest::newRow("too few fields") << header + good + "A,19.2E,TV,1,x,1,H\n" << 3 << "7 fields";
        QTest::newRow("position") << header + "A,east,TV,1,x,1,H,1,1,1,1,1,0,0,0,0,0,0\n"
                                  << 2 << "Position \"east\"";
        QTest::newRow("position too far") << header + "A,300.0E,TV,1,x,1,H,1,1,1,1,1,0,0,0,0,0,0\n"
                                          << 2 << "Position";
        QTest::newRow("type") << header + "A,1.0E,Data,1,x,1,H,1,1,1,1,1,0,0,0,0,0,0\n" << 2 << "TV or Radio";
        QTest::newRow("number") << header + "A,1.0E,TV,one,x,1,H,1,1,1,1,1,0,0,0,0,0,0\n" << 2 << "Number";
        QTest::newRow("frequency") << header + "A,1.0E,TV,1,x,70000,H,1,1,1,1,1,0,0,0,0,0,0\n"
                                   << 2 << "Frequency";
        QTest::newRow("polarization") << header + "A,1.0E,TV,1,x,1,L,1,1,1,1,1,0,0,0,0,0,0\n"
                                      << 2 << "H or V";
        QTest::newRow("PID too large") << header + "A,1.0E,TV,1,x,1,H,1,16384,1,1,1,0,0,0,0,0,0\n"
                                       << 2 << "Video PID \"16384\"";
        QTest::newRow("negative PID") << header + "A,1.0E,TV,1,x,1,H,1,1,-1,1,1,0,0,0,0,0,0\n"
                                      << 2 << "Audio PID";
        QTest::newRow("flag") << header + "A,1.0E,TV,1,x,1,H,1,1,1,1,1,maybe,0,0,0,0,0\n"
                              << 2 << "Lock \"maybe\"";
        QTest::newRow("quoted line end counts")
            << header + "A,1.0E,TV,1,\"two\nlines\",1,H,1,1,1,1,1,0,0,0,0,0,ja\n"
            << 2 << "Fav 4";
        QTest::newRow("row after a name of three lines")
            << header + "A,1.0E,TV,1,\"one\r\ntwo\rthree\",1,H,1,1,1,1,1,0,0,0,0,0,0\n" +
                   "A,1.0E,TV,2,x,1,H,1,1,1,1,1,0,0,0,0,0,ja\n"
            << 5 << "Fav 4";
        QTest::newRow("position a tenth too far East")
            << header + "A,204.8E,TV,1,x,1,H,1,1,1,1,1,0,0,0,0,0,0\n"
            << 2 << "Position";
        QTest::newRow("more rows than any image") << header + good.repeated(10001) << 10002 << "10000 rows";
        QTest::newRow("text far right") << header + good.chopped(1) + QByteArray(300, ',') + "note\n"
                                        << 2 << "more than 256 fields hold text";
    }
    void refusesWhatIsNoListWithLineAndReason() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const ListReadResult read =
            ReadChannelList(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        if (line == 0) {
            QVERIFY(read.ok);
            QVERIFY(read.rows.empty());
            return;
        }
        QVERIFY(!read.ok);
        QVERIFY(read.rows.empty());
        CheckRefusal(read.errorLine, read.error, line, reason);
    }

    void refusesListsLargerThanAnyImage() {
        std::string text = WriteChannelList(*Loaded(demo_));
        const std::size_t firstRow = text.find("\r\n") + 2;
        const std::string row = text.substr(firstRow, text.find("\r\n", firstRow) + 2 - firstRow);
        while (text.size() < MAX_LIST_BYTES)
            text += row;
        QVERIFY(!ReadChannelList(text).ok);
        QVERIFY(ReadChannelList(text).error.find("larger") != std::string::npos);
    }

    void namesThatDoNotFitKeepTheChannelsName() {
        auto db = Loaded(demo_);
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        rows[0][NAME] = "Twelve bytes";            // 12 bytes
        rows[1][NAME] = "\xE2\x82\xAC uro";        // not Latin-1
        rows[2][NAME] = "\xC3\x84lf Zw\xC3\xB6lf"; // 11 Latin-1 bytes in 13 UTF-8 bytes: fits
        const ListImportPlan plan = PlanListImport(*db, ReadChannelList(Joined(rows, HeaderOf(list))).rows);
        QCOMPARE(plan.namesTooLong.size(), std::size_t(2));
        QCOMPARE(plan.namesTooLong[0].line, 2);
        QCOMPARE(plan.namesTooLong[0].name, std::string("Twelve bytes"));
        QCOMPARE(plan.namesTooLong[1].line, 3);
        QVERIFY(plan.unmatchedRows.empty());
        QCOMPARE(plan.order.renamed.size(), std::size_t(1));
        QCOMPARE(plan.order.renamed[0].after, std::string("\xC4lf Zw\xF6lf"));
        QVERIFY(ApplyListImport(*db, plan, false));
        const auto channels = ListImageChannels(*db);
        QCOMPARE(channels[0].key.name, std::string("Das Erste"));
        QCOMPARE(channels[1].key.name, std::string("arte"));
        QCOMPARE(channels[2].key.name, std::string("\xC4lf Zw\xF6lf"));
    }

    void rowsMissingOrUnmatchedAreReported() {
        auto db = Loaded(demo_);
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        const std::string firstName = rows[0][NAME];
        const std::string secondName = rows[1][NAME];
        // Astra 1's first two TV channels go; a row for a service the image lacks comes in.
        rows.erase(rows.begin(), rows.begin() + 2);
        rows.push_back(rows[0]);
        rows.back()[VIDEO] = "4000";
        rows.back()[NAME] = "Stranger";
        const ListImportPlan plan = PlanListImport(*db, ReadChannelList(Joined(rows, HeaderOf(list))).rows);
        QCOMPARE(plan.unmatchedRows.size(), std::size_t(1));
        QCOMPARE(plan.unmatchedRows[0].line, static_cast<int>(rows.size()) + 1);
        QCOMPARE(plan.unmatchedRows[0].name, std::string("Stranger"));
        QCOMPARE(plan.order.missing.size(), std::size_t(2));
        QCOMPARE(plan.order.missing[0].name, firstName);
        QCOMPARE(plan.order.missing[0].numberBefore, 1);
        const int satellite = plan.order.missing[0].satellite;
        const int tvCount = static_cast<int>(NamesInOrder(*db, satellite, true).size());
        QCOMPARE(plan.order.missing[0].numberAfter, tvCount - 1);
        QCOMPARE(plan.order.missing[1].numberAfter, tvCount);

        {
            auto kept = Loaded(demo_);
            QVERIFY(ApplyListImport(*kept, plan, false));
            const auto names = NamesInOrder(*kept, satellite, true);
            QCOMPARE(names.size(), std::size_t(tvCount));
            QCOMPARE(names[names.size() - 2], firstName);
            QCOMPARE(names.back(), secondName);
            QVERIFY(Consistent(*kept));
        }
        QVERIFY(ApplyListImport(*db, plan, true));
        const auto names = NamesInOrder(*db, satellite, true);
        QCOMPARE(names.size(), std::size_t(tvCount - 2));
        QVERIFY(std::find(names.begin(), names.end(), firstName) == names.end());
        QVERIFY(Consistent(*db));
        // The default TV channel keeps naming what it named: a set default is never replaced.
        QCOMPARE(db->Satellite(satellite).defaultTvChannel(),
                 Loaded(demo_)->Satellite(satellite).defaultTvChannel());
    }

    void staleOrForgedPlanChangesNothing() {
        auto db = Loaded(demo_);
        const std::string list = WriteChannelList(*db);
        auto rows = DataRows(list);
        std::reverse(rows.begin(), rows.end());
        const ListImportPlan plan = PlanListImport(*db, ReadChannelList(Joined(rows, HeaderOf(list))).rows);
        QVERIFY(plan.order.ChangesImage(false));
        const int satellite = plan.order.satellites.front().satellite;
        const auto chain = modeltest::ChannelChain(*db, satellite);
        QVERIFY(MoveChannel(*db, satellite, chain[0], chain[1], false));
        const auto before = BytesOf(*db);
        QVERIFY(!ApplyListImport(*db, plan, true));
        QVERIFY(BytesOf(*db) == before);

        auto fresh = Loaded(demo_);
        ListImportPlan forged = PlanListImport(*fresh, ReadChannelList(Joined(rows, HeaderOf(list))).rows);
        forged.order.renamed.push_back({satellite, 2999, "x", "y"}); // a slot off every chain
        QVERIFY(!ApplyListImport(*fresh, forged, false));
        QVERIFY(BytesOf(*fresh) == demo_);
    }

    void matcherPrefersNamesThenOrderWithinTolerance() {
        ServiceKey a{192, 11836, false, 27500, 101, 102, "One"};
        std::vector<ServiceKey> candidates = {a, a, a};
        candidates[0].name = "Other";
        candidates[1].frequency = 11838; // within 2 MHz
        candidates[2].frequency = 11833; // 3 MHz off: the same service only by its name (part 4)
        // "One" prefers the same name (index 1); a second "One" then takes what is left in order.
        QCOMPARE(MatchServices({a, a, a}, candidates), (std::vector<int>{1, 0, 2}));
        ServiceKey renamed = a;
        renamed.name = "Renamed";
        QCOMPARE(MatchServices({renamed, renamed, renamed}, candidates), (std::vector<int>{0, 1, -1}));
        ServiceKey other = renamed;
        other.vertical = true;
        QCOMPARE(MatchServices({other}, candidates), std::vector<int>{-1});
        other = renamed;
        other.audioPid = 103;
        QCOMPARE(MatchServices({other}, candidates), std::vector<int>{-1});
        other = a;
        other.position = -192;
        QCOMPARE(MatchServices({other}, candidates), std::vector<int>{-1});
        // Identical copies pair in order.
        QCOMPARE(MatchServices({a, a}, {a, a}), (std::vector<int>{0, 1}));
        // Part 4: new PIDs, the same satellite, kind and name; radio is another kind.
        ServiceKey moved = a;
        moved.videoPid = 4001;
        QCOMPARE(MatchServices({moved, moved}, candidates), (std::vector<int>{1, 2}));
        moved.videoPid = NULL_PID;
        QCOMPARE(MatchServices({moved}, candidates), std::vector<int>{-1});
        // Of two satellites at one position, the one the key names.
        std::vector<ServiceKey> twoDishes = {a, a};
        twoDishes[0].satellite = 3;
        twoDishes[1].satellite = 5;
        ServiceKey ku = a;
        ku.satellite = 5;
        QCOMPARE(MatchServices({ku}, twoDishes), std::vector<int>{1});
    }
};

QTEST_GUILESS_MAIN(TestChannelList)
#include "tst_channellist.moc"
