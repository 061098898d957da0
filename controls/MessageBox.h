// Every message box and file dialog of the program goes through these two
// wrappers. In test mode nothing is shown: answers and file names come from
// queues the test fills, and every prompt is recorded for the test to check.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace vormante {

class MessageBox {
    Q_DECLARE_TR_FUNCTIONS(MessageBox)

public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

    struct Prompt {
        QString title;
        QString text;
        Buttons buttons;
        QString informativeText;                      // the second line under the text, empty when none
        QString detailedText;                         // what "Show Details..." reveals, empty when none
        QStringList captions;                         // the buttons' own texts, where a box gives them
        Button defaultButton = QMessageBox::NoButton; // the button Return presses, where a box sets it
    };
    // A button with a text of its own ("Send anyway").
    struct Choice {
        Button button;
        QString caption;
    };

    // A box with the given buttons; returns the button pressed (NoButton when closed otherwise).
    static Button Show(QWidget* parent, const QString& title, const QString& text,
                       Buttons buttons = QMessageBox::Ok, QMessageBox::Icon icon = QMessageBox::NoIcon);
    // A box with the program's own caption and an OK button.
    static void information(QWidget* parent, const QString& text);
    // A Yes/No question without icon; true only for Yes.
    static bool AskYesNo(QWidget* parent, const QString& title, const QString& text);
    // A box with a second line (informative) and, when detailed is not empty, a
    // "Show Details..." area holding it.
    static Button ShowWithDetails(QWidget* parent, const QString& title, const QString& text,
                                  const QString& informative, const QString& detailed,
                                  Buttons buttons = QMessageBox::Ok,
                                  QMessageBox::Icon icon = QMessageBox::NoIcon);
    // A question whose buttons say what they do; defaultButton is the one Return presses.
    static Button Ask(QWidget* parent, const QString& title, const QString& text, const QString& detailed,
                      const QList<Choice>& choices, Button defaultButton,
                      QMessageBox::Icon icon = QMessageBox::Question);
    // A Yes/No question whose default is No, for answers that throw something away.
    static bool AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text);
    // The question before unsaved changes are left: buttons "Save", "Discard" and
    // "Cancel" (QMessageBox::Save, Discard, Cancel; NoButton when closed otherwise).
    static Button AskSaveDiscardCancel(QWidget* parent, const QString& title, const QString& text,
                                       const QString& informative);

    // Test mode: no box is shown. Each prompt takes the next queued answer; a prompt
    // with no answer queued is recorded as unexpected and answered NoButton.
    static void setTestMode(bool enabled);
    static bool testMode();
    static void QueueAnswer(Button answer);
    static QList<Prompt> prompts();         // every prompt so far, in order
    static QStringList unexpectedPrompts(); // texts of prompts nobody had answered
    static int pendingAnswers();
    static void ResetTestState(); // forget prompts and queued answers
};

class FileDialog {
public:
    // Empty text when the user cancelled.
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                   const QString& filter);
    // With a default suffix ("bin", no dot), a name chosen without any suffix gets it.
    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                   const QString& filter, const QString& defaultSuffix = QString());

    // Test mode (shared with MessageBox): the next queued name answers the next dialog;
    // queue an empty name to answer Cancel. A dialog with no name queued is unexpected.
    static void QueueFileName(const QString& path);
    static QStringList captions();    // captions of every dialog asked so far
    static QStringList directories(); // the start directory or file each dialog was given
    static QStringList unexpectedDialogs();
    static int pendingFileNames();
};

} // namespace vormante
