// Sorting and moving: both relink one satellite's channel chain and renumber it.
#include "ChainWalk.h"
#include "RecordOperations.h"

#include <algorithm>
#include <array>

namespace vormante {

using namespace chains;

namespace {

struct SortEntry {
    std::uint16_t slot;
    bool scrambled;
    std::uint16_t frequency;
    const std::uint8_t* name; // 11 bytes inside the image
};

// Byte order up to the first NUL or 11 bytes, the shorter name first when one is a prefix.
int CompareNames(const std::uint8_t* a, const std::uint8_t* b) {
    for (int i = 0; i < ChannelRecord::NAME_FIELD_SIZE; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
        if (a[i] == 0)
            return 0;
    }
    return 0;
}

// Whether `a` belongs strictly before `b` in one of the four stable orders.
bool StableBefore(SortKind kind, const SortEntry& a, const SortEntry& b) {
    switch (kind) {
    case SortKind::ScrambledFirst:
        return a.scrambled && !b.scrambled;
    case SortKind::ScrambledLast:
        return !a.scrambled && b.scrambled;
    case SortKind::FrequencyUp:
        return a.frequency < b.frequency;
    case SortKind::FrequencyDown:
        return a.frequency > b.frequency;
    default:
        return false;
    }
}

// Room for every channel slot, kept between sorts so sorting allocates nothing.
std::array<SortEntry, CHANNEL_SLOTS>& SortList() {
    static std::array<SortEntry, CHANNEL_SLOTS> list;
    return list;
}

} // namespace

void SortChannels(ChannelDatabase& db, int satellite, SortKind kind) {
    if (!IsSatelliteSlot(satellite))
        return;
    auto& list = SortList();
    std::size_t count = 0;
    WalkChannels(db, satellite, [&](int c) {
        const ChannelRecord channel = db.Channel(c);
        const int t = channel.transponder();
        list[count++] = SortEntry{static_cast<std::uint16_t>(c), channel.scrambled(),
                                  static_cast<std::uint16_t>(IsTransponderSlot(t) ? db.Transponder(t).frequency() : 0),
                                  channel.data() + 37};
        return true;
    });
    if (count == 0)
        return;

    const auto begin = list.begin();
    const auto end = list.begin() + static_cast<std::ptrdiff_t>(count);
    if (count >= 2) {
        if (kind == SortKind::NameUp) {
            std::sort(begin, end, [](const SortEntry& a, const SortEntry& b) { return CompareNames(a.name, b.name) < 0; });
        } else if (kind == SortKind::NameDown) {
            std::sort(begin, end, [](const SortEntry& a, const SortEntry& b) { return CompareNames(a.name, b.name) > 0; });
        } else {
            // Straight insertion: an entry moves left only past neighbours it strictly precedes.
            for (std::size_t i = 1; i < count; ++i) {
                const SortEntry entry = list[i];
                std::size_t j = i;
                while (j > 0 && StableBefore(kind, entry, list[j - 1])) {
                    list[j] = list[j - 1];
                    --j;
                }
                list[j] = entry;
            }
        }
    }

    for (std::size_t i = 0; i < count; ++i) {
        ChannelRecord channel = db.Channel(list[i].slot);
        channel.setPrevChannel(i == 0 ? NO_LINK : list[i - 1].slot);
        channel.setNextChannel(i + 1 == count ? NO_LINK : list[i + 1].slot);
    }
    SatelliteRecord sat = db.Satellite(satellite);
    sat.setFirstChannel(list[0].slot);
    sat.setLastChannel(list[count - 1].slot);
    RenumberChannels(db, satellite);
}

int ChannelAtNumber(const ChannelDatabase& db, int satellite, int number, bool tv) {
    if (!IsSatelliteSlot(satellite) || number < 0 || number > static_cast<int>(db.Satellite(satellite).channelCount()))
        return NO_LINK;
    const int passing = number == 0 ? 0 : number - 1;
    const unsigned type = ServiceTypeOf(tv);
    int passed = 0;
    int result = NO_LINK;
    WalkChannels(db, satellite, [&](int c) {
        if (db.Channel(c).serviceType() != type)
            return true;
        if (passed++ == passing) {
            result = c;
            return false;
        }
        return true;
    });
    return result;
}

bool MoveChannel(ChannelDatabase& db, int satellite, int a, int b, bool before) {
    if (!IsSatelliteSlot(satellite) || !IsChannelSlot(a) || !IsChannelSlot(b) || a == b)
        return false;
    // Both must lie on this satellite's chain, or the move would graft channels across chains.
    if (!IsChannelOnChain(db, satellite, a) || !IsChannelOnChain(db, satellite, b))
        return false;

    UnlinkChannel(db, satellite, a, false);

    SatelliteRecord sat = db.Satellite(satellite);
    ChannelRecord moved = db.Channel(a);
    ChannelRecord anchor = db.Channel(b);
    if (before) {
        const int q = anchor.prevChannel();
        if (!IsChannelSlot(q)) {
            sat.setFirstChannel(a);
            moved.setPrevChannel(NO_LINK);
        } else {
            db.Channel(q).setNextChannel(a);
            moved.setPrevChannel(q);
        }
        moved.setNextChannel(b);
        anchor.setPrevChannel(a);
    } else {
        const int r = anchor.nextChannel();
        if (!IsChannelSlot(r)) {
            sat.setLastChannel(a);
            moved.setNextChannel(NO_LINK);
        } else {
            db.Channel(r).setPrevChannel(a);
            moved.setNextChannel(r);
        }
        moved.setPrevChannel(b);
        anchor.setNextChannel(a);
    }
    return true;
}

void MoveChannelToNumber(ChannelDatabase& db, int satellite, int current, int target, bool tv) {
    if (current == target)
        return;
    const int a = ChannelAtNumber(db, satellite, current, tv);
    const int b = ChannelAtNumber(db, satellite, target, tv);
    MoveChannel(db, satellite, a, b, current > target);
    RenumberChannels(db, satellite);
}

} // namespace vormante
