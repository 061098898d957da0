// The dump on damaged images: the demo and full images with random bytes patched
// in, and images of random bytes, always give well-formed JSON in UTF-8, the check
// the dump fuzz target makes (its findings would be replayed here). The checker
// itself is tested first on texts it must refuse.
#include "ImageDump.h"
#include "JsonCheck.h"
#include "TestSupport.h"
#include "model/SampleImages.h"

#include <QTest>

#include <random>
#include <sstream>

using namespace vormante;

class DumpDamagedTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkerRefusesWhatIsNoJson_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("raw newline in a string") << QByteArray("{\"a\": \"x\ny\"}");
        QTest::newRow("Latin-1 byte in a string") << QByteArray("[\"caf\xe9\"]");
        QTest::newRow("cut UTF-8 sequence") << QByteArray("[\"\xc3\"]");
        QTest::newRow("bad escape") << QByteArray("[\"\\x41\"]");
        QTest::newRow("text after the value") << QByteArray("{} {}");
        QTest::newRow("missing comma") << QByteArray("[1 2]");
        QTest::newRow("unterminated") << QByteArray("{\"a\": [1, 2}");
        QTest::newRow("leading zero") << QByteArray("[01]");
    }
    void checkerRefusesWhatIsNoJson() {
        QFETCH(QByteArray, text);
        QVERIFY(!jsoncheck::Problem(text.toStdString()).empty());
        QVERIFY(
            jsoncheck::Problem("{\"a\": [1, -2.5e3, true, null, \"\\u00e9\xc3\xa9\"], \"b\": {}}").empty());
    }

    void damagedImagesDumpAsJson() {
        const std::vector<std::uint8_t> samples[] = {BuildDemoImage(), BuildFullImage()};
        std::mt19937 random(911);
        ChannelDatabase db;
        for (int i = 0; i < 60; ++i) {
            std::vector<std::uint8_t> image =
                i % 6 == 5 ? testsupport::RandomBytes(IMAGE_SIZE, random()) : samples[i % 2];
            for (int p = static_cast<int>(random() % 200); p > 0; --p)
                image[random() % IMAGE_SIZE] = static_cast<std::uint8_t>(random());
            QVERIFY(testsupport::LoadInto(db, image));
            std::ostringstream out;
            cli::WriteImageJson(db, out);
            const std::string problem = jsoncheck::Problem(out.str());
            QVERIFY2(problem.empty(), qPrintable(QStringLiteral("image %1: %2").arg(i).arg(problem.c_str())));
        }
    }
};

QTEST_GUILESS_MAIN(DumpDamagedTest)
#include "tst_dumpdamaged.moc"
