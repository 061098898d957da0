// Builds small databases through the record operations, the way the dialogs do,
// and reads chains back for comparison. Plain C++ so the fuzz tools can use it too.
#pragma once

#include "model/ChannelDatabase.h"
#include "model/RecordOperations.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace modeltest {

using namespace vormante;

inline constexpr unsigned SOME_VIDEO_PID = 0x100;

// A satellite with `transponders` transponders at 10700, 10710, ... MHz.
inline int AddSatelliteWithTransponders(ChannelDatabase& db, int transponders,
                                        std::string_view name = "Sat") {
    const int s = AllocateSatellite(db);
    if (s == SATELLITES_FULL)
        return s;
    db.Satellite(s).setName(name);
    for (int i = 0; i < transponders; ++i) {
        const int t = AddTransponder(db, s);
        if (t >= 0)
            db.Transponder(t).setFrequency(10700 + 10 * static_cast<unsigned>(i));
    }
    return s;
}

// Adds a channel and stores it as the channel dialog does: transponder, name, PIDs, then renumbering.
inline int StoreChannel(ChannelDatabase& db, int transponder, std::string_view name, bool tv,
                        bool scrambled = false) {
    const int c = AddChannel(db, transponder);
    if (c < 0)
        return c;
    ChannelRecord channel = db.Channel(c);
    channel.setTransponder(static_cast<std::uint16_t>(transponder));
    channel.setName(name);
    channel.setVideoPid(tv ? SOME_VIDEO_PID : NULL_PID);
    channel.setAudioPid(0x101);
    channel.setSpareShort(0);
    channel.setExtraPid(0);
    channel.setScrambled(scrambled);
    const int satellite = static_cast<int>(db.Transponder(transponder).satellite());
    db.Satellite(satellite).setChannelFlag(true);
    RenumberChannels(db, satellite);
    return c;
}

struct NewChannel {
    int transponder;
    std::string_view name;
    bool tv;
};

// Stores the channels in order, as StoreChannel does, and gives their slots in the same order.
template <std::size_t N>
std::array<int, N> StoreChannels(ChannelDatabase& db, const NewChannel (&channels)[N]) {
    std::array<int, N> slots{};
    for (std::size_t i = 0; i < N; ++i)
        slots[i] = StoreChannel(db, channels[i].transponder, channels[i].name, channels[i].tv);
    return slots;
}

// The slots from `first` on, following `next` while they are slots of their kind; bounded to
// one more than `slots` links, so a broken chain that loops still ends.
template <typename Next> std::vector<int> WalkSlots(int first, bool (*isSlot)(int), int slots, Next next) {
    std::vector<int> chain;
    for (int i = first; isSlot(i) && chain.size() <= static_cast<std::size_t>(slots); i = next(i))
        chain.push_back(i);
    return chain;
}

// The satellite's channel chain from head to tail (bounded, for broken chains in tests).
inline std::vector<int> ChannelChain(const ChannelDatabase& db, int satellite) {
    return WalkSlots(db.Satellite(satellite).firstChannel(), IsChannelSlot, CHANNEL_SLOTS,
                     [&](int c) { return db.Channel(c).nextChannel(); });
}

// The same chain walked backwards from the tail, reversed into head-to-tail order.
inline std::vector<int> ChannelChainBackwards(const ChannelDatabase& db, int satellite) {
    std::vector<int> chain = WalkSlots(db.Satellite(satellite).lastChannel(), IsChannelSlot, CHANNEL_SLOTS,
                                       [&](int c) { return db.Channel(c).prevChannel(); });
    std::reverse(chain.begin(), chain.end());
    return chain;
}

inline std::vector<int> TransponderChain(const ChannelDatabase& db, int satellite) {
    return WalkSlots(db.Satellite(satellite).firstTransponder(), IsTransponderSlot, TRANSPONDER_SLOTS,
                     [&](int t) { return db.Transponder(t).nextTransponder(); });
}

inline std::vector<std::string> ChannelNames(const ChannelDatabase& db, int satellite) {
    std::vector<std::string> names;
    for (int c : ChannelChain(db, satellite))
        names.push_back(db.Channel(c).name());
    return names;
}

} // namespace modeltest
