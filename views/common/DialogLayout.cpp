#include "views/common/DialogLayout.h"

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

} // namespace vormante
