// One function per command. Each takes the arguments after the command's name,
// writes results to out and messages to err, and returns the exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vormante::cli {

using CommandArgs = std::vector<std::string>;

struct Command {
    const char* name;
    const char* summary; // one line for the program's help
    const char* help;    // the command's own help
    int (*run)(const CommandArgs& args, std::ostream& out, std::ostream& err);
};

int RunInfo(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunCheck(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunDump(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunSample(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunSend(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunReceive(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunExport(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunImport(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunReorder(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunDiff(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunDuplicates(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunOrderByNames(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunExportNames(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunSatellites(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunArchive(const CommandArgs& args, std::ostream& out, std::ostream& err);

extern const Command INFO_COMMAND;
extern const Command CHECK_COMMAND;
extern const Command DUMP_COMMAND;
extern const Command SAMPLE_COMMAND;
extern const Command SEND_COMMAND;
extern const Command RECEIVE_COMMAND;
extern const Command EXPORT_COMMAND;
extern const Command IMPORT_COMMAND;
extern const Command REORDER_COMMAND;
extern const Command DIFF_COMMAND;
extern const Command DUPLICATES_COMMAND;
extern const Command ORDER_BY_NAMES_COMMAND;
extern const Command EXPORT_NAMES_COMMAND;
extern const Command SATELLITES_COMMAND;
extern const Command ARCHIVE_COMMAND;

// "vormante-cli CMD: message" on err, plus a hint at the command's help for usage errors.
void ReportError(std::ostream& err, const char* command, const std::string& message);
int ReportUsageError(std::ostream& err, const char* command, const std::string& message);

} // namespace vormante::cli
