#include "PageBench.h"
#include "Harness.h"

#include "controls/ColumnListCtrl.h"
#include "controls/SortHeaderCtrl.h"
#include "document/Document.h"
#include "model/ChannelDatabase.h"
#include "model/RecordOperations.h"
#include "views/channels/ChannelListPage.h"
#include "views/common/SatellitePageText.h"
#include "views/satellites/SatellitePage.h"

#include <algorithm>
#include <cstdio>
#include <span>

namespace vormante {

namespace bench {

namespace {

constexpr int SATELLITES = SatellitePage::SATELLITES;
constexpr int TRANSPONDERS = SatellitePage::TRANSPONDERS;
constexpr int CHANNELS = SatellitePage::CHANNELS;

// Where the longest channel list of one transponder is, as rows of the satellite page.
struct LongestList {
    int satelliteRow = -1;
    int transponderRow = -1;
    bool tv = true;
    int rows = 0;
};

// The satellite with the most channels, TV and radio together.
struct BusiestSatellite {
    int slot = -1;
    int channels = 0;
    int tv = 0;
};

LongestList FindLongestList(const vormante::ChannelDatabase& db, BusiestSatellite* busiest) {
    LongestList longest;
    const std::vector<int> satellites = vormante::UsedSatellites(db);
    for (int satRow = 0; satRow < static_cast<int>(satellites.size()); ++satRow) {
        const int satellite = satellites[satRow];
        const std::vector<int> transponders = vormante::ListedTransponders(db, satellite);
        int onSatellite = 0;
        int tvOnSatellite = 0;
        for (int tpRow = 0; tpRow < static_cast<int>(transponders.size()); ++tpRow) {
            for (const bool tv : {true, false}) {
                const int rows =
                    static_cast<int>(vormante::ListedChannels(db, satellite, transponders[tpRow], tv).size());
                onSatellite += rows;
                tvOnSatellite += tv ? rows : 0;
                if (rows > longest.rows)
                    longest = {satRow, tpRow, tv, rows};
            }
        }
        if (onSatellite > busiest->channels)
            *busiest = {satellite, onSatellite, tvOnSatellite};
    }
    return longest;
}

// The slowest column of header-click sorts on a list: every column clicked `runs`
// times (each click toggles the direction, as a user's clicks do).
Timing SlowestHeaderSort(ColumnListCtrl* list, int runs, int* slowestColumn) {
    Timing slowest;
    for (int column = 0; column < list->ColumnCount(); ++column) {
        const Timing ms = TimeMs(runs, Settle, [&] { Q_EMIT list->sortHeader()->sectionClicked(column); });
        if (ms.median > slowest.median) {
            slowest = ms;
            *slowestColumn = column;
        }
    }
    return slowest;
}

} // namespace

void RunPageBench(const std::vector<std::uint8_t>& image, int runs, Report& report) {
    vormante::Document document;
    const vormante::ChannelDatabase& db = document.database();
    LoadImage(document, image);
    BusiestSatellite busiest;
    const LongestList longest = FindLongestList(db, &busiest);

    // The satellite page as the main window holds it: shown, at a usual size.
    SatellitePage page;
    page.resize(1000, 720);
    page.Initialize(document);
    page.show();
    Settle();

    const Timing open = TimeMs(runs, Settle, [&] {
        LoadImage(document, image);
        for (int list = 0; list <= 3; ++list)
            page.RefreshList(list);
    });
    report.Add("open_ms", "open (Load, pointers, 4 page refills)", open, 50, "ms");

    // The longest channel list of one transponder on the satellite page.
    page.SelectRowAndReact(SATELLITES, longest.satelliteRow);
    page.SelectRowAndReact(TRANSPONDERS, longest.transponderRow);
    page.SetShowTv(longest.tv);
    page.RefreshList(CHANNELS);
    Settle();
    const Timing refillChannels = TimeMs(runs, Settle, [&] { page.RefreshList(CHANNELS); });
    const int shownRows = page.channelList()->RowCount();
    report.Add("refill_channels_ms", QStringLiteral("refill channels (%1 rows)").arg(shownRows),
               refillChannels, 16, "ms");
    if (shownRows != longest.rows)
        report.Warn(
            QStringLiteral("the channel list shows %1 rows, expected %2").arg(shownRows).arg(longest.rows));

    int satColumn = 0;
    const Timing satSort = SlowestHeaderSort(page.channelList(), runs, &satColumn);

    // The all-channels page on the satellite with the most channels, showing its
    // TV or its radio channels, whichever are more.
    ChannelListPage allPage;
    ShowChannelPage(allPage, document);
    ChooseSatellite(allPage, allPage.ChoiceOfSatellite(busiest.slot));
    allPage.SetShowTv(busiest.tv * 2 >= busiest.channels);
    allPage.Refresh();
    Settle();
    const Timing refillAll = TimeMs(runs, Settle, [&] { allPage.Refresh(); });
    const int allRows = allPage.channelList()->RowCount();
    const int expectedAll = busiest.tv * 2 >= busiest.channels ? busiest.tv : busiest.channels - busiest.tv;
    report.Add("refill_allchannels_ms", QStringLiteral("refill all-channels page (%1 rows)").arg(allRows),
               refillAll, 16, "ms");
    if (allPage.ShownSatellite() != busiest.slot || allRows != expectedAll)
        report.Warn(QStringLiteral("the all-channels page shows %1 rows of satellite %2, expected %3 of %4")
                        .arg(allRows)
                        .arg(allPage.ShownSatellite())
                        .arg(expectedAll)
                        .arg(busiest.slot));
    const Timing withPaint = TimeMs(runs, Settle, [&] {
        allPage.Refresh();
        allPage.repaint();
    });
    report.Note(QStringLiteral("all-channels refill with the repaint that follows it: %1 ms (fastest %2 ms)")
                    .arg(withPaint.median, 0, 'f', 2)
                    .arg(withPaint.best, 0, 'f', 2));

    // The header sort of the longer of the two lists.
    int allColumn = 0;
    const Timing allSort = SlowestHeaderSort(allPage.channelList(), runs, &allColumn);
    const bool allLonger = allRows >= shownRows;
    const Timing headerSort = allLonger ? allSort : satSort;
    const QString headerWhere = QStringLiteral("%1 rows, slowest column %2")
                                    .arg(allLonger ? allRows : shownRows)
                                    .arg(allLonger ? allColumn : satColumn);

    report.Add("header_sort_ms", QStringLiteral("header sort (%1)").arg(headerWhere), headerSort, 16, "ms");

    // SortChannels of the busiest satellite, each kind on the image as built.
    Timing slowestSort;
    int slowestKind = 0;
    for (int kind = 0; kind < 6; ++kind) {
        vormante::ChannelDatabase scratch;
        const Timing ms = TimeMs(
            runs, [&] { scratch.Load(std::span<const std::uint8_t>(image)); },
            [&] { vormante::SortChannels(scratch, busiest.slot, static_cast<vormante::SortKind>(kind)); });
        if (ms.median > slowestSort.median) {
            slowestSort = ms;
            slowestKind = kind;
        }
    }
    report.Add("sort_ms",
               QStringLiteral("SortChannels (%1 ch, slowest kind %2)").arg(busiest.channels).arg(slowestKind),
               slowestSort, 5, "ms");

    // IsChanged compares every word when nothing changed: its slowest case.
    LoadImage(document, image);
    bool changed = false;
    const Timing isChanged = TimeMs(std::max(runs, 21), [&] { changed = db.IsChanged() || changed; });
    report.Add("ischanged_ms", "IsChanged", isChanged, 0, "ms");
    if (changed)
        report.Warn("IsChanged reported a change right after Load");
    const Timing commit = TimeMs(std::max(runs, 21), [&] { document.MarkSaved(document.path()); });
    report.Add("commit_ms", "Commit", commit, 0, "ms");
}

} // namespace bench

} // namespace vormante
