// ListFilterBar: the filter box above a list. Typing filters the attached list's
// rows at once (rows are hidden, not removed, so every row keeps its "No"); Escape or
// an empty box shows every row again. While a filter is on, a label beside the box
// tells how many rows are shown, as "12 of 2000".
//
//   auto* bar = new ListFilterBar(page);
//   bar->Attach(list);                 // channel lists: name, number or PID
//   ... Ctrl+F: bar->FocusFilter();
#pragma once

#include "controls/ColumnListCtrl.h"
#include "views/common/ChannelColumns.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QTimer;

namespace vormante {

namespace listfilter {

using channelcolumns::CH_NO_COLUMN;
using channelcolumns::FIRST_PID_COLUMN;
using channelcolumns::LAST_PID_COLUMN;
using channelcolumns::NAME_COLUMN;
using channelcolumns::NO_COLUMN;

// The Latin-1 bytes of a typed text. A character without a Latin-1 form becomes NUL,
// which no channel name holds, so such a text matches no name.
std::string QueryBytes(const QString& text);

// Keeps the rows of a channel list whose name contains the text (case and accents
// folded), or, for a text of digits, whose "No", CH No or any PID is that number.
// Rows naming no channel (empty "No") are hidden. An empty text gives no filter.
ColumnListCtrl::RowFilter ChannelRowFilter(const QString& text);

// "12 of 2000".
QString CountText(int shown, int total);

} // namespace listfilter

class ListFilterBar : public QWidget {
    Q_OBJECT

public:
    // Makes the row filter for a typed text; an empty text must give an empty function.
    using FilterFactory = std::function<ColumnListCtrl::RowFilter(const QString& text)>;

    explicit ListFilterBar(QWidget* parent = nullptr);

    // Filters `list` from now on; the count follows the list's refills.
    void Attach(ColumnListCtrl* list, FilterFactory makeFilter = listfilter::ChannelRowFilter);
    // Sets `keep` as the list's filter and shows the count (none without a filter).
    void ApplyFilter(ColumnListCtrl* list, ColumnListCtrl::RowFilter keep);

    QString text() const;
    void setText(const QString& text);
    void Clear();
    // Focuses the box with its text selected, so typing replaces it.
    void FocusFilter();
    QLineEdit* lineEdit() const { return edit_; }
    // "12 of 2000" while a filter is on, else empty.
    QString countText() const;
    void UpdateCount();

Q_SIGNALS:
    // The text as typed, after the attached list was filtered.
    void filterChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTextChanged(const QString& text);
    void ScheduleCount();

    QLineEdit* edit_;
    QLabel* count_;
    QTimer* countTimer_;
    QPointer<ColumnListCtrl> list_;
    FilterFactory makeFilter_;
};

} // namespace vormante
