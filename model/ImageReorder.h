// Ordering an image's channels like those of another image (a backup, or the
// list from before the receiver scanned again).
//
// Every channel of the other image, satellite by satellite in chain order, is
// paired with a channel of this image through the channel matcher. Within each
// satellite the paired channels take the other image's order; channels the
// other image lacks follow them in their old relative order. Optionally the
// names, and the lock and favourite flags, are taken from the other image too.
#pragma once

#include "ChannelOrderPlan.h"

namespace vormante {

struct ReorderOptions {
    bool names = false;
    bool flags = false; // lock and favourites; scrambled is the broadcaster's
};

ChannelOrderPlan PlanReorderLike(const ChannelDatabase& image, const ChannelDatabase& other,
                                 ReorderOptions options);

// Applies the plan; false, changing nothing, when the image has changed since planning.
bool ApplyReorder(ChannelDatabase& image, const ChannelOrderPlan& plan);

} // namespace vormante
