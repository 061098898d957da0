// Checks a whole image for the inconsistencies that the record operations never
// leave behind: broken chains, wrong counts, records owned twice or by nobody,
// and channel numbers that renumbering would change. Reads only; safe on any content.
#pragma once

#include "ChannelDatabase.h"

#include <string>
#include <vector>

namespace vormante {

enum class ProblemKind {
    LinkOutOfRange,              // a head, tail or next link names no slot of its table
    ChainCycle,                  // a chain comes back to one of its members
    WrongHead,                   // the head has a previous member
    BrokenBackLink,              // a member's previous link does not name the member before it
    WrongTail,                   // the tail field does not name the chain's last member
    CountMismatch,               // channelCount or transponderCount differs from the chain's length
    SharedRecord,                // a record lies on the chains of two satellites
    FreeRecordOnChain,           // a chain passes through a free slot
    TransponderOfOtherSatellite, // a transponder on one satellite's chain names another satellite
    ChannelWithoutTransponder,   // a channel's transponder is 0xFFFF or outside the table
    ChannelOnFreeTransponder,    // a channel names a released transponder
    ChannelOfOtherSatellite,     // a channel names a transponder of another satellite
    TransponderOnNoChain,        // a transponder in use that no satellite's chain reaches
    ChannelOnNoChain,            // a channel in use that no satellite's chain reaches
    SatelliteCountMismatch,      // satelliteCount differs from the number of used satellite slots
    ChannelsWithoutState,        // a satellite holds channels but its state is not 1
    WrongServiceType,            // serviceType differs from what the video PID says
    WrongChannelNumber,          // channelNumber differs from the channel's position among its type
};

struct ConsistencyProblem {
    ProblemKind kind;
    int satellite = -1; // slots involved, -1 where none
    int transponder = -1;
    int channel = -1;
    std::string message; // one sentence for the user
};

// Every inconsistency found, satellite by satellite in slot order, then the global ones.
// An empty result means the image is consistent.
std::vector<ConsistencyProblem> CheckConsistency(const ChannelDatabase& db);

} // namespace vormante
