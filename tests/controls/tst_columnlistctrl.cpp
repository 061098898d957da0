#include "controls/ColumnListCtrl.h"
#include "controls/ColumnListModel.h"
#include "controls/SortHeaderCtrl.h"

#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using namespace vormante;

using columnlist::CompareCellTexts;
using columnlist::ParseColumnSpec;

namespace {

QStringList Column(const ColumnListCtrl& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.RowCount(); ++row)
        texts.append(list.CellText(row, column));
    return texts;
}

// Sorts the list by the column and gives that column's texts from the top.
QStringList SortedColumn(ColumnListCtrl& list, int column, bool ascending) {
    list.SortByColumn(column, ascending);
    return Column(list, column);
}

// Builds the columns and adds the rows, in order.
void Fill(ColumnListCtrl& list, const char* columns, const QList<QStringList>& rows) {
    list.BuildColumns(columns);
    for (const QStringList& row : rows)
        list.AddRow(row);
}

void ClickHeader(ColumnListCtrl& list, int column) {
    SortHeaderCtrl* header = list.sortHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

} // namespace

class TestColumnListCtrl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parsesColumnSpecs_data();
    void parsesColumnSpecs();
    void readsNumbersLikeAtoi();
    void buildsColumnsAndKeepsCellCopies();
    void translatesCaptionsWhenColumnsAreBuilt();
    void comparesNumbersDatesAndText();
    void headerClicksToggleDirection();
    void sortKeepsSelectionWithItsRow();
    void sortSurvivesMixedColumns();
    void descendingSortKeepsTheLeftTextsKind();
    void coloursFollowThePaletteForNewRowsOnly();
    void paintsSelectionWithoutFocus();
    void scrollsRowToTop();
    void signalsSelectionDoubleClickAndContextMenu();
    void modelKeepsItsContract();
};

void TestColumnListCtrl::parsesColumnSpecs_data() {
    QTest::addColumn<QString>("spec");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("satellites") << "No,20;Sat Name,85;Pos,40;LNB Type,60"
                                << QStringList{"No", "Sat Name", "Pos", "LNB Type"}
                                << QList<int>{20, 85, 40, 60};
    QTest::newRow("trailing semicolon")
        << "No,20;Sat Name,85;" << QStringList{"No", "Sat Name"} << QList<int>{20, 85};
    QTest::newRow("last entry without comma") << "A,10;tail" << QStringList{"A"} << QList<int>{10};
    QTest::newRow("middle entry without comma joins the next name")
        << "A,10;x;B,20" << QStringList{"A", "x;B"} << QList<int>{10, 20};
    QTest::newRow("width not a number") << "A,wide;B, 7px" << QStringList{"A", "B"} << QList<int>{0, 7};
    QTest::newRow("names verbatim") << " spaced ,5;,6" << QStringList{" spaced ", ""} << QList<int>{5, 6};
    QTest::newRow("empty") << "" << QStringList{} << QList<int>{};
    QTest::newRow("no comma at all") << "just text" << QStringList{} << QList<int>{};
}

void TestColumnListCtrl::parsesColumnSpecs() {
    QFETCH(QString, spec);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, widths);
    const auto entries = ParseColumnSpec(spec);
    QStringList gotNames;
    QList<int> gotWidths;
    for (const auto& entry : entries) {
        gotNames.append(entry.name);
        gotWidths.append(entry.width);
    }
    QCOMPARE(gotNames, names);
    QCOMPARE(gotWidths, widths);
}

void TestColumnListCtrl::readsNumbersLikeAtoi() {
    QCOMPARE(columnlist::ReadNumber(u"  42abc"), 42);
    QCOMPARE(columnlist::ReadNumber(u"-17"), -17);
    QCOMPARE(columnlist::ReadNumber(u"+8"), 8);
    QCOMPARE(columnlist::ReadNumber(u"x12"), 0);
    QCOMPARE(columnlist::ReadNumber(u""), 0);
    QCOMPARE(columnlist::ReadNumber(u"99999999999999999999"), INT_MAX); // saturates, no overflow
}

void TestColumnListCtrl::buildsColumnsAndKeepsCellCopies() {
    ColumnListCtrl list;
    QVERIFY(list.BuildColumns("No,20;Sat Name,85;Pos,40;LNB Type,60"));
    QCOMPARE(list.ColumnCount(), 4);
    QCOMPARE(list.ColumnName(1), QString("Sat Name"));
    QCOMPARE(list.ColumnSpecWidth(2), 40);
    QVERIFY(list.columnWidth(1) >= 85); // never narrower than declared
    QCOMPARE(list.sortColumn(), -1);
    QVERIFY(list.sortAscending());

    QCOMPARE(list.AddRow({"1", "Astra", "19.2E", "Universal"}), 0);
    QCOMPARE(list.AddRow({"2", "Hotbird"}), 1); // missing texts are empty
    QCOMPARE(list.AddRow({"3", "a", "b", "c", "extra"}), 2);
    QCOMPARE(list.RowCount(), 3);
    QCOMPARE(list.RowTexts(1), (QStringList{"2", "Hotbird", "", ""}));
    QCOMPARE(list.RowTexts(2).size(), 4);

    QString text = "Eutelsat";
    QVERIFY(list.SetCellText(1, 1, text));
    text = "changed afterwards";
    QCOMPARE(list.CellText(1, 1), QString("Eutelsat"));
    QVERIFY(!list.SetCellText(3, 0, "x"));
    QVERIFY(!list.SetCellText(0, 4, "x"));
    QVERIFY(!list.SetCellText(-1, 0, "x"));
    QCOMPARE(list.CellText(0, 0), QString("1"));
    QVERIFY(list.RowTexts(7).isEmpty());

    list.DeleteAllRows();
    QCOMPARE(list.RowCount(), 0);
    QCOMPARE(list.ColumnCount(), 4);
}

// Captions are looked up in their context when the columns are built, so a table
// of captions made before the translator came in still shows translated; widths stay.
void TestColumnListCtrl::translatesCaptionsWhenColumnsAreBuilt() {
    struct Upper : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char* context, const char* source, const char*, int) const override {
            return qstrcmp(context, "Test") == 0 ? QString::fromLatin1(source).toUpper() : QString();
        }
    } upper;
    static constexpr columnlist::ColumnCaption COLUMNS[] = {{"No", 20}, {"Sat Name", 85}};
    QVERIFY(QCoreApplication::installTranslator(&upper));
    ColumnListCtrl list;
    list.BuildColumns(columnlist::TranslatedColumns("Test", COLUMNS));
    ColumnListCtrl other;
    other.BuildColumns(columnlist::TranslatedColumns("Other", COLUMNS));
    QCoreApplication::removeTranslator(&upper);
    QCOMPARE(list.ColumnName(1), QStringLiteral("SAT NAME"));
    QCOMPARE(list.ColumnSpecWidth(1), 85);
    QCOMPARE(other.ColumnName(1), QStringLiteral("Sat Name")); // no translation: the source text
}

void TestColumnListCtrl::comparesNumbersDatesAndText() {
    // Numbers, not text: 9 < 10 < 100.
    QCOMPARE(CompareCellTexts("9", "10"), -1);
    QCOMPARE(CompareCellTexts("100", "10"), 1);
    QCOMPARE(CompareCellTexts("10", "010"), 0);
    // An empty text counts as a number; non-numeric texts then read as 0.
    QCOMPARE(CompareCellTexts("", "abc"), 0);
    QCOMPARE(CompareCellTexts("", "5"), -1);
    // Dates: year first, then month, then day.
    QCOMPARE(CompareCellTexts("31/12/2023", "01/01/2024"), -1);
    QCOMPARE(CompareCellTexts("01/02/2024", "28/01/2024"), 1);
    QCOMPARE(CompareCellTexts("02/01/2024", "01/01/2024"), 1);
    QCOMPARE(CompareCellTexts("05/05/2020", "05/05/2020"), 0);
    QCOMPARE(CompareCellTexts("1/12/2023", "01/01/2024"), 1); // not a date shape: compared as text
    // Text: Y and N, case-sensitive.
    QCOMPARE(CompareCellTexts("Y", "N"), 1);
    QCOMPARE(CompareCellTexts("N", "Y"), -1);
    QVERIFY(CompareCellTexts("a", "A") != 0);
    // Locale-aware, not code points: lower-case names do not all follow the capitals.
    QCOMPARE(CompareCellTexts("arte", "Das Erste"), -1);
    QCOMPARE(CompareCellTexts("ZDF", "arte"), 1);

    ColumnListCtrl list;
    Fill(list, "No,20;Name,80", {{"100", "n100"}, {"9", "n9"}, {"10", "n10"}});
    QCOMPARE(SortedColumn(list, 0, true), (QStringList{"9", "10", "100"}));
    QCOMPARE(SortedColumn(list, 0, false), (QStringList{"100", "10", "9"}));
    QCOMPARE(SortedColumn(list, 1, true), (QStringList{"n10", "n100", "n9"}));
}

void TestColumnListCtrl::headerClicksToggleDirection() {
    ColumnListCtrl list;
    Fill(list, "No,20;Flag,40", {{"2", "Y"}, {"1", "N"}, {"3", "Y"}});
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    ClickHeader(list, 0);
    QCOMPARE(list.sortColumn(), 0);
    QVERIFY(list.sortAscending());
    QCOMPARE(Column(list, 0), (QStringList{"1", "2", "3"}));
    ClickHeader(list, 0);
    QVERIFY(!list.sortAscending());
    QCOMPARE(Column(list, 0), (QStringList{"3", "2", "1"}));
    ClickHeader(list, 0);
    QVERIFY(list.sortAscending());
    ClickHeader(list, 0);
    QVERIFY(!list.sortAscending());
    ClickHeader(list, 1); // another column always starts ascending
    QCOMPARE(list.sortColumn(), 1);
    QVERIFY(list.sortAscending());
    QCOMPARE(Column(list, 1).first(), QString("N"));
    QCOMPARE(list.sortHeader()->sortColumn(), 1);
    QVERIFY(list.sortHeader()->sortAscending());

    // The sort state survives a refill; the new rows stay in the order added.
    list.DeleteAllRows();
    list.AddRow({"5", "Y"});
    list.AddRow({"4", "N"});
    QCOMPARE(list.sortColumn(), 1);
    QCOMPARE(Column(list, 0), (QStringList{"5", "4"}));
}

void TestColumnListCtrl::sortKeepsSelectionWithItsRow() {
    ColumnListCtrl list;
    list.BuildColumns("No,20");
    for (const char* number : {"3", "1", "2"})
        list.AddRow({number});
    list.SelectRow(0, true); // "3"
    list.SortByColumn(0, true);
    QCOMPARE(list.FirstSelectedRow(), 2);
    QCOMPARE(list.CellText(list.FirstSelectedRow(), 0), QString("3"));
    QCOMPARE(list.FocusRow(), 2);
}

void TestColumnListCtrl::sortSurvivesMixedColumns() {
    // The kind of comparison follows the left text, so mixed columns give an
    // inconsistent order; the sort must still finish with every row kept.
    ColumnListCtrl list;
    list.BuildColumns("Mixed,40");
    QStringList added;
    for (int i = 0; i < 500; ++i) {
        const QString text = i % 3 == 0   ? QString::number(i * 7919 % 1000)
                             : i % 3 == 1 ? QString("%1/%2/20%3")
                                                .arg(i % 28 + 1, 2, 10, QChar('0'))
                                                .arg(i % 12 + 1, 2, 10, QChar('0'))
                                                .arg(i % 90, 2, 10, QChar('0'))
                                          : QString("t%1").arg(i * 31 % 97);
        added.append(text);
        list.AddRow({text});
    }
    list.SortByColumn(0, true);
    list.SortByColumn(0, false);
    QStringList after = Column(list, 0);
    after.sort();
    added.sort();
    QCOMPARE(after, added);
}

void TestColumnListCtrl::descendingSortKeepsTheLeftTextsKind() {
    // Descending is the ascending comparison reversed: the kind still follows the
    // left row's text. "5" against "abc" compares as numbers (5 > 0), so "5" leads;
    // letting "abc" decide would compare texts and put "abc" first.
    ColumnListModel model;
    model.AppendColumn("Mixed");
    for (const char* text : {"abc", "5"})
        model.AppendRow({text}, Qt::black, Qt::white);
    model.SortRows(0, false);
    QCOMPARE(model.CellText(0, 0), QString("5"));
    QCOMPARE(model.CellText(1, 0), QString("abc"));

    // Columns of one kind are exactly reversed, whichever order the rows start in.
    ColumnListCtrl list;
    Fill(list, "No,20;Date,80", {{"1", "01/01/2024"}, {"1", "31/12/2023"}, {"1", "15/06/2024"}});
    QCOMPARE(SortedColumn(list, 1, false), (QStringList{"15/06/2024", "01/01/2024", "31/12/2023"}));
    QCOMPARE(SortedColumn(list, 1, true), (QStringList{"31/12/2023", "01/01/2024", "15/06/2024"}));
}

void TestColumnListCtrl::coloursFollowThePaletteForNewRowsOnly() {
    ColumnListCtrl list;
    list.BuildColumns("A,10;B,10");
    list.AddRow({"before", "x"});
    const QColor oldText = list.textColor();

    QPalette colours = list.palette();
    colours.setColor(QPalette::Text, QColor(200, 10, 10));
    colours.setColor(QPalette::Base, QColor(10, 200, 10));
    colours.setColor(QPalette::Highlight, QColor(10, 10, 200));
    list.setPalette(colours);
    QCOMPARE(list.textColor(), QColor(200, 10, 10));
    QCOMPARE(list.highlightColor(), QColor(10, 10, 200));

    list.AddRow({"after", "y"});
    QCOMPARE(list.CellTextColor(0, 1), oldText);
    QCOMPARE(list.CellTextColor(1, 1), QColor(200, 10, 10));
    QCOMPARE(list.CellBackColor(1, 0), QColor(10, 200, 10));

    QVERIFY(list.SetCellColors(0, 0, Qt::white, Qt::black));
    QCOMPARE(list.CellBackColor(0, 0), QColor(Qt::black));
    QVERIFY(!list.SetCellColors(2, 0, Qt::white, Qt::black));
}

void TestColumnListCtrl::paintsSelectionWithoutFocus() {
    QWidget window;
    auto* list = new ColumnListCtrl(&window);
    auto* other = new QLineEdit(&window);
    list->setGeometry(0, 0, 300, 200);
    other->setGeometry(0, 210, 100, 20);
    list->BuildColumns("No,40;Name,100");
    list->AddRow({"1", "first"});
    list->AddRow({"2", "second"});
    list->SetCellColors(0, 0, Qt::black, QColor(250, 240, 10));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    list->SelectRow(1, true);
    other->setFocus();
    QApplication::processEvents();
    QVERIFY(!list->hasFocus());

    const QImage image = list->viewport()->grab().toImage();
    const QRect selected = list->visualRect(list->model()->index(1, 1));
    const QRect coloured = list->visualRect(list->model()->index(0, 0));
    QCOMPARE(image.pixelColor(selected.right() - 2, selected.center().y()), list->highlightColor());
    QCOMPARE(image.pixelColor(coloured.right() - 2, coloured.center().y()), QColor(250, 240, 10));
}

void TestColumnListCtrl::scrollsRowToTop() {
    ColumnListCtrl list;
    list.BuildColumns("No,30");
    list.resize(200, 150);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int row = 0; row < 100; ++row)
        list.AddRow({QString::number(row + 1)});
    list.ScrollRowToTop(40);
    QCOMPARE(list.TopRow(), 40);
    list.ScrollRowToTop(0);
    QCOMPARE(list.TopRow(), 0);
    list.ScrollRowToTop(99); // the last page cannot scroll past the end
    QCOMPARE(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    QVERIFY(list.TopRow() > 40);
    QCOMPARE(list.TopRow() + list.VisibleRowCount(), 100);
    list.ScrollRowToTop(-5);
    QCOMPARE(list.TopRow(), 0);
}

void TestColumnListCtrl::signalsSelectionDoubleClickAndContextMenu() {
    ColumnListCtrl list;
    list.BuildColumns("No,30;Name,60");
    list.resize(250, 200);
    for (int row = 0; row < 5; ++row)
        list.AddRow({QString::number(row + 1), "n"});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    QSignalSpy selection(&list, &ColumnListCtrl::rowSelectionChanged);
    list.SelectRow(3);
    QCOMPARE(selection.count(), 1);
    list.SelectRow(1); // adds to the selection
    QCOMPARE(list.SelectedRows(), (QList<int>{1, 3}));
    QCOMPARE(list.FirstSelectedRow(), 1);
    list.DeselectRow(1);
    QCOMPARE(list.SelectedRows(), QList<int>{3});
    list.SelectRow(2, true);
    QCOMPARE(list.SelectedRows(), QList<int>{2});
    list.SelectRow(9); // out of range: nothing
    QCOMPARE(list.SelectedRows(), QList<int>{2});
    // Overlapping ranges give each row once; a row with one cell selected is not a selected row.
    QItemSelectionModel* model = list.selectionModel();
    model->select(QItemSelection(model->model()->index(1, 0), model->model()->index(3, 1)),
                  QItemSelectionModel::Select);
    model->select(model->model()->index(4, 0), QItemSelectionModel::Select);
    QCOMPARE(list.SelectedRows(), (QList<int>{1, 2, 3}));
    selection.clear();
    list.DeleteAllRows(); // no selection signal for the cleared rows
    QCOMPARE(selection.count(), 0);
    QCOMPARE(list.FirstSelectedRow(), -1);

    for (int row = 0; row < 5; ++row)
        list.AddRow({QString::number(row + 1), "n"});
    QSignalSpy doubleClick(&list, &ColumnListCtrl::rowDoubleClicked);
    const QRect third = list.visualRect(list.model()->index(2, 1));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, third.center());
    QCOMPARE(doubleClick.count(), 1);
    QCOMPARE(doubleClick.first().at(0).toInt(), 2);

    QSignalSpy menu(&list, &ColumnListCtrl::rowContextMenuRequested);
    QContextMenuEvent onRow(QContextMenuEvent::Mouse, third.center(),
                            list.viewport()->mapToGlobal(third.center()));
    QApplication::sendEvent(list.viewport(), &onRow);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.first().at(0).toInt(), 2);
    const QPoint below(5, list.viewport()->height() - 2);
    QContextMenuEvent outside(QContextMenuEvent::Mouse, below, list.viewport()->mapToGlobal(below));
    QApplication::sendEvent(list.viewport(), &outside);
    QCOMPARE(menu.count(), 1); // no row under the cursor: no menu
}

void TestColumnListCtrl::modelKeepsItsContract() {
    ColumnListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.AppendColumn("No");
    model.AppendColumn("Name");
    model.AppendRow({"2", "b"}, Qt::black, Qt::white);
    model.AppendRow({"1", "a"}, Qt::black, Qt::white);
    model.SortRows(0, true);
    QCOMPARE(model.CellText(0, 1), QString("a"));
    model.SetCellText(0, 1, "z");
    model.RemoveAllRows();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(TestColumnListCtrl)
#include "tst_columnlistctrl.moc"
