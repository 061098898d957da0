// Operations on the records of the working copy: allocation, chains, deletion
// cascades, renumbering, sorting and moving. They show no messages; failure
// comes back through the results (-1, 100, 255 or false). Every slot number read
// from the image is range-checked and every chain walk is bounded, so any
// 204800-byte content is safe to work on.
#pragma once

#include "ChannelDatabase.h"

#include <vector>

namespace vormante {

inline constexpr int NO_SATELLITE = 255;    // SatelliteSlotByOrdinal: no such satellite
inline constexpr int SATELLITES_FULL = 100; // AllocateSatellite: every slot used

// Satellites and transponders.
// Used satellite slots in slot order: entry k is the satellite of list number k + 1.
std::vector<int> UsedSatellites(const ChannelDatabase& db);
int SatelliteSlotByOrdinal(const ChannelDatabase& db, int ordinal);
int SatelliteOrdinalOfSlot(const ChannelDatabase& db, int slot);
int AllocateSatellite(ChannelDatabase& db);
void DeleteSatellite(ChannelDatabase& db, int slot);
void ClearSatelliteChannels(ChannelDatabase& db, int slot);
int AddTransponder(ChannelDatabase& db, int satellite);
int TransponderByOrdinal(const ChannelDatabase& db, int satellite, int index);
int TransponderOrdinal(const ChannelDatabase& db, int satellite, int transponder);
// What the satellite page lists, in chain order: the satellite's transponders that
// are in use and name it; the channels of one kind on one of its transponders.
std::vector<int> ListedTransponders(const ChannelDatabase& db, int satellite);
std::vector<int> ListedChannels(const ChannelDatabase& db, int satellite, int transponder, bool tv);
// Takes the transponder's channels along, whatever its hasChannels bit says; false,
// changing nothing, when the transponder is not on its satellite's chain.
bool DeleteTransponder(ChannelDatabase& db, int transponder);

// Channels. `tv` true selects serviceType 1 (TV), false 2 (radio).
int FindFreeChannelSlot(const ChannelDatabase& db);
int AddChannel(ChannelDatabase& db, int transponder);
// False, changing nothing, when the channel is not on that satellite's chain.
bool DeleteChannel(ChannelDatabase& db, int channel, int satellite);
int CountChannelsOnTransponder(const ChannelDatabase& db, int transponder, bool tv);
struct DeleteChannelsResult {
    bool ok = false;
    int deleted = 0;
};
DeleteChannelsResult DeleteChannelsOfTransponder(ChannelDatabase& db, int transponder);
int FindChannel(const ChannelDatabase& db, int satellite, int transponder, bool tv, int n);
int ChannelOrdinal(const ChannelDatabase& db, int satellite, int transponder, bool tv, int channel);
int CountChannelsOnCurrentSatellite(const ChannelDatabase& db, bool tv);
void RenumberChannels(ChannelDatabase& db, int satellite);

// Sorting and moving relink one satellite's channel chain.
enum class SortKind {
    NameUp = 0,
    NameDown = 1,
    ScrambledFirst = 2,
    ScrambledLast = 3,
    FrequencyUp = 4,
    FrequencyDown = 5
};
void SortChannels(ChannelDatabase& db, int satellite, SortKind kind);
int ChannelAtNumber(const ChannelDatabase& db, int satellite, int number, bool tv);
// Relinks the given satellite's chain (not the one currentSatellite names); false,
// changing nothing, unless a and b are two channels of that chain.
bool MoveChannel(ChannelDatabase& db, int satellite, int a, int b, bool before);
void MoveChannelToNumber(ChannelDatabase& db, int satellite, int current, int target, bool tv);

} // namespace vormante
