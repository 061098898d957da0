// What the edit dialogs' boxes share: the whole text is selected when a box gets the
// focus, so typing replaces the value; a number its field cannot hold is refused at
// OK with a message naming the box and the range, and so is a name the image cannot
// store (naming the characters it cannot hold).
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace vormante {

namespace numberbox {

// Selects a line edit's text whenever it gets the focus (by Tab, click or shortcut).
void SelectAllOnFocus(QLineEdit* edit);
// Does the same for every line edit inside the dialog.
void SelectAllOnFocusIn(QWidget* dialog);

// "Video PID takes a number from 0 to 8191."
QString RangeText(const QString& box, long long low, long long high);
// True when value lies in low..high; otherwise tells the user (through the message
// box wrapper) and returns false.
bool CheckRange(QWidget* parent, const QString& box, long long value, long long low, long long high);

// True when the name fits its field: Latin-1 characters only (the names' encoding
// in the image), at most maxLength of them; otherwise tells the user, naming the
// characters, and returns false. Nothing is cut or replaced.
bool CheckName(QWidget* parent, const QString& box, const QString& name, int maxLength);

} // namespace numberbox

} // namespace vormante
