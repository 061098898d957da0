// Fuzz target: an image (see FuzzImageInput.h), checked, worked on by every record
// operation with parameters the input chooses, and checked again. Crashes,
// hangs, memory errors and escaping exceptions are findings; so is a sound
// image that editor-style operations leave unsound.
#include "FuzzImageInput.h"
#include "OperationScript.h"

#include <cstdio>
#include <cstdlib>

using namespace vormante;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vormante::ChannelDatabase db; // two image copies: too big to build afresh per input
    const std::span<const std::uint8_t> input(data, size);
    static std::vector<std::uint8_t> image;
    const auto script = fuzzimage::Read(input, image);
    // A whole image with nothing after it keeps its spare tail as the script.
    const auto result = size >= vormante::IMAGE_SIZE ? modeltest::RunImageInput(db, input)
                                                     : modeltest::RunImage(db, image, script);
    if (result.wasSound && !result.after.empty()) {
        std::fprintf(stderr, "A sound image became unsound: %s\n", result.after.front().message.c_str());
        std::abort();
    }
    return 0;
}
