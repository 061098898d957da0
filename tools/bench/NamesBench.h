// Figures of the lists of names and "Keep this order" on the full image's
// 2000-channel satellite.
#pragma once

#include "Measure.h"

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds order_by_names_ms (a 2000-line list read, planned and applied) and
// keep_order_ms (a name-sorted view stored through the all-channels page).
void RunNamesBench(const std::vector<std::uint8_t>& image, int runs, Report& report);

} // namespace bench

} // namespace vormante
