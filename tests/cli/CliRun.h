// Runs vormante-cli's commands in-process and keeps what they printed.
#pragma once

#include "Cli.h"

#include <QString>
#include <QStringList>

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
