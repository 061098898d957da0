// The "Option" dialog: a choice of COM port. The choice is not kept anywhere;
// a transfer always uses the port picked in its own window.
#pragma once

#include <QDialog>

class QComboBox;

namespace vormante {

class PortOptionDialog : public QDialog {
    Q_OBJECT

public:
    enum ControlId { IDC_COM_PORT = 1046 };

    explicit PortOptionDialog(QWidget* parent = nullptr);

    QString selectedPort() const;

private:
    QComboBox* portList_ = nullptr;
};

} // namespace vormante
