// The edits of the editor's dialogs and settings lists as operations on the model:
// a dialog hands over what the user entered as a value, and these store it with the
// editor's rules (a PID of 0 means no PID, the video PID decides TV or radio, the
// satellite's channels are renumbered, a list without a chosen entry keeps its
// stored value, ...). They show no messages; failure comes back through the results.
#pragma once

#include "ChannelDatabase.h"

#include <array>
#include <optional>
#include <string>

namespace vormante {

// ---- Satellites and transponders ----

struct SatelliteValues {
    std::string name;     // Latin-1, at most 15 bytes are stored
    int position = 0;     // tenths of a degree, East positive
    unsigned lnbType = 0; // 0..7
};
// Allocates a satellite and stores the values: the new slot, or SATELLITES_FULL
// (changing nothing) when every slot is used.
int AddSatelliteWith(ChannelDatabase& db, const SatelliteValues& values);
// False, changing nothing, for a slot that is no used satellite.
bool StoreSatellite(ChannelDatabase& db, int slot, const SatelliteValues& values);

struct TransponderValues {
    unsigned frequency = 0;    // MHz, 16 bits
    unsigned symbolRate = 0;   // kS/s, 16 bits
    unsigned polarization = 0; // 0 horizontal, 1 vertical (2 bits)
};
// Adds a transponder to the satellite and stores the values: the new slot, or -1
// (changing nothing) when the table is full or the satellite is free.
int AddTransponderWith(ChannelDatabase& db, int satellite, const TransponderValues& values);
bool StoreTransponder(ChannelDatabase& db, int slot, const TransponderValues& values);

// ---- LNB types ----

// A field without a value keeps what is stored (a list that showed no entry).
struct LnbValues {
    std::optional<unsigned> lowBandIndex, highBandIndex;  // Type 5..8 pick table entries
    std::optional<std::uint32_t> lowKHz, highKHz;         // Type 1..4 store explicit frequencies
    std::optional<unsigned> polarityControl, bandControl; // Type 5..8 only
    std::optional<unsigned> diseqcItem, tone22k, switch12V;
    std::optional<bool> lnbPower;
};
// False, changing nothing, for a type outside 0..7.
bool StoreLnb(ChannelDatabase& db, int type, const LnbValues& values);

// ---- Channels ----

struct ChannelValues {
    std::string name;                                                 // Latin-1, at most 11 bytes are stored
    unsigned videoPid = 0, audioPid = 0, pcrPid = 0, teletextPid = 0; // 0 means no PID
    bool locked = false, scrambled = false;
    std::array<bool, 4> fav{};
};
// Adds a channel on the transponder (which must lie on that satellite) and stores
// the values: the new slot, or -1 (changing nothing) when the table is full or the
// transponder is not the satellite's.
int AddChannelWith(ChannelDatabase& db, int transponder, int satellite, const ChannelValues& values);
// Stores the values into a channel of the satellite, on the given transponder.
// False, changing nothing, unless channel and transponder are used slots.
bool StoreChannel(ChannelDatabase& db, int channel, int transponder, int satellite,
                  const ChannelValues& values);
ChannelValues ChannelValuesOf(const ChannelDatabase& db, int channel);

// ---- The settings lists ----

enum class SettingField {
    MenuLanguage,
    GmtUsage,
    TimeZone,
    SummerTime,
    Aspect,
    DelayTime,
    ColorSystem,
    SoundSystem,
    Standby,
    LockReceiver,
    LockMenu,
};
inline constexpr int SETTING_FIELDS = 11;

// The list position the stored value stands for (value minus the list's offset), or
// -1 when no entry of a list with itemCount entries stands for it.
int SettingPosition(const ChannelDatabase& db, SettingField field, int itemCount);
// Stores the value a list position stands for into that field alone. A negative
// position (no entry chosen) writes nothing and returns false.
bool StoreSettingPosition(ChannelDatabase& db, SettingField field, int position);

} // namespace vormante
