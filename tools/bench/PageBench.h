// Figures taken in this process: the model's operations and the pages, offscreen.
#pragma once

#include "Measure.h"

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds open_ms, refill_channels_ms, refill_allchannels_ms, header_sort_ms, sort_ms,
// ischanged_ms and commit_ms for the given image.
void RunPageBench(const std::vector<std::uint8_t>& image, int runs, Report& report);

} // namespace bench

} // namespace vormante
