#include "ListBench.h"
#include "Harness.h"

#include "model/ChannelDatabase.h"
#include "model/ChannelList.h"
#include "model/ImageDiff.h"
#include "model/ImageReorder.h"
#include "model/ListImport.h"

#include <QString>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

namespace vormante {

namespace bench {

namespace {

constexpr double LIMIT_MS = 100;

// The list with each satellite's rows shuffled (the rows of one satellite stay together).
std::string ShuffledList(const std::string& list) {
    const std::size_t headerEnd = list.find("\r\n") + 2;
    std::vector<std::string> rows;
    for (std::size_t at = headerEnd; at < list.size();) {
        const std::size_t end = list.find("\r\n", at) + 2;
        rows.push_back(list.substr(at, end - at));
        at = end;
    }
    std::mt19937 random(17);
    // Rows start with the satellite's name, which the full image keeps unique.
    const auto satelliteOf = [](const std::string& row) { return row.substr(0, row.find(',')); };
    for (std::size_t begin = 0; begin < rows.size();) {
        std::size_t end = begin;
        while (end < rows.size() && satelliteOf(rows[end]) == satelliteOf(rows[begin]))
            ++end;
        std::shuffle(rows.begin() + static_cast<std::ptrdiff_t>(begin),
                     rows.begin() + static_cast<std::ptrdiff_t>(end), random);
        begin = end;
    }
    std::string shuffled = list.substr(0, headerEnd);
    for (const std::string& row : rows)
        shuffled += row;
    return shuffled;
}

} // namespace

void RunListBench(const std::vector<std::uint8_t>& image, int runs, Report& report) {
    auto db = std::make_unique<vormante::ChannelDatabase>();
    LoadImage(*db, image);

    std::string list;
    const Timing exportMs = TimeMs(runs, [&] { list = vormante::WriteChannelList(*db); });
    report.Add("export_ms", "export txt file (3000 channels)", exportMs, LIMIT_MS, "ms");

    const std::string shuffled = ShuffledList(list);
    std::size_t rows = 0;
    bool applied = true;
    const Timing importMs = TimeMs(
        runs, [&] { LoadImage(*db, image); },
        [&] {
            const vormante::ListReadResult read = vormante::ReadChannelList(shuffled);
            rows = read.rows.size();
            applied =
                vormante::ApplyListImport(*db, vormante::PlanListImport(*db, read.rows), false) && applied;
        });
    report.Add("import_ms", QStringLiteral("import txt file (%1 shuffled rows)").arg(rows), importMs,
               LIMIT_MS, "ms");
    if (!applied || rows != static_cast<std::size_t>(vormante::CHANNEL_SLOTS))
        report.Warn(QStringLiteral("the shuffled list did not import whole (%1 rows)").arg(rows));

    // The other image: the full image with every satellite's channels shuffled.
    auto other = std::make_unique<vormante::ChannelDatabase>();
    LoadImage(*other, image);
    const vormante::ListReadResult read = vormante::ReadChannelList(shuffled);
    vormante::ApplyListImport(*other, vormante::PlanListImport(*other, read.rows), false);

    std::size_t moved = 0;
    const Timing reorderMs = TimeMs(
        runs, [&] { LoadImage(*db, image); },
        [&] {
            const vormante::ChannelOrderPlan plan = vormante::PlanReorderLike(*db, *other, {});
            moved = plan.moved.size();
            vormante::ApplyReorder(*db, plan);
        });
    report.Add("reorder_ms", "order like an image with shuffled channels", reorderMs, LIMIT_MS, "ms");
    if (moved == 0)
        report.Warn(QStringLiteral("ordering like the shuffled image moved no channel"));

    LoadImage(*db, image);
    std::size_t differences = 0;
    const Timing diffMs =
        TimeMs(runs, [&] { differences = vormante::DiffImages(*db, *other).satellites.size(); });
    report.Add("diff_ms", "compare with that image", diffMs, LIMIT_MS, "ms");
    if (differences == 0)
        report.Warn(QStringLiteral("comparing with the shuffled image found no difference"));
}

} // namespace bench

} // namespace vormante
