#include "views/common/ChannelCounts.h"

#include "model/ChannelDatabase.h"
#include "model/RecordOperations.h"

namespace vormante {

ChannelCounts CurrentSatelliteChannelCounts(const vormante::ChannelDatabase& database) {
    const int slot = static_cast<int>(database.Settings().currentSatellite());
    if (!vormante::IsSatelliteSlot(slot) || !database.Satellite(slot).isUsed())
        return {};
    return {vormante::CountChannelsOnCurrentSatellite(database, true),
            vormante::CountChannelsOnCurrentSatellite(database, false)};
}

} // namespace vormante
