#include "Arguments.h"

#include "Cli.h"

#include <ostream>

namespace vormante::cli {

ParsedArguments ParseArguments(const std::vector<std::string>& args, const std::set<std::string>& flagNames,
                               const std::set<std::string>& valueNames) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (flagNames.count(name) && equals == std::string::npos) {
            parsed.flags.insert(name);
        } else if (valueNames.count(name)) {
            if (equals != std::string::npos) {
                parsed.values[name] = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                parsed.values[name] = args[++i];
            } else if (parsed.error.empty()) {
                parsed.error = "option " + name + " needs a value";
            }
        } else if (parsed.error.empty()) {
            parsed.error = "unknown option '" + arg + "'";
        }
    }
    return parsed;
}

CommandStart StartCommand(const CommandArgs& args, const Command& command,
                          const std::set<std::string>& flagNames, const std::set<std::string>& valueNames,
                          std::size_t operands, const char* operandsText, std::ostream& out,
                          std::ostream& err) {
    CommandStart start{ParseArguments(args, flagNames, valueNames), std::nullopt};
    const ParsedArguments& parsed = start.parsed;
    if (parsed.help) {
        out << command.help;
        start.exit = EXIT_OK;
    } else if (!parsed.error.empty()) {
        start.exit = ReportUsageError(err, command.name, parsed.error);
    } else if (parsed.operands.size() != operands) {
        start.exit = ReportUsageError(err, command.name, operandsText);
    } else if (parsed.values.count("-o") && parsed.values.count("--output")) {
        start.exit = ReportUsageError(err, command.name, "give -o or --output, not both");
    }
    return start;
}

std::string OutputOption(const ParsedArguments& parsed) {
    const auto output = parsed.values.count("-o") ? parsed.values.find("-o") : parsed.values.find("--output");
    return output == parsed.values.end() ? std::string() : output->second;
}

} // namespace vormante::cli
