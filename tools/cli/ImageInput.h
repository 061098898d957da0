// Reads an image file for a command, with a message for every way it can fail.
#pragma once

#include "model/ChannelDatabase.h"

#include <string>

namespace vormante::cli {

// Loads exactly IMAGE_SIZE bytes from path into db and builds its record pointers.
// Refuses files that are missing, unreadable, not regular files, or of any other size.
bool ReadImageFile(const std::string& path, ChannelDatabase& db, std::string* error);

} // namespace vormante::cli
