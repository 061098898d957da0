// Which rows of a column list its row filter shows. Rows added while a filter is set
// are hidden together once control returns to the event loop (hiding each as it came
// cost the header a pass over every hidden row per insertion); until then the
// questions are answered from the filter itself.
#pragma once

#include <QStringList>

#include <functional>

class QTableView;

namespace vormante {

class ColumnListModel;

class ShownRows {
public:
    using RowFilter = std::function<bool(const QStringList& texts)>;

    ShownRows(QTableView* view, const ColumnListModel* model) : view_(view), model_(model) {}

    void SetFilter(RowFilter keep) { filter_ = std::move(keep); }
    bool HasFilter() const { return static_cast<bool>(filter_); }
    // A row was added: true when the rows are to be hidden later, once, and were not
    // already waiting for it.
    bool NoteAddedRow();
    bool pending() const { return pending_; }

    // Hides the rows the filter leaves out and shows the others; true when any changed.
    bool Apply();
    bool IsShown(int row) const;
    int Count() const;

private:
    QTableView* view_;
    const ColumnListModel* model_;
    RowFilter filter_;
    bool pending_ = false;
};

} // namespace vormante
