#include "ConsoleTransferView.h"

#include "archive/ArchiveKeeper.h"
#include "model/ImageFile.h"
#include "transfer/TransferProtocol.h"

#include <ostream>

namespace vormante::cli {

ConsoleTransferView::ConsoleTransferView(std::ostream& progress, bool onTerminal, std::string outputPath)
    : out(progress), terminal(onTerminal), output(std::move(outputPath)) {}

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
    if (text != status) {
        status = text;
        if (terminal) {
            Draw(true);
        } else {
            out << status.toStdString() << "\n";
            out.flush();
        }
    }
    Changed();
}

void ConsoleTransferView::SetHint(const QString& text) {
    // Printed on a line of its own; not a change that counts as progress.
    if (text.isEmpty())
        return;
    if (lineOpen)
        out << "\n";
    lineOpen = false;
    out << text.toStdString() << "\n";
    if (!awaiting.empty())
        out << awaiting << "\n";
    out.flush();
}

void ConsoleTransferView::SetProgress(int newPosition) {
    position = newPosition;
    if (terminal)
        Draw(false);
    Changed();
}

void ConsoleTransferView::Draw(bool force) {
    const int percent =
        static_cast<int>(static_cast<long long>(position) * 100 / static_cast<long long>(IMAGE_SIZE));
    const auto now = std::chrono::steady_clock::now();
    // Redraw when the figure changes, at most ten times a second, and always at the end.
    if (!force && percent == drawnPercent && position != static_cast<int>(IMAGE_SIZE))
        return;
    if (!force && now - drawnAt < std::chrono::milliseconds(100) && position != static_cast<int>(IMAGE_SIZE))
        return;
    if (status.isEmpty())
        return;
    drawnPercent = percent;
    drawnAt = now;
    out << "\r\033[K" << status.toStdString();
    if (status != QString::fromLatin1(transfertext::WAITING))
        out << " " << position << "/" << IMAGE_SIZE << " bytes (" << percent << "%)";
    out.flush();
    lineOpen = true;
}

void ConsoleTransferView::FinishLine() {
    if (lineOpen) {
        out << "\n";
        out.flush();
        lineOpen = false;
    }
}

void ConsoleTransferView::ShowMessage(const QString& text) {
    // The command line writes its output under the name it was given, so the
    // final message names that file rather than the window's ".bin" rule.
    // The problems the receive check found are the command's to report.
    const QString savedPrefix = QString::fromLatin1(transfertext::DOWNLOADED_SAVED_TO);
    if (imageSaved && text.startsWith(savedPrefix))
        shown.append(savedPrefix + QString::fromStdString(output));
    else if (imageSaved || lastSaveError.isEmpty() || !text.contains(lastSaveError))
        shown.append(text); // a failed save is reported by the command, without the dialog's advice
    Changed();
}

QString ConsoleTransferView::AskSaveFileName() {
    // The name was given up front; a second question means the save failed.
    if (asked || output.empty())
        return QString();
    asked = true;
    return QString::fromStdString(output);
}

bool ConsoleTransferView::ConfirmDiscard(const QString&) {
    return true;
}

bool ConsoleTransferView::SaveImage(const QString&, const QByteArray& image, QString* error) {
    std::string message;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.constData());
    imageSaved = image.size() == static_cast<qsizetype>(IMAGE_SIZE) &&
                 WriteFileAtomically(output, std::span<const std::uint8_t>(bytes, IMAGE_SIZE), &message);
    if (!imageSaved) {
        lastSaveError = QString::fromStdString(message.empty() ? "the image is incomplete" : message);
        if (error)
            *error = lastSaveError;
    }
    return imageSaved;
}

void ConsoleTransferView::SendComplete(const QByteArray& image, const QString& message) {
    archiving::Keep(ArchiveKind::Sent, image, fileName, portName);
    sent = image;
    ShowMessage(message);
}

bool ConsoleTransferView::TakeReceivedImage(const QByteArray& image) {
    archiving::Keep(ArchiveKind::Received, image, QString(), portName);
    if (checking)
        held = image;
    return checking;
}

void ConsoleTransferView::EndWindow(bool) {
    windowEnded = true;
    Changed();
}

} // namespace vormante::cli
