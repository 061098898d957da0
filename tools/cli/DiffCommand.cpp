#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"
#include "JsonWriter.h"

#include "model/ImageDiff.h"

#include <memory>
#include <ostream>

namespace vormante::cli {

namespace {

std::string FieldsJson(const std::vector<FieldDifference>& fields) {
    std::string json = "[";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        JsonObjectBuilder field;
        field.utf8("field", fields[i].field).utf8("before", fields[i].before).utf8("after", fields[i].after);
        json += i ? ", " : "";
        json += field.str();
    }
    return json + "]";
}

std::string ItemsJson(const std::vector<ItemDifference>& items) {
    std::string json = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        JsonObjectBuilder item;
        item.utf8("kind", DiffKindName(items[i].kind))
            .utf8("item", items[i].item)
            .raw("fields", FieldsJson(items[i].fields));
        json += i ? ",\n      " : "\n      ";
        json += item.str();
    }
    return json + (items.empty() ? "]" : "\n    ]");
}

void WriteDifferenceJson(const ImageDifference& difference, std::ostream& out) {
    out << "{\n  \"identical\": " << (difference.empty() ? "true" : "false") << ",\n  \"satellites\": [";
    for (std::size_t i = 0; i < difference.satellites.size(); ++i) {
        const SatelliteDifference& satellite = difference.satellites[i];
        out << (i ? ",\n    {" : "\n    {") << "\"kind\": " << JsonUtf8String(DiffKindName(satellite.kind))
            << ", \"name\": " << JsonUtf8String(satellite.name) << ", \"position\": " << satellite.position
            << ", \"fields\": " << FieldsJson(satellite.fields)
            << ",\n    \"transponders\": " << ItemsJson(satellite.transponders)
            << ",\n    \"channels\": " << ItemsJson(satellite.channels) << "}";
    }
    std::string bytes = "[";
    for (std::size_t i = 0; i < difference.bytes.size(); ++i) {
        JsonObjectBuilder part;
        part.utf8("table", difference.bytes[i].table)
            .number("count", static_cast<long long>(difference.bytes[i].count));
        bytes += (i ? ", " : "") + part.str();
    }
    out << (difference.satellites.empty() ? "]" : "\n  ]")
        << ",\n  \"settings\": " << FieldsJson(difference.settings) << ",\n  \"bytes\": " << bytes
        << "]\n}\n";
}

} // namespace

int RunDiff(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const CommandStart start =
        StartCommand(args, DIFF_COMMAND, {"--json"}, {}, 2, "expects two IMAGE files", out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    auto first = std::make_unique<ChannelDatabase>();
    auto second = std::make_unique<ChannelDatabase>();
    std::string error;
    if (!ReadImageFile(parsed.operands[0], *first, &error) ||
        !ReadImageFile(parsed.operands[1], *second, &error)) {
        ReportError(err, "diff", error);
        return EXIT_UNUSABLE;
    }
    const ImageDifference difference = DiffImages(*first, *second);
    if (parsed.flags.count("--json"))
        WriteDifferenceJson(difference, out);
    else
        out << FormatDifferenceReport(difference, parsed.operands[0], parsed.operands[1]);
    return difference.empty() ? EXIT_OK : EXIT_PROBLEMS;
}

const Command DIFF_COMMAND = {"diff", "the differences between two images",
                              "Usage: vormante-cli diff IMAGE OTHER [--json]\n"
                              "\n"
                              "Lists what differs from IMAGE to OTHER, grouped by satellite: satellites,\n"
                              "transponders and channels added (only in OTHER), removed (only in IMAGE)\n"
                              "or changed, with the fields that differ, and the settings that differ.\n"
                              "Satellites pair by position, transponders by polarization and frequency\n"
                              "(within 2 MHz), channels by transponder, video and audio PID, then name;\n"
                              "a channel whose PIDs or transponder changed pairs by its name. The bytes\n"
                              "that differ are counted per part of the image (satellite table, channel\n"
                              "table, settings, ...), so bytes no listed field shows count too.\n"
                              "\n"
                              "Options:\n"
                              "  --json   the differences as one JSON object instead of text\n"
                              "\n"
                              "Exit status: 0 no difference (the images are byte for byte the same), 1\n"
                              "differences found, 2 wrong usage or an image missing, unreadable or not\n"
                              "204800 bytes.\n",
                              RunDiff};

} // namespace vormante::cli
