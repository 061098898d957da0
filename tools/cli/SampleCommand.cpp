#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"

#include "model/ImageFile.h"
#include "model/SampleImages.h"

#include <ostream>

namespace vormante::cli {

int RunSample(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const CommandStart start =
        StartCommand(args, SAMPLE_COMMAND, {"--full"}, {}, 1, "expects one OUTPUT file", out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const bool full = parsed.flags.count("--full") != 0;
    const std::vector<std::uint8_t> image = full ? BuildFullImage() : BuildDemoImage();
    const FileWriteResult written = WriteFileSafely(parsed.operands[0], image);
    if (!written.ok()) {
        ReportError(err, "sample", written.message);
        return EXIT_PROBLEMS;
    }
    out << "Wrote the " << (full ? "full" : "demo") << " image to " << parsed.operands[0] << "\n";
    return EXIT_OK;
}

const Command SAMPLE_COMMAND = {
    "sample", "write a sample image",
    "Usage: vormante-cli sample [--full] OUTPUT\n"
    "\n"
    "Writes a sample database image to OUTPUT, replacing the file if it exists.\n"
    "Without options it is a small demo: a few satellites with real transponders,\n"
    "TV and radio channels, LNB types and settings.\n"
    "\n"
    "Options:\n"
    "  --full   every table full instead: 100 satellites, 2000 transponders and\n"
    "           3000 channels, 2000 of them on the first satellite and 1000 of\n"
    "           those on its first transponder (for benchmarks and tests).\n"
    "\n"
    "Exit status: 0 written, 1 OUTPUT could not be written, 2 wrong usage.\n",
    RunSample};

} // namespace vormante::cli
