// How the image targets read their input. An input of an image's size or more is
// an image (cut to size), and what follows it is left to the target. A shorter input
// names a base image by its first byte and patches it (see PatchedImage.h): small
// inputs mutate fast and still reach deep into chains and counts, where 204800
// bytes of raw input run a hundred times slower and rarely get past the check.
#pragma once

#include "PatchedImage.h"

#include "model/SampleImages.h"

#include <span>
#include <vector>

namespace fuzzimage {

// Fills `image` and returns what it left of the input. The caller keeps the buffer
// from run to run: a fresh image of this size per run would be mapped and unmapped
// by the sanitizer's allocator, which cost a third of each run.
inline std::span<const std::uint8_t> Read(std::span<const std::uint8_t> input,
                                          std::vector<std::uint8_t>& image) {
    if (input.size() >= vormante::IMAGE_SIZE) {
        image.assign(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(vormante::IMAGE_SIZE));
        return input.subspan(vormante::IMAGE_SIZE);
    }
    static const std::vector<std::uint8_t> bases[] = {modeltest::SmallSoundImage(),
                                                      vormante::BuildDemoImage(),
                                                      std::vector<std::uint8_t>(vormante::IMAGE_SIZE, 0)};
    image = input.empty() ? bases[0] : bases[input[0] % std::size(bases)];
    return modeltest::ApplyPatches(image, input.empty() ? input : input.subspan(1));
}

} // namespace fuzzimage
