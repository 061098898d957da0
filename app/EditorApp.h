// The application object: reads the command line, creates the main window, shows it
// and runs until it closes.
#pragma once

#include <QApplication>

namespace vormante {

class EditorApp : public QApplication {
    Q_OBJECT

public:
    EditorApp(int& argc, char** argv);

    // --help and --version: prints the text and ends the program, before any window
    // (or display) is needed. Returns when the command line asks for neither.
    static void AnswerTextOptions(int& argc, char** argv);

    // Shows the main window, opens the image named on the command line if any, and
    // returns the exit code when the window has closed.
    int Run();
};

} // namespace vormante
