// Figures of editing many channels at once on the all-channels page: a block move
// of 500 selected channels and the refill that follows a drop.
#pragma once

#include "Measure.h"

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds block_move_ms and drop_refill_ms for the given image.
void RunBulkBench(const std::vector<std::uint8_t>& image, int runs, Report& report);

} // namespace bench

} // namespace vormante
