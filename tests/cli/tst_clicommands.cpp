// The commands as a script sees them: exit status, output and messages,
// for good images, planted inconsistencies, bad files and wrong usage.
#include "CliRun.h"
#include "TestSupport.h"

#include "model/SampleImages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <sstream>
#include <sys/stat.h>

using namespace vormante;

namespace {} // namespace

class TestCliCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::vector<std::uint8_t> demo_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString WriteFile(const QString& name, const std::vector<std::uint8_t>& bytes) {
        return testsupport::WriteFileOrDie(Path(name), testsupport::ToByteArray(bytes));
    }

    // The demo image with one change made through its records.
    QString Planted(const QString& name, const std::function<void(ChannelDatabase&)>& plant) {
        auto db = std::make_unique<ChannelDatabase>();
        if (!testsupport::LoadInto(*db, demo_))
            qFatal("demo image refused");
        plant(*db);
        std::vector<std::uint8_t> bytes(db->workingCopy().begin(), db->workingCopy().end());
        return WriteFile(name, bytes);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        demo_ = BuildDemoImage();
    }

    void consistentImagePassesCheck() {
        const QString demo = WriteFile("demo.bin", demo_);
        const Run run = RunCommand({"check", demo});
        QCOMPARE(run.status, cli::EXIT_OK);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QString());
    }

    void checkFindsPlantedInconsistencies_data() {
        QTest::addColumn<QString>("file");
        const auto plant = [this](const char* name, const std::function<void(ChannelDatabase&)>& change) {
            QTest::newRow(name) << Planted(QString(name) + ".bin", change);
        };
        plant("channel count", [](ChannelDatabase& db) { db.Satellite(0).setChannelCount(26); });
        plant("transponder count", [](ChannelDatabase& db) { db.Satellite(1).setTransponderCount(4); });
        plant("next link to a free slot", [](ChannelDatabase& db) { db.Channel(3).setNextChannel(2500); });
        plant("link out of range", [](ChannelDatabase& db) { db.Channel(3).setNextChannel(5000); });
        plant("cycle", [](ChannelDatabase& db) { db.Channel(24).setNextChannel(0); });
        plant("previous does not mirror next", [](ChannelDatabase& db) { db.Channel(5).setPrevChannel(2); });
        plant("wrong tail", [](ChannelDatabase& db) { db.Satellite(0).setLastTransponder(4); });
        plant("satellite count", [](ChannelDatabase& db) { db.Settings().setSatelliteCount(7); });
        plant("transponder of another satellite",
              [](ChannelDatabase& db) { db.Transponder(2).setSatellite(1); });
        plant("channel on a free transponder",
              [](ChannelDatabase& db) { db.Channel(0).setTransponder(1500); });
        plant("channel on another satellite's transponder",
              [](ChannelDatabase& db) { db.Channel(0).setTransponder(6); });
        plant("channel number", [](ChannelDatabase& db) { db.Channel(1).setChannelNumber(9); });
        plant("service type", [](ChannelDatabase& db) { db.Channel(0).setVideoPid(NULL_PID); });
    }

    void checkFindsPlantedInconsistencies() {
        QFETCH(QString, file);
        const Run run = RunCommand({"check", file});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY2(!run.out.trimmed().isEmpty(), "one line per problem");
        QVERIFY(run.err.contains("problem"));
        // info reads the same image and gives its verdict without failing.
        const Run info = RunCommand({"info", file});
        QCOMPARE(info.status, cli::EXIT_OK);
        QVERIFY(info.out.contains("Consistency:") && info.out.contains("problem"));
    }

    void badFilesAreRefusedWithAMessage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << Path("no-such.bin") << "No such file";
        QTest::newRow("empty") << WriteFile("empty.bin", {}) << "holds 0 bytes";
        QTest::newRow("short") << WriteFile("short.bin", testsupport::RandomBytes(100, 1))
                               << "holds 100 bytes";
        QTest::newRow("one byte short")
            << WriteFile("short2.bin", testsupport::RandomBytes(IMAGE_SIZE - 1, 2)) << "holds 204799 bytes";
        QTest::newRow("long") << WriteFile("long.bin", testsupport::RandomBytes(IMAGE_SIZE + 1, 3))
                              << "more than 204800";
        QTest::newRow("folder") << dir_.path() << "not a regular file";
        const QString fifo = Path("fifo");
        ::mkfifo(fifo.toLocal8Bit().constData(), 0600);
        QTest::newRow("fifo does not hang") << fifo << "not a regular file";
    }

    void badFilesAreRefusedWithAMessage() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        for (const char* command : {"check", "info", "dump"}) {
            const Run run = RunCommand({command, file});
            QCOMPARE(run.status, cli::EXIT_UNUSABLE);
            QCOMPARE(run.out, QString());
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
            QVERIFY(run.err.startsWith(QString("vormante-cli ") + command + ": "));
        }
    }

    void randomImagesNeitherCrashNorPass() {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            const QString file = WriteFile("random.bin", testsupport::RandomBytes(IMAGE_SIZE, seed));
            QCOMPARE(RunCommand({"check", file}).status, cli::EXIT_PROBLEMS);
            QCOMPARE(RunCommand({"info", file}).status, cli::EXIT_OK);
            const Run dump = RunCommand({"dump", file});
            QCOMPARE(dump.status, cli::EXIT_OK);
            QJsonParseError error{};
            QJsonDocument::fromJson(dump.out.toUtf8(), &error);
            QCOMPARE(error.error, QJsonParseError::NoError);
        }
    }

    void infoShowsCountsAndVerdict() {
        const Run run = RunCommand({"info", WriteFile("demo.bin", demo_)});
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY(run.out.contains("Satellites:        6 used\n"));
        QVERIFY(run.out.contains("Transponders:      24 in use\n"));
        QVERIFY(run.out.contains("TV channels:       64\n"));
        QVERIFY(run.out.contains("Radio channels:    20\n"));
        QVERIFY(run.out.contains("Current satellite: slot 0, Astra 1 19.2E (19.2E)\n"));
        QVERIFY(run.out.contains("Consistency:       consistent\n"));

        const Run noCurrent = RunCommand({"info", Planted("nocurrent.bin", [](ChannelDatabase& db) {
                                              db.Settings().setCurrentSatellite(0xFF);
                                          })});
        QVERIFY(noCurrent.out.contains("Current satellite: slot 255, not a used satellite\n"));
    }

    void sampleWritesImagesThatPassTheCheck() {
        const QString demo = Path("sample-demo.bin");
        Run run = RunCommand({"sample", demo});
        QCOMPARE(run.status, cli::EXIT_OK);
        QCOMPARE(QFileInfo(demo).size(), qint64(IMAGE_SIZE));
        QCOMPARE(RunCommand({"check", demo}).status, cli::EXIT_OK);

        const QString full = Path("sample-full.bin");
        QCOMPARE(RunCommand({"sample", "--full", full}).status, cli::EXIT_OK);
        QCOMPARE(RunCommand({"check", full}).status, cli::EXIT_OK);
        run = RunCommand({"info", full});
        QVERIFY(run.out.contains("Satellites:        100 used\n"));
        QVERIFY(run.out.contains("Transponders:      2000 in use\n"));

        // Writing over an existing image replaces it; a folder is never replaced.
        QCOMPARE(RunCommand({"sample", full}).status, cli::EXIT_OK);
        QFile written(full);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll() == testsupport::ToByteArray(demo_));
        QDir().mkdir(Path("folder.bin"));
        run = RunCommand({"sample", Path("folder.bin")});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY(run.err.contains("not a regular file"));
        run = RunCommand({"sample", Path("no-such-folder/x.bin")});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY(run.err.contains("Cannot"));

        // Onto a symbolic link: the file it points to gets the image and keeps its mode.
        QVERIFY(QFile::setPermissions(full, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(QFile::link(full, Path("link.bin")));
        QCOMPARE(RunCommand({"sample", "--full", Path("link.bin")}).status, cli::EXIT_OK);
        QVERIFY(QFileInfo(Path("link.bin")).isSymLink());
        QCOMPARE(QFileInfo(full).size(), qint64(IMAGE_SIZE));
        QVERIFY(testsupport::ReadFile(full) != testsupport::ToByteArray(demo_)); // the full sample now
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ReadOther | QFileDevice::WriteOther;
        QCOMPARE(QFile::permissions(full) & others, QFileDevice::Permissions());
    }

    void helpAndUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("program help") << QStringList{"--help"} << 0 << "Commands:"
                                      << "";
        QTest::newRow("help word") << QStringList{"help"} << 0 << "Commands:"
                                   << "";
        QTest::newRow("help of a command") << QStringList{"help", "dump"} << 0 << "Usage: vormante-cli dump"
                                           << "";
        for (const char* command : {"info", "check", "dump", "sample"}) {
            QTest::newRow(command) << QStringList{command, "--help"} << 0
                                   << QString("Usage: vormante-cli ") + command << "";
            QTest::newRow(qPrintable(QString(command) + " -h"))
                << QStringList{command, "-h"} << 0 << QString("Usage: vormante-cli ") + command << "";
            QTest::newRow(qPrintable(QString(command) + " no operand"))
                << QStringList{command} << 2 << "" << QString("Try 'vormante-cli ") + command + " --help'";
        }
        QTest::newRow("nothing") << QStringList{} << 2 << ""
                                 << "Usage:";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << ""
                                         << "unknown command 'frobnicate'";
        QTest::newRow("unknown option") << QStringList{"dump", "--fast", "x.bin"} << 2 << ""
                                        << "unknown option '--fast'";
        QTest::newRow("two operands") << QStringList{"check", "a.bin", "b.bin"} << 2 << ""
                                      << "expects one IMAGE";
    }

    void helpAndUsage() {
        QFETCH(int, status);
        Run run;
        if (!RunDataRow(run))
            return;
        if (status == 0)
            QCOMPARE(run.err, QString());
    }

    void programRunsAsAProcess() {
        QProcess process;
        process.start(VORMANTE_CLI_PATH, {"check", Path("no-such.bin")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("No such file"));

        const QString demo = WriteFile("process-demo.bin", demo_);
        process.start(VORMANTE_CLI_PATH, {"dump", demo});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QJsonDocument dump = QJsonDocument::fromJson(process.readAllStandardOutput());
        QCOMPARE(dump.object()["satellites"].toArray().size(), 6);
    }
};

QTEST_GUILESS_MAIN(TestCliCommands)
#include "tst_clicommands.moc"
