#include "NamesBench.h"
#include "Harness.h"

#include "controls/ColumnListCtrl.h"
#include "document/Document.h"
#include "model/BulkOperations.h"
#include "model/NamesOrder.h"
#include "model/SampleImages.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelListPage.h"

#include <QApplication>
#include <QUndoStack>

#include <algorithm>
#include <cctype>
#include <memory>
#include <random>

namespace vormante {

namespace bench {

namespace {

constexpr double LIMIT_MS = 50;
constexpr int BIG_SATELLITE = 0; // the full image's first satellite holds 2000 channels

// Every channel of the big satellite, TV and radio, shuffled, as people write
// names: every third in lower case, every fifth with " HD" after it.
std::string ShuffledNames(const vormante::ChannelDatabase& db) {
    std::vector<std::string> names;
    for (const bool tv : {true, false})
        for (const int c : vormante::ChannelsOfKind(db, BIG_SATELLITE, tv))
            names.push_back(db.Channel(c).name());
    std::mt19937 random(28);
    std::shuffle(names.begin(), names.end(), random);
    std::string list = "# the full image's big satellite, shuffled\n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string name = names[i];
        if (i % 3 == 0)
            std::transform(name.begin(), name.end(), name.begin(), [](char c) {
                return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            });
        list += name + (i % 5 == 0 ? " HD\n" : "\n");
    }
    return list;
}

} // namespace

void RunNamesBench(const std::vector<std::uint8_t>& image, int runs, Report& report) {
    auto db = std::make_unique<vormante::ChannelDatabase>();
    LoadImage(*db, image);
    const std::string list = ShuffledNames(*db);
    const std::size_t tvChannels = vormante::ChannelsOfKind(*db, BIG_SATELLITE, true).size();
    std::size_t lines = 0, matched = 0;
    bool applied = true;
    const Timing order = TimeMs(
        runs, [&] { LoadImage(*db, image); },
        [&] {
            const vormante::NamesListResult read = vormante::ReadNamesList(list);
            vormante::NamesOrderOptions options;
            options.satellite = BIG_SATELLITE;
            const vormante::NamesOrderPlan plan = vormante::PlanNamesOrder(*db, read.lines, options);
            lines = read.lines.size();
            matched = plan.lines.size() - plan.Count(vormante::NameMatch::None);
            applied = vormante::ApplyNamesOrder(*db, plan) && applied;
        });
    report.Add("order_by_names_ms",
               QStringLiteral("order by a list of %1 names (%2 TV channels)").arg(lines).arg(tvChannels),
               order, LIMIT_MS, "ms");
    if (!applied || matched != tvChannels)
        report.Warn(
            QStringLiteral("the list of names matched %1 of %2 TV channels").arg(matched).arg(tvChannels));

    // The same satellite's TV list on the all-channels page, sorted by name and kept.
    vormante::Document document;
    LoadImage(document, image);
    ChannelListPage page;
    ShowChannelPage(page, document);
    ColumnListCtrl* channels = page.channelList();
    const QUndoStack* history = document.undoStack();
    const int start = history->index();
    const Timing keep = TimeMs(
        runs,
        [&] {
            document.SetHistoryIndex(start);
            page.Refresh();
            channels->SortByColumn(1, false);
            QApplication::processEvents();
        },
        [&] { page.bulk()->KeepShownOrder(); });
    report.Add(
        "keep_order_ms",
        QStringLiteral("keep the name-sorted view of %1 channels, with the refill").arg(channels->RowCount()),
        keep, LIMIT_MS, "ms");
    if (history->index() != start + 1 || page.bulk()->CanKeepShownOrder())
        report.Warn(QStringLiteral("keeping the sorted view made no step"));
    document.SetHistoryIndex(start);
}

} // namespace bench

} // namespace vormante
