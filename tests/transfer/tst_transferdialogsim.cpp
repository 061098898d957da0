// Whole transfers through the transfer window and the Data commands, against
// the receiver simulator on a real pseudo-terminal (unpaced).
#include "ModalWatcher.h"
#include "PromptChecks.h"
#include "SimulatorThread.h"
#include "TestSupport.h"
#include "archive/ImageArchive.h"
#include "controls/MessageBox.h"
#include "model/SampleImages.h"
#include "transfer/SendCheck.h"
#include "transfer/TransferDialog.h"
#include "views/lists/CompareDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <thread>

using namespace vormante;
using namespace vormante::sim;

namespace {
using testsupport::PromptTexts;
using testsupport::ReadFile;
using testsupport::SimulatorThread;
using testsupport::WriteFile;
using testsupport::WriteFileOrDie;

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

// A consistent image: what a receiver normally holds and sends.
QByteArray Demo() {
    return testsupport::ToByteArray(BuildDemoImage());
}

// Plays the user in the transfer window once it comes up modally: types the
// simulator's device, presses Start, and records what the window showed.
class UserAtTheWindow {
public:
    explicit UserAtTheWindow(SimulatorThread& sim) : simulator_(sim) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer_.stop();
            window = dialog;
            caption = dialog->windowTitle();
            dialog->findChild<QComboBox*>("portComboBox")->setEditText(simulator_.device());
            QTest::mouseClick(dialog->findChild<QPushButton*>("startButton"), Qt::LeftButton);
            listening = dialog->findChild<QLabel*>("statusLabel")->text();
            auto* progress = dialog->findChild<QProgressBar*>("progressBar");
            QObject::connect(progress, &QProgressBar::valueChanged, progress,
                             [this](int value) { lastProgress = value; });
            auto* status = dialog->findChild<QLabel*>("statusLabel");
            QObject::connect(dialog, &QDialog::finished, dialog, [this, status, dialog](int result) {
                finalStatus = status->text();
                portOpenAtEnd = dialog->serialPort().IsConnected();
                windowResult = result;
            });
            simulator_.Start();
        });
        timer_.start();
    }

    QPointer<TransferDialog> window;
    QString caption;
    QString listening;
    QString finalStatus;
    int lastProgress = -1;
    int windowResult = -1;
    bool portOpenAtEnd = true;

private:
    SimulatorThread& simulator_;
    QTimer timer_;
};
} // namespace

class TestTransferDialogWithReceiver : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString savedPath_; // what the last receive's window reported as saved

    // A receive through the Data command, answering the prompts from the queues.
    QByteArray Receive(std::uint32_t seed) {
        SimulatorOptions options;
        options.mode = SimulatorMode::Give;
        options.image = BuildDemoImage();
        // One image per receive: a byte of an opaque sector header, which no check reads.
        options.image[layout::SECTOR_OFFSETS[2] + 10] = static_cast<std::uint8_t>(seed);
        SimulatorThread simulator(options);
        if (!simulator.opened)
            return {};
        UserAtTheWindow user(simulator);
        savedPath_ = TransferDialog::RunReceive(nullptr);
        const SimulatorResult& result = simulator.Finish();
        if (!result.ok || user.caption != Text("Data from IRD to PC") || user.portOpenAtEnd ||
            user.lastProgress != 204800 || user.finalStatus != Text("Data is transmitting form STB!"))
            return {};
        return testsupport::ToByteArray(options.image);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // What the windows archive goes into the test's own folder.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
        MessageBox::setTestMode(true);
    }
    void init() { MessageBox::ResetTestState(); }
    void cleanup() { testsupport::CheckPromptsAnswered(); }

    void sendArrivesByteForByte() {
        const QByteArray image = Demo();
        const QString file = WriteFileOrDie(dir_.filePath(QStringLiteral("to-receiver.bin")), image);
        SimulatorOptions options;
        options.mode = SimulatorMode::Accept;
        options.repeatAfterBlock = 5;
        SimulatorThread simulator(options);
        QVERIFY2(simulator.opened, simulator.error.c_str());

        FileDialog::QueueFileName(file);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        UserAtTheWindow user(simulator);
        QVERIFY(TransferDialog::RunSend(nullptr));
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(testsupport::ToByteArray(result.received), image);
        QCOMPARE(result.blocksRequested, 26);
        QVERIFY(result.repeatMatched);

        QCOMPARE(user.caption, Text("Data from PC to IRD"));
        QCOMPARE(user.listening, Text("Waiting for handshake signal!"));
        QCOMPARE(user.finalStatus, Text("Data is uploading to STB!"));
        QCOMPARE(user.lastProgress, 204800);
        QCOMPARE(user.windowResult, int(QDialog::Accepted));
        QVERIFY(!user.portOpenAtEnd);
        QCOMPARE(PromptTexts(), QStringList{Text("Data have been uploaded to STB")});
    }

    void receiveIsSavedByteForByte() {
        const QString chosen = dir_.filePath(QStringLiteral("from-receiver"));
        const QString saved = chosen + QStringLiteral(".bin");
        FileDialog::QueueFileName(chosen);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        const QByteArray image = Receive(32);
        QVERIFY(!image.isEmpty());
        QCOMPARE(ReadFile(saved), image);
        QCOMPARE(savedPath_, saved); // the window reports the file it saved
        QCOMPARE(FileDialog::captions().size(), 1);
        QCOMPARE(PromptTexts(), QStringList{Text("Data have been DownLoaded and saved to ") +
                                            QDir::toNativeSeparators(saved)});
    }

    // A save that fails is said to have failed, never to have succeeded, and
    // the user may pick another name; nothing received is lost on the way.
    void failedSaveLetsTheUserChooseAgain() {
        const QString blocked = dir_.filePath(QStringLiteral("blocked.bin"));
        QVERIFY(QDir().mkpath(blocked)); // a folder where the file should go
        const QString second = dir_.filePath(QStringLiteral("second.bin"));
        FileDialog::QueueFileName(blocked);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        FileDialog::QueueFileName(second);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        const QByteArray image = Receive(33);
        QVERIFY(!image.isEmpty());
        const QStringList texts = PromptTexts();
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[0].contains(QStringLiteral("could not be saved")), qPrintable(texts[0]));
        QVERIFY(!texts[0].startsWith(Text("Data have been DownLoaded")));
        QCOMPARE(texts[1],
                 Text("Data have been DownLoaded and saved to ") + QDir::toNativeSeparators(second));
        QCOMPARE(ReadFile(second), image);
        QVERIFY(QFileInfo(blocked).isDir());
    }

    // Cancelling the save asks before the image is thrown away.
    void cancelledSaveAsksBeforeDiscarding() {
        const QString later = dir_.filePath(QStringLiteral("later.BIN"));
        FileDialog::QueueFileName(QString());
        MessageBox::QueueAnswer(QMessageBox::No); // keep it
        FileDialog::QueueFileName(later);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        const QByteArray image = Receive(34);
        QVERIFY(!image.isEmpty());
        QCOMPARE(ReadFile(later), image);
        QCOMPARE(MessageBox::prompts().size(), 2);
        QCOMPARE(MessageBox::prompts()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(MessageBox::prompts()[0].defaultButton, QMessageBox::No); // Return keeps the image

        FileDialog::QueueFileName(QString());
        MessageBox::QueueAnswer(QMessageBox::Yes); // discard
        QVERIFY(!Receive(35).isEmpty());
        QCOMPARE(MessageBox::prompts().size(), 3);
        QVERIFY(savedPath_.isEmpty()); // discarded: nothing to offer for opening
    }

    // The dialog asked about the name as typed; when ".bin" is added and that
    // names an existing file, the user is asked before it is replaced.
    void appendedEndingDoesNotReplaceSilently() {
        const QString typed = dir_.filePath(QStringLiteral("kept"));
        const QByteArray old("old content");
        QVERIFY(WriteFile(typed + QStringLiteral(".bin"), old));
        const QString other = dir_.filePath(QStringLiteral("other.bin"));
        FileDialog::QueueFileName(typed);
        MessageBox::QueueAnswer(QMessageBox::No); // don't replace
        FileDialog::QueueFileName(other);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        const QByteArray image = Receive(36);
        QVERIFY(!image.isEmpty());
        QVERIFY(PromptTexts()[0].contains(QStringLiteral("already exists")));
        QCOMPARE(ReadFile(typed + QStringLiteral(".bin")), old);
        QCOMPARE(ReadFile(other), image);
    }

    // After a send the window offers the check; the receiver gives back what it stored,
    // and the result is said plainly or shown in the Compare dialog.
    void checkAfterSendingSaysWhatTheReceiverHolds_data() {
        QTest::addColumn<long>("fault");
        QTest::newRow("faithful receiver") << -1L;
        QTest::newRow("a byte stored changed") << 40300L;
    }
    void checkAfterSendingSaysWhatTheReceiverHolds() {
        QFETCH(long, fault);
        const QString file = WriteFileOrDie(dir_.filePath(QStringLiteral("checked.bin")), Demo());
        SimulatorOptions options;
        options.mode = SimulatorMode::Accept;
        options.thenGive = true;
        options.storeFault = fault;
        SimulatorThread simulator(options);
        QVERIFY2(simulator.opened, simulator.error.c_str());
        FileDialog::QueueFileName(file);
        MessageBox::QueueAnswer(QMessageBox::Yes); // "Check what the receiver now holds"
        if (fault < 0)
            MessageBox::QueueAnswer(QMessageBox::Ok);
        QString compared; // the Compare dialog's summary, when it comes up
        QTimer watcher;
        watcher.setInterval(10);
        QObject::connect(&watcher, &QTimer::timeout, &watcher, [&compared] {
            if (auto* compare = qobject_cast<CompareDialog*>(QApplication::activeModalWidget())) {
                compared = compare->summaryLabel()->text();
                compare->accept();
            }
        });
        watcher.start();
        UserAtTheWindow user(simulator);
        QVERIFY(TransferDialog::RunSend(nullptr));
        const SimulatorResult& result = simulator.Finish();
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(result.handshakes, 2);

        const QList<MessageBox::Prompt> prompts = MessageBox::prompts();
        QCOMPARE(prompts[0].text, Text("Data have been uploaded to STB"));
        QCOMPARE(prompts[0].captions, (QStringList{"OK", "Check what the receiver now holds"}));
        if (fault < 0) {
            QCOMPARE(PromptTexts().value(1),
                     QStringLiteral("The receiver holds exactly the image that was sent."));
            QVERIFY(compared.isEmpty());
        } else {
            QCOMPARE(prompts.size(), 1);
            QVERIFY2(compared.contains(
                         QStringLiteral("in 1 byte:\n  byte 40300 (0x09D6C, channel slot 0): sent 0x")),
                     qPrintable(compared));
        }
        // What went out and what came back are both in the archive.
        const QList<ArchiveEntry> entries = ImageArchive().List().entries;
        QCOMPARE(entries.value(0).kind, ArchiveKind::Received);
        QCOMPARE(entries.value(1).kind, ArchiveKind::Sent);
        QCOMPARE(entries.value(1).file, file);
        QCOMPARE(entries.value(0).port, simulator.device());
    }

    // Before sending, an image with problems is sent only when the user says so.
    void sendingAnImageWithProblemsAsks() {
        const QString file = WriteFileOrDie(dir_.filePath(QStringLiteral("problems.bin")),
                                            testsupport::ToByteArray(PatternImage(40)));
        FileDialog::QueueFileName(file);
        MessageBox::QueueAnswer(QMessageBox::Cancel);
        QVERIFY(!TransferDialog::RunSend(nullptr)); // no window opened
        const MessageBox::Prompt asked = MessageBox::prompts().value(0);
        QVERIFY2(QRegularExpression(QStringLiteral("^The image has \\d+ problems that the receiver may not "
                                                   "handle\\. Send it anyway\\?$"))
                     .match(asked.text)
                     .hasMatch(),
                 qPrintable(asked.text));
        QCOMPARE(asked.captions, (QStringList{"Send anyway", "Cancel"}));
        QCOMPARE(asked.defaultButton, QMessageBox::Cancel);
        QVERIFY(!asked.detailedText.isEmpty());

        FileDialog::QueueFileName(file);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        bool windowOpened = false;
        const testsupport::ModalWatcher exit([&](QWidget* modal) {
            if (auto* window = qobject_cast<TransferDialog*>(modal)) {
                windowOpened = true;
                window->OnExit();
            }
        });
        QVERIFY(TransferDialog::RunSend(nullptr));
        QVERIFY(windowOpened);
    }

    void receiverHangingUpGivesTheWindowBack() {
        const QString file = WriteFileOrDie(dir_.filePath(QStringLiteral("hangup.bin")),
                                            testsupport::ToByteArray(PatternImage(37)));
        SimulatorOptions options;
        options.mode = SimulatorMode::Accept;
        options.hangUpAfter = 4 * 8192 + 10;
        SimulatorThread simulator(options);
        QVERIFY2(simulator.opened, simulator.error.c_str());
        TransferDialog dialog(TransferDirection::Send, file);
        dialog.show();
        dialog.findChild<QComboBox*>("portComboBox")->setEditText(simulator.device());
        QTest::mouseClick(dialog.findChild<QPushButton*>("startButton"), Qt::LeftButton);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        simulator.Start();
        QTRY_COMPARE_WITH_TIMEOUT(MessageBox::prompts().size(), 1, 20000);
        QVERIFY(simulator.Finish().hungUp);
        QVERIFY2(PromptTexts()[0].contains(QStringLiteral("transfer has been stopped")),
                 qPrintable(PromptTexts()[0]));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.serialPort().IsConnected());
        QCOMPARE(dialog.findChild<QLabel*>("statusLabel")->text(),
                 Text("Please Select Port type and press the Start button!"));
        QVERIFY(dialog.findChild<QPushButton*>("startButton")->isEnabled());
        QVERIFY(dialog.findChild<QComboBox*>("portComboBox")->isEnabled());
        QVERIFY(dialog.findChild<QPushButton*>("exitButton")->isEnabled());
    }

    // A byte the check finds different is named by the record it lies in, at each table's edges.
    void differingBytesAreNamedByTheirPlace_data() {
        using namespace layout;
        QTest::addColumn<qulonglong>("offset");
        QTest::addColumn<QString>("place");
        const auto row = [](const char* name, std::size_t offset, const char* place) {
            QTest::newRow(name) << qulonglong(offset) << QString(place);
        };
        row("first header", 5, "sector header 1");
        row("last header", SECTOR_OFFSETS[3] + SECTOR_HEADER_SIZE - 1, "sector header 4");
        row("last satellite", SatelliteOffset(SATELLITE_SLOTS) - 1, "satellite slot 99");
        row("mark", TransponderMarkOffset(7), "transponder mark 7");
        row("settings", SETTINGS_BLOCK + SETTINGS_BLOCK_SIZE - 1, "the settings block");
        row("transponder", TransponderOffset(5) + 15, "transponder slot 5");
        row("second run", ChannelOffset(500), "channel slot 500");
        row("last channel", ChannelOffset(CHANNEL_SLOTS - 1) + CHANNEL_RECORD_SIZE - 1, "channel slot 2999");
        row("gap", TransponderMarkOffset(TRANSPONDER_SLOTS), "outside the tables");
        row("past", IMAGE_SIZE, "past the image");
    }
    void differingBytesAreNamedByTheirPlace() {
        QFETCH(qulonglong, offset);
        QFETCH(QString, place);
        QCOMPARE(ImageRegion(offset), place);
    }
};

QTEST_MAIN(TestTransferDialogWithReceiver)
#include "tst_transferdialogsim.moc"
