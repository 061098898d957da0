// send and receive against the receiver simulator over a pseudo-terminal, unpaced.
#include "CliRun.h"
#include "SimulatorThread.h"
#include "TestSupport.h"

#include "archive/ImageArchive.h"
#include "model/SampleImages.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

    QTemporaryDir dir_;
    QString demoFile_;
    std::vector<std::uint8_t> demo_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // The archive of what is sent and received goes into the test's own folder.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath("data")));
        demo_ = BuildDemoImage();
        demoFile_ = dir_.filePath("demo.bin");
        QFile file(demoFile_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(testsupport::ToByteArray(demo_)), qint64(IMAGE_SIZE));
    }

    void sendArrivesWhole() {
        Receiver receiver(Accepting());
        QVERIFY2(receiver.Start(), receiver.error.c_str());
        const Run run = RunCommand({"send", demoFile_, "--port", receiver.device(), "--timeout", "20"});
        const SimulatorResult& result = receiver.Finish();
        QCOMPARE(run.status, cli::EXIT_OK);
        QCOMPARE(run.out, QString("Data have been uploaded to STB\n"));
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(result.handshakes, 1);
        QVERIFY(result.lineChecked);
        QVERIFY(result.received == demo_);
        QCOMPARE(result.blocksRequested, 26);
        const ArchiveEntry sent = ImageArchive().List().entries.value(0);
        QCOMPARE(sent.kind, ArchiveKind::Sent);
        QCOMPARE(sent.port, receiver.device());
        QCOMPARE(sent.file, demoFile_);
    }

    void sendRepeatsABlockOnRequest() {
        SimulatorOptions options = Accepting();
        options.repeatAfterBlock = 7;
        options.garbageBytes = 6; // in the same read as the handshake, which is still found
        Receiver receiver(options);
        QVERIFY(receiver.Start());
        const Run run = RunCommand({"send", demoFile_, "--port=" + receiver.device(), "--timeout", "20"});
        const SimulatorResult& result = receiver.Finish();
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(result.handshakes, 1);
        QVERIFY(result.repeatMatched);
        QVERIFY(result.received == demo_);
    }

    void receiveWritesTheImageUnderTheNameGiven() {
        const std::vector<std::uint8_t> image = demo_;
        Receiver receiver(Giving(image));
        QVERIFY(receiver.Start());
        const QString output = dir_.filePath("backup"); // no ".bin" added on the command line
        const Run run = RunCommand({"receive", output, "--port", receiver.device(), "--timeout", "20"});
        QVERIFY(receiver.Finish().ok);
        QCOMPARE(run.status, cli::EXIT_OK);
        QCOMPARE(run.out, "Data have been DownLoaded and saved to " + output + "\n");
        QVERIFY(ReadFile(output) == testsupport::ToByteArray(image));
        QVERIFY(!QFileInfo::exists(output + ".bin"));
        const ArchiveEntry received = ImageArchive().List().entries.value(0);
        QCOMPARE(received.kind, ArchiveKind::Received);
        QCOMPARE(received.port, receiver.device());
        QByteArray kept;
        QString error;
        QVERIFY(ImageArchive().Read(received.id, &kept, &error));
        QCOMPARE(kept, testsupport::ToByteArray(image));
    }

    // A damaged image from the receiver is written (it is what the receiver holds) and
    // counted: exit 1, never a plain success.
    void damagedReceiveIsWrittenAndCounted() {
        const std::vector<std::uint8_t> image = PatternImage(9);
        Receiver receiver(Giving(image));
        QVERIFY(receiver.Start());
        const QString output = dir_.filePath("damaged.bin");
        const Run run = RunCommand({"receive", output, "--port", receiver.device(), "--timeout", "20"});
        QVERIFY(receiver.Finish().ok);
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QCOMPARE(run.out, "Data have been DownLoaded and saved to " + output + "\n");
        QVERIFY(ReadFile(output) == testsupport::ToByteArray(image));
        QVERIFY2(
            run.err.contains(QRegularExpression("vormante-cli receive: the received image has \\d+ "
                                                "consistency problems \\(vormante-cli check lists them\\)")),
            qPrintable(run.err));
    }

    // send --verify against one simulator that takes the image, stores it (with a fault
    // where asked) and gives back what it stored.
    void verifyComparesWhatTheReceiverHolds_data() {
        QTest::addColumn<long>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("faithful receiver")
            << -1L << 0 << "The receiver holds exactly the image that was sent.\n";
        QTest::newRow("a byte stored changed")
            << 40300L << 1
            << "differs from the one sent in 1 byte:\n  byte 40300 (0x09D6C, channel slot 0): sent 0x";
    }
    void verifyComparesWhatTheReceiverHolds() {
        QFETCH(long, fault);
        QFETCH(int, status);
        QFETCH(QString, said);
        SimulatorOptions options = Accepting();
        options.thenGive = true;
        options.storeFault = fault;
        Receiver receiver(options);
        QVERIFY(receiver.Start());
        const Run run =
            RunCommand({"send", demoFile_, "--port", receiver.device(), "--timeout", "20", "--verify"});
        const SimulatorResult& result = receiver.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(run.status, status);
        QVERIFY2(run.out.startsWith("Data have been uploaded to STB\n"), qPrintable(run.out));
        QVERIFY2(run.out.contains(said), qPrintable(run.out));
        QVERIFY(run.err.contains("start sending on the receiver now"));
        QCOMPARE(result.handshakes, 2);
        QVERIFY(result.received == demo_);
        QVERIFY(result.sent == result.stored);
        // Both ways are archived: what went out and what came back.
        const QList<ArchiveEntry> entries = ImageArchive().List().entries;
        QCOMPARE(entries.value(0).kind, ArchiveKind::Received);
        QCOMPARE(entries.value(1).kind, ArchiveKind::Sent);
    }

    void verifyWithoutAnswerIsATransferFailure() {
        Receiver receiver(Accepting()); // takes the image, never sends it back
        QVERIFY(receiver.Start());
        const Run run =
            RunCommand({"send", demoFile_, "--port", receiver.device(), "--timeout", "1", "--verify"});
        receiver.Finish();
        QCOMPARE(run.status, cli::EXIT_UNUSABLE);
        QVERIFY2(run.err.contains("the image was sent, but what the receiver holds could not be checked"),
                 qPrintable(run.err));
    }

    void forceSendsAnImageWithProblems() {
        const QString pattern = dir_.filePath("pattern.bin");
        QFile file(pattern);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testsupport::ToByteArray(PatternImage(4)));
        file.close();
        Receiver receiver(Accepting());
        QVERIFY(receiver.Start());
        const Run run =
            RunCommand({"send", pattern, "--port", receiver.device(), "--timeout", "20", "--force"});
        QVERIFY(receiver.Finish().ok);
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY2(run.err.contains("sending it all the same"), qPrintable(run.err));
    }

    // A port that is there but never answers: after the hint the command says what it
    // waits for and how long, instead of keeping silent until it gives up.
    void silentPortSaysWhatItAwaits() {
        Receiver receiver(Accepting()); // never started: the line is there, nobody speaks
        QVERIFY(receiver.opened);
        const Run run = RunCommand(
            {"receive", dir_.filePath("never.bin"), "--port", receiver.device(), "--timeout", "2"});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        const int hint = run.err.indexOf("No handshake from the receiver yet");
        const int awaited =
            run.err.indexOf("Still waiting for the receiver on " + receiver.device() +
                            " to start the transfer; giving up after 2 seconds without progress "
                            "(--timeout).");
        const int gaveUp = run.err.indexOf("no progress from the receiver for 2 seconds; gave up");
        QVERIFY2(hint >= 0 && awaited > hint && gaveUp > awaited, qPrintable(run.err));
    }

    void receiveReplacesAnExistingFile() {
        const QString output = dir_.filePath("old.bin");
        QFile::copy(demoFile_, output);
        const std::vector<std::uint8_t> image = demo_;
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
        const Run run = RunCommand({"send", demoFile_, "--port", receiver.device(), "--timeout", "5"});
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
        const QString output = dir_.filePath("never.bin");
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
        const Run run = RunCommand({"send", demoFile_, "--port", receiver.device(), "--timeout", "1"});
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
        const Run run = RunCommand({"receive", dir_.filePath("noise.bin"), "--port", name, "--timeout", "1"});
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
        const QString shortFile = dir_.filePath("short.bin");
        QFile file(shortFile);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(1000, 'x'));
        file.close();
        QTest::newRow("short image") << QStringList{"send", shortFile, "--port", "/dev/null"} << 2
                                     << "holds 1000 bytes";
        const QString pattern = dir_.filePath("problems.bin");
        QFile problems(pattern);
        if (problems.open(QIODevice::WriteOnly))
            problems.write(testsupport::ToByteArray(PatternImage(3)));
        problems.close();
        QTest::newRow("image with problems, no --force")
            << QStringList{"send", pattern, "--port", "/dev/null", "--verify"} << 2
            << "that the receiver may not handle (vormante-cli check lists them); it is not sent. --force "
               "sends it "
               "anyway.";
        QTest::newRow("missing image")
            << QStringList{"send", dir_.filePath("none.bin"), "--port", "/dev/null"} << 2 << "No such file";
        QTest::newRow("no port") << QStringList{"send", demoFile_} << 2 << "needs --port DEVICE";
        QTest::newRow("port without value")
            << QStringList{"receive", "x.bin", "--port"} << 2 << "needs a value";
        QTest::newRow("zero timeout")
            << QStringList{"send", demoFile_, "--port", "/dev/null", "--timeout", "0"} << 2
            << "--timeout takes";
        QTest::newRow("word timeout")
            << QStringList{"receive", "x.bin", "--port", "p", "--timeout", "soon"} << 2 << "--timeout takes";
        QTest::newRow("output folder missing")
            << QStringList{"receive", dir_.filePath("no/such/folder.bin"), "--port", "/dev/null"} << 2
            << "cannot write into the folder";
        QTest::newRow("output is a folder")
            << QStringList{"receive", dir_.path(), "--port", "/dev/null"} << 2 << "not a regular file";
        const QString pipe = dir_.filePath("pipe.bin");
        if (!QFileInfo::exists(pipe))
            ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
        // The refusal says why, in the command's own words, whatever the kind of file.
        QTest::newRow("image is a named pipe, no hang")
            << QStringList{"send", pipe, "--port", "/dev/null"} << 2
            << "vormante-cli send: \"" + pipe + "\" is not a regular file\n";
        QTest::newRow("image is a device") << QStringList{"send", "/dev/zero", "--port", "/dev/null"} << 2
                                           << "vormante-cli send: \"/dev/zero\" is not a regular file\n";
        QTest::newRow("image is a folder")
            << QStringList{"send", dir_.path(), "--port", "/dev/null"} << 2
            << "vormante-cli send: \"" + dir_.path() + "\" is not a regular file\n";
        QTest::newRow("no such port") << QStringList{"send", demoFile_, "--port", "/dev/no-such-port"} << 1
                                      << "The selected COM is invalid or have already been opened!";
    }

    void refusedBeforeAByteGoesOut() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run run = RunCommand(args);
        if (!Ran(run, status, QString(), message))
            return;
        QVERIFY2(run.err.count("vormante-cli " + args.first() + ": ") == 1, qPrintable(run.err)); // said once
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
                        {"give", "--unpaced", "--quiet", "--image", demoFile_, "--timeout", "20"});
        QVERIFY(simulator.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(simulator.canReadLine(), 10000);
        const QString device = QString::fromLocal8Bit(simulator.readLine()).trimmed();
        QVERIFY(device.startsWith("/dev/"));

        const QString output = dir_.filePath("from-receiver.bin");
        QProcess cli;
        cli.start(VORMANTE_CLI_PATH, {"receive", output, "--port", device, "--timeout", "20"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(ReadFile(output) == testsupport::ToByteArray(demo_));
        QVERIFY(simulator.waitForFinished(30000));
        QCOMPARE(simulator.exitCode(), 0);
    }

    // The simulator reads its image as the tools do: a named pipe is refused, not waited on.
    void simulatorRefusesAPipeAsItsImage() {
        const QString pipe = dir_.filePath("sim-pipe.bin");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QProcess simulator;
        simulator.start(VORMANTE_SIM_PATH, {"give", "--image", pipe});
        QVERIFY(simulator.waitForFinished(10000));
        QCOMPARE(simulator.exitCode(), 2);
        QVERIFY(simulator.readAllStandardError().contains("not a regular file"));
    }

    // vormante-cli send --verify against one vormante-receiver-sim that keeps a memory.
    void programsCheckASendEndToEnd() {
        const QString memory = dir_.filePath("memory.bin");
        QProcess simulator;
        simulator.start(VORMANTE_SIM_PATH, {"accept", "--unpaced", "--quiet", "--memory", memory,
                                            "--then-give", "--store-fault", "5", "--timeout", "20"});
        QVERIFY(simulator.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(simulator.canReadLine(), 10000);
        const QString device = QString::fromLocal8Bit(simulator.readLine()).trimmed();

        QProcess cli;
        cli.start(VORMANTE_CLI_PATH, {"send", demoFile_, "--port", device, "--timeout", "20", "--verify"});
        QVERIFY(cli.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(cli.readAllStandardOutput());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(out.contains("in 1 byte:\n  byte 5 (0x00005, sector header 1): sent 0x"), qPrintable(out));
        QVERIFY(simulator.waitForFinished(30000));
        QCOMPARE(simulator.exitCode(), 0);
        QByteArray stored = testsupport::ToByteArray(demo_);
        stored[5] = static_cast<char>(stored[5] ^ 0xFF);
        QCOMPARE(ReadFile(memory), stored);
    }
};

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "tst_clitransfer.moc"
