// The inputs a fuzz target once failed on, kept as tests/fuzz/regressions/TARGET-*, read for the
// tests that replay them.
#pragma once

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QList>
#include <QString>

struct FuzzFinding {
    QString path;
    QString fileName;
    bool read = false; // false when the file could not be opened
    QByteArray bytes;
};

inline QList<FuzzFinding> ReadFuzzFindings(const QString& folder, const QString& target) {
    QList<FuzzFinding> findings;
    QDirIterator it(folder, {target + QStringLiteral("-*")}, QDir::Files);
    while (it.hasNext()) {
        FuzzFinding finding;
        finding.path = it.next();
        finding.fileName = it.fileName();
        QFile file(finding.path);
        finding.read = file.open(QIODevice::ReadOnly);
        finding.bytes = file.readAll();
        findings.append(finding);
    }
    return findings;
}
