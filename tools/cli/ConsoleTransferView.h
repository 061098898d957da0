// The transfer window's effects on a console: the status and a progress line
// on the terminal, messages kept for the command to print, and the output file
// given on the command line in place of the save dialog.
#pragma once

#include "transfer/TransferView.h"

#include <QStringList>

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

namespace vormante::cli {

class ConsoleTransferView : public TransferView {
public:
    // progress is where the status and progress line go; terminal chooses a
    // line redrawn in place over one line per status change.
    ConsoleTransferView(std::ostream& progress, bool terminal, std::string outputPath = {});

    void SetStatus(const QString& text) override;
    void SetHint(const QString& text) override;
    void SetProgress(int position) override;
    void EnableControls(bool, bool, bool, bool) override { Changed(); }
    void ShowMessage(const QString& text) override;
    QString AskSaveFileName() override;
    bool ConfirmDiscard(const QString& question) override;
    bool SaveImage(const QString& path, const QByteArray& image, QString* error) override;
    void EndWindow(bool accepted) override;
    void SendComplete(const QByteArray& image, const QString& message) override;
    bool TakeReceivedImage(const QByteArray& image) override;

    // Where the archive notes the images came from or went to.
    void SetPlaces(const QString& port, const QString& file) {
        portName_ = port;
        fileName_ = file;
    }
    // A check after sending: the image that arrives is kept (heldImage) instead of saved.
    void SetChecking(bool on) { checking_ = on; }
    const QByteArray& heldImage() const { return held_; }
    // The image a send delivered whole.
    const QByteArray& sentImage() const { return sent_; }
    // Printed after the hint when no handshake comes: what is awaited, and for how long.
    void SetAwaiting(const std::string& text) { awaiting_ = text; }

    // Ends the progress line so that what follows starts on a line of its own.
    void FinishLine();

    // Called after every effect, so the command can see the engine's state change.
    std::function<void()> onChange;

    const QStringList& messages() const { return shown_; }
    bool ended() const { return windowEnded_; }
    bool saved() const { return imageSaved_; }
    const QString& saveError() const { return lastSaveError_; }

private:
    void Changed();
    void Draw(bool force);

    std::ostream& out_;
    const bool terminal_;
    const std::string output_;
    QString status_;
    int position_ = 0;
    int drawnPercent_ = -1;
    std::chrono::steady_clock::time_point drawnAt_{};
    bool lineOpen_ = false;
    bool asked_ = false;
    QStringList shown_;
    bool windowEnded_ = false;
    bool imageSaved_ = false;
    QString lastSaveError_;
    QString portName_;
    QString fileName_;
    bool checking_ = false;
    QByteArray held_;
    QByteArray sent_;
    std::string awaiting_;
};

} // namespace vormante::cli
