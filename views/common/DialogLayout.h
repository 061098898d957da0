// The layout the edit dialogs share: OK and Cancel centred in a row under the fields.
#pragma once

class QDialog;
class QHBoxLayout;
class QLayout;
class QPushButton;

namespace vormante {

// OK and Cancel side by side, centred; `gap` pixels between them (-1: the style's spacing).
QHBoxLayout* CenteredButtonRow(QPushButton* ok, QPushButton* cancel, int gap = -1);

// An OK button (the default, "okButton") that accepts the dialog and a Cancel
// button ("cancelButton") that rejects it, centred in a row. `ok` receives the OK
// button when given.
QHBoxLayout* AcceptRejectRow(QDialog* dialog, QPushButton** ok = nullptr);

// Gives the dialog a column of the form, a little space, and the centred button row.
void StackFormAndButtons(QDialog* dialog, QLayout* form, QPushButton* ok, QPushButton* cancel);

} // namespace vormante
