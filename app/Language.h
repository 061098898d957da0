// The languages the editor ships and the translators that put it into one of them.
// English is the language of the sources; every other language is a translation built into the
// program (translations/vormante_LANG.ts). Qt's own translations come with it, so file dialogs and
// standard buttons speak the same language, and the model's texts (check problems, file errors)
// are translated through the same translator.
#pragma once

#include <QList>
#include <QString>

class QSettings;

namespace vormante {

struct ShippedLanguage {
    QString code;       // "de"
    QString nativeName; // "Deutsch": how a speaker finds it in a list, whatever language is shown
};

// The translations built into the program, English first.
const QList<ShippedLanguage>& ShippedLanguages();

// The language the user chose in the editor ("de"), or empty for the desktop's language.
QString ChosenLanguage(const QSettings& settings);
void SetChosenLanguage(QSettings& settings, const QString& code);

// Installs the translators for `code` (empty: the desktop's language) into the running program,
// replacing any installed before. Returns the language now shown: "en" when no shipped
// translation matches. The command-line tools never call this, so they stay in English.
QString InstallTranslators(const QString& code);

} // namespace vormante
