// The column header of a ColumnListCtrl: draws a small raised arrow on the column the
// list was last sorted by (pointing up for ascending, down for descending).
#pragma once

#include <QHeaderView>
#include <QSet>

namespace vormante {

class SortHeaderCtrl : public QHeaderView {
    Q_OBJECT

public:
    explicit SortHeaderCtrl(QWidget* parent = nullptr);

    // Remembers the sort state for drawing and repaints. A column sorted once keeps
    // being drawn by this header; the others keep the style's own drawing.
    void SetSortIndicator(int column, bool ascending);
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }
    // The narrowest width that shows a column's caption whole, with room for the arrow.
    int MinimumSectionWidth(int logicalIndex) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void DrawSectionText(QPainter* painter, const QRect& rect, int logicalIndex, bool sorted) const;
    void DrawSortArrow(QPainter* painter, const QRect& rect) const;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    QSet<int> ownerDrawn_;
};

} // namespace vormante
