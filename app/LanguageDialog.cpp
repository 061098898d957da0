#include "LanguageDialog.h"

#include "Language.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vormante {

LanguageDialog::LanguageDialog(QSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), languages_(new QComboBox(this)) {
    setWindowTitle(tr("Language"));
    languages_->setObjectName(QStringLiteral("languages"));
    //: The choice that follows the desktop's language
    languages_->addItem(tr("System"), QString());
    // Each language under its own name, so a speaker finds it whatever is shown now.
    for (const vormante::ShippedLanguage& language : vormante::ShippedLanguages())
        languages_->addItem(language.nativeName, language.code);
    languages_->setCurrentIndex(languages_->findData(vormante::ChosenLanguage(settings_)));

    auto* form = new QFormLayout;
    form->addRow(tr("Language:"), languages_);
    auto* note = new QLabel(tr("Vormante shows the chosen language the next time it starts."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

bool LanguageDialog::StoreChoice() {
    const QString code = languages_->currentData().toString();
    if (code == vormante::ChosenLanguage(settings_))
        return false;
    vormante::SetChosenLanguage(settings_, code);
    return true;
}

} // namespace vormante
