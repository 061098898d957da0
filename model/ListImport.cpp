#include "ListImport.h"

#include "ChainWalk.h"
#include "ChannelMatcher.h"

#include <map>

namespace vormante {

namespace {

// The identity a list row is matched by.
ServiceKey KeyOfRow(const ListRow& row, const SharedPositions& shared) {
    ServiceKey key;
    key.position = row.position;
    key.frequency = row.frequency;
    key.vertical = row.vertical;
    key.symbolRate = row.symbolRate;
    key.videoPid = row.videoPid;
    key.audioPid = row.audioPid;
    // A name that cannot be stored matches no stored name; the technical identity still pairs it.
    key.name = row.nameFits ? row.latin1Name : std::string(1, '\0');
    // The Satellite column tells apart two satellites at one position (two dishes, say).
    std::string satellite;
    if (Utf8ToLatin1(row.satellite, &satellite))
        key.satellite = shared.SatelliteNamed(row.position, satellite);
    return key;
}

// What the list changes of a paired channel: its name and flags, and why it was
// paired by name only or cannot take the list's name.
void PlanPairedRow(const ChannelDatabase& db, const ListRow& row, const ServiceKey& wanted,
                   const ImageChannel& channel, ListImportPlan& plan) {
    const ConstChannelRecord record = db.Channel(channel.channel);
    if (!SameService(wanted, channel.key))
        plan.pairedByName.push_back({row.line, channel.satellite, channel.channel, row.name});
    if (!row.nameFits)
        plan.namesTooLong.push_back({row.line, channel.satellite, channel.channel, row.name});
    else if (row.latin1Name != record.name())
        plan.order.renamed.push_back({channel.satellite, channel.channel, record.name(), row.latin1Name});
    const unsigned flags = ChannelFlagsOf(record);
    if (flags != row.flags)
        plan.order.flagsChanged.push_back(
            {channel.satellite, channel.channel, record.name(), flags, row.flags});
}

} // namespace

ListImportPlan PlanListImport(const ChannelDatabase& db, const std::vector<ListRow>& rows) {
    ListImportPlan plan;
    std::vector<ImageChannel> channels = ListImageChannels(db);
    const SharedPositions shared(db);
    shared.Tag(channels);
    std::vector<ServiceKey> candidates;
    candidates.reserve(channels.size());
    for (const ImageChannel& channel : channels)
        candidates.push_back(channel.key);
    std::vector<ServiceKey> wanted;
    wanted.reserve(rows.size());
    for (const ListRow& row : rows)
        wanted.push_back(KeyOfRow(row, shared));
    const std::vector<int> pairs = MatchServices(wanted, candidates);

    // Satellites in slot order, each with its paired channels in row order.
    std::map<int, PlannedSatellite> satellites;
    std::vector<bool> paired(channels.size(), false);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const ListRow& row = rows[r];
        if (pairs[r] < 0) {
            plan.unmatchedRows.push_back({row.line, row.satellite, row.position, row.name});
            continue;
        }
        const ImageChannel& channel = channels[static_cast<std::size_t>(pairs[r])];
        paired[static_cast<std::size_t>(pairs[r])] = true;
        satellites[channel.satellite].listed.push_back(channel.channel);
        PlanPairedRow(db, row, wanted[r], channel, plan);
    }
    FinishOrderPlan(db, channels, paired, satellites, plan.order);
    return plan;
}

ListImportPlan PlanListImport(const ChannelDatabase& db, const ListReadResult& list) {
    ListImportPlan plan = PlanListImport(db, list.rows);
    plan.encoding = list.encoding;
    return plan;
}

bool ApplyListImport(ChannelDatabase& db, const ListImportPlan& plan, bool deleteMissing) {
    return ApplyChannelOrderPlan(db, plan.order, deleteMissing);
}

} // namespace vormante
