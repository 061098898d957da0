#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"

#include "model/ListImport.h"

#include <memory>
#include <ostream>

namespace vormante::cli {

namespace {

void PrintCount(std::ostream& out, const char* what, std::size_t count, const char* note = "") {
    out << what << count << (count == 1 ? " channel" : " channels") << note << "\n";
}

} // namespace

int RunImport(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const CommandStart start = StartCommand(args, IMPORT_COMMAND, {"--delete-missing"}, {"-o", "--output"}, 2,
                                            "expects an IMAGE and a LIST file", out, err);
    if (start.exit)
        return *start.exit;
    const ParsedArguments& parsed = start.parsed;
    const std::string output = OutputOption(parsed);
    if (output.empty())
        return ReportUsageError(err, "import", "expects -o OUT, the image to write");
    const bool deleteMissing = parsed.flags.count("--delete-missing") != 0;

    auto db = std::make_unique<ChannelDatabase>();
    std::string error, text;
    if (!ReadImageFile(parsed.operands[0], *db, &error) ||
        !ReadTextFile(parsed.operands[1], MAX_LIST_BYTES, &text, &error)) {
        ReportError(err, "import", error);
        return EXIT_UNUSABLE;
    }
    const std::string& list = parsed.operands[1];
    const ListReadResult read = ReadChannelList(text);
    if (!read.ok) {
        ReportError(err, "import", list + ": " + read.error + "; nothing was written");
        return EXIT_UNUSABLE;
    }
    const ListImportPlan plan = PlanListImport(*db, read.rows);
    if (!plan.order.imageProblem.empty()) {
        ReportError(err, "import",
                    parsed.operands[0] + " is damaged: " + plan.order.imageProblem +
                        " ('vormante-cli check' lists its problems); nothing was written");
        return EXIT_PROBLEMS;
    }
    // Names come from the list: their control characters are shown, not sent to the terminal.
    for (const UnmatchedRow& row : plan.unmatchedRows)
        err << list << ": line " << row.line << ": no channel of the image matches \""
            << EscapeControls(row.name) << "\" (" << FormatPosition(row.position) << ")\n";
    for (const LongName& name : plan.namesTooLong)
        err << list << ": line " << name.line << ": the name \"" << EscapeControls(name.name)
            << "\" does not fit 11 Latin-1 characters; the channel keeps its name\n";
    for (const PairedByName& row : plan.pairedByName)
        err << list << ": line " << row.line << ": \"" << EscapeControls(row.name)
            << "\" has other PIDs or another transponder than its channel, paired by its name; the channel "
               "keeps its own\n";

    if (read.encoding != TextEncoding::Utf8)
        out << "Read " << list << " as " << EncodingName(read.encoding) << " text (it is not UTF-8)\n";
    PrintCount(out, "Moved:           ", plan.order.moved.size());
    PrintCount(out, "Renamed:         ", plan.order.renamed.size());
    PrintCount(out, "Flags changed:   ", plan.order.flagsChanged.size());
    PrintCount(out, "Not in the list: ", plan.order.missing.size(),
               plan.order.missing.empty() ? ""
               : deleteMissing            ? ", deleted"
                                          : ", kept after the listed ones");
    if (!StoreChangedImage(ApplyListImport(*db, plan, deleteMissing),
                           "the list could not be applied to the image; nothing was written", output, *db,
                           "import", err))
        return EXIT_PROBLEMS;
    out << "Wrote " << output << "\n";
    return plan.unmatchedRows.empty() && plan.namesTooLong.empty() ? EXIT_OK : EXIT_PROBLEMS;
}

const Command IMPORT_COMMAND = {"import", "order, rename and re-flag channels as a CSV list says",
                                "Usage: vormante-cli import IMAGE LIST -o OUT [--delete-missing]\n"
                                "\n"
                                "Reads LIST, a channel list as 'vormante-cli export' writes it and as\n"
                                "spreadsheets save it (comma or semicolon separators, quotes, a byte order\n"
                                "mark, CRLF), and writes IMAGE to OUT with each satellite's channels in the\n"
                                "order of the list's rows and with the list's names and lock, scrambled and\n"
                                "favourite flags. Rows are paired with channels by satellite position,\n"
                                "transponder, video and audio PID, then name. The Number and TV/Radio\n"
                                "columns are not read: the row order sets the numbers.\n"
                                "\n"
                                "LIST may be UTF-8 or, when it is not, Windows-1252 text, and may leave out\n"
                                "the Number and TV/Radio columns. The Satellite column tells apart two\n"
                                "satellites at one position. A row whose PIDs or transponder differ from\n"
                                "its channel's is paired by satellite, kind and name; the channel keeps its\n"
                                "own PIDs. An existing OUT is first copied to OUT.bak, as the editor's Save\n"
                                "does.\n"
                                "\n"
                                "Options:\n"
                                "  -o, --output OUT    the image to write (may be IMAGE itself)\n"
                                "  --delete-missing    delete the channels no row names; without it they\n"
                                "                      stay, after the listed ones\n"
                                "\n"
                                "Exit status: 0 written, 1 written but some rows matched no channel or held\n"
                                "a name too long for the receiver, or OUT could not be written, 2 wrong\n"
                                "usage, an unreadable IMAGE, or a LIST that is not a channel list (its line\n"
                                "and the reason are shown; nothing is written). A name too long is status 1\n"
                                "even when every row matched: that channel keeps its old name. A damaged\n"
                                "IMAGE (a channel on two satellites' chains) is status 1, nothing written.\n",
                                RunImport};

} // namespace vormante::cli
