// Fuzz target: arbitrary bytes as a channel list. The reader must refuse or
// accept every input without crashing, hanging or reading outside it; a refusal
// names a line inside the text. An accepted list is imported into the demo
// image, with and without deleting missing channels, and the image must stay
// consistent; writing it out again must read back and import unchanged.
#include "ListFuzzSupport.h"
#include "model/ChannelList.h"
#include "model/ConsistencyCheck.h"
#include "model/ListImport.h"
#include "model/SampleImages.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace vormante;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ListReadResult read = ReadChannelList(text);
    if (!read.ok) {
        if (!NamesALineOf(text, read.errorLine, read.error)) {
            std::fprintf(stderr, "refusal without a line of the text: %s\n", read.error.c_str());
            std::abort();
        }
        return 0;
    }
    for (const bool deleteMissing : {false, true}) {
        ChannelDatabase& db = FreshDemoDatabase();
        const ListImportPlan plan = PlanListImport(db, read.rows);
        if (!ApplyListImport(db, plan, deleteMissing)) {
            std::fprintf(stderr, "a fresh plan was refused\n");
            std::abort();
        }
        const auto problems = CheckConsistency(db);
        if (!problems.empty()) {
            std::fprintf(stderr, "the import left the image unsound: %s\n", problems.front().message.c_str());
            std::abort();
        }
        const ListReadResult again = ReadChannelList(WriteChannelList(db));
        if (!again.ok) {
            std::fprintf(stderr, "a written list does not read back\n");
            std::abort();
        }
        // Every name and flag reads back as written: importing the list changes nothing.
        if (PlanListImport(db, again.rows).order.ChangesImage(true)) {
            std::fprintf(stderr, "a written list does not import back unchanged\n");
            std::abort();
        }
    }
    return 0;
}
