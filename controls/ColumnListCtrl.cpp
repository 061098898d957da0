#include "ColumnListCtrl.h"

#include "ColumnListModel.h"
#include "SortHeaderCtrl.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace {

// Paints each cell in its own colours, and selected rows in the list's highlight
// colours whether or not the list has the focus.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(ColumnListCtrl* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
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
        painter->drawText(option.rect.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cell);
        painter->restore();
    }

private:
    ColumnListCtrl* list_;
};

// Declared widths are pixels at the small dialog font the lists were designed for;
// larger desktop fonts widen the columns in proportion.
double WidthScale(const QFontMetrics& metrics) { return std::max(1.0, metrics.averageCharWidth() / 5.0); }

} // namespace

ColumnListCtrl::ColumnListCtrl(QWidget* parent)
    : QTableView(parent), model_(new ColumnListModel(this)), header_(new SortHeaderCtrl(this)) {
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
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
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { Q_EMIT rowSelectionChanged(); });
}

bool ColumnListCtrl::BuildColumns(const QString& columnSpec) {
    for (const columnlist::ColumnSpecEntry& entry : columnlist::ParseColumnSpec(columnSpec)) {
        model_->AppendColumn(entry.name);
        specWidths_.append(entry.width);
    }
    ApplyColumnWidths();
    return true;
}

void ColumnListCtrl::ApplyColumnWidths() {
    const double scale = WidthScale(fontMetrics());
    for (int column = 0; column < specWidths_.size(); ++column)
        header_->resizeSection(column, static_cast<int>(std::lround(specWidths_[column] * scale)));
}

int ColumnListCtrl::ColumnCount() const { return model_->ColumnCount(); }
QString ColumnListCtrl::ColumnName(int column) const { return model_->ColumnName(column); }

int ColumnListCtrl::ColumnSpecWidth(int column) const {
    return column >= 0 && column < specWidths_.size() ? specWidths_[column] : 0;
}

int ColumnListCtrl::AddRow(const QStringList& texts) { return model_->AppendRow(texts, textColor_, backColor_); }

bool ColumnListCtrl::SetCellText(int row, int column, const QString& text) {
    return model_->SetCellText(row, column, text);
}

QString ColumnListCtrl::CellText(int row, int column) const { return model_->CellText(row, column); }
QStringList ColumnListCtrl::RowTexts(int row) const { return model_->RowTexts(row); }
int ColumnListCtrl::RowCount() const { return model_->RowCount(); }

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
        selectionModel()->select(model_->index(row, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

void ColumnListCtrl::ClearSelectedRows() { selectionModel()->clearSelection(); }

bool ColumnListCtrl::IsRowSelected(int row) const { return ValidRow(row) && selectionModel()->isRowSelected(row, {}); }

QList<int> ColumnListCtrl::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
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

void ColumnListCtrl::SortByColumn(int column, bool ascending) {
    if (column < 0 || column >= ColumnCount())
        return;
    sortColumn_ = column;
    sortAscending_ = ascending;
    header_->SetSortIndicator(column, ascending);
    model_->SortRows(column, ascending);
}

void ColumnListCtrl::OnColumnClicked(int column) {
    const bool ascending = column != sortColumn_ ? true : !sortAscending_;
    SortByColumn(column, ascending);
}

bool ColumnListCtrl::SetCellColors(int row, int column, const QColor& text, const QColor& back) {
    return model_->SetCellColors(row, column, text, back);
}

QColor ColumnListCtrl::CellTextColor(int row, int column) const { return model_->CellTextColor(row, column); }
QColor ColumnListCtrl::CellBackColor(int row, int column) const { return model_->CellBackColor(row, column); }

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
        ApplyColumnWidths();
    }
}

void ColumnListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT rowDoubleClicked(rowAt(event->position().toPoint().y()));
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

bool ColumnListCtrl::SetRowKey(int row, int key) { return model_->SetRowKey(row, key); }

int ColumnListCtrl::RowKey(int row) const { return model_->RowKey(row); }

int ColumnListCtrl::RowOfKey(int key) const {
    for (int row = 0; row < RowCount(); ++row)
        if (model_->RowKey(row) == key)
            return row;
    return -1;
}

int ColumnListCtrl::AddKeyedRow(const QStringList& texts, int key) {
    const int row = AddRow(texts);
    model_->SetRowKey(row, key);
    return row;
}
