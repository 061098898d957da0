// The pages' lists at start: every column at least as wide as its caption and the
// widest text it holds, so no value is cut (1180 in a "No" column, "Symbol Rate").
#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "controls/SortHeaderCtrl.h"
#include "model/SampleImages.h"
#include "views/channels/ChannelListPage.h"
#include "views/satellites/SatellitePage.h"

#include <QTest>

using namespace vormante;

namespace {

void VerifyListsShowWholeTexts(const QWidget& page) {
    const QList<ColumnListCtrl*> lists = page.findChildren<ColumnListCtrl*>();
    QVERIFY(!lists.isEmpty());
    for (const ColumnListCtrl* list : lists) {
        QVERIFY(list->RowCount() > 0);
        for (int column = 0; column < list->ColumnCount(); ++column) {
            const QString caption = list->ColumnName(column);
            QVERIFY2(list->columnWidth(column) >= list->sortHeader()->MinimumSectionWidth(column),
                     qPrintable(caption));
            for (int row = 0; row < list->RowCount(); ++row)
                QVERIFY2(list->ShownCellText(row, column) == list->CellText(row, column),
                         qPrintable(QStringLiteral("%1, row %2: \"%3\" shown as \"%4\"")
                                        .arg(caption)
                                        .arg(row)
                                        .arg(list->CellText(row, column), list->ShownCellText(row, column))));
        }
    }
}

} // namespace

class TestListColumnWidths : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(testsupport::LoadInto(document_, BuildFullImage())); }

    void satellitePageOnTheFullImage() {
        SatellitePage page;
        page.resize(800, 600);
        page.Initialize(document_);
        for (int list = 0; list <= 3; ++list)
            page.RefreshList(list);
        QVERIFY(page.channelList()->RowCount() >= 800); // the 1000 channels of the first transponder
        VerifyListsShowWholeTexts(page);
    }

    void channelListPageOnTheFullImage() {
        ChannelListPage page;
        page.resize(800, 600);
        page.Initialize(document_);
        page.Refresh();
        QVERIFY(page.channelList()->RowCount() >= 1180);
        VerifyListsShowWholeTexts(page);
    }

private:
    Document document_;
};

QTEST_MAIN(TestListColumnWidths)
#include "tst_listcolumnwidths.moc"
