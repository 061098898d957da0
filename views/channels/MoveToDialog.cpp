#include "views/channels/MoveToDialog.h"

#include "controls/MessageBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <limits>

namespace vormante {

MoveToDialog::MoveToDialog(QWidget* parent) : QDialog(parent) {
    //: The title of the window that asks for a channel's new number.
    setWindowTitle(tr("Dialog"));
    setObjectName(QStringLiteral("moveToDialog"));

    auto* label = new QLabel(tr("Move to"), this);
    positionEdit_ = new QLineEdit(this);
    positionEdit_->setObjectName(QStringLiteral("positionEdit"));
    positionEdit_->setMinimumWidth(240);
    label->setBuddy(positionEdit_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
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
    static const QRegularExpression WHOLE_NUMBER(QStringLiteral("^\\s*([+-]?[0-9]+)\\s*$"));
    const QRegularExpressionMatch match = WHOLE_NUMBER.match(text);
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
        MessageBox::information(this, tr("Please enter an integer."));
        positionEdit_->setFocus();
        positionEdit_->selectAll();
        return;
    }
    targetPosition_ = value;
    QDialog::accept();
}

} // namespace vormante
