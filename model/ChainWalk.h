// Chain walking shared by the record operations. Internal to the model.
#pragma once

#include "ChannelDatabase.h"

#include <bitset>
#include <memory>
#include <vector>

namespace vormante::chains {

inline constexpr std::uint16_t ALL_ONES_16 = 0xFFFF;
inline constexpr std::uint32_t ALL_ONES_32 = 0xFFFFFFFF;

inline unsigned ServiceTypeOf(bool tv) {
    return tv ? ChannelRecord::SERVICE_TV : ChannelRecord::SERVICE_RADIO;
}

// How a satellite's transponder or channel chain is linked: the satellite's head
// and tail, its count, and each member's links. The walk below, the chain edits
// of the record operations and the consistency check work on either chain through these.
struct TransponderLinks {
    static constexpr int SLOTS = TRANSPONDER_SLOTS;
    static bool IsSlot(int t) { return IsTransponderSlot(t); }
    static int First(ConstSatelliteRecord sat) { return sat.firstTransponder(); }
    static int Last(ConstSatelliteRecord sat) { return sat.lastTransponder(); }
    static unsigned Count(ConstSatelliteRecord sat) { return sat.transponderCount(); }
    static void SetFirst(SatelliteRecord& sat, int t) { sat.setFirstTransponder(t); }
    static void SetLast(SatelliteRecord& sat, int t) { sat.setLastTransponder(t); }
    static int Prev(const ChannelDatabase& db, int t) { return db.Transponder(t).prevTransponder(); }
    static int Next(const ChannelDatabase& db, int t) { return db.Transponder(t).nextTransponder(); }
    static void SetPrev(ChannelDatabase& db, int t, int link) { db.Transponder(t).setPrevTransponder(link); }
    static void SetNext(ChannelDatabase& db, int t, int link) { db.Transponder(t).setNextTransponder(link); }
};

struct ChannelLinks {
    static constexpr int SLOTS = CHANNEL_SLOTS;
    static bool IsSlot(int c) { return IsChannelSlot(c); }
    static int First(ConstSatelliteRecord sat) { return sat.firstChannel(); }
    static int Last(ConstSatelliteRecord sat) { return sat.lastChannel(); }
    static unsigned Count(ConstSatelliteRecord sat) { return sat.channelCount(); }
    static void SetFirst(SatelliteRecord& sat, int c) { sat.setFirstChannel(c); }
    static void SetLast(SatelliteRecord& sat, int c) { sat.setLastChannel(c); }
    static int Prev(const ChannelDatabase& db, int c) { return db.Channel(c).prevChannel(); }
    static int Next(const ChannelDatabase& db, int c) { return db.Channel(c).nextChannel(); }
    static void SetPrev(ChannelDatabase& db, int c, int link) { db.Channel(c).setPrevChannel(link); }
    static void SetNext(ChannelDatabase& db, int c, int link) { db.Channel(c).setNextChannel(link); }
};

// Walks a satellite's chain from its head. The walk ends at a link outside the
// table or at a slot already visited, so a broken or cyclic chain read from a file
// can neither run away nor reach past the table. The next link is read before
// `visit` runs, so `visit` may reset the member's own links. `visit` returns false
// to stop early. A free satellite owns no chain, whatever its link fields hold.
template <class Links, class Visit>
inline void WalkChain(const ChannelDatabase& db, int satellite, Visit visit) {
    if (!IsSatelliteSlot(satellite) || !db.Satellite(satellite).isUsed())
        return;
    std::bitset<Links::SLOTS> seen;
    int member = Links::First(db.Satellite(satellite));
    while (Links::IsSlot(member) && !seen.test(static_cast<std::size_t>(member))) {
        seen.set(static_cast<std::size_t>(member));
        const int next = Links::Next(db, member);
        if (!visit(member))
            return;
        member = next;
    }
}

template <class Visit> inline void WalkTransponders(const ChannelDatabase& db, int satellite, Visit visit) {
    WalkChain<TransponderLinks>(db, satellite, std::move(visit));
}

template <class Visit> inline void WalkChannels(const ChannelDatabase& db, int satellite, Visit visit) {
    WalkChain<ChannelLinks>(db, satellite, std::move(visit));
}

// A satellite's channel chain as WalkChannels meets it, each member once.
inline std::vector<int> ChannelChain(const ChannelDatabase& db, int satellite) {
    std::vector<int> chain;
    WalkChannels(db, satellite, [&](int c) {
        chain.push_back(c);
        return true;
    });
    return chain;
}

bool IsTransponderOnChain(const ChannelDatabase& db, int satellite, int transponder);
bool IsChannelOnChain(const ChannelDatabase& db, int satellite, int channel);

// The member before `member` on the satellite's chain as the walk from the head
// meets it; -1 for the head or a slot off the chain. The next links make the
// chain, so whatever relinks takes the member before from here: a previous link
// read from a file may name any slot, and trusting it would cut the chain there.
int ChannelBefore(const ChannelDatabase& db, int satellite, int member);
int TransponderBefore(const ChannelDatabase& db, int satellite, int member);

// Takes channel c out of its satellite's chain, mending the links of the member
// before it (given as `before`, -1 for none) and after it, or the satellite's head
// and tail. A next link outside the table counts as no member after. With
// `emptyWhenAlone` a channel without neighbours leaves the chain empty; without
// it such a channel is left where it is.
void UnlinkChannel(ChannelDatabase& db, int satellite, int c, int before, bool emptyWhenAlone);

// Runs `change`; when it reports failure the working copy is put back as it was,
// so an operation that says it failed has changed nothing.
template <class Change> inline bool AllOrNothing(ChannelDatabase& db, Change change) {
    const auto before = std::make_unique<DatabaseImage>(db.workingCopy());
    if (change())
        return true;
    db.workingCopy() = *before;
    return false;
}

} // namespace vormante::chains
