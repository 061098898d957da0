// The satellites.xml reader and writer: what a real list may hold is read,
// bad input is refused or skipped with its line and reason, what the writer
// writes reads back, and the fuzz target's findings stay mended.
#include "FuzzFindings.h"
#include "ReaderRefusalCheck.h"
#include "SatellitesXmlCheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace vormante;

namespace {

QByteArray Sats(const QByteArray& inner) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n" + inner + "</satellites>\n";
}

} // namespace

class TestSatellitesXml : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsWhatRealListsHold() {
        // Latin-1 declared, a comment, unknown elements and attributes, circular polarization, no system.
        const QByteArray text = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                "<!-- made by hand -->\n"
                                "<satellites version=\"2\">\n"
                                "  <sat name=\"42.0E T\xFCrksat\" flags=\"1\" position=\"420\" extra=\"x\">\n"
                                "    <note>ignored</note>\n"
                                "    <transponder frequency=\"11054000\" symbol_rate=\"30000000\" "
                                "polarization=\"3\" fec_inner=\"3\" pls_code=\"0\"/>\n"
                                "    <transponder frequency=\"12380000\" symbol_rate=\"27500000\" "
                                "polarization=\"0\" system=\"1\"></transponder>\n"
                                "  </sat>\n"
                                "  <other/>\n"
                                "  <sat name=\"133.0W C-band\" position=\"-1331\"/>\n"
                                "</satellites>\n";
        const SatellitesXmlRead read = ReadSatellitesXml(text);
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.file.satellites.size(), std::size_t(2));
        const FileSatellite& turksat = read.file.satellites[0];
        QCOMPARE(turksat.name, std::string("42.0E T\xC3\xBCrksat"));
        QCOMPARE(turksat.position, 420);
        QCOMPARE(turksat.line, 4);
        QCOMPARE(turksat.transponders.size(), std::size_t(2));
        QCOMPARE(turksat.transponders[0].frequency, std::int64_t(11054000));
        QCOMPARE(turksat.transponders[0].symbolRate, std::int64_t(30000000));
        QCOMPARE(turksat.transponders[0].polarization, unsigned(FILE_CIRCULAR_RIGHT));
        QVERIFY(!turksat.transponders[0].dvbS2);
        QVERIFY(turksat.transponders[1].dvbS2);
        QCOMPARE(turksat.transponders[1].line, 7);
        QCOMPARE(read.file.satellites[1].position, -1331);
        QVERIFY(read.file.skipped.empty() && turksat.skipped.empty());
    }

    void refusesWhatIsNoList_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not XML") << QByteArray("Satellite,Position\nAstra,19.2E\n") << 1 << "not well-formed";
        QTest::newRow("empty") << QByteArray() << 0 << "the file is empty";
        QTest::newRow("no root") << QByteArray("<?xml version=\"1.0\"?>\n<!-- nothing -->\n") << 0
                                 << "<satellites>";
        QTest::newRow("wrong root") << QByteArray("<?xml version=\"1.0\"?>\n<channels/>\n") << 2
                                    << "<channels>";
        QTest::newRow("cut off") << QByteArray(
                                        "<satellites>\n<sat position=\"192\">\n<transponder frequency=\"1")
                                 << 3 << "cut off";
        QTest::newRow("undeclared entity")
            << Sats("<sat name=\"&x;\" position=\"1\"/>\n") << 3 << "not well-formed";
        QTest::newRow("nested entities")
            << QByteArray("<!DOCTYPE satellites [\n<!ENTITY a \"aaaa\">\n<!ENTITY b \"&a;&a;&a;&a;\">\n]>\n"
                          "<satellites>&b;</satellites>\n")
            << 4 << "declares entities";
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE satellites [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n<satellites>&x;"
                          "</satellites>\n")
            << 1 << "declares entities";
    }

    void refusesWhatIsNoList() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const SatellitesXmlRead read = ReadSatellitesXml(text);
        QVERIFY(!read.ok);
        QVERIFY(read.file.satellites.empty());
        CheckRefusal(read.errorLine, read.error, line, reason);
    }

    void skipsEntriesItCannotTake_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("satellite"); // the satellite is skipped, not only the transponder
        QTest::addColumn<QString>("reason");
        const auto tp = [](const char* attributes) {
            return QByteArray("<sat position=\"192\">\n<transponder ") + attributes + "/>\n</sat>\n";
        };
        QTest::newRow("frequency 0") << tp("frequency=\"0\" symbol_rate=\"27500000\" polarization=\"0\"")
                                     << false << "frequency 0 is not above 0";
        QTest::newRow("negative") << tp("frequency=\"11836000\" symbol_rate=\"-5\" polarization=\"0\"")
                                  << false << "symbol_rate -5 is not above 0";
        QTest::newRow("not a number")
            << tp("frequency=\"11.8GHz\" symbol_rate=\"27500000\" polarization=\"0\"") << false
            << "frequency \"11.8GHz\" is not a whole number";
        QTest::newRow("polarization")
            << tp("frequency=\"11836000\" symbol_rate=\"27500000\" polarization=\"4\"") << false
            << "polarization \"4\" is not 0, 1, 2 or 3";
        QTest::newRow("missing") << tp("frequency=\"11836000\" polarization=\"0\"") << false << "lacks";
        QTest::newRow("system")
            << tp("frequency=\"11836000\" symbol_rate=\"1\" polarization=\"0\" system=\"S2\"") << false
            << "system \"S2\"";
        QTest::newRow("east of 180") << QByteArray("<sat name=\"x\" position=\"1801\">\n</sat>\n") << true
                                     << "position 1801 lies outside";
        QTest::newRow("no position") << QByteArray("<sat name=\"x\">\n</sat>\n") << true << "no position";
    }

    void skipsEntriesItCannotTake() {
        QFETCH(QByteArray, entry);
        QFETCH(bool, satellite);
        QFETCH(QString, reason);
        // A sound satellite after the bad entry is still read.
        const SatellitesXmlRead read =
            ReadSatellitesXml(Sats(entry + "<sat position=\"130\"><transponder frequency=\"11766000\" "
                                           "symbol_rate=\"27500000\" polarization=\"1\"/></sat>\n"));
        QVERIFY2(read.ok, read.error.c_str());
        const std::vector<FileProblem>& problems =
            satellite ? read.file.skipped : read.file.satellites.front().skipped;
        QCOMPARE(problems.size(), std::size_t(1));
        QCOMPARE(problems[0].line, satellite ? 3 : 4);
        QVERIFY2(QString::fromStdString(problems[0].reason).contains(reason), problems[0].reason.c_str());
        QCOMPARE(read.file.satellites.back().transponders.size(), std::size_t(1));
    }

    void refusesFilesByKindAndSizeFirst() {
        QTemporaryDir dir;
        const QString big = dir.filePath(QStringLiteral("big.xml"));
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(100 * 1024 * 1024)); // sparse: refused by its size, never read
        }
        SatellitesXmlRead read = ReadSatellitesXmlFile(big.toStdString());
        QVERIFY(!read.ok && read.error.find("larger than 16 MB") != std::string::npos);
        QVERIFY(!ReadSatellitesXml(QByteArray(int(MAX_SATELLITES_XML_BYTES) + 1, ' ')).ok);
        read = ReadSatellitesXmlFile(dir.path().toStdString());
        QVERIFY(!read.ok && read.error == "not a regular file");
        const QString fifo = dir.filePath(QStringLiteral("pipe.xml"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!ReadSatellitesXmlFile(fifo.toStdString()).ok); // at once, without waiting for a writer
        read = ReadSatellitesXmlFile(dir.filePath(QStringLiteral("none.xml")).toStdString());
        QVERIFY(!read.ok && read.error.rfind("cannot be read: ", 0) == 0);
    }

    void writtenListsReadBack() {
        SatelliteFile file;
        file.satellites.push_back({0, "19.2E Astra & \"<T\xC3\xBCrk>\"", 192, {}, {}});
        file.satellites[0].transponders.push_back({0, 11836000, 27500000, FILE_VERTICAL, false});
        file.satellites[0].transponders.push_back({0, 3700000, 30000000, FILE_HORIZONTAL, true});
        file.satellites.push_back({0, "Empty\x01", -1800, {}, {}});
        const QByteArray xml = WriteSatellitesXml(file);
        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n\t<sat name="));
        QVERIFY(
            xml.contains("<transponder frequency=\"11836000\" symbol_rate=\"27500000\" polarization=\"1\" "
                         "fec_inner=\"0\" system=\"0\" modulation=\"1\"/>"));
        const SatellitesXmlRead read = ReadSatellitesXml(xml);
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.file.satellites[0].name, file.satellites[0].name);
        QCOMPARE(read.file.satellites[1].name, std::string("Empty ")); // XML cannot carry control characters
        QVERIFY(read.file.satellites[0].transponders[1].dvbS2 &&
                read.file.satellites[0].transponders[1].frequency == 3700000);
    }

    void fuzzFindingsStayMended() {
        const QList<FuzzFinding> findings =
            ReadFuzzFindings(QStringLiteral(VORMANTE_FUZZ_REGRESSIONS), QStringLiteral("fuzz_satxml_reader"));
        for (const FuzzFinding& finding : findings) {
            QVERIFY2(finding.read, qPrintable(finding.path));
            const std::string fault = satxmlcheck::Check(finding.bytes);
            QVERIFY2(fault.empty(),
                     qPrintable(finding.fileName + QStringLiteral(": ") + QString::fromStdString(fault)));
        }
        QVERIFY(findings.size() >= 2);
    }
};

QTEST_GUILESS_MAIN(TestSatellitesXml)
#include "tst_satellitesxml.moc"
