// Sorting and moving: both relink one satellite's channel chain and renumber it.
#include "ChainWalk.h"
#include "RecordOperations.h"

#include <algorithm>
#include <array>

namespace vormante {

using namespace chains;

namespace {

// One channel of the satellite being sorted. For the four stable orders `key` holds
// the scrambled bit or the transponder frequency, arranged so that a smaller key
// sorts first; small entries keep the insertion sort's shifting cheap.
struct SortEntry {
    std::uint16_t slot;
    std::uint16_t key;
};

std::uint16_t StableKey(SortKind kind, bool scrambled, std::uint16_t frequency) {
    switch (kind) {
    case SortKind::ScrambledFirst:
        return scrambled ? 0 : 1;
    case SortKind::ScrambledLast:
        return scrambled ? 1 : 0;
    case SortKind::FrequencyUp:
        return frequency;
    case SortKind::FrequencyDown:
        return static_cast<std::uint16_t>(0xFFFF - frequency);
    default:
        return 0;
    }
}

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

const std::uint8_t* NameOf(const ChannelDatabase& db, const SortEntry& entry) {
    return db.Channel(entry.slot).data() + 37;
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
        const ConstChannelRecord channel = db.Channel(c);
        const int t = channel.transponder();
        // A channel naming no transponder sorts as frequency 0.
        const auto frequency =
            static_cast<std::uint16_t>(IsTransponderSlot(t) ? db.Transponder(t).frequency() : 0);
        list[count++] =
            SortEntry{static_cast<std::uint16_t>(c), StableKey(kind, channel.scrambled(), frequency)};
        return true;
    });
    if (count == 0)
        return;

    const auto begin = list.begin();
    const auto end = list.begin() + static_cast<std::ptrdiff_t>(count);
    if (count >= 2) {
        if (kind == SortKind::NameUp) {
            std::sort(begin, end, [&](const SortEntry& a, const SortEntry& b) {
                return CompareNames(NameOf(db, a), NameOf(db, b)) < 0;
            });
        } else if (kind == SortKind::NameDown) {
            std::sort(begin, end, [&](const SortEntry& a, const SortEntry& b) {
                return CompareNames(NameOf(db, a), NameOf(db, b)) > 0;
            });
        } else {
            // Straight insertion: an entry moves left only past neighbours it strictly precedes.
            for (std::size_t i = 1; i < count; ++i) {
                const SortEntry entry = list[i];
                std::size_t j = i;
                while (j > 0 && entry.key < list[j - 1].key) {
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
    if (!IsSatelliteSlot(satellite) || number < 0 ||
        number > static_cast<int>(db.Satellite(satellite).channelCount()))
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

    UnlinkChannel(db, satellite, a, ChannelBefore(db, satellite, a), false);

    SatelliteRecord sat = db.Satellite(satellite);
    ChannelRecord moved = db.Channel(a);
    ChannelRecord anchor = db.Channel(b);
    if (before) {
        const int q = ChannelBefore(db, satellite, b);
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
