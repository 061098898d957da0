#include "EditorApp.h"

#include "MainWindow.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QIcon>

EditorApp::EditorApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("vormante"));
    setApplicationVersion(QStringLiteral(VORMANTE_VERSION));
}

int EditorApp::Run() {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Editor for the channel database image of a satellite receiver."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("image"),
                                 QStringLiteral("A 204800-byte database image (.bin) to open."),
                                 QStringLiteral("[image]"));
    parser.process(*this);
    const QStringList images = parser.positionalArguments();
    if (images.size() > 1) {
        qCritical("vormante: give at most one image file.");
        return 2;
    }

    MainWindow window;
    setWindowIcon(window.windowIcon());
    window.show();
    if (!images.isEmpty())
        window.OpenFile(images.first());
    return exec();
}
