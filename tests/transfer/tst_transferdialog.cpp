// The transfer window as the user meets it: its states and texts, every way
// out closing the port, and the Data commands that open it. The far end of
// the line is a scripted peer on a real pseudo-terminal.
#include "FakeCountdown.h"
#include "ModalWatcher.h"
#include "PromptChecks.h"
#include "PtyLine.h"
#include "controls/MessageBox.h"
#include "transfer/PortOptionDialog.h"
#include "transfer/PortProblem.h"
#include "transfer/TransferDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include <functional>

using namespace vormante;

namespace {
using testsupport::ModalWatcher;
using testsupport::PromptTexts;
QString Text(const char* text) {
    return QString::fromLatin1(text);
}

// The receiver's end of a pseudo-terminal, played by the test itself. The
// dialog opens device as its serial port.
struct Peer : testsupport::PtyLine {
    Peer() : PtyLine(false) {}
};

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

const QByteArray SEND_READY_BYTES = Bytes({0xB1, 0x1B});
const QByteArray RECEIVE_READY_BYTES = Bytes({0xC1, 0x1C});

bool DeviceIsFree(const QString& device) {
    QSerialPort probe(device);
    const bool opened = probe.open(QIODevice::ReadWrite);
    probe.close();
    return opened;
}

struct Controls {
    bool portList, start, stop, exit;
    bool operator==(const Controls&) const = default;
};

Controls ControlsOf(TransferDialog& dialog) {
    return {dialog.findChild<QComboBox*>("portComboBox")->isEnabled(),
            dialog.findChild<QPushButton*>("startButton")->isEnabled(),
            dialog.findChild<QPushButton*>("stopButton")->isEnabled(),
            dialog.findChild<QPushButton*>("exitButton")->isEnabled()};
}

QString StatusOf(TransferDialog& dialog) {
    return dialog.findChild<QLabel*>("statusLabel")->text();
}

void Click(TransferDialog& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

void Choose(TransferDialog& dialog, const QString& port) {
    QComboBox* box = dialog.findChild<QComboBox*>("portComboBox");
    box->setEditText(port);
}

// Shows the window, types the port and presses Start, as the user does.
void StartOn(TransferDialog& dialog, const QString& port) {
    dialog.show();
    Choose(dialog, port);
    Click(dialog, "startButton");
}

TransferDirection DirectionOf(bool send) {
    return send ? TransferDirection::Send : TransferDirection::Receive;
}

// The column "send": one row for the send window and one for the receive window.
void AddDirectionRows(const char* sendRow, const char* receiveRow) {
    QTest::addColumn<bool>("send");
    QTest::newRow(sendRow) << true;
    QTest::newRow(receiveRow) << false;
}

} // namespace

class TestTransferDialog : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString imagePath_;

    QString WriteFile(const QString& name, qsizetype size) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        QByteArray bytes(size, '\0');
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
        file.write(bytes);
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        imagePath_ = WriteFile(QStringLiteral("image.bin"), static_cast<qsizetype>(IMAGE_SIZE));
        MessageBox::setTestMode(true);
    }
    void init() { MessageBox::ResetTestState(); }
    void cleanup() { testsupport::CheckPromptsAnswered(); }

    void startsOnThePortUsedLastTime() {
        QString kept = QStringLiteral("COM3");
        TransferDialog::SetPortMemory({[&] { return kept; }, [&](const QString& port) { kept = port; }});
        {
            TransferDialog dialog(TransferDirection::Receive, QString());
            auto* ports = dialog.findChild<QComboBox*>();
            QVERIFY(ports);
            QCOMPARE(ports->currentText(), QStringLiteral("COM3"));
        }
        // A port no entry stands for (an adapter unplugged now) is typed into the box.
        kept = QStringLiteral("/dev/ttyUSB7");
        {
            TransferDialog dialog(TransferDirection::Receive, QString());
            QCOMPARE(dialog.findChild<QComboBox*>()->currentText(), QStringLiteral("/dev/ttyUSB7"));
        }
        TransferDialog::SetPortMemory({});
        TransferDialog dialog(TransferDirection::Receive, QString());
        QCOMPARE(dialog.findChild<QComboBox*>()->currentIndex(), 0);
    }

    void opensAsTheWindowOfItsDirection_data() { AddDirectionRows("send", "receive"); }
    void opensAsTheWindowOfItsDirection() {
        QFETCH(bool, send);
        TransferDialog dialog(DirectionOf(send), send ? imagePath_ : QString());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), Text(send ? "Data from PC to IRD" : "Data from IRD to PC"));
        QCOMPARE(StatusOf(dialog), Text("Please Select Port type and press the Start button!"));
        QCOMPARE(ControlsOf(dialog), (Controls{true, true, true, true}));

        QComboBox* ports = dialog.findChild<QComboBox*>("portComboBox");
        QVERIFY(ports->count() >= 3);
        QCOMPARE(ports->itemText(0), QStringLiteral("COM1"));
        QCOMPARE(ports->itemText(1), QStringLiteral("COM2"));
        QCOMPARE(ports->itemText(2), QStringLiteral("COM3"));
        QCOMPARE(ports->currentIndex(), 0);
        QCOMPARE(ports->currentText(), QStringLiteral("COM1"));
        QVERIFY(ports->isEditable());

        QProgressBar* progress = dialog.findChild<QProgressBar*>("progressBar");
        QCOMPARE(progress->minimum(), 0);
        QCOMPARE(progress->maximum(), 204800);
        QCOMPARE(progress->value(), 0);

        QLabel* fileLabel = dialog.findChild<QLabel*>("fileLabel");
        QLabel* fileLine = dialog.findChild<QLabel*>("fileNameLabel");
        QCOMPARE(fileLabel->isVisible(), send);
        QCOMPARE(fileLine->isVisible(), send);
        if (send) {
            QCOMPARE(fileLabel->text(), QStringLiteral("File:"));
            QCOMPARE(fileLine->text(), QDir::toNativeSeparators(imagePath_));
        }
        QVERIFY(MessageBox::prompts().isEmpty());
    }

    void stopBeforeStartOnlyResets() {
        TransferDialog dialog(TransferDirection::Receive, QString());
        dialog.show();
        Click(dialog, "stopButton");
        QCOMPARE(StatusOf(dialog), Text("Please Select Port type and press the Start button!"));
        QCOMPARE(ControlsOf(dialog), (Controls{true, true, true, true}));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.serialPort().IsConnected());
        QVERIFY(MessageBox::prompts().isEmpty());
    }

    void startOnMissingDeviceSaysSoAndWaitsForStop() {
        TransferDialog dialog(TransferDirection::Receive, QString());
        dialog.show();
        Choose(dialog, QStringLiteral("/dev/vormante-no-such-port"));
        MessageBox::QueueAnswer(QMessageBox::Ok);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        Click(dialog, "startButton");
        // The message, then why: the device is not there.
        QCOMPARE(PromptTexts(),
                 (QStringList{Text("The selected COM is invalid or have already been opened! ") +
                                  ExplainPortProblem(PortProblemCause::NoSuchDevice,
                                                     QStringLiteral("/dev/vormante-no-such-port"), {}),
                              Text("Error!")}));
        QCOMPARE(ControlsOf(dialog), (Controls{true, false, true, true}));
        QCOMPARE(StatusOf(dialog), Text("Please Select Port type and press the Start button!"));
        QVERIFY(!dialog.serialPort().IsConnected());

        Click(dialog, "stopButton");
        QCOMPARE(ControlsOf(dialog), (Controls{true, true, true, true}));
    }

    void startListensOnTypedDeviceUntilStop() {
        Peer peer;
        QVERIFY(peer.isOpen());
        TransferDialog dialog(TransferDirection::Send, imagePath_);
        StartOn(dialog, peer.device);
        QVERIFY(MessageBox::prompts().isEmpty());
        QVERIFY(dialog.serialPort().IsConnected());
        QCOMPARE(StatusOf(dialog), Text("Waiting for handshake signal!"));
        QCOMPARE(ControlsOf(dialog), (Controls{false, false, true, true}));

        // Bytes that are no frame are dropped while listening.
        peer.Send(Bytes({0x00, 0x55, 0xB1}));
        QTest::qWait(50);
        QCOMPARE(StatusOf(dialog), Text("Waiting for handshake signal!"));

        // The port is held: a second window on it is refused.
        TransferDialog second(TransferDirection::Receive, QString());
        Choose(second, peer.device);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        Click(second, "startButton");
        QCOMPARE(PromptTexts().value(0), Text("The selected COM is invalid or have already been opened! ") +
                                             ExplainPortProblem(PortProblemCause::InUse, peer.device, {}));

        Click(dialog, "stopButton");
        QVERIFY(!dialog.serialPort().IsConnected());
        QCOMPARE(StatusOf(dialog), Text("Please Select Port type and press the Start button!"));
        QCOMPARE(ControlsOf(dialog), (Controls{true, true, true, true}));
        QVERIFY(DeviceIsFree(peer.device));
    }

    void hintUnderTheStatusWhileNoHandshakeComes() {
        Peer peer;
        QVERIFY(peer.isOpen());
        TransferDialog dialog(TransferDirection::Receive, QString());
        FakeCountdowns countdowns(dialog.engine());
        dialog.show();
        QLabel* hint = dialog.findChild<QLabel*>(QStringLiteral("hintLabel"));
        QVERIFY(hint);
        QVERIFY(!hint->isVisible());
        StartOn(dialog, peer.device);
        countdowns.handshakeWait->RunOut(); // ten seconds without a handshake
        QVERIFY(hint->isVisible());
        QVERIFY(hint->text().contains(QStringLiteral("update mode")));
        QCOMPARE(StatusOf(dialog), Text("Waiting for handshake signal!"));
        const QLabel* status = dialog.findChild<QLabel*>(QStringLiteral("statusLabel"));
        QVERIFY(hint->geometry().top() >= status->geometry().bottom()); // under the status line
        Click(dialog, "stopButton");
        QVERIFY(!hint->isVisible());
    }

    void exitClosesThePortAndTheWindow() {
        Peer peer;
        TransferDialog dialog(TransferDirection::Receive, QString());
        StartOn(dialog, peer.device);
        QVERIFY(dialog.serialPort().IsConnected());
        Click(dialog, "exitButton");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.serialPort().IsConnected());
        QVERIFY(DeviceIsFree(peer.device));
    }

    void wrongDirectionEndsWithoutAnswer_data() {
        AddDirectionRows("send window, receiver sends", "receive window, receiver asks");
    }
    void wrongDirectionEndsWithoutAnswer() {
        QFETCH(bool, send);
        Peer peer;
        TransferDialog dialog(DirectionOf(send), send ? imagePath_ : QString());
        StartOn(dialog, peer.device);
        QVERIFY(dialog.serialPort().IsConnected());
        MessageBox::QueueAnswer(QMessageBox::Ok);
        peer.Send(send ? SEND_READY_BYTES : RECEIVE_READY_BYTES);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(PromptTexts(), QStringList{Text("You have select wrong direction")});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.serialPort().IsConnected());
        QVERIFY(peer.Receive(1, 100).isEmpty());
        QVERIFY(DeviceIsFree(peer.device));
    }

    // Mid-transfer every button is disabled; Escape and the close box still
    // end the window, and the port is closed with it.
    void leavingMidTransferClosesThePort_data() {
        QTest::addColumn<bool>("send");
        QTest::addColumn<bool>("escape");
        QTest::newRow("receive, Escape") << false << true;
        QTest::newRow("send, Escape") << true << true;
        QTest::newRow("receive, close box") << false << false;
        QTest::newRow("send, close box") << true << false;
    }
    void leavingMidTransferClosesThePort() {
        QFETCH(bool, send);
        QFETCH(bool, escape);
        Peer peer;
        TransferDialog dialog(DirectionOf(send), send ? imagePath_ : QString());
        StartOn(dialog, peer.device);
        peer.Send(send ? RECEIVE_READY_BYTES : SEND_READY_BYTES);
        QCOMPARE(peer.Receive(2), send ? SEND_READY_BYTES : RECEIVE_READY_BYTES);
        QTRY_COMPARE(StatusOf(dialog),
                     Text(send ? "Data is uploading to STB!" : "Data is transmitting form STB!"));
        QCOMPARE(ControlsOf(dialog), (Controls{false, false, false, false}));
        QProgressBar* progress = dialog.findChild<QProgressBar*>("progressBar");
        if (send) {
            peer.Send(Bytes({0xD1, 0x1D}));
            QFile image(imagePath_);
            QVERIFY(image.open(QIODevice::ReadOnly));
            QCOMPARE(peer.Receive(8192), image.read(8192));
        } else {
            peer.Send(QByteArray(1000, '\x5A'));
            QTRY_COMPARE(progress->value(), 1000);
        }
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QVERIFY(dialog.close());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.serialPort().IsConnected());
        QVERIFY(DeviceIsFree(peer.device));
        QVERIFY(MessageBox::prompts().isEmpty());
        QCOMPARE(FileDialog::captions().size(), 0);
    }

    void portLostMidTransferGivesTheWindowBack() {
        Peer peer;
        TransferDialog dialog(TransferDirection::Receive, QString());
        StartOn(dialog, peer.device);
        peer.Send(SEND_READY_BYTES);
        QCOMPARE(peer.Receive(2), RECEIVE_READY_BYTES);
        peer.Send(QByteArray(600, '\x11'));
        QTRY_COMPARE(dialog.findChild<QProgressBar*>("progressBar")->value(), 600);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        peer.HangUp();
        QTRY_COMPARE(MessageBox::prompts().size(), 1);
        QVERIFY2(PromptTexts().first().contains(QStringLiteral("connection to the receiver was lost")),
                 qPrintable(PromptTexts().first()));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.serialPort().IsConnected());
        QCOMPARE(StatusOf(dialog), Text("Please Select Port type and press the Start button!"));
        QCOMPARE(ControlsOf(dialog), (Controls{true, true, true, true}));
        QCOMPARE(FileDialog::captions().size(), 0);
    }

    void sendCommandRefusesAFileThatIsNoImage_data() {
        QTest::addColumn<qsizetype>("size");
        QTest::newRow("empty") << qsizetype(0);
        QTest::newRow("short") << qsizetype(204799);
        QTest::newRow("long") << qsizetype(204801);
        QTest::newRow("named pipe, no hang") << qsizetype(-1);
    }
    void sendCommandRefusesAFileThatIsNoImage() {
        QFETCH(qsizetype, size);
        QString path = dir_.filePath(QStringLiteral("pipe.bin"));
        if (size >= 0)
            path = WriteFile(QStringLiteral("wrong-%1.bin").arg(size), size);
        else if (!QFileInfo::exists(path))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        FileDialog::QueueFileName(path);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        ModalWatcher watcher([](QWidget* modal) { modal->close(); });
        QVERIFY(!TransferDialog::RunSend(nullptr));
        QCOMPARE(MessageBox::prompts().size(), 1);
        QVERIFY2(PromptTexts().first().contains(QDir::toNativeSeparators(path)),
                 qPrintable(PromptTexts().first()));
        QVERIFY(PromptTexts().first().contains(size >= 0 ? QStringLiteral("204800")
                                                         : QStringLiteral("not a regular file")));
        QTest::qWait(30);
        QCOMPARE(watcher.handled, 0);
    }

    void sendCommandCancelledOpensNothing() {
        FileDialog::QueueFileName(QString());
        QVERIFY(!TransferDialog::RunSend(nullptr));
        QCOMPARE(FileDialog::captions().size(), 1);
        QVERIFY(MessageBox::prompts().isEmpty());
    }

    void dataCommandsOpenTheirWindows() {
        FileDialog::QueueFileName(imagePath_);
        MessageBox::QueueAnswer(QMessageBox::Yes); // "Send anyway": the test's image is no consistent one
        QString caption, fileLine, status;
        bool fileShown = false;
        ModalWatcher sendWatcher([&](QWidget* modal) {
            auto* dialog = qobject_cast<TransferDialog*>(modal);
            QVERIFY(dialog);
            caption = dialog->windowTitle();
            fileLine = dialog->findChild<QLabel*>("fileNameLabel")->text();
            fileShown = dialog->findChild<QLabel*>("fileNameLabel")->isVisible();
            Click(*dialog, "exitButton");
        });
        QVERIFY(TransferDialog::RunSend(nullptr));
        QCOMPARE(caption, Text("Data from PC to IRD"));
        QCOMPARE(fileLine, QDir::toNativeSeparators(imagePath_));
        QVERIFY(fileShown);
        QCOMPARE(MessageBox::prompts().size(), 1); // only the question before sending
        MessageBox::ResetTestState();

        ModalWatcher receiveWatcher([&](QWidget* modal) {
            auto* dialog = qobject_cast<TransferDialog*>(modal);
            QVERIFY(dialog);
            caption = dialog->windowTitle();
            fileShown = dialog->findChild<QLabel*>("fileNameLabel")->isVisible() ||
                        dialog->findChild<QLabel*>("fileLabel")->isVisible();
            status = StatusOf(*dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        TransferDialog::RunReceive(nullptr);
        QCOMPARE(caption, Text("Data from IRD to PC"));
        QVERIFY(!fileShown);
        QCOMPARE(status, Text("Please Select Port type and press the Start button!"));
        QVERIFY(MessageBox::prompts().isEmpty());
    }

    void portOptionChoiceIsNotKept() {
        PortOptionDialog option;
        QCOMPARE(option.windowTitle(), QStringLiteral("Option"));
        QComboBox* box = option.findChild<QComboBox*>("comPortComboBox");
        QVERIFY(box->count() >= 4); // detected adapters follow COM4
        for (int i = 0; i < 4; ++i)
            QCOMPARE(box->itemText(i), QStringLiteral("COM%1").arg(i + 1));
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(!box->isEditable());

        box->setCurrentIndex(2);
        auto* buttons = option.findChild<QDialogButtonBox*>("buttonBox");
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
        option.show();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(option.result(), int(QDialog::Accepted));

        PortOptionDialog again;
        again.show();
        QTest::mouseClick(again.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
        QCOMPARE(again.result(), int(QDialog::Rejected));

        TransferDialog window(TransferDirection::Receive, QString());
        QCOMPARE(window.findChild<QComboBox*>("portComboBox")->currentText(), QStringLiteral("COM1"));
    }
};

QTEST_MAIN(TestTransferDialog)
#include "tst_transferdialog.moc"
