// The application object: reads the command line, creates the main window, shows it
// and runs until it closes.
#pragma once

#include <QApplication>

class EditorApp : public QApplication {
    Q_OBJECT

public:
    EditorApp(int& argc, char** argv);

    // Shows the main window, opens the image named on the command line if any, and
    // returns the exit code when the window has closed.
    int Run();
};
