#include "DocumentChange.h"

#include <algorithm>
#include <cstddef>

namespace vormante {

namespace {

using Range = ImageDelta::Range;

// A table of equal records from `start`, its record i being slot firstSlot + i.
struct Table {
    std::size_t start;
    std::size_t recordSize;
    int count;
    int firstSlot;
    std::vector<int>* slots;
};

// Adds the slots whose records the byte range [from, to) lies in.
void Collect(const Table& table, std::size_t from, std::size_t to, std::vector<int>& slots) {
    const std::size_t end = table.start + table.recordSize * static_cast<std::size_t>(table.count);
    const std::size_t low = std::max(from, table.start);
    const std::size_t high = std::min(to, end);
    if (low >= high)
        return;
    const auto first = static_cast<int>((low - table.start) / table.recordSize);
    const auto last = static_cast<int>((high - 1 - table.start) / table.recordSize);
    for (int index = first; index <= last; ++index)
        slots.push_back(table.firstSlot + index);
}

// Bytes of [from, to) that no table and not the settings block hold.
bool OutsideRecords(std::size_t from, std::size_t to,
                    const std::vector<std::pair<std::size_t, std::size_t>>& held) {
    std::size_t at = from;
    for (const auto& [start, end] : held) {
        if (at >= to)
            return false;
        if (end <= at || start >= to)
            continue;
        if (start > at)
            return true;
        at = std::max(at, end);
    }
    return at < to;
}

void SortUnique(std::vector<int>& slots) {
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
}

bool Contains(const std::vector<int>& slots, int slot) {
    return std::binary_search(slots.begin(), slots.end(), slot);
}

} // namespace

bool DocumentChange::empty() const {
    return satellites.empty() && transponders.empty() && channels.empty() && !settings && !other;
}

bool DocumentChange::TouchesSatellite(int slot) const {
    return Contains(satellites, slot);
}

bool DocumentChange::TouchesTransponder(int slot) const {
    return Contains(transponders, slot);
}

bool DocumentChange::TouchesChannel(int slot) const {
    return Contains(channels, slot);
}

DocumentChange DocumentChange::Of(const ImageDelta& delta, Cause cause) {
    using namespace layout;
    DocumentChange change;
    change.cause = cause;
    std::vector<Table> tables = {
        {SATELLITE_TABLE, SATELLITE_RECORD_SIZE, SATELLITE_SLOTS, 0, &change.satellites},
        {TRANSPONDER_MARK_TABLE, 1, TRANSPONDER_SLOTS, 0, &change.transponders},
        {TRANSPONDER_TABLE, TRANSPONDER_RECORD_SIZE, TRANSPONDER_SLOTS, 0, &change.transponders},
    };
    for (std::size_t run = 0; run < CHANNEL_RUN_COUNT; ++run)
        tables.push_back({CHANNEL_RUN_OFFSETS[run], CHANNEL_RECORD_SIZE, CHANNEL_RUN_SLOTS[run],
                          CHANNEL_RUN_FIRST_SLOT[run], &change.channels});
    // The byte ranges the records and the settings block hold, in image order.
    std::vector<std::pair<std::size_t, std::size_t>> held;
    for (const Table& table : tables)
        held.emplace_back(table.start,
                          table.start + table.recordSize * static_cast<std::size_t>(table.count));
    held.emplace_back(SETTINGS_BLOCK, SETTINGS_BLOCK + SETTINGS_BLOCK_SIZE);
    std::sort(held.begin(), held.end());

    for (const Range& range : delta.ranges()) {
        const std::size_t from = range.offset;
        const std::size_t to = from + range.length;
        for (const Table& table : tables)
            Collect(table, from, to, *table.slots);
        change.settings =
            change.settings || (from < SETTINGS_BLOCK + SETTINGS_BLOCK_SIZE && to > SETTINGS_BLOCK);
        change.other = change.other || OutsideRecords(from, to, held);
    }
    SortUnique(change.satellites);
    SortUnique(change.transponders);
    SortUnique(change.channels);
    return change;
}

} // namespace vormante
