#include "TransferDialog.h"

#include "PortList.h"
#include "SendCheck.h"
#include "archive/ArchiveKeeper.h"
#include "controls/MessageBox.h"
#include "model/ConsistencyCheck.h"
#include "views/lists/CompareDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>
#include <span>

namespace vormante {

namespace {
QString Text(const char* text) {
    return QCoreApplication::translate("TransferProtocol", text);
}

QString BinFilter() {
    //: the file type in file dialogs
    return QCoreApplication::translate("vormante::TransferDialog", "BIN data") +
           QStringLiteral("(*.bin)|*.bin");
}

template <typename Widget> Widget* Named(Widget* widget, const char* name, int id) {
    widget->setObjectName(QLatin1String(name));
    widget->setProperty("controlId", id);
    return widget;
}
TransferDialog::PortMemory& Memory() {
    static TransferDialog::PortMemory memory;
    return memory;
}

const char CHECK_CAPTION[] =
    QT_TRANSLATE_NOOP("vormante::TransferDialog", "Check what the receiver now holds");
} // namespace

void TransferDialog::SetPortMemory(PortMemory memory) {
    Memory() = std::move(memory);
}

TransferDialog::TransferDialog(TransferDirection direction, const QString& fileName, QWidget* parent)
    : QDialog(parent), transferEngine(direction, fileName, port, *this) {
    setWindowTitle(Text(direction == TransferDirection::Send ? transfertext::SEND_CAPTION
                                                             : transfertext::RECEIVE_CAPTION));
    BuildControls(direction, fileName);
    FillPortBox(portList, PortChoices(PortNames(), DetectPorts()));
    portList->setCurrentIndex(0);
    // The port used last time, when it is kept.
    SelectPort(Memory().load ? Memory().load() : QString());
    transferEngine.Initialize();
}

void TransferDialog::SelectPort(const QString& name) {
    // Chosen in the box, or typed when no entry stands for it (an adapter that is not
    // plugged in now).
    if (name.isEmpty())
        return;
    int index = -1;
    for (int i = 0; i < portList->count() && index < 0; ++i)
        if (portList->itemData(i).toString() == name || portList->itemText(i) == name)
            index = i;
    if (index >= 0)
        portList->setCurrentIndex(index);
    else
        portList->setEditText(name);
}

TransferDialog::~TransferDialog() {
    port.Stop();
}

void TransferDialog::BuildControls(TransferDirection direction, const QString& fileName) {
    QLabel* portLabel = BuildPortControls();
    BuildStatusLines(fileName);
    LayOutControls(portLabel);
    if (direction == TransferDirection::Receive) {
        fileLabel->hide();
        fileLine->hide();
    }

    connect(startButton, &QPushButton::clicked, this, &TransferDialog::OnStart);
    connect(stopButton, &QPushButton::clicked, this, &TransferDialog::OnStop);
    connect(exitButton, &QPushButton::clicked, this, &TransferDialog::OnExit);
}

// The port box and the Start, Stop and Exit buttons; returns the port box's label.
QLabel* TransferDialog::BuildPortControls() {
    auto* portLabel = new QLabel(/*: the serial port */ tr("Port:"), this);
    portList = Named(new QComboBox(this), "portComboBox", IDC_PORT);
    // A device path can be typed in (a USB adapter, a pseudo-terminal); it is
    // used as typed and not added to the list.
    portList->setEditable(true);
    portList->setInsertPolicy(QComboBox::NoInsert);
    portList->setMinimumContentsLength(12);
    portLabel->setBuddy(portList);

    //: a button: starts listening for the receiver
    startButton = Named(new QPushButton(tr("Start"), this), "startButton", IDC_START);
    //: a button: stops listening
    stopButton = Named(new QPushButton(tr("Stop"), this), "stopButton", IDC_STOP);
    //: a button: closes the window
    exitButton = Named(new QPushButton(tr("Exit"), this), "exitButton", IDC_EXIT);
    startButton->setDefault(true);
    stopButton->setAutoDefault(false);
    exitButton->setAutoDefault(false);
    return portLabel;
}

// The progress bar, the status and hint lines, the file and the instructions.
void TransferDialog::BuildStatusLines(const QString& fileName) {
    progressBar = Named(new QProgressBar(this), "progressBar", IDC_PROGRESS);
    progressBar->setRange(0, static_cast<int>(IMAGE_SIZE));
    progressBar->setValue(0);
    progressBar->setTextVisible(false);

    statusLine = Named(new QLabel(this), "statusLabel", IDC_STATUS);
    statusLine->setAlignment(Qt::AlignCenter);
    hintLine = new QLabel(this);
    hintLine->setObjectName(QStringLiteral("hintLabel"));
    hintLine->setAlignment(Qt::AlignCenter);
    hintLine->setWordWrap(true);
    hintLine->hide();

    fileLabel = Named(new QLabel(tr("File:"), this), "fileLabel", IDC_FILE_LABEL);
    fileLine = Named(new QLabel(QDir::toNativeSeparators(fileName), this), "fileNameLabel", IDC_FILE_NAME);
    fileLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileLine->setToolTip(fileLine->text());
    fileLine->setMinimumWidth(1);
    fileLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    instructionLine = new QLabel(this);
    instructionLine->setObjectName(QStringLiteral("instructionLabel"));
    instructionLine->setWordWrap(true);
    instructionLine->hide();
}

void TransferDialog::LayOutControls(QLabel* portLabel) {
    auto* portRow = new QHBoxLayout;
    portRow->addSpacing(12);
    portRow->addWidget(portLabel);
    portRow->addWidget(portList);
    portRow->addStretch();

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(startButton);
    buttonRow->addWidget(stopButton);
    buttonRow->addWidget(exitButton);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(fileLine, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructionLine);
    layout->addLayout(portRow);
    layout->addLayout(buttonRow);
    layout->addWidget(progressBar);
    layout->addWidget(statusLine);
    layout->addWidget(hintLine);
    layout->addLayout(fileRow);
    setMinimumWidth(360);
}

QStringList TransferDialog::PortNames() {
    return {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")};
}

void TransferDialog::OnStart() {
    const QString chosen = PortOfBox(portList);
    if (Memory().store)
        Memory().store(chosen);
    transferEngine.Start(chosen);
}

void TransferDialog::OnStop() {
    transferEngine.StopListening();
}

void TransferDialog::OnExit() {
    transferEngine.Exit();
}

void TransferDialog::done(int result) {
    // Stops the port before anything the port uses goes away, whichever way
    // the window is left; mid-transfer the receiver is left waiting.
    transferEngine.Close();
    const bool saved = !transferEngine.savedFileName().isEmpty() && !savedReported_;
    savedReported_ = savedReported_ || saved;
    QDialog::done(result);
    if (saved)
        Q_EMIT imageSaved(transferEngine.savedFileName());
}

void TransferDialog::SetStatus(const QString& text) {
    statusLine->setText(text);
}

void TransferDialog::SetHint(const QString& text) {
    hintLine->setText(text);
    hintLine->setVisible(!text.isEmpty());
}

void TransferDialog::SetProgress(int position) {
    progressBar->setValue(position);
}

void TransferDialog::EnableControls(bool portListEnabled, bool start, bool stop, bool exit) {
    portList->setEnabled(portListEnabled);
    startButton->setEnabled(start);
    stopButton->setEnabled(stop);
    exitButton->setEnabled(exit);
}

void TransferDialog::ShowMessage(const QString& text) {
    MessageBox::information(this, text);
}

QString TransferDialog::AskSaveFileName() {
    for (;;) {
        const QString chosen = FileDialog::getSaveFileName(this, tr("Save As"), QString(), BinFilter());
        if (chosen.isEmpty())
            return chosen;
        // The dialog asked about the name as typed; ask again when ".bin" is
        // added and makes it the name of a file that already exists.
        const QString target = ReceivedFileName(chosen);
        if (target == chosen || !QFileInfo::exists(target))
            return chosen;
        //: %1 is the path
        const QString question =
            tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(target));
        if (MessageBox::askYesNo(this, windowTitle(), question))
            return chosen;
    }
}

bool TransferDialog::ConfirmDiscard(const QString& question) {
    // Return keeps the image: throwing it away takes a deliberate Yes.
    return MessageBox::askYesNoDefaultNo(this, windowTitle(), question);
}

void TransferDialog::SendComplete(const QByteArray& image, const QString& message) {
    archiving::Keep(ArchiveKind::Sent, image, QFileInfo(transferEngine.fileName()).absoluteFilePath(),
                    transferEngine.portName());
    sentImage_ = image;
    const auto answer = MessageBox::ask(this, QStringLiteral("VORMANTE"), message, QString(),
                                        {{QMessageBox::Ok, tr("OK")}, {QMessageBox::Yes, tr(CHECK_CAPTION)}},
                                        QMessageBox::Ok, QMessageBox::NoIcon);
    checkRequested_ = answer == QMessageBox::Yes;
}

bool TransferDialog::TakeReceivedImage(const QByteArray& image) {
    archiving::Keep(ArchiveKind::Received, image, QString(), transferEngine.portName());
    if (expected_.isNull())
        return false;
    ShowCheckResult(image);
    return true;
}

void TransferDialog::ShowCheckResult(const QByteArray& held) {
    const std::vector<DifferingByte> differences = DifferingBytes(expected_, held);
    if (differences.empty()) {
        checkOutcome_ = CheckOutcome::Identical;
        MessageBox::information(this, QCoreApplication::translate("SendCheck", sendcheck::IDENTICAL));
        return;
    }
    checkOutcome_ = CheckOutcome::Different;
    const auto sent = LoadedImage(expected_);
    const auto holds = LoadedImage(held);
    CompareDialog compare(*sent, *holds, expectedName_, tr("the receiver's image"), this);
    compare.setWindowTitle(tr(CHECK_CAPTION));
    compare.differencesTree()->expandAll();
    compare.summaryLabel()->setText(
        sendcheck::DifferenceText(differences) + QStringLiteral("\n\n") +
        (compare.difference().empty()
             ? tr("The channel lists do not differ: the bytes above lie outside what they show.")
             : compare.summaryLabel()->text()));
    compare.exec();
}

bool TransferDialog::ConfirmSendingProblems(QWidget* parent, const QByteArray& image) {
    const auto db = LoadedImage(image);
    const std::vector<ConsistencyProblem> problems = CheckConsistency(*db);
    if (problems.empty())
        return true;
    QStringList details;
    for (const ConsistencyProblem& problem : problems)
        details.append(QString::fromStdString(problem.message));
    QString question = tr("The image has 1 problem that the receiver may not handle. Send it anyway?");
    if (problems.size() != 1)
        //: %1 is the number of problems (more than one)
        question = tr("The image has %1 problems that the receiver may not handle. Send it anyway?")
                       .arg(problems.size());
    return MessageBox::ask(parent, Text(transfertext::SEND_CAPTION), question,
                           details.join(QLatin1Char('\n')),
                           {{QMessageBox::Yes, tr("Send anyway")}, {QMessageBox::Cancel, tr("Cancel")}},
                           QMessageBox::Cancel, QMessageBox::Warning) == QMessageBox::Yes;
}

TransferDialog::CheckOutcome TransferDialog::RunCheck(QWidget* parent, const QByteArray& sent,
                                                      const QString& sentName, const QString& portName) {
    TransferDialog dialog(TransferDirection::Receive, QString(), parent);
    dialog.setWindowTitle(tr(CHECK_CAPTION));
    dialog.expected_ = sent;
    dialog.expectedName_ = sentName;
    dialog.instructionLine->setText(
        //: %1 is the file name of the image sent
        tr("Start sending on the receiver now. The image it holds comes back here, is kept in the "
           "archive and is compared byte for byte with %1.")
            .arg(sentName));
    dialog.instructionLine->show();
    dialog.SelectPort(portName);
    // Listening starts at once, on the port the image went out on.
    QTimer::singleShot(0, &dialog, &TransferDialog::OnStart);
    dialog.exec();
    return dialog.checkOutcome_;
}

void TransferDialog::EndWindow(bool accepted) {
    done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

bool TransferDialog::RunSend(QWidget* parent, const QString& startPath) {
    const QString path = FileDialog::getOpenFileName(parent, tr("Open"), startPath, BinFilter());
    if (path.isEmpty())
        return false;
    // Only a whole image goes to the receiver: anything else would overwrite
    // its database with a cut-off or padded one.
    QByteArray image;
    QString message;
    if (!TransferEngine::LoadImageToSend(path, &image, &message)) {
        MessageBox::show(parent, Text(transfertext::SEND_CAPTION), message, QMessageBox::Ok,
                         QMessageBox::Warning);
        return false;
    }
    if (!ConfirmSendingProblems(parent, image))
        return false;
    TransferDialog dialog(TransferDirection::Send, path, parent);
    dialog.exec();
    if (dialog.checkRequested())
        RunCheck(parent, dialog.sentImage_, QFileInfo(path).fileName(), dialog.engine().portName());
    return true;
}

QString TransferDialog::RunReceive(QWidget* parent) {
    TransferDialog dialog(TransferDirection::Receive, QString(), parent);
    QString savedPath;
    connect(&dialog, &TransferDialog::imageSaved, &dialog,
            [&savedPath](const QString& path) { savedPath = path; });
    dialog.exec();
    return savedPath;
}

} // namespace vormante
