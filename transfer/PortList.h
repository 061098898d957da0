// The serial ports offered in the port boxes: the first three serial ports by
// their COM names, then each detected adapter with its description and maker,
// e.g. "/dev/ttyUSB0 - FT232R USB UART (FTDI)". The value used to open a port
// is always its name or device path, never the label.
#pragma once

#include <QList>
#include <QString>

class QComboBox;

namespace vormante {

struct DetectedPort {
    QString device; // the path that opens it, e.g. /dev/ttyUSB0
    QString description;
    QString maker;
};

struct PortChoice {
    QString label;
    QString port; // what Open takes: "COM1" or a device path
};

// The adapters Qt Serial Port finds on this machine.
QList<DetectedPort> DetectPorts();

// "/dev/ttyUSB0 - FT232R USB UART (FTDI)"; without a description or maker, less.
QString PortLabel(const DetectedPort& port);

// `fixed` first as they are, then every detected port whose device is not one
// of theirs, sorted by device path and listed once.
QList<PortChoice> PortChoices(const QStringList& fixed, const QList<DetectedPort>& detected);

// Fills a port box: each entry shows its label and carries its port.
void FillPortBox(QComboBox* box, const QList<PortChoice>& choices);

// The port to open for what the box shows: a listed entry's port, or the text
// typed into an editable box as it is (trimmed).
QString PortOfBox(const QComboBox* box);

} // namespace vormante
