#include "ShownRows.h"

#include "ColumnListModel.h"

#include <QHeaderView>
#include <QTableView>

namespace vormante {

namespace {

// Hiding a row resizes its header section, and with updates on, the header then works
// out the section's position, which takes every row before it: hiding thousands of
// rows one by one grew with the square of the rows. With updates and signals off the
// header only records the sizes; the caller brings the view up to date once.
template <class Change> void QuietlyOnRows(QHeaderView* rows, Change change) {
    const bool wasBlocked = rows->blockSignals(true);
    const bool hadUpdates = rows->updatesEnabled();
    rows->setUpdatesEnabled(false);
    change();
    rows->setUpdatesEnabled(hadUpdates);
    rows->blockSignals(wasBlocked);
}

} // namespace

bool ShownRows::NoteAddedRow() {
    if (!filter_ || pending_)
        return false;
    pending_ = true;
    return true;
}

bool ShownRows::Apply() {
    pending_ = false;
    bool changed = false;
    QuietlyOnRows(view_->verticalHeader(), [&] {
        for (int row = 0; row < model_->RowCount(); ++row) {
            const bool hide = filter_ && !filter_(model_->RowTexts(row));
            if (view_->isRowHidden(row) != hide) {
                view_->setRowHidden(row, hide);
                changed = true;
            }
        }
    });
    return changed;
}

bool ShownRows::IsShown(int row) const {
    if (row < 0 || row >= model_->RowCount())
        return false;
    if (pending_)
        return !filter_ || filter_(model_->RowTexts(row));
    return !view_->isRowHidden(row);
}

int ShownRows::Count() const {
    if (!pending_)
        return model_->RowCount() - view_->verticalHeader()->hiddenSectionCount();
    int shown = 0;
    for (int row = 0; row < model_->RowCount(); ++row)
        shown += IsShown(row) ? 1 : 0;
    return shown;
}

} // namespace vormante
