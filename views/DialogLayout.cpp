#include "DialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

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

void StackFormAndButtons(QDialog* dialog, QLayout* form, QPushButton* ok, QPushButton* cancel) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addLayout(CenteredButtonRow(ok, cancel));
}
