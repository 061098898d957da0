// Fuzz target: arbitrary bytes as a list of names. The reader must refuse or
// accept every input without crashing, hanging or reading outside it; a refusal
// names a line inside the text. An accepted list orders each kind of the demo
// image's first satellites, with and without renaming and deleting, taking the
// second candidate where a line has several (one variant an input, chosen by its size): no channel may be
// taken twice, and the image must stay consistent. A written list must read back.
#include "ListFuzzSupport.h"
#include "model/BulkOperations.h"
#include "model/ConsistencyCheck.h"
#include "model/NamesOrder.h"
#include "model/SampleImages.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

using namespace vormante;

namespace {

void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void CheckPlan(const ChannelDatabase& db, const NamesOrderPlan& plan) {
    std::set<int> taken(plan.unlisted.begin(), plan.unlisted.end());
    for (const MatchedNameLine& line : plan.lines)
        if (line.channel >= 0 && !taken.insert(line.channel).second)
            Fail("a channel was taken twice");
    if (taken.size() != ChannelsOfKind(db, plan.options.satellite, plan.options.tv).size())
        Fail("listed and left out are not the kind's channels");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NamesListResult read = ReadNamesList(text);
    if (!read.ok) {
        if (size <= MAX_NAMES_BYTES && !NamesALineOf(text, read.errorLine, read.error))
            Fail(("refusal without a line of the text: " + read.error).c_str());
        return 0;
    }
    // One of the eight variants an input: the size picks it, so every list meets each of them as
    // the fuzzer shortens and lengthens it, at an eighth of the cost per input.
    {
        const int variant = static_cast<int>(size % 8);
        ChannelDatabase& db = FreshDemoDatabase();
        NamesOrderOptions options;
        options.satellite = variant % 2;
        options.tv = (variant & 2) == 0;
        options.rename = (variant & 4) != 0;
        options.deleteUnlisted = options.rename;
        NamesOrderPlan plan = PlanNamesOrder(db, read.lines, options);
        CheckPlan(db, plan);
        for (std::size_t l = 0; l < plan.lines.size(); ++l)
            if (plan.lines[l].candidates.size() > 1) {
                options.picks[l] = plan.lines[l].candidates[1];
                plan = PlanNamesOrder(db, read.lines, options);
                CheckPlan(db, plan);
                break;
            }
        if (!ApplyNamesOrder(db, plan))
            Fail("a fresh plan was refused");
        const auto problems = CheckConsistency(db);
        if (!problems.empty())
            Fail(("the order left the image unsound: " + problems.front().message).c_str());
        if (!ReadNamesList(WriteNamesList(db, options.satellite, options.tv)).ok)
            Fail("a written list does not read back");
    }
    return 0;
}
