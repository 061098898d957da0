#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace vormante {

namespace {
struct TestState {
    bool enabled = false;
    QQueue<MessageBox::Button> answers;
    QList<MessageBox::Prompt> prompts;
    QStringList unexpected;
    QQueue<QString> fileNames;
    QStringList fileCaptions;
    QStringList fileDirectories;
    QStringList unexpectedDialogs;
};

TestState& State() {
    static TestState state;
    return state;
}

// The program's name: not translated.
QString ProgramCaption() {
    return QStringLiteral("VORMANTE");
}
} // namespace

MessageBox::Button MessageBox::Show(QWidget* parent, const QString& title, const QString& text,
                                    Buttons buttons, QMessageBox::Icon icon) {
    return ShowWithDetails(parent, title, text, QString(), QString(), buttons, icon);
}

MessageBox::Button MessageBox::ShowWithDetails(QWidget* parent, const QString& title, const QString& text,
                                               const QString& informative, const QString& detailed,
                                               Buttons buttons, QMessageBox::Icon icon) {
    TestState& state = State();
    if (state.enabled) {
        state.prompts.append({title, text, buttons, informative, detailed, {}, QMessageBox::NoButton});
        if (state.answers.isEmpty()) {
            state.unexpected.append(text);
            return QMessageBox::NoButton;
        }
        return state.answers.dequeue();
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setInformativeText(informative);
    if (!detailed.isEmpty())
        box.setDetailedText(detailed);
    // Some platform themes call these "Close without Saving" and the like: say plainly what they do.
    const std::pair<QMessageBox::StandardButton, const char*> plainTexts[] = {
        //: Button: save the changes, then go on.
        {QMessageBox::Save, QT_TR_NOOP("Save")},
        //: Button: drop the unsaved changes, then go on.
        {QMessageBox::Discard, QT_TR_NOOP("Discard")},
        {QMessageBox::Cancel, QT_TR_NOOP("Cancel")}};
    for (const auto& [button, caption] : plainTexts) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(tr(caption));
    }
    return static_cast<Button>(box.exec());
}

MessageBox::Button MessageBox::AskSaveDiscardCancel(QWidget* parent, const QString& title,
                                                    const QString& text, const QString& informative) {
    return ShowWithDetails(parent, title, text, informative, QString(),
                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                           QMessageBox::Warning);
}

void MessageBox::information(QWidget* parent, const QString& text) {
    Show(parent, ProgramCaption(), text, QMessageBox::Ok);
}

MessageBox::Button MessageBox::Ask(QWidget* parent, const QString& title, const QString& text,
                                   const QString& detailed, const QList<Choice>& choices,
                                   Button defaultButton, QMessageBox::Icon icon) {
    Buttons buttons;
    QStringList captions;
    for (const Choice& choice : choices) {
        buttons |= choice.button;
        captions.append(choice.caption);
    }
    TestState& state = State();
    if (state.enabled) {
        state.prompts.append({title, text, buttons, QString(), detailed, captions, defaultButton});
        if (state.answers.isEmpty()) {
            state.unexpected.append(text);
            return QMessageBox::NoButton;
        }
        return state.answers.dequeue();
    }
    QMessageBox box(icon, title, text, buttons, parent);
    if (!detailed.isEmpty())
        box.setDetailedText(detailed);
    for (const Choice& choice : choices)
        box.button(choice.button)->setText(choice.caption);
    box.setDefaultButton(defaultButton);
    return static_cast<Button>(box.exec());
}

bool MessageBox::AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) {
    return Ask(parent, title, text, QString(),
               {{QMessageBox::Yes, tr("Yes")},
                //: Button: the answer to a question.
                {QMessageBox::No, tr("No")}},
               QMessageBox::No, QMessageBox::NoIcon) == QMessageBox::Yes;
}

bool MessageBox::AskYesNo(QWidget* parent, const QString& title, const QString& text) {
    return Show(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessageBox::setTestMode(bool enabled) {
    ResetTestState();
    State().enabled = enabled;
}

bool MessageBox::testMode() {
    return State().enabled;
}
void MessageBox::QueueAnswer(Button answer) {
    State().answers.enqueue(answer);
}
QList<MessageBox::Prompt> MessageBox::prompts() {
    return State().prompts;
}
QStringList MessageBox::unexpectedPrompts() {
    return State().unexpected;
}
int MessageBox::pendingAnswers() {
    return static_cast<int>(State().answers.size());
}

void MessageBox::ResetTestState() {
    const bool enabled = State().enabled;
    State() = TestState{};
    State().enabled = enabled;
}

namespace {
QString AnswerFileDialog(const QString& caption, const QString& directory) {
    TestState& state = State();
    state.fileCaptions.append(caption);
    state.fileDirectories.append(directory);
    if (state.fileNames.isEmpty()) {
        state.unexpectedDialogs.append(caption);
        return {};
    }
    return state.fileNames.dequeue();
}

// "BIN data(*.bin)|*.bin" style filters become Qt's "BIN data (*.bin)".
QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i].contains(QLatin1Char('(')) ? parts[i] : parts[i] + " (" + parts[i + 1] + ")");
    return filters.isEmpty() ? filter : filters.join(QStringLiteral(";;"));
}

// A name without a dot gets the default suffix, so the file shows in the dialogs'
// filters; the rule Qt's own dialog follows.
QString WithSuffix(const QString& path, const QString& suffix) {
    const QFileInfo info(path);
    if (path.isEmpty() || suffix.isEmpty() || info.isDir() || info.fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}
} // namespace

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                    const QString& filter) {
    if (State().enabled)
        return AnswerFileDialog(caption, directory);
    return QFileDialog::getOpenFileName(parent, caption, directory, QtFilter(filter));
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                    const QString& filter, const QString& defaultSuffix) {
    if (State().enabled)
        return WithSuffix(AnswerFileDialog(caption, directory), defaultSuffix);
    // The dialog adds the suffix before it asks about overwriting; a native dialog
    // may not, so the name is checked once more.
    QFileDialog dialog(parent, caption, directory, QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return WithSuffix(dialog.selectedFiles().constFirst(), defaultSuffix);
}

void FileDialog::QueueFileName(const QString& path) {
    State().fileNames.enqueue(path);
}
QStringList FileDialog::captions() {
    return State().fileCaptions;
}
QStringList FileDialog::directories() {
    return State().fileDirectories;
}
QStringList FileDialog::unexpectedDialogs() {
    return State().unexpectedDialogs;
}
int FileDialog::pendingFileNames() {
    return static_cast<int>(State().fileNames.size());
}

} // namespace vormante
