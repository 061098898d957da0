#include "Cli.h"

#include "Commands.h"

#include <ostream>

namespace vormante::cli {

namespace {

const Command* const COMMANDS[] = {&INFO_COMMAND,         &CHECK_COMMAND,      &DUMP_COMMAND,
                                   &SAMPLE_COMMAND,       &SEND_COMMAND,       &RECEIVE_COMMAND,
                                   &EXPORT_COMMAND,       &IMPORT_COMMAND,     &REORDER_COMMAND,
                                   &DIFF_COMMAND,         &DUPLICATES_COMMAND, &ORDER_BY_NAMES_COMMAND,
                                   &EXPORT_NAMES_COMMAND, &SATELLITES_COMMAND, &ARCHIVE_COMMAND};

void PrintProgramHelp(std::ostream& out) {
    out << "Usage: vormante-cli COMMAND [OPTIONS] ARGUMENTS\n"
           "\n"
           "Works on receiver channel database images (files of exactly 204800 bytes).\n"
           "\n"
           "Commands:\n";
    for (const Command* command : COMMANDS) {
        std::string name = command->name;
        name.resize(16, ' '); // the longest command name and two blanks
        out << "  " << name << command->summary << "\n";
    }
    out << "\n"
           "Run 'vormante-cli COMMAND --help' for the options of a command.\n"
           "Exit status: 0 success, 1 problems found or the operation failed,\n"
           "2 wrong usage or an input that is not a readable database image.\n";
}

} // namespace

void ReportError(std::ostream& err, const char* command, const std::string& message) {
    err << "vormante-cli " << command << ": " << message << "\n";
}

int ReportUsageError(std::ostream& err, const char* command, const std::string& message) {
    ReportError(err, command, message);
    err << "Try 'vormante-cli " << command << " --help'.\n";
    return EXIT_UNUSABLE;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintProgramHelp(err);
        return EXIT_UNUSABLE;
    }
    const std::string& name = args.front();
    if (name == "--help" || name == "-h" || name == "help") {
        if (name == "help" && args.size() > 1) {
            for (const Command* command : COMMANDS)
                if (args[1] == command->name) {
                    out << command->help;
                    return EXIT_OK;
                }
        }
        PrintProgramHelp(out);
        return EXIT_OK;
    }
    for (const Command* command : COMMANDS) {
        if (name == command->name)
            return command->run(CommandArgs(args.begin() + 1, args.end()), out, err);
    }
    err << "vormante-cli: unknown command '" << name << "'\n"
        << "Try 'vormante-cli --help'.\n";
    return EXIT_UNUSABLE;
}

} // namespace vormante::cli
