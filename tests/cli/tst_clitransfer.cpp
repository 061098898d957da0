// send and receive against the receiver simulator over a pseudo-terminal, unpaced.
#include "CliRun.h"
#include "SimulatorThread.h"
#include "TestSupport.h"

#include "model/SampleImages.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <pty.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace vormante;
using namespace vormante::sim;

namespace {
using testsupport::ReadFile;

// The command-line tool closes the line as soon as it is done.
struct Receiver : testsupport::SimulatorThread {
    explicit Receiver(SimulatorOptions options)
        : SimulatorThread(std::move(options), std::chrono::seconds(2)) {}
};

SimulatorOptions Accepting() {
    SimulatorOptions options;
    options.mode = SimulatorMode::Accept;
    return options;
}

SimulatorOptions Giving(const std::vector<std::uint8_t>& image) {
    SimulatorOptions options;
    options.mode = SimulatorMode::Give;
    options.image = image;
    return options;
}

} // namespace

class TestCliTransfer : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString demoFile;
    std::vector<std::uint8_t> demo;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir.isValid());
        demo = BuildDemoImage();
        demoFile = dir.filePath("demo.bin");
        QFile file(demoFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(testsupport::ToByteArray(demo)), qint64(IMAGE_SIZE));
    }

    void sendArrivesWhole() {
        Receiver receiver(Accepting());
        QVERIFY2(receiver.Start(), receiver.error.c_str());
        const Run run = RunCommand({"send", demoFile, "--port", receiver.device(), "--timeout", "20"});
        const SimulatorResult& result = receiver.Finish();
        QCOMPARE(run.status, cli::EXIT_OK);
        QCOMPARE(run.out, QString("Data have been uploaded to STB\n"));
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(result.handshakes, 1);
        QVERIFY(result.lineChecked);
        QVERIFY(result.received == demo);
        QCOMPARE(result.blocksRequested, 26);
    }

    void sendRepeatsABlockOnRequest() {
        SimulatorOptions options = Accepting();
        options.repeatAfterBlock = 7;
        options.garbageBytes = 6; // in the same read as the handshake, which is still found
        Receiver receiver(options);
        QVERIFY(receiver.Start());
        const Run run = RunCommand({"send", demoFile, "--port=" + receiver.device(), "--timeout", "20"});
        const SimulatorResult& result = receiver.Finish();
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(result.handshakes, 1);
        QVERIFY(result.repeatMatched);
        QVERIFY(result.received == demo);
    }

    void receiveWritesTheImageUnderTheNameGiven() {
        const std::vector<std::uint8_t> image = PatternImage(7);
        Receiver receiver(Giving(image));
        QVERIFY(receiver.Start());
        const QString output = dir.filePath("backup"); // no ".bin" added on the command line
        const Run run = RunCommand({"receive", output, "--port", receiver.device(), "--timeout", "20"});
        QVERIFY(receiver.Finish().ok);
        QCOMPARE(run.status, cli::EXIT_OK);
        QCOMPARE(run.out, "Data have been DownLoaded and saved to " + output + "\n");
        QVERIFY(ReadFile(output) == testsupport::ToByteArray(image));
        QVERIFY(!QFileInfo::exists(output + ".bin"));
    }

    void receiveReplacesAnExistingFile() {
        const QString output = dir.filePath("old.bin");
        QFile::copy(demoFile, output);
        const std::vector<std::uint8_t> image = PatternImage(8);
        SimulatorOptions options = Giving(image);
        options.splitHandshake = true; // the first frame is not recognised; the repeat is
        options.handshakeRepeats = 1;
        Receiver receiver(options);
        QVERIFY(receiver.Start());
        const Run run = RunCommand({"receive", output, "--port", receiver.device(), "--timeout", "20"});
        const SimulatorResult& result = receiver.Finish();
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(result.handshakes, 2);
        QVERIFY(ReadFile(output) == testsupport::ToByteArray(image));
    }

    void wrongDirectionFails() {
        Receiver receiver(Giving(PatternImage(1))); // offers an image to a PC that wants to send
        QVERIFY(receiver.Start());
        const Run run = RunCommand({"send", demoFile, "--port", receiver.device(), "--timeout", "5"});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY2(run.err.contains("vormante-cli send: You have select wrong direction\n"),
                 qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    void hangUpInTheMiddleFailsAndWritesNothing() {
        SimulatorOptions options = Giving(PatternImage(2));
        options.hangUpAfter = 50000;
        Receiver receiver(options);
        QVERIFY(receiver.Start());
        const QString output = dir.filePath("never.bin");
        const Run run = RunCommand({"receive", output, "--port", receiver.device(), "--timeout", "10"});
        receiver.Finish();
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY2(run.err.contains("lost"), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(output));
    }

    void silentReceiverTimesOut() {
        Receiver receiver(Accepting()); // the line is there, nobody speaks on it
        QVERIFY(receiver.opened);
        QElapsedTimer clock;
        clock.start();
        const Run run = RunCommand({"send", demoFile, "--port", receiver.device(), "--timeout", "1"});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY2(run.err.contains("no progress from the receiver for 1 second;"), qPrintable(run.err));
        QVERIFY(clock.elapsed() < 10000);
    }

    void endlessNoiseTimesOut() {
        int master = -1, slave = -1;
        char name[256] = {};
        QVERIFY(::openpty(&master, &slave, name, nullptr, nullptr) == 0);
        std::atomic<bool> stop{false};
        std::thread noise([&] {
            const unsigned char bytes[] = {0x00, 0xD1, 0x1D, 0x55};
            while (!stop) {
                if (::write(master, bytes, sizeof bytes) < 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        QElapsedTimer clock;
        clock.start();
        const Run run = RunCommand({"receive", dir.filePath("noise.bin"), "--port", name, "--timeout", "1"});
        stop = true;
        noise.join();
        ::close(slave);
        ::close(master);
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY2(run.err.contains("no progress from the receiver for 1 second;"), qPrintable(run.err));
        QVERIFY(clock.elapsed() < 10000);
    }

    void refusedBeforeAByteGoesOut_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString shortFile = dir.filePath("short.bin");
        QFile file(shortFile);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(1000, 'x'));
        file.close();
        QTest::newRow("short image") << QStringList{"send", shortFile, "--port", "/dev/null"} << 2
                                     << "holds 1000 bytes";
        QTest::newRow("missing image")
            << QStringList{"send", dir.filePath("none.bin"), "--port", "/dev/null"} << 2 << "No such file";
        QTest::newRow("no port") << QStringList{"send", demoFile} << 2 << "needs --port DEVICE";
        QTest::newRow("port without value")
            << QStringList{"receive", "x.bin", "--port"} << 2 << "needs a value";
        QTest::newRow("zero timeout")
            << QStringList{"send", demoFile, "--port", "/dev/null", "--timeout", "0"} << 2
            << "--timeout takes";
        QTest::newRow("word timeout")
            << QStringList{"receive", "x.bin", "--port", "p", "--timeout", "soon"} << 2 << "--timeout takes";
        QTest::newRow("output folder missing")
            << QStringList{"receive", dir.filePath("no/such/folder.bin"), "--port", "/dev/null"} << 2
            << "cannot write into the folder";
        QTest::newRow("output is a folder")
            << QStringList{"receive", dir.path(), "--port", "/dev/null"} << 2 << "not a regular file";
        const QString pipe = dir.filePath("pipe.bin");
        if (!QFileInfo::exists(pipe))
            ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
        // The refusal says why, in the command's own words, whatever the kind of file.
        QTest::newRow("image is a named pipe, no hang")
            << QStringList{"send", pipe, "--port", "/dev/null"} << 2
            << "vormante-cli send: \"" + pipe + "\" is not a regular file\n";
        QTest::newRow("image is a device") << QStringList{"send", "/dev/zero", "--port", "/dev/null"} << 2
                                           << "vormante-cli send: \"/dev/zero\" is not a regular file\n";
        QTest::newRow("image is a folder")
            << QStringList{"send", dir.path(), "--port", "/dev/null"} << 2
            << "vormante-cli send: \"" + dir.path() + "\" is not a regular file\n";
        QTest::newRow("no such port") << QStringList{"send", demoFile, "--port", "/dev/no-such-port"} << 1
                                      << "The selected COM is invalid or have already been opened!";
    }

    void refusedBeforeAByteGoesOut() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run run = RunCommand(args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    void helpOfTheTransferCommands() {
        for (const char* command : {"send", "receive"}) {
            const Run run = RunCommand({command, "--help"});
            QCOMPARE(run.status, cli::EXIT_OK);
            QVERIFY(run.out.startsWith(QString("Usage: vormante-cli ") + command));
            QVERIFY(run.out.contains("--timeout SECONDS"));
        }
    }

    // The programs themselves: vormante-cli receive from vormante-receiver-sim give.
    void programsTalkOverAPty() {
        QProcess simulator;
        simulator.start(VORMANTE_SIM_PATH,
                        {"give", "--unpaced", "--quiet", "--image", demoFile, "--timeout", "20"});
        QVERIFY(simulator.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(simulator.canReadLine(), 10000);
        const QString device = QString::fromLocal8Bit(simulator.readLine()).trimmed();
        QVERIFY(device.startsWith("/dev/"));

        const QString output = dir.filePath("from-receiver.bin");
        QProcess cli;
        cli.start(VORMANTE_CLI_PATH, {"receive", output, "--port", device, "--timeout", "20"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(ReadFile(output) == testsupport::ToByteArray(demo));
        QVERIFY(simulator.waitForFinished(30000));
        QCOMPARE(simulator.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "tst_clitransfer.moc"
