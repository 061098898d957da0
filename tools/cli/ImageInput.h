// Reads an image file for a command, with a message for every way it can fail.
#pragma once

#include "Arguments.h"
#include "model/ChannelDatabase.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace vormante::cli {

// Loads exactly IMAGE_SIZE bytes from path into db and builds its record pointers.
// Refuses files that are missing, unreadable, not regular files, or of any other size.
bool ReadImageFile(const std::string& path, ChannelDatabase& db, std::string* error);

// The image a command names, read with ReadImageFile; null after saying on err, as
// the command, why it cannot be read.
std::unique_ptr<ChannelDatabase> LoadImageOperand(const std::string& path, const char* command,
                                                  std::ostream& err);

// The start of a command that reads one IMAGE: StartCommand with one operand, then
// the image read. `exit` holds the status when the command ends there.
struct ImageCommandStart {
    ParsedArguments parsed;
    std::unique_ptr<ChannelDatabase> db;
    std::optional<int> exit;
};
ImageCommandStart StartImageCommand(const CommandArgs& args, const Command& command,
                                    const std::set<std::string>& flagNames,
                                    const std::set<std::string>& valueNames, std::ostream& out,
                                    std::ostream& err);

// Reads a text file of at most maxBytes bytes: a channel list. Refuses files that
// are missing, unreadable, not regular files, or larger.
bool ReadTextFile(const std::string& path, std::size_t maxBytes, std::string* text, std::string* error);

// Writes the working copy of db to path atomically, as the editor's Save does: an
// existing file's content goes to path.bak first, and when that fails nothing is written.
bool WriteImageFile(const std::string& path, const ChannelDatabase& db, std::string* error);

// The end of a command that changes an image: `applied` says whether the planned
// change went in; then the image is written to output with WriteImageFile. False
// after saying on err, as the command, what failed (notApplied when it did not go in).
bool StoreChangedImage(bool applied, const char* notApplied, const std::string& output,
                       const ChannelDatabase& db, const char* command, std::ostream& err);

// Writes a command's text result to the file -o or --output names, replacing it
// safely, or to out when neither is given. The exit status; a file that cannot be
// written is said on err, as the command.
int WriteTextResult(const ParsedArguments& parsed, const std::string& text, const char* command,
                    std::ostream& out, std::ostream& err);

} // namespace vormante::cli
