#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"

#include "model/ConsistencyCheck.h"

#include <memory>
#include <ostream>

namespace vormante::cli {

int RunCheck(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ImageCommandStart start = StartImageCommand(args, CHECK_COMMAND, {}, {}, out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const ChannelDatabase& db = *start.db;
    const auto problems = CheckConsistency(db);
    for (const auto& problem : problems)
        out << problem.message << "\n";
    if (problems.empty())
        return EXIT_OK;
    err << parsed.operands[0] << ": " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
        << " found\n";
    return EXIT_PROBLEMS;
}

const Command CHECK_COMMAND = {"check", "check the consistency of an image",
                               "Usage: vormante-cli check IMAGE\n"
                               "\n"
                               "Checks every chain, link, count and channel number of IMAGE and prints one\n"
                               "line per problem found.\n"
                               "\n"
                               "Exit status: 0 consistent, 1 problems found, 2 IMAGE missing, unreadable or\n"
                               "not 204800 bytes.\n",
                               RunCheck};

} // namespace vormante::cli
