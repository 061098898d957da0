// What the tests check of the message boxes and file dialogs that the code under test raised
// (with MessageBox in its test mode).
#pragma once

#include <QStringList>

namespace vormante::testsupport {

// The texts of every message box so far, in order.
QStringList PromptTexts();

// Fails the test where a message box or file dialog came up that the test had not answered,
// or where an answer the test queued for one was never taken.
void CheckPromptsAnswered();

} // namespace vormante::testsupport
