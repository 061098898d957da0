// Operations on several channels of one satellite at once: moving a block,
// setting or clearing one flag, deleting. The channels are given as slots and
// are all checked before anything changes; a call that refuses its arguments
// changes nothing and returns false. Moves work on the channels of one kind (TV
// or radio) the way the channel lists show them: the kind's channels take their
// new order, the other kind's channels keep their places in the chain, and the
// satellite is renumbered afterwards, as a single move does.
#pragma once

#include "ChannelDatabase.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vormante {

enum class ChannelFlag { Lock, Fav1, Fav2, Fav3, Fav4 };

// The satellite's channels of the kind, in chain order.
std::vector<int> ChannelsOfKind(const ChannelDatabase& db, int satellite, bool tv);

// Puts the channels, in their present chain order, at numbers target .. target+n-1
// of their kind. A target past the end places the block last. False, changing
// nothing, unless every slot is a channel of that kind on the satellite's chain,
// named once, and target is at least 1.
bool MoveChannelsToNumber(ChannelDatabase& db, int satellite, const std::vector<int>& channels, int target,
                          bool tv);
bool MoveChannelsToTop(ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv);
bool MoveChannelsToBottom(ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv);
// Moves every channel one place up (or down) past the next unselected channel of its
// kind; channels already at the end stay, and so do selected channels behind them.
bool MoveChannelsByOne(ChannelDatabase& db, int satellite, const std::vector<int>& channels, bool tv,
                       bool up);
// Drops the channels before the channel `anchor` of the same kind (or after the last
// channel when anchor is -1). An anchor among the dragged channels stands for the
// first unselected channel after it.
bool DropChannelsBefore(ChannelDatabase& db, int satellite, const std::vector<int>& channels, int anchor,
                        bool tv);

// Sets or clears one flag on every channel, touching no other bit. False, changing
// nothing, unless every slot is a channel in use.
bool SetChannelsFlag(ChannelDatabase& db, const std::vector<int>& channels, ChannelFlag flag, bool on);

// The fields an edit of several channels changes; a field left empty keeps each
// channel's own value.
struct ChannelFieldEdits {
    std::optional<std::string> name;                                 // Latin-1, at most 11 bytes are stored
    std::optional<unsigned> videoPid, audioPid, pcrPid, teletextPid; // 0 means no PID
    std::optional<bool> locked, scrambled;
    std::array<std::optional<bool>, 4> fav{};
};

// Writes the given fields into every channel and nothing else; a new video PID
// decides TV or radio as a single edit does, and the channels' satellites are
// renumbered. False, changing nothing, unless every slot is a channel on the chain
// of its transponder's satellite, named once.
bool EditChannels(ChannelDatabase& db, const std::vector<int>& channels, const ChannelFieldEdits& edits);

} // namespace vormante
