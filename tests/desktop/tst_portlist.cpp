// The port boxes: COM1 to COM3 first, each detected adapter labelled with its
// description and maker, and the device path, never the label, opened.
#include "transfer/PortList.h"
#include "transfer/PortOptionDialog.h"
#include "transfer/TransferDialog.h"

#include <QComboBox>
#include <QtTest>

using namespace vormante;

namespace {
const QStringList COM_PORTS = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")};

QStringList Labels(const QList<PortChoice>& choices) {
    QStringList labels;
    for (const PortChoice& choice : choices)
        labels.append(choice.label);
    return labels;
}
} // namespace

class PortListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void labelsShowDescriptionAndMaker() {
        const auto label = [](const char* description, const char* maker) {
            return PortLabel({QStringLiteral("/dev/ttyUSB0"), QString::fromLatin1(description),
                              QString::fromLatin1(maker)});
        };
        QCOMPARE(label("FT232R USB UART", "FTDI"), QStringLiteral("/dev/ttyUSB0 - FT232R USB UART (FTDI)"));
        QCOMPARE(label("FT232R USB UART", ""), QStringLiteral("/dev/ttyUSB0 - FT232R USB UART"));
        QCOMPARE(label("", "Prolific"), QStringLiteral("/dev/ttyUSB0 (Prolific)"));
        QCOMPARE(label("", ""), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(label("Prolific", "Prolific"), QStringLiteral("/dev/ttyUSB0 - Prolific"));
    }

    void comPortsStayFirstAndAdaptersFollowOnce() {
        const QList<DetectedPort> detected = {
            {QStringLiteral("/dev/ttyUSB1"), QStringLiteral("CP2102 USB to UART"),
             QStringLiteral("Silicon Labs")},
            {QStringLiteral("/dev/ttyS0"), QString(), QString()}, // COM1 already
            {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")},
            {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")},
            {QString(), QStringLiteral("nameless"), QString()},
        };
        const QList<PortChoice> choices = PortChoices(COM_PORTS, detected);
        QCOMPARE(Labels(choices),
                 (QStringList{QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                              QStringLiteral("/dev/ttyUSB0 - FT232R USB UART (FTDI)"),
                              QStringLiteral("/dev/ttyUSB1 - CP2102 USB to UART (Silicon Labs)")}));
        QCOMPARE(choices.at(0).port, QStringLiteral("COM1"));
        QCOMPARE(choices.at(3).port, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(choices.at(4).port, QStringLiteral("/dev/ttyUSB1"));
    }

    void theBoxOpensThePortNotTheLabel() {
        QComboBox box;
        box.setEditable(true);
        box.setInsertPolicy(QComboBox::NoInsert);
        FillPortBox(&box,
                    PortChoices(COM_PORTS, {{QStringLiteral("/dev/ttyUSB0"),
                                             QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")}}));
        box.setCurrentIndex(0);
        QCOMPARE(PortOfBox(&box), QStringLiteral("COM1"));
        box.setCurrentIndex(3);
        QCOMPARE(box.currentText(), QStringLiteral("/dev/ttyUSB0 - FT232R USB UART (FTDI)"));
        QCOMPARE(PortOfBox(&box), QStringLiteral("/dev/ttyUSB0"));

        // A typed path opens as typed; a label typed in full still opens its device.
        box.setEditText(QStringLiteral("  /dev/pts/7 "));
        QCOMPARE(PortOfBox(&box), QStringLiteral("/dev/pts/7"));
        box.setEditText(QStringLiteral("/dev/ttyUSB0 - FT232R USB UART (FTDI)"));
        QCOMPARE(PortOfBox(&box), QStringLiteral("/dev/ttyUSB0"));
        box.setEditText(QStringLiteral("com2"));
        QCOMPARE(PortOfBox(&box), QStringLiteral("com2"));
    }

    void windowsListTheComPortsFirst() {
        TransferDialog dialog(TransferDirection::Receive, QString());
        auto* ports = dialog.findChild<QComboBox*>(QStringLiteral("portComboBox"));
        QVERIFY(ports->count() >= 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ports->itemText(i), COM_PORTS.at(i));
            QCOMPARE(ports->itemData(i).toString(), COM_PORTS.at(i));
        }
        QCOMPARE(ports->currentText(), QStringLiteral("COM1"));

        PortOptionDialog option;
        auto* box = option.findChild<QComboBox*>(QStringLiteral("comPortComboBox"));
        QVERIFY(box->count() >= 4);
        QCOMPARE(box->itemText(3), QStringLiteral("COM4"));
        box->setCurrentIndex(1);
        QCOMPARE(option.selectedPort(), QStringLiteral("COM2"));
        // Whatever else the machine has comes after, opened by its device path.
        for (int i = 4; i < box->count(); ++i)
            QVERIFY2(box->itemText(i).startsWith(box->itemData(i).toString()), qPrintable(box->itemText(i)));
    }
};

QTEST_MAIN(PortListTest)
#include "tst_portlist.moc"
