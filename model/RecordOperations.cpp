#include "RecordOperations.h"

#include "ChainWalk.h"

#include <cstring>

namespace vormante {

namespace chains {

namespace {

template <class Links> bool IsOnChain(const ChannelDatabase& db, int satellite, int member) {
    bool found = false;
    WalkChain<Links>(db, satellite, [&](int m) {
        found = m == member;
        return !found;
    });
    return found;
}

template <class Links> int MemberBefore(const ChannelDatabase& db, int satellite, int member) {
    int before = NO_LINK;
    int previous = NO_LINK;
    WalkChain<Links>(db, satellite, [&](int m) {
        if (m == member) {
            before = previous;
            return false;
        }
        previous = m;
        return true;
    });
    return before;
}

// UnlinkChannel for either chain.
template <class Links>
void Unlink(ChannelDatabase& db, int satellite, int member, int before, bool emptyWhenAlone) {
    SatelliteRecord sat = db.Satellite(satellite);
    const int n = Links::Next(db, member);
    const bool hasPrev = Links::IsSlot(before);
    const bool hasNext = Links::IsSlot(n);
    if (!hasPrev && !hasNext) {
        if (emptyWhenAlone) {
            Links::SetFirst(sat, NO_LINK);
            Links::SetLast(sat, NO_LINK);
        }
    } else if (!hasPrev) {
        Links::SetFirst(sat, n);
        Links::SetPrev(db, n, NO_LINK);
    } else if (!hasNext) {
        Links::SetLast(sat, before);
        Links::SetNext(db, before, NO_LINK);
    } else {
        Links::SetNext(db, before, n);
        Links::SetPrev(db, n, before);
    }
}

// Hangs a new member on the satellite's tail. A tail outside the table ends a
// broken chain: the member starts a fresh one. The member's own next link is
// written last, so it ends the chain even where a broken tail named the member.
template <class Links> void Append(ChannelDatabase& db, int satellite, int member) {
    SatelliteRecord sat = db.Satellite(satellite);
    const int tail = Links::Last(sat);
    if (!Links::IsSlot(tail)) {
        Links::SetFirst(sat, member);
        Links::SetPrev(db, member, NO_LINK);
    } else {
        Links::SetNext(db, tail, member);
        Links::SetPrev(db, member, tail);
    }
    Links::SetNext(db, member, NO_LINK);
    Links::SetLast(sat, member);
}

} // namespace

bool IsTransponderOnChain(const ChannelDatabase& db, int satellite, int transponder) {
    return IsOnChain<TransponderLinks>(db, satellite, transponder);
}

bool IsChannelOnChain(const ChannelDatabase& db, int satellite, int channel) {
    return IsOnChain<ChannelLinks>(db, satellite, channel);
}

int ChannelBefore(const ChannelDatabase& db, int satellite, int member) {
    return MemberBefore<ChannelLinks>(db, satellite, member);
}

int TransponderBefore(const ChannelDatabase& db, int satellite, int member) {
    return MemberBefore<TransponderLinks>(db, satellite, member);
}

void UnlinkChannel(ChannelDatabase& db, int satellite, int c, int before, bool emptyWhenAlone) {
    Unlink<ChannelLinks>(db, satellite, c, before, emptyWhenAlone);
}

} // namespace chains

namespace {

using namespace chains;

void ReleaseTransponder(ChannelDatabase& db, int t) {
    TransponderRecord transponder = db.Transponder(t);
    transponder.setInUse(0);
    transponder.setSpareWord(ALL_ONES_32);
    db.TransponderMark(t) = TransponderRecord::MARK;
}

void ReleaseChannel(ChannelDatabase& db, int c) {
    ChannelRecord channel = db.Channel(c);
    channel.setState(ChannelRecord::STATE_FREE);
    channel.setSpareShort(ALL_ONES_16);
    channel.setTransponder(ChannelRecord::NO_TRANSPONDER);
}

// Frees every channel on the satellite's chain and clears its links; the
// satellite's own head, tail and count are left to the caller.
void ReleaseChannelChain(ChannelDatabase& db, int satellite) {
    WalkChannels(db, satellite, [&](int c) {
        ReleaseChannel(db, c);
        ChannelRecord channel = db.Channel(c);
        channel.setPrevChannel(NO_LINK);
        channel.setNextChannel(NO_LINK);
        return true;
    });
}

// Takes a channel known to lie on the satellite's chain, after `before`, off it and
// counts it out; releasing the slot is left to the caller.
void RemoveChannel(ChannelDatabase& db, int satellite, int c, int before) {
    SatelliteRecord sat = db.Satellite(satellite);
    sat.setChannelCount(sat.channelCount() - 1);
    UnlinkChannel(db, satellite, c, before, true);
}

void ClearHasChannelsWhenEmpty(ChannelDatabase& db, int transponder) {
    if (!IsTransponderSlot(transponder))
        return;
    if (CountChannelsOnTransponder(db, transponder, true) == 0 &&
        CountChannelsOnTransponder(db, transponder, false) == 0)
        db.Transponder(transponder).setHasChannels(false);
}

bool MatchesChannel(ConstChannelRecord channel, int transponder, unsigned serviceType) {
    return channel.serviceType() == serviceType &&
           (transponder == NO_LINK || channel.transponder() == transponder);
}

} // namespace

// ---------------------------------------------------------------- satellites

std::vector<int> UsedSatellites(const ChannelDatabase& db) {
    std::vector<int> slots;
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        if (db.Satellite(s).isUsed())
            slots.push_back(s);
    return slots;
}

int SatelliteSlotByOrdinal(const ChannelDatabase& db, int ordinal) {
    const int wanted = ordinal & 0xFF;
    if (wanted == 0)
        return NO_SATELLITE;
    int count = 0;
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        if (db.Satellite(s).isUsed() && ++count == wanted)
            return s;
    }
    return NO_SATELLITE;
}

int SatelliteOrdinalOfSlot(const ChannelDatabase& db, int slot) {
    if (!IsSatelliteSlot(slot) || !db.Satellite(slot).isUsed())
        return -1;
    int count = 0;
    for (int s = 0; s < slot; ++s)
        count += db.Satellite(s).isUsed() ? 1 : 0;
    return count;
}

int AllocateSatellite(ChannelDatabase& db) {
    int slot = 0;
    while (slot < SATELLITE_SLOTS && db.Satellite(slot).isUsed())
        ++slot;
    if (slot == SATELLITE_SLOTS)
        return SATELLITES_FULL;

    SystemSettingsBlock settings = db.Settings();
    settings.setSatelliteCount(settings.satelliteCount() + 1);

    SatelliteRecord sat = db.Satellite(slot);
    sat.setState(SatelliteRecord::STATE_IN_USE);
    sat.setFirstChannel(NO_LINK);
    sat.setLastChannel(NO_LINK);
    sat.setFirstTransponder(NO_LINK);
    sat.setLastTransponder(NO_LINK);
    sat.data()[16] = 0; // empty name; the rest of the name field keeps its bytes
    sat.setAuxByte(0);
    sat.setSlotMark(SatelliteRecord::SLOT_MARK);
    sat.setDefaultTvChannel(ALL_ONES_16);
    sat.setDefaultRadioChannel(ALL_ONES_16);
    sat.setChannelFlag(false);
    sat.setTransponderCount(0);
    sat.setChannelCount(0);
    return slot;
}

void DeleteSatellite(ChannelDatabase& db, int slot) {
    // A free slot has nothing to delete; counting it down would only skew satelliteCount.
    if (!IsSatelliteSlot(slot) || !db.Satellite(slot).isUsed())
        return;
    WalkTransponders(db, slot, [&](int t) {
        ReleaseTransponder(db, t);
        TransponderRecord transponder = db.Transponder(t);
        transponder.setPrevTransponder(NO_LINK);
        transponder.setNextTransponder(NO_LINK);
        return true;
    });
    ReleaseChannelChain(db, slot);

    SatelliteRecord sat = db.Satellite(slot);
    sat.setState(SatelliteRecord::STATE_FREE);
    sat.setFirstTransponder(NO_LINK);
    sat.setLastTransponder(NO_LINK);
    sat.setFirstChannel(NO_LINK);
    sat.setLastChannel(NO_LINK);
    sat.data()[16] = 0;
    sat.setAuxByte(0);
    sat.setSlotMark(SatelliteRecord::SLOT_MARK);
    sat.setTransponderCount(0);
    sat.setChannelCount(0);
    sat.setDefaultTvChannel(ALL_ONES_16);
    sat.setDefaultRadioChannel(ALL_ONES_16);
    sat.setChannelFlag(false);

    SystemSettingsBlock settings = db.Settings();
    settings.setSatelliteCount(settings.satelliteCount() - 1);
}

void ClearSatelliteChannels(ChannelDatabase& db, int slot) {
    if (!IsSatelliteSlot(slot) || !db.Satellite(slot).isUsed())
        return;
    WalkTransponders(db, slot, [&](int t) {
        db.Transponder(t).setInUse(TransponderRecord::IN_USE_BOTH);
        return true;
    });
    ReleaseChannelChain(db, slot);

    SatelliteRecord sat = db.Satellite(slot);
    sat.setState(SatelliteRecord::STATE_IN_USE);
    sat.setDefaultTvChannel(ALL_ONES_16);
    sat.setDefaultRadioChannel(ALL_ONES_16);
    sat.setChannelFlag(false);
    sat.setChannelCount(0);
    sat.setFirstChannel(NO_LINK);
    sat.setLastChannel(NO_LINK);
}

// -------------------------------------------------------------- transponders

int AddTransponder(ChannelDatabase& db, int satellite) {
    // Only a used satellite takes transponders; a free one would come back to life uncounted.
    if (!IsSatelliteSlot(satellite) || !db.Satellite(satellite).isUsed())
        return NO_LINK;
    int t = 0;
    while (t < TRANSPONDER_SLOTS && db.Transponder(t).isUsed())
        ++t;
    if (t == TRANSPONDER_SLOTS)
        return NO_LINK;

    Append<TransponderLinks>(db, satellite, t);
    SatelliteRecord sat = db.Satellite(satellite);
    TransponderRecord transponder = db.Transponder(t);
    sat.setTransponderCount(sat.transponderCount() + 1);

    transponder.setInUse(TransponderRecord::IN_USE_BOTH);
    transponder.setSatellite(static_cast<unsigned>(satellite));
    transponder.setNumber(sat.transponderCount());
    transponder.setHasChannels(false);
    transponder.setSpareWord(ALL_ONES_32);
    db.TransponderMark(t) = TransponderRecord::MARK;
    return t;
}

std::vector<int> ListedTransponders(const ChannelDatabase& db, int satellite) {
    std::vector<int> listed;
    chains::WalkTransponders(db, satellite, [&](int t) {
        const ConstTransponderRecord record = db.Transponder(t);
        if (record.isUsed() && static_cast<int>(record.satellite()) == satellite)
            listed.push_back(t);
        return true;
    });
    return listed;
}

std::vector<int> ListedChannels(const ChannelDatabase& db, int satellite, int transponder, bool tv) {
    std::vector<int> listed;
    const unsigned type = chains::ServiceTypeOf(tv);
    chains::WalkChannels(db, satellite, [&](int c) {
        const ConstChannelRecord record = db.Channel(c);
        if (record.transponder() == transponder && record.serviceType() == type)
            listed.push_back(c);
        return true;
    });
    return listed;
}

int TransponderByOrdinal(const ChannelDatabase& db, int satellite, int index) {
    if (index < 0)
        return NO_LINK;
    int result = NO_LINK;
    int position = 0;
    WalkTransponders(db, satellite, [&](int t) {
        if (position++ == index) {
            result = t;
            return false;
        }
        return true;
    });
    return result;
}

int TransponderOrdinal(const ChannelDatabase& db, int satellite, int transponder) {
    int walked = 0;
    bool found = false;
    WalkTransponders(db, satellite, [&](int t) {
        if (t == transponder) {
            found = true;
            return false;
        }
        ++walked;
        return true;
    });
    if (found)
        return walked;
    return walked == 0 ? NO_LINK : walked;
}

bool DeleteTransponder(ChannelDatabase& db, int transponder) {
    if (!IsTransponderSlot(transponder))
        return false;
    TransponderRecord record = db.Transponder(transponder);
    const int satellite = static_cast<int>(record.satellite());
    if (!IsSatelliteSlot(satellite))
        return false;
    SatelliteRecord sat = db.Satellite(satellite);
    if (sat.firstTransponder() == NO_LINK && sat.lastTransponder() == NO_LINK)
        return false;
    // Unlinking a transponder that is not on its satellite's chain would cut someone else's chain.
    if (!IsTransponderOnChain(db, satellite, transponder))
        return false;

    Unlink<TransponderLinks>(db, satellite, transponder, TransponderBefore(db, satellite, transponder), true);

    ReleaseTransponder(db, transponder);
    sat.setTransponderCount(sat.transponderCount() - 1);

    // The channels go with their transponder whatever hasChannels says: the bit is
    // never set by the editor, and channels left behind would name a released slot.
    DeleteChannelsOfTransponder(db, transponder);
    record.setHasChannels(false);

    if (sat.firstTransponder() == NO_LINK && sat.lastTransponder() == NO_LINK)
        ClearSatelliteChannels(db, satellite);
    return true;
}

// ------------------------------------------------------------------ channels

int FindFreeChannelSlot(const ChannelDatabase& db) {
    for (int c = 0; c < CHANNEL_SLOTS; ++c) {
        if (!db.Channel(c).isOccupied())
            return c;
    }
    return NO_LINK;
}

int AddChannel(ChannelDatabase& db, int transponder) {
    const int c = FindFreeChannelSlot(db);
    if (c == NO_LINK || !IsTransponderSlot(transponder))
        return NO_LINK;
    // The transponder must be in use on a used satellite; anything else would
    // hang the channel on a chain nobody owns.
    const ConstTransponderRecord owner = db.Transponder(transponder);
    const int satellite = static_cast<int>(owner.satellite());
    if (!owner.isUsed() || !IsSatelliteSlot(satellite) || !db.Satellite(satellite).isUsed())
        return NO_LINK;

    Append<ChannelLinks>(db, satellite, c);
    SatelliteRecord sat = db.Satellite(satellite);
    ChannelRecord channel = db.Channel(c);
    sat.setChannelCount(sat.channelCount() + 1);

    channel.setState(ChannelRecord::STATE_IN_USE);
    channel.setLocked(false);
    channel.setFav1(false);
    channel.setFav2(false);
    channel.setFav3(false);
    channel.setFav4(false);
    channel.setScrambled(false);
    channel.setPairBits(0);
    channel.setSpareShort(ALL_ONES_16);
    channel.setTransponder(ChannelRecord::NO_TRANSPONDER);
    channel.setChannelNumber(0);
    channel.setServiceType(0);
    channel.setAudioPid(NULL_PID);
    channel.setVideoPid(NULL_PID);
    channel.setTeletextPid(NULL_PID);
    channel.setPcrPid(NULL_PID);
    channel.setExtraPid(NULL_PID);
    channel.setShortText1FirstByte(0);
    channel.setShortText2FirstByte(0);
    // "Unnamed" and its NUL fill 8 bytes; the last three name bytes keep their values.
    static constexpr char UNNAMED[] = "Unnamed";
    std::memcpy(channel.data() + 37, UNNAMED, sizeof UNNAMED);

    if (sat.state() != SatelliteRecord::STATE_HAS_CHANNELS)
        sat.setState(SatelliteRecord::STATE_HAS_CHANNELS);
    return c;
}

bool DeleteChannel(ChannelDatabase& db, int channel, int satellite) {
    if (!IsChannelSlot(channel) || !IsSatelliteSlot(satellite))
        return false;
    const ConstSatelliteRecord sat = db.Satellite(satellite);
    if (sat.firstChannel() == NO_LINK && sat.lastChannel() == NO_LINK)
        return false;
    if (!IsChannelOnChain(db, satellite, channel))
        return false;

    RemoveChannel(db, satellite, channel, ChannelBefore(db, satellite, channel));
    // The channel is off the chain now, so it does not count itself.
    ClearHasChannelsWhenEmpty(db, db.Channel(channel).transponder());
    ReleaseChannel(db, channel);
    return true;
}

int CountChannelsOnTransponder(const ChannelDatabase& db, int transponder, bool tv) {
    if (!IsTransponderSlot(transponder))
        return 0;
    const unsigned type = ServiceTypeOf(tv);
    int count = 0;
    WalkChannels(db, static_cast<int>(db.Transponder(transponder).satellite()), [&](int c) {
        count += MatchesChannel(db.Channel(c), transponder, type) ? 1 : 0;
        return true;
    });
    return count;
}

DeleteChannelsResult DeleteChannelsOfTransponder(ChannelDatabase& db, int transponder) {
    if (!IsTransponderSlot(transponder))
        return {false, 0};
    const int satellite = static_cast<int>(db.Transponder(transponder).satellite());
    if (!IsSatelliteSlot(satellite))
        return {false, 0};
    int deleted = 0;
    int kept = NO_LINK; // the last channel the walk left on the chain: the member before the next one
    // The walk reads each next link before the visit, so the saved successor carries it on.
    WalkChannels(db, satellite, [&](int c) {
        if (db.Channel(c).transponder() == transponder) {
            RemoveChannel(db, satellite, c, kept);
            ReleaseChannel(db, c);
            ++deleted;
        } else {
            kept = c;
        }
        return true;
    });
    // The counts only fall while channels go, so testing once at the end clears the
    // bit exactly when testing after every deletion would.
    if (deleted > 0)
        ClearHasChannelsWhenEmpty(db, transponder);
    return {true, deleted};
}

int FindChannel(const ChannelDatabase& db, int satellite, int transponder, bool tv, int n) {
    const unsigned type = ServiceTypeOf(tv);
    int count = 0;
    int result = NO_LINK;
    WalkChannels(db, satellite, [&](int c) {
        if (MatchesChannel(db.Channel(c), transponder, type) && ++count == n) {
            result = c;
            return false;
        }
        return true;
    });
    return result;
}

int ChannelOrdinal(const ChannelDatabase& db, int satellite, int transponder, bool tv, int channel) {
    if (channel == NO_LINK)
        return 0;
    const unsigned type = ServiceTypeOf(tv);
    int count = 0;
    WalkChannels(db, satellite, [&](int c) {
        count += MatchesChannel(db.Channel(c), transponder, type) ? 1 : 0;
        return c != channel;
    });
    return count;
}

int CountChannelsOnCurrentSatellite(const ChannelDatabase& db, bool tv) {
    const int satellite = static_cast<int>(db.Settings().currentSatellite());
    const unsigned type = ServiceTypeOf(tv);
    int count = 0;
    WalkChannels(db, satellite, [&](int c) {
        count += db.Channel(c).serviceType() == type ? 1 : 0;
        return true;
    });
    return count;
}

void RenumberChannels(ChannelDatabase& db, int satellite) {
    if (!IsSatelliteSlot(satellite))
        return;
    SatelliteRecord sat = db.Satellite(satellite);
    if (sat.state() != SatelliteRecord::STATE_HAS_CHANNELS)
        return;
    unsigned tvCount = 0;
    unsigned radioCount = 0;
    int firstTv = NO_LINK;
    int firstRadio = NO_LINK;
    WalkChannels(db, satellite, [&](int c) {
        ChannelRecord channel = db.Channel(c);
        if (channel.videoPid() == NULL_PID) {
            channel.setServiceType(ChannelRecord::SERVICE_RADIO);
            channel.setChannelNumber(++radioCount);
            if (firstRadio == NO_LINK)
                firstRadio = c;
        } else {
            channel.setServiceType(ChannelRecord::SERVICE_TV);
            channel.setChannelNumber(++tvCount);
            if (firstTv == NO_LINK)
                firstTv = c;
        }
        return true;
    });
    if (sat.defaultTvChannel() == ALL_ONES_16 && firstTv != NO_LINK)
        sat.setDefaultTvChannel(static_cast<unsigned>(firstTv));
    if (sat.defaultRadioChannel() == ALL_ONES_16 && firstRadio != NO_LINK)
        sat.setDefaultRadioChannel(static_cast<unsigned>(firstRadio));
    if (tvCount == 0 && radioCount == 0)
        ClearSatelliteChannels(db, satellite);
}

} // namespace vormante
