// Asks for the 1-based position to which the all-channels page moves a channel.
// OK accepts only a whole number; anything else asks for one and keeps the dialog open.
#pragma once

#include <QDialog>

class QLineEdit;

namespace vormante {

class MoveToDialog : public QDialog {
    Q_OBJECT

public:
    explicit MoveToDialog(QWidget* parent = nullptr);

    // The number typed when the dialog was accepted; 0 until then.
    int targetPosition() const { return targetPosition_; }
    QLineEdit* positionEdit() const { return positionEdit_; }

    // Reads a whole number: blanks around it and one sign allowed, nothing else.
    static bool ParsePosition(const QString& text, int& value);

public Q_SLOTS:
    void accept() override;

private:
    QLineEdit* positionEdit_ = nullptr;
    int targetPosition_ = 0;
};

} // namespace vormante
