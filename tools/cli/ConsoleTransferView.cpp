#include "ConsoleTransferView.h"

#include "archive/ArchiveKeeper.h"
#include "model/ImageFile.h"
#include "transfer/TransferProtocol.h"

#include <ostream>

namespace vormante::cli {

ConsoleTransferView::ConsoleTransferView(std::ostream& progress, bool onTerminal, std::string outputPath)
    : out_(progress), terminal_(onTerminal), output_(std::move(outputPath)) {}

void ConsoleTransferView::Changed() {
    if (onChange)
        onChange();
}

void ConsoleTransferView::SetStatus(const QString& text) {
    // There is no Start button to press here: the port opens straight away.
    if (text == QString::fromLatin1(transfertext::SELECT_PORT)) {
        Changed();
        return;
    }
    if (text != status_) {
        status_ = text;
        if (terminal_) {
            Draw(true);
        } else {
            out_ << status_.toStdString() << "\n";
            out_.flush();
        }
    }
    Changed();
}

void ConsoleTransferView::SetHint(const QString& text) {
    // Printed on a line of its own; not a change that counts as progress.
    if (text.isEmpty())
        return;
    if (lineOpen_)
        out_ << "\n";
    lineOpen_ = false;
    out_ << text.toStdString() << "\n";
    if (!awaiting_.empty())
        out_ << awaiting_ << "\n";
    out_.flush();
}

void ConsoleTransferView::SetProgress(int newPosition) {
    position_ = newPosition;
    if (terminal_)
        Draw(false);
    Changed();
}

void ConsoleTransferView::Draw(bool force) {
    const int percent =
        static_cast<int>(static_cast<long long>(position_) * 100 / static_cast<long long>(IMAGE_SIZE));
    const auto now = std::chrono::steady_clock::now();
    // Redraw when the figure changes, at most ten times a second, and always at the end.
    if (!force && percent == drawnPercent_ && position_ != static_cast<int>(IMAGE_SIZE))
        return;
    if (!force && now - drawnAt_ < std::chrono::milliseconds(100) &&
        position_ != static_cast<int>(IMAGE_SIZE))
        return;
    if (status_.isEmpty())
        return;
    drawnPercent_ = percent;
    drawnAt_ = now;
    out_ << "\r\033[K" << status_.toStdString();
    if (status_ != QString::fromLatin1(transfertext::WAITING))
        out_ << " " << position_ << "/" << IMAGE_SIZE << " bytes (" << percent << "%)";
    out_.flush();
    lineOpen_ = true;
}

void ConsoleTransferView::FinishLine() {
    if (lineOpen_) {
        out_ << "\n";
        out_.flush();
        lineOpen_ = false;
    }
}

void ConsoleTransferView::ShowMessage(const QString& text) {
    // The command line writes its output under the name it was given, so the
    // final message names that file rather than the window's ".bin" rule.
    // The problems the receive check found are the command's to report.
    const QString savedPrefix = QString::fromLatin1(transfertext::DOWNLOADED_SAVED_TO);
    if (imageSaved_ && text.startsWith(savedPrefix))
        shown_.append(savedPrefix + QString::fromStdString(output_));
    else if (imageSaved_ || lastSaveError_.isEmpty() || !text.contains(lastSaveError_))
        shown_.append(text); // a failed save is reported by the command, without the dialog's advice
    Changed();
}

QString ConsoleTransferView::AskSaveFileName() {
    // The name was given up front; a second question means the save failed.
    if (asked_ || output_.empty())
        return QString();
    asked_ = true;
    return QString::fromStdString(output_);
}

bool ConsoleTransferView::ConfirmDiscard(const QString&) {
    return true;
}

bool ConsoleTransferView::SaveImage(const QString&, const QByteArray& image, QString* error) {
    std::string message = "the image is incomplete";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.constData());
    imageSaved_ = false;
    if (image.size() == static_cast<qsizetype>(IMAGE_SIZE)) {
        const FileWriteResult written =
            WriteFileSafely(output_, std::span<const std::uint8_t>(bytes, IMAGE_SIZE));
        imageSaved_ = written.ok();
        message = written.message;
    }
    if (!imageSaved_) {
        lastSaveError_ = QString::fromStdString(message);
        if (error)
            *error = lastSaveError_;
    }
    return imageSaved_;
}

void ConsoleTransferView::SendComplete(const QByteArray& image, const QString& message) {
    archiving::Keep(ArchiveKind::Sent, image, fileName_, portName_);
    sent_ = image;
    ShowMessage(message);
}

bool ConsoleTransferView::TakeReceivedImage(const QByteArray& image) {
    archiving::Keep(ArchiveKind::Received, image, QString(), portName_);
    if (checking_)
        held_ = image;
    return checking_;
}

void ConsoleTransferView::EndWindow(bool) {
    windowEnded_ = true;
    Changed();
}

} // namespace vormante::cli
