#include "BulkOperations.h"

#include "ChainWalk.h"
#include "ChannelList.h"
#include "RecordOperations.h"

#include <algorithm>
#include <bitset>
#include <set>

namespace vormante {

namespace {

using Selection = std::bitset<CHANNEL_SLOTS>;

// The whole chain in order and the selection as a bitset; false when a channel is
// outside the table, named twice, not on the chain or not of the kind.
bool Resolve(const ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv,
             std::vector<int>& chain, Selection& selected) {
    if (!IsSatelliteSlot(satellite) || !db.Satellite(satellite).isUsed())
        return false;
    chains::WalkChannels(db, satellite, [&](int c) {
        chain.push_back(c);
        return true;
    });
    Selection onChain;
    for (const int c : chain)
        onChain.set(static_cast<std::size_t>(c));
    const unsigned type = chains::ServiceTypeOf(tv);
    for (const int c : channels) {
        if (!IsChannelSlot(c) || !onChain.test(static_cast<std::size_t>(c)) ||
            selected.test(static_cast<std::size_t>(c)) || db.Channel(c).serviceType() != type)
            return false;
        selected.set(static_cast<std::size_t>(c));
    }
    return true;
}

// Writes `kindOrder` into the chain places that hold channels of the kind and relinks
// the whole chain, then renumbers.
void Relink(ChannelDatabase& db, int satellite, std::vector<int> chain, const std::vector<int>& kindOrder,
            bool tv) {
    const unsigned type = chains::ServiceTypeOf(tv);
    std::size_t next = 0;
    for (int& c : chain)
        if (db.Channel(c).serviceType() == type && next < kindOrder.size())
            c = kindOrder[next++];
    SatelliteRecord sat = db.Satellite(satellite);
    if (!chain.empty()) {
        sat.setFirstChannel(chain.front());
        sat.setLastChannel(chain.back());
    }
    for (std::size_t i = 0; i < chain.size(); ++i) {
        ChannelRecord channel = db.Channel(chain[i]);
        channel.setPrevChannel(i == 0 ? NO_LINK : chain[i - 1]);
        channel.setNextChannel(i + 1 == chain.size() ? NO_LINK : chain[i + 1]);
    }
    RenumberChannels(db, satellite);
}

std::vector<int> KindOf(const ChannelDatabase& db, const std::vector<int>& chain, bool tv) {
    const unsigned type = chains::ServiceTypeOf(tv);
    std::vector<int> kind;
    for (const int c : chain)
        if (db.Channel(c).serviceType() == type)
            kind.push_back(c);
    return kind;
}

// Splits the kind's channels into the selected block (in chain order) and the rest.
void Split(const std::vector<int>& kind, const Selection& selected, std::vector<int>& block,
           std::vector<int>& rest) {
    for (const int c : kind)
        (selected.test(static_cast<std::size_t>(c)) ? block : rest).push_back(c);
}

bool InsertBlockAt(ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv,
                   std::size_t (*place)(const std::vector<int>& kind, const Selection& selected,
                                        const std::vector<int>& rest, int argument),
                   int argument) {
    std::vector<int> chain;
    Selection selected;
    if (!Resolve(db, satellite, channels, tv, chain, selected))
        return false;
    if (channels.empty())
        return true;
    const std::vector<int> kind = KindOf(db, chain, tv);
    std::vector<int> block;
    std::vector<int> rest;
    Split(kind, selected, block, rest);
    const std::size_t at = std::min(place(kind, selected, rest, argument), rest.size());
    std::vector<int> order(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(at));
    order.insert(order.end(), block.begin(), block.end());
    order.insert(order.end(), rest.begin() + static_cast<std::ptrdiff_t>(at), rest.end());
    Relink(db, satellite, chain, order, tv);
    return true;
}

} // namespace

std::vector<int> ChannelsOfKind(const ChannelDatabase& db, int satellite, bool tv) {
    std::vector<int> chain;
    chains::WalkChannels(db, satellite, [&](int c) {
        chain.push_back(c);
        return true;
    });
    return KindOf(db, chain, tv);
}

bool MoveChannelsToNumber(ChannelDatabase& db, int satellite, const std::vector<int>& channels, int target,
                          bool tv) {
    if (target < 1)
        return false;
    return InsertBlockAt(
        db, satellite, channels, tv,
        [](const std::vector<int>&, const Selection&, const std::vector<int>&, int number) {
            return static_cast<std::size_t>(number - 1);
        },
        target);
}

bool MoveChannelsToTop(ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv) {
    return MoveChannelsToNumber(db, satellite, channels, 1, tv);
}

bool MoveChannelsToBottom(ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv) {
    return MoveChannelsToNumber(db, satellite, channels, CHANNEL_SLOTS, tv);
}

bool DropChannelsBefore(ChannelDatabase& db, int satellite, const std::vector<int>& channels, int anchor,
                        bool tv) {
    if (anchor != -1 && !IsChannelSlot(anchor))
        return false;
    return InsertBlockAt(
        db, satellite, channels, tv,
        [](const std::vector<int>& kind, const Selection& selected, const std::vector<int>&, int before) {
            // The unselected channels ahead of the anchor (or of the first unselected one
            // after a selected anchor) stay ahead of the block.
            std::size_t ahead = 0;
            for (const int c : kind) {
                if (c == before)
                    return ahead;
                ahead += selected.test(static_cast<std::size_t>(c)) ? 0 : 1;
            }
            return static_cast<std::size_t>(CHANNEL_SLOTS); // no anchor: the end
        },
        anchor);
}

bool MoveChannelsByOne(ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv,
                       bool up) {
    std::vector<int> chain;
    Selection selected;
    if (!Resolve(db, satellite, channels, tv, chain, selected))
        return false;
    std::vector<int> kind = KindOf(db, chain, tv);
    auto isSelected = [&](int c) { return selected.test(static_cast<std::size_t>(c)); };
    const std::size_t n = kind.size();
    if (up) {
        for (std::size_t i = 1; i < n; ++i)
            if (isSelected(kind[i]) && !isSelected(kind[i - 1]))
                std::swap(kind[i], kind[i - 1]);
    } else {
        for (std::size_t i = n; i-- > 1;)
            if (isSelected(kind[i - 1]) && !isSelected(kind[i]))
                std::swap(kind[i], kind[i - 1]);
    }
    Relink(db, satellite, chain, kind, tv);
    return true;
}

bool SetChannelsFlag(ChannelDatabase& db, const std::vector<int>& channels, ChannelFlag flag, bool on) {
    for (const int c : channels)
        if (!IsChannelSlot(c) || db.Channel(c).state() != ChannelRecord::STATE_IN_USE)
            return false;
    // The bit of each ChannelFlag, in the enum's order.
    constexpr unsigned BITS[] = {FLAG_LOCKED, FLAG_FAV1, FLAG_FAV2, FLAG_FAV3, FLAG_FAV4};
    const auto index = static_cast<std::size_t>(flag);
    const unsigned bit = index < std::size(BITS) ? BITS[index] : 0u;
    for (const int c : channels)
        SetChannelFlags(db.Channel(c), on ? bit : 0u, bit);
    return true;
}

namespace {

// Every channel used, listed once, on a sound transponder and satellite, and each
// satellite's chain holding all the listed channels of that satellite; fills the
// channels and their satellites.
bool EditableChannels(const ChannelDatabase& db, const std::vector<int>& channels, Selection& seen,
                      std::set<int>& satellites) {
    for (const int c : channels) {
        if (!IsChannelSlot(c) || seen.test(static_cast<std::size_t>(c)) ||
            db.Channel(c).state() != ChannelRecord::STATE_IN_USE)
            return false;
        seen.set(static_cast<std::size_t>(c));
        const int transponder = db.Channel(c).transponder();
        if (!IsTransponderSlot(transponder))
            return false;
        const int satellite = static_cast<int>(db.Transponder(transponder).satellite());
        if (!IsSatelliteSlot(satellite))
            return false;
        satellites.insert(satellite);
    }
    for (const int satellite : satellites) {
        int onChain = 0;
        chains::WalkChannels(db, satellite, [&](int c) {
            if (seen.test(static_cast<std::size_t>(c)) &&
                static_cast<int>(db.Transponder(db.Channel(c).transponder()).satellite()) == satellite)
                ++onChain;
            return true;
        });
        int owned = 0;
        for (const int c : channels)
            owned += static_cast<int>(db.Transponder(db.Channel(c).transponder()).satellite()) == satellite
                         ? 1
                         : 0;
        if (onChain != owned)
            return false;
    }
    return true;
}

// A PID as stored: 14 bits, 0 standing for none.
unsigned StoredPid(unsigned value) {
    value &= 0x3FFF;
    return value == 0 ? static_cast<unsigned>(NULL_PID) : value;
}

void ApplyEdits(ChannelRecord record, const ChannelFieldEdits& edits) {
    if (edits.name)
        record.setName(edits.name->substr(0, ChannelRecord::NAME_FIELD_SIZE));
    if (edits.videoPid) {
        record.setVideoPid(StoredPid(*edits.videoPid));
        const unsigned video = record.videoPid();
        record.setServiceType(video != 0 && video != NULL_PID ? ChannelRecord::SERVICE_TV
                                                              : ChannelRecord::SERVICE_RADIO);
    }
    if (edits.audioPid)
        record.setAudioPid(StoredPid(*edits.audioPid));
    if (edits.pcrPid)
        record.setPcrPid(StoredPid(*edits.pcrPid));
    if (edits.teletextPid)
        record.setTeletextPid(StoredPid(*edits.teletextPid));
    if (edits.locked)
        record.setLocked(*edits.locked);
    if (edits.scrambled)
        record.setScrambled(*edits.scrambled);
    if (edits.fav[0])
        record.setFav1(*edits.fav[0]);
    if (edits.fav[1])
        record.setFav2(*edits.fav[1]);
    if (edits.fav[2])
        record.setFav3(*edits.fav[2]);
    if (edits.fav[3])
        record.setFav4(*edits.fav[3]);
}

} // namespace

bool EditChannels(ChannelDatabase& db, const std::vector<int>& channels, const ChannelFieldEdits& edits) {
    std::set<int> satellites;
    Selection seen;
    if (!EditableChannels(db, channels, seen, satellites))
        return false;
    for (const int c : channels)
        ApplyEdits(db.Channel(c), edits);
    if (edits.videoPid)
        for (const int satellite : satellites)
            RenumberChannels(db, satellite);
    return true;
}

} // namespace vormante
