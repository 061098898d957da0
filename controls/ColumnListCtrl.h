// ColumnListCtrl: the report-style list of every page.
//
// Columns come from a column spec, "name,width;name,width;...", set once with
// BuildColumns. Every cell text is the control's own copy; pages fill the list row by
// row (AddRow) and empty it (DeleteAllRows) on every refresh. Clicking a column header
// sorts the rows on screen only (ascending first, the same column again toggles), by
// numbers, dd/mm/yyyy dates or text, decided by the left text of each comparison; the
// sorted column shows an arrow. Selected rows are painted in the highlight colours
// even while another widget has the focus. Several rows may be selected at once.
// A column is at least as wide as the column spec declares, as its caption, and as the
// widest text it has held; a column the user narrows shows its texts cut with "…", and
// hovering such a cell shows its whole text as a tip.
// A row filter hides rows without removing them: every row keeps its index, so all of
// the row API below keeps addressing the same rows. The filter stays set across
// DeleteAllRows and decides for each row added (rows added together are hidden
// together when control returns to the event loop; IsRowShown and ShownRowCount answer
// from the filter before that). Rows changed by SetCellText keep their state until the
// filter next applies. Hidden rows are deselected when the filter is
// set, and the user's selection (clicks, drags, Shift+arrows, Ctrl+A) never takes them.
//
// Rows and columns count from 0; out-of-range arguments do nothing.
#pragma once

#include "ColumnListModel.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <memory>

namespace vormante {

class ShownRows;
class SortHeaderCtrl;

namespace columncells {
class ColumnWidths;
}

class ColumnListCtrl : public QTableView {
    Q_OBJECT

public:
    // Decides from a row's cell texts whether the row is shown.
    using RowFilter = std::function<bool(const QStringList& texts)>;

    explicit ColumnListCtrl(QWidget* parent = nullptr);
    ~ColumnListCtrl() override;

    // Appends one column per "name,width" entry of the column spec (widths in pixels at the
    // reference font; they grow with larger desktop fonts). Call once, before rows.
    bool BuildColumns(const QString& columnSpec);
    // The same from columns already parsed (columnlist::TranslatedColumns gives translated ones).
    bool BuildColumns(const QList<columnlist::ColumnSpecEntry>& columns);
    int ColumnCount() const;
    QString ColumnName(int column) const;
    int ColumnSpecWidth(int column) const; // the width the column spec declared

    int AddRow(const QStringList& texts); // the appended row's index
    // False for a cell out of range; the text is the control's own copy.
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

    // The page's remembered row; the control itself never uses it.
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }

    // Marks a row selected and makes it the focus row.
    void SelectRow(int row, bool clearOthers = false);
    void DeselectRow(int row);
    // Selects exactly these rows in one change (one rowSelectionChanged); the first
    // becomes the focus row.
    void SelectOnlyRows(const QList<int>& rows);
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
    // The height that shows `rows` rows with the header and the horizontal scroll bar.
    int HeightForRows(int rows) const;
    // Asks the layout for room for `rows` rows, and for at least `minimumRows`.
    void SetRowsWanted(int rows, int minimumRows);
    QSize sizeHint() const override;

    void SortByColumn(int column, bool ascending);
    int sortColumn() const { return sortColumn_; } // -1 before any sort
    bool sortAscending() const { return sortAscending_; }

    // Hides the rows `keep` refuses and shows the others; an empty function shows every
    // row. Emits rowSelectionChanged once when hidden rows lose their selection.
    void SetRowFilter(RowFilter keep);
    bool HasRowFilter() const;
    bool IsRowShown(int row) const;
    int ShownRowCount() const;

    // Dragging the selected rows within this list, with a drop line between rows and
    // scrolling near the edges; Escape cancels. Off by default.
    void SetRowsDraggable(bool draggable);
    // The row a drop at a viewport position goes before, from the drop indicator.
    int DropRowAt(const QPoint& position) const;

    // The cell's whole text when its column is too narrow to show it, else empty.
    QString CellToolTip(int row, int column) const;
    // The text as painted: whole, or cut with "…" to the column's width.
    QString ShownCellText(int row, int column) const;

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
    // Any change of the selected rows, by the user or by code (SelectRow).
    void rowSelectionChanged();
    void rowDoubleClicked(int row); // left double click; row -1 outside the rows
    // Right click (or the menu key) on a row.
    void rowContextMenuRequested(int row, const QPoint& globalPos);
    // The selected rows were dropped before a row (RowCount(): after the last); no row changed.
    void rowsDropped(int beforeRow);

public Q_SLOTS:
    void selectAll() override;

protected:
    void changeEvent(QEvent* event) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnColumnClicked(int column);
    void ReadSystemColors();
    void ApplyRowFilter();
    void ApplyPendingRowFilter();
    // Drops hidden rows from the selection; true when the selection changed.
    bool DeselectHiddenRows();
    // The user's selections and selectAll leave hidden rows out, with one
    // rowSelectionChanged for the whole change.
    void SelectLeavingHiddenOut(const std::function<void()>& select);
    bool ValidRow(int row) const { return row >= 0 && row < RowCount(); }

    int rowsWanted_ = 0; // 0: the table's own size hint

    ColumnListModel* model_;
    SortHeaderCtrl* header_;
    std::unique_ptr<columncells::ColumnWidths> widths_;
    std::unique_ptr<ShownRows> shown_;
    // Rows added under a filter are hidden together once they are all in (see AddRow).
    bool holdSelectionSignal_ = false;
    int currentRow_ = 0;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    QColor textColor_;
    QColor backColor_;
    QColor highlightColor_;
    QColor highlightTextColor_;
};

} // namespace vormante
