// The transfer protocol, one step per data-available notification of the
// channel. The receiver drives the exchange; the PC only answers. All window
// effects go through TransferView, so the engine runs without any GUI.
//
// Use: construct with the window's direction, the file to send (send only),
// the channel and the view; call Initialize() once, then Start(port),
// StopListening() and Exit() from the window's Start, Stop and Exit buttons,
// and Close() when the window is closed in any other way. The engine steps
// itself on the channel's DataWaiting and handles its PortLost.
#pragma once

#include "Countdown.h"
#include "SerialChannel.h"
#include "TransferProtocol.h"
#include "TransferView.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstddef>
#include <memory>

namespace vormante {

class TransferEngine : public QObject {
    Q_OBJECT

public:
    enum class State {
        Closed,    // port closed (before Start, after Stop, a failed Start or a lost port)
        Listening, // port open, waiting for the receiver's handshake
        Receiving, // handshake answered, image bytes arriving
        Sending,   // handshake answered, file loaded, blocks going out on request
        Finished,  // image complete (or direction refused); the window is ending
    };

    TransferEngine(TransferDirection direction, const QString& fileName, SerialChannel& channel,
                   TransferView& view, QObject* parent = nullptr);
    ~TransferEngine() override;

    // The window has opened: status line, progress at 0, every control enabled.
    void Initialize();
    // Start button: opens the port and listens. A file to send that is not a
    // whole image is refused here, before the port opens.
    bool Start(const QString& portName);
    // Stop button: closes the port and enables the controls again.
    void StopListening();
    // Exit button: closes the port and ends the window as cancelled.
    void Exit();
    // The window is closing some other way (close box, Escape): closes the port.
    void Close();

    // Mid-transfer, a receiver that sends nothing for this long has stopped
    // answering (on RS-232 a pulled cable or a switched-off receiver is silence,
    // not an error): the transfer ends with a message.
    static constexpr std::chrono::milliseconds SILENCE_LIMIT{10000};
    // While listening, the window adds a hint when no handshake came for this long.
    static constexpr std::chrono::milliseconds HANDSHAKE_HINT_DELAY{10000};
    // Tests put countdowns they control in place of the timers, or shorten the limits.
    void UseCountdowns(std::unique_ptr<Countdown> silence, std::unique_ptr<Countdown> handshakeWait);
    void SetTimeLimits(std::chrono::milliseconds silence, std::chrono::milliseconds handshakeHint);

    // One protocol step. Connected to the channel's DataWaiting.
    void OnCommNotify();
    // The channel failed and closed itself. Connected to its PortLost.
    void OnPortLost(const QString& reason);

    State state() const { return currentState_; }
    TransferDirection direction() const { return transferDirection_; }
    const QString& fileName() const { return sendFileName_; }
    // Send: bytes the receiver has acknowledged. Receive: 0.
    std::size_t acknowledged() const { return acknowledgedBytes_; }
    // Send: length of the block last sent. Receive: image bytes received so far.
    std::size_t length() const { return blockLength_; }
    const QByteArray& transferBuffer() const { return buffer_; }
    // The file a received image was written to; empty until then.
    const QString& savedFileName() const { return savedName_; }
    // The port given to the last Start.
    const QString& portName() const { return openedPort_; }
    // Consistency problems of the image received last (it is saved all the same).
    std::size_t receivedProblems() const { return problemsReceived_; }
    // "The received image has 3 problems ...": the line added to the final message.
    static QString ReceivedProblemsText(std::size_t problems);

    // Reads a file to send. Anything but exactly IMAGE_SIZE bytes is refused,
    // with a message saying why, and nothing goes out.
    static bool LoadImageToSend(const QString& path, QByteArray* image, QString* message);

Q_SIGNALS:
    // Every change of state, e.g. back to Closed after a lost port.
    void StateChanged(vormante::TransferEngine::State state);

private:
    void SetState(State state);
    void Step();
    void AnswerSendReady();
    void AnswerReceiveReady();
    void SendNextBlock();
    void RepeatLastBlock();
    void StoreImageBytes(const std::uint8_t* bytes, std::size_t count);
    void FinishReceive();
    void WrongDirection();
    void HandlePortLost(const QString& reason);
    void WriteFrame(const Frame& frame);
    void WriteBlock();
    void BackToClosed();
    void ArmCountdowns(State previous);
    void OnSilence();
    void EndSilentTransfer();
    void OnHandshakeWait();
    bool Transferring() const { return currentState_ == State::Receiving || currentState_ == State::Sending; }

    const TransferDirection transferDirection_;
    const QString sendFileName_;
    SerialChannel& channel_;
    QPointer<SerialChannel> channelAlive_; // the owner may destroy the channel first
    TransferView& view_;

    State currentState_ = State::Closed;
    QByteArray buffer_;
    bool receiving_ = false;
    std::size_t blockLength_ = 0;
    std::size_t cursor_ = 0;
    std::size_t acknowledgedBytes_ = 0;
    QString savedName_;
    QString openedPort_;
    std::size_t problemsReceived_ = 0;

    bool inStep_ = false;
    bool lossPending_ = false;
    QString pendingLossReason_;
    bool silencePending_ = false;

    std::unique_ptr<Countdown> silence_;
    std::unique_ptr<Countdown> handshakeWait_;
    std::chrono::milliseconds silenceLimit_ = SILENCE_LIMIT;
    std::chrono::milliseconds hintDelay_ = HANDSHAKE_HINT_DELAY;
    bool hintShown_ = false;
};

} // namespace vormante
