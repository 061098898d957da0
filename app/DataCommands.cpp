#include "DataCommands.h"

#include "FileCommands.h"
#include "controls/MessageBox.h"
#include "transfer/PortOptionDialog.h"
#include "transfer/TransferDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace vormante {

DataCommands::DataCommands(QWidget* dialogParent, QObject* parent)
    : QObject(parent), dialogParent_(dialogParent) {}

QString DataCommands::SaveBeforeSendingQuestion(const QString& fileName) {
    //: %1 is the file name, or "The image" when it has none
    return tr("%1 has unsaved changes. Save them before sending?\n\nOtherwise the receiver gets the "
              "file as it was last saved.")
        .arg(fileName);
}

QString DataCommands::OpenReceivedQuestion(const QString& fileName) {
    //: %1 is the path of the file the received image was saved to
    return tr("Open the received image %1 in the editor?").arg(fileName);
}

void DataCommands::SendFileToReceiver() {
    QString startPath;
    if (fileCommands_ != nullptr) {
        startPath = fileCommands_->documentPath();
        if (fileCommands_->hasUnsavedChanges()) {
            const auto answer = MessageBox::Show(
                dialogParent_, tr("Data From PC To IRD"),
                SaveBeforeSendingQuestion(startPath.isEmpty() ? tr("The image")
                                                              : QFileInfo(startPath).fileName()),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
            if (answer == QMessageBox::Yes) {
                if (!fileCommands_->SaveWithoutAsking())
                    return; // the failure was reported; nothing is sent
                // The changes may have gone to another file (the open one held a received image).
                startPath = fileCommands_->documentPath();
            } else if (answer != QMessageBox::No) {
                return; // Cancel or the box closed
            }
        }
    }
    vormante::TransferDialog::RunSend(dialogParent_, startPath);
}

void DataCommands::ReceiveImageFromReceiver() {
    const QString saved = vormante::TransferDialog::RunReceive(dialogParent_);
    if (!saved.isEmpty())
        OfferToOpenReceived(saved);
}

void DataCommands::OfferToOpenReceived(const QString& path) {
    if (fileCommands_ == nullptr)
        return;
    // Saved over the open file: the editor's image, changed or not, is no longer what
    // the file holds, and saving it must not overwrite the received image.
    if (!fileCommands_->documentPath().isEmpty() &&
        FileCommands::SameFile(path, fileCommands_->documentPath()))
        fileCommands_->NoteFileReplaced(tr("the received image"));
    if (!MessageBox::AskYesNo(dialogParent_, tr("Data From IRD To PC"),
                              OpenReceivedQuestion(QDir::toNativeSeparators(path))))
        return;
    if (!fileCommands_->ConfirmLeave())
        return;
    fileCommands_->OpenImageFile(path);
}

void DataCommands::ShowPortOptions() {
    // The choice is not kept: a transfer uses the port picked in its own window.
    vormante::PortOptionDialog dialog(dialogParent_);
    dialog.exec();
}

} // namespace vormante
