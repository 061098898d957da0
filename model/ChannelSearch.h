// Finding channels by what a user types: a name fragment, or a number that is a
// channel's number or one of its PIDs. Names are Latin-1 bytes; matching folds both
// the query and the name to lower case without accents, so "zdf" finds "ZDF" and
// "tele" finds "Télé". Also the figures the status line and the CLI show about how
// full an image's tables are.
#pragma once

#include "ChannelDatabase.h"

#include <string>
#include <string_view>
#include <vector>

namespace vormante {

// Lower case without accents: 'É' and 'é' become 'e', 'ß' becomes "ss", 'Æ' "ae",
// 'Þ' "th". Bytes that are not letters pass unchanged.
std::string FoldLatin1(std::string_view latin1);

// A parsed search text. Leading and trailing blanks do not count. A text of digits
// only is a number query: it matches a channel number or a PID and never a name.
// Anything else matches names containing it after folding. An empty query matches
// every channel.
class ChannelQuery {
public:
    ChannelQuery() = default;
    explicit ChannelQuery(std::string_view latin1);

    bool empty() const { return !numeric_ && folded_.empty(); }
    bool numeric() const { return numeric_; }
    // The number of a number query; -1 when it is too long to be any field's value.
    long number() const { return number_; }

    bool MatchesName(std::string_view latin1Name) const;
    // True for the given number, or for a PID other than the "no PID" value 0x1FFF.
    bool MatchesNumber(long value) const;
    bool MatchesPid(unsigned pid) const;
    // Name, shown number (the "No" of a list row), the CH No field or any PID
    // (video, audio, PCR, teletext).
    bool Matches(ConstChannelRecord channel, int shownNumber) const;

private:
    std::string folded_;
    bool numeric_ = false;
    long number_ = -1;
};

struct ChannelMatch {
    int satellite = -1;   // slot
    int transponder = -1; // slot, or -1 when the channel names none in range
    bool tv = true;
    int number = 0;              // among the satellite's channels of its kind, from 1
    int numberOnTransponder = 0; // among its transponder's channels of its kind, from 1
    int channel = -1;            // slot
    std::string name;            // Latin-1
};

// Every TV or radio channel matching the query, satellite by satellite in slot order
// (the order of the satellite lists) and along each satellite's channel chain. The
// numbers are what the lists show in their "No" column. Chains are walked with
// every link range-checked and no slot visited twice, so a damaged image is safe.
std::vector<ChannelMatch> FindChannels(const ChannelDatabase& db, const ChannelQuery& query);
std::vector<ChannelMatch> FindChannels(const ChannelDatabase& db, std::string_view latin1Query);

// How full the image's tables are, and its channels by kind.
struct ImageStatistics {
    int satellites = 0;   // used slots of SATELLITE_SLOTS
    int transponders = 0; // used slots of TRANSPONDER_SLOTS
    int channels = 0;     // occupied slots of CHANNEL_SLOTS
    int tvChannels = 0;   // occupied slots holding a TV channel
    int radioChannels = 0;
};
ImageStatistics CountImage(const ChannelDatabase& db);

} // namespace vormante
