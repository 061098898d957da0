// Pictures of the main window for looking at its layout by eye (the screenshot tests, run with
// VORMANTE_SCREENSHOT_DIR set). Link vormante_app.
#pragma once

#include "app/MainWindow.h"
#include "controls/PageTabCtrl.h"

#include <QSize>
#include <QString>
#include <QTest>

#include <functional>

namespace vormante::testsupport {

// Opens the image in a new window at each of three screen sizes and saves a picture of each page
// to the file that fileName gives for the size and the page's index; false at the first failure.
inline bool SaveWindowPictures(const QString& image, const std::function<QString(QSize, int)>& fileName) {
    for (const QSize size : {QSize(640, 480), QSize(1024, 768), QSize(1920, 1080)}) {
        MainWindow window;
        if (!window.OpenFile(image))
            return false;
        window.resize(size);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        for (int tab = 0; tab < 3; ++tab) {
            window.pageTabCtrl()->setCurrentIndex(tab);
            QTest::qWait(50);
            if (!window.grab().save(fileName(size, tab)))
                return false;
        }
    }
    return true;
}

} // namespace vormante::testsupport
