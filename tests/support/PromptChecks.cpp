#include "PromptChecks.h"

#include "controls/MessageBox.h"

#include <QtTest>

namespace vormante::testsupport {

QStringList PromptTexts() {
    QStringList texts;
    for (const MessageBox::Prompt& prompt : MessageBox::prompts())
        texts.append(prompt.text);
    return texts;
}

void CheckPromptsAnswered() {
    QVERIFY2(MessageBox::unexpectedPrompts().isEmpty(),
             qPrintable(MessageBox::unexpectedPrompts().join(" | ")));
    QVERIFY2(FileDialog::unexpectedDialogs().isEmpty(),
             qPrintable(FileDialog::unexpectedDialogs().join(" | ")));
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(FileDialog::pendingFileNames(), 0);
}

} // namespace vormante::testsupport
