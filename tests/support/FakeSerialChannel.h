// A scripted channel: the test puts bytes in its input queue and delivers
// notifications the way the real port does (one at a time, again while bytes
// remain and the handler took some); every read, write and purge is recorded.
#pragma once

#include "transfer/SerialChannel.h"
#include "transfer/TransferProtocol.h"

#include <QByteArray>
#include <QList>

#include <algorithm>

class FakeSerialChannel : public vormante::SerialChannel {
    Q_OBJECT

public:
    OpenResult openResult = OpenResult::Opened;
    QString openedName;
    QByteArray input;
    QList<QByteArray> writes;
    QList<std::size_t> reads;
    int purges = 0;
    int notifications = 0;
    bool connected = false;

    OpenResult Open(const QString& portName) override {
        if (connected)
            return OpenResult::AlreadyOpen;
        openedName = portName;
        connected = openResult == OpenResult::Opened;
        return openResult;
    }
    bool Stop() override {
        const bool was = connected;
        connected = false;
        return was;
    }
    bool IsConnected() const override { return connected; }
    std::size_t ReadAvailable(std::uint8_t* buffer, std::size_t maxCount) override {
        const std::size_t n = std::min<std::size_t>(maxCount, static_cast<std::size_t>(input.size()));
        std::copy_n(input.constData(), n, reinterpret_cast<char*>(buffer));
        input.remove(0, static_cast<qsizetype>(n));
        reads.append(n);
        return n;
    }
    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        writes.append(QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(count)));
        return connected;
    }
    void Purge() override {
        ++purges;
        input.clear();
    }

    // Bytes arrive from the receiver and are delivered until the handler stops taking them.
    void Arrive(const QByteArray& bytes) {
        input += bytes;
        DeliverAll();
    }
    void Arrive(const vormante::Frame& frame) { Arrive(Bytes(frame)); }
    void DeliverAll() {
        while (connected && !input.isEmpty()) {
            const qsizetype before = input.size();
            ++notifications;
            Q_EMIT DataWaiting();
            if (input.size() == before)
                break;
        }
    }
    void Lose(const QString& reason) {
        connected = false;
        Q_EMIT PortLost(reason);
    }

    static QByteArray Bytes(const vormante::Frame& frame) {
        return QByteArray(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size()));
    }
};
