// Fuzz target: arbitrary bytes as a list of names. The reader must refuse or
// accept every input without crashing, hanging or reading outside it; a refusal
// names a line inside the text. An accepted list orders each kind of the demo
// image's first satellites, with and without renaming and deleting, taking the
// second candidate where a line has several: no channel may be taken twice, and
// the image must stay consistent. A written list must read back.
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
    static const std::vector<std::uint8_t> demo = BuildDemoImage();
    static ChannelDatabase db;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NamesListResult read = ReadNamesList(text);
    if (!read.ok) {
        int lines = 1; // LF, CR LF and a lone CR each end a line
        for (std::size_t i = 0; i < text.size(); ++i)
            lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
        if (size <= MAX_NAMES_BYTES &&
            (read.errorLine < 1 || read.errorLine > lines || read.error.rfind("line ", 0) != 0))
            Fail(("refusal without a line of the text: " + read.error).c_str());
        return 0;
    }
    for (int variant = 0; variant < 8; ++variant) {
        if (!db.Load(demo).ok)
            std::abort();
        db.BuildRecordPointers();
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
