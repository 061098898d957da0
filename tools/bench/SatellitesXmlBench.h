// Figures of the satellites.xml exchange on the full image: planning the update
// from a real-sized transponder list, and writing the image's list.
#pragma once

#include "Measure.h"

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds satxml_read_ms (no limit), satxml_plan_ms and satxml_export_ms. The list is
// shared/data/satellites.xml beside the source tree when there is one, else a
// written list of the same size and shape.
void RunSatellitesXmlBench(const std::vector<std::uint8_t>& image, int runs, Report& report);

} // namespace bench

} // namespace vormante
