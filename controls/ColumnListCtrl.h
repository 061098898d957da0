// ColumnListCtrl: the report-style list of every page.
//
// Columns come from a column spec, "name,width;name,width;...", set once with
// BuildColumns. Every cell text is the control's own copy; pages fill the list row by
// row (AddRow) and empty it (DeleteAllRows) on every refresh. Clicking a column header
// sorts the rows on screen only (ascending first, the same column again toggles), by
// numbers, dd/mm/yyyy dates or text, decided by the left text of each comparison; the
// sorted column shows an arrow. Selected rows are painted in the highlight colours
// even while another widget has the focus. Several rows may be selected at once.
//
// API for pages (rows and columns count from 0; out-of-range arguments do nothing):
//   BuildColumns(spec)                 -> false when nothing usable was declared
//   AddRow({"1", "Astra", ...})        -> index of the appended row
//   SetCellText(row, col, text)        -> false for a cell out of range (copy kept)
//   CellText(row, col), RowTexts(row), RowCount(), ColumnCount(), DeleteAllRows()
//   SetRowKey(row, slot), RowKey(row), RowOfKey(slot), AddKeyedRow(texts, slot):
//                                      the record a row stands for, carried through sorts
//   currentRow() / setCurrentRow(row)  the page's remembered row; the control never uses it
//   SelectRow(row, clearOthers)        marks a row selected and makes it the focus row
//   DeselectRow(row), ClearSelectedRows(), FirstSelectedRow() (-1 none), SelectedRows(),
//   IsRowSelected(row), FocusRow()
//   ScrollRowToTop(row), EnsureRowVisible(row), TopRow(), VisibleRowCount()
//   SortByColumn(col, ascending), sortColumn() (-1 before any sort), sortAscending()
// Signals:
//   rowSelectionChanged()                           any change of the selected rows,
//                                                   by the user or by code (SelectRow)
//   rowDoubleClicked(row)                           left double click; row -1 outside rows
//   rowContextMenuRequested(row, globalPos)         right click (or menu key) on a row
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTableView>

class ColumnListModel;
class SortHeaderCtrl;

class ColumnListCtrl : public QTableView {
    Q_OBJECT

public:
    explicit ColumnListCtrl(QWidget* parent = nullptr);

    // Appends one column per "name,width" entry of the column spec (widths in pixels at the
    // reference font; they grow with larger desktop fonts). Call once, before rows.
    bool BuildColumns(const QString& columnSpec);
    int ColumnCount() const;
    QString ColumnName(int column) const;
    int ColumnSpecWidth(int column) const; // the width the column spec declared

    int AddRow(const QStringList& texts);
    bool SetCellText(int row, int column, const QString& text);
    QString CellText(int row, int column) const;
    QStringList RowTexts(int row) const;
    int RowCount() const;
    void DeleteAllRows();

    // The record (a slot) a row stands for; -1 when it names none. Keys travel with
    // their rows through header sorts.
    bool SetRowKey(int row, int key);
    int RowKey(int row) const;
    // The first row whose key is key, or -1.
    int RowOfKey(int key) const;
    // Appends a row and gives it a key at once.
    int AddKeyedRow(const QStringList& texts, int key);

    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }

    void SelectRow(int row, bool clearOthers = false);
    void DeselectRow(int row);
    void ClearSelectedRows();
    bool IsRowSelected(int row) const;
    int FirstSelectedRow() const;
    QList<int> SelectedRows() const; // ascending
    int FocusRow() const;            // -1 when none

    // Makes the row the first visible one, as far as the list can scroll.
    void ScrollRowToTop(int row);
    void EnsureRowVisible(int row);
    int TopRow() const;
    int VisibleRowCount() const; // rows that fit in the visible area, at least 1

    void SortByColumn(int column, bool ascending);
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }

    // Colours of cells added from now on, and the selection colours (from the palette,
    // re-read when the palette changes; rows keep the colours they were added with).
    QColor textColor() const { return textColor_; }
    QColor backColor() const { return backColor_; }
    QColor highlightColor() const { return highlightColor_; }
    QColor highlightTextColor() const { return highlightTextColor_; }
    bool SetCellColors(int row, int column, const QColor& text, const QColor& back);
    QColor CellTextColor(int row, int column) const;
    QColor CellBackColor(int row, int column) const;

    SortHeaderCtrl* sortHeader() const { return header_; }

Q_SIGNALS:
    void rowSelectionChanged();
    void rowDoubleClicked(int row);
    void rowContextMenuRequested(int row, const QPoint& globalPos);

protected:
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnColumnClicked(int column);
    void ReadSystemColors();
    void ApplyColumnWidths();
    bool ValidRow(int row) const { return row >= 0 && row < RowCount(); }

    ColumnListModel* model_;
    SortHeaderCtrl* header_;
    QList<int> specWidths_;
    int currentRow_ = 0;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    QColor textColor_;
    QColor backColor_;
    QColor highlightColor_;
    QColor highlightTextColor_;
};
