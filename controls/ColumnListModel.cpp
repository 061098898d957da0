#include "ColumnListModel.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <QMimeData>

#include <algorithm>
#include <climits>

namespace vormante {

namespace columnlist {

QList<ColumnSpecEntry> ParseColumnSpec(const QString& spec) {
    QList<ColumnSpecEntry> entries;
    qsizetype start = 0;
    for (;;) {
        const qsizetype comma = spec.indexOf(QLatin1Char(','), start);
        if (comma < 0)
            break;
        const qsizetype semicolon = spec.indexOf(QLatin1Char(';'), comma + 1);
        const qsizetype widthEnd = semicolon < 0 ? spec.size() : semicolon;
        entries.append({spec.mid(start, comma - start),
                        ReadNumber(QStringView(spec).mid(comma + 1, widthEnd - comma - 1))});
        if (semicolon < 0)
            break;
        start = semicolon + 1;
    }
    return entries;
}

QList<ColumnSpecEntry> TranslatedColumns(const char* context, std::span<const ColumnCaption> columns) {
    QList<ColumnSpecEntry> entries;
    for (const ColumnCaption& column : columns)
        entries.append({QCoreApplication::translate(context, column.caption), column.width});
    return entries;
}

int ReadNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n &&
           (text[i] == QLatin1Char(' ') || (text[i] >= QLatin1Char('\t') && text[i] <= QLatin1Char('\r'))))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > INT_MAX) { // saturate instead of overflowing
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

namespace {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool AllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

bool HasDateShape(const QString& text) {
    if (text.size() != 10)
        return false;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!IsDigit(text[i]))
            return false;
    }
    return text[2] == QLatin1Char('/') && text[5] == QLatin1Char('/');
}

// Case-sensitive, locale-aware text order ("arte" < "Das Erste" < "ZDF"). Under the
// C locale Qt would compare code points, putting every capital first, so that case
// takes the English order, which all Latin-script locales share for such texts.
const QCollator& TextCollator() {
    static const QCollator collator = [] {
        const QLocale system;
        QCollator made(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
        made.setCaseSensitivity(Qt::CaseSensitive);
        made.setNumericMode(false);
        return made;
    }();
    return collator;
}

int Sign(long long value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int CompareSlice(const QString& x, const QString& y, qsizetype from, qsizetype length) {
    return Sign(static_cast<long long>(ReadNumber(QStringView(x).mid(from, length))) -
                ReadNumber(QStringView(y).mid(from, length)));
}

} // namespace

int CompareCellTexts(const QString& x, const QString& y) {
    if (AllDigits(x))
        return Sign(static_cast<long long>(ReadNumber(x)) - ReadNumber(y));
    if (HasDateShape(x)) {
        if (int year = CompareSlice(x, y, 6, 4))
            return year;
        if (int month = CompareSlice(x, y, 3, 2))
            return month;
        return CompareSlice(x, y, 0, 2);
    }
    return Sign(TextCollator().compare(x, y));
}

} // namespace columnlist

ColumnListModel::ColumnListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ColumnListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int ColumnListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant ColumnListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !ValidCell(index.row(), index.column()))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == ROW_KEY_ROLE)
        return row.key;
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return row.texts[index.column()];
    case Qt::ForegroundRole:
        return QColor::fromRgb(row.textColors[column]);
    case Qt::BackgroundRole:
        return QColor::fromRgb(row.backColors[column]);
    default:
        return {};
    }
}

Qt::ItemFlags ColumnListModel::flags(const QModelIndex& index) const {
    // Only the gaps between rows take drops, so the drop indicator is a line, never a box.
    if (!index.isValid())
        return rowsDraggable_ ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (rowsDraggable_)
        result |= Qt::ItemIsDragEnabled;
    return result;
}

QStringList ColumnListModel::mimeTypes() const {
    return {QLatin1String(ROWS_MIME_TYPE)};
}

QMimeData* ColumnListModel::mimeData(const QModelIndexList& indexes) const {
    // The rows' keys, for the record only: drops are taken from this list alone.
    QStringList keys;
    for (const QModelIndex& index : indexes)
        if (index.isValid() && index.column() == 0)
            keys << QString::number(RowKey(index.row()));
    auto* data = new QMimeData;
    data->setData(QLatin1String(ROWS_MIME_TYPE), keys.join(QLatin1Char(',')).toLatin1());
    return data;
}

bool ColumnListModel::dropMimeData(const QMimeData*, Qt::DropAction, int, int, const QModelIndex&) {
    return false;
}

Qt::DropActions ColumnListModel::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

QVariant ColumnListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columnNames_[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

void ColumnListModel::AppendColumn(const QString& name) {
    const int column = ColumnCount();
    beginInsertColumns({}, column, column);
    columnNames_.append(name);
    for (Row& row : rows_) {
        row.texts.append(QString());
        row.textColors.push_back(row.textColors.empty() ? 0 : row.textColors.back());
        row.backColors.push_back(row.backColors.empty() ? 0 : row.backColors.back());
    }
    endInsertColumns();
}

QString ColumnListModel::ColumnName(int column) const {
    return column >= 0 && column < ColumnCount() ? columnNames_[column] : QString();
}

int ColumnListModel::AppendRow(const QStringList& texts, QColor textColor, QColor backColor) {
    const int columns = ColumnCount();
    Row row;
    row.texts = texts.mid(0, columns);
    while (row.texts.size() < columns)
        row.texts.append(QString());
    row.textColors.assign(static_cast<std::size_t>(columns), textColor.rgb());
    row.backColors.assign(static_cast<std::size_t>(columns), backColor.rgb());

    const int index = RowCount();
    beginInsertRows({}, index, index);
    rows_.push_back(std::move(row));
    endInsertRows();
    return index;
}

void ColumnListModel::RemoveAllRows() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

bool ColumnListModel::ValidCell(int row, int column) const {
    return row >= 0 && row < RowCount() && column >= 0 && column < ColumnCount();
}

bool ColumnListModel::SetCellText(int row, int column, const QString& text) {
    if (!ValidCell(row, column))
        return false;
    rows_[static_cast<std::size_t>(row)].texts[column] = text;
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    return true;
}

QString ColumnListModel::CellText(int row, int column) const {
    return ValidCell(row, column) ? rows_[static_cast<std::size_t>(row)].texts[column] : QString();
}

const QStringList& ColumnListModel::RowTexts(int row) const {
    static const QStringList none;
    return row >= 0 && row < RowCount() ? rows_[static_cast<std::size_t>(row)].texts : none;
}

bool ColumnListModel::SetCellColors(int row, int column, QColor textColor, QColor backColor) {
    if (!ValidCell(row, column))
        return false;
    Row& cells = rows_[static_cast<std::size_t>(row)];
    cells.textColors[static_cast<std::size_t>(column)] = textColor.rgb();
    cells.backColors[static_cast<std::size_t>(column)] = backColor.rgb();
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell, {Qt::ForegroundRole, Qt::BackgroundRole});
    return true;
}

QColor ColumnListModel::CellTextColor(int row, int column) const {
    return ValidCell(row, column)
               ? QColor::fromRgb(
                     rows_[static_cast<std::size_t>(row)].textColors[static_cast<std::size_t>(column)])
               : QColor();
}

QColor ColumnListModel::CellBackColor(int row, int column) const {
    return ValidCell(row, column)
               ? QColor::fromRgb(
                     rows_[static_cast<std::size_t>(row)].backColors[static_cast<std::size_t>(column)])
               : QColor();
}

void ColumnListModel::SortRows(int column, bool ascending) {
    if (column < 0 || column >= ColumnCount() || RowCount() < 2)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    // Bottom-up merge sort over row numbers. std::merge only walks forward, so even
    // a comparison that is not a strict weak order (the kind follows the left text)
    // can never step outside the rows.
    const auto count = static_cast<std::size_t>(RowCount());
    std::vector<int> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = static_cast<int>(i);
    std::vector<int> buffer(count);
    auto less = [&](int a, int b) {
        const QString& x = rows_[static_cast<std::size_t>(a)].texts[column];
        const QString& y = rows_[static_cast<std::size_t>(b)].texts[column];
        // Descending keeps the ascending comparison of (x, y), kind decided by x, and
        // reverses its result; comparing (y, x) would let y decide the kind instead.
        const int comparison = columnlist::CompareCellTexts(x, y);
        return ascending ? comparison < 0 : comparison > 0;
    };
    for (std::size_t width = 1; width < count; width *= 2) {
        for (std::size_t left = 0; left < count; left += 2 * width) {
            const std::size_t mid = std::min(left + width, count);
            const std::size_t right = std::min(left + 2 * width, count);
            // std::merge takes from the first range on ties, which keeps the sort stable.
            std::merge(order.begin() + static_cast<std::ptrdiff_t>(left),
                       order.begin() + static_cast<std::ptrdiff_t>(mid),
                       order.begin() + static_cast<std::ptrdiff_t>(mid),
                       order.begin() + static_cast<std::ptrdiff_t>(right),
                       buffer.begin() + static_cast<std::ptrdiff_t>(left), less);
        }
        order.swap(buffer);
    }

    std::vector<Row> sorted;
    sorted.reserve(count);
    std::vector<int> newRowOf(count);
    for (std::size_t i = 0; i < count; ++i) {
        newRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
        sorted.push_back(std::move(rows_[static_cast<std::size_t>(order[i])]));
    }
    rows_.swap(sorted);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRowOf[static_cast<std::size_t>(old.row())], old.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool ColumnListModel::SetRowKey(int row, int key) {
    if (row < 0 || row >= RowCount())
        return false;
    rows_[static_cast<std::size_t>(row)].key = key;
    return true;
}

int ColumnListModel::RowKey(int row) const {
    return row >= 0 && row < RowCount() ? rows_[static_cast<std::size_t>(row)].key : -1;
}

int ColumnListModel::RowOfKey(int key) const {
    for (int row = 0; row < RowCount(); ++row)
        if (RowKey(row) == key)
            return row;
    return -1;
}

QItemSelection ColumnListModel::RowRanges(const QList<int>& rows) const {
    QItemSelection selection;
    const int lastColumn = std::max(0, ColumnCount() - 1);
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] <= rows[j] + 1)
            ++j;
        selection.select(index(rows[i], 0), index(rows[j], lastColumn));
        i = j + 1;
    }
    return selection;
}

} // namespace vormante
