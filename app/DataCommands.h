// The "Data" commands: moving an image file between the PC and the receiver through
// the transfer window. What is sent is a file exactly as stored, and a received image
// goes to a file the user names. With the file commands set, sending first offers to
// save the open image's unsaved changes (its file is the one the dialog starts on),
// and a received image that was saved can be opened in the editor at once.
#pragma once

#include <QObject>

class QWidget;

namespace vormante {

class FileCommands;

class DataCommands : public QObject {
    Q_OBJECT

public:
    explicit DataCommands(QWidget* dialogParent, QObject* parent = nullptr);

    // The open image's file commands; without them the commands ignore the open image.
    void setFileCommands(FileCommands* fileCommands) { fileCommands_ = fileCommands; }

    // "Data From PC To IRD": asks for the .bin file to send, then opens the transfer
    // window in the send direction.
    void SendFileToReceiver();
    // "Data From IRD To PC": opens the transfer window in the receive direction.
    void ReceiveImageFromReceiver();
    // Offers to open a received image saved at path (the unsaved-changes question first).
    // Saved over the open file, the received image is never overwritten by the editor's
    // changes: saving them asks for another name.
    void OfferToOpenReceived(const QString& path);
    // The port option dialog (commands 32782 and 32817; no menu item carries them).
    void ShowPortOptions();

    static QString SaveBeforeSendingQuestion(const QString& fileName);
    static QString OpenReceivedQuestion(const QString& fileName);

private:
    QWidget* dialogParent_;
    FileCommands* fileCommands_ = nullptr;
};

} // namespace vormante
