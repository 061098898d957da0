// What the transfer protocol needs from the window that hosts it. The dialog
// implements it with widgets, a command-line tool with a console, tests with
// a recorder; the protocol itself never touches a widget.
#pragma once

#include <QByteArray>
#include <QString>

namespace vormante {

class TransferView {
public:
    virtual ~TransferView() = default;

    virtual void SetStatus(const QString& text) = 0;
    // A hint under the status line, e.g. when no handshake comes; empty removes it.
    virtual void SetHint(const QString& text) { (void)text; }
    // Position in 0..IMAGE_SIZE.
    virtual void SetProgress(int position) = 0;
    virtual void EnableControls(bool portList, bool start, bool stop, bool exit) = 0;
    // Shows the message and returns when the user has dismissed it.
    virtual void ShowMessage(const QString& text) = 0;
    // The name to save a received image under; empty when the user cancelled.
    virtual QString AskSaveFileName() = 0;
    // The received image is about to be thrown away; true when the user agrees.
    virtual bool ConfirmDiscard(const QString& question) = 0;
    // Writes the received image. The default uses SaveBytesAtomically.
    virtual bool SaveImage(const QString& path, const QByteArray& image, QString* error);
    // Ends the window; accepted when the transfer completed.
    virtual void EndWindow(bool accepted) = 0;
};

// Writes bytes to path with the model's safe file writer (WriteFileSafely):
// through a temporary file renamed over the target, or in place when only the
// file may be written. Every step is checked; error gets the reason.
bool SaveBytesAtomically(const QString& path, const QByteArray& bytes, QString* error);

} // namespace vormante
