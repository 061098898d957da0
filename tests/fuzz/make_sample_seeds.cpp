// Writes the demo and the full sample image (what `vormante-cli sample` writes) into a
// folder, as seeds for the fuzz targets that read images.
// Usage: make_sample_seeds FOLDER
#include "model/SampleImages.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace vormante;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    bool ok = true;
    for (const bool full : {false, true}) {
        const auto image = full ? vormante::BuildFullImage() : vormante::BuildDemoImage();
        std::ofstream out(folder / (full ? "full.bin" : "demo.bin"), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        ok = ok && static_cast<bool>(out);
    }
    return ok ? 0 : 1;
}
