// Fuzz target: image bytes into what the command-line companion reads out of an
// image: the summary of `info` and the JSON of `dump` (the consistency check that
// `check` runs has fuzz targets of its own). Every input is an image (see
// FuzzImageInput.h). The dump must always be well-formed JSON in UTF-8, whatever
// bytes the names hold.
#include "FuzzImageInput.h"
#include "ImageDump.h"
#include "ImageSummary.h"
#include "JsonCheck.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

using namespace vormante;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ChannelDatabase db;
    static std::vector<std::uint8_t> image;
    fuzzimage::Read({data, size}, image);
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
