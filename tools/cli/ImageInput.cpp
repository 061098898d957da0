#include "ImageInput.h"

#include "Cli.h"
#include "Commands.h"

#include "model/ImageFile.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <span>
#include <sys/stat.h>

namespace vormante::cli {

namespace {

bool IsRegularFile(const std::string& path, std::string* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        *error = "cannot open \"" + path + "\": " + std::strerror(errno);
        return false;
    }
    // A pipe or a device could block or never end; inputs are always plain files.
    if (!S_ISREG(info.st_mode)) {
        *error = "\"" + path + "\" is not a regular file";
        return false;
    }
    return true;
}

} // namespace

bool ReadTextFile(const std::string& path, std::size_t maxBytes, std::string* text, std::string* error) {
    if (!IsRegularFile(path, error))
        return false;
    FileReadResult read = ReadFileBytes(path, maxBytes);
    if (!read.ok) {
        *error = read.error;
        return false;
    }
    if (read.bytes.size() > maxBytes) {
        *error = "\"" + path + "\" is larger than " + std::to_string(maxBytes) + " bytes";
        return false;
    }
    text->assign(read.bytes.begin(), read.bytes.end());
    return true;
}

bool WriteImageFile(const std::string& path, const ChannelDatabase& db, std::string* error) {
    const FileWriteResult backup = WriteBackupOf(path);
    if (!backup.ok()) {
        *error = backup.message + "; nothing was written";
        return false;
    }
    const FileWriteResult written = WriteFileSafely(path, std::span<const std::uint8_t>(db.workingCopy()));
    if (!written.ok())
        *error = written.message;
    return written.ok();
}

bool ReadImageFile(const std::string& path, ChannelDatabase& db, std::string* error) {
    if (!IsRegularFile(path, error))
        return false;
    FileReadResult read = ReadFileBytes(path, IMAGE_SIZE);
    if (!read.ok) {
        *error = read.error;
        return false;
    }
    if (read.bytes.size() != IMAGE_SIZE) {
        const std::string size = read.bytes.size() > IMAGE_SIZE ? "more than " + std::to_string(IMAGE_SIZE)
                                                                : std::to_string(read.bytes.size());
        *error = "\"" + path + "\" is not a database image: it holds " + size +
                 " bytes, an image has exactly " + std::to_string(IMAGE_SIZE);
        return false;
    }
    db.Reset(false);
    const LoadResult loaded = db.Load(read.bytes);
    if (!loaded.ok) {
        *error = "\"" + path + "\": " + loaded.error;
        return false;
    }
    db.BuildRecordPointers();
    return true;
}

std::unique_ptr<ChannelDatabase> LoadImageOperand(const std::string& path, const char* command,
                                                  std::ostream& err) {
    auto db = std::make_unique<ChannelDatabase>();
    std::string error;
    if (ReadImageFile(path, *db, &error))
        return db;
    ReportError(err, command, error);
    return nullptr;
}

ImageCommandStart StartImageCommand(const CommandArgs& args, const Command& command,
                                    const std::set<std::string>& flagNames,
                                    const std::set<std::string>& valueNames, std::ostream& out,
                                    std::ostream& err) {
    CommandStart start =
        StartCommand(args, command, flagNames, valueNames, 1, "expects one IMAGE file", out, err);
    ImageCommandStart image{std::move(start.parsed), nullptr, start.exit};
    if (!image.exit) {
        image.db = LoadImageOperand(image.parsed.operands[0], command.name, err);
        if (!image.db)
            image.exit = EXIT_UNUSABLE;
    }
    return image;
}

bool StoreChangedImage(bool applied, const char* notApplied, const std::string& output,
                       const ChannelDatabase& db, const char* command, std::ostream& err) {
    if (!applied) {
        ReportError(err, command, notApplied);
        return false;
    }
    std::string error;
    if (!WriteImageFile(output, db, &error)) {
        ReportError(err, command, error);
        return false;
    }
    return true;
}

int WriteTextResult(const ParsedArguments& parsed, const std::string& text, const char* command,
                    std::ostream& out, std::ostream& err) {
    const std::string output = OutputOption(parsed);
    if (output.empty()) {
        out << text;
        return out ? EXIT_OK : EXIT_PROBLEMS;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const FileWriteResult written =
        WriteFileSafely(output, std::span<const std::uint8_t>(bytes, text.size()));
    if (!written.ok()) {
        ReportError(err, command, written.message);
        return EXIT_PROBLEMS;
    }
    return EXIT_OK;
}

} // namespace vormante::cli
