// The byte channel the transfer protocol talks through. SerialPort is the
// real one; tests put a scripted channel in its place.
#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace vormante {

class SerialChannel : public QObject {
    Q_OBJECT

public:
    enum class OpenResult {
        Opened,
        AlreadyOpen,     // this channel is connected already
        PortUnavailable, // missing, or held by another program or window
        ConfigurationFailed,
    };

    using QObject::QObject;
    ~SerialChannel() override = default;

    // Opens and sets up the port. No notification has been sent on return.
    virtual OpenResult Open(const QString& portName) = 0;
    // After an Open that gave PortUnavailable: one sentence on why, or empty.
    virtual QString OpenProblem() const { return {}; }
    // Closes the port; false when none was open. Safe to call any number of times.
    virtual bool Stop() = 0;
    virtual bool IsConnected() const = 0;
    // Takes at most maxCount of the bytes already received; never waits.
    virtual std::size_t ReadAvailable(std::uint8_t* buffer, std::size_t maxCount) = 0;
    // Sends the bytes; returns when they are written or the write timed out
    // (what was not sent by then is dropped). False when not all went out.
    virtual bool Write(const std::uint8_t* bytes, std::size_t count) = 0;
    // Discards both queues.
    virtual void Purge() = 0;

Q_SIGNALS:
    // Received bytes are waiting. At most one is outstanding: the next comes
    // only after the connected handler has returned, and it comes again while
    // bytes remain unread.
    void DataWaiting();
    // The port failed (adapter unplugged, peer hung up) and has been closed.
    // Sent once per loss.
    void PortLost(const QString& reason);
};

} // namespace vormante
