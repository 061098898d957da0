// order-by-names and export-names as a script sees them: the round trip that
// changes nothing, an edited list, the report, and lists that are refused.
#include "CliRun.h"
#include "TestSupport.h"

#include "model/SampleImages.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace vormante;

class TestCliNames : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString demoPath_;

    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) {
        return testsupport::WriteFileOrDie(Path(name), bytes);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        demoPath_ = Write("demo.bin", testsupport::ToByteArray(BuildDemoImage()));
    }

    void exportedNamesOrderNothing_data() {
        QTest::addColumn<QStringList>("choice");
        QTest::newRow("current satellite, TV") << QStringList{};
        QTest::newRow("by position, radio") << QStringList{"--satellite", "13.0e", "--radio"};
        QTest::newRow("by name") << QStringList{"--satellite", "astra 2 28.2E"};
    }
    void exportedNamesOrderNothing() {
        QFETCH(QStringList, choice);
        const Run exported =
            RunCommand(QStringList{"export-names", demoPath_, "-o", Path("names.txt")} + choice);
        QCOMPARE(exported.status, cli::EXIT_OK);
        const Run run = RunCommand(QStringList{"order-by-names", demoPath_, Path("names.txt"), "-o",
                                               Path("same.bin"), "--rename", "--delete-missing"} +
                                   choice);
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY2(run.out.contains("Moved:            0 channels"), qPrintable(run.out));
        QCOMPARE(testsupport::ReadFile(Path("same.bin")), testsupport::ReadFile(demoPath_));
    }

    void anEditedListOrdersAndReportsEveryLine() {
        const Run exported = RunCommand({"export-names", demoPath_});
        QVERIFY(exported.out.startsWith(
            "# Astra 1 19.2E (19.2E), TV channels in their order\n1;Das Erste\n2;arte\n"));
        const QString list = Write("mine.txt", "ARTE HD\nnobody\n# a comment\nrtl\n");
        const Run run = RunCommand({"order-by-names", demoPath_, list, "-o", Path("mine.bin"), "--json"});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS); // "nobody" matches no channel
        const QJsonArray lines = QJsonDocument::fromJson(run.out.toUtf8()).object()["lines"].toArray();
        QStringList matches;
        for (const auto& line : lines)
            matches << line.toObject()["match"].toString();
        QCOMPARE(matches, (QStringList{"loose", "none", "case-folded"}));
        QCOMPARE(lines[2].toObject()["line"].toInt(), 4);
        const Run after = RunCommand({"export-names", Path("mine.bin")});
        QVERIFY2(after.out.contains("\n1;arte\n2;RTL\n3;Das Erste\n"), qPrintable(after.out));
        const Run text = RunCommand({"order-by-names", demoPath_, list, "-o", Path("mine.bin")});
        QVERIFY(text.err.contains("mine.txt: line 2: no channel matches \"nobody\""));
        QVERIFY(text.out.contains("Loose:            1 line\n"));
    }

    void listsThatAreNoListsAreRefused_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("message");
        QTest::newRow("binary") << QByteArray("ZDF\n\x01\x02\x03") << "line 2: the control character 0x01";
        QTest::newRow("50 MB") << QByteArray(50 << 20, 'x') << "is larger than 1048576 bytes";
        QTest::newRow("long line") << QByteArray(10000, 'x')
                                   << "line 1: the line is longer than 1000 characters";
    }
    void listsThatAreNoListsAreRefused() {
        QFETCH(QByteArray, list);
        QFETCH(QString, message);
        const QString out = Write("untouched.bin", "keep me");
        const Run run = RunCommand({"order-by-names", demoPath_, Write("bad.txt", list), "-o", out});
        QCOMPARE(run.status, cli::EXIT_UNUSABLE);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(testsupport::ReadFile(out), QByteArray("keep me"));
        QCOMPARE(RunCommand({"export-names", demoPath_, "--satellite", "99.9W"}).status, cli::EXIT_UNUSABLE);
    }
};

QTEST_GUILESS_MAIN(TestCliNames)
#include "tst_clinames.moc"
