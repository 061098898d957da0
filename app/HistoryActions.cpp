#include "HistoryActions.h"

#include "document/Document.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

namespace vormante {

namespace historyactions {

// The texts keep the main window's translation context, where they were first written.
QString StepCommandText(bool undo, const QString& step) {
    if (step.isEmpty())
        return undo ? /*: a command */ QCoreApplication::translate("MainWindow", "Undo")
                    : /*: a command */ QCoreApplication::translate("MainWindow", "Redo");
    // One sentence with the step's name, so a language may put the verb after it.
    //: %1 is the name of the step, e.g. "Delete channel arte"
    return undo ? QCoreApplication::translate("MainWindow", "Undo %1").arg(step)
                //: %1 is the name of the step, e.g. "Delete channel arte"
                : QCoreApplication::translate("MainWindow", "Redo %1").arg(step);
}

namespace {

// Enabled while the history can take the step; triggering it takes the step.
void Follow(vormante::Document& document, bool undo, QAction* action) {
    const QUndoStack* history = document.undoStack();
    action->setEnabled(undo ? history->canUndo() : history->canRedo());
    QObject::connect(history, undo ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, action,
                     &QAction::setEnabled);
    QObject::connect(action, &QAction::triggered, &document,
                     undo ? &vormante::Document::Undo : &vormante::Document::Redo);
}

QString NextStep(const QUndoStack* history, bool undo) {
    return undo ? history->undoText() : history->redoText();
}

} // namespace

QAction* MenuAction(vormante::Document& document, bool undo, QObject* parent) {
    const QUndoStack* history = document.undoStack();
    auto* action = new QAction(StepCommandText(undo, NextStep(history, undo)), parent);
    Follow(document, undo, action);
    QObject::connect(history, undo ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, action,
                     [action, undo](const QString& step) { action->setText(StepCommandText(undo, step)); });
    return action;
}

QAction* ToolAction(vormante::Document& document, bool undo, QToolBar* toolBar) {
    const QIcon icon = QIcon::fromTheme(
        QLatin1String(undo ? "edit-undo" : "edit-redo"),
        toolBar->style()->standardIcon(undo ? QStyle::SP_ArrowBack : QStyle::SP_ArrowForward));
    QAction* action = toolBar->addAction(icon, StepCommandText(undo, QString()));
    Follow(document, undo, action);
    const QUndoStack* history = document.undoStack();
    auto tip = [history, action, undo] {
        action->setToolTip(StepCommandText(undo, NextStep(history, undo)));
    };
    QObject::connect(history, &QUndoStack::indexChanged, action, tip);
    QObject::connect(history, &QUndoStack::cleanChanged, action, tip);
    tip();
    return action;
}

} // namespace historyactions

} // namespace vormante
