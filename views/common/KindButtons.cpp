#include "views/common/KindButtons.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

namespace vormante {

void KindButtons::Show(bool showTv) const {
    of(showTv)->setChecked(true);
}

bool KindButtons::tvChosen() const {
    return tv->isChecked();
}

void KindButtons::AddTo(QBoxLayout* layout) const {
    layout->addWidget(tv);
    layout->addWidget(radio);
}

KindButtons MakeKindButtons(QWidget* parent, const QString& tvText, const QString& radioText,
                            const QString& tvName, const QString& radioName) {
    KindButtons buttons{new QRadioButton(tvText, parent), new QRadioButton(radioText, parent)};
    buttons.tv->setObjectName(tvName);
    buttons.radio->setObjectName(radioName);
    auto* group = new QButtonGroup(parent);
    group->addButton(buttons.tv);
    group->addButton(buttons.radio);
    return buttons;
}

} // namespace vormante
