// A planned change of channel order, names and flags across an image's
// satellites: what the list import and the order-like-another-image command
// show in their previews and then apply in one call.
//
// Each satellite's new order is its listed channels (in the order given) and
// then the channels the source lacks (in their chain order). TV and radio are
// numbered apart, so the new order is laid out per type: the TV channels take
// the chain places that TV channels held, the radio channels those of radio.
// An order that changes nothing leaves the chain's bytes as they are.
#pragma once

#include "ChannelDatabase.h"
#include "ChannelMatcher.h"

#include <map>
#include <string>
#include <vector>

namespace vormante {

struct PlannedSatellite {
    int satellite = -1;
    std::vector<int> chainBefore; // the chain when planned; applying checks it is unchanged
    std::vector<int> listed;      // channels the source names, in the new order
    std::vector<int> missing;     // channels the source lacks, in chain order
};

// A channel as the preview lists it. Names are Latin-1 as stored.
struct PlannedChannel {
    int satellite = -1;
    int channel = -1;
    bool tv = true;
    int numberBefore = 0; // position among its type, from 1
    int numberAfter = 0;  // the same after the change (missing channels kept)
    std::string name;
};

struct PlannedRename {
    int satellite = -1;
    int channel = -1;
    std::string before; // Latin-1
    std::string after;  // Latin-1, at most 11 bytes
};

struct PlannedFlags {
    int satellite = -1;
    int channel = -1;
    std::string name;    // Latin-1
    unsigned before = 0; // ChannelFlagBits
    unsigned after = 0;
};

struct ChannelOrderPlan {
    std::vector<PlannedSatellite> satellites;
    std::vector<PlannedChannel> moved;   // listed channels whose number changes
    std::vector<PlannedChannel> missing; // channels the source lacks
    std::vector<PlannedRename> renamed;
    std::vector<PlannedFlags> flagsChanged;
    // Empty, or what is wrong with the image so that no plan made on it can be applied:
    // relinking one chain of a channel that lies on two would cut the other.
    std::string imageProblem;

    // Whether applying would change the image.
    bool ChangesImage(bool deleteMissing) const;
};

// Fills in `moved` and `missing` from the satellites' orders, and `imageProblem`.
void DescribeOrderChanges(const ChannelDatabase& db, ChannelOrderPlan& plan);

// Ends a plan whose listed channels are set, by satellite slot: each satellite's chain
// as it is (`channels`, from ListImageChannels), the channels no source paired with
// (`paired` false) as missing, in chain order; then DescribeOrderChanges.
void FinishOrderPlan(const ChannelDatabase& db, const std::vector<ImageChannel>& channels,
                     const std::vector<bool>& paired, std::map<int, PlannedSatellite>& satellites,
                     ChannelOrderPlan& plan);

// Renames, sets flags, deletes the missing channels when asked, relinks every
// planned satellite to its new order and renumbers it. Returns false, changing
// nothing, when the image no longer holds the chains the plan was made on, or
// holds a channel on two chains (see imageProblem), or a step fails.
bool ApplyChannelOrderPlan(ChannelDatabase& db, const ChannelOrderPlan& plan, bool deleteMissing);

// "channel slot C lies on the chains of satellite slots A and B" for the first
// channel found on two chains; empty when there is none.
std::string SharedChannelProblem(const ChannelDatabase& db);

// The chain a planned satellite gets: listed then missing (or listed alone),
// laid out per type over the chain places of that type.
std::vector<int> PlannedChain(const ChannelDatabase& db, const PlannedSatellite& satellite,
                              bool deleteMissing);

} // namespace vormante
