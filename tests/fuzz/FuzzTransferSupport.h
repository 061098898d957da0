// The transfer engine driven by a byte script: a scripted channel and view, the
// script interpreter and the checks made after every step. Shared by the fuzz
// target and the regression test that replays its findings.
#pragma once

#include "transfer/SerialChannel.h"
#include "transfer/TransferEngine.h"
#include "transfer/TransferProtocol.h"
#include "transfer/TransferView.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzztransfer {

using vormante::IMAGE_SIZE;

// Reads the script a byte at a time; past its end every read gives 0.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return pos_ >= size_; }
    std::uint8_t Next() { return AtEnd() ? 0 : data_[pos_++]; }
    QByteArray Take(std::size_t count) {
        count = std::min(count, size_ - std::min(pos_, size_));
        QByteArray bytes(reinterpret_cast<const char*>(data_ + pos_), static_cast<qsizetype>(count));
        pos_ += count;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

inline QString WholeImagePath() {
    return QDir::temp().filePath(QStringLiteral("vormante-fuzz-whole.bin"));
}
inline QString ShortFilePath() {
    return QDir::temp().filePath(QStringLiteral("vormante-fuzz-short.bin"));
}

inline QByteArray WholeImage() {
    QByteArray image(static_cast<qsizetype>(IMAGE_SIZE), '\0');
    for (qsizetype i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>((i * 131 + i / 8192) & 0xFF);
    return image;
}

// Writes the two files the send direction uses: a whole image and a short file.
inline void PrepareFiles() {
    QFile whole(WholeImagePath());
    if (whole.open(QIODevice::WriteOnly | QIODevice::Truncate))
        whole.write(WholeImage());
    QFile shortFile(ShortFilePath());
    if (shortFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        shortFile.write(QByteArray(100, 'x'));
}

class Channel : public vormante::SerialChannel {
public:
    OpenResult openResult = OpenResult::Opened;
    QByteArray input;
    qsizetype read = 0; // how much of input was read
    QList<QByteArray> writes;
    std::string failure;
    bool connected = false;

    OpenResult Open(const QString&) override {
        if (connected)
            return OpenResult::AlreadyOpen;
        connected = openResult == OpenResult::Opened;
        return openResult;
    }
    bool Stop() override {
        const bool was = connected;
        connected = false;
        Purge();
        return was;
    }
    bool IsConnected() const override { return connected; }
    // Reads from a position and drops what was read only when all of it is: taking
    // two bytes at a time off the front of a long run moved the whole run each time.
    std::size_t ReadAvailable(std::uint8_t* buffer, std::size_t maxCount) override {
        const std::size_t n = std::min<std::size_t>(maxCount, Waiting());
        std::copy_n(input.constData() + read, n, reinterpret_cast<char*>(buffer));
        read += static_cast<qsizetype>(n);
        if (read == input.size()) {
            input.clear();
            read = 0;
        }
        return n;
    }
    std::size_t Waiting() const { return static_cast<std::size_t>(input.size() - read); }
    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        if (!connected && failure.empty())
            failure = "wrote to a closed port";
        writes.append(QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(count)));
        return connected;
    }
    void Purge() override {
        input.clear();
        read = 0;
    }

    // Delivers notifications the way the real port does: one at a time, again
    // while bytes remain and the handler took some.
    void Arrive(const QByteArray& bytes) {
        if (!connected)
            return;
        input += bytes;
        while (connected && Waiting() > 0) {
            const std::size_t before = Waiting();
            Q_EMIT DataWaiting();
            if (Waiting() == before)
                break;
        }
    }
    void Lose() {
        if (!connected)
            return;
        connected = false;
        Purge();
        Q_EMIT PortLost(QStringLiteral("device vanished"));
    }
};

// The window: answers come from the script, and the port may get lost while a
// message is up (its error arrives through the message box's event loop).
class View : public vormante::TransferView {
public:
    View(Script& script, Channel& channel) : script_(script), channel_(channel) {}

    bool ended = false;
    std::string failure;

    void SetStatus(const QString&) override { Check("SetStatus"); }
    void SetProgress(int position) override {
        Check("SetProgress");
        if ((position < 0 || position > static_cast<int>(IMAGE_SIZE)) && failure.empty())
            failure = "progress outside the image: " + std::to_string(position);
    }
    void EnableControls(bool, bool, bool, bool) override { Check("EnableControls"); }
    void ShowMessage(const QString&) override {
        Check("ShowMessage");
        MaybeLosePort();
    }
    QString AskSaveFileName() override {
        Check("AskSaveFileName");
        ++questions_;
        MaybeLosePort();
        if (script_.AtEnd() || questions_ > 64)
            return QStringLiteral("received");
        return script_.Next() % 2 ? QString() : QStringLiteral("received");
    }
    bool ConfirmDiscard(const QString&) override {
        Check("ConfirmDiscard");
        return script_.AtEnd() || questions_ > 64 || script_.Next() % 2;
    }
    bool SaveImage(const QString&, const QByteArray& image, QString* error) override {
        Check("SaveImage");
        if (image.size() != static_cast<qsizetype>(IMAGE_SIZE) && failure.empty())
            failure = "a received image of " + std::to_string(image.size()) + " bytes is saved";
        if (!script_.AtEnd() && questions_ <= 64 && script_.Next() % 3 == 0) {
            *error = QStringLiteral("No space left on device");
            return false;
        }
        return true;
    }
    void EndWindow(bool) override {
        Check("EndWindow");
        if (channel_.connected && failure.empty())
            failure = "the window ends with the port still open";
        ended = true;
    }

private:
    void Check(const char* call) {
        if (ended && failure.empty())
            failure = std::string(call) + " after the window ended";
    }
    void MaybeLosePort() {
        if (!script_.AtEnd() && script_.Next() % 8 == 0)
            channel_.Lose();
    }

    Script& script_;
    Channel& channel_;
    int questions_ = 0;
};

// Every write is a handshake answer or, when sending, a block of the file at a block boundary.
inline std::string CheckWrites(const Channel& channel, vormante::TransferDirection direction) {
    static const QByteArray IMAGE = WholeImage();
    const auto frame = [](const vormante::Frame& f) {
        return QByteArray(reinterpret_cast<const char*>(f.data()), static_cast<qsizetype>(f.size()));
    };
    for (const QByteArray& write : channel.writes) {
        if (direction == vormante::TransferDirection::Receive) {
            if (write != frame(vormante::RECEIVE_READY))
                return "receiving, wrote something other than the ready answer";
            continue;
        }
        if (write == frame(vormante::SEND_READY))
            continue;
        if (write.size() != static_cast<qsizetype>(vormante::BLOCK_SIZE))
            return "sending, wrote " + std::to_string(write.size()) + " bytes that are no block";
        // Compared in place: a copy of each block per write was most of a run's time.
        bool found = false;
        for (std::size_t b = 0; b < vormante::BLOCK_COUNT && !found; ++b)
            found = std::equal(write.cbegin(), write.cend(),
                               IMAGE.cbegin() + static_cast<qsizetype>(b * vormante::BLOCK_SIZE));
        if (!found)
            return "sending, wrote a block that is not part of the file";
    }
    return {};
}

inline std::string CheckEngine(const vormante::TransferEngine& engine) {
    if (engine.acknowledged() > IMAGE_SIZE)
        return "acknowledged past the image: " + std::to_string(engine.acknowledged());
    if (engine.length() > IMAGE_SIZE)
        return "length past the image: " + std::to_string(engine.length());
    if (engine.transferBuffer().size() != static_cast<qsizetype>(IMAGE_SIZE))
        return "the transfer buffer changed size";
    return {};
}

// Runs one script; returns what went wrong, or an empty string.
inline std::string RunScript(const std::uint8_t* data, std::size_t size) {
    using vormante::TransferDirection;
    Script script(data, size);
    const std::uint8_t setup = script.Next();
    const auto direction = setup & 1 ? TransferDirection::Receive : TransferDirection::Send;
    const QString file = setup & 2 ? ShortFilePath() : WholeImagePath();
    Channel channel;
    View view(script, channel);
    vormante::TransferEngine engine(direction, file, channel, view);
    engine.Initialize();
    if (!(setup & 4))
        engine.Start(QStringLiteral("/dev/ttyFUZZ"));

    static const vormante::Frame FRAMES[] = {vormante::SEND_READY, vormante::RECEIVE_READY,
                                             vormante::NEXT_BLOCK, vormante::REPEAT_BLOCK};
    static const vormante::SerialChannel::OpenResult OPENS[] = {
        vormante::SerialChannel::OpenResult::Opened, vormante::SerialChannel::OpenResult::Opened,
        vormante::SerialChannel::OpenResult::PortUnavailable,
        vormante::SerialChannel::OpenResult::ConfigurationFailed};

    while (!script.AtEnd() && !view.ended) {
        switch (script.Next() % 12) {
        case 0:
        case 1:
        case 2:
            channel.Arrive(script.Take(script.Next() % 16 + 1));
            break;
        case 3:
        case 4: {
            const vormante::Frame& f = FRAMES[script.Next() % 4];
            channel.Arrive(QByteArray(reinterpret_cast<const char*>(f.data()), 2));
            break;
        }
        case 5: { // a long run of one byte value, up to a whole image while receiving
            // Outside a receive the engine takes a frame's two bytes at a time, so a
            // long run there only repeats its first steps, a hundred thousand times over.
            const std::size_t most = engine.state() == vormante::TransferEngine::State::Receiving ? 256 : 2;
            const std::size_t count = (static_cast<std::size_t>(script.Next()) % most + 1) * 800;
            channel.Arrive(QByteArray(static_cast<qsizetype>(count), static_cast<char>(script.Next())));
            break;
        }
        case 6:
            channel.Lose();
            break;
        case 7:
            channel.openResult = OPENS[script.Next() % 4];
            engine.Start(QStringLiteral("/dev/ttyFUZZ"));
            break;
        case 8:
            engine.StopListening();
            break;
        case 9:
            engine.Exit();
            break;
        case 10: // the close box: the window goes
            engine.Close();
            view.ended = true;
            break;
        case 11: // the receiver asks for the next block many times over
            for (int n = script.Next() % 32; n >= 0 && channel.connected; --n)
                channel.Arrive(QByteArray(reinterpret_cast<const char*>(vormante::NEXT_BLOCK.data()), 2));
            break;
        }
        for (const std::string& failure : {channel.failure, view.failure, CheckEngine(engine)})
            if (!failure.empty())
                return failure;
    }
    return CheckWrites(channel, direction);
}

} // namespace fuzztransfer
