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
    // Writes the received image. The default writes it safely (WriteFileSafely); error gets the reason.
    virtual bool SaveImage(const QString& path, const QByteArray& image, QString* error);
    // The receiver acknowledged the whole image: the view may keep it (the archive) and
    // shows the message, with which the window may offer a check. The default shows it.
    virtual void SendComplete(const QByteArray& image, const QString& message) {
        (void)image;
        ShowMessage(message);
    }
    // A whole image arrived, before anything is asked or saved: the view may keep it.
    // True when the view has dealt with it (a check after sending compares it instead
    // of saving it); false to go on and save it.
    virtual bool TakeReceivedImage(const QByteArray& image) {
        (void)image;
        return false;
    }
    // Ends the window; accepted when the transfer completed.
    virtual void EndWindow(bool accepted) = 0;
};

} // namespace vormante
