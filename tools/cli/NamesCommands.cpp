// order-by-names and export-names: one satellite's channels of one kind in the
// order of a plain list of names, and that list written out.
#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"
#include "JsonWriter.h"

#include "model/BulkOperations.h"
#include "model/ImageFile.h"
#include "model/NamesOrder.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <span>

namespace vormante::cli {

namespace {

// "19.2E", "19.2e", "13E", "5.0W" as tenths of a degree, East positive.
std::optional<int> ParsePosition(const std::string& text) {
    if (text.size() < 2)
        return std::nullopt;
    const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (side != 'E' && side != 'W')
        return std::nullopt;
    int whole = 0, tenths = 0, digits = 0;
    std::size_t i = 0;
    for (; i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && digits < 4;
         ++i, ++digits)
        whole = whole * 10 + (text[i] - '0');
    if (digits == 0)
        return std::nullopt;
    if (i + 1 < text.size() && text[i] == '.') {
        if (i + 3 != text.size() || !std::isdigit(static_cast<unsigned char>(text[i + 1])))
            return std::nullopt;
        tenths = text[i + 1] - '0';
        i += 2;
    }
    if (i + 1 != text.size())
        return std::nullopt;
    return (side == 'W' ? -1 : 1) * (whole * 10 + tenths);
}

bool SameLetters(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool HoldsChannels(const ChannelDatabase& db, int satellite) {
    return db.Satellite(satellite).isUsed() && IsChannelSlot(db.Satellite(satellite).firstChannel());
}

// The satellite --satellite names by position or name; without it the image's
// current satellite, or else the first that holds channels. -1 with a message.
int ChooseSatellite(const ChannelDatabase& db, const std::map<std::string, std::string>& values,
                    std::string* error) {
    const auto given = values.find("--satellite");
    if (given == values.end()) {
        const int current = static_cast<int>(db.Settings().currentSatellite());
        if (IsSatelliteSlot(current) && HoldsChannels(db, current))
            return current;
        for (int s = 0; s < SATELLITE_SLOTS; ++s)
            if (HoldsChannels(db, s))
                return s;
        *error = "the image holds no channels";
        return -1;
    }
    const std::optional<int> position = ParsePosition(given->second);
    std::string latin1;
    const bool nameFits = Utf8ToLatin1(given->second, &latin1);
    std::vector<int> found;
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        const ConstSatelliteRecord sat = db.Satellite(s);
        if (sat.isUsed() &&
            ((position && sat.position() == *position) || (nameFits && SameLetters(sat.name(), latin1))))
            found.push_back(s);
    }
    if (found.size() == 1)
        return found.front();
    if (found.empty()) {
        *error = "no satellite is named or placed at \"" + given->second + "\"";
    } else {
        *error = std::to_string(found.size()) + " satellites answer to \"" + given->second + "\":";
        for (const int s : found)
            *error += std::string(s == found.front() ? " " : ", ") + "\"" +
                      Latin1ToUtf8(db.Satellite(s).name()) + "\"";
        *error += "; give one of the names";
    }
    return -1;
}

std::string SatelliteText(const ChannelDatabase& db, int satellite, bool tv) {
    const ConstSatelliteRecord sat = db.Satellite(satellite);
    return Latin1ToUtf8(sat.name()) + " (" + FormatPosition(sat.position()) + "), " + (tv ? "TV" : "radio");
}

std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Each line that did not simply match, on err.
void ReportLines(const ChannelDatabase& db, const NamesOrderPlan& plan, const std::string& list,
                 std::ostream& err) {
    for (std::size_t l = 0; l < plan.lines.size(); ++l) {
        const MatchedNameLine& line = plan.lines[l];
        const std::string where = list + ": line " + std::to_string(line.line) + ": ";
        if (!line.latin1)
            err << where << "\"" << line.name
                << "\" holds characters Latin-1 cannot hold; it matches no channel\n";
        else if (line.match == NameMatch::None)
            err << where << "no channel matches \"" << line.name << "\"\n";
        else if (!line.candidates.empty())
            err << where << "\"" << line.name << "\" matches " << line.candidates.size()
                << " channels; took number " << line.numberBefore << " \""
                << Latin1ToUtf8(db.Channel(line.channel).name()) << "\", the first in chain order\n";
    }
    for (const std::size_t l : plan.namesTooLong)
        err << list << ": line " << plan.lines[l].line << ": the name \"" << plan.lines[l].name
            << "\" does not fit 11 Latin-1 characters; the channel keeps its name\n";
}

void PrintSummary(const ChannelDatabase& db, const NamesOrderPlan& plan, const NamesListResult& read,
                  std::ostream& out) {
    const std::size_t unlisted = plan.unlisted.size();
    out << "Satellite:        " << SatelliteText(db, plan.options.satellite, plan.options.tv) << "\n"
        << "Lines:            " << plan.lines.size() << " (" << EncodingName(read.encoding) << ")\n"
        << "Exact:            " << Count(plan.Count(NameMatch::Exact), "line", "lines") << "\n"
        << "Case-folded:      " << Count(plan.Count(NameMatch::CaseFolded), "line", "lines") << "\n"
        << "Loose:            " << Count(plan.Count(NameMatch::Loose), "line", "lines") << "\n"
        << "No match:         " << Count(plan.Count(NameMatch::None), "line", "lines") << "\n"
        << "Not in the list:  " << Count(unlisted, "channel", "channels")
        << (unlisted == 0                 ? ""
            : plan.options.deleteUnlisted ? ", deleted"
                                          : ", kept after the listed ones")
        << "\n"
        << "Moved:            " << Count(plan.order.moved.size(), "channel", "channels") << "\n"
        << "Renamed:          " << Count(plan.order.renamed.size(), "channel", "channels") << "\n";
}

std::string JsonNumbers(const std::vector<int>& channels, const std::vector<int>& kind) {
    std::string json = "[";
    for (const int c : channels) {
        const auto at = std::find(kind.begin(), kind.end(), c);
        json += (json.size() > 1 ? ", " : "") + std::to_string(at - kind.begin() + 1);
    }
    return json + "]";
}

// The plan as JSON, made before the image changes.
std::string JsonReport(const ChannelDatabase& before, const NamesOrderPlan& plan, const NamesListResult& read,
                       const std::string& output) {
    const std::vector<int> kind = ChannelsOfKind(before, plan.options.satellite, plan.options.tv);
    std::string lines = "[";
    for (const MatchedNameLine& line : plan.lines) {
        JsonObjectBuilder item;
        item.number("line", line.line).utf8("name", line.name).utf8("match", NameMatchText(line.match));
        if (line.channel >= 0)
            item.number("numberBefore", line.numberBefore)
                .number("numberAfter", line.numberAfter)
                .text("channel", before.Channel(line.channel).name())
                .raw("candidates", JsonNumbers(line.candidates, kind));
        lines += (lines.size() > 1 ? ",\n  " : "\n  ") + item.str();
    }
    lines += "]";
    std::string unlisted = "[";
    for (const int c : plan.unlisted) {
        JsonObjectBuilder item;
        item.number("number", std::find(kind.begin(), kind.end(), c) - kind.begin() + 1)
            .text("name", before.Channel(c).name());
        unlisted += (unlisted.size() > 1 ? ", " : "") + item.str();
    }
    unlisted += "]";
    std::string tooLong = "[";
    for (const std::size_t l : plan.namesTooLong)
        tooLong += (tooLong.size() > 1 ? ", " : "") + std::to_string(plan.lines[l].line);
    tooLong += "]";
    const ConstSatelliteRecord sat = before.Satellite(plan.options.satellite);
    JsonObjectBuilder report;
    report.text("satellite", sat.name())
        .utf8("position", FormatPosition(sat.position()))
        .utf8("kind", plan.options.tv ? "TV" : "radio")
        .utf8("encoding", EncodingName(read.encoding))
        .raw("lines", lines)
        .raw("unlisted", unlisted)
        .utf8("unlistedAre", plan.options.deleteUnlisted ? "deleted" : "kept")
        .number("moved", static_cast<long long>(plan.order.moved.size()))
        .number("renamed", static_cast<long long>(plan.order.renamed.size()))
        .raw("namesTooLong", tooLong)
        .utf8("output", output);
    return report.str() + "\n";
}

} // namespace

int RunOrderByNames(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const char* const name = "order-by-names";
    const CommandStart start =
        StartCommand(args, ORDER_BY_NAMES_COMMAND, {"--radio", "--rename", "--delete-missing", "--json"},
                     {"-o", "--output", "--satellite"}, 2, "expects an IMAGE and a LIST file", out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const std::string output = OutputOption(parsed);
    if (output.empty())
        return ReportUsageError(err, name, "expects -o OUT, the image to write");

    auto db = std::make_unique<ChannelDatabase>();
    std::string error, text;
    if (!ReadImageFile(parsed.operands[0], *db, &error) ||
        !ReadTextFile(parsed.operands[1], MAX_NAMES_BYTES, &text, &error)) {
        ReportError(err, name, error);
        return EXIT_UNUSABLE;
    }
    const NamesListResult read = ReadNamesList(text);
    if (!read.ok) {
        ReportError(err, name, parsed.operands[1] + ": " + read.error + "; nothing was written");
        return EXIT_UNUSABLE;
    }
    NamesOrderOptions options;
    options.satellite = ChooseSatellite(*db, parsed.values, &error);
    if (options.satellite < 0)
        return ReportUsageError(err, name, error);
    options.tv = parsed.flags.count("--radio") == 0;
    options.rename = parsed.flags.count("--rename") != 0;
    options.deleteUnlisted = parsed.flags.count("--delete-missing") != 0;
    const NamesOrderPlan plan = PlanNamesOrder(*db, read.lines, options);
    const bool json = parsed.flags.count("--json") != 0;
    const std::string report = json ? JsonReport(*db, plan, read, output) : std::string();
    if (!json) {
        ReportLines(*db, plan, parsed.operands[1], err);
        PrintSummary(*db, plan, read, out);
    }
    if (!StoreChangedImage(ApplyNamesOrder(*db, plan),
                           "the image holds channels on two satellites' chains; check it first", output, *db,
                           name, err))
        return EXIT_PROBLEMS;
    if (json)
        out << report;
    else
        out << "Wrote " << output << "\n";
    return plan.Count(NameMatch::None) == 0 && plan.namesTooLong.empty() ? EXIT_OK : EXIT_PROBLEMS;
}

int RunExportNames(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const char* const name = "export-names";
    const ImageCommandStart start = StartImageCommand(args, EXPORT_NAMES_COMMAND, {"--radio"},
                                                      {"-o", "--output", "--satellite"}, out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const ChannelDatabase& db = *start.db;
    std::string error;
    const int satellite = ChooseSatellite(db, parsed.values, &error);
    if (satellite < 0)
        return ReportUsageError(err, name, error);
    return WriteTextResult(parsed, WriteNamesList(db, satellite, parsed.flags.count("--radio") == 0), name,
                           out, err);
}

const Command ORDER_BY_NAMES_COMMAND = {
    "order-by-names", "order one satellite's channels by a list of names",
    "Usage: vormante-cli order-by-names IMAGE LIST -o OUT [--satellite POS|NAME]\n"
    "                                   [--radio] [--rename] [--delete-missing] [--json]\n"
    "\n"
    "Reads LIST, one channel name a line (also \"number;name\", \"number,name\" or\n"
    "\"number<TAB>name\", where the number orders the lines; blank lines and lines\n"
    "starting with # are skipped; UTF-8 or Windows-1252), and writes IMAGE to OUT\n"
    "with the satellite's TV (or radio) channels that the list names at the top,\n"
    "in the list's order, and the others after them in their order.\n"
    "\n"
    "A line matches a channel of the same name; failing that, one with the same\n"
    "letters and digits ignoring case, spaces and punctuation (case-folded); failing\n"
    "that, one that also differs in accents or a trailing HD, SD, TV or +1 (loose).\n"
    "Each channel is taken once; a line that matches several takes the first in\n"
    "chain order. Lines that match nothing are reported on standard error.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT      the image to write (may be IMAGE itself)\n"
    "  --satellite POS|NAME  the satellite, by position (19.2E, 5.0W) or name;\n"
    "                        without it the image's current satellite\n"
    "  --radio               order the radio channels instead of the TV channels\n"
    "  --rename              give matched channels the list's spelling where it\n"
    "                        fits 11 Latin-1 characters\n"
    "  --delete-missing      delete the channels the list does not name; without\n"
    "                        it they stay, after the listed ones\n"
    "  --json                report every line's match as one JSON object\n"
    "\n"
    "Exit status: 0 written, 1 written but some lines matched no channel or held a\n"
    "name too long for the receiver, or OUT could not be written, 2 wrong usage,\n"
    "an unreadable IMAGE, or a LIST that is no list of names (its line and the\n"
    "reason are shown; nothing is written).\n",
    RunOrderByNames};

const Command EXPORT_NAMES_COMMAND = {
    "export-names", "write one satellite's channel names as a list",
    "Usage: vormante-cli export-names IMAGE [--satellite POS|NAME] [--radio] [-o LIST]\n"
    "\n"
    "Writes the satellite's TV (or radio) channels as \"number;name\" lines in their\n"
    "order, UTF-8, under a comment naming the satellite. 'vormante-cli\n"
    "order-by-names' reads the list back; edited, it puts the channels in its order.\n"
    "\n"
    "Options:\n"
    "  --satellite POS|NAME  the satellite, by position (19.2E, 5.0W) or name;\n"
    "                        without it the image's current satellite\n"
    "  --radio               the radio channels instead of the TV channels\n"
    "  -o, --output LIST     write the list there (replacing it) instead of to\n"
    "                        standard output\n"
    "\n"
    "Exit status: 0 written, 1 LIST could not be written, 2 wrong usage, IMAGE\n"
    "missing, unreadable or not 204800 bytes, or no such satellite.\n",
    RunExportNames};

} // namespace vormante::cli
