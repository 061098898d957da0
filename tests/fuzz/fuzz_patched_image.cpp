// Fuzz target: a small sound image with a few bytes patched by the input, then
// checked and worked on like any image (see fuzz_operations). Unpatched or
// harmlessly patched images are sound and must stay so under editor-style operations.
#include "OperationScript.h"
#include "PatchedImage.h"

#include <cstdio>
#include <cstdlib>

using namespace vormante;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::uint8_t> base = modeltest::SmallSoundImage();
    static vormante::ChannelDatabase db;
    static std::vector<std::uint8_t> image; // kept: a fresh one per run would be mapped and unmapped
    image = base;
    const auto script = modeltest::ApplyPatches(image, std::span<const std::uint8_t>(data, size));
    const auto result = modeltest::RunImage(db, image, script);
    if (result.wasSound && !result.after.empty()) {
        std::fprintf(stderr, "A sound image became unsound: %s\n", result.after.front().message.c_str());
        std::abort();
    }
    return 0;
}
