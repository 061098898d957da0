// Splits a command's arguments into operands, flags and options with values.
#pragma once

#include <map>
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

} // namespace vormante::cli
