// The differences between two images: satellites, transponders and channels
// added, removed or changed (with the fields that differ), and the settings
// that differ. Read as the way from the first image to the second: "added"
// is only in the second, "removed" only in the first.
//
// Satellites pair by position (the same name preferred, then order),
// transponders by polarization and a frequency within +-2 MHz (an exact
// match preferred), channels through the channel matcher.
//
// Besides the fields it compares, the difference counts the bytes that differ
// in each part of the image, so that bytes no field shows (a channel's state,
// the satellite count, a sector header) still make two images differ.
#pragma once

#include "ChannelDatabase.h"

#include <string>
#include <vector>

namespace vormante {

enum class DiffKind { Added, Removed, Changed };

// One field that differs; texts are UTF-8.
struct FieldDifference {
    std::string field; // the field's name, translated
    std::string before;
    std::string after;
};

struct ItemDifference {
    DiffKind kind = DiffKind::Changed;
    std::string item; // "11494 MHz H 22000 kS/s", "TV 3 Das Erste" (translated)
    std::vector<FieldDifference> fields;
};

struct SatelliteDifference {
    DiffKind kind = DiffKind::Changed;
    std::string name; // UTF-8; the second image's for added satellites
    int position = 0;
    std::vector<FieldDifference> fields;
    std::vector<ItemDifference> transponders;
    std::vector<ItemDifference> channels;
};

// How many bytes differ in one part of the image.
struct ByteDifference {
    std::string table; // the key "satellite table", "channel table", "unused bytes", ...; see PartTableShown
    std::size_t count = 0;
};

struct ImageDifference {
    std::vector<SatelliteDifference> satellites; // the first image's in slot order, then added ones
    std::vector<FieldDifference> settings;
    std::vector<ByteDifference> bytes; // the parts with differing bytes, in image order
    // The images are byte for byte the same.
    bool empty() const { return bytes.empty(); }
    // No compared field differs (the bytes may).
    bool fieldsEqual() const { return satellites.empty() && settings.empty(); }
};

ImageDifference DiffImages(const ChannelDatabase& first, const ChannelDatabase& second);

const char* DiffKindName(DiffKind kind);  // "added", "removed", "changed": the key files and scripts read
std::string DiffKindShown(DiffKind kind); // the same word translated for the user

// A ByteDifference's table translated for the user.
std::string PartTableShown(const std::string& table);

// The differing bytes per part of the image, the parts in image order.
std::vector<ByteDifference> CountDifferingBytes(const DatabaseImage& first, const DatabaseImage& second);

// "3 in the channel table, 1 in the settings, 2 of the unused bytes"
std::string DescribeByteDifferences(const std::vector<ByteDifference>& bytes);

// A plain text report, one line per difference, grouped by satellite, and the
// differing bytes per part of the image.
std::string FormatDifferenceReport(const ImageDifference& difference, const std::string& firstName,
                                   const std::string& secondName);

} // namespace vormante
