// Channels that a scan stored twice: on one satellite, channels the channel
// matcher calls the same service (same transponder within +-2 MHz, polarization,
// symbol rate, video and audio PIDs), whatever their names.
#pragma once

#include "ChannelDatabase.h"

#include <vector>

namespace vormante {

struct DuplicateGroup {
    int satellite = -1;
    std::vector<int> channels; // chain order; the first is the one to keep, the rest are extra copies
};

// Groups of two or more, satellites in slot order, groups by their first channel's place.
std::vector<DuplicateGroup> FindDuplicates(const ChannelDatabase& db);

// Every channel of every group but its first.
std::vector<int> ExtraCopies(const std::vector<DuplicateGroup>& groups);

// Deletes the given channels and renumbers their satellites, in one call. Every
// slot must be a channel on one used satellite's chain (not on two), each named
// once; otherwise nothing changes and the result is false. The chains are mended
// by their next links, so a wrong previous link does not cut them.
bool DeleteChannels(ChannelDatabase& db, const std::vector<int>& channels);

} // namespace vormante
