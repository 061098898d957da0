// The rows of a ColumnListCtrl: every cell text and colour, kept by the model so
// the view paints thousands of rows without one widget item per cell.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QItemSelection>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

#include <vector>

namespace vormante {

namespace columnlist {

struct ColumnSpecEntry {
    QString name;
    int width = 0; // pixels at the reference font
};

// A column's caption, marked for the translation tools with QT_TRANSLATE_NOOP, and its
// width in pixels at the reference font.
struct ColumnCaption {
    const char* caption;
    int width;
};

// The columns of a table of captions, each caption translated in `context` when the
// columns are built (never at static initialisation, before the translator is in).
QList<ColumnSpecEntry> TranslatedColumns(const char* context, std::span<const ColumnCaption> columns);

// "No,20;Sat Name,85" -> {No, 20}, {Sat Name, 85}. A piece without a comma is not a
// column: in the middle it joins the front of the next name, at the end it is dropped.
QList<ColumnSpecEntry> ParseColumnSpec(const QString& spec);

// The number at the start of a text, read like C's atoi: leading blanks, an optional
// sign, digits up to the first non-digit; 0 when there are none.
int ReadNumber(QStringView text);

// Orders two cell texts; the kind of comparison follows x alone: digits only (or
// empty) compares as numbers, dd/mm/yyyy as dates (year, month, day), anything
// else as locale-aware, case-sensitive text. Returns -1, 0 or 1.
int CompareCellTexts(const QString& x, const QString& y);

} // namespace columnlist

class ColumnListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ColumnListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Lets rows be dragged and dropped between rows of the same list (off by default).
    // The model never takes a drop itself: the view reports where the rows went.
    void SetRowsDraggable(bool draggable) { rowsDraggable_ = draggable; }
    bool rowsDraggable() const { return rowsDraggable_; }
    static constexpr const char* ROWS_MIME_TYPE = "application/x-vormante-rows";
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override;

    // Columns are appended once, before the first row.
    void AppendColumn(const QString& name);
    int ColumnCount() const { return static_cast<int>(columnNames_.size()); }
    QString ColumnName(int column) const;

    // Appends a row of exactly ColumnCount() texts (missing ones empty, extra ones
    // ignored), every cell in the given colours. Returns the new row's index.
    int AppendRow(const QStringList& texts, QColor textColor, QColor backColor);
    void RemoveAllRows();
    int RowCount() const { return static_cast<int>(rows_.size()); }

    bool SetCellText(int row, int column, const QString& text);
    QString CellText(int row, int column) const;
    const QStringList& RowTexts(int row) const; // empty list for a row out of range
    bool SetCellColors(int row, int column, QColor textColor, QColor backColor);
    QColor CellTextColor(int row, int column) const;
    QColor CellBackColor(int row, int column) const;

    // The record a row stands for (a slot), carried with the row through sorts and
    // readable through RowKeyRole; -1 when the row names none.
    static constexpr int ROW_KEY_ROLE = Qt::UserRole + 1;
    bool SetRowKey(int row, int key);
    int RowKey(int row) const;
    int RowOfKey(int key) const; // the first row with the key, or -1
    // Whole rows, neighbours joined into one range so the selection stays small;
    // `rows` ascending and in range.
    QItemSelection RowRanges(const QList<int>& rows) const;

    // Reorders the rows by CompareCellTexts on one column; selections and the
    // current index follow their rows.
    void SortRows(int column, bool ascending);

private:
    struct Row {
        int key = -1;
        QStringList texts;
        std::vector<QRgb> textColors;
        std::vector<QRgb> backColors;
    };

    bool ValidCell(int row, int column) const;

    QStringList columnNames_;
    std::vector<Row> rows_;
    bool rowsDraggable_ = false;
};

} // namespace vormante
