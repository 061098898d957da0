// Whole transfers over a real pseudo-terminal: the engine on a SerialPort at
// one end, the receiver simulator at the other, unpaced.
#include "RecordingView.h"
#include "TestSupport.h"
#include "SimulatorThread.h"
#include "transfer/SerialPort.h"
#include "transfer/TransferEngine.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using namespace vormante;
using namespace vormante::sim;

namespace {
using testsupport::ReadFile;
using testsupport::SimulatorThread;

// Long enough that a busy machine answers before the handshake is repeated.
SimulatorOptions Patient(SimulatorOptions options) {
    options.handshakeInterval = std::chrono::milliseconds(1500);
    return options;
}


struct Window {
    SerialPort port;
    RecordingView view;
    TransferEngine engine;
    Window(TransferDirection direction, const QString& file = QString()) : engine(direction, file, port, view) {
        engine.Initialize();
    }
};
} // namespace

class TestTransferOverPty : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void sendArrivesByteForByte_data() {
        QTest::addColumn<int>("repeatAfter");
        QTest::addColumn<int>("garbage");
        QTest::addColumn<bool>("split");
        QTest::newRow("plain") << -1 << 0 << false;
        QTest::newRow("repeat after block 7") << 7 << 0 << false;
        QTest::newRow("repeat before block 1, noise, split frame") << 0 << 5 << true;
    }
    void sendArrivesByteForByte() {
        QFETCH(int, repeatAfter);
        QFETCH(int, garbage);
        QFETCH(bool, split);
        const QByteArray image = testsupport::ToByteArray(PatternImage(21));
        const QString file = dir.filePath(QStringLiteral("send.bin"));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(image) == image.size());
        }
        SimulatorOptions options;
        options.mode = SimulatorMode::Accept;
        options.repeatAfterBlock = repeatAfter;
        options.garbageBytes = static_cast<std::size_t>(garbage);
        options.splitHandshake = split;
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
        QCOMPARE(window.view.messages, QStringList{QString::fromLatin1(transfertext::UPLOADED)});
        QVERIFY(window.view.accepted);
        QVERIFY(!window.port.IsConnected());
    }

    void receiveArrivesByteForByte() {
        SimulatorOptions options;
        options.mode = SimulatorMode::Give;
        options.image = PatternImage(22);
        SimulatorThread simulator(Patient(options));
        QVERIFY2(simulator.opened, simulator.error.c_str());

        Window window(TransferDirection::Receive);
        const QString target = dir.filePath(QStringLiteral("received"));
        window.view.fileNames = {target};
        QVERIFY(window.engine.Start(simulator.device()));
        QVERIFY(simulator.Start());
        QTRY_VERIFY_WITH_TIMEOUT(window.view.ended, 20000);
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(ReadFile(target + QStringLiteral(".bin")), testsupport::ToByteArray(options.image));
        QCOMPARE(window.view.messages.size(), 1);
        QVERIFY(window.view.messages[0].endsWith(QStringLiteral("received.bin")));
    }

    void hangUpMidTransfer_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<long>("after");
        QTest::newRow("while receiving") << int(TransferDirection::Receive) << 100000L;
        QTest::newRow("while sending") << int(TransferDirection::Send) << 3L * 8192 + 100;
    }
    void hangUpMidTransfer() {
        QFETCH(int, direction);
        QFETCH(long, after);
        const auto transferDirection = static_cast<TransferDirection>(direction);
        const QString file = dir.filePath(QStringLiteral("hangup.bin"));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(testsupport::ToByteArray(PatternImage(23))) == 204800);
        }
        SimulatorOptions options;
        options.mode = transferDirection == TransferDirection::Send ? SimulatorMode::Accept : SimulatorMode::Give;
        options.image = PatternImage(23);
        options.hangUpAfter = after;
        SimulatorThread simulator(Patient(options));
        QVERIFY2(simulator.opened, simulator.error.c_str());

        Window window(transferDirection, file);
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
        QVERIFY(!window.port.IsConnected());
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
        simulator.simulator.Cancel();
        QVERIFY(!simulator.Finish().ok);
    }

    void simulatorProgramGives() {
        QProcess process;
        const QString device = StartProgram(process, {QStringLiteral("give"), QStringLiteral("--seed"),
                                                      QStringLiteral("7")});
        QVERIFY(!device.isEmpty());
        Window window(TransferDirection::Receive);
        const QString target = dir.filePath(QStringLiteral("from-program.bin"));
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
        const QString file = dir.filePath(QStringLiteral("to-program.bin"));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(image) == image.size());
        }
        const QString taken = dir.filePath(QStringLiteral("taken.bin"));
        QProcess process;
        const QString device = StartProgram(process, {QStringLiteral("accept"), QStringLiteral("--output"), taken,
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

        for (const QStringList& wrong : {QStringList{}, QStringList{QStringLiteral("give"), QStringLiteral("--rate")},
                                         QStringList{QStringLiteral("accept"), QStringLiteral("--repeat-after"),
                                                     QStringLiteral("26")},
                                         QStringList{QStringLiteral("give"), QStringLiteral("--image"),
                                                     dir.filePath(QStringLiteral("missing.bin"))}}) {
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
