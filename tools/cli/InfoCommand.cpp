#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"
#include "ImageSummary.h"

#include "model/ChannelSearch.h"
#include "model/ConsistencyCheck.h"

#include <memory>
#include <ostream>

namespace vormante::cli {

ImageSummary SummarizeImage(const ChannelDatabase& db) {
    const ImageStatistics counts = CountImage(db);
    ImageSummary summary;
    summary.satellites = counts.satellites;
    summary.transponders = counts.transponders;
    summary.tvChannels = counts.tvChannels;
    summary.radioChannels = counts.radioChannels;
    summary.otherChannels = counts.channels - counts.tvChannels - counts.radioChannels;
    summary.currentSatellite = static_cast<int>(db.Settings().currentSatellite());
    if (IsSatelliteSlot(summary.currentSatellite) && db.Satellite(summary.currentSatellite).isUsed()) {
        const ConstSatelliteRecord satellite = db.Satellite(summary.currentSatellite);
        summary.currentSatelliteUsed = true;
        summary.currentSatelliteName = satellite.name();
        summary.currentSatellitePosition = satellite.position();
    }
    return summary;
}

int RunInfo(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ImageCommandStart start = StartImageCommand(args, INFO_COMMAND, {}, {}, out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const ChannelDatabase& db = *start.db;
    const ImageSummary summary = SummarizeImage(db);
    const auto problems = CheckConsistency(db);
    out << "Image:             " << parsed.operands[0] << "\n"
        << "Satellites:        " << summary.satellites << " used\n"
        << "Transponders:      " << summary.transponders << " in use\n"
        << "TV channels:       " << summary.tvChannels << "\n"
        << "Radio channels:    " << summary.radioChannels << "\n";
    if (summary.otherChannels)
        out << "Other channels:    " << summary.otherChannels << " (neither TV nor radio)\n";
    out << "Current satellite: ";
    if (summary.currentSatelliteUsed)
        out << "slot " << summary.currentSatellite << ", " << summary.currentSatelliteName << " ("
            << FormatPosition(summary.currentSatellitePosition) << ")\n";
    else
        out << "slot " << summary.currentSatellite << ", not a used satellite\n";
    out << "Consistency:       ";
    if (problems.empty())
        out << "consistent\n";
    else
        out << problems.size() << (problems.size() == 1 ? " problem" : " problems")
            << " (vormante-cli check lists them)\n";
    return EXIT_OK;
}

const Command INFO_COMMAND = {"info", "counts, current satellite and consistency verdict",
                              "Usage: vormante-cli info IMAGE\n"
                              "\n"
                              "Shows how many satellites, transponders, TV and radio channels IMAGE holds,\n"
                              "its current satellite, and whether it passes the consistency check.\n"
                              "\n"
                              "Exit status: 0 shown (consistent or not), 2 IMAGE missing, unreadable or\n"
                              "not 204800 bytes.\n",
                              RunInfo};

} // namespace vormante::cli
