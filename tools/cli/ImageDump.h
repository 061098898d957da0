// The whole image as JSON: every used record and the settings, each field under its own name.
#pragma once

#include "model/ChannelDatabase.h"

#include <iosfwd>

namespace vormante::cli {

void WriteImageJson(const ChannelDatabase& db, std::ostream& out);

} // namespace vormante::cli
