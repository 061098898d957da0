// Ready-made images for trying the editor out, for tests, benchmarks and fuzz seeds.
// Both are built with the record operations on an empty image, so they are as
// consistent as anything the editor itself produces.
#pragma once

#include <cstdint>
#include <vector>

namespace vormante {

// A small, realistic database: a handful of satellites with real transponders,
// TV and radio channels (some scrambled, locked or favourites), LNB types and settings.
std::vector<std::uint8_t> BuildDemoImage();

// Every table full: 100 satellites, 2000 transponders and 3000 channels, with
// 2000 channels on the first satellite and 1000 of those on its first transponder.
std::vector<std::uint8_t> BuildFullImage();

// What the full image holds, for the tests that check it.
namespace full_image {
inline constexpr int BIG_SATELLITE_CHANNELS = 2000;
inline constexpr int BIG_TRANSPONDER_CHANNELS = 1000;
inline constexpr int TRANSPONDERS_PER_SATELLITE = 20;
} // namespace full_image

} // namespace vormante
