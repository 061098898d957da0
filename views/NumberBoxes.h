// What the edit dialogs' number boxes share: the whole text is selected when a box
// gets the focus, so typing replaces the value; and a number its field cannot hold
// is refused at OK with a message naming the box and the range.
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

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

} // namespace numberbox
