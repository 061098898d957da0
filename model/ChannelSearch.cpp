#include "ChannelSearch.h"

#include "ChainWalk.h"
#include "TextEncoding.h"

#include <algorithm>
#include <array>

namespace vormante {

namespace {

// The folded form of each Latin-1 byte from 0xC0 on: its plain letter, or a
// two-letter form for ligatures and sharp s; "\xD7" and "\xF7" are the signs × and ÷.
constexpr std::array<const char*, 64> UPPER_HALF_FOLDS = {
    "a", "a", "a", "a", "a", "a", "ae", "c",    "e", "e", "e", "e", "i", "i", "i",  "i",  // C0-CF
    "d", "n", "o", "o", "o", "o", "o",  "\xD7", "o", "u", "u", "u", "u", "y", "th", "ss", // D0-DF
    "a", "a", "a", "a", "a", "a", "ae", "c",    "e", "e", "e", "e", "i", "i", "i",  "i",  // E0-EF
    "d", "n", "o", "o", "o", "o", "o",  "\xF7", "o", "u", "u", "u", "u", "y", "th", "y",  // F0-FF
};

void AppendFolded(std::string& out, unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        out += static_cast<char>(c - 'A' + 'a');
    else if (c >= 0xC0)
        out += UPPER_HALF_FOLDS[c - 0xC0];
    else
        out += static_cast<char>(c);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Larger numbers cannot be any field's value; the limit keeps the parse in range.
constexpr std::size_t MAX_NUMBER_DIGITS = 9;

} // namespace

std::string FoldLatin1(std::string_view latin1) {
    return ConvertEachByte(latin1, AppendFolded);
}

ChannelQuery::ChannelQuery(std::string_view latin1) {
    while (!latin1.empty() && IsBlank(latin1.front()))
        latin1.remove_prefix(1);
    while (!latin1.empty() && IsBlank(latin1.back()))
        latin1.remove_suffix(1);
    numeric_ = !latin1.empty() &&
               std::all_of(latin1.begin(), latin1.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (numeric_) {
        if (latin1.size() <= MAX_NUMBER_DIGITS) {
            number_ = 0;
            for (const char c : latin1)
                number_ = number_ * 10 + (c - '0');
        }
        return;
    }
    folded_ = FoldLatin1(latin1);
}

bool ChannelQuery::MatchesName(std::string_view latin1Name) const {
    if (numeric_)
        return false;
    if (folded_.empty())
        return true;
    return FoldLatin1(latin1Name).find(folded_) != std::string::npos;
}

bool ChannelQuery::MatchesNumber(long value) const {
    return numeric_ && number_ >= 0 && value == number_;
}

bool ChannelQuery::MatchesPid(unsigned pid) const {
    return pid != NULL_PID && MatchesNumber(static_cast<long>(pid));
}

bool ChannelQuery::Matches(ConstChannelRecord channel, int shownNumber) const {
    if (empty())
        return true;
    if (!numeric_)
        return MatchesName(channel.name());
    return MatchesNumber(shownNumber) || MatchesNumber(channel.channelNumber()) ||
           MatchesPid(channel.videoPid()) || MatchesPid(channel.audioPid()) || MatchesPid(channel.pcrPid()) ||
           MatchesPid(channel.teletextPid());
}

std::vector<ChannelMatch> FindChannels(const ChannelDatabase& db, const ChannelQuery& query) {
    std::vector<ChannelMatch> matches;
    // Running counts per transponder and kind, reset for each satellite; only the
    // entries a satellite touched are reset, so the search stays linear in the channels.
    std::vector<int> onTransponder(2 * TRANSPONDER_SLOTS, 0);
    std::vector<int> touched;
    for (int satellite = 0; satellite < SATELLITE_SLOTS; ++satellite) {
        int tvCount = 0;
        int radioCount = 0;
        chains::WalkChannels(db, satellite, [&](int c) {
            const ConstChannelRecord channel = db.Channel(c);
            const unsigned type = channel.serviceType();
            if (type != ChannelRecord::SERVICE_TV && type != ChannelRecord::SERVICE_RADIO)
                return true;
            const bool tv = type == ChannelRecord::SERVICE_TV;
            const int number = tv ? ++tvCount : ++radioCount;
            const int transponder = IsTransponderSlot(channel.transponder()) ? channel.transponder() : -1;
            int numberOnTransponder = 0;
            if (transponder >= 0) {
                int& count = onTransponder[static_cast<std::size_t>(2 * transponder + (tv ? 0 : 1))];
                if (count == 0)
                    touched.push_back(2 * transponder + (tv ? 0 : 1));
                numberOnTransponder = ++count;
            }
            if (query.Matches(channel, number))
                matches.push_back(
                    {satellite, transponder, tv, number, numberOnTransponder, c, channel.name()});
            return true;
        });
        for (const int entry : touched)
            onTransponder[static_cast<std::size_t>(entry)] = 0;
        touched.clear();
    }
    return matches;
}

std::vector<ChannelMatch> FindChannels(const ChannelDatabase& db, std::string_view latin1Query) {
    return FindChannels(db, ChannelQuery(latin1Query));
}

ImageStatistics CountImage(const ChannelDatabase& db) {
    ImageStatistics figures;
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        figures.satellites += db.Satellite(s).isUsed() ? 1 : 0;
    for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
        figures.transponders += db.Transponder(t).isUsed() ? 1 : 0;
    for (int c = 0; c < CHANNEL_SLOTS; ++c) {
        const ConstChannelRecord channel = db.Channel(c);
        if (!channel.isOccupied())
            continue;
        ++figures.channels;
        figures.tvChannels += channel.serviceType() == ChannelRecord::SERVICE_TV ? 1 : 0;
        figures.radioChannels += channel.serviceType() == ChannelRecord::SERVICE_RADIO ? 1 : 0;
    }
    return figures;
}

} // namespace vormante
