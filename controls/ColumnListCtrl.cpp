#include "ColumnListCtrl.h"

#include "ColumnCells.h"
#include "ColumnListModel.h"
#include "ShownRows.h"
#include "SortHeaderCtrl.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <iterator>

namespace vormante {

ColumnListCtrl::ColumnListCtrl(QWidget* parent)
    : QTableView(parent), model_(new ColumnListModel(this)), header_(new SortHeaderCtrl(this)),
      widths_(std::make_unique<columncells::ColumnWidths>(header_, font())),
      shown_(std::make_unique<ShownRows>(this, model_)) {
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new columncells::CellDelegate(this, widths_->textWidths()));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);

    ReadSystemColors();
    connect(header_, &QHeaderView::sectionClicked, this, &ColumnListCtrl::OnColumnClicked);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!holdSelectionSignal_)
            Q_EMIT rowSelectionChanged();
    });
}

ColumnListCtrl::~ColumnListCtrl() = default;

bool ColumnListCtrl::BuildColumns(const QString& columnSpec) {
    return BuildColumns(columnlist::ParseColumnSpec(columnSpec));
}

bool ColumnListCtrl::BuildColumns(const QList<columnlist::ColumnSpecEntry>& columns) {
    for (const columnlist::ColumnSpecEntry& entry : columns) {
        model_->AppendColumn(entry.name);
        widths_->AddColumn(entry.width);
    }
    widths_->Apply(fontMetrics());
    return true;
}

int ColumnListCtrl::ColumnCount() const {
    return model_->ColumnCount();
}
QString ColumnListCtrl::ColumnName(int column) const {
    return model_->ColumnName(column);
}

int ColumnListCtrl::ColumnSpecWidth(int column) const {
    return widths_->DeclaredWidth(column);
}

int ColumnListCtrl::AddRow(const QStringList& texts) {
    const int row = model_->AppendRow(texts, textColor_, backColor_);
    widths_->Fit(texts);
    // The rows of a refill are hidden together once they are all in (see ShownRows).
    if (shown_->NoteAddedRow())
        QMetaObject::invokeMethod(this, &ColumnListCtrl::ApplyPendingRowFilter, Qt::QueuedConnection);
    return row;
}

bool ColumnListCtrl::SetCellText(int row, int column, const QString& text) {
    if (!model_->SetCellText(row, column, text))
        return false;
    if (column < widths_->ColumnCount()) {
        QStringList one(column + 1);
        one[column] = text;
        widths_->Fit(one);
    }
    return true;
}

QString ColumnListCtrl::CellText(int row, int column) const {
    return model_->CellText(row, column);
}
QStringList ColumnListCtrl::RowTexts(int row) const {
    return model_->RowTexts(row);
}
int ColumnListCtrl::RowCount() const {
    return model_->RowCount();
}

void ColumnListCtrl::DeleteAllRows() {
    // A reset clears the selection without selection signals, as removing every row
    // of a list tells nobody about each row.
    model_->RemoveAllRows();
}

void ColumnListCtrl::SelectRow(int row, bool clearOthers) {
    if (!ValidRow(row))
        return;
    const QModelIndex index = model_->index(row, 0);
    // Focus first, without a selection change, so the one selection signal sees both.
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    if (clearOthers)
        flags |= QItemSelectionModel::Clear;
    selectionModel()->select(index, flags);
}

void ColumnListCtrl::DeselectRow(int row) {
    if (ValidRow(row))
        selectionModel()->select(model_->index(row, 0),
                                 QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

void ColumnListCtrl::ClearSelectedRows() {
    selectionModel()->clearSelection();
}

bool ColumnListCtrl::IsRowSelected(int row) const {
    return ValidRow(row) && selectionModel()->isRowSelected(row, {});
}

QList<int> ColumnListCtrl::SelectedRows() const {
    // Qt's selectedRows() asks isRowSelected() for each row of each range, and that walks
    // every range again: quadratic in the ranges, 30 ms for 500 rows picked one by one. The
    // list selects whole rows, so a range that spans every column gives its rows directly.
    const int lastColumn = selectionModel()->model()->columnCount() - 1;
    QList<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        const bool wholeRows = range.left() == 0 && range.right() == lastColumn;
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (wholeRows || selectionModel()->isRowSelected(row, {}))
                rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ColumnListCtrl::FirstSelectedRow() const {
    const QList<int> rows = SelectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

int ColumnListCtrl::FocusRow() const {
    const QModelIndex index = selectionModel()->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void ColumnListCtrl::ScrollRowToTop(int row) {
    if (RowCount() == 0)
        return;
    // The scroll range must reflect the rows just added before it is used.
    updateGeometries();
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(std::clamp(row, 0, RowCount() - 1)); // per-item scrolling: value = top row
}

void ColumnListCtrl::EnsureRowVisible(int row) {
    if (ValidRow(row))
        scrollTo(model_->index(row, 0), QAbstractItemView::EnsureVisible);
}

int ColumnListCtrl::TopRow() const {
    // Per-item scrolling: the scroll position is the first fully visible row (on the
    // last page Qt aligns the last row with the bottom, leaving a partial row above).
    return RowCount() == 0 ? 0 : std::clamp(verticalScrollBar()->value(), 0, RowCount() - 1);
}

int ColumnListCtrl::VisibleRowCount() const {
    const int height = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / height);
}

int ColumnListCtrl::HeightForRows(int rows) const {
    return horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() +
           horizontalScrollBar()->sizeHint().height() + 2 * frameWidth() + 2;
}

void ColumnListCtrl::SetRowsWanted(int rows, int minimumRows) {
    rowsWanted_ = std::max(0, rows);
    setMinimumHeight(HeightForRows(std::max(0, minimumRows)));
    updateGeometry();
}

QSize ColumnListCtrl::sizeHint() const {
    QSize hint = QTableView::sizeHint();
    if (rowsWanted_ > 0)
        hint.setHeight(HeightForRows(rowsWanted_));
    return hint;
}

void ColumnListCtrl::SortByColumn(int column, bool ascending) {
    if (column < 0 || column >= ColumnCount())
        return;
    sortColumn_ = column;
    sortAscending_ = ascending;
    header_->SetSortIndicator(column, ascending);
    model_->SortRows(column, ascending);
    // Rows moved; their shown state goes with their texts.
    if (shown_->HasFilter())
        ApplyRowFilter();
}

void ColumnListCtrl::SetRowFilter(RowFilter keep) {
    shown_->SetFilter(std::move(keep));
    ApplyRowFilter();
}

void ColumnListCtrl::ApplyPendingRowFilter() {
    if (shown_->pending())
        ApplyRowFilter();
}

void ColumnListCtrl::ApplyRowFilter() {
    if (shown_->Apply()) {
        updateGeometries();
        viewport()->update();
    }
    if (DeselectHiddenRows())
        Q_EMIT rowSelectionChanged();
}

bool ColumnListCtrl::IsRowShown(int row) const {
    return shown_->IsShown(row);
}

int ColumnListCtrl::ShownRowCount() const {
    return shown_->Count();
}

bool ColumnListCtrl::HasRowFilter() const {
    return shown_->HasFilter();
}

bool ColumnListCtrl::DeselectHiddenRows() {
    if (verticalHeader()->hiddenSectionCount() == 0)
        return false;
    QItemSelection hidden;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        if (isRowHidden(index.row()))
            hidden.select(index, index);
    if (hidden.isEmpty())
        return false;
    holdSelectionSignal_ = true;
    selectionModel()->select(hidden, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    holdSelectionSignal_ = false;
    return true;
}

void ColumnListCtrl::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    SelectLeavingHiddenOut([&] { QTableView::setSelection(rect, command); });
}

void ColumnListCtrl::selectAll() {
    SelectLeavingHiddenOut([this] { QTableView::selectAll(); });
}

void ColumnListCtrl::SelectLeavingHiddenOut(const std::function<void()>& select) {
    const QItemSelection before = selectionModel()->selection();
    holdSelectionSignal_ = true;
    select();
    DeselectHiddenRows();
    holdSelectionSignal_ = false;
    if (selectionModel()->selection() != before)
        Q_EMIT rowSelectionChanged();
}

QString ColumnListCtrl::CellToolTip(int row, int column) const {
    const QString text = CellText(row, column);
    if (text.isEmpty() || ShownCellText(row, column) == text)
        return {};
    return text;
}

QString ColumnListCtrl::ShownCellText(int row, int column) const {
    const QString text = CellText(row, column);
    const int area = columnWidth(column) - columncells::CELL_PADDING;
    return fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, area));
}

void ColumnListCtrl::OnColumnClicked(int column) {
    const bool ascending = column != sortColumn_ ? true : !sortAscending_;
    SortByColumn(column, ascending);
}

bool ColumnListCtrl::SetCellColors(int row, int column, const QColor& text, const QColor& back) {
    return model_->SetCellColors(row, column, text, back);
}

QColor ColumnListCtrl::CellTextColor(int row, int column) const {
    return model_->CellTextColor(row, column);
}
QColor ColumnListCtrl::CellBackColor(int row, int column) const {
    return model_->CellBackColor(row, column);
}

void ColumnListCtrl::ReadSystemColors() {
    const QPalette colors = palette();
    textColor_ = colors.color(QPalette::Active, QPalette::Text);
    backColor_ = colors.color(QPalette::Active, QPalette::Base);
    highlightColor_ = colors.color(QPalette::Active, QPalette::Highlight);
    highlightTextColor_ = colors.color(QPalette::Active, QPalette::HighlightedText);
}

void ColumnListCtrl::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ReadSystemColors();
    else if (event->type() == QEvent::FontChange) {
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
        widths_->Refit(font(), fontMetrics(), RowCount(), [this](int row) { return model_->RowTexts(row); });
    }
}

void ColumnListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT rowDoubleClicked(rowAt(event->position().toPoint().y()));
}

void ColumnListCtrl::SelectOnlyRows(const QList<int>& rows) {
    QList<int> sorted;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(sorted),
                 [this](int row) { return ValidRow(row); });
    if (sorted.isEmpty()) {
        ClearSelectedRows();
        return;
    }
    const int focus = sorted.front();
    std::sort(sorted.begin(), sorted.end());
    const QItemSelection selection = model_->RowRanges(sorted);
    holdSelectionSignal_ = true;
    selectionModel()->setCurrentIndex(model_->index(focus, 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    holdSelectionSignal_ = false;
    Q_EMIT rowSelectionChanged();
}

void ColumnListCtrl::SetRowsDraggable(bool draggable) {
    model_->SetRowsDraggable(draggable);
    setDragEnabled(draggable);
    setAcceptDrops(draggable);
    viewport()->setAcceptDrops(draggable);
    setDropIndicatorShown(draggable);
    setDragDropOverwriteMode(false);
    setDragDropMode(draggable ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setAutoScroll(true);
}

int ColumnListCtrl::DropRowAt(const QPoint& position) const {
    const int row = rowAt(position.y());
    if (row < 0)
        return RowCount();
    // The lower half of a row drops below it.
    const QRect rect = visualRect(model_->index(row, 0));
    return position.y() >= rect.center().y() ? row + 1 : row;
}

void ColumnListCtrl::dropEvent(QDropEvent* event) {
    if (event->source() != this || !model_->rowsDraggable()) {
        event->ignore();
        return;
    }
    const int row = DropRowAt(event->position().toPoint());
    // The base class ends the drag state and the scrolling; the model takes nothing.
    QTableView::dropEvent(event);
    // A copy action keeps the dragging side from removing the rows.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT rowsDropped(row);
}

void ColumnListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    int row = -1;
    QPoint where = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        row = FocusRow();
        if (row >= 0)
            where = viewport()->mapToGlobal(visualRect(model_->index(row, 0)).bottomLeft());
    } else {
        row = rowAt(event->pos().y());
    }
    if (row < 0)
        return;
    Q_EMIT rowContextMenuRequested(row, where);
    event->accept();
}

bool ColumnListCtrl::SetRowKey(int row, int key) {
    return model_->SetRowKey(row, key);
}

int ColumnListCtrl::RowKey(int row) const {
    return model_->RowKey(row);
}

int ColumnListCtrl::RowOfKey(int key) const {
    return model_->RowOfKey(key);
}

int ColumnListCtrl::AddKeyedRow(const QStringList& texts, int key) {
    const int row = AddRow(texts);
    model_->SetRowKey(row, key);
    return row;
}

} // namespace vormante
