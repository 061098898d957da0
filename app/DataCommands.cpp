#include "DataCommands.h"

#include <QWidget>

// The transfer window is not part of the editor yet: these commands do nothing until it is.
DataCommands::DataCommands(QWidget* dialogParent, QObject* parent) : QObject(parent), dialogParent_(dialogParent) {}

void DataCommands::SendFileToReceiver() {}

void DataCommands::ReceiveImageFromReceiver() {}

void DataCommands::ShowPortOptions() {}
