// How the column list draws and sizes its cells: the delegate that paints each cell
// in its own colours and cuts long texts with "…", and the column widths that start
// at their declared size and widen to the widest text a column has held.
#pragma once

#include "TextWidthTable.h"

#include <QList>
#include <QStringList>
#include <QStyledItemDelegate>

namespace vormante {

class ColumnListCtrl;
class SortHeaderCtrl;

namespace columncells {

// A cell's text runs from 2 pixels after its left edge to 1 before its right one; the
// grid line takes the last pixel of the column.
inline constexpr int CELL_LEFT_PAD = 2;
inline constexpr int CELL_RIGHT_PAD = 1;
inline constexpr int GRID_WIDTH = 1;
inline constexpr int CELL_PADDING = CELL_LEFT_PAD + CELL_RIGHT_PAD + GRID_WIDTH;

// Paints each cell in its own colours, and selected rows in the list's highlight
// colours whether or not the list has the focus.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(ColumnListCtrl* list, const TextWidthTable* widths);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Tips show the whole text of cells that are cut off, and nothing for the others.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    ColumnListCtrl* list_;
    const TextWidthTable* widths_;
};

// The widths of a list's columns. Declared widths are pixels at the small dialog font
// the lists were designed for; larger desktop fonts widen them in proportion, and a
// column widens further to the widest text it has held.
class ColumnWidths {
public:
    ColumnWidths(SortHeaderCtrl* header, const QFont& font);

    void AddColumn(int declaredWidth);
    int DeclaredWidth(int column) const;
    int ColumnCount() const { return static_cast<int>(declared_.size()); }

    // Sets every column to the widest of its scaled declared width, its caption and
    // its widest text.
    void Apply(const QFontMetrics& metrics);
    // Widens a column whose new text is wider than any it held before. A column the
    // user narrowed stays so until a still wider text comes. Empty texts are skipped.
    void Fit(const QStringList& texts);
    // Measures again in a new font: forgets the texts' widths, fits each row's texts
    // (rowTexts(row) for row < rows), and applies.
    template <class RowTexts>
    void Refit(const QFont& font, const QFontMetrics& metrics, int rows, RowTexts rowTexts) {
        texts_.SetFont(font);
        std::fill(widest_.begin(), widest_.end(), 0);
        for (int row = 0; row < rows; ++row)
            Fit(rowTexts(row));
        Apply(metrics);
    }

    const TextWidthTable* textWidths() const { return &texts_; }

private:
    SortHeaderCtrl* header_;
    TextWidthTable texts_;
    QList<int> declared_;
    QList<int> widest_; // the widest text each column has held, with the cell's padding
};

} // namespace columncells

} // namespace vormante
