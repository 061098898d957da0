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
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::OnErrorOccurred);
}

SerialPort::~SerialPort() {
    Stop();
}

int SerialPort::WriteTimeoutMs(std::size_t count) {
    const std::size_t ms = std::min<std::size_t>(count, 10'000'000) * WRITE_MS_PER_BYTE + WRITE_MS_CONSTANT;
    return static_cast<int>(ms);
}

SerialChannel::OpenResult SerialPort::Open(const QString& portName) {
    if (connected_)
        return OpenResult::AlreadyOpen;
    port_.setPortName(SerialDeviceName(portName));
    openProblem_.clear();
    if (!port_.open(QIODevice::ReadWrite)) {
        openProblem_ = ExplainPortOpenFailure(SerialDeviceName(portName), port_.error());
        return OpenResult::PortUnavailable;
    }
    if (!Configure()) {
        port_.close();
        return OpenResult::ConfigurationFailed;
    }
    port_.clear(QSerialPort::AllDirections);
    port_.clearError();
    ++opening_;
    notificationPending_ = false;
    lossQueued_ = false;
    connected_ = true;
    // Bytes that were waiting before the open get their notification too.
    if (port_.bytesAvailable() > 0)
        OnReadyRead();
    return OpenResult::Opened;
}

bool SerialPort::Configure() {
    return port_.setBaudRate(QSerialPort::Baud115200) && port_.setDataBits(QSerialPort::Data8) &&
           port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
           port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool SerialPort::Stop() {
    if (!connected_)
        return false;
    connected_ = false;
    port_.close();
    return true;
}

QString SerialPort::deviceName() const {
    return connected_ ? port_.portName() : QString();
}

std::size_t SerialPort::ReadAvailable(std::uint8_t* buffer, std::size_t maxCount) {
    if (!connected_ || maxCount == 0)
        return 0;
    const qint64 waiting = port_.bytesAvailable();
    const qint64 wanted = std::min<qint64>(waiting, static_cast<qint64>(maxCount));
    if (wanted <= 0)
        return 0;
    const qint64 got = port_.read(reinterpret_cast<char*>(buffer), wanted);
    if (got <= 0)
        return 0;
    bytesTaken_ = true;
    return static_cast<std::size_t>(got);
}

bool SerialPort::Write(const std::uint8_t* bytes, std::size_t count) {
    if (!connected_)
        return false;
    if (count == 0)
        return true;
    if (port_.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(count)) !=
        static_cast<qint64>(count)) {
        port_.clear(QSerialPort::Output);
        return false;
    }
    // QSerialPort buffers the whole write; wait for it within the time limit
    // and drop what is left, or it would go out later, into the next exchange.
    QDeadlineTimer deadline(fixedWriteTimeoutMs_ > 0 ? fixedWriteTimeoutMs_ : WriteTimeoutMs(count));
    while (connected_ && port_.isOpen() && port_.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!port_.waitForBytesWritten(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))) &&
            port_.error() != QSerialPort::TimeoutError && port_.error() != QSerialPort::NoError)
            break;
    }
    if (!connected_ || !port_.isOpen())
        return false;
    if (port_.bytesToWrite() > 0) {
        port_.clear(QSerialPort::Output);
        return false;
    }
    return true;
}

void SerialPort::Purge() {
    if (connected_)
        port_.clear(QSerialPort::AllDirections);
}

void SerialPort::OnReadyRead() {
    if (!connected_)
        return;
    if (notificationPending_) {
        bytesArrived_ = true;
        return;
    }
    notificationPending_ = true;
    const unsigned thisOpening = opening_;
    QMetaObject::invokeMethod(
        this,
        [this, thisOpening] {
            if (thisOpening == opening_)
                Deliver();
        },
        Qt::QueuedConnection);
}

void SerialPort::Deliver() {
    // The flag stays set until the handler has returned, so a message box the
    // handler shows (with its own event loop) never brings a second step.
    if (!connected_) {
        notificationPending_ = false;
        return;
    }
    bytesTaken_ = false;
    bytesArrived_ = false;
    QPointer<SerialPort> self(this);
    Q_EMIT DataWaiting();
    if (!self)
        return;
    notificationPending_ = false;
    // readyRead comes only for new data: ask again while bytes remain, unless
    // the handler took none of them and none came (then wait for more).
    if (connected_ && port_.bytesAvailable() > 0 && (bytesTaken_ || bytesArrived_))
        OnReadyRead();
}

void SerialPort::OnErrorOccurred(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !connected_ || lossQueued_)
        return;
    // A hung-up peer reports errors over and over: close at the first one.
    lossQueued_ = true;
    const QString reason = port_.errorString();
    const unsigned thisOpening = opening_;
    QMetaObject::invokeMethod(
        this,
        [this, reason, thisOpening] {
            if (thisOpening == opening_)
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
