// The "Data" commands: moving an image file between the PC and the receiver through
// the transfer window. They never read or change the open database: what is sent is a
// file exactly as stored, and a received image goes to a file the user names.
#pragma once

#include <QObject>

class QWidget;

class DataCommands : public QObject {
    Q_OBJECT

public:
    explicit DataCommands(QWidget* dialogParent, QObject* parent = nullptr);

    // "Data From PC To IRD": asks for the .bin file to send, then opens the transfer
    // window in the send direction.
    void SendFileToReceiver();
    // "Data From IRD To PC": opens the transfer window in the receive direction.
    void ReceiveImageFromReceiver();
    // The port option dialog (commands 32782 and 32817; no menu item carries them).
    void ShowPortOptions();

private:
    QWidget* dialogParent_;
};
