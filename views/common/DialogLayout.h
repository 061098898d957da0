// The layout the edit dialogs share: OK and Cancel centred in a row under the fields.
#pragma once

#include <QList>

class QDialog;
class QHBoxLayout;
class QLayout;
class QPushButton;
class QString;
class QWidget;

namespace vormante {

// OK and Cancel side by side, centred; `gap` pixels between them (-1: the style's spacing).
QHBoxLayout* CenteredButtonRow(QPushButton* ok, QPushButton* cancel, int gap = -1);

// An OK button (the default, "okButton") that accepts the dialog and a Cancel
// button ("cancelButton") that rejects it, centred in a row. `ok` receives the OK
// button when given.
QHBoxLayout* AcceptRejectRow(QDialog* dialog, QPushButton** ok = nullptr);

// Gives the dialog a column of the form, a little space, and the centred button row.
void StackFormAndButtons(QDialog* dialog, QLayout* form, QPushButton* ok, QPushButton* cancel);

// An edit dialog's OK button ("okButton", the default) and Cancel button
// ("cancelButton", which rejects the dialog), captioned in the dialog's own words.
struct EditButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
EditButtons MakeEditButtons(QDialog* dialog, const QString& okText, const QString& cancelText);

// Lays an edit dialog out with StackFormAndButtons; when fields are given, OK and
// Cancel come first in the tab order and the fields follow in their order. Every
// number box of the dialog selects its text when it gets the focus.
void FinishEditDialog(QDialog* dialog, QLayout* form, const EditButtons& buttons,
                      const QList<QWidget*>& fields = {});

} // namespace vormante
