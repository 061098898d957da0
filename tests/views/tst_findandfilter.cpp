// The filter bar on a channel list, the find dialog and the status line, on the demo image.
#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "model/ChannelSearch.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"
#include "views/channels/ChannelRowTexts.h"
#include "views/common/ListFilterBar.h"
#include "views/common/StatusLine.h"
#include "views/lists/FindChannelDialog.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace vormante;

namespace {

// The TV channels of the first satellite as the all-channels list shows them.
void FillTvList(const ChannelDatabase& db, ColumnListCtrl& list) {
    list.DeleteAllRows();
    for (const ChannelMatch& match : FindChannels(db, ""))
        if (match.satellite == 0 && match.tv)
            list.AddRow(channelrow::RowTexts(db, match.channel, match.number));
}

QStringList ShownNames(const ColumnListCtrl& list) {
    QStringList names;
    for (int row = 0; row < list.RowCount(); ++row)
        if (list.IsRowShown(row))
            names << list.CellText(row, channelrow::NAME_COLUMN);
    return names;
}

int RowNamed(const ColumnListCtrl& list, const QString& name) {
    for (int row = 0; row < list.RowCount(); ++row)
        if (list.CellText(row, channelrow::NAME_COLUMN) == name)
            return row;
    return -1;
}

} // namespace

class TestFindAndFilter : public QObject {
    Q_OBJECT

    ChannelDatabase db_;

private Q_SLOTS:
    void init() {
        QVERIFY(testsupport::LoadInto(db_, BuildDemoImage()));
        // One accented name to fold: "Das Erste" becomes "Télé 5".
        db_.Channel(FindChannels(db_, "das erste").at(0).channel).setName("T\xE9l\xE9 5");
    }

    void filterBarFiltersByNameAccentsNumbersAndPids() {
        ColumnListCtrl list;
        list.BuildColumns(channelrow::ColumnSpec());
        FillTvList(db_, list);
        const int total = list.RowCount();
        ListFilterBar bar;
        bar.Attach(&list);
        QSignalSpy typed(&bar, &ListFilterBar::filterChanged);
        QCOMPARE(bar.lineEdit()->placeholderText(), QStringLiteral("Filter"));
        QVERIFY(bar.countText().isEmpty());

        QTest::keyClicks(bar.lineEdit(), "zdf");
        QCOMPARE(ShownNames(list), (QStringList{"ZDF", "ZDFinfo", "ZDFneo"}));
        QCOMPARE(bar.countText(), QStringLiteral("3 of %1").arg(total));
        QCOMPARE(typed.count(), 3);
        QCOMPARE(typed.last().at(0).toString(), QStringLiteral("zdf"));
        // Rows keep their "No": the commands read the channel from it.
        const int zdfInfo = RowNamed(list, "ZDFinfo");
        QCOMPARE(list.CellText(zdfInfo, channelrow::NO_COLUMN).toInt(),
                 FindChannels(db_, "zdfinfo").at(0).number);

        bar.setText("TELE");
        QCOMPARE(ShownNames(list), QStringList{QStringLiteral("T\u00e9l\u00e9 5")});
        bar.setText(QStringLiteral("t\u00e9l\u00c9"));
        QCOMPARE(ShownNames(list), QStringList{QStringLiteral("T\u00e9l\u00e9 5")});
        bar.setText(QStringLiteral("\u20ac")); // no Latin-1 form: matches nothing
        QCOMPARE(list.ShownRowCount(), 0);
        QCOMPARE(bar.countText(), QStringLiteral("0 of %1").arg(total));

        // A number: the row's "No", its CH No or any PID.
        const QString videoPid = list.CellText(zdfInfo, 2);
        bar.setText(videoPid);
        QVERIFY(ShownNames(list).contains("ZDFinfo"));
        bar.setText(list.CellText(zdfInfo, 3)); // audio PID
        QVERIFY(ShownNames(list).contains("ZDFinfo"));
        bar.setText("2");
        QCOMPARE(ShownNames(list), QStringList{list.CellText(1, channelrow::NAME_COLUMN)});

        // Escape empties the box and shows every row again.
        bar.setText("zdf");
        QTest::keyClick(bar.lineEdit(), Qt::Key_Escape);
        QVERIFY(bar.text().isEmpty());
        QCOMPARE(list.ShownRowCount(), total);
        QVERIFY(!list.HasRowFilter());
        QVERIFY(bar.countText().isEmpty());
    }

    void filterBarFollowsRefills() {
        ColumnListCtrl list;
        list.BuildColumns(channelrow::ColumnSpec());
        FillTvList(db_, list);
        ListFilterBar bar;
        bar.Attach(&list);
        bar.setText("sky");
        const int skies = list.ShownRowCount();
        QVERIFY(skies > 0);
        // An edit refills the list; the filter stays and the count follows.
        db_.Channel(FindChannels(db_, "ProSieben").at(0).channel).setName("Sky Pro");
        FillTvList(db_, list);
        QCOMPARE(list.ShownRowCount(), skies + 1);
        QTRY_COMPARE(bar.countText(), QStringLiteral("%1 of %2").arg(skies + 1).arg(list.RowCount()));
        // A placeholder row names no channel and never passes a filter.
        list.DeleteAllRows();
        list.AddRow(channelrow::PlaceholderRow());
        QCOMPARE(list.ShownRowCount(), 0);
    }

    void findDialogSearchesAllSatellitesAndAccepts() {
        FindChannelDialog dialog(db_);
        QCOMPARE(dialog.ResultCount(), 0);
        QTest::keyClicks(dialog.searchEdit(), "sky");
        QVERIFY(dialog.ResultCount() >= 6); // on Astra 1, Hotbird and Astra 2
        ColumnListCtrl* list = dialog.resultList();
        QCOMPARE(list->RowCount(), dialog.ResultCount());
        QCOMPARE(list->CellText(0, FindChannelDialog::SATELLITE_COLUMN), QStringLiteral("Astra 1 19.2E"));
        QCOMPARE(list->CellText(list->RowCount() - 1, FindChannelDialog::SATELLITE_COLUMN),
                 QStringLiteral("Astra 2 28.2E"));
        QCOMPARE(dialog.summaryText(), QStringLiteral("%1 channels found.").arg(dialog.ResultCount()));
        QCOMPARE(dialog.selectedResult(), 0);

        // Down in the box moves through the results; Enter accepts the selected one.
        QTest::keyClick(dialog.searchEdit(), Qt::Key_Down);
        QCOMPARE(dialog.selectedResult(), 1);
        const ChannelMatch second = dialog.results().at(1);
        QTest::keyClick(dialog.searchEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.chosen().has_value());
        QCOMPARE(dialog.chosen()->channel, second.channel);
        QCOMPARE(list->CellText(1, FindChannelDialog::NAME_COLUMN),
                 QString::fromLatin1(second.name.data(), static_cast<qsizetype>(second.name.size())));
        QCOMPARE(list->CellText(1, FindChannelDialog::NUMBER_COLUMN), QString::number(second.number));
        QCOMPARE(list->CellText(1, FindChannelDialog::KIND_COLUMN),
                 second.tv ? QStringLiteral("TV") : QStringLiteral("Radio"));
    }

    void findDialogDoubleClickAndNothingFound() {
        FindChannelDialog dialog(db_);
        dialog.SetSearchText("radio");
        QVERIFY(dialog.ResultCount() >= 4);
        const int last = dialog.ResultCount() - 1;
        QVERIFY(!dialog.results().at(static_cast<std::size_t>(last)).tv);
        Q_EMIT dialog.resultList()->rowDoubleClicked(last);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosen()->channel, dialog.results().at(static_cast<std::size_t>(last)).channel);

        FindChannelDialog none(db_);
        none.SetSearchText("no such channel");
        QCOMPARE(none.summaryText(), QStringLiteral("No channel found."));
        QTest::keyClick(none.searchEdit(), Qt::Key_Return);
        QVERIFY(none.result() != QDialog::Accepted);
        QVERIFY(!none.chosen().has_value());
        QVERIFY(!none.AcceptResult(0));
        Q_EMIT none.resultList()->rowDoubleClicked(-1);
        QVERIFY(!none.chosen().has_value());
    }

    void statusLineShowsFileStateAndTables() {
        StatusLine line;
        ChannelDatabase unloaded;
        line.Update(unloaded, "/tmp/x.bin", false);
        QVERIFY(line.text().isEmpty());

        line.Update(db_, "/data/lists/demo.bin", false);
        QCOMPARE(line.fileText(), QStringLiteral("demo.bin"));
        QCOMPARE(line.fileToolTip(), QStringLiteral("/data/lists/demo.bin"));
        QVERIFY(line.modifiedText().isEmpty());
        const ImageStatistics figures = CountImage(db_);
        QCOMPARE(line.tablesText(),
                 QStringLiteral("Satellites %1/100, Transponders %2/2000, Channels %3/3000")
                     .arg(figures.satellites)
                     .arg(figures.transponders)
                     .arg(figures.channels));
        QCOMPARE(line.totalsText(),
                 QStringLiteral("TV %1, Radio %2").arg(figures.tvChannels).arg(figures.radioChannels));

        DeleteChannel(db_, FindChannels(db_, "zdfneo").at(0).channel, 0);
        line.Update(db_, "/data/lists/demo.bin", true);
        QCOMPARE(line.modifiedText(), QStringLiteral("Modified"));
        QCOMPARE(line.totalsText(),
                 QStringLiteral("TV %1, Radio %2").arg(figures.tvChannels - 1).arg(figures.radioChannels));
        QVERIFY(line.text().startsWith("demo.bin | Modified | TV "));
        line.Clear();
        QVERIFY(line.text().isEmpty());
    }
};

QTEST_MAIN(TestFindAndFilter)
#include "tst_findandfilter.moc"
