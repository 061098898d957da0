#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"

#include "exchange/SatellitesXml.h"
#include "model/ImageFile.h"
#include "model/TextEncoding.h"
#include "model/TransponderUpdate.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <set>

namespace vormante::cli {

namespace {

const char NAME[] = "satellites";

// "19.2E", "5.0W", "0.8w", "13" or "-5.0": degrees, East positive; tenths of a degree, or none.
std::optional<int> ParsePosition(std::string text) {
    int sign = 1;
    if (!text.empty() &&
        (text.back() == 'E' || text.back() == 'e' || text.back() == 'W' || text.back() == 'w')) {
        sign = text.back() == 'W' || text.back() == 'w' ? -1 : 1;
        text.pop_back();
    } else if (!text.empty() && text.front() == '-') {
        sign = -1;
        text.erase(0, 1);
    }
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string tenth = dot == std::string::npos ? "0" : text.substr(dot + 1);
    const auto digits = [](const std::string& part) {
        return std::all_of(part.begin(), part.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    };
    if (whole.empty() || whole.size() > 3 || tenth.size() != 1 || !digits(whole) || !digits(tenth))
        return std::nullopt;
    const int tenths = std::stoi(whole) * 10 + (tenth[0] - '0');
    if (tenths > MAX_FILE_POSITION)
        return std::nullopt;
    return sign * tenths;
}

// Takes every "--position POS" and "--position=POS" out of args; ParseArguments keeps one value per name.
bool TakePositions(CommandArgs& args, std::set<int>& positions, std::string* error) {
    CommandArgs rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string value;
        if (args[i] == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if (args[i].rfind("--position=", 0) == 0) {
            value = args[i].substr(11);
        } else if (args[i] == "--position") {
            if (i + 1 == args.size()) {
                *error = "option --position needs a value";
                return false;
            }
            value = args[++i];
        } else {
            rest.push_back(args[i]);
            continue;
        }
        const std::optional<int> position = ParsePosition(value);
        if (!position) {
            *error = "--position takes a position such as 19.2E or 5.0W, not '" + value + "'";
            return false;
        }
        positions.insert(*position);
    }
    args = std::move(rest);
    return true;
}

std::string Plural(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string SkippedText(const std::vector<SkippedTransponder>& skipped) {
    const auto dvbS2 = std::count_if(skipped.begin(), skipped.end(), [](const auto& s) { return s.dvbS2; });
    std::string text = std::to_string(skipped.size()) + " skipped";
    if (dvbS2 > 0)
        text += " (" + std::to_string(dvbS2) + " DVB-S2)";
    return text;
}

std::size_t Fitting(const std::vector<PlannedTransponder>& planned) {
    return static_cast<std::size_t>(
        std::count_if(planned.begin(), planned.end(), [](const PlannedTransponder& p) { return p.fits; }));
}

void PrintProblems(std::ostream& err, const std::string& file,
                   const std::vector<SkippedTransponder>& skipped) {
    for (const SkippedTransponder& problem : skipped)
        if (!problem.dvbS2)
            err << file << ": line " << problem.line << ": " << problem.reason << "\n";
}

void PrintPlan(std::ostream& out, std::ostream& err, const std::string& path, const SatelliteFile& file,
               const TransponderUpdatePlan& plan) {
    for (const SatelliteUpdate& update : plan.satellites) {
        out << Latin1ToUtf8(update.name) << " (" << FormatPosition(update.position) << "): ";
        if (update.beam < 0) {
            out << (update.beams.empty() ? "not in the file\n" : "not updated\n");
            continue;
        }
        const FileSatellite& beam = file.satellites[static_cast<std::size_t>(update.beam)];
        const auto deleted = std::count_if(update.unlisted.begin(), update.unlisted.end(),
                                           [](const PlannedTransponder& p) { return p.deleted; });
        out << "from \"" << beam.name << "\" (line " << beam.line << "): " << Fitting(update.added)
            << " added, " << update.updated.size() << " updated, " << update.unlisted.size()
            << " not in the file" << (deleted > 0 ? " (" + std::to_string(deleted) + " deleted)" : "") << ", "
            << SkippedText(update.skipped) << "\n";
        PrintProblems(err, path, update.skipped);
    }
    for (const SatelliteAddition& addition : plan.additions) {
        out << "New satellite \"" << Latin1ToUtf8(addition.name) << "\" ("
            << FormatPosition(addition.position) << ", "
            << texts::SatelliteLnbTypeName(static_cast<int>(addition.lnbType)) << "): ";
        if (addition.fits)
            out << Fitting(addition.transponders) << " added, " << SkippedText(addition.skipped) << "\n";
        else
            out << "does not fit, the image holds " << SATELLITE_SLOTS << " satellites\n";
        if (addition.fits)
            PrintProblems(err, path, addition.skipped);
    }
    if (plan.satellitesNotFitting > 0 || plan.transpondersNotFitting > 0)
        out << "Does not fit: " << Plural(std::size_t(plan.satellitesNotFitting), "satellite", "satellites")
            << " and " << Plural(std::size_t(plan.transpondersNotFitting), "transponder", "transponders")
            << " (the image holds " << SATELLITE_SLOTS << " satellites and " << TRANSPONDER_SLOTS
            << " transponders)\n";
    if (!plan.ChangesImage())
        out << "No changes\n";
}

TransponderUpdateOptions OptionsFor(const ChannelDatabase& db, const SatelliteFile& file,
                                    const ParsedArguments& parsed, const std::set<int>& positions) {
    TransponderUpdateOptions options;
    options.dvbS2 = parsed.flags.count("--dvb-s2") != 0;
    options.deleteUnlisted = parsed.flags.count("--delete-unlisted") != 0;
    const auto wanted = [&](int position) { return positions.empty() || positions.count(position) != 0; };
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        if (db.Satellite(s).isUsed() && !wanted(db.Satellite(s).position()))
            options.beams[s] = -1;
    if (parsed.flags.count("--add-satellites"))
        for (const SatelliteOffer& offer : PlanTransponderUpdate(db, file, options).offers)
            if (wanted(offer.position))
                options.additions[offer.file] = offer.proposedLnbType;
    return options;
}

int RunExportXml(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = ParseArguments(args, {}, {"-o", "--output"});
    if (!parsed.error.empty())
        return ReportUsageError(err, NAME, parsed.error);
    if (parsed.operands.size() != 1)
        return ReportUsageError(err, NAME, "export expects one IMAGE file");
    const auto db = LoadImageOperand(parsed.operands[0], NAME, err);
    if (!db)
        return EXIT_UNUSABLE;
    const QByteArray xml = WriteSatellitesXml(SatelliteFileOf(*db));
    const std::string output = OutputOption(parsed);
    if (output.empty()) {
        out.write(xml.constData(), xml.size());
        return out ? EXIT_OK : EXIT_PROBLEMS;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(xml.constData());
    const FileWriteResult written =
        WriteFileSafely(output, std::span(bytes, static_cast<std::size_t>(xml.size())));
    if (!written.ok()) {
        ReportError(err, NAME, written.message);
        return EXIT_PROBLEMS;
    }
    return EXIT_OK;
}

int RunImportXml(CommandArgs args, std::ostream& out, std::ostream& err) {
    std::set<int> positions;
    std::string error;
    if (!TakePositions(args, positions, &error))
        return ReportUsageError(err, NAME, error);
    const ParsedArguments parsed = ParseArguments(
        args, {"--add-satellites", "--delete-unlisted", "--dvb-s2", "--dry-run"}, {"-o", "--output"});
    if (!parsed.error.empty())
        return ReportUsageError(err, NAME, parsed.error);
    if (parsed.operands.size() != 2)
        return ReportUsageError(err, NAME, "import expects an IMAGE and a satellites.xml FILE");
    const bool dryRun = parsed.flags.count("--dry-run") != 0;
    const std::string output = OutputOption(parsed);
    if (output.empty() && !dryRun)
        return ReportUsageError(err, NAME, "import expects -o OUT, the image to write, or --dry-run");

    auto db = std::make_unique<ChannelDatabase>();
    if (!ReadImageFile(parsed.operands[0], *db, &error)) {
        ReportError(err, NAME, error);
        return EXIT_UNUSABLE;
    }
    const std::string& path = parsed.operands[1];
    const SatellitesXmlRead read = ReadSatellitesXmlFile(path);
    if (!read.ok) {
        ReportError(err, NAME, path + ": " + read.error + "; nothing was written");
        return EXIT_UNUSABLE;
    }
    for (const FileProblem& problem : read.file.skipped)
        err << path << ": line " << problem.line << ": " << problem.reason << "\n";

    const TransponderUpdatePlan plan =
        PlanTransponderUpdate(*db, read.file, OptionsFor(*db, read.file, parsed, positions));
    PrintPlan(out, err, path, read.file, plan);
    const int status = plan.satellitesNotFitting + plan.transpondersNotFitting > 0 ? EXIT_PROBLEMS : EXIT_OK;
    if (dryRun) {
        out << "Dry run: nothing was written\n";
        return status;
    }
    if (!StoreChangedImage(ApplyTransponderUpdate(*db, plan),
                           "the image changed while the file was being matched", output, *db, NAME, err))
        return EXIT_PROBLEMS;
    out << "Wrote " << output << "\n";
    return status;
}

} // namespace

int RunSatellites(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const auto asks = [&](const char* option) {
        return std::find(args.begin(), args.end(), option) != args.end();
    };
    if (asks("--help") || asks("-h")) {
        out << SATELLITES_COMMAND.help;
        return EXIT_OK;
    }
    if (args.empty())
        return ReportUsageError(err, NAME, "expects 'export' or 'import'");
    const CommandArgs rest(args.begin() + 1, args.end());
    if (args[0] == "export")
        return RunExportXml(rest, out, err);
    if (args[0] == "import")
        return RunImportXml(rest, out, err);
    return ReportUsageError(err, NAME, "expects 'export' or 'import', not '" + args[0] + "'");
}

const Command SATELLITES_COMMAND = {
    "satellites", "export or update the transponders as satellites.xml",
    "Usage: vormante-cli satellites export IMAGE [-o FILE]\n"
    "       vormante-cli satellites import IMAGE FILE -o OUT [--position POS]...\n"
    "                    [--add-satellites] [--delete-unlisted] [--dvb-s2] [--dry-run]\n"
    "\n"
    "export writes the satellites and transponders of IMAGE in the satellites.xml\n"
    "format that receivers and channel editors of many kinds read.\n"
    "\n"
    "import brings the transponders of a satellites.xml FILE into IMAGE and writes\n"
    "it to OUT. Each satellite of IMAGE takes the satellite of FILE at its\n"
    "position (of a C-band and a Ku-band beam, the one its LNB type receives: an\n"
    "LNB with a 5150 MHz oscillator is C-band). Transponders of FILE that IMAGE\n"
    "lacks are added, and those whose symbol rate differs are updated in place, so\n"
    "their channels stay on them. A transponder is the same when it is received\n"
    "with the same polarization (circular left as horizontal, right as vertical)\n"
    "within 2 MHz. Transponders IMAGE has and FILE does not list are kept.\n"
    "Additions stop when the tables are full (100 satellites, 2000 transponders);\n"
    "what does not fit is counted. For each satellite the summary says how many\n"
    "transponders are added, updated, not in the file and skipped.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT    export: write FILE there instead of to standard output;\n"
    "                      import: the image to write (may be IMAGE itself)\n"
    "  --position POS      only the satellites at POS (19.2E, 5.0W, or -5.0 in\n"
    "                      degrees); may be given more than once\n"
    "  --add-satellites    also add the satellites of FILE that IMAGE lacks (those\n"
    "                      at the --position values, or all), each with an LNB\n"
    "                      type of its band\n"
    "  --delete-unlisted   delete the transponders FILE does not list, unless they\n"
    "                      carry channels\n"
    "  --dvb-s2            take DVB-S2 transponders too (the receiver tunes DVB-S;\n"
    "                      they are skipped by default)\n"
    "  --dry-run           print the summary and write nothing\n"
    "\n"
    "Exit status: 0 written (or planned), 1 something did not fit the tables or OUT\n"
    "could not be written, 2 wrong usage, an unreadable IMAGE, or a FILE that is\n"
    "not a satellites.xml list (its line and the reason are shown; nothing is\n"
    "written).\n",
    RunSatellites};

} // namespace vormante::cli
