#include "PortList.h"

#include "TransferProtocol.h"

#include <QComboBox>
#include <QSerialPortInfo>

#include <algorithm>

namespace vormante {

QList<DetectedPort> DetectPorts() {
    QList<DetectedPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString device = info.systemLocation().isEmpty() ? info.portName() : info.systemLocation();
        ports.append({device, info.description().trimmed(), info.manufacturer().trimmed()});
    }
    return ports;
}

QString PortLabel(const DetectedPort& port) {
    QString label = port.device;
    if (!port.description.isEmpty())
        label += QStringLiteral(" - ") + port.description;
    // Some adapters give the maker as their description too: say it once.
    if (!port.maker.isEmpty() && port.maker != port.description)
        label += QStringLiteral(" (") + port.maker + QLatin1Char(')');
    return label;
}

QList<PortChoice> PortChoices(const QStringList& fixed, const QList<DetectedPort>& detected) {
    QList<PortChoice> choices;
    QStringList taken;
    for (const QString& name : fixed) {
        choices.append({name, name});
        taken.append(name);
        taken.append(SerialDeviceName(name));
    }
    QList<DetectedPort> others;
    for (const DetectedPort& port : detected) {
        if (port.device.isEmpty() || taken.contains(port.device))
            continue;
        taken.append(port.device);
        others.append(port);
    }
    std::sort(others.begin(), others.end(),
              [](const DetectedPort& a, const DetectedPort& b) { return a.device < b.device; });
    for (const DetectedPort& port : others)
        choices.append({PortLabel(port), port.device});
    return choices;
}

void FillPortBox(QComboBox* box, const QList<PortChoice>& choices) {
    for (const PortChoice& choice : choices)
        box->addItem(choice.label, choice.port);
}

QString PortOfBox(const QComboBox* box) {
    const QString text = box->currentText().trimmed();
    // A label typed or left as listed still opens its port.
    const int index = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0 && box->itemData(index).isValid())
        return box->itemData(index).toString();
    return text;
}

} // namespace vormante
