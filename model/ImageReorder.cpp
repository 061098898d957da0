#include "ImageReorder.h"

#include "ChannelList.h"
#include "ChannelMatcher.h"

#include <map>

namespace vormante {

ChannelOrderPlan PlanReorderLike(const ChannelDatabase& image, const ChannelDatabase& other,
                                 ReorderOptions options) {
    ChannelOrderPlan plan;
    std::vector<ImageChannel> channels = ListImageChannels(image);
    std::vector<ImageChannel> model = ListImageChannels(other);
    const SharedPositions shared(image);
    shared.Tag(channels);
    for (ImageChannel& channel : model)
        channel.key.satellite =
            shared.SatelliteNamed(channel.key.position, other.Satellite(channel.satellite).name());
    std::vector<ServiceKey> candidates, wanted;
    candidates.reserve(channels.size());
    wanted.reserve(model.size());
    for (const ImageChannel& channel : channels)
        candidates.push_back(channel.key);
    for (const ImageChannel& channel : model)
        wanted.push_back(channel.key);
    const std::vector<int> pairs = MatchServices(wanted, candidates);

    constexpr unsigned TAKEN_FLAGS = FLAG_LOCKED | FLAG_FAVOURITES;
    std::map<int, PlannedSatellite> satellites;
    std::vector<bool> paired(channels.size(), false);
    for (std::size_t m = 0; m < model.size(); ++m) {
        if (pairs[m] < 0)
            continue;
        const ImageChannel& channel = channels[static_cast<std::size_t>(pairs[m])];
        paired[static_cast<std::size_t>(pairs[m])] = true;
        satellites[channel.satellite].listed.push_back(channel.channel);
        const ConstChannelRecord record = image.Channel(channel.channel);
        const ConstChannelRecord source = other.Channel(model[m].channel);
        if (options.names && source.name() != record.name())
            plan.renamed.push_back({channel.satellite, channel.channel, record.name(), source.name()});
        const unsigned before = ChannelFlagsOf(record);
        const unsigned after = (before & ~TAKEN_FLAGS) | (ChannelFlagsOf(source) & TAKEN_FLAGS);
        if (options.flags && after != before)
            plan.flagsChanged.push_back({channel.satellite, channel.channel, record.name(), before, after});
    }
    FinishOrderPlan(image, channels, paired, satellites, plan);
    return plan;
}

bool ApplyReorder(ChannelDatabase& image, const ChannelOrderPlan& plan) {
    return ApplyChannelOrderPlan(image, plan, false);
}

} // namespace vormante
