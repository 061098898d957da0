#include "NamesOrder.h"

#include "BulkOperations.h"
#include "ChainWalk.h"
#include "ChannelSearch.h"
#include "TextEncoding.h"
#include "Texts.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace vormante {

namespace {

constexpr int ROUNDS = 3; // exact, case-folded, loose

bool IsAlphanumeric(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// Letters and digits only, in lower case; Latin-1 capitals keep their accents.
std::string CaseFoldedKey(std::string_view latin1) {
    std::string key;
    key.reserve(latin1.size());
    for (const char ch : latin1) {
        auto c = static_cast<unsigned char>(ch);
        if (!IsAlphanumeric(c))
            continue;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE))
            c = static_cast<unsigned char>(c + 0x20);
        key += static_cast<char>(c);
    }
    return key;
}

bool HasAlphanumeric(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return IsAlphanumeric(static_cast<unsigned char>(c)); });
}

// Takes trailing "hd", "sd", "tv" (as words) and "+1" off a folded name, as long as
// something is left.
void DropMarkers(std::string& folded) {
    for (;;) {
        while (!folded.empty() && !IsAlphanumeric(static_cast<unsigned char>(folded.back())))
            folded.pop_back();
        std::size_t cut = folded.size();
        const std::string_view text = folded;
        if (text.size() >= 2 && text.substr(text.size() - 2) == "+1") {
            cut = text.size() - 2;
        } else if (text.size() >= 3) {
            const std::string_view last = text.substr(text.size() - 2);
            if ((last == "hd" || last == "sd" || last == "tv") &&
                !IsAlphanumeric(static_cast<unsigned char>(text[text.size() - 3])))
                cut = text.size() - 2;
        }
        if (cut == folded.size() || !HasAlphanumeric(text.substr(0, cut)))
            return;
        folded.resize(cut);
    }
}

std::string LooseKey(std::string_view latin1) {
    std::string folded = FoldLatin1(latin1);
    DropMarkers(folded);
    std::string key;
    for (const char c : folded)
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))
            key += c;
    return key;
}

using Keys = std::array<std::string, ROUNDS>;

Keys KeysOf(std::string_view latin1) {
    return {std::string(TrimBlanks(latin1)), CaseFoldedKey(latin1), LooseKey(latin1)};
}

NameMatch MatchOfRound(int round) {
    return round == 0 ? NameMatch::Exact : round == 1 ? NameMatch::CaseFolded : NameMatch::Loose;
}

// A plan that gives the kind's channels the order `first` then `rest`, the other
// channels of the chain keeping theirs.
PlannedSatellite KindOrder(const ChannelDatabase& db, int satellite, const std::vector<int>& kind,
                           std::vector<int> first, std::vector<int> rest) {
    PlannedSatellite planned;
    planned.satellite = satellite;
    planned.chainBefore = chains::ChannelChain(db, satellite);
    std::vector<bool> ofKind(CHANNEL_SLOTS, false);
    for (const int c : kind)
        ofKind[static_cast<std::size_t>(c)] = true;
    planned.listed = std::move(first);
    for (const int c : planned.chainBefore)
        if (!ofKind[static_cast<std::size_t>(c)])
            planned.listed.push_back(c);
    planned.missing = std::move(rest);
    return planned;
}

// The matching itself: the channels of the kind with their keys, and which are taken.
class NameMatcher {
public:
    NameMatcher(const ChannelDatabase& db, const std::vector<int>& kind) : kind_(kind), taken_(kind.size()) {
        keys_.reserve(kind.size());
        for (const int c : kind)
            keys_.push_back(KeysOf(db.Channel(c).name()));
        for (int round = 0; round < ROUNDS; ++round)
            for (std::size_t i = 0; i < kind.size(); ++i)
                if (round == 0 || !keys_[i][round].empty())
                    groups_[round][keys_[i][round]].push_back(i);
    }

    // Takes the channel for the line when it matches it in some round.
    bool TakePick(std::vector<MatchedNameLine>& lines, std::size_t l, const Keys& keys, int channel) {
        const std::size_t index = IndexOf(channel);
        if (index == kind_.size() || taken_[index])
            return false;
        for (int round = 0; round < ROUNDS; ++round) {
            if (keys[round] != keys_[index][round] || (round > 0 && keys[round].empty()))
                continue;
            taken_[index] = true;
            lines[l].match = MatchOfRound(round);
            lines[l].channel = channel;
            picked_.emplace_back(l, round);
            return true;
        }
        return false;
    }

    // A picked line's candidates are every channel of its group no other pick holds.
    void ListPickCandidates(std::vector<MatchedNameLine>& lines, const std::vector<Keys>& lineKeys) const {
        std::vector<bool> picked(kind_.size(), false);
        for (const auto& [l, round] : picked_)
            picked[IndexOf(lines[l].channel)] = true;
        for (const auto& [l, round] : picked_) {
            MatchedNameLine& line = lines[l];
            line.candidates.clear();
            for (const std::size_t i : groups_[round].at(lineKeys[l][round]))
                if ((!picked[i] || kind_[i] == line.channel) && line.candidates.size() < MAX_NAME_CANDIDATES)
                    line.candidates.push_back(kind_[i]);
            if (line.candidates.size() < 2)
                line.candidates.clear();
        }
    }

    void MatchRound(int round, std::vector<MatchedNameLine>& lines, const std::vector<Keys>& lineKeys) {
        std::unordered_map<std::string, std::size_t> cursors;
        for (std::size_t l = 0; l < lines.size(); ++l) {
            MatchedNameLine& line = lines[l];
            const std::string& key = lineKeys[l][round];
            if (line.match != NameMatch::None || !line.latin1 || (round > 0 && key.empty()))
                continue;
            const auto found = groups_[round].find(key);
            if (found == groups_[round].end())
                continue;
            const std::vector<std::size_t>& group = found->second;
            // Channels are taken from the front of a group, so a cursor skips the taken ones.
            std::size_t& cursor = cursors[key];
            while (cursor < group.size() && taken_[group[cursor]])
                ++cursor;
            if (cursor == group.size())
                continue;
            const std::size_t first = group[cursor];
            for (std::size_t k = cursor; k < group.size() && line.candidates.size() < MAX_NAME_CANDIDATES;
                 ++k)
                if (!taken_[group[k]])
                    line.candidates.push_back(kind_[group[k]]);
            if (line.candidates.size() < 2)
                line.candidates.clear();
            taken_[first] = true;
            line.match = MatchOfRound(round);
            line.channel = kind_[first];
        }
    }

    bool Taken(std::size_t index) const { return taken_[index]; }

private:
    std::size_t IndexOf(int channel) const {
        return static_cast<std::size_t>(std::find(kind_.begin(), kind_.end(), channel) - kind_.begin());
    }

    const std::vector<int>& kind_;
    std::vector<Keys> keys_;
    std::vector<bool> taken_;
    std::array<std::unordered_map<std::string, std::vector<std::size_t>>, ROUNDS> groups_;
    std::vector<std::pair<std::size_t, int>> picked_; // line and the round it matched in
};

void PlanRenames(const ChannelDatabase& db, NamesOrderPlan& plan) {
    for (std::size_t l = 0; l < plan.lines.size(); ++l) {
        const MatchedNameLine& line = plan.lines[l];
        if (line.channel < 0)
            continue;
        std::string latin1;
        Utf8ToLatin1(line.name, &latin1);
        const std::string before = db.Channel(line.channel).name();
        if (latin1 == TrimBlanks(before))
            continue;
        if (latin1.size() > static_cast<std::size_t>(ChannelRecord::NAME_FIELD_SIZE))
            plan.namesTooLong.push_back(l);
        else
            plan.order.renamed.push_back({plan.options.satellite, line.channel, before, latin1});
    }
}

} // namespace

const char* NameMatchText(NameMatch match) {
    switch (match) {
    case NameMatch::Exact:
        return "exact";
    case NameMatch::CaseFolded:
        return "case-folded";
    case NameMatch::Loose:
        return "loose";
    case NameMatch::None:
        break;
    }
    return "none";
}

std::string NameMatchShown(NameMatch match) {
    switch (match) {
    case NameMatch::Exact:
        //: How a line of a list of names found its channel: by the same name
        return Tr("NamesOrder", "exact");
    case NameMatch::CaseFolded:
        //: How a line of a list of names found its channel: ignoring case, spaces and punctuation
        return Tr("NamesOrder", "case-folded");
    case NameMatch::Loose:
        //: How a line of a list of names found its channel: also ignoring accents and an HD, SD, TV or +1
        //: marker
        return Tr("NamesOrder", "loose");
    case NameMatch::None:
        break;
    }
    //: A line of a list of names that found no channel
    return Tr("NamesOrder", "none");
}

std::size_t NamesOrderPlan::Count(NameMatch match) const {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [match](const MatchedNameLine& l) { return l.match == match; }));
}

std::size_t NamesOrderPlan::Ambiguous() const {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [](const MatchedNameLine& l) { return !l.candidates.empty(); }));
}

NamesOrderPlan PlanNamesOrder(const ChannelDatabase& db, const std::vector<NamesLine>& lines,
                              const NamesOrderOptions& options) {
    NamesOrderPlan plan;
    plan.options = options;
    std::vector<Keys> lineKeys;
    lineKeys.reserve(lines.size());
    for (const NamesLine& source : lines) {
        MatchedNameLine line;
        line.line = source.line;
        line.name = source.name;
        std::string latin1;
        line.latin1 = Utf8ToLatin1(source.name, &latin1);
        lineKeys.push_back(line.latin1 ? KeysOf(latin1) : Keys{});
        plan.lines.push_back(std::move(line));
    }
    if (!IsSatelliteSlot(options.satellite) || !db.Satellite(options.satellite).isUsed())
        return plan;

    const std::vector<int> kind = ChannelsOfKind(db, options.satellite, options.tv);
    NameMatcher matcher(db, kind);
    for (const auto& [index, channel] : options.picks)
        if (index < plan.lines.size() && plan.lines[index].latin1)
            matcher.TakePick(plan.lines, index, lineKeys[index], channel);
    for (int round = 0; round < ROUNDS; ++round)
        matcher.MatchRound(round, plan.lines, lineKeys);
    matcher.ListPickCandidates(plan.lines, lineKeys);

    std::unordered_map<int, int> numberBefore;
    for (std::size_t i = 0; i < kind.size(); ++i)
        numberBefore[kind[i]] = static_cast<int>(i) + 1;
    std::vector<int> listed;
    for (MatchedNameLine& line : plan.lines) {
        if (line.channel < 0)
            continue;
        listed.push_back(line.channel);
        line.numberBefore = numberBefore[line.channel];
        line.numberAfter = static_cast<int>(listed.size());
    }
    for (std::size_t i = 0; i < kind.size(); ++i)
        if (!matcher.Taken(i))
            plan.unlisted.push_back(kind[i]);

    plan.order.satellites.push_back(KindOrder(db, options.satellite, kind, std::move(listed), plan.unlisted));
    if (options.rename)
        PlanRenames(db, plan);
    DescribeOrderChanges(db, plan.order);
    return plan;
}

bool ApplyNamesOrder(ChannelDatabase& db, const NamesOrderPlan& plan) {
    return ApplyChannelOrderPlan(db, plan.order, plan.options.deleteUnlisted);
}

namespace {

// The kind's places of the shown channels, ascending; empty when the channels are
// not distinct channels of the kind.
std::vector<std::size_t> PlacesOf(const std::vector<int>& kind, const std::vector<int>& shown) {
    std::vector<int> place(CHANNEL_SLOTS, -1);
    for (std::size_t i = 0; i < kind.size(); ++i)
        place[static_cast<std::size_t>(kind[i])] = static_cast<int>(i);
    std::vector<std::size_t> places;
    places.reserve(shown.size());
    for (const int c : shown) {
        if (!IsChannelSlot(c) || place[static_cast<std::size_t>(c)] < 0)
            return {};
        places.push_back(static_cast<std::size_t>(place[static_cast<std::size_t>(c)]));
        place[static_cast<std::size_t>(c)] = -1; // named twice: refused
    }
    return places;
}

} // namespace

bool ShownOrderDiffers(const ChannelDatabase& db, int satellite, bool tv, const std::vector<int>& shown) {
    const std::vector<std::size_t> places = PlacesOf(ChannelsOfKind(db, satellite, tv), shown);
    return places.size() == shown.size() && !std::is_sorted(places.begin(), places.end());
}

bool KeepShownOrder(ChannelDatabase& db, int satellite, bool tv, const std::vector<int>& shown) {
    const std::vector<int> kind = ChannelsOfKind(db, satellite, tv);
    std::vector<std::size_t> places = PlacesOf(kind, shown);
    if (shown.empty())
        return true;
    if (places.size() != shown.size())
        return false;
    if (std::is_sorted(places.begin(), places.end()))
        return true;
    std::sort(places.begin(), places.end());
    std::vector<int> order = kind;
    for (std::size_t i = 0; i < shown.size(); ++i)
        order[places[i]] = shown[i];
    ChannelOrderPlan plan;
    plan.satellites.push_back(KindOrder(db, satellite, kind, std::move(order), {}));
    return ApplyChannelOrderPlan(db, plan, false);
}

} // namespace vormante
