// Decides which channel of one image is "the same service" as a channel of
// another image or a row of a channel list. Every list and comparison feature
// pairs channels through this one rule:
//
//  1. Required: the same satellite (the same position; where two satellites of
//     the image share a position, the one of the same name); a transponder of
//     the same polarization and symbol rate whose frequency lies within +-2 MHz;
//     the same video PID and the same audio PID.
//  2. Among the channels that pass 1, one with the same name is preferred, so
//     of two copies the one still carrying the name wins; a renamed channel
//     still finds its counterpart through 1 alone.
//  3. Ties are broken by order: the wanted keys are served in their order, each
//     taking the first candidate (in candidate order) no earlier key has taken.
//     The n-th of several identical copies thus pairs with the n-th copy on the
//     other side, and no candidate is taken twice.
//  4. What 1 to 3 leave unpaired pairs by the same satellite, kind (TV or radio,
//     by the video PID) and name, which is not empty: the channel whose PIDs or
//     transponder changed. Several left over with one satellite, kind and name
//     pair in order, as in 3.
#pragma once

#include "ChannelDatabase.h"

#include <string>
#include <vector>

namespace vormante {

inline constexpr int FREQUENCY_TOLERANCE_MHZ = 2;

struct ServiceKey {
    int position = 0;       // tenths of a degree, East positive
    unsigned frequency = 0; // MHz; 0 for a channel whose transponder is unusable
    bool vertical = false;
    unsigned symbolRate = 0;
    unsigned videoPid = NULL_PID;
    unsigned audioPid = NULL_PID;
    std::string name; // Latin-1 bytes
    // The image's satellite slot where two satellites share the position and the
    // name told which is meant; -1 otherwise (any satellite at the position).
    int satellite = -1;
};

// Part 1 of the rule: the technical identity, names aside.
bool SameService(const ServiceKey& a, const ServiceKey& b);

// A channel of an image together with its key.
struct ImageChannel {
    int satellite = -1;
    int channel = -1;
    bool tv = true; // by the video PID, as renumbering decides
    ServiceKey key;
};

// The key of a channel on the given satellite's chain. A transponder slot that
// is out of range or free gives frequency 0, horizontal, symbol rate 0.
ServiceKey ServiceKeyOf(const ChannelDatabase& db, int satellite, int channel);

// Every channel on a used satellite's chain: satellites in slot order, each
// chain in its order. Chains are walked bounded, so any image is safe.
std::vector<ImageChannel> ListImageChannels(const ChannelDatabase& db);

// Tells satellites that share a position apart. Channels of such satellites get
// their slot as key.satellite; SatelliteNamed gives the slot of the satellite at
// the position with the Latin-1 name, or -1 when the position is not shared or
// no satellite there has the name.
class SharedPositions {
public:
    explicit SharedPositions(const ChannelDatabase& db);
    void Tag(std::vector<ImageChannel>& channels) const;
    int SatelliteNamed(int position, const std::string& latin1Name) const;

private:
    const ChannelDatabase& db_;
    std::vector<int> shared_; // slots of used satellites whose position another used satellite has
};

// For each wanted key, the index of the candidate paired with it, or -1.
std::vector<int> MatchServices(const std::vector<ServiceKey>& wanted,
                               const std::vector<ServiceKey>& candidates);

} // namespace vormante
