// The Data commands of the main window: the menu and toolbar open the
// transfer window; a whole receive through them leaves the open database as
// it was; the port option dialog opens and keeps nothing.
#include "ReceiverSimulator.h"
#include "app/MainWindow.h"
#include "controls/MessageBox.h"
#include "transfer/PortOptionDialog.h"
#include "transfer/TransferDialog.h"

#include "ModalWatcher.h"
#include "PromptChecks.h"
#include "TestSupport.h"
#include "app/SessionSettings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <thread>

using namespace vormante;
using Id = MainWindow::Command;

namespace {
using testsupport::ModalWatcher;
using testsupport::ReadFile;
using testsupport::WriteFile;
QString Text(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

class TestTransferDialogCommands : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString imagePath_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        imagePath_ = dir_.filePath(QStringLiteral("db.bin"));
        QVERIFY(WriteFile(imagePath_, testsupport::ToByteArray(testsupport::EmptyImage())));
        MessageBox::setTestMode(true);
    }
    void init() {
        MessageBox::ResetTestState();
        // Each test starts with nothing remembered (no last serial port) in a test location.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(SessionSettings::DefaultSettingsPath());
    }
    void cleanup() { testsupport::CheckPromptsAnswered(); }

    void menuAndToolbarOpenTheWindow_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("toolbar");
        QTest::addColumn<QString>("caption");
        QTest::newRow("menu send") << int(Id::ID_DATA_PC_TO_IRD) << false << Text("Data from PC to IRD");
        QTest::newRow("toolbar send") << int(Id::ID_DATA_PC_TO_IRD) << true << Text("Data from PC to IRD");
        QTest::newRow("menu receive") << int(Id::ID_DATA_IRD_TO_PC) << false << Text("Data from IRD to PC");
        QTest::newRow("toolbar receive") << int(Id::ID_DATA_IRD_TO_PC) << true << Text("Data from IRD to PC");
    }
    void menuAndToolbarOpenTheWindow() {
        QFETCH(int, id);
        QFETCH(bool, toolbar);
        QFETCH(QString, caption);
        MainWindow window;
        window.show();
        const bool send = id == Id::ID_DATA_PC_TO_IRD;
        if (send)
            FileDialog::QueueFileName(imagePath_);
        QString seen;
        QWidget* parent = nullptr;
        ModalWatcher watcher([&](QWidget* modal) {
            seen = modal->windowTitle();
            parent = modal->parentWidget();
            QTest::mouseClick(modal->findChild<QPushButton*>("exitButton"), Qt::LeftButton);
        });
        (toolbar ? window.toolAction(id) : window.menuAction(id))->trigger();
        QCOMPARE(watcher.handled, 1);
        QCOMPARE(seen, caption);
        QCOMPARE(parent, static_cast<QWidget*>(&window));
        QCOMPARE(FileDialog::captions().size(), send ? 1 : 0);
        QVERIFY(MessageBox::prompts().isEmpty());
    }

    void sendRefusesAFileThatIsNoImage() {
        MainWindow window;
        const QString shortFile = dir_.filePath(QStringLiteral("short.bin"));
        QVERIFY(WriteFile(shortFile, QByteArray(1024, '\x01')));
        FileDialog::QueueFileName(shortFile);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        ModalWatcher watcher([](QWidget* modal) { modal->close(); });
        window.menuAction(Id::ID_DATA_PC_TO_IRD)->trigger();
        QTest::qWait(30);
        QCOMPARE(watcher.handled, 0);
        QCOMPARE(MessageBox::prompts().size(), 1);
        QVERIFY(MessageBox::prompts()[0].text.contains(QStringLiteral("1024 bytes")));

        FileDialog::QueueFileName(QString()); // cancelled: nothing at all
        window.menuAction(Id::ID_DATA_PC_TO_IRD)->trigger();
        QTest::qWait(30);
        QCOMPARE(watcher.handled, 0);
        QCOMPARE(MessageBox::prompts().size(), 1);
    }

    // The received image goes to its file; the editor's open image is
    // neither replaced nor marked changed.
    void receiveLeavesTheOpenDatabaseAlone() {
        MainWindow window;
        QVERIFY(window.OpenFile(imagePath_));
        const QByteArray before = ReadFile(imagePath_);

        sim::SimulatorOptions options;
        options.mode = sim::SimulatorMode::Give;
        options.image = sim::PatternImage(41);
        options.paced = false;
        options.timeout = std::chrono::seconds(20);
        options.linger = std::chrono::seconds(5);
        sim::ReceiverSimulator simulator;
        std::string error;
        QVERIFY2(simulator.Open(&error), error.c_str());
        sim::SimulatorResult result;
        std::thread worker;
        ModalWatcher watcher([&](QWidget* modal) {
            modal->findChild<QComboBox*>("portComboBox")
                ->setEditText(QString::fromStdString(simulator.devicePath()));
            QTest::mouseClick(modal->findChild<QPushButton*>("startButton"), Qt::LeftButton);
            worker = std::thread([&] { result = simulator.Run(options); });
        });
        const QString target = dir_.filePath(QStringLiteral("received.bin"));
        FileDialog::QueueFileName(target);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        MessageBox::QueueAnswer(QMessageBox::No); // not opened in the editor
        window.toolAction(Id::ID_DATA_IRD_TO_PC)->trigger();
        simulator.Cancel();
        if (worker.joinable())
            worker.join();
        QVERIFY2(result.ok, result.error.c_str());
        const QByteArray image(reinterpret_cast<const char*>(options.image.data()), 204800);
        QCOMPARE(ReadFile(target), image);
        QCOMPARE(MessageBox::prompts().size(), 2);
        QVERIFY(MessageBox::prompts()[0].text.startsWith(Text("Data have been DownLoaded and saved to ")));
        QVERIFY(MessageBox::prompts()[1].text.startsWith("Open the received image"));
        QVERIFY(!window.database().IsChanged());
        QCOMPARE(ReadFile(imagePath_), before);
    }

    void portOptionOpensAndKeepsNothing() {
        MainWindow window;
        QString caption;
        ModalWatcher watcher([&](QWidget* modal) {
            caption = modal->windowTitle();
            QVERIFY(qobject_cast<PortOptionDialog*>(modal));
            modal->findChild<QComboBox*>("comPortComboBox")->setCurrentIndex(3);
            qobject_cast<QDialog*>(modal)->accept();
        });
        window.OnPortOption();
        QCOMPARE(caption, QStringLiteral("Option"));

        ModalWatcher next([&](QWidget* modal) {
            caption = modal->findChild<QComboBox*>("portComboBox")->currentText();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        window.menuAction(Id::ID_DATA_IRD_TO_PC)->trigger();
        QCOMPARE(caption, QStringLiteral("COM1"));
    }
};

QTEST_MAIN(TestTransferDialogCommands)
#include "tst_transferdialogcommands.moc"
