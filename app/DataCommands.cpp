#include "DataCommands.h"

#include "transfer/PortOptionDialog.h"
#include "transfer/TransferDialog.h"

#include <QWidget>

DataCommands::DataCommands(QWidget* dialogParent, QObject* parent) : QObject(parent), dialogParent_(dialogParent) {}

void DataCommands::SendFileToReceiver() { vormante::TransferDialog::RunSend(dialogParent_); }

void DataCommands::ReceiveImageFromReceiver() { vormante::TransferDialog::RunReceive(dialogParent_); }

void DataCommands::ShowPortOptions() {
    // The choice is not kept: a transfer uses the port picked in its own window.
    vormante::PortOptionDialog dialog(dialogParent_);
    dialog.exec();
}
