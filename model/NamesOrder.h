// Ordering one satellite's channels of one kind (TV or radio) by a list of names
// (NamesList.h): the plan for the preview, planned on the image as it is, and
// applying it in one call that refuses a plan made on other chains.
//
// Lines pair with channels by name alone, in three rounds, each round serving the
// lines in list order and each channel taken at most once:
//   1. exact: the same name, blanks around it aside;
//   2. case-folded: the same letters and digits, ignoring case, spaces and punctuation;
//   3. loose: as 2, also ignoring accents (Latin-1 letters against their base
//      letters) and a trailing "HD", "SD", "TV" or "+1" marker.
// A line takes the first free channel in chain order among those it matches; when
// it matches several, they are its candidates and the caller may pick another one.
// A name that Latin-1 cannot hold matches nothing.
//
// The listed channels take the list's order at the top; the others follow in their
// order, or are deleted when asked. The other kind's channels keep their places.
// With renaming, matched channels take the list's spelling when it fits the 11
// Latin-1 bytes of the record.
//
// Also here, as the other way people keep an order: storing the order a sorted
// view shows (KeepShownOrder).
#pragma once

#include "ChannelOrderPlan.h"
#include "NamesList.h"

#include <map>
#include <string>
#include <vector>

namespace vormante {

enum class NameMatch { None, Exact, CaseFolded, Loose };

// "exact", "case-folded", "loose" or "none": the key files and scripts read.
const char* NameMatchText(NameMatch match);
// The same word translated for the user.
std::string NameMatchShown(NameMatch match);

// The candidates a line lists at most; enough for any real list of duplicates.
inline constexpr std::size_t MAX_NAME_CANDIDATES = 32;

struct NamesOrderOptions {
    int satellite = -1;
    bool tv = true;
    bool rename = false;
    bool deleteUnlisted = false;
    // Picks among candidates: index into the lines -> channel slot. A pick that is
    // no candidate of its line is ignored.
    std::map<std::size_t, int> picks;
};

struct MatchedNameLine {
    int line = 0;     // in the text
    std::string name; // UTF-8, as in the list
    bool latin1 = true;
    NameMatch match = NameMatch::None;
    int channel = -1;            // slot, or -1
    std::vector<int> candidates; // when the line matches several channels, in chain order
    int numberBefore = 0;        // the channel's number among its kind, from 1
    int numberAfter = 0;
};

struct NamesOrderPlan {
    NamesOrderOptions options;
    std::vector<MatchedNameLine> lines;    // in list order
    std::vector<int> unlisted;             // channels of the kind no line took, in chain order
    std::vector<std::size_t> namesTooLong; // lines whose spelling does not fit, when renaming
    ChannelOrderPlan order;

    std::size_t Count(NameMatch match) const;
    // Lines that could take several channels.
    std::size_t Ambiguous() const;
    bool ChangesImage() const { return order.ChangesImage(options.deleteUnlisted); }
};

// The plan for the given satellite and kind; a satellite that holds no channel of
// the kind gives a plan that matches nothing and changes nothing.
NamesOrderPlan PlanNamesOrder(const ChannelDatabase& db, const std::vector<NamesLine>& lines,
                              const NamesOrderOptions& options);

// False, changing nothing, when the satellite's chain is not the one planned on.
bool ApplyNamesOrder(ChannelDatabase& db, const NamesOrderPlan& plan);

// The order the user sees stored as the real order: the given channels (distinct
// channels of the kind on the satellite's chain, in the order shown) take the
// places they occupy among the kind, in that order; every other channel keeps
// its place. False, changing nothing, for any other argument.
bool KeepShownOrder(ChannelDatabase& db, int satellite, bool tv, const std::vector<int>& shown);
// Whether KeepShownOrder would change the order: the channels are not in chain order.
bool ShownOrderDiffers(const ChannelDatabase& db, int satellite, bool tv, const std::vector<int>& shown);

} // namespace vormante
