#include "TransferEngine.h"

#include "document/FileAccess.h"
#include "model/ConsistencyCheck.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <array>
#include <memory>
#include <span>

namespace vormante {

namespace {
QString Text(const char* text) {
    return QCoreApplication::translate("TransferProtocol", text);
}
} // namespace

TransferEngine::TransferEngine(TransferDirection direction, const QString& fileName,
                               SerialChannel& serialChannel, TransferView& transferView, QObject* parent)
    : QObject(parent), transferDirection_(direction),
      sendFileName_(direction == TransferDirection::Send ? fileName : QString()), channel_(serialChannel),
      channelAlive_(&serialChannel), view_(transferView), buffer_(static_cast<qsizetype>(IMAGE_SIZE), '\0') {
    connect(&channel_, &SerialChannel::DataWaiting, this, &TransferEngine::OnCommNotify);
    connect(&channel_, &SerialChannel::PortLost, this, &TransferEngine::OnPortLost);
    UseCountdowns(std::make_unique<TimerCountdown>(), std::make_unique<TimerCountdown>());
}

void TransferEngine::UseCountdowns(std::unique_ptr<Countdown> silenceCountdown,
                                   std::unique_ptr<Countdown> handshakeCountdown) {
    silence_ = std::move(silenceCountdown);
    handshakeWait_ = std::move(handshakeCountdown);
    silence_->expired = [this] { OnSilence(); };
    handshakeWait_->expired = [this] { OnHandshakeWait(); };
}

void TransferEngine::SetTimeLimits(std::chrono::milliseconds silenceAfter,
                                   std::chrono::milliseconds hintAfter) {
    silenceLimit_ = silenceAfter;
    hintDelay_ = hintAfter;
}

TransferEngine::~TransferEngine() {
    if (channelAlive_)
        channelAlive_->Stop();
}

void TransferEngine::Initialize() {
    receiving_ = false;
    blockLength_ = 0;
    cursor_ = 0;
    acknowledgedBytes_ = 0;
    view_.SetProgress(0);
    view_.SetStatus(Text(transfertext::SELECT_PORT));
    view_.EnableControls(true, true, true, true);
}

bool TransferEngine::Start(const QString& portName) {
    if (currentState_ != State::Closed)
        return false;
    if (transferDirection_ == TransferDirection::Send) {
        QByteArray image;
        QString message;
        if (!LoadImageToSend(sendFileName_, &image, &message)) {
            view_.EnableControls(true, false, true, true);
            view_.ShowMessage(message);
            return false;
        }
    }
    openedPort_ = portName;
    const SerialChannel::OpenResult result = channel_.Open(portName);
    if (result != SerialChannel::OpenResult::Opened) {
        view_.EnableControls(true, false, true, true);
        if (result == SerialChannel::OpenResult::PortUnavailable) {
            // The message says what failed; the port's explanation, when it has one, says why.
            const QString why = channel_.OpenProblem();
            view_.ShowMessage(why.isEmpty() ? Text(transfertext::PORT_INVALID)
                                            : Text(transfertext::PORT_INVALID) + QLatin1Char(' ') + why);
        }
        view_.ShowMessage(Text(transfertext::GENERIC_ERROR));
        return false;
    }
    SetState(State::Listening);
    receiving_ = false;
    view_.EnableControls(false, false, true, true);
    view_.SetStatus(Text(transfertext::WAITING));
    return true;
}

void TransferEngine::StopListening() {
    channel_.Stop();
    BackToClosed();
}

void TransferEngine::Exit() {
    channel_.Stop();
    SetState(State::Closed);
    view_.EndWindow(false);
}

void TransferEngine::Close() {
    channel_.Stop();
    SetState(State::Closed);
}

void TransferEngine::SetState(State state) {
    if (state == currentState_)
        return;
    const State previous = currentState_;
    currentState_ = state;
    ArmCountdowns(previous);
    Q_EMIT StateChanged(state);
}

void TransferEngine::ArmCountdowns(State previous) {
    if (currentState_ == State::Listening) {
        handshakeWait_->Start(hintDelay_);
    } else if (previous == State::Listening) {
        handshakeWait_->Stop();
        if (hintShown_) {
            hintShown_ = false;
            view_.SetHint(QString());
        }
    }
    if (Transferring())
        silence_->Start(silenceLimit_);
    else
        silence_->Stop();
}

void TransferEngine::OnHandshakeWait() {
    if (currentState_ != State::Listening || hintShown_)
        return;
    hintShown_ = true;
    view_.SetHint(tr("No handshake from the receiver yet: it must be in its update mode, and the cable "
                     "must be connected."));
}

void TransferEngine::OnSilence() {
    if (!Transferring())
        return;
    if (inStep_) { // a message of the step is up; end the transfer once the step is over
        silencePending_ = true;
        return;
    }
    EndSilentTransfer();
}

void TransferEngine::EndSilentTransfer() {
    if (!Transferring())
        return;
    channel_.Stop();
    BackToClosed();
    const auto seconds = std::max<long long>(1, (silenceLimit_.count() + 999) / 1000);
    if (seconds == 1) {
        view_.ShowMessage(tr("The receiver stopped answering: nothing arrived from it for 1 second.\n"
                             "The transfer has been stopped."));
        return;
    }
    //: %1 is the number of seconds (more than one)
    view_.ShowMessage(tr("The receiver stopped answering: nothing arrived from it for %1 seconds.\n"
                         "The transfer has been stopped.")
                          .arg(seconds));
}

void TransferEngine::BackToClosed() {
    SetState(State::Closed);
    receiving_ = false;
    view_.SetStatus(Text(transfertext::SELECT_PORT));
    view_.EnableControls(true, true, true, true);
}

void TransferEngine::OnCommNotify() {
    // A message shown inside a step runs an event loop; the channel holds its
    // next notification back until this one has returned, but stay safe.
    if (inStep_)
        return;
    inStep_ = true;
    Step();
    inStep_ = false;
    if (lossPending_) {
        lossPending_ = false;
        silencePending_ = false;
        HandlePortLost(pendingLossReason_);
    }
    if (silencePending_) {
        silencePending_ = false;
        EndSilentTransfer();
    }
}

void TransferEngine::Step() {
    if (!channel_.IsConnected())
        return;
    if (currentState_ != State::Listening && currentState_ != State::Receiving &&
        currentState_ != State::Sending)
        return;

    std::array<std::uint8_t, RECEIVE_CHUNK> bytes{};
    const std::size_t wanted = receiving_ ? std::min(RECEIVE_CHUNK, IMAGE_SIZE - blockLength_) : FRAME_SIZE;
    const std::size_t count = std::min(channel_.ReadAvailable(bytes.data(), wanted), wanted);
    if (count > 0 && Transferring())
        silence_->Start(silenceLimit_); // the receiver is still there

    // Once image bytes flow, every byte is data: a read that happens to hold
    // exactly B1 1B or C1 1C must not restart or abort the receive.
    if (receiving_ && blockLength_ > 0)
        return StoreImageBytes(bytes.data(), count);

    switch (RecogniseFrame(bytes.data(), count)) {
    case FrameKind::SendReadyFrame:
        if (transferDirection_ == TransferDirection::Send)
            return WrongDirection();
        return AnswerSendReady(); // the frame's bytes are not image data
    case FrameKind::ReceiveReadyFrame:
        if (transferDirection_ == TransferDirection::Receive)
            return WrongDirection();
        return AnswerReceiveReady();
    case FrameKind::NextBlockFrame:
        if (currentState_ == State::Sending)
            return SendNextBlock();
        break;
    case FrameKind::RepeatBlockFrame:
        if (currentState_ == State::Sending)
            return RepeatLastBlock();
        break;
    case FrameKind::None:
        break;
    }
    // Outside a receive, bytes that are no frame (a lone byte too) are dropped.
    if (receiving_)
        StoreImageBytes(bytes.data(), count);
}

void TransferEngine::AnswerSendReady() {
    channel_.Purge();
    WriteFrame(RECEIVE_READY);
    receiving_ = true;
    SetState(State::Receiving);
    view_.SetStatus(Text(transfertext::RECEIVING));
    view_.EnableControls(false, false, false, false);
    blockLength_ = 0;
    view_.SetProgress(0);
}

void TransferEngine::AnswerReceiveReady() {
    // The file is checked before the answer: a receiver told "about to send"
    // must get a whole image, never one padded with zeros.
    QByteArray image;
    QString message;
    if (!LoadImageToSend(sendFileName_, &image, &message)) {
        channel_.Stop();
        BackToClosed();
        view_.ShowMessage(message);
        return;
    }
    channel_.Purge();
    WriteFrame(SEND_READY);
    view_.EnableControls(false, false, false, false);
    blockLength_ = 0;
    buffer_ = image;
    cursor_ = 0;
    // A handshake repeated mid-send restarts the blocks, so the count restarts too.
    acknowledgedBytes_ = 0;
    view_.SetProgress(0);
    SetState(State::Sending);
    view_.SetStatus(Text(transfertext::SENDING));
}

void TransferEngine::SendNextBlock() {
    acknowledgedBytes_ += blockLength_;
    view_.SetProgress(static_cast<int>(acknowledgedBytes_));
    if (acknowledgedBytes_ >= IMAGE_SIZE) {
        SetState(State::Finished);
        view_.SendComplete(buffer_, Text(transfertext::UPLOADED));
        channel_.Stop();
        view_.EndWindow(true);
        return;
    }
    cursor_ += blockLength_;
    blockLength_ = BLOCK_SIZE;
    WriteBlock();
}

void TransferEngine::RepeatLastBlock() {
    channel_.Purge();
    WriteBlock(); // nothing before the first block
}

void TransferEngine::WriteBlock() {
    if (blockLength_ == 0 || cursor_ + blockLength_ > static_cast<std::size_t>(buffer_.size()))
        return;
    // A write that times out is not repeated here: the receiver asks again.
    channel_.Write(reinterpret_cast<const std::uint8_t*>(buffer_.constData()) + cursor_, blockLength_);
    // The receiver can answer only once the block is out, which may take a while.
    if (Transferring())
        silence_->Start(silenceLimit_);
}

void TransferEngine::WriteFrame(const Frame& frame) {
    channel_.Write(frame.data(), frame.size());
}

void TransferEngine::StoreImageBytes(const std::uint8_t* bytes, std::size_t count) {
    count = std::min(count, IMAGE_SIZE - blockLength_);
    if (count == 0)
        return;
    std::copy_n(bytes, count, buffer_.data() + blockLength_);
    blockLength_ += count;
    view_.SetProgress(static_cast<int>(blockLength_));
    if (blockLength_ == IMAGE_SIZE)
        FinishReceive();
}

namespace {
std::size_t CountProblems(const QByteArray& image) {
    auto db = std::make_unique<ChannelDatabase>();
    if (!db->Load(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()),
                            static_cast<std::size_t>(image.size())))
             .ok)
        return 0;
    db->BuildRecordPointers();
    return CheckConsistency(*db).size();
}
} // namespace

QString TransferEngine::ReceivedProblemsText(std::size_t problems) {
    if (problems == 1)
        return tr("The received image has 1 problem (broken chains, wrong counts or channel numbers). "
                  "It was saved as the receiver holds it; opening it in the editor lists the problems.");
    //: %1 is the number of problems (more than one)
    return tr("The received image has %1 problems (broken chains, wrong counts or channel numbers). "
              "It was saved as the receiver holds it; opening it in the editor lists the problems.")
        .arg(problems);
}

void TransferEngine::FinishReceive() {
    SetState(State::Finished);
    receiving_ = false;
    // What the receiver holds is checked as it arrived; it is saved whatever the check says.
    problemsReceived_ = CountProblems(buffer_);
    if (view_.TakeReceivedImage(buffer_)) {
        channel_.Stop();
        view_.EndWindow(true);
        return;
    }
    for (;;) {
        const QString chosen = view_.AskSaveFileName();
        if (chosen.isEmpty()) {
            if (view_.ConfirmDiscard(
                    tr("The received data have not been saved.\nDo you want to discard them?"))) {
                channel_.Stop();
                view_.EndWindow(false);
                return;
            }
            continue;
        }
        const QString name = ReceivedFileName(chosen);
        QString error;
        if (view_.SaveImage(name, buffer_, &error)) {
            savedName_ = name;
            QString message = Text(transfertext::SAVED_TO).arg(QDir::toNativeSeparators(name));
            if (problemsReceived_ > 0)
                message += QStringLiteral("\n\n") + ReceivedProblemsText(problemsReceived_);
            view_.ShowMessage(message);
            channel_.Stop();
            view_.EndWindow(true);
            return;
        }
        //: %1 is the path, %2 the system's reason
        view_.ShowMessage(tr("The received data could not be saved to %1:\n%2\n\n"
                             "Choose another name, or cancel to discard them.")
                              .arg(QDir::toNativeSeparators(name), error));
    }
}

void TransferEngine::WrongDirection() {
    // The handshake is not answered.
    SetState(State::Finished);
    view_.ShowMessage(Text(transfertext::WRONG_DIRECTION));
    channel_.Stop();
    view_.EndWindow(true);
}

void TransferEngine::OnPortLost(const QString& reason) {
    if (inStep_) {
        lossPending_ = true;
        pendingLossReason_ = reason;
        return;
    }
    HandlePortLost(reason);
}

void TransferEngine::HandlePortLost(const QString& reason) {
    if (currentState_ != State::Listening && currentState_ != State::Receiving &&
        currentState_ != State::Sending)
        return;
    const bool midTransfer = currentState_ != State::Listening;
    channel_.Stop();
    BackToClosed();
    QString text = tr("The connection to the receiver was lost.");
    if (!reason.isEmpty())
        //: %1 is the system's reason
        text = tr("The connection to the receiver was lost (%1).").arg(reason);
    if (midTransfer)
        text += QLatin1Char('\n') + tr("The transfer has been stopped.");
    view_.ShowMessage(text);
}

bool TransferEngine::LoadImageToSend(const QString& path, QByteArray* image, QString* message) {
    const QString shown = QDir::toNativeSeparators(path);
    // Read without Qt's file class: opening a named pipe with it would wait for
    // a writer for ever. One byte more than an image tells a longer file apart.
    FileReadResult read;
    if (path.isEmpty())
        read.reason = tr("no file was chosen").toLocal8Bit().toStdString();
    else
        read = files::Read(path, IMAGE_SIZE);
    if (read.notRegularFile) {
        *message = tr("The file %1 is not sent: it is not a regular file (a pipe, a device or a "
                      "folder), and a receiver image is always a plain file.")
                       .arg(shown);
        return false;
    }
    if (!read.ok) {
        //: %1 is the path, %2 the system's reason
        *message = tr("The file %1 can't be opened:\n%2").arg(shown, QString::fromLocal8Bit(read.reason));
        return false;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(read.bytes.data()),
                           static_cast<qsizetype>(read.bytes.size()));
    if (bytes.size() == static_cast<qsizetype>(IMAGE_SIZE)) {
        *image = bytes;
        return true;
    }
    if (bytes.size() < static_cast<qsizetype>(IMAGE_SIZE)) {
        //: %1 is the path, %2 the file's size, %3 an image's size
        *message = tr("The file %1 is not sent: it holds %2 bytes, and a receiver image is "
                      "exactly %3 bytes.\nPadding it would overwrite the receiver's database "
                      "with zeros.")
                       .arg(shown, QString::number(bytes.size()), QString::number(IMAGE_SIZE));
    } else {
        //: %1 is the path, %2 an image's size
        *message = tr("The file %1 is not sent: it is longer than a receiver image, which is "
                      "exactly %2 bytes.")
                       .arg(shown, QString::number(IMAGE_SIZE));
    }
    return false;
}

} // namespace vormante
