#include "ColumnCells.h"

#include "ColumnListCtrl.h"
#include "SortHeaderCtrl.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace vormante {

namespace columncells {

CellDelegate::CellDelegate(ColumnListCtrl* list, const TextWidthTable* widths)
    : QStyledItemDelegate(list), list_(list), widths_(widths) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QColor text = index.data(Qt::ForegroundRole).value<QColor>();
    QColor back = index.data(Qt::BackgroundRole).value<QColor>();
    if (option.state & QStyle::State_Selected) {
        text = list_->highlightTextColor();
        back = list_->highlightColor();
    }
    painter->fillRect(option.rect, back);
    const QString cell = index.data(Qt::DisplayRole).toString();
    if (cell.isEmpty())
        return;
    painter->save();
    painter->setPen(text);
    painter->setFont(option.font);
    const QRect area = option.rect.adjusted(CELL_LEFT_PAD, 0, -CELL_RIGHT_PAD, 0);
    // A text wider than its cell is cut with "…", never silently. The quick width
    // errs on the wide side, so texts it finds fitting need no exact measuring.
    const bool fits = option.font == list_->font() && widths_->Width(cell) <= area.width();
    const QString shown =
        fits ? cell : QFontMetrics(option.font).elidedText(cell, Qt::ElideRight, area.width());
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) {
    if (event == nullptr || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = list_->CellToolTip(index.row(), index.column());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), tip, view->viewport(), view->visualRect(index));
    return true;
}

ColumnWidths::ColumnWidths(SortHeaderCtrl* header, const QFont& font) : header_(header), texts_(font) {}

void ColumnWidths::AddColumn(int declaredWidth) {
    declared_.append(declaredWidth);
    widest_.append(0);
}

int ColumnWidths::DeclaredWidth(int column) const {
    return column >= 0 && column < declared_.size() ? declared_[column] : 0;
}

void ColumnWidths::Apply(const QFontMetrics& metrics) {
    const double scale = std::max(1.0, metrics.averageCharWidth() / 5.0);
    for (int column = 0; column < declared_.size(); ++column) {
        const int declared = static_cast<int>(std::lround(declared_[column] * scale));
        header_->resizeSection(
            column, std::max({declared, header_->MinimumSectionWidth(column), widest_.value(column)}));
    }
}

void ColumnWidths::Fit(const QStringList& texts) {
    const int columns = std::min(static_cast<int>(texts.size()), static_cast<int>(widest_.size()));
    for (int column = 0; column < columns; ++column) {
        const QString& text = texts[column];
        if (text.isEmpty())
            continue;
        const int needed = texts_.Width(text) + CELL_PADDING;
        if (needed <= widest_[column])
            continue;
        widest_[column] = needed;
        if (header_->sectionSize(column) < needed)
            header_->resizeSection(column, needed);
    }
}

} // namespace columncells

} // namespace vormante
