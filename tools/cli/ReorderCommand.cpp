#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"

#include "model/ImageReorder.h"

#include <memory>
#include <ostream>

namespace vormante::cli {

int RunReorder(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const CommandStart start =
        StartCommand(args, REORDER_COMMAND, {"--names", "--flags"}, {"--like", "-o", "--output"}, 1,
                     "expects one IMAGE file", out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const auto like = parsed.values.find("--like");
    if (like == parsed.values.end())
        return ReportUsageError(err, "reorder", "expects --like OTHER, the image whose order to take");
    const std::string output = OutputOption(parsed);
    if (output.empty())
        return ReportUsageError(err, "reorder", "expects -o OUT, the image to write");

    auto image = std::make_unique<ChannelDatabase>();
    auto other = std::make_unique<ChannelDatabase>();
    std::string error;
    if (!ReadImageFile(parsed.operands[0], *image, &error) || !ReadImageFile(like->second, *other, &error)) {
        ReportError(err, "reorder", error);
        return EXIT_UNUSABLE;
    }
    ReorderOptions options;
    options.names = parsed.flags.count("--names") != 0;
    options.flags = parsed.flags.count("--flags") != 0;
    const ChannelOrderPlan plan = PlanReorderLike(*image, *other, options);
    if (!plan.imageProblem.empty()) {
        ReportError(err, "reorder",
                    parsed.operands[0] + " is damaged: " + plan.imageProblem +
                        " ('vormante-cli check' lists its problems); nothing was written");
        return EXIT_PROBLEMS;
    }
    std::size_t matched = 0;
    for (const PlannedSatellite& satellite : plan.satellites)
        matched += satellite.listed.size();
    if (matched == 0) {
        ReportError(err, "reorder",
                    "no channel of " + like->second + " matches a channel of " + parsed.operands[0] +
                        ", so there is no order to take; nothing was written");
        return EXIT_PROBLEMS;
    }
    out << "Moved:           " << plan.moved.size() << "\n"
        << "Renamed:         " << plan.renamed.size() << "\n"
        << "Flags changed:   " << plan.flagsChanged.size() << "\n"
        << "Not in the other: " << plan.missing.size() << " (kept after the others)\n";
    if (!StoreChangedImage(ApplyReorder(*image, plan),
                           "the order could not be applied to the image; nothing was written", output, *image,
                           "reorder", err))
        return EXIT_PROBLEMS;
    out << "Wrote " << output << "\n";
    return EXIT_OK;
}

const Command REORDER_COMMAND = {
    "reorder", "order the channels like those of another image",
    "Usage: vormante-cli reorder IMAGE --like OTHER -o OUT [--names] [--flags]\n"
    "\n"
    "Writes IMAGE to OUT with each satellite's channels in the order OTHER has\n"
    "them (a backup, or the image from before the receiver scanned again).\n"
    "Channels pair by satellite position, transponder (within 2 MHz), video and\n"
    "audio PID, then name. Channels OTHER lacks keep their relative order after\n"
    "the others. An existing OUT is first copied to OUT.bak, as the editor's\n"
    "Save does.\n"
    "\n"
    "Options:\n"
    "  --like OTHER        the image whose order to take\n"
    "  -o, --output OUT    the image to write (may be IMAGE itself)\n"
    "  --names             take the channel names from OTHER too\n"
    "  --flags             take the lock and favourite flags from OTHER too\n"
    "\n"
    "Exit status: 0 written, 1 OUT could not be written or IMAGE is too damaged\n"
    "to reorder, or no channel of OTHER matches one of IMAGE (nothing is\n"
    "written), 2 wrong usage or an image missing, unreadable or not 204800\n"
    "bytes.\n",
    RunReorder};

} // namespace vormante::cli
