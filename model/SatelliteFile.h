// A transponder list in the satellites.xml format as plain values: the
// satellites with their transponders as the file gives them, and what the
// reader skipped, each with its line and the reason. exchange/SatellitesXml
// reads and writes the XML; the model plans with these values and builds them
// from an image for the export.
#pragma once

#include "ChannelDatabase.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vormante {

// Positions are tenths of a degree, East positive; a file's position beyond
// +-180.0 degrees is skipped by the reader.
inline constexpr int MAX_FILE_POSITION = 1800;

// Polarizations as the file writes them. A receiver with an H/V LNB receives
// circular left as horizontal and circular right as vertical.
enum FilePolarization : unsigned {
    FILE_HORIZONTAL = 0,
    FILE_VERTICAL = 1,
    FILE_CIRCULAR_LEFT = 2,
    FILE_CIRCULAR_RIGHT = 3,
};

inline constexpr bool IsReceivedVertical(unsigned filePolarization) {
    return filePolarization == FILE_VERTICAL || filePolarization == FILE_CIRCULAR_RIGHT;
}

// An entry left out, with the line it stands on and why.
struct FileProblem {
    int line = 0;
    std::string reason;
};

struct FileTransponder {
    int line = 0;
    std::int64_t frequency = 0;  // kHz, greater than 0
    std::int64_t symbolRate = 0; // symbols per second, greater than 0
    unsigned polarization = FILE_HORIZONTAL;
    bool dvbS2 = false; // any system but DVB-S (0)
};

struct FileSatellite {
    int line = 0;
    std::string name; // UTF-8
    int position = 0;
    std::vector<FileTransponder> transponders;
    std::vector<FileProblem> skipped; // its transponders the reader could not take
};

struct SatelliteFile {
    std::vector<FileSatellite> satellites;
    std::vector<FileProblem> skipped; // satellites the reader could not take
};

// The image's used satellites in slot order, each with its transponders in chain
// order: frequency x 1000, symbol rate x 1000, horizontal or vertical, DVB-S.
SatelliteFile SatelliteFileOf(const ChannelDatabase& db);

} // namespace vormante
