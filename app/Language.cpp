#include "Language.h"

#include "model/Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace vormante {
namespace {

const QString LANGUAGE_KEY = QStringLiteral("language");

// The translators in use; replaced as a whole when the language changes.
std::unique_ptr<QTranslator>& ProgramTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The model hands its texts over as UTF-8 and gets them back the same way.
std::string TranslateModelText(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// The first of the desktop's languages that the editor ships, English included: a desktop that
// prefers English before German shows English, not the first translation it finds further on.
QString DesktopLanguage() {
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString code = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        for (const ShippedLanguage& language : ShippedLanguages())
            if (language.code == code)
                return code;
    }
    return QStringLiteral("en");
}

} // namespace

const QList<ShippedLanguage>& ShippedLanguages() {
    static const QList<ShippedLanguage> LANGUAGES = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
    };
    return LANGUAGES;
}

QString ChosenLanguage(const QSettings& settings) {
    const QString code = settings.value(LANGUAGE_KEY).toString();
    for (const ShippedLanguage& language : ShippedLanguages())
        if (language.code == code)
            return code;
    return {}; // nothing chosen, or a language this version no longer ships
}

void SetChosenLanguage(QSettings& settings, const QString& code) {
    if (code.isEmpty())
        settings.remove(LANGUAGE_KEY);
    else
        settings.setValue(LANGUAGE_KEY, code);
    settings.sync();
}

QString InstallTranslators(const QString& code) {
    Remove(ProgramTranslator());
    Remove(QtTranslator());
    SetTextTranslator(nullptr);

    const QString shown = code.isEmpty() ? DesktopLanguage() : code;
    auto program = std::make_unique<QTranslator>();
    if (shown == QStringLiteral("en") ||
        !program->load(QStringLiteral("vormante_") + shown, QStringLiteral(":/translations")))
        return QStringLiteral("en");
    QCoreApplication::installTranslator(program.get());
    ProgramTranslator() = std::move(program);

    // Qt's own texts: missing when the translations package is not installed, which only leaves
    // the standard buttons in English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(shown), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        QtTranslator() = std::move(qt);
    }
    SetTextTranslator(&TranslateModelText);
    return shown;
}

} // namespace vormante
