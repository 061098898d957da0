// Counts of what an image holds, read without following any link.
#pragma once

#include "model/ChannelDatabase.h"

#include <string>

namespace vormante::cli {

struct ImageSummary {
    int satellites = 0;    // slots whose state is not 0
    int transponders = 0;  // slots with either in-use bit set
    int tvChannels = 0;    // used channel slots of service type 1
    int radioChannels = 0; // ... of service type 2
    int otherChannels = 0; // used channel slots of any other service type
    int currentSatellite = 0;
    bool currentSatelliteUsed = false;
    std::string currentSatelliteName;
    int currentSatellitePosition = 0;
};

ImageSummary SummarizeImage(const ChannelDatabase& db);

} // namespace vormante::cli
