#include "views/common/ListFilterBar.h"

#include "model/ChannelSearch.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vormante {

namespace listfilter {

std::string QueryBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        bytes += c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '\0';
    return bytes;
}

namespace {
// A cell's number; -1 for an empty or non-numeric cell, which then matches nothing.
long CellNumber(const QString& cell) {
    bool ok = false;
    const long value = cell.toLong(&ok);
    return ok ? value : -1;
}
} // namespace

ColumnListCtrl::RowFilter ChannelRowFilter(const QString& text) {
    const vormante::ChannelQuery query(QueryBytes(text));
    if (query.empty())
        return {};
    return [query](const QStringList& texts) {
        if (texts.size() <= CH_NO_COLUMN || texts[NO_COLUMN].isEmpty())
            return false;
        if (!query.numeric())
            return query.MatchesName(texts[NAME_COLUMN].toLatin1().toStdString());
        if (query.MatchesNumber(CellNumber(texts[NO_COLUMN])) ||
            query.MatchesNumber(CellNumber(texts[CH_NO_COLUMN])))
            return true;
        for (int column = FIRST_PID_COLUMN; column <= LAST_PID_COLUMN; ++column) {
            const long pid = CellNumber(texts[column]);
            if (pid >= 0 && query.MatchesPid(static_cast<unsigned>(pid)))
                return true;
        }
        return false;
    };
}

QString CountText(int shown, int total) {
    //: Rows shown by the filter: %1 shown of %2 in the list.
    return ListFilterBar::tr("%1 of %2").arg(shown).arg(total);
}

} // namespace listfilter

ListFilterBar::ListFilterBar(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), count_(new QLabel(this)), countTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("listFilterBar"));
    edit_->setObjectName(QStringLiteral("filterLineEdit"));
    //: Placeholder of the box that filters the channel list (a noun).
    edit_->setPlaceholderText(tr("Filter"));
    edit_->setClearButtonEnabled(true);
    edit_->installEventFilter(this);
    count_->setObjectName(QStringLiteral("filterCountLabel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_, 1);
    layout->addWidget(count_);
    // Refills add rows one by one; the count is taken once they are all in.
    countTimer_->setSingleShot(true);
    countTimer_->setInterval(0);
    connect(countTimer_, &QTimer::timeout, this, &ListFilterBar::UpdateCount);
    connect(edit_, &QLineEdit::textChanged, this, &ListFilterBar::OnTextChanged);
}

void ListFilterBar::Attach(ColumnListCtrl* list, FilterFactory makeFilter) {
    list_ = list;
    makeFilter_ = std::move(makeFilter);
    if (list == nullptr)
        return;
    QAbstractItemModel* rows = list->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &ListFilterBar::ScheduleCount);
    connect(rows, &QAbstractItemModel::modelReset, this, &ListFilterBar::ScheduleCount);
    connect(rows, &QAbstractItemModel::layoutChanged, this, &ListFilterBar::ScheduleCount);
    OnTextChanged(edit_->text());
}

void ListFilterBar::ApplyFilter(ColumnListCtrl* list, ColumnListCtrl::RowFilter keep) {
    if (list == nullptr)
        return;
    list->SetRowFilter(std::move(keep));
    if (list == list_ || list_ == nullptr)
        UpdateCount();
}

QString ListFilterBar::text() const {
    return edit_->text();
}
void ListFilterBar::setText(const QString& text) {
    edit_->setText(text);
}
void ListFilterBar::Clear() {
    edit_->clear();
}

void ListFilterBar::FocusFilter() {
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

QString ListFilterBar::countText() const {
    return count_->text();
}

void ListFilterBar::UpdateCount() {
    countTimer_->stop();
    ColumnListCtrl* list = list_;
    if (list == nullptr || !list->HasRowFilter())
        count_->clear();
    else
        count_->setText(listfilter::CountText(list->ShownRowCount(), list->RowCount()));
}

void ListFilterBar::ScheduleCount() {
    // Called for every row of a refill: restarting the timer each time would cost more
    // than the count itself.
    if (!countTimer_->isActive())
        countTimer_->start();
}

void ListFilterBar::OnTextChanged(const QString& text) {
    if (list_ != nullptr && makeFilter_)
        ApplyFilter(list_, makeFilter_(text));
    Q_EMIT filterChanged(text);
}

bool ListFilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !edit_->text().isEmpty()) {
        edit_->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vormante
