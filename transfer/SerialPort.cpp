#include "SerialPort.h"

#include "PortProblem.h"
#include "TransferProtocol.h"

#include <QDeadlineTimer>
#include <QPointer>

#include <algorithm>

namespace vormante {

namespace {
constexpr int WRITE_MS_PER_BYTE = 50;
constexpr int WRITE_MS_CONSTANT = 2000;
} // namespace

SerialPort::SerialPort(QObject* parent) : SerialChannel(parent) {
    connect(&port, &QSerialPort::readyRead, this, &SerialPort::OnReadyRead);
    connect(&port, &QSerialPort::errorOccurred, this, &SerialPort::OnErrorOccurred);
}

SerialPort::~SerialPort() {
    Stop();
}

int SerialPort::WriteTimeoutMs(std::size_t count) {
    const std::size_t ms = std::min<std::size_t>(count, 10'000'000) * WRITE_MS_PER_BYTE + WRITE_MS_CONSTANT;
    return static_cast<int>(ms);
}

SerialChannel::OpenResult SerialPort::Open(const QString& portName) {
    if (connected)
        return OpenResult::AlreadyOpen;
    port.setPortName(SerialDeviceName(portName));
    openProblem.clear();
    if (!port.open(QIODevice::ReadWrite)) {
        openProblem = ExplainPortOpenFailure(SerialDeviceName(portName), port.error());
        return OpenResult::PortUnavailable;
    }
    if (!Configure()) {
        port.close();
        return OpenResult::ConfigurationFailed;
    }
    port.clear(QSerialPort::AllDirections);
    port.clearError();
    ++opening;
    notificationPending = false;
    lossQueued = false;
    connected = true;
    // Bytes that were waiting before the open get their notification too.
    if (port.bytesAvailable() > 0)
        OnReadyRead();
    return OpenResult::Opened;
}

bool SerialPort::Configure() {
    return port.setBaudRate(QSerialPort::Baud115200) && port.setDataBits(QSerialPort::Data8) &&
           port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::OneStop) &&
           port.setFlowControl(QSerialPort::NoFlowControl);
}

bool SerialPort::Stop() {
    if (!connected)
        return false;
    connected = false;
    port.close();
    return true;
}

QString SerialPort::deviceName() const {
    return connected ? port.portName() : QString();
}

std::size_t SerialPort::ReadAvailable(std::uint8_t* buffer, std::size_t maxCount) {
    if (!connected || maxCount == 0)
        return 0;
    const qint64 waiting = port.bytesAvailable();
    const qint64 wanted = std::min<qint64>(waiting, static_cast<qint64>(maxCount));
    if (wanted <= 0)
        return 0;
    const qint64 got = port.read(reinterpret_cast<char*>(buffer), wanted);
    if (got <= 0)
        return 0;
    bytesTaken = true;
    return static_cast<std::size_t>(got);
}

bool SerialPort::Write(const std::uint8_t* bytes, std::size_t count) {
    if (!connected)
        return false;
    if (count == 0)
        return true;
    if (port.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(count)) !=
        static_cast<qint64>(count)) {
        port.clear(QSerialPort::Output);
        return false;
    }
    // QSerialPort buffers the whole write; wait for it within the time limit
    // and drop what is left, or it would go out later, into the next exchange.
    QDeadlineTimer deadline(fixedWriteTimeoutMs > 0 ? fixedWriteTimeoutMs : WriteTimeoutMs(count));
    while (connected && port.isOpen() && port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!port.waitForBytesWritten(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))) &&
            port.error() != QSerialPort::TimeoutError && port.error() != QSerialPort::NoError)
            break;
    }
    if (!connected || !port.isOpen())
        return false;
    if (port.bytesToWrite() > 0) {
        port.clear(QSerialPort::Output);
        return false;
    }
    return true;
}

void SerialPort::Purge() {
    if (connected)
        port.clear(QSerialPort::AllDirections);
}

void SerialPort::OnReadyRead() {
    if (!connected)
        return;
    if (notificationPending) {
        bytesArrived = true;
        return;
    }
    notificationPending = true;
    const unsigned thisOpening = opening;
    QMetaObject::invokeMethod(
        this,
        [this, thisOpening] {
            if (thisOpening == opening)
                Deliver();
        },
        Qt::QueuedConnection);
}

void SerialPort::Deliver() {
    // The flag stays set until the handler has returned, so a message box the
    // handler shows (with its own event loop) never brings a second step.
    if (!connected) {
        notificationPending = false;
        return;
    }
    bytesTaken = false;
    bytesArrived = false;
    QPointer<SerialPort> self(this);
    Q_EMIT DataWaiting();
    if (!self)
        return;
    notificationPending = false;
    // readyRead comes only for new data: ask again while bytes remain, unless
    // the handler took none of them and none came (then wait for more).
    if (connected && port.bytesAvailable() > 0 && (bytesTaken || bytesArrived))
        OnReadyRead();
}

void SerialPort::OnErrorOccurred(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !connected || lossQueued)
        return;
    // A hung-up peer reports errors over and over: close at the first one.
    lossQueued = true;
    const QString reason = port.errorString();
    const unsigned thisOpening = opening;
    QMetaObject::invokeMethod(
        this,
        [this, reason, thisOpening] {
            if (thisOpening == opening)
                ReportLoss(reason);
        },
        Qt::QueuedConnection);
}

void SerialPort::ReportLoss(const QString& reason) {
    if (!Stop())
        return;
    Q_EMIT PortLost(reason);
}

} // namespace vormante
