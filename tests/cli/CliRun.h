// Runs vormante-cli's commands in-process and keeps what they printed.
#pragma once

#include "Cli.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <sstream>
#include <string>
#include <vector>

struct Run {
    int status = -1;
    QString out;
    QString err;
};

inline Run RunCommand(const QStringList& args) {
    std::vector<std::string> argv;
    for (const QString& arg : args)
        argv.push_back(arg.toStdString());
    std::ostringstream out, err;
    Run run;
    run.status = vormante::cli::RunCli(argv, out, err);
    run.out = QString::fromStdString(out.str());
    run.err = QString::fromStdString(err.str());
    return run;
}

// Checks a run's exit status and that its output and error text contain the given texts (an empty
// text always matches). False, with the test failed, when one of them does not hold.
[[nodiscard]] inline bool Ran(const Run& run, int status, const QString& out, const QString& err) {
    return QTest::qCompare(run.status, status, "run.status", "status", __FILE__, __LINE__) &&
           QTest::qVerify(run.out.contains(out), "run.out.contains(out)", qPrintable(run.out), __FILE__,
                          __LINE__) &&
           QTest::qVerify(run.err.contains(err), "run.err.contains(err)", qPrintable(run.err), __FILE__,
                          __LINE__);
}

// Runs the current data row's command line (columns args, status, out, err) and checks it as Ran does.
[[nodiscard]] inline bool RunDataRow(Run& run) {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    run = RunCommand(args);
    return Ran(run, status, out, err);
}
