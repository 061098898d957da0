// The serial port over a real pseudo-terminal: open and exclusivity, the
// one-at-a-time notification, bounded writes, and a peer that hangs up.
#include "PtyLine.h"
#include "transfer/SerialPort.h"
#include "transfer/TransferProtocol.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <termios.h>

using namespace vormante;

namespace {
// The far end of the line: the master side of a pseudo-terminal.
using Line = testsupport::PtyLine;

QByteArray AllByteValues() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}
} // namespace

class TestSerialPort : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void portNames() {
        QCOMPARE(SerialDeviceName(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(SerialDeviceName(QStringLiteral("COM3")), QStringLiteral("/dev/ttyS2"));
        QCOMPARE(SerialDeviceName(QStringLiteral("COM4")), QStringLiteral("COM4"));
        QCOMPARE(SerialDeviceName(QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    }

    void openFailures() {
        SerialPort port;
        QCOMPARE(port.Open(QStringLiteral("/dev/no-such-serial-port")),
                 SerialChannel::OpenResult::PortUnavailable);
        QVERIFY(!port.IsConnected());
        QVERIFY(!port.Stop());

        Line line;
        QVERIFY(!line.device.isEmpty());
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::AlreadyOpen);
        SerialPort second;
        QCOMPARE(second.Open(line.device), SerialChannel::OpenResult::PortUnavailable);
        QVERIFY(port.Stop());
        QVERIFY(!port.Stop());
        // Free again once closed.
        QCOMPARE(second.Open(line.device), SerialChannel::OpenResult::Opened);
    }

    void everyByteValuePassesBothWays() {
        Line line;
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        const QByteArray bytes = AllByteValues().repeated(4);
        QVERIFY(port.Write(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()));
        QCOMPARE(line.Receive(bytes.size()), bytes);

        QByteArray got;
        connect(&port, &SerialChannel::DataWaiting, this, [&] {
            std::uint8_t buffer[64];
            const std::size_t n = port.ReadAvailable(buffer, sizeof buffer);
            got.append(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(n));
        });
        QVERIFY(line.Send(bytes));
        QTRY_COMPARE(got.size(), bytes.size());
        QCOMPARE(got, bytes);
    }

    void oneNotificationPerPieceRead() {
        Line line;
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        QList<std::size_t> pieces;
        connect(&port, &SerialChannel::DataWaiting, this, [&] {
            std::uint8_t buffer[2];
            pieces.append(port.ReadAvailable(buffer, 2));
        });
        QTest::qWait(50);
        QVERIFY(pieces.isEmpty()); // nothing arrived, nothing told
        QVERIFY(line.Send(QByteArray("12345")));
        QTRY_COMPARE(pieces.size(), 3);
        QTest::qWait(100);
        QCOMPARE(pieces, (QList<std::size_t>{2, 2, 1}));
    }

    void noSecondNotificationWhileTheHandlerRuns() {
        // A handler that shows a message runs an event loop of its own.
        Line line;
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        int depth = 0;
        int deepest = 0;
        int calls = 0;
        connect(&port, &SerialChannel::DataWaiting, this, [&] {
            ++calls;
            deepest = std::max(deepest, ++depth);
            std::uint8_t byte;
            port.ReadAvailable(&byte, 1);
            if (calls == 1) {
                line.Send(QByteArray("more"));
                QEventLoop modal;
                QTimer::singleShot(100, &modal, &QEventLoop::quit);
                modal.exec();
            }
            --depth;
        });
        QVERIFY(line.Send(QByteArray("x")));
        QTRY_COMPARE(calls, 5);
        QTest::qWait(50);
        QCOMPARE(calls, 5);
        QCOMPARE(deepest, 1);
    }

    void aHandlerThatReadsNothingIsNotCalledInALoop() {
        Line line;
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        int calls = 0;
        connect(&port, &SerialChannel::DataWaiting, this, [&] { ++calls; });
        QVERIFY(line.Send(QByteArray("ab")));
        QTRY_COMPARE(calls, 1);
        QTest::qWait(100);
        QCOMPARE(calls, 1);
    }

    void purgeDropsWaitingBytes() {
        Line line;
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        QVERIFY(line.Send(QByteArray("stale bytes")));
        QTest::qWait(50);
        port.Purge();
        std::uint8_t buffer[32];
        QCOMPARE(port.ReadAvailable(buffer, sizeof buffer), std::size_t(0));
    }

    void hangUpClosesThePortAndTellsOnce() {
        Line line;
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        QSignalSpy lost(&port, &SerialChannel::PortLost);
        line.HangUp();
        QTRY_COMPARE(lost.size(), 1);
        QVERIFY(!port.IsConnected());
        QTest::qWait(100);
        QCOMPARE(lost.size(), 1);
        QVERIFY(!port.Write(reinterpret_cast<const std::uint8_t*>("x"), 1));
    }

    void lineSettingsReadBackFromTheOtherSide() {
        // A pseudo-terminal carries bytes at any speed and ignores flow control,
        // so only reading the settings back shows what the port was set to.
        Line line;
        termios before{};
        QCOMPARE(::tcgetattr(line.slave, &before), 0);
        QVERIFY(cfgetospeed(&before) != B115200); // the open has something to change
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        termios settings{};
        QCOMPARE(::tcgetattr(line.slave, &settings), 0);
        QCOMPARE(cfgetospeed(&settings), speed_t(B115200));
        QCOMPARE(cfgetispeed(&settings), speed_t(B115200));
        QCOMPARE(settings.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0)); // no parity, 1 stop bit
        QCOMPARE(settings.c_iflag & (IXON | IXOFF | IXANY), tcflag_t(0));      // no software flow control
    }

    void writeDeadlineDropsWhatIsNotSent() {
        // Nobody reads the line: the write passes its deadline with bytes unsent.
        // Those must be dropped, never sent later into the next exchange.
        Line line;
        SerialPort port;
        QCOMPARE(port.Open(line.device), SerialChannel::OpenResult::Opened);
        port.SetWriteTimeLimit(200);
        const QByteArray bytes(1 << 20, 'x'); // far more than the line holds
        QVERIFY(!port.Write(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()));
        QByteArray got = line.Receive(bytes.size(), 1000); // runs the event loop meanwhile
        QVERIFY2(got.size() < bytes.size(), qPrintable(QString::number(got.size())));
        const qsizetype arrived = got.size();
        got += line.Receive(bytes.size(), 500);
        QCOMPARE(got.size(), arrived);

        port.SetWriteTimeLimit(0);
        const QByteArray next("NEXT");
        QVERIFY(port.Write(reinterpret_cast<const std::uint8_t*>(next.constData()), next.size()));
        QCOMPARE(line.Receive(next.size() + 1, 300), next); // alone, not after the rest of the old write
    }

    void writeTimeLimit() {
        QCOMPARE(SerialPort::WriteTimeoutMs(0), 2000);
        QCOMPARE(SerialPort::WriteTimeoutMs(2), 2100);
        QCOMPARE(SerialPort::WriteTimeoutMs(BLOCK_SIZE), 8192 * 50 + 2000);
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
