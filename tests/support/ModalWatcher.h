// Handles the next modal window that comes up (a dialog the code under test runs with exec()),
// once; stops watching when it goes out of scope.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace vormante::testsupport {

class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> handler) : action(std::move(handler)) {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer.stop();
                ++handled;
                action(modal);
            }
        });
        timer.start();
    }
    int handled = 0;

private:
    std::function<void(QWidget*)> action;
    QTimer timer;
};

} // namespace vormante::testsupport
