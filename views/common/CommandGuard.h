// Where a command is dispatched (a menu item, a key, a double click), exceptions
// stop: an exception may not cross Qt's event loop. The record accessors throw on a
// slot outside its table; the document has already put the image back as it was
// before the step, so all that is left is to tell the user.
#pragma once

#include <functional>

class QWidget;

namespace vormante {

// Runs the command; an exception it throws is shown in a message box. True when
// the command ran to its end.
bool RunGuarded(QWidget* parent, const std::function<void()>& command);

} // namespace vormante
