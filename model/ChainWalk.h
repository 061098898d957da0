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

// Walks a satellite's transponder chain from its head. The walk ends at a link
// outside the table or at a slot already visited, so a broken or cyclic chain
// read from a file can neither run away nor reach past the table. The next link
// is read before `visit` runs, so `visit` may reset the member's own links.
// `visit` returns false to stop early. A free satellite owns no chain, whatever
// its link fields hold.
template <class Visit> inline void WalkTransponders(const ChannelDatabase& db, int satellite, Visit visit) {
    if (!IsSatelliteSlot(satellite) || !db.Satellite(satellite).isUsed())
        return;
    std::bitset<TRANSPONDER_SLOTS> seen;
    int t = db.Satellite(satellite).firstTransponder();
    while (IsTransponderSlot(t) && !seen.test(static_cast<std::size_t>(t))) {
        seen.set(static_cast<std::size_t>(t));
        const int next = db.Transponder(t).nextTransponder();
        if (!visit(t))
            return;
        t = next;
    }
}

// The same for a satellite's channel chain.
template <class Visit> inline void WalkChannels(const ChannelDatabase& db, int satellite, Visit visit) {
    if (!IsSatelliteSlot(satellite) || !db.Satellite(satellite).isUsed())
        return;
    std::bitset<CHANNEL_SLOTS> seen;
    int c = db.Satellite(satellite).firstChannel();
    while (IsChannelSlot(c) && !seen.test(static_cast<std::size_t>(c))) {
        seen.set(static_cast<std::size_t>(c));
        const int next = db.Channel(c).nextChannel();
        if (!visit(c))
            return;
        c = next;
    }
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
