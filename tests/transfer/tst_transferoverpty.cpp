// Whole transfers over a real pseudo-terminal: the engine on a SerialPort at
// one end, the strict receiver simulator at the other, unpaced. The simulator
// reads the line settings back, sends one handshake unless told to repeat it,
// and fails on any byte from the PC it did not ask for.
#include "EngineRig.h"
#include "SimulatorThread.h"
#include "TestSupport.h"
#include "transfer/SerialPort.h"
#include "transfer/TransferEngine.h"

#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using namespace vormante;
using namespace vormante::sim;

namespace {
using testsupport::ReadFile;
using testsupport::SimulatorThread;
using testsupport::WriteFileOrDie;

// Long enough that a busy machine answers before the handshake is repeated.
SimulatorOptions Patient(SimulatorOptions options) {
    options.handshakeInterval = std::chrono::milliseconds(1500);
    return options;
}

using Window = testsupport::EngineRig<SerialPort>;
} // namespace

class TestTransferOverPty : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // The rows of the tests of a transfer cut short: its direction and the image bytes after which
    // the simulator cuts it.
    static void AddCutShortRows() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<long>("after");
        QTest::newRow("while receiving") << int(TransferDirection::Receive) << 100000L;
        QTest::newRow("while sending") << int(TransferDirection::Send) << 3L * 8192 + 100;
    }

    // A row of those tests: the pattern image of seed, written to the file a send window sends and
    // given by the simulator to a receive window, and the simulator's options with `cut` set to
    // the row's byte count.
    struct CutShort {
        TransferDirection direction;
        QString file;
        SimulatorOptions options;
    };
    CutShort FetchCutShortRow(const QString& name, int seed, long SimulatorOptions::*cut) {
        QFETCH(int, direction);
        QFETCH(long, after);
        CutShort row{static_cast<TransferDirection>(direction),
                     WriteFileOrDie(dir_.filePath(name), testsupport::ToByteArray(PatternImage(seed))),
                     {}};
        row.options.mode =
            row.direction == TransferDirection::Send ? SimulatorMode::Accept : SimulatorMode::Give;
        row.options.image = PatternImage(seed);
        row.options.*cut = after;
        return row;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void sendArrivesByteForByte_data() {
        QTest::addColumn<int>("repeatAfter");
        QTest::addColumn<int>("garbage");
        QTest::addColumn<bool>("split");
        QTest::addColumn<int>("handshakes");
        QTest::newRow("plain") << -1 << 0 << false << 1;
        QTest::newRow("repeat after block 7") << 7 << 0 << false << 1;
        // Even noise in the same read as the handshake leaves the frame pairs aligned.
        QTest::newRow("noise with the handshake") << -1 << 6 << false << 1;
        // A frame split over two reads is two lone bytes: only the repeat is answered.
        QTest::newRow("repeat before block 1, split frame") << 0 << 0 << true << 2;
    }
    void sendArrivesByteForByte() {
        QFETCH(int, repeatAfter);
        QFETCH(int, garbage);
        QFETCH(bool, split);
        QFETCH(int, handshakes);
        const QByteArray image = testsupport::ToByteArray(PatternImage(21));
        const QString file = WriteFileOrDie(dir_.filePath(QStringLiteral("send.bin")), image);
        SimulatorOptions options;
        options.mode = SimulatorMode::Accept;
        options.repeatAfterBlock = repeatAfter;
        options.garbageBytes = static_cast<std::size_t>(garbage);
        options.splitHandshake = split;
        options.handshakeRepeats = split ? 1 : 0;
        SimulatorThread simulator(Patient(options));
        QVERIFY2(simulator.opened, simulator.error.c_str());

        Window window(TransferDirection::Send, file);
        QVERIFY(window.engine.Start(simulator.device()));
        QVERIFY(simulator.Start());
        QTRY_VERIFY_WITH_TIMEOUT(window.view.ended, 20000);
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(testsupport::ToByteArray(result.received), image);
        QCOMPARE(result.blocksRequested, 26);
        QCOMPARE(result.repeatMatched, repeatAfter > 0);
        QCOMPARE(result.handshakes, handshakes);
        QVERIFY(result.lineChecked);
        QCOMPARE(result.pcBytes, std::size_t(2 + 204800 + (repeatAfter > 0 ? 8192 : 0))); // not a byte more
        QVERIFY(result.pcClosed);
        QCOMPARE(window.view.messages, QStringList{QString::fromLatin1(transfertext::UPLOADED)});
        QVERIFY(window.view.accepted);
        QVERIFY(!window.channel.IsConnected());
    }

    void damagedBlockIsSentAgain() {
        const QByteArray image = testsupport::ToByteArray(PatternImage(25));
        const QString file = WriteFileOrDie(dir_.filePath(QStringLiteral("damaged.bin")), image);
        SimulatorOptions options;
        options.mode = SimulatorMode::Accept;
        options.damagedBlock = 12;
        SimulatorThread simulator(options);
        QVERIFY2(simulator.opened, simulator.error.c_str());
        Window window(TransferDirection::Send, file);
        QVERIFY(window.engine.Start(simulator.device()));
        QVERIFY(simulator.Start());
        QTRY_VERIFY_WITH_TIMEOUT(window.view.ended, 20000);
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(testsupport::ToByteArray(result.received), image);
        QCOMPARE(result.pcBytes, std::size_t(2 + 204800 + 8192));
        QCOMPARE(result.handshakes, 1);
    }

    void receiveArrivesByteForByte_data() {
        QTest::addColumn<int>("damagedBlock");
        QTest::addColumn<int>("extraBytes");
        QTest::newRow("plain") << -1 << 0;
        // Frame pairs and changed bytes inside the stream are image bytes like any others.
        QTest::newRow("damaged block 3") << 3 << 0;
        // A stream longer than an image: exactly the first 204800 bytes are kept.
        QTest::newRow("5000 bytes too many") << -1 << 5000;
    }
    void receiveArrivesByteForByte() {
        QFETCH(int, damagedBlock);
        QFETCH(int, extraBytes);
        SimulatorOptions options;
        options.mode = SimulatorMode::Give;
        options.image = PatternImage(22);
        options.damagedBlock = damagedBlock;
        options.extraBytes = static_cast<std::size_t>(extraBytes);
        SimulatorThread simulator(Patient(options));
        QVERIFY2(simulator.opened, simulator.error.c_str());

        Window window(TransferDirection::Receive);
        const QString target = dir_.filePath(QStringLiteral("received"));
        window.view.fileNames = {target};
        QVERIFY(window.engine.Start(simulator.device()));
        QVERIFY(simulator.Start());
        QTRY_VERIFY_WITH_TIMEOUT(window.view.ended, 20000);
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(ReadFile(target + QStringLiteral(".bin")), testsupport::ToByteArray(result.sent));
        QCOMPARE(result.sent == options.image, damagedBlock < 0);
        QCOMPARE(result.handshakes, 1);
        QVERIFY(result.lineChecked);
        QCOMPARE(result.pcBytes, std::size_t(2)); // the answer, and silence while the image streams
        QCOMPARE(window.view.messages.size(), 1);
        // A pattern is no consistent image: the saved message goes on to count its problems.
        QVERIFY(window.view.messages[0].startsWith(QString::fromLatin1(transfertext::DOWNLOADED_SAVED_TO) +
                                                   QDir::toNativeSeparators(target + QStringLiteral(".bin")) +
                                                   QStringLiteral("\n\nThe received image has ")));
    }

    void hangUpMidTransfer_data() { AddCutShortRows(); }
    void hangUpMidTransfer() {
        const CutShort row =
            FetchCutShortRow(QStringLiteral("hangup.bin"), 23, &SimulatorOptions::hangUpAfter);
        SimulatorThread simulator(Patient(row.options));
        QVERIFY2(simulator.opened, simulator.error.c_str());

        Window window(row.direction, row.file);
        QVERIFY(window.engine.Start(simulator.device()));
        QVERIFY(simulator.Start());
        QTRY_VERIFY_WITH_TIMEOUT(!window.view.messages.isEmpty(), 20000);
        const SimulatorResult& result = simulator.Finish();
        QVERIFY(result.hungUp);
        QCOMPARE(window.view.messages.size(), 1);
        QVERIFY2(window.view.messages[0].contains(QStringLiteral("transfer has been stopped")),
                 qPrintable(window.view.messages[0]));
        QCOMPARE(window.engine.state(), TransferEngine::State::Closed);
        QCOMPARE(window.view.lastControls(), (RecordingView::Controls{true, true, true, true}));
        QVERIFY(!window.view.ended);
        QVERIFY(!window.channel.IsConnected());
    }

    void silentReceiverEndsTheTransfer_data() { AddCutShortRows(); }
    void silentReceiverEndsTheTransfer() {
        // The cable is pulled: on RS-232 that is silence, not an error. The
        // window's ten seconds are shortened here to one.
        const CutShort row =
            FetchCutShortRow(QStringLiteral("silence.bin"), 26, &SimulatorOptions::silentAfter);
        SimulatorThread simulator(row.options);
        QVERIFY2(simulator.opened, simulator.error.c_str());

        Window window(row.direction, row.file);
        window.engine.SetTimeLimits(std::chrono::milliseconds(1000), TransferEngine::HANDSHAKE_HINT_DELAY);
        window.view.fileNames = {dir_.filePath(QStringLiteral("never"))};
        QVERIFY(window.engine.Start(simulator.device()));
        QVERIFY(simulator.Start());
        QTRY_VERIFY_WITH_TIMEOUT(!window.view.messages.isEmpty(), 15000);
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QVERIFY(result.wentSilent);
        QVERIFY(result.pcClosed); // the PC gave up and let go of the line
        QCOMPARE(window.view.messages.size(), 1);
        QVERIFY2(window.view.messages[0].contains(QStringLiteral("stopped answering")),
                 qPrintable(window.view.messages[0]));
        QCOMPARE(window.engine.state(), TransferEngine::State::Closed);
        QCOMPARE(window.view.lastControls(), (RecordingView::Controls{true, true, true, true}));
        QVERIFY(!window.view.ended);
        QCOMPARE(window.view.fileNameAsks, 0);
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("never.bin"))));
    }

    void wrongDirectionIsNotAnswered() {
        SimulatorOptions options;
        options.mode = SimulatorMode::Give;
        options.image = PatternImage(24);
        options.wrongDirection = true; // offers with ReceiveReady to a receive window
        SimulatorThread simulator(Patient(options));
        QVERIFY2(simulator.opened, simulator.error.c_str());
        Window window(TransferDirection::Receive);
        QVERIFY(window.engine.Start(simulator.device()));
        QVERIFY(simulator.Start());
        QTRY_VERIFY_WITH_TIMEOUT(window.view.ended, 20000);
        QCOMPARE(window.view.messages, QStringList{QString::fromLatin1(transfertext::WRONG_DIRECTION)});
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str()); // no answer came, and the PC closed the port
        QVERIFY(result.pcClosed);
        QCOMPARE(result.pcBytes, std::size_t(0));
        QCOMPARE(result.handshakes, 1);
    }

    void simulatorIsAsStrictAsAReceiver_data() {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("flow");
        QTest::addColumn<QByteArray>("pcSends");
        QTest::addColumn<QString>("failure");
        const QByteArray answer("\xB1\x1B");
        QTest::newRow("right answer") << 115200 << int(QSerialPort::NoFlowControl) << answer << QString();
        QTest::newRow("57600 baud") << 57600 << int(QSerialPort::NoFlowControl) << answer << "57600 baud";
        QTest::newRow("hardware flow control")
            << 115200 << int(QSerialPort::HardwareControl) << answer << "hardware flow control";
        QTest::newRow("software flow control")
            << 115200 << int(QSerialPort::SoftwareControl) << answer << "software flow control";
        QTest::newRow("doubled answer") << 115200 << int(QSerialPort::NoFlowControl) << answer + answer
                                        << "unexpected byte 0xB1 from the PC at offset 2";
        QTest::newRow("noise before the answer")
            << 115200 << int(QSerialPort::NoFlowControl) << QByteArray(1, '\0') + answer
            << "unexpected byte 0x00 from the PC at offset 0";
    }
    void simulatorIsAsStrictAsAReceiver() {
        // A PC of the test's own making, to show that the simulator refuses what a
        // receiver would refuse: wrong line settings, doubled answers, noise.
        QFETCH(int, baud);
        QFETCH(int, flow);
        QFETCH(QByteArray, pcSends);
        QFETCH(QString, failure);
        SimulatorOptions options;
        options.mode = SimulatorMode::Accept;
        options.linger = std::chrono::milliseconds(100);
        SimulatorThread simulator(options);
        QVERIFY2(simulator.opened, simulator.error.c_str());
        QSerialPort pc(simulator.device());
        QVERIFY(pc.open(QIODevice::ReadWrite));
        QVERIFY(pc.setBaudRate(baud) && pc.setFlowControl(static_cast<QSerialPort::FlowControl>(flow)));
        QVERIFY(simulator.Start());
        const bool lineRefused =
            failure.contains(QStringLiteral("flow")) || failure.contains(QStringLiteral("baud"));
        if (!lineRefused) {
            QTRY_VERIFY_WITH_TIMEOUT(pc.bytesAvailable() >= 2 || pc.waitForReadyRead(10), 5000);
            QCOMPARE(pc.read(2), QByteArray("\xC1\x1C"));
            pc.write(pcSends);
            QVERIFY(pc.waitForBytesWritten(1000));
        }
        if (failure.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(pc.bytesAvailable() >= 2 || pc.waitForReadyRead(10), 5000);
            QCOMPARE(pc.read(2), QByteArray("\xD1\x1D")); // the first block is asked for
            simulator.simulator.Cancel();
            return;
        }
        const SimulatorResult& result = simulator.Finish();
        QVERIFY(!result.ok);
        QVERIFY2(QString::fromStdString(result.error).contains(failure), result.error.c_str());
    }

    void simulatorProgramGives() {
        QProcess process;
        const QString device =
            StartProgram(process, {QStringLiteral("give"), QStringLiteral("--seed"), QStringLiteral("7")});
        QVERIFY(!device.isEmpty());
        Window window(TransferDirection::Receive);
        const QString target = dir_.filePath(QStringLiteral("from-program.bin"));
        window.view.fileNames = {target};
        QVERIFY(window.engine.Start(device));
        QTRY_VERIFY_WITH_TIMEOUT(window.view.ended, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 10000);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(ReadFile(target), testsupport::ToByteArray(PatternImage(7)));
    }

    void simulatorProgramAccepts() {
        const QByteArray image = testsupport::ToByteArray(PatternImage(8));
        const QString file = dir_.filePath(QStringLiteral("to-program.bin"));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(image) == image.size());
        }
        const QString taken = dir_.filePath(QStringLiteral("taken.bin"));
        QProcess process;
        const QString device =
            StartProgram(process, {QStringLiteral("accept"), QStringLiteral("--output"), taken,
                                   QStringLiteral("--repeat-after"), QStringLiteral("25")});
        QVERIFY(!device.isEmpty());
        Window window(TransferDirection::Send, file);
        QVERIFY(window.engine.Start(device));
        QTRY_VERIFY_WITH_TIMEOUT(window.view.ended, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 10000);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(ReadFile(taken), image);
    }

    void simulatorProgramHelpAndMistakes() {
        QProcess help;
        help.start(Program(), {QStringLiteral("--help")});
        QVERIFY(help.waitForFinished(5000));
        QCOMPARE(help.exitCode(), 0);
        QVERIFY(help.readAllStandardOutput().contains("--hang-up-after"));

        for (const QStringList& wrong :
             {QStringList{}, QStringList{QStringLiteral("give"), QStringLiteral("--rate")},
              QStringList{QStringLiteral("accept"), QStringLiteral("--repeat-after"), QStringLiteral("26")},
              QStringList{QStringLiteral("give"), QStringLiteral("--image"),
                          dir_.filePath(QStringLiteral("missing.bin"))}}) {
            QProcess process;
            process.start(Program(), wrong);
            QVERIFY(process.waitForFinished(5000));
            QCOMPARE(process.exitCode(), 2);
            QVERIFY(process.readAllStandardOutput().isEmpty()); // no device offered
        }
    }

private:
    static QString Program() { return QStringLiteral(VORMANTE_BINARY_DIR "/tools/vormante-receiver-sim"); }

    // Starts the program unpaced and returns the device it prints first.
    static QString StartProgram(QProcess& process, QStringList arguments) {
        arguments << QStringLiteral("--unpaced") << QStringLiteral("--quiet");
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(Program(), arguments);
        if (!process.waitForStarted())
            return QString();
        QDeadlineTimer deadline(5000);
        while (!process.canReadLine() && !deadline.hasExpired())
            process.waitForReadyRead(100);
        const QString device = QString::fromLocal8Bit(process.readLine()).trimmed();
        return device.startsWith(QStringLiteral("/dev/")) ? device : QString();
    }
};

QTEST_GUILESS_MAIN(TestTransferOverPty)
#include "tst_transferoverpty.moc"
