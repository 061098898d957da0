// Splits a command's arguments into operands, flags and options with values.
#pragma once

#include "Commands.h"

#include <cstddef>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vormante::cli {

struct ParsedArguments {
    std::vector<std::string> operands;
    std::set<std::string> flags;
    std::map<std::string, std::string> values;
    bool help = false;
    std::string error; // set when the arguments cannot be understood
};

// flagNames take no value ("--full"); valueNames take one, as "--port DEV" or "--port=DEV".
// "-h" and "--help" ask for help; "--" ends the options.
ParsedArguments ParseArguments(const std::vector<std::string>& args, const std::set<std::string>& flagNames,
                               const std::set<std::string>& valueNames);

// The start every command makes: its arguments parsed with its flags and options;
// its help printed when asked (exit status 0); a usage error (status 2) when they
// cannot be understood, when -o and --output are both given, or when there are not
// `operands` operands (`operandsText` says what is expected). `exit` holds the
// status when the command ends there.
struct CommandStart {
    ParsedArguments parsed;
    std::optional<int> exit;
};
CommandStart StartCommand(const CommandArgs& args, const Command& command,
                          const std::set<std::string>& flagNames, const std::set<std::string>& valueNames,
                          std::size_t operands, const char* operandsText, std::ostream& out,
                          std::ostream& err);

// The file -o or --output names; empty when neither is given.
std::string OutputOption(const ParsedArguments& parsed);

} // namespace vormante::cli
