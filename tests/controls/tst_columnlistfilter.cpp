// ColumnListCtrl: rows hidden by a filter keep their indices and stay out of the
// user's selections; columns fit their texts and cut-off cells are elided and tipped.
#include "controls/ColumnListCtrl.h"
#include "controls/SortHeaderCtrl.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace vormante;

namespace {

const QString SPEC = QStringLiteral("No,20;Channel Name,80;Symbol Rate,60;CH N,30");

// Rows "1".."n" named "Name k", every third one "ZDF k".
void Fill(ColumnListCtrl& list, int rows) {
    for (int row = 0; row < rows; ++row) {
        const QString number = QString::number(row + 1);
        list.AddRow({number, (row % 3 == 0 ? QStringLiteral("ZDF ") : QStringLiteral("Name ")) + number,
                     "27500", "1"});
    }
}

ColumnListCtrl::RowFilter NameContains(const QString& part) {
    return [part](const QStringList& texts) { return texts.value(1).contains(part, Qt::CaseInsensitive); };
}

// Every cell shows its whole text or a cut one ending in "…" that fits its column.
void VerifyEveryCellFitsOrIsElided(const ColumnListCtrl& list, bool expectWhole) {
    const QFontMetrics metrics = list.fontMetrics();
    for (int row = 0; row < list.RowCount(); ++row) {
        for (int column = 0; column < list.ColumnCount(); ++column) {
            const QString text = list.CellText(row, column);
            const QString shown = list.ShownCellText(row, column);
            const int room = list.columnWidth(column) - 4;
            const QString where =
                QStringLiteral("row %1 column %2: \"%3\" shown \"%4\"").arg(row).arg(column).arg(text, shown);
            QVERIFY2(metrics.horizontalAdvance(shown) <= room || shown.isEmpty(), qPrintable(where));
            if (expectWhole)
                QVERIFY2(shown == text, qPrintable(where));
            else
                QVERIFY2(shown == text || shown.endsWith(QChar(0x2026)), qPrintable(where));
        }
    }
}

} // namespace

class TestColumnListFilter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filterHidesRowsAndKeepsIndices() {
        ColumnListCtrl list;
        list.BuildColumns(SPEC);
        Fill(list, 30);
        QSignalSpy selection(&list, &ColumnListCtrl::rowSelectionChanged);
        list.SelectRow(1, true);
        list.SelectRow(3);
        QCOMPARE(selection.count(), 2);

        list.SetRowFilter(NameContains("zdf"));
        QVERIFY(list.HasRowFilter());
        QCOMPARE(list.RowCount(), 30);
        QCOMPARE(list.ShownRowCount(), 10);
        QVERIFY(list.IsRowShown(3));
        QVERIFY(!list.IsRowShown(1));
        QVERIFY(!list.IsRowShown(30));
        // Row indices still name the same rows, shown or not.
        QCOMPARE(list.CellText(3, 1), QStringLiteral("ZDF 4"));
        QCOMPARE(list.CellText(1, 1), QStringLiteral("Name 2"));
        QVERIFY(list.SetCellText(1, 1, "Renamed"));
        QCOMPARE(list.CellText(1, 1), QStringLiteral("Renamed"));
        // The hidden row lost its selection, with one signal.
        QCOMPARE(list.SelectedRows(), QList<int>{3});
        QCOMPARE(selection.count(), 3);

        list.SetRowFilter({});
        QCOMPARE(list.ShownRowCount(), 30);
        QVERIFY(list.IsRowShown(1));
    }

    void filterDecidesForRefilledRowsAndFollowsSorts() {
        ColumnListCtrl list;
        list.BuildColumns(SPEC);
        Fill(list, 9);
        list.SetRowFilter(NameContains("zdf"));
        list.DeleteAllRows();
        QCOMPARE(list.ShownRowCount(), 0);
        Fill(list, 12);
        QCOMPARE(list.ShownRowCount(), 4);
        for (int row = 0; row < list.RowCount(); ++row)
            QCOMPARE(list.IsRowShown(row), list.CellText(row, 1).startsWith("ZDF"));
        // The view hides the refilled rows once control is back in the event loop.
        QTRY_VERIFY(list.isRowHidden(1));
        for (int row = 0; row < list.RowCount(); ++row)
            QCOMPARE(list.isRowHidden(row), !list.CellText(row, 1).startsWith("ZDF"));
        QCOMPARE(list.ShownRowCount(), 4);

        list.SortByColumn(1, false); // "ZDF …" rows first
        for (int row = 0; row < list.RowCount(); ++row)
            QCOMPARE(list.IsRowShown(row), list.CellText(row, 1).startsWith("ZDF"));
        QCOMPARE(list.ShownRowCount(), 4);
    }

    void userSelectionsSkipHiddenRows() {
        ColumnListCtrl list;
        list.BuildColumns(SPEC);
        Fill(list, 12);
        list.resize(400, 400);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.SetRowFilter(NameContains("zdf")); // rows 0, 3, 6, 9
        QSignalSpy selection(&list, &ColumnListCtrl::rowSelectionChanged);

        list.setFocus();
        QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list.SelectedRows(), (QList<int>{0, 3, 6, 9}));
        QCOMPARE(selection.count(), 1);

        auto rowCentre = [&](int row) { return list.visualRect(list.model()->index(row, 1)).center(); };
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(0));
        QCOMPARE(list.SelectedRows(), QList<int>{0});
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(6));
        QCOMPARE(list.SelectedRows(), (QList<int>{0, 3, 6}));
        QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(list.SelectedRows(), (QList<int>{0, 3, 6, 9}));
        QCOMPARE(list.FocusRow(), 9);
    }

    void columnsFitTheirWidestTextAndCaption() {
        ColumnListCtrl list;
        list.BuildColumns(SPEC);
        const QFontMetrics header = list.sortHeader()->fontMetrics();
        for (int column = 0; column < list.ColumnCount(); ++column)
            QVERIFY2(list.columnWidth(column) > header.horizontalAdvance(list.ColumnName(column)),
                     qPrintable(list.ColumnName(column)));
        const int declared = list.columnWidth(0);
        list.AddRow({"1180", "WWWWWWWWWWW", "27500", "1"});
        list.AddRow({"12", "\xC9t\xE9 \xC0\xC9\xCE", "27500", "1"});
        QVERIFY(list.columnWidth(0) >= declared);
        VerifyEveryCellFitsOrIsElided(list, true);
        // The column spec's widths are the minimums.
        for (int column = 0; column < list.ColumnCount(); ++column)
            QVERIFY(list.columnWidth(column) >= list.ColumnSpecWidth(column));
        // Later, wider texts widen their column again.
        QVERIFY(list.SetCellText(1, 1, "WWWWWWWWWWWWWWWWWWWW"));
        list.AddRow({"123456789", "x", "1", "1"});
        VerifyEveryCellFitsOrIsElided(list, true);
    }

    void narrowedColumnsElideAndTipTheWholeText() {
        ColumnListCtrl list;
        list.BuildColumns(SPEC);
        Fill(list, 3);
        list.AddRow({"4", "A long name", "27500", "1"});
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.CellToolTip(3, 1).isEmpty());

        list.horizontalHeader()->resizeSection(1, 30);
        VerifyEveryCellFitsOrIsElided(list, false);
        QVERIFY(list.ShownCellText(3, 1).endsWith(QChar(0x2026)));
        QCOMPARE(list.CellToolTip(3, 1), QStringLiteral("A long name"));
        QVERIFY(list.CellToolTip(3, 0).isEmpty());

        const QRect cell = list.visualRect(list.model()->index(3, 1));
        QHelpEvent help(QEvent::ToolTip, cell.center(), list.viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(list.viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("A long name"));
        // A row added later with a wider text does not undo the user's narrowing
        // unless it needs more than the column ever had.
        list.AddRow({"5", "short", "1", "1"});
        QCOMPARE(list.columnWidth(1), 30);
    }
};

QTEST_MAIN(TestColumnListFilter)
#include "tst_columnlistfilter.moc"
