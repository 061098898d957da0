#include "EditorApp.h"

#include "Language.h"
#include "MainWindow.h"
#include "SessionSettings.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QSettings>

namespace vormante {

namespace {

QString ProgramName() {
    return QStringLiteral("vormante");
}

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Editor for the channel database image of a satellite receiver."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("image"),
                                 QStringLiteral("A 204800-byte database image (.bin) to open."),
                                 QStringLiteral("[image]"));
}

} // namespace

EditorApp::EditorApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ProgramName());
    setApplicationVersion(QStringLiteral(VORMANTE_VERSION));
}

void EditorApp::AnswerTextOptions(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.parse(arguments); // options meant for Qt are not known here: errors are the window's to report
    const bool help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!help && !parser.isSet(QStringLiteral("version")))
        return;
    // A program object without windows, so no display is needed.
    QCoreApplication text(argc, argv);
    QCoreApplication::setApplicationName(ProgramName());
    QCoreApplication::setApplicationVersion(QStringLiteral(VORMANTE_VERSION));
    if (help)
        parser.showHelp(0); // both end the program
    parser.showVersion();
}

int EditorApp::Run() {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(*this);
    const QStringList images = parser.positionalArguments();
    if (images.size() > 1) {
        qCritical("vormante: give at most one image file.");
        return 2;
    }

    // The language first: every window and text is made in it.
    const QSettings settings(SessionSettings::DefaultSettingsPath(), QSettings::IniFormat);
    vormante::InstallTranslators(vormante::ChosenLanguage(settings));

    MainWindow window;
    setWindowIcon(window.windowIcon());
    window.show();
    if (!images.isEmpty())
        window.OpenFile(images.first());
    return exec();
}

} // namespace vormante
