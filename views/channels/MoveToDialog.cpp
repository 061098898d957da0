#include "views/channels/MoveToDialog.h"

#include "controls/MessageBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <limits>

MoveToDialog::MoveToDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Dialog"));
    setObjectName(QStringLiteral("moveToDialog"));

    auto* label = new QLabel(QStringLiteral("Move to"), this);
    positionEdit_ = new QLineEdit(this);
    positionEdit_->setObjectName(QStringLiteral("positionEdit"));
    positionEdit_->setMinimumWidth(240);
    label->setBuddy(positionEdit_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &MoveToDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MoveToDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(positionEdit_);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    positionEdit_->setFocus();
}

bool MoveToDialog::ParsePosition(const QString& text, int& value) {
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*([+-]?[0-9]+)\\s*$"));
    const QRegularExpressionMatch match = wholeNumber.match(text);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const long long number = match.captured(1).toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(number);
    return true;
}

void MoveToDialog::accept() {
    int value = 0;
    if (!ParsePosition(positionEdit_->text(), value)) {
        MessageBox::information(this, QStringLiteral("Please enter an integer."));
        positionEdit_->setFocus();
        positionEdit_->selectAll();
        return;
    }
    targetPosition_ = value;
    QDialog::accept();
}
