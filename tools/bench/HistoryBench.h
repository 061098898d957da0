// Figures of the edit history: undo and redo of the largest steps with the refresh
// of the page in front, the cost the document adds to one edit, and the memory a
// thousand small steps hold.
#pragma once

#include "Measure.h"

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds undo_ms, redo_ms, apply_overhead_ms and history_mb_1000_edits for the given image.
void RunHistoryBench(const std::vector<std::uint8_t>& image, int runs, Report& report);

} // namespace bench

} // namespace vormante
