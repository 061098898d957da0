#include "ChannelMatcher.h"

#include "ChainWalk.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <tuple>
#include <unordered_map>

namespace vormante {

namespace {

// Everything of part 1 but the frequency, packed into one number for bucketing.
std::uint64_t BucketOf(const ServiceKey& key) {
    const auto position = static_cast<std::uint64_t>(static_cast<std::uint32_t>(key.position) & 0xFFFFF);
    return position | std::uint64_t(key.vertical ? 1 : 0) << 20 |
           std::uint64_t(key.symbolRate & 0xFFFF) << 21 | std::uint64_t(key.videoPid & 0x3FFF) << 37 |
           std::uint64_t(key.audioPid & 0x3FFF) << 51;
}

bool CloseFrequency(unsigned a, unsigned b) {
    return std::abs(static_cast<long>(a) - static_cast<long>(b)) <= FREQUENCY_TOLERANCE_MHZ;
}

bool SameSatellite(const ServiceKey& a, const ServiceKey& b) {
    return a.position == b.position && (a.satellite < 0 || b.satellite < 0 || a.satellite == b.satellite);
}

// Part 4's group: satellite, kind and name.
std::tuple<int, int, bool, std::string> NameGroupOf(const ServiceKey& key) {
    return {key.position, key.satellite, key.videoPid != NULL_PID, key.name};
}

void PairLeftOverByName(const std::vector<ServiceKey>& wanted, const std::vector<ServiceKey>& candidates,
                        std::vector<bool>& taken, std::vector<int>& result) {
    std::map<std::tuple<int, int, bool, std::string>, std::deque<int>> left;
    for (int c = 0; c < static_cast<int>(candidates.size()); ++c)
        if (!taken[static_cast<std::size_t>(c)] && !candidates[static_cast<std::size_t>(c)].name.empty())
            left[NameGroupOf(candidates[static_cast<std::size_t>(c)])].push_back(c);
    for (std::size_t w = 0; w < wanted.size(); ++w) {
        if (result[w] != -1 || wanted[w].name.empty())
            continue;
        const auto group = left.find(NameGroupOf(wanted[w]));
        if (group == left.end() || group->second.empty())
            continue;
        result[w] = group->second.front();
        taken[static_cast<std::size_t>(result[w])] = true;
        group->second.pop_front();
    }
}

} // namespace

bool SameService(const ServiceKey& a, const ServiceKey& b) {
    return SameSatellite(a, b) && a.vertical == b.vertical && a.symbolRate == b.symbolRate &&
           a.videoPid == b.videoPid && a.audioPid == b.audioPid && CloseFrequency(a.frequency, b.frequency);
}

SharedPositions::SharedPositions(const ChannelDatabase& db) : db_(db) {
    std::map<int, std::vector<int>> byPosition;
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        if (db.Satellite(s).isUsed())
            byPosition[db.Satellite(s).position()].push_back(s);
    for (const auto& [position, slots] : byPosition)
        if (slots.size() > 1)
            shared_.insert(shared_.end(), slots.begin(), slots.end());
}

void SharedPositions::Tag(std::vector<ImageChannel>& channels) const {
    for (ImageChannel& channel : channels)
        if (std::find(shared_.begin(), shared_.end(), channel.satellite) != shared_.end())
            channel.key.satellite = channel.satellite;
}

int SharedPositions::SatelliteNamed(int position, const std::string& latin1Name) const {
    for (const int s : shared_)
        if (db_.Satellite(s).position() == position && db_.Satellite(s).name() == latin1Name)
            return s;
    return -1;
}

ServiceKey ServiceKeyOf(const ChannelDatabase& db, int satellite, int channel) {
    ServiceKey key;
    if (IsSatelliteSlot(satellite))
        key.position = db.Satellite(satellite).position();
    if (!IsChannelSlot(channel))
        return key;
    const ConstChannelRecord record = db.Channel(channel);
    const int t = record.transponder();
    if (IsTransponderSlot(t) && db.Transponder(t).isUsed()) {
        const ConstTransponderRecord transponder = db.Transponder(t);
        key.frequency = transponder.frequency();
        key.vertical = transponder.isVertical();
        key.symbolRate = transponder.symbolRate();
    }
    key.videoPid = record.videoPid();
    key.audioPid = record.audioPid();
    key.name = record.name();
    return key;
}

std::vector<ImageChannel> ListImageChannels(const ChannelDatabase& db) {
    std::vector<ImageChannel> list;
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        chains::WalkChannels(db, s, [&](int c) {
            ImageChannel entry;
            entry.satellite = s;
            entry.channel = c;
            entry.key = ServiceKeyOf(db, s, c);
            entry.tv = entry.key.videoPid != NULL_PID;
            list.push_back(std::move(entry));
            return true;
        });
    }
    return list;
}

std::vector<int> MatchServices(const std::vector<ServiceKey>& wanted,
                               const std::vector<ServiceKey>& candidates) {
    std::unordered_map<std::uint64_t, std::vector<int>> buckets;
    buckets.reserve(candidates.size());
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i)
        buckets[BucketOf(candidates[i])].push_back(i);

    std::vector<int> result(wanted.size(), -1);
    std::vector<bool> taken(candidates.size(), false);
    // Pass 1 pairs keys whose names agree too, pass 2 the rest; both go in order.
    for (const bool byName : {true, false}) {
        for (std::size_t w = 0; w < wanted.size(); ++w) {
            if (result[w] != -1)
                continue;
            const ServiceKey& key = wanted[w];
            const auto bucket = buckets.find(BucketOf(key));
            if (bucket == buckets.end())
                continue;
            for (const int c : bucket->second) {
                const ServiceKey& candidate = candidates[static_cast<std::size_t>(c)];
                if (taken[static_cast<std::size_t>(c)] || !SameService(key, candidate) ||
                    (byName && key.name != candidate.name))
                    continue;
                taken[static_cast<std::size_t>(c)] = true;
                result[w] = c;
                break;
            }
        }
    }
    PairLeftOverByName(wanted, candidates, taken, result);
    return result;
}

} // namespace vormante
