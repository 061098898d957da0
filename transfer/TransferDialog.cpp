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
    : QDialog(parent), transferEngine_(direction, fileName, port_, *this) {
    setWindowTitle(Text(direction == TransferDirection::Send ? transfertext::SEND_CAPTION
                                                             : transfertext::RECEIVE_CAPTION));
    BuildControls(direction, fileName);
    FillPortBox(portList_, PortChoices(PortNames(), DetectPorts()));
    portList_->setCurrentIndex(0);
    // The port used last time, when it is kept.
    SelectPort(Memory().load ? Memory().load() : QString());
    transferEngine_.Initialize();
}

void TransferDialog::SelectPort(const QString& name) {
    // Chosen in the box, or typed when no entry stands for it (an adapter that is not
    // plugged in now).
    if (name.isEmpty())
        return;
    int index = -1;
    for (int i = 0; i < portList_->count() && index < 0; ++i)
        if (portList_->itemData(i).toString() == name || portList_->itemText(i) == name)
            index = i;
    if (index >= 0)
        portList_->setCurrentIndex(index);
    else
        portList_->setEditText(name);
}

TransferDialog::~TransferDialog() {
    port_.Stop();
}

void TransferDialog::BuildControls(TransferDirection direction, const QString& fileName) {
    QLabel* portLabel = BuildPortControls();
    QHBoxLayout* buttonRow = BuildButtonRow();
    BuildStatusLines(fileName);
    LayOutControls(portLabel, buttonRow);
    if (direction == TransferDirection::Receive) {
        fileLabel_->hide();
        fileLine_->hide();
    }
}

// The port box; returns its label.
QLabel* TransferDialog::BuildPortControls() {
    auto* portLabel = new QLabel(/*: the serial port */ tr("Port:"), this);
    portList_ = Named(new QComboBox(this), "portComboBox", IDC_PORT);
    // A device path can be typed in (a USB adapter, a pseudo-terminal); it is
    // used as typed and not added to the list.
    portList_->setEditable(true);
    portList_->setInsertPolicy(QComboBox::NoInsert);
    portList_->setMinimumContentsLength(12);
    portLabel->setBuddy(portList_);
    return portLabel;
}

// The Start, Stop and Exit buttons in a row, each wired to its command.
QHBoxLayout* TransferDialog::BuildButtonRow() {
    //: a button: starts listening for the receiver
    auto* start = Named(new QPushButton(tr("Start"), this), "startButton", IDC_START);
    //: a button: stops listening
    auto* stop = Named(new QPushButton(tr("Stop"), this), "stopButton", IDC_STOP);
    //: a button: closes the window
    auto* exit = Named(new QPushButton(tr("Exit"), this), "exitButton", IDC_EXIT);
    start->setDefault(true);
    stop->setAutoDefault(false);
    exit->setAutoDefault(false);
    connect(start, &QPushButton::clicked, this, &TransferDialog::OnStart);
    connect(stop, &QPushButton::clicked, this, &TransferDialog::OnStop);
    connect(exit, &QPushButton::clicked, this, &TransferDialog::OnExit);
    buttons_ = {start, stop, exit};
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons_)
        row->addWidget(button);
    return row;
}

// The progress bar, the status and hint lines, the file and the instructions.
void TransferDialog::BuildStatusLines(const QString& fileName) {
    progressBar_ = Named(new QProgressBar(this), "progressBar", IDC_PROGRESS);
    progressBar_->setRange(0, static_cast<int>(IMAGE_SIZE));
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);

    statusLine_ = Named(new QLabel(this), "statusLabel", IDC_STATUS);
    statusLine_->setAlignment(Qt::AlignCenter);
    hintLine_ = new QLabel(this);
    hintLine_->setObjectName(QStringLiteral("hintLabel"));
    hintLine_->setAlignment(Qt::AlignCenter);
    hintLine_->setWordWrap(true);
    hintLine_->hide();

    fileLabel_ = Named(new QLabel(tr("File:"), this), "fileLabel", IDC_FILE_LABEL);
    fileLine_ = Named(new QLabel(QDir::toNativeSeparators(fileName), this), "fileNameLabel", IDC_FILE_NAME);
    fileLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileLine_->setToolTip(fileLine_->text());
    fileLine_->setMinimumWidth(1);
    fileLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    instructionLine_ = new QLabel(this);
    instructionLine_->setObjectName(QStringLiteral("instructionLabel"));
    instructionLine_->setWordWrap(true);
    instructionLine_->hide();
}

void TransferDialog::LayOutControls(QLabel* portLabel, QHBoxLayout* buttonRow) {
    auto* portRow = new QHBoxLayout;
    portRow->addSpacing(12);
    portRow->addWidget(portLabel);
    portRow->addWidget(portList_);
    portRow->addStretch();

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel_);
    fileRow->addWidget(fileLine_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructionLine_);
    layout->addLayout(portRow);
    layout->addLayout(buttonRow);
    layout->addWidget(progressBar_);
    layout->addWidget(statusLine_);
    layout->addWidget(hintLine_);
    layout->addLayout(fileRow);
    setMinimumWidth(360);
}

QStringList TransferDialog::PortNames() {
    return {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")};
}

void TransferDialog::OnStart() {
    const QString chosen = PortOfBox(portList_);
    if (Memory().store)
        Memory().store(chosen);
    transferEngine_.Start(chosen);
}

void TransferDialog::OnStop() {
    transferEngine_.StopListening();
}

void TransferDialog::OnExit() {
    transferEngine_.Exit();
}

void TransferDialog::done(int result) {
    // Stops the port before anything the port uses goes away, whichever way
    // the window is left; mid-transfer the receiver is left waiting.
    transferEngine_.Close();
    const bool saved = !transferEngine_.savedFileName().isEmpty() && !savedReported_;
    savedReported_ = savedReported_ || saved;
    QDialog::done(result);
    if (saved)
        Q_EMIT imageSaved(transferEngine_.savedFileName());
}

void TransferDialog::SetStatus(const QString& text) {
    statusLine_->setText(text);
}

void TransferDialog::SetHint(const QString& text) {
    hintLine_->setText(text);
    hintLine_->setVisible(!text.isEmpty());
}

void TransferDialog::SetProgress(int position) {
    progressBar_->setValue(position);
}

void TransferDialog::EnableControls(bool portListEnabled, bool start, bool stop, bool exit) {
    portList_->setEnabled(portListEnabled);
    const bool enabled[] = {start, stop, exit};
    for (std::size_t button = 0; button < buttons_.size(); ++button)
        buttons_[button]->setEnabled(enabled[button]);
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
        if (MessageBox::AskYesNo(this, windowTitle(), question))
            return chosen;
    }
}

bool TransferDialog::ConfirmDiscard(const QString& question) {
    // Return keeps the image: throwing it away takes a deliberate Yes.
    return MessageBox::AskYesNoDefaultNo(this, windowTitle(), question);
}

void TransferDialog::SendComplete(const QByteArray& image, const QString& message) {
    archiving::Keep(ArchiveKind::Sent, image, QFileInfo(transferEngine_.fileName()).absoluteFilePath(),
                    transferEngine_.portName());
    sentImage_ = image;
    const auto answer = MessageBox::Ask(this, QStringLiteral("VORMANTE"), message, QString(),
                                        {{QMessageBox::Ok, tr("OK")}, {QMessageBox::Yes, tr(CHECK_CAPTION)}},
                                        QMessageBox::Ok, QMessageBox::NoIcon);
    checkRequested_ = answer == QMessageBox::Yes;
}

bool TransferDialog::TakeReceivedImage(const QByteArray& image) {
    archiving::Keep(ArchiveKind::Received, image, QString(), transferEngine_.portName());
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
    return MessageBox::Ask(parent, Text(transfertext::SEND_CAPTION), question,
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
    dialog.instructionLine_->setText(
        //: %1 is the file name of the image sent
        tr("Start sending on the receiver now. The image it holds comes back here, is kept in the "
           "archive and is compared byte for byte with %1.")
            .arg(sentName));
    dialog.instructionLine_->show();
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
        MessageBox::Show(parent, Text(transfertext::SEND_CAPTION), message, QMessageBox::Ok,
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
