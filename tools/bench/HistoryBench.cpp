#include "HistoryBench.h"
#include "Harness.h"

#include "controls/ColumnListCtrl.h"
#include "document/Document.h"
#include "model/RecordOperations.h"
#include "views/channels/ChannelListPage.h"

#include <QUndoStack>

#include <malloc.h>

#include <span>
#include <string>

namespace vormante {

namespace bench {

namespace {

int BusiestSatellite(const vormante::ChannelDatabase& db) {
    int busiest = -1;
    unsigned most = 0;
    for (int slot = 0; slot < vormante::SATELLITE_SLOTS; ++slot) {
        const vormante::ConstSatelliteRecord satellite = db.Satellite(slot);
        if (satellite.isUsed() && satellite.channelCount() > most) {
            most = satellite.channelCount();
            busiest = slot;
        }
    }
    return busiest;
}

double HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

} // namespace

void RunHistoryBench(const std::vector<std::uint8_t>& image, int runs, Report& report) {
    using vormante::ChannelDatabase;
    vormante::Document document;
    LoadImage(document, image);
    const int busiest = BusiestSatellite(document.database());

    // The page in front: the all-channels page on the busiest satellite.
    ChannelListPage page;
    ShowChannelPage(page, document);
    ChooseSatellite(page, page.ChoiceOfSatellite(busiest));
    page.Refresh();
    Settle();

    struct LargeStep {
        const char* name;
        std::function<void(ChannelDatabase&)> change;
    };
    const LargeStep steps[] = {
        {"sort",
         [busiest](ChannelDatabase& db) {
             vormante::SortChannels(db, busiest, vormante::SortKind::NameDown);
         }},
        {"clear", [busiest](ChannelDatabase& db) { vormante::ClearSatelliteChannels(db, busiest); }},
        {"delete", [busiest](ChannelDatabase& db) { vormante::DeleteSatellite(db, busiest); }},
    };
    Timing slowestUndo, slowestRedo;
    QString undoWhat, redoWhat;
    for (const LargeStep& step : steps) {
        document.Apply(QLatin1String(step.name), step.change);
        Settle();
        std::vector<double> undo, redo;
        for (int run = 0; run < runs; ++run) {
            undo.push_back(TimeMs(1, [&] { document.Undo(); }).median);
            Settle();
            redo.push_back(TimeMs(1, [&] { document.Redo(); }).median);
            Settle();
        }
        const Timing u = Summarize(undo), r = Summarize(redo);
        if (u.median > slowestUndo.median) {
            slowestUndo = u;
            undoWhat = QLatin1String(step.name);
        }
        if (r.median > slowestRedo.median) {
            slowestRedo = r;
            redoWhat = QLatin1String(step.name);
        }
        document.Undo(); // back to the full image for the next kind
        Settle();
    }
    report.Add("undo_ms", QStringLiteral("undo of the largest step (%1), page refill included").arg(undoWhat),
               slowestUndo, 16, "ms");
    report.Add("redo_ms", QStringLiteral("redo of the largest step (%1), page refill included").arg(redoWhat),
               slowestRedo, 16, "ms");

    // What the document adds to one channel edit: finding the changed bytes and
    // keeping them. Measured without pages, against the same edit on a bare database.
    vormante::Document bare;
    bare.Open(std::span<const std::uint8_t>(image), QStringLiteral("full.bin"));
    ChannelDatabase plain;
    plain.Load(std::span<const std::uint8_t>(image));
    int round = 0;
    const auto edit = [&round](ChannelDatabase& db) { db.Channel(round % 3000).setLocked(round % 2 == 0); };
    const Timing through = TimeMs(
        std::max(runs, 101), [&] { ++round; }, [&] { bare.Apply(QStringLiteral("Lock"), edit); });
    const Timing direct = TimeMs(
        std::max(runs, 101), [&] { ++round; }, [&] { edit(plain); });
    Timing overhead;
    overhead.median = std::max(0.0, through.median - direct.median);
    overhead.best = std::max(0.0, through.best - direct.best);
    report.Add("apply_overhead_ms", "document's cost on one channel edit", overhead, 1, "ms");

    // The memory of a thousand single-channel edits, beyond the image.
    vormante::Document thousand;
    thousand.Open(std::span<const std::uint8_t>(image), QStringLiteral("full.bin"));
    const double before = HeapBytes();
    for (int i = 0; i < 1000; ++i)
        thousand.Apply(QStringLiteral("Rename channel %1").arg(i),
                       [i](ChannelDatabase& db) { db.Channel(i).setName("E" + std::to_string(i)); });
    const double heap = (HeapBytes() - before) / (1024.0 * 1024.0);
    report.Add("history_mb_1000_edits", "history of 1000 single-channel edits (heap)", heap, 1, "MB");
    report.Note(QStringLiteral("history of 1000 edits as counted by the document: %1 KiB")
                    .arg(static_cast<double>(thousand.historyBytes()) / 1024.0, 0, 'f', 1));
}

} // namespace bench

} // namespace vormante
