// Builds small databases through the record operations, the way the dialogs do,
// and reads chains back for comparison. Plain C++ so the fuzz tools can use it too.
#pragma once

#include "model/ChannelDatabase.h"
#include "model/RecordOperations.h"

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

// The satellite's channel chain from head to tail (bounded, for broken chains in tests).
inline std::vector<int> ChannelChain(const ChannelDatabase& db, int satellite) {
    std::vector<int> chain;
    int c = db.Satellite(satellite).firstChannel();
    while (IsChannelSlot(c) && chain.size() <= static_cast<std::size_t>(CHANNEL_SLOTS)) {
        chain.push_back(c);
        c = db.Channel(c).nextChannel();
    }
    return chain;
}

// The same chain walked backwards from the tail, reversed into head-to-tail order.
inline std::vector<int> ChannelChainBackwards(const ChannelDatabase& db, int satellite) {
    std::vector<int> chain;
    int c = db.Satellite(satellite).lastChannel();
    while (IsChannelSlot(c) && chain.size() <= static_cast<std::size_t>(CHANNEL_SLOTS)) {
        chain.insert(chain.begin(), c);
        c = db.Channel(c).prevChannel();
    }
    return chain;
}

inline std::vector<int> TransponderChain(const ChannelDatabase& db, int satellite) {
    std::vector<int> chain;
    int t = db.Satellite(satellite).firstTransponder();
    while (IsTransponderSlot(t) && chain.size() <= static_cast<std::size_t>(TRANSPONDER_SLOTS)) {
        chain.push_back(t);
        t = db.Transponder(t).nextTransponder();
    }
    return chain;
}

inline std::vector<std::string> ChannelNames(const ChannelDatabase& db, int satellite) {
    std::vector<std::string> names;
    for (int c : ChannelChain(db, satellite))
        names.push_back(db.Channel(c).name());
    return names;
}

} // namespace modeltest
