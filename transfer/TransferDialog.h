// The transfer window: the user's side of moving an image between the PC and
// the receiver. It lets the user pick the port, start and stop listening,
// watch the progress and read what is happening on a one-line status. It owns
// its serial port and runs the protocol engine, for which it is the view.
// The port is stopped on every way out: Exit, the close box, Escape and the
// end of a transfer.
#pragma once

#include "SerialPort.h"
#include "TransferEngine.h"
#include "TransferProtocol.h"
#include "TransferView.h"

#include <QDialog>

#include <QStringList>
#include <array>
#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace vormante {

class TransferDialog : public QDialog, public TransferView {
    Q_OBJECT

public:
    enum ControlId {
        IDC_PORT = 1045,
        IDC_START = 1064,
        IDC_STOP = 1066,
        IDC_EXIT = 1065,
        IDC_PROGRESS = 1062,
        IDC_STATUS = 1067,
        IDC_FILE_LABEL = 1069,
        IDC_FILE_NAME = 1068,
    };

    // fileName is the file to send; a receive window takes none.
    TransferDialog(TransferDirection direction, const QString& fileName, QWidget* parent = nullptr);
    ~TransferDialog() override;

    // "Data From PC To IRD": asks for the file (the dialog starts on startPath when
    // given), refuses one that is not a whole image, asks before sending one with
    // consistency problems, then shows the window modally. When the user asks for it
    // after a successful send, the check after sending follows (RunCheck). False when
    // no window opened.
    static bool RunSend(QWidget* parent, const QString& startPath = QString());
    // Before sending: an image with consistency problems is sent only when the user
    // says so ("Send anyway"); the problems are behind "Show Details...".
    static bool ConfirmSendingProblems(QWidget* parent, const QByteArray& image);
    // The check after sending: a window in the receive direction listens on port at
    // once and tells the user to start sending on the receiver; what arrives is kept in
    // the archive and compared byte for byte with `sent` instead of being saved. The
    // result is said plainly, or the differences are shown in the Compare dialog.
    enum class CheckOutcome { None, Identical, Different };
    static CheckOutcome RunCheck(QWidget* parent, const QByteArray& sent, const QString& sentName,
                                 const QString& portName);
    // "Data From IRD To PC": shows the window modally in the receive direction.
    // Returns the file the received image was saved to; empty when none was.
    static QString RunReceive(QWidget* parent);

    // "COM1", "COM2", "COM3": first in the port box, before the detected adapters.
    static QStringList PortNames();

    // Where the windows keep the port last used between runs: the port box starts on
    // it, and Start stores the port it uses. Empty functions: nothing is kept.
    struct PortMemory {
        std::function<QString()> load;
        std::function<void(const QString&)> store;
    };
    static void SetPortMemory(PortMemory memory);

    // The buttons, as the user presses them.
    void OnStart();
    void OnStop();
    void OnExit();

    TransferEngine& engine() { return transferEngine_; }
    SerialPort& serialPort() { return port_; }

    // After a send: the user chose "Check what the receiver now holds".
    bool checkRequested() const { return checkRequested_; }
    CheckOutcome checkOutcome() const { return checkOutcome_; }

    // TransferView
    void SetStatus(const QString& text) override;
    void SetHint(const QString& text) override;
    void SetProgress(int position) override;
    void EnableControls(bool portList, bool start, bool stop, bool exit) override;
    void ShowMessage(const QString& text) override;
    QString AskSaveFileName() override;
    bool ConfirmDiscard(const QString& question) override;
    void EndWindow(bool accepted) override;
    void SendComplete(const QByteArray& image, const QString& message) override;
    bool TakeReceivedImage(const QByteArray& image) override;

Q_SIGNALS:
    // The received image was written to path.
    void imageSaved(const QString& path);

public Q_SLOTS:
    // Every way the window ends comes through here: the port is stopped first.
    void done(int result) override;

private:
    void BuildControls(TransferDirection direction, const QString& fileName);
    QLabel* BuildPortControls();
    QHBoxLayout* BuildButtonRow();
    void BuildStatusLines(const QString& fileName);
    void LayOutControls(QLabel* portLabel, QHBoxLayout* buttonRow);
    void SelectPort(const QString& name);
    void ShowCheckResult(const QByteArray& held);

    // Declared before the engine, which stops it when it goes.
    SerialPort port_;
    TransferEngine transferEngine_;

    QComboBox* portList_ = nullptr;
    std::array<QPushButton*, 3> buttons_{}; // Start, Stop and Exit
    QProgressBar* progressBar_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QLabel* hintLine_ = nullptr; // under the status line; hidden while empty
    QLabel* fileLabel_ = nullptr;
    QLabel* fileLine_ = nullptr;
    QLabel* instructionLine_ = nullptr; // the check after sending says what to do; hidden otherwise
    bool savedReported_ = false;        // imageSaved is emitted once
    QByteArray sentImage_;              // the image a send delivered
    bool checkRequested_ = false;
    QByteArray expected_; // a check window: the image that was sent
    QString expectedName_;
    CheckOutcome checkOutcome_ = CheckOutcome::None;
};

} // namespace vormante
