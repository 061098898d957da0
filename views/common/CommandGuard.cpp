#include "views/common/CommandGuard.h"

#include "controls/MessageBox.h"

#include <exception>

bool RunGuarded(QWidget* parent, const std::function<void()>& command) {
    QString reason;
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        reason = QString::fromLocal8Bit(error.what());
    } catch (...) {
        reason = QStringLiteral("unknown error");
    }
    MessageBox::show(
        parent, QStringLiteral("Error"),
        QStringLiteral("The command could not be completed (%1). The image was left as it was before "
                       "the command.")
            .arg(reason),
        QMessageBox::Ok, QMessageBox::Warning);
    return false;
}
