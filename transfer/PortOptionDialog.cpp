#include "PortOptionDialog.h"

#include "PortList.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vormante {

PortOptionDialog::PortOptionDialog(QWidget* parent) : QDialog(parent) {
    //: the title of the dialog that chooses the serial port
    setWindowTitle(tr("Option"));

    portList_ = new QComboBox(this);
    portList_->setObjectName(QStringLiteral("comPortComboBox"));
    portList_->setProperty("controlId", static_cast<int>(IDC_COM_PORT));
    QStringList items = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                         QStringLiteral("COM4")};
    items.sort(); // a sorted list
    // The detected adapters follow, labelled with their description and maker.
    FillPortBox(portList_, PortChoices(items, DetectPorts()));
    portList_->setCurrentIndex(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    //: COM: a serial port
    form->addRow(tr("COM Port:"), portList_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(250);
}

QString PortOptionDialog::selectedPort() const {
    return PortOfBox(portList_);
}

} // namespace vormante
