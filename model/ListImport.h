// Bringing a channel list (see ChannelList.h) back into an image: the plan of
// what will change, for the preview, and applying it in one call.
//
// Each row is paired with a channel through the channel matcher; the Satellite
// column tells apart satellites that share a position. Within each
// satellite the paired channels take the rows' order; channels no row names
// follow them in their old order, or are deleted when the caller asks. Names
// and the lock, scrambled and favourite flags are taken from the rows. A row
// whose name does not fit 11 Latin-1 bytes leaves the channel's name as it is.
// The TV/Radio and Number columns are informative: a channel's type follows
// its video PID, its number its place.
#pragma once

#include "ChannelList.h"
#include "ChannelOrderPlan.h"

#include <string>
#include <vector>

namespace vormante {

// A row that names no channel of the image.
struct UnmatchedRow {
    int line = 0;
    std::string satellite; // UTF-8, as in the list
    int position = 0;
    std::string name; // UTF-8, as in the list
};

// A row whose name cannot be stored: not Latin-1, or longer than 11 bytes.
struct LongName {
    int line = 0;
    int satellite = -1;
    int channel = -1;
    std::string name; // UTF-8, as in the list
};

// A row paired with its channel by satellite, kind and name although its PIDs or
// transponder differ (part 4 of the matcher's rule). The channel keeps its own.
struct PairedByName {
    int line = 0;
    int satellite = -1;
    int channel = -1;
    std::string name; // UTF-8, as in the list
};

struct ListImportPlan {
    ChannelOrderPlan order;
    std::vector<UnmatchedRow> unmatchedRows;
    std::vector<LongName> namesTooLong;
    std::vector<PairedByName> pairedByName;
    TextEncoding encoding = TextEncoding::Utf8; // how the list's text was read, for the preview
};

ListImportPlan PlanListImport(const ChannelDatabase& db, const std::vector<ListRow>& rows);
// The same for a list read whole, keeping how its text was read.
ListImportPlan PlanListImport(const ChannelDatabase& db, const ListReadResult& list);

// Applies the plan; false, changing nothing, when the image has changed since planning.
bool ApplyListImport(ChannelDatabase& db, const ListImportPlan& plan, bool deleteMissing);

} // namespace vormante
