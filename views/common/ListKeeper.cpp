#include "views/common/ListKeeper.h"

#include "controls/ColumnListCtrl.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QScopedValueRollback>

#include <algorithm>

namespace vormante {

Placement Placement::Follow() {
    Placement placement;
    placement.current = Current::SameRecord;
    placement.sameSelection = true;
    placement.top = Top::Kept;
    placement.refill = Refill::WhenTouched;
    return placement;
}

Placement Placement::KeepTop() {
    Placement placement;
    placement.top = Top::Kept;
    placement.refill = Refill::Always;
    return placement;
}

Placement Placement::Last() {
    Placement placement;
    placement.current = Current::Last;
    placement.refill = Refill::Always;
    return placement;
}

Placement Placement::Show(std::function<int()> record) {
    Placement placement;
    placement.current = Current::Record;
    placement.record = std::move(record);
    placement.refill = Refill::Always;
    return placement;
}

Placement Placement::Select(std::vector<int> records) {
    Placement placement;
    placement.selected = std::move(records);
    placement.top = Top::Kept;
    placement.refill = Refill::Always;
    return placement;
}

Placement Placement::InPlace() {
    return Placement{};
}

ListKeeper::ListKeeper(ColumnListCtrl* list, Source source, Scroll scroll, CurrentRule rule)
    : QObject(list), list_(list), source_(std::move(source)), scroll_(scroll), rule_(rule) {
    connect(list_, &ColumnListCtrl::rowSelectionChanged, this, [this] {
        if (quiet_)
            return;
        TakeCurrentFromSelection();
        Q_EMIT userSelected();
    });
    // A header-click sort moves the selected rows: the current row moves with them.
    connect(list_->model(), &QAbstractItemModel::layoutChanged, this, [this] {
        if (list_->FirstSelectedRow() >= 0)
            TakeCurrentFromSelection();
    });
}

void ListKeeper::Plan(Placement placement) {
    plan_ = std::move(placement);
    kept_ = Snapshot();
    hasPlan_ = true;
}

ListKeeper::Kept ListKeeper::Snapshot() const {
    Kept kept;
    kept.record = list_->RowKey(list_->currentRow());
    kept.selection = SelectedRecords();
    kept.top = list_->TopRow();
    return kept;
}

void ListKeeper::DropPlan() {
    plan_ = Placement{};
    hasPlan_ = false;
}

void ListKeeper::Refill() {
    const Placement plan = plan_;
    const Kept kept = hasPlan_ ? kept_ : Snapshot();
    DropPlan();
    const QScopedValueRollback quiet(quiet_, true);
    FillRows();
    const int start = source_.startRow ? source_.startRow(records_) : list_->currentRow();
    list_->setCurrentRow(ChooseCurrent(plan, kept, start));
    const bool clamped = PlaceholderAndClamp();
    list_->setFocus();
    SelectRows(plan, kept);
    ApplyScroll(plan, kept, clamped);
}

void ListKeeper::FillRows() {
    list_->DeleteAllRows();
    records_ = source_.records();
    int number = 0;
    for (const int record : records_)
        list_->AddKeyedRow(QStringList{QString::number(++number)} + source_.cells(record), record);
}

int ListKeeper::ChooseCurrent(const Placement& plan, const Kept& kept, int fallback) const {
    if (!plan.selected.empty())
        for (const int record : plan.selected)
            if (const int row = rowOfRecord(record); row >= 0)
                return row;
    switch (plan.current) {
    case Placement::Current::SameRecord:
        if (const int row = rowOfRecord(kept.record); row >= 0)
            return row;
        break;
    case Placement::Current::Record:
        if (const int row = plan.record ? rowOfRecord(plan.record()) : -1; row >= 0)
            return row;
        break;
    case Placement::Current::Last:
        return list_->RowCount() - 1;
    case Placement::Current::Default:
        break;
    }
    return fallback;
}

// Adds the placeholder row to an empty list and brings the current row into the
// rows; a list whose selection was cleared starts again at its first row. True when
// the current row had to be lowered to the last row.
bool ListKeeper::PlaceholderAndClamp() {
    if (list_->RowCount() == 0 && source_.placeholder) {
        list_->AddRow(QStringList(list_->ColumnCount(), QString()));
        list_->setCurrentRow(0);
    }
    if (list_->currentRow() < 0)
        list_->setCurrentRow(0);
    if (list_->currentRow() >= list_->RowCount()) {
        list_->setCurrentRow(std::max(0, list_->RowCount() - 1));
        return true;
    }
    return false;
}

void ListKeeper::SelectRows(const Placement& plan, const Kept& kept) {
    const int current = list_->currentRow();
    static const std::vector<int> NONE;
    const std::vector<int>& records = !plan.selected.empty() ? plan.selected
                                      : plan.sameSelection   ? kept.selection
                                                             : NONE;
    if (records.empty()) {
        list_->SelectRow(current);
        return;
    }
    QHash<int, int> rowOf;
    for (int row = list_->RowCount() - 1; row >= 0; --row)
        rowOf.insert(list_->RowKey(row), row);
    QList<int> rows{current}; // the first is the focus row
    for (const int record : records)
        if (const auto found = rowOf.constFind(record); found != rowOf.constEnd() && found.value() != current)
            rows << found.value();
    list_->SelectOnlyRows(rows);
}

void ListKeeper::ApplyScroll(const Placement& plan, const Kept& kept, bool clamped) {
    const int current = list_->currentRow();
    if (plan.top == Placement::Top::Kept) {
        list_->ScrollRowToTop(kept.top);
        if (scroll_ == Scroll::RememberedTop)
            rememberedTop_ = kept.top;
    } else if (plan.top == Placement::Top::CurrentAtTop) {
        list_->ScrollRowToTop(current);
    } else {
        switch (scroll_) {
        case Scroll::CurrentAtTop:
            list_->ScrollRowToTop(current);
            break;
        case Scroll::PageOfCurrent:
            list_->ScrollRowToTop(PageTop(current));
            break;
        case Scroll::RememberedTop:
            if (clamped)
                rememberedTop_ = std::max(0, current - list_->VisibleRowCount() + 1);
            list_->ScrollRowToTop(rememberedTop_);
            break;
        case Scroll::None:
            break;
        }
    }
    if (!plan.selected.empty())
        list_->EnsureRowVisible(current);
}

bool ListKeeper::RecordsChanged() const {
    return source_.records() != records_;
}

bool ListKeeper::NeedsRefill(const DocumentChange& change) const {
    switch (plan_.refill) {
    case Placement::Refill::Always:
        return true;
    case Placement::Refill::WhenTouched:
        if (RecordsChanged())
            return true;
        for (const int record : records_)
            if (source_.touched(record, change))
                return true;
        return false;
    case Placement::Refill::WhenRecordsChange:
        return RecordsChanged();
    }
    return true;
}

void ListKeeper::Rewrite(const DocumentChange& change) {
    for (int row = 0; row < list_->RowCount(); ++row) {
        const int record = list_->RowKey(row);
        if (record < 0 || !source_.touched(record, change))
            continue;
        const QStringList cells = source_.cells(record);
        for (int column = 0; column < cells.size(); ++column)
            list_->SetCellText(row, column + 1, cells[column]);
    }
}

bool ListKeeper::Follow(const DocumentChange& change) {
    const bool refill = NeedsRefill(change);
    if (refill)
        Refill();
    else
        Rewrite(change);
    DropPlan();
    return refill;
}

void ListKeeper::SelectOnly(int row) {
    const QScopedValueRollback quiet(quiet_, true);
    list_->SelectRow(row, true);
}

void ListKeeper::Select(int row) {
    const QScopedValueRollback quiet(quiet_, true);
    list_->SelectRow(row);
}

void ListKeeper::Deselect(int row) {
    const QScopedValueRollback quiet(quiet_, true);
    list_->DeselectRow(row);
}

void ListKeeper::TakeCurrentFromSelection() {
    const int focus = list_->FocusRow();
    if (rule_ == CurrentRule::FocusRow && focus >= 0 && list_->IsRowSelected(focus))
        list_->setCurrentRow(focus);
    else
        list_->setCurrentRow(list_->FirstSelectedRow());
}

std::vector<int> ListKeeper::SelectedRecords() const {
    std::vector<int> records;
    for (const int row : list_->SelectedRows())
        if (const int record = list_->RowKey(row); record >= 0)
            records.push_back(record);
    return records;
}

int ListKeeper::PageTop(int row) const {
    const int perPage = std::max(1, list_->VisibleRowCount());
    return perPage * (std::max(0, row) / perPage);
}

int ListKeeper::rowOfRecord(int record) const {
    return record < 0 ? -1 : list_->RowOfKey(record);
}

} // namespace vormante
