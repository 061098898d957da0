#include "Duplicates.h"

#include "ChainWalk.h"
#include "ChannelMatcher.h"
#include "RecordOperations.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace vormante {

std::vector<DuplicateGroup> FindDuplicates(const ChannelDatabase& db) {
    std::vector<DuplicateGroup> groups;
    const std::vector<ImageChannel> channels = ListImageChannels(db);
    std::size_t begin = 0;
    while (begin < channels.size()) {
        std::size_t end = begin;
        while (end < channels.size() && channels[end].satellite == channels[begin].satellite)
            ++end;
        // Channels of one satellite, bucketed by everything but the frequency, in chain order.
        std::map<std::tuple<bool, unsigned, unsigned, unsigned>, std::vector<std::size_t>> buckets;
        for (std::size_t i = begin; i < end; ++i) {
            const ServiceKey& key = channels[i].key;
            buckets[{key.vertical, key.symbolRate, key.videoPid, key.audioPid}].push_back(i);
        }
        std::vector<DuplicateGroup> found;
        for (const auto& [bucketKey, members] : buckets) {
            std::vector<bool> grouped(members.size(), false);
            for (std::size_t m = 0; m < members.size(); ++m) {
                if (grouped[m])
                    continue;
                DuplicateGroup group{channels[begin].satellite, {channels[members[m]].channel}};
                // Each copy is measured against the group's first channel, so a group never drifts.
                for (std::size_t k = m + 1; k < members.size(); ++k) {
                    if (!grouped[k] && SameService(channels[members[m]].key, channels[members[k]].key)) {
                        grouped[k] = true;
                        group.channels.push_back(channels[members[k]].channel);
                    }
                }
                if (group.channels.size() > 1)
                    found.push_back(std::move(group));
            }
        }
        // By the place of each group's first channel in the chain.
        std::map<int, std::size_t> place;
        for (std::size_t i = begin; i < end; ++i)
            place[channels[i].channel] = i;
        std::sort(found.begin(), found.end(), [&](const DuplicateGroup& x, const DuplicateGroup& y) {
            return place[x.channels.front()] < place[y.channels.front()];
        });
        groups.insert(groups.end(), found.begin(), found.end());
        begin = end;
    }
    return groups;
}

std::vector<int> ExtraCopies(const std::vector<DuplicateGroup>& groups) {
    std::vector<int> extra;
    for (const DuplicateGroup& group : groups)
        extra.insert(extra.end(), group.channels.begin() + 1, group.channels.end());
    return extra;
}

bool DeleteChannels(ChannelDatabase& db, const std::vector<int>& channels) {
    std::map<int, int> owner; // channel -> satellite, -1 for a channel on two chains
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        chains::WalkChannels(db, s, [&](int c) {
            if (!owner.emplace(c, s).second)
                owner[c] = -1;
            return true;
        });
    // A channel on two chains belongs to a damaged image: freeing it would leave the other chain on a free
    // slot.
    std::set<int> unique;
    for (const int c : channels)
        if (!owner.count(c) || owner[c] < 0 || !unique.insert(c).second)
            return false;
    return chains::AllOrNothing(db, [&] {
        std::set<int> satellites;
        for (const int c : channels) {
            const int s = owner[c];
            if (!DeleteChannel(db, c, s))
                return false;
            satellites.insert(s);
        }
        for (const int s : satellites)
            RenumberChannels(db, s);
        return true;
    });
}

} // namespace vormante
