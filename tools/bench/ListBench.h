// Figures of the channel list features on the full image: writing the list,
// importing a shuffled one, ordering like a shuffled image, and comparing.
#pragma once

#include "Measure.h"

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds export_ms, import_ms, reorder_ms and diff_ms for the given image.
void RunListBench(const std::vector<std::uint8_t>& image, int runs, Report& report);

} // namespace bench

} // namespace vormante
