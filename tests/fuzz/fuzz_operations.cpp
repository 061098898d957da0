// Fuzz target: arbitrary bytes as an image, checked, worked on by every record
// operation with parameters the input chooses, and checked again. Crashes,
// hangs, memory errors and escaping exceptions are findings; so is a sound
// image that editor-style operations leave unsound.
#include "OperationScript.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vormante::ChannelDatabase db; // two image copies: too big to build afresh per input
    const auto result = modeltest::RunImageInput(db, std::span<const std::uint8_t>(data, size));
    if (result.wasSound && !result.after.empty()) {
        std::fprintf(stderr, "A sound image became unsound: %s\n", result.after.front().message.c_str());
        std::abort();
    }
    return 0;
}
