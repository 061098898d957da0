#include "views/common/CommandGuard.h"

#include "controls/MessageBox.h"

#include <QCoreApplication>

#include <exception>

namespace vormante {

bool RunGuarded(QWidget* parent, const std::function<void()>& command) {
    QString reason;
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        reason = QString::fromLocal8Bit(error.what());
    } catch (...) {
        //: Stands in the error message when the cause is not known.
        reason = QCoreApplication::translate("CommandGuard", "unknown error");
    }
    MessageBox::Show(parent,
                     //: Title of the message box.
                     QCoreApplication::translate("CommandGuard", "Error"),
                     //: %1: why the command failed.
                     QCoreApplication::translate("CommandGuard",
                                                 "The command could not be completed (%1). The image was "
                                                 "left as it was before the command.")
                         .arg(reason),
                     QMessageBox::Ok, QMessageBox::Warning);
    return false;
}

} // namespace vormante
