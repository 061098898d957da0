// TV and radio channel counts of the satellite named by currentSatellite, as
// both the all-channels page and the system settings page show them.
#pragma once

namespace vormante {

class ChannelDatabase;

struct ChannelCounts {
    int tv = 0;
    int radio = 0;
    int total() const { return tv + radio; }
};

// Zero for both when currentSatellite names no used satellite slot: a stale byte
// in the settings block must not make the counters walk a free slot's leftovers.
ChannelCounts CurrentSatelliteChannelCounts(const vormante::ChannelDatabase& database);

} // namespace vormante
