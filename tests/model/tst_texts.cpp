// Shown model texts: English without a translator, translated with their values filled in
// once one is installed; and FillIn's %1..%9.
#include "TestSupport.h"
#include "model/ConsistencyCheck.h"
#include "model/ImageDiff.h"
#include "model/ImageFile.h"
#include "model/Texts.h"

#include <QtTest>

#include <functional>

using namespace vormante;

using TextMaker = std::function<std::string()>;
Q_DECLARE_METATYPE(TextMaker)

namespace {

// Marks every translated text with its context, so a test sees which texts went through Tr.
std::string MarkingTranslator(const char* context, const char* source) {
    return std::string(context) + "|" + source;
}

std::string FirstProblemWithSatelliteCount(unsigned count) {
    ChannelDatabase db;
    testsupport::LoadInto(db, testsupport::EmptyImage());
    db.Settings().setSatelliteCount(count);
    const auto problems = CheckConsistency(db);
    return problems.empty() ? std::string() : problems.front().message;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetTextTranslator(nullptr); }

    void fillIn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in order") << "%1 to %2" << QStringList{"a", "b"} << "a to b";
        QTest::newRow("reordered") << "%2 before %1" << QStringList{"a", "b"} << "b before a";
        QTest::newRow("repeated") << "%1, %1" << QStringList{"x"} << "x, x";
        QTest::newRow("nine") << "%9%1" << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"} << "91";
        QTest::newRow("missing value stays") << "%1 %3" << QStringList{"a"} << "a %3";
        QTest::newRow("value holding %2") << "%1 %2" << QStringList{"%2", "b"} << "%2 b";
        QTest::newRow("value holding %1") << "%1" << QStringList{"%1%1"} << "%1%1";
        QTest::newRow("lone percent") << "100% of %1" << QStringList{"it"} << "100% of it";
        QTest::newRow("percent at end") << "%" << QStringList{"a"} << "%";
    }
    void fillIn() {
        QFETCH(QString, text);
        QFETCH(QStringList, values);
        QFETCH(QString, expected);
        std::vector<std::string> kept;
        for (const QString& value : values)
            kept.push_back(value.toStdString());
        std::vector<std::string_view> views(kept.begin(), kept.end());
        std::string filled;
        switch (views.size()) { // FillIn takes a braced list, as callers write it
        case 1:
            filled = FillIn(text.toStdString(), {views[0]});
            break;
        case 2:
            filled = FillIn(text.toStdString(), {views[0], views[1]});
            break;
        default:
            filled = FillIn(text.toStdString(), {views[0], views[1], views[2], views[3], views[4], views[5],
                                                 views[6], views[7], views[8]});
        }
        QCOMPARE(QString::fromStdString(filled), expected);
    }

    void translatedTexts_data() {
        QTest::addColumn<TextMaker>("make");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("translated");
        QTest::newRow("consistency problem")
            << TextMaker([] { return FirstProblemWithSatelliteCount(3); })
            << "The satellite count is 3, but 0 satellite slots are in use."
            << "ConsistencyCheck|The satellite count is 3, but 0 satellite slots are in use.";
        QTest::newRow("file error, reason translated too")
            << TextMaker([] { return ReadFileBytes("/", 16).error; })
            << "Cannot read \"/\": it is not a regular file"
            << "ImageFile|Cannot read \"/\": ImageFile|it is not a regular file";
        QTest::newRow("marked table text") << TextMaker([] {
            return DescribeByteDifferences({{"unused bytes", 2}});
        }) << "2 of the unused bytes"
                                           << "ImageDiff|2 of the unused bytes";
    }
    void translatedTexts() {
        QFETCH(TextMaker, make);
        QFETCH(QString, english);
        QFETCH(QString, translated);
        QCOMPARE(QString::fromStdString(make()), english);
        SetTextTranslator(MarkingTranslator);
        QCOMPARE(QString::fromStdString(make()), translated);
        SetTextTranslator(nullptr);
        QCOMPARE(QString::fromStdString(make()), english);
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
