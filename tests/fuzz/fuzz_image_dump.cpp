// Fuzz target: image bytes into what the command-line companion reads out of an
// image: the summary of `info` and the JSON of `dump` (the consistency check that
// `check` runs has fuzz targets of its own). Inputs shorter than an image are padded
// with zeros, longer ones cut, so every input is an image. The dump must always be
// well-formed JSON in UTF-8, whatever bytes the names hold.
#include "ImageDump.h"
#include "ImageSummary.h"
#include "JsonCheck.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

using namespace vormante;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> image(data, data + std::min(size, IMAGE_SIZE));
    image.resize(IMAGE_SIZE, 0);
    static ChannelDatabase db;
    if (!db.Load(image).ok)
        std::abort();
    db.BuildRecordPointers();

    (void)cli::SummarizeImage(db);
    std::ostringstream out;
    cli::WriteImageJson(db, out);
    const std::string text = out.str();
    const std::string problem = jsoncheck::Problem(text);
    if (!problem.empty()) {
        std::fprintf(stderr, "the dump is no well-formed JSON: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
