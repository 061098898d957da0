// archive: what the archive of received, sent and replaced images holds, one image
// out of it, and its bound.
#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"

#include "archive/ArchiveKeeper.h"
#include "archive/ImageArchive.h"
#include "model/ImageFile.h"
#include "model/ImageLayout.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iomanip>
#include <optional>
#include <ostream>
#include <span>

namespace vormante::cli {

namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

QJsonValue Count(int value) {
    return value < 0 ? QJsonValue() : QJsonValue(value);
}

QJsonObject EntryJson(const ArchiveEntry& entry) {
    QJsonObject object{{QStringLiteral("id"), entry.id},
                       {QStringLiteral("time"), entry.time.toUTC().toString(Qt::ISODate)},
                       {QStringLiteral("kind"), ArchiveKindName(entry.kind)},
                       {QStringLiteral("satellites"), Count(entry.satellites)},
                       {QStringLiteral("transponders"), Count(entry.transponders)},
                       {QStringLiteral("channels"), Count(entry.channels)},
                       {QStringLiteral("bytes"), entry.bytes}};
    if (entry.kind == ArchiveKind::BeforeSave)
        object.insert(QStringLiteral("file"), entry.file);
    else
        object.insert(QStringLiteral("port"), entry.port);
    if (entry.damaged)
        object.insert(QStringLiteral("damaged"), true);
    return object;
}

std::string Column(int value) {
    return value < 0 ? "-" : std::to_string(value);
}

int RunList(const ParsedArguments& parsed, std::ostream& out, std::ostream& err) {
    if (parsed.operands.size() != 1)
        return ReportUsageError(err, "archive", "list takes no operands");
    ImageArchive archive;
    const ImageArchive::Listing listing = archive.List();
    if (!listing.problem.isEmpty())
        ReportError(err, "archive", Text(listing.problem));
    if (parsed.flags.count("--json")) {
        QJsonArray entries;
        for (const ArchiveEntry& entry : listing.entries)
            entries.append(EntryJson(entry));
        out << QJsonDocument(entries).toJson(QJsonDocument::Indented).toStdString();
        return EXIT_OK;
    }
    std::size_t idWidth = 2;
    for (const ArchiveEntry& entry : listing.entries)
        idWidth = std::max<std::size_t>(idWidth, static_cast<std::size_t>(entry.id.size()));
    out << std::left << std::setw(static_cast<int>(idWidth) + 2) << "ID" << std::setw(21) << "TIME"
        << std::setw(13) << "KIND" << std::right << std::setw(5) << "SAT" << std::setw(6) << "TP"
        << std::setw(6) << "CH"
        << "  FILE OR PORT\n";
    for (const ArchiveEntry& entry : listing.entries) {
        const std::string kind = Text(ArchiveKindName(entry.kind)) + (entry.damaged ? "!" : "");
        out << std::left << std::setw(static_cast<int>(idWidth) + 2) << Text(entry.id) << std::setw(21)
            << Text(archiving::ShownTime(entry)) << std::setw(13) << kind << std::right << std::setw(5)
            << Column(entry.satellites) << std::setw(6) << Column(entry.transponders) << std::setw(6)
            << Column(entry.channels) << "  " << Text(archiving::ShownPlace(entry)) << "\n";
    }
    const auto damaged = std::count_if(listing.entries.begin(), listing.entries.end(),
                                       [](const ArchiveEntry& entry) { return entry.damaged; });
    out << listing.entries.size() << (listing.entries.size() == 1 ? " image" : " images") << " in "
        << Text(QDir::toNativeSeparators(archive.folder())) << " (at most " << listing.limit << " kept)";
    if (damaged)
        out << "; " << damaged << " damaged (marked !), never opened as an image";
    out << "\n";
    return EXIT_OK;
}

int RunShow(const ParsedArguments& parsed, std::ostream& out, std::ostream& err) {
    if (parsed.operands.size() != 2)
        return ReportUsageError(err, "archive", "show expects one ID (see vormante-cli archive list)");
    if (parsed.values.count("-o") && parsed.values.count("--output"))
        return ReportUsageError(err, "archive", "give -o or --output, not both");
    const QString id = QString::fromStdString(parsed.operands[1]);
    ImageArchive archive;
    const ImageArchive::Listing listing = archive.List();
    const auto entry = std::find_if(listing.entries.begin(), listing.entries.end(),
                                    [&](const ArchiveEntry& candidate) { return candidate.id == id; });
    if (entry == listing.entries.end()) {
        ReportError(err, "archive", "the archive holds no image " + parsed.operands[1]);
        return EXIT_UNUSABLE;
    }
    const std::string output = OutputOption(parsed);
    if (output.empty()) {
        out << "ID:           " << Text(entry->id) << "\n"
            << "Time:         " << Text(archiving::ShownTime(*entry)) << "\n"
            << "Kind:         " << Text(ArchiveKindName(entry->kind)) << "\n"
            << (entry->kind == ArchiveKind::BeforeSave ? "File:         " : "Port:         ")
            << Text(archiving::ShownPlace(*entry)) << "\n"
            << "Satellites:   " << Column(entry->satellites) << "\n"
            << "Transponders: " << Column(entry->transponders) << "\n"
            << "Channels:     " << Column(entry->channels) << "\n"
            << "Stored as:    " << Text(QDir::toNativeSeparators(archive.PathOf(*entry)))
            << (entry->damaged ? " (damaged: not a whole image)" : "") << "\n";
        return EXIT_OK;
    }
    QByteArray image;
    QString error;
    if (!archive.Read(id, &image, &error)) {
        ReportError(err, "archive", Text(error));
        return EXIT_UNUSABLE;
    }
    const FileWriteResult written = WriteFileSafely(
        output, std::span(reinterpret_cast<const std::uint8_t*>(image.constData()), IMAGE_SIZE));
    if (!written.ok()) {
        ReportError(err, "archive", written.message);
        return EXIT_PROBLEMS;
    }
    return EXIT_OK;
}

int RunPrune(const ParsedArguments& parsed, std::ostream& out, std::ostream& err) {
    if (parsed.operands.size() != 1)
        return ReportUsageError(err, "archive", "prune takes no operands");
    int keep = 0;
    if (const auto value = parsed.values.find("--keep"); value != parsed.values.end()) {
        const std::string& text = value->second;
        if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(text) < 1)
            return ReportUsageError(err, "archive", "--keep takes a number of images from 1 up");
        keep = std::stoi(text);
    }
    ImageArchive archive;
    QList<ArchiveEntry> dropped;
    QString error;
    if (!archive.Prune(keep, &dropped, &error)) {
        ReportError(err, "archive", Text(error));
        return EXIT_PROBLEMS;
    }
    const ImageArchive::Listing listing = archive.List();
    for (const ArchiveEntry& entry : dropped)
        out << "Removed " << Text(archiving::Describe(entry)) << "\n";
    out << listing.entries.size() << (listing.entries.size() == 1 ? " image" : " images") << " kept, at most "
        << listing.limit << ".\n";
    return EXIT_OK;
}

} // namespace

int RunArchive(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = ParseArguments(args, {"--json"}, {"-o", "--output", "--keep"});
    if (parsed.help) {
        out << ARCHIVE_COMMAND.help;
        return EXIT_OK;
    }
    if (!parsed.error.empty())
        return ReportUsageError(err, "archive", parsed.error);
    const std::string action = parsed.operands.empty() ? std::string() : parsed.operands[0];
    const bool json = parsed.flags.count("--json") > 0;
    const bool output = parsed.values.count("-o") || parsed.values.count("--output");
    const bool keep = parsed.values.count("--keep") > 0;
    if (action == "list" && !output && !keep)
        return RunList(parsed, out, err);
    if (action == "show" && !json && !keep)
        return RunShow(parsed, out, err);
    if (action == "prune" && !json && !output)
        return RunPrune(parsed, out, err);
    if (action == "list" || action == "show" || action == "prune")
        return ReportUsageError(err, "archive", "that option does not go with " + action);
    return ReportUsageError(err, "archive",
                            action.empty() ? "say list, show or prune" : "unknown action '" + action + "'");
}

const Command ARCHIVE_COMMAND = {
    "archive", "the archive of images received, sent and replaced by saves",
    "Usage: vormante-cli archive list [--json]\n"
    "       vormante-cli archive show ID [-o FILE]\n"
    "       vormante-cli archive prune [--keep N]\n"
    "\n"
    "The editor and vormante-cli keep every image received from the receiver, every\n"
    "image sent to it, and the content of a file just before a save replaces it, in\n"
    "vormante/archive in the user's data folder ($XDG_DATA_HOME, by default\n"
    "~/.local/share). Identical content is stored once.\n"
    "\n"
    "  list            the archived images, newest first: id, time, kind (received,\n"
    "                  sent or before-save), counts of satellites, transponders and\n"
    "                  channels, and the port or file; damaged files are marked !\n"
    "  list --json     the same as a JSON array of objects with id, time (ISO 8601,\n"
    "                  UTC), kind, port or file, satellites, transponders, channels\n"
    "                  and bytes (damaged: true for a file that is not a whole image)\n"
    "  show ID         what the archive knows about one image\n"
    "  show ID -o FILE write the image to FILE (-o or --output), replacing it\n"
    "  prune           remove the images past the bound: the oldest copies from\n"
    "                  before saving first, then sent images, received ones last\n"
    "  prune --keep N  set the bound to N images (500 unless set) and prune\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be written, 2 wrong usage, an unknown\n"
    "ID or a damaged image.\n",
    RunArchive};

} // namespace vormante::cli
