#include "ChannelOrderPlan.h"

#include "ChainWalk.h"
#include "ChannelList.h"
#include "RecordOperations.h"
#include "Texts.h"

#include <unordered_map>

namespace vormante {

namespace {

bool IsTv(const ChannelDatabase& db, int channel) {
    return db.Channel(channel).videoPid() != NULL_PID;
}

// Number of each channel among its type in the given order, from 1.
std::unordered_map<int, int> NumbersOf(const ChannelDatabase& db, const std::vector<int>& order) {
    std::unordered_map<int, int> numbers;
    int tv = 0, radio = 0;
    for (const int c : order)
        numbers[c] = IsTv(db, c) ? ++tv : ++radio;
    return numbers;
}

void Relink(ChannelDatabase& db, int satellite, const std::vector<int>& chain) {
    for (std::size_t i = 0; i < chain.size(); ++i) {
        ChannelRecord channel = db.Channel(chain[i]);
        channel.setPrevChannel(i == 0 ? NO_LINK : chain[i - 1]);
        channel.setNextChannel(i + 1 == chain.size() ? NO_LINK : chain[i + 1]);
    }
    SatelliteRecord sat = db.Satellite(satellite);
    sat.setFirstChannel(chain.empty() ? NO_LINK : chain.front());
    sat.setLastChannel(chain.empty() ? NO_LINK : chain.back());
}

bool ValidPlan(const ChannelDatabase& db, const ChannelOrderPlan& plan) {
    std::unordered_map<int, int> owner; // channel -> satellite, for every planned chain
    for (const PlannedSatellite& planned : plan.satellites) {
        if (!IsSatelliteSlot(planned.satellite) ||
            chains::ChannelChain(db, planned.satellite) != planned.chainBefore)
            return false;
        // A channel on two chains belongs to a damaged image; relinking one chain would cut the other.
        for (const int c : planned.chainBefore)
            if (!owner.emplace(c, planned.satellite).second)
                return false;
        // Listed and missing together must be the chain, each member once.
        std::unordered_map<int, int> seen;
        for (const int c : planned.listed)
            ++seen[c];
        for (const int c : planned.missing)
            ++seen[c];
        if (seen.size() != planned.chainBefore.size())
            return false;
        for (const int c : planned.chainBefore)
            if (seen[c] != 1)
                return false;
    }
    const auto owned = [&](int satellite, int channel) {
        const auto it = owner.find(channel);
        return it != owner.end() && it->second == satellite;
    };
    for (const PlannedRename& rename : plan.renamed)
        if (!owned(rename.satellite, rename.channel) ||
            rename.after.size() > static_cast<std::size_t>(ChannelRecord::NAME_FIELD_SIZE))
            return false;
    for (const PlannedFlags& flags : plan.flagsChanged)
        if (!owned(flags.satellite, flags.channel))
            return false;
    return true;
}

} // namespace

bool ChannelOrderPlan::ChangesImage(bool deleteMissing) const {
    return !moved.empty() || !renamed.empty() || !flagsChanged.empty() || (deleteMissing && !missing.empty());
}

std::vector<int> PlannedChain(const ChannelDatabase& db, const PlannedSatellite& satellite,
                              bool deleteMissing) {
    std::vector<int> tv, radio;
    for (const int c : satellite.listed)
        (IsTv(db, c) ? tv : radio).push_back(c);
    if (!deleteMissing)
        for (const int c : satellite.missing)
            (IsTv(db, c) ? tv : radio).push_back(c);
    std::vector<int> chain;
    chain.reserve(tv.size() + radio.size());
    std::size_t nextTv = 0, nextRadio = 0;
    for (const int c : satellite.chainBefore) {
        if (IsTv(db, c)) {
            if (nextTv < tv.size())
                chain.push_back(tv[nextTv++]);
        } else if (nextRadio < radio.size()) {
            chain.push_back(radio[nextRadio++]);
        }
    }
    return chain;
}

void FinishOrderPlan(const ChannelDatabase& db, const std::vector<ImageChannel>& channels,
                     const std::vector<bool>& paired, std::map<int, PlannedSatellite>& satellites,
                     ChannelOrderPlan& plan) {
    for (std::size_t i = 0; i < channels.size(); ++i) {
        PlannedSatellite& planned = satellites[channels[i].satellite];
        planned.chainBefore.push_back(channels[i].channel);
        if (!paired[i])
            planned.missing.push_back(channels[i].channel);
    }
    for (auto& [slot, planned] : satellites) {
        planned.satellite = slot;
        plan.satellites.push_back(std::move(planned));
    }
    DescribeOrderChanges(db, plan);
}

void DescribeOrderChanges(const ChannelDatabase& db, ChannelOrderPlan& plan) {
    plan.moved.clear();
    plan.missing.clear();
    plan.imageProblem = SharedChannelProblem(db);
    for (const PlannedSatellite& planned : plan.satellites) {
        const auto before = NumbersOf(db, planned.chainBefore);
        const auto after = NumbersOf(db, PlannedChain(db, planned, false));
        const auto describe = [&](int c) {
            return PlannedChannel{planned.satellite, c,           IsTv(db, c),
                                  before.at(c),      after.at(c), db.Channel(c).name()};
        };
        for (const int c : planned.listed)
            if (before.at(c) != after.at(c))
                plan.moved.push_back(describe(c));
        for (const int c : planned.missing)
            plan.missing.push_back(describe(c));
    }
}

bool ApplyChannelOrderPlan(ChannelDatabase& db, const ChannelOrderPlan& plan, bool deleteMissing) {
    if (!ValidPlan(db, plan))
        return false;
    return chains::AllOrNothing(db, [&] {
        for (const PlannedRename& rename : plan.renamed)
            if (db.Channel(rename.channel).name() != rename.after)
                db.Channel(rename.channel).setName(rename.after);
        for (const PlannedFlags& flags : plan.flagsChanged)
            SetChannelFlags(db.Channel(flags.channel), flags.after, FLAG_ALL);

        for (const PlannedSatellite& planned : plan.satellites) {
            const std::vector<int> chain = PlannedChain(db, planned, deleteMissing);
            bool changed = false;
            if (deleteMissing) {
                for (const int c : planned.missing) {
                    if (!DeleteChannel(db, c, planned.satellite))
                        return false;
                    changed = true;
                }
            }
            if (!chain.empty() && chain != chains::ChannelChain(db, planned.satellite)) {
                Relink(db, planned.satellite, chain);
                changed = true;
            }
            if (changed)
                RenumberChannels(db, planned.satellite);
        }
        return true;
    });
}

std::string SharedChannelProblem(const ChannelDatabase& db) {
    std::unordered_map<int, int> owner;
    std::string problem;
    for (int s = 0; s < SATELLITE_SLOTS && problem.empty(); ++s)
        chains::WalkChannels(db, s, [&](int c) {
            const auto [it, first] = owner.emplace(c, s);
            if (!first)
                problem = FillIn(
                    Tr("ChannelOrderPlan", "channel slot %1 lies on the chains of satellite slots %2 and %3"),
                    {std::to_string(c), std::to_string(it->second), std::to_string(s)});
            return first;
        });
    return problem;
}

} // namespace vormante
