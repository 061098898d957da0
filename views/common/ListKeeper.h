// One list of a page and what it keeps across a change of the image: its rows (one
// per record, the record's slot as the row key), the current row, the selected rows
// and the first row shown. Everything a refill does to those happens here, for every
// list of every page.
//
// The page says how its rows are made (a Source). A command that wants the list to
// stand somewhere after its change says so once, with a Placement, before it
// changes the image; the page then follows the document's change as it follows every
// change, and the list places itself as planned. Without a plan a list whose
// records stay the same only rewrites the rows of the records the change touched.
//
// The current row follows the user's selection (the first selected row, or the focus
// row while it is selected); the page hears of the user's selections through
// userSelected, never of the list's own.
#pragma once

#include "document/DocumentChange.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

namespace vormante {

class ColumnListCtrl;

struct Placement {
    // Which row is current after the refill.
    enum class Current {
        Default,    // the row number kept (clamped to the rows), or where the list starts
        SameRecord, // the record that was current, where it is still listed; else Default
        Record,     // the row of record(), where it is listed; else Default
        Last,       // the last row
    };
    // Which row is shown first.
    enum class Top {
        Default,      // as the list scrolls after a refill
        Kept,         // the row that was shown first
        CurrentAtTop, // the current row, as far as the list scrolls
    };
    // When a change brings the list up to date by a refill rather than in place.
    enum class Refill {
        Always,
        WhenTouched,       // the records listed changed, or a row's record was touched
        WhenRecordsChange, // else the rows of touched records are rewritten in place
    };

    Current current = Current::Default;
    std::function<int()> record; // Current::Record; asked once the image has changed
    std::vector<int> selected;   // these records selected, the first current and in view
    bool sameSelection = false;  // the records that were selected stay selected
    Top top = Top::Default;
    Refill refill = Refill::WhenRecordsChange;

    // After a change made elsewhere: the same records current and selected, the same
    // first row, the focus where it was.
    static Placement Follow();
    // After a deletion: the row number kept, and the first row shown.
    static Placement KeepTop();
    // After an addition: the last row current.
    static Placement Last();
    // A record current, once the change has made it.
    static Placement Show(std::function<int()> record);
    // These records selected, the first current and shown, the first row kept otherwise.
    static Placement Select(std::vector<int> records);
    // After an edit: rows rewritten in place, or refilled as usual when the records
    // listed changed.
    static Placement InPlace();
};

class ListKeeper : public QObject {
    Q_OBJECT

public:
    struct Source {
        // The records listed, in row order.
        std::function<std::vector<int>()> records;
        // A record's cell texts, every column but "No" (the running number).
        std::function<QStringList(int record)> cells;
        // Whether a change touches what a record's row shows.
        std::function<bool(int record, const DocumentChange& change)> touched;
        // The row a refill starts at (before any plan); none: the row number kept.
        std::function<int(const std::vector<int>& records)> startRow;
        // An empty list gets a row of empty texts, which names no record.
        bool placeholder = true;
    };
    // How a refill scrolls unless its plan says otherwise.
    enum class Scroll {
        CurrentAtTop,  // the current row first
        PageOfCurrent, // the page of rows, counted from the first, that holds the current row
        RememberedTop, // the remembered first row, lowered when the current row had to be
        None,
    };
    // Which selected row the current row follows.
    enum class CurrentRule { FirstSelected, FocusRow };

    ListKeeper(ColumnListCtrl* list, Source source, Scroll scroll, CurrentRule rule);

    ColumnListCtrl* list() const { return list_; }

    // Where the list stands after its next refill, or its next change. What the
    // placement keeps (the current record, the selection, the first row shown) is
    // taken as the list stands now.
    void Plan(Placement placement);
    bool HasPlan() const { return hasPlan_; }
    void DropPlan();

    // Fills the rows afresh from the source and places the list as planned.
    void Refill();
    // Whether bringing the list up to date after `change` takes a refill.
    bool NeedsRefill(const DocumentChange& change) const;
    // Rewrites, in place, the rows of the records the change touched.
    void Rewrite(const DocumentChange& change);
    // Refills when that is needed, else rewrites; true when it refilled.
    bool Follow(const DocumentChange& change);
    bool RecordsChanged() const;

    // The list's selection set by the page, without the user's reaction.
    void SelectOnly(int row);
    void Select(int row);
    void Deselect(int row);
    // Makes the current row the one the selection names (the list's rule).
    void TakeCurrentFromSelection();

    // The records of the selected rows, in row order.
    std::vector<int> SelectedRecords() const;
    // The first row of the page of rows that holds `row`.
    int PageTop(int row) const;
    int rememberedTop() const { return rememberedTop_; }
    void setRememberedTop(int row) { rememberedTop_ = row; }

Q_SIGNALS:
    // The user changed the selected rows; the current row already follows them.
    void userSelected();

private:
    // What a plan keeps of the list as it stood when it was made.
    struct Kept {
        int record = -1;
        std::vector<int> selection;
        int top = 0;
    };
    Kept Snapshot() const;
    void FillRows();
    int ChooseCurrent(const Placement& plan, const Kept& kept, int fallback) const;
    bool PlaceholderAndClamp();
    void SelectRows(const Placement& plan, const Kept& kept);
    void ApplyScroll(const Placement& plan, const Kept& kept, bool clamped);
    int rowOfRecord(int record) const;

    ColumnListCtrl* list_;
    Source source_;
    Scroll scroll_;
    CurrentRule rule_;
    std::vector<int> records_; // the records listed by the last refill, in fill order
    Placement plan_;
    Kept kept_;
    bool hasPlan_ = false;
    int rememberedTop_ = 0;
    bool quiet_ = false; // the list's own selection changes are no user's
};

} // namespace vormante
