#include "views/common/DialogLayout.h"

#include "views/common/NumberBoxes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vormante {

QHBoxLayout* CenteredButtonRow(QPushButton* ok, QPushButton* cancel, int gap) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    if (gap >= 0)
        buttons->addSpacing(gap);
    buttons->addWidget(cancel);
    buttons->addStretch();
    return buttons;
}

QHBoxLayout* AcceptRejectRow(QDialog* dialog, QPushButton** ok) {
    auto* accept = new QPushButton(QCoreApplication::translate("DialogLayout", "OK"), dialog);
    accept->setObjectName(QStringLiteral("okButton"));
    accept->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("DialogLayout", "Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(accept, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    if (ok != nullptr)
        *ok = accept;
    return CenteredButtonRow(accept, cancel);
}

void StackFormAndButtons(QDialog* dialog, QLayout* form, QPushButton* ok, QPushButton* cancel) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addLayout(CenteredButtonRow(ok, cancel));
}

EditButtons MakeEditButtons(QDialog* dialog, const QString& okText, const QString& cancelText) {
    EditButtons buttons{new QPushButton(okText, dialog), new QPushButton(cancelText, dialog)};
    buttons.ok->setObjectName(QStringLiteral("okButton"));
    buttons.cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons.ok->setDefault(true);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

void FinishEditDialog(QDialog* dialog, QLayout* form, const EditButtons& buttons,
                      const QList<QWidget*>& fields) {
    StackFormAndButtons(dialog, form, buttons.ok, buttons.cancel);
    if (!fields.isEmpty()) {
        QWidget* previous = buttons.ok;
        for (QWidget* next : QList<QWidget*>{buttons.cancel} + fields) {
            QWidget::setTabOrder(previous, next);
            previous = next;
        }
    }
    numberbox::SelectAllOnFocusIn(dialog);
}

} // namespace vormante
