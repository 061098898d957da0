#include "BulkBench.h"
#include "Harness.h"

#include "controls/ColumnListCtrl.h"
#include "document/Document.h"
#include "model/BulkOperations.h"
#include "model/ChannelDatabase.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelListPage.h"

#include <QUndoStack>

#include <algorithm>

namespace vormante {

namespace bench {

namespace {

constexpr int SELECTED = 500;

// 500 rows spread evenly over the list, from the second one on.
void SelectSpread(ColumnListCtrl* list) {
    const int step = std::max(1, (list->RowCount() - 1) / SELECTED);
    QList<int> rows;
    for (int i = 0, row = 1; i < SELECTED && row < list->RowCount(); ++i, row += step)
        rows << row;
    list->SelectOnlyRows(rows);
}

} // namespace

void RunBulkBench(const std::vector<std::uint8_t>& image, int runs, Report& report) {
    vormante::Document document;
    LoadImage(document, image);

    // The longest list the page can show: the satellite and kind with the most channels.
    ChannelListPage page;
    ShowChannelPage(page, document);
    int bestChoice = 0;
    bool bestTv = true;
    std::size_t longest = 0;
    for (int choice = 0; page.SatelliteOfChoice(choice) >= 0; ++choice)
        for (const bool tv : {true, false}) {
            const std::size_t n =
                vormante::ChannelsOfKind(document.database(), page.SatelliteOfChoice(choice), tv).size();
            if (n > longest) {
                longest = n;
                bestChoice = choice;
                bestTv = tv;
            }
        }
    ChooseSatellite(page, bestChoice);
    page.SetShowTv(bestTv);
    page.Refresh();
    Settle();
    ColumnListCtrl* list = page.channelList();
    const int rows = list->RowCount();

    const QUndoStack* history = document.undoStack();
    const int start = history->index();
    auto reset = [&] {
        document.SetHistoryIndex(start);
        page.Refresh();
        SelectSpread(list);
        Settle();
    };
    std::size_t moved = 0;
    const Timing blockMove = TimeMs(runs, reset, [&] {
        moved = page.bulk()->SelectedChannels().size();
        page.MoveCurrentTo(1);
    });
    report.Add(
        "block_move_ms",
        QStringLiteral("move %1 selected of %2 channels to number 1, with the refill").arg(moved).arg(rows),
        blockMove, 25, "ms");
    if (moved != static_cast<std::size_t>(SELECTED) || list->SelectedRows().size() != SELECTED ||
        list->SelectedRows().front() != 0)
        report.Warn(
            QStringLiteral("the block move did not keep the %1 channels selected at the top").arg(SELECTED));

    // The refill a drop ends with, after the chain has changed.
    const Timing dropRefill = TimeMs(
        runs,
        [&] {
            reset();
            page.DropSelectedAt(rows / 2);
            Settle();
        },
        [&] { page.Refresh(); });
    report.Add("drop_refill_ms", QStringLiteral("refill after a drop (%1 rows)").arg(rows), dropRefill, 16,
               "ms");
    document.SetHistoryIndex(start);
}

} // namespace bench

} // namespace vormante
