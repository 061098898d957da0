#include "TransferEngine.h"

#include "model/ConsistencyCheck.h"
#include "model/ImageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

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
    : QObject(parent), transferDirection(direction),
      sendFileName(direction == TransferDirection::Send ? fileName : QString()), channel(serialChannel),
      channelAlive(&serialChannel), view(transferView), buffer(static_cast<qsizetype>(IMAGE_SIZE), '\0') {
    connect(&channel, &SerialChannel::DataWaiting, this, &TransferEngine::OnCommNotify);
    connect(&channel, &SerialChannel::PortLost, this, &TransferEngine::OnPortLost);
    UseCountdowns(std::make_unique<TimerCountdown>(), std::make_unique<TimerCountdown>());
}

void TransferEngine::UseCountdowns(std::unique_ptr<Countdown> silenceCountdown,
                                   std::unique_ptr<Countdown> handshakeCountdown) {
    silence = std::move(silenceCountdown);
    handshakeWait = std::move(handshakeCountdown);
    silence->expired = [this] { OnSilence(); };
    handshakeWait->expired = [this] { OnHandshakeWait(); };
}

void TransferEngine::SetTimeLimits(std::chrono::milliseconds silenceAfter,
                                   std::chrono::milliseconds hintAfter) {
    silenceLimit = silenceAfter;
    hintDelay = hintAfter;
}

TransferEngine::~TransferEngine() {
    if (channelAlive)
        channelAlive->Stop();
}

void TransferEngine::Initialize() {
    receiving = false;
    blockLength = 0;
    cursor = 0;
    acknowledgedBytes = 0;
    view.SetProgress(0);
    view.SetStatus(Text(transfertext::SELECT_PORT));
    view.EnableControls(true, true, true, true);
}

bool TransferEngine::Start(const QString& portName) {
    if (currentState != State::Closed)
        return false;
    if (transferDirection == TransferDirection::Send) {
        QByteArray image;
        QString message;
        if (!LoadImageToSend(sendFileName, &image, &message)) {
            view.EnableControls(true, false, true, true);
            view.ShowMessage(message);
            return false;
        }
    }
    openedPort = portName;
    const SerialChannel::OpenResult result = channel.Open(portName);
    if (result != SerialChannel::OpenResult::Opened) {
        view.EnableControls(true, false, true, true);
        if (result == SerialChannel::OpenResult::PortUnavailable) {
            // The message says what failed; the port's explanation, when it has one, says why.
            const QString why = channel.OpenProblem();
            view.ShowMessage(why.isEmpty() ? Text(transfertext::PORT_INVALID)
                                           : Text(transfertext::PORT_INVALID) + QLatin1Char(' ') + why);
        }
        view.ShowMessage(Text(transfertext::GENERIC_ERROR));
        return false;
    }
    SetState(State::Listening);
    receiving = false;
    view.EnableControls(false, false, true, true);
    view.SetStatus(Text(transfertext::WAITING));
    return true;
}

void TransferEngine::StopListening() {
    channel.Stop();
    BackToClosed();
}

void TransferEngine::Exit() {
    channel.Stop();
    SetState(State::Closed);
    view.EndWindow(false);
}

void TransferEngine::Close() {
    channel.Stop();
    SetState(State::Closed);
}

void TransferEngine::SetState(State state) {
    if (state == currentState)
        return;
    const State previous = currentState;
    currentState = state;
    ArmCountdowns(previous);
    Q_EMIT StateChanged(state);
}

void TransferEngine::ArmCountdowns(State previous) {
    if (currentState == State::Listening) {
        handshakeWait->Start(hintDelay);
    } else if (previous == State::Listening) {
        handshakeWait->Stop();
        if (hintShown) {
            hintShown = false;
            view.SetHint(QString());
        }
    }
    if (Transferring())
        silence->Start(silenceLimit);
    else
        silence->Stop();
}

void TransferEngine::OnHandshakeWait() {
    if (currentState != State::Listening || hintShown)
        return;
    hintShown = true;
    view.SetHint(tr("No handshake from the receiver yet: it must be in its update mode, and the cable "
                    "must be connected."));
}

void TransferEngine::OnSilence() {
    if (!Transferring())
        return;
    if (inStep) { // a message of the step is up; end the transfer once the step is over
        silencePending = true;
        return;
    }
    EndSilentTransfer();
}

void TransferEngine::EndSilentTransfer() {
    if (!Transferring())
        return;
    channel.Stop();
    BackToClosed();
    const auto seconds = std::max<long long>(1, (silenceLimit.count() + 999) / 1000);
    if (seconds == 1) {
        view.ShowMessage(tr("The receiver stopped answering: nothing arrived from it for 1 second.\n"
                            "The transfer has been stopped."));
        return;
    }
    //: %1 is the number of seconds (more than one)
    view.ShowMessage(tr("The receiver stopped answering: nothing arrived from it for %1 seconds.\n"
                        "The transfer has been stopped.")
                         .arg(seconds));
}

void TransferEngine::BackToClosed() {
    SetState(State::Closed);
    receiving = false;
    view.SetStatus(Text(transfertext::SELECT_PORT));
    view.EnableControls(true, true, true, true);
}

void TransferEngine::OnCommNotify() {
    // A message shown inside a step runs an event loop; the channel holds its
    // next notification back until this one has returned, but stay safe.
    if (inStep)
        return;
    inStep = true;
    Step();
    inStep = false;
    if (lossPending) {
        lossPending = false;
        silencePending = false;
        HandlePortLost(pendingLossReason);
    }
    if (silencePending) {
        silencePending = false;
        EndSilentTransfer();
    }
}

void TransferEngine::Step() {
    if (!channel.IsConnected())
        return;
    if (currentState != State::Listening && currentState != State::Receiving &&
        currentState != State::Sending)
        return;

    std::array<std::uint8_t, RECEIVE_CHUNK> bytes{};
    const std::size_t wanted = receiving ? std::min(RECEIVE_CHUNK, IMAGE_SIZE - blockLength) : FRAME_SIZE;
    const std::size_t count = std::min(channel.ReadAvailable(bytes.data(), wanted), wanted);
    if (count > 0 && Transferring())
        silence->Start(silenceLimit); // the receiver is still there

    // Once image bytes flow, every byte is data: a read that happens to hold
    // exactly B1 1B or C1 1C must not restart or abort the receive.
    if (receiving && blockLength > 0)
        return StoreImageBytes(bytes.data(), count);

    switch (RecogniseFrame(bytes.data(), count)) {
    case FrameKind::SendReadyFrame:
        if (transferDirection == TransferDirection::Send)
            return WrongDirection();
        return AnswerSendReady(); // the frame's bytes are not image data
    case FrameKind::ReceiveReadyFrame:
        if (transferDirection == TransferDirection::Receive)
            return WrongDirection();
        return AnswerReceiveReady();
    case FrameKind::NextBlockFrame:
        if (currentState == State::Sending)
            return SendNextBlock();
        break;
    case FrameKind::RepeatBlockFrame:
        if (currentState == State::Sending)
            return RepeatLastBlock();
        break;
    case FrameKind::None:
        break;
    }
    // Outside a receive, bytes that are no frame (a lone byte too) are dropped.
    if (receiving)
        StoreImageBytes(bytes.data(), count);
}

void TransferEngine::AnswerSendReady() {
    channel.Purge();
    WriteFrame(ReceiveReady);
    receiving = true;
    SetState(State::Receiving);
    view.SetStatus(Text(transfertext::RECEIVING));
    view.EnableControls(false, false, false, false);
    blockLength = 0;
    view.SetProgress(0);
}

void TransferEngine::AnswerReceiveReady() {
    // The file is checked before the answer: a receiver told "about to send"
    // must get a whole image, never one padded with zeros.
    QByteArray image;
    QString message;
    if (!LoadImageToSend(sendFileName, &image, &message)) {
        channel.Stop();
        BackToClosed();
        view.ShowMessage(message);
        return;
    }
    channel.Purge();
    WriteFrame(SendReady);
    view.EnableControls(false, false, false, false);
    blockLength = 0;
    buffer = image;
    cursor = 0;
    // A handshake repeated mid-send restarts the blocks, so the count restarts too.
    acknowledgedBytes = 0;
    view.SetProgress(0);
    SetState(State::Sending);
    view.SetStatus(Text(transfertext::SENDING));
}

void TransferEngine::SendNextBlock() {
    acknowledgedBytes += blockLength;
    view.SetProgress(static_cast<int>(acknowledgedBytes));
    if (acknowledgedBytes >= IMAGE_SIZE) {
        SetState(State::Finished);
        view.SendComplete(buffer, Text(transfertext::UPLOADED));
        channel.Stop();
        view.EndWindow(true);
        return;
    }
    cursor += blockLength;
    blockLength = BLOCK_SIZE;
    WriteBlock();
}

void TransferEngine::RepeatLastBlock() {
    channel.Purge();
    WriteBlock(); // nothing before the first block
}

void TransferEngine::WriteBlock() {
    if (blockLength == 0 || cursor + blockLength > static_cast<std::size_t>(buffer.size()))
        return;
    // A write that times out is not repeated here: the receiver asks again.
    channel.Write(reinterpret_cast<const std::uint8_t*>(buffer.constData()) + cursor, blockLength);
    // The receiver can answer only once the block is out, which may take a while.
    if (Transferring())
        silence->Start(silenceLimit);
}

void TransferEngine::WriteFrame(const Frame& frame) {
    channel.Write(frame.data(), frame.size());
}

void TransferEngine::StoreImageBytes(const std::uint8_t* bytes, std::size_t count) {
    count = std::min(count, IMAGE_SIZE - blockLength);
    if (count == 0)
        return;
    std::copy_n(bytes, count, buffer.data() + blockLength);
    blockLength += count;
    view.SetProgress(static_cast<int>(blockLength));
    if (blockLength == IMAGE_SIZE)
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
    receiving = false;
    // What the receiver holds is checked as it arrived; it is saved whatever the check says.
    problemsReceived = CountProblems(buffer);
    if (view.TakeReceivedImage(buffer)) {
        channel.Stop();
        view.EndWindow(true);
        return;
    }
    for (;;) {
        const QString chosen = view.AskSaveFileName();
        if (chosen.isEmpty()) {
            if (view.ConfirmDiscard(
                    tr("The received data have not been saved.\nDo you want to discard them?"))) {
                channel.Stop();
                view.EndWindow(false);
                return;
            }
            continue;
        }
        const QString name = ReceivedFileName(chosen);
        QString error;
        if (view.SaveImage(name, buffer, &error)) {
            savedName = name;
            QString message = Text(transfertext::SAVED_TO).arg(QDir::toNativeSeparators(name));
            if (problemsReceived > 0)
                message += QStringLiteral("\n\n") + ReceivedProblemsText(problemsReceived);
            view.ShowMessage(message);
            channel.Stop();
            view.EndWindow(true);
            return;
        }
        //: %1 is the path, %2 the system's reason
        view.ShowMessage(tr("The received data could not be saved to %1:\n%2\n\n"
                            "Choose another name, or cancel to discard them.")
                             .arg(QDir::toNativeSeparators(name), error));
    }
}

void TransferEngine::WrongDirection() {
    // The handshake is not answered.
    SetState(State::Finished);
    view.ShowMessage(Text(transfertext::WRONG_DIRECTION));
    channel.Stop();
    view.EndWindow(true);
}

void TransferEngine::OnPortLost(const QString& reason) {
    if (inStep) {
        lossPending = true;
        pendingLossReason = reason;
        return;
    }
    HandlePortLost(reason);
}

void TransferEngine::HandlePortLost(const QString& reason) {
    if (currentState != State::Listening && currentState != State::Receiving &&
        currentState != State::Sending)
        return;
    const bool midTransfer = currentState != State::Listening;
    channel.Stop();
    BackToClosed();
    QString text = tr("The connection to the receiver was lost.");
    if (!reason.isEmpty())
        //: %1 is the system's reason
        text = tr("The connection to the receiver was lost (%1).").arg(reason);
    if (midTransfer)
        text += QLatin1Char('\n') + tr("The transfer has been stopped.");
    view.ShowMessage(text);
}

bool TransferEngine::LoadImageToSend(const QString& path, QByteArray* image, QString* message) {
    const QString shown = QDir::toNativeSeparators(path);
    // Read without Qt's file class: opening a named pipe with it would wait for
    // a writer for ever. One byte more than an image tells a longer file apart.
    FileReadResult read;
    if (path.isEmpty())
        read.reason = tr("no file was chosen").toLocal8Bit().toStdString();
    else
        read = ReadFileBytes(QFile::encodeName(path).toStdString(), IMAGE_SIZE);
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
