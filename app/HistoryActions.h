// The Undo and Redo commands of the Edit menu and the toolbar. Both follow the
// document's history: grayed while there is nothing to undo or redo, and named after
// the step they take back or do again.
#pragma once

#include <QString>

class QAction;
class QObject;
class QToolBar;

namespace vormante {

class Document;

namespace historyactions {

// "Undo Delete channel arte", or "Undo" alone when the step has no name (likewise Redo).
QString StepCommandText(bool undo, const QString& step);

// The menu item: its text names the next step.
QAction* MenuAction(vormante::Document& document, bool undo, QObject* parent);

// The toolbar button, added to toolBar: its text is "Undo" or "Redo", its tip names the step.
QAction* ToolAction(vormante::Document& document, bool undo, QToolBar* toolBar);

} // namespace historyactions

} // namespace vormante
