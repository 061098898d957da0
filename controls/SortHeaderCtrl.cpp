#include "SortHeaderCtrl.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleOptionHeader>

#include <algorithm>

namespace vormante {

SortHeaderCtrl::SortHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setStretchLastSection(false);
}

void SortHeaderCtrl::SetSortIndicator(int column, bool ascending) {
    sortColumn_ = column;
    sortAscending_ = ascending;
    ownerDrawn_.insert(column);
    viewport()->update();
}

int SortHeaderCtrl::MinimumSectionWidth(int logicalIndex) const {
    if (!model())
        return 0;
    // The owner-drawn layout of paintSection: a quarter of the height left and right
    // of the text, three more quarters for the arrow.
    const int o = sizeHint().height() / 4;
    const QString text = model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString();
    const int ownerDrawn = fontMetrics().horizontalAdvance(text) + 5 * o + 2;
    return std::max(ownerDrawn, sectionSizeFromContents(logicalIndex).width());
}

void SortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!ownerDrawn_.contains(logicalIndex) || !rect.isValid()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    painter->save();
    painter->setClipRect(rect);

    // The section background as the style draws it, without text or indicator.
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.state |= isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

    const bool sorted = logicalIndex == sortColumn_;
    DrawSectionText(painter, rect, logicalIndex, sorted);
    if (sorted)
        DrawSortArrow(painter, rect);
    painter->restore();
}

// The header's text, aligned as the model asks, elided clear of the arrow.
void SortHeaderCtrl::DrawSectionText(QPainter* painter, const QRect& rect, int logicalIndex,
                                     bool sorted) const {
    const int o = rect.height() / 4;
    QRect textRect = rect;
    if (sorted)
        textRect.setRight(textRect.right() - 3 * o);
    textRect.setLeft(rect.left() + o);
    textRect.setRight(textRect.right() - o);
    if (textRect.left() < textRect.right()) {
        const auto alignment = model() ? model()
                                             ->headerData(logicalIndex, Qt::Horizontal, Qt::TextAlignmentRole)
                                             .value<Qt::Alignment>()
                                       : Qt::Alignment();
        int flags = Qt::TextSingleLine | Qt::AlignVCenter;
        if (alignment & Qt::AlignHCenter)
            flags |= Qt::AlignHCenter;
        else if (alignment & Qt::AlignRight)
            flags |= Qt::AlignRight;
        else
            flags |= Qt::AlignLeft;
        const QString text =
            model() ? model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString()
                    : QString();
        painter->setPen(palette().color(QPalette::ButtonText));
        // Elided rather than run under the arrow when the column is narrow.
        painter->drawText(textRect, flags,
                          fontMetrics().elidedText(text.left(254), Qt::ElideRight, textRect.width()));
    }
}

// The raised arrow of the sorted column: up when ascending, down when descending.
void SortHeaderCtrl::DrawSortArrow(QPainter* painter, const QRect& rect) const {
    const int right = rect.left() + rect.width(); // one past the last pixel
    const int bottom = rect.top() + rect.height();
    const int o = rect.height() / 4;
    const QPen light(palette().color(QPalette::Light), 1);
    const QPen shadow(palette().color(QPalette::Dark), 1);
    const int top = rect.top();
    // A mid-tone body under the light and shadow edges keeps the raised arrow
    // visible on light header faces.
    const QPolygon body = sortAscending_
                              ? QPolygon({QPoint(right - 2 * o, top + o), QPoint(right - o, bottom - o - 1),
                                          QPoint(right - 3 * o - 1, bottom - o - 1)})
                              : QPolygon({QPoint(right - 3 * o - 1, top + o), QPoint(right - o - 1, top + o),
                                          QPoint(right - 2 * o - 1, bottom - o)});
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::Mid));
    painter->drawPolygon(body);
    if (sortAscending_) {
        painter->setPen(light);
        painter->drawLine(right - 2 * o, top + o, right - o, bottom - o - 1);
        painter->drawLine(right - o, bottom - o - 1, right - 3 * o - 2, bottom - o - 1);
        painter->setPen(shadow);
        painter->drawLine(right - 3 * o - 1, bottom - o - 1, right - 2 * o, top + o - 1);
    } else {
        painter->setPen(light);
        painter->drawLine(right - o - 1, top + o, right - 2 * o - 1, bottom - o);
        painter->setPen(shadow);
        painter->drawLine(right - 2 * o - 2, bottom - o, right - 3 * o - 1, top + o);
        painter->drawLine(right - 3 * o - 1, top + o, right - o - 1, top + o);
    }
}

} // namespace vormante
