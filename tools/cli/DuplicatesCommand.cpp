#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"
#include "JsonWriter.h"

#include "model/Duplicates.h"

#include <memory>
#include <ostream>

namespace vormante::cli {

namespace {

std::string Describe(const ChannelDatabase& db, int channel) {
    const ConstChannelRecord record = db.Channel(channel);
    return std::string(record.videoPid() == NULL_PID ? "Radio " : "TV ") +
           std::to_string(record.channelNumber()) + " " + JsonLatin1String(record.name()) + " (slot " +
           std::to_string(channel) + ")";
}

void WriteText(const ChannelDatabase& db, const std::vector<DuplicateGroup>& groups, std::ostream& out) {
    for (const DuplicateGroup& group : groups) {
        const ConstSatelliteRecord satellite = db.Satellite(group.satellite);
        const std::string name = JsonLatin1String(satellite.name());
        out << name.substr(1, name.size() - 2) << " (" << FormatPosition(satellite.position()) << "): ";
        for (std::size_t i = 0; i < group.channels.size(); ++i)
            out << (i ? ", " : "") << Describe(db, group.channels[i]);
        out << "\n";
    }
}

void WriteJson(const ChannelDatabase& db, const std::vector<DuplicateGroup>& groups, std::ostream& out) {
    out << "{\n  \"groups\": [";
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const ConstSatelliteRecord satellite = db.Satellite(groups[g].satellite);
        std::string channels = "[";
        for (std::size_t i = 0; i < groups[g].channels.size(); ++i) {
            const ConstChannelRecord record = db.Channel(groups[g].channels[i]);
            JsonObjectBuilder channel;
            channel.number("slot", groups[g].channels[i])
                .text("name", record.name())
                .text("type", record.videoPid() == NULL_PID ? "radio" : "tv")
                .number("number", record.channelNumber());
            channels += i ? ", " : "";
            channels += channel.str();
        }
        JsonObjectBuilder group;
        group.number("satellite", groups[g].satellite)
            .text("satelliteName", satellite.name())
            .number("position", satellite.position())
            .raw("channels", channels + "]");
        out << (g ? ",\n    " : "\n    ") << group.str();
    }
    out << (groups.empty() ? "]" : "\n  ]") << ",\n  \"extraCopies\": " << ExtraCopies(groups).size()
        << "\n}\n";
}

} // namespace

int RunDuplicates(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ImageCommandStart start = StartImageCommand(args, DUPLICATES_COMMAND, {"--json"}, {}, out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const ChannelDatabase& db = *start.db;
    const std::vector<DuplicateGroup> groups = FindDuplicates(db);
    if (parsed.flags.count("--json"))
        WriteJson(db, groups, out);
    else if (groups.empty())
        out << "No duplicates.\n";
    else
        WriteText(db, groups, out);
    if (groups.empty())
        return EXIT_OK;
    const std::size_t extra = ExtraCopies(groups).size();
    err << parsed.operands[0] << ": " << extra << (extra == 1 ? " extra copy" : " extra copies") << " in "
        << groups.size() << (groups.size() == 1 ? " group" : " groups") << "\n";
    return EXIT_PROBLEMS;
}

const Command DUPLICATES_COMMAND = {
    "duplicates", "channels stored twice on one satellite",
    "Usage: vormante-cli duplicates IMAGE [--json]\n"
    "\n"
    "Lists the channels of each satellite that are the same service: the same\n"
    "transponder (within 2 MHz), polarization, symbol rate, video and audio PID,\n"
    "whatever their names. Each line is one group, the first channel being the\n"
    "one to keep.\n"
    "\n"
    "Options:\n"
    "  --json   the groups as one JSON object instead of text\n"
    "\n"
    "Exit status: 0 no duplicates, 1 duplicates found, 2 wrong usage or IMAGE\n"
    "missing, unreadable or not 204800 bytes.\n",
    RunDuplicates};

} // namespace vormante::cli
