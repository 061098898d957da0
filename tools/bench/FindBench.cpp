#include "FindBench.h"
#include "Harness.h"

#include "controls/ColumnListCtrl.h"
#include "model/ChannelDatabase.h"
#include "model/ChannelSearch.h"
#include "views/channels/ChannelRowTexts.h"
#include "views/common/ListFilterBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vormante {

namespace bench {

namespace {

// One letter typed after a text already in the box; the slowest case is reported.
struct Keystroke {
    const char* before;
    char letter;
};

} // namespace

void RunFindBench(const std::vector<std::uint8_t>& image, int runs, Report& report) {
    vormante::ChannelDatabase db;
    LoadImage(db, image);

    // The search over every channel: a name fragment folds every name, a number
    // compares every number and PID.
    Timing slowestFind;
    QString findWhat;
    std::size_t found = 0;
    for (const char* query : {"1-1", "r 5", "1234"}) {
        const Timing ms = TimeMs(runs, [&] { found = vormante::FindChannels(db, query).size(); });
        if (ms.median >= slowestFind.median) {
            slowestFind = ms;
            findWhat = QStringLiteral("\"%1\", %2 found").arg(QLatin1String(query)).arg(found);
        }
    }
    report.Add(
        "find_all_ms",
        QStringLiteral("find over all %1 channels (slowest: %2)").arg(vormante::CHANNEL_SLOTS).arg(findWhat),
        slowestFind, 10, "ms");
    if (vormante::FindChannels(db, "").size() != static_cast<std::size_t>(vormante::CHANNEL_SLOTS))
        report.Warn("the search does not reach every channel of the full image");

    // The longest channel list: every channel of the busiest satellite, shown with its filter box.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new ListFilterBar(&window);
    auto* list = new ColumnListCtrl(&window);
    layout->addWidget(bar);
    layout->addWidget(list, 1);
    list->BuildColumns(channelrow::ColumnSpec());
    int busiest = 0;
    std::vector<vormante::ChannelMatch> channels = vormante::FindChannels(db, "");
    for (const vormante::ChannelMatch& match : channels)
        busiest = match.satellite == channels.front().satellite ? busiest + 1 : busiest;
    for (int i = 0; i < busiest; ++i)
        list->AddRow(channelrow::RowTexts(db, channels[static_cast<std::size_t>(i)].channel, i + 1));
    bar->Attach(list);
    window.resize(1000, 720);
    window.show();
    Settle();

    Timing slowestKey;
    QString keyWhat;
    for (const Keystroke key :
         {Keystroke{"", 't'}, Keystroke{"tv 1-1", '0'}, Keystroke{"", '1'}, Keystroke{"", 'z'}}) {
        int shown = 0;
        const Timing ms = TimeMs(
            runs,
            [&] {
                bar->setText(QLatin1String(key.before));
                Settle();
            },
            [&] {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(key.letter)));
                QApplication::sendEvent(bar->lineEdit(), &press);
                Settle();
                list->viewport()->repaint();
                shown = list->ShownRowCount();
            });
        if (ms.median >= slowestKey.median) {
            slowestKey = ms;
            keyWhat = QStringLiteral("\"%1\" + '%2', %3 shown")
                          .arg(QLatin1String(key.before))
                          .arg(QLatin1Char(key.letter))
                          .arg(shown);
        }
    }
    report.Add("filter_keystroke_ms",
               QStringLiteral("filter keystroke, %1 rows (slowest: %2)").arg(list->RowCount()).arg(keyWhat),
               slowestKey, 16, "ms");
    // A refill while a filter hides most rows, as after an edit on a filtered page.
    bar->setText(QStringLiteral("tv 1-10"));
    Settle();
    const Timing refill = TimeMs(runs, Settle, [&] {
        list->DeleteAllRows();
        for (int i = 0; i < busiest; ++i)
            list->AddRow(channelrow::RowTexts(db, channels[static_cast<std::size_t>(i)].channel, i + 1));
    });
    report.Note(
        QStringLiteral("refill of the %1-row list with a filter showing %2 rows: %3 ms (fastest %4 ms)")
            .arg(list->RowCount())
            .arg(list->ShownRowCount())
            .arg(refill.median, 0, 'f', 2)
            .arg(refill.best, 0, 'f', 2));
    if (list->RowCount() != busiest || bar->countText().isEmpty())
        report.Warn("the filtered list lost rows or shows no count");
}

} // namespace bench

} // namespace vormante
