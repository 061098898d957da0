// Reading and writing image files with plain C++ streams, for the tools that
// run without Qt. Every failure comes back as a message to show.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vormante {

struct FileReadResult {
    bool ok = false;
    std::vector<std::uint8_t> bytes;
    std::string error;
};

// Reads at most maxBytes + 1 bytes, so a caller can tell a file that is too long.
FileReadResult ReadFileBytes(const std::string& path, std::size_t maxBytes);

// Writes to a temporary file beside the target, flushes it to disk and renames
// it over the target, so the target holds either its old or its new content.
// A target that exists and is not a regular file is refused.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error);

} // namespace vormante
