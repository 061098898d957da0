// Figures of finding and filtering: the filter of a long channel list and the search
// over every channel of the image.
#pragma once

#include "Measure.h"

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds filter_keystroke_ms and find_all_ms for the given image.
void RunFindBench(const std::vector<std::uint8_t>& image, int runs, Report& report);

} // namespace bench

} // namespace vormante
