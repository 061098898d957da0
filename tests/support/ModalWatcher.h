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
    explicit ModalWatcher(std::function<void(QWidget*)> handler) : action_(std::move(handler)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer_.stop();
                ++handled;
                action_(modal);
            }
        });
        timer_.start();
    }
    int handled = 0;

private:
    std::function<void(QWidget*)> action_;
    QTimer timer_;
};

} // namespace vormante::testsupport
