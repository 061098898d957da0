// The serial port to the receiver on Qt Serial Port: 115200 baud, 8 data
// bits, no parity, one stop bit, no flow control, held exclusively.
#pragma once

#include "SerialChannel.h"

#include <QSerialPort>

namespace vormante {

class SerialPort : public SerialChannel {
    Q_OBJECT

public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    OpenResult Open(const QString& portName) override;
    QString OpenProblem() const override { return openProblem_; }
    bool Stop() override;
    bool IsConnected() const override { return connected_; }
    std::size_t ReadAvailable(std::uint8_t* buffer, std::size_t maxCount) override;
    bool Write(const std::uint8_t* bytes, std::size_t count) override;
    void Purge() override;

    // The device actually opened; empty while closed.
    QString deviceName() const;

    // A write may take this long before the rest is dropped.
    static int WriteTimeoutMs(std::size_t count);
    // Replaces that limit with a fixed one (tests); 0 goes back to WriteTimeoutMs.
    void SetWriteTimeLimit(int ms) { fixedWriteTimeoutMs_ = ms; }

private:
    void OnReadyRead();
    void Deliver();
    void OnErrorOccurred(QSerialPort::SerialPortError error);
    void ReportLoss(const QString& reason);
    bool Configure();

    QSerialPort port_;
    QString openProblem_;
    bool connected_ = false;
    // A notification is queued or its handler is still running.
    bool notificationPending_ = false;
    bool lossQueued_ = false;
    // Set while a handler runs: it took bytes, or new bytes came meanwhile.
    bool bytesTaken_ = false;
    bool bytesArrived_ = false;
    // Tells notifications and loss reports queued for an earlier opening apart.
    unsigned opening_ = 0;
    int fixedWriteTimeoutMs_ = 0;
};

} // namespace vormante
