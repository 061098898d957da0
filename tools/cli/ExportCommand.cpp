#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"

#include "model/ChannelList.h"
#include "model/ImageFile.h"

#include <memory>
#include <ostream>

namespace vormante::cli {

int RunExport(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ImageCommandStart start = StartImageCommand(args, EXPORT_COMMAND, {}, {"-o", "--output"}, out, err);
    if (start.exit)
        return *start.exit;
    return WriteTextResult(start.parsed, WriteChannelList(*start.db), "export", out, err);
}

const Command EXPORT_COMMAND = {
    "export", "write the channels as a CSV list",
    "Usage: vormante-cli export IMAGE [-o LIST]\n"
    "\n"
    "Writes every channel of IMAGE as a UTF-8 CSV list, satellite by satellite,\n"
    "TV then radio, under the header row\n"
    "  Satellite,Position,TV/Radio,Number,Name,Frequency,Polarization,Symbol rate,\n"
    "  Video PID,Audio PID,PCR PID,Teletext PID,Lock,Scrambled,Fav 1,Fav 2,Fav 3,Fav 4\n"
    "Reorder, rename or re-flag the rows in a spreadsheet and bring them back\n"
    "with 'vormante-cli import'.\n"
    "\n"
    "Options:\n"
    "  -o, --output LIST   write the list there (replacing it) instead of to\n"
    "                      standard output\n"
    "\n"
    "Exit status: 0 written, 1 LIST could not be written, 2 wrong usage or IMAGE\n"
    "missing, unreadable or not 204800 bytes.\n",
    RunExport};

} // namespace vormante::cli
