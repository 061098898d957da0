// Checks a text reader's refusal the same way for every kind of list.
#pragma once

#include <QString>
#include <QtTest>

#include <string>

// The refusal gives the expected line (0: none) and reason; a refusal with a line also names it at
// the start of its message, as "line N: ".
inline void CheckRefusal(int errorLine, const std::string& error, int line, const QString& reason) {
    QCOMPARE(errorLine, line);
    QVERIFY2(QString::fromStdString(error).contains(reason), error.c_str());
    if (line > 0)
        QVERIFY2(error.rfind("line " + std::to_string(line) + ": ", 0) == 0, error.c_str());
}
